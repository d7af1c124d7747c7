// KX image quality against a real KS9200Interface reached through DeviceLookup: the group frames
// (colour temperature, RGBCMY with its group selector, image effects, expert formats) byte for
// byte, the records they update, the reset of every window and fills that leave the dialog empty.
#include "BoxCatcher.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DialogKXImageQuality.h"
#include "KS9200Interface.h"
#include "RecordBuilders.h"
#include "UiLookup.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

using namespace RecordBuilders;

namespace {
const QString Cpuid = QStringLiteral("0a0b0c0d0e0f101112131415");
}

class TestUiKxQuality : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void groupFramesForOneWindow();
    void lastGroupChangeWins();
    void allWindowsTakeTheWholeGroup();
    void basicCodesGammaAndColourMode();
    void resetEveryWindow();
    void fillsThatDoNotPairUpLeaveItEmpty();

private:
    // Fires the send timer as its 200 ms would; it must be running.
    void send();

    DEVICE_INFO_KS record;
    KS9200Interface *ks = nullptr;
    DialogKXImageQuality *dlg = nullptr;
    QSignalSpy *spy = nullptr;
};

void TestUiKxQuality::initTestCase()
{
    registerRecordTypes();
    record.cpuid = Cpuid;
    record.type = 17;
}

void TestUiKxQuality::init()
{
    ks = new KS9200Interface(Cpuid);
    DeviceLookup::install([this](const QString &) -> INFO_BASIC * { return &record; },
                          [this](const QString &) -> Interface * { return ks; }, [] { return Cpuid; });
    dlg = new DialogKXImageQuality;
    dlg->setImageQuality(imageQualityList(2), imageAdvancedList(2));
    spy = new QSignalSpy(ks, &Interface::emitSendData);
}

void TestUiKxQuality::cleanup()
{
    delete spy;
    delete dlg;
    DeviceLookup::clear();
    delete ks;
}

void TestUiKxQuality::send()
{
    QVERIFY(dlg->sendTimer()->isActive());
    QCOMPARE(dlg->sendTimer()->interval(), 200);
    QVERIFY(QMetaObject::invokeMethod(dlg, "onTimerSend"));
    QVERIFY(!dlg->sendTimer()->isActive());
}

void TestUiKxQuality::groupFramesForOneWindow()
{
    child<QComboBox>(dlg, "combo_window")->setCurrentIndex(2);
    QCOMPARE(child<QSpinBox>(dlg, "spinBox_colorTemp_red")->value(), 11);
    QCOMPARE(child<QSpinBox>(dlg, "spinBox_rgbcmy_red")->value(), 41);
    QVERIFY(spy->isEmpty());

    // Colour temperature: mode, red, green, blue of the second window.
    child<QSlider>(dlg, "slider_colorTemp_green")->setValue(70);
    send();
    QCOMPARE(sentFrames(*spy), QList<QByteArray>({hostFrame(0x01, 0x0A, {1, 3, 11, 70, 31})}));
    QCOMPARE(int(dlg->records().value(1).advanced.colorTempGreen), 70);
    QCOMPARE(int(dlg->records().value(0).advanced.colorTempGreen), 20);

    // The group selector only shows another of the three groups.
    spy->clear();
    child<QComboBox>(dlg, "combo_rgbcmy")->setCurrentIndex(1);
    QVERIFY(!dlg->sendTimer()->isActive());
    QCOMPARE(child<QSpinBox>(dlg, "spinBox_rgbcmy_red")->value(), 51);
    QCOMPARE(child<QSpinBox>(dlg, "spinBox_rgbcmy_yellow")->value(), 56);
    child<QSpinBox>(dlg, "spinBox_rgbcmy_cyan")->setValue(90);
    send();
    QCOMPARE(sentFrames(*spy), QList<QByteArray>({hostFrame(0x01, 0x0C, {1, 1, 51, 52, 53, 90, 55, 56})}));
    const INFO_IMAGE_ADVANCED a = dlg->records().value(1).advanced;
    QCOMPARE(int(a.rgbcmy[1].cyan), 90);
    QCOMPARE(int(a.rgbcmy[0].cyan), 44);
    QCOMPARE(int(a.rgbcmy[2].cyan), 64);
    // Back to the first group and again to the second: the edit is kept in the record.
    child<QComboBox>(dlg, "combo_rgbcmy")->setCurrentIndex(0);
    QCOMPARE(child<QSpinBox>(dlg, "spinBox_rgbcmy_cyan")->value(), 44);
    child<QComboBox>(dlg, "combo_rgbcmy")->setCurrentIndex(1);
    QCOMPARE(child<QSpinBox>(dlg, "spinBox_rgbcmy_cyan")->value(), 90);

    // Image effects: Clear Vision, luminance, skin tone, Gaussian blur.
    spy->clear();
    child<QSpinBox>(dlg, "spinBox_effect_skinTone")->setValue(33);
    send();
    QCOMPARE(sentFrames(*spy), QList<QByteArray>({hostFrame(0x01, 0x0D, {1, 2, 6, 33, 8})}));

    // Expert: gamut, input range, input format, window format.
    spy->clear();
    child<QComboBox>(dlg, "combo_expert_inFMT")->setCurrentIndex(4);
    send();
    QCOMPARE(sentFrames(*spy), QList<QByteArray>({hostFrame(0x01, 0x0E, {1, 4, 1, 4, 2})}));
    QCOMPARE(int(dlg->records().value(1).advanced.inFMT), 4);

    // Choosing a colour-temperature preset reloads the three sliders from the record first.
    spy->clear();
    child<QSlider>(dlg, "slider_colorTemp_red")->blockSignals(true);
    child<QSlider>(dlg, "slider_colorTemp_red")->setValue(99);
    child<QSlider>(dlg, "slider_colorTemp_red")->blockSignals(false);
    child<QComboBox>(dlg, "combo_colorTemp")->setCurrentIndex(1);
    QCOMPARE(child<QSlider>(dlg, "slider_colorTemp_red")->value(), 11);
    send();
    QCOMPARE(sentFrames(*spy), QList<QByteArray>({hostFrame(0x01, 0x0A, {1, 1, 11, 70, 31})}));
    QCOMPARE(int(dlg->records().value(1).advanced.colorTempMode), 1);
}

