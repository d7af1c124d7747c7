#include "TestSupport.h"

namespace TestSupport {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

RECV_PROTOCOL replyHeader(uint8_t cmd, uint8_t sub, uint8_t status)
{
    RECV_PROTOCOL rp;
    rp.head[0] = rp.head[1] = 0x5A;
    rp.cmd = cmd;
    rp.subCmd = sub;
    rp.status = status;
    return rp;
}
} // namespace TestSupport
