#include "RemoteCommand.h"

QString RemoteCommand::kindName(Kind kind)
{
    switch (kind) {
    case Devices:
        return QStringLiteral("devices");
    case State:
        return QStringLiteral("state");
    case LoadPreset:
        return QStringLiteral("preset/load");
    case SavePreset:
        return QStringLiteral("preset/save");
    case LoadTemplate:
        return QStringLiteral("template/load");
    case SwitchInput:
        return QStringLiteral("window/input");
    case SetGeometry:
        return QStringLiteral("window/geometry");
    case BlackScreen:
        return QStringLiteral("blackscreen");
    case Freeze:
        return QStringLiteral("freeze");
    case FrameSync:
        return QStringLiteral("window/framesync");
    case Brightness:
        return QStringLiteral("brightness");
    case TestPattern:
        return QStringLiteral("testpattern");
    case TestPatternOff:
        return QStringLiteral("testpattern/off");
    case Subscribe:
        return QStringLiteral("subscribe");
    case Unsubscribe:
        return QStringLiteral("unsubscribe");
    }
    return QString();
}

bool RemoteCommand::operator==(const RemoteCommand &o) const
{
    return kind == o.kind && device == o.device && window == o.window && sourceName == o.sourceName &&
           sourceId == o.sourceId && number == o.number && x == o.x && y == o.y && width == o.width &&
           height == o.height && on == o.on && value == o.value;
}

bool RemoteAction::operator==(const RemoteAction &o) const
{
    return kind == o.kind && cpuid == o.cpuid && deviceType == o.deviceType && winId == o.winId &&
           srcId == o.srcId && id == o.id && rect == o.rect && layer == o.layer && on == o.on &&
           value == o.value && fill == o.fill;
}
