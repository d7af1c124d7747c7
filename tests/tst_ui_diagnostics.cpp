// Diagnostics window against vpsim over TCP: the frame monitor shows the frames of a sync in both
// directions and its saved file matches the simulator's own frame log; pause and the command filter
// act on the rows; the event history shows log lines from before and after it was opened, and the
// window listens to nothing while it is closed.
#include "CommManager.h"
#include "DeviceLookup.h"
#include "DialogDiagnostics.h"
#include "KS9200Interface.h"
#include "Log.h"
#include "SxTitleWidget.h"
#include "TestSupport.h"

#include <QAction>
#include <QMenu>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

Q_DECLARE_METATYPE(QHostAddress)

namespace {
const char *const SimAddress = "127.0.31.3";

using TestSupport::waitUntil;

// One frame as (direction seen from the application, lower-case hex without spaces).
using Traffic = QList<QPair<QString, QString>>;

// The simulator's TCP frames: what it received is what the application sent.
Traffic simTcpFrames(const QString &path)
{
    Traffic out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.value("transport").toString() != "tcp")
            continue;
        out << qMakePair(QString(o.value("dir").toString() == "rx" ? "sent" : "received"), o.value("hex").toString());
    }
    return out;
}

Traffic savedFrames(const QString &path)
{
    Traffic out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    for (const QString &line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        if (fields.size() != DialogDiagnostics::FrameColumnCount)
            return Traffic{{"bad line", line}};
        out << qMakePair(fields.at(DialogDiagnostics::ColDirection),
                         fields.at(DialogDiagnostics::ColHex).toLower().remove(' '));
    }
    return out;
}

// Exposes how many receivers the frame tap has.
class ProbeComm : public CommManager
{
public:
    int trafficReceivers() const { return receivers(SIGNAL(emitFrameTraffic(QString, bool, QByteArray))); }
};

template <typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}
} // namespace

class TstUiDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void frameMonitorMatchesSimulatorLog();
    void eventHistoryAndNothingWhileClosed();
    void commandNames();
    void mainMenuEntry();

private:
    QTemporaryDir dir;
    QProcess sim;
    QString logPath;
    QString cpuid;
};

void TstUiDiagnostics::initTestCase()
{
    qRegisterMetaType<RECV_PROTOCOL>("RECV_PROTOCOL");
    qRegisterMetaType<QHostAddress>("QHostAddress");
    const QString bin = qEnvironmentVariable("VPSIM");
    QVERIFY2(!bin.isEmpty() && QFile::exists(bin), "VPSIM does not name the vpsim binary");
    const QString state = dir.filePath("state.json");
    logPath = dir.filePath("frames.jsonl");
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // No heartbeats: every frame on the link is one the test asked for. A UDP port of its own: the
    // device never hears (nor answers) other suites' search broadcasts.
    sim.start(bin, {"--state-file", state, "--log", logPath, "--no-heartbeat", "--udp-port", "18989", "--device",
                    QStringLiteral("KS9200:addr=%1").arg(SimAddress)});
    QVERIFY(sim.waitForStarted(5000));
    QVERIFY2(waitUntil([&] { return QFile::exists(state) || sim.state() != QProcess::Running; })
                 && QFile::exists(state),
             "vpsim did not start");
    QFile f(state);
    QVERIFY(f.open(QIODevice::ReadOnly));
    cpuid = QJsonDocument::fromJson(f.readAll()).object().value("devices").toArray().at(0).toObject()
                .value("cpuid").toString();
    QVERIFY(!cpuid.isEmpty());
}

void TstUiDiagnostics::cleanupTestCase()
{
    DeviceLookup::clear();
    if (sim.state() != QProcess::NotRunning) {
        sim.terminate();
        if (!sim.waitForFinished(3000))
            sim.kill(), sim.waitForFinished(1000);
    }
}

