// Automatic arrangements of both families (every piece's exact rectangle), Fill at the panel boundaries, and
// the family context menus with their enabling rules.
#include "CanvasUi.h"
#include "CommandFrame.h"
#include "DEVICE_INFO_KS.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxArrange.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QRect>)
using namespace CanvasUi;
using Rects = QList<QRect>;

namespace {
const int W = 1920, H = 1080;

Rects grid(int rows, int cols)
{
    Rects out;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            out << QRect(c * W, r * H, W, H);
    return out;
}

void rightPress(QGraphicsView *v, QPointF scenePt)
{
    mouse(v, QEvent::MouseButtonPress, scenePt, Qt::RightButton, Qt::RightButton);
}

// Sends a context-menu event and reports whether a popup came up (closing it again).
bool menuShows(QGraphicsView *v)
{
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            shown = true;
            popup->close();
        }
    });
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), v->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(v->viewport(), &e);
    QCoreApplication::processEvents();
    return shown;
}
} // namespace

class TestCanvasArrange : public QObject
{
    Q_OBJECT
private slots:
    // GW ('g': rows and columns of the grid, panels of it listed, windows): windows share the grid's columns
    // (rows) as evenly as whole panels allow, the last taking the rest; with more windows than columns (rows)
    // each window takes what is left. KS ('k': type, template, panels): panels of different widths and
    // heights, so that each template's use of either shows. GW rectangles are written in panels.
    void arrangement_data()
    {
        columns<QChar, int, int, Rects, int, bool, Rects>("family", "a", "b", "panels", "windows", "hor", "expected");
        const auto g = [](const char *n, int rows, int cols, int panels, int windows, bool hor, const char *e) {
            QTest::newRow(n) << QChar('g') << rows << cols << grid(qMax(rows, 1), cols).mid(0, panels) << windows << hor
                             << rects(e, W, H);
        };
        g("2x4 one", 2, 4, 8, 1, true, "0 0 4 2");
        g("2x4 halves", 2, 4, 8, 2, true, "0 0 2 2, 2 0 2 2");
        g("2x4 thirds", 2, 4, 8, 3, true, "0 0 1 2, 1 0 1 2, 2 0 2 2");
        g("2x4 quarters", 2, 4, 8, 4, true, "0 0 1 2, 1 0 1 2, 2 0 1 2, 3 0 1 2");
        g("1x4 halves", 1, 4, 4, 2, true, "0 0 2 1, 2 0 2 1");
        g("2x3 halves", 2, 3, 6, 2, true, "0 0 1 2, 1 0 2 2");
        g("2x4 six", 2, 4, 8, 6, true, "0 0 1 2, 1 0 1 2, 2 0 1 1, 3 0 1 1, 2 1 1 1, 3 1 1 1");
        g("2x4 eight", 2, 4, 8, 8, true, "0 0 1 1, 1 0 1 1, 2 0 1 1, 3 0 1 1, 0 1 1 1, 1 1 1 1, 2 1 1 1, 3 1 1 1");
        g("2x4 nine: one gets no panel", 2, 4, 8, 9, true, "");
        g("panel list shorter than the grid", 2, 4, 6, 3, true, "");
        g("panel list shorter, many windows", 2, 4, 5, 6, true, "");
        g("no windows", 2, 4, 8, 0, true, "");
        g("no rows", 0, 4, 8, 2, true, "");
        g("vertical 4x1 halves", 4, 1, 4, 2, false, "0 0 1 2, 0 2 1 2");
        g("vertical 4x1 thirds", 4, 1, 4, 3, false, "0 0 1 1, 0 1 1 1, 0 2 1 2");
        g("vertical 4x1 quarters", 4, 1, 4, 4, false, "0 0 1 1, 0 1 1 1, 0 2 1 1, 0 3 1 1");
        g("vertical 3x1 halves", 3, 1, 3, 2, false, "0 0 1 1, 0 1 1 2");
        g("vertical 4x2 halves", 4, 2, 8, 2, false, "0 0 2 2, 0 2 2 2");
        g("vertical 2x2 three", 2, 2, 4, 3, false, "0 0 2 1, 0 1 1 1, 1 1 1 1");
        const Rects one = rects("10 20 1000 601"), ks = rects("0 0 1920 1080, 1920 0 1280 720");
        const Rects swapped = rects("0 0 1280 720, 1280 0 1920 1080"), kx = rects("0 0 1920 1080, 2000 0 1280 720");
        const auto k = [](const char *n, int type, int t, Rects p, bool hor, const char *e, int windows = -1) {
            const Rects x = rects(e);
            QTest::newRow(n) << QChar('k') << type << t << p << (windows < 0 ? qMax(1, x.size()) : windows) << hor << x;
        };
        // Types 0, 1, 2, 4: equal strips of the first panel from the wall's origin.
        k("type 0 one", 0, 0, one, true, "0 0 1000 601");
        k("type 0 halves", 0, 0, one, true, "0 0 500 601, 500 0 500 601");
        k("type 1 thirds", 1, 0, one, true, "0 0 333 601, 333 0 333 601, 666 0 333 601");
        k("type 2 quarters", 2, 0, one, true, "0 0 250 601, 250 0 250 601, 500 0 250 601, 750 0 250 601");
        k("type 4 vertical halves", 4, 0, one, false, "0 0 1000 300, 0 300 1000 300");
        k("type 0 vertical thirds", 0, 0, one, false, "0 0 1000 200, 0 200 1000 200, 0 400 1000 200");
        k("type 2 vertical quarters", 2, 0, one, false, "0 0 1000 150, 0 150 1000 150, 0 300 1000 150, 0 450 1000 150");
        k("type 0 no windows", 0, 0, one, true, "", 0);
        k("type 0 no panels", 0, 0, {}, true, "", 2);
        k("type 5", 5, 0, one, true, "", 2);
        // Type 3 by template; the second panel always starts at the first one's width.
        k("3 h0", 3, 0, ks, true, "0 0 960 1080, 960 0 960 1080, 1920 0 640 720, 2560 0 640 720");
        k("3 h1", 3, 1, ks, true, "0 0 1920 1080, 1920 0 640 720, 2560 0 640 720");
        k("3 h2", 3, 2, ks, true, "0 0 1920 1080, 1920 0 1280 720");
        k("3 h3", 3, 3, ks, true, "0 0 3200 720");
        k("3 h4", 3, 4, ks, true, "1066 0 1066 720, 0 0 1066 1080, 2133 0 1066 720");
        k("3 h5", 3, 5, ks, true, "0 0 1600 1080, 1600 0 1600 720");
        k("3 h6", 3, 6, ks, true, "0 0 1280 1800");
        k("3 h7", 3, 7, ks, true, "0 0 640 1800, 640 0 640 1080, 640 1080 640 720");
        k("3 h8", 3, 8, ks, true, "0 0 640 1800, 640 0 640 1800");
        k("3 h9", 3, 9, ks, true, "0 0 640 1080, 640 0 640 1080, 1280 0 640 1080");
        k("3 v0", 3, 0, ks, false, "0 0 1920 540, 0 540 1920 540, 1920 0 1280 360, 1920 360 1280 360");
        k("3 v1", 3, 1, ks, false, "0 0 1920 1080, 1920 0 1280 360, 1920 360 1280 360");
        k("3 v2", 3, 2, ks, false, "0 0 1920 1080, 1920 0 1280 720");
        k("3 v3", 3, 3, ks, false, "0 0 3200 720");
        k("3 v4", 3, 4, ks, false, "0 0 3200 360, 0 360 1920 360, 1920 360 1280 360");
        k("3 v5", 3, 5, ks, false, "0 0 3200 360, 0 360 3200 360");
        k("3 v6", 3, 6, ks, false, "0 0 1280 1800");
        k("3 v7", 3, 7, ks, false, "0 600 1280 600, 0 0 1920 600, 0 1200 1920 600");
        k("3 v8", 3, 8, ks, false, "0 0 1920 900, 0 900 1280 900");
        k("3 v9", 3, 9, ks, false, "0 0 1920 360, 0 360 1920 360, 0 720 1920 360");
        k("3 h5 second wider", 3, 5, swapped, true, "0 0 1600 1080, 1600 0 1600 720");
        k("3 h7 second wider", 3, 7, swapped, true, "0 0 640 1800, 640 0 640 720, 640 720 640 1080");
        k("3 v7 second wider", 3, 7, swapped, false, "0 600 1280 600, 0 0 1280 600, 0 1200 1920 600");
        k("3 v8 second wider", 3, 8, swapped, false, "0 0 1920 900, 0 900 1280 900");
        k("3 template 10", 3, 10, ks, true, "");
        k("3 template -1", 3, -1, ks, true, "");
        k("3 one panel", 3, 0, one, true, "");
        // KX types by template; the second panel's windows start at its own x.
        k("16 h0", 16, 0, kx, true, "0 0 3200 1080");
        k("17 h1", 17, 1, kx, true, "0 0 1920 1080, 2000 0 1280 720");
        k("18 h2", 18, 2, kx, true, "0 0 1920 1080, 2000 0 1280 720");
        k("20 h3", 20, 3, kx, true, "1066 0 1066 1080, 0 0 1066 1080, 2133 0 1066 720");
        k("16 h4", 16, 4, kx, true, "1066 0 1066 1080, 0 0 1066 1080, 2133 0 1066 720");
        k("16 h5", 16, 5, kx, true, "0 0 1920 1080, 2000 0 640 720, 2640 0 640 720");
        k("17 h6", 17, 6, kx, true, "0 0 1920 1080, 2000 0 640 720, 2640 0 640 720");
        k("16 h7", 16, 7, kx, true, "0 0 960 1080, 2000 0 960 720, 960 0 960 1080, 2960 0 960 720");
        k("18 h8", 18, 8, kx, true, "0 0 960 1080, 960 0 960 1080, 2000 0 960 720, 2960 0 960 720");
        k("20 h9", 20, 9, kx, true, "0 0 1920 1080, 2000 0 1280 720");
        k("16 v0", 16, 0, kx, false, "0 0 3200 1080");
        k("16 v1", 16, 1, kx, false, "0 0 3200 540, 0 540 3200 540");
        k("17 v2", 17, 2, kx, false, "0 0 1920 1080, 2000 0 1280 720");
        k("18 v3", 18, 3, kx, false, "0 0 3200 540, 0 540 1920 540, 2000 540 1280 540");
        k("20 v4", 20, 4, kx, false, "0 0 3200 540, 0 540 1920 540, 2000 540 1280 540");
        k("16 v5", 16, 5, kx, false, "0 0 1920 1080, 2000 0 1280 360, 2000 360 1280 360");
        k("16 v6", 16, 6, kx, false, "0 0 1920 1080, 2000 0 1280 360, 2000 360 1280 360");
        k("16 v7", 16, 7, kx, false, "0 0 1920 540, 2000 0 1280 540, 0 540 1920 540, 2000 540 1280 540");
        k("16 v8", 16, 8, kx, false, "0 0 1920 540, 0 540 1920 540, 2000 0 1280 540, 2000 540 1280 540");
        k("16 v9 doubles widths", 16, 9, kx, false, "0 0 3840 540, 0 540 2560 540");
        k("KX template 10", 16, 10, kx, true, "");
        k("KX one panel", 17, 1, one, true, "", 2);
        k("type 19", 19, 0, kx, true, "");
    }
    void arrangement()
    {
        const auto [family, a, b, panels, windows, hor, expected] =
            fetch<QChar, int, int, Rects, int, bool, Rects>("family", "a", "b", "panels", "windows", "hor", "expected");
        if (family == 'k')
            QCOMPARE(SxArrange::ksRects(a, b, panels, windows, hor), expected);
        else if (expected.isEmpty())
            QVERIFY(SxArrange::gwRects(a, b, panels, windows, hor).size() != windows || windows == 0);
        else
            QCOMPARE(SxArrange::gwRects(a, b, panels, windows, hor), expected);
    }

