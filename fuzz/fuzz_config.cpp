// Configuration file reader on arbitrary bytes: it never crashes, and a file it accepts is
// written back to the same bytes, reads again, and compared with itself shows no difference that
// could be applied and plans no step.
#include "ConfigDiff.h"
#include "ConfigFile.h"
#include "FuzzSupport.h"
#include "RestorePlan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::silenceQt();
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    ConfigDocument doc;
    QString error;
    if (!ConfigFile::fromJson(bytes, &doc, &error)) {
        if (error.isEmpty())
            abort();
        return 0;
    }
    const QByteArray written = ConfigFile::toJson(doc);
    ConfigDocument again;
    if (!ConfigFile::fromJson(written, &again, &error) || ConfigFile::toJson(again) != written)
        abort();
    for (const ConfigDevice &d : doc.devices) {
        for (const ConfigDifference &diff : ConfigDiff::compare(d, d.basic()))
            if (diff.notApplicable.isEmpty())
                abort();
        if (!RestorePlan::build(d, d.basic()).steps.isEmpty())
            abort();
    }
    return 0;
}
