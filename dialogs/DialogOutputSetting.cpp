#include "DialogOutputSetting.h"
#include "ui_DialogOutputSetting.h"

#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DeviceModels.h"
#include "KS9200Interface.h"

#include <QEvent>
#include <QIcon>
#include <QRegularExpression>
#include <QTimer>

namespace {

const char *const kKsNames[] = {
    "800x600 60Hz",   "1024x768 60Hz",  "1280x720 60Hz",  "1280x1024 60Hz", "1440x900 60Hz",  "1600x1200 60Hz",
    "1680x1050 60Hz", "1920x1080 60Hz", "1920x1200 60Hz", "1024x1920 60Hz", "1536x1536 60Hz", "2048x640 60Hz",
    "2048x1152 60Hz", "2304x1152 60Hz", "2560x816 60Hz",  "3840x640 60Hz",
};
// The KX list replaces the tenth entry by 1028 x 1600 and ends after 2304 x 1152.
const char *const kKxNames[] = {
    "800x600 60Hz",   "1024x768 60Hz",  "1280x720 60Hz",  "1280x1024 60Hz", "1440x900 60Hz",
    "1600x1200 60Hz", "1680x1050 60Hz", "1920x1080 60Hz", "1920x1200 60Hz", "1028x1600 60Hz",
    "1536x1536 60Hz", "2048x640 60Hz",  "2048x1152 60Hz", "2304x1152 60Hz",
};

QIcon switchIcon(bool on)
{
    return QIcon(on ? QStringLiteral(":/sysButton/sysButton/icon_switchOpen.png")
                    : QStringLiteral(":/sysButton/sysButton/icon_switchClose.png"));
}

void setSwitch(QAbstractButton *b, bool on)
{
    b->setChecked(on);
    b->setIcon(switchIcon(on));
}

} // namespace

DialogOutputSetting::DialogOutputSetting(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogOutputSetting)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Output Setting"));
    timerResolution = new QTimer(this);
    timerResolution->setInterval(ResolutionDelayMs);
    connect(timerResolution, &QTimer::timeout, this, &DialogOutputSetting::onTimerResolution);
    timerBackground = new QTimer(this);
    timerBackground->setInterval(BackgroundDelayMs);
    connect(timerBackground, &QTimer::timeout, this, &DialogOutputSetting::onTimerBackgroudColor);
    updating = true;
    for (int i = 1; i <= 8; ++i)
        ui->combo_colorSelect->addItem(QString::number(i));
    ui->combo_outputMode->addItems({tr("Splicing mode"), tr("Replication mode")});
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(ui->btn_borderOnOff), static_cast<QAbstractButton *>(ui->btn_dvi1_a),
                               static_cast<QAbstractButton *>(ui->btn_dvi1_b), static_cast<QAbstractButton *>(ui->btn_dvi2_a),
                               static_cast<QAbstractButton *>(ui->btn_dvi2_b), static_cast<QAbstractButton *>(ui->btn_exchange)})
        setSwitch(b, false);
    updating = false;
    rebuildForType(0);
}

DialogOutputSetting::~DialogOutputSetting()
{
    delete ui;
}

bool DialogOutputSetting::isKx() const
{
    return isKxType(devType);
}

QStringList DialogOutputSetting::presetNames(int type)
{
    QStringList names{QStringLiteral("custom")};
    if (isKxType(type)) {
        for (const char *n : kKxNames)
            names << QLatin1String(n);
    } else {
        const int count = type == 4 ? 14 : 16;
        for (int i = 0; i < count; ++i)
            names << QLatin1String(kKsNames[i]);
    }
    return names;
}

PixelClock::Timing DialogOutputSetting::presetTiming(int type, int index)
{
    const QStringList names = presetNames(type);
    if (index <= 0 || index >= names.size())
        return {};
    static const QRegularExpression re(QStringLiteral("^(\\d+)x(\\d+) (\\d+)Hz$"));
    const QRegularExpressionMatch m = re.match(names.at(index));
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
}

