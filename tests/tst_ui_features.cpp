// Chroma key, audio, test pattern and USB play dialogs driven by their widgets against a real
// KS9200 interface installed as the current device; every frame is read from emitSendData.
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DialogAudio.h"
#include "DialogChromaKey.h"
#include "DialogTestPicCard.h"
#include "DialogUsbPlay.h"
#include "KS9200Interface.h"
#include "RecordBuilders.h"
#include "SxDialogTitle.h"
#include "UiLookup.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

using namespace RecordBuilders;
using Frames = QList<QByteArray>;

namespace {
const QString Cpuid = QStringLiteral("0123456789abcdef01234567");

void wheel(QWidget *w, int delta)
{
    const QPointF pos(w->width() / 2, w->height() / 2);
    QWheelEvent e(pos, w->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

void click(QWidget *d, const char *name) { QTest::mouseClick(child<QAbstractButton>(d, name), Qt::LeftButton); }

QByteArray pattern(int number) { return hostFrame(0x0B, 0x00, {number}); }

QString label(QWidget *d, const char *name) { return child<QLabel>(d, name)->text(); }
} // namespace

class TestUiFeatures : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void chromaFill();
    void chromaApply_data();
    void chromaApply();
    void chromaSwitchAndCloseSendNothing();
    void audioFillSendsNothing();
    void audioModeAndWindow();
    void audioMuteVolumeAndReadBackOnClose();
    void audioLanguageSwitchKeepsStateSilently();
    void testPatternRangesAndWrap_data();
    void testPatternRangesAndWrap();
    void testPatternSwitch();
    void testPatternWheel();
    void testPatternOffOnClose();
    void usbPlayButtons();
    void usbWirelessSwitches();
    void usbRemoteModeBeforeFrame();
    void nothingSentWithoutDevice();

private:
    DEVICE_INFO_KS *record = nullptr;
    KS9200Interface *ks = nullptr;
    QSignalSpy *spy = nullptr;
};

void TestUiFeatures::init()
{
    record = new DEVICE_INFO_KS;
    record->cpuid = Cpuid;
    record->type = 0;
    ks = new KS9200Interface(Cpuid);
    DeviceLookup::install(
        [this](const QString &c) -> INFO_BASIC * { return c.isEmpty() || c == Cpuid ? record : nullptr; },
        [this](const QString &c) -> Interface * { return c.isEmpty() || c == Cpuid ? ks : nullptr; },
        [] { return Cpuid; });
    spy = new QSignalSpy(ks, &Interface::emitSendData);
}

void TestUiFeatures::cleanup()
{
    DeviceLookup::clear();
    delete spy;
    delete ks;
    delete record;
}

void TestUiFeatures::chromaFill()
{
    DialogChromaKey d;
    d.show();
    auto *mode = child<QComboBox>(&d, "combo_mode");
    auto *colorFilter = child<QComboBox>(&d, "combo_colorFilter");
    INFO_CHROMA c;
    c.mode = 1;
    c.enable = 1;
    c.presetColor = 3;
    c.rgbFilter1 = 1;
    c.rgbFilter2 = 1;
    c.red = 10;
    c.green = 20;
    c.blue = 30;
    d.setChromaData(2, c);
    QCOMPARE(child<SxDialogTitle>(&d, "dialogTitle")->title(), QStringLiteral("Chroma Key - Window3"));
    QCOMPARE(mode->currentIndex(), 1);
    QCOMPARE(colorFilter->currentIndex(), 3);
    QCOMPARE(child<QComboBox>(&d, "combo_RGBFilter1")->currentIndex(), 1);
    QCOMPARE(child<QComboBox>(&d, "combo_RGBFilter2")->currentIndex(), 1);
    QCOMPARE(QList<int>({child<QSpinBox>(&d, "spinBox_red")->value(), child<QSpinBox>(&d, "spinBox_green")->value(),
                         child<QSpinBox>(&d, "spinBox_blue")->value()}),
             QList<int>({10, 20, 30}));
    QVERIFY(child<QToolButton>(&d, "btn_onoff")->isChecked());
    // the custom rows in custom mode, the preset colour otherwise
    QVERIFY(!colorFilter->isVisible() && child<QSpinBox>(&d, "spinBox_red")->isVisible());
    mode->setCurrentIndex(0);
    QVERIFY(colorFilter->isVisible() && !child<QSpinBox>(&d, "spinBox_red")->isVisible());

    // Bytes from the device that name no item leave the combos on a valid item.
    c.mode = 7;
    c.presetColor = 200;
    c.rgbFilter1 = 9;
    d.setChromaData(0, c);
    QVERIFY(mode->currentIndex() >= 0);
    QVERIFY(colorFilter->currentIndex() >= 0 && colorFilter->currentIndex() < 5);
    QVERIFY(spy->isEmpty());
}

void TestUiFeatures::chromaApply_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("params");
    // Window 5 filled with enable 1, preset colour 1, filters 1 and 0, RGB 12 34 FE; one widget changed.
    QTest::newRow("preset as filled") << 0 << QByteArray() << 0 << QList<int>{4, 0, 1, 1};
    QTest::newRow("preset colour") << 0 << QByteArray("combo_colorFilter") << 3 << QList<int>{4, 0, 1, 3};
    QTest::newRow("preset switched off") << 0 << QByteArray("btn_onoff") << 0 << QList<int>{4, 0, 0, 1};
    QTest::newRow("preset to custom") << 0 << QByteArray("combo_mode") << 1
                                      << QList<int>{4, 1, 1, 1, 0, 0x12, 0x34, 0xFE};
    QTest::newRow("custom to preset") << 1 << QByteArray("combo_mode") << 0 << QList<int>{4, 0, 1, 1};
    QTest::newRow("custom switched off") << 1 << QByteArray("btn_onoff") << 0
                                         << QList<int>{4, 1, 0, 1, 0, 0x12, 0x34, 0xFE};
    QTest::newRow("filter 1") << 1 << QByteArray("combo_RGBFilter1") << 0 << QList<int>{4, 1, 1, 0, 0, 0x12, 0x34, 0xFE};
    QTest::newRow("filter 2") << 1 << QByteArray("combo_RGBFilter2") << 1 << QList<int>{4, 1, 1, 1, 1, 0x12, 0x34, 0xFE};
    QTest::newRow("red") << 1 << QByteArray("spinBox_red") << 7 << QList<int>{4, 1, 1, 1, 0, 7, 0x34, 0xFE};
    QTest::newRow("green") << 1 << QByteArray("spinBox_green") << 8 << QList<int>{4, 1, 1, 1, 0, 0x12, 8, 0xFE};
    QTest::newRow("blue") << 1 << QByteArray("spinBox_blue") << 255 << QList<int>{4, 1, 1, 1, 0, 0x12, 0x34, 255};
}

