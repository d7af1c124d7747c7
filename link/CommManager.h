// Owns every connection to the devices: serial ports, TCP sockets and the discovery UDP sockets.
// Frames received are cut out of the byte streams, tagged with their connection and the device's
// cpuid, and announced through emitHandleData. Keys are opaque counters (never 0, never reused).
#pragma once

#include "FrameCodec.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>

#include <functional>

class QHostInfo;
class QIODevice;
class QTimer;
class SxUdpSocket;

// One stream connection (serial port or TCP socket).
struct LinkState
{
    int missedBeats = 0;
    int linkType = 0; // 1 = serial port, 2 = TCP socket
    QString cpuid;
    QByteArray rxBuffer;
    QMutex lock;
    QIODevice *device = nullptr;
    QHostAddress target; // TCP: the address the socket was asked to connect to
};

class CommManager : public QObject
{
    Q_OBJECT
public:
    static constexpr int LinkSerial = 1;
    static constexpr int LinkTcp = 2;
    static constexpr quint16 DevicePort = 8989;     // devices listen for datagrams here
    static constexpr quint16 DiscoveryPort = 8990;  // our discovery sockets bind here
    static constexpr quint16 DeviceTcpPort = 61213; // TCP control port of a device
    static constexpr int DefaultHeartbeatMs = 5000;
    static constexpr int MaxMissedBeats = 5;
    static constexpr int AnnounceMinPayload = 15;

    explicit CommManager(QObject *parent = nullptr);
    ~CommManager() override;

    // Ports probed by every serial search besides those the system lists (e.g. pty paths).
    void addNamedSerialPort(const QString &portName);
    QStringList namedSerialPorts() const { return extraPorts; }

    // Test hooks: heartbeat interval, the serial probe wait, the ports used on the network.
    void setHeartbeatInterval(int ms);
    int heartbeatInterval() const;
    void setSerialProbeTimeout(int ms) { probeTimeoutMs = ms; }
    void setNetworkPorts(quint16 devicePort, quint16 discoveryPort, quint16 tcpPort);

    // Opens a TCP link to a device directly (no announcement); returns its key or 0.
    uint connectTcp(const QHostAddress &address, quint16 port);
    // Opens the named serial port as a link without probing; returns its key or 0.
    uint openSerialPort(const QString &portName);
    // Ends a stream link at the request of its owner: no broken signal, nothing logged.
    void closeLink(uint key);
    // Probes one serial port now, as a serial search does for every port.
    void probePort(const QString &portName);
    // Sends the search request to one device address by unicast, without the bookkeeping of
    // connectAddresses() (no "did not answer" message). False when no local socket reaches it.
    bool searchAt(const QHostAddress &address);

    // Asked for every announcement datagram before its TCP link is opened: false keeps the link
    // closed, and the announcement is handed on with keyTCP 0. Unset: every announcement connects.
    using ConnectGate = std::function<bool(const QHostAddress &from, const QByteArray &payload)>;
    void setConnectGate(ConnectGate gate) { connectGate = std::move(gate); }

    bool hasLink(uint key) const { return links.contains(key); }
    QList<uint> linkKeys() const { return links.keys(); }
    int linkType(uint key) const;
    QString linkCpuid(uint key) const;
    int missedBeats(uint key) const;
    // The name of a serial link's port; empty for any other link.
    QString linkPortName(uint key) const;
    // The address a TCP link was asked to connect to; null for any other link.
    QHostAddress linkAddress(uint key) const;
    quint16 deviceTcpPort() const { return tcpPort; }
    QList<SxUdpSocket *> discoverySockets() const { return udpSockets; }
    bool isUdpReady() const { return udpReady; }