PixelClock::Limits DialogOutputSetting::outputLimits(int type, int outputMode, bool secondOutput)
{
    if (isKxType(type))
        return PixelClock::kxOutput(outputMode != 0 && !secondOutput);
    return PixelClock::ksOutput();
}

uint8_t DialogOutputSetting::kxBackgroundByte(int red, int green, int blue)
{
    auto q = [](int c) { return c != 0 ? 2 * c - 1 : 0; };
    return uint8_t((q(red) * 32 + q(green) * 4 + q(blue)) & 0xFF);
}

QColor DialogOutputSetting::kxPreviewColor(uint8_t b)
{
    const int r = (b & 0xE0) | ((b & 0x20) ? 31 : 0);
    const int g = (((b & 0xFC) * 8) & 0xFF) | ((b & 0x04) ? 31 : 0);
    const int bl = ((b * 64) & 0xFF) | ((b & 0x01) ? 63 : 0);
    return QColor(r, g, bl);
}

QColor DialogOutputSetting::borderColor(int index, bool kx)
{
    switch (index) {
    case 0: return QColor(255, 0, 0);
    case 1: return QColor(0, 255, 0);
    case 2: return QColor(0, 0, 255);
    case 3: return QColor(255, 255, 0);
    case 4: return QColor(255, 0, 255);
    case 5: return QColor(0, 255, 255);
    case 6: return QColor(255, 255, 255);
    default: return kx ? QColor(0, 0, 0) : QColor(128, 128, 128);
    }
}

void DialogOutputSetting::rebuildForType(int type)
{
    devType = type;
    fillPresets();
    applyVisibility();
    const int maxR = isKx() ? 4 : 255;
    const int maxG = isKx() ? 4 : 255;
    const int maxB = isKx() ? 2 : 255;
    ui->slider_bg_red->setRange(0, maxR);
    ui->spinBox_bg_red->setRange(0, maxR);
    ui->slider_bg_green->setRange(0, maxG);
    ui->spinBox_bg_green->setRange(0, maxG);
    ui->slider_bg_blue->setRange(0, maxB);
    ui->spinBox_bg_blue->setRange(0, maxB);
}

void DialogOutputSetting::fillPresets()
{
    const QStringList names = presetNames(devType);
    for (QComboBox *c : {ui->comboBox_output1, ui->comboBox_output2}) {
        c->clear();
        for (int i = 0; i < names.size(); ++i)
            c->addItem(i == 0 ? tr("custom") : names.at(i), i);
    }
}

void DialogOutputSetting::applyVisibility()
{
    const bool two = devType == 3;
    for (QWidget *w : {static_cast<QWidget *>(ui->label_output2), static_cast<QWidget *>(ui->comboBox_output2),
                       static_cast<QWidget *>(ui->label_w2), static_cast<QWidget *>(ui->spinBox_output2_w),
                       static_cast<QWidget *>(ui->label_h2), static_cast<QWidget *>(ui->spinBox_output2_h),
                       static_cast<QWidget *>(ui->label_fr2), static_cast<QWidget *>(ui->spinBox_fr2)})
        w->setVisible(two);
    const bool kx = isKx();
    const bool selector = two || kx;
    ui->label_OutputSelect->setVisible(selector);
    ui->combo_OutputSelect->setVisible(selector);
    ui->label_OutputSelect->setText(kx ? tr("Window Select") : tr("Output Select"));
    const bool position = !kx;
    for (QWidget *w : {static_cast<QWidget *>(ui->label_border_x), static_cast<QWidget *>(ui->spinBox_border_x),
                       static_cast<QWidget *>(ui->label_border_y), static_cast<QWidget *>(ui->spinBox_border_y),
                       static_cast<QWidget *>(ui->label_border_w), static_cast<QWidget *>(ui->spinBox_border_w),
                       static_cast<QWidget *>(ui->label_border_h), static_cast<QWidget *>(ui->spinBox_border_h)})
        w->setVisible(position);
    ui->spinBox_thickness->setRange(1, kx ? 15 : 270);

    const bool enhance = !(devType == 1 || devType == 2);
    ui->group_enhance->setVisible(enhance);
    bool dvi2a = two;
    bool dvi2b = two;
    ui->label_dvi2_b->setText(tr("DVI2-B"));
    if (kx) {
        dvi2b = true;
        dvi2a = devType == 17 || devType == 18;
        ui->label_dvi2_b->setText(dvi2a ? tr("DVI2-B") : tr("DVI2"));
    }
    ui->label_dvi2_a->setVisible(dvi2a);
    ui->btn_dvi2_a->setVisible(dvi2a);
    ui->label_dvi2_b->setVisible(dvi2b);
    ui->btn_dvi2_b->setVisible(dvi2b);
    ui->group_outputMode->setVisible(kx);
}