void TestUiFeatures::chromaApply()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, field);
    QFETCH(int, value);
    QFETCH(QList<int>, params);
    DialogChromaKey d;
    d.show();
    INFO_CHROMA c;
    c.mode = uint8_t(mode);
    c.enable = 1;
    c.presetColor = 1;
    c.rgbFilter1 = 1;
    c.rgbFilter2 = 0;
    c.red = 0x12;
    c.green = 0x34;
    c.blue = 0xFE;
    d.setChromaData(4, c);
    if (field == "btn_onoff")
        click(&d, field);
    else if (field.startsWith("combo"))
        child<QComboBox>(&d, field)->setCurrentIndex(value);
    else if (!field.isEmpty())
        child<QSpinBox>(&d, field)->setValue(value);
    QVERIFY(spy->isEmpty());
    click(&d, "btn_apply");
    QByteArray bytes;
    for (int p : params)
        bytes += char(p);
    QCOMPARE(sentFrames(*spy), Frames({hostFrame(0x0D, 0x00, bytes.toHex(' ').constData())}));
}

void TestUiFeatures::chromaSwitchAndCloseSendNothing()
{
    DialogChromaKey d;
    d.show();
    click(&d, "btn_onoff");
    QVERIFY(child<QToolButton>(&d, "btn_onoff")->isChecked());
    click(&d, "btn_c");
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(spy->isEmpty());
}

