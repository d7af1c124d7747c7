#include "WidgetInLeft.h"
#include "ui_WidgetInLeft.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DialogTimeTake.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxPreviewBoxButton.h"
#include "SxSignalBoxButton.h"
#include "SxTimeTaskButton.h"

#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int GwType = 48;
constexpr int GwTemplateCount = 5;
constexpr int MaxGwInputs = 32;

// Connector kinds in the order names are matched, with the id of their first input.
struct SourceKind
{
    const char *name;
    int base;
};
const SourceKind SourceKinds[] = {{"VGA", 0}, {"DVI", 16}, {"HDMI", 32}, {"CV", 48},
                                  {"DP", 64}, {"SDI", 80}, {"USB", 96}};

uint16_t clampU16(long v)
{
    return uint16_t(qBound(0L, v, 65535L));
}

PRESET_ENTRY rectEntry(long x, long y, long w, long h, int id)
{
    return PRESET_ENTRY{clampU16(x), clampU16(y), clampU16(w), clampU16(h), clampU16(id)};
}

// Replaces every item of a button page's layout with the buttons and a closing stretch.
template <typename Button>
void fillLayout(QLayout *layout, const QList<Button *> &buttons)
{
    auto *box = qobject_cast<QVBoxLayout *>(layout);
    while (QLayoutItem *item = layout->takeAt(0))
        delete item;
    for (Button *b : buttons)
        box->addWidget(b);
    box->addStretch(1);
}
} // namespace

WidgetInLeft::WidgetInLeft(QWidget *parent) : QWidget(parent), ui(new Ui::WidgetInLeft)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("LeftWidget"));
    m_sourcePage = ui->scrollArea_page_source;
    buildPageButtons();

    for (int i = 0; i < ButtonCount; ++i) {
        auto *preset = new SxPreviewBoxButton(ui->contents_page_preset);
        preset->setId(i);
        preset->clearData();
        connect(preset, &SxPreviewBoxButton::emitDoubleClicked, this, [this, preset] { onPresetButtonDoubleClicked(preset); });
        m_presetButtons.append(preset);
        auto *templ = new SxPreviewBoxButton(ui->contents_page_template);
        templ->setId(i);
        templ->clearData();
        connect(templ, &SxPreviewBoxButton::emitDoubleClicked, this, [this, templ] { onTemplateButtonDoubleClicked(templ); });
        m_templateButtons.append(templ);
    }
    fillLayout(ui->layout_preset, m_presetButtons);
    fillLayout(ui->layout_template, m_templateButtons);

    for (int i = 0; i < TaskCount; ++i) {
        auto *task = new SxTimeTaskButton(ui->contents_page_task);
        task->setIndex(i);
        connect(task, &QAbstractButton::clicked, this, [this, task] { onTimeTaskClicked(task); });
        m_taskButtons.append(task);
    }
    fillLayout(ui->layout_task, m_taskButtons);
    m_timeTaskDialog = new DialogTimeTake(this);

    ui->slider_time->setTracking(false); // one setting per drag; the spin box follows the handle
    connect(ui->slider_time, &QSlider::sliderMoved, this, [this](int v) {
        const QSignalBlocker block(ui->doubleSpinBox);
        ui->doubleSpinBox->setValue(v / 10.0);
    });
    ui->btn_taskSwitch->setChecked(allTasksOn);
    setTaskSwitchIcon(allTasksOn);
    repaintTaskButtons();
    relabelButtons();

    rebuildKsSources(NoDevice, false, false);
    ui->btn_signalSrc->setChecked(true);
    showStackWidget(0);
}

WidgetInLeft::~WidgetInLeft()
{
    delete ui;
}

void WidgetInLeft::buildPageButtons()
{
    // The style sheet selects the page buttons by these names; the by-name slots are already made.
    ui->btn_signalSrc->setObjectName(QStringLiteral("KeepStatu_Signal"));
    ui->btn_timedTask->setObjectName(QStringLiteral("KeepStatu_TimeTask"));
    ui->btn_loadTemplate->setObjectName(QStringLiteral("KeepStatu_LoadTemplate"));
    ui->btn_loadDefault->setObjectName(QStringLiteral("KeepStatu_LoadPreset"));
}

