#include "DEVICE_INFO_KS.h"

void DEVICE_INFO_KS::clearPanelData()
{
    panels.clear();
}

void DEVICE_INFO_KS::clearWindowData()
{
    windows.clear();
    imageQuality.clear();
    inputCrops.clear();
    imageAdvanced.clear();
}

// The time tasks, `other`, the output mode and the EDID modes are kept: the read-back
// overwrites them as their replies arrive.
void DEVICE_INFO_KS::clearAllData()
{
    clearPanelData();
    clearWindowData();
    inputSignals.clear();
    presets.clear();
    templates.clear();
    mosaics.clear();
    edid.clear();
    chromaKeys.clear();
    borders.clear();
    outputEnhance.clear();
}

bool DEVICE_INFO_KS::storeTimeTask(const INFO_TIME_TASK &task)
{
    if (task.index >= TimeTaskCount)
        return false;
    timeTasks[task.index] = task;
    return true;
}
