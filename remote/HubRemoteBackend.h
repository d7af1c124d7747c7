// Remote control served from the device hub: the RemoteBackend that vpcontrol and `vpctl serve`
// hand to their RemoteControl. Owned by the front end next to its hub.
//
// - Devices are listed in the order the front end shows them: setOrder() names the served devices
//   (vpcontrol: its canvas tabs, left to right). Without an order every device the hub knows is
//   served, in cpuid order, which is also the order in which vpcontrol adds the tabs of one search.
// - While a device is being read back its record is emptied and refilled reply by reply; clients
//   then see (and commands are checked against) the record as it was before, complete.
// - A command runs as one hub transaction through the device's own interface, so it reaches only
//   a device the hub is connected to, and ends when the device answered every frame it was sent.
//   After an acknowledged command the device is asked for what changed, so its record (and with
//   it the state clients read and the pushes subscribers get) follows the device's answer. A
//   preset or template load, which the hub follows with a full read-back, is answered once that
//   read-back is over (or the command's time is up), so the next command is checked against the
//   layout the load brought.
// - A preset loaded by a remote command is announced with its number once the device acknowledged
//   it; a load from anywhere else (the window's preset buttons) with the number unknown.
#pragma once

#include "DeviceHub.h"
#include "RemoteBackend.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>

class QTimer;

class HubRemoteBackend : public RemoteBackend
{
    Q_OBJECT
public:
    using Order = std::function<QStringList()>;

    explicit HubRemoteBackend(DeviceHub *hub, QObject *parent = nullptr);

    // The cpuids of the served devices in tab order; an empty function serves every device the
    // hub knows in cpuid order. Cpuids the hub does not know are left out.
    void setOrder(Order order);
    // True while a remote command for the device awaits its answer: the device's answer belongs
    // to the remote client then, not to the operator at the window.
    bool isExecuting(const QString &cpuid) const { return m_executing.value(cpuid) > 0; }

    QList<RemoteDevice> devices() const override;
    void execute(const RemoteAction &action, int timeoutMs, Done done) override;

    // "online", "offline", "reconnecting", "in use": the link state as clients see it.
    static QString linkName(DeviceHub::Link link);

private:
    // An acknowledged load waiting for the read-back that follows it (dropped unanswered when
    // the backend goes: the servers answer for themselves then).
    struct Parked
    {
        QString cpuid;
        RemoteAction action;
        RemoteOutcome outcome;
        Done done;
        QTimer *timer = nullptr;
    };

    QStringList served() const;
    void finished(const RemoteAction &action, bool applied, const HubResult &result, int timeoutMs,
                  const Done &done);
    void complete(const RemoteAction &action, const RemoteOutcome &outcome, const Done &done);
    void release(const QString &cpuid, QTimer *only = nullptr);
    void onRecordChanged(const QString &cpuid, uint parts);
    void onReadBackFinished(const QString &cpuid);
    void onPresetLoaded(const QString &cpuid);

    QPointer<DeviceHub> m_hub;
    Order m_order;
    QHash<QString, int> m_executing; // remote commands awaiting the device, per cpuid
    QHash<QString, int> m_loading;   // of which preset or template loads
    QHash<QString, std::shared_ptr<const INFO_BASIC>> m_complete; // each record as last complete
    QSet<QString> m_incomplete; // records emptied for a read-back that has not ended
    QList<Parked> m_parked;
};
