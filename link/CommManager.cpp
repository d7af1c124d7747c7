#include "CommManager.h"

#include "Log.h"
#include "SxUdpSocket.h"

#include <QDebug>
#include <QHostInfo>
#include <QMetaMethod>
#include <QNetworkInterface>
#include <QSerialPortInfo>
#include <QTcpSocket>
#include <QTimer>
#include <utility>
#include <vector>

CommManager::CommManager(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<RECV_PROTOCOL>("RECV_PROTOCOL");
    heartbeatTimer = new QTimer(this);
    connect(heartbeatTimer, &QTimer::timeout, this, &CommManager::onTimerHeartBeat);
    heartbeatTimer->setInterval(DefaultHeartbeatMs);
    heartbeatTimer->start();
    addressReplyTimer = new QTimer(this);
    addressReplyTimer->setSingleShot(true);
    connect(addressReplyTimer, &QTimer::timeout, this, &CommManager::onAddressReplyTimeout);
}

CommManager::~CommManager()
{
    for (LinkState *link : qAsConst(links)) {
        if (link->device) {
            link->device->disconnect(this);
            link->device->close();
            delete link->device;
        }
        delete link;
    }
    links.clear();
    qDeleteAll(udpSockets);
    udpSockets.clear();
    qDeleteAll(unicastSockets);
    unicastSockets.clear();
    for (const Probe &probe : qAsConst(probingPorts))
        delete probe.port;
    probingPorts.clear();
}

void CommManager::addNamedSerialPort(const QString &portName)
{
    if (!portName.isEmpty() && !extraPorts.contains(portName))
        extraPorts.append(portName);
}

void CommManager::setHeartbeatInterval(int ms)
{
    heartbeatTimer->setInterval(ms);
}

int CommManager::heartbeatInterval() const
{
    return heartbeatTimer->interval();
}

void CommManager::setNetworkPorts(quint16 devPort, quint16 discPort, quint16 tcp)
{
    devicePort = devPort;
    discoveryPort = discPort;
    tcpPort = tcp;
}

int CommManager::linkType(uint key) const
{
    LinkState *link = links.value(key);
    return link ? link->linkType : 0;
}

QString CommManager::linkCpuid(uint key) const
{
    LinkState *link = links.value(key);
    return link ? link->cpuid : QString();
}

int CommManager::missedBeats(uint key) const
{
    LinkState *link = links.value(key);
    if (!link)
        return -1;
    QMutexLocker locker(&link->lock);
    return link->missedBeats;
}

QString CommManager::linkPortName(uint key) const
{
    LinkState *link = links.value(key);
    auto *port = link ? qobject_cast<QSerialPort *>(link->device) : nullptr;
    return port ? port->portName() : QString();
}

QHostAddress CommManager::linkAddress(uint key) const
{
    LinkState *link = links.value(key);
    return link && link->linkType == LinkTcp ? link->target : QHostAddress();
}

bool CommManager::trafficWatched() const
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&CommManager::emitFrameTraffic);
    return isSignalConnected(signal);
}

namespace {
// The reply frame as it was on the wire; parseRecvFrame accepted it, so the checksum is the sum.
QByteArray wireFrame(const RECV_PROTOCOL &rp, const QByteArray &payload)
{
    QByteArray frame(reinterpret_cast<const char *>(&rp), int(sizeof(RECV_PROTOCOL)));
    frame += payload;
    frame += char(calcCheckSum(frame) & 0xFF);
    return frame;
}
} // namespace

uint CommManager::keyOf(const QObject *device) const
{
    if (!device)
        return 0;
    for (auto it = links.cbegin(); it != links.cend(); ++it)
        if (it.value()->device == device)
            return it.key();
    return 0;
}

uint CommManager::keyOfUdp(const SxUdpSocket *s) const
{
    for (auto it = udpKeys.cbegin(); it != udpKeys.cend(); ++it)
        if (it.value() == s)
            return it.key();
    return 0;
}

SxUdpSocket *CommManager::udpOfKey(uint key) const
{
    return udpKeys.value(key, nullptr);
}

