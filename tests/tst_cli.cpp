// vpctl as a user runs it: the real program against vpsim on loopback addresses, in the private
// network namespace the suite runs in (devices are asked by --connect and --serial-port only;
// no broadcast leaves the namespace). Exit codes, what is printed, and what reached the simulated
// devices (frame log, state file).
#include "RemoteClients.h"
#include "SimProcess.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

namespace {
constexpr quint16 OscPort = 47720;
constexpr quint16 HttpPort = 47780;
const QString HallAddress = QStringLiteral("127.0.74.2");
const QString SpareAddress = QStringLiteral("127.0.74.3");
const QString HallId = QStringLiteral("0f7400000000000000000a02");
const QString SpareId = QStringLiteral("0f7400000000000000000a03");
const QString KxId = QStringLiteral("0f7400000000000000000a04");
const QString CutAddress = QStringLiteral("127.0.74.5");
const QString CutId = QStringLiteral("0f7400000000000000000a05");

// The simulated devices: Hall set up away from the simulator's defaults (its layout and its
// device-wide switches), Spare and a KX4200 on a pseudo-terminal as they start. The KX4200 is
// named Hall too, so that the name is ambiguous where both are found.
QJsonObject simConfig(const QString &kxLink)
{
    const QJsonArray windows{
        QJsonObject{{"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}, {"src", 32}},
        QJsonObject{{"x", 1920}, {"y", 0}, {"width", 960}, {"height", 540}, {"src", 16}, {"alpha", 80}},
        QJsonObject{{"x", 2880}, {"y", 540}, {"width", 960}, {"height", 540}, {"src", 33}},
        QJsonObject{{"x", 200}, {"y", 600}, {"width", 640}, {"height", 360}, {"src", 0}},
    };
    // audio following the switch and muted, fade of 9, frame sync, background colour
    const QJsonArray other{1, 1, 1, 20, 0, 0, 0, 1, 9, 0, 1, 1, 1, 10, 10, 20, 30, 255, 255, 255};
    return QJsonObject{
        {"devices",
         QJsonArray{
             QJsonObject{{"model", "KS9200"},
                         {"address", HallAddress},
                         {"id", HallId},
                         {"name", "Hall"},
                         {"state", QJsonObject{{"windows", windows}, {"other", other}}}},
             QJsonObject{{"model", "KS9200"}, {"address", SpareAddress}, {"id", SpareId}, {"name", "Spare"}},
             QJsonObject{
                 {"model", "KX4200"}, {"serial", true}, {"link", kxLink}, {"id", KxId}, {"name", "Hall"}}}}};
}

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

QString binary()
{
    return qEnvironmentVariable("VPCTL");
}

Run vpctl(const QStringList &args, int timeoutMs = 60000)
{
    QProcess p;
    p.start(binary(), args);
    Run r;
    if (!p.waitForStarted(5000) || !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        r.err = QStringLiteral("vpctl did not run to its end: ") + p.errorString();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Frames a device received that change something (anything but searches and read requests).
int settingFrames(const SimProcess &sim, const QString &cpuid, int fromLine, const QString &dir = "rx")
{
    int n = 0;
    for (const QJsonObject &f : sim.logFrom(fromLine)) {
        const int cmd = f.value("cmd").toInt();
        n += f.value("device").toString() == cpuid && f.value("dir").toString() == dir && cmd < 0xE1;
    }
    return n;
}

QByteArray describe(const Run &r)
{
    return QStringLiteral("exit %1\n--- stdout\n%2--- stderr\n%3").arg(r.code).arg(r.out, r.err).toUtf8();
}

} // namespace

class TstCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usageErrors_data();
    void usageErrors();
    void searchFindsGivenDevices_data();
    void searchFindsGivenDevices();
    void serveReachesTheDeviceAndEndsCleanly();
    void unknownOrAmbiguousDeviceFails_data();
    void unknownOrAmbiguousDeviceFails();
    void backUpAndRestoreToAFreshDevice();
    void diffAndDryRunPrintAndSendNothing_data();
    void diffAndDryRunPrintAndSendNothing();
    void badFileNamesDeviceAndFieldAndSendsNothing_data();
    void badFileNamesDeviceAndFieldAndSendsNothing();
    void linkCutHalfwayExitsThree();

private:
    SimProcess sim;
    QString kxLink;
    QTemporaryDir dir;
    QString hallFile; // Hall as it started
};

void TstCli::initTestCase()
{
    QVERIFY2(QFile::exists(binary()), "VPCTL must name the vpctl binary");
    kxLink = dir.filePath("kx");
    QFile config(dir.filePath("devices.json"));
    QVERIFY(config.open(QIODevice::WriteOnly) && config.write(QJsonDocument(simConfig(kxLink)).toJson()) > 0);
    config.close();
    QVERIFY2(sim.start({"--config", config.fileName()}), qPrintable(sim.errorString()));
    hallFile = dir.filePath("hall.json");
    const Run r = vpctl({"backup", "Hall", "--connect", HallAddress, "--only-given", "-o", hallFile});
    QVERIFY2(r.code == 0 && QFile::exists(hallFile), describe(r));
}

void TstCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList() << "no command given";
    QTest::newRow("unknown command") << QStringList{"backpu"} << "unknown command \"backpu\"";
    QTest::newRow("unknown option") << QStringList{"search", "--colour"} << "Unknown option 'colour'";
    QTest::newRow("search takes no device")
        << QStringList{"search", "Hall"} << "unexpected argument \"Hall\"";
    QTest::newRow("backup without -o") << QStringList{"backup", "Hall"} << "-o FILE is required";
    QTest::newRow("diff without file") << QStringList{"diff"} << "needs FILE";
    QTest::newRow("restore of two files")
        << QStringList{"restore", "a.json", "b.json"} << "unexpected argument \"b.json\"";
    QTest::newRow("unknown group") << QStringList{"restore", "a.json", "--only", "outputs,lights"}
                                   << "unknown group \"lights\"";
    QTest::newRow("only given, nothing given")
        << QStringList{"search", "--only-given"} << "--only-given needs";
    QTest::newRow("timeout not a number") << QStringList{"search", "--timeout", "soon"} << "--timeout needs";
    QTest::newRow("port out of range") << QStringList{"serve", "--http-port", "70000"} << "--http-port needs";
    QTest::newRow("open address without token")
        << QStringList{"serve", "--bind", "0.0.0.0"} << "needs a token of at least 8 characters";
}

void TstCli::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const int logStart = sim.log().size();
    const Run r = vpctl(args);
    QVERIFY2(r.code == 2, describe(r));
    QVERIFY2(r.err.contains(message), describe(r));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(sim.logFrom(logStart).size(), 0);
}

void TstCli::searchFindsGivenDevices_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("json");
    QTest::newRow("network, table") << QStringList{"--connect", HallAddress} << false;
    QTest::newRow("network, JSON") << QStringList{"--connect", HallAddress, "--json"} << true;
    QTest::newRow("serial port, table") << QStringList{"--serial-port", "KX"} << false;
    QTest::newRow("serial port, JSON") << QStringList{"--serial-port", "KX", "--json"} << true;
}

