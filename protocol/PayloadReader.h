// Bounds-checked reads from a reply payload. Every read outside the payload yields 0, so a decoder
// that checks the length first and reads afterwards can never step outside the bytes received.
// Multi-byte values are little-endian, as every device sends them.
#pragma once

#include <QByteArray>
#include <cstdint>

class PayloadReader
{
public:
    // The reader keeps a reference to the payload, so it must not be built from a temporary.
    explicit PayloadReader(const QByteArray &payload) : m_data(payload) {}
    explicit PayloadReader(QByteArray &&) = delete;

    int size() const { return m_data.size(); }
    // True when bytes offset .. offset + count - 1 all lie inside the payload.
    bool has(int offset, int count = 1) const
    {
        return offset >= 0 && count >= 0 && offset <= m_data.size() && count <= m_data.size() - offset;
    }

    uint8_t u8(int offset) const { return has(offset) ? uint8_t(m_data.at(offset)) : 0; }
    int8_t s8(int offset) const { return int8_t(u8(offset)); }
    uint16_t u16(int offset) const
    {
        return has(offset, 2) ? uint16_t(u8(offset) | (u8(offset + 1) << 8)) : 0;
    }
    int16_t s16(int offset) const { return int16_t(u16(offset)); }

private:
    const QByteArray &m_data;
};
