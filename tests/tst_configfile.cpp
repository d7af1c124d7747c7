// Configuration files: records survive the trip through JSON with every field, the writer's
// output is deterministic, and every kind of bad file is refused with a message naming the
// device and the field, leaving the caller's document untouched.
#include "ConfigFile.h"
#include "ConfigSamples.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace ConfigSamples;

namespace {
QJsonObject parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

QByteArray text(const QJsonObject &root)
{
    return QJsonDocument(root).toJson();
}

// Applies `edit` to devices[index] of `root`.
QJsonObject editDevice(QJsonObject root, int index, const std::function<void(QJsonObject &)> &edit)
{
    QJsonArray devices = root.value("devices").toArray();
    QJsonObject d = devices.at(index).toObject();
    edit(d);
    devices[index] = d;
    root["devices"] = devices;
    return root;
}

// Sets list[i].key of a device object.
void setInList(QJsonObject &d, const char *list, int i, const char *key, const QJsonValue &v)
{
    QJsonArray a = d.value(list).toArray();
    QJsonObject item = a.at(i).toObject();
    item[key] = v;
    a[i] = item;
    d[list] = a;
}
} // namespace

class TstConfigFile : public QObject
{
    Q_OBJECT
private slots:
    void recordsSurviveTheRoundTrip_data();
    void recordsSurviveTheRoundTrip();
    void sameStateGivesTheSameBytes();
    void badFileIsRefused_data();
    void badFileIsRefused();
    void formatCheck_data();
    void formatCheck();
    void saveReplacesWholeFile();
    void documentedExampleReads();
};

void TstConfigFile::recordsSurviveTheRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("KS9200") << 3;
    QTest::newRow("KX4200") << 17;
    QTest::newRow("GW5") << 48;
}

void TstConfigFile::recordsSurviveTheRoundTrip()
{
    QFETCH(int, type);
    ConfigDocument doc;
    doc.readBackTime = QDateTime(QDate(2024, 5, 1), QTime(12, 30, 5), Qt::UTC);
    doc.devices << variedDevice(type, 1) << variedDevice(type == 48 ? 3 : 48, 2);
    doc.devices[1].basic().linkType = 1;
    doc.devices[1].basic().address = QHostAddress();
    doc.devices[1].portName = QStringLiteral("/dev/ttyUSB1");

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
        if (a.isGw()) {
            QVERIFY(b.isGw() && !b.isKs());
            QVERIFY(sameSettings(b.gw, a.gw));
        } else {
            QVERIFY(b.isKs() && !b.isGw());
            QVERIFY(sameSettings(b.ks, a.ks));
        }
    }
    // Written again, the document gives the same bytes.
    QCOMPARE(ConfigFile::toJson(back), json);
}

void TstConfigFile::sameStateGivesTheSameBytes()
{
    // Two GW devices in the same state whose records were filled in a different order (the
    // store appends records as they arrive), and two KS devices; only identity and time differ.
    ConfigDevice gwA = variedDevice(48, 1), gwB = variedDevice(48, 1);
    std::reverse(gwB.gw.windows.begin(), gwB.gw.windows.end());
    std::reverse(gwB.gw.presets.begin(), gwB.gw.presets.end());
    std::reverse(gwB.gw.edid.begin(), gwB.gw.edid.end());
    ConfigDevice ksA = variedDevice(3, 1), ksB = variedDevice(3, 1);
    std::reverse(ksB.ks.presets.begin(), ksB.ks.presets.end());
    std::reverse(ksB.ks.mosaics.begin(), ksB.ks.mosaics.end());
    ksB.ks.inputSignals.clear(); // live status is not written
    gwB.gw.signalPresence.clear();
    for (ConfigDevice *d : {&gwB, &ksB}) {
        d->basic().cpuid = QStringLiteral("ffeeddccbbaa998877665544");
        d->basic().name = QStringLiteral("Spare");
        d->basic().version = QStringLiteral("V9");
    }
    ConfigDocument a, b;
    a.readBackTime = QDateTime(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);
    b.readBackTime = QDateTime(QDate(2025, 2, 2), QTime(9, 0), Qt::UTC);
    a.devices << gwA << ksA;
    b.devices << gwB << ksB;

    QJsonObject ja = parse(ConfigFile::toJson(a)), jb = parse(ConfigFile::toJson(b));
    QVERIFY(ja != jb);
    for (QJsonObject *root : {&ja, &jb}) {
        root->remove("readBackTime");
        for (int i = 0; i < 2; ++i)
            *root = editDevice(*root, i, [](QJsonObject &d) {
                for (const char *key : {"cpuid", "name", "version"})
                    d.remove(key);
            });
    }
    QCOMPARE(text(ja), text(jb));
}

