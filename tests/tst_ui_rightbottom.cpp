// Window tool bar and status bar: every button's frame and read-back for both families, visibility
// by type code, state setters, the 900 ms clamping of the status bar's spin boxes, apply for KS and
// GW, online display and lock. Real records and interfaces are installed as the current device;
// frames are caught on the interface's emitSendData.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"
#include "SxMultiComboBox.h"
#include "SxTabWidget.h"
#include "WidgetInBottom.h"
#include "WidgetInRight.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
uint8_t at(const QByteArray &f, int i)
{
    return uint8_t(f.at(i));
}

int u16(const QByteArray &f, int off)
{
    return at(f, off) | (at(f, off + 1) << 8);
}

QList<QByteArray> frames(const QSignalSpy &spy)
{
    QList<QByteArray> out;
    for (const QList<QVariant> &args : spy)
        out.append(args.at(0).toByteArray());
    return out;
}

INFO_PANEL panel(int id, int x, int y, int w, int h)
{
    INFO_PANEL p;
    p.id = uint16_t(id);
    p.x = uint16_t(x);
    p.y = uint16_t(y);
    p.width = uint16_t(w);
    p.height = uint16_t(h);
    p.row = 1;
    p.col = 1;
    return p;
}

INFO_WINDOW window(int id, int x, int y, int w, int h)
{
    INFO_WINDOW r;
    r.winId = uint16_t(id);
    r.x = uint16_t(x);
    r.y = uint16_t(y);
    r.width = uint16_t(w);
    r.height = uint16_t(h);
    r.srcId = 1;
    return r;
}

void click(QGraphicsView *v, QPointF scenePt)
{
    const QPoint p = v->mapFromScene(scenePt);
    QMouseEvent press(QEvent::MouseButtonPress, p, v->viewport()->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, v->viewport()->mapToGlobal(p), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &release);
}

QList<QByteArray> withCmd(const QSignalSpy &spy, uint8_t cmd)
{
    QList<QByteArray> out;
    for (const QByteArray &f : frames(spy))
        if (f.size() > 6 && at(f, 4) == cmd)
            out << f;
    return out;
}

// Fires the debounce timer until the values settle (bounded).
int settle(QTimer *timer)
{
    int n = 0;
    while (timer->isActive() && n < 10) {
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout");
        ++n;
    }
    return n;
}

// The canvas tabs and both bars, wired as the main window wires them.
struct Bars
{
    SxTabWidget tabs;
    WidgetInRight right;
    WidgetInBottom bottom;
    Bars()
    {
        QObject::connect(&tabs, &SxTabWidget::emitItemPosChange, &bottom,
                         &WidgetInBottom::onViewItemPosChange);
        QObject::connect(&tabs, &SxTabWidget::emitPartFullChange, &right, &WidgetInRight::setPartFullScreen);
        QObject::connect(&bottom, &WidgetInBottom::emitSetWindowID, &right, &WidgetInRight::setWindowID);
        QObject::connect(&right, &WidgetInRight::emitPartFullScreen, &tabs, &SxTabWidget::setPartFullScreen);
    }
    QToolButton *local() { return right.findChild<QToolButton *>(QStringLiteral("btn_local")); }
};

// Dismisses the next message box and records its title and text.
struct BoxWatcher {
    QString title, text;
    void arm()
    {
        auto *t = new QTimer;
        t->setInterval(10);
        auto tries = std::make_shared<int>(0);
        QObject::connect(t, &QTimer::timeout, [this, t, tries] {
            auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
            if (box || ++*tries > 300) {
                t->stop();
                t->deleteLater();
            }
        });
        t->start();
    }
};
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

    template <typename T> T *child(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("missing child %s", name);
        return c;
    }

