#include "RestorePlan.h"

#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"

#include <QMap>

namespace {

using D = ConfigDifference;

KS9200Interface *ksOf(Interface *i)
{
    return qobject_cast<KS9200Interface *>(i);
}

GW5Interface *gwOf(Interface *i)
{
    return qobject_cast<GW5Interface *>(i);
}

// Steps for one target, group by group; `diffs` are the differences of the chosen groups.
class Planner
{
public:
    Planner(const ConfigDevice &f, const INFO_BASIC &t, const QStringList &chosen, RestorePlan &p)
        : file(f), plan(p), groups(chosen)
    {
        diffs = ConfigDiff::compare(file, t, groups);
        for (const D &d : diffs)
            (d.notApplicable.isEmpty() ? plan.applied : plan.notApplicable).append(d);
    }

    bool chosen(const QString &g) const { return groups.isEmpty() || groups.contains(g); }

    // The applicable difference of `setting` (index, item), or null.
    const D *find(D::Setting setting, int index = -1, int item = -1) const
    {
        for (const D &d : plan.applied)
            if (d.setting == setting && d.index == index && d.item == item)
                return &d;
        return nullptr;
    }
    bool excluded(D::Setting setting, int index = -1) const
    {
        for (const D &d : plan.notApplicable)
            if (d.setting == setting && d.index == index)
                return true;
        return false;
    }

    void step(const QString &group, const QString &description, std::function<void(Interface *)> send)
    {
        plan.steps.append(RestoreStep{group, description, std::move(send)});
        if (!plan.groups.contains(group))
            plan.groups.append(group);
    }
    void stepFor(const D &d, std::function<void(Interface *)> send)
    {
        step(d.group, RestorePlan::tr("Set %1 to %2").arg(d.name, d.fileValue), std::move(send));
    }
    // Moves a planned difference to the ones that cannot be applied.
    void refuse(const D &d, const QString &why)
    {
        for (int i = 0; i < plan.applied.size(); ++i) {
            if (plan.applied[i].setting == d.setting && plan.applied[i].index == d.index &&
                plan.applied[i].item == d.item) {
                D moved = plan.applied.takeAt(i);
                moved.notApplicable = why;
                plan.notApplicable.append(moved);
                return;
            }
        }
    }

    const ConfigDevice &file;
    RestorePlan &plan;
    QStringList groups;
    QList<D> diffs;
};

// ---- KS family ----------------------------------------------------------------------------

class KsPlanner : public Planner
{
public:
    KsPlanner(const ConfigDevice &f, const DEVICE_INFO_KS &t, const QStringList &g, RestorePlan &p)
        : Planner(f, t, g, p), fks(f.ks), target(t), liveCount(t.windows.size())
    {
        for (const INFO_PRESET &pr : t.presets)
            presetWindows.insert(pr.id, pr.windows.size());
    }

    void run()
    {
        outputs();
        presets();
        layout();
        picture();
        simple();
    }

private:
    // Brings the live layout to `count` windows; false when nothing gives that many.
    bool makeCount(int count, const QString &group)
    {
        if (count == liveCount)
            return true;
        for (const QList<INFO_TEMPLATE> *list : {&fks.templates, &target.templates}) {
            for (const INFO_TEMPLATE &t : *list) {
                if (t.windows.size() != count || t.templateId < 0 || t.templateId > 255)
                    continue;
                const int id = t.templateId;
                step(group,
                     RestorePlan::tr("Load template %1 for a layout of %2 windows").arg(id + 1).arg(count),
                     [id](Interface *i) { ksOf(i)->loadTemplate(id); });
                liveCount = count;
                attributesKnown = false;
                return true;
            }
        }
        for (auto it = presetWindows.cbegin(); it != presetWindows.cend(); ++it) {
            if (it.value() != count || it.key() < 0)
                continue;
            const int id = it.key();
            step(group, RestorePlan::tr("Load preset %1 for a layout of %2 windows").arg(id + 1).arg(count),
                 [id](Interface *i) { ksOf(i)->loadPreset(id); });
            liveCount = count;
            attributesKnown = false;
            return true;
        }
        return false;
    }

