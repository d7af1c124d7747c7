// The OSC side of remote control: one UDP port served by liblo on the Qt thread (no thread of its
// own; the socket is watched by a QSocketNotifier and read with lo_server_recv_noblock). Every
// message is answered on /reply/<address> to its sender with one string argument, a JSON status
// ({"ok": true, ...} or {"ok": false, "error": code, "message": text}). /subscribe takes a lease
// on pushes of changes (online/offline, a window's input, a preset loaded); a lease not renewed
// within the lease time ends. Senders not on the allow-list are ignored (and logged); each
// sender is limited to a number of messages per second. Owned by RemoteControl.
#pragma once

#include "RateLimiter.h"
#include "RemoteService.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QTimer>

#include <lo/lo.h>

class QSocketNotifier;

class OscServer : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QHostAddress address = QHostAddress::LocalHost;
        quint16 port = 0; // 0: any free port (tests)
        // Senders taken: when empty, loopback senders only; otherwise only these subnets.
        QList<QPair<QHostAddress, int>> allow;
        double perSecond = 50;
        int leaseMs = 10000;
        int maxSubscribers = 32;
    };

    explicit OscServer(RemoteService *service, QObject *parent = nullptr);
    ~OscServer() override;

    bool start(const Options &options, QString *error);
    void stop();
    bool isRunning() const { return m_server != nullptr; }
    quint16 port() const { return m_port; }
    int subscriberCount() const { return m_subscribers.size(); }

    // Largest reply sent; a longer one is replaced by an error that points to HTTP.
    static constexpr int MaxReplyBytes = 60000;

    void push(const RemoteEvent &event);

private:
    struct Subscriber
    {
        QHostAddress address;
        quint16 port = 0;
        qint64 expiresMs = 0;
    };

    static int onMessage(const char *path, const char *types, lo_arg **argv, int argc, lo_message msg,
                         void *self);
    static void onError(int num, const char *msg, const char *where);
    void readPending();
    void handle(const QString &path, lo_message msg);
    void subscribe(const RemoteCommand &command, const QHostAddress &from, quint16 fromPort);
    bool allowed(const QHostAddress &sender) const;
    void reply(const QHostAddress &to, quint16 port, const QString &path, const QJsonObject &status);
    void send(const QHostAddress &to, quint16 port, const QString &path, lo_message msg);
    void expireLeases();

    QPointer<RemoteService> m_service;
    Options m_options;
    lo_server m_server = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    quint16 m_port = 0;
    quint64 m_generation = 0; // replies of a stopped server's commands are dropped
    RateLimiter m_limiter;
    QList<Subscriber> m_subscribers;
    QTimer m_leaseTimer;
    QElapsedTimer m_clock;
};
