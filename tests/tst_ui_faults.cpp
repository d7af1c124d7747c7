// The application against a misbehaving vpsim on 127.0.41.x, searched from a veth end in a namespace.
#include "CanvasUi.h"
#include "CommManager.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceHub.h"
#include "DialogSearch.h"
#include "MainWindow.h"
#include "SimProcess.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsView.h"
#include "SxProgressIndicator.h"
#include "SxSignalBoxButton.h"
#include "SxTabWidget.h"
#include "TestSupport.h"
#include "WidgetInBottom.h"
#include "WidgetInLeft.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>
#include <memory>

using TestSupport::waitUntil;

namespace {
constexpr quint16 UdpPort = 28989;
constexpr quint16 DiscoveryPort = 28990;
constexpr quint16 TcpPort = 28213;
constexpr int ScenarioLimitMs = 45000; // the watchdog's limit for one scenario
constexpr int SoakMs = 60000;

QString idFor(int n) { return QStringLiteral("0f4100000000000000000a%1").arg(n, 2, 16, QLatin1Char('0')); }
QString addrFor(int n) { return QStringLiteral("127.0.41.%1").arg(n); }

int run(const QStringList &args) { return QProcess::execute(args.first(), args.mid(1)); }
} // namespace

class TstUiFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CanvasUi::privateSettings(dir.path());
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
    void cleanupTestCase()
    {
        win.reset();
        sim.reset();
        if (!veth.isEmpty())
            run({"ip", "link", "del", veth});
        if (!netns.isEmpty())
            run({"ip", "netns", "del", netns});
    }
    void init()
    {
        answer = QMessageBox::Ok;
        boxes.clear();
        hung = false;
        wantRows = -1;
        scenarioClock.start();
        sim = std::make_unique<SimProcess>();
    }
    void cleanup()
    {
        win.reset();
        sim.reset();
        QVERIFY2(!hung, "the scenario hung and was ended by the watchdog");
    }
    // Garbled or slow replies still read back; bad checksums are dropped silently until repaired.
    void garbledOrSlowReplies_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<int>("stopTime"); // of the busy indicator, 0 for the default
        QTest::addColumn<bool>("completes");
        QTest::newRow("split writes, junk between frames") << 3 << QStringList{"--junk", "--split-writes"} << 0 << true;
        QTest::newRow("slow replies") << 9 << QStringList{"--reply-delay", "2500"} << 800 << true;
        QTest::newRow("corrupted checksums") << 4 << QStringList{"--corrupt-every", "1"} << 0 << false;
    }
    void garbledOrSlowReplies()
    {
        QFETCH(int, n);
        QFETCH(QStringList, faults);
        QFETCH(int, stopTime);
        QFETCH(bool, completes);
        const bool endsByTimer = stopTime || !completes; // the indicator ends by its timer
        const QString id = idFor(n);
        QVERIFY(startSim(QStringList{"--device", ksArg(n)} + faults));
        newWindow();
        if (stopTime)
            win->busy()->setStopTime(stopTime);
        QSignalSpy stopped(win->busy()->stopTimer(), &QTimer::timeout);
        QCOMPARE(search(1), 1);
        if (!completes)
            QVERIFY(win->busy()->isAnimated());
        if (endsByTimer) {
            QVERIFY(waitUntil([&] { return stopped.count() == 1; }));
            QVERIFY(!win->busy()->isAnimated());
            QVERIFY(win->ksRecord(id)->windows.isEmpty());
        }
        if (completes) {
            QCOMPARE(readBack(id), QString());
            QVERIFY(waitUntil([&] { return !win->busy()->isAnimated(); }));
        } else {
            QVERIFY(sim->countFrames(id, "tx", -1) > 10);
            QVERIFY(win->ksRecord(id)->panels.isEmpty());
            QVERIFY(win->record(id)->online);
        }
        QCOMPARE(boxes, QStringList());
        SxGraphicsView *view = win->tabWidget()->viewFor(id);
        if (!completes) {
            sim->stop();
            QVERIFY(waitUntil([&] { return !win->record(id)->online; }));
            QVERIFY(startSim({"--device", ksArg(n)}));
        }
        recover(id, view);
        QCOMPARE(boxes, QStringList());
    }
    // A link lost five ways comes back by itself in its tab, read back, with at most one box.
    void linkLossHeals_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("faults"); // the device's faults in its first life
        QTest::addColumn<QString>("box");        // the one box expected (its start), empty for none
        const QStringList once{"1", "--faults-once"};
        QTest::newRow("device killed, started again") << "kill" << 12 << QStringList() << QString();
        QTest::newRow("connection closed") << "close" << 13 << QStringList{"--close-after"} + once << QString();
        QTest::newRow("connect interrupt")
            << "interrupt" << 14 << QStringList{"--interrupt-after"} + once << QString("Connect interrupt");
        QTest::newRow("heartbeats stop") << "heartbeat" << 15 << QStringList{"--heartbeat-stop"} + once << QString();
        // A pty's reader sees a hang-up, not a removed adapter: the port's name and " error".
        QTest::newRow("pty vanishes, reappears") << "pty" << 16 << QStringList() << QString("Connection abnormal: ");
    }
    void linkLossHeals()
    {
        QFETCH(QString, fault);
        QFETCH(int, n);
        QFETCH(QStringList, faults);
        QFETCH(QString, box);
        const bool serial = fault == "pty";
        const bool restart = fault == "kill" || serial;
        const QString id = idFor(n);
        const QString link = dir.filePath(QStringLiteral("ttyvph%1").arg(n));
        const QString device = serial ? QStringLiteral("KS9200:pty,link=%1,id=%2").arg(link, id) : ksArg(n);
        QVERIFY(startSim(QStringList{"--device", device} + faults));
        newWindow();
        if (serial)
            win->setExtraSerialPorts({link});
        if (fault == "heartbeat")
            win->commManager()->setHeartbeatInterval(200);
        QCOMPARE(search(1), 1);
        QCOMPARE(readBack(id), QString());
        SxGraphicsView *view = win->tabWidget()->viewFor(id);
        const QString label = tabText(id);
        QStringList seen; // the tab and the status bar as the link goes
        connect(win->hub(), &DeviceHub::linkStateChanged, win.get(), [&](QString cpuid, DeviceHub::Link state) {
            if (cpuid == id && state != DeviceHub::Link::Online)
                seen << tabText(id) + QLatin1Char('|') + statusText();
        });

            if (restart)
            sim->kill();
        QVERIFY(waitUntil([&] { return !seen.isEmpty(); }));
        QCOMPARE(seen.first(), label + " - offline, reconnecting|offline");
        if (restart) {
            QFile::remove(link);
            QVERIFY(startSim({"--device", device}));
        }
        // Back online within 3 s of the device's return (at once for the faults of one connection).
        QElapsedTimer back;
        back.start();
        QVERIFY2(waitUntil([&] { return win->hub()->isOnline(id); }, 3000), qPrintable(QString::number(back.elapsed())));
        QCOMPARE(readBack(id, 20000), QString());
        // Read back again after its return (the restarted simulator's log starts afresh).
        QVERIFY(sim->countFrames(id, "rx", 0xEF) >= (restart ? 1 : 2));
        QCOMPARE(int(win->record(id)->linkType), serial ? 1 : 2);
        QCOMPARE(win->tabWidget()->count(), 1);
        QCOMPARE(win->tabWidget()->viewFor(id), view);
        QCOMPARE(tabText(id), label);
        QCOMPARE(statusText(), QStringLiteral("online"));
        QCOMPARE(win->currentCpuid(), id);
        QCOMPARE(boxes.size(), box.isEmpty() ? 0 : 1);
        QVERIFY2(box.isEmpty() || boxes.first().startsWith(box), qPrintable(boxes.join('|')));
        switchFromLeftPanel(id);
    }
    // A port taken by another computer is taken back only when confirmed, or by itself once let go.
    void portTakenByAnotherComputer()
    {
        QVERIFY(startSim({"--device", ksArg(40), "--exclusive-port"}));
        const QString id = idFor(40);
        newWindow();
        QCOMPARE(search(1), 1);
        QCOMPARE(readBack(id), QString());
        const QString label = tabText(id);
        const QByteArray interrupt = makeReplyFrame(Frame::CmdLink, Frame::SubInterrupted, 0, QByteArray());

        QTcpSocket other;
        QByteArray otherGot;
        connect(&other, &QTcpSocket::readyRead, &other, [&] { otherGot += other.readAll(); });
        QVERIFY(other.bind(QHostAddress(QStringLiteral("127.0.0.77"))));
        other.connectToHost(QHostAddress(addrFor(40)), TcpPort);
        QVERIFY(waitUntil([&] { return win->hub()->linkState(id) == DeviceHub::Link::InUse; }));
        QCOMPARE(tabText(id), label + " - in use by another computer");
        QCOMPARE(statusText(), QStringLiteral("offline"));
        QCOMPARE(boxes, QStringList{"Connect interrupt"});
        const int asked = sim->countFrames(id, "rx", 0xFF, 0x00);
        QVERIFY(waitUntil([&] { return sim->countFrames(id, "rx", 0xFF, 0x00) >= asked + 3; }, 15000));
        QCOMPARE(other.state(), QAbstractSocket::ConnectedState);
        QVERIFY(!otherGot.contains(interrupt));

        boxes.clear();
        answer = QMessageBox::Yes;
        QCOMPARE(search(1, 8000, false), 1);
        QCOMPARE(boxes, QStringList{"The device network port has been taken up!"});
        QCOMPARE(readBack(id), QString());
        QCOMPARE(tabText(id), label);
        QVERIFY(waitUntil([&] { return otherGot.contains(interrupt); }));

        QTcpSocket third;
        QVERIFY(third.bind(QHostAddress(QStringLiteral("127.0.0.78"))));
        third.connectToHost(QHostAddress(addrFor(40)), TcpPort);
        QVERIFY(waitUntil([&] { return win->hub()->linkState(id) == DeviceHub::Link::InUse; }));
        third.disconnectFromHost();
        QCOMPARE(readBack(id, 15000), QString());
        QCOMPARE(tabText(id), label);
    }
    // One device on its serial port and the network, searched twice: one row and tab, the serial link kept.
    void announcedTwice()
    {
        const QString link = dir.filePath("ttyvpf2");
        QVERIFY(startSim({"--device", ksArg(11, ",pty,link=" + link)}));
        const QString id = idFor(11);
        newWindow();
        win->setExtraSerialPorts({link});
        QCOMPARE(search(1), 1);
        QVERIFY(waitUntil([&] { return sim->countFrames(id, "rx", 0xFF, 0x00) >= 2; }));
        // One device, one tab, the serial link.
        QCOMPARE((QList<int>{win->devices().size(), win->tabWidget()->count(), int(win->record(id)->linkType)}),
                 (QList<int>{1, 1, 1}));
        QCOMPARE(readBack(id), QString());
        SxGraphicsView *view = win->tabWidget()->viewFor(id);

        // A second search: the same device answers on both transports again.
        QCOMPARE(search(2, 2500), 1);
        QCOMPARE(win->devices().size(), 1);
        QCOMPARE(win->tabWidget()->count(), 1);
        QCOMPARE(win->tabWidget()->viewFor(id), view);
        QCOMPARE(int(win->record(id)->linkType), 1);
        QCOMPARE(readBack(id), QString());
        QCOMPARE(boxes, QStringList());
    }
    // Sixteen devices found and read back by one search; dropped at once, all back within 5 s.
    void sixteenDevices()
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
            QCOMPARE(readBack(idFor(n)), QString());
            QVERIFY(win->tabWidget()->viewFor(idFor(n)));
        }
        QCOMPARE(boxes, QStringList());
        DeviceHub *hub = win->hub();
        auto all = [&](bool online) {
            for (const QString &id : hub->knownCpuids())
                if (hub->isOnline(id) != online)
                    return false;
            return hub->knownCpuids().size() == 16;
        };
        sim->stop();
        QVERIFY(waitUntil([&] { return all(false); }));
        QVERIFY(startSim(args));
        QElapsedTimer back;
        back.start();
        QVERIFY2(waitUntil([&] { return all(true); }, 5000), qPrintable(QString::number(back.elapsed())));
        for (int n = 20; n < 36; ++n)
            QCOMPARE(readBack(idFor(n), 20000), QString());
    }
    // One of sixteen drops for a minute: the others are undisturbed, links and timers stay bounded.
    void flappingDeviceAmongSixteen()
    {
        if (!qEnvironmentVariableIsSet("VP_SOAK"))
            QSKIP("the one-minute soak runs as its own test entry (ctest -L soak)");
        QStringList steady;
        for (int n = 50; n < 65; ++n)
            steady << "--device" << ksArg(n);
        QVERIFY(startSim(steady));
        SimProcess flapper;
        QVERIFY2(flapper.start({"--udp-port", QString::number(UdpPort), "--tcp-port", QString::number(TcpPort),
                                "--heartbeat-ms", "100", "--device", ksArg(65), "--interrupt-after", "2"}),
                 qPrintable(flapper.errorString()));
        newWindow();
        win->busy()->setStopTime(10000);
        scenarioClock.invalidate(); // this scenario runs longer than the watchdog's limit on purpose
        QCOMPARE(search(16, 10000), 16);
        QVERIFY(waitUntil([&] { return !win->busy()->isAnimated(); }, 15000));
        QMap<QString, uint> keys;
        for (int n = 50; n < 65; ++n) {
            QCOMPARE(readBack(idFor(n)), QString());
            keys.insert(idFor(n), win->record(idFor(n))->keyTCP);
        }
        QStringList disturbed;
        int returns = 0;
        connect(win->hub(), &DeviceHub::linkStateChanged, win.get(), [&](QString cpuid, DeviceHub::Link state) {
            if (cpuid != idFor(65))
                disturbed << cpuid;
            else if (state == DeviceHub::Link::Online)
                ++returns;
        });
        DeviceHub *hub = win->hub();
        int maxLinks = 0, maxTimers = 0, maxChildren = 0, firstTimers = -1, firstChildren = -1;
        QElapsedTimer soak;
        soak.start();
        while (soak.elapsed() < SoakMs) {
            QTest::qWait(250);
            maxLinks = qMax(maxLinks, win->commManager()->linkKeys().size());
            const int timers = hub->findChildren<QTimer *>().size();
            const int children =
                hub->findChildren<QObject *>().size() + win->commManager()->findChildren<QObject *>().size();
            if (returns > 0 && firstTimers < 0) {
                firstTimers = timers;
                firstChildren = children;
            }
            maxTimers = qMax(maxTimers, timers);
            maxChildren = qMax(maxChildren, children);
        }
        QVERIFY2(returns >= 10, qPrintable(QString::number(returns)));
        QVERIFY2(disturbed.isEmpty(), qPrintable(disturbed.join(' ')));
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            QVERIFY(win->hub()->isOnline(it.key()));
            QCOMPARE(win->record(it.key())->keyTCP, it.value());
            QCOMPARE(sim->countFrames(it.key(), "rx", 0xEF), 1);
        }
        QVERIFY2(boxes.size() <= 1, qPrintable(boxes.join('|')));
        QCOMPARE(hub->knownCpuids().size(), 16);
        QCOMPARE(win->tabWidget()->count(), 16);
        QVERIFY2(maxLinks <= 17, qPrintable(QString::number(maxLinks)));
        // A timer for a transaction or a try may be running at any moment; nothing piles up.
        QVERIFY2(maxTimers <= firstTimers + 2, qPrintable(QStringLiteral("%1 / %2").arg(maxTimers).arg(firstTimers)));
        QVERIFY2(maxChildren <= firstChildren + 4,
                 qPrintable(QStringLiteral("%1 / %2").arg(maxChildren).arg(firstChildren)));
    }
