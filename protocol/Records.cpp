#include "Records.h"

#include "INFO_BASIC.h"

#include <tuple>

bool allTasksOn = false;

namespace {
using OtherField = uint8_t INFO_OTHER_KS9200::*;
constexpr OtherField otherFields[INFO_OTHER_KS9200::Size] = {
    &INFO_OTHER_KS9200::audioMode,   &INFO_OTHER_KS9200::audioWindow, &INFO_OTHER_KS9200::mute,
    &INFO_OTHER_KS9200::volume,      &INFO_OTHER_KS9200::other4,      &INFO_OTHER_KS9200::pip,
    &INFO_OTHER_KS9200::freeze,      &INFO_OTHER_KS9200::switchMode,  &INFO_OTHER_KS9200::fadePeriod,
    &INFO_OTHER_KS9200::blackScreen, &INFO_OTHER_KS9200::frameSync,   &INFO_OTHER_KS9200::other11,
    &INFO_OTHER_KS9200::bgEnable,    &INFO_OTHER_KS9200::other13,     &INFO_OTHER_KS9200::bgRed,
    &INFO_OTHER_KS9200::bgGreen,     &INFO_OTHER_KS9200::bgBlue,      &INFO_OTHER_KS9200::other17,
    &INFO_OTHER_KS9200::other18,     &INFO_OTHER_KS9200::other19};

using AdvancedField = uint8_t INFO_IMAGE_ADVANCED::*;
// Fields 0..5 and 24..31; 6..23 are the three RGBCMY groups.
constexpr AdvancedField advancedHead[6] = {
    &INFO_IMAGE_ADVANCED::winId,         &INFO_IMAGE_ADVANCED::colorTempMode,
    &INFO_IMAGE_ADVANCED::colorTempRed,  &INFO_IMAGE_ADVANCED::colorTempGreen,
    &INFO_IMAGE_ADVANCED::colorTempBlue, &INFO_IMAGE_ADVANCED::colorMode};
constexpr AdvancedField advancedTail[8] = {
    &INFO_IMAGE_ADVANCED::clearVision,  &INFO_IMAGE_ADVANCED::luminance,  &INFO_IMAGE_ADVANCED::skinTone,
    &INFO_IMAGE_ADVANCED::gaussianBlur, &INFO_IMAGE_ADVANCED::colorGamut, &INFO_IMAGE_ADVANCED::inRange,
    &INFO_IMAGE_ADVANCED::inFMT,        &INFO_IMAGE_ADVANCED::winFMT};
constexpr int RgbcmyFirst = 6;
constexpr int RgbcmyEnd = 24;

using RgbcmyField = uint8_t RGBCMY::*;
constexpr RgbcmyField rgbcmyFields[6] = {&RGBCMY::red,  &RGBCMY::green,   &RGBCMY::blue,
                                         &RGBCMY::cyan, &RGBCMY::magenta, &RGBCMY::yellow};

// The address of field i of an advanced record, or null outside 0..31.
template <typename R> auto advancedField(R &r, int i) -> decltype(&r.winId)
{
    if (i < 0 || i >= INFO_IMAGE_ADVANCED::Size)
        return nullptr;
    if (i < RgbcmyFirst)
        return &(r.*advancedHead[i]);
    if (i < RgbcmyEnd) {
        const int k = i - RgbcmyFirst;
        return &(r.rgbcmy[k / 6].*rgbcmyFields[k % 6]);
    }
    return &(r.*advancedTail[i - RgbcmyEnd]);
}
} // namespace

uint8_t INFO_IMAGE_ADVANCED::byte(int i) const
{
    const uint8_t *f = advancedField(*this, i);
    return f ? *f : 0;
}

void INFO_IMAGE_ADVANCED::setByte(int i, uint8_t value)
{
    if (uint8_t *f = advancedField(*this, i))
        *f = value;
}

uint8_t INFO_OTHER_KS9200::byte(int i) const
{
    return (i >= 0 && i < Size) ? this->*otherFields[i] : 0;
}

void INFO_OTHER_KS9200::setByte(int i, uint8_t value)
{
    if (i >= 0 && i < Size)
        this->*otherFields[i] = value;
}

PRESET_ENTRY::PRESET_ENTRY(std::initializer_list<uint16_t> list)
{
    for (uint16_t v : list) {
        if (!append(v))
            break;
    }
}

bool PRESET_ENTRY::append(uint16_t v)
{
    if (count >= MaxValues)
        return false;
    values[count++] = v;
    return true;
}

namespace {
template <typename R> bool sameBytes(const R &a, const R &b)
{
    for (int i = 0; i < R::Size; ++i) {
        if (a.byte(i) != b.byte(i))
            return false;
    }
    return true;
}
} // namespace

