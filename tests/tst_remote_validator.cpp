// Remote requests decoded, then checked against device records before any frame is built: the device
// a selector names, the accepted action in the device's numbering or the exact refusal, unusable settings.
#include "RecordBuilders.h"
#include "RemoteClients.h"
#include "RemoteRequest.h"
#include "RemoteSettings.h"
#include "RemoteValidator.h"
#include "RowData.h"
#include <QtTest>
Q_DECLARE_METATYPE(RemoteCommand)
namespace {
// 0: KS9200 "Stage", two panels side by side, windows on HDMI1 and DVI1, presets 1 and 3 stored.
// 1: KS1200 with a USB input, one panel, one window. 2: KX4200, one panel, one window.
// 3: GW "Hall", one output card (4 window slots), one input card, five windows.
// 4: KS9200 whose two panels touch only at a corner: (0, 0) and (1920, 1080).
std::shared_ptr<INFO_BASIC> device(int index)
{
    using namespace RecordBuilders;
    if (index == 0)
        return ksWall("a0", 3, "Stage", 2, {32, 16}, {0, 2});
    if (index == 3)
        return gwWall("a3", "Hall", 1, 1, {0, 1, 2, 3, 0});
    const int type = index == 1 ? 0 : index == 2 ? 17 : 3;
    auto r = ksWall(QStringLiteral("a%1").arg(index), type, "", index == 4 ? 2 : 1, {index == 1 ? 0 : 32});
    r->hasUsb = index == 1;
    if (index == 4)
        r->panels[1].y = 1080;
    return r;
}
RemoteCommand cmd(RemoteCommand::Kind kind, int window = 0, int number = 0)
{
    RemoteCommand c;
    return c.kind = kind, c.window = window, c.number = c.value = number, c;
}
RemoteCommand source(int window, const QString &name, int id = -1)
{
    RemoteCommand c = cmd(RemoteCommand::SwitchInput, window);
    return c.sourceName = name, c.sourceId = id, c;
}
RemoteCommand geometry(int window, int x, int y, int width, int height)
{
    RemoteCommand c = cmd(RemoteCommand::SetGeometry, window);
    return c.x = x, c.y = y, c.width = width, c.height = height, c;
}
QString describe(const RemoteValidator::Checked &r)
{
    if (!r.ok())
        return RemoteError::codeName(r.error.code()) + QStringLiteral(": ") + r.error.message();
    const RemoteAction &a = r.action;
    QStringList parts{RemoteCommand::kindName(a.kind)};
    const auto add = [&](bool on, const QString &part) { on ? void(parts << part) : void(); };
    add(a.winId >= 0, QStringLiteral("win%1").arg(a.winId));
    add(a.srcId >= 0, QStringLiteral("src%1").arg(a.srcId));
    add(a.id >= 0, QStringLiteral("id%1").arg(a.id));
    const QRect &g = a.rect;
    add(!g.isNull(), QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()));
    add(a.layer, QStringLiteral("layer%1").arg(a.layer));
    add(a.value, QStringLiteral("v%1").arg(a.value));
    for (const auto &f : a.fill)
        parts << QStringLiteral("fill%1:%2").arg(f.first).arg(f.second);
    return parts.join(QLatin1Char(' '));
}
// An OSC message built with liblo, serialised and read back as the server reads it.
QList<RemoteRequest::OscArg> oscArgs(const QString &args)
{
    lo_message m = RemoteClients::oscMessage(args);
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
    const auto add = [&](bool on, const QString &part) { on ? void(parts << part) : void(); };
    add(!c.device.isEmpty(), QLatin1Char('@') + c.device);
    add(c.window, QStringLiteral("w%1").arg(c.window));
    add(!c.sourceName.isEmpty(), c.sourceName);
    add(c.sourceId >= 0, QStringLiteral("#%1").arg(c.sourceId));
    add(c.number, QStringLiteral("n%1").arg(c.number));
    add(c.width || c.height || c.x || c.y, QStringLiteral("%1,%2 %3x%4").arg(c.x).arg(c.y).arg(c.width).arg(c.height));
    add(c.on, QStringLiteral("on"));
    add(c.value, QStringLiteral("v%1").arg(c.value));
    return parts.join(QLatin1Char(' '));
}
} // namespace

