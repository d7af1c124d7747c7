// Remote-control figures over loopback: command to frame (the frame leaving the device's protocol
// interface) for OSC and HTTP, p50 and p99 over 1000 commands each; 500 commands per second for
// 10 s per protocol with every command counted in the frames (none lost, none doubled); and the
// longest stall of the Qt event loop meanwhile. The devices are the test backend's records, so the
// figures are those of the remote-control layer; the hub and the link come on top.
#include "BenchHarness.h"
#include "RemoteClients.h"
#include "RemoteControl.h"
#include "RemoteTestBackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <httplib.h>

#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {
const QString Cpuid = QStringLiteral("0102030405060708090a0b0c");
constexpr quint16 OscPort = 47900;
constexpr quint16 HttpPort = 47980;
constexpr int LatencyCommands = 1000;
constexpr int LoadSeconds = 10;
constexpr int LoadPerSecond = 500;

QElapsedTimer benchClock;

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

// Command k of a load run moves window 1 to a place that names k.
QPoint placeOf(int k)
{
    return QPoint(k % 3000, (k / 3000) * 100);
}

// Runs the event loop until `done`, and reports the longest gap between 1 ms ticks meanwhile.
double runLoop(const std::atomic<bool> &done)
{
    qint64 last = benchClock.nsecsElapsed(), worst = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = benchClock.nsecsElapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    tick.start(1);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return worst / 1e6;
}

void sendOsc(int fd, const QString &path, const QString &spec)
{
    lo_message m = RemoteClients::oscMessage(spec);
    size_t size = 0;
    void *data = lo_message_serialise(m, path.toUtf8().constData(), nullptr, &size);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(OscPort);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::sendto(fd, data, size, 0, reinterpret_cast<sockaddr *>(&to), sizeof(to));
    free(data);
    lo_message_free(m);
}

