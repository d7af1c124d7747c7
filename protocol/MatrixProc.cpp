#include "MatrixProc.h"

#include "CommandFrame.h"

#include <QDebug>
#include <algorithm>

namespace GW5 {

bool operator==(const WindowRecord &a, const WindowRecord &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height && a.srcX == b.srcX
        && a.srcY == b.srcY && a.srcW == b.srcW && a.srcH == b.srcH && a.winId == b.winId && a.area == b.area
        && a.b18 == b.b18 && a.flag == b.flag && a.layer == b.layer && a.source == b.source
        && a.transparency == b.transparency;
}

bool AreaRecord::sameMarks(const AreaRecord &o) const
{
    return std::equal(marks, marks + PortsPerCard, o.marks);
}

MatrixProc::MatrixProc(QObject *parent) : QObject(parent) {}

MatrixProc::~MatrixProc() = default;

QSize MatrixProc::presetSize(int index)
{
    static const QSize sizes[] = {{1920, 1080}, {1280, 720}, {1024, 768},  {1280, 800}, {1280, 1024},
                                  {1366, 768},  {1400, 1050}, {1600, 900}, {1600, 1200}, {1920, 1200},
                                  {800, 600},   {2048, 768},  {3072, 768}};
    if (index >= 1 && index <= int(sizeof(sizes) / sizeof(sizes[0])))
        return sizes[index - 1];
    return QSize(64, 64);
}

// ---- Updates from replies ----

void MatrixProc::updateOtherSetting(uint8_t outputCardCount, uint8_t inputCardCount)
{
    // The device reports one byte per count, but the tables hold eight cards of four slots.
    m_outputCards = std::min<uint8_t>(outputCardCount, MaxCards);
    m_inputCards = std::min<uint8_t>(inputCardCount, MaxCards);
    m_outputAreas = uint8_t(m_outputCards * PortsPerCard);
}

void MatrixProc::updatePanel(int area, uint16_t x, uint16_t y, uint16_t width, uint16_t height)
{
    if (!validOutput(area))
        return;
    AreaRecord &a = m_areas[area];
    a.number = uint8_t(area);
    a.x = x;
    a.y = y;
    a.width = width;
    a.height = height;
}

void MatrixProc::updateResolution(uint16_t index, uint16_t width, uint16_t height, uint16_t rate, uint8_t row,
                                  uint8_t col, uint8_t arrangement)
{
    m_row = row;
    m_col = col;
    m_arrangement = arrangement;
    m_index = index;
    m_width = width;
    m_height = height;
    m_rate = rate;
}

void MatrixProc::updateMapping(const INFO_MAPPING &mapping)
{
    if (validOutput(mapping.port))
        m_mappings[mapping.port] = mapping;
}

void MatrixProc::updateWindow(int winId, uint16_t x, uint16_t y, uint16_t width, uint16_t height, uint8_t input,
                              uint8_t layer, uint8_t transparency)
{
    if (!validOutput(winId))
        return;
    WindowRecord w;
    w.x = x;
    w.y = y;
    w.width = width;
    w.height = height;
    w.winId = uint8_t(winId);
    w.source = input;
    w.layer = layer;
    w.transparency = transparency;
    m_windows[winId] = w;
}

void MatrixProc::updatePortPiece(int slot, uint16_t x, uint16_t y, uint16_t width, uint16_t height, int winId)
{
    // 255 reports an empty port; other numbers must name a window slot.
    if (!validOutput(slot) || winId < 0 || (winId >= Slots && winId != NoWindow))
        return;
    WindowRecord p;
    p.x = x;
    p.y = y;
    p.width = width;
    p.height = height;
    p.winId = uint8_t(winId);
    if (winId < Slots && !m_windows[winId].empty()) {
        const WindowRecord &w = m_windows[winId];
        p.b18 = w.b18;
        p.layer = w.layer;
        p.source = w.source;
        p.transparency = w.transparency;
    }
    m_ports[slot] = p;
}

void MatrixProc::updateCrop(int winId, uint8_t enable, uint16_t x, uint16_t y, uint16_t width, uint16_t height)
{
    if (!validOutput(winId) || m_windows[winId].winId != winId)
        return;
    WindowRecord &w = m_windows[winId];
    w.flag = enable;
    w.srcX = x;
    w.srcY = y;
    w.srcW = width;
    w.srcH = height;
}

void MatrixProc::updatePortCrop(int slot, uint8_t enable, uint16_t x, uint16_t y, uint16_t width, uint16_t height)
{
    if (!validOutput(slot))
        return;
    WindowRecord &p = m_ports[slot];
    p.flag = enable;
    p.srcX = x;
    p.srcY = y;
    p.srcW = width;
    p.srcH = height;
}

void MatrixProc::updateInputSignal(int input, uint16_t width, uint16_t height, uint8_t rate)
{
    if (input < 0 || input >= inputSlots())
        return;
    InputRecord &in = m_inputs[input];
    in.id = uint8_t(input);
    in.rate = rate;
    if (width == 0 && height == 0) {
        in.width = 1920;
        in.height = 1080;
        in.noSize = 1;
    } else {
        in.width = width;
        in.height = height;
        in.noSize = 0;
    }
}

void MatrixProc::updateInputPresence(int input, bool hasSignal)
{
    if (input < 0 || input >= inputSlots())
        return;
    m_inputs[input].id = uint8_t(input);
    m_inputs[input].hasSignal = hasSignal ? 1 : 0;
}

void MatrixProc::switchInput(int winId, int srcId)
{
    if (validOutput(winId))
        m_windows[winId].source = uint8_t(srcId);
}

void MatrixProc::reset()
{
    std::fill(std::begin(m_windows), std::end(m_windows), WindowRecord());
    std::fill(std::begin(m_ports), std::end(m_ports), WindowRecord());
    std::fill(std::begin(m_pieces), std::end(m_pieces), WindowRecord());
    std::fill(std::begin(m_portSnap), std::end(m_portSnap), WindowRecord());
    std::fill(std::begin(m_areas), std::end(m_areas), AreaRecord());
    std::fill(std::begin(m_areaSnap), std::end(m_areaSnap), AreaRecord());
    std::fill(std::begin(m_inputs), std::end(m_inputs), InputRecord());
    std::fill(std::begin(m_mappings), std::end(m_mappings), INFO_MAPPING());
    std::fill(std::begin(m_cardCount), std::end(m_cardCount), uint8_t(0));
}

// ---- Placement ----

void MatrixProc::computePieces(const WindowRecord &win)
{
    std::fill(std::begin(m_cardCount), std::end(m_cardCount), uint8_t(0));
    std::fill(std::begin(m_pieces), std::end(m_pieces), WindowRecord());
    const int X = win.x, Y = win.y;
    const int R = X + win.width - 1, B = Y + win.height - 1;
    for (int k = 0; k < m_outputAreas; ++k) {
        const AreaRecord &a = m_areaSnap[k];
        if (a.number == NoArea)
            continue;
        WindowRecord &p = m_pieces[k];
        p = WindowRecord();
        const int ax = a.x, ay = a.y;
        const int ar = ax + a.width - 1, ab = ay + a.height - 1;
        // Touching only an area's last column or row (or its first) does not reach it.
        if (X >= ar || R <= ax || Y >= ab || B <= ay)
            continue;
        const int left = std::max(X, ax), top = std::max(Y, ay);
        const int right = std::min(R, ar), bottom = std::min(B, ab);
        p.x = uint16_t(left - ax);
        p.y = uint16_t(top - ay);
        p.width = uint16_t(right - left + 1);
        p.height = uint16_t(bottom - top + 1);
        p.srcX = uint16_t(left - X);
        p.srcY = uint16_t(top - Y);
        p.flag = (X >= ax && R <= ar && Y >= ay && B <= ab) ? 0 : 1;
        for (int c = 0; c < m_outputCards; ++c)
            for (int q = 0; q < PortsPerCard; ++q)
                if (m_mappings[c * PortsPerCard + q].area == k)
                    ++m_cardCount[c];
        p.winId = win.winId;
        p.layer = win.layer;
        p.area = uint8_t(k);
        p.srcW = p.width;
        p.srcH = p.height;
    }
}

void MatrixProc::scalePieces(const WindowRecord &win)
{
    int64_t cx = 0, cy = 0, cw = 1920, ch = 1080;
    if (win.flag) {
        cx = win.srcX;
        cy = win.srcY;
        cw = win.srcW;
        ch = win.srcH;
    } else if (win.source < Slots) {
        cw = m_inputs[win.source].width;
        ch = m_inputs[win.source].height;
    }
    const int64_t W = win.width, H = win.height;
    if (W == 0 || H == 0)
        return;
    for (int k = 0; k < m_outputAreas; ++k) {
        WindowRecord &p = m_pieces[k];
        if (p.empty()) {
            p.flag = 0;
            continue;
        }
        p.flag = 1;
        p.srcX = uint16_t(p.srcX * cw / W + cx);
        p.srcY = uint16_t(p.srcY * ch / H + cy);
        p.srcW = uint16_t(p.srcW * cw / W);
        p.srcH = uint16_t(p.srcH * ch / H);
    }
}

void MatrixProc::clearPort(int slot)
{
    WindowRecord &p = m_portSnap[slot];
    const int q = slot % PortsPerCard;
    int areaSlot = p.area;
    if (areaSlot >= Slots)
        areaSlot = m_mappings[slot].area; // a piece reported by the device carries no area
    if (areaSlot < Slots)
        m_areaSnap[areaSlot].marks[q] = 0;
    p = WindowRecord();
}

void MatrixProc::releasePorts(uint8_t winId)
{
    for (int s = 0; s < m_outputAreas; ++s)
        if (m_portSnap[s].winId == winId)
            clearPort(s);
}

void MatrixProc::evict(uint8_t winId)
{
    if (winId < Slots)
        m_windows[winId] = WindowRecord();
    sendClose(winId);
    // Every port of the evicted window is given up at once, so it is closed and announced once.
    releasePorts(winId);
    emit emitAutoRemoveWindow(winId);
}

void MatrixProc::allocatePorts(uint8_t winId)
{
    auto taken = [&](int s) { return !m_portSnap[s].empty() && m_portSnap[s].winId != winId; };
    for (int c = 0; c < m_outputCards; ++c) {
        for (;;) {
            int freePorts = 0, firstTaken = -1;
            for (int q = 0; q < PortsPerCard; ++q) {
                const int s = c * PortsPerCard + q;
                if (taken(s)) {
                    if (firstTaken < 0)
                        firstTaken = s;
                } else {
                    ++freePorts;
                }
            }
            if (m_cardCount[c] <= freePorts || firstTaken < 0)
                break;
            evict(m_portSnap[firstTaken].winId);
        }
    }

    bool assigned[Slots] = {};
    for (int k = 0; k < m_outputAreas; ++k) {
        const WindowRecord &piece = m_pieces[k];
        if (m_areaSnap[k].number == NoArea || piece.empty())
            continue;
        for (int m = 0; m < m_outputAreas; ++m) {
            if (m_mappings[m].area != k)
                continue;
            const int c = m / PortsPerCard;
            int port = -1;
            // Prefer the port that already shows this piece, then any port of the window, then a free one.
            for (int pass = 0; pass < 3 && port < 0; ++pass) {
                for (int q = 0; q < PortsPerCard && port < 0; ++q) {
                    const int s = c * PortsPerCard + q;
                    const WindowRecord &cur = m_portSnap[s];
                    if (assigned[s])
                        continue;
                    if ((pass == 0 && cur.winId == winId && cur.area == k) || (pass == 1 && cur.winId == winId)
                        || (pass == 2 && cur.empty()))
                        port = s;
                }
            }
            if (port < 0)
                continue;
            if (!m_portSnap[port].empty() && m_portSnap[port].area != k)
                clearPort(port);
            assigned[port] = true;
            m_portSnap[port] = piece;
            m_areaSnap[k].marks[port % PortsPerCard] = PortMark;
        }
    }
    // Ports that showed the window and receive no piece now are given up.
    for (int s = 0; s < m_outputAreas; ++s)
        if (!assigned[s] && m_portSnap[s].winId == winId)
            clearPort(s);
}

bool MatrixProc::placeWindow(const WindowRecord &win)
{
    if (win.empty() || win.width == 0 || win.height == 0)
        return false;
    computePieces(win);
    scalePieces(win);
    allocatePorts(win.winId);
    return true;
}

uint8_t MatrixProc::defaultSource() const
{
    for (int s = 0; s < inputSlots(); ++s)
        if (m_inputs[s].hasSignal)
            return m_inputs[s].id;
    return 0;
}

void MatrixProc::takeSnapshots()
{
    std::copy(std::begin(m_ports), std::end(m_ports), std::begin(m_portSnap));
    std::copy(std::begin(m_areas), std::end(m_areas), std::begin(m_areaSnap));
}

void MatrixProc::commitSnapshots()
{
    std::copy(std::begin(m_portSnap), std::end(m_portSnap), std::begin(m_ports));
    std::copy(std::begin(m_areaSnap), std::end(m_areaSnap), std::begin(m_areas));
}

void MatrixProc::sendChangedMarks()
{
    for (int s = 0; s < m_outputAreas; ++s)
        if (!m_areaSnap[s].sameMarks(m_areas[s]))
            sendAreaMarks(s, m_areaSnap[s]);
}

int MatrixProc::openWindow(int winId, int x, int y, int width, int height, int layer)
{
    if (!validOutput(winId))
        return -1;
    if (width <= 0 || height <= 0)
        return 0;
    takeSnapshots();
    WindowRecord win;
    win.x = uint16_t(x);
    win.y = uint16_t(y);
    win.width = uint16_t(width);
    win.height = uint16_t(height);
    win.winId = uint8_t(winId);
    win.layer = uint8_t(layer);
    win.source = defaultSource();
    placeWindow(win);

    sendWindowFrame(win);
    for (int s = 0; s < m_outputAreas; ++s)
        if (m_portSnap[s] != m_ports[s])
            sendPortRect(s, m_portSnap[s], winId);
    emit emitSendData(CommandFrame(0x02, 0x00).u8(6, winId).u8(7, 0).u16(8, 0).u16(10, 0).u16(12, 1920)
                          .u16(14, 1080).pack());
    m_windows[winId] = win;
    sendSwitch(winId, win.source);
    for (int s = 0; s < m_outputAreas; ++s)
        if (!m_portSnap[s].sameCrop(m_ports[s]))
            sendPortCrop(s, m_portSnap[s]);
    sendChangedMarks();
    emit emitSendData(CommandFrame(0x01, 0xFF).u8(6, winId).u8(7, 0).pack());
    emit emitSendData(CommandFrame(0x03, 0x01).u8(6, winId).u8(7, 100).pack());
    commitSnapshots();
    return 0;
}

int MatrixProc::moveWindow(int winId, int x, int y, int width, int height, int layer)
{
    if (!validOutput(winId))
        return -1;
    if (width <= 0 || height <= 0)
        return 0;
    WindowRecord &win = m_windows[winId];
    win.x = uint16_t(x);
    win.y = uint16_t(y);
    win.width = uint16_t(width);
    win.height = uint16_t(height);
    win.layer = uint8_t(layer);
    // An empty slot is not placed, but the device still hears of the window number it was given.
    WindowRecord moved = win;
    takeSnapshots();
    placeWindow(moved);
    moved.winId = uint8_t(winId);

    sendChangedMarks();
    sendWindowFrame(moved);
    for (int s = 0; s < m_outputAreas; ++s)
        if (m_portSnap[s] != m_ports[s])
            sendPortRect(s, m_portSnap[s], winId);
    sendSwitch(winId, moved.source);
    for (int s = 0; s < m_outputAreas; ++s)
        if (m_portSnap[s] != m_ports[s])
            sendPortCrop(s, m_portSnap[s]);
    commitSnapshots();
    return 0;
}

int MatrixProc::removeWindow(int winId)
{
    if (!validOutput(winId))
        return -1;
    m_windows[winId] = WindowRecord();
    takeSnapshots();
    releasePorts(uint8_t(winId));
    sendChangedMarks();
    sendClose(winId);
    commitSnapshots();
    return 0;
}

void MatrixProc::replaceAll(Replace mode)
{
    std::fill(std::begin(m_ports), std::end(m_ports), WindowRecord());
    std::fill(std::begin(m_portSnap), std::end(m_portSnap), WindowRecord());
    std::fill(std::begin(m_pieces), std::end(m_pieces), WindowRecord());
    std::copy(std::begin(m_areas), std::end(m_areas), std::begin(m_areaSnap));
    for (int s = 0; s < m_outputAreas; ++s)
        std::fill(std::begin(m_areaSnap[s].marks), std::end(m_areaSnap[s].marks), uint8_t(0));
    std::fill(std::begin(m_cardCount), std::end(m_cardCount), uint8_t(0));

    for (int k = 0; k < m_outputAreas; ++k) {
        if (m_windows[k].empty())
            continue;
        const WindowRecord win = m_windows[k];
        placeWindow(win);
        if (mode == Replace::WithWindowFrames)
            sendWindowFrame(win);
    }
    sendHold(0);
    sendChangedMarks();
    for (int s = 0; s < m_outputAreas; ++s)
        if (m_portSnap[s] != m_ports[s])
            sendPortRect(s, m_portSnap[s], m_portSnap[s].winId);
    for (int k = 0; k < m_outputAreas; ++k)
        if (!m_windows[k].empty())
            sendSwitch(m_windows[k].winId, m_windows[k].source);
    for (int s = 0; s < m_outputAreas; ++s)
        if (m_portSnap[s] != m_ports[s])
            sendPortCrop(s, m_portSnap[s]);
    sendHold(1);
    commitSnapshots();
}

int MatrixProc::setWindowsGeometry(int commit, int winId, int x, int y, int width, int height)
{
    if (commit != 0) {
        replaceAll(Replace::WithWindowFrames);
        return 0;
    }
    if (!validOutput(winId))
        return -1;
    WindowRecord &w = m_windows[winId];
    w.x = uint16_t(x);
    w.y = uint16_t(y);
    w.width = uint16_t(width);
    w.height = uint16_t(height);
    return 0;
}

int MatrixProc::setWindowCrop(int winId, int enable, int x, int y, int width, int height)
{
    if (!validOutput(winId))
        return -1;
    WindowRecord &w = m_windows[winId];
    w.flag = uint8_t(enable & 0xFF);
    w.srcX = uint16_t(x);
    w.srcY = uint16_t(y);
    w.srcW = uint16_t(width);
    w.srcH = uint16_t(height);
    const WindowRecord win = w;
    takeSnapshots();
    placeWindow(win);
    emit emitSendData(CommandFrame(0x02, 0x00)
                          .u8(6, winId)
                          .u8(7, enable != 0 ? 1 : 0)
                          .u16(8, x)
                          .u16(10, y)
                          .u16(12, width)
                          .u16(14, height)
                          .pack());
    // A crop does not move the window, so its ports stay as they are, unless the areas were laid
    // out again under it: then the ports it gets or gives up are told as after a move, or the
    // device would go on showing pieces the tables call free.
    auto samePlace = [](const WindowRecord &a, const WindowRecord &b) {
        return a.winId == b.winId && a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    };
    sendChangedMarks();
    for (int s = 0; s < m_outputAreas; ++s)
        if (!samePlace(m_portSnap[s], m_ports[s]))
            sendPortRect(s, m_portSnap[s], winId);
    for (int s = 0; s < m_outputAreas; ++s)
        if (m_portSnap[s].winId == winId || !samePlace(m_portSnap[s], m_ports[s]))
            sendPortCrop(s, m_portSnap[s]);
    commitSnapshots();
    return 0;
}

int MatrixProc::setOutputMapping(int port, int area)
{
    if (!validOutput(port))
        return -1;
    if (m_mappings[port].port == port)
        m_mappings[port].area = uint8_t(area);
    replaceAll(Replace::Plain);
    return 0;
}

int MatrixProc::setAreaGeometry(int area, int x, int y, int width, int height)
{
    if (!validOutput(area))
        return -1;
    AreaRecord &a = m_areas[area];
    a.number = uint8_t(area);
    a.x = uint16_t(x);
    a.y = uint16_t(y);
    a.width = uint16_t(width);
    a.height = uint16_t(height);
    std::fill(std::begin(a.marks), std::end(a.marks), uint8_t(0));
    sendAreaRect(area, a);
    return 0;
}

int MatrixProc::setOutputResolution(int index, int width, int height, int rate)
{
    if (index == 0 && m_index == 0 && width == m_width && height == m_height && rate == m_rate)
        return 0;
    QSize size = presetSize(index);
    if (index == 0) {
        m_width = uint16_t(width);
        m_height = uint16_t(height);
        size = QSize(m_width, m_height);
    }
    m_index = uint16_t(index);
    layoutAreas(uint16_t(size.width()), uint16_t(size.height()));
    emit emitSendData(CommandFrame(0x05, 0x00)
                          .u8(6, 0)
                          .u8(7, index)
                          .u16(8, size.width())
                          .u16(10, size.height())
                          .u8(12, rate)
                          .pack());
    return 0;
}

QSize MatrixProc::layoutSize() const
{
    return m_index != 0 ? presetSize(m_index) : QSize(m_width, m_height);
}

int MatrixProc::setAreaLayout(int rows, int columns, int order)
{
    if (rows == m_row && columns == m_col && order == m_arrangement)
        return 0;
    m_row = uint8_t(rows);
    m_col = uint8_t(columns);
    m_arrangement = uint8_t(order);
    for (int k = 0; k < m_outputAreas; ++k)
        m_areas[k].number = k < m_row * m_col ? uint8_t(k) : NoArea;
    emit emitSendData(CommandFrame(0x05, 0x03).u8(6, rows).u8(7, columns).u8(8, order).pack());
    const QSize size = layoutSize();
    layoutAreas(uint16_t(size.width()), uint16_t(size.height()));
    return 0;
}

void MatrixProc::layoutAreas(uint16_t w, uint16_t h)
{
    // Only the slots of the table are laid out, however many rows and columns were reported.
    auto place = [&](int a, int i, int j, bool always) {
        if (a >= Slots)
            return;
        AreaRecord &r = m_areas[a];
        r.number = uint8_t(a);
        const uint16_t x = uint16_t(j * w), y = uint16_t(i * h);
        if (!always && r.x == x && r.y == y && r.width == w && r.height == h)
            return;
        r.x = x;
        r.y = y;
        r.width = w;
        r.height = h;
        sendAreaRect(a, r);
    };
    if (m_arrangement != 0) {
        for (int j = 0; j < m_col; ++j)
            for (int i = 0; i < m_row; ++i)
                place(m_row * j + i, i, j, true);
    } else {
        for (int i = 0; i < m_row; ++i)
            for (int j = 0; j < m_col; ++j)
                place(m_col * i + j, i, j, false);
    }
}

// ---- Frames ----

void MatrixProc::sendWindowFrame(const WindowRecord &win)
{
    emit emitSendData(CommandFrame(0x03, 0x00)
                          .u8(6, win.winId)
                          .u16(7, win.x)
                          .u16(9, win.y)
                          .u16(11, win.width)
                          .u16(13, win.height)
                          .u8(15, win.layer)
                          .u8(16, 0)
                          .pack());
}

void MatrixProc::sendPortRect(int slot, const WindowRecord &piece, int winId)
{
    emit emitSendData(CommandFrame(0x03, 0x03)
                          .u8(6, slot)
                          .u16(7, piece.x)
                          .u16(9, piece.y)
                          .u16(11, piece.width)
                          .u16(13, piece.height)
                          .u8(15, winId)
                          .pack());
}

void MatrixProc::sendPortCrop(int slot, const WindowRecord &piece)
{
    emit emitSendData(CommandFrame(0x02, 0x01)
                          .u8(6, slot)
                          .u8(7, piece.flag ? 1 : 0)
                          .u16(8, piece.srcX)
                          .u16(10, piece.srcY)
                          .u16(12, piece.srcW)
                          .u16(14, piece.srcH)
                          .pack());
}

void MatrixProc::sendAreaMarks(int slot, const AreaRecord &area)
{
    CommandFrame f(0x05, 0x02);
    f.u8(6, slot);
    for (int i = 0; i < PortsPerCard; ++i)
        f.u8(7 + i, area.marks[i]);
    emit emitSendData(f.pack());
}

void MatrixProc::sendAreaRect(int area, const AreaRecord &rec)
{
    emit emitSendData(CommandFrame(0x05, 0x01)
                          .u8(6, area)
                          .u16(7, rec.x)
                          .u16(9, rec.y)
                          .u16(11, rec.width)
                          .u16(13, rec.height)
                          .pack());
}

void MatrixProc::sendClose(int winId)
{
    emit emitSendData(CommandFrame(0x03, 0x02).u8(6, winId).pack());
}

void MatrixProc::sendSwitch(int winId, int srcId)
{
    emit emitSendData(CommandFrame(0x08, 0x00).u8(6, winId).u8(7, srcId).pack());
}

void MatrixProc::sendHold(int flag)
{
    emit emitSendData(CommandFrame(0xF1, 0x00).u8(6, flag).pack());
}

// ---- State ----

WindowRecord MatrixProc::window(int slot) const
{
    return slot >= 0 && slot < Slots ? m_windows[slot] : WindowRecord();
}

WindowRecord MatrixProc::port(int slot) const
{
    return slot >= 0 && slot < Slots ? m_ports[slot] : WindowRecord();
}

AreaRecord MatrixProc::area(int slot) const
{
    return slot >= 0 && slot < Slots ? m_areas[slot] : AreaRecord();
}

InputRecord MatrixProc::input(int slot) const
{
    return slot >= 0 && slot < Slots ? m_inputs[slot] : InputRecord();
}

INFO_MAPPING MatrixProc::mapping(int slot) const
{
    return slot >= 0 && slot < Slots ? m_mappings[slot] : INFO_MAPPING();
}

} // namespace GW5
