// Audio output of a KS-set device: work mode, bound window, mute and volume. Filled by the main
// window from the device's other settings; each change is sent at once, and closing the dialog
// reads the device's audio state back.
#pragma once

#include "SxBaseWidget.h"

namespace Ui {
class DialogAudio;
}

class DialogAudio : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit DialogAudio(QWidget *parent = nullptr);
    ~DialogAudio() override;

    // audio: the first four bytes of the device's other settings (mode, window, mute, volume).
    void setAudioData(int windowCount, const uint8_t *audio, int deviceType);

public slots:
    void switchLanguage();

protected:
    void changeEvent(QEvent *event) override;
    void done(int result) override;

private slots:
    void on_toolButton_clicked();
    void on_comboBox_workMode_currentIndexChanged(int index);
    void on_comboBox_window_currentIndexChanged(int index);
    void on_spin_volume_valueChanged(int arg1);

private:
    void fillWorkModes();
    void fillWindows();

    Ui::DialogAudio *ui;
    int deviceType = 0;
    int windowCount = 0;
    bool updating = false;
};