// One command per step from another thread; `step` sends command k.
void paced(int count, int perSecond, const std::function<void(int)> &step)
{
    const qint64 start = benchClock.nsecsElapsed();
    for (int k = 0; k < count; ++k) {
        const qint64 due = start + qint64(k) * 1000000000 / perSecond;
        while (benchClock.nsecsElapsed() < due)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        step(k);
    }
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchClock.start();
    RemoteTestBackend backend;
    backend.addDevice(RemoteTestBackend::ksRecord(Cpuid, 3, "Stage", 2, {32, 16}));
    std::vector<qint64> frameAt;
    QObject::connect(backend.interfaceOf(Cpuid), &Interface::emitSendData,
                     [&](const QByteArray &) { frameAt.push_back(benchClock.nsecsElapsed()); });
    RemoteControl control(&backend);
    RemoteSettings s;
    s.enabled = true;
    s.oscPort = OscPort;
    s.httpPort = HttpPort;
    s.commandsPerSecond = 2000; // one sender carries the whole load here
    QString error;
    if (!control.apply(s, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    // Latency, OSC: one command at a time, from send to frame.
    {
        std::vector<double> ms;
        RemoteClients::OscClient client;
        for (int i = 0; i < LatencyCommands; ++i) {
            frameAt.clear();
            const qint64 t0 = benchClock.nsecsElapsed();
            client.send(OscPort, QStringLiteral("/vp/1/freeze"), i % 2 ? "T" : "F");
            client.reply(QStringLiteral("/vp/1/freeze"));
            if (!frameAt.empty())
                ms.push_back((frameAt.front() - t0) / 1e6);
        }
        Bench::report("remote.osc.command_to_frame.p50.ms", percentile(ms, 0.50), "ms");
        Bench::report("remote.osc.command_to_frame.p99.ms", percentile(ms, 0.99), "ms");
    }
    // Latency, HTTP: a keep-alive client on its own thread.
    {
        std::vector<qint64> sentAt;
        std::atomic<bool> done{false};
        std::vector<qint64> frames;
        const QMetaObject::Connection watch =
            QObject::connect(backend.interfaceOf(Cpuid), &Interface::emitSendData,
                             [&](const QByteArray &) { frames.push_back(benchClock.nsecsElapsed()); });
        std::thread client([&] {
            httplib::Client c("127.0.0.1", HttpPort);
            c.set_keep_alive(true);
            c.set_tcp_nodelay(true);
            for (int i = 0; i < LatencyCommands; ++i) {
                sentAt.push_back(benchClock.nsecsElapsed());
                c.Post("/api/devices/1/freeze", i % 2 ? R"({"on":true})" : R"({"on":false})",
                       "application/json");
            }
            done = true;
        });
        runLoop(done);
        client.join();
        QObject::disconnect(watch);
        std::vector<double> ms;
        const size_t base = frames.size() >= sentAt.size() ? frames.size() - sentAt.size() : 0;
        for (size_t i = 0; i < sentAt.size() && base + i < frames.size(); ++i)
            ms.push_back((frames[base + i] - sentAt[i]) / 1e6);
        Bench::report("remote.http.command_to_frame.p50.ms", percentile(ms, 0.50), "ms");
        Bench::report("remote.http.command_to_frame.p99.ms", percentile(ms, 0.99), "ms");
    }

    // Load: 500 commands per second for 10 s per protocol; each command names itself.
    const int count = LoadSeconds * LoadPerSecond;
    const auto check = [&](const char *name, double stallMs, int answered) {
        QVector<int> seen(count, 0);
        for (const QByteArray &f : backend.frames) {
            if (f.size() != 23 || uchar(f.at(4)) != 0x03)
                continue;
            const int x = uchar(f.at(7)) | uchar(f.at(8)) << 8, y = uchar(f.at(9)) | uchar(f.at(10)) << 8;
            const int k = (y / 100) * 3000 + x;
            if (k >= 0 && k < count)
                ++seen[k];
        }
        Bench::report(QStringLiteral("remote.%1.load_500_per_s.lost").arg(name), seen.count(0), "commands");
        Bench::report(QStringLiteral("remote.%1.load_500_per_s.doubled").arg(name),
                      count - seen.count(0) - seen.count(1), "commands");
        Bench::report(QStringLiteral("remote.%1.load_500_per_s.answered").arg(name), answered, "commands");
        Bench::report(QStringLiteral("remote.%1.load_500_per_s.max_loop_stall.ms").arg(name), stallMs, "ms");
    };
    {
        backend.frames.clear();
        std::atomic<bool> done{false};
        std::atomic<int> answered{0};
        std::thread sender([&] {
            const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
            timeval wait{0, 1000};
            ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof(wait));
            char buffer[2048];
            const auto drain = [&] {
                ssize_t n = 0;
                while ((n = ::recv(fd, buffer, sizeof(buffer), MSG_DONTWAIT)) > 0)
                    answered += QByteArray::fromRawData(buffer, int(n)).contains("\"ok\":true");
            };
            paced(count, LoadPerSecond, [&](int k) {
                const QPoint p = placeOf(k);
                sendOsc(fd, "/vp/1/window/1/geometry",
                        QStringLiteral("i:%1 i:%2 i:64 i:64").arg(p.x()).arg(p.y()));
                drain();
            });
            const qint64 end = benchClock.nsecsElapsed() + 2000000000LL;
            while (answered < count && benchClock.nsecsElapsed() < end) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                drain();
            }
            ::close(fd);
            done = true;
        });
        const double stall = runLoop(done);
        sender.join();
        check("osc", stall, answered);
    }
    {
        backend.frames.clear();
        std::atomic<bool> done{false};
        std::atomic<int> answered{0};
        std::thread sender([&] {
            httplib::Client c("127.0.0.1", HttpPort);
            c.set_keep_alive(true);
            c.set_tcp_nodelay(true);
            paced(count, LoadPerSecond, [&](int k) {
                const QPoint p = placeOf(k);
                const std::string body = QStringLiteral(R"({"x":%1,"y":%2,"width":64,"height":64})")
                                             .arg(p.x())
                                             .arg(p.y())
                                             .toStdString();
                auto r = c.Post("/api/devices/1/window/1/geometry", body, "application/json");
                answered += r && r->status == 200;
            });
            done = true;
        });
        const double stall = runLoop(done);
        sender.join();
        check("http", stall, answered);
    }
    control.stop();
    return 0;
}
