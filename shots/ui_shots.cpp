// Screenshot driver: runs the whole application against simulated devices and saves a picture of
// every window it can reach, so the team can look at them in each language.
//
//   ui_shots OUT_DIR LANG [--vpsim PATH] [--netns NAME] [--state FILE] [--settle MS]
//
// LANG is en, zh_cn or zh_tw. Without --state the program starts vpsim itself with a KS9200, a
// KX4200 and a GW5 in a device-side network namespace joined to this one by a veth pair
// (netns.sh beside the vpsim binary; needs root, so run it inside `unshare --net`). With --state
// it uses a vpsim already running whose --state-file is FILE and whose devices answer the search;
// the caller then answers for the network the search broadcasts in. Without it the program refuses
// to start while any interface but loopback is up.
//
// Pictures: <lang>-search.png, then per device <lang>-<model>-main-<page>.png for the four pages
// of the left panel, and <lang>-<model>-<dialog>.png (-tab<n> per page of a tabbed dialog) for
// every dialog of the title bar, the canvas and the task page; a message box a command opens is
// saved as <lang>-<model>-<command>-box.png and dismissed (refused where it asks). Also
// <lang>-mainmenu.png, <lang>-about-box.png, <lang>-remotecontrol.png (remote control running)
// and <lang>-remotecontrol-refused.png (a form it refuses), and the configuration files of the
// KS9200: <lang>-configsave.png, <lang>-configrestore.png (its differences after a change on the
// device), <lang>-configrestore-box.png (the preset notice), <lang>-configrestore-report.png,
// <lang>-configfile-main.png (the file as an offline tab) and <lang>-mainmenu-file.png. Every wait
// is bounded. Exit status: 0 all taken, 1 some missing, 2 no simulator.
#include "CommManager.h"
#include "ConfigBackup.h"
#include "DeviceChanges.h"
#include "DeviceHub.h"
#include "DialogConfigRestore.h"
#include "KS9200Interface.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceModels.h"
#include "DialogAddWindow.h"
#include "DialogAttribute.h"
#include "DialogChromaKey.h"
#include "DialogMosaic.h"
#include "DialogSearch.h"
#include "MainWindow.h"
#include "RemoteControl.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsView.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"
#include "SxTimeTaskButton.h"
#include "SxTitleWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include "TestSupport.h"

#include <QtTest>
#include <csignal>
#include <cstdio>
#include <functional>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

using TestSupport::waitUntil;

