// "Image Quality" of KS and KT models (types 0 to 4): brightness, contrast, sharpness, hue,
// saturation and colour offsets of one window or of all windows. A change is sent 200 ms after it
// was made; a further change within that time replaces it. Owned by the main window and re-filled
// before every showing; the selector, the controls and the pending change are its
// ImageQualityStore's.
#pragma once

#include "Records.h"

#include "SxBaseWidget.h"

#include <QList>

namespace Ui {
class DialogImageQuality;
}
class ImageQualityStore;
class QTimer;

class DialogImageQuality : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit DialogImageQuality(QWidget *parent = nullptr);
    ~DialogImageQuality() override;

    // Rebuilds the window selector from the list and shows the first window's values (the
    // defaults while the list is empty).
    void setImageQuality(const QList<INFO_IMAGE_QUALITY> &list);
    // The stored record of every window, in selector order.
    QList<INFO_IMAGE_QUALITY> records() const;
    QTimer *sendTimer() const;
    void switchLanguage();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_btn_reset_clicked();
    void onTimerSend();

private:
    Ui::DialogImageQuality *ui = nullptr;
    ImageQualityStore *store = nullptr;
};
