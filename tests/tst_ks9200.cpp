// KS9200 interface: the command frames byte for byte, the reply dispatch and every payload decoder
// with its accept and reject rules.
#include "KS9200Interface.h"
#include "RecordBuilders.h"
#include "Records.h"
#include "TestSupport.h"
#include <QtTest>

namespace {
using TestSupport::hex;
using TestSupport::replyHeader;
using V = QVector<int>;
const QString Me = QStringLiteral("0102030405060708090a0b0c");
QByteArray expected(uint8_t cmd, uint8_t sub, const char *p = "") { return RecordBuilders::hostFrame(cmd, sub, p); }
// Count byte N followed by N copies of `item`.
QByteArray list(int n, const QByteArray &item) { return char(n) + item.repeated(n); }

// Hands each payload to `ks` as a reply of its own device.
void feed(KS9200Interface &ks, uint8_t cmd, uint8_t sub, const QList<QByteArray> &payloads)
{
    for (const QByteArray &p : payloads)
        ks.handleFrame(Me, replyHeader(cmd, sub), p);
}

// Number of signals the interface emitted, whatever their kind.
class AnySignal : public QObject
{
    Q_OBJECT
public:
    explicit AnySignal(KS9200Interface *ks)
    {
        const QMetaObject *mo = ks->metaObject();
        const int slot = metaObject()->indexOfSlot("hit()");
        for (int i = 0; i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            if (m.methodType() == QMetaMethod::Signal && m.name().startsWith("emit"))
                QMetaObject::connect(ks, i, this, slot);
        }
    }
    int count = 0;
public slots:
    void hit() { ++count; }
};
} // namespace

