#include "SimProcess.h"
#include "TestSupport.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
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

bool SimProcess::waitFor(const std::function<bool()> &c, int ms) { return TestSupport::waitUntil(c, ms); }

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
        list << Device{o.value("cpuid").toString(),
                       o.value("type").toInt(-1),
                       o.value("model").toString(),
                       o.value("name").toString(),
                       o.contains("address") ? QHostAddress(o.value("address").toString()) : QHostAddress(),
                       quint16(o.value("tcpPort").toInt()),
                       quint16(o.value("udpPort").toInt()),
                       o.value("pty").toString(),
                       o.value("link").toString(),
                       o.value("state").toObject()};
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
    for (const QJsonObject &o : logFrom(firstLine))
        n += o.value("device").toString() == cpuid && (dir.isEmpty() || o.value("dir").toString() == dir) &&
             (cmd < 0 || o.value("cmd").toInt() == cmd) && (sub < 0 || o.value("sub").toInt() == sub);
    return n;
}

QString SimProcess::output()
{
    captured += QString::fromLocal8Bit(proc.readAll());
    return captured;
}

bool SimProcess::isRunning() const { return proc.state() != QProcess::NotRunning; }

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
    if (proc.waitForFinished(2000))
        output();
    else
        kill();
}

void SimProcess::kill()
{
    if (isRunning())
        proc.kill(), proc.waitForFinished(2000), output();
}
