// Remote control end to end (curl, liblo, oscsend, oscdump against the servers, the hub and vpsim on loopback),
// then the hub's own transactions and reconnection against the same simulator.
#include "CommManager.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceHub.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "HubRemoteBackend.h"
#include "Log.h"
#include "OscServer.h"
#include "RecordBuilders.h"
#include "RemoteClients.h"
#include "RemoteControl.h"
#include "SimHub.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "RowData.h"
#include <QDir>
#include <QJsonArray>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>
namespace {
using RecordBuilders::hostFrame;
using RemoteClients::OscClient;
using TestSupport::waitUntil;

// In cpuid order, which is the tab order of a headless hub: Stage is 1, Hall 2, Foyer 3.
const QString Stage = QStringLiteral("0f6200000000000000000a02"); // KS9200
const QString Hall = QStringLiteral("0f6200000000000000000a03");  // GW5
const QString Foyer = QStringLiteral("0f6200000000000000000a04"); // KS9200 in a simulator of its own
const SimHub::Ports Ports{29789, 29790, 29713};
constexpr quint16 OscPort = 27800;
constexpr quint16 HttpPort = 27880;
constexpr quint16 DumpPort = 27810;

int threadCount() { return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); }
// Lines of the log that contain `text` and `more`.
int logged(const QString &text, const QString &more = QString())
{
    int n = 0;
    for (const LogLine &l : recentLogLines())
        n += l.text.contains(text) && l.text.contains(more);
    return n;
}
QJsonObject windowOf(const QJsonObject &device, int i) { return device.value("windows").toArray().at(i).toObject(); }
// The commands (not the read requests) a simulator received from line `from` of its log on.
QList<QByteArray> commandsSince(const SimProcess &sim, int from)
{
    QList<QByteArray> out;
    for (const QJsonObject &o : sim.logFrom(from)) {
        const int cmd = o.value("cmd").toInt();
        if (o.value("dir").toString() == "rx" && cmd >= 0x01 && cmd <= 0x20)
            out << QByteArray::fromHex(o.value("hex").toString().toLatin1());
    }
    return out;
}
} // namespace

class TstRemoteHub : public QObject
{
    Q_OBJECT
    SimProcess sim;   // Stage and Hall
    SimProcess foyer; // Foyer, lost on purpose
    std::unique_ptr<DeviceHub> hub;
    std::unique_ptr<HubRemoteBackend> backend;
    std::unique_ptr<RemoteControl> control;

