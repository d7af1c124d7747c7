// The one top-level window: the view of the device hub. It owns the hub (which holds the transport
// manager, the device records and the protocol interfaces), the canvas tabs, the side panels, the
// title bar, every settings dialog and the busy indicator. The hub stores every decoded reply; the
// onKS9200_* / onGW5_* receivers here only push it to the canvas, the panels and the dialogs (the
// hub's store slots run first). Views, panels and dialogs send frames through writeData /
// writeDataByUDP or an interface; message boxes and the busy indicator belong here.
//
// Panels and dialogs reach device state through the look-ups below; an empty cpuid names the
// current device, which is always the record registered for the current canvas tab's cpuid.
#pragma once

#include "FrameCodec.h"
#include "INFO_BASIC.h"
#include "Records.h"
#include "SxBaseWidget.h"
#include "SxTitleWidget.h"

#include <QHostAddress>
#include <QMap>
#include <QPointer>
#include <QStringList>

class QTranslator;
class QSharedMemory;
class QSplitter;
class CommManager;
class DeviceHub;
class Interface;
class KS9200Interface;
class GW5Interface;
class DEVICE_INFO_KS;
class DEVICE_INFO_GW;
class DialogSearch;
class SxTabWidget;
class SxGraphicsView;
class SxProgressIndicator;
class WidgetInLeft;
class WidgetInRight;
class WidgetInBottom;
class DialogEDID;
class DialogAudio;
class DialogUsbPlay;
class DialogImageQuality;
class DialogKXImageQuality;
class DialogTestPicCard;
class DialogOutputSetting;
class DialogMultiMachine;
class DialogGWPanel;
class DialogGWImageQuality;
class DialogUpgrade;
class DialogDiagnostics;
class DialogRemoteControl;
class HubRemoteBackend;
class RemoteControl;
struct RemoteSettings;

class MainWindow : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The process-wide main window; null before construction has finished.
    static MainWindow *instance();

    // Look-ups. An empty cpuid means the current device; null when there is none or no entry.
    INFO_BASIC *record(const QString &cpuid = QString()) const;
    DEVICE_INFO_KS *ksRecord(const QString &cpuid = QString()) const;
    DEVICE_INFO_GW *gwRecord(const QString &cpuid = QString()) const;
    Interface *interfaceOf(const QString &cpuid = QString()) const;
    KS9200Interface *ksInterface(const QString &cpuid = QString()) const;
    GW5Interface *gwInterface(const QString &cpuid = QString()) const;

    INFO_BASIC *currentRecord() const;
    // The current device's cpuid; empty when there is none.
    QString currentCpuid() const;
    SxGraphicsView *currentGraphicsView() const { return currentView; }
    DeviceHub *hub() const { return deviceHub; }
    const QMap<QString, INFO_BASIC *> &devices() const;
    CommManager *commManager() const;
    SxProgressIndicator *busy() const { return busyIndicator; }
    DialogSearch *searchDialog() const { return dlgSearch; }
    SxTabWidget *tabWidget() const { return tabs; }
    int currentLanguage() const { return language; }
    // Remote control of the devices over OSC and HTTP, served from the hub (MainWindow_Remote.cpp).
    RemoteControl *remoteControl() const { return remote; }
    HubRemoteBackend *remoteBackend() const { return remoteHub; }

    // Start-up search, run by main before the window is shown (flag 100).
    void startupSearch();

    // Serial ports (paths) that every serial search also opens, e.g. pseudo-terminals.
    void setExtraSerialPorts(const QStringList &paths);
    QStringList extraSerialPorts() const { return serialPaths; }

    // Single-instance guard: true when this process now holds the one-byte segment of `guard`'s
    // key. A segment left behind by a crashed process is cleared first.
    static bool claimSingleInstance(QSharedMemory &guard);

    // Information box with the title "tips" and the single button Ok.
    static void showTips(QWidget *parent, const QString &text);
    // Loads the translator pair of language l (0, 1, 2); false for any other value.
    static bool loadLanguageFiles(int l, QTranslator *app, QTranslator *qt);
    QTranslator *applicationTranslator() const { return appTranslator; }

    // Appends one line "yyyy-MM-dd HH:mm:ss ----- text" to log.txt beside the executable.
    static void appendLog(const QString &text);

    // Opens every device of a configuration file as an offline tab; nothing is ever sent from such
    // a tab. False, with the reader's message in `error`, when the file cannot be used.
    bool openConfigFile(const QString &path, QString *error = nullptr);
    // True when `id` names an offline tab of a configuration file.
    bool isFileTab(const QString &id) const { return fileTabs.contains(id); }

    // What the tab and the search dialog say about a device's link: empty while it is online,
    // otherwise "offline", "offline for 0:12, reconnecting", "in use by another computer".
    QString linkStateText(const QString &cpuid, bool withTime = true) const;

