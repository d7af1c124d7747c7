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

namespace {
const QString Cpuid = QStringLiteral("0123456789abcdef01234567");

void wheel(QWidget *w, int delta)
{
    const QPointF pos(w->width() / 2, w->height() / 2);
    QWheelEvent e(pos, w->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}
} // namespace

class TestUiFeatures : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void chromaFillAndRows();
    void chromaApplyPresetIgnoresRgbRows();
    void chromaApplyCustom();
    void chromaSwitchAndCloseSendNothing();

    void audioFillSendsNothing();
    void audioVolumeVisibilityByType();
    void audioModeAndWindow();
    void audioMuteVolumeAndReadBackOnClose();
    void audioLanguageSwitchKeepsStateSilently();

    void testPatternRangesAndWrap_data();
    void testPatternRangesAndWrap();
    void testPatternSwitchAndTips();
    void testPatternWheel();
    void testPatternOffOnClose();

    void usbPlayButtons();
    void usbWirelessSwitches();
    void usbRemoteModeBeforeFrame();

    void nothingSentWithoutDevice();
    void pictures();

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

void TestUiFeatures::chromaFillAndRows()
{
    DialogChromaKey d;
    d.show();
    auto *mode = child<QComboBox>(&d, "combo_mode");
    auto *colorFilter = child<QComboBox>(&d, "combo_colorFilter");
    auto *red = child<QSpinBox>(&d, "spinBox_red");
    // Preset mode at the start: only the colour filter row.
    QVERIFY(colorFilter->isVisible());
    QVERIFY(!red->isVisible());

    INFO_CHROMA c;
    c.winId = 2;
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
    QCOMPARE(red->value(), 10);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_green")->value(), 20);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_blue")->value(), 30);
    QVERIFY(child<QToolButton>(&d, "btn_onoff")->isChecked());
    QVERIFY(!colorFilter->isVisible());
    QVERIFY(red->isVisible());
    mode->setCurrentIndex(0);
    QVERIFY(colorFilter->isVisible());
    QVERIFY(!red->isVisible());

    // Bytes from the device that name no item leave the combos on a valid item.
    INFO_CHROMA bad = c;
    bad.mode = 7;
    bad.presetColor = 200;
    bad.rgbFilter1 = 9;
    d.setChromaData(0, bad);
    QVERIFY(mode->currentIndex() >= 0);
    QVERIFY(colorFilter->currentIndex() >= 0 && colorFilter->currentIndex() < 5);
    QVERIFY(spy->isEmpty());
}

void TestUiFeatures::chromaApplyPresetIgnoresRgbRows()
{
    DialogChromaKey d;
    INFO_CHROMA c;
    c.mode = 0;
    c.enable = 1;
    c.presetColor = 1;
    c.rgbFilter1 = 1;
    c.rgbFilter2 = 1;
    c.red = 11;
    c.green = 22;
    c.blue = 33;
    d.setChromaData(4, c);
    QTest::mouseClick(child<QPushButton>(&d, "btn_apply"), Qt::LeftButton);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0D, 0x00, {4, 0, 1, 1}));
}

void TestUiFeatures::chromaApplyCustom()
{
    DialogChromaKey d;
    d.show();
    d.setChromaData(1, INFO_CHROMA());
    child<QComboBox>(&d, "combo_mode")->setCurrentIndex(1);
    child<QComboBox>(&d, "combo_RGBFilter1")->setCurrentIndex(1);
    child<QComboBox>(&d, "combo_RGBFilter2")->setCurrentIndex(0);
    child<QSpinBox>(&d, "spinBox_red")->setValue(0x12);
    child<QSpinBox>(&d, "spinBox_green")->setValue(0x34);
    child<QSpinBox>(&d, "spinBox_blue")->setValue(0xFE);
    QTest::mouseClick(child<QToolButton>(&d, "btn_onoff"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(&d, "btn_apply"), Qt::LeftButton);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0D, 0x00, {1, 1, 1, 1, 0, 0x12, 0x34, 0xFE}));
}

