// vpctl's commands, run over one device hub in a plain QCoreApplication: search, backup, diff,
// restore and serve. Created by main() with the checked command line; run() returns the exit code
// (0 done, 1 failed, 2 usage, 3 partly applied). Spread over Vpctl_Search.cpp, Vpctl_Config.cpp
// and Vpctl_Serve.cpp by command.
#pragma once

#include "CliOptions.h"
#include "CliOutput.h"
#include "RestoreRunner.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class DeviceFinder;
class DeviceHub;
class SignalWatch;
struct ConfigDifference;

class Vpctl : public QObject
{
    Q_OBJECT
public:
    enum Exit { Done = 0, Failed = 1, Usage = 2, Partly = 3 };
    // Every read-back and step of a restore is bounded by the runner; this only ends a wait for
    // an answer that never comes.
    static constexpr int LongestRestoreMs = 60 * 60 * 1000;

    explicit Vpctl(const CliOptions &options, QObject *parent = nullptr);
    ~Vpctl() override;

    int run();

private:
    int search();
    int backup();
    int diff();
    int restore();
    int serve();

    // Finds the devices; `wanted` lets the search end early. Prints what could not be reached.
    void findDevices(const QStringList &wanted);
    // A file device and the device it is compared with or restored to.
    struct Pair
    {
        int fileIndex = -1;
        QString cpuid;
    };
    // Pairs the file's devices with devices found: by `target` (the file's one device, or the one
    // with the target's cpuid), else each by its cpuid. Errors are printed; false when any device
    // cannot be paired.
    bool pairDevices(const ConfigDocument &doc, const QString &target, QList<Pair> *pairs);
    bool loadFile(ConfigDocument *doc);
    QString fileDeviceLabel(const ConfigDocument &doc, int index) const;
    void printDifferences(const QList<ConfigDifference> &diffs, bool withReasons);
    void printPlan(const RestorePlan &plan);
    int restoreDryRun(const ConfigDocument &doc, const QList<Pair> &pairs);
    // Reads the paired devices back in full; false (and said on standard error) when one fails.
    bool readBackPairs(const QList<Pair> &pairs);
    int restoreDevices(const ConfigDocument &doc, const QList<Pair> &pairs);
    void printRestoreResult(const RestoreRunner::Result &r);

    CliOptions opt;
    CliOutput out;
    DeviceHub *hub = nullptr;
    DeviceFinder *finder = nullptr;
    SignalWatch *signalWatch = nullptr;
};
