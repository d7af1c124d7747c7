// Input and preset panel with real records and interfaces installed as the current device.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxPreviewBoxButton.h"
#include "SxSignalBoxButton.h"
#include "SxTimeTaskButton.h"
#include "UiLookup.h"
#include "UiRecordsC.h"
#include "WidgetInLeft.h"

#include <QtTest>
#include <QtWidgets>

using UiC::at;
using UiC::frames;

namespace {
const QString Cpuid = QStringLiteral("00112233445566778899aabb");

// A 2 x 4 wall of 1920 x 1080 panels; `order` 0 numbers them row by row, 1 column by column.
QList<INFO_PANEL> wall2x4(int order)
{
    QList<INFO_PANEL> panels;
    for (int n = 0; n < 8; ++n) {
        const int row = order == 1 ? n % 2 : n / 4, col = order == 1 ? n / 2 : n % 4;
        INFO_PANEL p = UiC::panel(n, col * 1920, row * 1080, 1920, 1080);
        p.index = p.rate = 0;
        p.row = 2, p.col = 4, p.arrangement = uint8_t(order);
        panels.append(p);
    }
    return panels;
}

QList<QVector<int>> entries(const QList<PRESET_ENTRY> &list)
{
    QList<QVector<int>> out;
    for (const PRESET_ENTRY &e : list) {
        out.append(QVector<int>());
        for (int i = 0; i < e.count; ++i) out.last().append(e.value(i));
    }
    return out;
}

INFO_PRESET onePanelPreset(int id)
{
    INFO_PRESET p;
    p.id = id;
    p.panels.append(PRESET_ENTRY{0, 0, 1920, 1080});
    p.windows.append(PRESET_ENTRY{0, 0, 960, 540});
    return p;
}

QStringList sources(const WidgetInLeft &left)
{
    QStringList out;
    for (SxSignalBoxButton *b : left.sourceButtons()) out << QStringLiteral("%1=%2").arg(b->text()).arg(b->sourceId());
    return out;
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

private slots:
    void initTestCase()
    {
        registerRecordTypes();
        ks.cpuid = gw.cpuid = Cpuid;
        gw.type = 48;
        ksIface = new KS9200Interface(Cpuid, this);
        gwIface = new GW5Interface(Cpuid, this);
        DeviceLookup::install(
            [this](const QString &) { return current; },
            [this](const QString &) -> Interface * {
                return current == &ks ? static_cast<Interface *>(ksIface) : current == &gw ? gwIface : nullptr;
            },
            [] { return Cpuid; });
    }
    void cleanupTestCase() { DeviceLookup::clear(); }
    void init()
    {
        ks.clearAllData();
        ks.type = 0;
        ks.hasUsb = ks.hasSdi = 0;
        ks.other = INFO_OTHER_KS9200();
        gw.clearAllData();
        gw.other = INFO_OTHER_GW5();
        allTasksOn = false;
        current = &ks;
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
        QTest::newRow("type 3, flags ignored") << 3 << 1 << 1
            << QStringList{"VGA1", "VGA2", "CV1", "CV2", "DVI1", "DVI2", "HDMI1", "HDMI2", "HDMI3", "HDMI4"}
            << QList<int>{0, 1, 48, 49, 16, 17, 32, 33, 34, 35};
        QTest::newRow("type 4 with SDI") << 4 << 0 << 1
            << QStringList{"DVI1", "DVI2", "HDMI1", "VGA1", "VGA2", "CV1", "CV2", "SDI1", "SDI2"}
            << QList<int>{16, 17, 32, 0, 1, 48, 49, 80, 81};
        QTest::newRow("type 17 with both")
            << 17 << 1 << 1 << QStringList{"VGA1", "DVI1", "HDMI1", "HDMI2", "DP1", "USB1", "SDI1", "SDI2"}
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
        QStringList want;
        for (int i = 0; i < names.size(); ++i) want << QStringLiteral("%1=%2").arg(names.at(i)).arg(ids.value(i));
        QCOMPARE(sources(left), want);
        QCOMPARE(WidgetInLeft::sourceNames(type, usb, sdi), names);
        // A name maps back to its id; GW inputs and unknown names map to none.
        QList<int> got;
        for (const QString &name : names + QStringList{"Input3", "HDMI", "HDMI17"}) got << WidgetInLeft::sourceId(name);
        QCOMPARE(got, ids + QList<int>({-1, -1, -1}));
    }


    void sourceSelectionAndSwitch()
    {
        WidgetInLeft left;
        ks.type = 16;
        INFO_INPUTSINGLE hdmi2{33, 0, 0, 0, 1};
        ks.inputSignals = {hdmi2};
        left.setDevice(&ks);
        SxSignalBoxButton *b = left.sourceButtons().at(3);
        QCOMPARE(b->sourceId(), 33);
        QVERIFY(b->hasSignal() && b->showSignal() && !b->applyToAll() && !left.sourceButtons().at(0)->hasSignal());
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
        QVERIFY(left.sourceButtons().at(4)->isChecked() && !b->isChecked());
        hdmi2.hasSignal = 0;
        left.setInputSignals({hdmi2, INFO_INPUTSINGLE{0, 0, 0, 0, 1}}, 16);
        QVERIFY(!b->hasSignal() && left.sourceButtons().at(0)->hasSignal());
    }

    void fillingFromRecordSendsNothing()
    {
        WidgetInLeft left;
        ks.type = 3;
        ks.other.switchMode = 1, ks.other.fadePeriod = 25;
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        left.setDevice(&ks);
        auto mode = child<QComboBox>(&left, "combo_mode");
        auto slider = child<QSlider>(&left, "slider_time");
        QCOMPARE((QList<int>{mode->currentIndex(), slider->value()}), (QList<int>{1, 25}));
        QCOMPARE(child<QDoubleSpinBox>(&left, "doubleSpinBox")->value(), 2.5);
        INFO_OTHER_KS9200 other;
        other.switchMode = 0, other.fadePeriod = 7;
        left.setOtherSetting(other);
        QCOMPARE((QList<int>{mode->currentIndex(), slider->value(), spy.count()}), (QList<int>{0, 7, 0}));
        mode->setCurrentIndex(1);
        QCOMPARE(frames(spy), (QList<QByteArray>{KS9200Interface::setSwitchModeFrame(1, 7),
                                                 Interface::requestFrame(0xEE)}));
        const QByteArray f = frames(spy).first();
        QCOMPARE((QList<int>{at(f, 4), at(f, 5), at(f, 6), at(f, 7)}), (QList<int>{0x11, 0x00, 1, 7}));
        mode->setCurrentIndex(0);
        QCOMPARE(frames(spy).at(2), KS9200Interface::setSwitchModeFrame(0, 0));
    }

    void fadeSpinBoxAndKsButtons()
    {
        WidgetInLeft left;
        left.setDevice(&ks);
        auto slider = child<QSlider>(&left, "slider_time");
        auto spin = child<QDoubleSpinBox>(&left, "doubleSpinBox");
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        spin->setValue(2.25);
        QCOMPARE(slider->value(), 23);
        QCOMPARE(spin->value(), 2.3);
        QCOMPARE(frames(spy), (QList<QByteArray>{KS9200Interface::setSwitchModeFrame(1, 23),
                                                 Interface::requestFrame(0xEE)}));
        QSignalSpy vga(ksIface, &Interface::emitSendData);
        QTest::mouseClick(child<QPushButton>(&left, "btn_vga"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&left, "btn_adc"), Qt::LeftButton);
        QCOMPARE(vga.count(), 2);
        QCOMPARE((QList<int>{at(frames(vga)[0], 4), at(frames(vga)[0], 5), at(frames(vga)[1], 5)}), (QList<int>{0x14, 0, 1}));
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
        QCOMPARE(frames(spy).at(before), KS9200Interface::setSwitchModeFrame(1, 15));
        current = &gw;
        QSignalSpy ksAfter(ksIface, &Interface::emitSendData), gwSpy(gwIface, &Interface::emitSendData);
        QTest::mouseClick(child<QPushButton>(&left, "btn_vga"), Qt::LeftButton);
        QCOMPARE(ksAfter.count() + gwSpy.count(), 0);
    }

    void pageVisibilityByFamily()
    {
        WidgetInLeft left;
        left.show();
        left.setDevice(&ks);
        auto vga = child<QPushButton>(&left, "btn_vga");
        auto taskSwitch = child<QToolButton>(&left, "btn_taskSwitch");
        auto pageTask = child<QPushButton>(&left, "KeepStatu_TimeTask");
        auto pageTemplate = child<QPushButton>(&left, "KeepStatu_LoadTemplate");
        auto stack = child<QStackedWidget>(&left, "stackedWidget");
        QVERIFY(vga->isVisible() && !taskSwitch->isVisible() && pageTask->isEnabled() && !pageTemplate->isEnabled());
        QTest::mouseClick(pageTask, Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), 1);
        QVERIFY(!vga->isVisible() && taskSwitch->isVisible());
        QTest::mouseClick(child<QPushButton>(&left, "KeepStatu_LoadPreset"), Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), 3);
        QVERIFY(!vga->isVisible() && !taskSwitch->isVisible());