uint CommManager::insertLink(QIODevice *device, int type, const QHostAddress &target)
{
    uint key = nextKey++;
    if (key == 0)
        key = nextKey++;
    auto *link = new LinkState;
    link->linkType = type;
    link->device = device;
    link->target = target;
    links.insert(key, link);
    return key;
}

void CommManager::destroyLink(uint key)
{
    LinkState *link = links.take(key);
    delete link;
}

void CommManager::handleStreamData(const QByteArray &data, uint key)
{
    LinkState *link = links.value(key);
    if (!link)
        return;
    // Frames are collected under the lock and announced after it is released, so a receiver
    // that spins a nested event loop cannot re-enter the buffer.
    struct Received
    {
        RECV_PROTOCOL rp;
        QByteArray payload;
        bool announce;
    };
    std::vector<Received> frames;
    QString cpuid;
    bool interrupted = false;
    const bool watched = trafficWatched();
    {
        QMutexLocker locker(&link->lock);
        const bool tcp = link->linkType == LinkTcp;
        splitStreamFrames(link->rxBuffer, data, [&](const RECV_PROTOCOL &rp, const QByteArray &payload) {
            const bool heartbeat = tcp && rp.cmd == Frame::CmdLink && rp.subCmd == Frame::SubHeartbeat;
            interrupted = interrupted || (tcp && rp.cmd == Frame::CmdLink && rp.subCmd == Frame::SubInterrupted);
            if (heartbeat)
                link->missedBeats = 0;
            if (!heartbeat || watched)
                frames.push_back({rp, payload, !heartbeat});
        });
        cpuid = link->cpuid;
    }
    for (const Received &f : frames) {
        if (watched)
            emit emitFrameTraffic(cpuid, false, wireFrame(f.rp, f.payload));
        if (f.announce)
            emit emitHandleData(key, 0, cpuid, f.rp, f.payload, QHostAddress(), 0);
    }
    // The device ended the session: end the link too, so that its next announcement opens a
    // fresh connection instead of being dropped as coming from a device already connected.
    if (interrupted)
        closeLink(key);
}

void CommManager::closeLink(uint key)
{
    LinkState *link = links.value(key);
    if (!link)
        return;
    QIODevice *dev = link->device;
    destroyLink(key);
    if (dev) {
        dev->disconnect(this);
        dev->close();
        dev->deleteLater();
    }
}

void CommManager::onSetConnectDeviceCpuid(uint keyTCP, uint keyUDP, QString cpuid, QHostAddress ip)
{
    if (LinkState *link = links.value(keyTCP))
        link->cpuid = cpuid;
    if (!ip.isNull() && keyUDP != 0)
        if (SxUdpSocket *s = udpOfKey(keyUDP))
            s->bindCpuid(ip, cpuid);
}

int CommManager::write(uint key, QByteArray data)
{
    LinkState *link = links.value(key);
    if (!link || !link->device)
        return -1;
    const int written = int(link->device->write(data));
    if (written >= 0 && trafficWatched())
        emit emitFrameTraffic(link->cpuid, true, data);
    return written;
}

int CommManager::writeByUDP(uint key, QByteArray data, QHostAddress ip)
{
    if (key == 0)
        return -1;
    SxUdpSocket *s = udpOfKey(key);
    if (!s)
        return -1;
    const int written = int(s->writeDatagram(data, ip, devicePort));
    if (written >= 0 && trafficWatched())
        emit emitFrameTraffic(s->cpuidOf(ip), true, data);
    return written;
}

int CommManager::onReadSerialPort()
{
    auto *dev = qobject_cast<QIODevice *>(sender());
    if (dev)
        handleStreamData(dev->readAll(), keyOf(dev));
    return 0;
}

int CommManager::onReadTcpData()
{
    return onReadSerialPort();
}

