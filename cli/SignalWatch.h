// Turns SIGINT and SIGTERM into a Qt signal on the event loop (the handler only writes a byte to
// a pipe). One per process, created by Vpctl; the default actions return when it goes.
#pragma once

#include <QObject>

class QSocketNotifier;

class SignalWatch : public QObject
{
    Q_OBJECT
public:
    explicit SignalWatch(QObject *parent = nullptr);
    ~SignalWatch() override;

    bool caught() const { return caughtSignal != 0; }
    int signalNumber() const { return caughtSignal; }

signals:
    void emitCaught(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *notifier = nullptr;
    int caughtSignal = 0;
};