void DialogOutputSetting::selectPreset(int output, int index, const INFO_PANEL *custom)
{
    QComboBox *combo = output == 0 ? ui->comboBox_output1 : ui->comboBox_output2;
    combo->setCurrentIndex((index >= 0 && index < combo->count()) ? index : 0);
    applyPreset(output, combo->currentIndex());
    if (combo->currentIndex() == 0 && custom) {
        (output == 0 ? ui->spinBox_output1_w : ui->spinBox_output2_w)->setValue(custom->width);
        (output == 0 ? ui->spinBox_output1_h : ui->spinBox_output2_h)->setValue(custom->height);
        (output == 0 ? ui->spinBox_fr1 : ui->spinBox_fr2)->setValue(custom->rate);
    }
}

void DialogOutputSetting::setDeviceData(const DEVICE_INFO_KS &rec)
{
    updating = true;
    timerResolution->stop();
    timerBackground->stop();
    if (rec.type != devType)
        rebuildForType(rec.type);

    if (!rec.panels.isEmpty())
        selectPreset(0, rec.panels.first().index, &rec.panels.first());
    if (devType == 3 && rec.panels.size() == 2)
        selectPreset(1, rec.panels.at(1).index, &rec.panels.at(1));
    if (isKx()) {
        ui->combo_outputMode->setCurrentIndex(rec.outputMode.mode < 2 ? rec.outputMode.mode : 0);
        setSwitch(ui->btn_exchange, rec.outputMode.mode2 != 0);
    }

    ui->combo_OutputSelect->clear();
    for (int i = 0; i < rec.borders.size(); ++i) {
        const QString name = isKx() ? tr("window %1").arg(i + 1) : tr("DVI%1").arg(i + 1);
        ui->combo_OutputSelect->addItem(name, QVariant::fromValue(rec.borders.at(i)));
    }
    loadBorder(ui->combo_OutputSelect->currentIndex());

    int r = rec.other.bgRed, g = rec.other.bgGreen, b = rec.other.bgBlue;
    if (!isKx() && !rec.other.bgEnable) {
        r = 15;
        g = 50;
        b = 15;
    }
    ui->slider_bg_red->setValue(r);
    ui->spinBox_bg_red->setValue(ui->slider_bg_red->value());
    ui->slider_bg_green->setValue(g);
    ui->spinBox_bg_green->setValue(ui->slider_bg_green->value());
    ui->slider_bg_blue->setValue(b);
    ui->spinBox_bg_blue->setValue(ui->slider_bg_blue->value());
    refreshBackgroundSwatch();

    if (!rec.outputEnhance.isEmpty()) {
        setSwitch(ui->btn_dvi1_a, rec.outputEnhance.at(0).index != 0);
        setSwitch(ui->btn_dvi1_b, rec.outputEnhance.at(0).value != 0);
    }
    if (rec.outputEnhance.size() > 1) {
        setSwitch(ui->btn_dvi2_a, rec.outputEnhance.at(1).index != 0);
        setSwitch(ui->btn_dvi2_b, rec.outputEnhance.at(1).value != 0);
    }
    updating = false;
}

// ---- resolution -----------------------------------------------------------------------------

