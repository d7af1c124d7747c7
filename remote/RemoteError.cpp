#include "RemoteError.h"

namespace {
struct CodeInfo
{
    RemoteError::Code code;
    const char *name;
    int http;
};

const CodeInfo codes[] = {
    {RemoteError::None, "ok", 200},
    {RemoteError::NotFound, "not_found", 404},
    {RemoteError::MethodNotAllowed, "method_not_allowed", 405},
    {RemoteError::BadRequest, "bad_request", 400},
    {RemoteError::UnknownDevice, "unknown_device", 404},
    {RemoteError::AmbiguousDevice, "ambiguous_device", 400},
    {RemoteError::InvalidArgument, "invalid_argument", 400},
    {RemoteError::NotSupported, "not_supported", 400},
    {RemoteError::DeviceOffline, "device_offline", 409},
    {RemoteError::DeviceRefused, "device_refused", 409},
    {RemoteError::LinkLost, "link_lost", 503},
    {RemoteError::Timeout, "timeout", 504},
    {RemoteError::Unauthorized, "unauthorized", 401},
    {RemoteError::Forbidden, "forbidden", 403},
    {RemoteError::PayloadTooLarge, "payload_too_large", 413},
    {RemoteError::RateLimited, "rate_limited", 429},
    {RemoteError::Unavailable, "unavailable", 503},
    {RemoteError::Internal, "internal", 500},
};

const CodeInfo &info(RemoteError::Code code)
{
    for (const CodeInfo &c : codes) {
        if (c.code == code)
            return c;
    }
    return codes[sizeof(codes) / sizeof(codes[0]) - 1];
}
} // namespace

QString RemoteError::codeName(Code code)
{
    return QString::fromLatin1(info(code).name);
}

int RemoteError::httpStatus(Code code)
{
    return info(code).http;
}

QJsonObject RemoteError::toJson() const
{
    return QJsonObject{{QStringLiteral("ok"), false},
                       {QStringLiteral("error"), codeName(m_code)},
                       {QStringLiteral("message"), m_message}};
}
