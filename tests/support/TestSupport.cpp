#include "TestSupport.h"

namespace TestSupport {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
} // namespace TestSupport
