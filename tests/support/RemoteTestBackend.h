// A RemoteBackend for tests of the remote-control servers without the device hub: it holds device
// records the test builds and one real protocol interface per device (so the frames are those the
// hub would send), collects every frame sent, and answers as the test chooses. An answered
// command also changes the record the way the device's read-back would, and notifies, so that
// state queries and subscriptions can be tested. Tests that run through the hub against vpsim
// swap this for the hub's backend; the client helpers (RemoteClients.h) do not depend on it.
#pragma once

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "Interface.h"
#include "RemoteBackend.h"

#include <QByteArray>
#include <QList>
#include <QMap>

#include <memory>

class RemoteTestBackend : public RemoteBackend
{
    Q_OBJECT
public:
    enum Answer { AnswerOk, AnswerRefused, AnswerNever, AnswerLinkLost };

    explicit RemoteTestBackend(QObject *parent = nullptr);
    ~RemoteTestBackend() override;

    // A KS-set record: panels side by side of 1920 x 1080 each, one window per entry of
    // `inputs` (window i at panel i's place, showing that source id), presets as given (from 0).
    static std::shared_ptr<DEVICE_INFO_KS> ksRecord(const QString &cpuid, int type, const QString &name,
                                                    int panels, const QList<int> &inputs,
                                                    const QList<int> &presets = {});
    // A GW record with `outputCards` and `inputCards` cards, 2 x 2 areas of 1920 x 1080 and one
    // window per entry of `inputs` (input numbers from 0) on layer i + 1.
    static std::shared_ptr<DEVICE_INFO_GW> gwRecord(const QString &cpuid, const QString &name,
                                                    int outputCards, int inputCards,
                                                    const QList<int> &inputs);

    // Adds a device in tab order, with its interface primed from the record.
    void addDevice(std::shared_ptr<INFO_BASIC> record, bool online = true);
    INFO_BASIC *record(const QString &cpuid) const;
    Interface *interfaceOf(const QString &cpuid) const;
    void setOnline(const QString &cpuid, bool online);
    // How, and after how long, the next commands are answered.
    void setAnswer(Answer answer, int delayMs = 0);

    QList<QByteArray> frames; // every frame any device was sent, in order
    int executed = 0;         // commands that reached execute()

    QList<RemoteDevice> devices() const override;
    void execute(const RemoteAction &action, int timeoutMs, Done done) override;

private:
    void changeRecord(const RemoteAction &action);

    struct Entry
    {
        std::shared_ptr<INFO_BASIC> record;
        Interface *iface = nullptr;
    };
    QList<Entry> m_entries;
    Answer m_answer = AnswerOk;
    int m_delayMs = 0;
};
