// GW window matrix: pieces, source scaling, port allocation with eviction, moves, crops, the
// batch and the wall layout, checked frame by frame.
#include "MatrixProc.h"

#include <QtTest>

using GW5::MatrixProc;

namespace {
struct Wire
{
    explicit Wire(MatrixProc &m)
    {
        QObject::connect(&m, &MatrixProc::emitSendData, [this](QByteArray f) { frames << f; });
        QObject::connect(&m, &MatrixProc::emitAutoRemoveWindow, [this](int w) { removed << w; });
    }
    QList<QByteArray> frames;
    QList<int> removed;
    // "cc/ss" of every frame, for order checks.
    QStringList codes() const
    {
        QStringList out;
        for (const QByteArray &f : frames)
            out << QString::asprintf("%02X/%02X", uint8_t(f.at(4)), uint8_t(f.at(5)));
        return out;
    }
};

int u8(const QByteArray &f, int o)
{
    return uint8_t(f.at(o));
}
int u16(const QByteArray &f, int o)
{
    return uint8_t(f.at(o)) | (uint8_t(f.at(o + 1)) << 8);
}

// One output card, four 1920 x 1080 areas side by side, port p showing area p.
void oneCardRow(MatrixProc &m, int cards = 1)
{
    m.updateOtherSetting(uint8_t(cards), 1);
    for (int a = 0; a < 4 * cards; ++a) {
        m.updatePanel(a, uint16_t(a * 1920), 0, 1920, 1080);
        INFO_MAPPING map;
        map.port = uint8_t(a);
        map.area = uint8_t(a);
        m.updateMapping(map);
    }
}
} // namespace

class TstGw5Matrix : public QObject
{
    Q_OBJECT
private slots:
    void twoPiecesFrameByFrame()
    {
        MatrixProc m;
        oneCardRow(m);
        Wire w(m);
        QCOMPARE(m.openWindow(0, 1000, 0, 2000, 500, 3), 0);
        QCOMPARE(w.codes(), QStringList({"03/00", "03/03", "03/03", "02/00", "08/00", "02/01", "02/01", "05/02",
                                         "05/02", "01/FF", "03/01"}));
        const QByteArray open = w.frames[0];
        QCOMPARE(open.size(), 23);
        QCOMPARE(open.left(4), QByteArray::fromHex("5a5a1700"));
        QCOMPARE(u8(open, 6), 0);
        QCOMPARE(u16(open, 7), 1000);
        QCOMPARE(u16(open, 11), 2000);
        QCOMPARE(u16(open, 13), 500);
        QCOMPARE(u8(open, 15), 3);
        // slot 0: (1000, 0, 920, 500); slot 1: (0, 0, 1080, 500)
        QCOMPARE(u8(w.frames[1], 6), 0);
        QCOMPARE(u16(w.frames[1], 7), 1000);
        QCOMPARE(u16(w.frames[1], 11), 920);
        QCOMPARE(u16(w.frames[1], 13), 500);
        QCOMPARE(u8(w.frames[2], 6), 1);
        QCOMPARE(u16(w.frames[2], 7), 0);
        QCOMPARE(u16(w.frames[2], 11), 1080);
        // window offsets 0 and 920, scaled from 2000 wide to the 1920-wide input
        QCOMPARE(u16(w.frames[6], 8), 920 * 1920 / 2000);
        QCOMPARE(u16(w.frames[6], 12), 1080 * 1920 / 2000);
        QCOMPARE(u16(w.frames[6], 14), 500 * 1080 / 500);
        QCOMPARE(u8(w.frames[5], 7), 1);
        QCOMPARE(w.frames[3].mid(6, 10), QByteArray::fromHex("00000000000080073804"));
        QCOMPARE(w.frames[7].mid(6, 5), QByteArray::fromHex("0004000000"));
        QCOMPARE(w.frames[8].mid(6, 5), QByteArray::fromHex("0100040000"));
        QCOMPARE(w.frames[9].mid(6, 2), QByteArray::fromHex("0000"));
        QCOMPARE(w.frames[10].mid(6, 2), QByteArray::fromHex("0064"));
        QCOMPARE(m.window(0).winId, 0);
        QCOMPARE(m.port(1).winId, 0);
    }

