// The identity a device sends in its search reply: type code, option flags, cpuid, and the
// optional firmware version, name and "network port in use" byte. Every length byte is checked
// against the bytes that follow it; a reply that does not add up decodes to nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class INFO_BASIC;

class Announcement
{
public:
    // Type, flags, a reserved byte and the 12-byte cpuid.
    static constexpr int MinSize = 15;

    // False when the payload is too short or a text's length byte does not match.
    bool decode(const QByteArray &payload);
    // Copies the identity into a device record (type, flags, cpuid, texts, extra).
    void applyTo(INFO_BASIC &info) const;

    int type = 0;
    bool hasUsb = false;
    bool hasSdi = false;
    QString cpuid;
    QString version;
    QString name;
    uint8_t extra = 0;
};
