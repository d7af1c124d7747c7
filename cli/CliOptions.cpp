#include "CliOptions.h"

#include "ConfigDiff.h"

#include <QCommandLineParser>
#include <QFile>

namespace {
const QString HelpText = QStringLiteral(R"(Usage: vpctl COMMAND [OPTIONS]

Headless companion of vpcontrol: finds LED-wall video processors, backs up, compares and restores
their configuration, and serves remote control (OSC and HTTP) without a display. Results go to
standard output; errors, and progress when standard error is a terminal, to standard error.

Commands:
  search [--json]
      List the devices found: model, name, cpuid, connection, version, state.
  backup [DEVICE...] -o FILE
      Read back the devices named (every device found when none is named) and write their
      configuration to FILE (written whole or not at all).
  diff FILE [DEVICE] [--json]
      Print every setting that differs between the devices of FILE and the live devices.
  restore FILE [--to DEVICE] [--only GROUP,...] [--dry-run] [--json]
      Restore every device of FILE to the device with its cpuid, or the file's device to DEVICE,
      then read the device back and report what does not match. --dry-run prints the differences
      and what cannot be applied and sends nothing.
  serve [--osc-port N] [--http-port N] [--bind ADDR] [--token T | --token-file FILE]
        [--allow ADDR]... [--search-every SEC]
      Keep the devices found connected (reconnecting them when their link is lost) and serve
      remote control over OSC and HTTP until SIGINT or SIGTERM.
  help, --help    This text.  --version    The version.

Finding devices (every command):
  --connect HOST      Also ask HOST (an address or a name) by unicast; repeatable.
  --serial-port PATH  Also probe PATH, e.g. a pseudo-terminal; repeatable.
  --only-given        Ask only the --connect hosts and --serial-port paths: no broadcast and no
                      probe of the system's serial ports.
  --timeout MS        How long a search waits for answers (default 2000).
  A search broadcasts on every network interface, probes the system's serial ports and asks the
  hosts and paths given. It lasts --timeout, and ends earlier once every DEVICE named by cpuid or
  address has answered (with --only-given: once every host and path given has answered).
  DEVICE is a cpuid (24 hexadecimal digits), a device name, a network address or a serial port
  path. An IPv4 address or a path (starting with /) is also asked directly, as if given with
  --connect or --serial-port. A name that two devices share is refused as ambiguous.

Restore:
  --to DEVICE         The target device; the file must then hold one device, or one with the
                      target's cpuid. Another model of the same family takes what it can; the
                      rest is listed as not applicable.
  --only GROUP,...    Restore only these groups (repeatable): outputs, presets, layout, picture,
                      edid, mosaic, chroma, audio, switches, tasks.
  --dry-run           Print what would change; send nothing.
  Restoring presets lays each one out on the live wall while it is stored; the live layout is
  put back afterwards. Interrupting a restore (SIGINT, SIGTERM) stops it after the current step.

Serve:
  --osc-port N        OSC port (UDP), 0 for none (default 9000).
  --http-port N       HTTP port, 0 for none (default 9080).
  --bind ADDR         Listen on ADDR (default 127.0.0.1). Any other address needs a token.
  --token T           The token HTTP clients send as "Authorization: Bearer T" (8 or more
                      characters).
  --token-file FILE   Read the token from the first line of FILE (keeps it out of process lists).
  --allow ADDR        An OSC sender allowed (address or address/prefix); repeatable. Without any,
                      only loopback senders are heard.
  --search-every SEC  Search again every SEC seconds for devices switched on later (default 0:
                      at start only).
  See docs/remote-control.md for the OSC addresses and HTTP routes.

Exit codes:
  0  done
  1  failed: a bad file, an unknown or ambiguous device, a device that does not answer, loses its
     link or refuses; for restore: nothing was applied
  2  usage: the command line is wrong
  3  partly applied: a restore stopped halfway; the groups applied and not applied are named

Messages are in English (vpctl is meant for scripts).
)");

bool parseInt(const QString &text, int min, int max, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

QString readTokenFile(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("--token-file %1: %2").arg(path, f.errorString());
        return QString();
    }
    const QString token = QString::fromUtf8(f.readLine(4096)).trimmed();
    if (token.isEmpty())
        *error = QStringLiteral("--token-file %1: the first line is empty").arg(path);
    return token;
}
} // namespace

