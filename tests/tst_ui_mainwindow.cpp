// Main window dispatch with real interfaces: announcements, link frames and decoded replies are
// fed through slotHandleData exactly as the transport manager hands them on; frames that the main
// window writes are read back from a loopback TCP peer or from the interface's emitSendData.
// Every message box is caught, its text recorded and dismissed.
#include "CommManager.h"
#include "DeviceHub.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DialogSearch.h"
#include "FrameCodec.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "MainWindow.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"
#include "SxTitleWidget.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSharedMemory>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>
#include <functional>
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
bool waitUntil(const std::function<bool()> &cond, int timeoutMs = 10000)
{
    return TestSupport::waitUntil(cond, timeoutMs);
}

// Answers every modal box as it appears: message boxes with their default (or first) button, the
// blocking busy indicator by stopping it. The texts of the boxes are kept in order.
class ModalWatcher : public QObject
{
public:
    explicit ModalWatcher(QObject *parent = nullptr) : QObject(parent)
    {
        connect(&timer, &QTimer::timeout, this, [this]() { poll(); });
        timer.start(20);
    }
    QStringList texts;
    QMessageBox::StandardButton answer = QMessageBox::NoButton; // default button when NoButton
    int busyBlocks = 0;
    QStringList dialogs; // class names of the other modal dialogs, closed as they open

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            texts << box->text();
            QAbstractButton *b = answer != QMessageBox::NoButton ? box->button(answer) : nullptr;
            if (!b)
                b = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                         : box->buttons().value(0);
            b->click();
        } else if (auto *busy = qobject_cast<SxProgressIndicator *>(w)) {
            ++busyBlocks;
            busy->stopAnimation();
        } else if (auto *dialog = qobject_cast<QDialog *>(w)) {
            dialogs << QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    }
    QTimer timer;
};

QByteArray idBytes(int n)
{
    QByteArray id(12, '\0');
    id[0] = char(0x30);
    id[11] = char(n);
    return id;
}

QString cpuidOf(int n)
{
    return cpuidFromBytes(idBytes(n));
}

QByteArray announcement(int type, int n, const QByteArray &version = "V1.0", const QByteArray &name = "dev",
                        int extra = 0)
{
    QByteArray d;
    d.append(char(type));
    d.append(char(0x01));
    d.append(char(0));
    d.append(idBytes(n));
    d.append(char(version.size()));
    d.append(version);
    d.append(char(name.size()));
    d.append(name);
    d.append(char(extra));
    return d;
}

RECV_PROTOCOL header(uint8_t cmd, uint8_t sub, uint8_t status = 0)
{
    return TestSupport::replyHeader(cmd, sub, status);
}

QByteArray u16(int v)
{
    QByteArray b;
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
    return b;
}

// One KS panel list with a single 1920 x 1080 panel.
QByteArray ksPanelPayload()
{
    QByteArray p(1, char(1));
    p += u16(0) + u16(0) + u16(1920) + u16(1080) + QByteArray(1, char(60)) + QByteArray(2, '\0');
    return p;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void announcementsRegisterSupportedDevicesOnly();
    void networkAnnouncementKeepsSerialRecord();
    void heartbeatChangesNothing();
    void connectInterruptDropsFramesUntilReannounced();
    void syncStopsBusyAfterLastDevice();
    void switchInputNeedsSelectedWindow();
    void gwTemplateTwoWithoutSignalLoadsTemplateOne();
    void gwOutputCardChangeForcesFactoryReset();
    void timeTaskIndexBeyondSlotsIsIgnored();
    void factoryResetAsksThenReadsBack();
    void renameAndSwitchMessages();
    void typedSerialPortIsRememberedAndProbed();
    void titleCommandsOpenTheFamilysDialog();
    void reconnectSwitchIsRemembered();
    void singleInstanceGuardClearsStaleSegment();

private:
    void announce(MainWindow &w, int type, int n, uint keyTCP = 0, short port = 8990,
                  const QByteArray &data = QByteArray());
    void makeCurrent(MainWindow &w, const QString &cpuid);

    QTemporaryDir settingsDir;
    ModalWatcher *watcher = nullptr;
};

void TestMainWindow::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QSettings().setValue("Language", 0);
}

void TestMainWindow::init()
{
    watcher = new ModalWatcher(this);
}

void TestMainWindow::cleanup()
{
    delete watcher;
    watcher = nullptr;
}