int runTool(const QString &program, const QStringList &args, QString *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished(1000);
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString familyName(int type)
{
    QString name = modelName(type);
    name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
    return name.isEmpty() ? QStringLiteral("type%1").arg(type) : name;
}

// "DialogOutputSetting" -> "outputsetting".
QString dialogName(const QWidget *w)
{
    QString name = QString::fromLatin1(w->metaObject()->className());
    if (name.startsWith(QLatin1String("Dialog")))
        name = name.mid(6);
    return name.toLower();
}

// The simulator and the private network it answers in.
class Simulator
{
public:
    ~Simulator() { stop(); }

    bool start(const QString &bin, const QString &stateFile, const QString &netnsName)
    {
        netns = QFileInfo(bin).absolutePath() + QStringLiteral("/netns.sh");
        if (!QFile::exists(netns)) {
            error = netns + QStringLiteral(" is missing");
            return false;
        }
        name = netnsName.isEmpty() ? QStringLiteral("vpshot%1").arg(QCoreApplication::applicationPid() % 10000)
                                   : netnsName;
        QString text;
        if (runTool(netns, {"up", name, "--here", "10.213.71.1/24", "10.213.71.2/24", "10.213.71.3/24",
                            "10.213.71.4/24"},
                    &text)
            != 0) {
            runTool(netns, {"down", name});
            name.clear();
            error = QStringLiteral("cannot create the private network (run as root inside unshare --net): ")
                + text.trimmed();
            return false;
        }
        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.setStandardOutputFile(QProcess::nullDevice());
        sim.start(netns, {"exec", name, "dev", bin, "--state-file", stateFile, "--device",
                          "KS9200:addr=10.213.71.2,name=Hall KS9200", "--device",
                          "KX4200:addr=10.213.71.3,name=Lobby KX4200,usb", "--device",
                          "GW5:addr=10.213.71.4,name=Stage GW5"});
        if (!sim.waitForStarted(5000)) {
            error = QStringLiteral("vpsim did not start: ") + sim.errorString();
            return false;
        }
        if (!waitUntil([&] { return QFile::exists(stateFile) || sim.state() != QProcess::Running; }, 10000)
            || !QFile::exists(stateFile)) {
            error = QStringLiteral("vpsim did not start (no state file after 10 s)");
            return false;
        }
        // The search picks its interfaces once: wait for the veth to carry traffic.
        if (!waitUntil(
                [&] {
                    const QNetworkInterface va = QNetworkInterface::interfaceFromName("va-" + name);
                    return va.isValid() && (va.flags() & QNetworkInterface::IsRunning);
                },
                10000)) {
            error = QStringLiteral("the veth of the private network did not come up");
            return false;
        }
        return true;
    }

    void stop()
    {
        if (sim.state() != QProcess::NotRunning) {
            sim.terminate();
            if (!sim.waitForFinished(3000)) {
                sim.kill();
                sim.waitForFinished(1000);
            }
        }
        if (!name.isEmpty())
            runTool(netns, {"down", name});
        name.clear();
    }

    QString error;

private:
    QString netns;
    QString name;
    QProcess sim;
};

class Shooter : public QObject
{
public:
    Shooter(const QString &dir, const QString &lang, int settle) : dir(dir), lang(lang), settleMs(settle)
    {
        // Message boxes nobody asked for (connection tips and the like) never stay open.
        connect(&boxTimer, &QTimer::timeout, this, [this] {
            if (capturing)
                return;
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                out() << "ui_shots: dismissed a message box: " << box->text() << '\n';
                out().flush();
                dismiss(box);
            }
        });
        boxTimer.start(100);
    }

    bool save(QWidget *w, const QString &name)
    {
        const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
        const bool ok = w->grab().save(file, "PNG");
        out() << (ok ? "saved " : "FAILED ") << file << " (" << w->width() << "x" << w->height() << ")\n";
        out().flush();
        if (ok)
            saved << file;
        else
            ++failures;
        return ok;
    }

    // The refusing answer where there is one (a factory reset asks Ok/Cancel), else Ok.
    static void dismiss(QMessageBox *box)
    {
        for (QMessageBox::StandardButton which : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Close,
                                                  QMessageBox::Ok}) {
            if (QAbstractButton *b = box->button(which)) {
                b->click();
                return;
            }
        }
        box->reject();
    }

    // Runs `trigger`, which opens a modal dialog (and usually blocks in its exec). Each modal
    // window is given settleMs to fill from the device, saved as `name` (or nameOf(dialog)), and
    // closed; message boxes are saved as `name`-box and dismissed. False when nothing opened.
    bool capture(const QString &name, const std::function<void()> &trigger,
                 const std::function<QString(QWidget *)> &nameOf = {})
    {
        int shots = 0;
        QPointer<QWidget> current;
        QElapsedTimer since;
        QTimer poll;
        capturing = true;
        bool busy = false;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (busy)
                return;
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == MainWindow::instance())
                return;
            if (modal != current) {
                current = modal;
                since.start();
                return;
            }
            const bool box = qobject_cast<QMessageBox *>(modal);
            if (since.elapsed() < (box ? 300 : settleMs))
                return;
            if (box) {
                save(modal, name + QStringLiteral("-box"));
                ++shots;
                dismiss(static_cast<QMessageBox *>(modal));
            } else if (auto *dlg = qobject_cast<QDialog *>(modal)) {
                const QString base = nameOf ? nameOf(modal) : name;
                busy = true;
                // A dialog with tabs: every page as <name>-tab<n>, then the page it opened on again.
                auto *tabs = modal->findChild<QTabWidget *>();
                if (tabs && tabs->count() > 1) {
                    const int shown = tabs->currentIndex();
                    for (int i = 0; i < tabs->count(); ++i) {
                        if (!tabs->isTabEnabled(i))
                            continue;
                        tabs->setCurrentIndex(i);
                        QTest::qWait(300);
                        save(modal, base + QStringLiteral("-tab%1").arg(i + 1));
                    }
                    tabs->setCurrentIndex(shown);
                } else {
                    save(modal, base);
                }
                busy = false;
                ++shots;
                dlg->reject();
            } else {
                modal->close();
            }
            current = nullptr;
        });
        poll.start(50);
        trigger();
        // Something shown without its own event loop: give it the same time, then close it.
        waitUntil([&] { return QApplication::activeModalWidget() == nullptr || shots > 3; }, settleMs + 5000);
        poll.stop();
        capturing = false;
        if (shots == 0) {
            out() << "ui_shots: nothing opened for " << name << '\n';
            ++failures;
        }
        return shots > 0;
    }

    QString file(const QString &family, const QString &what) const
    {
        return lang + QLatin1Char('-') + family + QLatin1Char('-') + what;
    }

    QString dir;
    QString lang;
    int settleMs;
    QStringList saved;
    int failures = 0;
    bool capturing = false;
    QTimer boxTimer;
};