class TstRemoteValidator : public QObject
{
    Q_OBJECT
private slots:
    // Each limit just inside and just outside, one input varied at a time.
    void check_data()
    {
        columns<int, RemoteCommand, QString>("device", "command", "expected");
        using C = RemoteCommand;
        const QString stageInputs = "(inputs: VGA1, VGA2, CV1, CV2, DVI1, DVI2, HDMI1, HDMI2, HDMI3, HDMI4)";
        const auto out = [](const char *what, int v, const char *device, int low, int high) {
            const QString text = "invalid_argument: %1 %2 is out of range on %3 (%4 to %5)";
            return text.arg(what).arg(v).arg(device).arg(low).arg(high);
        };
        const QString offWall = "invalid_argument: window at (%1, %2) size %3 x %4 does not lie on the wall of %5 "
                                "(panels within (0, 0) size %6 x %7)";
        const auto off = [&](int x, int y, int w, int h) {
            return offWall.arg(x).arg(y).arg(w).arg(h).arg("\"Stage\"").arg(3840).arg(1080);
        };
        const auto row = [](const char *n, int d, const RemoteCommand &c, const QString &e) {
            QTest::newRow(n) << d << c << e;
        };
        row("input by name", 0, source(2, "HDMI2"), "window/input win1 src33");
        row("window 3 missing", 0, source(3, "HDMI2"),
            "invalid_argument: window 3 does not exist on \"Stage\" (windows: 1, 2)");
        row("input not on the model", 0, source(1, "HDMI5"),
            "invalid_argument: source \"HDMI5\" is not an input of \"Stage\" " + stageInputs);
        row("id not on the model", 0, source(1, "", 200),
            "invalid_argument: source id 200 is not an input of \"Stage\" " + stageInputs);
        row("USB on a model with USB", 1, source(1, "USB1"), "window/input win0 src96");
        row("SDI on a model without", 1, source(1, "SDI1"),
            "invalid_argument: source \"SDI1\" is not an input of KS1200 (inputs: VGA1, DVI1, HDMI1, CV1, CV2, USB1)");
        row("GW input 4", 3, source(2, "Input4"), "window/input win1 src3");
        row("GW input 5 beyond its card", 3, source(2, "Input5"),
            "invalid_argument: source \"Input5\" is not an input of \"Hall\" (inputs: Input1, Input2, Input3, Input4)");

        row("preset 1", 0, cmd(C::LoadPreset, 0, 1), "preset/load id0");
        row("preset 0", 0, cmd(C::LoadPreset, 0, 0), out("preset", 0, "\"Stage\"", 1, 10));
        row("preset 10", 0, cmd(C::LoadPreset, 0, 10), "preset/load id9");
        row("preset 11", 0, cmd(C::LoadPreset, 0, 11), out("preset", 11, "\"Stage\"", 1, 10));
        row("GW save preset 10", 3, cmd(C::SavePreset, 0, 10), "preset/save id9");
        row("template 1", 0, cmd(C::LoadTemplate, 0, 1), "template/load id0");
        row("template 0", 0, cmd(C::LoadTemplate, 0, 0), out("template", 0, "\"Stage\"", 1, 10));
        row("template 10", 0, cmd(C::LoadTemplate, 0, 10), "template/load id9");
        row("template 11", 0, cmd(C::LoadTemplate, 0, 11), out("template", 11, "\"Stage\"", 1, 10));
        row("template on KS1200", 1, cmd(C::LoadTemplate, 0, 1), "not_supported: KS1200 (KS1200) has no templates");
        row("GW template 4", 3, cmd(C::LoadTemplate, 0, 4), out("template", 4, "\"Hall\"", 1, 3));

        row("geometry across panels", 0, geometry(1, 1000, 0, 1920, 1080), "window/geometry win0 1000,0 1920x1080");
        row("geometry at the right edge", 0, geometry(1, 1920, 0, 1920, 1080), "window/geometry win0 1920,0 1920x1080");
        row("geometry past the right edge", 0, geometry(1, 1921, 0, 1920, 1080), off(1921, 0, 1920, 1080));
        row("geometry past the bottom edge", 0, geometry(1, 0, 1, 1920, 1080), off(0, 1, 1920, 1080));
        row("geometry at negative x", 0, geometry(1, -1, 0, 640, 480), off(-1, 0, 640, 480));
        row("geometry at negative y", 0, geometry(1, 0, -1, 640, 480), off(0, -1, 640, 480));
        row("geometry off the panels, inside their bounds", 4, geometry(1, 0, 1080, 1920, 1080),
            offWall.arg(0).arg(1080).arg(1920).arg(1080).arg("KS9200").arg(3840).arg(2160));
        row("geometry of the largest integers", 0, geometry(1, 2147483647, 0, 2147483647, 480),
            off(2147483647, 0, 2147483647, 480));
        row("geometry of 64 x 64", 0, geometry(1, 0, 0, 64, 64), "window/geometry win0 0,0 64x64");
        const QString small = "invalid_argument: window size %1 x %2 is below 64 x 64";
        row("geometry width 63", 0, geometry(1, 0, 0, 63, 64), small.arg(63).arg(64));
        row("geometry height 63", 0, geometry(1, 0, 0, 64, 63), small.arg(64).arg(63));
        row("GW geometry keeps the layer", 3, geometry(2, 0, 0, 3840, 2160),
            "window/geometry win1 0,0 3840x2160 layer2");
        row("GW geometry in window slot 4", 3, geometry(4, 0, 0, 640, 480), "window/geometry win3 0,0 640x480 layer4");
        row("GW geometry beyond the window slots", 3, geometry(5, 0, 0, 640, 480),
            "invalid_argument: window 5 of \"Hall\" lies beyond its 4 window slots");

        row("brightness 100 of all windows", 0, cmd(C::Brightness, 0, 100), "brightness win255 v100");
        row("brightness 101", 0, cmd(C::Brightness, 0, 101), out("brightness", 101, "\"Stage\"", 0, 100));
        row("brightness 0 of window 2", 3, cmd(C::Brightness, 2, 0), "brightness win1");
        row("brightness -1", 0, cmd(C::Brightness, 0, -1), out("brightness", -1, "\"Stage\"", 0, 100));
        row("brightness of a missing window", 0, cmd(C::Brightness, 9, 50),
            "invalid_argument: window 9 does not exist on \"Stage\" (windows: 1, 2)");
        row("frame sync", 0, cmd(C::FrameSync, 2), "window/framesync win1");
        row("test pattern 60 on KS9200", 0, cmd(C::TestPattern, 0, 60), "testpattern id60");
        row("test pattern 61 on KS9200", 0, cmd(C::TestPattern, 0, 61), out("test pattern", 61, "\"Stage\"", 0, 60));
        row("test pattern 12 on KX4200", 2, cmd(C::TestPattern, 0, 12), "testpattern id12");
        row("test pattern 13 on KX4200", 2, cmd(C::TestPattern, 0, 13), out("test pattern", 13, "KX4200", 0, 12));
        row("test pattern 0", 2, cmd(C::TestPattern, 0, 0), "testpattern id0");
        row("test pattern -1", 2, cmd(C::TestPattern, 0, -1), out("test pattern", -1, "KX4200", 0, 12));
        row("test pattern off", 2, cmd(C::TestPatternOff), "testpattern/off id255");
        row("test pattern on GW", 3, cmd(C::TestPattern, 0, 1), "not_supported: \"Hall\" (GW5) has no test patterns");
    }
    void check()
    {
        auto [device, command, expected] = fetch<int, RemoteCommand, QString>("device", "command", "expected");
        QCOMPARE(describe(RemoteValidator::check(command, *::device(device))), expected);
    }

