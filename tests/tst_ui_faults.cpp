// The application against a misbehaving vpsim, one scenario per simulator fault: what the operator
// sees (message boxes, the tab marked offline, the busy indicator ending by its stop timer) and
// that a new search then brings the device back online in the same tab and view with a complete
// read-back. Also a pseudo-terminal that vanishes, a device announced twice and 16 devices at once.
//
// The simulated devices listen on 127.0.41.x with ports of their own. The search broadcasts from
// a veth end in this namespace (its peer sits alone in a namespace of its own, so nothing goes
// anywhere); the kernel loops every broadcast back to local sockets, where vpsim hears it.
#include "CommManager.h"
#include "DEVICE_INFO_KS.h"
#include "DialogSearch.h"
#include "MainWindow.h"
#include "SimProcess.h"
#include "SxGraphicsView.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"
#include "WidgetInBottom.h"

#include <QJsonArray>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include "TestSupport.h"

#include <QtTest>

#include <memory>

namespace {
constexpr quint16 UdpPort = 28989;
constexpr quint16 DiscoveryPort = 28990;
constexpr quint16 TcpPort = 28213;
constexpr int ScenarioLimitMs = 30000; // the watchdog's limit for one scenario

QString idFor(int n) { return QStringLiteral("0f4100000000000000000a%1").arg(n, 2, 16, QLatin1Char('0')); }
QString addrFor(int n) { return QStringLiteral("127.0.41.%1").arg(n); }

int run(const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(args.first(), args.mid(1));
    if (!p.waitForFinished(10000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool waitUntil(const std::function<bool()> &cond, int timeoutMs = 10000)
{
    return TestSupport::waitUntil(cond, timeoutMs);
}
} // namespace

class TstUiFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void splitWrites();
    void junkBetweenFrames();
    void corruptedChecksums();
    void heartbeatsStop();
    void deviceClosesConnection();
    void connectionInterrupted();
    void refusedSwitch();
    void slowReplies();
    void ptyDisappears();
    void announcedTwice();
    void sixteenDevices();

private:
    // The operator: dismisses every message box (remembering its text), drives the search dialog
    // and, as the watchdog, ends any modal loop once a scenario runs past its limit.
    void onTick();
    MainWindow *newWindow();
    // Runs a search from the title bar; confirms once `rows` devices are listed, gives up after
    // `timeoutMs`. Returns the rows listed when it ended.
    int search(int rows, int timeoutMs = 8000);
    // The KS record of `cpuid` holds what the simulator holds (panels, windows, inputs, EDID).
    bool readBackComplete(const QString &cpuid, QString *why = nullptr);
    bool startSim(const QStringList &args);
    QString tabText(const QString &cpuid) const;
    // The bottom bar's online text for the current device.
    QString statusText() const;
    QString ksArg(int n, const QString &extra = QString()) const;
    // Common tail: a new search brings `cpuid` back online in the same tab and view.
    void recover(const QString &cpuid, SxGraphicsView *view, int tabIndex);

    QTemporaryDir dir;
    QString netns;
    QString veth;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<MainWindow> win;
    QStringList boxes;
    QTimer ticker;
    QElapsedTimer scenarioClock;
    bool hung = false;
    int wantRows = -1; // >= 0 while a search is being driven
    int listed = 0;
    QElapsedTimer searchClock;
    int searchTimeout = 0;
};

void TstUiFaults::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QSettings().setValue("Language", 0);
    QVERIFY2(QFile::exists(SimProcess::binary()), "VPSIM must name the vpsim binary");

    const QString tag = QString::number(QCoreApplication::applicationPid() % 100000);
    netns = QStringLiteral("vpf-") + tag;
    veth = QStringLiteral("vpfa") + tag;
    if (run({"ip", "netns", "add", netns}) != 0) {
        netns.clear();
        QSKIP("cannot create a network namespace (needs root and iproute2)");
    }
    const bool ok = run({"ip", "link", "add", veth, "type", "veth", "peer", "name", "vpfd" + tag, "netns", netns}) == 0
        && run({"ip", "-n", netns, "link", "set", "vpfd" + tag, "up"}) == 0
        && run({"ip", "addr", "add", "192.0.2.41/24", "dev", veth}) == 0
        && run({"ip", "link", "set", veth, "up"}) == 0 && run({"ip", "link", "set", "lo", "up"}) == 0;
    QVERIFY2(ok, "cannot set up the veth pair");
    QVERIFY(waitUntil([&] {
        const QNetworkInterface i = QNetworkInterface::interfaceFromName(veth);
        return i.isValid() && (i.flags() & QNetworkInterface::IsRunning);
    }));

    connect(&ticker, &QTimer::timeout, this, &TstUiFaults::onTick);
    ticker.start(10);
}

void TstUiFaults::cleanupTestCase()
{
    win.reset();
    sim.reset();
    if (!veth.isEmpty())
        run({"ip", "link", "del", veth});
    if (!netns.isEmpty())
        run({"ip", "netns", "del", netns});
}

void TstUiFaults::init()
{
    boxes.clear();
    hung = false;
    wantRows = -1;
    scenarioClock.start();
    sim = std::make_unique<SimProcess>();
}

void TstUiFaults::cleanup()
{
    win.reset();
    sim.reset();
    QVERIFY2(!hung, "the scenario hung and was ended by the watchdog");
}

void TstUiFaults::onTick()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        boxes << box->text();
        if (QAbstractButton *b = box->button(QMessageBox::Ok))
            b->click();
        else
            box->reject();
        return;
    }
    if (scenarioClock.isValid() && scenarioClock.elapsed() > ScenarioLimitMs) {
        hung = true;
        if (auto *d = qobject_cast<QDialog *>(modal))
            d->done(QDialog::Rejected);
        return;
    }
    if (wantRows < 0 || !win)
        return;
    DialogSearch *dlg = win->searchDialog();
    if (!dlg || !dlg->isVisible())
        return;
    listed = dlg->findChild<QTableWidget *>(QStringLiteral("tableWidget"))->rowCount();
    if (listed >= wantRows) {
        wantRows = -1;
        dlg->findChild<QPushButton *>(QStringLiteral("btn_ok"))->click();
    } else if (searchClock.elapsed() > searchTimeout) {
        wantRows = -1;
        dlg->done(QDialog::Rejected);
    }
}

