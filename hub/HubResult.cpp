#include "HubResult.h"

QString HubResult::outcomeKey(Outcome outcome)
{
    switch (outcome) {
    case Acknowledged:
        return QStringLiteral("acknowledged");
    case Refused:
        return QStringLiteral("refused");
    case LinkLost:
        return QStringLiteral("link lost");
    case NotOnline:
        return QStringLiteral("not online");
    case TimedOut:
        return QStringLiteral("timed out");
    }
    return QString();
}