int CommManager::onReadUdpData()
{
    auto *s = dynamic_cast<SxUdpSocket *>(sender());
    if (!s)
        return -1;
    const uint udpKey = keyOfUdp(s);
    int guard = 0;
    while (s->hasPendingDatagrams() && guard++ < 1024) {
        QByteArray datagram;
        const qint64 size = s->pendingDatagramSize();
        datagram.resize(int(qMax<qint64>(size, 0)));
        QHostAddress from;
        quint16 fromPort = 0;
        const qint64 got = s->readDatagram(datagram.data(), datagram.size(), &from, &fromPort);
        if (got < 0)
            continue;
        datagram.resize(int(got));
        RECV_PROTOCOL rp;
        QByteArray payload;
        if (!parseRecvFrame(datagram, rp, payload))
            continue;
        const bool announce = rp.cmd == Frame::CmdLink && rp.subCmd == Frame::SubAnnounce;
        if (trafficWatched()) {
            const QString id = announce && payload.size() >= AnnounceMinPayload
                ? cpuidFromBytes(payload.mid(3, 12))
                : s->cpuidOf(from);
            emit emitFrameTraffic(id, false, datagram);
        }
        if (announce) {
            // An announcement too short to hold the device identity registers nothing.
            if (payload.size() < AnnounceMinPayload)
                continue;
            bool v4 = false;
            const quint32 fromV4 = from.toIPv4Address(&v4);
            if (v4)
                awaitedHosts.remove(fromV4);
            bool known = false;
            for (LinkState *link : qAsConst(links)) {
                if (link->linkType != LinkTcp)
                    continue;
                auto *sock = qobject_cast<QTcpSocket *>(link->device);
                if (link->target.isEqual(from, QHostAddress::ConvertV4MappedToIPv4)
                    || (sock && sock->peerAddress().isEqual(from, QHostAddress::ConvertV4MappedToIPv4))) {
                    known = true;
                    break;
                }
            }
            if (known)
                continue;
            if (connectGate && !connectGate(from, payload)) {
                emit emitHandleData(0, udpKey, QString(), rp, payload, from, short(fromPort));
                continue;
            }
            auto *sock = new QTcpSocket;
            connect(sock, &QTcpSocket::connected, this, &CommManager::onTcpConnectedToDevice);
            connect(sock, &QTcpSocket::readyRead, this, &CommManager::onReadTcpData);
            connect(sock, &QAbstractSocket::errorOccurred, this,
                    &CommManager::onErrorTcpSocket);
            const uint key = insertLink(sock, LinkTcp, from);
            sock->connectToHost(from, tcpPort);
            emit emitHandleData(key, udpKey, QString(), rp, payload, from, short(fromPort));
            continue;
        }
        const QString cpuid = s->cpuidOf(from);
        if (!cpuid.isEmpty())
            emit emitHandleData(0, 0, cpuid, rp, payload, from, short(fromPort));
    }
    return 0;
}

uint CommManager::connectTcp(const QHostAddress &address, quint16 port)
{
    auto *sock = new QTcpSocket;
    connect(sock, &QTcpSocket::connected, this, &CommManager::onTcpConnectedToDevice);
    connect(sock, &QTcpSocket::readyRead, this, &CommManager::onReadTcpData);
    connect(sock, &QAbstractSocket::errorOccurred, this,
            &CommManager::onErrorTcpSocket);
    const uint key = insertLink(sock, LinkTcp, address);
    sock->connectToHost(address, port);
    return key;
}

void CommManager::onTcpConnectedToDevice()
{
    qDebug() << "connected succres";
}

void CommManager::onErrorTcpSocket(QAbstractSocket::SocketError err)
{
    qDebug() << "network port error : " << err;
    auto *sock = qobject_cast<QTcpSocket *>(sender());
    if (!sock)
        return;
    QString text;
    if (err == QAbstractSocket::ConnectionRefusedError)
        text = tr("QAbstractSocket::ConnectionRefusedError");
    else if (err == QAbstractSocket::RemoteHostClosedError)
        text = tr("QAbstractSocket::RemoteHostClosedError");
    else
        text = tr("QAbstractSocket::OtherError");
    writeLog(QStringLiteral("TCP Socket Error: ") + sock->errorString());
    QString cpuid;
    const uint key = keyOf(sock);
    if (key) {
        cpuid = links.value(key)->cpuid;
        destroyLink(key);
    }
    sock->disconnect(this);
    sock->deleteLater();
    emit emitDeviceConnectionBroken(cpuid, text, false);
}

