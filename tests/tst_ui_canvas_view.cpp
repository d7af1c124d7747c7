// The canvas view: the default scene, panel layouts and the fit-to-view scale, which panel holds a
// window, window records, nudges at each panel edge, the move throttle, locking, adding (clipped
// to the wall), numbering and removing windows, presets. KS frames are read from emitWriteData,
// GW frames from the device interface.
#include "CanvasUi.h"
#include "CommandFrame.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "GW5Interface.h"
#include "SxCanvasPrompt.h"
#include "SxGraphicsBGItem.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"

#include <QAction>
#include <QGraphicsRectItem>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QRect>)
using namespace CanvasUi;

namespace {
int plainPanels(QGraphicsScene *s)
{
    int n = 0;
    for (QGraphicsItem *i : s->items())
        n += i->type() == QGraphicsRectItem::Type;
    return n;
}

QList<INFO_PANEL> panels(const QList<QRect> &rects)
{
    QList<INFO_PANEL> out;
    for (const QRect &r : rects)
        out << panel(out.size(), r.x(), r.y(), r.width(), r.height());
    return out;
}

QByteArray geometry(int id, const QRect &r)
{
    return CommandFrame(0x03, 0x00).u8(6, id).u16(7, r.x()).u16(9, r.y()).u16(11, r.width()).u16(13, r.height()).pack();
}
} // namespace

class TestCanvasView : public QObject
{
    Q_OBJECT
private:
    DEVICE_INFO_KS ks;
    DEVICE_INFO_GW gw;
    GW5Interface *gwIface = nullptr;
    QStringList prompts;
    bool answer = true;

    void showView(QGraphicsView *v)
    {
        v->resize(900, 600);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v));
    }
    // A KS view of type 0 with one panel and the windows given.
    void ksView(SxGraphicsViewKS &v, const QRect &p, const QList<INFO_WINDOW> &windows)
    {
        v.setCpuid(ks.cpuid);
        v.setDeviceType(0);
        v.setPanels({panel(0, p.x(), p.y(), p.width(), p.height())}, false);
        v.setWindows(windows);
    }
    void gwView(SxGraphicsViewGW &v)
    {
        v.setCpuid(gw.cpuid);
        v.setDeviceType(48);
        v.addPanel(panel(0, 0, 0, 1920, 1080));
        v.addPanel(panel(1, 1920, 0, 1920, 1080));
    }

