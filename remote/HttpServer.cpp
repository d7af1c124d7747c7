#include "HttpServer.h"

#include "RemoteRequest.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QThread>

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <pthread.h>
#include <set>
#include <thread>

namespace {
// Time the Qt thread has to take a request before it is answered 504 and never run.
constexpr int TakeTimeoutMs = 2000;
// What the application has beyond the command's own timeout to answer.
constexpr int AnswerMarginMs = 1000;

std::string jsonBody(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

void respond(httplib::Response &res, const RemoteError &e)
{
    res.status = RemoteError::httpStatus(e.code());
    res.set_content(jsonBody(e.toJson()), "application/json");
}

bool sameToken(const std::string &given, const std::string &expected)
{
    // Time does not depend on where the two differ.
    unsigned char diff = given.size() == expected.size() ? 0 : 1;
    for (size_t i = 0; i < given.size(); ++i)
        diff |= uint8_t(given[i]) ^ uint8_t(expected.empty() ? 0 : expected[i % expected.size()]);
    return diff == 0;
}

// One request handed to the Qt thread, shared by the worker waiting for it and the Qt side.
struct Pending
{
    enum State { Queued, Running, Finished, Cancelled };
    std::mutex lock;
    std::condition_variable changed;
    State state = Queued;
    int status = 0;
    std::string body;

    bool take()
    {
        std::lock_guard<std::mutex> g(lock);
        if (state != Queued)
            return false;
        state = Running;
        return true;
    }
    void finish(int s, const std::string &b)
    {
        {
            std::lock_guard<std::mutex> g(lock);
            if (state == Finished || state == Cancelled)
                return;
            state = Finished;
            status = s;
            body = b;
        }
        changed.notify_all();
    }
    void cancel(int s, const std::string &b)
    {
        {
            std::lock_guard<std::mutex> g(lock);
            if (state == Finished || state == Cancelled)
                return;
            state = state == Queued ? Cancelled : Finished;
            status = s;
            body = b;
        }
        changed.notify_all();
    }
};
} // namespace

struct HttpServer::Private
{
    HttpServer *q = nullptr;
    QPointer<RemoteService> service;
    Options options;
    int answerTimeoutMs = 0;
    std::unique_ptr<httplib::Server> server;
    std::thread thread;
    RateLimiter limiter;
    std::mutex pendingLock;
    std::set<std::shared_ptr<Pending>> pending;
    bool stopping = false;