    // Whether a layout of `count` windows can be had once preset `savedId` holds `savedCount`.
    bool canMake(int count, int savedId, int savedCount) const
    {
        if (count == savedCount)
            return true;
        for (const QList<INFO_TEMPLATE> *list : {&fks.templates, &target.templates})
            for (const INFO_TEMPLATE &t : *list)
                if (t.windows.size() == count && t.templateId >= 0 && t.templateId <= 255)
                    return true;
        for (auto it = presetWindows.cbegin(); it != presetWindows.cend(); ++it)
            if (it.key() >= 0 && it.key() != savedId && it.value() == count)
                return true;
        return false;
    }

    void geometryStep(const QString &group, const QString &what, int win, int x, int y, int w, int h)
    {
        step(group,
             RestorePlan::tr("Set window %1 geometry to %2x%3 at %4,%5 (%6)")
                 .arg(win + 1)
                 .arg(w)
                 .arg(h)
                 .arg(x)
                 .arg(y)
                 .arg(what),
             [=](Interface *i) { ksOf(i)->setWindowGeometry(win, x, y, w, h); });
    }

    void outputs()
    {
        if (const D *d = find(D::OutputMode)) {
            const int mode = fks.outputMode.mode, exchange = fks.outputMode.mode2;
            stepFor(*d, [=](Interface *i) { ksOf(i)->setOutputMode(mode, exchange); });
        }
        for (int n = 0; n < fks.panels.size(); ++n) {
            const D *d = find(D::OutputResolution, n);
            if (!d)
                continue;
            const INFO_PANEL p = fks.panels[n];
            const int output = isKxType(target.type) ? 255 : n;
            stepFor(*d, [=](Interface *i) {
                ksOf(i)->setOutputResolution(output, p.index, p.width, p.height, p.rate);
            });
        }
        if (const D *d = find(D::Background)) {
            const INFO_OTHER_KS9200 o = fks.other;
            stepFor(*d, [=](Interface *i) { ksOf(i)->setBackgroundColor(o.bgRed, o.bgGreen, o.bgBlue); });
        }
        for (int n = 0; n < fks.borders.size(); ++n) {
            if (const D *d = find(D::Border, n)) {
                const INFO_BORDER b = fks.borders[n];
                stepFor(*d, [=](Interface *i) { ksOf(i)->setBorder(n, b); });
            }
        }
        if (const D *d = find(D::OutputEnhance)) {
            const INFO_OUTPUT_ENHANCE a = fks.outputEnhance.value(0), b = fks.outputEnhance.value(1);
            stepFor(*d, [=](Interface *i) {
                ksOf(i)->setOutputEnhance(a.index != 0, a.value != 0, b.index != 0, b.value != 0);
            });
        }
    }

    void presets()
    {
        const QString g = QStringLiteral("presets");
        for (const INFO_PRESET &p : fks.presets) {
            const D *d = find(D::Preset, p.id);
            if (!d)
                continue;
            // The wall must be able to return to the layout it keeps afterwards.
            const int after = chosen(QStringLiteral("layout")) ? fks.windows.size() : target.windows.size();
            if (!canMake(after, p.id, p.windows.size())) {
                refuse(
                    *d,
                    RestorePlan::tr("the layout of %1 windows could not be put back afterwards").arg(after));
                continue;
            }
            if (!makeCount(p.windows.size(), g)) {
                refuse(*d, RestorePlan::tr("nothing gives a layout of %1 windows").arg(p.windows.size()));
                continue;
            }
            const QString what = RestorePlan::tr("preset %1").arg(p.id + 1);
            for (int w = 0; w < p.windows.size(); ++w) {
                const PRESET_ENTRY &e = p.windows[w];
                geometryStep(g, what, w, e.value(0), e.value(1), e.value(2), e.value(3));
            }
            const int id = p.id;
            step(g, RestorePlan::tr("Save the wall as preset %1").arg(id + 1),
                 [id](Interface *i) { ksOf(i)->savePreset(id); });
            presetWindows.insert(id, p.windows.size());
            plan.laysOutPresets = true;
            attributesKnown = false;
            geometryKnown = false;
        }
        if (plan.laysOutPresets && !chosen(QStringLiteral("layout")))
            putBack();
    }

