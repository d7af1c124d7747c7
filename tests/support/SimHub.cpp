#include "SimHub.h"

#include "CommManager.h"
#include "DeviceHub.h"
#include "TestSupport.h"

#include <QSignalSpy>

#include <algorithm>

namespace SimHub {
QStringList simArgs(const Ports &ports, const QStringList &devices)
{
    QStringList args{"--udp-port", QString::number(ports.udp), "--tcp-port", QString::number(ports.tcp)};
    for (const QString &d : devices)
        args << "--device" << d;
    return args;
}

bool bringOnline(DeviceHub &hub, const Ports &ports, const QStringList &addresses, const QStringList &cpuids,
                 int timeoutMs)
{
    hub.commManager()->setNetworkPorts(ports.udp, ports.discovery, ports.tcp);
    for (const QString &a : addresses)
        hub.addConnectAddress(a);
    hub.search(1);
    const auto allOnline = [&] {
        return std::all_of(cpuids.begin(), cpuids.end(), [&](const QString &id) { return hub.isOnline(id); });
    };
    if (!TestSupport::waitUntil(allOnline, timeoutMs))
        return false;
    QSignalSpy finished(&hub, &DeviceHub::readBackFinished);
    for (const QString &id : cpuids)
        hub.readBack(id);
    return TestSupport::waitUntil([&] { return finished.count() >= cpuids.size(); }, timeoutMs);
}
} // namespace SimHub
