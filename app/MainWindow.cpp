#include "MainWindow.h"

#include "CommManager.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DeviceModels.h"
#include "DialogAddWindow.h"
#include "DialogAttribute.h"
#include "DialogAudio.h"
#include "DialogChromaKey.h"
#include "Announcement.h"
#include "DialogDiagnostics.h"
#include "DialogEDID.h"
#include "DialogGWImageQuality.h"
#include "DialogImageQuality.h"
#include "DialogKXImageQuality.h"
#include "DialogOutputSetting.h"
#include "DialogGWPanel.h"
#include "DialogMosaic.h"
#include "DialogMultiMachine.h"
#include "DialogSearch.h"
#include "DialogTestPicCard.h"
#include "DialogUpgrade.h"
#include "DialogUsbPlay.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "Log.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsView.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"
#include "WidgetInBottom.h"
#include "WidgetInLeft.h"
#include "WidgetInRight.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QMessageBox>
#include <QMutexLocker>
#include <QScreen>
#include <QSettings>
#include <QSharedMemory>
#include <QSplitter>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>

// The translations are compiled into the widget library; a static library needs them named.
static void initTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}

namespace {
MainWindow *s_instance = nullptr;

const char *const LanguageKey = "Language";
const char *const SerialPortsKey = "SerialPorts"; // ports typed in the search dialog
constexpr int MaxRememberedPorts = 10;

// Upsert helpers: find the stored entry whose key equals the received one, overwrite or append.
template <typename T, typename Key>
void upsert(QList<T> &list, const T &item, Key key)
{
    for (T &stored : list) {
        if (key(stored) == key(item)) {
            stored = item;
            return;
        }
    }
    list.append(item);
}

template <typename T>
void replaceList(QList<T> &stored, const QList<T> &received)
{
    if (stored != received)
        stored = received;
}

// A parentless one-shot timer that deletes itself after running fn.
void runLater(int ms, std::function<void()> fn)
{
    auto *timer = new QTimer;
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, fn]() {
        fn();
        timer->deleteLater();
    });
    timer->start(ms);
}
} // namespace

MainWindow::MainWindow(QWidget *parent) : SxBaseWidget(parent)
{
    setupLanguage();
    setupUi();
    registerRecordTypes();
    comm = new CommManager(this);
    makeConnections();

    currentDevice = nullptr;
    s_instance = this;
    DeviceLookup::install([this](const QString &id) { return record(id); },
                          [this](const QString &id) { return interfaceOf(id); },
                          [this]() { return currentCpuid(); });
    DeviceLookup::installWriters([this](const QByteArray &d) { writeData(d); },
                                 [this](const QByteArray &d) { writeDataByUDP(d); });
    DeviceLookup::installBusy([this]() { return busyIndicator; });
    SxGraphicsView::setDeviceLookup([this](const QString &id) { return record(id); },
                                    [this](const QString &id) { return interfaceOf(id); });

    placeholder = new INFO_BASIC;
    placeholder->name = tr("Test Device");
    tabs->addDevice(placeholder);
    refreshPanels(placeholder);
}

MainWindow::~MainWindow()
{
    qDebug() << "MainWindow::~MainWindow";
    if (s_instance == this) {
        s_instance = nullptr;
        DeviceLookup::clear();
        SxGraphicsView::setDeviceLookup(nullptr, nullptr);
    }
    delete dlgSearch; // parentless until the start-up search is over
    dlgSearch = nullptr;
    qDeleteAll(interfaceMap);
    qDeleteAll(retiredInterfaces);
    qDeleteAll(deviceMap);
    qDeleteAll(retiredRecords);
    delete placeholder;
}

MainWindow *MainWindow::instance()
{
    return s_instance;
}

// ---- construction ---------------------------------------------------------------------------

void MainWindow::setupLanguage()
{
    initTranslationResources();
    QSettings settings;
    if (settings.contains(LanguageKey))
        language = settings.value(LanguageKey).toInt();
    else
        language = QLocale::system().language() == QLocale::Chinese ? 1 : 0;
    appTranslator = new QTranslator(this);
    qtTranslator = new QTranslator(this);
    loadLanguageFiles(language, appTranslator, qtTranslator);
}

bool MainWindow::loadLanguageFiles(int l, QTranslator *app, QTranslator *qt)
{
    static const char *const files[3][2] = {{"://en.qm", "://qt_en.qm"},
                                            {"://zh_cn.qm", "://qt_zh_CN.qm"},
                                            {"://zh_tw.qm", "://qt_zh_TW.qm"}};
    if (l < 0 || l > 2 || !app || !qt)
        return false;
    // Each is installed right after its load; the application keeps a list, so a translator
    // already installed is taken out first rather than listed twice.
    QCoreApplication::removeTranslator(app);
    app->load(QString::fromLatin1(files[l][0]));
    QCoreApplication::installTranslator(app);
    QCoreApplication::removeTranslator(qt);
    qt->load(QString::fromLatin1(files[l][1]));
    QCoreApplication::installTranslator(qt);
    return true;
}

bool MainWindow::loadTranslators(int l)
{
    return loadLanguageFiles(l, appTranslator, qtTranslator);
}

