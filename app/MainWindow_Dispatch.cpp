// MainWindow: following the hub (registrations, link states, lost-link boxes), the interfaces'
// view receivers, read-back and the current device.
#include "MainWindow.h"

#include "DeviceHub.h"
#include "DeviceModels.h"
#include "DialogSearch.h"
#include "DialogUpgrade.h"
#include "GW5Interface.h"
#include "HubRemoteBackend.h"
#include "INFO_BASIC.h"
#include "KS9200Interface.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsView.h"
#include "SxTabWidget.h"
#include "WidgetInBottom.h"
#include "WidgetInLeft.h"
#include "WidgetInRight.h"

#include <QTimer>

void MainWindow::connectHub()
{
    DeviceHub *h = deviceHub;
    connect(h, &DeviceHub::emitSetConnectDeviceCpuid, this, &MainWindow::emitSetConnectDeviceCpuid);
    connect(h, &DeviceHub::interfaceCreated, this,
            [this](QString, Interface *iface) { connectInterface(iface); });
    connect(h, &DeviceHub::deviceRegistered, this, [this](QString cpuid) {
        INFO_BASIC *info = deviceHub->record(cpuid);
        if (!info)
            return;
        if (cpuid == currentId)
            refreshPanels(info);
        dlgSearch->slotNewDeviceConnect(info);
    });
    connect(h, &DeviceHub::linkStateChanged, this, [this](QString cpuid) { showLinkState(cpuid); });
    connect(h, &DeviceHub::connectionLost, this, [this](QString, QString errorString, bool showMsg) {
        if (showMsg)
            showLinkBox(tr("Connection abnormal: %1").arg(errorString));
    });
    connect(h, &DeviceHub::connectInterrupted, this, [this] { showLinkBox(tr("Connect interrupt")); });
    connect(h, &DeviceHub::readBackFinished, this, &MainWindow::onDeviceGetAllData);
    connect(h, &DeviceHub::presetLoaded, this, &MainWindow::onDeviceLoadPresetFinished);
    connect(h, &DeviceHub::commandRefused, this, [this] { showNotConnected(); });
}

void MainWindow::connectInterface(Interface *iface)
{
    if (auto *ks = qobject_cast<KS9200Interface *>(iface)) {
        connect(ks, &KS9200Interface::emitPanelData, this, &MainWindow::onKS9200_PanelData);
        connect(ks, &KS9200Interface::emitWindowData, this, &MainWindow::onKS9200_WindowData);
        connect(ks, &KS9200Interface::emitInputSignals, this, &MainWindow::onKS9200_InputSignals);
        connect(ks, &KS9200Interface::emitGetPreset, this, &MainWindow::onKS9200_Preset);
        connect(ks, &KS9200Interface::emitGetTemplate, this, &MainWindow::onKS9200_Template);
        connect(ks, &KS9200Interface::emitTimeTask, this, &MainWindow::onKS9200_TimeTask);
        connect(ks, &KS9200Interface::emitOtherSetting, this, &MainWindow::onKS9200_OtherSetting);
        // The answer to a remote client's switch goes to that client, not into a box here.
        connect(ks, &KS9200Interface::emitSwitchInputFinished, this, [this, cpuid = ks->cpuid()](bool ok) {
            if (!remoteHub || !remoteHub->isExecuting(cpuid))
                onKS9200_SwitchInput(ok);
        });
        connect(ks, &KS9200Interface::emitWindowRotate, this, &MainWindow::onKX1200_WindowRotate);
    } else if (auto *gw = qobject_cast<GW5Interface *>(iface)) {
        connect(gw, &GW5Interface::emitPanelData, this, &MainWindow::onGW5_PanelData);
        connect(gw, &GW5Interface::emitWindowData, this, &MainWindow::onGW5_WindowData);
        connect(gw, &GW5Interface::emitInputSignal, this, &MainWindow::onGW5_InputSignal);
        connect(gw, &GW5Interface::emitPresetPanel, this, &MainWindow::onGW5_PresetPanel);
        connect(gw, &GW5Interface::emitPresetWindow, this, &MainWindow::onGW5_PresetWindow);
        connect(gw, &GW5Interface::emitOtherSetting, this, &MainWindow::onGW5_OtherSetting);
        connect(gw, &GW5Interface::emitPanelResolution, this, &MainWindow::onGW5_PanelResolution);
        connect(gw, &GW5Interface::emitInputHasSignal, this, &MainWindow::onGW5_InputHasSignal);
        // The matrix evicts a window of this device, whose tab need not be the current one.
        connect(gw, &GW5Interface::emitAutoRemoveWindow, this, [this, cpuid = gw->cpuid()](int winId) {
            if (SxGraphicsView *view = tabs->viewFor(cpuid))
                view->removeWindow(winId);
        });
        connect(gw, &GW5Interface::emitUpgrade00, dlgUpgrade, &DialogUpgrade::slotEnterBoot);
        connect(gw, &GW5Interface::emitUpgrade01, dlgUpgrade, &DialogUpgrade::slotBeginUpgrade);
        connect(gw, &GW5Interface::emitUpgrade02, dlgUpgrade, &DialogUpgrade::slotRecvData);
        connect(gw, &GW5Interface::emitUpgrade03, dlgUpgrade, &DialogUpgrade::slotEndUpgrade);
    }
}

// ---- received frames: handed to the hub -------------------------------------------------------

