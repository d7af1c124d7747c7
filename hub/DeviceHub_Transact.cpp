// DeviceHub: transactions, i.e. a group of frames whose answers are awaited together.
#include "DeviceHub.h"

#include <QPair>
#include <QTimer>

struct DeviceHub::Transaction
{
    QString cpuid;
    QList<QPair<uint8_t, uint8_t>> awaited; // command and sub-command of each unanswered frame
    HubResult result;
    std::function<void(const HubResult &)> done;
    QTimer timer;
    int timeoutMs = 0;
    bool writeFailed = false;
};

namespace {
// The frames the device answers with a reply of the same command and sub-command.
bool awaitsAnswer(uint8_t cmd)
{
    return (cmd >= 0x01 && cmd <= 0x20) || cmd == 0xF1 || cmd == 0xEF;
}
} // namespace

void DeviceHub::transact(const QString &cpuid, std::function<void()> send, int timeoutMs,
                         std::function<void(const HubResult &)> done)
{
    auto *t = new Transaction;
    t->cpuid = cpuid;
    t->done = std::move(done);
    t->timeoutMs = timeoutMs > 0 ? timeoutMs : DefaultTransactTimeoutMs;
    Device *d = find(cpuid);
    if (!d || !d->registered || d->link != Link::Online) {
        t->result.outcome = HubResult::NotOnline;
        t->result.message = tr("Device Not Connect!");
        auto fn = std::move(t->done);
        const HubResult r = t->result;
        delete t;
        QMetaObject::invokeMethod(
            this,
            [fn, r] {
                if (fn)
                    fn(r);
            },
            Qt::QueuedConnection);
        return;
    }
    d->transactions.append(t);
    Transaction *outer = recording;
    recording = t;
    if (send)
        send();
    recording = outer;
    // send() may have run an event loop in which the link went; the transaction is then done.
    d = find(cpuid);
    if (!d || !d->transactions.contains(t))
        return;
    if (t->writeFailed)
        finish(d, t, HubResult::LinkLost);
    else if (t->awaited.isEmpty())
        finish(d, t, t->result.framesRefused > 0 ? HubResult::Refused : HubResult::Acknowledged);
    else {
        t->timer.setSingleShot(true);
        connect(&t->timer, &QTimer::timeout, this, [this, cpuid, t] {
            if (Device *dev = find(cpuid); dev && dev->transactions.contains(t))
                finish(dev, t, HubResult::TimedOut);
        });
        t->timer.start(t->timeoutMs);
    }
}

void DeviceHub::noteWritten(const QString &cpuid, const QByteArray &frame, int written)
{
    Transaction *t = recording;
    if (!t || t->cpuid != cpuid)
        return;
    if (written < 0) {
        t->writeFailed = true;
        return;
    }
    ++t->result.framesSent;
    if (frame.size() > 5 && awaitsAnswer(uint8_t(frame.at(4))))
        t->awaited.append(qMakePair(uint8_t(frame.at(4)), uint8_t(frame.at(5))));
}

void DeviceHub::settleTransactions(Device *d, const RECV_PROTOCOL &rp)
{
    const QPair<uint8_t, uint8_t> answer(rp.cmd, rp.subCmd);
    for (Transaction *t : qAsConst(d->transactions)) {
        const int i = t->awaited.indexOf(answer);
        if (i < 0)
            continue;
        t->awaited.removeAt(i);
        if (rp.status == 0)
            ++t->result.framesAcknowledged;
        else
            ++t->result.framesRefused;
        // A transaction whose send() is still running may write more frames.
        if (t->awaited.isEmpty() && t != recording)
            finish(d, t, t->result.framesRefused > 0 ? HubResult::Refused : HubResult::Acknowledged);
        return;
    }
}

void DeviceHub::finish(Device *d, Transaction *t, HubResult::Outcome outcome)
{
    d->transactions.removeOne(t);
    if (recording == t)
        recording = nullptr; // its send() ran an event loop in which the link went
    HubResult r = t->result;
    r.outcome = outcome;
    const int answered = r.framesAcknowledged + r.framesRefused;
    switch (outcome) {
    case HubResult::Acknowledged:
        r.message =
            tr("The device acknowledged %1 of %2 frames.").arg(r.framesAcknowledged).arg(r.framesSent);
        break;
    case HubResult::Refused:
        r.message = tr("The device refused %1 of %2 frames.").arg(r.framesRefused).arg(r.framesSent);
        break;
    case HubResult::LinkLost:
        r.message =
            tr("The link to the device was lost (%1 of %2 frames answered).").arg(answered).arg(r.framesSent);
        break;
    case HubResult::NotOnline:
        r.message = tr("Device Not Connect!");
        break;
    case HubResult::TimedOut:
        r.message = tr("The device did not answer within %1 ms (%2 of %3 frames answered).")
                        .arg(t->timeoutMs)
                        .arg(answered)
                        .arg(r.framesSent);
        break;
    }
    auto fn = std::move(t->done);
    delete t;
    QMetaObject::invokeMethod(
        this,
        [fn, r] {
            if (fn)
                fn(r);
        },
        Qt::QueuedConnection);
}

void DeviceHub::failTransactions(Device *d, HubResult::Outcome outcome)
{
    while (!d->transactions.isEmpty())
        finish(d, d->transactions.first(), outcome);
}

void DeviceHub::discardTransactions(Device *d)
{
    qDeleteAll(d->transactions);
    d->transactions.clear();
}