    // The device's own layout from before the restore, after presets were laid out on it.
    void putBack()
    {
        const QString g = QStringLiteral("presets");
        const QString what = RestorePlan::tr("live layout put back");
        if (!makeCount(target.windows.size(), g))
            return;
        const bool kx = isKxType(target.type);
        for (int w = 0; w < target.windows.size(); ++w) {
            const INFO_WINDOW win = target.windows[w];
            geometryStep(g, what, w, win.x, win.y, win.width, win.height);
            step(g,
                 RestorePlan::tr("Put window %1 back on %2, transparency %3")
                     .arg(w + 1)
                     .arg(inputName(win.param2))
                     .arg(win.param1),
                 [=](Interface *i) {
                     KS9200Interface *ks = ksOf(i);
                     ks->setWindowTransparency(w, win.param1);
                     emit ks->emitSendData(KS9200Interface::switchInputFrame(w, win.param2));
                     if (kx)
                         ks->setWindowRotate(w, win.rotate);
                 });
        }
        plan.putsLayoutBack = true;
    }

    void layout()
    {
        const QString g = QStringLiteral("layout");
        if (!chosen(g))
            return;
        const int nf = fks.windows.size();
        const D *count = find(D::WindowCount);
        if ((count || liveCount != nf) && !makeCount(nf, g)) {
            if (count)
                refuse(*count, RestorePlan::tr("nothing gives a layout of %1 windows").arg(nf));
        }
        const bool kx = isKxType(target.type) && isKxType(fks.type);
        for (int w = 0; w < qMin(nf, liveCount); ++w) {
            const INFO_WINDOW win = fks.windows[w];
            const D *geo = find(D::WindowGeometry, w);
            if (geo || !geometryKnown || !attributesKnown)
                geometryStep(g, RestorePlan::tr("window %1").arg(w + 1), w, win.x, win.y, win.width,
                             win.height);
            if (const D *d = find(D::WindowTransparency, w);
                d || (!attributesKnown && !excluded(D::WindowTransparency, w)))
                step(g, RestorePlan::tr("Set window %1 transparency to %2").arg(w + 1).arg(win.param1),
                     [=](Interface *i) { ksOf(i)->setWindowTransparency(w, win.param1); });
            if (const D *d = find(D::WindowSource, w);
                d || (!attributesKnown && !excluded(D::WindowSource, w)))
                step(g, RestorePlan::tr("Switch window %1 to %2").arg(w + 1).arg(inputName(win.param2)),
                     [=](Interface *i) {
                         emit i->emitSendData(KS9200Interface::switchInputFrame(w, win.param2));
                     });
            if (const D *d = find(D::WindowRotation, w);
                kx && (d || (!attributesKnown && !excluded(D::WindowRotation, w))))
                step(g, RestorePlan::tr("Set window %1 rotation to %2").arg(w + 1).arg(win.rotate),
                     [=](Interface *i) { ksOf(i)->setWindowRotate(w, win.rotate); });
            if (w < fks.inputCrops.size()) {
                const INFO_INPUTCROP c = fks.inputCrops[w];
                if (const D *d = find(D::WindowCrop, w);
                    d || (!attributesKnown && !excluded(D::WindowCrop, w)))
                    step(g,
                         RestorePlan::tr("Set window %1 input crop to %2")
                             .arg(w + 1)
                             .arg(d ? d->fileValue : QString::number(c.enable)),
                         [=](Interface *i) {
                             ksOf(i)->setInputCrop(w, c.enable, c.x, c.y, c.width, c.height);
                         });
            }
        }
    }

    void picture()
    {
        for (int w = 0; w < fks.imageQuality.size(); ++w) {
            const INFO_IMAGE_QUALITY q = fks.imageQuality[w];
            const int values[] = {0,           q.brightness,  q.contrast,   q.sharpness, q.hue, q.saturation,
                                  q.redOffset, q.greenOffset, q.blueOffset, q.gamma};
            for (int item = 1; item <= 9; ++item)
                if (const D *d = find(D::PictureItem, w, item)) {
                    const int v = values[item];
                    stepFor(*d, [=](Interface *i) { ksOf(i)->setImageItem(item, w, v); });
                }
        }
        for (const INFO_IMAGE_ADVANCED &a : fks.imageAdvanced) {
            const int w = a.winId;
            if (const D *d = find(D::ColorTemp, w))
                stepFor(*d, [=](Interface *i) {
                    ksOf(i)->setColorTemp(w, a.colorTempMode, a.colorTempRed, a.colorTempGreen,
                                          a.colorTempBlue);
                });
            if (const D *d = find(D::ColorMode, w))
                stepFor(*d, [=](Interface *i) {
                    ksOf(i)->setImageItem(KS9200Interface::ItemColorMode, w, a.colorMode);
                });
            for (int set = 0; set < 3; ++set)
                if (const D *d = find(D::Rgbcmy, w, set))
                    stepFor(*d, [=](Interface *i) { ksOf(i)->setRgbcmy(w, set, a.rgbcmy[set]); });
            if (const D *d = find(D::ImageEffect, w))
                stepFor(*d, [=](Interface *i) {
                    ksOf(i)->setImageEffect(w, a.clearVision, a.luminance, a.skinTone, a.gaussianBlur);
                });
            if (const D *d = find(D::ImageExpert, w))
                stepFor(*d, [=](Interface *i) {
                    ksOf(i)->setImageExpert(w, a.colorGamut, a.inRange, a.inFMT, a.winFMT);
                });
        }
    }