private slots:
    void initTestCase()
    {
        ks.cpuid = QStringLiteral("KS1");
        ks.type = 0;
        gw.cpuid = QStringLiteral("GW1");
        gw.type = 48;
        ksIface = new KS9200Interface(ks.cpuid, this);
        gwIface = new GW5Interface(gw.cpuid, this);
        auto records = [this](const QString &id) -> INFO_BASIC * {
            if (id.isEmpty())
                return current;
            return id == ks.cpuid ? static_cast<INFO_BASIC *>(&ks) : id == gw.cpuid ? &gw : nullptr;
        };
        auto interfaces = [this](const QString &id) -> Interface * {
            const QString cpuid = id.isEmpty() ? (current ? current->cpuid : QString()) : id;
            if (cpuid == ks.cpuid)
                return ksIface;
            if (cpuid == gw.cpuid)
                return gwIface;
            return nullptr;
        };
        DeviceLookup::install(records, interfaces,
                              [this] { return current ? current->cpuid : QString(); });
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
        auto btn = child<QToolButton>(&right, button.toLatin1().constData());
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        btn->click();
        QVERIFY(btn->isChecked());
        btn->click();
        const QList<QByteArray> f = frames(spy);
        QCOMPARE(f.size(), 4);
        QCOMPARE(f[0].size(), 23);
        QCOMPARE(int(at(f[0], 4)), cmd);
        QCOMPARE(int(at(f[0], 5)), 0);
        QCOMPARE(int(at(f[0], 6)), 1);
        QCOMPARE(f[1], Interface::requestFrame(uint8_t(readBack)));
        QCOMPARE(int(at(f[2], 4)), cmd);
        QCOMPARE(int(at(f[2], 6)), 0);
        QCOMPARE(f[3], Interface::requestFrame(uint8_t(readBack)));
    }

    void ksFadeCarriesFadePeriod()
    {
        WidgetInRight right;
        ks.other.fadePeriod = 12;
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        child<QToolButton>(&right, "btn_fade")->click();
        QList<QByteArray> f = frames(spy);
        QCOMPARE(f.size(), 2);
        QCOMPARE(f[0], KS9200Interface::setSwitchModeFrame(1, 12));
        QCOMPARE(int(at(f[0], 4)), 0x11);
        QCOMPARE(int(at(f[0], 7)), 12);
        QCOMPARE(f[1], Interface::requestFrame(0xEE));
        ks.other.fadePeriod = 0;
    }

    void ksWindowButtons()
    {
        WidgetInRight right;
        right.setDevice(&ks);
        right.setWindowID(3);
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        QSignalSpy own(&right, &WidgetInRight::emitSendData);
        QSignalSpy part(&right, &WidgetInRight::emitPartFullScreen);
        child<QToolButton>(&right, "btn_local")->click();
        QList<QByteArray> f = frames(spy);
        QCOMPARE(f.size(), 1);
        QCOMPARE(int(at(f[0], 4)), 0x12);
        QCOMPARE(int(at(f[0], 6)), 3);
        QCOMPARE(int(at(f[0], 7)), 1);
        QCOMPARE(part.count(), 1);
        QCOMPARE(part.at(0).at(0).toBool(), true);

        spy.clear();
        child<QToolButton>(&right, "btn_frameSync")->click();
        // The frame-sync frame goes through the panel's own signal, the read-back through the interface.
        QCOMPARE(own.count(), 1);
        const QByteArray sync = own.at(0).at(0).toByteArray();
        QCOMPARE(int(at(sync, 4)), 0x06);
        QCOMPARE(int(at(sync, 5)), 0x01);
        QCOMPARE(int(at(sync, 6)), 3);
        QCOMPARE(int(at(sync, 7)), 1);
        QCOMPARE(int(at(sync, 8)), 1);
        QCOMPARE(frames(spy), QList<QByteArray>{Interface::requestFrame(0xEE)});
    }

    void gwButtons()
    {
        current = &gw;
        WidgetInRight right;
        right.setDevice(&gw);
        QVERIFY(child<QToolButton>(&right, "btn_pip")->isHidden());
        QVERIFY(child<QToolButton>(&right, "btn_fade")->isHidden());
        QVERIFY(child<QToolButton>(&right, "btn_local")->isHidden());
        QVERIFY(!child<QToolButton>(&right, "btn_frameSync")->isHidden());
        QSignalSpy spy(gwIface, &Interface::emitSendData);
        QSignalSpy ksSpy(ksIface, &Interface::emitSendData);
        QSignalSpy own(&right, &WidgetInRight::emitSendData);
        child<QToolButton>(&right, "btn_freeze")->click();
        child<QToolButton>(&right, "btn_blackScreen")->click();
        // Picture-in-picture and fade are KS requests only.
        child<QToolButton>(&right, "btn_pip")->click();
        child<QToolButton>(&right, "btn_fade")->click();
        right.setWindowID(2);
        child<QToolButton>(&right, "btn_frameSync")->click();
        const QList<QByteArray> f = frames(spy);
        QCOMPARE(f.size(), 5);
        QCOMPARE(int(at(f[0], 4)), 0x10);
        QCOMPARE(int(at(f[0], 6)), 1);
        QCOMPARE(f[1], Interface::requestFrame(0xEE));
        QCOMPARE(int(at(f[2], 4)), 0x13);
        QCOMPARE(int(at(f[2], 6)), 1);
        QCOMPARE(f[3], Interface::requestFrame(0xEE));
        QCOMPARE(f[4], Interface::requestFrame(0xEE));
        QCOMPARE(own.count(), 1);
        QCOMPARE(own.at(0).at(0).toByteArray(), KS9200Interface::setFrameSyncFrame(2, 1));
        QCOMPARE(ksSpy.count(), 0);
    }

    void visibilityByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("pip");
        QTest::addColumn<bool>("fade");
        QTest::addColumn<bool>("local");
        QTest::newRow("0") << 0 << true << true << true;
        QTest::newRow("3") << 3 << false << true << true;
        QTest::newRow("16") << 16 << false << false << true;
        QTest::newRow("20") << 20 << false << false << true;
        QTest::newRow("48") << 48 << false << false << false;
    }
    void visibilityByType()
    {
        QFETCH(int, type);
        QFETCH(bool, pip);
        QFETCH(bool, fade);
        QFETCH(bool, local);
        WidgetInRight right;
        // From a GW device first, so every button has to come back where it is shown.
        right.setDevice(&gw);
        DEVICE_INFO_KS rec;
        rec.type = type;
        right.setDevice(&rec);
        QCOMPARE(!child<QToolButton>(&right, "btn_pip")->isHidden(), pip);
        QCOMPARE(!child<QToolButton>(&right, "btn_fade")->isHidden(), fade);
        QCOMPARE(!child<QToolButton>(&right, "btn_local")->isHidden(), local);
        QVERIFY(!child<QToolButton>(&right, "btn_frameSync")->isHidden());
    }

    void refreshAndSettersSendNothing()
    {
        WidgetInRight right;
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        QSignalSpy own(&right, &WidgetInRight::emitSendData);
        DEVICE_INFO_KS rec;
        rec.type = 0;
        rec.other.pip = 1;
        rec.other.switchMode = 1;
        rec.other.frameSync = 1;
        right.setDevice(&rec);
        QVERIFY(child<QToolButton>(&right, "btn_pip")->isChecked());
        QVERIFY(!child<QToolButton>(&right, "btn_freeze")->isChecked());
        QVERIFY(child<QToolButton>(&right, "btn_fade")->isChecked());
        QVERIFY(!child<QToolButton>(&right, "btn_blackScreen")->isChecked());
        QVERIFY(child<QToolButton>(&right, "btn_frameSync")->isChecked());
        DEVICE_INFO_GW g;
        g.type = 48;
        g.other.freeze = 1;
        g.other.blackScreen = 1;
        right.setDevice(&g);
        QVERIFY(child<QToolButton>(&right, "btn_freeze")->isChecked());
        QVERIFY(child<QToolButton>(&right, "btn_blackScreen")->isChecked());
        QVERIFY(!child<QToolButton>(&right, "btn_frameSync")->isChecked());
        right.setPartFullScreen(true);
        QVERIFY(child<QToolButton>(&right, "btn_local")->isChecked());
        right.setPIP(false);
        right.setFade(false);
        QVERIFY(!child<QToolButton>(&right, "btn_pip")->isChecked());
        right.setDevice(nullptr);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(own.count(), 0);
    }

    void noWindowShowsTip_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("local") << "btn_local";
        QTest::newRow("frameSync") << "btn_frameSync";
    }
    void noWindowShowsTip()
    {
        QFETCH(QString, button);
        WidgetInRight right;
        right.setWindowID(-1);
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        QSignalSpy own(&right, &WidgetInRight::emitSendData);
        BoxWatcher box;
        box.arm();
        auto btn = child<QToolButton>(&right, button.toLatin1().constData());
        btn->click();
        QCOMPARE(box.title, QStringLiteral("tips"));
        QCOMPARE(box.text, QStringLiteral("Please select a window"));
        QVERIFY(!btn->isChecked());
        QCOMPARE(spy.count(), 0);
        QCOMPARE(own.count(), 0);
    }

    void lockAndArrange()
    {
        WidgetInRight right;
        QSignalSpy lock(&right, &WidgetInRight::emitLockWindow);
        QSignalSpy hor(&right, &WidgetInRight::emitHorWindow);
        QSignalSpy ver(&right, &WidgetInRight::emitVerWindow);
        auto btnHor = child<QToolButton>(&right, "btn_hor");
        auto btnVer = child<QToolButton>(&right, "btn_ver");
        btnHor->click();
        btnVer->click();
        QCOMPARE(hor.count(), 1);
        QCOMPARE(ver.count(), 1);
        child<QToolButton>(&right, "btn_lockWindow")->click();
        QCOMPARE(lock.count(), 1);
        QCOMPARE(lock.at(0).at(0).toBool(), true);
        QVERIFY(!btnHor->isEnabled());
        QVERIFY(!btnVer->isEnabled());
        btnHor->click();
        QCOMPARE(hor.count(), 1);
        child<QToolButton>(&right, "btn_lockWindow")->click();
        QCOMPARE(lock.at(1).at(0).toBool(), false);
        QVERIFY(btnHor->isEnabled());
        QVERIFY(btnVer->isEnabled());
    }

    void widthBelowMinimum()
    {
        WidgetInBottom bottom;
        bottom.onViewItemPosChange(1, QRect(100, 100, 300, 200), QRect(0, 0, 1920, 1080));
        auto timer = bottom.findChild<QTimer *>(QStringLiteral("debounceTimer"));
        QVERIFY(timer);
        QVERIFY(!timer->isActive()); // filling from the canvas is no edit
        QCOMPARE(timer->interval(), 900);
        child<QSpinBox>(&bottom, "spinBox_w")->setValue(10);
        QVERIFY(timer->isActive());
        QCOMPARE(child<QSpinBox>(&bottom, "spinBox_w")->value(), 10);
        settle(timer);
        QCOMPARE(child<QSpinBox>(&bottom, "spinBox_w")->value(), 64);
        child<QSpinBox>(&bottom, "spinBox_h")->setValue(3);
        settle(timer);
        QCOMPARE(child<QSpinBox>(&bottom, "spinBox_h")->value(), 64);
    }

    void clampIntoPanel()
    {
        WidgetInBottom bottom;
        auto timer = bottom.findChild<QTimer *>(QStringLiteral("debounceTimer"));
        const QRect panel(1920, 0, 1920, 1080);
        bottom.onViewItemPosChange(1, QRect(2000, 100, 300, 200), panel);
        child<QSpinBox>(&bottom, "spinBox_x")->setValue(3800);
        settle(timer);
        QCOMPARE(bottom.spinRect(), QRect(3540, 100, 300, 200)); // flush with the right edge
        child<QSpinBox>(&bottom, "spinBox_x")->setValue(100);
        settle(timer);
        QCOMPARE(bottom.spinRect().x(), 1920);
        child<QSpinBox>(&bottom, "spinBox_y")->setValue(1000);
        settle(timer);
        QCOMPARE(bottom.spinRect().y(), 880);
        child<QSpinBox>(&bottom, "spinBox_w")->setValue(5000);
        settle(timer);
        QCOMPARE(bottom.spinRect().width(), 1920);
        child<QSpinBox>(&bottom, "spinBox_h")->setValue(900);
        settle(timer);
        QCOMPARE(bottom.spinRect(), QRect(1920, 880, 1920, 200));
        // A window wider than its panel settles instead of swinging between the edges.
        bottom.onViewItemPosChange(1, QRect(1920, 0, 2500, 200), panel);
        child<QSpinBox>(&bottom, "spinBox_x")->setValue(2000);
        QVERIFY(settle(timer) < 10);
        QCOMPARE(bottom.spinRect().x(), 1920);
    }

    void quickChangesSendNothingUntilOk()
    {
        SxGraphicsViewKS view;
        view.setCpuid(ks.cpuid);
        view.setDeviceType(0);
        view.setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        WidgetInBottom bottom;
        WidgetInRight right;
        connect(&view, &SxGraphicsView::emitItemPosChange, &bottom, &WidgetInBottom::onViewItemPosChange);
        connect(&bottom, &WidgetInBottom::emitSetWindowPos, &view, &SxGraphicsView::setWindowItemPos);
        connect(&bottom, &WidgetInBottom::emitSetWindowID, &right, &WidgetInRight::setWindowID);
        view.setWindows({window(4, 100, 100, 640, 480)});
        QCOMPARE(bottom.windowID(), 4);
        QCOMPARE(right.windowID(), 4);
        QCOMPARE(bottom.panelRect(), QRect(0, 0, 1920, 1080));
        QSignalSpy write(&bottom, &WidgetInBottom::emitWriteData);
        QSignalSpy pos(&bottom, &WidgetInBottom::emitSetWindowPos);
        QSignalSpy viewWrite(&view, &SxGraphicsView::emitWriteData);
        QSignalSpy ksSpy(ksIface, &Interface::emitSendData);
        auto timer = bottom.findChild<QTimer *>(QStringLiteral("debounceTimer"));
        child<QSpinBox>(&bottom, "spinBox_x")->setValue(200);
        child<QSpinBox>(&bottom, "spinBox_y")->setValue(150);
        child<QSpinBox>(&bottom, "spinBox_w")->setValue(800);
        child<QSpinBox>(&bottom, "spinBox_h")->setValue(600);
        settle(timer);
        QCOMPARE(write.count() + pos.count() + viewWrite.count() + ksSpy.count(), 0);
        QCOMPARE(view.windowItem(4)->windowRect(), QRect(100, 100, 640, 480));
        child<QPushButton>(&bottom, "btn_ok")->click();
        QCOMPARE(pos.count(), 1);
        QCOMPARE(pos.at(0).at(0).toRect(), QRect(200, 150, 800, 600));
        QCOMPARE(pos.at(0).at(1).toBool(), false);
        QCOMPARE(view.windowItem(4)->windowRect(), QRect(200, 150, 800, 600));
        QCOMPARE(write.count(), 1);
        const QByteArray f = write.at(0).at(0).toByteArray();
        QCOMPARE(f.size(), 23);
        QCOMPARE(int(at(f, 4)), 0x03);
        QCOMPARE(int(at(f, 5)), 0x00);
        QCOMPARE(int(at(f, 6)), 4);
        QCOMPARE(u16(f, 7), 200);
        QCOMPARE(u16(f, 9), 150);
        QCOMPARE(u16(f, 11), 800);
        QCOMPARE(u16(f, 13), 600);
        QCOMPARE(viewWrite.count(), 0);
    }

    void okGwAndWithoutTarget()
    {
        current = &gw;
        SxGraphicsViewGW view;
        view.setCpuid(gw.cpuid);
        view.setDeviceType(48);
        view.setPanels({panel(0, 0, 0, 1920, 1080)}, false);
        WidgetInBottom bottom;
        connect(&view, &SxGraphicsView::emitItemPosChange, &bottom, &WidgetInBottom::onViewItemPosChange);
        connect(&bottom, &WidgetInBottom::emitSetWindowPos, &view, &SxGraphicsView::setWindowItemPos);
        view.setWindows({window(2, 0, 0, 960, 540)});
        QSignalSpy write(&bottom, &WidgetInBottom::emitWriteData);
        QSignalSpy pos(&bottom, &WidgetInBottom::emitSetWindowPos);
        QSignalSpy gwSpy(gwIface, &Interface::emitSendData);
        child<QSpinBox>(&bottom, "spinBox_x")->setValue(960);
        child<QPushButton>(&bottom, "btn_ok")->click();
        QCOMPARE(pos.count(), 1);
        QCOMPARE(pos.at(0).at(0).toRect(), QRect(960, 0, 960, 540));
        QCOMPARE(pos.at(0).at(1).toBool(), true);
        QCOMPARE(write.count(), 0);
        QCOMPARE(view.windowItem(2)->windowRect(), QRect(960, 0, 960, 540));
        // The canvas sends the GW move between the output hold and its release.
        const QList<QByteArray> f = frames(gwSpy);
        QVERIFY(f.size() >= 2);
        QCOMPARE(int(at(f.first(), 4)), 0xF1);
        QCOMPARE(int(at(f.first(), 6)), 0);
        QCOMPARE(int(at(f.last(), 4)), 0xF1);
        QCOMPARE(int(at(f.last(), 6)), 1);

        pos.clear();
        bottom.onViewItemPosChange(-1, QRect(), QRect());
        child<QPushButton>(&bottom, "btn_ok")->click();
        current = nullptr;
        bottom.onViewItemPosChange(2, QRect(0, 0, 100, 100), QRect(0, 0, 1920, 1080));
        child<QPushButton>(&bottom, "btn_ok")->click();
        QCOMPARE(pos.count(), 0);
        QCOMPARE(write.count(), 0);
    }

    // Both panels wired to a canvas with three windows on two panels, as the main window does.
    void followCanvasSelection()
    {
        SxGraphicsViewKS view;
        view.setCpuid(ks.cpuid);
        view.setDeviceType(0);
        view.setPanels({panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 1920, 1080)}, false);
        WidgetInBottom bottom;
        WidgetInRight right;
        right.setDevice(&ks);
        connect(&view, &SxGraphicsView::emitItemPosChange, &bottom, &WidgetInBottom::onViewItemPosChange);
        connect(&bottom, &WidgetInBottom::emitSetWindowPos, &view, &SxGraphicsView::setWindowItemPos);
        connect(&bottom, &WidgetInBottom::emitSetWindowID, &right, &WidgetInRight::setWindowID);
        connect(&right, &WidgetInRight::emitLockWindow, &view, &SxGraphicsView::setLockWindow);
        connect(&right, &WidgetInRight::emitHorWindow, &view, &SxGraphicsView::setHorWindow);
        view.resize(900, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setWindows({window(0, 100, 100, 640, 480), window(1, 2000, 200, 800, 600),
                         window(2, 900, 500, 400, 300)});
        QCOMPARE(view.windowItemList().size(), 3);

        click(&view, QPointF(2400, 500));
        QCOMPARE(view.currentWindowId(), 1);
        QCOMPARE(bottom.windowID(), 1);
        QCOMPARE(right.windowID(), 1);
        QCOMPARE(bottom.panelRect(), QRect(1920, 0, 1920, 1080));
        QCOMPARE(bottom.spinRect(), QRect(2000, 200, 800, 600));

        auto timer = bottom.findChild<QTimer *>(QStringLiteral("debounceTimer"));
        child<QSpinBox>(&bottom, "spinBox_x")->setValue(3500);
        settle(timer);
        QSignalSpy write(&bottom, &WidgetInBottom::emitWriteData);
        child<QPushButton>(&bottom, "btn_ok")->click();
        QCOMPARE(view.windowItem(1)->windowRect(), QRect(3040, 200, 800, 600));
        QCOMPARE(view.windowItem(0)->windowRect(), QRect(100, 100, 640, 480));
        QCOMPARE(write.count(), 1);
        QCOMPARE(write.at(0).at(0).toByteArray(), KS9200Interface::setWindowGeometryFrame(1, 3040, 200, 800, 600));

        // Window 0 is a real window, not "no selection".
        click(&view, QPointF(300, 300));
        QCOMPARE(right.windowID(), 0);
        QCOMPARE(bottom.panelRect(), QRect(0, 0, 1920, 1080));
        QSignalSpy ksSpy(ksIface, &Interface::emitSendData);
        QSignalSpy own(&right, &WidgetInRight::emitSendData);
        child<QToolButton>(&right, "btn_frameSync")->click();
        QCOMPARE(own.count(), 1);
        QCOMPARE(int(at(own.at(0).at(0).toByteArray(), 6)), 0);
        child<QToolButton>(&right, "btn_local")->click();
        QCOMPARE(withCmd(ksSpy, 0x12).size(), 1);
        QCOMPARE(int(at(withCmd(ksSpy, 0x12).first(), 6)), 0);

        child<QToolButton>(&right, "btn_lockWindow")->click();
        QVERIFY(view.isLocked());
        QVERIFY(!child<QToolButton>(&right, "btn_hor")->isEnabled());
        child<QToolButton>(&right, "btn_lockWindow")->click();
        QVERIFY(!view.isLocked());
        QSignalSpy viewWrite(&view, &SxGraphicsView::emitWriteData);
        child<QToolButton>(&right, "btn_hor")->click();
        // One geometry frame per window, in window id order.
        const QList<QByteArray> geo = withCmd(viewWrite, 0x03);
        QCOMPARE(geo.size(), 3);
        QCOMPARE(int(at(geo[0], 6)), 0);
        QCOMPARE(int(at(geo[2], 6)), 2);
    }

    // The local button and the selected window follow the current tab only: a GW device read back
    // meanwhile (its windows always carry the part-full flag) changes neither.
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
        QCOMPARE(bars.right.windowID(), 1);
        QCOMPARE(bars.bottom.windowID(), 1);

        // A read-back of the selected window's flag shows, whichever way it went.
        w.flag2 = 1;
        ksView->setWindows({w});
        QVERIFY(bars.local()->isChecked());
        w.flag2 = 0;
        ksView->setWindows({w});
        QVERIFY(!bars.local()->isChecked());

        // Each tab made current shows its own selected window.
        bars.tabs.setCurrentIndex(1);
        QCOMPARE(bars.right.windowID(), 3);
        QVERIFY(bars.local()->isChecked());
        bars.tabs.setCurrentIndex(0);
        QCOMPARE(bars.right.windowID(), 1);
        QCOMPARE(bars.bottom.spinRect(), QRect(0, 0, 960, 540));
        QVERIFY(!bars.local()->isChecked());

        // One click turns it on.
        QSignalSpy spy(ksIface, &Interface::emitSendData);
        bars.local()->click();
        QCOMPARE(withCmd(spy, 0x12).size(), 1);
        QCOMPARE(int(at(withCmd(spy, 0x12).first(), 6)), 1);
        QCOMPARE(int(at(withCmd(spy, 0x12).first(), 7)), 1);
    }

    // Once the selected window is gone, both bars fall back to no selection and the per-window
    // buttons ask for one instead of sending for the window that no longer exists.
    void removedWindowLeavesNoSelection_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("remove") << "remove";
        QTest::newRow("auto-removed") << "auto";
        QTest::newRow("remove all") << "all";
        QTest::newRow("delete key") << "key";
        QTest::newRow("panels read again") << "panels";
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
        if (how == "remove")
            view->removeWindow(2);
        else if (how == "auto")
            bars.tabs.removeWindow(2);
        else if (how == "all")
            view->removeAllWindow();
        else if (how == "key")
            QTest::keyClick(view, Qt::Key_Delete);
        else
            view->addPanel(panel(0, 0, 0, 1920, 1080));
        QCOMPARE(bars.bottom.windowID(), -1);
        QCOMPARE(bars.right.windowID(), -1);
        QCOMPARE(bars.bottom.spinRect(), QRect());
        QSignalSpy own(&bars.right, &WidgetInRight::emitSendData);
        QSignalSpy gwSpy(gwIface, &Interface::emitSendData);
        BoxWatcher box;
        box.arm();
        child<QToolButton>(&bars.right, "btn_frameSync")->click();
        QCOMPARE(box.text, QStringLiteral("Please select a window"));
        QCOMPARE(own.count() + gwSpy.count(), 0);
    }

    // The multi-select combo box of the timed-task dialog: bit i is item i.
    void multiComboMask()
    {
        SxMultiComboBox combo;
        for (int i = 1; i <= 10; ++i)
            combo.addCheckItem(QStringLiteral("Preset %1").arg(i));
        QSignalSpy changed(&combo, &SxMultiComboBox::checkedChanged);
        combo.setCheckedMask(0x0005);
        QVERIFY(combo.isItemChecked(0));
        QVERIFY(!combo.isItemChecked(1));
        QVERIFY(combo.isItemChecked(2));
        QCOMPARE(combo.checkedText(), QStringLiteral("Preset 1,Preset 3"));
        QCOMPARE(changed.last().at(0).toInt(), 0x0005);
        combo.setItemChecked(9, true);
        QCOMPARE(combo.checkedMask(), 0x0205);
        // Bits beyond the items and indexes out of range are ignored.
        combo.setCheckedMask(0xFC00 | 0x2);
        QCOMPARE(combo.checkedMask(), 0x2);
        combo.setItemChecked(10, true);
        combo.setItemChecked(-1, true);
        QVERIFY(!combo.isItemChecked(10));
        QCOMPARE(combo.checkedMask(), 0x2);
    }

    void onlineDisplay()
    {
        WidgetInBottom bottom;
        auto status = child<QLabel>(&bottom, "label_status");
        QCOMPARE(status->text(), QStringLiteral("offline"));
        bottom.setOnline(true);
        QVERIFY(bottom.isOnline());
        QCOMPARE(status->text(), QStringLiteral("online"));
        bottom.switchLanguage();
        QCOMPARE(status->text(), QStringLiteral("online"));
        bottom.setOnline(false);
        QCOMPARE(status->text(), QStringLiteral("offline"));
        QCOMPARE(child<QSpinBox>(&bottom, "spinBox_w")->maximum(), 999999);
        QCOMPARE(child<QSpinBox>(&bottom, "spinBox_x")->maximum(), 999999);
    }
};

QTEST_MAIN(TestRightBottom)
#include "tst_ui_rightbottom.moc"
