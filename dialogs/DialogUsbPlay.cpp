#include "DialogUsbPlay.h"
#include "ui_DialogUsbPlay.h"

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

void switchOff(QAbstractButton *button)
{
    button->setChecked(false);
    showSwitch(button);
}
} // namespace

DialogUsbPlay::DialogUsbPlay(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogUsbPlay)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("USB Play"));
    showSwitch(ui->btn_wifi);
    showSwitch(ui->btn_wirelessScreen);
    ui->btn_prev->setIcon(QIcon(QStringLiteral(":/play/play/icon_prev.png")));
    ui->btn_next->setIcon(QIcon(QStringLiteral(":/play/play/icon_next.png")));
    setPlaying(false);
}

DialogUsbPlay::~DialogUsbPlay()
{
    delete ui;
}

void DialogUsbPlay::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->dialogTitle->setTitle(tr("USB Play"));
    }
    SxBaseWidget::changeEvent(event);
}

void DialogUsbPlay::on_btn_wifi_clicked()
{
    showSwitch(ui->btn_wifi);
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->usbWifi(ui->btn_wifi->isChecked() ? 1 : 0);
}

void DialogUsbPlay::on_btn_wirelessScreen_clicked()
{
    const bool on = ui->btn_wirelessScreen->isChecked();
    showSwitch(ui->btn_wirelessScreen);
    // The hotspot and the wireless display share the radio: the display takes it over.
    if (on)
        switchOff(ui->btn_wifi);
    ui->btn_wifi->setEnabled(!on);
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->usbWirelessScreen(on ? 1 : 0);
}

void DialogUsbPlay::on_btn_play_clicked()
{
    const bool playing = ui->btn_play->isChecked();
    setPlaying(playing);
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->usbPlay(playing ? 1 : 0);
}

void DialogUsbPlay::on_btn_prev_clicked()
{
    setPlaying(true);
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->usbPlay(3);
}

void DialogUsbPlay::on_btn_next_clicked()
{
    setPlaying(true);
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->usbPlay(2);
}

void DialogUsbPlay::on_combo_workMode_currentIndexChanged(int index)
{
    const bool local = index == 0;
    if (!local) {
        switchOff(ui->btn_wifi);
        switchOff(ui->btn_wirelessScreen);
    }
    ui->btn_wifi->setEnabled(local);
    ui->btn_wirelessScreen->setEnabled(local);
    if (index < 0)
        return;
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->usbWorkMode(index);
}

void DialogUsbPlay::setPlaying(bool playing)
{
    ui->btn_play->setChecked(playing);
    ui->btn_play->setIcon(QIcon(playing ? QStringLiteral(":/play/play/icon_stop.png")
                                        : QStringLiteral(":/play/play/icon_play.png")));
}
