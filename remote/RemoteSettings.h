// The remote-control settings an operator chooses (main menu "Remote control…", or the options of
// `vpctl serve`), remembered with QSettings under "RemoteControl". Off and on loopback by default.
#pragma once

#include <QCoreApplication>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QSettings;

struct RemoteSettings
{
    Q_DECLARE_TR_FUNCTIONS(RemoteSettings)

public:
    static constexpr quint16 DefaultOscPort = 9000;
    static constexpr quint16 DefaultHttpPort = 9080;

    bool enabled = false;
    QString bindAddress = QStringLiteral("127.0.0.1");
    quint16 oscPort = DefaultOscPort;   // 0: no OSC server
    quint16 httpPort = DefaultHttpPort; // 0: no HTTP server
    QString token;                      // HTTP Bearer token; required off loopback
    QStringList oscAllowList;           // "192.168.1.20", "192.168.1.0/24"
    int commandsPerSecond = 50;         // per client
    int commandTimeoutMs = 3000;        // for the device's answer
    int leaseMs = 10000;                // OSC subscription lease

    static RemoteSettings load(QSettings &settings);
    void save(QSettings &settings) const;

    // What prevents these settings from being used, for the operator; empty when nothing does.
    QString problem() const;
    QHostAddress address() const;
    bool isLoopback() const;
    QList<QPair<QHostAddress, int>> allowList() const; // the entries that parse

    bool operator==(const RemoteSettings &o) const;
    bool operator!=(const RemoteSettings &o) const { return !(*this == o); }
};
