#include "RemoteService.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceModels.h"
#include "RemoteValidator.h"

#include <memory>

namespace {
QJsonObject rectJson(int x, int y, int width, int height)
{
    return QJsonObject{{QStringLiteral("x"), x},
                       {QStringLiteral("y"), y},
                       {QStringLiteral("width"), width},
                       {QStringLiteral("height"), height}};
}

QJsonArray windowsJson(int type, const QList<INFO_WINDOW> &windows)
{
    QJsonArray out;
    for (const INFO_WINDOW &w : windows) {
        QJsonObject o = rectJson(w.x, w.y, w.width, w.height);
        o.insert(QStringLiteral("window"), w.winId + 1);
        o.insert(QStringLiteral("input"), RemoteValidator::sourceName(type, w.param2));
        o.insert(QStringLiteral("inputId"), w.param2);
        out.append(o);
    }
    return out;
}

QJsonArray presetsJson(const QList<INFO_PRESET> &presets)
{
    QList<int> ids;
    for (const INFO_PRESET &p : presets) {
        if (p.id >= 0 && p.id < RemoteValidator::PresetCount && !ids.contains(p.id + 1))
            ids << p.id + 1;
    }
    std::sort(ids.begin(), ids.end());
    QJsonArray out;
    for (int id : ids)
        out.append(id);
    return out;
}

RemoteError outcomeError(const RemoteOutcome &o, int timeoutMs)
{
    const QString detail = o.message.isEmpty() ? QString() : QStringLiteral(": %1").arg(o.message);
    switch (o.status) {
    case RemoteOutcome::Ok:
        return {};
    case RemoteOutcome::Refused:
        return {RemoteError::DeviceRefused, QStringLiteral("the device refused the command%1").arg(detail)};
    case RemoteOutcome::Timeout:
        return {RemoteError::Timeout,
                QStringLiteral("the device did not answer within %1 ms%2").arg(timeoutMs).arg(detail)};
    case RemoteOutcome::LinkLost:
        return {RemoteError::LinkLost, QStringLiteral("the link to the device was lost%1").arg(detail)};
    case RemoteOutcome::NotOnline:
        return {RemoteError::DeviceOffline,
                QStringLiteral("the device is not online; nothing was sent%1").arg(detail)};
    case RemoteOutcome::Failed:
        break;
    }
    return {RemoteError::Internal, QStringLiteral("the command could not be sent%1").arg(detail)};
}
} // namespace

QJsonObject RemoteService::Reply::toJson() const
{
    QJsonObject o = error.isError() ? error.toJson() : QJsonObject{{QStringLiteral("ok"), true}};
    for (auto it = data.constBegin(); it != data.constEnd(); ++it)
        o.insert(it.key(), it.value());
    return o;
}

RemoteService::RemoteService(RemoteBackend *backend, QObject *parent) : QObject(parent), m_backend(backend)
{
    qRegisterMetaType<RemoteEvent>();
    if (!backend)
        return;
    connect(backend, &RemoteBackend::emitDeviceChanged, this, &RemoteService::onDeviceChanged);
    connect(backend, &RemoteBackend::emitPresetLoaded, this, &RemoteService::onPresetLoaded);
    for (const RemoteDevice &d : backend->devices())
        m_seen.insert(d.cpuid, seenOf(d));
}

void RemoteService::refuse(const RemoteCommand &command, const QString &client, const RemoteError &error,
                           const Done &done)
{
    m_log.refusal(client, RemoteCommand::kindName(command.kind), error.message());
    Reply r;
    r.error = error;
    r.data.insert(QStringLiteral("command"), RemoteCommand::kindName(command.kind));
    done(r);
}

void RemoteService::execute(const RemoteCommand &command, const QString &client, const Done &done)
{
    if (!m_backend)
        return refuse(command, client, {RemoteError::Unavailable, QStringLiteral("no devices are served")},
                      done);
    const QList<RemoteDevice> devices = m_backend->devices();
    if (command.kind == RemoteCommand::Devices) {
        Reply r;
        r.data.insert(QStringLiteral("devices"), devicesJson());
        return done(r);
    }
    if (command.kind == RemoteCommand::Subscribe || command.kind == RemoteCommand::Unsubscribe)
        return refuse(command, client,
                      {RemoteError::NotFound, QStringLiteral("subscriptions are made over OSC")}, done);
    const RemoteValidator::Found found = RemoteValidator::findDevice(devices, command.device);
    if (found.error.isError())
        return refuse(command, client, found.error, done);
    const RemoteDevice &device = devices[found.index];
    if (command.kind == RemoteCommand::State) {
        Reply r;
        r.data.insert(QStringLiteral("device"), deviceJson(device, found.index + 1));
        return done(r);
    }
    if (!device.online || !device.record)
        return refuse(command, client,
                      {RemoteError::DeviceOffline,
                       QStringLiteral("device %1 is not online; nothing was sent").arg(device.cpuid)},
                      done);
    const RemoteValidator::Checked checked = RemoteValidator::check(command, *device.record);
    if (!checked.ok())
        return refuse(command, client, checked.error, done);

    const QString name = RemoteCommand::kindName(command.kind);
    const QString cpuid = device.cpuid;
    const int timeoutMs = m_timeoutMs;
    // The backend promises one call; a second one would answer a client twice.
    auto answered = std::make_shared<bool>(false);
    QPointer<RemoteService> self(this);
    m_backend->execute(checked.action, timeoutMs, [=](const RemoteOutcome &outcome) {
        if (*answered)
            return;
        *answered = true;
        Reply r;
        r.error = outcomeError(outcome, timeoutMs);
        r.data.insert(QStringLiteral("command"), name);
        r.data.insert(QStringLiteral("device"), cpuid);
        if (r.error.isError() && self)
            self->m_log.refusal(client, name, r.error.message());
        done(r);
    });
}