void TestMainWindow::announce(MainWindow &w, int type, int n, uint keyTCP, short port, const QByteArray &data)
{
    const QByteArray payload = data.isEmpty() ? announcement(type, n) : data;
    w.slotHandleData(keyTCP, 7, QString(), header(0xFF, 0x00), payload, QHostAddress(QStringLiteral("127.0.0.1")),
                     port);
}

void TestMainWindow::makeCurrent(MainWindow &w, const QString &cpuid)
{
    w.tabWidget()->addDevice(w.record(cpuid));
    for (int i = 0; i < w.tabWidget()->count(); ++i)
        if (w.tabWidget()->tabBar()->tabData(i).toString() == cpuid) {
            w.tabWidget()->setCurrentIndex(i);
            w.onTabCurrentChanged(i);
        }
    QCOMPARE(w.currentCpuid(), cpuid);
}

void TestMainWindow::announcementsRegisterSupportedDevicesOnly()
{
    MainWindow w;
    auto *table = w.searchDialog()->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    QVERIFY(table);

    // A name length byte of 0x80 can never match what follows.
    QByteArray bad = announcement(3, 1);
    bad[16 + 4] = char(0x80);
    announce(w, 3, 1, 0, 8990, bad);
    // Type codes outside both families.
    for (int type : {5, 19, 49, -1})
        announce(w, type, 2);
    // A version length longer than the payload.
    QByteArray shortVersion = announcement(3, 3);
    shortVersion[15] = char(60);
    announce(w, 3, 3, 0, 8990, shortVersion);
    QVERIFY(w.devices().isEmpty());
    QCOMPARE(table->rowCount(), 0);

    announce(w, 3, 4);
    announce(w, 17, 5);
    announce(w, 48, 6);
    QCOMPARE(w.devices().keys(), (QStringList{cpuidOf(4), cpuidOf(5), cpuidOf(6)}));
    QVERIFY(w.ksRecord(cpuidOf(4)) && w.ksInterface(cpuidOf(4)));
    QVERIFY(w.ksRecord(cpuidOf(5)) && w.ksInterface(cpuidOf(5)));
    QVERIFY(w.gwRecord(cpuidOf(6)) && w.gwInterface(cpuidOf(6)));
    QVERIFY(!w.gwInterface(cpuidOf(4)));
    const INFO_BASIC *r = w.record(cpuidOf(4));
    QCOMPARE(r->version, QStringLiteral("V1.0"));
    QCOMPARE(r->name, QStringLiteral("dev"));
    QCOMPARE(int(r->linkType), 2);
    QCOMPARE(int(r->hasUsb), 1);
    QVERIFY(r->online);
    QCOMPARE(table->rowCount(), 3);
    QVERIFY(watcher->texts.isEmpty());
}

void TestMainWindow::networkAnnouncementKeepsSerialRecord()
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

    // Once the serial link is lost, the search dialog lists it offline, and the network
    // announcement takes over.
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

void TestMainWindow::heartbeatChangesNothing()
{
    MainWindow w;
    announce(w, 3, 1, 5);
    INFO_BASIC *r = w.record(cpuidOf(1));
    const INFO_BASIC before = *r;
    const QStringList keys = w.devices().keys();
    w.slotHandleData(5, 7, cpuidOf(1), header(0xFF, 0x01), QByteArray(), QHostAddress::LocalHost, 8990);
    QCOMPARE(w.devices().keys(), keys);
    QCOMPARE(w.record(cpuidOf(1)), r);
    QCOMPARE(r->online, before.online);
    QCOMPARE(r->linkType, before.linkType);
    QCOMPARE(r->keyTCP, before.keyTCP);
    QVERIFY(watcher->texts.isEmpty());
}

