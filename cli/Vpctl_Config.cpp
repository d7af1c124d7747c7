// vpctl backup, diff and restore: configuration files against live devices.
#include "Vpctl.h"

#include "ConfigBackup.h"
#include "ConfigDiff.h"
#include "ConfigFile.h"
#include "DeviceFinder.h"
#include "DeviceHub.h"
#include "HubRemoteBackend.h"
#include "INFO_BASIC.h"
#include "RestorePlan.h"
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
    QStringList wanted = opt.devices;
    if (wanted.isEmpty())
        for (const ConfigDevice &d : doc.devices)
            wanted << d.basic().cpuid;
    findDevices(wanted);
    if (signalWatch->caught())
        return Failed;
    QList<Pair> pairs;
    const bool allPaired = pairDevices(doc, opt.devices.value(0), &pairs);
    if (!readBackPairs(pairs))
        return Failed;
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
    findDevices(opt.devices);
    if (signalWatch->caught())
        return Failed;
    QStringList cpuids;
    if (opt.devices.isEmpty()) {
        // Every device found that can be read; one in use by another computer is left out.
        for (const QString &cpuid : finder->found()) {
            if (hub->isOnline(cpuid))
                cpuids << cpuid;
            else
                out.warning(
                    QStringLiteral("%1 is %2: left out")
                        .arg(finder->label(cpuid), HubRemoteBackend::linkName(hub->linkState(cpuid))));
        }
        if (cpuids.isEmpty()) {
            out.error(QStringLiteral("no device to back up was found"));
            return Failed;
        }
    }
    for (const QString &selector : qAsConst(opt.devices)) {
        const DeviceFinder::Match m = finder->resolve(selector);
        if (!m.error.isEmpty()) {
            out.error(m.error);
            return Failed;
        }
        if (!cpuids.contains(m.cpuid))
            cpuids << m.cpuid;
    }

    ConfigBackup run(hub);
    connect(&run, &ConfigBackup::progress, this, [this](int index, int count, const QString &cpuid) {
        if (index < count)
            out.progress(QStringLiteral("Reading back %1 of %2: %3")
                             .arg(index + 1)
                             .arg(count)
                             .arg(finder->label(cpuid)));
    });
    connect(signalWatch, &SignalWatch::emitCaught, &run, &ConfigBackup::cancel);
    if (!run.start(cpuids, opt.output)) {
        out.error(QStringLiteral("the backup could not start"));
        return Failed;
    }
    // Each read-back bounds itself; this bound only keeps a lost answer from hanging vpctl.
    DeviceFinder::waitFor([&] { return !run.isRunning(); }, cpuids.size() * (2 * run.timeout()) + 10000);
    if (run.isRunning() || !run.succeeded()) {
        out.error(run.isRunning() ? QStringLiteral("the backup did not end") : run.errorString());
        return Failed;
    }
    out.result(QStringLiteral("%1: %2 device(s) backed up").arg(opt.output).arg(cpuids.size()));
    for (const QString &cpuid : qAsConst(cpuids))
        out.result(QStringLiteral("  ") + finder->label(cpuid));
    return Done;
}

void Vpctl::printPlan(const RestorePlan &plan)
{
    if (!plan.applied.isEmpty()) {
        out.result(QStringLiteral("To apply:"));
        printDifferences(plan.applied, false);
    }
    if (!plan.notApplicable.isEmpty()) {
        out.result(QStringLiteral("Cannot be applied:"));
        printDifferences(plan.notApplicable, true);
    }
    if (plan.laysOutPresets)
        out.result(QStringLiteral("Presets: ") + plan.presetNotice);
}

int Vpctl::restore()
{
    ConfigDocument doc;
    if (!loadFile(&doc))
        return Failed;
    QStringList wanted;
    if (!opt.to.isEmpty()) {
        wanted << opt.to;
    } else {
        for (const ConfigDevice &d : doc.devices)
            wanted << d.basic().cpuid;
    }
    findDevices(wanted);
    if (signalWatch->caught())
        return Failed;
    QList<Pair> pairs;
    if (!pairDevices(doc, opt.to, &pairs))
        return Failed;
    return opt.dryRun ? restoreDryRun(doc, pairs) : restoreDevices(doc, pairs);
}

bool Vpctl::readBackPairs(const QList<Pair> &pairs)
{
    QStringList cpuids;
    for (const Pair &p : pairs)
        cpuids << p.cpuid;
    out.progress(QStringLiteral("Reading back %1 device(s)...").arg(cpuids.size()));
    QString error;
    if (finder->readBack(cpuids, &error))
        return true;
    out.error(error);
    return false;
}

