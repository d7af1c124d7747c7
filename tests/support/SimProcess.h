// Runs vpsim as a child process in the caller's network namespace: starts it with the given
// arguments plus a state file and a frame log in a private directory, waits until the state file
// shows the devices, parses them, reads the frame log and stops the process again.
// Uses QtCore only (the benchmarks share it); waiting loops spin the event loop and are bounded.
#pragma once

#include <QHostAddress>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

class SimProcess
{
public:
    struct Device
    {
        QString cpuid;
        int type = -1;
        QString model, name;
        QHostAddress address; // null for a serial-only device
        quint16 tcpPort = 0, udpPort = 0;
        QString pty;  // slave path of its pseudo-terminal, empty if none
        QString link; // symlink to the pty, empty if none
        QJsonObject state;
    };

    SimProcess();
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // The simulator binary: $VPSIM.
    static QString binary();

    // Starts the simulator through `program`, with `args` before the simulator's own command line
    // (for example a script that runs it in another network namespace).
    void setLauncher(const QString &program, const QStringList &args) { launcher = program, launcherArgs = args; }
    // Starts vpsim with `args` (plus --state-file and --log) and waits until its state file lists
    // the devices. False with errorString() when it does not start or exits first.
    bool start(const QStringList &args, int timeoutMs = 10000);
    // Ends it: SIGTERM (after SIGCONT), SIGKILL if it does not go within a second or two.
    void stop();
    // Ends it at once with SIGKILL (its pseudo-terminals vanish without a goodbye).
    void kill();
    void suspend(); // SIGSTOP
    void resume();  // SIGCONT
    bool isRunning() const;
    QString errorString() const { return error; }
    // Everything the process printed so far (stdout and stderr merged).
    QString output();

    QString statePath() const;
    QString logPath() const;

    // The devices as last read from the state file; refresh() reads the file again.
    const QList<Device> &devices() const { return deviceList; }
    bool refresh();
    const Device *device(const QString &cpuid) const;
    const Device *deviceAt(const QHostAddress &address) const;

    // Every JSON line of the frame log so far; logFrom(pos) only those after `pos` lines.
    QList<QJsonObject> log() const { return logFrom(0); }
    QList<QJsonObject> logFrom(int firstLine) const;
    // Frames of one device in the log matching dir ("rx"/"tx", empty = both), cmd and sub (-1 = any).
    int countFrames(const QString &cpuid, const QString &dir, int cmd, int sub = -1, int firstLine = 0) const;

    // Spins the event loop until `cond` holds or `timeoutMs` passed; returns `cond()`.
    static bool waitFor(const std::function<bool()> &cond, int timeoutMs);

private:
    QTemporaryDir dir;
    QProcess proc;
    QString error, captured, launcher;
    QList<Device> deviceList;
    QStringList launcherArgs;
};