void TstUiDiagnostics::frameMonitorMatchesSimulatorLog()
{
    ProbeComm comm;
    const uint key = comm.connectTcp(QHostAddress(QString::fromLatin1(SimAddress)), CommManager::DeviceTcpPort);
    QVERIFY(key != 0);
    comm.onSetConnectDeviceCpuid(key, 0, cpuid, QHostAddress());
    KS9200Interface iface(cpuid);
    connect(&iface, &Interface::emitSendData, &comm, [&](const QByteArray &d) { comm.write(key, d); });
    connect(&comm, &CommManager::emitHandleData, &iface,
            [&](uint, uint, QString id, RECV_PROTOCOL rp, QByteArray data) { iface.handleFrame(id, rp, data); });
    DeviceLookup::install([](const QString &) -> INFO_BASIC * { return nullptr; },
                          [&](const QString &c) -> Interface * { return c.isEmpty() || c == cpuid ? &iface : nullptr; },
                          [&] { return cpuid; });
    QSignalSpy received(&comm, &CommManager::emitHandleData);
    QSignalSpy allParams(&iface, &Interface::emitAllParams);

    DialogDiagnostics dlg;
    dlg.setCommManager(&comm);
    QCOMPARE(comm.trafficReceivers(), 0);
    dlg.show();
    QCOMPARE(comm.trafficReceivers(), 1);
    auto *table = child<QTableWidget>(&dlg, "table_frames");

    // A sync: the full read-back, answered by the device's replies and the closing 0xEF.
    iface.readAll();
    QVERIFY(waitUntil([&] { return !allParams.isEmpty(); }));
    // Then a single read with its reply.
    const int before = received.count();
    iface.readWindows();
    QVERIFY(waitUntil([&] { return received.count() > before; }));
    QVERIFY(waitUntil([&] { return simTcpFrames(logPath).size() == dlg.frameRowCount(); }));

    const Traffic sim = simTcpFrames(logPath);
    QVERIFY(sim.size() > 4);
    QCOMPARE(sim.first(), qMakePair(QString("sent"), QString::fromLatin1(makeRequestFrame(0xEF).toHex())));
    QCOMPARE(table->item(0, DialogDiagnostics::ColDirection)->text(), QStringLiteral("sent"));
    QCOMPARE(table->item(0, DialogDiagnostics::ColCommand)->text(), QStringLiteral("EF read all"));
    QCOMPARE(table->item(0, DialogDiagnostics::ColLength)->text(), QStringLiteral("23"));
    QCOMPARE(table->item(1, DialogDiagnostics::ColDirection)->text(), QStringLiteral("received"));

    const QString saved = dir.filePath("monitor.txt");
    QVERIFY(dlg.saveFrames(saved));
    QCOMPARE(savedFrames(saved), sim);

    // Filter by command: only the window frames stay (the request and its reply in the sync and
    // after it), and the saved file follows the filter.
    auto *filter = child<QComboBox>(&dlg, "combo_filter");
    const int windowsIndex = filter->findData(0xE2);
    QVERIFY(windowsIndex > 0);
    filter->setCurrentIndex(windowsIndex);
    Traffic windowsOnly;
    for (const auto &f : sim) {
        const QByteArray bytes = QByteArray::fromHex(f.second.toLatin1());
        if (uint8_t(bytes.at(f.first == "sent" ? 4 : 2)) == 0xE2)
            windowsOnly << f;
    }
    QVERIFY(windowsOnly.size() >= 3);
    QCOMPARE(dlg.frameRowCount(), windowsOnly.size());
    QVERIFY(dlg.saveFrames(saved));
    QCOMPARE(savedFrames(saved), windowsOnly);
    filter->setCurrentIndex(0);
    QCOMPARE(dlg.frameRowCount(), sim.size());

    // Paused, a request and its reply pass by without a row; resumed, rows come again.
    auto *pause = child<QPushButton>(&dlg, "btn_pause");
    QTest::mouseClick(pause, Qt::LeftButton);
    QVERIFY(dlg.isPaused());
    const int rows = dlg.frameRowCount();
    const int beforePaused = received.count();
    iface.readWindows();
    QVERIFY(waitUntil([&] { return received.count() > beforePaused; }));
    QCOMPARE(dlg.frameRowCount(), rows);
    QTest::mouseClick(pause, Qt::LeftButton);
    QVERIFY(!dlg.isPaused());
    const int beforeResumed = received.count();
    iface.readWindows();
    QVERIFY(waitUntil([&] { return received.count() > beforeResumed; }));
    QCOMPARE(dlg.frameRowCount(), rows + 2);

    // Frames of another device are not the current device's.
    dlg.onFrameTraffic(QStringLiteral("0123456789abcdef01234567"), false, makeReplyFrame(0xE2, 0, 0, QByteArray(13, 0)));
    QCOMPARE(dlg.frameRowCount(), rows + 2);

    dlg.hide();
    QCOMPARE(comm.trafficReceivers(), 0);
    DeviceLookup::clear();
}

