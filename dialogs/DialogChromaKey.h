// Chroma key of one window of a KS-set device. Opened from the canvas context menu, which fills it
// with the window's current key; Apply sends the key to the current device.
#pragma once

#include "Records.h"

#include "SxBaseWidget.h"

namespace Ui {
class DialogChromaKey;
}

class DialogChromaKey : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit DialogChromaKey(QWidget *parent = nullptr);
    ~DialogChromaKey() override;

    void setChromaData(int winId, const INFO_CHROMA &chroma);
    int windowId() const { return winId; }

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_combo_mode_currentIndexChanged(int index);
    void on_btn_apply_clicked();
    void on_btn_c_clicked();
    void on_btn_onoff_clicked();

private:
    void showCustomRows(bool custom);
    void updateTitle();

    Ui::DialogChromaKey *ui;
    int winId = 0;
};
