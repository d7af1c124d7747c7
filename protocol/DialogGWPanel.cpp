#include "DialogGWPanel.h"
#include "ui_DialogGWPanel.h"

#include <QEvent>
#include <QTimer>

DialogGWPanel::DialogGWPanel(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogGWPanel)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Output Setting"));
    timerResolution = new QTimer(this);
    timerResolution->setInterval(ResolutionDebounceMs);
    connect(timerResolution, &QTimer::timeout, this, &DialogGWPanel::onTimerResolution);
}

DialogGWPanel::~DialogGWPanel()
{
    delete ui;
}

void DialogGWPanel::setOutputCards(int count) { cardCount = count; }
void DialogGWPanel::setPanelData(const INFO_PANEL &) {}
void DialogGWPanel::fillScreenTable(const QList<INFO_PANEL> &) {}
void DialogGWPanel::fillMappingTable(const QList<INFO_MAPPING> &) {}
QSize DialogGWPanel::outputSize() const { return QSize(1920, 1080); }
void DialogGWPanel::switchLanguage() {}
void DialogGWPanel::changeEvent(QEvent *event) { SxBaseWidget::changeEvent(event); }
void DialogGWPanel::on_combo_resolution_currentIndexChanged(int) {}
void DialogGWPanel::on_spin_width_valueChanged(int) {}
void DialogGWPanel::on_spin_height_valueChanged(int) {}
void DialogGWPanel::on_spin_frameRate_valueChanged(int) {}
void DialogGWPanel::on_tableWidget_cellChanged(int, int) {}
void DialogGWPanel::on_btn_apply_clicked() {}
void DialogGWPanel::on_btn_applyScreen_clicked() {}
void DialogGWPanel::on_tabWidget_currentChanged(int) {}
void DialogGWPanel::on_tableWidget_Mapping_cellChanged(int, int) {}
void DialogGWPanel::on_combo_serialNumber_currentIndexChanged(int) {}
void DialogGWPanel::on_spin_row_valueChanged(int) {}
void DialogGWPanel::on_spin_col_valueChanged(int) {}
void DialogGWPanel::onTimerResolution() {}
void DialogGWPanel::fillResolutions() {}
void DialogGWPanel::resolutionEdited(int) {}
QString DialogGWPanel::cellText(const INFO_PANEL &) const { return QString(); }
void DialogGWPanel::rebuildCellTexts() {}
void DialogGWPanel::headerEdited(int, int) {}