void TstConfigFile::badFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");

    ConfigDocument doc;
    doc.readBackTime = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
    doc.devices << variedDevice(3, 1) << variedDevice(48, 2);
    doc.devices[0].basic().name = QStringLiteral("Hall");
    doc.devices[1].basic().name = QString();
    const QByteArray good = ConfigFile::toJson(doc);
    const QJsonObject root = parse(good);
    auto ks = [&](const std::function<void(QJsonObject &)> &edit) { return text(editDevice(root, 0, edit)); };
    auto gw = [&](const std::function<void(QJsonObject &)> &edit) { return text(editDevice(root, 1, edit)); };
    const QString hall = QStringLiteral("devices[0] (KS9200 \"Hall\"): ");

    QTest::newRow("empty") << QByteArray("  \n") << "The file is empty.";
    QTest::newRow("not JSON") << QByteArray("PK\x03\x04 zip") << "The file is not valid JSON";
    QTest::newRow("truncated") << good.left(good.size() / 2) << "it is truncated";
    QTest::newRow("no format") << QByteArray("{\"devices\": []}") << "it has no format number";
    QTest::newRow("array") << QByteArray("[1]") << "it has no format number";
    QTest::newRow("newer format") << text([&] {
        QJsonObject r = root;
        r["format"] = 3;
        return r;
    }()) << "The file is of format 3, this program reads up to 1.";
    QTest::newRow("format 0") << text([&] {
        QJsonObject r = root;
        r["format"] = 0;
        return r;
    }()) << "format 0, which no version of this program writes";
    QTest::newRow("bad time") << text([&] {
        QJsonObject r = root;
        r["readBackTime"] = "yesterday";
        return r;
    }()) << "readBackTime: \"yesterday\" is not a date and time";
    QTest::newRow("devices missing") << text([&] {
        QJsonObject r = root;
        r.remove("devices");
        return r;
    }()) << "devices: is missing";
    QTest::newRow("too wide") << ks([](QJsonObject &d) { setInList(d, "windows", 2, "width", 70000); })
                              << hall + "windows[2].width: 70000 is outside 0..65535";
    QTest::newRow("negative byte") << ks([](QJsonObject &d) {
        QJsonObject o = d["other"].toObject();
        o["volume"] = -1;
        d["other"] = o;
    }) << hall + "other.volume: -1 is outside 0..255";
    QTest::newRow("signed range") << ks([](QJsonObject &d) {
        setInList(d, "imageQuality", 0, "redOffset", 40000);
    }) << hall + "imageQuality[0].redOffset: 40000 is outside -32768..32767";
    QTest::newRow("text for number") << ks([](QJsonObject &d) { setInList(d, "windows", 0, "x", "abc"); })
                                     << hall + "windows[0].x: \"abc\" is not a number";
    QTest::newRow("fraction") << ks([](QJsonObject &d) { setInList(d, "panels", 1, "rate", 59.94); })
                              << hall + "panels[1].rate: 59.94 is not a whole number";
    QTest::newRow("missing field") << ks([](QJsonObject &d) { d.remove("borders"); })
                                   << hall + "borders: is missing";
    QTest::newRow("list is object") << ks([](QJsonObject &d) { d["edid"] = QJsonObject(); })
                                    << hall + "edid: is not a list";
    QTest::newRow("too many windows") << ks([](QJsonObject &d) {
        QJsonArray w = d["windows"].toArray();
        while (w.size() < 19)
            w.append(w.at(0));
        d["windows"] = w;
    }) << hall + "windows: has 19 entries, at most 18 are allowed";
    QTest::newRow("15 tasks") << ks([](QJsonObject &d) {
        QJsonArray t = d["timeTasks"].toArray();
        t.removeLast();
        d["timeTasks"] = t;
    }) << hall + "timeTasks: has 15 entries, 16 are required";
    QTest::newRow("preset entry short") << ks([](QJsonObject &d) {
        QJsonArray p = d["presets"].toArray();
        QJsonObject p0 = p.at(0).toObject();
        p0["windows"] = QJsonArray{QJsonArray{1, 2, 3, 4}, QJsonArray{1, 2, 3}};
        p[0] = p0;
        d["presets"] = p;
    }) << hall + "presets[0].windows[1]: has 3 values, 4 are required";
    QTest::newRow("preset value") << ks([](QJsonObject &d) {
        QJsonArray p = d["presets"].toArray();
        QJsonObject p0 = p.at(0).toObject();
        p0["panels"] = QJsonArray{QJsonArray{1, 2, 3, 65536}};
        p[0] = p0;
        d["presets"] = p;
    }) << hall + "presets[0].panels[0][3]: 65536 is outside 0..65535";
    QTest::newRow("preset twice") << ks([](QJsonObject &d) {
        setInList(d, "presets", 1, "id", d["presets"].toArray()[0].toObject()["id"]);
    }) << hall + "presets[1]: key -5 appears twice (also at presets[0])";
    QTest::newRow("unknown type") << ks([](QJsonObject &d) { d["type"] = 19; })
                                  << "devices[0]: type: 19 is not a supported device type (KXUHD)";
    QTest::newRow("type as text") << ks([](QJsonObject &d) { d["type"] = "3"; })
                                  << "devices[0]: type: \"3\" is not a number";
    QTest::newRow("model mismatch") << ks([](QJsonObject &d) { d["model"] = "KX4200"; })
                                    << hall + "model: \"KX4200\" does not match type 3 (KS9200)";
    QTest::newRow("bad cpuid") << ks([](QJsonObject &d) { d["cpuid"] = "Error"; })
                               << hall + "cpuid: \"Error\" is not 24 lower-case hexadecimal digits";
    QTest::newRow("bad address") << ks([](QJsonObject &d) { d["address"] = "hall.local"; })
                                 << hall + "address: \"hall.local\" is not an IP address";
    QTest::newRow("link type") << ks([](QJsonObject &d) { d["linkType"] = 7; })
                               << hall + "linkType: 7 is outside 0..2";
    QTest::newRow("same cpuid") << gw([&](QJsonObject &d) {
        d["cpuid"] = root["devices"].toArray()[0].toObject()["cpuid"];
    })
                                << "devices[1] (GW5): cpuid: \"" +
                                       root["devices"].toArray()[0].toObject()["cpuid"].toString() +
                                       "\" is also the cpuid of devices[0]";
    QTest::newRow("GW windows") << gw([](QJsonObject &d) {
        QJsonArray w;
        for (int i = 0; i < 33; ++i) {
            QJsonObject o = d["windows"].toArray().at(0).toObject();
            o["winId"] = i;
            w.append(o);
        }
        d["windows"] = w;
    }) << "devices[1] (GW5): windows: has 33 entries, at most 32 are allowed";
    QTest::newRow("GW window twice") << gw([](QJsonObject &d) {
        setInList(d, "windows", 1, "winId", d["windows"].toArray()[0].toObject()["winId"]);
    }) << "devices[1] (GW5): windows[1]: key 1 appears twice (also at windows[0])";
    QTest::newRow("GW cards") << gw([](QJsonObject &d) {
        QJsonObject o = d["other"].toObject();
        o["outputCards"] = 200;
        d["other"] = o;
    }) << "devices[1] (GW5): other.outputCards: 200 is outside -128..127";
}