    void lastColumnGetsNoPiece()
    {
        MatrixProc m;
        oneCardRow(m);
        m.openWindow(0, 1919, 0, 500, 500, 0);
        // the card's first free port shows the one piece, which belongs to area 1
        QCOMPARE(m.port(0).winId, 0);
        QCOMPARE(m.port(0).area, 1);
        QCOMPARE(m.port(0).x, 0);
        QCOMPARE(m.port(0).width, 1919 + 500 - 1920);
        QVERIFY(m.port(1).empty());
        QCOMPARE(m.area(0).marks[0], 0);
        QCOMPARE(m.area(1).marks[0], 4);
    }

    void cropDoublesAndSendsOnlyCrops()
    {
        MatrixProc m;
        oneCardRow(m);
        m.openWindow(0, 0, 0, 1920, 1080, 0);
        Wire w(m);
        QCOMPARE(m.setWindowCrop(0, 1, 0, 0, 3840, 2160), 0);
        QCOMPARE(w.codes(), QStringList({"02/00", "02/01"}));
        QCOMPARE(w.frames[0].mid(6, 10), QByteArray::fromHex("000100000000000f7008"));
        QCOMPARE(u16(w.frames[1], 12), 3840);
        QCOMPARE(u16(w.frames[1], 14), 2160);
        // a window over two areas: offsets and sizes doubled
        m.openWindow(1, 1000, 0, 1920, 1080, 0);
        w.frames.clear();
        m.setWindowCrop(1, 1, 0, 0, 3840, 2160);
        QCOMPARE(w.codes(), QStringList({"02/00", "02/01", "02/01"}));
        QCOMPARE(u16(w.frames[2], 8), 920 * 2);
        QCOMPARE(u16(w.frames[2], 12), 1000 * 2);
        QCOMPARE(m.setWindowCrop(8, 1, 0, 0, 1, 1), -1);
    }

    // The areas were laid out again under a window, and no port maps to its new area. A crop
    // places the window again like a move: the ports it gives up are released with the frames a
    // move sends, so the device stops showing pieces the tables call free.
    void cropAfterAreaChangeReleasesPortsOnTheDevice()
    {
        MatrixProc m;
        oneCardRow(m);
        INFO_MAPPING map;
        map.port = 0;
        map.area = 1; // ports 0 and 1 show area 1; none shows area 0
        m.updateMapping(map);
        m.openWindow(3, 2000, 10, 100, 100, 0);
        QCOMPARE(m.port(0).winId, 3);
        QCOMPARE(m.port(1).winId, 3);
        m.setAreaGeometry(0, 1920, 0, 1920, 1080);
        m.setAreaGeometry(1, 0, 0, 1920, 1080);
        Wire w(m);
        QCOMPARE(m.setWindowCrop(3, 1, 0, 0, 960, 540), 0);
        QVERIFY(m.port(0).empty() && m.port(1).empty());
        QCOMPARE(w.codes(), QStringList({"02/00", "03/03", "03/03", "02/01", "02/01"}));
        for (int i : {1, 2}) {
            QCOMPARE(u8(w.frames[i], 6), i - 1);
            QCOMPARE(w.frames[i].mid(7, 8), QByteArray(8, '\0')); // nothing to show
            QCOMPARE(u8(w.frames[i], 15), 3);
        }
        for (int i : {3, 4}) {
            QCOMPARE(u8(w.frames[i], 6), i - 3);
            QCOMPARE(u8(w.frames[i], 7), 0); // not in use
        }
        QCOMPARE(m.window(3).flag, 1);
        QCOMPARE(m.window(3).srcW, 960);
    }

    void cardCountsLimitNumbers()
    {
        MatrixProc m;
        Wire w(m);
        QCOMPARE(m.setWindowsGeometry(0, 9, 0, 0, 10, 10), -1);
        QCOMPARE(m.window(9).width, 0);
        QCOMPARE(m.openWindow(9, 0, 0, 100, 100, 0), -1);
        QVERIFY(w.frames.isEmpty());
        m.updateOtherSetting(3, 0);
        QCOMPARE(m.setWindowsGeometry(0, 11, 0, 0, 10, 10), 0);
        QCOMPARE(m.setWindowsGeometry(0, 12, 0, 0, 10, 10), -1);
        // whatever the device reports, slots stay inside the tables
        m.updateOtherSetting(200, 200);
        QCOMPARE(m.outputAreas(), 32);
        QCOMPARE(m.inputSlots(), 32);
        QCOMPARE(m.setAreaGeometry(32, 0, 0, 1, 1), -1);
        m.updatePanel(40, 0, 0, 1, 1);
        m.updateInputSignal(40, 1, 1, 1);
        m.updateInputPresence(-1, true);
        QCOMPARE(m.setAreaLayout(9, 9, 0), 0); // 81 areas: only the table's slots are laid out
        QCOMPARE(m.area(31).number, 31);
    }

