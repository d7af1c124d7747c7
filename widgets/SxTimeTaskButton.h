// One timed task of a KS device on the input panel's task page. Shows the task number and type;
// while the task runs, a pop-up beside the button tells its state and trigger time.
#pragma once

#include "Records.h"

#include <QCommandLinkButton>

class QDialog;
class QLabel;

class SxTimeTaskButton : public QCommandLinkButton
{
    Q_OBJECT
public:
    explicit SxTimeTaskButton(QWidget *parent = nullptr);

    void setTask(const INFO_TIME_TASK &task);
    void setIndex(int index);
    INFO_TIME_TASK task() const { return m_task; }
    void setColor(const QColor &color);
    QColor color() const { return m_color; }
    void refresh();

    // Runs while allTasksOn and the task's own switch are both set.
    bool isRunning() const;
    static QString typeName(int taskType);
    QString stateText() const;
    QString timeText() const;
    QDialog *popup() const { return m_popup; }

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    INFO_TIME_TASK m_task;
    QDialog *m_popup = nullptr;
    QLabel *m_stateLabel = nullptr;
    QLabel *m_timeLabel = nullptr;
    QColor m_color = Qt::white;
};
