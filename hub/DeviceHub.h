// The device hub: everything the application knows about its devices, without any widget. It owns
// the transport manager, one record (DEVICE_INFO_KS or DEVICE_INFO_GW) and one protocol interface
// per cpuid, registers announcements, stores every decoded reply into the record, keeps each
// device's link state and gets lost links back by itself. The main window is a view of it; vpctl
// uses it headless in a plain QCoreApplication. Everything runs on the thread that created it.
//
// Devices
// - A device enters with its first announcement of a supported type and is never deleted while
//   the hub lives: a device that returns under the same cpuid gets its record and interface back
//   (a device whose family changed gets new ones; the old ones live until the hub goes).
// - devices() and record() name the registered devices. With automatic reconnection off, the
//   device's "connection interrupted" frame takes it out of the registry until it announces itself
//   again (its frames are dropped meanwhile); knownRecord() still finds it.
// - interfaceCreated() is emitted after the hub has connected its own store slots to the new
//   interface, so a view that connects its receivers then sees every reply already stored.
//
// Link state (linkState()): Online, Offline, Reconnecting or InUse (the device's announcement
// said its network port is taken by another computer; it is then neither connected nor written).
// When a link ends (heartbeats missed, closed, refused, "connection interrupted", a serial error)
// the record, interface and registration stay. A device that has been read back at least once
// (readBack()) is then reconnected while automatic reconnection is on: a network device is asked
// by a unicast search at its last address and connected when it answers with its port free; a
// serial device has its port opened and probed again. Tries back off from the first interval
// (0.5 s) to the longest (2 s) and go on while the hub lives. A device in use by another computer
// is asked at the longest interval and connected once its port is free. A device that returns is
// read back in full. connectionLost() and connectInterrupted() come once per outage: an outage
// ends only when the device has stayed online for the settle time (10 s), so a device that keeps
// dropping is reported once. Every loss, try and return is written to the log.
//
// Writing: nothing is ever queued to be sent later. write() refuses (-1) a device that is not
// online. Frames an interface emits go through write(); when such a command (anything but a read
// request) is refused because the device is not online, commandRefused() tells the view.
#pragma once

#include "FrameCodec.h"
#include "HubResult.h"
#include "Records.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>

class CommManager;
class INFO_BASIC;
class DEVICE_INFO_KS;
class DEVICE_INFO_GW;
class Interface;
class KS9200Interface;
class GW5Interface;
class QTimer;

class DeviceHub : public QObject
{
    Q_OBJECT
public:
    enum class Link { Offline, Online, Reconnecting, InUse };
    Q_ENUM(Link)

    // Which part of a record changed (recordChanged()); several may be or-ed together.
    enum Part : uint {
        PartIdentity = 1u << 0,     // announcement fields, name, link fields
        PartPanels = 1u << 1,       // panels and the GW output resolution
        PartOutputMode = 1u << 2,   // KX output mode
        PartMappings = 1u << 3,     // GW output mappings
        PartWindows = 1u << 4,      // windows (source, geometry, rotation)
        PartCrops = 1u << 5,        // input crops
        PartInputs = 1u << 6,       // input signals and GW signal presence
        PartImageQuality = 1u << 7, // image quality and KX advanced settings
        PartPresets = 1u << 8,
        PartTemplates = 1u << 9,
        PartMosaic = 1u << 10,
        PartTimeTasks = 1u << 11,
        PartEdid = 1u << 12, // EDID list and EDID modes
        PartChromaKey = 1u << 13,
        PartBorders = 1u << 14,
        PartOutputEnhance = 1u << 15,
        PartOtherSettings = 1u << 16,
        PartAll = (1u << 17) - 1, // the record was emptied (clearAllData)
    };

    static constexpr int DefaultFirstRetryMs = 500;
    static constexpr int DefaultLongestRetryMs = 2000;
    static constexpr int DefaultSettleMs = 10000;
    static constexpr int DefaultTransactTimeoutMs = 5000;

    explicit DeviceHub(QObject *parent = nullptr);
    ~DeviceHub() override;

    CommManager *commManager() const { return comm; }

    // ---- look-ups (null for a cpuid the hub does not know; no notion of a current device) ----
    // Registered devices, by cpuid.
    const QMap<QString, INFO_BASIC *> &devices() const { return deviceMap; }
    INFO_BASIC *record(const QString &cpuid) const;
    DEVICE_INFO_KS *ksRecord(const QString &cpuid) const;
    DEVICE_INFO_GW *gwRecord(const QString &cpuid) const;
    // The record of any device the hub knows, registered or not.
    INFO_BASIC *knownRecord(const QString &cpuid) const;
    QStringList knownCpuids() const;
    // The interface of any device the hub knows.
    Interface *interfaceOf(const QString &cpuid) const;
    KS9200Interface *ksInterface(const QString &cpuid) const;
    GW5Interface *gwInterface(const QString &cpuid) const;

    // ---- link state ----
    Link linkState(const QString &cpuid) const; // Offline for an unknown cpuid
    bool isOnline(const QString &cpuid) const { return linkState(cpuid) == Link::Online; }
    // When the device's current outage began; null while it is online or was never lost.
    QDateTime linkLostAt(const QString &cpuid) const;

