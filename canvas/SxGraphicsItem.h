// One window on the canvas: a filled box with a title band, its geometry and its input. The
// operator drags it and resizes it by edges and corners; it always stays inside its panel and is
// never smaller than 64 x 64 wall pixels. Created and owned by SxGraphicsView.
#pragma once

#include <QGraphicsItem>
#include <QObject>
#include <QRect>
#include <QRectF>
#include <QString>
#include <cstdint>

class SxGraphicsItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)
public:
    enum { Type = QGraphicsItem::UserType + 1 };
    static constexpr int MinSize = 64;

    // Edge codes of the resize zones, clockwise from the top.
    enum Edge { EdgeNone = 0, EdgeTop = 1, EdgeTopRight, EdgeRight, EdgeBottomRight, EdgeBottom,
                EdgeBottomLeft, EdgeLeft, EdgeTopLeft };

    SxGraphicsItem(const QRect &local, const QRect &panel, QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    void setWindowRect(const QRect &r);
    void resizeTo(const QRect &local, bool announce);
    QRect windowRect() const;
    void setItemScale(double s);
    void setLabels(const QString &name, const QString &format);
    void setInputText(const QString &text) { m_inputText = text; }
    void keepOrigin();

    // The zone a point (wall pixels) falls in for a window `w` and edge width `m`; 0 is the inner
    // (moving) zone.
    static int hitZone(const QPoint &p, const QRect &w, int m);
    static Qt::CursorShape cursorFor(int zone);

    QRect panelRect() const { return m_panelRect; }
    void setPanelRect(const QRect &r) { m_panelRect = r; }
    bool partFull() const { return m_partFull; }
    void setPartFull(bool v) { m_partFull = v; }
    bool hasSource() const { return m_hasSource; }
    void setHasSource(bool v) { m_hasSource = v; }
    bool locked() const { return m_locked; }
    void setLocked(bool v);
    int windowId() const { return m_windowId; }
    void setWindowId(int id) { m_windowId = uint8_t(id); }
    int transparency() const { return m_transparency; }
    void setTransparency(int v) { m_transparency = uint8_t(v); }
    int layer() const { return m_layer; }
    void setLayer(int v) { m_layer = uint8_t(v); }
    int rotate() const { return m_rotate; }
    void setRotate(int v) { m_rotate = uint8_t(v); }
    int input() const { return m_input; }
    void setInput(int v) { m_input = uint16_t(v); }
    int inputWidth() const { return m_inputWidth; }
    int inputHeight() const { return m_inputHeight; }
    int inputRate() const { return m_inputRate; }
    void setInputFormat(int w, int h, int rate)
    {
        m_inputWidth = uint16_t(w);
        m_inputHeight = uint16_t(h);
        m_inputRate = uint16_t(rate);
    }
    QString nameLabel() const { return m_nameLabel; }
    QString inputText() const { return m_inputText; }
    QString geometryFormat() const { return m_geometryFormat; }
    QRect itemRect() const { return m_itemRect; }
    QRectF titleRect() const { return m_titleRect; }
    QRectF inputRect() const { return m_inputRect; }
    QRectF geometryRect() const { return m_geometryRect; }
    double itemScale() const { return m_scale; }
    int fontPixels() const { return m_fontPixels; }
    int handleMargin() const { return m_handleMargin; }
    bool isResizing() const { return m_resizing; }
    bool isMoving() const { return m_moving; }
    int resizeEdge() const { return m_resizeEdge; }

signals:
    void emitItemPosChanged(int id, QRect rc, QRect rectPanel);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QRect clampSize(QRect c, const QPointF &pos) const;
    void resizeStep(const QPoint &p);

    QRect m_panelRect;
    bool m_partFull = false;
    bool m_hasSource = false;
    bool m_locked = false;
    uint8_t m_windowId = 0;
    uint8_t m_transparency = 0;
    uint8_t m_layer = 0;
    uint8_t m_rotate = 0;
    uint16_t m_input = 0xFFFF;
    uint16_t m_inputWidth = 0;
    uint16_t m_inputHeight = 0;
    uint16_t m_inputRate = 0;
    QString m_nameLabel;
    QString m_inputText;
    QString m_geometryFormat = QStringLiteral("window: [%1,%2, %3x%4]");
    bool m_resizing = false;
    bool m_moving = false;
    int32_t m_resizeEdge = EdgeNone;
    QRect m_itemRect;
    QPoint m_lastPoint;
    QRectF m_titleRect;
    QRectF m_inputRect;
    QRectF m_geometryRect;
    double m_scale = 1.0;
    int32_t m_fontPixels = 12;
    int32_t m_handleMargin = 5;
};
