// One simulated processor: its identity (what it announces) and its state, and the answers it
// gives to host frames. Transport-free: a frame goes in, reply frames come out; the links add the
// timing and the faults. KS-set codes (and unsupported codes such as 19) use SimKsDevice, 48 and
// 49 use SimGwDevice.
#pragma once

#include "SimFaults.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

class SimDevice
{
public:
    struct Identity
    {
        int type = 3;
        uint8_t flags = 0;   // bit 0 USB input, bit 1 SDI inputs
        QByteArray id;       // 12 bytes
        QByteArray version = "V1.0.0";
        QByteArray name;     // local 8-bit encoding, at most 30 bytes
        uint8_t extra = 0;   // network port in use by another controller when 1
    };

    explicit SimDevice(const Identity &identity);
    virtual ~SimDevice();

    // A KS or GW device for the identity's type code.
    static SimDevice *create(const Identity &identity);
    // 12 bytes derived from a seed (stable between runs).
    static QByteArray makeId(int type, int seed);

    const Identity &identity() const { return m_identity; }
    int type() const { return m_identity.type; }
    QString cpuid() const;
    QString label() const; // model name and cpuid, for messages
    QByteArray name() const { return m_identity.name; }

    // Announcement payload: type, flags, reserved, id, version, name, extra.
    QByteArray announcementPayload() const;
    QByteArray announcementFrame() const;
    // The same with another network-port-in-use byte.
    QByteArray announcementFrame(uint8_t extra) const;

    SimFaults &faults() { return m_faults; }
    const SimFaults &faults() const { return m_faults; }

    // The replies to one validated host frame (whole reply frames, in order); none for a frame the
    // device does not know. `viaUdp` marks frames that came as datagrams.
    QList<QByteArray> handle(const QByteArray &frame, bool viaUdp = false);

    // Back to the family's default state (factory reset; also the start state).
    virtual void resetState() = 0;
    // Replaces parts of the state from a JSON description; false and a message on a bad value.
    virtual bool loadState(const QJsonObject &state, QString *error) = 0;
    // Describes the state (for the state file and tests).
    virtual QJsonObject stateJson() const = 0;

    // Where received firmware images are written (empty: kept in memory only).
    void setImageDir(const QString &dir) { m_imageDir = dir; }
    QString imageDir() const { return m_imageDir; }

protected:
    // Family part of handle(); cmd / sub / params as the host frame carries them.
    virtual QList<QByteArray> handleCommand(uint8_t cmd, uint8_t sub, const QByteArray &frame) = 0;

    static QByteArray reply(uint8_t cmd, uint8_t sub, const QByteArray &payload = QByteArray(), uint8_t status = 0);
    // Parameter byte / little-endian 16-bit value at a frame offset (0 outside the frame).
    static int p8(const QByteArray &frame, int offset);
    static int p16(const QByteArray &frame, int offset);
    static void put16(QByteArray &b, int value);
    // Integer `key` of a state object: `fallback` when absent; outside [min, max] or not a number
    // clears `ok` and gives `fallback`.
    static int jsonInt(const QJsonObject &o, const char *key, int fallback, int min, int max, bool &ok);

    void setNameChunk(int chunk, const QByteArray &frame);

private:
    Identity m_identity;
    SimFaults m_faults;
    QString m_imageDir;
};
