#include "DialogConfigRestore.h"
#include "ui_DialogConfigRestore.h"

#include "CommManager.h"
#include "ConfigBackup.h"
#include "ConfigDiff.h"
#include "ConfigFile.h"
#include "DeviceHub.h"
#include "DeviceModels.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTreeWidgetItem>

namespace {
void tips(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, DialogConfigRestore::tr("tips"), text, QMessageBox::Ok);
}

bool sameFamily(int a, int b)
{
    return (isKsType(a) && isKsType(b)) || (isGwType(a) && isGwType(b));
}

const QColor kMuted(0x8a, 0x91, 0x9b);
} // namespace

DialogConfigRestore::DialogConfigRestore(DeviceHub *h, QWidget *parent)
    : SxBaseWidget(parent), ui(new Ui::DialogConfigRestore), hub(h), reader(new ConfigBackup(h, this)),
      runner(new RestoreRunner(h, this))
{
    ui->setupUi(this);
    resize(980, 720);
    QTableWidget *t = ui->table_devices;
    t->setColumnCount(DeviceColumnCount);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setSectionResizeMode(ColFileDevice, QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(ColTarget, QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    QTreeWidget *tree = ui->tree_differences;
    tree->setColumnCount(DiffColumnCount);
    tree->setColumnWidth(ColSetting, 300);
    tree->setColumnWidth(ColFileValue, 200);
    tree->setColumnWidth(ColDeviceValue, 200);
    tree->header()->setStretchLastSection(true);
    tree->setWordWrap(false);
    ui->label_presetNotice->setStyleSheet(QStringLiteral("color: #f0c36a;"));
    ui->label_presetNotice->setVisible(false);
    ui->progress->setVisible(false);

    connect(tree, &QTreeWidget::itemChanged, this, [this] { updatePresetNotice(); });
    connect(reader, &ConfigBackup::progress, this, [this](int index, int count, const QString &cpuid) {
        ui->progress->setRange(0, count);
        ui->progress->setValue(index);
        if (index < count)
            ui->label_status->setText(
                tr("Reading back %1 (%2 of %3)…").arg(targetLabel(cpuid)).arg(index + 1).arg(count));
    });
    connect(reader, &ConfigBackup::finished, this, &DialogConfigRestore::onCompared);
    connect(runner, &RestoreRunner::planned, this, [this] {
        ui->progress->setRange(0, qMax(1, runner->plan().steps.size()));
        ui->progress->setValue(0);
    });
    connect(runner, &RestoreRunner::phaseChanged, this, [this](RestoreRunner::Phase phase) {
        const QString target = targetLabel(pairs.value(runIndex).target);
        if (phase == RestoreRunner::Phase::ReadingBack)
            ui->label_status->setText(tr("Reading back %1…").arg(target));
        else if (phase == RestoreRunner::Phase::Verifying)
            ui->label_status->setText(tr("Verifying %1…").arg(target));
    });
    connect(runner, &RestoreRunner::progress, this,
            [this](int step, int total, const QString &group, const QString &description) {
                ui->progress->setValue(step - 1);
                ui->label_status->setText(tr("%1: step %2 of %3, %4: %5")
                                              .arg(targetLabel(pairs.value(runIndex).target))
                                              .arg(step)
                                              .arg(total)
                                              .arg(ConfigDiff::groupTitle(group), description));
            });
    connect(runner, &RestoreRunner::finished, this, &DialogConfigRestore::onRunnerFinished);
    retranslateTexts();
    updateButtons();
}

DialogConfigRestore::~DialogConfigRestore()
{
    delete ui;
}

bool DialogConfigRestore::isRunning() const
{
    return comparing || restoring;
}

QComboBox *DialogConfigRestore::targetBox(int row) const
{
    return qobject_cast<QComboBox *>(ui->table_devices->cellWidget(row, ColTarget));
}

QString DialogConfigRestore::targetLabel(const QString &cpuid) const
{
    const INFO_BASIC *r = hub->knownRecord(cpuid);
    if (!r)
        return cpuid;
    const QString where =
        r->linkType == 1 ? hub->commManager()->linkPortName(r->keyTCP) : r->address.toString();
    const QString label = ConfigBackup::labelOf(hub, cpuid);
    return where.isEmpty() ? label : QStringLiteral("%1 (%2)").arg(label, where);
}

void DialogConfigRestore::retranslateTexts()
{
    ui->dialogTitle->setTitle(tr("Restore configuration"));
    ui->table_devices->setHorizontalHeaderLabels({tr("In the file"), tr("Restore to"), tr("Note")});
    ui->tree_differences->setHeaderLabels(
        {tr("Setting"), tr("In the file"), tr("On the device"), tr("Note")});
    if (loaded) {
        ui->label_file->setText(
            tr("%n device(s), read back %1 by %2.", nullptr, doc.devices.size())
                .arg(QLocale().toString(doc.readBackTime.toLocalTime(), QLocale::ShortFormat),
                     doc.application));
        for (int row = 0; row < ui->table_devices->rowCount(); ++row)
            if (QComboBox *box = targetBox(row))
                box->setItemText(0, tr("Do not restore"));
    } else {
        ui->label_file->setText(tr("Choose a configuration file."));
    }
    if (compared && !isRunning()) {
        fillDifferences();
        updatePresetNotice();
    }
}

void DialogConfigRestore::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateTexts();
    }
    SxBaseWidget::changeEvent(event);
}

