// Device type codes, their model names, the input lists per model and the names of input source
// ids. Pure functions.
#pragma once

#include <QString>
#include <QStringList>

namespace DeviceType {
constexpr int KS1200 = 0;
constexpr int KT2200 = 1;
constexpr int KT4200 = 2;
constexpr int KS9200 = 3;
constexpr int KS6200R = 4;
constexpr int KX1200 = 16;
constexpr int KX4200 = 17;
constexpr int KX9200 = 18;
constexpr int KXUHD = 19;
constexpr int KS1200R = 20;
constexpr int GW5 = 48;
constexpr int GW6 = 49;
} // namespace DeviceType

// "KS1200", "GW5", ...; "Unknow" for a code outside the model table.
QString modelName(int type);

// The model name as it labels a device: "U" appended when it has a USB input, then "S" when it has
// SDI inputs. "Unknow" never gets the suffixes.
QString modelLabel(int type, bool hasUsb, bool hasSdi);

// The input names of a KS-set device in the order the input panel shows them. Empty for a GW
// device (its inputs are reported per card), "VGA1" alone for any other code.
QStringList inputNames(int type, bool hasUsb, bool hasSdi);

// The KS set {0, 1, 2, 3, 4, 16, 17, 18, 20}: a DEVICE_INFO_KS and a KS9200Interface.
bool isKsType(int type);
// The KX subset {16, 17, 18, 20} of the KS set.
bool isKxType(int type);
// 48: a DEVICE_INFO_GW and a GW5Interface.
bool isGwType(int type);
// KS set or GW; a device of any other type is neither registered nor listed.
bool isSupportedType(int type);

// Source ids come in blocks of 16 per connector kind: 0 VGA, 16 DVI, 32 HDMI, 48 CV, 64 DP,
// 80 SDI, 96 USB; the name counts from 1 within the block ("HDMI2" is 33). "unknow" outside.
QString inputName(int srcId);
// The reverse of inputName; -1 for a name that is not one of the blocks.
int inputIdFromName(const QString &name);
