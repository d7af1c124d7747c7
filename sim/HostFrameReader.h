// Cuts the frames a host sends out of a byte stream: 5A 5A, a 16-bit little-endian total length,
// command, sub-command, parameters and an 8-bit additive checksum over everything before it.
// Command frames are 23 bytes, firmware data blocks longer. Noise, frames with an impossible
// length and frames with a wrong checksum are skipped; resynchronisation starts at the next
// 5A 5A after the first byte of the rejected candidate.
#pragma once

#include <QByteArray>
#include <QList>

class HostFrameReader
{
public:
    static constexpr int MinLength = 7;    // header, command, sub-command, checksum
    static constexpr int MaxLength = 2048; // a data block of 512 bytes is 525
    static constexpr int MaxBuffered = 65536;

    // Appends `bytes` and returns every complete valid frame now available, in order.
    QList<QByteArray> feed(const QByteArray &bytes);
    // Checks one whole frame (length field and checksum).
    static bool isValid(const QByteArray &frame);
    int buffered() const { return m_buffer.size(); }
    int rejected() const { return m_rejected; }

private:
    QByteArray m_buffer;
    int m_rejected = 0;
};
