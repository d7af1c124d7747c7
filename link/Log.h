// Application log: one timestamped line per call, appended to log.txt.
#pragma once

#include <QString>

// Appends "yyyy-MM-dd HH:mm:ss ----- text" to log.txt beside the executable, or in the
// per-user data directory when that directory is not writable. Failures are silent.
void writeLog(const QString &text);

// The file writeLog appends to (resolved on each call).
QString logFilePath();
