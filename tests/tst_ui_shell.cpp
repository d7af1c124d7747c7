// The application shell offscreen: the busy indicator, the frameless base's zones and its
// mouse-event move and resize (offscreen has no system move), the title bar's commands, languages
// and About box, the resources the code loads, and the canvas dialogs the main window runs for the
// current device. Every modal box is caught and dismissed.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DialogAddWindow.h"
#include "DialogAttribute.h"
#include "DialogChromaKey.h"
#include "DialogDiagnostics.h"
#include "DialogMosaic.h"
#include "DialogSearch.h"
#include "FrameCodec.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "MainWindow.h"
#include "SxBaseWidget.h"
#include "SxDialogTitle.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"
#include "SxTitleWidget.h"
#include "TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>

namespace {
// Answers modal windows as they appear: message boxes with their default (or first) button after
// noting their texts, the blocking busy indicator by stopping it, other dialogs through `handler`
// (once per dialog; it returns true when it has arranged the dialog's end itself) or by rejecting
// them. The handler must not open a nested modal loop: the watcher's timer does not fire inside it.
class ModalWatcher : public QObject
{
public:
    ModalWatcher()
    {
        connect(&timer, &QTimer::timeout, this, [this]() { poll(); });
        timer.start(20);
    }
    QStringList texts;
    QStringList objectNames;
    std::function<bool(QDialog *)> handler;

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            texts << box->text();
            objectNames << box->objectName();
            QAbstractButton *b = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                                      : box->buttons().value(0);
            b->click();
        } else if (auto *busy = qobject_cast<SxProgressIndicator *>(w)) {
            busy->stopAnimation();
        } else if (auto *dialog = qobject_cast<QDialog *>(w)) {
            if (dialog == handled)
                return;
            handled = dialog;
            if (!(handler && handler(dialog)))
                dialog->reject();
        }
    }
    QTimer timer;
    QPointer<QDialog> handled;
};

template <typename T>
T *child(QObject *parent, const char *name)
{
    T *c = parent->findChild<T *>(QLatin1String(name));
    if (!c)
        qWarning("no child %s", name);
    return c;
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &local, const QPoint &global,
               Qt::MouseButtons buttons = Qt::LeftButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, local, global, button, type == QEvent::MouseButtonRelease ? Qt::NoButton : buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

void rightPress(QGraphicsView *v, QPointF scenePt)
{
    const QPoint p = v->mapFromScene(scenePt);
    QMouseEvent e(QEvent::MouseButtonPress, p, v->viewport()->mapToGlobal(p), Qt::RightButton, Qt::RightButton,
                  Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &e);
}

QByteArray announcement(int type, const QByteArray &id)
{
    QByteArray d;
    d.append(char(type));
    d.append(char(0x01));
    d.append(char(0));
    d.append(id);
    d.append(char(4));
    d.append("V1.0");
    d.append(char(3));
    d.append("dev");
    d.append(char(0));
    return d;
}

// Registers a device of `type` with the main window as if it had announced itself, and makes its
// tab the current one.
QString addCurrentDevice(MainWindow &w, int type, int n)
{
    QByteArray id(12, '\0');
    id[0] = char(0x51);
    id[11] = char(n);
    w.slotHandleData(0, 7, QString(), TestSupport::replyHeader(0xFF, 0x00), announcement(type, id),
                     QHostAddress(QStringLiteral("127.0.0.1")), 8990);
    const QString cpuid = cpuidFromBytes(id);
    w.tabWidget()->addDevice(w.record(cpuid));
    for (int i = 0; i < w.tabWidget()->count(); ++i)
        if (w.tabWidget()->tabBar()->tabData(i).toString() == cpuid)
            w.tabWidget()->setCurrentIndex(i);
    return cpuid;
}

INFO_PANEL panel(int id, int x, int w, int h)
{
    INFO_PANEL p;
    p.id = uint16_t(id);
    p.index = uint16_t(id);
    p.x = uint16_t(x);
    p.width = uint16_t(w);
    p.height = uint16_t(h);
    p.rate = 60;
    return p;
}

INFO_WINDOW window(int id, int x, int y, int w, int h, int src)
{
    INFO_WINDOW win;
    win.winId = uint16_t(id);
    win.x = uint16_t(x);
    win.y = uint16_t(y);
    win.width = uint16_t(w);
    win.height = uint16_t(h);
    win.srcId = 1;
    win.param1 = 12;
    win.param2 = uint16_t(src);
    return win;
}
} // namespace

class TestUiShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void indicatorShownAndStopped();
    void indicatorStopTimeEndsModalRun();
    void indicatorSpokes();

    void zones_data();
    void zones();
    void childWidgetsAreNoBorder();
    void mouseDragAndResizeFallback();
    void mainWindowDragsByItsTitleBar();
    void dialogTitleClosesItsDialog();

    void titleCommandButtons();
    void mainMenuLanguagesAndDiagnostics();
    void storedLanguageFiveStartsInEnglish();
    void aboutShowsProductAndVersion();
    void iconsLoad();

    void attributeOpensForCurrentDevice();
    void mosaicAndChromaKeyOpenForCurrentDevice();
    void addWindowAddsToTheGwCanvas();

private:
    QTemporaryDir settingsDir;
};

void TestUiShell::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QSettings().setValue("Language", 0);
}

// ---- busy indicator ---------------------------------------------------------------------------

void TestUiShell::indicatorShownAndStopped()
{
    QWidget parent;
    parent.setGeometry(40, 30, 300, 200);
    parent.show();
    SxProgressIndicator busy(&parent);
    QCOMPARE(busy.sizeHint(), QSize(20, 20));
    QCOMPARE(busy.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(busy.focusPolicy(), Qt::NoFocus);
    QVERIFY(busy.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(busy.stopTime(), 5000);

    busy.startAnimation(false);
    QVERIFY(busy.isVisible());
    QVERIFY(busy.isAnimated());
    QVERIFY(busy.stopTimer()->isActive());
    QCOMPARE(busy.geometry(), parent.geometry());
    QTRY_VERIFY(busy.angle() != 0);
    QCOMPARE(busy.angle() % 30, 0);

    busy.setStopTime(700);
    busy.stopAnimation();
    QVERIFY(!busy.isVisible());
    QVERIFY(!busy.isAnimated());
    QVERIFY(!busy.stopTimer()->isActive());
    QCOMPARE(busy.result(), int(QDialog::Accepted));
    // Only the expiry of the stop timer brings back the default.
    QCOMPARE(busy.stopTime(), 700);
}

void TestUiShell::indicatorStopTimeEndsModalRun()
{
    QWidget parent;
    parent.resize(200, 200);
    SxProgressIndicator busy(&parent);
    busy.setStopTime(50);
    // A bound in case the stop timer never ends the run.
    bool rescued = false;
    QTimer::singleShot(10000, &busy, [&] {
        rescued = true;
        busy.done(QDialog::Rejected);
    });
    busy.startAnimation(true);
    QVERIFY(!rescued);
    QCOMPARE(busy.result(), int(QDialog::Accepted));
    QVERIFY(!busy.isAnimated());
    QVERIFY(!busy.isVisible());
    QCOMPARE(busy.stopTime(), 5000);
}

void TestUiShell::indicatorSpokes()
{
    const SxProgressIndicator::Spokes big = SxProgressIndicator::spokesFor(QSize(400, 300));
    QCOMPARE(big.side, 75);
    QCOMPARE(big.outerRadius, 37.0);
    QCOMPARE(big.innerRadius, 37.0 * 0.38);
    QCOMPARE(big.capsuleLength, 37.0 - 37.0 * 0.38);
    QCOMPARE(big.capsuleWidth, big.capsuleLength * 0.23);
    // Below a side of 33 the capsules are wider.
    QCOMPARE(SxProgressIndicator::spokesFor(QSize(132, 500)).side, 33);
    const SxProgressIndicator::Spokes at33 = SxProgressIndicator::spokesFor(QSize(132, 500));
    QCOMPARE(at33.capsuleWidth, at33.capsuleLength * 0.23);
    const SxProgressIndicator::Spokes at32 = SxProgressIndicator::spokesFor(QSize(131, 131));
    QCOMPARE(at32.side, 32);
    QCOMPARE(at32.capsuleWidth, at32.capsuleLength * 0.35);
}

// ---- frameless base ---------------------------------------------------------------------------

void TestUiShell::zones_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("zone");
    using Z = SxBaseWidget;
    QTest::newRow("centre") << QPoint(200, 150) << int(Z::ZoneCaption);
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

void TestUiShell::zones()
{
    QFETCH(QPoint, point);
    QFETCH(int, zone);
    QCOMPARE(int(SxBaseWidget::zoneAt(point, QSize(400, 300), 8)), zone);
}

void TestUiShell::childWidgetsAreNoBorder()
{
    SxBaseWidget w;
    QCOMPARE(w.borderWidth(), 8);
    w.resize(400, 300);
    auto *button = new QPushButton(&w);
    button->setGeometry(0, 0, 60, 30);
    QCOMPARE(w.hitZone(QPoint(3, 3)), SxBaseWidget::ZoneNone);
    QCOMPARE(w.hitZone(QPoint(30, 15)), SxBaseWidget::ZoneNone);
    QCOMPARE(w.hitZone(QPoint(397, 297)), SxBaseWidget::ZoneBottomRight);
    QCOMPARE(w.hitZone(QPoint(100, 3)), SxBaseWidget::ZoneTop);
    QCOMPARE(w.hitZone(QPoint(100, 100)), SxBaseWidget::ZoneCaption);
}

void TestUiShell::mouseDragAndResizeFallback()
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

    // An empty area: the window follows the mouse (offscreen cannot move it by the system).
    QPoint g = w.mapToGlobal(QPoint(300, 150));
    sendMouse(&w, QEvent::MouseButtonPress, QPoint(300, 150), g);
    // A jitter below the drag distance moves nothing (a double click stays a double click).
    sendMouse(&w, QEvent::MouseMove, QPoint(300, 150), g + QPoint(1, 1));
    QVERIFY(!w.isDragging());
    QCOMPARE(w.pos(), start);
    sendMouse(&w, QEvent::MouseMove, QPoint(300, 150), g + QPoint(30, 20));
    QVERIFY(w.isDragging());
    QCOMPARE(w.pos(), start + QPoint(30, 20));
    sendMouse(&w, QEvent::MouseButtonRelease, QPoint(300, 150), g + QPoint(30, 20));
    QVERIFY(!w.isDragging());
    QCOMPARE(w.size(), QSize(400, 300));

    // A label lets the press through: it drags as well.
    const QPoint moved = w.pos();
    g = label->mapToGlobal(QPoint(10, 10));
    sendMouse(label, QEvent::MouseButtonPress, QPoint(10, 10), g);
    sendMouse(label, QEvent::MouseMove, QPoint(10, 10), g + QPoint(-50, 5));
    QVERIFY(w.isDragging());
    sendMouse(label, QEvent::MouseButtonRelease, QPoint(10, 10), g + QPoint(-50, 5));
    QCOMPARE(w.pos(), moved + QPoint(-50, 5));

    // A button keeps its press: no drag.
    const QPoint before = w.pos();
    g = button->mapToGlobal(QPoint(5, 5));
    sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), g);
    QVERIFY(!w.isDragging());
    sendMouse(button, QEvent::MouseMove, QPoint(5, 5), g + QPoint(40, 40));
    sendMouse(button, QEvent::MouseButtonRelease, QPoint(5, 5), g + QPoint(40, 40));
    QCOMPARE(w.pos(), before);

    // The bottom-right corner resizes; the top-left corner stays.
    g = w.mapToGlobal(QPoint(397, 297));
    sendMouse(&w, QEvent::MouseButtonPress, QPoint(397, 297), g);
    QVERIFY(w.isResizing());
    QVERIFY(!w.isDragging());
    sendMouse(&w, QEvent::MouseMove, QPoint(397, 297), g + QPoint(50, 40));
    sendMouse(&w, QEvent::MouseButtonRelease, QPoint(397, 297), g + QPoint(50, 40));
    QCOMPARE(w.geometry(), QRect(before, QSize(450, 340)));
    QVERIFY(!w.isResizing());

    // The left edge moves the left side only.
    g = w.mapToGlobal(QPoint(3, 150));
    sendMouse(&w, QEvent::MouseButtonPress, QPoint(3, 150), g);
    sendMouse(&w, QEvent::MouseMove, QPoint(3, 150), g + QPoint(20, 0));
    sendMouse(&w, QEvent::MouseButtonRelease, QPoint(3, 150), g + QPoint(20, 0));
    QCOMPARE(w.geometry(), QRect(before + QPoint(20, 0), QSize(430, 340)));
}

