#include "SimKsDevice.h"

#include "DeviceModels.h"

#include <QJsonArray>
#include <QRect>

namespace {
constexpr int MaxWindows = 16;
constexpr int CmdAll = 0xEF;

INFO_IMAGE_QUALITY defaultQuality(int win)
{
    INFO_IMAGE_QUALITY q;
    q.index = uint16_t(win);
    q.brightness = 50;
    q.contrast = 50;
    q.sharpness = 12;
    q.hue = 50;
    q.saturation = 50;
    q.gamma = 2;
    return q;
}

} // namespace

SimKsDevice::SimKsDevice(const Identity &identity) : SimDevice(identity) { resetState(); }

bool SimKsDevice::isKx() const { return isKxType(type()); }

QList<int> SimKsDevice::inputIds() const
{
    QList<int> ids;
    const bool usb = identity().flags & 1, sdi = identity().flags & 2;
    for (const QString &n : inputNames(type(), usb, sdi))
        ids.append(inputIdFromName(n));
    return ids;
}

QRect SimKsDevice::wall() const
{
    QRect r;
    for (const INFO_PANEL &p : m_panels)
        r |= QRect(p.x, p.y, p.width, p.height);
    return r.isValid() ? r : QRect(0, 0, 1920, 1080);
}

void SimKsDevice::resetState()
{
    const QList<int> ids = inputIds();
    const int outputs = (type() == DeviceType::KS9200 || isKx()) ? 2 : 1;
    m_panels.clear();
    for (int i = 0; i < outputs; ++i) {
        INFO_PANEL p;
        p.id = uint16_t(i);
        p.width = 1920;
        p.height = 1080;
        p.rate = 60;
        p.index = 0; // resolution preset: 0 is a custom resolution given by width and height
        m_panels.append(p);
    }
    m_outputMode = INFO_PANEL_OTHERSETTING();
    m_outputMode.value1 = 3840;
    m_outputMode.value2 = 1080;
    layoutPanels();

    auto win = [&](int x, int y, int w, int h, int srcIndex) {
        Window wd;
        wd.x = uint16_t(x);
        wd.y = uint16_t(y);
        wd.width = uint16_t(w);
        wd.height = uint16_t(h);
        wd.src = uint8_t(ids.value(srcIndex % qMax(1, ids.size()), 0));
        return wd;
    };
    m_windows.clear();
    if (type() == DeviceType::KS9200) {
        // HDMI1, DVI1, HDMI2 and VGA1 of the KS9200's inputs.
        m_windows << win(0, 0, 960, 540, 6) << win(960, 0, 960, 540, 4) << win(1920, 0, 1920, 1080, 7)
                  << win(200, 600, 640, 360, 0);
    } else if (outputs == 2) {
        m_windows << win(0, 0, 1920, 1080, 2) << win(1920, 0, 1920, 1080, 1) << win(1600, 300, 640, 480, 4);
    } else {
        m_windows << win(0, 0, 1920, 1080, 2) << win(1280, 60, 560, 420, 1);
    }

    m_inputs.clear();
    m_edid.clear();
    for (int i = 0; i < ids.size(); ++i) {
        INFO_INPUTSINGLE s;
        s.srcId = uint16_t(ids[i]);
        const QString n = inputName(ids[i]);
        // HDMI and DVI inputs carry a picture, the rest are unplugged.
        if (n.startsWith("HDMI") || n.startsWith("DVI")) {
            s.width = n == "HDMI2" ? 1280 : 1920;
            s.height = n == "HDMI2" ? 720 : 1080;
            s.rate = n == "HDMI2" ? 50 : 60;
            s.hasSignal = 1;
        }
        m_inputs.append(s);
        INFO_EDID e;
        e.srcId = uint8_t(ids[i]);
        e.width = 1920;
        e.height = 1080;
        e.rate = 60;
        m_edid.append(e);
    }
    m_signalMode = 0;
    m_dviAudioMode = 0;

    m_crops.clear();
    m_quality.clear();
    m_advanced.clear();
    m_mosaics.clear();
    m_chroma.clear();
    fitPerWindowLists();

    m_presets.clear();
    m_presets.insert(0, Preset{m_panels, m_windows});
    m_presets.insert(1, Preset{m_panels, templateWindows(2)});
    m_templateId = -1;

    for (int i = 0; i < 16; ++i) {
        m_tasks[i] = INFO_TIME_TASK();
        m_tasks[i].index = uint8_t(i);
    }
    m_tasks[0].state = 1;
    m_tasks[0].taskType = 1;
    m_tasks[0].hour = 8;
    m_tasks[0].target = 0;
    m_allTasksOn = true;

    m_borders.clear();
    for (int i = 0; i < 4; ++i) {
        INFO_BORDER b;
        b.color = 1;
        b.width = 1920;
        b.height = 1080;
        b.thickness = 4;
        m_borders.append(b);
    }
    // Two entries, DVI1 and DVI2, each with its A and B switch (the host reads index as A and
    // value as B).
    m_enhance = {INFO_OUTPUT_ENHANCE{0, 0}, INFO_OUTPUT_ENHANCE{0, 0}};
    m_other = INFO_OTHER_KS9200();
    m_other.volume = 20;
    m_other.fadePeriod = 5;
    m_testPattern = 255;
    m_deviceTime = QDateTime();
}

