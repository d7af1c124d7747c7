// The transport manager over real connections: TCP on loopback, pseudo-terminals as serial ports, discovery
// sockets on a veth pair whose device end lives in a private network namespace; heartbeat ticks by hand.
#include "CommManager.h"
#include "FrameCodec.h"
#include "Log.h"
#include "TestSupport.h"
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>
#include <arpa/inet.h>
#include <atomic>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sched.h>
#include <sys/mount.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
Q_DECLARE_METATYPE(QHostAddress)

namespace {
const QString CpuidA = QStringLiteral("00112233445566778899aabb");
const int WaitMs = 5000;
const int DevPort = CommManager::DevicePort;

// The payload of a device's search reply and the reply itself.
QByteArray identity(int type) { return char(type) + QByteArray::fromHex("0100 00112233445566778899aabb 03") + "1.0"; }
QByteArray announcement(int type = 0) { return makeReplyFrame(Frame::CmdLink, Frame::SubAnnounce, 0, identity(type)); }
QByteArray heartbeat() { return makeReplyFrame(Frame::CmdLink, Frame::SubHeartbeat, 0, QByteArray()); }
QByteArray reply(uint8_t cmd, const QByteArray &payload) { return makeReplyFrame(cmd, 0, 0, payload); }

// A transport manager whose heartbeat ticks are driven by hand.
struct Manager : CommManager
{
    Manager() { setHeartbeatInterval(3600 * 1000); }
};

// One emitHandleData as recorded by a spy.
struct Seen
{
    uint keyTCP = 0, keyUDP = 0;
    QString cpuid;
    int cmd = -1, sub = -1;
    QByteArray payload;
    QHostAddress addr;
    int port = -1;
    QString text() const
    {
        return QString("keys %1 %2, %3, %4/%5 %6, from %7 %8").arg(keyTCP).arg(keyUDP).arg(cpuid).arg(cmd).arg(sub)
            .arg(QString(payload.toHex()), addr.toString()).arg(port);
    }
};
Seen seen(const QSignalSpy &spy, int i)
{
    const QList<QVariant> &a = spy.at(i);
    const RECV_PROTOCOL rp = qvariant_cast<RECV_PROTOCOL>(a.at(3));
    return {a.at(0).toUInt(), a.at(1).toUInt(), a.at(2).toString(), rp.cmd, rp.subCmd, a.at(4).toByteArray(),
            qvariant_cast<QHostAddress>(a.at(5)), qvariant_cast<short>(a.at(6))};
}
// A TCP link of `cm` to a server of the test (the device end), known as device CpuidA.
struct TcpLink
{
    QTcpServer server;
    uint key = 0;
    QTcpSocket *peer = nullptr;
    bool open(CommManager &cm)
    {
        if (!server.listen(QHostAddress::LocalHost, 0))
            return false;
        key = cm.connectTcp(QHostAddress::LocalHost, server.serverPort());
        if (key == 0 || !server.waitForNewConnection(WaitMs) || !(peer = server.nextPendingConnection()))
            return false;
        cm.onSetConnectDeviceCpuid(key, 0, CpuidA, QHostAddress());
        return true;
    }
};

// A pseudo-terminal: the test holds the master, CommManager opens the slave by its path.
struct Pty
{
    int master = -1, slave = -1;
    QString path;
    bool open()
    {
        char name[128] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
            return false;
        termios t{};
        tcgetattr(slave, &t);
        cfmakeraw(&t);
        tcsetattr(slave, TCSANOW, &t);
        path = QString::fromLocal8Bit(name);
        return true;
    }
    void closeMaster() { master = master >= 0 ? ::close(master), -1 : -1; }
    ~Pty() { closeMaster(), slave >= 0 && ::close(slave); }
    void write(const QByteArray &data) const
    {
        QVERIFY(master >= 0);
        QCOMPARE(::write(master, data.constData(), size_t(data.size())), ssize_t(data.size()));
    }
    // What the other side wrote within timeoutMs, stopping early at `want` bytes.
    QByteArray read(int want, int timeoutMs) const
    {
        QByteArray got;
        char buf[256];
        QElapsedTimer t;
        t.start();
        while (got.size() < want && t.elapsed() < timeoutMs) {
            QCoreApplication::processEvents(); // the serial port writes from the event loop
            pollfd p{master, POLLIN, 0};
            const ssize_t n = ::poll(&p, 1, 20) > 0 && (p.revents & POLLIN) ? ::read(master, buf, sizeof buf) : 0;
            if (n < 0)
                break;
            got.append(buf, int(n));
        }
        return got;
    }
};

// The name QSerialPort gives a port opened by its path.
QString portNameOf(const QString &path)
{
    QSerialPort p;
    p.setPortName(path);
    return p.portName();
}

quint32 ip4(const char *address) { return QHostAddress(QString::fromLatin1(address)).toIPv4Address(); }

qint64 logSize() { return QFileInfo(logFilePath()).size(); }

// Whether a line written to the log after `from` bytes is the time stamp followed by `text`.
bool loggedSince(qint64 from, const QString &text)
{
    QFile f(logFilePath());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text) || !f.seek(from))
        return false;
    const QRegularExpression line(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ----- ") +
                                  QRegularExpression::escape(text) + QStringLiteral("$"));
    while (!f.atEnd())
        if (line.match(QString::fromUtf8(f.readLine()).trimmed()).hasMatch())
            return true;
    return false;
}

