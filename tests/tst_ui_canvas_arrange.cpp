// Automatic window arrangements of both families, the family context menus and their enabling
// rules.
#include "DEVICE_INFO_KS.h"
#include "KS9200Interface.h"
#include "SxArrange.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QRect>)

namespace {
QList<QRect> grid(int rows, int cols, int w = 1920, int h = 1080)
{
    QList<QRect> out;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            out << QRect(c * w, r * h, w, h);
    return out;
}

INFO_PANEL panel(int x, int w, int h)
{
    INFO_PANEL p;
    p.x = uint16_t(x);
    p.width = uint16_t(w);
    p.height = uint16_t(h);
    return p;
}

INFO_WINDOW window(int id, int x, int w, int h)
{
    INFO_WINDOW r;
    r.winId = uint16_t(id);
    r.x = uint16_t(x);
    r.width = uint16_t(w);
    r.height = uint16_t(h);
    return r;
}

void rightPress(QGraphicsView *v, QPointF scenePt)
{
    const QPoint p = v->mapFromScene(scenePt);
    QMouseEvent e(QEvent::MouseButtonPress, p, v->viewport()->mapToGlobal(p), Qt::RightButton, Qt::RightButton,
                  Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &e);
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
    void gwGrid_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("panels");
        QTest::addColumn<int>("windows");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QList<QRect>>("expected");
        const int W = 1920, H = 1080;
        QTest::newRow("2x4 three windows") << 2 << 4 << 8 << 3 << true
                                           << QList<QRect>{QRect(0, 0, W, 2 * H), QRect(W, 0, W, 2 * H),
                                                           QRect(2 * W, 0, 2 * W, 2 * H)};
        QTest::newRow("2x4 six windows") << 2 << 4 << 8 << 6 << true
                                         << QList<QRect>{QRect(0, 0, W, 2 * H), QRect(W, 0, W, 2 * H),
                                                         QRect(2 * W, 0, W, H), QRect(3 * W, 0, W, H),
                                                         QRect(2 * W, H, W, H), QRect(3 * W, H, W, H)};
        QTest::newRow("2x4 eight windows") << 2 << 4 << 8 << 8 << true << grid(2, 4);
        QTest::newRow("2x4 nine windows: span would be 0") << 2 << 4 << 8 << 9 << true << QList<QRect>{};
        QTest::newRow("panel list shorter than the grid") << 2 << 4 << 6 << 3 << true << QList<QRect>{};
        QTest::newRow("panel list shorter, many windows") << 2 << 4 << 5 << 6 << true << QList<QRect>{};
        QTest::newRow("vertical 4x1 two windows") << 4 << 1 << 4 << 2 << false
                                                  << QList<QRect>{QRect(0, 0, W, 2 * H), QRect(0, 2 * H, W, 2 * H)};
        QTest::newRow("vertical 2x2 three windows") << 2 << 2 << 4 << 3 << false
                                                    << QList<QRect>{QRect(0, 0, 2 * W, H), QRect(0, H, W, H),
                                                                    QRect(W, H, W, H)};
        QTest::newRow("no windows") << 2 << 4 << 8 << 0 << true << QList<QRect>{};
    }
    void gwGrid()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(int, panels);
        QFETCH(int, windows);
        QFETCH(bool, horizontal);
        QFETCH(QList<QRect>, expected);
        const QList<QRect> all = grid(rows, cols).mid(0, panels);
        const QList<QRect> got = SxArrange::gwRects(rows, cols, all, windows, horizontal);
        if (expected.isEmpty())
            QVERIFY(got.size() != windows || windows == 0);
        else
            QCOMPARE(got, expected);
    }

    void ksTemplates_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("templ");
        QTest::addColumn<QList<QRect>>("panels");
        QTest::addColumn<int>("windows");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QList<QRect>>("expected");
        QTest::newRow("type 0 three strips") << 0 << 0 << QList<QRect>{QRect(0, 0, 1920, 1080)} << 3 << true
                                             << QList<QRect>{QRect(0, 0, 640, 1080), QRect(640, 0, 640, 1080),
                                                             QRect(1280, 0, 640, 1080)};
        QTest::newRow("type 2 vertical strips from 0") << 2 << 0 << QList<QRect>{QRect(100, 100, 1920, 1080)} << 2
                                                       << false
                                                       << QList<QRect>{QRect(0, 0, 1920, 540), QRect(0, 540, 1920, 540)};
        QTest::newRow("type 3 horizontal template 5")
            << 3 << 5 << QList<QRect>{QRect(0, 0, 1920, 1080), QRect(1920, 0, 3840, 540)} << 2 << true
            << QList<QRect>{QRect(0, 0, 2880, 540), QRect(2880, 0, 2880, 1080)};
        QTest::newRow("type 3 template 10") << 3 << 10 << QList<QRect>{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)}
                                            << 1 << true << QList<QRect>{};
        QTest::newRow("type 3 vertical template 9")
            << 3 << 9 << QList<QRect>{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)} << 3 << false
            << QList<QRect>{QRect(0, 0, 1920, 360), QRect(0, 360, 1920, 360), QRect(0, 720, 1920, 360)};
        QTest::newRow("KX horizontal template 7")
            << 16 << 7 << QList<QRect>{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1080)} << 4 << true
            << QList<QRect>{QRect(0, 0, 960, 1080), QRect(1920, 0, 960, 1080), QRect(960, 0, 960, 1080),
                            QRect(2880, 0, 960, 1080)};
        QTest::newRow("KX vertical template 9 doubles widths")
            << 20 << 9 << QList<QRect>{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)} << 2 << false
            << QList<QRect>{QRect(0, 0, 3840, 540), QRect(0, 540, 3840, 540)};
        QTest::newRow("KX one panel") << 17 << 1 << QList<QRect>{QRect(0, 0, 1920, 1080)} << 2 << true
                                      << QList<QRect>{};
        QTest::newRow("other type") << 19 << 0 << QList<QRect>{QRect(0, 0, 1920, 1080)} << 1 << true
                                    << QList<QRect>{};
    }
    void ksTemplates()
    {
        QFETCH(int, type);
        QFETCH(int, templ);
        QFETCH(QList<QRect>, panels);
        QFETCH(int, windows);
        QFETCH(bool, horizontal);
        QFETCH(QList<QRect>, expected);
        QCOMPARE(SxArrange::ksRects(type, templ, panels, windows, horizontal), expected);
    }

    void ksArrangementAppliedOnlyToMatchingWindowCount()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(16);
        v.setPanels({panel(0, 1920, 1080), panel(1920, 1280, 1080)}, false);
        v.setTemplateId(7);
        v.setWindows({window(0, 0, 640, 480), window(1, 0, 640, 480), window(2, 1920, 640, 480)});
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        QSignalSpy busy(&v, &SxGraphicsView::emitShowBusy);
        v.setHorWindow();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(busy.count(), 0);
        v.setWindows({window(3, 1920, 640, 480)});
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        v.setHorWindow();
        QCOMPARE(spy.count(), 8);
        QCOMPARE(spy.at(2).at(0).toByteArray(), SxGraphicsView::ksWindowGeometryFrame(1, 1920, 0, 960, 1080));
        QCOMPARE(uint8_t(spy.at(3).at(0).toByteArray()[4]), uint8_t(0xE2));
        QCOMPARE(busy.count(), 1);
        QCOMPARE(busy.at(0).at(0).toInt(), 1000);
        QCOMPARE(pos.count(), 1);
    }

    void ksMenusByTypeAndRotationRule()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(0);
        QCOMPARE(v.windowMenu()->actions().size(), 7);
        QVERIFY(v.windowMenu()->actions().contains(v.chromaKey()));
        v.setDeviceType(16);
        QCOMPARE(v.windowMenu()->actions().size(), 7);
        QVERIFY(!v.windowMenu()->actions().contains(v.chromaKey()));
        QVERIFY(v.windowMenu()->actions().contains(v.rotationSubMenu()->menuAction()));
        v.setDeviceType(48);
        QVERIFY(v.windowMenu()->actions().isEmpty());

        v.setDeviceType(16);
        v.setPanels({panel(0, 1920, 1080), panel(1920, 1920, 1080)}, false);
        v.resize(900, 600);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        v.setWindows({window(0, 0, 640, 480), window(1, 1920, 640, 480)});
        v.prepareMenu();
        QVERIFY(!v.attribute()->isEnabled());
        QVERIFY(!v.rotationSubMenu()->isEnabled());
        v.setTemplateId(1);
        rightPress(&v, QPointF(2100, 200));
        QCOMPARE(v.getMenuItem(), v.windowItem(1));
        QCOMPARE(v.currentWindowId(), 1);
        v.windowItem(1)->setRotate(2);
        v.prepareMenu();
        QVERIFY(v.attribute()->isEnabled());
        QVERIFY(!v.rotationActionList().at(4)->isEnabled());
        QVERIFY(!v.rotationActionList().at(5)->isEnabled());
        QVERIFY(v.rotationActionList().at(3)->isEnabled());
        QVERIFY(v.rotationActionList().at(2)->isChecked());
        QCOMPARE(v.rotationActionList().at(5)->text(), QStringLiteral("270"));
        v.setTemplateId(5); // allowed only for window 0
        v.prepareMenu();
        QVERIFY(!v.rotationActionList().at(4)->isEnabled());
        rightPress(&v, QPointF(200, 200));
        v.prepareMenu();
        QVERIFY(v.rotationActionList().at(4)->isEnabled());
        v.setDeviceType(20);
        v.setTemplateId(1);
        v.prepareMenu();
        QVERIFY(v.rotationActionList().at(4)->isEnabled());
        QVERIFY(v.rotationActionList().at(5)->isEnabled());

        DEVICE_INFO_KS record;
        record.cpuid = QStringLiteral("KX1");
        record.type = 20;
        KS9200Interface iface(record.cpuid);
        SxGraphicsView::setDeviceLookup([&record](const QString &) -> INFO_BASIC * { return &record; },
                                        [&iface](const QString &) -> Interface * { return &iface; });
        v.setCpuid(record.cpuid);
        QSignalSpy spy(&iface, &Interface::emitSendData);
        v.rotationActionList().at(3)->trigger();
        SxGraphicsView::setDeviceLookup(nullptr, nullptr);
        QCOMPARE(v.windowItem(0)->rotate(), 3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toByteArray(), SxGraphicsView::ksWindowRotateFrame(0, 3));

        QVERIFY(menuShows(&v));
        v.setLockWindow(true);
        QVERIFY(!menuShows(&v));
    }

    void ksChromaKeyNeedsSource()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(3);
        v.resize(900, 600);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        INFO_WINDOW w = window(0, 0, 640, 480);
        w.srcId = 0;
        v.setWindows({w});
        rightPress(&v, QPointF(100, 100));
        v.prepareMenu();
        QVERIFY(!v.chromaKey()->isEnabled());
        v.windowItem(0)->setHasSource(true);
        v.prepareMenu();
        QVERIFY(v.chromaKey()->isEnabled());
    }

    void gwMenuAndFill()
    {
        SxGraphicsViewGW v;
        v.setDeviceType(48);
        QCOMPARE(v.windowMenu()->actions().size(), 10);
        INFO_PANEL p0 = panel(0, 1920, 1080);
        INFO_PANEL p1 = panel(1920, 1920, 1080);
        p1.id = 1;
        v.addPanel(p0);
        v.addPanel(p1);
        v.resize(900, 600);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        v.prepareMenu();
        QVERIFY(!v.fillEntry()->isEnabled());
        QVERIFY(!v.removeEntry()->isEnabled());
        QVERIFY(v.removeAllEntry()->isEnabled());
        QVERIFY(v.addEntry()->isEnabled());
        v.setWindows({window(0, 1800, 400, 300)});
        rightPress(&v, QPointF(1900, 100));
        v.prepareMenu();
        QVERIFY(v.fillEntry()->isEnabled());
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        v.fillEntry()->trigger();
        QCOMPARE(pos.count(), 1);
        QCOMPARE(pos.at(0).at(1).toRect(), QRect(0, 0, 3840, 1080));
        QSignalSpy add(&v, &SxGraphicsViewGW::emitOpenAddWindow);
        v.addEntry()->trigger();
        QCOMPARE(add.count(), 1);
        QCOMPARE(add.at(0).at(0).toRect(), QRect(0, 0, 3840, 1080));
        v.setLockWindow(true);
        QVERIFY(!menuShows(&v));
    }
};

QTEST_MAIN(TestCanvasArrange)
#include "tst_ui_canvas_arrange.moc"
