#include "SxGraphicsItem.h"

#include <QCursor>
#include <QFont>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QtMath>

SxGraphicsItem::SxGraphicsItem(const QRect &local, const QRect &panel, QGraphicsItem *parent)
    : QObject(nullptr), QGraphicsItem(parent), m_panelRect(panel)
{
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    m_nameLabel = tr("window %1").arg(1);
    setWindowRect(local);
}

QRectF SxGraphicsItem::boundingRect() const
{
    return QRectF(m_itemRect.x(), m_itemRect.y(), m_itemRect.width() + m_handleMargin,
                  m_itemRect.height() + m_handleMargin);
}

QRect SxGraphicsItem::windowRect() const
{
    return QRect(pos().toPoint(), m_itemRect.size());
}

void SxGraphicsItem::setLocked(bool v)
{
    m_locked = v;
    if (v) {
        m_resizing = false;
        m_moving = false;
        unsetCursor();
    }
}

// Steps 1 and 4 of the geometry rule: no negative left/top, at least 64 x 64, and not beyond the
// panel's right or bottom edge from the given position.
QRect SxGraphicsItem::clampSize(QRect c, const QPointF &pos) const
{
    if (c.left() < 0)
        c.setLeft(0);
    if (c.top() < 0)
        c.setTop(0);
    if (c.width() < MinSize)
        c.setWidth(MinSize);
    else if (c.width() + pos.x() > m_panelRect.x() + m_panelRect.width())
        c.setWidth(int(m_panelRect.x() + m_panelRect.width() - pos.x()));
    if (c.height() < MinSize)
        c.setHeight(MinSize);
    else if (c.height() + pos.y() > m_panelRect.y() + m_panelRect.height())
        c.setHeight(int(m_panelRect.y() + m_panelRect.height() - pos.y()));
    return c;
}

void SxGraphicsItem::setWindowRect(const QRect &r)
{
    QRect c = r;
    if (c.left() < 0)
        c.setLeft(0);
    if (c.top() < 0)
        c.setTop(0);
    if (c.left() != 0 || c.top() != 0)
        c = QRect(0, 0, c.width(), c.height());
    setPos(0, 0);
    c = clampSize(c, pos());
    prepareGeometryChange();
    m_itemRect = c;
    setItemScale(m_scale);
    if (r.left() > 0 || r.top() > 0)
        setPos(r.x(), r.y());
}

void SxGraphicsItem::resizeTo(const QRect &local, bool announce)
{
    const QRect c = clampSize(local, pos());
    prepareGeometryChange();
    m_itemRect = c;
    setItemScale(m_scale);
    update();
    if (announce)
        emit emitItemPosChanged(m_windowId, windowRect(), m_panelRect);
}

void SxGraphicsItem::setItemScale(double s)
{
    // A zero scale (cleared scene) would give infinite sizes; keep the last layout.
    if (s <= 0.0)
        return;
    m_scale = s;
    const double t = 25.0 / s;
    const int w = m_itemRect.width();
    const int h = m_itemRect.height();
    double ht;
    if (2 * t <= w)
        ht = qMin(t, double(h));
    else
        ht = w / 2;
    prepareGeometryChange();
    m_titleRect = QRectF(0, 0, w, ht);
    m_handleMargin = int(5.0 / s);
    m_fontPixels = int(ht * 0.5);
    const double q = (h - ht - 2 * m_handleMargin) * 0.25;
    const double hl = qMax(double(m_fontPixels + m_handleMargin), q);
    const double wl = w - 2 * m_handleMargin;
    m_inputRect = QRectF(m_handleMargin, m_handleMargin + ht, wl, hl);
    m_geometryRect = QRectF(m_handleMargin, m_inputRect.bottom(), wl, hl);
}

void SxGraphicsItem::setLabels(const QString &name, const QString &format)
{
    m_nameLabel = name;
    m_geometryFormat = format;
    update();
}

void SxGraphicsItem::keepOrigin()
{
    const QPointF o = mapToScene(transformOriginPoint());
    const QPointF c = mapToScene(boundingRect().center());
    QTransform t = transform();
    t.translate((o - c).x(), (o - c).y());
    setTransform(t);
    setTransformOriginPoint(boundingRect().center());
    t = transform();
    t.translate((c - o).x(), (c - o).y());
    setTransform(t);
}

void SxGraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->fillRect(m_itemRect, QColor(20, 50, 80));
    if (isSelected())
        painter->setPen(QPen(QColor(0, 154, 224), int(3.0 / m_scale)));
    else
        painter->setPen(QPen(QBrush(Qt::darkCyan), 3));
    painter->drawRect(m_itemRect);
    if (m_fontPixels <= 0)
        return;
    painter->setPen(Qt::white);
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(m_fontPixels);
    font.setWeight(75);
    painter->setFont(font);
    painter->drawText(QPoint(int(m_titleRect.x() + m_handleMargin), int(2 * (m_titleRect.height() / 3))),
                      m_nameLabel);
    font.setWeight(50);
    painter->setFont(font);
    // Each text stays on its own line, shortened with an ellipsis where the window is narrow, so
    // the input line never runs into the geometry line below it or out of the window.
    painter->save();
    painter->setClipRect(m_itemRect);
    const QFontMetrics metrics(font);
    const auto line = [&](const QRectF &r, const QString &text) {
        painter->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          metrics.elidedText(text, Qt::ElideRight, int(r.width())));
    };
    const QRect w = windowRect();
    if (m_itemRect.height() > 2 * m_geometryRect.height() + m_titleRect.height())
        line(m_geometryRect, m_geometryFormat.arg(w.x()).arg(w.y()).arg(w.width()).arg(w.height()));
    if (m_itemRect.height() > m_inputRect.height() + m_titleRect.height())
        line(m_inputRect, m_inputText);
    painter->restore();
}