bool operator==(const INFO_PANEL &a, const INFO_PANEL &b)
{
    return std::tie(a.id, a.x, a.y, a.width, a.height, a.rate, a.index, a.resWidth, a.resHeight, a.row, a.col,
                    a.arrangement) == std::tie(b.id, b.x, b.y, b.width, b.height, b.rate, b.index, b.resWidth,
                                               b.resHeight, b.row, b.col, b.arrangement);
}

bool operator==(const INFO_PANEL_OTHERSETTING &a, const INFO_PANEL_OTHERSETTING &b)
{
    return std::tie(a.mode, a.mode2, a.value1, a.value2, a.value3, a.value4, a.value5, a.value6) ==
           std::tie(b.mode, b.mode2, b.value1, b.value2, b.value3, b.value4, b.value5, b.value6);
}

bool operator==(const INFO_WINDOW &a, const INFO_WINDOW &b)
{
    return std::tie(a.flag0, a.flag1, a.flag2, a.rotate, a.winId, a.srcId, a.x, a.y, a.width, a.height,
                    a.param1, a.param2, a.param3) == std::tie(b.flag0, b.flag1, b.flag2, b.rotate, b.winId,
                                                              b.srcId, b.x, b.y, b.width, b.height, b.param1,
                                                              b.param2, b.param3);
}

bool operator==(const INFO_INPUTCROP &a, const INFO_INPUTCROP &b)
{
    return std::tie(a.index, a.enable, a.x, a.y, a.width, a.height) ==
           std::tie(b.index, b.enable, b.x, b.y, b.width, b.height);
}

bool operator==(const INFO_INPUTSINGLE &a, const INFO_INPUTSINGLE &b)
{
    return std::tie(a.srcId, a.width, a.height, a.rate, a.hasSignal) ==
           std::tie(b.srcId, b.width, b.height, b.rate, b.hasSignal);
}

bool operator==(const INFO_IMAGE_QUALITY &a, const INFO_IMAGE_QUALITY &b)
{
    return std::tie(a.index, a.brightness, a.contrast, a.sharpness, a.hue, a.saturation, a.gamma, a.redOffset,
                    a.greenOffset, a.blueOffset, a.redGain, a.greenGain, a.blueGain) ==
           std::tie(b.index, b.brightness, b.contrast, b.sharpness, b.hue, b.saturation, b.gamma, b.redOffset,
                    b.greenOffset, b.blueOffset, b.redGain, b.greenGain, b.blueGain);
}

bool operator==(const RGBCMY &a, const RGBCMY &b)
{
    return std::tie(a.red, a.green, a.blue, a.cyan, a.magenta, a.yellow) ==
           std::tie(b.red, b.green, b.blue, b.cyan, b.magenta, b.yellow);
}

bool operator==(const INFO_IMAGE_ADVANCED &a, const INFO_IMAGE_ADVANCED &b)
{
    return sameBytes(a, b);
}

bool operator==(const PRESET_ENTRY &a, const PRESET_ENTRY &b)
{
    if (a.count != b.count)
        return false;
    for (int i = 0; i < a.count; ++i) {
        if (a.value(i) != b.value(i))
            return false;
    }
    return true;
}

bool operator==(const INFO_PRESET &a, const INFO_PRESET &b)
{
    return a.id == b.id && a.group == b.group && a.panels == b.panels && a.windows == b.windows;
}

bool operator==(const INFO_TEMPLATE &a, const INFO_TEMPLATE &b)
{
    return a.templateId == b.templateId && a.group == b.group && a.panels == b.panels &&
           a.windows == b.windows;
}

bool operator==(const INFO_MOSAIC &a, const INFO_MOSAIC &b)
{
    return std::tie(a.winId, a.enable, a.mode, a.p3, a.p4, a.p5, a.p6, a.hUnits, a.vUnits, a.unitIndex,
                    a.totalWidth, a.totalHeight, a.startX, a.startY) ==
           std::tie(b.winId, b.enable, b.mode, b.p3, b.p4, b.p5, b.p6, b.hUnits, b.vUnits, b.unitIndex,
                    b.totalWidth, b.totalHeight, b.startX, b.startY);
}

bool operator==(const INFO_TIME_TASK &a, const INFO_TIME_TASK &b)
{
    return std::tie(a.state, a.taskType, a.index, a.year, a.month, a.day, a.hour, a.minute, a.second,
                    a.target, a.p10, a.p12, a.p14) == std::tie(b.state, b.taskType, b.index, b.year, b.month,
                                                               b.day, b.hour, b.minute, b.second, b.target,
                                                               b.p10, b.p12, b.p14);
}

bool operator==(const INFO_EDID &a, const INFO_EDID &b)
{
    return std::tie(a.srcId, a.rate, a.width, a.height) == std::tie(b.srcId, b.rate, b.width, b.height);
}

