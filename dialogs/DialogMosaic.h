// Multi-machine mosaic of one KS-set window: the window as one unit of an equal grid of units, or
// as a pixel rectangle of a larger total picture, with fine tuning. The main window runs it when
// the KS canvas asks (emitOpenMosaic). Closing it reads the mosaic settings back from the device.
#pragma once

#include "Records.h"

#include "SxBaseWidget.h"

#include <QIcon>

namespace Ui {
class DialogMosaic;
}

class DialogMosaic : public SxBaseWidget
{
    Q_OBJECT
public:
    enum Mode { UnitMode = 0, PixelMode = 1 };
    // The largest unit position one frame byte carries.
    static constexpr int MaxPosition = 255;

    explicit DialogMosaic(QWidget *parent = nullptr);
    ~DialogMosaic() override;

    void setMosaic(int winId, const INFO_MOSAIC &mosaic, int windowWidth, int windowHeight, int deviceType);
    // The device the dialog acts on; empty (the default) is the current device.
    void setCpuid(const QString &id) { cpuid = id; }

    int windowId() const { return winId; }
    int getDeviceType() const { return deviceType; }

    void done(int result) override;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_btn_switch_clicked();
    void on_btn_apply_clicked();
    void on_combo_mosaicMode_currentIndexChanged(int index);
    void on_spinBox_hUnits_valueChanged(int arg1);
    void on_spinBox_vUnits_valueChanged(int arg1);

private:
    void layoutPage(int mode);
    void limitPosition();
    void setSwitch(bool on);
    void retranslate();

    Ui::DialogMosaic *ui;
    int winId = 0;
    int winWidth = 0;
    int winHeight = 0;
    int deviceType = 0;
    QString cpuid;
    QIcon iconOn;
    QIcon iconOff;
};
