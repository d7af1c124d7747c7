// KX image quality: each group's frame, the records they update, the reset and fills that leave it empty.
#include "BoxCatcher.h"
#include "DialogKXImageQuality.h"
#include "DlgDevice.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

using namespace RecordBuilders;
using Frames = QList<QByteArray>;


class TestUiKxQuality : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerRecordTypes(); }
    void init()
    {
        dev = new KsDevice(KsId, 17);
        dlg = new DialogKXImageQuality;
        dlg->setImageQuality(imageQualityList(2), imageAdvancedList(2));
    }
    void cleanup() { delete dlg; delete dev; }
    void groupFrame_data()
    {
        QTest::addColumn<int>("window"); // the combo's index: 0 all windows, 2 the second window
        QTest::addColumn<QStringList>("edits"); // control=value, in this order; the last one is checked
        QTest::addColumn<int>("sub");
        QTest::addColumn<QList<int>>("params");
        // Each group sends all of its values.
        QTest::newRow("colour temperature") << 2 << QStringList{"slider_colorTemp_green=70"} << 0x0A << QList<int>{1, 3, 11, 70, 31};
        QTest::newRow("image effects") << 2 << QStringList{"spinBox_effect_skinTone=33"} << 0x0D << QList<int>{1, 2, 6, 33, 8};
        QTest::newRow("expert formats") << 2 << QStringList{"combo_expert_inFMT=4"} << 0x0E << QList<int>{1, 4, 1, 4, 2};
        QTest::newRow("gamma") << 2 << QStringList{"combo_gamma=4"} << 0x09 << QList<int>{1, 4};
        QTest::newRow("colour mode") << 2 << QStringList{"combo_colorMode=3"} << 0x0B << QList<int>{1, 3};
        QTest::newRow("blue offset, signed") << 2 << QStringList{"slider_blue=-7"} << 0x08 << QList<int>{1, 0xF9};
        QTest::newRow("last group change wins") << 1 << QStringList{"slider_colorTemp_red=80", "spinBox_effect_luminance=60"}
                                                << 0x0D << QList<int>{0, 2, 60, 6, 7};
        // "All window" shows the first window; its group values go to every window.
        QTest::newRow("all windows") << 0 << QStringList{"combo_expert_colorGamut=6"} << 0x0E << QList<int>{0xFF, 6, 1, 3, 2};
    }
    void groupFrame()
    {
        QFETCH(int, window);
        QFETCH(QStringList, edits);
        QFETCH(int, sub);
        QFETCH(QList<int>, params);
        const QByteArray control = edits.last().section('=', 0, 0).toLatin1();
        const int value = edits.last().section('=', 1).toInt();
        const int other = window == 1 ? 2 : 1;
        setFields(dlg, {{"combo_window", other}});
        const int first = fieldValue(w(control));
        setFields(dlg, {{"combo_window", window}});
        for (const QString &e : edits)
            QVERIFY(setField(w(e.section('=', 0, 0).toLatin1()), e.section('=', 1).toInt()));
        QVERIFY(dev->spy.isEmpty());
        send();
        QCOMPARE(dev->frames(), Frames({hostFrameOf(0x01, uint8_t(sub), params)}));
        // The record keeps the edit for the chosen window only (for all with "All window").
        setFields(dlg, {{"combo_window", other}});
        QCOMPARE(fieldValue(w(control)), window ? first : value);
        setFields(dlg, {{"combo_window", window ? window : 2}});
        QCOMPARE(fieldValue(w(control)), value);
        if (!window) // the whole group of the first window: its input format too
            QCOMPARE(int(dlg->records().value(1).advanced.inFMT), 3);
        // The gains of the GW family are not touched.
        QCOMPARE(int(dlg->records().value(1).basic.redGain), 0);
        QCOMPARE(int(dlg->records().value(1).basic.blueGain), 0);
    }
    // The group selector only shows another of the three groups; the edit is kept in the record.
    void rgbcmyGroupSelector()
    {
        setFields(dlg, {{"combo_window", 2}, {"combo_rgbcmy", 1}});
        QVERIFY(!dlg->sendTimer()->isActive());
        QCOMPARE(fieldValues(dlg, {"spinBox_rgbcmy_red"}), QList<int>({51}));
        setFields(dlg, {{"spinBox_rgbcmy_cyan", 90}});
        send();
        QCOMPARE(dev->frames(), Frames({hostFrame(0x01, 0x0C, {1, 1, 51, 52, 53, 90, 55, 56})}));
        const INFO_IMAGE_ADVANCED a = dlg->records().value(1).advanced;
        QCOMPARE(QList<int>({a.rgbcmy[0].cyan, a.rgbcmy[1].cyan, a.rgbcmy[2].cyan}), QList<int>({44, 90, 64}));
        for (int group : {0, 1}) {
            setFields(dlg, {{"combo_rgbcmy", group}});
            QCOMPARE(fieldValues(dlg, {"spinBox_rgbcmy_cyan"}), QList<int>({group ? 90 : 44}));
        }
    }
    // Choosing a colour-temperature preset reloads the three sliders from the record first.
    void colourTemperaturePresetReloads()
    {
        setFields(dlg, {{"combo_window", 2}});
        auto *red = child<QSlider>(dlg, "slider_colorTemp_red");
        red->blockSignals(true);
        red->setValue(99);
        red->blockSignals(false);
        child<QComboBox>(dlg, "combo_colorTemp")->setCurrentIndex(1);
        QCOMPARE(red->value(), 11);
        send();
        QCOMPARE(dev->frames(), Frames({hostFrame(0x01, 0x0A, {1, 1, 11, 21, 31})}));
        QCOMPARE(int(dlg->records().value(1).advanced.colorTempMode), 1);
    }
    void resetEveryWindow()
    {
        setFields(dlg, {{"combo_window", 2}, {"slider_brightness", 90}});
        send();
        setFields(dlg, {{"slider_red", 20}});
        dev->spy.clear();
        BoxCatcher boxes;
        boxes.answer = QMessageBox::Cancel;
        child<QPushButton>(dlg, "btn_reset")->click();
        QCOMPARE(boxes.titles + boxes.texts, QStringList({"tips", "Reset All Picture Params?"}));
        QVERIFY(dev->spy.isEmpty());
        QCOMPARE(int(dlg->records().value(1).basic.brightness), 90);
        boxes.answer = QMessageBox::Yes;
        child<QPushButton>(dlg, "btn_reset")->click();
        // One reset for all windows, even with the second window chosen; the waiting change is dropped.
        QCOMPARE(dev->frames(), Frames({hostFrame(0x01, 0xFF, {0xFF, 0})}));
        QVERIFY(!dlg->sendTimer()->isActive());
        for (const DialogKXImageQuality::WindowPicture &p : dlg->records())
            QCOMPARE(QList<int>({p.basic.brightness, p.basic.sharpness, p.basic.gamma, p.basic.redOffset}),
                     QList<int>({50, 12, 2, 0}));
        QCOMPARE(fieldValues(dlg, {"spinBox_brightness", "spinBox_red", "combo_gamma"}), QList<int>({50, 0, 2}));
    }
    void fillsThatDoNotPairUpLeaveItEmpty()
    {
        auto *window = child<QComboBox>(dlg, "combo_window");
        QCOMPARE(window->count(), 3);
        // A change waiting from the earlier fill must not go out to a window of the new one.
        setFields(dlg, {{"slider_hue", 70}});
        dlg->setImageQuality(imageQualityList(3), imageAdvancedList(2));
        QVERIFY(dlg->records().isEmpty());
        QCOMPARE(window->count(), 0);
        // Nothing to edit: the controls show the defaults, not the values of the earlier fill.
        QCOMPARE(fieldValues(dlg, {"slider_hue"}), QList<int>({50}));
        QVERIFY(!dlg->sendTimer()->isActive());
        setFields(dlg, {{"slider_hue", 20}});
        QVERIFY(QMetaObject::invokeMethod(dlg, "onTimerSend"));
        QVERIFY(dev->spy.isEmpty());
        dlg->setImageQuality({}, {});
        QCOMPARE(window->count(), 0);
        dlg->setImageQuality(imageQualityList(1), imageAdvancedList(1));
        QCOMPARE(window->count(), 2);
        QCOMPARE(window->itemText(1), QStringLiteral("window 1"));
        QVERIFY(dev->spy.isEmpty());
    }

private:
    void send()
    {
        QVERIFY(dlg->sendTimer()->isActive());
        QCOMPARE(dlg->sendTimer()->interval(), 200);
        QVERIFY(QMetaObject::invokeMethod(dlg, "onTimerSend"));
        QVERIFY(!dlg->sendTimer()->isActive());
    }
    QWidget *w(const QByteArray &name) { return child<QWidget>(dlg, name.constData()); }

    KsDevice *dev = nullptr;
    DialogKXImageQuality *dlg = nullptr;
};

QTEST_MAIN(TestUiKxQuality)
#include "tst_ui_kxquality.moc"
