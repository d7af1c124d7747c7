#include "ColorWidget.h"

#include <QPainter>

ColorWidget::ColorWidget(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setColor(swatch);
}

void ColorWidget::setColor(const QColor &color)
{
    swatch = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, swatch);
    setPalette(pal);
    update();
}

QSize ColorWidget::sizeHint() const
{
    return QSize(40, 20);
}

void ColorWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    // The style sheet may override the palette; paint the swatch ourselves so it always shows.
    QPainter p(this);
    p.fillRect(rect(), swatch);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
