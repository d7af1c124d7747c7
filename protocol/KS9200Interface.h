// Protocol interface of one KS-set device (KS, KT and KX models). Owned by the device hub.
//
// Every setting is one 23-byte command frame. For each operation there is a static builder
// (`...Frame`) that returns the finished frame, for callers that write frames themselves (the
// canvas and the main window), and a member of the same name without the suffix that builds the
// frame and emits it through emitSendData(). Nothing waits for an answer.
//
// handleFrame() decodes the device's replies into records and announces each with one typed
// signal; a reply that fails any length or count check produces no signal at all. The interface
// keeps no state between frames; the time-task reply also writes the process-wide allTasksOn flag
// that the input panel still reads, and announces the device's own flag with emitAllTasksOn.
#pragma once

#include "Interface.h"
#include "Records.h"

#include <QDateTime>
#include <QList>

class KS9200Interface : public Interface
{
    Q_OBJECT
public:
    // Sub-commands of 0x01 (image quality items).
    enum ImageItem {
        ItemBrightness = 1,
        ItemContrast = 2,
        ItemSharpness = 3,
        ItemHue = 4,
        ItemSaturation = 5,
        ItemRedOffset = 6,
        ItemGreenOffset = 7,
        ItemBlueOffset = 8,
        ItemGamma = 9,
        ItemColorMode = 11,
    };
    // First parameter of the 0x09 / 0x01 frame besides the task types 0..3 (store a task).
    enum TimeTaskOperation { TaskOn = 4, TaskOff = 5, AllTasksOn = 6, AllTasksOff = 7 };
    // Sub-commands of 0x14.
    enum VgaAction { VgaAutoAdjust = 0, VgaAdcCalibration = 1 };
    static constexpr int AllWindows = 0xFF;
    static constexpr int TestPatternOff = 255;
    static constexpr int NameChunkSize = 15;

    explicit KS9200Interface(const QString &cpuid = QString(), QObject *parent = nullptr);
    ~KS9200Interface() override;

    void handleFrame(QString cpuid, RECV_PROTOCOL rp, QByteArray payload) override;

