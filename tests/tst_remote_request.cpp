// Remote-control request decoding: OSC addresses with typed arguments (passed through liblo's own
// serialisation) and HTTP method, target and body, each decoded into the command or into the
// exact refusal.
#include "RemoteClients.h"
#include "RemoteRequest.h"

#include <QtTest>

namespace {
// An OSC message built with liblo, serialised and read back as the server reads it.
QList<RemoteRequest::OscArg> oscArgs(const QString &spec)
{
    lo_message m = RemoteClients::oscMessage(spec);
    size_t size = 0;
    void *data = lo_message_serialise(m, "/x", nullptr, &size);
    lo_message back = lo_message_deserialise(data, size, nullptr);
    const QList<RemoteRequest::OscArg> out = RemoteRequest::oscArgs(back);
    lo_message_free(back);
    free(data);
    lo_message_free(m);
    return out;
}

// The fields a command sets, in a fixed order; or the refusal as "code: message".
QString describe(const RemoteRequest::Result &r)
{
    if (!r.ok())
        return RemoteError::codeName(r.error.code()) + QStringLiteral(": ") + r.error.message();
    const RemoteCommand &c = r.command;
    QStringList parts{RemoteCommand::kindName(c.kind)};
    if (!c.device.isEmpty())
        parts << QLatin1Char('@') + c.device;
    if (c.window)
        parts << QStringLiteral("w%1").arg(c.window);
    if (!c.sourceName.isEmpty())
        parts << c.sourceName;
    if (c.sourceId >= 0)
        parts << QStringLiteral("#%1").arg(c.sourceId);
    if (c.number)
        parts << QStringLiteral("n%1").arg(c.number);
    if (c.width || c.height || c.x || c.y)
        parts << QStringLiteral("%1,%2 %3x%4").arg(c.x).arg(c.y).arg(c.width).arg(c.height);
    if (c.on)
        parts << QStringLiteral("on");
    if (c.value)
        parts << QStringLiteral("v%1").arg(c.value);
    return parts.join(QLatin1Char(' '));
}
} // namespace

class TstRemoteRequest : public QObject
{
    Q_OBJECT
private slots:
    void osc_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("expected");
        const QString at = QStringLiteral(" (OSC address %1)");
        QTest::newRow("devices") << "/vp/devices"
                                 << ""
                                 << "devices";
        QTest::newRow("state") << "/vp/1/state"
                               << ""
                               << "state @1";
        QTest::newRow("load preset") << "/vp/1/preset/load"
                                     << "i:3"
                                     << "preset/load @1 n3";
        QTest::newRow("save preset by name") << "/vp/Stage/preset/save"
                                             << "i:10"
                                             << "preset/save @Stage n10";
        QTest::newRow("template as whole real") << "/vp/1/template/load"
                                                << "f:2"
                                                << "template/load @1 n2";
        QTest::newRow("input by name") << "/vp/1/window/2/input"
                                       << "s:HDMI2"
                                       << "window/input @1 w2 HDMI2";
        QTest::newRow("input by id") << "/vp/1/window/2/input"
                                     << "i:33"
                                     << "window/input @1 w2 #33";
        QTest::newRow("geometry") << "/vp/1/window/1/geometry"
                                  << "i:10 i:20 i:640 i:480"
                                  << "window/geometry @1 w1 10,20 640x480";
        QTest::newRow("black screen T") << "/vp/1/blackscreen"
                                        << "T"
                                        << "blackscreen @1 on";
        QTest::newRow("black screen i:0") << "/vp/1/blackscreen"
                                          << "i:0"
                                          << "blackscreen @1";
        QTest::newRow("freeze f:1") << "/vp/1/freeze"
                                    << "f:1"
                                    << "freeze @1 on";
        QTest::newRow("frame sync") << "/vp/1/window/3/framesync"
                                    << "F"
                                    << "window/framesync @1 w3";
        QTest::newRow("brightness all") << "/vp/1/brightness"
                                        << "i:60"
                                        << "brightness @1 v60";
        QTest::newRow("brightness window, int64") << "/vp/1/window/2/brightness"
                                                  << "h:60"
                                                  << "brightness @1 w2 v60";
        QTest::newRow("test pattern") << "/vp/1/testpattern"
                                      << "i:5"
                                      << "testpattern @1 n5";
        QTest::newRow("test pattern off") << "/vp/1/testpattern/off"
                                          << ""
                                          << "testpattern/off @1";
        QTest::newRow("subscribe") << "/subscribe"
                                   << ""
                                   << "subscribe";
        QTest::newRow("subscribe to port") << "/subscribe"
                                           << "i:9001"
                                           << "subscribe n9001";
        QTest::newRow("unsubscribe") << "/unsubscribe"
                                     << "i:9001"
                                     << "unsubscribe n9001";

