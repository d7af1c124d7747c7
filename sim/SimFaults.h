// Faults a simulated device can be told to show on the wire. Set from the command line for every
// device and overridden per device from the JSON description.
#pragma once

#include <QJsonObject>
#include <QString>

struct SimFaults
{
    bool noHeartbeat = false;
    int heartbeatMs = 2000;      // interval of the device's own heartbeat frames (TCP)
    int heartbeatStopSec = 0;    // > 0: heartbeats stop this many seconds after the connection opens
    bool splitWrites = false;    // replies go out in random pieces of 1..7 bytes
    bool junk = false;           // random bytes (never 0x5A) between frames
    int corruptEvery = 0;        // > 0: every Nth reply carries a wrong checksum
    bool refuseSwitch = false;   // input switches answer status 1
    int replyDelayMs = 0;        // replies wait this long before they are written
    int closeAfterSec = 0;       // > 0: the device closes a TCP connection after this many seconds
    int interruptAfterSec = 0;   // > 0: the device sends "connection interrupted" (0xFF / 0x02)
    bool faultsOnce = false;     // the three timed faults above hit only the first TCP connection
    bool exclusivePort = false;  // one controller at a time on TCP (see SimStation)
    int upgradeFailBlock = -1;   // >= 0: this data block is answered with result 1 once
    int upgradeIgnoreBoot = 0;   // the first K boot requests get no answer

    // Reads the keys present in `json` over the current values; false and a message on a bad value.
    bool apply(const QJsonObject &json, QString *error);
    QJsonObject toJson() const;
};
