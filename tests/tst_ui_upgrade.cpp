// The firmware upgrade dialog by its signals and slots, then end to end against vpsim's GW (TCP and UDP).
#include "DeviceLookup.h"
#include "DialogUpgrade.h"
#include "FrameCodec.h"
#include "GW5Interface.h"
#include "Records.h"
#include "SimProcess.h"
#include "SxDialogTitle.h"
#include "TestSupport.h"
#include "UiModalC.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

namespace {
bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray pattern(int size, int seed = 3)
{
    QByteArray d(size, 0);
    for (int i = 0; i < size; ++i) d[i] = char((i * 7 + seed + i / 251) & 0xFF);
    return d;
}

int blockOf(const QByteArray &frame) { return uint8_t(frame.at(6)) | (uint8_t(frame.at(7)) << 8); }

struct Rig
{
    explicit Rig(const QByteArray &image, const QString &name = QStringLiteral("gw5_output_app_v2.bin"),
                 bool udp = false)
        : path(dir.filePath(name)), spy(&dlg, &DialogUpgrade::emitSendData),
          udpSpy(&dlg, &DialogUpgrade::emitSendDataByUDP)
    {
        writeFile(path, image);
        dlg.resetUpgrade(udp);
        dlg.chooseFile(path);
    }
    QPushButton *upgradeButton() { return dlg.findChild<QPushButton *>("btn_upgrade"); }
    QProgressBar *progress() { return dlg.findChild<QProgressBar *>("progressBar"); }
    QStringList log() { return dlg.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText().split('\n'); }
    QString lastLog() { return log().last().mid(10); }
    void start() { QTest::mouseClick(upgradeButton(), Qt::LeftButton); }
    QByteArray last() { return spy.isEmpty() ? QByteArray() : spy.last().at(0).toByteArray(); }
    void toBlocks() { start(); dlg.slotEnterBoot(0); dlg.slotBeginUpgrade(0); } // block 0 is out

    QTemporaryDir dir;
    QString path;
    DialogUpgrade dlg;
    QSignalSpy spy;
    QSignalSpy udpSpy;
};
} // namespace