void MainWindow::setupUi()
{
    resize(1280, 720);
    titleWidget = new SxTitleWidget(this);
    titleWidget->setLanguage(language);
    titleWidget->setObjectName(QStringLiteral("TitleWidget"));

    splitter = new QSplitter(Qt::Horizontal);
    leftWidget = new WidgetInLeft(splitter);
    leftWidget->setObjectName(QStringLiteral("LeftWidget"));
    rightWidget = new WidgetInRight(this);

    createSearchDialog(nullptr);
    dlgEDID = new DialogEDID(this);
    dlgAudio = new DialogAudio(this);
    dlgUsbPlay = new DialogUsbPlay(this);
    dlgImageQuality = new DialogImageQuality(this);
    dlgTestPic = new DialogTestPicCard(this);
    dlgOutputSetting = new DialogOutputSetting(this);
    busyIndicator = new SxProgressIndicator(this);
    dlgMultiMachine = new DialogMultiMachine(this);
    dlgGWPanel = new DialogGWPanel(this);
    dlgGWImageQuality = new DialogGWImageQuality(this);
    dlgKXImageQuality = new DialogKXImageQuality(this);
    dlgUpgrade = new DialogUpgrade(this);

    tabs = new SxTabWidget(this);
    tabs->setObjectName(QStringLiteral("TabWidget"));
    currentView = nullptr;

    auto *pane = new QWidget(splitter);
    auto *paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(tabs);
    row->addWidget(rightWidget);
    paneLayout->addLayout(row, 1);
    bottomWidget = new WidgetInBottom(this);
    paneLayout->addWidget(bottomWidget);

    splitter->setHandleWidth(0);
    splitter->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(titleWidget, 0);
    layout->addWidget(splitter, 1);

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->geometry();
        move((r.width() - width()) / 2, (r.height() - height()) / 2);
    }
}

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
    dlgSearch->setCommManager(comm);
}

void MainWindow::makeConnections()
{
    connect(comm, &CommManager::emitDeviceConnectionBroken, this, &MainWindow::slotDeviceBroken);
    connect(this, &MainWindow::emitSetConnectDeviceCpuid, comm, &CommManager::onSetConnectDeviceCpuid);
    connect(comm, &CommManager::emitHandleData, this, &MainWindow::slotHandleData);
    connectSearchDialog();
    connect(dlgGWPanel, &DialogGWPanel::emitRemoveAllWindow, tabs, &SxTabWidget::removeAllWindow);
    connect(dlgGWPanel, &DialogGWPanel::emitClearPanelData, this, &MainWindow::onClearAllPanelData);
    connect(dlgGWPanel, &DialogGWPanel::emitMappingChanged, this, &MainWindow::onGWPanelOutputMappingChanged);
    connect(dlgGWPanel, &DialogGWPanel::emitLoadTemplateID0, this, &MainWindow::onLeftTemplateChange);
    connect(dlgUpgrade, &DialogUpgrade::emitSendData, this, &MainWindow::writeData);
    connect(dlgUpgrade, &DialogUpgrade::emitSendDataByUDP, this, &MainWindow::writeDataByUDP);
    connect(tabs, &SxTabWidget::emitItemPosChange, bottomWidget, &WidgetInBottom::onViewItemPosChange);
    connect(tabs, &SxTabWidget::emitSelectItemInputChange, leftWidget, &WidgetInLeft::onViewItemInputSrcIDChange);
    connect(tabs, &SxTabWidget::emitWriteData, this, &MainWindow::writeData);
    connect(tabs, &SxTabWidget::emitPartFullChange, rightWidget, &WidgetInRight::setPartFullScreen);
    connect(tabs, &SxTabWidget::emitRemoveWindow, this, &MainWindow::onViewRemoveWindow);
    connect(tabs, &SxTabWidget::emitSavePreset, this, &MainWindow::onViewSavePreset);
    connect(tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabCurrentChanged);
    connect(tabs, &SxTabWidget::emitShowBusy, this, [this](int ms) { startBusy(ms, false); });
    connect(tabs, &SxTabWidget::emitOpenAttribute, this, &MainWindow::onViewOpenAttribute);
    connect(tabs, &SxTabWidget::emitOpenAddWindow, this, &MainWindow::onViewOpenAddWindow);
    connect(tabs, &SxTabWidget::emitOpenMosaic, this, &MainWindow::onViewOpenMosaic);
    connect(tabs, &SxTabWidget::emitOpenChromaKey, this, &MainWindow::onViewOpenChromaKey);
    connect(titleWidget, &SxTitleWidget::emitSearch, this, &MainWindow::onTitleSearch);
    connect(titleWidget, &SxTitleWidget::emitSync, this, &MainWindow::onTitleSync);
    connect(titleWidget, &SxTitleWidget::emitOutputSetting, this, &MainWindow::onTitleOutputSetting);
    connect(titleWidget, &SxTitleWidget::emitEDID, this, &MainWindow::onTitleEDID);
    connect(titleWidget, &SxTitleWidget::emitAudioSetting, this, &MainWindow::onTitleAudioSetting);
    connect(titleWidget, &SxTitleWidget::emitImageSetting, this, &MainWindow::onTitleImageQuality);
    connect(titleWidget, &SxTitleWidget::emitTestImage, this, &MainWindow::onTitleTestImage);
    connect(titleWidget, &SxTitleWidget::emitUsbPlay, this, &MainWindow::onTitleUsbPlay);
    connect(titleWidget, &SxTitleWidget::emitUpgrade, this, &MainWindow::onTitleUpgrade);
    connect(titleWidget, &SxTitleWidget::emitFactorySetting, this, &MainWindow::onTitleFactorySetting);
    connect(titleWidget, &SxTitleWidget::emitMenuMultiMachine, this, &MainWindow::onTitleMenuMultiMachine);
    connect(titleWidget, &SxTitleWidget::emitLanguageChange, this, &MainWindow::onTitleLanguageChange);
    connect(titleWidget, &SxTitleWidget::emitOpenDiagnostics, this, &MainWindow::onTitleDiagnostics);
    connect(rightWidget, &WidgetInRight::emitSendData, this, &MainWindow::writeData);
    connect(rightWidget, &WidgetInRight::emitLockWindow, tabs, &SxTabWidget::setLockWindow);
    connect(rightWidget, &WidgetInRight::emitHorWindow, tabs, &SxTabWidget::setHorWindow);
    connect(rightWidget, &WidgetInRight::emitVerWindow, tabs, &SxTabWidget::setVerWindow);
    connect(rightWidget, &WidgetInRight::emitPartFullScreen, tabs, &SxTabWidget::setPartFullScreen);
    connect(leftWidget, &WidgetInLeft::emitInputSignalSwitch, this, &MainWindow::onLeftInputSrcChange);
    connect(leftWidget, &WidgetInLeft::emitInputSignalSwitchAll, this, &MainWindow::onLeftAllInputSrcChange);
    connect(leftWidget, &WidgetInLeft::emitPresetChange, this, &MainWindow::onLeftPresetChange);
    connect(leftWidget, &WidgetInLeft::emitTemplateChange, this, &MainWindow::onLeftTemplateChange);
    connect(leftWidget, &WidgetInLeft::emitRemoveAllWindow, tabs, &SxTabWidget::removeAllWindow);
    connect(bottomWidget, &WidgetInBottom::emitSetWindowPos, tabs, &SxTabWidget::setWindowItemPos);
    connect(bottomWidget, &WidgetInBottom::emitWriteData, this, &MainWindow::writeData);
    connect(bottomWidget, &WidgetInBottom::emitSetWindowID, rightWidget, &WidgetInRight::setWindowID);
}