void TestUiShell::mainWindowDragsByItsTitleBar()
{
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *title = child<SxTitleWidget>(&w, "TitleWidget");
    QVERIFY(title);
    // An empty spot of the title bar (between the command buttons and the caption).
    QPoint spot(-1, -1);
    for (int x = title->width() / 2; x < title->width() && spot.x() < 0; ++x)
        if (!title->childAt(x, title->height() / 2))
            spot = QPoint(x, title->height() / 2);
    QVERIFY(spot.x() >= 0);
    const QPoint start = w.pos();
    const QPoint g = title->mapToGlobal(spot);
    sendMouse(title, QEvent::MouseButtonPress, spot, g);
    sendMouse(title, QEvent::MouseMove, spot, g + QPoint(-15, 25));
    QVERIFY(w.isDragging());
    sendMouse(title, QEvent::MouseButtonRelease, spot, g + QPoint(-15, 25));
    QCOMPARE(w.pos(), start + QPoint(-15, 25));

    // A double click there maximises; a maximised window does not follow the mouse.
    const QPoint g2 = title->mapToGlobal(spot);
    sendMouse(title, QEvent::MouseButtonPress, spot, g2);
    sendMouse(title, QEvent::MouseButtonRelease, spot, g2);
    sendMouse(title, QEvent::MouseButtonDblClick, spot, g2);
    sendMouse(title, QEvent::MouseButtonRelease, spot, g2);
    QVERIFY(w.isMaximized());
    const QPoint maximised = w.pos();
    sendMouse(title, QEvent::MouseButtonPress, spot, g2);
    sendMouse(title, QEvent::MouseMove, spot, g2 + QPoint(40, 40));
    sendMouse(title, QEvent::MouseButtonRelease, spot, g2 + QPoint(40, 40));
    QVERIFY(!w.isDragging());
    QCOMPARE(w.pos(), maximised);
}

