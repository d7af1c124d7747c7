// A headless device hub connected to vpsim devices on loopback, as `vpctl` runs it (found by unicast
// search: no broadcast leaves the namespace), and what the simulated devices received or hold.
#pragma once
#include <QStringList>
class DeviceHub;
class SimProcess;
namespace SimHub {
struct Ports
{
    quint16 udp = 0, discovery = 0, tcp = 0; // the devices' UDP port, the hub's discovery port, the devices' TCP port
};
// vpsim arguments: the ports and one --device per entry ("KS9200:addr=127.0.62.2,id=...").
QStringList simArgs(const Ports &ports, const QStringList &devices);
// Asks each address by unicast, waits until every cpuid is online and read back; false if not in time.
bool bringOnline(DeviceHub &hub, const Ports &ports, const QStringList &addresses, const QStringList &cpuids);
// Frames below command `below` (settings) that `cpuid` received ("rx") or sent ("tx") from log line `from` on.
int settingFrames(const SimProcess &sim, const QString &cpuid, int from, const char *dir = "rx", int below = 0xE0);
// Waits up to 5 s for the state files of `a` and `b` to agree; otherwise each key that differs, with both values.
QString stateDifference(SimProcess &sim, const QString &a, const QString &b);
} // namespace SimHub