MainWindow *TstUiFaults::newWindow()
{
    win = std::make_unique<MainWindow>();
    win->commManager()->setNetworkPorts(UdpPort, DiscoveryPort, TcpPort);
    win->commManager()->setSerialProbeTimeout(500);
    win->busy()->setStopTime(1500);
    return win.get();
}

int TstUiFaults::search(int rows, int timeoutMs)
{
    listed = 0;
    wantRows = rows;
    searchTimeout = timeoutMs;
    searchClock.start();
    win->onTitleSearch(0);
    wantRows = -1;
    return listed;
}

bool TstUiFaults::startSim(const QStringList &args)
{
    if (sim->start(QStringList{"--udp-port", QString::number(UdpPort), "--tcp-port", QString::number(TcpPort),
                               "--heartbeat-ms", "100"}
                   + args))
        return true;
    qWarning().noquote() << sim->errorString();
    return false;
}

QString TstUiFaults::ksArg(int n, const QString &extra) const
{
    return QStringLiteral("KS9200:addr=%1,id=%2").arg(addrFor(n), idFor(n)) + extra;
}

QString TstUiFaults::tabText(const QString &cpuid) const
{
    SxTabWidget *tabs = win->tabWidget();
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabBar()->tabData(i).toString() == cpuid)
            return tabs->tabText(i);
    return QString();
}

QString TstUiFaults::statusText() const
{
    auto *bottom = win->findChild<WidgetInBottom *>();
    auto *label = bottom ? bottom->findChild<QLabel *>(QStringLiteral("label_status")) : nullptr;
    return label ? label->text() : QString();
}

bool TstUiFaults::readBackComplete(const QString &cpuid, QString *why)
{
    auto fail = [why](const QString &text) {
        if (why)
            *why = text;
        return false;
    };
    DEVICE_INFO_KS *rec = win->ksRecord(cpuid);
    if (!rec)
        return fail("no KS record");
    if (!rec->online)
        return fail("offline");
    if (!sim->refresh() || !sim->device(cpuid))
        return fail("no simulator state");
    const QJsonObject st = sim->device(cpuid)->state;
    const QJsonArray panels = st.value("panels").toArray();
    const QJsonArray windows = st.value("windows").toArray();
    if (rec->panels.size() != panels.size())
        return fail(QStringLiteral("%1 of %2 panels").arg(rec->panels.size()).arg(panels.size()));
    if (rec->windows.size() != windows.size())
        return fail(QStringLiteral("%1 of %2 windows").arg(rec->windows.size()).arg(windows.size()));
    for (int i = 0; i < windows.size(); ++i) {
        const QJsonObject o = windows.at(i).toObject();
        const INFO_WINDOW &w = rec->windows.at(i);
        if (w.x != o.value("x").toInt() || w.y != o.value("y").toInt() || w.width != o.value("width").toInt()
            || w.height != o.value("height").toInt() || w.param2 != o.value("src").toInt())
            return fail(QStringLiteral("window %1 differs").arg(i));
    }
    const int inputs = st.value("inputs").toArray().size();
    if (rec->inputSignals.size() != inputs)
        return fail(QStringLiteral("%1 of %2 input signals").arg(rec->inputSignals.size()).arg(inputs));
    if (rec->edid.size() != inputs)
        return fail(QStringLiteral("%1 of %2 EDID entries").arg(rec->edid.size()).arg(inputs));
    if (rec->presets.size() < st.value("presets").toArray().size())
        return fail("presets missing");
    return true;
}

