// A plain colour swatch: the widget's window background filled with one colour. Used for the
// background and border previews of the output settings.
#pragma once

#include <QColor>
#include <QWidget>

class ColorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ColorWidget(QWidget *parent = nullptr);

    QColor color() const { return swatch; }
    void setColor(const QColor &color);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor swatch = Qt::black;
};
