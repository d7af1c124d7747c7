// Backs devices up through the device hub: reads each one back in full (one after the other,
// each bounded in time), then builds the configuration document from their records and, when a
// path is given, writes it atomically. A device that is not online, drops or does not finish its
// read-back fails the whole backup with a message naming it; no file is written then.
//
// The read-back of one device is offered on its own (readBackDevice) for the restore runner and
// the restore dialog, which need the device's state fresh before they compare or verify.
// Owned by whoever runs the backup (the save dialog, vpctl); the hub must outlive it.
#pragma once

#include "ConfigDocument.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class DeviceHub;

class ConfigBackup : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 30000;

    // ok, or false with a message for the operator.
    using Done = std::function<void(bool ok, const QString &error)>;

    explicit ConfigBackup(DeviceHub *hub, QObject *parent = nullptr);
    ~ConfigBackup() override;

    // Time allowed for each device's read-back.
    void setTimeout(int ms);
    int timeout() const { return timeoutMs; }

    // Reads back `cpuids` in this order and builds document(); with a `path`, writes the file.
    // finished() follows, always later from the event loop. False (nothing started) while a
    // backup runs or when `cpuids` is empty.
    bool start(const QStringList &cpuids, const QString &path = QString());
    // Stops after the read-back that runs; finished(false) follows with "cancelled".
    void cancel();
    bool isRunning() const { return running; }

    bool succeeded() const { return ok; }
    QString errorString() const { return error; }
    const ConfigDocument &document() const { return doc; }

    // `KS9200 "Hall"`, or the cpuid of a device the hub does not know.
    static QString labelOf(const DeviceHub *hub, const QString &cpuid);

    // Reads one device back in full: a read-back that is already running (a view's, or the hub's
    // own after a preset or template load) is awaited first, then the full read-back is asked as
    // a transaction, so that its end is the device's answer to this very request. `done` runs
    // once, later from the event loop, and not at all when `context` is gone first.
    static void readBackDevice(DeviceHub *hub, const QString &cpuid, int timeoutMs, QObject *context,
                               Done done);
    // Waits for the end of a read-back the device is running; ok at once when none is. Fails
    // when the link ends or the time is up first.
    static void awaitReadBack(DeviceHub *hub, const QString &cpuid, int timeoutMs, QObject *context,
                              Done done);

signals:
    // Reading device `index` (from 0) of `count`; index == count when all are read back.
    void progress(int index, int count, QString cpuid);
    void finished(bool ok);

private:
    void next();
    void end(bool success, const QString &message);

    DeviceHub *hub;
    int timeoutMs = DefaultTimeoutMs;
    QStringList ids;
    QString outPath;
    int index = 0;
    int generation = 0; // callbacks of an earlier run are ignored
    bool running = false;
    bool cancelled = false;
    bool ok = false;
    QString error;
    ConfigDocument doc;
};
