#include "DeviceChanges.h"
#include "DeviceHub.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "INFO_BASIC.h"
#include "KS9200Interface.h"
#include "TestSupport.h"
#include <memory>
namespace DeviceChanges {
namespace {
void changeKs(KS9200Interface *ks, int type)
{
    const bool kx = isKxType(type);
    ks->loadTemplate(kx ? 2 : 1);
    if (kx)
        ks->setOutputMode(1, 1);
    ks->setOutputResolution(kx ? 255 : 0, 3, 1280, 720, 60);
    ks->setWindowGeometry(1, 100, 100, 800, 600);
    ks->setWindowTransparency(0, 8);
    emit ks->emitSendData(KS9200Interface::switchInputFrame(1, 33));
    ks->setInputCrop(0, 1, 10, 10, 800, 600);
    ks->setImageItem(KS9200Interface::ItemBrightness, 0, 70);
    ks->setImageItem(KS9200Interface::ItemRedOffset, 1, -5);
    if (kx) {
        ks->setImageItem(KS9200Interface::ItemGamma, 2, 3);
        ks->setColorTemp(0, 3, 60, 40, 30);
        ks->setImageItem(KS9200Interface::ItemColorMode, 1, 2);
        ks->setRgbcmy(1, 2, RGBCMY{1, 2, 3, 4, 5, 6});
        ks->setImageEffect(2, 1, 2, 3, 4);
        ks->setImageExpert(0, 1, 2, 3, 1);
        ks->setWindowRotate(0, 1);
        ks->setEdidMode(type, 1);
        ks->setAudioVolume(12);
    } else {
        ks->setChromaColor(1, 1, 1, 1, 0, 10, 20, 30);
        ks->setSwitchMode(1, 9);
    }
    ks->setEdidResolution(32, 3840, 2160, 30);
    ks->setMosaicUnits(0, 2, 2, 3);
    ks->setMosaicTune(0, 1, 2, 3, 4);
    ks->setMosaicOnOff(0, 1);
    ks->setAudioMode(0, 2);
    ks->setAudioMute(1);
    ks->setFreeze(1);
    ks->setBlackScreen(1);
    ks->setFrameSync(0, 1);
    INFO_TIME_TASK t;
    t.index = 3, t.taskType = 2, t.p10 = 5, t.p12 = 15, t.p14 = 90, t.hour = 9;
    ks->setTimeTask(t);
    ks->setTimeTaskState(0, false);
    ks->setAllTasks(false);
    ks->setBackgroundColor(10, 20, 30);
    ks->setBorder(1, INFO_BORDER{1, 3, 10, 20, 30, 40, 6});
    ks->setOutputEnhance(1, 0, 1, 1);
    ks->savePreset(3);
    ks->setWindowGeometry(0, 0, 0, 960, 540); // the live layout is not preset 3
}

void changeGw(GW5Interface *gw)
{
    gw->setOutputHold(0);
    gw->setOutputResolution(0, 3840, 2160, 30);
    gw->setOutputMapping(0, 1);
    gw->setOutputMapping(1, 0);
    gw->moveWindow(0, 100, 100, 1000, 600, 1);
    gw->openWindow(4, 0, 720, 640, 360, 5);
    gw->removeWindow(2);
    gw->switchInput(1, 2);
    gw->setWindowTransparency(1, 60);
    gw->setWindowCrop(1, 1, 0, 0, 960, 540);
    gw->setImageItem(1, 1, 70);
    gw->setImageItem(9, 1, -5);
    gw->setEdidResolution(1, 1280, 720, 50);
    gw->setFreeze(1);
    emit gw->emitSendData(KS9200Interface::setFrameSyncFrame(0, 1));
    gw->savePreset(3);
    gw->moveWindow(1, 1920, 0, 1280, 720, 2);
    gw->setOutputHold(1);
}
} // namespace

bool change(DeviceHub &hub, const QString &cpuid)
{
    const INFO_BASIC *r = hub.record(cpuid);
    if (!r)
        return false;
    const int type = r->type;
    std::unique_ptr<bool> acknowledged;
    hub.transact(
        cpuid, [&] { isGwType(type) ? changeGw(hub.gwInterface(cpuid)) : changeKs(hub.ksInterface(cpuid), type); },
        15000, [&](const HubResult &result) { acknowledged = std::make_unique<bool>(result.ok()); });
    return TestSupport::waitUntil([&] { return bool(acknowledged); }) && *acknowledged;
}
} // namespace DeviceChanges
