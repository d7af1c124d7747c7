// MainWindow: what a GW device's decoded replies show on the canvas and the panels. The hub has
// stored each reply in the device record before these run.
#include "MainWindow.h"

#include "DEVICE_INFO_GW.h"
#include "DeviceHub.h"
#include "SxGraphicsView.h"
#include "SxTabWidget.h"
#include "WidgetInLeft.h"
#include "WidgetInRight.h"

#include <QTimer>

void MainWindow::onGW5_PanelData(QString cpuid, INFO_PANEL panel)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    // The stored area carries the resolution the device may have reported before it.
    for (const INFO_PANEL &stored : qAsConst(rec->panels))
        if (stored.id == panel.id)
            panel = stored;
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->addPanel(panel);
}

void MainWindow::onGW5_PanelResolution(QString cpuid, int, int, int, int, int row, int col, int)
{
    if (!gwRecord(cpuid))
        return;
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setPanelGrid(row, col);
}

void MainWindow::onGW5_WindowData(QString cpuid, INFO_WINDOW window)
{
    if (!gwRecord(cpuid))
        return;
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setWindow(window);
}

void MainWindow::onGW5_InputSignal(QString cpuid, INFO_INPUTSINGLE signal)
{
    if (!gwRecord(cpuid))
        return;
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->updateInputSignal(signal);
}

void MainWindow::onGW5_InputHasSignal(QString cpuid, int, bool, int)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (rec && rec == currentRecord())
        leftWidget->setGWDevice(rec);
}

void MainWindow::onGW5_PresetPanel(QString cpuid, INFO_PRESET preset)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec || rec != currentRecord())
        return;
    for (const INFO_PRESET &stored : qAsConst(rec->presets))
        if (stored.id == preset.id)
            leftWidget->setPreset(stored);
}

void MainWindow::onGW5_PresetWindow(QString cpuid, INFO_PRESET preset)
{
    onGW5_PresetPanel(cpuid, preset);
}

void MainWindow::onGW5_OtherSetting(QString cpuid, INFO_OTHER_GW5 other)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    if (DeviceHub::tooFewOutputCards(*rec, other)) {
        // The hub did not store it; the device must be reset to its factory settings.
        QTimer::singleShot(1000, this, [this] {
            showTips(this, tr("Output card change is detected, so factory settings must be restored."));
            forcedFactoryReset();
        });
        return;
    }
    if (SxGraphicsView *view = tabs->viewFor(cpuid)) {
        if (other.outputCards != view->getOutputCards())
            view->setOutputCards(other.outputCards);
        view->setOutputMappings(rec->mappings);
        if (!rec->panels.isEmpty())
            leftWidget->setGWPanels(rec->panels);
    }
    if (rec == currentRecord())
        rightWidget->setGWOtherSetting(other);
}
