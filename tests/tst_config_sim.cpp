// Back up and restore against the simulator: many settings are changed on one simulated device,
// it is read back into a configuration file, and the file is restored to a fresh simulated
// device. The restore verifies itself by a re-read, and the two devices' state files agree on
// every restorable setting. Run inside a private network namespace (loopback addresses only).
#include "ConfigFile.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "ReadBackLink.h"
#include "RestorePlan.h"
#include "SimProcess.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void changeKs(KS9200Interface *ks, int type)
{
    const bool kx = isKxType(type);
    if (kx)
        ks->setOutputMode(1, 1);
    ks->setOutputResolution(kx ? 255 : 0, 3, 1280, 720, 60);
    ks->setWindowGeometry(1, 100, 100, 800, 600);
    ks->setWindowTransparency(0, 8);
    emit ks->emitSendData(KS9200Interface::switchInputFrame(2, 33));
    ks->setInputCrop(0, 1, 10, 10, 800, 600);
    ks->setImageItem(KS9200Interface::ItemBrightness, 0, 70);
    ks->setImageItem(KS9200Interface::ItemRedOffset, 1, -5);
    if (kx) {
        ks->setImageItem(KS9200Interface::ItemGamma, 2, 3);
        ks->setColorTemp(0, 3, 60, 40, 30);
        ks->setImageItem(KS9200Interface::ItemColorMode, 1, 2);
        ks->setRgbcmy(1, 2, RGBCMY{1, 2, 3, 4, 5, 6});
        ks->setImageEffect(2, 1, 2, 3, 4);
        ks->setImageExpert(0, 1, 2, 3, 1);
        ks->setWindowRotate(0, 1);
        ks->setEdidMode(type, 1);
        ks->setAudioVolume(12);
    } else {
        ks->setChromaColor(1, 1, 1, 1, 0, 10, 20, 30);
        ks->setSwitchMode(1, 9);
    }
    ks->setEdidResolution(32, 3840, 2160, 30);
    ks->setMosaicUnits(0, 2, 2, 3);
    ks->setMosaicTune(0, 1, 2, 3, 4);
    ks->setMosaicOnOff(0, 1);
    ks->setAudioMode(0, 2);
    ks->setAudioMute(1);
    ks->setFreeze(1);
    ks->setBlackScreen(1);
    ks->setFrameSync(0, 1);
    INFO_TIME_TASK t;
    t.index = 3, t.taskType = 2, t.p10 = 5, t.p12 = 15, t.p14 = 90, t.hour = 9;
    ks->setTimeTask(t);
    ks->setTimeTaskState(0, false);
    ks->setAllTasks(false);
    ks->setBackgroundColor(10, 20, 30);
    ks->setBorder(1, INFO_BORDER{1, 3, 10, 20, 30, 40, 6});
    ks->setOutputEnhance(1, 0, 1, 1);
    ks->savePreset(3);
    ks->setWindowGeometry(0, 0, 0, 960, 540); // the live layout is not preset 3
}

void changeGw(GW5Interface *gw)
{
    gw->setOutputHold(0);
    gw->setOutputResolution(0, 3840, 2160, 30);
    gw->setOutputMapping(0, 1);
    gw->setOutputMapping(1, 0);
    gw->moveWindow(0, 100, 100, 1000, 600, 1);
    gw->openWindow(4, 0, 720, 640, 360, 5);
    gw->removeWindow(2);
    gw->switchInput(1, 2);
    gw->setWindowTransparency(1, 60);
    gw->setWindowCrop(0, 1, 0, 0, 960, 540);
    gw->setImageItem(1, 0, 70);
    gw->setImageItem(9, 1, -5);
    gw->setEdidResolution(1, 1280, 720, 50);
    gw->setFreeze(1);
    emit gw->emitSendData(KS9200Interface::setFrameSyncFrame(0, 1));
    gw->savePreset(3);
    gw->moveWindow(1, 1920, 0, 1280, 720, 2);
    gw->setOutputHold(1);
}

QString names(const QList<ConfigDifference> &diffs)
{
    QStringList out;
    for (const ConfigDifference &d : diffs)
        out << QStringLiteral("%1 [%2 | %3] %4").arg(d.name, d.fileValue, d.deviceValue, d.notApplicable);
    return out.join(QStringLiteral("\n"));
}
} // namespace

class TstConfigSim : public QObject
{
    Q_OBJECT
private slots:
    void backUpAndRestore_data();
    void backUpAndRestore();
};

