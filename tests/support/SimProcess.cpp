#include "SimProcess.h"

#include "TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <csignal>

SimProcess::SimProcess()
{
    proc.setProcessChannelMode(QProcess::MergedChannels);
    // Drained as it comes so a chatty simulator never blocks on a full pipe.
    QObject::connect(&proc, &QProcess::readyRead, &proc, [this] { output(); });
}

SimProcess::~SimProcess() { stop(); }

QString SimProcess::binary() { return qEnvironmentVariable("VPSIM"); }

QString SimProcess::statePath() const { return dir.filePath(QStringLiteral("state.json")); }

QString SimProcess::logPath() const { return dir.filePath(QStringLiteral("frames.jsonl")); }

bool SimProcess::waitFor(const std::function<bool()> &cond, int timeoutMs)
{
    return TestSupport::waitUntil(cond, timeoutMs);
}

bool SimProcess::start(const QStringList &args, int timeoutMs)
{
    stop();
    error.clear();
    captured.clear();
    deviceList.clear();
    if (!dir.isValid()) {
        error = QStringLiteral("no temporary directory");
        return false;
    }
    QFile::remove(statePath());
    QFile::remove(logPath());
    const QString bin = binary();
    if (bin.isEmpty() || !QFile::exists(bin)) {
        error = QStringLiteral("VPSIM does not name the simulator (\"%1\")").arg(bin);
        return false;
    }
    const QStringList all = QStringList{"--state-file", statePath(), "--log", logPath()} + args;
    proc.start(launcher.isEmpty() ? bin : launcher, launcher.isEmpty() ? all : launcherArgs + QStringList{bin} + all);
    if (!proc.waitForStarted(5000)) {
        error = proc.errorString();
        return false;
    }
    const bool up =
        waitFor([this] { return QFile::exists(statePath()) || proc.state() != QProcess::Running; }, timeoutMs);
    if (!up || !QFile::exists(statePath()) || !refresh()) {
        error = QStringLiteral("vpsim did not come up: ") + output().trimmed();
        stop();
        return false;
    }
    return true;
}

bool SimProcess::refresh()
{
    QFile f(statePath());
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll());
    if (!doc.isObject())
        return false;
    QList<Device> list;
    for (const QJsonValue &v : doc.object().value(QStringLiteral("devices")).toArray()) {
        const QJsonObject o = v.toObject();
        Device d;
        d.cpuid = o.value("cpuid").toString();
        d.type = o.value("type").toInt(-1);
        d.model = o.value("model").toString();
        d.name = o.value("name").toString();
        if (o.contains("address"))
            d.address = QHostAddress(o.value("address").toString());
        d.tcpPort = quint16(o.value("tcpPort").toInt());
        d.udpPort = quint16(o.value("udpPort").toInt());
        d.pty = o.value("pty").toString();
        d.link = o.value("link").toString();
        d.state = o.value("state").toObject();
        list << d;
    }
    deviceList = list;
    return true;
}

const SimProcess::Device *SimProcess::device(const QString &cpuid) const
{
    for (const Device &d : deviceList)
        if (d.cpuid == cpuid)
            return &d;
    return nullptr;
}

const SimProcess::Device *SimProcess::deviceAt(const QHostAddress &address) const
{
    for (const Device &d : deviceList)
        if (d.address == address)
            return &d;
    return nullptr;
}

QList<QJsonObject> SimProcess::logFrom(int firstLine) const
{
    QList<QJsonObject> out;
    QFile f(logPath());
    if (!f.open(QIODevice::ReadOnly))
        return out;
    int n = 0;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine();
        if (!line.endsWith('\n'))
            break; // still being written
        if (n++ < firstLine)
            continue;
        out << QJsonDocument::fromJson(line).object();
    }
    return out;
}

int SimProcess::countFrames(const QString &cpuid, const QString &dir, int cmd, int sub, int firstLine) const
{
    int n = 0;
    for (const QJsonObject &o : logFrom(firstLine)) {
        if (o.value("device").toString() != cpuid)
            continue;
        if (!dir.isEmpty() && o.value("dir").toString() != dir)
            continue;
        if (cmd >= 0 && o.value("cmd").toInt() != cmd)
            continue;
        if (sub >= 0 && o.value("sub").toInt() != sub)
            continue;
        ++n;
    }
    return n;
}

QString SimProcess::output()
{
    captured += QString::fromLocal8Bit(proc.readAll());
    return captured;
}

bool SimProcess::isRunning() const { return proc.state() != QProcess::NotRunning; }

qint64 SimProcess::pid() const { return proc.processId(); }

void SimProcess::suspend()
{
    if (isRunning())
        ::kill(pid_t(proc.processId()), SIGSTOP);
}

void SimProcess::resume()
{
    if (isRunning())
        ::kill(pid_t(proc.processId()), SIGCONT);
}

void SimProcess::stop()
{
    if (!isRunning())
        return;
    resume();
    proc.terminate();
    if (!proc.waitForFinished(2000)) {
        proc.kill();
        proc.waitForFinished(2000);
    }
    output();
}

void SimProcess::kill()
{
    if (!isRunning())
        return;
    proc.kill();
    proc.waitForFinished(2000);
    output();
}
