#include "TestSupport.h"
#include "CommManager.h"
#include "DeviceHub.h"
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

namespace TestSupport {
QByteArray hex(const char *text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

RECV_PROTOCOL replyHeader(uint8_t cmd, uint8_t sub, uint8_t status)
{
    RECV_PROTOCOL rp;
    rp.head[0] = rp.head[1] = 0x5A, rp.cmd = cmd, rp.subCmd = sub, rp.status = status;
    return rp;
}

bool waitUntil(const std::function<bool()> &cond, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > timeoutMs)
            return cond();
        QTest::qWait(5);
    }
    return true;
}

int runProgram(const QString &program, const QStringList &args, QString *output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(20000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool bringOnline(DeviceHub &hub, const QStringList &addresses, const QStringList &cpuids, quint16 devicePort,
                 quint16 discoveryPort, quint16 tcpPort)
{
    hub.commManager()->setNetworkPorts(devicePort, discoveryPort, tcpPort);
    for (const QString &a : addresses)
        hub.addConnectAddress(a);
    hub.search(1);
    const auto allOnline = [&] {
        return std::all_of(cpuids.begin(), cpuids.end(), [&](const QString &id) { return hub.isOnline(id); });
    };
    if (!waitUntil(allOnline))
        return false;
    QSignalSpy finished(&hub, &DeviceHub::readBackFinished);
    for (const QString &id : cpuids)
        hub.readBack(id);
    return waitUntil([&] { return finished.count() >= cpuids.size(); });
}
} // namespace TestSupport
