// Window attribute dialog of the canvas: one window's input resolution, input crop, position, size
// and transparency. Edits are corrected against the input and panel limits after 900 ms of quiet and
// sent to the current device on Apply, KS set and GW alike. The main window creates it over the
// canvas when the canvas asks for it (emitOpenAttribute), fills it and runs it modally.
#pragma once

#include "Records.h"

#include "SxBaseWidget.h"

#include <QRect>
#include <QRectF>

namespace Ui {
class DialogAttribute;
}
class QTimer;
class SxGraphicsView;

class DialogAttribute : public SxBaseWidget
{
    Q_OBJECT
public:
    // Codes of the last edited spin box.
    enum Field { FieldNone = 0, WinX = 1, WinY, WinW, WinH, CropX, CropY, CropW, CropH };
    static constexpr int MinSize = 64;
    static constexpr int QuietMs = 900;

    explicit DialogAttribute(QWidget *parent = nullptr);
    ~DialogAttribute() override;

    void setDeviceType(int type);
    void setWindow(int id, const QRect &windowRect, int transparency, const QRectF &panel, int layer);
    void setInput(int input, int width, int height, int rate);
    void setCrop(const INFO_INPUTCROP &crop);
    void setTitle(const QString &title);
    // The device the dialog acts on; empty (the default) is the current device.
    void setCpuid(const QString &id) { cpuid = id; }

    // Fills the dialog for window `winId` of `view` in the order the canvas gives it: device type,
    // window, input, the crop record of the view's device when it has one, the title. False (and
    // nothing filled) when the view has no such window.
    bool fillFromView(const SxGraphicsView *view, int winId);

    int windowId() const { return winId; }
    int inputWidth() const { return inWidth; }
    int inputHeight() const { return inHeight; }
    bool isCropDirty() const { return cropDirty; }
    bool isTransDirty() const { return transDirty; }
    bool isWindowDirty() const { return windowDirty; }
    QTimer *windowTimer() const { return timerWindow; }
    QTimer *cropTimer() const { return timerCrop; }

    // Corrections, pure: the rectangle after the edit of `field`, against `limit` (crop: the input
    // 0,0,W,H; window: the panel bounds).
    static QRect correctCrop(const QRect &crop, int field, int inputWidth, int inputHeight);
    static QRect correctWindow(const QRect &window, int field, const QRectF &bounds);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_btn_apply_clicked();
    void on_btn_crop_clicked();
    void on_spinBox_crop_x_valueChanged(int);
    void on_spinBox_crop_y_valueChanged(int);
    void on_spinBox_crop_w_valueChanged(int);
    void on_spinBox_crop_h_valueChanged(int);
    void on_spinBox_win_x_valueChanged(int);
    void on_spinBox_win_y_valueChanged(int);
    void on_spinBox_win_w_valueChanged(int);
    void on_spinBox_win_h_valueChanged(int);
    void onTimerWindow();
    void onTimerCrop();
    void on_spinBox_trans_valueChanged(int);

private:
    void windowEdited(int field);
    void cropEdited(int field);
    void setCropSwitch(bool on);
    bool cropOn() const;
    QRect cropRect() const;
    QRect windowRect() const;
    void retranslate();

    Ui::DialogAttribute *ui;
    int winId = 0;
    int layer = 0;
    QRectF bounds;
    int inWidth = 1920;
    int inHeight = 1080;
    bool updating = false;
    QTimer *timerWindow = nullptr;
    QTimer *timerCrop = nullptr;
    int changedField = FieldNone;
    int deviceType = 0;
    QString cpuid;
    bool cropDirty = false;
    bool transDirty = false;
    bool windowDirty = false;
    // Input-resolution text arguments, kept for re-translation; width 0 means unknown.
    int shownWidth = 0;
    int shownHeight = 0;
    int shownRate = 0;
};
