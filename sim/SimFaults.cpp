#include "SimFaults.h"

#include <QJsonValue>

namespace {
bool readInt(const QJsonObject &json, const char *key, int &out, int min, QString *error)
{
    if (!json.contains(key))
        return true;
    const QJsonValue v = json.value(key);
    if (!v.isDouble() || v.toDouble() < min || v.toDouble() > 1e7) {
        if (error)
            *error = QStringLiteral("fault \"%1\" must be a number of at least %2").arg(key).arg(min);
        return false;
    }
    out = v.toInt();
    return true;
}

bool readBool(const QJsonObject &json, const char *key, bool &out, QString *error)
{
    if (!json.contains(key))
        return true;
    const QJsonValue v = json.value(key);
    if (!v.isBool()) {
        if (error)
            *error = QStringLiteral("fault \"%1\" must be true or false").arg(key);
        return false;
    }
    out = v.toBool();
    return true;
}
} // namespace

bool SimFaults::apply(const QJsonObject &json, QString *error)
{
    static const char *known[] = {"noHeartbeat", "heartbeatMs", "heartbeatStopSec", "splitWrites",
                                  "junk", "corruptEvery", "refuseSwitch", "replyDelayMs",
                                  "closeAfterSec", "interruptAfterSec", "faultsOnce",
                                  "exclusivePort", "upgradeFailBlock", "upgradeIgnoreBoot"};
    for (const QString &key : json.keys()) {
        bool ok = false;
        for (const char *k : known)
            ok = ok || key == QLatin1String(k);
        if (!ok) {
            if (error)
                *error = QStringLiteral("unknown fault \"%1\"").arg(key);
            return false;
        }
    }
    return readBool(json, "noHeartbeat", noHeartbeat, error)
        && readInt(json, "heartbeatMs", heartbeatMs, 50, error)
        && readInt(json, "heartbeatStopSec", heartbeatStopSec, 0, error)
        && readBool(json, "splitWrites", splitWrites, error) && readBool(json, "junk", junk, error)
        && readInt(json, "corruptEvery", corruptEvery, 0, error)
        && readBool(json, "refuseSwitch", refuseSwitch, error)
        && readInt(json, "replyDelayMs", replyDelayMs, 0, error)
        && readInt(json, "closeAfterSec", closeAfterSec, 0, error)
        && readInt(json, "interruptAfterSec", interruptAfterSec, 0, error)
        && readBool(json, "faultsOnce", faultsOnce, error) && readBool(json, "exclusivePort", exclusivePort, error)
        && readInt(json, "upgradeFailBlock", upgradeFailBlock, -1, error)
        && readInt(json, "upgradeIgnoreBoot", upgradeIgnoreBoot, 0, error);
}

QJsonObject SimFaults::toJson() const
{
    return QJsonObject{{"noHeartbeat", noHeartbeat},
                       {"heartbeatMs", heartbeatMs},
                       {"heartbeatStopSec", heartbeatStopSec},
                       {"splitWrites", splitWrites},
                       {"junk", junk},
                       {"corruptEvery", corruptEvery},
                       {"refuseSwitch", refuseSwitch},
                       {"replyDelayMs", replyDelayMs},
                       {"closeAfterSec", closeAfterSec},
                       {"interruptAfterSec", interruptAfterSec},
                       {"faultsOnce", faultsOnce},
                       {"exclusivePort", exclusivePort},
                       {"upgradeFailBlock", upgradeFailBlock},
                       {"upgradeIgnoreBoot", upgradeIgnoreBoot}};
}
