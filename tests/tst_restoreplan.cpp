// Restore plans and the differences they start from: the frames of each step, the group order on a
// running wall, window counts, what another model cannot take, and the verification after the re-read.
#include "ConfigDiff.h"
#include "ConfigSamples.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "RecordBuilders.h"
#include "RestorePlan.h"
#include "RowData.h"
#include <QtTest>
#include <functional>
#include <memory>
using D = ConfigDevice;
using Edit = std::function<void(D &)>;
Q_DECLARE_METATYPE(Edit)
using namespace ConfigSamples;
using RecordBuilders::hostFrame;
namespace {
// An interface for the target whose GW matrix holds the target's read-back.
std::unique_ptr<Interface> interfaceFor(const ConfigDevice &target)
{
    if (!target.isGw())
        return std::make_unique<KS9200Interface>(target.basic().cpuid);
    auto gw = std::make_unique<GW5Interface>(target.basic().cpuid);
    const DEVICE_INFO_GW &r = target.gw;
    GW5::MatrixProc *m = gw->matrix();
    m->updateOtherSetting(uint8_t(r.other.outputCards), r.other.other2);
    const INFO_PANEL p = r.panels.value(0);
    m->updateResolution(p.index, p.resWidth, p.resHeight, p.rate, p.row, p.col, p.arrangement);
    for (const INFO_PANEL &a : r.panels)
        m->updatePanel(a.id, a.x, a.y, a.width, a.height);
    for (const INFO_MAPPING &mp : r.mappings)
        m->updateMapping(mp);
    for (const INFO_WINDOW &w : r.windows)
        m->updateWindow(w.winId, w.x, w.y, w.width, w.height, uint8_t(w.param2), uint8_t(w.param3), uint8_t(w.param1));
    return gw;
}
QList<QByteArray> run(const RestorePlan &plan, const ConfigDevice &target)
{
    const std::unique_ptr<Interface> iface = interfaceFor(target);
    QSignalSpy spy(iface.get(), &Interface::emitSendData);
    for (const RestoreStep &s : plan.steps)
        s.send(iface.get());
    return RecordBuilders::sentFrames(spy);
}
// "cmd/sub/param6" of each frame, for checking sequences.
QStringList shape(const QList<QByteArray> &frames)
{
    QStringList out;
    for (const QByteArray &f : frames)
        out << QString::fromLatin1(f.mid(4, 2).toHex('/')) + "/" + QString::number(uint8_t(f[6]));
    return out;
}
QStringList stepGroups(const RestorePlan &plan)
{
    QStringList out;
    for (const RestoreStep &s : plan.steps)
        out << s.group;
    return out;
}
} // namespace

