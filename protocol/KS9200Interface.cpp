#include "KS9200Interface.h"

#include "CommandFrame.h"
#include "PayloadReader.h"

#include <QDebug>

namespace {
using CF = CommandFrame;

// A list reply: byte 0 is the signed item count N, then N items of `itemSize` bytes and nothing
// else. `decodeItem(reader, offset, index)` returns one item; the list is built only after the
// whole size has been checked.
template <typename T, typename F>
bool decodeList(const QByteArray &payload, int itemSize, QList<T> &out, F decodeItem)
{
    const PayloadReader r(payload);
    if (r.size() < 1)
        return false;
    const int n = r.s8(0);
    if (n < 0 || r.size() != 1 + n * itemSize)
        return false;
    QList<T> list;
    list.reserve(n);
    for (int i = 0; i < n; ++i)
        list.append(decodeItem(r, 1 + i * itemSize, i));
    out = list;
    return true;
}

// `count` entries of four u16 values each, 8 bytes apiece, from `offset`.
bool readEntries(const PayloadReader &r, int offset, int count, QList<PRESET_ENTRY> &out)
{
    if (!r.has(offset, count * 8))
        return false;
    for (int i = 0; i < count; ++i) {
        const int o = offset + i * 8;
        out.append(PRESET_ENTRY{r.u16(o), r.u16(o + 2), r.u16(o + 4), r.u16(o + 6)});
    }
    return true;
}

// The panel and window entry lists of a preset or template, A entries from `offset`, then B.
bool readPanelsAndWindows(const PayloadReader &r, int countOffset, QList<PRESET_ENTRY> &panels,
                          QList<PRESET_ENTRY> &windows)
{
    if (!r.has(countOffset))
        return false;
    const int a = r.u8(countOffset);
    const int bOffset = countOffset + 1 + a * 8;
    if (!readEntries(r, countOffset + 1, a, panels) || !r.has(bOffset))
        return false;
    return readEntries(r, bOffset + 1, r.u8(bOffset), windows);
}
} // namespace

KS9200Interface::KS9200Interface(const QString &cpuid, QObject *parent) : Interface(cpuid, parent) {}

KS9200Interface::~KS9200Interface() = default;

// ---- frame builders ------------------------------------------------------------------------

QByteArray KS9200Interface::setImageItemFrame(int item, int winId, int value)
{
    return CF(0x01, uint8_t(item)).u8(6, winId).u8(7, value).pack();
}

QByteArray KS9200Interface::resetImageQualityFrame(int winId)
{
    return CF(0x01, 0xFF).u8(6, winId).u8(7, 0).pack();
}

QByteArray KS9200Interface::setColorTempFrame(int winId, int mode, int red, int green, int blue)
{
    return CF(0x01, 0x0A).u8(6, winId).u8(7, mode).u8(8, red).u8(9, green).u8(10, blue).pack();
}

QByteArray KS9200Interface::setRgbcmyFrame(int winId, int set, const RGBCMY &v)
{
    return CF(0x01, 0x0C)
        .u8(6, winId)
        .u8(7, set)
        .u8(8, v.red)
        .u8(9, v.green)
        .u8(10, v.blue)
        .u8(11, v.cyan)
        .u8(12, v.magenta)
        .u8(13, v.yellow)
        .pack();
}

QByteArray KS9200Interface::setImageEffectFrame(int winId, int clearVision, int luminance, int skinTone,
                                                int gaussianBlur)
{
    return CF(0x01, 0x0D)
        .u8(6, winId)
        .u8(7, clearVision)
        .u8(8, luminance)
        .u8(9, skinTone)
        .u8(10, gaussianBlur)
        .pack();
}

QByteArray KS9200Interface::setImageExpertFrame(int winId, int colorGamut, int inRange, int inFMT, int winFMT)
{
    return CF(0x01, 0x0E).u8(6, winId).u8(7, colorGamut).u8(8, inRange).u8(9, inFMT).u8(10, winFMT).pack();
}

QByteArray KS9200Interface::setInputCropFrame(int winId, int enable, int x, int y, int width, int height)
{
    return CF(0x02, 0x00)
        .u8(6, winId)
        .u8(7, enable ? 1 : 0)
        .u16(8, x)
        .u16(10, y)
        .u16(12, width)
        .u16(14, height)
        .pack();
}

QByteArray KS9200Interface::setWindowGeometryFrame(int winId, int x, int y, int width, int height)
{
    return CF(0x03, 0x00).u8(6, winId).u16(7, x).u16(9, y).u16(11, width).u16(13, height).pack();
}

QByteArray KS9200Interface::setWindowTransparencyFrame(int winId, int transparency)
{
    return CF(0x03, 0x01).u8(6, winId).u8(7, transparency).pack();
}

QByteArray KS9200Interface::setWindowRotateFrame(int winId, int rotation)
{
    return CF(0x03, 0x03).u8(6, winId).u8(7, rotation).pack();
}