int run(const QString &p, const QStringList &a, QString *out = nullptr) { return TestSupport::runProgram(p, a, out); }

// Runs `make` with this thread's network namespace switched to the one at nsPath; the sockets it
// creates stay in that namespace. Returns false when the namespace cannot be entered.
bool inNamespace(const QString &nsPath, const std::function<void()> &make)
{
    bool ok = false;
    std::thread t([&] {
        const int fd = ::open(QFile::encodeName(nsPath).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        ok = ::setns(fd, CLONE_NEWNET) == 0;
        ::close(fd);
        if (ok)
            make();
    });
    t.join();
    return ok;
}

// A socket bound to `port` on `address` (any address when null).
int boundSocket(int type, quint16 port, const char *address = nullptr)
{
    const int fd = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET, a.sin_port = htons(port);
    a.sin_addr.s_addr = address ? inet_addr(address) : htonl(INADDR_ANY);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || (type == SOCK_STREAM && ::listen(fd, 8) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}
} // namespace

class TestCommManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<QHostAddress>("QHostAddress");
        qRegisterMetaType<RECV_PROTOCOL>("RECV_PROTOCOL");
        // A network namespace of its own (when allowed): tests beside it neither see its veth pair nor lend it routes.
        if (::unshare(CLONE_NEWNET) == 0)
            run(QStringLiteral("ip"), {"link", "set", "lo", "up"});
        // Nothing here may reach anything real: only loopback may exist.
        for (const QNetworkInterface &i : QNetworkInterface::allInterfaces())
            if (!(i.flags() & QNetworkInterface::IsLoopBack))
                QSKIP("run inside a private network namespace (unshare --net)");
        // A serial search probes every port the system lists: hide the machine's own behind an empty /sys/class/tty
        // in a private mount namespace, so only the test's pseudo-terminals are ever written to.
        if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            ::mount("none", "/sys/class/tty", "tmpfs", 0, nullptr) == 0)
            portsIsolated = QSerialPortInfo::availablePorts().isEmpty();
    }

    // Every frame on a link, heartbeats included, reaches the traffic tap as it was on the wire (noise left out);
    // frames come whole out of pieces, noise and spoilt frames; the device closing the link is reported, and so
    // is a link whose heartbeats stop.
    void tcpLinkFramesWritesAndLoss()
    {
        Manager cm;
        QSignalSpy spy(&cm, &CommManager::emitHandleData);
        QSignalSpy traffic(&cm, &CommManager::emitFrameTraffic);
        QSignalSpy broken(&cm, &CommManager::emitDeviceConnectionBroken);
        TcpLink link;
        QVERIFY(link.open(cm));
        const uint key = link.key;
        QTcpSocket *peer = link.peer;
        QCOMPARE(cm.linkType(key), CommManager::LinkTcp);
        QCOMPARE(cm.linkCpuid(key), CpuidA);
        const QByteArray request = makeRequestFrame(0xEF);
        QCOMPARE(cm.write(key, request), 23);
        QCOMPARE(cm.write(key, request), 23);
        QCOMPARE(traffic.count(), 2);
        QCOMPARE(traffic.at(0), (QVariantList{CpuidA, true, request}));
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT((got += peer->readAll()).size() >= 46, WaitMs);
        QCOMPARE(got, request + request);
        QCOMPARE(cm.write(key + 1000, request), -1);
        QCOMPARE(traffic.count(), 2);

        // Two whole frames and a heartbeat in one write, then a frame cut in the middle of its header, noise and a
        // frame with a wrong checksum between the good ones, and finally one byte per write.
        const QByteArray f1 = reply(0xE1, "panel"), f2 = reply(0xE2, QByteArray(40, 'w'));
        const QByteArray f3 = reply(0xEE, QByteArray(20, '\x07')), f4 = reply(0xEF, QByteArray());
        QByteArray bad = reply(0xE4, "bad");
        bad[bad.size() - 1] = char(bad.at(bad.size() - 1) ^ 0x55);
        peer->write(QByteArray("\x01\x02") + f1 + heartbeat() + f2 + f3.left(3));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, WaitMs);
        QCOMPARE(traffic.count(), 5);
        QCOMPARE(traffic.at(2), (QVariantList{CpuidA, false, f1}));
        QCOMPARE(traffic.at(3).at(2).toByteArray(), heartbeat());
        peer->write(f3.mid(3, 10));
        QTest::qWait(50);
        QCOMPARE(spy.count(), 2);
        peer->write(f3.mid(13) + QByteArray("\x5a\x01\x02junk") + bad + QByteArray("\x5a"));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 3, WaitMs);
        for (char c : f4) {
            peer->write(&c, 1);
            peer->flush();
            QVERIFY(peer->waitForBytesWritten(WaitMs) || peer->bytesToWrite() == 0);
            QCoreApplication::processEvents();
        }
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 4, WaitMs);
        QTest::qWait(50);
        QCOMPARE(spy.count(), 4);
        const QList<QPair<int, QByteArray>> expected = {
            {0xE1, "panel"}, {0xE2, QByteArray(40, 'w')}, {0xEE, QByteArray(20, '\x07')}, {0xEF, QByteArray()}};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(seen(spy, i).text(),
                     (Seen{key, 0, CpuidA, expected[i].first, 0, expected[i].second, {}, 0}.text()));

        peer->close();
        QTRY_COMPARE_WITH_TIMEOUT(broken.count(), 1, WaitMs);
        QCOMPARE(broken.at(0), (QVariantList{CpuidA, QStringLiteral("QAbstractSocket::RemoteHostClosedError"), false}));
        QVERIFY(!cm.hasLink(key));
        QCOMPARE(cm.write(key, request), -1);

        // Heartbeat supervision, on a second link.
        TcpLink second;
        QVERIFY(second.open(cm));
        const uint beatKey = second.key;
        for (int i = 0; i < 4; ++i)
            cm.onTimerHeartBeat();
        QCOMPARE(cm.missedBeats(beatKey), 4);
        // A heartbeat in pieces resets the count and is not announced; the frame after it shows it has been read.
        second.peer->write(heartbeat().left(4));
        QTest::qWait(20);
        second.peer->write(heartbeat().mid(4) + reply(0xE1, "x"));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 5, WaitMs);
        QCOMPARE(seen(spy, 4).cmd, 0xE1);
        QCOMPARE(cm.missedBeats(beatKey), 0);
        // Five silent ticks are tolerated, the sixth ends the link.
        for (int i = 0; i < 5; ++i)
            cm.onTimerHeartBeat();
        QVERIFY(cm.hasLink(beatKey));
        QCOMPARE(cm.missedBeats(beatKey), 5);
        QCOMPARE(broken.count(), 1);
        cm.onTimerHeartBeat();
        QVERIFY(!cm.hasLink(beatKey));
        QCOMPARE(broken.count(), 2);
        QCOMPARE(broken.at(1), (QVariantList{CpuidA, QString(), false}));
        QCOMPARE(cm.write(beatKey, reply(0xE1, QByteArray())), -1);
        // The device sees its connection closed.
        QTRY_COMPARE_WITH_TIMEOUT(second.peer->state(), QAbstractSocket::UnconnectedState, WaitMs);
        cm.onTimerHeartBeat();
        QCOMPARE(broken.count(), 2);
    }

    void tcpRefusedReportedWithEmptyCpuid()
    {
        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        } // nobody listens there any more
        Manager cm;
        QSignalSpy broken(&cm, &CommManager::emitDeviceConnectionBroken);
        const qint64 logStart = logSize();
        const uint first = cm.connectTcp(QHostAddress::LocalHost, port);
        const uint second = cm.connectTcp(QHostAddress::LocalHost, port);
        QVERIFY(first != 0 && second != 0 && first != second);
        QTRY_COMPARE_WITH_TIMEOUT(broken.count(), 2, WaitMs);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(broken.at(i), (QVariantList{QString(), "QAbstractSocket::ConnectionRefusedError", false}));
        QVERIFY(cm.linkKeys().isEmpty());
        QCOMPARE(cm.write(first, makeRequestFrame(0xEF)), -1);
        QVERIFY(loggedSince(logStart, QStringLiteral("TCP Socket Error: Connection refused")));
        // Keys are never reused.
        const uint third = cm.connectTcp(QHostAddress::LocalHost, port);
        QVERIFY(third != first && third != second && third != 0);
    }

    void serialFramesWritesAndClose()
    {
        Pty named, anonymous;
        QVERIFY(named.open() && anonymous.open());
        Manager cm;
        QSignalSpy spy(&cm, &CommManager::emitHandleData);
        QSignalSpy broken(&cm, &CommManager::emitDeviceConnectionBroken);
        const uint key = cm.openSerialPort(named.path), keyAnonymous = cm.openSerialPort(anonymous.path);
        QVERIFY(key && keyAnonymous);
        QCOMPARE(cm.linkType(key), CommManager::LinkSerial);
        cm.onSetConnectDeviceCpuid(key, 0, CpuidA, QHostAddress());

        // On a serial link the heartbeat is an ordinary frame.
        const QByteArray f = reply(0xE2, QByteArray(30, 'a'));
        named.write(QByteArray("\x00\x5a", 2) + heartbeat() + f.left(9));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, WaitMs);
        named.write(f.mid(9));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, WaitMs);
        QCOMPARE(seen(spy, 0).text(), (Seen{key, 0, CpuidA, 0xFF, 0x01, {}, {}, 0}.text()));
        QCOMPARE(seen(spy, 1).text(), (Seen{key, 0, CpuidA, 0xE2, 0, QByteArray(30, 'a'), {}, 0}.text()));
        // Serial links are not supervised.
        for (int i = 0; i < 10; ++i)
            cm.onTimerHeartBeat();
        QVERIFY(cm.hasLink(key));
        const QByteArray request = makeRequestFrame(0xE1);
        QCOMPARE(cm.write(key, request), 23);
        QCOMPARE(named.read(23, WaitMs), request);

        // A link whose device is not known yet goes silently.
        anonymous.closeMaster();
        QTRY_VERIFY_WITH_TIMEOUT(!cm.hasLink(keyAnonymous), WaitMs);
        QVERIFY(broken.isEmpty());
        const qint64 logStart = logSize();
        named.closeMaster();
        QTRY_COMPARE_WITH_TIMEOUT(broken.count(), 1, WaitMs);
        QCOMPARE(broken.at(0), (QVariantList{CpuidA, portNameOf(named.path) + QStringLiteral(" is removed"), true}));
        QVERIFY(!cm.hasLink(key));
        QCOMPARE(cm.write(key, request), -1);
        // The log holds the port name and the port's own error text, without a separator.
        QFile log(logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text) && log.seek(logStart));
        QVERIFY(QString::fromUtf8(log.readAll()).contains(QStringLiteral(" ----- ") + portNameOf(named.path)));
    }

    void serialSearchProbe()
    {
        if (!portsIsolated)
            QSKIP("the machine's own serial ports cannot be hidden (needs root): no serial search here");
        const QByteArray search = makeSearchFrame();
        // The device end: waits for the search frame, then answers after delayMs.
        auto answer = [&](const Pty &pty, int delayMs, std::atomic<bool> &sawSearch) {
            return std::thread([&pty, delayMs, &sawSearch, search] {
                const QByteArray got = pty.read(search.size(), 3000);
                sawSearch = got == search;
                if (!sawSearch)
                    return;
                ::usleep(useconds_t(delayMs) * 1000);
                const QByteArray a = announcement(2);
                (void)!::write(pty.master, a.constData(), size_t(a.size()));
            });
        };

        Pty quick, late;
        QVERIFY(quick.open() && late.open());
        {
            Manager cm;
            QSignalSpy spy(&cm, &CommManager::emitHandleData);
            cm.addNamedSerialPort(quick.path);
            cm.setSerialProbeTimeout(3000);
            std::atomic<bool> saw{false};
            std::thread device = answer(quick, 0, saw);
            cm.searchDevice(2);
            device.join();
            QVERIFY(saw);
            // The probe does not block: the answer is taken by the event loop.
            QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, WaitMs);
            const Seen s = seen(spy, 0);
            QCOMPARE(s.text(), (Seen{s.keyTCP, 0, {}, 0xFF, 0, identity(2), {}, 0}.text()));
            QCOMPARE(cm.linkType(s.keyTCP), CommManager::LinkSerial);
            // A serial search never touches the network.
            QVERIFY(!cm.isUdpReady());
            QVERIFY(cm.discoverySockets().isEmpty());

            // The port is a link now: a second search does not probe it again.
            cm.searchDevice(2);
            QCOMPARE(quick.read(1, 300), QByteArray());
            QCOMPARE(cm.linkKeys().size(), 1);

            // Frames after the probe arrive through the link.
            quick.write(reply(0xE1, QByteArray("after")));
            QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, WaitMs);
            QCOMPARE(seen(spy, 1).keyTCP, s.keyTCP);
        }
        {
            // A network search never touches a serial port.
            Manager cm;
            cm.addNamedSerialPort(late.path);
            cm.searchDevice(1);
            QCOMPARE(late.read(1, 300), QByteArray());
            QVERIFY(cm.linkKeys().isEmpty());

            // An answer after the probe window is not taken.
            QSignalSpy spy(&cm, &CommManager::emitHandleData);
            cm.setSerialProbeTimeout(100);
            std::atomic<bool> saw{false};
            std::thread device = answer(late, 600, saw);
            cm.searchDevice(2);
            QTest::qWait(300); // the probe time passes before the device answers
            device.join();
            QVERIFY(saw);
            QTest::qWait(100);
            QVERIFY(spy.isEmpty());
            QVERIFY(cm.linkKeys().isEmpty());
        }
        {
            // A busy machine: the event loop runs late, and the answer comes in after its last look at
            // the port but before the probe's time is judged (here the answer is written by a timer
            // that falls due just before the probe's). What the port already received is taken.
            Pty busy;
            QVERIFY(busy.open());
            Manager cm;
            cm.addNamedSerialPort(busy.path);
            cm.setSerialProbeTimeout(100);
            QSignalSpy spy(&cm, &CommManager::emitHandleData);
            QTimer::singleShot(50, Qt::PreciseTimer, [&busy] { busy.write(announcement(2)); });
            cm.searchDevice(2);
            ::usleep(300 * 1000);
            QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, WaitMs);
            QCOMPARE(seen(spy, 0).cmd, 0xFF);
            QCOMPARE(cm.linkType(seen(spy, 0).keyTCP), CommManager::LinkSerial);
        }
    }

    void udpAnnouncementOpensOneTcpLink()
    {
        if (!upNetwork())
            QSKIP("cannot create the private veth network (needs root, iproute2 and netns.sh beside vpsim)");
        QUdpSocket device, stranger; // stranger: a second address that never announced itself
        QTcpServer control;
        QVERIFY(deviceEnd(device, control, &stranger));
        // An interface with an excluded hardware address gets no discovery socket.
        const QString va = QStringLiteral("va-") + netName;
        QCOMPARE(run(QStringLiteral("ip"), {"link", "set", va, "address", "00:50:56:c0:00:08"}), 0);
        QCOMPARE(QNetworkInterface::interfaceFromName(va).hardwareAddress().toUpper(), "00:50:56:C0:00:08");
        {
            Manager excluded;
            excluded.searchDevice(1);
            QVERIFY(excluded.discoverySockets().isEmpty());
            QVERIFY(!excluded.isUdpReady());
        }
        QCOMPARE(run(QStringLiteral("ip"), {"link", "set", va, "address", "02:00:00:00:09:01"}), 0);

        {
            Manager cm;
            QSignalSpy spy(&cm, &CommManager::emitHandleData);
            cm.searchDevice(1);
            QVERIFY(cm.isUdpReady());
            QCOMPARE(cm.discoverySockets().size(), 1);

            // The broadcast reaches the device end from the discovery port.
            QTRY_VERIFY_WITH_TIMEOUT(device.hasPendingDatagrams(), WaitMs);
            QByteArray dgram(int(device.pendingDatagramSize()), '\0');
            QHostAddress from;
            quint16 fromPort = 0;
            device.readDatagram(dgram.data(), dgram.size(), &from, &fromPort);
            QCOMPARE(dgram, makeSearchFrame());
            QCOMPARE(from.toIPv4Address(), ip4("10.213.9.1"));
            QCOMPARE(fromPort, CommManager::DiscoveryPort);

            device.writeDatagram(announcement(0), from, fromPort);
            QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, WaitMs);
            const Seen a = seen(spy, 0);
            QVERIFY(a.keyTCP != 0 && a.keyUDP != 0);
            const QHostAddress devAddr(QStringLiteral("10.213.9.2"));
            QCOMPARE(a.text(), (Seen{a.keyTCP, a.keyUDP, {}, 0xFF, 0, identity(0), devAddr, DevPort}.text()));
            QCOMPARE(cm.linkType(a.keyTCP), CommManager::LinkTcp);
            QTRY_VERIFY_WITH_TIMEOUT(control.hasPendingConnections(), WaitMs);
            QTcpSocket *link = control.nextPendingConnection();
            QVERIFY(link);
            QCOMPARE(link->peerAddress().toIPv4Address(), ip4("10.213.9.1"));
            QCOMPARE(link->localPort(), CommManager::DeviceTcpPort);
            cm.onSetConnectDeviceCpuid(a.keyTCP, a.keyUDP, CpuidA, a.addr);

            // A stranger's reply, a repeated announcement and then a reply of the known device: only the
            // last is announced, and no second connection is opened.
            stranger.writeDatagram(reply(0xEE, QByteArray(20, '\0')), from, fromPort);
            QTest::qWait(50);
            device.writeDatagram(announcement(0), from, fromPort);
            device.writeDatagram(reply(0xEE, QByteArray(20, '\x01')), from, fromPort);
            QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, WaitMs);
            QCOMPARE(seen(spy, 1).text(),
                     (Seen{0, 0, CpuidA, 0xEE, 0, QByteArray(20, '\x01'), devAddr, DevPort}.text()));
            QTest::qWait(200);
            QVERIFY(!control.hasPendingConnections());
            QCOMPARE(cm.linkKeys().size(), 1);
            QCOMPARE(spy.count(), 2);

            // Writes by UDP go to the device's port from the discovery socket; by TCP over the link.
            const QByteArray request = makeRequestFrame(0xEE);
            QCOMPARE(cm.writeByUDP(a.keyUDP, request, a.addr), 23);
            QTRY_VERIFY_WITH_TIMEOUT(device.hasPendingDatagrams(), WaitMs);
            dgram.resize(int(device.pendingDatagramSize()));
            device.readDatagram(dgram.data(), dgram.size());
            QCOMPARE(dgram, request);
            QCOMPARE(cm.writeByUDP(0, request, a.addr), -1);
            QCOMPARE(cm.write(a.keyTCP, request), 23);
            QByteArray got;
            QTRY_VERIFY_WITH_TIMEOUT((got += link->readAll()).size() >= 23, WaitMs);
            QCOMPARE(got, request);
        }
        // A named host is asked by unicast from the discovery port beside the broadcast; its answer takes the
        // broadcast answer's path (one announcement, one TCP link) and a second answer adds nothing.
        Manager cm;
        QSignalSpy spy(&cm, &CommManager::emitHandleData);
        QSignalSpy failed(&cm, &CommManager::emitConnectAddressFailed);
        cm.addConnectAddress(QStringLiteral(" 10.213.9.3 "));
        cm.addConnectAddress(QStringLiteral("10.213.9.3"));
        QCOMPARE(cm.connectAddresses(), QStringList{"10.213.9.3"});
        cm.searchDevice(1);
        QCOMPARE(cm.discoverySockets().size(), 1);

        // The broadcast and the unicast request both arrive (one discovery socket: one broadcast), both
        // from the discovery port of the discovery socket's address.
        QList<QNetworkDatagram> got;
        TestSupport::waitUntil([&] {
            while (device.hasPendingDatagrams())
                got << device.receiveDatagram();
            return got.size() >= 2;
        }, WaitMs);
        QCOMPARE(got.size(), 2);
        for (const QNetworkDatagram &d : qAsConst(got)) {
            QCOMPARE(d.data(), makeSearchFrame());
            QCOMPARE(d.senderPort(), int(CommManager::DiscoveryPort));
            QCOMPARE(d.senderAddress().toIPv4Address(), ip4("10.213.9.1"));
        }
        QTest::qWait(100);
        QVERIFY(!device.hasPendingDatagrams());

        // The device answers both; one announcement, one connection.
        const QNetworkDatagram first = got.first();
        device.writeDatagram(announcement(0), first.senderAddress(), quint16(first.senderPort()));
        device.writeDatagram(announcement(0), first.senderAddress(), quint16(first.senderPort()));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, WaitMs);
        const Seen a = seen(spy, 0);
        QVERIFY(a.keyTCP != 0 && a.keyUDP != 0);
        QTRY_VERIFY_WITH_TIMEOUT(control.hasPendingConnections(), WaitMs);
        QVERIFY(control.nextPendingConnection());
        QTest::qWait(200);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!control.hasPendingConnections());
        QCOMPARE(cm.writeByUDP(a.keyUDP, makeRequestFrame(0xEE), a.addr), 23);
        QVERIFY(failed.isEmpty());
    }

    void cleanupTestCase()
    {
        if (networkUp)
            run(netns, {"down", netName});
    }

