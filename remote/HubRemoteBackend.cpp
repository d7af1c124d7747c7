#include "HubRemoteBackend.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "HubResult.h"
#include "Interface.h"
#include "RemoteFrames.h"

#include <QTimer>

namespace {
std::shared_ptr<const INFO_BASIC> copyOf(const INFO_BASIC *record)
{
    if (const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(record))
        return std::make_shared<DEVICE_INFO_KS>(*ks);
    if (const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(record))
        return std::make_shared<DEVICE_INFO_GW>(*gw);
    return nullptr;
}

bool isLoad(RemoteCommand::Kind kind)
{
    return kind == RemoteCommand::LoadPreset || kind == RemoteCommand::LoadTemplate;
}

// What the remote side compares on a change: the windows (their inputs) and the identity.
constexpr uint WatchedParts = DeviceHub::PartIdentity | DeviceHub::PartWindows;
} // namespace

HubRemoteBackend::HubRemoteBackend(DeviceHub *hub, QObject *parent) : RemoteBackend(parent), m_hub(hub)
{
    if (!hub)
        return;
    connect(hub, &DeviceHub::linkStateChanged, this, [this](QString cpuid, DeviceHub::Link link) {
        if (link != DeviceHub::Link::Online)
            release(cpuid);
        emit emitDeviceChanged(cpuid);
    });
    connect(hub, &DeviceHub::deviceRegistered, this,
            [this](QString cpuid) { emit emitDeviceChanged(cpuid); });
    connect(hub, &DeviceHub::recordChanged, this, &HubRemoteBackend::onRecordChanged);
    connect(hub, &DeviceHub::readBackFinished, this, &HubRemoteBackend::onReadBackFinished);
    connect(hub, &DeviceHub::presetLoaded, this, &HubRemoteBackend::onPresetLoaded);
}

void HubRemoteBackend::setOrder(Order order)
{
    m_order = std::move(order);
}

QString HubRemoteBackend::linkName(DeviceHub::Link link)
{
    switch (link) {
    case DeviceHub::Link::Online:
        return QStringLiteral("online");
    case DeviceHub::Link::Reconnecting:
        return QStringLiteral("reconnecting");
    case DeviceHub::Link::InUse:
        return QStringLiteral("in use");
    case DeviceHub::Link::Offline:
        break;
    }
    return QStringLiteral("offline");
}

QStringList HubRemoteBackend::served() const
{
    if (!m_hub)
        return {};
    QStringList out;
    for (const QString &cpuid : m_order ? m_order() : m_hub->knownCpuids()) {
        if (m_hub->knownRecord(cpuid) && !out.contains(cpuid))
            out << cpuid;
    }
    return out;
}

QList<RemoteDevice> HubRemoteBackend::devices() const
{
    QList<RemoteDevice> out;
    for (const QString &cpuid : served()) {
        RemoteDevice d;
        d.cpuid = cpuid;
        // A device out of the registry (its session ended) is not connected, whatever its link.
        d.online = m_hub->isOnline(cpuid) && m_hub->record(cpuid);
        d.linkState = linkName(m_hub->linkState(cpuid));
        d.record = m_incomplete.contains(cpuid) && m_complete.contains(cpuid)
                       ? m_complete.value(cpuid)
                       : copyOf(m_hub->knownRecord(cpuid));
        out << d;
    }
    return out;
}

void HubRemoteBackend::onRecordChanged(const QString &cpuid, uint parts)
{
    if (parts == DeviceHub::PartAll) {
        // Emptied for a read-back: the copy of the complete record stands in until it ends.
        m_incomplete.insert(cpuid);
        return;
    }
    if (m_incomplete.contains(cpuid))
        return;
    m_complete.insert(cpuid, copyOf(m_hub->knownRecord(cpuid)));
    if (parts & WatchedParts)
        emit emitDeviceChanged(cpuid);
}

void HubRemoteBackend::onReadBackFinished(const QString &cpuid)
{
    m_incomplete.remove(cpuid);
    if (m_hub)
        m_complete.insert(cpuid, copyOf(m_hub->knownRecord(cpuid)));
    emit emitDeviceChanged(cpuid);
    release(cpuid);
}