void MainWindow::connectInterface(Interface *iface)
{
    connect(iface, &Interface::emitSendData, this, [this, iface](QByteArray data) {
        comm->write(iface->keyTCP(), data);
    });
    connect(iface, &Interface::emitAllParams, this, &MainWindow::onDeviceGetAllData);
    if (auto *ks = qobject_cast<KS9200Interface *>(iface)) {
        connect(ks, &KS9200Interface::emitLoadPresetOrTemplateFinished, this, &MainWindow::onDeviceLoadPresetFinished);
        connect(ks, &KS9200Interface::emitPanelData, this, &MainWindow::onKS9200_PanelData);
        connect(ks, &KS9200Interface::emitWindowData, this, &MainWindow::onKS9200_WindowData);
        connect(ks, &KS9200Interface::emitInputCrop, this, &MainWindow::onKS9200_InputCrop);
        connect(ks, &KS9200Interface::emitInputSignals, this, &MainWindow::onKS9200_InputSignals);
        connect(ks, &KS9200Interface::emitImageQuality, this, &MainWindow::onKS9200_ImageQuality);
        connect(ks, &KS9200Interface::emitGetPreset, this, &MainWindow::onKS9200_Preset);
        connect(ks, &KS9200Interface::emitGetTemplate, this, &MainWindow::onKS9200_Template);
        connect(ks, &KS9200Interface::emitMultiMosaic, this, &MainWindow::onKS9200_MultiMosaic);
        connect(ks, &KS9200Interface::emitTimeTask, this, &MainWindow::onKS9200_TimeTask);
        connect(ks, &KS9200Interface::emitEDID, this, &MainWindow::onKS9200_EDID);
        connect(ks, &KS9200Interface::emitEDIDOther, this, &MainWindow::onKS9200_EDIDOther);
        connect(ks, &KS9200Interface::emitChromaKey, this, &MainWindow::onKS9200_ChromaKey);
        connect(ks, &KS9200Interface::emitBorderSetting, this, &MainWindow::onKS9200_BorderSetting);
        connect(ks, &KS9200Interface::emitOutputEnhance, this, &MainWindow::onKS9200_OutputEnhance);
        connect(ks, &KS9200Interface::emitOtherSetting, this, &MainWindow::onKS9200_OtherSetting);
        connect(ks, &KS9200Interface::emitSwitchInputFinished, this, &MainWindow::onKS9200_SwitchInput);
        connect(ks, &KS9200Interface::emitOutputMode, this, &MainWindow::onKX1200_OutputMode);
        connect(ks, &KS9200Interface::emitImageAdvanced, this, &MainWindow::onKX1200_ImageAdvanced);
        connect(ks, &KS9200Interface::emitWindowRotate, this, &MainWindow::onKX1200_WindowRotate);
    } else if (auto *gw = qobject_cast<GW5Interface *>(iface)) {
        connect(gw, &GW5Interface::emitLoadPresetOrTemplateFinished, this, &MainWindow::onDeviceLoadPresetFinished);
        connect(gw, &GW5Interface::emitPanelData, this, &MainWindow::onGW5_PanelData);
        connect(gw, &GW5Interface::emitWindowData, this, &MainWindow::onGW5_WindowData);
        connect(gw, &GW5Interface::emitInputCrop, this, &MainWindow::onGW5_InputCrop);
        connect(gw, &GW5Interface::emitInputSignal, this, &MainWindow::onGW5_InputSignal);
        connect(gw, &GW5Interface::emitImageQuality, this, &MainWindow::onGW5_ImageQuality);
        connect(gw, &GW5Interface::emitPresetPanel, this, &MainWindow::onGW5_PresetPanel);
        connect(gw, &GW5Interface::emitPresetWindow, this, &MainWindow::onGW5_PresetWindow);
        connect(gw, &GW5Interface::emitEDIDSetting, this, &MainWindow::onGW5_EDIDSetting);
        connect(gw, &GW5Interface::emitOtherSetting, this, &MainWindow::onGW5_OtherSetting);
        connect(gw, &GW5Interface::emitPanelResolution, this, &MainWindow::onGW5_PanelResolution);
        connect(gw, &GW5Interface::emitOutputPortMapping, this, &MainWindow::onGW5_OutputPortMapping);
        connect(gw, &GW5Interface::emitInputHasSignal, this, &MainWindow::onGW5_InputHasSignal);
        connect(gw, &GW5Interface::emitAutoRemoveWindow, tabs, &SxTabWidget::removeWindow);
        connect(gw, &GW5Interface::emitUpgrade00, dlgUpgrade, &DialogUpgrade::slotEnterBoot);
        connect(gw, &GW5Interface::emitUpgrade01, dlgUpgrade, &DialogUpgrade::slotBeginUpgrade);
        connect(gw, &GW5Interface::emitUpgrade02, dlgUpgrade, &DialogUpgrade::slotRecvData);
        connect(gw, &GW5Interface::emitUpgrade03, dlgUpgrade, &DialogUpgrade::slotEndUpgrade);
    }
}