void DialogOutputSetting::applyPreset(int output, int index)
{
    QSpinBox *w = output == 0 ? ui->spinBox_output1_w : ui->spinBox_output2_w;
    QSpinBox *h = output == 0 ? ui->spinBox_output1_h : ui->spinBox_output2_h;
    QSpinBox *r = output == 0 ? ui->spinBox_fr1 : ui->spinBox_fr2;
    const bool custom = index == 0;
    if (!custom) {
        const bool was = updating;
        updating = true;
        const PixelClock::Timing t = presetTiming(devType, index);
        w->setValue(t.width);
        h->setValue(t.height);
        r->setValue(t.rate);
        updating = was;
    }
    w->setEnabled(custom);
    h->setEnabled(custom);
    r->setEnabled(custom);
}

void DialogOutputSetting::on_comboBox_output1_currentIndexChanged(int index)
{
    if (index >= 0)
        applyPreset(0, index);
}

void DialogOutputSetting::on_comboBox_output2_currentIndexChanged(int index)
{
    if (index >= 0)
        applyPreset(1, index);
}

void DialogOutputSetting::resolutionEdited(int field)
{
    if (updating)
        return;
    lastField = field;
    timerResolution->start();
}

void DialogOutputSetting::on_spinBox_output1_w_valueChanged(int) { resolutionEdited(Out1Width); }
void DialogOutputSetting::on_spinBox_output2_w_valueChanged(int) { resolutionEdited(Out2Width); }
void DialogOutputSetting::on_spinBox_output1_h_valueChanged(int) { resolutionEdited(Out1Height); }
void DialogOutputSetting::on_spinBox_output2_h_valueChanged(int) { resolutionEdited(Out2Height); }
void DialogOutputSetting::on_spinBox_fr1_valueChanged(int) { resolutionEdited(Out1Rate); }
void DialogOutputSetting::on_spinBox_fr2_valueChanged(int) { resolutionEdited(Out2Rate); }

void DialogOutputSetting::onTimerResolution()
{
    timerResolution->stop();
    const bool second = (lastField % 2) == 1;
    QSpinBox *w = second ? ui->spinBox_output2_w : ui->spinBox_output1_w;
    QSpinBox *h = second ? ui->spinBox_output2_h : ui->spinBox_output1_h;
    QSpinBox *r = second ? ui->spinBox_fr2 : ui->spinBox_fr1;
    const PixelClock::Field field = lastField < 2 ? PixelClock::Width : lastField < 4 ? PixelClock::Height : PixelClock::FrameRate;
    const PixelClock::Timing t{w->value(), h->value(), r->value()};
    const PixelClock::Timing c =
        PixelClock::corrected(t, field, outputLimits(devType, ui->combo_outputMode->currentIndex(), second));
    updating = true;
    if (c.width != t.width)
        w->setValue(c.width);
    if (c.height != t.height)
        h->setValue(c.height);
    if (c.rate != t.rate)
        r->setValue(c.rate);
    updating = false;
}

void DialogOutputSetting::on_pushButton_clicked()
{
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    // A correction still waiting is made first, so what is sent is what the dialog shows.
    if (timerResolution->isActive())
        onTimerResolution();
    const int output = isKx() ? 255 : 0;
    ks->setOutputResolution(output, ui->comboBox_output1->currentIndex(), ui->spinBox_output1_w->value(),
                            ui->spinBox_output1_h->value(), ui->spinBox_fr1->value());
    if (devType == 3)
        ks->setOutputResolution(1, ui->comboBox_output2->currentIndex(), ui->spinBox_output2_w->value(),
                                ui->spinBox_output2_h->value(), ui->spinBox_fr2->value());
    DeviceLookup::startBusy(ApplyBusyMs, true);
    ks->readPanel();
    if (isKx())
        ks->readOutputMode();
    ks->readWindows();
    ks->readInputSignals();
}

// ---- background -----------------------------------------------------------------------------

void DialogOutputSetting::backgroundEdited()
{
    if (updating)
        return;
    if (!timerBackground->isActive())
        timerBackground->start();
}