        current = &gw;
        left.setDevice(&gw);
        QVERIFY(!pageTask->isEnabled() && pageTemplate->isEnabled());
        QTest::mouseClick(pageTemplate, Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), 2);
        QTest::mouseClick(child<QPushButton>(&left, "KeepStatu_Signal"), Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), 0);
        QVERIFY(!vga->isVisible() && !child<QComboBox>(&left, "combo_mode")->isVisible() && !taskSwitch->isVisible());

        current = &ks;
        ks.type = 3;
        left.setDevice(&ks);
        QVERIFY(vga->isVisible() && pageTask->isEnabled() && pageTemplate->isEnabled());
    }

    void presetsAndTemplatesFromRecord()
    {
        WidgetInLeft left;
        ks.type = 3;
        ks.presets = {onePanelPreset(2), onePanelPreset(12)};
        INFO_TEMPLATE t;
        t.templateId = t.group = 1;
        t.panels = {PRESET_ENTRY{0, 0, 100, 100}};
        ks.templates = {t};
        left.setDevice(&ks);
        for (int i : {0, 1, 2, 3, 9}) QCOMPARE(left.presetButtons().at(i)->hasData(), i == 2);
        QVERIFY(left.templateButtons().at(1)->hasData() && left.templateButtons().at(1)->isChecked());

        QSignalSpy presets(&left, &WidgetInLeft::emitPresetChange), sent(ksIface, &Interface::emitSendData);
        QTest::mouseDClick(left.presetButtons().at(0), Qt::LeftButton);
        QCOMPARE(presets.count() + sent.count(), 0);
        QTest::mouseDClick(left.presetButtons().at(2), Qt::LeftButton);
        QCOMPARE(QList<QVariantList>(presets), QList<QVariantList>{{2}});
        QSignalSpy templates(&left, &WidgetInLeft::emitTemplateChange);
        QTest::mouseDClick(left.templateButtons().at(1), Qt::LeftButton);
        QCOMPARE(QList<QVariantList>(templates), QList<QVariantList>{{1}});

        left.setPreset(onePanelPreset(5));
        QVERIFY(left.presetButtons().at(5)->hasData());
        left.setPreset(onePanelPreset(-3));
        left.clearPresetButtons();
        for (SxPreviewBoxButton *b : left.presetButtons()) QVERIFY(!b->hasData());
        left.clearTemplateButtons();
        QVERIFY(!left.templateButtons().at(1)->hasData() && !left.templateButtons().at(1)->isChecked());
    }


    void gwTemplateTable_data()
    {
        QTest::addColumn<int>("order");
        QTest::newRow("row order") << 0;
        QTest::newRow("column order") << 1;
    }
    void gwTemplateTable()
    {
        QFETCH(int, order);
        const QList<INFO_PANEL> panels = wall2x4(order);
        const QList<INFO_TEMPLATE> t = WidgetInLeft::gwTemplates(panels);
        QList<QVector<int>> wall;
        for (const INFO_PANEL &p : panels) wall.append(QVector<int>{p.x, p.y, p.width, p.height, p.id});
        QCOMPARE(t.size(), 5);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(t.at(k).templateId, k);
            QCOMPARE(entries(t.at(k).panels), wall);
        }
        QCOMPARE(entries(t.at(0).windows), (QList<QVector<int>>{{0, 0, 7680, 2160, 0}}));
        QCOMPARE(entries(t.at(1).windows), wall);
        QCOMPARE(entries(t.at(2).windows), wall);
        QCOMPARE(entries(t.at(3).windows), (QList<QVector<int>>{{0, 0, 1920, 2160, 0}, {1920, 0, 1920, 2160, 1},
                                                               {3840, 0, 1920, 2160, 2}, {5760, 0, 1920, 2160, 3}}));
        QCOMPARE(entries(t.at(4).windows), (QList<QVector<int>>{{0, 0, 7680, 1080, 0}, {0, 1080, 7680, 1080, 1}}));
        // Only three panels reported (column order): base panels 0 and 2 exist, 4 and 6 do not.
        const QList<INFO_TEMPLATE> s = WidgetInLeft::gwTemplates(wall2x4(1).mid(0, 3));
        QCOMPARE((QList<int>{s.at(3).windows.size(), s.at(4).windows.size()}), (QList<int>{2, 2}));
        QVERIFY(WidgetInLeft::gwTemplates({}).isEmpty());
    }

    void gwInputsAndTemplates()
    {
        current = &gw;
        WidgetInLeft left;
        gw.other.other2 = 2; // two input cards
        gw.signalPresence = {INFO_SIGNAL_PRESENCE{1, 32, 1}, INFO_SIGNAL_PRESENCE{40, 32, 1}};
        gw.panels = wall2x4(0);
        gw.presets = {onePanelPreset(4)};
        left.setDevice(&gw);
        QCOMPARE(sources(left), (QStringList{"Input1=0", "Input2=1", "Input3=2", "Input4=3", "Input5=4", "Input6=5",
                                             "Input7=6", "Input8=7"}));
        SxSignalBoxButton *second = left.sourceButtons().at(1);
        QVERIFY(second->hasSignal() && second->showSignal() && second->applyToAll());
        QVERIFY(!left.sourceButtons().at(0)->hasSignal() && left.presetButtons().at(4)->hasData());
        for (int k = 0; k < 10; ++k) QCOMPARE(left.templateButtons().at(k)->hasData(), k < 5);
        gw.signalPresence[0].hasSignal = 0;
        left.setGWDevice(&gw);
        QCOMPARE(left.sourceButtons().at(1), second);
        QVERIFY(!second->hasSignal());
        gw.other.other2 = 1;
        left.setGWDevice(&gw);
        QCOMPARE(left.sourceButtons().size(), 4);

        QStringList asked;
        bool answer = false;
        SxSignalBoxButton::setConfirm([&](QWidget *, const QString &text) { asked << text; return answer; });
        QSignalSpy all(&left, &WidgetInLeft::emitInputSignalSwitchAll);
        left.sourceButtons().at(2)->applyToAllWindows();
        QCOMPARE(all.count(), 0);
        answer = true;
        left.sourceButtons().at(2)->applyToAllWindows();
        SxSignalBoxButton::setConfirm(nullptr);
        QCOMPARE(asked, (QStringList{"All window are switch to input 3", "All window are switch to input 3"}));
        QCOMPARE(all.count(), 1);
        QCOMPARE(all.at(0).at(0).value<signed char>(), static_cast<signed char>(2));
        // Templates 0 to 2 are the device's own; 3 and 4 are laid out here, frame by frame.
        QSignalSpy templates(&left, &WidgetInLeft::emitTemplateChange);
        QSignalSpy removeAll(&left, &WidgetInLeft::emitRemoveAllWindow), sent(gwIface, &Interface::emitSendData);
        QTest::mouseDClick(left.templateButtons().at(2), Qt::LeftButton);
        QCOMPARE(QList<QVariantList>(templates), QList<QVariantList>{{2}});
        QCOMPARE(sent.count(), 0);

        QTest::mouseDClick(left.templateButtons().at(4), Qt::LeftButton);
        QCOMPARE((QList<int>{templates.count(), removeAll.count()}), (QList<int>{1, 1}));
        const QList<QByteArray> f = frames(sent);
        QVERIFY(f.size() > 4);
        // Output hold, the first panel rectangle, ..., the release and the full read-back.
        QCOMPARE((QList<int>{at(f.first(), 4), at(f.first(), 6), at(f.at(1), 4), at(f.at(1), 5),
                             at(f.at(f.size() - 2), 4), at(f.at(f.size() - 2), 6)}),
                 (QList<int>{0xF1, 0, 0x05, 0x01, 0xF1, 1}));
        QCOMPARE(f.last(), Interface::requestFrame(0xEF));
        int areas = 0;
        for (const QByteArray &x : frames(sent, 0x05)) areas += at(x, 5) == 0x01;
        QCOMPARE(areas, 8);
        QVERIFY(frames(sent, 0x03).size() >= 2);
        current = nullptr;
        sent.clear();
        QTest::mouseDClick(left.templateButtons().at(3), Qt::LeftButton);
        QCOMPARE(sent.count(), 0);
        QCOMPARE(removeAll.count(), 1);
    }

    void allTasksSwitch()
    {
        WidgetInLeft left;
        ks.timeTasks[3] = INFO_TIME_TASK{1, 0, 3}; // state on, slot 3
        left.setDevice(&ks);
        SxTimeTaskButton *task = left.taskButtons().at(3);
        QCOMPARE(task->color(), QColor(Qt::white));
        auto sw = child<QToolButton>(&left, "btn_taskSwitch");
        QTest::mouseClick(child<QPushButton>(&left, "KeepStatu_TimeTask"), Qt::LeftButton);
        QSignalSpy sent(ksIface, &Interface::emitSendData);
        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(allTasksOn);
        QCOMPARE(frames(sent), QList<QByteArray>{KS9200Interface::setAllTasksFrame(true)});
        QCOMPARE(at(frames(sent)[0], 6), 6);
        QCOMPARE(task->color(), QColor(Qt::green));
        QCOMPARE(left.taskButtons().at(0)->color(), QColor(Qt::white));
        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(!allTasksOn);
        QCOMPARE(at(frames(sent)[1], 6), 7);
        QCOMPARE(task->color(), QColor(Qt::white));
        allTasksOn = true;
        INFO_TIME_TASK other{1, 0, 5};
        left.setTimeTask(other);
        QVERIFY(sw->isChecked());
        QCOMPARE(left.taskButtons().at(5)->color(), QColor(Qt::green));
        other.index = 16;
        left.setTimeTask(other); // outside the sixteen slots: ignored
    }

};

QTEST_MAIN(TestLeftPanel)
#include "tst_ui_leftpanel.moc"
