// Busy overlay: a frameless spinner dialog that covers its parent, shown modelessly or run modally,
// and closing itself when its stop time runs out.
#pragma once

#include <QColor>
#include <QDialog>

class QTimer;

class SxProgressIndicator : public QDialog
{
    Q_OBJECT
public:
    static constexpr int DefaultStopTime = 5000;

    // Geometry of the twelve capsules for a widget of the given size.
    struct Spokes {
        int side = 0;
        qreal outerRadius = 0;
        qreal innerRadius = 0;
        qreal capsuleLength = 0;
        qreal capsuleWidth = 0;
    };
    static Spokes spokesFor(const QSize &size);

    explicit SxProgressIndicator(QWidget *parent = nullptr);

    bool isAnimated() const { return timerId != -1; }
    int animationDelay() const { return delay; }
    int stopTime() const;
    int angle() const { return currentAngle; }
    bool isDisplayedWhenStopped() const { return displayedWhenStopped; }
    const QColor &color() const { return spinColor; }
    QSize sizeHint() const override;
    QTimer *stopTimer() const { return stopper; }

public slots:
    // Starts spinning over the parent; block runs it modally until it stops.
    void startAnimation(bool block = false);
    void stopAnimation();
    void setStopTime(int ms);
    void setAnimationDelay(int ms);
    void setDisplayedWhenStopped(bool state);
    void setColor(const QColor &color);

protected:
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void onStopTimeout();

    int currentAngle = 0;
    int timerId = -1;
    int delay = 40;
    bool displayedWhenStopped = false;
    QColor spinColor = Qt::white;
    QTimer *stopper = nullptr;
};
