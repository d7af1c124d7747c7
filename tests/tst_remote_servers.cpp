// The remote-control servers with real clients (curl; liblo messages from UDP sockets; oscsend and
// oscdump) over loopback, in the private network namespace the suite runs in. The backend is the
// test backend over records; every frame it was given is compared.
#include "HttpServer.h"
#include "Log.h"
#include "OscServer.h"
#include "RecordBuilders.h"
#include "RemoteClients.h"
#include "RemoteControl.h"
#include "RemoteTestBackend.h"
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTcpSocket>
#include <QtTest>

namespace {
using RecordBuilders::hostFrame;
using RemoteClients::OscClient;
using TestSupport::waitUntil;

const QString Stage = QStringLiteral("0102030405060708090a0b0c");
const QString Hall = QStringLiteral("a1a2a3a4a5a6a7a8a9aaabac");
constexpr quint16 OscPort = 47800;
constexpr quint16 HttpPort = 47880;
constexpr quint16 DumpPort = 47810;

int threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

int refusalsLogged()
{
    int n = 0;
    for (const LogLine &l : recentLogLines())
        n += l.text.startsWith(QLatin1String("Remote control: refused"));
    return n;
}
} // namespace

class TstRemoteServers : public QObject
{
    Q_OBJECT
    RemoteTestBackend *backend = nullptr;
    RemoteControl *control = nullptr;

    RemoteSettings settings() const
    {
        RemoteSettings s;
        s.enabled = true;
        s.oscPort = OscPort;
        s.httpPort = HttpPort;
        s.commandTimeoutMs = 500;
        return s;
    }
    void start(const RemoteSettings &s)
    {
        QString error;
        QVERIFY2(control->apply(s, &error), qPrintable(error));
    }

private slots:
    void init()
    {
        backend = new RemoteTestBackend;
        backend->addDevice(RemoteTestBackend::ksRecord(Stage, 3, "Stage", 2, {32, 16}, {0}));
        backend->addDevice(RemoteTestBackend::gwRecord(Hall, "Hall", 1, 1, {0, 1}));
        backend->addDevice(RemoteTestBackend::ksRecord("ffeeddccbbaa998877665544", 0, "Foyer", 1, {0}),
                           false);
        control = new RemoteControl(backend);
        start(settings());
    }
    void cleanup()
    {
        delete control;
        delete backend;
    }

    // Every command and every kind of bad input over HTTP: the answer, and the frames sent.
    void http_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QList<QByteArray>>("frames");
        const int ok = RemoteTestBackend::AnswerOk;
        using F = QList<QByteArray>;
        QTest::newRow("load preset") << "/api/devices/Stage/preset/load" << QByteArray(R"({"preset":3})")
                                     << ok << 200 << "" << F{hostFrame(0x04, 0x01, {2})};
        QTest::newRow("save preset") << "/api/devices/1/preset/save" << QByteArray(R"({"preset":1})") << ok
                                     << 200 << "" << F{hostFrame(0x04, 0x02, {0})};
        QTest::newRow("load template") << "/api/devices/1/template/load" << QByteArray(R"({"template":2})")
                                       << ok << 200 << "" << F{hostFrame(0x04, 0x00, {1})};
        QTest::newRow("switch input")
            << "/api/devices/" + Stage + "/window/2/input" << QByteArray(R"({"source":"HDMI2"})") << ok << 200
            << "" << F{hostFrame(0x08, 0x00, {1, 33})};
        QTest::newRow("geometry") << "/api/devices/1/window/1/geometry"
                                  << QByteArray(R"({"x":1920,"y":0,"width":1920,"height":1080})") << ok << 200
                                  << "" << F{hostFrame(0x03, 0x00, "00 8007 0000 8007 3804")};
        QTest::newRow("black screen") << "/api/devices/1/blackscreen" << QByteArray(R"({"on":true})") << ok
                                      << 200 << "" << F{hostFrame(0x13, 0x00, {1})};
        QTest::newRow("freeze") << "/api/devices/1/freeze" << QByteArray(R"({"on":false})") << ok << 200 << ""
                                << F{hostFrame(0x10, 0x00, {0})};
        QTest::newRow("frame sync") << "/api/devices/1/window/2/framesync" << QByteArray(R"({"on":1})") << ok
                                    << 200 << "" << F{hostFrame(0x06, 0x01, {1, 1, 1})};
        QTest::newRow("brightness") << "/api/devices/1/brightness" << QByteArray(R"({"value":60})") << ok
                                    << 200 << "" << F{hostFrame(0x01, 0x01, {255, 60})};
        QTest::newRow("window brightness")
            << "/api/devices/2/window/1/brightness" << QByteArray(R"({"value":40})") << ok << 200 << ""
            << F{hostFrame(0x01, 0x01, {0, 40})};
        QTest::newRow("test pattern") << "/api/devices/1/testpattern" << QByteArray(R"({"pattern":5})") << ok
                                      << 200 << "" << F{hostFrame(0x0B, 0x00, {5})};
        QTest::newRow("test pattern off") << "/api/devices/1/testpattern/off" << QByteArray() << ok << 200
                                          << "" << F{hostFrame(0x0B, 0x00, {255})};
        QTest::newRow("GW input") << "/api/devices/Hall/window/2/input"
                                  << QByteArray(R"({"source":"Input1"})") << ok << 200 << ""
                                  << F{hostFrame(0x08, 0x00, {1, 0})};

