// Connect by address: a device that no broadcast reaches is found because the search is also sent
// to the hosts the operator named (the search dialog's address box, --connect). Runs in a network
// namespace with only loopback, so the broadcast has nowhere to go; vpsim listens on an address of
// its own and its frame log shows which search reached it.
#include "CommManager.h"
#include "DialogSearch.h"
#include "MainWindow.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

Q_DECLARE_METATYPE(QHostAddress)

namespace {
const char *const SimAddress = "127.0.31.2";

using TestSupport::waitUntil;

QList<QJsonObject> readLog(const QString &path)
{
    QList<QJsonObject> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            out << QJsonDocument::fromJson(line).object();
    return out;
}

// Search requests that reached the device, by how they came.
void countSearches(const QList<QJsonObject> &log, int *unicast, int *broadcast)
{
    *unicast = *broadcast = 0;
    for (const QJsonObject &o : log) {
        if (o.value("dir").toString() != "rx" || o.value("transport").toString() != "udp"
            || o.value("cmd").toInt() != 0xFF || o.value("sub").toInt() != 0)
            continue;
        if (o.value("hex").toString() != QString::fromLatin1(makeSearchFrame().toHex()))
            continue;
        if (o.value("note").toString() == "broadcast")
            ++*broadcast;
        else
            ++*unicast;
    }
}

template <typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}
} // namespace

class TstUiConnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void connectAddressFindsDeviceWithoutBroadcast();
    void typedAddressesRememberedAndOffered();
    void unresolvableAndSilentAddressesReported();
    void commandLineConnect();

private:
    QTemporaryDir dir;
    QProcess sim;
    QString logPath;
    QString cpuid;
};

void TstUiConnect::initTestCase()
{
    // Any interface but loopback would carry the start-up broadcast out of the test: refuse.
    const auto ifaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : ifaces)
        if ((i.flags() & QNetworkInterface::IsUp) && !(i.flags() & QNetworkInterface::IsLoopBack))
            QSKIP("needs a network namespace with only loopback (unshare --net)");

    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    qRegisterMetaType<QHostAddress>("QHostAddress");
    qRegisterMetaType<RECV_PROTOCOL>("RECV_PROTOCOL");

    const QString bin = qEnvironmentVariable("VPSIM");
    QVERIFY2(!bin.isEmpty() && QFile::exists(bin), "VPSIM does not name the vpsim binary");
    const QString state = dir.filePath("state.json");
    logPath = dir.filePath("frames.jsonl");
    sim.setProcessChannelMode(QProcess::MergedChannels);
    sim.start(bin, {"--state-file", state, "--log", logPath, "--device",
                    QStringLiteral("KS9200:addr=%1").arg(SimAddress), "--heartbeat-ms", "60000"});
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

void TstUiConnect::cleanupTestCase()
{
    if (sim.state() != QProcess::NotRunning) {
        sim.terminate();
        if (!sim.waitForFinished(3000))
            sim.kill(), sim.waitForFinished(1000);
    }
}

void TstUiConnect::init()
{
    QSettings().clear();
    QSettings().setValue("Language", 0);
}

