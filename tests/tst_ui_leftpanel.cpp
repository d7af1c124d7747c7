// Input and preset panel: source buttons by type code and flags, GW numbered inputs with their
// signal state, switch mode and fade period with the update guard, presets and templates with
// their previews, the GW templates derived from the panel list and laid out by the application,
// the task page and the KS buttons' frames. Real device records and interfaces are installed as
// the current device; frames are read from the interface's emitSendData.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DialogTimeTake.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxBaseWidget.h"
#include "SxDialogTitle.h"
#include "SxPreviewBox.h"
#include "SxPreviewBoxButton.h"
#include "SxSignalBoxButton.h"
#include "SxTimeTaskButton.h"
#include "WidgetInLeft.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
const QString Cpuid = QStringLiteral("00112233445566778899aabb");

uint8_t at(const QByteArray &f, int i)
{
    return uint8_t(f.at(i));
}

QList<QByteArray> frames(const QSignalSpy &spy)
{
    QList<QByteArray> out;
    for (const QList<QVariant> &args : spy)
        out.append(args.at(0).toByteArray());
    return out;
}

// A 2 x 4 wall of 1920 x 1080 panels; `order` 0 numbers them row by row, 1 column by column.
QList<INFO_PANEL> wall2x4(int order)
{
    QList<INFO_PANEL> panels;
    for (int n = 0; n < 8; ++n) {
        const int row = order == 1 ? n % 2 : n / 4;
        const int col = order == 1 ? n / 2 : n % 4;
        INFO_PANEL p;
        p.id = uint16_t(n);
        p.x = uint16_t(col * 1920);
        p.y = uint16_t(row * 1080);
        p.width = 1920;
        p.height = 1080;
        p.row = 2;
        p.col = 4;
        p.arrangement = uint8_t(order);
        panels.append(p);
    }
    return panels;
}

QVector<int> entry(const PRESET_ENTRY &e)
{
    QVector<int> v;
    for (int i = 0; i < e.count; ++i)
        v.append(e.value(i));
    return v;
}

INFO_PRESET onePanelPreset(int id)
{
    INFO_PRESET p;
    p.id = id;
    p.panels.append(PRESET_ENTRY{0, 0, 1920, 1080});
    p.windows.append(PRESET_ENTRY{0, 0, 960, 540});
    return p;
}
} // namespace

class TestLeftPanel : public QObject
{
    Q_OBJECT
private:
    DEVICE_INFO_KS ks;
    DEVICE_INFO_GW gw;
    KS9200Interface *ksIface = nullptr;
    GW5Interface *gwIface = nullptr;
    INFO_BASIC *current = nullptr;

    void makeCurrent(INFO_BASIC *record) { current = record; }

    template <typename T>
    static T *child(QWidget &w, const char *name)
    {
        T *c = w.findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("missing child %s", name);
        return c;
    }

    static QStringList texts(const WidgetInLeft &left)
    {
        QStringList out;
        for (SxSignalBoxButton *b : left.sourceButtons())
            out << b->text();
        return out;
    }
    static QList<int> ids(const WidgetInLeft &left)
    {
        QList<int> out;
        for (SxSignalBoxButton *b : left.sourceButtons())
            out << b->sourceId();
        return out;
    }

private slots:
    void initTestCase()
    {
        registerRecordTypes();
        ks.cpuid = Cpuid;
        gw.cpuid = Cpuid;
        gw.type = 48;
        ksIface = new KS9200Interface(Cpuid, this);
        gwIface = new GW5Interface(Cpuid, this);
        DeviceLookup::install([this](const QString &) { return current; },
                              [this](const QString &) -> Interface * {
                                  if (current == &ks)
                                      return ksIface;
                                  if (current == &gw)
                                      return gwIface;
                                  return nullptr;
                              },
                              [] { return Cpuid; });
    }
    void cleanupTestCase() { DeviceLookup::clear(); }
    void init()
    {
        ks.clearAllData();
        ks.type = 0;
        ks.hasUsb = 0;
        ks.hasSdi = 0;
        ks.other = INFO_OTHER_KS9200();
        gw.clearAllData();
        gw.other = INFO_OTHER_GW5();
        allTasksOn = false;
        makeCurrent(&ks);
    }