void TstUiFaults::recover(const QString &cpuid, SxGraphicsView *view, int tabIndex)
{
    const int tabs = win->tabWidget()->count();
    QCOMPARE(search(1), 1);
    QVERIFY(win->record(cpuid));
    QVERIFY(win->record(cpuid)->online);
    QCOMPARE(win->tabWidget()->count(), tabs);
    QCOMPARE(win->tabWidget()->viewFor(cpuid), view);
    QCOMPARE(win->tabWidget()->widget(tabIndex), static_cast<QWidget *>(view));
    QVERIFY(!tabText(cpuid).contains("offline"));
    QString why;
    QVERIFY2(waitUntil([&] { return readBackComplete(cpuid, &why); }), qPrintable(why));
    QVERIFY(waitUntil([&] { return !win->busy()->isAnimated(); }));
    QCOMPARE(win->currentCpuid(), cpuid);
    QCOMPARE(statusText(), QStringLiteral("online"));
}

// Replies in pieces of 1 to 7 bytes are put together again: a complete read-back, no message.
void TstUiFaults::splitWrites()
{
    QVERIFY(startSim({"--device", ksArg(2), "--split-writes"}));
    const QString id = idFor(2);
    newWindow();
    QCOMPARE(search(1), 1);
    QString why;
    QVERIFY2(waitUntil([&] { return readBackComplete(id, &why); }), qPrintable(why));
    QVERIFY(waitUntil([&] { return !win->busy()->isAnimated(); }));
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
    recover(id, win->tabWidget()->viewFor(id), 0);
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
}

// Random bytes before every frame are skipped.
void TstUiFaults::junkBetweenFrames()
{
    QVERIFY(startSim({"--device", ksArg(3), "--junk", "--split-writes"}));
    const QString id = idFor(3);
    newWindow();
    QCOMPARE(search(1), 1);
    QString why;
    QVERIFY2(waitUntil([&] { return readBackComplete(id, &why); }), qPrintable(why));
    QVERIFY(waitUntil([&] { return !win->busy()->isAnimated(); }));
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
    recover(id, win->tabWidget()->viewFor(id), 0);
}

// Every reply with a wrong checksum is dropped without a word: the read-back never ends, so the
// busy indicator is ended by its stop timer. The repaired device then reads back in full.
void TstUiFaults::corruptedChecksums()
{
    QVERIFY(startSim({"--device", ksArg(4), "--corrupt-every", "1"}));
    const QString id = idFor(4);
    newWindow();
    QSignalSpy stopped(win->busy()->stopTimer(), &QTimer::timeout);
    QCOMPARE(search(1), 1);
    QVERIFY(win->busy()->isAnimated());
    QVERIFY(waitUntil([&] { return stopped.count() == 1; }));
    QVERIFY(!win->busy()->isAnimated());
    QVERIFY(sim->countFrames(id, "tx", -1) > 10);
    QVERIFY(win->ksRecord(id)->windows.isEmpty() && win->ksRecord(id)->panels.isEmpty());
    QVERIFY(win->record(id)->online);
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));

    SxGraphicsView *view = win->tabWidget()->viewFor(id);
    sim->stop();
    QVERIFY(waitUntil([&] { return !win->record(id)->online; }));
    QVERIFY(startSim({"--device", ksArg(4)}));
    recover(id, view, 0);
}

