#include "RemoteSettings.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
constexpr int MinTokenLength = 8;

bool parseSubnet(const QString &entry, QPair<QHostAddress, int> *out)
{
    const QString e = entry.trimmed();
    *out = e.contains(QLatin1Char('/')) ? QHostAddress::parseSubnet(e) : qMakePair(QHostAddress(e), -1);
    if (out->first.isNull())
        return false;
    if (out->second < 0)
        out->second = out->first.protocol() == QAbstractSocket::IPv6Protocol ? 128 : 32;
    return true;
}
} // namespace

RemoteSettings RemoteSettings::load(QSettings &settings)
{
    RemoteSettings s;
    settings.beginGroup(QStringLiteral("RemoteControl"));
    s.enabled = settings.value(QStringLiteral("Enabled"), s.enabled).toBool();
    s.bindAddress = settings.value(QStringLiteral("BindAddress"), s.bindAddress).toString();
    s.oscPort = quint16(settings.value(QStringLiteral("OscPort"), s.oscPort).toUInt());
    s.httpPort = quint16(settings.value(QStringLiteral("HttpPort"), s.httpPort).toUInt());
    s.token = settings.value(QStringLiteral("Token"), s.token).toString();
    s.oscAllowList = settings.value(QStringLiteral("OscAllowList"), s.oscAllowList).toStringList();
    settings.endGroup();
    return s;
}

void RemoteSettings::save(QSettings &settings) const
{
    settings.beginGroup(QStringLiteral("RemoteControl"));
    settings.setValue(QStringLiteral("Enabled"), enabled);
    settings.setValue(QStringLiteral("BindAddress"), bindAddress);
    settings.setValue(QStringLiteral("OscPort"), oscPort);
    settings.setValue(QStringLiteral("HttpPort"), httpPort);
    settings.setValue(QStringLiteral("Token"), token);
    settings.setValue(QStringLiteral("OscAllowList"), oscAllowList);
    settings.endGroup();
}

QHostAddress RemoteSettings::address() const
{
    return QHostAddress(bindAddress.trimmed());
}

bool RemoteSettings::isLoopback() const
{
    return address().isLoopback();
}

QList<QPair<QHostAddress, int>> RemoteSettings::allowList() const
{
    QList<QPair<QHostAddress, int>> out;
    QPair<QHostAddress, int> subnet;
    for (const QString &entry : oscAllowList) {
        if (parseSubnet(entry, &subnet))
            out << subnet;
    }
    return out;
}

QString RemoteSettings::problem() const
{
    if (address().isNull())
        return tr("The bind address \"%1\" is not an IP address.").arg(bindAddress);
    if (oscPort == 0 && httpPort == 0)
        return tr("Neither an OSC port nor an HTTP port is set.");
    if (!isLoopback() && token.trimmed().size() < MinTokenLength)
        return tr("Listening on %1 needs a token of at least %2 characters.")
            .arg(bindAddress)
            .arg(MinTokenLength);
    if (token.contains(QLatin1Char(' ')) || token.contains(QLatin1Char('\n')))
        return tr("The token must not contain blanks.");
    QPair<QHostAddress, int> subnet;
    for (const QString &entry : oscAllowList) {
        if (!parseSubnet(entry, &subnet))
            return tr("The OSC sender \"%1\" is not an address or a subnet.").arg(entry);
    }
    return QString();
}

bool RemoteSettings::operator==(const RemoteSettings &o) const
{
    return enabled == o.enabled && bindAddress == o.bindAddress && oscPort == o.oscPort &&
           httpPort == o.httpPort && token == o.token && oscAllowList == o.oscAllowList &&
           commandsPerSecond == o.commandsPerSecond && commandTimeoutMs == o.commandTimeoutMs &&
           leaseMs == o.leaseMs;
}