QJsonArray RemoteService::devicesJson() const
{
    QJsonArray out;
    if (!m_backend)
        return out;
    const QList<RemoteDevice> devices = m_backend->devices();
    for (int i = 0; i < devices.size(); ++i)
        out.append(deviceJson(devices[i], i + 1));
    return out;
}

QJsonObject RemoteService::deviceJson(const RemoteDevice &device, int tab)
{
    QJsonObject o{{QStringLiteral("cpuid"), device.cpuid},
                  {QStringLiteral("tab"), tab},
                  {QStringLiteral("online"), device.online},
                  {QStringLiteral("link"), device.linkState}};
    const INFO_BASIC *record = device.record.get();
    if (!record)
        return o;
    o.insert(QStringLiteral("name"), record->name);
    o.insert(QStringLiteral("model"), modelLabel(record->type, record->hasUsb, record->hasSdi));
    o.insert(QStringLiteral("type"), record->type);
    QJsonArray inputs;
    for (int id : RemoteValidator::sourceIds(*record))
        inputs.append(RemoteValidator::sourceName(record->type, id));
    o.insert(QStringLiteral("inputs"), inputs);
    const QRect wall = RemoteValidator::bounds(RemoteValidator::wall(*record));
    o.insert(QStringLiteral("wall"), rectJson(wall.x(), wall.y(), wall.width(), wall.height()));
    o.insert(QStringLiteral("templates"), RemoteValidator::templateCount(record->type));
    o.insert(QStringLiteral("testPatterns"), RemoteValidator::testPatternCount(record->type));
    if (const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(record)) {
        o.insert(QStringLiteral("family"), QStringLiteral("KS"));
        o.insert(QStringLiteral("windows"), windowsJson(record->type, ks->windows));
        o.insert(QStringLiteral("presets"), presetsJson(ks->presets));
        o.insert(QStringLiteral("blackScreen"), ks->other.blackScreen != 0);
        o.insert(QStringLiteral("freeze"), ks->other.freeze != 0);
    } else if (const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(record)) {
        o.insert(QStringLiteral("family"), QStringLiteral("GW"));
        o.insert(QStringLiteral("windows"), windowsJson(record->type, gw->windows));
        o.insert(QStringLiteral("presets"), presetsJson(gw->presets));
        o.insert(QStringLiteral("blackScreen"), gw->other.blackScreen != 0);
        o.insert(QStringLiteral("freeze"), gw->other.freeze != 0);
    }
    return o;
}

RemoteService::Seen RemoteService::seenOf(const RemoteDevice &device)
{
    Seen s;
    s.online = device.online;
    const INFO_BASIC *record = device.record.get();
    QList<INFO_WINDOW> windows;
    if (const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(record))
        windows = ks->windows;
    else if (const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(record))
        windows = gw->windows;
    for (const INFO_WINDOW &w : windows)
        s.inputs.insert(w.winId, w.param2);
    return s;
}

void RemoteService::onDeviceChanged(const QString &cpuid)
{
    if (!m_backend)
        return;
    for (const RemoteDevice &d : m_backend->devices()) {
        if (d.cpuid != cpuid)
            continue;
        Seen now = seenOf(d);
        const bool known = m_seen.contains(cpuid);
        const Seen before = m_seen.value(cpuid);
        // A read-back empties the window list before it fills it again: windows missing now keep
        // their last input, so their return with the same input is no change.
        for (auto it = before.inputs.constBegin(); it != before.inputs.constEnd(); ++it) {
            if (!now.inputs.contains(it.key()))
                now.inputs.insert(it.key(), it.value());
        }
        m_seen.insert(cpuid, now);
        if (!known || before.online != now.online) {
            RemoteEvent e;
            e.kind = RemoteEvent::Online;
            e.cpuid = cpuid;
            e.online = now.online;
            emit emitEvent(e);
        }
        for (auto it = now.inputs.constBegin(); it != now.inputs.constEnd(); ++it) {
            if (before.inputs.value(it.key(), -1) == it.value())
                continue;
            RemoteEvent e;
            e.kind = RemoteEvent::InputChanged;
            e.cpuid = cpuid;
            e.online = now.online;
            e.window = it.key() + 1;
            e.srcId = it.value();
            e.source = RemoteValidator::sourceName(d.record ? d.record->type : -1, it.value());
            emit emitEvent(e);
        }
        return;
    }
    m_seen.remove(cpuid);
}

void RemoteService::onPresetLoaded(const QString &cpuid, int presetId)
{
    RemoteEvent e;
    e.kind = RemoteEvent::PresetLoaded;
    e.cpuid = cpuid;
    e.online = true;
    e.preset = presetId >= 0 ? presetId + 1 : 0;
    emit emitEvent(e);
}
