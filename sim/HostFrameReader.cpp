#include "HostFrameReader.h"

#include "FrameCodec.h"

namespace {
int lengthAt(const QByteArray &b, int at)
{
    return uint8_t(b.at(at + 2)) | (uint8_t(b.at(at + 3)) << 8);
}
} // namespace

bool HostFrameReader::isValid(const QByteArray &frame)
{
    if (frame.size() < MinLength || uint8_t(frame.at(0)) != Frame::Sync || uint8_t(frame.at(1)) != Frame::Sync)
        return false;
    if (lengthAt(frame, 0) != frame.size())
        return false;
    const uint32_t sum = calcCheckSum(reinterpret_cast<const uint8_t *>(frame.constData()), frame.size() - 1);
    return uint8_t(sum & 0xFF) == uint8_t(frame.at(frame.size() - 1));
}

QList<QByteArray> HostFrameReader::feed(const QByteArray &bytes)
{
    QList<QByteArray> out;
    m_buffer.append(bytes);
    const QByteArray marker("\x5A\x5A", 2);
    for (;;) {
        const int idx = m_buffer.indexOf(marker);
        if (idx < 0) {
            // Keep a trailing 0x5A: it may be the first half of the next marker.
            const bool keepLast = !m_buffer.isEmpty() && uint8_t(m_buffer.back()) == Frame::Sync;
            m_buffer = keepLast ? m_buffer.right(1) : QByteArray();
            break;
        }
        if (idx > 0)
            m_buffer.remove(0, idx);
        if (m_buffer.size() < 4)
            break;
        const int len = lengthAt(m_buffer, 0);
        // On a bad candidate only its first byte goes: the second may start the real marker
        // (a stray 0x5A right before a frame).
        if (len < MinLength || len > MaxLength) {
            ++m_rejected;
            m_buffer.remove(0, 1);
            continue;
        }
        if (m_buffer.size() < len)
            break;
        const QByteArray candidate = m_buffer.left(len);
        if (isValid(candidate)) {
            out.append(candidate);
            m_buffer.remove(0, len);
        } else {
            ++m_rejected;
            m_buffer.remove(0, 1);
        }
    }
    if (m_buffer.size() > MaxBuffered)
        m_buffer.clear();
    return out;
}
