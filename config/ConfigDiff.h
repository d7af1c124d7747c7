// Differences between a device of a configuration file and a device record (a live device, or a
// second file): every setting that differs, in a group, with a name a person can read and both
// values as short texts. A setting that the target device cannot take (another model of the same
// family, fewer windows, inputs or outputs) is listed with the reason. RestorePlan turns the
// differences into frames; after a restore the same comparison verifies the result.
#pragma once

#include "ConfigDocument.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

struct ConfigDifference
{
    // What a difference is about; `index` and `item` say which one (see each value).
    enum Setting {
        OutputMode,       // KX output mode and exchange flag
        OutputResolution, // index: output from 0
        Background,       // KS background colour
        Border,           // index: border selector
        OutputEnhance,
        AreaResolution, // GW output resolution of the areas
        AreaLayout,     // GW rows, columns, numbering order
        Area,           // index: GW display area
        Mapping,        // index: GW output port
        WindowCount,    // KS: the number of windows of the layout
        Window,         // GW: index window exists with its rectangle and layer (or not)
        WindowGeometry, // KS: index window rectangle
        WindowTransparency,
        WindowSource,
        WindowRotation,
        WindowCrop,
        PictureItem, // index window, item: image-quality item code (1 brightness ... 11)
        ColorTemp,   // KX advanced picture of window `index`
        ColorMode,
        Rgbcmy, // item: group 0..2
        ImageEffect,
        ImageExpert,
        Edid,     // index: source id
        EdidMode, // signal mode or DVI audio input
        Mosaic,   // index: window
        Chroma,   // index: window
        AudioMode,
        AudioMute,
        AudioVolume,
        Freeze,
        BlackScreen,
        Pip,
        SwitchMode,
        FrameSync,
        Task, // index: task slot
        AllTasks,
        Preset, // index: preset id
    };

    QString group;
    Setting setting = OutputMode;
    int index = -1;
    int item = -1;
    QString name;          // "window 2 geometry"
    QString fileValue;     // the file's value; "none" when the file has no such entry
    QString deviceValue;   // the device's value; "none" when it has no such entry
    QString notApplicable; // empty, or why the device cannot take the file's value
};

class ConfigDiff
{
    Q_DECLARE_TR_FUNCTIONS(ConfigDiff)

public:
    // The groups in the order a restore applies them; stable names for the command line and UI.
    static QStringList groups();
    // The group's title for people ("Outputs", ...), translated.
    static QString groupTitle(const QString &group);

    // Every setting of `file` that differs on `device` (same family; another family gives one
    // difference without a group that says so), restricted to `onlyGroups` unless empty.
    static QList<ConfigDifference> compare(const ConfigDevice &file, const INFO_BASIC &device,
                                           const QStringList &onlyGroups = QStringList());

    // Where a KS layout of `windows` windows can come from on `target` when its live layout has
    // another number: a template that the file or the target recorded with that many windows,
    // or a preset (of the file, restored before the layout, or of the target) with that many.
    struct KsLayoutSource
    {
        enum Kind { None, Live, Template, Preset } kind = None;
        int id = -1;
    };
    static KsLayoutSource ksLayoutSource(int windows, const DEVICE_INFO_KS &file,
                                         const DEVICE_INFO_KS &target, bool filePresetsRestored);
};
