// Helpers shared by the tests: frame building, hex text, bounded waits and devices brought online
// in a device hub.
#pragma once

#include "FrameCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class DeviceHub;

namespace TestSupport {
// "5A 5A 17" or "5a5a17" to bytes.
QByteArray hex(const char *text);
// Header of a reply frame as the link layer hands it to the protocol interfaces.
RECV_PROTOCOL replyHeader(uint8_t cmd, uint8_t sub, uint8_t status = 0);
// Runs the event loop until `cond` holds or the time is up (checked once more then).
bool waitUntil(const std::function<bool()> &cond, int timeoutMs = 15000);
// Runs `program` to its end (20 s at most): its exit code, or -1 when it did not finish normally;
// stdout and stderr together in `output`.
int runProgram(const QString &program, const QStringList &args, QString *output = nullptr);
// Brings the devices at `addresses` online in `hub` by a unicast search on the given ports (no
// broadcast is needed to reach them) and reads each back in full; false when one does not come
// or does not finish in time.
bool bringOnline(DeviceHub &hub, const QStringList &addresses, const QStringList &cpuids, quint16 devicePort,
                 quint16 discoveryPort, quint16 tcpPort);
} // namespace TestSupport
