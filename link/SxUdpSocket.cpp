#include "SxUdpSocket.h"

SxUdpSocket::SxUdpSocket(QObject *parent) : QUdpSocket(parent) {}

static bool ipv4Of(const QHostAddress &address, quint32 &out)
{
    bool ok = false;
    out = address.toIPv4Address(&ok);
    return ok;
}

void SxUdpSocket::bindCpuid(const QHostAddress &address, const QString &cpuid)
{
    quint32 ip = 0;
    if (ipv4Of(address, ip))
        cpuidByAddress.insert(ip, cpuid);
}

QString SxUdpSocket::cpuidOf(const QHostAddress &address) const
{
    quint32 ip = 0;
    if (!ipv4Of(address, ip))
        return QString();
    return cpuidByAddress.value(ip);
}
