#include "SimPty.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

SimPty::SimPty(QObject *parent) : QObject(parent) {}

SimPty::~SimPty()
{
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).isSymLink())
        ::unlink(QFile::encodeName(m_linkPath).constData());
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool SimPty::open(const QString &linkPath, QString *error)
{
    auto fail = [&](const char *what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(strerror(errno)));
        return false;
    };
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return fail("grantpt/unlockpt");
    const char *name = ::ptsname(m_master);
    if (!name)
        return fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slave < 0)
        return fail("open slave");
    termios t;
    if (::tcgetattr(m_slave, &t) == 0) {
        ::cfmakeraw(&t);
        ::cfsetispeed(&t, B115200);
        ::cfsetospeed(&t, B115200);
        t.c_cflag |= CLOCAL | CREAD;
        t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
        ::tcsetattr(m_slave, TCSANOW, &t);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);

    if (!linkPath.isEmpty()) {
        const QByteArray lp = QFile::encodeName(linkPath);
        const QFileInfo fi(linkPath);
        if (fi.isSymLink())
            ::unlink(lp.constData());
        else if (fi.exists()) {
            if (error)
                *error = QStringLiteral("%1 exists and is not a symlink").arg(linkPath);
            return false;
        }
        if (::symlink(name, lp.constData()) != 0)
            return fail("symlink");
        m_linkPath = linkPath;
    }

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &SimPty::onReadable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &SimPty::onWritable);
    return true;
}

void SimPty::onReadable()
{
    char buf[4096];
    for (int round = 0; round < 16; ++round) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            emit received(QByteArray(buf, int(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: drained; EIO cannot happen while our own slave handle is open
    }
}

void SimPty::write(const QByteArray &bytes)
{
    m_pending.append(bytes);
    onWritable();
}

void SimPty::onWritable()
{
    while (!m_pending.isEmpty()) {
        const ssize_t n = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (n > 0) {
            m_pending.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    // The terminal's buffer is full while nobody reads the slave: keep the rest, bounded.
    if (m_pending.size() > (1 << 20))
        m_pending.clear();
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_pending.isEmpty());
}