// Confirms the start-up search once `expected` devices are listed (grabbing the dialog first); at
// the time-out it takes what is listed. False when nothing was listed.
bool runStartupSearch(MainWindow &w, Shooter &shooter, int expected)
{
    int listed = 0;
    bool grabbed = false;
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer settled;
    QTimer driver;
    shooter.capturing = true;
    QObject::connect(&driver, &QTimer::timeout, &shooter, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shooter.save(box, shooter.lang + QStringLiteral("-search-box"));
            Shooter::dismiss(box);
            return;
        }
        DialogSearch *search = w.searchDialog();
        if (!search || !search->isVisible())
            return;
        auto *table = search->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        const int rows = table ? table->rowCount() : 0;
        if (rows != listed) {
            listed = rows;
            settled.start();
        }
        const bool timedOut = clock.elapsed() > 25000;
        if ((listed >= expected && settled.isValid() && settled.elapsed() > 800) || timedOut) {
            if (!grabbed) {
                grabbed = true;
                shooter.save(search, shooter.lang + QStringLiteral("-search"));
            }
            if (listed > 0)
                search->findChild<QPushButton *>(QStringLiteral("btn_ok"))->click();
            else
                search->done(QDialog::Rejected);
        }
    });
    driver.start(50);
    w.startupSearch();
    driver.stop();
    shooter.capturing = false;
    out() << "ui_shots: search listed " << listed << " device(s)\n";
    return listed > 0;
}

bool readBackDone(MainWindow &w)
{
    for (INFO_BASIC *info : w.devices()) {
        if (auto *ks = dynamic_cast<DEVICE_INFO_KS *>(info)) {
            if (ks->panels.isEmpty() || ks->windows.isEmpty())
                return false;
        } else if (auto *gw = dynamic_cast<DEVICE_INFO_GW *>(info)) {
            if (gw->panels.isEmpty())
                return false;
        }
    }
    return true;
}

