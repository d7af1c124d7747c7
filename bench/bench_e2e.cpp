// End-to-end figures against the real receive path, vpsim and vpcontrol:
//  - frames per second from CommManager's TCP receive path through the KS interface into the main
//    window's receivers (a recorded read-back stream replayed over a loopback socket pair);
//  - search (until every device is listed) and sync (until every device is read back) for 1, 4 and
//    16 simulated devices, next to the simulator's own answer times measured on raw sockets;
//  - resident memory with 16 devices connected; start-up of vpcontrol to its search dialog;
//  - how often the start-up search finds a serial device of vpsim, idle and with both cores busy.
//  - a device's return (the simulator started again after it went) until the application has it
//    online and read back, for 1 and 16 devices; resident memory while one device of 16 keeps
//    dropping and returning.
// Runs inside a private network namespace (scripts/bench.sh): broadcasts leave from a veth end
// whose peer sits alone in a namespace of its own, and the kernel loops them back to vpsim.
#include "BenchHarness.h"
#include "CommManager.h"
#include "DeviceHub.h"
#include "DialogSearch.h"
#include "FrameCodec.h"
#include "KS9200Interface.h"
#include "MainWindow.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"

#include "SimProcess.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSet>
#include <QSettings>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <memory>
#include <sched.h>
#include <sys/mount.h>

