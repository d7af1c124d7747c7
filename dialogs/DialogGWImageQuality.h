// "Image Quality" of GW devices (type 48): brightness, contrast, saturation, colour offsets and
// colour gains of one window or of all windows. A change is sent 200 ms after it was made; a
// further change within that time replaces it. Owned by the main window and re-filled before
// every showing; the selector, the controls and the pending change are its ImageQualityStore's.
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

    // Rebuilds the window selector from the list (one record per window, in any order) and shows
    // the first window's values (the defaults while the list is empty).
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
    Ui::DialogGWImageQuality *ui = nullptr;
    ImageQualityStore *store = nullptr;
};
