// The value records that the protocol interfaces decode from device replies, carry in their
// signals and that the main window stores in a device record. Plain copyable values; multi-byte
// fields are host integers (the wire is little-endian, the decoders turn it around).
#pragma once

#include <QList>
#include <QMetaType>
#include <cstdint>
#include <initializer_list>

// One display panel (one output area of the LED wall), in wall pixels.
struct INFO_PANEL
{
    uint16_t id = 0;
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint16_t rate = 0;
    uint16_t index = 0;
    uint16_t resWidth = 0; // GW only
    uint16_t resHeight = 0;
    uint8_t row = 0;
    uint8_t col = 0;
    uint8_t arrangement = 0;
};

// Output mode of a KX-subset device.
struct INFO_PANEL_OTHERSETTING
{
    uint8_t mode = 0;
    uint8_t mode2 = 0;
    uint16_t value1 = 0;
    uint16_t value2 = 0;
    uint16_t value3 = 0;
    uint16_t value4 = 0;
    uint16_t value5 = 0;
    uint16_t value6 = 0;
};

// One window: a scaled input placed on the wall.
struct INFO_WINDOW
{
    uint8_t flag0 = 0;
    uint8_t flag1 = 0;
    uint8_t flag2 = 0; // part-full
    uint8_t rotate = 0;
    uint16_t winId = 0;
    uint16_t srcId = 0; // not 0 when the window shows a source
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint16_t param1 = 0; // transparency, 100 = opaque
    uint16_t param2 = 0; // input source id
    uint16_t param3 = 0; // layer (GW)
};

struct INFO_INPUTCROP
{
    uint16_t index = 0;
    uint8_t enable = 0;
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t width = 0;
    uint16_t height = 0;
};

struct INFO_INPUTSINGLE
{
    uint16_t srcId = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    int16_t rate = 0;
    uint8_t hasSignal = 0;
};

struct INFO_IMAGE_QUALITY
{
    uint16_t index = 0;
    uint16_t brightness = 0;
    uint16_t contrast = 0;
    uint16_t sharpness = 0;
    uint16_t hue = 0;
    uint16_t saturation = 0;
    uint16_t gamma = 0;
    int16_t redOffset = 0;
    int16_t greenOffset = 0;
    int16_t blueOffset = 0;
    uint16_t redGain = 0; // gains: GW only
    uint16_t greenGain = 0;
    uint16_t blueGain = 0;
};

struct RGBCMY
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t cyan = 0;
    uint8_t magenta = 0;
    uint8_t yellow = 0;
};

// KX-subset advanced picture settings of one window: 32 one-byte fields, numbered 0 to 31 in the
// order the device reports them; byte()/setByte() address them by that number.
struct INFO_IMAGE_ADVANCED
{
    static constexpr int Size = 32;

    uint8_t winId = 0;
    uint8_t colorTempMode = 0; // 0..2 presets, 3 user
    uint8_t colorTempRed = 50;
    uint8_t colorTempGreen = 50;
    uint8_t colorTempBlue = 50;
    uint8_t colorMode = 0;
    RGBCMY rgbcmy[3] = {{}, {50, 50, 50, 50, 50, 50}, {50, 50, 50, 50, 50, 50}};
    uint8_t clearVision = 0;
    uint8_t luminance = 0;
    uint8_t skinTone = 0;
    uint8_t gaussianBlur = 0;
    uint8_t colorGamut = 0;
    uint8_t inRange = 0;
    uint8_t inFMT = 0;
    uint8_t winFMT = 0;

    // Field number i (0..31); 0 and no effect outside that range.
    uint8_t byte(int i) const;
    void setByte(int i, uint8_t value);
};

// One entry of a preset's or template's panel or window list, values kept as the device sent them.
// KS entries carry four values; GW preset entries carry five (panel part) or six (window part).
struct PRESET_ENTRY
{
    static constexpr int MaxValues = 6;

    PRESET_ENTRY() = default;
    PRESET_ENTRY(std::initializer_list<uint16_t> list); // values beyond MaxValues are dropped

    uint16_t values[MaxValues] = {};
    int count = 0;

    // Value i, 0 outside 0..count-1.
    uint16_t value(int i) const { return (i >= 0 && i < count) ? values[i] : 0; }
    // Appends while there is room; returns false when the entry is full.
    bool append(uint16_t v);
};

