// Fills one 23-byte host command frame by frame offset (4 command, 5 sub-command, 6..21
// parameters) and packs it with its checksum. Values wider than their field are truncated to it;
// 16-bit fields go low byte first. Offsets outside the parameter bytes are ignored.
#pragma once

#include "FrameCodec.h"

#include <QByteArray>
#include <cstdint>

class CommandFrame
{
public:
    static constexpr int FirstParam = Frame::ParamOffset;
    static constexpr int LastParam = Frame::ParamOffset + Frame::ParamCount - 1;

    CommandFrame(uint8_t cmd, uint8_t sub);

    CommandFrame &u8(int offset, int value);
    CommandFrame &u16(int offset, int value);
    CommandFrame &bytes(int offset, const QByteArray &data);

    QByteArray pack() const;

private:
    uint8_t m_frame[Frame::CommandSize] = {};
};
