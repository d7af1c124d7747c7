// Bar under the canvas: the selected window's position and size in four spin boxes with an "ok"
// button, and the online state of the current device. Spin-box edits are clamped into the
// window's panel 900 ms after the last change; nothing is sent until "ok".
#pragma once

#include <QRect>
#include <QTimer>
#include <QWidget>

namespace Ui {
class WidgetInBottom;
}

class WidgetInBottom : public QWidget
{
    Q_OBJECT
public:
    explicit WidgetInBottom(QWidget *parent = nullptr);
    ~WidgetInBottom() override;

    void setOnline(bool online);
    bool isOnline() const { return m_online; }
    int windowID() const { return m_windowID; }
    QRect panelRect() const { return m_rectPanel; }
    // The rectangle of the four spin boxes.
    QRect spinRect() const;
    void switchLanguage();

signals:
    void emitSetWindowPos(QRect rf, bool bSendToDevice);
    void emitWriteData(QByteArray data);
    void emitSetWindowID(int id);

public slots:
    void onViewItemPosChange(int id, QRect rect, QRect rectPanel);

private slots:
    void on_spinBox_x_valueChanged(int value);
    void on_spinBox_y_valueChanged(int value);
    void on_spinBox_w_valueChanged(int value);
    void on_spinBox_h_valueChanged(int value);
    void on_btn_ok_clicked();
    void onTimeout();

private:
    void spinChanged(int which);

    Ui::WidgetInBottom *ui;
    int m_windowID = 0;
    bool m_online = false;
    int m_changed = 0; // 1 x, 2 y, 3 width, 4 height
    QRect m_rectPanel;
    QTimer m_timer;
};
