#include "WidgetInRight.h"
#include "ui_WidgetInRight.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"

#include <QMessageBox>

namespace {
// Fade period sent with the fade switch when the current record carries none.
constexpr int DefaultFadePeriod = 5;
}

WidgetInRight::WidgetInRight(QWidget *parent) : QWidget(parent), ui(new Ui::WidgetInRight)
{
    ui->setupUi(this);
    applyTooltips();
}

WidgetInRight::~WidgetInRight()
{
    delete ui;
}

void WidgetInRight::setDevice(INFO_BASIC *record)
{
    if (!record)
        return;
    if (record->type != m_deviceType) {
        m_deviceType = record->type;
        applyVisibility(m_deviceType);
    }
    if (auto ks = dynamic_cast<DEVICE_INFO_KS *>(record)) {
        if (!isKsType(record->type))
            return;
        setPIP(ks->other.pip != 0);
        setFreeze(ks->other.freeze != 0);
        setFade(ks->other.switchMode != 0);
        setBlackScreen(ks->other.blackScreen != 0);
        setFrameSync(ks->other.frameSync != 0);
    } else if (auto gw = dynamic_cast<DEVICE_INFO_GW *>(record)) {
        if (record->type == 48)
            setGWOtherSetting(gw->other);
    }
}

void WidgetInRight::setGWOtherSetting(const INFO_OTHER_GW5 &other)
{
    setFreeze(other.freeze != 0);
    setBlackScreen(other.blackScreen != 0);
    setFrameSync(other.frameSync != 0);
}

void WidgetInRight::applyVisibility(int type)
{
    bool pip = true, fade = true, local = true, frameSync = true;
    switch (type) {
    case 3:
        pip = false;
        break;
    case 16:
    case 17:
    case 18:
    case 20:
        pip = false;
        fade = false;
        break;
    case 48:
        pip = false;
        fade = false;
        local = false;
        break;
    default:
        break;
    }
    ui->btn_pip->setVisible(pip);
    ui->btn_fade->setVisible(fade);
    ui->btn_local->setVisible(local);
    ui->btn_frameSync->setVisible(frameSync);
}

void WidgetInRight::setWindowID(int id)
{
    m_windowID = id;
}

void WidgetInRight::switchLanguage()
{
    applyTooltips();
}

void WidgetInRight::applyTooltips()
{
    ui->btn_pip->setToolTip(tr("pip"));
    ui->btn_freeze->setToolTip(tr("freeze"));
    ui->btn_fade->setToolTip(tr("fade"));
    ui->btn_local->setToolTip(tr("local"));
    ui->btn_blackScreen->setToolTip(tr("black Screen"));
    ui->btn_frameSync->setToolTip(tr("frame sync"));
    ui->btn_lockWindow->setToolTip(tr("lock window"));
    ui->btn_hor->setToolTip(tr("horizontal"));
    ui->btn_ver->setToolTip(tr("vertical"));
}

void WidgetInRight::setPIP(bool on)
{
    ui->btn_pip->setChecked(on);
}

void WidgetInRight::setFreeze(bool on)
{
    ui->btn_freeze->setChecked(on);
}

void WidgetInRight::setFade(bool on)
{
    ui->btn_fade->setChecked(on);
}

void WidgetInRight::setBlackScreen(bool on)
{
    ui->btn_blackScreen->setChecked(on);
}

void WidgetInRight::setFrameSync(bool on)
{
    ui->btn_frameSync->setChecked(on);
}

void WidgetInRight::setPartFullScreen(bool on)
{
    ui->btn_local->setChecked(on);
}

void WidgetInRight::showSelectWindowTip()
{
    QMessageBox::information(this, tr("tips"), tr("Please select a window"));
}

void WidgetInRight::on_btn_pip_clicked(bool checked)
{
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    ks->setPip(checked ? 1 : 0);
    ks->readAll();
}

void WidgetInRight::on_btn_freeze_clicked(bool checked)
{
    if (KS9200Interface *ks = DeviceLookup::ksInterface()) {
        ks->setFreeze(checked ? 1 : 0);
        ks->readOtherSetting();
    } else if (GW5Interface *gw = DeviceLookup::gwInterface()) {
        gw->setFreeze(checked ? 1 : 0);
        gw->readOtherSetting();
    }
}

void WidgetInRight::on_btn_fade_clicked(bool checked)
{
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    const DEVICE_INFO_KS *record = DeviceLookup::ksRecord();
    ks->setSwitchMode(checked ? 1 : 0, record ? record->other.fadePeriod : DefaultFadePeriod);
    ks->readOtherSetting();
}

void WidgetInRight::on_btn_blackScreen_clicked(bool checked)
{
    if (KS9200Interface *ks = DeviceLookup::ksInterface()) {
        ks->setBlackScreen(checked ? 1 : 0);
        ks->readOtherSetting();
    } else if (GW5Interface *gw = DeviceLookup::gwInterface()) {
        gw->setBlackScreen(checked ? 1 : 0);
        gw->readOtherSetting();
    }
}

void WidgetInRight::on_btn_local_clicked(bool checked)
{
    if (m_windowID < 0) {
        ui->btn_local->setChecked(false);
        showSelectWindowTip();
        return;
    }
    KS9200Interface *ks = DeviceLookup::ksInterface();
    if (!ks)
        return;
    ks->setLocal(m_windowID, checked ? 1 : 0);
    emit emitPartFullScreen(checked);
}

void WidgetInRight::on_btn_frameSync_clicked(bool checked)
{
    if (m_windowID < 0) {
        ui->btn_frameSync->setChecked(false);
        showSelectWindowTip();
        return;
    }
    Interface *iface = DeviceLookup::interfaceOf();
    if (!iface)
        return;
    emit emitSendData(KS9200Interface::setFrameSyncFrame(m_windowID, checked ? 1 : 0));
    iface->readOtherSetting();
}

void WidgetInRight::on_btn_lockWindow_clicked(bool checked)
{
    ui->btn_hor->setEnabled(!checked);
    ui->btn_ver->setEnabled(!checked);
    emit emitLockWindow(checked);
}

void WidgetInRight::on_btn_hor_clicked()
{
    emit emitHorWindow();
}

void WidgetInRight::on_btn_ver_clicked()
{
    emit emitVerWindow();
}
