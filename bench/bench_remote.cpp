// Remote-control figures on the wire: the OSC and HTTP servers run each command through the device
// hub and a real TCP link to a vpsim KS9200, as vpcontrol and `vpctl serve` do.
// - Command to frame: from the client's send to the frame arriving in vpsim (the simulator's frame
//   log stamps each received frame with the wall clock in microseconds; the client stamps its send
//   with the same clock), one command at a time, p50 and p99 over 1000 per protocol. Also command
//   to answer: until the client has the reply, which comes after the device's acknowledgement.
// - Load: 500 commands per second for 10 s per protocol, each naming itself in the window position
//   it sets, so every frame in vpsim's log is matched to its command (none lost, none doubled).
// - The longest stall of the serving process's Qt event loop meanwhile (gaps between 1 ms ticks).
// Clients run on threads of their own so that the Qt thread only serves.
#include "BenchHarness.h"
#include "DeviceHub.h"
#include "HubRemoteBackend.h"
#include "RemoteClients.h"
#include "RemoteControl.h"
#include "SimHub.h"
#include "SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonObject>
#include <QTimer>

#include <httplib.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {
const QString Cpuid = QStringLiteral("0f6300000000000000000a02");
const SimHub::Ports Ports{29689, 29690, 29613};
constexpr quint16 OscPort = 47900;
constexpr quint16 HttpPort = 47980;
constexpr int LatencyCommands = 1000;
constexpr int LoadSeconds = 10;
constexpr int LoadPerSecond = 500;

qint64 nowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

// Command k of a load run moves window 1 to a place that names k (inside the 3840 x 1080 wall).
QPoint placeOf(int k)
{
    return QPoint(k % 3000, (k / 3000) * 100);
}

// Runs the event loop until `done`, and reports the longest gap between 1 ms ticks meanwhile.
double runLoop(const std::atomic<bool> &done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed(), worst = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    tick.start(1);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return worst / 1e6;
}

// A UDP socket on loopback that sends liblo messages to the OSC server and reads its replies.
class OscSocket
{
public:
    OscSocket()
    {
        fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        timeval wait{5, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof(wait));
    }
    ~OscSocket() { ::close(fd); }
    void send(const QString &path, const QString &spec)
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
    // Waits for one reply (flags 0) or takes what is there (MSG_DONTWAIT); -1 when none.
    int receive(int flags, bool *ok)
    {
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), flags);
        if (n > 0)
            *ok = QByteArray::fromRawData(buffer, int(n)).contains("\"ok\":true");
        return int(n);
    }

private:
    int fd = -1;
    char buffer[2048];
};

// One command per step; step k is due k / perSecond seconds after the start.
void paced(int count, int perSecond, const std::function<void(int)> &step)
{
    const qint64 start = nowUs();
    for (int k = 0; k < count; ++k) {
        const qint64 due = start + qint64(k) * 1000000 / perSecond;
        while (nowUs() < due)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        step(k);
    }
}

// The "us" stamps of the frames vpsim received with this command from log line `from` on.
std::vector<qint64> arrivals(const SimProcess &sim, int from, int cmd)
{
    std::vector<qint64> out;
    for (const QJsonObject &o : sim.logFrom(from)) {
        if (o.value("dir").toString() == "rx" && o.value("cmd").toInt() == cmd)
            out.push_back(qint64(o.value("us").toDouble()));
    }
    return out;
}

// One command at a time from `client` (which sends command i and waits for its answer), on a
// thread of its own while this thread serves; reports command to frame and command to answer.
void latency(const char *name, SimProcess &sim, const std::function<void(int)> &client)
{
    const int mark = sim.log().size();
    std::vector<qint64> sentUs, answeredUs;
    std::atomic<bool> done{false};
    std::thread t([&] {
        for (int i = 0; i < LatencyCommands; ++i) {
            sentUs.push_back(nowUs());
            client(i);
            answeredUs.push_back(nowUs());
        }
        done = true;
    });
    runLoop(done);
    t.join();
    const std::vector<qint64> frames = arrivals(sim, mark, 0x10);
    std::vector<double> toFrame, toAnswer;
    for (size_t i = 0; i < sentUs.size(); ++i) {
        toAnswer.push_back((answeredUs[i] - sentUs[i]) / 1e3);
        if (i < frames.size())
            toFrame.push_back((frames[i] - sentUs[i]) / 1e3);
    }
    if (frames.size() != sentUs.size())
        std::fprintf(stderr, "bench_remote: %s: %zu frames for %zu commands\n", name, frames.size(),
                     sentUs.size());
    Bench::report(QStringLiteral("remote.%1.command_to_frame.p50.ms").arg(name), percentile(toFrame, 0.50),
                  "ms");
    Bench::report(QStringLiteral("remote.%1.command_to_frame.p99.ms").arg(name), percentile(toFrame, 0.99),
                  "ms");
    Bench::report(QStringLiteral("remote.%1.command_to_answer.p50.ms").arg(name), percentile(toAnswer, 0.50),
                  "ms");
    Bench::report(QStringLiteral("remote.%1.command_to_answer.p99.ms").arg(name), percentile(toAnswer, 0.99),
                  "ms");
}

