// Checks a remote command against the device it names before any frame is built: pure functions
// over the device list and the device's record. A refusal says what was wrong and on which device;
// an accepted command comes back as a RemoteAction in the device's own numbering.
//
// Rules: a window must exist in the device's window list (GW: and lie within its output cards'
// window slots for a move); a source must be one of the model's inputs (KS: the input-name table;
// GW: "Input<n>" or id for the input card slots it reported); presets 1 to 10; templates 1 to 10
// on the KS models with a template page (KS9200 and the KX models), 1 to 3 on GW; a geometry at
// least 64 x 64 and wholly on the wall (the union of its panels); brightness 0 to 100; test
// patterns (KS family only) 0 to 60, or 0 to 12 on the KX models.
#pragma once

#include "RemoteBackend.h"
#include "RemoteCommand.h"
#include "RemoteError.h"

#include <QList>
#include <QRect>
#include <QString>

class INFO_BASIC;

class RemoteValidator
{
public:
    static constexpr int PresetCount = 10;
    static constexpr int MinWindowSize = 64;
    static constexpr int MaxBrightness = 100;
    static constexpr int AllWindows = 0xFF;
    static constexpr int TestPatternOff = 255;

    struct Found
    {
        int index = -1; // into the device list
        RemoteError error;
    };
    struct Checked
    {
        RemoteAction action;
        RemoteError error;
        bool ok() const { return !error.isError(); }
    };

    // By cpuid, then by name, then by tab number (from 1). A name shared by two devices, or a
    // number that is one device's name and another device's tab, is refused as ambiguous.
    static Found findDevice(const QList<RemoteDevice> &devices, const QString &selector);

    static Checked check(const RemoteCommand &command, const INFO_BASIC &record);

    // Device facts the checks use, also shown in the state the servers report.
    static int templateCount(int type);    // 0: no templates can be loaded
    static int testPatternCount(int type); // 0: no test patterns
    // The panels of the wall (those with a size), and whether they cover `rect` completely.
    static QList<QRect> wall(const INFO_BASIC &record);
    static bool covers(const QList<QRect> &panels, const QRect &rect);
    static QRect bounds(const QList<QRect> &panels);
    // The name a client uses for a source: "HDMI2" (KS), "Input3" (GW, id 2).
    static QString sourceName(int type, int srcId);
    // The source ids a device takes, in the order the input panel shows them.
    static QList<int> sourceIds(const INFO_BASIC &record);
    // A label for messages: the device's name, else its model.
    static QString label(const INFO_BASIC &record);
};
