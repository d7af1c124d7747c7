// MainWindow: commands from the left panel and the canvas.
#include "MainWindow.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceHub.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsView.h"

#include <QTimer>


// ---- commands from the left panel and the canvas --------------------------------------------

void MainWindow::sendFollowUpRead(int delayMs)
{
    // The window owns the timer: nothing is left behind when it closes first.
    QTimer::singleShot(delayMs, this, [this]() {
        if (GW5Interface *gw = gwInterface()) {
            gw->readWindows();
            gw->readInputSignals();
        }
    });
}

void MainWindow::onLeftInputSrcChange(signed char src)
{
    if (!currentView)
        return;
    const int winId = currentView->currentWindowId();
    if (winId < 0) {
        showTips(this, tr("Please select a window"));
        return;
    }
    if (!currentOnline())
        return;
    if (isGwType(currentRecord()->type)) {
        if (GW5Interface *gw = gwInterface())
            gw->switchInput(winId, src);
        startBusy(500, false);
        sendFollowUpRead(2000);
    } else {
        startBusy(2000, false);
        deviceHub->write(currentId, KS9200Interface::switchInputFrame(winId, src));
    }
}

void MainWindow::onLeftAllInputSrcChange(signed char src)
{
    if (!currentView || !currentOnline())
        return;
    const QList<SxGraphicsItem *> items = currentView->windowItemList();
    if (items.isEmpty())
        return;
    if (GW5Interface *gw = gwInterface())
        for (const SxGraphicsItem *item : items)
            gw->switchInput(item->windowId(), src);
    startBusy(500, false);
    sendFollowUpRead(2000);
}

void MainWindow::onLeftPresetChange(int id)
{
    if (!currentOnline())
        return;
    startBusy(0, false);
    if (isGwType(currentRecord()->type)) {
        if (GW5Interface *gw = gwInterface())
            gw->loadPreset(id);
    } else {
        deviceHub->write(currentId, KS9200Interface::loadPresetFrame(id));
    }
}

void MainWindow::onLeftTemplateChange(int id)
{
    if (!currentOnline())
        return;
    if (!isGwType(currentRecord()->type)) {
        startBusy(0, false);
        deviceHub->write(currentId, KS9200Interface::loadTemplateFrame(id));
        return;
    }
    GW5Interface *gw = gwInterface();
    if (!gw)
        return;
    startBusy(0, false);
    if (id >= 3 || id < 0)
        return;
    if (id < 2) {
        gw->loadTemplate(id);
        return;
    }
    gw->loadTemplate(1);
    DEVICE_INFO_GW *rec = gwRecord();
    if (!rec)
        return;
    const QList<INFO_SIGNAL_PRESENCE> &list = rec->signalPresence;
    int source = -1;
    for (const INFO_SIGNAL_PRESENCE &p : list) {
        if (p.hasSignal) {
            source = p.inputId;
            break;
        }
    }
    if (source < 0)
        return;
    for (int i = 0; i < list.size(); ++i) {
        for (const INFO_SIGNAL_PRESENCE &p : list) {
            if (p.inputId == i && !p.hasSignal) {
                gw->switchInput(i, source);
                break;
            }
        }
    }
}

void MainWindow::onViewRemoveWindow(int winID)
{
    DEVICE_INFO_GW *rec = gwRecord();
    if (!rec)
        return;
    for (int i = rec->imageQuality.size() - 1; i >= 0; --i)
        if (rec->imageQuality.at(i).index == winID)
            rec->imageQuality.removeAt(i);
    for (int i = rec->windows.size() - 1; i >= 0; --i)
        if (rec->windows.at(i).winId == winID)
            rec->windows.removeAt(i);
    deviceHub->notifyRecordChanged(currentId, DeviceHub::PartWindows | DeviceHub::PartImageQuality);
}

void MainWindow::onViewSavePreset(int presetID)
{
    QList<INFO_PRESET> *presets = nullptr;
    if (DEVICE_INFO_KS *ks = ksRecord())
        presets = &ks->presets;
    else if (DEVICE_INFO_GW *gw = gwRecord())
        presets = &gw->presets;
    if (!presets)
        return;
    for (int i = presets->size() - 1; i >= 0; --i)
        if (presets->at(i).id == presetID)
            presets->removeAt(i);
    deviceHub->notifyRecordChanged(currentId, DeviceHub::PartPresets);
}

void MainWindow::onClearAllPanelData()
{
    if (isFileTab(currentId))
        return;
    if (DEVICE_INFO_GW *rec = gwRecord()) {
        rec->clearPanelData();
        deviceHub->notifyRecordChanged(currentId, DeviceHub::PartPanels | DeviceHub::PartMappings);
    }
}

void MainWindow::onGWPanelOutputMappingChanged(int outputID, int modifyPanelID, int beforePanelID)
{
    if (isFileTab(currentId))
        return; // a file's mappings stay as the file has them
    DEVICE_INFO_GW *rec = gwRecord();
    if (!rec)
        return;
    bool found = false;
    for (INFO_MAPPING &m : rec->mappings) {
        if (m.port == outputID) {
            m.area = static_cast<uint8_t>(modifyPanelID);
            found = true;
            break;
        }
    }
    if (!found)
        return;
    deviceHub->notifyRecordChanged(currentId, DeviceHub::PartMappings);
    if (currentView)
        currentView->moveOutput(outputID, beforePanelID, modifyPanelID);
}
