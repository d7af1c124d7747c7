// Remote-control request decoding (OSC through liblo's serialisation, HTTP method, target and body)
// into the command or the exact refusal.
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
        const auto ok = [](const char *name, const char *path, const char *args, const char *expected) {
            QTest::newRow(name) << QString(path) << QString(args) << QString(expected);
        };
        // A refusal names the address it came with.
        const auto no = [](const char *name, const char *path, const char *args, const QString &expected) {
            QTest::newRow(name) << QString(path) << QString(args)
                                << expected + QStringLiteral(" (OSC address %1)").arg(path);
        };
        ok("devices", "/vp/devices", "", "devices");
        ok("state", "/vp/1/state", "", "state @1");
        ok("save preset by name", "/vp/Stage/preset/save", "i:10", "preset/save @Stage n10");
        ok("black screen i:0", "/vp/1/blackscreen", "i:0", "blackscreen @1");
        ok("freeze f:1", "/vp/1/freeze", "f:1", "freeze @1 on");
        ok("brightness window, int64", "/vp/1/window/2/brightness", "h:60", "brightness @1 w2 v60");
        ok("subscribe", "/subscribe", "", "subscribe");
        ok("subscribe to port", "/subscribe", "i:9001", "subscribe n9001");
        ok("unsubscribe", "/unsubscribe", "i:9001", "unsubscribe n9001");

        const QString preset = "bad_request: argument 1 (preset) must be an integer, got ";
        const QString count = "bad_request: preset/load takes 1 argument(s) (preset), got ";
        const QString source = "bad_request: argument 1 (source) must be a source name or id, got ";
        const QString window = "invalid_argument: window \"%1\" is not a window number from 1 to 255";
        no("string for integer", "/vp/1/preset/load", "s:three", preset + "string \"three\"");
        no("no argument", "/vp/1/preset/load", "", count + "0");
        no("two arguments", "/vp/1/preset/load", "i:1 i:2", count + "2");
        no("fraction", "/vp/1/preset/load", "f:2.5", preset + "real 2.5");
        no("beyond 32 bits", "/vp/1/preset/load", "h:4294967296", preset + "integer 4294967296");
        no("on/off of 2", "/vp/1/blackscreen", "i:2",
           "bad_request: argument 1 (on) must be on/off (true, false, 1 or 0), got integer 2");
        no("blob for source", "/vp/1/window/1/input", "b", source + "type 'b'");
        no("empty source name", "/vp/1/window/1/input", "s:", source + "string \"\"");
        no("window 0", "/vp/1/window/0/input", "s:HDMI1", window.arg(0));
        no("window 256", "/vp/1/window/256/input", "s:HDMI1", window.arg(256));
        no("window not a number", "/vp/1/window/x/input", "s:HDMI1", window.arg("x"));
        no("unknown command", "/vp/1/nothing", "", "not_found: no command \"nothing\"");
        no("other prefix", "/xy/1/preset/load", "i:1", "not_found: no such address");
        no("empty device", "/vp//preset/load", "i:1", "not_found: no such address");
        no("devices with argument", "/vp/devices", "i:1", "bad_request: devices takes no argument");
        ok("subscribe port beyond 65535", "/subscribe", "i:70000",
           "bad_request: argument 1 (port) of /subscribe must be a port from 1 to 65535, got integer 70000");
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
        const auto row = [](const char *name, const char *method, const QByteArray &target, const QByteArray &body,
                            const QString &expected) {
            // A refusal names the request it came with.
            const QString at = expected.contains(':') ? QStringLiteral(" (%1 %2)").arg(method, target) : QString();
            QTest::newRow(name) << QByteArray(method) << target << body << expected + at;
        };
        const QByteArray load = "/api/devices/1/preset/load";
        row("devices", "GET", "/api/devices", "", "devices");
        row("device", "GET", "/api/devices/1", "", "state @1");
        row("encoded name, query ignored", "GET", "/api/devices/Main%20Wall/state?x=1", "", "state @Main Wall");
        row("trailing slash", "POST", load + "/", R"({"preset": 3})", "preset/load @1 n3");
        row("on as 1", "POST", "/api/devices/1/freeze", R"({"on": 1})", "freeze @1 on");
        row("no body", "POST", "/api/devices/1/testpattern/off", "", "testpattern/off @1");

        row("malformed JSON", "POST", load, R"({"preset": 3)",
            "bad_request: malformed JSON at byte 12: invalid termination by number");
        row("not an object", "POST", load, "[3]", "bad_request: the body must be a JSON object");
        row("string for integer", "POST", load, R"({"preset": "3"})",
            "bad_request: field \"preset\" must be an integer");
        row("missing field", "POST", load, "{}", "bad_request: missing field \"preset\"");
        row("unknown field", "POST", load, R"({"preset": 3, "slot": 1})",
            "bad_request: unknown field \"slot\"; preset/load takes: preset");
        row("on of 2", "POST", "/api/devices/1/freeze", R"({"on": 2})",
            "bad_request: field \"on\" must be on/off (true, false, 1 or 0)");
        row("oversize body", "POST", load, QByteArray(64 * 1024 + 1, ' '),
            "payload_too_large: the body has 65537 bytes, at most 65536 are taken");
        row("command by GET", "GET", load, "", "method_not_allowed: preset/load needs POST");
        row("devices by POST", "POST", "/api/devices", "", "method_not_allowed: devices needs GET");
        row("unknown route", "GET", "/api/things", "", "not_found: no such route");
        row("unknown command", "POST", "/api/devices/1/reset", "", "not_found: no command \"reset\"");
        row("window 0", "POST", "/api/devices/1/window/0/input", R"({"source": 1})",
            "invalid_argument: window \"0\" is not a window number from 1 to 255");
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