void TestUiShell::dialogTitleClosesItsDialog()
{
    SxBaseWidget dialog;
    auto *title = new SxDialogTitle(&dialog);
    title->setTitle(QStringLiteral("Window Attribute"));
    QCOMPARE(title->objectName(), QStringLiteral("dialogTitle"));
    QCOMPARE(title->height(), 32);
    dialog.show();
    title->titleLabel()->ensurePolished();
    QCOMPARE(title->titleLabel()->font().pixelSize(), 16);
    QCOMPARE(title->titleLabel()->font().weight(), 75);
    const QString dir = qEnvironmentVariable("VP_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        auto *layout = new QVBoxLayout(&dialog);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(title);
        auto *body = new QLabel(QStringLiteral("body"), &dialog);
        layout->addWidget(body, 1);
        body->show();
        dialog.resize(320, 160);
        QVERIFY(dialog.grab().save(dir + QStringLiteral("/SxDialogTitle.png")));
    }
    QSignalSpy closing(title, &SxDialogTitle::emitClose);
    QTest::mouseClick(title->closeButton(), Qt::LeftButton);
    QCOMPARE(closing.count(), 1);
    QVERIFY(!dialog.isVisible());
}

// ---- title bar --------------------------------------------------------------------------------

void TestUiShell::titleCommandButtons()
{
    SxTitleWidget t;
    t.show();
    const QList<QToolButton *> buttons = t.findChildren<QToolButton *>(QStringLiteral("mainToolButton"));
    QCOMPARE(buttons.size(), 11);
    QSignalSpy search(&t, &SxTitleWidget::emitSearch);
    const QMap<QString, QSharedPointer<QSignalSpy>> spies{
        {"Search", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitSearch)},
        {"Sync", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitSync)},
        {"Output", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitOutputSetting)},
        {"EDID", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitEDID)},
        {"Audio", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitAudioSetting)},
        {"Image", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitImageSetting)},
        {"Test", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitTestImage)},
        {"USB", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitUsbPlay)},
        {"Upgrade", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitUpgrade)},
        {"Factory", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitFactorySetting)},
        {"MultiMachine", QSharedPointer<QSignalSpy>::create(&t, &SxTitleWidget::emitMenuMultiMachine)},
    };
    QSet<QString> seen;
    for (QToolButton *b : buttons) {
        const QString command = b->property("command").toString();
        QVERIFY2(spies.contains(command), qPrintable(command));
        seen << command;
        b->click();
        // Exactly this command's signal, once.
        for (auto it = spies.cbegin(); it != spies.cend(); ++it)
            QCOMPARE(it.value()->count(), it.key() == command || seen.contains(it.key()) ? 1 : 0);
    }
    QCOMPARE(seen.size(), 11);
    QCOMPARE(search.count(), 1);
    QCOMPARE(search.at(0).at(0).toInt(), 0);
}