void SimKsDevice::layoutPanels()
{
    // KX output mode: 0 side by side, 1 stacked, anything else the first output alone.
    int x = 0, y = 0;
    for (int i = 0; i < m_panels.size(); ++i) {
        INFO_PANEL &p = m_panels[i];
        if (isKx() && m_outputMode.mode > 1 && i > 0) {
            p.x = p.y = 0;
            p.width = p.height = 0;
            continue;
        }
        p.x = uint16_t(x);
        p.y = uint16_t(y);
        if (isKx() && m_outputMode.mode == 1)
            y += p.height;
        else
            x += p.width;
    }
}

void SimKsDevice::fitPerWindowLists()
{
    const int n = m_windows.size();
    while (m_crops.size() > n)
        m_crops.removeLast();
    while (m_crops.size() < n) {
        INFO_INPUTCROP c;
        c.index = uint16_t(m_crops.size());
        c.width = 1920;
        c.height = 1080;
        m_crops.append(c);
    }
    while (m_quality.size() > n)
        m_quality.removeLast();
    while (m_quality.size() < n)
        m_quality.append(defaultQuality(m_quality.size()));
    while (m_advanced.size() > n)
        m_advanced.removeLast();
    while (m_advanced.size() < n) {
        INFO_IMAGE_ADVANCED a;
        a.winId = uint8_t(m_advanced.size());
        m_advanced.append(a);
    }
    while (m_mosaics.size() > n)
        m_mosaics.removeLast();
    while (m_mosaics.size() < n) {
        INFO_MOSAIC m;
        m.winId = uint8_t(m_mosaics.size());
        m_mosaics.append(m);
    }
    while (m_chroma.size() > n)
        m_chroma.removeLast();
    while (m_chroma.size() < n) {
        INFO_CHROMA c;
        c.winId = uint8_t(m_chroma.size());
        m_chroma.append(c);
    }
}

QList<SimKsDevice::Window> SimKsDevice::templateWindows(int id) const
{
    // Template 0: one window over the whole wall; 1: two halves; 2: four quarters.
    const QRect w = wall();
    const QList<int> ids = inputIds();
    QList<QRect> rects;
    if (id == 0) {
        rects << w;
    } else if (id == 1) {
        rects << QRect(w.x(), w.y(), w.width() / 2, w.height())
              << QRect(w.x() + w.width() / 2, w.y(), w.width() - w.width() / 2, w.height());
    } else if (id == 2) {
        const int hw = w.width() / 2, hh = w.height() / 2;
        rects << QRect(0, 0, hw, hh) << QRect(hw, 0, hw, hh) << QRect(0, hh, hw, hh) << QRect(hw, hh, hw, hh);
    } else {
        return {};
    }
    QList<Window> out;
    for (int i = 0; i < rects.size(); ++i) {
        Window wd = i < m_windows.size() ? m_windows[i] : Window();
        if (i >= m_windows.size())
            wd.src = uint8_t(ids.value(i % qMax(1, ids.size()), 0));
        wd.x = uint16_t(rects[i].x());
        wd.y = uint16_t(rects[i].y());
        wd.width = uint16_t(rects[i].width());
        wd.height = uint16_t(rects[i].height());
        out.append(wd);
    }
    return out;
}

bool SimKsDevice::loadTemplate(int id)
{
    const QList<Window> w = templateWindows(id);
    if (w.isEmpty())
        return false;
    m_windows = w;
    m_templateId = id;
    fitPerWindowLists();
    return true;
}

// ---- encoders -------------------------------------------------------------------------------

QByteArray SimKsDevice::panelsPayload() const
{
    QByteArray p(1, char(m_panels.size()));
    for (const INFO_PANEL &pn : m_panels) {
        put16(p, pn.x);
        put16(p, pn.y);
        put16(p, pn.width);
        put16(p, pn.height);
        p.append(char(pn.rate));
        p.append(char(pn.index));
        p.append(char(0));
    }
    return p;
}

QByteArray SimKsDevice::outputModePayload() const
{
    QByteArray p;
    p.append(char(m_outputMode.mode));
    p.append(char(m_outputMode.mode2));
    for (int v : {m_outputMode.value1, m_outputMode.value2, m_outputMode.value3, m_outputMode.value4,
                  m_outputMode.value5, m_outputMode.value6})
        put16(p, v);
    return p;
}

QByteArray SimKsDevice::windowsPayload() const
{
    QByteArray p(1, char(m_windows.size()));
    for (const Window &w : m_windows) {
        p.append(char(w.flags));
        p.append(char(w.hasSource));
        put16(p, w.x);
        put16(p, w.y);
        put16(p, w.width);
        put16(p, w.height);
        p.append(char(w.alpha));
        p.append(char(w.src));
        p.append(char(w.partFull));
    }
    return p;
}