void CommManager::onErrorSerialPort(QSerialPort::SerialPortError err)
{
    auto *port = qobject_cast<QSerialPort *>(sender());
    const QString name = port ? port->portName() : QString();
    qDebug() << "serial port error : " << name << err;
    if (err == QSerialPort::NoError || !port)
        return;
    QString text = name;
    if (err == QSerialPort::PermissionError)
        text += tr(" access denied");
    else if (err == QSerialPort::ResourceError)
        text += tr(" is removed");
    else
        text += tr(" error");
    writeLog(name + port->errorString());
    QString cpuid;
    const uint key = keyOf(port);
    if (key) {
        cpuid = links.value(key)->cpuid;
        destroyLink(key);
    }
    port->disconnect(this);
    port->deleteLater();
    if (!cpuid.isEmpty())
        emit emitDeviceConnectionBroken(cpuid, text, err != QSerialPort::PermissionError);
}

void CommManager::onTimerHeartBeat()
{
    const QList<uint> keys = links.keys();
    for (uint key : keys) {
        LinkState *link = links.value(key);
        if (!link || link->linkType != LinkTcp)
            continue;
        QString cpuid;
        {
            QMutexLocker locker(&link->lock);
            ++link->missedBeats;
            if (link->missedBeats <= MaxMissedBeats)
                continue;
            cpuid = link->cpuid;
        }
        closeLink(key);
        emit emitDeviceConnectionBroken(cpuid, QString(), false);
    }
}

uint CommManager::openSerialPort(const QString &portName)
{
    auto *port = new QSerialPort;
    port->setPortName(portName);
    port->setBaudRate(QSerialPort::Baud115200);
    if (!port->open(QIODevice::ReadWrite)) {
        delete port;
        return 0;
    }
    const uint key = insertLink(port, LinkSerial);
    connect(port, &QSerialPort::readyRead, this, &CommManager::onReadSerialPort);
    connect(port, &QSerialPort::errorOccurred, this, &CommManager::onErrorSerialPort);
    return key;
}

void CommManager::probePort(const QString &portName)
{
    if (!portName.isEmpty())
        probeSerialPort(portName);
}

void CommManager::probeSerialPort(const QString &portName)
{
    if (probingPorts.contains(portName))
        return;
    for (LinkState *link : qAsConst(links)) {
        auto *p = qobject_cast<QSerialPort *>(link->device);
        if (link->linkType == LinkSerial && p && p->portName() == portName)
            return;
    }
    auto *port = new QSerialPort;
    port->setPortName(portName);
    port->setBaudRate(QSerialPort::Baud115200);
    if (!port->open(QIODevice::ReadWrite)) {
        delete port;
        return;
    }
    qDebug() << QStringLiteral("open %1 ok!").arg(portName);
    const QByteArray request = makeSearchFrame();
    port->write(request);
    port->flush();
    if (trafficWatched())
        emit emitFrameTraffic(QString(), true, request);
    // The answer is awaited without blocking: every port is probed at once and the network's
    // answers are handled meanwhile. A port silent for the probe time, counted from the write, is
    // closed again.
    Probe &probe = probingPorts[portName];
    probe.port = port;
    probe.sinceWrite.start();
    connect(port, &QSerialPort::readyRead, this, [this, portName, port] { finishProbe(portName, port, true); });
    QTimer::singleShot(probeTimeoutMs, Qt::PreciseTimer, port,
                       [this, portName, port] { judgeProbe(portName, port); });
}