bool operator==(const INFO_CHROMA &a, const INFO_CHROMA &b)
{
    return std::tie(a.winId, a.mode, a.enable, a.presetColor, a.rgbFilter1, a.rgbFilter2, a.red, a.green,
                    a.blue) == std::tie(b.winId, b.mode, b.enable, b.presetColor, b.rgbFilter1, b.rgbFilter2,
                                        b.red, b.green, b.blue);
}

bool operator==(const INFO_BORDER &a, const INFO_BORDER &b)
{
    return std::tie(a.enable, a.color, a.x, a.y, a.width, a.height, a.thickness) ==
           std::tie(b.enable, b.color, b.x, b.y, b.width, b.height, b.thickness);
}

bool operator==(const INFO_OUTPUT_ENHANCE &a, const INFO_OUTPUT_ENHANCE &b)
{
    return a.index == b.index && a.value == b.value;
}

bool operator==(const INFO_OTHER_KS9200 &a, const INFO_OTHER_KS9200 &b)
{
    return sameBytes(a, b);
}

bool operator==(const INFO_MAPPING &a, const INFO_MAPPING &b)
{
    return std::tie(a.port, a.area, a.other2, a.other3, a.other4, a.other5) ==
           std::tie(b.port, b.area, b.other2, b.other3, b.other4, b.other5);
}

bool operator==(const INFO_OTHER_GW5 &a, const INFO_OTHER_GW5 &b)
{
    return std::tie(a.other0, a.outputCards, a.other2, a.freeze, a.blackScreen, a.frameSync) ==
           std::tie(b.other0, b.outputCards, b.other2, b.freeze, b.blackScreen, b.frameSync);
}

bool operator==(const INFO_SIGNAL_PRESENCE &a, const INFO_SIGNAL_PRESENCE &b)
{
    return std::tie(a.inputId, a.inputType, a.hasSignal) == std::tie(b.inputId, b.inputType, b.hasSignal);
}

void registerRecordTypes()
{
    qRegisterMetaType<INFO_BASIC>("INFO_BASIC");
    qRegisterMetaType<INFO_PANEL>("INFO_PANEL");
    qRegisterMetaType<INFO_MAPPING>("INFO_MAPPING");
    qRegisterMetaType<INFO_WINDOW>("INFO_WINDOW");
    qRegisterMetaType<INFO_INPUTCROP>("INFO_INPUTCROP");
    qRegisterMetaType<INFO_INPUTSINGLE>("INFO_INPUTSINGLE");
    qRegisterMetaType<INFO_IMAGE_QUALITY>("INFO_IMAGE_QUALITY");
    qRegisterMetaType<INFO_PRESET>("INFO_PRESET");
    qRegisterMetaType<INFO_EDID>("INFO_EDID");
    qRegisterMetaType<INFO_OTHER_GW5>("INFO_OTHER_GW5");
    qRegisterMetaType<INFO_OTHER_KS9200>("INFO_OTHER_KS9200");
    qRegisterMetaType<RGBCMY>("RGBCMY");
    qRegisterMetaType<INFO_IMAGE_ADVANCED>("INFO_IMAGE_ADVANCED");
    qRegisterMetaType<INFO_PANEL_OTHERSETTING>("INFO_PANEL_OTHERSETTING");
    qRegisterMetaType<INFO_TEMPLATE>("INFO_TEMPLATE");
    qRegisterMetaType<INFO_MOSAIC>("INFO_MOSAIC");
    qRegisterMetaType<INFO_TIME_TASK>("INFO_TIME_TASK");
    qRegisterMetaType<INFO_CHROMA>("INFO_CHROMA");
    qRegisterMetaType<INFO_BORDER>("INFO_BORDER");
    qRegisterMetaType<INFO_OUTPUT_ENHANCE>("INFO_OUTPUT_ENHANCE");
    qRegisterMetaType<INFO_SIGNAL_PRESENCE>("INFO_SIGNAL_PRESENCE");
    qRegisterMetaType<PRESET_ENTRY>("PRESET_ENTRY");

    // List forms; Qt registers each as a sequential container along with it.
    qRegisterMetaType<QList<INFO_PANEL>>("QList<INFO_PANEL>");
    qRegisterMetaType<QList<INFO_WINDOW>>("QList<INFO_WINDOW>");
    qRegisterMetaType<QList<INFO_INPUTCROP>>("QList<INFO_INPUTCROP>");
    qRegisterMetaType<QList<INFO_INPUTSINGLE>>("QList<INFO_INPUTSINGLE>");
    qRegisterMetaType<QList<INFO_IMAGE_QUALITY>>("QList<INFO_IMAGE_QUALITY>");
    qRegisterMetaType<QList<INFO_EDID>>("QList<INFO_EDID>");
    qRegisterMetaType<QList<INFO_CHROMA>>("QList<INFO_CHROMA>");
    qRegisterMetaType<QList<INFO_BORDER>>("QList<INFO_BORDER>");
    qRegisterMetaType<QList<INFO_OUTPUT_ENHANCE>>("QList<INFO_OUTPUT_ENHANCE>");
}
