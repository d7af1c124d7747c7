// Back up and restore through the hub against vpsim: the restored device's state file agrees with
// the original's, both back up to the same file, and a restore cut short reports its groups.
#include "ConfigBackup.h"
#include "ConfigFile.h"
#include "DeviceChanges.h"
#include "DeviceHub.h"
#include "DeviceModels.h"
#include "KS9200Interface.h"
#include "RestoreRunner.h"
#include "SimHub.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include <QJsonArray>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
namespace {
const SimHub::Ports Ports{29889, 29890, 29813};
using SimHub::settingFrames;
using TestSupport::waitUntil;

QString names(const QList<ConfigDifference> &diffs)
{
    QStringList out;
    for (const ConfigDifference &d : diffs)
        out << QStringLiteral("%1 [%2 | %3] %4").arg(d.name, d.fileValue, d.deviceValue, d.notApplicable);
    return out.join(QStringLiteral("\n"));
}
// A hub with both simulated devices online and read back.
struct Rig
{
    SimProcess sim;
    DeviceHub hub;
    QString a, b; // cpuids
    int typeA = -1, typeB = -1;

    bool start(const QString &modelA, const QString &modelB, const QString &net, bool change = true)
    {
        const QString addrA = net + "2", addrB = net + "3";
        if (!sim.start(SimHub::simArgs(Ports, {modelA + ":addr=" + addrA, modelB + ":addr=" + addrB}))) {
            qWarning() << sim.errorString();
            return false;
        }
        const SimProcess::Device *da = sim.deviceAt(QHostAddress(addrA)), *db = sim.deviceAt(QHostAddress(addrB));
        if (!da || !db)
            return false;
        a = da->cpuid, b = db->cpuid, typeA = da->type, typeB = db->type;
        // Many settings changed on device A, every frame acknowledged.
        return SimHub::bringOnline(hub, Ports, {addrA, addrB}, {a, b}) && (!change || DeviceChanges::change(hub, a));
    }

    // Backs up `ids` into a document (and the file at `path` when given).
    bool backUp(const QStringList &ids, ConfigDocument *doc, const QString &path = QString())
    {
        ConfigBackup backup(&hub);
        QSignalSpy finished(&backup, &ConfigBackup::finished);
        if (!backup.start(ids, path) || !waitUntil([&] { return finished.count() == 1; }))
            return false;
        if (!backup.succeeded())
            qWarning() << backup.errorString();
        *doc = backup.document();
        return backup.succeeded();
    }
};
RestoreRunner::Result runRestore(RestoreRunner &runner, const ConfigDevice &file, const QString &target)
{
    QSignalSpy finished(&runner, &RestoreRunner::finished);
    if (!runner.start(file, target) || !waitUntil([&] { return finished.count() == 1; }, 60000))
        return RestoreRunner::Result();
    return runner.result();
}
} // namespace

