// DeviceHub: link state, outages and reconnection.
#include "DeviceHub.h"

#include "Announcement.h"
#include "CommManager.h"
#include "INFO_BASIC.h"
#include "Interface.h"
#include "Log.h"

#include <QMutexLocker>
#include <QTimer>

namespace {
// Tries after the first few are logged once a minute at the longest interval, so that a long
// outage does not push everything else out of the diagnostics history.
constexpr int TriesLoggedEach = 10;
constexpr int LongestLogGapMs = 60000;
} // namespace

void DeviceHub::setAutoReconnect(bool on)
{
    if (reconnectOn == on)
        return;
    reconnectOn = on;
    for (auto it = known.cbegin(); it != known.cend(); ++it) {
        Device *d = it.value();
        if (on && d->link == Link::Offline && d->adopted && d->registered)
            setLink(it.key(), d, Link::Reconnecting);
        else if (!on && (d->link == Link::Reconnecting || d->link == Link::InUse))
            setLink(it.key(), d, Link::Offline);
    }
}

void DeviceHub::setRetryIntervals(int firstMs, int longestMs)
{
    firstRetryMs = qMax(1, firstMs);
    longestRetryMs = qMax(firstRetryMs, longestMs);
}

void DeviceHub::setLink(const QString &cpuid, Device *d, Link state)
{
    if (d->link == state)
        return;
    d->link = state;
    if (state == Link::Online) {
        d->onlineFor.start();
        if (d->lostAt.isValid())
            writeLog(tr("%1: back online after %2 tries").arg(label(d)).arg(d->tries));
        d->tries = 0;
        if (d->retryTimer)
            d->retryTimer->stop();
    } else if (state == Link::Reconnecting) {
        d->retryDelayMs = firstRetryMs;
        scheduleTry(cpuid, d, firstRetryMs);
    } else if (state == Link::InUse) {
        writeLog(tr("%1: in use by another computer").arg(label(d)));
        if (reconnectOn && d->adopted) {
            d->retryDelayMs = longestRetryMs;
            scheduleTry(cpuid, d, longestRetryMs);
        }
    } else if (d->retryTimer) {
        d->retryTimer->stop();
    }
    emit linkStateChanged(cpuid, state);
}

void DeviceHub::linkBroken(QString cpuid, QString errorString, bool showMsg)
{
    Device *d = find(cpuid);
    if (!d) {
        // A link the hub never registered (refused before its device was known).
        if (showMsg)
            emit connectionLost(cpuid, errorString, showMsg);
        return;
    }
    // The signal names the device, not the link: a link the device no longer uses may end while
    // its current one is fine.
    if (d->link == Link::Online && d->record->keyTCP != 0 && comm->hasLink(d->record->keyTCP))
        return;
    loseLink(cpuid, d, errorString, showMsg, false);
}

void DeviceHub::onInterrupted(const QString &cpuid, uint key)
{
    writeLog(tr("Connect interrupt"));
    Device *d = find(cpuid);
    if (!d) {
        emit connectInterrupted(cpuid);
        return;
    }
    if (key != 0 && d->record->keyTCP != 0 && key != d->record->keyTCP) {
        comm->closeLink(key); // an old link of the device; its current one is fine
        return;
    }
    // The transport ends a TCP link that carried this frame; a serial link stays open unless it
    // is closed here, and its port could not be probed again.
    if (key != 0)
        comm->closeLink(key);
    loseLink(cpuid, d, tr("Connect interrupt"), false, true);
}

