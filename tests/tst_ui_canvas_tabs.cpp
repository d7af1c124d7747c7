// Canvas tabs: one per device, the placeholder, offline marking, look-up by cpuid and the relays.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"
#include "SxTabWidget.h"

#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

class TestCanvasTabs : public QObject
{
    Q_OBJECT
private slots:
    void placeholderGoesWithTheFirstDevice()
    {
        SxTabWidget tabs;
        INFO_BASIC placeholder;
        tabs.addDevice(&placeholder);
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.currentCpuid(), QStringLiteral("Error"));
        tabs.addDevice(&placeholder); // reported again: stays
        QCOMPARE(tabs.count(), 1);

        DEVICE_INFO_KS a;
        a.cpuid = QStringLiteral("AA01");
        a.type = 3;
        a.online = 1;
        a.name = QStringLiteral("hall");
        // Whoever follows the current tab finds the new device's cpuid when it becomes current.
        QStringList currentIds;
        connect(&tabs, &QTabWidget::currentChanged, &tabs, [&](int) { currentIds << tabs.currentCpuid(); });
        tabs.addDevice(&a);
        QCOMPARE(currentIds.last(), QStringLiteral("AA01"));
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.tabBar()->tabData(0).toString(), QStringLiteral("AA01"));
        QCOMPARE(tabs.tabText(0), QStringLiteral("hall"));
        QVERIFY(qobject_cast<SxGraphicsViewKS *>(tabs.viewFor(QStringLiteral("aa01"))));

        DEVICE_INFO_GW b;
        b.cpuid = QStringLiteral("BB02");
        b.type = 48;
        b.online = 1;
        tabs.addDevice(&b);
        tabs.addDevice(&b);
        QCOMPARE(tabs.count(), 2);
        QCOMPARE(tabs.tabText(1), QStringLiteral("GW5"));
        QVERIFY(qobject_cast<SxGraphicsViewGW *>(tabs.viewFor(QStringLiteral("BB02"))));
        QCOMPARE(tabs.viewFor(QStringLiteral("BB02"))->getDeviceType(), 48);
        QCOMPARE(tabs.viewFor(QStringLiteral("BB02"))->getCpuid(), QStringLiteral("BB02"));
        QVERIFY(!tabs.viewFor(QStringLiteral("Error")));

        INFO_BASIC other;
        other.cpuid = QStringLiteral("CC03");
        other.type = 19;
        tabs.addDevice(&other);
        other.type = 49;
        tabs.addDevice(&other);
        QCOMPARE(tabs.count(), 2);
        QVERIFY(!tabs.viewFor(QStringLiteral("CC03")));
    }

    void offlineMarkedOnceAndCleared()
    {
        SxTabWidget tabs;
        DEVICE_INFO_KS a;
        a.cpuid = QStringLiteral("AA01");
        a.type = 3;
        a.hasUsb = 1;
        a.online = 1;
        tabs.addDevice(&a);
        QCOMPARE(tabs.tabText(0), QStringLiteral("KS9200U"));
        a.online = 0;
        tabs.updateTab(&a);
        tabs.updateTab(&a);
        QCOMPARE(tabs.tabText(0), QStringLiteral("KS9200U - offline"));
        a.online = 1;
        a.hasSdi = 1;
        tabs.addDevice(&a); // a second report only refreshes the text
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.tabText(0), QStringLiteral("KS9200US"));
        tabs.updateTab(nullptr);
    }

    void lockReachesEveryTabAndRelaysWork()
    {
        SxTabWidget tabs;
        DEVICE_INFO_KS a;
        a.cpuid = QStringLiteral("AA01");
        a.type = 0;
        DEVICE_INFO_KS b;
        b.cpuid = QStringLiteral("BB02");
        b.type = 0;
        tabs.addDevice(&a);
        tabs.addDevice(&b);
        tabs.setCurrentIndex(1);
        tabs.setLockWindow(true);
        SxGraphicsView *hidden = tabs.viewFor(QStringLiteral("AA01"));
        QVERIFY(hidden->isLocked());
        QVERIFY(hidden->windowItem(0)->locked());
        QVERIFY(tabs.viewFor(QStringLiteral("BB02"))->isLocked());

        QSignalSpy removed(&tabs, &SxTabWidget::emitRemoveWindow);
        QSignalSpy pos(&tabs, &SxTabWidget::emitItemPosChange);
        tabs.removeWindow(0);
        QCOMPARE(removed.count(), 1);
        QVERIFY(tabs.activeView()->windowItemList().isEmpty());
        QCOMPARE(hidden->windowItemList().size(), 1);
        // Selection is relayed from the current tab only.
        emit hidden->emitItemPosChange(4, QRect(1, 2, 3, 4), QRect());
        QCOMPARE(pos.count(), 0);
        emit tabs.activeView()->emitItemPosChange(5, QRect(1, 2, 3, 4), QRect());
        QCOMPARE(pos.count(), 1);
        QCOMPARE(pos.at(0).at(0).toInt(), 5);
        tabs.setCurrentIndex(0);
        tabs.setPartFullScreen(true);
        QVERIFY(hidden->getCurrentItem() == nullptr || hidden->getCurrentItem()->partFull());
        QCOMPARE(tabs.currentCpuid(), QStringLiteral("AA01"));
    }
};

QTEST_MAIN(TestCanvasTabs)
#include "tst_ui_canvas_tabs.moc"
