#include "SxBaseWidget.h"

#include <QAbstractButton>
#include <QFile>
#include <QMouseEvent>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#include <windowsx.h>
#endif

static void initShellResources()
{
    Q_INIT_RESOURCE(resources);
}

SxBaseWidget::SxBaseWidget(QWidget *parent)
    : QDialog(parent)
{
    initResources();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    // Hover over the border shows the resize cursor.
    setMouseTracking(true);
    const QString sheet = applicationStyleSheet();
    if (!sheet.isEmpty())
        setStyleSheet(sheet);
}

void SxBaseWidget::initResources()
{
    static bool done = false;
    if (!done) {
        initShellResources();
        done = true;
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

SxBaseWidget::Zone SxBaseWidget::zoneAt(const QPoint &pos, const QSize &size, int border)
{
    const int x = pos.x();
    const int y = pos.y();
    const int w = size.width();
    const int h = size.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return ZoneNone;
    // Each edge band is border pixels wide, the outermost row and column included.
    const bool left = x < border;
    const bool right = x >= w - border;
    const bool top = y < border;
    const bool bottom = y >= h - border;
    Zone zone = ZoneCaption;
    if (left)
        zone = ZoneLeft;
    if (right)
        zone = ZoneRight;
    if (top)
        zone = ZoneTop;
    if (bottom)
        zone = ZoneBottom;
    if (top && left)
        zone = ZoneTopLeft;
    if (top && right)
        zone = ZoneTopRight;
    if (bottom && left)
        zone = ZoneBottomLeft;
    if (bottom && right)
        zone = ZoneBottomRight;
    return zone;
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
    case ZoneNone:
    case ZoneCaption:
        break;
    }
    return Qt::Edges();
}

// A press only gets here when no child took it (buttons, inputs and views do), so the zone is
// taken from the geometry alone: a label or an empty title bar near the border still resizes.
void SxBaseWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    Zone zone = zoneAt(event->pos(), size(), resizeBorder);
    if (zone == ZoneNone)
        return;
    const bool fixedState = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (fixedState)
        return;
    QWindow *handle = windowHandle();
    if (zone != ZoneCaption) {
        if (handle && handle->startSystemResize(edgesOf(zone)))
            return;
        resizeZone = zone;
        pressGeometry = geometry();
        pressGlobal = event->globalPos();
        return;
    }
    if (handle && handle->startSystemMove())
        return;
    dragX = event->globalPos().x() - pos().x();
    dragY = event->globalPos().y() - pos().y();
    dragging = true;
}

void SxBaseWidget::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (resizeZone != ZoneNone) {
        resizeTo(event->globalPos());
    } else if (dragging) {
        move(event->globalPos().x() - dragX, event->globalPos().y() - dragY);
    } else if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        // Hovering: no resize cursor over buttons and other widgets that take clicks.
        const QWidget *child = childAt(event->pos());
        const bool clickable = child
                && (qobject_cast<const QAbstractButton *>(child) || child->focusPolicy() != Qt::NoFocus);
        updateCursor(clickable ? ZoneNone : zoneAt(event->pos(), size(), resizeBorder));
    }
}

void SxBaseWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    dragging = false;
    resizeZone = ZoneNone;
}

void SxBaseWidget::resizeTo(const QPoint &globalPos)
{
    const Qt::Edges edges = edgesOf(resizeZone);
    const QPoint d = globalPos - pressGlobal;
    const int minW = qMax(minimumWidth(), 2 * resizeBorder);
    const int minH = qMax(minimumHeight(), 2 * resizeBorder);
    const int maxW = maximumWidth();
    const int maxH = maximumHeight();
    QRect r = pressGeometry;
    // The edge opposite to the one dragged stays where it is.
    if (edges & Qt::LeftEdge) {
        const int w = qBound(minW, pressGeometry.width() - d.x(), maxW);
        r.setLeft(pressGeometry.right() + 1 - w);
    }
    if (edges & Qt::RightEdge)
        r.setWidth(qBound(minW, pressGeometry.width() + d.x(), maxW));
    if (edges & Qt::TopEdge) {
        const int h = qBound(minH, pressGeometry.height() - d.y(), maxH);
        r.setTop(pressGeometry.bottom() + 1 - h);
    }
    if (edges & Qt::BottomEdge)
        r.setHeight(qBound(minH, pressGeometry.height() + d.y(), maxH));
    setGeometry(r);
}

void SxBaseWidget::updateCursor(Zone zone)
{
    switch (zone) {
    case ZoneLeft:
    case ZoneRight:
        setCursor(Qt::SizeHorCursor);
        break;
    case ZoneTop:
    case ZoneBottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case ZoneTopLeft:
    case ZoneBottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case ZoneTopRight:
    case ZoneBottomLeft:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case ZoneNone:
    case ZoneCaption:
        unsetCursor();
        break;
    }
}

bool SxBaseWidget::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
#ifdef Q_OS_WIN
    MSG *msg = static_cast<MSG *>(message);
    if (eventType == "windows_generic_MSG" && msg->message == WM_NCHITTEST) {
        const QPoint global(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
        const QPoint pos = global / devicePixelRatioF() - geometry().topLeft();
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
        case ZoneCaption:
        case ZoneNone:
            *result = HTCAPTION;
            break;
        }
        return true;
    }
#endif
    return QDialog::nativeEvent(eventType, message, result);
}
