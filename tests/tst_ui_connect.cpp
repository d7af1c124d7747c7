// Connect by address: a device no broadcast reaches (only loopback here) is found because the search is
// also sent to the hosts named (address box, --connect); vpsim's frame log shows which search reached it.
#include "CanvasUi.h"
#include "CommManager.h"
#include "MainWindow.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "UiLookup.h"

#include <QComboBox>
#include <QLabel>
#include <QNetworkInterface>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(QHostAddress)

namespace {
const QString SimAddress = QStringLiteral("127.0.31.2");
using TestSupport::waitUntil;

// Search requests that reached the device from line `from` of its log on: {unicast, broadcast}.
QPair<int, int> searches(const SimProcess &sim, int from = 0)
{
    QPair<int, int> n;
    for (const QJsonObject &o : sim.logFrom(from))
        if (o.value("dir") == "rx" && o.value("transport") == "udp" && o.value("cmd").toInt() == 0xFF
            && o.value("sub").toInt() == 0 && o.value("hex").toString() == makeSearchFrame().toHex())
            ++(o.value("note") == "broadcast" ? n.second : n.first);
    return n;
}
} // namespace

class TstUiConnect : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    SimProcess sim;
    QString cpuid;

private slots:
    void initTestCase()
    {
        // Any interface but loopback would carry the start-up broadcast out of the test: refuse.
        for (const QNetworkInterface &i : QNetworkInterface::allInterfaces())
            if ((i.flags() & QNetworkInterface::IsUp) && !(i.flags() & QNetworkInterface::IsLoopBack))
                QSKIP("needs a network namespace with only loopback (unshare --net)");
        CanvasUi::privateSettings(dir.path());
        qRegisterMetaType<QHostAddress>("QHostAddress");
        qRegisterMetaType<RECV_PROTOCOL>("RECV_PROTOCOL");
        QVERIFY2(sim.start({"--device", "KS9200:addr=" + SimAddress, "--heartbeat-ms", "60000"}),
                 qPrintable(sim.errorString()));
        cpuid = sim.devices().value(0).cpuid;
        QVERIFY(!cpuid.isEmpty());
    }
    void init()
    {
        QSettings().clear();
        QSettings().setValue("Language", 0);
    }

    // As --connect sets it up: confirming the device found by unicast registers it as a network device at
    // its address and reads it back over TCP.
    void connectAddressFindsDeviceWithoutBroadcast()
    {
        MainWindow w;
        w.commManager()->addConnectAddress(SimAddress);
        w.searchDialog()->setCommManager(w.commManager());
        {
            CanvasUi::SearchOperator op([&w] { return w.searchDialog(); }, {cpuid}, 15000);
            w.startupSearch();
            QCOMPARE(op.listed, QStringList{cpuid});
            QVERIFY2(op.boxes.isEmpty(), qPrintable(op.boxes.join('|')));
        }
        QVERIFY(w.commManager()->discoverySockets().isEmpty());
        QVERIFY(w.record(cpuid));
        QCOMPARE(int(w.record(cpuid)->linkType), 2);
        QCOMPARE(w.record(cpuid)->address.toString(), SimAddress);
        QVERIFY(waitUntil([&] { return sim.countFrames(cpuid, "rx", 0xEF) > 0; }));
    }
    // Add asks a typed address at once and stores it (most recent first, no duplicates) for the next dialog;
    // an unresolvable name or a silent address gives a message in the dialog, no box, and the dialog goes on.
    void typedAddresses()
    {
        CommManager comm;
        comm.setAddressReplyTimeout(300);
        DialogSearch dlg;
        dlg.setCommManager(&comm);
        dlg.show();
        QSignalSpy announced(&comm, &CommManager::emitHandleData);
        QSignalSpy failed(&comm, &CommManager::emitConnectAddressFailed);
        auto *box = child<QComboBox>(&dlg, "edit_address");
        auto *add = child<QPushButton>(&dlg, "btn_addAddress");
        auto *message = child<QLabel>(&dlg, "label_addressMessage");
        const auto type = [&](const QString &host) {
            box->setEditText(host);
            QTest::mouseClick(add, Qt::LeftButton);
        };
        QVERIFY(box->isEditable());
        QCOMPARE(box->count(), 0);
        type(SimAddress);
        QCOMPARE(comm.connectAddresses(), QStringList{SimAddress});
        QVERIFY(waitUntil([&] { return !announced.isEmpty(); }));
        const QList<QVariant> a = announced.first();
        QVERIFY(a.at(0).toUInt() != 0); // a TCP link was opened for it
        QVERIFY(a.at(1).toUInt() != 0); // through the unicast socket
        QCOMPARE(a.at(3).value<RECV_PROTOCOL>().cmd, uint8_t(0xFF));
        QCOMPARE(a.at(5).value<QHostAddress>().toString(), SimAddress);
        QCOMPARE(comm.linkType(a.at(0).toUInt()), int(CommManager::LinkTcp));
        QTest::qWait(500); // past the reply time: a complaint would have come by now
        QVERIFY2(failed.isEmpty(), qPrintable(failed.isEmpty() ? QString() : failed.first().at(1).toString()));
        type("10.99.0.1");
        type(SimAddress);
        const QStringList expected{SimAddress, "10.99.0.1"};
        QCOMPARE(QSettings().value("ConnectAddresses").toStringList(), expected);
        QCOMPARE(DialogSearch::rememberedAddresses(), expected);
        QCOMPARE(dlg.knownAddresses(), expected);
        QCOMPARE(comm.connectAddresses(), expected);
        DialogSearch again;
        QCOMPARE(again.knownAddresses(), expected);
        QVERIFY(child<QComboBox>(&again, "edit_address")->currentText().isEmpty());
        QVERIFY(waitUntil([&] { return !failed.isEmpty(); })); // nothing answers there
        QCOMPARE(failed.first().at(0).toString(), QStringLiteral("10.99.0.1"));
        for (const QString &host : expected)
            comm.removeConnectAddress(host);
        failed.clear();
        type("no-such-host.invalid");
        QVERIFY(waitUntil([&] { return !failed.isEmpty(); }, 30000));
        QCOMPARE(failed.first().at(0).toString(), QStringLiteral("no-such-host.invalid"));
        QVERIFY2(message->text().contains("no-such-host.invalid") && message->text().contains("resolved"),
                 qPrintable(message->text()));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(dlg.isVisible() && box->isEnabled() && add->isEnabled());
        comm.removeConnectAddress("no-such-host.invalid");
        // Nothing listens on this loopback address: after the reply time the dialog says so.
        failed.clear();
        type("127.0.31.9");
        QVERIFY(waitUntil([&] { return !failed.isEmpty(); }));
        QCOMPARE(failed.first().at(0).toString(), QStringLiteral("127.0.31.9"));
        QCOMPARE(message->text(), QStringLiteral("No device answered at 127.0.31.9."));
        // A search names every host again; a name is looked up then, not when it was typed.
        comm.removeConnectAddress("127.0.31.9");
        comm.addConnectAddress("no-such-host.invalid");
        failed.clear();
        comm.searchDevice(1);
        QVERIFY(waitUntil([&] { return !failed.isEmpty(); }, 30000));
        QCOMPARE(failed.first().at(0).toString(), QStringLiteral("no-such-host.invalid"));
    }

    // vpcontrol --connect HOST: the start-up search asks the host (unicast only), the device opens its TCP
    // link, and the host is stored. An IPC namespace keeps the single-instance guard apart.
    void commandLineConnect()
    {
        const QString app = QFileInfo(SimProcess::binary()).absolutePath() + "/../vpcontrol";
        const QString unshare = QStandardPaths::findExecutable("unshare");
        if (!QFile::exists(app) || unshare.isEmpty())
            QSKIP("needs the vpcontrol binary and unshare");
        const int logBefore = sim.log().size(), outBefore = sim.output().size();
        QProcess vp;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.filePath("cli-config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        vp.setProcessEnvironment(env);
        vp.setProcessChannelMode(QProcess::MergedChannels);
        vp.start(unshare, {"--ipc", app, "--connect", SimAddress});
        QVERIFY(vp.waitForStarted(5000));
        const auto linked = [&] { return sim.output().mid(outBefore).contains("TCP connection from"); };
        waitUntil([&] { return linked() || vp.state() != QProcess::Running; });
        const QByteArray vpOut = vp.readAll();
        vp.terminate();
        if (!vp.waitForFinished(3000))
            vp.kill(), vp.waitForFinished(1000);
        if (vpOut.contains("unshare:"))
            QSKIP(vpOut.constData());
        QVERIFY2(linked(), vpOut.constData());
        QVERIFY(searches(sim, logBefore).first >= 1);
        QCOMPARE(searches(sim, logBefore).second, 0);
        const QSettings stored(dir.filePath("cli-config/Corlune/vpcontrol.conf"), QSettings::IniFormat);
        QCOMPARE(stored.value("ConnectAddresses").toStringList(), QStringList{SimAddress});
    }
};

QTEST_MAIN(TstUiConnect)
#include "tst_ui_connect.moc"
