// "EDID Setting": the resolution each video input advertises to its source, the DVI signal mode
// or audio input, and a reset of all EDID settings. Serves the KS set (KS9200Interface) and GW
// devices (GW5Interface). Owned by the main window and re-filled before every showing.
//
// Type 20 (KS1200R) is treated as the KX model it is: presets, the KX limits, the "DVI Audio Input"
// selector and the KX mode command.
#pragma once

#include "PixelClock.h"
#include "Records.h"

#include "SxBaseWidget.h"

#include <QList>
#include <QStringList>

namespace Ui {
class DialogEDID;
}
class QTimer;

class DialogEDID : public SxBaseWidget
{
    Q_OBJECT
public:
    static constexpr int ResolutionDelayMs = 1000;
    static constexpr int ApplyBusyMs = 200;
    static constexpr int ResetBusyMs = 1000;

    explicit DialogEDID(QWidget *parent = nullptr);
    ~DialogEDID() override;

    void setEdidData(const QList<INFO_EDID> &list, int type, int signalMode, int dviAudioMode);
    int deviceType() const { return devType; }
    QTimer *resolutionTimer() const { return timerResolution; }
    void switchLanguage();

    // "HDMI2", "DVI5", ... for the KS set, "Input%1" for GW.
    static QString inputLabel(int type, int srcId);
    // The preset list (index 0 "Custom") and whether a type shows it.
    static QStringList presetNames();
    static bool hasPresets(int type);
    static PixelClock::Timing presetTiming(int index);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_combo_inputSrc_currentIndexChanged(int index);
    void on_spin_width_valueChanged(int);
    void on_spin_height_valueChanged(int);
    void on_spin_frame_valueChanged(int);
    void on_combo_preset_currentIndexChanged(int index);
    void onTimerResolution();
    void on_combo_dviMode_currentIndexChanged(int index);
    void on_btn_ok_clicked();
    void on_pushButton_clicked();

private:
    void edited(int field);
    void rebuildModeSelector(int signalMode, int dviAudioMode);
    void loadEntry(int index);
    void retranslateDynamic();

    Ui::DialogEDID *ui = nullptr;
    int devType = -1;
    bool updating = false;
    int lastField = PixelClock::Width;
    QTimer *timerResolution = nullptr;
};
