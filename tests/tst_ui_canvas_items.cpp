// Window and panel items of the canvas: the geometry rules (set, dragged, resized: each edge just
// inside, on and just outside the panel; minimum width and height on their own), hit zones, the
// rubber band and panel bounds, driven through a real view at scale 1 (one view pixel = one wall
// pixel). The panel does not start at the wall's origin, so its x and y count on their own.
#include "CanvasUi.h"
#include "SxGraphicsBGItem.h"
#include "SxGraphicsItem.h"

#include <QGraphicsScene>
#include <QtTest>

using namespace CanvasUi;

namespace {
const QRect P(100, 50, 1000, 600); // right edge 1100, bottom 650
const QRect W(500, 300, 300, 200); // every row's window before the change
void row(const char *name, const QRect &in, const QRect &out) { QTest::newRow(name) << in << out; }
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

    void setWindowRect_data()
    {
        QTest::addColumn<QRect>("in");
        QTest::addColumn<QRect>("out");
        // Edges just inside and on the panel's are those of the drag below, which moves the same way.
        row("as given", QRect(200, 100, 300, 200), QRect(200, 100, 300, 200));
        row("origin: panel corner", QRect(0, 0, 300, 200), QRect(100, 50, 300, 200));
        row("x beyond right edge", QRect(801, 100, 300, 200), QRect(800, 100, 300, 200));
        row("x beyond left edge", QRect(99, 100, 300, 200), QRect(100, 100, 300, 200));
        row("x negative cuts the width", QRect(-30, 100, 300, 200), QRect(100, 100, 270, 200));
        row("y beyond bottom edge", QRect(200, 451, 300, 200), QRect(200, 450, 300, 200));
        row("y beyond top edge", QRect(200, 49, 300, 200), QRect(200, 50, 300, 200));
        row("y negative cuts the height", QRect(200, -10, 300, 200), QRect(200, 50, 300, 190));
        row("width above minimum", QRect(200, 100, 65, 200), QRect(200, 100, 65, 200));
        row("width at minimum", QRect(200, 100, 64, 200), QRect(200, 100, 64, 200));
        row("width below minimum", QRect(200, 100, 63, 200), QRect(200, 100, 64, 200));
        row("width below panel width", QRect(200, 100, 999, 200), QRect(101, 100, 999, 200));
        row("width of the panel", QRect(200, 100, 1000, 200), QRect(100, 100, 1000, 200));
        row("width beyond panel width", QRect(200, 100, 1001, 200), QRect(100, 100, 1000, 200));
        row("height above minimum", QRect(200, 100, 300, 65), QRect(200, 100, 300, 65));
        row("height at minimum", QRect(200, 100, 300, 64), QRect(200, 100, 300, 64));
        row("height below minimum", QRect(200, 100, 300, 63), QRect(200, 100, 300, 64));
        row("height below panel height", QRect(200, 100, 300, 599), QRect(200, 51, 300, 599));
        row("height of the panel", QRect(200, 100, 300, 600), QRect(200, 50, 300, 600));
        row("height beyond panel height", QRect(200, 100, 300, 601), QRect(200, 50, 300, 600));
    }
    void setWindowRect()
    {
        QFETCH(QRect, in);
        QFETCH(QRect, out);
        SxGraphicsItem *item = addWindow(W);
        item->setWindowRect(in);
        QCOMPARE(item->windowRect(), out);
    }

