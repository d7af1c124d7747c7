#include "ConfigFile.h"

#include "DeviceModels.h"
#include "RecordFields.h"

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

// ---- writing ------------------------------------------------------------------------------

class JsonOut
{
public:
    QJsonObject obj;

    template <typename T> void operator()(const char *name, T &field)
    {
        obj.insert(QLatin1String(name), double(field));
    }

    template <typename R> void record(const char *name, R &sub)
    {
        obj.insert(QLatin1String(name), write(sub));
    }

    template <typename R> void fixedArray(const char *name, R *items, int count)
    {
        QJsonArray a;
        for (int i = 0; i < count; ++i)
            a.append(write(items[i]));
        obj.insert(QLatin1String(name), a);
    }

    template <typename R> void list(const char *name, QList<R> &items, int)
    {
        QJsonArray a;
        for (R &r : items)
            a.append(write(r));
        obj.insert(QLatin1String(name), a);
    }

    template <typename R, typename K> void keyedList(const char *name, QList<R> &items, int max, K key)
    {
        keyedList(name, items, max, key, [](JsonOut &sub, R &r) { RecordFields::visit(sub, r); });
    }

    template <typename R, typename K, typename F>
    void keyedList(const char *name, QList<R> &items, int, K key, F visitItem)
    {
        QList<R> sorted = items;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](const R &a, const R &b) { return key(a) < key(b); });
        QJsonArray a;
        for (R &r : sorted) {
            JsonOut sub;
            visitItem(sub, r);
            a.append(sub.obj);
        }
        obj.insert(QLatin1String(name), a);
    }

    void entries(const char *name, QList<PRESET_ENTRY> &items, int, int)
    {
        QJsonArray a;
        for (const PRESET_ENTRY &e : items) {
            QJsonArray values;
            for (int i = 0; i < e.count; ++i)
                values.append(double(e.value(i)));
            a.append(values);
        }
        obj.insert(QLatin1String(name), a);
    }

private:
    template <typename R> static QJsonObject write(R &r)
    {
        JsonOut sub;
        RecordFields::visit(sub, r);
        return sub.obj;
    }
};

QJsonObject writeDevice(const ConfigDevice &device)
{
    JsonOut out;
    ConfigDevice d = device;
    if (d.isGw())
        RecordFields::visitSettings(out, d.gw);
    else
        RecordFields::visitSettings(out, d.ks);
    const INFO_BASIC &b = d.basic();
    QJsonObject &o = out.obj;
    o.insert(QStringLiteral("type"), b.type);
    o.insert(QStringLiteral("model"), modelName(b.type));
    o.insert(QStringLiteral("cpuid"), b.cpuid);
    o.insert(QStringLiteral("name"), b.name);
    o.insert(QStringLiteral("version"), b.version);
    o.insert(QStringLiteral("hasUsb"), int(b.hasUsb));
    o.insert(QStringLiteral("hasSdi"), int(b.hasSdi));
    o.insert(QStringLiteral("linkType"), double(b.linkType));
    o.insert(QStringLiteral("address"), b.address.isNull() ? QString() : b.address.toString());
    o.insert(QStringLiteral("portName"), d.portName);
    return o;
}

// ---- reading ------------------------------------------------------------------------------

// The first problem found while reading, with the path of the field it concerns.
struct ReadState
{
    QString error;
    bool failed() const { return !error.isEmpty(); }
    void fail(const QString &path, const QString &problem)
    {
        if (error.isEmpty())
            error = path.isEmpty() ? problem : path + QStringLiteral(": ") + problem;
    }
};

QString jsonText(const QJsonValue &v)
{
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 15);
    const QByteArray a = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(a.mid(1, a.size() - 2));
}

// Empty when `v` is a whole number within min..max (stored in `out`), else the problem.
QString checkNumber(const QJsonValue &v, qint64 min, qint64 max, qint64 &out)
{
    if (!v.isDouble())
        return ConfigFile::tr("%1 is not a number").arg(jsonText(v));
    const double d = v.toDouble();
    if (d != std::floor(d))
        return ConfigFile::tr("%1 is not a whole number").arg(jsonText(v));
    if (d < double(min) || d > double(max))
        return ConfigFile::tr("%1 is outside %2..%3").arg(jsonText(v)).arg(min).arg(max);
    out = qint64(d);
    return QString();
}

QString join(const QString &path, const QString &name)
{
    return path.isEmpty() ? name : path + QLatin1Char('.') + name;
}

class JsonIn
{
public:
    JsonIn(const QJsonObject &o, ReadState &state, const QString &path) : obj(o), st(state), at(path) {}

