#include "SxBaseWidget.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#include <windowsx.h>
#endif

static void initApplicationResources()
{
    Q_INIT_RESOURCE(resources);
}

SxBaseWidget::SxBaseWidget(QWidget *parent)
    : QDialog(parent)
{
    initResources();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    const QString sheet = applicationStyleSheet();
    if (!sheet.isEmpty())
        setStyleSheet(sheet);
    setMouseTracking(true);
}

void SxBaseWidget::initResources()
{
    static bool done = false;
    if (!done) {
        done = true;
        initApplicationResources();
    }
}

QString SxBaseWidget::applicationStyleSheet()
{
    initResources();
    QFile file(QStringLiteral(":/file/black.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

SxBaseWidget::Zone SxBaseWidget::hitZone(const QPoint &pos) const
{
    if (childAt(pos))
        return ZoneNone;
    return zoneAt(pos, size(), resizeBorder);
}

SxBaseWidget::Zone SxBaseWidget::zoneAt(const QPoint &pos, const QSize &size, int b)
{
    const int x = pos.x();
    const int y = pos.y();
    const int w = size.width();
    const int h = size.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return ZoneNone;
    const bool left = x > 0 && x < b;
    const bool right = x > w - b && x < w;
    const bool top = y > 0 && y < b;
    const bool bottom = y > h - b && y < h;
    Zone z = ZoneCaption;
    if (left)
        z = ZoneLeft;
    if (right)
        z = ZoneRight;
    if (top)
        z = ZoneTop;
    if (bottom)
        z = ZoneBottom;
    if (left && top)
        z = ZoneTopLeft;
    if (right && top)
        z = ZoneTopRight;
    if (left && bottom)
        z = ZoneBottomLeft;
    if (right && bottom)
        z = ZoneBottomRight;
    return z;
}

Qt::Edges SxBaseWidget::edgesOf(Zone zone)
{
    switch (zone) {
    case ZoneLeft: return Qt::LeftEdge;
    case ZoneRight: return Qt::RightEdge;
    case ZoneTop: return Qt::TopEdge;
    case ZoneBottom: return Qt::BottomEdge;
    case ZoneTopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case ZoneTopRight: return Qt::TopEdge | Qt::RightEdge;
    case ZoneBottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case ZoneBottomRight: return Qt::BottomEdge | Qt::RightEdge;
    default: return Qt::Edges();
    }
}

// A press reaches this handler from the window itself or from a child that did not take it (a
// label, an empty title bar, an empty panel). On a child it only drags; resizing needs a point of
// the window's own border that no child covers.
void SxBaseWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    Zone zone = hitZone(event->pos());
    if (zone == ZoneNone)
        zone = rect().contains(event->pos()) ? ZoneCaption : ZoneNone;
    if (zone == ZoneNone)
        return;
    QWindow *handle = windowHandle();
    if (zone == ZoneCaption) {
        // The move starts once the mouse has travelled a little, so that a double click (the title
        // bar's maximise) still reaches the window: a system move takes the pointer away.
        movePending = true;
        pressGlobal = event->globalPos();
        dragX = event->globalPos().x() - pos().x();
        dragY = event->globalPos().y() - pos().y();
        return;
    }
    if (handle && handle->startSystemResize(edgesOf(zone)))
        return;
    resizeZone = zone;
    pressGeometry = geometry();
    pressGlobal = event->globalPos();
}

void SxBaseWidget::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (movePending && (event->buttons() & Qt::LeftButton)
        && (event->globalPos() - pressGlobal).manhattanLength() >= QApplication::startDragDistance()) {
        movePending = false;
        // The window system moves the window where it can; otherwise follow the mouse.
        QWindow *handle = windowHandle();
        if (handle && handle->startSystemMove())
            return;
        dragging = true;
    }
    if (dragging) {
        move(event->globalPos().x() - dragX, event->globalPos().y() - dragY);
        return;
    }
    if (resizeZone != ZoneNone) {
        resizeTo(event->globalPos());
        return;
    }
    if (!(event->buttons() & Qt::LeftButton))
        updateCursor(isMaximized() ? ZoneCaption : hitZone(event->pos()));
}

void SxBaseWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    dragging = false;
    movePending = false;
    resizeZone = ZoneNone;
}

bool SxBaseWidget::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
#ifdef Q_OS_WIN
    MSG *msg = static_cast<MSG *>(message);
    if (eventType == "windows_generic_MSG" && msg->message == WM_NCHITTEST) {
        const QPoint global(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
        const QPoint pos = (QPointF(global) / devicePixelRatioF()).toPoint() - geometry().topLeft();
        if (childAt(pos))
            return false;
        switch (zoneAt(pos, size(), resizeBorder)) {
        case ZoneLeft: *result = HTLEFT; break;
        case ZoneRight: *result = HTRIGHT; break;
        case ZoneTop: *result = HTTOP; break;
        case ZoneBottom: *result = HTBOTTOM; break;
        case ZoneTopLeft: *result = HTTOPLEFT; break;
        case ZoneTopRight: *result = HTTOPRIGHT; break;
        case ZoneBottomLeft: *result = HTBOTTOMLEFT; break;
        case ZoneBottomRight: *result = HTBOTTOMRIGHT; break;
        case ZoneCaption: *result = HTCAPTION; break;
        case ZoneNone: return false;
        }
        return true;
    }
#endif
    // X11 and Wayland have no non-client hit-test message: the mouse events above do the work.
    return QDialog::nativeEvent(eventType, message, result);
}

void SxBaseWidget::updateCursor(Zone zone)
{
    switch (zone) {
    case ZoneLeft:
    case ZoneRight: setCursor(Qt::SizeHorCursor); break;
    case ZoneTop:
    case ZoneBottom: setCursor(Qt::SizeVerCursor); break;
    case ZoneTopLeft:
    case ZoneBottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case ZoneTopRight:
    case ZoneBottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    default: unsetCursor(); break;
    }
}

void SxBaseWidget::resizeTo(const QPoint &globalPos)
{
    const QPoint d = globalPos - pressGlobal;
    QRect g = pressGeometry;
    const Qt::Edges edges = edgesOf(resizeZone);
    const QSize min = minimumSizeHint().expandedTo(minimumSize()).expandedTo(QSize(2 * resizeBorder, 2 * resizeBorder));
    if (edges & Qt::LeftEdge)
        g.setLeft(qMin(g.left() + d.x(), g.right() - min.width() + 1));
    if (edges & Qt::RightEdge)
        g.setRight(qMax(g.right() + d.x(), g.left() + min.width() - 1));
    if (edges & Qt::TopEdge)
        g.setTop(qMin(g.top() + d.y(), g.bottom() - min.height() + 1));
    if (edges & Qt::BottomEdge)
        g.setBottom(qMax(g.bottom() + d.y(), g.top() + min.height() - 1));
    setGeometry(g);
}
