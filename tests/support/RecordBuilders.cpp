#include "RecordBuilders.h"
#include "TestSupport.h"
#include <QSignalSpy>
#include <numeric>

namespace RecordBuilders {
namespace {
// Sync, length, command, sub-command, 16 parameter bytes (cut or zero-filled) and the additive checksum.
QByteArray frame(uint8_t cmd, uint8_t sub, const QByteArray &params)
{
    QByteArray f = TestSupport::hex("5A 5A 17 00") + char(cmd) + char(sub) + params.leftJustified(16, '\0', true);
    return f + char(std::accumulate(f.begin(), f.end(), 0u, [](uint s, char c) { return s + uint8_t(c); }) & 0xFF);
}

// Open, showing a source, opaque.
INFO_WINDOW window(int id, int x, int y, int width, int height, int input, int layer)
{
    using U = uint16_t;
    return INFO_WINDOW{1, 1, 0, 0, U(id), 1, U(x), U(y), U(width), U(height), 100, U(input), U(layer)};
}

INFO_PANEL panel(int id, int x, int y) { return INFO_PANEL{uint16_t(id), uint16_t(x), uint16_t(y), 1920, 1080}; }
} // namespace

QByteArray hostFrame(uint8_t cmd, uint8_t sub, const char *params) { return frame(cmd, sub, TestSupport::hex(params)); }

QByteArray hostFrame(uint8_t cmd, uint8_t sub, std::initializer_list<int> params)
{
    QByteArray p;
    for (int v : params)
        p.append(char(v & 0xFF));
    return frame(cmd, sub, p);
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
    using U = uint16_t;
    return INFO_INPUTCROP{U(index), uint8_t(enable), U(x), U(y), U(width), U(height)};
}

INFO_MOSAIC mosaicUnits(int h, int v, int position)
{
    INFO_MOSAIC m;
    m.winId = 1, m.mode = 0, m.hUnits = uint8_t(h), m.vUnits = uint8_t(v), m.unitIndex = uint8_t(position);
    return m;
}

INFO_PANEL outputPanel(int index, int width, int height, int rate)
{
    return INFO_PANEL{0, 0, 0, uint16_t(width), uint16_t(height), uint16_t(rate), uint16_t(index)};
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
        a.colorTempMode = 3, a.colorMode = 1;
        a.colorTempRed = uint8_t(10 + i), a.colorTempGreen = uint8_t(20 + i), a.colorTempBlue = uint8_t(30 + i);
        for (int g = 0; g < 3; ++g) {
            const int base = 40 + 10 * g + i;
            a.rgbcmy[g] = RGBCMY{uint8_t(base),     uint8_t(base + 1), uint8_t(base + 2),
                                 uint8_t(base + 3), uint8_t(base + 4), uint8_t(base + 5)};
        }
        a.luminance = uint8_t(5 + i), a.skinTone = uint8_t(6 + i), a.gaussianBlur = uint8_t(7 + i);
        a.clearVision = 2, a.colorGamut = 4, a.inRange = 1, a.inFMT = 3, a.winFMT = 2;
        list << a;
    }
    return list;
}

INFO_EDID edid(int srcId, int width, int height, int rate)
{
    return INFO_EDID{uint8_t(srcId), uint8_t(rate), uint16_t(width), uint16_t(height)};
}

std::shared_ptr<DEVICE_INFO_KS> ksWall(const QString &cpuid, int type, const QString &name, int panels,
                                       const QList<int> &inputs, const QList<int> &presets)
{
    auto r = std::make_shared<DEVICE_INFO_KS>();
    r->cpuid = cpuid, r->type = type, r->name = name, r->online = 1;
    for (int i = 0; i < panels; ++i)
        r->panels << panel(i, i * 1920, 0);
    for (int i = 0; i < inputs.size(); ++i)
        r->windows << window(i, i * 1920, 0, 1920, 1080, inputs[i], 0);
    for (int id : presets)
        r->presets << INFO_PRESET(), r->presets.last().id = id;
    return r;
}

std::shared_ptr<DEVICE_INFO_GW> gwWall(const QString &cpuid, const QString &name, int outputCards, int inputCards,
                                       const QList<int> &inputs)
{
    auto r = std::make_shared<DEVICE_INFO_GW>();
    r->cpuid = cpuid, r->type = 48, r->name = name, r->online = 1;
    r->other.outputCards = int8_t(outputCards);
    r->other.other2 = uint8_t(inputCards);
    for (int i = 0; i < 4; ++i)
        r->panels << panel(i, (i % 2) * 1920, (i / 2) * 1080);
    for (int i = 0; i < inputs.size(); ++i)
        r->windows << window(i, (i % 2) * 1920, (i / 2) * 1080, 1920, 1080, inputs[i], i + 1);
    return r;
}
} // namespace RecordBuilders
