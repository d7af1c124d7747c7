// Window tool bar and status bar with real records and interfaces installed as the current device.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"
#include "SxTabWidget.h"
#include "UiLookup.h"
#include "UiModalC.h"
#include "UiRecordsC.h"
#include "WidgetInBottom.h"
#include "WidgetInRight.h"

#include <QtTest>
#include <QtWidgets>

using namespace UiC;

namespace {
void click(QGraphicsView *v, QPointF at) { QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->mapFromScene(at)); }

// Fires the debounce timer until the values settle (at most 10 times); returns how often it fired.
int settle(QTimer *timer)
{
    int n = 0;
    for (; timer->isActive() && n < 10; ++n) {
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout");
    }
    return n;
}

QToolButton *button(QWidget *w, const QString &name) { return child<QToolButton>(w, name.toLatin1().constData()); }

struct Bars
{
    SxTabWidget tabs;
    WidgetInRight right;
    WidgetInBottom bottom;
    Bars()
    {
        QObject::connect(&tabs, &SxTabWidget::emitItemPosChange, &bottom, &WidgetInBottom::onViewItemPosChange);
        QObject::connect(&tabs, &SxTabWidget::emitPartFullChange, &right, &WidgetInRight::setPartFullScreen);
        QObject::connect(&bottom, &WidgetInBottom::emitSetWindowID, &right, &WidgetInRight::setWindowID);
        QObject::connect(&right, &WidgetInRight::emitPartFullScreen, &tabs, &SxTabWidget::setPartFullScreen);
    }
    QToolButton *local() { return button(&right, "btn_local"); }
};

template <typename View> void wire(View &view, WidgetInBottom &bottom, WidgetInRight *right = nullptr)
{
    QObject::connect(&view, &SxGraphicsView::emitItemPosChange, &bottom, &WidgetInBottom::onViewItemPosChange);
    QObject::connect(&bottom, &WidgetInBottom::emitSetWindowPos, &view, &SxGraphicsView::setWindowItemPos);
    if (right) QObject::connect(&bottom, &WidgetInBottom::emitSetWindowID, right, &WidgetInRight::setWindowID);
}
} // namespace

class TestRightBottom : public QObject
{
    Q_OBJECT
private:
    DEVICE_INFO_KS ks;
    DEVICE_INFO_GW gw;
    KS9200Interface *ksIface = nullptr;
    GW5Interface *gwIface = nullptr;
    INFO_BASIC *current = nullptr;

private slots:
    void initTestCase()
    {
        ks.cpuid = QStringLiteral("KS1");
        gw.cpuid = QStringLiteral("GW1");
        gw.type = 48;
        ksIface = new KS9200Interface(ks.cpuid, this);
        gwIface = new GW5Interface(gw.cpuid, this);
        auto records = [this](const QString &id) -> INFO_BASIC * {
            if (id.isEmpty()) return current;
            return id == ks.cpuid ? static_cast<INFO_BASIC *>(&ks) : id == gw.cpuid ? &gw : nullptr;
        };
        auto interfaces = [this](const QString &id) -> Interface * {
            const QString cpuid = id.isEmpty() ? (current ? current->cpuid : QString()) : id;
            return cpuid == ks.cpuid ? static_cast<Interface *>(ksIface) : cpuid == gw.cpuid ? gwIface : nullptr;
        };
        DeviceLookup::install(records, interfaces, [this] { return current ? current->cpuid : QString(); });
        SxGraphicsView::setDeviceLookup(records, interfaces);
    }
    void init() { current = &ks; }
    void cleanupTestCase() { DeviceLookup::clear(); }

