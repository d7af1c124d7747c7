// GW window matrix: the pieces a window leaves in each area and their source rectangles, port
// allocation with eviction, moves, crops, removal, the batch and the area layout, frame by frame.
#include "MatrixProc.h"
#include "RecordBuilders.h"
#include <QtTest>

using GW5::MatrixProc;
using V = QVector<int>;
namespace {
// An expected host frame, built field by field (16-bit values low byte first).
struct Exp
{
    Exp(int cmd, int sub) : c(uint8_t(cmd)), s(uint8_t(sub)) {}
    Exp &b(int v) { return p.append(char(v & 0xFF)), *this; }
    Exp &w(int v) { return b(v).b(v >> 8); }
    operator QString() const { return RecordBuilders::hostFrame(c, s, p.toHex().constData()).toHex(' '); }
    uint8_t c, s;
    QByteArray p;
};
QString winF(int id, int x, int y, int w, int h, int l) { return Exp(3, 0).b(id).w(x).w(y).w(w).w(h).b(l).b(0); }
QString rect(int s, int x, int y, int w, int h, int id) { return Exp(3, 3).b(s).w(x).w(y).w(w).w(h).b(id); }
QString crop(int s, int f, int x, int y, int w, int h) { return Exp(2, 1).b(s).b(f).w(x).w(y).w(w).w(h); }
QString noCrop(int s) { return crop(s, 0, 0, 0, 1920, 1080); }
QString winCrop(int id, int f, int x, int y, int w, int h) { return Exp(2, 0).b(id).b(f).w(x).w(y).w(w).w(h); }
QString marks(int a, int q0, int q1, int q2, int q3) { return Exp(5, 2).b(a).b(q0).b(q1).b(q2).b(q3); }
QString sw(int id, int src) { return Exp(8, 0).b(id).b(src); }
QString close(int id) { return Exp(3, 2).b(id); }
QString hold(int f) { return Exp(0xF1, 0).b(f); }
QString areaF(int a, int x, int y, int w, int h) { return Exp(5, 1).b(a).w(x).w(y).w(w).w(h); }
QStringList opened(int id) { return {Exp(1, 0xFF).b(id).b(0), Exp(3, 1).b(id).b(100)}; }

struct Wire
{
    explicit Wire(MatrixProc &m)
    {
        QObject::connect(&m, &MatrixProc::emitSendData, [this](QByteArray f) { frames << f.toHex(' '); });
        QObject::connect(&m, &MatrixProc::emitAutoRemoveWindow, [this](int w) { removed << w; });
    }
    QStringList take() { return std::exchange(frames, {}); }
    QStringList frames;
    QList<int> removed;
};

// One output card and one input card; four 1920 x 1080 areas in 2 x 2, port p showing area p.
void grid(MatrixProc &m)
{
    m.updateOtherSetting(1, 1);
    for (int a = 0; a < 4; ++a) {
        m.updatePanel(a, uint16_t(a % 2 * 1920), uint16_t(a / 2 * 1080), 1920, 1080);
        m.updateMapping(INFO_MAPPING{uint8_t(a), uint8_t(a), 0, 0, 0, 0});
    }
}

// Every port in use: "slot:area x,y wxh / source x,y wxh"; checks the marks and the fields every piece shares.
QString ports(const MatrixProc &m, int winId, int layer)
{
    QStringList out;
    for (int s = 0; s < m.outputAreas(); ++s) {
        const GW5::WindowRecord p = m.port(s);
        if (p.empty())
            continue;
        if (p.winId != winId || p.layer != layer || p.flag != 1 || m.area(p.area).marks[s % 4] != GW5::PortMark)
            return QStringLiteral("port %1: window %2 layer %3 flag %4").arg(s).arg(p.winId).arg(p.layer).arg(p.flag);
        out << QString::asprintf("%d:a%d %d,%d %dx%d / %d,%d %dx%d", s, p.area, p.x, p.y, p.width, p.height, p.srcX,
                                 p.srcY, p.srcW, p.srcH);
    }
    return out.join(" | ");
}
} // namespace