// ---- the file and its devices ------------------------------------------------------------------

void DialogConfigRestore::on_btn_browse_clicked()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Restore configuration"), ui->edit_path->text(), tr("Configuration files (*.json)"));
    if (path.isEmpty())
        return;
    ui->edit_path->setText(path);
    loadFile(path);
}

void DialogConfigRestore::on_btn_load_clicked()
{
    loadFile(ui->edit_path->text().trimmed());
}

bool DialogConfigRestore::loadFile(const QString &path)
{
    if (isRunning())
        return false;
    ConfigDocument read;
    QString error;
    if (path.isEmpty())
        error = tr("Choose a configuration file.");
    else if (!ConfigFile::load(path, &read, &error))
        error = tr("%1 cannot be restored: %2").arg(QDir::toNativeSeparators(path), error);
    else if (read.devices.isEmpty())
        error = tr("%1 holds no device.").arg(QDir::toNativeSeparators(path));
    if (!error.isEmpty()) {
        // Nothing of a file that cannot be used stays behind.
        doc = ConfigDocument();
        docPath.clear();
        loaded = false;
        ui->table_devices->setRowCount(0);
        invalidateComparison();
        retranslateTexts();
        ui->label_status->setText(error);
        tips(this, error);
        return false;
    }
    setDocument(read, path, -1);
    return true;
}

void DialogConfigRestore::setDocument(const ConfigDocument &d, const QString &path, int onlyDevice)
{
    doc = d;
    docPath = path;
    loaded = true;
    only = onlyDevice;
    ui->edit_path->setText(QDir::toNativeSeparators(path));
    ui->label_status->clear();
    fillDevices(onlyDevice);
    invalidateComparison();
    retranslateTexts();
}

void DialogConfigRestore::fillDevices(int onlyDevice)
{
    QTableWidget *t = ui->table_devices;
    t->setRowCount(doc.devices.size());
    QStringList taken;
    for (int row = 0; row < doc.devices.size(); ++row) {
        const ConfigDevice &dev = doc.devices.at(row);
        auto *item = new QTableWidgetItem(dev.label());
        item->setToolTip(dev.basic().cpuid);
        t->setItem(row, ColFileDevice, item);
        auto *box = new QComboBox(t);
        box->setObjectName(QStringLiteral("combo_target_%1").arg(row));
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        t->setCellWidget(row, ColTarget, box);
        t->setItem(row, ColNote, new QTableWidgetItem());
        fillTargets(row, onlyDevice < 0 || onlyDevice == row, &taken);
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this] { invalidateComparison(); });
    }
}

void DialogConfigRestore::fillTargets(int row, bool preselect, QStringList *taken)
{
    QComboBox *box = targetBox(row);
    const ConfigDevice &dev = doc.devices.at(row);
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(tr("Do not restore"), QString());
    int sameDevice = -1, sameType = -1;
    for (auto it = hub->devices().cbegin(); it != hub->devices().cend(); ++it) {
        const INFO_BASIC *r = it.value();
        if (!r || !hub->isOnline(it.key()) || !sameFamily(r->type, dev.type()))
            continue;
        box->addItem(targetLabel(it.key()), it.key());
        const int index = box->count() - 1;
        if (taken->contains(it.key()))
            continue;
        if (it.key() == dev.basic().cpuid)
            sameDevice = index;
        else if (sameType < 0 && r->type == dev.type())
            sameType = index;
    }
    const int chosen = !preselect ? 0 : sameDevice >= 0 ? sameDevice : sameType >= 0 ? sameType : 0;
    box->setCurrentIndex(chosen);
    if (chosen > 0)
        *taken << box->itemData(chosen).toString();
    ui->table_devices->item(row, ColNote)
        ->setText(box->count() == 1 ? tr("No online device of this family.") : QString());
}

