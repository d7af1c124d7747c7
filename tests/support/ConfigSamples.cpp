#include "ConfigSamples.h"
#include "DeviceModels.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
namespace ConfigSamples {
namespace {
// Distinct values: each call gives the next one within the field's range, never the default 0.
struct Gen
{
    int n;
    uint8_t u8() { return uint8_t(1 + (n++ * 37) % 254); }
    uint16_t u16() { return uint16_t(1000 + (n++ * 977) % 60000); }
    int16_t s16() { return int16_t(-1 - (n++ * 131) % 30000); }
    int32_t s32() { return -100000 - n++ * 7; }
    PRESET_ENTRY entry(int values)
    {
        PRESET_ENTRY e;
        for (int i = 0; i < values; ++i)
            e.append(u16());
        return e;
    }
    INFO_PANEL panel(uint16_t id)
    {
        return {id, u16(), u16(), u16(), u16(), u16(), u16(), u16(), u16(), u8(), u8(), u8()};
    }
    INFO_WINDOW window(uint16_t id)
    {
        return {u8(), u8(), u8(), u8(), id, u16(), u16(), u16(), u16(), u16(), u16(), u16(), u16()};
    }
    INFO_IMAGE_QUALITY quality(uint16_t i)
    {
        return {i, u16(), u16(), u16(), u16(), u16(), u16(), s16(), s16(), s16(), u16(), u16(), u16()};
    }
    INFO_INPUTCROP crop(uint16_t i) { return {i, u8(), u16(), u16(), u16(), u16()}; }
    INFO_EDID edid(uint8_t src) { return {src, u8(), u16(), u16()}; }
    INFO_PRESET preset(int id, int panels, int panelValues, int windows, int windowValues)
    {
        INFO_PRESET p;
        p.id = id, p.group = s32();
        for (int i = 0; i < panels; ++i)
            p.panels.append(entry(panelValues));
        for (int i = 0; i < windows; ++i)
            p.windows.append(entry(windowValues));
        return p;
    }
};
void basicIdentity(INFO_BASIC &b, int type, int seed)
{
    b.type = type, b.hasUsb = 1, b.hasSdi = 1, b.linkType = 2, b.online = 1, b.keyTCP = 7;
    b.address = QHostAddress(QStringLiteral("127.0.60.%1").arg(seed));
    b.name = QStringLiteral("Hall %1").arg(seed);
    b.cpuid = QStringLiteral("%1").arg(seed, 24, 16, QLatin1Char('0'));
    b.version = QStringLiteral("V1.%1").arg(seed);
}
} // namespace
ConfigDevice variedDevice(int type, int seed)
{
    Gen g{seed * 11};
    ConfigDevice d;
    if (isGwType(type)) {
        DEVICE_INFO_GW &r = d.gw;
        basicIdentity(r, type, seed);
        for (uint16_t i = 0; i < 3; ++i) {
            r.panels << g.panel(uint16_t(i * 2));
            r.mappings << INFO_MAPPING{uint8_t(i), g.u8(), g.u8(), g.u8(), g.u8(), g.u8()};
            r.windows << g.window(uint16_t(i + 1));
            r.imageQuality << g.quality(i);
            r.inputCrops << g.crop(uint16_t(i + 4));
            r.edid << g.edid(uint8_t(i * 3));
        }
        r.presets << g.preset(0, 2, 5, 3, 6) << g.preset(9, 1, 5, 1, 6);
        r.inputSignals << INFO_INPUTSINGLE{1, 1920, 1080, 60, 1};
        r.signalPresence << INFO_SIGNAL_PRESENCE{1, 2, 1};
        r.other = INFO_OTHER_GW5{g.u8(), int8_t(-3), g.u8(), g.u8(), g.u8(), g.u8()};
        return d;
    }
    DEVICE_INFO_KS &r = d.ks;
    basicIdentity(r, type, seed);
    for (uint16_t i = 0; i < 3; ++i) {
        if (i < 2)
            r.panels << g.panel(i);
        r.windows << g.window(i);
        r.imageQuality << g.quality(i);
        r.inputCrops << g.crop(i);
        r.mosaics << INFO_MOSAIC{uint8_t(i), g.u8(), g.u8(), g.u8(),  g.u8(),  g.u8(),  g.u8(),
                                 g.u8(),     g.u8(), g.u8(), g.u16(), g.u16(), g.u16(), g.u16()};
        r.chromaKeys << INFO_CHROMA{g.u8(), g.u8(), g.u8(), g.u8(), g.u8(), g.u8(), g.u8(), g.u8(), g.u8()};
        INFO_IMAGE_ADVANCED a;
        for (int k = 0; k < INFO_IMAGE_ADVANCED::Size; ++k)
            a.setByte(k, g.u8());
        a.winId = uint8_t(i * 2);
        r.imageAdvanced << a;
    }
    for (int i = 0; i < 4; ++i) {
        r.edid << g.edid(uint8_t(32 + i));
        r.outputEnhance << INFO_OUTPUT_ENHANCE{uint8_t(i), g.u8()};
    }
    for (int i = 0; i < 2; ++i)
        r.borders << INFO_BORDER{g.u8(), g.u8(), g.u16(), g.u16(), g.u16(), g.u16(), g.u16()};
    r.presets << g.preset(-5, 2, 4, 3, 4) << g.preset(2, 1, 4, 2, 4) << g.preset(9, 0, 4, 1, 4);
    INFO_TEMPLATE t;
    t.templateId = 1, t.group = g.s32();
    t.panels << g.entry(4);
    t.windows << g.entry(4) << g.entry(4);
    r.templates << t;
    for (int i = 0; i < DEVICE_INFO_KS::TimeTaskCount; ++i)
        r.timeTasks[size_t(i)] = INFO_TIME_TASK{g.u8(), g.u8(), uint8_t(i), g.u8(),  g.u8(),  g.u8(), g.u8(),
                                                g.u8(), g.u8(), g.u8(),     g.s16(), g.s16(), g.s16()};
    for (int k = 0; k < INFO_OTHER_KS9200::Size; ++k)
        r.other.setByte(k, g.u8());
    r.outputMode =
        INFO_PANEL_OTHERSETTING{g.u8(), g.u8(), g.u16(), g.u16(), g.u16(), g.u16(), g.u16(), g.u16()};
    r.signalMode = g.u8();
    r.dviAudioMode = g.u8();
    r.allTasksOn = 1;
    r.inputSignals << INFO_INPUTSINGLE{32, 1920, 1080, 60, 1};
    return d;
}

ConfigDevice plainDevice(int type)
{
    ConfigDevice d;
    if (isGwType(type)) {
        DEVICE_INFO_GW &r = d.gw;
        basicIdentity(r, type, 1);
        r.hasUsb = r.hasSdi = 0;
        for (int a = 0; a < 8; ++a) {
            INFO_PANEL p;
            p.id = uint16_t(a), p.x = uint16_t((a % 4) * 1920), p.y = uint16_t((a / 4) * 1080);
            p.width = p.resWidth = 1920, p.height = p.resHeight = 1080, p.index = 1, p.rate = 60, p.row = 2, p.col = 4;
            r.panels << p;
            r.mappings << INFO_MAPPING{uint8_t(a), uint8_t(a), 0, 0, 0, 0};
        }
        const int rects[3][6] = {
            {0, 0, 1920, 1080, 0, 1}, {1920, 0, 3840, 1080, 1, 2}, {600, 1300, 1280, 720, 2, 3}};
        for (int w = 0; w < 3; ++w) {
            INFO_WINDOW win;
            win.flag0 = win.flag1 = win.flag2 = 1, win.winId = uint16_t(w), win.param1 = 100;
            win.x = uint16_t(rects[w][0]), win.y = uint16_t(rects[w][1]);
            win.width = uint16_t(rects[w][2]), win.height = uint16_t(rects[w][3]);
            win.param2 = uint16_t(rects[w][4]), win.param3 = win.srcId = uint16_t(rects[w][5]);
            r.windows << win;
            r.imageQuality << INFO_IMAGE_QUALITY{uint16_t(w), 50, 50, 12, 50, 50, 0, 0, 0, 0, 0, 0, 0};
            r.inputCrops << INFO_INPUTCROP{uint16_t(w), 0, 0, 0, 1920, 1080};
        }
        for (int i = 0; i < 8; ++i)
            r.edid << INFO_EDID{uint8_t(i), 60, 1920, 1080};
        r.other = INFO_OTHER_GW5{0, 2, 2, 0, 0, 0};
        return d;
    }
    DEVICE_INFO_KS &r = d.ks;
    basicIdentity(r, type, 1);
    r.hasUsb = r.hasSdi = 0;
    const bool two = type == DeviceType::KS9200 || isKxType(type);
    for (int i = 0; i < (two ? 2 : 1); ++i)
        r.panels << INFO_PANEL{uint16_t(i), uint16_t(i * 1920), 0, 1920, 1080, 60, 0, 0, 0, 0, 0, 0};
    const QStringList inputs = inputNames(type, false, false);
    for (int w = 0; w < 3; ++w) {
        INFO_WINDOW win;
        win.flag0 = 1, win.winId = uint16_t(w), win.srcId = 1, win.x = uint16_t(w * 640), win.width = 640;
        win.height = 480, win.param1 = 100, win.param2 = uint16_t(inputIdFromName(inputs.value(w)));
        r.windows << win;
        r.imageQuality << INFO_IMAGE_QUALITY{uint16_t(w), 50, 50, 12, 50, 50, 2, 0, 0, 0, 0, 0, 0};
        r.inputCrops << INFO_INPUTCROP{uint16_t(w), 0, 0, 0, 1920, 1080};
        r.mosaics << INFO_MOSAIC(), r.chromaKeys << INFO_CHROMA();
        r.mosaics.last().winId = r.chromaKeys.last().winId = uint8_t(w);
        if (isKxType(type))
            r.imageAdvanced << INFO_IMAGE_ADVANCED(), r.imageAdvanced.last().winId = uint8_t(w);
    }
    for (const QString &name : inputs)
        r.edid << INFO_EDID{uint8_t(inputIdFromName(name)), 60, 1920, 1080};
    for (int i = 0; i < 4; ++i)
        r.borders << INFO_BORDER{0, 1, 0, 0, 1920, 1080, 4};
    // DVI1 A and B, DVI2 A and B, as the output dialog reads them.
    r.outputEnhance << INFO_OUTPUT_ENHANCE{0, 0} << INFO_OUTPUT_ENHANCE{0, 0};
    for (int id : {0, 1}) {
        INFO_PRESET p;
        p.id = id;
        for (const INFO_PANEL &pn : r.panels)
            p.panels << PRESET_ENTRY{pn.x, pn.y, pn.width, pn.height};
        for (const INFO_WINDOW &w : r.windows)
            p.windows << PRESET_ENTRY{w.x, w.y, w.width, w.height};
        r.presets << p;
    }
    for (int i = 0; i < DEVICE_INFO_KS::TimeTaskCount; ++i)
        r.timeTasks[size_t(i)].index = uint8_t(i);
    r.other.volume = 20, r.other.fadePeriod = 5, r.allTasksOn = 1;
    return d;
}

QStringList identity(const INFO_BASIC &b)
{
    return {QString::number(b.type), QString::number(b.hasUsb), QString::number(b.hasSdi), QString::number(b.linkType),
            b.address.toString(),    b.name,                    b.cpuid,                   b.version};
}

bool sameSettings(const DEVICE_INFO_KS &a, const DEVICE_INFO_KS &b)
{
    return a.panels == b.panels && a.windows == b.windows && a.imageQuality == b.imageQuality &&
           a.inputCrops == b.inputCrops && a.presets == b.presets && a.templates == b.templates &&
           a.mosaics == b.mosaics && a.timeTasks == b.timeTasks && a.edid == b.edid &&
           a.chromaKeys == b.chromaKeys && a.borders == b.borders && a.outputEnhance == b.outputEnhance &&
           a.other == b.other && a.imageAdvanced == b.imageAdvanced && a.outputMode == b.outputMode &&
           a.signalMode == b.signalMode && a.dviAudioMode == b.dviAudioMode && a.allTasksOn == b.allTasksOn;
}

bool sameSettings(const DEVICE_INFO_GW &a, const DEVICE_INFO_GW &b)
{
    return a.panels == b.panels && a.mappings == b.mappings && a.windows == b.windows &&
           a.imageQuality == b.imageQuality && a.inputCrops == b.inputCrops && a.presets == b.presets &&
           a.edid == b.edid && a.other == b.other;
}
QByteArray editDevice(const QByteArray &json, int index, const std::function<void(QJsonObject &)> &edit)
{
    QJsonObject root = QJsonDocument::fromJson(json).object();
    QJsonArray devices = root.value("devices").toArray();
    QJsonObject d = devices.at(index).toObject();
    edit(d);
    devices[index] = d;
    root["devices"] = devices;
    return QJsonDocument(root).toJson();
}

QByteArray badFile(const QByteArray &good, const QString &kind)
{
    if (kind == "not JSON")
        return "PK\x03\x04 zip";
    if (kind == "truncated")
        return good.left(good.size() / 2);
    QJsonObject root = QJsonDocument::fromJson(good).object();
    QJsonArray devices = root["devices"].toArray();
    QJsonObject d = devices[0].toObject(), first = d["windows"].toArray()[0].toObject();
    QJsonArray w = d["windows"].toArray();
    first["width"] = 70000;
    if (kind == "newer format")
        root["format"] = 3;
    else if (kind == "value out of range")
        w[0] = first;
    while (kind == "list too long" && w.size() < 19)
        w.append(w.at(0));
    d["windows"] = w, devices[0] = d, root["devices"] = devices;
    return QJsonDocument(root).toJson();
}
void badFileRows()
{
    QTest::addColumn<QString>("message");
    const QString hall = QStringLiteral("devices[0] (KS9200 \"Hall\"): windows");
    QTest::newRow("not JSON") << QString("The file is not valid JSON");
    QTest::newRow("truncated") << QString("it is truncated");
    QTest::newRow("newer format") << QString("The file is of format 3, this program reads up to 1.");
    QTest::newRow("value out of range") << hall + "[0].width: 70000 is outside 0..65535";
    QTest::newRow("list too long") << hall + ": has 19 entries, at most 18 are allowed";
}
} // namespace ConfigSamples