class TstGw5Matrix : public QObject
{
    Q_OBJECT
private slots:
    // Base: window 0 at (1000, 800) 2000 x 500 over all four areas, input 0 of 1920 x 1080; each
    // row changes one input.
    void pieces_data()
    {
        QTest::addColumn<QRect>("win");
        QTest::addColumn<QVector<int>>("cropArgs"); // enable, x, y, w, h
        QTest::addColumn<QSize>("input");           // size of input 1, which has a signal
        QTest::addColumn<QVector<int>>("area");     // area, x, y, w, h
        QTest::addColumn<QVector<int>>("mapping");  // port, area
        QTest::addColumn<QString>("want");
        const QRect base(1000, 800, 2000, 500);
        auto row = [&](const char *name, const QString &want, QRect win, QVector<int> c = {}, QSize in = {},
                       QVector<int> area = {},
                       QVector<int> map = {}) { QTest::newRow(name) << win << c << in << area << map << want; };
        const QStringList basePieces{"0:a0 1000,800 920x280 / 0,0 883x604", "1:a1 0,800 1080x280 / 883,0 1036x604",
                                     "2:a2 1000,0 920x220 / 0,604 883x475", "3:a3 0,0 1080x220 / 883,604 1036x475"};
        // The base pieces with the one of `slot` replaced.
        auto with = [&](int slot, const QString &piece) {
            QStringList l = basePieces;
            if (slot >= 0)
                l[slot] = piece;
            return l.join(" | ");
        };
        row("base", with(-1, {}), base);
        row("x + 1", "0:a0 1001,800 919x280 / 0,0 882x604 | 1:a1 0,800 1081x280 / 882,0 1037x604 | "
            "2:a2 1001,0 919x220 / 0,604 882x475 | 3:a3 0,0 1081x220 / 882,604 1037x475", base.translated(1, 0));
        row("y + 1", "0:a0 1000,801 920x279 / 0,0 883x602 | 1:a1 0,801 1080x279 / 883,0 1036x602 | "
            "2:a2 1000,0 920x221 / 0,602 883x477 | 3:a3 0,0 1080x221 / 883,602 1036x477", base.translated(0, 1));
        row("width + 1", "0:a0 1000,800 920x280 / 0,0 882x604 | 1:a1 0,800 1081x280 / 882,0 1037x604 | "
            "2:a2 1000,0 920x220 / 0,604 882x475 | 3:a3 0,0 1081x220 / 882,604 1037x475", base.adjusted(0, 0, 1, 0));
        row("height + 1", "0:a0 1000,800 920x280 / 0,0 883x603 | 1:a1 0,800 1080x280 / 883,0 1036x603 | "
            "2:a2 1000,0 920x221 / 0,603 883x476 | 3:a3 0,0 1080x221 / 883,603 1036x476", base.adjusted(0, 0, 0, 1));
        // Starting on an area's last column or row, or ending on its first, does not reach it.
        row("left edge on last column", "0:a1 0,800 1920x280 / 0,0 1843x604 | 1:a3 0,0 1920x220 / 0,604 1843x475",
            QRect(1919, 800, 2000, 500));
        row("left edge one column before", "0:a0 1918,800 2x280 / 0,0 1x604 | 1:a1 0,800 1920x280 / 1,0 1843x604 | "
            "2:a2 1918,0 2x220 / 0,604 1x475 | 3:a3 0,0 1920x220 / 1,604 1843x475", QRect(1918, 800, 2000, 500));
        row("right edge on first column", "0:a0 1000,800 920x280 / 0,0 1917x604 | 1:a2 1000,0 920x220 / 0,604 1917x475",
            QRect(1000, 800, 921, 500));
        row("right edge one column past", "0:a0 1000,800 920x280 / 0,0 1915x604 | 1:a1 0,800 2x280 / 1915,0 4x604 | "
            "2:a2 1000,0 920x220 / 0,604 1915x475 | 3:a3 0,0 2x220 / 1915,604 4x475", QRect(1000, 800, 922, 500));
        row("top edge on last row", "0:a2 1000,0 920x499 / 0,2 883x1077 | 1:a3 0,0 1080x499 / 883,2 1036x1077",
            QRect(1000, 1079, 2000, 500));
        row("bottom edge on first row", "0:a0 1000,800 920x280 / 0,0 883x1076 | 1:a1 0,800 1080x280 / 883,0 1036x1076",
            QRect(1000, 800, 2000, 281));
        row("bottom edge one row past",
            "0:a0 1000,800 920x280 / 0,0 883x1072 | 1:a1 0,800 1080x280 / 883,0 1036x1072 | "
            "2:a2 1000,0 920x2 / 0,1072 883x7 | 3:a3 0,0 1080x2 / 883,1072 1036x7", QRect(1000, 800, 2000, 282));
        row("inside one area", "0:a0 10,10 100x100 / 0,0 1920x1080", QRect(10, 10, 100, 100));
        row("input width 3840", "0:a0 1000,800 920x280 / 0,0 1766x604 | 1:a1 0,800 1080x280 / 1766,0 2073x604 | "
            "2:a2 1000,0 920x220 / 0,604 1766x475 | 3:a3 0,0 1080x220 / 1766,604 2073x475",
            base, {}, QSize(3840, 1080));
        row("input height 2160", "0:a0 1000,800 920x280 / 0,0 883x1209 | 1:a1 0,800 1080x280 / 883,0 1036x1209 | "
            "2:a2 1000,0 920x220 / 0,1209 883x950 | 3:a3 0,0 1080x220 / 883,1209 1036x950",
            base, {}, QSize(1920, 2160));
        const QString cropped = "0:a0 1000,800 920x280 / 100,50 441x302 | 1:a1 0,800 1080x280 / 541,50 518x302 | "
                                "2:a2 1000,0 920x220 / 100,352 441x237 | 3:a3 0,0 1080x220 / 541,352 518x237";
        row("crop", cropped, base, {1, 100, 50, 960, 540});
        row("crop enable 2", cropped, base, {2, 100, 50, 960, 540});
        row("crop off: input size", with(-1, {}), base, {0, 100, 50, 960, 540});
        row("crop x + 1", "0:a0 1000,800 920x280 / 101,50 441x302 | 1:a1 0,800 1080x280 / 542,50 518x302 | "
            "2:a2 1000,0 920x220 / 101,352 441x237 | 3:a3 0,0 1080x220 / 542,352 518x237",
            base, {1, 101, 50, 960, 540});
        row("crop y + 1", "0:a0 1000,800 920x280 / 100,51 441x302 | 1:a1 0,800 1080x280 / 541,51 518x302 | "
            "2:a2 1000,0 920x220 / 100,353 441x237 | 3:a3 0,0 1080x220 / 541,353 518x237",
            base, {1, 100, 51, 960, 540});
        row("crop width + 1", "0:a0 1000,800 920x280 / 100,50 442x302 | 1:a1 0,800 1080x280 / 542,50 518x302 | "
            "2:a2 1000,0 920x220 / 100,352 442x237 | 3:a3 0,0 1080x220 / 542,352 518x237",
            base, {1, 100, 50, 961, 540});
        row("crop height + 1", "0:a0 1000,800 920x280 / 100,50 441x302 | 1:a1 0,800 1080x280 / 541,50 518x302 | "
            "2:a2 1000,0 920x220 / 100,352 441x238 | 3:a3 0,0 1080x220 / 541,352 518x238",
            base, {1, 100, 50, 960, 541});
        row("area 1 x - 20", with(1, "1:a1 0,800 1100x280 / 864,0 1056x604"), base, {}, {}, {1, 1900, 0, 1920, 1080});
        row("area 2 y + 20", with(2, "2:a2 1000,0 920x200 / 0,648 883x432"), base, {}, {}, {2, 0, 1100, 1920, 1080});
        row("area 0 width 1500", with(0, "0:a0 1000,800 500x280 / 0,0 480x604"), base, {}, {}, {0, 0, 0, 1500, 1080});
        row("area 0 height 900", with(0, "0:a0 1000,800 920x100 / 0,0 883x216"), base, {}, {}, {0, 0, 0, 1920, 900});
        // Port 1 shows area 0 too: area 0's piece on two ports, area 1's on none.
        row("port 1 shows area 0", with(1, "1:a0 1000,800 920x280 / 0,0 883x604"), base, {}, {}, {}, {1, 0});
    }
    void pieces()
    {
        QFETCH(QRect, win);
        QFETCH(QVector<int>, cropArgs);
        QFETCH(QSize, input);
        QFETCH(QVector<int>, area);
        QFETCH(QVector<int>, mapping);
        MatrixProc m;
        grid(m);
        if (input.isValid())
            m.updateInputSignal(1, input.width(), input.height(), 60), m.updateInputPresence(1, true);
        if (!area.isEmpty())
            m.updatePanel(area[0], uint16_t(area[1]), uint16_t(area[2]), uint16_t(area[3]), uint16_t(area[4]));
        if (!mapping.isEmpty())
            m.updateMapping(INFO_MAPPING{uint8_t(mapping[0]), uint8_t(mapping[1]), 0, 0, 0, 0});
        QCOMPARE(m.openWindow(0, win.x(), win.y(), win.width(), win.height(), 3), 0);
        QCOMPARE(m.window(0).source, input.isValid() ? 1 : 0);
        if (!cropArgs.isEmpty())
            QCOMPARE(m.setWindowCrop(0, cropArgs[0], cropArgs[1], cropArgs[2], cropArgs[3], cropArgs[4]), 0);
        QTEST(ports(m, 0, 3), "want");
    }

