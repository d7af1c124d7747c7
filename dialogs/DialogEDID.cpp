#include "DialogEDID.h"

#include <QTimer>

DialogEDID::DialogEDID(QWidget *parent) : SxBaseWidget(parent) {}
DialogEDID::~DialogEDID() = default;
void DialogEDID::setEdidData(const QList<INFO_EDID> &list, int type, int signalMode, int dviAudioMode) {}
void DialogEDID::switchLanguage() {}
QString DialogEDID::inputLabel(int type, int srcId) { return {}; }
QStringList DialogEDID::presetNames() { return {}; }
bool DialogEDID::hasPresets(int type) { return {}; }
PixelClock::Timing DialogEDID::presetTiming(int index) { return {}; }
void DialogEDID::changeEvent(QEvent *event) {}
void DialogEDID::on_combo_inputSrc_currentIndexChanged(int index) {}
void DialogEDID::on_spin_width_valueChanged(int) {}
void DialogEDID::on_spin_height_valueChanged(int) {}
void DialogEDID::on_spin_frame_valueChanged(int) {}
void DialogEDID::on_combo_preset_currentIndexChanged(int index) {}
void DialogEDID::onTimerResolution() {}
void DialogEDID::on_combo_dviMode_currentIndexChanged(int index) {}
void DialogEDID::on_btn_ok_clicked() {}
void DialogEDID::on_pushButton_clicked() {}
void DialogEDID::edited(int field) {}
void DialogEDID::rebuildModeSelector(int signalMode, int dviAudioMode) {}
void DialogEDID::loadEntry(int index) {}
void DialogEDID::retranslateDynamic() {}
