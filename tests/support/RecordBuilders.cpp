#include "RecordBuilders.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "TestSupport.h"

#include <QSignalSpy>

namespace RecordBuilders {
namespace {
QByteArray withChecksum(QByteArray f)
{
    uint sum = 0;
    for (char c : f)
        sum += uint8_t(c);
    f.append(char(sum & 0xFF));
    return f;
}

INFO_WINDOW window(int id, int x, int y, int width, int height, int input, int layer)
{
    INFO_WINDOW w;
    w.flag0 = w.flag1 = 1;
    w.winId = uint16_t(id);
    w.srcId = 1;
    w.x = uint16_t(x);
    w.y = uint16_t(y);
    w.width = uint16_t(width);
    w.height = uint16_t(height);
    w.param1 = 100;
    w.param2 = uint16_t(input);
    w.param3 = uint16_t(layer);
    return w;
}

INFO_PANEL panel(int id, int x, int y)
{
    INFO_PANEL p;
    p.id = uint16_t(id);
    p.x = uint16_t(x);
    p.y = uint16_t(y);
    p.width = 1920;
    p.height = 1080;
    return p;
}
} // namespace

QByteArray hostFrame(uint8_t cmd, uint8_t sub, const char *params)
{
    QByteArray f = TestSupport::hex("5A 5A 17 00");
    f.append(char(cmd)).append(char(sub));
    f.append(TestSupport::hex(params).leftJustified(16, '\0', true));
    return withChecksum(f);
}

QByteArray hostFrame(uint8_t cmd, uint8_t sub, std::initializer_list<int> params)
{
    QByteArray f = TestSupport::hex("5A 5A 17 00");
    f.append(char(cmd)).append(char(sub));
    QByteArray p;
    for (int v : params)
        p.append(char(v & 0xFF));
    f.append(p.leftJustified(16, '\0', true));
    return withChecksum(f);
}

QList<QByteArray> sentFrames(const QSignalSpy &spy)
{
    QList<QByteArray> out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).toByteArray();
    return out;
}

INFO_INPUTCROP inputCrop(int index, int enable, int x, int y, int width, int height)
{
    INFO_INPUTCROP c;
    c.index = uint16_t(index);
    c.enable = uint8_t(enable);
    c.x = uint16_t(x);
    c.y = uint16_t(y);
    c.width = uint16_t(width);
    c.height = uint16_t(height);
    return c;
}

INFO_MOSAIC mosaicUnits(int h, int v, int position)
{
    INFO_MOSAIC m;
    m.winId = 1;
    m.mode = 0;
    m.hUnits = uint8_t(h);
    m.vUnits = uint8_t(v);
    m.unitIndex = uint8_t(position);
    return m;
}

INFO_PANEL outputPanel(int index, int width, int height, int rate)
{
    INFO_PANEL p;
    p.index = uint16_t(index);
    p.width = uint16_t(width);
    p.height = uint16_t(height);
    p.rate = uint16_t(rate);
    return p;
}

QList<INFO_IMAGE_QUALITY> imageQualityList(int count)
{
    QList<INFO_IMAGE_QUALITY> list;
    for (int i = 0; i < count; ++i) {
        INFO_IMAGE_QUALITY q;
        q.index = uint16_t(i);
        q.brightness = q.contrast = q.hue = q.saturation = 50;
        q.sharpness = 12;
        list << q;
    }
    return list;
}

QList<INFO_IMAGE_ADVANCED> imageAdvancedList(int count)
{
    QList<INFO_IMAGE_ADVANCED> list;
    for (int i = 0; i < count; ++i) {
        INFO_IMAGE_ADVANCED a;
        a.winId = uint8_t(i);
        a.colorTempMode = 3;
        a.colorTempRed = uint8_t(10 + i);
        a.colorTempGreen = uint8_t(20 + i);
        a.colorTempBlue = uint8_t(30 + i);
        a.colorMode = 1;
        for (int g = 0; g < 3; ++g) {
            const int base = 40 + 10 * g + i;
            a.rgbcmy[g] = RGBCMY{uint8_t(base),     uint8_t(base + 1), uint8_t(base + 2),
                                 uint8_t(base + 3), uint8_t(base + 4), uint8_t(base + 5)};
        }
        a.clearVision = 2;
        a.luminance = uint8_t(5 + i);
        a.skinTone = uint8_t(6 + i);
        a.gaussianBlur = uint8_t(7 + i);
        a.colorGamut = 4;
        a.inRange = 1;
        a.inFMT = 3;
        a.winFMT = 2;
        list << a;
    }
    return list;
}

INFO_EDID edid(int srcId, int width, int height, int rate)
{
    INFO_EDID e;
    e.srcId = uint8_t(srcId);
    e.width = uint16_t(width);
    e.height = uint16_t(height);
    e.rate = uint8_t(rate);
    return e;
}

std::shared_ptr<DEVICE_INFO_KS> ksWall(const QString &cpuid, int type, const QString &name, int panels,
                                       const QList<int> &inputs, const QList<int> &presets)
{
    auto r = std::make_shared<DEVICE_INFO_KS>();
    r->cpuid = cpuid;
    r->type = type;
    r->name = name;
    r->online = 1;
    for (int i = 0; i < panels; ++i)
        r->panels << panel(i, i * 1920, 0);
    for (int i = 0; i < inputs.size(); ++i)
        r->windows << window(i, i * 1920, 0, 1920, 1080, inputs[i], 0);
    for (int id : presets) {
        INFO_PRESET p;
        p.id = id;
        r->presets << p;
    }
    return r;
}

std::shared_ptr<DEVICE_INFO_GW> gwWall(const QString &cpuid, const QString &name, int outputCards,
                                       int inputCards, const QList<int> &inputs)
{
    auto r = std::make_shared<DEVICE_INFO_GW>();
    r->cpuid = cpuid;
    r->type = 48;
    r->name = name;
    r->online = 1;
    r->other.outputCards = int8_t(outputCards);
    r->other.other2 = uint8_t(inputCards);
    for (int i = 0; i < 4; ++i)
        r->panels << panel(i, (i % 2) * 1920, (i / 2) * 1080);
    for (int i = 0; i < inputs.size(); ++i)
        r->windows << window(i, (i % 2) * 1920, (i / 2) * 1080, 1920, 1080, inputs[i], i + 1);
    return r;
}
} // namespace RecordBuilders
