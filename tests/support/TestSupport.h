// Helpers shared by the tests: frame building and hex text.
#pragma once

#include <QByteArray>
#include <QString>

namespace TestSupport {
// "5A 5A 17" or "5a5a17" to bytes.
QByteArray hex(const char *text);
} // namespace TestSupport
