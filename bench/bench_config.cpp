// Configuration files against the simulator, per device type (KS9200, KX4200, GW5): the backup of
// one device and the restore of a file to another device of the same type, set against the
// simulator's own read-back time and against (frames the restore sent x one round trip).
// Run inside a private network namespace (scripts/bench.sh does): vpsim on 127.0.90.x.
//
// Per type, vpsim runs devices A and B; A gets the settings of the round-trip tests. Figures:
// - sim_readback: a raw TCP client asks A for its full read-back and waits for the end of it;
// - rtt_raw / rtt_hub: one setting frame (freeze off) until its acknowledgement, from a raw TCP
//   client and as one hub transaction;
// - backup: ConfigBackup of A into a file (read-back, document, atomic write);
// - restore: RestoreRunner from start to finished (fresh read-back, every step acknowledged, the
//   hub's own read-backs after template loads, the verifying re-read), alternately A's file to B
//   and B's own earlier file back to B, so that every round restores the same differences;
//   frames: every host frame B received meanwhile (vpsim's frame log), read requests included.
#include "BenchHarness.h"
#include "ConfigBackup.h"
#include "DeviceChanges.h"
#include "DeviceHub.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "RestoreRunner.h"
#include "SimProcess.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr quint16 UdpPort = 29689;
constexpr quint16 DiscoveryPort = 29690;
constexpr quint16 TcpPort = 29613;
constexpr int Rounds = 5;

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds from writing `frames` on a raw link to the device until a reply with command
// `untilCmd` arrives; -1 when none comes.
double rawExchange(const QHostAddress &address, const QList<QByteArray> &frames, uint8_t untilCmd)
{
    QTcpSocket sock;
    sock.connectToHost(address, TcpPort);
    if (!sock.waitForConnected(3000))
        return -1;
    QByteArray buffer;
    bool done = false;
    QObject::connect(&sock, &QTcpSocket::readyRead, [&] {
        splitStreamFrames(buffer, sock.readAll(), [&](const RECV_PROTOCOL &rp, const QByteArray &) {
            if (rp.cmd == untilCmd)
                done = true;
        });
    });
    QElapsedTimer t;
    t.start();
    for (const QByteArray &f : frames)
        sock.write(f);
    if (!SimProcess::waitFor([&] { return done; }, 10000))
        return -1;
    return t.nsecsElapsed() / 1e6;
}

// The frame of freeze off as the family's interface builds it.
QByteArray freezeOffFrame(bool gw)
{
    QByteArray frame;
    const QString id = QStringLiteral("000000000000000000000000");
    if (gw) {
        GW5Interface iface(id);
        QObject::connect(&iface, &Interface::emitSendData, [&](const QByteArray &f) { frame = f; });
        iface.setFreeze(0);
    } else {
        KS9200Interface iface(id);
        QObject::connect(&iface, &Interface::emitSendData, [&](const QByteArray &f) { frame = f; });
        iface.setFreeze(0);
    }
    return frame;
}

double hubRoundTrip(DeviceHub &hub, const QString &cpuid, const QByteArray &frame)
{
    bool done = false, ok = false;
    QElapsedTimer t;
    t.start();
    hub.transact(
        cpuid, [&] { hub.write(cpuid, frame); }, 5000,
        [&](const HubResult &r) {
            ok = r.ok();
            done = true;
        });
    SimProcess::waitFor([&] { return done; }, 6000);
    return ok ? t.nsecsElapsed() / 1e6 : -1;
}

bool backUp(DeviceHub &hub, const QString &cpuid, const QString &path, ConfigDocument *doc, double *ms)
{
    ConfigBackup backup(&hub);
    bool finished = false;
    QObject::connect(&backup, &ConfigBackup::finished, [&] { finished = true; });
    QElapsedTimer t;
    t.start();
    if (!backup.start({cpuid}, path) || !SimProcess::waitFor([&] { return finished; }, 30000) ||
        !backup.succeeded())
        return false;
    *ms = t.nsecsElapsed() / 1e6;
    *doc = backup.document();
    return true;
}

