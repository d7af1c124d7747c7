// A headless device hub connected to vpsim devices on loopback, as `vpctl` runs it: the simulator's
// arguments for devices on chosen ports, the hub brought online by unicast search (no broadcast
// leaves the namespace) and read back, and what the simulated devices received or hold.
#pragma once

#include <QStringList>

class DeviceHub;
class SimProcess;

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
// that does not happen in time.
bool bringOnline(DeviceHub &hub, const Ports &ports, const QStringList &addresses, const QStringList &cpuids);
// Frames with a command below `below` (settings, not read requests) that device `cpuid` received
// ("rx") or sent ("tx") from line `from` of the frame log on.
int settingFrames(const SimProcess &sim, const QString &cpuid, int from, const char *dir = "rx", int below = 0xE0);
// Waits up to 5 s for the state files of devices `a` and `b` to agree; otherwise each key that
// differs with both values.
QString stateDifference(SimProcess &sim, const QString &a, const QString &b);
} // namespace SimHub
