// Configuration files through the main menu against vpsim (restore to a KS9200 and a KX4200, bad files, a
// file's offline tab); the "Remote control…" dialog; remote clients number devices by tab order.
#include "BoxCatcher.h"
#include "CanvasUi.h"
#include "ConfigFile.h"
#include "ConfigSamples.h"
#include "DeviceChanges.h"
#include "DeviceHub.h"
#include "DialogConfigRestore.h"
#include "DialogConfigSave.h"
#include "DialogOutputSetting.h"
#include "DialogRemoteControl.h"
#include "Interface.h"
#include "MainWindow.h"
#include "RemoteClients.h"
#include "RemoteControl.h"
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
#include <QJsonArray>
#include <QTcpServer>
#include <QtTest>
#include <QtWidgets>
#include <memory>
// What the operator enters in the dialog and what follows; listening: a port that answers afterwards, quiet: one
// that answers no more (0: none).
struct Form { bool enabled; QString address, token, senders; int httpPort; QString problem; bool closes;
              QString status; int listening, quiet; };
Q_DECLARE_METATYPE(Form)
namespace {
const SimHub::Ports Ports{29789, 29790, 29713};
const QString Net = QStringLiteral("127.0.82.");
using TestSupport::waitUntil;
constexpr quint16 OscPort = 27830;
constexpr quint16 HttpPort = 27831;

RemoteSettings remembered()
{
    QSettings stored;
    return RemoteSettings::load(stored);
}
// Whether an HTTP server answers on the port (whatever it answers).
bool answers(quint16 port) { return port != 0 && RemoteClients::http(port, "GET", "/api/devices").status != 0; }

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
        CanvasUi::privateSettings(dir.path());
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
    void cleanupTestCase() { boxes.reset(), w.reset(), sim.stop(); }
    // Every window starts with remote control left on, on loopback.
    void init()
    {
        RemoteSettings s;
        s.enabled = true, s.oscPort = OscPort, s.httpPort = HttpPort;
        QSettings stored;
        s.save(stored);
    }

    // Hall saved through the menu, restored to a KS9200 (the state files then agree) and to a KX4200,
    // where the comparison and the report name what it cannot take.
    void roundTripThroughMenu()
    {
        const QString path = dir.filePath("hall.json");
        saveThroughMenu(path);
        if (QTest::currentTestFailed())
            return;
        for (const QString &target : {b, c}) {
            const bool sameType = target == b;
            const QStringList cannotApply =
                sameType ? QStringList() : QStringList{"window 2 chroma key", "switch mode", "EDID VGA2"};
            boxes->texts.clear();
            RestoreRunner::Result result;
            QString report;
            QVERIFY(drive<DialogConfigRestore>(
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
                }));
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
    }
    void badFileSendsNothing_data() { ConfigSamples::badFileRows(); }
    void badFileSendsNothing()
    {
        QFETCH(QString, message);
        ConfigDocument doc;
        doc.readBackTime = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
        doc.devices << ConfigDevice::fromRecord(*w->hub()->record(a));
        const QString path = dir.filePath("bad.json");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                f.write(ConfigSamples::badFile(ConfigFile::toJson(doc), QTest::currentDataTag())) > 0);
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
        QVERIFY(drive<QFileDialog>([&] { menuAction(SxTitleWidget::ConfigOpen)->trigger(); }, [&](QFileDialog *fd) {
            child<QLineEdit>(fd, "fileNameEdit")->setText(path), static_cast<QDialog *>(fd)->accept(); // typed
        }));
        // The file's device is the current tab, marked as a file.
        QVERIFY(w->isFileTab(w->currentCpuid()));
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

