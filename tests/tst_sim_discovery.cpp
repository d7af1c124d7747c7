// End to end in an isolated network: vpsim runs in a device-side network namespace joined to the
// test's namespace by a veth pair (scripts/netns.sh, installed beside the binary). CommManager
// finds the devices by broadcast, opens their TCP links on the announcements, reaches one more
// device through its pseudo-terminal as a named serial port, and reads every device back in full
// while the simulator writes its replies in small pieces with junk between the frames.
#include "CommManager.h"
#include "DeviceModels.h"
#include "FrameCodec.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "Records.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include <QFileInfo>
#include <QNetworkInterface>
#include <QtTest>
#include <memory>

namespace {
// Ports of this suite alone. Every broadcast is also looped back to the sockets of this namespace,
// where other suites' simulators listen on the standard ports and other transport managers bind
// the standard discovery port on every interface; with ports of its own the search reaches only
// this suite's simulator and its discovery sockets bind whatever else runs beside it.
constexpr quint16 UdpPort = 48989, DiscoveryPort = 48990, TcpPort = 48213;
using TestSupport::waitUntil;
int run(const QString &p, const QStringList &a, QString *out = nullptr) { return TestSupport::runProgram(p, a, out); }

// What one announced device sent and what its interface decoded.
struct Device
{
    QString cpuid;
    int type = -1;
    uint keyTCP = 0;
    bool serial = false;
    std::unique_ptr<Interface> iface;
    int frames = 0;   // frames handed on after the announcement
    int endOfAll = 0; // 0xEF replies
    int decoded = 0;  // signals of the interface
    QList<INFO_PANEL> ksPanels;
    QList<INFO_WINDOW> ksWindows;
    int kxModes = 0, gwWindows = 0;
};
} // namespace

class TestSimDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerRecordTypes();
        const QString bin = qEnvironmentVariable("VPSIM");
        QVERIFY2(QFile::exists(bin), "VPSIM must name the vpsim binary");
        netns = QFileInfo(bin).absolutePath() + "/netns.sh";
        QVERIFY2(QFile::exists(netns), qPrintable(netns + " is missing"));
        name = QStringLiteral("vpd%1").arg(QCoreApplication::applicationPid() % 1000000);
        QString out;
        if (run(netns,
                {"up", name, "--here", "10.213.7.1/24", "10.213.7.2/24", "10.213.7.3/24", "10.213.7.4/24",
                 "10.213.7.5/24"},
                &out) != 0) {
            run(netns, {"down", name});
            QSKIP(qPrintable("cannot create the private network (needs root and iproute2): " + out.trimmed()));
        }
        sim.setLauncher(netns, {"exec", name, "dev"});
        QVERIFY2(
            sim.start({"--udp-port", QString::number(UdpPort), "--tcp-port", QString::number(TcpPort), "--split-writes",
                       "--junk", "--device", "KS9200:addr=10.213.7.2", "--device", "KX4200:addr=10.213.7.3,usb",
                       "--device", "GW5:addr=10.213.7.4", "--device", "19:addr=10.213.7.5", "--device", "KS1200:pty"}),
            qPrintable("vpsim did not start in the device namespace: " + sim.errorString()));
        QCOMPARE(sim.devices().size(), 5);
        // The application end must be running before the first search picks its interfaces.
        QVERIFY(waitUntil([&] {
            const QNetworkInterface va = QNetworkInterface::interfaceFromName("va-" + name);
            return va.isValid() && (va.flags() & QNetworkInterface::IsRunning);
        }));
    }

    void cleanupTestCase()
    {
        sim.stop();
        if (!name.isEmpty())
            run(netns, {"down", name});
    }

    void findsAndReadsBackEveryDevice()
    {
        CommManager cm;
        cm.setNetworkPorts(UdpPort, DiscoveryPort, TcpPort);
        QMap<QString, Device *> byCpuid;
        std::vector<std::unique_ptr<Device>> devices;

        auto attach = [&](Device *d) {
            if (isKsType(d->type)) {
                auto *ks = new KS9200Interface(d->cpuid);
                QObject::connect(ks, &KS9200Interface::emitPanelData,
                                 [d](QString, QList<INFO_PANEL> l) { d->ksPanels = l, ++d->decoded; });
                QObject::connect(ks, &KS9200Interface::emitWindowData,
                                 [d](QString, QList<INFO_WINDOW> l) { d->ksWindows = l, ++d->decoded; });
                QObject::connect(ks, &KS9200Interface::emitOutputMode,
                                 [d](QString, INFO_PANEL_OTHERSETTING) { ++d->kxModes, ++d->decoded; });
                QObject::connect(ks, &KS9200Interface::emitOtherSetting,
                                 [d](QString, INFO_OTHER_KS9200) { ++d->decoded; });
                d->iface.reset(ks);
            } else if (isGwType(d->type)) {
                auto *gw = new GW5Interface(d->cpuid);
                QObject::connect(gw, &GW5Interface::emitWindowData,
                                 [d](QString, INFO_WINDOW) { ++d->gwWindows, ++d->decoded; });
                QObject::connect(gw, &GW5Interface::emitOtherSetting, [d](QString, INFO_OTHER_GW5) { ++d->decoded; });
                d->iface.reset(gw);
            } else {
                return; // unsupported: announced by the link, ignored by the application
            }
            d->iface->setKeyTCP(d->keyTCP);
            QObject::connect(d->iface.get(), &Interface::emitSendData, &cm,
                             [&cm, d](QByteArray f) { cm.write(d->keyTCP, f); });
            d->iface->readAll();
        };

        QObject::connect(&cm, &CommManager::emitHandleData,
                         [&](uint keyTCP, uint keyUDP, QString cpuid, RECV_PROTOCOL rp, QByteArray data,
                             QHostAddress addr, short port) {
                             if (rp.cmd == Frame::CmdLink && rp.subCmd == Frame::SubAnnounce) {
                                 // What the main window does with an announcement, in short.
                                 auto d = std::make_unique<Device>();
                                 d->cpuid = cpuidFromBytes(data.mid(3, 12));
                                 d->type = int8_t(data.at(0));
                                 d->keyTCP = keyTCP;
                                 d->serial = port == 0;
                                 cm.onSetConnectDeviceCpuid(keyTCP, keyUDP, d->cpuid, addr);
                                 byCpuid.insert(d->cpuid, d.get());
                                 attach(d.get());
                                 devices.push_back(std::move(d));
                                 return;
                             }
                             Device *d = byCpuid.value(cpuid);
                             if (!d || rp.cmd == Frame::CmdLink)
                                 return;
                             ++d->frames;
                             d->endOfAll += rp.cmd == 0xEF;
                             if (d->iface)
                                 d->iface->handleFrame(cpuid, rp, data);
                         });

        // Network: one broadcast. Serial: the pty opened by name and probed with the search request
        // (the system's own serial ports are left alone).
        cm.searchDevice(1);
        QVERIFY(cm.isUdpReady());
        const QString pty = sim.devices()[4].pty;
        const uint serialKey = cm.openSerialPort(pty);
        QVERIFY2(serialKey != 0, qPrintable(pty));
        QVERIFY(cm.write(serialKey, makeSearchFrame()) == 23);

        QVERIFY(waitUntil([&] { return devices.size() == 5; }));
        QMap<int, Device *> byType;
        for (auto &d : devices)
            byType.insert(d->type, d.get());
        QCOMPARE(byType.keys(), (QList<int>{0, 3, 17, 19, 48}));
        QVERIFY(byType.value(0)->serial);
        QCOMPARE(byType.value(0)->keyTCP, serialKey);
        for (int t : {3, 17, 19, 48}) {
            QVERIFY(!byType.value(t)->serial);
            QCOMPARE(cm.linkType(byType.value(t)->keyTCP), int(CommManager::LinkTcp));
        }
        for (const SimProcess::Device &d : sim.devices())
            QVERIFY(byCpuid.contains(d.cpuid));

        // Every supported device answers its read-back in full.
        QVERIFY(waitUntil(
            [&] {
                for (int t : {0, 3, 17, 48})
                    if (byType.value(t)->endOfAll < 1)
                        return false;
                return true;
            },
            20000));
        QCOMPARE(QVector<int>({byType.value(3)->ksPanels.size(), byType.value(3)->ksWindows.size(),
                               byType.value(17)->kxModes, byType.value(0)->ksPanels.size(),
                               byType.value(0)->ksWindows.size()}),
                 QVector<int>({2, 4, 1, 1, 2}));
        if (byType.value(48)->decoded > 0)
            QCOMPARE(byType.value(48)->gwWindows, 3);

        // Nothing was lost to the split writes and the junk: each device's frames, as counted by the
        // link layer, equal what vpsim logged as sent (TCP heartbeats are consumed by the link).
        QMap<QString, int> sent;
        for (const QJsonObject &o : sim.log())
            if (o.value("dir") == "tx" && o.value("transport") != "udp" && o.value("cmd").toInt() != 0xFF)
                ++sent[o.value("device").toString()];
        for (int t : {0, 3, 17, 48})
            QCOMPARE(byType.value(t)->frames, sent.value(byType.value(t)->cpuid));
    }

private:
    QString netns, name;
    SimProcess sim;
};

QTEST_GUILESS_MAIN(TestSimDiscovery)
#include "tst_sim_discovery.moc"
