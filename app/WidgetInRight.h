// Vertical tool bar right of the canvas tabs: device-wide switches (picture-in-picture, freeze,
// fade, black screen), per-window switches (local full screen, frame sync) and canvas commands
// (lock windows, arrange horizontally and vertically). Requests go through the current device's
// interface (DeviceLookup) or through the signals below.
#pragma once

#include <QWidget>

class INFO_BASIC;
struct INFO_OTHER_GW5;

namespace Ui {
class WidgetInRight;
}

class WidgetInRight : public QWidget
{
    Q_OBJECT
public:
    explicit WidgetInRight(QWidget *parent = nullptr);
    ~WidgetInRight() override;

    // Panel refresh: button visibility by type code and checked states from the record.
    void setDevice(INFO_BASIC *record);
    // Freeze, black screen and frame sync from a GW device's other settings.
    void setGWOtherSetting(const INFO_OTHER_GW5 &other);
    int windowID() const { return m_windowID; }
    int deviceType() const { return m_deviceType; }

signals:
    void emitSendData(QByteArray data);
    void emitLockWindow(bool lock);
    void emitHorWindow();
    void emitVerWindow();
    void emitPartFullScreen(bool part);

public slots:
    void setWindowID(int id);
    void switchLanguage();
    void setPIP(bool on);
    void setFreeze(bool on);
    void setFade(bool on);
    void setBlackScreen(bool on);
    void setFrameSync(bool on);
    void setPartFullScreen(bool on);

private slots:
    void on_btn_pip_clicked(bool checked);
    void on_btn_freeze_clicked(bool checked);
    void on_btn_fade_clicked(bool checked);
    void on_btn_local_clicked(bool checked);
    void on_btn_blackScreen_clicked(bool checked);
    void on_btn_frameSync_clicked(bool checked);
    void on_btn_lockWindow_clicked(bool checked);
    void on_btn_hor_clicked();
    void on_btn_ver_clicked();

private:
    void applyTooltips();
    void applyVisibility(int type);
    void showSelectWindowTip();

    Ui::WidgetInRight *ui;
    int m_windowID = 0;
    int m_deviceType = -1;
};
