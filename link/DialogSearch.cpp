#include "DialogSearch.h"
#include "ui_DialogSearch.h"

#include "CommManager.h"
#include "DeviceModels.h"
#include "INFO_BASIC.h"
#include "SxProgressIndicator.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTableWidgetItem>
#include <QTextCodec>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {
const char *const ConnectAddressesKey = "ConnectAddresses";
constexpr int ConnectTextRole = Qt::UserRole + 1; // the connection text without the link state

DialogSearch::ExitFn &exitHook()
{
    static DialogSearch::ExitFn fn;
    return fn;
}

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}
} // namespace

DialogSearch::DialogSearch(QWidget *parent) : SxBaseWidget(parent), ui(new Ui::DialogSearch)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Search Device"));
    resize(686, 368);
    busy = new SxProgressIndicator(this);
    setupTable();
    ui->edit_address->setInsertPolicy(QComboBox::NoInsert);
    setKnownAddresses(rememberedAddresses());
    ui->edit_address->setEditText(QString());
    connect(ui->edit_address->lineEdit(), &QLineEdit::returnPressed, this, &DialogSearch::on_btn_addAddress_clicked);
    stateTimer = new QTimer(this);
    stateTimer->setInterval(1000);
    connect(stateTimer, &QTimer::timeout, this, &DialogSearch::refreshLinkStates);
}

DialogSearch::~DialogSearch()
{
    delete ui;
}

void DialogSearch::setProcessExit(ExitFn fn)
{
    exitHook() = std::move(fn);
}

void DialogSearch::setupTable()
{
    QTableWidget *t = ui->tableWidget;
    t->setColumnCount(ColumnCount);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setShowGrid(true);
    t->setGridStyle(Qt::SolidLine);
    t->setAlternatingRowColors(false);
    t->setFocusPolicy(Qt::NoFocus);
    t->horizontalHeader()->setStretchLastSection(true);
    for (int c = ColType; c <= ColVersion; ++c)
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    t->verticalHeader()->setVisible(false);
    setHeaders();
    t->setColumnHidden(ColCpuid, true);
}

void DialogSearch::setHeaders()
{
    ui->tableWidget->setHorizontalHeaderLabels(
        {tr("Type"), tr("Connect"), tr(" Version "), tr("Name"), tr("cpuid")});
}

void DialogSearch::clearList()
{
    filling = true;
    ui->tableWidget->clearContents();
    ui->tableWidget->setRowCount(0);
    filling = false;
    ui->label_name->clear();
}

int DialogSearch::rowOf(const QString &cpuid) const
{
    for (int r = 0; r < ui->tableWidget->rowCount(); ++r) {
        const QTableWidgetItem *item = ui->tableWidget->item(r, ColCpuid);
        if (item && item->text() == cpuid)
            return r;
    }
    return -1;
}

void DialogSearch::slotNewDeviceConnect(const INFO_BASIC *info)
{
    if (!info)
        return;
    QTableWidget *t = ui->tableWidget;
    int row = rowOf(info->cpuid);
    filling = true;
    if (row < 0) {
        row = t->rowCount();
        t->insertRow(row);
    }
    // A lost link has no link type any more: the row keeps what it showed, and a device listed
    // afresh is taken for a network device when it has an address (serial ones have none).
    const QTableWidgetItem *shown = info->linkType == 0 ? t->item(row, ColConnect) : nullptr;
    const bool serial = shown ? shown->data(Qt::UserRole).toInt() == 1
                              : info->linkType == 1 || (info->linkType == 0 && info->address.isNull());
    const QString connect = shown ? shown->data(ConnectTextRole).toString()
                          : serial ? tr("usb")
                                   : tr("network") + QLatin1Char('(') + info->address.toString() + QLatin1Char(')');
    t->setItem(row, ColType, fixedItem(modelName(info->type)));
    QTableWidgetItem *link = fixedItem(connect);
    link->setData(Qt::UserRole, serial ? 1 : 2);
    link->setData(ConnectTextRole, connect);
    t->setItem(row, ColConnect, link);
    t->setItem(row, ColVersion, fixedItem(info->version));
    t->setItem(row, ColName, new QTableWidgetItem(info->name));
    QTableWidgetItem *id = fixedItem(info->cpuid);
    id->setData(Qt::UserRole, int(info->extra));
    t->setItem(row, ColCpuid, id);
    filling = false;
    refreshLinkStates();
    if (t->rowCount() > 0 && t->currentRow() < 0)
        t->selectRow(0);
    if (!askingText.isEmpty() && ui->label_addressMessage->text() == askingText)
        ui->label_addressMessage->clear();
}

