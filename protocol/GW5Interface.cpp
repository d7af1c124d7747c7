#include "GW5Interface.h"

#include "CommandFrame.h"
#include "PayloadReader.h"

#include <QDebug>

GW5Interface::GW5Interface(const QString &cpuid, QObject *parent)
    : Interface(cpuid, parent), m_matrix(new GW5::MatrixProc(this))
{
    connect(m_matrix, &GW5::MatrixProc::emitSendData, this, &Interface::emitSendData);
    connect(m_matrix, &GW5::MatrixProc::emitAutoRemoveWindow, this, &GW5Interface::emitAutoRemoveWindow);
}

GW5Interface::~GW5Interface()
{
    qDebug() << "GW5Interface::~GW5Interface";
}

void GW5Interface::send(uint8_t cmd, uint8_t sub, std::initializer_list<int> params)
{
    CommandFrame f(cmd, sub);
    int offset = CommandFrame::FirstParam;
    for (int v : params)
        f.u8(offset++, v);
    emit emitSendData(f.pack());
}

// ---- Operations ----

int GW5Interface::openWindow(int winId, int x, int y, int width, int height, int layer)
{
    return m_matrix->openWindow(winId, x, y, width, height, layer);
}

int GW5Interface::removeWindow(int winId)
{
    return m_matrix->removeWindow(winId);
}

int GW5Interface::moveWindow(int winId, int x, int y, int width, int height, int layer)
{
    return m_matrix->moveWindow(winId, x, y, width, height, layer);
}

int GW5Interface::setWindowsGeometry(int commit, int winId, int x, int y, int width, int height)
{
    return m_matrix->setWindowsGeometry(commit, winId, x, y, width, height);
}

int GW5Interface::setWindowCrop(int winId, int enable, int x, int y, int width, int height)
{
    return m_matrix->setWindowCrop(winId, enable, x, y, width, height);
}

void GW5Interface::setOutputHold(int flag)
{
    send(0xF1, 0x00, {flag});
}

void GW5Interface::switchInput(int winId, int srcId)
{
    m_matrix->switchInput(winId, srcId);
    send(0x08, 0x00, {winId, srcId});
}

void GW5Interface::loadPreset(int id)
{
    m_matrix->reset();
    send(0x04, 0x01, {id});
}

void GW5Interface::loadTemplate(int id)
{
    m_matrix->reset();
    send(0x04, 0x00, {id});
}

void GW5Interface::savePreset(int id)
{
    send(0x04, 0x02, {id});
}

void GW5Interface::factoryReset()
{
    m_matrix->reset();
    send(0x18, 0x00);
}

void GW5Interface::setImageItem(int item, int winId, int value)
{
    send(0x01, uint8_t(item), {winId, value});
}

void GW5Interface::resetImageQuality(int winId)
{
    send(0x01, 0xFF, {winId, 0});
}

void GW5Interface::setWindowTransparency(int winId, int value)
{
    send(0x03, 0x01, {winId, value});
}

void GW5Interface::setEdidResolution(int srcId, int width, int height, int rate)
{
    emit emitSendData(CommandFrame(0x0C, 0x00).u8(6, srcId).u16(7, width).u16(9, height).u8(11, rate).pack());
}

void GW5Interface::setFreeze(int on)
{
    send(0x10, 0x00, {on});
}

void GW5Interface::setBlackScreen(int on)
{
    send(0x13, 0x00, {on});
}

int GW5Interface::setOutputResolution(int index, int width, int height, int rate)
{
    return m_matrix->setOutputResolution(index, width, height, rate);
}

int GW5Interface::setAreaGeometry(int area, int x, int y, int width, int height)
{
    return m_matrix->setAreaGeometry(area, x, y, width, height);
}

int GW5Interface::setAreaLayout(int rows, int columns, int order)
{
    return m_matrix->setAreaLayout(rows, columns, order);
}

int GW5Interface::setOutputMapping(int port, int area)
{
    const int result = m_matrix->setOutputMapping(port, area);
    // The device hears of the mapping after the re-placement, whether or not the matrix took it.
    send(0x05, 0x04, {port, area});
    return result;
}

// ---- Replies ----

