#include "SxArrange.h"

#include <QVector>

namespace {
int half(int v)
{
    return v / 2;
}

QList<QRect> ksSimple(const QList<QRect> &panels, int n, bool horizontal)
{
    QList<QRect> out;
    if (panels.isEmpty())
        return out;
    const QRect p0 = panels.at(0);
    const double step = horizontal ? p0.width() / n : p0.height() / n;
    for (int i = 0; i < n; ++i) {
        if (horizontal)
            out << QRect(int(i * step), 0, int(step), p0.height());
        else
            out << QRect(0, int(i * step), p0.width(), int(step));
    }
    return out;
}

// Type 3: the second panel always starts at P0.width.
QList<QRect> ks9200(int t, const QRect &p0, const QRect &p1, bool horizontal)
{
    const QRect &wider = p0.width() >= p1.width() ? p0 : p1;
    const QRect &narrower = p0.width() >= p1.width() ? p1 : p0;
    const int minH = qMin(p0.height(), p1.height());
    const int minW = qMin(p0.width(), p1.width());
    const int sumW = p0.width() + p1.width();
    const int sumH = p0.height() + p1.height();
    if (horizontal) {
        switch (t) {
        case 0:
            return {QRect(0, 0, half(p0.width()), p0.height()),
                    QRect(half(p0.width()), 0, half(p0.width()), p0.height()),
                    QRect(p0.width(), 0, half(p1.width()), p1.height()),
                    QRect(p0.width() + half(p1.width()), 0, half(p1.width()), p1.height())};
        case 1:
            return {QRect(0, 0, p0.width(), p0.height()), QRect(p0.width(), 0, half(p1.width()), p1.height()),
                    QRect(p0.width() + half(p1.width()), 0, half(p1.width()), p1.height())};
        case 2:
            return {QRect(0, 0, p0.width(), p0.height()), QRect(p0.width(), 0, p1.width(), p1.height())};
        case 3:
            return {QRect(0, 0, sumW, minH)};
        case 4: {
            const double d = sumW / 3.0;
            const int t3 = int(d);
            return {QRect(t3, 0, t3, minH), QRect(0, 0, t3, p0.height()), QRect(int(2 * d), 0, t3, p1.height())};
        }
        case 5: {
            const int e = int(sumW * 0.5);
            return {QRect(0, 0, e, wider.height()), QRect(e, 0, e, narrower.height())};
        }
        case 6:
            return {QRect(0, 0, minW, sumH)};
        case 7: {
            const int m = int(minW * 0.5);
            return {QRect(0, 0, m, sumH), QRect(m, 0, m, p0.height()), QRect(m, p0.height(), m, p1.height())};
        }
        case 8: {
            const int m = int(minW * 0.5);
            return {QRect(0, 0, m, sumH), QRect(m, 0, m, sumH)};
        }
        case 9: {
            const double d = p0.width() / 3.0;
            return {QRect(0, 0, int(d), p0.height()), QRect(int(d), 0, int(d), p0.height()),
                    QRect(int(2 * d), 0, int(d), p0.height())};
        }
        }
        return {};
    }
    switch (t) {
    case 0:
        return {QRect(0, 0, p0.width(), half(p0.height())),
                QRect(0, half(p0.height()), p0.width(), half(p0.height())),
                QRect(p0.width(), 0, p1.width(), half(p1.height())),
                QRect(p0.width(), half(p1.height()), p1.width(), half(p1.height()))};
    case 1:
        return {QRect(0, 0, p0.width(), p0.height()), QRect(p0.width(), 0, p1.width(), half(p1.height())),
                QRect(p0.width(), half(p1.height()), p1.width(), half(p1.height()))};
    case 2:
        return {QRect(0, 0, p0.width(), p0.height()), QRect(p0.width(), 0, p1.width(), p1.height())};
    case 3:
        return {QRect(0, 0, sumW, minH)};
    case 4: {
        const int h = half(minH);
        return {QRect(0, 0, sumW, h), QRect(0, h, p0.width(), h), QRect(p0.width(), h, p1.width(), h)};
    }
    case 5: {
        const int h = half(minH);
        return {QRect(0, 0, sumW, h), QRect(0, h, sumW, h)};
    }
    case 6:
        return {QRect(0, 0, minW, sumH)};
    case 7: {
        const double d = sumH / 3.0;
        const int t3 = int(d);
        return {QRect(0, t3, narrower.width(), t3), QRect(0, 0, p0.width(), t3),
                QRect(0, int(2 * d), wider.width(), t3)};
    }
    case 8: {
        const int m = int(sumH * 0.5);
        return {QRect(0, 0, wider.width(), m), QRect(0, m, narrower.width(), m)};
    }
    case 9: {
        const double d = p0.height() / 3.0;
        return {QRect(0, 0, p0.width(), int(d)), QRect(0, int(d), p0.width(), int(d)),
                QRect(0, int(2 * d), p0.width(), int(d))};
    }
    }
    return {};
}

// KX subset: the second panel's windows start at P1's own x.
QList<QRect> kx(int t, const QRect &p0, const QRect &p1, bool horizontal)
{
    const int sumW = p0.width() + p1.width();
    if (horizontal) {
        switch (t) {
        case 0:
            return {QRect(0, 0, sumW, p0.height())};
        case 1:
        case 2:
        case 9:
            return {p0, p1};
        case 3:
        case 4: {
            const double d = sumW / 3.0;
            const int t3 = int(d);
            return {QRect(t3, 0, t3, p0.height()), QRect(0, 0, t3, p0.height()),
                    QRect(int(2 * d), 0, t3, p1.height())};
        }
        case 5:
        case 6:
            return {QRect(0, 0, p0.width(), p0.height()), QRect(p1.x(), 0, half(p1.width()), p1.height()),
                    QRect(p1.x() + half(p1.width()), 0, half(p1.width()), p1.height())};
        case 7: {
            const int h = half(p0.width());
            return {QRect(0, 0, h, p0.height()), QRect(p1.x(), 0, h, p1.height()), QRect(h, 0, h, p0.height()),
                    QRect(p1.x() + h, 0, h, p1.height())};
        }
        case 8: {
            const int h = half(p0.width());
            return {QRect(0, 0, h, p0.height()), QRect(h, 0, h, p0.height()), QRect(p1.x(), 0, h, p1.height()),
                    QRect(p1.x() + h, 0, h, p1.height())};
        }
        }
        return {};
    }
    switch (t) {
    case 0:
        return {QRect(0, 0, sumW, p0.height())};
    case 1: {
        const int h = half(p0.height());
        return {QRect(0, 0, sumW, h), QRect(0, h, sumW, h)};
    }
    case 2:
        return {p0, p1};
    case 3:
    case 4: {
        const int h = half(p0.height());
        return {QRect(0, 0, sumW, h), QRect(0, h, p0.width(), h), QRect(p1.x(), h, p1.width(), h)};
    }
    case 5:
    case 6: {
        const int h = half(p1.height());
        return {p0, QRect(p1.x(), 0, p1.width(), h), QRect(p1.x(), h, p1.width(), h)};
    }
    case 7: {
        const int h = half(p0.height());
        return {QRect(0, 0, p0.width(), h), QRect(p1.x(), 0, p1.width(), h), QRect(0, h, p0.width(), h),
                QRect(p1.x(), h, p1.width(), h)};
    }
    case 8: {
        const int h = half(p0.height());
        return {QRect(0, 0, p0.width(), h), QRect(0, h, p0.width(), h), QRect(p1.x(), 0, p1.width(), h),
                QRect(p1.x(), h, p1.width(), h)};
    }
    case 9: {
        const int h = half(p0.height());
        return {QRect(0, 0, 2 * p0.width(), h), QRect(0, h, 2 * p1.width(), h)};
    }
    }
    return {};
}
} // namespace

