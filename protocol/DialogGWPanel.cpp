#include "DialogGWPanel.h"
#include "ui_DialogGWPanel.h"

#include "DEVICE_INFO_GW.h"
#include "DeviceLookup.h"
#include "GW5Interface.h"
#include "MatrixProc.h"
#include "PixelClock.h"
#include "SxProgressIndicator.h"

#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QTimer>

namespace {
constexpr int ValueRole = Qt::UserRole;     // header cells: the area width / height shown
constexpr int MaxRole = Qt::UserRole + 1;   // header cells: the output width / height
constexpr int RecordRole = Qt::UserRole;    // inner cells: the INFO_PANEL of the area
constexpr int AreaRole = Qt::UserRole;      // mapping column 2: the area number from 0
constexpr int ResolutionCount = 14;
constexpr int PresetRate = 60;

INFO_PANEL defaultCustom()
{
    INFO_PANEL p;
    p.resWidth = 1920;
    p.resHeight = 1080;
    p.rate = PresetRate;
    return p;
}

QTableWidgetItem *centred(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}
} // namespace

DialogGWPanel::DialogGWPanel(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogGWPanel)
{
    updating = true;
    ui->setupUi(this);
    resize(588, 279);
    ui->dialogTitle->setTitle(tr("Output Setting"));
    cellFormat = tr("\nscreen: %1 \nh_width: %2 \nv_height: %3 \n");
    timerResolution = new QTimer(this);
    timerResolution->setInterval(ResolutionDebounceMs);
    connect(timerResolution, &QTimer::timeout, this, &DialogGWPanel::onTimerResolution);
    fillResolutions();
    ui->tableWidget_Mapping->setColumnCount(3);
    updating = false;
    reset();
}

DialogGWPanel::~DialogGWPanel()
{
    delete ui;
}

QSize DialogGWPanel::outputSizeOf(const INFO_PANEL &panel)
{
    if (panel.index >= 1 && panel.index < ResolutionCount)
        return GW5::MatrixProc::presetSize(panel.index);
    return QSize(panel.resWidth, panel.resHeight);
}

void DialogGWPanel::reset()
{
    timerResolution->stop();
    updating = true;
    layoutChanged = resolutionChanged = screenChanged = false;
    lastWidth = lastHeight = 0;
    screenCount = mappingRows = 0;
    editedField = 0;
    cardCount = 0;
    ui->tabWidget->setCurrentIndex(0);
    ui->spin_row->setValue(ui->spin_row->minimum());
    ui->spin_col->setValue(ui->spin_col->minimum());
    ui->combo_serialNumber->setCurrentIndex(0);
    ui->combo_resolution->setItemData(0, QVariant::fromValue(defaultCustom()));
    ui->combo_resolution->setCurrentIndex(0);
    setResolutionFields(0, defaultCustom());
    ui->tableWidget->clear();
    ui->tableWidget->setRowCount(0);
    ui->tableWidget->setColumnCount(0);
    ui->tableWidget_Mapping->clearContents();
    ui->tableWidget_Mapping->setRowCount(0);
    updating = false;
}

void DialogGWPanel::setDeviceData(const DEVICE_INFO_GW &device)
{
    reset();
    setOutputCards(device.other.outputCards);
    if (!device.panels.isEmpty()) {
        setPanelData(device.panels.first());
        fillScreenTable(device.panels);
    }
    fillMappingTable(device.mappings);
}

void DialogGWPanel::setOutputCards(int count)
{
    cardCount = qMax(0, count);
}

void DialogGWPanel::fillResolutions()
{
    const bool was = updating;
    updating = true;
    const int index = qMax(0, ui->combo_resolution->currentIndex());
    const QVariant custom = ui->combo_resolution->count() ? ui->combo_resolution->itemData(0) : QVariant();
    ui->combo_resolution->clear();
    ui->combo_resolution->addItem(tr("custom"), custom);
    static const char *const presets[] = {"1920x1080 60Hz", "1280x720 60Hz",  "1024x768 60Hz",  "1280x800 60Hz",
                                          "1280x1024 60Hz", "1366x768 60Hz",  "1400x1050 60Hz", "1600x900 60Hz",
                                          "1600x1200 60Hz", "1920x1200 60Hz", "800x600 60Hz",   "2048x768 60Hz",
                                          "3072x768 60Hz"};
    for (const char *text : presets)
        ui->combo_resolution->addItem(QString::fromLatin1(text));
    ui->combo_resolution->setCurrentIndex(index);
    updating = was;
}