        QTest::newRow("string for integer")
            << "/vp/1/preset/load"
            << "s:three"
            << "bad_request: argument 1 (preset) must be an integer, got string \"three\"" +
                   at.arg("/vp/1/preset/load");
        QTest::newRow("no argument") << "/vp/1/preset/load"
                                     << ""
                                     << "bad_request: preset/load takes 1 argument(s) (preset), got 0" +
                                            at.arg("/vp/1/preset/load");
        QTest::newRow("two arguments")
            << "/vp/1/preset/load"
            << "i:1 i:2"
            << "bad_request: preset/load takes 1 argument(s) (preset), got 2" + at.arg("/vp/1/preset/load");
        QTest::newRow("fraction") << "/vp/1/preset/load"
                                  << "f:2.5"
                                  << "bad_request: argument 1 (preset) must be an integer, got real 2.5" +
                                         at.arg("/vp/1/preset/load");
        QTest::newRow("beyond 32 bits") << "/vp/1/preset/load"
                                        << "h:4294967296"
                                        << "bad_request: argument 1 (preset) must be an integer, got integer "
                                           "4294967296" +
                                               at.arg("/vp/1/preset/load");
        QTest::newRow("on/off of 2")
            << "/vp/1/blackscreen"
            << "i:2"
            << "bad_request: argument 1 (on) must be on/off (true, false, 1 or 0), got "
               "integer 2" +
                   at.arg("/vp/1/blackscreen");
        QTest::newRow("blob for source")
            << "/vp/1/window/1/input"
            << "b"
            << "bad_request: argument 1 (source) must be a source name or id, got "
               "type 'b'" +
                   at.arg("/vp/1/window/1/input");
        QTest::newRow("empty source name")
            << "/vp/1/window/1/input"
            << "s:"
            << "bad_request: argument 1 (source) must be a source name or id, got "
               "string \"\"" +
                   at.arg("/vp/1/window/1/input");
        QTest::newRow("window 0") << "/vp/1/window/0/input"
                                  << "s:HDMI1"
                                  << "invalid_argument: window \"0\" is not a window number from 1 to 255" +
                                         at.arg("/vp/1/window/0/input");
        QTest::newRow("window 256")
            << "/vp/1/window/256/input"
            << "s:HDMI1"
            << "invalid_argument: window \"256\" is not a window number from 1 to 255" +
                   at.arg("/vp/1/window/256/input");
        QTest::newRow("window not a number")
            << "/vp/1/window/x/input"
            << "s:HDMI1"
            << "invalid_argument: window \"x\" is not a window number from 1 to "
               "255" +
                   at.arg("/vp/1/window/x/input");
        QTest::newRow("unknown command") << "/vp/1/nothing"
                                         << ""
                                         << "not_found: no command \"nothing\"" + at.arg("/vp/1/nothing");
        QTest::newRow("other prefix") << "/xy/1/preset/load"
                                      << "i:1"
                                      << "not_found: no such address" + at.arg("/xy/1/preset/load");
        QTest::newRow("empty device") << "/vp//preset/load"
                                      << "i:1"
                                      << "not_found: no such address" + at.arg("/vp//preset/load");
        QTest::newRow("devices with argument")
            << "/vp/devices"
            << "i:1"
            << "bad_request: devices takes no argument" + at.arg("/vp/devices");
        QTest::newRow("subscribe port beyond 65535") << "/subscribe"
                                                     << "i:70000"
                                                     << "bad_request: argument 1 (port) of /subscribe must "
                                                        "be a port from 1 to 65535, got integer 70000";
    }
    void osc()
    {
        QFETCH(QString, path);
        QFETCH(QString, args);
        QFETCH(QString, expected);
        QCOMPARE(describe(RemoteRequest::fromOsc(path, oscArgs(args))), expected);
    }

    void http_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        const QByteArray load = "/api/devices/1/preset/load";
        QTest::newRow("devices") << QByteArray("GET") << QByteArray("/api/devices") << QByteArray()
                                 << "devices";
        QTest::newRow("device") << QByteArray("GET") << QByteArray("/api/devices/1") << QByteArray()
                                << "state @1";
        QTest::newRow("encoded name, query ignored")
            << QByteArray("GET") << QByteArray("/api/devices/Main%20Wall/state?x=1") << QByteArray()
            << "state @Main Wall";
        QTest::newRow("load preset") << QByteArray("POST") << load << QByteArray(R"({"preset": 3})")
                                     << "preset/load @1 n3";
        QTest::newRow("trailing slash")
            << QByteArray("POST") << load + "/" << QByteArray(R"({"preset": 3})") << "preset/load @1 n3";
        QTest::newRow("input by name") << QByteArray("POST") << QByteArray("/api/devices/1/window/2/input")
                                       << QByteArray(R"({"source": "HDMI2"})") << "window/input @1 w2 HDMI2";
        QTest::newRow("input by id") << QByteArray("POST") << QByteArray("/api/devices/1/window/2/input")
                                     << QByteArray(R"({"source": 33})") << "window/input @1 w2 #33";
        QTest::newRow("geometry") << QByteArray("POST") << QByteArray("/api/devices/1/window/1/geometry")
                                  << QByteArray(R"({"x": 10, "y": 20, "width": 640, "height": 480})")
                                  << "window/geometry @1 w1 10,20 640x480";
        QTest::newRow("on as 1") << QByteArray("POST") << QByteArray("/api/devices/1/freeze")
                                 << QByteArray(R"({"on": 1})") << "freeze @1 on";
        QTest::newRow("no body") << QByteArray("POST") << QByteArray("/api/devices/1/testpattern/off")
                                 << QByteArray() << "testpattern/off @1";

        const QString at = QStringLiteral(" (POST /api/devices/1/preset/load)");
        QTest::newRow("malformed JSON")
            << QByteArray("POST") << load << QByteArray(R"({"preset": 3)")
            << "bad_request: malformed JSON at byte 12: invalid termination by number" + at;
        QTest::newRow("not an object") << QByteArray("POST") << load << QByteArray("[3]")
                                       << "bad_request: the body must be a JSON object" + at;
        QTest::newRow("string for integer") << QByteArray("POST") << load << QByteArray(R"({"preset": "3"})")
                                            << "bad_request: field \"preset\" must be an integer" + at;
        QTest::newRow("missing field")
            << QByteArray("POST") << load << QByteArray("{}") << "bad_request: missing field \"preset\"" + at;
        QTest::newRow("unknown field")
            << QByteArray("POST") << load << QByteArray(R"({"preset": 3, "slot": 1})")
            << "bad_request: unknown field \"slot\"; preset/load takes: preset" + at;
        QTest::newRow("on of 2") << QByteArray("POST") << QByteArray("/api/devices/1/freeze")
                                 << QByteArray(R"({"on": 2})")
                                 << "bad_request: field \"on\" must be on/off (true, false, 1 or 0) (POST "
                                    "/api/devices/1/freeze)";
        QTest::newRow("oversize body")
            << QByteArray("POST") << load << QByteArray(64 * 1024 + 1, ' ')
            << "payload_too_large: the body has 65537 bytes, at most 65536 are taken" + at;
        QTest::newRow("command by GET")
            << QByteArray("GET") << load << QByteArray()
            << "method_not_allowed: preset/load needs POST (GET /api/devices/1/preset/load)";
        QTest::newRow("devices by POST") << QByteArray("POST") << QByteArray("/api/devices") << QByteArray()
                                         << "method_not_allowed: devices needs GET (POST /api/devices)";
        QTest::newRow("unknown route") << QByteArray("GET") << QByteArray("/api/things") << QByteArray()
                                       << "not_found: no such route (GET /api/things)";
        QTest::newRow("unknown command")
            << QByteArray("POST") << QByteArray("/api/devices/1/reset") << QByteArray()
            << "not_found: no command \"reset\" (POST /api/devices/1/reset)";
        QTest::newRow("window 0")
            << QByteArray("POST") << QByteArray("/api/devices/1/window/0/input")
            << QByteArray(R"({"source": 1})")
            << "invalid_argument: window \"0\" is not a window number from 1 to 255 (POST "
               "/api/devices/1/window/0/input)";
    }
    void http()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        QCOMPARE(describe(RemoteRequest::fromHttp(method, target, body)), expected);
    }
};

QTEST_GUILESS_MAIN(TstRemoteRequest)
#include "tst_remote_request.moc"
