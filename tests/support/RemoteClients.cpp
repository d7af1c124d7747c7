#include "RemoteClients.h"
#include "TestSupport.h"
#include <QJsonDocument>
#include <QProcess>
namespace RemoteClients {
HttpReply http(quint16 port, const QByteArray &method, const QString &path, const QByteArray &body,
               const QStringList &extra)
{
    HttpReply r;
    QProcess curl;
    QStringList args{"-s", "-S", "--max-time", "20", "-o", "-", "-w", "\n%{http_code}", "-X", QString(method)};
    if (method != "GET") // an empty body still goes with its length
        args << "-H" << "Content-Type: application/json" << "--data-binary" << "@-";
    args << extra << QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
    curl.start(QStringLiteral("curl"), args);
    if (!curl.waitForStarted(5000)) {
        r.error = curl.errorString();
        return r;
    }
    curl.write(body);
    curl.closeWriteChannel();
    // The server hands requests to this thread: keep its event loop running meanwhile.
    TestSupport::waitUntil([&] { return curl.state() == QProcess::NotRunning; }, 30000);
    const QByteArray out = curl.readAllStandardOutput();
    r.error = QString::fromLocal8Bit(curl.readAllStandardError());
    const int cut = out.lastIndexOf('\n');
    r.body = out.left(qMax(0, cut));
    r.status = out.mid(cut + 1).toInt();
    r.json = QJsonDocument::fromJson(r.body).object();
    return r;
}

lo_message oscMessage(const QString &args)
{
    lo_message m = lo_message_new();
    lo_blob blob = lo_blob_new(3, "abc");
    for (const QString &a : args.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString v = a.mid(2);
        switch (a.at(0).toLatin1()) {
        case 'i': lo_message_add_int32(m, v.toInt()); break;
        case 'h': lo_message_add_int64(m, v.toLongLong()); break;
        case 'f': lo_message_add_float(m, v.toFloat()); break;
        case 's': lo_message_add_string(m, v.toUtf8().constData()); break;
        case 'T': lo_message_add_true(m); break;
        case 'F': lo_message_add_false(m); break;
        case 'b': lo_message_add_blob(m, blob); break;
        }
    }
    lo_blob_free(blob);
    return m;
}
OscClient::OscClient(const QHostAddress &address)
{
    m_socket.bind(address, 0);
    QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] { read(); });
}

void OscClient::send(quint16 serverPort, const QString &path, const QString &args)
{
    lo_message m = oscMessage(args);
    size_t size = 0;
    void *data = lo_message_serialise(m, path.toUtf8().constData(), nullptr, &size);
    m_socket.writeDatagram(static_cast<const char *>(data), qint64(size), QHostAddress::LocalHost, serverPort);
    free(data);
    lo_message_free(m);
}

void OscClient::read()
{
    while (m_socket.hasPendingDatagrams()) {
        QByteArray d(int(m_socket.pendingDatagramSize()), 0);
        m_socket.readDatagram(d.data(), d.size());
        lo_message m = lo_message_deserialise(d.data(), size_t(d.size()), nullptr);
        if (!m)
            continue;
        received << Message{QString::fromUtf8(d.constData()), RemoteRequest::oscArgs(m)};
        lo_message_free(m);
    }
}

bool OscClient::take(const QString &path, Message *out, int timeoutMs)
{
    int found = -1;
    TestSupport::waitUntil([&] {
        for (int i = 0; i < received.size() && found < 0; ++i)
            found = received[i].path == path ? i : -1;
        return found >= 0;
    }, timeoutMs);
    if (found < 0)
        return false;
    *out = received.takeAt(found);
    return true;
}

QJsonObject OscClient::reply(const QString &path, int timeoutMs)
{
    Message m;
    if (!take(QStringLiteral("/reply") + path, &m, timeoutMs) || m.args.isEmpty())
        return QJsonObject();
    return QJsonDocument::fromJson(m.args.first().text.toUtf8()).object();
}
} // namespace RemoteClients