void shootDevice(MainWindow &w, Shooter &shooter, int tab)
{
    SxTabWidget *tabs = w.tabWidget();
    tabs->setCurrentIndex(tab);
    QTest::qWait(600);
    INFO_BASIC *info = w.record();
    if (!info)
        return;
    const QString family = familyName(info->type);
    out() << "ui_shots: device " << family << " " << info->cpuid << '\n';

    // The main window with each page of the left panel.
    // The left panel renames its page buttons for the style sheet; either name is looked for.
    static const char *const pages[][3] = {{"btn_signalSrc", "KeepStatu_Signal", "source"},
                                          {"btn_timedTask", "KeepStatu_TimeTask", "task"},
                                          {"btn_loadTemplate", "KeepStatu_LoadTemplate", "template"},
                                          {"btn_loadDefault", "KeepStatu_LoadPreset", "preset"}};
    for (const auto &page : pages) {
        auto *b = w.findChild<QPushButton *>(QLatin1String(page[0]));
        if (!b)
            b = w.findChild<QPushButton *>(QLatin1String(page[1]));
        if (!b || !b->isVisibleTo(&w) || !b->isEnabled()) {
            out() << "ui_shots: " << family << " has no usable page button " << page[0] << '\n';
            continue;
        }
        b->click();
        QTest::qWait(300);
        shooter.save(&w, shooter.file(family, QStringLiteral("main-") + QLatin1String(page[2])));
    }

    // Every dialog of the title bar the device's type shows.
    auto *title = w.findChild<SxTitleWidget *>();
    const SxTitleWidget::Command commands[] = {SxTitleWidget::CmdOutput, SxTitleWidget::CmdEDID,
                                               SxTitleWidget::CmdAudio, SxTitleWidget::CmdImage,
                                               SxTitleWidget::CmdTest, SxTitleWidget::CmdUSB,
                                               SxTitleWidget::CmdUpgrade, SxTitleWidget::CmdFactory,
                                               SxTitleWidget::CmdMultiMachine};
    for (SxTitleWidget::Command c : commands) {
        QToolButton *b = title ? title->commandButton(c) : nullptr;
        if (!b || !b->isVisibleTo(title)) {
            out() << "ui_shots: " << family << " shows no title command " << int(c) << '\n';
            continue;
        }
        const QString key = b->property("command").toString().toLower().remove(QLatin1Char(' '));
        // Named after the dialog that opens; a message box after the command.
        shooter.capture(shooter.file(family, key), [&] { b->click(); },
                        [&](QWidget *dialog) { return shooter.file(family, dialogName(dialog)); });
    }

    // Dialogs of the canvas, filled as the canvas fills them, for the first window.
    SxGraphicsView *view = w.currentGraphicsView();
    const QList<SxGraphicsItem *> items = view ? view->windowItemList() : QList<SxGraphicsItem *>();
    if (view && !items.isEmpty()) {
        SxGraphicsItem *item = items.first();
        const int winId = item->windowId();
        {
            DialogAttribute d(&w);
            if (d.fillFromView(view, winId))
                shooter.capture(shooter.file(family, dialogName(&d)), [&] { d.exec(); });
        }
        if (auto *ks = dynamic_cast<DEVICE_INFO_KS *>(info)) {
            DialogChromaKey chroma(&w);
            INFO_CHROMA entry;
            for (const INFO_CHROMA &c : qAsConst(ks->chromaKeys))
                if (c.winId == winId)
                    entry = c;
            entry.winId = uint8_t(winId);
            chroma.setChromaData(winId, entry);
            shooter.capture(shooter.file(family, dialogName(&chroma)), [&] { chroma.exec(); });

            DialogMosaic mosaic(&w);
            INFO_MOSAIC m;
            for (const INFO_MOSAIC &x : qAsConst(ks->mosaics))
                if (x.winId == winId)
                    m = x;
            m.winId = uint8_t(winId);
            const QRect r = item->windowRect();
            mosaic.setMosaic(winId, m, r.width(), r.height(), ks->type);
            shooter.capture(shooter.file(family, dialogName(&mosaic)), [&] { mosaic.exec(); });
        }
    } else {
        out() << "ui_shots: " << family << " canvas has no window\n";
    }
    if (view && isGwType(info->type)) {
        DialogAddWindow add(&w);
        add.setBounds(view->rectFull());
        shooter.capture(shooter.file(family, dialogName(&add)), [&] { add.exec(); });
    }

    // The timed-task dialog from the first button of the task page.
    auto *taskPage = w.findChild<QPushButton *>(QStringLiteral("KeepStatu_TimeTask"));
    if (!taskPage)
        taskPage = w.findChild<QPushButton *>(QStringLiteral("btn_timedTask"));
    if (taskPage && taskPage->isVisibleTo(&w) && taskPage->isEnabled()) {
        taskPage->click();
        QTest::qWait(200);
        const QList<SxTimeTaskButton *> tasks = w.findChildren<SxTimeTaskButton *>();
        for (SxTimeTaskButton *t : tasks) {
            if (t->isVisibleTo(&w)) {
                shooter.capture(shooter.file(family, QStringLiteral("timetake")), [&] { t->click(); });
                break;
            }
        }
    }
}

