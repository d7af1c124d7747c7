#include "DialogEDID.h"
#include "ui_DialogEDID.h"

#include "DeviceLookup.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>

namespace {

// KX models, type 20 included, share one EDID behaviour.
bool isKxEdid(int type)
{
    return isKxType(type);
}

bool isKsBasic(int type)
{
    return type >= 0 && type <= 4;
}

struct EdidPreset
{
    int width;
    int height;
    int rate;
};

constexpr EdidPreset kPresets[] = {
    {0, 0, 0},        {4080, 2160, 30}, {3840, 2160, 30}, {3840, 1080, 60}, {3600, 1200, 60},
    {3200, 1440, 60}, {2880, 1600, 60}, {2560, 1600, 60}, {2304, 1152, 60}, {2048, 1536, 60},
    {1920, 1200, 60}, {1920, 1080, 60}, {1680, 1050, 60}, {1600, 1200, 60}, {1440, 900, 60},
    {1366, 768, 60},  {1280, 720, 60},
};
constexpr int kPresetCount = int(sizeof(kPresets) / sizeof(kPresets[0]));

} // namespace

DialogEDID::DialogEDID(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogEDID)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("EDID Setting"));
    timerResolution = new QTimer(this);
    timerResolution->setInterval(ResolutionDelayMs);
    connect(timerResolution, &QTimer::timeout, this, &DialogEDID::onTimerResolution);
    ui->label_preset->hide();
    ui->combo_preset->hide();
    ui->label_dviMode->hide();
    ui->combo_dviMode->hide();
}

DialogEDID::~DialogEDID()
{
    delete ui;
}

QString DialogEDID::inputLabel(int type, int srcId)
{
    if (isGwType(type))
        return tr("Input%1").arg(srcId + 1);
    return inputName(srcId);
}

QStringList DialogEDID::presetNames()
{
    QStringList names{tr("Custom")};
    for (int i = 1; i < kPresetCount; ++i)
        names << QStringLiteral("%1*%2 %3Hz").arg(kPresets[i].width).arg(kPresets[i].height).arg(kPresets[i].rate);
    return names;
}

bool DialogEDID::hasPresets(int type)
{
    return isKxEdid(type);
}

PixelClock::Timing DialogEDID::presetTiming(int index)
{
    if (index <= 0 || index >= kPresetCount)
        return {};
    return {kPresets[index].width, kPresets[index].height, kPresets[index].rate};
}

void DialogEDID::setEdidData(const QList<INFO_EDID> &list, int type, int signalMode, int dviAudioMode)
{
    updating = true;
    devType = type;
    const int previous = ui->combo_inputSrc->currentIndex();
    ui->combo_inputSrc->clear();
    for (const INFO_EDID &e : list)
        ui->combo_inputSrc->addItem(inputLabel(type, e.srcId), QVariant::fromValue(e));
    rebuildModeSelector(signalMode, dviAudioMode);

    const bool presets = hasPresets(type);
    ui->combo_preset->clear();
    if (presets)
        ui->combo_preset->addItems(presetNames());
    ui->label_preset->setVisible(presets);
    ui->combo_preset->setVisible(presets);

    const PixelClock::Limits l = PixelClock::edid(type);
    ui->spin_width->setRange(0, 9999);
    ui->spin_height->setRange(0, 9999);
    ui->spin_frame->setRange(0, std::max(255, l.maxRate));

    const int index = (previous >= 0 && previous < list.size()) ? previous : 0;
    ui->combo_inputSrc->setCurrentIndex(list.isEmpty() ? -1 : index);
    loadEntry(ui->combo_inputSrc->currentIndex());
    updating = false;
}

void DialogEDID::rebuildModeSelector(int signalMode, int dviAudioMode)
{
    ui->combo_dviMode->clear();
    bool shown = true;
    int initial = signalMode;
    if (devType == 1 || devType == 2) {
        ui->label_dviMode->setText(tr("DVI Signal Mode"));
        ui->combo_dviMode->addItems({tr("DVI"), tr("HDMI")});
    } else if (devType == 4) {
        ui->label_dviMode->setText(tr("DVI Audio Input"));
        ui->combo_dviMode->addItems({tr("Analog"), tr("Digital")});
    } else if (isKxEdid(devType)) {
        ui->label_dviMode->setText(tr("DVI Audio Input"));
        ui->combo_dviMode->addItems({tr("Digital"), tr("Analog")});
        initial = dviAudioMode;
    } else {
        shown = false;
    }
    ui->label_dviMode->setVisible(shown);
    ui->combo_dviMode->setVisible(shown);
    if (shown)
        ui->combo_dviMode->setCurrentIndex((initial >= 0 && initial < ui->combo_dviMode->count()) ? initial : 0);
}

