#include "RestoreRunner.h"

#include "ConfigBackup.h"
#include "DeviceHub.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"

#include <QPointer>
#include <QTimer>

RestoreRunner::RestoreRunner(DeviceHub *h, QObject *parent)
    : QObject(parent), hub(h), readBackTimeoutMs(ConfigBackup::DefaultTimeoutMs)
{
}

RestoreRunner::~RestoreRunner() = default;

void RestoreRunner::setStepTimeout(int ms)
{
    stepTimeoutMs = ms > 0 ? ms : DefaultStepTimeoutMs;
}

void RestoreRunner::setReadBackTimeout(int ms)
{
    readBackTimeoutMs = ms > 0 ? ms : ConfigBackup::DefaultTimeoutMs;
}

QString RestoreRunner::statusKey(Status status)
{
    switch (status) {
    case Status::Done:
        return QStringLiteral("done");
    case Status::PartlyApplied:
        return QStringLiteral("partly applied");
    case Status::Failed:
        return QStringLiteral("failed");
    case Status::Cancelled:
        return QStringLiteral("cancelled");
    }
    return QString();
}

QString RestoreRunner::statusText(Status status)
{
    switch (status) {
    case Status::Done:
        return tr("done");
    case Status::PartlyApplied:
        return tr("partly applied");
    case Status::Failed:
        return tr("failed");
    case Status::Cancelled:
        return tr("cancelled");
    }
    return QString();
}

bool RestoreRunner::start(const ConfigDevice &file, const QString &targetCpuid, const QStringList &groups)
{
    if (running)
        return false;
    ++generation;
    running = true;
    cancelRequested = false;
    stopped = false;
    res = Result();
    doneInGroup.clear();
    restorePlan = RestorePlan();
    fileDevice = file;
    target = targetCpuid;
    chosen = groups;
    res.target = ConfigBackup::labelOf(hub, target);
    const QStringList known = ConfigDiff::groups();
    for (const QString &g : groups) {
        if (!known.contains(g)) {
            fail(
                tr("There is no group \"%1\"; the groups are: %2.").arg(g, known.join(QStringLiteral(", "))));
            return true;
        }
    }
    if (!hub->isOnline(target)) {
        fail(tr("%1 is not online: nothing was sent.").arg(res.target));
        return true;
    }
    setPhase(Phase::ReadingBack);
    const int run = generation;
    ConfigBackup::readBackDevice(hub, target, readBackTimeoutMs, this,
                                 [this, run](bool ok, const QString &error) {
                                     if (run == generation)
                                         onReadBack(ok, error);
                                 });
    return true;
}

void RestoreRunner::cancel()
{
    if (running)
        cancelRequested = true;
}

void RestoreRunner::setPhase(Phase p)
{
    if (currentPhase == p)
        return;
    currentPhase = p;
    emit phaseChanged(p);
}

void RestoreRunner::fail(const QString &message)
{
    res.status = Status::Failed;
    res.message = message;
    finish();
}

void RestoreRunner::onReadBack(bool ok, const QString &error)
{
    const INFO_BASIC *rec = hub->record(target);
    if (!ok || !rec) {
        fail(tr("%1 Nothing was sent.").arg(ok ? tr("%1 is not online.").arg(res.target) : error));
        return;
    }
    if (cancelRequested) {
        res.status = Status::Cancelled;
        res.message = tr("The restore was cancelled before anything was sent.");
        finish();
        return;
    }
    restorePlan = RestorePlan::build(fileDevice, *rec, chosen);
    if (!restorePlan.error.isEmpty()) {
        fail(tr("%1 Nothing was sent.").arg(restorePlan.error));
        return;
    }
    res.notApplicable = restorePlan.notApplicable;
    res.steps = restorePlan.steps.size();
    emit planned();
    setPhase(Phase::Applying);
    runStep(0);
}

void RestoreRunner::runStep(int i)
{
    if (cancelRequested) {
        stopSteps(Status::Cancelled,
                  tr("The restore was cancelled after %1 of %2 steps.").arg(i).arg(res.steps));
        return;
    }
    if (i >= restorePlan.steps.size()) {
        verify();
        return;
    }
    const RestoreStep &step = restorePlan.steps.at(i);
    // The steps call the family's interface; a device that came back as another family is not
    // the one the plan was made for.
    Interface *iface = hub->interfaceOf(target);
    const bool rightFamily = fileDevice.isGw() ? qobject_cast<GW5Interface *>(iface) != nullptr
                                               : qobject_cast<KS9200Interface *>(iface) != nullptr;
    if (!rightFamily || !hub->isOnline(target)) {
        HubResult r;
        r.outcome = HubResult::NotOnline;
        onStepDone(i, r);
        return;
    }
    emit progress(i + 1, restorePlan.steps.size(), step.group, step.description);
    const int run = generation;
    const QPointer<RestoreRunner> guard(this);
    const auto send = step.send;
    hub->transact(
        target, [iface, send] { send(iface); }, stepTimeoutMs,
        [guard, run, i](const HubResult &r) {
            if (guard && run == guard->generation)
                guard->onStepDone(i, r);
        });
}