void TestUiShell::mainMenuLanguagesAndDiagnostics()
{
    QSettings().setValue("Language", 0);
    MainWindow w;
    auto *title = child<SxTitleWidget>(&w, "TitleWidget");
    auto *left = child<QWidget>(&w, "LeftWidget");
    auto *sourcePage = child<QPushButton>(left, "KeepStatu_Signal"); // btn_signalSrc, named for the style
    QToolButton *sync = title->commandButton(SxTitleWidget::CmdSync);
    QToolButton *search = title->commandButton(SxTitleWidget::CmdSearch);
    auto *searchDialogButton = child<QPushButton>(w.searchDialog(), "btn_search");
    auto *searchDialogLabel = child<QLabel>(w.searchDialog(), "label_cur");
    QVERIFY(title->languageAction(0)->isChecked());
    QCOMPARE(sync->text(), QStringLiteral("Sync"));
    QCOMPARE(sourcePage->text(), QStringLiteral("Signal Source"));

    struct Expect {
        int language;
        QString sync, search, source;
    };
    const QList<Expect> expected{
        {1, QStringLiteral("同步"), QStringLiteral("搜索"), QStringLiteral("信号源")},
        {2, QStringLiteral("同步"), QStringLiteral("搜尋"), QStringLiteral("訊號源")},
        {0, QStringLiteral("Sync"), QStringLiteral("Search"), QStringLiteral("Signal Source")},
    };
    for (const Expect &e : expected) {
        title->languageAction(e.language)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(w.currentLanguage(), e.language);
        QCOMPARE(QSettings().value("Language").toInt(), e.language);
        QCOMPARE(sync->text(), e.sync);
        QCOMPARE(search->text(), e.search);
        QCOMPARE(sourcePage->text(), e.source);
        QCOMPARE(searchDialogButton->text(), QCoreApplication::translate("DialogSearch", "Search"));
        QCOMPARE(searchDialogLabel->text(), QCoreApplication::translate("DialogSearch", "current device:"));
        if (e.language != 0)
            QVERIFY(searchDialogButton->text() != QStringLiteral("Search"));
        for (int l = 0; l < 3; ++l)
            QCOMPARE(title->languageAction(l)->isChecked(), l == e.language);
    }
    // The main menu's diagnostics window follows the main window's transport manager.
    title->diagnosticsAction()->trigger();
    auto *diagnostics = w.findChild<DialogDiagnostics *>();
    QVERIFY(diagnostics && diagnostics->isVisible());
    QCOMPARE(diagnostics->commManager(), w.commManager());
    title->diagnosticsAction()->trigger();
    QCOMPARE(w.findChildren<DialogDiagnostics *>().size(), 1);
    diagnostics->close();

    // Values outside the three languages change nothing.
    w.onTitleLanguageChange(LANGUAGE(7));
    QCOMPARE(QSettings().value("Language").toInt(), 0);
    QCOMPARE(sync->text(), QStringLiteral("Sync"));
}

