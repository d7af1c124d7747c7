// The application end to end against vpsim in an isolated network: vpsim runs in a device-side
// network namespace joined to the test's namespace by a veth pair (scripts/netns.sh, installed
// beside the simulator). The main window's start-up search finds the simulated devices by
// broadcast and one through its pseudo-terminal named as an extra serial port; confirming opens
// one tab per supported device, the read-back fills the records, and a device that stops
// answering heartbeats is marked offline.
#include "CommManager.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DialogSearch.h"
#include "MainWindow.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include "TestSupport.h"

#include <QtTest>
#include <csignal>
#include <functional>

namespace {
using TestSupport::waitUntil;

int run(const QString &program, const QStringList &args, QString *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(20000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
} // namespace

class TestUiE2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void startupSearchTabsReadBackOffline();

private:
    QString netns;
    QString name;
    QTemporaryDir dir;
    QProcess sim;
    QJsonArray simDevices;
};

void TestUiE2e::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QSettings().setValue("Language", 0);

    const QString bin = qEnvironmentVariable("VPSIM");
    QVERIFY2(QFile::exists(bin), "VPSIM must name the vpsim binary");
    netns = QFileInfo(bin).absolutePath() + "/netns.sh";
    QVERIFY2(QFile::exists(netns), qPrintable(netns + " is missing"));
    name = QStringLiteral("vpu%1").arg(QCoreApplication::applicationPid() % 1000000);
    QString out;
    if (run(netns, {"up", name, "--here", "10.213.11.1/24", "10.213.11.2/24", "10.213.11.3/24", "10.213.11.4/24"},
            &out)
        != 0) {
        run(netns, {"down", name});
        name.clear();
        QSKIP(qPrintable("cannot create the private network (needs root and iproute2): " + out.trimmed()));
    }
    const QString state = dir.filePath("state.json");
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(netns, {"exec", name, "dev", bin, "--state-file", state, "--device", "KS9200:addr=10.213.11.2",
                      "--device", "GW5:addr=10.213.11.3", "--device", "19:addr=10.213.11.4", "--device",
                      "KS1200:pty"});
    QVERIFY(sim.waitForStarted(5000));
    QVERIFY2(waitUntil([&] { return QFile::exists(state) || sim.state() != QProcess::Running; })
                 && QFile::exists(state),
             "vpsim did not start in the device namespace");
    QFile f(state);
    QVERIFY(f.open(QIODevice::ReadOnly));
    simDevices = QJsonDocument::fromJson(f.readAll()).object().value("devices").toArray();
    QCOMPARE(simDevices.size(), 4);
    QVERIFY(waitUntil([&] {
        const QNetworkInterface va = QNetworkInterface::interfaceFromName("va-" + name);
        return va.isValid() && (va.flags() & QNetworkInterface::IsRunning);
    }));
}

void TestUiE2e::cleanupTestCase()
{
    if (sim.state() != QProcess::NotRunning) {
        ::kill(pid_t(sim.processId()), SIGCONT);
        sim.terminate();
        if (!sim.waitForFinished(3000))
            sim.kill(), sim.waitForFinished(1000);
    }
    if (!name.isEmpty())
        run(netns, {"down", name});
}

void TestUiE2e::startupSearchTabsReadBackOffline()
{
    QString ksId, gwId, ptyId, pty;
    for (const QJsonValue &v : qAsConst(simDevices)) {
        const QJsonObject o = v.toObject();
        if (o.contains("pty")) {
            pty = o.value("pty").toString();
            ptyId = o.value("cpuid").toString();
        } else if (o.value("type").toInt() == 3) {
            ksId = o.value("cpuid").toString();
        } else if (o.value("type").toInt() == 48) {
            gwId = o.value("cpuid").toString();
        }
    }
    QVERIFY(!pty.isEmpty() && !ksId.isEmpty() && !gwId.isEmpty() && !ptyId.isEmpty());

    MainWindow w;
    w.commManager()->setSerialProbeTimeout(1000);
    w.setExtraSerialPorts({pty});
    QCOMPARE(w.commManager()->namedSerialPorts(), QStringList{pty});

    // Confirm the start-up search once the three supported devices are listed; give up (and fail
    // below) when they never are.
    QStringList boxes;
    int listed = 0;
    QTimer driver;
    QElapsedTimer clock;
    clock.start();
    connect(&driver, &QTimer::timeout, this, [&]() {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->buttons().value(0)->click();
            return;
        }
        DialogSearch *search = w.searchDialog();
        if (!search || !search->isVisible())
            return;
        auto *table = search->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        listed = table->rowCount();
        if (listed >= 3)
            search->findChild<QPushButton *>(QStringLiteral("btn_ok"))->click();
        else if (clock.elapsed() > 20000)
            search->done(QDialog::Rejected);
    });
    driver.start(50);
    w.startupSearch();
    QCOMPARE(listed, 3);
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));

    // One tab per supported device; the unsupported one is nowhere.
    QCOMPARE(w.devices().size(), 3);
    QVERIFY(w.devices().contains(ksId) && w.devices().contains(gwId) && w.devices().contains(ptyId));
    QCOMPARE(w.tabWidget()->count(), 3);
    for (const QString &id : {ksId, gwId, ptyId})
        QVERIFY(w.tabWidget()->viewFor(id));
    QCOMPARE(int(w.record(ptyId)->linkType), 1);
    QCOMPARE(int(w.record(ksId)->linkType), 2);
    QVERIFY(w.record(w.currentCpuid()));
    // The search dialog now belongs to the main window.
    QCOMPARE(w.searchDialog()->parentWidget(), static_cast<QWidget *>(&w));

    // The sync after confirming reads every device back in full.
    QVERIFY(waitUntil([&] { return !w.busy()->isAnimated(); }));
    QVERIFY(waitUntil([&] {
        return w.ksRecord(ksId)->panels.size() == 2 && w.ksRecord(ksId)->windows.size() == 4
            && w.ksRecord(ptyId)->panels.size() == 1 && w.ksRecord(ptyId)->windows.size() == 2;
    }));
    QVERIFY(waitUntil([&] { return !w.gwRecord(gwId)->panels.isEmpty(); }));

    // The simulator stops answering: the network devices miss their heartbeats and go offline.
    w.commManager()->setHeartbeatInterval(100);
    QCOMPARE(::kill(pid_t(sim.processId()), SIGSTOP), 0);
    QVERIFY(waitUntil([&] { return !w.record(ksId)->online && !w.record(gwId)->online; }, 20000));
    QCOMPARE(int(w.record(ksId)->linkType), 0);
    QVERIFY(w.tabWidget()->viewFor(ksId));
    ::kill(pid_t(sim.processId()), SIGCONT);
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
}

QTEST_MAIN(TestUiE2e)
#include "tst_ui_e2e.moc"