QByteArray SimKsDevice::rotationPayload(int win) const
{
    QByteArray p(10, 0);
    p[0] = char(win);
    p[1] = char(m_windows.value(win).rotate);
    return p;
}

QByteArray SimKsDevice::cropsPayload() const
{
    QByteArray p(1, char(m_crops.size()));
    for (const INFO_INPUTCROP &c : m_crops) {
        p.append(char(c.enable));
        put16(p, c.x);
        put16(p, c.y);
        put16(p, c.width);
        put16(p, c.height);
        p.append(char(0));
    }
    return p;
}

QByteArray SimKsDevice::inputsPayload() const
{
    QByteArray p(1, char(m_inputs.size()));
    for (const INFO_INPUTSINGLE &s : m_inputs) {
        p.append(char(s.srcId));
        put16(p, s.width);
        put16(p, s.height);
        p.append(char(s.rate));
        p.append(char(s.hasSignal));
        p.append(char(0));
        p.append(char(0));
    }
    return p;
}

QByteArray SimKsDevice::qualityPayload() const
{
    QByteArray p(1, char(m_quality.size()));
    for (const INFO_IMAGE_QUALITY &q : m_quality) {
        for (int v : {int(q.brightness), int(q.contrast), int(q.sharpness), int(q.hue), int(q.saturation),
                      int(q.redOffset), int(q.greenOffset), int(q.blueOffset), int(q.gamma), 0, 0})
            p.append(char(v));
    }
    return p;
}

QByteArray SimKsDevice::advancedPayload(int win) const
{
    QByteArray p;
    const INFO_IMAGE_ADVANCED a = m_advanced.value(win);
    for (int i = 0; i < INFO_IMAGE_ADVANCED::Size; ++i)
        p.append(char(a.byte(i)));
    p[0] = char(win);
    return p;
}

QByteArray SimKsDevice::presetPayload(int id) const
{
    const Preset pr = m_presets.value(id);
    QByteArray p;
    p.append(char(id));
    p.append(char(pr.panels.size()));
    for (const INFO_PANEL &pn : pr.panels)
        for (int v : {pn.x, pn.y, pn.width, pn.height})
            put16(p, v);
    p.append(char(pr.windows.size()));
    for (const Window &w : pr.windows)
        for (int v : {w.x, w.y, w.width, w.height})
            put16(p, v);
    return p;
}

QByteArray SimKsDevice::templatePayload() const
{
    QByteArray p;
    p.append(char(0));
    p.append(char(m_templateId));
    p.append(char(m_panels.size()));
    for (const INFO_PANEL &pn : m_panels)
        for (int v : {pn.x, pn.y, pn.width, pn.height})
            put16(p, v);
    p.append(char(m_windows.size()));
    for (const Window &w : m_windows)
        for (int v : {w.x, w.y, w.width, w.height})
            put16(p, v);
    return p;
}

QByteArray SimKsDevice::mosaicPayload(int win) const
{
    const INFO_MOSAIC m = m_mosaics.value(win);
    QByteArray p(15, 0);
    p[0] = char(win);
    p[1] = char(m.enable);
    p[2] = char(m.mode);
    if (m.mode == 1) {
        QByteArray v;
        for (int x : {m.totalWidth, m.totalHeight, m.startX, m.startY})
            put16(v, x);
        p.replace(3, 8, v);
    } else {
        p[3] = char(m.hUnits);
        p[4] = char(m.vUnits);
        p[5] = char(m.unitIndex);
    }
    p[11] = char(m.p3);
    p[12] = char(m.p4);
    p[13] = char(m.p5);
    p[14] = char(m.p6);
    return p;
}

QByteArray SimKsDevice::timeTaskPayload(int index) const
{
    const INFO_TIME_TASK &t = m_tasks[qBound(0, index, 15)];
    QByteArray p;
    for (int v : {int(t.index), m_allTasksOn ? 1 : 0, int(t.state), int(t.taskType), int(t.year),
                  int(t.month), int(t.day), int(t.hour), int(t.minute), int(t.second)})
        p.append(char(v));
    if (t.taskType <= 1) {
        p.append(char(t.target));
        p.append(QByteArray(5, 0));
    } else {
        // Cycle set, then total time, then interval.
        put16(p, t.p10);
        put16(p, t.p14);
        put16(p, t.p12);
    }
    return p;
}

QByteArray SimKsDevice::edidPayload() const
{
    QByteArray p(1, char(m_edid.size()));
    for (const INFO_EDID &e : m_edid) {
        p.append(char(e.srcId));
        put16(p, e.width);
        put16(p, e.height);
        p.append(char(e.rate));
    }
    return p;
}

QByteArray SimKsDevice::edidModesPayload() const
{
    QByteArray p(5, 0);
    p[0] = char(m_signalMode);
    p[1] = char(m_dviAudioMode);
    return p;
}

