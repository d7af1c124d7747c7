#include "DialogKXImageQuality.h"
#include "ui_DialogKXImageQuality.h"

#include "DeviceLookup.h"
#include "ImageQualityStore.h"
#include "KS9200Interface.h"

#include <QEvent>
#include <QMessageBox>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

namespace {
constexpr int AllWindows = ImageQualityStore::AllWindows;
}

DialogKXImageQuality::DialogKXImageQuality(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogKXImageQuality)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    timerSend = new QTimer(this);
    timerSend->setInterval(SendDelayMs);
    connect(timerSend, &QTimer::timeout, this, &DialogKXImageQuality::onTimerSend);
    updating = true;
    fillCombos();
    loadPicture(WindowPicture{ImageQualityStore::defaults(), INFO_IMAGE_ADVANCED()});
    updating = false;
    wireControls();
}

DialogKXImageQuality::~DialogKXImageQuality()
{
    delete ui;
}

void DialogKXImageQuality::fillCombos()
{
    auto refill = [](QComboBox *c, const QStringList &items) {
        const int i = c->currentIndex();
        c->clear();
        c->addItems(items);
        c->setCurrentIndex(i >= 0 && i < items.size() ? i : 0);
    };
    refill(ui->combo_gamma, {QStringLiteral("1.8"), QStringLiteral("2.0"), QStringLiteral("2.2"), QStringLiteral("2.4"),
                             QStringLiteral("2.6")});
    refill(ui->combo_colorTemp, {tr("Standard"), tr("Cool"), tr("Warm"), tr("User")});
    refill(ui->combo_colorMode, {tr("Standard"), tr("Vivid"), tr("Game"), tr("Movie")});
    refill(ui->combo_rgbcmy, {tr("RGBCMY Brightness"), tr("RGBCMY Saturation"), tr("RGBCMY Hue")});
    refill(ui->combo_effect_clearVision, {tr("Off"), tr("Weak"), tr("Medium"), tr("Strong")});
    refill(ui->combo_expert_colorGamut, {tr("Standard"), QStringLiteral("sRGB"), QStringLiteral("AdobeRGB"),
                                         QStringLiteral("BT709"), QStringLiteral("DCI_P3"), QStringLiteral("BT2020"),
                                         QStringLiteral("DICOM")});
    refill(ui->combo_expert_inRange, {tr("Auto"), tr("Full"), tr("Limit")});
    refill(ui->combo_expert_inFMT, {tr("Auto"), QStringLiteral("RGB"), QStringLiteral("YUV444"), QStringLiteral("YUV422"),
                                    QStringLiteral("YUV420")});
    refill(ui->combo_expert_winFMT, {tr("Auto"), QStringLiteral("RGB"), QStringLiteral("YUV")});
}

