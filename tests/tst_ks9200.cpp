// KS9200 interface: the command frames byte for byte, the reply dispatch and every payload decoder
// with its accept and reject rules.
#include "KS9200Interface.h"
#include "Records.h"
#include "TestSupport.h"

#include <QtTest>
#include <functional>

using TestSupport::hex;

namespace {
using TestSupport::replyHeader;
const QString Me = QStringLiteral("0102030405060708090a0b0c");

// The expected 23-byte frame: header, command, sub-command, parameters padded to 16, checksum.
QByteArray expected(uint8_t cmd, uint8_t sub, const char *params = "")
{
    QByteArray f = hex("5A 5A 17 00");
    f.append(char(cmd)).append(char(sub));
    f.append(hex(params).leftJustified(16, '\0', true));
    uint sum = 0;
    for (char c : f)
        sum += uint8_t(c);
    f.append(char(sum & 0xFF));
    return f;
}

// Count byte N followed by N copies of `item`.
QByteArray list(int n, const QByteArray &item)
{
    QByteArray p(1, char(n));
    for (int i = 0; i < n; ++i)
        p += item;
    return p;
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

    void documentedExampleFrames();
    void everyOperationFrame_data();
    void everyOperationFrame();
    void operationsEmitTheirFrame();
    void truncationAndLittleEndian();
    void deviceNameChunks();
    void edidModeByType();
    void timeTaskFrames();

    void dispatchStatus();
    void dispatchSubCommands();
    void foreignCpuidIgnored();
    void panels();
    void outputMode();
    void windows();
    void rotationAndEdidModes();
    void inputCropsAndSignals();
    void imageQualityAndAdvanced();
    void presets();
    void templates();
    void mosaic();
    void timeTask();
    void edidChromaBorderEnhance();
    void otherSetting();
    void emptyPayloadsRejectedEverywhere();
};

void TstKs9200::documentedExampleFrames()
{
    const QByteArray brightness = KS9200Interface::setImageItemFrame(KS9200Interface::ItemBrightness, 2, 40);
    QCOMPARE(brightness, hex("5A5A1700 0101 0228 0000000000000000000000000000 F7"));
    const QByteArray geometry = KS9200Interface::setWindowGeometryFrame(1, 1920, 0, 1920, 1080);
    QCOMPARE(geometry.mid(6, 9), hex("01 8007 0000 8007 3804"));
    QCOMPARE(geometry.mid(15, 7), QByteArray(7, '\0'));
    QCOMPARE(KS9200Interface::setTestPatternFrame(KS9200Interface::TestPatternOff), expected(0x0B, 0x00, "FF"));
}

void TstKs9200::everyOperationFrame_data()
{
    using K = KS9200Interface;
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("want");
    auto row = [](const char *name, const QByteArray &frame, const QByteArray &want) {
        QTest::newRow(name) << frame << want;
    };
    row("setImageItem gamma all", K::setImageItemFrame(K::ItemGamma, K::AllWindows, 3), expected(0x01, 0x09, "FF03"));
    row("setImageItem colour mode", K::setImageItemFrame(K::ItemColorMode, 1, 2), expected(0x01, 0x0B, "0102"));
    row("resetImageQuality", K::resetImageQualityFrame(0xFF), expected(0x01, 0xFF, "FF00"));
    row("setColorTemp", K::setColorTempFrame(2, 3, 10, 20, 30), expected(0x01, 0x0A, "02030A141E"));
    row("setRgbcmy", K::setRgbcmyFrame(1, 2, RGBCMY{1, 2, 3, 4, 5, 6}), expected(0x01, 0x0C, "0102010203040506"));
    row("setImageEffect", K::setImageEffectFrame(1, 2, 3, 4, 5), expected(0x01, 0x0D, "0102030405"));
    row("setImageExpert", K::setImageExpertFrame(1, 5, 4, 3, 2), expected(0x01, 0x0E, "0105040302"));
    row("setInputCrop", K::setInputCropFrame(3, 1, 0x0102, 0x0304, 1920, 1080),
        expected(0x02, 0x00, "0301 0201 0403 8007 3804"));
    row("setWindowTransparency", K::setWindowTransparencyFrame(2, 100), expected(0x03, 0x01, "0264"));
    row("setWindowRotate", K::setWindowRotateFrame(2, 3), expected(0x03, 0x03, "0203"));
    row("loadTemplate", K::loadTemplateFrame(7), expected(0x04, 0x00, "07"));
    row("loadPreset", K::loadPresetFrame(9), expected(0x04, 0x01, "09"));
    row("savePreset", K::savePresetFrame(4), expected(0x04, 0x02, "04"));
    row("setOutputResolution", K::setOutputResolutionFrame(1, 5, 1920, 1080, 60),
        expected(0x05, 0x00, "0105 8007 3804 3C"));
    row("setOutputMode", K::setOutputModeFrame(3, 1), expected(0x05, 0x01, "0301"));
    row("setMosaicOnOff", K::setMosaicOnOffFrame(1, 1), expected(0x06, 0x00, "0101"));
    row("setFrameSync", K::setFrameSyncFrame(2, 0), expected(0x06, 0x01, "020001"));
    row("setMosaicUnits", K::setMosaicUnitsFrame(1, 2, 3, 4), expected(0x06, 0x02, "01020304"));
    row("setMosaicPixels", K::setMosaicPixelsFrame(1, 3840, 2160, 0x0102, 0x0304),
        expected(0x06, 0x03, "01 000F 7008 0201 0403"));
    row("setMosaicTune", K::setMosaicTuneFrame(1, 2, 3, 4, 5), expected(0x06, 0x04, "0102030405"));
    row("setAudioMode", K::setAudioModeFrame(1, 3), expected(0x07, 0x00, "0103"));
    row("setAudioMute", K::setAudioMuteFrame(1), expected(0x07, 0x01, "01"));
    row("setAudioVolume", K::setAudioVolumeFrame(30), expected(0x07, 0x02, "1E"));
    row("switchInput", K::switchInputFrame(2, 33), expected(0x08, 0x00, "0221"));
    row("setDeviceTime", K::setDeviceTimeFrame(2026, 12, 7, 23, 59, 58), expected(0x09, 0x00, "1A0C07173B3A"));
    row("setDeviceTime datetime", K::setDeviceTimeFrame(QDateTime(QDate(2019, 1, 2), QTime(3, 4, 5))),
        expected(0x09, 0x00, "130102030405"));
    row("setEdidResolution", K::setEdidResolutionFrame(32, 1920, 1200, 60), expected(0x0C, 0x00, "20 8007 B004 3C"));
    row("resetEdid", K::resetEdidFrame(), expected(0x0C, 0xFF));
    row("setChromaPreset", K::setChromaPresetFrame(1, 0, 1, 4), expected(0x0D, 0x00, "01000104"));
    row("setChromaColor", K::setChromaColorFrame(1, 1, 1, 10, 20, 255, 128, 0),
        expected(0x0D, 0x00, "0101010A14FF8000"));
    row("setPip", K::setPipFrame(1), expected(0x0E, 0x00, "01"));
    row("setFreeze", K::setFreezeFrame(1), expected(0x10, 0x00, "01"));
    row("setSwitchMode", K::setSwitchModeFrame(1, 15), expected(0x11, 0x00, "010F"));
    row("setLocal", K::setLocalFrame(3, 1), expected(0x12, 0x00, "0301"));
    row("setBlackScreen", K::setBlackScreenFrame(0), expected(0x13, 0x00));
    row("vgaAction auto", K::vgaActionFrame(K::VgaAutoAdjust), expected(0x14, 0x00));
    row("vgaAction adc", K::vgaActionFrame(K::VgaAdcCalibration), expected(0x14, 0x01));
    row("setBackgroundColor", K::setBackgroundColorFrame(10, 20, 30), expected(0x15, 0x00, "010A141E"));
    row("setBorder", K::setBorderFrame(2, 1, 0x0102, 0x0304, 1920, 1080, 0x0A0B, 8),
        expected(0x16, 0x00, "0201 0201 0403 8007 3804 0B0A 08"));
    INFO_BORDER b;
    b.enable = 1;
    b.x = 10;
    b.y = 20;
    b.width = 300;
    b.height = 400;
    b.thickness = 5;
    b.color = 3;
    row("setBorder record", K::setBorderFrame(0, b), expected(0x16, 0x00, "0001 0A00 1400 2C01 9001 0500 03"));
    row("setOutputEnhance", K::setOutputEnhanceFrame(1, 0, 0, 1), expected(0x17, 0x00, "01000001"));
    row("factoryReset", K::factoryResetFrame(), expected(0x18, 0x00));
    row("usbPlay", K::usbPlayFrame(3), expected(0x20, 0x00, "03"));
    row("usbWorkMode", K::usbWorkModeFrame(2), expected(0x20, 0x01, "02"));
    row("usbWifi", K::usbWifiFrame(1), expected(0x20, 0x02, "01"));
    row("usbWirelessScreen", K::usbWirelessScreenFrame(5), expected(0x20, 0x03, "05"));
}

void TstKs9200::everyOperationFrame()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, want);
    QCOMPARE(frame.toHex(' '), want.toHex(' '));
}