// A device whose heartbeats stop is dropped after six silent ticks and shown offline.
void TstUiFaults::heartbeatsStop()
{
    QVERIFY(startSim({"--device", ksArg(5), "--heartbeat-stop", "1"}));
    const QString id = idFor(5);
    newWindow();
    win->commManager()->setHeartbeatInterval(200);
    QCOMPARE(search(1), 1);
    QString why;
    QVERIFY2(waitUntil([&] { return readBackComplete(id, &why); }), qPrintable(why));
    SxGraphicsView *view = win->tabWidget()->viewFor(id);
    QVERIFY(waitUntil([&] { return !win->record(id)->online; }));
    QCOMPARE(int(win->record(id)->linkType), 0);
    QVERIFY(tabText(id).endsWith(" - offline"));
    QCOMPARE(statusText(), QStringLiteral("offline"));
    QCOMPARE(win->tabWidget()->viewFor(id), view);
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));

    win->commManager()->setHeartbeatInterval(CommManager::DefaultHeartbeatMs);
    sim->stop();
    QVERIFY(startSim({"--device", ksArg(5)}));
    recover(id, view, 0);
}

// The device closes the TCP connection: offline without a message box.
void TstUiFaults::deviceClosesConnection()
{
    QVERIFY(startSim({"--device", ksArg(6), "--close-after", "1"}));
    const QString id = idFor(6);
    newWindow();
    QCOMPARE(search(1), 1);
    SxGraphicsView *view = win->tabWidget()->viewFor(id);
    QVERIFY(view);
    QVERIFY(waitUntil([&] { return !win->record(id)->online; }));
    QVERIFY(tabText(id).endsWith(" - offline"));
    QCOMPARE(statusText(), QStringLiteral("offline"));
    QVERIFY(win->commManager()->linkKeys().isEmpty());
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));

    sim->stop();
    QVERIFY(startSim({"--device", ksArg(6)}));
    recover(id, view, 0);
}

// "Connection interrupted" from the device: the operator is told, the device leaves the
// registry (its tab stays) and its frames are dropped until it announces itself again.
void TstUiFaults::connectionInterrupted()
{
    QVERIFY(startSim({"--device", ksArg(7), "--interrupt-after", "1"}));
    const QString id = idFor(7);
    newWindow();
    QCOMPARE(search(1), 1);
    SxGraphicsView *view = win->tabWidget()->viewFor(id);
    QVERIFY(view);
    QVERIFY(waitUntil([&] { return !boxes.isEmpty(); }, 8000));
    QCOMPARE(boxes, QStringList{"Connect interrupt"});
    QVERIFY(!win->devices().contains(id));
    QCOMPARE(win->tabWidget()->viewFor(id), view);
    boxes.clear();

    // The same device, still on its old connection, is searched for again.
    QCOMPARE(search(1, 3000), 1);
    recover(id, view, 0);
}

// A refused input switch: "Input conflict", the indicator stops at the answer; once the device
// accepts again the switch shows in the read-back.
void TstUiFaults::refusedSwitch()
{
    QVERIFY(startSim({"--device", ksArg(8), "--refuse-switch"}));
    const QString id = idFor(8);
    newWindow();
    QCOMPARE(search(1), 1);
    QString why;
    QVERIFY2(waitUntil([&] { return readBackComplete(id, &why); }), qPrintable(why));
    QVERIFY(waitUntil([&] { return !win->busy()->isAnimated(); }));
    QCOMPARE(win->currentGraphicsView()->currentWindowId(), 0);

    QSignalSpy stopped(win->busy()->stopTimer(), &QTimer::timeout);
    const int before = sim->log().size();
    win->onLeftInputSrcChange(33); // HDMI2
    QVERIFY(win->busy()->isAnimated());
    QVERIFY(waitUntil([&] { return !boxes.isEmpty(); }));
    QCOMPARE(boxes, QStringList{"Input conflict"});
    QVERIFY(!win->busy()->isAnimated());
    QCOMPARE(stopped.count(), 0);
    QCOMPARE(sim->countFrames(id, "rx", 0x08, -1, before), 1);
    QVERIFY(win->ksRecord(id)->windows.at(0).param2 != 33);
    boxes.clear();

    SxGraphicsView *view = win->tabWidget()->viewFor(id);
    sim->stop();
    QVERIFY(waitUntil([&] { return !win->record(id)->online; }));
    QVERIFY(startSim({"--device", ksArg(8)}));
    recover(id, view, 0);
    win->onLeftInputSrcChange(33);
    QVERIFY(waitUntil([&] { return win->ksRecord(id)->windows.value(0).param2 == 33; }, 8000));
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
}

