#include "DialogGWImageQuality.h"

#include <QTimer>

DialogGWImageQuality::DialogGWImageQuality(QWidget *parent) : SxBaseWidget(parent) {}
DialogGWImageQuality::~DialogGWImageQuality() = default;
void DialogGWImageQuality::setImageQuality(const QList<INFO_IMAGE_QUALITY> &list) {}
QList<INFO_IMAGE_QUALITY> DialogGWImageQuality::records() const { return {}; }
void DialogGWImageQuality::switchLanguage() {}
void DialogGWImageQuality::changeEvent(QEvent *event) {}
void DialogGWImageQuality::on_combo_window_currentIndexChanged(int index) {}
void DialogGWImageQuality::on_slider_brightness_valueChanged(int v) {}
void DialogGWImageQuality::on_slider_contrast_valueChanged(int v) {}
void DialogGWImageQuality::on_slider_saturation_valueChanged(int v) {}
void DialogGWImageQuality::on_slider_red_valueChanged(int v) {}
void DialogGWImageQuality::on_slider_green_valueChanged(int v) {}
void DialogGWImageQuality::on_slider_blue_valueChanged(int v) {}
void DialogGWImageQuality::on_slider_redGain_valueChanged(int v) {}
void DialogGWImageQuality::on_slider_greenGain_valueChanged(int v) {}
void DialogGWImageQuality::on_slider_blueGain_valueChanged(int v) {}
void DialogGWImageQuality::on_btn_reset_clicked() {}
void DialogGWImageQuality::onTimerSend() {}
void DialogGWImageQuality::connectSpins() {}
void DialogGWImageQuality::loadRecord(const INFO_IMAGE_QUALITY &q) {}
void DialogGWImageQuality::changed(int code, int value) {}
void DialogGWImageQuality::storeRecord(int row, int code, int value) {}
void DialogGWImageQuality::retranslateSelector() {}