void TstKs9200::operationsEmitTheirFrame()
{
    using K = KS9200Interface;
    K ks(Me);
    QSignalSpy sent(&ks, &Interface::emitSendData);
    const QList<QPair<std::function<void()>, QByteArray>> cases = {
        {[&] { ks.setImageItem(1, 2, 40); }, K::setImageItemFrame(1, 2, 40)},
        {[&] { ks.resetImageQuality(1); }, K::resetImageQualityFrame(1)},
        {[&] { ks.setColorTemp(1, 3, 4, 5, 6); }, K::setColorTempFrame(1, 3, 4, 5, 6)},
        {[&] { ks.setRgbcmy(1, 1, RGBCMY{9, 8, 7, 6, 5, 4}); }, K::setRgbcmyFrame(1, 1, RGBCMY{9, 8, 7, 6, 5, 4})},
        {[&] { ks.setImageEffect(1, 1, 2, 3, 4); }, K::setImageEffectFrame(1, 1, 2, 3, 4)},
        {[&] { ks.setImageExpert(1, 1, 2, 3, 4); }, K::setImageExpertFrame(1, 1, 2, 3, 4)},
        {[&] { ks.setInputCrop(1, 1, 2, 3, 4, 5); }, K::setInputCropFrame(1, 1, 2, 3, 4, 5)},
        {[&] { ks.setWindowGeometry(1, 2, 3, 4, 5); }, K::setWindowGeometryFrame(1, 2, 3, 4, 5)},
        {[&] { ks.setWindowTransparency(1, 50); }, K::setWindowTransparencyFrame(1, 50)},
        {[&] { ks.setWindowRotate(1, 2); }, K::setWindowRotateFrame(1, 2)},
        {[&] { ks.loadTemplate(3); }, K::loadTemplateFrame(3)},
        {[&] { ks.loadPreset(3); }, K::loadPresetFrame(3)},
        {[&] { ks.savePreset(3); }, K::savePresetFrame(3)},
        {[&] { ks.setOutputResolution(0, 1, 2, 3, 4); }, K::setOutputResolutionFrame(0, 1, 2, 3, 4)},
        {[&] { ks.setOutputMode(2, 0); }, K::setOutputModeFrame(2, 0)},
        {[&] { ks.setMosaicOnOff(1, 1); }, K::setMosaicOnOffFrame(1, 1)},
        {[&] { ks.setFrameSync(1, 1); }, K::setFrameSyncFrame(1, 1)},
        {[&] { ks.setMosaicUnits(1, 2, 3, 4); }, K::setMosaicUnitsFrame(1, 2, 3, 4)},
        {[&] { ks.setMosaicPixels(1, 2, 3, 4, 5); }, K::setMosaicPixelsFrame(1, 2, 3, 4, 5)},
        {[&] { ks.setMosaicTune(1, 2, 3, 4, 5); }, K::setMosaicTuneFrame(1, 2, 3, 4, 5)},
        {[&] { ks.setAudioMode(0, 1); }, K::setAudioModeFrame(0, 1)},
        {[&] { ks.setAudioMute(1); }, K::setAudioMuteFrame(1)},
        {[&] { ks.setAudioVolume(12); }, K::setAudioVolumeFrame(12)},
        {[&] { ks.switchInput(1, 16); }, K::switchInputFrame(1, 16)},
        {[&] { ks.setDeviceTime(2020, 1, 2, 3, 4, 5); }, K::setDeviceTimeFrame(2020, 1, 2, 3, 4, 5)},
        {[&] { ks.setTimeTaskState(3, true); }, K::setTimeTaskStateFrame(3, true)},
        {[&] { ks.setAllTasks(false); }, K::setAllTasksFrame(false)},
        {[&] { ks.setTestPattern(4); }, K::setTestPatternFrame(4)},
        {[&] { ks.setEdidResolution(1, 2, 3, 4); }, K::setEdidResolutionFrame(1, 2, 3, 4)},
        {[&] { ks.setEdidMode(3, 1); }, K::setEdidModeFrame(3, 1)},
        {[&] { ks.resetEdid(); }, K::resetEdidFrame()},
        {[&] { ks.setChromaPreset(1, 0, 1, 2); }, K::setChromaPresetFrame(1, 0, 1, 2)},
        {[&] { ks.setChromaColor(1, 1, 1, 2, 3, 4, 5, 6); }, K::setChromaColorFrame(1, 1, 1, 2, 3, 4, 5, 6)},
        {[&] { ks.setPip(1); }, K::setPipFrame(1)},
        {[&] { ks.setFreeze(1); }, K::setFreezeFrame(1)},
        {[&] { ks.setSwitchMode(1, 9); }, K::setSwitchModeFrame(1, 9)},
        {[&] { ks.setLocal(1, 1); }, K::setLocalFrame(1, 1)},
        {[&] { ks.setBlackScreen(1); }, K::setBlackScreenFrame(1)},
        {[&] { ks.vgaAction(1); }, K::vgaActionFrame(1)},
        {[&] { ks.setBackgroundColor(1, 2, 3); }, K::setBackgroundColorFrame(1, 2, 3)},
        {[&] { ks.setBorder(1, 1, 2, 3, 4, 5, 6, 7); }, K::setBorderFrame(1, 1, 2, 3, 4, 5, 6, 7)},
        {[&] { ks.setOutputEnhance(1, 1, 0, 0); }, K::setOutputEnhanceFrame(1, 1, 0, 0)},
        {[&] { ks.factoryReset(); }, K::factoryResetFrame()},
        {[&] { ks.usbPlay(1); }, K::usbPlayFrame(1)},
        {[&] { ks.usbWorkMode(1); }, K::usbWorkModeFrame(1)},
        {[&] { ks.usbWifi(1); }, K::usbWifiFrame(1)},
        {[&] { ks.usbWirelessScreen(1); }, K::usbWirelessScreenFrame(1)},
    };
    for (int i = 0; i < cases.size(); ++i) {
        sent.clear();
        cases[i].first();
        QVERIFY2(sent.size() == 1, qPrintable(QString("case %1").arg(i)));
        QVERIFY2(sent.at(0).at(0).toByteArray() == cases[i].second, qPrintable(QString("case %1").arg(i)));
    }
}

