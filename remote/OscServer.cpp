#include "OscServer.h"

#include "RemoteRequest.h"

#include <QCoreApplication>
#include <QDebug>
#include <QJsonDocument>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int MaxMessagesPerWake = 256;

QString clientName(const QHostAddress &address, quint16 port)
{
    return QStringLiteral("osc %1:%2").arg(address.toString()).arg(port);
}

// A UDP socket bound to `address`:`port`; -1 with `error` set when that fails.
int boundSocket(const QHostAddress &address, quint16 port, quint16 *boundPort, QString *error)
{
    sockaddr_storage storage{};
    socklen_t length = 0;
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    if (v6) {
        auto *sa = reinterpret_cast<sockaddr_in6 *>(&storage);
        sa->sin6_family = AF_INET6;
        sa->sin6_port = htons(port);
        const Q_IPV6ADDR a = address.toIPv6Address();
        memcpy(&sa->sin6_addr, &a, sizeof(a));
        length = sizeof(sockaddr_in6);
    } else {
        auto *sa = reinterpret_cast<sockaddr_in *>(&storage);
        sa->sin_family = AF_INET;
        sa->sin_port = htons(port);
        sa->sin_addr.s_addr = htonl(address.toIPv4Address());
        length = sizeof(sockaddr_in);
    }
    const int fd = ::socket(v6 ? AF_INET6 : AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&storage), length) != 0) {
        *error = QCoreApplication::translate("RemoteControl", "Cannot listen for OSC on %1 port %2: %3")
                     .arg(address.toString())
                     .arg(port)
                     .arg(QString::fromLocal8Bit(strerror(errno)));
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&storage), &length);
    *boundPort = ntohs(v6 ? reinterpret_cast<sockaddr_in6 *>(&storage)->sin6_port
                          : reinterpret_cast<sockaddr_in *>(&storage)->sin_port);
    return fd;
}
} // namespace

OscServer::OscServer(RemoteService *service, QObject *parent) : QObject(parent), m_service(service)
{
    m_clock.start();
    connect(&m_leaseTimer, &QTimer::timeout, this, &OscServer::expireLeases);
    if (service)
        connect(service, &RemoteService::emitEvent, this, &OscServer::push);
}

OscServer::~OscServer()
{
    stop();
}

