// Window and panel items of the canvas: geometry rules, text layout by scale, hit zones and the
// mouse interaction, driven through a real view at scale 1 (one view pixel = one wall pixel).
#include "SxGraphicsBGItem.h"
#include "SxGraphicsItem.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

namespace {
void sendMouse(QGraphicsView *v, QEvent::Type t, QPointF scenePt, Qt::MouseButton b = Qt::NoButton,
               Qt::MouseButtons bs = Qt::NoButton)
{
    const QPoint p = v->mapFromScene(scenePt);
    QMouseEvent e(t, p, v->viewport()->mapToGlobal(p), b, bs, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &e);
}

// Hover at `grab`, press, move by `delta` in `steps` steps, release.
void drag(QGraphicsView *v, QPointF grab, QPointF delta, int steps = 4)
{
    sendMouse(v, QEvent::MouseMove, grab);
    sendMouse(v, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i)
        sendMouse(v, QEvent::MouseMove, grab + delta * i / steps, Qt::NoButton, Qt::LeftButton);
    sendMouse(v, QEvent::MouseButtonRelease, grab + delta, Qt::LeftButton, Qt::NoButton);
}
} // namespace

class TestCanvasItems : public QObject
{
    Q_OBJECT
private:
    QGraphicsScene *scene = nullptr;
    QGraphicsView *view = nullptr;
    const QRect panel{0, 0, 1920, 1080};

    SxGraphicsItem *addWindow(const QRect &r)
    {
        auto item = new SxGraphicsItem(QRect(0, 0, r.width(), r.height()), panel);
        item->moveBy(r.x(), r.y());
        scene->addItem(item);
        item->setSelected(true);
        return item;
    }

private slots:
    void init()
    {
        scene = new QGraphicsScene(panel);
        view = new QGraphicsView(scene);
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->resize(2000, 1200);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    void cleanup()
    {
        delete view;
        delete scene;
    }

    void setWindowRectClampsToMinimumAndPanel()
    {
        auto item = addWindow(QRect(0, 0, 200, 200));
        item->setWindowRect(QRect(100, 50, 30, 30));
        QCOMPARE(item->windowRect(), QRect(100, 50, 64, 64));
        item->setWindowRect(QRect(1900, 1000, 100, 100));
        QCOMPARE(item->windowRect(), QRect(1820, 980, 100, 100));
        item->setWindowRect(QRect(-30, -10, 100, 100));
        QCOMPARE(item->windowRect(), QRect(0, 0, 70, 90));
    }

    void minimumSizeHoldsInEveryDimension_data()
    {
        QTest::addColumn<QPointF>("grab");
        QTest::addColumn<QPointF>("delta");
        QTest::newRow("right edge inwards") << QPointF(162, 130) << QPointF(-1, 0);
        QTest::newRow("bottom edge inwards") << QPointF(130, 162) << QPointF(0, -1);
        QTest::newRow("left edge inwards") << QPointF(101, 130) << QPointF(1, 0);
        QTest::newRow("top edge inwards") << QPointF(130, 101) << QPointF(0, 1);
    }
    void minimumSizeHoldsInEveryDimension()
    {
        QFETCH(QPointF, grab);
        QFETCH(QPointF, delta);
        auto item = addWindow(QRect(100, 100, 64, 64));
        QSignalSpy spy(item, &SxGraphicsItem::emitItemPosChanged);
        drag(view, grab, delta, 1);
        QCOMPARE(item->windowRect(), QRect(100, 100, 64, 64));
        QCOMPARE(spy.count(), 0);
    }

    void resizeByEdgesAndCorners()
    {
        auto item = addWindow(QRect(100, 100, 300, 200));
        QSignalSpy spy(item, &SxGraphicsItem::emitItemPosChanged);
        drag(view, QPointF(398, 250), QPointF(50, 0), 2); // right edge
        QCOMPARE(item->windowRect(), QRect(100, 100, 350, 200));
        QVERIFY(spy.count() >= 2);
        QCOMPARE(spy.last().at(1).toRect(), QRect(100, 100, 350, 200));
        drag(view, QPointF(101, 101), QPointF(-20, -30), 2); // top-left corner
        QCOMPARE(item->windowRect(), QRect(80, 70, 370, 230));
        drag(view, QPointF(81, 71), QPointF(-500, 0), 1); // left edge stops at the panel
        QCOMPARE(item->windowRect().left(), 0);
        QCOMPARE(item->windowRect().right(), 80 + 370 - 1);
        QVERIFY(!item->isResizing());
        QVERIFY(!item->isMoving());
    }

    void dragStopsFlushWithPanelEdge()
    {
        auto item = addWindow(QRect(1500, 200, 300, 200));
        QSignalSpy spy(item, &SxGraphicsItem::emitItemPosChanged);
        drag(view, QPointF(1650, 300), QPointF(1000, 0));
        QCOMPARE(item->windowRect(), QRect(1620, 200, 300, 200));
        QCOMPARE(item->windowRect().x() + item->windowRect().width(), panel.x() + panel.width());
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.last().at(2).toRect(), panel);
    }