void TstKs9200::truncationAndLittleEndian()
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

void TstKs9200::deviceNameChunks()
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
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[0][0].toByteArray(), frames[0]);
    QCOMPARE(sent[1][0].toByteArray(), frames[1]);
    ks.setDeviceName(QString());
    QCOMPARE(sent.size(), 2);
}

void TstKs9200::edidModeByType()
{
    using K = KS9200Interface;
    for (int type : {0, 1, 2, 3, 4})
        QCOMPARE(K::setEdidModeFrame(type, 2), expected(0x0C, 0x01, "02"));
    for (int type : {16, 17, 18})
        QCOMPARE(K::setEdidModeFrame(type, 2), expected(0x0C, 0x02, "02"));
    K ks(Me);
    QSignalSpy sent(&ks, &Interface::emitSendData);
    for (int type : {5, 19, 20, 48, -1})
        ks.setEdidMode(type, 1);
    QCOMPARE(sent.size(), 0);
}

void TstKs9200::timeTaskFrames()
{
    using K = KS9200Interface;
    INFO_TIME_TASK once;
    once.taskType = 0;
    once.index = 5;
    once.year = 26;
    once.month = 12;
    once.day = 7;
    once.hour = 8;
    once.minute = 30;
    once.second = 15;
    once.target = 17;
    // Total time (60) before interval (30) at the end.
    QCOMPARE(K::setTimeTaskFrame(once), expected(0x09, 0x01, "00 05 1A0C07081E0F 11 00 3C00 1E00"));
    INFO_TIME_TASK daily = once;
    daily.taskType = 1;
    daily.target = 3;
    QCOMPARE(K::setTimeTaskFrame(daily), expected(0x09, 0x01, "01 05 1A0C07081E0F 03 00 3C00 1E00"));
    INFO_TIME_TASK cycle = once;
    cycle.taskType = 2;
    cycle.p10 = 0x0205;
    cycle.p12 = 15;
    cycle.p14 = 300;
    QCOMPARE(K::setTimeTaskFrame(cycle), expected(0x09, 0x01, "02 05 1A0C07081E0F 0502 2C01 0F00"));
    cycle.taskType = 3;
    QCOMPARE(K::setTimeTaskFrame(cycle), expected(0x09, 0x01, "03 05 1A0C07081E0F 0502 2C01 0F00"));
    QCOMPARE(K::setTimeTaskStateFrame(9, true), expected(0x09, 0x01, "0409"));
    QCOMPARE(K::setTimeTaskStateFrame(9, false), expected(0x09, 0x01, "0509"));
    QCOMPARE(K::setAllTasksFrame(true), expected(0x09, 0x01, "06"));
    QCOMPARE(K::setAllTasksFrame(false), expected(0x09, 0x01, "07"));

    INFO_TIME_TASK bad = once;
    bad.taskType = 4;
    QVERIFY(K::setTimeTaskFrame(bad).isEmpty());
    K ks(Me);
    QSignalSpy sent(&ks, &Interface::emitSendData);
    ks.setTimeTask(bad);
    QCOMPARE(sent.size(), 0);
    ks.setTimeTask(once);
    QCOMPARE(sent.size(), 1);
}