    // ---- discovery (pass-throughs; commManager() offers the rest) ----
    void search(int mask = 3); // bit 0 network broadcast, bit 1 serial ports
    void addConnectAddress(const QString &host);
    void addSerialPort(const QString &portName);

    // ---- writing ----
    // Writes one frame on the device's stream link; -1 and nothing sent when it is not online
    // (or not registered). Otherwise what the transport returns.
    int write(const QString &cpuid, const QByteArray &frame);
    // The same through the UDP socket the device was found on.
    int writeByUdp(const QString &cpuid, const QByteArray &frame);
    // True for the read requests 0xE1..0xEF: the device answers them with data, not with an
    // acknowledgement.
    static bool isReadRequest(const QByteArray &frame);

    // Empties the device's record and sends the full read-back request; false (nothing done) when
    // the device is not online. readBackFinished() follows the device's last reply.
    bool readBack(const QString &cpuid);
    bool isReadingBack(const QString &cpuid) const;

    // Runs `send`, which writes frames to the device (through write() or the device's interface,
    // e.g. a GW window move that the window matrix splits into several frames), counts the frames
    // written to that device while it runs, and calls `done` exactly once, always later from the
    // event loop (never inside transact()):
    // - Acknowledged / Refused: every awaited frame was answered by a reply with the same command
    //   and sub-command (status 0 acknowledges, anything else refuses), oldest transaction first;
    // - LinkLost: the link ended (or a write failed) first; NotOnline: nothing was sent;
    // - TimedOut: `timeoutMs` passed first (DefaultTransactTimeoutMs when not positive).
    // Awaited are the commands 0x01..0x20 and 0xF1, which the device acknowledges, and the full
    // read-back request 0xEF, which the device's end-of-read-back reply answers once every data
    // reply before it has been stored. The read requests 0xE1..0xEE are counted as sent but not
    // awaited: the device answers them with data replies whose number depends on its state (none
    // for an empty list). Search and upgrade frames are not awaited either.
    void transact(const QString &cpuid, std::function<void()> send, int timeoutMs,
                  std::function<void(const HubResult &)> done);

    // ---- links that heal themselves ----
    void setAutoReconnect(bool on);
    bool autoReconnect() const { return reconnectOn; }
    // Interval before the first try after a loss and the longest interval (back-off doubles).
    void setRetryIntervals(int firstMs, int longestMs);
    // How long a returned device must stay online before a new loss counts as a new outage.
    void setSettleTime(int ms) { settleMs = ms; }
    // Connects a device whose network port another computer holds, as the operator confirmed it
    // in the search dialog; false when it is not in use or has no network address.
    bool takeOver(const QString &cpuid);

    // For views that change a record themselves (e.g. a window removed on the canvas).
    void notifyRecordChanged(const QString &cpuid, uint parts);

    // A GW device reporting fewer output cards than its panel arrangement needs (rows × columns
    // above cards × 4): its other settings are not stored and a factory reset is due.
    static bool tooFewOutputCards(const DEVICE_INFO_GW &record, const INFO_OTHER_GW5 &other);

public slots:
    // The transport manager's frames and link ends; public so that tests and views can hand
    // frames in exactly as the transport does.
    void handleFrame(uint keyTCP, uint keyUDP, QString cpuid, RECV_PROTOCOL rp, QByteArray data,
                     QHostAddress addr, short port);
    void registerAnnouncement(uint keyTCP, uint keyUDP, QByteArray data, QHostAddress addr, short port);
    void linkBroken(QString cpuid, QString errorString, bool showMsg);

signals:
    // Every accepted announcement, to the transport manager (it tags the link with the cpuid).
    void emitSetConnectDeviceCpuid(uint keyTCP, uint keyUDP, QString cpuid, QHostAddress ip);
    // A device was registered, new or returning (the search dialog lists it).
    void deviceRegistered(QString cpuid);
    void interfaceCreated(QString cpuid, Interface *iface);
    void linkStateChanged(QString cpuid, DeviceHub::Link state);
    // Once per outage; errorString is the transport's text for the operator, showMsg whether the
    // transport asks for it to be shown.
    void connectionLost(QString cpuid, QString errorString, bool showMsg);
    // The device ended the session ("connection interrupted"); once per outage.
    void connectInterrupted(QString cpuid);
    void recordChanged(QString cpuid, uint parts);
    void readBackFinished(QString cpuid);
    // The device answered a preset or template load; its read-back has been requested.
    void presetLoaded(QString cpuid);
    void inputSwitchFinished(QString cpuid, bool ok);
    // A command from one of the device's interfaces was not sent: the device is not online.
    void commandRefused(QString cpuid);

private:
    struct Transaction;
    struct Device
    {
        INFO_BASIC *record = nullptr;
        Interface *iface = nullptr;
        bool gw = false;
        bool registered = false;
        bool adopted = false; // read back at least once: worth reconnecting
        bool readingBack = false;
        Link link = Link::Offline;
        QDateTime lostAt;
        QElapsedTimer onlineFor;
        bool outageOpen = false;
        bool lossSignalled = false;
        bool interruptSignalled = false;
        // Where the device was reached last: a serial port by name or a network address.
        QString serialPort;
        QHostAddress networkAddress;
        QTimer *retryTimer = nullptr;
        int retryDelayMs = 0;
        int tries = 0;
        bool hasGwResolution = false;
        INFO_PANEL gwResolution; // the last GW resolution; areas that arrive later take it
        QList<Transaction *> transactions;
    };