private:
    // The operator: answers boxes, drives the search dialog and ends any scenario past its limit.
    void onTick()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes << box->text();
            QAbstractButton *b = box->button(answer) ? box->button(answer) : box->button(QMessageBox::Ok);
            b ? b->click() : box->reject();
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
        listed = rowsListed(wantOnline);
        if (listed >= wantRows) {
            wantRows = -1;
            // Clicked from the event loop: the click may open a question, which this tick answers.
            QTimer::singleShot(0, dlg->findChild<QPushButton *>(QStringLiteral("btn_ok")), &QPushButton::click);
        } else if (searchClock.elapsed() > searchTimeout) {
            wantRows = -1;
            dlg->done(QDialog::Rejected);
        }
    }
    void newWindow()
    {
        win = std::make_unique<MainWindow>();
        win->show();
        win->commManager()->setNetworkPorts(UdpPort, DiscoveryPort, TcpPort);
        win->commManager()->setSerialProbeTimeout(500);
        win->busy()->setStopTime(1500);
    }
    int rowsListed(bool onlineOnly) const
    {
        auto *table = win->searchDialog()->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        int n = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            const QTableWidgetItem *id = table->item(r, DialogSearch::ColCpuid);
            if (id && (!onlineOnly || win->hub()->isOnline(id->text())))
                ++n;
        }
        return n;
    }
    // Searches; confirms once `rows` devices are listed (online), else gives up. Returns the rows seen.
    int search(int rows, int timeoutMs = 8000, bool onlineOnly = true)
    {
        listed = 0;
        wantRows = rows;
        wantOnline = onlineOnly;
        searchTimeout = timeoutMs;
        searchClock.start();
        win->onTitleSearch(0);
        wantRows = -1;
        return listed;
    }
    bool startSim(const QStringList &args)
    {
        if (sim->start(QStringList{"--udp-port", QString::number(UdpPort), "--tcp-port", QString::number(TcpPort),
                                   "--heartbeat-ms", "100"}
                       + args))
            return true;
        qWarning().noquote() << sim->errorString();
        return false;
    }
    static QString ksArg(int n, const QString &extra = QString())
    {
        return QStringLiteral("KS9200:addr=%1,id=%2").arg(addrFor(n), idFor(n)) + extra;
    }
    QString tabText(const QString &cpuid) const
    {
        SxTabWidget *tabs = win->tabWidget();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabBar()->tabData(i).toString() == cpuid)
                return tabs->tabText(i);
        return QString();
    }
    // The bottom bar's online text for the current device.
    QString statusText() const
    {
        return win->findChild<WidgetInBottom *>()->findChild<QLabel *>(QStringLiteral("label_status"))->text();
    }
    // What the KS record of `cpuid` still lacks of the simulator's state after `ms`; empty if complete.
    QString readBack(const QString &cpuid, int ms = 15000, SimProcess *from = nullptr)
    {
        QString why;
        waitUntil([&] { return (why = missing(cpuid, from ? from : sim.get())).isEmpty(); }, ms);
        return why.isEmpty() ? why : cpuid + ": " + why;
    }
    QString missing(const QString &cpuid, SimProcess *source)
    {
        DEVICE_INFO_KS *rec = win->ksRecord(cpuid);
        if (!rec || !rec->online)
            return rec ? "offline" : "no KS record";
        if (!source->refresh() || !source->device(cpuid))
            return "no simulator state";
        const QJsonObject st = source->device(cpuid)->state;
        const QJsonArray windows = st.value("windows").toArray();
        const int inputs = st.value("inputs").toArray().size();
        const QList<QPair<const char *, QPair<int, int>>> counts{
            {"panels", {rec->panels.size(), st.value("panels").toArray().size()}},
            {"windows", {rec->windows.size(), windows.size()}},
            {"input signals", {rec->inputSignals.size(), inputs}},
            {"EDID entries", {rec->edid.size(), inputs}}};
        for (const auto &c : counts)
            if (c.second.first != c.second.second)
                return QStringLiteral("%1 of %2 %3").arg(c.second.first).arg(c.second.second).arg(c.first);
        for (int i = 0; i < windows.size(); ++i) {
            const QJsonObject o = windows.at(i).toObject();
            const INFO_WINDOW &w = rec->windows.at(i);
            if (w.x != o.value("x").toInt() || w.y != o.value("y").toInt() || w.width != o.value("width").toInt()
                || w.height != o.value("height").toInt() || w.param2 != o.value("src").toInt())
                return QStringLiteral("window %1 differs").arg(i);
        }
        return rec->presets.size() >= st.value("presets").toArray().size() ? QString() : "presets missing";
    }
    // Common tail: a new search brings `cpuid` back online in the same tab and view.
    void recover(const QString &cpuid, SxGraphicsView *view)
    {
        const int tabs = win->tabWidget()->count();
        QCOMPARE(search(1), 1);
        QVERIFY(win->record(cpuid) && win->record(cpuid)->online);
        QCOMPARE(win->tabWidget()->count(), tabs);
        QCOMPARE(win->tabWidget()->viewFor(cpuid), view);
        QCOMPARE(win->tabWidget()->widget(0), static_cast<QWidget *>(view));
        QVERIFY(!tabText(cpuid).contains("offline"));
        QCOMPARE(readBack(cpuid), QString());
        QVERIFY(waitUntil([&] { return !win->busy()->isAnimated(); }));
        QCOMPARE(win->currentCpuid(), cpuid);
        QCOMPARE(statusText(), QStringLiteral("online"));
    }
    // A double click on a left-panel source switches the selected window on the device and the canvas.
    void switchFromLeftPanel(const QString &cpuid)
    {
        SxGraphicsView *view = win->tabWidget()->viewFor(cpuid);
        auto *left = win->findChild<WidgetInLeft *>(QStringLiteral("LeftWidget"));
        QVERIFY(view && left && !view->windowItemList().isEmpty());
        if (view->currentWindowId() < 0) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                              view->mapFromScene(view->windowItemList().first()->sceneBoundingRect().center()));
        }
        const int winId = view->currentWindowId();
        QVERIFY(winId >= 0 && view->windowItem(winId));
        const int before = view->windowItem(winId)->input();
        SxSignalBoxButton *target = nullptr;
        for (SxSignalBoxButton *b : left->sourceButtons())
            if (!target && b->sourceId() != before)
                target = b;
        QVERIFY(target);
        const int src = target->sourceId();
        const int logStart = sim->log().size();
        QTest::mouseDClick(target, Qt::LeftButton);
        QVERIFY(waitUntil([&] { return sim->countFrames(cpuid, "rx", 0x08, 0x00, logStart) == 1; }));
        QVERIFY(waitUntil([&] { return view->windowItem(winId) && view->windowItem(winId)->input() == src; }));
    }
    QTemporaryDir dir;
    QString netns, veth;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<MainWindow> win;
    QStringList boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok; // clicked when the box has it
    QTimer ticker;
    QElapsedTimer scenarioClock, searchClock;
    bool hung = false, wantOnline = true;
    int wantRows = -1; // >= 0 while a search is being driven
    int listed = 0, searchTimeout = 0;
};

QTEST_MAIN(TstUiFaults)
#include "tst_ui_faults.moc"