    // Hosts (addresses or names) that every network search also asks by unicast, for devices
    // that broadcasts do not reach. A name is resolved when the search runs.
    void addConnectAddress(const QString &host);
    void removeConnectAddress(const QString &host);
    QStringList connectAddresses() const { return connectHosts; }
    // Sends the search request to one host now (resolving it first when it is a name).
    void searchAddress(const QString &host);
    // How long an asked host may take to announce itself before it is reported as silent.
    void setAddressReplyTimeout(int ms) { addressReplyMs = ms; }

signals:
    void emitHandleData(uint keyTCP, uint keyUDP, QString cpuid, RECV_PROTOCOL rp, QByteArray data,
                        QHostAddress addr, short port);
    void emitDeviceConnectionBroken(QString cpuid, QString errorString, bool showMsg);
    // A host of connectAddresses() could not be resolved, reached, or did not answer; the text
    // is meant for the operator.
    void emitConnectAddressFailed(QString host, QString message);
    // Every frame written to or received from a device (whole frame, checksum included); emitted
    // only while something is connected to it.
    void emitFrameTraffic(QString cpuid, bool sent, QByteArray frame);

public slots:
    void searchDevice(int type);
    void searchDevice() { searchDevice(3); }
    void onSetConnectDeviceCpuid(uint keyTCP, uint keyUDP, QString cpuid, QHostAddress ip);
    int write(uint key, QByteArray data);
    int writeByUDP(uint key, QByteArray data, QHostAddress ip);
    int onReadSerialPort();
    int onReadTcpData();
    int onReadUdpData();
    void onTcpConnectedToDevice();
    void onErrorTcpSocket(QAbstractSocket::SocketError err);
    void onErrorSerialPort(QSerialPort::SerialPortError err);
    // One heartbeat tick; public so tests can drive it.
    void onTimerHeartBeat();

private:
    void handleStreamData(const QByteArray &data, uint key);
    void initUdpSockets();
    void probeSerialPort(const QString &portName);
    // The probe time of a port is up (or its timer fired early and is set again).
    void judgeProbe(const QString &portName, QSerialPort *port);
    // Ends the probe of a port: an answer makes it a link, silence closes it.
    void finishProbe(const QString &portName, QSerialPort *port, bool answered);
    uint keyOf(const QObject *device) const;
    uint insertLink(QIODevice *device, int type, const QHostAddress &target = QHostAddress());
    void destroyLink(uint key);
    uint keyOfUdp(const SxUdpSocket *s) const;
    SxUdpSocket *udpOfKey(uint key) const;
    uint registerUdp(SxUdpSocket *s);
    SxUdpSocket *searchSocketFor(const QHostAddress &target, QString *error);
    void onHostResolved(const QString &host, const QHostInfo &info);
    void sendUnicastSearch(const QString &host, const QHostAddress &address);
    void onAddressReplyTimeout();
    bool trafficWatched() const;

    QMap<uint, LinkState *> links;
    QList<SxUdpSocket *> udpSockets;
    bool udpReady = false;
    QTimer *heartbeatTimer = nullptr;

    QMap<uint, SxUdpSocket *> udpKeys;
    QStringList extraPorts;
    QStringList connectHosts;
    int addressReplyMs = 3000;
    // Sockets on the discovery port of local addresses without a discovery socket (loopback),
    // by IPv4 address; they ask connectHosts that are reached through those addresses.
    QMap<quint32, SxUdpSocket *> unicastSockets;
    QMap<quint32, QString> awaitedHosts;  // IPv4 asked by unicast -> host as the operator typed it
    QTimer *addressReplyTimer = nullptr;
    uint nextKey = 1;
    int probeTimeoutMs = 100;
    // Ports that were sent a search request and wait for their first answer, by name, with the
    // time since the request was written.
    struct Probe
    {
        QSerialPort *port = nullptr;
        QElapsedTimer sinceWrite;
    };
    QMap<QString, Probe> probingPorts;
    quint16 devicePort = DevicePort;
    quint16 discoveryPort = DiscoveryPort;
    quint16 tcpPort = DeviceTcpPort;
    ConnectGate connectGate;
};
