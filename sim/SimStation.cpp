#include "SimStation.h"

#include "DeviceModels.h"
#include "FrameCodec.h"
#include "HostFrameReader.h"
#include "SimDevice.h"
#include "SimLink.h"
#include "SimLog.h"
#include "SimPty.h"

#include <QDateTime>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

SimStation::SimStation(SimDevice *device, const Setup &setup, QObject *parent)
    : QObject(parent), m_device(device), m_setup(setup)
{
}

SimStation::~SimStation() { delete m_device; }

QString SimStation::ptyPath() const { return m_pty ? m_pty->slavePath() : QString(); }

bool SimStation::start(QString *error)
{
    if (hasNetwork()) {
        m_server = new QTcpServer(this);
        if (!m_server->listen(m_setup.address, m_setup.tcpPort)) {
            if (error)
                *error = QStringLiteral("TCP %1:%2: %3")
                             .arg(m_setup.address.toString())
                             .arg(m_setup.tcpPort)
                             .arg(m_server->errorString());
            return false;
        }
        connect(m_server, &QTcpServer::newConnection, this, &SimStation::onNewConnection);
        m_udp = new QUdpSocket(this);
        if (!m_udp->bind(m_setup.address, m_setup.udpPort,
                         QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
            if (error)
                *error = QStringLiteral("UDP %1:%2: %3")
                             .arg(m_setup.address.toString())
                             .arg(m_setup.udpPort)
                             .arg(m_udp->errorString());
            return false;
        }
        connect(m_udp, &QUdpSocket::readyRead, this, &SimStation::onDatagram);
    }
    if (m_setup.serial) {
        m_pty = new SimPty(this);
        if (!m_pty->open(m_setup.ptyLink, error))
            return false;
        SimPty *pty = m_pty;
        m_serialLink = new SimLink(m_device, QStringLiteral("serial"), [pty](const QByteArray &b) { pty->write(b); }, this);
        connect(m_pty, &SimPty::received, m_serialLink, &SimLink::receive);
        connect(m_serialLink, &SimLink::frameHandled, this, &SimStation::changed);
    }
    return true;
}

void SimStation::onNewConnection()
{
    while (QTcpSocket *s = m_server->nextPendingConnection()) {
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        const SimFaults &f = m_device->faults();
        const bool timedFaults = !f.faultsOnce || m_tcpConnections == 0;
        ++m_tcpConnections;
        if (f.exclusivePort && m_holder && m_holder->state() == QAbstractSocket::ConnectedState) {
            // The new controller takes the port; the old one is told and let go.
            if (auto *old = m_holder->findChild<SimLink *>())
                old->sendFrames({makeReplyFrame(Frame::CmdLink, Frame::SubInterrupted, 0, QByteArray())}, false);
            qInfo().noquote() << "vpsim:" << m_device->label() << "port taken over from"
                              << m_holder->peerAddress().toString();
            m_holder->disconnectFromHost();
        }
        m_holder = s;
        auto *link = new SimLink(m_device, QStringLiteral("tcp"), [s](const QByteArray &b) { s->write(b); }, s,
                                 timedFaults);
        connect(s, &QTcpSocket::readyRead, link, [s, link] { link->receive(s->readAll()); });
        connect(link, &SimLink::closeRequested, s, [s] { s->disconnectFromHost(); });
        connect(link, &SimLink::frameHandled, this, &SimStation::changed);
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        qInfo().noquote() << "vpsim:" << m_device->label() << "TCP connection from" << s->peerAddress().toString();
    }
}

void SimStation::onDatagram()
{
    while (m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram d = m_udp->receiveDatagram(4096);
        if (d.isValid())
            handleDatagram(d.data(), d.senderAddress(), quint16(d.senderPort()));
    }
}

void SimStation::answerSearch(const QHostAddress &to, quint16 port)
{
    // A broadcast can reach the device twice (through the shared socket and its own); answer once.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_lastSearchFrom == to && m_lastSearchMs >= 0 && now - m_lastSearchMs < 50)
        return;
    m_lastSearchFrom = to;
    m_lastSearchMs = now;
    if (!m_udp)
        return;
    // A port held by another controller is announced as in use.
    const bool taken = m_device->faults().exclusivePort && m_holder
                    && m_holder->state() == QAbstractSocket::ConnectedState
                    && !m_holder->peerAddress().isEqual(to, QHostAddress::ConvertV4MappedToIPv4);
    const QByteArray frame = taken ? m_device->announcementFrame(1) : m_device->announcementFrame();
    SimLog::frame(m_device->cpuid(), QStringLiteral("udp"), "tx", frame);
    m_udp->writeDatagram(frame, to, port);
}

void SimStation::handleDatagram(const QByteArray &datagram, const QHostAddress &from, quint16 port)
{
    if (!HostFrameReader::isValid(datagram))
        return;
    SimLog::frame(m_device->cpuid(), QStringLiteral("udp"), "rx", datagram);
    if (uint8_t(datagram.at(4)) == Frame::CmdLink && uint8_t(datagram.at(5)) == Frame::SubAnnounce) {
        answerSearch(from, port);
        return;
    }
    const QList<QByteArray> replies = m_device->handle(datagram, true);
    emit changed();
    const int delay = m_device->faults().replyDelayMs;
    QUdpSocket *udp = m_udp;
    const QString id = m_device->cpuid();
    auto send = [udp, replies, from, port, id] {
        for (const QByteArray &r : replies) {
            SimLog::frame(id, QStringLiteral("udp"), "tx", r);
            udp->writeDatagram(r, from, port);
        }
    };
    if (delay > 0)
        QTimer::singleShot(delay, udp, send);
    else
        send();
}

QJsonObject SimStation::describe(bool withState) const
{
    QJsonObject o{{"cpuid", m_device->cpuid()},
                  {"type", m_device->type()},
                  {"model", modelName(m_device->type())},
                  {"name", QString::fromLocal8Bit(m_device->name())}};
    if (hasNetwork()) {
        o.insert("address", m_setup.address.toString());
        o.insert("tcpPort", m_setup.tcpPort);
        o.insert("udpPort", m_setup.udpPort);
    }
    if (m_pty) {
        o.insert("pty", m_pty->slavePath());
        if (!m_pty->linkPath().isEmpty())
            o.insert("link", m_pty->linkPath());
    }
    if (withState)
        o.insert("state", m_device->stateJson());
    return o;
}