    // --- frame builders -------------------------------------------------------------------
    static QByteArray setImageItemFrame(int item, int winId, int value);              // 0x01 / item
    static QByteArray resetImageQualityFrame(int winId);                              // 0x01 / 0xFF
    static QByteArray setColorTempFrame(int winId, int mode, int red, int green, int blue); // 0x01 / 0x0A
    static QByteArray setRgbcmyFrame(int winId, int set, const RGBCMY &values);       // 0x01 / 0x0C
    static QByteArray setImageEffectFrame(int winId, int clearVision, int luminance, int skinTone,
                                          int gaussianBlur);                          // 0x01 / 0x0D
    static QByteArray setImageExpertFrame(int winId, int colorGamut, int inRange, int inFMT,
                                          int winFMT);                                // 0x01 / 0x0E
    static QByteArray setInputCropFrame(int winId, int enable, int x, int y, int width, int height); // 0x02
    static QByteArray setWindowGeometryFrame(int winId, int x, int y, int width, int height); // 0x03 / 0x00
    static QByteArray setWindowTransparencyFrame(int winId, int transparency);        // 0x03 / 0x01
    static QByteArray setWindowRotateFrame(int winId, int rotation);                  // 0x03 / 0x03
    static QByteArray loadTemplateFrame(int templateId);                              // 0x04 / 0x00
    static QByteArray loadPresetFrame(int presetId);                                  // 0x04 / 0x01
    static QByteArray savePresetFrame(int presetId);                                  // 0x04 / 0x02
    static QByteArray setOutputResolutionFrame(int output, int index, int width, int height,
                                               int rate);                             // 0x05 / 0x00
    static QByteArray setOutputModeFrame(int mode, int exchange);                     // 0x05 / 0x01
    static QByteArray setMosaicOnOffFrame(int winId, int on);                         // 0x06 / 0x00
    static QByteArray setFrameSyncFrame(int winId, int on);                           // 0x06 / 0x01
    static QByteArray setMosaicUnitsFrame(int winId, int v1, int v2, int v3);         // 0x06 / 0x02
    static QByteArray setMosaicPixelsFrame(int winId, int v1, int v2, int v3, int v4); // 0x06 / 0x03
    static QByteArray setMosaicTuneFrame(int winId, int hStart, int vStart, int width,
                                         int height);                                 // 0x06 / 0x04
    static QByteArray setAudioModeFrame(int mode, int winId);                         // 0x07 / 0x00
    static QByteArray setAudioMuteFrame(int mute);                                    // 0x07 / 0x01
    static QByteArray setAudioVolumeFrame(int volume);                                // 0x07 / 0x02
    static QByteArray switchInputFrame(int winId, int srcId);                         // 0x08 / 0x00
    // `year` is the full year (2017); the frame carries year - 2000.
    static QByteArray setDeviceTimeFrame(int year, int month, int day, int hour, int minute,
                                         int second);                                 // 0x09 / 0x00
    static QByteArray setDeviceTimeFrame(const QDateTime &time);
    // Store a task: [6] taskType, [7] index, [8..13] date and time, then target and 0 for types
    // 0 and 1, or the cycle set for types 2 and 3, then total time and interval (u16 each).
    // Empty for a task type outside 0..3.
    static QByteArray setTimeTaskFrame(const INFO_TIME_TASK &task);                   // 0x09 / 0x01
    static QByteArray setTimeTaskStateFrame(int index, bool on);                      // 0x09 / 0x01, 4/5
    static QByteArray setAllTasksFrame(bool on);                                      // 0x09 / 0x01, 6/7
    static QByteArray setTestPatternFrame(int pattern);                               // 0x0B / 0x00
    static QByteArray setEdidResolutionFrame(int srcId, int width, int height, int rate); // 0x0C / 0x00
    // Sub 0x01 for device types 0..4, 0x02 for 16..18; empty for any other type.
    static QByteArray setEdidModeFrame(int deviceType, int mode);                     // 0x0C / 0x01|0x02
    static QByteArray resetEdidFrame();                                               // 0x0C / 0xFF
    static QByteArray setChromaPresetFrame(int winId, int mode, int enable, int presetColor); // 0x0D
    static QByteArray setChromaColorFrame(int winId, int mode, int enable, int rgbFilter1,
                                          int rgbFilter2, int red, int green, int blue); // 0x0D
    static QByteArray setPipFrame(int on);                                            // 0x0E / 0x00
    // The name in chunks of 15 bytes, one frame each (0x0F / chunk number); none for an empty name.
    static QList<QByteArray> setDeviceNameFrames(const QByteArray &name);
    static QList<QByteArray> setDeviceNameFrames(const QString &name); // local 8-bit encoding
    static QByteArray setFreezeFrame(int on);                                         // 0x10 / 0x00
    static QByteArray setSwitchModeFrame(int fade, int fadePeriod);                   // 0x11 / 0x00
    static QByteArray setLocalFrame(int winId, int on);                               // 0x12 / 0x00
    static QByteArray setBlackScreenFrame(int on);                                    // 0x13 / 0x00
    static QByteArray vgaActionFrame(int action);                                     // 0x14 / action
    static QByteArray setBackgroundColorFrame(int red, int green, int blue);          // 0x15 / 0x00
    static QByteArray setBorderFrame(int selector, int on, int x, int y, int width, int height,
                                     int thickness, int color);                       // 0x16 / 0x00
    static QByteArray setBorderFrame(int selector, const INFO_BORDER &border);
    static QByteArray setOutputEnhanceFrame(int dvi1a, int dvi1b, int dvi2a, int dvi2b); // 0x17 / 0x00
    static QByteArray factoryResetFrame();                                            // 0x18 / 0x00
    static QByteArray usbPlayFrame(int action);                                       // 0x20 / 0x00
    static QByteArray usbWorkModeFrame(int mode);                                     // 0x20 / 0x01
    static QByteArray usbWifiFrame(int on);                                           // 0x20 / 0x02
    static QByteArray usbWirelessScreenFrame(int value);                              // 0x20 / 0x03

    // --- operations: build and emit -------------------------------------------------------
    void setImageItem(int item, int winId, int value);
    void resetImageQuality(int winId);
    void setColorTemp(int winId, int mode, int red, int green, int blue);
    void setRgbcmy(int winId, int set, const RGBCMY &values);
    void setImageEffect(int winId, int clearVision, int luminance, int skinTone, int gaussianBlur);
    void setImageExpert(int winId, int colorGamut, int inRange, int inFMT, int winFMT);
    void setInputCrop(int winId, int enable, int x, int y, int width, int height);
    void setWindowGeometry(int winId, int x, int y, int width, int height);
    void setWindowTransparency(int winId, int transparency);
    void setWindowRotate(int winId, int rotation);
    void loadTemplate(int templateId);
    void loadPreset(int presetId);
    void savePreset(int presetId);
    void setOutputResolution(int output, int index, int width, int height, int rate);
    void setOutputMode(int mode, int exchange);
    void setMosaicOnOff(int winId, int on);
    void setFrameSync(int winId, int on);
    void setMosaicUnits(int winId, int v1, int v2, int v3);
    void setMosaicPixels(int winId, int v1, int v2, int v3, int v4);
    void setMosaicTune(int winId, int hStart, int vStart, int width, int height);
    void setAudioMode(int mode, int winId);
    void setAudioMute(int mute);
    void setAudioVolume(int volume);
    void switchInput(int winId, int srcId);
    void setDeviceTime(int year, int month, int day, int hour, int minute, int second);
    void setDeviceTime(const QDateTime &time);
    void setTimeTask(const INFO_TIME_TASK &task); // nothing is sent for a type outside 0..3
    void setTimeTaskState(int index, bool on);
    void setAllTasks(bool on);
    void setTestPattern(int pattern);
    void setEdidResolution(int srcId, int width, int height, int rate);
    void setEdidMode(int deviceType, int mode); // nothing is sent for a type without EDID modes
    void resetEdid();
    void setChromaPreset(int winId, int mode, int enable, int presetColor);
    void setChromaColor(int winId, int mode, int enable, int rgbFilter1, int rgbFilter2, int red,
                        int green, int blue);
    void setPip(int on);
    void setDeviceName(const QString &name); // every chunk frame, in order
    void setFreeze(int on);
    void setSwitchMode(int fade, int fadePeriod);
    void setLocal(int winId, int on);
    void setBlackScreen(int on);
    void vgaAction(int action);
    void setBackgroundColor(int red, int green, int blue);
    void setBorder(int selector, int on, int x, int y, int width, int height, int thickness, int color);
    void setBorder(int selector, const INFO_BORDER &border);
    void setOutputEnhance(int dvi1a, int dvi1b, int dvi2a, int dvi2b);
    void factoryReset(); // the caller clears the device record and sends readAll()
    void usbPlay(int action);
    void usbWorkMode(int mode);
    void usbWifi(int on);
    void usbWirelessScreen(int value);

