// Stops every busy indicator that runs modally while it lives, as soon as it shows, and keeps the stop
// time it was given; `onBusy` runs first, while the indicator still blocks its window. Header-only: the
// support library links no widgets.
#pragma once

#include "SxProgressIndicator.h"

#include <QApplication>
#include <QList>
#include <QTimer>
#include <functional>

class BusyStopper : public QObject
{
public:
    explicit BusyStopper(std::function<void()> onBusy = nullptr)
    {
        connect(&poll, &QTimer::timeout, this, [this, onBusy] {
            auto *busy = qobject_cast<SxProgressIndicator *>(QApplication::activeModalWidget());
            if (!busy || !busy->isVisible())
                return;
            stopTimes << busy->stopTime();
            if (onBusy)
                onBusy();
            busy->stopAnimation();
        });
        poll.start(5);
    }
    QList<int> stopTimes;

private:
    QTimer poll;
};
