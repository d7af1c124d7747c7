// The window matrix of a GW chassis: a model of its output cards (four ports each), display areas,
// port-to-area mapping, inputs and windows, owned by a GW5Interface. A GW device does not split a
// window over its output cards itself; this class computes, for every display area a window
// touches, the piece the area shows and the part of the input that feeds it, assigns the pieces to
// output ports and sends the frames (emitSendData) that place them.
//
// All tables are fixed arrays of Slots entries. Output-side slots are card * 4 + port and only
// slots below outputAreas() are acted on; input slots are input card * 4 + input, below
// inputSlots(). Every number taken from a device reply is checked against these limits, and the
// card counts are clamped so that no slot can leave its table.
#pragma once

#include "Records.h"

#include <QByteArray>
#include <QObject>
#include <QSize>
#include <cstdint>

namespace GW5 {

constexpr int Slots = 32;
constexpr int PortsPerCard = 4;
constexpr int MaxCards = Slots / PortsPerCard; // 8
constexpr uint8_t NoWindow = 255;
constexpr uint8_t NoArea = 255;
constexpr uint8_t PortMark = 4; // area trailing byte of a port that shows the area

// One window, one port's piece or one computed piece (fields by their byte position).
struct WindowRecord
{
    uint16_t x = 0; // bytes 0..7: rectangle (wall pixels; for pieces inside the area)
    uint16_t y = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint16_t srcX = 0; // bytes 8..15: windows: crop rectangle; pieces: source rectangle
    uint16_t srcY = 0;
    uint16_t srcW = 1920;
    uint16_t srcH = 1080;
    uint8_t winId = NoWindow; // 16
    uint8_t area = NoArea;    // 17: ports and pieces: the display area the piece belongs to
    uint8_t b18 = 1;          // 18
    uint8_t flag = 0;         // 19: windows: crop present; pieces: in use
    uint8_t layer = 0;        // 20
    uint8_t source = 0;       // 21
    uint8_t transparency = 100; // 22

    bool empty() const { return winId == NoWindow; }
    bool sameCrop(const WindowRecord &o) const
    {
        return srcX == o.srcX && srcY == o.srcY && srcW == o.srcW && srcH == o.srcH && flag == o.flag;
    }
};
bool operator==(const WindowRecord &a, const WindowRecord &b);
inline bool operator!=(const WindowRecord &a, const WindowRecord &b)
{
    return !(a == b);
}

struct AreaRecord
{
    uint8_t number = NoArea;
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint8_t marks[PortsPerCard] = {0, 0, 0, 0}; // sent with 0x05 / 0x02

    bool sameMarks(const AreaRecord &o) const;
};

struct InputRecord
{
    uint8_t id = 0;
    uint8_t rate = 60;
    uint16_t width = 1920;
    uint16_t height = 1080;
    uint8_t hasSignal = 0;
    uint8_t noSize = 0; // the device reported 0 x 0; 1920 x 1080 is stored instead
    uint8_t extra = 0;
};

class MatrixProc : public QObject
{
    Q_OBJECT
public:
    explicit MatrixProc(QObject *parent = nullptr);
    ~MatrixProc() override;

    // Size of a preset output resolution (1..13); 64 x 64 for any other index.
    static QSize presetSize(int index);

    // --- Updates from device replies (ignore slots outside the current card counts) ---
    void updateOtherSetting(uint8_t outputCardCount, uint8_t inputCardCount);
    void updatePanel(int area, uint16_t x, uint16_t y, uint16_t width, uint16_t height);
    void updateResolution(uint16_t index, uint16_t width, uint16_t height, uint16_t rate, uint8_t row,
                          uint8_t col, uint8_t arrangement);
    void updateMapping(const INFO_MAPPING &mapping);
    void updateWindow(int winId, uint16_t x, uint16_t y, uint16_t width, uint16_t height, uint8_t input,
                      uint8_t layer, uint8_t transparency);
    void updatePortPiece(int slot, uint16_t x, uint16_t y, uint16_t width, uint16_t height, int winId);
    void updateCrop(int winId, uint8_t enable, uint16_t x, uint16_t y, uint16_t width, uint16_t height);
    void updatePortCrop(int slot, uint8_t enable, uint16_t x, uint16_t y, uint16_t width, uint16_t height);
    void updateInputSignal(int input, uint16_t width, uint16_t height, uint8_t rate);
    void updateInputPresence(int input, bool hasSignal);
    void switchInput(int winId, int srcId);
    // Every table back to its defaults (before a preset load, template load or factory reset).
    // Card counts and the wall resolution describe the chassis and are kept.
    void reset();