class TstRestorePlan : public QObject
{
    Q_OBJECT
private slots:
    void stepFrames_data()
    {
        columns<int, Edit, QList<QByteArray>>("type", "edit", "frames");
        using F = QList<QByteArray>;
        const auto row = [](const char *n, int type, Edit edit, const F &f) { QTest::newRow(n) << type << edit << f; };
        row("KS9200 output 1", 3,
            [](D &c) { c.ks.panels[0].width = 1280, c.ks.panels[0].height = 720, c.ks.panels[0].index = 3; },
            {hostFrame(0x05, 0x00, {0, 3, 0x00, 0x05, 0xD0, 0x02, 60})});
        row("KX4200 all outputs", 17,
            [](D &c) { for (INFO_PANEL &p : c.ks.panels) p.width = 1280, p.height = 720, p.index = 3; },
            {hostFrame(0x05, 0x00, {255, 3, 0x00, 0x05, 0xD0, 0x02, 60})});
        row("task stored switched off", 3,
            [](D &c) { INFO_TIME_TASK &t = c.ks.timeTasks[4]; t.taskType = 1, t.hour = 7, t.target = 3, t.state = 0; },
            {hostFrame(0x09, 0x01, {1, 4, 17, 1, 1, 7, 0, 0, 3, 0, 60, 0, 30, 0}), hostFrame(0x09, 0x01, {5, 4})});
        row("mosaic in pixels", 3, [](D &c) {
            INFO_MOSAIC &m = c.ks.mosaics[1];
            m.enable = 1, m.mode = 1, m.totalWidth = 3840, m.totalHeight = 2160, m.startX = 1920, m.p3 = 0xFE;
        },
            {hostFrame(0x06, 0x03, {1, 0x00, 0x0F, 0x70, 0x08, 0x80, 0x07, 0, 0}),
             hostFrame(0x06, 0x04, {1, 0xFE, 0, 0, 0}), hostFrame(0x06, 0x00, {1, 1})});
        row("chroma colour", 3,
            [](D &c) { INFO_CHROMA &k = c.ks.chromaKeys[2]; k.mode = 1, k.enable = 1, k.rgbFilter1 = 1, k.red = 10; },
            {hostFrame(0x0D, 0x00, {2, 1, 1, 1, 0, 10, 255, 255})});
        row("negative offset", 3, [](D &c) { c.ks.imageQuality[1].blueOffset = -3; },
            {hostFrame(0x01, 0x08, {1, 0xFD})});
        row("KX colour temperature", 17,
            [](D &c) { c.ks.imageAdvanced[0].colorTempMode = 3, c.ks.imageAdvanced[0].colorTempRed = 70; },
            {hostFrame(0x01, 0x0A, {0, 3, 70, 50, 50})});
        row("KX DVI audio", 17, [](D &c) { c.ks.dviAudioMode = 1; }, {hostFrame(0x0C, 0x02, {1})});
        row("GW EDID", 48, [](D &c) { c.gw.edid[1].rate = 30; },
            {hostFrame(0x0C, 0x00, {1, 0x80, 0x07, 0x38, 0x04, 30})});
        row("GW gain", 48, [](D &c) { c.gw.imageQuality[2].blueGain = uint16_t(-5); },
            {hostFrame(0x01, 0x0B, {2, 0xFB})});
        row("GW frame sync", 48, [](D &c) { c.gw.other.frameSync = 1; }, {hostFrame(0x06, 0x01, {0, 1, 1})});
    }
    void stepFrames()
    {
        auto [type, edit, frames] = fetch<int, Edit, QList<QByteArray>>("type", "edit", "frames");
        ConfigDevice file = plainDevice(type);
        const ConfigDevice target = plainDevice(type);
        edit(file);
        const RestorePlan plan = RestorePlan::build(file, target.basic());
        QVERIFY(plan.error.isEmpty());
        QCOMPARE(plan.applied.size(), 1);
        QVERIFY(plan.notApplicable.isEmpty());
        QCOMPARE(run(plan, target), frames);
    }
    void groupsRunInWallSafeOrder_data()
    {
        columns<int, Edit, QStringList>("type", "edit", "groups");
        QTest::newRow("KS9200") << 3 << Edit([](D &c) {
            c.ks.other.freeze = 1, c.ks.imageQuality[0].hue = 1, c.ks.windows[0].width = 1920;
            c.ks.edid[0].width = 1024, c.ks.panels[1].width = 1280, c.ks.timeTasks[0].hour = 1;
        }) << QStringList{"outputs", "layout", "picture", "edid", "switches", "tasks"};
        QTest::newRow("GW5") << 48 << Edit([](D &c) {
            c.gw.other.blackScreen = 1, c.gw.windows[0].width = 960, c.gw.mappings[1].area = 0;
            c.gw.imageQuality[1].contrast = 40;
            for (INFO_PANEL &p : c.gw.panels)
                p.index = 2, p.resWidth = 1280, p.resHeight = 720;
        }) << QStringList{"outputs", "layout", "picture", "switches"};
    }
    void groupsRunInWallSafeOrder()
    {
        auto [type, edit, groups] = fetch<int, Edit, QStringList>("type", "edit", "groups");
        ConfigDevice file = plainDevice(type);
        edit(file);
        const ConfigDevice target = plainDevice(type);
        const RestorePlan plan = RestorePlan::build(file, target.basic());
        QCOMPARE(plan.groups, groups);
        // Every step of a group comes before the steps of the groups after it.
        QStringList seen = stepGroups(plan);
        seen.removeDuplicates();
        QCOMPARE(seen, groups);
        if (type == 48) {
            // Resolution and mapping frames go out before the window frames.
            const QStringList frames = shape(run(plan, target));
            QVERIFY(frames.indexOf("05/00/0") >= 0);
            QVERIFY(frames.indexOf("05/04/1") > frames.indexOf("05/00/0"));
            QVERIFY(frames.lastIndexOf("05/04/1") < frames.lastIndexOf("03/00/0"));
        }
    }
    void gwWindowIsOpenedThenSet()
    {
        ConfigDevice file = plainDevice(48);
        INFO_WINDOW w = file.gw.windows[2];
        w.winId = 5, w.x = 100, w.y = 200, w.width = 640, w.height = 360, w.param2 = 1, w.param3 = 4,
        w.param1 = 60;
        file.gw.windows << w;
        file.gw.imageQuality << INFO_IMAGE_QUALITY{5, 40, 50, 12, 50, 50, 0, 0, 0, 0, 0, 0, 0};
        const ConfigDevice target = plainDevice(48);
        const RestorePlan plan = RestorePlan::build(file, target.basic());
        const QList<QByteArray> frames = run(plan, target);
        const QStringList s = shape(frames);
        const int open = frames.indexOf(hostFrame(0x03, 0x00, {5, 100, 0, 200, 0, 0x80, 0x02, 0x68, 0x01, 4, 0}));
        QVERIFY2(open >= 0, qPrintable(s.join(' ')));
        // The matrix opens it on its default input; the file's input, transparency and picture follow.
        const int input = frames.indexOf(hostFrame(0x08, 0x00, {5, 1}));
        const int alpha = frames.indexOf(hostFrame(0x03, 0x01, {5, 60}));
        const int brightness = frames.indexOf(hostFrame(0x01, 0x01, {5, 40}));
        QVERIFY(open < input && input < alpha && alpha < brightness);
        QCOMPARE(s.count("01/0b/5"), 1); // every picture item of the opened window, once
    }
    // Fewer windows than the target's need a template of that count; a preset of another count
    // is refused when no layout of the live count could be put back afterwards.
    void windowCountNeedsATemplate()
    {
        ConfigDevice file = plainDevice(3);
        file.ks.windows.removeLast();
        const RestorePlan none = RestorePlan::build(file, plainDevice(3).basic(), {"layout"});
        QCOMPARE(none.notApplicable.size(), 1);
        QCOMPARE(none.notApplicable[0].name, QStringLiteral("number of windows"));
        QVERIFY(none.notApplicable[0].notApplicable.contains("template or preset"));
        QVERIFY(none.steps.isEmpty());
        INFO_TEMPLATE halves;
        halves.templateId = 1;
        halves.windows << PRESET_ENTRY{0, 0, 1920, 1080} << PRESET_ENTRY{1920, 0, 1920, 1080};
        ConfigDevice presetFile = plainDevice(3);
        presetFile.ks.templates << halves;
        presetFile.ks.presets[0].windows.removeLast();
        ConfigDevice bare = plainDevice(3);
        bare.ks.presets.removeLast();
        const RestorePlan refused = RestorePlan::build(presetFile, bare.basic(), {"presets"});
        QCOMPARE(refused.notApplicable.size(), 1);
        QCOMPARE(refused.notApplicable[0].name, QStringLiteral("preset 1"));
        QCOMPARE(refused.notApplicable[0].notApplicable,
                 QStringLiteral("the layout of 3 windows could not be put back afterwards"));
        QVERIFY(!shape(run(refused, bare)).contains("04/02/0"));
    }
    void otherModelGetsWhatItCanTake_data()
    {
        columns<int, int, Edit, QString>("fileType", "targetType", "edit", "refused"); // "setting: reason"
        const auto row = [](const char *name, int from, int to, Edit e, const char *r) {
            QTest::newRow(name) << from << to << e << QString(r);
        };
        row("source the KX lacks", 3, 17, [](D &c) { c.ks.windows[2].param2 = 34; },
            "window 3 source: the KX4200 has no HDMI3");
        row("output mode on KS", 17, 3, [](D &c) { c.ks.outputMode.mode = 1; },
            "output mode: the KS9200 has no such setting");
        row("rotation on KS", 17, 3, [](D &c) { c.ks.windows[0].rotate = 2; },
            "window 1 rotation: the KS9200 has no such setting");
        row("advanced on KS", 17, 0, [](D &c) { c.ks.imageAdvanced[1].skinTone = 3; },
            "window 2 image effects: the KS1200 has no such setting");
        row("second output", 3, 0, [](D &c) { c.ks.panels[1].width = 1280; },
            "output 2 resolution: the KS1200 has 1 settable outputs");
        row("GW fewer cards", 48, 48, [](D &c) { c.gw.windows << c.gw.windows[0], c.gw.windows.last().winId = 6; },
            "window 7: the device has 4 output ports");
    }
    void otherModelGetsWhatItCanTake()
    {
        auto [fileType, targetType, edit, refused] =
            fetch<int, int, Edit, QString>("fileType", "targetType", "edit", "refused");
        ConfigDevice file = plainDevice(fileType);
        edit(file);
        file.basic().type == 48 ? void(file.gw.other.freeze = 1) : void(file.ks.other.freeze = 1);
        ConfigDevice target = plainDevice(targetType);
        if (fileType == 48)
            target.gw.other.outputCards = 1;
        const RestorePlan plan = RestorePlan::build(file, target.basic());
        QVERIFY(plan.error.isEmpty());
        const QString setting = refused.section(": ", 0, 0);
        QString found;
        for (const ConfigDifference &d : plan.notApplicable)
            found = d.name == setting ? d.name + ": " + d.notApplicable : found;
        QCOMPARE(found, refused);
        for (const ConfigDifference &d : plan.applied)
            QVERIFY2(d.name != setting, qPrintable(setting));
        // The rest is applied.
        QVERIFY(stepGroups(plan).contains("switches"));
        QVERIFY(shape(run(plan, target)).contains("10/00/1"));
    }
    void verifyListsWhatDidNotTake()
    {
        ConfigDevice file = plainDevice(48);
        file.gw.other.freeze = 1, file.gw.windows[0].x = 10;
        const RestorePlan plan = RestorePlan::build(file, plainDevice(48).basic(), {"layout", "switches", "picture"});
        QCOMPARE(plan.groups, (QStringList{"layout", "switches"}));
        ConfigDevice reread = file;
        QVERIFY(plan.verify(reread.basic()).isEmpty());
        reread.gw.other.freeze = 0;         // did not take
        reread.gw.edid[0].width = 800;      // not restored: not checked
        reread.gw.imageQuality[0].hue = 99; // chosen, but had nothing to do
        const QList<ConfigDifference> left = plan.verify(reread.basic());
        QCOMPARE(left.size(), 1);
        const ConfigDifference &d = left[0];
        QCOMPARE((QStringList{d.name, d.fileValue, d.deviceValue}), (QStringList{"freeze", "on", "off"}));

        const RestorePlan wrong = RestorePlan::build(file, plainDevice(3).basic());
        QVERIFY(wrong.error.contains("same family"));
        QVERIFY(wrong.steps.isEmpty());
    }
    // The differences a plan starts from: one changed field gives exactly one, in the right group,
    // named for people, with both values.
    void oneFieldOneDifference_data()
    {
        columns<int, Edit, QStringList>("type", "edit", "difference"); // group, name, file's value, device's value
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
        auto [type, edit, difference] = fetch<int, Edit, QStringList>("type", "edit", "difference");
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

QTEST_GUILESS_MAIN(TstRestorePlan)
#include "tst_restoreplan.moc"
