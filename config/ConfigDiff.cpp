#include "ConfigDiff.h"

#include "DeviceModels.h"

#include <QCoreApplication>

namespace {

using D = ConfigDifference;

QString none()
{
    return ConfigDiff::tr("none");
}

QString onOff(int v)
{
    return v ? ConfigDiff::tr("on") : ConfigDiff::tr("off");
}

QString rectText(int x, int y, int w, int h)
{
    return QStringLiteral("%1x%2 at %3,%4").arg(w).arg(h).arg(x).arg(y);
}

QString resolutionText(int w, int h, int rate, int index)
{
    return ConfigDiff::tr("%1x%2 %3 Hz, preset %4").arg(w).arg(h).arg(rate).arg(index);
}

QString entriesText(const QList<PRESET_ENTRY> &entries)
{
    QStringList parts;
    for (const PRESET_ENTRY &e : entries) {
        QStringList values;
        for (int i = 0; i < e.count; ++i)
            values << QString::number(e.value(i));
        parts << values.join(QLatin1Char(' '));
    }
    return parts.join(QStringLiteral("; "));
}

QString presetText(const INFO_PRESET &p)
{
    return ConfigDiff::tr("outputs: %1 | windows: %2").arg(entriesText(p.panels), entriesText(p.windows));
}

QString taskText(const INFO_TIME_TASK &t)
{
    static const char *const types[] = {QT_TRANSLATE_NOOP("ConfigDiff", "once"),
                                        QT_TRANSLATE_NOOP("ConfigDiff", "every day"),
                                        QT_TRANSLATE_NOOP("ConfigDiff", "cycle within a day"),
                                        QT_TRANSLATE_NOOP("ConfigDiff", "cycle daily")};
    const QString type =
        t.taskType < 4 ? ConfigDiff::tr(types[t.taskType]) : ConfigDiff::tr("type %1").arg(t.taskType);
    const QString when = QStringLiteral("20%1-%2-%3 %4:%5:%6")
                             .arg(t.year, 2, 10, QLatin1Char('0'))
                             .arg(t.month, 2, 10, QLatin1Char('0'))
                             .arg(t.day, 2, 10, QLatin1Char('0'))
                             .arg(t.hour, 2, 10, QLatin1Char('0'))
                             .arg(t.minute, 2, 10, QLatin1Char('0'))
                             .arg(t.second, 2, 10, QLatin1Char('0'));
    const QString what = t.taskType <= 1 ? ConfigDiff::tr("target %1").arg(t.target)
                                         : ConfigDiff::tr("presets %1, every %2 min for %3 min")
                                               .arg(uint16_t(t.p10))
                                               .arg(t.p12)
                                               .arg(t.p14);
    return QStringLiteral("%1, %2, %3, %4").arg(onOff(t.state), type, when, what);
}

QString mosaicText(const INFO_MOSAIC &m)
{
    const QString cut =
        m.mode == 0 ? ConfigDiff::tr("units %1x%2 position %3").arg(m.hUnits).arg(m.vUnits).arg(m.unitIndex)
        : m.mode == 1
            ? ConfigDiff::tr("pixels %1").arg(rectText(m.startX, m.startY, m.totalWidth, m.totalHeight))
            : ConfigDiff::tr("mode %1").arg(m.mode);
    return ConfigDiff::tr("%1, %2, tune %3 %4 %5 %6")
        .arg(onOff(m.enable), cut)
        .arg(m.p3)
        .arg(m.p4)
        .arg(m.p5)
        .arg(m.p6);
}

QString chromaText(const INFO_CHROMA &c)
{
    if (c.mode == 0)
        return ConfigDiff::tr("%1, preset colour %2").arg(onOff(c.enable)).arg(c.presetColor);
    return ConfigDiff::tr("%1, mode %2, filters %3 %4, colour %5 %6 %7")
        .arg(onOff(c.enable))
        .arg(c.mode)
        .arg(c.rgbFilter1)
        .arg(c.rgbFilter2)
        .arg(c.red)
        .arg(c.green)
        .arg(c.blue);
}

QString rgbcmyText(const RGBCMY &r)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(r.red)
        .arg(r.green)
        .arg(r.blue)
        .arg(r.cyan)
        .arg(r.magenta)
        .arg(r.yellow);
}

const char *pictureItemName(int item)
{
    switch (item) {
    case 1:
        return QT_TRANSLATE_NOOP("ConfigDiff", "brightness");
    case 2:
        return QT_TRANSLATE_NOOP("ConfigDiff", "contrast");
    case 3:
        return QT_TRANSLATE_NOOP("ConfigDiff", "sharpness");
    case 4:
        return QT_TRANSLATE_NOOP("ConfigDiff", "hue");
    case 5:
        return QT_TRANSLATE_NOOP("ConfigDiff", "saturation");
    case 6:
        return QT_TRANSLATE_NOOP("ConfigDiff", "red offset");
    case 7:
        return QT_TRANSLATE_NOOP("ConfigDiff", "green offset");
    case 8:
        return QT_TRANSLATE_NOOP("ConfigDiff", "blue offset");
    case 9:
        return QT_TRANSLATE_NOOP("ConfigDiff", "gamma");
    default:
        return "";
    }
}

