#include "TestSupport.h"

#include <QElapsedTimer>
#include <QTest>

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

bool waitUntil(const std::function<bool()> &cond, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > timeoutMs)
            return cond();
        QTest::qWait(5);
    }
    return true;
}
} // namespace TestSupport
