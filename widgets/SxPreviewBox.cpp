#include "SxPreviewBox.h"

#include <QPainter>

namespace {
QRectF entryRect(const PRESET_ENTRY &e)
{
    return QRectF(e.value(0), e.value(1), e.value(2), e.value(3));
}
} // namespace

SxPreviewBox::SxPreviewBox(QWidget *parent) : QDialog(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(180, 110);
}

void SxPreviewBox::clear()
{
    m_panels.clear();
    m_windows.clear();
    update();
}

void SxPreviewBox::setRecord(const INFO_PRESET &record)
{
    m_panels.clear();
    m_windows.clear();
    QRectF bounds;
    for (const PRESET_ENTRY &e : record.panels)
        bounds = bounds.united(entryRect(e));
    // A record without any panel area cannot be scaled; it shows as unused.
    if (bounds.width() <= 0 || bounds.height() <= 0) {
        update();
        return;
    }
    const double s = qMin(100.0 / bounds.height(), 170.0 / bounds.width());
    resize(int(bounds.width() * s + 10), int(bounds.height() * s + 10));
    const auto scaled = [s](const PRESET_ENTRY &e) {
        return QRectF(e.value(0) * s + 5, e.value(1) * s + 5, e.value(2) * s, e.value(3) * s);
    };
    for (const PRESET_ENTRY &e : record.panels)
        m_panels.append(scaled(e));
    for (const PRESET_ENTRY &e : record.windows)
        m_windows.append(scaled(e));
    update();
}

void SxPreviewBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont f = p.font();
    f.setPixelSize(16);
    p.setFont(f);
    if (m_panels.isEmpty()) {
        p.drawText(rect(), Qt::AlignCenter, tr("Not Used"));
        return;
    }
    p.setPen(QPen(QColor(Qt::darkGreen), 4));
    p.setBrush(QColor(Qt::gray));
    for (const QRectF &r : m_panels)
        p.drawRect(r);
    p.setPen(QPen(QColor(0, 128, 128), 1));
    p.setBrush(QColor(20, 50, 80));
    for (int i = 0; i < m_windows.size(); ++i) {
        p.drawRect(m_windows.at(i));
        p.drawText(m_windows.at(i), Qt::AlignRight | Qt::AlignBottom, QString::number(i + 1));
    }
}