QList<QRect> SxArrange::ksRects(int deviceType, int templateId, const QList<QRect> &panels, int windows,
                                bool horizontal)
{
    if (windows <= 0)
        return {};
    switch (deviceType) {
    case 0:
    case 1:
    case 2:
    case 4:
        return ksSimple(panels, windows, horizontal);
    case 3:
        if (panels.size() < 2 || templateId < 0 || templateId >= 10)
            return {};
        return ks9200(templateId, panels.at(0), panels.at(1), horizontal);
    case 16:
    case 17:
    case 18:
    case 20:
        if (panels.size() < 2 || templateId < 0 || templateId > 9)
            return {};
        return kx(templateId, panels.at(0), panels.at(1), horizontal);
    default:
        return {};
    }
}

QList<QRect> SxArrange::gwRects(int rows, int cols, const QList<QRect> &panels, int windows, bool horizontal)
{
    // Grid positions index the panel list; a list shorter than the grid gives no arrangement.
    if (windows <= 0 || rows <= 0 || cols <= 0 || panels.size() < rows * cols)
        return {};
    QList<QRect> out;
    const int n = windows;
    if (horizontal && cols >= n) {
        const int q = cols / n;
        for (int i = 0; i < n; ++i) {
            const QRect p = panels.at(i);
            const int w = i < n - 1 ? p.width() * q : p.width() * (cols % n + q);
            out << QRect(p.x() * q, p.y(), w, p.height() * rows);
        }
        return out;
    }
    if (!horizontal && rows >= n) {
        const int q = rows / n;
        for (int i = 0; i < n; ++i) {
            const QRect p = panels.at(cols * i);
            const int h = i < n - 1 ? p.height() * q : p.height() * (rows % n + q);
            out << QRect(p.x(), p.y() * q, p.width() * cols, h);
        }
        return out;
    }
    return gwGrid(rows, cols, panels, windows, horizontal);
}

// More windows than grid columns (rows): each window takes one column (row) of panels, as long as
// possible while leaving at least one panel for every later window. A window that would get no
// panel at all ends the list short, so the arrangement is dropped.
QList<QRect> SxArrange::gwGrid(int rows, int cols, const QList<QRect> &panels, int windows, bool horizontal)
{
    QVector<bool> used(rows * cols, false);
    QList<QRect> out;
    int left = panels.size();
    int k = windows - 1;
    for (int w = 0; w < windows; ++w, --k) {
        int fr = -1, fc = -1;
        if (horizontal) {
            for (int r = 0; r < rows && fr < 0; ++r)
                for (int c = 0; c < cols; ++c)
                    if (!used[r * cols + c]) {
                        fr = r;
                        fc = c;
                        break;
                    }
        } else {
            for (int c = 0; c < cols && fc < 0; ++c)
                for (int r = 0; r < rows; ++r)
                    if (!used[r * cols + c]) {
                        fr = r;
                        fc = c;
                        break;
                    }
        }
        if (fr < 0)
            return out;
        int span = horizontal ? rows - fr : cols - fc;
        while (span > 0 && left - span < k)
            --span;
        if (span <= 0)
            return out;
        left -= span;
        QRect p = panels.at(cols * fr + fc);
        for (int s = 0; s < span; ++s) {
            const int idx = horizontal ? (fr + s) * cols + fc : fr * cols + fc + s;
            used[idx] = true;
        }
        if (horizontal)
            p.setHeight(p.height() * span);
        else
            p.setWidth(p.width() * span);
        out << p;
    }
    return out;
}
