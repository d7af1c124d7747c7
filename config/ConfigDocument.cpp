#include "ConfigDocument.h"

#include "DeviceModels.h"

#include <QCoreApplication>

ConfigDevice::ConfigDevice()
{
    ks.type = -1;
    gw.type = -1;
}

ConfigDevice ConfigDevice::fromRecord(const INFO_BASIC &record, const QString &portName)
{
    ConfigDevice d;
    if (const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(&record); ks && isKsType(record.type))
        d.ks = *ks;
    else if (const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(&record); gw && isGwType(record.type))
        d.gw = *gw;
    d.portName = portName;
    return d;
}

bool ConfigDevice::isKs() const
{
    return isKsType(ks.type);
}

bool ConfigDevice::isGw() const
{
    return isGwType(gw.type);
}

const INFO_BASIC &ConfigDevice::basic() const
{
    if (isGw())
        return gw;
    return ks;
}

INFO_BASIC &ConfigDevice::basic()
{
    if (isGw())
        return gw;
    return ks;
}

QString ConfigDevice::label() const
{
    const QString model = modelName(type());
    if (basic().name.isEmpty())
        return model;
    return QStringLiteral("%1 \"%2\"").arg(model, basic().name);
}

QString ConfigDocument::currentApplication()
{
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QStringLiteral("vpcontrol");
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? name : name + QLatin1Char(' ') + version;
}