void TestUiShell::storedLanguageFiveStartsInEnglish()
{
    QSettings().setValue("Language", 5);
    {
        MainWindow w;
        QCOMPARE(w.currentLanguage(), 5);
        QVERIFY(w.applicationTranslator()->isEmpty());
        QCOMPARE(QCoreApplication::translate("WidgetInLeft", "Signal Source"), QStringLiteral("Signal Source"));
        auto *title = child<SxTitleWidget>(&w, "TitleWidget");
        for (int l = 0; l < 3; ++l)
            QVERIFY(!title->languageAction(l)->isChecked());
        QCOMPARE(title->commandButton(SxTitleWidget::CmdSync)->text(), QStringLiteral("Sync"));
        QCOMPARE(child<QPushButton>(&w, "KeepStatu_Signal")->text(), QStringLiteral("Signal Source"));
        QCOMPARE(child<QPushButton>(w.searchDialog(), "btn_search")->text(), QStringLiteral("Search"));
    }
    QSettings().setValue("Language", 0);
}

void TestUiShell::aboutShowsProductAndVersion()
{
    SxTitleWidget t;
    t.show();
    ModalWatcher watcher;
    t.aboutAction()->trigger();
    QCOMPARE(watcher.objectNames, QStringList{QStringLiteral("aboutBox")});
    QVERIFY(watcher.texts.at(0).contains(QStringLiteral("Video Processor")));
    QVERIFY(!SxTitleWidget::productVersion().isEmpty());
    QVERIFY(watcher.texts.at(0).contains(SxTitleWidget::productVersion()));
    QCOMPARE(t.mainMenu()->actions().last(), t.aboutAction());
}

void TestUiShell::iconsLoad()
{
    SxBaseWidget::initResources();
    QStringList paths;
    for (const char *f : {"icon_search", "icon_synchronous", "icon_outputSettings", "icon_edid", "icon_audio",
                          "icon_imageQuality", "icon_testPicCard", "icon_usb", "icon_upgrade", "icon_factorySet",
                          "MultiMachine"})
        paths << QStringLiteral(":/toolButton/toolButton/%1.png").arg(QLatin1String(f));
    for (const char *f : {"icon_pip", "icon_freeze", "icon_fade", "icon_local", "icon_blackScreen",
                          "icon_FrameSynchronization", "icon_lockWindow", "icon_horArra", "icon_vertically"})
        paths << QStringLiteral(":/toolbar/toolbar/%1.png").arg(QLatin1String(f));
    for (const char *f : {"VGA", "DVI", "HDMI", "CV_SDI", "DP", "USB"})
        paths << QStringLiteral(":/inputSrc/inputSrc/%1.png").arg(QLatin1String(f));
    for (const char *f : {"icon_prev", "icon_next", "icon_play", "icon_stop"})
        paths << QStringLiteral(":/play/play/%1.png").arg(QLatin1String(f));
    paths << QStringLiteral(":/sysButton/online.png") << QStringLiteral(":/sysButton/offline.png")
          << QStringLiteral("://sysButton/online.png") << QStringLiteral(":/sysButton/logo.png")
          << QStringLiteral(":/sysButton/close.png") << QStringLiteral(":/sysButton/sysButton/icon_switchOpen.png")
          << QStringLiteral(":/sysButton/sysButton/icon_switchClose.png");
    for (const QString &p : qAsConst(paths)) {
        QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
        QVERIFY2(!QIcon(p).pixmap(16, 16).isNull(), qPrintable(p));
    }
    QVERIFY(!SxBaseWidget::applicationStyleSheet().isEmpty());

    SxTitleWidget t;
    for (QToolButton *b : t.findChildren<QToolButton *>(QStringLiteral("mainToolButton")))
        QVERIFY2(!b->icon().pixmap(16, 16).isNull(), qPrintable(b->property("command").toString()));
}

// ---- canvas dialogs ---------------------------------------------------------------------------

