#include "DialogImageQuality.h"
#include "ui_DialogImageQuality.h"

#include "DeviceLookup.h"
#include "ImageQualityStore.h"
#include "KS9200Interface.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>

DialogImageQuality::DialogImageQuality(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogImageQuality)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    store = new ImageQualityStore(ui->combo_window, this);
    store->addControl(1, ui->slider_brightness, ui->spinBox_brightness);
    store->addControl(2, ui->slider_contrast, ui->spinBox_contrast);
    store->addControl(3, ui->slider_sharpness, ui->spinBox_sharpness);
    store->addControl(4, ui->slider_hue, ui->spinBox_hue);
    store->addControl(5, ui->slider_saturation, ui->spinBox_saturation);
    store->addControl(6, ui->slider_red, ui->spinBox_red);
    store->addControl(7, ui->slider_green, ui->spinBox_green);
    store->addControl(8, ui->slider_blue, ui->spinBox_blue);
    store->fill({});
    connect(store->timer(), &QTimer::timeout, this, &DialogImageQuality::onTimerSend);
}

DialogImageQuality::~DialogImageQuality()
{
    delete ui;
}

void DialogImageQuality::setImageQuality(const QList<INFO_IMAGE_QUALITY> &list)
{
    store->fill(list);
}

QList<INFO_IMAGE_QUALITY> DialogImageQuality::records() const
{
    return store->records();
}

QTimer *DialogImageQuality::sendTimer() const
{
    return store->timer();
}

void DialogImageQuality::onTimerSend()
{
    const int window = store->storePending();
    KS9200Interface *iface = DeviceLookup::ksInterface();
    if (window >= 0 && iface)
        iface->setImageItem(store->pendingCode(), window, store->pendingValue() & 0xFF);
}

void DialogImageQuality::on_btn_reset_clicked()
{
    const auto answer = QMessageBox::question(this, tr("tips"), tr("Reset All Picture Params?"),
                                              QMessageBox::Yes | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    const int window = store->selectedWindow();
    if (window < 0)
        return;
    store->resetSelected([](INFO_IMAGE_QUALITY &q) {
        q.brightness = q.contrast = q.hue = q.saturation = 50;
        q.sharpness = 12;
        q.redOffset = q.greenOffset = q.blueOffset = 0;
    });
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->resetImageQuality(window);
}

void DialogImageQuality::switchLanguage()
{
    ui->retranslateUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    store->retranslate();
}

void DialogImageQuality::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        switchLanguage();
    SxBaseWidget::changeEvent(event);
}
