#include "DialogDiagnostics.h"
#include "ui_DialogDiagnostics.h"


#include "Log.h"

DialogDiagnostics::DialogDiagnostics(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogDiagnostics)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Diagnostics"));
}

DialogDiagnostics::~DialogDiagnostics()
{
    stopListening();
    delete ui;
}

void DialogDiagnostics::setCommManager(CommManager *manager) { comm = manager; }
bool DialogDiagnostics::saveFrames(const QString &) const { return false; }
int DialogDiagnostics::frameRowCount() const { return 0; }
int DialogDiagnostics::eventRowCount() const { return 0; }
QString DialogDiagnostics::commandName(int) { return QString(); }
QString DialogDiagnostics::subCommandName(int, int) { return QString(); }
void DialogDiagnostics::onFrameTraffic(QString, bool, QByteArray) {}
void DialogDiagnostics::on_btn_pause_toggled(bool checked) { paused = checked; }
void DialogDiagnostics::on_combo_filter_currentIndexChanged(int) {}
void DialogDiagnostics::on_btn_save_clicked() {}
void DialogDiagnostics::on_btn_clear_clicked() {}
void DialogDiagnostics::showEvent(QShowEvent *event) { SxBaseWidget::showEvent(event); }
void DialogDiagnostics::hideEvent(QHideEvent *event) { SxBaseWidget::hideEvent(event); }
void DialogDiagnostics::changeEvent(QEvent *event) { SxBaseWidget::changeEvent(event); }
void DialogDiagnostics::startListening() {}
void DialogDiagnostics::stopListening() {}
void DialogDiagnostics::appendEvent(const QDateTime &, const QString &) {}
void DialogDiagnostics::applyFilter() {}
