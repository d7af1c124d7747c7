// Helpers for the canvas and main-window tests: panel and window records, mouse and key input on a
// graphics view, the window frames sent, and an operator who confirms the start-up search.
// Header-only: the support library links no widgets.
#pragma once

#include "BoxCatcher.h"
#include "DialogSearch.h"
#include "Records.h"
#include "RowData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRect>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <tuple>

namespace CanvasUi {
using ::columns;
using ::fetch;

// Settings of the application kept under `dir`, English.
inline void privateSettings(const QString &dir)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QSettings().setValue("Language", 0);
}

inline INFO_PANEL panel(int id, int x, int y, int w, int h)
{
    INFO_PANEL p;
    p.id = uint16_t(id), p.x = uint16_t(x), p.y = uint16_t(y), p.width = uint16_t(w), p.height = uint16_t(h);
    return p;
}

// Window `id` at the rectangle on `layer` showing `input`, with a source.
inline INFO_WINDOW window(int id, const QRect &r, int layer = 0, int input = 0)
{
    INFO_WINDOW w;
    w.winId = uint16_t(id), w.x = uint16_t(r.x()), w.y = uint16_t(r.y());
    w.width = uint16_t(r.width()), w.height = uint16_t(r.height());
    w.param3 = uint16_t(layer), w.param2 = uint16_t(input), w.srcId = 1;
    return w;
}

// Rectangles written "x y w h, x y w h, ...", each number times `unit` (x and w) and `unitY` (y and h).
inline QList<QRect> rects(const char *text, int unit = 1, int unitY = 1)
{
    QList<QRect> out;
    for (const QString &part : QString::fromLatin1(text).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList n = part.simplified().split(QLatin1Char(' '));
        out << QRect(n.value(0).toInt() * unit, n.value(1).toInt() * unitY, n.value(2).toInt() * unit,
                     n.value(3).toInt() * unitY);
    }
    return out;
}

inline void mouse(QGraphicsView *v, QEvent::Type t, QPointF scenePt, Qt::MouseButton b = Qt::NoButton,
                  Qt::MouseButtons bs = Qt::NoButton)
{
    const QPoint p = v->mapFromScene(scenePt);
    QMouseEvent e(t, p, v->viewport()->mapToGlobal(p), b, bs, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &e);
}

inline void click(QGraphicsView *v, QPointF p)
{
    mouse(v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    mouse(v, QEvent::MouseButtonRelease, p, Qt::LeftButton);
}

// Hover at `grab`, press, move by `delta` in `steps` steps, release.
inline void drag(QGraphicsView *v, QPointF grab, QPointF delta, int steps = 4)
{
    mouse(v, QEvent::MouseMove, grab);
    mouse(v, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i)
        mouse(v, QEvent::MouseMove, grab + delta * i / steps, Qt::NoButton, Qt::LeftButton);
    mouse(v, QEvent::MouseButtonRelease, grab + delta, Qt::LeftButton, Qt::NoButton);
}

inline bool showView(QGraphicsView *v)
{
    v->resize(900, 600);
    v->show();
    return QTest::qWaitForWindowExposed(v);
}

inline void key(QWidget *w, int k, bool autoRepeat = false)
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(w, &e);
}

inline int u16(const QByteArray &f, int off)
{
    return uint8_t(f[off]) | (uint8_t(f[off + 1]) << 8);
}

// The frames (first argument) a spy caught whose command is `cmd` and sub-command `sub`.
inline QList<QByteArray> frames(const QSignalSpy &spy, int cmd, int sub = -1)
{
    QList<QByteArray> out;
    for (const QList<QVariant> &args : spy) {
        const QByteArray f = args.at(0).toByteArray();
        if (f.size() > 5 && uint8_t(f[4]) == cmd && (sub < 0 || uint8_t(f[5]) == sub))
            out << f;
    }
    return out;
}

// "id: x y w h" of a window rectangle, and of each window-geometry frame (0x03 / 0x00) a spy caught.
inline QString geometryText(int id, const QRect &r)
{
    return QStringLiteral("%1: %2 %3 %4 %5").arg(id).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
inline QStringList geometryFrames(const QSignalSpy &spy)
{
    QStringList out;
    for (const QByteArray &f : frames(spy, 0x03, 0x00))
        out << geometryText(uint8_t(f[6]), QRect(u16(f, 7), u16(f, 9), u16(f, 11), u16(f, 13)));
    return out;
}

// Answers message boxes (Ok, keeping their texts) and confirms the search dialog once
// every cpuid in `wanted` is listed; gives up after `timeoutMs`. `listed` holds the rows last seen.
// While some are missing, `missing` (if set) is called on every look at the list.
class SearchOperator : public QObject
{
public:
    SearchOperator(std::function<DialogSearch *()> dialog, const QStringList &wanted, int timeoutMs,
                   std::function<void(const QStringList &)> missing = nullptr)
    {
        clock.start();
        connect(&timer, &QTimer::timeout, this, [=] {
            DialogSearch *search = dialog();
            if (qobject_cast<QMessageBox *>(QApplication::activeModalWidget()) || !search || !search->isVisible())
                return; // a box is the catcher's
            auto *table = search->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
            listed.clear();
            for (int r = 0; r < table->rowCount(); ++r)
                listed << table->item(r, DialogSearch::ColCpuid)->text();
            QStringList absent;
            for (const QString &id : wanted)
                if (!listed.contains(id))
                    absent << id;
            if (absent.isEmpty())
                search->findChild<QPushButton *>(QStringLiteral("btn_ok"))->click();
            else if (missing)
                missing(absent);
            if (!absent.isEmpty() && clock.elapsed() > timeoutMs)
                search->done(QDialog::Rejected);
        });
        timer.start(50);
    }
    BoxCatcher catcher;
    const QStringList &boxes = catcher.texts;
    QStringList listed;

private:
    QTimer timer;
    QElapsedTimer clock;
};
} // namespace CanvasUi
