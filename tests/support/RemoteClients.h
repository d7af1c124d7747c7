// Real clients of the remote-control servers: curl for HTTP, and an OSC client that builds messages
// with liblo and sends them from a chosen loopback address. Every wait spins the event loop.
#pragma once
#include "RemoteRequest.h"
#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QUdpSocket>
namespace RemoteClients {
struct HttpReply
{
    int status = 0; // 0: curl failed (see `error`)
    QJsonObject json;
    QByteArray body;
    QString error;
};

// curl -X method http://127.0.0.1:port<path>, the body (if any) on its standard input; `extra`
// are further curl arguments ("-H", "Authorization: Bearer x", "--interface", "127.0.0.2").
HttpReply http(quint16 port, const QByteArray &method, const QString &path,
               const QByteArray &body = QByteArray(), const QStringList &extra = QStringList());

// "i:3 s:HDMI2 T F f:1.5 h:7 b" (b: a three-byte blob) as a liblo message; the caller frees it.
lo_message oscMessage(const QString &args);

// A sender's address and port, with every message it received.
class OscClient
{
public:
    struct Message
    {
        QString path;
        QList<RemoteRequest::OscArg> args;
    };

    explicit OscClient(const QHostAddress &address = QHostAddress::LocalHost);

    void send(quint16 serverPort, const QString &path, const QString &args = QString());
    // The JSON of the first not yet taken reply on /reply<path>; empty when none came in time.
    QJsonObject reply(const QString &path, int timeoutMs = 5000);
    // The first not yet taken message on `path`; false when none came in time.
    bool take(const QString &path, Message *out, int timeoutMs = 5000);
    QList<Message> received;

private:
    void read();
    QUdpSocket m_socket;
};
} // namespace RemoteClients
