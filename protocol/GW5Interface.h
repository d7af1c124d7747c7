// Protocol interface of one GW device (modular processor of input and output cards). Owned by the
// device hub. Replies carry one record per frame; window, area and resolution operations pass
// through the window matrix (GW5::MatrixProc), which turns them into the frames each output card
// needs. The matrix is updated from a reply before the reply's signal is emitted.
#pragma once

#include "Interface.h"
#include "MatrixProc.h"
#include "Records.h"

class GW5Interface : public Interface
{
    Q_OBJECT
public:
    explicit GW5Interface(const QString &cpuid = QString(), QObject *parent = nullptr);
    ~GW5Interface() override;

    void handleFrame(QString cpuid, RECV_PROTOCOL rp, QByteArray payload) override;

    GW5::MatrixProc *matrix() { return m_matrix; }
    const GW5::MatrixProc *matrix() const { return m_matrix; }

    // Window operations (frames built by the matrix); -1 when the matrix refuses the number.
    int openWindow(int winId, int x, int y, int width, int height, int layer);
    int removeWindow(int winId);
    int moveWindow(int winId, int x, int y, int width, int height, int layer);
    int setWindowsGeometry(int commit, int winId, int x, int y, int width, int height);
    int setWindowCrop(int winId, int enable, int x, int y, int width, int height);

    void setOutputHold(int flag);            // 0xF1 / 0x00: 0 hold, 1 release
    void switchInput(int winId, int srcId);  // 0x08 / 0x00
    void loadPreset(int id);                 // 0x04 / 0x01
    void loadTemplate(int id);               // 0x04 / 0x00
    void savePreset(int id);                 // 0x04 / 0x02
    void factoryReset();                     // 0x18 / 0x00
    void setImageItem(int item, int winId, int value);           // 0x01 / item
    void resetImageQuality(int winId);                           // 0x01 / 0xFF
    void setWindowTransparency(int winId, int value);            // 0x03 / 0x01
    void setEdidResolution(int srcId, int width, int height, int rate); // 0x0C / 0x00
    void setFreeze(int on);                  // 0x10 / 0x00
    void setBlackScreen(int on);             // 0x13 / 0x00

    // Wall layout (frames built by the matrix).
    int setOutputResolution(int index, int width, int height, int rate);
    int setAreaGeometry(int area, int x, int y, int width, int height);
    int setAreaLayout(int rows, int columns, int order);
    // Re-places every window, then sends 0x05 / 0x04 (port and area from 0).
    int setOutputMapping(int port, int area);

signals:
    void emitAutoRemoveWindow(int winID);
    void emitLoadPresetOrTemplateFinished(QString cpuid);
    void emitPanelData(QString cpuid, INFO_PANEL panel);
    void emitPanelResolution(QString cpuid, int index, int width, int height, int rate, int row, int col,
                             int arrangeMode);
    void emitOutputPortMapping(QString cpuid, INFO_MAPPING mapping);
    void emitWindowData(QString cpuid, INFO_WINDOW window);
    void emitInputCrop(QString cpuid, INFO_INPUTCROP crop);
    void emitInputSignal(QString cpuid, INFO_INPUTSINGLE signal);
    void emitInputHasSignal(QString cpuid, int inputID, bool hasSignal, int inputType);
    void emitImageQuality(QString cpuid, INFO_IMAGE_QUALITY quality);
    void emitPresetPanel(QString cpuid, INFO_PRESET preset);
    void emitPresetWindow(QString cpuid, INFO_PRESET preset);
    void emitEDIDSetting(QString cpuid, INFO_EDID edid);
    void emitOtherSetting(QString cpuid, INFO_OTHER_GW5 other);
    void emitUpgrade00(int param);
    void emitUpgrade01(int param);
    void emitUpgrade02(int res, int param1, int param2);
    void emitUpgrade03(int param);

private:
    void send(uint8_t cmd, uint8_t sub, std::initializer_list<int> params = {});
    // Offset of the last complete item of `itemSize` bytes; -1 when there is none.
    static int lastItem(const QByteArray &payload, int itemSize);

    void decodePanel(const QByteArray &payload);
    void decodeResolution(const QByteArray &payload);
    void decodeMapping(const QByteArray &payload);
    void decodeWindow(const QByteArray &payload);
    void decodeWindowPart(const QByteArray &payload);
    void decodeCrop(const QByteArray &payload, bool part);
    void decodeInputSignal(const QByteArray &payload);
    void decodeSignalPresence(const QByteArray &payload);
    void decodeImageQuality(const QByteArray &payload);
    void decodePreset(const QByteArray &payload, bool windowPart);
    void decodeEdid(const QByteArray &payload);
    void decodeOther(const QByteArray &payload);
    void decodeUpgrade(uint8_t sub, const QByteArray &payload);

    GW5::MatrixProc *m_matrix = nullptr;
};