    // The settings each test starts from, with `edit` applied.
    void start(const std::function<void(RemoteSettings &)> &edit = {})
    {
        RemoteSettings s;
        s.enabled = true, s.oscPort = OscPort, s.httpPort = HttpPort, s.commandTimeoutMs = 2000;
        if (edit)
            edit(s);
        QString error;
        QVERIFY2(control->apply(s, &error), qPrintable(error));
    }
    // The simulator writes its state file shortly after a change.
    bool simHas(const QString &cpuid, const std::function<bool(const QJsonObject &)> &holds)
    {
        return waitUntil([&] { return sim.refresh() && sim.device(cpuid) && holds(sim.device(cpuid)->state); }, 5000);
    }
    static RemoteClients::HttpReply post(const QString &path, const QByteArray &body, const QStringList &extra = {})
    {
        return RemoteClients::http(HttpPort, "POST", "/api/devices/" + path, body, extra);
    }
    // The same by a curl left running; it prints the status alone.
    static void startPost(QProcess &curl, const QString &path, const char *body)
    {
        curl.start("curl", {"-s", "-o", "/dev/null", "-w", "%{http_code}", "--max-time", "20", "-X", "POST", "--data",
                            body, QString("http://127.0.0.1:%1/api/devices/%2").arg(HttpPort).arg(path)});
    }
    QJsonObject state(const QString &device)
    {
        return RemoteClients::http(HttpPort, "GET", "/api/devices/" + device).json.value("device").toObject();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(SimProcess::binary()), "VPSIM must name the vpsim binary");
        QVERIFY2(sim.start(SimHub::simArgs(Ports, {"KS9200:addr=127.0.62.2,name=Stage,id=" + Stage,
                                                   "GW5:addr=127.0.62.3,name=Hall,id=" + Hall})),
                 qPrintable(sim.errorString()));
        const QStringList foyerArgs = SimHub::simArgs(Ports, {"KS9200:addr=127.0.62.4,name=Foyer,id=" + Foyer});
        QVERIFY2(foyer.start(foyerArgs + QStringList{"--reply-delay", "100"}), qPrintable(foyer.errorString()));
        hub = std::make_unique<DeviceHub>();
        QVERIFY(SimHub::bringOnline(*hub, Ports, {"127.0.62.2", "127.0.62.3", "127.0.62.4"}, {Stage, Hall, Foyer}));
        backend = std::make_unique<HubRemoteBackend>(hub.get());
        control = std::make_unique<RemoteControl>(backend.get());
    }
    void init() { start(); }
    void cleanupTestCase() { control.reset(), backend.reset(), hub.reset(), sim.stop(), foyer.stop(); }

    // Every command and bad input by curl, then by OSC ("-": not in it): the answer and the frames received.
    void command_data()
    {
        // address: after /api/devices/ or /vp/; status: HTTP
        columns<QString, QString, QString, int, QString, QList<QByteArray>>("address", "json", "osc", "status",
                                                                            "error", "frames");
        const auto row = [](const char *name, const QString &address, const char *json, const char *osc, int status,
                            const char *error, const QList<QByteArray> &frames) {
            QTest::newRow(name) << address << QString(json) << QString(osc) << status << QString(error) << frames;
        };
        row("load preset", "Stage/preset/load", R"({"preset":2})", "i:2", 200, "", {hostFrame(4, 1, {1})});
        row("save preset", "1/preset/save", R"({"preset":5})", "f:5", 200, "", {hostFrame(4, 2, {4})});
        row("load template", Stage + "/template/load", R"({"template":3})", "f:3", 200, "", {hostFrame(4, 0, {2})});
        row("switch input by name", "1/window/2/input", R"({"source":"hdmi3"})", "s:HDMI3", 200, "",
            {hostFrame(8, 0, {1, 34})});
        row("switch input by id", "1/window/1/input", R"({"source":17})", "i:17", 200, "", {hostFrame(8, 0, {0, 17})});
        row("geometry", "1/window/1/geometry", R"({"x":1920,"y":0,"width":1920,"height":1080})",
            "i:1920 i:0 i:1920 i:1080", 200, "", {hostFrame(3, 0, "00 8007 0000 8007 3804")});
        row("black screen", "1/blackscreen", R"({"on":true})", "T", 200, "", {hostFrame(0x13, 0, {1})});
        row("freeze", Stage + "/freeze", R"({"on":false})", "F", 200, "", {hostFrame(0x10, 0, {0})});
        row("frame sync", "1/window/2/framesync", R"({"on":1})", "i:1", 200, "", {hostFrame(6, 1, {1, 1, 1})});
        row("brightness", "1/brightness", R"({"value":60})", "i:60", 200, "", {hostFrame(1, 1, {255, 60})});
        row("window brightness", "1/window/1/brightness", R"({"value":40})", "i:40", 200, "",
            {hostFrame(1, 1, {0, 40})});
        row("test pattern", "1/testpattern", R"({"pattern":5})", "i:5", 200, "", {hostFrame(0x0B, 0, {5})});
        row("test pattern off", "1/testpattern/off", "", "", 200, "", {hostFrame(0x0B, 0, {255})});
        row("GW input", "Hall/window/2/input", R"({"source":"Input3"})", "s:Input3", 200, "",
            {hostFrame(8, 0, {1, 2})});
        row("GW load preset", "Hall/preset/load", R"({"preset":2})", "i:2", 200, "", {hostFrame(4, 1, {1})});
        row("GW black screen", "2/blackscreen", R"({"on":true})", "T", 200, "", {hostFrame(0x13, 0, {1})});
        row("GW frame sync", "2/window/1/framesync", R"({"on":true})", "T", 200, "", {hostFrame(6, 1, {0, 1, 1})});
        row("GW window brightness", "2/window/1/brightness", R"({"value":50})", "i:50", 200, "",
            {hostFrame(1, 1, {0, 50})});
        row("device refuses: empty preset", "1/preset/load", R"({"preset":9})", "i:9", 409, "device_refused",
            {hostFrame(4, 1, {8})});
        row("unknown device", "Balcony/freeze", R"({"on":true})", "T", 404, "unknown_device", {});
        row("window out of range", "1/window/5/input", R"({"source":"HDMI2"})", "s:HDMI2", 400, "invalid_argument", {});
        row("unknown source", "1/window/1/input", R"({"source":"SDI1"})", "s:SDI1", 400, "invalid_argument", {});
        row("preset out of range", "1/preset/load", R"({"preset":11})", "i:11", 400, "invalid_argument", {});
        row("missing argument", "1/window/1/geometry", R"({"x":0,"y":0,"width":640})", "i:0 i:0 i:640", 400,
            "bad_request", {});
        row("malformed JSON", "1/preset/load", R"({"preset":)", "-", 400, "bad_request", {});
        row("oversize body", "1/preset/load", QByteArray(70000, ' ').constData(), "-", 413, "payload_too_large", {});
        row("wrong argument type", "1/preset/load", "-", "s:3", 0, "bad_request", {});
        row("unknown address", "1/volume", "-", "i:3", 0, "not_found", {});
    }
    void command()
    {
        const auto [address, json, osc, status, error, frames] =
            fetch<QString, QString, QString, int, QString, QList<QByteArray>>("address", "json", "osc", "status",
                                                                              "error", "frames");
        for (const bool http : {true, false}) {
            if ((http ? json : osc) == "-")
                continue;
            const int mark = sim.log().size();
            QJsonObject answer;
            if (http) {
                const RemoteClients::HttpReply r = post(address, json.toUtf8());
                QVERIFY2(r.status == status, r.body.constData());
                answer = r.json;
            } else {
                OscClient client;
                client.send(OscPort, "/vp/" + address, osc);
                answer = client.reply("/vp/" + address);
                QVERIFY(!answer.isEmpty());
            }
            QCOMPARE(answer.value("error").toString(), error);
            QCOMPARE(answer.value("ok").toBool(), error.isEmpty());
            QCOMPARE(commandsSince(sim, mark), frames);
        }
    }

    // A GW window moved over the wall: its frame with the layer, a piece per output area, then its input again.
    void changesReachTheDevice()
    {
        const int mark = sim.log().size();
        QCOMPARE(post("Hall/window/1/geometry", R"({"x":960,"y":0,"width":1920,"height":1080})").status, 200);
        const QList<QByteArray> frames = commandsSince(sim, mark);
        const int window = frames.indexOf(hostFrame(0x03, 0x00, "00 c003 0000 8007 3804 01 00"));
        const int input = frames.indexOf(hostFrame(0x08, 0x00, {0, 0}));
        QVERIFY2(window >= 0 && input > window, qPrintable(QString::number(frames.size())));
        int pieces = 0;
        for (const QByteArray &f : frames.mid(window, input - window))
            pieces += f.mid(4, 2) == QByteArray::fromHex("0303");
        QCOMPARE(pieces, 2); // areas 0 and 1 each show a part of it
        QVERIFY(simHas(Hall, [](const QJsonObject &state) {
            return windowOf(state, 0).value("x").toInt() == 960 && windowOf(state, 0).value("width").toInt() == 1920;
        }));
        // What a change did shows in the state both protocols report, as the device holds it.
        QCOMPARE(post("Stage/window/3/input", R"({"source":"HDMI4"})").status, 200);
        QVERIFY(simHas(Stage, [](const QJsonObject &state) { return windowOf(state, 2).value("src").toInt() == 35; }));
        // The device is asked for its windows once it acknowledged; its answer follows shortly.
        QVERIFY(waitUntil([&] { return windowOf(state("Stage"), 2).value("input").toString() == "HDMI4"; }, 5000));
        OscClient client;
        client.send(OscPort, "/vp/devices");
        const QJsonArray devices = client.reply("/vp/devices").value("devices").toArray();
        QCOMPARE(devices.size(), 3);
        QCOMPARE(windowOf(devices.at(0).toObject(), 2).value("inputId").toInt(), 35);
        QCOMPARE(devices.at(1)["cpuid"].toString() + " " + devices.at(1)["family"].toString(), Hall + " GW");
        QCOMPARE(devices.at(2).toObject().value("name").toString(), "Foyer");
    }

    // A command is checked against the layout a load just brought, and during a read-back against the record
    // as it was, not an empty one (the Foyer answers 100 ms late).
    void slowOrSilentFoyer()
    {
        OscClient client;
        const auto answer = [&](const QString &path, const QString &args) {
            client.send(OscPort, path, args);
            return client.reply(path).value("error").toString();
        };
        QCOMPARE(answer("/vp/Foyer/template/load", "i:1"), QString()); // one window over the wall
        QCOMPARE(answer("/vp/Foyer/window/2/input", "s:HDMI1"), "invalid_argument");
        QCOMPARE(answer("/vp/Foyer/template/load", "i:3"), QString()); // four quarters
        QCOMPARE(answer("/vp/Foyer/window/4/input", "s:HDMI1"), QString());
        QVERIFY(hub->readBack(Foyer));
        QCOMPARE(answer("/vp/Foyer/window/4/input", "s:HDMI2"), QString());
        QVERIFY(!hub->isReadingBack(Foyer));
        // A device that does not answer in time: the client hears so; the frame was sent.
        const int mark = foyer.log().size();
        foyer.suspend();
        const RemoteClients::HttpReply r = post("Foyer/freeze", R"({"on":true})");
        foyer.resume();
        QCOMPARE(QString::number(r.status) + r.json.value("error").toString(), "504timeout");
        QVERIFY(waitUntil([&] { return commandsSince(foyer, mark) == QList<QByteArray>{hostFrame(0x10, 0, {1})}; }));
    }

    // oscdump, subscribed by oscsend, sees an input change and a preset loaded (not a refused load); the Foyer
    // killed under a waiting command: that one ends, oscdump sees it go offline, and the next is refused.
    void subscription()
    {
        QProcess dump;
        dump.start("oscdump", {"-L", QString::number(DumpPort)});
        QVERIFY(dump.waitForStarted(5000));
        QByteArray seen;
        const auto sees = [&](const QByteArray &text, int timeoutMs = 10000) {
            return waitUntil([&] { return (seen += dump.readAllStandardOutput()).contains(text); }, timeoutMs);
        };
        OscClient probe; // oscdump is listening once it shows what it is sent
        QVERIFY(waitUntil([&] { return probe.send(DumpPort, "/probe"), sees("/probe", 0); }, 10000));
        QProcess send;
        send.start("oscsend", {"127.0.0.1", QString::number(OscPort), "/subscribe", "i", QString::number(DumpPort)});
        QVERIFY(send.waitForFinished(10000));
        QVERIFY(waitUntil([&] { return control->oscServer()->subscriberCount() == 1; }, 10000));
        const bool onDvi2 = hub->ksRecord(Stage)->windows.at(1).param2 == 17;
        QCOMPARE(post("1/window/2/input", onDvi2 ? R"({"source":"HDMI1"})" : R"({"source":"DVI2"})").status, 200);
        QVERIFY(sees("/vp/" + Stage.toLatin1() +
                     (onDvi2 ? "/window/2/input si \"HDMI1\" 32" : "/window/2/input si \"DVI2\" 17")));
        QCOMPARE(post("1/preset/load", R"({"preset":10})").status, 409);
        QCOMPARE(post("1/preset/load", R"({"preset":1})").status, 200);
        QVERIFY(sees("/vp/" + Stage.toLatin1() + "/preset/loaded i 1"));
        QCOMPARE(seen.count("/preset/loaded"), 1);
        foyer.suspend();
        QProcess curl;
        startPost(curl, "Foyer/freeze", R"({"on":false})");
        QVERIFY(waitUntil([&] { return backend->isExecuting(Foyer); }, 10000));
        foyer.kill();
        QVERIFY(waitUntil([&] { return curl.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(curl.readAllStandardOutput(), QByteArray("503"));
        QVERIFY(sees("/vp/" + Foyer.toLatin1() + "/online i 0"));
        const RemoteClients::HttpReply r = post("Foyer/freeze", R"({"on":true})");
        QCOMPARE(QString::number(r.status) + r.json.value("error").toString(), "409device_offline");
        QCOMPARE(state("3").value("online").toBool(), false);
        dump.kill(), dump.waitForFinished(5000);
    }

    // With a token, no token, a wrong one and one not given as a bearer token are refused and logged.
    void accessRules()
    {
        start([](RemoteSettings &s) { s.token = "s3cret-token"; });
        const QList<QStringList> headers{{}, {"-H", "Authorization: Bearer s3cret-tokem"}, {"-u", "s3cret-token:"},
                                         {"-H", "Authorization: Bearer s3cret-token"}};
        for (const QStringList &header : headers) {
            const int status = header == headers.last() ? 200 : 401;
            const int before = logged("Remote control: refused");
            const int mark = sim.log().size();
            QCOMPARE(post("1/freeze", R"({"on":true})", header).status, status);
            QCOMPARE(commandsSince(sim, mark).size(), status == 200 ? 1 : 0);
            QVERIFY(waitUntil([&] { return logged("Remote control: refused") == before + (status != 200); }, 5000));
        }
        // With an allow-list only the senders on it are heard; others get no answer and send nothing.
        start([](RemoteSettings &s) { s.oscAllowList = QStringList{"127.0.0.2"}; });
        const int mark = sim.log().size();
        OscClient stranger(QHostAddress("127.0.0.3"));
        OscClient panel(QHostAddress("127.0.0.2"));
        stranger.send(OscPort, "/vp/1/freeze", "F");
        panel.send(OscPort, "/vp/1/blackscreen", "T");
        QCOMPARE(panel.reply("/vp/1/blackscreen").value("ok").toBool(), true);
        QCOMPARE(stranger.received.size(), 0);
        QCOMPARE(commandsSince(sim, mark), QList<QByteArray>{hostFrame(0x13, 0x00, {1})});
        QVERIFY(waitUntil([] { return logged("127.0.0.3", "not on the allow-list") == 1; }, 5000));
    }

    // Half-open and slow connections neither keep another client waiting nor stay for ever.
    void abusiveClients()
    {
        const int quiet = sim.log().size();
        QTcpSocket silent, slow;
        silent.connectToHost(QHostAddress::LocalHost, HttpPort);
        slow.connectToHost(QHostAddress::LocalHost, HttpPort);
        QVERIFY(silent.waitForConnected(5000) && slow.waitForConnected(5000));
        slow.write("POST /api/devices/1/freeze HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\n{\"on\"");
        slow.flush();
        QCOMPARE(RemoteClients::http(HttpPort, "GET", "/api/devices/1").status, 200);
        QVERIFY(waitUntil([&] { return silent.state() == silent.UnconnectedState && slow.state() == silent.state(); }));
        QVERIFY(commandsSince(sim, quiet).isEmpty());
        // Beyond its rate a client is refused without a frame; another client is not held back.
        start([](RemoteSettings &s) { s.commandsPerSecond = 3; });
        const int mark = sim.log().size();
        OscClient flood;
        for (int i = 0; i < 12; ++i)
            flood.send(OscPort, "/vp/1/freeze", "T");
        int ok = 0, limited = 0;
        for (int i = 0; i < 12; ++i) {
            const QJsonObject r = flood.reply("/vp/1/freeze");
            ok += r.value("ok").toBool(), limited += r.value("error").toString() == "rate_limited";
        }
        QCOMPARE(ok + limited, 12);
        QVERIFY(limited > 0);
        QCOMPARE(commandsSince(sim, mark).size(), ok);
        int httpLimited = 0;
        for (int i = 0; i < 8; ++i)
            httpLimited += post("1/freeze", R"({"on":true})").status == 429;
        QVERIFY(httpLimited > 0);
        QCOMPARE(post("1/freeze", R"({"on":true})", {"--interface", "127.0.0.2"}).status, 200);
        OscClient other(QHostAddress("127.0.0.2"));
        other.send(OscPort, "/vp/1/freeze", "T");
        QCOMPARE(other.reply("/vp/1/freeze").value("ok").toBool(), true);
    }
    // A lease not renewed ends: its subscriber hears nothing more, a renewing one still does.
    void leaseExpiry()
    {
        start([](RemoteSettings &s) { s.leaseMs = 300; });
        OscClient lapsed, renewing;
        lapsed.send(OscPort, "/subscribe");
        renewing.send(OscPort, "/subscribe");
        QCOMPARE(lapsed.reply("/subscribe").value("lease").toDouble(), 0.3);
        QVERIFY(!renewing.reply("/subscribe").isEmpty());
        const OscServer *server = control->oscServer();
        QVERIFY(waitUntil([&] { return renewing.send(OscPort, "/subscribe"), server->subscriberCount() == 1; }, 10000));
        renewing.send(OscPort, "/subscribe");
        QVERIFY(!renewing.reply("/subscribe").isEmpty());
        const bool onCv1 = hub->ksRecord(Stage)->windows.at(0).param2 == 48;
        renewing.send(OscPort, "/vp/1/window/1/input", onCv1 ? "s:CV2" : "s:CV1");
        OscClient::Message m;
        QVERIFY(renewing.take("/vp/" + Stage + "/window/1/input", &m));
        QCOMPARE(m.args.at(0).text, onCv1 ? "CV2" : "CV1");
        for (const OscClient::Message &r : lapsed.received)
            QVERIFY2(!r.path.startsWith("/vp/"), qPrintable(r.path));
    }

    // Stopping answers a request still waiting for the device and leaves no server thread.
    void stopLeavesNoThread()
    {
        control->stop();
        const int before = threadCount();
        start([](RemoteSettings &s) { s.commandTimeoutMs = 20000; });
        sim.suspend();
        QProcess curl;
        startPost(curl, "1/freeze", R"({"on":true})");
        QVERIFY(waitUntil([&] { return backend->isExecuting(Stage); }, 10000));
        control->stop();
        QVERIFY(waitUntil([&] { return curl.state() == QProcess::NotRunning; }, 10000));
        sim.resume();
        QCOMPARE(curl.readAllStandardOutput(), QByteArray("503"));
        QCOMPARE(threadCount(), before);
        QVERIFY(!control->isRunning());
    }
    // The hub on its own: a transaction ends as the device answered (or did not, or was not online).
    void transactEndsAsTheDeviceAnswers_data()
    {
        // frames sent, acknowledged, refused; -1: as many as the device received
        columns<QString, int, QList<int>>("action", "outcome", "frames");
        const int ack = int(HubResult::Acknowledged);
        using L = QList<int>;
        QTest::newRow("KS setting acknowledged") << "ks freeze" << ack << L{1, 1, 0};
        QTest::newRow("KS switch to a window it lacks") << "ks bad switch" << int(HubResult::Refused) << L{1, 0, 1};
        QTest::newRow("GW window move split over cards") << "gw move" << ack << L{-1, -1, 0};
        QTest::newRow("full read-back awaited") << "ks read all" << ack << L{1, 1, 0};
        QTest::newRow("read request counted, not awaited") << "ks read windows" << ack << L{1, 0, 0};
        QTest::newRow("device not online: nothing sent") << "unknown" << int(HubResult::NotOnline) << L{0, 0, 0};
        QTest::newRow("no answer in time") << "silent" << int(HubResult::TimedOut) << L{1, 0, 0};
        QTest::newRow("link ends first") << "silent closes" << int(HubResult::LinkLost) << L{1, 0, 0};
    }
    void transactEndsAsTheDeviceAnswers()
    {
        auto [action, outcome, frames] = fetch<QString, int, QList<int>>("action", "outcome", "frames");
        const QString silentId = QStringLiteral("0f6200000000000000000a09");
        // A peer that accepts the connection and never answers, registered as the device it claims.
        QTcpServer silent;
        QTcpSocket *peer = nullptr;
        if (action.startsWith("silent")) {
            QVERIFY(silent.listen(QHostAddress::LocalHost));
            const uint key = hub->commManager()->connectTcp(QHostAddress::LocalHost, silent.serverPort());
            QVERIFY(waitUntil([&] { return silent.hasPendingConnections(); }));
            peer = silent.nextPendingConnection();
            const QByteArray hello = QByteArray::fromHex("030000" + silentId.toLatin1() + "02") + "V1"; // a KS9200
            hub->registerAnnouncement(key, 0, hello + QByteArray(2, 0), QHostAddress::LocalHost, short(Ports.udp));
            QVERIFY(hub->isOnline(silentId));
        }
        const QString id = action.startsWith("gw") ? Hall
                           : action.startsWith("silent") ? silentId
                           : action == "unknown" ? QStringLiteral("ffffffffffffffffffffffff") : Stage;
        const int logStart = sim.log().size();
        bool ran = false;
        int windowsAtDone = -1;
        std::unique_ptr<HubResult> result;
        const auto act = [&] {
            ran = true;
            if (action == "ks freeze" || action.startsWith("silent"))
                hub->ksInterface(id)->setFreeze(1);
            else if (action == "ks bad switch")
                hub->write(id, KS9200Interface::switchInputFrame(15, 33));
            else if (action == "gw move")
                hub->gwInterface(id)->moveWindow(1, 1000, 100, 2000, 900, 1);
            else if (action == "ks read all")
                hub->ksRecord(id)->clearAllData(), hub->interfaceOf(id)->readAll();
            else if (action == "ks read windows")
                hub->interfaceOf(id)->readWindows();
        };
        hub->transact(id, act, action == "silent" ? 300 : 10000, [&](const HubResult &r) {
            result = std::make_unique<HubResult>(r);
            if (DEVICE_INFO_KS *rec = hub->ksRecord(id))
                windowsAtDone = rec->windows.size();
        });
        QVERIFY(!result); // never inside transact()
        QVERIFY(action != "silent closes" || waitUntil([&] { return peer->bytesAvailable() >= 23; }));
        if (action == "silent closes")
            peer->close();
        QVERIFY(waitUntil([&] { return bool(result); }));
        const int received = sim.countFrames(id, "rx", -1, -1, logStart);
        QCOMPARE(int(result->outcome), outcome);
        for (int &n : frames)
            n = n < 0 ? received : n;
        QCOMPARE((QList<int>{result->framesSent, result->framesAcknowledged, result->framesRefused}), frames);
        QVERIFY(!result->message.isEmpty());
        QCOMPARE(ran, outcome != int(HubResult::NotOnline));
        if (action == "gw move")
            QVERIFY2(received >= 2, qPrintable(QString::number(received)));
        if (action == "ks read all") {
            // Done after the end of the read-back: everything before it is stored.
            QVERIFY(sim.refresh());
            QCOMPARE(windowsAtDone, sim.device(Stage)->state.value("windows").toArray().size());
        }
    }
    // A device killed and started again keeps its record and interface, is read back, the loss reported once.
    void returningDeviceKeepsItsRecord()
    {
        const QString id = QStringLiteral("0f6200000000000000000a05");
        const QStringList args =
            SimHub::simArgs(Ports, {"KS9200:addr=127.0.62.5,id=" + id}) + QStringList{"--heartbeat-ms", "200"};
        SimProcess own;
        QVERIFY2(own.start(args), qPrintable(own.errorString()));
        DeviceHub h;
        h.setRetryIntervals(100, 400);
        QVERIFY(SimHub::bringOnline(h, Ports, {"127.0.62.5"}, {id}));
        INFO_BASIC *record = h.record(id);
        Interface *iface = h.interfaceOf(id);
        QSignalSpy lost(&h, &DeviceHub::connectionLost);
        QSignalSpy finished(&h, &DeviceHub::readBackFinished);
        own.kill();
        QVERIFY(waitUntil([&] { return h.linkState(id) == DeviceHub::Link::Reconnecting; }));
        QVERIFY(h.linkLostAt(id).isValid());
        QCOMPARE(h.write(id, Interface::requestFrame(0xE2)), -1);
        QVERIFY(own.start(args));
        QVERIFY(waitUntil([&] { return h.isOnline(id) && finished.count() == 1; }));
        QCOMPARE(h.record(id), record);
        QCOMPARE(h.interfaceOf(id), iface);
        QCOMPARE(lost.count(), 1);
        QVERIFY(own.refresh());
        QCOMPARE(h.ksRecord(id)->windows.size(), own.device(id)->state.value("windows").toArray().size());
        QVERIFY(!h.linkLostAt(id).isValid());
    }
};

QTEST_GUILESS_MAIN(TstRemoteHub)
#include "tst_remote_hub.moc"
