// A remote-control request as a client put it (RemoteCommand), decoded from an OSC message or an
// HTTP request by RemoteRequest, and what it becomes once it has been checked against the device
// (RemoteAction, made by RemoteValidator and turned into frames by RemoteFrames). Plain values.
//
// Numbers are those an operator sees: windows, presets and templates count from 1 ("window 1",
// "Preset 1"), test patterns from 0 as the test-pattern dialog shows them; a source is a name
// ("HDMI2", "Input3") or the device's own source id. RemoteAction carries the device's numbering.
#pragma once

#include <QList>
#include <QPair>
#include <QRect>
#include <QString>

struct RemoteCommand
{
    enum Kind {
        Devices,        // every device with its state
        State,          // one device with its state
        LoadPreset,     // number
        SavePreset,     // number
        LoadTemplate,   // number
        SwitchInput,    // window, source
        SetGeometry,    // window, rect
        BlackScreen,    // on
        Freeze,         // on
        FrameSync,      // window, on
        Brightness,     // window (0: all windows), value
        TestPattern,    // number
        TestPatternOff, // -
        Subscribe,      // OSC only; number: port to push to (0: the sender's own port)
        Unsubscribe,    // OSC only; number as for Subscribe
    };

    Kind kind = Devices;
    QString device;     // selector as given: cpuid, name or tab number
    int window = 0;     // from 1; 0 where the command names no window
    QString sourceName; // the source by name, or empty when given by id
    int sourceId = -1;  // the source by id, or -1 when given by name
    int number = 0;
    int x = 0; // geometry, wall pixels
    int y = 0;
    int width = 0;
    int height = 0;
    bool on = false;
    int value = 0;

    // The command's name in both protocols: "preset/load", "window/input", ...
    static QString kindName(Kind kind);
    // Commands that only read state send nothing to a device.
    static bool isQuery(Kind kind) { return kind == Devices || kind == State; }
    bool operator==(const RemoteCommand &o) const;
};

// A command checked against one device, in the device's numbering, ready to become frames.
struct RemoteAction
{
    RemoteCommand::Kind kind = RemoteCommand::Devices;
    QString cpuid;
    int deviceType = -1;
    int winId = -1; // from 0; 0xFF for all windows
    int srcId = -1;
    int id = -1;   // preset or template id from 0, test pattern number
    QRect rect;    // geometry, checked to lie inside the wall
    int layer = 0; // GW: the window's layer, kept when it is moved
    bool on = false;
    int value = 0;
    // GW template 3: after loading template 1, these windows (first) take this input (second).
    QList<QPair<int, int>> fill;

    bool operator==(const RemoteAction &o) const;
};
