// Base of the protocol interfaces of both device families (KS9200Interface, GW5Interface). One
// instance speaks for one device, named by its cpuid, and is owned by the device hub.
//
// Contract for subclasses and users:
// - Requests leave only as finished 23-byte frames through emitSendData(QByteArray). The device
//   hub connects it to its write path, which writes the frame to the device's connection (the one
//   named by keyTCP()) while the device is online. Nothing is queued, retried or timed out here.
// - handleFrame() receives every reply frame routed to the device (header and payload as the
//   link layer validated them). An implementation first drops frames whose cpuid is not cpuid(),
//   treats the payload as untrusted (checks every length, count and index before use; a reply
//   either decodes whole or produces nothing) and announces results with typed signals whose
//   first argument is cpuid().
// - emitAllParams() is emitted when the device has finished answering readAll().
// - The read requests below are shared by both families; each is a frame of command `cmd`,
//   sub-command 0 unless noted, no parameters.
// - Everything runs on the GUI thread; signals are meant for direct connections.
#pragma once

#include "FrameCodec.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class Interface : public QObject
{
    Q_OBJECT
public:
    explicit Interface(const QString &cpuid = QString(), QObject *parent = nullptr);
    ~Interface() override;

    QString cpuid() const { return m_cpuid; }
    void setCpuid(const QString &cpuid) { m_cpuid = cpuid; }
    // Key of the stream connection the device is reached on (0: none).
    uint keyTCP() const { return m_keyTCP; }
    void setKeyTCP(uint key) { m_keyTCP = key; }

    virtual void handleFrame(QString cpuid, RECV_PROTOCOL rp, QByteArray payload) = 0;

    void readPanel();         // 0xE1
    void readOutputMode();    // 0xE1 / 0x01, KS only
    void readWindows();       // 0xE2
    void readInputCrop();     // 0xE3
    void readInputSignals();  // 0xE4
    void readImageQuality();  // 0xE5
    void readImageAdvanced(); // 0xE5 / 0x01, KS only
    void readPresets();       // 0xE6
    void readMosaic();        // 0xE8
    void readTimeTasks();     // 0xE9
    void readEDID();          // 0xEA
    void readChromaKey();     // 0xEB
    void readBorder();        // 0xEC
    void readOutputEnhance(); // 0xED
    void readOtherSetting();  // 0xEE
    void readAll();           // 0xEF: the device answers with all its replies, then 0xEF

    // The read request frame for `cmd` / `sub` (for callers that write it themselves).
    static QByteArray requestFrame(uint8_t cmd, uint8_t sub = 0);

signals:
    void emitSendData(QByteArray data);
    void emitAllParams();

protected:
    void sendRequest(uint8_t cmd, uint8_t sub = 0);

private:
    QString m_cpuid;
    uint m_keyTCP = 0;
};