void CommManager::judgeProbe(const QString &portName, QSerialPort *port)
{
    const auto it = probingPorts.constFind(portName);
    if (it == probingPorts.constEnd() || it->port != port)
        return;
    const qint64 leftMs = probeTimeoutMs - it->sinceWrite.elapsed();
    if (leftMs > 0) {
        QTimer::singleShot(int(leftMs), Qt::PreciseTimer, port,
                           [this, portName, port] { judgeProbe(portName, port); });
        return;
    }
    // On a busy machine the event loop may hand out this timer before the port's notification of
    // an answer that is already waiting: ask the port itself before calling it silent.
    disconnect(port, &QSerialPort::readyRead, this, nullptr);
    const bool answered = port->bytesAvailable() > 0 || port->waitForReadyRead(0);
    finishProbe(portName, port, answered);
}

void CommManager::finishProbe(const QString &portName, QSerialPort *port, bool answered)
{
    if (probingPorts.value(portName).port != port)
        return;
    probingPorts.remove(portName);
    port->disconnect(this);
    if (!answered) {
        port->close();
        port->deleteLater();
        return;
    }
    const uint key = insertLink(port, LinkSerial);
    handleStreamData(port->readAll(), key);
    if (!links.contains(key))
        return;
    connect(port, &QSerialPort::readyRead, this, &CommManager::onReadSerialPort);
    connect(port, &QSerialPort::errorOccurred, this, &CommManager::onErrorSerialPort);
}

void CommManager::searchDevice(int type)
{
    if (type & 2) {
        QStringList names;
        const auto infos = QSerialPortInfo::availablePorts();
        for (const QSerialPortInfo &info : infos)
            names << info.portName();
        for (const QString &extra : qAsConst(extraPorts))
            if (!names.contains(extra))
                names << extra;
        for (const QString &name : qAsConst(names))
            probeSerialPort(name);
    }
    if (type & 1) {
        if (!udpReady)
            initUdpSockets();
        if (udpReady) {
            const QByteArray request = makeSearchFrame();
            const bool watched = trafficWatched();
            for (SxUdpSocket *s : qAsConst(udpSockets)) {
                s->writeDatagram(request, QHostAddress::Broadcast, devicePort);
                if (watched)
                    emit emitFrameTraffic(QString(), true, request);
            }
        }
        // Hosts named by the operator are asked directly, also where no broadcast can go.
        for (const QString &host : qAsConst(connectHosts))
            searchAddress(host);
    }
}

void CommManager::initUdpSockets()
{
    const auto ifaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : ifaces) {
        const auto flags = iface.flags();
        const bool usable = (flags & QNetworkInterface::IsUp) && (flags & QNetworkInterface::IsRunning)
            && (flags & QNetworkInterface::CanBroadcast) && (flags & QNetworkInterface::CanMulticast)
            && !(flags & QNetworkInterface::IsLoopBack);
        if (!usable)
            continue;
        const QString hw = iface.hardwareAddress().toUpper();
        if (hw == QLatin1String("00:50:56:C0:00:01") || hw == QLatin1String("00:50:56:C0:00:08"))
            continue;
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            auto *s = new SxUdpSocket;
            connect(s, &QUdpSocket::readyRead, this, &CommManager::onReadUdpData);
            s->bind(entry.ip(), discoveryPort);
            udpReady = true;
            udpSockets.append(s);
            registerUdp(s);
        }
    }
}

uint CommManager::registerUdp(SxUdpSocket *s)
{
    uint key = nextKey++;
    if (key == 0)
        key = nextKey++;
    udpKeys.insert(key, s);
    return key;
}

void CommManager::addConnectAddress(const QString &host)
{
    const QString h = host.trimmed();
    if (!h.isEmpty() && !connectHosts.contains(h))
        connectHosts.append(h);
}

void CommManager::removeConnectAddress(const QString &host)
{
    connectHosts.removeAll(host.trimmed());
}

void CommManager::searchAddress(const QString &host)
{
    const QString h = host.trimmed();
    if (h.isEmpty())
        return;
    QHostAddress literal;
    if (literal.setAddress(h)) {
        sendUnicastSearch(h, literal);
        return;
    }
    // Names are looked up on a worker thread; the answer comes back through the event loop.
    QHostInfo::lookupHost(h, this, [this, h](const QHostInfo &info) { onHostResolved(h, info); });
}