void DeviceHub::loseLink(const QString &cpuid, Device *d, const QString &why, bool showMsg, bool interrupted)
{
    INFO_BASIC *r = d->record;
    const bool wasOnline = d->link == Link::Online;
    r->online = 0;
    r->linkType = 0;
    const bool newOutage = !d->outageOpen || (d->onlineFor.isValid() && d->onlineFor.elapsed() >= settleMs);
    if (newOutage) {
        d->outageOpen = true;
        d->lossSignalled = false;
        d->interruptSignalled = false;
        d->lostAt = QDateTime::currentDateTime();
    }
    d->onlineFor.invalidate();
    d->readingBack = false;
    failTransactions(d, HubResult::LinkLost);
    if (wasOnline || interrupted)
        writeLog(why.isEmpty() ? tr("%1: link lost").arg(label(d))
                               : tr("%1: link lost (%2)").arg(label(d), why));
    if (interrupted && !reconnectOn) {
        QMutexLocker lock(&registryLock);
        deviceMap.remove(cpuid);
        d->registered = false;
    }
    if (d->registered)
        changed(cpuid, PartIdentity);
    setLink(cpuid, d, reconnectOn && d->adopted && d->registered ? Link::Reconnecting : Link::Offline);
    if (interrupted) {
        if (!d->interruptSignalled) {
            d->interruptSignalled = true;
            emit connectInterrupted(cpuid);
        }
    } else if (!d->lossSignalled) {
        d->lossSignalled = true;
        emit connectionLost(cpuid, why, showMsg);
    }
}

void DeviceHub::scheduleTry(const QString &cpuid, Device *d, int delayMs)
{
    if (!d->retryTimer) {
        d->retryTimer = new QTimer(this);
        d->retryTimer->setSingleShot(true);
        connect(d->retryTimer, &QTimer::timeout, this, [this, cpuid] { tryAgain(cpuid); });
    }
    d->retryTimer->start(delayMs);
}

void DeviceHub::tryAgain(const QString &cpuid)
{
    Device *d = find(cpuid);
    if (!d || !reconnectOn || (d->link != Link::Reconnecting && d->link != Link::InUse))
        return;
    ++d->tries;
    const bool logIt =
        d->tries <= TriesLoggedEach || d->tries % qMax(1, LongestLogGapMs / longestRetryMs) == 0;
    if (!d->serialPort.isEmpty()) {
        if (logIt)
            writeLog(
                tr("%1: reconnecting, try %2: probing %3").arg(label(d)).arg(d->tries).arg(d->serialPort));
        comm->probePort(d->serialPort);
    } else if (!d->networkAddress.isNull()) {
        if (logIt)
            writeLog(tr("%1: reconnecting, try %2: asking %3")
                         .arg(label(d))
                         .arg(d->tries)
                         .arg(d->networkAddress.toString()));
        // Asked first: the answer says whether its port is free, and only then is it connected.
        comm->searchAt(d->networkAddress);
    }
    d->retryDelayMs = d->link == Link::InUse ? longestRetryMs : qMin(d->retryDelayMs * 2, longestRetryMs);
    scheduleTry(cpuid, d, d->retryDelayMs);
}

bool DeviceHub::allowConnect(const QHostAddress &from, const QByteArray &payload) const
{
    Q_UNUSED(from)
    Announcement a;
    if (!a.decode(payload))
        return true; // registration refuses it as it always did
    const Device *d = find(a.cpuid);
    // Reached over its serial port already: a second link would only be dropped.
    if (d && d->link == Link::Online && d->record->linkType == 1)
        return false;
    return !(reconnectOn && a.extra == 1);
}

bool DeviceHub::takeOver(const QString &cpuid)
{
    Device *d = find(cpuid);
    if (!d || d->link != Link::InUse || d->record->address.isNull())
        return false;
    const uint key = comm->connectTcp(d->record->address, comm->deviceTcpPort());
    if (key == 0)
        return false;
    INFO_BASIC *r = d->record;
    r->keyTCP = key;
    r->linkType = 2;
    r->online = 1;
    d->iface->setKeyTCP(key);
    {
        QMutexLocker lock(&registryLock);
        if (!d->registered) {
            deviceMap.insert(cpuid, r);
            d->registered = true;
        }
    }
    emit emitSetConnectDeviceCpuid(key, r->keyUDP, cpuid, r->address);
    rememberWhere(d, key);
    writeLog(tr("%1: taken over from another computer").arg(label(d)));
    setLink(cpuid, d, Link::Online);
    changed(cpuid, PartIdentity);
    return true;
}
