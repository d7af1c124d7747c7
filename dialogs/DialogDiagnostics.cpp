#include "DialogDiagnostics.h"
#include "ui_DialogDiagnostics.h"

#include "DeviceLookup.h"
#include "Log.h"

#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTableWidgetItem>
#include <QTextStream>

namespace {
struct CommandEntry
{
    int cmd;
    const char *name;
};

// Command names of both families (host requests and the replies that carry the same code).
const CommandEntry kCommands[] = {
    {0x01, QT_TRANSLATE_NOOP("DialogDiagnostics", "image quality")},
    {0x02, QT_TRANSLATE_NOOP("DialogDiagnostics", "input crop")},
    {0x03, QT_TRANSLATE_NOOP("DialogDiagnostics", "window")},
    {0x04, QT_TRANSLATE_NOOP("DialogDiagnostics", "template / preset")},
    {0x05, QT_TRANSLATE_NOOP("DialogDiagnostics", "output")},
    {0x06, QT_TRANSLATE_NOOP("DialogDiagnostics", "mosaic / frame sync")},
    {0x07, QT_TRANSLATE_NOOP("DialogDiagnostics", "audio")},
    {0x08, QT_TRANSLATE_NOOP("DialogDiagnostics", "switch input")},
    {0x09, QT_TRANSLATE_NOOP("DialogDiagnostics", "time / timed task")},
    {0x0B, QT_TRANSLATE_NOOP("DialogDiagnostics", "test pattern")},
    {0x0C, QT_TRANSLATE_NOOP("DialogDiagnostics", "EDID setting")},
    {0x0D, QT_TRANSLATE_NOOP("DialogDiagnostics", "chroma key")},
    {0x0E, QT_TRANSLATE_NOOP("DialogDiagnostics", "picture in picture")},
    {0x0F, QT_TRANSLATE_NOOP("DialogDiagnostics", "device name")},
    {0x10, QT_TRANSLATE_NOOP("DialogDiagnostics", "freeze")},
    {0x11, QT_TRANSLATE_NOOP("DialogDiagnostics", "switch mode")},
    {0x12, QT_TRANSLATE_NOOP("DialogDiagnostics", "local")},
    {0x13, QT_TRANSLATE_NOOP("DialogDiagnostics", "black screen")},
    {0x14, QT_TRANSLATE_NOOP("DialogDiagnostics", "VGA adjust")},
    {0x15, QT_TRANSLATE_NOOP("DialogDiagnostics", "background colour")},
    {0x16, QT_TRANSLATE_NOOP("DialogDiagnostics", "border")},
    {0x17, QT_TRANSLATE_NOOP("DialogDiagnostics", "output enhance")},
    {0x18, QT_TRANSLATE_NOOP("DialogDiagnostics", "factory reset")},
    {0x20, QT_TRANSLATE_NOOP("DialogDiagnostics", "USB play")},
    {0xE1, QT_TRANSLATE_NOOP("DialogDiagnostics", "panels")},
    {0xE2, QT_TRANSLATE_NOOP("DialogDiagnostics", "windows")},
    {0xE3, QT_TRANSLATE_NOOP("DialogDiagnostics", "input crops")},
    {0xE4, QT_TRANSLATE_NOOP("DialogDiagnostics", "input signals")},
    {0xE5, QT_TRANSLATE_NOOP("DialogDiagnostics", "image quality read")},
    {0xE6, QT_TRANSLATE_NOOP("DialogDiagnostics", "presets")},
    {0xE7, QT_TRANSLATE_NOOP("DialogDiagnostics", "templates")},
    {0xE8, QT_TRANSLATE_NOOP("DialogDiagnostics", "mosaic read")},
    {0xE9, QT_TRANSLATE_NOOP("DialogDiagnostics", "timed tasks")},
    {0xEA, QT_TRANSLATE_NOOP("DialogDiagnostics", "EDID read")},
    {0xEB, QT_TRANSLATE_NOOP("DialogDiagnostics", "chroma keys")},
    {0xEC, QT_TRANSLATE_NOOP("DialogDiagnostics", "borders")},
    {0xED, QT_TRANSLATE_NOOP("DialogDiagnostics", "output enhance read")},
    {0xEE, QT_TRANSLATE_NOOP("DialogDiagnostics", "other settings")},
    {0xEF, QT_TRANSLATE_NOOP("DialogDiagnostics", "read all")},
    {0xF1, QT_TRANSLATE_NOOP("DialogDiagnostics", "output update")},
    {0xF2, QT_TRANSLATE_NOOP("DialogDiagnostics", "firmware upgrade")},
    {0xFF, QT_TRANSLATE_NOOP("DialogDiagnostics", "link")},
};

QString hexByte(int v)
{
    return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QString withName(int code, const QString &name)
{
    return name.isEmpty() ? hexByte(code) : hexByte(code) + QLatin1Char(' ') + name;
}
} // namespace

DialogDiagnostics::DialogDiagnostics(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogDiagnostics)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Diagnostics"));
    resize(900, 560);
    setModal(false);
    for (QTableWidget *t : {ui->table_events, ui->table_frames}) {
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->verticalHeader()->setVisible(false);
        t->horizontalHeader()->setStretchLastSection(true);
        t->setWordWrap(false);
    }
    ui->table_events->setColumnCount(2);
    ui->table_frames->setColumnCount(FrameColumnCount);
    // Fixed starting widths: sizing to contents would measure every row on each insertion.
    const int widths[] = {100, 80, 170, 170, 60};
    for (int c = ColTime; c < ColHex; ++c)
        ui->table_frames->setColumnWidth(c, widths[c]);
    ui->table_events->setColumnWidth(0, 150);
    retranslateTexts();
}

