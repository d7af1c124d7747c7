// Restores one device of a configuration file to an online device through the device hub: reads
// the target back fresh, builds the restore plan, sends each step as one hub transaction in order
// and waits for the device's acknowledgements, then reads the target back again and verifies
// every applied setting against the file.
//
// A step the device refuses or does not answer, a lost link or Cancel stops the restore before
// the next step; the result says which groups were applied fully, partly and not at all. A
// partly applied restore is never reported as done, and "done" means verified by the re-read.
// A KS template or preset load inside the plan makes the hub read the device back by itself: the
// runner waits for that read-back to end before it sends the next step or verifies.
// Owned by whoever runs the restore (the restore dialog, vpctl); the hub must outlive it.
#pragma once

#include "ConfigDocument.h"
#include "HubResult.h"
#include "RestorePlan.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class DeviceHub;

class RestoreRunner : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultStepTimeoutMs = 10000;

    enum class Status {
        Done,          // every step acknowledged and the re-read matches the file
        PartlyApplied, // some steps applied, or applied but not matching / not verified
        Failed,        // nothing applied
        Cancelled,     // stopped by the operator before the next step
    };
    Q_ENUM(Status)
    enum class Phase { Idle, ReadingBack, Applying, Verifying, Finished };
    Q_ENUM(Phase)

    struct Result
    {
        Status status = Status::Failed;
        QString message; // for the operator: what happened, in one or two sentences
        QString target;  // label of the target device
        int stepsDone = 0;
        int steps = 0;
        // The plan's groups by how many of their steps the device acknowledged.
        QStringList groupsApplied;
        QStringList groupsPartlyApplied;
        QStringList groupsNotApplied;
        // What the target cannot take (from the plan), and what does not match the file after
        // the re-read (empty unless `verified`).
        QList<ConfigDifference> notApplicable;
        QList<ConfigDifference> mismatches;
        bool verified = false;
        // The transaction that stopped the restore; Acknowledged when none did.
        HubResult stoppedBy;
    };

    explicit RestoreRunner(DeviceHub *hub, QObject *parent = nullptr);
    ~RestoreRunner() override;

    void setStepTimeout(int ms);
    void setReadBackTimeout(int ms);

    // Restores `file` to the online device `targetCpuid`, the `groups` given (ConfigDiff::groups()
    // names; all when empty). finished() follows, always later from the event loop. False (nothing
    // started) while a restore runs.
    bool start(const ConfigDevice &file, const QString &targetCpuid,
               const QStringList &groups = QStringList());
    // Stops before the next step (or before the first, during the fresh read-back).
    void cancel();
    bool isRunning() const { return running; }
    Phase phase() const { return currentPhase; }

    // The plan built after the fresh read-back (from planned() on).
    const RestorePlan &plan() const { return restorePlan; }
    const Result &result() const { return res; }

    // "done", "partly applied", "failed", "cancelled": fixed English keys.
    static QString statusKey(Status status);
    // The same for people, translated.
    static QString statusText(Status status);

signals:
    void phaseChanged(RestoreRunner::Phase phase);
    // The plan is built; the first step follows.
    void planned();
    // Step `step` (from 1) of `total` is being sent.
    void progress(int step, int total, QString group, QString description);
    void finished();

private:
    void setPhase(Phase p);
    void onReadBack(bool ok, const QString &error);
    void runStep(int i);
    void onStepDone(int i, const HubResult &r);
    void stopSteps(Status status, const QString &message);
    void verify();
    void finish();
    void fail(const QString &message);

    DeviceHub *hub;
    int stepTimeoutMs = DefaultStepTimeoutMs;
    int readBackTimeoutMs;
    ConfigDevice fileDevice;
    QString target;
    QStringList chosen;
    RestorePlan restorePlan;
    Result res;
    QMap<QString, int> doneInGroup;
    Phase currentPhase = Phase::Idle;
    int generation = 0;
    bool running = false;
    bool cancelRequested = false;
    bool stopped = false; // the steps ended before the last one
};
