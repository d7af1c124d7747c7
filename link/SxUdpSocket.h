// Discovery socket: a UDP socket that remembers which device answered from which address.
#pragma once

#include <QHostAddress>
#include <QMap>
#include <QString>
#include <QUdpSocket>

class SxUdpSocket : public QUdpSocket
{
public:
    explicit SxUdpSocket(QObject *parent = nullptr);

    // Records (or replaces) the cpuid for the IPv4 form of address; non-IPv4 addresses are ignored.
    void bindCpuid(const QHostAddress &address, const QString &cpuid);
    // The cpuid recorded for the IPv4 form of address, or an empty string.
    QString cpuidOf(const QHostAddress &address) const;

private:
    QMap<quint32, QString> cpuidByAddress;
};