void TstCli::searchFindsGivenDevices()
{
    QFETCH(QStringList, args);
    QFETCH(bool, json);
    const bool serial = args.contains("--serial-port");
    args.replaceInStrings(QRegularExpression("^KX$"), kxLink);
    const Run r = vpctl(QStringList{"search", "--only-given", "--timeout", "5000"} + args);
    QVERIFY2(r.code == 0, describe(r));
    const QStringList expected =
        serial ? QStringList{"KX4200", "Hall", KxId, "serial", kxLink, "V1.0.6", "online"}
               : QStringList{"KS9200", "Hall", HallId, "network", HallAddress, "V1.0.6", "online"};
    if (json) {
        const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
        QVERIFY2(list.size() == 1, describe(r));
        const QJsonObject d = list.first().toObject();
        const QStringList got{d.value("model").toString(),   d.value("name").toString(),
                              d.value("cpuid").toString(),   d.value("connection").toString(),
                              d.value("address").toString(), d.value("version").toString(),
                              d.value("state").toString()};
        QCOMPARE(got, expected);
        return;
    }
    const QStringList lines = r.out.trimmed().split('\n');
    QVERIFY2(lines.size() == 2, describe(r));
    QCOMPARE(lines.first().split(' ', Qt::SkipEmptyParts),
             (QStringList{"MODEL", "NAME", "CPUID", "CONNECTION", "VERSION", "STATE"}));
    QCOMPARE(lines.last().split(' ', Qt::SkipEmptyParts), expected);
}