// With automatic reconnection off, as the device's "connection interrupted" always did.
void TestMainWindow::connectInterruptDropsFramesUntilReannounced()
{
    MainWindow w;
    w.hub()->setAutoReconnect(false);
    announce(w, 3, 1, 5);
    makeCurrent(w, cpuidOf(1));
    const int tabs = w.tabWidget()->count();
    KS9200Interface *first = w.ksInterface(cpuidOf(1));
    QSignalSpy firstPanels(first, &KS9200Interface::emitPanelData);

    w.slotHandleData(5, 7, cpuidOf(1), header(0xFF, 0x02), QByteArray(), QHostAddress::LocalHost, 8990);
    QVERIFY(waitUntil([&] { return !watcher->texts.isEmpty(); }));
    QCOMPARE(watcher->texts, QStringList{QStringLiteral("Connect interrupt")});
    QVERIFY(!w.record(cpuidOf(1)));
    QCOMPARE(w.tabWidget()->count(), tabs);
    // Shown offline at once, and a command for it is refused aloud.
    QVERIFY(w.tabWidget()->tabText(0).endsWith(QStringLiteral(" - offline")));
    w.onLeftPresetChange(1);
    QVERIFY(waitUntil([&] { return watcher->texts.size() == 2; }));
    QCOMPARE(watcher->texts.last(), QStringLiteral("Device Not Connect!"));

    w.slotHandleData(5, 7, cpuidOf(1), header(0xE1, 0x00), ksPanelPayload(), QHostAddress::LocalHost, 8990);
    QCOMPARE(firstPanels.count(), 0);

    announce(w, 3, 1, 5);
    KS9200Interface *second = w.ksInterface(cpuidOf(1));
    QSignalSpy secondPanels(second, &KS9200Interface::emitPanelData);
    w.slotHandleData(5, 7, cpuidOf(1), header(0xE1, 0x00), ksPanelPayload(), QHostAddress::LocalHost, 8990);
    QCOMPARE(secondPanels.count(), 1);
    QCOMPARE(w.ksRecord(cpuidOf(1))->panels.size(), 1);
    QCOMPARE(int(w.ksRecord(cpuidOf(1))->panels.first().width), 1920);
    // The current device is the record registered now, online again.
    QCOMPARE(w.currentRecord(), w.record(cpuidOf(1)));
    QVERIFY(w.currentRecord()->online);
    QVERIFY(!w.tabWidget()->tabText(0).contains(QStringLiteral("offline")));
}

void TestMainWindow::syncStopsBusyAfterLastDevice()
{
    MainWindow w;
    announce(w, 3, 1);
    announce(w, 17, 2);
    announce(w, 48, 3);
    QList<QSignalSpy *> spies;
    for (int n : {1, 2, 3})
        spies << new QSignalSpy(w.interfaceOf(cpuidOf(n)), &Interface::emitSendData);
    w.ksRecord(cpuidOf(1))->panels.append(INFO_PANEL());

    w.onTitleSync();
    QVERIFY(w.busy()->isAnimated());
    QVERIFY(w.ksRecord(cpuidOf(1))->panels.isEmpty());
    for (QSignalSpy *s : spies) {
        QCOMPARE(s->count(), 1);
        QCOMPARE(s->first().first().toByteArray(), Interface::requestFrame(0xEF));
    }
    w.slotHandleData(0, 7, cpuidOf(1), header(0xEF, 0x00), QByteArray(1, '\0'), QHostAddress::LocalHost, 8990);
    QVERIFY(w.busy()->isAnimated());
    w.slotHandleData(0, 7, cpuidOf(3), header(0xEF, 0x00), QByteArray(1, '\0'), QHostAddress::LocalHost, 8990);
    QVERIFY(w.busy()->isAnimated());
    w.slotHandleData(0, 7, cpuidOf(2), header(0xEF, 0x00), QByteArray(1, '\0'), QHostAddress::LocalHost, 8990);
    QVERIFY(!w.busy()->isAnimated());
    qDeleteAll(spies);
}

void TestMainWindow::switchInputNeedsSelectedWindow()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    MainWindow w;
    const uint key = w.commManager()->connectTcp(QHostAddress::LocalHost, server.serverPort());
    QVERIFY(key != 0);
    QVERIFY(server.waitForNewConnection(5000));
    QTcpSocket *peer = server.nextPendingConnection();
    QVERIFY(waitUntil([&] { return w.commManager()->linkType(key) == CommManager::LinkTcp; }));

    announce(w, 3, 1, key);
    makeCurrent(w, cpuidOf(1));
    w.onLeftInputSrcChange(2);
    QVERIFY(waitUntil([&] { return !watcher->texts.isEmpty(); }));
    QCOMPARE(watcher->texts, QStringList{QStringLiteral("Please select a window")});

    // The next thing the peer receives is what is written after the refusal.
    const QByteArray marker = Interface::requestFrame(0xE1);
    w.writeData(marker);
    QVERIFY(waitUntil([&] { return peer->bytesAvailable() >= marker.size(); }));
    QCOMPARE(peer->readAll(), marker);
}

