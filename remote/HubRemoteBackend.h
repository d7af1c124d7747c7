// Remote control served from the device hub: the RemoteBackend that vpcontrol and `vpctl serve`
// hand to their RemoteControl. Owned by the front end next to its hub; it keeps no device state
// of its own beyond the commands it is running.
//
// - Devices are listed in the order the front end shows them: setOrder() names the served devices
//   (vpcontrol: its canvas tabs, left to right). Without an order every device the hub knows is
//   served, in cpuid order, which is also the order in which vpcontrol adds the tabs of one search.
// - A command runs as one hub transaction through the device's own interface, so it reaches only
//   a device the hub is connected to, and ends when the device answered every frame it was sent.
//   After an acknowledged command the device is asked for what changed, so its record (and with
//   it the state clients read and the pushes subscribers get) follows the device's answer.
// - A preset loaded by a remote command is announced with its number once the device acknowledged
//   it; a load from anywhere else (the window's preset buttons) with the number unknown.
#pragma once

#include "DeviceHub.h"
#include "RemoteBackend.h"

#include <QHash>
#include <QPointer>
#include <QStringList>

#include <functional>

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
    QStringList served() const;
    void finished(const RemoteAction &action, bool applied, const HubResult &result, const Done &done);
    void onPresetLoaded(const QString &cpuid);

    QPointer<DeviceHub> m_hub;
    Order m_order;
    QHash<QString, int> m_executing; // remote commands awaiting the device, per cpuid
    QHash<QString, int> m_loading;   // of which preset or template loads
};
