// One panel (output area) of a GW device on the canvas: its background, area number and the
// output numbers mapped to it. A rubber band dragged on it asks the view for a new window.
// Created and owned by SxGraphicsView.
#pragma once

#include <QGraphicsItem>
#include <QList>
#include <QObject>
#include <QRect>
#include <QRectF>
#include <QString>

class SxGraphicsBGItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)
public:
    enum { Type = QGraphicsItem::UserType + 2 };

    explicit SxGraphicsBGItem(const QRect &panel, QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }
    QRectF boundingRect() const override { return m_bounds; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    void setPanelId(int n);
    int panelId() const { return m_panelId; }
    void setAreaText(const QString &format);
    void setOutputFormat(const QString &format) { m_outputFormat = format; }
    void addOutput(int n);
    void removeOutput(int n);
    void setItemScale(double s);
    void setBoundsFrom(const QRectF &r);

    QRect panelRect() const { return m_panel; }
    QList<int> outputs() const { return m_outputs; }
    // "2,4" for outputs 1 and 3.
    QString outputListText() const;
    QString areaText() const { return m_areaText; }
    QString outputFormat() const { return m_outputFormat; }
    QRectF areaRect() const { return m_areaRect; }
    QRectF outputRect() const { return m_outputRect; }
    int fontPixels() const { return m_fontPixels; }
    bool isDragging() const { return m_dragging; }

    // The window a band from `start` to `end` asks for; an invalid rectangle when it adds none.
    static QRect bandRect(QPointF start, QPointF end);

signals:
    void emitAddWindow(QRect rect);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    bool m_dragging = false;
    QPointF m_dragStart;
    QPointF m_dragEnd;
    QRect m_panel;
    QString m_outputFormat;
    QString m_areaText;
    QRectF m_bounds;
    QRectF m_outputRect = QRectF(0, 0, 100, 100);
    QRectF m_areaRect = QRectF(0, 0, 100, 100);
    int m_fontPixels = 12;
    int m_panelId = 0;
    QList<int> m_outputs;
};