struct INFO_PRESET
{
    int32_t id = 0;    // preset number; a reply with id -1 is never stored
    int32_t group = 0; // left at 0 by presets (the template layout's second field)
    QList<PRESET_ENTRY> panels;
    QList<PRESET_ENTRY> windows;
};

struct INFO_TEMPLATE
{
    int32_t templateId = 0;
    int32_t group = 0;
    QList<PRESET_ENTRY> panels;
    QList<PRESET_ENTRY> windows;
};

// Multi-machine mosaic setting of one window.
struct INFO_MOSAIC
{
    uint8_t winId = 0;
    uint8_t enable = 0;
    uint8_t mode = 0; // 0 unit mode, 1 pixel mode
    uint8_t p3 = 0;
    uint8_t p4 = 0;
    uint8_t p5 = 0;
    uint8_t p6 = 0;
    uint8_t hUnits = 1; // unit mode
    uint8_t vUnits = 1;
    uint8_t unitIndex = 1;
    uint16_t totalWidth = 0; // pixel mode
    uint16_t totalHeight = 0;
    uint16_t startX = 0;
    uint16_t startY = 0;
};

// One timed task. taskType: 0 once, 1 every day, 2 cycle within a day, 3 cycle daily.
struct INFO_TIME_TASK
{
    uint8_t state = 0;
    uint8_t taskType = 0;
    uint8_t index = 0; // slot 0..15
    uint8_t year = 17; // years since 2000
    uint8_t month = 1;
    uint8_t day = 1;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint8_t target = 0; // types 0, 1: 0..9 preset 1..10, 16 standby, 17 wake up
    int16_t p10 = 0;    // types 2, 3: bit i = preset i + 1
    int16_t p12 = 30;   // interval, minutes
    int16_t p14 = 60;   // total time, minutes
};

// The device's switch that turns all timed tasks on or off, as the input panel shows it.
// Process-wide: the time-task reply of any KS device overwrites it. Each device's own flag is
// DEVICE_INFO_KS::allTasksOn (KS9200Interface::emitAllTasksOn).
extern bool allTasksOn;

struct INFO_EDID
{
    uint8_t srcId = 0;
    uint8_t rate = 0;
    uint16_t width = 0;
    uint16_t height = 0;
};

// Chroma key of one window. presetColor is used when mode is 0, the five bytes after it otherwise.
struct INFO_CHROMA
{
    uint8_t winId = 0;
    uint8_t mode = 0;
    uint8_t enable = 0;
    uint8_t presetColor = 0;
    uint8_t rgbFilter1 = 0;
    uint8_t rgbFilter2 = 0;
    uint8_t red = 255;
    uint8_t green = 255;
    uint8_t blue = 255;
};

struct INFO_BORDER
{
    uint8_t enable = 0;
    uint8_t color = 0; // colour index 1..8
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint16_t thickness = 0;
};

struct INFO_OUTPUT_ENHANCE
{
    uint8_t index = 0;
    uint8_t value = 0;
};

// Device-wide switches of a KS-set device: twenty one-byte fields, numbered 0 to 19;
// byte()/setByte() address them by that number.
struct INFO_OTHER_KS9200
{
    static constexpr int Size = 20;

    uint8_t audioMode = 0; // 0 follows a bound window, 1 follows the switch
    uint8_t audioWindow = 0;
    uint8_t mute = 0;
    uint8_t volume = 0; // 0..30
    uint8_t other4 = 0;
    uint8_t pip = 0;
    uint8_t freeze = 0;
    uint8_t switchMode = 0; // 0 cut, otherwise fade
    uint8_t fadePeriod = 0;
    uint8_t blackScreen = 0;
    uint8_t frameSync = 0;
    uint8_t other11 = 1;
    uint8_t bgEnable = 0;
    uint8_t other13 = 0;
    uint8_t bgRed = 0;
    uint8_t bgGreen = 0;
    uint8_t bgBlue = 0;
    uint8_t other17 = 255;
    uint8_t other18 = 255;
    uint8_t other19 = 255;

    uint8_t byte(int i) const;
    void setByte(int i, uint8_t value);
};

