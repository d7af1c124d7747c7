// A simulated GW processor: output cards of four ports, display areas, port-to-area mappings,
// input cards, windows and their per-port pieces. Replies carry one record per frame, laid out as
// the GW5 interface decodes them. The device stores the pieces the host's window matrix sends; for
// its own layouts (defaults, presets, templates) it places the pieces itself.
#pragma once

#include "Records.h"
#include "SimDevice.h"
#include "SimUpgrade.h"

#include <QMap>

class SimGwDevice : public SimDevice
{
public:
    static constexpr int Slots = 32;

    struct Rect
    {
        uint16_t x = 0, y = 0, width = 0, height = 0;
        bool operator==(const Rect &o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
    };
    struct Window
    {
        Rect rect;
        uint8_t src = 0;
        uint8_t layer = 1;
        uint8_t alpha = 100;
        uint8_t cropEnable = 0;
        Rect crop{0, 0, 1920, 1080};
    };
    struct Area
    {
        uint8_t number = 255;
        Rect rect;
        uint8_t trail[4] = {0, 0, 0, 0};
    };
    struct Port
    {
        Rect rect;
        uint8_t win = 255;
        uint8_t cropEnable = 0;
        Rect crop;
    };
    struct Input
    {
        uint16_t width = 0, height = 0;
        uint8_t rate = 0;
        uint8_t signal = 0;
        uint8_t kind = 2;
        Rect edid{0, 0, 1920, 1080};
        uint8_t edidRate = 60;
    };
    struct Quality
    {
        int8_t v[11] = {50, 50, 12, 50, 50, 0, 0, 0, 0, 0, 0}; // items 1..11
    };
    struct Preset
    {
        QMap<int, Window> windows;
    };

    explicit SimGwDevice(const Identity &identity);

    void resetState() override;
    bool loadState(const QJsonObject &state, QString *error) override;
    QJsonObject stateJson() const override;

    int outputSlots() const { return m_outputCards * 4; }
    int inputSlots() const { return m_inputCards * 4; }
    const QMap<int, Window> &windows() const { return m_windows; }
    const SimUpgrade &upgrade() const { return m_upgrade; }
    QString savedImagePath() const { return m_savedImage; }

    // One record per reply; public for the tests.
    QByteArray panelPayload(int area) const;
    QByteArray resolutionPayload() const;
    QByteArray mappingPayload(int port) const;
    QByteArray windowPayload(int win) const;
    QByteArray windowPartPayload(int port) const;
    QByteArray cropPayload(int win) const;
    QByteArray portCropPayload(int port) const;
    QByteArray inputPayload(int input) const;
    QByteArray presencePayload(int input) const;
    QByteArray qualityPayload(int win) const;
    QByteArray presetPanelPayload(int id) const;
    QByteArray presetWindowPayload(int id) const;
    QByteArray edidPayload(int input) const;
    QByteArray otherPayload() const;

protected:
    QList<QByteArray> handleCommand(uint8_t cmd, uint8_t sub, const QByteArray &frame) override;

private:
    QList<QByteArray> readReplies(uint8_t cmd, uint8_t sub) const;
    QList<QByteArray> readAllReplies() const;
    bool applySetting(uint8_t cmd, uint8_t sub, const QByteArray &frame);
    void layoutAreas();
    void placeWindows();
    int activeAreas() const;
    void saveImage();

    int m_outputCards = 2;
    int m_inputCards = 2;
    uint8_t m_row = 2, m_col = 4, m_arrangement = 0;
    uint16_t m_resIndex = 1, m_resWidth = 1920, m_resHeight = 1080;
    uint8_t m_rate = 60;
    Area m_areas[Slots];
    INFO_MAPPING m_mappings[Slots];
    Port m_ports[Slots];
    Input m_inputs[Slots];
    QMap<int, Window> m_windows;
    QMap<int, Quality> m_quality;
    QMap<int, Preset> m_presets;
    uint8_t m_freeze = 0, m_black = 0, m_frameSync = 0, m_hold = 1;
    SimUpgrade m_upgrade;
    QString m_savedImage;
};
