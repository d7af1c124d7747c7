// Log lines of the remote-control servers. Every line reaches the application log (writeLog) on
// the Qt thread, whichever thread writes it. Refusals are kept from flooding the log: at most one
// line per client and second, the lines left out counted into the next one.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QString>

class RemoteLog
{
public:
    RemoteLog();

    // "Remote control: refused <what> from <client>: <why>"
    void refusal(const QString &client, const QString &what, const QString &why);
    static void line(const QString &text);

private:
    struct Seen
    {
        qint64 lastMs = -1;
        int skipped = 0;
    };
    QMutex m_lock;
    QElapsedTimer m_clock;
    QHash<QString, Seen> m_seen;
};