    void layoutBothOrders()
    {
        MatrixProc m;
        Wire w(m);
        QCOMPARE(m.setAreaLayout(2, 2, 1), 0);
        QCOMPARE(w.codes(), QStringList({"05/03", "05/01", "05/01", "05/01", "05/01"}));
        QCOMPARE(w.frames[0].mid(6, 3), QByteArray::fromHex("020201"));
        QCOMPARE(w.frames[2].mid(6, 9), QByteArray::fromHex("0100003804800738 04"));
        QCOMPARE(w.frames[3].mid(6, 9), QByteArray::fromHex("02800700008007 3804"));
        QCOMPARE(w.frames[4].mid(6, 5), QByteArray::fromHex("0380073804"));
        QCOMPARE(m.area(1).y, 1080);
        QCOMPARE(m.area(2).x, 1920);
        QCOMPARE(m.area(4).number, 255);
        w.frames.clear();
        QCOMPARE(m.setAreaLayout(2, 2, 1), 0);
        QVERIFY(w.frames.isEmpty());
        // row by row: areas 1 and 2 swap places, 0 and 3 stay and are not sent
        QCOMPARE(m.setAreaLayout(2, 2, 0), 0);
        QCOMPARE(w.codes(), QStringList({"05/03", "05/01", "05/01"}));
        QCOMPARE(u8(w.frames[1], 6), 1);
        QCOMPARE(u16(w.frames[1], 7), 1920);
        QCOMPARE(u8(w.frames[2], 6), 2);
        QCOMPARE(u16(w.frames[2], 9), 1080);
    }

    void outputResolutionPreset()
    {
        MatrixProc m;
        m.updateResolution(0, 1920, 1080, 60, 1, 2, 0);
        Wire w(m);
        QCOMPARE(m.setOutputResolution(3, 4000, 4000, 50), 0);
        QCOMPARE(w.codes(), QStringList({"05/01", "05/01", "05/00"}));
        QCOMPARE(u16(w.frames[1], 7), 1024);
        QCOMPARE(u16(w.frames[1], 11), 1024);
        QCOMPARE(w.frames[2].mid(6, 7), QByteArray::fromHex("00030004000332"));
        QCOMPARE(MatrixProc::presetSize(13), QSize(3072, 768));
        QCOMPARE(MatrixProc::presetSize(14), QSize(64, 64));
        w.frames.clear();
        m.setOutputResolution(0, 1920, 1080, 60);
        QCOMPARE(w.codes().last(), QString("05/00"));
        w.frames.clear();
        m.setOutputResolution(0, 1920, 1080, 60);
        QVERIFY(w.frames.isEmpty());
    }

    void evictionClosesOnce()
    {
        MatrixProc m;
        oneCardRow(m);
        m.openWindow(0, 0, 0, 7680, 1080, 0); // all four ports
        for (int s = 0; s < 4; ++s)
            QCOMPARE(m.port(s).winId, 0);
        Wire w(m);
        m.openWindow(1, 10, 10, 100, 100, 1);
        QCOMPARE(w.codes().count("03/02"), 1);
        QCOMPARE(w.removed, QList<int>({0}));
        QCOMPARE(w.codes().first(), QString("03/02"));
        QCOMPARE(u8(w.frames.first(), 6), 0);
        QVERIFY(m.window(0).empty());
        QCOMPARE(m.port(0).winId, 1);
        for (int s = 1; s < 4; ++s)
            QVERIFY(m.port(s).empty());
        QCOMPARE(m.area(1).marks[1], 0);
        QCOMPARE(m.area(0).marks[0], 4);
    }

