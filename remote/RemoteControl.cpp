#include "RemoteControl.h"

#include "HttpServer.h"
#include "OscServer.h"
#include "RemoteLog.h"
#include "RemoteService.h"

RemoteControl::RemoteControl(RemoteBackend *backend, QObject *parent)
    : QObject(parent), m_service(new RemoteService(backend, this)), m_osc(new OscServer(m_service, this)),
      m_http(new HttpServer(m_service, this))
{
}

RemoteControl::~RemoteControl()
{
    // The HTTP threads end before the service they call goes.
    m_http->stop();
    m_osc->stop();
}

bool RemoteControl::isRunning() const
{
    return m_osc->isRunning() || m_http->isRunning();
}

quint16 RemoteControl::oscPort() const
{
    return m_osc->port();
}

quint16 RemoteControl::httpPort() const
{
    return m_http->port();
}

void RemoteControl::stop()
{
    const bool wasRunning = isRunning();
    m_http->stop();
    m_osc->stop();
    if (wasRunning) {
        RemoteLog::line(tr("Remote control stopped"));
        emit emitStateChanged(false);
    }
}

bool RemoteControl::apply(const RemoteSettings &settings, QString *error)
{
    stop();
    m_settings = settings;
    m_lastError.clear();
    if (!settings.enabled)
        return true;
    QString why = settings.problem();
    if (why.isEmpty()) {
        m_service->setCommandTimeout(settings.commandTimeoutMs);
        OscServer::Options osc;
        osc.address = settings.address();
        osc.port = settings.oscPort;
        osc.allow = settings.allowList();
        osc.perSecond = settings.commandsPerSecond;
        osc.leaseMs = settings.leaseMs;
        HttpServer::Options http;
        http.address = settings.address();
        http.port = settings.httpPort;
        http.token = settings.token.trimmed();
        http.perSecond = settings.commandsPerSecond;
        if (settings.oscPort != 0 && !m_osc->start(osc, &why))
            m_osc->stop();
        else if (settings.httpPort != 0 && !m_http->start(http, &why))
            m_osc->stop();
    }
    if (!why.isEmpty()) {
        RemoteLog::line(tr("Remote control could not start: %1").arg(why));
        m_lastError = why;
        if (error)
            *error = why;
        return false;
    }
    RemoteLog::line(tr("Remote control listening on %1: OSC port %2, HTTP port %3")
                        .arg(settings.bindAddress)
                        .arg(settings.oscPort ? QString::number(oscPort()) : tr("off"))
                        .arg(settings.httpPort ? QString::number(httpPort()) : tr("off")));
    emit emitStateChanged(true);
    return true;
}