    void refuse(const httplib::Request &req, const QString &what, const RemoteError &e)
    {
        if (service)
            service->log().refusal(client(req), what, e.message());
    }
    static QString client(const httplib::Request &req)
    {
        return QStringLiteral("http %1:%2").arg(QString::fromStdString(req.remote_addr)).arg(req.remote_port);
    }
    static QString what(const httplib::Request &req)
    {
        return QStringLiteral("%1 %2").arg(QString::fromStdString(req.method),
                                           QString::fromStdString(req.path).left(80));
    }
    httplib::Server::HandlerResponse admit(const httplib::Request &req, httplib::Response &res);
    void handle(const httplib::Request &req, httplib::Response &res);
};

httplib::Server::HandlerResponse HttpServer::Private::admit(const httplib::Request &req,
                                                            httplib::Response &res)
{
    if (!limiter.allow(QString::fromStdString(req.remote_addr))) {
        const RemoteError e(RemoteError::RateLimited,
                            QStringLiteral("more than %1 requests per second").arg(options.perSecond));
        refuse(req, what(req), e);
        respond(res, e);
        return httplib::Server::HandlerResponse::Handled;
    }
    if (!options.token.isEmpty()) {
        const std::string expected = "Bearer " + options.token.toStdString();
        if (!sameToken(req.get_header_value("Authorization"), expected)) {
            const RemoteError e(RemoteError::Unauthorized,
                                req.has_header("Authorization")
                                    ? QStringLiteral("wrong token")
                                    : QStringLiteral("no \"Authorization: Bearer\" token"));
            refuse(req, what(req), e);
            respond(res, e);
            res.set_header("WWW-Authenticate", "Bearer");
            return httplib::Server::HandlerResponse::Handled;
        }
    }
    return httplib::Server::HandlerResponse::Unhandled;
}

void HttpServer::Private::handle(const httplib::Request &req, httplib::Response &res)
{
    const RemoteRequest::Result decoded =
        RemoteRequest::fromHttp(QByteArray::fromStdString(req.method), QByteArray::fromStdString(req.target),
                                QByteArray::fromStdString(req.body));
    if (!decoded.ok()) {
        refuse(req, what(req), decoded.error);
        return respond(res, decoded.error);
    }
    auto p = std::make_shared<Pending>();
    {
        std::lock_guard<std::mutex> g(pendingLock);
        if (stopping)
            return respond(res, {RemoteError::Unavailable, QStringLiteral("the server is stopping")});
        pending.insert(p);
    }
    const QPointer<RemoteService> svc = service;
    const RemoteCommand command = decoded.command;
    const QString from = client(req);
    QMetaObject::invokeMethod(
        q,
        [svc, command, from, p] {
            if (!p->take())
                return; // the worker gave up waiting; the command is not run
            if (!svc)
                return p->finish(
                    503, jsonBody(RemoteError(RemoteError::Unavailable, QStringLiteral("stopped")).toJson()));
            svc->execute(command, from, [p](const RemoteService::Reply &r) {
                p->finish(RemoteError::httpStatus(r.error.code()), jsonBody(r.toJson()));
            });
        },
        Qt::QueuedConnection);

    std::unique_lock<std::mutex> lock(p->lock);
    p->changed.wait_for(lock, std::chrono::milliseconds(TakeTimeoutMs),
                        [&] { return p->state != Pending::Queued; });
    if (p->state == Pending::Queued) {
        p->state = Pending::Cancelled;
        p->status = 504;
        p->body =
            jsonBody(RemoteError(RemoteError::Timeout,
                                 QStringLiteral("the application did not take the request within %1 ms; "
                                                "nothing was sent")
                                     .arg(TakeTimeoutMs))
                         .toJson());
    } else {
        p->changed.wait_for(lock, std::chrono::milliseconds(answerTimeoutMs),
                            [&] { return p->state == Pending::Finished || p->state == Pending::Cancelled; });
        if (p->state == Pending::Running) {
            p->state = Pending::Finished;
            p->status = 504;
            p->body = jsonBody(
                RemoteError(RemoteError::Timeout,
                            QStringLiteral("no answer within %1 ms; the command's outcome is not known")
                                .arg(answerTimeoutMs))
                    .toJson());
        }
    }
    res.status = p->status;
    res.set_content(p->body, "application/json");
    lock.unlock();
    std::lock_guard<std::mutex> g(pendingLock);
    pending.erase(p);
}

HttpServer::HttpServer(RemoteService *service, QObject *parent) : QObject(parent), d(new Private)
{
    d->q = this;
    d->service = service;
}

HttpServer::~HttpServer()
{
    stop();
}

bool HttpServer::isRunning() const
{
    return d->server && d->server->is_running();
}

bool HttpServer::start(const Options &options, QString *error)
{
    stop();
    d->options = options;
    d->answerTimeoutMs = (d->service ? d->service->commandTimeout() : 0) + AnswerMarginMs;
    d->limiter.setRate(options.perSecond, options.perSecond);
    d->stopping = false;
    d->server.reset(new httplib::Server);
    httplib::Server &s = *d->server;
    const int threads = qMax(2, options.threads);
    s.new_task_queue = [threads] { return new httplib::ThreadPool(size_t(threads)); };
    const time_t sec = options.ioTimeoutMs / 1000;
    const time_t usec = (options.ioTimeoutMs % 1000) * 1000;
    s.set_read_timeout(sec, usec);
    s.set_write_timeout(sec, usec);
    s.set_keep_alive_timeout(qMax<time_t>(1, sec));
    s.set_keep_alive_max_count(100);
    s.set_payload_max_length(RemoteRequest::MaxBodyBytes);
    s.set_tcp_nodelay(true);
    Private *p = d.get();
    s.set_pre_routing_handler(
        [p](const httplib::Request &req, httplib::Response &res) { return p->admit(req, res); });
    const auto handler = [p](const httplib::Request &req, httplib::Response &res) { p->handle(req, res); };
    s.Get(".*", handler);
    s.Post(".*", handler);
    s.Put(".*", handler);
    s.Patch(".*", handler);
    s.Delete(".*", handler);
    // Answers the library makes itself (an oversize body, a malformed request) carry JSON too.
    s.set_error_handler(
        httplib::Server::HandlerWithResponse([p](const httplib::Request &req, httplib::Response &res) {
            if (!res.body.empty())
                return httplib::Server::HandlerResponse::Unhandled;
            RemoteError e(RemoteError::Internal, QStringLiteral("HTTP status %1").arg(res.status));
            if (res.status == 413)
                e = RemoteError(
                    RemoteError::PayloadTooLarge,
                    QStringLiteral("the body is larger than %1 bytes").arg(RemoteRequest::MaxBodyBytes));
            else if (res.status == 400 || res.status == 414 || res.status == 431)
                e = RemoteError(RemoteError::BadRequest,
                                QStringLiteral("malformed HTTP request (status %1)").arg(res.status));
            p->refuse(req, Private::what(req), e);
            const int status = res.status;
            respond(res, e);
            res.status = status;
            return httplib::Server::HandlerResponse::Handled;
        }));

    const std::string host = options.address.toString().toStdString();
    int port = options.port;
    if (port == 0)
        port = s.bind_to_any_port(host);
    else if (!s.bind_to_port(host, port))
        port = -1;
    if (port <= 0) {
        *error = QCoreApplication::translate("RemoteControl", "Cannot listen for HTTP on %1 port %2")
                     .arg(options.address.toString())
                     .arg(options.port);
        d->server.reset();
        return false;
    }
    m_port = quint16(port);
    httplib::Server *server = d->server.get();
    d->thread = std::thread([server] {
        // The library writes to sockets without MSG_NOSIGNAL: a client that closed its end must
        // not end the program. The worker threads are started from here and inherit the mask.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        server->listen_after_bind();
    });
    // stop() only ends a server that is already listening.
    for (int i = 0; i < 2000 && !server->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void HttpServer::stop()
{
    if (!d->server)
        return;
    {
        std::lock_guard<std::mutex> g(d->pendingLock);
        d->stopping = true;
        const std::string body =
            jsonBody(RemoteError(RemoteError::Unavailable,
                                 QStringLiteral("the server stopped; the outcome is not known"))
                         .toJson());
        for (const auto &p : d->pending)
            p->cancel(503, body);
    }
    d->server->stop();
    if (d->thread.joinable())
        d->thread.join();
    d->server.reset();
    m_port = 0;
}