void DialogGWPanel::setResolutionFields(int index, const INFO_PANEL &custom)
{
    const bool preset = index >= 1;
    const QSize size = preset ? GW5::MatrixProc::presetSize(index) : QSize(custom.resWidth, custom.resHeight);
    ui->spin_width->setValue(size.width());
    ui->spin_height->setValue(size.height());
    ui->spin_frameRate->setValue(preset ? PresetRate : custom.rate);
    ui->spin_width->setEnabled(!preset);
    ui->spin_height->setEnabled(!preset);
    ui->spin_frameRate->setEnabled(!preset);
}

void DialogGWPanel::setPanelData(const INFO_PANEL &panel)
{
    // The dialog is filled afresh for each use; edits left from an earlier use are dropped.
    timerResolution->stop();
    layoutChanged = false;
    resolutionChanged = false;
    updating = true;
    ui->spin_row->setValue(panel.row);
    ui->spin_col->setValue(panel.col);
    // An index the list does not hold is shown as custom.
    const int index = panel.index < ResolutionCount ? panel.index : 0;
    ui->combo_resolution->setCurrentIndex(index);
    ui->combo_resolution->setItemData(0, QVariant::fromValue(panel));
    if (panel.arrangement < ui->combo_serialNumber->count())
        ui->combo_serialNumber->setCurrentIndex(panel.arrangement);
    setResolutionFields(index, panel);
    updating = false;
}

QString DialogGWPanel::cellText(const INFO_PANEL &panel) const
{
    return cellFormat.arg(panel.id + 1).arg(panel.width).arg(panel.height);
}

void DialogGWPanel::fillScreenTable(const QList<INFO_PANEL> &panels)
{
    if (panels.isEmpty())
        return;
    const INFO_PANEL &first = panels.first();
    const int rows = first.row;
    const int cols = first.col;
    // The grid and the list must agree, or the cells would name the wrong areas.
    if (rows * cols != panels.size())
        return;
    updating = true;
    screenChanged = false;
    screenCount = panels.size();
    const QSize maxSize = outputSizeOf(first);
    QTableWidget *t = ui->tableWidget;
    t->clear();
    t->setColumnCount(cols + 1);
    t->setRowCount(rows + 1);
    QTableWidgetItem *corner = centred(QString());
    corner->setFlags(Qt::ItemIsEnabled);
    t->setItem(0, 0, corner);
    for (int c = 1; c <= cols; ++c) {
        const INFO_PANEL &p = panels.at(c - 1);
        QTableWidgetItem *item = centred(QString::number(p.width));
        item->setData(ValueRole, int(p.width));
        item->setData(MaxRole, maxSize.width());
        t->setItem(0, c, item);
    }
    for (int r = 1; r <= rows; ++r) {
        const INFO_PANEL &p = panels.at((r - 1) * cols);
        QTableWidgetItem *item = centred(QString::number(p.height));
        item->setData(ValueRole, int(p.height));
        item->setData(MaxRole, maxSize.height());
        t->setItem(r, 0, item);
        for (int c = 1; c <= cols; ++c) {
            const INFO_PANEL &area = panels.at((r - 1) * cols + (c - 1));
            QTableWidgetItem *cell = centred(cellText(area));
            cell->setData(RecordRole, QVariant::fromValue(area));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            t->setItem(r, c, cell);
        }
    }
    t->resizeColumnsToContents();
    t->resizeRowsToContents();
    updating = false;
}

void DialogGWPanel::fillMappingTable(const QList<INFO_MAPPING> &mappings)
{
    updating = true;
    QTableWidget *t = ui->tableWidget_Mapping;
    t->setRowCount(mappings.size());
    mappingRows = mappings.size();
    for (int i = 0; i < mappings.size(); ++i) {
        const INFO_MAPPING &m = mappings.at(i);
        QTableWidgetItem *port = centred(QString::number(m.port + 1));
        port->setFlags(Qt::ItemIsEnabled);
        QTableWidgetItem *arrow = centred(QStringLiteral("\u2192"));
        arrow->setFlags(Qt::ItemIsEnabled);
        QTableWidgetItem *area = centred(QString::number(m.area + 1));
        area->setData(AreaRole, int(m.area));
        t->setItem(i, 0, port);
        t->setItem(i, 1, arrow);
        t->setItem(i, 2, area);
    }
    updating = false;
}

void DialogGWPanel::on_combo_resolution_currentIndexChanged(int index)
{
    if (updating || index < 0)
        return;
    updating = true;
    resolutionChanged = true;
    setResolutionFields(index, ui->combo_resolution->itemData(0).value<INFO_PANEL>());
    updating = false;
}

void DialogGWPanel::resolutionEdited(int field)
{
    if (updating)
        return;
    editedField = field;
    timerResolution->start();
}