    template <typename T> void operator()(const char *name, T &field)
    {
        qint64 v = 0;
        if (number(name, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), v))
            field = T(v);
    }

    bool number(const char *name, qint64 min, qint64 max, qint64 &out)
    {
        const QJsonValue v = value(name);
        if (st.failed() || v.isUndefined())
            return false;
        const QString problem = checkNumber(v, min, max, out);
        if (!problem.isEmpty())
            st.fail(join(at, QLatin1String(name)), problem);
        return problem.isEmpty();
    }

    bool text(const char *name, QString &out)
    {
        const QJsonValue v = value(name);
        if (st.failed() || v.isUndefined())
            return false;
        if (!v.isString()) {
            st.fail(join(at, QLatin1String(name)), ConfigFile::tr("%1 is not a text").arg(jsonText(v)));
            return false;
        }
        out = v.toString();
        return true;
    }

    template <typename R> void record(const char *name, R &sub)
    {
        const QJsonValue v = value(name);
        if (st.failed() || v.isUndefined())
            return;
        const QString path = join(at, QLatin1String(name));
        if (!v.isObject()) {
            st.fail(path, ConfigFile::tr("is not an object"));
            return;
        }
        R r = sub;
        JsonIn in(v.toObject(), st, path);
        RecordFields::visit(in, r);
        if (!st.failed())
            sub = r;
    }

    template <typename R> void fixedArray(const char *name, R *items, int count)
    {
        QJsonArray a;
        if (!array(name, a))
            return;
        if (a.size() != count) {
            st.fail(join(at, QLatin1String(name)),
                    ConfigFile::tr("has %1 entries, %2 are required").arg(a.size()).arg(count));
            return;
        }
        for (int i = 0; i < count && !st.failed(); ++i)
            readItem(a, name, i, items[i], [](JsonIn &in, R &r) { RecordFields::visit(in, r); });
    }

    template <typename R> void list(const char *name, QList<R> &items, int max)
    {
        readList(
            name, items, max, [](JsonIn &in, R &r) { RecordFields::visit(in, r); }, nullptr);
    }

    template <typename R, typename K> void keyedList(const char *name, QList<R> &items, int max, K key)
    {
        keyedList(name, items, max, key, [](JsonIn &in, R &r) { RecordFields::visit(in, r); });
    }

    template <typename R, typename K, typename F>
    void keyedList(const char *name, QList<R> &items, int max, K key, F visitItem)
    {
        std::map<int, int> seen; // key -> index
        readList(name, items, max, visitItem, [&](const R &r, int i) {
            const int k = key(r);
            const auto found = seen.find(k);
            if (found != seen.end()) {
                st.fail(itemPath(name, i), ConfigFile::tr("key %1 appears twice (also at %2)")
                                               .arg(k)
                                               .arg(itemPath(name, found->second)));
                return;
            }
            seen.emplace(k, i);
        });
    }

    void entries(const char *name, QList<PRESET_ENTRY> &items, int max, int valuesPerEntry)
    {
        QJsonArray a;
        if (!array(name, a) || !withinMax(name, a, max))
            return;
        QList<PRESET_ENTRY> out;
        for (int i = 0; i < a.size() && !st.failed(); ++i) {
            const QString path = itemPath(name, i);
            if (!a.at(i).isArray()) {
                st.fail(path, ConfigFile::tr("is not a list"));
                return;
            }
            const QJsonArray values = a.at(i).toArray();
            if (values.size() != valuesPerEntry) {
                st.fail(
                    path,
                    ConfigFile::tr("has %1 values, %2 are required").arg(values.size()).arg(valuesPerEntry));
                return;
            }
            PRESET_ENTRY e;
            for (int k = 0; k < values.size(); ++k) {
                qint64 v = 0;
                const QString problem = checkNumber(values.at(k), 0, 65535, v);
                if (!problem.isEmpty()) {
                    st.fail(path + QStringLiteral("[%1]").arg(k), problem);
                    return;
                }
                e.append(uint16_t(v));
            }
            out.append(e);
        }
        if (!st.failed())
            items = out;
    }

    const QJsonObject &object() const { return obj; }