void DialogOutputSetting::on_slider_bg_red_valueChanged(int v) { ui->spinBox_bg_red->setValue(v); backgroundEdited(); }
void DialogOutputSetting::on_slider_bg_green_valueChanged(int v) { ui->spinBox_bg_green->setValue(v); backgroundEdited(); }
void DialogOutputSetting::on_slider_bg_blue_valueChanged(int v) { ui->spinBox_bg_blue->setValue(v); backgroundEdited(); }
void DialogOutputSetting::on_spinBox_bg_red_valueChanged(int v) { ui->slider_bg_red->setValue(v); backgroundEdited(); }
void DialogOutputSetting::on_spinBox_bg_green_valueChanged(int v) { ui->slider_bg_green->setValue(v); backgroundEdited(); }
void DialogOutputSetting::on_spinBox_bg_blue_valueChanged(int v) { ui->slider_bg_blue->setValue(v); backgroundEdited(); }

void DialogOutputSetting::refreshBackgroundSwatch()
{
    const int r = ui->slider_bg_red->value();
    const int g = ui->slider_bg_green->value();
    const int b = ui->slider_bg_blue->value();
    ui->widget_color_bg->setColor(isKx() ? kxPreviewColor(kxBackgroundByte(r, g, b)) : QColor(r, g, b));
}

void DialogOutputSetting::onTimerBackgroudColor()
{
    timerBackground->stop();
    refreshBackgroundSwatch();
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setBackgroundColor(ui->slider_bg_red->value(), ui->slider_bg_green->value(), ui->slider_bg_blue->value());
}

// ---- border ---------------------------------------------------------------------------------

void DialogOutputSetting::setBorderFieldsEnabled(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(ui->spinBox_border_x), static_cast<QWidget *>(ui->spinBox_border_y),
                       static_cast<QWidget *>(ui->spinBox_border_w), static_cast<QWidget *>(ui->spinBox_border_h),
                       static_cast<QWidget *>(ui->spinBox_thickness), static_cast<QWidget *>(ui->combo_colorSelect)})
        w->setEnabled(on);
}

void DialogOutputSetting::loadBorder(int index)
{
    if (index < 0 || index >= ui->combo_OutputSelect->count())
        return;
    const INFO_BORDER b = ui->combo_OutputSelect->itemData(index).value<INFO_BORDER>();
    const bool was = updating;
    updating = true;
    setSwitch(ui->btn_borderOnOff, b.enable != 0);
    setBorderFieldsEnabled(b.enable != 0);
    ui->spinBox_border_x->setValue(b.x);
    ui->spinBox_border_y->setValue(b.y);
    ui->spinBox_border_w->setValue(b.width);
    ui->spinBox_border_h->setValue(b.height);
    ui->spinBox_thickness->setValue(b.thickness);
    ui->combo_colorSelect->setCurrentIndex((b.color >= 1 && b.color <= 8) ? b.color - 1 : 0);
    ui->widget_color_border->setColor(borderColor(ui->combo_colorSelect->currentIndex(), isKx()));
    updating = was;
}

void DialogOutputSetting::on_combo_OutputSelect_currentIndexChanged(int index)
{
    loadBorder(index);
}

void DialogOutputSetting::sendBorder()
{
    const int sel = ui->combo_OutputSelect->currentIndex();
    INFO_BORDER b;
    b.enable = ui->btn_borderOnOff->isChecked() ? 1 : 0;
    b.color = uint8_t(ui->combo_colorSelect->currentIndex() + 1);
    b.x = uint16_t(ui->spinBox_border_x->value());
    b.y = uint16_t(ui->spinBox_border_y->value());
    b.width = uint16_t(ui->spinBox_border_w->value());
    b.height = uint16_t(ui->spinBox_border_h->value());
    b.thickness = uint16_t(ui->spinBox_thickness->value());
    if (sel >= 0)
        ui->combo_OutputSelect->setItemData(sel, QVariant::fromValue(b));
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setBorder(sel < 0 ? 0 : sel, b);
}