void TestUiKxQuality::lastGroupChangeWins()
{
    child<QComboBox>(dlg, "combo_window")->setCurrentIndex(1);
    child<QSlider>(dlg, "slider_colorTemp_red")->setValue(80);
    child<QSpinBox>(dlg, "spinBox_effect_luminance")->setValue(60);
    QCOMPARE(dlg->pendingCode(), int(DialogKXImageQuality::EffectLuminance));
    send();
    QCOMPARE(sentFrames(*spy), QList<QByteArray>({hostFrame(0x01, 0x0D, {0, 2, 60, 6, 7})}));
    QCOMPARE(int(dlg->records().value(0).advanced.luminance), 60);
}

void TestUiKxQuality::allWindowsTakeTheWholeGroup()
{
    // "All window" shows the first window; its group values go to every window.
    QCOMPARE(child<QComboBox>(dlg, "combo_window")->currentIndex(), 0);
    child<QComboBox>(dlg, "combo_expert_colorGamut")->setCurrentIndex(6);
    send();
    QCOMPARE(sentFrames(*spy), QList<QByteArray>({hostFrame(0x01, 0x0E, {0xFF, 6, 1, 3, 2})}));
    for (const DialogKXImageQuality::WindowPicture &p : dlg->records()) {
        QCOMPARE(int(p.advanced.colorGamut), 6);
        QCOMPARE(int(p.advanced.inFMT), 3);
    }
    QCOMPARE(dlg->records().size(), 2);
}

void TestUiKxQuality::basicCodesGammaAndColourMode()
{
    child<QComboBox>(dlg, "combo_window")->setCurrentIndex(2);
    child<QComboBox>(dlg, "combo_gamma")->setCurrentIndex(4);
    send();
    child<QComboBox>(dlg, "combo_colorMode")->setCurrentIndex(3);
    send();
    child<QSlider>(dlg, "slider_blue")->setValue(-7);
    send();
    QCOMPARE(sentFrames(*spy),
             QList<QByteArray>({hostFrame(0x01, 0x09, {1, 4}), hostFrame(0x01, 0x0B, {1, 3}),
                                hostFrame(0x01, 0x08, {1, 0xF9})}));
    const DialogKXImageQuality::WindowPicture p = dlg->records().value(1);
    QCOMPARE(int(p.basic.gamma), 4);
    QCOMPARE(int(p.advanced.colorMode), 3);
    QCOMPARE(int(p.basic.blueOffset), -7);
    // The gains of the GW family are not touched by codes 9 and 11.
    QCOMPARE(int(p.basic.redGain), 0);
    QCOMPARE(int(p.basic.blueGain), 0);
}

