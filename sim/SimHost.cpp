#include "SimHost.h"

#include "FrameCodec.h"
#include "HostFrameReader.h"
#include "SimDevice.h"
#include "SimLog.h"
#include "SimStation.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkDatagram>
#include <QSaveFile>
#include <QSet>
#include <QTimer>
#include <QUdpSocket>

SimHost::SimHost(QObject *parent) : QObject(parent) {}

SimHost::~SimHost()
{
    qDeleteAll(m_stations);
    SimLog::close();
}

bool SimHost::start(const SimConfig &config, QString *error)
{
    if (!config.logPath.isEmpty() && !SimLog::open(config.logPath)) {
        if (error)
            *error = QStringLiteral("cannot write the log %1").arg(config.logPath);
        return false;
    }
    QSet<quint16> udpPorts;
    for (const SimConfig::DeviceEntry &entry : config.devices) {
        SimDevice *device = SimDevice::create(entry.identity);
        device->faults() = entry.faults;
        device->setImageDir(config.imageDir);
        if (!entry.state.isEmpty() && !device->loadState(entry.state, error)) {
            delete device;
            return false;
        }
        auto *station = new SimStation(device, entry.setup);
        m_stations.append(station);
        if (!station->start(error))
            return false;
        if (station->hasNetwork())
            udpPorts.insert(entry.setup.udpPort);
    }
    for (quint16 port : udpPorts) {
        auto *s = new QUdpSocket(this);
        if (!s->bind(QHostAddress(QHostAddress::AnyIPv4), port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
            if (error)
                *error = QStringLiteral("UDP broadcast port %1: %2").arg(port).arg(s->errorString());
            return false;
        }
        connect(s, &QUdpSocket::readyRead, this, &SimHost::onBroadcast);
        m_broadcast.append(s);
    }
    for (SimStation *st : m_stations) {
        const QJsonObject d = st->describe();
        QString line = QStringLiteral("vpsim: %1 %2 \"%3\"").arg(d.value("model").toString(), d.value("cpuid").toString(),
                                                               d.value("name").toString());
        if (d.contains("address"))
            line += QStringLiteral(" tcp %1:%2 udp %3").arg(d.value("address").toString()).arg(d.value("tcpPort").toInt()).arg(d.value("udpPort").toInt());
        if (d.contains("pty"))
            line += QStringLiteral(" pty %1").arg(d.value("pty").toString());
        if (d.contains("link"))
            line += QStringLiteral(" link %1").arg(d.value("link").toString());
        qInfo().noquote() << line;
    }
    if (!config.stateFile.isEmpty()) {
        if (!writeStateFile(config.stateFile, error))
            return false;
        // Rewritten shortly after the application changed something, so tests can read it back.
        m_stateFile = config.stateFile;
        m_stateTimer = new QTimer(this);
        m_stateTimer->setSingleShot(true);
        m_stateTimer->setInterval(50);
        connect(m_stateTimer, &QTimer::timeout, this, [this] { writeStateFile(m_stateFile, nullptr); });
        for (SimStation *st : m_stations)
            connect(st, &SimStation::changed, m_stateTimer, [this] {
                if (!m_stateTimer->isActive())
                    m_stateTimer->start();
            });
    }
    qInfo().noquote() << "vpsim: ready";
    return true;
}

void SimHost::onBroadcast()
{
    auto *s = qobject_cast<QUdpSocket *>(sender());
    if (!s)
        return;
    while (s->hasPendingDatagrams()) {
        const QNetworkDatagram d = s->receiveDatagram(4096);
        const QByteArray data = d.data();
        if (!HostFrameReader::isValid(data) || uint8_t(data.at(4)) != Frame::CmdLink
            || uint8_t(data.at(5)) != Frame::SubAnnounce)
            continue;
        const QHostAddress dest = d.destinationAddress();
        for (SimStation *st : m_stations) {
            if (!st->hasNetwork() || st->setup().udpPort != s->localPort())
                continue;
            // A datagram addressed to one device is that device's alone; broadcasts reach all.
            const QHostAddress own = st->setup().address;
            const bool unicastElsewhere = !dest.isNull() && !dest.isBroadcast() && dest != own
                                          && own != QHostAddress(QHostAddress::AnyIPv4)
                                          && !dest.toString().endsWith(QLatin1String(".255"));
            if (unicastElsewhere)
                continue;
            SimLog::frame(st->device()->cpuid(), QStringLiteral("udp"), "rx", data, QStringLiteral("broadcast"));
            st->answerSearch(d.senderAddress(), quint16(d.senderPort()));
        }
    }
}

bool SimHost::writeStateFile(const QString &path, QString *error) const
{
    QJsonArray devices;
    for (SimStation *st : m_stations)
        devices.append(st->describe(true));
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(QJsonObject{{"devices", devices}}).toJson()) < 0
        || !f.commit()) {
        if (error)
            *error = QStringLiteral("cannot write the state file %1").arg(path);
        return false;
    }
    return true;
}
