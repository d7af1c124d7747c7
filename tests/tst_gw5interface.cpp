// GW5 interface: dispatch, the one-record-per-frame decoders with good and bad payloads, the
// matrix updates that come before the signals, and the frames of the plain operations.
#include "FrameCodec.h"
#include "GW5Interface.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include <QTcpSocket>
#include <QtTest>
#include <memory>

namespace {
using TestSupport::replyHeader;
using V = QVector<int>;
const QString Id = QStringLiteral("GW-0001");

// A spy on the signal of `gw` called `name`.
QSignalSpy *spyOn(GW5Interface &gw, const QByteArray &name)
{
    const QMetaObject *mo = gw.metaObject();
    for (int i = 0; i < mo->methodCount(); ++i)
        if (mo->method(i).name() == name)
            return new QSignalSpy(&gw, QByteArray("2" + mo->method(i).methodSignature()).constData());
    return nullptr;
}
} // namespace

class TstGw5Interface : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerRecordTypes(); }

    // One item per reply, of a fixed size: one byte short is refused, a partial second item ignored.
    void itemLengths_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<int>("sub");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("panel") << 0xE1 << 0x00 << 11 << QByteArray("emitPanelData");
        QTest::newRow("resolution") << 0xE1 << 0x01 << 9 << QByteArray("emitPanelResolution");
        QTest::newRow("mapping") << 0xE1 << 0x02 << 6 << QByteArray("emitOutputPortMapping");
        QTest::newRow("window") << 0xE2 << 0x00 << 13 << QByteArray("emitWindowData");
        QTest::newRow("crop") << 0xE3 << 0x00 << 11 << QByteArray("emitInputCrop");
        QTest::newRow("input signal") << 0xE4 << 0x00 << 10 << QByteArray("emitInputSignal");
        QTest::newRow("signal presence") << 0xE4 << 0x01 << 5 << QByteArray("emitInputHasSignal");
        QTest::newRow("image quality") << 0xE5 << 0x00 << 13 << QByteArray("emitImageQuality");
        QTest::newRow("edid") << 0xEA << 0x00 << 6 << QByteArray("emitEDIDSetting");
        QTest::newRow("other settings") << 0xEE << 0x00 << 5 << QByteArray("emitOtherSetting");
    }
    void itemLengths()
    {
        QFETCH(int, cmd);
        QFETCH(int, sub);
        QFETCH(int, size);
        QFETCH(QByteArray, signal);
        GW5Interface gw(Id);
        std::unique_ptr<QSignalSpy> spy(spyOn(gw, signal));
        QVERIFY(spy);
        gw.handleFrame(Id, replyHeader(uint8_t(cmd), uint8_t(sub)), QByteArray(size - 1, 1));
        QCOMPARE(spy->count(), 0);
        for (int n : {size, 2 * size - 1})
            gw.handleFrame(Id, replyHeader(uint8_t(cmd), uint8_t(sub)), QByteArray(n, 1));
        QCOMPARE(spy->count(), 2);
    }

    void windowReplyUsesLastItem()
    {
        GW5Interface gw(Id);
        QSignalSpy spy(&gw, &GW5Interface::emitWindowData);
        const QByteArray one = QByteArray::fromHex("01 0a00 1400 e803 f401 02 03 50 00");
        const QByteArray two = QByteArray::fromHex("02 6400 c800 2c01 9001 05 01 46 00");
        gw.handleFrame(Id, replyHeader(0xE2, 0x00), one + two + QByteArray(5, 0)); // trailing partial item
        QCOMPARE(spy.count(), 1);
        const INFO_WINDOW w = spy.at(0).at(1).value<INFO_WINDOW>();
        QCOMPARE(V({w.winId, w.x, w.y, w.width, w.height, w.param2, w.param3, w.srcId, w.param1, w.flag0, w.flag1,
                    w.flag2, w.rotate}),
                 V({2, 100, 200, 300, 400, 5, 1, 1, 70, 1, 1, 1, 0}));
        QCOMPARE(V({gw.matrix()->window(2).source, gw.matrix()->window(1).winId}), V({5, 255}));
        gw.handleFrame(Id, replyHeader(0xE2, 0x00), QByteArray());
        gw.handleFrame(QStringLiteral("other"), replyHeader(0xE2, 0x00), one);
        QCOMPARE(spy.count(), 1);
        // window number beyond the card limit: signal, but no matrix slot
        gw.handleFrame(Id, replyHeader(0xE2, 0x00), QByteArray::fromHex("28 0000 0000 1000 1000 00 00 64 00"));
        QCOMPARE(spy.count(), 2);
    }

    void inputSignalOfNoSize()
    {
        GW5Interface gw(Id);
        gw.handleFrame(Id, replyHeader(0xEE, 0x00), QByteArray::fromHex("00 02 01 00 00"));
        QSignalSpy spy(&gw, &GW5Interface::emitInputSignal);
        gw.handleFrame(Id, replyHeader(0xE4, 0x00), QByteArray::fromHex("02 0000 0000 3c 00000000"));
        QCOMPARE(spy.count(), 1);
        const INFO_INPUTSINGLE s = spy.at(0).at(1).value<INFO_INPUTSINGLE>();
        QCOMPARE(V({s.srcId, s.width, s.height, s.rate, s.hasSignal}), V({2, 0, 0, 60, 0}));
        const GW5::InputRecord in = gw.matrix()->input(2);
        QCOMPARE(V({in.id, in.width, in.height, in.rate, in.noSize}), V({2, 1920, 1080, 60, 1}));
        gw.handleFrame(Id, replyHeader(0xE4, 0x00), QByteArray::fromHex("09 0005 d002 3c 00000000"));
        QCOMPARE(V({spy.count(), gw.matrix()->input(9).width}), V({2, 1920})); // input 9 is beyond one input card
    }

    void signalPresence()
    {
        GW5Interface gw(Id);
        gw.handleFrame(Id, replyHeader(0xEE, 0x00), QByteArray::fromHex("00 02 02 00 00"));
        QSignalSpy spy(&gw, &GW5Interface::emitInputHasSignal);
        for (const char *p : {"ff 01 02 00 00", "05 01 02 00 00"}) // input 255 is refused
            gw.handleFrame(Id, replyHeader(0xE4, 0x01), QByteArray::fromHex(p));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(V({spy.at(0).at(1).toInt(), spy.at(0).at(2).toBool(), spy.at(0).at(3).toInt()}), V({5, 1, 2}));
        QCOMPARE(gw.matrix()->input(5).hasSignal, 1);
        // the opened window takes the first input with a signal
        QSignalSpy frames(&gw, &Interface::emitSendData);
        gw.openWindow(0, 0, 0, 100, 100, 0);
        bool found = false;
        for (const QList<QVariant> &a : frames)
            if (uint8_t(a.at(0).toByteArray().at(4)) == 0x08)
                found = uint8_t(a.at(0).toByteArray().at(7)) == 5;
        QVERIFY(found);
    }

    void otherSettings()
    {
        GW5Interface gw(Id);
        QSignalSpy spy(&gw, &GW5Interface::emitOtherSetting);
        gw.handleFrame(Id, replyHeader(0xEE, 0x00), QByteArray::fromHex("07 03 02 01 00"));
        QCOMPARE(spy.count(), 1);
        INFO_OTHER_GW5 o = spy.at(0).at(1).value<INFO_OTHER_GW5>();
        QCOMPARE(V({o.other0, o.outputCards, o.other2, o.blackScreen, o.freeze, o.frameSync}), V({7, 3, 2, 1, 0, 0}));
        QCOMPARE(gw.matrix()->outputAreas(), 12);
        QCOMPARE(gw.setWindowsGeometry(0, 11, 0, 0, 1, 1), 0);
        gw.handleFrame(Id, replyHeader(0xEE, 0x00), QByteArray::fromHex("07 ff 40 00 01 01"));
        o = spy.at(1).at(1).value<INFO_OTHER_GW5>();
        QCOMPARE(V({o.outputCards, o.blackScreen, o.freeze, o.frameSync}), V({-1, 0, 1, 1}));
        QCOMPARE(V({gw.matrix()->outputAreas(), gw.matrix()->inputSlots()}), V({32, 32}));
    }

    void statusAndDispatch()
    {
        GW5Interface gw(Id);
        QSignalSpy all(&gw, &Interface::emitAllParams);
        QSignalSpy done(&gw, &GW5Interface::emitLoadPresetOrTemplateFinished);
        QSignalSpy frames(&gw, &Interface::emitSendData);
        QSignalSpy sig(&gw, &GW5Interface::emitInputSignal);
        gw.handleFrame(Id, replyHeader(0x08, 0x00, 1), QByteArray(1, 0));
        gw.handleFrame(Id, replyHeader(0xE4, 0x00, 1), QByteArray::fromHex("02 0000 0000 3c 00000000"));
        QCOMPARE(sig.count(), 0);
        gw.handleFrame(Id, replyHeader(0xEF, 0x00), QByteArray(1, 0));
        gw.handleFrame(Id, replyHeader(0xEF, 0x01), QByteArray(1, 0));
        QCOMPARE(all.count(), 1);
        gw.handleFrame(Id, replyHeader(0x04, 0x01), QByteArray(1, 0));
        gw.handleFrame(Id, replyHeader(0x04, 0x00), QByteArray(1, 0));
        QCOMPARE(V({done.count(), frames.count()}), V({2, 0}));
        QCOMPARE(done.at(0).at(0).toString(), Id);
        gw.handleFrame(Id, replyHeader(0x04, 0x02), QByteArray(1, 0));
        QCOMPARE(frames.count(), 1);
        QCOMPARE(uint8_t(frames.at(0).at(0).toByteArray().at(4)), 0xE6);
    }

    void presets()
    {
        GW5Interface gw(Id);
        QSignalSpy panel(&gw, &GW5Interface::emitPresetPanel);
        QSignalSpy window(&gw, &GW5Interface::emitPresetWindow);
        const QByteArray entry = QByteArray::fromHex("01 0000 0000 8007 3804");
        // Refused: no entries, fewer entries than counted, count 255.
        for (const QByteArray &p : {QByteArray::fromHex("03 00"), QByteArray::fromHex("03 02") + entry,
                                    QByteArray::fromHex("03 ff") + entry, QByteArray::fromHex("03 02") + entry + entry})
            gw.handleFrame(Id, replyHeader(0xE6, 0x00), p);
        QCOMPARE(panel.count(), 1);
        const INFO_PRESET p = panel.at(0).at(1).value<INFO_PRESET>();
        QCOMPARE(V({p.id, p.panels.size(), p.panels.at(1).count, p.panels.at(1).value(3)}), V({3, 2, 5, 1920}));
        gw.handleFrame(Id, replyHeader(0xE6, 0x01), QByteArray::fromHex("04 01 ff 0a00 1400 1e00 2800 07"));
        QCOMPARE(window.count(), 1);
        const INFO_PRESET w = window.at(0).at(1).value<INFO_PRESET>();
        QCOMPARE(V({w.windows.at(0).count, w.windows.at(0).value(0), w.windows.at(0).value(5)}), V({6, 0xFFFF, 7}));
    }

    void recordsIntoMatrix()
    {
        GW5Interface gw(Id);
        QSignalSpy res(&gw, &GW5Interface::emitPanelResolution);
        gw.handleFrame(Id, replyHeader(0xE1, 0x01), QByteArray::fromHex("03 0004 0003 32 02 03 01"));
        QCOMPARE(res.count(), 1);
        V args;
        for (int i = 1; i < 8; ++i)
            args << res.at(0).at(i).toInt();
        QCOMPARE(args, V({3, 1024, 768, 50, 2, 3, 1}));
        const GW5::MatrixProc *m = gw.matrix();
        QCOMPARE(V({m->resolutionIndex(), m->width(), m->height(), m->rate(), m->row(), m->col(), m->arrangement()}),
                 args);
        QSignalSpy panel(&gw, &GW5Interface::emitPanelData);
        gw.handleFrame(Id, replyHeader(0xE1, 0x00), QByteArray::fromHex("05 8007 1000 0004 3804 0000"));
        const INFO_PANEL p = panel.at(0).at(1).value<INFO_PANEL>();
        QCOMPARE(V({p.id, p.x, p.y, p.width, p.height}), V({5, 1920, 16, 1024, 1080}));
        const GW5::AreaRecord a = gw.matrix()->area(5);
        QCOMPARE(V({a.number, a.x, a.y, a.width, a.height}), V({5, 1920, 16, 1024, 1080}));
        gw.handleFrame(Id, replyHeader(0xE1, 0x00), QByteArray::fromHex("1f 8007 0000 8007 3804 0000"));
        QCOMPARE(gw.matrix()->area(31).number, 255);
        QSignalSpy map(&gw, &GW5Interface::emitOutputPortMapping);
        gw.handleFrame(Id, replyHeader(0xE1, 0x02), QByteArray::fromHex("02 05 01 02 03 04"));
        QCOMPARE(V({map.count(), gw.matrix()->mapping(2).area, gw.matrix()->mapping(2).other5}), V({1, 5, 4}));
        // port piece: window number 40 is ignored, 255 empties the port
        gw.handleFrame(Id, replyHeader(0xE2, 0x01), QByteArray::fromHex("01 0a00 0000 6400 6400 28 00"));
        QVERIFY(gw.matrix()->port(1).empty());
        gw.handleFrame(Id, replyHeader(0xE2, 0x01), QByteArray::fromHex("01 0a00 0000 6400 6400 03 00"));
        QCOMPARE(V({gw.matrix()->port(1).winId, gw.matrix()->port(1).x}), V({3, 10}));
        gw.handleFrame(Id, replyHeader(0xE3, 0x01), QByteArray::fromHex("01 01 0000 0000 0008 0004 00"));
        QCOMPARE(gw.matrix()->port(1).srcW, 2048);
        QSignalSpy crop(&gw, &GW5Interface::emitInputCrop);
        gw.handleFrame(Id, replyHeader(0xE3, 0x00), QByteArray::fromHex("03 02 0000 0000 0008 0004 00"));
        QCOMPARE(V({crop.count(), crop.at(0).at(1).value<INFO_INPUTCROP>().enable}), V({1, 1}));
        QCOMPARE(gw.matrix()->window(3).flag, 0); // window 3 is not open
    }

    void imageEdidUpgrade()
    {
        GW5Interface gw(Id);
        QSignalSpy q(&gw, &GW5Interface::emitImageQuality);
        gw.handleFrame(Id, replyHeader(0xE5, 0x00), QByteArray::fromHex("01 32 32 0c 32 32 fe 00 01 05 06 07 00"));
        QCOMPARE(q.count(), 1);
        const INFO_IMAGE_QUALITY iq = q.at(0).at(1).value<INFO_IMAGE_QUALITY>();
        QCOMPARE(V({iq.redOffset, iq.blueGain, iq.gamma}), V({-2, 7, 2}));
        QSignalSpy e(&gw, &GW5Interface::emitEDIDSetting);
        gw.handleFrame(Id, replyHeader(0xEA, 0x00), QByteArray::fromHex("00 8007 3804 3c 01 0005 d002 32"));
        QCOMPARE(V({e.count(), e.at(0).at(1).value<INFO_EDID>().width}), V({1, 1280}));
        QSignalSpy u2(&gw, &GW5Interface::emitUpgrade02);
        QSignalSpy u0(&gw, &GW5Interface::emitUpgrade00);
        gw.handleFrame(Id, replyHeader(0xF2, 0x02), QByteArray::fromHex("0700 02 0900"));
        gw.handleFrame(Id, replyHeader(0xF2, 0x02), QByteArray::fromHex("0700 02 09"));
        gw.handleFrame(Id, replyHeader(0xF2, 0x00), QByteArray::fromHex("01"));
        gw.handleFrame(Id, replyHeader(0xF2, 0x00), QByteArray());
        QCOMPARE(V({u2.count(), u2.at(0).at(0).toInt(), u2.at(0).at(1).toInt(), u2.at(0).at(2).toInt(), u0.count()}),
                 V({1, 2, 7, 9, 1}));
    }

    // Against vpsim's GW device: a crop after the areas were laid out again under the window (its
    // new area has no port) leaves the device showing exactly the pieces the matrix's tables hold.
    void cropAfterAreaChangeAgreesWithTheDevice()
    {
        if (SimProcess::binary().isEmpty())
            QSKIP("VPSIM names no simulator");
        SimProcess sim;
        QVERIFY2(sim.start({"--device", "GW5:addr=127.0.88.1"}), qPrintable(sim.errorString()));
        const SimProcess::Device &dev = sim.devices().first();
        GW5Interface gw(dev.cpuid);
        QTcpSocket link;
        link.connectToHost(dev.address, dev.tcpPort);
        QVERIFY(link.waitForConnected(5000));
        connect(&gw, &Interface::emitSendData, &link, [&link](const QByteArray &f) { link.write(f); });
        // The device's pieces of window 3 as the last read-back reported them.
        QByteArray buffer;
        QList<QByteArray> devicePieces;
        bool readBack = false;
        connect(&link, &QTcpSocket::readyRead, &gw, [&] {
            splitStreamFrames(buffer, link.readAll(), [&](const RECV_PROTOCOL &rp, const QByteArray &payload) {
                if (rp.cmd == 0xE2 && rp.subCmd == 0x01 && payload.size() > 9 && uint8_t(payload.at(9)) == 3)
                    devicePieces << payload.mid(1, 8);
                gw.handleFrame(dev.cpuid, rp, payload);
            });
        });
        connect(&gw, &Interface::emitAllParams, &gw, [&] { readBack = true; });
        auto readAll = [&] {
            readBack = false;
            devicePieces.clear();
            gw.readAll();
            return SimProcess::waitFor([&] { return readBack; }, 5000);
        };
        QVERIFY(readAll());
        for (int w = 0; w < 4; ++w)
            gw.removeWindow(w);
        gw.setOutputMapping(0, 1); // ports 0 and 1 show area 1; none shows area 0
        gw.openWindow(3, 2000, 10, 100, 100, 0);
        QVERIFY(readAll());
        QCOMPARE(devicePieces.size(), 2);
        gw.setAreaGeometry(0, 1920, 0, 1920, 1080);
        gw.setAreaGeometry(1, 0, 0, 1920, 1080);
        gw.setWindowCrop(3, 1, 0, 0, 960, 540);
        int tablePieces = 0;
        for (int s = 0; s < gw.matrix()->outputAreas(); ++s)
            tablePieces += gw.matrix()->port(s).winId == 3 ? 1 : 0;
        QCOMPARE(tablePieces, 0);
        QVERIFY(readAll());
        for (const QByteArray &piece : qAsConst(devicePieces))
            QCOMPARE(piece.mid(4, 4), QByteArray(4, '\0')); // nothing of window 3 is shown
    }

    void operationFrames()
    {
        GW5Interface gw(Id);
        gw.matrix()->updateOtherSetting(1, 1);
        for (int a = 0; a < 4; ++a) {
            gw.matrix()->updatePanel(a, uint16_t(a * 1920), 0, 1920, 1080);
            gw.matrix()->updateMapping(INFO_MAPPING{uint8_t(a), uint8_t(a), 0, 0, 0, 0});
        }
        gw.openWindow(0, 0, 0, 100, 100, 0);
        QSignalSpy frames(&gw, &Interface::emitSendData);
        gw.setOutputMapping(1, 0);
        QVERIFY(frames.count() > 2);
        const QByteArray last = frames.last().at(0).toByteArray();
        QCOMPARE(last.mid(4, 4), QByteArray::fromHex("05040100"));
        QCOMPARE(uint8_t(frames.at(frames.count() - 2).at(0).toByteArray().at(4)), 0xF1);
        frames.clear();
        gw.switchInput(0, 3);
        QCOMPARE(gw.matrix()->window(0).source, 3);
        gw.setEdidResolution(2, 1920, 1080, 60);
        gw.setOutputHold(0);
        gw.loadPreset(4);
        QVERIFY(gw.matrix()->window(0).empty());
        QCOMPARE(frames.at(0).at(0).toByteArray().mid(4, 4), QByteArray::fromHex("08000003"));
        QCOMPARE(frames.at(1).at(0).toByteArray().mid(4, 8), QByteArray::fromHex("0c000280073804 3c"));
        QCOMPARE(frames.at(2).at(0).toByteArray().mid(4, 3), QByteArray::fromHex("f10000"));
        QCOMPARE(frames.at(3).at(0).toByteArray().mid(4, 3), QByteArray::fromHex("040104"));
        QCOMPARE(frames.at(3).at(0).toByteArray().size(), 23);
    }
};

QTEST_GUILESS_MAIN(TstGw5Interface)
#include "tst_gw5interface.moc"
