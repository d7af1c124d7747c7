#include "SimConfig.h"

#include "DeviceModels.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
const int KnownTypes[] = {0, 1, 2, 3, 4, 16, 17, 18, 19, 20, 48, 49};

bool parseAddress(const QString &text, QHostAddress &out)
{
    if (text.compare("any", Qt::CaseInsensitive) == 0) {
        out = QHostAddress(QHostAddress::AnyIPv4);
        return true;
    }
    QHostAddress a(text);
    if (a.isNull() || a.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    out = a;
    return true;
}

SimDevice::Identity defaultIdentity(int type, int seed)
{
    SimDevice::Identity id;
    id.type = type;
    id.id = SimDevice::makeId(type, seed);
    id.version = (type == DeviceType::GW5 || type == DeviceType::GW6) ? "V2.3.1" : "V1.0.6";
    id.name = (modelName(type) + QLatin1Char('-') + QString::number(seed + 1)).toLocal8Bit();
    return id;
}
} // namespace

int SimConfig::parseModel(const QString &text)
{
    bool isNumber = false;
    const int n = text.toInt(&isNumber);
    if (isNumber)
        return (n >= -128 && n <= 127) ? n : -1;
    for (int t : KnownTypes)
        if (modelName(t).compare(text, Qt::CaseInsensitive) == 0)
            return t;
    return -1;
}

void SimConfig::addOptions(QCommandLineParser &p)
{
    p.addOptions({
        {"device",
         "A device to simulate (repeatable): MODEL[:key=value,...]. MODEL is a model name (KS1200, "
         "KT2200, KT4200, KS9200, KS6200R, KX1200, KX4200, KX9200, KXUHD, KS1200R, GW5, GW6) or a type "
         "code (e.g. 19). Keys: addr=IPv4|any (network side: TCP and UDP on that address), pty "
         "(a pseudo-terminal as its serial port), link=PATH (symlink to the pty), tcp-port=N, "
         "udp-port=N, id=24 hex digits, name=TEXT, version=TEXT, flags=N (bit 0 USB, bit 1 SDI), "
         "usb, sdi, extra=N (network-port-in-use byte).",
         "device"},
        {"config", "JSON file describing devices, their state and faults (see sim/examples).", "file"},
        {"log", "Append one JSON line per frame received and sent (time, us, device, transport, dir, hex, "
                "cmd, sub).",
         "file"},
        {"state-file", "Write the devices (cpuid, model, address, pty path and current state) as JSON once started, and again after every change.", "file"},
        {"image-dir", "Save received firmware images here as <cpuid>-<kind>.bin.", "dir"},
        {"tcp-port", "Default TCP port of every device (61213).", "port", "61213"},
        {"udp-port", "Default UDP port of every device (8989).", "port", "8989"},
        {"no-heartbeat", "Fault: send no heartbeat frames."},
        {"heartbeat-ms", "Interval of the device's heartbeat frames on TCP (2000).", "ms"},
        {"heartbeat-stop", "Fault: heartbeats stop N seconds after a connection opens.", "sec"},
        {"split-writes", "Fault: write replies in random pieces of 1 to 7 bytes."},
        {"junk", "Fault: random bytes (never 0x5A) before every frame."},
        {"corrupt-every", "Fault: every Nth reply carries a wrong checksum.", "n"},
        {"refuse-switch", "Fault: refuse every input switch (status 1)."},
        {"reply-delay", "Fault: wait this long before writing replies.", "ms"},
        {"close-after", "Fault: the device closes a TCP connection after N seconds.", "sec"},
        {"interrupt-after", "Fault: the device sends \"connection interrupted\" (0xFF/0x02) after N seconds.",
         "sec"},
        {"faults-once", "The timed faults (heartbeat-stop, close-after, interrupt-after) hit only the first TCP "
                        "connection of each device, so a reconnected device works."},
        {"exclusive-port", "Serve one controller at a time on TCP: while one holds the connection, searches "
                           "from other addresses are answered with network-port-in-use 1, and a new connection "
                           "takes the port over, the old one receiving \"connection interrupted\"."},
        {"upgrade-fail-block", "Fault: answer this firmware block with result 1 (send again) once.", "n"},
        {"upgrade-ignore-boot", "Fault: leave the first K firmware boot requests unanswered.", "k"},
    });
}

