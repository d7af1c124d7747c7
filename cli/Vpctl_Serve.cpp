// vpctl serve: the hub with automatic reconnection and the remote-control servers, headless,
// until SIGINT or SIGTERM.
#include "Vpctl.h"

#include "DeviceFinder.h"
#include "DeviceHub.h"
#include "HubRemoteBackend.h"
#include "RemoteControl.h"
#include "SignalWatch.h"

#include <QEventLoop>
#include <QSet>
#include <QTimer>

int Vpctl::serve()
{
    hub->setAutoReconnect(true);
    HubRemoteBackend backend(hub);
    RemoteControl control(&backend);
    QString error;
    if (!control.apply(opt.remote, &error)) {
        out.error(QStringLiteral("remote control could not start: ") + error);
        return Failed;
    }

    // Every device is read back once when it is first online; the hub reads back a device that
    // returns after a lost link by itself.
    QObject context; // ends these connections with this function
    QSet<QString> adopted;
    auto adopt = [&](const QString &cpuid) {
        if (!adopted.contains(cpuid) && hub->isOnline(cpuid) && hub->readBack(cpuid))
            adopted << cpuid;
    };
    connect(hub, &DeviceHub::deviceRegistered, &context, adopt);
    connect(hub, &DeviceHub::linkStateChanged, &context, [&](const QString &cpuid, DeviceHub::Link state) {
        out.note(QStringLiteral("%1 is %2").arg(finder->label(cpuid), HubRemoteBackend::linkName(state)));
        adopt(cpuid);
    });

    const QString where = opt.remote.bindAddress;
    QStringList listening;
    if (control.oscPort() != 0)
        listening << QStringLiteral("OSC on %1 UDP port %2").arg(where).arg(control.oscPort());
    if (control.httpPort() != 0)
        listening << QStringLiteral("HTTP on %1 port %2").arg(where).arg(control.httpPort());
    out.result(QStringLiteral("serving: ") + listening.join(QStringLiteral(", ")));

    findDevices(QStringList());
    for (const QString &cpuid : finder->found())
        adopt(cpuid);
    out.result(QStringLiteral("devices: %1").arg(finder->found().size()));

    QTimer again;
    if (opt.searchEverySec > 0) {
        connect(&again, &QTimer::timeout, finder, &DeviceFinder::searchAgain);
        again.start(opt.searchEverySec * 1000);
    }
    if (!signalWatch->caught()) {
        QEventLoop loop;
        connect(signalWatch, &SignalWatch::emitCaught, &loop, &QEventLoop::quit);
        loop.exec();
    }
    again.stop();
    control.stop();
    out.result(QStringLiteral("stopped"));
    return Done;
}