int pictureValue(const INFO_IMAGE_QUALITY &q, int item)
{
    switch (item) {
    case 1:
        return q.brightness;
    case 2:
        return q.contrast;
    case 3:
        return q.sharpness;
    case 4:
        return q.hue;
    case 5:
        return q.saturation;
    case 6:
        return q.redOffset;
    case 7:
        return q.greenOffset;
    case 8:
        return q.blueOffset;
    case 9:
        return q.gamma;
    case 10:
        return q.greenGain;
    case 11:
        return q.blueGain;
    default:
        return 0;
    }
}

// Item 9 is gamma on KS models and the red gain on GW models.
int gwPictureValue(const INFO_IMAGE_QUALITY &q, int item)
{
    return item == 9 ? q.redGain : pictureValue(q, item);
}

QString gwPictureName(int item)
{
    switch (item) {
    case 9:
        return ConfigDiff::tr("red gain");
    case 10:
        return ConfigDiff::tr("green gain");
    case 11:
        return ConfigDiff::tr("blue gain");
    default:
        return ConfigDiff::tr(pictureItemName(item));
    }
}

template <typename T, typename K> const T *findBy(const QList<T> &list, int key, K keyOf)
{
    for (const T &t : list)
        if (keyOf(t) == key)
            return &t;
    return nullptr;
}

// Which selector sets the EDID signal mode or DVI audio input, by type: 1 for types 1 and 2
// (signal mode), 2 for type 4 (audio input, sub-command 1), 3 for 16..18 (audio input,
// sub-command 2), 0 for the types without one.
int edidModeClass(int type)
{
    if (type == 1 || type == 2)
        return 1;
    if (type == 4)
        return 2;
    if (type >= 16 && type <= 18)
        return 3;
    return 0;
}

class Builder
{
public:
    Builder(const QStringList &only) : onlyGroups(only) {}

    bool wants(const QString &group) const { return onlyGroups.isEmpty() || onlyGroups.contains(group); }

    void add(const QString &group, D::Setting setting, int index, int item, const QString &name,
             const QString &fileValue, const QString &deviceValue, const QString &notApplicable = QString())
    {
        if (fileValue == deviceValue || !wants(group))
            return;
        out.append(D{group, setting, index, item, name, fileValue, deviceValue, notApplicable});
    }

    QList<ConfigDifference> out;

private:
    QStringList onlyGroups;
};

// ---- KS family ----------------------------------------------------------------------------

class KsDiff
{
public:
    KsDiff(const DEVICE_INFO_KS &f, const DEVICE_INFO_KS &d, Builder &b) : file(f), dev(d), out(b)
    {
        fileKx = isKxType(f.type);
        devKx = isKxType(d.type);
        model = modelName(d.type);
        for (const QString &n : inputNames(d.type, d.hasUsb, d.hasSdi))
            inputs.append(inputIdFromName(n));
        const int nf = file.windows.size(), nt = dev.windows.size();
        const auto source = ConfigDiff::ksLayoutSource(nf, file, dev, out.wants(QStringLiteral("presets")));
        countRestorable = source.kind != ConfigDiff::KsLayoutSource::None;
        reachable = countRestorable ? nf : qMin(nf, nt);
    }

    void run()
    {
        outputs();
        layout();
        picture();
        edid();
        mosaic();
        chroma();
        audio();
        switches();
        tasks();
        presets();
    }

private:
    QString windowMissing(int winId) const
    {
        if (winId < reachable)
            return QString();
        return ConfigDiff::tr("the device's layout has %1 windows").arg(dev.windows.size());
    }

    QString kxOnly() const
    {
        return devKx ? QString() : ConfigDiff::tr("the %1 has no such setting").arg(model);
    }

