// Remote control of the devices for show-control systems, button-panel bridges and scripts: the
// OSC and HTTP servers over one RemoteService, started and stopped from RemoteSettings. Owned by
// the front end (the main window, `vpctl serve`) next to the device hub it serves; it needs a
// RemoteBackend over that hub. Off until settings with `enabled` are applied; it refuses to
// listen beyond loopback without a token. Start, stop and refusals are written to the log.
#pragma once

#include "RemoteSettings.h"

#include <QObject>
#include <QString>

class HttpServer;
class OscServer;
class RemoteBackend;
class RemoteService;

class RemoteControl : public QObject
{
    Q_OBJECT
public:
    explicit RemoteControl(RemoteBackend *backend, QObject *parent = nullptr);
    ~RemoteControl() override;

    // Stops the servers and, when `settings.enabled`, starts them with these settings. False with
    // `error` set (and nothing listening) when the settings are refused or a port cannot be had.
    bool apply(const RemoteSettings &settings, QString *error = nullptr);
    void stop();

    RemoteSettings settings() const { return m_settings; }
    bool isRunning() const;
    // Why the last apply() did not start the servers; empty after one that did (or was off).
    QString lastError() const { return m_lastError; }
    // The ports actually listened on (0: not listening); differ from the settings for port 0.
    quint16 oscPort() const;
    quint16 httpPort() const;

    RemoteService *service() const { return m_service; }
    OscServer *oscServer() const { return m_osc; }
    HttpServer *httpServer() const { return m_http; }

signals:
    void emitStateChanged(bool running);

private:
    RemoteSettings m_settings;
    QString m_lastError;
    RemoteService *m_service = nullptr;
    OscServer *m_osc = nullptr;
    HttpServer *m_http = nullptr;
};