// ---- look-ups and write paths ---------------------------------------------------------------

QString MainWindow::currentCpuid() const
{
    return currentDevice ? currentDevice->cpuid : QString();
}

INFO_BASIC *MainWindow::record(const QString &cpuid) const
{
    const QString id = cpuid.isEmpty() ? currentCpuid() : cpuid;
    if (id.isEmpty())
        return nullptr;
    return deviceMap.value(id, nullptr);
}

DEVICE_INFO_KS *MainWindow::ksRecord(const QString &cpuid) const
{
    return dynamic_cast<DEVICE_INFO_KS *>(record(cpuid));
}

DEVICE_INFO_GW *MainWindow::gwRecord(const QString &cpuid) const
{
    return dynamic_cast<DEVICE_INFO_GW *>(record(cpuid));
}

Interface *MainWindow::interfaceOf(const QString &cpuid) const
{
    const QString id = cpuid.isEmpty() ? currentCpuid() : cpuid;
    if (id.isEmpty())
        return nullptr;
    return interfaceMap.value(id, nullptr);
}

KS9200Interface *MainWindow::ksInterface(const QString &cpuid) const
{
    return qobject_cast<KS9200Interface *>(interfaceOf(cpuid));
}

GW5Interface *MainWindow::gwInterface(const QString &cpuid) const
{
    return qobject_cast<GW5Interface *>(interfaceOf(cpuid));
}

void MainWindow::writeData(QByteArray data)
{
    if (currentDevice)
        comm->write(currentDevice->keyTCP, data);
}

void MainWindow::writeDataByUDP(QByteArray data)
{
    if (currentDevice)
        comm->writeByUDP(currentDevice->keyUDP, data, currentDevice->address);
}

void MainWindow::setExtraSerialPorts(const QStringList &paths)
{
    for (const QString &p : paths) {
        if (!serialPaths.contains(p)) {
            serialPaths.append(p);
            comm->addNamedSerialPort(p);
        }
    }
}

bool MainWindow::claimSingleInstance(QSharedMemory &guard)
{
    // On Linux a segment outlives a process that crashed while holding it. Attaching and
    // detaching removes such a segment (no process is attached any more); a live instance stays
    // attached, so its segment survives and create() fails as it should.
    if (guard.attach())
        guard.detach();
    return guard.create(1);
}

void MainWindow::showTips(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, tr("tips"), text, QMessageBox::Ok);
}

void MainWindow::appendLog(const QString &text)
{
    writeLog(text);
}

void MainWindow::startBusy(int stopTimeMs, bool block)
{
    if (stopTimeMs > 0)
        busyIndicator->setStopTime(stopTimeMs);
    busyIndicator->startAnimation(block);
}

void MainWindow::stopBusy()
{
    busyIndicator->stopAnimation();
}

// ---- window events and language -------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the process at once.
    event->accept();
    std::fflush(nullptr);
    std::exit(0);
}

void MainWindow::changeEvent(QEvent *event)
{
    SxBaseWidget::changeEvent(event);
}

void MainWindow::onTitleLanguageChange(LANGUAGE l)
{
    if (!appTranslator || !qtTranslator || l < 0 || l > 2)
        return;
    loadTranslators(l);
    language = l;
    titleWidget->retranslate();
    leftWidget->switchLanguage();
    rightWidget->switchLanguage();
    bottomWidget->switchLanguage();
    tabs->retranslateViews();
    // The search dialog and the dialogs without a switch of their own re-translate on the
    // LanguageChange event that the new translators bring.
    dlgOutputSetting->switchLanguage();
    dlgEDID->switchLanguage();
    dlgAudio->switchLanguage();
    dlgImageQuality->switchLanguage();
    dlgGWImageQuality->switchLanguage();
    dlgGWPanel->switchLanguage();
    dlgKXImageQuality->switchLanguage();
    QSettings().setValue(LanguageKey, l);
}

