// Target rectangles of the automatic window arrangements, one per window in ascending window id
// order. A list that is shorter than the window count means the arrangement is dropped.
#pragma once

#include <QList>
#include <QRect>

class SxArrange
{
public:
    // KS set: by device type and template over the panel rectangles.
    static QList<QRect> ksRects(int deviceType, int templateId, const QList<QRect> &panels, int windows,
                                bool horizontal);
    // GW: over the rows x cols grid of panel rectangles in row-major order.
    static QList<QRect> gwRects(int rows, int cols, const QList<QRect> &panels, int windows, bool horizontal);

private:
    static QList<QRect> gwGrid(int rows, int cols, const QList<QRect> &panels, int windows, bool horizontal);
};