    // --- Operations (frames through emitSendData) ---
    // Open / move / remove answer -1 and do nothing for a window number outside the card limit.
    int openWindow(int winId, int x, int y, int width, int height, int layer);
    int moveWindow(int winId, int x, int y, int width, int height, int layer);
    int removeWindow(int winId);
    // commit 0 stages the rectangle of winId; any other value re-places every window.
    int setWindowsGeometry(int commit, int winId, int x, int y, int width, int height);
    int setWindowCrop(int winId, int enable, int x, int y, int width, int height);
    // Records the display area of an output port and re-places every window; the caller sends
    // the mapping frame (0x05 / 0x04) afterwards.
    int setOutputMapping(int port, int area);
    int setAreaGeometry(int area, int x, int y, int width, int height);
    int setOutputResolution(int index, int width, int height, int rate);
    int setAreaLayout(int rows, int columns, int order);

    // --- State ---
    int outputCards() const { return m_outputCards; }
    int inputCards() const { return m_inputCards; }
    int outputAreas() const { return m_outputAreas; }
    int inputSlots() const { return m_inputCards * PortsPerCard; }
    int row() const { return m_row; }
    int col() const { return m_col; }
    int arrangement() const { return m_arrangement; }
    int resolutionIndex() const { return m_index; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int rate() const { return m_rate; }
    // Table entries; a default record for an index outside the table.
    WindowRecord window(int slot) const;
    WindowRecord port(int slot) const;
    AreaRecord area(int slot) const;
    InputRecord input(int slot) const;
    INFO_MAPPING mapping(int slot) const;

signals:
    void emitAutoRemoveWindow(int winID);
    void emitSendData(QByteArray data);

private:
    enum class Replace { WithWindowFrames, Plain };

    bool validOutput(int slot) const { return slot >= 0 && slot < m_outputAreas; }
    void computePieces(const WindowRecord &win);
    void scalePieces(const WindowRecord &win);
    void allocatePorts(uint8_t winId);
    bool placeWindow(const WindowRecord &win);
    void releasePorts(uint8_t winId);
    void clearPort(int slot); // working copy: empty the port, clear its area mark
    void takeSnapshots();
    void commitSnapshots();
    void sendChangedMarks();
    void evict(uint8_t winId);
    void replaceAll(Replace mode);
    void layoutAreas(uint16_t w, uint16_t h);
    QSize layoutSize() const;
    uint8_t defaultSource() const;

    void sendWindowFrame(const WindowRecord &win);                      // 0x03 / 0x00
    void sendPortRect(int slot, const WindowRecord &piece, int winId);   // 0x03 / 0x03
    void sendPortCrop(int slot, const WindowRecord &piece);              // 0x02 / 0x01
    void sendAreaMarks(int slot, const AreaRecord &area);                // 0x05 / 0x02
    void sendAreaRect(int area, const AreaRecord &rec);                  // 0x05 / 0x01
    void sendClose(int winId);                                           // 0x03 / 0x02
    void sendSwitch(int winId, int srcId);                               // 0x08 / 0x00
    void sendHold(int flag);                                             // 0xF1 / 0x00

    WindowRecord m_windows[Slots];
    WindowRecord m_ports[Slots];
    AreaRecord m_areas[Slots];
    WindowRecord m_pieces[Slots];
    WindowRecord m_portSnap[Slots];
    AreaRecord m_areaSnap[Slots];
    InputRecord m_inputs[Slots];
    uint8_t m_outputCards = 2;
    uint8_t m_inputCards = 0;
    uint8_t m_outputAreas = 8;
    uint8_t m_row = 2;
    uint8_t m_col = 4;
    uint8_t m_arrangement = 0;
    uint16_t m_index = 0;
    uint16_t m_width = 1920;
    uint16_t m_height = 1080;
    uint16_t m_rate = 60;
    uint8_t m_cardCount[MaxCards] = {};
    INFO_MAPPING m_mappings[Slots];
};

} // namespace GW5
