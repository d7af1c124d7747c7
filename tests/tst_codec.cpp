// Frame codec: command frame bytes, reply validation and stream reassembly.
#include "FrameCodec.h"
#include "TestSupport.h"
#include <QtTest>

namespace {
using TestSupport::hex;
QByteArray reply(uint8_t cmd, const QByteArray &payload = QByteArray()) { return makeReplyFrame(cmd, 0, 0, payload); }

// Feeds `pieces` in turn to the reassembly: the command and payload of every frame that came out.
QList<QPair<int, QByteArray>> reassemble(QByteArray &buffer, const QList<QByteArray> &pieces)
{
    QList<QPair<int, QByteArray>> out;
    for (const QByteArray &p : pieces)
        splitStreamFrames(buffer, p, [&](const RECV_PROTOCOL &rp, const QByteArray &d) { out.append({rp.cmd, d}); });
    return out;
}
} // namespace

class TstCodec : public QObject
{
    Q_OBJECT
private slots:
    void searchFrameBytes() { QCOMPARE(makeSearchFrame(), hex("5A5A1700FF00 00000000000000000000000000000000 CA")); }

    void zeroParameterChecksum_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<int>("sub");
        QTest::newRow("read 0x01") << 0x01 << 0x00;
        QTest::newRow("high cmd wraps") << 0xF0 << 0x33;
        QTest::newRow("search") << 0xFF << 0x00;
    }
    void zeroParameterChecksum()
    {
        QFETCH(int, cmd);
        QFETCH(int, sub);
        const QByteArray f = makeCommandFrame(uint8_t(cmd), uint8_t(sub));
        QCOMPARE(QVector<int>({f.size(), uint8_t(f[2]), uint8_t(f[3]), uint8_t(f[22])}),
                 QVector<int>({23, 0x17, 0x00, (0x5A + 0x5A + 0x17 + cmd + sub) & 0xFF}));
    }

    void packFrameIgnoresStaleChecksumByte()
    {
        uint8_t f[23] = {0x5A, 0x5A, 0x17, 0x00, 0x08, 0x01, 0x02, 0x21};
        f[22] = 0x77; // whatever was there before does not count
        const QByteArray out = packFrame(f);
        QCOMPARE(uint8_t(out[22]), uint8_t((0x5A + 0x5A + 0x17 + 0x08 + 0x01 + 0x02 + 0x21) & 0xFF));
        QCOMPARE(calcCheckSum(nullptr, 0), 0u);
        QCOMPARE(calcCheckSum(f, -3), 0u);
    }

    void commandParametersArePlacedAndCut()
    {
        const QByteArray f = makeCommandFrame(0x10, 0x02, QByteArray(20, char(0x11)));
        QCOMPARE(f.size(), 23);
        QCOMPARE(f.mid(6, 16), QByteArray(16, char(0x11)));
    }

    void longFrameLengthAndChecksum()
    {
        const QByteArray payload(512, char(0x01));
        const QByteArray f = makeLongFrame(0xF2, 0x01, payload);
        QCOMPARE(f.size(), 6 + 512 + 1);
        QCOMPARE(uint8_t(f[2]) | (uint8_t(f[3]) << 8), f.size());
        QCOMPARE(uint8_t(f.back()), uint8_t(calcCheckSum(f.left(f.size() - 1)) & 0xFF));
    }

    void parseRecvFrame_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("payload");
        const QByteArray nine = reply(0x01);
        QTest::newRow("nine bytes, empty payload") << nine << true << QByteArray();
        QTest::newRow("payload") << reply(0x02, hex("010203")) << true << hex("010203");
        QTest::newRow("too short") << nine.left(8) << false << QByteArray();
        QByteArray badSync = nine;
        badSync[1] = 0x5B;
        QTest::newRow("bad sync") << badSync << false << QByteArray();
        QByteArray badLen = reply(0x02, hex("0102"));
        badLen[5] = char(badLen.size() + 1);
        QTest::newRow("length byte too large") << badLen << false << QByteArray();
        QByteArray badSum = reply(0x02, hex("0102"));
        badSum[badSum.size() - 1] = char(badSum.back() + 1);
        QTest::newRow("bad checksum") << badSum << false << QByteArray();
    }
    void parseRecvFrame()
    {
        QFETCH(QByteArray, frame);
        QFETCH(bool, ok);
        QFETCH(QByteArray, payload);
        RECV_PROTOCOL rp;
        rp.cmd = 0xEE;
        QByteArray out("untouched");
        QCOMPARE(::parseRecvFrame(frame, rp, out), ok);
        QCOMPARE(out, ok ? payload : QByteArray("untouched"));
        if (ok)
            QCOMPARE(QVector<int>({rp.len, rp.head[0]}), QVector<int>({frame.size(), 0x5A}));
        else
            QCOMPARE(rp.cmd, uint8_t(0xEE));
    }

    // Each row feeds the pieces in turn and lists the command codes that must come out, in order.
    void reassembly_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QList<int>>("cmds");
        QTest::addColumn<int>("leftover");
        const QByteArray a = reply(0x01, QByteArray(14, char(0x22))); // 23 bytes
        const QByteArray b = reply(0x02, hex("0A0B"));
        QByteArray badSum = reply(0x03, hex("0102"));
        badSum[badSum.size() - 1] = char(badSum.back() + 1);
        const QByteArray big = reply(0x30, QByteArray(191, char(0x5B))); // 200 bytes: a length above one byte
        QTest::newRow("one frame") << QList<QByteArray>{a} << QList<int>{1} << 0;
        QTest::newRow("split 3/4/16") << QList<QByteArray>{a.left(3), a.mid(3, 4), a.mid(7)} << QList<int>{1} << 0;
        QTest::newRow("two in one read") << QList<QByteArray>{a + b} << QList<int>{1, 2} << 0;
        QTest::newRow("noise before frame") << QList<QByteArray>{hex("001122") + a} << QList<int>{1} << 0;
        QTest::newRow("bad checksum then good") << QList<QByteArray>{badSum + b} << QList<int>{2} << 0;
        QByteArray badLen = b;
        badLen[5] = char(4);
        QTest::newRow("length below nine") << QList<QByteArray>{badLen + a} << QList<int>{1} << 0;
        QTest::newRow("no marker, 8 bytes, emptied") << QList<QByteArray>{hex("0011223344556677")} << QList<int>{} << 0;
        QTest::newRow("short noise kept") << QList<QByteArray>{hex("001122")} << QList<int>{} << 3;
        QTest::newRow("frame, then partial") << QList<QByteArray>{a + b.left(5)} << QList<int>{1} << 5;
        QTest::newRow("only the waiting frame is kept")
            << QList<QByteArray>{badSum + hex("0011") + b.left(5)} << QList<int>{} << 5;
        QTest::newRow("partial completes later") << QList<QByteArray>{a + b.left(5), b.mid(5)} << QList<int>{1, 2} << 0;
        QTest::newRow("200 bytes less one wait") << QList<QByteArray>{big.left(199)} << QList<int>{} << 199;
        QTest::newRow("200 bytes") << QList<QByteArray>{big.left(199), big.right(1)} << QList<int>{0x30} << 0;

        // Fixed faults of the plain algorithm: a stray sync byte right before a frame, and a read
        // ending in the first sync byte of a frame after noise without a marker.
        // Nothing is escaped: sync bytes inside a frame are passed over by its length.
        QTest::newRow("sync bytes in a payload")
            << QList<QByteArray>{reply(0x04, hex("5A5A5A")) + a} << QList<int>{4, 1} << 0;
        QTest::newRow("stray 5A before frame") << QList<QByteArray>{hex("5A") + a} << QList<int>{1} << 0;
        QTest::newRow("noise then stray 5A before frame")
            << QList<QByteArray>{hex("0102035A") + b} << QList<int>{2} << 0;
        QTest::newRow("sync byte at end of marker-less read")
            << QList<QByteArray>{hex("01020304050607") + a.left(1), a.mid(1)} << QList<int>{1} << 0;
    }
    void reassembly()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QList<int>, cmds);
        QFETCH(int, leftover);
        QByteArray buffer;
        QList<int> got;
        for (const auto &f : reassemble(buffer, pieces))
            got << f.first;
        QCOMPARE(got, cmds);
        QCOMPARE(buffer.size(), leftover);
    }

    void manyFramesInOneBuffer()
    {
        QByteArray stream;
        for (int i = 0; i < 300; ++i)
            stream += reply(uint8_t(i & 0x7F), QByteArray(1, char(i & 0xFF)));
        QByteArray buffer;
        const auto frames = reassemble(buffer, {stream});
        QCOMPARE(frames.size(), 300);
        QCOMPARE(frames.at(299).second, QByteArray(1, char(299 & 0xFF)));
        QVERIFY(buffer.isEmpty());
    }

    void cpuidText()
    {
        QCOMPARE(cpuidFromBytes(hex("00A1B2C3D4E5F60718293A4B")), QStringLiteral("00a1b2c3d4e5f60718293a4b"));
    }
};

QTEST_GUILESS_MAIN(TstCodec)
#include "tst_codec.moc"
