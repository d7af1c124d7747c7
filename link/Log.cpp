#include "Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QTextStream>
#include <QVector>

namespace {
struct LogTap
{
    QMutex lock;
    QVector<LogLine> ring; // circular once full; `next` is the oldest slot then
    int next = 0;
    QMap<int, LogListener> listeners;
    int nextHandle = 1;
};

LogTap &tap()
{
    static LogTap t;
    return t;
}
} // namespace

QString logFilePath()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    QFileInfo dirInfo(appDir);
    if (!appDir.isEmpty() && dirInfo.isDir() && dirInfo.isWritable())
        return QDir(appDir).filePath(QStringLiteral("log.txt"));
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dataDir.isEmpty())
        return QString();
    QDir().mkpath(dataDir);
    return QDir(dataDir).filePath(QStringLiteral("log.txt"));
}

void writeLog(const QString &text)
{
    const LogLine line{QDateTime::currentDateTime(), text};
    QList<LogListener> toCall;
    {
        LogTap &t = tap();
        QMutexLocker locker(&t.lock);
        if (t.ring.size() < LogHistorySize) {
            t.ring.append(line);
        } else {
            t.ring[t.next] = line;
            t.next = (t.next + 1) % LogHistorySize;
        }
        if (!t.listeners.isEmpty())
            toCall = t.listeners.values();
    }
    for (const LogListener &fn : qAsConst(toCall))
        fn(line);

    const QString path = logFilePath();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    out << line.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ----- ")) << text << '\n';
}

QList<LogLine> recentLogLines()
{
    LogTap &t = tap();
    QMutexLocker locker(&t.lock);
    QList<LogLine> out;
    out.reserve(t.ring.size());
    for (int i = 0; i < t.ring.size(); ++i)
        out.append(t.ring.at((t.next + i) % t.ring.size()));
    return out;
}

int addLogListener(LogListener listener)
{
    if (!listener)
        return 0;
    LogTap &t = tap();
    QMutexLocker locker(&t.lock);
    const int handle = t.nextHandle++;
    t.listeners.insert(handle, std::move(listener));
    return handle;
}

void removeLogListener(int handle)
{
    LogTap &t = tap();
    QMutexLocker locker(&t.lock);
    t.listeners.remove(handle);
}
