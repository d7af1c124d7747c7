#include "SimLink.h"

#include "FrameCodec.h"
#include "SimDevice.h"
#include "SimLog.h"

#include <QTimer>

SimLink::SimLink(SimDevice *device, const QString &transport, Writer writer, QObject *parent, bool timedFaults)
    : QObject(parent), m_device(device), m_transport(transport), m_writer(std::move(writer)),
      m_drainTimer(new QTimer(this)), m_random(QRandomGenerator::securelySeeded())
{
    m_clock.start();
    m_drainTimer->setSingleShot(true);
    connect(m_drainTimer, &QTimer::timeout, this, &SimLink::drain);

    const SimFaults &f = m_device->faults();
    if (transport != QLatin1String("tcp"))
        return;
    if (!f.noHeartbeat) {
        m_heartbeatTimer = new QTimer(this);
        m_heartbeatTimer->setInterval(f.heartbeatMs);
        connect(m_heartbeatTimer, &QTimer::timeout, this, &SimLink::onHeartbeat);
        m_heartbeatTimer->start();
        if (timedFaults && f.heartbeatStopSec > 0)
            QTimer::singleShot(f.heartbeatStopSec * 1000, m_heartbeatTimer, &QTimer::stop);
    }
    if (timedFaults && f.interruptAfterSec > 0) {
        QTimer::singleShot(f.interruptAfterSec * 1000, this, [this] {
            sendFrames({makeReplyFrame(Frame::CmdLink, Frame::SubInterrupted, 0, QByteArray())}, false);
        });
    }
    if (timedFaults && f.closeAfterSec > 0)
        QTimer::singleShot(f.closeAfterSec * 1000, this, &SimLink::closeRequested);
}

SimLink::~SimLink() = default;

void SimLink::receive(const QByteArray &bytes)
{
    for (const QByteArray &frame : m_reader.feed(bytes)) {
        SimLog::frame(m_device->cpuid(), m_transport, "rx", frame);
        sendFrames(m_device->handle(frame));
        emit frameHandled();
    }
}

QByteArray SimLink::junkBytes()
{
    // Never 0x5A, so junk can never be mistaken for (or merge with) a frame marker.
    QByteArray j(1 + int(m_random.bounded(6)), 0);
    for (char &c : j) {
        c = char(m_random.bounded(256));
        if (uint8_t(c) == Frame::Sync)
            c = 0x00;
    }
    return j;
}

void SimLink::sendFrames(const QList<QByteArray> &frames, bool isReply)
{
    const SimFaults &f = m_device->faults();
    const qint64 due = m_clock.elapsed() + (isReply ? f.replyDelayMs : 0);
    for (QByteArray frame : frames) {
        QString note;
        if (isReply && f.corruptEvery > 0 && ++m_replyCount % f.corruptEvery == 0) {
            frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0x55);
            note = QStringLiteral("corrupt checksum");
        }
        SimLog::frame(m_device->cpuid(), m_transport, "tx", frame, note);
        QByteArray bytes = f.junk ? junkBytes() + frame : frame;
        if (!f.splitWrites) {
            m_queue.append(Piece{bytes, due});
            continue;
        }
        while (!bytes.isEmpty()) {
            const int n = 1 + int(m_random.bounded(7));
            m_queue.append(Piece{bytes.left(n), due});
            bytes.remove(0, n);
        }
    }
    drain();
}

void SimLink::drain()
{
    // Without split writes everything that is due goes out in one write; with them one piece per
    // pass, a millisecond apart, so the receiver sees separate reads.
    const bool split = m_device->faults().splitWrites;
    QByteArray out;
    while (!m_queue.isEmpty() && m_queue.first().notBeforeMs <= m_clock.elapsed()) {
        out.append(m_queue.takeFirst().bytes);
        if (split)
            break;
    }
    if (!out.isEmpty())
        m_writer(out);
    if (m_queue.isEmpty() || m_drainTimer->isActive())
        return;
    const qint64 wait = qMax<qint64>(split ? 1 : 0, m_queue.first().notBeforeMs - m_clock.elapsed());
    m_drainTimer->start(int(wait));
}

void SimLink::onHeartbeat()
{
    ++m_heartbeats;
    sendFrames({makeReplyFrame(Frame::CmdLink, Frame::SubHeartbeat, 0, QByteArray())}, false);
}
