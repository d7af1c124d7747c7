// Title bar of the main window: logo, main-menu button (languages, the configuration-file commands,
// "Reconnect automatically", "Remote control…", Diagnostics, About), the row of command
// buttons that open every function of the application, the current-device caption, and the
// minimise, maximise/restore and close buttons. The main window connects the emit* signals to its
// onTitle* slots; the window buttons act on the window the title bar sits in.
//
// The eleven command buttons all carry the object name "mainToolButton" (the style sheet selects on
// it); each also has the dynamic property "command" with its English key ("Search", "Sync", ...).
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QWidget>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class INFO_BASIC;

enum LANGUAGE { LANGUAGE_EN = 0, LANGUAGE_ZH_CN = 1, LANGUAGE_ZH_TW = 2 };
Q_DECLARE_METATYPE(LANGUAGE)

class SxTitleWidget : public QWidget
{
    Q_OBJECT
public:
    // Command buttons in their row order.
    enum Command { CmdSearch, CmdSync, CmdOutput, CmdEDID, CmdAudio, CmdImage, CmdTest, CmdUSB,
                   CmdUpgrade, CmdFactory, CmdMultiMachine, CommandCount };

    explicit SxTitleWidget(QWidget *parent = nullptr);

    // Checks the action of the given language; any other number checks none.
    void setLanguage(int language);
    // Checks or unchecks "Reconnect automatically" without emitting emitReconnectChanged.
    void setReconnect(bool on);
    // Shows the command buttons that the device's type supports; null does nothing.
    void setDevice(const INFO_BASIC *device);
    // Stores the name and shows "current device: %1" in the caption.
    void setCurrentDeviceName(const QString &name);
    QString currentDeviceName() const { return deviceName; }
    int deviceType() const { return typeShown; }
    // Re-applies every text and tooltip, the caption included.
    void retranslate();

    QToolButton *commandButton(Command c) const { return buttons.value(c); }
    QMenu *mainMenu() const { return menu; }
    QAction *languageAction(int language) const;
    QAction *aboutAction() const { return actAbout; }
    QAction *diagnosticsAction() const { return actDiagnostics; }
    QAction *reconnectAction() const { return actReconnect; }
    QAction *remoteControlAction() const { return actRemoteControl; }
    // The configuration-file commands of the main menu.
    enum ConfigCommand { ConfigSave, ConfigRestore, ConfigOpen, ConfigRestoreTo, ConfigCommandCount };
    QAction *configAction(ConfigCommand c) const { return configActions.value(c); }
    // "Restore to…" acts on an offline tab of a configuration file; elsewhere it is disabled.
    void setRestoreToEnabled(bool enabled);
    QLabel *caption() const { return label_caption; }

    static QString productName();
    static QString productVersion();

signals:
    void emitSearch(int flag);
    void emitSync();
    void emitOutputSetting();
    void emitEDID();
    void emitAudioSetting();
    void emitImageSetting();
    void emitTestImage();
    void emitUsbPlay();
    void emitUpgrade();
    void emitFactorySetting();
    void emitMenuMultiMachine();
    void emitLanguageChange(LANGUAGE l);
    // The main menu's "Diagnostics" entry.
    void emitOpenDiagnostics();
    // The main menu's "Remote control…" entry.
    void emitOpenRemoteControl();
    // The main menu's "Reconnect automatically" switch, toggled by the operator.
    void emitReconnectChanged(bool on);
    // The main menu's "Save configuration…", "Restore configuration…", "Open configuration…" and
    // "Restore to…".
    void emitSaveConfig();
    void emitRestoreConfig();
    void emitOpenConfig();
    void emitRestoreTo();

public slots:
    void on_clicked_btn_menu();
    void on_clicked_btn_max();
    void on_clicked_btn_restore();
    void onAboutUs();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onCommand(int c);
    void onLanguageTriggered(QAction *action);
    void showMaximisedState(bool maximised);
    void addConfigActions();
    void retranslateConfigActions();

    QLabel *label_caption = nullptr;
    QPushButton *btn_logo = nullptr;
    QPushButton *btn_menu = nullptr;
    QPushButton *btn_min = nullptr;
    QPushButton *btn_restore = nullptr;
    QPushButton *btn_max = nullptr;
    QPushButton *btn_close = nullptr;
    QList<QToolButton *> buttons;
    QMenu *menu = nullptr;
    QActionGroup *languageGroup = nullptr;
    QAction *actEnglish = nullptr;
    QAction *actSimplified = nullptr;
    QAction *actTraditional = nullptr;
    QAction *actAbout = nullptr;
    QAction *actDiagnostics = nullptr;
    QAction *actReconnect = nullptr;
    QAction *actRemoteControl = nullptr;
    QList<QAction *> configActions;
    QString deviceName;
    int typeShown = -1;
};