DialogDiagnostics::~DialogDiagnostics()
{
    stopListening();
    delete ui;
}

void DialogDiagnostics::retranslateTexts()
{
    ui->dialogTitle->setTitle(tr("Diagnostics"));
    ui->table_events->setHorizontalHeaderLabels({tr("Time"), tr("Event")});
    ui->table_frames->setHorizontalHeaderLabels(
        {tr("Time"), tr("Direction"), tr("Command"), tr("Sub-command"), tr("Length"), tr("Frame")});
    const int selected = ui->combo_filter->currentData().isValid() ? ui->combo_filter->currentData().toInt() : -1;
    const QSignalBlocker blocker(ui->combo_filter);
    ui->combo_filter->clear();
    ui->combo_filter->addItem(tr("All commands"), -1);
    for (const CommandEntry &e : kCommands)
        ui->combo_filter->addItem(withName(e.cmd, tr(e.name)), e.cmd);
    const int index = ui->combo_filter->findData(selected);
    ui->combo_filter->setCurrentIndex(index < 0 ? 0 : index);
    updateCount();
}

void DialogDiagnostics::setCommManager(CommManager *manager)
{
    if (comm == manager)
        return;
    const bool wasListening = listening;
    stopListening();
    comm = manager;
    if (wasListening)
        startListening();
}

QString DialogDiagnostics::commandName(int cmd)
{
    for (const CommandEntry &e : kCommands)
        if (e.cmd == cmd)
            return tr(e.name);
    return QString();
}

QString DialogDiagnostics::subCommandName(int cmd, int sub)
{
    if (cmd == Frame::CmdLink) {
        switch (sub) {
        case Frame::SubAnnounce: return tr("search / announcement");
        case Frame::SubHeartbeat: return tr("heartbeat");
        case Frame::SubInterrupted: return tr("connection interrupted");
        default: return QString();
        }
    }
    if (cmd == Frame::CmdUpgrade) {
        switch (sub) {
        case 0x00: return tr("enter boot");
        case 0x01: return tr("begin upgrade");
        case 0x02: return tr("data block");
        case 0x03: return tr("end upgrade");
        default: return QString();
        }
    }
    if (cmd == 0x04) {
        switch (sub) {
        case 0x00: return tr("load template");
        case 0x01: return tr("load preset");
        case 0x02: return tr("save preset");
        default: return QString();
        }
    }
    return QString();
}

void DialogDiagnostics::showEvent(QShowEvent *event)
{
    SxBaseWidget::showEvent(event);
    startListening();
}

void DialogDiagnostics::hideEvent(QHideEvent *event)
{
    stopListening();
    SxBaseWidget::hideEvent(event);
}

void DialogDiagnostics::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateTexts();
    }
    SxBaseWidget::changeEvent(event);
}

void DialogDiagnostics::startListening()
{
    if (listening)
        return;
    listening = true;
    // The history shows what the log kept from before the window was opened.
    ui->table_events->setRowCount(0);
    const QList<LogLine> history = recentLogLines();
    for (const LogLine &line : history)
        appendEvent(line.time, line.text);
    QPointer<DialogDiagnostics> self(this);
    logHandle = addLogListener([self](const LogLine &line) {
        if (!self)
            return;
        // writeLog may run on any thread; the row is added on ours.
        QMetaObject::invokeMethod(self.data(), [self, line] {
            if (self && self->listening)
                self->appendEvent(line.time, line.text);
        });
    });
    if (comm)
        connect(comm.data(), &CommManager::emitFrameTraffic, this, &DialogDiagnostics::onFrameTraffic,
                Qt::UniqueConnection);
}

