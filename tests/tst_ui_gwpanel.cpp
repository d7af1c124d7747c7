// The GW output-setting dialog with a GW5Interface as the current device: its frames are compared with
// what a second interface in the same state sends for the operations the dialog should ask for.
#include "BoxCatcher.h"
#include "DialogGWPanel.h"
#include "DlgBusy.h"
#include "DlgDevice.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <functional>

using RecordBuilders::sentFrames;
using Frames = QList<QByteArray>;


static INFO_PANEL panel(int id, int width, int height, int row, int col, int index = 0)
{ // id, x, y, width, height, rate, index, resolution, rows, columns
    return {uint16_t(id), 0, 0, uint16_t(width), uint16_t(height), 50, uint16_t(index), 1920, 1080, uint8_t(row), uint8_t(col)};
}

static QList<INFO_PANEL> grid(int rows, int cols, int width, int height)
{
    QList<INFO_PANEL> l;
    for (int i = 0; i < rows * cols; ++i)
        l << panel(i, width, height, rows, cols);
    return l;
}

static QList<INFO_MAPPING> mappings(int count, bool reversed = false)
{
    QList<INFO_MAPPING> l;
    for (int i = 0; i < count; ++i)
        l << INFO_MAPPING{uint8_t(i), uint8_t(reversed ? count - 1 - i : i)};
    return l;
}

static QString areaText(int screen, int width, int height)
{
    return QStringLiteral("\nscreen: %1 \nh_width: %2 \nv_height: %3 \n").arg(screen).arg(width).arg(height);
}

struct Rig : GwDevice
{
    Rig()
        : GwDevice(GwId, DEVICE_INFO_GW().type)
    {
        for (GW5Interface *i : {&iface, &reference}) {
            i->matrix()->updateOtherSetting(2, 2);
            i->matrix()->updateResolution(0, 1920, 1080, 60, 2, 2, 0);
        }
        dlg.setOutputCards(2);
    }
    QList<QByteArray> expected(const std::function<void(GW5Interface &)> &ops)
    {
        QSignalSpy s(&reference, &Interface::emitSendData);
        ops(reference);
        return sentFrames(s);
    }
    template <typename T> T *w(const char *name) { return dlg.findChild<T *>(name); }
    QTableWidget *table() { return w<QTableWidget>("tableWidget"); }
    QTableWidget *mapping() { return w<QTableWidget>("tableWidget_Mapping"); }
    QString cell(int row, int col) { return table()->item(row, col)->text(); }
    QList<int> resolution() { return fieldValues(&dlg, {"spin_width", "spin_height", "spin_frameRate"}); }
    QSpinBox *spin(const char *name) { return w<QSpinBox>(name); }
    void click(const char *button) { QTest::mouseClick(w<QPushButton>(button), Qt::LeftButton); }

    GW5Interface reference{GwId};
    DialogGWPanel dlg;
};

class TestUiGwPanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerRecordTypes(); }
    // The preset sizes come back in applyOutput's frames; the custom entry shows the device's own values.
    void fillingAndPresets()
    {
        Rig r;
        INFO_PANEL first{0, 0, 0, 800, 600, 50, 3, 1600, 500, 2, 3};
        r.dlg.setPanelData(first);
        QCOMPARE(r.resolution(), QList<int>({1024, 768, 60}));
        QVERIFY(!r.spin("spin_width")->isEnabled());
        first.index = 40;
        r.dlg.setPanelData(first);
        QCOMPARE(fieldValues(&r.dlg, {"combo_resolution", "spin_width", "spin_height", "spin_frameRate"}),
                 QList<int>({0, 1600, 500, 50}));
        QVERIFY(r.spin("spin_width")->isEnabled());
        QVERIFY(!r.dlg.resolutionTimer()->isActive()); // filling is no edit
    }
    void pixelClock_data()
    {
        QTest::addColumn<QList<int>>("values"); // width, height, frame rate
        QTest::addColumn<int>("edited");         // its index in values
        QTest::addColumn<int>("expected");
        // (3840 + 120) x (2160 + 40) x 60 is over the limit: 20, clamped to 23.
        QTest::newRow("4k rate") << QList<int>{3840, 2160, 60} << 2 << 23;
        QTest::newRow("wide, over the clock") << QList<int>{5000, 300, 60} << 0 << 3960;
        QTest::newRow("wide, within the clock") << QList<int>{5000, 100, 60} << 0 << 5000;
        QTest::newRow("width computed back") << QList<int>{3000, 1080, 60} << 0 << 175000000 / 60 / (1080 + 40) - 120;
        QTest::newRow("height computed back") << QList<int>{1920, 2000, 60} << 1 << 175000000 / ((1920 + 120) * 60) - 40;
        QTest::newRow("1080p60 fits") << QList<int>{1920, 1080, 60} << 2 << 60;
    }
    void pixelClock()
    {
        QFETCH(QList<int>, values);
        QFETCH(int, edited);
        QFETCH(int, expected);
        Rig r;
        r.dlg.setPanelData(panel(0, 960, 540, 2, 2, 0));
        QSpinBox *spins[] = {r.spin("spin_width"), r.spin("spin_height"), r.spin("spin_frameRate")};
        for (int i = 0; i < 3; ++i)
            if (i != edited)
                spins[i]->setValue(values[i]);
        spins[edited]->setValue(values[edited] == spins[edited]->value() ? values[edited] + 1 : values[edited]);
        spins[edited]->setValue(values[edited]);
        QVERIFY(r.dlg.resolutionTimer()->isActive());
        QCOMPARE(r.dlg.resolutionTimer()->interval(), 1000);
        QMetaObject::invokeMethod(&r.dlg, "onTimerResolution");
        values[edited] = expected;
        QCOMPARE(r.resolution(), values);
        QVERIFY(!r.dlg.resolutionTimer()->isActive());
    }
    void applyOutput_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("layout");     // rows, columns, serial number; empty: not sent
        QTest::addColumn<QList<int>>("resolution"); // index, width, height, rate; empty: not sent
        // From a 2 x 2 layout on the custom 1920 x 1080 at 50 Hz.
        QTest::newRow("rows") << QByteArray("spin_row") << 1 << QList<int>{1, 2, 0} << QList<int>();
        QTest::newRow("columns") << QByteArray("spin_col") << 4 << QList<int>{2, 4, 0} << QList<int>();
        QTest::newRow("serial number") << QByteArray("combo_serialNumber") << 1 << QList<int>{2, 2, 1} << QList<int>();
        QTest::newRow("preset") << QByteArray("combo_resolution") << 2 << QList<int>() << QList<int>{2, 1280, 720, 60};
        QTest::newRow("custom width") << QByteArray("spin_width") << 1600 << QList<int>() << QList<int>{0, 1600, 1080, 50};
        QTest::newRow("custom height") << QByteArray("spin_height") << 900 << QList<int>() << QList<int>{0, 1920, 900, 50};
        QTest::newRow("custom rate") << QByteArray("spin_frameRate") << 30 << QList<int>() << QList<int>{0, 1920, 1080, 30};
        QTest::newRow("grid over 8 areas refused") << QByteArray("spin_col") << 5 << QList<int>() << QList<int>();
    }
    // Apply sends what changed between output holds, busy; the canvas drops its windows and reloads template 0.
    void applyOutput()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, value);
        QFETCH(QList<int>, layout);
        QFETCH(QList<int>, resolution);
        Rig r;
        r.dlg.setPanelData(panel(0, 960, 540, 2, 2));
        QSignalSpy removeAll(&r.dlg, &DialogGWPanel::emitRemoveAllWindow);
        QSignalSpy clearPanels(&r.dlg, &DialogGWPanel::emitClearPanelData);
        QSignalSpy template0(&r.dlg, &DialogGWPanel::emitLoadTemplateID0);
        r.click("btn_apply"); // nothing changed yet
        QCOMPARE(r.spy.size(), 0);
        QVERIFY(setField(r.w<QWidget>(field), value));
        if (r.dlg.resolutionTimer()->isActive()) // a size edited: settled as after the quiet time
            QMetaObject::invokeMethod(&r.dlg, "onTimerResolution");
        const bool refused = layout.isEmpty() && resolution.isEmpty();
        BusyStopper busy;
        BoxCatcher boxes;
        r.click("btn_apply");
        QCOMPARE(boxes.titles + boxes.texts,
                 refused ? QStringList({"tips", "Row and column cannot be greater than 8"}) : QStringList());
        QCOMPARE(busy.stopTimes, refused ? QList<int>() : QList<int>({2000}));
        QCOMPARE(r.frames(), refused ? Frames() : r.expected([&](GW5Interface &g) {
            g.setOutputHold(0);
            g.setOutputHold(1);
            if (!resolution.isEmpty())
                g.setOutputResolution(resolution[0], resolution[1], resolution[2], resolution[3]);
            if (!layout.isEmpty())
                g.setAreaLayout(layout[0], layout[1], layout[2]);
            g.setOutputHold(0);
            g.setOutputHold(1);
        }));
        QCOMPARE(QList<int>({removeAll.size(), clearPanels.size(), template0.size(), template0.value(0).value(0, -1).toInt()}),
                 refused ? QList<int>({0, 0, 0, -1}) : QList<int>({1, 1, 1, 0}));
        r.spy.clear();
        if (refused) // an edit left unapplied does not survive the next filling
            r.dlg.setPanelData(panel(0, 960, 540, 2, 2));
        r.click("btn_apply");
        QCOMPARE(r.spy.size(), 0);
    }
    void screenTable()
    {
        Rig r;
        QTableWidget *t = r.table();
        QList<INFO_PANEL> list = grid(2, 2, 960, 540);
        list[1].width = 900;
        list[2].height = 500;
        r.dlg.fillScreenTable(list);
        QCOMPARE(QSize(t->columnCount(), t->rowCount()), QSize(3, 3));
        QCOMPARE(QStringList({r.cell(0, 1), r.cell(0, 2), r.cell(1, 0), r.cell(2, 0)}),
                 QStringList({"960", "900", "540", "500"}));
        QCOMPARE(r.cell(2, 1), areaText(3, 960, 500));

        // A list whose length is not rows x columns leaves the table alone.
        r.dlg.fillScreenTable(grid(2, 2, 100, 100).mid(0, 3));
        QList<INFO_PANEL> odd = grid(1, 3, 100, 100);
        odd[0].row = 2;
        r.dlg.fillScreenTable(odd);
        QCOMPARE(t->rowCount(), 3);
        QCOMPARE(r.cell(0, 1), QString("960"));

        // Larger than the output or no size: refused, the old value comes back.
        const QList<std::tuple<int, int, const char *, const char *>> refused = {
            {0, 1, "1921", "The width of the screen can not be larger than the width of the resolution."},
            {1, 0, "1081", "The height of the screen can not be larger than the height of the resolution."},
            {0, 2, "abc", "Please enter a valid width"},
            {0, 2, "0", "Please enter a valid width"}};
        for (const auto &[row, col, text, message] : refused) {
            const QString before = r.cell(row, col);
            BoxCatcher boxes;
            t->item(row, col)->setText(text);
            QCOMPARE(boxes.titles, QStringList({"tips"}));
            QVERIFY2(boxes.texts.value(0).startsWith(message), qPrintable(boxes.texts.join('|')));
            QCOMPARE(r.cell(row, col), before);
        }

        t->item(0, 1)->setText("1920");
        QCOMPARE(QStringList({r.cell(1, 1), r.cell(2, 1), r.cell(1, 2)}),
                 QStringList({areaText(1, 1920, 540), areaText(3, 1920, 500), areaText(2, 900, 540)}));
        t->item(2, 0)->setText("1080");
        QCOMPARE(r.cell(2, 2), areaText(4, 960, 1080)); // column width not edited

        // The maximum follows the output size of the first record: a 1024 x 768 preset.
        QList<INFO_PANEL> preset = grid(1, 2, 500, 700);
        preset[0].index = 3;
        r.dlg.fillScreenTable(preset);
        BoxCatcher boxes;
        t->item(0, 2)->setText("1025");
        t->item(0, 2)->setText("1024");
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(r.cell(1, 2), areaText(2, 1024, 700));

        r.record.panels = grid(1, 4, 480, 1080);
        setFields(&r.dlg, {{"tabWidget", 1}});
        QCOMPARE(t->columnCount(), 5);
        QCOMPARE(r.cell(1, 4), areaText(4, 480, 1080));
    }
    void applyScreen()
    {
        Rig r;
        r.dlg.fillScreenTable(grid(2, 2, 960, 540));
        QSignalSpy removeAll(&r.dlg, &DialogGWPanel::emitRemoveAllWindow);
        r.click("btn_applyScreen"); // nothing edited yet
        QCOMPARE(r.spy.size(), 0);
        r.table()->item(0, 2)->setText("800");
        r.table()->item(2, 0)->setText("600");
        BusyStopper busy;
        r.click("btn_applyScreen");
        QCOMPARE(busy.stopTimes, QList<int>({3000}));
        QCOMPARE(removeAll.size(), 1);
        QCOMPARE(r.frames(), r.expected([](GW5Interface &g) {
            g.setOutputHold(0);
            g.setAreaGeometry(0, 0, 0, 960, 540);
            g.setAreaGeometry(1, 960, 0, 800, 540);
            g.setAreaGeometry(2, 0, 540, 960, 600);
            g.setAreaGeometry(3, 960, 540, 800, 600);
            g.openWindow(0, 0, 0, 1760, 1140, 0);
            g.setOutputHold(1);
            g.readAll();
        }));
        QCOMPARE(r.frames().last(), Interface::requestFrame(0xEF));
        r.spy.clear();
        r.click("btn_applyScreen");
        QCOMPARE(r.spy.size(), 0);
    }
    void mappingTable()
    {
        Rig r;
        r.dlg.fillMappingTable(mappings(4, true));
        QTableWidget *t = r.mapping();
        QCOMPARE(t->rowCount(), 4);
        QCOMPARE(QStringList({t->item(1, 0)->text(), t->item(1, 2)->text()}), QStringList({"2", "3"}));
        QCOMPARE(t->item(1, 2)->data(Qt::UserRole).toInt(), 2);
        QSignalSpy changed(&r.dlg, &DialogGWPanel::emitMappingChanged);

        // Past the four areas, 0 and no number are refused; the old number comes back.
        for (const char *bad : {"5", "0", "x"}) {
            BoxCatcher boxes;
            t->item(1, 2)->setText(bad);
            QCOMPARE(boxes.titles + boxes.texts, QStringList({"tips", "Input Screen ID Error"}));
            QCOMPARE(t->item(1, 2)->text(), QString("3"));
        }
        QCOMPARE(QList<int>({r.spy.size(), changed.size()}), QList<int>({0, 0}));

        t->item(1, 2)->setText("4");
        QCOMPARE(r.frames(), r.expected([](GW5Interface &g) { g.setOutputMapping(1, 3); }));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first(), (QList<QVariant>{1, 3, 2}));
        QCOMPARE(t->item(1, 2)->data(Qt::UserRole).toInt(), 3);
        t->item(1, 2)->setText("1");
        QCOMPARE(changed.last(), (QList<QVariant>{1, 0, 3}));
    }
    void withoutDevice()
    {
        Rig r;
        DeviceLookup::clear();
        r.dlg.setPanelData(panel(0, 960, 540, 2, 2));
        setFields(&r.dlg, {{"spin_col", 4}});
        r.click("btn_apply");
        r.dlg.fillScreenTable(grid(2, 2, 960, 540));
        r.table()->item(0, 1)->setText("800");
        r.click("btn_applyScreen");
        r.dlg.fillMappingTable(mappings(2));
        QSignalSpy changed(&r.dlg, &DialogGWPanel::emitMappingChanged);
        r.mapping()->item(0, 2)->setText("2");
        QCOMPARE(QList<int>({r.spy.size(), changed.size()}), QList<int>({0, 1})); // the mapping edit still tells the application
        QVERIFY(r.dlg.busyIndicator() == nullptr);
    }
    void reuseShowsNothingOfTheLastUse_data()
    {
        QTest::addColumn<QList<INFO_PANEL>>("panels");
        QTest::addColumn<int>("mappingRows");
        QTest::newRow("no panels") << QList<INFO_PANEL>() << 0;
        QTest::newRow("panels incomplete") << grid(2, 2, 960, 540).mid(0, 3) << 2;
    }
    // Opened again for a device whose panels are none or do not fill the grid, it shows and sends nothing of the last use.
    void reuseShowsNothingOfTheLastUse()
    {
        QFETCH(QList<INFO_PANEL>, panels);
        QFETCH(int, mappingRows);
        Rig r;
        DEVICE_INFO_GW first;
        first.other.outputCards = 2;
        first.panels = grid(2, 3, 640, 540);
        first.panels[0].index = 1;
        first.mappings = mappings(6);
        r.dlg.setDeviceData(first);
        QCOMPARE(r.table()->rowCount(), 3);
        r.table()->item(0, 1)->setText("600");
        setFields(&r.dlg, {{"spin_col", 4}, {"tabWidget", 2}});

        DEVICE_INFO_GW next;
        next.other.outputCards = 1;
        next.panels = panels;
        next.mappings = mappings(mappingRows);
        r.dlg.setDeviceData(next);
        QCOMPARE(r.dlg.outputCards(), 1);
        QCOMPARE(r.table()->rowCount(), 0);
        QCOMPARE(r.mapping()->rowCount(), mappingRows);
        const INFO_PANEL shown = panels.value(0, INFO_PANEL());
        QCOMPARE(fieldValues(&r.dlg, {"spin_row", "spin_col", "combo_resolution"}),
                 QList<int>({qMax(1, int(shown.row)), qMax(1, int(shown.col)), int(shown.index)}));
        r.click("btn_apply");
        r.click("btn_applyScreen");
        QCOMPARE(r.spy.size(), 0);
        QCOMPARE(fieldValues(&r.dlg, {"tabWidget"}), QList<int>({0}));
    }
};

QTEST_MAIN(TestUiGwPanel)
#include "tst_ui_gwpanel.moc"
