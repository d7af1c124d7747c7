// Asks for the rectangle of a new GW window. The main window runs it when the GW canvas asks
// (emitOpenAddWindow) and, when it is accepted, adds a window with rect().
#pragma once

#include "SxBaseWidget.h"

#include <QRect>
#include <QRectF>

namespace Ui {
class DialogAddWindow;
}

class DialogAddWindow : public SxBaseWidget
{
    Q_OBJECT
public:
    static constexpr int MinSize = 64;

    explicit DialogAddWindow(QWidget *parent = nullptr);
    ~DialogAddWindow() override;

    void setBounds(const QRectF &bounds);
    QRectF getBounds() const { return bounds; }
    // The accepted rectangle; empty until the dialog is accepted.
    QRect rect() const { return accepted; }

    // True when a window `r` may be added inside bounds of the given size.
    static bool fits(const QRect &r, const QSizeF &bounds);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_btn_ok_clicked();

private:
    void retranslate();

    Ui::DialogAddWindow *ui;
    QRectF bounds;
    QRect accepted;
};