// 500 window moves per second for 10 s from `sender` (which sends move k and adds the ok answers
// it has to `answered`); counts each command's frames in vpsim's log.
void load(const char *name, SimProcess &sim, const std::function<void(std::atomic<int> &)> &sender)
{
    const int count = LoadSeconds * LoadPerSecond;
    const int mark = sim.log().size();
    std::atomic<bool> done{false};
    std::atomic<int> answered{0};
    std::thread t([&] {
        sender(answered);
        done = true;
    });
    const double stallMs = runLoop(done);
    t.join();
    // The last answers came after their frames: everything is in the log now.
    QVector<int> seen(count, 0);
    for (const QJsonObject &o : sim.logFrom(mark)) {
        if (o.value("dir").toString() != "rx" || o.value("cmd").toInt() != 0x03)
            continue;
        const QByteArray f = QByteArray::fromHex(o.value("hex").toString().toLatin1());
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
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SimProcess sim;
    if (!sim.start(SimHub::simArgs(Ports, {"KS9200:addr=127.0.63.2,name=Stage,id=" + Cpuid}))) {
        std::fprintf(stderr, "bench_remote: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    DeviceHub hub;
    if (!SimHub::bringOnline(hub, Ports, {"127.0.63.2"}, {Cpuid})) {
        std::fprintf(stderr, "bench_remote: the simulated device did not come online\n");
        return 1;
    }
    HubRemoteBackend backend(&hub);
    RemoteControl control(&backend);
    RemoteSettings s;
    s.enabled = true;
    s.oscPort = OscPort;
    s.httpPort = HttpPort;
    s.commandsPerSecond = 2000; // one sender carries the whole load here
    QString error;
    if (!control.apply(s, &error)) {
        std::fprintf(stderr, "bench_remote: %s\n", qPrintable(error));
        return 1;
    }

    {
        OscSocket osc;
        latency("osc", sim, [&](int i) {
            osc.send(QStringLiteral("/vp/1/freeze"), i % 2 ? "T" : "F");
            bool ok = false;
            osc.receive(0, &ok);
        });
    }
    {
        httplib::Client http("127.0.0.1", HttpPort);
        http.set_keep_alive(true);
        http.set_tcp_nodelay(true);
        latency("http", sim, [&](int i) {
            http.Post("/api/devices/1/freeze", i % 2 ? R"({"on":true})" : R"({"on":false})",
                      "application/json");
        });
    }

    const int count = LoadSeconds * LoadPerSecond;
    load("osc", sim, [&](std::atomic<int> &answered) {
        OscSocket osc;
        const auto drain = [&] {
            bool ok = false;
            while (osc.receive(MSG_DONTWAIT, &ok) > 0)
                answered += ok;
        };
        paced(count, LoadPerSecond, [&](int k) {
            const QPoint p = placeOf(k);
            osc.send("/vp/1/window/1/geometry", QStringLiteral("i:%1 i:%2 i:64 i:64").arg(p.x()).arg(p.y()));
            drain();
        });
        const qint64 end = nowUs() + 5000000;
        while (answered < count && nowUs() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            drain();
        }
    });
    load("http", sim, [&](std::atomic<int> &answered) {
        httplib::Client http("127.0.0.1", HttpPort);
        http.set_keep_alive(true);
        http.set_tcp_nodelay(true);
        paced(count, LoadPerSecond, [&](int k) {
            const QPoint p = placeOf(k);
            const std::string body = QStringLiteral(R"({"x":%1,"y":%2,"width":64,"height":64})")
                                         .arg(p.x())
                                         .arg(p.y())
                                         .toStdString();
            auto r = http.Post("/api/devices/1/window/1/geometry", body, "application/json");
            answered += r && r->status == 200;
        });
    });
    control.stop();
    sim.stop();
    return 0;
}
