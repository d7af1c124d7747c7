#include "SimHub.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include <QJsonDocument>
namespace SimHub {
QStringList simArgs(const Ports &ports, const QStringList &devices)
{
    QStringList args{"--udp-port", QString::number(ports.udp), "--tcp-port", QString::number(ports.tcp)};
    for (const QString &d : devices)
        args << "--device" << d;
    return args;
}

bool bringOnline(DeviceHub &hub, const Ports &ports, const QStringList &addresses, const QStringList &cpuids)
{
    return TestSupport::bringOnline(hub, addresses, cpuids, ports.udp, ports.discovery, ports.tcp);
}

int settingFrames(const SimProcess &sim, const QString &cpuid, int from, const char *dir, int below)
{
    int n = 0;
    for (const QJsonObject &f : sim.logFrom(from))
        n += f.value("device").toString() == cpuid && f.value("dir").toString() == QLatin1String(dir) &&
             f.value("cmd").toInt() < below;
    return n;
}

QString stateDifference(SimProcess &sim, const QString &a, const QString &b)
{
    SimProcess::waitFor([&] { return sim.refresh() && sim.device(a)->state == sim.device(b)->state; }, 5000);
    const QJsonObject sa = sim.device(a)->state, sb = sim.device(b)->state;
    QString out;
    for (const QString &key : sa.keys() + sb.keys())
        if (sa.value(key) != sb.value(key))
            out += key + ": " +
                   QJsonDocument(QJsonObject{{a, sa.value(key)}, {b, sb.value(key)}}).toJson(QJsonDocument::Compact) +
                   "\n";
    return out;
}
} // namespace SimHub