// ---- search and start-up --------------------------------------------------------------------

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
    if (dlgSearch->exec() != QDialog::Accepted || deviceMap.isEmpty())
        return;
    for (INFO_BASIC *info : qAsConst(deviceMap))
        tabs->addDevice(info);
    onTitleSync();
    currentView = tabs->activeView();
    currentDevice = deviceMap.value(tabs->currentCpuid(), nullptr);
    if (currentDevice)
        bottomWidget->setOnline(currentDevice->online);
    refreshPanels(currentDevice);
}

void MainWindow::onSearchDevice(int mask)
{
    for (INFO_BASIC *info : qAsConst(deviceMap)) {
        if (info && info->online)
            dlgSearch->slotNewDeviceConnect(info);
    }
    comm->searchDevice(mask);
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
    INFO_BASIC *info = deviceMap.value(cpuid, nullptr);
    if (!info) {
        showTips(this, tr("Please connect to the device first!"));
        return false;
    }
    for (const QByteArray &frame : KS9200Interface::setDeviceNameFrames(name)) {
        if (comm->write(info->keyTCP, frame) == -1) {
            showTips(this, tr("Device Not Connect!"));
            return false;
        }
    }
    info->name = QString::fromLocal8Bit(name);
    titleWidget->setCurrentDeviceName(info->name);
    tabs->updateTab(info);
    return true;
}

// ---- received frames ------------------------------------------------------------------------

void MainWindow::slotHandleData(uint keyTCP, uint keyUDP, QString cpuid, RECV_PROTOCOL rp, QByteArray data,
                                QHostAddress addr, short port)
{
    qDebug().noquote() << "cpuid : " << cpuid << "rp.cmd : " << QString::number(rp.cmd, 16)
                       << QString::number(rp.subCmd, 16);
    if (rp.cmd == 0xFF) {
        switch (rp.subCmd) {
        case 0x00:
            slotDeviceConnect(keyTCP, keyUDP, data, addr, port);
            break;
        case 0x01:
            qDebug() << "heart beat";
            break;
        case 0x02:
            // The record stays alive (views and panels may still point at it); its tab stays.
            if (INFO_BASIC *info = deviceMap.take(cpuid))
                retiredRecords.append(info);
            showTips(this, tr("Connect interrupt"));
            appendLog(tr("Connect interrupt"));
            break;
        default:
            break;
        }
        return;
    }
    Interface *iface = interfaceMap.value(cpuid, nullptr);
    if (deviceMap.value(cpuid, nullptr) && iface)
        iface->handleFrame(cpuid, rp, data);
}

void MainWindow::slotDeviceConnect(uint keyTCP, uint keyUDP, QByteArray data, QHostAddress addr, short port)
{
    Announcement a;
    if (!a.decode(data))
        return;
    const int type = a.type;
    INFO_BASIC *info = nullptr;
    if (isKsType(type) && type != DeviceType::KXUHD)
        info = new DEVICE_INFO_KS;
    else if (type == DeviceType::GW5)
        info = new DEVICE_INFO_GW;
    else
        return;
    QScopedPointer<INFO_BASIC> guard(info);

    a.applyTo(*info);
    info->keyTCP = keyTCP;
    info->keyUDP = keyUDP;
    info->linkType = port != 0 ? 2 : 1;
    info->address = addr;
    info->online = 1;
    emit emitSetConnectDeviceCpuid(keyTCP, keyUDP, info->cpuid, addr);

    Interface *iface = nullptr;
    if (type == DeviceType::GW5)
        iface = new GW5Interface(info->cpuid);
    else
        iface = new KS9200Interface(info->cpuid);
    iface->setKeyTCP(keyTCP);

    {
        QMutexLocker lock(&registryLock);
        INFO_BASIC *old = deviceMap.value(info->cpuid, nullptr);
        if (old && old->online && old->linkType == 1 && info->linkType == 2) {
            // The device is already reached over its serial port; keep that link.
            delete iface;
            return;
        }
        connectInterface(iface);
        if (Interface *previous = interfaceMap.value(info->cpuid, nullptr))
            retiredInterfaces.append(previous);
        interfaceMap.insert(info->cpuid, iface);
        deviceMap.insert(info->cpuid, guard.take());
        if (old) {
            if (currentDevice == old)
                currentDevice = info;
            if (!retiredRecords.contains(old))
                delete old;
        }
    }
    if (currentDevice == info)
        refreshPanels(info);
    dlgSearch->slotNewDeviceConnect(info);
}

void MainWindow::slotDeviceBroken(QString cpuid, QString errorString, bool showMsg)
{
    if (INFO_BASIC *info = deviceMap.value(cpuid, nullptr)) {
        info->online = 0;
        info->linkType = 0;
        if (info == currentDevice)
            bottomWidget->setOnline(false);
        tabs->updateTab(info);
    }
    if (showMsg)
        showTips(this, tr("Connection abnormal: %1").arg(errorString));
}

// ---- read-back and current device -----------------------------------------------------------