void TestUiFeatures::chromaSwitchAndCloseSendNothing()
{
    DialogChromaKey d;
    d.show();
    auto *onoff = child<QToolButton>(&d, "btn_onoff");
    QTest::mouseClick(onoff, Qt::LeftButton);
    QVERIFY(onoff->isChecked());
    QTest::mouseClick(child<QPushButton>(&d, "btn_c"), Qt::LeftButton);
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
    QCOMPARE(mode->currentIndex(), 1);
    QCOMPARE(win->count(), 4);
    QCOMPARE(win->itemText(3), QStringLiteral("window 4"));
    QCOMPARE(win->currentIndex(), 2);
    QVERIFY(!win->isEnabled());
    QVERIFY(child<QToolButton>(&d, "toolButton")->isChecked());
    QCOMPARE(child<QSpinBox>(&d, "spin_volume")->value(), 17);

    // A second fill changes every widget again, still without a frame.
    const uint8_t other[4] = {0, 1, 0, 3};
    d.setAudioData(2, other, 16);
    QCOMPARE(win->count(), 2);
    QVERIFY(win->isEnabled());
    QCOMPARE(child<QSpinBox>(&d, "spin_volume")->value(), 3);

    // A window byte beyond the window count keeps a valid selection.
    const uint8_t beyond[4] = {0, 9, 0, 200};
    d.setAudioData(2, beyond, 16);
    QVERIFY(win->currentIndex() >= 0 && win->currentIndex() < 2);
    QCOMPARE(child<QSpinBox>(&d, "spin_volume")->value(), 30);
    QVERIFY(spy->isEmpty());
}

void TestUiFeatures::audioVolumeVisibilityByType()
{
    DialogAudio d;
    d.show();
    const uint8_t audio[4] = {0, 0, 0, 5};
    auto *volume = child<QSpinBox>(&d, "spin_volume");
    d.setAudioData(2, audio, 3);
    QVERIFY(!volume->isVisible());
    d.setAudioData(2, audio, 20);
    QVERIFY(volume->isVisible());
    d.setAudioData(2, audio, 48); // unknown to the dialog: visibility stays
    QVERIFY(volume->isVisible());
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
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x07, 0x00, {0, 2}) << hostFrame(0x07, 0x00, {0, 1})
                                             << hostFrame(0x07, 0x00, {1, 1}));
}

void TestUiFeatures::audioMuteVolumeAndReadBackOnClose()
{
    DialogAudio d;
    d.show();
    const uint8_t audio[4] = {0, 0, 0, 10};
    d.setAudioData(1, audio, 17);
    auto *mute = child<QToolButton>(&d, "toolButton");
    QTest::mouseClick(mute, Qt::LeftButton);
    QTest::mouseClick(mute, Qt::LeftButton);
    child<QSpinBox>(&d, "spin_volume")->setValue(30);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x07, 0x01, {1}) << hostFrame(0x07, 0x01, {0})
                                             << hostFrame(0x07, 0x02, {30}));
    spy->clear();
    d.close();
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0xEE, 0x00));

    // Rejecting by key (Escape) reads back too.
    spy->clear();
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0xEE, 0x00));
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
    QCOMPARE(child<QComboBox>(&d, "comboBox_workMode")->itemData(1).toInt(), 1);
    QVERIFY(spy->isEmpty());
    // Still live afterwards.
    win->setCurrentIndex(0);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x07, 0x00, {0, 0}));
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
    QTest::mouseClick(child<QToolButton>(&d, "btn_switch"), Qt::LeftButton);
    auto *next = child<QToolButton>(&d, "btn_next");
    auto *prev = child<QToolButton>(&d, "btn_prev");
    auto *number = child<QLabel>(&d, "label_number");
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {0}));

    spy->clear();
    QTest::mouseClick(prev, Qt::LeftButton); // below 0 wraps to the highest number
    QCOMPARE(number->text(), QString::number(highest));
    QTest::mouseClick(next, Qt::LeftButton); // Next on the highest number shows 0
    QCOMPARE(number->text(), QStringLiteral("0"));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(number->text(), QStringLiteral("1"));
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {highest}) << hostFrame(0x0B, 0x00, {0})
                                             << hostFrame(0x0B, 0x00, {1}));
}

