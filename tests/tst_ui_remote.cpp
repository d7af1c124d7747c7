// "Remote control…" in the main window: the dialog checks its form, restarts the servers (reached by
// curl) and remembers only what started; remote clients number devices by tab order.
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
#include "UiLookup.h"
#include <QJsonArray>
#include <QTcpServer>
#include <QtTest>
#include <QtWidgets>
// What the operator enters in the dialog and what follows.
struct Form
{
    bool enabled;
    QString address, token, senders;
    int httpPort;
    QString problem;
    bool closes;
    QString status;
    int listening, quiet; // a port that answers afterwards, and one that answers no more (0: none)
};
Q_DECLARE_METATYPE(Form)
namespace {
constexpr quint16 OscPort = 27830;
constexpr quint16 HttpPort = 27831;

RemoteSettings remembered()
{
    QSettings stored;
    return RemoteSettings::load(stored);
}
// Whether an HTTP server answers on the port (whatever it answers).
bool answers(quint16 port) { return port != 0 && RemoteClients::http(port, "GET", "/api/devices").status != 0; }
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
        s.enabled = true, s.oscPort = OscPort, s.httpPort = HttpPort;
        QSettings stored;
        s.save(stored);
    }

    void dialog_data()
    {
        QTest::addColumn<Form>("f");
        const QString before = "Running on 127.0.0.1: OSC port 27830, HTTP port 27831";
        const int held = -1, http = HttpPort; // held: the port the test holds
        QTest::newRow("loopback, another port")
            << Form{true, "127.0.0.1", "", "", 27833, "", true, "Running on 127.0.0.1: OSC port 27830, HTTP port 27833",
                    27833, http};
        QTest::newRow("every address without a token")
            << Form{true,  "0.0.0.0", "", "", 27833, "Listening on 0.0.0.0 needs a token of at least 8 characters.",
                    false, before,    http, 27833};
        QTest::newRow("a port another program holds")
            << Form{true, "127.0.0.1", "", "", held,
                    "The servers could not start: Cannot listen for HTTP on 127.0.0.1 port %1", false, before, http, 0};
        QTest::newRow("every address with a token")
            << Form{true, "0.0.0.0", "s3cret-token", "127.0.0.2", 27833, "", true,
                    "Running on 0.0.0.0: OSC port 27830, HTTP port 27833", 27833, http};
        QTest::newRow("switched off") << Form{false, "127.0.0.1", "", "", http, "", true, "Not running", 0, http};
    }
    void dialog()
    {
        QFETCH(Form, f);
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::LocalHost));
        if (f.httpPort < 0) {
            f.httpPort = holder.serverPort();
            f.problem = f.problem.arg(f.httpPort);
        }
        const RemoteSettings atStart = remembered();

        MainWindow w;
        QVERIFY(w.remoteControl()->isRunning());
        RemoteSettings chosen;
        bool closed = false;
        QString shownProblem, shownStatus;
        QTimer::singleShot(0, &w, [&] {
            auto *dlg = w.findChild<DialogRemoteControl *>("DialogRemoteControl");
            QVERIFY(dlg && dlg->isVisible());
            child<QCheckBox>(dlg, "check_enabled")->setChecked(f.enabled);
            child<QLineEdit>(dlg, "edit_address")->setText(f.address);
            child<QSpinBox>(dlg, "spin_httpPort")->setValue(f.httpPort);
            child<QLineEdit>(dlg, "edit_token")->setText(f.token);
            child<QLineEdit>(dlg, "edit_allow")->setText(f.senders);
            chosen = dlg->settings();
            QTest::mouseClick(child<QPushButton>(dlg, "btn_ok"), Qt::LeftButton);
            closed = !dlg->isVisible();
            shownProblem = child<QLabel>(dlg, "label_problem")->text();
            shownStatus = child<QLabel>(dlg, "label_status")->text();
            if (!closed)
                dlg->reject();
        });
        w.findChild<SxTitleWidget *>()->remoteControlAction()->trigger();

        QCOMPARE(closed, f.closes);
        QCOMPARE(shownProblem, f.problem);
        QCOMPARE(shownStatus, f.status);
        QCOMPARE(answers(quint16(f.listening)), f.listening != 0);
        QCOMPARE(answers(quint16(f.quiet)), false);
        QVERIFY(remembered() == (f.closes ? chosen : atStart));
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