void DialogConfigRestore::invalidateComparison()
{
    compared = false;
    pairs.clear();
    {
        const QSignalBlocker quiet(ui->tree_differences);
        ui->tree_differences->clear();
    }
    ui->label_presetNotice->setVisible(false);
    ui->stack_body->setCurrentWidget(ui->page_differences);
    for (int row = 0; row < ui->table_devices->rowCount(); ++row)
        if (QTableWidgetItem *note = ui->table_devices->item(row, ColNote);
            note && targetBox(row)->count() > 1)
            note->setText(QString());
    updateButtons();
}

// ---- comparing ---------------------------------------------------------------------------------

void DialogConfigRestore::on_btn_compare_clicked()
{
    if (!loaded || isRunning())
        return;
    invalidateComparison();
    QStringList targets;
    for (int row = 0; row < ui->table_devices->rowCount(); ++row) {
        const QString target = targetBox(row)->currentData().toString();
        if (target.isEmpty())
            continue;
        if (targets.contains(target)) {
            tips(this, tr("%1 is chosen for more than one device of the file.").arg(targetLabel(target)));
            return;
        }
        targets << target;
        Pair p;
        p.fileIndex = row;
        p.target = target;
        pairs << p;
    }
    if (pairs.isEmpty()) {
        tips(this, tr("Choose the device each device of the file is restored to."));
        return;
    }
    comparing = true;
    ui->progress->setVisible(true);
    reader->start(targets);
    updateButtons();
}

void DialogConfigRestore::onCompared(bool ok)
{
    comparing = false;
    ui->progress->setVisible(false);
    if (!ok) {
        pairs.clear();
        ui->label_status->setText(reader->errorString());
        tips(this, reader->errorString());
        updateButtons();
        return;
    }
    for (Pair &p : pairs)
        for (const ConfigDevice &d : reader->document().devices)
            if (d.basic().cpuid == p.target)
                p.device = d;
    compared = true;
    ui->label_status->setText(tr("Compared. Nothing has been sent yet."));
    fillDifferences();
    updatePresetNotice();
    updateButtons();
}

void DialogConfigRestore::fillDifferences()
{
    QTreeWidget *tree = ui->tree_differences;
    const QSignalBlocker quiet(tree);
    // Ticks survive a re-translation.
    QMap<QPair<int, QString>, Qt::CheckState> ticks;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        for (int g = 0; g < tree->topLevelItem(i)->childCount(); ++g) {
            const QTreeWidgetItem *item = tree->topLevelItem(i)->child(g);
            if (item->flags() & Qt::ItemIsUserCheckable)
                ticks.insert({i, item->data(ColSetting, Qt::UserRole).toString()},
                             item->checkState(ColSetting));
        }
    tree->clear();
    for (int i = 0; i < pairs.size(); ++i) {
        const Pair &p = pairs.at(i);
        const ConfigDevice &file = doc.devices.at(p.fileIndex);
        const RestorePlan plan = RestorePlan::build(file, p.device.basic());
        auto *top = new QTreeWidgetItem(tree, {tr("%1 → %2").arg(file.label(), targetLabel(p.target))});
        top->setData(ColSetting, Qt::UserRole, i);
        top->setFirstColumnSpanned(true);
        QFont bold = top->font(ColSetting);
        bold.setBold(true);
        top->setFont(ColSetting, bold);
        int notApplicable = 0;
        for (const QString &g : ConfigDiff::groups()) {
            QList<ConfigDifference> can, cannot;
            for (const ConfigDifference &d : plan.applied)
                if (d.group == g)
                    can << d;
            for (const ConfigDifference &d : plan.notApplicable)
                if (d.group == g)
                    cannot << d;
            if (can.isEmpty() && cannot.isEmpty())
                continue;
            notApplicable += cannot.size();
            auto *group = new QTreeWidgetItem(top, {ConfigDiff::groupTitle(g)});
            group->setData(ColSetting, Qt::UserRole, g);
            group->setText(ColDiffNote,
                           cannot.isEmpty() ? tr("%n to restore", nullptr, can.size())
                           : can.isEmpty()
                               ? tr("%n cannot be applied", nullptr, cannot.size())
                               : tr("%1, %2").arg(tr("%n to restore", nullptr, can.size()),
                                                  tr("%n cannot be applied", nullptr, cannot.size())));
            if (!can.isEmpty()) {
                group->setFlags(group->flags() | Qt::ItemIsUserCheckable);
                group->setCheckState(ColSetting, ticks.value({i, g}, Qt::Checked));
            }
            for (const ConfigDifference &d : can)
                new QTreeWidgetItem(group, {d.name, d.fileValue, d.deviceValue, QString()});
            for (const ConfigDifference &d : cannot) {
                auto *item = new QTreeWidgetItem(group, {d.name, d.fileValue, d.deviceValue,
                                                         tr("cannot be applied: %1").arg(d.notApplicable)});
                for (int c = 0; c < DiffColumnCount; ++c)
                    item->setForeground(c, kMuted);
            }
        }
        if (top->childCount() == 0)
            new QTreeWidgetItem(top, {tr("No differences: the device matches the file.")});
        const int row = p.fileIndex;
        if (QTableWidgetItem *note = ui->table_devices->item(row, ColNote)) {
            const bool sameType = p.device.type() == file.type();
            note->setText(sameType
                              ? tr("%n setting(s) differ", nullptr, plan.applied.size() + notApplicable)
                              : tr("another model: %n setting(s) cannot be applied", nullptr, notApplicable));
        }
    }
    tree->expandAll();
}