        QTest::newRow("device refuses")
            << "/api/devices/1/window/2/input" << QByteArray(R"({"source":"HDMI2"})")
            << int(RemoteTestBackend::AnswerRefused) << 409 << "device_refused"
            << F{hostFrame(0x08, 0x00, {1, 33})};
        QTest::newRow("device silent")
            << "/api/devices/1/freeze" << QByteArray(R"({"on":true})") << int(RemoteTestBackend::AnswerNever)
            << 504 << "timeout" << F{hostFrame(0x10, 0x00, {1})};
        QTest::newRow("link lost") << "/api/devices/1/freeze" << QByteArray(R"({"on":true})")
                                   << int(RemoteTestBackend::AnswerLinkLost) << 503 << "link_lost"
                                   << F{hostFrame(0x10, 0x00, {1})};
        QTest::newRow("unknown device") << "/api/devices/Balcony/freeze" << QByteArray(R"({"on":true})") << ok
                                        << 404 << "unknown_device" << F{};
        QTest::newRow("offline device") << "/api/devices/Foyer/freeze" << QByteArray(R"({"on":true})") << ok
                                        << 409 << "device_offline" << F{};
        QTest::newRow("window out of range")
            << "/api/devices/1/window/3/input" << QByteArray(R"({"source":"HDMI2"})") << ok << 400
            << "invalid_argument" << F{};
        QTest::newRow("unknown source")
            << "/api/devices/1/window/1/input" << QByteArray(R"({"source":"SDI1"})") << ok << 400
            << "invalid_argument" << F{};
        QTest::newRow("preset out of range") << "/api/devices/1/preset/load" << QByteArray(R"({"preset":11})")
                                             << ok << 400 << "invalid_argument" << F{};
        QTest::newRow("malformed JSON") << "/api/devices/1/preset/load" << QByteArray(R"({"preset":)") << ok
                                        << 400 << "bad_request" << F{};
        QTest::newRow("oversize body") << "/api/devices/1/preset/load" << QByteArray(70000, ' ') << ok << 413
                                       << "payload_too_large" << F{};
    }
    void http()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        QFETCH(int, answer);
        QFETCH(int, status);
        QFETCH(QString, error);
        QFETCH(QList<QByteArray>, frames);
        backend->setAnswer(RemoteTestBackend::Answer(answer));
        const RemoteClients::HttpReply r = RemoteClients::http(HttpPort, "POST", path, body);
        QVERIFY2(r.status == status, r.body.constData());
        QCOMPARE(r.json.value("ok").toBool(), error.isEmpty());
        QCOMPARE(r.json.value("error").toString(), error);
        QCOMPARE(backend->frames, frames);
    }

    // The same over OSC, including arguments of the wrong type: the reply, and the frames sent.
    void osc_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QList<QByteArray>>("frames");
        const int ok = RemoteTestBackend::AnswerOk;
        using F = QList<QByteArray>;
        QTest::newRow("load preset") << "/vp/Stage/preset/load"
                                     << "i:3" << ok << "" << F{hostFrame(0x04, 0x01, {2})};
        QTest::newRow("save preset") << "/vp/1/preset/save"
                                     << "f:2" << ok << "" << F{hostFrame(0x04, 0x02, {1})};
        QTest::newRow("load template") << "/vp/1/template/load"
                                       << "i:1" << ok << "" << F{hostFrame(0x04, 0x00, {0})};
        QTest::newRow("switch input by id") << "/vp/1/window/1/input"
                                            << "i:34" << ok << "" << F{hostFrame(0x08, 0x00, {0, 34})};
        QTest::newRow("geometry") << "/vp/1/window/2/geometry"
                                  << "i:0 i:0 i:3840 i:1080" << ok << ""
                                  << F{hostFrame(0x03, 0x00, "01 0000 0000 000f 3804")};
        QTest::newRow("black screen") << "/vp/1/blackscreen"
                                      << "F" << ok << "" << F{hostFrame(0x13, 0x00, {0})};
        QTest::newRow("freeze") << "/vp/Hall/freeze"
                                << "T" << ok << "" << F{hostFrame(0x10, 0x00, {1})};
        QTest::newRow("frame sync") << "/vp/1/window/1/framesync"
                                    << "i:0" << ok << "" << F{hostFrame(0x06, 0x01, {0, 0, 1})};
        QTest::newRow("brightness") << "/vp/1/window/2/brightness"
                                    << "i:70" << ok << "" << F{hostFrame(0x01, 0x01, {1, 70})};
        QTest::newRow("test pattern") << "/vp/1/testpattern"
                                      << "i:60" << ok << "" << F{hostFrame(0x0B, 0x00, {60})};
        QTest::newRow("test pattern off") << "/vp/1/testpattern/off"
                                          << "" << ok << "" << F{hostFrame(0x0B, 0x00, {255})};
        QTest::newRow("device silent")
            << "/vp/1/freeze"
            << "T" << int(RemoteTestBackend::AnswerNever) << "timeout" << F{hostFrame(0x10, 0x00, {1})};
        QTest::newRow("wrong argument type") << "/vp/1/preset/load"
                                             << "s:3" << ok << "bad_request" << F{};
        QTest::newRow("missing argument") << "/vp/1/window/1/geometry"
                                          << "i:0 i:0 i:640" << ok << "bad_request" << F{};
        QTest::newRow("unknown device") << "/vp/9/freeze"
                                        << "T" << ok << "unknown_device" << F{};
        QTest::newRow("window out of range") << "/vp/1/window/3/framesync"
                                             << "T" << ok << "invalid_argument" << F{};
        QTest::newRow("unknown source") << "/vp/1/window/1/input"
                                        << "s:DP1" << ok << "invalid_argument" << F{};
        QTest::newRow("preset out of range") << "/vp/1/preset/load"
                                             << "i:0" << ok << "invalid_argument" << F{};
        QTest::newRow("unknown address") << "/vp/1/volume"
                                         << "i:3" << ok << "not_found" << F{};
    }
    void osc()
    {
        QFETCH(QString, path);
        QFETCH(QString, args);
        QFETCH(int, answer);
        QFETCH(QString, error);
        QFETCH(QList<QByteArray>, frames);
        backend->setAnswer(RemoteTestBackend::Answer(answer));
        OscClient client;
        client.send(OscPort, path, args);
        const QJsonObject reply = client.reply(path);
        QVERIFY(!reply.isEmpty());
        QCOMPARE(reply.value("ok").toBool(), error.isEmpty());
        QCOMPARE(reply.value("error").toString(), error);
        QCOMPARE(backend->frames, frames);
    }

    // What a change did shows in the state both protocols report.
    void stateAfterChange()
    {
        QCOMPARE(RemoteClients::http(HttpPort, "POST", "/api/devices/Stage/window/2/input",
                                     R"({"source":"HDMI3"})")
                     .status,
                 200);
        const QJsonObject device =
            RemoteClients::http(HttpPort, "GET", "/api/devices/Stage").json.value("device").toObject();
        QCOMPARE(device.value("windows").toArray().at(1).toObject().value("input").toString(), "HDMI3");
        QCOMPARE(device.value("presets").toArray(), QJsonArray{1});
        OscClient client;
        client.send(OscPort, "/vp/devices");
        const QJsonArray devices = client.reply("/vp/devices").value("devices").toArray();
        QCOMPARE(devices.size(), 3);
        QCOMPARE(
            devices.at(0).toObject().value("windows").toArray().at(1).toObject().value("inputId").toInt(),
            34);
        QCOMPARE(devices.at(2).toObject().value("online").toBool(), false);
    }

    void httpToken_data()
    {
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<int>("status");
        QTest::newRow("no token") << QStringList() << 401;
        QTest::newRow("wrong token") << QStringList{"-H", "Authorization: Bearer s3cret-tokem"} << 401;
        QTest::newRow("not a bearer token") << QStringList{"-u", "s3cret-token:"} << 401;
        QTest::newRow("right token") << QStringList{"-H", "Authorization: Bearer s3cret-token"} << 200;
    }
    void httpToken()
    {
        QFETCH(QStringList, header);
        QFETCH(int, status);
        RemoteSettings s = settings();
        s.token = "s3cret-token";
        start(s);
        const int logged = refusalsLogged();
        const RemoteClients::HttpReply r =
            RemoteClients::http(HttpPort, "POST", "/api/devices/1/freeze", R"({"on":true})", header);
        QCOMPARE(r.status, status);
        QCOMPARE(backend->frames.size(), status == 200 ? 1 : 0);
        QVERIFY(waitUntil([&] { return refusalsLogged() == logged + (status == 200 ? 0 : 1); }, 5000));
    }

    // With an allow-list only the senders on it are heard; others get no answer and send nothing.
    void oscAllowList()
    {
        RemoteSettings s = settings();
        s.oscAllowList = QStringList{"127.0.0.2"};
        start(s);
        OscClient stranger(QHostAddress("127.0.0.3"));
        OscClient panel(QHostAddress("127.0.0.2"));
        stranger.send(OscPort, "/vp/1/freeze", "T");
        panel.send(OscPort, "/vp/1/blackscreen", "T");
        QCOMPARE(panel.reply("/vp/1/blackscreen").value("ok").toBool(), true);
        QCOMPARE(stranger.received.size(), 0);
        QCOMPARE(backend->frames, QList<QByteArray>{hostFrame(0x13, 0x00, {1})});
        QVERIFY(waitUntil(
            [] {
                const QList<LogLine> lines = recentLogLines();
                return !lines.isEmpty() && lines.last().text.contains("127.0.0.3") &&
                       lines.last().text.contains("not on the allow-list");
            },
            5000));
    }

    // Beyond its rate a client is refused without a frame; another client is not held back.
    void rateLimit()
    {
        RemoteSettings s = settings();
        s.commandsPerSecond = 3;
        start(s);
        OscClient flood;
        for (int i = 0; i < 12; ++i)
            flood.send(OscPort, "/vp/1/freeze", "T");
        int ok = 0, limited = 0;
        for (int i = 0; i < 12; ++i) {
            const QJsonObject r = flood.reply("/vp/1/freeze");
            ok += r.value("ok").toBool();
            limited += r.value("error").toString() == "rate_limited";
        }
        QCOMPARE(ok + limited, 12);
        QVERIFY(limited > 0);
        QCOMPARE(backend->frames.size(), ok);

        int httpLimited = 0;
        for (int i = 0; i < 8; ++i)
            httpLimited +=
                RemoteClients::http(HttpPort, "POST", "/api/devices/1/freeze", R"({"on":true})").status ==
                429;
        QVERIFY(httpLimited > 0);
        QCOMPARE(RemoteClients::http(HttpPort, "POST", "/api/devices/1/freeze", R"({"on":true})",
                                     {"--interface", "127.0.0.2"})
                     .status,
                 200);
        OscClient other(QHostAddress("127.0.0.2"));
        other.send(OscPort, "/vp/1/freeze", "T");
        QCOMPARE(other.reply("/vp/1/freeze").value("ok").toBool(), true);
    }

    // Half-open and slow connections neither keep another client waiting nor stay for ever.
    void slowClients()
    {
        QTcpSocket silent, slow;
        silent.connectToHost(QHostAddress::LocalHost, HttpPort);
        slow.connectToHost(QHostAddress::LocalHost, HttpPort);
        QVERIFY(silent.waitForConnected(5000) && slow.waitForConnected(5000));
        slow.write("POST /api/devices/1/freeze HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\n{\"on\"");
        slow.flush();
        QCOMPARE(RemoteClients::http(HttpPort, "GET", "/api/devices/1").status, 200);
        QVERIFY(waitUntil(
            [&] {
                return silent.state() == QAbstractSocket::UnconnectedState &&
                       slow.state() == QAbstractSocket::UnconnectedState;
            },
            15000));
        QVERIFY(backend->frames.isEmpty());
    }

    // oscsend subscribes oscdump; oscdump then sees a window's input change, a preset loaded and
    // a device going offline.
    void subscription()
    {
        QProcess dump;
        dump.start("oscdump", {"-L", QString::number(DumpPort)});
        QVERIFY(dump.waitForStarted(5000));
        QByteArray seen;
        const auto sees = [&](const QByteArray &text, int timeoutMs = 10000) {
            return waitUntil(
                [&] {
                    seen += dump.readAllStandardOutput();
                    return seen.contains(text);
                },
                timeoutMs);
        };
        OscClient probe;
        QVERIFY(waitUntil(
            [&] { // oscdump is listening once it shows what it is sent
                probe.send(DumpPort, "/probe");
                return sees("/probe", 50);
            },
            10000));
        QProcess send;
        send.start("oscsend",
                   {"127.0.0.1", QString::number(OscPort), "/subscribe", "i", QString::number(DumpPort)});
        QVERIFY(send.waitForFinished(10000));
        QVERIFY(waitUntil([&] { return control->oscServer()->subscriberCount() == 1; }, 10000));

        QCOMPARE(
            RemoteClients::http(HttpPort, "POST", "/api/devices/1/window/2/input", R"({"source":"HDMI2"})")
                .status,
            200);
        QVERIFY(sees("/vp/" + Stage.toLatin1() + "/window/2/input si \"HDMI2\" 33"));
        QCOMPARE(
            RemoteClients::http(HttpPort, "POST", "/api/devices/1/preset/load", R"({"preset":4})").status,
            200);
        QVERIFY(sees("/vp/" + Stage.toLatin1() + "/preset/loaded i 4"));
        backend->setOnline(Hall, false);
        QVERIFY(sees("/vp/" + Hall.toLatin1() + "/online i 0"));
        dump.kill();
        dump.waitForFinished(5000);
    }

    // A lease not renewed ends: its subscriber hears nothing more, a renewing one still does.
    void leaseExpiry()
    {
        RemoteSettings s = settings();
        s.leaseMs = 300;
        start(s);
        OscClient lapsed, renewing;
        lapsed.send(OscPort, "/subscribe");
        renewing.send(OscPort, "/subscribe");
        QCOMPARE(lapsed.reply("/subscribe").value("lease").toDouble(), 0.3);
        QVERIFY(!renewing.reply("/subscribe").isEmpty());
        QVERIFY(waitUntil(
            [&] {
                renewing.send(OscPort, "/subscribe");
                return control->oscServer()->subscriberCount() == 1;
            },
            10000));
        renewing.send(OscPort, "/subscribe");
        QVERIFY(!renewing.reply("/subscribe").isEmpty());
        backend->setOnline(Stage, false);
        OscClient::Message m;
        QVERIFY(renewing.take("/vp/" + Stage + "/online", &m));
        QCOMPARE(m.args.at(0).integer, 0);
        for (const OscClient::Message &r : lapsed.received)
            QVERIFY2(!r.path.startsWith("/vp/"), qPrintable(r.path));
    }

    // Stopping answers a request still waiting for the device and leaves no server thread.
    void stopLeavesNoThread()
    {
        control->stop();
        const int before = threadCount();
        RemoteSettings s = settings();
        s.commandTimeoutMs = 20000;
        start(s);
        backend->setAnswer(RemoteTestBackend::AnswerNever);
        QProcess curl;
        curl.start("curl",
                   {"-s", "-o", "/dev/null", "-w", "%{http_code}", "--max-time", "20", "-X", "POST", "--data",
                    R"({"on":true})", QString("http://127.0.0.1:%1/api/devices/1/freeze").arg(HttpPort)});
        QVERIFY(waitUntil([&] { return backend->executed == 1; }, 10000));
        control->stop();
        QVERIFY(waitUntil([&] { return curl.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(curl.readAllStandardOutput(), QByteArray("503"));
        QCOMPARE(threadCount(), before);
        QVERIFY(!control->isRunning());
    }
};

QTEST_GUILESS_MAIN(TstRemoteServers)
#include "tst_remote_servers.moc"
