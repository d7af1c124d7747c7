#include "CommandFrame.h"

#include <algorithm>

CommandFrame::CommandFrame(uint8_t cmd, uint8_t sub)
{
    m_frame[0] = Frame::Sync;
    m_frame[1] = Frame::Sync;
    m_frame[2] = Frame::CommandSize;
    m_frame[3] = 0;
    m_frame[4] = cmd;
    m_frame[5] = sub;
}

CommandFrame &CommandFrame::u8(int offset, int value)
{
    if (offset >= FirstParam && offset <= LastParam)
        m_frame[offset] = uint8_t(value & 0xFF);
    return *this;
}

CommandFrame &CommandFrame::u16(int offset, int value)
{
    u8(offset, value);
    return u8(offset + 1, value >> 8);
}

CommandFrame &CommandFrame::bytes(int offset, const QByteArray &data)
{
    for (int i = 0; i < data.size(); ++i)
        u8(offset + i, uint8_t(data.at(i)));
    return *this;
}

QByteArray CommandFrame::pack() const
{
    uint8_t copy[Frame::CommandSize];
    std::copy(m_frame, m_frame + Frame::CommandSize, copy);
    return packFrame(copy);
}
