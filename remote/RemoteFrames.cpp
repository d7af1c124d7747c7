#include "RemoteFrames.h"

#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"

namespace {
bool applyKs(const RemoteAction &a, KS9200Interface &ks)
{
    switch (a.kind) {
    case RemoteCommand::LoadPreset:
        ks.loadPreset(a.id);
        return true;
    case RemoteCommand::SavePreset:
        ks.savePreset(a.id);
        return true;
    case RemoteCommand::LoadTemplate:
        ks.loadTemplate(a.id);
        return true;
    case RemoteCommand::SwitchInput:
        ks.switchInput(a.winId, a.srcId);
        return true;
    case RemoteCommand::SetGeometry:
        ks.setWindowGeometry(a.winId, a.rect.x(), a.rect.y(), a.rect.width(), a.rect.height());
        return true;
    case RemoteCommand::BlackScreen:
        ks.setBlackScreen(a.on);
        return true;
    case RemoteCommand::Freeze:
        ks.setFreeze(a.on);
        return true;
    case RemoteCommand::FrameSync:
        ks.setFrameSync(a.winId, a.on);
        return true;
    case RemoteCommand::Brightness:
        ks.setImageItem(KS9200Interface::ItemBrightness, a.winId, a.value);
        return true;
    case RemoteCommand::TestPattern:
    case RemoteCommand::TestPatternOff:
        ks.setTestPattern(a.id);
        return true;
    default:
        return false;
    }
}

bool applyGw(const RemoteAction &a, GW5Interface &gw)
{
    switch (a.kind) {
    case RemoteCommand::LoadPreset:
        gw.loadPreset(a.id);
        return true;
    case RemoteCommand::SavePreset:
        gw.savePreset(a.id);
        return true;
    case RemoteCommand::LoadTemplate:
        // Template 3 is template 2 with the windows without a signal switched to one that has it.
        gw.loadTemplate(a.id == 2 ? 1 : a.id);
        for (const auto &f : a.fill)
            gw.switchInput(f.first, f.second);
        return true;
    case RemoteCommand::SwitchInput:
        gw.switchInput(a.winId, a.srcId);
        return true;
    case RemoteCommand::SetGeometry:
        return gw.moveWindow(a.winId, a.rect.x(), a.rect.y(), a.rect.width(), a.rect.height(), a.layer) >= 0;
    case RemoteCommand::BlackScreen:
        gw.setBlackScreen(a.on);
        return true;
    case RemoteCommand::Freeze:
        gw.setFreeze(a.on);
        return true;
    case RemoteCommand::FrameSync:
        // The same frame as on the KS family; the GW interface has no builder of its own for it.
        emit gw.emitSendData(KS9200Interface::setFrameSyncFrame(a.winId, a.on));
        return true;
    case RemoteCommand::Brightness:
        gw.setImageItem(KS9200Interface::ItemBrightness, a.winId, a.value);
        return true;
    default:
        return false;
    }
}
} // namespace

bool RemoteFrames::apply(const RemoteAction &action, Interface &iface)
{
    if (isKsType(action.deviceType)) {
        auto *ks = qobject_cast<KS9200Interface *>(&iface);
        return ks && applyKs(action, *ks);
    }
    if (isGwType(action.deviceType)) {
        auto *gw = qobject_cast<GW5Interface *>(&iface);
        return gw && applyGw(action, *gw);
    }
    return false;
}

QList<QByteArray> RemoteFrames::followUpReads(const RemoteAction &action)
{
    switch (action.kind) {
    case RemoteCommand::SwitchInput:
        return {Interface::requestFrame(0xE2), Interface::requestFrame(0xE4)};
    case RemoteCommand::SetGeometry:
        return {Interface::requestFrame(0xE2)};
    case RemoteCommand::BlackScreen:
    case RemoteCommand::Freeze:
    case RemoteCommand::FrameSync:
        return {Interface::requestFrame(0xEE)};
    case RemoteCommand::Brightness:
        return {Interface::requestFrame(0xE5)};
    default:
        // Preset and template loads end in a full read-back; a stored preset is read by the
        // interface itself when the device acknowledges it.
        return {};
    }
}
