#include "SimGwDevice.h"

#include "FrameCodec.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRect>

namespace {
QRect toQRect(const SimGwDevice::Rect &r) { return QRect(r.x, r.y, r.width, r.height); }
} // namespace

SimGwDevice::SimGwDevice(const Identity &identity) : SimDevice(identity) { resetState(); }

int SimGwDevice::activeAreas() const { return qMin<int>(m_row * m_col, outputSlots()); }

void SimGwDevice::resetState()
{
    m_row = 2;
    m_col = 4;
    m_arrangement = 0;
    m_resIndex = 1;
    m_resWidth = 1920;
    m_resHeight = 1080;
    m_rate = 60;
    m_freeze = m_black = m_frameSync = 0;
    m_hold = 1;
    for (int i = 0; i < Slots; ++i) {
        m_mappings[i] = INFO_MAPPING();
        m_mappings[i].port = uint8_t(i);
        m_mappings[i].area = uint8_t(i < outputSlots() ? i : 255);
        m_inputs[i] = Input();
    }
    layoutAreas();
    // Inputs 0..2 carry a picture; card 0 is HDMI, card 1 DVI.
    const uint16_t sizes[3][3] = {{1920, 1080, 60}, {1280, 720, 60}, {3840, 2160, 30}};
    for (int i = 0; i < inputSlots() && i < Slots; ++i) {
        m_inputs[i].kind = uint8_t(i < 4 ? 2 : 1);
        if (i < 3) {
            m_inputs[i].width = sizes[i][0];
            m_inputs[i].height = sizes[i][1];
            m_inputs[i].rate = uint8_t(sizes[i][2]);
            m_inputs[i].signal = 1;
        }
    }
    m_windows.clear();
    auto win = [](int x, int y, int w, int h, int src, int layer) {
        Window wd;
        wd.rect = Rect{uint16_t(x), uint16_t(y), uint16_t(w), uint16_t(h)};
        wd.src = uint8_t(src);
        wd.layer = uint8_t(layer);
        return wd;
    };
    m_windows.insert(0, win(0, 0, 1920, 1080, 0, 1));
    m_windows.insert(1, win(1920, 0, 3840, 1080, 1, 2));
    m_windows.insert(2, win(600, 1300, 1280, 720, 2, 3));
    m_quality.clear();
    for (int id : m_windows.keys())
        m_quality.insert(id, Quality());
    placeWindows();
    m_presets.clear();
    m_presets.insert(0, Preset{m_windows});
    Preset quad;
    for (int i = 0; i < 4; ++i)
        quad.windows.insert(i, win((i % 2) * 3840, (i / 2) * 1080, 3840, 1080, i % 3, i + 1));
    m_presets.insert(1, quad);
}

void SimGwDevice::layoutAreas()
{
    for (int k = 0; k < Slots; ++k)
        m_areas[k] = Area();
    for (int i = 0; i < m_row; ++i) {
        for (int j = 0; j < m_col; ++j) {
            const int a = m_arrangement ? m_row * j + i : m_col * i + j;
            if (a >= outputSlots())
                continue;
            m_areas[a].number = uint8_t(a);
            m_areas[a].rect = Rect{uint16_t(j * m_resWidth), uint16_t(i * m_resHeight), m_resWidth, m_resHeight};
        }
    }
}

void SimGwDevice::placeWindows()
{
    // A plain placement for the device's own layouts: every port mapped to an area shows the
    // piece of the first window (by number) that covers part of that area.
    for (int p = 0; p < Slots; ++p)
        m_ports[p] = Port();
    for (int k = 0; k < Slots; ++k)
        for (uint8_t &t : m_areas[k].trail)
            t = 0;
    for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it) {
        const QRect w = toQRect(it.value().rect);
        for (int p = 0; p < outputSlots(); ++p) {
            const int a = m_mappings[p].area;
            if (a >= outputSlots() || m_areas[a].number == 255 || m_ports[p].win != 255)
                continue;
            const QRect ar = toQRect(m_areas[a].rect);
            const QRect piece = w & ar;
            if (piece.isEmpty())
                continue;
            Port &port = m_ports[p];
            port.win = uint8_t(it.key());
            port.rect = Rect{uint16_t(piece.x() - ar.x()), uint16_t(piece.y() - ar.y()), uint16_t(piece.width()),
                             uint16_t(piece.height())};
            port.cropEnable = 1;
            port.crop = Rect{uint16_t(piece.x() - w.x()), uint16_t(piece.y() - w.y()), uint16_t(piece.width()),
                             uint16_t(piece.height())};
            m_areas[a].trail[p % 4] = 4;
        }
    }
}