void TstConfigFile::badFileIsRefused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    ConfigDocument doc;
    doc.application = QStringLiteral("untouched");
    QString error;
    QVERIFY(!ConfigFile::fromJson(file, &doc, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(doc.application, QStringLiteral("untouched"));
    QVERIFY(doc.devices.isEmpty());
}

void TstConfigFile::formatCheck_data()
{
    QTest::addColumn<int>("fileFormat");
    QTest::addColumn<int>("readsUpTo");
    QTest::addColumn<QString>("message");
    QTest::newRow("current") << 1 << 1 << QString();
    QTest::newRow("older") << 1 << 2 << QString();
    QTest::newRow("much older") << 2 << 5 << QString();
    QTest::newRow("newer") << 3 << 2
                           << QStringLiteral("The file is of format 3, this program reads up to 2.");
    QTest::newRow("zero") << 0 << 2
                          << QStringLiteral(
                                 "The file gives format 0, which no version of this program writes.");
}

void TstConfigFile::formatCheck()
{
    QFETCH(int, fileFormat);
    QFETCH(int, readsUpTo);
    QFETCH(QString, message);
    QString error;
    QCOMPARE(ConfigFile::checkFormat(fileFormat, readsUpTo, &error), message.isEmpty());
    QCOMPARE(error, message);
}

void TstConfigFile::saveReplacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("wall.json");
    ConfigDocument doc;
    doc.devices << variedDevice(17, 4);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1 << 20, 'x')); // longer than the new file
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

void TstConfigFile::documentedExampleReads()
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

QTEST_GUILESS_MAIN(TstConfigFile)
#include "tst_configfile.moc"