QString DialogSearch::currentCpuid() const
{
    const int row = ui->tableWidget->currentRow();
    const QTableWidgetItem *item = row >= 0 ? ui->tableWidget->item(row, ColCpuid) : nullptr;
    return item ? item->text() : QString();
}

void DialogSearch::refreshLinkStates()
{
    QTableWidget *t = ui->tableWidget;
    const bool wasFilling = filling;
    filling = true;
    for (int r = 0; r < t->rowCount(); ++r) {
        QTableWidgetItem *link = t->item(r, ColConnect);
        const QTableWidgetItem *id = t->item(r, ColCpuid);
        if (!link || !id)
            continue;
        const QString state = linkState ? linkState(id->text()) : QString();
        const QString base = link->data(ConnectTextRole).toString();
        const QString text = state.isEmpty() ? base : base + QStringLiteral(" - ") + state;
        if (link->text() != text)
            link->setText(text);
    }
    filling = wasFilling;
}

void DialogSearch::showEvent(QShowEvent *event)
{
    refreshLinkStates();
    stateTimer->start();
    SxBaseWidget::showEvent(event);
}

void DialogSearch::hideEvent(QHideEvent *event)
{
    stateTimer->stop();
    SxBaseWidget::hideEvent(event);
}

void DialogSearch::on_btn_search_clicked()
{
    busy->setStopTime(1000);
    busy->startAnimation(false);
    clearList();
    ui->label_addressMessage->clear();
    emit emitSearchDevice(3);
}

void DialogSearch::showCurrentName()
{
    const int row = ui->tableWidget->currentRow();
    const QTableWidgetItem *item = row >= 0 ? ui->tableWidget->item(row, ColName) : nullptr;
    if (item)
        ui->label_name->setText(item->text());
}

void DialogSearch::on_tableWidget_itemSelectionChanged()
{
    showCurrentName();
}

void DialogSearch::on_tableWidget_cellChanged(int row, int column)
{
    if (filling || column != ColName)
        return;
    QTableWidgetItem *nameItem = ui->tableWidget->item(row, ColName);
    const QTableWidgetItem *idItem = ui->tableWidget->item(row, ColCpuid);
    if (!nameItem || !idItem)
        return;
    const QByteArray bytes = nameItem->text().toLocal8Bit();
    if (bytes.size() > MaxNameBytes) {
        QMessageBox::information(this, tr("tips"), tr("The input is too long!"), QMessageBox::Ok);
        return;
    }
    if (emit emitSetDeviceName(bytes, idItem->text())) {
        ui->label_name->setText(nameItem->text());
    } else {
        filling = true;
        nameItem->setText(ui->label_name->text());
        filling = false;
    }
}