// ---- names, ids and derived templates ----------------------------------------------------------

QStringList WidgetInLeft::sourceNames(int deviceType, bool hasUsb, bool hasSdi)
{
    QStringList names;
    switch (deviceType) {
    case 0:
    case 1:
    case 2:
        names = QStringList{"VGA1", "DVI1", "HDMI1", "CV1", "CV2"};
        if (hasUsb)
            names << "USB1";
        if (hasSdi)
            names << "SDI1";
        break;
    case 3:
        names = QStringList{"VGA1", "VGA2", "CV1", "CV2", "DVI1", "DVI2", "HDMI1", "HDMI2", "HDMI3", "HDMI4"};
        break;
    case 4:
        names = QStringList{"DVI1", "DVI2", "HDMI1", "VGA1", "VGA2", "CV1", "CV2"};
        if (hasUsb)
            names << "USB1";
        if (hasSdi)
            names << "SDI1" << "SDI2";
        break;
    case 16:
    case 17:
    case 18:
    case 20:
        names = QStringList{"VGA1", "DVI1", "HDMI1", "HDMI2", "DP1"};
        if (hasUsb)
            names << "USB1";
        if (hasSdi)
            names << "SDI1" << "SDI2";
        break;
    case GwType:
        break;
    default:
        names = QStringList{"VGA1"};
        break;
    }
    return names;
}

int WidgetInLeft::sourceId(const QString &name)
{
    for (const SourceKind &kind : SourceKinds) {
        const QString k = QLatin1String(kind.name);
        const int at = name.indexOf(k);
        if (at < 0)
            continue;
        bool ok = false;
        const int n = name.mid(at + k.size()).toInt(&ok);
        // Each kind owns 16 ids; a number outside 1..16 names no input of that kind.
        if (!ok || n < 1 || n > 16)
            return -1;
        return kind.base + n - 1;
    }
    return -1;
}

QString WidgetInLeft::sourceIcon(const QString &name)
{
    if (name.contains(QLatin1String("VGA")))
        return QStringLiteral(":/inputSrc/inputSrc/VGA.png");
    if (name.contains(QLatin1String("DVI")))
        return QStringLiteral(":/inputSrc/inputSrc/DVI.png");
    if (name.contains(QLatin1String("HDMI")))
        return QStringLiteral(":/inputSrc/inputSrc/HDMI.png");
    if (name.contains(QLatin1String("CV")) || name.contains(QLatin1String("SDI")))
        return QStringLiteral(":/inputSrc/inputSrc/CV_SDI.png");
    if (name.contains(QLatin1String("DP")))
        return QStringLiteral(":/inputSrc/inputSrc/DP.png");
    if (name.contains(QLatin1String("USB")))
        return QStringLiteral(":/inputSrc/inputSrc/USB.png");
    return QString();
}

QList<INFO_TEMPLATE> WidgetInLeft::gwTemplates(const QList<INFO_PANEL> &panels)
{
    QList<INFO_TEMPLATE> out;
    if (panels.isEmpty())
        return out;
    QList<PRESET_ENTRY> panelEntries;
    long left = 65535, top = 65535, right = 0, bottom = 0;
    for (const INFO_PANEL &p : panels) {
        panelEntries.append(rectEntry(p.x, p.y, p.width, p.height, p.id));
        left = qMin<long>(left, p.x);
        top = qMin<long>(top, p.y);
        right = qMax<long>(right, long(p.x) + p.width);
        bottom = qMax<long>(bottom, long(p.y) + p.height);
    }
    const int rows = panels.first().row;
    const int cols = panels.first().col;
    const int order = panels.first().arrangement;

    for (int t = 0; t < GwTemplateCount; ++t) {
        INFO_TEMPLATE tpl;
        tpl.templateId = t;
        tpl.panels = panelEntries;
        switch (t) {
        case 0:
            tpl.windows.append(rectEntry(left, top, right - left, bottom - top, 0));
            break;
        case 1:
        case 2:
            for (const INFO_PANEL &p : panels)
                tpl.windows.append(rectEntry(p.x, p.y, p.width, p.height, p.id));
            break;
        case 3:
            // One window per column; a base panel the device did not report gives no window.
            for (int j = 0; j < cols; ++j) {
                const int base = order != 0 ? j * rows : j;
                if (base >= panels.size())
                    continue;
                const INFO_PANEL &p = panels.at(base);
                tpl.windows.append(rectEntry(p.x, p.y, p.width, long(p.height) * rows, j));
            }
            break;
        case 4:
            for (int i = 0; i < rows; ++i) {
                const int base = order != 1 ? i * cols : i;
                if (base >= panels.size())
                    continue;
                const INFO_PANEL &p = panels.at(base);
                tpl.windows.append(rectEntry(p.x, p.y, long(p.width) * cols, p.height, i));
            }
            break;
        }
        out.append(tpl);
    }
    return out;
}