QByteArray KS9200Interface::loadTemplateFrame(int templateId)
{
    return CF(0x04, 0x00).u8(6, templateId).pack();
}

QByteArray KS9200Interface::loadPresetFrame(int presetId)
{
    return CF(0x04, 0x01).u8(6, presetId).pack();
}

QByteArray KS9200Interface::savePresetFrame(int presetId)
{
    return CF(0x04, 0x02).u8(6, presetId).pack();
}

QByteArray KS9200Interface::setOutputResolutionFrame(int output, int index, int width, int height, int rate)
{
    return CF(0x05, 0x00).u8(6, output).u8(7, index).u16(8, width).u16(10, height).u8(12, rate).pack();
}

QByteArray KS9200Interface::setOutputModeFrame(int mode, int exchange)
{
    return CF(0x05, 0x01).u8(6, mode).u8(7, exchange ? 1 : 0).pack();
}

QByteArray KS9200Interface::setMosaicOnOffFrame(int winId, int on)
{
    return CF(0x06, 0x00).u8(6, winId).u8(7, on ? 1 : 0).pack();
}

QByteArray KS9200Interface::setFrameSyncFrame(int winId, int on)
{
    return CF(0x06, 0x01).u8(6, winId).u8(7, on ? 1 : 0).u8(8, 1).pack();
}

QByteArray KS9200Interface::setMosaicUnitsFrame(int winId, int v1, int v2, int v3)
{
    return CF(0x06, 0x02).u8(6, winId).u8(7, v1).u8(8, v2).u8(9, v3).pack();
}

QByteArray KS9200Interface::setMosaicPixelsFrame(int winId, int v1, int v2, int v3, int v4)
{
    return CF(0x06, 0x03).u8(6, winId).u16(7, v1).u16(9, v2).u16(11, v3).u16(13, v4).pack();
}

QByteArray KS9200Interface::setMosaicTuneFrame(int winId, int hStart, int vStart, int width, int height)
{
    return CF(0x06, 0x04).u8(6, winId).u8(7, hStart).u8(8, vStart).u8(9, width).u8(10, height).pack();
}

QByteArray KS9200Interface::setAudioModeFrame(int mode, int winId)
{
    return CF(0x07, 0x00).u8(6, mode).u8(7, winId).pack();
}

QByteArray KS9200Interface::setAudioMuteFrame(int mute)
{
    return CF(0x07, 0x01).u8(6, mute).pack();
}

QByteArray KS9200Interface::setAudioVolumeFrame(int volume)
{
    return CF(0x07, 0x02).u8(6, volume).pack();
}

QByteArray KS9200Interface::switchInputFrame(int winId, int srcId)
{
    return CF(0x08, 0x00).u8(6, winId).u8(7, srcId).pack();
}

QByteArray KS9200Interface::setDeviceTimeFrame(int year, int month, int day, int hour, int minute, int second)
{
    return CF(0x09, 0x00)
        .u8(6, year - 2000)
        .u8(7, month)
        .u8(8, day)
        .u8(9, hour)
        .u8(10, minute)
        .u8(11, second)
        .pack();
}