    Device *find(const QString &cpuid) const;
    Device *createDevice(const QString &cpuid, bool gw);
    void retireDevice(const QString &cpuid);
    QString label(const Device *d) const;
    void setLink(const QString &cpuid, Device *d, Link state);
    void loseLink(const QString &cpuid, Device *d, const QString &why, bool showMsg, bool interrupted);
    void onInterrupted(const QString &cpuid, uint key);
    void scheduleTry(const QString &cpuid, Device *d, int delayMs);
    void tryAgain(const QString &cpuid);
    bool allowConnect(const QHostAddress &from, const QByteArray &payload) const;
    void rememberWhere(Device *d, uint keyTCP);

    // DeviceHub_Store.cpp: the record half of every decoded reply.
    void connectStore(Interface *iface);
    void sendFromInterface(const QString &cpuid, const QByteArray &frame);
    void onAllParams(const QString &cpuid);
    void onPresetOrTemplateLoaded(const QString &cpuid);
    void changed(const QString &cpuid, uint parts);
    void storeKsPanels(QString cpuid, QList<INFO_PANEL> list);
    void storeKsWindows(QString cpuid, QList<INFO_WINDOW> list);
    void storeKsCrops(QString cpuid, QList<INFO_INPUTCROP> list);
    void storeKsInputs(QString cpuid, QList<INFO_INPUTSINGLE> list);
    void storeKsImageQuality(QString cpuid, QList<INFO_IMAGE_QUALITY> list);
    void storeKsPreset(QString cpuid, INFO_PRESET preset);
    void storeKsTemplate(QString cpuid, INFO_TEMPLATE templ);
    void storeKsMosaic(QString cpuid, INFO_MOSAIC mosaic);
    void storeKsTimeTask(QString cpuid, INFO_TIME_TASK task);
    void storeKsAllTasksOn(QString cpuid, bool on);
    void storeKsEdid(QString cpuid, QList<INFO_EDID> list);
    void storeKsEdidModes(QString cpuid, uchar signalMode, uchar dviAudioMode);
    void storeKsChromaKeys(QString cpuid, QList<INFO_CHROMA> list);
    void storeKsBorders(QString cpuid, QList<INFO_BORDER> list);
    void storeKsOutputEnhance(QString cpuid, QList<INFO_OUTPUT_ENHANCE> list);
    void storeKsOther(QString cpuid, INFO_OTHER_KS9200 other);
    void storeKxOutputMode(QString cpuid, INFO_PANEL_OTHERSETTING mode);
    void storeKxImageAdvanced(QString cpuid, INFO_IMAGE_ADVANCED adv);
    void storeKxWindowRotate(QString cpuid, uchar win, uchar rotate);
    void storeGwPanel(QString cpuid, INFO_PANEL panel);
    void storeGwResolution(QString cpuid, int index, int width, int height, int rate, int row, int col,
                           int arrangement);
    void storeGwMapping(QString cpuid, INFO_MAPPING mapping);
    void storeGwWindow(QString cpuid, INFO_WINDOW window);
    void storeGwCrop(QString cpuid, INFO_INPUTCROP crop);
    void storeGwInput(QString cpuid, INFO_INPUTSINGLE signal);
    void storeGwPresence(QString cpuid, int inputID, bool hasSignal, int inputType);
    void storeGwImageQuality(QString cpuid, INFO_IMAGE_QUALITY quality);
    void storeGwPresetPart(QString cpuid, INFO_PRESET preset, bool windowPart);
    void storeGwEdid(QString cpuid, INFO_EDID edid);
    void storeGwOther(QString cpuid, INFO_OTHER_GW5 other);

    // DeviceHub_Transact.cpp
    void noteWritten(const QString &cpuid, const QByteArray &frame, int written);
    void settleTransactions(Device *d, const RECV_PROTOCOL &rp);
    void finish(Device *d, Transaction *t, HubResult::Outcome outcome);
    void failTransactions(Device *d, HubResult::Outcome outcome);
    void discardTransactions(Device *d); // the hub goes: no completion is called

    CommManager *comm = nullptr;
    QMap<QString, Device *> known;         // every device the hub knows, by cpuid
    QMap<QString, INFO_BASIC *> deviceMap; // the registered ones
    QMutex registryLock;
    QList<INFO_BASIC *> retiredRecords;
    QList<Interface *> retiredInterfaces;
    bool reconnectOn = true;
    int firstRetryMs = DefaultFirstRetryMs;
    int longestRetryMs = DefaultLongestRetryMs;
    int settleMs = DefaultSettleMs;
    Transaction *recording = nullptr; // the transaction whose send() is running
};
