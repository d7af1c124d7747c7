// The HTTP side of remote control: cpp-httplib serving JSON on its own worker threads. Each
// request is checked there (rate limit per client address, Bearer token, body cap, decoding) and
// then handed to the Qt thread, where RemoteService runs it; the worker waits for the answer with a
// timeout (504 when the application does not answer in time). Read and write timeouts bound what a
// slow or half-open client can hold. Owned by RemoteControl; stop() (and the destructor) returns
// only when every server thread has ended.
#pragma once

#include "RateLimiter.h"
#include "RemoteService.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>

#include <memory>

class HttpServer : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QHostAddress address = QHostAddress::LocalHost;
        quint16 port = 0; // 0: any free port (tests)
        QString token;    // required as "Authorization: Bearer <token>" when not empty
        double perSecond = 50;
        int ioTimeoutMs = 2000; // read and write timeouts of a connection, keep-alive idle time
        int threads = 16;
    };

    explicit HttpServer(RemoteService *service, QObject *parent = nullptr);
    ~HttpServer() override;

    bool start(const Options &options, QString *error);
    void stop();
    bool isRunning() const;
    quint16 port() const { return m_port; }

private:
    struct Private;
    std::unique_ptr<Private> d;
    quint16 m_port = 0;
};