void TstCli::serveReachesTheDeviceAndEndsCleanly()
{
    const int logStart = sim.log().size();
    QProcess serve;
    serve.start(binary(), {"serve", "--only-given", "--connect", HallAddress, "--osc-port",
                           QString::number(OscPort), "--http-port", QString::number(HttpPort)});
    QVERIFY(serve.waitForStarted(5000));
    QString printed;
    QVERIFY2(SimProcess::waitFor(
                 [&] {
                     printed += QString::fromUtf8(serve.readAllStandardOutput());
                     return printed.contains("devices: 1");
                 },
                 15000),
             qPrintable(printed + serve.readAllStandardError()));

    const RemoteClients::HttpReply http =
        RemoteClients::http(HttpPort, "POST", "/api/devices/Hall/freeze", R"({"on": true})");
    QVERIFY2(http.status == 200, http.body.constData());
    RemoteClients::OscClient osc;
    osc.send(OscPort, "/vp/Hall/blackscreen", "i:1");
    QCOMPARE(osc.reply("/vp/Hall/blackscreen").value("ok"), QJsonValue(true));
    QCOMPARE(sim.countFrames(HallId, "rx", 0x10, 0x00, logStart), 1); // freeze
    QCOMPARE(sim.countFrames(HallId, "rx", 0x13, 0x00, logStart), 1); // black screen
    QVERIFY(SimProcess::waitFor(
        [&] {
            sim.refresh();
            const QJsonArray other = sim.device(HallId)->state.value("other").toArray();
            return other.at(6).toInt() == 1 && other.at(9).toInt() == 1;
        },
        5000));

    serve.terminate();
    QVERIFY(serve.waitForFinished(10000));
    QCOMPARE(serve.exitStatus(), QProcess::NormalExit);
    QCOMPARE(serve.exitCode(), 0);
    QVERIFY(serve.readAllStandardOutput().contains("stopped"));
}

void TstCli::unknownOrAmbiguousDeviceFails_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown name") << QStringList{"backup", "Nobody", "--connect", HallAddress, "-o", "OUT"}
                                  << "no device \"Nobody\" was found";
    QTest::newRow("ambiguous name") << QStringList{"backup",        "Hall", "--connect", HallAddress,
                                                   "--serial-port", "KX",   "-o",        "OUT"}
                                    << "the name \"Hall\" is ambiguous: 2 share it";
    QTest::newRow("file device not found")
        << QStringList{"restore", "FILE", "--connect", SpareAddress}
        << QStringLiteral(R"(devices[0] (KS9200 "Hall") of FILE: no device with cpuid %1 was found)")
               .arg(HallId);
}

void TstCli::unknownOrAmbiguousDeviceFails()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString out = dir.filePath("not-written.json");
    args.replaceInStrings(QRegularExpression("^OUT$"), out);
    args.replaceInStrings(QRegularExpression("^KX$"), kxLink);
    args.replaceInStrings(QRegularExpression("^FILE$"), hallFile);
    message.replace("FILE", hallFile);
    const int logStart = sim.log().size();
    const Run r = vpctl(args + QStringList{"--only-given"});
    QVERIFY2(r.code == 1 && r.err.contains(message), describe(r));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(settingFrames(sim, HallId, logStart) + settingFrames(sim, SpareId, logStart) +
                 settingFrames(sim, KxId, logStart),
             0);
}

void TstCli::backUpAndRestoreToAFreshDevice()
{
    const QString file = dir.filePath("round-trip.json");
    Run r = vpctl({"backup", HallAddress, "--only-given", "-o", file});
    QVERIFY2(r.code == 0 && r.out.contains(HallId), describe(r));
    const int logStart = sim.log().size();
    r = vpctl({"restore", file, "--to", SpareAddress, "--only-given"});
    QVERIFY2(r.code == 0 && r.out.contains("Result: done"), describe(r));
    QCOMPARE(settingFrames(sim, HallId, logStart), 0);

    // The two devices' state files agree on every restorable setting (a difference that stays
    // is shown key by key).
    SimProcess::waitFor(
        [&] {
            sim.refresh();
            return sim.device(HallId)->state == sim.device(SpareId)->state;
        },
        5000);
    const QJsonObject hall = sim.device(HallId)->state, spare = sim.device(SpareId)->state;
    for (const QString &key : hall.keys())
        QVERIFY2(hall.value(key) == spare.value(key),
                 qPrintable(key + ": " +
                            QJsonDocument(QJsonObject{{"Hall", hall.value(key)}, {"Spare", spare.value(key)}})
                                .toJson(QJsonDocument::Compact)));
}

void TstCli::diffAndDryRunPrintAndSendNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("diff") << QStringList{"diff", "FILE", "KX"};
    QTest::newRow("restore --dry-run") << QStringList{"restore", "FILE", "--to", "KX", "--dry-run"};
}

