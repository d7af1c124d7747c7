// Device records: byte numbering, the clear operations, model names, input lists, source names
// and the announcement.
#include "Announcement.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceModels.h"
#include "Records.h"
#include <QtTest>

namespace {
using V = QVector<int>;

DEVICE_INFO_KS filledKs()
{
    DEVICE_INFO_KS r;
    r.panels << INFO_PANEL{}, r.windows << INFO_WINDOW{}, r.imageQuality << INFO_IMAGE_QUALITY{};
    r.inputCrops << INFO_INPUTCROP{}, r.inputSignals << INFO_INPUTSINGLE{}, r.presets << INFO_PRESET{};
    r.templates << INFO_TEMPLATE{}, r.mosaics << INFO_MOSAIC{}, r.edid << INFO_EDID{}, r.chromaKeys << INFO_CHROMA{};
    r.borders << INFO_BORDER{}, r.outputEnhance << INFO_OUTPUT_ENHANCE{}, r.imageAdvanced << INFO_IMAGE_ADVANCED{};
    r.timeTasks[3].state = 1, r.other.volume = 7, r.outputMode.mode = 2, r.signalMode = 1, r.dviAudioMode = 1;
    return r;
}

DEVICE_INFO_GW filledGw()
{
    DEVICE_INFO_GW r;
    r.panels << INFO_PANEL{}, r.mappings << INFO_MAPPING{}, r.windows << INFO_WINDOW{};
    r.imageQuality << INFO_IMAGE_QUALITY{}, r.inputCrops << INFO_INPUTCROP{}, r.inputSignals << INFO_INPUTSINGLE{};
    r.signalPresence << INFO_SIGNAL_PRESENCE{1, 2, 1}, r.presets << INFO_PRESET{}, r.reservedPresets << INFO_PRESET{};
    r.edid << INFO_EDID{}, r.other.outputCards = 3;
    return r;
}
} // namespace