    void outputs()
    {
        const QString g = QStringLiteral("outputs");
        if (fileKx) {
            const auto text = [](const INFO_PANEL_OTHERSETTING &m) {
                return ConfigDiff::tr("mode %1, exchange %2").arg(m.mode).arg(onOff(m.mode2));
            };
            out.add(g, D::OutputMode, -1, -1, ConfigDiff::tr("output mode"), text(file.outputMode),
                    devKx ? text(dev.outputMode) : none(), kxOnly());
        }
        // A KS9200 sets each output; a KX model sets all outputs at once; the others one output.
        const int settable = dev.type == DeviceType::KS9200 ? dev.panels.size() : qMin(1, dev.panels.size());
        for (int i = 0; i < file.panels.size(); ++i) {
            const INFO_PANEL &p = file.panels[i];
            const QString fv = resolutionText(p.width, p.height, p.rate, p.index);
            if (devKx && i > 0) {
                // Follows output 1 on a KX model.
                const INFO_PANEL &first = file.panels[0];
                if (fv != resolutionText(first.width, first.height, first.rate, first.index))
                    out.add(g, D::OutputResolution, i, -1, ConfigDiff::tr("output %1 resolution").arg(i + 1),
                            fv, none(),
                            ConfigDiff::tr("the %1 sets all outputs to one resolution").arg(model));
                continue;
            }
            const QString dv = i < dev.panels.size()
                                   ? resolutionText(dev.panels[i].width, dev.panels[i].height,
                                                    dev.panels[i].rate, dev.panels[i].index)
                                   : none();
            out.add(g, D::OutputResolution, i, -1, ConfigDiff::tr("output %1 resolution").arg(i + 1), fv, dv,
                    i < settable ? QString()
                                 : ConfigDiff::tr("the %1 has %2 settable outputs").arg(model).arg(settable));
        }
        const auto bg = [](const INFO_OTHER_KS9200 &o) {
            return o.bgEnable ? QStringLiteral("%1 %2 %3").arg(o.bgRed).arg(o.bgGreen).arg(o.bgBlue)
                              : onOff(0);
        };
        out.add(g, D::Background, -1, -1, ConfigDiff::tr("background colour"), bg(file.other), bg(dev.other),
                file.other.bgEnable ? QString()
                                    : ConfigDiff::tr("no frame switches the background colour off"));
        const auto border = [](const INFO_BORDER &b) {
            return ConfigDiff::tr("%1, colour %2, %3, thickness %4")
                .arg(onOff(b.enable))
                .arg(b.color)
                .arg(rectText(b.x, b.y, b.width, b.height))
                .arg(b.thickness);
        };
        for (int i = 0; i < file.borders.size(); ++i)
            out.add(g, D::Border, i, -1, ConfigDiff::tr("border %1").arg(i + 1), border(file.borders[i]),
                    i < dev.borders.size() ? border(dev.borders[i]) : none(),
                    i < dev.borders.size()
                        ? QString()
                        : ConfigDiff::tr("the device has %1 borders").arg(dev.borders.size()));
        // KT models have no output enhance.
        const auto hasEnhance = [](int type) {
            return !(type == DeviceType::KT2200 || type == DeviceType::KT4200);
        };
        if (!file.outputEnhance.isEmpty() && hasEnhance(file.type)) {
            const auto enhance = [](const QList<INFO_OUTPUT_ENHANCE> &l) {
                QStringList s;
                for (int i = 0; i < 2; ++i)
                    s << QStringLiteral("%1 %2").arg(onOff(l.value(i).index)).arg(onOff(l.value(i).value));
                return s.join(QStringLiteral(", "));
            };
            const bool has = hasEnhance(dev.type);
            out.add(g, D::OutputEnhance, -1, -1, ConfigDiff::tr("output enhance"),
                    enhance(file.outputEnhance),
                    has && !dev.outputEnhance.isEmpty() ? enhance(dev.outputEnhance) : none(),
                    has && !dev.outputEnhance.isEmpty()
                        ? QString()
                        : ConfigDiff::tr("the %1 has no such setting").arg(model));
        }
    }

    void layout()
    {
        const QString g = QStringLiteral("layout");
        const int nf = file.windows.size(), nt = dev.windows.size();
        out.add(
            g, D::WindowCount, -1, -1, ConfigDiff::tr("number of windows"), QString::number(nf),
            QString::number(nt),
            countRestorable
                ? QString()
                : ConfigDiff::tr("a layout of %1 windows comes only from a template or preset of that many "
                                 "windows, and neither the file nor the device has one")
                      .arg(nf));
        for (int i = 0; i < nf; ++i) {
            const INFO_WINDOW &w = file.windows[i];
            const INFO_WINDOW *d = i < nt ? &dev.windows[i] : nullptr;
            const QString missing = windowMissing(i);
            out.add(g, D::WindowGeometry, i, -1, ConfigDiff::tr("window %1 geometry").arg(i + 1),
                    rectText(w.x, w.y, w.width, w.height),
                    d ? rectText(d->x, d->y, d->width, d->height) : none(), missing);
            out.add(g, D::WindowTransparency, i, -1, ConfigDiff::tr("window %1 transparency").arg(i + 1),
                    QString::number(w.param1), d ? QString::number(d->param1) : none(), missing);
            QString noSource = missing;
            if (noSource.isEmpty() && !inputs.contains(w.param2))
                noSource = ConfigDiff::tr("the %1 has no %2").arg(model, inputName(w.param2));
            out.add(g, D::WindowSource, i, -1, ConfigDiff::tr("window %1 source").arg(i + 1),
                    inputName(w.param2), d ? inputName(d->param2) : none(), noSource);
            if (fileKx)
                out.add(g, D::WindowRotation, i, -1, ConfigDiff::tr("window %1 rotation").arg(i + 1),
                        QString::number(w.rotate), d && devKx ? QString::number(d->rotate) : none(),
                        missing.isEmpty() ? kxOnly() : missing);
        }
        const auto crop = [](const INFO_INPUTCROP &c) {
            return QStringLiteral("%1, %2").arg(onOff(c.enable), rectText(c.x, c.y, c.width, c.height));
        };
        for (int i = 0; i < file.inputCrops.size() && i < nf; ++i)
            out.add(g, D::WindowCrop, i, -1, ConfigDiff::tr("window %1 input crop").arg(i + 1),
                    crop(file.inputCrops[i]), i < dev.inputCrops.size() ? crop(dev.inputCrops[i]) : none(),
                    windowMissing(i));
    }