void TstKs9200::dispatchStatus()
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
    QCOMPARE(switched.size(), 3);
    QCOMPARE(switched[0][0].toBool(), true);
    QCOMPARE(switched[1][0].toBool(), false);
    QCOMPARE(switched[2][0].toBool(), false);

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

void TstKs9200::dispatchSubCommands()
{
    KS9200Interface ks(Me);
    AnySignal any(&ks);
    QSignalSpy sent(&ks, &Interface::emitSendData);
    const QByteArray panel = list(0, {});
    // Commands out of range, subs other than 0 (or 1 where allowed), non-decoded commands.
    ks.handleFrame(Me, replyHeader(0x03, 0x00), panel);
    ks.handleFrame(Me, replyHeader(0xF0, 0x00), panel);
    ks.handleFrame(Me, replyHeader(0x04, 0x03), panel);
    ks.handleFrame(Me, replyHeader(0x08, 0x01), panel);
    ks.handleFrame(Me, replyHeader(0x05, 0x00), panel);
    ks.handleFrame(Me, replyHeader(0xE0, 0x00), panel);
    ks.handleFrame(Me, replyHeader(0xE1, 0x02), panel);
    ks.handleFrame(Me, replyHeader(0xE3, 0x01), panel);
    ks.handleFrame(Me, replyHeader(0xED, 0x01), panel);
    QCOMPARE(any.count, 0);
    QCOMPARE(sent.size(), 0);
    ks.handleFrame(Me, replyHeader(0xE3, 0x00), panel);
    ks.handleFrame(Me, replyHeader(0xED, 0x00), panel);
    QCOMPARE(any.count, 2);
}

void TstKs9200::foreignCpuidIgnored()
{
    KS9200Interface ks(Me);
    AnySignal any(&ks);
    const QString other = QStringLiteral("ffffffffffffffffffffffff");
    ks.handleFrame(other, replyHeader(0xE1, 0x00), list(1, QByteArray(11, 1)));
    ks.handleFrame(other, replyHeader(0x08, 0x00, 1), QByteArray());
    ks.handleFrame(other, replyHeader(0xEF, 0x00), QByteArray());
    ks.handleFrame(QString(), replyHeader(0xEF, 0x00), QByteArray());
    QCOMPARE(any.count, 0);
    ks.handleFrame(Me, replyHeader(0xEF, 0x00), QByteArray());
    QCOMPARE(any.count, 1);
}

void TstKs9200::panels()
{
    KS9200Interface ks(Me);
    QSignalSpy spy(&ks, &KS9200Interface::emitPanelData);
    ks.handleFrame(Me, replyHeader(0xE1, 0x00), hex("00"));
    QCOMPARE(spy.size(), 1);
    QVERIFY(spy[0][1].value<QList<INFO_PANEL>>().isEmpty());
    ks.handleFrame(Me, replyHeader(0xE1, 0x00), hex("0000"));
    QCOMPARE(spy.size(), 1);

    const QByteArray two = hex("02" "8007 0000 8007 3804 3C 01 AA" "0000 3804 0001 0002 FF FE BB");
    ks.handleFrame(Me, replyHeader(0xE1, 0x00), two);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy[1][0].toString(), Me);
    const auto p = spy[1][1].value<QList<INFO_PANEL>>();
    QCOMPARE(p.size(), 2);
    QCOMPARE(p[0].id, 0);
    QCOMPARE(p[0].x, 1920);
    QCOMPARE(p[0].width, 1920);
    QCOMPARE(p[0].height, 1080);
    QCOMPARE(p[0].rate, 60);
    QCOMPARE(p[0].index, 1);
    QCOMPARE(p[1].id, 1);
    QCOMPARE(p[1].y, 1080);
    QCOMPARE(p[1].width, 256);
    QCOMPARE(p[1].height, 512);
    QCOMPARE(int16_t(p[1].rate), -1);
    QCOMPARE(int16_t(p[1].index), -2);

    // Short, long, negative count.
    ks.handleFrame(Me, replyHeader(0xE1, 0x00), two.left(two.size() - 1));
    ks.handleFrame(Me, replyHeader(0xE1, 0x00), two + hex("00"));
    ks.handleFrame(Me, replyHeader(0xE1, 0x00), hex("03") + two.mid(1));
    QByteArray negative = two;
    negative[0] = char(0xFF);
    ks.handleFrame(Me, replyHeader(0xE1, 0x00), negative);
    QCOMPARE(spy.size(), 2);
}