void RestoreRunner::onStepDone(int i, const HubResult &r)
{
    const RestoreStep &step = restorePlan.steps.at(i);
    const QString where = tr("step %1 of %2 (%3)").arg(i + 1).arg(res.steps).arg(step.description);
    if (r.ok()) {
        ++res.stepsDone;
        ++doneInGroup[step.group];
        // A template or preset load makes the hub read the device back by itself; nothing is
        // sent (nor verified) before that read-back has ended.
        const int run = generation;
        ConfigBackup::awaitReadBack(
            hub, target, readBackTimeoutMs, this, [this, run, i](bool ok, const QString &error) {
                if (run != generation)
                    return;
                if (ok) {
                    runStep(i + 1);
                    return;
                }
                res.stoppedBy.outcome = hub->isOnline(target) ? HubResult::TimedOut : HubResult::LinkLost;
                res.stoppedBy.message = error;
                stopSteps(Status::PartlyApplied, error);
            });
        return;
    }
    res.stoppedBy = r;
    QString message;
    switch (r.outcome) {
    case HubResult::Refused:
        message = tr("%1 refused %2.").arg(res.target, where);
        break;
    case HubResult::TimedOut:
        message = tr("%1 did not answer %2 in time.").arg(res.target, where);
        break;
    case HubResult::LinkLost:
        message = tr("The link to %1 was lost at %2.").arg(res.target, where);
        break;
    case HubResult::NotOnline:
    case HubResult::Acknowledged:
        message = tr("%1 was not online for %2.").arg(res.target, where);
        break;
    }
    stopSteps(res.stepsDone > 0 ? Status::PartlyApplied : Status::Failed, message);
}

void RestoreRunner::stopSteps(Status status, const QString &message)
{
    stopped = true;
    res.status = status;
    res.message = message;
    // What the device holds now is still worth knowing when it can be read.
    if (hub->isOnline(target))
        verify();
    else
        finish();
}

void RestoreRunner::verify()
{
    const bool allSent = !stopped;
    setPhase(Phase::Verifying);
    const int run = generation;
    ConfigBackup::readBackDevice(
        hub, target, readBackTimeoutMs, this, [this, run, allSent](bool ok, const QString &error) {
            if (run != generation)
                return;
            const INFO_BASIC *rec = hub->record(target);
            if (ok && rec) {
                res.verified = true;
                res.mismatches = restorePlan.verify(*rec);
            }
            if (allSent) {
                if (!res.verified) {
                    res.status = res.steps == 0 ? Status::Failed : Status::PartlyApplied;
                    res.message = tr("Every step was acknowledged, but %1 could not be read back to verify "
                                     "them: %2")
                                      .arg(res.target, error);
                } else if (!res.mismatches.isEmpty()) {
                    res.status = Status::PartlyApplied;
                    res.message = tr("Every step was acknowledged, but %n setting(s) of %1 do not match the "
                                     "file.",
                                     nullptr, res.mismatches.size())
                                      .arg(res.target);
                } else {
                    res.status = Status::Done;
                    res.message = res.steps == 0
                                      ? tr("%1 already matches the file: nothing was sent.").arg(res.target)
                                      : tr("%1 restored: %2 steps applied and verified.")
                                            .arg(res.target)
                                            .arg(res.steps);
                }
            }
            finish();
        });
}

void RestoreRunner::finish()
{
    QMap<QString, int> stepsInGroup;
    for (const RestoreStep &s : qAsConst(restorePlan.steps))
        ++stepsInGroup[s.group];
    for (const QString &g : qAsConst(restorePlan.groups)) {
        const int done = doneInGroup.value(g), all = stepsInGroup.value(g);
        if (done >= all)
            res.groupsApplied << g;
        else if (done > 0)
            res.groupsPartlyApplied << g;
        else
            res.groupsNotApplied << g;
    }
    running = false;
    setPhase(Phase::Finished);
    const int run = generation;
    QTimer::singleShot(0, this, [this, run] {
        if (run == generation)
            emit finished();
    });
}