void DialogOutputSetting::on_btn_borderOnOff_clicked()
{
    ui->btn_borderOnOff->setIcon(switchIcon(ui->btn_borderOnOff->isChecked()));
    sendBorder();
    setBorderFieldsEnabled(ui->btn_borderOnOff->isChecked());
}

void DialogOutputSetting::on_spinBox_border_x_valueChanged(int) { if (!updating) sendBorder(); }
void DialogOutputSetting::on_spinBox_border_y_valueChanged(int) { if (!updating) sendBorder(); }
void DialogOutputSetting::on_spinBox_border_w_valueChanged(int) { if (!updating) sendBorder(); }
void DialogOutputSetting::on_spinBox_border_h_valueChanged(int) { if (!updating) sendBorder(); }
void DialogOutputSetting::on_spinBox_thickness_valueChanged(int) { if (!updating) sendBorder(); }

void DialogOutputSetting::on_combo_colorSelect_currentIndexChanged(int index)
{
    if (updating || index < 0)
        return;
    ui->widget_color_border->setColor(borderColor(index, isKx()));
    sendBorder();
}

// ---- output enhance and output mode ---------------------------------------------------------

void DialogOutputSetting::sendOutputEnhance()
{
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setOutputEnhance(ui->btn_dvi1_a->isChecked(), ui->btn_dvi1_b->isChecked(), ui->btn_dvi2_a->isChecked(),
                             ui->btn_dvi2_b->isChecked());
}

void DialogOutputSetting::on_btn_dvi1_a_clicked() { ui->btn_dvi1_a->setIcon(switchIcon(ui->btn_dvi1_a->isChecked())); sendOutputEnhance(); }
void DialogOutputSetting::on_btn_dvi1_b_clicked() { ui->btn_dvi1_b->setIcon(switchIcon(ui->btn_dvi1_b->isChecked())); sendOutputEnhance(); }
void DialogOutputSetting::on_btn_dvi2_a_clicked() { ui->btn_dvi2_a->setIcon(switchIcon(ui->btn_dvi2_a->isChecked())); sendOutputEnhance(); }
void DialogOutputSetting::on_btn_dvi2_b_clicked() { ui->btn_dvi2_b->setIcon(switchIcon(ui->btn_dvi2_b->isChecked())); sendOutputEnhance(); }

void DialogOutputSetting::on_combo_outputMode_currentIndexChanged(int index)
{
    if (updating || index < 0)
        return;
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    ks->setOutputMode(index, ui->btn_exchange->isChecked() ? 1 : 0);
    DeviceLookup::startBusy(OutputModeBusyMs, true);
    ks->readAll();
}

void DialogOutputSetting::on_btn_exchange_clicked()
{
    ui->btn_exchange->setIcon(switchIcon(ui->btn_exchange->isChecked()));
    if (!isKx())
        return;
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setOutputMode(ui->combo_outputMode->currentIndex(), ui->btn_exchange->isChecked() ? 1 : 0);
}

// ---- language -------------------------------------------------------------------------------

void DialogOutputSetting::retranslateDynamic()
{
    ui->dialogTitle->setTitle(tr("Output Setting"));
    const bool was = updating;
    updating = true;
    ui->comboBox_output1->setItemText(0, tr("custom"));
    ui->comboBox_output2->setItemText(0, tr("custom"));
    ui->combo_outputMode->setItemText(0, tr("Splicing mode"));
    ui->combo_outputMode->setItemText(1, tr("Replication mode"));
    for (int i = 0; i < ui->combo_OutputSelect->count(); ++i)
        ui->combo_OutputSelect->setItemText(i, isKx() ? tr("window %1").arg(i + 1) : tr("DVI%1").arg(i + 1));
    applyVisibility();
    updating = was;
}

void DialogOutputSetting::switchLanguage()
{
    ui->retranslateUi(this);
    retranslateDynamic();
}

void DialogOutputSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        switchLanguage();
    SxBaseWidget::changeEvent(event);
}
