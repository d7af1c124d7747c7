// The seam between the remote-control servers and whatever holds the devices (the device hub in
// vpcontrol and in `vpctl serve`). Deliberately narrow: a snapshot of the devices, the execution
// of one checked command, and two change notifications. Implementations live on the Qt thread and
// are called there only; they keep no registry of their own beyond what they already hold.
//
// Contract for an implementation:
// - devices(): every device the application holds, online or not, in tab order (the tab number
//   a client may name a device by is the position in this list, from 1). Each entry carries a
//   copy of the device's record (DEVICE_INFO_KS or DEVICE_INFO_GW) as it is now.
// - execute(): runs RemoteFrames::apply(action, record, interface) for the device action.cpuid,
//   so that the frames leave through the device's own interface and link, and calls `done`
//   exactly once, on the Qt thread, after the device answered every frame (or refused one, or the
//   link was lost, or it is not online and nothing was sent, or timeoutMs passed). `done` may be
//   called before execute() returns. Nothing may be queued to be sent later.
//   Over the hub: hub.transact(action.cpuid, send, timeoutMs, done-mapping-HubResult).
//   After an Ok the implementation asks for what changed (RemoteFrames::followUpReads).
// - emitDeviceChanged(cpuid): anything of that device may have changed (link state, any part of
//   its record). The remote side compares snapshots itself to find online/offline and window
//   input changes, so spurious notifications are harmless.
// - emitPresetLoaded(cpuid, presetId): the device finished loading a preset (from 0; -1 when not
//   known, e.g. a template).
#pragma once

#include "INFO_BASIC.h"
#include "RemoteCommand.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

struct RemoteDevice
{
    QString cpuid;
    bool online = false;
    QString linkState; // "online", "offline", "reconnecting", ... as the holder names it
    std::shared_ptr<const INFO_BASIC> record;
};

// How a command ended at the device.
struct RemoteOutcome
{
    enum Status { Ok, Refused, Timeout, LinkLost, NotOnline, Failed };
    Status status = Ok;
    int framesSent = 0;
    int framesAcknowledged = 0;
    QString message; // for a person; may be empty
};

class RemoteBackend : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const RemoteOutcome &)>;

    explicit RemoteBackend(QObject *parent = nullptr) : QObject(parent) {}
    ~RemoteBackend() override = default;

    virtual QList<RemoteDevice> devices() const = 0;
    virtual void execute(const RemoteAction &action, int timeoutMs, Done done) = 0;

signals:
    void emitDeviceChanged(QString cpuid);
    void emitPresetLoaded(QString cpuid, int presetId);
};
