// vpctl against vpsim on loopback (--connect, --serial-port): exit codes, output, frames the devices received.
#include "ConfigSamples.h"
#include "RemoteClients.h"
#include "SimHub.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "RowData.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>
using SimHub::settingFrames;
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
        QJsonObject{{"x", 200}, {"y", 600}, {"width", 640}, {"height", 360}, {"src", 0}}};
    // audio following the switch and muted, fade of 9, frame sync, background colour
    const QJsonArray other{1, 1, 1, 20, 0, 0, 0, 1, 9, 0, 1, 1, 1, 10, 10, 20, 30, 255, 255, 255};
    const QJsonObject hall{{"model", "KS9200"}, {"address", HallAddress}, {"id", HallId}, {"name", "Hall"},
                           {"state", QJsonObject{{"windows", windows}, {"other", other}}}};
    const QJsonObject spare{{"model", "KS9200"}, {"address", SpareAddress}, {"id", SpareId}, {"name", "Spare"}};
    const QJsonObject kx{{"model", "KX4200"}, {"serial", true}, {"link", kxLink}, {"id", KxId}, {"name", "Hall"}};
    return QJsonObject{{"devices", QJsonArray{hall, spare, kx}}};
}
struct Run { int code = -1; QString out, err; };
QString binary() { return qEnvironmentVariable("VPCTL"); }
// What a vpctl process that has ended (or been started and is waited for) printed.
Run ended(QProcess &p)
{
    if (!p.waitForFinished(60000)) {
        p.kill(), p.waitForFinished(2000);
        return Run{-1, QString(), "vpctl did not run to its end: " + p.errorString()};
    }
    return Run{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
               QString::fromUtf8(p.readAllStandardError())};
}
Run vpctl(const QStringList &args)
{
    QProcess p;
    p.start(binary(), args);
    return ended(p);
}
QByteArray describe(const Run &r)
{
    return QStringLiteral("exit %1\n--- stdout\n%2--- stderr\n%3").arg(r.code).arg(r.out, r.err).toUtf8();
}
} // namespace

class TstCli : public QObject
{
    Q_OBJECT
    SimProcess sim;
    QString kxLink;
    QTemporaryDir dir;
    QString hallFile; // Hall as it started

    // FILE, KX and OUT in `args` stand for Hall's file, the KX4200's port and a file not to write.
    QStringList expand(QStringList args)
    {
        args.replaceInStrings(QRegularExpression("^FILE$"), hallFile);
        args.replaceInStrings(QRegularExpression("^KX$"), kxLink);
        return args.replaceInStrings(QRegularExpression("^OUT$"), dir.filePath("not-written.json"));
    }

private slots:
    void initTestCase()
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

