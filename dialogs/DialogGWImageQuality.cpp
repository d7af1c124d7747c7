#include "DialogGWImageQuality.h"
#include "ui_DialogGWImageQuality.h"

#include "DeviceLookup.h"
#include "GW5Interface.h"
#include "ImageQualityStore.h"

#include <QEvent>
#include <QMessageBox>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

DialogGWImageQuality::DialogGWImageQuality(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogGWImageQuality)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    store = new ImageQualityStore(ui->combo_window, this);
    connect(store->timer(), &QTimer::timeout, this, &DialogGWImageQuality::onTimerSend);
    connectSpins();
}

DialogGWImageQuality::~DialogGWImageQuality()
{
    delete ui;
}

void DialogGWImageQuality::connectSpins()
{
    const QList<QPair<QSlider *, QSpinBox *>> pairs = {
        {ui->slider_brightness, ui->spinBox_brightness}, {ui->slider_contrast, ui->spinBox_contrast},
        {ui->slider_saturation, ui->spinBox_saturation}, {ui->slider_red, ui->spinBox_red},
        {ui->slider_green, ui->spinBox_green},           {ui->slider_blue, ui->spinBox_blue},
        {ui->slider_redGain, ui->spinBox_redGain},       {ui->slider_greenGain, ui->spinBox_greenGain},
        {ui->slider_blueGain, ui->spinBox_blueGain},
    };
    for (const auto &p : pairs) {
        connect(p.first, &QSlider::valueChanged, p.second, &QSpinBox::setValue);
        connect(p.second, QOverload<int>::of(&QSpinBox::valueChanged), p.first, &QSlider::setValue);
    }
}

void DialogGWImageQuality::setImageQuality(const QList<INFO_IMAGE_QUALITY> &list)
{
    updating = true;
    store->fill(list);
    if (!list.isEmpty())
        loadRecord(list.first());
    updating = false;
}

QList<INFO_IMAGE_QUALITY> DialogGWImageQuality::records() const
{
    return store->records();
}

QTimer *DialogGWImageQuality::sendTimer() const
{
    return store->timer();
}

int DialogGWImageQuality::pendingCode() const
{
    return store->pendingCode();
}

int DialogGWImageQuality::pendingValue() const
{
    return store->pendingValue();
}

void DialogGWImageQuality::loadRecord(const INFO_IMAGE_QUALITY &q)
{
    const bool was = updating;
    updating = true;
    ui->slider_brightness->setValue(q.brightness);
    ui->slider_contrast->setValue(q.contrast);
    ui->slider_saturation->setValue(q.saturation);
    ui->slider_red->setValue(q.redOffset);
    ui->slider_green->setValue(q.greenOffset);
    ui->slider_blue->setValue(q.blueOffset);
    ui->slider_redGain->setValue(int16_t(q.redGain));
    ui->slider_greenGain->setValue(int16_t(q.greenGain));
    ui->slider_blueGain->setValue(int16_t(q.blueGain));
    updating = was;
}

void DialogGWImageQuality::on_combo_window_currentIndexChanged(int index)
{
    if (updating || index < 1)
        return;
    loadRecord(store->record(index));
}

void DialogGWImageQuality::changed(int c, int v)
{
    if (updating)
        return;
    store->change(c, v);
}

void DialogGWImageQuality::on_slider_brightness_valueChanged(int v) { changed(1, v); }
void DialogGWImageQuality::on_slider_contrast_valueChanged(int v) { changed(2, v); }
void DialogGWImageQuality::on_slider_saturation_valueChanged(int v) { changed(5, v); }
void DialogGWImageQuality::on_slider_red_valueChanged(int v) { changed(6, v); }
void DialogGWImageQuality::on_slider_green_valueChanged(int v) { changed(7, v); }
void DialogGWImageQuality::on_slider_blue_valueChanged(int v) { changed(8, v); }
void DialogGWImageQuality::on_slider_redGain_valueChanged(int v) { changed(9, v); }
void DialogGWImageQuality::on_slider_greenGain_valueChanged(int v) { changed(10, v); }
void DialogGWImageQuality::on_slider_blueGain_valueChanged(int v) { changed(11, v); }

void DialogGWImageQuality::onTimerSend()
{
    const int window = store->storePending();
    if (window < 0 || updating)
        return;
    if (GW5Interface *iface = DeviceLookup::gwInterface())
        iface->setImageItem(store->pendingCode(), window, store->pendingValue() & 0xFF);
}

void DialogGWImageQuality::on_btn_reset_clicked()
{
    const auto answer = QMessageBox::question(this, tr("tips"), tr("Reset All Picture Params?"),
                                              QMessageBox::Yes | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    INFO_IMAGE_QUALITY shown;
    const QList<int> windows = store->resetSelected(
        [](INFO_IMAGE_QUALITY &q) {
            q.brightness = q.contrast = q.saturation = 50;
            q.redOffset = q.greenOffset = q.blueOffset = 0;
            q.redGain = q.greenGain = q.blueGain = 0;
        },
        &shown);
    if (windows.isEmpty())
        return;
    loadRecord(shown);
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
