// Turns a checked remote command into the device's frames: the definition of "command to frame".
// apply() sends through the device's own protocol interface (KS: the KS9200Interface builders;
// GW: the GW5Interface operations, so that a window move passes through the window matrix), so
// the frames leave on the device's link exactly as the user interface sends them. The backend
// runs it inside the hub's transaction, which counts and awaits the frames.
#pragma once

#include "RemoteCommand.h"

#include <QByteArray>
#include <QList>

class Interface;

class RemoteFrames
{
public:
    // Sends the frames of `action` through `iface` (emitSendData). False, with nothing sent, when
    // the interface is not of the action's family or the GW window matrix refuses the window.
    static bool apply(const RemoteAction &action, Interface &iface);

    // The read requests that bring the device's answer to a finished command into its record,
    // as the user interface asks after the same change (empty: nothing to read, or the hub reads
    // the device back in full itself, as after a preset or template load).
    static QList<QByteArray> followUpReads(const RemoteAction &action);
};
