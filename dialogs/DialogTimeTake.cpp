#include "DialogTimeTake.h"
#include "ui_DialogTimeTake.h"

#include "DeviceLookup.h"
#include "KS9200Interface.h"

#include <QDateTime>
#include "SxMultiComboBox.h"

namespace {
constexpr int CyclePresets = 10;
// The device keeps the year as years since 2000 in one byte.
const QDate FirstDate(2000, 1, 1);
const QDate LastDate(2255, 12, 31);
} // namespace

DialogTimeTake::DialogTimeTake(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogTimeTake)
{
    ui->setupUi(this);
    ui->dateEdit->setDateRange(FirstDate, LastDate);
    ui->dateTimeEdit->setDateTimeRange(QDateTime(FirstDate, QTime(0, 0)), QDateTime(LastDate, QTime(23, 59, 59)));
    fillCycleItems();
    on_combo_type_currentIndexChanged(ui->combo_type->currentIndex());
    loadTask(m_task);
}

DialogTimeTake::~DialogTimeTake()
{
    delete ui;
}

void DialogTimeTake::fillCycleItems()
{
    const int mask = ui->combo_cycle->count() ? cycleMask() : 0;
    ui->combo_cycle->clear();
    for (int i = 1; i <= CyclePresets; ++i)
        ui->combo_cycle->addCheckItem(tr("Preset %1").arg(i));
    setCycleMask(mask);
}

int DialogTimeTake::cycleMask() const
{
    return ui->combo_cycle->checkedMask() & 0xFFFF;
}

void DialogTimeTake::setCycleMask(int mask)
{
    ui->combo_cycle->setCheckedMask(mask);
}

void DialogTimeTake::switchLanguage()
{
    const int type = ui->combo_type->currentIndex();
    const int target = ui->combo_target->currentIndex();
    ui->retranslateUi(this);
    ui->combo_type->setCurrentIndex(type);
    ui->combo_target->setCurrentIndex(target);
    fillCycleItems();
    if (!m_title.isEmpty())
        ui->dialogTitle->setTitle(m_title);
}

void DialogTimeTake::setTitle(const QString &title)
{
    m_title = title;
    ui->dialogTitle->setTitle(title);
    setWindowTitle(title);
}

int DialogTimeTake::targetToIndex(int target)
{
    if (target == 16)
        return 0;
    if (target == 17)
        return 1;
    return (target >= 0 && target <= 9) ? target + 2 : 0;
}

int DialogTimeTake::indexToTarget(int index)
{
    if (index == 0)
        return 16;
    if (index == 1)
        return 17;
    return index - 2;
}

void DialogTimeTake::setSwitchIcon(bool on)
{
    ui->toolButton->setIcon(QIcon(on ? QStringLiteral(":/sysButton/sysButton/icon_switchOpen.png")
                                     : QStringLiteral(":/sysButton/sysButton/icon_switchClose.png")));
}

void DialogTimeTake::loadTask(const INFO_TIME_TASK &task)
{
    ui->toolButton->setChecked(task.state != 0);
    setSwitchIcon(task.state != 0);
    ui->dateEdit->setDate(QDate(2000 + task.year, task.month, task.day));
    ui->timeEdit->setTime(QTime(task.hour, task.minute, task.second));
    ui->combo_type->setCurrentIndex(task.taskType <= 3 ? task.taskType : 0);
    setCycleMask(uint16_t(task.p10));
    ui->combo_target->setCurrentIndex(targetToIndex(task.target));
    ui->spinBox_timeInterval->setValue(uint16_t(task.p12));
    ui->spinBox_TimeTotal->setValue(uint16_t(task.p14));
    m_task = task;
    ui->groupBox_2->setEnabled(true);
    ui->dateTimeEdit->setEnabled(!ui->check_computerTime->isChecked());
}

void DialogTimeTake::on_combo_type_currentIndexChanged(int index)
{
    const bool single = index == 0 || index == 1;
    ui->label_5->setVisible(single);
    ui->combo_target->setVisible(single);
    for (QWidget *w : {static_cast<QWidget *>(ui->label_4), static_cast<QWidget *>(ui->combo_cycle),
                       static_cast<QWidget *>(ui->label_7), static_cast<QWidget *>(ui->spinBox_timeInterval),
                       static_cast<QWidget *>(ui->label_8), static_cast<QWidget *>(ui->spinBox_TimeTotal)})
        w->setVisible(!single);
}

void DialogTimeTake::on_check_computerTime_stateChanged(int arg1)
{
    if (arg1)
        ui->dateTimeEdit->setDateTime(QDateTime::currentDateTime());
    ui->dateTimeEdit->setEnabled(!arg1);
}

void DialogTimeTake::on_btn_ok_clicked()
{
    const QDateTime t =
        ui->check_computerTime->isChecked() ? QDateTime::currentDateTime() : ui->dateTimeEdit->dateTime();
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setDeviceTime(t);
}

void DialogTimeTake::on_toolButton_clicked()
{
    const bool on = ui->toolButton->isChecked();
    setSwitchIcon(on);
    // Kept in the edited task too: the panel's button takes it back after the dialog closes, which
    // may be after the device's answer has arrived.
    m_task.state = on ? 1 : 0;
    if (KS9200Interface *ks = DeviceLookup::ksInterface()) {
        ks->setTimeTaskState(m_task.index, on);
        // The task list (0xE9) is read back so that the buttons show what the device stored.
        ks->readTimeTasks();
    }
}

void DialogTimeTake::on_pushButton_ok_clicked()
{
    m_task.state = ui->toolButton->isChecked() ? 1 : 0;
    const QDate d = ui->dateEdit->date();
    const QTime t = ui->timeEdit->time();
    m_task.year = uint8_t(qBound(0, d.year() - 2000, 255));
    m_task.month = uint8_t(d.month());
    m_task.day = uint8_t(d.day());
    m_task.hour = uint8_t(t.hour());
    m_task.minute = uint8_t(t.minute());
    m_task.second = uint8_t(t.second());
    m_task.taskType = uint8_t(ui->combo_type->currentIndex());
    m_task.target = uint8_t(indexToTarget(ui->combo_target->currentIndex()));
    m_task.p10 = int16_t(cycleMask());
    m_task.p12 = int16_t(ui->spinBox_timeInterval->value());
    m_task.p14 = int16_t(ui->spinBox_TimeTotal->value());
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks || m_task.taskType > 3)
        return;
    ks->setTimeTask(m_task);
    ks->readTimeTasks();
}
