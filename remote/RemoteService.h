// The protocol-independent half of remote control, on the Qt thread: runs a decoded command
// against the backend (find the device, refuse an offline one, check the arguments against its
// record, execute, map the device's answer), serialises device state to JSON, and turns the
// backend's change notifications into events for OSC subscribers (online/offline, a window's
// input, a preset loaded) by comparing what it saw last with the device's snapshot now.
// Owned by RemoteControl; the servers hold a pointer to it.
#pragma once

#include "RemoteBackend.h"
#include "RemoteCommand.h"
#include "RemoteError.h"
#include "RemoteLog.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>

#include <functional>

struct RemoteEvent
{
    enum Kind { Online, InputChanged, PresetLoaded };
    Kind kind = Online;
    QString cpuid;
    bool online = false;
    int window = 0; // from 1
    int srcId = -1;
    QString source; // "HDMI2", "Input3"
    int preset = 0; // from 1; 0 when not known
};

class RemoteService : public QObject
{
    Q_OBJECT
public:
    struct Reply
    {
        RemoteError error;
        QJsonObject data; // members added to {"ok": true, ...}
        QJsonObject toJson() const;
    };
    using Done = std::function<void(const Reply &)>;

    static constexpr int DefaultCommandTimeoutMs = 3000;

    explicit RemoteService(RemoteBackend *backend, QObject *parent = nullptr);

    void setCommandTimeout(int ms) { m_timeoutMs = ms; }
    int commandTimeout() const { return m_timeoutMs; }
    RemoteLog &log() { return m_log; }

    // Calls `done` exactly once, on the Qt thread (possibly before returning). `client` names the
    // sender in log lines ("osc 127.0.0.1:9000").
    void execute(const RemoteCommand &command, const QString &client, const Done &done);

    QJsonArray devicesJson() const;
    static QJsonObject deviceJson(const RemoteDevice &device, int tab);

signals:
    void emitEvent(const RemoteEvent &event);

private:
    struct Seen
    {
        bool online = false;
        QHash<int, int> inputs; // window id -> source id
    };
    static Seen seenOf(const RemoteDevice &device);
    void onDeviceChanged(const QString &cpuid);
    void onPresetLoaded(const QString &cpuid, int presetId);
    void refuse(const RemoteCommand &command, const QString &client, const RemoteError &error,
                const Done &done);

    QPointer<RemoteBackend> m_backend;
    int m_timeoutMs = DefaultCommandTimeoutMs;
    QHash<QString, Seen> m_seen;
    RemoteLog m_log;
};

Q_DECLARE_METATYPE(RemoteEvent)
