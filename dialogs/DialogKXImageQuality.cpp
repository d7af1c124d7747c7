#include "DialogKXImageQuality.h"

#include <QTimer>

DialogKXImageQuality::DialogKXImageQuality(QWidget *parent) : SxBaseWidget(parent) {}
DialogKXImageQuality::~DialogKXImageQuality() = default;
void DialogKXImageQuality::setImageQuality(const QList<INFO_IMAGE_QUALITY> &basic, const QList<INFO_IMAGE_ADVANCED> &advanced) {}
void DialogKXImageQuality::switchLanguage() {}
void DialogKXImageQuality::changeEvent(QEvent *event) {}
void DialogKXImageQuality::on_combo_window_currentIndexChanged(int index) {}
void DialogKXImageQuality::on_combo_colorTemp_currentIndexChanged(int index) {}
void DialogKXImageQuality::on_combo_rgbcmy_currentIndexChanged(int index) {}
void DialogKXImageQuality::on_btn_reset_clicked() {}
void DialogKXImageQuality::onTimerSend() {}
void DialogKXImageQuality::wireControls() {}
void DialogKXImageQuality::loadPicture(const WindowPicture &p) {}
void DialogKXImageQuality::loadColorTemp(const INFO_IMAGE_ADVANCED &a) {}
void DialogKXImageQuality::loadRgbcmy(const INFO_IMAGE_ADVANCED &a) {}
void DialogKXImageQuality::changed(int code, int value) {}
void DialogKXImageQuality::store(WindowPicture &p) const {}
void DialogKXImageQuality::sendPending(int window) {}
void DialogKXImageQuality::fillCombos() {}
void DialogKXImageQuality::retranslateSelector() {}
