// The canvas view: default scene, panel layouts, window records, selection, nudges, the move
// throttle, locking, window numbering and removal. Frames are read from emitWriteData.
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
#include <QApplication>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {
INFO_PANEL panel(int id, int x, int y, int w, int h)
{
    INFO_PANEL p;
    p.id = uint16_t(id);
    p.x = uint16_t(x);
    p.y = uint16_t(y);
    p.width = uint16_t(w);
    p.height = uint16_t(h);
    return p;
}

INFO_WINDOW window(int id, int x, int y, int w, int h, int layer = 0, int input = 0)
{
    INFO_WINDOW r;
    r.winId = uint16_t(id);
    r.x = uint16_t(x);
    r.y = uint16_t(y);
    r.width = uint16_t(w);
    r.height = uint16_t(h);
    r.param3 = uint16_t(layer);
    r.param2 = uint16_t(input);
    r.srcId = 1;
    return r;
}

void sendMouse(QGraphicsView *v, QEvent::Type t, QPointF scenePt, Qt::MouseButton b = Qt::NoButton,
               Qt::MouseButtons bs = Qt::NoButton)
{
    const QPoint p = v->mapFromScene(scenePt);
    QMouseEvent e(t, p, v->viewport()->mapToGlobal(p), b, bs, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &e);
}

void key(QWidget *w, int k, bool autoRepeat = false)
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(w, &e);
}

int plainPanels(QGraphicsScene *s)
{
    int n = 0;
    for (QGraphicsItem *i : s->items())
        if (i->type() == QGraphicsRectItem::Type)
            ++n;
    return n;
}

QList<QByteArray> frames(const QSignalSpy &spy, uint8_t cmd)
{
    QList<QByteArray> out;
    for (const QList<QVariant> &args : spy) {
        const QByteArray f = args.at(0).toByteArray();
        if (f.size() > 5 && uint8_t(f[4]) == cmd)
            out << f;
    }
    return out;
}

int u16(const QByteArray &f, int off)
{
    return uint8_t(f[off]) | (uint8_t(f[off + 1]) << 8);
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

    void showView(QGraphicsView *v)
    {
        v->resize(900, 600);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v));
    }

