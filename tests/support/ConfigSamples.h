// Device records for the configuration-file tests, comparisons of what a file keeps, and spoilt files.
#pragma once
#include "ConfigDocument.h"
#include <QJsonObject>
#include <QStringList>
#include <functional>
namespace ConfigSamples {
// Every written field differs from its default and from the other fields; keyed lists in key order.
ConfigDevice variedDevice(int type, int seed);
// As the simulator starts it: two outputs (one on single-output models), three windows with their
// per-window lists, EDID per input, 16 tasks, presets 0 and 1.
ConfigDevice plainDevice(int type);
QStringList identity(const INFO_BASIC &b); // type, flags, link, address, name, cpuid and version
// Every setting a file keeps is equal (input signals and signal presence are not kept).
bool sameSettings(const DEVICE_INFO_KS &a, const DEVICE_INFO_KS &b);
bool sameSettings(const DEVICE_INFO_GW &a, const DEVICE_INFO_GW &b);
// The file `json` with `edit` applied to the object of devices[index].
QByteArray editDevice(const QByteArray &json, int index, const std::function<void(QJsonObject &)> &edit);
// `good` (devices[0] a KS9200 named Hall) spoilt as `kind` says, and the test data: one row named for
// each kind, column "message".
QByteArray badFile(const QByteArray &good, const QString &kind);
void badFileRows();
} // namespace ConfigSamples