void TestUiFeatures::audioFillSendsNothing()
{
    DialogAudio d;
    d.show();
    const uint8_t audio[4] = {1, 2, 1, 17};
    d.setAudioData(4, audio, 16);
    auto *mode = child<QComboBox>(&d, "comboBox_workMode");
    auto *win = child<QComboBox>(&d, "comboBox_window");
    auto *volume = child<QSpinBox>(&d, "spin_volume");
    QCOMPARE(mode->currentIndex(), 1);
    QCOMPARE(win->count(), 4);
    QCOMPARE(win->itemText(3), QStringLiteral("window 4"));
    QCOMPARE(win->currentIndex(), 2);
    QVERIFY(!win->isEnabled());
    QVERIFY(child<QToolButton>(&d, "toolButton")->isChecked());
    QCOMPARE(volume->value(), 17);
    // A second fill changes every widget again, still without a frame.
    const uint8_t other[4] = {0, 1, 0, 3};
    d.setAudioData(2, other, 16);
    QCOMPARE(win->count(), 2);
    QVERIFY(win->isEnabled());
    QCOMPARE(volume->value(), 3);
    // A window byte beyond the window count keeps a valid selection; the volume is held at 30.
    const uint8_t beyond[4] = {0, 9, 0, 200};
    d.setAudioData(2, beyond, 16);
    QVERIFY(win->currentIndex() >= 0 && win->currentIndex() < 2);
    QCOMPARE(volume->value(), 30);
    QVERIFY(spy->isEmpty());
}

void TestUiFeatures::audioModeAndWindow()
{
    DialogAudio d;
    d.show();
    const uint8_t audio[4] = {1, 0, 0, 0};
    d.setAudioData(3, audio, 0);
    auto *mode = child<QComboBox>(&d, "comboBox_workMode");
    auto *win = child<QComboBox>(&d, "comboBox_window");
    // "follow switch": the window does not matter to the device.
    win->setCurrentIndex(2);
    QVERIFY(spy->isEmpty());
    mode->setCurrentIndex(0);
    QVERIFY(win->isEnabled());
    win->setCurrentIndex(1);
    mode->setCurrentIndex(1);
    QVERIFY(!win->isEnabled());
    QCOMPARE(sentFrames(*spy),
             Frames({hostFrame(0x07, 0x00, {0, 2}), hostFrame(0x07, 0x00, {0, 1}), hostFrame(0x07, 0x00, {1, 1})}));
}

void TestUiFeatures::audioMuteVolumeAndReadBackOnClose()
{
    DialogAudio d;
    d.show();
    const uint8_t audio[4] = {0, 0, 0, 10};
    d.setAudioData(1, audio, 17);
    click(&d, "toolButton");
    click(&d, "toolButton");
    child<QSpinBox>(&d, "spin_volume")->setValue(30);
    QCOMPARE(sentFrames(*spy),
             Frames({hostFrame(0x07, 0x01, {1}), hostFrame(0x07, 0x01, {0}), hostFrame(0x07, 0x02, {30})}));
    spy->clear();
    d.close();
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(*spy), Frames({hostFrame(0xEE, 0x00)}));
    // Rejecting by key (Escape) reads back too.
    spy->clear();
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(*spy), Frames({hostFrame(0xEE, 0x00)}));
}

void TestUiFeatures::audioLanguageSwitchKeepsStateSilently()
{
    DialogAudio d;
    d.show();
    const uint8_t audio[4] = {0, 2, 0, 8};
    d.setAudioData(3, audio, 17);
    d.switchLanguage();
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&d, &change);
    auto *win = child<QComboBox>(&d, "comboBox_window");
    QCOMPARE(win->count(), 3);
    QCOMPARE(win->currentIndex(), 2);
    QCOMPARE(win->itemText(0), QStringLiteral("window 1"));
    QCOMPARE(child<QComboBox>(&d, "comboBox_workMode")->currentIndex(), 0);
    QVERIFY(spy->isEmpty());
    // Still live afterwards.
    win->setCurrentIndex(0);
    QCOMPARE(sentFrames(*spy), Frames({hostFrame(0x07, 0x00, {0, 0})}));
}

void TestUiFeatures::testPatternRangesAndWrap_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("highest");
    for (int t : {0, 1, 2, 3, 4})
        QTest::newRow(qPrintable(QStringLiteral("type %1").arg(t))) << t << 60;
    for (int t : {16, 17, 18, 20})
        QTest::newRow(qPrintable(QStringLiteral("KX type %1").arg(t))) << t << 12;
}

