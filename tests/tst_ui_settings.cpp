// Settings dialogs against real interfaces reached through DeviceLookup: frames, records, widgets.
#include "BoxCatcher.h"
#include "ColorWidget.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DialogEDID.h"
#include "DialogGWImageQuality.h"
#include "DialogImageQuality.h"
#include "DialogOutputSetting.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "RecordBuilders.h"
#include "TestSupport.h"
#include "UiRecordsC.h"

#include <QtTest>
#include <QtWidgets>

using namespace RecordBuilders;
using UiC::frames;

static QList<INFO_EDID> edidList() { return {edid(20, 1920, 1080, 60), edid(33, 1280, 720, 60)}; }

class TestUiSettings : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        registerRecordTypes();
        ksIface = new KS9200Interface(QStringLiteral("aa"));
        gwIface = new GW5Interface(QStringLiteral("bb"));
        ks = DEVICE_INFO_KS();
        gw = DEVICE_INFO_GW();
        ks.cpuid = QStringLiteral("aa");
        gw.cpuid = QStringLiteral("bb");
        gw.type = 48;
        DeviceLookup::install(
            [this](const QString &) -> INFO_BASIC * { return gwCurrent ? static_cast<INFO_BASIC *>(&gw) : &ks; },
            [this](const QString &) -> Interface * { return gwCurrent ? static_cast<Interface *>(gwIface) : ksIface; },
            [this]() { return gwCurrent ? gw.cpuid : ks.cpuid; });
    }
    void cleanup()
    {
        DeviceLookup::clear();
        delete ksIface;
        delete gwIface;
        gwCurrent = false;
    }
    // One window's last change goes out after the pause; "all windows" changes all; reset asks first.
    void imageQualityKs()
    {
        useKs(0);
        DialogImageQuality dlg;
        QList<INFO_IMAGE_QUALITY> list = imageQualityList(3);
        list[2].brightness = 90, list[2].redOffset = -20;
        dlg.setImageQuality(list);
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        auto *combo = dlg.findChild<QComboBox *>("combo_window");
        auto *slider = dlg.findChild<QSlider *>("slider_brightness");
        auto *spin = dlg.findChild<QSpinBox *>("spinBox_brightness");
        combo->setCurrentIndex(2);
        QVERIFY(spy.isEmpty());
        for (int v = 51; v <= 55; ++v) slider->setValue(v);
        spin->setValue(60); // the companion spin box moves the slider too
        QCOMPARE(slider->value(), 60);
        QVERIFY(dlg.sendTimer()->isActive());
        QCOMPARE(dlg.sendTimer()->interval(), 200);
        QVERIFY(spy.isEmpty());
        fire(&dlg, "onTimerSend");
        QVERIFY(!dlg.sendTimer()->isActive());
        QCOMPARE(frames(spy),
                 QList<QByteArray>{TestSupport::hex("5A 5A 17 00 01 01 01 3C 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0A")});
        QCOMPARE((QList<int>{dlg.records().at(1).brightness, dlg.records().at(0).brightness}), (QList<int>{60, 50}));
        dlg.findChild<QSlider *>("slider_red")->setValue(-3);
        fire(&dlg, "onTimerSend");
        QCOMPARE((QList<int>{UiC::at(frames(spy).last(), 5), UiC::at(frames(spy).last(), 7)}), (QList<int>{6, 0xFD}));

        spy.clear();
        combo->setCurrentIndex(0);
        dlg.findChild<QSlider *>("slider_contrast")->setValue(70);
        fire(&dlg, "onTimerSend");
        QCOMPARE(spy.count(), 1);
        const QByteArray f = spy.at(0).at(0).toByteArray();
        QCOMPARE((QList<int>{UiC::at(f, 5), UiC::at(f, 6), UiC::at(f, 7)}), (QList<int>{2, 0xFF, 70}));
        for (const INFO_IMAGE_QUALITY &q : dlg.records()) QCOMPARE(q.contrast, uint16_t(70));
        combo->setCurrentIndex(3);
        QCOMPARE((QList<int>{dlg.findChild<QSpinBox *>("spinBox_contrast")->value(), spin->value(), spy.count()}),
                 (QList<int>{70, 90, 1}));
        QVERIFY(!dlg.sendTimer()->isActive());

        spy.clear();
        BoxCatcher boxes;
        boxes.answer = QMessageBox::Cancel;
        QTest::mouseClick(dlg.findChild<QPushButton *>("btn_reset"), Qt::LeftButton);
        QVERIFY(spy.isEmpty());
        QCOMPARE(dlg.records().at(2).brightness, uint16_t(90));
        boxes.answer = QMessageBox::Yes;
        QTest::mouseClick(dlg.findChild<QPushButton *>("btn_reset"), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList({"Reset All Picture Params?", "Reset All Picture Params?"}));
        QCOMPARE(frames(spy), QList<QByteArray>{KS9200Interface::resetImageQualityFrame(2)});
        QCOMPARE((QList<int>{UiC::at(frames(spy)[0], 5), UiC::at(frames(spy)[0], 6)}), (QList<int>{0xFF, 2}));
        QCOMPARE((QList<int>{dlg.records().at(2).brightness, dlg.records().at(2).redOffset, spin->value()}),
                 (QList<int>{50, 0, 50}));
    }
    void imageQualityDefaultsBeforeValues_data()
    {
        QTest::addColumn<bool>("gwDialog");
        QTest::newRow("KS") << false;
        QTest::newRow("GW") << true;
    }
    // Used for another device, then opened before this device's values arrive, a dialog shows the defaults.
    void imageQualityDefaultsBeforeValues()
    {
        QFETCH(bool, gwDialog);
        gwDialog ? useGw() : useKs(0);
        DialogImageQuality ksDlg;
        DialogGWImageQuality gwDlg;
        QWidget *dlg = gwDialog ? static_cast<QWidget *>(&gwDlg) : &ksDlg;
        auto fill = [&](const QList<INFO_IMAGE_QUALITY> &l) {
            gwDialog ? gwDlg.setImageQuality(l) : ksDlg.setImageQuality(l);
        };
        QList<INFO_IMAGE_QUALITY> earlier = imageQualityList(2);
        for (INFO_IMAGE_QUALITY &q : earlier)
            q.brightness = q.contrast = q.hue = q.saturation = 90, q.sharpness = 3, q.redOffset = q.greenGain = -7;
        fill(earlier);
        fill({});
        const QMap<QString, int> expected = {{"brightness", 50}, {"contrast", 50}, {"saturation", 50}, {"hue", 50},
                                             {"sharpness", 12}, {"red", 0}, {"green", 0}, {"blue", 0}, {"redGain", 0},
                                             {"greenGain", 0}, {"blueGain", 0}};
        int shown = 0;
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            auto *slider = dlg->findChild<QSlider *>("slider_" + it.key());
            if (!slider) continue;
            ++shown;
            QCOMPARE(slider->value(), it.value());
            QCOMPARE(dlg->findChild<QSpinBox *>("spinBox_" + it.key())->value(), it.value());
        }
        QCOMPARE(shown, gwDialog ? 9 : 8);
        QSignalSpy spy(gwDialog ? static_cast<Interface *>(gwIface) : ksIface, &Interface::emitSendData);
        dlg->findChild<QSlider *>("slider_brightness")->setValue(51);
        fire(dlg, "onTimerSend");
        QCOMPARE(spy.count(), 1);
        const QByteArray f = spy.at(0).at(0).toByteArray();
        QCOMPARE((QList<int>{UiC::at(f, 5), UiC::at(f, 6), UiC::at(f, 7)}), (QList<int>{1, 0xFF, 51}));
    }
    // GW records arrive per window in any order: each entry names its window, and sends go there.
    void gwImageQualityByWindowNumber()
    {
        useGw();
        DialogGWImageQuality dlg;
        QList<INFO_IMAGE_QUALITY> list = imageQualityList(2);
        list[0].index = 2, list[0].brightness = 70;
        list[1].index = 0, list[1].brightness = 30;
        dlg.setImageQuality(list);
        auto *combo = dlg.findChild<QComboBox *>("combo_window");
        const int third = combo->findText(QStringLiteral("window 3"));
        QCOMPARE(combo->count(), 3);
        QVERIFY(third > 0);
        combo->setCurrentIndex(third);
        auto *brightness = dlg.findChild<QSlider *>("slider_brightness");
        QCOMPARE(brightness->value(), 70);
        QSignalSpy spy(gwIface, &Interface::emitSendData);
        brightness->setValue(71);
        fire(&dlg, "onTimerSend");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(uint8_t(spy.at(0).at(0).toByteArray()[6]), uint8_t(2));
        for (const INFO_IMAGE_QUALITY &q : dlg.records()) QCOMPARE(q.brightness, uint16_t(q.index == 2 ? 71 : 30));

        combo->setCurrentIndex(combo->findText(QStringLiteral("window 1")));
        QCOMPARE(brightness->value(), 30);
        dlg.findChild<QSlider *>("slider_blueGain")->setValue(-5);
        fire(&dlg, "onTimerSend");
        QCOMPARE(spy.count(), 2);
        QCOMPARE((QList<int>{UiC::at(frames(spy)[1], 5), UiC::at(frames(spy)[1], 6)}), (QList<int>{11, 0}));
        for (const INFO_IMAGE_QUALITY &q : dlg.records()) QCOMPARE(int16_t(q.blueGain), int16_t(q.index == 0 ? -5 : 0));
        spy.clear();
        combo->setCurrentIndex(0);
        BoxCatcher boxes;
        boxes.answer = QMessageBox::Yes;
        QTest::mouseClick(dlg.findChild<QPushButton *>("btn_reset"), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QSet<int> reset;
        for (const QByteArray &f : frames(spy)) {
            QCOMPARE(UiC::at(f, 5), 0xFF);
            reset << UiC::at(f, 6);
        }
        QCOMPARE(reset, QSet<int>({0, 2}));
        for (const INFO_IMAGE_QUALITY &q : dlg.records()) QCOMPARE(q.blueGain, uint16_t(0));
    }
    void edidPresetAndCorrection()
    {
        useKs(17);
        DialogEDID dlg;
        dlg.setEdidData(edidList(), 17, 0, 1);
        auto *preset = dlg.findChild<QComboBox *>("combo_preset");
        auto *w = dlg.findChild<QSpinBox *>("spin_width");
        auto *h = dlg.findChild<QSpinBox *>("spin_height");
        auto *r = dlg.findChild<QSpinBox *>("spin_frame");
        preset->setCurrentIndex(1);
        QCOMPARE((QList<int>{w->value(), h->value(), r->value()}), (QList<int>{4080, 2160, 30}));
        QVERIFY(!dlg.resolutionTimer()->isActive());
        fire(&dlg, "onTimerResolution");
        QCOMPARE(w->value(), 4080);

        preset->setCurrentIndex(11);
        h->setValue(1000);
        QCOMPARE(preset->currentIndex(), 0);
        QVERIFY(dlg.resolutionTimer()->isActive());

        useKs(0);
        dlg.setEdidData(edidList(), 0, 0, 0);
        QVERIFY(preset->isHidden());
        h->setValue(1080);
        r->setValue(60);
        w->setValue(4000);
        fire(&dlg, "onTimerResolution");
        QCOMPARE((QList<int>{w->value(), h->value()}), (QList<int>{2484, 1080}));
        QVERIFY(!dlg.resolutionTimer()->isActive());
    }
    void edidInputNamesAndModes()
    {
        useKs(0);
        DialogEDID dlg;
        dlg.setEdidData(edidList(), 0, 0, 0);
        auto *src = dlg.findChild<QComboBox *>("combo_inputSrc");
        auto *mode = dlg.findChild<QComboBox *>("combo_dviMode");
        QCOMPARE((QStringList{src->itemText(0), src->itemText(1)}), (QStringList{"DVI5", "HDMI2"}));
        QVERIFY(mode->isHidden());
        src->setCurrentIndex(1);
        QCOMPARE(dlg.findChild<QSpinBox *>("spin_width")->value(), 1280);

        dlg.setEdidData(edidList(), 48, 0, 0);
        QCOMPARE(src->itemText(0), QStringLiteral("Input21"));
        QCOMPARE(src->currentIndex(), 1); // the previous input stays chosen
        QVERIFY(mode->isHidden());

        dlg.setEdidData(edidList(), 2, 1, 0);
        QVERIFY(!mode->isHidden());
        QCOMPARE(mode->currentText(), QStringLiteral("HDMI"));
        dlg.setEdidData(edidList(), 18, 0, 1);
        QCOMPARE(mode->itemText(0), QStringLiteral("Digital"));
        QCOMPARE(mode->currentIndex(), 1);

        // Mode change: sub-command 1 for KS types, 2 for KX (type 20 included).
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        useKs(4);
        dlg.setEdidData(edidList(), 4, 0, 0);
        QVERIFY(spy.isEmpty());
        mode->setCurrentIndex(1);
        QCOMPARE(spy.last().at(0).toByteArray(), KS9200Interface::setEdidModeFrame(4, 1));
        useKs(20);
        dlg.setEdidData(edidList(), 20, 0, 0);
        QVERIFY(!dlg.findChild<QComboBox *>("combo_preset")->isHidden());
        mode->setCurrentIndex(1);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(uint8_t(spy.last().at(0).toByteArray()[5]), uint8_t(2));
        // Reset asks first; a GW device gets no KS frame.
        useKs(3);
        dlg.setEdidData(edidList(), 3, 0, 0);
        spy.clear();
        BoxCatcher boxes;
        boxes.answer = QMessageBox::Yes;
        QTest::mouseClick(dlg.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList({QStringLiteral("Reset All EDID Setting?")}));
        QCOMPARE(frames(spy), QList<QByteArray>{KS9200Interface::resetEdidFrame()});

        useGw();
        dlg.setEdidData(edidList(), 48, 0, 0);
        QSignalSpy gspy(gwIface, &Interface::emitSendData);
        QTest::mouseClick(dlg.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 2); // asked and answered Yes
        QVERIFY(gspy.isEmpty());
    }
    void outputKxPresetAndClamp()
    {
        useKs(17);
        ks.panels << outputPanel(0, 1920, 1080, 60);
        DialogOutputSetting dlg;
        dlg.setDeviceData(ks);
        auto *combo = dlg.findChild<QComboBox *>("comboBox_output1");
        auto *w = dlg.findChild<QSpinBox *>("spinBox_output1_w");
        auto *h = dlg.findChild<QSpinBox *>("spinBox_output1_h");
        auto *r = dlg.findChild<QSpinBox *>("spinBox_fr1");
        QCOMPARE(w->value(), 1920);
        combo->setCurrentIndex(10);
        QCOMPARE((QList<int>{w->value(), h->value(), r->value()}), (QList<int>{1028, 1600, 60}));
        QVERIFY(!w->isEnabled() && !dlg.resolutionTimer()->isActive());

        combo->setCurrentIndex(0);
        QVERIFY(w->isEnabled() && h->isEnabled() && r->isEnabled());
        h->setValue(1080);
        r->setValue(60);
        w->setValue(4000);
        QCOMPARE(dlg.lastResolutionField(), int(DialogOutputSetting::Out1Width));
        fire(&dlg, "onTimerResolution");
        QCOMPARE(w->value(), 2504);
        // The KX output mode: its frame, then the full read-back (apply is checked against vpsim in the e2e test).
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        dlg.findChild<QComboBox *>("combo_outputMode")->setCurrentIndex(1);
        QCOMPARE(frames(spy),
                 (QList<QByteArray>{KS9200Interface::setOutputModeFrame(1, 0), Interface::requestFrame(0xEF)}));
        w->setValue(4000);
        fire(&dlg, "onTimerResolution");
        QCOMPARE(w->value(), 2518); // within 480..3920: the limit itself
        h->setValue(320);
        w->setValue(9000);
        fire(&dlg, "onTimerResolution");
        QCOMPARE(w->value(), 3920);
    }
    void outputKsRateCorrection()
    {
        useKs(0);
        ks.panels << outputPanel(0, 3840, 2160, 30);
        DialogOutputSetting dlg;
        dlg.setDeviceData(ks);
        QVERIFY(dlg.findChild<QComboBox *>("comboBox_output2")->isHidden());
        auto *r = dlg.findChild<QSpinBox *>("spinBox_fr1");
        r->setValue(60);
        QVERIFY(dlg.resolutionTimer()->isActive());
        QCOMPARE(dlg.resolutionTimer()->interval(), 1000);
        fire(&dlg, "onTimerResolution");
        QCOMPARE(r->value(), 23);
        QCOMPARE(dlg.findChild<QSpinBox *>("spinBox_output1_w")->value(), 3840);
    }
    void outputBorderSelectorSendsNothing()
    {
        useKs(3);
        const INFO_BORDER a{1, 3, 10, 0, 0, 0, 5}, b{0, 8, 0, 0, 100, 0, 2};
        ks.borders << a << b;
        DialogOutputSetting dlg;
        dlg.setDeviceData(ks);
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        auto *sel = dlg.findChild<QComboBox *>("combo_OutputSelect");
        sel->setCurrentIndex(1);
        sel->setCurrentIndex(0);
        sel->setCurrentIndex(1);
        QVERIFY(spy.isEmpty());
        QCOMPARE(sel->itemData(0).value<INFO_BORDER>(), a);
        QCOMPARE(sel->itemData(1).value<INFO_BORDER>(), b);
        QCOMPARE(dlg.findChild<QSpinBox *>("spinBox_border_w")->value(), 100);
        QVERIFY(!dlg.findChild<QSpinBox *>("spinBox_border_w")->isEnabled());
        QCOMPARE(dlg.findChild<ColorWidget *>("widget_color_border")->color(), QColor(0x80, 0x80, 0x80));

        dlg.findChild<QPushButton *>("btn_borderOnOff")->click();
        QCOMPARE(frames(spy), QList<QByteArray>{KS9200Interface::setBorderFrame(1, 1, 0, 0, 100, 0, 2, 8)});
        QVERIFY(dlg.findChild<QSpinBox *>("spinBox_border_w")->isEnabled());
        QCOMPARE(sel->itemData(1).value<INFO_BORDER>().enable, uint8_t(1));
        QCOMPARE(sel->itemData(0).value<INFO_BORDER>(), a);
    }
    void outputKxBackground()
    {
        QCOMPARE(int(DialogOutputSetting::kxBackgroundByte(4, 0, 2)), 0xE3);
        QCOMPARE(DialogOutputSetting::kxPreviewColor(0xE3), QColor(255, 0, 255));
        QCOMPARE(DialogOutputSetting::kxPreviewColor(0), QColor(0, 0, 0));
        QCOMPARE(DialogOutputSetting::kxPreviewColor(DialogOutputSetting::kxBackgroundByte(4, 4, 2)),
                 QColor(255, 255, 255));

        useKs(16);
        DialogOutputSetting dlg;
        dlg.setDeviceData(ks);
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        auto *red = dlg.findChild<QSlider *>("slider_bg_red");
        red->setValue(4);
        dlg.findChild<QSpinBox *>("spinBox_bg_blue")->setValue(2);
        QVERIFY(dlg.backgroundTimer()->isActive() && spy.isEmpty());
        fire(&dlg, "onTimerBackgroudColor");
        QCOMPARE(frames(spy), QList<QByteArray>{KS9200Interface::setBackgroundColorFrame(4, 0, 2)});
        auto *swatch = dlg.findChild<ColorWidget *>("widget_color_bg");
        QCOMPARE(swatch->color(), QColor(255, 0, 255));

        useKs(1);
        ks.other.bgEnable = 0;
        dlg.setDeviceData(ks);
        QCOMPARE(dlg.findChild<QSpinBox *>("spinBox_bg_green")->value(), 50);
        QCOMPARE(swatch->color(), QColor(15, 50, 15));
        QVERIFY(dlg.findChild<QWidget *>("group_enhance")->isHidden());
    }
    void outputVisibilityEnhanceAndExchange()
    {
        ks.outputEnhance << INFO_OUTPUT_ENHANCE{1, 0} << INFO_OUTPUT_ENHANCE{0, 1};
        useKs(4);
        DialogOutputSetting dlg;
        auto shown = [&dlg](std::initializer_list<const char *> names) {
            QString s;
            for (const char *n : names) s += dlg.findChild<QWidget *>(n)->isHidden() ? '0' : '1';
            return s;
        };
        dlg.setDeviceData(ks);
        QCOMPARE(shown({"btn_dvi2_b", "group_outputMode"}), "00");
        QVERIFY(dlg.findChild<QPushButton *>("btn_dvi1_a")->isChecked());
        QVERIFY(dlg.findChild<QPushButton *>("btn_dvi2_b")->isChecked());

        QSignalSpy spy(ksIface, &Interface::emitSendData);
        dlg.findChild<QPushButton *>("btn_dvi1_b")->click();
        QCOMPARE(frames(spy), QList<QByteArray>{KS9200Interface::setOutputEnhanceFrame(1, 1, 0, 1)});

        // Type 16: one DVI2 switch labelled "DVI2", no position fields, the KX output group.
        useKs(16);
        dlg.setDeviceData(ks);
        QCOMPARE(shown({"btn_dvi2_a", "btn_dvi2_b", "spinBox_border_x"}), "010");
        QCOMPARE(dlg.findChild<QLabel *>("label_dvi2_b")->text(), QStringLiteral("DVI2"));
        QCOMPARE(dlg.findChild<QSpinBox *>("spinBox_thickness")->maximum(), 15);

        useKs(17);
        dlg.setDeviceData(ks);
        QCOMPARE(shown({"btn_dvi2_a"}), "1");
        QCOMPARE(dlg.findChild<QLabel *>("label_dvi2_b")->text(), QStringLiteral("DVI2-B"));

        // Exchange sends the output mode with the current mode; on a KS model only the icon changes.
        spy.clear();
        dlg.findChild<QPushButton *>("btn_exchange")->click();
        QCOMPARE(frames(spy), QList<QByteArray>{KS9200Interface::setOutputModeFrame(0, 1)});
        useKs(3);
        dlg.setDeviceData(ks);
        QCOMPARE(dlg.findChild<QSpinBox *>("spinBox_thickness")->maximum(), 270);
        spy.clear();
        dlg.findChild<QPushButton *>("btn_exchange")->click();
        QVERIFY(spy.isEmpty());
    }
private:
    void useKs(int type) { ks.type = type; gwCurrent = false; }
    void useGw() { gwCurrent = true; }
    static void fire(QObject *dialog, const char *slot) { QVERIFY(QMetaObject::invokeMethod(dialog, slot)); }
    DEVICE_INFO_KS ks;
    DEVICE_INFO_GW gw;
    KS9200Interface *ksIface = nullptr;
    GW5Interface *gwIface = nullptr;
    bool gwCurrent = false;
};


QTEST_MAIN(TestUiSettings)
#include "tst_ui_settings.moc"
