// Canvas benchmarks: painting a wall of 32 panels with 32 windows into a 1280 x 720 image, and one
// drag step of a selected window (mouse move through the view, as the user drags).
#include "BenchHarness.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

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

INFO_WINDOW window(int id, int x, int y, int w, int h)
{
    INFO_WINDOW r;
    r.winId = uint16_t(id);
    r.x = uint16_t(x);
    r.y = uint16_t(y);
    r.width = uint16_t(w);
    r.height = uint16_t(h);
    r.param3 = uint16_t(id);
    r.srcId = 1;
    return r;
}

void mouse(QGraphicsView *v, QEvent::Type t, QPointF scenePt, Qt::MouseButton b, Qt::MouseButtons bs)
{
    const QPoint p = v->mapFromScene(scenePt);
    QMouseEvent e(t, p, v->viewport()->mapToGlobal(p), b, bs, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &e);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SxGraphicsViewGW view;
    view.setDeviceType(48);
    view.setOutputCards(8);
    QList<INFO_PANEL> panels;
    QList<INFO_WINDOW> windows;
    for (int a = 0; a < 32; ++a) {
        panels << panel(a, (a % 8) * 1920, (a / 8) * 1080, 1920, 1080);
        windows << window(a, (a % 8) * 1920 + 200, (a / 8) * 1080 + 150, 1200, 700);
    }
    view.setPanels(panels, false);
    view.setWindows(windows);
    view.resize(1280, 720);
    view.show();
    QApplication::processEvents();

    QImage image(1280, 720, QImage::Format_ARGB32_Premultiplied);
    QGraphicsScene *scene = view.scene();
    const double paintNs = Bench::nsPerCall([&] {
        QPainter p(&image);
        scene->render(&p, QRectF(0, 0, 1280, 720), scene->sceneRect());
    }, 20);
    Bench::report(QStringLiteral("canvas.paint_32_32.ms"), paintNs / 1e6, "ms");

    // Select window 9 and drag it back and forth in small steps.
    QPointF at(1920 + 800, 1080 + 500);
    mouse(&view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouse(&view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    mouse(&view, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    mouse(&view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    const QRect before = view.windowItem(9) ? view.windowItem(9)->windowRect() : QRect();
    int step = 0;
    const double dragNs = Bench::nsPerCall([&] {
        const QPointF d = (++step % 40 < 20) ? QPointF(24, 12) : QPointF(-24, -12);
        at += d;
        mouse(&view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents(); // the view repaints what the move changed
    }, 210);
    const QRect after = view.windowItem(9) ? view.windowItem(9)->windowRect() : QRect();
    if (view.currentWindowId() != 9 || before == after)
        std::fprintf(stderr, "drag did not move window 9 (current %d)\n", view.currentWindowId());
    mouse(&view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Bench::report(QStringLiteral("canvas.drag_step.ms"), dragNs / 1e6, "ms");
    return 0;
}
