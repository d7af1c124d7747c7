#include "SxProgressIndicator.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

SxProgressIndicator::SxProgressIndicator(QWidget *parent)
    : QDialog(parent)
    , stopper(new QTimer(this))
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    setAttribute(Qt::WA_TranslucentBackground);
    stopper->setSingleShot(true);
    stopper->setInterval(DefaultStopTime);
    connect(stopper, &QTimer::timeout, this, &SxProgressIndicator::onStopTimeout);
}

int SxProgressIndicator::stopTime() const
{
    return stopper->interval();
}

QSize SxProgressIndicator::sizeHint() const
{
    return QSize(48, 48);
}

void SxProgressIndicator::startAnimation(bool block)
{
    currentAngle = 0;
    if (timerId == -1)
        timerId = startTimer(delay);
    stopper->start();
    if (parentWidget())
        setGeometry(parentWidget()->geometry());
    if (block)
        exec();
    else
        show();
}

void SxProgressIndicator::stopAnimation()
{
    if (timerId != -1)
        killTimer(timerId);
    timerId = -1;
    stopper->stop();
    if (!displayedWhenStopped)
        hide();
    update();
}

void SxProgressIndicator::setStopTime(int ms)
{
    stopper->setInterval(ms);
}

void SxProgressIndicator::setAnimationDelay(int ms)
{
    delay = ms;
    if (timerId != -1) {
        killTimer(timerId);
        timerId = startTimer(delay);
    }
}

void SxProgressIndicator::setDisplayedWhenStopped(bool state)
{
    displayedWhenStopped = state;
    update();
}

void SxProgressIndicator::setColor(const QColor &color)
{
    spinColor = color;
    update();
}

void SxProgressIndicator::timerEvent(QTimerEvent *)
{
    currentAngle = (currentAngle + 30) % 360;
    update();
}

void SxProgressIndicator::paintEvent(QPaintEvent *)
{
    if (!displayedWhenStopped && !isAnimated())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) > 96 ? 48 : qMin(width(), height());
    const QPointF centre(width() / 2.0, height() / 2.0);
    const qreal outer = side * 0.5;
    const qreal inner = outer * 0.38;
    const qreal capsuleHeight = outer - inner;
    const qreal capsuleWidth = side > 32 ? capsuleHeight * 0.23 : capsuleHeight * 0.35;
    for (int i = 0; i < 12; ++i) {
        QColor c = spinColor;
        c.setAlphaF(1.0 - (i / 12.0));
        p.save();
        p.translate(centre);
        p.rotate(currentAngle - i * 30.0);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(-capsuleWidth * 0.5, -(inner + capsuleHeight), capsuleWidth, capsuleHeight),
                          capsuleWidth / 2, capsuleWidth / 2);
        p.restore();
    }
}

void SxProgressIndicator::onStopTimeout()
{
    stopAnimation();
    if (result() == 0 && isModal())
        done(0);
}