void DialogDiagnostics::stopListening()
{
    if (!listening)
        return;
    listening = false;
    removeLogListener(logHandle);
    logHandle = 0;
    if (comm)
        disconnect(comm.data(), &CommManager::emitFrameTraffic, this, &DialogDiagnostics::onFrameTraffic);
}

void DialogDiagnostics::appendEvent(const QDateTime &time, const QString &text)
{
    QTableWidget *t = ui->table_events;
    while (t->rowCount() >= MaxEventRows)
        t->removeRow(0);
    const int row = t->rowCount();
    t->insertRow(row);
    t->setItem(row, 0, cell(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    t->setItem(row, 1, cell(text));
    t->scrollToBottom();
}

void DialogDiagnostics::onFrameTraffic(QString cpuid, bool sent, QByteArray frame)
{
    if (paused)
        return;
    const QString current = DeviceLookup::currentCpuid();
    if (!current.isEmpty() && cpuid != current)
        return;
    // Host frames carry command and sub-command in bytes 4 and 5, device frames in bytes 2 and 3.
    const int at = sent ? 4 : 2;
    const int cmd = frame.size() > at ? uint8_t(frame.at(at)) : -1;
    const int sub = frame.size() > at + 1 ? uint8_t(frame.at(at + 1)) : -1;

    QTableWidget *t = ui->table_frames;
    while (t->rowCount() >= MaxFrameRows)
        t->removeRow(0);
    const int row = t->rowCount();
    t->insertRow(row);
    t->setItem(row, ColTime, cell(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz"))));
    QTableWidgetItem *dir = cell(sent ? tr("sent") : tr("received"));
    dir->setData(Qt::UserRole, sent);
    t->setItem(row, ColDirection, dir);
    QTableWidgetItem *cmdItem = cell(cmd < 0 ? QString() : withName(cmd, commandName(cmd)));
    cmdItem->setData(Qt::UserRole, cmd);
    t->setItem(row, ColCommand, cmdItem);
    t->setItem(row, ColSubCommand, cell(sub < 0 ? QString() : withName(sub, subCommandName(cmd, sub))));
    t->setItem(row, ColLength, cell(QString::number(frame.size())));
    QTableWidgetItem *hex = cell(QString::fromLatin1(frame.toHex(' ')).toUpper());
    hex->setToolTip(hex->text());
    t->setItem(row, ColHex, hex);
    t->setRowHidden(row, !passesFilter(cmd));
    if (!t->isRowHidden(row))
        t->scrollToBottom();
    updateCount();
}

bool DialogDiagnostics::passesFilter(int cmd) const
{
    const int wanted = ui->combo_filter->currentData().isValid() ? ui->combo_filter->currentData().toInt() : -1;
    return wanted < 0 || wanted == cmd;
}

void DialogDiagnostics::applyFilter()
{
    QTableWidget *t = ui->table_frames;
    for (int r = 0; r < t->rowCount(); ++r) {
        const QTableWidgetItem *item = t->item(r, ColCommand);
        t->setRowHidden(r, !passesFilter(item ? item->data(Qt::UserRole).toInt() : -1));
    }
    updateCount();
}

void DialogDiagnostics::updateCount()
{
    ui->label_count->setText(tr("%1 frames").arg(frameRowCount()));
}

int DialogDiagnostics::frameRowCount() const
{
    int n = 0;
    for (int r = 0; r < ui->table_frames->rowCount(); ++r)
        if (!ui->table_frames->isRowHidden(r))
            ++n;
    return n;
}

int DialogDiagnostics::eventRowCount() const
{
    return ui->table_events->rowCount();
}

bool DialogDiagnostics::saveFrames(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    const QTableWidget *t = ui->table_frames;
    for (int r = 0; r < t->rowCount(); ++r) {
        if (t->isRowHidden(r))
            continue;
        QStringList fields;
        for (int c = 0; c < FrameColumnCount; ++c) {
            const QTableWidgetItem *item = t->item(r, c);
            fields << (item ? item->text() : QString());
        }
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
    out.flush();
    return file.error() == QFile::NoError;
}

void DialogDiagnostics::on_btn_pause_toggled(bool checked)
{
    paused = checked;
    ui->btn_pause->setText(checked ? tr("Resume") : tr("Pause"));
}

void DialogDiagnostics::on_combo_filter_currentIndexChanged(int)
{
    applyFilter();
}

void DialogDiagnostics::on_btn_save_clicked()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save frames"), QStringLiteral("frames.txt"),
                                                      tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    if (!saveFrames(path))
        ui->label_count->setText(tr("The file %1 cannot be written.").arg(path));
}

void DialogDiagnostics::on_btn_clear_clicked()
{
    ui->table_frames->setRowCount(0);
    updateCount();
}
