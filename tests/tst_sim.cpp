// The simulator on the wire (TCP, UDP, its pseudo-terminal), its replies decoded by the application's own
// interfaces: a layout mismatch on either side shows as a reply that decodes to nothing or to wrong values.
#include "DeviceModels.h"
#include "FrameCodec.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "PayloadReader.h"
#include "RecordBuilders.h"
#include "Records.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include <QJsonArray>
#include <QNetworkDatagram>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>
#include <memory>

namespace {
using V = QVector<int>;
using RecordBuilders::hostFrame;
using TestSupport::waitUntil;
struct RxFrame
{
    RECV_PROTOCOL rp;
    QByteArray payload;
};

// A stream to one device (TCP socket or serial port) that cuts its replies into frames.
// Heartbeats are only counted, so they never get between a request and its replies.
class Stream
{
public:
    explicit Stream(QIODevice *device) : dev(device)
    {
        QObject::connect(dev, &QIODevice::readyRead, [this] {
            splitStreamFrames(buffer, dev->readAll(), [this](const RECV_PROTOCOL &rp, const QByteArray &p) {
                if (rp.cmd == Frame::CmdLink && rp.subCmd == Frame::SubHeartbeat)
                    ++heartbeats;
                else
                    frames.append(RxFrame{rp, p});
            });
        });
    }
    void send(const QByteArray &frame) { dev->write(frame); }
    int count(uint8_t cmd, int sub = -1) const
    {
        return std::count_if(frames.begin(), frames.end(),
                             [&](auto &f) { return f.rp.cmd == cmd && (sub < 0 || f.rp.subCmd == sub); });
    }
    bool waitFor(uint8_t cmd, int sub = -1, int atLeast = 1)
    {
        return waitUntil([&] { return count(cmd, sub) >= atLeast; }, 8000);
    }
    // Sends `frame` and returns the replies up to and including the first `cmd` / `sub`.
    QList<RxFrame> request(const QByteArray &frame, uint8_t cmd, int sub = -1)
    {
        frames.clear();
        send(frame);
        waitFor(cmd, sub);
        return frames;
    }
    QIODevice *dev;
    QByteArray buffer;
    QList<RxFrame> frames;
    int heartbeats = 0;
};

std::unique_ptr<QTcpSocket> connectTo(const QString &address)
{
    auto s = std::make_unique<QTcpSocket>();
    s->connectToHost(QHostAddress(address), 61213);
    return s->waitForConnected(5000) ? std::move(s) : nullptr;
}

// Everything a KS9200Interface announced while frames were fed into it.
// Stores each announced value in `slot` and counts it in `n`.
template <class T> auto keep(T &slot, int &n) { return [&slot, &n](QString, T v) { slot = v, ++n; }; }
template <class T> auto append(QList<T> &list) { return [&list](QString, T v) { list.append(v); }; }
// Stores the size of each announced list in `size` and counts it in `n`; counts single records in `n`.
template <class T> auto sized(int &size, int &n) { return [&size, &n](QString, QList<T> v) { size = v.size(), ++n; }; }
template <class T> auto counted(int &n) { return [&n](QString, T) { ++n; }; }

struct KsSeen
{
    explicit KsSeen(KS9200Interface *ks)
    {
        using K = KS9200Interface;
        QObject::connect(ks, &K::emitPanelData, keep(panels, lists));
        QObject::connect(ks, &K::emitWindowData, keep(windows, lists));
        QObject::connect(ks, &K::emitInputCrop, sized<INFO_INPUTCROP>(crops, lists));
        QObject::connect(ks, &K::emitInputSignals, keep(inputs, lists));
        QObject::connect(ks, &K::emitImageQuality, keep(quality, lists));
        QObject::connect(ks, &K::emitEDID, sized<INFO_EDID>(edid, lists));
        QObject::connect(ks, &K::emitChromaKey, sized<INFO_CHROMA>(chroma, lists));
        QObject::connect(ks, &K::emitBorderSetting, sized<INFO_BORDER>(borders, lists));
        QObject::connect(ks, &K::emitOutputEnhance, sized<INFO_OUTPUT_ENHANCE>(enhance, lists));
        QObject::connect(ks, &K::emitOtherSetting, keep(other, others));
        QObject::connect(ks, &K::emitOutputMode, keep(outputMode, modes));
        QObject::connect(ks, &K::emitGetPreset, append(presets));
        QObject::connect(ks, &K::emitGetTemplate, append(templates));
        QObject::connect(ks, &K::emitMultiMosaic, counted<INFO_MOSAIC>(mosaics));
        QObject::connect(ks, &K::emitTimeTask, counted<INFO_TIME_TASK>(tasks));
        QObject::connect(ks, &K::emitImageAdvanced, append(advanced));
        QObject::connect(ks, &K::emitEDIDOther, [this](QString, uchar, uchar) { ++edidModes; });
        QObject::connect(ks, &K::emitWindowRotate, [this](QString, uchar w, uchar r) { rotations.append({w, r}); });
        QObject::connect(ks, &K::emitSwitchInputFinished, [this](bool r) { switches.append(r); });
        QObject::connect(ks, &K::emitLoadPresetOrTemplateFinished, [this](QString) { ++loads; });
        QObject::connect(ks, &Interface::emitAllParams, [this] { ++allParams; });
    }
    QList<INFO_PANEL> panels;
    QList<INFO_WINDOW> windows;
    QList<INFO_INPUTSINGLE> inputs;
    QList<INFO_IMAGE_QUALITY> quality;
    INFO_OTHER_KS9200 other;
    QList<INFO_PRESET> presets;
    QList<INFO_TEMPLATE> templates;
    INFO_PANEL_OTHERSETTING outputMode;
    QList<INFO_IMAGE_ADVANCED> advanced;
    QList<QPair<int, int>> rotations;
    QList<bool> switches;
    int lists = 0, others = 0, edidModes = 0, modes = 0, loads = 0, allParams = 0;
    int crops = 0, edid = 0, chroma = 0, borders = 0, enhance = 0, mosaics = 0, tasks = 0; // list sizes, counts
};

void feed(Interface *iface, const QList<RxFrame> &frames)
{
    for (const RxFrame &f : frames)
        iface->handleFrame(iface->cpuid(), f.rp, f.payload);
}

QByteArray blockFrame(int block, const QByteArray &data, bool spoilSum = false)
{
    QByteArray payload;
    payload.append(char(block & 0xFF)).append(char(block >> 8)).append(data);
    uint32_t sum = calcCheckSum(data) + (spoilSum ? 1 : 0);
    payload.append(char(sum & 0xFF)).append(char((sum >> 8) & 0xFF)).append(char(0)).append(char(0));
    return makeLongFrame(0xF2, 0x02, payload);
}
} // namespace