namespace {
constexpr quint16 UdpPort = 38989;
constexpr quint16 DiscoveryPort = 38990;
constexpr quint16 TcpPort = 38213;
const QHostAddress LocalEnd(QStringLiteral("192.0.2.42"));

QString tag() { return QString::number(QCoreApplication::applicationPid() % 100000); }

int run(const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(args.first(), args.mid(1));
    if (!p.waitForFinished(10000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool netUp()
{
    const QString ns = "vpb-" + tag(), a = "vpba" + tag(), d = "vpbd" + tag();
    return run({"ip", "link", "set", "lo", "up"}) == 0 && run({"ip", "netns", "add", ns}) == 0
        && run({"ip", "link", "add", a, "type", "veth", "peer", "name", d, "netns", ns}) == 0
        && run({"ip", "-n", ns, "link", "set", d, "up"}) == 0
        && run({"ip", "addr", "add", LocalEnd.toString() + "/24", "dev", a}) == 0
        && run({"ip", "link", "set", a, "up"}) == 0 && SimProcess::waitFor([&] {
               const QNetworkInterface i = QNetworkInterface::interfaceFromName(a);
               return i.isValid() && (i.flags() & QNetworkInterface::IsRunning);
           }, 5000);
}

void netDown()
{
    run({"ip", "link", "del", "vpba" + tag()});
    run({"ip", "netns", "del", "vpb-" + tag()});
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double rssMB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

QString idFor(int n) { return QStringLiteral("0f4200000000000000000b%1").arg(n, 2, 16, QLatin1Char('0')); }

// The frames a KS9200 interface sends for a full read-back.
QList<QByteArray> readAllFrames()
{
    KS9200Interface iface(QStringLiteral("000000000000000000000000"));
    QList<QByteArray> out;
    QObject::connect(&iface, &Interface::emitSendData, [&](const QByteArray &f) { out << f; });
    iface.readAll();
    return out;
}

// A raw client of one simulated device: sends the read-back and decodes the replies with a KS
// interface of its own, to time the simulator alone.
struct RawClient
{
    QTcpSocket sock;
    QByteArray buffer;
    QByteArray recorded; // every reply byte except heartbeats
    KS9200Interface iface{QStringLiteral("000000000000000000000000")};
    bool done = false;

    RawClient()
    {
        QObject::connect(&iface, &Interface::emitAllParams, [this] { done = true; });
        QObject::connect(&sock, &QTcpSocket::readyRead, [this] {
            splitStreamFrames(buffer, sock.readAll(), [this](const RECV_PROTOCOL &rp, const QByteArray &payload) {
                if (rp.cmd == Frame::CmdLink)
                    return;
                recorded += makeReplyFrame(rp.cmd, rp.subCmd, rp.status, payload);
                iface.handleFrame(iface.cpuid(), rp, payload);
            });
        });
    }
};

// The simulator's own times for n devices: the search until n announcements came back, and the
// read-back of all n at once until each has answered in full.
bool simTimes(SimProcess &sim, int n, double *searchMs, double *replyMs, QByteArray *stream = nullptr)
{
    QUdpSocket udp;
    if (!udp.bind(LocalEnd, 0))
        return false;
    QSet<QString> answered;
    QObject::connect(&udp, &QUdpSocket::readyRead, [&] {
        while (udp.hasPendingDatagrams())
            answered.insert(udp.receiveDatagram().senderAddress().toString());
    });
    QElapsedTimer t;
    t.start();
    udp.writeDatagram(makeSearchFrame(), QHostAddress::Broadcast, UdpPort);
    if (!SimProcess::waitFor([&] { return answered.size() >= n; }, 10000))
        return false;
    *searchMs = t.nsecsElapsed() / 1e6;

    std::vector<std::unique_ptr<RawClient>> clients;
    for (const SimProcess::Device &d : sim.devices()) {
        clients.push_back(std::make_unique<RawClient>());
        clients.back()->sock.connectToHost(d.address, d.tcpPort);
    }
    if (!SimProcess::waitFor([&] {
            return std::all_of(clients.begin(), clients.end(), [](const auto &c) {
                return c->sock.state() == QAbstractSocket::ConnectedState;
            });
        }, 5000))
        return false;
    const QList<QByteArray> request = readAllFrames();
    t.restart();
    for (auto &c : clients)
        for (const QByteArray &f : request)
            c->sock.write(f);
    if (!SimProcess::waitFor([&] {
            return std::all_of(clients.begin(), clients.end(), [](const auto &c) { return c->done; });
        }, 10000))
        return false;
    *replyMs = t.nsecsElapsed() / 1e6;
    if (stream)
        *stream = clients.front()->recorded;
    return true;
}

// Search and sync through the main window; false when the devices were not all listed or read.
struct Round
{
    double broadcastSeenMs = -1; // the event loop ran again and saw the search broadcast
    double searchMs = -1;
    double syncMs = -1;
    double rss = -1;
};

Round searchAndSync(int n, int serialProbeMs = -1)
{
    Round r;
    auto w = std::make_unique<MainWindow>();
    w->commManager()->setNetworkPorts(UdpPort, DiscoveryPort, TcpPort);
    if (serialProbeMs >= 0)
        w->commManager()->setSerialProbeTimeout(serialProbeMs);
    w->busy()->setStopTime(60000);
    DialogSearch *dlg = w->searchDialog();
    auto *table = dlg->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    auto *ok = dlg->findChild<QPushButton *>(QStringLiteral("btn_ok"));
    QElapsedTimer t;
    qint64 okAt = -1, syncedAt = -1;
    QObject::connect(table->model(), &QAbstractItemModel::rowsInserted, dlg, [&] {
        if (okAt >= 0 || table->rowCount() < n)
            return;
        okAt = t.nsecsElapsed();
        QTimer::singleShot(0, ok, &QPushButton::click);
    });
    QObject::connect(w->busy(), &QDialog::finished, w.get(), [&] {
        if (okAt >= 0 && syncedAt < 0)
            syncedAt = t.nsecsElapsed();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, dlg, [dlg] {
        if (dlg->isVisible())
            dlg->done(QDialog::Rejected);
    });
    guard.start(15000);
    // The broadcast as the event loop next sees it: what the search blocked before it.
    QUdpSocket hear;
    hear.bind(QHostAddress::AnyIPv4, UdpPort, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
    QObject::connect(&hear, &QUdpSocket::readyRead, dlg, [&] {
        while (hear.hasPendingDatagrams())
            hear.receiveDatagram();
        if (r.broadcastSeenMs < 0)
            r.broadcastSeenMs = t.nsecsElapsed() / 1e6;
    });
    t.start();
    w->onTitleSearch(0);
    if (okAt < 0)
        return r;
    SimProcess::waitFor([&] { return syncedAt >= 0; }, 15000);
    if (syncedAt < 0 || w->devices().size() != n)
        return r;
    r.searchMs = okAt / 1e6;
    r.syncMs = (syncedAt - okAt) / 1e6;
    r.rss = rssMB();
    return r;
}

// The serial ports of this machine that a search opens (and then waits on).
int serialPortsOpenable()
{
    int n = 0;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        QSerialPort p(info);
        if (p.open(QIODevice::ReadWrite))
            ++n;
    }
    return n;
}

// A recorded read-back stream replayed through a loopback TCP pair into CommManager, the KS
// interface and the main window's receivers of a device with its canvas tab.
double framesPerSecond(const QByteArray &oneReadBack)
{
    QByteArray probe = oneReadBack, rest;
    int perReadBack = 0;
    splitStreamFrames(rest, probe, [&](const RECV_PROTOCOL &, const QByteArray &) { ++perReadBack; });
    if (perReadBack == 0)
        return -1;
    const int repeats = qMax(1, 20000 / perReadBack);
    QByteArray stream;
    for (int i = 0; i < repeats; ++i)
        stream += oneReadBack;
    const int frames = perReadBack * repeats;

    MainWindow w;
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return -1;
    const uint key = w.commManager()->connectTcp(QHostAddress::LocalHost, server.serverPort());
    if (!SimProcess::waitFor([&] { return server.hasPendingConnections(); }, 5000))
        return -1;
    QTcpSocket *device = server.nextPendingConnection();
    // The device announces itself (type 3, a KS9200) as a search would have found it.
    QByteArray announce(15, '\0');
    announce[0] = 3;
    const QByteArray id = QByteArray::fromHex("0f4300000000000000000001");
    announce.replace(3, 12, id);
    w.slotDeviceConnect(key, 0, announce, QHostAddress::LocalHost, short(server.serverPort()));
    const QString cpuid = QString::fromLatin1(id.toHex());
    if (!w.record(cpuid))
        return -1;
    w.tabWidget()->addDevice(w.record(cpuid));

    int seen = 0;
    QObject::connect(w.commManager(), &CommManager::emitHandleData, &w, [&] { ++seen; });
    std::vector<double> rates;
    for (int round = 0; round < 5; ++round) {
        seen = 0;
        QElapsedTimer t;
        t.start();
        device->write(stream);
        if (!SimProcess::waitFor([&] { return seen >= frames; }, 30000))
            return -1;
        rates.push_back(frames / (t.nsecsElapsed() / 1e9));
    }
    return median(rates);
}

// Two busy processes that keep both cores loaded; each ends by itself after a hard limit (wall
// clock and CPU time) even when the benchmark dies first.
struct CpuLoad
{
    std::vector<std::unique_ptr<QProcess>> procs;
    explicit CpuLoad(int processes, int limitSeconds)
    {
        const QString script = QStringLiteral("ulimit -t %1; while :; do :; done").arg(limitSeconds);
        for (int i = 0; i < processes; ++i) {
            procs.push_back(std::make_unique<QProcess>());
            procs.back()->start(QStringLiteral("timeout"),
                                {QStringLiteral("-s"), QStringLiteral("KILL"), QString::number(limitSeconds),
                                 QStringLiteral("sh"), QStringLiteral("-c"), script});
            procs.back()->waitForStarted(3000);
        }
    }
    ~CpuLoad()
    {
        for (auto &p : procs) {
            p->terminate(); // timeout passes it on to the busy shell
            if (!p->waitForFinished(3000))
                p->kill();
        }
    }
};

// vpcontrol started afresh, `rounds` times, with the pseudo-terminal of a vpsim KX4200 named as an
// extra serial port (the probe at its default 100 ms): how many start-up searches take the
// device's announcement within 4 s. The application's diagnostics name every frame it takes
// ("rp.cmd :  ff 0" is an announcement). *foundMs gets the median time from the start.
int serialFoundAtStartup(const QString &pty, int rounds, double *foundMs)
{
    const QString bin = qEnvironmentVariable("VPCONTROL");
    if (bin.isEmpty() || !QFile::exists(bin))
        return -1;
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    int found = 0;
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        QProcess app;
        app.setProcessEnvironment(env);
        app.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer t;
        t.start();
        app.start(bin, {QStringLiteral("--serial-port"), pty});
        QByteArray output;
        bool seen = false;
        SimProcess::waitFor(
            [&] {
                output += app.readAll();
                seen = output.contains("rp.cmd :  ff 0");
                return seen || app.state() == QProcess::NotRunning || t.elapsed() > 4000;
            },
            5000);
        if (seen) {
            ++found;
            times.push_back(t.nsecsElapsed() / 1e6);
        }
        app.kill();
        app.waitForFinished(3000);
    }
    *foundMs = median(times);
    return found;
}

// The machine's own serial ports stay out of the probe: an empty /sys/class/tty in a mount
// namespace of this process (the benchmarks run as root in their namespaces).
bool hideMachineSerialPorts()
{
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("none", "/sys/class/tty", "tmpfs", 0, nullptr) == 0 &&
           QSerialPortInfo::availablePorts().isEmpty();
}

void serialProbeFigures()
{
    if (!hideMachineSerialPorts()) {
        std::fprintf(stderr, "bench_e2e: cannot hide the machine's serial ports; no serial probe figures\n");
        return;
    }
    SimProcess sim;
    if (!sim.start({"--device", "KX4200:pty"}) || sim.devices().isEmpty() ||
        sim.devices().first().pty.isEmpty()) {
        std::fprintf(stderr, "bench_e2e: %s\n", qPrintable(sim.errorString()));
        return;
    }
    const QString pty = sim.devices().first().pty;
    double ms = -1;
    Bench::report("startup.serial_found_idle", serialFoundAtStartup(pty, 10, &ms), "of 10");
    Bench::report("startup.serial_found_idle.ms", ms, "ms");
    // Both cores kept busy; then four busy processes per core, where the event loop is late often
    // enough to lose answers that wait unread in the port when the probe time is judged.
    for (int busy : {2, 8}) {
        int found = -1;
        {
            CpuLoad load(busy, 60);
            found = serialFoundAtStartup(pty, 10, &ms);
        }
        const QString name = QStringLiteral("startup.serial_found_busy%1").arg(busy);
        Bench::report(name, found, "of 10");
        Bench::report(name + ".ms", ms, "ms");
    }
}

// vpcontrol from its start to the broadcast it sends as the start-up search dialog opens (the
// dialog's modal loop is entered right after that search goes out).
double startupMs()
{
    const QString bin = qEnvironmentVariable("VPCONTROL");
    if (bin.isEmpty() || !QFile::exists(bin))
        return -1;
    QUdpSocket listener;
    if (!listener.bind(QHostAddress::AnyIPv4, CommManager::DevicePort, QUdpSocket::ShareAddress))
        return -1;
    std::vector<double> samples;
    for (int round = 0; round < 5; ++round) {
        while (listener.hasPendingDatagrams())
            listener.receiveDatagram();
        QProcess app;
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        app.start(bin, QStringList());
        bool seen = false;
        SimProcess::waitFor([&] {
            while (listener.hasPendingDatagrams()) {
                const QByteArray d = listener.receiveDatagram().data();
                if (d == makeSearchFrame())
                    seen = true;
            }
            return seen || app.state() == QProcess::NotRunning;
        }, 10000);
        const double ms = t.nsecsElapsed() / 1e6;
        app.kill();
        app.waitForFinished(3000);
        if (!seen)
            return -1;
        samples.push_back(ms);
    }
    return median(samples);
}

// A main window that found the n simulated devices and read them back; null when that failed.
std::unique_ptr<MainWindow> connectedWindow(int n)
{
    auto w = std::make_unique<MainWindow>();
    w->commManager()->setNetworkPorts(UdpPort, DiscoveryPort, TcpPort);
    w->busy()->setStopTime(60000);
    DialogSearch *dlg = w->searchDialog();
    auto *table = dlg->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    auto *ok = dlg->findChild<QPushButton *>(QStringLiteral("btn_ok"));
    QObject::connect(table->model(), &QAbstractItemModel::rowsInserted, dlg, [=] {
        if (table->rowCount() >= n)
            QTimer::singleShot(0, ok, &QPushButton::click);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, dlg, [dlg] {
        if (dlg->isVisible())
            dlg->done(QDialog::Rejected);
    });
    guard.start(15000);
    w->onTitleSearch(0);
    if (w->devices().size() != n || !SimProcess::waitFor([&] { return !w->busy()->isAnimated(); }, 15000))
        return nullptr;
    return w;
}

bool allOnline(DeviceHub *hub, bool online)
{
    for (const QString &id : hub->knownCpuids())
        if (hub->isOnline(id) != online)
            return false;
    return true;
}

// The simulator of n devices stops and starts again after `downMs`: from its return (it listens
// again) until every device is online and read back in the application. -1 when it fails.
double returnMs(SimProcess &sim, const QStringList &args, MainWindow &w, int n, int downMs)
{
    DeviceHub *hub = w.hub();
    sim.stop();
    if (!SimProcess::waitFor([&] { return allOnline(hub, false); }, 10000))
        return -1;
    QTest::qWait(downMs);
    QSet<QString> readBack;
    const QMetaObject::Connection c = QObject::connect(hub, &DeviceHub::readBackFinished, &w,
                                                       [&](const QString &id) { readBack.insert(id); });
    if (!sim.start(args))
        return -1;
    QElapsedTimer t;
    t.start();
    const bool back = SimProcess::waitFor([&] { return readBack.size() >= n && allOnline(hub, true); }, 15000);
    QObject::disconnect(c);
    return back ? t.nsecsElapsed() / 1e6 : -1;
}

void reconnectFigures()
{
    for (int n : {1, 16}) {
        SimProcess sim;
        QStringList args{"--udp-port", QString::number(UdpPort), "--tcp-port", QString::number(TcpPort)};
        for (int i = 0; i < n; ++i)
            args << "--device" << QStringLiteral("KS9200:addr=127.0.42.%1,id=%2").arg(10 + i).arg(idFor(i));
        if (!sim.start(args))
            continue;
        double searchMs = 0, simReply = 0;
        simTimes(sim, n, &searchMs, &simReply);
        std::unique_ptr<MainWindow> w = connectedWindow(n);
        if (!w)
            continue;
        // Down for different times, so that the return falls at different points of the tries.
        std::vector<double> samples;
        for (int downMs : {300, 1100, 2300, 3700, 5200}) {
            const double ms = returnMs(sim, args, *w, n, downMs);
            if (ms >= 0)
                samples.push_back(ms);
        }
        const QString suffix = QStringLiteral("_%1").arg(n);
        Bench::report("reconnect.sim_reply" + suffix + ".ms", simReply, "ms");
        Bench::report("reconnect.return" + suffix + ".ms", median(samples), "ms");
        Bench::report("reconnect.return_worst" + suffix + ".ms",
                      samples.empty() ? -1 : *std::max_element(samples.begin(), samples.end()), "ms");
        Bench::report("reconnect.return_over_sim" + suffix + ".ms", median(samples) - simReply, "ms");
    }
}

// Resident memory while one device of 16 is told "connection interrupted" a second into every
// connection, for 40 s: growth from its first return to the end.
void flappingMemory()
{
    SimProcess steady, flapper;
    QStringList args{"--udp-port", QString::number(UdpPort), "--tcp-port", QString::number(TcpPort)};
    QStringList steadyArgs = args, flapArgs = args;
    for (int i = 0; i < 15; ++i)
        steadyArgs << "--device" << QStringLiteral("KS9200:addr=127.0.42.%1,id=%2").arg(40 + i).arg(idFor(40 + i));
    flapArgs << "--device" << QStringLiteral("KS9200:addr=127.0.42.60,id=%1").arg(idFor(60)) << "--interrupt-after"
             << "1";
    if (!steady.start(steadyArgs) || !flapper.start(flapArgs)) {
        std::fprintf(stderr, "bench_e2e: %s%s\n", qPrintable(steady.errorString()), qPrintable(flapper.errorString()));
        return;
    }
    std::unique_ptr<MainWindow> w = connectedWindow(16);
    if (!w) {
        std::fprintf(stderr, "bench_e2e: the 16 devices were not all found\n");
        return;
    }
    // The first loss shows "Connect interrupt"; the operator dismisses it.
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    dismiss.start(100);
    int returns = 0;
    QObject::connect(w->hub(), &DeviceHub::linkStateChanged, w.get(), [&](const QString &id, DeviceHub::Link l) {
        if (id == idFor(60) && l == DeviceHub::Link::Online)
            ++returns;
    });
    SimProcess::waitFor([&] { return returns >= 1; }, 10000);
    const double before = rssMB();
    QTest::qWait(40000);
    Bench::report("memory.flapping.returns", returns, "returns");
    Bench::report("memory.flapping.rss_start.MB", before, "MB");
    Bench::report("memory.flapping.rss_growth.MB", rssMB() - before, "MB");
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QSettings().setValue("Language", 0);

    if (!netUp()) {
        netDown();
        std::fprintf(stderr, "bench_e2e: cannot set up the private network (needs root in a private namespace)\n");
        return 1;
    }
    // An argument picks one group (receive, search, probe or startup), for profiling.
    const QString only = app.arguments().value(1);
    const QList<int> sizes = only.isEmpty() || only == "search" ? QList<int>{1, 4, 16} : QList<int>{1};
    QByteArray oneReadBack;
    for (int n : sizes) {
        if (!only.isEmpty() && only != "search" && only != "receive")
            break;
        SimProcess sim;
        QStringList args{"--udp-port", QString::number(UdpPort), "--tcp-port", QString::number(TcpPort)};
        for (int i = 0; i < n; ++i)
            args << "--device" << QStringLiteral("KS9200:addr=127.0.42.%1,id=%2").arg(10 + i).arg(idFor(i));
        if (!sim.start(args)) {
            std::fprintf(stderr, "bench_e2e: %s\n", qPrintable(sim.errorString()));
            continue;
        }
        std::vector<double> simSearch, simReply, search, sync, heard;
        double rss = -1;
        for (int round = 0; round < 3; ++round) {
            double s = 0, rp = 0;
            if (simTimes(sim, n, &s, &rp, oneReadBack.isEmpty() ? &oneReadBack : nullptr)) {
                simSearch.push_back(s);
                simReply.push_back(rp);
            }
            if (only == "receive")
                break;
            const Round r = searchAndSync(n);
            if (r.broadcastSeenMs >= 0)
                heard.push_back(r.broadcastSeenMs);
            if (r.searchMs >= 0) {
                search.push_back(r.searchMs);
                sync.push_back(r.syncMs);
                rss = qMax(rss, r.rss);
            }
        }
        if (only == "receive")
            continue;
        const QString suffix = QStringLiteral("_%1").arg(n);
        Bench::report("e2e.sim_search" + suffix + ".ms", median(simSearch), "ms");
        Bench::report("e2e.search" + suffix + ".ms", median(search), "ms");
        Bench::report("e2e.search_over_sim" + suffix + ".ms", median(search) - median(simSearch), "ms");
        Bench::report("e2e.search_to_broadcast" + suffix + ".ms", median(heard), "ms");
        Bench::report("e2e.sim_reply" + suffix + ".ms", median(simReply), "ms");
        Bench::report("e2e.sync" + suffix + ".ms", median(sync), "ms");
        Bench::report("e2e.sync_over_sim" + suffix + ".ms", median(sync) - median(simReply), "ms");
        if (n == 16) {
            Bench::report("memory.rss_16_devices.MB", rss, "MB");
            // The same search with the serial probe's wait cut to 1 ms: what the blocking probe
            // of the machine's serial ports costs before the broadcast goes out.
            std::vector<double> quick;
            for (int round = 0; round < 3; ++round) {
                const Round r = searchAndSync(n, 1);
                if (r.searchMs >= 0)
                    quick.push_back(r.searchMs);
            }
            Bench::report("e2e.search_16.probe_1ms.ms", median(quick), "ms");
            Bench::report("e2e.serial_ports_probed", serialPortsOpenable(), "ports");
            QElapsedTimer t;
            t.start();
            const int listedPorts = QSerialPortInfo::availablePorts().size();
            Bench::report("e2e.serial_port_list.ms", t.nsecsElapsed() / 1e6, "ms");
            Bench::report("e2e.serial_ports_listed", listedPorts, "ports");
        }
    }
    if (!oneReadBack.isEmpty() && (only.isEmpty() || only == "receive")) {
        // As the application runs (its per-frame debug lines included), then with them filtered.
        Bench::report("receive.frames_per_s", framesPerSecond(oneReadBack), "/s");
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
        Bench::report("receive.frames_per_s.debug_off", framesPerSecond(oneReadBack), "/s");
        QLoggingCategory::setFilterRules(QString());
    }
    if (only.isEmpty() || only == "probe")
        serialProbeFigures();
    if (only.isEmpty() || only == "startup")
        Bench::report("startup.search_shown.ms", startupMs(), "ms");
    if (only.isEmpty() || only == "reconnect") {
        reconnectFigures();
        flappingMemory();
    }
    netDown();
    return 0;
}