void MainWindow::onTitleSync()
{
    if (deviceMap.isEmpty())
        return;
    pendingReadBacks = 0;
    for (INFO_BASIC *info : qAsConst(deviceMap))
        if (info && info->online)
            ++pendingReadBacks;
    if (pendingReadBacks == 0)
        return;
    startBusy(0, false);
    for (auto it = deviceMap.cbegin(); it != deviceMap.cend(); ++it) {
        INFO_BASIC *info = it.value();
        if (!info || !info->online)
            continue;
        if (info == currentDevice) {
            leftWidget->clearPresetButtons();
            leftWidget->clearTemplateButtons();
        }
        info->clearAllData();
        if (Interface *iface = interfaceMap.value(it.key(), nullptr))
            iface->readAll();
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
    if (currentDevice)
        currentDevice->clearAllData();
    if (Interface *iface = interfaceOf(cpuid))
        iface->readAll();
}

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

void MainWindow::onTabCurrentChanged(int index)
{
    if (index < 0) {
        currentView = nullptr;
        return;
    }
    currentView = tabs->activeView();
    currentDevice = deviceMap.value(tabs->currentCpuid(), nullptr);
    if (currentDevice)
        refreshPanels(currentDevice);
    // The status bar shows the selected window of the device whose tab is now current.
    if (SxGraphicsItem *item = currentView ? currentView->getCurrentItem() : nullptr)
        bottomWidget->onViewItemPosChange(item->windowId(), item->windowRect(), item->panelRect());
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

// ---- commands from the left panel and the canvas --------------------------------------------

void MainWindow::sendFollowUpRead(int delayMs)
{
    runLater(delayMs, []() {
        MainWindow *w = MainWindow::instance();
        if (!w)
            return;
        if (GW5Interface *gw = w->gwInterface()) {
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
    if (!currentDevice)
        return;
    if (isGwType(currentDevice->type)) {
        if (GW5Interface *gw = gwInterface())
            gw->switchInput(winId, src);
        startBusy(500, false);
        sendFollowUpRead(2000);
    } else {
        startBusy(2000, false);
        comm->write(currentDevice->keyTCP, KS9200Interface::switchInputFrame(winId, src));
    }
}

void MainWindow::onLeftAllInputSrcChange(signed char src)
{
    if (!currentDevice || !currentView)
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
    if (!currentDevice)
        return;
    startBusy(0, false);
    if (isGwType(currentDevice->type)) {
        if (GW5Interface *gw = gwInterface())
            gw->loadPreset(id);
    } else {
        comm->write(currentDevice->keyTCP, KS9200Interface::loadPresetFrame(id));
    }
}

void MainWindow::onLeftTemplateChange(int id)
{
    if (!currentDevice)
        return;
    if (!isGwType(currentDevice->type)) {
        startBusy(0, false);
        comm->write(currentDevice->keyTCP, KS9200Interface::loadTemplateFrame(id));
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
}

void MainWindow::onClearAllPanelData()
{
    if (DEVICE_INFO_GW *rec = gwRecord())
        rec->clearPanelData();
}

void MainWindow::onGWPanelOutputMappingChanged(int outputID, int modifyPanelID, int beforePanelID)
{
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
    if (found && currentView)
        currentView->moveOutput(outputID, beforePanelID, modifyPanelID);
}

// ---- title-bar commands ---------------------------------------------------------------------

void MainWindow::onTitleOutputSetting()
{
    if (!currentDevice) {
        dlgOutputSetting->exec();
        return;
    }
    if (DEVICE_INFO_KS *ks = ksRecord()) {
        dlgOutputSetting->setDeviceData(*ks);
        dlgOutputSetting->exec();
    } else if (DEVICE_INFO_GW *gw = gwRecord()) {
        dlgGWPanel->setOutputCards(gw->other.outputCards);
        if (!gw->panels.isEmpty()) {
            dlgGWPanel->setPanelData(gw->panels.first());
            dlgGWPanel->fillScreenTable(gw->panels);
            dlgGWPanel->fillMappingTable(gw->mappings);
        }
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
        const uint8_t audio[4] = {ks->other.audioMode, ks->other.audioWindow, ks->other.mute, ks->other.volume};
        dlgAudio->setAudioData(ks->windows.size(), audio, ks->type);
    }
    dlgAudio->exec();
}

void MainWindow::onTitleImageQuality()
{
    if (!currentDevice) {
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
    if (!iface || !currentDevice)
        return;
    iface->readImageQuality();
    if (isKxType(currentDevice->type))
        iface->readImageAdvanced();
}

void MainWindow::onTitleTestImage()
{
    if (currentDevice)
        dlgTestPic->setDeviceType(currentDevice->type);
    dlgTestPic->exec();
}

void MainWindow::onTitleUsbPlay()
{
    if (currentDevice && currentDevice->type == DeviceType::KS9200) {
        showTips(this, tr("Does not support this feature!"));
        return;
    }
    dlgUsbPlay->exec();
}

void MainWindow::onTitleUpgrade()
{
    if (!currentDevice)
        return;
    dlgUpgrade->resetUpgrade(currentDevice->linkType != 1);
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
    if (currentDevice)
        currentDevice->clearAllData();
    gw->readAll();
}

void MainWindow::onTitleFactorySetting()
{
    if (!currentDevice)
        return;
    const auto answer = QMessageBox::warning(this, tr("tips"), tr("Factory Reset ?"),
                                             QMessageBox::Ok | QMessageBox::Cancel);
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
    if (currentDevice)
        currentDevice->clearAllData();
    iface->readAll();
}

void MainWindow::onTitleMenuMultiMachine()
{
    dlgMultiMachine->setDevices(deviceMap);
    dlgMultiMachine->exec();
}

void MainWindow::onTitleDiagnostics()
{
    if (!dlgDiagnostics) {
        dlgDiagnostics = new DialogDiagnostics(this);
        dlgDiagnostics->setObjectName(QStringLiteral("DialogDiagnostics"));
        dlgDiagnostics->setCommManager(comm);
    }
    dlgDiagnostics->show();
    dlgDiagnostics->raise();
    dlgDiagnostics->activateWindow();
}

// ---- KS receivers ---------------------------------------------------------------------------

void MainWindow::onKS9200_PanelData(QString cpuid, QList<INFO_PANEL> list)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    replaceList(rec->panels, list);
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setPanels(list, rec->outputMode.mode != 0);
}

void MainWindow::onKS9200_WindowData(QString cpuid, QList<INFO_WINDOW> list)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    replaceList(rec->windows, list);
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setWindows(list);
}

void MainWindow::onKS9200_InputCrop(QString cpuid, QList<INFO_INPUTCROP> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        replaceList(rec->inputCrops, list);
}

void MainWindow::onKS9200_InputSignals(QString cpuid, QList<INFO_INPUTSINGLE> list)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    replaceList(rec->inputSignals, list);
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->updateInputSignals(list);
    if (rec == currentDevice)
        leftWidget->setInputSignals(list, rec->type);
}

void MainWindow::onKS9200_ImageQuality(QString cpuid, QList<INFO_IMAGE_QUALITY> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        replaceList(rec->imageQuality, list);
}

void MainWindow::onKS9200_Preset(QString cpuid, INFO_PRESET preset)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    upsert(rec->presets, preset, [](const INFO_PRESET &p) { return p.id; });
    if (rec == currentDevice)
        leftWidget->setPreset(preset);
}

void MainWindow::onKS9200_Template(QString cpuid, INFO_TEMPLATE templ)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    upsert(rec->templates, templ, [](const INFO_TEMPLATE &t) { return t.templateId; });
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setTemplateId(templ.group);
    if (rec == currentDevice)
        leftWidget->setTemplate(templ);
}

void MainWindow::onKS9200_MultiMosaic(QString cpuid, INFO_MOSAIC mosaic)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        upsert(rec->mosaics, mosaic, [](const INFO_MOSAIC &m) { return m.winId; });
}

void MainWindow::onKS9200_TimeTask(QString cpuid, INFO_TIME_TASK task)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    // The index comes from the device: only the 16 slots exist.
    if (!rec || task.index >= DEVICE_INFO_KS::TimeTaskCount)
        return;
    rec->storeTimeTask(task);
    if (rec == currentDevice)
        leftWidget->setTimeTask(task);
}

