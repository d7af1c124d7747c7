#include "RemoteLog.h"

#include "Log.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QThread>

namespace {
constexpr qint64 IntervalMs = 1000;
constexpr int MaxClients = 1024;
} // namespace

RemoteLog::RemoteLog()
{
    m_clock.start();
}

void RemoteLog::refusal(const QString &client, const QString &what, const QString &why)
{
    int skipped = 0;
    {
        QMutexLocker locker(&m_lock);
        const qint64 now = m_clock.elapsed();
        if (m_seen.size() >= MaxClients && !m_seen.contains(client))
            m_seen.clear();
        Seen &s = m_seen[client];
        if (s.lastMs >= 0 && now - s.lastMs < IntervalMs) {
            ++s.skipped;
            return;
        }
        skipped = s.skipped;
        s = Seen{now, 0};
    }
    QString text = QCoreApplication::translate("RemoteControl", "Remote control: refused %1 from %2: %3")
                       .arg(what, client, why);
    if (skipped > 0)
        text += QCoreApplication::translate(
            "RemoteControl", " (%n more refusal(s) of this client not logged)", nullptr, skipped);
    line(text);
}

void RemoteLog::line(const QString &text)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        writeLog(text);
        return;
    }
    // Log listeners (the diagnostics window) expect the Qt thread.
    QMetaObject::invokeMethod(
        app, [text] { writeLog(text); }, Qt::QueuedConnection);
}