void DialogKXImageQuality::wireControls()
{
    const QList<QPair<QSlider *, QSpinBox *>> pairs = {
        {ui->slider_brightness, ui->spinBox_brightness},
        {ui->slider_contrast, ui->spinBox_contrast},
        {ui->slider_sharpness, ui->spinBox_sharpness},
        {ui->slider_hue, ui->spinBox_hue},
        {ui->slider_saturation, ui->spinBox_saturation},
        {ui->slider_red, ui->spinBox_red},
        {ui->slider_green, ui->spinBox_green},
        {ui->slider_blue, ui->spinBox_blue},
        {ui->slider_colorTemp_red, ui->spinBox_colorTemp_red},
        {ui->slider_colorTemp_green, ui->spinBox_colorTemp_green},
        {ui->slider_colorTemp_blue, ui->spinBox_colorTemp_blue},
        {ui->slider_rgbcmy_red, ui->spinBox_rgbcmy_red},
        {ui->slider_rgbcmy_green, ui->spinBox_rgbcmy_green},
        {ui->slider_rgbcmy_blue, ui->spinBox_rgbcmy_blue},
        {ui->slider_rgbcmy_cyan, ui->spinBox_rgbcmy_cyan},
        {ui->slider_rgbcmy_magenta, ui->spinBox_rgbcmy_magenta},
        {ui->slider_rgbcmy_yellow, ui->spinBox_rgbcmy_yellow},
    };
    for (const auto &p : pairs) {
        connect(p.first, &QSlider::valueChanged, p.second, &QSpinBox::setValue);
        connect(p.second, QOverload<int>::of(&QSpinBox::valueChanged), p.first, &QSlider::setValue);
    }
    const QList<QPair<QSlider *, int>> sliders = {
        {ui->slider_brightness, 1},
        {ui->slider_contrast, 2},
        {ui->slider_sharpness, 3},
        {ui->slider_hue, 4},
        {ui->slider_saturation, 5},
        {ui->slider_red, 6},
        {ui->slider_green, 7},
        {ui->slider_blue, 8},
        {ui->slider_colorTemp_red, ColorTempRed},
        {ui->slider_colorTemp_green, ColorTempGreen},
        {ui->slider_colorTemp_blue, ColorTempBlue},
        {ui->slider_rgbcmy_red, RgbcmyRed},
        {ui->slider_rgbcmy_green, RgbcmyGreen},
        {ui->slider_rgbcmy_blue, RgbcmyBlue},
        {ui->slider_rgbcmy_cyan, RgbcmyCyan},
        {ui->slider_rgbcmy_magenta, RgbcmyMagenta},
        {ui->slider_rgbcmy_yellow, RgbcmyYellow},
    };
    for (const auto &s : sliders) {
        const int c = s.second;
        connect(s.first, &QSlider::valueChanged, this, [this, c](int v) { changed(c, v); });
    }
    const QList<QPair<QComboBox *, int>> combos = {
        {ui->combo_gamma, 9},
        {ui->combo_colorMode, 11},
        {ui->combo_effect_clearVision, EffectClearVision},
        {ui->combo_expert_colorGamut, ExpertColorGamut},
        {ui->combo_expert_inRange, ExpertInRange},
        {ui->combo_expert_inFMT, ExpertInFMT},
        {ui->combo_expert_winFMT, ExpertWinFMT},
    };
    for (const auto &c : combos) {
        const int code = c.second;
        connect(c.first, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, code](int v) {
            if (v >= 0)
                changed(code, v);
        });
    }
    const QList<QPair<QSpinBox *, int>> spins = {
        {ui->spinBox_effect_luminance, EffectLuminance},
        {ui->spinBox_effect_skinTone, EffectSkinTone},
        {ui->spinBox_effect_gaussianBlur, EffectGaussianBlur},
    };
    for (const auto &s : spins) {
        const int code = s.second;
        connect(s.first, QOverload<int>::of(&QSpinBox::valueChanged), this, [this, code](int v) { changed(code, v); });
    }
}

void DialogKXImageQuality::setImageQuality(const QList<INFO_IMAGE_QUALITY> &basic, const QList<INFO_IMAGE_ADVANCED> &advanced)
{
    updating = true;
    timerSend->stop();
    pictures.clear();
    ui->combo_window->clear();
    // Lists that do not pair up leave nothing to edit, not the windows of an earlier fill; the
    // controls show the defaults.
    if (basic.isEmpty() || basic.size() != advanced.size()) {
        loadPicture(WindowPicture{ImageQualityStore::defaults(), INFO_IMAGE_ADVANCED()});
        updating = false;
        return;
    }
    ui->combo_window->addItem(tr("All window"));
    for (int i = 0; i < basic.size(); ++i) {
        pictures.insert(i, WindowPicture{basic.at(i), advanced.at(i)});
        ui->combo_window->addItem(tr("window %1").arg(i + 1));
    }
    ui->combo_window->setCurrentIndex(0);
    loadPicture(pictures.value(0));
    updating = false;
}

void DialogKXImageQuality::loadColorTemp(const INFO_IMAGE_ADVANCED &a)
{
    ui->slider_colorTemp_red->setValue(a.colorTempRed);
    ui->slider_colorTemp_green->setValue(a.colorTempGreen);
    ui->slider_colorTemp_blue->setValue(a.colorTempBlue);
}

void DialogKXImageQuality::loadRgbcmy(const INFO_IMAGE_ADVANCED &a)
{
    const int set = qBound(0, ui->combo_rgbcmy->currentIndex(), 2);
    const RGBCMY &g = a.rgbcmy[set];
    ui->slider_rgbcmy_red->setValue(g.red);
    ui->slider_rgbcmy_green->setValue(g.green);
    ui->slider_rgbcmy_blue->setValue(g.blue);
    ui->slider_rgbcmy_cyan->setValue(g.cyan);
    ui->slider_rgbcmy_magenta->setValue(g.magenta);
    ui->slider_rgbcmy_yellow->setValue(g.yellow);
}

