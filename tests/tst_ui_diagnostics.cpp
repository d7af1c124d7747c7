// Diagnostics window against vpsim over TCP: the frame monitor against the simulator's own frame log, its
// saved file, pause and filter; the event history; nothing listened to while closed.
#include "CommManager.h"
#include "DeviceLookup.h"
#include "DialogDiagnostics.h"
#include "KS9200Interface.h"
#include "Log.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "UiLookup.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(QHostAddress)

namespace {
const QString SimAddress = QStringLiteral("127.0.31.3");
using TestSupport::waitUntil;

// One frame as (direction seen from the application, lower-case hex without spaces).
using Traffic = QList<QPair<QString, QString>>;

// The simulator's TCP frames: what it received is what the application sent.
Traffic simTcpFrames(const SimProcess &sim)
{
    Traffic out;
    for (const QJsonObject &o : sim.log())
        if (o.value("transport").toString() == "tcp")
            out << qMakePair(QString(o.value("dir") == "rx" ? "sent" : "received"),
                             o.value("hex").toString());
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
} // namespace

class TstUiDiagnostics : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    SimProcess sim;
    QString cpuid;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<RECV_PROTOCOL>("RECV_PROTOCOL");
        qRegisterMetaType<QHostAddress>("QHostAddress");
        // No heartbeats: every frame on the link is one the test asked for. A UDP port of its own: the
        // device never hears (nor answers) other suites' search broadcasts.
        QVERIFY2(
            sim.start({"--no-heartbeat", "--udp-port", "18989", "--device", "KS9200:addr=" + SimAddress}),
            qPrintable(sim.errorString()));
        cpuid = sim.devices().value(0).cpuid;
        QVERIFY(!cpuid.isEmpty());
    }

    void cleanupTestCase() { DeviceLookup::clear(); }

    void frameMonitorMatchesSimulatorLog()
    {
        ProbeComm comm;
        const uint key = comm.connectTcp(QHostAddress(SimAddress), CommManager::DeviceTcpPort);
        QVERIFY(key != 0);
        comm.onSetConnectDeviceCpuid(key, 0, cpuid, QHostAddress());
        KS9200Interface iface(cpuid);
        connect(&iface, &Interface::emitSendData, &comm, [&](const QByteArray &d) { comm.write(key, d); });
        connect(&comm, &CommManager::emitHandleData, &iface,
                [&](uint, uint, QString id, RECV_PROTOCOL rp, QByteArray d) { iface.handleFrame(id, rp, d); });
        const auto ifaceFor = [&](const QString &c) -> Interface * { return c.isEmpty() || c == cpuid ? &iface : 0; };
        DeviceLookup::install([](const QString &) -> INFO_BASIC * { return nullptr; }, ifaceFor, [&] { return cpuid; });
        QSignalSpy received(&comm, &CommManager::emitHandleData);
        QSignalSpy allParams(&iface, &Interface::emitAllParams);
        const auto readWindows = [&] { // a single read and its reply
            const int before = received.count();
            iface.readWindows();
            return waitUntil([&] { return received.count() > before; });
        };
        DialogDiagnostics dlg;
        dlg.setCommManager(&comm);
        QCOMPARE(comm.trafficReceivers(), 0);
        dlg.show();
        QCOMPARE(comm.trafficReceivers(), 1);
        auto *table = child<QTableWidget>(&dlg, "table_frames");

        // A sync: the full read-back, answered by the device's replies and the closing 0xEF; then a read.
        iface.readAll();
        QVERIFY(waitUntil([&] { return !allParams.isEmpty(); }));
        QVERIFY(readWindows());
        QVERIFY(waitUntil([&] { return simTcpFrames(sim).size() == dlg.frameRowCount(); }));
        const Traffic all = simTcpFrames(sim);
        QVERIFY(all.size() > 4);
        QCOMPARE(all.first(), qMakePair(QString("sent"), QString(makeRequestFrame(0xEF).toHex())));
        const auto cell = [table](int row, int col) { return table->item(row, col)->text(); };
        QCOMPARE(cell(0, DialogDiagnostics::ColDirection), QStringLiteral("sent"));
        QCOMPARE(cell(0, DialogDiagnostics::ColCommand), QStringLiteral("EF read all"));
        QCOMPARE(cell(0, DialogDiagnostics::ColLength), QStringLiteral("23"));
        QCOMPARE(cell(1, DialogDiagnostics::ColDirection), QStringLiteral("received"));
        QVERIFY(dlg.saveFrames(dir.filePath("monitor.txt")));
        QCOMPARE(savedFrames(dir.filePath("monitor.txt")), all);

        // Filter by command: only the window frames stay, and the saved file follows the filter.
        auto *filter = child<QComboBox>(&dlg, "combo_filter");
        QVERIFY(filter->findData(0xE2) > 0);
        filter->setCurrentIndex(filter->findData(0xE2));
        Traffic windowsOnly;
        for (const auto &f : all)
            if (uint8_t(QByteArray::fromHex(f.second.toLatin1()).at(f.first == "sent" ? 4 : 2)) == 0xE2)
                windowsOnly << f;
        QVERIFY(windowsOnly.size() >= 3);
        QCOMPARE(dlg.frameRowCount(), windowsOnly.size());
        QVERIFY(dlg.saveFrames(dir.filePath("monitor.txt")));
        QCOMPARE(savedFrames(dir.filePath("monitor.txt")), windowsOnly);
        filter->setCurrentIndex(0);
        QCOMPARE(dlg.frameRowCount(), all.size());

        // Paused, a request and its reply pass by without a row; resumed, rows come again.
        auto *pause = child<QPushButton>(&dlg, "btn_pause");
        QTest::mouseClick(pause, Qt::LeftButton);
        QVERIFY(dlg.isPaused());
        const int rows = dlg.frameRowCount();
        QVERIFY(readWindows());
        QCOMPARE(dlg.frameRowCount(), rows);
        QTest::mouseClick(pause, Qt::LeftButton);
        QVERIFY(!dlg.isPaused());
        QVERIFY(readWindows());
        QCOMPARE(dlg.frameRowCount(), rows + 2);
        // Frames of another device are not the current device's.
        dlg.onFrameTraffic(QStringLiteral("0123456789abcdef01234567"), false,
                           makeReplyFrame(0xE2, 0, 0, QByteArray(13, 0)));
        QCOMPARE(dlg.frameRowCount(), rows + 2);
        dlg.hide();
        QCOMPARE(comm.trafficReceivers(), 0);
        DeviceLookup::clear();
    }

    // Events, the log's memory, and frames without a command or beyond the row cap.
    void eventHistoryAndRowCaps()
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
        QCOMPARE(events->item(dlg.eventRowCount() - 1, 1)->text(), "written while it is closed");
        // The log keeps its last lines only.
        for (int i = 0; i < LogHistorySize + 10; ++i)
            writeLog(QStringLiteral("line %1").arg(i));
        const QList<LogLine> kept = recentLogLines();
        QCOMPARE(kept.size(), LogHistorySize);
        QCOMPARE(kept.first().text, QStringLiteral("line 10"));
        QCOMPARE(kept.last().text, QStringLiteral("line %1").arg(LogHistorySize + 9));
        QCOMPARE(dlg.eventRowCount(), int(DialogDiagnostics::MaxEventRows));
        QCOMPARE(events->item(0, 1)->text(), QStringLiteral("line 10"));
        QCOMPARE(DialogDiagnostics::subCommandName(0xFF, 0x01), QStringLiteral("heartbeat"));
        QVERIFY(DialogDiagnostics::commandName(0x77).isEmpty());
        dlg.onFrameTraffic(QString(), true, QByteArray("\x5a", 1));
        QCOMPARE(dlg.frameRowCount(), 1);
        for (int i = 0; i < DialogDiagnostics::MaxFrameRows + 5; ++i)
            dlg.onFrameTraffic(QString(), i % 2, makeRequestFrame(0xE1));
        QCOMPARE(dlg.frameRowCount(), int(DialogDiagnostics::MaxFrameRows));
    }
};

QTEST_MAIN(TstUiDiagnostics)
#include "tst_ui_diagnostics.moc"