    void picture()
    {
        const QString g = QStringLiteral("picture");
        for (int i = 0; i < file.imageQuality.size() && i < file.windows.size(); ++i) {
            const INFO_IMAGE_QUALITY &q = file.imageQuality[i];
            const INFO_IMAGE_QUALITY *d = i < dev.imageQuality.size() ? &dev.imageQuality[i] : nullptr;
            for (int item = 1; item <= 9; ++item) {
                if (item == 9 && !fileKx)
                    continue; // gamma is set on KX models only
                out.add(g, D::PictureItem, i, item,
                        ConfigDiff::tr("window %1 %2").arg(i + 1).arg(ConfigDiff::tr(pictureItemName(item))),
                        QString::number(pictureValue(q, item)),
                        d && (item != 9 || devKx) ? QString::number(pictureValue(*d, item)) : none(),
                        item == 9 ? (windowMissing(i).isEmpty() ? kxOnly() : windowMissing(i))
                                  : windowMissing(i));
            }
        }
        if (!fileKx)
            return;
        for (const INFO_IMAGE_ADVANCED &a : file.imageAdvanced) {
            const int w = a.winId;
            if (w >= file.windows.size())
                continue;
            const INFO_IMAGE_ADVANCED *d =
                devKx
                    ? findBy(dev.imageAdvanced, w, [](const INFO_IMAGE_ADVANCED &x) { return int(x.winId); })
                    : nullptr;
            const QString why = windowMissing(w).isEmpty() ? kxOnly() : windowMissing(w);
            const auto temp = [](const INFO_IMAGE_ADVANCED &x) {
                return ConfigDiff::tr("mode %1, %2 %3 %4")
                    .arg(x.colorTempMode)
                    .arg(x.colorTempRed)
                    .arg(x.colorTempGreen)
                    .arg(x.colorTempBlue);
            };
            out.add(g, D::ColorTemp, w, -1, ConfigDiff::tr("window %1 colour temperature").arg(w + 1),
                    temp(a), d ? temp(*d) : none(), why);
            out.add(g, D::ColorMode, w, -1, ConfigDiff::tr("window %1 colour mode").arg(w + 1),
                    QString::number(a.colorMode), d ? QString::number(d->colorMode) : none(), why);
            for (int set = 0; set < 3; ++set)
                out.add(g, D::Rgbcmy, w, set, ConfigDiff::tr("window %1 RGBCMY %2").arg(w + 1).arg(set + 1),
                        rgbcmyText(a.rgbcmy[set]), d ? rgbcmyText(d->rgbcmy[set]) : none(), why);
            const auto effect = [](const INFO_IMAGE_ADVANCED &x) {
                return QStringLiteral("%1 %2 %3 %4")
                    .arg(x.clearVision)
                    .arg(x.luminance)
                    .arg(x.skinTone)
                    .arg(x.gaussianBlur);
            };
            out.add(g, D::ImageEffect, w, -1, ConfigDiff::tr("window %1 image effects").arg(w + 1), effect(a),
                    d ? effect(*d) : none(), why);
            const auto expert = [](const INFO_IMAGE_ADVANCED &x) {
                return QStringLiteral("%1 %2 %3 %4")
                    .arg(x.colorGamut)
                    .arg(x.inRange)
                    .arg(x.inFMT)
                    .arg(x.winFMT);
            };
            out.add(g, D::ImageExpert, w, -1, ConfigDiff::tr("window %1 colour formats").arg(w + 1),
                    expert(a), d ? expert(*d) : none(), why);
        }
    }

    void edid()
    {
        const QString g = QStringLiteral("edid");
        const auto text = [](const INFO_EDID &e) {
            return QStringLiteral("%1x%2 %3 Hz").arg(e.width).arg(e.height).arg(e.rate);
        };
        for (const INFO_EDID &e : file.edid) {
            const INFO_EDID *d = findBy(dev.edid, e.srcId, [](const INFO_EDID &x) { return int(x.srcId); });
            out.add(g, D::Edid, e.srcId, -1, ConfigDiff::tr("EDID %1").arg(inputName(e.srcId)), text(e),
                    d ? text(*d) : none(),
                    d ? QString() : ConfigDiff::tr("the %1 has no %2").arg(model, inputName(e.srcId)));
        }
        const int fc = edidModeClass(file.type), dc = edidModeClass(dev.type);
        if (fc == 0)
            return;
        const int fv = fc == 3 ? file.dviAudioMode : file.signalMode;
        const int dv = dc == 3 ? dev.dviAudioMode : dev.signalMode;
        const QString name = fc == 1 ? ConfigDiff::tr("DVI signal mode") : ConfigDiff::tr("DVI audio input");
        out.add(g, D::EdidMode, -1, -1, name, QString::number(fv), fc == dc ? QString::number(dv) : none(),
                fc == dc ? QString() : ConfigDiff::tr("the %1 has no such setting").arg(model));
    }

