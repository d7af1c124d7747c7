// DeviceHub: the record half of every decoded reply. Each interface's typed signals are connected
// to these store slots before any view connects its receivers, so a view always finds the reply
// stored. A store that changes nothing announces nothing.
#include "DeviceHub.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"

namespace {
// Finds the stored entry whose key equals the received one's and overwrites it, or appends;
// true when the list changed.
template <typename T, typename Key> bool upsert(QList<T> &list, const T &item, Key key)
{
    for (T &stored : list) {
        if (key(stored) == key(item)) {
            if (stored == item)
                return false;
            stored = item;
            return true;
        }
    }
    list.append(item);
    return true;
}

template <typename T> bool replaceList(QList<T> &stored, const QList<T> &received)
{
    if (stored == received)
        return false;
    stored = received;
    return true;
}

template <typename T> bool assign(T &stored, const T &received)
{
    if (stored == received)
        return false;
    stored = received;
    return true;
}

// The seven values of a GW resolution reply, as every area of the device carries them.
void copyResolution(const INFO_PANEL &from, INFO_PANEL &to)
{
    to.index = from.index;
    to.resWidth = from.resWidth;
    to.resHeight = from.resHeight;
    to.rate = from.rate;
    to.row = from.row;
    to.col = from.col;
    to.arrangement = from.arrangement;
}
} // namespace

void DeviceHub::connectStore(Interface *iface)
{
    const QString id = iface->cpuid();
    connect(iface, &Interface::emitSendData, this,
            [this, id](QByteArray data) { sendFromInterface(id, data); });
    connect(iface, &Interface::emitAllParams, this, [this, id] { onAllParams(id); });
    if (auto *ks = qobject_cast<KS9200Interface *>(iface)) {
        connect(ks, &KS9200Interface::emitLoadPresetOrTemplateFinished, this,
                &DeviceHub::onPresetOrTemplateLoaded);
        connect(ks, &KS9200Interface::emitPanelData, this, &DeviceHub::storeKsPanels);
        connect(ks, &KS9200Interface::emitWindowData, this, &DeviceHub::storeKsWindows);
        connect(ks, &KS9200Interface::emitInputCrop, this, &DeviceHub::storeKsCrops);
        connect(ks, &KS9200Interface::emitInputSignals, this, &DeviceHub::storeKsInputs);
        connect(ks, &KS9200Interface::emitImageQuality, this, &DeviceHub::storeKsImageQuality);
        connect(ks, &KS9200Interface::emitGetPreset, this, &DeviceHub::storeKsPreset);
        connect(ks, &KS9200Interface::emitGetTemplate, this, &DeviceHub::storeKsTemplate);
        connect(ks, &KS9200Interface::emitMultiMosaic, this, &DeviceHub::storeKsMosaic);
        connect(ks, &KS9200Interface::emitTimeTask, this, &DeviceHub::storeKsTimeTask);
        connect(ks, &KS9200Interface::emitAllTasksOn, this, &DeviceHub::storeKsAllTasksOn);
        connect(ks, &KS9200Interface::emitEDID, this, &DeviceHub::storeKsEdid);
        connect(ks, &KS9200Interface::emitEDIDOther, this, &DeviceHub::storeKsEdidModes);
        connect(ks, &KS9200Interface::emitChromaKey, this, &DeviceHub::storeKsChromaKeys);
        connect(ks, &KS9200Interface::emitBorderSetting, this, &DeviceHub::storeKsBorders);
        connect(ks, &KS9200Interface::emitOutputEnhance, this, &DeviceHub::storeKsOutputEnhance);
        connect(ks, &KS9200Interface::emitOtherSetting, this, &DeviceHub::storeKsOther);
        connect(ks, &KS9200Interface::emitOutputMode, this, &DeviceHub::storeKxOutputMode);
        connect(ks, &KS9200Interface::emitImageAdvanced, this, &DeviceHub::storeKxImageAdvanced);
        connect(ks, &KS9200Interface::emitWindowRotate, this, &DeviceHub::storeKxWindowRotate);
    } else if (auto *gw = qobject_cast<GW5Interface *>(iface)) {
        connect(gw, &GW5Interface::emitLoadPresetOrTemplateFinished, this,
                &DeviceHub::onPresetOrTemplateLoaded);
        connect(gw, &GW5Interface::emitPanelData, this, &DeviceHub::storeGwPanel);
        connect(gw, &GW5Interface::emitPanelResolution, this, &DeviceHub::storeGwResolution);
        connect(gw, &GW5Interface::emitOutputPortMapping, this, &DeviceHub::storeGwMapping);
        connect(gw, &GW5Interface::emitWindowData, this, &DeviceHub::storeGwWindow);
        connect(gw, &GW5Interface::emitInputCrop, this, &DeviceHub::storeGwCrop);
        connect(gw, &GW5Interface::emitInputSignal, this, &DeviceHub::storeGwInput);
        connect(gw, &GW5Interface::emitInputHasSignal, this, &DeviceHub::storeGwPresence);
        connect(gw, &GW5Interface::emitImageQuality, this, &DeviceHub::storeGwImageQuality);
        connect(gw, &GW5Interface::emitPresetPanel, this,
                [this](QString cpuid, INFO_PRESET p) { storeGwPresetPart(cpuid, p, false); });
        connect(gw, &GW5Interface::emitPresetWindow, this,
                [this](QString cpuid, INFO_PRESET p) { storeGwPresetPart(cpuid, p, true); });
        connect(gw, &GW5Interface::emitEDIDSetting, this, &DeviceHub::storeGwEdid);
        connect(gw, &GW5Interface::emitOtherSetting, this, &DeviceHub::storeGwOther);
    }
}

