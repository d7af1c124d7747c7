#include "DEVICE_INFO_GW.h"

void DEVICE_INFO_GW::clearPanelData()
{
    panels.clear();
    mappings.clear();
}

void DEVICE_INFO_GW::clearWindowData()
{
    windows.clear();
    imageQuality.clear();
    inputCrops.clear();
}

// `other` is kept: the other-settings reply compares the reported card count with it.
void DEVICE_INFO_GW::clearAllData()
{
    clearPanelData();
    clearWindowData();
    inputSignals.clear();
    signalPresence.clear();
    presets.clear();
    reservedPresets.clear();
    edid.clear();
}
