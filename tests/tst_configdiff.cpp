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
        QTest::addColumn<QStringList>("difference"); // group, name, file's value, device's value
        auto row = [](const char *tag, int type, Edit e, const char *g, const char *n, const char *f, const char *d) {
            QTest::newRow(tag) << type << e << QStringList{g, n, f, d};
        };
        // One row for each group of each family.
        row("window geometry", 3, [](D &c) { c.ks.windows[1].x = 100; }, "layout", "window 2 geometry",
            "640x480 at 100,0", "640x480 at 640,0");
        row("source", 3, [](D &c) { c.ks.windows[2].param2 = 33; }, "layout", "window 3 source", "HDMI2", "CV1");
        row("border", 3, [](D &c) { c.ks.borders[2].thickness = 8; }, "outputs", "border 3",
            "off, colour 1, 1920x1080 at 0,0, thickness 8", "off, colour 1, 1920x1080 at 0,0, thickness 4");
        row("offset", 3, [](D &c) { c.ks.imageQuality[1].redOffset = -5; }, "picture", "window 2 red offset", "-5",
            "0");
        row("EDID", 3, [](D &c) { c.ks.edid[6].width = 3840; }, "edid", "EDID HDMI1", "3840x1080 60 Hz",
            "1920x1080 60 Hz");
        row("mosaic", 3, [](D &c) { c.ks.mosaics[0].enable = 1; }, "mosaic", "window 1 mosaic",
            "on, units 1x1 position 1, tune 0 0 0 0", "off, units 1x1 position 1, tune 0 0 0 0");
        row("chroma", 3, [](D &c) { c.ks.chromaKeys[1].presetColor = 2; }, "chroma", "window 2 chroma key",
            "off, preset colour 2", "off, preset colour 0");
        row("audio window", 3, [](D &c) { c.ks.other.audioWindow = 2; }, "audio", "audio source", "window 3",
            "window 1");
        row("fade", 3, [](D &c) { c.ks.other.switchMode = 1; }, "switches", "switch mode", "fade, period 5", "cut");
        row("task", 3, [](D &c) { c.ks.timeTasks[4].hour = 7; }, "tasks", "task 5",
            "off, once, 2017-01-01 07:00:00, target 0", "off, once, 2017-01-01 00:00:00, target 0");
        row("preset", 3, [](D &c) { c.ks.presets[1].windows[0] = PRESET_ENTRY{8, 0, 640, 480}; }, "presets", "preset 2",
            "outputs: 0 0 1920 1080; 1920 0 1920 1080 | windows: 8 0 640 480; 640 0 640 480; 1280 0 640 480",
            "outputs: 0 0 1920 1080; 1920 0 1920 1080 | windows: 0 0 640 480; 640 0 640 480; 1280 0 640 480");
        row("KX output mode", 17, [](D &c) { c.ks.outputMode.mode = 1; }, "outputs", "output mode",
            "mode 1, exchange off", "mode 0, exchange off");
        row("KX colour mode", 17, [](D &c) { c.ks.imageAdvanced[1].colorMode = 2; }, "picture", "window 2 colour mode",
            "2", "0");
        row("KX rotation", 17, [](D &c) { c.ks.windows[0].rotate = 1; }, "layout", "window 1 rotation", "1", "0");
        row("KX volume", 17, [](D &c) { c.ks.other.volume = 10; }, "audio", "audio volume", "10", "20");
        row("KX DVI audio", 17, [](D &c) { c.ks.dviAudioMode = 1; }, "edid", "DVI audio input", "1", "0");
        row("GW window", 48, [](D &c) { c.gw.windows[1].x = 100; }, "layout", "window 2", "3840x1080 at 100,0, layer 2",
            "3840x1080 at 1920,0, layer 2");
        row("GW closed window", 48, [](D &c) { c.gw.windows.removeLast(); }, "layout", "window 3", "none",
            "1280x720 at 600,1300, layer 3");
        row("GW mapping", 48, [](D &c) { c.gw.mappings[3].area = 0; }, "outputs", "output port 4", "area 1", "area 4");
        row("GW grid", 48, [](D &c) { c.gw.panels[0].arrangement = 1; }, "outputs", "area layout",
            "2 rows, 4 columns, order 1", "2 rows, 4 columns, order 0");
        row("GW gain", 48, [](D &c) { c.gw.imageQuality[0].redGain = uint16_t(-5); }, "picture", "window 1 red gain",
            "-5", "0");
        row("GW EDID", 48, [](D &c) { c.gw.edid[1].rate = 30; }, "edid", "EDID Input2", "1920x1080 30 Hz",
            "1920x1080 60 Hz");
        row("GW black", 48, [](D &c) { c.gw.other.blackScreen = 1; }, "switches", "black screen", "on", "off");
    }
    void oneFieldOneDifference()
    {
        QFETCH(int, type);
        QFETCH(Edit, edit);
        QFETCH(QStringList, difference);
        ConfigDevice file = plainDevice(type);
        edit(file);
        const QList<ConfigDifference> diffs = ConfigDiff::compare(file, plainDevice(type).basic());
        QCOMPARE(diffs.size(), 1);
        const ConfigDifference &d = diffs[0];
        QCOMPARE((QStringList{d.group, d.name, d.fileValue, d.deviceValue}), difference);
        QCOMPARE(d.notApplicable, QString());
        QVERIFY(ConfigDiff::groups().contains(d.group));
    }
    void sameDeviceHasNoDifference()
    {
        for (int type : {0, 1, 2, 3, 4, 16, 17, 18, 20, 48}) {
            const ConfigDevice device = plainDevice(type);
            ConfigDevice file = device;
            // Identity and live status are not settings.
            file.basic().name = "Other", file.basic().cpuid = "00000000000000000000ffff";
            file.ks.inputSignals << INFO_INPUTSINGLE{32, 1920, 1080, 60, 1};
            QVERIFY2(ConfigDiff::compare(file, device.basic()).isEmpty(), qPrintable(QString::number(type)));
        }
    }
    void groupsRestrictTheComparison()
    {
        ConfigDevice file = plainDevice(3);
        file.ks.other.freeze = 1, file.ks.windows[0].x = 8, file.ks.imageQuality[0].hue = 1;
        QStringList seen;
        for (const ConfigDifference &d : ConfigDiff::compare(file, plainDevice(3).basic(), {"picture", "switches"}))
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