QJsonObject SimConfig::faultOptions(const QCommandLineParser &p, QString *error, bool *ok)
{
    QJsonObject o;
    auto num = [&](const char *opt, const char *key, int min) {
        if (!p.isSet(opt))
            return;
        bool good = false;
        const int v = p.value(opt).toInt(&good);
        if (!good || v < min) {
            *ok = false;
            if (error)
                *error = QStringLiteral("--%1 needs a number of at least %2").arg(opt).arg(min);
            return;
        }
        o.insert(key, v);
    };
    auto flag = [&](const char *opt, const char *key) {
        if (p.isSet(opt))
            o.insert(key, true);
    };
    flag("no-heartbeat", "noHeartbeat");
    num("heartbeat-ms", "heartbeatMs", 50);
    num("heartbeat-stop", "heartbeatStopSec", 1);
    flag("split-writes", "splitWrites");
    flag("junk", "junk");
    num("corrupt-every", "corruptEvery", 1);
    flag("refuse-switch", "refuseSwitch");
    num("reply-delay", "replyDelayMs", 0);
    num("close-after", "closeAfterSec", 1);
    num("interrupt-after", "interruptAfterSec", 1);
    flag("faults-once", "faultsOnce");
    flag("exclusive-port", "exclusivePort");
    num("upgrade-fail-block", "upgradeFailBlock", 0);
    num("upgrade-ignore-boot", "upgradeIgnoreBoot", 0);
    return o;
}

bool SimConfig::parseDeviceOption(const QString &text, const SimFaults &faults, quint16 tcpPort,
                                  quint16 udpPort, int seed, DeviceEntry &out, QString *error)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    const QString model = colon < 0 ? text : text.left(colon);
    QJsonObject json{{"model", model}};
    if (colon >= 0) {
        for (const QString &item : text.mid(colon + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int eq = item.indexOf(QLatin1Char('='));
            const QString key = (eq < 0 ? item : item.left(eq)).trimmed();
            const QString value = eq < 0 ? QString() : item.mid(eq + 1);
            if (key == "addr")
                json.insert("address", value);
            else if (key == "pty")
                json.insert("serial", true);
            else if (key == "link")
                json.insert("link", value), json.insert("serial", true);
            else if (key == "tcp-port" || key == "udp-port" || key == "flags" || key == "extra") {
                bool good = false;
                const int v = value.toInt(&good);
                if (!good) {
                    if (error)
                        *error = QStringLiteral("--device %1: %2 needs a number").arg(text, key);
                    return false;
                }
                json.insert(key == "tcp-port" ? "tcpPort" : key == "udp-port" ? "udpPort" : key, v);
            } else if (key == "usb" || key == "sdi")
                json.insert(key, true);
            else if (key == "id" || key == "name" || key == "version")
                json.insert(key, value);
            else {
                if (error)
                    *error = QStringLiteral("--device %1: unknown key \"%2\"").arg(text, key);
                return false;
            }
        }
    }
    return parseDeviceJson(json, faults, tcpPort, udpPort, seed, out, error);
}