void DeviceHub::sendFromInterface(const QString &cpuid, const QByteArray &frame)
{
    if (write(cpuid, frame) >= 0 || isOnline(cpuid) || isReadRequest(frame))
        return;
    emit commandRefused(cpuid);
}

void DeviceHub::onAllParams(const QString &cpuid)
{
    if (Device *d = find(cpuid))
        d->readingBack = false;
    emit readBackFinished(cpuid);
}

void DeviceHub::onPresetOrTemplateLoaded(const QString &cpuid)
{
    // The device changed its windows (and more): what it holds now is read back.
    readBack(cpuid);
    emit presetLoaded(cpuid);
}

void DeviceHub::changed(const QString &cpuid, uint parts)
{
    if (parts != 0)
        emit recordChanged(cpuid, parts);
}

// ---- KS --------------------------------------------------------------------------------------

void DeviceHub::storeKsPanels(QString cpuid, QList<INFO_PANEL> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->panels, list) ? uint(PartPanels) : 0u);
}

void DeviceHub::storeKsWindows(QString cpuid, QList<INFO_WINDOW> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->windows, list) ? uint(PartWindows) : 0u);
}

void DeviceHub::storeKsCrops(QString cpuid, QList<INFO_INPUTCROP> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->inputCrops, list) ? uint(PartCrops) : 0u);
}

void DeviceHub::storeKsInputs(QString cpuid, QList<INFO_INPUTSINGLE> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->inputSignals, list) ? uint(PartInputs) : 0u);
}

void DeviceHub::storeKsImageQuality(QString cpuid, QList<INFO_IMAGE_QUALITY> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->imageQuality, list) ? uint(PartImageQuality) : 0u);
}

void DeviceHub::storeKsPreset(QString cpuid, INFO_PRESET preset)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, upsert(rec->presets, preset, [](const INFO_PRESET &p) { return p.id; })
                           ? uint(PartPresets)
                           : 0u);
}

void DeviceHub::storeKsTemplate(QString cpuid, INFO_TEMPLATE templ)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid)) {
        const bool c = upsert(rec->templates, templ, [](const INFO_TEMPLATE &t) { return t.templateId; });
        changed(cpuid, c ? uint(PartTemplates) : 0u);
    }
}

