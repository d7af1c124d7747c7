// Main window dispatch: announcements and replies fed through slotHandleData as the transport hands them on.
#include "CanvasUi.h"
#include "CommManager.h"
#include "DeviceHub.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DialogSearch.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "MainWindow.h"
#include "SxTabWidget.h"
#include "SxTitleWidget.h"
#include "TestSupport.h"
#include "UiModalC.h"
#include "UiRecordsC.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>
#include <fcntl.h>
#include <memory>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

using TestSupport::waitUntil;

namespace {
QString cpuidOf(int n) { return cpuidFromBytes(UiC::idBytes(n)); }
QByteArray u16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }
// A reply of device `n` as the transport manager hands it on.
void reply(MainWindow &w, int n, uint8_t cmd, uint8_t sub, const QByteArray &payload, uint key = 0, uint8_t status = 0)
{
    w.slotHandleData(key, 7, cpuidOf(n), TestSupport::replyHeader(cmd, sub, status), payload, QHostAddress::LocalHost,
                     8990);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CanvasUi::privateSettings(settingsDir.path());
    }
    void init() { watcher.reset(new ModalCatcher); }
    void announcementsRegisterSupportedDevicesOnly()
    {
        MainWindow w;
        auto *table = w.searchDialog()->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        // A name length byte of 0x80 can never match what follows.
        QByteArray bad = UiC::announcement(3, UiC::idBytes(1));
        bad[16 + 4] = char(0x80);
        announce(w, 3, 1, 0, 8990, bad);
        // Type codes outside both families.
        for (int type : {5, 19, 49, -1})
            announce(w, type, 2);
        // A version length longer than the payload.
        QByteArray shortVersion = UiC::announcement(3, UiC::idBytes(3));
        shortVersion[15] = char(60);
        announce(w, 3, 3, 0, 8990, shortVersion);
        QVERIFY(w.devices().isEmpty());
        QCOMPARE(table->rowCount(), 0);

        announce(w, 3, 4);
        announce(w, 17, 5);
        announce(w, 48, 6);
        QCOMPARE(w.devices().keys(), (QStringList{cpuidOf(4), cpuidOf(5), cpuidOf(6)}));
        for (int n : {4, 5})
            QVERIFY(w.ksRecord(cpuidOf(n)) && w.ksInterface(cpuidOf(n)));
        QVERIFY(w.gwRecord(cpuidOf(6)) && w.gwInterface(cpuidOf(6)) && !w.gwInterface(cpuidOf(4)));
        const INFO_BASIC *r = w.record(cpuidOf(4));
        QCOMPARE(r->version + ' ' + r->name, QStringLiteral("V1.0 dev"));
        QCOMPARE(int(r->linkType), 2);
        QCOMPARE(int(r->hasUsb), 1);
        QVERIFY(r->online);
        QCOMPARE(table->rowCount(), 3);
        QVERIFY(watcher->texts.isEmpty());
    }
    void networkAnnouncementKeepsSerialRecord()
    {
        MainWindow w;
        auto *table = w.searchDialog()->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        announce(w, 3, 1, 11, 0); // serial
        INFO_BASIC *serial = w.record(cpuidOf(1));
        QVERIFY(serial);
        QCOMPARE(int(serial->linkType), 1);
        Interface *serialIface = w.interfaceOf(cpuidOf(1));

        announce(w, 3, 1, 12, 8990); // the same device over the network
        QCOMPARE(w.record(cpuidOf(1)), serial);
        QCOMPARE(int(serial->linkType), 1);
        QCOMPARE(serial->keyTCP, 11u);
        QCOMPARE(w.interfaceOf(cpuidOf(1)), serialIface);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, DialogSearch::ColConnect)->text(), QStringLiteral("usb"));

        // Once the serial link is lost it is listed offline, and the network announcement takes over.
        w.slotDeviceBroken(cpuidOf(1), QString(), false);
        w.onSearchDevice(0);
        QVERIFY2(table->item(0, DialogSearch::ColConnect)->text().startsWith(QStringLiteral("usb - offline for 0:0")),
                 qPrintable(table->item(0, DialogSearch::ColConnect)->text()));
        announce(w, 3, 1, 12, 8990);
        QVERIFY(w.record(cpuidOf(1)));
        QCOMPARE(int(w.record(cpuidOf(1))->linkType), 2);
        QCOMPARE(w.record(cpuidOf(1))->keyTCP, 12u);
        QCOMPARE(table->rowCount(), 1);
        QVERIFY(table->item(0, DialogSearch::ColConnect)->text().startsWith(QStringLiteral("network(")));
    }
    // Reconnection off: "connection interrupted" drops the device (its tab stays) until announced again.
    void connectInterruptDropsFramesUntilReannounced()
    {
        MainWindow w;
        w.hub()->setAutoReconnect(false);
        addCurrent(w, 3, 5);
        const int tabs = w.tabWidget()->count();
        QSignalSpy firstPanels(w.ksInterface(cpuidOf(1)), &KS9200Interface::emitPanelData);
        QSignalSpy firstSent(w.ksInterface(cpuidOf(1)), &Interface::emitSendData);
        const QByteArray panels = QByteArray(1, char(1)) + u16(0) + u16(0) + u16(1920) + u16(1080) + char(60) + u16(0);
        reply(w, 1, 0xFF, 0x02, QByteArray(), 5);
        QVERIFY(waitUntil([&] { return !watcher->texts.isEmpty(); }));
        QCOMPARE(watcher->texts, QStringList{"Connect interrupt"});
        QVERIFY(!w.record(cpuidOf(1)));
        QCOMPARE(w.hub()->linkState(cpuidOf(1)), DeviceHub::Link::Offline);
        QCOMPARE(w.tabWidget()->count(), tabs);
        QVERIFY(w.tabWidget()->tabText(0).endsWith(" - offline"));
        reply(w, 1, 0xE1, 0x00, panels, 5);
        QCOMPARE(firstPanels.count(), 0);
        // A command for it meanwhile is refused aloud.
        w.onLeftPresetChange(1);
        QVERIFY(waitUntil([&] { return watcher->texts.size() == 2; }));
        QCOMPARE(watcher->texts.last(), QStringLiteral("Device Not Connect!"));
        QCOMPARE(firstSent.count(), 0);

        announce(w, 3, 1, 5);
        QSignalSpy secondPanels(w.ksInterface(cpuidOf(1)), &KS9200Interface::emitPanelData);
        reply(w, 1, 0xE1, 0x00, panels, 5);
        QCOMPARE(secondPanels.count(), 1);
        QCOMPARE(w.ksRecord(cpuidOf(1))->panels.size(), 1);
        QCOMPARE(int(w.ksRecord(cpuidOf(1))->panels.first().width), 1920);
        // The current device is the record registered now, online again.
        QCOMPARE(w.currentRecord(), w.record(cpuidOf(1)));
        QVERIFY(w.currentRecord()->online);
        QVERIFY(!w.tabWidget()->tabText(0).contains(QStringLiteral("offline")));
    }
    void syncStopsBusyAfterLastDevice()
    {
        MainWindow w;
        announce(w, 3, 1);
        announce(w, 17, 2);
        announce(w, 48, 3);
        QList<QSharedPointer<QSignalSpy>> spies;
        for (int n : {1, 2, 3})
            spies << QSharedPointer<QSignalSpy>::create(w.interfaceOf(cpuidOf(n)), &Interface::emitSendData);
        w.ksRecord(cpuidOf(1))->panels.append(INFO_PANEL());
        w.onTitleSync();
        QVERIFY(w.busy()->isAnimated());
        QVERIFY(w.ksRecord(cpuidOf(1))->panels.isEmpty());
        for (const auto &s : spies)
            QCOMPARE(UiC::frames(*s), QList<QByteArray>{Interface::requestFrame(0xEF)});
        // The indicator runs until the last device's read-back has ended.
        for (int n : {1, 3, 2}) {
            QVERIFY(w.busy()->isAnimated());
            reply(w, n, 0xEF, 0x00, QByteArray(1, '\0'));
        }
        QVERIFY(!w.busy()->isAnimated());
    }
    void switchInputNeedsSelectedWindow()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        MainWindow w;
        const uint key = w.commManager()->connectTcp(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(key != 0);
        QVERIFY(server.waitForNewConnection(5000));
        QTcpSocket *peer = server.nextPendingConnection();
        QVERIFY(waitUntil([&] { return w.commManager()->linkType(key) == CommManager::LinkTcp; }));

        addCurrent(w, 3, key);
        w.onLeftInputSrcChange(2);
        QVERIFY(waitUntil([&] { return !watcher->texts.isEmpty(); }));
        QCOMPARE(watcher->texts, QStringList{QStringLiteral("Please select a window")});

        // The next thing the peer receives is what is written after the refusal.
        const QByteArray marker = Interface::requestFrame(0xE1);
        w.writeData(marker);
        QVERIFY(waitUntil([&] { return peer->bytesAvailable() >= marker.size(); }));
        QCOMPARE(peer->readAll(), marker);
    }
    void gwTemplateTwoWithoutSignalLoadsTemplateOne()
    {
        MainWindow w;
        addCurrent(w, 48);
        // Four inputs, none with a signal: input id, has-signal, type, two spare bytes.
        auto presence = [](int input, int signal) { return QByteArray(1, char(input)) + char(signal) + char(1) + u16(0); };
        for (int i = 0; i < 4; ++i)
            reply(w, 1, 0xE4, 0x01, presence(i, 0));
        QCOMPARE(w.gwRecord(cpuidOf(1))->signalPresence.size(), 4);
        QSignalSpy sent(w.gwInterface(cpuidOf(1)), &Interface::emitSendData);
        w.onLeftTemplateChange(2);
        QCOMPARE(UiC::frames(sent), QList<QByteArray>{makeCommandFrame(0x04, 0x00, QByteArray(1, char(1)))});
        // With a signal on input 2, the windows of the inputs without one switch to it.
        reply(w, 1, 0xE4, 0x01, presence(2, 1));
        sent.clear();
        w.onLeftTemplateChange(2);
        const QList<QByteArray> f = UiC::frames(sent);
        QCOMPARE(f.size(), 4);
        // Input switch, window 0, input 2; ...; window 3.
        QCOMPARE((QList<int>{UiC::at(f[1], 4), UiC::at(f[1], 6), UiC::at(f[1], 7), UiC::at(f[3], 6)}),
                 (QList<int>{0x08, 0, 2, 3}));
        QVERIFY(watcher->texts.isEmpty());
    }
    void gwOutputCardChangeForcesFactoryReset()
    {
        MainWindow w;
        addCurrent(w, 48);
        const QString id = cpuidOf(1);
        // One panel, then a 3 x 2 arrangement of 1920 x 1080 outputs.
        const QByteArray panel = QByteArray(1, '\0') + u16(0) + u16(0) + u16(1920) + u16(1080) + u16(0);
        const QByteArray res = QByteArray(1, '\0') + u16(1920) + u16(1080) + char(60) + char(3) + char(2) + char(0);
        reply(w, 1, 0xE1, 0x00, panel);
        reply(w, 1, 0xE1, 0x01, res);
        DEVICE_INFO_GW *rec = w.gwRecord(id);
        QCOMPARE(rec->panels.size(), 1);
        QCOMPARE(int(rec->panels.first().row) * int(rec->panels.first().col), 6);

        QSignalSpy sent(w.gwInterface(id), &Interface::emitSendData);
        // Other settings: one output card, far too few for six outputs.
        auto cards = [](int n) { return QByteArray(1, '\0') + char(n) + QByteArray(3, '\0'); };
        reply(w, 1, 0xEE, 0x00, cards(1));
        QCOMPARE(int(rec->other.outputCards), 0); // not stored
        QVERIFY(sent.isEmpty());                  // not at once

        QVERIFY(waitUntil([&] { return watcher->busyBlocks > 0; }));
        QCOMPARE(watcher->texts,
                 QStringList{QStringLiteral("Output card change is detected, so factory settings must be restored.")});
        QVERIFY(waitUntil([&] { return sent.count() >= 2; }));
        QCOMPARE(UiC::frames(sent).mid(0, 2),
                 (QList<QByteArray>{makeCommandFrame(0x18, 0x00), Interface::requestFrame(0xEF)}));
        QVERIFY(w.gwRecord(id)->panels.isEmpty());

        // With enough cards the settings are stored.
        reply(w, 1, 0xE1, 0x00, panel);
        reply(w, 1, 0xE1, 0x01, res);
        reply(w, 1, 0xEE, 0x00, cards(2));
        QCOMPARE(int(w.gwRecord(id)->other.outputCards), 2);
    }
    void factoryResetAsksThenReadsBack()
    {
        MainWindow w;
        addCurrent(w, 3);
        QSignalSpy sent(w.ksInterface(cpuidOf(1)), &Interface::emitSendData);
        w.ksRecord(cpuidOf(1))->windows.append(INFO_WINDOW());

        watcher->answer = QMessageBox::Cancel;
        w.onTitleFactorySetting();
        QCOMPARE(watcher->texts, QStringList{QStringLiteral("Factory Reset ?")});
        QVERIFY(sent.isEmpty());
        QCOMPARE(w.ksRecord(cpuidOf(1))->windows.size(), 1);

        watcher->answer = QMessageBox::Ok;
        w.onTitleFactorySetting();
        QCOMPARE(watcher->texts.size(), 2);
        QCOMPARE(watcher->busyBlocks, 1); // the blocking busy indicator ran until stopped
        QCOMPARE(UiC::frames(sent),
                 (QList<QByteArray>{KS9200Interface::factoryResetFrame(), Interface::requestFrame(0xEF)}));
        QVERIFY(w.ksRecord(cpuidOf(1))->windows.isEmpty());
    }
    void renameAndSwitchMessages()
    {
        MainWindow w;
        QVERIFY(!w.onSetDeviceName("name", cpuidOf(9)));
        announce(w, 3, 1, 4242); // no link has this key
        QVERIFY(!w.onSetDeviceName("name", cpuidOf(1)));
        QCOMPARE(w.record(cpuidOf(1))->name, QStringLiteral("dev"));
        announce(w, 3, 2);
        makeCurrent(w, cpuidOf(2));
        reply(w, 2, 0x08, 0x00, QByteArray(1, '\0'), 0, 1);
        w.onTitleUsbPlay(); // a KS9200 has no USB play
        QCOMPARE(watcher->texts, (QStringList{QStringLiteral("Please connect to the device first!"),
                                              QStringLiteral("Device Not Connect!"), QStringLiteral("Input conflict"),
                                              QStringLiteral("Does not support this feature!")}));
    }
    void typedSerialPortIsRememberedAndProbed()
    {
        int master = -1, slave = -1;
        char path[256] = {};
        QVERIFY(::openpty(&master, &slave, path, nullptr, nullptr) == 0);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        MainWindow w;
        auto *combo = w.searchDialog()->findChild<QComboBox *>(QStringLiteral("combo_port"));
        auto *add = w.searchDialog()->findChild<QPushButton *>(QStringLiteral("btn_addPort"));

        combo->setEditText(QStringLiteral("/dev/vp-no-such-port"));
        add->click();
        QCOMPARE(watcher->texts, QStringList{QStringLiteral("The serial port /dev/vp-no-such-port does not exist.")});
        QVERIFY(w.commManager()->namedSerialPorts().isEmpty());

        const QStringList port{QString::fromLocal8Bit(path)};
        combo->setEditText(port.first());
        add->click();
        QCOMPARE(w.commManager()->namedSerialPorts(), port);
        QCOMPARE(QSettings().value("SerialPorts").toStringList(), port);
        QCOMPARE(w.searchDialog()->knownSerialPorts(), port);
        // The port was probed with the search request.
        QByteArray got;
        QVERIFY(waitUntil([&] {
            char buf[64];
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0)
                got.append(buf, int(n));
            return got.size() >= 23;
        }));
        QCOMPARE(got.left(23), makeSearchFrame());
        ::close(slave);
        ::close(master);
        QSettings().remove("SerialPorts");
    }
    void titleCommandsOpenTheFamilysDialog()
    {
        MainWindow w;
        announce(w, 3, 1);
        announce(w, 17, 2);
        announce(w, 48, 3);
        auto run = [&](int n, void (MainWindow::*slot)()) {
            makeCurrent(w, cpuidOf(n));
            watcher->dialogs.clear();
            (w.*slot)();
            return watcher->dialogs;
        };
        QSignalSpy ks(w.interfaceOf(cpuidOf(1)), &Interface::emitSendData);
        QSignalSpy kx(w.interfaceOf(cpuidOf(2)), &Interface::emitSendData);
        QCOMPARE(run(1, &MainWindow::onTitleOutputSetting), QStringList{"DialogOutputSetting"});
        QCOMPARE(run(3, &MainWindow::onTitleOutputSetting), QStringList{"DialogGWPanel"});
        QCOMPARE(run(1, &MainWindow::onTitleEDID), QStringList{"DialogEDID"});
        QCOMPARE(run(1, &MainWindow::onTitleImageQuality), QStringList{"DialogImageQuality"});
        QCOMPARE(run(2, &MainWindow::onTitleImageQuality), QStringList{"DialogKXImageQuality"});
        QCOMPARE(run(3, &MainWindow::onTitleImageQuality), QStringList{"DialogGWImageQuality"});
        QCOMPARE(run(2, &MainWindow::onTitleAudioSetting), QStringList{"DialogAudio"});
        QCOMPARE(run(2, &MainWindow::onTitleTestImage), QStringList{"DialogTestPicCard"});
        QCOMPARE(run(2, &MainWindow::onTitleUsbPlay), QStringList{"DialogUsbPlay"});
        QCOMPARE(run(3, &MainWindow::onTitleUpgrade), QStringList{"DialogUpgrade"});
        QCOMPARE(run(1, &MainWindow::onTitleMenuMultiMachine), QStringList{"DialogMultiMachine"});
        // After the image-quality dialog: its read-back, and for a KX model the advanced one too.
        QCOMPARE(UiC::frames(ks, 0xE5), QList<QByteArray>{Interface::requestFrame(0xE5)});
        QCOMPARE(UiC::frames(kx, 0xE5),
                 (QList<QByteArray>{Interface::requestFrame(0xE5), Interface::requestFrame(0xE5, 0x01)}));
        QVERIFY(watcher->texts.isEmpty());
    }
    void reconnectSwitchIsRemembered()
    {
        {
            MainWindow w;
            QAction *action = w.findChild<SxTitleWidget *>()->reconnectAction();
            QVERIFY(action->isChecked());
            QVERIFY(w.hub()->autoReconnect());
            action->trigger();
            QVERIFY(!w.hub()->autoReconnect());
        }
        MainWindow again;
        QVERIFY(!again.findChild<SxTitleWidget *>()->reconnectAction()->isChecked());
        QVERIFY(!again.hub()->autoReconnect());
        QSettings().remove(QStringLiteral("ReconnectAutomatically"));
    }
    void singleInstanceGuardClearsStaleSegment()
    {
        // A key of its own on every run: nothing an earlier run left behind can be in the way.
        const QString key = QStringLiteral("vp-guard-test-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
        // A process that takes the segment and dies without letting it go.
        const pid_t child = ::fork();
        if (child == 0) {
            QSharedMemory held(key);
            ::_exit(held.create(1) ? 0 : 1);
        }
        QVERIFY(child > 0);
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        {
            QSharedMemory plain(key);
            QVERIFY(!plain.create(1)); // the stale segment would keep every later start out
        }
        QSharedMemory first(key);
        QVERIFY(MainWindow::claimSingleInstance(first));
        QSharedMemory second(key);
        QVERIFY(!MainWindow::claimSingleInstance(second));
        QVERIFY(first.isAttached());
        first.detach();
        QSharedMemory third(key);
        QVERIFY(MainWindow::claimSingleInstance(third));
    }
private:
    void announce(MainWindow &w, int type, int n, uint keyTCP = 0, short port = 8990, const QByteArray &data = {})
    {
        w.slotHandleData(keyTCP, 7, QString(), TestSupport::replyHeader(0xFF, 0x00),
                         data.isEmpty() ? UiC::announcement(type, UiC::idBytes(n)) : data, QHostAddress::LocalHost, port);
    }
    void addCurrent(MainWindow &w, int type, uint key = 0)
    {
        announce(w, type, 1, key);
        makeCurrent(w, cpuidOf(1));
    }
    void makeCurrent(MainWindow &w, const QString &cpuid)
    {
        w.tabWidget()->addDevice(w.record(cpuid));
        for (int i = 0; i < w.tabWidget()->count(); ++i)
            if (w.tabWidget()->tabBar()->tabData(i).toString() == cpuid) {
                w.tabWidget()->setCurrentIndex(i);
                w.onTabCurrentChanged(i);
            }
        QCOMPARE(w.currentCpuid(), cpuid);
    }
    QTemporaryDir settingsDir;
    std::unique_ptr<ModalCatcher> watcher;
};

QTEST_MAIN(TestMainWindow)
#include "tst_ui_mainwindow.moc"
