#include "DialogImageQuality.h"
#include "ui_DialogImageQuality.h"

#include "DeviceLookup.h"
#include "ImageQualityStore.h"
#include "KS9200Interface.h"

#include <QEvent>
#include <QMessageBox>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

DialogImageQuality::DialogImageQuality(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogImageQuality)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    store = new ImageQualityStore(ui->combo_window, this);
    connect(store->timer(), &QTimer::timeout, this, &DialogImageQuality::onTimerSend);
    connectSpins();
}

DialogImageQuality::~DialogImageQuality()
{
    delete ui;
}

void DialogImageQuality::connectSpins()
{
    const QList<QPair<QSlider *, QSpinBox *>> pairs = {
        {ui->slider_brightness, ui->spinBox_brightness}, {ui->slider_contrast, ui->spinBox_contrast},
        {ui->slider_saturation, ui->spinBox_saturation}, {ui->slider_red, ui->spinBox_red},
        {ui->slider_green, ui->spinBox_green},           {ui->slider_blue, ui->spinBox_blue},
        {ui->slider_sharpness, ui->spinBox_sharpness},   {ui->slider_hue, ui->spinBox_hue},
    };
    for (const auto &p : pairs) {
        connect(p.first, &QSlider::valueChanged, p.second, &QSpinBox::setValue);
        connect(p.second, QOverload<int>::of(&QSpinBox::valueChanged), p.first, &QSlider::setValue);
    }
}

void DialogImageQuality::setImageQuality(const QList<INFO_IMAGE_QUALITY> &list)
{
    updating = true;
    store->fill(list);
    if (!list.isEmpty())
        loadRecord(list.first());
    updating = false;
}

QList<INFO_IMAGE_QUALITY> DialogImageQuality::records() const
{
    return store->records();
}

QTimer *DialogImageQuality::sendTimer() const
{
    return store->timer();
}

int DialogImageQuality::pendingCode() const
{
    return store->pendingCode();
}

int DialogImageQuality::pendingValue() const
{
    return store->pendingValue();
}

void DialogImageQuality::loadRecord(const INFO_IMAGE_QUALITY &q)
{
    const bool was = updating;
    updating = true;
    ui->slider_brightness->setValue(q.brightness);
    ui->slider_contrast->setValue(q.contrast);
    ui->slider_saturation->setValue(q.saturation);
    ui->slider_red->setValue(q.redOffset);
    ui->slider_green->setValue(q.greenOffset);
    ui->slider_blue->setValue(q.blueOffset);
    ui->slider_sharpness->setValue(q.sharpness);
    ui->slider_hue->setValue(q.hue);
    updating = was;
}

void DialogImageQuality::on_combo_window_currentIndexChanged(int index)
{
    if (updating || index < 1)
        return;
    loadRecord(store->record(index));
}

void DialogImageQuality::changed(int c, int v)
{
    if (updating)
        return;
    store->change(c, v);
}

void DialogImageQuality::on_slider_brightness_valueChanged(int v) { changed(1, v); }
void DialogImageQuality::on_slider_contrast_valueChanged(int v) { changed(2, v); }
void DialogImageQuality::on_slider_saturation_valueChanged(int v) { changed(5, v); }
void DialogImageQuality::on_slider_red_valueChanged(int v) { changed(6, v); }
void DialogImageQuality::on_slider_green_valueChanged(int v) { changed(7, v); }
void DialogImageQuality::on_slider_blue_valueChanged(int v) { changed(8, v); }
void DialogImageQuality::on_slider_sharpness_valueChanged(int v) { changed(3, v); }
void DialogImageQuality::on_slider_hue_valueChanged(int v) { changed(4, v); }

void DialogImageQuality::onTimerSend()
{
    const int window = store->storePending();
    if (window < 0 || updating)
        return;
    if (KS9200Interface *iface = DeviceLookup::ksInterface())
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
    INFO_IMAGE_QUALITY shown;
    const QList<int> done = store->resetSelected(
        [](INFO_IMAGE_QUALITY &q) {
            q.brightness = q.contrast = q.hue = q.saturation = 50;
            q.sharpness = 12;
            q.redOffset = q.greenOffset = q.blueOffset = 0;
        },
        &shown);
    if (!done.isEmpty())
        loadRecord(shown);
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