    // EDID, mosaic, chroma key, audio, switches and tasks, in that order.
    void simple()
    {
        for (const INFO_EDID &e : fks.edid)
            if (const D *d = find(D::Edid, e.srcId))
                stepFor(*d, [=](Interface *i) {
                    ksOf(i)->setEdidResolution(e.srcId, e.width, e.height, e.rate);
                });
        if (const D *d = find(D::EdidMode)) {
            const int type = target.type, mode = isKxType(type) ? fks.dviAudioMode : fks.signalMode;
            stepFor(*d, [=](Interface *i) { ksOf(i)->setEdidMode(type, mode); });
        }
        for (const INFO_MOSAIC &m : fks.mosaics) {
            if (const D *d = find(D::Mosaic, m.winId)) {
                const int w = m.winId;
                stepFor(*d, [=](Interface *i) {
                    KS9200Interface *ks = ksOf(i);
                    if (m.mode == 0)
                        ks->setMosaicUnits(w, m.hUnits, m.vUnits, m.unitIndex);
                    else
                        ks->setMosaicPixels(w, m.totalWidth, m.totalHeight, m.startX, m.startY);
                    ks->setMosaicTune(w, int8_t(m.p3), int8_t(m.p4), int8_t(m.p5), int8_t(m.p6));
                    ks->setMosaicOnOff(w, m.enable);
                });
            }
        }
        for (const INFO_CHROMA &c : fks.chromaKeys) {
            if (const D *d = find(D::Chroma, c.winId)) {
                stepFor(*d, [=](Interface *i) {
                    if (c.mode == 0)
                        ksOf(i)->setChromaPreset(c.winId, 0, c.enable, c.presetColor);
                    else
                        ksOf(i)->setChromaColor(c.winId, c.mode, c.enable, c.rgbFilter1, c.rgbFilter2, c.red,
                                                c.green, c.blue);
                });
            }
        }
        const INFO_OTHER_KS9200 o = fks.other;
        if (const D *d = find(D::AudioMode))
            stepFor(*d, [=](Interface *i) { ksOf(i)->setAudioMode(o.audioMode, o.audioWindow); });
        if (const D *d = find(D::AudioMute))
            stepFor(*d, [=](Interface *i) { ksOf(i)->setAudioMute(o.mute); });
        if (const D *d = find(D::AudioVolume))
            stepFor(*d, [=](Interface *i) { ksOf(i)->setAudioVolume(o.volume); });
        if (const D *d = find(D::Freeze))
            stepFor(*d, [=](Interface *i) { ksOf(i)->setFreeze(o.freeze); });
        if (const D *d = find(D::BlackScreen))
            stepFor(*d, [=](Interface *i) { ksOf(i)->setBlackScreen(o.blackScreen); });
        if (const D *d = find(D::Pip))
            stepFor(*d, [=](Interface *i) { ksOf(i)->setPip(o.pip); });
        if (const D *d = find(D::SwitchMode))
            stepFor(*d, [=](Interface *i) { ksOf(i)->setSwitchMode(o.switchMode, o.fadePeriod); });
        if (const D *d = find(D::FrameSync))
            stepFor(*d, [=](Interface *i) { ksOf(i)->setFrameSync(0, o.frameSync); });
        for (int n = 0; n < DEVICE_INFO_KS::TimeTaskCount; ++n) {
            if (const D *d = find(D::Task, n)) {
                INFO_TIME_TASK t = fks.timeTasks[size_t(n)];
                t.index = uint8_t(n);
                // Storing a task switches it on; its own switch follows.
                stepFor(*d, [=](Interface *i) {
                    ksOf(i)->setTimeTask(t);
                    ksOf(i)->setTimeTaskState(n, t.state != 0);
                });
            }
        }
        if (const D *d = find(D::AllTasks)) {
            // Steps run after the planner is gone: they keep values, never the planner's members.
            const bool allOn = fks.allTasksOn != 0;
            stepFor(*d, [=](Interface *i) { ksOf(i)->setAllTasks(allOn); });
        }
    }