int Vpctl::restoreDryRun(const ConfigDocument &doc, const QList<Pair> &pairs)
{
    if (!readBackPairs(pairs))
        return Failed;
    QJsonArray json;
    int result = Done;
    for (const Pair &p : pairs) {
        const RestorePlan plan =
            RestorePlan::build(doc.devices.at(p.fileIndex), *hub->record(p.cpuid), opt.onlyGroups);
        if (!plan.error.isEmpty()) {
            out.error(QStringLiteral("%1 cannot be restored to %2: %3")
                          .arg(fileDeviceLabel(doc, p.fileIndex), finder->label(p.cpuid), plan.error));
            result = Failed;
            continue;
        }
        if (opt.json) {
            QJsonObject o{{"fileDevice", p.fileIndex},
                          {"fileLabel", doc.devices.at(p.fileIndex).label()},
                          {"cpuid", p.cpuid},
                          {"device", finder->label(p.cpuid)},
                          {"groups", QJsonArray::fromStringList(plan.groups)},
                          {"steps", plan.steps.size()},
                          {"differences", differencesJson(plan.applied)},
                          {"notApplicable", differencesJson(plan.notApplicable)}};
            if (plan.laysOutPresets)
                o.insert("presetNotice", plan.presetNotice);
            json.append(o);
            continue;
        }
        out.result(QStringLiteral("Dry run: %1 of %2 to %3 at %4")
                       .arg(fileDeviceLabel(doc, p.fileIndex), opt.file, finder->label(p.cpuid),
                            finder->connection(p.cpuid)));
        printPlan(plan);
        out.result(QStringLiteral("%1 setting(s) in %2 step(s) would be applied (%3); %4 cannot be applied. "
                                  "Nothing was sent.\n")
                       .arg(plan.applied.size())
                       .arg(plan.steps.size())
                       .arg(plan.groups.isEmpty() ? QStringLiteral("no group")
                                                  : plan.groups.join(QStringLiteral(", ")))
                       .arg(plan.notApplicable.size()));
    }
    if (opt.json)
        out.result(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)).trimmed());
    return result;
}

int Vpctl::restoreDevices(const ConfigDocument &doc, const QList<Pair> &pairs)
{
    int applied = 0, failed = 0; // devices
    for (const Pair &p : pairs) {
        if (signalWatch->caught()) {
            out.error(
                QStringLiteral("interrupted: %1 was not restored").arg(fileDeviceLabel(doc, p.fileIndex)));
            ++failed;
            continue;
        }
        RestoreRunner runner(hub);
        connect(&runner, &RestoreRunner::planned, this, [&] {
            out.result(QStringLiteral("Restoring %1 of %2 to %3 at %4")
                           .arg(fileDeviceLabel(doc, p.fileIndex), opt.file, finder->label(p.cpuid),
                                finder->connection(p.cpuid)));
            printPlan(runner.plan());
        });
        connect(
            &runner, &RestoreRunner::progress, this,
            [this](int step, int total, const QString &group, const QString &description) {
                out.progress(
                    QStringLiteral("Step %1 of %2 (%3): %4").arg(step).arg(total).arg(group, description));
            });
        connect(signalWatch, &SignalWatch::emitCaught, &runner, &RestoreRunner::cancel);
        if (!runner.start(doc.devices.at(p.fileIndex), p.cpuid, opt.onlyGroups)) {
            out.error(QStringLiteral("the restore to %1 could not start").arg(finder->label(p.cpuid)));
            ++failed;
            continue;
        }
        // The runner bounds every read-back and step itself; this bound only keeps a lost answer
        // from hanging vpctl.
        DeviceFinder::waitFor([&] { return !runner.isRunning(); }, LongestRestoreMs);
        if (runner.isRunning()) {
            runner.cancel();
            out.error(QStringLiteral("the restore to %1 did not end").arg(finder->label(p.cpuid)));
            ++failed;
            continue;
        }
        const RestoreRunner::Result &r = runner.result();
        printRestoreResult(r);
        // A cancelled restore counts as partly applied once a step was acknowledged.
        const bool someApplied = r.status == RestoreRunner::Status::Done ||
                                 r.status == RestoreRunner::Status::PartlyApplied || r.stepsDone > 0;
        applied += someApplied;
        failed += r.status != RestoreRunner::Status::Done;
    }
    if (failed == 0)
        return Done;
    return applied > 0 ? Partly : Failed;
}

void Vpctl::printRestoreResult(const RestoreRunner::Result &r)
{
    out.result(QStringLiteral("Result: %1 (%2 of %3 steps acknowledged)")
                   .arg(RestoreRunner::statusKey(r.status))
                   .arg(r.stepsDone)
                   .arg(r.steps));
    if (!r.message.isEmpty())
        out.result(r.message);
    auto groups = [&](const QString &title, const QStringList &list) {
        if (!list.isEmpty())
            out.result(title + list.join(QStringLiteral(", ")));
    };
    groups(QStringLiteral("Groups applied: "), r.groupsApplied);
    groups(QStringLiteral("Groups partly applied: "), r.groupsPartlyApplied);
    groups(QStringLiteral("Groups not applied: "), r.groupsNotApplied);
    if (!r.mismatches.isEmpty()) {
        out.result(QStringLiteral("Not matching the file after the restore:"));
        printDifferences(r.mismatches, false);
    }
    out.result(QString());
    if (!r.notApplicable.isEmpty())
        out.warning(QStringLiteral("%1 setting(s) of the file cannot be applied to %2 (listed above)")
                        .arg(r.notApplicable.size())
                        .arg(r.target));
    if (r.status != RestoreRunner::Status::Done)
        out.error(QStringLiteral("restore to %1 %2: %3")
                      .arg(r.target, RestoreRunner::statusKey(r.status), r.message));
}