void MainWindow::slotHandleData(uint keyTCP, uint keyUDP, QString cpuid, RECV_PROTOCOL rp, QByteArray data,
                                QHostAddress addr, short port)
{
    deviceHub->handleFrame(keyTCP, keyUDP, cpuid, rp, data, addr, port);
}

void MainWindow::slotDeviceConnect(uint keyTCP, uint keyUDP, QByteArray data, QHostAddress addr, short port)
{
    deviceHub->registerAnnouncement(keyTCP, keyUDP, data, addr, port);
}

void MainWindow::slotDeviceBroken(QString cpuid, QString errorString, bool showMsg)
{
    deviceHub->linkBroken(cpuid, errorString, showMsg);
}

// ---- link state -------------------------------------------------------------------------------

namespace {
// 0:07, 12:34, 1:02:03
QString clockText(qint64 seconds)
{
    const qint64 h = seconds / 3600, m = (seconds / 60) % 60, s = seconds % 60;
    const QString ms =
        QStringLiteral("%1:%2").arg(m, h > 0 ? 2 : 1, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return h > 0 ? QStringLiteral("%1:%2").arg(h).arg(ms) : ms;
}
} // namespace

QString MainWindow::linkStateText(const QString &cpuid, bool withTime) const
{
    const DeviceHub::Link link = deviceHub->linkState(cpuid);
    if (link == DeviceHub::Link::Online)
        return QString();
    if (link == DeviceHub::Link::InUse)
        return tr("in use by another computer");
    const QDateTime lost = deviceHub->linkLostAt(cpuid);
    QString text =
        withTime && lost.isValid()
            ? tr("offline for %1").arg(clockText(qMax<qint64>(0, lost.secsTo(QDateTime::currentDateTime()))))
            : tr("offline");
    if (link == DeviceHub::Link::Reconnecting)
        text += QStringLiteral(", ") + tr("reconnecting");
    return text;
}

void MainWindow::showLinkState(const QString &cpuid)
{
    INFO_BASIC *info = deviceHub->knownRecord(cpuid);
    if (!info)
        return;
    tabs->updateTab(info, linkStateText(cpuid, false));
    if (cpuid == currentId)
        bottomWidget->setOnline(deviceHub->isOnline(cpuid));
    dlgSearch->refreshLinkStates();
}

void MainWindow::showLinkBox(const QString &text)
{
    // Shown from the event loop, not from inside the transport's frame handling; one at a time.
    if (boxOpen)
        return;
    boxOpen = true;
    QTimer::singleShot(0, this, [this, text] {
        showTips(this, text);
        boxOpen = false;
    });
}

void MainWindow::showNotConnected()
{
    showLinkBox(tr("Device Not Connect!"));
}

bool MainWindow::currentOnline()
{
    if (isFileTab(currentId)) {
        refuseFromFileTab();
        return false;
    }
    if (currentRecord() && deviceHub->isOnline(currentId))
        return true;
    if (deviceHub->knownRecord(currentId))
        showNotConnected();
    return false;
}

// ---- read-back and current device -----------------------------------------------------------

void MainWindow::onTitleSync()
{
    const QMap<QString, INFO_BASIC *> &devs = deviceHub->devices();
    if (devs.isEmpty())
        return;
    pendingReadBacks = 0;
    for (INFO_BASIC *info : devs)
        if (info && info->online)
            ++pendingReadBacks;
    if (pendingReadBacks == 0)
        return;
    startBusy(0, false);
    const QStringList ids = devs.keys();
    for (const QString &cpuid : ids) {
        INFO_BASIC *info = deviceHub->record(cpuid);
        if (!info || !info->online)
            continue;
        if (info == currentRecord()) {
            leftWidget->clearPresetButtons();
            leftWidget->clearTemplateButtons();
        }
        deviceHub->readBack(cpuid);
    }
}

void MainWindow::onDeviceGetAllData()
{
    --pendingReadBacks;
    if (pendingReadBacks <= 0)
        stopBusy();
}

void MainWindow::onDeviceLoadPresetFinished(QString cpuid)
{
    stopBusy();
    // The hub reads a device back after its preset or template load; called otherwise, this does.
    const QString id = cpuid.isEmpty() ? currentCpuid() : cpuid;
    if (!deviceHub->isReadingBack(id))
        deviceHub->readBack(id);
}

void MainWindow::onTabCurrentChanged(int index)
{
    if (index < 0) {
        currentView = nullptr;
        return;
    }
    currentView = tabs->activeView();
    currentId = tabs->currentCpuid();
    if (INFO_BASIC *current = currentRecord())
        refreshPanels(current);
    else if (deviceHub->knownRecord(currentId))
        bottomWidget->setOnline(false);
    // The status bar shows the selected window of the device whose tab is now current.
    if (SxGraphicsItem *item = currentView ? currentView->getCurrentItem() : nullptr)
        bottomWidget->onViewItemPosChange(item->windowId(), item->windowRect(), item->panelRect());
    showFileTabState();
}

void MainWindow::refreshPanels(INFO_BASIC *info)
{
    if (!info)
        return;
    if (currentView)
        currentView->setDeviceType(info->type);
    titleWidget->setDevice(info);
    rightWidget->setDevice(info);
    leftWidget->setDevice(info);
    bottomWidget->setOnline(info->online);
    titleWidget->setCurrentDeviceName(info->name.isEmpty() ? modelName(info->type) : info->name);
}