    void mosaic()
    {
        const QString g = QStringLiteral("mosaic");
        for (const INFO_MOSAIC &m : file.mosaics) {
            if (m.winId >= file.windows.size())
                continue;
            const INFO_MOSAIC *d =
                findBy(dev.mosaics, m.winId, [](const INFO_MOSAIC &x) { return int(x.winId); });
            QString why = windowMissing(m.winId);
            if (why.isEmpty() && m.mode > 1)
                why = ConfigDiff::tr("mode %1 cannot be set").arg(m.mode);
            out.add(g, D::Mosaic, m.winId, -1, ConfigDiff::tr("window %1 mosaic").arg(m.winId + 1),
                    mosaicText(m), d ? mosaicText(*d) : none(), why);
        }
    }

    void chroma()
    {
        if (file.type > DeviceType::KS6200R)
            return;
        const QString g = QStringLiteral("chroma");
        const bool has = dev.type <= DeviceType::KS6200R;
        for (const INFO_CHROMA &c : file.chromaKeys) {
            if (c.winId >= file.windows.size())
                continue;
            const INFO_CHROMA *d =
                has ? findBy(dev.chromaKeys, c.winId, [](const INFO_CHROMA &x) { return int(x.winId); })
                    : nullptr;
            const QString why =
                !has ? ConfigDiff::tr("the %1 has no such setting").arg(model) : windowMissing(c.winId);
            out.add(g, D::Chroma, c.winId, -1, ConfigDiff::tr("window %1 chroma key").arg(c.winId + 1),
                    chromaText(c), d ? chromaText(*d) : none(), why);
        }
    }

    void audio()
    {
        const QString g = QStringLiteral("audio");
        const auto mode = [](const INFO_OTHER_KS9200 &o) {
            return o.audioMode ? ConfigDiff::tr("follows the switch")
                               : ConfigDiff::tr("window %1").arg(o.audioWindow + 1);
        };
        out.add(g, D::AudioMode, -1, -1, ConfigDiff::tr("audio source"), mode(file.other), mode(dev.other));
        out.add(g, D::AudioMute, -1, -1, ConfigDiff::tr("audio mute"), onOff(file.other.mute),
                onOff(dev.other.mute));
        if (fileKx)
            out.add(g, D::AudioVolume, -1, -1, ConfigDiff::tr("audio volume"),
                    QString::number(file.other.volume), devKx ? QString::number(dev.other.volume) : none(),
                    kxOnly());
    }

    void switches()
    {
        const QString g = QStringLiteral("switches");
        out.add(g, D::Freeze, -1, -1, ConfigDiff::tr("freeze"), onOff(file.other.freeze),
                onOff(dev.other.freeze));
        out.add(g, D::BlackScreen, -1, -1, ConfigDiff::tr("black screen"), onOff(file.other.blackScreen),
                onOff(dev.other.blackScreen));
        const auto hasPip = [](int t) { return t == 0 || t == 1 || t == 2 || t == 4; };
        if (hasPip(file.type))
            out.add(g, D::Pip, -1, -1, ConfigDiff::tr("picture-in-picture"), onOff(file.other.pip),
                    hasPip(dev.type) ? onOff(dev.other.pip) : none(),
                    hasPip(dev.type) ? QString() : ConfigDiff::tr("the %1 has no such setting").arg(model));
        if (file.type <= DeviceType::KS6200R) {
            const auto fade = [](const INFO_OTHER_KS9200 &o) {
                return o.switchMode ? ConfigDiff::tr("fade, period %1").arg(o.fadePeriod)
                                    : ConfigDiff::tr("cut");
            };
            const bool has = dev.type <= DeviceType::KS6200R;
            out.add(g, D::SwitchMode, -1, -1, ConfigDiff::tr("switch mode"), fade(file.other),
                    has ? fade(dev.other) : none(),
                    has ? QString() : ConfigDiff::tr("the %1 has no such setting").arg(model));
        }
        out.add(g, D::FrameSync, -1, -1, ConfigDiff::tr("frame sync"), onOff(file.other.frameSync),
                onOff(dev.other.frameSync),
                dev.windows.isEmpty() && file.windows.isEmpty() ? ConfigDiff::tr("it is set through a window")
                                                                : QString());
    }

    void tasks()
    {
        const QString g = QStringLiteral("tasks");
        for (int i = 0; i < DEVICE_INFO_KS::TimeTaskCount; ++i) {
            const INFO_TIME_TASK &t = file.timeTasks[size_t(i)];
            out.add(g, D::Task, i, -1, ConfigDiff::tr("task %1").arg(i + 1), taskText(t),
                    taskText(dev.timeTasks[size_t(i)]),
                    t.taskType > 3 ? ConfigDiff::tr("task type %1 cannot be stored").arg(t.taskType)
                                   : QString());
        }
        out.add(g, D::AllTasks, -1, -1, ConfigDiff::tr("all tasks switch"), onOff(file.allTasksOn),
                onOff(dev.allTasksOn));
    }

