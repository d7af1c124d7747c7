#include "SxGraphicsBGItem.h"

#include <QFont>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <algorithm>

SxGraphicsBGItem::SxGraphicsBGItem(const QRect &panel, QGraphicsItem *parent)
    : QObject(nullptr), QGraphicsItem(parent), m_panel(panel), m_bounds(panel)
{
    setAcceptHoverEvents(true);
}

void SxGraphicsBGItem::setPanelId(int n)
{
    m_panelId = n;
    setZValue(-n);
}

void SxGraphicsBGItem::setAreaText(const QString &format)
{
    m_areaText = format.arg(m_panelId + 1);
    update();
}

void SxGraphicsBGItem::addOutput(int n)
{
    if (!m_outputs.contains(n))
        m_outputs.append(n);
    std::sort(m_outputs.begin(), m_outputs.end());
    update();
}

void SxGraphicsBGItem::removeOutput(int n)
{
    m_outputs.removeAll(n);
    update();
}

void SxGraphicsBGItem::setItemScale(double s)
{
    if (s <= 0.0)
        return;
    m_fontPixels = int(15.0 / s + 2.0);
    const int m = int(5.0 / s);
    m_areaRect = QRectF(m_panel.x() + m, m_panel.y() + m, m_panel.width(), m_fontPixels + m);
    m_outputRect = QRectF(m_panel.x() + m, m_panel.y() + m_areaRect.height() + m, m_panel.width(),
                          m_fontPixels + m);
    update();
}

void SxGraphicsBGItem::setBoundsFrom(const QRectF &r)
{
    if (r.isEmpty() || r.width() <= 0 || r.height() <= 0)
        return;
    double x, w, y, h;
    if (m_panel.x() <= r.x()) {
        x = r.x();
        w = r.width();
    } else {
        x = m_panel.x();
        w = r.width() - m_panel.x();
    }
    if (m_panel.y() <= r.y()) {
        y = r.y();
        h = r.height();
    } else {
        y = m_panel.y();
        h = r.height() - m_panel.y();
    }
    prepareGeometryChange();
    m_bounds = QRectF(x, y, int(w), int(h));
}

QString SxGraphicsBGItem::outputListText() const
{
    QString text;
    for (int n : m_outputs)
        text += QStringLiteral("%1,").arg(n + 1);
    if (!text.isEmpty())
        text.chop(1);
    return text;
}

void SxGraphicsBGItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->fillRect(m_panel, QColor(33, 36, 48));
    QPen pen(QBrush(Qt::darkGreen), 20.0, Qt::DashDotLine, Qt::SquareCap, Qt::BevelJoin);
    painter->setPen(pen);
    painter->drawRect(m_panel);
    pen.setColor(Qt::darkCyan);
    painter->setPen(pen);
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(qMax(1, m_fontPixels));
    painter->setFont(font);
    painter->drawText(m_areaRect, m_areaText);
    painter->drawText(m_outputRect, m_outputFormat.arg(outputListText()));
    if (m_dragging) {
        pen.setWidth(10);
        painter->setPen(pen);
        const QRect band(m_dragStart.toPoint(), m_dragEnd.toPoint());
        if (band.isValid() && band.width() > 64 && band.height() > 64)
            painter->drawRect(band);
    }
}

QRect SxGraphicsBGItem::bandRect(QPointF start, QPointF end)
{
    if (start.x() < 0)
        start.setX(0);
    if (start.y() < 0)
        start.setY(0);
    if (end.x() < 0)
        end.setX(0);
    if (end.y() < 0)
        end.setY(0);
    const QRect r(start.toPoint(), end.toPoint());
    if (r.isValid() && r.width() > 64 && r.height() > 64)
        return r;
    return QRect();
}

void SxGraphicsBGItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragStart = event->scenePos();
        m_dragEnd = m_dragStart;
    }
}

void SxGraphicsBGItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (m_dragging) {
        m_dragEnd = event->pos();
        update();
    }
}

void SxGraphicsBGItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    m_dragEnd = event->scenePos();
    update();
    const QRect r = bandRect(m_dragStart, m_dragEnd);
    if (r.isValid())
        emit emitAddWindow(r);
}