void TestMainWindow::gwTemplateTwoWithoutSignalLoadsTemplateOne()
{
    MainWindow w;
    announce(w, 48, 1);
    makeCurrent(w, cpuidOf(1));
    // Four inputs, none with a signal: input id, has-signal, type, two spare bytes.
    for (int i = 0; i < 4; ++i) {
        const QByteArray presence = QByteArray(1, char(i)) + QByteArray(1, '\0') + QByteArray(1, char(1))
                                  + QByteArray(2, '\0');
        w.slotHandleData(0, 7, cpuidOf(1), header(0xE4, 0x01), presence, QHostAddress::LocalHost, 8990);
    }
    QCOMPARE(w.gwRecord(cpuidOf(1))->signalPresence.size(), 4);
    QSignalSpy sent(w.gwInterface(cpuidOf(1)), &Interface::emitSendData);
    w.onLeftTemplateChange(2);
    QCOMPARE(sent.count(), 1);
    const QByteArray frame = sent.first().first().toByteArray();
    QCOMPARE(frame, makeCommandFrame(0x04, 0x00, QByteArray(1, char(1))));

    // With a signal on input 2, the windows of the inputs without one switch to it.
    const QByteArray live = QByteArray(1, char(2)) + QByteArray(1, char(1)) + QByteArray(1, char(1))
                          + QByteArray(2, '\0');
    w.slotHandleData(0, 7, cpuidOf(1), header(0xE4, 0x01), live, QHostAddress::LocalHost, 8990);
    sent.clear();
    w.onLeftTemplateChange(2);
    QCOMPARE(sent.count(), 4);
    QCOMPARE(sent.at(1).first().toByteArray().at(4), char(0x08));
    QCOMPARE(sent.at(1).first().toByteArray().at(6), char(0)); // window 0
    QCOMPARE(sent.at(1).first().toByteArray().at(7), char(2)); // input 2
    QCOMPARE(sent.at(3).first().toByteArray().at(6), char(3));
    QVERIFY(watcher->texts.isEmpty());
}

void TestMainWindow::gwOutputCardChangeForcesFactoryReset()
{
    MainWindow w;
    announce(w, 48, 1);
    makeCurrent(w, cpuidOf(1));
    const QString id = cpuidOf(1);
    // One panel, then a 3 x 2 arrangement of 1920 x 1080 outputs.
    const QByteArray panel = QByteArray(1, '\0') + u16(0) + u16(0) + u16(1920) + u16(1080) + u16(0);
    w.slotHandleData(0, 7, id, header(0xE1, 0x00), panel, QHostAddress::LocalHost, 8990);
    const QByteArray res = QByteArray(1, '\0') + u16(1920) + u16(1080) + QByteArray(1, char(60))
                         + QByteArray(1, char(3)) + QByteArray(1, char(2)) + QByteArray(1, '\0');
    w.slotHandleData(0, 7, id, header(0xE1, 0x01), res, QHostAddress::LocalHost, 8990);
    DEVICE_INFO_GW *rec = w.gwRecord(id);
    QCOMPARE(rec->panels.size(), 1);
    QCOMPARE(int(rec->panels.first().row) * int(rec->panels.first().col), 6);

    QSignalSpy sent(w.gwInterface(id), &Interface::emitSendData);
    // Other settings: one output card, far too few for six outputs.
    const QByteArray other = QByteArray(1, '\0') + QByteArray(1, char(1)) + QByteArray(3, '\0');
    w.slotHandleData(0, 7, id, header(0xEE, 0x00), other, QHostAddress::LocalHost, 8990);
    QCOMPARE(int(rec->other.outputCards), 0); // not stored
    QVERIFY(sent.isEmpty());                  // not at once

    QVERIFY(waitUntil([&] { return watcher->busyBlocks > 0; }));
    QCOMPARE(watcher->texts,
             QStringList{QStringLiteral("Output card change is detected, so factory settings must be restored.")});
    QVERIFY(waitUntil([&] { return sent.count() >= 2; }));
    QCOMPARE(sent.at(0).first().toByteArray(), makeCommandFrame(0x18, 0x00));
    QCOMPARE(sent.at(1).first().toByteArray(), Interface::requestFrame(0xEF));
    QVERIFY(w.gwRecord(id)->panels.isEmpty());

    // With enough cards the settings are stored.
    w.slotHandleData(0, 7, id, header(0xE1, 0x00), panel, QHostAddress::LocalHost, 8990);
    w.slotHandleData(0, 7, id, header(0xE1, 0x01), res, QHostAddress::LocalHost, 8990);
    const QByteArray two = QByteArray(1, '\0') + QByteArray(1, char(2)) + QByteArray(3, '\0');
    w.slotHandleData(0, 7, id, header(0xEE, 0x00), two, QHostAddress::LocalHost, 8990);
    QCOMPARE(int(w.gwRecord(id)->other.outputCards), 2);
}

