// The canvas view and its tabs: panel layouts, fit scale, which panel holds a window, window records, nudges,
// the move throttle, locking, adding, numbering and removing windows, presets, one tab per device.
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
#include "SxTabWidget.h"

#include <QAction>
#include <QGraphicsRectItem>
#include <QTabBar>
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

QList<INFO_PANEL> panels(const QList<QRect> &list)
{
    QList<INFO_PANEL> out;
    for (const QRect &r : list)
        out << panel(out.size(), r.x(), r.y(), r.width(), r.height());
    return out;
}

const QList<INFO_PANEL> twoPanels = panels(rects("0 0 1920 1080, 1920 0 1920 1080"));
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

    // A KS view of type 0 with one panel and the windows given.
    void ksView(SxGraphicsViewKS &v, const QRect &p, const QList<INFO_WINDOW> &windows)
    {
        v.setCpuid(ks.cpuid);
        v.setPanels(panels({p}), false);
        v.setWindows(windows);
    }
    void gwView(SxGraphicsViewGW &v)
    {
        v.setCpuid(gw.cpuid);
        v.setDeviceType(48);
        for (const INFO_PANEL &p : twoPanels)
            v.addPanel(p);
    }

private slots:
    void initTestCase()
    {
        ks.cpuid = QStringLiteral("KS1"), gw.cpuid = QStringLiteral("GW1");
        gwIface = new GW5Interface(gw.cpuid, this);
        SxGraphicsView::setDeviceLookup(
            [this](const QString &id) -> INFO_BASIC * { return id == ks.cpuid ? &ks : nullptr; },
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
    }

    // The wall fits 800 x 500; the wall is the union of its panels wherever they start.
    void fitScale_data()
    {
        columns<QList<QRect>, QRect, double>("list", "wall", "scale");
        const auto r = [](const char *n, const char *p, QRect w, double s) { QTest::newRow(n) << rects(p) << w << s; };
        r("8:5", "0 0 1600 1000", QRect(0, 0, 1600, 1000), 0.5);
        r("one wider", "0 0 1601 1000", QRect(0, 0, 1601, 1000), 800.0 / 1601);
        r("one taller", "0 0 1600 1001", QRect(0, 0, 1600, 1001), 500.0 / 1001);
        r("wide wall", "0 0 1920 1080, 1920 0 1920 1080", QRect(0, 0, 3840, 1080), 800.0 / 3840);
        r("tall wall", "0 0 1920 1080, 0 1080 1920 1080", QRect(0, 0, 1920, 2160), 500.0 / 2160);
        r("panel off the origin", "1920 1080 1600 1000", QRect(1920, 1080, 1600, 1000), 0.5);
    }
    void fitScale()
    {
        const auto [list, wall, scale] = fetch<QList<QRect>, QRect, double>("list", "wall", "scale");
        SxGraphicsViewKS v;
        v.setPanels(panels(list), false);
        QCOMPARE(v.rectFull(), wall);
        QCOMPARE(v.getPanelRects(), list);
        QCOMPARE(plainPanels(v.scene()), list.size());
        QCOMPARE(v.getViewScale(), scale);
        QCOMPARE(v.transform().m11(), scale);
        QCOMPARE(v.transform().m22(), scale);
        SxGraphicsViewGW g; // panels one by one
        for (const INFO_PANEL &p : panels(list))
            g.addPanel(p);
        QCOMPARE(g.rectFull(), wall);
        QCOMPARE(g.getViewScale(), scale);
    }

    void panelLayoutRules()
    {
        SxGraphicsViewKS v;
        v.setPanels(panels(rects("0 0 1920 1080, 1920 0 0 1080")), false); // a panel without width
        QCOMPARE(plainPanels(v.scene()), 0);
        v.setDeviceType(16); // KX: one panel reported, two halves; the second starts at w/2
        v.setPanels(panels({QRect(0, 0, 3840, 1080)}), true);
        QCOMPARE(v.getPanelRects(), rects("0 0 1920 1080, 1920 0 1920 1080"));
    }
    // A window belongs to the last panel that holds it whole, else (and when flagged) to the wall. KX output
    // mode 0 cuts a new window's panel: value3 (a) from the left of the first panel, value6 (b) from the last
    // panel's width on.
    void windowPanel_data()
    {
        columns<QList<int>, QRect, QRect>("setting", "window", "panel"); // type, mode, a, b, flag
        const auto r = [](const char *n, QList<int> s, QRect w, QRect p) { QTest::newRow(n) << s << w << p; };
        const QList<int> plain{0, 0, 0, 0, 0};
        const QRect p0(0, 0, 1920, 1080), p1(1920, 0, 1920, 1080), wall(0, 0, 3840, 1080);
        r("in the first", plain, QRect(100, 100, 300, 200), p0);
        r("on the first's right edge", plain, QRect(1620, 100, 300, 200), p0);
        r("one over it", plain, QRect(1621, 100, 300, 200), wall);
        r("in the second", plain, QRect(1920, 100, 300, 200), p1);
        r("flagged full", {0, 0, 0, 0, 1}, QRect(100, 100, 300, 200), wall);
        r("b cuts the last panel", {16, 0, 0, 1280, 0}, QRect(2000, 0, 640, 480), QRect(1920, 0, 1280, 1080));
        r("b misses the first panel", {16, 0, 0, 1280, 0}, QRect(100, 0, 640, 480), p0);
        r("a cuts the first panel", {16, 0, 512, 0, 0}, QRect(100, 0, 640, 480), QRect(512, 0, 1408, 1080));
        r("a misses the last panel", {16, 0, 512, 0, 0}, QRect(2000, 0, 640, 480), p1);
        r("mode 1", {16, 1, 512, 0, 0}, QRect(100, 0, 640, 480), p0);
        r("not KX", {3, 0, 512, 0, 0}, QRect(100, 0, 640, 480), p0);
    }
    void windowPanel()
    {
        const auto [setting, window, panel] = fetch<QList<int>, QRect, QRect>("setting", "window", "panel");
        ks.type = setting[0];
        ks.outputMode.mode = uint8_t(setting[1]), ks.outputMode.value3 = uint16_t(setting[2]);
        ks.outputMode.value6 = uint16_t(setting[3]);
        SxGraphicsViewKS v;
        v.setCpuid(ks.cpuid);
        v.setDeviceType(ks.type);
        v.setPanels(twoPanels, false);
        INFO_WINDOW w = CanvasUi::window(0, window);
        w.flag1 = setting[4];
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
        s.srcId = 33, s.width = 1920, s.height = 1080, s.rate = 60;
        w->setInput(33);
        v.updateInputSignals({s});
        QCOMPARE(w->inputText(), QStringLiteral("input: [HDMI2][1920x1080  60Hz]"));
        QCOMPARE(v.windowItem(2)->inputText(), QStringLiteral("input: [VGA1][unkown]"));
    }

    // One pixel per arrow key, only while the window stays inside its panel (100, 50, 1000 x 600).
    void arrowKeyNudges_data()
    {
        columns<int, QPoint, QPoint>("key", "from", "to"); // to (0, 0): refused
        QTest::newRow("left inside") << int(Qt::Key_Left) << QPoint(101, 200) << QPoint(100, 200);
        QTest::newRow("left on the edge") << int(Qt::Key_Left) << QPoint(100, 200) << QPoint();
        QTest::newRow("right inside") << int(Qt::Key_Right) << QPoint(799, 200) << QPoint(800, 200);
        QTest::newRow("right on the edge") << int(Qt::Key_Right) << QPoint(800, 200) << QPoint();
        QTest::newRow("up inside") << int(Qt::Key_Up) << QPoint(300, 51) << QPoint(300, 50);
        QTest::newRow("up on the edge") << int(Qt::Key_Up) << QPoint(300, 50) << QPoint();
        QTest::newRow("down inside") << int(Qt::Key_Down) << QPoint(300, 449) << QPoint(300, 450);
        QTest::newRow("down on the edge") << int(Qt::Key_Down) << QPoint(300, 450) << QPoint();
        QTest::newRow("other key") << int(Qt::Key_A) << QPoint(300, 200) << QPoint();
        QTest::newRow("delete: KS keeps it") << int(Qt::Key_Delete) << QPoint(300, 200) << QPoint();
    }
    void arrowKeyNudges()
    {
        const auto [key, from, to] = fetch<int, QPoint, QPoint>("key", "from", "to");
        SxGraphicsViewKS v;
        ksView(v, QRect(100, 50, 1000, 600), {window(2, QRect(from, QSize(300, 200)))});
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        CanvasUi::key(&v, key, true); // auto-repeat: ignored
        QCOMPARE(spy.count(), 0);
        CanvasUi::key(&v, key);
        QCOMPARE(v.windowItemList().size(), 1);
        const bool moved = !to.isNull();
        QCOMPARE(geometryFrames(spy), moved ? QStringList(geometryText(2, QRect(to, QSize(300, 200)))) : QStringList());
        QCOMPARE(frames(spy, 0xE2), moved ? QList<QByteArray>{CommandFrame(0xE2, 0x00).pack()} : QList<QByteArray>());
        QCOMPARE(spy.count(), moved ? 2 : 0);
        QCOMPARE(pos.count(), moved ? 1 : 0);
        if (moved)
            QCOMPARE(pos.last().at(1).toRect(), QRect(to, QSize(300, 200)));
    }

    void dragIsThrottledToTheTimer()
    {
        SxGraphicsViewKS v;
        ksView(v, QRect(0, 0, 1920, 1080), {window(0, QRect(0, 0, 640, 480))});
        QVERIFY(showView(&v));
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        QTimer *timer = v.findChild<QTimer *>();
        QVERIFY(timer);
        QPointF p(320, 240);
        click(&v, p);
        QCOMPARE(spy.count(), 0);
        mouse(&v, QEvent::MouseMove, p);
        mouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        // 2 s of dragging: the timer fires four times, moves in between start it again.
        for (int tick = 0; tick < 4; ++tick) {
            for (int i = 0; i < 5; ++i)
                mouse(&v, QEvent::MouseMove, p += QPointF(12, 6), Qt::NoButton, Qt::LeftButton);
            QVERIFY(timer->isActive());
            QMetaObject::invokeMethod(&v, "onTimeoutWindowMove");
            QVERIFY(!timer->isActive());
        }
        mouse(&v, QEvent::MouseMove, p += QPointF(12, 6), Qt::NoButton, Qt::LeftButton);
        mouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        const QStringList geo = geometryFrames(spy);
        QCOMPARE(spy.count(), 5);
        QCOMPARE(geo.size(), 5);
        const QRect end = v.windowItem(0)->windowRect();
        QVERIFY(end.x() > 0);
        QCOMPARE(geo.last(), geometryText(0, end));
        QVERIFY(u16(frames(spy, 0x03).first(), 7) < end.x());
        // A release without a pending move sends nothing.
        click(&v, p);
        QCOMPARE(spy.count(), 5);
    }

    void lockedViewIgnoresWheelKeysAndDrags()
    {
        SxGraphicsViewKS v;
        ksView(v, QRect(0, 0, 1920, 1080), {window(0, QRect(0, 0, 640, 480)), window(1, QRect(1000, 500, 640, 480))});
        QVERIFY(showView(&v));
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
        click(&v, p);
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
        columns<QRect, QRect>("in", "out");
        const auto r = [](const char *n, const char *io) { QTest::newRow(n) << rects(io)[0] << rects(io)[1]; };
        r("right edge inside", "3539 100 300 200, 3539 100 300 200");
        r("right edge on the wall's", "3540 100 300 200, 3540 100 300 200");
        r("right edge beyond", "3541 100 300 200, 3541 100 299 200");
        r("bottom edge inside", "100 879 300 200, 100 879 300 200");
        r("bottom edge on the wall's", "100 880 300 200, 100 880 300 200");
        r("bottom edge beyond", "100 881 300 200, 100 881 300 199");
        r("both beyond", "3700 1000 300 200, 3700 1000 140 80");
        r("clipped below 64 px: moved back", "3800 100 300 200, 3776 100 64 200");
    }
    void gwAddWindowClipsToTheWall()
    {
        const auto [in, out] = fetch<QRect, QRect>("in", "out");
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

    void gwWindowsAndPanels()
    {
        SxGraphicsViewGW v;
        gwView(v);
        QCOMPARE(v.panelItemList().at(1)->areaText(), QStringLiteral("Area: 2"));
        v.setOutputCards(1);
        for (int i = 0; i < 5; ++i)
            v.addWindow(QRect(100 * i, 100, 300, 200));
        QCOMPARE(v.windowItemList().size(), 4);
        QCOMPARE(prompts, QStringList{QStringLiteral(
                              "The window number has reached the maximum, please delete a window first.")});
        v.setOutputCards(2);
        QSignalSpy removed(&v, &SxGraphicsView::emitRemoveWindow);
        v.removeWindow(2);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(v.windowItem(3)->layer(), 2); // the layers above move down
        QCOMPARE(v.windowItem(3)->zValue(), 2.0);
        QCOMPARE(v.windowItem(1)->layer(), 1);
        v.addWindow(QRect(200, 300, 300, 200)); // the free number
        QCOMPARE(v.windowItem(2)->windowRect(), QRect(200, 300, 300, 200));
        QCOMPARE(v.windowItem(2)->nameLabel(), QStringLiteral("window 3"));
        QCOMPARE(v.currentWindowId(), 2);
        key(&v, Qt::Key_Delete); // removes the current window
        QCOMPARE(removed.last().at(0).toInt(), 2);
        QVERIFY(!v.windowItem(2));
        v.removeWindow(7); // unknown: announced, nothing removed
        QCOMPARE(v.windowItemList().size(), 3);
        v.removeAllWindow();
        QCOMPARE(removed.count(), 6);
        QVERIFY(v.windowItemList().isEmpty());
        QCOMPARE(v.currentWindowId(), -1);
        INFO_MAPPING m, m2; // panel outputs, the grid, and panel 0 starting afresh
        m.port = 3, m.area = 1, m2.port = 1, m2.area = 1;
        v.setOutputMappings({m, m2, m});
        QCOMPARE(v.panelItemList().at(1)->outputListText(), QStringLiteral("2,4"));
        v.moveOutput(3, 1, 0);
        QCOMPARE(v.panelItemList().at(0)->outputListText(), QStringLiteral("4"));
        QCOMPARE(v.panelItemList().at(1)->outputListText(), QStringLiteral("2"));
        v.setPanelGrid(1, 2);
        QCOMPARE(v.panelItemList().at(0)->boundingRect(), QRectF(0, 0, 3840, 1080));
        QCOMPARE(v.panelItemList().at(1)->boundingRect(), QRectF(1920, 0, 1920, 1080));
        v.addPanel(panel(0, 0, 0, 1280, 720));
        QCOMPARE(v.panelItemList().size(), 1);
        QCOMPARE(v.rectFull(), QRect(0, 0, 1280, 720));
    }

    void savePresetAsksBeforeReplacing()
    {
        SxGraphicsViewKS v;
        v.setCpuid(ks.cpuid);
        ks.presets = {INFO_PRESET()};
        ks.presets[0].id = 2;
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        v.presetActionList().at(0)->trigger();
        QVERIFY(prompts.isEmpty());
        answer = false;
        v.presetActionList().at(2)->trigger();
        QCOMPARE(prompts, QStringList{QStringLiteral("Preset 3 has been saved. Replace it?")});
        QCOMPARE(frames(spy, 0x04), QList<QByteArray>{CommandFrame(0x04, 0x02).u8(6, 0).pack()});
        ks.presets.clear();
    }

    void tabsOnePerDevice()
    {
        SxTabWidget tabs;
        DEVICE_INFO_KS a;
        a.cpuid = QStringLiteral("AA01"), a.type = 3, a.name = QStringLiteral("hall");
        tabs.addDevice(&a);
        gw.type = 48, gw.online = 1;
        tabs.addDevice(&gw);
        tabs.addDevice(&gw); // reported again: stays
        QCOMPARE(tabs.count(), 2);
        QCOMPARE(tabs.tabText(0), QStringLiteral("hall"));
        QVERIFY(qobject_cast<SxGraphicsViewKS *>(tabs.viewFor(QStringLiteral("aa01"))));
        QVERIFY(qobject_cast<SxGraphicsViewGW *>(tabs.viewFor(gw.cpuid)));
        tabs.setCurrentIndex(1);
        QCOMPARE(tabs.currentCpuid(), gw.cpuid);
        QSignalSpy pos(&tabs, &SxTabWidget::emitItemPosChange);
        emit tabs.viewFor(QStringLiteral("AA01"))->emitItemPosChange(4, QRect(1, 2, 3, 4), QRect());
        QCOMPARE(pos.count(), 0); // only the current tab's selection is relayed
        tabs.setCurrentIndex(0);
        QCOMPARE(tabs.currentCpuid(), QStringLiteral("AA01"));
    }
};
QTEST_MAIN(TestCanvasView)
#include "tst_ui_canvas_view.moc"