void TstCli::diffAndDryRunPrintAndSendNothing()
{
    QFETCH(QStringList, args);
    args.replaceInStrings(QRegularExpression("^FILE$"), hallFile);
    args.replaceInStrings(QRegularExpression("^KX$"), kxLink);
    const int logStart = sim.log().size();
    const Run r = vpctl(args + QStringList{"--only-given"});
    QVERIFY2(r.code == 0, describe(r));
    // A setting the KX4200 takes, with the file's and the device's value, and one it cannot take
    // with the reason.
    QMap<QString, QStringList> rows;
    for (const QString &line : r.out.split('\n')) {
        const QStringList cells = line.split(QRegularExpression("  +"));
        if (cells.size() >= 4)
            rows.insert(cells.at(1), cells);
    }
    QCOMPARE(rows.value("window 2 transparency"),
             (QStringList{"layout", "window 2 transparency", "80", "100"}));
    QCOMPARE(rows.value("EDID VGA2"),
             (QStringList{"edid", "EDID VGA2", "1920x1080 60 Hz", "none", "the KX4200 has no VGA2"}));
    QCOMPARE(settingFrames(sim, KxId, logStart), 0);
}

void TstCli::badFileNamesDeviceAndFieldAndSendsNothing_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    QTest::newRow("not JSON") << "text"
                              << "The file is not valid JSON";
    QTest::newRow("truncated") << "half"
                               << "truncated";
    QTest::newRow("newer format") << "format 3"
                                  << "The file is of format 3, this program reads up to 1.";
    QTest::newRow("value out of range")
        << "width 70000"
        << R"(devices[0] (KS9200 "Hall"): windows[0].width: 70000 is outside 0..65535)";
    QTest::newRow("list too long")
        << "19 windows"
        << R"(devices[0] (KS9200 "Hall"): windows: has 19 entries, at most 18 are allowed)";
}

void TstCli::badFileNamesDeviceAndFieldAndSendsNothing()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    QFile good(hallFile);
    QVERIFY(good.open(QIODevice::ReadOnly));
    QByteArray text = good.readAll();
    QJsonObject root = QJsonDocument::fromJson(text).object();
    QJsonArray devices = root.value("devices").toArray();
    QJsonObject device = devices.at(0).toObject();
    QJsonArray windows = device.value("windows").toArray();
    if (change == "text") {
        text = "this is no configuration";
    } else if (change == "half") {
        text.truncate(text.size() / 2);
    } else {
        if (change == "format 3") {
            root.insert("format", 3);
        } else if (change == "width 70000") {
            QJsonObject w = windows.at(0).toObject();
            w.insert("width", 70000);
            windows.replace(0, w);
        } else {
            while (windows.size() < 19)
                windows.append(windows.at(0));
        }
        device.insert("windows", windows);
        devices.replace(0, device);
        root.insert("devices", devices);
        text = QJsonDocument(root).toJson();
    }
    const QString path = dir.filePath("bad.json");
    QFile bad(path);
    QVERIFY(bad.open(QIODevice::WriteOnly | QIODevice::Truncate) && bad.write(text) == text.size());
    bad.close();

    const int logStart = sim.log().size();
    const Run r = vpctl({"restore", path, "--to", HallAddress, "--only-given"});
    QVERIFY2(r.code == 1, describe(r));
    QVERIFY2(r.err.contains(path) && r.err.contains(message), describe(r));
    QCOMPARE(sim.logFrom(logStart).size(), 0); // not even a search
}

void TstCli::linkCutHalfwayExitsThree()
{
    // A device of its own that answers each frame a little late, so that the restore is still
    // running when its simulator is killed.
    SimProcess cut;
    QVERIFY2(cut.start({"--reply-delay", "200", "--device",
                        QStringLiteral("KS9200:addr=%1,id=%2").arg(CutAddress, CutId)}),
             qPrintable(cut.errorString()));
    QProcess restore;
    restore.start(binary(), {"restore", hallFile, "--to", CutAddress, "--only-given"});
    QVERIFY(restore.waitForStarted(5000));
    QVERIFY(SimProcess::waitFor([&] { return settingFrames(cut, CutId, 0, "tx") >= 3; }, 30000));
    cut.kill();
    QVERIFY(restore.waitForFinished(60000));
    const Run r{restore.exitCode(), QString::fromUtf8(restore.readAllStandardOutput()),
                QString::fromUtf8(restore.readAllStandardError())};
    QVERIFY2(restore.exitStatus() == QProcess::NormalExit && r.code == 3, describe(r));
    QVERIFY2(r.out.contains("Result: partly applied"), describe(r));
    const QRegularExpressionMatch applied =
        QRegularExpression("^Groups applied: (.+)$", QRegularExpression::MultilineOption).match(r.out);
    const QRegularExpressionMatch notApplied =
        QRegularExpression("^Groups not applied: (.+)$", QRegularExpression::MultilineOption).match(r.out);
    QVERIFY2(applied.hasMatch() && notApplied.hasMatch(), describe(r));
    QVERIFY2(r.err.contains("partly applied"), describe(r));
}

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