void MainWindow::onKS9200_EDID(QString cpuid, QList<INFO_EDID> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        replaceList(rec->edid, list);
}

void MainWindow::onKS9200_EDIDOther(QString cpuid, int signalMode, int dviAudioMode)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid)) {
        rec->signalMode = static_cast<uint8_t>(signalMode);
        rec->dviAudioMode = static_cast<uint8_t>(dviAudioMode);
    }
}

void MainWindow::onKS9200_ChromaKey(QString cpuid, QList<INFO_CHROMA> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        replaceList(rec->chromaKeys, list);
}

void MainWindow::onKS9200_BorderSetting(QString cpuid, QList<INFO_BORDER> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        replaceList(rec->borders, list);
}

void MainWindow::onKS9200_OutputEnhance(QString cpuid, QList<INFO_OUTPUT_ENHANCE> list)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        replaceList(rec->outputEnhance, list);
}

void MainWindow::onKS9200_OtherSetting(QString cpuid, INFO_OTHER_KS9200 other)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    rec->other = other;
    if (rec == currentDevice) {
        leftWidget->setOtherSetting(other);
        rightWidget->setPIP(other.pip);
        rightWidget->setFreeze(other.freeze);
        rightWidget->setFade(other.switchMode != 0);
        rightWidget->setBlackScreen(other.blackScreen);
        rightWidget->setFrameSync(other.frameSync);
    }
}

void MainWindow::onKS9200_SwitchInput(bool result)
{
    stopBusy();
    if (!result) {
        showTips(this, tr("Input conflict"));
        return;
    }
    runLater(2000, []() {
        MainWindow *w = MainWindow::instance();
        if (!w || !w->currentDevice)
            return;
        w->comm->write(w->currentDevice->keyTCP, Interface::requestFrame(0xE2));
        w->comm->write(w->currentDevice->keyTCP, Interface::requestFrame(0xE4));
    });
}

void MainWindow::onKX1200_OutputMode(QString cpuid, INFO_PANEL_OTHERSETTING mode)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        rec->outputMode = mode;
}

void MainWindow::onKX1200_ImageAdvanced(QString cpuid, INFO_IMAGE_ADVANCED adv)
{
    if (DEVICE_INFO_KS *rec = ksRecord(cpuid))
        upsert(rec->imageAdvanced, adv, [](const INFO_IMAGE_ADVANCED &a) { return a.winId; });
}

void MainWindow::onKX1200_WindowRotate(QString cpuid, int win, int rotate)
{
    DEVICE_INFO_KS *rec = ksRecord(cpuid);
    if (!rec)
        return;
    for (INFO_WINDOW &w : rec->windows) {
        if (w.winId == win) {
            w.rotate = static_cast<uint8_t>(rotate);
            if (SxGraphicsView *view = tabs->viewFor(cpuid))
                view->setWindowRotate(win, rotate);
            return;
        }
    }
}

// ---- GW receivers ---------------------------------------------------------------------------

namespace {
// The seven values of a GW resolution reply, as every area of the device carries them.
void copyResolution(const INFO_PANEL &from, INFO_PANEL &to)
{
    to.index = from.index;
    to.resWidth = from.resWidth;
    to.resHeight = from.resHeight;
    to.rate = from.rate;
    to.row = from.row;
    to.col = from.col;
    to.arrangement = from.arrangement;
}
} // namespace