private slots:
    void initTestCase()
    {
        ks.cpuid = QStringLiteral("KS1");
        ks.type = 0;
        gw.cpuid = QStringLiteral("GW1");
        gw.type = 48;
        gwIface = new GW5Interface(QStringLiteral("GW1"), this);
        SxGraphicsView::setDeviceLookup(
            [this](const QString &id) -> INFO_BASIC * {
                if (id == ks.cpuid)
                    return &ks;
                if (id == gw.cpuid)
                    return &gw;
                return nullptr;
            },
            [this](const QString &id) -> Interface * { return id == gw.cpuid ? gwIface : nullptr; });
        SxCanvasPrompt::setHook([this](SxCanvasPrompt::Kind, const QString &text) {
            prompts << text;
            return true;
        });
    }
    void init() { prompts.clear(); }

    void defaultScene()
    {
        SxGraphicsViewKS v;
        QCOMPARE(v.getPanelRects(), QList<QRect>{QRect(0, 0, 1920, 1080)});
        QCOMPARE(v.rectFull(), QRect(0, 0, 1920, 1080));
        QCOMPARE(v.getViewScale(), 800.0 / 1920);
        QCOMPARE(v.transform().m11(), 800.0 / 1920);
        QCOMPARE(v.windowItemList().size(), 1);
        SxGraphicsItem *w = v.windowItem(0);
        QVERIFY(w);
        QCOMPARE(w->windowRect(), QRect(0, 0, 960, 540));
        QCOMPARE(w->nameLabel(), QStringLiteral("window 1"));
        QCOMPARE(w->inputText(), QStringLiteral("input: [VGA1][unkown]"));
        QCOMPARE(w->zValue(), 2.0);
        QCOMPARE(plainPanels(v.scene()), 1);
    }

    void ksPanelLayouts()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(0);
        v.setPanels({panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 0, 1080)}, false);
        QCOMPARE(plainPanels(v.scene()), 0);
        QCOMPARE(v.getPanelRects(), QList<QRect>{QRect(0, 0, 1920, 1080)});
        v.setPanels({panel(0, 0, 0, 3840, 1080), panel(1, 0, 1080, 3840, 1080)}, false);
        QCOMPARE(plainPanels(v.scene()), 2);
        QCOMPARE(v.getViewScale(), qMin(800.0 / 3840, 500.0 / 2160));
        QCOMPARE(v.windowItemList().size(), 0);
    }

    void kxSplitRule()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(16);
        v.setPanels({panel(0, 0, 0, 3840, 1080)}, true);
        QCOMPARE(v.getPanelRects(), (QList<QRect>{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)}));
        QCOMPARE(plainPanels(v.scene()), 2);
        v.setPanels({panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 1920, 1080)}, true);
        QVERIFY(v.scene()->items().isEmpty());
        v.setDeviceType(3);
        v.setPanels({panel(0, 0, 0, 3840, 1080)}, true);
        QVERIFY(v.scene()->items().isEmpty());
    }

    void windowsCreatedAndUpdated()
    {
        SxGraphicsViewKS v;
        v.setCpuid(ks.cpuid);
        v.setDeviceType(0);
        v.setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        v.setWindows({window(1, 100, 100, 640, 480, 1, 33), window(0, 0, 0, 0, 480), window(2, 10, 20, 300, 200)});
        QCOMPARE(v.windowItemList().size(), 2);
        QCOMPARE(v.currentWindowId(), 1);
        QCOMPARE(pos.count(), 1);
        QCOMPARE(pos.at(0).at(1).toRect(), QRect(100, 100, 640, 480));
        SxGraphicsItem *w = v.windowItem(1);
        QCOMPARE(w->nameLabel(), QStringLiteral("window 2"));
        QCOMPARE(w->input(), 33);
        QCOMPARE(w->zValue(), 1.0);
        QCOMPARE(v.windowItem(2)->zValue(), 2.0);
        v.setWindows({window(1, 200, 300, 800, 600)});
        QCOMPARE(v.windowItemList().size(), 2);
        QCOMPARE(w->windowRect(), QRect(200, 300, 800, 600));
        INFO_INPUTSINGLE s;
        s.srcId = 33;
        s.width = 1920;
        s.height = 1080;
        s.rate = 60;
        v.windowItem(1)->setInput(33);
        v.updateInputSignals({s});
        QCOMPARE(w->inputText(), QStringLiteral("input: [HDMI2][1920x1080  60Hz]"));
        QCOMPARE(v.windowItem(2)->inputText(), QStringLiteral("input: [VGA1][unkown]"));
    }

    void kxOutputModeCorrectsPanel()
    {
        ks.type = 16;
        ks.outputMode.mode = 0;
        ks.outputMode.value3 = 0;
        ks.outputMode.value6 = 1280;
        SxGraphicsViewKS v;
        v.setCpuid(ks.cpuid);
        v.setDeviceType(16);
        v.setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        v.setWindows({window(0, 0, 0, 640, 480)});
        // R = (1920 + 1280, 0, 640, 1080) misses the panel; a = 512 cuts its left part.
        QCOMPARE(v.windowItem(0)->panelRect(), QRect(0, 0, 1920, 1080));
        ks.outputMode.value3 = 512;
        v.setWindows({window(1, 600, 0, 640, 480)});
        QCOMPARE(v.windowItem(1)->panelRect(), QRect(512, 0, 1408, 1080));
        ks.type = 0;
        ks.outputMode = INFO_PANEL_OTHERSETTING();
    }

    void arrowKeysNudgeInsideThePanelOnly()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(0);
        v.setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        v.setWindows({window(0, 0, 0, 640, 480)});
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        QSignalSpy pos(&v, &SxGraphicsView::emitItemPosChange);
        key(&v, Qt::Key_Left);
        key(&v, Qt::Key_Up);
        QCOMPARE(spy.count(), 0);
        key(&v, Qt::Key_Right);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toByteArray(), SxGraphicsView::ksWindowGeometryFrame(0, 1, 0, 640, 480));
        QCOMPARE(uint8_t(spy.at(1).at(0).toByteArray()[4]), uint8_t(0xE2));
        QCOMPARE(pos.last().at(1).toRect(), QRect(1, 0, 640, 480));
        key(&v, Qt::Key_Down, true); // auto-repeat
        key(&v, Qt::Key_Right, true);
        QCOMPARE(spy.count(), 2);
        key(&v, Qt::Key_Delete); // KS: no effect
        QCOMPARE(v.windowItemList().size(), 1);
    }

    void dragIsThrottledToTheTimer()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(0);
        v.setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        v.setWindows({window(0, 0, 0, 640, 480)});
        showView(&v);
        QSignalSpy spy(&v, &SxGraphicsView::emitWriteData);
        QTimer *timer = v.findChild<QTimer *>();
        QVERIFY(timer);
        QPointF p(320, 240);
        sendMouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        sendMouse(&v, QEvent::MouseMove, p);
        sendMouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        // 2 s of dragging: the timer fires four times, moves in between start it again.
        for (int tick = 0; tick < 4; ++tick) {
            for (int i = 0; i < 5; ++i) {
                p += QPointF(12, 6);
                sendMouse(&v, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
            }
            QVERIFY(timer->isActive());
            QMetaObject::invokeMethod(&v, "onTimeoutWindowMove");
            QVERIFY(!timer->isActive());
        }
        p += QPointF(12, 6);
        sendMouse(&v, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        sendMouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        const QList<QByteArray> geo = frames(spy, 0x03);
        QCOMPARE(geo.size(), 5);
        QCOMPARE(spy.count(), 5);
        const QRect end = v.windowItem(0)->windowRect();
        QVERIFY(end.x() > 0);
        QCOMPARE(u16(geo.last(), 7), end.x());
        QCOMPARE(u16(geo.last(), 9), end.y());
        QVERIFY(u16(geo.first(), 7) < u16(geo.last(), 7));
        // A release without a pending move sends nothing.
        sendMouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        QCOMPARE(spy.count(), 5);
    }

    void lockedViewIgnoresWheelKeysAndDrags()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(0);
        v.setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        v.setWindows({window(0, 0, 0, 640, 480), window(1, 1000, 500, 640, 480)});
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
        QPointF p(1300, 700);
        sendMouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        QCOMPARE(v.currentWindowId(), 1);
        QVERIFY(v.windowItem(1)->isSelected());
        sendMouse(&v, QEvent::MouseMove, p);
        sendMouse(&v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&v, QEvent::MouseMove, p + QPointF(100, 100), Qt::NoButton, Qt::LeftButton);
        sendMouse(&v, QEvent::MouseButtonRelease, p + QPointF(100, 100), Qt::LeftButton);
        QCOMPARE(v.windowItem(1)->windowRect(), QRect(1000, 500, 640, 480));
        QCOMPARE(spy.count(), 0);
        v.setLockWindow(false);
        QApplication::sendEvent(v.viewport(), &wheel);
        QCOMPARE(v.transform().m11(), before.m11() * 1.1);
    }

    void gwWindowLimitAndNumbering()
    {
        SxGraphicsViewGW v;
        v.setCpuid(gw.cpuid);
        v.setDeviceType(48);
        v.addPanel(panel(0, 0, 0, 1920, 1080));
        v.addPanel(panel(1, 1920, 0, 1920, 1080));
        QCOMPARE(v.panelItemList().size(), 2);
        QCOMPARE(v.panelItemList().at(1)->areaText(), QStringLiteral("Area: 2"));
        QCOMPARE(v.rectFull(), QRect(0, 0, 3840, 1080));
        v.setOutputCards(1);
        QSignalSpy sent(gwIface, &Interface::emitSendData);
        for (int i = 0; i < 4; ++i)
            v.addWindow(QRect(100 * i, 100, 300, 200));
        QCOMPARE(v.windowItemList().size(), 4);
        QVERIFY(prompts.isEmpty());
        QCOMPARE(frames(sent, 0xE2).size(), 4); // read-back after each new window
        v.addWindow(QRect(500, 500, 300, 200));
        QCOMPARE(v.windowItemList().size(), 4);
        QCOMPARE(prompts, QStringList{QStringLiteral(
                              "The window number has reached the maximum, please delete a window first.")});

        v.setOutputCards(2);
        v.removeWindow(2);
        QCOMPARE(v.windowItemList().size(), 3);
        v.addWindow(QRect(3700, 1000, 300, 200)); // clipped to the wall
        SxGraphicsItem *w = v.windowItem(2);
        QVERIFY(w);
        QCOMPARE(w->windowRect(), QRect(3700, 1000, 140, 80));
        QCOMPARE(w->nameLabel(), QStringLiteral("window 3"));
        QCOMPARE(v.currentWindowId(), 2);
        QVERIFY(w->partFull());
    }

    void gwPanelOutputsAndGrid()
    {
        SxGraphicsViewGW v;
        v.setDeviceType(48);
        v.addPanel(panel(0, 0, 0, 1920, 1080));
        v.addPanel(panel(1, 1920, 0, 1920, 1080));
        INFO_MAPPING m;
        m.port = 3;
        m.area = 1;
        INFO_MAPPING m2;
        m2.port = 1;
        m2.area = 1;
        v.setOutputMappings({m, m2});
        QCOMPARE(v.panelItemList().at(1)->outputListText(), QStringLiteral("2,4"));
        v.moveOutput(3, 1, 0);
        QCOMPARE(v.panelItemList().at(0)->outputListText(), QStringLiteral("4"));
        QCOMPARE(v.panelItemList().at(1)->outputListText(), QStringLiteral("2"));
        v.setPanelGrid(1, 2);
        QCOMPARE(v.gridCols(), 2);
        QCOMPARE(v.panelItemList().at(0)->boundingRect(), QRectF(0, 0, 3840, 1080));
        v.addPanel(panel(0, 0, 0, 1280, 720)); // panel 0 starts afresh
        QCOMPARE(v.panelItemList().size(), 1);
        QCOMPARE(v.rectFull(), QRect(0, 0, 1280, 720));
    }

    void removingRenumbersLayers()
    {
        SxGraphicsViewGW v;
        v.setDeviceType(48);
        v.addPanel(panel(0, 0, 0, 1920, 1080));
        v.setWindows({window(0, 0, 0, 300, 300, 1), window(1, 0, 0, 300, 300, 2), window(2, 0, 0, 300, 300, 3)});
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
    }

    void gwDeleteKeyRemovesCurrentWindow()
    {
        SxGraphicsViewGW v;
        v.setDeviceType(48);
        v.addPanel(panel(0, 0, 0, 1920, 1080));
        v.setWindows({window(0, 0, 0, 300, 300, 0), window(1, 400, 0, 300, 300, 1)});
        QCOMPARE(v.currentWindowId(), 0);
        QSignalSpy removed(&v, &SxGraphicsView::emitRemoveWindow);
        key(&v, Qt::Key_Delete);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(0).toInt(), 0);
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
        QCOMPARE(spy.at(1).at(0).toByteArray(), CommandFrame(0x04, 0x02).u8(6, 2).pack());
        SxCanvasPrompt::setHook([this](SxCanvasPrompt::Kind, const QString &t) {
            prompts << t;
            return false;
        });
        v.presetActionList().at(2)->trigger();
        QCOMPARE(saved.count(), 2);
        SxCanvasPrompt::setHook([this](SxCanvasPrompt::Kind, const QString &t) {
            prompts << t;
            return true;
        });
        ks.presets.clear();
    }

    void templateNineDropsSecondPanelOnType3()
    {
        SxGraphicsViewKS v;
        v.setDeviceType(3);
        v.setPanels({panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 1920, 1080)}, false);
        QCOMPARE(plainPanels(v.scene()), 2);
        v.setTemplateId(9);
        QCOMPARE(plainPanels(v.scene()), 1);
        QCOMPARE(v.getTemplateId(), 9);
    }
};

QTEST_MAIN(TestCanvasView)
#include "tst_ui_canvas_view.moc"
