// MainWindow: the title bar's commands and the dialogs the canvas opens.
#include "MainWindow.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceHub.h"
#include "DeviceModels.h"
#include "DialogAddWindow.h"
#include "DialogAttribute.h"
#include "DialogAudio.h"
#include "DialogChromaKey.h"
#include "DialogDiagnostics.h"
#include "DialogEDID.h"
#include "DialogGWImageQuality.h"
#include "DialogGWPanel.h"
#include "DialogImageQuality.h"
#include "DialogKXImageQuality.h"
#include "DialogMosaic.h"
#include "DialogMultiMachine.h"
#include "DialogOutputSetting.h"
#include "DialogTestPicCard.h"
#include "DialogUpgrade.h"
#include "DialogUsbPlay.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxGraphicsView.h"
#include "SxTabWidget.h"
#include "WidgetInLeft.h"

#include <QMessageBox>
#include <QPointer>

// ---- title-bar commands ---------------------------------------------------------------------

void MainWindow::onTitleOutputSetting()
{
    if (!currentRecord()) {
        dlgOutputSetting->exec();
        return;
    }
    if (DEVICE_INFO_KS *ks = ksRecord()) {
        dlgOutputSetting->setDeviceData(*ks);
        dlgOutputSetting->exec();
    } else if (DEVICE_INFO_GW *gw = gwRecord()) {
        dlgGWPanel->setDeviceData(*gw);
        dlgGWPanel->exec();
    }
}

void MainWindow::onTitleEDID()
{
    if (DEVICE_INFO_KS *ks = ksRecord())
        dlgEDID->setEdidData(ks->edid, ks->type, ks->signalMode, ks->dviAudioMode);
    else if (DEVICE_INFO_GW *gw = gwRecord())
        dlgEDID->setEdidData(gw->edid, gw->type, 0, 0);
    dlgEDID->exec();
}

void MainWindow::onTitleAudioSetting()
{
    if (DEVICE_INFO_KS *ks = ksRecord()) {
        const uint8_t audio[4] = {ks->other.audioMode, ks->other.audioWindow, ks->other.mute,
                                  ks->other.volume};
        dlgAudio->setAudioData(ks->windows.size(), audio, ks->type);
    }
    dlgAudio->exec();
}

void MainWindow::onTitleImageQuality()
{
    INFO_BASIC *current = currentRecord();
    if (!current) {
        dlgImageQuality->exec();
    } else if (DEVICE_INFO_KS *ks = ksRecord()) {
        if (isKxType(ks->type)) {
            dlgKXImageQuality->setImageQuality(ks->imageQuality, ks->imageAdvanced);
            dlgKXImageQuality->exec();
        } else {
            dlgImageQuality->setImageQuality(ks->imageQuality);
            dlgImageQuality->exec();
        }
    } else if (DEVICE_INFO_GW *gw = gwRecord()) {
        dlgGWImageQuality->setImageQuality(gw->imageQuality);
        dlgGWImageQuality->exec();
    }
    Interface *iface = interfaceOf();
    if (!iface || !current)
        return;
    iface->readImageQuality();
    if (isKxType(current->type))
        iface->readImageAdvanced();
}

void MainWindow::onTitleTestImage()
{
    if (INFO_BASIC *current = currentRecord())
        dlgTestPic->setDeviceType(current->type);
    dlgTestPic->exec();
}

void MainWindow::onTitleUsbPlay()
{
    INFO_BASIC *current = currentRecord();
    if (current && current->type == DeviceType::KS9200) {
        showTips(this, tr("Does not support this feature!"));
        return;
    }
    dlgUsbPlay->exec();
}

void MainWindow::onTitleUpgrade()
{
    INFO_BASIC *current = currentRecord();
    if (!current)
        return;
    dlgUpgrade->resetUpgrade(current->linkType != 1);
    dlgUpgrade->exec();
}

void MainWindow::forcedFactoryReset()
{
    GW5Interface *gw = gwInterface();
    if (!gw)
        return;
    leftWidget->clearPresetButtons();
    gw->factoryReset();
    startBusy(7000, true);
    deviceHub->readBack(currentId);
}

void MainWindow::onTitleFactorySetting()
{
    if (!currentOnline())
        return;
    const auto answer =
        QMessageBox::warning(this, tr("tips"), tr("Factory Reset ?"), QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    Interface *iface = nullptr;
    int waitMs = 0;
    if (KS9200Interface *ks = ksInterface()) {
        leftWidget->clearTemplateButtons();
        leftWidget->clearPresetButtons();
        ks->factoryReset();
        iface = ks;
        waitMs = 7000;
    } else if (GW5Interface *gw = gwInterface()) {
        leftWidget->clearPresetButtons();
        gw->factoryReset();
        iface = gw;
        waitMs = 5000;
    }
    if (!iface)
        return;
    startBusy(waitMs, true);
    deviceHub->readBack(currentId);
}

void MainWindow::onTitleMenuMultiMachine()
{
    dlgMultiMachine->setDevices(deviceHub->devices());
    dlgMultiMachine->exec();
}

void MainWindow::onTitleDiagnostics()
{
    if (!dlgDiagnostics) {
        dlgDiagnostics = new DialogDiagnostics(this);
        dlgDiagnostics->setObjectName(QStringLiteral("DialogDiagnostics"));
        dlgDiagnostics->setCommManager(commManager());
    }
    dlgDiagnostics->show();
    dlgDiagnostics->raise();
    dlgDiagnostics->activateWindow();
}

// ---- dialogs the canvas opens ----------------------------------------------------------------

void MainWindow::onViewOpenAttribute(QString cpuid, int winId)
{
    SxGraphicsView *view = tabs->viewFor(cpuid);
    DialogAttribute dlg(this);
    dlg.setObjectName(QStringLiteral("DialogAttribute"));
    if (!dlg.fillFromView(view, winId))
        return;
    dlg.exec();
}

void MainWindow::onViewOpenAddWindow(QString cpuid, QRect bounds)
{
    SxGraphicsView *view = tabs->viewFor(cpuid);
    if (!view)
        return;
    DialogAddWindow dlg(this);
    dlg.setObjectName(QStringLiteral("DialogAddWindow"));
    dlg.setBounds(QRectF(bounds));
    // The tab of the view may be dropped while the dialog runs.
    QPointer<SxGraphicsView> guard(view);
    if (dlg.exec() == QDialog::Accepted && guard && !dlg.rect().isEmpty())
        guard->addWindow(dlg.rect());
}

void MainWindow::onViewOpenMosaic(QString cpuid, int winId, INFO_MOSAIC mosaic, int width, int height,
                                  int deviceType)
{
    DialogMosaic dlg(this);
    dlg.setObjectName(QStringLiteral("DialogMosaic"));
    dlg.setCpuid(cpuid);
    dlg.setMosaic(winId, mosaic, width, height, deviceType);
    dlg.exec();
}

void MainWindow::onViewOpenChromaKey(QString cpuid, int winId, INFO_CHROMA chroma)
{
    Q_UNUSED(cpuid)
    DialogChromaKey dlg(this);
    dlg.setObjectName(QStringLiteral("DialogChromaKey"));
    dlg.setChromaData(winId, chroma);
    dlg.exec();
}