void DialogKXImageQuality::loadPicture(const WindowPicture &p)
{
    const bool was = updating;
    updating = true;
    const INFO_IMAGE_QUALITY &q = p.basic;
    const INFO_IMAGE_ADVANCED &a = p.advanced;
    ui->slider_brightness->setValue(q.brightness);
    ui->slider_contrast->setValue(q.contrast);
    ui->slider_sharpness->setValue(q.sharpness);
    ui->slider_hue->setValue(q.hue);
    ui->slider_saturation->setValue(q.saturation);
    ui->slider_red->setValue(q.redOffset);
    ui->slider_green->setValue(q.greenOffset);
    ui->slider_blue->setValue(q.blueOffset);
    if (q.gamma < ui->combo_gamma->count())
        ui->combo_gamma->setCurrentIndex(q.gamma);
    auto pick = [](QComboBox *c, int i) {
        if (i >= 0 && i < c->count())
            c->setCurrentIndex(i);
    };
    pick(ui->combo_colorTemp, a.colorTempMode);
    loadColorTemp(a);
    pick(ui->combo_colorMode, a.colorMode);
    loadRgbcmy(a);
    pick(ui->combo_effect_clearVision, a.clearVision);
    ui->spinBox_effect_luminance->setValue(a.luminance);
    ui->spinBox_effect_skinTone->setValue(a.skinTone);
    ui->spinBox_effect_gaussianBlur->setValue(a.gaussianBlur);
    pick(ui->combo_expert_colorGamut, a.colorGamut);
    pick(ui->combo_expert_inRange, a.inRange);
    pick(ui->combo_expert_inFMT, a.inFMT);
    pick(ui->combo_expert_winFMT, a.winFMT);
    updating = was;
}

void DialogKXImageQuality::on_combo_window_currentIndexChanged(int index)
{
    if (updating || index < 1)
        return;
    loadPicture(pictures.value(index - 1));
}

void DialogKXImageQuality::on_combo_colorTemp_currentIndexChanged(int index)
{
    if (updating || index < 0)
        return;
    const int sel = ui->combo_window->currentIndex();
    const int key = sel > 0 ? sel - 1 : 0;
    if (pictures.contains(key)) {
        updating = true;
        loadColorTemp(pictures.value(key).advanced);
        updating = false;
    }
    changed(ColorTempMode, index);
}

void DialogKXImageQuality::on_combo_rgbcmy_currentIndexChanged(int index)
{
    if (updating || index < 0)
        return;
    const int sel = ui->combo_window->currentIndex();
    const int key = sel > 0 ? sel - 1 : 0;
    updating = true;
    loadRgbcmy(pictures.value(key).advanced);
    updating = false;
}

void DialogKXImageQuality::changed(int c, int v)
{
    if (updating)
        return;
    code = c;
    value = v;
    if (!timerSend->isActive())
        timerSend->start();
}

void DialogKXImageQuality::store(WindowPicture &p) const
{
    INFO_IMAGE_QUALITY &q = p.basic;
    INFO_IMAGE_ADVANCED &a = p.advanced;
    switch (code >> 8) {
    case 0x00:
        // 9 and 11 are gamma and colour mode here, not the gains of the GW family.
        if (code == 9)
            q.gamma = uint16_t(value);
        else if (code == 11)
            a.colorMode = uint8_t(value);
        else if (code <= 8)
            ImageQualityStore::storeField(q, code, value);
        break;
    case 0x0A:
        a.colorTempMode = uint8_t(ui->combo_colorTemp->currentIndex());
        a.colorTempRed = uint8_t(ui->slider_colorTemp_red->value());
        a.colorTempGreen = uint8_t(ui->slider_colorTemp_green->value());
        a.colorTempBlue = uint8_t(ui->slider_colorTemp_blue->value());
        break;
    case 0x0C: {
        RGBCMY &g = a.rgbcmy[qBound(0, ui->combo_rgbcmy->currentIndex(), 2)];
        g.red = uint8_t(ui->slider_rgbcmy_red->value());
        g.green = uint8_t(ui->slider_rgbcmy_green->value());
        g.blue = uint8_t(ui->slider_rgbcmy_blue->value());
        g.cyan = uint8_t(ui->slider_rgbcmy_cyan->value());
        g.magenta = uint8_t(ui->slider_rgbcmy_magenta->value());
        g.yellow = uint8_t(ui->slider_rgbcmy_yellow->value());
        break;
    }
    case 0x0D:
        a.clearVision = uint8_t(ui->combo_effect_clearVision->currentIndex());
        a.luminance = uint8_t(ui->spinBox_effect_luminance->value());
        a.skinTone = uint8_t(ui->spinBox_effect_skinTone->value());
        a.gaussianBlur = uint8_t(ui->spinBox_effect_gaussianBlur->value());
        break;
    case 0x0E:
        a.colorGamut = uint8_t(ui->combo_expert_colorGamut->currentIndex());
        a.inRange = uint8_t(ui->combo_expert_inRange->currentIndex());
        a.inFMT = uint8_t(ui->combo_expert_inFMT->currentIndex());
        a.winFMT = uint8_t(ui->combo_expert_winFMT->currentIndex());
        break;
    default:
        break;
    }
}

