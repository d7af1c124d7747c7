// Many settings of a simulated device changed through its protocol interface, as an operator would
// before a show, for the configuration round trips; the device acknowledges every frame.
#pragma once
#include <QString>
class DeviceHub;
namespace DeviceChanges {
// Changes the online device `cpuid` of `hub` by its family in one transaction; true when every frame
// was acknowledged in time. Window counts end unlike a fresh simulated device's (KS9200 4, KX4200 3),
// so that restoring the layout or a preset loads a template on the target.
bool change(DeviceHub &hub, const QString &cpuid);
} // namespace DeviceChanges