// Save and restore of the KS9200's configuration, and its file as an offline tab.
void shootConfiguration(MainWindow &w, Shooter &shooter)
{
    auto *title = w.findChild<SxTitleWidget *>();
    SxTabWidget *tabs = w.tabWidget();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        if (w.record() && w.record()->type == DeviceType::KS9200)
            break;
    }
    const QString id = w.currentCpuid();
    if (!title || !w.record() || w.record()->type != DeviceType::KS9200) {
        out() << "ui_shots: no KS9200 for the configuration pictures\n";
        ++shooter.failures;
        return;
    }
    // The show's configuration is set up and backed up; afterwards the wall is used otherwise,
    // so that the restore has differences (and a preset) to show.
    if (!DeviceChanges::change(*w.hub(), id))
        out() << "ui_shots: the KS9200 did not take every change\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hall.json"));
    ConfigBackup backup(w.hub());
    bool finished = false;
    QObject::connect(&backup, &ConfigBackup::finished, [&] { finished = true; });
    if (!backup.start({id}, path) || !waitUntil([&] { return finished; }, 20000) || !backup.succeeded()) {
        out() << "ui_shots: the backup failed: " << backup.errorString() << '\n';
        ++shooter.failures;
        return;
    }
    const QString lang = shooter.lang;
    shooter.capture(lang + QStringLiteral("-configsave"),
                    [&] { title->configAction(SxTitleWidget::ConfigSave)->trigger(); });

    bool changed = false;
    w.hub()->transact(
        id,
        [&] {
            KS9200Interface *ks = w.hub()->ksInterface(id);
            ks->loadTemplate(2);
            ks->savePreset(3);
            ks->setBackgroundColor(0, 0, 0);
            ks->setFreeze(0);
            ks->setEdidResolution(32, 1920, 1080, 60);
        },
        10000, [&](const HubResult &) { changed = true; });
    waitUntil([&] { return changed; }, 12000);
    shooter.capturing = true;
    bool driven = false;
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, &shooter, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            QTest::qWait(300);
            shooter.save(box, lang + QStringLiteral("-configrestore-box"));
            if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                Shooter::dismiss(box);
        }
    });
    boxes.start(100);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &shooter, [&] {
        auto *d = qobject_cast<DialogConfigRestore *>(QApplication::activeModalWidget());
        if (!d || driven)
            return;
        driven = true;
        poll.stop();
        d->findChild<QLineEdit *>(QStringLiteral("edit_path"))->setText(path);
        d->findChild<QPushButton *>(QStringLiteral("btn_load"))->click();
        d->findChild<QPushButton *>(QStringLiteral("btn_compare"))->click();
        auto *restore = d->findChild<QPushButton *>(QStringLiteral("btn_restoreNow"));
        if (waitUntil([&] { return restore->isEnabled(); }, 20000)) {
            QTest::qWait(300);
            shooter.save(d, lang + QStringLiteral("-configrestore"));
            restore->click();
            if (waitUntil([&] { return !d->isRunning(); }, 60000)) {
                QTest::qWait(300);
                shooter.save(d, lang + QStringLiteral("-configrestore-report"));
            }
        } else {
            out() << "ui_shots: the comparison did not end\n";
            ++shooter.failures;
        }
        d->reject();
    });
    poll.start(50);
    title->configAction(SxTitleWidget::ConfigRestore)->trigger();
    poll.stop();
    boxes.stop();
    shooter.capturing = false;

    QString error;
    if (!w.openConfigFile(path, &error)) {
        out() << "ui_shots: the file did not open: " << error << '\n';
        ++shooter.failures;
        return;
    }
    QTest::qWait(600);
    shooter.save(&w, lang + QStringLiteral("-configfile-main"));
    QMenu *menu = title->mainMenu();
    menu->popup(w.mapToGlobal(QPoint(40, 40)));
    QTest::qWait(300);
    shooter.save(menu, lang + QStringLiteral("-mainmenu-file"));
    menu->hide();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Screenshots of every window against vpsim."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("OUT_DIR"), QStringLiteral("Folder for the PNG files."));
    parser.addPositionalArgument(QStringLiteral("LANG"), QStringLiteral("en, zh_cn or zh_tw."));
    const QCommandLineOption vpsimOption(QStringLiteral("vpsim"), QStringLiteral("The vpsim binary."),
                                         QStringLiteral("PATH"));
    const QCommandLineOption stateOption(QStringLiteral("state"),
                                         QStringLiteral("State file of a vpsim already running."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption settleOption(QStringLiteral("settle"),
                                          QStringLiteral("Milliseconds a dialog is given to fill (1500)."),
                                          QStringLiteral("MS"), QStringLiteral("1500"));
    const QCommandLineOption netnsOption(QStringLiteral("netns"),
                                         QStringLiteral("Name of the private network (netns.sh NAME)."),
                                         QStringLiteral("NAME"));
    parser.addOption(vpsimOption);
    parser.addOption(netnsOption);
    parser.addOption(stateOption);
    parser.addOption(settleOption);
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    const QStringList languages = {QStringLiteral("en"), QStringLiteral("zh_cn"), QStringLiteral("zh_tw")};
    if (args.size() != 2 || !languages.contains(args.at(1))) {
        std::fprintf(stderr, "usage: ui_shots OUT_DIR en|zh_cn|zh_tw [--vpsim PATH] [--state FILE]\n");
        return 2;
    }
    const QString outDir = QFileInfo(args.at(0)).absoluteFilePath();
    const QString lang = args.at(1);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "ui_shots: cannot create %s\n", qPrintable(outDir));
        return 2;
    }

    // The search broadcasts on every interface: refuse to run anywhere but in a private network
    // that has nothing up besides loopback (the veth to the simulator comes later).
    if (!parser.isSet(stateOption)) {
        for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
            if ((iface.flags() & QNetworkInterface::IsUp) && !(iface.flags() & QNetworkInterface::IsLoopBack)) {
                std::fprintf(stderr, "ui_shots: interface %s is up; run inside `unshare --net` "
                                     "(scripts/screenshots.sh does)\n",
                             qPrintable(iface.name()));
                return 2;
            }
        }
    }

    // Settings of this run only; the language is the stored one the main window starts in.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("CN_KS_Control"));
    QSettings().setValue(QStringLiteral("Language"), languages.indexOf(lang));
    DialogSearch::setProcessExit([](int) {});

    Simulator sim;
    QString stateFile = parser.value(stateOption);
    if (stateFile.isEmpty()) {
        QString bin = parser.value(vpsimOption);
        if (bin.isEmpty())
            bin = qEnvironmentVariable("VPSIM");
        if (bin.isEmpty())
            bin = QCoreApplication::applicationDirPath() + QStringLiteral("/../sim/vpsim");
        bin = QFileInfo(bin).absoluteFilePath();
        if (!QFileInfo(bin).isExecutable()) {
            std::fprintf(stderr, "ui_shots: no vpsim at %s (give --vpsim)\n", qPrintable(bin));
            return 2;
        }
        stateFile = settingsDir.filePath(QStringLiteral("state.json"));
        if (!sim.start(bin, stateFile, parser.value(netnsOption))) {
            std::fprintf(stderr, "ui_shots: %s\n", qPrintable(sim.error));
            return 2;
        }
    }
    QFile state(stateFile);
    if (!state.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "ui_shots: cannot read %s\n", qPrintable(stateFile));
        return 2;
    }
    const int expected = QJsonDocument::fromJson(state.readAll()).object().value("devices").toArray().size();

    Shooter shooter(outDir, lang, parser.value(settleOption).toInt());
    int status = 0;
    {
        MainWindow w;
        w.commManager()->setSerialProbeTimeout(200);
        if (!runStartupSearch(w, shooter, qMax(expected, 1))) {
            std::fprintf(stderr, "ui_shots: the search found no device\n");
            return 2;
        }
        w.show();
        if (!waitUntil([&] { return !w.busy()->isAnimated(); }, 20000))
            out() << "ui_shots: the busy indicator still runs after 20 s\n";
        if (!waitUntil([&] { return readBackDone(w); }, 20000))
            out() << "ui_shots: the read-back is incomplete after 20 s\n";
        QTest::qWait(500);
        for (int i = 0; i < w.tabWidget()->count(); ++i)
            shootDevice(w, shooter, i);
        // The main menu and the About box.
        if (auto *title = w.findChild<SxTitleWidget *>()) {
            QMenu *menu = title->mainMenu();
            menu->popup(w.mapToGlobal(QPoint(40, 40)));
            QTest::qWait(300);
            shooter.save(menu, lang + QStringLiteral("-mainmenu"));
            menu->hide();
            shooter.capture(lang + QStringLiteral("-about"), [&] { title->aboutAction()->trigger(); },
                            [&](QWidget *) { return lang + QStringLiteral("-about"); });
            // Remote control running on loopback, then a form that is refused (every address, no
            // token): the longest hint and the problem line.
            RemoteSettings remote;
            remote.enabled = true;
            w.remoteControl()->apply(remote);
            shooter.capture(lang + QStringLiteral("-remotecontrol"), [&] { title->remoteControlAction()->trigger(); });
            shooter.capture(lang + QStringLiteral("-remotecontrol-refused"), [&] {
                QTimer::singleShot(100, &w, [&] {
                    if (auto *dlg = w.findChild<QDialog *>(QStringLiteral("DialogRemoteControl")))
                        dlg->findChild<QLineEdit *>(QStringLiteral("edit_address"))->setText("0.0.0.0");
                });
                title->remoteControlAction()->trigger();
            });
            w.remoteControl()->stop();
        }
        shootConfiguration(w, shooter);
        status = shooter.failures > 0 ? 1 : 0;
        out() << "ui_shots: " << shooter.saved.size() << " picture(s), " << shooter.failures << " missing\n";
        out().flush();
        // Closing the main window would end the process at once; take it down directly.
        w.hide();
    }
    sim.stop();
    return status;
}