void DeviceHub::storeKsMosaic(QString cpuid, INFO_MOSAIC mosaic)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, upsert(rec->mosaics, mosaic, [](const INFO_MOSAIC &m) { return m.winId; })
                           ? uint(PartMosaic)
                           : 0u);
}

void DeviceHub::storeKsTimeTask(QString cpuid, INFO_TIME_TASK task)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    // The index comes from the device: only the 16 slots exist.
    if (!rec || task.index >= DEVICE_INFO_KS::TimeTaskCount)
        return;
    const bool c = rec->timeTasks[task.index] != task;
    rec->storeTimeTask(task);
    changed(cpuid, c ? uint(PartTimeTasks) : 0u);
}

void DeviceHub::storeKsAllTasksOn(QString cpuid, bool on)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, assign(rec->allTasksOn, uint8_t(on ? 1 : 0)) ? uint(PartTimeTasks) : 0u);
}

void DeviceHub::storeKsEdid(QString cpuid, QList<INFO_EDID> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->edid, list) ? uint(PartEdid) : 0u);
}

void DeviceHub::storeKsEdidModes(QString cpuid, uchar signalMode, uchar dviAudioMode)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid)) {
        const bool c =
            assign(rec->signalMode, uint8_t(signalMode)) | assign(rec->dviAudioMode, uint8_t(dviAudioMode));
        changed(cpuid, c ? uint(PartEdid) : 0u);
    }
}

void DeviceHub::storeKsChromaKeys(QString cpuid, QList<INFO_CHROMA> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->chromaKeys, list) ? uint(PartChromaKey) : 0u);
}

void DeviceHub::storeKsBorders(QString cpuid, QList<INFO_BORDER> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->borders, list) ? uint(PartBorders) : 0u);
}

void DeviceHub::storeKsOutputEnhance(QString cpuid, QList<INFO_OUTPUT_ENHANCE> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, replaceList(rec->outputEnhance, list) ? uint(PartOutputEnhance) : 0u);
}

void DeviceHub::storeKsOther(QString cpuid, INFO_OTHER_KS9200 other)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, assign(rec->other, other) ? uint(PartOtherSettings) : 0u);
}

void DeviceHub::storeKxOutputMode(QString cpuid, INFO_PANEL_OTHERSETTING mode)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        changed(cpuid, assign(rec->outputMode, mode) ? uint(PartOutputMode) : 0u);
}

void DeviceHub::storeKxImageAdvanced(QString cpuid, INFO_IMAGE_ADVANCED adv)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid)) {
        const bool c = upsert(rec->imageAdvanced, adv, [](const INFO_IMAGE_ADVANCED &a) { return a.winId; });
        changed(cpuid, c ? uint(PartImageQuality) : 0u);
    }
}

void DeviceHub::storeKxWindowRotate(QString cpuid, uchar win, uchar rotate)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    for (INFO_WINDOW &w : rec->windows) {
        if (w.winId == win) {
            changed(cpuid, assign(w.rotate, uint8_t(rotate)) ? uint(PartWindows) : 0u);
            return;
        }
    }
}

// ---- GW --------------------------------------------------------------------------------------

void DeviceHub::storeGwPanel(QString cpuid, INFO_PANEL panel)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    // The device may report its resolution before its areas.
    if (const Device *d = find(cpuid); d && d->hasGwResolution)
        copyResolution(d->gwResolution, panel);
    changed(cpuid,
            upsert(rec->panels, panel, [](const INFO_PANEL &p) { return p.id; }) ? uint(PartPanels) : 0u);
}

void DeviceHub::storeGwResolution(QString cpuid, int index, int width, int height, int rate, int row, int col,
                                  int arrangement)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    Device *d = find(cpuid);
    if (!rec || !d)
        return;
    INFO_PANEL res;
    res.index = static_cast<uint16_t>(index);
    res.resWidth = static_cast<uint16_t>(width);
    res.resHeight = static_cast<uint16_t>(height);
    res.rate = static_cast<uint16_t>(rate);
    res.row = static_cast<uint8_t>(row);
    res.col = static_cast<uint8_t>(col);
    res.arrangement = static_cast<uint8_t>(arrangement);
    d->gwResolution = res;
    d->hasGwResolution = true;
    bool c = false;
    for (INFO_PANEL &p : rec->panels) {
        const INFO_PANEL before = p;
        copyResolution(res, p);
        c = c || before != p;
    }
    changed(cpuid, c ? uint(PartPanels) : 0u);
}