void TestUiFeatures::testPatternSwitchAndTips()
{
    DialogTestPicCard d;
    d.show();
    auto *sw = child<QToolButton>(&d, "btn_switch");
    auto *next = child<QToolButton>(&d, "btn_next");
    auto *prev = child<QToolButton>(&d, "btn_prev");
    auto *tips = child<QLabel>(&d, "label_tips");
    QVERIFY(!next->isEnabled());
    QVERIFY(!prev->isEnabled());

    d.setDeviceType(0);
    QVERIFY(tips->isVisible());
    d.setDeviceType(18);
    QVERIFY(!tips->isVisible());
    d.setDeviceType(48); // not a KS type: nothing changes
    QCOMPARE(d.highestIndex(), 12);
    QVERIFY(!tips->isVisible());

    QTest::mouseClick(sw, Qt::LeftButton);
    QVERIFY(next->isEnabled() && prev->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(sw, Qt::LeftButton);
    QVERIFY(!next->isEnabled() && !prev->isEnabled());
    // Switching on again shows the number it stood at.
    QTest::mouseClick(sw, Qt::LeftButton);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {0}) << hostFrame(0x0B, 0x00, {1})
                                             << hostFrame(0x0B, 0x00, {2}) << hostFrame(0x0B, 0x00, {255})
                                             << hostFrame(0x0B, 0x00, {2}));

    // A number beyond the range of the next device's type is not kept.
    d.setDeviceType(0);
    for (int i = 0; i < 18; ++i)
        QTest::mouseClick(prev, Qt::LeftButton); // 2, 1, 0, 60, ... 45
    QCOMPARE(d.currentIndex(), 45);
    d.setDeviceType(16);
    QCOMPARE(child<QLabel>(&d, "label_number")->text(), QStringLiteral("0"));
    spy->clear();
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {1}));
}

void TestUiFeatures::testPatternWheel()
{
    DialogTestPicCard d;
    d.show();
    d.setDeviceType(16);
    wheel(&d, 120);
    wheel(&d, -120);
    QVERIFY(spy->isEmpty());
    QCOMPARE(child<QLabel>(&d, "label_number")->text(), QStringLiteral("0"));

    QTest::mouseClick(child<QToolButton>(&d, "btn_switch"), Qt::LeftButton);
    spy->clear();
    wheel(&d, 120);
    wheel(&d, 120);
    wheel(&d, -120);
    wheel(&d, -120);
    wheel(&d, -120);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {1}) << hostFrame(0x0B, 0x00, {2})
                                             << hostFrame(0x0B, 0x00, {1}) << hostFrame(0x0B, 0x00, {0})
                                             << hostFrame(0x0B, 0x00, {12}));
    QCOMPARE(child<QLabel>(&d, "label_number")->text(), QStringLiteral("12"));

}

void TestUiFeatures::testPatternOffOnClose()
{
    DialogTestPicCard d;
    d.show();
    d.setDeviceType(1);
    QTest::mouseClick(child<QToolButton>(&d, "btn_switch"), Qt::LeftButton);
    spy->clear();
    d.close();
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {255}));

    // It opens again switched off, as the device is; the number is kept.
    d.show();
    QVERIFY(!child<QToolButton>(&d, "btn_switch")->isChecked());
    QVERIFY(!child<QToolButton>(&d, "btn_next")->isEnabled());
    QVERIFY(!child<QToolButton>(&d, "btn_prev")->isEnabled());
    QTest::mouseClick(child<QToolButton>(&d, "btn_switch"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(&d, "btn_next"), Qt::LeftButton);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {255}) << hostFrame(0x0B, 0x00, {0})
                                             << hostFrame(0x0B, 0x00, {1}));

    spy->clear();
    d.accept();
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {255}));

    // The title bar's close button.
    spy->clear();
    d.show();
    QCOMPARE(child<SxDialogTitle>(&d, "dialogTitle")->title(), QStringLiteral("TestPicCard"));
    QTest::mouseClick(child<SxDialogTitle>(&d, "dialogTitle")->closeButton(), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x0B, 0x00, {255}));
}

void TestUiFeatures::usbPlayButtons()
{
    DialogUsbPlay d;
    d.show();
    auto *play = child<QToolButton>(&d, "btn_play");
    QTest::mouseClick(play, Qt::LeftButton);
    QTest::mouseClick(play, Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(&d, "btn_next"), Qt::LeftButton);
    QVERIFY(play->isChecked());
    QTest::mouseClick(play, Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(&d, "btn_prev"), Qt::LeftButton);
    QVERIFY(play->isChecked());
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x20, 0x00, {1}) << hostFrame(0x20, 0x00, {0})
                                             << hostFrame(0x20, 0x00, {2}) << hostFrame(0x20, 0x00, {0})
                                             << hostFrame(0x20, 0x00, {3}));
}

