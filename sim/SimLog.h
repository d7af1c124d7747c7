// The frame log of the simulator: one JSON object per line for every frame received or sent,
// {"time", "us", "device", "transport", "dir", "hex", "cmd", "sub"} (plus "note" for injected
// faults), so that tests can read back exactly what the application sent; "us" is the wall clock
// in microseconds since 1970, for benchmarks that time a frame's way from another process. Closed unless open() succeeded.
#pragma once

#include <QByteArray>
#include <QString>

class QFile;

class SimLog
{
public:
    static bool open(const QString &path);
    static void close();
    static bool isOpen();

    // dir is "rx" (from the application) or "tx" (to it); cmd and sub are read from the frame's
    // own layout (host frames carry them in bytes 4 and 5, device frames in bytes 2 and 3).
    static void frame(const QString &device, const QString &transport, const char *dir,
                      const QByteArray &bytes, const QString &note = QString());

private:
    static QFile *s_file;
};
