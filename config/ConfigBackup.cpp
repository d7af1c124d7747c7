#include "ConfigBackup.h"

#include "CommManager.h"
#include "ConfigFile.h"
#include "DeviceHub.h"

#include <QPointer>
#include <QTimer>

#include <memory>

ConfigBackup::ConfigBackup(DeviceHub *h, QObject *parent) : QObject(parent), hub(h) {}

ConfigBackup::~ConfigBackup() = default;

void ConfigBackup::setTimeout(int ms)
{
    timeoutMs = ms > 0 ? ms : DefaultTimeoutMs;
}

QString ConfigBackup::labelOf(const DeviceHub *hub, const QString &cpuid)
{
    const INFO_BASIC *r = hub ? hub->knownRecord(cpuid) : nullptr;
    if (!r)
        return cpuid;
    return ConfigDevice::fromRecord(*r).label();
}

void ConfigBackup::awaitReadBack(DeviceHub *hub, const QString &cpuid, int timeoutMs, QObject *context,
                                 Done done)
{
    // Every way out ends here once; `done` runs from the event loop, never inside the hub's
    // signal that ended the wait.
    auto *waiter = new QObject(context);
    auto fired = std::make_shared<bool>(false);
    const QPointer<QObject> guard(context);
    auto end = [waiter, fired, guard, done](bool ok, const QString &error) {
        if (*fired)
            return;
        *fired = true;
        waiter->deleteLater();
        if (guard)
            QTimer::singleShot(0, guard.data(), [done, ok, error] { done(ok, error); });
    };
    if (!hub->isReadingBack(cpuid)) {
        end(true, QString());
        return;
    }
    const QString label = labelOf(hub, cpuid);
    connect(hub, &DeviceHub::readBackFinished, waiter, [end, cpuid](const QString &id) {
        if (id == cpuid)
            end(true, QString());
    });
    connect(hub, &DeviceHub::linkStateChanged, waiter,
            [end, cpuid, label](const QString &id, DeviceHub::Link s) {
                if (id == cpuid && s != DeviceHub::Link::Online)
                    end(false, tr("The link to %1 was lost during its read-back.").arg(label));
            });
    auto *timer = new QTimer(waiter);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, waiter, [end, label, timeoutMs] {
        end(false, tr("%1 did not finish its read-back within %2 s.").arg(label).arg(timeoutMs / 1000.0));
    });
    timer->start(timeoutMs);
}

void ConfigBackup::readBackDevice(DeviceHub *hub, const QString &cpuid, int timeoutMs, QObject *context,
                                  Done done)
{
    const QPointer<QObject> guard(context);
    awaitReadBack(hub, cpuid, timeoutMs, context,
                  [hub, cpuid, timeoutMs, guard, done](bool ok, QString error) {
                      const QString label = labelOf(hub, cpuid);
                      if (ok && !hub->isOnline(cpuid)) {
                          ok = false;
                          error = tr("%1 is not online.").arg(label);
                      }
                      if (!ok) {
                          done(false, error);
                          return;
                      }
                      hub->transact(
                          cpuid, [hub, cpuid] { hub->readBack(cpuid); }, timeoutMs,
                          [guard, done, label, timeoutMs](const HubResult &r) {
                              if (!guard)
                                  return;
                              switch (r.outcome) {
                              case HubResult::Acknowledged:
                                  done(true, QString());
                                  break;
                              case HubResult::LinkLost:
                                  done(false, tr("The link to %1 was lost during its read-back.").arg(label));
                                  break;
                              case HubResult::TimedOut:
                                  done(false, tr("%1 did not finish its read-back within %2 s.")
                                                  .arg(label)
                                                  .arg(timeoutMs / 1000.0));
                                  break;
                              case HubResult::NotOnline:
                                  done(false, tr("%1 is not online.").arg(label));
                                  break;
                              case HubResult::Refused:
                                  done(false, tr("%1 refused to be read back.").arg(label));
                                  break;
                              }
                          });
                  });
}

bool ConfigBackup::start(const QStringList &cpuids, const QString &path)
{
    if (running || cpuids.isEmpty())
        return false;
    ids = cpuids;
    ids.removeDuplicates();
    outPath = path;
    index = 0;
    ++generation;
    running = true;
    cancelled = false;
    ok = false;
    error.clear();
    doc = ConfigDocument();
    next();
    return true;
}

void ConfigBackup::cancel()
{
    if (running)
        cancelled = true;
}

void ConfigBackup::next()
{
    if (cancelled) {
        end(false, tr("The backup was cancelled."));
        return;
    }
    emit progress(index, ids.size(), ids.value(index));
    if (index == ids.size()) {
        // Every device is read back: the file takes the records as they are now.
        doc.readBackTime = QDateTime::currentDateTimeUtc();
        for (const QString &id : qAsConst(ids)) {
            const INFO_BASIC *r = hub->record(id);
            if (!r) {
                end(false, tr("%1 is not online.").arg(labelOf(hub, id)));
                return;
            }
            const QString port = r->linkType == 1 ? hub->commManager()->linkPortName(r->keyTCP) : QString();
            doc.devices << ConfigDevice::fromRecord(*r, port);
        }
        QString message;
        if (!outPath.isEmpty() && !ConfigFile::save(outPath, doc, &message)) {
            end(false, message);
            return;
        }
        end(true, QString());
        return;
    }
    const int run = generation;
    readBackDevice(hub, ids.at(index), timeoutMs, this, [this, run](bool success, const QString &message) {
        if (run != generation || !running)
            return;
        if (!success) {
            end(false, message);
            return;
        }
        ++index;
        next();
    });
}

void ConfigBackup::end(bool success, const QString &message)
{
    running = false;
    ok = success;
    error = message;
    if (!success)
        doc = ConfigDocument();
    const int run = generation;
    QTimer::singleShot(0, this, [this, run, success] {
        if (run == generation)
            emit finished(success);
    });
}