    void refusals_data()
    {
        columns<QStringList, QString>("args", "message");
        using L = QStringList;
        QTest::newRow("no command") << L() << "no command given";
        QTest::newRow("unknown command") << L{"backpu"} << "unknown command \"backpu\"";
        QTest::newRow("unknown option") << L{"search", "--colour"} << "Unknown option 'colour'";
        QTest::newRow("search takes no device") << L{"search", "Hall"} << "unexpected argument \"Hall\"";
        QTest::newRow("backup without -o") << L{"backup", "Hall"} << "-o FILE is required";
        QTest::newRow("diff without file") << L{"diff"} << "needs FILE";
        QTest::newRow("unknown group") << L{"restore", "a.json", "--only", "outputs,lights"}
                                       << "unknown group \"lights\"";
        QTest::newRow("only given, nothing given") << L{"search", "--only-given"} << "--only-given needs";
        QTest::newRow("timeout not a number") << L{"search", "--timeout", "soon"} << "--timeout needs";
        QTest::newRow("port out of range") << L{"serve", "--http-port", "70000"} << "--http-port needs";
        QTest::newRow("open address without token")
            << L{"serve", "--bind", "0.0.0.0"} << "needs a token of at least 8 characters";
        QTest::newRow("unknown name") << L{"backup", "Nobody", "--connect", HallAddress, "-o", "OUT"}
                                      << "no device \"Nobody\" was found";
        QTest::newRow("ambiguous name")
            << L{"backup", "Hall", "--connect", HallAddress, "--serial-port", "KX", "-o", "OUT"}
            << "the name \"Hall\" is ambiguous: 2 share it";
        QTest::newRow("file device not found")
            << L{"restore", "FILE", "--connect", SpareAddress}
            << QStringLiteral(R"(devices[0] (KS9200 "Hall") of FILE: no device with cpuid %1 was found)").arg(HallId);
    }
    // Usage errors exit 2 before any search; a device that is not found or not told apart (the rows
    // that search) exits 1: nothing written, no setting sent.
    void refusals()
    {
        auto [args, message] = fetch<QStringList, QString>("args", "message");
        const bool searches = args.contains("--connect");
        if (searches)
            message.replace("FILE", hallFile);
        const int logStart = sim.log().size();
        const Run r = vpctl(expand(args) + (searches ? QStringList{"--only-given"} : QStringList()));
        QVERIFY2(r.code == (searches ? 1 : 2) && r.err.contains(message) && (searches || r.out.isEmpty()), describe(r));
        QVERIFY(!QFile::exists(dir.filePath("not-written.json")));
        QCOMPARE(sim.logFrom(logStart).size() > 0, searches);
        for (const QString &id : {HallId, SpareId, KxId})
            QCOMPARE(settingFrames(sim, id, logStart, "rx", 0xE1), 0);
    }
    void searchFindsGivenDevices_data()
    {
        columns<QStringList, bool>("args", "json");
        QTest::newRow("network, table") << QStringList{"--connect", HallAddress} << false;
        QTest::newRow("network, JSON") << QStringList{"--connect", HallAddress, "--json"} << true;
        QTest::newRow("serial port, table") << QStringList{"--serial-port", "KX"} << false;
    }
    void searchFindsGivenDevices()
    {
        auto [args, json] = fetch<QStringList, bool>("args", "json");
        const Run r = vpctl(QStringList{"search", "--only-given", "--timeout", "5000"} + expand(args));
        QVERIFY2(r.code == 0, describe(r));
        const QStringList expected =
            args.contains("--serial-port")
                ? QStringList{"KX4200", "Hall", KxId, "serial", kxLink, "V1.0.6", "online"}
                : QStringList{"KS9200", "Hall", HallId, "network", HallAddress, "V1.0.6", "online"};
        if (json) {
            const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
            QVERIFY2(list.size() == 1, describe(r));
            QStringList got;
            for (const char *key : {"model", "name", "cpuid", "connection", "address", "version", "state"})
                got << list.first().toObject().value(key).toString();
            QCOMPARE(got, expected);
            return;
        }
        const QStringList lines = r.out.trimmed().split('\n');
        QVERIFY2(lines.size() == 2, describe(r));
        QCOMPARE(lines.first().split(' ', Qt::SkipEmptyParts),
                 (QStringList{"MODEL", "NAME", "CPUID", "CONNECTION", "VERSION", "STATE"}));
        QCOMPARE(lines.last().split(' ', Qt::SkipEmptyParts), expected);
    }

    void serveReachesTheDeviceAndEndsCleanly()
    {
        const int logStart = sim.log().size();
        QProcess serve;
        serve.start(binary(), {"serve", "--only-given", "--connect", HallAddress, "--osc-port",
                               QString::number(OscPort), "--http-port", QString::number(HttpPort)});
        QVERIFY(serve.waitForStarted(5000));
        QString printed;
        const auto ready = [&] { return (printed += serve.readAllStandardOutput()).contains("devices: 1"); };
        QVERIFY2(SimProcess::waitFor(ready, 15000), qPrintable(printed + serve.readAllStandardError()));
        QCOMPARE(RemoteClients::http(HttpPort, "POST", "/api/devices/Hall/freeze", R"({"on": true})").status, 200);
        RemoteClients::OscClient osc;
        osc.send(OscPort, "/vp/Hall/blackscreen", "i:1");
        QCOMPARE(osc.reply("/vp/Hall/blackscreen").value("ok"), QJsonValue(true));
        QCOMPARE(sim.countFrames(HallId, "rx", 0x10, 0x00, logStart), 1); // freeze
        QCOMPARE(sim.countFrames(HallId, "rx", 0x13, 0x00, logStart), 1); // black screen
        serve.terminate();
        QVERIFY(serve.waitForFinished(10000));
        QCOMPARE(serve.exitStatus() == QProcess::NormalExit ? serve.exitCode() : -1, 0);
        QVERIFY(serve.readAllStandardOutput().contains("stopped"));
    }

