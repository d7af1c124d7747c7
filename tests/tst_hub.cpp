// The device hub headless against vpsim: transactions end as the device answered (acknowledged,
// refused, timed out, link lost, not online), and a returning device keeps its record.
#include "CommManager.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceHub.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SimHub.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include <QJsonArray>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>
namespace {
const SimHub::Ports Ports{29989, 29990, 29213};
const QString KsAddress = QStringLiteral("127.0.61.2");
const QString GwAddress = QStringLiteral("127.0.61.3");
const QString KsId = QStringLiteral("0f6100000000000000000a02");
const QString GwId = QStringLiteral("0f6100000000000000000a03");
const QString SilentId = QStringLiteral("0f6100000000000000000a09");
using TestSupport::waitUntil;
QStringList simArgs(const QStringList &devices)
{
    return SimHub::simArgs(Ports, devices) + QStringList{"--heartbeat-ms", "200"};
}
} // namespace

class TstHub : public QObject
{
    Q_OBJECT
    SimProcess sim;
    std::unique_ptr<DeviceHub> hub;

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(SimProcess::binary()), "VPSIM must name the vpsim binary");
        QVERIFY2(sim.start(simArgs({QStringLiteral("KS9200:addr=%1,id=%2").arg(KsAddress, KsId),
                                    QStringLiteral("GW5:addr=%1,id=%2").arg(GwAddress, GwId)})),
                 qPrintable(sim.errorString()));
        hub = std::make_unique<DeviceHub>();
        QVERIFY(SimHub::bringOnline(*hub, Ports, {KsAddress, GwAddress}, {KsId, GwId}));
    }
    void cleanupTestCase() { hub.reset(), sim.stop(); }
    void transactEndsAsTheDeviceAnswers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QList<int>>("frames"); // sent, acknowledged, refused; -1: as many as the device received
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
        QFETCH(QString, action);
        QFETCH(int, outcome);
        QFETCH(QList<int>, frames);
        // A peer that accepts the connection and never answers, registered as the device it claims.
        QTcpServer silent;
        QTcpSocket *peer = nullptr;
        if (action.startsWith("silent")) {
            QVERIFY(silent.listen(QHostAddress::LocalHost));
            const uint key = hub->commManager()->connectTcp(QHostAddress::LocalHost, silent.serverPort());
            QVERIFY(waitUntil([&] { return silent.hasPendingConnections(); }));
            peer = silent.nextPendingConnection();
            const QByteArray hello = QByteArray::fromHex("030000" + SilentId.toLatin1() + "02") + "V1"; // a KS9200
            hub->registerAnnouncement(key, 0, hello + QByteArray(2, 0), QHostAddress::LocalHost, short(Ports.udp));
            QVERIFY(hub->isOnline(SilentId));
        }
        const QString id = action.startsWith("gw")       ? GwId
                           : action.startsWith("silent") ? SilentId
                           : action == "unknown"         ? QStringLiteral("ffffffffffffffffffffffff")
                                                         : KsId;
        const int logStart = sim.log().size();
        bool ran = false;
        int windowsAtDone = -1;
        std::unique_ptr<HubResult> result;
        hub->transact(
            id,
            [&] {
                ran = true;
                if (action == "ks freeze" || action.startsWith("silent"))
                    hub->ksInterface(id)->setFreeze(1);
                else if (action == "ks bad switch")
                    hub->write(id, KS9200Interface::switchInputFrame(15, 33));
                else if (action == "gw move")
                    hub->gwInterface(id)->moveWindow(1, 1000, 100, 2000, 900, 1);
                else if (action == "ks read all") {
                    hub->ksRecord(id)->clearAllData();
                    hub->interfaceOf(id)->readAll();
                } else if (action == "ks read windows")
                    hub->interfaceOf(id)->readWindows();
            },
            action == "silent" ? 300 : 10000,
            [&](const HubResult &r) {
                result = std::make_unique<HubResult>(r);
                if (DEVICE_INFO_KS *rec = hub->ksRecord(id))
                    windowsAtDone = rec->windows.size();
            });
        QVERIFY(!result); // never inside transact()
        if (action == "silent closes") {
            QVERIFY(waitUntil([&] { return peer->bytesAvailable() >= 23; }));
            peer->close();
        }
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
            QCOMPARE(windowsAtDone, sim.device(KsId)->state.value("windows").toArray().size());
        }
    }
    // Headless, the device killed and started again comes back under the same record and interface,
    // is read back in full and the loss is reported once.
    void returningDeviceKeepsItsRecord()
    {
        const QString id = QStringLiteral("0f6100000000000000000a05");
        const QString device = QStringLiteral("KS9200:addr=127.0.61.5,id=%1").arg(id);
        SimProcess own;
        QVERIFY2(own.start(simArgs({device})), qPrintable(own.errorString()));
        DeviceHub h;
        h.setRetryIntervals(100, 400);
        QVERIFY(SimHub::bringOnline(h, Ports, {QStringLiteral("127.0.61.5")}, {id}));
        INFO_BASIC *record = h.record(id);
        Interface *iface = h.interfaceOf(id);
        QSignalSpy lost(&h, &DeviceHub::connectionLost);
        QSignalSpy finished(&h, &DeviceHub::readBackFinished);

        own.kill();
        QVERIFY(waitUntil([&] { return h.linkState(id) == DeviceHub::Link::Reconnecting; }));
        QVERIFY(h.linkLostAt(id).isValid());
        QCOMPARE(h.write(id, Interface::requestFrame(0xE2)), -1);
        QVERIFY(own.start(simArgs({device})));
        QVERIFY(waitUntil([&] { return h.isOnline(id) && finished.count() == 1; }));
        QCOMPARE(h.record(id), record);
        QCOMPARE(h.interfaceOf(id), iface);
        QCOMPARE(lost.count(), 1);
        QVERIFY(own.refresh());
        QCOMPARE(h.ksRecord(id)->windows.size(), own.device(id)->state.value("windows").toArray().size());
        QVERIFY(!h.linkLostAt(id).isValid());
    }
};

QTEST_GUILESS_MAIN(TstHub)
#include "tst_hub.moc"
