#include "SxProgressIndicator.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

SxProgressIndicator::SxProgressIndicator(QWidget *parent)
    : QDialog(parent)
    , stopper(new QTimer(this))
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    stopper->setSingleShot(true);
    stopper->setInterval(DefaultStopTime);
    connect(stopper, &QTimer::timeout, this, &SxProgressIndicator::onStopTimeout, Qt::UniqueConnection);
}

SxProgressIndicator::Spokes SxProgressIndicator::spokesFor(const QSize &size)
{
    Spokes s;
    s.side = qMin(size.width(), size.height()) / 4;
    s.outerRadius = (s.side - 1) * 0.5;
    s.innerRadius = s.outerRadius * 0.38;
    s.capsuleLength = s.outerRadius - s.innerRadius;
    s.capsuleWidth = s.capsuleLength * (s.side < 33 ? 0.35 : 0.23);
    return s;
}

int SxProgressIndicator::stopTime() const
{
    return stopper->interval();
}

QSize SxProgressIndicator::sizeHint() const
{
    return QSize(20, 20);
}

void SxProgressIndicator::startAnimation(bool block)
{
    currentAngle = 0;
    if (timerId == -1)
        timerId = startTimer(delay);
    if (parentWidget())
        setGeometry(parentWidget()->geometry());
    stopper->start();
    if (block)
        exec();
    else
        show();
}

void SxProgressIndicator::stopAnimation()
{
    // accept() also ends a modal run.
    accept();
    stopper->stop();
    if (timerId != -1)
        killTimer(timerId);
    timerId = -1;
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
    const Spokes s = spokesFor(size());
    if (s.side <= 1)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    for (int i = 0; i < 12; ++i) {
        QColor c = spinColor;
        c.setAlphaF(1.0 - (i / 12.0));
        p.save();
        p.translate(centre);
        p.rotate(currentAngle - i * 30.0);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(-s.capsuleWidth * 0.5, -(s.innerRadius + s.capsuleLength), s.capsuleWidth,
                                 s.capsuleLength),
                          s.capsuleWidth / 2, s.capsuleWidth / 2);
        p.restore();
    }
}

void SxProgressIndicator::onStopTimeout()
{
    stopAnimation();
    stopper->setInterval(DefaultStopTime);
}