    // GW template 3 loads template 2, moving windows without signal to the first input that has one.
    void gwTemplateFill()
    {
        auto gw = RecordBuilders::gwWall("g", "", 2, 2, {0, 1, 2});
        for (int i = 0; i < 4; ++i)
            gw->signalPresence << INFO_SIGNAL_PRESENCE{uint8_t(i), 0, uint8_t(i == 2 || i == 3)};
        QCOMPARE(describe(RemoteValidator::check(cmd(RemoteCommand::LoadTemplate, 0, 3), *gw)),
                 "template/load id2 fill0:2 fill1:2");
    }

    void findDevice_data()
    {
        columns<QString, int, QString>("selector", "found", "error");
        const QString unknown =
            "unknown_device: no device \"%1\" (give its cpuid, its name or its tab number from 1 to 4)";
        QTest::newRow("cpuid") << "0a0b0c" << 1 << "";
        QTest::newRow("cpuid in upper case") << "0A0B0C" << 1 << "";
        QTest::newRow("name") << "Hall" << 2 << "";
        QTest::newRow("tab") << "1" << 0 << "";
        QTest::newRow("name that is its own tab") << "4" << 3 << "";
        QTest::newRow("name that is another device's tab")
            << "2" << -1 << "ambiguous_device: \"2\" names more than one device; use the cpuid";
        QTest::newRow("tab with a leading zero") << "01" << -1 << unknown.arg("01");
        QTest::newRow("tab beyond the list") << "5" << -1 << unknown.arg("5");
        QTest::newRow("name of nobody") << "Foyer" << -1 << unknown.arg("Foyer");
    }
    void findDevice()
    {
        auto [selector, found, error] = fetch<QString, int, QString>("selector", "found", "error");
        QList<RemoteDevice> devices;
        for (const QString &entry : {"aa 2", "0a0b0c ", "bb Hall", "cc 4"}) { // cpuid and name
            devices << RemoteDevice();
            devices.last().cpuid = entry.section(' ', 0, 0);
            devices.last().record = RecordBuilders::ksWall(devices.last().cpuid, 3, entry.section(' ', 1), 1, {});
        }
        const RemoteValidator::Found f = RemoteValidator::findDevice(devices, selector);
        const RemoteError &e = f.error;
        QCOMPARE(e.isError() ? RemoteError::codeName(e.code()) + ": " + e.message() : QString(), error);
        QCOMPARE(f.index, found);
    }

