// Helpers shared by the tests: frame building and hex text.
#pragma once

#include "FrameCodec.h"

#include <QByteArray>
#include <QString>

namespace TestSupport {
// "5A 5A 17" or "5a5a17" to bytes.
QByteArray hex(const char *text);
// Header of a reply frame as the link layer hands it to the protocol interfaces.
RECV_PROTOCOL replyHeader(uint8_t cmd, uint8_t sub, uint8_t status = 0);
} // namespace TestSupport
