// The command line of vpctl: the command word and its options, all checked before anything is
// opened or sent. A refusal is a usage error (exit code 2) with a message that names the argument.
// Filled by main() and read by Vpctl.
#pragma once

#include "RemoteSettings.h"

#include <QString>
#include <QStringList>

struct CliOptions
{
    enum Command { None, Help, Version, Search, Backup, Restore, Diff, Serve };

    static constexpr int DefaultTimeoutMs = 2000;
    static constexpr int LongestTimeoutMs = 600000;

    Command command = None;
    QString commandName; // as typed, for messages

    // Finding devices (search, backup, restore, diff, serve).
    QStringList hosts;       // --connect
    QStringList serialPorts; // --serial-port
    bool onlyGiven = false;  // --only-given: no broadcast, no probe of the system's serial ports
    int timeoutMs = DefaultTimeoutMs;

    bool json = false;      // search, diff, restore --dry-run
    QStringList devices;    // backup DEVICE..., diff [DEVICE]
    QString output;         // backup -o FILE
    QString file;           // restore FILE, diff FILE
    QString to;             // restore --to DEVICE
    QStringList onlyGroups; // restore --only
    bool dryRun = false;

    // serve
    RemoteSettings remote;
    int searchEverySec = 0;

    // False with `error` set when the arguments (argv[0] first) are not a valid command line.
    static bool parse(const QStringList &arguments, CliOptions *out, QString *error);

    // The whole help text (commands, options, how devices are found, exit codes).
    static QString helpText();
};
