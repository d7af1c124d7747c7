// The refusal or failure of a remote-control request: a stable code that scripts can test, and a
// message for a person that says what was wrong and where. The same codes are used by both
// protocols; HTTP also maps each to a status.
#pragma once

#include <QJsonObject>
#include <QString>

class RemoteError
{
public:
    enum Code {
        None,
        NotFound,         // no such address or route (404)
        MethodNotAllowed, // the route exists, not with this method (405)
        BadRequest,       // malformed JSON, wrong argument types or count (400)
        UnknownDevice,    // no device answers to the selector (404)
        AmbiguousDevice,  // the selector names two different devices (400)
        InvalidArgument,  // checked against the device and refused (400)
        NotSupported,     // the device's model has no such function (400)
        DeviceOffline,    // the device is not connected; nothing was sent (409)
        DeviceRefused,    // the device answered that it did not do it (409)
        LinkLost,         // the link went down before the device answered (503)
        Timeout,          // the device, or the application, did not answer in time (504)
        Unauthorized,     // no or wrong token (401)
        Forbidden,        // sender not on the allow-list (403; OSC senders get no answer)
        PayloadTooLarge,  // request body above the cap (413)
        RateLimited,      // too many requests from this client (429)
        Unavailable,      // the server is stopping (503)
        Internal,         // anything else (500)
    };

    RemoteError() = default;
    RemoteError(Code code, const QString &message) : m_code(code), m_message(message) {}

    bool isError() const { return m_code != None; }
    Code code() const { return m_code; }
    QString message() const { return m_message; }

    // "unknown_device", ...: the code as clients see it.
    static QString codeName(Code code);
    static int httpStatus(Code code);
    // {"ok": false, "error": code name, "message": message}
    QJsonObject toJson() const;

private:
    Code m_code = None;
    QString m_message;
};