// GW output port mapping, six bytes as the device reports them.
struct INFO_MAPPING
{
    uint8_t port = 0; // output port, from 0
    uint8_t area = 0; // display area (panel number), from 0
    uint8_t other2 = 0;
    uint8_t other3 = 0;
    uint8_t other4 = 0;
    uint8_t other5 = 0;
};

// Device-wide switches of a GW device.
struct INFO_OTHER_GW5
{
    uint8_t other0 = 0;
    int8_t outputCards = 0;
    uint8_t other2 = 0;
    uint8_t freeze = 0;
    uint8_t blackScreen = 0;
    uint8_t frameSync = 0;
};

// One entry of a GW device's signal-presence list.
struct INFO_SIGNAL_PRESENCE
{
    uint8_t inputId = 0;
    uint8_t inputType = 0;
    uint8_t hasSignal = 0;
};

// Value comparison, used where a received list replaces a stored one only when it differs.
#define VP_RECORD_COMPARISON(T)                                                                              \
    bool operator==(const T &a, const T &b);                                                                 \
    inline bool operator!=(const T &a, const T &b)                                                           \
    {                                                                                                        \
        return !(a == b);                                                                                    \
    }
VP_RECORD_COMPARISON(INFO_PANEL)
VP_RECORD_COMPARISON(INFO_PANEL_OTHERSETTING)
VP_RECORD_COMPARISON(INFO_WINDOW)
VP_RECORD_COMPARISON(INFO_INPUTCROP)
VP_RECORD_COMPARISON(INFO_INPUTSINGLE)
VP_RECORD_COMPARISON(INFO_IMAGE_QUALITY)
VP_RECORD_COMPARISON(RGBCMY)
VP_RECORD_COMPARISON(INFO_IMAGE_ADVANCED)
VP_RECORD_COMPARISON(PRESET_ENTRY)
VP_RECORD_COMPARISON(INFO_PRESET)
VP_RECORD_COMPARISON(INFO_TEMPLATE)
VP_RECORD_COMPARISON(INFO_MOSAIC)
VP_RECORD_COMPARISON(INFO_TIME_TASK)
VP_RECORD_COMPARISON(INFO_EDID)
VP_RECORD_COMPARISON(INFO_CHROMA)
VP_RECORD_COMPARISON(INFO_BORDER)
VP_RECORD_COMPARISON(INFO_OUTPUT_ENHANCE)
VP_RECORD_COMPARISON(INFO_OTHER_KS9200)
VP_RECORD_COMPARISON(INFO_MAPPING)
VP_RECORD_COMPARISON(INFO_OTHER_GW5)
VP_RECORD_COMPARISON(INFO_SIGNAL_PRESENCE)
#undef VP_RECORD_COMPARISON

// Registers every record (and the list forms that travel in signals) with the meta-type system
// under its own name. Call once before the first connection that carries a record.
void registerRecordTypes();

Q_DECLARE_METATYPE(INFO_PANEL)
Q_DECLARE_METATYPE(INFO_PANEL_OTHERSETTING)
Q_DECLARE_METATYPE(INFO_WINDOW)
Q_DECLARE_METATYPE(INFO_INPUTCROP)
Q_DECLARE_METATYPE(INFO_INPUTSINGLE)
Q_DECLARE_METATYPE(INFO_IMAGE_QUALITY)
Q_DECLARE_METATYPE(RGBCMY)
Q_DECLARE_METATYPE(INFO_IMAGE_ADVANCED)
Q_DECLARE_METATYPE(PRESET_ENTRY)
Q_DECLARE_METATYPE(INFO_PRESET)
Q_DECLARE_METATYPE(INFO_TEMPLATE)
Q_DECLARE_METATYPE(INFO_MOSAIC)
Q_DECLARE_METATYPE(INFO_TIME_TASK)
Q_DECLARE_METATYPE(INFO_EDID)
Q_DECLARE_METATYPE(INFO_CHROMA)
Q_DECLARE_METATYPE(INFO_BORDER)
Q_DECLARE_METATYPE(INFO_OUTPUT_ENHANCE)
Q_DECLARE_METATYPE(INFO_OTHER_KS9200)
Q_DECLARE_METATYPE(INFO_MAPPING)
Q_DECLARE_METATYPE(INFO_OTHER_GW5)
Q_DECLARE_METATYPE(INFO_SIGNAL_PRESENCE)