void GW5Interface::handleFrame(QString cpuid, RECV_PROTOCOL rp, QByteArray payload)
{
    if (cpuid != this->cpuid() || rp.status != 0)
        return;
    if (rp.cmd < 0x04 || rp.cmd > 0xF2)
        return;
    switch (rp.cmd) {
    case 0x04:
        if (rp.subCmd == 0x00 || rp.subCmd == 0x01)
            emit emitLoadPresetOrTemplateFinished(this->cpuid());
        else if (rp.subCmd == 0x02)
            readPresets();
        break;
    case 0xEF:
        if (rp.subCmd == 0x00)
            emit emitAllParams();
        break;
    case 0xE1:
        if (rp.subCmd == 0x00)
            decodePanel(payload);
        else if (rp.subCmd == 0x01)
            decodeResolution(payload);
        else if (rp.subCmd == 0x02)
            decodeMapping(payload);
        break;
    case 0xE2:
        if (rp.subCmd == 0x00)
            decodeWindow(payload);
        else if (rp.subCmd == 0x01)
            decodeWindowPart(payload);
        break;
    case 0xE3:
        if (rp.subCmd == 0x00 || rp.subCmd == 0x01)
            decodeCrop(payload, rp.subCmd == 0x01);
        break;
    case 0xE4:
        if (rp.subCmd == 0x00)
            decodeInputSignal(payload);
        else if (rp.subCmd == 0x01)
            decodeSignalPresence(payload);
        break;
    case 0xE5:
        if (rp.subCmd == 0x00)
            decodeImageQuality(payload);
        break;
    case 0xE6:
        if (rp.subCmd == 0x00 || rp.subCmd == 0x01)
            decodePreset(payload, rp.subCmd == 0x01);
        break;
    case 0xEA:
        if (rp.subCmd == 0x00)
            decodeEdid(payload);
        break;
    case 0xEE:
        if (rp.subCmd == 0x00)
            decodeOther(payload);
        break;
    case 0xF2:
        decodeUpgrade(rp.subCmd, payload);
        break;
    default:
        break;
    }
}

int GW5Interface::lastItem(const QByteArray &payload, int itemSize)
{
    if (itemSize <= 0 || payload.size() < itemSize)
        return -1;
    return (payload.size() / itemSize - 1) * itemSize;
}

void GW5Interface::decodePanel(const QByteArray &payload)
{
    const int o = lastItem(payload, 11);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    INFO_PANEL p;
    p.id = r.u8(o);
    p.x = r.u16(o + 1);
    p.y = r.u16(o + 3);
    p.width = r.u16(o + 5);
    p.height = r.u16(o + 7);
    m_matrix->updatePanel(p.id, p.x, p.y, p.width, p.height);
    emit emitPanelData(cpuid(), p);
}

void GW5Interface::decodeResolution(const QByteArray &payload)
{
    const int o = lastItem(payload, 9);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    const uint16_t index = r.u8(o), width = r.u16(o + 1), height = r.u16(o + 3), rate = r.u8(o + 5);
    const uint8_t row = r.u8(o + 6), col = r.u8(o + 7), mode = r.u8(o + 8);
    m_matrix->updateResolution(index, width, height, rate, row, col, mode);
    emit emitPanelResolution(cpuid(), index, width, height, rate, row, col, mode);
}

void GW5Interface::decodeMapping(const QByteArray &payload)
{
    const int o = lastItem(payload, 6);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    INFO_MAPPING m;
    m.port = r.u8(o);
    m.area = r.u8(o + 1);
    m.other2 = r.u8(o + 2);
    m.other3 = r.u8(o + 3);
    m.other4 = r.u8(o + 4);
    m.other5 = r.u8(o + 5);
    m_matrix->updateMapping(m);
    emit emitOutputPortMapping(cpuid(), m);
}

void GW5Interface::decodeWindow(const QByteArray &payload)
{
    const int o = lastItem(payload, 13);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    INFO_WINDOW w;
    w.flag0 = w.flag1 = w.flag2 = 1;
    w.rotate = 0;
    w.winId = r.u8(o);
    w.x = r.u16(o + 1);
    w.y = r.u16(o + 3);
    w.width = r.u16(o + 5);
    w.height = r.u16(o + 7);
    w.param2 = r.u8(o + 9);  // input
    w.param3 = r.u8(o + 10); // layer
    w.srcId = r.u8(o + 10);  // the device reports "has a source" in the layer byte
    w.param1 = r.u8(o + 11); // transparency
    m_matrix->updateWindow(w.winId, w.x, w.y, w.width, w.height, r.u8(o + 9), r.u8(o + 10), r.u8(o + 11));
    emit emitWindowData(cpuid(), w);
}

void GW5Interface::decodeWindowPart(const QByteArray &payload)
{
    const int o = lastItem(payload, 11);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    m_matrix->updatePortPiece(r.u8(o), r.u16(o + 1), r.u16(o + 3), r.u16(o + 5), r.u16(o + 7), r.u8(o + 9));
}

void GW5Interface::decodeCrop(const QByteArray &payload, bool part)
{
    const int o = lastItem(payload, 11);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    INFO_INPUTCROP c;
    c.index = r.u8(o);
    const uint8_t enable = r.u8(o + 1);
    c.enable = enable != 0 ? 1 : 0;
    c.x = r.u16(o + 2);
    c.y = r.u16(o + 4);
    c.width = r.u16(o + 6);
    c.height = r.u16(o + 8);
    if (part) {
        m_matrix->updatePortCrop(c.index, enable, c.x, c.y, c.width, c.height);
        return;
    }
    m_matrix->updateCrop(c.index, enable, c.x, c.y, c.width, c.height);
    emit emitInputCrop(cpuid(), c);
}

