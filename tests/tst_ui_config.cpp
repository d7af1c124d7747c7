// Configuration files through the main menu against vpsim: save and restore to a KS9200 and a KX4200,
// bad files refused with nothing sent, and a file opened in an offline tab that sends nothing.
#include "BoxCatcher.h"
#include "ConfigFile.h"
#include "ConfigSamples.h"
#include "DeviceChanges.h"
#include "DeviceHub.h"
#include "DialogConfigRestore.h"
#include "DialogConfigSave.h"
#include "DialogOutputSetting.h"
#include "Interface.h"
#include "MainWindow.h"
#include "SimHub.h"
#include "SimProcess.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsView.h"
#include "SxPreviewBoxButton.h"
#include "SxTabWidget.h"
#include "SxTitleWidget.h"
#include "TestSupport.h"
#include "UiLookup.h"
#include "WidgetInLeft.h"
#include <QtTest>
#include <QtWidgets>
#include <memory>
namespace {
const SimHub::Ports Ports{29789, 29790, 29713};
const QString Net = QStringLiteral("127.0.82.");

using TestSupport::waitUntil;

// Every setting item of the differences tree: name -> note.
QMap<QString, QString> settingNotes(QTreeWidget *tree)
{
    QMap<QString, QString> out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        for (int g = 0; g < tree->topLevelItem(i)->childCount(); ++g) {
            const QTreeWidgetItem *group = tree->topLevelItem(i)->child(g);
            for (int s = 0; s < group->childCount(); ++s)
                out.insert(group->child(s)->text(DialogConfigRestore::ColSetting),
                           group->child(s)->text(DialogConfigRestore::ColDiffNote));
        }
    return out;
}
} // namespace