    void ksArrangementAppliedOnlyToMatchingWindowCount()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(16);
        v.setPanels({panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 1280, 1080)}, false);
        v.setTemplateId(7);
        v.setWindows({window(0, QRect(0, 0, 640, 480)), window(1, QRect(0, 0, 640, 480)),
                      window(2, QRect(1920, 0, 640, 480))});
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        QSignalSpy busy(&v, &SxGraphicsView::emitShowBusy);
        v.setHorWindow();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(busy.count(), 0);
        v.setWindows({window(3, QRect(1920, 0, 640, 480))});
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        v.setHorWindow();
        QCOMPARE(spy.count(), 8);
        QCOMPARE(geometryFrames(spy),
                 QStringList({"0: 0 0 960 1080", "1: 1920 0 960 1080", "2: 960 0 960 1080", "3: 2880 0 960 1080"}));
        QCOMPARE(frames(spy, 0xE2).size(), 4);
        QCOMPARE(busy.count(), 1);
        QCOMPARE(busy.at(0).at(0).toInt(), 1000);
        QCOMPARE(pos.count(), 1);
    }

    void gwArrangementReachesTheDevice()
    {
        GW5Interface iface(QStringLiteral("GW1"));
        SxGraphicsView::setDeviceLookup(nullptr, [&iface](const QString &) -> Interface * { return &iface; });
        SxGraphicsViewGW v;
        v.setDeviceType(48);
        v.addPanel(panel(0, 0, 0, W, H));
        v.addPanel(panel(1, W, 0, W, H));
        v.setPanelGrid(1, 2);
        v.setWindows({window(0, QRect(0, 0, 300, 200)), window(1, QRect(400, 0, 300, 200))});
        QSignalSpy sent(&iface, &Interface::emitSendData);
        v.setHorWindow();
        SxGraphicsView::setDeviceLookup(nullptr, nullptr);
        for (int id = 0; id < 2; ++id) {
            const GW5::WindowRecord w = iface.matrix()->window(id);
            QCOMPARE(QRect(w.x, w.y, w.width, w.height), QRect(id * W, 0, W, H));
        }
        QCOMPARE(frames(sent, 0xE2).size(), 1);
    }

    // 90 and 270 are offered on type 20, with templates 0 and 2, and for window 0 with 5 and 6.
    void ksQuarterTurns_data()
    {
        columns<QList<int>, bool>("setting", "offered"); // setting: type, template, window
        QTest::newRow("16, template 1") << QList<int>{16, 1, 1} << false;
        QTest::newRow("20, template 1") << QList<int>{20, 1, 1} << true;
        QTest::newRow("16, template 0") << QList<int>{16, 0, 1} << true;
        QTest::newRow("16, template 2") << QList<int>{16, 2, 1} << true;
        QTest::newRow("16, template 3, window 0") << QList<int>{16, 3, 0} << false;
        QTest::newRow("16, template 5, window 1") << QList<int>{16, 5, 1} << false;
        QTest::newRow("16, template 5, window 0") << QList<int>{16, 5, 0} << true;
        QTest::newRow("16, template 6, window 0") << QList<int>{16, 6, 0} << true;
        QTest::newRow("16, template 6, window 1") << QList<int>{16, 6, 1} << false;
    }
    void ksQuarterTurns()
    {
        const auto [setting, offered] = fetch<QList<int>, bool>("setting", "offered");
        SxGraphicsViewKS v;
        v.setDeviceType(setting[0]);
        v.setPanels({panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 1920, 1080)}, false);
        QVERIFY(showView(&v));
        v.setWindows({window(0, QRect(0, 0, 640, 480)), window(1, QRect(1920, 0, 640, 480))});
        v.setTemplateId(setting[1]);
        v.prepareMenu();
        QVERIFY(!v.attribute()->isEnabled() && !v.rotationSubMenu()->isEnabled()); // no window under the menu
        rightPress(&v, QPointF(setting[2] ? 2100 : 200, 200));
        QCOMPARE(v.getMenuItem(), v.windowItem(setting[2]));
        QCOMPARE(v.currentWindowId(), setting[2]);
        v.getMenuItem()->setRotate(2);
        v.prepareMenu();
        QVERIFY(v.attribute()->isEnabled() && v.rotationActionList().at(3)->isEnabled());
        QVERIFY(v.rotationActionList().at(2)->isChecked());
        QCOMPARE(v.rotationActionList().at(4)->isEnabled(), offered);
        QCOMPARE(v.rotationActionList().at(5)->isEnabled(), offered);
    }

    void ksMenusAndRotation()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(0);
        QVERIFY(v.windowMenu()->actions().contains(v.chromaKey()));
        v.setDeviceType(48);
        QVERIFY(v.windowMenu()->actions().isEmpty());
        v.setDeviceType(20);
        QVERIFY(!v.windowMenu()->actions().contains(v.chromaKey()));
        QVERIFY(v.windowMenu()->actions().contains(v.rotationSubMenu()->menuAction()));
        QVERIFY(showView(&v));
        INFO_WINDOW w = window(0, QRect(0, 0, 640, 480));
        w.srcId = 0;
        v.setWindows({w});
        rightPress(&v, QPointF(100, 100));
        v.prepareMenu();
        QVERIFY(!v.chromaKey()->isEnabled()); // chroma key needs a source
        v.windowItem(0)->setHasSource(true);
        v.prepareMenu();
        QVERIFY(v.chromaKey()->isEnabled());
        DEVICE_INFO_KS record;
        record.type = 20;
        KS9200Interface iface(record.cpuid);
        SxGraphicsView::setDeviceLookup([&record](const QString &) -> INFO_BASIC * { return &record; },
                                        [&iface](const QString &) -> Interface * { return &iface; });
        QSignalSpy spy(&iface, &Interface::emitSendData);
        v.rotationActionList().at(3)->trigger();
        SxGraphicsView::setDeviceLookup(nullptr, nullptr);
        QCOMPARE(v.windowItem(0)->rotate(), 3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toByteArray(), CommandFrame(0x03, 0x03).u8(6, 0).u8(7, 3).pack());
        QVERIFY(menuShows(&v));
        v.setLockWindow(true);
        QVERIFY(!menuShows(&v));
    }

    // Fill grows a window to the panels it touches (2 x 2 panels); one pixel over a boundary counts.
    void gwFill_data()
    {
        columns<QRect, QString>("window", "filled"); // filled: the frame, "id: x y w h"
        const auto r = [](const char *n, const char *w, const char *f) { QTest::newRow(n) << rects(w)[0] << f; };
        r("inside the first", "100 100 300 200", "0: 0 0 1920 1080");
        r("on its right boundary", "1620 100 300 200", "0: 0 0 1920 1080");
        r("one over its right", "1621 100 300 200", "0: 0 0 3840 1080");
        r("on its bottom boundary", "100 880 300 200", "0: 0 0 1920 1080");
        r("one over its bottom", "100 881 300 200", "0: 0 0 1920 2160");
        r("at the second's left", "1920 100 300 200", "0: 1920 0 1920 1080");
        r("inside the last", "2000 1200 300 200", "0: 1920 1080 1920 1080");
        r("across all four", "1800 1000 300 200", "0: 0 0 3840 2160");
    }
    void gwFill()
    {
        const auto [window, filled] = fetch<QRect, QString>("window", "filled");
        GW5Interface iface(QStringLiteral("GW1"));
        SxGraphicsView::setDeviceLookup(nullptr, [&iface](const QString &) -> Interface * { return &iface; });
        SxGraphicsViewGW v;
        v.setDeviceType(48);
        for (int i = 0; i < 4; ++i)
            v.addPanel(panel(i, i % 2 * W, i / 2 * H, W, H));
        QVERIFY(showView(&v));
        v.prepareMenu(); // no window under the menu: Fill and Remove off, Add offers the wall
        QVERIFY(!v.fillEntry()->isEnabled() && !v.removeEntry()->isEnabled());
        QVERIFY(v.removeAllEntry()->isEnabled() && v.addEntry()->isEnabled());
        QSignalSpy add(&v, &SxGraphicsViewGW::emitOpenAddWindow);
        v.addEntry()->trigger();
        QCOMPARE(add.count(), 1);
        QCOMPARE(add.at(0).at(0).toRect(), QRect(0, 0, 2 * W, 2 * H));
        v.setWindows({CanvasUi::window(0, window)});
        rightPress(&v, QRectF(window).center());
        v.prepareMenu();
        QVERIFY(v.fillEntry()->isEnabled());
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        QSignalSpy sent(&iface, &Interface::emitSendData);
        v.fillEntry()->trigger();
        SxGraphicsView::setDeviceLookup(nullptr, nullptr);
        QCOMPARE(pos.count(), 1);
        QCOMPARE(pos.at(0).at(1).toRect(), rects(qPrintable(filled.mid(3)))[0]);
        QCOMPARE(geometryFrames(sent), QStringList(filled));
        v.setLockWindow(true);
        QVERIFY(!menuShows(&v));
    }
};

QTEST_MAIN(TestCanvasArrange)
#include "tst_ui_canvas_arrange.moc"