void GW5Interface::decodeInputSignal(const QByteArray &payload)
{
    const int o = lastItem(payload, 10);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    INFO_INPUTSINGLE s;
    s.srcId = r.u8(o);
    s.width = r.u16(o + 1);
    s.height = r.u16(o + 3);
    s.rate = r.u8(o + 5);
    s.hasSignal = 0;
    m_matrix->updateInputSignal(s.srcId, s.width, s.height, uint8_t(s.rate));
    emit emitInputSignal(cpuid(), s);
}

void GW5Interface::decodeSignalPresence(const QByteArray &payload)
{
    const int o = lastItem(payload, 5);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    const int inputId = r.s8(o);
    if (inputId < 0)
        return; // no input has a negative number
    const bool hasSignal = r.u8(o + 1) != 0;
    const int inputType = r.u8(o + 2);
    m_matrix->updateInputPresence(inputId, hasSignal);
    emit emitInputHasSignal(cpuid(), inputId, hasSignal, inputType);
}

void GW5Interface::decodeImageQuality(const QByteArray &payload)
{
    const int o = lastItem(payload, 13);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    auto s = [&](int i) { return int16_t(r.s8(o + i)); };
    INFO_IMAGE_QUALITY q;
    q.gamma = 2;
    q.index = uint16_t(s(0));
    q.brightness = uint16_t(s(1));
    q.contrast = uint16_t(s(2));
    q.sharpness = uint16_t(s(3));
    q.hue = uint16_t(s(4));
    q.saturation = uint16_t(s(5));
    q.redOffset = s(6);
    q.greenOffset = s(7);
    q.blueOffset = s(8);
    q.redGain = uint16_t(s(9));
    q.greenGain = uint16_t(s(10));
    q.blueGain = uint16_t(s(11));
    emit emitImageQuality(cpuid(), q);
}

void GW5Interface::decodePreset(const QByteArray &payload, bool windowPart)
{
    const PayloadReader r(payload);
    if (!r.has(0, 2))
        return;
    const int count = r.s8(1);
    const int entrySize = windowPart ? 10 : 9;
    if (count < 1 || payload.size() != 2 + count * entrySize)
        return;
    INFO_PRESET p;
    p.id = r.s8(0);
    for (int i = 0; i < count; ++i) {
        const int o = 2 + i * entrySize;
        PRESET_ENTRY e;
        if (windowPart) {
            e.append(uint16_t(int16_t(r.s8(o))));
            e.append(r.u16(o + 1));
            e.append(r.u16(o + 3));
            e.append(r.u16(o + 5));
            e.append(r.u16(o + 7));
            e.append(r.u8(o + 9));
            p.windows.append(e);
        } else {
            e.append(r.u8(o));
            e.append(r.u16(o + 1));
            e.append(r.u16(o + 3));
            e.append(r.u16(o + 5));
            e.append(r.u16(o + 7));
            p.panels.append(e);
        }
    }
    if (windowPart)
        emit emitPresetWindow(cpuid(), p);
    else
        emit emitPresetPanel(cpuid(), p);
}

void GW5Interface::decodeEdid(const QByteArray &payload)
{
    const int o = lastItem(payload, 6);
    if (o < 0)
        return;
    const PayloadReader r(payload);
    INFO_EDID e;
    e.srcId = r.u8(o);
    e.width = r.u16(o + 1);
    e.height = r.u16(o + 3);
    e.rate = r.u8(o + 5);
    emit emitEDIDSetting(cpuid(), e);
}

void GW5Interface::decodeOther(const QByteArray &payload)
{
    const PayloadReader r(payload);
    if (r.size() < 5)
        return;
    INFO_OTHER_GW5 o;
    o.other0 = r.u8(0);
    o.outputCards = r.s8(1);
    o.other2 = r.u8(2);
    o.blackScreen = r.u8(3);
    o.freeze = r.u8(4);
    o.frameSync = r.has(5) ? r.u8(5) : 0;
    m_matrix->updateOtherSetting(r.u8(1), r.u8(2));
    emit emitOtherSetting(cpuid(), o);
}

void GW5Interface::decodeUpgrade(uint8_t sub, const QByteArray &payload)
{
    const PayloadReader r(payload);
    switch (sub) {
    case 0x00:
        if (r.size() >= 1)
            emit emitUpgrade00(r.u8(0));
        break;
    case 0x01:
        if (r.size() >= 1)
            emit emitUpgrade01(r.u8(0));
        break;
    case 0x02:
        if (r.size() >= 5)
            emit emitUpgrade02(r.u8(2), r.u16(0), r.u16(3));
        break;
    case 0x03:
        if (r.size() >= 1)
            emit emitUpgrade03(r.u8(0));
        break;
    default:
        break;
    }
}