int WidgetInLeft::gwInputCount(const DEVICE_INFO_GW &record)
{
    // The device reports its input cards; each card carries four inputs.
    return qMin(int(record.other.other2) * 4, MaxGwInputs);
}

// ---- source buttons ----------------------------------------------------------------------------

void WidgetInLeft::clearSourceButtons()
{
    for (SxSignalBoxButton *b : m_sourceButtons) {
        b->hide();
        b->deleteLater();
    }
    m_sourceButtons.clear();
}

SxSignalBoxButton *WidgetInLeft::addSourceButton(const QString &text, int id)
{
    auto *b = new SxSignalBoxButton(m_sourcePage->widget());
    b->setText(text);
    b->setSourceId(id);
    connect(b, &SxSignalBoxButton::emitDoubleClicked, this, &WidgetInLeft::onSignalButtonDoubleClicked);
    connect(b, &SxSignalBoxButton::emitApplyToAllWindow, this, &WidgetInLeft::onApplyToAllWindow);
    m_sourceButtons.append(b);
    return b;
}

void WidgetInLeft::rebuildKsSources(int deviceType, bool hasUsb, bool hasSdi)
{
    clearSourceButtons();
    for (const QString &name : sourceNames(deviceType, hasUsb, hasSdi)) {
        SxSignalBoxButton *b = addSourceButton(name, sourceId(name));
        const QString icon = sourceIcon(name);
        if (!icon.isEmpty())
            b->setIcon(QIcon(icon));
    }
    fillLayout(ui->layout_source, m_sourceButtons);
    m_gwInputCount = -1;
}

void WidgetInLeft::rebuildGwSources(int count)
{
    clearSourceButtons();
    for (int i = 0; i < count; ++i) {
        SxSignalBoxButton *b = addSourceButton(tr("Input%1").arg(i + 1), i);
        b->setObjectName(QStringLiteral("KeepStatu_AAA"));
        // No signal until the device reports one; the GW menu is there from the start.
        b->setSignalState(false, -1, GwType);
    }
    fillLayout(ui->layout_source, m_sourceButtons);
    m_gwInputCount = count;
}

void WidgetInLeft::onViewItemInputSrcIDChange(int srcID)
{
    if (srcID < 0)
        return;
    for (SxSignalBoxButton *b : m_sourceButtons) {
        if (b->sourceId() == srcID) {
            b->setChecked(true);
            return;
        }
    }
}

void WidgetInLeft::onSignalButtonDoubleClicked()
{
    auto *b = qobject_cast<SxSignalBoxButton *>(sender());
    if (!b)
        return;
    m_selectedSource = b->sourceId();
    emit emitInputSignalSwitch(static_cast<signed char>(m_selectedSource));
}

void WidgetInLeft::onApplyToAllWindow(int id)
{
    emit emitInputSignalSwitchAll(static_cast<signed char>(id));
}

// ---- pages -------------------------------------------------------------------------------------

void WidgetInLeft::on_btn_signalSrc_clicked()
{
    ui->btn_signalSrc->setChecked(true);
    showStackWidget(0);
}

void WidgetInLeft::on_btn_timedTask_clicked()
{
    ui->btn_timedTask->setChecked(true);
    showStackWidget(1);
}

void WidgetInLeft::on_btn_loadTemplate_clicked()
{
    ui->btn_loadTemplate->setChecked(true);
    showStackWidget(2);
}

