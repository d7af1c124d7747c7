// Many settings of a simulated device changed through its protocol interface, as an operator would
// before a show, for the configuration round trips; the device acknowledges every frame.
#pragma once

#include <QString>

class DeviceHub;
class GW5Interface;
class KS9200Interface;

namespace DeviceChanges {
// Window counts differ from a fresh simulated device's (KS9200 4, KX4200 3), so that restoring the
// layout or a preset loads a template on the target.
void changeKs(KS9200Interface *ks, int type);
void changeGw(GW5Interface *gw);
// Changes the online device `cpuid` of `hub` by its family in one transaction; true when every
// frame was acknowledged in time.
bool change(DeviceHub &hub, const QString &cpuid);
} // namespace DeviceChanges
