#include "DialogChromaKey.h"
#include "ui_DialogChromaKey.h"

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

void setComboIndex(QComboBox *combo, int index)
{
    // Device bytes beyond the item list leave the combo where it is.
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}
} // namespace

DialogChromaKey::DialogChromaKey(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogChromaKey)
{
    ui->setupUi(this);
    showSwitch(ui->btn_onoff);
    showCustomRows(false);
    updateTitle();
}

DialogChromaKey::~DialogChromaKey()
{
    delete ui;
}

void DialogChromaKey::setChromaData(int winId, const INFO_CHROMA &chroma)
{
    this->winId = winId;
    setComboIndex(ui->combo_mode, chroma.mode);
    setComboIndex(ui->combo_colorFilter, chroma.presetColor);
    setComboIndex(ui->combo_RGBFilter1, chroma.rgbFilter1);
    setComboIndex(ui->combo_RGBFilter2, chroma.rgbFilter2);
    ui->spinBox_red->setValue(chroma.red);
    ui->spinBox_green->setValue(chroma.green);
    ui->spinBox_blue->setValue(chroma.blue);
    ui->btn_onoff->setChecked(chroma.enable != 0);
    showSwitch(ui->btn_onoff);
    showCustomRows(chroma.mode != 0);
    updateTitle();
}

void DialogChromaKey::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateTitle();
    }
    SxBaseWidget::changeEvent(event);
}

void DialogChromaKey::on_combo_mode_currentIndexChanged(int index)
{
    showCustomRows(index == 1);
}

void DialogChromaKey::on_btn_apply_clicked()
{
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    const int mode = ui->combo_mode->currentIndex();
    const int enable = ui->btn_onoff->isChecked() ? 1 : 0;
    if (mode == 0)
        ks->setChromaPreset(winId, 0, enable, ui->combo_colorFilter->currentIndex());
    else
        ks->setChromaColor(winId, mode, enable, ui->combo_RGBFilter1->currentIndex(),
                           ui->combo_RGBFilter2->currentIndex(), ui->spinBox_red->value(),
                           ui->spinBox_green->value(), ui->spinBox_blue->value());
}

void DialogChromaKey::on_btn_c_clicked()
{
    reject();
}

void DialogChromaKey::on_btn_onoff_clicked()
{
    showSwitch(ui->btn_onoff);
}

void DialogChromaKey::showCustomRows(bool custom)
{
    ui->label_colorFilter->setVisible(!custom);
    ui->combo_colorFilter->setVisible(!custom);
    const QList<QWidget *> customRows = {ui->label_RGBFilter1, ui->combo_RGBFilter1, ui->label_RGBFilter2,
                                         ui->combo_RGBFilter2,  ui->label_red,        ui->spinBox_red,
                                         ui->label_green,       ui->spinBox_green,    ui->label_blue,
                                         ui->spinBox_blue};
    for (QWidget *w : customRows)
        w->setVisible(custom);
}

void DialogChromaKey::updateTitle()
{
    const QString title = tr("Chroma Key - Window%1").arg(winId + 1);
    ui->dialogTitle->setTitle(title);
    setWindowTitle(title);
}