void TstUiDiagnostics::eventHistoryAndNothingWhileClosed()
{
    writeLog(QStringLiteral("written before the window opened"));
    DialogDiagnostics dlg;
    auto *events = child<QTableWidget>(&dlg, "table_events");
    dlg.show();
    const int afterOpen = dlg.eventRowCount();
    QVERIFY(afterOpen >= 1);
    QCOMPARE(events->item(afterOpen - 1, 1)->text(), QStringLiteral("written before the window opened"));
    QVERIFY(!events->item(afterOpen - 1, 0)->text().isEmpty());

    writeLog(QStringLiteral("written while it is open"));
    QCOMPARE(dlg.eventRowCount(), afterOpen + 1);
    QCOMPARE(events->item(afterOpen, 1)->text(), QStringLiteral("written while it is open"));

    dlg.hide();
    writeLog(QStringLiteral("written while it is closed"));
    QCOMPARE(dlg.eventRowCount(), afterOpen + 1);
    // Opened again, the history has caught up from the log's memory.
    dlg.show();
    QCOMPARE(events->item(dlg.eventRowCount() - 1, 1)->text(), QStringLiteral("written while it is closed"));

    // The log keeps its last lines only.
    for (int i = 0; i < LogHistorySize + 10; ++i)
        writeLog(QStringLiteral("line %1").arg(i));
    const QList<LogLine> kept = recentLogLines();
    QCOMPARE(kept.size(), LogHistorySize);
    QCOMPARE(kept.first().text, QStringLiteral("line 10"));
    QCOMPARE(kept.last().text, QStringLiteral("line %1").arg(LogHistorySize + 9));
    QCOMPARE(dlg.eventRowCount(), int(DialogDiagnostics::MaxEventRows));
    QCOMPARE(events->item(0, 1)->text(), QStringLiteral("line 10"));
}

void TstUiDiagnostics::commandNames()
{
    QCOMPARE(DialogDiagnostics::commandName(0xEF), QStringLiteral("read all"));
    QCOMPARE(DialogDiagnostics::subCommandName(0xFF, 0x01), QStringLiteral("heartbeat"));
    QVERIFY(DialogDiagnostics::commandName(0x77).isEmpty());

    // Frames too short to carry a command still make a row; the row cap holds.
    DialogDiagnostics dlg;
    dlg.show();
    dlg.onFrameTraffic(QString(), true, QByteArray("\x5a", 1));
    QCOMPARE(dlg.frameRowCount(), 1);
    for (int i = 0; i < DialogDiagnostics::MaxFrameRows + 5; ++i)
        dlg.onFrameTraffic(QString(), i % 2, makeRequestFrame(0xE1));
    QCOMPARE(dlg.frameRowCount(), int(DialogDiagnostics::MaxFrameRows));
}

// The main menu offers the window; choosing it asks the main window to open it.
void TstUiDiagnostics::mainMenuEntry()
{
    SxTitleWidget title;
    QAction *action = nullptr;
    for (QAction *a : title.mainMenu()->actions())
        if (a->objectName() == QLatin1String("action_diagnostics"))
            action = a;
    QVERIFY(action);
    QCOMPARE(action, title.diagnosticsAction());
    QCOMPARE(action->text(), QStringLiteral("Diagnostics"));
    QSignalSpy open(&title, &SxTitleWidget::emitOpenDiagnostics);
    action->trigger();
    QCOMPARE(open.count(), 1);
}

QTEST_MAIN(TstUiDiagnostics)
#include "tst_ui_diagnostics.moc"
