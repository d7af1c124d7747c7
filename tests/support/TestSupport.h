// Helpers shared by the tests: frame building and hex text.
#pragma once

#include "FrameCodec.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace TestSupport {
// "5A 5A 17" or "5a5a17" to bytes.
QByteArray hex(const char *text);
// Header of a reply frame as the link layer hands it to the protocol interfaces.
RECV_PROTOCOL replyHeader(uint8_t cmd, uint8_t sub, uint8_t status = 0);
// Runs the event loop until `cond` holds or the time is up (checked once more then).
bool waitUntil(const std::function<bool()> &cond, int timeoutMs = 15000);
} // namespace TestSupport
