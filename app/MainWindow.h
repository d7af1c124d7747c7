// The one top-level window. It owns the transport manager, one record and one protocol interface
// per discovered device (both keyed by cpuid), the canvas tabs, the side panels, the title bar,
// every settings dialog and the busy indicator, and it is the hub between them: received frames
// come in through slotHandleData, decoded replies through the onKS9200_* / onGW5_* receivers, and
// views, panels and dialogs send frames through writeData / writeDataByUDP or an interface.
//
// Panels and dialogs reach device state through the look-ups below; an empty cpuid names the
// current device (the device of the current canvas tab).
#pragma once

#include "FrameCodec.h"
#include "INFO_BASIC.h"
#include "Records.h"
#include "SxBaseWidget.h"
#include "SxTitleWidget.h"

#include <QHostAddress>
#include <QMap>
#include <QMutex>
#include <QPointer>
#include <QStringList>

class QTranslator;
class QSharedMemory;
class QSplitter;
class CommManager;
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

    INFO_BASIC *currentRecord() const { return currentDevice; }
    // The current device's cpuid; empty when there is none.
    QString currentCpuid() const;
    SxGraphicsView *currentGraphicsView() const { return currentView; }
    const QMap<QString, INFO_BASIC *> &devices() const { return deviceMap; }
    CommManager *commManager() const { return comm; }
    SxProgressIndicator *busy() const { return busyIndicator; }
    DialogSearch *searchDialog() const { return dlgSearch; }
    SxTabWidget *tabWidget() const { return tabs; }
    int currentLanguage() const { return language; }

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

    void onGW5_PanelData(QString cpuid, INFO_PANEL panel);
    void onGW5_PanelResolution(QString cpuid, int index, int width, int height, int rate, int row, int col,
                               int arrangement);
    void onGW5_OutputPortMapping(QString cpuid, INFO_MAPPING mapping);
    void onGW5_WindowData(QString cpuid, INFO_WINDOW window);
    void onGW5_InputCrop(QString cpuid, INFO_INPUTCROP crop);
    void onGW5_InputSignal(QString cpuid, INFO_INPUTSINGLE signal);
    void onGW5_InputHasSignal(QString cpuid, int inputID, bool hasSignal, int inputType);
    void onGW5_ImageQuality(QString cpuid, INFO_IMAGE_QUALITY quality);
    void onGW5_PresetPanel(QString cpuid, INFO_PRESET preset);
    void onGW5_PresetWindow(QString cpuid, INFO_PRESET preset);
    void onGW5_EDIDSetting(QString cpuid, INFO_EDID edid);
    void onGW5_OtherSetting(QString cpuid, INFO_OTHER_GW5 other);

    void onKS9200_PanelData(QString cpuid, QList<INFO_PANEL> list);
    void onKS9200_WindowData(QString cpuid, QList<INFO_WINDOW> list);
    void onKS9200_InputCrop(QString cpuid, QList<INFO_INPUTCROP> list);
    void onKS9200_InputSignals(QString cpuid, QList<INFO_INPUTSINGLE> list);
    void onKS9200_ImageQuality(QString cpuid, QList<INFO_IMAGE_QUALITY> list);
    void onKS9200_Preset(QString cpuid, INFO_PRESET preset);
    void onKS9200_Template(QString cpuid, INFO_TEMPLATE templ);
    void onKS9200_MultiMosaic(QString cpuid, INFO_MOSAIC mosaic);
    void onKS9200_TimeTask(QString cpuid, INFO_TIME_TASK task);
    void onKS9200_EDID(QString cpuid, QList<INFO_EDID> list);
    void onKS9200_EDIDOther(QString cpuid, int signalMode, int dviAudioMode);
    void onKS9200_ChromaKey(QString cpuid, QList<INFO_CHROMA> list);
    void onKS9200_BorderSetting(QString cpuid, QList<INFO_BORDER> list);
    void onKS9200_OutputEnhance(QString cpuid, QList<INFO_OUTPUT_ENHANCE> list);
    void onKS9200_OtherSetting(QString cpuid, INFO_OTHER_KS9200 other);
    void onKS9200_SwitchInput(bool result);
    void onKX1200_OutputMode(QString cpuid, INFO_PANEL_OTHERSETTING mode);
    void onKX1200_ImageAdvanced(QString cpuid, INFO_IMAGE_ADVANCED adv);
    void onKX1200_WindowRotate(QString cpuid, int win, int rotate);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setupLanguage();
    bool loadTranslators(int l);
    void setupUi();
    void makeConnections();
    void connectInterface(Interface *iface);
    void refreshPanels(INFO_BASIC *info);
    void createSearchDialog(QWidget *parent);
    void connectSearchDialog();
    void startBusy(int stopTimeMs, bool block);
    void stopBusy();
    void sendFollowUpRead(int delayMs);
    void forcedFactoryReset();

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
    SxProgressIndicator *busyIndicator = nullptr;
    CommManager *comm = nullptr;
    QMap<QString, Interface *> interfaceMap;
    QMap<QString, INFO_BASIC *> deviceMap;
    // Last output resolution a GW device reported, by cpuid: the device may send it before its
    // areas, and areas that arrive later take it then.
    QMap<QString, INFO_PANEL> gwResolutions;
    QMutex registryLock;
    INFO_BASIC *currentDevice = nullptr;
    QTranslator *appTranslator = nullptr;
    QTranslator *qtTranslator = nullptr;
    int language = 0; // 0 English, 1 simplified Chinese, 2 traditional Chinese
    int pendingReadBacks = 0;

    INFO_BASIC *placeholder = nullptr;
    QSplitter *splitter = nullptr;
    QStringList serialPaths;
    // Records replaced by a connection-interrupted frame stay alive until the window goes.
    QList<INFO_BASIC *> retiredRecords;
    // Interfaces replaced by a later announcement of the same device.
    QList<Interface *> retiredInterfaces;
};