    void presets()
    {
        const QString g = QStringLiteral("presets");
        for (const INFO_PRESET &p : file.presets) {
            const INFO_PRESET *d = findBy(dev.presets, p.id, [](const INFO_PRESET &x) { return int(x.id); });
            QString why;
            if (p.id < 0)
                why = ConfigDiff::tr("preset number %1 cannot be stored").arg(p.id);
            else if (ConfigDiff::ksLayoutSource(p.windows.size(), file, dev, false).kind ==
                     ConfigDiff::KsLayoutSource::None)
                why = ConfigDiff::tr("a layout of %1 windows comes only from a template or preset of that "
                                     "many windows, and "
                                     "neither the file nor the device has one")
                          .arg(p.windows.size());
            // A preset keeps the outputs of the device that stores it: on another model they
            // follow that model's outputs, and only the windows are compared.
            const bool sameModel = file.type == dev.type;
            const auto text = [&](const INFO_PRESET &x) {
                return sameModel ? presetText(x) : ConfigDiff::tr("windows: %1").arg(entriesText(x.windows));
            };
            out.add(g, D::Preset, p.id, -1, ConfigDiff::tr("preset %1").arg(p.id + 1), text(p),
                    d ? text(*d) : none(), why);
            if (!sameModel && why.isEmpty())
                out.add(g, D::Preset, p.id, 1, ConfigDiff::tr("preset %1 outputs").arg(p.id + 1),
                        entriesText(p.panels), d ? entriesText(d->panels) : none(),
                        ConfigDiff::tr("a preset keeps the outputs of the device that stores it"));
        }
        for (const INFO_PRESET &d : dev.presets) {
            if (!findBy(file.presets, d.id, [](const INFO_PRESET &x) { return int(x.id); }))
                out.add(g, D::Preset, d.id, -1, ConfigDiff::tr("preset %1").arg(d.id + 1), none(),
                        presetText(d), ConfigDiff::tr("a stored preset cannot be deleted"));
        }
    }

    const DEVICE_INFO_KS &file;
    const DEVICE_INFO_KS &dev;
    Builder &out;
    bool fileKx = false, devKx = false, countRestorable = false;
    int reachable = 0;
    QString model;
    QList<int> inputs;
};

// ---- GW family ----------------------------------------------------------------------------

class GwDiff
{
public:
    GwDiff(const DEVICE_INFO_GW &f, const DEVICE_INFO_GW &d, Builder &b) : file(f), dev(d), out(b)
    {
        outputSlots = qBound(0, int(d.other.outputCards), 8) * 4;
        inputSlots = qBound(0, int(d.other.other2), 8) * 4;
    }

    void run()
    {
        outputs();
        layout();
        picture();
        edid();
        switches();
        presets();
    }

private:
    QString beyondOutputs(int slot) const
    {
        return slot < outputSlots ? QString()
                                  : ConfigDiff::tr("the device has %1 output ports").arg(outputSlots);
    }
    QString beyondInputs(int input) const
    {
        return input < inputSlots ? QString() : ConfigDiff::tr("the device has %1 inputs").arg(inputSlots);
    }
    static QString inputText(int input) { return QStringLiteral("Input%1").arg(input + 1); }

    void outputs()
    {
        const QString g = QStringLiteral("outputs");
        if (!file.panels.isEmpty()) {
            const INFO_PANEL &f = file.panels[0];
            const INFO_PANEL *d = dev.panels.isEmpty() ? nullptr : &dev.panels[0];
            out.add(g, D::AreaResolution, -1, -1, ConfigDiff::tr("output resolution"),
                    resolutionText(f.resWidth, f.resHeight, f.rate, f.index),
                    d ? resolutionText(d->resWidth, d->resHeight, d->rate, d->index) : none());
            const auto grid = [](const INFO_PANEL &p) {
                return ConfigDiff::tr("%1 rows, %2 columns, order %3")
                    .arg(p.row)
                    .arg(p.col)
                    .arg(p.arrangement);
            };
            out.add(g, D::AreaLayout, -1, -1, ConfigDiff::tr("area layout"), grid(f), d ? grid(*d) : none(),
                    f.row * f.col <= outputSlots
                        ? QString()
                        : ConfigDiff::tr("the device has %1 output ports").arg(outputSlots));
        }
        for (const INFO_PANEL &p : file.panels) {
            const INFO_PANEL *d = findBy(dev.panels, p.id, [](const INFO_PANEL &x) { return int(x.id); });
            out.add(g, D::Area, p.id, -1, ConfigDiff::tr("area %1").arg(p.id + 1),
                    rectText(p.x, p.y, p.width, p.height),
                    d ? rectText(d->x, d->y, d->width, d->height) : none(), beyondOutputs(p.id));
        }
        for (const INFO_MAPPING &m : file.mappings) {
            const INFO_MAPPING *d =
                findBy(dev.mappings, m.port, [](const INFO_MAPPING &x) { return int(x.port); });
            const auto text = [](const INFO_MAPPING &x) { return ConfigDiff::tr("area %1").arg(x.area + 1); };
            QString why = beyondOutputs(m.port);
            if (why.isEmpty() && m.area >= outputSlots)
                why = ConfigDiff::tr("the device has %1 areas").arg(outputSlots);
            out.add(g, D::Mapping, m.port, -1, ConfigDiff::tr("output port %1").arg(m.port + 1), text(m),
                    d ? text(*d) : none(), why);
        }
    }