void DeviceHub::storeGwMapping(QString cpuid, INFO_MAPPING mapping)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        changed(cpuid, upsert(rec->mappings, mapping, [](const INFO_MAPPING &m) { return m.port; })
                           ? uint(PartMappings)
                           : 0u);
}

void DeviceHub::storeGwWindow(QString cpuid, INFO_WINDOW window)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        changed(cpuid, upsert(rec->windows, window, [](const INFO_WINDOW &w) { return w.winId; })
                           ? uint(PartWindows)
                           : 0u);
}

void DeviceHub::storeGwCrop(QString cpuid, INFO_INPUTCROP crop)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        changed(cpuid, upsert(rec->inputCrops, crop, [](const INFO_INPUTCROP &c) { return c.index; })
                           ? uint(PartCrops)
                           : 0u);
}

void DeviceHub::storeGwInput(QString cpuid, INFO_INPUTSINGLE signal)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        changed(cpuid, upsert(rec->inputSignals, signal, [](const INFO_INPUTSINGLE &s) { return s.srcId; })
                           ? uint(PartInputs)
                           : 0u);
}

void DeviceHub::storeGwPresence(QString cpuid, int inputID, bool hasSignal, int inputType)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    INFO_SIGNAL_PRESENCE p;
    p.inputId = static_cast<uint8_t>(inputID);
    p.inputType = static_cast<uint8_t>(inputType);
    p.hasSignal = hasSignal ? 1 : 0;
    const bool c = upsert(rec->signalPresence, p, [](const INFO_SIGNAL_PRESENCE &s) { return s.inputId; });
    changed(cpuid, c ? uint(PartInputs) : 0u);
}

void DeviceHub::storeGwImageQuality(QString cpuid, INFO_IMAGE_QUALITY quality)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid)) {
        const bool c =
            upsert(rec->imageQuality, quality, [](const INFO_IMAGE_QUALITY &q) { return q.index; });
        changed(cpuid, c ? uint(PartImageQuality) : 0u);
    }
}

void DeviceHub::storeGwPresetPart(QString cpuid, INFO_PRESET received, bool windowPart)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    // One part (panels or windows) of a GW preset reply replaces that part of the stored preset.
    for (INFO_PRESET &stored : rec->presets) {
        if (stored.id != received.id)
            continue;
        const INFO_PRESET before = stored;
        QList<PRESET_ENTRY> &part = windowPart ? stored.windows : stored.panels;
        part.clear();
        for (const PRESET_ENTRY &e : windowPart ? received.windows : received.panels)
            upsert(part, e, [](const PRESET_ENTRY &x) { return x.value(0); });
        changed(cpuid, before != stored ? uint(PartPresets) : 0u);
        return;
    }
    rec->presets.append(received);
    changed(cpuid, PartPresets);
}

void DeviceHub::storeGwEdid(QString cpuid, INFO_EDID edid)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        changed(cpuid,
                upsert(rec->edid, edid, [](const INFO_EDID &e) { return e.srcId; }) ? uint(PartEdid) : 0u);
}

bool DeviceHub::tooFewOutputCards(const DEVICE_INFO_GW &record, const INFO_OTHER_GW5 &other)
{
    if (record.panels.isEmpty())
        return false;
    const INFO_PANEL &first = record.panels.first();
    return int(first.row) * int(first.col) > int(other.outputCards) * 4;
}

void DeviceHub::storeGwOther(QString cpuid, INFO_OTHER_GW5 other)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    // Too few output cards for the arrangement: not stored; the view restores factory settings.
    if (!rec || tooFewOutputCards(*rec, other))
        return;
    changed(cpuid, assign(rec->other, other) ? uint(PartOtherSettings) : 0u);
}