    void openFrameByFrame()
    {
        MatrixProc m;
        grid(m);
        Wire w(m);
        QCOMPARE(m.openWindow(0, 1000, 800, 2000, 500, 3), 0);
        QCOMPARE(
            w.take(),
            QStringList({winF(0, 1000, 800, 2000, 500, 3), rect(0, 1000, 800, 920, 280, 0),
                         rect(1, 0, 800, 1080, 280, 0), rect(2, 1000, 0, 920, 220, 0), rect(3, 0, 0, 1080, 220, 0),
                         winCrop(0, 0, 0, 0, 1920, 1080), sw(0, 0), crop(0, 1, 0, 0, 883, 604),
                         crop(1, 1, 883, 0, 1036, 604), crop(2, 1, 0, 604, 883, 475), crop(3, 1, 883, 604, 1036, 475),
                         marks(0, 4, 0, 0, 0), marks(1, 0, 4, 0, 0), marks(2, 0, 0, 4, 0), marks(3, 0, 0, 0, 4)}) +
                opened(0));
        QCOMPARE(m.window(0).layer, 3);
        // A crop sends its own frame and the crops of the window's ports only; enable 2 is sent as 1.
        QCOMPARE(m.setWindowCrop(0, 2, 100, 50, 960, 540), 0);
        QCOMPARE(w.take(), QStringList({winCrop(0, 1, 100, 50, 960, 540), crop(0, 1, 100, 50, 441, 302),
                                        crop(1, 1, 541, 50, 518, 302), crop(2, 1, 100, 352, 441, 237),
                                        crop(3, 1, 541, 352, 518, 237)}));
        QCOMPARE(m.window(0).flag, 2);
        QCOMPARE(m.setWindowCrop(0, 0, 100, 50, 960, 540), 0);
        QCOMPARE(w.take(), QStringList({winCrop(0, 0, 100, 50, 960, 540), crop(0, 1, 0, 0, 883, 604),
                                        crop(1, 1, 883, 0, 1036, 604), crop(2, 1, 0, 604, 883, 475),
                                        crop(3, 1, 883, 604, 1036, 475)}));
        QCOMPARE(m.setWindowCrop(4, 1, 0, 0, 1, 1), -1);
        QCOMPARE(m.openWindow(1, 0, 0, 0, 100, 0), 0); // nothing to place
        QVERIFY(w.frames.isEmpty());
    }