void DialogGWPanel::on_spin_width_valueChanged(int)
{
    resolutionEdited(PixelClock::Width);
}

void DialogGWPanel::on_spin_height_valueChanged(int)
{
    resolutionEdited(PixelClock::Height);
}

void DialogGWPanel::on_spin_frameRate_valueChanged(int)
{
    resolutionEdited(PixelClock::FrameRate);
}

void DialogGWPanel::onTimerResolution()
{
    timerResolution->stop();
    updating = true;
    resolutionChanged = true;
    const PixelClock::Timing t{ui->spin_width->value(), ui->spin_height->value(), ui->spin_frameRate->value()};
    const PixelClock::Timing c = PixelClock::corrected(t, PixelClock::Field(editedField), PixelClock::gwOutput());
    if (c.width != t.width)
        ui->spin_width->setValue(c.width);
    if (c.height != t.height)
        ui->spin_height->setValue(c.height);
    if (c.rate != t.rate)
        ui->spin_frameRate->setValue(c.rate);
    updating = false;
}

void DialogGWPanel::on_spin_row_valueChanged(int)
{
    if (!updating)
        layoutChanged = true;
}

void DialogGWPanel::on_spin_col_valueChanged(int)
{
    if (!updating)
        layoutChanged = true;
}

void DialogGWPanel::on_combo_serialNumber_currentIndexChanged(int)
{
    if (!updating)
        layoutChanged = true;
}

void DialogGWPanel::on_btn_apply_clicked()
{
    if (!layoutChanged && !resolutionChanged)
        return;
    if (!DeviceLookup::gwInterface())
        return;
    const int rows = ui->spin_row->value();
    const int cols = ui->spin_col->value();
    if (rows * cols > MaxAreas) {
        tip(tr("Row and column cannot be greater than %1").arg(MaxAreas));
        return;
    }
    GW5Interface *gw = DeviceLookup::gwInterface();
    gw->setOutputHold(0);
    emit emitRemoveAllWindow();
    emit emitClearPanelData();
    gw->setOutputHold(1);
    if (resolutionChanged)
        gw->setOutputResolution(ui->combo_resolution->currentIndex(), ui->spin_width->value(),
                                ui->spin_height->value(), ui->spin_frameRate->value());
    if (layoutChanged)
        gw->setAreaLayout(rows, cols, ui->combo_serialNumber->currentIndex());
    QPointer<DialogGWPanel> self(this);
    runBusy(ApplyWaitMs);
    if (!self)
        return;
    // Replies kept arriving while the indicator ran; the device may be gone by now.
    if (GW5Interface *after = DeviceLookup::gwInterface()) {
        after->setOutputHold(0);
        emit emitLoadTemplateID0(0);
        after->setOutputHold(1);
    }
    layoutChanged = false;
    resolutionChanged = false;
}

void DialogGWPanel::setItemQuietly(QTableWidgetItem *item, const QString &text)
{
    const bool was = updating;
    updating = true;
    item->setText(text);
    updating = was;
}

void DialogGWPanel::on_tableWidget_cellChanged(int row, int column)
{
    if (updating)
        return;
    if ((row == 0) == (column == 0)) // the corner and the inner cells are not edited
        return;
    headerEdited(row, column);
}

void DialogGWPanel::headerEdited(int row, int column)
{
    QTableWidget *t = ui->tableWidget;
    QTableWidgetItem *item = t->item(row, column);
    if (!item)
        return;
    const bool widthCell = row == 0;
    const int previous = item->data(ValueRole).toInt();
    const int maximum = item->data(MaxRole).toInt();
    bool ok = false;
    const int value = item->text().trimmed().toInt(&ok);
    if (!ok || value < 1) {
        setItemQuietly(item, QString::number(previous));
        tip(widthCell ? tr("Please enter a valid width of the screen.") : tr("Please enter a valid height of the screen."));
        return;
    }
    if (value > maximum) {
        setItemQuietly(item, QString::number(previous));
        tip(widthCell ? tr("The width of the screen can not be larger than the width of the resolution.")
                      : tr("The height of the screen can not be larger than the height of the resolution."));
        return;
    }
    updating = true;
    screenChanged = true;
    item->setData(ValueRole, value);
    if (widthCell)
        lastWidth = value;
    else
        lastHeight = value;
    const int count = widthCell ? t->rowCount() : t->columnCount();
    for (int i = 1; i < count; ++i) {
        QTableWidgetItem *cell = widthCell ? t->item(i, column) : t->item(row, i);
        if (!cell || !cell->data(RecordRole).canConvert<INFO_PANEL>())
            continue;
        INFO_PANEL p = cell->data(RecordRole).value<INFO_PANEL>();
        if (widthCell)
            p.width = uint16_t(value);
        else
            p.height = uint16_t(value);
        cell->setData(RecordRole, QVariant::fromValue(p));
        cell->setText(cellText(p));
    }
    t->resizeColumnsToContents();
    updating = false;
}

