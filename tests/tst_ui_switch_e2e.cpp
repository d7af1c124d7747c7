// Switching a window's input end to end against vpsim over TCP: a double click on a source button switches
// the selected window on the device, and the canvas shows the new input only once the read-back brings it;
// a GW device that refuses (--refuse-switch) answers nothing and the canvas stays as it was.
#include "BoxCatcher.h"
#include "CanvasUi.h"
#include "CommManager.h"
#include "GW5Interface.h"
#include "MainWindow.h"
#include "SimProcess.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsView.h"
#include "SxProgressIndicator.h"
#include "SxSignalBoxButton.h"
#include "SxTabWidget.h"
#include "TestSupport.h"
#include "WidgetInLeft.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
using TestSupport::waitUntil;

// The source id the simulator stores for window `winId`; -1 when it has no such window.
int simSource(SimProcess &sim, const QString &cpuid, int winId)
{
    const SimProcess::Device *d = sim.refresh() ? sim.device(cpuid) : nullptr;
    const QJsonArray windows = d ? d->state.value("windows").toArray() : QJsonArray();
    for (int i = 0; i < windows.size(); ++i) {
        const QJsonObject o = windows.at(i).toObject();
        const int id = o.contains("id") ? o.value("id").toInt() : i;
        if (id == winId)
            return o.value("src").toInt();
    }
    return -1;
}
} // namespace

class TestUiSwitchE2e : public QObject
{
    Q_OBJECT
    QTemporaryDir settingsDir;

private slots:
    void initTestCase()
    {
        CanvasUi::privateSettings(settingsDir.path());
        QVERIFY2(QFile::exists(SimProcess::binary()), "VPSIM must name the vpsim binary");
    }

    void doubleClickSwitchesOnTheDevice_data()
    {
        CanvasUi::columns<QString, QString, bool>("model", "address", "refuse");
        QTest::newRow("KS9200") << "KS9200" << "127.0.51.2" << false;
        QTest::newRow("GW5") << "GW5" << "127.0.51.3" << false;
        QTest::newRow("GW5 refusing") << "GW5" << "127.0.51.5" << true;
    }

    void doubleClickSwitchesOnTheDevice()
    {
        const auto [model, address, refuse] = CanvasUi::fetch<QString, QString, bool>("model", "address", "refuse");
        SimProcess sim;
        QStringList args{"--device", model + ":addr=" + address};
        if (refuse)
            args << "--refuse-switch";
        QVERIFY2(sim.start(args), qPrintable(sim.errorString()));
        QCOMPARE(sim.devices().size(), 1);
        const QString cpuid = sim.devices().at(0).cpuid;

        MainWindow w;
        w.show();
        BoxCatcher boxes;
        // Reach the device over TCP and let it announce itself there.
        CommManager *comm = w.commManager();
        const uint key = comm->connectTcp(QHostAddress(address), CommManager::DeviceTcpPort);
        QVERIFY(key != 0);
        QVERIFY(waitUntil([&] { return comm->linkType(key) == CommManager::LinkTcp; }));
        comm->write(key, makeSearchFrame());
        QVERIFY(waitUntil([&] { return w.record(cpuid) != nullptr; }));
        w.tabWidget()->addDevice(w.record(cpuid));
        QCOMPARE(w.currentCpuid(), cpuid);

        // The full read-back fills the canvas.
        w.onTitleSync();
        SxGraphicsView *view = w.tabWidget()->viewFor(cpuid);
        QVERIFY(view);
        QVERIFY(waitUntil([&] { return !w.busy()->isAnimated() && !view->windowItemList().isEmpty(); }));
        auto *left = w.findChild<WidgetInLeft *>(QStringLiteral("LeftWidget"));
        QVERIFY(left);
        QVERIFY(waitUntil([&] { return left->sourceButtons().size() > 1; }));

        // Select a window on the canvas as the operator does.
        const QPointF at = view->windowItemList().first()->sceneBoundingRect().center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->mapFromScene(at));
        const int winId = view->currentWindowId();
        QVERIFY(winId >= 0);
        const int before = view->windowItem(winId)->input();
        QCOMPARE(simSource(sim, cpuid, winId), before);

        const QList<SxSignalBoxButton *> buttons = left->sourceButtons();
        SxSignalBoxButton *target = buttons.value(buttons.first()->sourceId() == before);
        QVERIFY(target && target->sourceId() != before);
        const int src = target->sourceId();
        const int logStart = sim.log().size();
        std::unique_ptr<QSignalSpy> gwWindows;
        if (model == "GW5")
            gwWindows.reset(new QSignalSpy(w.gwInterface(cpuid), &GW5Interface::emitWindowData));
        QTest::mouseDClick(target, Qt::LeftButton);
        const int windowsAtSwitch = gwWindows ? gwWindows->count() : 0;
        // Nothing is shown before the device answers.
        QCOMPARE(view->windowItem(winId)->input(), before);
        QVERIFY(waitUntil([&] { return sim.countFrames(cpuid, "rx", 0x08, 0x00, logStart) == 1; }));

        if (!refuse) {
            QVERIFY(waitUntil([&] { return simSource(sim, cpuid, winId) == src; }));
            QVERIFY(waitUntil([&] { return view->windowItem(winId) && view->windowItem(winId)->input() == src; }));
        } else { // the GW device's refusal carries no message; the follow-up read-back shows the old input
            QVERIFY(waitUntil([&] { return gwWindows->count() > windowsAtSwitch; }));
            QVERIFY(view->windowItem(winId));
            QCOMPARE(view->windowItem(winId)->input(), before);
            QCOMPARE(simSource(sim, cpuid, winId), before);
        }
        QVERIFY(sim.countFrames(cpuid, "rx", 0xE2, -1, logStart) > 0); // a window read-back followed
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('|')));
    }
};

QTEST_MAIN(TestUiSwitchE2e)
#include "tst_ui_switch_e2e.moc"
