#include "DialogOutputSetting.h"

#include <QTimer>

DialogOutputSetting::DialogOutputSetting(QWidget *parent) : SxBaseWidget(parent) {}
DialogOutputSetting::~DialogOutputSetting() = default;
void DialogOutputSetting::setDeviceData(const DEVICE_INFO_KS &record) {}
void DialogOutputSetting::switchLanguage() {}
QStringList DialogOutputSetting::presetNames(int type) { return {}; }
PixelClock::Timing DialogOutputSetting::presetTiming(int type, int index) { return {}; }
PixelClock::Limits DialogOutputSetting::outputLimits(int type, int outputMode, bool secondOutput) { return {}; }
uint8_t DialogOutputSetting::kxBackgroundByte(int red, int green, int blue) { return {}; }
QColor DialogOutputSetting::kxPreviewColor(uint8_t packed) { return {}; }
QColor DialogOutputSetting::borderColor(int index, bool kx) { return {}; }
void DialogOutputSetting::changeEvent(QEvent *event) {}
void DialogOutputSetting::on_comboBox_output1_currentIndexChanged(int index) {}
void DialogOutputSetting::on_comboBox_output2_currentIndexChanged(int index) {}
void DialogOutputSetting::on_spinBox_output1_w_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_output2_w_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_output1_h_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_output2_h_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_fr1_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_fr2_valueChanged(int) {}
void DialogOutputSetting::onTimerResolution() {}
void DialogOutputSetting::on_pushButton_clicked() {}
void DialogOutputSetting::on_slider_bg_red_valueChanged(int value) {}
void DialogOutputSetting::on_slider_bg_green_valueChanged(int value) {}
void DialogOutputSetting::on_slider_bg_blue_valueChanged(int value) {}
void DialogOutputSetting::on_spinBox_bg_red_valueChanged(int value) {}
void DialogOutputSetting::on_spinBox_bg_green_valueChanged(int value) {}
void DialogOutputSetting::on_spinBox_bg_blue_valueChanged(int value) {}
void DialogOutputSetting::onTimerBackgroudColor() {}
void DialogOutputSetting::on_combo_OutputSelect_currentIndexChanged(int index) {}
void DialogOutputSetting::on_btn_borderOnOff_clicked() {}
void DialogOutputSetting::on_spinBox_border_x_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_border_y_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_border_w_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_border_h_valueChanged(int) {}
void DialogOutputSetting::on_spinBox_thickness_valueChanged(int) {}
void DialogOutputSetting::on_combo_colorSelect_currentIndexChanged(int index) {}
void DialogOutputSetting::on_btn_dvi1_a_clicked() {}
void DialogOutputSetting::on_btn_dvi1_b_clicked() {}
void DialogOutputSetting::on_btn_dvi2_a_clicked() {}
void DialogOutputSetting::on_btn_dvi2_b_clicked() {}
void DialogOutputSetting::on_combo_outputMode_currentIndexChanged(int index) {}
void DialogOutputSetting::on_btn_exchange_clicked() {}
bool DialogOutputSetting::isKx() const { return {}; }
void DialogOutputSetting::rebuildForType(int type) {}
void DialogOutputSetting::fillPresets() {}
void DialogOutputSetting::applyVisibility() {}
void DialogOutputSetting::applyPreset(int output, int index) {}
void DialogOutputSetting::resolutionEdited(int field) {}
void DialogOutputSetting::selectPreset(int output, int index, const INFO_PANEL *custom) {}
void DialogOutputSetting::backgroundEdited() {}
void DialogOutputSetting::refreshBackgroundSwatch() {}
void DialogOutputSetting::loadBorder(int index) {}
void DialogOutputSetting::setBorderFieldsEnabled(bool on) {}
void DialogOutputSetting::sendBorder() {}
void DialogOutputSetting::sendOutputEnhance() {}
void DialogOutputSetting::retranslateDynamic() {}
