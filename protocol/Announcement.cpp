#include "Announcement.h"

#include "INFO_BASIC.h"

namespace {
// One text behind a signed length byte at `at`; false when the byte is negative or the text is
// shorter than it says.
bool takeText(const QByteArray &data, int at, QByteArray &text)
{
    const int len = static_cast<signed char>(data.at(at));
    if (len < 0)
        return false;
    text = data.mid(at + 1, len);
    return text.size() == len;
}
} // namespace

bool Announcement::decode(const QByteArray &data)
{
    *this = Announcement();
    if (data.size() < MinSize)
        return false;
    type = static_cast<signed char>(data.at(0));
    hasUsb = data.at(1) & 0x01;
    hasSdi = (data.at(1) >> 1) & 0x01;
    cpuid = QString::fromLatin1(data.mid(3, 12).toHex());

    if (data.size() > MinSize) {
        QByteArray text;
        if (!takeText(data, MinSize, text))
            return false;
        version = QString::fromLatin1(text);
        const int nameAt = MinSize + 1 + text.size();
        if (data.size() > nameAt) {
            if (!takeText(data, nameAt, text))
                return false;
            name = QString::fromLocal8Bit(text);
            const int extraAt = nameAt + 1 + text.size();
            if (data.size() > extraAt)
                extra = static_cast<uint8_t>(data.at(extraAt));
        }
    }
    return true;
}

void Announcement::applyTo(INFO_BASIC &info) const
{
    info.type = type;
    info.hasUsb = hasUsb;
    info.hasSdi = hasSdi;
    info.cpuid = cpuid;
    info.version = version;
    info.name = name;
    info.extra = extra;
}