    void moveReleasesAndReusesPorts()
    {
        MatrixProc m;
        grid(m);
        m.openWindow(0, 1000, 800, 2000, 500, 3);
        Wire w(m);
        // Into area 0 only: the window keeps port 0 and gives up the others.
        QCOMPARE(m.moveWindow(0, 10, 10, 100, 100, 5), 0);
        QCOMPARE(w.take(), QStringList({marks(1, 0, 0, 0, 0), marks(2, 0, 0, 0, 0), marks(3, 0, 0, 0, 0),
                                        winF(0, 10, 10, 100, 100, 5), rect(0, 10, 10, 100, 100, 0),
                                        rect(1, 0, 0, 0, 0, 0), rect(2, 0, 0, 0, 0, 0), rect(3, 0, 0, 0, 0, 0),
                                        sw(0, 0), crop(0, 1, 0, 0, 1920, 1080), noCrop(1), noCrop(2), noCrop(3)}));
        // Into area 3: the same port now shows area 3's piece.
        QCOMPARE(m.moveWindow(0, 1930, 1090, 100, 100, 5), 0);
        QCOMPARE(w.take(), QStringList({marks(0, 0, 0, 0, 0), marks(3, 4, 0, 0, 0), winF(0, 1930, 1090, 100, 100, 5),
                                        rect(0, 10, 10, 100, 100, 0), sw(0, 0), crop(0, 1, 0, 0, 1920, 1080)}));
        QCOMPARE(ports(m, 0, 5), QString("0:a3 10,10 100x100 / 0,0 1920x1080"));
        QCOMPARE(m.window(0).layer, 5);
        // An empty slot is not placed, but the device hears of it.
        QCOMPARE(m.moveWindow(2, 5, 6, 7, 8, 1), 0);
        QCOMPARE(w.take(), QStringList({winF(2, 5, 6, 7, 8, 1), sw(2, 0)}));
        QCOMPARE(m.moveWindow(4, 0, 0, 10, 10, 0), -1);
        QVERIFY(w.frames.isEmpty());
    }