        // Preset, factory reset, output dialog (showing the file's background), window removal: none is sent.
        QTest::mouseDClick(w->findChild<WidgetInLeft *>("LeftWidget")->presetButtons().at(3), Qt::LeftButton);
        title()->commandButton(SxTitleWidget::CmdFactory)->click();
        const auto output = [&] { title()->commandButton(SxTitleWidget::CmdOutput)->click(); };
        QVERIFY(drive<DialogOutputSetting>(output, [&](auto *d) {
            QCOMPARE(child<QSpinBox>(d, "spinBox_bg_red")->value(), int(file.other.bgRed));
            QTest::mouseClick(child<QPushButton>(d, "btn_borderOnOff"), Qt::LeftButton);
        }));
        w->tabWidget()->removeAllWindow();
        QCOMPARE(view->windowItemList().size(), file.windows.size());
        QVERIFY(waitUntil([&] { return !boxes->texts.isEmpty(); }));
        QVERIFY2(boxes->texts.first().startsWith("This tab shows a configuration file, not a device"),
                 qPrintable(boxes->texts.join('|')));
        QCOMPARE(framesSince(logStart), 0);
    }
    void dialog_data()
    {
        QTest::addColumn<Form>("f");
        const QString before = "Running on 127.0.0.1: OSC port 27830, HTTP port 27831";
        const int held = -1, http = HttpPort; // held: the port the test holds
        QTest::newRow("loopback, another port")
            << Form{true, "127.0.0.1", "", "", 27833, "", true, "Running on 127.0.0.1: OSC port 27830, HTTP port 27833",
                    27833, http};
        QTest::newRow("every address without a token")
            << Form{true,  "0.0.0.0", "", "", 27833, "Listening on 0.0.0.0 needs a token of at least 8 characters.",
                    false, before,    http, 27833};
        QTest::newRow("a port another program holds")
            << Form{true, "127.0.0.1", "", "", held,
                    "The servers could not start: Cannot listen for HTTP on 127.0.0.1 port %1", false, before, http, 0};
        QTest::newRow("every address with a token")
            << Form{true, "0.0.0.0", "s3cret-token", "127.0.0.2", 27833, "", true,
                    "Running on 0.0.0.0: OSC port 27830, HTTP port 27833", 27833, http};
        QTest::newRow("switched off") << Form{false, "127.0.0.1", "", "", http, "", true, "Not running", 0, http};
    }
    void dialog()
    {
        QFETCH(Form, f);
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::LocalHost));
        if (f.httpPort < 0)
            f.httpPort = holder.serverPort(), f.problem = f.problem.arg(f.httpPort);
        const RemoteSettings atStart = remembered();

        MainWindow win;
        QVERIFY(win.remoteControl()->isRunning());
        RemoteSettings chosen;
        bool closed = false;
        QString shownProblem, shownStatus;
        QTimer::singleShot(0, &win, [&] {
            auto *dlg = win.findChild<DialogRemoteControl *>("DialogRemoteControl");
            QVERIFY(dlg && dlg->isVisible());
            child<QCheckBox>(dlg, "check_enabled")->setChecked(f.enabled);
            child<QLineEdit>(dlg, "edit_address")->setText(f.address);
            child<QSpinBox>(dlg, "spin_httpPort")->setValue(f.httpPort);
            child<QLineEdit>(dlg, "edit_token")->setText(f.token);
            child<QLineEdit>(dlg, "edit_allow")->setText(f.senders);
            chosen = dlg->settings();
            QTest::mouseClick(child<QPushButton>(dlg, "btn_ok"), Qt::LeftButton);
            closed = !dlg->isVisible();
            shownProblem = child<QLabel>(dlg, "label_problem")->text();
            shownStatus = child<QLabel>(dlg, "label_status")->text();
            if (!closed)
                dlg->reject();
        });
        win.findChild<SxTitleWidget *>()->remoteControlAction()->trigger();
        QCOMPARE(closed, f.closes);
        QCOMPARE(shownProblem, f.problem);
        QCOMPARE(shownStatus, f.status);
        QCOMPARE(answers(quint16(f.listening)), f.listening != 0);
        QCOMPARE(answers(quint16(f.quiet)), false);
        QVERIFY(remembered() == (f.closes ? chosen : atStart));
    }

    // Devices numbered by tab, not cpuid; a refused remote switch answers the client and opens no box.
    void devicesInTabOrder()
    {
        const QString first = "0f6400000000000000000a02", second = "0f6400000000000000000a03";
        const SimHub::Ports ports{29589, 29590, 29513};
        SimProcess own;
        const QStringList simDevices{"KS9200:addr=127.0.64.2,id=" + first, "KS9200:addr=127.0.64.3,id=" + second};
        QVERIFY2(own.start(SimHub::simArgs(ports, simDevices) + QStringList{"--refuse-switch"}),
                 qPrintable(own.errorString()));
        MainWindow win;
        QVERIFY(SimHub::bringOnline(*win.hub(), ports, {"127.0.64.2", "127.0.64.3"}, {first, second}));
        win.tabWidget()->addDevice(win.record(second));
        win.tabWidget()->addDevice(win.record(first));
        boxes->texts.clear();
        RemoteClients::OscClient client;
        client.send(OscPort, "/vp/devices");
        const QJsonArray devices = client.reply("/vp/devices").value("devices").toArray();
        QCOMPARE(devices.size(), 2);
        QCOMPARE(devices.at(0).toObject().value("cpuid").toString(), second);
        QCOMPARE(devices.at(1).toObject().value("cpuid").toString(), first);

        client.send(OscPort, "/vp/1/window/1/input", "s:HDMI1");
        QCOMPARE(client.reply("/vp/1/window/1/input").value("error").toString(), "device_refused");
        QCOMPARE(own.countFrames(second, "rx", 0x08), 1);
        QTest::qWait(300); // a box would have opened on the device's answer, before the reply
        QVERIFY2(boxes->texts.isEmpty(), qPrintable(boxes->texts.join('|')));
        own.stop();
    }
private:
    QAction *menuAction(SxTitleWidget::ConfigCommand c) const { return title()->configAction(c); }
    SxTitleWidget *title() const { return w->findChild<SxTitleWidget *>(QStringLiteral("TitleWidget")); }
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
    void saveThroughMenu(const QString &path)
    {
        for (int i = 0; i < w->tabWidget()->count(); ++i) // on Hall's tab
            if (w->tabWidget()->tabBar()->tabData(i).toString() == a)
                w->tabWidget()->setCurrentIndex(i);
        QVERIFY(drive<DialogConfigSave>([&] { menuAction(SxTitleWidget::ConfigSave)->trigger(); }, [&](auto *d) {
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
        for (const QString &id : {a, b, c})
            w->hub()->write(id, Interface::requestFrame(0xE8));
        const auto marked = [&](const QString &id) { return sim.countFrames(id, "rx", 0xE8, 0, firstLine) > 0; };
        if (!waitUntil([&] { return marked(a) && marked(b) && marked(c); }))
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
