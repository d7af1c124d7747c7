// Configuration files: the JSON round trip keeps every field in stable bytes, and each kind of bad
// file is refused with a message naming device and field, the caller's document left untouched.
#include "ConfigFile.h"
#include "ConfigSamples.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
using namespace ConfigSamples;
namespace {
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
} // namespace
class TstConfigFile : public QObject
{
    Q_OBJECT
private slots:
    void recordsSurviveTheRoundTrip()
    {
        for (const int type : {3, 17, 48}) {
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
    }
    void badFileIsRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QByteArray good = goodFile();
        const auto row = [](const char *name, const QByteArray &file, const QString &message) {
            QTest::newRow(name) << file << message;
        };
        const auto ks = [&](const std::function<void(QJsonObject &)> &edit) { return editDevice(good, 0, edit); };
        const auto gw = [&](const std::function<void(QJsonObject &)> &edit) { return editDevice(good, 1, edit); };
        const auto top = [&](const char *key, const QJsonValue &v) {
            QJsonObject r = parse(good);
            v.isUndefined() ? void(r.remove(key)) : void(r[key] = v);
            return QJsonDocument(r).toJson();
        };
        const QString hall = QStringLiteral("devices[0] (KS9200 \"Hall\"): ");
        const QString cpuid = parse(good)["devices"].toArray()[0].toObject()["cpuid"].toString();
        row("empty", "  \n", "The file is empty.");
        row("no format", "{\"devices\": []}", "it has no format number");
        row("array", "[1]", "it has no format number");
        row("format 0", top("format", 0), "format 0, which no version of this program writes");
        row("bad time", top("readBackTime", "yesterday"), "readBackTime: \"yesterday\" is not a date and time");
        row("devices missing", top("devices", QJsonValue::Undefined), "devices: is missing");
        row("negative byte", ks([](QJsonObject &d) { set(d, "other", -1, "volume", -1); }),
            hall + "other.volume: -1 is outside 0..255");
        row("signed range", ks([](QJsonObject &d) { set(d, "imageQuality", 0, "redOffset", 40000); }),
            hall + "imageQuality[0].redOffset: 40000 is outside -32768..32767");
        row("text for number", ks([](QJsonObject &d) { set(d, "windows", 0, "x", "abc"); }),
            hall + "windows[0].x: \"abc\" is not a number");
        row("fraction", ks([](QJsonObject &d) { set(d, "panels", 1, "rate", 59.94); }),
            hall + "panels[1].rate: 59.94 is not a whole number");
        row("missing field", ks([](QJsonObject &d) { d.remove("borders"); }), hall + "borders: is missing");
        row("list is object", ks([](QJsonObject &d) { d["edid"] = QJsonObject(); }), hall + "edid: is not a list");
        row("15 tasks", ks([](QJsonObject &d) {
                QJsonArray t = d["timeTasks"].toArray();
                t.removeLast();
                d["timeTasks"] = t;
            }),
            hall + "timeTasks: has 15 entries, 16 are required");
        const QJsonArray shortEntry{QJsonArray{1, 2, 3, 4}, QJsonArray{1, 2, 3}}, wideEntry{QJsonArray{1, 2, 3, 65536}};
        row("preset entry short", ks([&](QJsonObject &d) { set(d, "presets", 0, "windows", shortEntry); }),
            hall + "presets[0].windows[1]: has 3 values, 4 are required");
        row("preset value", ks([&](QJsonObject &d) { set(d, "presets", 0, "panels", wideEntry); }),
            hall + "presets[0].panels[0][3]: 65536 is outside 0..65535");
        row("preset twice", ks([](QJsonObject &d) { set(d, "presets", 1, "id", inList(d, "presets", 0, "id")); }),
            hall + "presets[1]: key -5 appears twice (also at presets[0])");
        row("unknown type", ks([](QJsonObject &d) { d["type"] = 19; }),
            "devices[0]: type: 19 is not a supported device type (KXUHD)");
        row("type as text", ks([](QJsonObject &d) { d["type"] = "3"; }), "devices[0]: type: \"3\" is not a number");
        row("model mismatch", ks([](QJsonObject &d) { d["model"] = "KX4200"; }),
            hall + "model: \"KX4200\" does not match type 3 (KS9200)");
        row("bad cpuid", ks([](QJsonObject &d) { d["cpuid"] = "Error"; }),
            hall + "cpuid: \"Error\" is not 24 lower-case hexadecimal digits");
        row("bad address", ks([](QJsonObject &d) { d["address"] = "hall.local"; }),
            hall + "address: \"hall.local\" is not an IP address");
        row("link type", ks([](QJsonObject &d) { d["linkType"] = 7; }), hall + "linkType: 7 is outside 0..2");
        row("same cpuid", gw([&](QJsonObject &d) { d["cpuid"] = cpuid; }),
            "devices[1] (GW5): cpuid: \"" + cpuid + "\" is also the cpuid of devices[0]");
        row("GW windows", gw([](QJsonObject &d) {
                QJsonArray w;
                for (int i = 0; i < 33; ++i) {
                    QJsonObject o = d["windows"].toArray().at(0).toObject();
                    o["winId"] = i;
                    w.append(o);
                }
                d["windows"] = w;
            }),
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
    // Formats up to the one the program reads are taken; newer ones and those below 1 are refused.
    void formatCheck()
    {
        QString error;
        QVERIFY(ConfigFile::checkFormat(2, 2, &error) && ConfigFile::checkFormat(1, 2, &error) && error.isEmpty());
        QVERIFY(!ConfigFile::checkFormat(3, 2, &error));
        QCOMPARE(error, "The file is of format 3, this program reads up to 2.");
        for (const int format : {0, -1}) {
            QVERIFY(!ConfigFile::checkFormat(format, 2, &error));
            QCOMPARE(error, QString("The file gives format %1, which no version of this program writes.").arg(format));
        }
    }
    void saveReplacesWholeFile()
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
};

QTEST_GUILESS_MAIN(TstConfigFile)
#include "tst_configfile.moc"
