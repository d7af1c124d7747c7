// The GW output-setting dialog against a real GW5Interface and DEVICE_INFO_GW installed as the
// current device. Frames are caught from the interface's emitSendData and compared byte for byte
// with what a second interface in the same state sends for the operations the dialog should ask
// for, so the matrix's own frames are checked without restating them.
#include "DEVICE_INFO_GW.h"
#include "DeviceLookup.h"
#include "DialogGWPanel.h"
#include "GW5Interface.h"
#include "RecordBuilders.h"
#include "Records.h"
#include "SxProgressIndicator.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using RecordBuilders::sentFrames;

namespace {
const QString Cpuid = QStringLiteral("0123456789abcdef01234567");

// Closes the next modal message box with Ok and keeps its text.
void closeNextBox(QString *text)
{
    auto *poll = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, text, tries] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box && ++*tries < 2000)
            return;
        poll->stop();
        poll->deleteLater();
        if (!box)
            return;
        *text = box->windowTitle() + "|" + box->text();
        box->button(QMessageBox::Ok)->click();
    });
    poll->start(5);
}

// Ends the dialog's busy indicator as soon as it runs, and counts how long it was meant to run.
void endNextBusy(DialogGWPanel *dlg, int *stopTime)
{
    auto *poll = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, dlg, stopTime, tries] {
        SxProgressIndicator *busy = dlg->busyIndicator();
        if ((!busy || !busy->isVisible()) && ++*tries < 2000)
            return;
        poll->stop();
        poll->deleteLater();
        if (!busy)
            return;
        *stopTime = busy->stopTime();
        busy->stopAnimation();
    });
    poll->start(5);
}

INFO_PANEL panel(int id, int width, int height, int row, int col, int index = 0)
{
    INFO_PANEL p;
    p.id = uint16_t(id);
    p.width = uint16_t(width);
    p.height = uint16_t(height);
    p.row = uint8_t(row);
    p.col = uint8_t(col);
    p.index = uint16_t(index);
    p.resWidth = 1920;
    p.resHeight = 1080;
    p.rate = 50;
    return p;
}

// A current GW device, a second interface in the same state for the expected frames, the dialog.
struct Rig
{
    Rig()
        : gw(Cpuid)
        , spy(&gw, &Interface::emitSendData)
    {
        DeviceLookup::install([this](const QString &id) -> INFO_BASIC * { return id.isEmpty() || id == Cpuid ? &record : nullptr; },
                              [this](const QString &id) -> Interface * { return id.isEmpty() || id == Cpuid ? &gw : nullptr; },
                              [] { return Cpuid; });
        for (GW5Interface *i : {&gw, &reference}) {
            i->matrix()->updateOtherSetting(2, 2);
            i->matrix()->updateResolution(0, 1920, 1080, 60, 2, 2, 0);
        }
        dlg.setOutputCards(2);
    }
    ~Rig() { DeviceLookup::clear(); }
    // What the reference interface sends for `ops`.
    QList<QByteArray> expected(const std::function<void(GW5Interface &)> &ops)
    {
        QSignalSpy s(&reference, &Interface::emitSendData);
        ops(reference);
        return sentFrames(s);
    }
    template <typename T> T *w(const char *name) { return dlg.findChild<T *>(name); }
    QTableWidget *table() { return w<QTableWidget>("tableWidget"); }
    QTableWidget *mapping() { return w<QTableWidget>("tableWidget_Mapping"); }

    DEVICE_INFO_GW record;
    GW5Interface gw;
    GW5Interface reference;
    QSignalSpy spy;
    DialogGWPanel dlg;
};

QList<INFO_PANEL> grid(int rows, int cols, int width, int height)
{
    QList<INFO_PANEL> l;
    for (int i = 0; i < rows * cols; ++i)
        l << panel(i, width, height, rows, cols);
    return l;
}

QList<INFO_MAPPING> mappings(int count)
{
    QList<INFO_MAPPING> l;
    for (int i = 0; i < count; ++i) {
        INFO_MAPPING m;
        m.port = uint8_t(i);
        m.area = uint8_t(i);
        l << m;
    }
    return l;
}

} // namespace

class TestUiGwPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fillingAndPresets();
    void pixelClock_data();
    void pixelClock();
    void gridLimitAndApply();
    void resolutionApply();
    void screenTable();
    void applyScreen();
    void mappingTable();
    void withoutDevice();
    void reuseShowsNothingOfTheLastUse_data();
    void reuseShowsNothingOfTheLastUse();
    void languageChange();
    void screenshots();
};

void TestUiGwPanel::initTestCase()
{
    registerRecordTypes();
}

void TestUiGwPanel::fillingAndPresets()
{
    Rig r;
    auto *combo = r.w<QComboBox>("combo_resolution");
    auto *width = r.w<QSpinBox>("spin_width");
    auto *height = r.w<QSpinBox>("spin_height");
    auto *rate = r.w<QSpinBox>("spin_frameRate");
    INFO_PANEL first = panel(0, 800, 600, 2, 3, 3);
    first.resWidth = 1600;
    first.resHeight = 500;
    first.rate = 50;
    first.arrangement = 1;
    r.dlg.setPanelData(first);
    QCOMPARE(combo->currentIndex(), 3);
    QCOMPARE(width->value(), 1024);
    QCOMPARE(height->value(), 768);
    QCOMPARE(rate->value(), 60);
    QVERIFY(!width->isEnabled() && !height->isEnabled() && !rate->isEnabled());
    QCOMPARE(r.w<QSpinBox>("spin_row")->value(), 2);
    QCOMPARE(r.w<QSpinBox>("spin_col")->value(), 3);
    QCOMPARE(r.w<QComboBox>("combo_serialNumber")->currentIndex(), 1);
    QVERIFY(!r.dlg.resolutionTimer()->isActive()); // filling is no edit

    combo->setCurrentIndex(1);
    QCOMPARE(width->value(), 1920);
    QCOMPARE(height->value(), 1080);
    QVERIFY(!width->isEnabled() && !height->isEnabled() && !rate->isEnabled());
    combo->setCurrentIndex(0);
    QCOMPARE(width->value(), 1600);
    QCOMPARE(height->value(), 500);
    QCOMPARE(rate->value(), 50);
    QVERIFY(width->isEnabled() && height->isEnabled() && rate->isEnabled());
    QVERIFY(!r.dlg.resolutionTimer()->isActive());

    // A resolution index the list does not hold shows the custom values.
    first.index = 40;
    r.dlg.setPanelData(first);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(width->value(), 1600);
    QVERIFY(width->isEnabled());
}

void TestUiGwPanel::pixelClock_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("edited"); // 0 width, 1 height, 2 frame rate
    QTest::addColumn<int>("expected");
    // (3840 + 120) x (2160 + 40) x 60 is over the limit: 20, clamped to 23.
    QTest::newRow("4k rate") << 3840 << 2160 << 60 << 2 << 23;
    QTest::newRow("wide, over the clock") << 5000 << 300 << 60 << 0 << 3960;
    QTest::newRow("wide, within the clock") << 5000 << 100 << 60 << 0 << 5000;
    QTest::newRow("width computed back") << 3000 << 1080 << 60 << 0 << 175000000 / 60 / (1080 + 40) - 120;
    QTest::newRow("height computed back") << 1920 << 2000 << 60 << 1 << 175000000 / ((1920 + 120) * 60) - 40;
    QTest::newRow("1080p60 fits") << 1920 << 1080 << 60 << 2 << 60;
}

void TestUiGwPanel::pixelClock()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, rate);
    QFETCH(int, edited);
    QFETCH(int, expected);
    Rig r;
    r.dlg.setPanelData(panel(0, 960, 540, 2, 2, 0));
    QSpinBox *spins[] = {r.w<QSpinBox>("spin_width"), r.w<QSpinBox>("spin_height"), r.w<QSpinBox>("spin_frameRate")};
    const int values[] = {width, height, rate};
    // Set the other two first, the edited field last (it is the one the timer computes back).
    for (int i = 0; i < 3; ++i)
        if (i != edited)
            spins[i]->setValue(values[i]);
    spins[edited]->setValue(values[edited] == spins[edited]->value() ? values[edited] + 1 : values[edited]);
    spins[edited]->setValue(values[edited]);
    QVERIFY(r.dlg.resolutionTimer()->isActive());
    QCOMPARE(r.dlg.resolutionTimer()->interval(), 1000);
    QMetaObject::invokeMethod(&r.dlg, "onTimerResolution");
    QVERIFY(!r.dlg.resolutionTimer()->isActive());
    QCOMPARE(spins[edited]->value(), expected);
    for (int i = 0; i < 3; ++i)
        if (i != edited)
            QCOMPARE(spins[i]->value(), values[i]);
    // Writing the corrected value back is no new edit.
    QVERIFY(!r.dlg.resolutionTimer()->isActive());
}