void TestUiKxQuality::resetEveryWindow()
{
    child<QComboBox>(dlg, "combo_window")->setCurrentIndex(2);
    child<QSlider>(dlg, "slider_brightness")->setValue(90);
    send();
    child<QSlider>(dlg, "slider_red")->setValue(20);
    spy->clear();
    {
        BoxCatcher boxes;
        boxes.answer = QMessageBox::Cancel;
        child<QPushButton>(dlg, "btn_reset")->click();
        QCOMPARE(boxes.texts, QStringList({QStringLiteral("Reset All Picture Params?")}));
        QCOMPARE(boxes.titles, QStringList({QStringLiteral("tips")}));
    }
    QVERIFY(spy->isEmpty());
    QCOMPARE(int(dlg->records().value(1).basic.brightness), 90);

    BoxCatcher boxes;
    boxes.answer = QMessageBox::Yes;
    child<QPushButton>(dlg, "btn_reset")->click();
    // One reset for all windows, even with the second window chosen; the waiting change is dropped.
    QCOMPARE(sentFrames(*spy), QList<QByteArray>({hostFrame(0x01, 0xFF, {0xFF, 0})}));
    QVERIFY(!dlg->sendTimer()->isActive());
    for (const DialogKXImageQuality::WindowPicture &p : dlg->records()) {
        QCOMPARE(int(p.basic.brightness), 50);
        QCOMPARE(int(p.basic.sharpness), 12);
        QCOMPARE(int(p.basic.gamma), 2);
        QCOMPARE(int(p.basic.redOffset), 0);
    }
    QCOMPARE(child<QSpinBox>(dlg, "spinBox_brightness")->value(), 50);
    QCOMPARE(child<QSpinBox>(dlg, "spinBox_red")->value(), 0);
    QCOMPARE(child<QComboBox>(dlg, "combo_gamma")->currentIndex(), 2);
}

void TestUiKxQuality::fillsThatDoNotPairUpLeaveItEmpty()
{
    auto *window = child<QComboBox>(dlg, "combo_window");
    QCOMPARE(window->count(), 3);
    // A change waiting from the earlier fill must not go out to a window of the new one.
    child<QSlider>(dlg, "slider_hue")->setValue(70);
    dlg->setImageQuality(imageQualityList(3), imageAdvancedList(2));
    QVERIFY(dlg->records().isEmpty());
    QCOMPARE(window->count(), 0);
    // Nothing to edit: the controls show the defaults, not the values of the earlier fill.
    QCOMPARE(child<QSlider>(dlg, "slider_hue")->value(), 50);
    QVERIFY(!dlg->sendTimer()->isActive());
    child<QSlider>(dlg, "slider_hue")->setValue(20);
    QVERIFY(QMetaObject::invokeMethod(dlg, "onTimerSend"));
    QVERIFY(spy->isEmpty());

    dlg->setImageQuality({}, {});
    QCOMPARE(window->count(), 0);
    dlg->setImageQuality(imageQualityList(1), imageAdvancedList(1));
    QCOMPARE(window->count(), 2);
    QCOMPARE(window->itemText(1), QStringLiteral("window 1"));
    QVERIFY(spy->isEmpty());

    // A new dialog, before any values arrived, shows the defaults too.
    DialogKXImageQuality fresh;
    const QList<QPair<const char *, int>> defaults = {{"slider_brightness", 50}, {"slider_contrast", 50},
                                                      {"slider_sharpness", 12},  {"slider_hue", 50},
                                                      {"slider_saturation", 50}, {"slider_red", 0}};
    for (const auto &d : defaults)
        QCOMPARE(child<QSlider>(&fresh, d.first)->value(), d.second);
    QCOMPARE(child<QComboBox>(&fresh, "combo_gamma")->currentIndex(), 2);
}

QTEST_MAIN(TestUiKxQuality)
#include "tst_ui_kxquality.moc"
