#include "ReadBackLink.h"

#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "TestSupport.h"

namespace {
template <typename T, typename K> void upsert(QList<T> &list, const T &item, K key)
{
    for (T &t : list) {
        if (key(t) == key(item)) {
            t = item;
            return;
        }
    }
    list.append(item);
}

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

ReadBackLink::ReadBackLink(const QHostAddress &address, const QString &cpuid, int type, quint16 port)
{
    registerRecordTypes();
    INFO_BASIC &b = isGwType(type) ? static_cast<INFO_BASIC &>(gw) : static_cast<INFO_BASIC &>(ks);
    b.type = type;
    b.cpuid = cpuid;
    b.linkType = 2;
    b.address = address;
    b.online = 1;
    if (isGwType(type)) {
        iface = std::make_unique<GW5Interface>(cpuid);
        connectGw();
    } else {
        iface = std::make_unique<KS9200Interface>(cpuid);
        connectKs();
    }
    key = comm.connectTcp(address, port);
    if (key)
        TestSupport::waitUntil([&] { return comm.linkType(key) == CommManager::LinkTcp; }, 5000);
    comm.onSetConnectDeviceCpuid(key, 0, cpuid, address);
    iface->setKeyTCP(key);
    QObject::connect(iface.get(), &Interface::emitSendData, &comm,
                     [this](const QByteArray &d) { comm.write(key, d); });
    QObject::connect(&comm, &CommManager::emitHandleData, iface.get(),
                     [this](uint, uint, QString id, RECV_PROTOCOL rp, QByteArray data) {
                         if (rp.cmd != 0xFF)
                             iface->handleFrame(id, rp, data);
                     });
    QObject::connect(iface.get(), &Interface::emitAllParams, &comm, [this] { ++allParams; });
}

ReadBackLink::~ReadBackLink() = default;

bool ReadBackLink::isConnected() const
{
    return key != 0 && comm.linkType(key) == CommManager::LinkTcp;
}

INFO_BASIC &ReadBackLink::record()
{
    if (isGwType(gw.type))
        return gw;
    return ks;
}

bool ReadBackLink::readBack(int timeoutMs)
{
    record().clearAllData();
    hasGwResolution = false;
    const int before = allParams;
    iface->readAll();
    return TestSupport::waitUntil([&] { return allParams > before; }, timeoutMs);
}

bool ReadBackLink::settle(int timeoutMs)
{
    const int before = otherReplies;
    iface->readOtherSetting();
    return TestSupport::waitUntil([&] { return otherReplies > before; }, timeoutMs);
}

void ReadBackLink::connectKs()
{
    auto *k = static_cast<KS9200Interface *>(iface.get());
    QObject *ctx = &comm;
    QObject::connect(k, &KS9200Interface::emitPanelData, ctx,
                     [this](QString, QList<INFO_PANEL> l) { ks.panels = l; });
    QObject::connect(k, &KS9200Interface::emitOutputMode, ctx,
                     [this](QString, INFO_PANEL_OTHERSETTING m) { ks.outputMode = m; });
    QObject::connect(k, &KS9200Interface::emitWindowData, ctx, [this](QString, QList<INFO_WINDOW> l) {
        // The rotation arrives on its own; a new window list keeps the known rotations.
        for (INFO_WINDOW &w : l)
            for (const INFO_WINDOW &old : qAsConst(ks.windows))
                if (old.winId == w.winId)
                    w.rotate = old.rotate;
        ks.windows = l;
    });
    QObject::connect(k, &KS9200Interface::emitWindowRotate, ctx, [this](QString, uchar win, uchar rotate) {
        for (INFO_WINDOW &w : ks.windows)
            if (w.winId == win)
                w.rotate = rotate;
    });
    QObject::connect(k, &KS9200Interface::emitInputCrop, ctx,
                     [this](QString, QList<INFO_INPUTCROP> l) { ks.inputCrops = l; });
    QObject::connect(k, &KS9200Interface::emitInputSignals, ctx,
                     [this](QString, QList<INFO_INPUTSINGLE> l) { ks.inputSignals = l; });
    QObject::connect(k, &KS9200Interface::emitImageQuality, ctx,
                     [this](QString, QList<INFO_IMAGE_QUALITY> l) { ks.imageQuality = l; });
    QObject::connect(k, &KS9200Interface::emitImageAdvanced, ctx, [this](QString, INFO_IMAGE_ADVANCED a) {
        upsert(ks.imageAdvanced, a, [](const INFO_IMAGE_ADVANCED &x) { return x.winId; });
    });
    QObject::connect(k, &KS9200Interface::emitGetPreset, ctx, [this](QString, INFO_PRESET p) {
        upsert(ks.presets, p, [](const INFO_PRESET &x) { return x.id; });
    });
    QObject::connect(k, &KS9200Interface::emitGetTemplate, ctx, [this](QString, INFO_TEMPLATE t) {
        upsert(ks.templates, t, [](const INFO_TEMPLATE &x) { return x.templateId; });
    });
    QObject::connect(k, &KS9200Interface::emitMultiMosaic, ctx, [this](QString, INFO_MOSAIC m) {
        upsert(ks.mosaics, m, [](const INFO_MOSAIC &x) { return x.winId; });
    });
    QObject::connect(k, &KS9200Interface::emitTimeTask, ctx,
                     [this](QString, INFO_TIME_TASK t) { ks.storeTimeTask(t); });
    QObject::connect(k, &KS9200Interface::emitAllTasksOn, ctx,
                     [this](QString, bool on) { ks.allTasksOn = on; });
    QObject::connect(k, &KS9200Interface::emitEDID, ctx,
                     [this](QString, QList<INFO_EDID> l) { ks.edid = l; });
    QObject::connect(k, &KS9200Interface::emitEDIDOther, ctx, [this](QString, uchar mode, uchar audio) {
        ks.signalMode = mode;
        ks.dviAudioMode = audio;
    });
    QObject::connect(k, &KS9200Interface::emitChromaKey, ctx,
                     [this](QString, QList<INFO_CHROMA> l) { ks.chromaKeys = l; });
    QObject::connect(k, &KS9200Interface::emitBorderSetting, ctx,
                     [this](QString, QList<INFO_BORDER> l) { ks.borders = l; });
    QObject::connect(k, &KS9200Interface::emitOutputEnhance, ctx,
                     [this](QString, QList<INFO_OUTPUT_ENHANCE> l) { ks.outputEnhance = l; });
    QObject::connect(k, &KS9200Interface::emitOtherSetting, ctx, [this](QString, INFO_OTHER_KS9200 o) {
        ks.other = o;
        ++otherReplies;
    });
}

void ReadBackLink::connectGw()
{
    auto *g = static_cast<GW5Interface *>(iface.get());
    QObject *ctx = &comm;
    QObject::connect(g, &GW5Interface::emitPanelData, ctx, [this](QString, INFO_PANEL p) {
        if (hasGwResolution)
            copyResolution(gwResolution, p);
        upsert(gw.panels, p, [](const INFO_PANEL &x) { return x.id; });
    });
    QObject::connect(g, &GW5Interface::emitPanelResolution, ctx,
                     [this](QString, int index, int w, int h, int rate, int row, int col, int arrangement) {
                         gwResolution.index = uint16_t(index);
                         gwResolution.resWidth = uint16_t(w);
                         gwResolution.resHeight = uint16_t(h);
                         gwResolution.rate = uint16_t(rate);
                         gwResolution.row = uint8_t(row);
                         gwResolution.col = uint8_t(col);
                         gwResolution.arrangement = uint8_t(arrangement);
                         hasGwResolution = true;
                         for (INFO_PANEL &p : gw.panels)
                             copyResolution(gwResolution, p);
                     });
    QObject::connect(g, &GW5Interface::emitOutputPortMapping, ctx, [this](QString, INFO_MAPPING m) {
        upsert(gw.mappings, m, [](const INFO_MAPPING &x) { return x.port; });
    });
    QObject::connect(g, &GW5Interface::emitWindowData, ctx, [this](QString, INFO_WINDOW w) {
        upsert(gw.windows, w, [](const INFO_WINDOW &x) { return x.winId; });
    });
    QObject::connect(g, &GW5Interface::emitInputCrop, ctx, [this](QString, INFO_INPUTCROP c) {
        upsert(gw.inputCrops, c, [](const INFO_INPUTCROP &x) { return x.index; });
    });
    QObject::connect(g, &GW5Interface::emitInputSignal, ctx, [this](QString, INFO_INPUTSINGLE s) {
        upsert(gw.inputSignals, s, [](const INFO_INPUTSINGLE &x) { return x.srcId; });
    });
    QObject::connect(g, &GW5Interface::emitImageQuality, ctx, [this](QString, INFO_IMAGE_QUALITY q) {
        upsert(gw.imageQuality, q, [](const INFO_IMAGE_QUALITY &x) { return x.index; });
    });
    const auto mergePart = [this](const INFO_PRESET &received, bool windowPart) {
        for (INFO_PRESET &stored : gw.presets) {
            if (stored.id != received.id)
                continue;
            QList<PRESET_ENTRY> &part = windowPart ? stored.windows : stored.panels;
            part.clear();
            for (const PRESET_ENTRY &e : windowPart ? received.windows : received.panels)
                upsert(part, e, [](const PRESET_ENTRY &x) { return x.value(0); });
            return;
        }
        gw.presets.append(received);
    };
    QObject::connect(g, &GW5Interface::emitPresetPanel, ctx,
                     [=](QString, INFO_PRESET p) { mergePart(p, false); });
    QObject::connect(g, &GW5Interface::emitPresetWindow, ctx,
                     [=](QString, INFO_PRESET p) { mergePart(p, true); });
    QObject::connect(g, &GW5Interface::emitEDIDSetting, ctx, [this](QString, INFO_EDID e) {
        upsert(gw.edid, e, [](const INFO_EDID &x) { return x.srcId; });
    });
    QObject::connect(g, &GW5Interface::emitOtherSetting, ctx, [this](QString, INFO_OTHER_GW5 o) {
        gw.other = o;
        ++otherReplies;
    });
}