class TestSim : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerRecordTypes();
        QVERIFY2(sim.start({"--device", "KS9200:addr=127.0.0.2,name=Hall A", "--device",
                            "KX4200:addr=127.0.0.3,pty,usb,sdi", "--device", "GW5:addr=127.0.0.4", "--device",
                            "19:addr=127.0.0.5,extra=1", "--heartbeat-ms", "300", "--image-dir", images.path()}),
                 qPrintable(sim.errorString()));
        QCOMPARE(sim.devices().size(), 4);
        ks = sim.devices()[0].cpuid;
        kx = sim.devices()[1].cpuid;
        gw = sim.devices()[2].cpuid;
        unsupported = sim.devices()[3].cpuid;
        QCOMPARE(ks.size(), 24);
        QVERIFY(!sim.devices()[1].pty.isEmpty());
    }

    void announcementLayout()
    {
        // A unicast search to each device answers from the device's own address with the payload
        // laid out as the main window reads it.
        QUdpSocket udp;
        QVERIFY(udp.bind(QHostAddress("127.0.0.1"), 0));
        const struct {
            const char *address;
            int type;
            QString cpuid;
            QByteArray name;
            int flags, extra;
        } rows[] = {{"127.0.0.2", 3, ks, "Hall A", 0, 0},
                    {"127.0.0.3", 17, kx, "KX4200-2", 3, 0},
                    {"127.0.0.4", 48, gw, "GW5-3", 0, 0},
                    {"127.0.0.5", 19, unsupported, "KXUHD-4", 0, 1}};
        for (const auto &row : rows) {
            udp.writeDatagram(makeSearchFrame(), QHostAddress(row.address), 8989);
            QVERIFY(waitUntil([&] { return udp.hasPendingDatagrams(); }));
            QByteArray d(2048, 0);
            QHostAddress from;
            d.resize(int(udp.readDatagram(d.data(), d.size(), &from)));
            QCOMPARE(from, QHostAddress(row.address));
            RECV_PROTOCOL rp;
            QByteArray p;
            QVERIFY(parseRecvFrame(d, rp, p));
            QCOMPARE(V({rp.cmd, rp.subCmd}), V({0xFF, 0x00}));
            PayloadReader r(p);
            QCOMPARE(int(r.s8(0)), row.type);
            QCOMPARE(int(r.u8(1)), row.flags);
            QCOMPARE(cpuidFromBytes(p.mid(3, 12)), row.cpuid);
            const int l1 = r.u8(15);
            QVERIFY(QByteArray(p.mid(16, l1)).startsWith("V"));
            const int l2 = r.u8(16 + l1);
            QCOMPARE(p.mid(17 + l1, l2), row.name);
            QCOMPARE(p.size(), 18 + l1 + l2);
            QCOMPARE(int(r.u8(17 + l1 + l2)), row.extra);
        }
    }

    void ksReadAllAndSettingsReadBack()
    {
        auto sock = connectTo("127.0.0.2");
        QVERIFY(sock);
        Stream s(sock.get());
        KS9200Interface iface(ks);
        QObject::connect(&iface, &Interface::emitSendData, [&](QByteArray f) { s.send(f); });
        KsSeen seen(&iface);
        iface.readAll();
        QVERIFY(s.waitFor(0xEF));
        // Every reply decodes; 0xEF comes last.
        QCOMPARE(int(s.frames.last().rp.cmd), 0xEF);
        feed(&iface, s.frames);
        // Counts: read-back ends, panels, windows, crops, qualities, tasks, presets, mosaics, EDID modes, chroma
        // keys, borders, enhance switches (DVI1 and DVI2), other settings; a KS9200 has no KX extras (output
        // mode, advanced quality); each of the 9 list replies was decoded (none dropped by a size check).
        QCOMPARE(
            V({seen.allParams, seen.panels.size(), seen.windows.size(), seen.crops, seen.quality.size(), seen.tasks,
               seen.presets.size(), seen.mosaics, seen.edidModes, seen.chroma, seen.borders, seen.enhance, seen.others,
               seen.modes, seen.advanced.size(), seen.lists}),
            V({1, 2, 4, 4, 4, 16, 2, 4, 1, 4, 4, 2, 1, 0, 0, 9}));
        QCOMPARE(V({seen.panels[1].x, seen.panels[1].width, seen.panels[1].height}), V({1920, 1920, 1080}));
        QCOMPARE(V({seen.windows[0].param2, seen.windows[2].x, seen.quality[0].brightness}),
                 V({32, 1920, 50})); // HDMI1
        QCOMPARE(V({seen.presets[1].windows.size(), seen.other.volume, seen.other.other11}), V({4, 20, 1}));
        QCOMPARE(seen.inputs.size(), inputNames(3, false, false).size());
        QCOMPARE(seen.edid, seen.inputs.size());

        // Settings are read back.
        seen.switches.clear();
        s.send(KS9200Interface::setWindowGeometryFrame(1, 100, 200, 800, 600));
        s.send(KS9200Interface::setWindowTransparencyFrame(1, 40));
        s.send(KS9200Interface::switchInputFrame(0, 33));
        s.send(KS9200Interface::switchInputFrame(0, 200)); // no such input
        s.send(KS9200Interface::setFreezeFrame(1));
        s.send(KS9200Interface::setBackgroundColorFrame(10, 20, 30));
        s.send(KS9200Interface::setAudioVolumeFrame(7));
        feed(&iface, s.request(Interface::requestFrame(0xEF), 0xEF));
        QCOMPARE(seen.switches, (QList<bool>{true, false}));
        const INFO_WINDOW &w = seen.windows[1];
        QCOMPARE(V({w.x, w.y, w.width, w.height, w.param1, seen.windows[0].param2}), V({100, 200, 800, 600, 40, 33}));
        const INFO_OTHER_KS9200 &o = seen.other;
        QCOMPARE(V({o.freeze, o.bgEnable, o.bgRed, o.bgGreen, o.bgBlue, o.volume}), V({1, 1, 10, 20, 30, 7}));

        // Storing a preset: the acknowledgement makes the interface read the presets back.
        seen.presets.clear();
        s.frames.clear();
        iface.savePreset(5);
        QVERIFY(s.waitFor(0x04, 2));
        QList<RxFrame> ack = s.frames;
        s.frames.clear();
        feed(&iface, ack);
        QVERIFY(s.waitFor(0xE6, 0, 3));
        feed(&iface, s.frames);
        QCOMPARE(V({seen.presets.size(), seen.presets.last().id, seen.presets.last().windows.value(1).value(0)}),
                 V({3, 5, 100}));

        // A template load answers 0x04 and then sends the template.
        seen.templates.clear();
        feed(&iface, s.request(KS9200Interface::loadTemplateFrame(2), 0xE7));
        const INFO_TEMPLATE &t = seen.templates.value(0); // window 3: the quarter at (1920, 540)
        QCOMPARE(V({seen.loads, seen.templates.size(), t.templateId, t.windows.size(), t.windows.value(3).value(0)}),
                 V({1, 1, 2, 4, 1920}));

        // The name arrives in 15-byte chunks and is announced afterwards.
        for (const QByteArray &f : KS9200Interface::setDeviceNameFrames(QByteArray("Control Room West")))
            s.send(f);
        QVERIFY(s.waitFor(0x0F, 1));
        QUdpSocket udp;
        QVERIFY(udp.bind(QHostAddress("127.0.0.1"), 0));
        udp.writeDatagram(makeSearchFrame(), QHostAddress("127.0.0.2"), 8989);
        QVERIFY(waitUntil([&] { return udp.hasPendingDatagrams(); }));
        QVERIFY(udp.receiveDatagram().data().contains("Control Room West"));

        // Factory reset brings the default windows back.
        feed(&iface, s.request(KS9200Interface::factoryResetFrame(), 0x18));
        feed(&iface, s.request(Interface::requestFrame(0xE2), 0xE2));
        QCOMPARE(V({seen.windows[1].x, seen.windows[0].param2}), V({960, 32}));
    }

    void kxReadAllOverThePty()
    {
        QSerialPort port;
        port.setPortName(sim.devices()[1].pty);
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        port.setBaudRate(115200);
        Stream s(&port);
        // The search request is answered as the host's serial probe expects.
        QCOMPARE(s.request(makeSearchFrame(), 0xFF, 0).size(), 1);
        QCOMPARE(cpuidFromBytes(s.frames[0].payload.mid(3, 12)), kx);

        KS9200Interface iface(kx);
        KsSeen seen(&iface);
        feed(&iface, s.request(KS9200Interface::setWindowRotateFrame(1, 2), 0xE2, 1));
        QCOMPARE(seen.rotations, (QList<QPair<int, int>>{{1, 2}}));
        seen.rotations.clear();
        feed(&iface, s.request(KS9200Interface::setOutputModeFrame(1, 0), 0x05, 1));
        feed(&iface, s.request(Interface::requestFrame(0xEF), 0xEF));
        QCOMPARE(V({seen.allParams, seen.modes, seen.outputMode.mode, seen.outputMode.value1}), V({1, 1, 1, 3840}));
        // Output mode 1 stacks the two outputs.
        QCOMPARE(V({seen.panels.size(), seen.panels[1].x, seen.panels[1].y}), V({2, 0, 1080}));
        QCOMPARE(V({seen.windows.size(), seen.rotations.size(), seen.rotations[1].second, seen.advanced.size(),
                    seen.advanced[2].winId, seen.advanced[2].colorTempRed}),
                 V({3, 3, 2, 3, 2, 50}));
        // USB and SDI flags add their inputs.
        QCOMPARE(seen.inputs.size(), inputNames(17, true, true).size());
        QCOMPARE(int(seen.inputs.last().srcId), inputIdFromName("SDI2"));
    }

    void gwReadAllAndWindowEdits()
    {
        auto sock = connectTo("127.0.0.4");
        QVERIFY(sock);
        Stream s(sock.get());
        const QList<RxFrame> frames = s.request(Interface::requestFrame(0xEF), 0xEF);
        // The record layouts of the GW replies: one item per frame, each of its fixed size.
        const QMap<int, int> itemSize{{0xE100, 11}, {0xE101, 9},  {0xE102, 6}, {0xE200, 13}, {0xE201, 11}, {0xE300, 11},
                                      {0xE301, 11}, {0xE400, 10}, {0xE401, 5}, {0xE500, 13}, {0xEA00, 6},  {0xEE00, 6}};
        QMap<int, int> counts;
        for (const RxFrame &f : frames) {
            const int key = f.rp.cmd << 8 | f.rp.subCmd;
            ++counts[key];
            if (itemSize.contains(key))
                QCOMPARE(f.payload.size(), itemSize.value(key));
        }
        QCOMPARE(int(frames.first().rp.cmd), 0xEE); // card counts before anything placed on them
        QCOMPARE(int(uint8_t(frames.first().payload.at(1))), 2);
        // 2 x 4 areas, one mapping per port, 3 windows, 8 inputs, 2 presets.
        QCOMPARE(V({counts[0xE100], counts[0xE102], counts[0xE200], counts[0xE400], counts[0xE401], counts[0xE600],
                    counts[0xE601], counts[0xEF00]}),
                 V({8, 8, 3, 8, 8, 2, 2, 1}));

        // Decoded by the GW interface once it decodes (its records must match the layouts above).
        GW5Interface iface(gw);
        QList<INFO_PANEL> panels;
        QList<INFO_WINDOW> windows;
        QList<INFO_PRESET> presetWindows;
        QList<int> signalled;
        int others = 0, resolutions = 0, all = 0;
        QObject::connect(&iface, &GW5Interface::emitPanelData, [&](QString, INFO_PANEL p) { panels << p; });
        QObject::connect(&iface, &GW5Interface::emitWindowData, [&](QString, INFO_WINDOW w) { windows << w; });
        QObject::connect(&iface, &GW5Interface::emitPresetWindow, [&](QString, INFO_PRESET p) { presetWindows << p; });
        QObject::connect(&iface, &GW5Interface::emitInputHasSignal, [&](QString, int id, bool has, int) {
            if (has)
                signalled << id;
        });
        QObject::connect(&iface, &GW5Interface::emitOtherSetting, [&](QString, INFO_OTHER_GW5) { ++others; });
        QObject::connect(&iface, &GW5Interface::emitPanelResolution,
                         [&](QString, int, int w, int h, int, int row, int col, int) {
                             ++resolutions;
                             QCOMPARE(V({w, h, row, col}), V({1920, 1080, 2, 4}));
                         });
        QObject::connect(&iface, &Interface::emitAllParams, [&] { ++all; });
        feed(&iface, frames);
        QCOMPARE(V({others, all, resolutions, panels.size(), panels[5].x, panels[5].y}), V({1, 1, 1, 8, 1920, 1080}));
        // Width, input and transparency of window 1.
        QCOMPARE(V({windows.size(), windows[1].width, windows[1].param2, windows[1].param1}), V({3, 3840, 1, 100}));
        QCOMPARE(signalled, (QList<int>{0, 1, 2}));
        QCOMPARE(presetWindows.size(), 2);
        QCOMPARE(iface.matrix()->outputCards(), 2);

        // Open window 5, give it input 2 and 50 % transparency, close window 0.
        s.send(hostFrame(0x03, 0x00, {5, 0x10, 0x00, 0x20, 0x00, 0x00, 0x04, 0x00, 0x03, 7}));
        s.send(hostFrame(0x08, 0x00, {5, 2}));
        s.send(hostFrame(0x03, 0x01, {5, 50}));
        s.send(hostFrame(0x03, 0x02, {0}));
        s.send(hostFrame(0x08, 0x00, {0, 1})); // window 0 is gone: refused
        const QList<RxFrame> replies = s.request(Interface::requestFrame(0xE2), 0xE2, 0);
        QList<int> statuses;
        for (const RxFrame &f : replies)
            if (f.rp.cmd == 0x08)
                statuses << f.rp.status;
        QCOMPARE(statuses, (QList<int>{0, 1}));
        QVERIFY(s.waitFor(0xE2, 0, 3));
        QMap<int, QByteArray> records;
        for (const RxFrame &f : s.frames)
            if (f.rp.cmd == 0xE2 && f.rp.subCmd == 0)
                records.insert(uint8_t(f.payload.at(0)), f.payload);
        QCOMPARE(records.keys(), (QList<int>{1, 2, 5}));
        const QByteArray window5 = records.value(5);
        PayloadReader w(window5); // rectangle, input, layer, transparency
        QCOMPARE(V({w.u16(1), w.u16(3), w.u16(5), w.u16(7), w.u8(9), w.u8(10), w.u8(11)}),
                 V({0x10, 0x20, 1024, 768, 2, 7, 50}));
        // The state file follows the device, for tests that check what the application changed.
        QVERIFY(waitUntil([&] {
            const QJsonArray wins = sim.refresh() ? sim.devices()[2].state.value("windows").toArray() : QJsonArray();
            return wins.size() == 3 && wins.at(2).toObject().value("id").toInt() == 5 &&
                   wins.at(2).toObject().value("width").toInt() == 1024;
        }));
        s.request(hostFrame(0x18, 0x00), 0x18); // back to the defaults for the other cases
    }

    void gwUpgradeOverUdp()
    {
        // The upgrade dialog sends by datagram to a network device; the answers come back the same way.
        QUdpSocket udp;
        QVERIFY(udp.bind(QHostAddress("127.0.0.1"), 0));
        QList<RxFrame> got;
        QObject::connect(&udp, &QUdpSocket::readyRead, [&] {
            while (udp.hasPendingDatagrams()) {
                RxFrame f;
                if (parseRecvFrame(udp.receiveDatagram().data(), f.rp, f.payload))
                    got << f;
            }
        });
        auto exchange = [&](const QByteArray &frame, int sub) {
            got.clear();
            udp.writeDatagram(frame, QHostAddress("127.0.0.4"), 8989);
            return waitUntil([&] {
                return std::any_of(got.begin(), got.end(),
                                   [&](auto &f) { return f.rp.cmd == 0xF2 && f.rp.subCmd == sub; });
            });
        };
        QByteArray image(1300, 0);
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i * 7 + 3);
        QVERIFY(exchange(hostFrame(0xF2, 0x00, {2}), 0x00));
        QVERIFY(exchange(hostFrame(0xF2, 0x01, {image.size() & 0xFF, image.size() >> 8, 0, 0}), 0x01));
        QCOMPARE(int(got[0].rp.status), 0);
        auto result = [&] {
            return QPair<int, int>(uint8_t(got[0].payload.at(2)), PayloadReader(got[0].payload).u16(3));
        };
        QVERIFY(exchange(blockFrame(0, image.mid(0, 512), true), 0x02));
        QCOMPARE(result(), (QPair<int, int>{1, 0})); // block sum wrong: send it again
        QVERIFY(exchange(blockFrame(0, image.mid(0, 512)), 0x02));
        QCOMPARE(result(), (QPair<int, int>{0, 0}));
        QVERIFY(exchange(blockFrame(2, image.mid(1024)), 0x02));
        QCOMPARE(result(), (QPair<int, int>{2, 1})); // out of order: send again from block 1
        QVERIFY(exchange(blockFrame(1, image.mid(512, 512)), 0x02));
        QCOMPARE(result().first, 0);
        QVERIFY(exchange(blockFrame(2, image.mid(1024)), 0x03));
        QCOMPARE(int(got.last().payload.at(0)), 0); // end report: success
        QFile saved(images.filePath(gw + "-output.bin"));
        QVERIFY(waitUntil([&] { return saved.exists(); }));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), image);
    }

    void heartbeatsLogAndFramesInPieces()
    {
        auto sock = connectTo("127.0.0.5");
        QVERIFY(sock);
        Stream s(sock.get());
        QVERIFY(waitUntil([&] { return s.heartbeats >= 2; }));
        const QByteArray probe = KS9200Interface::setWindowTransparencyFrame(0, 77);
        s.request(probe, 0x03);
        // The log holds the frame exactly as the application wrote it, and the device's answer.
        bool rx = false, tx = false;
        for (const QJsonObject &o : sim.log()) {
            if (o.value("device").toString() != unsupported || o.value("transport").toString() != "tcp")
                continue;
            rx = rx || (o.value("dir") == "rx" && o.value("hex").toString() == QString::fromLatin1(probe.toHex()) &&
                        o.value("cmd").toInt() == 3 && o.value("sub").toInt() == 1);
            tx = tx || (o.value("dir") == "tx" && o.value("cmd").toInt() == 0xFF && o.value("sub").toInt() == 1);
        }
        QVERIFY(rx && tx);

        // The device cuts the application's frames out of its stream whatever the pieces: noise before a
        // frame, a frame split over three writes, a frame with a wrong checksum (ignored) and two
        // frames in one write are answered exactly once each, in order.
        s.frames.clear();
        const QByteArray a = KS9200Interface::setWindowTransparencyFrame(0, 10);
        QByteArray bad = KS9200Interface::setFreezeFrame(1);
        bad[22] = char(bad.at(22) + 1);
        sock->write(QByteArray::fromHex("00115a") + a.left(3));
        QTest::qWait(20);
        sock->write(a.mid(3, 10));
        QTest::qWait(20);
        sock->write(a.mid(13) + bad + QByteArray::fromHex("5a") + KS9200Interface::setBlackScreenFrame(1) +
                    Interface::requestFrame(0xEE));
        QVERIFY(s.waitFor(0xEE));
        QList<int> order;
        for (const RxFrame &f : s.frames)
            order << f.rp.cmd;
        QCOMPARE(order, (QList<int>{0x03, 0x13, 0xEE}));
        INFO_OTHER_KS9200 other;
        QVERIFY(KS9200Interface::decodeOtherSetting(s.frames.last().payload, other));
        QCOMPARE(V({other.freeze, other.blackScreen}), V({0, 1}));
    }

    void faultyRepliesStillDecode()
    {
        SimProcess faulty;
        QVERIFY2(faulty.start({"--device", "KS9200:addr=127.0.0.6", "--split-writes", "--junk", "--corrupt-every", "4",
                               "--refuse-switch", "--no-heartbeat"}),
                 qPrintable(faulty.errorString()));
        auto sock = connectTo("127.0.0.6");
        QVERIFY(sock);
        Stream s(sock.get());
        KS9200Interface iface(faulty.devices()[0].cpuid);
        KsSeen seen(&iface);
        s.send(KS9200Interface::switchInputFrame(0, 33));
        s.send(Interface::requestFrame(0xEF));
        QVERIFY(s.waitFor(0xEF));
        feed(&iface, s.frames);
        // Reply 4, 8, ... carried a bad checksum and was dropped by the reassembly; every other frame
        // came through in pieces and behind junk, whole.
        int sent = 0, corrupted = 0;
        for (const QJsonObject &o : faulty.log())
            if (o.value("dir") == "tx")
                ++sent, corrupted += o.value("note").toString() == "corrupt checksum";
        QCOMPARE(corrupted, sent / 4);
        QCOMPARE(s.frames.size(), sent - corrupted);
        QCOMPARE(seen.switches, QList<bool>{false});
        QCOMPARE(V({seen.allParams, seen.panels.size()}), V({1, 2})); // panels: reply 2 of the read-back
    }

    void timedFaults()
    {
        SimProcess faulty;
        QVERIFY2(faulty.start({"--device", "KS1200:addr=127.0.0.7", "--heartbeat-ms", "200", "--heartbeat-stop", "1",
                               "--interrupt-after", "2", "--close-after", "3"}),
                 qPrintable(faulty.errorString()));
        auto sock = connectTo("127.0.0.7");
        QVERIFY(sock);
        Stream s(sock.get());
        bool closed = false;
        QObject::connect(sock.get(), &QTcpSocket::disconnected, [&] { closed = true; });
        QVERIFY(waitUntil([&] { return closed; }, 15000));
        // Heartbeats first, then they stop; the interruption notice comes later, then the close.
        QVERIFY(s.heartbeats >= 2);
        QCOMPARE(s.count(0xFF, 0x02), 1);
        QCOMPARE(int(s.frames.last().rp.subCmd), 0x02);
    }

    void upgradeFaults()
    {
        SimProcess faulty;
        QVERIFY2(faulty.start({"--device", "GW5:addr=127.0.0.8", "--upgrade-ignore-boot", "1", "--upgrade-fail-block",
                               "1", "--no-heartbeat"}),
                 qPrintable(faulty.errorString()));
        auto sock = connectTo("127.0.0.8");
        QVERIFY(sock);
        Stream s(sock.get());
        // The first boot request is left unanswered, the second answered (replies keep their order,
        // so both answers would be in before the start acknowledgement).
        s.send(hostFrame(0xF2, 0x00, {0}));
        s.send(hostFrame(0xF2, 0x00, {0}));
        s.send(hostFrame(0xF2, 0x01, {0x00, 0x04, 0, 0}));
        QVERIFY(s.waitFor(0xF2, 0x01));
        QCOMPARE(s.count(0xF2, 0x00), 1);
        const QByteArray image(1024, 'x');
        s.request(blockFrame(0, image.left(512)), 0xF2, 0x02);
        QCOMPARE(int(uint8_t(s.frames.last().payload.at(2))), 0);
        // Block 1 fails once, then goes through and completes the image.
        s.request(blockFrame(1, image.mid(512)), 0xF2, 0x02);
        QCOMPARE(int(uint8_t(s.frames.last().payload.at(2))), 1);
        QCOMPARE(s.count(0xF2, 0x03), 0);
        s.request(blockFrame(1, image.mid(512)), 0xF2, 0x03);
        QCOMPARE(s.count(0xF2, 0x02), 1);
        QCOMPARE(int(s.frames.last().payload.at(0)), 0);
    }

private:
    SimProcess sim;
    QTemporaryDir images;
    QString ks, kx, gw, unsupported;
};

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