// ---- encoders -------------------------------------------------------------------------------

QByteArray SimGwDevice::panelPayload(int area) const
{
    const Area &a = m_areas[qBound(0, area, Slots - 1)];
    QByteArray p(1, char(area));
    for (int v : {a.rect.x, a.rect.y, a.rect.width, a.rect.height})
        put16(p, v);
    p.append(QByteArray(2, 0));
    return p;
}

QByteArray SimGwDevice::resolutionPayload() const
{
    QByteArray p(1, char(m_resIndex));
    put16(p, m_resWidth);
    put16(p, m_resHeight);
    for (int v : {int(m_rate), int(m_row), int(m_col), int(m_arrangement)})
        p.append(char(v));
    return p;
}

QByteArray SimGwDevice::mappingPayload(int port) const
{
    const INFO_MAPPING &m = m_mappings[qBound(0, port, Slots - 1)];
    QByteArray p;
    for (int v : {m.port, m.area, m.other2, m.other3, m.other4, m.other5})
        p.append(char(v));
    return p;
}

QByteArray SimGwDevice::windowPayload(int win) const
{
    const Window w = m_windows.value(win);
    QByteArray p(1, char(win));
    for (int v : {w.rect.x, w.rect.y, w.rect.width, w.rect.height})
        put16(p, v);
    for (int v : {int(w.src), int(w.layer), int(w.alpha), 0})
        p.append(char(v));
    return p;
}

QByteArray SimGwDevice::windowPartPayload(int port) const
{
    const Port &pt = m_ports[qBound(0, port, Slots - 1)];
    QByteArray p(1, char(port));
    for (int v : {pt.rect.x, pt.rect.y, pt.rect.width, pt.rect.height})
        put16(p, v);
    p.append(char(pt.win));
    p.append(char(0));
    return p;
}

QByteArray SimGwDevice::cropPayload(int win) const
{
    const Window w = m_windows.value(win);
    QByteArray p;
    p.append(char(win));
    p.append(char(w.cropEnable));
    for (int v : {w.crop.x, w.crop.y, w.crop.width, w.crop.height})
        put16(p, v);
    p.append(char(0));
    return p;
}

QByteArray SimGwDevice::portCropPayload(int port) const
{
    const Port &pt = m_ports[qBound(0, port, Slots - 1)];
    QByteArray p;
    p.append(char(port));
    p.append(char(pt.cropEnable));
    for (int v : {pt.crop.x, pt.crop.y, pt.crop.width, pt.crop.height})
        put16(p, v);
    p.append(char(0));
    return p;
}

QByteArray SimGwDevice::inputPayload(int input) const
{
    const Input &in = m_inputs[qBound(0, input, Slots - 1)];
    QByteArray p(1, char(input));
    put16(p, in.width);
    put16(p, in.height);
    p.append(char(in.rate));
    p.append(QByteArray(4, 0));
    return p;
}

QByteArray SimGwDevice::presencePayload(int input) const
{
    const Input &in = m_inputs[qBound(0, input, Slots - 1)];
    QByteArray p;
    p.append(char(input));
    p.append(char(in.signal));
    p.append(char(in.kind));
    p.append(QByteArray(2, 0));
    return p;
}

QByteArray SimGwDevice::qualityPayload(int win) const
{
    const Quality q = m_quality.value(win);
    QByteArray p(1, char(win));
    for (int8_t v : q.v)
        p.append(char(v));
    p.append(char(0));
    return p;
}

QByteArray SimGwDevice::presetPanelPayload(int id) const
{
    QByteArray p;
    p.append(char(id));
    QByteArray entries;
    int n = 0;
    for (int a = 0; a < activeAreas() && n < 24; ++a, ++n) {
        entries.append(char(a));
        for (int v : {m_areas[a].rect.x, m_areas[a].rect.y, m_areas[a].rect.width, m_areas[a].rect.height})
            put16(entries, v);
    }
    p.append(char(n));
    p.append(entries);
    return p;
}

