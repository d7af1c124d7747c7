// Stream reassembly and reply validation on arbitrary bytes delivered in arbitrary pieces.
// Every frame handed on must be one that parseRecvFrame accepts on its own.
#include "FrameCodec.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::silenceQt();
    FuzzSupport::Cursor in(data, size);
    QByteArray buffer;
    int frames = 0;
    const FrameHandler handler = [&](const RECV_PROTOCOL &rp, const QByteArray &payload) {
        ++frames;
        FuzzSupport::check(rp.head[0] == Frame::Sync && rp.head[1] == Frame::Sync);
        FuzzSupport::check(payload.size() == int(rp.len) - Frame::ReplyMinSize);
        // The frame rebuilt from what was delivered validates again.
        const QByteArray again = makeReplyFrame(rp.cmd, rp.subCmd, rp.status, payload);
        RECV_PROTOCOL rp2;
        QByteArray payload2;
        FuzzSupport::check(parseRecvFrame(again, rp2, payload2) && payload2 == payload);
    };
    // First byte: piece size (0 means the rest in one read).
    const int piece = in.u8();
    while (!in.atEnd()) {
        const QByteArray chunk = in.bytes(piece == 0 ? in.left() : size_t(piece));
        splitStreamFrames(buffer, chunk, handler);
        // The buffer never keeps more than one incomplete frame's worth of bytes plus the last read.
        FuzzSupport::check(buffer.size() <= 255 + chunk.size() + Frame::ReplyHeaderSize);
    }
    // One datagram: the whole input as a single frame.
    RECV_PROTOCOL rp;
    QByteArray payload;
    const QByteArray whole(reinterpret_cast<const char *>(data), int(size));
    if (parseRecvFrame(whole, rp, payload))
        FuzzSupport::check(payload.size() == whole.size() - Frame::ReplyMinSize);
    return 0;
}