void TestUiGwPanel::gridLimitAndApply()
{
    Rig r;
    r.dlg.setPanelData(panel(0, 960, 540, 2, 2));
    QSignalSpy removeAll(&r.dlg, &DialogGWPanel::emitRemoveAllWindow);
    QSignalSpy clearPanels(&r.dlg, &DialogGWPanel::emitClearPanelData);
    QSignalSpy template0(&r.dlg, &DialogGWPanel::emitLoadTemplateID0);
    auto *apply = r.w<QPushButton>("btn_apply");
    // Nothing changed: nothing is sent.
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(r.spy.size(), 0);

    r.w<QSpinBox>("spin_row")->setValue(3);
    r.w<QSpinBox>("spin_col")->setValue(3);
    QString box;
    closeNextBox(&box);
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(box, QString("tips|Row and column cannot be greater than 8"));
    QCOMPARE(r.spy.size(), 0);
    QCOMPARE(removeAll.size(), 0);

    r.w<QSpinBox>("spin_row")->setValue(2);
    r.w<QSpinBox>("spin_col")->setValue(4);
    int stopTime = 0;
    endNextBusy(&r.dlg, &stopTime);
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(stopTime, 2000);
    QCOMPARE(sentFrames(r.spy), r.expected([](GW5Interface &g) {
        g.setOutputHold(0);
        g.setOutputHold(1);
        g.setAreaLayout(2, 4, 0);
        g.setOutputHold(0);
        g.setOutputHold(1);
    }));
    QCOMPARE(removeAll.size(), 1);
    QCOMPARE(clearPanels.size(), 1);
    QCOMPARE(template0.size(), 1);
    QCOMPARE(template0.first().at(0).toInt(), 0);
    // The flags are cleared: a second press sends nothing.
    r.spy.clear();
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(r.spy.size(), 0);
    // An edit left unapplied does not survive the next filling.
    r.w<QSpinBox>("spin_row")->setValue(1);
    r.dlg.setPanelData(panel(0, 960, 540, 2, 2));
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(r.spy.size(), 0);
}

void TestUiGwPanel::resolutionApply()
{
    Rig r;
    r.dlg.setPanelData(panel(0, 960, 540, 2, 2));
    r.w<QComboBox>("combo_resolution")->setCurrentIndex(2);
    int stopTime = 0;
    endNextBusy(&r.dlg, &stopTime);
    QTest::mouseClick(r.w<QPushButton>("btn_apply"), Qt::LeftButton);
    QCOMPARE(sentFrames(r.spy), r.expected([](GW5Interface &g) {
        g.setOutputHold(0);
        g.setOutputHold(1);
        g.setOutputResolution(2, 1280, 720, 60);
        g.setOutputHold(0);
        g.setOutputHold(1);
    }));

    // A custom size edited and settled by the timer.
    r.spy.clear();
    r.w<QComboBox>("combo_resolution")->setCurrentIndex(0);
    r.w<QSpinBox>("spin_width")->setValue(1600);
    QMetaObject::invokeMethod(&r.dlg, "onTimerResolution");
    endNextBusy(&r.dlg, &stopTime);
    QTest::mouseClick(r.w<QPushButton>("btn_apply"), Qt::LeftButton);
    QCOMPARE(sentFrames(r.spy), r.expected([](GW5Interface &g) {
        g.setOutputHold(0);
        g.setOutputHold(1);
        g.setOutputResolution(0, 1600, 1080, 50);
        g.setOutputHold(0);
        g.setOutputHold(1);
    }));
}

