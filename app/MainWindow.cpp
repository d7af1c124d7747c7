#include "MainWindow.h"

#include "CommManager.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceHub.h"
#include "DeviceLookup.h"
#include "DialogAudio.h"
#include "DialogEDID.h"
#include "DialogGWImageQuality.h"
#include "DialogGWPanel.h"
#include "DialogImageQuality.h"
#include "DialogKXImageQuality.h"
#include "DialogMultiMachine.h"
#include "DialogOutputSetting.h"
#include "DialogSearch.h"
#include "DialogTestPicCard.h"
#include "DialogUpgrade.h"
#include "DialogUsbPlay.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "Log.h"
#include "RemoteControl.h"
#include "SxGraphicsView.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"
#include "WidgetInBottom.h"
#include "WidgetInLeft.h"
#include "WidgetInRight.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QHBoxLayout>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSharedMemory>
#include <QSplitter>
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
const char *const ReconnectKey = "ReconnectAutomatically";
} // namespace

MainWindow::MainWindow(QWidget *parent) : SxBaseWidget(parent)
{
    setupLanguage();
    setupUi();
    deviceHub = new DeviceHub(this);
    const bool reconnect = QSettings().value(QLatin1String(ReconnectKey), true).toBool();
    deviceHub->setAutoReconnect(reconnect);
    titleWidget->setReconnect(reconnect);
    makeConnections();
    connectHub();
    setupRemote();

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
    // The servers stop (and their threads end) while the hub they serve from is still there.
    delete remote;
    remote = nullptr;
    // Records and interfaces go with the hub, before the views that showed them.
    delete deviceHub;
    deviceHub = nullptr;
    dropFileTabs();
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

void MainWindow::makeConnections()
{
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
    connect(titleWidget, &SxTitleWidget::emitReconnectChanged, this, &MainWindow::onTitleReconnectChanged);
    connect(titleWidget, &SxTitleWidget::emitSaveConfig, this, &MainWindow::onTitleSaveConfig);
    connect(titleWidget, &SxTitleWidget::emitRestoreConfig, this, &MainWindow::onTitleRestoreConfig);
    connect(titleWidget, &SxTitleWidget::emitOpenConfig, this, &MainWindow::onTitleOpenConfig);
    connect(titleWidget, &SxTitleWidget::emitRestoreTo, this, &MainWindow::onTitleRestoreTo);
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

// ---- look-ups and write paths ---------------------------------------------------------------

INFO_BASIC *MainWindow::currentRecord() const
{
    if (INFO_BASIC *r = deviceHub->record(currentId))
        return r;
    return fileRecord(currentId);
}

QString MainWindow::currentCpuid() const
{
    return currentRecord() ? currentId : QString();
}

const QMap<QString, INFO_BASIC *> &MainWindow::devices() const
{
    return deviceHub->devices();
}

CommManager *MainWindow::commManager() const
{
    return deviceHub->commManager();
}

INFO_BASIC *MainWindow::record(const QString &cpuid) const
{
    const QString id = cpuid.isEmpty() ? currentCpuid() : cpuid;
    if (INFO_BASIC *r = deviceHub->record(id))
        return r;
    return fileRecord(id);
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
    return deviceHub->interfaceOf(cpuid.isEmpty() ? currentCpuid() : cpuid);
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
    if (isFileTab(currentId)) {
        refuseFromFileTab();
        return;
    }
    if (!deviceHub->knownRecord(currentId))
        return;
    if (deviceHub->write(currentId, data) < 0 && !deviceHub->isOnline(currentId)
        && !DeviceHub::isReadRequest(data))
        showNotConnected();
}

void MainWindow::writeDataByUDP(QByteArray data)
{
    if (isFileTab(currentId)) {
        refuseFromFileTab();
        return;
    }
    if (!deviceHub->knownRecord(currentId))
        return;
    if (deviceHub->writeByUdp(currentId, data) < 0 && !deviceHub->isOnline(currentId))
        showNotConnected();
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
    for (const QString &cpuid : deviceHub->knownCpuids())
        showLinkState(cpuid);
    retranslateFileTabs();
    QSettings().setValue(LanguageKey, l);
}

void MainWindow::onTitleReconnectChanged(bool on)
{
    deviceHub->setAutoReconnect(on);
    QSettings().setValue(QLatin1String(ReconnectKey), on);
}