QByteArray KS9200Interface::setDeviceTimeFrame(const QDateTime &time)
{
    const QDate d = time.date();
    const QTime t = time.time();
    return setDeviceTimeFrame(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

QByteArray KS9200Interface::setTimeTaskFrame(const INFO_TIME_TASK &task)
{
    if (task.taskType > 3)
        return QByteArray();
    // The record keeps years since 2000 already.
    CF f(0x09, 0x01);
    f.u8(6, task.taskType)
        .u8(7, task.index)
        .u8(8, task.year)
        .u8(9, task.month)
        .u8(10, task.day)
        .u8(11, task.hour)
        .u8(12, task.minute)
        .u8(13, task.second);
    if (task.taskType <= 1)
        f.u8(14, task.target).u8(15, 0);
    else
        f.u16(14, task.p10);
    // Total time before the interval.
    return f.u16(16, task.p14).u16(18, task.p12).pack();
}

QByteArray KS9200Interface::setTimeTaskStateFrame(int index, bool on)
{
    return CF(0x09, 0x01).u8(6, on ? TaskOn : TaskOff).u8(7, index).pack();
}

QByteArray KS9200Interface::setAllTasksFrame(bool on)
{
    return CF(0x09, 0x01).u8(6, on ? AllTasksOn : AllTasksOff).pack();
}

QByteArray KS9200Interface::setTestPatternFrame(int pattern)
{
    return CF(0x0B, 0x00).u8(6, pattern).pack();
}

QByteArray KS9200Interface::setEdidResolutionFrame(int srcId, int width, int height, int rate)
{
    return CF(0x0C, 0x00).u8(6, srcId).u16(7, width).u16(9, height).u8(11, rate).pack();
}

QByteArray KS9200Interface::setEdidModeFrame(int deviceType, int mode)
{
    uint8_t sub;
    if (deviceType >= 0 && deviceType <= 4)
        sub = 0x01;
    else if (deviceType >= 16 && deviceType <= 18)
        sub = 0x02;
    else
        return QByteArray();
    return CF(0x0C, sub).u8(6, mode).pack();
}

QByteArray KS9200Interface::resetEdidFrame()
{
    return CF(0x0C, 0xFF).pack();
}

QByteArray KS9200Interface::setChromaPresetFrame(int winId, int mode, int enable, int presetColor)
{
    return CF(0x0D, 0x00).u8(6, winId).u8(7, mode).u8(8, enable).u8(9, presetColor).pack();
}

QByteArray KS9200Interface::setChromaColorFrame(int winId, int mode, int enable, int rgbFilter1, int rgbFilter2,
                                                int red, int green, int blue)
{
    return CF(0x0D, 0x00)
        .u8(6, winId)
        .u8(7, mode)
        .u8(8, enable)
        .u8(9, rgbFilter1)
        .u8(10, rgbFilter2)
        .u8(11, red)
        .u8(12, green)
        .u8(13, blue)
        .pack();
}

QByteArray KS9200Interface::setPipFrame(int on)
{
    return CF(0x0E, 0x00).u8(6, on ? 1 : 0).pack();
}

QList<QByteArray> KS9200Interface::setDeviceNameFrames(const QByteArray &name)
{
    QList<QByteArray> frames;
    const int count = (name.size() + NameChunkSize - 1) / NameChunkSize;
    for (int k = 0; k < count; ++k) {
        const QByteArray chunk = name.mid(k * NameChunkSize, NameChunkSize);
        // bytes() pads nothing: the unused tail of the parameters is already 0x00.
        frames.append(CF(0x0F, uint8_t(k)).u8(6, chunk.size()).bytes(7, chunk).pack());
    }
    return frames;
}

QList<QByteArray> KS9200Interface::setDeviceNameFrames(const QString &name)
{
    return setDeviceNameFrames(name.toLocal8Bit());
}

QByteArray KS9200Interface::setFreezeFrame(int on)
{
    return CF(0x10, 0x00).u8(6, on ? 1 : 0).pack();
}

QByteArray KS9200Interface::setSwitchModeFrame(int fade, int fadePeriod)
{
    return CF(0x11, 0x00).u8(6, fade ? 1 : 0).u8(7, fadePeriod).pack();
}

QByteArray KS9200Interface::setLocalFrame(int winId, int on)
{
    return CF(0x12, 0x00).u8(6, winId).u8(7, on ? 1 : 0).pack();
}

QByteArray KS9200Interface::setBlackScreenFrame(int on)
{
    return CF(0x13, 0x00).u8(6, on ? 1 : 0).pack();
}

QByteArray KS9200Interface::vgaActionFrame(int action)
{
    return CF(0x14, uint8_t(action)).pack();
}

QByteArray KS9200Interface::setBackgroundColorFrame(int red, int green, int blue)
{
    return CF(0x15, 0x00).u8(6, 1).u8(7, red).u8(8, green).u8(9, blue).pack();
}

QByteArray KS9200Interface::setBorderFrame(int selector, int on, int x, int y, int width, int height,
                                           int thickness, int color)
{
    return CF(0x16, 0x00)
        .u8(6, selector)
        .u8(7, on ? 1 : 0)
        .u16(8, x)
        .u16(10, y)
        .u16(12, width)
        .u16(14, height)
        .u16(16, thickness)
        .u8(18, color)
        .pack();
}

QByteArray KS9200Interface::setBorderFrame(int selector, const INFO_BORDER &b)
{
    return setBorderFrame(selector, b.enable, b.x, b.y, b.width, b.height, b.thickness, b.color);
}

QByteArray KS9200Interface::setOutputEnhanceFrame(int dvi1a, int dvi1b, int dvi2a, int dvi2b)
{
    return CF(0x17, 0x00)
        .u8(6, dvi1a ? 1 : 0)
        .u8(7, dvi1b ? 1 : 0)
        .u8(8, dvi2a ? 1 : 0)
        .u8(9, dvi2b ? 1 : 0)
        .pack();
}

QByteArray KS9200Interface::factoryResetFrame()
{
    return CF(0x18, 0x00).pack();
}

QByteArray KS9200Interface::usbPlayFrame(int action)
{
    return CF(0x20, 0x00).u8(6, action).pack();
}

QByteArray KS9200Interface::usbWorkModeFrame(int mode)
{
    return CF(0x20, 0x01).u8(6, mode).pack();
}

QByteArray KS9200Interface::usbWifiFrame(int on)
{
    return CF(0x20, 0x02).u8(6, on ? 1 : 0).pack();
}

QByteArray KS9200Interface::usbWirelessScreenFrame(int value)
{
    return CF(0x20, 0x03).u8(6, value).pack();
}

// ---- operations ----------------------------------------------------------------------------

void KS9200Interface::send(const QByteArray &frame)
{
    if (!frame.isEmpty())
        emit emitSendData(frame);
}

void KS9200Interface::setImageItem(int item, int winId, int value) { send(setImageItemFrame(item, winId, value)); }
void KS9200Interface::resetImageQuality(int winId) { send(resetImageQualityFrame(winId)); }
void KS9200Interface::setColorTemp(int winId, int mode, int red, int green, int blue)
{
    send(setColorTempFrame(winId, mode, red, green, blue));
}
void KS9200Interface::setRgbcmy(int winId, int set, const RGBCMY &values) { send(setRgbcmyFrame(winId, set, values)); }
void KS9200Interface::setImageEffect(int winId, int clearVision, int luminance, int skinTone, int gaussianBlur)
{
    send(setImageEffectFrame(winId, clearVision, luminance, skinTone, gaussianBlur));
}
void KS9200Interface::setImageExpert(int winId, int colorGamut, int inRange, int inFMT, int winFMT)
{
    send(setImageExpertFrame(winId, colorGamut, inRange, inFMT, winFMT));
}
void KS9200Interface::setInputCrop(int winId, int enable, int x, int y, int width, int height)
{
    send(setInputCropFrame(winId, enable, x, y, width, height));
}
void KS9200Interface::setWindowGeometry(int winId, int x, int y, int width, int height)
{
    send(setWindowGeometryFrame(winId, x, y, width, height));
}
void KS9200Interface::setWindowTransparency(int winId, int transparency)
{
    send(setWindowTransparencyFrame(winId, transparency));
}
void KS9200Interface::setWindowRotate(int winId, int rotation) { send(setWindowRotateFrame(winId, rotation)); }
void KS9200Interface::loadTemplate(int templateId) { send(loadTemplateFrame(templateId)); }
void KS9200Interface::loadPreset(int presetId) { send(loadPresetFrame(presetId)); }
void KS9200Interface::savePreset(int presetId) { send(savePresetFrame(presetId)); }
void KS9200Interface::setOutputResolution(int output, int index, int width, int height, int rate)
{
    send(setOutputResolutionFrame(output, index, width, height, rate));
}
void KS9200Interface::setOutputMode(int mode, int exchange) { send(setOutputModeFrame(mode, exchange)); }
void KS9200Interface::setMosaicOnOff(int winId, int on) { send(setMosaicOnOffFrame(winId, on)); }
void KS9200Interface::setFrameSync(int winId, int on) { send(setFrameSyncFrame(winId, on)); }
void KS9200Interface::setMosaicUnits(int winId, int v1, int v2, int v3) { send(setMosaicUnitsFrame(winId, v1, v2, v3)); }
void KS9200Interface::setMosaicPixels(int winId, int v1, int v2, int v3, int v4)
{
    send(setMosaicPixelsFrame(winId, v1, v2, v3, v4));
}
void KS9200Interface::setMosaicTune(int winId, int hStart, int vStart, int width, int height)
{
    send(setMosaicTuneFrame(winId, hStart, vStart, width, height));
}
void KS9200Interface::setAudioMode(int mode, int winId) { send(setAudioModeFrame(mode, winId)); }
void KS9200Interface::setAudioMute(int mute) { send(setAudioMuteFrame(mute)); }
void KS9200Interface::setAudioVolume(int volume) { send(setAudioVolumeFrame(volume)); }
void KS9200Interface::switchInput(int winId, int srcId) { send(switchInputFrame(winId, srcId)); }
void KS9200Interface::setDeviceTime(int year, int month, int day, int hour, int minute, int second)
{
    send(setDeviceTimeFrame(year, month, day, hour, minute, second));
}
void KS9200Interface::setDeviceTime(const QDateTime &time) { send(setDeviceTimeFrame(time)); }
void KS9200Interface::setTimeTask(const INFO_TIME_TASK &task) { send(setTimeTaskFrame(task)); }
void KS9200Interface::setTimeTaskState(int index, bool on) { send(setTimeTaskStateFrame(index, on)); }
void KS9200Interface::setAllTasks(bool on) { send(setAllTasksFrame(on)); }
void KS9200Interface::setTestPattern(int pattern) { send(setTestPatternFrame(pattern)); }
void KS9200Interface::setEdidResolution(int srcId, int width, int height, int rate)
{
    send(setEdidResolutionFrame(srcId, width, height, rate));
}
void KS9200Interface::setEdidMode(int deviceType, int mode) { send(setEdidModeFrame(deviceType, mode)); }
void KS9200Interface::resetEdid() { send(resetEdidFrame()); }
void KS9200Interface::setChromaPreset(int winId, int mode, int enable, int presetColor)
{
    send(setChromaPresetFrame(winId, mode, enable, presetColor));
}
void KS9200Interface::setChromaColor(int winId, int mode, int enable, int rgbFilter1, int rgbFilter2, int red,
                                     int green, int blue)
{
    send(setChromaColorFrame(winId, mode, enable, rgbFilter1, rgbFilter2, red, green, blue));
}
void KS9200Interface::setPip(int on) { send(setPipFrame(on)); }
void KS9200Interface::setDeviceName(const QString &name)
{
    const QList<QByteArray> frames = setDeviceNameFrames(name);
    for (const QByteArray &frame : frames)
        send(frame);
}
void KS9200Interface::setFreeze(int on) { send(setFreezeFrame(on)); }
void KS9200Interface::setSwitchMode(int fade, int fadePeriod) { send(setSwitchModeFrame(fade, fadePeriod)); }
void KS9200Interface::setLocal(int winId, int on) { send(setLocalFrame(winId, on)); }
void KS9200Interface::setBlackScreen(int on) { send(setBlackScreenFrame(on)); }
void KS9200Interface::vgaAction(int action) { send(vgaActionFrame(action)); }
void KS9200Interface::setBackgroundColor(int red, int green, int blue) { send(setBackgroundColorFrame(red, green, blue)); }
void KS9200Interface::setBorder(int selector, int on, int x, int y, int width, int height, int thickness, int color)
{
    send(setBorderFrame(selector, on, x, y, width, height, thickness, color));
}
void KS9200Interface::setBorder(int selector, const INFO_BORDER &border) { send(setBorderFrame(selector, border)); }
void KS9200Interface::setOutputEnhance(int dvi1a, int dvi1b, int dvi2a, int dvi2b)
{
    send(setOutputEnhanceFrame(dvi1a, dvi1b, dvi2a, dvi2b));
}
void KS9200Interface::factoryReset() { send(factoryResetFrame()); }
void KS9200Interface::usbPlay(int action) { send(usbPlayFrame(action)); }
void KS9200Interface::usbWorkMode(int mode) { send(usbWorkModeFrame(mode)); }
void KS9200Interface::usbWifi(int on) { send(usbWifiFrame(on)); }
void KS9200Interface::usbWirelessScreen(int value) { send(usbWirelessScreenFrame(value)); }

// ---- replies -------------------------------------------------------------------------------

void KS9200Interface::handleFrame(QString cpuid, RECV_PROTOCOL rp, QByteArray payload)
{
    if (cpuid != this->cpuid())
        return;
    if (rp.status == 0) {
        handleSuccess(rp, payload);
    } else if (rp.status == 1) {
        if (rp.cmd == 0x04)
            emit emitLoadPresetOrTemplateFinished(this->cpuid());
        else if (rp.cmd == 0x08)
            emit emitSwitchInputFinished(false);
        else
            qDebug() << tr("Operation conflict");
    }
}

void KS9200Interface::handleSuccess(const RECV_PROTOCOL &rp, const QByteArray &payload)
{
    const uint8_t cmd = rp.cmd;
    const uint8_t sub = rp.subCmd;
    if (cmd < 0x04 || cmd > 0xEF)
        return;
    switch (cmd) {
    case 0x04:
        if (sub == 0x00 || sub == 0x01)
            emit emitLoadPresetOrTemplateFinished(cpuid());
        else if (sub == 0x02)
            readPresets();
        return;
    case 0x08:
        if (sub == 0x00)
            emit emitSwitchInputFinished(true);
        return;
    case 0xE1:
    case 0xE2:
    case 0xE5:
    case 0xEA:
        if (sub == 0x00 || sub == 0x01)
            decodeReply(cmd, sub, payload);
        return;
    case 0xE3:
    case 0xE4:
    case 0xE6:
    case 0xE7:
    case 0xE8:
    case 0xE9:
    case 0xEB:
    case 0xEC:
    case 0xED:
    case 0xEE:
        if (sub == 0x00)
            decodeReply(cmd, sub, payload);
        return;
    case 0xEF:
        emit emitAllParams();
        return;
    default:
        return;
    }
}

void KS9200Interface::decodeReply(uint8_t cmd, uint8_t sub, const QByteArray &payload)
{
    const QString id = cpuid();
    switch ((cmd << 8) | sub) {
    case 0xE100: {
        QList<INFO_PANEL> list;
        if (decodePanels(payload, list)) {
            for (const INFO_PANEL &p : list)
                qDebug() << "---------------------------panel : " << p.id << p.x << p.y << p.width << p.height
                         << p.rate << p.index;
            emit emitPanelData(id, list);
        }
        return;
    }
    case 0xE101: {
        INFO_PANEL_OTHERSETTING mode;
        if (decodeOutputMode(payload, mode))
            emit emitOutputMode(id, mode);
        return;
    }
    case 0xE200: {
        QList<INFO_WINDOW> list;
        if (decodeWindows(payload, list)) {
            for (const INFO_WINDOW &w : list)
                qDebug() << "---------------------------window : " << w.winId << w.srcId << w.x << w.y << w.width
                         << w.height << w.flag0 << w.flag1 << w.flag2;
            emit emitWindowData(id, list);
        }
        return;
    }
    case 0xE201:
        if (payload.size() >= 10)
            emit emitWindowRotate(id, uchar(payload.at(0)), uchar(payload.at(1)));
        return;
    case 0xE300: {
        QList<INFO_INPUTCROP> list;
        if (decodeInputCrops(payload, list)) {
            for (const INFO_INPUTCROP &c : list)
                qDebug() << "---------------------------input Crop : " << c.index << c.enable << c.x << c.y
                         << c.width << c.height;
            emit emitInputCrop(id, list);
        }
        return;
    }
    case 0xE400: {
        QList<INFO_INPUTSINGLE> list;
        if (decodeInputSignals(payload, list)) {
            for (const INFO_INPUTSINGLE &s : list)
                qDebug() << "---------------------------input signal : " << s.srcId << s.width << s.height
                         << s.rate << s.hasSignal;
            emit emitInputSignals(id, list);
        }
        return;
    }
    case 0xE500: {
        QList<INFO_IMAGE_QUALITY> list;
        if (decodeImageQuality(payload, list))
            emit emitImageQuality(id, list);
        return;
    }
    case 0xE501: {
        INFO_IMAGE_ADVANCED advanced;
        if (decodeImageAdvanced(payload, advanced))
            emit emitImageAdvanced(id, advanced);
        return;
    }
    case 0xE600: {
        INFO_PRESET preset;
        if (decodePreset(payload, preset))
            emit emitGetPreset(id, preset);
        return;
    }
    case 0xE700: {
        INFO_TEMPLATE templ;
        if (decodeTemplate(payload, templ))
            emit emitGetTemplate(id, templ);
        return;
    }
    case 0xE800: {
        INFO_MOSAIC m;
        if (decodeMosaic(payload, m)) {
            qDebug() << "---------------------------Multi Mosaic : " << m.winId << m.enable << m.mode << m.hUnits
                     << m.vUnits << m.unitIndex << m.totalWidth << m.totalHeight << m.startX << m.startY;
            emit emitMultiMosaic(id, m);
        }
        return;
    }
    case 0xE900: {
        INFO_TIME_TASK task;
        const bool decoded = decodeTimeTask(payload, task);
        // The switch of all tasks belongs to this device; it is announced before the task.
        if (payload.size() > 1)
            emit emitAllTasksOn(id, payload.at(1) != 0);
        if (decoded)
            emit emitTimeTask(id, task);
        return;
    }
    case 0xEA00: {
        QList<INFO_EDID> list;
        if (decodeEdid(payload, list)) {
            for (const INFO_EDID &e : list)
                qDebug() << "---------------------------EDID : " << e.srcId << e.width << e.height << e.rate;
            emit emitEDID(id, list);
        }
        return;
    }
    case 0xEA01:
        if (payload.size() >= 5)
            emit emitEDIDOther(id, uchar(payload.at(0)), uchar(payload.at(1)));
        return;
    case 0xEB00: {
        QList<INFO_CHROMA> list;
        if (decodeChromaKeys(payload, list)) {
            for (const INFO_CHROMA &c : list)
                qDebug() << "---------------------------Chroma Key : " << c.winId << c.mode << c.enable
                         << c.presetColor << c.red << c.green << c.blue;
            emit emitChromaKey(id, list);
        }
        return;
    }
    case 0xEC00: {
        QList<INFO_BORDER> list;
        if (decodeBorders(payload, list)) {
            for (const INFO_BORDER &b : list)
                qDebug() << "---------------------------Border Setting : " << b.enable << b.x << b.y << b.width
                         << b.height << b.thickness << b.color;
            emit emitBorderSetting(id, list);
        }
        return;
    }
    case 0xED00: {
        QList<INFO_OUTPUT_ENHANCE> list;
        if (decodeOutputEnhance(payload, list)) {
            for (const INFO_OUTPUT_ENHANCE &e : list)
                qDebug() << "---------------------------Output Enhance : " << e.index << e.value;
            emit emitOutputEnhance(id, list);
        }
        return;
    }
    case 0xEE00: {
        INFO_OTHER_KS9200 other;
        if (decodeOtherSetting(payload, other))
            emit emitOtherSetting(id, other);
        return;
    }
    default:
        return;
    }
}

// ---- decoders ------------------------------------------------------------------------------

bool KS9200Interface::decodePanels(const QByteArray &payload, QList<INFO_PANEL> &out)
{
    return decodeList(payload, 11, out, [](const PayloadReader &r, int o, int i) {
        INFO_PANEL p;
        p.id = uint16_t(i);
        p.x = r.u16(o);
        p.y = r.u16(o + 2);
        p.width = r.u16(o + 4);
        p.height = r.u16(o + 6);
        p.rate = uint16_t(int16_t(r.s8(o + 8)));
        p.index = uint16_t(int16_t(r.s8(o + 9)));
        return p;
    });
}

bool KS9200Interface::decodeOutputMode(const QByteArray &payload, INFO_PANEL_OTHERSETTING &out)
{
    const PayloadReader r(payload);
    if (r.size() < 7)
        return false;
    INFO_PANEL_OTHERSETTING m;
    m.mode = r.u8(0);
    m.mode2 = r.u8(1);
    if (r.size() >= 14) {
        m.value1 = r.u16(2);
        m.value2 = r.u16(4);
        m.value3 = r.u16(6);
        m.value4 = r.u16(8);
        m.value5 = r.u16(10);
        m.value6 = r.u16(12);
    }
    out = m;
    return true;
}

bool KS9200Interface::decodeWindows(const QByteArray &payload, QList<INFO_WINDOW> &out)
{
    return decodeList(payload, 13, out, [](const PayloadReader &r, int o, int i) {
        INFO_WINDOW w;
        const uint8_t flags = r.u8(o);
        w.winId = uint16_t(i);
        // Bit 0 set means the window is closed.
        w.flag0 = (flags & 0x01) ? 0 : 1;
        w.flag1 = (flags >> 1) & 0x01;
        w.srcId = r.u8(o + 1);
        w.x = r.u16(o + 2);
        w.y = r.u16(o + 4);
        w.width = r.u16(o + 6);
        w.height = r.u16(o + 8);
        w.param1 = r.u8(o + 10);
        w.param2 = r.u8(o + 11);
        w.flag2 = r.u8(o + 12);
        w.rotate = 0;
        return w;
    });
}

bool KS9200Interface::decodeInputCrops(const QByteArray &payload, QList<INFO_INPUTCROP> &out)
{
    return decodeList(payload, 10, out, [](const PayloadReader &r, int o, int i) {
        INFO_INPUTCROP c;
        c.index = uint16_t(i);
        c.enable = r.u8(o) != 0 ? 1 : 0;
        c.x = r.u16(o + 1);
        c.y = r.u16(o + 3);
        c.width = r.u16(o + 5);
        c.height = r.u16(o + 7);
        return c;
    });
}

bool KS9200Interface::decodeInputSignals(const QByteArray &payload, QList<INFO_INPUTSINGLE> &out)
{
    return decodeList(payload, 9, out, [](const PayloadReader &r, int o, int) {
        INFO_INPUTSINGLE s;
        s.srcId = r.u8(o);
        s.width = r.u16(o + 1);
        s.height = r.u16(o + 3);
        s.rate = r.s8(o + 5);
        s.hasSignal = r.u8(o + 6) != 0 ? 1 : 0;
        return s;
    });
}

bool KS9200Interface::decodeImageQuality(const QByteArray &payload, QList<INFO_IMAGE_QUALITY> &out)
{
    return decodeList(payload, 11, out, [](const PayloadReader &r, int o, int i) {
        INFO_IMAGE_QUALITY q;
        q.index = uint16_t(i);
        q.brightness = r.u8(o);
        q.contrast = r.u8(o + 1);
        q.sharpness = r.u8(o + 2);
        q.hue = r.u8(o + 3);
        q.saturation = r.u8(o + 4);
        q.redOffset = r.s8(o + 5);
        q.greenOffset = r.s8(o + 6);
        q.blueOffset = r.s8(o + 7);
        q.gamma = r.u8(o + 8);
        return q;
    });
}

bool KS9200Interface::decodeImageAdvanced(const QByteArray &payload, INFO_IMAGE_ADVANCED &out)
{
    const PayloadReader r(payload);
    if (r.size() < INFO_IMAGE_ADVANCED::Size)
        return false;
    INFO_IMAGE_ADVANCED a;
    for (int i = 0; i < INFO_IMAGE_ADVANCED::Size; ++i)
        a.setByte(i, r.u8(i));
    out = a;
    return true;
}

bool KS9200Interface::decodePreset(const QByteArray &payload, INFO_PRESET &out)
{
    const PayloadReader r(payload);
    if (r.size() < 1 || r.s8(0) == -1)
        return false;
    INFO_PRESET p;
    p.id = r.s8(0);
    if (!readPanelsAndWindows(r, 1, p.panels, p.windows))
        return false;
    out = p;
    return true;
}

bool KS9200Interface::decodeTemplate(const QByteArray &payload, INFO_TEMPLATE &out)
{
    const PayloadReader r(payload);
    if (r.size() < 1)
        return false;
    INFO_TEMPLATE t;
    t.group = r.u8(0);
    t.templateId = r.u8(1);
    if (!readPanelsAndWindows(r, 2, t.panels, t.windows))
        return false;
    out = t;
    return true;
}

bool KS9200Interface::decodeMosaic(const QByteArray &payload, INFO_MOSAIC &out)
{
    const PayloadReader r(payload);
    if (r.size() < 15)
        return false;
    INFO_MOSAIC m; // unit counts default to 1
    m.winId = r.u8(0);
    m.enable = r.u8(1);
    m.mode = r.u8(2);
    if (m.mode == 1) {
        m.totalWidth = r.u16(3);
        m.totalHeight = r.u16(5);
        m.startX = r.u16(7);
        m.startY = r.u16(9);
    } else if (m.mode == 0) {
        m.hUnits = r.u8(3);
        m.vUnits = r.u8(4);
        m.unitIndex = r.u8(5);
    } else {
        return false;
    }
    m.p3 = r.u8(11);
    m.p4 = r.u8(12);
    m.p5 = r.u8(13);
    m.p6 = r.u8(14);
    out = m;
    return true;
}

bool KS9200Interface::decodeTimeTask(const QByteArray &payload, INFO_TIME_TASK &out)
{
    const PayloadReader r(payload);
    if (r.size() < 1)
        return false;
    // The device-wide switch is taken even from a reply that is rejected below.
    if (r.has(1))
        allTasksOn = r.u8(1) != 0;
    INFO_TIME_TASK t;
    t.index = r.u8(0);
    t.state = r.u8(2);
    t.taskType = r.u8(3);
    t.year = r.u8(4);
    t.month = r.u8(5);
    t.day = r.u8(6);
    t.hour = r.u8(7);
    t.minute = r.u8(8);
    t.second = r.u8(9);
    if (t.taskType <= 1) {
        if (r.size() < 11)
            return false;
        t.target = r.u8(10);
    } else if (t.taskType <= 3) {
        if (r.size() < 16)
            return false;
        // Total time comes before the interval on the wire.
        t.p10 = r.s16(10);
        t.p14 = r.s16(12);
        t.p12 = r.s16(14);
    } else {
        return false;
    }
    out = t;
    return true;
}

bool KS9200Interface::decodeEdid(const QByteArray &payload, QList<INFO_EDID> &out)
{
    return decodeList(payload, 6, out, [](const PayloadReader &r, int o, int) {
        INFO_EDID e;
        e.srcId = r.u8(o);
        e.width = r.u16(o + 1);
        e.height = r.u16(o + 3);
        e.rate = r.u8(o + 5);
        return e;
    });
}

bool KS9200Interface::decodeChromaKeys(const QByteArray &payload, QList<INFO_CHROMA> &out)
{
    return decodeList(payload, 8, out, [](const PayloadReader &r, int o, int) {
        INFO_CHROMA c;
        c.winId = r.u8(o);
        c.mode = r.u8(o + 1);
        c.enable = r.u8(o + 2);
        if (c.mode == 0) {
            c.presetColor = r.u8(o + 3);
        } else {
            c.rgbFilter1 = r.u8(o + 3);
            c.rgbFilter2 = r.u8(o + 4);
            c.red = r.u8(o + 5);
            c.green = r.u8(o + 6);
            c.blue = r.u8(o + 7);
        }
        return c;
    });
}

bool KS9200Interface::decodeBorders(const QByteArray &payload, QList<INFO_BORDER> &out)
{
    return decodeList(payload, 12, out, [](const PayloadReader &r, int o, int) {
        INFO_BORDER b;
        b.enable = r.u8(o);
        b.x = r.u16(o + 1);
        b.y = r.u16(o + 3);
        b.width = r.u16(o + 5);
        b.height = r.u16(o + 7);
        b.thickness = r.u16(o + 9);
        b.color = r.u8(o + 11);
        return b;
    });
}

bool KS9200Interface::decodeOutputEnhance(const QByteArray &payload, QList<INFO_OUTPUT_ENHANCE> &out)
{
    return decodeList(payload, 2, out, [](const PayloadReader &r, int o, int) {
        INFO_OUTPUT_ENHANCE e;
        e.index = r.u8(o);
        e.value = r.u8(o + 1);
        return e;
    });
}

bool KS9200Interface::decodeOtherSetting(const QByteArray &payload, INFO_OTHER_KS9200 &out)
{
    const PayloadReader r(payload);
    if (r.size() < 15)
        return false;
    INFO_OTHER_KS9200 o;
    // The device leaves out record byte 3 (volume) up front and repeats payload byte 12; the
    // volume only comes at the end of the longest replies.
    for (int i = 0; i <= 2; ++i)
        o.setByte(i, r.u8(i));
    for (int i = 3; i <= 12; ++i)
        o.setByte(i + 1, r.u8(i));
    o.setByte(14, r.u8(12));
    o.setByte(15, r.u8(13));
    o.setByte(16, r.u8(14));
    if (r.size() >= 18) {
        o.setByte(17, r.u8(15));
        o.setByte(18, r.u8(16));
        o.setByte(19, r.u8(17));
    }
    if (r.size() >= 19)
        o.setByte(3, r.u8(18));
    out = o;
    return true;
}
