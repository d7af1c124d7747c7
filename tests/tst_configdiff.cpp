// Differences between a file device and a device record: one changed field gives exactly one
// difference, in the right group, named for people, with both values.
#include "ConfigDiff.h"
#include "ConfigSamples.h"

#include <QtTest>
#include <functional>

using D = ConfigDevice;
using Edit = std::function<void(D &)>;
Q_DECLARE_METATYPE(Edit)

using namespace ConfigSamples;

class TstConfigDiff : public QObject
{
    Q_OBJECT
private slots:
    void oneFieldOneDifference_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileValue");
        QTest::addColumn<QString>("deviceValue");

        auto row = [](const char *tag, int type, Edit e, const char *g, const char *n, const char *f, const char *d) {
            QTest::newRow(tag) << type << e << QString(g) << QString(n) << QString(f) << QString(d);
        };
        // KS9200
        row("window geometry", 3, [](D &c) { c.ks.windows[1].x = 100; },
            "layout", "window 2 geometry", "640x480 at 100,0", "640x480 at 640,0");
        row("transparency", 3, [](D &c) { c.ks.windows[0].param1 = 50; },
            "layout", "window 1 transparency", "50", "100");
        row("source", 3, [](D &c) { c.ks.windows[2].param2 = 33; }, "layout", "window 3 source", "HDMI2", "CV1");
        row("crop", 3, [](D &c) { c.ks.inputCrops[0].enable = 1; },
            "layout", "window 1 input crop", "on, 1920x1080 at 0,0", "off, 1920x1080 at 0,0");
        row("resolution", 3, [](D &c) { c.ks.panels[1].width = 1280; },
            "outputs", "output 2 resolution", "1280x1080 60 Hz, preset 0", "1920x1080 60 Hz, preset 0");
        row("background", 3, [](D &c) { c.ks.other.bgEnable = 1; },
            "outputs", "background colour", "0 0 0", "off");
        row("border", 3, [](D &c) { c.ks.borders[2].thickness = 8; },
            "outputs", "border 3", "off, colour 1, 1920x1080 at 0,0, thickness 8",
            "off, colour 1, 1920x1080 at 0,0, thickness 4");
        row("enhance", 3, [](D &c) { c.ks.outputEnhance[1].value = 1; },
            "outputs", "output enhance", "off off, off on", "off off, off off");
        row("brightness", 3, [](D &c) { c.ks.imageQuality[0].brightness = 60; },
            "picture", "window 1 brightness", "60", "50");
        row("offset", 3, [](D &c) { c.ks.imageQuality[1].redOffset = -5; },
            "picture", "window 2 red offset", "-5", "0");
        row("EDID", 3, [](D &c) { c.ks.edid[6].width = 3840; },
            "edid", "EDID HDMI1", "3840x1080 60 Hz", "1920x1080 60 Hz");
        row("mosaic", 3, [](D &c) { c.ks.mosaics[0].enable = 1; },
            "mosaic", "window 1 mosaic", "on, units 1x1 position 1, tune 0 0 0 0",
            "off, units 1x1 position 1, tune 0 0 0 0");
        row("chroma", 3, [](D &c) { c.ks.chromaKeys[1].presetColor = 2; },
            "chroma", "window 2 chroma key", "off, preset colour 2", "off, preset colour 0");
        row("mute", 3, [](D &c) { c.ks.other.mute = 1; }, "audio", "audio mute", "on", "off");
        row("audio window", 3, [](D &c) { c.ks.other.audioWindow = 2; },
            "audio", "audio source", "window 3", "window 1");
        row("freeze", 3, [](D &c) { c.ks.other.freeze = 1; }, "switches", "freeze", "on", "off");
        row("fade", 3, [](D &c) { c.ks.other.switchMode = 1; },
            "switches", "switch mode", "fade, period 5", "cut");
        row("task", 3, [](D &c) { c.ks.timeTasks[4].hour = 7; },
            "tasks", "task 5", "off, once, 2017-01-01 07:00:00, target 0", "off, once, 2017-01-01 00:00:00, target 0");
        row("all tasks", 3, [](D &c) { c.ks.allTasksOn = 0; }, "tasks", "all tasks switch", "off", "on");
        row("preset", 3, [](D &c) { c.ks.presets[1].windows[0] = PRESET_ENTRY{8, 0, 640, 480}; },
            "presets", "preset 2",
            "outputs: 0 0 1920 1080; 1920 0 1920 1080 | windows: 8 0 640 480; 640 0 640 480; 1280 0 640 480",
            "outputs: 0 0 1920 1080; 1920 0 1920 1080 | windows: 0 0 640 480; 640 0 640 480; 1280 0 640 480");
        // KX4200
        row("output mode", 17, [](D &c) { c.ks.outputMode.mode = 1; },
            "outputs", "output mode", "mode 1, exchange off", "mode 0, exchange off");
        row("colour mode", 17, [](D &c) { c.ks.imageAdvanced[1].colorMode = 2; },
            "picture", "window 2 colour mode", "2", "0");
        row("gamma", 17, [](D &c) { c.ks.imageQuality[2].gamma = 3; }, "picture", "window 3 gamma", "3", "2");
        row("rotation", 17, [](D &c) { c.ks.windows[0].rotate = 1; }, "layout", "window 1 rotation", "1", "0");
        row("volume", 17, [](D &c) { c.ks.other.volume = 10; }, "audio", "audio volume", "10", "20");
        row("DVI audio", 17, [](D &c) { c.ks.dviAudioMode = 1; }, "edid", "DVI audio input", "1", "0");
        // GW5
        row("GW window", 48, [](D &c) { c.gw.windows[1].x = 100; },
            "layout", "window 2", "3840x1080 at 100,0, layer 2", "3840x1080 at 1920,0, layer 2");
        row("GW closed window", 48, [](D &c) { c.gw.windows.removeLast(); },
            "layout", "window 3", "none", "1280x720 at 600,1300, layer 3");
        row("GW source", 48, [](D &c) { c.gw.windows[0].param2 = 3; },
            "layout", "window 1 source", "Input4", "Input1");
        row("GW mapping", 48, [](D &c) { c.gw.mappings[3].area = 0; },
            "outputs", "output port 4", "area 1", "area 4");
        row("GW resolution", 48, [](D &c) { c.gw.panels[0].resWidth = 1280; },
            "outputs", "output resolution", "1280x1080 60 Hz, preset 1", "1920x1080 60 Hz, preset 1");
        row("GW grid", 48, [](D &c) { c.gw.panels[0].arrangement = 1; },
            "outputs", "area layout", "2 rows, 4 columns, order 1", "2 rows, 4 columns, order 0");
        row("GW area", 48, [](D &c) { c.gw.panels[2].x = 100; },
            "outputs", "area 3", "1920x1080 at 100,0", "1920x1080 at 3840,0");
        row("GW gain", 48, [](D &c) { c.gw.imageQuality[0].redGain = uint16_t(-5); },
            "picture", "window 1 red gain", "-5", "0");
        row("GW EDID", 48, [](D &c) { c.gw.edid[1].rate = 30; },
            "edid", "EDID Input2", "1920x1080 30 Hz", "1920x1080 60 Hz");
        row("GW black", 48, [](D &c) { c.gw.other.blackScreen = 1; }, "switches", "black screen", "on", "off");
    }
    void oneFieldOneDifference()
    {
        QFETCH(int, type);
        QFETCH(Edit, edit);
        QFETCH(QString, group);
        QFETCH(QString, name);
        QFETCH(QString, fileValue);
        QFETCH(QString, deviceValue);
        ConfigDevice file = plainDevice(type);
        const ConfigDevice device = plainDevice(type);
        edit(file);
        const QList<ConfigDifference> diffs = ConfigDiff::compare(file, device.basic());
        QCOMPARE(diffs.size(), 1);
        QCOMPARE(diffs[0].group, group);
        QCOMPARE(diffs[0].name, name);
        QCOMPARE(diffs[0].fileValue, fileValue);
        QCOMPARE(diffs[0].deviceValue, deviceValue);
        QCOMPARE(diffs[0].notApplicable, QString());
        QVERIFY(ConfigDiff::groups().contains(group));
    }
    void sameDeviceHasNoDifference_data()
    {
        QTest::addColumn<int>("type");
        for (int type : {0, 1, 2, 3, 4, 16, 17, 18, 20, 48})
            QTest::newRow(qPrintable(QString::number(type))) << type;
    }
    void sameDeviceHasNoDifference()
    {
        QFETCH(int, type);
        const ConfigDevice device = plainDevice(type);
        ConfigDevice file = device;
        // Identity and live status are not settings.
        file.basic().name = QStringLiteral("Other");
        file.basic().cpuid = QStringLiteral("00000000000000000000ffff");
        file.ks.inputSignals << INFO_INPUTSINGLE{32, 1920, 1080, 60, 1};
        QCOMPARE(ConfigDiff::compare(file, device.basic()).size(), 0);
    }
    void groupsRestrictTheComparison()
    {
        ConfigDevice file = plainDevice(3);
        file.ks.other.freeze = 1;
        file.ks.windows[0].x = 8;
        file.ks.imageQuality[0].hue = 1;
        const ConfigDevice device = plainDevice(3);
        QStringList seen;
        for (const ConfigDifference &d : ConfigDiff::compare(file, device.basic(), {"picture", "switches"}))
            seen << d.name;
        QCOMPARE(seen, (QStringList{"window 1 hue", "freeze"}));
        // Another family is one refused difference, whatever the groups.
        const QList<ConfigDifference> family = ConfigDiff::compare(file, plainDevice(48).basic(), {"picture"});
        QCOMPARE(family.size(), 1);
        QVERIFY(!family[0].notApplicable.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstConfigDiff)
#include "tst_configdiff.moc"
