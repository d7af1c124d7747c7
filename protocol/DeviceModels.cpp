#include "DeviceModels.h"

namespace {
constexpr int BlockSize = 16;
const char *const kindNames[] = {"VGA", "DVI", "HDMI", "CV", "DP", "SDI", "USB"};
constexpr int KindCount = int(sizeof(kindNames) / sizeof(kindNames[0]));

QStringList optionalInputs(bool usb, const QStringList &sdi)
{
    QStringList list;
    if (usb)
        list << QStringLiteral("USB1");
    return list + sdi;
}
} // namespace

QString modelName(int type)
{
    switch (type) {
    case DeviceType::KS1200:
        return QStringLiteral("KS1200");
    case DeviceType::KT2200:
        return QStringLiteral("KT2200");
    case DeviceType::KT4200:
        return QStringLiteral("KT4200");
    case DeviceType::KS9200:
        return QStringLiteral("KS9200");
    case DeviceType::KS6200R:
        return QStringLiteral("KS6200R");
    case DeviceType::KX1200:
        return QStringLiteral("KX1200");
    case DeviceType::KX4200:
        return QStringLiteral("KX4200");
    case DeviceType::KX9200:
        return QStringLiteral("KX9200");
    case DeviceType::KXUHD:
        return QStringLiteral("KXUHD");
    case DeviceType::KS1200R:
        return QStringLiteral("KS1200R");
    case DeviceType::GW5:
        return QStringLiteral("GW5");
    case DeviceType::GW6:
        return QStringLiteral("GW6");
    default:
        return QStringLiteral("Unknow");
    }
}

QString modelLabel(int type, bool hasUsb, bool hasSdi)
{
    QString label = modelName(type);
    if (label == QLatin1String("Unknow"))
        return label;
    if (hasUsb)
        label += QLatin1Char('U');
    if (hasSdi)
        label += QLatin1Char('S');
    return label;
}

QStringList inputNames(int type, bool hasUsb, bool hasSdi)
{
    const QStringList sdi1{QStringLiteral("SDI1")};
    const QStringList sdi2{QStringLiteral("SDI1"), QStringLiteral("SDI2")};
    switch (type) {
    case DeviceType::KS1200:
    case DeviceType::KT2200:
    case DeviceType::KT4200:
        return QStringList{"VGA1", "DVI1", "HDMI1", "CV1", "CV2"} +
               optionalInputs(hasUsb, hasSdi ? sdi1 : QStringList());
    case DeviceType::KS9200:
        return {"VGA1", "VGA2", "CV1", "CV2", "DVI1", "DVI2", "HDMI1", "HDMI2", "HDMI3", "HDMI4"};
    case DeviceType::KS6200R:
        return QStringList{"DVI1", "DVI2", "HDMI1", "VGA1", "VGA2", "CV1", "CV2"} +
               optionalInputs(hasUsb, hasSdi ? sdi2 : QStringList());
    case DeviceType::KX1200:
    case DeviceType::KX4200:
    case DeviceType::KX9200:
    case DeviceType::KS1200R:
        return QStringList{"VGA1", "DVI1", "HDMI1", "HDMI2", "DP1"} +
               optionalInputs(hasUsb, hasSdi ? sdi2 : QStringList());
    case DeviceType::GW5:
        return {};
    default:
        return {QStringLiteral("VGA1")};
    }
}

bool isKsType(int type)
{
    return (type >= DeviceType::KS1200 && type <= DeviceType::KS6200R) || isKxType(type);
}

bool isKxType(int type)
{
    return (type >= DeviceType::KX1200 && type <= DeviceType::KX9200) || type == DeviceType::KS1200R;
}

bool isGwType(int type)
{
    return type == DeviceType::GW5;
}

bool isSupportedType(int type)
{
    return isKsType(type) || isGwType(type);
}

QString inputName(int srcId)
{
    if (srcId < 0 || srcId >= KindCount * BlockSize)
        return QStringLiteral("unknow");
    return QString::fromLatin1(kindNames[srcId / BlockSize]) + QString::number(srcId % BlockSize + 1);
}

int inputIdFromName(const QString &name)
{
    for (int kind = 0; kind < KindCount; ++kind) {
        const QLatin1String prefix(kindNames[kind]);
        if (!name.startsWith(prefix))
            continue;
        const QStringRef digits = name.midRef(prefix.size());
        // Plain decimal digits only: no sign, blanks or leading zero.
        if (digits.isEmpty() || digits.startsWith(QLatin1Char('0')))
            return -1;
        for (QChar c : digits) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return -1;
        }
        bool ok = false;
        const int n = digits.toInt(&ok);
        if (!ok || n < 1 || n > BlockSize)
            return -1;
        return kind * BlockSize + n - 1;
    }
    return -1;
}