    void dragStopsAtEachEdge_data()
    {
        QTest::addColumn<QPointF>("delta");
        QTest::addColumn<QRect>("out");
        const auto r = [](const char *n, QPointF d, int x, int y) { QTest::newRow(n) << d << QRect(x, y, 300, 200); };
        r("inside left", {-399, 0}, 101, 300);
        r("on left", {-400, 0}, 100, 300);
        r("beyond left", {-401, 0}, 100, 300);
        r("inside right", {299, 0}, 799, 300);
        r("on right", {300, 0}, 800, 300);
        r("beyond right", {301, 0}, 800, 300);
        r("inside top", {0, -249}, 500, 51);
        r("on top", {0, -250}, 500, 50);
        r("beyond top", {0, -251}, 500, 50);
        r("inside bottom", {0, 149}, 500, 449);
        r("on bottom", {0, 150}, 500, 450);
        r("beyond bottom", {0, 151}, 500, 450);
        r("beyond a corner", {-1000, 1000}, 100, 450);
    }
    void dragStopsAtEachEdge()
    {
        QFETCH(QPointF, delta);
        QFETCH(QRect, out);
        SxGraphicsItem *item = addWindow(W);
        QSignalSpy spy(item, &SxGraphicsItem::emitItemPosChanged);
        drag(view, QPointF(650, 400), delta);
        QCOMPARE(item->windowRect(), out);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.last().at(1).toRect(), out);
        QCOMPARE(spy.last().at(2).toRect(), P);
    }

    // One step each: a step that would leave a window under 64 in either direction is dropped.
    void resizeStopsAtEdgesAndMinimum_data()
    {
        QTest::addColumn<QPointF>("grab");
        QTest::addColumn<QPointF>("delta");
        QTest::addColumn<QRect>("out");
        const QPointF left(502, 400), right(798, 400), top(650, 302), bottom(650, 498);
        const auto r = [](const char *n, QPointF g, QPointF d, QRect o) { QTest::newRow(n) << g << d << o; };
        r("right inside panel", right, {299, 0}, QRect(500, 300, 599, 200));
        r("right on panel", right, {300, 0}, QRect(500, 300, 600, 200));
        r("right beyond panel", right, {301, 0}, QRect(500, 300, 600, 200));
        r("bottom inside panel", bottom, {0, 149}, QRect(500, 300, 300, 349));
        r("bottom on panel", bottom, {0, 150}, QRect(500, 300, 300, 350));
        r("bottom beyond panel", bottom, {0, 151}, QRect(500, 300, 300, 350));
        r("left inside panel", left, {-399, 0}, QRect(101, 300, 699, 200));
        r("left on panel", left, {-400, 0}, QRect(100, 300, 700, 200));
        r("left beyond panel", left, {-401, 0}, QRect(100, 300, 700, 200));
        r("top inside panel", top, {0, -249}, QRect(500, 51, 300, 449));
        r("top on panel", top, {0, -250}, QRect(500, 50, 300, 450));
        r("top beyond panel", top, {0, -251}, QRect(500, 50, 300, 450));
        r("right to width 65", right, {-235, 0}, QRect(500, 300, 65, 200));
        r("right to width 64", right, {-236, 0}, QRect(500, 300, 64, 200));
        r("right to width 63", right, {-237, 0}, W);
        r("left to width 65", left, {235, 0}, QRect(735, 300, 65, 200));
        r("left to width 64", left, {236, 0}, QRect(736, 300, 64, 200));
        r("left to width 63", left, {237, 0}, W);
        r("bottom to height 65", bottom, {0, -135}, QRect(500, 300, 300, 65));
        r("bottom to height 64", bottom, {0, -136}, QRect(500, 300, 300, 64));
        r("bottom to height 63", bottom, {0, -137}, W);
        r("top to height 65", top, {0, 135}, QRect(500, 435, 300, 65));
        r("top to height 64", top, {0, 136}, QRect(500, 436, 300, 64));
        r("top to height 63", top, {0, 137}, W);
        r("top-left corner", {502, 302}, {-20, -30}, QRect(480, 270, 320, 230));
        r("top-right corner", {798, 302}, {20, -30}, QRect(500, 270, 320, 230));
        r("bottom-right corner", {798, 498}, {20, 30}, QRect(500, 300, 320, 230));
        r("bottom-left corner", {502, 498}, {-20, 30}, QRect(480, 300, 320, 230));
        r("corner: width below minimum", {798, 498}, {-237, 30}, W);
        r("corner: height below minimum", {798, 498}, {20, -137}, W);
    }
    void resizeStopsAtEdgesAndMinimum()
    {
        QFETCH(QPointF, grab);
        QFETCH(QPointF, delta);
        QFETCH(QRect, out);
        SxGraphicsItem *item = addWindow(W);
        QSignalSpy spy(item, &SxGraphicsItem::emitItemPosChanged);
        drag(view, grab, delta, 1);
        QCOMPARE(item->windowRect(), out);
        QCOMPARE(spy.count(), out == W ? 0 : 1);
        if (out != W)
            QCOMPARE(spy.last().at(1).toRect(), out);
    }

    void lockedWindowSelectsButNeitherMovesNorResizes()
    {
        SxGraphicsItem *item = addWindow(W);
        item->setSelected(false);
        item->setLocked(true);
        mouse(view, QEvent::MouseButtonPress, QPointF(650, 400), Qt::LeftButton, Qt::LeftButton);
        mouse(view, QEvent::MouseButtonRelease, QPointF(650, 400), Qt::LeftButton);
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
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("zone");
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
        QFETCH(QPoint, point);
        QFETCH(QRect, window);
        QFETCH(int, margin);
        QFETCH(int, zone);
        QCOMPARE(SxGraphicsItem::hitZone(point, window, margin), zone);
        static const QMap<int, Qt::CursorShape> cursors{
            {SxGraphicsItem::EdgeNone, Qt::ArrowCursor},          {SxGraphicsItem::EdgeTop, Qt::SizeVerCursor},
            {SxGraphicsItem::EdgeBottom, Qt::SizeVerCursor},      {SxGraphicsItem::EdgeLeft, Qt::SizeHorCursor},
            {SxGraphicsItem::EdgeRight, Qt::SizeHorCursor},       {SxGraphicsItem::EdgeTopLeft, Qt::SizeFDiagCursor},
            {SxGraphicsItem::EdgeBottomRight, Qt::SizeFDiagCursor}, {SxGraphicsItem::EdgeTopRight, Qt::SizeBDiagCursor},
            {SxGraphicsItem::EdgeBottomLeft, Qt::SizeBDiagCursor}};
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
        QTest::addColumn<QPointF>("start");
        QTest::addColumn<QPointF>("end");
        QTest::addColumn<QRect>("out");
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
        QFETCH(QPointF, start);
        QFETCH(QPointF, end);
        QFETCH(QRect, out);
        QCOMPARE(SxGraphicsBGItem::bandRect(start, end), out);
    }

    void rubberBandAddsWindows()
    {
        auto bg = new SxGraphicsBGItem(P);
        scene->addItem(bg);
        QSignalSpy spy(bg, &SxGraphicsBGItem::emitAddWindow);
        const auto band = [this](QPointF a, QPointF b) {
            mouse(view, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
            mouse(view, QEvent::MouseMove, (a + b) / 2, Qt::NoButton, Qt::LeftButton);
            mouse(view, QEvent::MouseButtonRelease, b, Qt::LeftButton);
        };
        band(QPointF(200, 150), QPointF(264, 250));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toRect(), QRect(200, 150, 65, 101));
        band(QPointF(200, 150), QPointF(263, 250));
        QCOMPARE(spy.count(), 1);
        QVERIFY(!bg->isDragging());
    }

    void panelBounds_data()
    {
        QTest::addColumn<QRect>("in");
        QTest::addColumn<QRect>("out");
        row("first panel", QRect(0, 0, 1920, 1080), QRect(0, 0, 3840, 2160));
        row("panel to the right", QRect(1920, 0, 1920, 1080), QRect(1920, 0, 1920, 2160));
        row("panel below", QRect(0, 1080, 1920, 1080), QRect(0, 1080, 3840, 1080));
        row("panel right and below", QRect(1920, 1080, 1920, 1080), QRect(1920, 1080, 1920, 1080));
    }
    void panelBounds()
    {
        QFETCH(QRect, in);
        QFETCH(QRect, out);
        SxGraphicsBGItem bg(in);
        bg.setBoundsFrom(QRectF(0, 0, 3840, 2160));
        QCOMPARE(bg.boundingRect(), QRectF(out));
        bg.setBoundsFrom(QRectF(0, 0, 0, 100)); // an empty wall changes nothing
        QCOMPARE(bg.boundingRect(), QRectF(out));
    }
};

QTEST_MAIN(TestCanvasItems)
#include "tst_ui_canvas_items.moc"