    void settingsProblem_data()
    {
        columns<QString, QString, QStringList, QString>("address", "token", "allow", "problem");
        const QString open = "Listening on %1 needs a token of at least 8 characters.";
        QTest::newRow("loopback without token") << "127.0.0.1" << "" << QStringList() << "";
        QTest::newRow("all addresses without token") << "0.0.0.0" << "" << QStringList() << open.arg("0.0.0.0");
        QTest::newRow("LAN address, 7-character token") << "192.168.1.5" << "s3cret-" << QStringList()
                                                        << open.arg("192.168.1.5");
        QTest::newRow("LAN address, 8-character token") << "192.168.1.5" << "s3cret-t" << QStringList() << "";
        QTest::newRow("not an address") << "stage-pc" << "" << QStringList()
                                        << "The bind address \"stage-pc\" is not an IP address.";
        QTest::newRow("allow-list entry not an address") << "127.0.0.1" << "" << QStringList{"192.168.1.0/24", "panel"}
                                                         << "The OSC sender \"panel\" is not an address or a subnet.";
    }
    void settingsProblem()
    {
        auto [address, token, allow, problem] =
            fetch<QString, QString, QStringList, QString>("address", "token", "allow", "problem");
        RemoteSettings s;
        s.bindAddress = address, s.token = token, s.oscAllowList = allow;
        QCOMPARE(s.problem(), problem);
    }
    // Requests decoded (OSC through liblo's serialisation, HTTP) into the command or the exact refusal.
    void osc_data()
    {
        columns<QString, QString, QString>("path", "args", "expected");
        const auto ok = [](const char *name, const char *path, const char *args, const char *e) {
            QTest::newRow(name) << QString(path) << QString(args) << QString(e);
        };
        // A refusal names the address it came with.
        const auto no = [](const char *name, const char *path, const char *args, const QString &expected) {
            QTest::newRow(name) << QString(path) << QString(args)
                                << expected + QStringLiteral(" (OSC address %1)").arg(path);
        };
        ok("state", "/vp/1/state", "", "state @1");
        ok("black screen i:0", "/vp/1/blackscreen", "i:0", "blackscreen @1");
        ok("freeze f:1", "/vp/1/freeze", "f:1", "freeze @1 on");
        ok("brightness window, int64", "/vp/1/window/2/brightness", "h:60", "brightness @1 w2 v60");
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
        auto [path, args, expected] = fetch<QString, QString, QString>("path", "args", "expected");
        QCOMPARE(describe(RemoteRequest::fromOsc(path, oscArgs(args))), expected);
    }

    void http_data()
    {
        columns<QByteArray, QByteArray, QByteArray, QString>("method", "target", "body", "expected");
        const auto row = [](const char *name, const char *method, const QByteArray &target, const QByteArray &body,
                            const QString &expected) {
            // A refusal names the request it came with.
            const QString at = expected.contains(':') ? QStringLiteral(" (%1 %2)").arg(method, target) : QString();
            QTest::newRow(name) << QByteArray(method) << target << body << expected + at;
        };
        const QByteArray load = "/api/devices/1/preset/load";
        row("device", "GET", "/api/devices/1", "", "state @1");
        row("encoded name, query ignored", "GET", "/api/devices/Main%20Wall/state?x=1", "", "state @Main Wall");
        row("trailing slash", "POST", load + "/", R"({"preset": 3})", "preset/load @1 n3");
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
        auto [method, target, body, expected] =
            fetch<QByteArray, QByteArray, QByteArray, QString>("method", "target", "body", "expected");
        QCOMPARE(describe(RemoteRequest::fromHttp(method, target, body)), expected);
    }
};

QTEST_GUILESS_MAIN(TstRemoteValidator)
#include "tst_remote_validator.moc"
