// "Image Quality" of GW devices (type 48): brightness, contrast, saturation, colour offsets and
// colour gains of one window or of all windows. A change is sent 200 ms after it
// was made; a further change within that time replaces it. Owned by the main window and re-filled
// before every showing.
#pragma once

#include "Records.h"

#include "SxBaseWidget.h"

#include <QList>

namespace Ui {
class DialogGWImageQuality;
}
class ImageQualityStore;
class QTimer;

class DialogGWImageQuality : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit DialogGWImageQuality(QWidget *parent = nullptr);
    ~DialogGWImageQuality() override;

    // Rebuilds the window selector from the list and shows the first window's values.
    void setImageQuality(const QList<INFO_IMAGE_QUALITY> &list);
    // The stored record of every window, in selector order.
    QList<INFO_IMAGE_QUALITY> records() const;
    QTimer *sendTimer() const;
    int pendingCode() const;
    int pendingValue() const;
    void switchLanguage();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_combo_window_currentIndexChanged(int index);
    void on_slider_brightness_valueChanged(int v);
    void on_slider_contrast_valueChanged(int v);
    void on_slider_saturation_valueChanged(int v);
    void on_slider_red_valueChanged(int v);
    void on_slider_green_valueChanged(int v);
    void on_slider_blue_valueChanged(int v);
    void on_slider_redGain_valueChanged(int v);
    void on_slider_greenGain_valueChanged(int v);
    void on_slider_blueGain_valueChanged(int v);
    void on_btn_reset_clicked();
    void onTimerSend();

private:
    void connectSpins();
    void loadRecord(const INFO_IMAGE_QUALITY &q);
    void changed(int code, int value);

    Ui::DialogGWImageQuality *ui = nullptr;
    ImageQualityStore *store = nullptr;
    bool updating = false;
};
