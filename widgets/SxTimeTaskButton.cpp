#include "SxTimeTaskButton.h"

#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

SxTimeTaskButton::SxTimeTaskButton(QWidget *parent) : QCommandLinkButton(parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setIconSize(QSize(30, 30));
    m_popup = new QDialog(this, Qt::FramelessWindowHint | Qt::ToolTip);
    auto layout = new QVBoxLayout(m_popup);
    m_stateLabel = new QLabel(m_popup);
    m_timeLabel = new QLabel(m_popup);
    layout->addWidget(m_stateLabel);
    layout->addWidget(m_timeLabel);
    refresh();
}

void SxTimeTaskButton::setTask(const INFO_TIME_TASK &task)
{
    m_task = task;
    refresh();
}

void SxTimeTaskButton::setIndex(int index)
{
    m_task.index = uint8_t(index);
    refresh();
}

void SxTimeTaskButton::setColor(const QColor &color)
{
    if (color == m_color && testAttribute(Qt::WA_SetPalette))
        return;
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, color);
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

bool SxTimeTaskButton::isRunning() const
{
    return allTasksOn && m_task.state;
}

QString SxTimeTaskButton::typeName(int taskType)
{
    switch (taskType) {
    case 0:
        return tr("Only Once");
    case 1:
        return tr("Every Day");
    case 2:
        return tr("Cycle a day");
    case 3:
        return tr("Cycle Daily");
    default:
        return QString();
    }
}

QString SxTimeTaskButton::stateText() const
{
    return isRunning() ? tr("Run") : tr("Stop");
}

QString SxTimeTaskButton::timeText() const
{
    // Date and time formatted apart: a QDateTime would convert through the local time zone
    // (and re-read it) for every button on every task frame.
    const QDate d(2000 + m_task.year, m_task.month, m_task.day);
    const QTime t(m_task.hour, m_task.minute, m_task.second);
    if (!d.isValid() || !t.isValid())
        return QString();
    return d.toString(QStringLiteral("yyyy/MM/dd")) + QLatin1Char(' ') + t.toString(QStringLiteral("HH:mm:ss"));
}

void SxTimeTaskButton::refresh()
{
    setText(QStringLiteral("%1    [%2]").arg(tr("Task %1").arg(m_task.index + 1), typeName(m_task.taskType)));
    m_stateLabel->setText(stateText());
    m_timeLabel->setText(timeText());
    if (!isRunning())
        m_popup->hide();
}

void SxTimeTaskButton::enterEvent(QEvent *event)
{
    QCommandLinkButton::enterEvent(event);
    if (!isRunning())
        return;
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(rect().topRight()) + QPoint(2, 0));
    m_popup->show();
}

void SxTimeTaskButton::leaveEvent(QEvent *event)
{
    QCommandLinkButton::leaveEvent(event);
    m_popup->hide();
}