class TestUiUpgrade : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerRecordTypes(); }
    void cleanup() { DeviceLookup::clear(); }
    void fileKinds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("output") << "/fw/gw5_output_app_1.2.bin" << 2 << "Upgrade file type: output card firmware";
        QTest::newRow("input") << "/fw/gw5_input_app.bin" << 1 << "Upgrade file type: input card firmware";
        QTest::newRow("host") << "/fw/gw5_host_app.bin" << 0 << "Upgrade file type: host firmware";
        QTest::newRow("both markers")
            << "/gw5_input_app/gw5_output_app.bin" << 2 << "Upgrade file type: output card firmware";
        QTest::newRow("marker in a folder") << "/gw5_host_app/x.bin" << 0 << "Upgrade file type: host firmware";
        QTest::newRow("case matters") << "/fw/GW5_HOST_APP.bin" << 16 << "Upgrade file type: unknown, not upgraded";
    }
    void fileKinds()
    {
        QFETCH(QString, path);
        QFETCH(int, kind);
        QFETCH(QString, message);
        DialogUpgrade dlg;
        dlg.resetUpgrade(false);
        dlg.chooseFile(path);
        QCOMPARE(dlg.fileKind(), kind);
        QCOMPARE(dlg.findChild<QLineEdit *>("edit_filePath")->text(), path);
        const QString log = dlg.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText();
        QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d  ").match(log).hasMatch(), qPrintable(log));
        QCOMPARE(log.mid(10), message);
    }
    void frames()
    {
        QCOMPARE(DialogUpgrade::bootFrame(2).toHex(' '),
                 QByteArray("5a 5a 17 00 f2 00 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 bf"));
        const QByteArray start = DialogUpgrade::startFrame(0x01020304);
        QCOMPARE(start.size(), 23);
        QCOMPARE(start.mid(4, 6).toHex(' '), QByteArray("f2 01 04 03 02 01"));
        QCOMPARE(uint8_t(start.at(22)), uint8_t(calcCheckSum(start.left(22))));

        // Block 0 of 512 bytes: 525 bytes, length 0x020D; the block sum keeps its two low bytes.
        const QByteArray data(512, char(0xFF)); // sum 0x01FE00
        const QByteArray b = DialogUpgrade::blockFrame(0, data);
        QCOMPARE(b.size(), 525);
        QCOMPARE(b.left(8).toHex(' '), QByteArray("5a 5a 0d 02 f2 02 00 00"));
        QCOMPARE(b.mid(520, 4).toHex(' '), QByteArray("00 fe 00 00"));
        QCOMPARE(uint8_t(b.at(524)), uint8_t(calcCheckSum(b.left(524))));
        const QByteArray b7 = DialogUpgrade::blockFrame(0x0107, QByteArray("\x01\x02", 2));
        QCOMPARE(b7.toHex(' ').left(23), QByteArray("5a 5a 0f 00 f2 02 07 01"));
        QCOMPARE(b7.mid(8, 6).toHex(' '), QByteArray("01 02 03 00 00 00"));
        // An image in 512-byte blocks, the last one short.
        const QByteArray image = pattern(1025);
        QCOMPARE(DialogUpgrade::buildPackets(pattern(1024)).size(), 2);
        const QList<QByteArray> p = DialogUpgrade::buildPackets(image);
        QCOMPARE((QList<int>{p.size(), p.at(2).size(), blockOf(p.at(2))}), (QList<int>{3, 14, 2}));
        QByteArray joined;
        for (const QByteArray &f : p) joined += f.mid(8, f.size() - 13);
        QCOMPARE(joined, image);
        QVERIFY(DialogUpgrade::buildPackets(QByteArray()).isEmpty());
    }
    void exchangeInOrder()
    {
        const QByteArray image = pattern(1300);
        Rig r(image);
        r.start();
        QVERIFY(r.dlg.isUpgrading());
        QCOMPARE(r.spy.size(), 1);
        QCOMPARE(r.last(), DialogUpgrade::bootFrame(2));
        QCOMPARE(r.lastLog(), QString("Ready to enter the Boot mode..."));
        QVERIFY(r.dlg.timer()->isActive());
        QCOMPARE(r.dlg.timer()->interval(), 3000);

        r.dlg.slotEnterBoot(0);
        QVERIFY(!r.upgradeButton()->isEnabled());
        QCOMPARE(r.last(), DialogUpgrade::startFrame(1300));
        QCOMPARE(r.dlg.packetCount(), 3);
        r.dlg.slotEnterBoot(0);
        QCOMPARE(r.spy.size(), 2);

        r.dlg.slotBeginUpgrade(0);
        QCOMPARE(r.lastLog(), QString("Start sending firmware upgrades..."));
        QCOMPARE(r.progress()->maximum(), 3);
        QCOMPARE(r.last(), DialogUpgrade::blockFrame(0, image.left(512)));
        r.dlg.slotRecvData(0, 0, 0);
        QCOMPARE((QList<int>{blockOf(r.last()), r.progress()->value()}), (QList<int>{1, 1}));
        r.dlg.slotRecvData(0, 1, 0);
        QCOMPARE(r.last(), DialogUpgrade::blockFrame(2, image.mid(1024)));
        const int sent = r.spy.size();
        r.dlg.slotRecvData(0, 2, 0);
        QCOMPARE(r.spy.size(), sent);
        QCOMPARE(r.lastLog(), QString("The firmware upgrade data is sent out..."));
        QCOMPARE(r.progress()->value(), r.progress()->maximum());
        QVERIFY(!r.dlg.isUpgrading() && !r.dlg.timer()->isActive() && r.upgradeButton()->isEnabled());
        r.dlg.slotEndUpgrade(0);
        QCOMPARE(r.lastLog(), QString("Firmware upgrades: success"));
        r.dlg.slotEndUpgrade(3);
        QCOMPARE(r.lastLog(), QString("Firmware upgrades: failure"));
        QCOMPARE(r.spy.size(), sent);
    }
    void errorRepliesAndRestart()
    {
        const QByteArray image = pattern(512 * 10);
        Rig r(image);
        r.toBlocks();
        r.dlg.slotRecvData(0, 0, 0);
        r.dlg.slotRecvData(0, 1, 0);
        QCOMPARE(blockOf(r.last()), 2);
        // Result 2 with error block 7: block 7 goes next, whatever block the reply names.
        r.dlg.slotRecvData(2, 1, 7);
        QCOMPARE(r.last(), DialogUpgrade::blockFrame(7, image.mid(7 * 512, 512)));
        QCOMPARE(r.progress()->value(), 7);
        // Result 1 sends the named block again; five errors in a row keep going, an accepted block clears them.
        for (int i = 2; i <= 5; ++i) {
            r.dlg.slotRecvData(1, 3, 0);
            QCOMPARE(blockOf(r.last()), 3);
        }
        QCOMPARE(r.dlg.errorCount(), 5);
        QVERIFY(r.dlg.isUpgrading());
        r.dlg.slotRecvData(0, 3, 0);
        QCOMPARE((QList<int>{r.dlg.errorCount(), blockOf(r.last())}), (QList<int>{0, 4}));
        for (int i = 1; i <= 5; ++i) r.dlg.slotRecvData(1, 4, 0);
        QVERIFY(r.dlg.isUpgrading());
        const int sent = r.spy.size();
        r.dlg.slotRecvData(1, 4, 0);
        QCOMPARE(r.spy.size(), sent);
        QCOMPARE(r.lastLog(), QString("Firmware upgrade failure..."));
        QVERIFY(!r.dlg.isUpgrading() && !r.dlg.timer()->isActive() && r.upgradeButton()->isEnabled());
        QCOMPARE(r.dlg.packetCount(), 0);
        // A late reply after the failure sends nothing; the file choice survives and can start again.
        r.dlg.slotRecvData(0, 4, 0);
        QCOMPARE(r.spy.size(), sent);
        r.start();
        QCOMPARE(r.last(), DialogUpgrade::bootFrame(2));
    }
    void blockNumbersOutsideTheImage()
    {
        const QByteArray image = pattern(512 * 3);
        Rig r(image);
        r.toBlocks();
        r.dlg.slotRecvData(0, 0, 0);
        QCOMPARE(blockOf(r.last()), 1);
        // Block numbers past the image count as errors: block 1 goes again, the upgrade is not done.
        const struct { int res, cur, err; } replies[] = {{0, 3, 0}, {0, 65535, 0}, {1, 3, 0}, {1, 9000, 9000}, {2, 0, 3}};
        int errors = 0;
        for (const auto &rep : replies) {
            const int before = r.spy.size();
            r.dlg.slotRecvData(rep.res, rep.cur, rep.err);
            QCOMPARE(r.spy.size(), before + 1);
            QCOMPARE(r.last(), DialogUpgrade::blockFrame(1, image.mid(512, 512)));
            QCOMPARE(r.dlg.errorCount(), ++errors);
            QVERIFY(r.dlg.isUpgrading() && r.dlg.timer()->isActive());
        }
        QVERIFY(!r.log().join('\n').contains("sent out") && r.progress()->value() < r.progress()->maximum());
    }
    void resendLimit()
    {
        Rig r(pattern(2000));
        r.start();
        // No answer: the boot request goes out four times in all; the fourth expiry fails.
        for (int expiry = 1; expiry <= 3; ++expiry) {
            r.dlg.onTimerResend();
            QCOMPARE(r.spy.size(), expiry + 1);
            QCOMPARE(r.last(), DialogUpgrade::bootFrame(2));
            QVERIFY(r.dlg.timer()->isActive());
        }
        r.dlg.onTimerResend();
        QCOMPARE(r.spy.size(), 4);
        QCOMPARE(r.lastLog(), QString("Firmware upgrade failure..."));
        QVERIFY(!r.dlg.timer()->isActive() && !r.dlg.isUpgrading() && r.upgradeButton()->isEnabled());

        // Each step has its own four sends: start frame, then the current block.
        r.spy.clear();
        r.start();
        r.dlg.onTimerResend();
        r.dlg.slotEnterBoot(0);
        for (int i = 0; i < 3; ++i) r.dlg.onTimerResend();
        QCOMPARE(r.spy.size(), 2 + 4);
        QCOMPARE(r.last(), DialogUpgrade::startFrame(2000));
        r.dlg.slotBeginUpgrade(0);
        r.dlg.slotRecvData(0, 0, 0);
        for (int i = 0; i < 3; ++i) {
            r.dlg.onTimerResend();
            QCOMPARE(blockOf(r.last()), 1);
        }
        QVERIFY(r.dlg.isUpgrading());
        r.dlg.onTimerResend();
        QVERIFY(!r.dlg.isUpgrading());
        QCOMPARE(r.spy.size(), 6 + 2 + 3);
    }
    void refusedStarts()
    {
        {
            Rig r(pattern(100), "firmware.bin");
            r.start();
            QCOMPARE(r.lastLog(), QString("Upgrade file type: unknown, not upgraded"));
            QCOMPARE(r.spy.size(), 0);
            QVERIFY(!r.dlg.isUpgrading());
        }
        {
            Rig r(pattern(100));
            QVERIFY(QFile::remove(r.path));
            r.start();
            QCOMPARE(r.lastLog(), QString("Please select the upgrade file"));
            QCOMPARE(r.spy.size(), 0);
        }
        // A file that cannot be read to its reported size (a kernel file) is not sent in part.
        {
            Rig r(pattern(1), "gw5_host_app.bin");
            QVERIFY(QFile::remove(r.path) && QFile::link("/proc/self/status", r.path));
            r.start();
            QVERIFY(r.log().last().endsWith("could not be read completely, not upgraded"));
            QCOMPARE(r.spy.size(), 0);
            QVERIFY(!r.dlg.isUpgrading());
        }
        Rig r(QByteArray(), "gw5_host_app.bin");
        r.start();
        QCOMPARE(r.last(), DialogUpgrade::bootFrame(0));
        r.dlg.slotEnterBoot(0);
        QCOMPARE(r.lastLog(), QString("Upgrade file package failure..."));
        QCOMPARE(r.spy.size(), 1);
        QVERIFY(!r.dlg.isUpgrading() && r.upgradeButton()->isEnabled());
        r.dlg.slotBeginUpgrade(0);
        QCOMPARE(r.spy.size(), 1);
    }
    void sendPaths()
    {
        {
            Rig r(pattern(600), "gw5_input_app.bin", true);
            r.start();
            QCOMPARE(r.spy.size(), 0);
            QCOMPARE(r.udpSpy.size(), 1);
            QCOMPARE(r.udpSpy.last().at(0).toByteArray(), DialogUpgrade::bootFrame(1));
        }
        QTemporaryDir dir;
        const QString path = dir.filePath("gw5_input_app.bin");
        QVERIFY(writeFile(path, pattern(600)));
        QList<QByteArray> tcp, udp;
        DeviceLookup::installWriters([&](const QByteArray &d) { tcp << d; }, [&](const QByteArray &d) { udp << d; });
        for (bool useUdp : {false, true}) {
            DialogUpgrade dlg;
            dlg.resetUpgrade(useUdp);
            QVERIFY(dlg.usesUdp() == useUdp);
            dlg.chooseFile(path);
            QTest::mouseClick(dlg.findChild<QPushButton *>("btn_upgrade"), Qt::LeftButton);
            dlg.slotEnterBoot(0);
        }
        QCOMPARE(tcp, (QList<QByteArray>{DialogUpgrade::bootFrame(1), DialogUpgrade::startFrame(600)}));
        QCOMPARE(udp, tcp);
    }
    void closeQuestion()
    {
        Rig r(pattern(2000));
        r.dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r.dlg));
        r.toBlocks();
        ModalCatcher boxes;
        boxes.answer = QMessageBox::No;
        r.dlg.reject();
        QCOMPARE(boxes.texts, QStringList{"Device is being upgraded, Do you want exit?"});
        QVERIFY(r.dlg.isVisible());
        QTest::mouseClick(r.dlg.findChild<SxDialogTitle *>("dialogTitle")->closeButton(), Qt::LeftButton);
        QCOMPARE(boxes.texts.toVector(), QVector<QString>(2, "Device is being upgraded, Do you want exit?"));
        QVERIFY(r.dlg.isVisible());
        boxes.answer = QMessageBox::Yes;
        r.dlg.reject();
        QVERIFY(!r.dlg.isVisible() && r.dlg.timer()->isActive());
        r.dlg.slotRecvData(0, 0, 0);
        QCOMPARE(blockOf(r.last()), 1);
        // Reset ends it; closing when idle asks nothing and stops the timer.
        r.dlg.resetUpgrade(false);
        QVERIFY(!r.dlg.timer()->isActive());
        QVERIFY(r.dlg.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText().isEmpty());
        QVERIFY(r.dlg.findChild<QLineEdit *>("edit_filePath")->text().isEmpty());
        r.dlg.show();
        r.dlg.reject();
        QVERIFY(!r.dlg.isVisible());
        QCOMPARE(boxes.texts.size(), 3);
    }
    void endToEndAgainstSimulator_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<bool>("udp");
        QTest::newRow("tcp") << QStringList() << false;
        QTest::newRow("tcp, refused block, ignored boot")
            << QStringList{"--upgrade-fail-block", "37", "--upgrade-ignore-boot", "1"} << false;
        QTest::newRow("udp, refused block") << QStringList{"--upgrade-fail-block", "0"} << true;
    }
    void endToEndAgainstSimulator()
    {
        QFETCH(QStringList, faults);
        QFETCH(bool, udp);
        if (!QFile::exists(SimProcess::binary())) QSKIP("VPSIM does not name the vpsim binary");
        QTemporaryDir dir;
        SimProcess sim;
        QVERIFY2(sim.start(QStringList{"--device", "GW5:addr=127.0.11.2", "--no-heartbeat", "--image-dir",
                                       dir.filePath("images")} + faults),
                 qPrintable(sim.errorString()));
        const QString cpuid = sim.devices().value(0).cpuid;

        QTcpSocket sock;
        sock.connectToHost(QHostAddress("127.0.11.2"), 61213);
        QVERIFY(sock.waitForConnected(5000));
        // The road of the application: stream → frames → GW interface → the dialog's slots.
        GW5Interface gw(cpuid);
        DialogUpgrade dlg;
        connect(&gw, &GW5Interface::emitUpgrade00, &dlg, &DialogUpgrade::slotEnterBoot);
        connect(&gw, &GW5Interface::emitUpgrade01, &dlg, &DialogUpgrade::slotBeginUpgrade);
        connect(&gw, &GW5Interface::emitUpgrade02, &dlg, &DialogUpgrade::slotRecvData);
        connect(&gw, &GW5Interface::emitUpgrade03, &dlg, &DialogUpgrade::slotEndUpgrade);
        connect(&dlg, &DialogUpgrade::emitSendData, &sock, [&](const QByteArray &d) { sock.write(d); });
        int refusals = 0;
        auto handle = [&](const RECV_PROTOCOL &rp, const QByteArray &p) {
            if (rp.cmd == 0xF2 && rp.subCmd == 0x02 && p.size() >= 3 && p.at(2) != 0) ++refusals;
            gw.handleFrame(cpuid, rp, p);
        };
        QByteArray buffer;
        connect(&sock, &QTcpSocket::readyRead, [&] { splitStreamFrames(buffer, sock.readAll(), handle); });
        QUdpSocket datagrams;
        QVERIFY(datagrams.bind(QHostAddress("127.0.0.1"), 0));
        connect(&dlg, &DialogUpgrade::emitSendDataByUDP, &datagrams,
                [&](const QByteArray &d) { datagrams.writeDatagram(d, QHostAddress("127.0.11.2"), 8989); });
        connect(&datagrams, &QUdpSocket::readyRead, [&] {
            while (datagrams.hasPendingDatagrams()) {
                RECV_PROTOCOL rp;
                QByteArray p;
                if (parseRecvFrame(datagrams.receiveDatagram().data(), rp, p)) handle(rp, p);
            }
        });
        QSignalSpy ends(&gw, &GW5Interface::emitUpgrade03);

        const QByteArray image = pattern(100 * 1024, 11);
        QVERIFY(writeFile(dir.filePath("gw5_output_app.bin"), image));
        dlg.resetUpgrade(udp);
        dlg.chooseFile(dir.filePath("gw5_output_app.bin"));
        dlg.show();
        QTest::mouseClick(dlg.findChild<QPushButton *>("btn_upgrade"), Qt::LeftButton);
        if (faults.contains("--upgrade-ignore-boot"))
            dlg.onTimerResend(); // the first boot request stays unanswered: the resend is what counts
        QVERIFY(TestSupport::waitUntil([&] { return !ends.isEmpty(); }, 60000));
        QCOMPARE(ends.first().at(0).toInt(), 0);
        const QString log = dlg.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText();
        QVERIFY2(log.endsWith("Firmware upgrades: success"), qPrintable(log));
        QVERIFY(log.contains("The firmware upgrade data is sent out...") && !log.contains("failure"));
        auto *bar = dlg.findChild<QProgressBar *>("progressBar");
        QCOMPARE((QList<int>{bar->maximum(), bar->value()}), (QList<int>{200, 200}));
        QCOMPARE(refusals, faults.isEmpty() ? 0 : 1);
        QFile saved(QDir(dir.filePath("images")).filePath(cpuid + "-output.bin"));
        QVERIFY(TestSupport::waitUntil([&] { return saved.exists(); }) && saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), image);
    }
};

QTEST_MAIN(TestUiUpgrade)
#include "tst_ui_upgrade.moc"