private:
    // The device end in the device namespace: its UDP port, its TCP control port and, if asked
    // for, a UDP socket on the namespace's second address.
    bool deviceEnd(QUdpSocket &udp, QTcpServer &control, QUdpSocket *stranger = nullptr)
    {
        int fd[3] = {-1, -1, -1};
        return inNamespace(QStringLiteral("/run/netns/%1-dev").arg(netName),
                           [&] {
                               fd[0] = boundSocket(SOCK_DGRAM, CommManager::DevicePort);
                               fd[1] = boundSocket(SOCK_STREAM, CommManager::DeviceTcpPort);
                               fd[2] = stranger ? boundSocket(SOCK_DGRAM, 0, "10.213.9.3") : -1;
                           }) &&
               udp.setSocketDescriptor(fd[0], QAbstractSocket::BoundState) && control.setSocketDescriptor(fd[1]) &&
               (!stranger || stranger->setSocketDescriptor(fd[2], QAbstractSocket::BoundState));
    }

    bool upNetwork()
    {
        if (networkUp)
            return true;
        const QString bin = qEnvironmentVariable("VPSIM");
        netns = QFileInfo(bin).absolutePath() + QStringLiteral("/netns.sh");
        if (bin.isEmpty() || !QFile::exists(netns))
            return false;
        netName = QStringLiteral("vpc%1").arg(QCoreApplication::applicationPid() % 1000000);
        if (run(netns, {"up", netName, "--here", "10.213.9.1/24", "10.213.9.2/24", "10.213.9.3/24"}) != 0) {
            run(netns, {"down", netName});
            return false;
        }
        networkUp = true;
        return TestSupport::waitUntil([&] {
            const QNetworkInterface va = QNetworkInterface::interfaceFromName(QStringLiteral("va-") + netName);
            return va.isValid() && (va.flags() & QNetworkInterface::IsRunning);
        }, WaitMs);
    }

    bool portsIsolated = false;
    QString netns;
    QString netName;
    bool networkUp = false;
};

QTEST_GUILESS_MAIN(TestCommManager)
#include "tst_commmanager.moc"
