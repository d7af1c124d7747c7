// Editor of one timed task of a KS device, opened from the input panel's task page; also sets the
// device's clock. Requests go through the current device's KS9200Interface (DeviceLookup); without
// one nothing is sent, but the dialog still edits the task.
#pragma once

#include "Records.h"
#include "SxBaseWidget.h"

namespace Ui {
class DialogTimeTake;
}

class DialogTimeTake : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit DialogTimeTake(QWidget *parent = nullptr);
    ~DialogTimeTake() override;

    // Fills the form from the task; the task becomes the edited one.
    void loadTask(const INFO_TIME_TASK &task);
    INFO_TIME_TASK task() const { return m_task; }
    void setTitle(const QString &title);
    void switchLanguage();

    // Record target <-> index of combo_target: 16 standby, 17 wake up, 0..9 presets 1..10.
    static int targetToIndex(int target);
    static int indexToTarget(int index);

private slots:
    void on_btn_ok_clicked();
    void on_check_computerTime_stateChanged(int arg1);
    void on_toolButton_clicked();
    void on_combo_type_currentIndexChanged(int index);
    void on_pushButton_ok_clicked();

private:
    void setSwitchIcon(bool on);
    void fillCycleItems();
    int cycleMask() const;
    void setCycleMask(int mask);

    Ui::DialogTimeTake *ui;
    INFO_TIME_TASK m_task;
    QString m_title;
};
