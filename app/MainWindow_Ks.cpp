// MainWindow: what a KS-set device's decoded replies show on the canvas and the panels. The hub
// has stored each reply in the device record before these run.
#include "MainWindow.h"

#include "DEVICE_INFO_KS.h"
#include "DeviceHub.h"
#include "Interface.h"
#include "SxGraphicsView.h"
#include "SxTabWidget.h"
#include "WidgetInLeft.h"
#include "WidgetInRight.h"

#include <QTimer>

void MainWindow::onKS9200_PanelData(QString cpuid, QList<INFO_PANEL> list)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setPanels(list, rec->outputMode.mode != 0);
}

void MainWindow::onKS9200_WindowData(QString cpuid, QList<INFO_WINDOW> list)
{
    if (!ksRecord(cpuid))
        return;
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setWindows(list);
}

void MainWindow::onKS9200_InputSignals(QString cpuid, QList<INFO_INPUTSINGLE> list)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->updateInputSignals(list);
    if (rec == currentRecord())
        leftWidget->setInputSignals(list, rec->type);
}

void MainWindow::onKS9200_Preset(QString cpuid, INFO_PRESET preset)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (rec && rec == currentRecord())
        leftWidget->setPreset(preset);
}

void MainWindow::onKS9200_Template(QString cpuid, INFO_TEMPLATE templ)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setTemplateId(templ.group);
    if (rec == currentRecord())
        leftWidget->setTemplate(templ);
}

void MainWindow::onKS9200_TimeTask(QString cpuid, INFO_TIME_TASK task)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    // The index comes from the device: only the 16 slots exist.
    if (rec && rec == currentRecord() && task.index < DEVICE_INFO_KS::TimeTaskCount)
        leftWidget->setTimeTask(task);
}

void MainWindow::onKS9200_OtherSetting(QString cpuid, INFO_OTHER_KS9200 other)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec || rec != currentRecord())
        return;
    leftWidget->setOtherSetting(other);
    rightWidget->setPIP(other.pip);
    rightWidget->setFreeze(other.freeze);
    rightWidget->setFade(other.switchMode != 0);
    rightWidget->setBlackScreen(other.blackScreen);
    rightWidget->setFrameSync(other.frameSync);
}

void MainWindow::onKS9200_SwitchInput(bool result)
{
    stopBusy();
    if (!result) {
        showTips(this, tr("Input conflict"));
        return;
    }
    // Re-read windows and input signals once the device has settled; the window owns the timer,
    // so nothing is left behind when it closes first.
    QTimer::singleShot(2000, this, [this] {
        if (!currentRecord())
            return;
        deviceHub->write(currentId, Interface::requestFrame(0xE2));
        deviceHub->write(currentId, Interface::requestFrame(0xE4));
    });
}

void MainWindow::onKX1200_WindowRotate(QString cpuid, int win, int rotate)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    for (const INFO_WINDOW &w : rec->windows) {
        if (w.winId == win) {
            if (SxGraphicsView *view = tabs->viewFor(cpuid))
                view->setWindowRotate(win, rotate);
            return;
        }
    }
}
