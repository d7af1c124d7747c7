// "Image Quality" of KX models (types 16, 17, 18 and 20): the basic picture controls, gamma and
// colour offsets, colour temperature, colour mode, six-axis (RGBCMY) colour, image effects and
// colour-format overrides of one window or of all windows. A change is sent 200 ms after it was
// made (the last change within that time wins); a group control sends its whole group. Owned by
// the main window and re-filled before every showing.
#pragma once

#include "Records.h"

#include "SxBaseWidget.h"

#include <QList>
#include <QMap>

namespace Ui {
class DialogKXImageQuality;
}
class QTimer;

class DialogKXImageQuality : public SxBaseWidget
{
    Q_OBJECT
public:
    static constexpr int SendDelayMs = 200;
    // Group codes: high byte the sub-command of the group frame, low byte the member.
    enum GroupCode {
        ColorTempMode = 0x0A01,
        ColorTempRed = 0x0A02,
        ColorTempGreen = 0x0A03,
        ColorTempBlue = 0x0A04,
        RgbcmyRed = 0x0C02,
        RgbcmyGreen = 0x0C03,
        RgbcmyBlue = 0x0C04,
        RgbcmyCyan = 0x0C05,
        RgbcmyMagenta = 0x0C06,
        RgbcmyYellow = 0x0C07,
        EffectClearVision = 0x0D01,
        EffectLuminance = 0x0D02,
        EffectSkinTone = 0x0D03,
        EffectGaussianBlur = 0x0D04,
        ExpertColorGamut = 0x0E01,
        ExpertInRange = 0x0E02,
        ExpertInFMT = 0x0E03,
        ExpertWinFMT = 0x0E04,
    };

    struct WindowPicture
    {
        INFO_IMAGE_QUALITY basic;
        INFO_IMAGE_ADVANCED advanced;
    };

    explicit DialogKXImageQuality(QWidget *parent = nullptr);
    ~DialogKXImageQuality() override;

    // Fills the dialog only when both lists are non-empty and of equal length; otherwise the
    // dialog is left empty (no windows).
    void setImageQuality(const QList<INFO_IMAGE_QUALITY> &basic, const QList<INFO_IMAGE_ADVANCED> &advanced);
    QMap<int, WindowPicture> records() const { return pictures; }
    QTimer *sendTimer() const { return timerSend; }
    int pendingCode() const { return code; }
    int pendingValue() const { return value; }
    void switchLanguage();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_combo_window_currentIndexChanged(int index);
    void on_combo_colorTemp_currentIndexChanged(int index);
    void on_combo_rgbcmy_currentIndexChanged(int index);
    void on_btn_reset_clicked();
    void onTimerSend();

private:
    void wireControls();
    void loadPicture(const WindowPicture &p);
    void loadColorTemp(const INFO_IMAGE_ADVANCED &a);
    void loadRgbcmy(const INFO_IMAGE_ADVANCED &a);
    void changed(int code, int value);
    void store(WindowPicture &p) const;
    void sendPending(int window);
    void fillCombos();
    void retranslateSelector();

    Ui::DialogKXImageQuality *ui = nullptr;
    bool updating = false;
    int code = 0;
    int value = 0;
    QTimer *timerSend = nullptr;
    QMap<int, WindowPicture> pictures;
};
