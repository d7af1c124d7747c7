// Device records for the configuration-file tests (variedDevice: every field its own value;
// plainDevice: as the simulator starts), comparisons of what a file keeps, and spoilt files.
#pragma once

#include "ConfigDocument.h"

#include <QJsonObject>
#include <QStringList>

#include <functional>

namespace ConfigSamples {
// Every written field differs from its default and from the other fields; keyed lists are in key
// order. `seed` shifts all values.
ConfigDevice variedDevice(int type, int seed);
// A device as the simulator starts it: two outputs (one for single-output models), windows,
// per-window lists of matching size, EDID per input, 16 tasks, presets 0 and 1.
ConfigDevice plainDevice(int type);
// type, flags, link, address, name, cpuid and version as text.
QStringList identity(const INFO_BASIC &b);
// Every setting a file keeps is equal (input signals and signal presence are not kept).
bool sameSettings(const DEVICE_INFO_KS &a, const DEVICE_INFO_KS &b);
bool sameSettings(const DEVICE_INFO_GW &a, const DEVICE_INFO_GW &b);
// The file `json` with `edit` applied to the object of devices[index].
QByteArray editDevice(const QByteArray &json, int index, const std::function<void(QJsonObject &)> &edit);
// The file `good` (devices[0] a KS9200 with windows) spoilt as `kind` says: "not JSON", "truncated",
// "newer format" (3), "value out of range" (windows[0].width 70000) or "list too long" (19 windows).
QByteArray badFile(const QByteArray &good, const QString &kind);
// Test data: columns "kind" and "message", one row for each kind of badFile() of a device named Hall.
void badFileRows();
} // namespace ConfigSamples