QByteArray SimGwDevice::presetWindowPayload(int id) const
{
    const Preset pr = m_presets.value(id);
    QByteArray p;
    p.append(char(id));
    QByteArray entries;
    int n = 0;
    for (auto it = pr.windows.cbegin(); it != pr.windows.cend() && n < 24; ++it, ++n) {
        entries.append(char(it.key()));
        for (int v : {it->rect.x, it->rect.y, it->rect.width, it->rect.height})
            put16(entries, v);
        entries.append(char(it->src));
    }
    p.append(char(n));
    p.append(entries);
    return p;
}

QByteArray SimGwDevice::edidPayload(int input) const
{
    const Input &in = m_inputs[qBound(0, input, Slots - 1)];
    QByteArray p(1, char(input));
    put16(p, in.edid.width);
    put16(p, in.edid.height);
    p.append(char(in.edidRate));
    return p;
}

QByteArray SimGwDevice::otherPayload() const
{
    // Black screen comes before freeze on the wire.
    QByteArray p;
    for (int v : {0, m_outputCards, m_inputCards, int(m_black), int(m_freeze), int(m_frameSync)})
        p.append(char(v));
    return p;
}

// ---- requests -------------------------------------------------------------------------------

QList<QByteArray> SimGwDevice::readReplies(uint8_t cmd, uint8_t sub) const
{
    Q_UNUSED(sub)
    QList<QByteArray> r;
    switch (cmd) {
    case 0xE1:
        r << reply(0xE1, 1, resolutionPayload());
        for (int a = 0; a < outputSlots(); ++a)
            if (m_areas[a].number != 255)
                r << reply(0xE1, 0, panelPayload(a));
        for (int p = 0; p < outputSlots(); ++p)
            r << reply(0xE1, 2, mappingPayload(p));
        break;
    case 0xE2:
        for (int id : m_windows.keys())
            r << reply(0xE2, 0, windowPayload(id));
        for (int p = 0; p < outputSlots(); ++p)
            if (m_ports[p].win != 255)
                r << reply(0xE2, 1, windowPartPayload(p));
        break;
    case 0xE3:
        for (int id : m_windows.keys())
            r << reply(0xE3, 0, cropPayload(id));
        for (int p = 0; p < outputSlots(); ++p)
            if (m_ports[p].win != 255)
                r << reply(0xE3, 1, portCropPayload(p));
        break;
    case 0xE4:
        for (int i = 0; i < inputSlots(); ++i)
            r << reply(0xE4, 0, inputPayload(i));
        for (int i = 0; i < inputSlots(); ++i)
            r << reply(0xE4, 1, presencePayload(i));
        break;
    case 0xE5:
        for (int id : m_windows.keys())
            r << reply(0xE5, 0, qualityPayload(id));
        break;
    case 0xE6:
        for (int id : m_presets.keys()) {
            if (activeAreas() > 0)
                r << reply(0xE6, 0, presetPanelPayload(id));
            if (!m_presets.value(id).windows.isEmpty())
                r << reply(0xE6, 1, presetWindowPayload(id));
        }
        break;
    case 0xEA:
        for (int i = 0; i < inputSlots(); ++i)
            r << reply(0xEA, 0, edidPayload(i));
        break;
    case 0xEE: r << reply(0xEE, 0, otherPayload()); break;
    case 0xEF: r << readAllReplies(); break;
    default: break;
    }
    return r;
}

QList<QByteArray> SimGwDevice::readAllReplies() const
{
    // Card counts first: the host's matrix accepts slots only within them.
    QList<QByteArray> r = readReplies(0xEE, 0);
    for (uint8_t c : {0xE1, 0xE4, 0xE2, 0xE3, 0xE5, 0xE6, 0xEA})
        r << readReplies(c, 0);
    r << reply(0xEF, 0);
    return r;
}

QList<QByteArray> SimGwDevice::handleCommand(uint8_t cmd, uint8_t sub, const QByteArray &frame)
{
    if (cmd >= 0xE1 && cmd <= 0xEF)
        return readReplies(cmd, sub);
    if (cmd == Frame::CmdUpgrade) {
        m_upgrade.setFaults(faults().upgradeIgnoreBoot, faults().upgradeFailBlock);
        const bool wasComplete = m_upgrade.complete();
        const QList<QByteArray> r = m_upgrade.handle(sub, frame);
        if (m_upgrade.complete() && !wasComplete)
            saveImage();
        return r;
    }
    if (cmd == 0x08) {
        const int win = p8(frame, 6), src = p8(frame, 7);
        if (faults().refuseSwitch || !m_windows.contains(win) || src >= inputSlots())
            return {reply(0x08, 0, QByteArray(), 1)};
        m_windows[win].src = uint8_t(src);
        return {reply(0x08, 0)};
    }
    const bool ok = applySetting(cmd, sub, frame);
    if (!ok && cmd > 0x20 && cmd != 0xF1)
        return {};
    return {reply(cmd, sub, QByteArray(), ok ? 0 : 1)};
}

