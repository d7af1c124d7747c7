// A headless device hub connected to vpsim devices on loopback, as `vpctl` runs it: the simulator's
// arguments for devices on chosen ports, and the hub brought online by unicast search (no
// broadcast leaves the namespace) and read back. Shared by the remote-control test and benchmark.
#pragma once

#include <QStringList>

class DeviceHub;

namespace SimHub {
struct Ports
{
    quint16 udp = 0;       // the devices' UDP port
    quint16 discovery = 0; // the hub's discovery port
    quint16 tcp = 0;       // the devices' TCP port
};

// vpsim arguments: the ports and one --device per entry ("KS9200:addr=127.0.62.2,id=...").
QStringList simArgs(const Ports &ports, const QStringList &devices);
// Asks each address by unicast, waits until every cpuid is online and reads them back; false when
// that does not happen within `timeoutMs`.
bool bringOnline(DeviceHub &hub, const Ports &ports, const QStringList &addresses, const QStringList &cpuids,
                 int timeoutMs = 15000);
} // namespace SimHub
