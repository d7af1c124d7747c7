// The search dialog: lists the devices that answered a search, lets the operator rename one and
// confirms the choice. The main window owns it, sets its mode before each search and feeds it every
// accepted announcement through slotNewDeviceConnect. Below the list the operator can name a device
// address (asked by unicast in every later network search, remembered as "ConnectAddresses") and a
// serial port the system does not list. A device that is not online shows its link state after
// its connection ("offline for 0:12"), refreshed every second while the dialog is shown.
#pragma once

#include "SxBaseWidget.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class CommManager;
class QTimer;
class INFO_BASIC;
class SxProgressIndicator;

namespace Ui {
class DialogSearch;
}

class DialogSearch : public SxBaseWidget
{
    Q_OBJECT
public:
    static constexpr int StartupMode = 100;
    static constexpr int MaxNameBytes = 30;
    enum Column { ColType, ColConnect, ColVersion, ColName, ColCpuid, ColumnCount };

    explicit DialogSearch(QWidget *parent = nullptr);
    ~DialogSearch() override;

    void setMode(int m) { mode = m; }
    int getMode() const { return mode; }
    // Empties the table and the name label.
    void clearList();
    int rowOf(const QString &cpuid) const;
    // The cpuid of the selected row; empty when none is selected.
    QString currentCpuid() const;
    // Gives the link-state text of a listed device (empty while it is online).
    using LinkStateFn = std::function<QString(const QString &cpuid)>;
    void setLinkStateText(LinkStateFn fn) { linkState = std::move(fn); }
    // Shows every listed device's link state again.
    void refreshLinkStates();
    SxProgressIndicator *busyIndicator() const { return busy; }
    // Serial port paths offered in the port box (remembered ones first).
    void setKnownSerialPorts(const QStringList &paths);
    QStringList knownSerialPorts() const;
    // Shows a failure of the typed port in the dialog.
    void showPortMessage(const QString &text);

    // Addresses typed or given with --connect are handed to this transport manager (every later
    // network search asks them by unicast) and its messages about them are shown in the dialog.
    void setCommManager(CommManager *manager);
    // Addresses offered in the address box (remembered ones first).
    void setKnownAddresses(const QStringList &hosts);
    QStringList knownAddresses() const;
    QString addressMessage() const;
    // The stored setting "ConnectAddresses": the hosts used, most recent first.
    static constexpr int MaxRememberedAddresses = 10;
    static QStringList rememberedAddresses();
    // Puts `value` first in the string list stored under `key`, keeping at most `max` entries;
    // returns the new list.
    static QStringList rememberFirst(const char *key, const QString &value, int max);
    static void rememberAddress(const QString &host);

    // What ends the process when the start-up search is closed; tests replace it.
    using ExitFn = std::function<void(int status)>;
    static void setProcessExit(ExitFn fn);

signals:
    void emitSearchDevice(int mask);
    bool emitSetDeviceName(QByteArray data, QString cpuid);
    // A serial port typed by the operator, to be opened by every later serial search.
    void emitAddSerialPort(QString path);

public slots:
    void slotNewDeviceConnect(const INFO_BASIC *info);
    void on_btn_search_clicked();
    void on_tableWidget_itemSelectionChanged();
    void on_tableWidget_cellChanged(int row, int column);
    void on_btn_ok_clicked();
    void on_btn_addPort_clicked();
    void on_btn_addAddress_clicked();
    // A message about an address (cannot be resolved, no answer); shown, never a box.
    void showAddressMessage(QString host, QString text);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setupTable();
    void setHeaders();
    void showCurrentName();

    Ui::DialogSearch *ui;
    bool filling = false;
    int mode = 0;
    SxProgressIndicator *busy = nullptr;
    CommManager *comm = nullptr;
    QString askingText; // the "asking" message while it is shown
    LinkStateFn linkState;
    QTimer *stateTimer = nullptr;
};