void HubRemoteBackend::execute(const RemoteAction &action, int timeoutMs, Done done)
{
    const QString cpuid = action.cpuid;
    Interface *iface = m_hub && served().contains(cpuid) ? m_hub->interfaceOf(cpuid) : nullptr;
    if (!iface || !m_hub->isOnline(cpuid) || !m_hub->record(cpuid)) {
        RemoteOutcome o;
        o.status = RemoteOutcome::NotOnline;
        return done(o);
    }
    ++m_executing[cpuid];
    if (isLoad(action.kind))
        ++m_loading[cpuid];
    auto applied = std::make_shared<bool>(false);
    QPointer<HubRemoteBackend> self(this);
    QPointer<Interface> target(iface);
    m_hub->transact(
        cpuid,
        [action, applied, target] {
            if (target)
                *applied = RemoteFrames::apply(action, *target);
        },
        timeoutMs,
        [self, action, applied, timeoutMs, done](const HubResult &result) {
            if (self)
                self->finished(action, *applied, result, timeoutMs, done);
        });
}

void HubRemoteBackend::finished(const RemoteAction &action, bool applied, const HubResult &result,
                                int timeoutMs, const Done &done)
{
    const QString cpuid = action.cpuid;
    if (--m_executing[cpuid] <= 0)
        m_executing.remove(cpuid);
    if (isLoad(action.kind) && --m_loading[cpuid] <= 0)
        m_loading.remove(cpuid);

    RemoteOutcome o;
    o.framesSent = result.framesSent;
    o.framesAcknowledged = result.framesAcknowledged;
    const QString answered = QStringLiteral("%1 of %2 frames answered")
                                 .arg(result.framesAcknowledged + result.framesRefused)
                                 .arg(result.framesSent);
    switch (result.outcome) {
    case HubResult::Acknowledged:
        o.status = applied ? RemoteOutcome::Ok : RemoteOutcome::Failed;
        if (!applied)
            o.message = action.kind == RemoteCommand::SetGeometry
                            ? QStringLiteral("the device's window matrix cannot place the window")
                            : QStringLiteral("the command has no frames for this device");
        break;
    case HubResult::Refused:
        o.status = RemoteOutcome::Refused;
        o.message =
            action.kind == RemoteCommand::SwitchInput
                ? QStringLiteral("input conflict")
                : QStringLiteral("%1 of %2 frames refused").arg(result.framesRefused).arg(result.framesSent);
        break;
    case HubResult::TimedOut:
        o.status = RemoteOutcome::Timeout;
        o.message = answered;
        break;
    case HubResult::LinkLost:
        o.status = RemoteOutcome::LinkLost;
        o.message = answered;
        break;
    case HubResult::NotOnline:
        o.status = RemoteOutcome::NotOnline;
        break;
    }
    if (o.status != RemoteOutcome::Ok || !m_hub)
        return done(o);
    // Loads are read back in full by the hub; everything else asks for what it changed.
    for (const QByteArray &frame : RemoteFrames::followUpReads(action))
        m_hub->write(cpuid, frame);
    if (!isLoad(action.kind) || !m_hub->isReadingBack(cpuid))
        return complete(action, o, done);
    Parked p{cpuid, action, o, done, new QTimer(this)};
    p.timer->setSingleShot(true);
    connect(p.timer, &QTimer::timeout, this, [this, cpuid, timer = p.timer] { release(cpuid, timer); });
    p.timer->start(timeoutMs);
    m_parked << p;
}

void HubRemoteBackend::complete(const RemoteAction &action, const RemoteOutcome &outcome, const Done &done)
{
    if (action.kind == RemoteCommand::LoadPreset)
        emit emitPresetLoaded(action.cpuid, action.id);
    else if (action.kind == RemoteCommand::LoadTemplate)
        emit emitPresetLoaded(action.cpuid, -1);
    done(outcome);
}

void HubRemoteBackend::release(const QString &cpuid, QTimer *only)
{
    QList<Parked> due;
    for (int i = 0; i < m_parked.size();) {
        if (m_parked[i].cpuid == cpuid && (!only || m_parked[i].timer == only))
            due << m_parked.takeAt(i);
        else
            ++i;
    }
    for (const Parked &p : due) {
        p.timer->deleteLater();
        complete(p.action, p.outcome, p.done);
    }
}

void HubRemoteBackend::onPresetLoaded(const QString &cpuid)
{
    // A load of ours is announced when it is answered (only when acknowledged: the KS family also
    // reports a refused load as finished).
    if (m_loading.value(cpuid) > 0)
        return;
    emit emitPresetLoaded(cpuid, -1);
}