QStringList DialogConfigRestore::checkedGroups(int pair) const
{
    QStringList groups;
    const QTreeWidget *tree = ui->tree_differences;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *top = tree->topLevelItem(i);
        if (top->data(ColSetting, Qt::UserRole).toInt() != pair)
            continue;
        for (int g = 0; g < top->childCount(); ++g) {
            const QTreeWidgetItem *item = top->child(g);
            if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState(ColSetting) == Qt::Checked)
                groups << item->data(ColSetting, Qt::UserRole).toString();
        }
    }
    return groups;
}

QString DialogConfigRestore::presetNotice() const
{
    QStringList lines;
    QString notice;
    for (int i = 0; i < pairs.size(); ++i) {
        const QStringList groups = checkedGroups(i);
        if (groups.isEmpty())
            continue;
        const Pair &p = pairs.at(i);
        const ConfigDevice &file = doc.devices.at(p.fileIndex);
        const RestorePlan plan = RestorePlan::build(file, p.device.basic(), groups);
        if (!plan.laysOutPresets)
            continue;
        QStringList presets;
        for (const ConfigDifference &d : plan.applied)
            if (d.setting == ConfigDifference::Preset)
                presets << d.name;
        lines << tr("%1: %2").arg(targetLabel(p.target), presets.join(QStringLiteral(", ")));
        notice = plan.presetNotice;
    }
    return lines.isEmpty() ? QString() : notice + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

void DialogConfigRestore::updatePresetNotice()
{
    const QString notice = presetNotice();
    ui->label_presetNotice->setText(notice);
    ui->label_presetNotice->setVisible(!notice.isEmpty());
    updateButtons();
}

// ---- restoring ---------------------------------------------------------------------------------

void DialogConfigRestore::on_btn_restore_clicked()
{
    if (!compared || isRunning())
        return;
    bool any = false;
    for (int i = 0; i < pairs.size(); ++i)
        any = any || !checkedGroups(i).isEmpty();
    if (!any) {
        tips(this, tr("Tick at least one group to restore."));
        return;
    }
    const QString notice = presetNotice();
    if (!notice.isEmpty()) {
        const auto answer =
            QMessageBox::question(this, tr("tips"), notice + QStringLiteral("\n\n") + tr("Restore now?"),
                                  QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    // The groups are taken now; the runner reads each device back again before its first step.
    for (int i = 0; i < pairs.size(); ++i)
        pairs[i].groups = checkedGroups(i);
    restoring = true;
    cancelAll = false;
    done.clear();
    runIndex = -1;
    ui->text_report->clear();
    ui->stack_body->setCurrentWidget(ui->page_report);
    ui->progress->setVisible(true);
    updateButtons();
    runNext();
}

void DialogConfigRestore::runNext()
{
    while (++runIndex < pairs.size()) {
        const Pair &p = pairs.at(runIndex);
        if (p.groups.isEmpty())
            continue;
        runner->start(doc.devices.at(p.fileIndex), p.target, p.groups);
        return;
    }
    finishRun();
}

void DialogConfigRestore::onRunnerFinished()
{
    const RestoreRunner::Result r = runner->result();
    done << r;
    appendReport(pairs.at(runIndex), r);
    if (!cancelAll) {
        runNext();
        return;
    }
    for (int i = runIndex + 1; i < pairs.size(); ++i)
        ui->text_report->appendPlainText(
            tr("%1 → %2: not started (cancelled)")
                .arg(doc.devices.at(pairs[i].fileIndex).label(), targetLabel(pairs[i].target)) +
            QLatin1Char('\n'));
    finishRun();
}

void DialogConfigRestore::appendReport(const Pair &pair, const RestoreRunner::Result &r)
{
    QStringList lines;
    lines << tr("%1 → %2: %3")
                 .arg(doc.devices.at(pair.fileIndex).label(), targetLabel(pair.target),
                      RestoreRunner::statusText(r.status));
    lines << QStringLiteral("  ") + r.message;
    const auto titles = [](const QStringList &groups) {
        QStringList out;
        for (const QString &g : groups)
            out << ConfigDiff::groupTitle(g);
        return out.join(QStringLiteral(", "));
    };
    if (!r.groupsApplied.isEmpty())
        lines << QStringLiteral("  ") + tr("Applied: %1").arg(titles(r.groupsApplied));
    if (!r.groupsPartlyApplied.isEmpty())
        lines << QStringLiteral("  ") + tr("Partly applied: %1").arg(titles(r.groupsPartlyApplied));
    if (!r.groupsNotApplied.isEmpty())
        lines << QStringLiteral("  ") + tr("Not applied: %1").arg(titles(r.groupsNotApplied));
    if (!r.verified && r.steps > 0)
        lines << QStringLiteral("  ") + tr("Not verified: the device could not be read back.");
    if (!r.notApplicable.isEmpty()) {
        lines << QStringLiteral("  ") + tr("Cannot be applied on this device:");
        for (const ConfigDifference &d : r.notApplicable)
            lines << QStringLiteral("    - %1: %2").arg(d.name, d.notApplicable);
    }
    if (!r.mismatches.isEmpty()) {
        lines << QStringLiteral("  ") + tr("Does not match the file after the restore:");
        for (const ConfigDifference &d : r.mismatches)
            lines << QStringLiteral("    - ") +
                         tr("%1: file %2, device %3").arg(d.name, d.fileValue, d.deviceValue);
    }
    ui->text_report->appendPlainText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void DialogConfigRestore::finishRun()
{
    restoring = false;
    compared = false; // the devices changed: compare again before another restore
    ui->progress->setValue(ui->progress->maximum());
    int doneCount = 0, cancelled = 0;
    for (const RestoreRunner::Result &r : qAsConst(done)) {
        doneCount += r.status == RestoreRunner::Status::Done;
        cancelled += r.status == RestoreRunner::Status::Cancelled;
    }
    if (!done.isEmpty() && doneCount == done.size())
        ui->label_status->setText(tr("Restore done and verified."));
    else if (cancelled > 0 || cancelAll)
        ui->label_status->setText(tr("Restore cancelled; see the report for what was applied."));
    else
        ui->label_status->setText(tr("Restore not fully applied; see the report."));
    updateButtons();
}

void DialogConfigRestore::on_btn_cancel_clicked()
{
    if (comparing) {
        reader->cancel();
    } else if (restoring) {
        cancelAll = true;
        runner->cancel();
        ui->label_status->setText(tr("Cancelling before the next step…"));
    }
}

void DialogConfigRestore::on_btn_close_clicked()
{
    reject();
}

void DialogConfigRestore::reject()
{
    if (isRunning()) {
        on_btn_cancel_clicked();
        return;
    }
    SxBaseWidget::reject();
}

void DialogConfigRestore::updateButtons()
{
    const bool busy = isRunning();
    ui->edit_path->setEnabled(!busy);
    ui->btn_browse->setEnabled(!busy);
    ui->btn_load->setEnabled(!busy);
    ui->table_devices->setEnabled(!busy);
    ui->btn_compare->setEnabled(loaded && !busy);
    ui->btn_restore->setEnabled(compared && !busy);
    ui->btn_cancel->setEnabled(busy);
    ui->tree_differences->setEnabled(!busy);
}