QVariant SxGraphicsItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange && scene()) {
        QPointF p = value.toPointF();
        const QRectF a(m_panelRect.x(), m_panelRect.y(), m_panelRect.width() - m_itemRect.width(),
                       m_panelRect.height() - m_itemRect.height());
        if (p.x() < a.left())
            p.setX(a.left());
        else if (p.x() > a.x() + a.width())
            p.setX(a.x() + a.width());
        if (p.y() < a.top())
            p.setY(a.top());
        else if (p.y() > a.y() + a.height())
            p.setY(a.y() + a.height());
        return p;
    }
    return QGraphicsItem::itemChange(change, value);
}

int SxGraphicsItem::hitZone(const QPoint &p, const QRect &w, int m)
{
    const int px = p.x(), py = p.y();
    const int l = w.x(), t = w.y(), r = w.x() + w.width(), b = w.y() + w.height();
    const bool nearL = px <= l + m, nearR = px >= r - m, nearT = py <= t + m, nearB = py >= b - m;
    if ((nearL && nearT) || (nearR && nearB))
        return nearL ? EdgeTopLeft : EdgeBottomRight;
    if ((nearL && nearB) || (nearR && nearT))
        return nearL ? EdgeBottomLeft : EdgeTopRight;
    if ((nearL || nearR) && t <= py && py <= b)
        return nearL ? EdgeLeft : EdgeRight;
    if ((nearT || nearB) && l <= px && px <= r)
        return nearT ? EdgeTop : EdgeBottom;
    return EdgeNone;
}

Qt::CursorShape SxGraphicsItem::cursorFor(int zone)
{
    switch (zone) {
    case EdgeTopLeft:
    case EdgeBottomRight:
        return Qt::SizeFDiagCursor;
    case EdgeBottomLeft:
    case EdgeTopRight:
        return Qt::SizeBDiagCursor;
    case EdgeLeft:
    case EdgeRight:
        return Qt::SizeHorCursor;
    case EdgeTop:
    case EdgeBottom:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void SxGraphicsItem::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    if (m_locked || !isSelected()) {
        QGraphicsItem::hoverMoveEvent(event);
        return;
    }
    m_resizeEdge = hitZone(event->scenePos().toPoint(), windowRect(), m_handleMargin);
    setCursor(cursorFor(m_resizeEdge));
    m_resizing = m_resizeEdge != EdgeNone;
    if (!m_resizing)
        m_moving = true;
}

void SxGraphicsItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    if (!m_locked && isSelected()) {
        setCursor(Qt::ArrowCursor);
        m_resizing = false;
        m_moving = false;
    }
    QGraphicsItem::hoverLeaveEvent(event);
}

void SxGraphicsItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_locked && event->button() == Qt::LeftButton && m_resizing)
        m_lastPoint = event->scenePos().toPoint();
    QGraphicsItem::mousePressEvent(event);
}

void SxGraphicsItem::resizeStep(const QPoint &p)
{
    int dx = p.x() - m_lastPoint.x();
    int dy = p.y() - m_lastPoint.y();
    m_lastPoint = p;
    const QRect w = windowRect();
    const int e = m_resizeEdge;
    const bool top = e == EdgeTop || e == EdgeTopRight || e == EdgeTopLeft;
    const bool left = e == EdgeBottomLeft || e == EdgeLeft || e == EdgeTopLeft;
    const bool right = e == EdgeTopRight || e == EdgeRight || e == EdgeBottomRight;
    const bool bottom = e == EdgeBottomRight || e == EdgeBottom || e == EdgeBottomLeft;
    if (top && w.y() + dy < m_panelRect.y())
        dy = m_panelRect.y() - w.y();
    if (left && w.x() + dx < m_panelRect.x())
        dx = m_panelRect.x() - w.x();
    int nw = m_itemRect.width(), nh = m_itemRect.height();
    if (right)
        nw += dx;
    else if (left)
        nw -= dx;
    if (top)
        nh -= dy;
    else if (bottom)
        nh += dy;
    if (nw < MinSize || nh < MinSize)
        return;
    const QRect local(m_itemRect.x(), m_itemRect.y(), nw, nh);
    prepareGeometryChange();
    m_itemRect = local;
    if (left || top)
        moveBy(left ? dx : 0, top ? dy : 0);
    resizeTo(local, true);
    if (e >= EdgeTopRight && e <= EdgeBottomLeft && scene())
        scene()->update();
}

void SxGraphicsItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_locked)
        return;
    if (m_resizing) {
        resizeStep(event->scenePos().toPoint());
    } else if (m_moving) {
        QGraphicsItem::mouseMoveEvent(event);
        emit emitItemPosChanged(m_windowId, windowRect(), m_panelRect);
    }
}

void SxGraphicsItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_locked && event->button() == Qt::LeftButton) {
        if (m_resizing) {
            keepOrigin();
            m_resizing = false;
        }
        m_moving = false;
        if (scene())
            scene()->update();
    }
    QGraphicsItem::mouseReleaseEvent(event);
}
