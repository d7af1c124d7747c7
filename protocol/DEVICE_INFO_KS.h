// The state of one KS-set device (KS, KT and KX models), filled by the device hub from the
// signals of its KS9200Interface.
#pragma once

#include "INFO_BASIC.h"
#include "Records.h"

#include <array>

class DEVICE_INFO_KS : public INFO_BASIC
{
public:
    static constexpr int TimeTaskCount = 16;

    DEVICE_INFO_KS() = default;

    void clearAllData() override;
    void clearWindowData() override;
    void clearPanelData() override;

    // Stores the task in the slot its index names; false (nothing stored) for an index outside
    // the 16 slots, since the index comes from the device.
    bool storeTimeTask(const INFO_TIME_TASK &task);

    QList<INFO_PANEL> panels;
    QList<INFO_WINDOW> windows;
    QList<INFO_IMAGE_QUALITY> imageQuality;
    QList<INFO_INPUTCROP> inputCrops;
    QList<INFO_INPUTSINGLE> inputSignals;
    QList<INFO_PRESET> presets;
    QList<INFO_TEMPLATE> templates;
    QList<INFO_MOSAIC> mosaics;
    std::array<INFO_TIME_TASK, TimeTaskCount> timeTasks{};
    QList<INFO_EDID> edid;
    QList<INFO_CHROMA> chromaKeys;
    QList<INFO_BORDER> borders;
    QList<INFO_OUTPUT_ENHANCE> outputEnhance;
    INFO_OTHER_KS9200 other;
    QList<INFO_IMAGE_ADVANCED> imageAdvanced;
    INFO_PANEL_OTHERSETTING outputMode;
    uint8_t signalMode = 0;
    uint8_t dviAudioMode = 0;
    // The device's switch of all timed tasks (emitAllTasksOn); unlike the process-wide
    // allTasksOn it belongs to this device.
    uint8_t allTasksOn = 0;
};