void TstConfigSim::backUpAndRestore_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("targetModel");
    QTest::addColumn<QString>("net");
    QTest::addColumn<QStringList>("cannotApply");
    QTest::newRow("KS9200") << "KS9200"
                            << "KS9200"
                            << "127.0.70." << QStringList();
    QTest::newRow("KX4200") << "KX4200"
                            << "KX4200"
                            << "127.0.71." << QStringList();
    QTest::newRow("GW5") << "GW5"
                         << "GW5"
                         << "127.0.72." << QStringList();
    QTest::newRow("KS9200 to KX4200")
        << "KS9200"
        << "KX4200"
        << "127.0.73." << QStringList{"window 2 chroma key", "switch mode", "EDID VGA2"};
}

void TstConfigSim::backUpAndRestore()
{
    QFETCH(QString, model);
    QFETCH(QString, targetModel);
    QFETCH(QString, net);
    QFETCH(QStringList, cannotApply);
    const QString addrA = net + "2", addrB = net + "3";
    SimProcess sim;
    QVERIFY2(sim.start({"--device", model + ":addr=" + addrA, "--device", targetModel + ":addr=" + addrB}),
             qPrintable(sim.errorString()));
    const SimProcess::Device *simA = sim.deviceAt(QHostAddress(addrA));
    const SimProcess::Device *simB = sim.deviceAt(QHostAddress(addrB));
    QVERIFY(simA && simB);
    const QString cpuidA = simA->cpuid, cpuidB = simB->cpuid;
    const int type = simA->type, targetType = simB->type;

    // Change many settings on A and back it up.
    ReadBackLink a(QHostAddress(addrA), cpuidA, type);
    QVERIFY(a.isConnected());
    QVERIFY(a.readBack());
    if (isGwType(type))
        changeGw(static_cast<GW5Interface *>(a.interface()));
    else
        changeKs(static_cast<KS9200Interface *>(a.interface()), type);
    QVERIFY(a.settle());
    QVERIFY(a.readBack());
    QTemporaryDir dir;
    const QString path = dir.filePath("show.json");
    ConfigDocument doc;
    doc.readBackTime = QDateTime::currentDateTimeUtc();
    doc.devices << ConfigDevice::fromRecord(a.record());
    QString error;
    QVERIFY2(ConfigFile::save(path, doc, &error), qPrintable(error));
    ConfigDocument file;
    QVERIFY2(ConfigFile::load(path, &file, &error), qPrintable(error));

    // Restore it to B.
    ReadBackLink b(QHostAddress(addrB), cpuidB, targetType);
    QVERIFY(b.isConnected());
    QVERIFY(b.readBack());
    const RestorePlan plan = RestorePlan::build(file.devices[0], b.record());
    QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
    QStringList refused;
    for (const ConfigDifference &d : plan.notApplicable)
        if (d.notApplicable != QStringLiteral("a stored preset cannot be deleted"))
            refused << d.name;
    for (const QString &name : cannotApply)
        QVERIFY2(refused.contains(name), qPrintable(names(plan.notApplicable)));
    if (cannotApply.isEmpty())
        QVERIFY2(refused.isEmpty(), qPrintable(names(plan.notApplicable)));
    QVERIFY(plan.steps.size() > 10);
    const int logStart = sim.log().size();
    for (const RestoreStep &s : plan.steps)
        s.send(b.interface());
    QVERIFY(b.settle());
    QVERIFY(b.readBack());
    const QList<ConfigDifference> left = plan.verify(b.record());
    QVERIFY2(left.isEmpty(), qPrintable(names(left)));
    // Nothing of the restore went to A.
    QCOMPARE(sim.countFrames(cpuidA, "rx", -1, -1, logStart), 0);

    if (model != targetModel)
        return;
    // The two devices' state files agree on every restorable setting.
    // The state file follows the device; a difference that stays is shown key by key below.
    SimProcess::waitFor(
        [&] {
            sim.refresh();
            return sim.device(cpuidA)->state == sim.device(cpuidB)->state;
        },
        5000);
    QJsonObject stateA = sim.device(cpuidA)->state, stateB = sim.device(cpuidB)->state;
    for (const QString &key : stateA.keys())
        QVERIFY2(stateA.value(key) == stateB.value(key),
                 qPrintable(key + ": " +
                            QJsonDocument(QJsonObject{{"A", stateA.value(key)}, {"B", stateB.value(key)}})
                                .toJson(QJsonDocument::Compact)));
}

QTEST_GUILESS_MAIN(TstConfigSim)
#include "tst_config_sim.moc"
