// The application shell offscreen: busy indicator, frameless window, title bar and canvas dialogs.
#include "CanvasUi.h"
#include "DialogAddWindow.h"
#include "DialogAttribute.h"
#include "DialogChromaKey.h"
#include "DialogDiagnostics.h"
#include "DialogMosaic.h"
#include "DialogSearch.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "MainWindow.h"
#include "RecordBuilders.h"
#include "SxBaseWidget.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"
#include "SxTabWidget.h"
#include "SxTitleWidget.h"
#include "TestSupport.h"
#include "UiLookup.h"
#include "UiModalC.h"
#include "UiRecordsC.h"

#include <QtTest>
#include <QtWidgets>

using UiC::panel;
using UiC::window;

namespace {
void sendMouse(QWidget *target, QEvent::Type type, const QPoint &local, const QPoint &global)
{
    QMouseEvent e(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

void drag(QWidget *target, const QPoint &local, const QPoint &by)
{
    const QPoint g = target->mapToGlobal(local);
    sendMouse(target, QEvent::MouseButtonPress, local, g);
    sendMouse(target, QEvent::MouseMove, local, g + by);
    sendMouse(target, QEvent::MouseButtonRelease, local, g + by);
}

void rightPress(QGraphicsView *v, QPointF scenePt)
{
    const QPoint p = v->mapFromScene(scenePt);
    QMouseEvent e(QEvent::MouseButtonPress, p, v->viewport()->mapToGlobal(p), Qt::RightButton, Qt::RightButton,
                  Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &e);
}

QString addCurrentDevice(MainWindow &w, int type, int n)
{
    const QByteArray id = UiC::idBytes(n, 0x51);
    w.slotHandleData(0, 7, QString(), TestSupport::replyHeader(0xFF, 0x00), UiC::announcement(type, id),
                     QHostAddress(QStringLiteral("127.0.0.1")), 8990);
    const QString cpuid = cpuidFromBytes(id);
    w.tabWidget()->addDevice(w.record(cpuid));
    for (int i = 0; i < w.tabWidget()->count(); ++i)
        if (w.tabWidget()->tabBar()->tabData(i).toString() == cpuid) w.tabWidget()->setCurrentIndex(i);
    return cpuid;
}

int spin(QWidget *d, const char *name) { return child<QSpinBox>(d, name)->value(); }
} // namespace

class TestUiShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CanvasUi::privateSettings(settingsDir.path());
    }
    // It turns over its parent; a modal run ends by the stop timer, whose expiry restores the default.
    void indicator()
    {
        QWidget parent;
        parent.setGeometry(40, 30, 300, 200);
        parent.show();
        SxProgressIndicator busy(&parent);
        busy.startAnimation(false);
        QVERIFY(busy.isVisible() && busy.isAnimated() && busy.stopTimer()->isActive());
        QCOMPARE(busy.geometry(), parent.geometry());
        QTRY_VERIFY(busy.angle() != 0);
        QCOMPARE(busy.angle() % 30, 0);
        busy.setStopTime(700);
        busy.stopAnimation();
        QVERIFY(!busy.isVisible() && !busy.isAnimated() && !busy.stopTimer()->isActive());
        QCOMPARE(busy.result(), int(QDialog::Accepted));
        busy.setStopTime(50);
        bool rescued = false; // a bound in case the stop timer never ends the run
        QTimer::singleShot(10000, &busy, [&] { rescued = true; busy.done(QDialog::Rejected); });
        busy.startAnimation(true);
        QVERIFY(!rescued);
        QCOMPARE(busy.result(), int(QDialog::Accepted));
        QVERIFY(!busy.isAnimated() && !busy.isVisible());
        QCOMPARE(busy.stopTime(), 5000);
    }
    void zones_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("zone");
        using Z = SxBaseWidget;
        QTest::newRow("left") << QPoint(3, 150) << int(Z::ZoneLeft);
        QTest::newRow("left band ends before 8") << QPoint(8, 150) << int(Z::ZoneCaption);
        QTest::newRow("outermost column") << QPoint(0, 150) << int(Z::ZoneCaption);
        QTest::newRow("right") << QPoint(397, 150) << int(Z::ZoneRight);
        QTest::newRow("right band starts after 392") << QPoint(392, 150) << int(Z::ZoneCaption);
        QTest::newRow("top") << QPoint(200, 7) << int(Z::ZoneTop);
        QTest::newRow("bottom") << QPoint(200, 297) << int(Z::ZoneBottom);
        QTest::newRow("top-left") << QPoint(3, 3) << int(Z::ZoneTopLeft);
        QTest::newRow("top-right") << QPoint(397, 3) << int(Z::ZoneTopRight);
        QTest::newRow("bottom-left") << QPoint(3, 297) << int(Z::ZoneBottomLeft);
        QTest::newRow("bottom-right, 3 px from both edges") << QPoint(397, 297) << int(Z::ZoneBottomRight);
        QTest::newRow("outside") << QPoint(400, 150) << int(Z::ZoneNone);
        QTest::newRow("outside above") << QPoint(200, -1) << int(Z::ZoneNone);
    }
    void zones()
    {
        QFETCH(QPoint, point);
        QFETCH(int, zone);
        QCOMPARE(int(SxBaseWidget::zoneAt(point, QSize(400, 300), 8)), zone);
    }
    void childWidgetsAreNoBorder()
    {
        SxBaseWidget w;
        w.resize(400, 300);
        (new QPushButton(&w))->setGeometry(0, 0, 60, 30);
        QCOMPARE(w.hitZone(QPoint(3, 3)), SxBaseWidget::ZoneNone);
        QCOMPARE(w.hitZone(QPoint(100, 3)), SxBaseWidget::ZoneTop);
    }
    void mouseDragAndResizeFallback()
    {
        SxBaseWidget w;
        auto *label = new QLabel(QStringLiteral("caption"), &w);
        label->setGeometry(100, 20, 120, 30);
        auto *button = new QPushButton(QStringLiteral("ok"), &w);
        button->setGeometry(100, 200, 80, 30);
        w.setGeometry(100, 100, 400, 300);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint start = w.pos();
        // An empty area: the window follows the mouse, but not for a jitter below the drag distance.
        const QPoint g = w.mapToGlobal(QPoint(300, 150));
        sendMouse(&w, QEvent::MouseButtonPress, QPoint(300, 150), g);
        sendMouse(&w, QEvent::MouseMove, QPoint(300, 150), g + QPoint(1, 1));
        QVERIFY(!w.isDragging());
        QCOMPARE(w.pos(), start);
        sendMouse(&w, QEvent::MouseMove, QPoint(300, 150), g + QPoint(30, 20));
        QVERIFY(w.isDragging());
        QCOMPARE(w.pos(), start + QPoint(30, 20));
        sendMouse(&w, QEvent::MouseButtonRelease, QPoint(300, 150), g + QPoint(30, 20));
        QVERIFY(!w.isDragging());
        QCOMPARE(w.size(), QSize(400, 300));
        const QPoint moved = w.pos();
        drag(label, QPoint(10, 10), QPoint(-50, 5));
        QCOMPARE(w.pos(), moved + QPoint(-50, 5));
        const QPoint before = w.pos();
        drag(button, QPoint(5, 5), QPoint(40, 40));
        QCOMPARE(w.pos(), before);
        // The bottom-right corner resizes, the top-left corner stays; the left edge moves the left side only.
        const QPoint corner = w.mapToGlobal(QPoint(397, 297));
        sendMouse(&w, QEvent::MouseButtonPress, QPoint(397, 297), corner);
        QVERIFY(w.isResizing() && !w.isDragging());
        sendMouse(&w, QEvent::MouseMove, QPoint(397, 297), corner + QPoint(50, 40));
        sendMouse(&w, QEvent::MouseButtonRelease, QPoint(397, 297), corner + QPoint(50, 40));
        QCOMPARE(w.geometry(), QRect(before, QSize(450, 340)));
        QVERIFY(!w.isResizing());
        drag(&w, QPoint(3, 150), QPoint(20, 0));
        QCOMPARE(w.geometry(), QRect(before + QPoint(20, 0), QSize(430, 340)));
    }
    // Each command button emits its own signal and shows its icon; resources and the About box load.
    void titleCommandButtons()
    {
        SxBaseWidget::initResources();
        QVERIFY(!SxBaseWidget::applicationStyleSheet().isEmpty());
        SxTitleWidget t;
        t.show();
        const QList<QToolButton *> buttons = t.findChildren<QToolButton *>(QStringLiteral("mainToolButton"));
        QCOMPARE(buttons.size(), 11);
        QMap<QString, QSignalSpy *> spies;
        using T = SxTitleWidget;
        const QList<QPair<QString, void (T::*)()>> commands{
            {"Sync", &T::emitSync},       {"Output", &T::emitOutputSetting}, {"EDID", &T::emitEDID},
            {"Audio", &T::emitAudioSetting}, {"Image", &T::emitImageSetting}, {"Test", &T::emitTestImage},
            {"USB", &T::emitUsbPlay},     {"Upgrade", &T::emitUpgrade},      {"Factory", &T::emitFactorySetting},
            {"MultiMachine", &T::emitMenuMultiMachine}};
        for (const auto &c : commands) spies.insert(c.first, new QSignalSpy(&t, c.second));
        spies.insert("Search", new QSignalSpy(&t, &T::emitSearch));
        QSet<QString> seen;
        for (QToolButton *b : buttons) {
            const QString command = b->property("command").toString();
            QVERIFY2(spies.contains(command) && !b->icon().pixmap(16, 16).isNull(), qPrintable(command));
            seen << command;
            b->click();
            for (auto it = spies.cbegin(); it != spies.cend(); ++it)
                QCOMPARE(it.value()->count(), seen.contains(it.key()) ? 1 : 0);
        }
        QCOMPARE(seen.size(), 11);
        QCOMPARE(spies["Search"]->at(0).at(0).toInt(), 0);
        qDeleteAll(spies);
        for (const char *p : {":/sysButton/online.png", ":/sysButton/offline.png", ":/sysButton/logo.png"})
            QVERIFY2(!QPixmap(QLatin1String(p)).isNull(), p);
        ModalCatcher boxes;
        t.aboutAction()->trigger();
        QCOMPARE(boxes.names, QStringList{"aboutBox"});
        QVERIFY(!SxTitleWidget::productVersion().isEmpty());
        QVERIFY(boxes.texts.at(0).contains(QStringLiteral("Video Processor")));
        QVERIFY(boxes.texts.at(0).contains(SxTitleWidget::productVersion()));
    }
    // The main menu's languages and diagnostics window; the title bar drags and maximises the window.
    void mainWindowTitleBar()
    {
        MainWindow w;
        auto *title = child<SxTitleWidget>(&w, "TitleWidget");
        auto *sourcePage = child<QPushButton>(child<QWidget>(&w, "LeftWidget"), "KeepStatu_Signal");
        QToolButton *sync = title->commandButton(SxTitleWidget::CmdSync);
        QToolButton *search = title->commandButton(SxTitleWidget::CmdSearch);
        auto *searchDialogButton = child<QPushButton>(w.searchDialog(), "btn_search");
        auto *searchDialogLabel = child<QLabel>(w.searchDialog(), "label_cur");
        QVERIFY(title->languageAction(0)->isChecked());
        const QList<QStringList> expected{{"1", "同步", "搜索", "信号源"},
                                          {"2", "同步", "搜尋", "訊號源"},
                                          {"0", "Sync", "Search", "Signal Source"}};
        for (const QStringList &e : expected) {
            const int language = e[0].toInt();
            title->languageAction(language)->trigger();
            QCoreApplication::processEvents();
            QCOMPARE(w.currentLanguage(), language);
            QCOMPARE(QSettings().value("Language").toInt(), language);
            QCOMPARE((QStringList{e[0], sync->text(), search->text(), sourcePage->text()}), e);
            QCOMPARE(searchDialogButton->text(), QCoreApplication::translate("DialogSearch", "Search"));
            QCOMPARE(searchDialogLabel->text(), QCoreApplication::translate("DialogSearch", "current device:"));
            QCOMPARE(searchDialogButton->text() != QStringLiteral("Search"), language != 0);
            for (int l = 0; l < 3; ++l) QCOMPARE(title->languageAction(l)->isChecked(), l == language);
        }
        title->diagnosticsAction()->trigger();
        auto *diagnostics = w.findChild<DialogDiagnostics *>();
        QVERIFY(diagnostics && diagnostics->isVisible());
        QCOMPARE(diagnostics->commManager(), w.commManager());
        title->diagnosticsAction()->trigger();
        QCOMPARE(w.findChildren<DialogDiagnostics *>().size(), 1);
        diagnostics->close();
        w.onTitleLanguageChange(LANGUAGE(7));
        QCOMPARE(QSettings().value("Language").toInt(), 0);
        QCOMPARE(sync->text(), QStringLiteral("Sync"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QPoint spot(-1, -1);
        for (int x = title->width() / 2; x < title->width() && spot.x() < 0; ++x)
            if (!title->childAt(x, title->height() / 2)) spot = QPoint(x, title->height() / 2);
        QVERIFY(spot.x() >= 0);
        const QPoint start = w.pos();
        drag(title, spot, QPoint(-15, 25));
        QCOMPARE(w.pos(), start + QPoint(-15, 25));
        const QPoint g = title->mapToGlobal(spot);
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                               QEvent::MouseButtonRelease})
            sendMouse(title, t, spot, g);
        QVERIFY(w.isMaximized());
        const QPoint maximised = w.pos();
        drag(title, spot, QPoint(40, 40));
        QVERIFY(!w.isDragging());
        QCOMPARE(w.pos(), maximised);
    }
    // The canvas's attribute, mosaic and chroma-key dialogs open filled from the current device's records.
    void canvasDialogsOpenForCurrentDevice()
    {
        MainWindow w;
        w.show();
        const QString cpuid = addCurrentDevice(w, 3, 1);
        QCOMPARE(w.currentCpuid(), cpuid);
        KS9200Interface *ks = w.ksInterface(cpuid);
        emit ks->emitPanelData(cpuid, {panel(0, 0, 0, 1920, 1080), panel(1, 1920, 0, 1920, 1080)});
        emit ks->emitWindowData(cpuid, {window(0, 100, 50, 640, 480, 32), window(1, 2000, 100, 800, 600, 1)});
        emit ks->emitInputSignals(cpuid, {INFO_INPUTSINGLE{1, 1280, 720, 50, 1}});
        emit ks->emitInputCrop(cpuid, {RecordBuilders::inputCrop(1, 1, 10, 20, 600, 400)});
        INFO_MOSAIC m;
        m.enable = 1, m.hUnits = 3, m.vUnits = 2, m.unitIndex = 5;
        emit ks->emitMultiMosaic(cpuid, m);
        auto *view = qobject_cast<SxGraphicsViewKS *>(w.tabWidget()->viewFor(cpuid));
        QVERIFY(view && view->windowItem(1));
        ModalCatcher watcher;
        QStringList seen;
        watcher.handler = [&](QDialog *d) {
            if (qobject_cast<DialogAttribute *>(d))
                seen << QStringLiteral("%1,%2,%3,%4 t%5 crop %6 %7,%8,%9,%10 %11")
                            .arg(spin(d, "spinBox_win_x")).arg(spin(d, "spinBox_win_y"))
                            .arg(spin(d, "spinBox_win_w")).arg(spin(d, "spinBox_win_h"))
                            .arg(child<QSpinBox>(d, "spinBox_trans")->maximum())
                            .arg(child<QPushButton>(d, "btn_crop")->isChecked())
                            .arg(spin(d, "spinBox_crop_x")).arg(spin(d, "spinBox_crop_y"))
                            .arg(spin(d, "spinBox_crop_w")).arg(spin(d, "spinBox_crop_h"))
                            .arg(child<QLabel>(d, "label_inputResoltion")->text());
            if (auto *mosaic = qobject_cast<DialogMosaic *>(d))
                seen << QStringLiteral("w%1 %2x%3 pos %4/%5 mode %6")
                            .arg(mosaic->windowId()).arg(spin(d, "spinBox_hUnits")).arg(spin(d, "spinBox_vUnits"))
                            .arg(spin(d, "spinBox_position")).arg(child<QSpinBox>(d, "spinBox_position")->maximum())
                            .arg(child<QComboBox>(d, "combo_mosaicMode")->currentIndex());
            if (auto *chroma = qobject_cast<DialogChromaKey *>(d))
                seen << QStringLiteral("chroma w%1 mode %2 red %3")
                            .arg(chroma->windowId()).arg(child<QComboBox>(d, "combo_mode")->currentIndex())
                            .arg(spin(d, "spinBox_red"));
            return false;
        };
        rightPress(view, QPointF(2100, 200));
        QCOMPARE(view->getMenuItem(), view->windowItem(1));
        view->prepareMenu();
        view->attribute()->trigger();
        QCOMPARE(seen, QStringList{"2000,100,800,600 t15 crop 1 10,20,600,400 Input Resolution: 1280x720x50"});
        rightPress(view, QPointF(300, 300));
        view->prepareMenu();
        view->multiMachine()->trigger();
        QCOMPARE(seen.mid(1), QStringList{"w0 3x2 pos 5/6 mode 0"});
        INFO_CHROMA key;
        key.mode = 1, key.red = 40;
        emit ks->emitChromaKey(cpuid, {key});
        view->prepareMenu();
        QVERIFY(view->chromaKey()->isEnabled());
        view->chromaKey()->trigger();
        QCOMPARE(seen.mid(2), QStringList{"chroma w0 mode 1 red 40"});
        QVERIFY(watcher.texts.isEmpty());
    }
    // The canvas's "add window" opens the dialog bounded by the wall and adds what it returns.
    void addWindowAddsToTheGwCanvas()
    {
        MainWindow w;
        w.show();
        const QString cpuid = addCurrentDevice(w, 48, 3);
        for (int i = 0; i < 2; ++i) emit w.gwInterface(cpuid)->emitPanelData(cpuid, panel(i, i * 1920, 0, 1920, 1080));
        auto *view = qobject_cast<SxGraphicsViewGW *>(w.tabWidget()->viewFor(cpuid));
        QVERIFY(view);
        view->setOutputCards(2);
        QCOMPARE(view->rectFull(), QRect(0, 0, 3840, 1080));
        ModalCatcher watcher;
        QStringList bounds;
        watcher.handler = [&](QDialog *d) {
            if (!qobject_cast<DialogAddWindow *>(d)) return false;
            bounds << QStringLiteral("%1x%2").arg(child<QSpinBox>(d, "spinBox_x")->maximum())
                                              .arg(child<QSpinBox>(d, "spinBox_y")->maximum());
            const QList<QPair<const char *, int>> values{
                {"spinBox_x", 2000}, {"spinBox_y", 100}, {"spinBox_w", 640}, {"spinBox_h", 480}};
            for (const auto &v : values) child<QSpinBox>(d, v.first)->setValue(v.second);
            QTimer::singleShot(0, d, [d] { child<QPushButton>(d, "btn_ok")->click(); });
            return true;
        };
        view->addEntry()->trigger();
        QCOMPARE(bounds, QStringList{"3840x1080"});
        QCOMPARE(view->windowItemList().size(), 1);
        QCOMPARE(view->windowItemList().at(0)->windowRect(), QRect(2000, 100, 640, 480));
        QVERIFY(watcher.texts.isEmpty());
    }
private:
    QTemporaryDir settingsDir;
};

QTEST_MAIN(TestUiShell)
#include "tst_ui_shell.moc"