    void layout()
    {
        const QString g = QStringLiteral("layout");
        const auto geometry = [](const INFO_WINDOW &w) {
            return ConfigDiff::tr("%1, layer %2").arg(rectText(w.x, w.y, w.width, w.height)).arg(w.param3);
        };
        const auto byId = [](const INFO_WINDOW &x) { return int(x.winId); };
        for (const INFO_WINDOW &w : file.windows) {
            const INFO_WINDOW *d = findBy(dev.windows, w.winId, byId);
            const QString why = beyondOutputs(w.winId);
            out.add(g, D::Window, w.winId, -1, ConfigDiff::tr("window %1").arg(w.winId + 1), geometry(w),
                    d ? geometry(*d) : none(), why);
            out.add(g, D::WindowSource, w.winId, -1, ConfigDiff::tr("window %1 source").arg(w.winId + 1),
                    inputText(w.param2), d ? inputText(d->param2) : none(),
                    why.isEmpty() ? beyondInputs(w.param2) : why);
            out.add(g, D::WindowTransparency, w.winId, -1,
                    ConfigDiff::tr("window %1 transparency").arg(w.winId + 1), QString::number(w.param1),
                    d ? QString::number(d->param1) : none(), why);
        }
        for (const INFO_WINDOW &d : dev.windows)
            if (!findBy(file.windows, d.winId, byId))
                out.add(g, D::Window, d.winId, -1, ConfigDiff::tr("window %1").arg(d.winId + 1), none(),
                        geometry(d));
        const auto crop = [](const INFO_INPUTCROP &c) {
            return QStringLiteral("%1, %2").arg(onOff(c.enable), rectText(c.x, c.y, c.width, c.height));
        };
        for (const INFO_INPUTCROP &c : file.inputCrops) {
            if (!findBy(file.windows, c.index, byId))
                continue;
            const INFO_INPUTCROP *d =
                findBy(dev.inputCrops, c.index, [](const INFO_INPUTCROP &x) { return int(x.index); });
            out.add(g, D::WindowCrop, c.index, -1, ConfigDiff::tr("window %1 input crop").arg(c.index + 1),
                    crop(c), d ? crop(*d) : none(), beyondOutputs(c.index));
        }
    }

    void picture()
    {
        const QString g = QStringLiteral("picture");
        for (const INFO_IMAGE_QUALITY &q : file.imageQuality) {
            if (!findBy(file.windows, q.index, [](const INFO_WINDOW &x) { return int(x.winId); }))
                continue;
            const INFO_IMAGE_QUALITY *d =
                findBy(dev.imageQuality, q.index, [](const INFO_IMAGE_QUALITY &x) { return int(x.index); });
            for (int item : {1, 2, 5, 6, 7, 8, 9, 10, 11})
                out.add(g, D::PictureItem, q.index, item,
                        ConfigDiff::tr("window %1 %2").arg(q.index + 1).arg(gwPictureName(item)),
                        QString::number(int16_t(gwPictureValue(q, item))),
                        d ? QString::number(int16_t(gwPictureValue(*d, item))) : none(),
                        beyondOutputs(q.index));
        }
    }

    void edid()
    {
        const QString g = QStringLiteral("edid");
        const auto text = [](const INFO_EDID &e) {
            return QStringLiteral("%1x%2 %3 Hz").arg(e.width).arg(e.height).arg(e.rate);
        };
        for (const INFO_EDID &e : file.edid) {
            const INFO_EDID *d = findBy(dev.edid, e.srcId, [](const INFO_EDID &x) { return int(x.srcId); });
            out.add(g, D::Edid, e.srcId, -1, ConfigDiff::tr("EDID %1").arg(inputText(e.srcId)), text(e),
                    d ? text(*d) : none(), beyondInputs(e.srcId));
        }
    }

    void switches()
    {
        const QString g = QStringLiteral("switches");
        out.add(g, D::Freeze, -1, -1, ConfigDiff::tr("freeze"), onOff(file.other.freeze),
                onOff(dev.other.freeze));
        out.add(g, D::BlackScreen, -1, -1, ConfigDiff::tr("black screen"), onOff(file.other.blackScreen),
                onOff(dev.other.blackScreen));
        out.add(g, D::FrameSync, -1, -1, ConfigDiff::tr("frame sync"), onOff(file.other.frameSync),
                onOff(dev.other.frameSync));
    }