void WidgetInLeft::on_btn_loadDefault_clicked()
{
    ui->btn_loadDefault->setChecked(true);
    showStackWidget(3);
}

void WidgetInLeft::setKsControlsVisible(bool visible)
{
    for (QWidget *w : {static_cast<QWidget *>(ui->label_mode), static_cast<QWidget *>(ui->combo_mode),
                       static_cast<QWidget *>(ui->label_time), static_cast<QWidget *>(ui->slider_time),
                       static_cast<QWidget *>(ui->doubleSpinBox), static_cast<QWidget *>(ui->label_vga),
                       static_cast<QWidget *>(ui->btn_vga), static_cast<QWidget *>(ui->label_adc),
                       static_cast<QWidget *>(ui->btn_adc)})
        w->setVisible(visible);
}

void WidgetInLeft::showStackWidget(int index)
{
    if (index < 0 || index >= ui->stackedWidget->count())
        return;
    ui->stackedWidget->setCurrentIndex(index);
    if (isGw())
        return;
    setKsControlsVisible(index == 0);
    ui->label_taskSwitch->setVisible(index == 1);
    ui->btn_taskSwitch->setVisible(index == 1);
}

// ---- device refresh and receivers --------------------------------------------------------------

void WidgetInLeft::setDevice(INFO_BASIC *record)
{
    if (!record)
        return;
    if (record->type != m_deviceType) {
        m_deviceType = record->type;
        const int t = m_deviceType;
        if (t == 0 || t == 1 || t == 2 || t == 4) {
            ui->btn_timedTask->setEnabled(true);
            ui->btn_loadTemplate->setEnabled(false);
        } else if (t == 3 || t == 16 || t == 17 || t == 18 || t == 20) {
            ui->btn_timedTask->setEnabled(true);
            ui->btn_loadTemplate->setEnabled(true);
        } else if (t == GwType) {
            setKsControlsVisible(false);
            ui->label_taskSwitch->setVisible(false);
            ui->btn_taskSwitch->setVisible(false);
            ui->btn_timedTask->setEnabled(false);
            ui->btn_loadTemplate->setEnabled(true);
        }
        // A page whose button was just disabled is left for the source page.
        const int page = ui->stackedWidget->currentIndex();
        if ((page == 1 && !ui->btn_timedTask->isEnabled()) || (page == 2 && !ui->btn_loadTemplate->isEnabled())) {
            ui->btn_signalSrc->setChecked(true);
            showStackWidget(0);
        } else {
            showStackWidget(page);
        }
    }

    clearPresetButtons();
    clearTemplateButtons();

    if (auto *gw = dynamic_cast<DEVICE_INFO_GW *>(record)) {
        rebuildGwSources(gwInputCount(*gw));
        setGWDevice(gw);
        for (const INFO_PRESET &p : gw->presets)
            setPreset(p);
        if (!gw->panels.isEmpty())
            setGWPanels(gw->panels);
        return;
    }

    rebuildKsSources(record->type, record->hasUsb, record->hasSdi);
    auto *ks = dynamic_cast<DEVICE_INFO_KS *>(record);
    if (!ks)
        return;
    setInputSignals(ks->inputSignals, ks->type);
    for (const INFO_PRESET &p : ks->presets)
        setPreset(p);
    for (const INFO_TEMPLATE &t : ks->templates) {
        if (t.templateId < 0 || t.templateId >= ButtonCount)
            continue;
        SxPreviewBoxButton *b = m_templateButtons.at(t.templateId);
        b->setTemplate(t);
        if (t.templateId == t.group)
            b->setChecked(true);
    }
    ui->btn_taskSwitch->setChecked(allTasksOn);
    setTaskSwitchIcon(allTasksOn);
    for (const INFO_TIME_TASK &task : ks->timeTasks)
        if (task.index < TaskCount)
            m_taskButtons.at(task.index)->setTask(task);
    repaintTaskButtons();
    setOtherSetting(ks->other);
}

void WidgetInLeft::setPreset(const INFO_PRESET &preset)
{
    if (preset.id < 0 || preset.id >= ButtonCount)
        return;
    m_presetButtons.at(preset.id)->setPreset(preset);
}