    // A port that already shows the piece of an area keeps it when the window moves.
    void moveKeepsThePortOfEachArea()
    {
        MatrixProc m;
        grid(m);
        m.openWindow(1, 1000, 100, 2000, 500, 0); // port 0: area 0, port 1: area 1
        QCOMPARE(m.moveWindow(1, 2000, 800, 100, 500, 0), 0);
        QCOMPARE(ports(m, 1, 0),
                 QString("0:a3 80,0 100x220 / 0,604 1920x475 | 1:a1 80,800 100x280 / 0,0 1920x604"));
    }

    void removeReleasesPorts()
    {
        MatrixProc m;
        grid(m);
        m.openWindow(2, 1000, 800, 2000, 500, 0);
        Wire w(m);
        QCOMPARE(m.removeWindow(2), 0);
        QCOMPARE(w.take(), QStringList({marks(0, 0, 0, 0, 0), marks(1, 0, 0, 0, 0), marks(2, 0, 0, 0, 0),
                                        marks(3, 0, 0, 0, 0), close(2)}));
        QCOMPARE(ports(m, 2, 0), QString());
        QVERIFY(m.window(2).empty());
        QVERIFY(w.removed.isEmpty());
        QCOMPARE(m.removeWindow(4), -1);
        QVERIFY(w.frames.isEmpty());
    }

    // A card gives up windows only when it has fewer free ports than the new window needs.
    void evictionWhenACardIsFull()
    {
        MatrixProc m;
        grid(m);
        Wire w(m);
        m.openWindow(0, 1000, 100, 2000, 500, 0);  // areas 0 and 1: ports 0 and 1
        m.openWindow(1, 1000, 1200, 2000, 500, 1); // areas 2 and 3: exactly the two free ports
        QVERIFY(w.removed.isEmpty());
        QCOMPARE(m.port(3).winId, 1);
        w.take();
        QCOMPARE(m.openWindow(2, 10, 10, 100, 100, 2), 0); // no free port: the first taken one's window goes
        QCOMPARE(w.removed, QList<int>{0});
        QCOMPARE(w.take(), QStringList({close(0), winF(2, 10, 10, 100, 100, 2), rect(0, 10, 10, 100, 100, 2),
                                        rect(1, 0, 0, 0, 0, 2), winCrop(2, 0, 0, 0, 1920, 1080), sw(2, 0),
                                        crop(0, 1, 0, 0, 1920, 1080), noCrop(1), marks(1, 0, 0, 0, 0)}) +
                               opened(2));
        QVERIFY(m.window(0).empty());
        QCOMPARE(m.port(2).winId, 1);
        QVERIFY(m.port(1).empty());
    }

    void batchAndMapping()
    {
        MatrixProc m;
        grid(m);
        m.openWindow(0, 10, 10, 100, 100, 0);
        m.openWindow(1, 10, 1090, 100, 100, 0); // area 2, port 1
        QCOMPARE(m.setWindowsGeometry(0, 0, 1930, 10, 100, 100), 0);
        QCOMPARE(m.setWindowsGeometry(0, 3, 0, 0, 100, 100), 0); // empty slot: staged, never placed
        Wire w(m);
        QCOMPARE(m.setWindowsGeometry(1, 0, 0, 0, 0, 0), 0);
        const QStringList tail = {sw(0, 0), sw(1, 0), crop(0, 1, 0, 0, 1920, 1080), crop(1, 1, 0, 0, 1920, 1080),
                                  hold(1)};
        QCOMPARE(w.take(), QStringList({winF(0, 1930, 10, 100, 100, 0), winF(1, 10, 1090, 100, 100, 0), hold(0),
                                        marks(0, 0, 0, 0, 0), marks(1, 4, 0, 0, 0), rect(0, 10, 10, 100, 100, 0),
                                        rect(1, 10, 10, 100, 100, 1)}) +
                               tail);
        // Port 3 shows area 1 as well: everything is placed again, without window frames.
        QCOMPARE(m.setOutputMapping(3, 1), 0);
        QCOMPARE(m.mapping(3).area, 1);
        QCOMPARE(w.take(), QStringList({hold(0), marks(1, 4, 4, 0, 0), marks(2, 0, 0, 4, 0),
                                        rect(0, 10, 10, 100, 100, 0), rect(1, 10, 10, 100, 100, 0),
                                        rect(2, 10, 10, 100, 100, 1), sw(0, 0), sw(1, 0), crop(0, 1, 0, 0, 1920, 1080),
                                        crop(1, 1, 0, 0, 1920, 1080), crop(2, 1, 0, 0, 1920, 1080), hold(1)}));
        QCOMPARE(m.setOutputMapping(4, 0), -1);
        QCOMPARE(m.setWindowsGeometry(0, 4, 0, 0, 10, 10), -1);
        QVERIFY(w.frames.isEmpty());
    }