class TstRecords : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerRecordTypes(); }

    // Wire byte number to field; bytes outside the record are ignored.
    void byteNumbers()
    {
        INFO_OTHER_KS9200 o;
        for (int i = 0; i < INFO_OTHER_KS9200::Size; ++i)
            o.setByte(i, uint8_t(100 + i));
        o.setByte(20, 1);
        o.setByte(-1, 1);
        QCOMPARE(QVector<int>({o.audioMode, o.volume, o.pip, o.frameSync, o.bgEnable, o.bgBlue, o.other19}),
                 QVector<int>({100, 103, 105, 110, 112, 116, 119}));
        QCOMPARE(int(o.byte(20)) + int(o.byte(-1)), 0);
        INFO_IMAGE_ADVANCED a;
        for (int i = 0; i < INFO_IMAGE_ADVANCED::Size; ++i)
            a.setByte(i, uint8_t(100 + i));
        QCOMPARE(QVector<int>({a.winId, a.colorMode, a.rgbcmy[0].red, a.rgbcmy[0].yellow, a.rgbcmy[1].red,
                               a.rgbcmy[2].yellow, a.clearVision, a.winFMT, a.byte(32)}),
                 QVector<int>({100, 105, 106, 111, 112, 123, 124, 131, 0}));
    }

    // Which lists each clear empties; single values stay until their replies overwrite them.
    void ksClears()
    {
        auto after = [](void (DEVICE_INFO_KS::*clear)()) {
            DEVICE_INFO_KS r = filledKs();
            (r.*clear)();
            return V({r.panels.size(), r.windows.size(), r.imageQuality.size(), r.inputCrops.size(),
                      r.imageAdvanced.size(), r.inputSignals.size(), r.presets.size(), r.templates.size(),
                      r.mosaics.size(), r.edid.size(), r.chromaKeys.size(), r.borders.size(), r.outputEnhance.size(),
                      r.timeTasks[3].state, r.other.volume, r.outputMode.mode});
        };
        QCOMPARE(after(&DEVICE_INFO_KS::clearPanelData), V({0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 7, 2}));
        QCOMPARE(after(&DEVICE_INFO_KS::clearWindowData), V({1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 7, 2}));
        QCOMPARE(after(&DEVICE_INFO_KS::clearAllData), V({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 7, 2}));
        DEVICE_INFO_KS r = filledKs();
        static_cast<INFO_BASIC &>(r).clearAllData(); // through the base, as the main window calls it
        QVERIFY(r.panels.isEmpty() && r.outputEnhance.isEmpty());
    }

    void ksStoreTimeTask_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("stored");
        QTest::newRow("first") << 0 << true;
        QTest::newRow("last") << 15 << true;
        QTest::newRow("past the end") << 16 << false;
    }
    void ksStoreTimeTask()
    {
        QFETCH(int, index);
        QFETCH(bool, stored);
        DEVICE_INFO_KS r;
        INFO_TIME_TASK t;
        t.index = uint8_t(index);
        t.target = 17;
        QCOMPARE(r.storeTimeTask(t), stored);
        int changed = 0;
        for (const INFO_TIME_TASK &slot : r.timeTasks)
            changed += slot.target == 17 ? 1 : 0;
        QCOMPARE(changed, stored ? 1 : 0);
        if (stored)
            QCOMPARE(r.timeTasks[size_t(index)], t);
    }

    void gwClears()
    {
        auto after = [](void (DEVICE_INFO_GW::*clear)()) {
            DEVICE_INFO_GW r = filledGw();
            (r.*clear)();
            return V({r.panels.size(), r.mappings.size(), r.windows.size(), r.imageQuality.size(), r.inputCrops.size(),
                      r.inputSignals.size(), r.signalPresence.size(), r.presets.size(), r.reservedPresets.size(),
                      r.edid.size(), r.other.outputCards});
        };
        QCOMPARE(after(&DEVICE_INFO_GW::clearPanelData), V({0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 3}));
        QCOMPARE(after(&DEVICE_INFO_GW::clearWindowData), V({1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 3}));
        QCOMPARE(after(&DEVICE_INFO_GW::clearAllData), V({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
        DEVICE_INFO_GW r = filledGw();
        static_cast<INFO_BASIC &>(r).clearAllData();
        QVERIFY(r.panels.isEmpty() && r.edid.isEmpty());
    }

    void presetEntries()
    {
        PRESET_ENTRY e{1, 2, 3, 4}, full{1, 2, 3, 4, 5, 6, 7};
        QCOMPARE(V({e.count, e.value(3), e.value(4), e.value(-1), full.count}),
                 V({4, 4, 0, 0, PRESET_ENTRY::MaxValues}));
        QVERIFY(!full.append(8));
        QVERIFY(e != full);
        QCOMPARE(e, (PRESET_ENTRY{1, 2, 3, 4}));

        INFO_PRESET p;
        p.id = 3, p.panels << e;
        INFO_PRESET q = p;
        QCOMPARE(q, p);
        q.windows << e;
        QVERIFY(q != p);
    }

    // Without a USB or SDI flag the label is the model name; U comes before S.
    void modelLabels_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("usb");
        QTest::addColumn<bool>("sdi");
        QTest::addColumn<QString>("label");
        const QList<QPair<int, QString>> names{{0, "KS1200"},  {1, "KT2200"},  {2, "KT4200"},   {3, "KS9200"},
                                               {4, "KS6200R"}, {5, "Unknow"},  {16, "KX1200"},  {17, "KX4200"},
                                               {18, "KX9200"}, {19, "KXUHD"},  {20, "KS1200R"}, {48, "GW5"},
                                               {49, "GW6"},    {-1, "Unknow"}, {255, "Unknow"}};
        for (const auto &n : names)
            QTest::newRow(qPrintable(n.second + QString::number(n.first))) << n.first << false << false << n.second;
        QTest::newRow("usb") << 16 << true << false << "KX1200U";
        QTest::newRow("sdi") << 16 << false << true << "KX1200S";
        QTest::newRow("both, U first") << 4 << true << true << "KS6200RUS";
        QTest::newRow("unknown without suffix") << 7 << true << true << "Unknow";
    }
    void modelLabels()
    {
        QFETCH(int, type);
        QFETCH(bool, usb);
        QFETCH(bool, sdi);
        QFETCH(QString, label);
        QCOMPARE(modelLabel(type, usb, sdi), label);
        if (!usb && !sdi)
            QCOMPARE(modelName(type), label);
    }

    void inputLists_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("usb");
        QTest::addColumn<bool>("sdi");
        QTest::addColumn<QStringList>("names");
        const QStringList ks{"VGA1", "DVI1", "HDMI1", "CV1", "CV2"};
        const QStringList ks9200{"VGA1", "VGA2", "CV1", "CV2", "DVI1", "DVI2", "HDMI1", "HDMI2", "HDMI3", "HDMI4"};
        const QStringList ks6200{"DVI1", "DVI2", "HDMI1", "VGA1", "VGA2", "CV1", "CV2"};
        const QStringList kx{"VGA1", "DVI1", "HDMI1", "HDMI2", "DP1"};
        for (int t : {0, 1, 2}) {
            const QByteArray n = QByteArray::number(t);
            QTest::newRow(n + " plain") << t << false << false << ks;
            QTest::newRow(n + " usb") << t << true << false << ks + QStringList{"USB1"};
            QTest::newRow(n + " sdi") << t << false << true << ks + QStringList{"SDI1"};
            QTest::newRow(n + " both") << t << true << true << ks + QStringList{"USB1", "SDI1"};
        }
        QTest::newRow("3 plain") << 3 << false << false << ks9200;
        QTest::newRow("3 both ignored") << 3 << true << true << ks9200;
        QTest::newRow("4 plain") << 4 << false << false << ks6200;
        QTest::newRow("4 both") << 4 << true << true << ks6200 + QStringList{"USB1", "SDI1", "SDI2"};
        QTest::newRow("4 sdi") << 4 << false << true << ks6200 + QStringList{"SDI1", "SDI2"};
        for (int t : {16, 17, 18, 20}) {
            const QByteArray n = QByteArray::number(t);
            QTest::newRow(n + " plain") << t << false << false << kx;
            QTest::newRow(n + " usb") << t << true << false << kx + QStringList{"USB1"};
            QTest::newRow(n + " both") << t << true << true << kx + QStringList{"USB1", "SDI1", "SDI2"};
        }
        QTest::newRow("48 empty") << 48 << true << true << QStringList();
        QTest::newRow("19 other") << 19 << true << true << QStringList{"VGA1"};
        QTest::newRow("99 other") << 99 << false << false << QStringList{"VGA1"};
    }
    void inputLists()
    {
        QFETCH(int, type);
        QFETCH(bool, usb);
        QFETCH(bool, sdi);
        QFETCH(QStringList, names);
        QCOMPARE(inputNames(type, usb, sdi), names);
    }

    void typeSets_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("ks");
        QTest::addColumn<bool>("kx");
        QTest::addColumn<bool>("gw");
        for (int t : {0, 1, 2, 3, 4})
            QTest::newRow(QByteArray::number(t)) << t << true << false << false;
        for (int t : {16, 17, 18, 20})
            QTest::newRow(QByteArray::number(t)) << t << true << true << false;
        QTest::newRow("48") << 48 << false << false << true;
        for (int t : {-1, 5, 15, 19, 21, 47, 49, 255})
            QTest::newRow(QByteArray::number(t)) << t << false << false << false;
    }
    void typeSets()
    {
        QFETCH(int, type);
        QFETCH(bool, ks);
        QFETCH(bool, kx);
        QFETCH(bool, gw);
        QCOMPARE(isKsType(type), ks);
        QCOMPARE(isKxType(type), kx);
        QCOMPARE(isGwType(type), gw);
        QCOMPARE(isSupportedType(type), ks || gw);
    }

    void sourceNames_data()
    {
        QTest::addColumn<int>("srcId");
        QTest::addColumn<QString>("name");
        const QList<QPair<int, QString>> rows{{0, "VGA1"},   {15, "VGA16"},  {16, "DVI1"},    {33, "HDMI2"},
                                              {48, "CV1"},   {64, "DP1"},    {81, "SDI2"},    {96, "USB1"},
                                              {111, "USB16"}, {112, "unknow"}, {-1, "unknow"}};
        for (const auto &r : rows)
            QTest::newRow(QByteArray::number(r.first)) << r.first << r.second;
    }
    void sourceNames()
    {
        QFETCH(int, srcId);
        QFETCH(QString, name);
        QCOMPARE(inputName(srcId), name);
    }

    void sourceRoundTrip()
    {
        for (int id = 0; id < 112; ++id)
            QCOMPARE(inputIdFromName(inputName(id)), id);
    }

    void unknownSourceNames_data()
    {
        QTest::addColumn<QString>("name");
        // unknown, empty, no number, zero, leading zero, past the block, sign, trailing text, lower case, huge
        for (const char *n :
             {"unknow", "", "HDMI", "HDMI0", "HDMI02", "VGA17", "DVI+1", "SDI1a", "hdmi1", "USB99999999999"})
            QTest::newRow(n) << QString(n);
    }
    void unknownSourceNames()
    {
        QFETCH(QString, name);
        QCOMPARE(inputIdFromName(name), -1);
    }

    void announcement_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("extra");
        const QByteArray id = QByteArray::fromHex("0102030405060708090a0b0c");
        const QByteArray head = QByteArray("\x06\x03\x00", 3) + id;
        auto row = [&](const char *name, const char *tail, bool ok, const char *version = "", const char *text = "",
                       int extra = 0) {
            QTest::newRow(name) << head + QByteArray::fromHex(tail) << ok << version << text << extra;
        };
        row("identity only", "", true);
        row("all fields", "03 312E32 02 4B53 01", true, "1.2", "KS", 1);
        row("version only", "02 7639", true, "v9");
        row("name length 0x80", "01 76 80 4B53", false);
        row("version longer than data", "09 312E32", false);
        row("name longer than data", "01 76 05 4B53", false);
        QTest::newRow("14 bytes") << head.left(14) << false << "" << "" << 0;
    }
    void announcement()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, valid);
        Announcement a;
        QCOMPARE(a.decode(payload), valid);
        if (!valid)
            return;
        QCOMPARE(a.type, 6);
        QVERIFY(a.hasUsb && a.hasSdi);
        QCOMPARE(a.cpuid, QString("0102030405060708090a0b0c"));
        QTEST(a.version, "version");
        QTEST(a.name, "name");
        QTEST(int(a.extra), "extra");
        DEVICE_INFO_KS ks;
        a.applyTo(ks);
        QCOMPARE(ks.cpuid, a.cpuid);
        QCOMPARE(int(ks.hasSdi), 1);
    }
};

QTEST_GUILESS_MAIN(TstRecords)
#include "tst_records.moc"