QByteArray SimKsDevice::chromaPayload() const
{
    QByteArray p(1, char(m_chroma.size()));
    for (const INFO_CHROMA &c : m_chroma) {
        p.append(char(c.winId));
        p.append(char(c.mode));
        p.append(char(c.enable));
        if (c.mode == 0) {
            p.append(char(c.presetColor));
            p.append(QByteArray(4, 0));
        } else {
            for (int v : {c.rgbFilter1, c.rgbFilter2, c.red, c.green, c.blue})
                p.append(char(v));
        }
    }
    return p;
}

QByteArray SimKsDevice::bordersPayload() const
{
    QByteArray p(1, char(m_borders.size()));
    for (const INFO_BORDER &b : m_borders) {
        p.append(char(b.enable));
        for (int v : {b.x, b.y, b.width, b.height, b.thickness})
            put16(p, v);
        p.append(char(b.color));
    }
    return p;
}

QByteArray SimKsDevice::enhancePayload() const
{
    QByteArray p(1, char(m_enhance.size()));
    for (const INFO_OUTPUT_ENHANCE &e : m_enhance) {
        p.append(char(e.index));
        p.append(char(e.value));
    }
    return p;
}

QByteArray SimKsDevice::otherPayload() const
{
    // The device sends record bytes 0..2, 4..12, then the background colour, 17..19 and last
    // the volume (record byte 3); the host reads payload byte 12 into record bytes 13 and 14.
    const INFO_OTHER_KS9200 &o = m_other;
    QByteArray p;
    for (int i : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        p.append(char(o.byte(i)));
    for (int i : {14, 15, 16, 17, 18, 19, 3})
        p.append(char(o.byte(i)));
    return p;
}

// ---- requests -------------------------------------------------------------------------------

QList<QByteArray> SimKsDevice::readReplies(uint8_t cmd, uint8_t sub) const
{
    QList<QByteArray> r;
    switch (cmd) {
    case 0xE1:
        if (sub == 1)
            r << reply(0xE1, 1, outputModePayload());
        else
            r << reply(0xE1, 0, panelsPayload());
        break;
    case 0xE2:
        if (sub == 1) {
            for (int i = 0; i < m_windows.size(); ++i)
                r << reply(0xE2, 1, rotationPayload(i));
        } else {
            r << reply(0xE2, 0, windowsPayload());
        }
        break;
    case 0xE3: r << reply(0xE3, 0, cropsPayload()); break;
    case 0xE4: r << reply(0xE4, 0, inputsPayload()); break;
    case 0xE5:
        if (sub == 1) {
            for (int i = 0; i < m_windows.size(); ++i)
                r << reply(0xE5, 1, advancedPayload(i));
        } else {
            r << reply(0xE5, 0, qualityPayload());
        }
        break;
    case 0xE6:
        for (int id : m_presets.keys())
            r << reply(0xE6, 0, presetPayload(id));
        break;
    case 0xE7:
        if (m_templateId >= 0)
            r << reply(0xE7, 0, templatePayload());
        break;
    case 0xE8:
        for (int i = 0; i < m_windows.size(); ++i)
            r << reply(0xE8, 0, mosaicPayload(i));
        break;
    case 0xE9:
        for (int i = 0; i < 16; ++i)
            r << reply(0xE9, 0, timeTaskPayload(i));
        break;
    case 0xEA:
        r << reply(0xEA, 0, edidPayload()) << reply(0xEA, 1, edidModesPayload());
        break;
    case 0xEB: r << reply(0xEB, 0, chromaPayload()); break;
    case 0xEC: r << reply(0xEC, 0, bordersPayload()); break;
    case 0xED: r << reply(0xED, 0, enhancePayload()); break;
    case 0xEE: r << reply(0xEE, 0, otherPayload()); break;
    case CmdAll: r << readAllReplies(); break;
    default: break;
    }
    return r;
}

QList<QByteArray> SimKsDevice::readAllReplies() const
{
    QList<QByteArray> r;
    r << readReplies(0xE1, 0);
    if (isKx())
        r << readReplies(0xE1, 1);
    r << readReplies(0xE2, 0);
    if (isKx())
        r << readReplies(0xE2, 1);
    r << readReplies(0xE3, 0) << readReplies(0xE4, 0) << readReplies(0xE5, 0);
    if (isKx())
        r << readReplies(0xE5, 1);
    for (uint8_t c : {0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE})
        r << readReplies(c, 0);
    r << reply(CmdAll, 0);
    return r;
}

QList<QByteArray> SimKsDevice::handleCommand(uint8_t cmd, uint8_t sub, const QByteArray &frame)
{
    if (cmd >= 0xE1 && cmd <= 0xEF)
        return readReplies(cmd, sub);
    if (cmd == 0x08) {
        const int win = p8(frame, 6), src = p8(frame, 7);
        if (faults().refuseSwitch || win >= m_windows.size() || !inputIds().contains(src))
            return {reply(0x08, 0, QByteArray(), 1)};
        m_windows[win].src = uint8_t(src);
        m_windows[win].hasSource = 1;
        return {reply(0x08, 0)};
    }
    QList<QByteArray> extra;
    const bool ok = applySetting(cmd, sub, frame, extra);
    if (!ok && extra.isEmpty() && cmd > 0x20)
        return {};
    return QList<QByteArray>{reply(cmd, sub, QByteArray(), ok ? 0 : 1)} + extra;
}

bool SimKsDevice::applyImageItem(uint8_t sub, const QByteArray &frame)
{
    const int win = p8(frame, 6), v = p8(frame, 7);
    QList<int> targets;
    for (int i = 0; i < m_windows.size(); ++i)
        if (win == 0xFF || win == i)
            targets.append(i);
    if (targets.isEmpty())
        return false;
    for (int i : targets) {
        INFO_IMAGE_QUALITY &q = m_quality[i];
        INFO_IMAGE_ADVANCED &a = m_advanced[i];
        switch (sub) {
        case 1: q.brightness = uint16_t(v); break;
        case 2: q.contrast = uint16_t(v); break;
        case 3: q.sharpness = uint16_t(v); break;
        case 4: q.hue = uint16_t(v); break;
        case 5: q.saturation = uint16_t(v); break;
        case 6: q.redOffset = int8_t(v); break;
        case 7: q.greenOffset = int8_t(v); break;
        case 8: q.blueOffset = int8_t(v); break;
        case 9: q.gamma = uint16_t(v); break;
        case 11: a.colorMode = uint8_t(v); break;
        case 0x0A:
            a.colorTempMode = uint8_t(v);
            a.colorTempRed = uint8_t(p8(frame, 8));
            a.colorTempGreen = uint8_t(p8(frame, 9));
            a.colorTempBlue = uint8_t(p8(frame, 10));
            break;
        case 0x0C: {
            const int set = p8(frame, 7);
            if (set > 2)
                return false;
            a.rgbcmy[set] = RGBCMY{uint8_t(p8(frame, 8)), uint8_t(p8(frame, 9)), uint8_t(p8(frame, 10)),
                                   uint8_t(p8(frame, 11)), uint8_t(p8(frame, 12)), uint8_t(p8(frame, 13))};
            break;
        }
        case 0x0D:
            a.clearVision = uint8_t(v);
            a.luminance = uint8_t(p8(frame, 8));
            a.skinTone = uint8_t(p8(frame, 9));
            a.gaussianBlur = uint8_t(p8(frame, 10));
            break;
        case 0x0E:
            a.colorGamut = uint8_t(v);
            a.inRange = uint8_t(p8(frame, 8));
            a.inFMT = uint8_t(p8(frame, 9));
            a.winFMT = uint8_t(p8(frame, 10));
            break;
        case 0xFF:
            q = defaultQuality(i);
            break;
        default: return false;
        }
    }
    return true;
}

bool SimKsDevice::applyTimeTask(const QByteArray &frame)
{
    const int op = p8(frame, 6), index = p8(frame, 7);
    if (op == 6 || op == 7) {
        m_allTasksOn = op == 6;
        return true;
    }
    if (index > 15)
        return false;
    INFO_TIME_TASK &t = m_tasks[index];
    if (op == 4 || op == 5) {
        t.state = op == 4;
        return true;
    }
    if (op > 3)
        return false;
    t.taskType = uint8_t(op);
    t.index = uint8_t(index);
    t.state = 1;
    t.year = uint8_t(p8(frame, 8));
    t.month = uint8_t(p8(frame, 9));
    t.day = uint8_t(p8(frame, 10));
    t.hour = uint8_t(p8(frame, 11));
    t.minute = uint8_t(p8(frame, 12));
    t.second = uint8_t(p8(frame, 13));
    if (op <= 1)
        t.target = uint8_t(p8(frame, 14));
    else
        t.p10 = int16_t(p16(frame, 14));
    t.p14 = int16_t(p16(frame, 16));
    t.p12 = int16_t(p16(frame, 18));
    return true;
}

bool SimKsDevice::applySetting(uint8_t cmd, uint8_t sub, const QByteArray &f, QList<QByteArray> &extra)
{
    const int win = p8(f, 6);
    const bool winOk = win < m_windows.size();
    switch (cmd) {
    case 0x01: return applyImageItem(sub, f);
    case 0x02:
        if (!winOk)
            return false;
        m_crops[win].enable = p8(f, 7) != 0;
        m_crops[win].x = uint16_t(p16(f, 8));
        m_crops[win].y = uint16_t(p16(f, 10));
        m_crops[win].width = uint16_t(p16(f, 12));
        m_crops[win].height = uint16_t(p16(f, 14));
        return true;
    case 0x03:
        if (!winOk)
            return false;
        if (sub == 0) {
            if (p16(f, 11) == 0 || p16(f, 13) == 0)
                return false;
            Window &w = m_windows[win];
            w.x = uint16_t(p16(f, 7));
            w.y = uint16_t(p16(f, 9));
            w.width = uint16_t(p16(f, 11));
            w.height = uint16_t(p16(f, 13));
            return true;
        }
        if (sub == 1) {
            m_windows[win].alpha = uint8_t(qMin(100, p8(f, 7)));
            return true;
        }
        if (sub == 3) {
            m_windows[win].rotate = uint8_t(p8(f, 7));
            extra << reply(0xE2, 1, rotationPayload(win));
            return true;
        }
        return false;
    case 0x04: {
        const int id = p8(f, 6);
        if (sub == 0) {
            if (!loadTemplate(id))
                return false;
            extra << reply(0xE7, 0, templatePayload());
            return true;
        }
        if (sub == 1) {
            if (!m_presets.contains(id))
                return false;
            m_windows = m_presets.value(id).windows;
            m_templateId = -1;
            fitPerWindowLists();
            return true;
        }
        if (sub == 2) {
            if (id > 31)
                return false;
            m_presets.insert(id, Preset{m_panels, m_windows});
            return true;
        }
        return false;
    }
    case 0x05:
        if (sub == 0) {
            const int out = p8(f, 6), w = p16(f, 8), h = p16(f, 10);
            if (w == 0 || h == 0 || (out != 255 && out >= m_panels.size()))
                return false;
            for (int i = 0; i < m_panels.size(); ++i) {
                if (out == 255 || out == i) {
                    m_panels[i].width = uint16_t(w);
                    m_panels[i].height = uint16_t(h);
                    m_panels[i].rate = uint16_t(p8(f, 12));
                    m_panels[i].index = uint16_t(p8(f, 7));
                }
            }
            layoutPanels();
            return true;
        }
        if (sub == 1) {
            m_outputMode.mode = uint8_t(p8(f, 6));
            m_outputMode.mode2 = uint8_t(p8(f, 7));
            for (INFO_PANEL &p : m_panels)
                if (p.width == 0)
                    p.width = 1920, p.height = 1080;
            layoutPanels();
            return true;
        }
        return false;
    case 0x06:
        if (!winOk)
            return false;
        switch (sub) {
        case 0: m_mosaics[win].enable = uint8_t(p8(f, 7)); return true;
        case 1: m_other.frameSync = uint8_t(p8(f, 7)); return true;
        case 2:
            m_mosaics[win].mode = 0;
            m_mosaics[win].hUnits = uint8_t(p8(f, 7));
            m_mosaics[win].vUnits = uint8_t(p8(f, 8));
            m_mosaics[win].unitIndex = uint8_t(p8(f, 9));
            return true;
        case 3:
            m_mosaics[win].mode = 1;
            m_mosaics[win].totalWidth = uint16_t(p16(f, 7));
            m_mosaics[win].totalHeight = uint16_t(p16(f, 9));
            m_mosaics[win].startX = uint16_t(p16(f, 11));
            m_mosaics[win].startY = uint16_t(p16(f, 13));
            return true;
        case 4:
            m_mosaics[win].p3 = uint8_t(p8(f, 7));
            m_mosaics[win].p4 = uint8_t(p8(f, 8));
            m_mosaics[win].p5 = uint8_t(p8(f, 9));
            m_mosaics[win].p6 = uint8_t(p8(f, 10));
            return true;
        default: return false;
        }
    case 0x07:
        if (sub == 0) {
            m_other.audioMode = uint8_t(p8(f, 6));
            m_other.audioWindow = uint8_t(p8(f, 7));
        } else if (sub == 1) {
            m_other.mute = uint8_t(p8(f, 6) != 0);
        } else if (sub == 2) {
            m_other.volume = uint8_t(qMin(30, p8(f, 6)));
        } else {
            return false;
        }
        return true;
    case 0x09:
        if (sub == 0) {
            m_deviceTime = QDateTime(QDate(2000 + p8(f, 6), p8(f, 7), p8(f, 8)),
                                     QTime(p8(f, 9), p8(f, 10), p8(f, 11)));
            return m_deviceTime.isValid();
        }
        return sub == 1 && applyTimeTask(f);
    case 0x0B: m_testPattern = p8(f, 6); return true;
    case 0x0C:
        if (sub == 0) {
            for (INFO_EDID &e : m_edid) {
                if (e.srcId == p8(f, 6)) {
                    e.width = uint16_t(p16(f, 7));
                    e.height = uint16_t(p16(f, 9));
                    e.rate = uint8_t(p8(f, 11));
                    return true;
                }
            }
            return false;
        }
        // Sub-command 1 sets the DVI signal mode (KS models), 2 the DVI audio input (KX models).
        if (sub == 1 || sub == 2) {
            (sub == 1 ? m_signalMode : m_dviAudioMode) = uint8_t(p8(f, 6));
            return true;
        }
        if (sub == 0xFF) {
            for (INFO_EDID &e : m_edid)
                e.width = 1920, e.height = 1080, e.rate = 60;
            return true;
        }
        return false;
    case 0x0D: {
        if (!winOk)
            return false;
        INFO_CHROMA &c = m_chroma[win];
        c.mode = uint8_t(p8(f, 7));
        c.enable = uint8_t(p8(f, 8));
        if (c.mode == 0) {
            c.presetColor = uint8_t(p8(f, 9));
        } else {
            c.rgbFilter1 = uint8_t(p8(f, 9));
            c.rgbFilter2 = uint8_t(p8(f, 10));
            c.red = uint8_t(p8(f, 11));
            c.green = uint8_t(p8(f, 12));
            c.blue = uint8_t(p8(f, 13));
        }
        return true;
    }
    case 0x0E: m_other.pip = uint8_t(p8(f, 6) != 0); return true;
    case 0x10: m_other.freeze = uint8_t(p8(f, 6) != 0); return true;
    case 0x11:
        m_other.switchMode = uint8_t(p8(f, 6));
        m_other.fadePeriod = uint8_t(p8(f, 7));
        return true;
    case 0x12: return winOk;
    case 0x13: m_other.blackScreen = uint8_t(p8(f, 6) != 0); return true;
    case 0x14: return sub <= 1;
    case 0x15:
        m_other.bgEnable = uint8_t(p8(f, 6));
        m_other.bgRed = uint8_t(p8(f, 7));
        m_other.bgGreen = uint8_t(p8(f, 8));
        m_other.bgBlue = uint8_t(p8(f, 9));
        m_other.other13 = m_other.bgRed;
        return true;
    case 0x16: {
        const int sel = p8(f, 6);
        if (sel >= m_borders.size())
            return false;
        INFO_BORDER &b = m_borders[sel];
        b.enable = uint8_t(p8(f, 7));
        b.x = uint16_t(p16(f, 8));
        b.y = uint16_t(p16(f, 10));
        b.width = uint16_t(p16(f, 12));
        b.height = uint16_t(p16(f, 14));
        b.thickness = uint16_t(p16(f, 16));
        b.color = uint8_t(p8(f, 18));
        return true;
    }
    case 0x17:
        for (int i = 0; i < m_enhance.size() && i < 2; ++i) {
            m_enhance[i].index = uint8_t(p8(f, 6 + 2 * i) != 0);
            m_enhance[i].value = uint8_t(p8(f, 7 + 2 * i) != 0);
        }
        return true;
    case 0x18: resetState(); return true;
    case 0x20: return type() != DeviceType::KS9200 && sub <= 3;
    default: return false;
    }
}

// ---- JSON -----------------------------------------------------------------------------------

bool SimKsDevice::loadState(const QJsonObject &state, QString *error)
{
    bool ok = true;
    if (state.contains("panels")) {
        QList<INFO_PANEL> panels;
        for (const QJsonValue &v : state.value("panels").toArray()) {
            const QJsonObject o = v.toObject();
            INFO_PANEL p;
            p.id = uint16_t(panels.size());
            p.x = uint16_t(jsonInt(o, "x", 0, 0, 65535, ok));
            p.y = uint16_t(jsonInt(o, "y", 0, 0, 65535, ok));
            p.width = uint16_t(jsonInt(o, "width", 1920, 0, 65535, ok));
            p.height = uint16_t(jsonInt(o, "height", 1080, 0, 65535, ok));
            p.rate = uint16_t(jsonInt(o, "rate", 60, 0, 127, ok));
            p.index = uint16_t(jsonInt(o, "index", 0, 0, 127, ok));
            panels.append(p);
        }
        if (panels.size() > 22)
            ok = false;
        m_panels = panels;
    }
    if (state.contains("windows")) {
        QList<Window> windows;
        for (const QJsonValue &v : state.value("windows").toArray()) {
            const QJsonObject o = v.toObject();
            Window w;
            w.x = uint16_t(jsonInt(o, "x", 0, 0, 65535, ok));
            w.y = uint16_t(jsonInt(o, "y", 0, 0, 65535, ok));
            w.width = uint16_t(jsonInt(o, "width", 640, 1, 65535, ok));
            w.height = uint16_t(jsonInt(o, "height", 360, 1, 65535, ok));
            w.src = uint8_t(jsonInt(o, "src", 0, 0, 255, ok));
            w.alpha = uint8_t(jsonInt(o, "alpha", 100, 0, 100, ok));
            w.flags = uint8_t(jsonInt(o, "flags", 0, 0, 255, ok));
            w.partFull = uint8_t(jsonInt(o, "partFull", 0, 0, 255, ok));
            w.rotate = uint8_t(jsonInt(o, "rotate", 0, 0, 255, ok));
            windows.append(w);
        }
        if (windows.size() > MaxWindows)
            ok = false;
        m_windows = windows.mid(0, MaxWindows);
        fitPerWindowLists();
    }
    if (state.contains("inputs")) {
        for (const QJsonValue &v : state.value("inputs").toArray()) {
            const QJsonObject o = v.toObject();
            const int src = jsonInt(o, "src", -1, 0, 255, ok);
            for (INFO_INPUTSINGLE &s : m_inputs) {
                if (s.srcId != src)
                    continue;
                s.width = uint16_t(jsonInt(o, "width", s.width, 0, 65535, ok));
                s.height = uint16_t(jsonInt(o, "height", s.height, 0, 65535, ok));
                s.rate = int16_t(jsonInt(o, "rate", s.rate, -128, 127, ok));
                s.hasSignal = uint8_t(jsonInt(o, "signal", s.hasSignal, 0, 1, ok));
            }
        }
    }
    if (state.contains("outputMode"))
        m_outputMode.mode = uint8_t(jsonInt(state, "outputMode", 0, 0, 255, ok));
    if (state.contains("other")) {
        const QJsonArray a = state.value("other").toArray();
        for (int i = 0; i < a.size() && i < INFO_OTHER_KS9200::Size; ++i)
            m_other.setByte(i, uint8_t(a.at(i).toInt()));
    }
    layoutPanels();
    if (!ok && error)
        *error = QStringLiteral("bad KS state value (numbers out of range or too many entries)");
    return ok;
}

QJsonObject SimKsDevice::stateJson() const
{
    QJsonArray panels, windows, inputs;
    for (const INFO_PANEL &p : m_panels)
        panels.append(QJsonObject{{"x", p.x}, {"y", p.y}, {"width", p.width}, {"height", p.height},
                                  {"rate", p.rate}, {"index", p.index}});
    for (const Window &w : m_windows)
        windows.append(QJsonObject{{"x", w.x}, {"y", w.y}, {"width", w.width}, {"height", w.height},
                                   {"src", w.src}, {"alpha", w.alpha}, {"rotate", w.rotate}});
    for (const INFO_INPUTSINGLE &s : m_inputs)
        inputs.append(QJsonObject{{"src", s.srcId}, {"width", s.width}, {"height", s.height},
                                  {"rate", s.rate}, {"signal", s.hasSignal}});
    QJsonArray other;
    for (int i = 0; i < INFO_OTHER_KS9200::Size; ++i)
        other.append(m_other.byte(i));
    // Every stored setting, for tests that compare two devices (configuration restores).
    QJsonArray crops, quality, advanced, mosaics, tasks, edid, chroma, borders, enhance;
    for (const INFO_INPUTCROP &c : m_crops)
        crops.append(QJsonObject{{"enable", c.enable}, {"x", c.x}, {"y", c.y}, {"width", c.width}, {"height", c.height}});
    for (const INFO_IMAGE_QUALITY &q : m_quality)
        quality.append(QJsonArray{q.brightness, q.contrast, q.sharpness, q.hue, q.saturation, q.redOffset,
                                  q.greenOffset, q.blueOffset, q.gamma});
    for (const INFO_IMAGE_ADVANCED &a : m_advanced) {
        QJsonArray bytes;
        for (int i = 1; i < INFO_IMAGE_ADVANCED::Size; ++i)
            bytes.append(a.byte(i));
        advanced.append(bytes);
    }
    for (const INFO_MOSAIC &m : m_mosaics)
        mosaics.append(QJsonArray{m.enable, m.mode, m.p3, m.p4, m.p5, m.p6, m.hUnits, m.vUnits, m.unitIndex,
                                  m.totalWidth, m.totalHeight, m.startX, m.startY});
    for (const INFO_TIME_TASK &t : m_tasks)
        tasks.append(QJsonArray{t.state, t.taskType, t.year, t.month, t.day, t.hour, t.minute, t.second,
                                t.target, t.p10, t.p12, t.p14});
    for (const INFO_EDID &e : m_edid)
        edid.append(QJsonArray{e.srcId, e.width, e.height, e.rate});
    for (const INFO_CHROMA &c : m_chroma)
        chroma.append(QJsonArray{c.mode, c.enable, c.presetColor, c.rgbFilter1, c.rgbFilter2, c.red, c.green, c.blue});
    for (const INFO_BORDER &b : m_borders)
        borders.append(QJsonArray{b.enable, b.color, b.x, b.y, b.width, b.height, b.thickness});
    for (const INFO_OUTPUT_ENHANCE &e : m_enhance)
        enhance.append(QJsonArray{e.index, e.value});
    QJsonObject presetLayouts;
    for (auto it = m_presets.cbegin(); it != m_presets.cend(); ++it) {
        QJsonArray rects;
        for (const Window &w : it->windows)
            rects.append(QJsonArray{w.x, w.y, w.width, w.height});
        QJsonArray outputs;
        for (const INFO_PANEL &p : it->panels)
            outputs.append(QJsonArray{p.x, p.y, p.width, p.height});
        presetLayouts.insert(QString::number(it.key()), QJsonObject{{"outputs", outputs}, {"windows", rects}});
    }
    return QJsonObject{{"panels", panels}, {"windows", windows}, {"inputs", inputs},
                       {"outputMode", m_outputMode.mode}, {"outputExchange", m_outputMode.mode2}, {"other", other},
                       {"presets", QJsonArray::fromVariantList([this] {
                            QVariantList l;
                            for (int id : m_presets.keys())
                                l << id;
                            return l;
                        }())},
                       {"presetLayouts", presetLayouts}, {"crops", crops}, {"quality", quality},
                       {"advanced", advanced}, {"mosaics", mosaics}, {"tasks", tasks}, {"allTasksOn", m_allTasksOn},
                       {"edid", edid}, {"signalMode", m_signalMode}, {"dviAudioMode", m_dviAudioMode},
                       {"chroma", chroma}, {"borders", borders}, {"enhance", enhance}, {"templateId", m_templateId}};
}