    // The areas were laid out again under a window, and no port maps to its new area. A crop
    // places the window again like a move: the ports it gives up are released on the device.
    void cropAfterAreaChangeReleasesPorts()
    {
        MatrixProc m;
        grid(m);
        m.updateMapping(INFO_MAPPING{0, 1, 0, 0, 0, 0}); // ports 0 and 1 show area 1; none shows area 0
        m.openWindow(3, 2000, 10, 100, 100, 0);
        QCOMPARE(m.port(1).winId, 3);
        QCOMPARE(m.setAreaGeometry(0, 1920, 0, 1920, 1080), 0);
        Wire w(m);
        QCOMPARE(m.setAreaGeometry(1, 0, 0, 1920, 1080), 0);
        QCOMPARE(w.take(), QStringList{areaF(1, 0, 0, 1920, 1080)});
        QCOMPARE(m.setWindowCrop(3, 1, 0, 0, 960, 540), 0);
        QCOMPARE(w.take(), QStringList({winCrop(3, 1, 0, 0, 960, 540), rect(0, 0, 0, 0, 0, 3), rect(1, 0, 0, 0, 0, 3),
                                        noCrop(0), noCrop(1)}));
        QCOMPARE(ports(m, 3, 0), QString());
        QCOMPARE(m.window(3).srcW, 960);
        QCOMPARE(m.setAreaGeometry(4, 0, 0, 1, 1), -1);
    }

    void cardCountsLimitNumbers()
    {
        MatrixProc m; // two output cards until told otherwise
        Wire w(m);
        QCOMPARE(m.setWindowsGeometry(0, 7, 0, 0, 10, 10), 0);
        QCOMPARE(m.setWindowsGeometry(0, 8, 0, 0, 10, 10), -1);
        QCOMPARE(m.openWindow(8, 0, 0, 100, 100, 0), -1);
        QVERIFY(w.frames.isEmpty());
        m.updateOtherSetting(3, 0);
        QCOMPARE(m.setWindowsGeometry(0, 11, 0, 0, 10, 10), 0);
        QCOMPARE(m.setWindowsGeometry(0, 12, 0, 0, 10, 10), -1);
        // Whatever the device reports, slots stay inside the tables.
        m.updateOtherSetting(200, 200);
        QCOMPARE(QVector<int>({m.outputAreas(), m.inputSlots()}), QVector<int>({32, 32}));
        QCOMPARE(m.setAreaGeometry(32, 0, 0, 1, 1), -1);
        m.updatePanel(40, 0, 0, 1, 1);
        m.updateInputSignal(40, 1, 1, 1);
        m.updateInputPresence(-1, true);
        QCOMPARE(m.setAreaLayout(9, 9, 0), 0); // 81 areas: only the table's slots are laid out
        QCOMPARE(m.area(31).number, 31);
    }

