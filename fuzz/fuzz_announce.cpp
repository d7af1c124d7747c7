// Announcement decoding on arbitrary payloads: it never reads past the payload, and whatever it
// accepts is self-consistent (a 24-digit cpuid, texts no longer than the bytes they came from).
#include "Announcement.h"
#include "FuzzSupport.h"
#include "INFO_BASIC.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::silenceQt();
    const QByteArray payload(reinterpret_cast<const char *>(data), int(size));
    Announcement a;
    if (!a.decode(payload))
        return 0;
    if (size < size_t(Announcement::MinSize) || a.cpuid.size() != 24)
        abort();
    if (a.version.size() + a.name.size() > int(size))
        abort();
    INFO_BASIC info;
    a.applyTo(info);
    if (info.cpuid != a.cpuid || info.type != a.type)
        abort();
    return 0;
}
