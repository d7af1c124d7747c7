#include "DialogGWImageQuality.h"
#include "ui_DialogGWImageQuality.h"

#include "DeviceLookup.h"
#include "GW5Interface.h"

#include <QEvent>
#include <QMessageBox>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

namespace {
constexpr int AllWindows = 0xFF;
}

DialogGWImageQuality::DialogGWImageQuality(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogGWImageQuality)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    timerSend = new QTimer(this);
    timerSend->setInterval(SendDelayMs);
    connect(timerSend, &QTimer::timeout, this, &DialogGWImageQuality::onTimerSend);
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
    ui->combo_window->clear();
    ui->combo_window->addItem(tr("All window"));
    for (int i = 0; i < list.size(); ++i)
        ui->combo_window->addItem(tr("window %1").arg(i + 1), QVariant::fromValue(list.at(i)));
    ui->combo_window->setCurrentIndex(0);
    if (!list.isEmpty())
        loadRecord(list.first());
    updating = false;
}

QList<INFO_IMAGE_QUALITY> DialogGWImageQuality::records() const
{
    QList<INFO_IMAGE_QUALITY> out;
    for (int i = 1; i < ui->combo_window->count(); ++i)
        out << ui->combo_window->itemData(i).value<INFO_IMAGE_QUALITY>();
    return out;
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
    loadRecord(ui->combo_window->itemData(index).value<INFO_IMAGE_QUALITY>());
}

void DialogGWImageQuality::changed(int c, int v)
{
    if (updating)
        return;
    code = c;
    value = v;
    if (!timerSend->isActive())
        timerSend->start();
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

void DialogGWImageQuality::storeRecord(int row, int c, int v)
{
    INFO_IMAGE_QUALITY q = ui->combo_window->itemData(row).value<INFO_IMAGE_QUALITY>();
    switch (c) {
    case 1: q.brightness = uint16_t(v); break;
    case 2: q.contrast = uint16_t(v); break;
    case 3: q.sharpness = uint16_t(v); break;
    case 4: q.hue = uint16_t(v); break;
    case 5: q.saturation = uint16_t(v); break;
    case 6: q.redOffset = int16_t(v); break;
    case 7: q.greenOffset = int16_t(v); break;
    case 8: q.blueOffset = int16_t(v); break;
    case 9: q.redGain = uint16_t(v); break; // gains are signed, stored as their 16-bit pattern
    case 10: q.greenGain = uint16_t(v); break;
    case 11: q.blueGain = uint16_t(v); break;
    default: return;
    }
    ui->combo_window->setItemData(row, QVariant::fromValue(q));
}

void DialogGWImageQuality::onTimerSend()
{
    timerSend->stop();
    const int sel = ui->combo_window->currentIndex();
    if (sel < 0)
        return;
    if (sel == 0) {
        for (int i = 1; i < ui->combo_window->count(); ++i)
            storeRecord(i, code, value);
    } else {
        storeRecord(sel, code, value);
    }
    if (updating)
        return;
    if (GW5Interface *gw = DeviceLookup::gwInterface())
        gw->setImageItem(code, sel == 0 ? AllWindows : sel - 1, value & 0xFF);
}

void DialogGWImageQuality::on_btn_reset_clicked()
{
    const auto answer = QMessageBox::question(this, tr("tips"), tr("Reset All Picture Params?"),
                                              QMessageBox::Yes | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    const int sel = ui->combo_window->currentIndex();
    if (sel < 0)
        return;
    // A change still waiting would otherwise undo part of the reset.
    timerSend->stop();
    const int first = sel == 0 ? 1 : sel;
    const int last = sel == 0 ? ui->combo_window->count() - 1 : sel;
    INFO_IMAGE_QUALITY shown;
    for (int i = first; i <= last; ++i) {
        INFO_IMAGE_QUALITY q = ui->combo_window->itemData(i).value<INFO_IMAGE_QUALITY>();
        q.brightness = 50;
        q.contrast = 50;
        q.saturation = 50;
        q.redOffset = q.greenOffset = q.blueOffset = 0;
        q.redGain = q.greenGain = q.blueGain = 0;
        ui->combo_window->setItemData(i, QVariant::fromValue(q));
        shown = q;
    }
    if (last >= first)
        loadRecord(shown);
    // The GW device has no all-windows reset: one frame per window.
    if (GW5Interface *gw = DeviceLookup::gwInterface()) {
        for (int i = first; i <= last; ++i)
            gw->resetImageQuality(i - 1);
    }
}

void DialogGWImageQuality::retranslateSelector()
{
    if (ui->combo_window->count() == 0)
        return;
    ui->combo_window->setItemText(0, tr("All window"));
    for (int i = 1; i < ui->combo_window->count(); ++i)
        ui->combo_window->setItemText(i, tr("window %1").arg(i));
}

void DialogGWImageQuality::switchLanguage()
{
    ui->retranslateUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    retranslateSelector();
}

void DialogGWImageQuality::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        switchLanguage();
    SxBaseWidget::changeEvent(event);
}