private slots:
    void initTestCase()
    {
        ks.cpuid = QStringLiteral("KS1");
        gw.cpuid = QStringLiteral("GW1");
        gw.type = 48;
        gwIface = new GW5Interface(QStringLiteral("GW1"), this);
        SxGraphicsView::setDeviceLookup(
            [this](const QString &id) -> INFO_BASIC * {
                return id == ks.cpuid ? static_cast<INFO_BASIC *>(&ks) : id == gw.cpuid ? &gw : nullptr;
            },
            [this](const QString &id) -> Interface * { return id == gw.cpuid ? gwIface : nullptr; });
        SxCanvasPrompt::setHook([this](SxCanvasPrompt::Kind, const QString &text) {
            prompts << text;
            return answer;
        });
    }
    void init()
    {
        prompts.clear();
        answer = true;
        ks.type = 0;
        ks.outputMode = INFO_PANEL_OTHERSETTING();
        ks.presets.clear();
    }

    void defaultScene()
    {
        SxGraphicsViewKS v;
        QCOMPARE(v.getPanelRects(), QList<QRect>{QRect(0, 0, 1920, 1080)});
        QCOMPARE(v.getViewScale(), 800.0 / 1920);
        QCOMPARE(v.windowItemList().size(), 1);
        SxGraphicsItem *w = v.windowItem(0);
        QCOMPARE(w->windowRect(), QRect(0, 0, 960, 540));
        QCOMPARE(w->nameLabel(), QStringLiteral("window 1"));
        QCOMPARE(w->inputText(), QStringLiteral("input: [VGA1][unkown]"));
        QCOMPARE(plainPanels(v.scene()), 1);
    }

    // The wall fits 800 x 500: the scale follows the width of a wide wall and the height of a tall
    // one; the wall is the union of its panels wherever they start.
    void fitScale_data()
    {
        QTest::addColumn<QList<QRect>>("rects");
        QTest::addColumn<QRect>("wall");
        QTest::addColumn<double>("scale");
        const auto r = [](const char *n, QList<QRect> p, QRect w, double s) { QTest::newRow(n) << p << w << s; };
        r("8:5", {QRect(0, 0, 1600, 1000)}, QRect(0, 0, 1600, 1000), 0.5);
        r("one wider", {QRect(0, 0, 1601, 1000)}, QRect(0, 0, 1601, 1000), 800.0 / 1601);
        r("one taller", {QRect(0, 0, 1600, 1001)}, QRect(0, 0, 1600, 1001), 500.0 / 1001);
        r("wide wall", {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)}, QRect(0, 0, 3840, 1080), 800.0 / 3840);
        r("tall wall", {QRect(0, 0, 1920, 1080), QRect(0, 1080, 1920, 1080)}, QRect(0, 0, 1920, 2160), 500.0 / 2160);
        r("panel off the origin", {QRect(1920, 1080, 1600, 1000)}, QRect(1920, 1080, 1600, 1000), 0.5);
    }
    void fitScale()
    {
        QFETCH(QList<QRect>, rects);
        QFETCH(QRect, wall);
        QFETCH(double, scale);
        SxGraphicsViewKS v;
        v.setPanels(panels(rects), false);
        QCOMPARE(v.rectFull(), wall);
        QCOMPARE(v.getPanelRects(), rects);
        QCOMPARE(plainPanels(v.scene()), rects.size());
        QCOMPARE(v.getViewScale(), scale);
        QCOMPARE(v.transform().m11(), scale);
        QCOMPARE(v.transform().m22(), scale);
        SxGraphicsViewGW g; // panels one by one
        g.setDeviceType(48);
        for (const INFO_PANEL &p : panels(rects))
            g.addPanel(p);
        QCOMPARE(g.rectFull(), wall);
        QCOMPARE(g.getViewScale(), scale);
    }

    void panelLayoutRules()
    {
        SxGraphicsViewKS v;
        v.setPanels({panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 0, 1080)}, false); // a panel without width
        QCOMPARE(plainPanels(v.scene()), 0);
        QCOMPARE(v.windowItemList().size(), 0);
        v.setDeviceType(16); // KX: one panel reported, two halves; the second starts at w/2
        v.setPanels({panel(0, 0, 0, 3840, 1080)}, true);
        QCOMPARE(v.getPanelRects(), (QList<QRect>{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)}));
        QCOMPARE(plainPanels(v.scene()), 2);
        v.setPanels(panels({QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)}), true);
        QVERIFY(v.scene()->items().isEmpty());
        v.setDeviceType(3);
        v.setPanels({panel(0, 0, 0, 3840, 1080)}, true);
        QVERIFY(v.scene()->items().isEmpty());
        v.setPanels(panels({QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)}), false);
        v.setTemplateId(9); // type 3, template 9: the second panel goes
        QCOMPARE(plainPanels(v.scene()), 1);
    }

    // A window belongs to the last panel that holds it whole, else (and when flagged) to the wall.
    void windowPanel_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<QRect>("panel");
        const QRect p0(0, 0, 1920, 1080), p1(1920, 0, 1920, 1080), wall(0, 0, 3840, 1080);
        QTest::newRow("in the first") << QRect(100, 100, 300, 200) << false << p0;
        QTest::newRow("on the first's right edge") << QRect(1620, 100, 300, 200) << false << p0;
        QTest::newRow("one over it") << QRect(1621, 100, 300, 200) << false << wall;
        QTest::newRow("in the second") << QRect(1920, 100, 300, 200) << false << p1;
        QTest::newRow("flagged full") << QRect(100, 100, 300, 200) << true << wall;
    }
    void windowPanel()
    {
        QFETCH(QRect, window);
        QFETCH(bool, flag);
        QFETCH(QRect, panel);
        SxGraphicsViewKS v;
        v.setPanels(panels({QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)}), false);
        INFO_WINDOW w = CanvasUi::window(0, window);
        w.flag1 = flag;
        v.setWindows({w});
        QCOMPARE(v.windowItem(0)->panelRect(), panel);
        QCOMPARE(v.windowItem(0)->windowRect(), window);
    }

    void windowsCreatedAndUpdated()
    {
        SxGraphicsViewKS v;
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        ksView(v, QRect(0, 0, 1920, 1080),
               {window(1, QRect(100, 100, 640, 480), 1, 33), window(0, QRect(0, 0, 0, 480)),
                window(2, QRect(10, 20, 300, 200))});
        QCOMPARE(v.windowItemList().size(), 2); // no width: skipped
        QCOMPARE(v.currentWindowId(), 1);
        QCOMPARE(pos.count(), 1);
        QCOMPARE(pos.at(0).at(1).toRect(), QRect(100, 100, 640, 480));
        SxGraphicsItem *w = v.windowItem(1);
        QCOMPARE(w->nameLabel(), QStringLiteral("window 2"));
        QCOMPARE(w->input(), 33);
        QCOMPARE(w->zValue(), 1.0);
        QCOMPARE(v.windowItem(2)->zValue(), 2.0);
        v.setWindows({window(1, QRect(200, 300, 800, 600))});
        QCOMPARE(v.windowItemList().size(), 2);
        QCOMPARE(w->windowRect(), QRect(200, 300, 800, 600));
        INFO_INPUTSINGLE s;
        s.srcId = 33;
        s.width = 1920;
        s.height = 1080;
        s.rate = 60;
        w->setInput(33);
        v.updateInputSignals({s});
        QCOMPARE(w->inputText(), QStringLiteral("input: [HDMI2][1920x1080  60Hz]"));
        QCOMPARE(v.windowItem(2)->inputText(), QStringLiteral("input: [VGA1][unkown]"));
    }

    // KX output mode 0 cuts a new window's panel: value3 (a) from the left of the first panel,
    // value6 (b) from the last panel's width on.
    void kxOutputModeCutsPanel_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("x");
        QTest::addColumn<QRect>("panel");
        const QRect p0(0, 0, 1920, 1080), p1(1920, 0, 1920, 1080);
        QTest::newRow("b cuts the last panel") << 16 << 0 << 0 << 1280 << 2000 << QRect(1920, 0, 1280, 1080);
        QTest::newRow("other b") << 16 << 0 << 0 << 640 << 2000 << QRect(1920, 0, 640, 1080);
        QTest::newRow("b misses the first panel") << 16 << 0 << 0 << 1280 << 100 << p0;
        QTest::newRow("a cuts the first panel") << 16 << 0 << 512 << 0 << 100 << QRect(512, 0, 1408, 1080);
        QTest::newRow("other a") << 16 << 0 << 256 << 0 << 600 << QRect(256, 0, 1664, 1080);
        QTest::newRow("a misses the last panel") << 16 << 0 << 512 << 0 << 2000 << p1;
        QTest::newRow("mode 1") << 16 << 1 << 512 << 0 << 100 << p0;
        QTest::newRow("not KX") << 3 << 0 << 512 << 0 << 100 << p0;
    }
    void kxOutputModeCutsPanel()
    {
        QFETCH(int, type);
        QFETCH(int, mode);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, x);
        QFETCH(QRect, panel);
        ks.type = type;
        ks.outputMode.mode = uint8_t(mode);
        ks.outputMode.value3 = uint16_t(a);
        ks.outputMode.value6 = uint16_t(b);
        SxGraphicsViewKS v;
        v.setCpuid(ks.cpuid);
        v.setDeviceType(type);
        v.setPanels(panels({QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)}), false);
        v.setWindows({window(0, QRect(x, 0, 640, 480))});
        QCOMPARE(v.windowItem(0)->panelRect(), panel);
    }

    // One pixel per arrow key, only while the window stays inside its panel (100, 50, 1000 x 600).
    void arrowKeyNudges_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to"); // (-1, -1): refused
        const QPoint no(-1, -1);
        QTest::newRow("left inside") << int(Qt::Key_Left) << QPoint(101, 200) << QPoint(100, 200);
        QTest::newRow("left on the edge") << int(Qt::Key_Left) << QPoint(100, 200) << no;
        QTest::newRow("right inside") << int(Qt::Key_Right) << QPoint(799, 200) << QPoint(800, 200);
        QTest::newRow("right on the edge") << int(Qt::Key_Right) << QPoint(800, 200) << no;
        QTest::newRow("up inside") << int(Qt::Key_Up) << QPoint(300, 51) << QPoint(300, 50);
        QTest::newRow("up on the edge") << int(Qt::Key_Up) << QPoint(300, 50) << no;
        QTest::newRow("down inside") << int(Qt::Key_Down) << QPoint(300, 449) << QPoint(300, 450);
        QTest::newRow("down on the edge") << int(Qt::Key_Down) << QPoint(300, 450) << no;
        QTest::newRow("other key") << int(Qt::Key_A) << QPoint(300, 200) << no;
        QTest::newRow("delete: KS keeps it") << int(Qt::Key_Delete) << QPoint(300, 200) << no;
    }
    void arrowKeyNudges()
    {
        QFETCH(int, key);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        SxGraphicsViewKS v;
        ksView(v, QRect(100, 50, 1000, 600), {window(2, QRect(from, QSize(300, 200)))});
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        CanvasUi::key(&v, key, true); // auto-repeat: ignored
        QCOMPARE(spy.count(), 0);
        CanvasUi::key(&v, key);
        QCOMPARE(v.windowItemList().size(), 1);
        if (to == QPoint(-1, -1)) {
            QCOMPARE(spy.count(), 0);
            QCOMPARE(pos.count(), 0);
            return;
        }
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toByteArray(), geometry(2, QRect(to, QSize(300, 200))));
        QCOMPARE(spy.at(1).at(0).toByteArray(), CommandFrame(0xE2, 0x00).pack());
        QCOMPARE(pos.last().at(0).toInt(), 2);
        QCOMPARE(pos.last().at(1).toRect(), QRect(to, QSize(300, 200)));
    }

    void dragIsThrottledToTheTimer()
    {
        SxGraphicsViewKS v;
        ksView(v, QRect(0, 0, 1920, 1080), {window(0, QRect(0, 0, 640, 480))});
        showView(&v);
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        QTimer *timer = v.findChild<QTimer *>();
        QVERIFY(timer);
        QPointF p(320, 240);
        mouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        mouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        mouse(&v, QEvent::MouseMove, p);
        mouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        // 2 s of dragging: the timer fires four times, moves in between start it again.
        for (int tick = 0; tick < 4; ++tick) {
            for (int i = 0; i < 5; ++i) {
                p += QPointF(12, 6);
                mouse(&v, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
            }
            QVERIFY(timer->isActive());
            QMetaObject::invokeMethod(&v, "onTimeoutWindowMove");
            QVERIFY(!timer->isActive());
        }
        p += QPointF(12, 6);
        mouse(&v, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        mouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        const QStringList geo = geometryFrames(spy);
        QCOMPARE(spy.count(), 5);
        QCOMPARE(geo.size(), 5);
        const QRect end = v.windowItem(0)->windowRect();
        QVERIFY(end.x() > 0);
        QCOMPARE(geo.last(), geometryText(0, end));
        QVERIFY(u16(frames(spy, 0x03).first(), 7) < end.x());
        // A release without a pending move sends nothing.
        mouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        mouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        QCOMPARE(spy.count(), 5);
    }

    void lockedViewIgnoresWheelKeysAndDrags()
    {
        SxGraphicsViewKS v;
        ksView(v, QRect(0, 0, 1920, 1080), {window(0, QRect(0, 0, 640, 480)), window(1, QRect(1000, 500, 640, 480))});
        showView(&v);
        v.setLockWindow(true);
        QVERIFY(v.windowItem(1)->locked());
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        const QTransform before = v.transform();
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(v.viewport(), &wheel);
        QCOMPARE(v.transform(), before);
        key(&v, Qt::Key_Right);
        const QPointF p(1300, 700);
        mouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        mouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        QCOMPARE(v.currentWindowId(), 1);
        drag(&v, p, QPointF(100, 100), 1);
        QCOMPARE(v.windowItem(1)->windowRect(), QRect(1000, 500, 640, 480));
        QCOMPARE(spy.count(), 0);
        v.setLockWindow(false);
        QApplication::sendEvent(v.viewport(), &wheel);
        QCOMPARE(v.transform().m11(), before.m11() * 1.1);
    }

    // A new GW window is clipped to the wall (3840 x 1080) at its right and bottom, each on its own.
    void gwAddWindowClipsToTheWall_data()
    {
        QTest::addColumn<QRect>("in");
        QTest::addColumn<QRect>("out");
        const auto r = [](const char *n, QRect in, QRect out) { QTest::newRow(n) << in << out; };
        r("inside", QRect(100, 100, 300, 200), QRect(100, 100, 300, 200));
        r("right edge inside", QRect(3539, 100, 300, 200), QRect(3539, 100, 300, 200));
        r("right edge on the wall's", QRect(3540, 100, 300, 200), QRect(3540, 100, 300, 200));
        r("right edge beyond", QRect(3541, 100, 300, 200), QRect(3541, 100, 299, 200));
        r("bottom edge inside", QRect(100, 879, 300, 200), QRect(100, 879, 300, 200));
        r("bottom edge on the wall's", QRect(100, 880, 300, 200), QRect(100, 880, 300, 200));
        r("bottom edge beyond", QRect(100, 881, 300, 200), QRect(100, 881, 300, 199));
        r("both beyond", QRect(3700, 1000, 300, 200), QRect(3700, 1000, 140, 80));
    }
    void gwAddWindowClipsToTheWall()
    {
        QFETCH(QRect, in);
        QFETCH(QRect, out);
        SxGraphicsViewGW v;
        gwView(v);
        v.setOutputCards(1);
        QSignalSpy sent(gwIface, &Interface::emitSendData);
        v.addWindow(in);
        QCOMPARE(v.windowItem(0)->windowRect(), out);
        QCOMPARE(geometryFrames(sent), QStringList(geometryText(0, out)));
        QCOMPARE(frames(sent, 0xE2).size(), 1); // read back
        QCOMPARE(v.currentWindowId(), 0);
        QVERIFY(v.windowItem(0)->partFull());
    }

    void gwWindowLimitAndNumbering()
    {
        SxGraphicsViewGW v;
        gwView(v);
        QCOMPARE(v.panelItemList().at(1)->areaText(), QStringLiteral("Area: 2"));
        v.setOutputCards(1);
        for (int i = 0; i < 4; ++i)
            v.addWindow(QRect(100 * i, 100, 300, 200));
        QCOMPARE(v.windowItemList().size(), 4);
        QVERIFY(prompts.isEmpty());
        v.addWindow(QRect(500, 500, 300, 200));
        QCOMPARE(v.windowItemList().size(), 4);
        QCOMPARE(prompts, QStringList{QStringLiteral(
                              "The window number has reached the maximum, please delete a window first.")});
        v.setOutputCards(2);
        v.removeWindow(2);
        v.addWindow(QRect(200, 300, 300, 200)); // the free number
        QCOMPARE(v.windowItem(2)->windowRect(), QRect(200, 300, 300, 200));
        QCOMPARE(v.windowItem(2)->nameLabel(), QStringLiteral("window 3"));
        QCOMPARE(v.currentWindowId(), 2);
    }

    void gwPanelOutputsAndGrid()
    {
        SxGraphicsViewGW v;
        gwView(v);
        INFO_MAPPING m, m2;
        m.port = 3;
        m.area = 1;
        m2.port = 1;
        m2.area = 1;
        v.setOutputMappings({m, m2, m});
        QCOMPARE(v.panelItemList().at(1)->outputListText(), QStringLiteral("2,4"));
        v.moveOutput(3, 1, 0);
        QCOMPARE(v.panelItemList().at(0)->outputListText(), QStringLiteral("4"));
        QCOMPARE(v.panelItemList().at(1)->outputListText(), QStringLiteral("2"));
        v.setPanelGrid(1, 2);
        QCOMPARE(v.gridCols(), 2);
        QCOMPARE(v.panelItemList().at(0)->boundingRect(), QRectF(0, 0, 3840, 1080));
        QCOMPARE(v.panelItemList().at(1)->boundingRect(), QRectF(1920, 0, 1920, 1080));
        v.addPanel(panel(0, 0, 0, 1280, 720)); // panel 0 starts afresh
        QCOMPARE(v.panelItemList().size(), 1);
        QCOMPARE(v.rectFull(), QRect(0, 0, 1280, 720));
    }

    void removingRenumbersLayers()
    {
        SxGraphicsViewGW v;
        gwView(v);
        const QRect r(0, 0, 300, 300);
        v.setWindows({window(0, r, 1), window(1, r, 2), window(2, r, 3)});
        QSignalSpy removed(&v, &SxGraphicsView::emitRemoveWindow);
        v.removeWindow(1);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(v.windowItem(0)->layer(), 1);
        QCOMPARE(v.windowItem(2)->layer(), 2);
        QCOMPARE(v.windowItem(2)->zValue(), 2.0);
        v.removeWindow(7); // unknown: announced, nothing removed
        QCOMPARE(v.windowItemList().size(), 2);
        v.removeAllWindow();
        QCOMPARE(removed.count(), 4);
        QVERIFY(v.windowItemList().isEmpty());
        QCOMPARE(v.currentWindowId(), -1);
        // Delete removes the current window and lowers the layers above it.
        v.setWindows({window(0, r, 0), window(1, QRect(400, 0, 300, 300), 1)});
        QCOMPARE(v.currentWindowId(), 0);
        key(&v, Qt::Key_Delete);
        QCOMPARE(removed.last().at(0).toInt(), 0);
        QCOMPARE(v.windowItemList().size(), 1);
        QCOMPARE(v.windowItem(1)->layer(), 0);
    }

    void savePresetAsksBeforeReplacing()
    {
        SxGraphicsViewKS v;
        v.setCpuid(ks.cpuid);
        v.setDeviceType(0);
        INFO_PRESET p;
        p.id = 2;
        ks.presets = {p};
        v.refreshPresetMarks();
        QVERIFY(v.presetActionList().at(2)->isChecked());
        QVERIFY(!v.presetActionList().at(0)->isChecked());
        QSignalSpy saved(&v, &SxGraphicsView::emitSavePreset);
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        v.presetActionList().at(0)->trigger();
        QVERIFY(prompts.isEmpty());
        v.presetActionList().at(2)->trigger();
        QCOMPARE(prompts, QStringList{QStringLiteral("Preset 3 has been saved. Replace it?")});
        QCOMPARE(saved.count(), 2);
        QCOMPARE(spy.at(0).at(0).toByteArray(), CommandFrame(0x04, 0x02).u8(6, 0).pack());
        QCOMPARE(spy.at(1).at(0).toByteArray(), CommandFrame(0x04, 0x02).u8(6, 2).pack());
        answer = false;
        v.presetActionList().at(2)->trigger();
        QCOMPARE(saved.count(), 2);
        QCOMPARE(spy.count(), 2);
    }
};

QTEST_MAIN(TestCanvasView)
#include "tst_ui_canvas_view.moc"
