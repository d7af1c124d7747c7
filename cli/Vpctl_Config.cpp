// vpctl backup, diff and restore: configuration files against live devices.
#include "Vpctl.h"

#include "ConfigDiff.h"
#include "ConfigFile.h"
#include "DeviceFinder.h"
#include "DeviceHub.h"
#include "INFO_BASIC.h"
#include "SignalWatch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QJsonArray differencesJson(const QList<ConfigDifference> &diffs)
{
    QJsonArray list;
    for (const ConfigDifference &d : diffs) {
        QJsonObject o{
            {"group", d.group}, {"setting", d.name}, {"file", d.fileValue}, {"device", d.deviceValue}};
        if (!d.notApplicable.isEmpty())
            o.insert("notApplicable", d.notApplicable);
        list.append(o);
    }
    return list;
}
} // namespace

int Vpctl::diff()
{
    ConfigDocument doc;
    if (!loadFile(&doc))
        return Failed;
    finder->askFor(opt.devices);
    QStringList wanted = opt.devices;
    if (wanted.isEmpty())
        for (const ConfigDevice &d : doc.devices)
            wanted << d.basic().cpuid;
    findDevices(wanted);
    if (signalWatch->caught())
        return Failed;
    QList<Pair> pairs;
    const bool allPaired = pairDevices(doc, opt.devices.value(0), &pairs);
    QStringList cpuids;
    for (const Pair &p : qAsConst(pairs))
        cpuids << p.cpuid;
    out.progress(QStringLiteral("Reading back %1 device(s)...").arg(cpuids.size()));
    QString error;
    if (!finder->readBack(cpuids, &error)) {
        out.error(error);
        return Failed;
    }
    QJsonArray json;
    for (const Pair &p : qAsConst(pairs)) {
        const QList<ConfigDifference> diffs =
            ConfigDiff::compare(doc.devices.at(p.fileIndex), *hub->record(p.cpuid));
        if (opt.json) {
            json.append(QJsonObject{{"fileDevice", p.fileIndex},
                                    {"fileLabel", doc.devices.at(p.fileIndex).label()},
                                    {"cpuid", p.cpuid},
                                    {"device", finder->label(p.cpuid)},
                                    {"differences", differencesJson(diffs)}});
            continue;
        }
        out.result(QStringLiteral("%1 of %2 against %3 at %4")
                       .arg(fileDeviceLabel(doc, p.fileIndex), opt.file, finder->label(p.cpuid),
                            finder->connection(p.cpuid)));
        if (!diffs.isEmpty()) {
            bool reasons = false;
            for (const ConfigDifference &d : diffs)
                reasons = reasons || !d.notApplicable.isEmpty();
            printDifferences(diffs, reasons);
        }
        out.result(diffs.isEmpty() ? QStringLiteral("no differences\n")
                                   : QStringLiteral("%1 difference(s)\n").arg(diffs.size()));
    }
    if (opt.json)
        out.result(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)).trimmed());
    return allPaired ? Done : Failed;
}

int Vpctl::backup()
{
    out.error(QStringLiteral("backup is not available yet"));
    return Failed;
}

int Vpctl::restore()
{
    out.error(QStringLiteral("restore is not available yet"));
    return Failed;
}
