// USB media player of a KS-set device: play, pause, next and previous, the work mode, and the
// wireless hotspot and wireless display switches.
#pragma once

#include "SxBaseWidget.h"

namespace Ui {
class DialogUsbPlay;
}

class DialogUsbPlay : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit DialogUsbPlay(QWidget *parent = nullptr);
    ~DialogUsbPlay() override;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_btn_wifi_clicked();
    void on_btn_wirelessScreen_clicked();
    void on_btn_play_clicked();
    void on_btn_prev_clicked();
    void on_btn_next_clicked();
    void on_combo_workMode_currentIndexChanged(int index);

private:
    void setPlaying(bool playing);

    Ui::DialogUsbPlay *ui;
};