class TstConfigSim : public QObject
{
    Q_OBJECT
private slots:
    // (A restore to another model is tried through the main menu, where its refusals are shown.)
    void backUpAndRestore_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("net");
        QTest::newRow("KS9200") << "KS9200" << "127.0.70.";
        QTest::newRow("KX4200") << "KX4200" << "127.0.71.";
        QTest::newRow("GW5") << "GW5" << "127.0.72.";
    }
    void backUpAndRestore()
    {
        QFETCH(QString, model);
        QFETCH(QString, net);
        Rig rig;
        QVERIFY(rig.start(model, model, net));

        QTemporaryDir dir;
        const QString path = dir.filePath("show.json");
        ConfigDocument saved, file;
        QVERIFY(rig.backUp({rig.a}, &saved, path));
        QString error;
        QVERIFY2(ConfigFile::load(path, &file, &error), qPrintable(error));
        QCOMPARE(file.devices.size(), 1);
        QCOMPARE(file.devices[0].basic().cpuid, rig.a);

        // Restore it to B; the hub's own read-back after each template load ends before the next step.
        const int logStart = rig.sim.log().size();
        RestoreRunner runner(&rig.hub);
        QStringList events;
        connect(&runner, &RestoreRunner::progress, this, [&](int step) { events << QString::number(step); });
        connect(&rig.hub, &DeviceHub::presetLoaded, this, [&](const QString &id) {
            if (id == rig.b)
                events << "load";
        });
        connect(&rig.hub, &DeviceHub::readBackFinished, this, [&](const QString &id) {
            if (id == rig.b && runner.phase() == RestoreRunner::Phase::Applying)
                events << "read back";
        });
        const RestoreRunner::Result result = runRestore(runner, file.devices[0], rig.b);
        QVERIFY2(result.status == RestoreRunner::Status::Done,
                 qPrintable(result.message + "\n" + names(result.mismatches)));
        QVERIFY(result.verified);
        QVERIFY(result.steps > 10);
        QCOMPARE(result.stepsDone, result.steps);
        QCOMPARE(result.groupsApplied, runner.plan().groups);
        for (const ConfigDifference &d : result.notApplicable)
            QVERIFY2(d.notApplicable == "a stored preset cannot be deleted", qPrintable(names(result.notApplicable)));
        if (!isGwType(rig.typeA)) {
            QVERIFY2(events.contains("load"), qPrintable(events.join(' ')));
            for (int i = events.indexOf("load"); i >= 0; i = events.indexOf("load", i + 1))
                QVERIFY2(events.value(i + 1) == "read back", qPrintable(events.join(' ')));
        }
        // Nothing of the restore went to A.
        QCOMPARE(settingFrames(rig.sim, rig.a, logStart), 0);
        // The two devices' state files agree on every restorable setting.
        QCOMPARE(SimHub::stateDifference(rig.sim, rig.a, rig.b), QString());
        // Backed up together, the two devices give the same file apart from identity and time.
        ConfigDocument both;
        QVERIFY(rig.backUp({rig.a, rig.b}, &both));
        QCOMPARE(both.devices.size(), 2);
        ConfigDocument one, other;
        one.devices << both.devices[0], other.devices << both.devices[1];
        static_cast<INFO_BASIC &>(other.devices[0].basic()) = one.devices[0].basic();
        QCOMPARE(ConfigFile::toJson(other), ConfigFile::toJson(one));
    }
    // A KS9200 restore stopped before step `at`: by its link (the simulator killed) or by Cancel.
    void restoreStopsEarly_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::addColumn<int>("at");
        QTest::newRow("link cut halfway") << true << 8;
        QTest::newRow("cancel") << false << 5;
    }
    void restoreStopsEarly()
    {
        QFETCH(bool, cut);
        QFETCH(int, at);
        Rig rig;
        QVERIFY(rig.start("KS9200", "KS9200", cut ? "127.0.74." : "127.0.75."));
        ConfigDocument doc;
        QVERIFY(rig.backUp({rig.a}, &doc));

        RestoreRunner runner(&rig.hub);
        const int logStart = rig.sim.log().size();
        connect(&runner, &RestoreRunner::progress, this, [&](int step) {
            if (step != at)
                return;
            if (cut)
                rig.sim.kill(); // step `at` meets a closed link
            else
                runner.cancel(); // step `at` is sent, the next one is not
        });
        const RestoreRunner::Result result = runRestore(runner, doc.devices[0], rig.b);
        const QList<RestoreStep> &steps = runner.plan().steps;
        QVERIFY(steps.size() > at + 2);
        const int done = cut ? at - 1 : at;
        QCOMPARE(int(result.status),
                 int(cut ? RestoreRunner::Status::PartlyApplied : RestoreRunner::Status::Cancelled));
        QCOMPARE(result.stepsDone, done);
        QCOMPARE(result.verified, !cut);
        if (cut)
            QCOMPARE(int(result.stoppedBy.outcome), int(HubResult::LinkLost));
        else
            QVERIFY2(!result.mismatches.isEmpty(), "the steps not sent leave settings that differ");

        // Groups by the steps acknowledged.
        QMap<QString, int> all, acknowledged;
        for (int i = 0; i < steps.size(); ++i) {
            ++all[steps[i].group];
            acknowledged[steps[i].group] += i < done;
        }
        QStringList applied, partly, notApplied;
        for (const QString &g : runner.plan().groups)
            (acknowledged[g] == all[g] ? applied : acknowledged[g] > 0 ? partly : notApplied) << g;
        QCOMPARE(result.groupsApplied, applied);
        QCOMPARE(result.groupsPartlyApplied, partly);
        QCOMPARE(result.groupsNotApplied, notApplied);
        QVERIFY(!applied.isEmpty() && !notApplied.isEmpty());

        if (cut)
            return;
        // Exactly the frames of the steps sent reached the device.
        KS9200Interface replay(rig.b);
        int frames = 0;
        connect(&replay, &Interface::emitSendData, this,
                [&](const QByteArray &f) { frames += uint8_t(f.at(4)) < 0xE0; });
        for (int i = 0; i < done; ++i)
            steps[i].send(&replay);
        // The verifying read-back went after them on the same link.
        QVERIFY(waitUntil([&] { return rig.sim.countFrames(rig.b, "rx", 0xEF, 0, logStart) >= 2; }));
        QCOMPARE(settingFrames(rig.sim, rig.b, logStart), frames);
    }
    // The second of two devices drops before its read-back: the backup fails naming it, and no file
    // (not even the first device's part) is written.
    void backupOfDroppedDeviceWritesNothing()
    {
        Rig rig;
        QVERIFY(rig.start("KS9200", "GW5", "127.0.76.", false));
        const QString label = ConfigBackup::labelOf(&rig.hub, rig.b);
        QTemporaryDir dir;
        const QString path = dir.filePath("show.json");
        ConfigBackup backup(&rig.hub);
        connect(&backup, &ConfigBackup::progress, this, [&](int index) {
            if (index == 1)
                rig.sim.kill();
        });
        QSignalSpy finished(&backup, &ConfigBackup::finished);
        QVERIFY(backup.start({rig.a, rig.b}, path));
        QVERIFY(waitUntil([&] { return finished.count() == 1; }));
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY2(backup.errorString().contains(label), qPrintable(backup.errorString()));
        QVERIFY(!QFile::exists(path));
        QVERIFY(backup.document().devices.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstConfigSim)
#include "tst_config_sim.moc"