    const DEVICE_INFO_KS &fks;
    const DEVICE_INFO_KS &target;
    int liveCount;
    bool attributesKnown = true; // false once a load or preset layout changed the windows
    bool geometryKnown = true;
    QMap<int, int> presetWindows; // preset id -> window count, as the device will hold them
};

// ---- GW family ----------------------------------------------------------------------------

struct GwWindow
{
    int id, x, y, width, height, layer, source, transparency;
    INFO_INPUTCROP crop;
    bool hasCrop;
};

// Opens or moves a window by what the interface's matrix holds, then switches its input.
void placeGwWindow(GW5Interface *gw, const GwWindow &w)
{
    gw->setOutputHold(0);
    if (gw->matrix()->window(w.id).empty())
        gw->openWindow(w.id, w.x, w.y, w.width, w.height, w.layer);
    else
        gw->moveWindow(w.id, w.x, w.y, w.width, w.height, w.layer);
    gw->setOutputHold(1);
}

// Lays out exactly `windows`: closes every other window the matrix holds, places these.
void layOutGw(GW5Interface *gw, const QList<GwWindow> &windows, bool attributes)
{
    QList<int> keep;
    for (const GwWindow &w : windows)
        keep << w.id;
    for (int slot = 0; slot < gw->matrix()->outputAreas(); ++slot) {
        if (!keep.contains(slot) && !gw->matrix()->window(slot).empty()) {
            gw->setOutputHold(0);
            gw->removeWindow(slot);
            gw->setOutputHold(1);
        }
    }
    for (const GwWindow &w : windows) {
        placeGwWindow(gw, w);
        gw->switchInput(w.id, w.source);
        if (attributes) {
            gw->setWindowTransparency(w.id, w.transparency);
            if (w.hasCrop)
                gw->setWindowCrop(w.id, w.crop.enable, w.crop.x, w.crop.y, w.crop.width, w.crop.height);
        }
    }
}

class GwPlanner : public Planner
{
public:
    GwPlanner(const ConfigDevice &f, const DEVICE_INFO_GW &t, const QStringList &g, RestorePlan &p)
        : Planner(f, t, g, p), fgw(f.gw), target(t)
    {
        for (const INFO_WINDOW &w : t.windows)
            reset.insert(w.winId, false);
    }

    void run()
    {
        outputs();
        presets();
        layout();
        picture();
        simple();
    }

private:
    static QList<GwWindow> windowsOf(const DEVICE_INFO_GW &r)
    {
        QList<GwWindow> out;
        for (const INFO_WINDOW &w : r.windows) {
            GwWindow g{w.winId,  w.x,      w.y,      w.width,          w.height,
                       w.param3, w.param2, w.param1, INFO_INPUTCROP(), false};
            for (const INFO_INPUTCROP &c : r.inputCrops)
                if (c.index == w.winId)
                    g.crop = c, g.hasCrop = true;
            out << g;
        }
        return out;
    }

    void outputs()
    {
        const INFO_PANEL first = fgw.panels.value(0);
        const D *res = find(D::AreaResolution);
        const D *grid = find(D::AreaLayout);
        if (res)
            stepFor(*res, [=](Interface *i) {
                gwOf(i)->setOutputResolution(first.index, first.resWidth, first.resHeight, first.rate);
            });
        if (grid)
            stepFor(*grid,
                    [=](Interface *i) { gwOf(i)->setAreaLayout(first.row, first.col, first.arrangement); });
        // A new resolution or grid lays the areas out anew; the file's rectangles follow.
        for (const INFO_PANEL &p : fgw.panels) {
            const D *d = find(D::Area, p.id);
            if (!d && !((res || grid) && !excluded(D::Area, p.id)))
                continue;
            step(QStringLiteral("outputs"),
                 RestorePlan::tr("Set area %1 to %2x%3 at %4,%5")
                     .arg(p.id + 1)
                     .arg(p.width)
                     .arg(p.height)
                     .arg(p.x)
                     .arg(p.y),
                 [=](Interface *i) { gwOf(i)->setAreaGeometry(p.id, p.x, p.y, p.width, p.height); });
        }
        for (const INFO_MAPPING &m : fgw.mappings)
            if (const D *d = find(D::Mapping, m.port))
                stepFor(*d, [=](Interface *i) { gwOf(i)->setOutputMapping(m.port, m.area); });
    }