    void lockedWindowSelectsButNeitherMovesNorResizes()
    {
        auto item = addWindow(QRect(100, 100, 300, 200));
        item->setSelected(false);
        item->setLocked(true);
        sendMouse(view, QEvent::MouseButtonPress, QPointF(250, 200), Qt::LeftButton, Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, QPointF(250, 200), Qt::LeftButton);
        QVERIFY(item->isSelected());
        drag(view, QPointF(250, 200), QPointF(100, 100));
        drag(view, QPointF(398, 200), QPointF(100, 0));
        QCOMPARE(item->windowRect(), QRect(100, 100, 300, 200));
        QVERIFY(!item->isResizing());
        QVERIFY(!item->hasCursor() || item->cursor().shape() == Qt::ArrowCursor);
    }

    void hitZonesAndCursors_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("cursor");
        QTest::newRow("top-left") << QPoint(102, 103) << 8 << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-right") << QPoint(398, 298) << 4 << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-left") << QPoint(100, 299) << 6 << int(Qt::SizeBDiagCursor);
        QTest::newRow("top-right") << QPoint(400, 100) << 2 << int(Qt::SizeBDiagCursor);
        QTest::newRow("left") << QPoint(104, 200) << 7 << int(Qt::SizeHorCursor);
        QTest::newRow("right") << QPoint(396, 200) << 3 << int(Qt::SizeHorCursor);
        QTest::newRow("top") << QPoint(250, 105) << 1 << int(Qt::SizeVerCursor);
        QTest::newRow("bottom") << QPoint(250, 295) << 5 << int(Qt::SizeVerCursor);
        QTest::newRow("inside") << QPoint(250, 200) << 0 << int(Qt::ArrowCursor);
    }
    void hitZonesAndCursors()
    {
        QFETCH(QPoint, point);
        QFETCH(int, zone);
        QFETCH(int, cursor);
        QCOMPARE(SxGraphicsItem::hitZone(point, QRect(100, 100, 300, 200), 5), zone);
        QCOMPARE(int(SxGraphicsItem::cursorFor(zone)), cursor);
        auto item = addWindow(QRect(100, 100, 300, 200));
        sendMouse(view, QEvent::MouseMove, QPointF(50, 50));
        sendMouse(view, QEvent::MouseMove, point);
        QCOMPARE(item->resizeEdge(), zone);
        QCOMPARE(item->isResizing(), zone != 0);
        QCOMPARE(int(item->cursor().shape()), cursor);
    }

    void panelOutputsAndBounds()
    {
        SxGraphicsBGItem bg(QRect(1920, 0, 1920, 1080));
        bg.setPanelId(3);
        QCOMPARE(bg.zValue(), -3.0);
        bg.setAreaText(QStringLiteral("Area: %1"));
        QCOMPARE(bg.areaText(), QStringLiteral("Area: 4"));
        bg.addOutput(3);
        bg.addOutput(1);
        bg.addOutput(3);
        QCOMPARE(bg.outputListText(), QStringLiteral("2,4"));
        bg.removeOutput(3);
        QCOMPARE(bg.outputListText(), QStringLiteral("2"));
        bg.setBoundsFrom(QRectF(0, 0, 3840, 2160));
        QCOMPARE(bg.boundingRect(), QRectF(1920, 0, 1920, 2160));
    }

    void rubberBandAddsWindowsAboveSixtyFour()
    {
        auto bg = new SxGraphicsBGItem(panel);
        scene->addItem(bg);
        QSignalSpy spy(bg, &SxGraphicsBGItem::emitAddWindow);
        auto band = [this](QPointF a, QPointF b) {
            sendMouse(view, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
            sendMouse(view, QEvent::MouseMove, (a + b) / 2, Qt::NoButton, Qt::LeftButton);
            sendMouse(view, QEvent::MouseButtonRelease, b, Qt::LeftButton);
        };
        band(QPointF(100, 100), QPointF(164, 164)); // 65 x 65
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toRect(), QRect(100, 100, 65, 65));
        band(QPointF(100, 100), QPointF(163, 164)); // 64 x 65
        band(QPointF(500, 500), QPointF(300, 300)); // dragged up and left
        QCOMPARE(spy.count(), 1);
        QVERIFY(!bg->isDragging());
    }
};

QTEST_MAIN(TestCanvasItems)
#include "tst_ui_canvas_items.moc"
