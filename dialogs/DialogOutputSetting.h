// "Output Setting" of KS-set devices (KS, KT and KX models): output resolution of one or two
// outputs, background colour, borders, DVI output enhance and, on KX models, the output mode.
// Owned by the main window, re-filled from the current device's record before every showing; every
// change goes to the current device through its KS9200Interface (DeviceLookup).
#pragma once

#include "PixelClock.h"
#include "Records.h"

#include "SxBaseWidget.h"

#include <QColor>
#include <QStringList>

namespace Ui {
class DialogOutputSetting;
}
class DEVICE_INFO_KS;
class QTimer;

class DialogOutputSetting : public SxBaseWidget
{
    Q_OBJECT
public:
    // The resolution field edited last.
    enum ResolutionField { Out1Width = 0, Out2Width, Out1Height, Out2Height, Out1Rate, Out2Rate };
    static constexpr int ResolutionDelayMs = 1000;
    static constexpr int BackgroundDelayMs = 200;
    static constexpr int ApplyBusyMs = 8000;
    static constexpr int OutputModeBusyMs = 6000;

    explicit DialogOutputSetting(QWidget *parent = nullptr);
    ~DialogOutputSetting() override;

    // Fills every widget from the record; the type-dependent lists and visibility are rebuilt only
    // when the type differs from the last one shown.
    void setDeviceData(const DEVICE_INFO_KS &record);
    int deviceType() const { return devType; }
    void switchLanguage();

    QTimer *resolutionTimer() const { return timerResolution; }
    QTimer *backgroundTimer() const { return timerBackground; }
    int lastResolutionField() const { return lastField; }

    // Preset names of a type's resolution combo, index 0 "custom" first (untranslated).
    static QStringList presetNames(int type);
    // Width, height and rate of preset `index` of a type's list; all 0 for "custom" or out of range.
    static PixelClock::Timing presetTiming(int type, int index);
    // Pixel-clock limits of a type's output (KX output 1 in replication mode is wider).
    static PixelClock::Limits outputLimits(int type, int outputMode, bool secondOutput);
    // KX background: the components (red, green 0..4, blue 0..2) packed into one byte, and the
    // colour that byte shows.
    static uint8_t kxBackgroundByte(int red, int green, int blue);
    static QColor kxPreviewColor(uint8_t packed);
    // Swatch colour of border colour index 0..7.
    static QColor borderColor(int index, bool kx);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_comboBox_output1_currentIndexChanged(int index);
    void on_comboBox_output2_currentIndexChanged(int index);
    void on_spinBox_output1_w_valueChanged(int);
    void on_spinBox_output2_w_valueChanged(int);
    void on_spinBox_output1_h_valueChanged(int);
    void on_spinBox_output2_h_valueChanged(int);
    void on_spinBox_fr1_valueChanged(int);
    void on_spinBox_fr2_valueChanged(int);
    void onTimerResolution();
    void on_pushButton_clicked();

    void on_slider_bg_red_valueChanged(int value);
    void on_slider_bg_green_valueChanged(int value);
    void on_slider_bg_blue_valueChanged(int value);
    void on_spinBox_bg_red_valueChanged(int value);
    void on_spinBox_bg_green_valueChanged(int value);
    void on_spinBox_bg_blue_valueChanged(int value);
    void onTimerBackgroudColor();

    void on_combo_OutputSelect_currentIndexChanged(int index);
    void on_btn_borderOnOff_clicked();
    void on_spinBox_border_x_valueChanged(int);
    void on_spinBox_border_y_valueChanged(int);
    void on_spinBox_border_w_valueChanged(int);
    void on_spinBox_border_h_valueChanged(int);
    void on_spinBox_thickness_valueChanged(int);
    void on_combo_colorSelect_currentIndexChanged(int index);

    void on_btn_dvi1_a_clicked();
    void on_btn_dvi1_b_clicked();
    void on_btn_dvi2_a_clicked();
    void on_btn_dvi2_b_clicked();

    void on_combo_outputMode_currentIndexChanged(int index);
    void on_btn_exchange_clicked();

private:
    bool isKx() const;
    void rebuildForType(int type);
    void fillPresets();
    void applyVisibility();
    void applyPreset(int output, int index);
    void resolutionEdited(int field);
    void selectPreset(int output, int index, const INFO_PANEL *custom);
    void backgroundEdited();
    void refreshBackgroundSwatch();
    void loadBorder(int index);
    void setBorderFieldsEnabled(bool on);
    void sendBorder();
    void sendOutputEnhance();
    void retranslateDynamic();

    Ui::DialogOutputSetting *ui = nullptr;
    int devType = -1;
    bool updating = false;
    int lastField = Out1Width;
    QTimer *timerResolution = nullptr;
    QTimer *timerBackground = nullptr;
};