// The main window configured as --connect does: the start-up search lists the device, confirming
// reads it back over TCP, and the device saw the search only as a unicast datagram.
void TstUiConnect::connectAddressFindsDeviceWithoutBroadcast()
{
    MainWindow w;
    w.commManager()->addConnectAddress(QString::fromLatin1(SimAddress));
    w.searchDialog()->setCommManager(w.commManager());

    QStringList boxes;
    int listed = 0;
    QTimer driver;
    QElapsedTimer clock;
    clock.start();
    connect(&driver, &QTimer::timeout, this, [&]() {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->buttons().value(0)->click();
            return;
        }
        DialogSearch *search = w.searchDialog();
        if (!search || !search->isVisible())
            return;
        listed = child<QTableWidget>(search, "tableWidget")->rowCount();
        if (listed >= 1)
            child<QPushButton>(search, "btn_ok")->click();
        else if (clock.elapsed() > 15000)
            search->done(QDialog::Rejected);
    });
    driver.start(50);
    w.startupSearch();
    driver.stop();
    QCOMPARE(listed, 1);
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
    QVERIFY(w.commManager()->discoverySockets().isEmpty());

    // Registered as a network device at its own address, read back over TCP.
    QVERIFY(w.devices().contains(cpuid));
    INFO_BASIC *rec = w.record(cpuid);
    QCOMPARE(int(rec->linkType), 2);
    QCOMPARE(rec->address.toString(), QString::fromLatin1(SimAddress));
    QVERIFY(waitUntil([&] {
        for (const QJsonObject &o : readLog(logPath))
            if (o.value("transport").toString() == "tcp" && o.value("dir").toString() == "rx"
                && o.value("cmd").toInt() == 0xEF)
                return true;
        return false;
    }));

    int unicast = 0, broadcast = 0;
    countSearches(readLog(logPath), &unicast, &broadcast);
    QVERIFY(unicast >= 1);
    QCOMPARE(broadcast, 0);
}

// Typing an address and Add asks it at once; the address is stored under "ConnectAddresses"
// (most recent first, no duplicates) and a new dialog offers it again.
void TstUiConnect::typedAddressesRememberedAndOffered()
{
    CommManager comm;
    DialogSearch dlg;
    dlg.setCommManager(&comm);
    dlg.show();
    QSignalSpy announced(&comm, &CommManager::emitHandleData);
    auto *box = child<QComboBox>(&dlg, "edit_address");
    auto *add = child<QPushButton>(&dlg, "btn_addAddress");
    QVERIFY(box->isEditable());
    QCOMPARE(box->count(), 0);

    box->setEditText(QString::fromLatin1(SimAddress));
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(comm.connectAddresses(), QStringList{SimAddress});
    QVERIFY(waitUntil([&] { return !announced.isEmpty(); }));
    const QList<QVariant> a = announced.first();
    QVERIFY(a.at(0).toUInt() != 0);   // a TCP link was opened for it
    QVERIFY(a.at(1).toUInt() != 0);   // through the unicast socket
    QCOMPARE(a.at(3).value<RECV_PROTOCOL>().cmd, uint8_t(0xFF));
    QCOMPARE(a.at(5).value<QHostAddress>().toString(), QString::fromLatin1(SimAddress));
    QCOMPARE(comm.linkType(a.at(0).toUInt()), int(CommManager::LinkTcp));

    box->setEditText(QStringLiteral("10.99.0.1"));
    QTest::mouseClick(add, Qt::LeftButton);
    box->setEditText(QString::fromLatin1(SimAddress));
    QTest::mouseClick(add, Qt::LeftButton);
    const QStringList expected{SimAddress, "10.99.0.1"};
    QCOMPARE(QSettings().value("ConnectAddresses").toStringList(), expected);
    QCOMPARE(DialogSearch::rememberedAddresses(), expected);
    QCOMPARE(dlg.knownAddresses(), expected);
    QCOMPARE(comm.connectAddresses(), (QStringList{SimAddress, "10.99.0.1"}));

    DialogSearch again;
    QCOMPARE(again.knownAddresses(), expected);
    QVERIFY(child<QComboBox>(&again, "edit_address")->currentText().isEmpty());
}

