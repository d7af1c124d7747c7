#include "DialogMultiMachine.h"
#include "ui_DialogMultiMachine.h"

#include "DeviceLookup.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "INFO_BASIC.h"
#include "KS9200Interface.h"
#include "SxProgressIndicator.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>

DialogMultiMachine::DialogMultiMachine(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogMultiMachine)
{
    ui->setupUi(this);
    for (int i = 1; i <= 10; ++i)
        if (auto b = findChild<QPushButton *>(QStringLiteral("preset%1").arg(i)))
            b->setProperty("class", QStringLiteral("KeepStatu_Multi"));
    retranslate();
}

DialogMultiMachine::~DialogMultiMachine()
{
    delete ui;
}

QTableWidget *DialogMultiMachine::table() const
{
    return ui->tableWidget;
}

void DialogMultiMachine::setDevices(const QMap<QString, INFO_BASIC *> &devices)
{
    QTableWidget *t = ui->tableWidget;
    t->setRowCount(0);
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        const INFO_BASIC *d = it.value();
        if (!d)
            continue;
        QString link;
        if (d->linkType == 1)
            link = tr("usb");
        else if (d->linkType == 2)
            link = tr("network") + QStringLiteral("(%1)").arg(d->address.toString());
        t->insertRow(0);
        auto model = new QTableWidgetItem(modelLabel(d->type, d->hasUsb, d->hasSdi));
        model->setData(Qt::UserRole, d->cpuid);
        t->setItem(0, ColModel, model);
        t->setItem(0, ColLink, new QTableWidgetItem(link));
        t->setItem(0, ColVersion, new QTableWidgetItem(d->version));
        t->setItem(0, ColName, new QTableWidgetItem(d->name));
        auto tick = new QTableWidgetItem;
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        tick->setCheckState(Qt::Checked);
        t->setItem(0, ColSelect, tick);
    }
    t->resizeColumnsToContents();
}

QStringList DialogMultiMachine::checkedCpuids() const
{
    QStringList out;
    const QTableWidget *t = ui->tableWidget;
    for (int row = 0; row < t->rowCount(); ++row) {
        const QTableWidgetItem *tick = t->item(row, ColSelect);
        const QTableWidgetItem *model = t->item(row, ColModel);
        if (tick && model && tick->checkState() == Qt::Checked)
            out << model->data(Qt::UserRole).toString();
    }
    return out;
}

void DialogMultiMachine::on_btn_loadPreset_clicked()
{
    const QStringList cpuids = checkedCpuids();
    if (cpuids.isEmpty()) {
        QMessageBox::information(this, tr("tips"), tr("Please select a device"), QMessageBox::Ok);
        return;
    }
    if (preset < 0) {
        QMessageBox::information(this, tr("tips"), tr("Please select a preset"), QMessageBox::Ok);
        return;
    }
    setEnabled(false);
    ui->label_status->setText(tr("Sending..."));
    for (const QString &id : cpuids) {
        // A record may have been replaced since the table was filled; ask for the current one.
        const INFO_BASIC *d = DeviceLookup::record(id);
        if (!d)
            continue;
        if (isKsType(d->type)) {
            if (KS9200Interface *ks = DeviceLookup::ksInterface(id))
                ks->loadPreset(preset);
        } else if (isGwType(d->type)) {
            if (GW5Interface *gw = DeviceLookup::gwInterface(id))
                gw->loadPreset(preset);
        }
    }
    auto busy = new SxProgressIndicator(this);
    busy->setObjectName(QStringLiteral("multiMachineBusy"));
    busy->setStopTime(BusyMs);
    busy->startAnimation(true);
    busy->deleteLater();
    ui->label_status->setText(tr("Send completed..."));
    setEnabled(true);
}

void DialogMultiMachine::choosePreset(int id)
{
    preset = id;
}

void DialogMultiMachine::on_preset1_clicked() { choosePreset(0); }
void DialogMultiMachine::on_preset2_clicked() { choosePreset(1); }
void DialogMultiMachine::on_preset3_clicked() { choosePreset(2); }
void DialogMultiMachine::on_preset4_clicked() { choosePreset(3); }
void DialogMultiMachine::on_preset5_clicked() { choosePreset(4); }
void DialogMultiMachine::on_preset6_clicked() { choosePreset(5); }
void DialogMultiMachine::on_preset7_clicked() { choosePreset(6); }
void DialogMultiMachine::on_preset8_clicked() { choosePreset(7); }
void DialogMultiMachine::on_preset9_clicked() { choosePreset(8); }
void DialogMultiMachine::on_preset10_clicked() { choosePreset(9); }

void DialogMultiMachine::retranslate()
{
    setWindowTitle(tr("MultiMachine"));
    ui->dialogTitle->setTitle(windowTitle());
}

void DialogMultiMachine::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    SxBaseWidget::changeEvent(event);
}