void TestUiGwPanel::screenTable()
{
    Rig r;
    QTableWidget *t = r.table();
    QList<INFO_PANEL> list = grid(2, 2, 960, 540);
    list[1].width = 900;
    list[2].height = 500;
    r.dlg.fillScreenTable(list);
    QCOMPARE(t->rowCount(), 3);
    QCOMPARE(t->columnCount(), 3);
    QCOMPARE(t->item(0, 1)->text(), QString("960"));
    QCOMPARE(t->item(0, 2)->text(), QString("900"));
    QCOMPARE(t->item(1, 0)->text(), QString("540"));
    QCOMPARE(t->item(2, 0)->text(), QString("500"));
    QCOMPARE(t->item(2, 1)->text(), QString("\nscreen: 3 \nh_width: 960 \nv_height: 500 \n"));
    QVERIFY(!(t->item(0, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(!(t->item(1, 1)->flags() & Qt::ItemIsEditable));
    QVERIFY(t->item(0, 1)->flags() & Qt::ItemIsEditable);
    QCOMPARE(t->item(1, 1)->textAlignment(), int(Qt::AlignCenter));

    // A list whose length is not rows x columns leaves the table alone.
    r.dlg.fillScreenTable(grid(2, 2, 100, 100).mid(0, 3));
    QList<INFO_PANEL> odd = grid(1, 3, 100, 100);
    odd[0].row = 2;
    r.dlg.fillScreenTable(odd);
    QCOMPARE(t->rowCount(), 3);
    QCOMPARE(t->item(0, 1)->text(), QString("960"));

    // Wider than the output: refused, the old width comes back.
    QString box;
    closeNextBox(&box);
    t->item(0, 1)->setText("2000");
    QCOMPARE(box, QString("tips|The width of the screen can not be larger than the width of the resolution."));
    QCOMPARE(t->item(0, 1)->text(), QString("960"));
    closeNextBox(&box);
    t->item(1, 0)->setText("1081");
    QCOMPARE(box, QString("tips|The height of the screen can not be larger than the height of the resolution."));
    QCOMPARE(t->item(1, 0)->text(), QString("540"));
    for (const char *bad : {"abc", "0", "-20"}) {
        closeNextBox(&box);
        t->item(0, 2)->setText(bad);
        QVERIFY2(box.startsWith("tips|Please enter a valid width"), qPrintable(box));
        QCOMPARE(t->item(0, 2)->text(), QString("900"));
    }

    // A valid width reaches every area of the column.
    t->item(0, 1)->setText("1920");
    QCOMPARE(t->item(1, 1)->text(), QString("\nscreen: 1 \nh_width: 1920 \nv_height: 540 \n"));
    QCOMPARE(t->item(2, 1)->text(), QString("\nscreen: 3 \nh_width: 1920 \nv_height: 500 \n"));
    QCOMPARE(t->item(1, 2)->text(), QString("\nscreen: 2 \nh_width: 900 \nv_height: 540 \n"));
    t->item(2, 0)->setText("1080");
    QCOMPARE(t->item(2, 2)->text(), QString("\nscreen: 4 \nh_width: 960 \nv_height: 1080 \n")); // column width not edited

    // The maximum follows the output size of the first record: a 1024 x 768 preset.
    QList<INFO_PANEL> preset = grid(1, 2, 500, 700);
    preset[0].index = 3;
    r.dlg.fillScreenTable(preset);
    closeNextBox(&box);
    t->item(0, 2)->setText("1025");
    QVERIFY(box.contains("width"));
    t->item(0, 2)->setText("1024");
    QCOMPARE(t->item(1, 2)->text(), QString("\nscreen: 2 \nh_width: 1024 \nv_height: 700 \n"));

    // The tab refills the table from the current device's panel list.
    r.record.panels = grid(1, 4, 480, 1080);
    r.w<QTabWidget>("tabWidget")->setCurrentIndex(1);
    QCOMPARE(t->columnCount(), 5);
    QCOMPARE(t->item(1, 4)->text(), QString("\nscreen: 4 \nh_width: 480 \nv_height: 1080 \n"));
}

void TestUiGwPanel::applyScreen()
{
    Rig r;
    r.dlg.fillScreenTable(grid(2, 2, 960, 540));
    QSignalSpy removeAll(&r.dlg, &DialogGWPanel::emitRemoveAllWindow);
    auto *apply = r.w<QPushButton>("btn_applyScreen");
    QTest::mouseClick(apply, Qt::LeftButton); // nothing edited yet
    QCOMPARE(r.spy.size(), 0);
    r.table()->item(0, 2)->setText("800");
    r.table()->item(2, 0)->setText("600");
    int stopTime = 0;
    endNextBusy(&r.dlg, &stopTime);
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(stopTime, 3000);
    QCOMPARE(removeAll.size(), 1);
    QCOMPARE(sentFrames(r.spy), r.expected([](GW5Interface &g) {
        g.setOutputHold(0);
        g.setAreaGeometry(0, 0, 0, 960, 540);
        g.setAreaGeometry(1, 960, 0, 800, 540);
        g.setAreaGeometry(2, 0, 540, 960, 600);
        g.setAreaGeometry(3, 960, 540, 800, 600);
        g.openWindow(0, 0, 0, 1760, 1140, 0);
        g.setOutputHold(1);
        g.readAll();
    }));
    QCOMPARE(sentFrames(r.spy).last(), Interface::requestFrame(0xEF));
    r.spy.clear();
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(r.spy.size(), 0);
}

void TestUiGwPanel::mappingTable()
{
    Rig r;
    QList<INFO_MAPPING> maps;
    for (int i = 0; i < 4; ++i) {
        INFO_MAPPING m;
        m.port = uint8_t(i);
        m.area = uint8_t(3 - i);
        maps << m;
    }
    r.dlg.fillMappingTable(maps);
    QTableWidget *t = r.mapping();
    QCOMPARE(t->rowCount(), 4);
    QCOMPARE(t->item(1, 0)->text(), QString("2"));
    QCOMPARE(t->item(1, 1)->text(), QString::fromUtf8("\u2192"));
    QCOMPARE(t->item(1, 2)->text(), QString("3"));
    QCOMPARE(t->item(1, 2)->data(Qt::UserRole).toInt(), 2);
    QCOMPARE(t->item(1, 0)->flags(), Qt::ItemFlags(Qt::ItemIsEnabled));
    QVERIFY(t->item(1, 2)->flags() & Qt::ItemIsEditable);
    QSignalSpy changed(&r.dlg, &DialogGWPanel::emitMappingChanged);

    // 9 of four areas, 0 and below, and no number are refused; the old number comes back.
    for (const char *bad : {"9", "5", "0", "-1", "x"}) {
        QString box;
        closeNextBox(&box);
        t->item(1, 2)->setText(bad);
        QCOMPARE(box, QString("tips|Input Screen ID Error"));
        QCOMPARE(t->item(1, 2)->text(), QString("3"));
    }
    QCOMPARE(r.spy.size(), 0);
    QCOMPARE(changed.size(), 0);

    t->item(1, 2)->setText("4");
    QCOMPARE(sentFrames(r.spy), r.expected([](GW5Interface &g) { g.setOutputMapping(1, 3); }));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first(), (QList<QVariant>{1, 3, 2}));
    QCOMPARE(t->item(1, 2)->data(Qt::UserRole).toInt(), 3);
    // The next edit names the new area as the one before.
    t->item(1, 2)->setText("1");
    QCOMPARE(changed.last(), (QList<QVariant>{1, 0, 3}));
}

void TestUiGwPanel::withoutDevice()
{
    Rig r;
    DeviceLookup::clear();
    r.dlg.setPanelData(panel(0, 960, 540, 2, 2));
    r.w<QSpinBox>("spin_col")->setValue(4);
    QTest::mouseClick(r.w<QPushButton>("btn_apply"), Qt::LeftButton);
    r.dlg.fillScreenTable(grid(2, 2, 960, 540));
    r.table()->item(0, 1)->setText("800");
    QTest::mouseClick(r.w<QPushButton>("btn_applyScreen"), Qt::LeftButton);
    INFO_MAPPING m;
    r.dlg.fillMappingTable({m, m});
    QSignalSpy changed(&r.dlg, &DialogGWPanel::emitMappingChanged);
    r.mapping()->item(0, 2)->setText("2");
    QCOMPARE(r.spy.size(), 0);
    QCOMPARE(changed.size(), 1); // the mapping edit still tells the application
    QVERIFY(r.dlg.busyIndicator() == nullptr);
}

void TestUiGwPanel::reuseShowsNothingOfTheLastUse_data()
{
    QTest::addColumn<QList<INFO_PANEL>>("panels");
    QTest::addColumn<int>("mappingRows");
    QTest::newRow("no panels") << QList<INFO_PANEL>() << 0;
    QTest::newRow("panels incomplete") << grid(2, 2, 960, 540).mid(0, 3) << 2;
}

// The dialog is kept for the next use: opened for a device whose panel list is empty or does not
// fill its grid, it shows nothing of the last use, and Apply sends nothing that was left of it.
void TestUiGwPanel::reuseShowsNothingOfTheLastUse()
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
    // Edits left unapplied when that use ended.
    r.table()->item(0, 1)->setText("600");
    r.w<QSpinBox>("spin_col")->setValue(4);
    r.w<QTabWidget>("tabWidget")->setCurrentIndex(2);

    DEVICE_INFO_GW next;
    next.other.outputCards = 1;
    next.panels = panels;
    next.mappings = mappings(mappingRows);
    r.dlg.setDeviceData(next);
    QCOMPARE(r.dlg.outputCards(), 1);
    QCOMPARE(r.table()->rowCount(), 0);
    QCOMPARE(r.mapping()->rowCount(), mappingRows);
    const INFO_PANEL shown = panels.value(0, INFO_PANEL());
    QCOMPARE(r.w<QSpinBox>("spin_row")->value(), qMax(1, int(shown.row)));
    QCOMPARE(r.w<QSpinBox>("spin_col")->value(), qMax(1, int(shown.col)));
    QCOMPARE(r.w<QComboBox>("combo_resolution")->currentIndex(), int(shown.index));
    QTest::mouseClick(r.w<QPushButton>("btn_apply"), Qt::LeftButton);
    QTest::mouseClick(r.w<QPushButton>("btn_applyScreen"), Qt::LeftButton);
    QCOMPARE(r.spy.size(), 0);
    QCOMPARE(r.w<QTabWidget>("tabWidget")->currentIndex(), 0);
}

void TestUiGwPanel::languageChange()
{
    Rig r;
    INFO_PANEL first = panel(0, 960, 540, 2, 2, 0);
    first.resWidth = 1500;
    r.dlg.setPanelData(first);
    r.dlg.fillScreenTable(grid(2, 2, 960, 540));
    auto *combo = r.w<QComboBox>("combo_resolution");
    combo->setCurrentIndex(5);
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&r.dlg, &change);
    QCOMPARE(combo->count(), 14);
    QCOMPARE(combo->currentIndex(), 5);
    QCOMPARE(r.table()->item(1, 2)->text(), QString("\nscreen: 2 \nh_width: 960 \nv_height: 540 \n"));
    // The device's custom values survive the refill.
    combo->setCurrentIndex(0);
    QCOMPARE(r.w<QSpinBox>("spin_width")->value(), 1500);
}

void TestUiGwPanel::screenshots()
{
    const QString dir = qEnvironmentVariable("VP_SCREENSHOTS");
    if (dir.isEmpty())
        QSKIP("VP_SCREENSHOTS names no folder");
    Rig r;
    r.record.panels = grid(2, 2, 960, 540);
    r.dlg.setPanelData(r.record.panels.first());
    r.dlg.fillScreenTable(r.record.panels);
    QList<INFO_MAPPING> maps;
    for (int i = 0; i < 4; ++i) {
        INFO_MAPPING m;
        m.port = uint8_t(i);
        m.area = uint8_t(i);
        maps << m;
    }
    r.dlg.fillMappingTable(maps);
    r.dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.dlg));
    auto *tabs = r.w<QTabWidget>("tabWidget");
    for (int i = 0; i < 3; ++i) {
        tabs->setCurrentIndex(i);
        QVERIFY(r.dlg.grab().save(QString("%1/gwpanel-tab%2.png").arg(dir).arg(i)));
    }
}

QTEST_MAIN(TestUiGwPanel)
#include "tst_ui_gwpanel.moc"
