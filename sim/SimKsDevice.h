// A simulated KS-set processor (KS, KT and KX models; also used for unsupported codes such as 19,
// which only matter for their announcement). Replies carry whole lists per frame, laid out as the
// KS9200 interface decodes them; settings change the state so that a read-back shows them.
#pragma once

#include "Records.h"
#include "SimDevice.h"

#include <QDateTime>
#include <QMap>

class SimKsDevice : public SimDevice
{
public:
    struct Window
    {
        uint8_t flags = 0;    // bit 0 clear: flag0 set on the host
        uint8_t hasSource = 1;
        uint16_t x = 0, y = 0, width = 0, height = 0;
        uint8_t alpha = 100;
        uint8_t src = 0;
        uint8_t partFull = 0;
        uint8_t rotate = 0;
    };
    struct Preset
    {
        QList<INFO_PANEL> panels;
        QList<Window> windows;
    };

    explicit SimKsDevice(const Identity &identity);

    void resetState() override;
    bool loadState(const QJsonObject &state, QString *error) override;
    QJsonObject stateJson() const override;

    bool isKx() const;
    QList<int> inputIds() const;

    // Reply encoders (public for the tests that check them against the host's decoders).
    QByteArray panelsPayload() const;
    QByteArray outputModePayload() const;
    QByteArray windowsPayload() const;
    QByteArray rotationPayload(int win) const;
    QByteArray cropsPayload() const;
    QByteArray inputsPayload() const;
    QByteArray qualityPayload() const;
    QByteArray advancedPayload(int win) const;
    QByteArray presetPayload(int id) const;
    QByteArray templatePayload() const;
    QByteArray mosaicPayload(int win) const;
    QByteArray timeTaskPayload(int index) const;
    QByteArray edidPayload() const;
    QByteArray edidModesPayload() const;
    QByteArray chromaPayload() const;
    QByteArray bordersPayload() const;
    QByteArray enhancePayload() const;
    QByteArray otherPayload() const;

    const QList<Window> &windows() const { return m_windows; }
    const QList<INFO_PANEL> &panels() const { return m_panels; }
    const INFO_OTHER_KS9200 &other() const { return m_other; }

protected:
    QList<QByteArray> handleCommand(uint8_t cmd, uint8_t sub, const QByteArray &frame) override;

private:
    QList<QByteArray> readReplies(uint8_t cmd, uint8_t sub) const;
    QList<QByteArray> readAllReplies() const;
    bool applySetting(uint8_t cmd, uint8_t sub, const QByteArray &frame, QList<QByteArray> &extra);
    bool applyImageItem(uint8_t sub, const QByteArray &frame);
    bool applyTimeTask(const QByteArray &frame);
    bool loadTemplate(int id);
    void layoutPanels();
    void fitPerWindowLists();
    QList<Window> templateWindows(int id) const;
    QRect wall() const;

    QList<INFO_PANEL> m_panels;
    INFO_PANEL_OTHERSETTING m_outputMode;
    QList<Window> m_windows;
    QList<INFO_INPUTCROP> m_crops;
    QList<INFO_INPUTSINGLE> m_inputs;
    QList<INFO_IMAGE_QUALITY> m_quality;
    QList<INFO_IMAGE_ADVANCED> m_advanced;
    QMap<int, Preset> m_presets;
    int m_templateId = -1;
    QList<INFO_MOSAIC> m_mosaics;
    INFO_TIME_TASK m_tasks[16];
    bool m_allTasksOn = false;
    QList<INFO_EDID> m_edid;
    uint8_t m_signalMode = 0;
    uint8_t m_dviAudioMode = 0;
    QList<INFO_CHROMA> m_chroma;
    QList<INFO_BORDER> m_borders;
    QList<INFO_OUTPUT_ENHANCE> m_enhance;
    INFO_OTHER_KS9200 m_other;
    int m_testPattern = 255;
    QDateTime m_deviceTime;
};