    // From the default layout (2 rows, 4 columns, row by row; 8 areas) or from `from`.
    void layout_data()
    {
        QTest::addColumn<QVector<int>>("from");
        QTest::addColumn<QVector<int>>("to"); // rows, columns, order
        QTest::addColumn<QString>("placed");  // "area:x,y" of every area frame, in order
        QTest::newRow("2x3 rows") << V{} << V{2, 3, 0} << "0:0,0 1:1920,0 2:3840,0 3:0,1080 4:1920,1080 5:3840,1080";
        QTest::newRow("3x3 rows") << V{} << V{3, 3, 0}
            << "0:0,0 1:1920,0 2:3840,0 3:0,1080 4:1920,1080 5:3840,1080 6:0,2160 7:1920,2160 8:3840,2160";
        QTest::newRow("2x3 columns") << V{} << V{2, 3, 1} << "0:0,0 1:0,1080 2:1920,0 3:1920,1080 4:3840,0 5:3840,1080";
        QTest::newRow("3x2 columns") << V{} << V{3, 2, 1} << "0:0,0 1:0,1080 2:0,2160 3:1920,0 4:1920,1080 5:1920,2160";
        QTest::newRow("rows to one column") << V{2, 2, 0} << V{4, 1, 0} << "1:0,1080 2:0,2160 3:0,3240";
        QTest::newRow("unchanged") << V{} << V{2, 4, 0} << "";
        // By rows only areas that moved are sent; by columns every area is.
        QTest::newRow("columns to rows") << V{2, 2, 1} << V{2, 2, 0} << "1:1920,0 2:0,1080";
        QTest::newRow("rows to columns") << V{2, 2, 0} << V{2, 2, 1} << "0:0,0 1:0,1080 2:1920,0 3:1920,1080";
    }
    void layout()
    {
        QFETCH(QVector<int>, from);
        QFETCH(QVector<int>, to);
        QFETCH(QString, placed);
        MatrixProc m;
        if (!from.isEmpty())
            m.setAreaLayout(from[0], from[1], from[2]);
        Wire w(m);
        QCOMPARE(m.setAreaLayout(to[0], to[1], to[2]), 0);
        QStringList want;
        if (!placed.isEmpty())
            want << Exp(5, 3).b(to[0]).b(to[1]).b(to[2]);
        for (const QString &a : placed.split(' ', Qt::SkipEmptyParts)) {
            const QStringList n = a.split(QRegularExpression("[:,]"));
            want << areaF(n[0].toInt(), n[1].toInt(), n[2].toInt(), 1920, 1080);
        }
        QCOMPARE(w.frames, want);
        for (int k = 0; k < m.outputAreas() && !want.isEmpty(); ++k)
            QCOMPARE(int(m.area(k).number), k < to[0] * to[1] ? k : 255);
        QCOMPARE(m.row() * 100 + m.col() * 10 + m.arrangement(), to[0] * 100 + to[1] * 10 + to[2]);
    }

    void outputResolution()
    {
        MatrixProc m;
        m.updateResolution(0, 1920, 1080, 60, 1, 2, 0);
        Wire w(m);
        QCOMPARE(m.setOutputResolution(3, 4000, 4000, 50), 0); // preset 3: 1024 x 768, the size given is not used
        QCOMPARE(w.take(), QStringList({areaF(0, 0, 0, 1024, 768), areaF(1, 1024, 0, 1024, 768),
                                        Exp(5, 0).b(0).b(3).w(1024).w(768).b(50)}));
        QCOMPARE(QList<QSize>({MatrixProc::presetSize(1), MatrixProc::presetSize(13), MatrixProc::presetSize(14),
                               MatrixProc::presetSize(0)}),
                 QList<QSize>({{1920, 1080}, {3072, 768}, {64, 64}, {64, 64}}));
        QCOMPARE(m.setOutputResolution(0, 1920, 1080, 60), 0);
        QCOMPARE(w.take(), QStringList({areaF(0, 0, 0, 1920, 1080), areaF(1, 1920, 0, 1920, 1080),
                                        Exp(5, 0).b(0).b(0).w(1920).w(1080).b(60)}));
        QCOMPARE(m.setOutputResolution(0, 1920, 1080, 60), 0); // nothing changed
        QVERIFY(w.frames.isEmpty());
        QCOMPARE(m.setOutputResolution(0, 1920, 1080, 50), 0);
        QCOMPARE(w.take().last(), QString(Exp(5, 0).b(0).b(0).w(1920).w(1080).b(50)));
    }

    void resetBeforeLoad()
    {
        MatrixProc m;
        grid(m);
        m.openWindow(0, 0, 0, 100, 100, 0);
        m.reset();
        QVERIFY(m.window(0).empty() && m.port(0).empty());
        QCOMPARE(QVector<int>({m.area(0).number, m.area(0).marks[0], m.mapping(1).area, m.outputCards()}),
                 QVector<int>({255, 0, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(TstGw5Matrix)
#include "tst_gw5matrix.moc"
