// The outcome of one DeviceHub::transact(): whether the device acknowledged the frames the
// transaction wrote, refused some of them, or never answered, with the counts and a message for
// the operator. A plain value, handed to the transaction's completion function.
#pragma once

#include <QString>

struct HubResult
{
    enum Outcome {
        Acknowledged, // every awaited frame was answered with status 0 (also when none was sent)
        Refused,      // every awaited frame was answered, at least one with a status other than 0
        LinkLost,     // the device's link ended (or a write failed) before every answer came
        NotOnline,    // the device was not online: nothing was sent
        TimedOut,     // the time was up before every answer came
    };

    Outcome outcome = Acknowledged;
    int framesSent = 0;         // frames written to the device while the transaction's send ran
    int framesAcknowledged = 0; // answers with status 0
    int framesRefused = 0;      // answers with any other status
    QString message;

    bool ok() const { return outcome == Acknowledged; }
    // "acknowledged", "refused", "link lost", "not online", "timed out": fixed English keys for
    // machine-readable replies.
    static QString outcomeKey(Outcome outcome);
};