    // --- reply decoders (pure; false when the payload is rejected) ------------------------
    static bool decodePanels(const QByteArray &payload, QList<INFO_PANEL> &out);
    static bool decodeOutputMode(const QByteArray &payload, INFO_PANEL_OTHERSETTING &out);
    static bool decodeWindows(const QByteArray &payload, QList<INFO_WINDOW> &out);
    static bool decodeInputCrops(const QByteArray &payload, QList<INFO_INPUTCROP> &out);
    static bool decodeInputSignals(const QByteArray &payload, QList<INFO_INPUTSINGLE> &out);
    static bool decodeImageQuality(const QByteArray &payload, QList<INFO_IMAGE_QUALITY> &out);
    static bool decodeImageAdvanced(const QByteArray &payload, INFO_IMAGE_ADVANCED &out);
    static bool decodePreset(const QByteArray &payload, INFO_PRESET &out);
    static bool decodeTemplate(const QByteArray &payload, INFO_TEMPLATE &out);
    static bool decodeMosaic(const QByteArray &payload, INFO_MOSAIC &out);
    // Writes allTasksOn from byte 1 whenever the payload has it, even if the rest is rejected.
    static bool decodeTimeTask(const QByteArray &payload, INFO_TIME_TASK &out);
    static bool decodeEdid(const QByteArray &payload, QList<INFO_EDID> &out);
    static bool decodeChromaKeys(const QByteArray &payload, QList<INFO_CHROMA> &out);
    static bool decodeBorders(const QByteArray &payload, QList<INFO_BORDER> &out);
    static bool decodeOutputEnhance(const QByteArray &payload, QList<INFO_OUTPUT_ENHANCE> &out);
    static bool decodeOtherSetting(const QByteArray &payload, INFO_OTHER_KS9200 &out);

signals:
    void emitPanelData(QString cpuid, QList<INFO_PANEL> panels);
    void emitOutputMode(QString cpuid, INFO_PANEL_OTHERSETTING mode);
    void emitWindowData(QString cpuid, QList<INFO_WINDOW> windows);
    void emitWindowRotate(QString cpuid, uchar winId, uchar rotation);
    void emitInputCrop(QString cpuid, QList<INFO_INPUTCROP> crops);
    void emitInputSignals(QString cpuid, QList<INFO_INPUTSINGLE> inputs);
    void emitImageQuality(QString cpuid, QList<INFO_IMAGE_QUALITY> qualities);
    void emitImageAdvanced(QString cpuid, INFO_IMAGE_ADVANCED advanced);
    void emitGetPreset(QString cpuid, INFO_PRESET preset);
    void emitGetTemplate(QString cpuid, INFO_TEMPLATE templ);
    void emitMultiMosaic(QString cpuid, INFO_MOSAIC mosaic);
    void emitTimeTask(QString cpuid, INFO_TIME_TASK task);
    // The device's switch of all timed tasks, carried by every time-task reply (even one whose
    // task is rejected). Stored per device (DEVICE_INFO_KS::allTasksOn).
    void emitAllTasksOn(QString cpuid, bool on);
    void emitEDID(QString cpuid, QList<INFO_EDID> edids);
    void emitEDIDOther(QString cpuid, uchar signalMode, uchar dviAudioMode);
    void emitChromaKey(QString cpuid, QList<INFO_CHROMA> keys);
    void emitBorderSetting(QString cpuid, QList<INFO_BORDER> borders);
    void emitOutputEnhance(QString cpuid, QList<INFO_OUTPUT_ENHANCE> enhances);
    void emitOtherSetting(QString cpuid, INFO_OTHER_KS9200 other);
    void emitLoadPresetOrTemplateFinished(QString cpuid);
    void emitSwitchInputFinished(bool result);

private:
    void send(const QByteArray &frame);
    void handleSuccess(const RECV_PROTOCOL &rp, const QByteArray &payload);
    void decodeReply(uint8_t cmd, uint8_t sub, const QByteArray &payload);
};