void DialogKXImageQuality::sendPending(int window)
{
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    switch (code >> 8) {
    case 0x00:
        ks->setImageItem(code, window, value & 0xFF);
        break;
    case 0x0A:
        ks->setColorTemp(window, ui->combo_colorTemp->currentIndex(), ui->slider_colorTemp_red->value(),
                         ui->slider_colorTemp_green->value(), ui->slider_colorTemp_blue->value());
        break;
    case 0x0C: {
        RGBCMY g;
        g.red = uint8_t(ui->slider_rgbcmy_red->value());
        g.green = uint8_t(ui->slider_rgbcmy_green->value());
        g.blue = uint8_t(ui->slider_rgbcmy_blue->value());
        g.cyan = uint8_t(ui->slider_rgbcmy_cyan->value());
        g.magenta = uint8_t(ui->slider_rgbcmy_magenta->value());
        g.yellow = uint8_t(ui->slider_rgbcmy_yellow->value());
        ks->setRgbcmy(window, ui->combo_rgbcmy->currentIndex(), g);
        break;
    }
    case 0x0D:
        ks->setImageEffect(window, ui->combo_effect_clearVision->currentIndex(), ui->spinBox_effect_luminance->value(),
                           ui->spinBox_effect_skinTone->value(), ui->spinBox_effect_gaussianBlur->value());
        break;
    case 0x0E:
        ks->setImageExpert(window, ui->combo_expert_colorGamut->currentIndex(), ui->combo_expert_inRange->currentIndex(),
                           ui->combo_expert_inFMT->currentIndex(), ui->combo_expert_winFMT->currentIndex());
        break;
    default:
        break;
    }
}

void DialogKXImageQuality::onTimerSend()
{
    timerSend->stop();
    const int sel = ui->combo_window->currentIndex();
    if (sel < 0)
        return;
    if (sel == 0) {
        for (auto it = pictures.begin(); it != pictures.end(); ++it)
            store(it.value());
    } else if (pictures.contains(sel - 1)) {
        store(pictures[sel - 1]);
    }
    if (updating)
        return;
    sendPending(sel == 0 ? AllWindows : sel - 1);
}

void DialogKXImageQuality::on_btn_reset_clicked()
{
    const auto answer = QMessageBox::question(this, tr("tips"), tr("Reset All Picture Params?"),
                                              QMessageBox::Yes | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    timerSend->stop();
    for (auto it = pictures.begin(); it != pictures.end(); ++it) {
        INFO_IMAGE_QUALITY &q = it.value().basic;
        q.brightness = 50;
        q.contrast = 50;
        q.sharpness = 12;
        q.hue = 50;
        q.saturation = 50;
        q.gamma = 2;
        q.redOffset = q.greenOffset = q.blueOffset = 0;
    }
    const int sel = ui->combo_window->currentIndex();
    loadPicture(pictures.value(sel > 0 ? sel - 1 : 0));
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->resetImageQuality(AllWindows);
}

void DialogKXImageQuality::retranslateSelector()
{
    if (ui->combo_window->count() == 0)
        return;
    ui->combo_window->setItemText(0, tr("All window"));
    for (int i = 1; i < ui->combo_window->count(); ++i)
        ui->combo_window->setItemText(i, tr("window %1").arg(i));
}

void DialogKXImageQuality::switchLanguage()
{
    const bool was = updating;
    updating = true;
    ui->retranslateUi(this);
    ui->dialogTitle->setTitle(tr("Image Quality"));
    fillCombos();
    retranslateSelector();
    updating = was;
}

void DialogKXImageQuality::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        switchLanguage();
    SxBaseWidget::changeEvent(event);
}