void DialogEDID::loadEntry(int index)
{
    if (index < 0 || index >= ui->combo_inputSrc->count())
        return;
    const INFO_EDID e = ui->combo_inputSrc->itemData(index).value<INFO_EDID>();
    const bool was = updating;
    updating = true;
    ui->spin_width->setValue(e.width);
    ui->spin_height->setValue(e.height);
    ui->spin_frame->setValue(e.rate);
    updating = was;
}

void DialogEDID::on_combo_inputSrc_currentIndexChanged(int index)
{
    loadEntry(index);
}

void DialogEDID::edited(int field)
{
    if (updating)
        return;
    lastField = field;
    timerResolution->start();
    if (ui->combo_preset->count() > 0)
        ui->combo_preset->setCurrentIndex(0);
}

void DialogEDID::on_spin_width_valueChanged(int)
{
    edited(PixelClock::Width);
}

void DialogEDID::on_spin_height_valueChanged(int)
{
    edited(PixelClock::Height);
}

void DialogEDID::on_spin_frame_valueChanged(int)
{
    edited(PixelClock::FrameRate);
}

void DialogEDID::on_combo_preset_currentIndexChanged(int index)
{
    if (updating || index < 1 || index >= kPresetCount)
        return;
    updating = true;
    const PixelClock::Timing t = presetTiming(index);
    ui->spin_width->setValue(t.width);
    ui->spin_height->setValue(t.height);
    ui->spin_frame->setValue(t.rate);
    updating = false;
}

void DialogEDID::onTimerResolution()
{
    timerResolution->stop();
    updating = true;
    const PixelClock::Timing t{ui->spin_width->value(), ui->spin_height->value(), ui->spin_frame->value()};
    const PixelClock::Timing c = PixelClock::corrected(t, PixelClock::Field(lastField), PixelClock::edid(devType));
    if (c.width != t.width)
        ui->spin_width->setValue(c.width);
    if (c.height != t.height)
        ui->spin_height->setValue(c.height);
    if (c.rate != t.rate)
        ui->spin_frame->setValue(c.rate);
    updating = false;
}

void DialogEDID::on_combo_dviMode_currentIndexChanged(int index)
{
    if (updating || index < 0)
        return;
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    if (isKsBasic(devType))
        ks->setEdidMode(devType, index);
    else if (isKxEdid(devType))
        ks->setEdidMode(DeviceType::KX1200, index); // type 20 takes the KX command
}

void DialogEDID::on_btn_ok_clicked()
{
    const int index = ui->combo_inputSrc->currentIndex();
    if (index < 0)
        return;
    // A pending correction is applied first, so an out-of-range value never leaves the dialog.
    if (timerResolution->isActive())
        onTimerResolution();
    const INFO_EDID e = ui->combo_inputSrc->itemData(index).value<INFO_EDID>();
    const int w = ui->spin_width->value();
    const int h = ui->spin_height->value();
    const int r = ui->spin_frame->value();
    Interface *iface = nullptr;
    if (isKsType(devType)) {
        if (KS9200Interface *ks = DeviceLookup::ksInterface()) {
            ks->setEdidResolution(e.srcId, w, h, r);
            iface = ks;
        }
    } else if (isGwType(devType)) {
        if (GW5Interface *gw = DeviceLookup::gwInterface()) {
            gw->setEdidResolution(e.srcId, w, h, r);
            iface = gw;
        }
    }
    if (!iface)
        return;
    DeviceLookup::startBusy(ApplyBusyMs, true);
    iface->readInputSignals();
    iface->readEDID();
}

void DialogEDID::on_pushButton_clicked()
{
    const auto answer = QMessageBox::question(this, tr("tips"), tr("Reset All EDID Setting?"),
                                              QMessageBox::Yes | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    if (isKsType(devType)) {
        if (KS9200Interface *ks = DeviceLookup::ksInterface())
            ks->resetEdid();
    }
    DeviceLookup::startBusy(ResetBusyMs, true);
}

void DialogEDID::retranslateDynamic()
{
    ui->dialogTitle->setTitle(tr("EDID Setting"));
    const bool was = updating;
    updating = true;
    for (int i = 0; i < ui->combo_inputSrc->count(); ++i)
        ui->combo_inputSrc->setItemText(i, inputLabel(devType, ui->combo_inputSrc->itemData(i).value<INFO_EDID>().srcId));
    if (ui->combo_preset->count() > 0)
        ui->combo_preset->setItemText(0, tr("Custom"));
    const int mode = ui->combo_dviMode->currentIndex();
    rebuildModeSelector(mode, mode);
    updating = was;
}

void DialogEDID::switchLanguage()
{
    ui->retranslateUi(this);
    retranslateDynamic();
}

void DialogEDID::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        switchLanguage();
    SxBaseWidget::changeEvent(event);
}