void measure(const QString &model, const QString &net)
{
    SimProcess sim;
    const QString addrA = net + "2", addrB = net + "3";
    if (!sim.start({"--udp-port", QString::number(UdpPort), "--tcp-port", QString::number(TcpPort),
                    "--device", model + ":addr=" + addrA, "--device", model + ":addr=" + addrB})) {
        std::fprintf(stderr, "bench_config: %s\n", qPrintable(sim.errorString()));
        return;
    }
    const QString a = sim.deviceAt(QHostAddress(addrA))->cpuid, b = sim.deviceAt(QHostAddress(addrB))->cpuid;
    const bool gw = model == QLatin1String("GW5");
    DeviceHub hub;
    if (!TestSupport::bringOnline(hub, {addrA, addrB}, {a, b}, UdpPort, DiscoveryPort, TcpPort) ||
        !DeviceChanges::change(hub, a)) {
        std::fprintf(stderr, "bench_config: %s devices not ready\n", qPrintable(model));
        return;
    }
    const QString key = QStringLiteral("config.") + model.toLower() + QLatin1Char('.');

    std::vector<double> simReadBack, rawRtt, hubRtt, backup, restore, ratio;
    std::vector<double> frames, steps;
    const QByteArray freeze = freezeOffFrame(gw);
    for (int i = 0; i < Rounds; ++i) {
        simReadBack.push_back(rawExchange(QHostAddress(addrA), {Interface::requestFrame(0xEF)}, 0xEF));
        for (int k = 0; k < 10; ++k) {
            rawRtt.push_back(rawExchange(QHostAddress(addrA), {freeze}, 0x10));
            hubRtt.push_back(hubRoundTrip(hub, a, freeze));
        }
    }
    // freeze off is one of A's settings now; put it back as the file will have it.
    DeviceChanges::change(hub, a);

    QTemporaryDir dir;
    ConfigDocument fileA, fileB;
    double ms = 0;
    for (int i = 0; i < Rounds; ++i)
        if (backUp(hub, a, dir.filePath("a.json"), &fileA, &ms))
            backup.push_back(ms);
    if (!backUp(hub, b, dir.filePath("b.json"), &fileB, &ms)) {
        std::fprintf(stderr, "bench_config: %s backup of B failed\n", qPrintable(model));
        return;
    }
    const double rtt = median(hubRtt);
    for (int i = 0; i < 2 * Rounds; ++i) {
        const ConfigDevice &file = (i % 2 == 0 ? fileA : fileB).devices.value(0);
        RestoreRunner runner(&hub);
        bool finished = false;
        QObject::connect(&runner, &RestoreRunner::finished, [&] { finished = true; });
        const int logStart = sim.log().size();
        QElapsedTimer t;
        t.start();
        runner.start(file, b);
        if (!SimProcess::waitFor([&] { return finished; }, 60000) ||
            runner.result().status != RestoreRunner::Status::Done) {
            std::fprintf(stderr, "bench_config: %s restore %d: %s\n", qPrintable(model), i,
                         qPrintable(runner.result().message));
            continue;
        }
        const double took = t.nsecsElapsed() / 1e6;
        SimProcess::waitFor([&] { return sim.countFrames(b, "rx", 0xEF, 0, logStart) >= 2; }, 5000);
        int sent = 0;
        for (const QJsonObject &o : sim.logFrom(logStart))
            sent += o.value("device").toString() == b && o.value("dir").toString() == "rx" &&
                    o.value("cmd").toInt() != 0xFF;
        restore.push_back(took);
        frames.push_back(sent);
        steps.push_back(runner.result().steps);
        ratio.push_back(took / (sent * rtt));
    }
    Bench::report(key + "sim_readback.ms", median(simReadBack), "ms");
    Bench::report(key + "rtt_raw.ms", median(rawRtt), "ms");
    Bench::report(key + "rtt_hub.ms", rtt, "ms");
    Bench::report(key + "backup.ms", median(backup), "ms");
    Bench::report(key + "backup_over_sim.ms", median(backup) - median(simReadBack), "ms");
    Bench::report(key + "restore.ms", median(restore), "ms");
    Bench::report(key + "restore.frames", median(frames), "frames");
    Bench::report(key + "restore.steps", median(steps), "steps");
    Bench::report(key + "restore_over_frames_rtt", median(ratio), "x");
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (SimProcess::binary().isEmpty()) {
        std::fprintf(stderr, "bench_config: VPSIM must name the vpsim binary\n");
        return 1;
    }
    measure(QStringLiteral("KS9200"), QStringLiteral("127.0.90."));
    measure(QStringLiteral("KX4200"), QStringLiteral("127.0.91."));
    measure(QStringLiteral("GW5"), QStringLiteral("127.0.92."));
    return 0;
}