    void presets()
    {
        const QString g = QStringLiteral("presets");
        for (const INFO_PRESET &p : fgw.presets) {
            const D *d = find(D::Preset, p.id);
            if (!d)
                continue;
            QList<GwWindow> windows;
            for (int k = 0; k < p.windows.size(); ++k) {
                const PRESET_ENTRY &e = p.windows[k];
                windows << GwWindow{e.value(0), e.value(1), e.value(2), e.value(3),       e.value(4),
                                    k + 1,      e.value(5), 100,        INFO_INPUTCROP(), false};
            }
            const int id = p.id;
            step(
                g,
                RestorePlan::tr("Lay out preset %1 on the wall (%2 windows)").arg(id + 1).arg(windows.size()),
                [=](Interface *i) { layOutGw(gwOf(i), windows, false); });
            step(g, RestorePlan::tr("Save the wall as preset %1").arg(id + 1),
                 [id](Interface *i) { gwOf(i)->savePreset(id); });
            plan.laysOutPresets = true;
        }
        // Laying out a preset closes and opens windows: every window is placed anew afterwards.
        if (plan.laysOutPresets)
            for (int slot = 0; slot < GW5::Slots; ++slot)
                reset.insert(slot, true);
        if (plan.laysOutPresets && !chosen(QStringLiteral("layout"))) {
            const QList<GwWindow> live = windowsOf(target);
            step(g, RestorePlan::tr("Put the live layout back (%1 windows)").arg(live.size()),
                 [=](Interface *i) { layOutGw(gwOf(i), live, true); });
            plan.putsLayoutBack = true;
        }
    }

    void layout()
    {
        const QString g = QStringLiteral("layout");
        if (!chosen(g))
            return;
        QList<int> fileIds;
        for (const INFO_WINDOW &w : fgw.windows)
            fileIds << w.winId;
        const auto inFile = [fileIds](int id) { return fileIds.contains(id); };
        // Windows the file does not have are closed first; after laid-out presets any may be open.
        QList<int> close;
        for (const D &d : plan.applied)
            if (d.setting == D::Window && !inFile(d.index))
                close << d.index;
        if (plan.laysOutPresets) {
            step(g, RestorePlan::tr("Close the windows the file does not have"), [=](Interface *i) {
                GW5Interface *gw = gwOf(i);
                for (int slot = 0; slot < gw->matrix()->outputAreas(); ++slot)
                    if (!inFile(slot) && !gw->matrix()->window(slot).empty()) {
                        gw->setOutputHold(0);
                        gw->removeWindow(slot);
                        gw->setOutputHold(1);
                    }
            });
        } else {
            for (int id : close)
                step(g, RestorePlan::tr("Close window %1").arg(id + 1), [id](Interface *i) {
                    gwOf(i)->setOutputHold(0);
                    gwOf(i)->removeWindow(id);
                    gwOf(i)->setOutputHold(1);
                });
        }
        for (const GwWindow &w : windowsOf(fgw)) {
            if (excluded(D::Window, w.id))
                continue;
            const bool fresh = reset.value(w.id, true); // opened or laid out by this restore
            if (find(D::Window, w.id) || fresh) {
                step(g,
                     RestorePlan::tr("Place window %1 at %2x%3 at %4,%5, layer %6")
                         .arg(w.id + 1)
                         .arg(w.width)
                         .arg(w.height)
                         .arg(w.x)
                         .arg(w.y)
                         .arg(w.layer),
                     [=](Interface *i) { placeGwWindow(gwOf(i), w); });
            }
            const bool opened = reset.value(w.id, true);
            if ((find(D::WindowSource, w.id) || opened) && !excluded(D::WindowSource, w.id))
                step(g, RestorePlan::tr("Switch window %1 to Input%2").arg(w.id + 1).arg(w.source + 1),
                     [=](Interface *i) { gwOf(i)->switchInput(w.id, w.source); });
            if (find(D::WindowTransparency, w.id) || opened)
                step(g, RestorePlan::tr("Set window %1 transparency to %2").arg(w.id + 1).arg(w.transparency),
                     [=](Interface *i) { gwOf(i)->setWindowTransparency(w.id, w.transparency); });
            if (w.hasCrop && (find(D::WindowCrop, w.id) || opened))
                step(g, RestorePlan::tr("Set window %1 input crop").arg(w.id + 1), [=](Interface *i) {
                    gwOf(i)->setOutputHold(0);
                    gwOf(i)->setWindowCrop(w.id, w.crop.enable, w.crop.x, w.crop.y, w.crop.width,
                                           w.crop.height);
                    gwOf(i)->setOutputHold(1);
                });
        }
    }

