// A configuration file in memory: the format number, the application that wrote it, when the
// devices were read back, and per device its identity and the record the read-back filled.
// ConfigFile turns it into JSON and back; ConfigDiff and RestorePlan compare and restore it.
#pragma once

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One device of a file. The family record of its type code holds identity and settings: the
// identity in the INFO_BASIC members (type, hasUsb, hasSdi, linkType, address, name, cpuid,
// version), the settings in the family members. The other family's record stays empty, with
// type -1.
class ConfigDevice
{
public:
    ConfigDevice(); // type -1 in both records: no device yet
    // A copy of a device record (DEVICE_INFO_KS or DEVICE_INFO_GW by its type code; any other
    // record gives an empty device of type -1). `portName` names the serial port of a device
    // reached over one.
    static ConfigDevice fromRecord(const INFO_BASIC &record, const QString &portName = QString());

    int type() const { return basic().type; }
    bool isKs() const;
    bool isGw() const;
    // The record of the device's family (the KS record for an unsupported type).
    const INFO_BASIC &basic() const;
    INFO_BASIC &basic();

    // `KS9200 "Hall"`, or the model alone when the device has no name.
    QString label() const;

    DEVICE_INFO_KS ks;
    DEVICE_INFO_GW gw;
    QString portName; // serial port name when linkType is 1
};

class ConfigDocument
{
public:
    static constexpr int CurrentFormat = 1;

    // "vpcontrol 1.0.0": the application name and version, as the writer records them.
    static QString currentApplication();

    int format = CurrentFormat;
    QString application = currentApplication();
    QDateTime readBackTime; // UTC, whole seconds in the file
    QList<ConfigDevice> devices;
};