void TstKs9200::outputMode()
{
    KS9200Interface ks(Me);
    QSignalSpy spy(&ks, &KS9200Interface::emitOutputMode);
    const QByteArray full = hex("0302 0100 0200 0300 0400 0500 0600");
    ks.handleFrame(Me, replyHeader(0xE1, 0x01), full.left(6));
    QCOMPARE(spy.size(), 0);
    ks.handleFrame(Me, replyHeader(0xE1, 0x01), full.left(7));
    ks.handleFrame(Me, replyHeader(0xE1, 0x01), full.left(13));
    ks.handleFrame(Me, replyHeader(0xE1, 0x01), full);
    QCOMPARE(spy.size(), 3);
    const auto seven = spy[0][1].value<INFO_PANEL_OTHERSETTING>();
    QCOMPARE(seven.mode, 3);
    QCOMPARE(seven.mode2, 2);
    QCOMPARE(seven.value1, 0);
    const auto thirteen = spy[1][1].value<INFO_PANEL_OTHERSETTING>();
    QCOMPARE(thirteen.mode, 3);
    QCOMPARE(thirteen.value1, 0);
    QCOMPARE(thirteen.value6, 0);
    const auto fourteen = spy[2][1].value<INFO_PANEL_OTHERSETTING>();
    QCOMPARE(fourteen.value1, 1);
    QCOMPARE(fourteen.value3, 3);
    QCOMPARE(fourteen.value6, 6);
}

void TstKs9200::windows()
{
    KS9200Interface ks(Me);
    QSignalSpy spy(&ks, &KS9200Interface::emitWindowData);
    const QByteArray w = hex("03" "01 21 0100 0200 0300 0400 64 21 00"
                             "02 10 8007 0000 0001 0002 32 10 01"
                             "00 00 0000 0000 0000 0000 00 00 00");
    ks.handleFrame(Me, replyHeader(0xE2, 0x00), w);
    QCOMPARE(spy.size(), 1);
    const auto list = spy[0][1].value<QList<INFO_WINDOW>>();
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[0].winId, 0);
    QCOMPARE(list[0].flag0, 0);
    QCOMPARE(list[0].flag1, 0);
    QCOMPARE(list[0].srcId, 33);
    QCOMPARE(list[0].x, 1);
    QCOMPARE(list[0].y, 2);
    QCOMPARE(list[0].width, 3);
    QCOMPARE(list[0].height, 4);
    QCOMPARE(list[0].param1, 100);
    QCOMPARE(list[0].param2, 33);
    QCOMPARE(list[0].flag2, 0);
    QCOMPARE(list[1].winId, 1);
    QCOMPARE(list[1].flag0, 1);
    QCOMPARE(list[1].flag1, 1);
    QCOMPARE(list[1].x, 1920);
    QCOMPARE(list[1].flag2, 1);
    QCOMPARE(list[1].rotate, 0);
    QCOMPARE(list[2].flag0, 1);
    QCOMPARE(list[2].flag1, 0);
    ks.handleFrame(Me, replyHeader(0xE2, 0x00), w.left(w.size() - 1));
    ks.handleFrame(Me, replyHeader(0xE2, 0x00), w + QByteArray(13, 0));
    QCOMPARE(spy.size(), 1);
}

void TstKs9200::rotationAndEdidModes()
{
    KS9200Interface ks(Me);
    QSignalSpy rot(&ks, &KS9200Interface::emitWindowRotate);
    QSignalSpy modes(&ks, &KS9200Interface::emitEDIDOther);
    ks.handleFrame(Me, replyHeader(0xE2, 0x01), hex("0203") + QByteArray(7, 0));
    QCOMPARE(rot.size(), 0);
    ks.handleFrame(Me, replyHeader(0xE2, 0x01), hex("0203") + QByteArray(8, 0));
    QCOMPARE(rot.size(), 1);
    QCOMPARE(rot[0][1].value<uchar>(), uchar(2));
    QCOMPARE(rot[0][2].value<uchar>(), uchar(3));
    ks.handleFrame(Me, replyHeader(0xEA, 0x01), hex("01020304"));
    QCOMPARE(modes.size(), 0);
    ks.handleFrame(Me, replyHeader(0xEA, 0x01), hex("0102030405"));
    QCOMPARE(modes.size(), 1);
    QCOMPARE(modes[0][1].value<uchar>(), uchar(1));
    QCOMPARE(modes[0][2].value<uchar>(), uchar(2));
}

