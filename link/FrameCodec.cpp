#include "FrameCodec.h"

#include <cstring>

uint32_t calcCheckSum(const uint8_t *data, int count)
{
    uint32_t sum = 0;
    for (int i = 0; i < count; ++i)
        sum += data[i];
    return sum;
}

uint32_t calcCheckSum(const QByteArray &data)
{
    return calcCheckSum(reinterpret_cast<const uint8_t *>(data.constData()), data.size());
}

QByteArray packFrame(uint8_t frame[Frame::CommandSize])
{
    frame[Frame::CommandSize - 1] = 0;
    frame[Frame::CommandSize - 1] = uint8_t(calcCheckSum(frame, Frame::CommandSize) & 0xFF);
    return QByteArray(reinterpret_cast<const char *>(frame), Frame::CommandSize);
}

QByteArray makeCommandFrame(uint8_t cmd, uint8_t sub, const QByteArray &params)
{
    uint8_t f[Frame::CommandSize] = {};
    f[0] = Frame::Sync;
    f[1] = Frame::Sync;
    f[2] = Frame::CommandSize;
    f[3] = 0;
    f[4] = cmd;
    f[5] = sub;
    const int n = qMin(params.size(), Frame::ParamCount);
    if (n > 0)
        std::memcpy(f + Frame::ParamOffset, params.constData(), size_t(n));
    return packFrame(f);
}

QByteArray makeRequestFrame(uint8_t cmd)
{
    return makeCommandFrame(cmd, 0);
}

QByteArray makeSearchFrame()
{
    return makeRequestFrame(Frame::CmdLink);
}

QByteArray makeLongFrame(uint8_t cmd, uint8_t sub, const QByteArray &payload)
{
    const int total = 6 + payload.size() + 1;
    QByteArray f;
    f.reserve(total);
    f.append(char(Frame::Sync));
    f.append(char(Frame::Sync));
    f.append(char(total & 0xFF));
    f.append(char((total >> 8) & 0xFF));
    f.append(char(cmd));
    f.append(char(sub));
    f.append(payload);
    f.append(char(calcCheckSum(f) & 0xFF));
    return f;
}

QByteArray makeReplyFrame(uint8_t cmd, uint8_t sub, uint8_t status, const QByteArray &payload)
{
    // A reply is at most 255 bytes; a longer payload is cut so the length byte stays true.
    const QByteArray body = payload.left(255 - Frame::ReplyMinSize);
    QByteArray f;
    f.reserve(Frame::ReplyMinSize + body.size());
    f.append(char(Frame::Sync));
    f.append(char(Frame::Sync));
    f.append(char(cmd));
    f.append(char(sub));
    f.append(char(status));
    f.append(char(Frame::ReplyMinSize + body.size()));
    f.append(char(0));
    f.append(char(0));
    f.append(body);
    f.append(char(calcCheckSum(f) & 0xFF));
    return f;
}

namespace {
// Validates the n bytes at b as one whole reply frame, in place.
bool parseFrameAt(const uint8_t *b, int n, RECV_PROTOCOL &rp, QByteArray &payload)
{
    if (n < Frame::ReplyMinSize)
        return false;
    if (b[0] != Frame::Sync || b[1] != Frame::Sync)
        return false;
    if (int(b[5]) != n)
        return false;
    if (uint8_t(calcCheckSum(b, n - 1) & 0xFF) != b[n - 1])
        return false;
    std::memcpy(&rp, b, Frame::ReplyHeaderSize);
    payload = QByteArray(reinterpret_cast<const char *>(b) + Frame::ReplyHeaderSize, n - Frame::ReplyMinSize);
    return true;
}
} // namespace

bool parseRecvFrame(const QByteArray &frame, RECV_PROTOCOL &rp, QByteArray &payload)
{
    return parseFrameAt(reinterpret_cast<const uint8_t *>(frame.constData()), frame.size(), rp, payload);
}

namespace {
int findMarker(const QByteArray &buf, int from)
{
    const int n = buf.size();
    const char *d = buf.constData();
    for (int i = from; i + 1 < n; ++i) {
        if (uint8_t(d[i]) == Frame::Sync && uint8_t(d[i + 1]) == Frame::Sync)
            return i;
    }
    return -1;
}

// Everything before the returned offset is given up for want of a marker. A final 0x5A may be
// the first sync byte of a frame whose rest has not arrived, so it is kept.
int dropWithoutMarker(const QByteArray &buf)
{
    const int n = buf.size();
    return (n > 0 && uint8_t(buf.at(n - 1)) == Frame::Sync) ? n - 1 : n;
}
} // namespace

void splitStreamFrames(QByteArray &buffer, const QByteArray &incoming, const FrameHandler &handler)
{
    buffer.append(incoming);
    const int n = buffer.size();
    if (n < Frame::ReplyHeaderSize)
        return;

    // The buffer is consumed through a read offset and compacted once at the end, so a buffer
    // holding many frames is scanned once.
    int consumed = 0;
    int idx = findMarker(buffer, 0);
    if (idx < 0) {
        buffer.remove(0, dropWithoutMarker(buffer));
        return;
    }
    const auto *b = reinterpret_cast<const uint8_t *>(buffer.constData());
    while (idx >= 0) {
        // Bytes before a marker never start a frame: keep only the candidate waiting for the rest
        // of its bytes.
        if (n - idx < Frame::ReplyHeaderSize) {
            consumed = idx;
            break;
        }
        const int len = b[idx + 5];
        if (n - idx < len) {
            consumed = idx;
            break;
        }
        RECV_PROTOCOL rp;
        QByteArray payload;
        // Checked in place; only the payload is copied out.
        if (parseFrameAt(b + idx, len, rp, payload)) {
            consumed = idx + len;
            handler(rp, payload);
            idx = findMarker(buffer, consumed);
        } else {
            // A failed candidate costs only its first byte: the real frame may start right after.
            consumed = idx + 1;
            idx = findMarker(buffer, consumed);
            if (idx < 0)
                consumed = qMax(consumed, dropWithoutMarker(buffer));
        }
    }
    buffer.remove(0, consumed);
}

QString cpuidFromBytes(const QByteArray &id12)
{
    return QString::fromLatin1(id12.toHex());
}