void CommManager::onHostResolved(const QString &host, const QHostInfo &info)
{
    if (info.error() != QHostInfo::NoError) {
        writeLog(QStringLiteral("Address %1 not resolved: %2").arg(host, info.errorString()));
        emit emitConnectAddressFailed(host, tr("The address %1 cannot be resolved: %2").arg(host, info.errorString()));
        return;
    }
    const auto addresses = info.addresses();
    for (const QHostAddress &a : addresses) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol) {
            sendUnicastSearch(host, a);
            return;
        }
    }
    emit emitConnectAddressFailed(host, tr("The address %1 has no IPv4 address.").arg(host));
}

SxUdpSocket *CommManager::searchSocketFor(const QHostAddress &target, QString *error)
{
    // The local address the system would send from: a connected UDP socket learns it without
    // sending anything.
    QUdpSocket probe;
    probe.connectToHost(target, devicePort);
    if (probe.state() != QAbstractSocket::ConnectedState) {
        *error = probe.errorString();
        return nullptr;
    }
    bool v4 = false;
    const quint32 local = probe.localAddress().toIPv4Address(&v4);
    probe.abort();
    if (!v4) {
        *error = tr("no IPv4 route");
        return nullptr;
    }
    // Sent from the discovery socket of that address, the answer takes the broadcast answer's path.
    for (SxUdpSocket *s : qAsConst(udpSockets)) {
        bool ok = false;
        if (s->state() == QAbstractSocket::BoundState && s->localAddress().toIPv4Address(&ok) == local && ok)
            return s;
    }
    if (SxUdpSocket *s = unicastSockets.value(local, nullptr))
        return s;
    auto *s = new SxUdpSocket;
    if (!s->bind(QHostAddress(local), discoveryPort) && !s->bind(QHostAddress(local), 0)) {
        *error = s->errorString();
        writeLog(QStringLiteral("UDP Socket Error: ") + s->errorString());
        delete s;
        return nullptr;
    }
    connect(s, &QUdpSocket::readyRead, this, &CommManager::onReadUdpData);
    registerUdp(s);
    unicastSockets.insert(local, s);
    return s;
}

bool CommManager::searchAt(const QHostAddress &address)
{
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    QString error;
    SxUdpSocket *s = v4 ? searchSocketFor(QHostAddress(ip), &error) : nullptr;
    if (!s)
        return false;
    const QByteArray request = makeSearchFrame();
    if (s->writeDatagram(request, QHostAddress(ip), devicePort) < 0)
        return false;
    if (trafficWatched())
        emit emitFrameTraffic(QString(), true, request);
    return true;
}

void CommManager::sendUnicastSearch(const QString &host, const QHostAddress &address)
{
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    if (!v4) {
        emit emitConnectAddressFailed(host, tr("The address %1 has no IPv4 address.").arg(host));
        return;
    }
    QString error;
    SxUdpSocket *s = searchSocketFor(QHostAddress(ip), &error);
    if (!s) {
        writeLog(QStringLiteral("Address %1 not reached: %2").arg(host, error));
        emit emitConnectAddressFailed(host, tr("The address %1 cannot be reached: %2").arg(host, error));
        return;
    }
    const QByteArray request = makeSearchFrame();
    if (s->writeDatagram(request, QHostAddress(ip), devicePort) < 0) {
        writeLog(QStringLiteral("Address %1 not reached: %2").arg(host, s->errorString()));
        emit emitConnectAddressFailed(host, tr("The address %1 cannot be reached: %2").arg(host, s->errorString()));
        return;
    }
    if (trafficWatched())
        emit emitFrameTraffic(QString(), true, request);
    awaitedHosts.insert(ip, host);
    addressReplyTimer->start(addressReplyMs);
}

void CommManager::onAddressReplyTimeout()
{
    const QMap<quint32, QString> silent = awaitedHosts;
    awaitedHosts.clear();
    for (const QString &host : silent)
        emit emitConnectAddressFailed(host, tr("No device answered at %1.").arg(host));
}