void TstKs9200::inputCropsAndSignals()
{
    KS9200Interface ks(Me);
    QSignalSpy crops(&ks, &KS9200Interface::emitInputCrop);
    QSignalSpy inputs(&ks, &KS9200Interface::emitInputSignals);
    ks.handleFrame(Me, replyHeader(0xE3, 0x00), hex("02" "05 0100 0200 0300 0400 EE" "00 0000 0000 8007 3804 00"));
    QCOMPARE(crops.size(), 1);
    const auto c = crops[0][1].value<QList<INFO_INPUTCROP>>();
    QCOMPARE(c.size(), 2);
    QCOMPARE(c[0].enable, 1);
    QCOMPARE(c[0].x, 1);
    QCOMPARE(c[0].height, 4);
    QCOMPARE(c[1].index, 1);
    QCOMPARE(c[1].enable, 0);
    QCOMPARE(c[1].width, 1920);
    ks.handleFrame(Me, replyHeader(0xE3, 0x00), hex("01") + QByteArray(9, 0));
    QCOMPARE(crops.size(), 1);

    ks.handleFrame(Me, replyHeader(0xE4, 0x00), hex("02" "21 8007 3804 FF 07 0000" "00 0000 0000 3C 00 0000"));
    QCOMPARE(inputs.size(), 1);
    const auto s = inputs[0][1].value<QList<INFO_INPUTSINGLE>>();
    QCOMPARE(s[0].srcId, 33);
    QCOMPARE(s[0].width, 1920);
    QCOMPARE(s[0].height, 1080);
    QCOMPARE(s[0].rate, -1);
    QCOMPARE(s[0].hasSignal, 1);
    QCOMPARE(s[1].rate, 60);
    QCOMPARE(s[1].hasSignal, 0);
    ks.handleFrame(Me, replyHeader(0xE4, 0x00), hex("01") + QByteArray(10, 0));
    QCOMPARE(inputs.size(), 1);
}

void TstKs9200::imageQualityAndAdvanced()
{
    KS9200Interface ks(Me);
    QSignalSpy iq(&ks, &KS9200Interface::emitImageQuality);
    QSignalSpy adv(&ks, &KS9200Interface::emitImageAdvanced);
    ks.handleFrame(Me, replyHeader(0xE5, 0x00), hex("01" "32 33 34 35 36 FF 80 7F 02 99 99"));
    QCOMPARE(iq.size(), 1);
    const auto q = iq[0][1].value<QList<INFO_IMAGE_QUALITY>>();
    QCOMPARE(q[0].brightness, 0x32);
    QCOMPARE(q[0].saturation, 0x36);
    QCOMPARE(q[0].redOffset, -1);
    QCOMPARE(q[0].greenOffset, -128);
    QCOMPARE(q[0].blueOffset, 127);
    QCOMPARE(q[0].gamma, 2);
    QCOMPARE(q[0].redGain, 0);
    ks.handleFrame(Me, replyHeader(0xE5, 0x00), hex("02") + QByteArray(11, 0));
    QCOMPARE(iq.size(), 1);

    QByteArray a;
    for (int i = 0; i < 32; ++i)
        a.append(char(i + 1));
    ks.handleFrame(Me, replyHeader(0xE5, 0x01), a.left(31));
    QCOMPARE(adv.size(), 0);
    ks.handleFrame(Me, replyHeader(0xE5, 0x01), a + hex("EE"));
    QCOMPARE(adv.size(), 1);
    const auto r = adv[0][1].value<INFO_IMAGE_ADVANCED>();
    for (int i = 0; i < 32; ++i)
        QCOMPARE(r.byte(i), uint8_t(i + 1));
}

void TstKs9200::presets()
{
    KS9200Interface ks(Me);
    QSignalSpy spy(&ks, &KS9200Interface::emitGetPreset);
    const QByteArray p = hex("03" "01" "0100 0200 0300 0400" "02" "0500 0600 0700 0800" "0900 0A00 0B00 0C00");
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), p);
    QCOMPARE(spy.size(), 1);
    const auto preset = spy[0][1].value<INFO_PRESET>();
    QCOMPARE(preset.id, 3);
    QCOMPARE(preset.panels.size(), 1);
    QCOMPARE(preset.panels[0], (PRESET_ENTRY{1, 2, 3, 4}));
    QCOMPARE(preset.windows.size(), 2);
    QCOMPARE(preset.windows[1], (PRESET_ENTRY{9, 10, 11, 12}));
    // Extra bytes after the counted entries are tolerated; a preset without entries is valid.
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), p + hex("00"));
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), hex("05 00 00"));
    QCOMPARE(spy.size(), 3);
    QVERIFY(spy[2][1].value<INFO_PRESET>().windows.isEmpty());

    QByteArray unused = p;
    unused[0] = char(0xFF);
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), unused);
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), p.left(p.size() - 1));
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), p.left(10)); // window count missing
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), hex("05 00"));
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), hex("05 FF 00"));
    ks.handleFrame(Me, replyHeader(0xE6, 0x00), hex("05"));
    QCOMPARE(spy.size(), 3);
}

void TstKs9200::templates()
{
    KS9200Interface ks(Me);
    QSignalSpy spy(&ks, &KS9200Interface::emitGetTemplate);
    const QByteArray t = hex("02 07" "01" "0100 0200 0300 0400" "01" "0500 0600 0700 0800");
    ks.handleFrame(Me, replyHeader(0xE7, 0x00), t);
    QCOMPARE(spy.size(), 1);
    const auto templ = spy[0][1].value<INFO_TEMPLATE>();
    QCOMPARE(templ.group, 2);
    QCOMPARE(templ.templateId, 7);
    QCOMPARE(templ.panels.size(), 1);
    QCOMPARE(templ.windows[0], (PRESET_ENTRY{5, 6, 7, 8}));
    ks.handleFrame(Me, replyHeader(0xE7, 0x00), t.left(t.size() - 1));
    ks.handleFrame(Me, replyHeader(0xE7, 0x00), hex("02 07"));
    ks.handleFrame(Me, replyHeader(0xE7, 0x00), hex("02"));
    QCOMPARE(spy.size(), 1);
}

