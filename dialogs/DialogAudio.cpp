#include "DialogAudio.h"
#include "ui_DialogAudio.h"

#include "DeviceLookup.h"
#include "KS9200Interface.h"

#include <QEvent>
#include <QIcon>

namespace {
void showSwitch(QAbstractButton *button)
{
    button->setIcon(QIcon(button->isChecked() ? QStringLiteral(":/sysButton/sysButton/icon_switchOpen.png")
                                              : QStringLiteral(":/sysButton/sysButton/icon_switchClose.png")));
}

bool hasVolume(int type)
{
    return type == 16 || type == 17 || type == 18 || type == 20;
}

bool hasNoVolume(int type)
{
    return type >= 0 && type <= 4;
}
} // namespace

DialogAudio::DialogAudio(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogAudio)
{
    updating = true;
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Audio"));
    fillWorkModes();
    showSwitch(ui->toolButton);
    updating = false;
}

DialogAudio::~DialogAudio()
{
    delete ui;
}

void DialogAudio::setAudioData(int windowCount, const uint8_t *audio, int deviceType)
{
    updating = true;
    this->windowCount = qMax(0, windowCount);
    this->deviceType = deviceType;
    if (hasNoVolume(deviceType)) {
        ui->label_volume->hide();
        ui->spin_volume->hide();
    } else if (hasVolume(deviceType)) {
        ui->label_volume->show();
        ui->spin_volume->show();
    }
    fillWindows();
    if (audio) {
        if (audio[0] < ui->comboBox_workMode->count())
            ui->comboBox_workMode->setCurrentIndex(audio[0]);
        if (audio[1] < ui->comboBox_window->count())
            ui->comboBox_window->setCurrentIndex(audio[1]);
        ui->toolButton->setChecked(audio[2] != 0);
        ui->comboBox_window->setEnabled(audio[0] == 0);
        ui->spin_volume->setValue(audio[3]);
    }
    showSwitch(ui->toolButton);
    updating = false;
}

void DialogAudio::switchLanguage()
{
    const bool wasUpdating = updating;
    updating = true;
    ui->retranslateUi(this);
    ui->dialogTitle->setTitle(tr("Audio"));
    fillWorkModes();
    fillWindows();
    updating = wasUpdating;
}

void DialogAudio::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        switchLanguage();
    SxBaseWidget::changeEvent(event);
}

void DialogAudio::done(int result)
{
    SxBaseWidget::done(result);
    // The display follows the device: read back what the device now holds.
    if (Interface *iface = DeviceLookup::ksInterface())
        iface->readOtherSetting();
}

void DialogAudio::on_toolButton_clicked()
{
    showSwitch(ui->toolButton);
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setAudioMute(ui->toolButton->isChecked() ? 1 : 0);
}

void DialogAudio::on_comboBox_workMode_currentIndexChanged(int index)
{
    if (updating)
        return;
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setAudioMode(index, ui->comboBox_window->currentData().toInt());
    ui->comboBox_window->setEnabled(index == 0);
}

void DialogAudio::on_comboBox_window_currentIndexChanged(int index)
{
    if (updating || index < 0 || ui->comboBox_workMode->currentIndex() == 1)
        return;
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setAudioMode(ui->comboBox_workMode->currentData().toInt(), index);
}

void DialogAudio::on_spin_volume_valueChanged(int arg1)
{
    if (updating)
        return;
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setAudioVolume(arg1);
}

void DialogAudio::fillWorkModes()
{
    const int current = ui->comboBox_workMode->currentIndex();
    ui->comboBox_workMode->clear();
    ui->comboBox_workMode->addItem(tr("bind window"), 0);
    ui->comboBox_workMode->addItem(tr("follow switch"), 1);
    if (current >= 0)
        ui->comboBox_workMode->setCurrentIndex(current);
}

void DialogAudio::fillWindows()
{
    const int current = ui->comboBox_window->currentIndex();
    ui->comboBox_window->clear();
    for (int i = 0; i < windowCount; ++i)
        ui->comboBox_window->addItem(tr("window %1").arg(i + 1), i);
    if (current >= 0 && current < windowCount)
        ui->comboBox_window->setCurrentIndex(current);
}
