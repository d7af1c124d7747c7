#include "DialogImageQuality.h"

#include <QTimer>

DialogImageQuality::DialogImageQuality(QWidget *parent) : SxBaseWidget(parent) {}
DialogImageQuality::~DialogImageQuality() = default;
void DialogImageQuality::setImageQuality(const QList<INFO_IMAGE_QUALITY> &list) {}
QList<INFO_IMAGE_QUALITY> DialogImageQuality::records() const { return {}; }
void DialogImageQuality::switchLanguage() {}
void DialogImageQuality::changeEvent(QEvent *event) {}
void DialogImageQuality::on_combo_window_currentIndexChanged(int index) {}
void DialogImageQuality::on_slider_brightness_valueChanged(int v) {}
void DialogImageQuality::on_slider_contrast_valueChanged(int v) {}
void DialogImageQuality::on_slider_sharpness_valueChanged(int v) {}
void DialogImageQuality::on_slider_hue_valueChanged(int v) {}
void DialogImageQuality::on_slider_saturation_valueChanged(int v) {}
void DialogImageQuality::on_slider_red_valueChanged(int v) {}
void DialogImageQuality::on_slider_green_valueChanged(int v) {}
void DialogImageQuality::on_slider_blue_valueChanged(int v) {}
void DialogImageQuality::on_btn_reset_clicked() {}
void DialogImageQuality::onTimerSend() {}
void DialogImageQuality::connectSpins() {}
void DialogImageQuality::loadRecord(const INFO_IMAGE_QUALITY &q) {}
void DialogImageQuality::changed(int code, int value) {}
void DialogImageQuality::storeRecord(int row, int code, int value) {}
void DialogImageQuality::retranslateSelector() {}
