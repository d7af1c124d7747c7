// vpctl search: every device found, as a table or JSON.
#include "Vpctl.h"

#include "DeviceFinder.h"
#include "DeviceHub.h"
#include "DeviceModels.h"
#include "HubRemoteBackend.h"
#include "INFO_BASIC.h"
#include "SignalWatch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int Vpctl::search()
{
    findDevices(QStringList());
    if (signalWatch->caught())
        return Failed;
    const QStringList cpuids = finder->found();
    if (cpuids.isEmpty())
        out.warning(QStringLiteral("no device found"));
    if (opt.json) {
        QJsonArray list;
        for (const QString &cpuid : cpuids) {
            const INFO_BASIC *r = hub->record(cpuid);
            const bool serial = !finder->portPath(cpuid).isEmpty();
            list.append(QJsonObject{
                {"model", modelName(r->type)},
                {"type", r->type},
                {"usb", bool(r->hasUsb)},
                {"sdi", bool(r->hasSdi)},
                {"name", r->name},
                {"cpuid", cpuid},
                {"connection", serial ? QStringLiteral("serial") : QStringLiteral("network")},
                {"address", finder->address(cpuid)},
                {"version", r->version},
                {"state", HubRemoteBackend::linkName(hub->linkState(cpuid))},
            });
        }
        out.result(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)).trimmed());
        return Done;
    }
    QList<QStringList> rows;
    for (const QString &cpuid : cpuids) {
        const INFO_BASIC *r = hub->record(cpuid);
        rows << QStringList{modelLabel(r->type, r->hasUsb, r->hasSdi),
                            r->name.isEmpty() ? QStringLiteral("-") : r->name,
                            cpuid,
                            finder->connection(cpuid),
                            r->version.isEmpty() ? QStringLiteral("-") : r->version,
                            HubRemoteBackend::linkName(hub->linkState(cpuid))};
    }
    out.result(CliOutput::table({"MODEL", "NAME", "CPUID", "CONNECTION", "VERSION", "STATE"}, rows));
    return Done;
}