    void picture()
    {
        const QString g = QStringLiteral("picture");
        if (!chosen(g))
            return;
        QList<int> fileIds;
        for (const INFO_WINDOW &win : fgw.windows)
            fileIds << win.winId;
        for (const INFO_IMAGE_QUALITY &q : fgw.imageQuality) {
            const int w = q.index;
            if (excluded(D::PictureItem, w) || !fileIds.contains(w))
                continue;
            // A window this restore opened starts from the device's picture defaults.
            const bool opened = reset.value(w, true) && chosen(QStringLiteral("layout"));
            const int values[] = {
                0,           q.brightness,  q.contrast,   q.sharpness, q.hue,       q.saturation,
                q.redOffset, q.greenOffset, q.blueOffset, q.redGain,   q.greenGain, q.blueGain};
            for (int item : {1, 2, 5, 6, 7, 8, 9, 10, 11}) {
                const D *d = find(D::PictureItem, w, item);
                if (!d && !opened)
                    continue;
                const int v = int16_t(values[item]);
                step(g, RestorePlan::tr("Set window %1 picture item %2 to %3").arg(w + 1).arg(item).arg(v),
                     [=](Interface *i) { gwOf(i)->setImageItem(item, w, v); });
            }
        }
    }

    void simple()
    {
        for (const INFO_EDID &e : fgw.edid)
            if (const D *d = find(D::Edid, e.srcId))
                stepFor(*d, [=](Interface *i) {
                    gwOf(i)->setEdidResolution(e.srcId, e.width, e.height, e.rate);
                });
        const INFO_OTHER_GW5 o = fgw.other;
        if (const D *d = find(D::Freeze))
            stepFor(*d, [=](Interface *i) { gwOf(i)->setFreeze(o.freeze); });
        if (const D *d = find(D::BlackScreen))
            stepFor(*d, [=](Interface *i) { gwOf(i)->setBlackScreen(o.blackScreen); });
        if (const D *d = find(D::FrameSync))
            stepFor(*d, [=](Interface *i) {
                emit i->emitSendData(KS9200Interface::setFrameSyncFrame(0, o.frameSync));
            });
    }

    const DEVICE_INFO_GW &fgw;
    const DEVICE_INFO_GW &target;
    QMap<int, bool> reset; // window id -> laid out anew by this restore (absent: not on the device)
};

} // namespace

RestorePlan RestorePlan::build(const ConfigDevice &file, const INFO_BASIC &target, const QStringList &groups)
{
    RestorePlan plan;
    plan.m_file = file;
    plan.m_before = ConfigDevice::fromRecord(target);
    const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(&target);
    const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(&target);
    if (file.isKs() && ks && isKsType(target.type)) {
        KsPlanner(file, *ks, groups, plan).run();
    } else if (file.isGw() && gw && isGwType(target.type)) {
        GwPlanner(file, *gw, groups, plan).run();
    } else {
        plan.error =
            tr("A %1 configuration cannot be restored to a %2: the device must be of the same family.")
                .arg(modelName(file.type()), modelName(target.type));
        return plan;
    }
    if (plan.laysOutPresets)
        plan.presetNotice =
            tr("Restoring a preset lays its windows out on the wall and stores them, so the wall shows "
               "each restored preset for a moment; the live layout is put back afterwards.");
    return plan;
}

QList<ConfigDifference> RestorePlan::verify(const INFO_BASIC &reread) const
{
    QList<ConfigDifference> out;
    if (!error.isEmpty())
        return out;
    if (!groups.isEmpty()) {
        for (const ConfigDifference &d : ConfigDiff::compare(m_file, reread, groups))
            if (d.notApplicable.isEmpty())
                out << d;
    }
    if (putsLayoutBack) {
        for (const ConfigDifference &d : ConfigDiff::compare(m_before, reread, {QStringLiteral("layout")}))
            if (d.notApplicable.isEmpty())
                out << d;
    }
    return out;
}
