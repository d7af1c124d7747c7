// Decodes remote-control requests of both protocols into one RemoteCommand, or into a refusal that
// says what was wrong and where. Pure functions over untrusted input (the fuzz target drives them).
//
// One command set with the same names in both protocols; only the prefix differs:
//   OSC   /vp/<device>/<command> with typed arguments in the documented order
//   HTTP  <METHOD> /api/devices/<device>/<command> with a JSON object naming the arguments
// plus the list of every device (OSC /vp/devices, HTTP GET /api/devices) and, over OSC only,
// /subscribe and /unsubscribe. docs/remote-control.md lists every address and route.
//
// Checks made here are about form only (route, argument count and types, JSON syntax, body
// size); whether a window, source or number exists on the device is RemoteValidator's business.
#pragma once

#include "RemoteCommand.h"
#include "RemoteError.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <lo/lo.h>

class RemoteRequest
{
public:
    static constexpr int MaxBodyBytes = 64 * 1024;
    static constexpr int MaxWindow = 255;

    // One OSC argument: its type tag and its value in the member that fits the tag
    // (i, h: integer; f, d: real; s, S: text; T, F, N, I and unknown tags: none).
    struct OscArg
    {
        char type = 0;
        qint64 integer = 0;
        double real = 0;
        QString text;
    };

    struct Result
    {
        RemoteCommand command;
        RemoteError error;
        bool ok() const { return !error.isError(); }
    };

    static Result fromOsc(const QString &path, const QList<OscArg> &args);
    // The arguments of a message as liblo delivers it (types and argument values).
    static QList<OscArg> oscArgs(const char *types, lo_arg **argv, int argc);
    static QList<OscArg> oscArgs(lo_message message);

    // `target` is the request target as sent (percent-encoded path, optional query, ignored).
    static Result fromHttp(const QByteArray &method, const QByteArray &target, const QByteArray &body);
};
