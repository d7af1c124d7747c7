#include "Vpctl.h"

#include "ConfigDiff.h"
#include "ConfigFile.h"
#include "DeviceFinder.h"
#include "DeviceHub.h"
#include "SignalWatch.h"

Vpctl::Vpctl(const CliOptions &options, QObject *parent) : QObject(parent), opt(options)
{
    hub = new DeviceHub(this);
    finder = new DeviceFinder(hub, opt.hosts, opt.serialPorts, opt.onlyGiven, this);
    signalWatch = new SignalWatch(this);
    finder->setStop([this] { return signalWatch->caught(); });
}

Vpctl::~Vpctl()
{
    // The hub goes first: its links close while the finder and the signal watch still exist.
    delete hub;
    hub = nullptr;
}

int Vpctl::run()
{
    // Devices named by address or port path are asked directly.
    finder->askFor(opt.devices + (opt.to.isEmpty() ? QStringList() : QStringList{opt.to}));
    if (opt.onlyGiven && !finder->asksAnything()) {
        out.error(opt.commandName +
                  QStringLiteral(
                      ": --only-given needs --connect, --serial-port or a DEVICE named by address or path"));
        return Usage;
    }
    switch (opt.command) {
    case CliOptions::Search:
        return search();
    case CliOptions::Backup:
        return backup();
    case CliOptions::Diff:
        return diff();
    case CliOptions::Restore:
        return restore();
    case CliOptions::Serve:
        return serve();
    default:
        break;
    }
    return Usage;
}

void Vpctl::findDevices(const QStringList &wanted)
{
    out.progress(QStringLiteral("Searching for devices (at most %1 s)...").arg((opt.timeoutMs + 999) / 1000));
    finder->search(opt.timeoutMs, wanted);
    for (const QString &silent : finder->silentPlaces())
        out.warning(silent);
}

bool Vpctl::loadFile(ConfigDocument *doc)
{
    QString error;
    if (!ConfigFile::load(opt.file, doc, &error)) {
        out.error(opt.file + QStringLiteral(": ") + error);
        return false;
    }
    if (doc->devices.isEmpty()) {
        out.error(opt.file + QStringLiteral(": the file holds no device"));
        return false;
    }
    return true;
}

QString Vpctl::fileDeviceLabel(const ConfigDocument &doc, int index) const
{
    return QStringLiteral("devices[%1] (%2)").arg(index).arg(doc.devices.at(index).label());
}

bool Vpctl::pairDevices(const ConfigDocument &doc, const QString &target, QList<Pair> *pairs)
{
    if (!target.isEmpty()) {
        const DeviceFinder::Match m = finder->resolve(target);
        if (!m.error.isEmpty()) {
            out.error(m.error);
            return false;
        }
        int index = doc.devices.size() == 1 ? 0 : -1;
        for (int i = 0; index < 0 && i < doc.devices.size(); ++i)
            if (doc.devices.at(i).basic().cpuid == m.cpuid)
                index = i;
        if (index < 0) {
            out.error(QStringLiteral("%1 holds %2 devices and none of them is %3; give a file of one device")
                          .arg(opt.file)
                          .arg(doc.devices.size())
                          .arg(finder->label(m.cpuid)));
            return false;
        }
        pairs->append({index, m.cpuid});
        return true;
    }
    bool all = true;
    for (int i = 0; i < doc.devices.size(); ++i) {
        const QString cpuid = doc.devices.at(i).basic().cpuid;
        if (finder->found().contains(cpuid)) {
            pairs->append({i, cpuid});
        } else {
            out.error(QStringLiteral("%1 of %2: no device with cpuid %3 was found")
                          .arg(fileDeviceLabel(doc, i), opt.file, cpuid));
            all = false;
        }
    }
    return all;
}

void Vpctl::printDifferences(const QList<ConfigDifference> &diffs, bool withReasons)
{
    QList<QStringList> rows;
    for (const ConfigDifference &d : diffs) {
        QStringList row{d.group.isEmpty() ? QStringLiteral("-") : d.group, d.name, d.fileValue,
                        d.deviceValue};
        if (withReasons)
            row << d.notApplicable;
        rows << row;
    }
    QStringList header{"GROUP", "SETTING", "FILE", "DEVICE"};
    if (withReasons)
        header << QStringLiteral("WHY NOT");
    out.result(CliOutput::table(header, rows));
}