QString CliOptions::helpText()
{
    return HelpText;
}

bool CliOptions::parse(const QStringList &arguments, CliOptions *out, QString *error)
{
    CliOptions o;
    const QString word = arguments.value(1);
    if (word.isEmpty()) {
        *error = QStringLiteral("no command given; see vpctl --help");
        return false;
    }
    if (word == QLatin1String("help") || word == QLatin1String("--help") || word == QLatin1String("-h")) {
        out->command = Help;
        return true;
    }
    if (word == QLatin1String("--version")) {
        out->command = Version;
        return true;
    }
    static const QList<QPair<QString, Command>> commands{
        {"search", Search}, {"backup", Backup}, {"restore", Restore}, {"diff", Diff}, {"serve", Serve}};
    for (const auto &c : commands)
        if (c.first == word)
            o.command = c.second;
    if (o.command == None) {
        *error =
            QStringLiteral("unknown command \"%1\"; the commands are search, backup, restore, diff, serve")
                .arg(word);
        return false;
    }
    o.commandName = word;

    QCommandLineParser p;
    const QCommandLineOption help({"h", "help"}, QString());
    const QCommandLineOption connectOpt("connect", QString(), "HOST");
    const QCommandLineOption serialOpt("serial-port", QString(), "PATH");
    const QCommandLineOption onlyGivenOpt("only-given", QString());
    const QCommandLineOption timeoutOpt("timeout", QString(), "MS");
    const QCommandLineOption jsonOpt("json", QString());
    const QCommandLineOption outputOpt({"o", "output"}, QString(), "FILE");
    const QCommandLineOption toOpt("to", QString(), "DEVICE");
    const QCommandLineOption onlyOpt("only", QString(), "GROUPS");
    const QCommandLineOption dryRunOpt("dry-run", QString());
    const QCommandLineOption oscOpt("osc-port", QString(), "N");
    const QCommandLineOption httpOpt("http-port", QString(), "N");
    const QCommandLineOption bindOpt("bind", QString(), "ADDR");
    const QCommandLineOption tokenOpt("token", QString(), "T");
    const QCommandLineOption tokenFileOpt("token-file", QString(), "FILE");
    const QCommandLineOption allowOpt("allow", QString(), "ADDR");
    const QCommandLineOption searchEveryOpt("search-every", QString(), "SEC");
    p.addOptions({help, connectOpt, serialOpt, onlyGivenOpt, timeoutOpt});
    switch (o.command) {
    case Search:
        p.addOption(jsonOpt);
        break;
    case Backup:
        p.addOption(outputOpt);
        break;
    case Diff:
        p.addOption(jsonOpt);
        break;
    case Restore:
        p.addOptions({toOpt, onlyOpt, dryRunOpt, jsonOpt});
        break;
    case Serve:
        p.addOptions({oscOpt, httpOpt, bindOpt, tokenOpt, tokenFileOpt, allowOpt, searchEveryOpt});
        break;
    default:
        break;
    }
    QStringList rest = arguments;
    rest.removeAt(1);
    const QString where = word + QStringLiteral(": ");
    if (!p.parse(rest)) {
        *error = where + p.errorText();
        return false;
    }
    if (p.isSet(help)) {
        out->command = Help;
        return true;
    }

    o.hosts = p.values(connectOpt);
    o.serialPorts = p.values(serialOpt);
    o.onlyGiven = p.isSet(onlyGivenOpt);
    if (p.isSet(timeoutOpt) && !parseInt(p.value(timeoutOpt), 1, LongestTimeoutMs, &o.timeoutMs)) {
        *error = where + QStringLiteral("--timeout needs milliseconds from 1 to %1, not \"%2\"")
                             .arg(LongestTimeoutMs)
                             .arg(p.value(timeoutOpt));
        return false;
    }
    o.json = (o.command == Search || o.command == Diff || o.command == Restore) && p.isSet(jsonOpt);
    const QStringList positional = p.positionalArguments();

    switch (o.command) {
    case Search:
        if (!positional.isEmpty()) {
            *error = where + QStringLiteral("unexpected argument \"%1\"").arg(positional.first());
            return false;
        }
        break;
    case Backup:
        o.devices = positional;
        o.output = p.value(outputOpt);
        if (o.output.isEmpty()) {
            *error = where + QStringLiteral("-o FILE is required");
            return false;
        }
        break;
    case Diff:
        if (positional.isEmpty() || positional.size() > 2) {
            *error = where + QStringLiteral("needs FILE and at most one DEVICE");
            return false;
        }
        o.file = positional.first();
        o.devices = positional.mid(1);
        break;
    case Restore: {
        if (positional.size() != 1) {
            *error = where + (positional.isEmpty() ? QStringLiteral("needs FILE")
                                                   : QStringLiteral("unexpected argument \"%1\"; name the "
                                                                    "target with --to DEVICE")
                                                         .arg(positional.at(1)));
            return false;
        }
        o.file = positional.first();
        if (p.isSet(toOpt)) {
            o.to = p.value(toOpt);
            if (o.to.isEmpty()) {
                *error = where + QStringLiteral("--to needs a DEVICE");
                return false;
            }
        }
        const QStringList known = ConfigDiff::groups();
        for (const QString &list : p.values(onlyOpt)) {
            for (const QString &g : list.split(QLatin1Char(','))) {
                const QString group = g.trimmed();
                if (!known.contains(group)) {
                    *error = where + QStringLiteral("--only: unknown group \"%1\"; the groups are %2")
                                         .arg(group, known.join(QStringLiteral(", ")));
                    return false;
                }
                if (!o.onlyGroups.contains(group))
                    o.onlyGroups << group;
            }
        }
        o.dryRun = p.isSet(dryRunOpt);
        if (o.json && !o.dryRun) {
            *error = where + QStringLiteral("--json goes with --dry-run");
            return false;
        }
        break;
    }
    case Serve: {
        if (!positional.isEmpty()) {
            *error = where + QStringLiteral("unexpected argument \"%1\"").arg(positional.first());
            return false;
        }
        RemoteSettings &r = o.remote;
        r.enabled = true;
        int port = 0;
        if (p.isSet(oscOpt)) {
            if (!parseInt(p.value(oscOpt), 0, 65535, &port)) {
                *error = where + QStringLiteral("--osc-port needs a port from 0 to 65535, not \"%1\"")
                                     .arg(p.value(oscOpt));
                return false;
            }
            r.oscPort = quint16(port);
        }
        if (p.isSet(httpOpt)) {
            if (!parseInt(p.value(httpOpt), 0, 65535, &port)) {
                *error = where + QStringLiteral("--http-port needs a port from 0 to 65535, not \"%1\"")
                                     .arg(p.value(httpOpt));
                return false;
            }
            r.httpPort = quint16(port);
        }
        if (p.isSet(bindOpt))
            r.bindAddress = p.value(bindOpt);
        if (p.isSet(tokenOpt) && p.isSet(tokenFileOpt)) {
            *error = where + QStringLiteral("give --token or --token-file, not both");
            return false;
        }
        if (p.isSet(tokenOpt))
            r.token = p.value(tokenOpt);
        if (p.isSet(tokenFileOpt)) {
            QString fileError;
            r.token = readTokenFile(p.value(tokenFileOpt), &fileError);
            if (!fileError.isEmpty()) {
                *error = where + fileError;
                return false;
            }
        }
        r.oscAllowList = p.values(allowOpt);
        const QString problem = r.problem();
        if (!problem.isEmpty()) {
            *error = where + problem;
            return false;
        }
        if (p.isSet(searchEveryOpt) && !parseInt(p.value(searchEveryOpt), 0, 86400, &o.searchEverySec)) {
            *error = where + QStringLiteral("--search-every needs seconds from 0 to 86400, not \"%1\"")
                                 .arg(p.value(searchEveryOpt));
            return false;
        }
        break;
    }
    default:
        break;
    }
    *out = o;
    return true;
}
