// The state of one GW device (modular matrix processor), filled by the device hub from the
// signals of its GW5Interface.
#pragma once

#include "INFO_BASIC.h"
#include "Records.h"

class DEVICE_INFO_GW : public INFO_BASIC
{
public:
    DEVICE_INFO_GW() = default;

    void clearAllData() override;
    void clearWindowData() override;
    void clearPanelData() override;

    QList<INFO_PANEL> panels;
    QList<INFO_MAPPING> mappings;
    QList<INFO_WINDOW> windows;
    QList<INFO_IMAGE_QUALITY> imageQuality;
    QList<INFO_INPUTCROP> inputCrops;
    QList<INFO_INPUTSINGLE> inputSignals;
    QList<INFO_SIGNAL_PRESENCE> signalPresence;
    QList<INFO_PRESET> presets;         // panel and window parts merged per preset id
    QList<INFO_PRESET> reservedPresets; // same layout; nothing fills it yet
    QList<INFO_EDID> edid;
    INFO_OTHER_GW5 other;
};