    void backUpAndRestoreToAFreshDevice()
    {
        const QString file = dir.filePath("round-trip.json");
        Run r = vpctl({"backup", HallAddress, "--only-given", "-o", file});
        QVERIFY2(r.code == 0 && r.out.contains(HallId), describe(r));
        const int logStart = sim.log().size();
        r = vpctl({"restore", file, "--to", SpareAddress, "--only-given"});
        QVERIFY2(r.code == 0 && r.out.contains("Result: done"), describe(r));
        QCOMPARE(settingFrames(sim, HallId, logStart, "rx", 0xE1), 0);
        // The two devices' state files agree on every restorable setting.
        QCOMPARE(SimHub::stateDifference(sim, HallId, SpareId), QString());
    }

    // A setting the KX4200 takes (file's and device's value) and one it cannot take (reason); nothing is sent.
    void diffAndDryRunPrintAndSendNothing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("diff") << QStringList{"diff", "FILE", "KX"};
        QTest::newRow("restore --dry-run") << QStringList{"restore", "FILE", "--to", "KX", "--dry-run"};
    }
    void diffAndDryRunPrintAndSendNothing()
    {
        QFETCH(QStringList, args);
        const int logStart = sim.log().size();
        const Run r = vpctl(expand(args) + QStringList{"--only-given"});
        QVERIFY2(r.code == 0, describe(r));
        QMap<QString, QStringList> rows;
        for (const QString &line : r.out.split('\n')) {
            const QStringList cells = line.split(QRegularExpression("  +"));
            if (cells.size() >= 4)
                rows.insert(cells.at(1), cells);
        }
        QCOMPARE(rows.value("window 2 transparency"), (QStringList{"layout", "window 2 transparency", "80", "100"}));
        QCOMPARE(rows.value("EDID VGA2"),
                 (QStringList{"edid", "EDID VGA2", "1920x1080 60 Hz", "none", "the KX4200 has no VGA2"}));
        QCOMPARE(settingFrames(sim, KxId, logStart, "rx", 0xE1), 0);
    }

    void badFileNamesDeviceAndFieldAndSendsNothing_data() { ConfigSamples::badFileRows(); }
    void badFileNamesDeviceAndFieldAndSendsNothing()
    {
        QFETCH(QString, message);
        QFile good(hallFile), bad(dir.filePath("bad.json"));
        QVERIFY(good.open(QIODevice::ReadOnly) && bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(bad.write(ConfigSamples::badFile(good.readAll(), QTest::currentDataTag())) > 0);
        bad.close();
        const int logStart = sim.log().size();
        const Run r = vpctl({"restore", bad.fileName(), "--to", HallAddress, "--only-given"});
        QVERIFY2(r.code == 1 && r.err.contains(bad.fileName()) && r.err.contains(message), describe(r));
        QCOMPARE(sim.logFrom(logStart).size(), 0); // not even a search
    }

    void linkCutHalfwayExitsThree()
    {
        // A device answering a little late, so that the restore still runs when its simulator is killed.
        SimProcess cut;
        const QString device = QStringLiteral("KS9200:addr=%1,id=%2").arg(CutAddress, CutId);
        QVERIFY2(cut.start({"--reply-delay", "200", "--device", device}), qPrintable(cut.errorString()));
        QProcess restore;
        restore.start(binary(), {"restore", hallFile, "--to", CutAddress, "--only-given"});
        QVERIFY(restore.waitForStarted(5000));
        QVERIFY(SimProcess::waitFor([&] { return settingFrames(cut, CutId, 0, "tx", 0xE1) >= 3; }, 30000));
        cut.kill();
        const Run r = ended(restore);
        QVERIFY2(r.code == 3, describe(r));
        QVERIFY2(r.out.contains("Result: partly applied") && r.err.contains("partly applied"), describe(r));
        const QRegularExpression groups("^Groups applied: .+\n(Groups partly applied: .+\n)?Groups not applied: .+$",
                                        QRegularExpression::MultilineOption);
        QVERIFY2(groups.match(r.out).hasMatch(), describe(r));
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