void DialogGWPanel::on_btn_applyScreen_clicked()
{
    if (!screenChanged)
        return;
    GW5Interface *gw = DeviceLookup::gwInterface();
    if (!gw)
        return;
    screenChanged = false;
    gw->setOutputHold(0);
    emit emitRemoveAllWindow();
    QTableWidget *t = ui->tableWidget;
    QRect all;
    int y = 0;
    for (int r = 1; r < t->rowCount(); ++r) {
        int x = 0;
        int rowHeight = 0;
        for (int c = 1; c < t->columnCount(); ++c) {
            QTableWidgetItem *cell = t->item(r, c);
            if (!cell || !cell->data(RecordRole).canConvert<INFO_PANEL>())
                continue;
            const INFO_PANEL p = cell->data(RecordRole).value<INFO_PANEL>();
            gw->setAreaGeometry(p.id, x, y, p.width, p.height);
            all = all.united(QRect(x, y, p.width, p.height));
            x += p.width;
            rowHeight = p.height;
        }
        y += rowHeight;
    }
    QPointer<DialogGWPanel> self(this);
    runBusy(ApplyScreenWaitMs);
    if (!self)
        return;
    if (GW5Interface *after = DeviceLookup::gwInterface()) {
        after->openWindow(0, all.x(), all.y(), all.width(), all.height(), 0);
        after->setOutputHold(1);
        after->readAll();
    }
}

void DialogGWPanel::on_tabWidget_currentChanged(int index)
{
    if (index != ui->tabWidget->indexOf(ui->tab_screen))
        return;
    if (DEVICE_INFO_GW *gw = DeviceLookup::gwRecord())
        fillScreenTable(gw->panels);
}

void DialogGWPanel::on_tableWidget_Mapping_cellChanged(int row, int column)
{
    if (updating || column != 2)
        return;
    QTableWidget *t = ui->tableWidget_Mapping;
    QTableWidgetItem *item = t->item(row, 2);
    QTableWidgetItem *portItem = t->item(row, 0);
    if (!item || !portItem)
        return;
    const int before = item->data(AreaRole).toInt();
    bool okArea = false;
    bool okPort = false;
    const int n = item->text().trimmed().toInt(&okArea);
    const int p = portItem->text().toInt(&okPort);
    // Area numbers are shown from 1; both ends of the range are checked.
    if (!okArea || !okPort || n < 1 || n - 1 >= mappingRows) {
        setItemQuietly(item, QString::number(before + 1));
        tip(tr("Input Screen ID Error"));
        return;
    }
    updating = true;
    item->setData(AreaRole, n - 1);
    updating = false;
    if (GW5Interface *gw = DeviceLookup::gwInterface())
        gw->setOutputMapping(p - 1, n - 1);
    emit emitMappingChanged(p - 1, n - 1, before);
}

void DialogGWPanel::rebuildCellTexts()
{
    QTableWidget *t = ui->tableWidget;
    for (int r = 1; r < t->rowCount(); ++r) {
        for (int c = 1; c < t->columnCount(); ++c) {
            QTableWidgetItem *cell = t->item(r, c);
            if (cell && cell->data(RecordRole).canConvert<INFO_PANEL>())
                cell->setText(cellText(cell->data(RecordRole).value<INFO_PANEL>()));
        }
    }
}

void DialogGWPanel::switchLanguage()
{
    const bool was = updating;
    updating = true;
    const int order = ui->combo_serialNumber->currentIndex();
    ui->retranslateUi(this);
    ui->combo_serialNumber->setCurrentIndex(order);
    ui->dialogTitle->setTitle(tr("Output Setting"));
    cellFormat = tr("\nscreen: %1 \nh_width: %2 \nv_height: %3 \n");
    fillResolutions();
    rebuildCellTexts();
    updating = was;
}

void DialogGWPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        switchLanguage();
    SxBaseWidget::changeEvent(event);
}

void DialogGWPanel::runBusy(int stopTimeMs)
{
    if (!busy)
        busy = new SxProgressIndicator(this);
    busy->setStopTime(stopTimeMs);
    busy->startAnimation(true);
}

void DialogGWPanel::tip(const QString &text)
{
    QMessageBox::information(this, tr("tips"), text, QMessageBox::Ok);
}