void TstKs9200::mosaic()
{
    KS9200Interface ks(Me);
    QSignalSpy spy(&ks, &KS9200Interface::emitMultiMosaic);
    ks.handleFrame(Me, replyHeader(0xE8, 0x00), hex("01 01 01 000F 7008 8007 3804 0B 0C 0D 0E"));
    ks.handleFrame(Me, replyHeader(0xE8, 0x00), hex("02 00 00 03 02 04 0000 0000 00 01 02 03 04"));
    QCOMPARE(spy.size(), 2);
    const auto pixel = spy[0][1].value<INFO_MOSAIC>();
    QCOMPARE(pixel.mode, 1);
    QCOMPARE(pixel.totalWidth, 3840);
    QCOMPARE(pixel.totalHeight, 2160);
    QCOMPARE(pixel.startX, 1920);
    QCOMPARE(pixel.startY, 1080);
    QCOMPARE(pixel.hUnits, 1);
    QCOMPARE(pixel.unitIndex, 1);
    QCOMPARE(pixel.p3, 0x0B);
    QCOMPARE(pixel.p6, 0x0E);
    const auto unit = spy[1][1].value<INFO_MOSAIC>();
    QCOMPARE(unit.winId, 2);
    QCOMPARE(unit.hUnits, 3);
    QCOMPARE(unit.vUnits, 2);
    QCOMPARE(unit.unitIndex, 4);
    QCOMPARE(unit.totalWidth, 0);
    ks.handleFrame(Me, replyHeader(0xE8, 0x00), hex("02 00 02") + QByteArray(12, 0));
    ks.handleFrame(Me, replyHeader(0xE8, 0x00), hex("02 00 00") + QByteArray(11, 0));
    QCOMPARE(spy.size(), 2);
}

void TstKs9200::timeTask()
{
    KS9200Interface ks(Me);
    QSignalSpy spy(&ks, &KS9200Interface::emitTimeTask);
    QSignalSpy deviceSwitch(&ks, &KS9200Interface::emitAllTasksOn);
    allTasksOn = false;
    ks.handleFrame(Me, replyHeader(0xE9, 0x00), hex("03 01 01 00 1A0C07081E0F 11"));
    QCOMPARE(spy.size(), 1);
    QVERIFY(allTasksOn);
    auto t = spy[0][1].value<INFO_TIME_TASK>();
    QCOMPARE(t.index, 3);
    QCOMPARE(t.state, 1);
    QCOMPARE(t.taskType, 0);
    QCOMPARE(t.year, 26);
    QCOMPARE(t.second, 15);
    QCOMPARE(t.target, 17);
    QCOMPARE(t.p12, 30); // defaults kept
    QCOMPARE(t.p14, 60);

    ks.handleFrame(Me, replyHeader(0xE9, 0x00), hex("04 00 01 02 1A0C07081E0F 9001 2C01 0F00"));
    QCOMPARE(spy.size(), 2);
    QVERIFY(!allTasksOn);
    t = spy[1][1].value<INFO_TIME_TASK>();
    QCOMPARE(t.taskType, 2);
    QCOMPARE(t.p10, 400);
    QCOMPARE(t.p14, 300);
    QCOMPARE(t.p12, 15);
    QCOMPARE(t.target, 0);

    // Rejected replies still carry the device-wide switch.
    ks.handleFrame(Me, replyHeader(0xE9, 0x00), hex("04 01 01 03 1A0C07081E0F 9001 2C01 0F"));
    QVERIFY(allTasksOn);
    ks.handleFrame(Me, replyHeader(0xE9, 0x00), hex("04 00 01 05 1A0C07081E0F 9001 2C01 0F00"));
    QVERIFY(!allTasksOn);
    ks.handleFrame(Me, replyHeader(0xE9, 0x00), hex("04 01 01 01 1A0C07081E0F"));
    QVERIFY(allTasksOn);
    ks.handleFrame(Me, replyHeader(0xE9, 0x00), hex("04"));
    QVERIFY(allTasksOn);
    QCOMPARE(spy.size(), 2);
    // The same switch, announced for this device only (a reply without byte 1 announces nothing).
    QList<bool> announced;
    for (const QList<QVariant> &args : deviceSwitch) {
        QCOMPARE(args[0].toString(), Me);
        announced << args[1].toBool();
    }
    QCOMPARE(announced, (QList<bool>{true, false, true, false, true}));
    allTasksOn = false;
}

