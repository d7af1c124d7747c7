#include "RemoteRequest.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QVector>

#include <cmath>
#include <cstring>
#include <limits>

namespace {
enum class ParamType { Int, Bool, Source };

struct Param
{
    const char *name;
    ParamType type;
};

// `tail` is the part after the device; '#' stands for a window number.
struct Route
{
    RemoteCommand::Kind kind;
    const char *tail;
    bool post;
    QVector<Param> params;
};

const QVector<Route> &routes()
{
    static const QVector<Route> table = {
        {RemoteCommand::State, "state", false, {}},
        {RemoteCommand::LoadPreset, "preset/load", true, {{"preset", ParamType::Int}}},
        {RemoteCommand::SavePreset, "preset/save", true, {{"preset", ParamType::Int}}},
        {RemoteCommand::LoadTemplate, "template/load", true, {{"template", ParamType::Int}}},
        {RemoteCommand::SwitchInput, "window/#/input", true, {{"source", ParamType::Source}}},
        {RemoteCommand::SetGeometry,
         "window/#/geometry",
         true,
         {{"x", ParamType::Int},
          {"y", ParamType::Int},
          {"width", ParamType::Int},
          {"height", ParamType::Int}}},
        {RemoteCommand::BlackScreen, "blackscreen", true, {{"on", ParamType::Bool}}},
        {RemoteCommand::Freeze, "freeze", true, {{"on", ParamType::Bool}}},
        {RemoteCommand::FrameSync, "window/#/framesync", true, {{"on", ParamType::Bool}}},
        {RemoteCommand::Brightness, "brightness", true, {{"value", ParamType::Int}}},
        {RemoteCommand::Brightness, "window/#/brightness", true, {{"value", ParamType::Int}}},
        {RemoteCommand::TestPattern, "testpattern", true, {{"pattern", ParamType::Int}}},
        {RemoteCommand::TestPatternOff, "testpattern/off", true, {}},
    };
    return table;
}

RemoteRequest::Result refuse(RemoteError::Code code, const QString &message)
{
    RemoteRequest::Result r;
    r.error = RemoteError(code, message);
    return r;
}

const char *typeWord(ParamType t)
{
    switch (t) {
    case ParamType::Int:
        return "an integer";
    case ParamType::Bool:
        return "on/off (true, false, 1 or 0)";
    case ParamType::Source:
        return "a source name or id";
    }
    return "";
}

// Decimal digits only, no sign and no leading zero.
bool plainNumber(const QString &s, int max, int *out)
{
    if (s.isEmpty() || s.size() > 9 || s.startsWith(QLatin1Char('0')))
        return false;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const int n = s.toInt();
    if (n > max)
        return false;
    *out = n;
    return true;
}

// Matches the segments after the device against the route table. NotFound when nothing matches.
const Route *matchTail(const QStringList &tail, QString *windowText)
{
    for (const Route &r : routes()) {
        const QStringList pattern = QString::fromLatin1(r.tail).split(QLatin1Char('/'));
        if (pattern.size() != tail.size())
            continue;
        bool same = true;
        for (int i = 0; i < pattern.size() && same; ++i) {
            if (pattern[i] == QLatin1String("#"))
                *windowText = tail[i];
            else
                same = pattern[i] == tail[i];
        }
        if (same)
            return &r;
    }
    return nullptr;
}

bool integral(double v, int *out)
{
    if (!std::isfinite(v) || v != std::floor(v) || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        return false;
    *out = int(v);
    return true;
}

bool fitsInt(qint64 v, int *out)
{
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    *out = int(v);
    return true;
}

QString describeOsc(const RemoteRequest::OscArg &a)
{
    switch (a.type) {
    case 'i':
    case 'h':
        return QStringLiteral("integer %1").arg(a.integer);
    case 'f':
    case 'd':
        return QStringLiteral("real %1").arg(a.real);
    case 's':
    case 'S':
        return QStringLiteral("string \"%1\"").arg(a.text.left(40));
    case 'T':
        return QStringLiteral("true");
    case 'F':
        return QStringLiteral("false");
    default:
        return QStringLiteral("type '%1'").arg(QChar::fromLatin1(a.type ? a.type : '?'));
    }
}

// A value of one parameter, whichever protocol it came from.
struct Value
{
    int number = 0;
    bool on = false;
    QString text;
    bool isText = false;
};

bool fromOscArg(const RemoteRequest::OscArg &a, ParamType type, Value *v)
{
    int n = 0;
    const bool isInt = (a.type == 'i' || a.type == 'h') && fitsInt(a.integer, &n);
    const bool isReal = (a.type == 'f' || a.type == 'd') && integral(a.real, &n);
    switch (type) {
    case ParamType::Int:
        v->number = n;
        return isInt || isReal;
    case ParamType::Bool:
        if (a.type == 'T' || a.type == 'F') {
            v->on = a.type == 'T';
            return true;
        }
        v->on = n == 1;
        return (isInt || isReal) && (n == 0 || n == 1);
    case ParamType::Source:
        if (a.type == 's' || a.type == 'S') {
            v->text = a.text;
            v->isText = true;
            return !a.text.isEmpty();
        }
        v->number = n;
        return isInt || isReal;
    }
    return false;
}

bool fromJson(const QJsonValue &j, ParamType type, Value *v)
{
    int n = 0;
    const bool isInt = j.isDouble() && integral(j.toDouble(), &n);
    switch (type) {
    case ParamType::Int:
        v->number = n;
        return isInt;
    case ParamType::Bool:
        if (j.isBool()) {
            v->on = j.toBool();
            return true;
        }
        v->on = n == 1;
        return isInt && (n == 0 || n == 1);
    case ParamType::Source:
        if (j.isString()) {
            v->text = j.toString();
            v->isText = true;
            return !v->text.isEmpty();
        }
        v->number = n;
        return isInt;
    }
    return false;
}

void store(RemoteCommand &c, const char *name, const Value &v)
{
    const QLatin1String n(name);
    if (n == QLatin1String("source")) {
        if (v.isText)
            c.sourceName = v.text;
        else
            c.sourceId = v.number;
    } else if (n == QLatin1String("on")) {
        c.on = v.on;
    } else if (n == QLatin1String("value")) {
        c.value = v.number;
    } else if (n == QLatin1String("x")) {
        c.x = v.number;
    } else if (n == QLatin1String("y")) {
        c.y = v.number;
    } else if (n == QLatin1String("width")) {
        c.width = v.number;
    } else if (n == QLatin1String("height")) {
        c.height = v.number;
    } else {
        c.number = v.number; // preset, template, pattern
    }
}

// The route and window of the segments after the device.
RemoteRequest::Result routeOf(const QString &device, const QStringList &tail, const QString &where,
                              const Route **route)
{
    QString windowText;
    *route = matchTail(tail, &windowText);
    if (!*route)
        return refuse(
            RemoteError::NotFound,
            QStringLiteral("no command \"%1\" (%2)").arg(tail.join(QLatin1Char('/')).left(80), where));
    RemoteRequest::Result r;
    r.command.kind = (*route)->kind;
    r.command.device = device;
    if (QString::fromLatin1((*route)->tail).contains(QLatin1Char('#')) &&
        !plainNumber(windowText, RemoteRequest::MaxWindow, &r.command.window))
        return refuse(RemoteError::InvalidArgument,
                      QStringLiteral("window \"%1\" is not a window number from 1 to %2 (%3)")
                          .arg(windowText.left(20))
                          .arg(RemoteRequest::MaxWindow)
                          .arg(where));
    return r;
}

QString signature(const Route &route)
{
    QStringList names;
    for (const Param &p : route.params)
        names << QString::fromLatin1(p.name);
    return names.join(QStringLiteral(", "));
}

// /subscribe and /unsubscribe take an optional port to push to.
RemoteRequest::Result subscription(RemoteCommand::Kind kind, const QString &path,
                                   const QList<RemoteRequest::OscArg> &args)
{
    RemoteRequest::Result r;
    r.command.kind = kind;
    if (args.size() > 1)
        return refuse(
            RemoteError::BadRequest,
            QStringLiteral("%1 takes at most one argument (port), got %2").arg(path).arg(args.size()));
    if (args.isEmpty())
        return r;
    Value v;
    if (!fromOscArg(args[0], ParamType::Int, &v) || v.number < 1 || v.number > 65535)
        return refuse(RemoteError::BadRequest,
                      QStringLiteral("argument 1 (port) of %1 must be a port from 1 to 65535, got %2")
                          .arg(path, describeOsc(args[0])));
    r.command.number = v.number;
    return r;
}
} // namespace

RemoteRequest::Result RemoteRequest::fromOsc(const QString &path, const QList<OscArg> &args)
{
    if (path == QLatin1String("/subscribe"))
        return subscription(RemoteCommand::Subscribe, path, args);
    if (path == QLatin1String("/unsubscribe"))
        return subscription(RemoteCommand::Unsubscribe, path, args);
    const QString where = QStringLiteral("OSC address %1").arg(path.left(120));
    QStringList segments = path.split(QLatin1Char('/'));
    // "/vp/x" splits into "", "vp", "x".
    if (segments.size() < 3 || !segments[0].isEmpty() || segments[1] != QLatin1String("vp") ||
        segments.lastIndexOf(QString()) > 0)
        return refuse(RemoteError::NotFound, QStringLiteral("no such address (%1)").arg(where));
    Result r;
    if (segments.size() == 3 && segments[2] == QLatin1String("devices")) {
        r.command.kind = RemoteCommand::Devices;
    } else {
        const Route *route = nullptr;
        r = routeOf(segments[2], segments.mid(3), where, &route);
        if (!r.ok())
            return r;
        if (args.size() != route->params.size())
            return refuse(RemoteError::BadRequest, QStringLiteral("%1 takes %2 argument(s) (%3), got %4 (%5)")
                                                       .arg(RemoteCommand::kindName(route->kind))
                                                       .arg(route->params.size())
                                                       .arg(signature(*route))
                                                       .arg(args.size())
                                                       .arg(where));
        for (int i = 0; i < args.size(); ++i) {
            const Param &p = route->params[i];
            Value v;
            if (!fromOscArg(args[i], p.type, &v))
                return refuse(RemoteError::BadRequest,
                              QStringLiteral("argument %1 (%2) must be %3, got %4 (%5)")
                                  .arg(i + 1)
                                  .arg(QLatin1String(p.name), QLatin1String(typeWord(p.type)),
                                       describeOsc(args[i]), where));
            store(r.command, p.name, v);
        }
        return r;
    }
    if (!args.isEmpty())
        return refuse(RemoteError::BadRequest, QStringLiteral("devices takes no argument (%1)").arg(where));
    return r;
}

QList<RemoteRequest::OscArg> RemoteRequest::oscArgs(const char *types, lo_arg **argv, int argc)
{
    QList<OscArg> out;
    if (!types || !argv)
        return out;
    for (int i = 0; i < argc && types[i]; ++i) {
        OscArg a;
        a.type = types[i];
        // liblo aligns arguments to 4 bytes only: 64-bit values are copied out, not read in place.
        const char *v = reinterpret_cast<const char *>(argv[i]);
        switch (a.type) {
        case 'i': {
            int32_t x;
            memcpy(&x, v, sizeof(x));
            a.integer = x;
            break;
        }
        case 'h': {
            int64_t x;
            memcpy(&x, v, sizeof(x));
            a.integer = x;
            break;
        }
        case 'f': {
            float x;
            memcpy(&x, v, sizeof(x));
            a.real = x;
            break;
        }
        case 'd': {
            double x;
            memcpy(&x, v, sizeof(x));
            a.real = x;
            break;
        }
        case 's':
        case 'S':
            // Bounded: liblo checked the terminator, the message is at most one datagram.
            a.text = QString::fromUtf8(v);
            break;
        default:
            break;
        }
        out.append(a);
    }
    return out;
}

QList<RemoteRequest::OscArg> RemoteRequest::oscArgs(lo_message message)
{
    if (!message)
        return {};
    return oscArgs(lo_message_get_types(message), lo_message_get_argv(message), lo_message_get_argc(message));
}

RemoteRequest::Result RemoteRequest::fromHttp(const QByteArray &method, const QByteArray &target,
                                              const QByteArray &body)
{
    QByteArray rawPath = target;
    const int query = rawPath.indexOf('?');
    if (query >= 0)
        rawPath.truncate(query);
    if (rawPath.size() > 1 && rawPath.endsWith('/'))
        rawPath.chop(1);
    const QString where = QStringLiteral("%1 %2").arg(QString::fromLatin1(method.left(10)),
                                                      QString::fromUtf8(rawPath.left(120)));
    if (body.size() > MaxBodyBytes)
        return refuse(RemoteError::PayloadTooLarge,
                      QStringLiteral("the body has %1 bytes, at most %2 are taken (%3)")
                          .arg(body.size())
                          .arg(MaxBodyBytes)
                          .arg(where));
    QStringList segments;
    for (const QByteArray &s : rawPath.split('/'))
        segments << QUrl::fromPercentEncoding(s);
    // "/api/devices/x" splits into "", "api", "devices", "x".
    if (segments.size() < 3 || !segments[0].isEmpty() || segments[1] != QLatin1String("api") ||
        segments[2] != QLatin1String("devices") || segments.lastIndexOf(QString()) > 0)
        return refuse(RemoteError::NotFound, QStringLiteral("no such route (%1)").arg(where));

    const bool isGet = method == "GET";
    const bool isPost = method == "POST";
    Result r;
    const Route *route = nullptr;
    if (segments.size() == 3) {
        r.command.kind = RemoteCommand::Devices;
    } else if (segments.size() == 4) {
        r.command.kind = RemoteCommand::State; // GET /api/devices/<device> is the device's state
        r.command.device = segments[3];
    } else {
        r = routeOf(segments[3], segments.mid(4), where, &route);
        if (!r.ok())
            return r;
    }
    const bool wantsPost = route && route->post;
    if ((wantsPost && !isPost) || (!wantsPost && !isGet))
        return refuse(RemoteError::MethodNotAllowed,
                      QStringLiteral("%1 needs %2 (%3)")
                          .arg(RemoteCommand::kindName(r.command.kind),
                               QLatin1String(wantsPost ? "POST" : "GET"), where));
    if (!wantsPost)
        return r;

    QJsonObject object;
    if (!body.trimmed().isEmpty()) {
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(body, &err);
        if (err.error != QJsonParseError::NoError)
            return refuse(RemoteError::BadRequest, QStringLiteral("malformed JSON at byte %1: %2 (%3)")
                                                       .arg(err.offset)
                                                       .arg(err.errorString(), where));
        if (!doc.isObject())
            return refuse(RemoteError::BadRequest,
                          QStringLiteral("the body must be a JSON object (%1)").arg(where));
        object = doc.object();
    }
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        bool known = false;
        for (const Param &p : route->params)
            known = known || it.key() == QLatin1String(p.name);
        if (!known)
            return refuse(
                RemoteError::BadRequest,
                QStringLiteral("unknown field \"%1\"; %2 takes: %3 (%4)")
                    .arg(it.key().left(40), RemoteCommand::kindName(route->kind), signature(*route), where));
    }
    for (const Param &p : route->params) {
        const QString name = QString::fromLatin1(p.name);
        if (!object.contains(name))
            return refuse(RemoteError::BadRequest,
                          QStringLiteral("missing field \"%1\" (%2)").arg(name, where));
        Value v;
        if (!fromJson(object.value(name), p.type, &v))
            return refuse(RemoteError::BadRequest, QStringLiteral("field \"%1\" must be %2 (%3)")
                                                       .arg(name, QLatin1String(typeWord(p.type)), where));
        store(r.command, p.name, v);
    }
    return r;
}