    void presets()
    {
        const QString g = QStringLiteral("presets");
        const auto byId = [](const INFO_PRESET &x) { return int(x.id); };
        for (const INFO_PRESET &p : file.presets) {
            const INFO_PRESET *d = findBy(dev.presets, p.id, byId);
            QString why =
                p.id < 0 ? ConfigDiff::tr("preset number %1 cannot be stored").arg(p.id) : QString();
            for (const PRESET_ENTRY &w : p.windows)
                if (why.isEmpty() && (w.value(0) >= outputSlots || w.value(5) >= inputSlots))
                    why = ConfigDiff::tr("it has window %1 on input %2, beyond the device's cards")
                              .arg(w.value(0) + 1)
                              .arg(w.value(5) + 1);
            out.add(g, D::Preset, p.id, -1, ConfigDiff::tr("preset %1").arg(p.id + 1), presetText(p),
                    d ? presetText(*d) : none(), why);
        }
        for (const INFO_PRESET &d : dev.presets)
            if (!findBy(file.presets, d.id, byId))
                out.add(g, D::Preset, d.id, -1, ConfigDiff::tr("preset %1").arg(d.id + 1), none(),
                        presetText(d), ConfigDiff::tr("a stored preset cannot be deleted"));
    }

    const DEVICE_INFO_GW &file;
    const DEVICE_INFO_GW &dev;
    Builder &out;
    int outputSlots = 0, inputSlots = 0;
};

} // namespace

QStringList ConfigDiff::groups()
{
    return {QStringLiteral("outputs"), QStringLiteral("presets"), QStringLiteral("layout"),
            QStringLiteral("picture"), QStringLiteral("edid"),    QStringLiteral("mosaic"),
            QStringLiteral("chroma"),  QStringLiteral("audio"),   QStringLiteral("switches"),
            QStringLiteral("tasks")};
}

QString ConfigDiff::groupTitle(const QString &group)
{
    static const char *const titles[][2] = {{"outputs", QT_TRANSLATE_NOOP("ConfigDiff", "Outputs")},
                                            {"presets", QT_TRANSLATE_NOOP("ConfigDiff", "Presets")},
                                            {"layout", QT_TRANSLATE_NOOP("ConfigDiff", "Layout")},
                                            {"picture", QT_TRANSLATE_NOOP("ConfigDiff", "Picture")},
                                            {"edid", QT_TRANSLATE_NOOP("ConfigDiff", "EDID")},
                                            {"mosaic", QT_TRANSLATE_NOOP("ConfigDiff", "Mosaic")},
                                            {"chroma", QT_TRANSLATE_NOOP("ConfigDiff", "Chroma key")},
                                            {"audio", QT_TRANSLATE_NOOP("ConfigDiff", "Audio")},
                                            {"switches", QT_TRANSLATE_NOOP("ConfigDiff", "Switches")},
                                            {"tasks", QT_TRANSLATE_NOOP("ConfigDiff", "Timed tasks")}};
    for (const auto &t : titles)
        if (group == QLatin1String(t[0]))
            return ConfigDiff::tr(t[1]);
    return group;
}

QList<ConfigDifference> ConfigDiff::compare(const ConfigDevice &file, const INFO_BASIC &device,
                                            const QStringList &onlyGroups)
{
    Builder b(onlyGroups);
    const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(&device);
    const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(&device);
    if (file.isKs() && ks && isKsType(device.type)) {
        KsDiff(file.ks, *ks, b).run();
    } else if (file.isGw() && gw && isGwType(device.type)) {
        GwDiff(file.gw, *gw, b).run();
    } else {
        b.out.append(D{QString(), D::OutputMode, -1, -1, ConfigDiff::tr("device family"),
                       modelName(file.type()), modelName(device.type),
                       ConfigDiff::tr("a configuration restores only to a device of the same family")});
    }
    return b.out;
}

ConfigDiff::KsLayoutSource ConfigDiff::ksLayoutSource(int windows, const DEVICE_INFO_KS &file,
                                                      const DEVICE_INFO_KS &target, bool filePresetsRestored)
{
    KsLayoutSource s;
    if (windows == target.windows.size()) {
        s.kind = KsLayoutSource::Live;
        return s;
    }
    for (const QList<INFO_TEMPLATE> *list : {&file.templates, &target.templates}) {
        for (const INFO_TEMPLATE &t : *list) {
            if (t.windows.size() == windows && t.templateId >= 0 && t.templateId <= 255) {
                s.kind = KsLayoutSource::Template;
                s.id = t.templateId;
                return s;
            }
        }
    }
    const auto fileCount = [&](int id) {
        for (const INFO_PRESET &p : file.presets)
            if (p.id == id)
                return p.windows.size();
        return -1;
    };
    if (filePresetsRestored) {
        for (const INFO_PRESET &p : file.presets) {
            if (p.id >= 0 && p.windows.size() == windows && p.panels.size() == target.panels.size()) {
                s.kind = KsLayoutSource::Preset;
                s.id = p.id;
                return s;
            }
        }
    }
    for (const INFO_PRESET &p : target.presets) {
        const int overwritten = filePresetsRestored ? fileCount(p.id) : -1;
        if (p.id >= 0 && p.windows.size() == windows && (overwritten < 0 || overwritten == windows)) {
            s.kind = KsLayoutSource::Preset;
            s.id = p.id;
            return s;
        }
    }
    return s;
}