void TstKs9200::edidChromaBorderEnhance()
{
    KS9200Interface ks(Me);
    QSignalSpy edid(&ks, &KS9200Interface::emitEDID);
    QSignalSpy chroma(&ks, &KS9200Interface::emitChromaKey);
    QSignalSpy border(&ks, &KS9200Interface::emitBorderSetting);
    QSignalSpy enhance(&ks, &KS9200Interface::emitOutputEnhance);

    ks.handleFrame(Me, replyHeader(0xEA, 0x00), hex("01 20 8007 B004 3C"));
    ks.handleFrame(Me, replyHeader(0xEA, 0x00), hex("01 20 8007 B004"));
    QCOMPARE(edid.size(), 1);
    const auto e = edid[0][1].value<QList<INFO_EDID>>();
    QCOMPARE(e[0].srcId, 32);
    QCOMPARE(e[0].width, 1920);
    QCOMPARE(e[0].height, 1200);
    QCOMPARE(e[0].rate, 60);

    ks.handleFrame(Me, replyHeader(0xEB, 0x00), hex("02" "01 00 01 04 0A 0B 0C 0D" "02 01 01 05 06 10 20 30"));
    ks.handleFrame(Me, replyHeader(0xEB, 0x00), hex("01" "01 00 01 04 0A 0B 0C"));
    QCOMPARE(chroma.size(), 1);
    const auto c = chroma[0][1].value<QList<INFO_CHROMA>>();
    QCOMPARE(c[0].presetColor, 4);
    QCOMPARE(c[0].rgbFilter1, 0);
    QCOMPARE(c[0].red, 255); // defaults stay in preset-colour mode
    QCOMPARE(c[0].blue, 255);
    QCOMPARE(c[1].winId, 2);
    QCOMPARE(c[1].mode, 1);
    QCOMPARE(c[1].presetColor, 0);
    QCOMPARE(c[1].rgbFilter1, 5);
    QCOMPARE(c[1].rgbFilter2, 6);
    QCOMPARE(c[1].red, 0x10);
    QCOMPARE(c[1].blue, 0x30);

    ks.handleFrame(Me, replyHeader(0xEC, 0x00), hex("01 01 0A00 1400 2C01 9001 0500 03"));
    ks.handleFrame(Me, replyHeader(0xEC, 0x00), hex("02 01 0A00 1400 2C01 9001 0500 03"));
    QCOMPARE(border.size(), 1);
    const auto b = border[0][1].value<QList<INFO_BORDER>>();
    QCOMPARE(b[0].enable, 1);
    QCOMPARE(b[0].x, 10);
    QCOMPARE(b[0].y, 20);
    QCOMPARE(b[0].width, 300);
    QCOMPARE(b[0].height, 400);
    QCOMPARE(b[0].thickness, 5);
    QCOMPARE(b[0].color, 3);

    ks.handleFrame(Me, replyHeader(0xED, 0x00), hex("02 00 01 01 00"));
    ks.handleFrame(Me, replyHeader(0xED, 0x00), hex("02 00 01 01"));
    QCOMPARE(enhance.size(), 1);
    const auto en = enhance[0][1].value<QList<INFO_OUTPUT_ENHANCE>>();
    QCOMPARE(en[1].index, 1);
    QCOMPARE(en[1].value, 0);
    QCOMPARE(en[0].value, 1);
    // The largest list a reply can hold.
    ks.handleFrame(Me, replyHeader(0xED, 0x00), list(122, hex("0101")));
    QCOMPARE(enhance.size(), 2);
    QCOMPARE(enhance[1][1].value<QList<INFO_OUTPUT_ENHANCE>>().size(), 122);
}

void TstKs9200::otherSetting()
{
    KS9200Interface ks(Me);
    QSignalSpy spy(&ks, &KS9200Interface::emitOtherSetting);
    QByteArray p;
    for (int i = 0; i < 19; ++i)
        p.append(char(0x10 + i));
    ks.handleFrame(Me, replyHeader(0xEE, 0x00), p.left(14));
    QCOMPARE(spy.size(), 0);
    ks.handleFrame(Me, replyHeader(0xEE, 0x00), p.left(15));
    ks.handleFrame(Me, replyHeader(0xEE, 0x00), p.left(18));
    ks.handleFrame(Me, replyHeader(0xEE, 0x00), p);
    QCOMPARE(spy.size(), 3);

    const auto o15 = spy[0][1].value<INFO_OTHER_KS9200>();
    QCOMPARE(o15.byte(0), 0x10);
    QCOMPARE(o15.byte(2), 0x12);
    QCOMPARE(o15.byte(3), 0);
    QCOMPARE(o15.byte(4), 0x13);
    QCOMPARE(o15.pip, 0x14);         // payload 4
    QCOMPARE(o15.frameSync, 0x19);   // payload 9
    QCOMPARE(o15.byte(13), 0x1C);
    QCOMPARE(o15.byte(14), 0x1C);    // payload 12 twice
    QCOMPARE(o15.byte(15), 0x1D);
    QCOMPARE(o15.byte(16), 0x1E);
    QCOMPARE(o15.byte(17), 255);
    QCOMPARE(o15.byte(18), 255);
    QCOMPARE(o15.byte(19), 255);

    const auto o18 = spy[1][1].value<INFO_OTHER_KS9200>();
    QCOMPARE(o18.byte(17), 0x1F);
    QCOMPARE(o18.byte(19), 0x21);
    QCOMPARE(o18.byte(3), 0);
    const auto o19 = spy[2][1].value<INFO_OTHER_KS9200>();
    QCOMPARE(o19.volume, 0x22);
}

void TstKs9200::emptyPayloadsRejectedEverywhere()
{
    KS9200Interface ks(Me);
    AnySignal any(&ks);
    for (int cmd = 0xE1; cmd <= 0xEE; ++cmd)
        for (int sub = 0; sub <= 1; ++sub)
            ks.handleFrame(Me, replyHeader(uint8_t(cmd), uint8_t(sub)), QByteArray());
    QCOMPARE(any.count, 0);
}

QTEST_GUILESS_MAIN(TstKs9200)
#include "tst_ks9200.moc"