// A name that cannot be resolved and an address where nothing answers each give a message in the
// dialog, no box; the dialog goes on working (a later address is still found).
void TstUiConnect::unresolvableAndSilentAddressesReported()
{
    CommManager comm;
    comm.setAddressReplyTimeout(300);
    DialogSearch dlg;
    dlg.setCommManager(&comm);
    dlg.show();
    QSignalSpy failed(&comm, &CommManager::emitConnectAddressFailed);
    QSignalSpy announced(&comm, &CommManager::emitHandleData);
    auto *box = child<QComboBox>(&dlg, "edit_address");
    auto *add = child<QPushButton>(&dlg, "btn_addAddress");
    auto *message = child<QLabel>(&dlg, "label_addressMessage");

    box->setEditText(QStringLiteral("no-such-host.invalid"));
    QTest::mouseClick(add, Qt::LeftButton);
    QVERIFY(waitUntil([&] { return !failed.isEmpty(); }, 30000));
    QCOMPARE(failed.first().at(0).toString(), QStringLiteral("no-such-host.invalid"));
    QVERIFY2(message->text().contains("no-such-host.invalid") && message->text().contains("resolved"),
             qPrintable(message->text()));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(dlg.isVisible() && box->isEnabled() && add->isEnabled());

    // Nothing listens on this loopback address: after the reply time the dialog says so.
    failed.clear();
    box->setEditText(QStringLiteral("127.0.31.9"));
    QTest::mouseClick(add, Qt::LeftButton);
    QVERIFY(waitUntil([&] { return !failed.isEmpty(); }));
    QCOMPARE(failed.first().at(0).toString(), QStringLiteral("127.0.31.9"));
    QCOMPARE(message->text(), QStringLiteral("No device answered at 127.0.31.9."));

    // Still usable: the simulated device is found, and its answer raises no complaint.
    failed.clear();
    comm.removeConnectAddress(QStringLiteral("127.0.31.9"));
    comm.removeConnectAddress(QStringLiteral("no-such-host.invalid"));
    box->setEditText(QString::fromLatin1(SimAddress));
    QTest::mouseClick(add, Qt::LeftButton);
    QVERIFY(waitUntil([&] { return !announced.isEmpty(); }));
    QCOMPARE(announced.first().at(5).value<QHostAddress>().toString(), QString::fromLatin1(SimAddress));
    QTest::qWait(500);
    QVERIFY2(failed.isEmpty(), qPrintable(failed.isEmpty() ? QString() : failed.first().at(1).toString()));

    // A search names every host again; a name is looked up then, not when it was typed.
    comm.addConnectAddress(QStringLiteral("no-such-host.invalid"));
    comm.searchDevice(1);
    QVERIFY(waitUntil([&] { return !failed.isEmpty(); }, 30000));
    QCOMPARE(failed.first().at(0).toString(), QStringLiteral("no-such-host.invalid"));
}

// vpcontrol --connect HOST: the start-up search asks the host, the device opens its TCP link to
// the application, and the host is stored for the search dialog. The program runs in an IPC
// namespace of its own so that its single-instance guard meets no other instance.
void TstUiConnect::commandLineConnect()
{
    const QString app = QFileInfo(qEnvironmentVariable("VPSIM")).absolutePath() + "/../vpcontrol";
    const QString unshare = QStandardPaths::findExecutable("unshare");
    if (!QFile::exists(app) || unshare.isEmpty())
        QSKIP("needs the vpcontrol binary and unshare");
    sim.readAll();
    const int logBefore = readLog(logPath).size();

    QProcess vp;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.filePath("cli-config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    vp.setProcessEnvironment(env);
    vp.setProcessChannelMode(QProcess::MergedChannels);
    vp.start(unshare, {"--ipc", app, "--connect", QString::fromLatin1(SimAddress)});
    QVERIFY(vp.waitForStarted(5000));
    QByteArray simOut;
    const bool linked = waitUntil([&] {
        simOut += sim.readAll();
        return simOut.contains("TCP connection from") || vp.state() != QProcess::Running;
    });
    const QByteArray vpOut = vp.readAll();
    vp.terminate();
    if (!vp.waitForFinished(3000))
        vp.kill(), vp.waitForFinished(1000);
    if (vpOut.contains("unshare:"))
        QSKIP(vpOut.constData());
    QVERIFY2(linked && simOut.contains("TCP connection from"), vpOut.constData());

    int unicast = 0, broadcast = 0;
    countSearches(readLog(logPath).mid(logBefore), &unicast, &broadcast);
    QVERIFY(unicast >= 1);
    QCOMPARE(broadcast, 0);
    const QSettings stored(dir.filePath("cli-config/Corlune/vpcontrol.conf"), QSettings::IniFormat);
    QCOMPARE(stored.value("ConnectAddresses").toStringList(), QStringList{SimAddress});
}

QTEST_MAIN(TstUiConnect)
#include "tst_ui_connect.moc"