    void ksDeviceButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("cmd");
        QTest::addColumn<int>("readBack");
        QTest::newRow("pip") << "btn_pip" << 0x0E << 0xEF;
        QTest::newRow("freeze") << "btn_freeze" << 0x10 << 0xEE;
        QTest::newRow("blackScreen") << "btn_blackScreen" << 0x13 << 0xEE;
    }
    void ksDeviceButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, cmd);
        QFETCH(int, readBack);
        WidgetInRight right;
        right.setDevice(&ks);
        QToolButton *btn = ::button(&right, button);
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        btn->click();
        QVERIFY(btn->isChecked());
        btn->click();
        const QList<QByteArray> f = frames(spy);
        QCOMPARE((QList<int>{f.size(), f[0].size()}), (QList<int>{4, 23}));
        QCOMPARE((QList<int>{at(f[0], 4), at(f[0], 5), at(f[0], 6), at(f[2], 4), at(f[2], 6)}),
                 (QList<int>{cmd, 0, 1, cmd, 0}));
        QCOMPARE((QVector<QByteArray>{f[1], f[3]}), QVector<QByteArray>(2, Interface::requestFrame(uint8_t(readBack))));
    }

    void ksFadeCarriesFadePeriod()
    {
        WidgetInRight right;
        ks.other.fadePeriod = 12;
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        button(&right, "btn_fade")->click();
        const QList<QByteArray> f = frames(spy);
        QCOMPARE(f, (QList<QByteArray>{KS9200Interface::setSwitchModeFrame(1, 12), Interface::requestFrame(0xEE)}));
        QCOMPARE((QList<int>{at(f[0], 4), at(f[0], 7)}), (QList<int>{0x11, 12}));
        ks.other.fadePeriod = 0;
    }

    void gwButtons()
    {
        current = &gw;
        WidgetInRight right;
        right.setDevice(&gw);
        QSignalSpy spy(gwIface, &Interface::emitSendData), ksSpy(ksIface, &Interface::emitSendData);
        QSignalSpy own(&right, &WidgetInRight::emitSendData);
        for (const char *b : {"btn_freeze", "btn_blackScreen", "btn_pip", "btn_fade"}) // the last two: KS only
            button(&right, b)->click();
        right.setWindowID(2);
        button(&right, "btn_frameSync")->click();
        const QList<QByteArray> f = frames(spy);
        QCOMPARE(f.size(), 5);
        QCOMPARE((QList<int>{at(f[0], 4), at(f[0], 6), at(f[2], 4), at(f[2], 6)}), (QList<int>{0x10, 1, 0x13, 1}));
        for (int i : {1, 3, 4}) QCOMPARE(f[i], Interface::requestFrame(0xEE));
        QCOMPARE(frames(own), QList<QByteArray>{KS9200Interface::setFrameSyncFrame(2, 1)});
        QCOMPARE(ksSpy.count(), 0);
    }

    // Shown buttons as "pip fade local" flags; from a GW device first, so every button has to come back.
    void visibilityByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("shown");
        const QList<QPair<int, QString>> rows{{0, "111"}, {3, "011"}, {16, "001"}, {20, "001"}, {48, "000"}};
        for (const auto &row : rows) QTest::newRow(qPrintable(QString::number(row.first))) << row.first << row.second;
    }
    void visibilityByType()
    {
        QFETCH(int, type);
        QFETCH(QString, shown);
        WidgetInRight right;
        right.setDevice(&gw);
        DEVICE_INFO_KS rec;
        rec.type = type;
        right.setDevice(&rec);
        QString got;
        for (const char *b : {"btn_pip", "btn_fade", "btn_local"}) got += button(&right, b)->isHidden() ? '0' : '1';
        QCOMPARE(got, shown);
        QVERIFY(!button(&right, "btn_frameSync")->isHidden());
    }
    void refreshAndSettersSendNothing()
    {
        WidgetInRight right;
        QSignalSpy spy(ksIface, &Interface::emitSendData), own(&right, &WidgetInRight::emitSendData);
        auto checked = [&](std::initializer_list<const char *> names) {
            QString s;
            for (const char *b : names) s += button(&right, b)->isChecked() ? '1' : '0';
            return s;
        };
        DEVICE_INFO_KS rec;
        rec.other.pip = rec.other.switchMode = rec.other.frameSync = 1;
        right.setDevice(&rec);
        QCOMPARE(checked({"btn_pip", "btn_freeze", "btn_fade", "btn_blackScreen", "btn_frameSync"}), "10101");
        DEVICE_INFO_GW g;
        g.type = 48;
        g.other.freeze = g.other.blackScreen = 1;
        right.setDevice(&g);
        QCOMPARE(checked({"btn_freeze", "btn_blackScreen", "btn_frameSync"}), "110");
        right.setPartFullScreen(true);
        right.setPIP(false);
        right.setFade(false);
        QCOMPARE(checked({"btn_local", "btn_pip"}), "10");
        right.setDevice(nullptr);
        QCOMPARE(spy.count() + own.count(), 0);
    }

    // An edit waits for the 900 ms pause, then is corrected into its panel. One input changed per row.
    void statusBarCorrections_data()
    {
        QTest::addColumn<QRect>("start");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QRect>("settled");
        using R = QRect;
        const R a(100, 100, 300, 200), b(2000, 100, 300, 200);
        QTest::newRow("width below minimum") << a << "w" << 10 << R(100, 100, 64, 200);
        QTest::newRow("height below minimum") << a << "h" << 3 << R(100, 100, 300, 64);
        QTest::newRow("x past the right edge") << b << "x" << 3800 << R(3540, 100, 300, 200);
        QTest::newRow("x before the left edge") << b << "x" << 100 << R(1920, 100, 300, 200);
        QTest::newRow("y past the bottom") << b << "y" << 1000 << R(2000, 880, 300, 200);
        QTest::newRow("wider than panel") << R(1920, 100, 300, 200) << "w" << 5000 << R(1920, 100, 1920, 200);
        const R low(1920, 880, 1920, 200), wide(1920, 0, 2500, 200);
        QTest::newRow("taller than the room below") << low << "h" << 900 << low;
        // Wider than its panel: settles instead of swinging between the edges.
        QTest::newRow("window wider than its panel") << wide << "x" << 2000 << wide;
    }
    void statusBarCorrections()
    {
        QFETCH(QRect, start);
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QRect, settled);
        WidgetInBottom bottom;
        bottom.onViewItemPosChange(1, start, QRect(start.x() < 1920 ? 0 : 1920, 0, 1920, 1080)); // its panel
        auto *timer = child<QTimer>(&bottom, "debounceTimer");
        QVERIFY(!timer->isActive()); // filling from the canvas is no edit
        QCOMPARE(timer->interval(), 900);
        auto *spin = child<QSpinBox>(&bottom, ("spinBox_" + field).toLatin1().constData());
        spin->setValue(value);
        QVERIFY(timer->isActive());
        QCOMPARE(spin->value(), value);
        QVERIFY(settle(timer) < 10);
        QCOMPARE(bottom.spinRect(), settled);
    }


    void okGwAndWithoutTarget()
    {
        current = &gw;
        SxGraphicsViewGW view;
        view.setCpuid(gw.cpuid);
        view.setDeviceType(48);
        view.setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        WidgetInBottom bottom;
        wire(view, bottom);
        view.setWindows({window(2, 0, 0, 960, 540)});
        QSignalSpy write(&bottom, &WidgetInBottom::emitWriteData), pos(&bottom, &WidgetInBottom::emitSetWindowPos);
        QSignalSpy gwSpy(gwIface, &Interface::emitSendData);
        child<QSpinBox>(&bottom, "spinBox_x")->setValue(960);
        child<QPushButton>(&bottom, "btn_ok")->click();
        QCOMPARE(QList<QVariantList>(pos), (QList<QVariantList>{{QRect(960, 0, 960, 540), true}}));
        QCOMPARE(write.count(), 0);
        QCOMPARE(view.windowItem(2)->windowRect(), QRect(960, 0, 960, 540));
        const QList<QByteArray> f = frames(gwSpy);
        QVERIFY(f.size() >= 2);
        QCOMPARE((QList<int>{at(f.first(), 4), at(f.first(), 6), at(f.last(), 4), at(f.last(), 6)}),
                 (QList<int>{0xF1, 0, 0xF1, 1}));
        pos.clear();
        bottom.onViewItemPosChange(-1, QRect(), QRect());
        child<QPushButton>(&bottom, "btn_ok")->click();
        current = nullptr;
        bottom.onViewItemPosChange(2, QRect(0, 0, 100, 100), QRect(0, 0, 1920, 1080));
        child<QPushButton>(&bottom, "btn_ok")->click();
        QCOMPARE(pos.count() + write.count(), 0);
    }

    // Both bars wired to a canvas with three windows on two panels, as the main window does.
    void followCanvasSelection()
    {
        SxGraphicsViewKS view;
        view.setCpuid(ks.cpuid);
        view.setDeviceType(0);
        view.setPanels({panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 1920, 1080)}, false);
        WidgetInBottom bottom;
        WidgetInRight right;
        right.setDevice(&ks);
        wire(view, bottom, &right);
        connect(&right, &WidgetInRight::emitLockWindow, &view, &SxGraphicsView::setLockWindow);
        connect(&right, &WidgetInRight::emitHorWindow, &view, &SxGraphicsView::setHorWindow);
        view.resize(900, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setWindows({window(0, 100, 100, 640, 480), window(1, 2000, 200, 800, 600), window(2, 900, 500, 400, 300)});
        click(&view, QPointF(2400, 500));
        QCOMPARE((QList<int>{view.currentWindowId(), bottom.windowID(), right.windowID()}), (QList<int>{1, 1, 1}));
        QCOMPARE(bottom.panelRect(), QRect(1920, 0, 1920, 1080));
        QCOMPARE(bottom.spinRect(), QRect(2000, 200, 800, 600));
        // An edit, corrected into the panel, is sent by OK only: one geometry frame, the canvas moved.
        QSignalSpy write(&bottom, &WidgetInBottom::emitWriteData), pos(&bottom, &WidgetInBottom::emitSetWindowPos);
        QSignalSpy viewWrite(&view, &SxGraphicsView::emitWriteData), sent(ksIface, &Interface::emitSendData);
        child<QSpinBox>(&bottom, "spinBox_x")->setValue(3500);
        settle(child<QTimer>(&bottom, "debounceTimer"));
        QCOMPARE(write.count() + pos.count() + viewWrite.count() + sent.count(), 0);
        QCOMPARE(view.windowItem(1)->windowRect(), QRect(2000, 200, 800, 600));
        child<QPushButton>(&bottom, "btn_ok")->click();
        QCOMPARE(QList<QVariantList>(pos), (QList<QVariantList>{{QRect(3040, 200, 800, 600), false}}));
        QCOMPARE((QList<QRect>{view.windowItem(1)->windowRect(), view.windowItem(0)->windowRect()}),
                 (QList<QRect>{QRect(3040, 200, 800, 600), QRect(100, 100, 640, 480)}));
        QCOMPARE(frames(write), QList<QByteArray>{KS9200Interface::setWindowGeometryFrame(1, 3040, 200, 800, 600)});
        const QByteArray f = frames(write).first();
        QCOMPARE(f.size(), 23);
        QCOMPARE((QList<int>{at(f, 4), at(f, 5), at(f, 6), u16(f, 7), u16(f, 9), u16(f, 11), u16(f, 13)}),
                 (QList<int>{0x03, 0x00, 1, 3040, 200, 800, 600}));
        QCOMPARE(viewWrite.count(), 0);

        // Window 0 is a real window, not "no selection".
        click(&view, QPointF(300, 300));
        QCOMPARE(right.windowID(), 0);
        QCOMPARE(bottom.panelRect(), QRect(0, 0, 1920, 1080));
        // The frame-sync frame goes through the bar's own signal, the read-back through the interface.
        QSignalSpy ksSpy(ksIface, &Interface::emitSendData), own(&right, &WidgetInRight::emitSendData);
        QSignalSpy part(&right, &WidgetInRight::emitPartFullScreen);
        button(&right, "btn_frameSync")->click();
        QCOMPARE(own.count(), 1);
        const QByteArray sync = frames(own).first();
        QCOMPARE((QList<int>{at(sync, 4), at(sync, 5), at(sync, 6), at(sync, 7), at(sync, 8)}),
                 (QList<int>{0x06, 0x01, 0, 1, 1}));
        QCOMPARE(frames(ksSpy), QList<QByteArray>{Interface::requestFrame(0xEE)});
        button(&right, "btn_local")->click();
        QCOMPARE(frames(ksSpy, 0x12).size(), 1);
        const QByteArray local = frames(ksSpy, 0x12).first();
        QCOMPARE((QList<int>{at(local, 4), at(local, 6), at(local, 7)}), (QList<int>{0x12, 0, 1}));
        QCOMPARE(QList<QVariantList>(part), QList<QVariantList>{{true}});

        QSignalSpy lock(&right, &WidgetInRight::emitLockWindow);
        button(&right, "btn_lockWindow")->click();
        QVERIFY(view.isLocked() && !button(&right, "btn_hor")->isEnabled() && !button(&right, "btn_ver")->isEnabled());
        button(&right, "btn_lockWindow")->click();
        QVERIFY(!view.isLocked());
        QCOMPARE(lock.count(), 2);
        viewWrite.clear();
        button(&right, "btn_hor")->click();
        const QList<QByteArray> geo = frames(viewWrite, 0x03);
        QCOMPARE(geo.size(), 3);
        QCOMPARE((QList<int>{at(geo[0], 6), at(geo[2], 6)}), (QList<int>{0, 2}));
    }

    // The local button and selected window follow the current tab only, not a GW read-back meanwhile.
    void localFollowsCurrentTab()
    {
        Bars bars;
        bars.tabs.addDevice(&ks);
        bars.tabs.addDevice(&gw);
        bars.right.setDevice(&ks);
        SxGraphicsView *ksView = bars.tabs.viewFor(ks.cpuid);
        SxGraphicsView *gwView = bars.tabs.viewFor(gw.cpuid);
        QCOMPARE(bars.tabs.activeView(), ksView);
        ksView->setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        INFO_WINDOW w = window(1, 0, 0, 960, 540);
        ksView->setWindows({w});
        QVERIFY(!bars.local()->isChecked());
        gwView->addPanel(panel(0, 0, 0, 1920, 1080));
        INFO_WINDOW g = window(3, 0, 0, 640, 480);
        g.flag2 = 1;
        gwView->setWindow(g);
        QVERIFY(!bars.local()->isChecked());
        QCOMPARE((QList<int>{bars.right.windowID(), bars.bottom.windowID()}), (QList<int>{1, 1}));
        for (int flag : {1, 0}) {
            w.flag2 = uint8_t(flag);
            ksView->setWindows({w});
            QCOMPARE(bars.local()->isChecked(), flag == 1);
        }
        bars.tabs.setCurrentIndex(1);
        QCOMPARE(bars.right.windowID(), 3);
        QVERIFY(bars.local()->isChecked());
        bars.tabs.setCurrentIndex(0);
        QCOMPARE(bars.right.windowID(), 1);
        QCOMPARE(bars.bottom.spinRect(), QRect(0, 0, 960, 540));
        QVERIFY(!bars.local()->isChecked());
    }

    // Once the selected window is gone, both bars fall back to no selection and show a tip.
    void removedWindowLeavesNoSelection_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"remove", "auto-removed", "remove all", "delete key", "panels read again"})
            QTest::newRow(how) << how;
    }
    void removedWindowLeavesNoSelection()
    {
        QFETCH(QString, how);
        current = &gw;
        Bars bars;
        bars.tabs.addDevice(&gw);
        bars.right.setDevice(&gw);
        SxGraphicsView *view = bars.tabs.viewFor(gw.cpuid);
        view->addPanel(panel(0, 0, 0, 1920, 1080));
        view->setWindow(window(2, 0, 0, 640, 480));
        view->setWindow(window(5, 960, 0, 640, 480));
        QCOMPARE(bars.right.windowID(), 2);
        if (how == "remove") view->removeWindow(2);
        else if (how == "auto-removed") bars.tabs.removeWindow(2);
        else if (how == "remove all") view->removeAllWindow();
        else if (how == "delete key") QTest::keyClick(view, Qt::Key_Delete);
        else view->addPanel(panel(0, 0, 0, 1920, 1080));
        QCOMPARE((QList<int>{bars.bottom.windowID(), bars.right.windowID()}), (QList<int>{-1, -1}));
        QCOMPARE(bars.bottom.spinRect(), QRect());
        QSignalSpy own(&bars.right, &WidgetInRight::emitSendData), gwSpy(gwIface, &Interface::emitSendData);
        ModalCatcher boxes;
        for (const char *b : {"btn_frameSync", "btn_local"}) {
            button(&bars.right, b)->click();
            QVERIFY(!button(&bars.right, b)->isChecked());
        }
        QCOMPARE(boxes.titles, QStringList({"tips", "tips"}));
        QCOMPARE(boxes.texts, QStringList({"Please select a window", "Please select a window"}));
        QCOMPARE(own.count() + gwSpy.count(), 0);
    }

};

QTEST_MAIN(TestRightBottom)
#include "tst_ui_rightbottom.moc"
