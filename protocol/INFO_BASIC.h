// What the application knows about one discovered device. The device hub holds one record per
// device, keyed by cpuid; the family records DEVICE_INFO_KS and DEVICE_INFO_GW add the state that
// the protocol interfaces decode. The clear operations run before a full read-back and when the
// canvas is cleared.
#pragma once

#include <QHostAddress>
#include <QMetaType>
#include <QString>
#include <cstdint>

class INFO_BASIC
{
public:
    INFO_BASIC() = default;
    INFO_BASIC(const INFO_BASIC &) = default;
    INFO_BASIC &operator=(const INFO_BASIC &) = default;
    virtual ~INFO_BASIC();

    // Each does nothing here; the family records override them.
    // Empties every list and table of the record.
    virtual void clearAllData();
    // Empties the window-related lists.
    virtual void clearWindowData();
    // Empties the panel list(s).
    virtual void clearPanelData();

    int32_t type = 0; // device type code
    uint8_t hasUsb = 0;
    uint8_t hasSdi = 0;
    uint32_t linkType = 0; // 1 serial port, 2 network
    QHostAddress address;
    uint8_t extra = 0; // 1: the device's network port is taken by another controller
    uint8_t online = 0;
    QString name;
    QString cpuid = QStringLiteral("Error");
    QString version;
    uint32_t keyTCP = 0;
    uint32_t keyUDP = 0;
};

Q_DECLARE_METATYPE(INFO_BASIC)