void TestUiFeatures::usbWirelessSwitches()
{
    DialogUsbPlay d;
    d.show();
    auto *wifi = child<QToolButton>(&d, "btn_wifi");
    auto *screen = child<QToolButton>(&d, "btn_wirelessScreen");
    QTest::mouseClick(wifi, Qt::LeftButton);
    QVERIFY(wifi->isChecked());
    QTest::mouseClick(screen, Qt::LeftButton);
    QVERIFY(screen->isChecked());
    QVERIFY(!wifi->isChecked());
    QVERIFY(!wifi->isEnabled());
    QTest::mouseClick(screen, Qt::LeftButton);
    QVERIFY(wifi->isEnabled());
    QVERIFY(!wifi->isChecked());
    QTest::mouseClick(wifi, Qt::LeftButton);
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x20, 0x02, {1}) << hostFrame(0x20, 0x03, {1})
                                             << hostFrame(0x20, 0x03, {0}) << hostFrame(0x20, 0x02, {1}));
}

void TestUiFeatures::usbRemoteModeBeforeFrame()
{
    DialogUsbPlay d;
    d.show();
    auto *mode = child<QComboBox>(&d, "combo_workMode");
    auto *wifi = child<QToolButton>(&d, "btn_wifi");
    auto *screen = child<QToolButton>(&d, "btn_wirelessScreen");
    QCOMPARE(mode->itemText(1), QStringLiteral("Remote Mode"));
    QTest::mouseClick(wifi, Qt::LeftButton);
    spy->clear();

    // The switches' state at the moment the work-mode frame leaves.
    QList<bool> atSend;
    connect(ks, &Interface::emitSendData, this, [&](const QByteArray &) {
        atSend << wifi->isChecked() << wifi->isEnabled() << screen->isChecked() << screen->isEnabled();
    });
    mode->setCurrentIndex(1);
    QCOMPARE(atSend, (QList<bool>{false, false, false, false}));
    QCOMPARE(sentFrames(*spy), QList<QByteArray>() << hostFrame(0x20, 0x01, {1}));

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
    chroma.show();
    audio.show();
    pattern.show();
    usb.show();
    const uint8_t bytes[4] = {0, 0, 0, 0};
    audio.setAudioData(2, bytes, 16);

    DeviceLookup::clear();
    QTest::mouseClick(child<QPushButton>(&chroma, "btn_apply"), Qt::LeftButton);
    child<QSpinBox>(&audio, "spin_volume")->setValue(9);
    child<QComboBox>(&audio, "comboBox_window")->setCurrentIndex(1);
    audio.close();
    QTest::mouseClick(child<QToolButton>(&pattern, "btn_switch"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(&pattern, "btn_next"), Qt::LeftButton);
    pattern.close();
    child<QComboBox>(&usb, "combo_workMode")->setCurrentIndex(1);
    QTest::mouseClick(child<QToolButton>(&usb, "btn_play"), Qt::LeftButton);
    QVERIFY(spy->isEmpty());
    // The widgets still follow the operator.
    QCOMPARE(child<QLabel>(&pattern, "label_number")->text(), QStringLiteral("1"));
    QVERIFY(!child<QToolButton>(&usb, "btn_wifi")->isEnabled());
}

// With VP_SCREENSHOT_DIR set each dialog is saved there as a picture for a look by eye.
void TestUiFeatures::pictures()
{
    const QString dir = qEnvironmentVariable("VP_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("VP_SCREENSHOT_DIR not set");
    DialogChromaKey chroma;
    DialogAudio audio;
    DialogTestPicCard pattern;
    DialogUsbPlay usb;
    INFO_CHROMA c;
    c.mode = 1;
    c.enable = 1;
    chroma.setChromaData(0, c);
    const uint8_t bytes[4] = {0, 1, 1, 12};
    audio.setAudioData(4, bytes, 16);
    pattern.setDeviceType(0);
    for (QDialog *f : {static_cast<QDialog *>(&chroma), static_cast<QDialog *>(&audio),
                       static_cast<QDialog *>(&pattern), static_cast<QDialog *>(&usb)}) {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(f->grab().save(dir + QLatin1Char('/') + f->metaObject()->className() + QStringLiteral(".png")));
    }
}

QTEST_MAIN(TestUiFeatures)
#include "tst_ui_features.moc"
