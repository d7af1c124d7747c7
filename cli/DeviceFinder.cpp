#include "DeviceFinder.h"

#include "CommManager.h"
#include "ConfigBackup.h"
#include "DeviceModels.h"
#include "HubRemoteBackend.h"
#include "INFO_BASIC.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTimer>

#include <memory>

namespace {
bool isIpv4(const QString &text)
{
    const QHostAddress a(text);
    return !a.isNull() && a.protocol() == QAbstractSocket::IPv4Protocol;
}

bool looksLikeCpuid(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{24}$"));
    return hex.match(text).hasMatch();
}

// Qt names a port under /dev by its bare name; anything else by its path.
QString systemLocation(const QString &portName)
{
    if (portName.isEmpty() || portName.startsWith(QLatin1Char('/')))
        return portName;
    return QStringLiteral("/dev/") + portName;
}
} // namespace

DeviceFinder::DeviceFinder(DeviceHub *hub, const QStringList &hosts, const QStringList &serialPorts,
                           bool onlyGiven, QObject *parent)
    : QObject(parent), hub(hub), hosts(hosts), ports(serialPorts), onlyGiven(onlyGiven)
{
    connect(hub->commManager(), &CommManager::emitConnectAddressFailed, this,
            [this](const QString &, const QString &message) {
                if (!transportMessages.contains(message))
                    transportMessages << message;
            });
}

bool DeviceFinder::isAddress(const QString &selector)
{
    return isIpv4(selector) || selector.startsWith(QLatin1Char('/'));
}

void DeviceFinder::askFor(const QStringList &selectors)
{
    for (const QString &s : selectors) {
        if (isIpv4(s) && !hosts.contains(s))
            hosts << s;
        else if (s.startsWith(QLatin1Char('/')) && !ports.contains(s))
            ports << s;
    }
}

void DeviceFinder::search(int timeoutMs, const QStringList &wanted)
{
    for (const QString &h : qAsConst(hosts))
        hub->addConnectAddress(h);
    for (const QString &p : qAsConst(ports))
        hub->addSerialPort(p);
    searchAgain();
    // A datagram may be lost, and a device may let a second search from the same address soon
    // after the first go unanswered: the hosts and ports given are asked again until they answer.
    QTimer askAgain;
    connect(&askAgain, &QTimer::timeout, this, [this] {
        for (const QString &h : qAsConst(hosts))
            if (isIpv4(h) && !answeredAt(h)) // a name is not looked up again and again
                hub->commManager()->searchAddress(h);
        for (const QString &p : qAsConst(ports))
            if (!answeredAt(p))
                hub->commManager()->probePort(p);
    });
    askAgain.start(AskAgainMs);
    waitFor(
        [&] {
            if (onlyGiven && allGivenAnswered())
                return true;
            if (wanted.isEmpty())
                return false;
            for (const QString &s : wanted) {
                if (!(looksLikeCpuid(s) || isAddress(s)) || !resolve(s).error.isEmpty())
                    return false;
            }
            return true;
        },
        timeoutMs, stopWhen);
}

void DeviceFinder::searchAgain()
{
    CommManager *comm = hub->commManager();
    if (!onlyGiven) {
        hub->search(3); // also asks the hosts and ports given
        return;
    }
    for (const QString &h : qAsConst(hosts))
        comm->searchAddress(h);
    for (const QString &p : qAsConst(ports))
        comm->probePort(p);
}

bool DeviceFinder::answeredAt(const QString &place) const
{
    const QStringList all = found();
    return std::any_of(all.cbegin(), all.cend(),
                       [&](const QString &cpuid) { return address(cpuid) == place; });
}

bool DeviceFinder::allGivenAnswered() const
{
    for (const QString &p : qAsConst(ports))
        if (!answeredAt(p))
            return false;
    for (const QString &h : qAsConst(hosts)) {
        // A name is settled by its device's address only once resolved; the transport says when
        // it cannot be resolved or reached.
        if (isIpv4(h) ? !answeredAt(h)
                      : std::none_of(transportMessages.cbegin(), transportMessages.cend(),
                                     [&](const QString &m) { return m.contains(h); }))
            return false;
    }
    return true;
}

QStringList DeviceFinder::silentPlaces() const
{
    QStringList out;
    for (const QString &h : qAsConst(hosts))
        if (isIpv4(h) && !answeredAt(h))
            out << QStringLiteral("No device answered at %1.").arg(h);
    for (const QString &p : qAsConst(ports))
        if (!answeredAt(p))
            out << QStringLiteral("No device answered on %1.").arg(p);
    for (const QString &m : transportMessages)
        if (!out.contains(m))
            out << m;
    return out;
}