void TestUiFeatures::testPatternRangesAndWrap()
{
    QFETCH(int, type);
    QFETCH(int, highest);
    DialogTestPicCard d;
    d.show();
    d.setDeviceType(type);
    click(&d, "btn_switch");
    QCOMPARE(sentFrames(*spy), Frames({pattern(0)}));
    spy->clear();
    click(&d, "btn_prev"); // below 0 wraps to the highest number
    QCOMPARE(label(&d, "label_number"), QString::number(highest));
    click(&d, "btn_next"); // Next on the highest number shows 0
    QCOMPARE(label(&d, "label_number"), QStringLiteral("0"));
    click(&d, "btn_next");
    QCOMPARE(label(&d, "label_number"), QStringLiteral("1"));
    QCOMPARE(sentFrames(*spy), Frames({pattern(highest), pattern(0), pattern(1)}));
}

void TestUiFeatures::testPatternSwitch()
{
    DialogTestPicCard d;
    d.show();
    auto *next = child<QToolButton>(&d, "btn_next");
    auto *prev = child<QToolButton>(&d, "btn_prev");
    QVERIFY(!next->isEnabled() && !prev->isEnabled());
    d.setDeviceType(18);
    d.setDeviceType(48); // not a KS type: nothing changes
    QCOMPARE(d.highestIndex(), 12);
    click(&d, "btn_switch");
    QVERIFY(next->isEnabled() && prev->isEnabled());
    click(&d, "btn_next");
    click(&d, "btn_next");
    click(&d, "btn_switch");
    QVERIFY(!next->isEnabled() && !prev->isEnabled());
    // Switching on again shows the number it stood at.
    click(&d, "btn_switch");
    QCOMPARE(sentFrames(*spy), Frames({pattern(0), pattern(1), pattern(2), pattern(255), pattern(2)}));
    // A number beyond the range of the next device's type is not kept.
    d.setDeviceType(0);
    for (int i = 0; i < 18; ++i)
        click(&d, "btn_prev"); // 2, 1, 0, 60, ... 45
    QCOMPARE(d.currentIndex(), 45);
    d.setDeviceType(16);
    QCOMPARE(label(&d, "label_number"), QStringLiteral("0"));
    spy->clear();
    click(&d, "btn_next");
    QCOMPARE(sentFrames(*spy), Frames({pattern(1)}));
}

void TestUiFeatures::testPatternWheel()
{
    DialogTestPicCard d;
    d.show();
    d.setDeviceType(16);
    wheel(&d, 120);
    wheel(&d, -120);
    QVERIFY(spy->isEmpty());
    QCOMPARE(label(&d, "label_number"), QStringLiteral("0"));
    click(&d, "btn_switch");
    spy->clear();
    for (int delta : {120, 120, -120, -120, -120})
        wheel(&d, delta);
    QCOMPARE(sentFrames(*spy), Frames({pattern(1), pattern(2), pattern(1), pattern(0), pattern(12)}));
    QCOMPARE(label(&d, "label_number"), QStringLiteral("12"));
}

void TestUiFeatures::testPatternOffOnClose()
{
    DialogTestPicCard d;
    d.show();
    d.setDeviceType(1);
    click(&d, "btn_switch");
    spy->clear();
    d.close();
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(*spy), Frames({pattern(255)}));
    // It opens again switched off, as the device is; the number is kept.
    d.show();
    QVERIFY(!child<QToolButton>(&d, "btn_switch")->isChecked());
    QVERIFY(!child<QToolButton>(&d, "btn_next")->isEnabled());
    click(&d, "btn_switch");
    click(&d, "btn_next");
    d.accept();
    QCOMPARE(sentFrames(*spy), Frames({pattern(255), pattern(0), pattern(1), pattern(255)}));
    // The title bar's close button.
    spy->clear();
    d.show();
    QTest::mouseClick(child<SxDialogTitle>(&d, "dialogTitle")->closeButton(), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(*spy), Frames({pattern(255)}));
}

