#include "DialogGWImageQuality.h"
#include "ui_DialogGWImageQuality.h"

#include "DeviceLookup.h"
#include "GW5Interface.h"
#include "ImageQualityStore.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>

DialogGWImageQuality::DialogGWImageQuality(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogGWImageQuality)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    store = new ImageQualityStore(ui->combo_window, this);
    store->addControl(1, ui->slider_brightness, ui->spinBox_brightness);
    store->addControl(2, ui->slider_contrast, ui->spinBox_contrast);
    store->addControl(5, ui->slider_saturation, ui->spinBox_saturation);
    store->addControl(6, ui->slider_red, ui->spinBox_red);
    store->addControl(7, ui->slider_green, ui->spinBox_green);
    store->addControl(8, ui->slider_blue, ui->spinBox_blue);
    store->addControl(9, ui->slider_redGain, ui->spinBox_redGain);
    store->addControl(10, ui->slider_greenGain, ui->spinBox_greenGain);
    store->addControl(11, ui->slider_blueGain, ui->spinBox_blueGain);
    store->fill({});
    connect(store->timer(), &QTimer::timeout, this, &DialogGWImageQuality::onTimerSend);
}

DialogGWImageQuality::~DialogGWImageQuality()
{
    delete ui;
}

void DialogGWImageQuality::setImageQuality(const QList<INFO_IMAGE_QUALITY> &list)
{
    store->fill(list);
}

QList<INFO_IMAGE_QUALITY> DialogGWImageQuality::records() const
{
    return store->records();
}

QTimer *DialogGWImageQuality::sendTimer() const
{
    return store->timer();
}

void DialogGWImageQuality::onTimerSend()
{
    const int window = store->storePending();
    GW5Interface *iface = DeviceLookup::gwInterface();
    if (window >= 0 && iface)
        iface->setImageItem(store->pendingCode(), window, store->pendingValue() & 0xFF);
}

void DialogGWImageQuality::on_btn_reset_clicked()
{
    const auto answer = QMessageBox::question(this, tr("tips"), tr("Reset All Picture Params?"),
                                              QMessageBox::Yes | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    const QList<int> windows = store->resetSelected([](INFO_IMAGE_QUALITY &q) {
        q.brightness = q.contrast = q.saturation = 50;
        q.redOffset = q.greenOffset = q.blueOffset = 0;
        q.redGain = q.greenGain = q.blueGain = 0;
    });
    // The GW device has no all-windows reset: one frame per window.
    if (GW5Interface *gw = DeviceLookup::gwInterface()) {
        for (int w : windows)
            gw->resetImageQuality(w);
    }
}

void DialogGWImageQuality::switchLanguage()
{
    ui->retranslateUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    store->retranslate();
}

void DialogGWImageQuality::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        switchLanguage();
    SxBaseWidget::changeEvent(event);
}