QStringList DeviceFinder::found() const
{
    return hub->devices().keys();
}

DeviceFinder::Match DeviceFinder::resolve(const QString &selector) const
{
    const QStringList all = found();
    const QString lower = selector.toLower();
    if (all.contains(lower))
        return {lower, QString()};
    QStringList byName;
    for (const QString &cpuid : all)
        if (hub->record(cpuid)->name == selector)
            byName << cpuid;
    if (byName.size() == 1)
        return {byName.first(), QString()};
    if (byName.size() > 1) {
        QStringList labels;
        for (const QString &cpuid : qAsConst(byName))
            labels << label(cpuid);
        return {QString(), QStringLiteral("the name \"%1\" is ambiguous: %2 share it (%3); name one by its "
                                          "cpuid or address")
                               .arg(selector)
                               .arg(byName.size())
                               .arg(labels.join(QStringLiteral(", ")))};
    }
    if (isAddress(selector)) {
        QStringList at;
        for (const QString &cpuid : all)
            if (address(cpuid) == selector)
                at << cpuid;
        if (at.size() == 1)
            return {at.first(), QString()};
    }
    return {QString(), QStringLiteral("no device \"%1\" was found (%2 found: cpuid, name, address or serial "
                                      "port expected)")
                           .arg(selector)
                           .arg(all.size())};
}

QString DeviceFinder::portPath(const QString &cpuid) const
{
    const INFO_BASIC *r = hub->knownRecord(cpuid);
    return r && r->keyTCP != 0 ? systemLocation(hub->commManager()->linkPortName(r->keyTCP)) : QString();
}

QString DeviceFinder::address(const QString &cpuid) const
{
    const QString port = portPath(cpuid);
    if (!port.isEmpty())
        return port;
    const INFO_BASIC *r = hub->knownRecord(cpuid);
    return r && !r->address.isNull() ? QHostAddress(r->address.toIPv4Address()).toString() : QString();
}

QString DeviceFinder::connection(const QString &cpuid) const
{
    if (!portPath(cpuid).isEmpty())
        return QStringLiteral("serial ") + portPath(cpuid);
    const QString a = address(cpuid);
    return a.isEmpty() ? QStringLiteral("-") : QStringLiteral("network ") + a;
}

QString DeviceFinder::label(const QString &cpuid) const
{
    const INFO_BASIC *r = hub->knownRecord(cpuid);
    if (!r)
        return cpuid;
    QString text = modelLabel(r->type, r->hasUsb, r->hasSdi);
    if (!r->name.isEmpty())
        text += QStringLiteral(" \"%1\"").arg(r->name);
    return text + QStringLiteral(" (") + cpuid + QLatin1Char(')');
}

bool DeviceFinder::readBack(const QStringList &cpuids, QString *error)
{
    struct Outcome
    {
        bool finished = false;
        bool ok = false;
        QString message;
    };
    for (const QString &cpuid : cpuids) {
        // Shared with the callback, which may come after a wait that gave up.
        auto outcome = std::make_shared<Outcome>();
        ConfigBackup::readBackDevice(hub, cpuid, ConfigBackup::DefaultTimeoutMs, this,
                                     [outcome](bool ok, const QString &message) {
                                         *outcome = Outcome{true, ok, message};
                                     });
        // The read-back bounds itself; this bound only keeps a lost answer from hanging vpctl.
        waitFor([&] { return outcome->finished; }, 2 * ConfigBackup::DefaultTimeoutMs + 1000, stopWhen);
        if (!outcome->finished || !outcome->ok) {
            if (outcome->finished)
                *error = outcome->message;
            else if (stopWhen && stopWhen())
                *error = QStringLiteral("interrupted during the read-back of %1").arg(label(cpuid));
            else
                *error = QStringLiteral("%1 did not finish its read-back").arg(label(cpuid));
            return false;
        }
    }
    return true;
}

bool DeviceFinder::waitFor(const std::function<bool()> &done, int timeoutMs,
                           const std::function<bool()> &stop)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer wake; // ends the last wait for events in time
    wake.setSingleShot(true);
    wake.start(qMax(0, timeoutMs));
    while (!done()) {
        if ((stop && stop()) || elapsed.elapsed() >= timeoutMs)
            return done();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}