void TestUiFeatures::usbPlayButtons()
{
    DialogUsbPlay d;
    d.show();
    click(&d, "btn_play");
    click(&d, "btn_play");
    click(&d, "btn_next");
    QVERIFY(child<QToolButton>(&d, "btn_play")->isChecked());
    click(&d, "btn_play");
    click(&d, "btn_prev");
    QVERIFY(child<QToolButton>(&d, "btn_play")->isChecked());
    QCOMPARE(sentFrames(*spy), Frames({hostFrame(0x20, 0x00, {1}), hostFrame(0x20, 0x00, {0}), hostFrame(0x20, 0x00, {2}),
                                       hostFrame(0x20, 0x00, {0}), hostFrame(0x20, 0x00, {3})}));
}

void TestUiFeatures::usbWirelessSwitches()
{
    DialogUsbPlay d;
    d.show();
    auto *wifi = child<QToolButton>(&d, "btn_wifi");
    click(&d, "btn_wifi");
    QVERIFY(wifi->isChecked());
    click(&d, "btn_wirelessScreen");
    QVERIFY(child<QToolButton>(&d, "btn_wirelessScreen")->isChecked());
    QVERIFY(!wifi->isChecked() && !wifi->isEnabled());
    click(&d, "btn_wirelessScreen");
    QVERIFY(wifi->isEnabled() && !wifi->isChecked());
    click(&d, "btn_wifi");
    QCOMPARE(sentFrames(*spy), Frames({hostFrame(0x20, 0x02, {1}), hostFrame(0x20, 0x03, {1}), hostFrame(0x20, 0x03, {0}),
                                       hostFrame(0x20, 0x02, {1})}));
}

void TestUiFeatures::usbRemoteModeBeforeFrame()
{
    DialogUsbPlay d;
    d.show();
    auto *mode = child<QComboBox>(&d, "combo_workMode");
    auto *wifi = child<QToolButton>(&d, "btn_wifi");
    auto *screen = child<QToolButton>(&d, "btn_wirelessScreen");
    QCOMPARE(mode->itemText(1), QStringLiteral("Remote Mode"));
    click(&d, "btn_wifi");
    spy->clear();
    // The switches' state at the moment the work-mode frame leaves.
    QList<bool> atSend;
    connect(ks, &Interface::emitSendData, this, [&](const QByteArray &) {
        atSend << wifi->isChecked() << wifi->isEnabled() << screen->isChecked() << screen->isEnabled();
    });
    mode->setCurrentIndex(1);
    QCOMPARE(atSend, (QList<bool>{false, false, false, false}));
    QCOMPARE(sentFrames(*spy), Frames({hostFrame(0x20, 0x01, {1})}));
    atSend.clear();
    mode->setCurrentIndex(0);
    QCOMPARE(atSend, (QList<bool>{false, true, false, true}));
    QCOMPARE(spy->last().at(0).toByteArray(), hostFrame(0x20, 0x01, {0}));
    disconnect(ks, &Interface::emitSendData, this, nullptr);
}

void TestUiFeatures::nothingSentWithoutDevice()
{
    DialogChromaKey chroma;
    DialogAudio audio;
    DialogTestPicCard pattern;
    DialogUsbPlay usb;
    for (QDialog *d : std::initializer_list<QDialog *>{&chroma, &audio, &pattern, &usb})
        d->show();
    const uint8_t bytes[4] = {0, 0, 0, 0};
    audio.setAudioData(2, bytes, 16);
    DeviceLookup::clear();
    click(&chroma, "btn_apply");
    child<QSpinBox>(&audio, "spin_volume")->setValue(9);
    child<QComboBox>(&audio, "comboBox_window")->setCurrentIndex(1);
    audio.close();
    click(&pattern, "btn_switch");
    click(&pattern, "btn_next");
    pattern.close();
    child<QComboBox>(&usb, "combo_workMode")->setCurrentIndex(1);
    click(&usb, "btn_play");
    QVERIFY(spy->isEmpty());
    // The widgets still follow the operator.
    QCOMPARE(label(&pattern, "label_number"), QStringLiteral("1"));
    QVERIFY(!child<QToolButton>(&usb, "btn_wifi")->isEnabled());
}

QTEST_MAIN(TestUiFeatures)
#include "tst_ui_features.moc"
