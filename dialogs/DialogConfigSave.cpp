#include "DialogConfigSave.h"
#include "ui_DialogConfigSave.h"

#include "ConfigBackup.h"
#include "DeviceHub.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {
void tips(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, DialogConfigSave::tr("tips"), text, QMessageBox::Ok);
}
} // namespace

DialogConfigSave::DialogConfigSave(DeviceHub *h, QWidget *parent)
    : SxBaseWidget(parent), ui(new Ui::DialogConfigSave), hub(h), backup(new ConfigBackup(h, this))
{
    ui->setupUi(this);
    resize(600, 300);
    connect(backup, &ConfigBackup::progress, this, &DialogConfigSave::onProgress);
    connect(backup, &ConfigBackup::finished, this, &DialogConfigSave::onFinished);
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = QStringLiteral("configuration-%1.json")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")));
    ui->edit_path->setText(QDir(dir.isEmpty() ? QDir::homePath() : dir).filePath(name));
    ui->progress->setVisible(false);
    retranslateTexts();
}

DialogConfigSave::~DialogConfigSave()
{
    delete ui;
}

QStringList DialogConfigSave::onlineDevices() const
{
    QStringList ids;
    for (auto it = hub->devices().cbegin(); it != hub->devices().cend(); ++it)
        if (hub->isOnline(it.key()))
            ids << it.key();
    return ids;
}

void DialogConfigSave::setCurrentDevice(const QString &cpuid)
{
    current = hub->isOnline(cpuid) ? cpuid : QString();
    retranslateTexts();
}

QString DialogConfigSave::path() const
{
    return ui->edit_path->text().trimmed();
}

bool DialogConfigSave::isRunning() const
{
    return backup->isRunning();
}

void DialogConfigSave::retranslateTexts()
{
    ui->dialogTitle->setTitle(tr("Save configuration"));
    const bool hasCurrent = !current.isEmpty();
    ui->radio_current->setText(hasCurrent ? tr("Current device: %1").arg(ConfigBackup::labelOf(hub, current))
                                          : tr("Current device (not online)"));
    ui->radio_current->setEnabled(hasCurrent && !isRunning());
    ui->radio_all->setText(tr("All online devices (%1)").arg(onlineDevices().size()));
    if (!hasCurrent)
        ui->radio_all->setChecked(true);
}

void DialogConfigSave::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateTexts();
    }
    SxBaseWidget::changeEvent(event);
}

void DialogConfigSave::on_btn_browse_clicked()
{
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Save configuration"), path(),
                                                        tr("Configuration files (*.json)"));
    if (!chosen.isEmpty())
        ui->edit_path->setText(chosen);
}

void DialogConfigSave::on_btn_save_clicked()
{
    if (isRunning())
        return;
    if (path().isEmpty()) {
        tips(this, tr("Please choose a file to save to."));
        return;
    }
    const QStringList ids =
        ui->radio_current->isChecked() && !current.isEmpty() ? QStringList{current} : onlineDevices();
    if (ids.isEmpty()) {
        tips(this, tr("No device is online."));
        return;
    }
    setBusy(true);
    ui->progress->setRange(0, ids.size());
    ui->progress->setValue(0);
    backup->start(ids, path());
}

void DialogConfigSave::on_btn_cancel_clicked()
{
    reject();
}

void DialogConfigSave::reject()
{
    if (isRunning()) {
        backup->cancel();
        ui->label_status->setText(tr("Cancelling after the read-back that runs…"));
        return;
    }
    SxBaseWidget::reject();
}

void DialogConfigSave::setBusy(bool busy)
{
    ui->progress->setVisible(busy || ui->progress->value() > 0);
    ui->btn_save->setEnabled(!busy);
    ui->btn_browse->setEnabled(!busy);
    ui->edit_path->setEnabled(!busy);
    ui->radio_all->setEnabled(!busy);
    ui->radio_current->setEnabled(!busy && !current.isEmpty());
}

void DialogConfigSave::onProgress(int index, int count, const QString &cpuid)
{
    ui->progress->setValue(index);
    ui->label_status->setText(index < count ? tr("Reading back %1 (%2 of %3)…")
                                                  .arg(ConfigBackup::labelOf(hub, cpuid))
                                                  .arg(index + 1)
                                                  .arg(count)
                                            : tr("Writing %1…").arg(path()));
}

void DialogConfigSave::onFinished(bool ok)
{
    setBusy(false);
    if (ok) {
        const int n = backup->document().devices.size();
        ui->label_status->setText(tr("Saved."));
        tips(this, tr("The configuration of %n device(s) was saved to %1.", nullptr, n).arg(path()));
        accept();
        return;
    }
    ui->progress->setVisible(false);
    ui->label_status->setText(backup->errorString());
    tips(this, tr("Nothing was saved: %1").arg(backup->errorString()));
}
