#include "DeviceHub.h"

#include "Announcement.h"
#include "CommManager.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "Log.h"

#include <QDebug>
#include <QMutexLocker>
#include <QTimer>

DeviceHub::DeviceHub(QObject *parent) : QObject(parent)
{
    registerRecordTypes();
    comm = new CommManager(this);
    connect(comm, &CommManager::emitHandleData, this, &DeviceHub::handleFrame);
    connect(comm, &CommManager::emitDeviceConnectionBroken, this, &DeviceHub::linkBroken);
    connect(this, &DeviceHub::emitSetConnectDeviceCpuid, comm, &CommManager::onSetConnectDeviceCpuid);
    comm->setConnectGate(
        [this](const QHostAddress &from, const QByteArray &payload) { return allowConnect(from, payload); });
}

DeviceHub::~DeviceHub()
{
    comm->setConnectGate(nullptr);
    for (Device *d : qAsConst(known)) {
        discardTransactions(d);
        delete d->iface;
        delete d->record;
        delete d;
    }
    qDeleteAll(retiredInterfaces);
    qDeleteAll(retiredRecords);
}

// ---- look-ups --------------------------------------------------------------------------------

DeviceHub::Device *DeviceHub::find(const QString &cpuid) const
{
    return cpuid.isEmpty() ? nullptr : known.value(cpuid, nullptr);
}

INFO_BASIC *DeviceHub::record(const QString &cpuid) const
{
    return cpuid.isEmpty() ? nullptr : deviceMap.value(cpuid, nullptr);
}

DEVICE_INFO_KS *DeviceHub::ksRecord(const QString &cpuid) const
{
    return dynamic_cast<DEVICE_INFO_KS *>(record(cpuid));
}

DEVICE_INFO_GW *DeviceHub::gwRecord(const QString &cpuid) const
{
    return dynamic_cast<DEVICE_INFO_GW *>(record(cpuid));
}

INFO_BASIC *DeviceHub::knownRecord(const QString &cpuid) const
{
    const Device *d = find(cpuid);
    return d ? d->record : nullptr;
}

QStringList DeviceHub::knownCpuids() const
{
    return known.keys();
}

Interface *DeviceHub::interfaceOf(const QString &cpuid) const
{
    const Device *d = find(cpuid);
    return d ? d->iface : nullptr;
}

KS9200Interface *DeviceHub::ksInterface(const QString &cpuid) const
{
    return qobject_cast<KS9200Interface *>(interfaceOf(cpuid));
}

GW5Interface *DeviceHub::gwInterface(const QString &cpuid) const
{
    return qobject_cast<GW5Interface *>(interfaceOf(cpuid));
}

DeviceHub::Link DeviceHub::linkState(const QString &cpuid) const
{
    const Device *d = find(cpuid);
    return d ? d->link : Link::Offline;
}

QDateTime DeviceHub::linkLostAt(const QString &cpuid) const
{
    const Device *d = find(cpuid);
    return d && d->link != Link::Online ? d->lostAt : QDateTime();
}

bool DeviceHub::isReadingBack(const QString &cpuid) const
{
    const Device *d = find(cpuid);
    return d && d->readingBack;
}

QString DeviceHub::label(const Device *d) const
{
    const INFO_BASIC *r = d->record;
    return (r->name.isEmpty() ? modelName(r->type) : r->name) + QStringLiteral(" [") + r->cpuid +
           QLatin1Char(']');
}

// ---- discovery and writing -------------------------------------------------------------------

void DeviceHub::search(int mask)
{
    comm->searchDevice(mask);
}

void DeviceHub::addConnectAddress(const QString &host)
{
    comm->addConnectAddress(host);
}

void DeviceHub::addSerialPort(const QString &portName)
{
    comm->addNamedSerialPort(portName);
}

bool DeviceHub::isReadRequest(const QByteArray &frame)
{
    // Host frames: two sync bytes, the length (two bytes), then the command.
    if (frame.size() <= 4)
        return false;
    const uint8_t cmd = uint8_t(frame.at(4));
    return cmd >= 0xE1 && cmd <= 0xEF;
}

int DeviceHub::write(const QString &cpuid, const QByteArray &frame)
{
    Device *d = find(cpuid);
    if (!d || !d->registered || d->link != Link::Online)
        return -1;
    const int written = comm->write(d->record->keyTCP, frame);
    noteWritten(cpuid, frame, written);
    return written;
}

int DeviceHub::writeByUdp(const QString &cpuid, const QByteArray &frame)
{
    Device *d = find(cpuid);
    if (!d || !d->registered || d->link != Link::Online)
        return -1;
    return comm->writeByUDP(d->record->keyUDP, frame, d->record->address);
}

bool DeviceHub::readBack(const QString &cpuid)
{
    Device *d = find(cpuid);
    if (!d || !d->registered || d->link != Link::Online)
        return false;
    d->adopted = true;
    d->readingBack = true;
    d->record->clearAllData();
    changed(cpuid, PartAll);
    d->iface->readAll();
    return true;
}

void DeviceHub::notifyRecordChanged(const QString &cpuid, uint parts)
{
    changed(cpuid, parts);
}

// ---- received frames and registration --------------------------------------------------------