class TstUiConfig : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
        QSettings().setValue("Language", 0);
        const QStringList devices{"KS9200:addr=" + Net + "2,name=Hall", "KS9200:addr=" + Net + "3",
                                  "KX4200:addr=" + Net + "4"};
        QVERIFY2(sim.start(SimHub::simArgs(Ports, devices)), qPrintable(sim.errorString()));
        a = sim.deviceAt(QHostAddress(Net + "2"))->cpuid;
        b = sim.deviceAt(QHostAddress(Net + "3"))->cpuid;
        c = sim.deviceAt(QHostAddress(Net + "4"))->cpuid;
        w = std::make_unique<MainWindow>();
        boxes = std::make_unique<BoxCatcher>();
        boxes->answer = QMessageBox::Yes; // questions are confirmed; information boxes are closed
        QVERIFY(SimHub::bringOnline(*w->hub(), Ports, {Net + "2", Net + "3", Net + "4"}, {a, b, c}));
        for (const QString &id : {a, b, c})
            w->tabWidget()->addDevice(w->hub()->record(id));
        QVERIFY(DeviceChanges::change(*w->hub(), a));
    }
    void cleanupTestCase()
    {
        boxes.reset(), w.reset();
        sim.stop();
    }
    void roundTripThroughMenu_data()
    {
        QTest::addColumn<bool>("sameType");
        QTest::addColumn<QStringList>("cannotApply");
        QTest::newRow("KS9200 to KS9200") << true << QStringList();
        QTest::newRow("KS9200 to KX4200") << false << QStringList{"window 2 chroma key", "switch mode", "EDID VGA2"};
    }
    void roundTripThroughMenu()
    {
        QFETCH(bool, sameType);
        QFETCH(QStringList, cannotApply);
        const QString target = sameType ? b : c;
        const QString path = dir.filePath(sameType ? "same.json" : "other.json");
        saveThroughMenu(path);
        if (QTest::currentTestFailed())
            return;

        boxes->texts.clear();
        RestoreRunner::Result result;
        QString report;
        const bool ran = drive<DialogConfigRestore>(
            [&] { menuAction(SxTitleWidget::ConfigRestore)->trigger(); },
            [&](DialogConfigRestore *d) {
                child<QLineEdit>(d, "edit_path")->setText(path);
                QTest::mouseClick(child<QPushButton>(d, "btn_load"), Qt::LeftButton);
                QComboBox *box = child<QComboBox>(d, "combo_target_0");
                QCOMPARE(box->currentData().toString(), a); // the file's own device is preselected
                box->setCurrentIndex(box->findData(target));
                auto *restore = child<QPushButton>(d, "btn_restoreNow");
                QVERIFY(!restore->isEnabled()); // nothing can be sent before the comparison
                QTest::mouseClick(child<QPushButton>(d, "btn_compare"), Qt::LeftButton);
                QVERIFY(waitUntil([&] { return restore->isEnabled(); }));
                const QMap<QString, QString> notes = settingNotes(child<QTreeWidget>(d, "tree_differences"));
                QVERIFY(notes.size() > 10);
                for (const QString &name : cannotApply)
                    QVERIFY2(notes.value(name).startsWith("cannot be applied"), qPrintable(name));
                QVERIFY(child<QLabel>(d, "label_presetNotice")->isVisible());
                QTest::mouseClick(restore, Qt::LeftButton);
                QVERIFY(waitUntil([&] { return !d->isRunning(); }, 60000));
                QCOMPARE(d->results().size(), 1);
                result = d->results().first();
                report = child<QPlainTextEdit>(d, "text_report")->toPlainText();
                QTest::mouseClick(child<QPushButton>(d, "btn_done"), Qt::LeftButton);
            });
        QVERIFY(ran);
        if (QTest::currentTestFailed())
            return;
        // The preset notice was confirmed before anything was sent.
        QVERIFY2(boxes->texts.value(0).contains("Restoring a preset lays its windows out on the wall"),
                 qPrintable(boxes->texts.join('|')));
        QVERIFY2(result.status == RestoreRunner::Status::Done, qPrintable(report));
        QVERIFY(report.contains(": done\n"));
        // The report lists what the groups restored could not take.
        for (const QString &name : cannotApply.mid(1))
            QVERIFY2(report.contains("    - " + name + ": the KX4200 "), qPrintable(report));
        if (sameType)
            QCOMPARE(SimHub::stateDifference(sim, a, b), QString());
    }
    void badFileSendsNothing_data() { ConfigSamples::badFileRows(); }
    void badFileSendsNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        ConfigDocument doc;
        doc.readBackTime = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
        doc.devices << ConfigDevice::fromRecord(*w->hub()->record(a));
        const QString path = dir.filePath("bad.json");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(ConfigSamples::badFile(ConfigFile::toJson(doc), kind));
        f.close();
        const int logStart = sim.log().size();
        boxes->texts.clear();
        QVERIFY(drive<DialogConfigRestore>([&] { menuAction(SxTitleWidget::ConfigRestore)->trigger(); }, [&](auto *d) {
            child<QLineEdit>(d, "edit_path")->setText(path);
            QTest::mouseClick(child<QPushButton>(d, "btn_load"), Qt::LeftButton);
            QCOMPARE(child<QTableWidget>(d, "table_devices")->rowCount(), 0);
            QVERIFY(!child<QPushButton>(d, "btn_compare")->isEnabled());
            QVERIFY(!child<QPushButton>(d, "btn_restoreNow")->isEnabled());
        }));
        QCOMPARE(boxes->texts.size(), 1);
        QVERIFY2(boxes->texts.first().contains(message), qPrintable(boxes->texts.first()));
        QCOMPARE(framesSince(logStart), 0);
    }
    void offlineTabSendsNothing()
    {
        const QString path = dir.filePath("show.json");
        saveThroughMenu(path);
        ConfigDocument doc;
        QVERIFY(ConfigFile::load(path, &doc, nullptr));
        const DEVICE_INFO_KS &file = doc.devices[0].ks;
        const int logStart = sim.log().size();
        boxes->texts.clear();

        QVERIFY(drive<QFileDialog>([&] { menuAction(SxTitleWidget::ConfigOpen)->trigger(); },
                                   [&](QFileDialog *fd) {
                                       // Typed as an operator would; accepting checks that it exists.
                                       child<QLineEdit>(fd, "fileNameEdit")->setText(path);
                                       static_cast<QDialog *>(fd)->accept();
                                   }));
        // The file's device is the current tab, marked as a file.
        const QString id = w->currentCpuid();
        QVERIFY(w->isFileTab(id));
        QCOMPARE(w->tabWidget()->tabText(w->tabWidget()->currentIndex()), QString("Hall - file show.json"));
        QVERIFY(menuAction(SxTitleWidget::ConfigRestoreTo)->isEnabled());
        // Its canvas shows the file's windows.
        SxGraphicsView *view = w->currentGraphicsView();
        QVERIFY(view && view->isLocked());
        QMap<int, QRect> shown, inFile;
        for (const SxGraphicsItem *item : view->windowItemList())
            shown.insert(item->windowId(), item->windowRect());
        for (const INFO_WINDOW &win : file.windows)
            inFile.insert(win.winId, QRect(win.x, win.y, win.width, win.height));
        QCOMPARE(shown, inFile);

        // What an operator does there reaches no device: a preset loaded from the left panel, the
        // factory reset, a border switched in the output dialog (which shows the file's background),
        // the windows removed from the canvas.
        auto *left = w->findChild<WidgetInLeft *>(QStringLiteral("LeftWidget"));
        QTest::mouseDClick(left->presetButtons().at(3), Qt::LeftButton);
        auto *title = w->findChild<SxTitleWidget *>(QStringLiteral("TitleWidget"));
        title->commandButton(SxTitleWidget::CmdFactory)->click();
        QVERIFY(drive<DialogOutputSetting>(
            [&] { title->commandButton(SxTitleWidget::CmdOutput)->click(); },
            [&](DialogOutputSetting *d) {
                QCOMPARE(child<QSpinBox>(d, "spinBox_bg_red")->value(), int(file.other.bgRed));
                QTest::mouseClick(child<QPushButton>(d, "btn_borderOnOff"), Qt::LeftButton);
            }));
        w->tabWidget()->removeAllWindow();
        QCOMPARE(view->windowItemList().size(), file.windows.size());
        QVERIFY(waitUntil([&] { return !boxes->texts.isEmpty(); }));
        QVERIFY2(boxes->texts.first().startsWith("This tab shows a configuration file, not a device"),
                 qPrintable(boxes->texts.join('|')));
        QCOMPARE(framesSince(logStart), 0);

        // "Restore to…" offers the device the file came from.
        QVERIFY(drive<DialogConfigRestore>(
            [&] { menuAction(SxTitleWidget::ConfigRestoreTo)->trigger(); },
            [&](DialogConfigRestore *d) { QCOMPARE(d->targetBox(0)->currentData().toString(), a); }));
    }

