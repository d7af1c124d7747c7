// MainWindow: the search dialog, the start-up search, typed serial ports and renaming.
#include "MainWindow.h"

#include "CommManager.h"
#include "DeviceHub.h"
#include "DialogSearch.h"
#include "INFO_BASIC.h"
#include "KS9200Interface.h"
#include "SxTabWidget.h"
#include "WidgetInBottom.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const char *const SerialPortsKey = "SerialPorts"; // ports typed in the search dialog
constexpr int MaxRememberedPorts = 10;
} // namespace

void MainWindow::createSearchDialog(QWidget *parent)
{
    dlgSearch = new DialogSearch(parent);
    dlgSearch->setObjectName(QStringLiteral("DialogSearch"));
    dlgSearch->setKnownSerialPorts(QSettings().value(QLatin1String(SerialPortsKey)).toStringList());
}

void MainWindow::connectSearchDialog()
{
    connect(dlgSearch, &DialogSearch::emitSearchDevice, this, &MainWindow::onSearchDevice);
    connect(dlgSearch, &DialogSearch::emitSetDeviceName, this, &MainWindow::onSetDeviceName);
    connect(dlgSearch, &DialogSearch::emitAddSerialPort, this, &MainWindow::onAddSerialPort);
    // The address box asks typed hosts through the transport manager.
    dlgSearch->setCommManager(commManager());
    dlgSearch->setLinkStateText([this](const QString &cpuid) { return linkStateText(cpuid); });
}

void MainWindow::setExtraSerialPorts(const QStringList &paths)
{
    for (const QString &p : paths) {
        if (!serialPaths.contains(p)) {
            serialPaths.append(p);
            deviceHub->addSerialPort(p);
        }
    }
}

void MainWindow::startupSearch()
{
    onTitleSearch(DialogSearch::StartupMode);
    const QPoint pos = dlgSearch->pos();
    delete dlgSearch;
    createSearchDialog(this);
    connectSearchDialog();
    dlgSearch->move(pos);
}

void MainWindow::onTitleSearch(int flag)
{
    dlgSearch->setMode(flag);
    dlgSearch->clearList();
    onSearchDevice(3);
    if (dlgSearch->exec() != QDialog::Accepted || deviceHub->devices().isEmpty())
        return;
    // A device whose port another computer holds is connected only when the operator chose it
    // (and answered the question of the search dialog).
    const QString chosen = dlgSearch->currentCpuid();
    if (deviceHub->linkState(chosen) == DeviceHub::Link::InUse)
        deviceHub->takeOver(chosen);
    for (INFO_BASIC *info : deviceHub->devices()) {
        tabs->addDevice(info);
        showLinkState(info->cpuid);
    }
    onTitleSync();
    currentView = tabs->activeView();
    currentId = tabs->currentCpuid();
    INFO_BASIC *current = currentRecord();
    if (current)
        bottomWidget->setOnline(current->online);
    refreshPanels(current);
}

void MainWindow::onSearchDevice(int mask)
{
    // Known devices stay listed, those offline with their state.
    for (const QString &cpuid : deviceHub->knownCpuids())
        dlgSearch->slotNewDeviceConnect(deviceHub->knownRecord(cpuid));
    deviceHub->search(mask);
}

void MainWindow::onAddSerialPort(QString path)
{
    if (!QFileInfo::exists(path)) {
        dlgSearch->showPortMessage(tr("The serial port %1 does not exist.").arg(path));
        return;
    }
    setExtraSerialPorts({path});
    dlgSearch->setKnownSerialPorts(DialogSearch::rememberFirst(SerialPortsKey, path, MaxRememberedPorts));
    onSearchDevice(2);
}

bool MainWindow::onSetDeviceName(QByteArray name, QString cpuid)
{
    INFO_BASIC *info = deviceHub->record(cpuid);
    if (!info) {
        showTips(this, tr("Please connect to the device first!"));
        return false;
    }
    for (const QByteArray &frame : KS9200Interface::setDeviceNameFrames(name)) {
        if (deviceHub->write(cpuid, frame) == -1) {
            showTips(this, tr("Device Not Connect!"));
            return false;
        }
    }
    info->name = QString::fromLocal8Bit(name);
    deviceHub->notifyRecordChanged(cpuid, DeviceHub::PartIdentity);
    titleWidget->setCurrentDeviceName(info->name);
    tabs->updateTab(info);
    return true;
}