bool SimGwDevice::applySetting(uint8_t cmd, uint8_t sub, const QByteArray &f)
{
    const int n = p8(f, 6);
    auto rectAt = [&](int at) {
        return Rect{uint16_t(p16(f, at)), uint16_t(p16(f, at + 2)), uint16_t(p16(f, at + 4)), uint16_t(p16(f, at + 6))};
    };
    switch (cmd) {
    case 0x01: {
        QList<int> targets;
        for (int id : m_windows.keys())
            if (n == 0xFF || n == id)
                targets << id;
        if (targets.isEmpty() || (sub != 0xFF && (sub < 1 || sub > 11)))
            return false;
        for (int id : targets) {
            if (sub == 0xFF)
                m_quality[id] = Quality();
            else
                m_quality[id].v[sub - 1] = int8_t(p8(f, 7));
        }
        return true;
    }
    case 0x02:
        if (sub == 0) {
            if (!m_windows.contains(n))
                return false;
            m_windows[n].cropEnable = uint8_t(p8(f, 7) != 0);
            m_windows[n].crop = rectAt(8);
            return true;
        }
        if (sub == 1) {
            if (n >= outputSlots())
                return false;
            m_ports[n].cropEnable = uint8_t(p8(f, 7));
            m_ports[n].crop = rectAt(8);
            return true;
        }
        return false;
    case 0x03:
        switch (sub) {
        case 0: {
            const Rect r = rectAt(7);
            if (n >= outputSlots() || r.width == 0 || r.height == 0)
                return false;
            Window &w = m_windows[n]; // opened when new
            w.rect = r;
            w.layer = uint8_t(p8(f, 15));
            if (!m_quality.contains(n))
                m_quality.insert(n, Quality());
            return true;
        }
        case 1:
            if (!m_windows.contains(n))
                return false;
            m_windows[n].alpha = uint8_t(qMin(100, p8(f, 7)));
            return true;
        case 2:
            if (!m_windows.remove(n))
                return false;
            m_quality.remove(n);
            for (int p = 0; p < Slots; ++p)
                if (m_ports[p].win == n)
                    m_ports[p] = Port();
            return true;
        case 3:
            if (n >= outputSlots())
                return false;
            m_ports[n].rect = rectAt(7);
            m_ports[n].win = uint8_t(p8(f, 15));
            return true;
        default: return false;
        }
    case 0x04:
        if (sub == 0) {
            if (n > 1)
                return false;
            m_windows.clear();
            m_quality.clear();
            if (n == 1) {
                // One window per display area.
                for (int a = 0; a < activeAreas(); ++a) {
                    Window w;
                    w.rect = m_areas[a].rect;
                    w.src = uint8_t(inputSlots() ? a % inputSlots() : 0);
                    w.layer = uint8_t(a + 1);
                    m_windows.insert(a, w);
                    m_quality.insert(a, Quality());
                }
            }
            placeWindows();
            return true;
        }
        if (sub == 1) {
            if (!m_presets.contains(n))
                return false;
            m_windows = m_presets.value(n).windows;
            m_quality.clear();
            for (int id : m_windows.keys())
                m_quality.insert(id, Quality());
            placeWindows();
            return true;
        }
        if (sub == 2) {
            if (n > 31)
                return false;
            m_presets.insert(n, Preset{m_windows});
            return true;
        }
        return false;
    case 0x05:
        switch (sub) {
        case 0:
            if (p16(f, 8) == 0 || p16(f, 10) == 0)
                return false;
            m_resIndex = uint16_t(p8(f, 7));
            m_resWidth = uint16_t(p16(f, 8));
            m_resHeight = uint16_t(p16(f, 10));
            m_rate = uint8_t(p8(f, 12));
            return true;
        case 1:
            if (n >= outputSlots())
                return false;
            m_areas[n].number = uint8_t(n);
            m_areas[n].rect = rectAt(7);
            for (uint8_t &t : m_areas[n].trail)
                t = 0;
            return true;
        case 2:
            if (n >= outputSlots())
                return false;
            for (int i = 0; i < 4; ++i)
                m_areas[n].trail[i] = uint8_t(p8(f, 7 + i));
            return true;
        case 3: {
            const int rows = p8(f, 6), cols = p8(f, 7);
            if (rows == 0 || cols == 0 || rows * cols > outputSlots())
                return false;
            m_row = uint8_t(rows);
            m_col = uint8_t(cols);
            m_arrangement = uint8_t(p8(f, 8));
            for (int k = 0; k < outputSlots(); ++k)
                m_areas[k].number = uint8_t(k < rows * cols ? k : 255);
            return true;
        }
        case 4: {
            const int area = p8(f, 7);
            if (n >= outputSlots() || area >= outputSlots())
                return false;
            m_mappings[n].area = uint8_t(area);
            return true;
        }
        default: return false;
        }
    case 0x06:
        if (sub != 1)
            return false;
        m_frameSync = uint8_t(p8(f, 7) != 0);
        return true;
    case 0x0C:
        if (sub != 0 || n >= inputSlots())
            return false;
        m_inputs[n].edid = Rect{0, 0, uint16_t(p16(f, 7)), uint16_t(p16(f, 9))};
        m_inputs[n].edidRate = uint8_t(p8(f, 11));
        return true;
    case 0x10: m_freeze = uint8_t(n != 0); return true;
    case 0x13: m_black = uint8_t(n != 0); return true;
    case 0x18: resetState(); return true;
    case 0xF1: m_hold = uint8_t(n); return true;
    default: return false;
    }
}