private:
    QAction *menuAction(SxTitleWidget::ConfigCommand c) const
    {
        return w->findChild<SxTitleWidget *>(QStringLiteral("TitleWidget"))->configAction(c);
    }
    // Runs `trigger`, which opens a modal dialog of type T, and `act` on that dialog from the
    // dialog's own event loop; a dialog that act leaves open (a failed check) is closed.
    template <typename T>
    bool drive(const std::function<void()> &trigger, const std::function<void(T *)> &act)
    {
        bool ran = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *d = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!d || ran)
                return;
            ran = true;
            poll.stop();
            act(d);
            if (d->isVisible())
                static_cast<QDialog *>(d)->done(QDialog::Rejected);
        });
        poll.start(10);
        trigger();
        poll.stop();
        return ran;
    }
    void selectTab(const QString &cpuid)
    {
        for (int i = 0; i < w->tabWidget()->count(); ++i)
            if (w->tabWidget()->tabBar()->tabData(i).toString() == cpuid)
                w->tabWidget()->setCurrentIndex(i);
    }
    void saveThroughMenu(const QString &path)
    {
        selectTab(a);
        QVERIFY(drive<DialogConfigSave>([&] { menuAction(SxTitleWidget::ConfigSave)->trigger(); },
                                        [&](DialogConfigSave *d) {
                                            QVERIFY(child<QRadioButton>(d, "radio_current")->isEnabled());
                                            child<QRadioButton>(d, "radio_current")->click();
                                            child<QLineEdit>(d, "edit_path")->setText(path);
                                            QTest::mouseClick(child<QPushButton>(d, "btn_save"), Qt::LeftButton);
                                            QVERIFY(waitUntil([&] { return !d->isVisible(); }));
                                        }));
        QVERIFY2(boxes->texts.value(boxes->texts.size() - 1).contains("Saved to " + path),
                 qPrintable(boxes->texts.join('|')));
    }
    // Host frames (anything but the link layer's) the devices received since `firstLine` of the
    // frame log; a read sent to each afterwards marks where the count ends.
    int framesSince(int firstLine)
    {
        const QStringList ids{a, b, c};
        for (const QString &id : ids)
            w->hub()->write(id, Interface::requestFrame(0xE8));
        const auto marked = [&] {
            return std::all_of(ids.begin(), ids.end(),
                               [&](const QString &id) { return sim.countFrames(id, "rx", 0xE8, 0, firstLine) > 0; });
        };
        if (!waitUntil(marked))
            return -1;
        int frames = 0;
        for (const QJsonObject &o : sim.logFrom(firstLine))
            frames += o.value("dir").toString() == "rx" && o.value("cmd").toInt() != 0xFF &&
                      o.value("cmd").toInt() != 0xE8;
        return frames;
    }

    QTemporaryDir dir;
    SimProcess sim;
    std::unique_ptr<MainWindow> w;
    std::unique_ptr<BoxCatcher> boxes;
    QString a, b, c; // KS9200 backed up; KS9200 and KX4200 restored to
};

QTEST_MAIN(TstUiConfig)
#include "tst_ui_config.moc"