    void moveFreesOldPort()
    {
        MatrixProc m;
        oneCardRow(m);
        m.openWindow(0, 10, 10, 100, 100, 0);
        Wire w(m);
        QCOMPARE(m.moveWindow(0, 2000, 10, 100, 100, 2), 0);
        // port 0 now shows the piece of area 1; the marks say area 0 lost it
        QCOMPARE(w.codes(), QStringList({"05/02", "05/02", "03/00", "03/03", "08/00", "02/01"}));
        QCOMPARE(w.frames[0].mid(6, 5), QByteArray::fromHex("0000000000"));
        QCOMPARE(w.frames[1].mid(6, 5), QByteArray::fromHex("0104000000"));
        QCOMPARE(m.port(0).winId, 0);
        QCOMPARE(m.port(0).area, 1);
        QCOMPARE(m.port(0).x, 80);
        // a second window takes a port; moving the first over both areas uses two ports, and
        // moving it back into one area gives the extra port up
        m.openWindow(1, 5000, 10, 100, 100, 0);
        m.moveWindow(0, 1800, 10, 300, 100, 2);
        QCOMPARE(m.port(0).winId, 0);
        QCOMPARE(m.port(2).winId, 0);
        w.frames.clear();
        m.moveWindow(0, 2000, 10, 100, 100, 2);
        QVERIFY(m.port(0).empty());
        QCOMPARE(m.port(2).winId, 0);
        QCOMPARE(m.port(2).area, 1);
        QCOMPARE(m.port(1).winId, 1);
        QCOMPARE(m.area(0).marks[0], 0);
        QVERIFY(w.codes().contains("05/02"));
        QCOMPARE(m.window(0).layer, 2);
        QCOMPARE(m.moveWindow(4, 0, 0, 10, 10, 0), -1);
    }

    void removeReleasesPorts()
    {
        MatrixProc m;
        oneCardRow(m);
        m.openWindow(2, 1000, 0, 2000, 500, 0);
        Wire w(m);
        QCOMPARE(m.removeWindow(2), 0);
        QCOMPARE(w.codes(), QStringList({"05/02", "05/02", "03/02"}));
        QVERIFY(m.port(0).empty() && m.port(1).empty());
        QVERIFY(m.window(2).empty());
    }

    void batchAndMapping()
    {
        MatrixProc m;
        oneCardRow(m, 2);
        m.openWindow(0, 10, 10, 100, 100, 0);
        m.openWindow(1, 2000, 10, 100, 100, 0);
        QCOMPARE(m.setWindowsGeometry(0, 0, 4000, 10, 100, 100), 0);
        QCOMPARE(m.setWindowsGeometry(0, 5, 0, 0, 100, 100), 0); // empty slot: staged, not placed
        Wire w(m);
        QCOMPARE(m.setWindowsGeometry(1, 0, 0, 0, 0, 0), 0);
        QCOMPARE(w.codes(), QStringList({"03/00", "03/00", "F1/00", "05/02", "05/02", "03/03", "03/03",
                                         "08/00", "08/00", "02/01", "02/01", "F1/00"}));
        QCOMPARE(u16(w.frames[0], 7), 4000);
        QCOMPARE(u8(w.frames[2], 6), 0);
        QCOMPARE(w.frames[3].mid(6, 5), QByteArray::fromHex("0000000000"));
        QCOMPARE(w.frames[4].mid(6, 5), QByteArray::fromHex("0204000000"));
        QCOMPARE(u8(w.frames.last(), 6), 1);
        QCOMPARE(m.port(0).winId, 0);
        QCOMPARE(m.port(0).area, 2);
        QCOMPARE(m.port(1).winId, 1);
        w.frames.clear();
        QCOMPARE(m.setOutputMapping(3, 1), 0); // port 3 now also shows area 1
        QCOMPARE(m.mapping(3).area, 1);
        QVERIFY(!w.codes().contains("03/00"));
        QCOMPARE(m.port(2).winId, 1);
        QCOMPARE(m.setOutputMapping(8, 0), -1);
    }

    void resetBeforeLoad()
    {
        MatrixProc m;
        oneCardRow(m);
        m.openWindow(0, 0, 0, 100, 100, 0);
        m.reset();
        QVERIFY(m.window(0).empty());
        QVERIFY(m.port(0).empty());
        QCOMPARE(m.area(0).number, 255);
        QCOMPARE(m.outputCards(), 1);
    }
};

QTEST_GUILESS_MAIN(TstGw5Matrix)
#include "tst_gw5matrix.moc"
