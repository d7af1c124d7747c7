#include "DialogMosaic.h"
#include "ui_DialogMosaic.h"

#include "DeviceLookup.h"
#include "DeviceModels.h"
#include "KS9200Interface.h"

#include <QEvent>
#include <QSignalBlocker>

DialogMosaic::DialogMosaic(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogMosaic)
    , iconOn(QStringLiteral(":/sysButton/sysButton/icon_switchOpen.png"))
    , iconOff(QStringLiteral(":/sysButton/sysButton/icon_switchClose.png"))
{
    ui->setupUi(this);
    setSwitch(false);
    retranslate();
}

DialogMosaic::~DialogMosaic()
{
    delete ui;
}

void DialogMosaic::setMosaic(int id, const INFO_MOSAIC &m, int windowWidth, int windowHeight, int type)
{
    winId = id;
    winWidth = windowWidth;
    winHeight = windowHeight;
    deviceType = type;
    const int mode = m.mode == PixelMode ? PixelMode : UnitMode;
    layoutPage(mode);
    retranslate();
    setSwitch(m.enable != 0);
    // The tune values are signed bytes on the wire.
    ui->spinBox_xTune->setValue(int8_t(m.p3));
    ui->spinBox_yTune->setValue(int8_t(m.p4));
    ui->spinBox_wTune->setValue(int8_t(m.p5));
    ui->spinBox_hTune->setValue(int8_t(m.p6));
    ui->spinBox_hTotal->setValue(m.totalWidth);
    ui->spinBox_vTotal->setValue(m.totalHeight);
    ui->spinBox_x->setValue(m.startX);
    ui->spinBox_y->setValue(m.startY);
    ui->spinBox_hUnits->setValue(m.hUnits);
    ui->spinBox_vUnits->setValue(m.vUnits);
    limitPosition();
    ui->spinBox_position->setValue(m.unitIndex);
    {
        const QSignalBlocker block(ui->combo_mosaicMode);
        ui->combo_mosaicMode->setCurrentIndex(mode);
    }
    ui->stackedWidget->setCurrentIndex(mode);
    if (mode == PixelMode) {
        ui->spinBox_hUnits->setValue(1);
        ui->spinBox_vUnits->setValue(1);
        ui->spinBox_position->setValue(1);
        ui->spinBox_position->setMaximum(1);
    } else {
        ui->spinBox_hTotal->setValue(winWidth);
        ui->spinBox_vTotal->setValue(winHeight);
        ui->spinBox_x->setValue(0);
        ui->spinBox_y->setValue(0);
    }
}

void DialogMosaic::done(int result)
{
    // The main window's record follows the device, whatever was sent meanwhile.
    if (KS9200Interface *ks = DeviceLookup::ksInterface(cpuid))
        ks->readMosaic();
    SxBaseWidget::done(result);
}

void DialogMosaic::on_btn_switch_clicked()
{
    const bool on = ui->btn_switch->isChecked();
    setSwitch(on);
    if (KS9200Interface *ks = DeviceLookup::ksInterface(cpuid))
        ks->setMosaicOnOff(winId, on ? 1 : 0);
}

void DialogMosaic::on_btn_apply_clicked()
{
    KS9200Interface *ks = DeviceLookup::ksInterface(cpuid);
    if (!ks)
        return;
    const bool tune = ui->combo_mosaicMode->currentIndex() == PixelMode || isKxType(deviceType);
    if (ui->combo_mosaicMode->currentIndex() == PixelMode)
        ks->setMosaicPixels(winId, ui->spinBox_hTotal->value(), ui->spinBox_vTotal->value(),
                            ui->spinBox_x->value(), ui->spinBox_y->value());
    else
        ks->setMosaicUnits(winId, ui->spinBox_hUnits->value(), ui->spinBox_vUnits->value(),
                           ui->spinBox_position->value());
    if (tune)
        ks->setMosaicTune(winId, ui->spinBox_xTune->value(), ui->spinBox_yTune->value(),
                          ui->spinBox_wTune->value(), ui->spinBox_hTune->value());
}

void DialogMosaic::on_combo_mosaicMode_currentIndexChanged(int index)
{
    layoutPage(index);
}

void DialogMosaic::on_spinBox_hUnits_valueChanged(int)
{
    limitPosition();
}

void DialogMosaic::on_spinBox_vUnits_valueChanged(int)
{
    limitPosition();
}

void DialogMosaic::layoutPage(int mode)
{
    if (mode != PixelMode)
        mode = UnitMode;
    if (isKxType(deviceType))
        ui->group_tune->setVisible(true);
    else if (isKsType(deviceType))
        ui->group_tune->setVisible(mode == PixelMode);
    ui->stackedWidget->setCurrentIndex(mode);
}

void DialogMosaic::limitPosition()
{
    // The frame carries the position in one byte. QSpinBox lowers the value to a new maximum by
    // itself.
    const int units = ui->spinBox_hUnits->value() * ui->spinBox_vUnits->value();
    ui->spinBox_position->setMaximum(qBound(1, units, MaxPosition));
}

void DialogMosaic::setSwitch(bool on)
{
    {
        const QSignalBlocker block(ui->btn_switch);
        ui->btn_switch->setChecked(on);
    }
    ui->btn_switch->setIcon(on ? iconOn : iconOff);
}

void DialogMosaic::retranslate()
{
    setWindowTitle(tr("window %1").arg(winId + 1) + QLatin1Char(' ') + tr("Mosaic"));
    ui->dialogTitle->setTitle(windowTitle());
}

void DialogMosaic::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    SxBaseWidget::changeEvent(event);
}