void DeviceHub::handleFrame(uint keyTCP, uint keyUDP, QString cpuid, RECV_PROTOCOL rp, QByteArray data,
                            QHostAddress addr, short port)
{
    qDebug().noquote() << "cpuid : " << cpuid << "rp.cmd : " << QString::number(rp.cmd, 16)
                       << QString::number(rp.subCmd, 16);
    if (rp.cmd == Frame::CmdLink) {
        if (rp.subCmd == Frame::SubAnnounce)
            registerAnnouncement(keyTCP, keyUDP, data, addr, port);
        else if (rp.subCmd == Frame::SubHeartbeat)
            qDebug() << "heart beat";
        else if (rp.subCmd == Frame::SubInterrupted)
            onInterrupted(cpuid, keyTCP);
        return;
    }
    Device *d = find(cpuid);
    if (!d || !d->registered)
        return;
    settleTransactions(d, rp);
    if (rp.cmd == 0x08 && rp.subCmd == 0x00)
        emit inputSwitchFinished(cpuid, rp.status == 0);
    d->iface->handleFrame(cpuid, rp, data);
}

DeviceHub::Device *DeviceHub::createDevice(const QString &cpuid, bool gw)
{
    auto *d = new Device;
    d->gw = gw;
    if (gw) {
        d->record = new DEVICE_INFO_GW;
        d->iface = new GW5Interface(cpuid);
    } else {
        d->record = new DEVICE_INFO_KS;
        d->iface = new KS9200Interface(cpuid);
    }
    d->record->cpuid = cpuid;
    connectStore(d->iface);
    known.insert(cpuid, d);
    return d;
}

void DeviceHub::retireDevice(const QString &cpuid)
{
    Device *d = known.take(cpuid);
    if (!d)
        return;
    failTransactions(d, HubResult::LinkLost);
    deviceMap.remove(cpuid);
    d->iface->disconnect(this);
    retiredInterfaces.append(d->iface);
    retiredRecords.append(d->record);
    delete d->retryTimer;
    delete d;
}

void DeviceHub::rememberWhere(Device *d, uint keyTCP)
{
    const QString port = comm->linkPortName(keyTCP);
    const QHostAddress tcp = comm->linkAddress(keyTCP);
    if (!port.isEmpty()) {
        d->serialPort = port;
        d->networkAddress = QHostAddress();
    } else if (!tcp.isNull()) {
        d->networkAddress = tcp;
        d->serialPort.clear();
    } else if (d->record->linkType == 2 && !d->record->address.isNull()) {
        d->networkAddress = d->record->address;
        d->serialPort.clear();
    }
}

namespace {
bool sameIdentity(const INFO_BASIC &a, const INFO_BASIC &b)
{
    return a.type == b.type && a.hasUsb == b.hasUsb && a.hasSdi == b.hasSdi && a.linkType == b.linkType &&
           a.address == b.address && a.extra == b.extra && a.online == b.online && a.name == b.name &&
           a.version == b.version && a.keyTCP == b.keyTCP && a.keyUDP == b.keyUDP;
}
} // namespace

void DeviceHub::registerAnnouncement(uint keyTCP, uint keyUDP, QByteArray data, QHostAddress addr, short port)
{
    Announcement a;
    if (!a.decode(data))
        return;
    const bool gw = a.type == DeviceType::GW5;
    if (!gw && !(isKsType(a.type) && a.type != DeviceType::KXUHD))
        return;
    const uint32_t linkType = port != 0 ? 2 : 1;
    const QString cpuid = a.cpuid;

    QMutexLocker lock(&registryLock);
    Device *d = find(cpuid);
    if (d && d->link == Link::Online && d->record->linkType == 1 && linkType == 2) {
        // The device is already reached over its serial port; keep that link.
        lock.unlock();
        if (keyTCP != 0 && keyTCP != d->record->keyTCP)
            comm->closeLink(keyTCP);
        return;
    }
    // A port reported taken while the device's link to us is up may well be taken by us.
    if (d && d->link == Link::Online && reconnectOn && a.extra == 1 && comm->hasLink(d->record->keyTCP)) {
        lock.unlock();
        if (keyTCP != 0 && keyTCP != d->record->keyTCP)
            comm->closeLink(keyTCP);
        return;
    }
    if (d && d->gw != gw) {
        retireDevice(cpuid);
        d = nullptr;
    }
    const bool created = !d;
    if (created)
        d = createDevice(cpuid, gw);
    const Link before = d->link;
    const uint oldKey = d->record->keyTCP;
    // A port taken by another computer is neither connected nor written (the transport's gate
    // kept the link closed); with automatic reconnection off the announcement connects as always.
    const bool inUse = reconnectOn && linkType == 2 && a.extra == 1;

    INFO_BASIC *r = d->record;
    const INFO_BASIC identity = *r;
    a.applyTo(*r);
    r->keyTCP = inUse ? 0 : keyTCP;
    r->keyUDP = keyUDP;
    r->linkType = linkType;
    r->address = addr;
    r->online = inUse ? 0 : 1;
    d->iface->setKeyTCP(r->keyTCP);
    if (!d->registered) {
        deviceMap.insert(cpuid, r);
        d->registered = true;
    }
    lock.unlock();

    if (inUse && keyTCP != 0)
        comm->closeLink(keyTCP);
    emit emitSetConnectDeviceCpuid(r->keyTCP, keyUDP, cpuid, addr);
    if (oldKey != 0 && oldKey != r->keyTCP)
        comm->closeLink(oldKey); // the device's previous link, if it is still open
    rememberWhere(d, keyTCP);
    if (created)
        emit interfaceCreated(cpuid, d->iface);
    setLink(cpuid, d, inUse ? Link::InUse : Link::Online);
    // A device in use elsewhere answers every try the same way: nothing new to tell then.
    if (!created && before == d->link && sameIdentity(identity, *r))
        return;
    changed(cpuid, PartIdentity);
    emit deviceRegistered(cpuid);
    if (!created && before != Link::Online && d->link == Link::Online && reconnectOn && d->adopted)
        readBack(cpuid);
}
