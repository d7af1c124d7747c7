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

private:
    SimProcess sim;
    QString kxLink;
    QTemporaryDir dir;
};

void TstCli::initTestCase()
{
    QVERIFY2(QFile::exists(binary()), "VPCTL must name the vpctl binary");
    kxLink = dir.filePath("kx");
    QVERIFY2(
        sim.start({"--device", QStringLiteral("KS9200:addr=%1,id=%2,name=Hall").arg(HallAddress, HallId),
                   "--device", QStringLiteral("KS9200:addr=%1,id=%2,name=Spare").arg(SpareAddress, SpareId),
                   "--device", QStringLiteral("KX4200:pty,link=%1,id=%2,name=Side").arg(kxLink, KxId)}),
        qPrintable(sim.errorString()));
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
        serial ? QStringList{"KX4200", "Side", KxId, "serial", kxLink, "V1.0.6", "online"}
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

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