private:
    QJsonValue value(const char *name)
    {
        if (st.failed())
            return QJsonValue(QJsonValue::Undefined);
        const QJsonValue v = obj.value(QLatin1String(name));
        if (v.isUndefined())
            st.fail(join(at, QLatin1String(name)), ConfigFile::tr("is missing"));
        return v;
    }

    bool array(const char *name, QJsonArray &out)
    {
        const QJsonValue v = value(name);
        if (st.failed() || v.isUndefined())
            return false;
        if (!v.isArray()) {
            st.fail(join(at, QLatin1String(name)), ConfigFile::tr("is not a list"));
            return false;
        }
        out = v.toArray();
        return true;
    }

    bool withinMax(const char *name, const QJsonArray &a, int max)
    {
        if (a.size() <= max)
            return true;
        st.fail(join(at, QLatin1String(name)),
                ConfigFile::tr("has %1 entries, at most %2 are allowed").arg(a.size()).arg(max));
        return false;
    }

    QString itemPath(const char *name, int i) const
    {
        return join(at, QLatin1String(name)) + QStringLiteral("[%1]").arg(i);
    }

    template <typename R, typename F>
    void readItem(const QJsonArray &a, const char *name, int i, R &item, F visitItem)
    {
        const QString path = itemPath(name, i);
        if (!a.at(i).isObject()) {
            st.fail(path, ConfigFile::tr("is not an object"));
            return;
        }
        R r = item;
        JsonIn in(a.at(i).toObject(), st, path);
        visitItem(in, r);
        if (!st.failed())
            item = r;
    }

    template <typename R, typename F, typename C>
    void readList(const char *name, QList<R> &items, int max, F visitItem, C check)
    {
        QJsonArray a;
        if (!array(name, a) || !withinMax(name, a, max))
            return;
        QList<R> out;
        for (int i = 0; i < a.size() && !st.failed(); ++i) {
            R r{};
            readItem(a, name, i, r, visitItem);
            if constexpr (!std::is_same_v<C, std::nullptr_t>) {
                if (!st.failed())
                    check(r, i);
            }
            out.append(r);
        }
        if (!st.failed())
            items = out;
    }

    const QJsonObject obj;
    ReadState &st;
    QString at;
};

bool readDevice(const QJsonValue &value, int index, ConfigDevice &out, QString *error)
{
    const QString where = QStringLiteral("devices[%1]").arg(index);
    if (!value.isObject()) {
        *error = where + QStringLiteral(": ") + ConfigFile::tr("is not an object");
        return false;
    }
    const QJsonObject o = value.toObject();
    ReadState st;
    JsonIn in(o, st, QString());
    qint64 type = -1;
    if (!in.number("type", std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), type)) {
        *error = where + QStringLiteral(": ") + st.error;
        return false;
    }
    if (!isSupportedType(int(type))) {
        *error = where + QStringLiteral(": type: ") +
                 ConfigFile::tr("%1 is not a supported device type (%2)").arg(type).arg(modelName(int(type)));
        return false;
    }
    ConfigDevice d;
    INFO_BASIC &b = isGwType(int(type)) ? static_cast<INFO_BASIC &>(d.gw) : static_cast<INFO_BASIC &>(d.ks);
    b.type = int32_t(type);
    in.text("name", b.name);
    // From here on the device is named by its model and name.
    const QString label = where + QStringLiteral(" (%1)").arg(d.label());
    QString model, address;
    if (in.text("model", model) && model != modelName(b.type))
        st.fail(QStringLiteral("model"), ConfigFile::tr("\"%1\" does not match type %2 (%3)")
                                             .arg(model)
                                             .arg(b.type)
                                             .arg(modelName(b.type)));
    static const QRegularExpression hex24(QStringLiteral("^[0-9a-f]{24}$"));
    if (in.text("cpuid", b.cpuid) && !hex24.match(b.cpuid).hasMatch())
        st.fail(QStringLiteral("cpuid"),
                ConfigFile::tr("\"%1\" is not 24 lower-case hexadecimal digits").arg(b.cpuid));
    in.text("version", b.version);
    in("hasUsb", b.hasUsb);
    in("hasSdi", b.hasSdi);
    qint64 link = 0;
    if (in.number("linkType", 0, 2, link))
        b.linkType = uint32_t(link);
    if (in.text("address", address) && !address.isEmpty()) {
        b.address = QHostAddress(address);
        if (b.address.isNull())
            st.fail(QStringLiteral("address"), ConfigFile::tr("\"%1\" is not an IP address").arg(address));
    }
    in.text("portName", d.portName);
    if (d.isGw())
        RecordFields::visitSettings(in, d.gw);
    else
        RecordFields::visitSettings(in, d.ks);
    if (st.failed()) {
        *error = label + QStringLiteral(": ") + st.error;
        return false;
    }
    out = d;
    return true;
}

QString parseProblem(const QByteArray &data, const QJsonParseError &pe)
{
    if (data.trimmed().isEmpty())
        return ConfigFile::tr("The file is empty.");
    if (pe.offset >= data.trimmed().size())
        return ConfigFile::tr("The file ends early at byte %1: it is truncated.").arg(pe.offset);
    return ConfigFile::tr("The file is not valid JSON: %1 at byte %2.").arg(pe.errorString()).arg(pe.offset);
}

} // namespace