void SimGwDevice::saveImage()
{
    if (imageDir().isEmpty())
        return;
    static const char *kinds[] = {"host", "input", "output"};
    const int t = m_upgrade.fileType();
    const QString kind = t >= 0 && t <= 2 ? QString::fromLatin1(kinds[t]) : QString::number(t);
    QDir().mkpath(imageDir());
    const QString path = QDir(imageDir()).filePath(cpuid() + QLatin1Char('-') + kind + QLatin1String(".bin"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(m_upgrade.image()) == m_upgrade.image().size())
        m_savedImage = path;
}

// ---- JSON -----------------------------------------------------------------------------------

bool SimGwDevice::loadState(const QJsonObject &state, QString *error)
{
    bool ok = true;
    const int outCards = jsonInt(state, "outputCards", m_outputCards, 1, 8, ok);
    const int inCards = jsonInt(state, "inputCards", m_inputCards, 0, 8, ok);
    const int rows = jsonInt(state, "rows", m_row, 1, 8, ok);
    const int cols = jsonInt(state, "cols", m_col, 1, 8, ok);
    if (rows * cols > outCards * 4)
        ok = false;
    if (!ok) {
        if (error)
            *error = QStringLiteral("bad GW layout: cards 1..8, rows x cols at most 4 per output card");
        return false;
    }
    const bool chassisChanged = outCards != m_outputCards || inCards != m_inputCards;
    m_outputCards = outCards;
    m_inputCards = inCards;
    if (chassisChanged)
        resetState();
    m_row = uint8_t(rows);
    m_col = uint8_t(cols);
    m_arrangement = uint8_t(jsonInt(state, "arrangement", m_arrangement, 0, 1, ok));
    m_resWidth = uint16_t(jsonInt(state, "areaWidth", m_resWidth, 64, 8192, ok));
    m_resHeight = uint16_t(jsonInt(state, "areaHeight", m_resHeight, 64, 8192, ok));
    for (int i = 0; i < Slots; ++i)
        m_mappings[i].area = uint8_t(i < outputSlots() ? i : 255);
    layoutAreas();
    if (state.contains("inputs")) {
        for (const QJsonValue &v : state.value("inputs").toArray()) {
            const QJsonObject o = v.toObject();
            const int id = jsonInt(o, "id", -1, 0, Slots - 1, ok);
            if (id < 0 || id >= inputSlots()) {
                ok = false;
                continue;
            }
            Input &in = m_inputs[id];
            in.width = uint16_t(jsonInt(o, "width", in.width, 0, 65535, ok));
            in.height = uint16_t(jsonInt(o, "height", in.height, 0, 65535, ok));
            in.rate = uint8_t(jsonInt(o, "rate", in.rate, 0, 255, ok));
            in.signal = uint8_t(jsonInt(o, "signal", in.signal, 0, 1, ok));
            in.kind = uint8_t(jsonInt(o, "kind", in.kind, 0, 255, ok));
        }
    }
    if (state.contains("windows")) {
        m_windows.clear();
        m_quality.clear();
        for (const QJsonValue &v : state.value("windows").toArray()) {
            const QJsonObject o = v.toObject();
            const int id = jsonInt(o, "id", m_windows.size(), 0, Slots - 1, ok);
            if (id >= outputSlots()) {
                ok = false;
                continue;
            }
            Window w;
            w.rect = Rect{uint16_t(jsonInt(o, "x", 0, 0, 65535, ok)), uint16_t(jsonInt(o, "y", 0, 0, 65535, ok)),
                          uint16_t(jsonInt(o, "width", 1920, 1, 65535, ok)),
                          uint16_t(jsonInt(o, "height", 1080, 1, 65535, ok))};
            w.src = uint8_t(jsonInt(o, "src", 0, 0, 255, ok));
            w.layer = uint8_t(jsonInt(o, "layer", id + 1, 0, 255, ok));
            w.alpha = uint8_t(jsonInt(o, "alpha", 100, 0, 100, ok));
            m_windows.insert(id, w);
            m_quality.insert(id, Quality());
        }
    }
    placeWindows();
    if (!ok && error)
        *error = QStringLiteral("bad GW state value (numbers out of range or slots beyond the cards)");
    return ok;
}

QJsonObject SimGwDevice::stateJson() const
{
    QJsonArray windows, inputs, areas;
    for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it) {
        const Rect &c = it->crop;
        const Quality q = m_quality.value(it.key());
        QJsonArray picture;
        for (int8_t v : q.v)
            picture.append(v);
        windows.append(QJsonObject{{"id", it.key()}, {"x", it->rect.x}, {"y", it->rect.y},
                                   {"width", it->rect.width}, {"height", it->rect.height},
                                   {"src", it->src}, {"layer", it->layer}, {"alpha", it->alpha},
                                   {"crop", QJsonArray{it->cropEnable, c.x, c.y, c.width, c.height}},
                                   {"picture", picture}});
    }
    QJsonArray edid, mappings;
    for (int i = 0; i < inputSlots(); ++i)
        edid.append(QJsonArray{i, m_inputs[i].edid.width, m_inputs[i].edid.height, m_inputs[i].edidRate});
    for (int p = 0; p < outputSlots(); ++p)
        mappings.append(m_mappings[p].area);
    QJsonObject presetLayouts;
    for (auto it = m_presets.cbegin(); it != m_presets.cend(); ++it) {
        QJsonArray list;
        for (auto w = it->windows.cbegin(); w != it->windows.cend(); ++w)
            list.append(QJsonArray{w.key(), w->rect.x, w->rect.y, w->rect.width, w->rect.height, w->src});
        presetLayouts.insert(QString::number(it.key()), list);
    }
    for (int i = 0; i < inputSlots(); ++i)
        inputs.append(QJsonObject{{"id", i}, {"width", m_inputs[i].width}, {"height", m_inputs[i].height},
                                  {"rate", m_inputs[i].rate}, {"signal", m_inputs[i].signal}});
    for (int a = 0; a < outputSlots(); ++a)
        if (m_areas[a].number != 255)
            areas.append(QJsonObject{{"id", a}, {"x", m_areas[a].rect.x}, {"y", m_areas[a].rect.y},
                                     {"width", m_areas[a].rect.width}, {"height", m_areas[a].rect.height},
                                     {"mappedPorts", [&] {
                                          QJsonArray ports;
                                          for (int p = 0; p < outputSlots(); ++p)
                                              if (m_mappings[p].area == a)
                                                  ports.append(p);
                                          return ports;
                                      }()}});
    return QJsonObject{{"outputCards", m_outputCards}, {"inputCards", m_inputCards}, {"rows", m_row},
                       {"cols", m_col}, {"arrangement", m_arrangement}, {"areaWidth", m_resWidth},
                       {"areaHeight", m_resHeight}, {"windows", windows}, {"inputs", inputs},
                       {"areas", areas}, {"freeze", m_freeze}, {"blackScreen", m_black},
                       {"frameSync", m_frameSync}, {"resolutionIndex", m_resIndex}, {"rate", m_rate},
                       {"edid", edid}, {"mappings", mappings}, {"presetLayouts", presetLayouts}};
}