signals:
    void emitSetConnectDeviceCpuid(uint keyTCP, uint keyUDP, QString cpuid, QHostAddress ip);

public slots:
    void slotHandleData(uint keyTCP, uint keyUDP, QString cpuid, RECV_PROTOCOL rp, QByteArray data,
                        QHostAddress addr, short port);
    void slotDeviceConnect(uint keyTCP, uint keyUDP, QByteArray data, QHostAddress addr, short port);
    void slotDeviceBroken(QString cpuid, QString errorString, bool showMsg);
    void writeData(QByteArray data);
    void writeDataByUDP(QByteArray data);
    void onClearAllPanelData();
    void onTitleSearch(int flag = 0);
    void onTitleSync();
    void onTitleOutputSetting();
    void onTitleEDID();
    void onTitleAudioSetting();
    void onTitleImageQuality();
    void onTitleTestImage();
    void onTitleUsbPlay();
    void onTitleUpgrade();
    void onTitleFactorySetting();
    void onTitleMenuMultiMachine();
    // The main menu's diagnostics window, modeless, made on first use.
    void onTitleDiagnostics();
    void onTitleLanguageChange(LANGUAGE l); // 0 English, 1 simplified, 2 traditional Chinese
    // The main menu's "Remote control…": the settings dialog, modal.
    void onTitleRemoteControl();
    // The main menu's "Reconnect automatically" switch; remembered like the language.
    void onTitleReconnectChanged(bool on);
    // The main menu's configuration-file commands (MainWindow_Config.cpp).
    void onTitleSaveConfig();
    void onTitleRestoreConfig();
    void onTitleOpenConfig();
    void onTitleRestoreTo();
    bool onSetDeviceName(QByteArray name, QString cpuid);
    void onSearchDevice(int mask);
    // A serial port typed in the search dialog: remembered, opened by every later serial search
    // and probed at once.
    void onAddSerialPort(QString path);
    void onLeftInputSrcChange(signed char src);
    void onLeftAllInputSrcChange(signed char src);
    void onLeftPresetChange(int id);
    void onLeftTemplateChange(int id);
    void onViewRemoveWindow(int winID);
    void onViewSavePreset(int presetID);
    void onTabCurrentChanged(int index);
    void onGWPanelOutputMappingChanged(int outputID, int modifyPanelID, int beforePanelID);
    void onDeviceLoadPresetFinished(QString cpuid);
    void onDeviceGetAllData();
    // The canvas dialogs, run modally for the window (or wall) of the view of `cpuid`.
    void onViewOpenAttribute(QString cpuid, int winId);
    void onViewOpenAddWindow(QString cpuid, QRect bounds);
    void onViewOpenMosaic(QString cpuid, int winId, INFO_MOSAIC mosaic, int width, int height, int deviceType);
    void onViewOpenChromaKey(QString cpuid, int winId, INFO_CHROMA chroma);

    // Receivers of decoded replies: the hub has stored them already; these show them.
    void onGW5_PanelData(QString cpuid, INFO_PANEL panel);
    void onGW5_PanelResolution(QString cpuid, int index, int width, int height, int rate, int row, int col,
                               int arrangement);
    void onGW5_WindowData(QString cpuid, INFO_WINDOW window);
    void onGW5_InputSignal(QString cpuid, INFO_INPUTSINGLE signal);
    void onGW5_InputHasSignal(QString cpuid, int inputID, bool hasSignal, int inputType);
    void onGW5_PresetPanel(QString cpuid, INFO_PRESET preset);
    void onGW5_PresetWindow(QString cpuid, INFO_PRESET preset);
    void onGW5_OtherSetting(QString cpuid, INFO_OTHER_GW5 other);

    void onKS9200_PanelData(QString cpuid, QList<INFO_PANEL> list);
    void onKS9200_WindowData(QString cpuid, QList<INFO_WINDOW> list);
    void onKS9200_InputSignals(QString cpuid, QList<INFO_INPUTSINGLE> list);
    void onKS9200_Preset(QString cpuid, INFO_PRESET preset);
    void onKS9200_Template(QString cpuid, INFO_TEMPLATE templ);
    void onKS9200_TimeTask(QString cpuid, INFO_TIME_TASK task);
    void onKS9200_OtherSetting(QString cpuid, INFO_OTHER_KS9200 other);
    void onKS9200_SwitchInput(bool result);
    void onKX1200_WindowRotate(QString cpuid, int win, int rotate);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setupLanguage();
    bool loadTranslators(int l);
    void setupUi();
    void makeConnections();
    void connectHub();
    void connectInterface(Interface *iface);
    // The servers over the hub, started with the remembered settings when they were left on.
    void setupRemote();
    // Restarts the servers with `settings` and remembers them; when they cannot start, whatever
    // ran before runs on and false comes back with the reason.
    bool applyRemoteSettings(const RemoteSettings &settings, QString *error);
    // The cpuids of the canvas tabs, left to right: the order remote clients number devices in.
    QStringList tabOrder() const;
    void refreshPanels(INFO_BASIC *info);
    void createSearchDialog(QWidget *parent);
    void connectSearchDialog();
    void startBusy(int stopTimeMs, bool block);
    void stopBusy();
    void sendFollowUpRead(int delayMs);
    void forcedFactoryReset();
    // The tab, the status bar and the search dialog follow the device's link state.
    void showLinkState(const QString &cpuid);
    // A lost-link box; never stacked on another one (the state shows in the tab meanwhile).
    void showLinkBox(const QString &text);
    // "Device Not Connect!" the same way, however many frames were refused at once.
    void showNotConnected();
    // True when the current device is online; false (with "Device Not Connect!" when the current
    // tab names a device the hub knows) otherwise.
    bool currentOnline();
    // Configuration files (MainWindow_Config.cpp).
    struct FileTab;
    INFO_BASIC *fileRecord(const QString &id) const;
    void fillFileView(const QString &id);
    void closeFileTab(const QString &id);
    // The file tabs' records go; their views go with the tab widget (destruction).
    void dropFileTabs();
    // Title bar state and caption for the current tab (a file tab is marked as one).
    void showFileTabState();
    void retranslateFileTabs();
    // Tells the operator that a file tab sends nothing; never stacked.
    void refuseFromFileTab();

    SxTitleWidget *titleWidget = nullptr;
    WidgetInLeft *leftWidget = nullptr;
    WidgetInBottom *bottomWidget = nullptr;
    WidgetInRight *rightWidget = nullptr;
    SxGraphicsView *currentView = nullptr;
    SxTabWidget *tabs = nullptr;
    DialogSearch *dlgSearch = nullptr;
    DialogEDID *dlgEDID = nullptr;
    DialogAudio *dlgAudio = nullptr;
    DialogUsbPlay *dlgUsbPlay = nullptr;
    DialogImageQuality *dlgImageQuality = nullptr;
    DialogKXImageQuality *dlgKXImageQuality = nullptr;
    DialogTestPicCard *dlgTestPic = nullptr;
    DialogOutputSetting *dlgOutputSetting = nullptr;
    DialogMultiMachine *dlgMultiMachine = nullptr;
    DialogGWPanel *dlgGWPanel = nullptr;
    DialogGWImageQuality *dlgGWImageQuality = nullptr;
    DialogUpgrade *dlgUpgrade = nullptr;
    DialogDiagnostics *dlgDiagnostics = nullptr;
    DialogRemoteControl *dlgRemote = nullptr;
    HubRemoteBackend *remoteHub = nullptr;
    RemoteControl *remote = nullptr;
    SxProgressIndicator *busyIndicator = nullptr;
    DeviceHub *deviceHub = nullptr;
    // The cpuid of the current canvas tab ("Error" for the placeholder, empty without a tab).
    QString currentId;
    QTranslator *appTranslator = nullptr;
    QTranslator *qtTranslator = nullptr;
    int language = 0; // 0 English, 1 simplified Chinese, 2 traditional Chinese
    int pendingReadBacks = 0;
    bool boxOpen = false; // a lost-link or "Device Not Connect!" box is shown

    INFO_BASIC *placeholder = nullptr;
    QSplitter *splitter = nullptr;
    QStringList serialPaths;
    QMap<QString, FileTab *> fileTabs; // offline tabs of configuration files, by tab id
};