void WidgetInLeft::setTemplate(const INFO_TEMPLATE &templ)
{
    if (templ.templateId < 0 || templ.templateId >= ButtonCount)
        return;
    SxPreviewBoxButton *b = m_templateButtons.at(templ.templateId);
    b->setTemplate(templ);
    b->setChecked(true);
}

void WidgetInLeft::setInputSignals(const QList<INFO_INPUTSINGLE> &signalList, int deviceType)
{
    for (const INFO_INPUTSINGLE &s : signalList)
        for (SxSignalBoxButton *b : m_sourceButtons)
            if (b->sourceId() == int(s.srcId))
                b->setSignalState(s.hasSignal != 0, (s.srcId / 16) * 16, deviceType);
}

void WidgetInLeft::setOtherSetting(const INFO_OTHER_KS9200 &other)
{
    m_updating = true;
    ui->combo_mode->setCurrentIndex(other.switchMode ? 1 : 0);
    ui->slider_time->setValue(other.fadePeriod);
    {
        const QSignalBlocker block(ui->doubleSpinBox);
        ui->doubleSpinBox->setValue(ui->slider_time->value() / 10.0);
    }
    m_updating = false;
}

void WidgetInLeft::setTimeTask(const INFO_TIME_TASK &task)
{
    if (task.index >= TaskCount)
        return;
    // Only this task's button changes; a read-back brings all sixteen one by one.
    SxTimeTaskButton *b = m_taskButtons.at(task.index);
    b->setTask(task);
    b->setColor(allTasksOn && task.state ? QColor(Qt::green) : QColor(Qt::white));
    ui->btn_taskSwitch->setChecked(allTasksOn);
    setTaskSwitchIcon(allTasksOn);
}

void WidgetInLeft::setGWDevice(DEVICE_INFO_GW *record)
{
    if (!record)
        return;
    const int count = gwInputCount(*record);
    if (count != m_gwInputCount)
        rebuildGwSources(count);
    for (const INFO_SIGNAL_PRESENCE &s : record->signalPresence)
        for (SxSignalBoxButton *b : m_sourceButtons)
            if (b->sourceId() == int(s.inputId))
                b->setSignalState(s.hasSignal != 0, s.inputType, GwType);
}

void WidgetInLeft::setGWPanels(const QList<INFO_PANEL> &panels)
{
    const QList<INFO_TEMPLATE> templates = gwTemplates(panels);
    for (const INFO_TEMPLATE &t : templates)
        m_templateButtons.at(t.templateId)->setTemplate(t);
}

void WidgetInLeft::clearPresetButtons()
{
    for (SxPreviewBoxButton *b : m_presetButtons)
        b->clearData();
}

void WidgetInLeft::clearTemplateButtons()
{
    for (SxPreviewBoxButton *b : m_templateButtons)
        b->clearData();
}

// ---- presets and templates ---------------------------------------------------------------------

void WidgetInLeft::onPresetButtonDoubleClicked(QWidget *button)
{
    if (auto *b = qobject_cast<SxPreviewBoxButton *>(button))
        emit emitPresetChange(b->id());
}

void WidgetInLeft::onTemplateButtonDoubleClicked(QWidget *button)
{
    auto *b = qobject_cast<SxPreviewBoxButton *>(button);
    if (!b)
        return;
    if (!isGw() || b->id() <= 2) {
        emit emitTemplateChange(b->id());
        return;
    }
    layOutGwTemplate(b->record());
}

void WidgetInLeft::layOutGwTemplate(const INFO_PRESET &layout)
{
    GW5Interface *gw = DeviceLookup::gwInterface();
    if (!gw)
        return;
    // Entries are x, y, width, height, id.
    gw->setOutputHold(0);
    emit emitRemoveAllWindow();
    for (const PRESET_ENTRY &e : layout.panels)
        gw->setAreaGeometry(e.value(4), e.value(0), e.value(1), e.value(2), e.value(3));
    for (int i = 0; i < layout.windows.size(); ++i) {
        const PRESET_ENTRY &e = layout.windows.at(i);
        gw->openWindow(e.value(4), e.value(0), e.value(1), e.value(2), e.value(3), i);
    }
    gw->setOutputHold(1);
    gw->readAll();
}

