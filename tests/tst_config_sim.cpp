// Configuration files: the JSON round trip keeps every field in stable bytes, each kind of bad file is
// refused with a message naming device and field. Back up and restore through the hub against vpsim:
// the restored device's state file agrees with the original's, both back up to the same file, and a
// restore cut short reports its groups.
#include "ConfigBackup.h"
#include "ConfigFile.h"
#include "ConfigSamples.h"
#include "DeviceChanges.h"
#include "DeviceHub.h"
#include "KS9200Interface.h"
#include "RestoreRunner.h"
#include "SimHub.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "RowData.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
namespace {
const SimHub::Ports Ports{29889, 29890, 29813};
using SimHub::settingFrames;
using TestSupport::waitUntil;
using namespace ConfigSamples;
QJsonObject parse(const QByteArray &json) { return QJsonDocument::fromJson(json).object(); }
// Sets list[i].key (or, with i < 0, list.key) of a device object.
void set(QJsonObject &d, const char *list, int i, const char *key, const QJsonValue &v)
{
    QJsonArray a = d.value(list).toArray();
    QJsonObject item = i < 0 ? d[list].toObject() : a.at(i).toObject();
    item[key] = v;
    i < 0 ? void(d[list] = item) : void((a[i] = item, d[list] = a));
}
QJsonValue inList(const QJsonObject &d, const char *list, int i, const char *key)
{
    return d[list].toArray()[i].toObject()[key];
}
// A KS9200 named Hall and a GW5 without a name.
QByteArray goodFile()
{
    ConfigDocument doc;
    doc.readBackTime = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
    doc.devices << variedDevice(3, 1) << variedDevice(48, 2);
    doc.devices[0].basic().name = QStringLiteral("Hall");
    doc.devices[1].basic().name = QString();
    return ConfigFile::toJson(doc);
}
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
    bool start(const QString &modelA, const QString &modelB, const QString &net, bool change = true)
    {
        const QString addrA = net + "2", addrB = net + "3";
        if (!sim.start(SimHub::simArgs(Ports, {modelA + ":addr=" + addrA, modelB + ":addr=" + addrB})))
            return false;
        const SimProcess::Device *da = sim.deviceAt(QHostAddress(addrA)), *db = sim.deviceAt(QHostAddress(addrB));
        if (!da || !db)
            return false;
        a = da->cpuid, b = db->cpuid;
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
    void recordsSurviveTheRoundTrip()
    {
        for (const int type : {3, 17, 48}) {
            ConfigDocument doc;
            doc.readBackTime = QDateTime(QDate(2024, 5, 1), QTime(12, 30, 5), Qt::UTC);
            doc.devices << variedDevice(type, 1) << variedDevice(type == 48 ? 3 : 48, 2);
            ConfigDevice &serial = doc.devices[1];
            serial.basic().linkType = 1, serial.basic().address = QHostAddress(), serial.portName = "/dev/ttyUSB1";
            const QByteArray json = ConfigFile::toJson(doc);
            ConfigDocument back;
            QString error;
            QVERIFY2(ConfigFile::fromJson(json, &back, &error), qPrintable(error));
            QCOMPARE(back.format, 1);
            QCOMPARE(back.application, doc.application);
            QCOMPARE(back.readBackTime, doc.readBackTime);
            QCOMPARE(back.devices.size(), 2);
            for (int i = 0; i < 2; ++i) {
                const ConfigDevice &a = doc.devices[i], &b = back.devices[i];
                QCOMPARE(b.type(), a.type());
                QCOMPARE(b.portName, a.portName);
                QCOMPARE(identity(b.basic()), identity(a.basic()));
                QVERIFY(b.isGw() == a.isGw() && b.isKs() == !a.isGw());
                QVERIFY(a.isGw() ? sameSettings(b.gw, a.gw) : sameSettings(b.ks, a.ks));
            }
            // Written again, the document gives the same bytes.
            QCOMPARE(ConfigFile::toJson(back), json);
        }
    }
    void badFileIsRefused_data()
    {
        columns<QByteArray, QString>("file", "message");
        const QByteArray good = goodFile();
        const auto row = [](const char *n, const QByteArray &file, const QString &m) { QTest::newRow(n) << file << m; };
        const auto ks = [&](const std::function<void(QJsonObject &)> &edit) { return editDevice(good, 0, edit); };
        const auto gw = [&](const std::function<void(QJsonObject &)> &edit) { return editDevice(good, 1, edit); };
        const auto top = [&](const char *key, const QJsonValue &v) {
            QJsonObject r = parse(good);
            v.isUndefined() ? void(r.remove(key)) : void(r[key] = v);
            return QJsonDocument(r).toJson();
        };
        const auto ksItem = [&](const char *list, int i, const char *key, const QJsonValue &v) {
            return ks([=](QJsonObject &d) { set(d, list, i, key, v); });
        };
        const auto ksKey = [&](const char *key, const QJsonValue &v) { return ks([=](auto &d) { d[key] = v; }); };
        const QString hall = QStringLiteral("devices[0] (KS9200 \"Hall\"): ");
        const QString cpuid = parse(good)["devices"].toArray()[0].toObject()["cpuid"].toString();
        row("empty", "  \n", "The file is empty.");
        row("no format", "{\"devices\": []}", "it has no format number");
        row("array", "[1]", "it has no format number");
        row("format 0", top("format", 0), "format 0, which no version of this program writes");
        row("format -1", top("format", -1), "format -1, which no version of this program writes");
        row("bad time", top("readBackTime", "yesterday"), "readBackTime: \"yesterday\" is not a date and time");
        row("devices missing", top("devices", QJsonValue::Undefined), "devices: is missing");
        row("negative byte", ksItem("other", -1, "volume", -1), hall + "other.volume: -1 is outside 0..255");
        row("signed range", ksItem("imageQuality", 0, "redOffset", 40000),
            hall + "imageQuality[0].redOffset: 40000 is outside -32768..32767");
        row("text for number", ksItem("windows", 0, "x", "abc"), hall + "windows[0].x: \"abc\" is not a number");
        row("fraction", ksItem("panels", 1, "rate", 59.94), hall + "panels[1].rate: 59.94 is not a whole number");
        row("missing field", ks([](QJsonObject &d) { d.remove("borders"); }), hall + "borders: is missing");
        row("list is object", ksKey("edid", QJsonObject()), hall + "edid: is not a list");
        QJsonArray tasks = parse(good)["devices"].toArray()[0].toObject()["timeTasks"].toArray();
        tasks.removeLast();
        row("15 tasks", ksKey("timeTasks", tasks), hall + "timeTasks: has 15 entries, 16 are required");
        const QJsonArray shortEntry{QJsonArray{1, 2, 3, 4}, QJsonArray{1, 2, 3}}, wideEntry{QJsonArray{1, 2, 3, 65536}};
        row("preset entry short", ksItem("presets", 0, "windows", shortEntry),
            hall + "presets[0].windows[1]: has 3 values, 4 are required");
        row("preset value", ksItem("presets", 0, "panels", wideEntry),
            hall + "presets[0].panels[0][3]: 65536 is outside 0..65535");
        row("preset twice", ks([](QJsonObject &d) { set(d, "presets", 1, "id", inList(d, "presets", 0, "id")); }),
            hall + "presets[1]: key -5 appears twice (also at presets[0])");
        row("unknown type", ksKey("type", 19), "devices[0]: type: 19 is not a supported device type (KXUHD)");
        row("type as text", ksKey("type", "3"), "devices[0]: type: \"3\" is not a number");
        row("model mismatch", ksKey("model", "KX4200"), hall + "model: \"KX4200\" does not match type 3 (KS9200)");
        row("bad cpuid", ksKey("cpuid", "Error"), hall + "cpuid: \"Error\" is not 24 lower-case hexadecimal digits");
        row("bad address", ksKey("address", "hall.local"), hall + "address: \"hall.local\" is not an IP address");
        row("link type", ksKey("linkType", 7), hall + "linkType: 7 is outside 0..2");
        row("same cpuid", gw([&](QJsonObject &d) { d["cpuid"] = cpuid; }),
            "devices[1] (GW5): cpuid: \"" + cpuid + "\" is also the cpuid of devices[0]");
        QJsonObject w = parse(good)["devices"].toArray()[1].toObject()["windows"].toArray()[0].toObject();
        QJsonArray windows;
        while (windows.size() < 33)
            w["winId"] = windows.size(), windows.append(w);
        row("GW windows", gw([&](QJsonObject &d) { d["windows"] = windows; }),
            "devices[1] (GW5): windows: has 33 entries, at most 32 are allowed");
        row("GW window twice",
            gw([](QJsonObject &d) { set(d, "windows", 1, "winId", inList(d, "windows", 0, "winId")); }),
            "devices[1] (GW5): windows[1]: key 1 appears twice (also at windows[0])");
        row("GW cards", gw([](QJsonObject &d) { set(d, "other", -1, "outputCards", 200); }),
            "devices[1] (GW5): other.outputCards: 200 is outside -128..127");
    }
    // Refused with the message, the caller's document left as it was.
    void badFileIsRefused()
    {
        auto [file, message] = fetch<QByteArray, QString>("file", "message");
        ConfigDocument doc;
        doc.application = QStringLiteral("untouched");
        QString error;
        QVERIFY(!ConfigFile::fromJson(file, &doc, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(doc.application, QStringLiteral("untouched"));
        QVERIFY(doc.devices.isEmpty());
    }
    void saveReplacesWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("wall.json");
        ConfigDocument doc;
        doc.devices << variedDevice(17, 4);
        QFile old(path); // longer than the new file
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(1 << 20, 'x')) > 0);
        old.close();
        QString error;
        QVERIFY2(ConfigFile::save(path, doc, &error), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), ConfigFile::toJson(doc));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"wall.json"});
        ConfigDocument back;
        QVERIFY2(ConfigFile::load(path, &back, &error), qPrintable(error));
        QCOMPARE(back.devices.size(), 1);
        QVERIFY(!ConfigFile::save(dir.filePath("missing/wall.json"), doc, &error));
        QVERIFY2(error.startsWith("Cannot write " + dir.filePath("missing/wall.json")), qPrintable(error));
    }
    void documentedExampleReads()
    {
        QFile docs(QFINDTESTDATA("../docs/configuration-file.md"));
        QVERIFY(docs.open(QIODevice::ReadOnly));
        const QByteArray text = docs.readAll();
        const int start = text.indexOf("```json\n") + 8, end = text.indexOf("```", start);
        QVERIFY(start > 8 && end > start);
        ConfigDocument doc;
        QString error;
        QVERIFY2(ConfigFile::fromJson(text.mid(start, end - start), &doc, &error), qPrintable(error));
        QCOMPARE(doc.devices.size(), 2);
    }
    // (A restore to another model is tried through the main menu, where its refusals are shown.)
    void backUpAndRestore_data()
    {
        columns<QString, QString>("model", "net");
        QTest::newRow("KS9200") << "KS9200" << "127.0.70.";
        QTest::newRow("KX4200") << "KX4200" << "127.0.71.";
        QTest::newRow("GW5") << "GW5" << "127.0.72.";
    }
    void backUpAndRestore()
    {
        auto [model, net] = fetch<QString, QString>("model", "net");
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
        connect(&rig.hub, &DeviceHub::presetLoaded, this,
                [&](const QString &id) { id == rig.b ? void(events << "load") : void(); });
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
        if (model != "GW5") {
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
        columns<bool, int>("cut", "at");
        QTest::newRow("link cut halfway") << true << 8;
        QTest::newRow("cancel") << false << 5;
    }
    void restoreStopsEarly()
    {
        auto [cut, at] = fetch<bool, int>("cut", "at");
        Rig rig;
        QVERIFY(rig.start("KS9200", "KS9200", cut ? "127.0.74." : "127.0.75."));
        ConfigDocument doc;
        QVERIFY(rig.backUp({rig.a}, &doc));
        RestoreRunner runner(&rig.hub);
        const int logStart = rig.sim.log().size();
        connect(&runner, &RestoreRunner::progress, this, [&](int step) {
            // At step `at` the link is closed (it meets a closed link) or Cancel is pressed (it is sent, the next not).
            step == at ? cut ? rig.sim.kill() : runner.cancel() : void();
        });
        const RestoreRunner::Result result = runRestore(runner, doc.devices[0], rig.b);
        const QList<RestoreStep> &steps = runner.plan().steps;
        QVERIFY(steps.size() > at + 2);
        const int done = cut ? at - 1 : at;
        const auto status = cut ? RestoreRunner::Status::PartlyApplied : RestoreRunner::Status::Cancelled;
        QCOMPARE(int(result.status), int(status));
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
        QCOMPARE((QList<QStringList>{result.groupsApplied, result.groupsPartlyApplied, result.groupsNotApplied}),
                 (QList<QStringList>{applied, partly, notApplied}));
        QVERIFY(!applied.isEmpty() && !notApplied.isEmpty());
        if (cut)
            return;
        // Exactly the frames of the steps sent reached the device.
        KS9200Interface replay(rig.b);
        int frames = 0;
        connect(&replay, &Interface::emitSendData, this, [&](const QByteArray &f) { frames += uint8_t(f[4]) < 0xE0; });
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
        connect(&backup, &ConfigBackup::progress, this, [&](int index) { index == 1 ? rig.sim.kill() : void(); });
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
