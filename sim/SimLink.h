// One stream connection of a simulated device (a TCP connection or the pseudo-terminal): cuts the
// host's frames out of the bytes received, lets the device answer, and writes the replies with the
// device's faults applied (delay, split writes, junk, corrupted checksums). On TCP it also sends
// the device's own heartbeats and carries out the timed faults (heartbeats that stop, closing the
// connection, "connection interrupted").
#pragma once

#include "HostFrameReader.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <functional>

class QTimer;
class SimDevice;

class SimLink : public QObject
{
    Q_OBJECT
public:
    using Writer = std::function<void(const QByteArray &)>;

    // `transport` is "tcp" or "serial"; `writer` hands bytes to the socket or terminal. Without
    // `timedFaults` the heartbeat-stop, close and interrupt faults are left out.
    SimLink(SimDevice *device, const QString &transport, Writer writer, QObject *parent = nullptr,
            bool timedFaults = true);
    ~SimLink() override;

    // Bytes received from the application.
    void receive(const QByteArray &bytes);
    // Queues whole reply frames (faults applied); also used for heartbeats and link frames.
    void sendFrames(const QList<QByteArray> &frames, bool isReply = true);

    int heartbeatsSent() const { return m_heartbeats; }

signals:
    // The device ends the connection (close-after fault).
    void closeRequested();
    // A host frame was handled (the device's state may have changed).
    void frameHandled();

private:
    struct Piece
    {
        QByteArray bytes;
        qint64 notBeforeMs = 0;
    };
    void drain();
    void onHeartbeat();
    QByteArray junkBytes();

    SimDevice *m_device;
    QString m_transport;
    Writer m_writer;
    HostFrameReader m_reader;
    QList<Piece> m_queue;
    QTimer *m_drainTimer;
    QTimer *m_heartbeatTimer = nullptr;
    QElapsedTimer m_clock;
    QRandomGenerator m_random;
    int m_replyCount = 0;
    int m_heartbeats = 0;
};
