// The main menu's "Remote control…" in the whole main window: remembered settings start the servers
// with the window; the dialog checks its form, restarts the servers (a real curl reaches them),
// keeps what ran when they cannot start, and remembers only what started. Remote clients number
// the devices as the tabs are ordered, and a device's refusal of a remote switch goes to the
// client, not into a box at the window. Runs in the suite's private network namespace.
#include "BoxCatcher.h"
#include "DialogRemoteControl.h"
#include "MainWindow.h"
#include "RemoteClients.h"
#include "RemoteControl.h"
#include "SimHub.h"
#include "SimProcess.h"
#include "SxTabWidget.h"
#include "SxTitleWidget.h"
#include "TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr quint16 OscPort = 47830;
constexpr quint16 HttpPort = 47831;
constexpr quint16 TakenPort = 47834;

RemoteSettings remembered()
{
    QSettings stored;
    return RemoteSettings::load(stored);
}

// Whether an HTTP server answers on the port (whatever it answers).
bool answers(quint16 port)
{
    return port != 0 && RemoteClients::http(port, "GET", "/api/devices").status != 0;
}
} // namespace

class TstUiRemote : public QObject
{
    Q_OBJECT
    QTemporaryDir settingsDir;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
        QSettings().setValue("Language", 0);
    }
    // Every window starts with remote control left on, on loopback.
    void init()
    {
        RemoteSettings s;
        s.enabled = true;
        s.oscPort = OscPort;
        s.httpPort = HttpPort;
        QSettings stored;
        s.save(stored);
    }

    void dialog_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("senders");
        QTest::addColumn<int>("httpPort");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("listening"); // answers afterwards
        QTest::addColumn<int>("quiet");     // answers no more
        const QString before = "Running on 127.0.0.1: OSC port 47830, HTTP port 47831";
        QTest::newRow("loopback, another port")
            << true << "127.0.0.1"
            << ""
            << "" << 47833 << "" << true << "Running on 127.0.0.1: OSC port 47830, HTTP port 47833" << 47833
            << int(HttpPort);
        QTest::newRow("every address without a token")
            << true << "0.0.0.0"
            << ""
            << "" << 47833 << "Listening on 0.0.0.0 needs a token of at least 8 characters." << false
            << before << int(HttpPort) << 47833;
        QTest::newRow("a sender that is no address")
            << true << "127.0.0.1"
            << ""
            << "192.168.1.0/24, panel" << 47833 << "The OSC sender \"panel\" is not an address or a subnet."
            << false << before << int(HttpPort) << 47833;
        QTest::newRow("a port another program holds")
            << true << "127.0.0.1"
            << ""
            << "" << int(TakenPort)
            << "The servers could not start: Cannot listen for HTTP on 127.0.0.1 port 47834" << false
            << before << int(HttpPort) << 0;
        QTest::newRow("every address with a token")
            << true << "0.0.0.0"
            << "s3cret-token"
            << "127.0.0.2" << 47833 << "" << true << "Running on 0.0.0.0: OSC port 47830, HTTP port 47833"
            << 47833 << int(HttpPort);
        QTest::newRow("switched off")
            << false << "127.0.0.1"
            << ""
            << "" << int(HttpPort) << "" << true << "Not running" << 0 << int(HttpPort);
    }
    void dialog()
    {
        QFETCH(bool, enabled);
        QFETCH(QString, address);
        QFETCH(QString, token);
        QFETCH(QString, senders);
        QFETCH(int, httpPort);
        QFETCH(QString, problem);
        QFETCH(bool, closes);
        QFETCH(QString, status);
        QFETCH(int, listening);
        QFETCH(int, quiet);
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::LocalHost, TakenPort));
        const RemoteSettings atStart = remembered();

        MainWindow w;
        QVERIFY(w.remoteControl()->isRunning());
        RemoteSettings chosen;
        bool closed = false;
        QString shownProblem, shownStatus;
        QTimer::singleShot(0, &w, [&] {
            auto *dlg = w.findChild<DialogRemoteControl *>("DialogRemoteControl");
            QVERIFY(dlg && dlg->isVisible());
            dlg->findChild<QCheckBox *>("check_enabled")->setChecked(enabled);
            dlg->findChild<QLineEdit *>("edit_address")->setText(address);
            dlg->findChild<QSpinBox *>("spin_httpPort")->setValue(httpPort);
            dlg->findChild<QLineEdit *>("edit_token")->setText(token);
            dlg->findChild<QLineEdit *>("edit_allow")->setText(senders);
            chosen = dlg->settings();
            QTest::mouseClick(dlg->findChild<QPushButton *>("btn_ok"), Qt::LeftButton);
            closed = !dlg->isVisible();
            shownProblem = dlg->findChild<QLabel *>("label_problem")->text();
            shownStatus = dlg->findChild<QLabel *>("label_status")->text();
            if (!closed)
                dlg->reject();
        });
        w.findChild<SxTitleWidget *>()->remoteControlAction()->trigger();

        QCOMPARE(closed, closes);
        QCOMPARE(shownProblem, problem);
        QCOMPARE(shownStatus, status);
        QCOMPARE(answers(quint16(listening)), listening != 0);
        QCOMPARE(answers(quint16(quiet)), false);
        QVERIFY(remembered() == (closes ? chosen : atStart));
    }

    // Devices are numbered by their tabs, left to right (not by cpuid); a device refusing a
    // remote switch answers the client, and the window shows no box for it.
    void devicesInTabOrder()
    {
        const QString first = "0f6400000000000000000a02", second = "0f6400000000000000000a03";
        const SimHub::Ports ports{29589, 29590, 29513};
        SimProcess sim;
        QVERIFY2(sim.start(SimHub::simArgs(ports, {"KS9200:addr=127.0.64.2,id=" + first,
                                                   "KS9200:addr=127.0.64.3,id=" + second}) +
                           QStringList{"--refuse-switch"}),
                 qPrintable(sim.errorString()));
        MainWindow w;
        QVERIFY(SimHub::bringOnline(*w.hub(), ports, {"127.0.64.2", "127.0.64.3"}, {first, second}));
        w.tabWidget()->addDevice(w.record(second));
        w.tabWidget()->addDevice(w.record(first));
        BoxCatcher boxes;

        RemoteClients::OscClient client;
        client.send(OscPort, "/vp/devices");
        const QJsonArray devices = client.reply("/vp/devices").value("devices").toArray();
        QCOMPARE(devices.size(), 2);
        QCOMPARE(devices.at(0).toObject().value("cpuid").toString(), second);
        QCOMPARE(devices.at(1).toObject().value("cpuid").toString(), first);

        client.send(OscPort, "/vp/1/window/1/input", "s:HDMI1");
        QCOMPARE(client.reply("/vp/1/window/1/input").value("error").toString(), "device_refused");
        QCOMPARE(sim.countFrames(second, "rx", 0x08), 1);
        QTest::qWait(300); // a box would have opened on the device's answer, before the reply
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('|')));
        sim.stop();
    }
};

QTEST_MAIN(TstUiRemote)
#include "tst_ui_remote.moc"
