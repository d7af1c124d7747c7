// Chroma key, audio, test pattern and USB play dialogs driven by their widgets, with a KS9200 as current device.
#include "DialogAudio.h"
#include "DialogChromaKey.h"
#include "DialogTestPicCard.h"
#include "DialogUsbPlay.h"
#include "DlgDevice.h"
#include "SxDialogTitle.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

using namespace RecordBuilders;
using Frames = QList<QByteArray>;


static void wheel(QWidget *w, int delta)
{
    const QPointF pos(w->width() / 2, w->height() / 2);
    QWheelEvent e(pos, w->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}


static QByteArray pattern(int number) { return hostFrame(0x0B, 0x00, {number}); }

static QString label(QWidget *d, const char *name) { return child<QLabel>(d, name)->text(); }

class TestUiFeatures : public QObject
{
    Q_OBJECT
private slots:
    void init() { dev = new KsDevice(KsId, 0); }
    void cleanup() { delete dev; }
    // Bytes from the device that name no item leave the combos on a valid item; switching and closing send nothing.
    void chromaFillSwitchAndClose()
    {
        DialogChromaKey d;
        d.setChromaData(2, INFO_CHROMA{0, 7, 0, 200, 9});
        QCOMPARE(child<SxDialogTitle>(&d, "dialogTitle")->title(), QStringLiteral("Chroma Key - Window3"));
        for (const char *combo : {"combo_mode", "combo_colorFilter", "combo_RGBFilter1"})
            QVERIFY(child<QComboBox>(&d, combo)->currentIndex() >= 0);
        QVERIFY(child<QComboBox>(&d, "combo_colorFilter")->currentIndex() < 5);
        d.show();
        press(&d, "btn_onoff");
        press(&d, "btn_c");
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(dev->spy.isEmpty());
    }
    void chromaApply_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("params");
        // Window 5 filled with enable 1, preset colour 1, filters 1 and 0, RGB 12 34 FE; one widget changed.
        QTest::newRow("preset colour") << 0 << QByteArray("combo_colorFilter") << 3 << QList<int>{4, 0, 1, 3};
        QTest::newRow("preset to custom") << 0 << QByteArray("combo_mode") << 1 << QList<int>{4, 1, 1, 1, 0, 0x12, 0x34, 0xFE};
        QTest::newRow("custom to preset") << 1 << QByteArray("combo_mode") << 0 << QList<int>{4, 0, 1, 1};
        QTest::newRow("custom switched off") << 1 << QByteArray("btn_onoff") << 0 << QList<int>{4, 1, 0, 1, 0, 0x12, 0x34, 0xFE};
        QTest::newRow("filter 1") << 1 << QByteArray("combo_RGBFilter1") << 0 << QList<int>{4, 1, 1, 0, 0, 0x12, 0x34, 0xFE};
        QTest::newRow("filter 2") << 1 << QByteArray("combo_RGBFilter2") << 1 << QList<int>{4, 1, 1, 1, 1, 0x12, 0x34, 0xFE};
        QTest::newRow("red") << 1 << QByteArray("spinBox_red") << 7 << QList<int>{4, 1, 1, 1, 0, 7, 0x34, 0xFE};
        QTest::newRow("green") << 1 << QByteArray("spinBox_green") << 8 << QList<int>{4, 1, 1, 1, 0, 0x12, 8, 0xFE};
        QTest::newRow("blue") << 1 << QByteArray("spinBox_blue") << 255 << QList<int>{4, 1, 1, 1, 0, 0x12, 0x34, 255};
    }
    void chromaApply()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, field);
        QFETCH(int, value);
        QFETCH(QList<int>, params);
        DialogChromaKey d;
        d.show();
        d.setChromaData(4, INFO_CHROMA{0, uint8_t(mode), 1, 1, 1, 0, 0x12, 0x34, 0xFE});
        if (field == "btn_onoff")
            press(&d, field);
        else
            QVERIFY(setField(child<QWidget>(&d, field), value));
        QVERIFY(dev->spy.isEmpty());
        press(&d, "btn_apply");
        QCOMPARE(dev->frames(), Frames({hostFrameOf(0x0D, 0x00, params)}));
    }
    // Filling and a change of language send nothing; the dialog stays live afterwards.
    void audioFillAndLanguageSendNothing()
    {
        DialogAudio d;
        d.show();
        const uint8_t audio[4] = {1, 2, 1, 17};
        d.setAudioData(4, audio, 16);
        auto *win = child<QComboBox>(&d, "comboBox_window");
        auto check = [&] {
            QCOMPARE(fieldValues(&d, {"comboBox_workMode", "comboBox_window", "spin_volume"}), QList<int>({1, 2, 17}));
            QCOMPARE(win->count(), 4);
            QCOMPARE(win->itemText(3), QStringLiteral("window 4"));
            QVERIFY(!win->isEnabled() && child<QToolButton>(&d, "toolButton")->isChecked());
        };
        check();
        d.switchLanguage();
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&d, &change);
        check();
        // "follow switch": the window does not matter to the device.
        win->setCurrentIndex(1);
        QVERIFY(dev->spy.isEmpty());
        setFields(&d, {{"comboBox_workMode", 0}});
        QVERIFY(win->isEnabled());
        setFields(&d, {{"comboBox_window", 0}, {"comboBox_workMode", 1}});
        QVERIFY(!win->isEnabled());
        QCOMPARE(dev->frames(),
                 Frames({hostFrame(0x07, 0x00, {0, 1}), hostFrame(0x07, 0x00, {0, 0}), hostFrame(0x07, 0x00, {1, 0})}));
        // A window byte beyond the window count keeps a valid selection; the volume is held at 30.
        dev->spy.clear();
        const uint8_t beyond[4] = {0, 9, 0, 200};
        d.setAudioData(2, beyond, 16);
        QVERIFY(win->currentIndex() >= 0 && win->currentIndex() < 2);
        QCOMPARE(fieldValues(&d, {"spin_volume"}), QList<int>({30}));
        QVERIFY(dev->spy.isEmpty());
    }
    void audioMuteVolumeAndReadBackOnClose()
    {
        DialogAudio d;
        d.show();
        const uint8_t audio[4] = {0, 0, 0, 10};
        d.setAudioData(1, audio, 17);
        press(&d, "toolButton");
        press(&d, "toolButton");
        setFields(&d, {{"spin_volume", 30}});
        QCOMPARE(dev->frames(),
                 Frames({hostFrame(0x07, 0x01, {1}), hostFrame(0x07, 0x01, {0}), hostFrame(0x07, 0x02, {30})}));
        for (bool byKey : {false, true}) { // closed, or rejected by Escape: both read back
            dev->spy.clear();
            d.show();
            byKey ? QTest::keyClick(&d, Qt::Key_Escape) : void(d.close());
            QVERIFY(!d.isVisible());
            QCOMPARE(dev->frames(), Frames({hostFrame(0xEE, 0x00)}));
        }
    }
    void testPatternRangesAndWrap_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("highest");
        for (int t : {0, 1, 2, 3, 4, 16, 17, 18, 20})
            QTest::addRow("type %d", t) << t << (t < 16 ? 60 : 12);
    }
    void testPatternRangesAndWrap()
    {
        QFETCH(int, type);
        QFETCH(int, highest);
        DialogTestPicCard d;
        d.show();
        d.setDeviceType(type);
        wheel(&d, 120); // switched off: the wheel neither moves nor sends
        press(&d, "btn_switch");
        QCOMPARE(dev->frames(), Frames({pattern(0)}));
        dev->spy.clear();
        wheel(&d, -120); // below 0 wraps to the highest number, above it to 0, by wheel and by button
        QCOMPARE(label(&d, "label_number"), QString::number(highest));
        for (const char *b : {"btn_next", "btn_prev"})
            press(&d, b);
        wheel(&d, 120);
        press(&d, "btn_next");
        QCOMPARE(label(&d, "label_number"), QStringLiteral("1"));
        QCOMPARE(dev->frames(), Frames({pattern(highest), pattern(0), pattern(highest), pattern(0), pattern(1)}));
    }
    void testPatternSwitch()
    {
        DialogTestPicCard d;
        d.show();
        auto *next = child<QToolButton>(&d, "btn_next");
        auto *prev = child<QToolButton>(&d, "btn_prev");
        QVERIFY(!next->isEnabled() && !prev->isEnabled());
        d.setDeviceType(18);
        d.setDeviceType(48); // not a KS type: nothing changes
        QCOMPARE(d.highestIndex(), 12);
        press(&d, "btn_switch");
        QVERIFY(next->isEnabled() && prev->isEnabled());
        for (const char *b : {"btn_next", "btn_next", "btn_switch"})
            press(&d, b);
        QVERIFY(!next->isEnabled() && !prev->isEnabled());
        // Switching on again shows the number it stood at.
        press(&d, "btn_switch");
        QCOMPARE(dev->frames(), Frames({pattern(0), pattern(1), pattern(2), pattern(255), pattern(2)}));
        // A number beyond the range of the next device's type is not kept.
        d.setDeviceType(0);
        for (int i = 0; i < 18; ++i)
            press(&d, "btn_prev"); // 2, 1, 0, 60, ... 45
        QCOMPARE(d.currentIndex(), 45);
        d.setDeviceType(16);
        QCOMPARE(label(&d, "label_number"), QStringLiteral("0"));
        dev->spy.clear();
        press(&d, "btn_next");
        // Closing switches it off; it opens again switched off, as the device is, and keeps the number.
        d.close();
        QVERIFY(!d.isVisible());
        d.show();
        QVERIFY(!child<QToolButton>(&d, "btn_switch")->isChecked() && !next->isEnabled());
        press(&d, "btn_switch");
        press(&d, "btn_next");
        d.accept();
        QCOMPARE(dev->frames(), Frames({pattern(1), pattern(255), pattern(1), pattern(2), pattern(255)}));
        dev->spy.clear();
        d.show();
        QTest::mouseClick(child<SxDialogTitle>(&d, "dialogTitle")->closeButton(), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(dev->frames(), Frames({pattern(255)}));
    }
    void usbButtonsAndRemoteMode()
    {
        DialogUsbPlay d;
        d.show();
        auto *play = child<QToolButton>(&d, "btn_play");
        auto *wifi = child<QToolButton>(&d, "btn_wifi");
        auto *screen = child<QToolButton>(&d, "btn_wirelessScreen");
        for (const char *b : {"btn_play", "btn_play", "btn_next"})
            press(&d, b);
        QVERIFY(play->isChecked());
        press(&d, "btn_play");
        press(&d, "btn_prev");
        QVERIFY(play->isChecked());
        // the wireless screen takes the Wi-Fi switch out of use while it is on
        press(&d, "btn_wifi");
        QVERIFY(wifi->isChecked());
        press(&d, "btn_wirelessScreen");
        QVERIFY(screen->isChecked() && !wifi->isChecked() && !wifi->isEnabled());
        press(&d, "btn_wirelessScreen");
        QVERIFY(wifi->isEnabled() && !wifi->isChecked());
        press(&d, "btn_wifi");
        QCOMPARE(dev->frames(), Frames({hostFrame(0x20, 0x00, {1}), hostFrame(0x20, 0x00, {0}), hostFrame(0x20, 0x00, {2}),
                                        hostFrame(0x20, 0x00, {0}), hostFrame(0x20, 0x00, {3}), hostFrame(0x20, 0x02, {1}),
                                        hostFrame(0x20, 0x03, {1}), hostFrame(0x20, 0x03, {0}), hostFrame(0x20, 0x02, {1})}));
        // The remote work mode: the switches' state at the moment its frame leaves.
        auto *mode = child<QComboBox>(&d, "combo_workMode");
        dev->spy.clear();
        QList<bool> atSend;
        connect(&dev->iface, &Interface::emitSendData, this, [&](const QByteArray &) {
            atSend << wifi->isChecked() << wifi->isEnabled() << screen->isChecked() << screen->isEnabled();
        });
        mode->setCurrentIndex(1);
        QCOMPARE(atSend, (QList<bool>{false, false, false, false}));
        QCOMPARE(dev->frames(), Frames({hostFrame(0x20, 0x01, {1})}));
        atSend.clear();
        mode->setCurrentIndex(0);
        QCOMPARE(atSend, (QList<bool>{false, true, false, true}));
        QCOMPARE(dev->spy.last().at(0).toByteArray(), hostFrame(0x20, 0x01, {0}));
    }
    void nothingSentWithoutDevice()
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
        press(&chroma, "btn_apply");
        setFields(&audio, {{"spin_volume", 9}, {"comboBox_window", 1}});
        audio.close();
        press(&pattern, "btn_switch");
        press(&pattern, "btn_next");
        pattern.close();
        setFields(&usb, {{"combo_workMode", 1}});
        press(&usb, "btn_play");
        QVERIFY(dev->spy.isEmpty());
        QCOMPARE(label(&pattern, "label_number"), QStringLiteral("1"));
        QVERIFY(!child<QToolButton>(&usb, "btn_wifi")->isEnabled());
    }

private:
    KsDevice *dev = nullptr;
};

QTEST_MAIN(TestUiFeatures)
#include "tst_ui_features.moc"