QByteArray ConfigFile::toJson(const ConfigDocument &doc)
{
    QJsonArray devices;
    for (const ConfigDevice &d : doc.devices)
        devices.append(writeDevice(d));
    const QDateTime t = doc.readBackTime.toUTC();
    const QJsonObject root{
        {QStringLiteral("format"), doc.format},
        {QStringLiteral("application"), doc.application},
        {QStringLiteral("readBackTime"), t.isValid() ? t.toString(Qt::ISODate) : QString()},
        {QStringLiteral("devices"), devices},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ConfigFile::checkFormat(int fileFormat, int readsUpTo, QString *error)
{
    if (fileFormat >= 1 && fileFormat <= readsUpTo)
        return true;
    if (error) {
        *error = fileFormat < 1
                     ? ConfigFile::tr("The file gives format %1, which no version of this program writes.")
                           .arg(fileFormat)
                     : ConfigFile::tr("The file is of format %1, this program reads up to %2.")
                           .arg(fileFormat)
                           .arg(readsUpTo);
    }
    return false;
}

bool ConfigFile::migrate(QJsonObject &root, int fromFormat, QString *error)
{
    // One step per format: step f rewrites a file of format f into format f + 1. There is only
    // format 1 so far, so there is no step yet.
    for (int f = fromFormat; f < ConfigDocument::CurrentFormat; ++f) {
        switch (f) {
        default:
            if (error)
                *error =
                    ConfigFile::tr("The file is of format %1, which this program cannot convert.").arg(f);
            return false;
        }
    }
    root.insert(QStringLiteral("format"), ConfigDocument::CurrentFormat);
    return true;
}

bool ConfigFile::fromJson(const QByteArray &data, ConfigDocument *doc, QString *error)
{
    QString dummy;
    QString &err = error ? *error : dummy;
    QJsonParseError pe;
    const QJsonDocument json = QJsonDocument::fromJson(data, &pe);
    if (pe.error != QJsonParseError::NoError) {
        err = parseProblem(data, pe);
        return false;
    }
    QJsonObject root = json.object();
    const QJsonValue format = root.value(QStringLiteral("format"));
    if (!json.isObject() || !format.isDouble() || format.toDouble() != std::floor(format.toDouble())) {
        err = ConfigFile::tr("The file is not a configuration file: it has no format number.");
        return false;
    }
    const double f = format.toDouble();
    const int fileFormat = f > 1e6 ? 1000000 : f < -1e6 ? -1000000 : int(f);
    if (!checkFormat(fileFormat, ConfigDocument::CurrentFormat, &err) || !migrate(root, fileFormat, &err))
        return false;

    ConfigDocument out;
    out.format = ConfigDocument::CurrentFormat;
    ReadState st;
    JsonIn in(root, st, QString());
    in.text("application", out.application);
    QString time;
    if (in.text("readBackTime", time) && !time.isEmpty()) {
        out.readBackTime = QDateTime::fromString(time, Qt::ISODate);
        if (!out.readBackTime.isValid())
            st.fail(QStringLiteral("readBackTime"),
                    ConfigFile::tr("\"%1\" is not a date and time").arg(time));
        out.readBackTime = out.readBackTime.toUTC();
    }
    const QJsonValue devices = root.value(QStringLiteral("devices"));
    if (!st.failed() && !devices.isArray())
        st.fail(QStringLiteral("devices"),
                devices.isUndefined() ? ConfigFile::tr("is missing") : ConfigFile::tr("is not a list"));
    if (!st.failed() && devices.toArray().size() > RecordFields::Limit::Devices)
        st.fail(QStringLiteral("devices"), ConfigFile::tr("has %1 entries, at most %2 are allowed")
                                               .arg(devices.toArray().size())
                                               .arg(RecordFields::Limit::Devices));
    if (st.failed()) {
        err = st.error;
        return false;
    }
    const QJsonArray list = devices.toArray();
    for (int i = 0; i < list.size(); ++i) {
        ConfigDevice d;
        if (!readDevice(list.at(i), i, d, &err))
            return false;
        for (int k = 0; k < out.devices.size(); ++k) {
            if (out.devices[k].basic().cpuid == d.basic().cpuid) {
                err = QStringLiteral("devices[%1] (%2): cpuid: ").arg(i).arg(d.label()) +
                      ConfigFile::tr("\"%1\" is also the cpuid of devices[%2]").arg(d.basic().cpuid).arg(k);
                return false;
            }
        }
        out.devices.append(d);
    }
    if (doc)
        *doc = out;
    return true;
}

bool ConfigFile::save(const QString &path, const ConfigDocument &doc, QString *error)
{
    QSaveFile file(path);
    const QByteArray data = toJson(doc);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = ConfigFile::tr("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool ConfigFile::load(const QString &path, ConfigDocument *doc, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = ConfigFile::tr("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    // A configuration file of a few walls stays far below this; anything larger is not one.
    constexpr qint64 MaxBytes = 64 * 1024 * 1024;
    if (file.size() > MaxBytes) {
        if (error)
            *error = ConfigFile::tr("%1 is too large to be a configuration file.").arg(path);
        return false;
    }
    return fromJson(file.readAll(), doc, error);
}
