// Application log: one timestamped line per call, appended to log.txt.
// The last LogHistorySize lines are also kept in memory, so a diagnostics view opened later shows
// what happened before; listeners (normally none) are told of every new line.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

// Appends "yyyy-MM-dd HH:mm:ss ----- text" to log.txt beside the executable, or in the
// per-user data directory when that directory is not writable. Failures are silent.
void writeLog(const QString &text);

// The file writeLog appends to (resolved on each call).
QString logFilePath();

struct LogLine
{
    QDateTime time;
    QString text;
};

constexpr int LogHistorySize = 2000;

// The lines written so far in this process, oldest first, at most LogHistorySize.
QList<LogLine> recentLogLines();

// Registers a function called (on the writing thread) for every line written from now on;
// returns a handle for removeLogListener. The function must not call writeLog itself.
using LogListener = std::function<void(const LogLine &line)>;
int addLogListener(LogListener listener);
void removeLogListener(int handle);
