// One simulated device with its transports: a TCP server on the device's address, a UDP socket on
// the same address (search requests and frames sent by datagram, answered to the sender), and an
// optional pseudo-terminal. Owns the device and one SimLink per stream connection.
#pragma once

#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QTcpServer;
class QTcpSocket;
class QUdpSocket;
class SimDevice;
class SimLink;
class SimPty;

class SimStation : public QObject
{
    Q_OBJECT
public:
    struct Setup
    {
        QHostAddress address;   // null: no network side
        quint16 tcpPort = 61213;
        quint16 udpPort = 8989;
        bool serial = false;
        QString ptyLink;        // optional symlink to the pty
    };

    SimStation(SimDevice *device, const Setup &setup, QObject *parent = nullptr);
    ~SimStation() override;

    // Opens the transports; false and a message when one cannot be opened.
    bool start(QString *error);

    SimDevice *device() const { return m_device; }
    const Setup &setup() const { return m_setup; }
    QString ptyPath() const;
    // Answers a search request that reached the shared broadcast socket.
    void answerSearch(const QHostAddress &to, quint16 port);
    bool hasNetwork() const { return !m_setup.address.isNull(); }

    // Identity and transports; with `withState` also the device's current state.
    QJsonObject describe(bool withState = false) const;

signals:
    void changed();

private:
    void onNewConnection();
    void onDatagram();
    void handleDatagram(const QByteArray &datagram, const QHostAddress &from, quint16 port);

    SimDevice *m_device;
    Setup m_setup;
    QTcpServer *m_server = nullptr;
    QUdpSocket *m_udp = nullptr;
    SimPty *m_pty = nullptr;
    SimLink *m_serialLink = nullptr;
    int m_tcpConnections = 0;
    QPointer<QTcpSocket> m_holder; // the controller holding the port (exclusive port)
    qint64 m_lastSearchMs = -1;
    QHostAddress m_lastSearchFrom;
};