void DialogSearch::on_btn_ok_clicked()
{
    const int row = ui->tableWidget->currentRow();
    if (row < 0) {
        reject();
        return;
    }
    const QTableWidgetItem *idItem = ui->tableWidget->item(row, ColCpuid);
    const QTableWidgetItem *linkItem = ui->tableWidget->item(row, ColConnect);
    const bool network = linkItem && linkItem->data(Qt::UserRole).toInt() != 1;
    if (network && idItem && idItem->data(Qt::UserRole).toInt() == 1) {
        const auto answer = QMessageBox::question(this, tr("tips"),
                                                  tr("The device network port has been taken up!"),
                                                  QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    accept();
}

void DialogSearch::setKnownSerialPorts(const QStringList &paths)
{
    const QString typed = ui->combo_port->currentText();
    ui->combo_port->clear();
    ui->combo_port->addItems(paths);
    ui->combo_port->setEditText(typed);
}

QStringList DialogSearch::knownSerialPorts() const
{
    QStringList list;
    for (int i = 0; i < ui->combo_port->count(); ++i)
        list << ui->combo_port->itemText(i);
    return list;
}

void DialogSearch::showPortMessage(const QString &text)
{
    QMessageBox::information(this, tr("tips"), text, QMessageBox::Ok);
}

void DialogSearch::on_btn_addPort_clicked()
{
    const QString path = ui->combo_port->currentText().trimmed();
    if (path.isEmpty())
        return;
    emit emitAddSerialPort(path);
}

void DialogSearch::setCommManager(CommManager *manager)
{
    if (comm == manager)
        return;
    if (comm)
        comm->disconnect(this);
    comm = manager;
    if (comm)
        connect(comm, &CommManager::emitConnectAddressFailed, this, &DialogSearch::showAddressMessage);
}

void DialogSearch::setKnownAddresses(const QStringList &hosts)
{
    const QString typed = ui->edit_address->currentText();
    ui->edit_address->clear();
    ui->edit_address->addItems(hosts);
    ui->edit_address->setEditText(typed);
}

QStringList DialogSearch::knownAddresses() const
{
    QStringList list;
    for (int i = 0; i < ui->edit_address->count(); ++i)
        list << ui->edit_address->itemText(i);
    return list;
}

QString DialogSearch::addressMessage() const
{
    return ui->label_addressMessage->text();
}

QStringList DialogSearch::rememberedAddresses()
{
    return QSettings().value(QLatin1String(ConnectAddressesKey)).toStringList();
}

void DialogSearch::rememberAddress(const QString &host)
{
    const QString h = host.trimmed();
    if (h.isEmpty())
        return;
    rememberFirst(ConnectAddressesKey, h, MaxRememberedAddresses);
}

QStringList DialogSearch::rememberFirst(const char *key, const QString &value, int max)
{
    QSettings settings;
    QStringList list = settings.value(QLatin1String(key)).toStringList();
    list.removeAll(value);
    list.prepend(value);
    while (list.size() > max)
        list.removeLast();
    settings.setValue(QLatin1String(key), list);
    return list;
}

void DialogSearch::on_btn_addAddress_clicked()
{
    const QString host = ui->edit_address->currentText().trimmed();
    if (host.isEmpty())
        return;
    rememberAddress(host);
    setKnownAddresses(rememberedAddresses());
    ui->edit_address->setEditText(host);
    if (!comm) {
        ui->label_addressMessage->setText(tr("No connection manager: %1 is not asked.").arg(host));
        return;
    }
    askingText = tr("Asking %1 ...").arg(host);
    ui->label_addressMessage->setText(askingText);
    comm->addConnectAddress(host);
    comm->searchAddress(host);
}

void DialogSearch::showAddressMessage(QString host, QString text)
{
    Q_UNUSED(host)
    ui->label_addressMessage->setText(text);
}

void DialogSearch::closeEvent(QCloseEvent *event)
{
    if (mode == StartupMode) {
        // Closing the start-up search ends the program before the main window is shown.
        event->accept();
        if (exitHook()) {
            exitHook()(0);
            return;
        }
        std::fflush(nullptr);
        std::exit(0);
    }
    event->ignore();
    reject();
}

void DialogSearch::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->dialogTitle->setTitle(tr("Search Device"));
        setHeaders();
        showCurrentName();
    }
    SxBaseWidget::changeEvent(event);
}