void MainWindow::onGW5_PanelData(QString cpuid, INFO_PANEL panel)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    const auto res = gwResolutions.constFind(cpuid);
    if (res != gwResolutions.constEnd())
        copyResolution(*res, panel);
    upsert(rec->panels, panel, [](const INFO_PANEL &p) { return p.id; });
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->addPanel(panel);
}

void MainWindow::onGW5_PanelResolution(QString cpuid, int index, int width, int height, int rate, int row,
                                       int col, int arrangement)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    INFO_PANEL res;
    res.index = static_cast<uint16_t>(index);
    res.resWidth = static_cast<uint16_t>(width);
    res.resHeight = static_cast<uint16_t>(height);
    res.rate = static_cast<uint16_t>(rate);
    res.row = static_cast<uint8_t>(row);
    res.col = static_cast<uint8_t>(col);
    res.arrangement = static_cast<uint8_t>(arrangement);
    gwResolutions.insert(cpuid, res);
    for (INFO_PANEL &p : rec->panels)
        copyResolution(res, p);
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setPanelGrid(row, col);
}

void MainWindow::onGW5_OutputPortMapping(QString cpuid, INFO_MAPPING mapping)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        upsert(rec->mappings, mapping, [](const INFO_MAPPING &m) { return m.port; });
}

void MainWindow::onGW5_WindowData(QString cpuid, INFO_WINDOW window)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    upsert(rec->windows, window, [](const INFO_WINDOW &w) { return w.winId; });
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->setWindow(window);
}

void MainWindow::onGW5_InputCrop(QString cpuid, INFO_INPUTCROP crop)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        upsert(rec->inputCrops, crop, [](const INFO_INPUTCROP &c) { return c.index; });
}

void MainWindow::onGW5_InputSignal(QString cpuid, INFO_INPUTSINGLE signal)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    upsert(rec->inputSignals, signal, [](const INFO_INPUTSINGLE &s) { return s.srcId; });
    if (SxGraphicsView *view = tabs->viewFor(cpuid))
        view->updateInputSignal(signal);
}

void MainWindow::onGW5_InputHasSignal(QString cpuid, int inputID, bool hasSignal, int inputType)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    INFO_SIGNAL_PRESENCE p;
    p.inputId = static_cast<uint8_t>(inputID);
    p.inputType = static_cast<uint8_t>(inputType);
    p.hasSignal = hasSignal ? 1 : 0;
    upsert(rec->signalPresence, p, [](const INFO_SIGNAL_PRESENCE &s) { return s.inputId; });
    if (rec == currentDevice)
        leftWidget->setGWDevice(rec);
}

void MainWindow::onGW5_ImageQuality(QString cpuid, INFO_IMAGE_QUALITY quality)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        upsert(rec->imageQuality, quality, [](const INFO_IMAGE_QUALITY &q) { return q.index; });
}

namespace {
// Stores one part (panels or windows) of a GW preset reply into the preset of the same id.
INFO_PRESET &mergePresetPart(QList<INFO_PRESET> &presets, const INFO_PRESET &received, bool windowPart)
{
    for (INFO_PRESET &stored : presets) {
        if (stored.id != received.id)
            continue;
        QList<PRESET_ENTRY> &part = windowPart ? stored.windows : stored.panels;
        part.clear();
        for (const PRESET_ENTRY &e : windowPart ? received.windows : received.panels)
            upsert(part, e, [](const PRESET_ENTRY &x) { return x.value(0); });
        return stored;
    }
    presets.append(received);
    return presets.last();
}
} // namespace

void MainWindow::onGW5_PresetPanel(QString cpuid, INFO_PRESET preset)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    const INFO_PRESET stored = mergePresetPart(rec->presets, preset, false);
    if (rec == currentDevice)
        leftWidget->setPreset(stored);
}

void MainWindow::onGW5_PresetWindow(QString cpuid, INFO_PRESET preset)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    const INFO_PRESET stored = mergePresetPart(rec->presets, preset, true);
    if (rec == currentDevice)
        leftWidget->setPreset(stored);
}

void MainWindow::onGW5_EDIDSetting(QString cpuid, INFO_EDID edid)
{
    if (DEVICE_INFO_GW *rec = gwRecord(cpuid))
        upsert(rec->edid, edid, [](const INFO_EDID &e) { return e.srcId; });
}

void MainWindow::onGW5_OtherSetting(QString cpuid, INFO_OTHER_GW5 other)
{
    DEVICE_INFO_GW *rec = gwRecord(cpuid);
    if (!rec)
        return;
    if (!rec->panels.isEmpty()) {
        const INFO_PANEL &first = rec->panels.first();
        if (int(first.row) * int(first.col) > int(other.outputCards) * 4) {
            runLater(1000, []() {
                MainWindow *w = MainWindow::instance();
                if (!w)
                    return;
                showTips(w, tr("Output card change is detected, so factory settings must be restored."));
                w->forcedFactoryReset();
            });
            return;
        }
    }
    if (SxGraphicsView *view = tabs->viewFor(cpuid)) {
        if (other.outputCards != rec->other.outputCards)
            view->setOutputCards(other.outputCards);
        view->setOutputMappings(rec->mappings);
        if (!rec->panels.isEmpty())
            leftWidget->setGWPanels(rec->panels);
        rec->other = other;
    }
    if (rec == currentDevice)
        rightWidget->setGWOtherSetting(other);
}
