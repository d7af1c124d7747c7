// Built-in test patterns of a KS-set device. The pattern number steps with the arrow buttons or
// the mouse wheel and wraps at the type's highest number; switching off or closing always leaves
// the device without a pattern.
#pragma once

#include "SxBaseWidget.h"

namespace Ui {
class DialogTestPicCard;
}

class DialogTestPicCard : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit DialogTestPicCard(QWidget *parent = nullptr);
    ~DialogTestPicCard() override;

    void setDeviceType(int type);
    int currentIndex() const { return index; }
    int highestIndex() const { return maxIndex; }

protected:
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void done(int result) override;

private slots:
    void on_btn_switch_clicked();
    void on_btn_prev_clicked();
    void on_btn_next_clicked();

private:
    void showPattern(int n);

    Ui::DialogTestPicCard *ui;
    int index = 0;
    int maxIndex = 61;
};