void TestUiShell::attributeOpensForCurrentDevice()
{
    MainWindow w;
    w.show();
    const QString cpuid = addCurrentDevice(w, 3, 1);
    QCOMPARE(w.currentCpuid(), cpuid);
    emit w.ksInterface(cpuid)->emitPanelData(cpuid, {panel(0, 0, 1920, 1080), panel(1, 1920, 1920, 1080)});
    emit w.ksInterface(cpuid)->emitWindowData(cpuid, {window(0, 100, 50, 640, 480, 32), window(1, 2000, 100, 800, 600, 1)});
    INFO_INPUTSINGLE in;
    in.srcId = 1;
    in.width = 1280;
    in.height = 720;
    in.rate = 50;
    in.hasSignal = 1;
    emit w.ksInterface(cpuid)->emitInputSignals(cpuid, {in});
    INFO_INPUTCROP crop;
    crop.index = 1;
    crop.enable = 1;
    crop.x = 10;
    crop.y = 20;
    crop.width = 600;
    crop.height = 400;
    emit w.ksInterface(cpuid)->emitInputCrop(cpuid, {crop});
    auto *view = qobject_cast<SxGraphicsViewKS *>(w.tabWidget()->viewFor(cpuid));
    QVERIFY(view);
    QVERIFY(view->windowItem(1));

    ModalWatcher watcher;
    QStringList seen;
    watcher.handler = [&](QDialog *d) {
        if (!qobject_cast<DialogAttribute *>(d))
            return false;
        seen << QStringLiteral("%1,%2,%3,%4 t%5 crop %6 %7,%8,%9,%10 %11")
                    .arg(child<QSpinBox>(d, "spinBox_win_x")->value())
                    .arg(child<QSpinBox>(d, "spinBox_win_y")->value())
                    .arg(child<QSpinBox>(d, "spinBox_win_w")->value())
                    .arg(child<QSpinBox>(d, "spinBox_win_h")->value())
                    .arg(child<QSpinBox>(d, "spinBox_trans")->maximum())
                    .arg(child<QPushButton>(d, "btn_crop")->isChecked())
                    .arg(child<QSpinBox>(d, "spinBox_crop_x")->value())
                    .arg(child<QSpinBox>(d, "spinBox_crop_y")->value())
                    .arg(child<QSpinBox>(d, "spinBox_crop_w")->value())
                    .arg(child<QSpinBox>(d, "spinBox_crop_h")->value())
                    .arg(child<QLabel>(d, "label_inputResoltion")->text());
        return false;
    };
    rightPress(view, QPointF(2100, 200));
    QCOMPARE(view->getMenuItem(), view->windowItem(1));
    view->prepareMenu();
    view->attribute()->trigger();
    QCOMPARE(seen, QStringList{QStringLiteral("2000,100,800,600 t15 crop 1 10,20,600,400 "
                                              "Input Resolution: 1280x720x50")});
    QVERIFY(watcher.texts.isEmpty());
}