bool SimConfig::parseDeviceJson(const QJsonObject &json, const SimFaults &faults, quint16 tcpPort,
                                quint16 udpPort, int seed, DeviceEntry &out, QString *error)
{
    auto bad = [&](const QString &msg) {
        if (error)
            *error = msg;
        return false;
    };
    int type = -1;
    if (json.value("type").isDouble())
        type = json.value("type").toInt();
    else if (json.contains("model"))
        type = parseModel(json.value("model").toString());
    if (type < -128 || type > 127)
        return bad(QStringLiteral("device needs a known \"model\" or a \"type\" code from -128 to 127"));
    out = DeviceEntry();
    out.identity = defaultIdentity(type, seed);
    out.faults = faults;
    if (json.contains("id")) {
        const QByteArray id = QByteArray::fromHex(json.value("id").toString().toLatin1());
        if (id.size() != 12 || json.value("id").toString().size() != 24)
            return bad(QStringLiteral("device id must be 24 hex digits"));
        out.identity.id = id;
    }
    if (json.contains("name")) {
        out.identity.name = json.value("name").toString().toLocal8Bit();
        if (out.identity.name.size() > 30)
            return bad(QStringLiteral("device name longer than 30 bytes"));
    }
    if (json.contains("version")) {
        out.identity.version = json.value("version").toString().toLatin1();
        if (out.identity.version.size() > 100)
            return bad(QStringLiteral("device version longer than 100 bytes"));
    }
    out.identity.flags = uint8_t(json.value("flags").toInt(0) & 0xFF);
    if (json.value("usb").toBool())
        out.identity.flags |= 1;
    if (json.value("sdi").toBool())
        out.identity.flags |= 2;
    out.identity.extra = uint8_t(json.value("extra").toInt(0) & 0xFF);

    if (json.contains("address") && !parseAddress(json.value("address").toString(), out.setup.address))
        return bad(QStringLiteral("bad device address \"%1\"").arg(json.value("address").toString()));
    out.setup.tcpPort = quint16(json.value("tcpPort").toInt(tcpPort));
    out.setup.udpPort = quint16(json.value("udpPort").toInt(udpPort));
    out.setup.serial = json.value("serial").toBool(false);
    out.setup.ptyLink = json.value("link").toString();
    if (!out.setup.ptyLink.isEmpty())
        out.setup.serial = true;
    if (out.setup.address.isNull() && !out.setup.serial)
        return bad(QStringLiteral("device %1 has neither an address nor a pty").arg(modelName(type)));
    if (json.contains("faults") && !out.faults.apply(json.value("faults").toObject(), error))
        return false;
    out.state = json.value("state").toObject();
    return true;
}

bool SimConfig::load(const QCommandLineParser &p, QString *error)
{
    bool ok = true;
    const quint16 tcpPort = quint16(p.value("tcp-port").toUInt());
    const quint16 udpPort = quint16(p.value("udp-port").toUInt());
    if (tcpPort == 0 || udpPort == 0) {
        if (error)
            *error = QStringLiteral("--tcp-port and --udp-port need a port number");
        return false;
    }
    const QJsonObject cliFaults = faultOptions(p, error, &ok);
    if (!ok)
        return false;

    SimFaults base;
    QJsonArray jsonDevices;
    if (p.isSet("config")) {
        QFile f(p.value("config"));
        if (!f.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("cannot read %1").arg(f.fileName());
            return false;
        }
        QJsonParseError pe;
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &pe);
        if (!doc.isObject()) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(f.fileName(), pe.errorString());
            return false;
        }
        const QJsonObject root = doc.object();
        if (root.contains("faults") && !base.apply(root.value("faults").toObject(), error))
            return false;
        jsonDevices = root.value("devices").toArray();
        if (root.contains("log") && logPath.isEmpty())
            logPath = root.value("log").toString();
    }
    // The command line wins over the file's global faults; a device's own faults win over both.
    if (!base.apply(cliFaults, error))
        return false;

    int seed = 0;
    for (const QJsonValue &v : jsonDevices) {
        DeviceEntry entry;
        if (!parseDeviceJson(v.toObject(), base, tcpPort, udpPort, seed++, entry, error))
            return false;
        devices.append(entry);
    }
    for (const QString &d : p.values("device")) {
        DeviceEntry entry;
        if (!parseDeviceOption(d, base, tcpPort, udpPort, seed++, entry, error))
            return false;
        devices.append(entry);
    }
    if (p.isSet("log"))
        logPath = p.value("log");
    stateFile = p.value("state-file");
    imageDir = p.value("image-dir");
    if (devices.isEmpty()) {
        if (error)
            *error = QStringLiteral("no devices: give --device or --config (see --help)");
        return false;
    }
    return true;
}
