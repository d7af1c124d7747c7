// Window and panel items through a real view at scale 1: set, dragged and resized geometry at each panel edge
// and minimum, hit zones, the rubber band, panel bounds. The panel is off the wall's origin.
#include "CanvasUi.h"
#include "SxGraphicsBGItem.h"
#include "SxGraphicsItem.h"

#include <QGraphicsScene>
#include <QtTest>

using namespace CanvasUi;

namespace {
const QRect P(100, 50, 1000, 600); // right edge 1100, bottom 650
const QRect W(500, 300, 300, 200); // every row's window before the change
using R = QRect;
void row(const char *ops, const char *name, const QRect &in, const QRect &out)
{
    QTest::newRow(name) << QString(ops) << in << out;
}
} // namespace

class TestCanvasItems : public QObject
{
    Q_OBJECT
private:
    QGraphicsScene *scene = nullptr;
    QGraphicsView *view = nullptr;

    SxGraphicsItem *addWindow(const QRect &r)
    {
        auto item = new SxGraphicsItem(QRect(0, 0, r.width(), r.height()), P);
        item->moveBy(r.x(), r.y());
        scene->addItem(item);
        item->setSelected(true);
        return item;
    }

private slots:
    void init()
    {
        scene = new QGraphicsScene(0, 0, 1400, 900);
        view = new QGraphicsView(scene);
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->resize(1500, 1000);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    void cleanup()
    {
        delete view;
        delete scene;
    }

    // The window W asked to take `in`: 's' sets it, 'm' drags it by the move (four steps), 'r' drags the edges
    // (or corner) that change by one step; a resize that would leave it under 64 wide or high is dropped.
    void geometry_data()
    {
        columns<QString, QRect, QRect>("ops", "in", "out");
        row("s", "x negative cuts the width", R(-30, 100, 300, 200), R(100, 100, 270, 200));
        row("s", "y negative cuts the height", R(200, -10, 300, 200), R(200, 50, 300, 190));
        row("s", "width above minimum", R(200, 100, 65, 200), R(200, 100, 65, 200));
        row("s", "width at minimum", R(200, 100, 64, 200), R(200, 100, 64, 200));
        row("s", "width below minimum", R(200, 100, 63, 200), R(200, 100, 64, 200));
        row("s", "width below panel width", R(200, 100, 999, 200), R(101, 100, 999, 200));
        row("s", "width of the panel", R(200, 100, 1000, 200), R(100, 100, 1000, 200));
        row("s", "width beyond panel width", R(200, 100, 1001, 200), R(100, 100, 1000, 200));
        row("s", "height above minimum", R(200, 100, 300, 65), R(200, 100, 300, 65));
        row("s", "height at minimum", R(200, 100, 300, 64), R(200, 100, 300, 64));
        row("s", "height below minimum", R(200, 100, 300, 63), R(200, 100, 300, 64));
        row("s", "height below panel height", R(200, 100, 300, 599), R(200, 51, 300, 599));
        row("s", "height of the panel", R(200, 100, 300, 600), R(200, 50, 300, 600));
        row("s", "height beyond panel height", R(200, 100, 300, 601), R(200, 50, 300, 600));
        row("sm", "inside left", R(101, 300, 300, 200), R(101, 300, 300, 200));
        row("sm", "on left", R(100, 300, 300, 200), R(100, 300, 300, 200));
        row("sm", "beyond left", R(99, 300, 300, 200), R(100, 300, 300, 200));
        row("sm", "inside right", R(799, 300, 300, 200), R(799, 300, 300, 200));
        row("sm", "on right", R(800, 300, 300, 200), R(800, 300, 300, 200));
        row("sm", "beyond right", R(801, 300, 300, 200), R(800, 300, 300, 200));
        row("sm", "inside top", R(500, 51, 300, 200), R(500, 51, 300, 200));
        row("sm", "on top", R(500, 50, 300, 200), R(500, 50, 300, 200));
        row("sm", "beyond top", R(500, 49, 300, 200), R(500, 50, 300, 200));
        row("sm", "inside bottom", R(500, 449, 300, 200), R(500, 449, 300, 200));
        row("sm", "on bottom", R(500, 450, 300, 200), R(500, 450, 300, 200));
        row("sm", "beyond bottom", R(500, 451, 300, 200), R(500, 450, 300, 200));
        row("m", "beyond a corner", R(-500, 1300, 300, 200), R(100, 450, 300, 200));
        row("r", "right inside panel", R(500, 300, 599, 200), R(500, 300, 599, 200));
        row("r", "right on panel", R(500, 300, 600, 200), R(500, 300, 600, 200));
        row("r", "right beyond panel", R(500, 300, 601, 200), R(500, 300, 600, 200));
        row("r", "bottom inside panel", R(500, 300, 300, 349), R(500, 300, 300, 349));
        row("r", "bottom on panel", R(500, 300, 300, 350), R(500, 300, 300, 350));
        row("r", "bottom beyond panel", R(500, 300, 300, 351), R(500, 300, 300, 350));
        row("r", "left inside panel", R(101, 300, 699, 200), R(101, 300, 699, 200));
        row("r", "left on panel", R(100, 300, 700, 200), R(100, 300, 700, 200));
        row("r", "left beyond panel", R(99, 300, 701, 200), R(100, 300, 700, 200));
        row("r", "top inside panel", R(500, 51, 300, 449), R(500, 51, 300, 449));
        row("r", "top on panel", R(500, 50, 300, 450), R(500, 50, 300, 450));
        row("r", "top beyond panel", R(500, 49, 300, 451), R(500, 50, 300, 450));
        row("r", "right to width 65", R(500, 300, 65, 200), R(500, 300, 65, 200));
        row("r", "right to width 64", R(500, 300, 64, 200), R(500, 300, 64, 200));
        row("r", "right to width 63", R(500, 300, 63, 200), W);
        row("r", "left to width 65", R(735, 300, 65, 200), R(735, 300, 65, 200));
        row("r", "left to width 64", R(736, 300, 64, 200), R(736, 300, 64, 200));
        row("r", "left to width 63", R(737, 300, 63, 200), W);
        row("r", "bottom to height 65", R(500, 300, 300, 65), R(500, 300, 300, 65));
        row("r", "bottom to height 64", R(500, 300, 300, 64), R(500, 300, 300, 64));
        row("r", "bottom to height 63", R(500, 300, 300, 63), W);
        row("r", "top to height 65", R(500, 435, 300, 65), R(500, 435, 300, 65));
        row("r", "top to height 64", R(500, 436, 300, 64), R(500, 436, 300, 64));
        row("r", "top to height 63", R(500, 437, 300, 63), W);
        row("r", "top-left corner", R(480, 270, 320, 230), R(480, 270, 320, 230));
        row("r", "bottom-right corner", R(500, 300, 320, 230), R(500, 300, 320, 230));
        row("r", "corner: width below minimum", R(500, 300, 63, 230), W);
        row("r", "corner: height below minimum", R(500, 300, 320, 63), W);
    }
    void geometry()
    {
        const auto [ops, in, out] = fetch<QString, QRect, QRect>("ops", "in", "out");
        for (const QChar op : ops) {
            SxGraphicsItem *item = addWindow(W);
            QSignalSpy spy(item, &SxGraphicsItem::emitItemPosChanged);
            // Grab point and move along one axis: the low edge if it changes, else the high one, else the middle.
            const auto edge = [](int lo, int size, int wLo, int wSize, int mid) {
                const int hi = lo + size, wHi = wLo + wSize;
                return lo != wLo ? QPointF(wLo + 2, lo - wLo) : QPointF(hi != wHi ? wHi - 2 : mid, hi - wHi);
            };
            const QPointF x = edge(in.x(), in.width(), W.x(), W.width(), 650);
            const QPointF y = edge(in.y(), in.height(), W.y(), W.height(), 400);
            if (op == 's')
                item->setWindowRect(in);
            else if (op == 'm')
                drag(view, QPointF(650, 400), in.topLeft() - W.topLeft());
            else
                drag(view, QPointF(x.x(), y.x()), QPointF(x.y(), y.y()), 1);
            QCOMPARE(item->windowRect(), out);
            if (op == 's')
                continue;
            QCOMPARE(spy.count(), op == 'm' ? 4 : int(out != W));
            if (!spy.isEmpty()) {
                QCOMPARE(spy.last().at(1).toRect(), out);
                QCOMPARE(spy.last().at(2).toRect(), P);
            }
        }
    }

    void lockedWindowSelectsButNeitherMovesNorResizes()
    {
        SxGraphicsItem *item = addWindow(W);
        item->setSelected(false);
        item->setLocked(true);
        click(view, QPointF(650, 400));
        QVERIFY(item->isSelected());
        drag(view, QPointF(650, 400), QPointF(100, 100));
        drag(view, QPointF(798, 400), QPointF(100, 0));
        QCOMPARE(item->windowRect(), W);
        QVERIFY(!item->isResizing());
        QVERIFY(!item->hasCursor() || item->cursor().shape() == Qt::ArrowCursor);
    }

    // Each edge's zone ends exactly `margin` inside the window; the window's x, y, width and height
    // and the margin each move a boundary on their own. Rows on W with margin 5 are also hovered.
    void hitZones_data()
    {
        columns<QPoint, QRect, int, int>("point", "window", "margin", "zone");
        const auto r = [](const char *n, QPoint p, int zone, QRect w = W, int m = 5) {
            QTest::newRow(n) << p << w << m << zone;
        };
        r("inside", {650, 400}, SxGraphicsItem::EdgeNone);
        r("left", {505, 400}, SxGraphicsItem::EdgeLeft);
        r("past left", {506, 400}, SxGraphicsItem::EdgeNone);
        r("right", {795, 400}, SxGraphicsItem::EdgeRight);
        r("past right", {794, 400}, SxGraphicsItem::EdgeNone);
        r("top", {650, 305}, SxGraphicsItem::EdgeTop);
        r("past top", {650, 306}, SxGraphicsItem::EdgeNone);
        r("bottom", {650, 495}, SxGraphicsItem::EdgeBottom);
        r("past bottom", {650, 494}, SxGraphicsItem::EdgeNone);
        r("top-left", {505, 305}, SxGraphicsItem::EdgeTopLeft);
        r("top-right", {795, 305}, SxGraphicsItem::EdgeTopRight);
        r("bottom-right", {795, 495}, SxGraphicsItem::EdgeBottomRight);
        r("bottom-left", {505, 495}, SxGraphicsItem::EdgeBottomLeft);
        r("top-left, one right", {506, 305}, SxGraphicsItem::EdgeTop);
        r("top-left, one down", {505, 306}, SxGraphicsItem::EdgeLeft);
        r("left, smaller margin", {505, 400}, SxGraphicsItem::EdgeNone, W, 4);
        r("left, window x - 1", {505, 400}, SxGraphicsItem::EdgeNone, QRect(499, 300, 300, 200));
        r("top, window y - 1", {650, 305}, SxGraphicsItem::EdgeNone, QRect(500, 299, 300, 200));
        r("right, width - 1", {794, 400}, SxGraphicsItem::EdgeRight, QRect(500, 300, 299, 200));
        r("bottom, height - 1", {650, 494}, SxGraphicsItem::EdgeBottom, QRect(500, 300, 300, 199));
    }
    void hitZones()
    {
        const auto [point, window, margin, zone] = fetch<QPoint, QRect, int, int>("point", "window", "margin", "zone");
        QCOMPARE(SxGraphicsItem::hitZone(point, window, margin), zone);
        // Clockwise from the top: none, top, top-right, right, bottom-right, bottom, bottom-left, left, top-left.
        const QList<Qt::CursorShape> cursors{Qt::ArrowCursor, Qt::SizeVerCursor,   Qt::SizeBDiagCursor,
                                             Qt::SizeHorCursor, Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                             Qt::SizeBDiagCursor, Qt::SizeHorCursor, Qt::SizeFDiagCursor};
        QCOMPARE(SxGraphicsItem::cursorFor(zone), cursors.value(zone));
        if (window != W || margin != 5)
            return;
        SxGraphicsItem *item = addWindow(W);
        mouse(view, QEvent::MouseMove, QPointF(50, 50));
        mouse(view, QEvent::MouseMove, point);
        QCOMPARE(item->resizeEdge(), zone);
        QCOMPARE(item->isResizing(), zone != SxGraphicsItem::EdgeNone);
        QCOMPARE(item->cursor().shape(), cursors.value(zone));
    }

    void bandRect_data()
    {
        columns<QPointF, QPointF, QRect>("start", "end", "out");
        const auto r = [](const char *n, QPointF s, QPointF e, QRect o) { QTest::newRow(n) << s << e << o; };
        r("as dragged", {100, 100}, {200, 180}, QRect(100, 100, 101, 81));
        r("width 65", {100, 100}, {164, 180}, QRect(100, 100, 65, 81));
        r("width 64", {100, 100}, {163, 180}, QRect());
        r("height 65", {100, 100}, {200, 164}, QRect(100, 100, 101, 65));
        r("height 64", {100, 100}, {200, 163}, QRect());
        r("start x below 0", {-10, 100}, {100, 180}, QRect(0, 100, 101, 81));
        r("start y below 0", {100, -10}, {200, 100}, QRect(100, 0, 101, 101));
        r("end x below 0", {100, 100}, {-5, 180}, QRect());
        r("end y below 0", {100, 100}, {200, -5}, QRect());
        r("dragged up and left", {200, 180}, {100, 100}, QRect());
    }
    void bandRect()
    {
        const auto [start, end, out] = fetch<QPointF, QPointF, QRect>("start", "end", "out");
        QCOMPARE(SxGraphicsBGItem::bandRect(start, end), out);
    }

    void rubberBandAddsWindows()
    {
        auto bg = new SxGraphicsBGItem(P);
        scene->addItem(bg);
        QSignalSpy spy(bg, &SxGraphicsBGItem::emitAddWindow);
        drag(view, QPointF(200, 150), QPointF(64, 100), 2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toRect(), QRect(200, 150, 65, 101));
        drag(view, QPointF(200, 150), QPointF(63, 100), 2);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!bg->isDragging());
    }

    void panelBounds_data()
    {
        columns<QRect, QRect>("in", "out");
        QTest::newRow("first panel") << R(0, 0, 1920, 1080) << R(0, 0, 3840, 2160);
        QTest::newRow("panel to the right") << R(1920, 0, 1920, 1080) << R(1920, 0, 1920, 2160);
        QTest::newRow("panel below") << R(0, 1080, 1920, 1080) << R(0, 1080, 3840, 1080);
        QTest::newRow("panel right and below") << R(1920, 1080, 1920, 1080) << R(1920, 1080, 1920, 1080);
    }
    void panelBounds()
    {
        const auto [in, out] = fetch<QRect, QRect>("in", "out");
        SxGraphicsBGItem bg(in);
        bg.setBoundsFrom(QRectF(0, 0, 3840, 2160));
        QCOMPARE(bg.boundingRect(), QRectF(out));
        bg.setBoundsFrom(QRectF(0, 0, 0, 100)); // an empty wall changes nothing
        QCOMPARE(bg.boundingRect(), QRectF(out));
    }
};

QTEST_MAIN(TestCanvasItems)
#include "tst_ui_canvas_items.moc"
