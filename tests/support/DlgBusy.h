// Stops every modal busy indicator as soon as it shows while it lives, keeping its stop time; `onBusy` runs
// first, while the indicator still blocks its window. Header-only: the support library links no widgets.
#pragma once

#include "SxProgressIndicator.h"

#include <QApplication>
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
    QTimer poll;
};