// Replies slower than the indicator's stop time: the indicator ends by its timer, the replies
// still land and complete the read-back.
void TstUiFaults::slowReplies()
{
    QVERIFY(startSim({"--device", ksArg(9), "--reply-delay", "2500"}));
    const QString id = idFor(9);
    newWindow();
    win->busy()->setStopTime(800);
    QSignalSpy stopped(win->busy()->stopTimer(), &QTimer::timeout);
    QCOMPARE(search(1), 1);
    QVERIFY(waitUntil([&] { return stopped.count() == 1; }));
    QVERIFY(!win->busy()->isAnimated());
    QVERIFY(win->ksRecord(id)->windows.isEmpty());
    QString why;
    QVERIFY2(waitUntil([&] { return readBackComplete(id, &why); }), qPrintable(why));
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
    recover(id, win->tabWidget()->viewFor(id), 0);
}

// The serial device vanishes mid-session (the simulator is killed with its pseudo-terminal).
void TstUiFaults::ptyDisappears()
{
    const QString link = dir.filePath("ttyvpf");
    const QString arg = QStringLiteral("KS9200:pty,link=%1,id=%2").arg(link, idFor(10));
    QVERIFY(startSim({"--device", arg}));
    const QString id = idFor(10);
    newWindow();
    win->setExtraSerialPorts({link});
    QCOMPARE(search(1), 1);
    QCOMPARE(int(win->record(id)->linkType), 1);
    QString why;
    QVERIFY2(waitUntil([&] { return readBackComplete(id, &why); }), qPrintable(why));
    SxGraphicsView *view = win->tabWidget()->viewFor(id);

    sim->kill();
    QVERIFY(waitUntil([&] { return !win->record(id)->online; }));
    QVERIFY(tabText(id).endsWith(" - offline"));
    QVERIFY(waitUntil([&] { return !boxes.isEmpty(); }, 3000));
    QCOMPARE(boxes.size(), 1);
    // The port's name and what went wrong (a pty's reader sees a hang-up, not a removed adapter).
    QVERIFY2(boxes.first().startsWith("Connection abnormal: " + link + " "), qPrintable(boxes.first()));
    boxes.clear();

    QFile::remove(link);
    QVERIFY(startSim({"--device", arg}));
    recover(id, view, 0);
    QCOMPARE(int(win->record(id)->linkType), 1);
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
}

// One device reached on its serial port and on the network, and searched for twice: one row,
// one tab, the serial link kept, one read-back.
void TstUiFaults::announcedTwice()
{
    const QString link = dir.filePath("ttyvpf2");
    QVERIFY(startSim({"--device", ksArg(11, ",pty,link=" + link)}));
    const QString id = idFor(11);
    newWindow();
    win->setExtraSerialPorts({link});
    QCOMPARE(search(1), 1);
    QVERIFY(waitUntil([&] { return sim->countFrames(id, "rx", 0xFF, 0x00) >= 2; }));
    QCOMPARE(win->devices().size(), 1);
    QCOMPARE(win->tabWidget()->count(), 1);
    QCOMPARE(int(win->record(id)->linkType), 1);
    QString why;
    QVERIFY2(waitUntil([&] { return readBackComplete(id, &why); }), qPrintable(why));
    SxGraphicsView *view = win->tabWidget()->viewFor(id);

    // A second search: the same device answers on both transports again.
    QCOMPARE(search(2, 2500), 1);
    QCOMPARE(win->devices().size(), 1);
    QCOMPARE(win->tabWidget()->count(), 1);
    QCOMPARE(win->tabWidget()->viewFor(id), view);
    QCOMPARE(int(win->record(id)->linkType), 1);
    QVERIFY2(waitUntil([&] { return readBackComplete(id, &why); }), qPrintable(why));
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
}

// Sixteen devices answer one search: all listed, one tab each, all read back in full.
void TstUiFaults::sixteenDevices()
{
    QStringList args;
    for (int n = 20; n < 36; ++n)
        args << "--device" << ksArg(n);
    QVERIFY(startSim(args));
    newWindow();
    win->busy()->setStopTime(10000);
    QCOMPARE(search(16, 10000), 16);
    QCOMPARE(win->devices().size(), 16);
    QCOMPARE(win->tabWidget()->count(), 16);
    QVERIFY(waitUntil([&] { return !win->busy()->isAnimated(); }, 15000));
    for (int n = 20; n < 36; ++n) {
        QString why;
        QVERIFY2(waitUntil([&] { return readBackComplete(idFor(n), &why); }), qPrintable(idFor(n) + ": " + why));
        QVERIFY(win->tabWidget()->viewFor(idFor(n)));
    }
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
}

QTEST_MAIN(TstUiFaults)
#include "tst_ui_faults.moc"