bool OscServer::start(const Options &options, QString *error)
{
    stop();
    m_options = options;
    m_limiter.setRate(options.perSecond, options.perSecond);
    quint16 port = 0;
    const int fd = boundSocket(options.address, options.port, &port, error);
    if (fd < 0)
        return false;
    m_server = lo_server_new_with_proto(nullptr, LO_UDP, &OscServer::onError);
    if (!m_server) {
        ::close(fd);
        *error = QStringLiteral("cannot create the OSC server");
        return false;
    }
    // liblo binds its UDP server to every interface; the socket bound to the configured address
    // takes over liblo's descriptor, so liblo reads and replies through it.
    const int loFd = lo_server_get_socket_fd(m_server);
    if (::dup2(fd, loFd) < 0) {
        *error =
            QStringLiteral("cannot set up the OSC socket: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        ::close(fd);
        lo_server_free(m_server);
        m_server = nullptr;
        return false;
    }
    ::close(fd);
    ::fcntl(loFd, F_SETFD, FD_CLOEXEC);
    m_port = port;
    lo_server_enable_queue(m_server, 0, 1); // bundles are dispatched at once, whatever their time tag
    lo_server_add_method(m_server, nullptr, nullptr, &OscServer::onMessage, this);
    m_notifier = new QSocketNotifier(loFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &OscServer::readPending);
    m_leaseTimer.start(qBound(20, options.leaseMs / 4, 1000));
    ++m_generation;
    return true;
}

void OscServer::stop()
{
    ++m_generation;
    m_leaseTimer.stop();
    m_subscribers.clear();
    delete m_notifier;
    m_notifier = nullptr;
    if (m_server)
        lo_server_free(m_server);
    m_server = nullptr;
    m_port = 0;
}

void OscServer::readPending()
{
    // Bounded per wake-up so that a flood cannot hold the event loop; the notifier fires again
    // while datagrams are waiting.
    for (int i = 0; i < MaxMessagesPerWake && m_server; ++i) {
        if (lo_server_recv_noblock(m_server, 0) <= 0)
            break;
    }
}

int OscServer::onMessage(const char *path, const char *, lo_arg **, int, lo_message msg, void *self)
{
    static_cast<OscServer *>(self)->handle(QString::fromUtf8(path ? path : ""), msg);
    return 0;
}

void OscServer::onError(int num, const char *msg, const char *where)
{
    qDebug() << "OSC:" << num << (msg ? msg : "") << (where ? where : "");
}

bool OscServer::allowed(const QHostAddress &sender) const
{
    if (m_options.allow.isEmpty())
        return sender.isLoopback();
    for (const auto &subnet : m_options.allow) {
        if (sender.isInSubnet(subnet))
            return true;
    }
    return false;
}

void OscServer::handle(const QString &path, lo_message msg)
{
    const lo_address source = lo_message_get_source(msg);
    if (!source || !m_service)
        return;
    const QHostAddress from(QString::fromLatin1(lo_address_get_hostname(source)));
    const quint16 fromPort = quint16(QByteArray(lo_address_get_port(source)).toUInt());
    const QString client = clientName(from, fromPort);
    if (from.isNull() || fromPort == 0)
        return;
    if (!allowed(from)) {
        m_service->log().refusal(from.toString(), path.left(80),
                                 QStringLiteral("sender not on the allow-list"));
        return;
    }
    if (!m_limiter.allow(from.toString())) {
        const RemoteError e(RemoteError::RateLimited,
                            QStringLiteral("more than %1 messages per second").arg(m_options.perSecond));
        m_service->log().refusal(client, path.left(80), e.message());
        reply(from, fromPort, path, e.toJson());
        return;
    }
    const RemoteRequest::Result decoded = RemoteRequest::fromOsc(path, RemoteRequest::oscArgs(msg));
    if (!decoded.ok()) {
        m_service->log().refusal(client, path.left(80), decoded.error.message());
        reply(from, fromPort, path, decoded.error.toJson());
        return;
    }
    if (decoded.command.kind == RemoteCommand::Subscribe ||
        decoded.command.kind == RemoteCommand::Unsubscribe) {
        subscribe(decoded.command, from, fromPort);
        return;
    }
    QPointer<OscServer> self(this);
    const quint64 generation = m_generation;
    m_service->execute(decoded.command, client, [=](const RemoteService::Reply &r) {
        if (self && self->m_server && self->m_generation == generation)
            self->reply(from, fromPort, path, r.toJson());
    });
}

void OscServer::subscribe(const RemoteCommand &command, const QHostAddress &from, quint16 fromPort)
{
    const quint16 port = command.number > 0 ? quint16(command.number) : fromPort;
    const QString path = RemoteCommand::kindName(command.kind).prepend(QLatin1Char('/'));
    expireLeases();
    int found = -1;
    for (int i = 0; i < m_subscribers.size(); ++i) {
        if (m_subscribers[i].address == from && m_subscribers[i].port == port)
            found = i;
    }
    if (command.kind == RemoteCommand::Unsubscribe) {
        if (found >= 0)
            m_subscribers.removeAt(found);
        reply(from, fromPort, path, QJsonObject{{QStringLiteral("ok"), true}});
        return;
    }
    if (found < 0 && m_subscribers.size() >= m_options.maxSubscribers) {
        const RemoteError e(
            RemoteError::Unavailable,
            QStringLiteral("%1 subscribers already; no room for another").arg(m_subscribers.size()));
        m_service->log().refusal(clientName(from, fromPort), path, e.message());
        reply(from, fromPort, path, e.toJson());
        return;
    }
    if (found < 0) {
        m_subscribers.append(Subscriber{from, port, 0});
        found = m_subscribers.size() - 1;
    }
    m_subscribers[found].expiresMs = m_clock.elapsed() + m_options.leaseMs;
    reply(from, fromPort, path,
          QJsonObject{{QStringLiteral("ok"), true},
                      {QStringLiteral("port"), port},
                      {QStringLiteral("lease"), m_options.leaseMs / 1000.0}});
}

void OscServer::expireLeases()
{
    const qint64 now = m_clock.elapsed();
    for (int i = m_subscribers.size() - 1; i >= 0; --i) {
        if (m_subscribers[i].expiresMs <= now)
            m_subscribers.removeAt(i);
    }
}

void OscServer::push(const RemoteEvent &event)
{
    if (!m_server)
        return;
    expireLeases();
    if (m_subscribers.isEmpty())
        return;
    const QString device = QStringLiteral("/vp/%1").arg(event.cpuid);
    QString path;
    lo_message msg = lo_message_new();
    switch (event.kind) {
    case RemoteEvent::Online:
        path = device + QStringLiteral("/online");
        lo_message_add_int32(msg, event.online ? 1 : 0);
        break;
    case RemoteEvent::InputChanged:
        path = device + QStringLiteral("/window/%1/input").arg(event.window);
        lo_message_add_string(msg, event.source.toUtf8().constData());
        lo_message_add_int32(msg, event.srcId);
        break;
    case RemoteEvent::PresetLoaded:
        path = device + QStringLiteral("/preset/loaded");
        lo_message_add_int32(msg, event.preset);
        break;
    }
    for (const Subscriber &s : m_subscribers)
        send(s.address, s.port, path, msg);
    lo_message_free(msg);
}

void OscServer::reply(const QHostAddress &to, quint16 port, const QString &path, const QJsonObject &status)
{
    QByteArray json = QJsonDocument(status).toJson(QJsonDocument::Compact);
    if (json.size() > MaxReplyBytes) {
        const RemoteError e(
            RemoteError::PayloadTooLarge,
            QStringLiteral("the answer has %1 bytes, too many for one datagram; ask one device's "
                           "state, or over HTTP")
                .arg(json.size()));
        json = QJsonDocument(e.toJson()).toJson(QJsonDocument::Compact);
    }
    lo_message msg = lo_message_new();
    lo_message_add_string(msg, json.constData());
    send(to, port, QStringLiteral("/reply") + path, msg);
    lo_message_free(msg);
}

void OscServer::send(const QHostAddress &to, quint16 port, const QString &path, lo_message msg)
{
    if (!m_server)
        return;
    lo_address target =
        lo_address_new(to.toString().toLatin1().constData(), QByteArray::number(port).constData());
    if (!target)
        return;
    lo_send_message_from(target, m_server, path.toUtf8().constData(), msg);
    lo_address_free(target);
}