    void startsWithOneVgaButton()
    {
        WidgetInLeft left;
        QCOMPARE(left.objectName(), QStringLiteral("LeftWidget"));
        QCOMPARE(left.deviceType(), 50);
        QCOMPARE(left.selectedSource(), -1);
        QCOMPARE(texts(left), QStringList{"VGA1"});
        QCOMPARE(left.presetButtons().size(), 10);
        QCOMPARE(left.templateButtons().size(), 10);
        QCOMPARE(left.taskButtons().size(), 16);
        QCOMPARE(child<QStackedWidget>(left, "stackedWidget")->currentIndex(), 0);
        QCOMPARE(left.presetButtons().at(2)->text(), QStringLiteral("Preset 3"));
        QCOMPARE(left.templateButtons().at(9)->text(), QStringLiteral("Template 10"));
    }

    void sourcesByTypeAndFlags_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("usb");
        QTest::addColumn<int>("sdi");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("type 0 with USB") << 0 << 1 << 0 << QStringList{"VGA1", "DVI1", "HDMI1", "CV1", "CV2", "USB1"}
                                         << QList<int>{0, 16, 32, 48, 49, 96};
        QTest::newRow("type 3, flags ignored")
            << 3 << 1 << 1 << QStringList{"VGA1", "VGA2", "CV1", "CV2", "DVI1", "DVI2", "HDMI1", "HDMI2", "HDMI3", "HDMI4"}
            << QList<int>{0, 1, 48, 49, 16, 17, 32, 33, 34, 35};
        QTest::newRow("type 4 with SDI") << 4 << 0 << 1
                                         << QStringList{"DVI1", "DVI2", "HDMI1", "VGA1", "VGA2", "CV1", "CV2", "SDI1", "SDI2"}
                                         << QList<int>{16, 17, 32, 0, 1, 48, 49, 80, 81};
        QTest::newRow("type 17 with both") << 17 << 1 << 1
                                           << QStringList{"VGA1", "DVI1", "HDMI1", "HDMI2", "DP1", "USB1", "SDI1", "SDI2"}
                                           << QList<int>{0, 16, 32, 33, 64, 96, 80, 81};
        QTest::newRow("unknown type") << 9 << 1 << 1 << QStringList{"VGA1"} << QList<int>{0};
    }
    void sourcesByTypeAndFlags()
    {
        QFETCH(int, type);
        QFETCH(int, usb);
        QFETCH(int, sdi);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, ids);
        WidgetInLeft left;
        ks.type = type;
        ks.hasUsb = uint8_t(usb);
        ks.hasSdi = uint8_t(sdi);
        left.setDevice(&ks);
        QCOMPARE(texts(left), names);
        QCOMPARE(this->ids(left), ids);
        QCOMPARE(WidgetInLeft::sourceNames(type, usb, sdi), names);
    }

    void sourceIdOfName()
    {
        QCOMPARE(WidgetInLeft::sourceId(QStringLiteral("HDMI2")), 33);
        QCOMPARE(WidgetInLeft::sourceId(QStringLiteral("DP1")), 64);
        QCOMPARE(WidgetInLeft::sourceId(QStringLiteral("SDI2")), 81);
        QCOMPARE(WidgetInLeft::sourceId(QStringLiteral("USB1")), 96);
        QCOMPARE(WidgetInLeft::sourceId(QStringLiteral("Input3")), -1);
        QCOMPARE(WidgetInLeft::sourceId(QStringLiteral("HDMI")), -1);
        QCOMPARE(WidgetInLeft::sourceId(QStringLiteral("HDMI17")), -1);
        QCOMPARE(WidgetInLeft::sourceIcon(QStringLiteral("SDI1")), QStringLiteral(":/inputSrc/inputSrc/CV_SDI.png"));
        QCOMPARE(WidgetInLeft::sourceIcon(QStringLiteral("Input1")), QString());
    }

    void sourceSelectionAndSwitch()
    {
        WidgetInLeft left;
        ks.type = 16;
        INFO_INPUTSINGLE hdmi2;
        hdmi2.srcId = 33;
        hdmi2.hasSignal = 1;
        ks.inputSignals = {hdmi2};
        left.setDevice(&ks);
        SxSignalBoxButton *b = left.sourceButtons().at(3);
        QCOMPARE(b->sourceId(), 33);
        QVERIFY(b->hasSignal());
        QVERIFY(b->showSignal());
        QVERIFY(!b->applyToAll());
        QVERIFY(!left.sourceButtons().at(0)->hasSignal());

        left.onViewItemInputSrcIDChange(33);
        QVERIFY(b->isChecked());
        left.onViewItemInputSrcIDChange(-1);
        left.onViewItemInputSrcIDChange(99);
        QVERIFY(b->isChecked());

        QSignalSpy sw(&left, &WidgetInLeft::emitInputSignalSwitch);
        QTest::mouseDClick(left.sourceButtons().at(4), Qt::LeftButton);
        QCOMPARE(sw.count(), 1);
        QCOMPARE(sw.at(0).at(0).value<signed char>(), static_cast<signed char>(64));
        QCOMPARE(left.selectedSource(), 64);
        QVERIFY(left.sourceButtons().at(4)->isChecked());
        QVERIFY(!b->isChecked());

        // Signal states arriving later reach the matching buttons only.
        hdmi2.hasSignal = 0;
        INFO_INPUTSINGLE vga;
        vga.srcId = 0;
        vga.hasSignal = 1;
        left.setInputSignals({hdmi2, vga}, 16);
        QVERIFY(!b->hasSignal());
        QVERIFY(left.sourceButtons().at(0)->hasSignal());
    }

    void fillingFromRecordSendsNothing()
    {
        WidgetInLeft left;
        ks.type = 3;
        ks.other.switchMode = 1;
        ks.other.fadePeriod = 25;
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        left.setDevice(&ks);
        auto mode = child<QComboBox>(left, "combo_mode");
        auto slider = child<QSlider>(left, "slider_time");
        auto spin = child<QDoubleSpinBox>(left, "doubleSpinBox");
        QCOMPARE(mode->currentIndex(), 1);
        QCOMPARE(slider->value(), 25);
        QCOMPARE(spin->value(), 2.5);
        INFO_OTHER_KS9200 other;
        other.switchMode = 0;
        other.fadePeriod = 7;
        left.setOtherSetting(other);
        QCOMPARE(mode->currentIndex(), 0);
        QCOMPARE(slider->value(), 7);
        QCOMPARE(spy.count(), 0);

        // The user's choice is sent with the other-settings read-back.
        mode->setCurrentIndex(1);
        QCOMPARE(frames(spy), (QList<QByteArray>{KS9200Interface::setSwitchModeFrame(1, 7), Interface::requestFrame(0xEE)}));
        const QByteArray f = spy.at(0).at(0).toByteArray();
        QCOMPARE(at(f, 4), uint8_t(0x11));
        QCOMPARE(at(f, 5), uint8_t(0x00));
        QCOMPARE(at(f, 6), uint8_t(1));
        QCOMPARE(at(f, 7), uint8_t(7));
        mode->setCurrentIndex(0);
        QCOMPARE(spy.at(2).at(0).toByteArray(), KS9200Interface::setSwitchModeFrame(0, 0));
    }

    void fadeSpinBoxRoundsHalvesUp()
    {
        WidgetInLeft left;
        left.setDevice(&ks);
        auto slider = child<QSlider>(left, "slider_time");
        auto spin = child<QDoubleSpinBox>(left, "doubleSpinBox");
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        spin->setValue(2.25);
        QCOMPARE(slider->value(), 23);
        QCOMPARE(spin->value(), 2.3);
        QCOMPARE(frames(spy), (QList<QByteArray>{KS9200Interface::setSwitchModeFrame(1, 23), Interface::requestFrame(0xEE)}));
        left.show();
        QVERIFY(QTest::qWaitForWindowActive(&left));
        spin->setFocus();
        spin->selectAll();
        const int before = spy.count();
        QTest::keyClicks(spin, QStringLiteral("1.5"));
        QCOMPARE(spy.count(), before); // nothing while typing
        QTest::keyClick(spin, Qt::Key_Return);
        QCOMPARE(slider->value(), 15);
        QCOMPARE(spy.count(), before + 2);
        QCOMPARE(spy.at(spy.count() - 2).at(0).toByteArray(), KS9200Interface::setSwitchModeFrame(1, 15));
    }

    void vgaAndAdcFrames()
    {
        WidgetInLeft left;
        left.setDevice(&ks);
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        QTest::mouseClick(child<QPushButton>(left, "btn_vga"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(left, "btn_adc"), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(at(spy.at(0).at(0).toByteArray(), 4), uint8_t(0x14));
        QCOMPARE(at(spy.at(0).at(0).toByteArray(), 5), uint8_t(0));
        QCOMPARE(at(spy.at(1).at(0).toByteArray(), 5), uint8_t(1));
        // Without a KS interface (a GW device is current) nothing is sent.
        makeCurrent(&gw);
        QSignalSpy gwSpy(gwIface, &Interface::emitSendData);
        QTest::mouseClick(child<QPushButton>(left, "btn_vga"), Qt::LeftButton);
        QCOMPARE(spy.count() + gwSpy.count(), 2);
    }

    void pageVisibilityByFamily()
    {
        WidgetInLeft left;
        left.show();
        ks.type = 0;
        left.setDevice(&ks);
        auto vga = child<QPushButton>(left, "btn_vga");
        auto taskSwitch = child<QToolButton>(left, "btn_taskSwitch");
        auto pageTask = child<QPushButton>(left, "KeepStatu_TimeTask");
        auto pageTemplate = child<QPushButton>(left, "KeepStatu_LoadTemplate");
        QVERIFY(vga->isVisible());
        QVERIFY(!taskSwitch->isVisible());
        QVERIFY(pageTask->isEnabled());
        QVERIFY(!pageTemplate->isEnabled());
        QTest::mouseClick(pageTask, Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>(left, "stackedWidget")->currentIndex(), 1);
        QVERIFY(!vga->isVisible());
        QVERIFY(taskSwitch->isVisible());
        QTest::mouseClick(child<QPushButton>(left, "KeepStatu_LoadPreset"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>(left, "stackedWidget")->currentIndex(), 3);
        QVERIFY(!vga->isVisible());
        QVERIFY(!taskSwitch->isVisible());

        makeCurrent(&gw);
        left.setDevice(&gw);
        QVERIFY(!pageTask->isEnabled());
        QVERIFY(pageTemplate->isEnabled());
        QTest::mouseClick(child<QPushButton>(left, "KeepStatu_Signal"), Qt::LeftButton);
        QVERIFY(!vga->isVisible());
        QVERIFY(!child<QComboBox>(left, "combo_mode")->isVisible());
        QVERIFY(!taskSwitch->isVisible());

        makeCurrent(&ks);
        ks.type = 3;
        left.setDevice(&ks);
        QVERIFY(vga->isVisible());
        QVERIFY(pageTask->isEnabled());
        QVERIFY(pageTemplate->isEnabled());
    }

    void presetsAndTemplatesFromRecord()
    {
        WidgetInLeft left;
        ks.type = 3;
        ks.presets = {onePanelPreset(2), onePanelPreset(12)};
        INFO_TEMPLATE t;
        t.templateId = 1;
        t.group = 1;
        t.panels = {PRESET_ENTRY{0, 0, 100, 100}};
        ks.templates = {t};
        left.setDevice(&ks);
        QVERIFY(left.presetButtons().at(2)->hasData());
        for (int i : {0, 1, 3, 9})
            QVERIFY(!left.presetButtons().at(i)->hasData());
        QVERIFY(left.templateButtons().at(1)->hasData());
        QVERIFY(left.templateButtons().at(1)->isChecked());

        QSignalSpy presets(&left, &WidgetInLeft::emitPresetChange);
        QSignalSpy sent(ksIface, &Interface::emitSendData);
        QTest::mouseDClick(left.presetButtons().at(0), Qt::LeftButton);
        QCOMPARE(presets.count(), 0);
        QCOMPARE(sent.count(), 0);
        QTest::mouseDClick(left.presetButtons().at(2), Qt::LeftButton);
        QCOMPARE(presets.count(), 1);
        QCOMPARE(presets.at(0).at(0).toInt(), 2);

        QSignalSpy templates(&left, &WidgetInLeft::emitTemplateChange);
        QTest::mouseDClick(left.templateButtons().at(1), Qt::LeftButton);
        QCOMPARE(templates.count(), 1);
        QCOMPARE(templates.at(0).at(0).toInt(), 1);

        // One preset arriving; the clearing receivers empty the buttons again.
        left.setPreset(onePanelPreset(5));
        QVERIFY(left.presetButtons().at(5)->hasData());
        INFO_PRESET bad = onePanelPreset(-3);
        left.setPreset(bad);
        left.clearPresetButtons();
        for (SxPreviewBoxButton *b : left.presetButtons())
            QVERIFY(!b->hasData());
        left.clearTemplateButtons();
        QVERIFY(!left.templateButtons().at(1)->hasData());
        QVERIFY(!left.templateButtons().at(1)->isChecked());
    }

    void previewBoxScalesTheLayout()
    {
        SxPreviewBoxButton button;
        QCOMPARE(button.previewBox()->panelRects().size(), 0);
        INFO_PRESET p;
        p.panels = {PRESET_ENTRY{0, 0, 1920, 1080}, PRESET_ENTRY{1920, 0, 1920, 1080}};
        p.windows = {PRESET_ENTRY{960, 540, 1920, 540}};
        button.setPreset(p);
        const double s = qMin(100.0 / 1080, 170.0 / 3840);
        SxPreviewBox *box = button.previewBox();
        QCOMPARE(box->size(), QSize(int(3840 * s + 10), int(1080 * s + 10)));
        QCOMPARE(box->panelRects().size(), 2);
        QCOMPARE(box->panelRects().at(1), QRectF(1920 * s + 5, 5, 1920 * s, 1080 * s));
        QCOMPARE(box->windowRects().at(0), QRectF(960 * s + 5, 540 * s + 5, 1920 * s, 540 * s));

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&button, &enter);
        QVERIFY(box->isVisible());
        QCOMPARE(box->pos(), button.mapToGlobal(button.rect().topRight()) + QPoint(2, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        QVERIFY(!box->isVisible());

        // A layout without panel area is shown as unused and does not load.
        INFO_PRESET empty;
        empty.panels = {PRESET_ENTRY{10, 10, 0, 0}};
        button.setPreset(empty);
        QVERIFY(!button.hasData());
    }

    void gwTemplateTable_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QList<QVector<int>>>("columns"); // template 3
        QTest::addColumn<QList<QVector<int>>>("rows");    // template 4
        // Row by row: column j starts at panel j, row i at panel i * 4.
        QTest::newRow("row order") << 0
                                   << QList<QVector<int>>{{0, 0, 1920, 2160, 0}, {1920, 0, 1920, 2160, 1},
                                                          {3840, 0, 1920, 2160, 2}, {5760, 0, 1920, 2160, 3}}
                                   << QList<QVector<int>>{{0, 0, 7680, 1080, 0}, {0, 1080, 7680, 1080, 1}};
        // Column by column: column j starts at panel j * 2, row i at panel i.
        QTest::newRow("column order") << 1
                                      << QList<QVector<int>>{{0, 0, 1920, 2160, 0}, {1920, 0, 1920, 2160, 1},
                                                             {3840, 0, 1920, 2160, 2}, {5760, 0, 1920, 2160, 3}}
                                      << QList<QVector<int>>{{0, 0, 7680, 1080, 0}, {0, 1080, 7680, 1080, 1}};
    }
    void gwTemplateTable()
    {
        QFETCH(int, order);
        QFETCH(QList<QVector<int>>, columns);
        QFETCH(QList<QVector<int>>, rows);
        const QList<INFO_PANEL> panels = wall2x4(order);
        const QList<INFO_TEMPLATE> t = WidgetInLeft::gwTemplates(panels);
        QCOMPARE(t.size(), 5);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(t.at(k).templateId, k);
            QCOMPARE(t.at(k).panels.size(), 8);
            for (int n = 0; n < 8; ++n) {
                const INFO_PANEL &p = panels.at(n);
                QCOMPARE(entry(t.at(k).panels.at(n)), (QVector<int>{p.x, p.y, p.width, p.height, p.id}));
            }
        }
        QCOMPARE(t.at(0).windows.size(), 1);
        QCOMPARE(entry(t.at(0).windows.at(0)), (QVector<int>{0, 0, 7680, 2160, 0}));
        for (int k : {1, 2}) {
            QCOMPARE(t.at(k).windows.size(), 8);
            for (int n = 0; n < 8; ++n)
                QCOMPARE(entry(t.at(k).windows.at(n)), entry(t.at(k).panels.at(n)));
        }
        QList<QVector<int>> got3, got4;
        for (const PRESET_ENTRY &e : t.at(3).windows)
            got3 << entry(e);
        for (const PRESET_ENTRY &e : t.at(4).windows)
            got4 << entry(e);
        QCOMPARE(got3, columns);
        QCOMPARE(got4, rows);
    }

    void gwTemplatesSurviveShortPanelLists()
    {
        QList<INFO_PANEL> panels = wall2x4(1).mid(0, 3); // the device reported only three panels
        const QList<INFO_TEMPLATE> t = WidgetInLeft::gwTemplates(panels);
        QCOMPARE(t.at(3).windows.size(), 2); // base panels 0 and 2 exist, 4 and 6 do not
        QCOMPARE(t.at(4).windows.size(), 2);
        QVERIFY(WidgetInLeft::gwTemplates({}).isEmpty());
    }

    void gwInputsAndTemplates()
    {
        makeCurrent(&gw);
        WidgetInLeft left;
        gw.other.other2 = 2; // two input cards
        gw.signalPresence = {INFO_SIGNAL_PRESENCE{1, 32, 1}, INFO_SIGNAL_PRESENCE{40, 32, 1}};
        gw.panels = wall2x4(0);
        INFO_PRESET preset = onePanelPreset(4);
        gw.presets = {preset};
        left.setDevice(&gw);
        QCOMPARE(texts(left), (QStringList{"Input1", "Input2", "Input3", "Input4", "Input5", "Input6", "Input7", "Input8"}));
        QCOMPARE(ids(left), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        SxSignalBoxButton *second = left.sourceButtons().at(1);
        QCOMPARE(second->objectName(), QStringLiteral("KeepStatu_AAA"));
        QVERIFY(second->hasSignal());
        QVERIFY(second->showSignal());
        QVERIFY(second->applyToAll());
        QVERIFY(!left.sourceButtons().at(0)->hasSignal());
        QVERIFY(left.presetButtons().at(4)->hasData());
        for (int k = 0; k < 10; ++k)
            QCOMPARE(left.templateButtons().at(k)->hasData(), k < 5);

        // The same count keeps the buttons; a new count rebuilds them.
        gw.signalPresence[0].hasSignal = 0;
        left.setGWDevice(&gw);
        QCOMPARE(left.sourceButtons().at(1), second);
        QVERIFY(!second->hasSignal());
        gw.other.other2 = 1;
        left.setGWDevice(&gw);
        QCOMPARE(left.sourceButtons().size(), 4);

        // "Apply to all windows" asks first and then emits the source id.
        QStringList asked;
        bool answer = false;
        SxSignalBoxButton::setConfirm([&](QWidget *, const QString &text) {
            asked << text;
            return answer;
        });
        QSignalSpy all(&left, &WidgetInLeft::emitInputSignalSwitchAll);
        left.sourceButtons().at(2)->applyToAllWindows();
        QCOMPARE(all.count(), 0);
        answer = true;
        left.sourceButtons().at(2)->applyToAllWindows();
        SxSignalBoxButton::setConfirm(nullptr);
        QCOMPARE(asked, (QStringList{"All window are switch to input 3", "All window are switch to input 3"}));
        QCOMPARE(all.count(), 1);
        QCOMPARE(all.at(0).at(0).value<signed char>(), static_cast<signed char>(2));
    }

    void gwTemplatesByDeviceOrByApplication()
    {
        makeCurrent(&gw);
        WidgetInLeft left;
        gw.panels = wall2x4(0);
        left.setDevice(&gw);
        QSignalSpy templates(&left, &WidgetInLeft::emitTemplateChange);
        QSignalSpy removeAll(&left, &WidgetInLeft::emitRemoveAllWindow);
        QSignalSpy sent(gwIface, &Interface::emitSendData);
        QTest::mouseDClick(left.templateButtons().at(2), Qt::LeftButton);
        QCOMPARE(templates.count(), 1);
        QCOMPARE(templates.at(0).at(0).toInt(), 2);
        QCOMPARE(sent.count(), 0);

        QTest::mouseDClick(left.templateButtons().at(4), Qt::LeftButton);
        QCOMPARE(templates.count(), 1);
        QCOMPARE(removeAll.count(), 1);
        const QList<QByteArray> f = frames(sent);
        QVERIFY(f.size() > 4);
        QCOMPARE(at(f.first(), 4), uint8_t(0xF1));
        QCOMPARE(at(f.first(), 6), uint8_t(0));
        QCOMPARE(at(f.at(1), 4), uint8_t(0x05)); // first panel rectangle
        QCOMPARE(at(f.at(1), 5), uint8_t(0x01));
        QCOMPARE(at(f.at(f.size() - 2), 4), uint8_t(0xF1));
        QCOMPARE(at(f.at(f.size() - 2), 6), uint8_t(1));
        QCOMPARE(f.last(), Interface::requestFrame(0xEF));
        int areaFrames = 0, windowFrames = 0;
        for (const QByteArray &x : f) {
            areaFrames += at(x, 4) == 0x05 && at(x, 5) == 0x01;
            windowFrames += at(x, 4) == 0x03;
        }
        QCOMPARE(areaFrames, 8);
        QVERIFY(windowFrames >= 2);

        // Without the GW interface nothing is laid out.
        makeCurrent(nullptr);
        sent.clear();
        QTest::mouseDClick(left.templateButtons().at(3), Qt::LeftButton);
        QCOMPARE(sent.count(), 0);
        QCOMPARE(removeAll.count(), 1);
    }

    void allTasksSwitch()
    {
        WidgetInLeft left;
        INFO_TIME_TASK on;
        on.index = 3;
        on.state = 1;
        ks.timeTasks[3] = on;
        left.setDevice(&ks);
        SxTimeTaskButton *task = left.taskButtons().at(3);
        QCOMPARE(task->task().state, uint8_t(1));
        QCOMPARE(task->color(), QColor(Qt::white));
        auto sw = child<QToolButton>(left, "btn_taskSwitch");
        QTest::mouseClick(child<QPushButton>(left, "KeepStatu_TimeTask"), Qt::LeftButton);
        QSignalSpy sent(ksIface, &Interface::emitSendData);
        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(allTasksOn);
        QCOMPARE(frames(sent), QList<QByteArray>{KS9200Interface::setAllTasksFrame(true)});
        QCOMPARE(at(sent.at(0).at(0).toByteArray(), 6), uint8_t(6));
        QCOMPARE(task->color(), QColor(Qt::green));
        QCOMPARE(left.taskButtons().at(0)->color(), QColor(Qt::white));
        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(!allTasksOn);
        QCOMPARE(at(sent.at(1).at(0).toByteArray(), 6), uint8_t(7));
        QCOMPARE(task->color(), QColor(Qt::white));

        // A task reply sets the switch from the process-wide flag.
        allTasksOn = true;
        INFO_TIME_TASK other;
        other.index = 5;
        other.state = 1;
        left.setTimeTask(other);
        QVERIFY(sw->isChecked());
        QCOMPARE(left.taskButtons().at(5)->color(), QColor(Qt::green));
        other.index = 16;
        left.setTimeTask(other); // outside the sixteen slots: ignored
    }

    void taskButtonOpensDialog()
    {
        WidgetInLeft left;
        left.setDevice(&ks);
        INFO_TIME_TASK t;
        t.index = 2;
        t.target = 17;
        left.setTimeTask(t);
        DialogTimeTake *dlg = left.timeTaskDialog();
        QString title;
        QString target;
        QTimer::singleShot(0, dlg, [&] {
            title = dlg->findChild<SxDialogTitle *>(QStringLiteral("dialogTitle"))->title();
            auto combo = dlg->findChild<QComboBox *>(QStringLiteral("combo_target"));
            target = combo->currentText();
            combo->setCurrentIndex(combo->findText(QStringLiteral("Preset 3")));
            QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("pushButton_ok")), Qt::LeftButton);
            dlg->reject();
        });
        QTest::mouseClick(left.taskButtons().at(2), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Task 3"));
        QCOMPARE(target, QStringLiteral("Wakeup"));
        QCOMPARE(left.taskButtons().at(2)->task().target, uint8_t(2));
    }

    // Each page button shows its page for both families; pictures of the pages are written when
    // VP_SCREENSHOT_DIR names a directory.
    void fourPagesForBothFamilies()
    {
        const QString dir = qEnvironmentVariable("VP_SCREENSHOT_DIR");
        ks.type = 16;
        ks.hasUsb = 1;
        ks.presets = {onePanelPreset(0), onePanelPreset(3)};
        INFO_INPUTSINGLE hdmi;
        hdmi.srcId = 32;
        hdmi.hasSignal = 1;
        ks.inputSignals = {hdmi};
        INFO_TIME_TASK task;
        task.index = 1;
        task.state = 1;
        task.taskType = 2;
        ks.timeTasks[1] = task;
        allTasksOn = true;
        gw.other.other2 = 2;
        gw.panels = wall2x4(0);
        gw.signalPresence = {INFO_SIGNAL_PRESENCE{0, 32, 1}, INFO_SIGNAL_PRESENCE{1, 16, 0}};
        const char *pages[] = {"KeepStatu_Signal", "KeepStatu_TimeTask", "KeepStatu_LoadTemplate", "KeepStatu_LoadPreset"};
        for (INFO_BASIC *record : {static_cast<INFO_BASIC *>(&ks), static_cast<INFO_BASIC *>(&gw)}) {
            makeCurrent(record);
            WidgetInLeft left;
            left.setStyleSheet(SxBaseWidget::applicationStyleSheet());
            left.resize(240, 640);
            left.setDevice(record);
            left.show();
            QVERIFY(QTest::qWaitForWindowExposed(&left));
            for (int page = 0; page < 4; ++page) {
                auto button = child<QPushButton>(left, pages[page]);
                if (!button->isEnabled())
                    continue;
                QTest::mouseClick(button, Qt::LeftButton);
                QCOMPARE(child<QStackedWidget>(left, "stackedWidget")->currentIndex(), page);
                QVERIFY(button->isChecked());
                if (!dir.isEmpty())
                    QVERIFY(left.grab().save(QStringLiteral("%1/WidgetInLeft_%2_page%3.png")
                                                 .arg(dir, record == &gw ? QStringLiteral("GW") : QStringLiteral("KS"))
                                                 .arg(page)));
            }
            if (!dir.isEmpty() && record == &gw) {
                SxPreviewBox *box = left.templateButtons().at(3)->previewBox();
                box->show();
                QVERIFY(box->grab().save(dir + QStringLiteral("/SxPreviewBox_GW_template4.png")));
            }
        }
    }

    void relabelsOnLanguageSwitch()
    {
        makeCurrent(&gw);
        WidgetInLeft left;
        gw.other.other2 = 1;
        left.setDevice(&gw);
        left.sourceButtons().at(0)->setText(QString());
        left.presetButtons().at(0)->setText(QString());
        left.switchLanguage();
        QCOMPARE(left.sourceButtons().at(0)->text(), QStringLiteral("Input1"));
        QCOMPARE(left.presetButtons().at(0)->text(), QStringLiteral("Preset 1"));
        QCOMPARE(child<QLabel>(left, "label_taskSwitch")->text(), QStringLiteral("All Task Onoff"));
        QCOMPARE(child<QPushButton>(left, "KeepStatu_TimeTask")->text(), QStringLiteral("Time && Task"));
    }
};

QTEST_MAIN(TestLeftPanel)
#include "tst_ui_leftpanel.moc"