class TstKs9200 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerRecordTypes(); }

    // Each row: the frame builder's bytes and the bytes the operation of the same name emits.
    void everyOperationFrame_data()
    {
        using K = KS9200Interface;
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("emitted");
        QTest::addColumn<QByteArray>("want");
        auto row = [](const char *name, const QByteArray &frame, const QByteArray &want, void (*op)(K &) = nullptr) {
            QByteArray emitted = frame;
            if (op) {
                K ks(Me);
                QSignalSpy sent(&ks, &Interface::emitSendData);
                op(ks);
                emitted = sent.size() == 1 ? sent[0][0].toByteArray() : "frames: " + QByteArray::number(sent.size());
            }
            QTest::newRow(name) << frame << emitted << want;
        };
#define OP(name, args, want) row(#name, K::name##Frame args, want, [](K &k) { k.name args; })
        row("documented example", K::setImageItemFrame(K::ItemBrightness, 2, 40),
            hex("5A5A1700 0101 0228 0000000000000000000000000000 F7"));
        OP(setImageItem, (K::ItemGamma, K::AllWindows, 3), expected(0x01, 0x09, "FF03"));
        row("setImageItem colour mode", K::setImageItemFrame(K::ItemColorMode, 1, 2), expected(0x01, 0x0B, "0102"));
        OP(resetImageQuality, (0xFF), expected(0x01, 0xFF, "FF00"));
        OP(setColorTemp, (2, 3, 10, 20, 30), expected(0x01, 0x0A, "02030A141E"));
        OP(setRgbcmy, (1, 2, RGBCMY{1, 2, 3, 4, 5, 6}), expected(0x01, 0x0C, "0102010203040506"));
        OP(setImageEffect, (1, 2, 3, 4, 5), expected(0x01, 0x0D, "0102030405"));
        OP(setImageExpert, (1, 5, 4, 3, 2), expected(0x01, 0x0E, "0105040302"));
        OP(setInputCrop, (3, 1, 0x0102, 0x0304, 1920, 1080), expected(0x02, 0x00, "0301 0201 0403 8007 3804"));
        OP(setWindowGeometry, (1, 1920, 0, 1920, 1080), expected(0x03, 0x00, "01 8007 0000 8007 3804"));
        OP(setWindowTransparency, (2, 100), expected(0x03, 0x01, "0264"));
        OP(setWindowRotate, (2, 3), expected(0x03, 0x03, "0203"));
        OP(loadTemplate, (7), expected(0x04, 0x00, "07"));
        OP(loadPreset, (9), expected(0x04, 0x01, "09"));
        OP(savePreset, (4), expected(0x04, 0x02, "04"));
        OP(setOutputResolution, (1, 5, 1920, 1080, 60), expected(0x05, 0x00, "0105 8007 3804 3C"));
        OP(setOutputMode, (3, 1), expected(0x05, 0x01, "0301"));
        OP(setMosaicOnOff, (1, 1), expected(0x06, 0x00, "0101"));
        OP(setFrameSync, (2, 0), expected(0x06, 0x01, "020001"));
        OP(setMosaicUnits, (1, 2, 3, 4), expected(0x06, 0x02, "01020304"));
        OP(setMosaicPixels, (1, 3840, 2160, 0x0102, 0x0304), expected(0x06, 0x03, "01 000F 7008 0201 0403"));
        OP(setMosaicTune, (1, 2, 3, 4, 5), expected(0x06, 0x04, "0102030405"));
        OP(setAudioMode, (1, 3), expected(0x07, 0x00, "0103"));
        OP(setAudioMute, (1), expected(0x07, 0x01, "01"));
        OP(setAudioVolume, (30), expected(0x07, 0x02, "1E"));
        OP(switchInput, (2, 33), expected(0x08, 0x00, "0221"));
        OP(setDeviceTime, (2026, 12, 7, 23, 59, 58), expected(0x09, 0x00, "1A0C07173B3A"));
        row("setDeviceTime datetime", K::setDeviceTimeFrame(QDateTime(QDate(2019, 1, 2), QTime(3, 4, 5))),
            expected(0x09, 0x00, "130102030405"));
        OP(setTimeTaskState, (9, true), expected(0x09, 0x01, "0409"));
        row("setTimeTaskState off", K::setTimeTaskStateFrame(9, false), expected(0x09, 0x01, "0509"));
        OP(setAllTasks, (true), expected(0x09, 0x01, "06"));
        row("setAllTasks off", K::setAllTasksFrame(false), expected(0x09, 0x01, "07"));
        OP(setTestPattern, (K::TestPatternOff), expected(0x0B, 0x00, "FF"));
        OP(setEdidResolution, (32, 1920, 1200, 60), expected(0x0C, 0x00, "20 8007 B004 3C"));
        OP(setEdidMode, (3, 1), expected(0x0C, 0x01, "01"));
        OP(resetEdid, (), expected(0x0C, 0xFF));
        OP(setChromaPreset, (1, 0, 1, 4), expected(0x0D, 0x00, "01000104"));
        OP(setChromaColor, (1, 1, 1, 10, 20, 255, 128, 0), expected(0x0D, 0x00, "0101010A14FF8000"));
        OP(setPip, (1), expected(0x0E, 0x00, "01"));
        OP(setFreeze, (1), expected(0x10, 0x00, "01"));
        OP(setSwitchMode, (1, 15), expected(0x11, 0x00, "010F"));
        OP(setLocal, (3, 1), expected(0x12, 0x00, "0301"));
        OP(setBlackScreen, (0), expected(0x13, 0x00));
        OP(vgaAction, (K::VgaAutoAdjust), expected(0x14, 0x00));
        row("vgaAction adc", K::vgaActionFrame(K::VgaAdcCalibration), expected(0x14, 0x01));
        OP(setBackgroundColor, (10, 20, 30), expected(0x15, 0x00, "010A141E"));
        OP(setBorder, (2, 1, 0x0102, 0x0304, 1920, 1080, 0x0A0B, 8),
           expected(0x16, 0x00, "0201 0201 0403 8007 3804 0B0A 08"));
        const INFO_BORDER b{1, 3, 10, 20, 300, 400, 5}; // on, colour, rectangle, thickness
        row("setBorder record", K::setBorderFrame(0, b), expected(0x16, 0x00, "0001 0A00 1400 2C01 9001 0500 03"));
        OP(setOutputEnhance, (1, 0, 0, 1), expected(0x17, 0x00, "01000001"));
        OP(factoryReset, (), expected(0x18, 0x00));
        OP(usbPlay, (3), expected(0x20, 0x00, "03"));
        OP(usbWorkMode, (2), expected(0x20, 0x01, "02"));
        OP(usbWifi, (1), expected(0x20, 0x02, "01"));
        OP(usbWirelessScreen, (5), expected(0x20, 0x03, "05"));
#undef OP
    }

    void everyOperationFrame()
    {
        QFETCH(QByteArray, want);
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, emitted);
        QCOMPARE(frame.toHex(' '), want.toHex(' '));
        QCOMPARE(emitted.toHex(' '), want.toHex(' '));
    }

    void truncationAndLittleEndian()
    {
        using K = KS9200Interface;
        // One-byte fields keep the low byte, 16-bit fields the low 16 bits, low byte first.
        QCOMPARE(K::setImageItemFrame(1, 0x102, 0x1FF), expected(0x01, 0x01, "02FF"));
        QCOMPARE(K::switchInputFrame(256 + 3, -1), expected(0x08, 0x00, "03FF"));
        QCOMPARE(K::setWindowGeometryFrame(1, 0x12345, 0xFFFF, 0x10000, 1),
                 expected(0x03, 0x00, "01 4523 FFFF 0000 0100"));
        QCOMPARE(K::setEdidResolutionFrame(0, 0xABCD, 0x1234, 300), expected(0x0C, 0x00, "00 CDAB 3412 2C"));
        // On/off flags send 0 or 1 whatever the caller passes.
        QCOMPARE(K::setFreezeFrame(7), expected(0x10, 0x00, "01"));
    }

    void deviceNameChunksAndEdidModeByType()
    {
        using K = KS9200Interface;
        const QByteArray name16 = "ABCDEFGHIJKLMNOP";
        const QList<QByteArray> frames = K::setDeviceNameFrames(name16);
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[0], expected(0x0F, 0x00, "0F 4142434445464748494A4B4C4D4E4F"));
        QCOMPARE(frames[1], expected(0x0F, 0x01, "01 50"));
        QCOMPARE(frames[1].mid(8, 14), QByteArray(14, '\0'));
        QVERIFY(K::setDeviceNameFrames(QByteArray()).isEmpty());
        QCOMPARE(K::setDeviceNameFrames(QByteArray(15, 'x')).size(), 1);
        QCOMPARE(K::setDeviceNameFrames(QByteArray(30, 'x')).size(), 2);
        QCOMPARE(K::setDeviceNameFrames(QByteArray(31, 'x')).size(), 3);

        K ks(Me);
        QSignalSpy sent(&ks, &Interface::emitSendData);
        ks.setDeviceName(QString::fromLatin1(name16));
        ks.setDeviceName(QString());
        QCOMPARE(QList<QVariantList>(sent), (QList<QVariantList>{{frames[0]}, {frames[1]}}));
        for (int type : {0, 1, 2, 3, 4})
            QCOMPARE(K::setEdidModeFrame(type, 2), expected(0x0C, 0x01, "02"));
        for (int type : {16, 17, 18})
            QCOMPARE(K::setEdidModeFrame(type, 2), expected(0x0C, 0x02, "02"));
        sent.clear();
        for (int type : {5, 19, 20, 48, -1})
            ks.setEdidMode(type, 1);
        QCOMPARE(sent.size(), 0);
    }

    void timeTaskFrames()
    {
        using K = KS9200Interface;
        const INFO_TIME_TASK once{0, 0, 5, 26, 12, 7, 8, 30, 15, 17}; // type 0, slot 5, 2026-12-07 08:30:15, wake up
        // Total time (60) before interval (30) at the end.
        QCOMPARE(K::setTimeTaskFrame(once), expected(0x09, 0x01, "00 05 1A0C07081E0F 11 00 3C00 1E00"));
        const INFO_TIME_TASK daily{0, 1, 5, 26, 12, 7, 8, 30, 15, 3};
        QCOMPARE(K::setTimeTaskFrame(daily), expected(0x09, 0x01, "01 05 1A0C07081E0F 03 00 3C00 1E00"));
        INFO_TIME_TASK cycle{0, 2, 5, 26, 12, 7, 8, 30, 15, 0, 0x0205, 15, 300}; // presets, interval, total time
        QCOMPARE(K::setTimeTaskFrame(cycle), expected(0x09, 0x01, "02 05 1A0C07081E0F 0502 2C01 0F00"));
        cycle.taskType = 3;
        QCOMPARE(K::setTimeTaskFrame(cycle), expected(0x09, 0x01, "03 05 1A0C07081E0F 0502 2C01 0F00"));

        const INFO_TIME_TASK bad{0, 4, 5};
        QVERIFY(K::setTimeTaskFrame(bad).isEmpty());
        K ks(Me);
        QSignalSpy sent(&ks, &Interface::emitSendData);
        ks.setTimeTask(bad);
        QCOMPARE(sent.size(), 0);
        ks.setTimeTask(once);
        QCOMPARE(sent.size(), 1);
    }

    void dispatchStatus()
    {
        KS9200Interface ks(Me);
        QSignalSpy loaded(&ks, &KS9200Interface::emitLoadPresetOrTemplateFinished);
        QSignalSpy switched(&ks, &KS9200Interface::emitSwitchInputFinished);
        QSignalSpy sent(&ks, &Interface::emitSendData);
        QSignalSpy all(&ks, &Interface::emitAllParams);

        ks.handleFrame(Me, replyHeader(0x08, 0x00, 0), QByteArray());
        ks.handleFrame(Me, replyHeader(0x08, 0x00, 1), QByteArray());
        ks.handleFrame(Me, replyHeader(0x08, 0x05, 1), QByteArray()); // refused: any sub
        ks.handleFrame(Me, replyHeader(0x08, 0x00, 2), QByteArray()); // unknown status: nothing
        QCOMPARE(QList<QVariantList>(switched), (QList<QVariantList>{{true}, {false}, {false}}));

        ks.handleFrame(Me, replyHeader(0x04, 0x00), QByteArray());
        ks.handleFrame(Me, replyHeader(0x04, 0x01), QByteArray());
        ks.handleFrame(Me, replyHeader(0x04, 0x07, 1), QByteArray());
        ks.handleFrame(Me, replyHeader(0x04, 0x01, 3), QByteArray());
        QCOMPARE(loaded.size(), 3);
        QCOMPARE(loaded[0][0].toString(), Me);

        // A stored preset is read back.
        ks.handleFrame(Me, replyHeader(0x04, 0x02), QByteArray());
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0][0].toByteArray(), Interface::requestFrame(0xE6));
        QCOMPARE(loaded.size(), 3);

        ks.handleFrame(Me, replyHeader(0xEF, 0x00), QByteArray());
        ks.handleFrame(Me, replyHeader(0xEF, 0x33), hex("01"));
        ks.handleFrame(Me, replyHeader(0xEF, 0x00, 2), QByteArray());
        QCOMPARE(all.size(), 2);

        // A refused setting only leaves the debug line.
        AnySignal any(&ks);
        QTest::ignoreMessage(QtDebugMsg, "\"Operation conflict\"");
        ks.handleFrame(Me, replyHeader(0x03, 0x00, 1), QByteArray());
        QCOMPARE(any.count, 0);
    }

    void panelsAndOutputMode()
    {
        KS9200Interface ks(Me);
        QSignalSpy spy(&ks, &KS9200Interface::emitPanelData);
        feed(ks, 0xE1, 0x00, {hex("00"), hex("0000")});
        QCOMPARE(spy.size(), 1);
        QVERIFY(spy[0][1].value<QList<INFO_PANEL>>().isEmpty());

        const QByteArray two = hex("02 8007 0000 8007 3804 3C 01 AA 0000 3804 0001 0002 FF FE BB");
        // Short, long, negative count.
        feed(ks, 0xE1, 0x00,
             {two, two.left(two.size() - 1), two + hex("00"), hex("03") + two.mid(1), hex("FF") + two.mid(1)});
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy[1][0].toString(), Me);
        const auto p = spy[1][1].value<QList<INFO_PANEL>>();
        QCOMPARE(p.size(), 2);
        QCOMPARE(V({p[0].id, p[0].x, p[0].y, p[0].width, p[0].height, p[0].rate, p[0].index}),
                 V({0, 1920, 0, 1920, 1080, 60, 1}));
        QCOMPARE(V({p[1].id, p[1].x, p[1].y, p[1].width, p[1].height, int16_t(p[1].rate), int16_t(p[1].index)}),
                 V({1, 0, 1080, 256, 512, -1, -2}));

        QSignalSpy modes(&ks, &KS9200Interface::emitOutputMode);
        const QByteArray full = hex("0302 0100 0200 0300 0400 0500 0600");
        feed(ks, 0xE1, 0x01, {full.left(6), full.left(7), full.left(13), full});
        QCOMPARE(modes.size(), 3);
        // Values only from 14 bytes on.
        for (int i = 0; i < 3; ++i) {
            const auto m = modes[i][1].value<INFO_PANEL_OTHERSETTING>();
            const int k = i == 2 ? 1 : 0;
            QCOMPARE(V({m.mode, m.mode2, m.value1, m.value2, m.value3, m.value4, m.value5, m.value6}),
                     V({3, 2, k, 2 * k, 3 * k, 4 * k, 5 * k, 6 * k}));
        }
    }

    void windowsRotationAndEdidModes()
    {
        KS9200Interface ks(Me);
        QSignalSpy spy(&ks, &KS9200Interface::emitWindowData);
        const QByteArray w = hex("03 01 21 0100 0200 0300 0400 64 21 00 02 10 8007 0000 0001 0002 32 10 01 00 00 0000 "
                                 "0000 0000 0000 00 00 00");
        feed(ks, 0xE2, 0x00, {w, w.left(w.size() - 1), w + QByteArray(13, 0)});
        QCOMPARE(spy.size(), 1);
        const auto list = spy[0][1].value<QList<INFO_WINDOW>>();
        QCOMPARE(list.size(), 3);
        auto fields = [](const INFO_WINDOW &w) {
            return V({w.winId, w.flag0, w.flag1, w.flag2, w.rotate, w.srcId, w.x, w.y, w.width, w.height, w.param1,
                      w.param2});
        };
        QCOMPARE(fields(list[0]), V({0, 0, 0, 0, 0, 33, 1, 2, 3, 4, 100, 33}));
        QCOMPARE(fields(list[1]), V({1, 1, 1, 1, 0, 16, 1920, 0, 256, 512, 50, 16}));
        QCOMPARE(fields(list[2]).mid(0, 3), V({2, 1, 0}));
        QSignalSpy rot(&ks, &KS9200Interface::emitWindowRotate);
        QSignalSpy modes(&ks, &KS9200Interface::emitEDIDOther);
        feed(ks, 0xE2, 0x01, {hex("0203") + QByteArray(7, 0), hex("0203") + QByteArray(8, 0)}); // one byte short
        QCOMPARE(rot.size(), 1);
        QCOMPARE(V({rot[0][1].value<uchar>(), rot[0][2].value<uchar>()}), V({2, 3}));
        feed(ks, 0xEA, 0x01, {hex("01020304"), hex("0102030405")});
        QCOMPARE(modes.size(), 1);
        QCOMPARE(V({modes[0][1].value<uchar>(), modes[0][2].value<uchar>()}), V({1, 2}));
    }

    void inputsAndImageQuality()
    {
        KS9200Interface ks(Me);
        QSignalSpy crops(&ks, &KS9200Interface::emitInputCrop);
        QSignalSpy inputs(&ks, &KS9200Interface::emitInputSignals);
        feed(ks, 0xE3, 0x00,
             {hex("02 05 0100 0200 0300 0400 EE 00 0000 0000 8007 3804 00"), hex("01") + QByteArray(9, 0)});
        QCOMPARE(crops.size(), 1);
        const auto c = crops[0][1].value<QList<INFO_INPUTCROP>>();
        QCOMPARE(c.size(), 2);
        QCOMPARE(V({c[0].index, c[0].enable, c[0].x, c[0].y, c[0].width, c[0].height}), V({0, 1, 1, 2, 3, 4}));
        QCOMPARE(V({c[1].index, c[1].enable, c[1].x, c[1].y, c[1].width, c[1].height}), V({1, 0, 0, 0, 1920, 1080}));

        feed(ks, 0xE4, 0x00,
             {hex("02 21 8007 3804 FF 07 0000 00 0000 0000 3C 00 0000"), hex("01") + QByteArray(10, 0)});
        QCOMPARE(inputs.size(), 1);
        const auto s = inputs[0][1].value<QList<INFO_INPUTSINGLE>>();
        QCOMPARE(V({s[0].srcId, s[0].width, s[0].height, s[0].rate, s[0].hasSignal}), V({33, 1920, 1080, -1, 1}));
        QCOMPARE(V({s[1].srcId, s[1].width, s[1].height, s[1].rate, s[1].hasSignal}), V({0, 0, 0, 60, 0}));
        QSignalSpy iq(&ks, &KS9200Interface::emitImageQuality);
        QSignalSpy adv(&ks, &KS9200Interface::emitImageAdvanced);
        feed(ks, 0xE5, 0x00, {hex("01 32 33 34 35 36 FF 80 7F 02 99 99"), hex("02") + QByteArray(11, 0)});
        QCOMPARE(iq.size(), 1);
        const auto q = iq[0][1].value<QList<INFO_IMAGE_QUALITY>>();
        QCOMPARE(V({q[0].index, q[0].brightness, q[0].contrast, q[0].sharpness, q[0].hue, q[0].saturation,
                    q[0].redOffset, q[0].greenOffset, q[0].blueOffset, q[0].gamma, q[0].redGain}),
                 V({0, 0x32, 0x33, 0x34, 0x35, 0x36, -1, -128, 127, 2, 0}));

        QByteArray a(32, 0);
        std::iota(a.begin(), a.end(), char(1));
        feed(ks, 0xE5, 0x01, {a.left(31), a + hex("EE")});
        QCOMPARE(adv.size(), 1);
        const auto r = adv[0][1].value<INFO_IMAGE_ADVANCED>();
        for (int i = 0; i < 32; ++i)
            QCOMPARE(r.byte(i), uint8_t(i + 1));
    }

    void presetsAndTemplates()
    {
        KS9200Interface ks(Me);
        QSignalSpy spy(&ks, &KS9200Interface::emitGetPreset);
        const QByteArray p = hex("03 01 0100 0200 0300 0400 02 0500 0600 0700 0800 0900 0A00 0B00 0C00");
        // Extra bytes after the counted entries are tolerated and a preset without entries is valid; refused: unused
        // id, one byte short, window count missing, entry counts missing or too big.
        feed(ks, 0xE6, 0x00, {p, p + hex("00"), hex("05 00 00"), hex("FF") + p.mid(1), p.left(p.size() - 1), p.left(10),
                              hex("05 00"), hex("05 FF 00"), hex("05")});
        QCOMPARE(spy.size(), 3);
        QVERIFY(spy[2][1].value<INFO_PRESET>().windows.isEmpty());
        const auto preset = spy[0][1].value<INFO_PRESET>();
        QCOMPARE(V({preset.id, preset.panels.size(), preset.windows.size()}), V({3, 1, 2}));
        QCOMPARE(preset.panels[0], (PRESET_ENTRY{1, 2, 3, 4}));
        QCOMPARE(preset.windows[1], (PRESET_ENTRY{9, 10, 11, 12}));
        QSignalSpy tspy(&ks, &KS9200Interface::emitGetTemplate);
        const QByteArray t = hex("02 07 01 0100 0200 0300 0400 01 0500 0600 0700 0800");
        feed(ks, 0xE7, 0x00, {t, t.left(t.size() - 1), hex("02 07"), hex("02")});
        QCOMPARE(tspy.size(), 1);
        const auto templ = tspy[0][1].value<INFO_TEMPLATE>();
        QCOMPARE(V({templ.group, templ.templateId, templ.panels.size(), templ.windows.size()}), V({2, 7, 1, 1}));
        QCOMPARE(templ.panels[0], (PRESET_ENTRY{1, 2, 3, 4}));
        QCOMPARE(templ.windows[0], (PRESET_ENTRY{5, 6, 7, 8}));
    }

    void mosaic()
    {
        KS9200Interface ks(Me);
        QSignalSpy spy(&ks, &KS9200Interface::emitMultiMosaic);
        feed(ks, 0xE8, 0x00,
             {hex("01 01 01 000F 7008 8007 3804 0B 0C 0D 0E"), hex("02 00 00 03 02 04 0000 0000 00 01 02 03 04")});
        QCOMPARE(spy.size(), 2);
        auto fields = [](const INFO_MOSAIC &m) {
            return V({m.winId, m.enable, m.mode, m.hUnits, m.vUnits, m.unitIndex, m.totalWidth, m.totalHeight, m.startX,
                      m.startY, m.p3, m.p4, m.p5, m.p6});
        };
        QCOMPARE(fields(spy[0][1].value<INFO_MOSAIC>()),
                 V({1, 1, 1, 1, 1, 1, 3840, 2160, 1920, 1080, 0x0B, 0x0C, 0x0D, 0x0E}));
        QCOMPARE(fields(spy[1][1].value<INFO_MOSAIC>()), V({2, 0, 0, 3, 2, 4, 0, 0, 0, 0, 1, 2, 3, 4}));
        feed(ks, 0xE8, 0x00, {hex("02 00 02") + QByteArray(12, 0), hex("02 00 00") + QByteArray(11, 0)});
        QCOMPARE(spy.size(), 2);
    }

    void timeTask()
    {
        KS9200Interface ks(Me);
        QSignalSpy spy(&ks, &KS9200Interface::emitTimeTask);
        QSignalSpy deviceSwitch(&ks, &KS9200Interface::emitAllTasksOn);
        allTasksOn = false;
        // Two accepted replies, then rejected ones: these still carry the device-wide switch (byte 1).
        QList<bool> global; // the switch after each reply
        for (const char *p : {"03 01 01 00 1A0C07081E0F 11", "04 00 01 02 1A0C07081E0F 9001 2C01 0F00",
                              "04 01 01 03 1A0C07081E0F 9001 2C01 0F", "04 00 01 05 1A0C07081E0F 9001 2C01 0F00",
                              "04 01 01 01 1A0C07081E0F", "04"}) {
            ks.handleFrame(Me, replyHeader(0xE9, 0x00), hex(p));
            global << allTasksOn;
        }
        QCOMPARE(global, (QList<bool>{true, false, true, false, true, true}));
        QCOMPARE(spy.size(), 2);
        auto fields = [](const INFO_TIME_TASK &t) {
            return V({t.index, t.state, t.taskType, t.year, t.month, t.day, t.hour, t.minute, t.second, t.target, t.p10,
                      t.p12, t.p14});
        };
        QCOMPARE(fields(spy[0][1].value<INFO_TIME_TASK>()),
                 V({3, 1, 0, 26, 12, 7, 8, 30, 15, 17, 0, 30, 60})); // defaults kept
        QCOMPARE(fields(spy[1][1].value<INFO_TIME_TASK>()), V({4, 1, 2, 26, 12, 7, 8, 30, 15, 0, 400, 15, 300}));
        // The same switch, announced for this device only (a reply without byte 1 announces nothing).
        QList<bool> announced;
        for (const QList<QVariant> &args : deviceSwitch) {
            QCOMPARE(args[0].toString(), Me);
            announced << args[1].toBool();
        }
        QCOMPARE(announced, (QList<bool>{true, false, true, false, true}));
        allTasksOn = false;
    }

    void edidChromaBorderEnhanceAndOther()
    {
        KS9200Interface ks(Me);
        QSignalSpy edid(&ks, &KS9200Interface::emitEDID);
        QSignalSpy chroma(&ks, &KS9200Interface::emitChromaKey);
        QSignalSpy border(&ks, &KS9200Interface::emitBorderSetting);
        QSignalSpy enhance(&ks, &KS9200Interface::emitOutputEnhance);

        feed(ks, 0xEA, 0x00, {hex("01 20 8007 B004 3C"), hex("01 20 8007 B004")});
        QCOMPARE(edid.size(), 1);
        const auto e = edid[0][1].value<QList<INFO_EDID>>();
        QCOMPARE(V({e.size(), e[0].srcId, e[0].width, e[0].height, e[0].rate}), V({1, 32, 1920, 1200, 60}));

        feed(ks, 0xEB, 0x00,
             {hex("02 01 00 01 04 0A 0B 0C 0D 02 01 01 05 06 10 20 30"), hex("01 01 00 01 04 0A 0B 0C")});
        QCOMPARE(chroma.size(), 1);
        const auto c = chroma[0][1].value<QList<INFO_CHROMA>>();
        auto fields = [](const INFO_CHROMA &k) {
            return V({k.winId, k.mode, k.enable, k.presetColor, k.rgbFilter1, k.rgbFilter2, k.red, k.green, k.blue});
        };
        QCOMPARE(fields(c[0]), V({1, 0, 1, 4, 0, 0, 255, 255, 255})); // defaults stay in preset-colour mode
        QCOMPARE(fields(c[1]), V({2, 1, 1, 0, 5, 6, 0x10, 0x20, 0x30}));

        feed(ks, 0xEC, 0x00, {hex("01 01 0A00 1400 2C01 9001 0500 03"), hex("02 01 0A00 1400 2C01 9001 0500 03")});
        QCOMPARE(border.size(), 1);
        const auto b = border[0][1].value<QList<INFO_BORDER>>();
        QCOMPARE(V({b[0].enable, b[0].x, b[0].y, b[0].width, b[0].height, b[0].thickness, b[0].color}),
                 V({1, 10, 20, 300, 400, 5, 3}));

        feed(ks, 0xED, 0x00, {hex("02 00 01 01 00"), hex("02 00 01 01")});
        QCOMPARE(enhance.size(), 1);
        const auto en = enhance[0][1].value<QList<INFO_OUTPUT_ENHANCE>>();
        QCOMPARE(V({en.size(), en[0].index, en[0].value, en[1].index, en[1].value}), V({2, 0, 1, 1, 0}));
        // The largest list a reply can hold.
        ks.handleFrame(Me, replyHeader(0xED, 0x00), list(122, hex("0101")));
        QCOMPARE(enhance.size(), 2);
        QCOMPARE(enhance[1][1].value<QList<INFO_OUTPUT_ENHANCE>>().size(), 122);
        QSignalSpy other(&ks, &KS9200Interface::emitOtherSetting);
        QByteArray p(19, 0);
        std::iota(p.begin(), p.end(), char(0x10));
        ks.handleFrame(Me, replyHeader(0xEE, 0x00), p.left(14));
        QCOMPARE(other.size(), 0);
        feed(ks, 0xEE, 0x00, {p.left(15), p.left(18), p});
        QCOMPARE(other.size(), 3);

        // Record byte 3 (volume) comes last in the payload; payload byte 12 fills record bytes 13 and 14.
        auto bytes = [&](int i) {
            V out;
            const auto o = other[i][1].value<INFO_OTHER_KS9200>();
            for (int b = 0; b < INFO_OTHER_KS9200::Size; ++b)
                out << o.byte(b);
            return out;
        };
        const V head{0x10, 0x11, 0x12, 0, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1C, 0x1D, 0x1E};
        QCOMPARE(bytes(0), head + V({255, 255, 255}));
        QCOMPARE(bytes(1), head + V({0x1F, 0x20, 0x21}));
        V withVolume = head;
        withVolume[3] = 0x22;
        QCOMPARE(bytes(2), withVolume + V({0x1F, 0x20, 0x21}));
    }

    // Empty payloads, replies of other devices, commands out of range, subs other than 0 (or 1 where allowed) and
    // commands not decoded announce nothing and send nothing.
    void ignoredReplies()
    {
        KS9200Interface ks(Me);
        AnySignal any(&ks);
        QSignalSpy sent(&ks, &Interface::emitSendData);
        for (int cmd = 0xE1; cmd <= 0xEE; ++cmd)
            for (int sub = 0; sub <= 1; ++sub)
                ks.handleFrame(Me, replyHeader(uint8_t(cmd), uint8_t(sub)), QByteArray());
        const QString other = QStringLiteral("ffffffffffffffffffffffff");
        ks.handleFrame(other, replyHeader(0xE1, 0x00), list(1, QByteArray(11, 1)));
        ks.handleFrame(other, replyHeader(0x08, 0x00, 1), QByteArray());
        ks.handleFrame(other, replyHeader(0xEF, 0x00), QByteArray());
        ks.handleFrame(QString(), replyHeader(0xEF, 0x00), QByteArray());
        const QByteArray panel = list(0, {});
        for (QPair<int, int> cs : QList<QPair<int, int>>{
                 {0x03, 0}, {0xF0, 0}, {0x04, 3}, {0x08, 1}, {0x05, 0}, {0xE0, 0}, {0xE1, 2}, {0xE3, 1}, {0xED, 1}})
            ks.handleFrame(Me, replyHeader(uint8_t(cs.first), uint8_t(cs.second)), panel);
        QCOMPARE(any.count, 0);
        QCOMPARE(sent.size(), 0);
        ks.handleFrame(Me, replyHeader(0xEF, 0x00), QByteArray());
        ks.handleFrame(Me, replyHeader(0xE3, 0x00), panel);
        ks.handleFrame(Me, replyHeader(0xED, 0x00), panel);
        QCOMPARE(any.count, 3);
    }
};

QTEST_GUILESS_MAIN(TstKs9200)
#include "tst_ks9200.moc"