void TestUiShell::mosaicAndChromaKeyOpenForCurrentDevice()
{
    MainWindow w;
    w.show();
    const QString cpuid = addCurrentDevice(w, 3, 2);
    emit w.ksInterface(cpuid)->emitPanelData(cpuid, {panel(0, 0, 1920, 1080)});
    emit w.ksInterface(cpuid)->emitWindowData(cpuid, {window(0, 0, 0, 960, 540, 0)});
    INFO_MOSAIC m;
    m.winId = 0;
    m.enable = 1;
    m.mode = 0;
    m.hUnits = 3;
    m.vUnits = 2;
    m.unitIndex = 5;
    emit w.ksInterface(cpuid)->emitMultiMosaic(cpuid, m);
    auto *view = qobject_cast<SxGraphicsViewKS *>(w.tabWidget()->viewFor(cpuid));
    QVERIFY(view);

    ModalWatcher watcher;
    QStringList seen;
    watcher.handler = [&](QDialog *d) {
        auto *mosaic = qobject_cast<DialogMosaic *>(d);
        if (!mosaic)
            return false;
        seen << QStringLiteral("w%1 %2x%3 pos %4/%5 mode %6")
                    .arg(mosaic->windowId())
                    .arg(child<QSpinBox>(d, "spinBox_hUnits")->value())
                    .arg(child<QSpinBox>(d, "spinBox_vUnits")->value())
                    .arg(child<QSpinBox>(d, "spinBox_position")->value())
                    .arg(child<QSpinBox>(d, "spinBox_position")->maximum())
                    .arg(child<QComboBox>(d, "combo_mosaicMode")->currentIndex());
        return false;
    };
    rightPress(view, QPointF(300, 300));
    view->prepareMenu();
    view->multiMachine()->trigger();
    QCOMPARE(seen, QStringList{QStringLiteral("w0 3x2 pos 5/6 mode 0")});

    INFO_CHROMA key;
    key.winId = 0;
    key.mode = 1;
    key.red = 40;
    emit w.ksInterface(cpuid)->emitChromaKey(cpuid, {key});
    watcher.handler = [&](QDialog *d) {
        if (auto *chroma = qobject_cast<DialogChromaKey *>(d))
            seen << QStringLiteral("chroma w%1 mode %2 red %3")
                        .arg(chroma->windowId())
                        .arg(child<QComboBox>(d, "combo_mode")->currentIndex())
                        .arg(child<QSpinBox>(d, "spinBox_red")->value());
        return false;
    };
    view->prepareMenu();
    QVERIFY(view->chromaKey()->isEnabled());
    view->chromaKey()->trigger();
    QCOMPARE(seen.last(), QStringLiteral("chroma w0 mode 1 red 40"));
}

void TestUiShell::addWindowAddsToTheGwCanvas()
{
    MainWindow w;
    w.show();
    const QString cpuid = addCurrentDevice(w, 48, 3);
    for (int i = 0; i < 2; ++i) {
        INFO_PANEL p = panel(i, i * 1920, 1920, 1080);
        emit w.gwInterface(cpuid)->emitPanelData(cpuid, p);
    }
    auto *view = qobject_cast<SxGraphicsViewGW *>(w.tabWidget()->viewFor(cpuid));
    QVERIFY(view);
    view->setOutputCards(2);
    QCOMPARE(view->rectFull(), QRect(0, 0, 3840, 1080));

    ModalWatcher watcher;
    QStringList bounds;
    watcher.handler = [&](QDialog *d) {
        if (!qobject_cast<DialogAddWindow *>(d))
            return false;
        bounds << QStringLiteral("%1x%2").arg(child<QSpinBox>(d, "spinBox_x")->maximum())
                                          .arg(child<QSpinBox>(d, "spinBox_y")->maximum());
        child<QSpinBox>(d, "spinBox_x")->setValue(2000);
        child<QSpinBox>(d, "spinBox_y")->setValue(100);
        child<QSpinBox>(d, "spinBox_w")->setValue(640);
        child<QSpinBox>(d, "spinBox_h")->setValue(480);
        QTimer::singleShot(0, d, [d] { child<QPushButton>(d, "btn_ok")->click(); });
        return true;
    };
    QVERIFY(view->windowItemList().isEmpty());
    view->addEntry()->trigger();
    QCOMPARE(bounds, QStringList{QStringLiteral("3840x1080")});
    QCOMPARE(view->windowItemList().size(), 1);
    QCOMPARE(view->windowItemList().at(0)->windowRect(), QRect(2000, 100, 640, 480));

    // A window below the smallest size is refused and adds nothing.
    watcher.handler = [&](QDialog *d) {
        if (!qobject_cast<DialogAddWindow *>(d))
            return false;
        child<QSpinBox>(d, "spinBox_w")->setValue(63);
        child<QSpinBox>(d, "spinBox_h")->setValue(200);
        QTimer::singleShot(0, d, [d] { child<QPushButton>(d, "btn_ok")->click(); });
        return true;
    };
    view->addEntry()->trigger();
    QCOMPARE(watcher.texts, QStringList{QStringLiteral("Parameter beyond range")});
    QCOMPARE(view->windowItemList().size(), 1);
}

QTEST_MAIN(TestUiShell)
#include "tst_ui_shell.moc"