void TestMainWindow::timeTaskIndexBeyondSlotsIsIgnored()
{
    MainWindow w;
    announce(w, 3, 1);
    INFO_TIME_TASK task;
    task.index = 16;
    task.hour = 9;
    emit w.ksInterface(cpuidOf(1))->emitTimeTask(cpuidOf(1), task);
    for (const INFO_TIME_TASK &t : w.ksRecord(cpuidOf(1))->timeTasks)
        QCOMPARE(int(t.hour), 0);
    task.index = 15;
    emit w.ksInterface(cpuidOf(1))->emitTimeTask(cpuidOf(1), task);
    QCOMPARE(int(w.ksRecord(cpuidOf(1))->timeTasks[15].hour), 9);
}

void TestMainWindow::factoryResetAsksThenReadsBack()
{
    MainWindow w;
    announce(w, 3, 1);
    makeCurrent(w, cpuidOf(1));
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
    QCOMPARE(sent.count(), 2);
    QCOMPARE(sent.at(0).first().toByteArray(), KS9200Interface::factoryResetFrame());
    QCOMPARE(sent.at(1).first().toByteArray(), Interface::requestFrame(0xEF));
    QVERIFY(w.ksRecord(cpuidOf(1))->windows.isEmpty());
}

void TestMainWindow::renameAndSwitchMessages()
{
    MainWindow w;
    QVERIFY(!w.onSetDeviceName("name", cpuidOf(9)));
    announce(w, 3, 1, 4242); // no link has this key
    QVERIFY(!w.onSetDeviceName("name", cpuidOf(1)));
    QCOMPARE(w.record(cpuidOf(1))->name, QStringLiteral("dev"));
    announce(w, 3, 2);
    makeCurrent(w, cpuidOf(2));
    w.slotHandleData(0, 7, cpuidOf(2), header(0x08, 0x00, 1), QByteArray(1, '\0'), QHostAddress::LocalHost, 8990);
    w.onTitleUsbPlay(); // a KS9200 has no USB play
    QCOMPARE(watcher->texts, (QStringList{QStringLiteral("Please connect to the device first!"),
                                          QStringLiteral("Device Not Connect!"), QStringLiteral("Input conflict"),
                                          QStringLiteral("Does not support this feature!")}));
}

void TestMainWindow::typedSerialPortIsRememberedAndProbed()
{
    int master = -1, slave = -1;
    char path[256] = {};
    QVERIFY(::openpty(&master, &slave, path, nullptr, nullptr) == 0);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    MainWindow w;
    auto *combo = w.searchDialog()->findChild<QComboBox *>(QStringLiteral("combo_port"));
    auto *add = w.searchDialog()->findChild<QPushButton *>(QStringLiteral("btn_addPort"));
    QVERIFY(combo && add);

    combo->setEditText(QStringLiteral("/dev/vp-no-such-port"));
    add->click();
    QCOMPARE(watcher->texts, QStringList{QStringLiteral("The serial port /dev/vp-no-such-port does not exist.")});
    QVERIFY(w.commManager()->namedSerialPorts().isEmpty());

    combo->setEditText(QString::fromLocal8Bit(path));
    add->click();
    QCOMPARE(w.commManager()->namedSerialPorts(), QStringList{QString::fromLocal8Bit(path)});
    QCOMPARE(QSettings().value("SerialPorts").toStringList(), QStringList{QString::fromLocal8Bit(path)});
    QCOMPARE(w.searchDialog()->knownSerialPorts(), QStringList{QString::fromLocal8Bit(path)});
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

void TestMainWindow::titleCommandsOpenTheFamilysDialog()
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
    auto readBacks = [](const QSignalSpy &spy) {
        QList<QByteArray> frames;
        for (const QList<QVariant> &args : spy)
            if (uint8_t(args.first().toByteArray().at(4)) == 0xE5)
                frames << args.first().toByteArray();
        return frames;
    };
    QCOMPARE(readBacks(ks), QList<QByteArray>{Interface::requestFrame(0xE5)});
    QCOMPARE(readBacks(kx), (QList<QByteArray>{Interface::requestFrame(0xE5), Interface::requestFrame(0xE5, 0x01)}));
    QVERIFY(watcher->texts.isEmpty());
}

void TestMainWindow::reconnectSwitchIsRemembered()
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

void TestMainWindow::singleInstanceGuardClearsStaleSegment()
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

QTEST_MAIN(TestMainWindow)
#include "tst_ui_mainwindow.moc"
