#include "SxBaseWidget.h"

#include <QFile>
#include <QMouseEvent>

SxBaseWidget::SxBaseWidget(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    const QString sheet = applicationStyleSheet();
    if (!sheet.isEmpty())
        setStyleSheet(sheet);
}

void SxBaseWidget::initResources() {}

QString SxBaseWidget::applicationStyleSheet()
{
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

SxBaseWidget::Zone SxBaseWidget::zoneAt(const QPoint &, const QSize &, int)
{
    return ZoneCaption;
}

Qt::Edges SxBaseWidget::edgesOf(Zone)
{
    return Qt::Edges();
}

void SxBaseWidget::mousePressEvent(QMouseEvent *event) { event->accept(); }
void SxBaseWidget::mouseMoveEvent(QMouseEvent *event) { event->accept(); }
void SxBaseWidget::mouseReleaseEvent(QMouseEvent *event) { event->accept(); }

bool SxBaseWidget::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    return QDialog::nativeEvent(eventType, message, result);
}

void SxBaseWidget::updateCursor(Zone) {}
void SxBaseWidget::resizeTo(const QPoint &) {}