// ---- timed tasks -------------------------------------------------------------------------------

void WidgetInLeft::onTimeTaskClicked(QWidget *button)
{
    auto *b = qobject_cast<SxTimeTaskButton *>(button);
    if (!b)
        return;
    m_timeTaskDialog->loadTask(b->task());
    m_timeTaskDialog->setTitle(tr("Task %1").arg(b->task().index + 1));
    m_timeTaskDialog->exec();
    b->setTask(m_timeTaskDialog->task());
    repaintTaskButtons();
}

void WidgetInLeft::setTaskSwitchIcon(bool on)
{
    // Decoding the picture again on every task frame would dominate the read-back.
    const QString icon = on ? QStringLiteral(":/sysButton/sysButton/icon_switchOpen.png")
                            : QStringLiteral(":/sysButton/sysButton/icon_switchClose.png");
    if (ui->btn_taskSwitch->property("iconPath").toString() == icon)
        return;
    ui->btn_taskSwitch->setIcon(QIcon(icon));
    ui->btn_taskSwitch->setProperty("iconPath", icon);
}

void WidgetInLeft::repaintTaskButtons()
{
    for (SxTimeTaskButton *b : m_taskButtons) {
        b->setColor(allTasksOn && b->task().state ? QColor(Qt::green) : QColor(Qt::white));
        b->refresh();
    }
}

void WidgetInLeft::on_btn_taskSwitch_clicked()
{
    const bool on = ui->btn_taskSwitch->isChecked();
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks) {
        ui->btn_taskSwitch->setChecked(!on);
        return;
    }
    setTaskSwitchIcon(on);
    ks->setAllTasks(on);
    allTasksOn = on;
    repaintTaskButtons();
}

// ---- switch mode, fade period, VGA ---------------------------------------------------------------

void WidgetInLeft::on_combo_mode_currentIndexChanged(int index)
{
    if (m_updating)
        return;
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    const bool fade = index != 0;
    ks->setSwitchMode(fade ? 1 : 0, fade ? ui->slider_time->value() : 0);
    ks->readOtherSetting();
}

void WidgetInLeft::on_slider_time_valueChanged(int value)
{
    // Left alone while it already shows the value, so that typing in it is not reformatted.
    if (int(std::floor(ui->doubleSpinBox->value() * 10.0 + 0.5)) != value) {
        const QSignalBlocker block(ui->doubleSpinBox);
        ui->doubleSpinBox->setValue(value / 10.0);
    }
    if (m_updating)
        return;
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    ks->setSwitchMode(1, value);
    ks->readOtherSetting();
}

void WidgetInLeft::on_doubleSpinBox_valueChanged(double v)
{
    // Tenths of a second, halves rounded upwards.
    ui->slider_time->setValue(int(std::floor(v * 10.0 + 0.5)));
}

void WidgetInLeft::on_btn_vga_clicked()
{
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->vgaAction(KS9200Interface::VgaAutoAdjust);
}

void WidgetInLeft::on_btn_adc_clicked()
{
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->vgaAction(KS9200Interface::VgaAdcCalibration);
}

// ---- language ----------------------------------------------------------------------------------

void WidgetInLeft::relabelButtons()
{
    for (int i = 0; i < m_presetButtons.size(); ++i)
        m_presetButtons.at(i)->setText(tr("Preset %1").arg(i + 1));
    for (int i = 0; i < m_templateButtons.size(); ++i)
        m_templateButtons.at(i)->setText(tr("Template %1").arg(i + 1));
    if (m_gwInputCount >= 0)
        for (SxSignalBoxButton *b : m_sourceButtons)
            b->setText(tr("Input%1").arg(b->sourceId() + 1));
    for (SxTimeTaskButton *b : m_taskButtons)
        b->refresh();
}

void WidgetInLeft::switchLanguage()
{
    const int mode = ui->combo_mode->currentIndex();
    m_updating = true;
    ui->retranslateUi(this);
    ui->combo_mode->setCurrentIndex(mode);
    m_updating = false;
    relabelButtons();
    m_timeTaskDialog->switchLanguage();
}
