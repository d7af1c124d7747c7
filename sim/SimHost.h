// The simulator process: builds one SimStation per configured device, listens for broadcast
// search requests on the shared UDP port (one socket for all devices, since a socket bound to a
// device's own address does not see broadcasts) and writes the state file.
#pragma once

#include "SimConfig.h"

#include <QList>
#include <QObject>

class QUdpSocket;
class SimStation;

class SimHost : public QObject
{
    Q_OBJECT
public:
    explicit SimHost(QObject *parent = nullptr);
    ~SimHost() override;

    bool start(const SimConfig &config, QString *error);
    const QList<SimStation *> &stations() const { return m_stations; }

private:
    void onBroadcast();
    bool writeStateFile(const QString &path, QString *error) const;

    QList<SimStation *> m_stations;
    QString m_stateFile;
    class QTimer *m_stateTimer = nullptr;
    QList<QUdpSocket *> m_broadcast; // one per UDP port in use
};
