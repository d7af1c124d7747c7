#include "RemoteValidator.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceModels.h"
#include "MatrixProc.h"

namespace {
using Checked = RemoteValidator::Checked;

Checked refuse(RemoteError::Code code, const QString &message)
{
    Checked c;
    c.error = RemoteError(code, message);
    return c;
}

QList<INFO_WINDOW> windowsOf(const INFO_BASIC &record)
{
    if (const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(&record))
        return ks->windows;
    if (const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(&record))
        return gw->windows;
    return {};
}

int gwInputCount(const DEVICE_INFO_GW &gw)
{
    return qMin(int(gw.other.other2) * GW5::PortsPerCard, GW5::Slots);
}

QString numberList(const QList<int> &numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

// The window `window` (from 1) of the record, or a refusal naming the windows there are.
Checked findWindow(const INFO_BASIC &record, int window, INFO_WINDOW *out)
{
    QList<int> present;
    for (const INFO_WINDOW &w : windowsOf(record)) {
        if (w.winId + 1 == window) {
            *out = w;
            return {};
        }
        present << w.winId + 1;
    }
    std::sort(present.begin(), present.end());
    return refuse(RemoteError::InvalidArgument,
                  QStringLiteral("window %1 does not exist on %2 (windows: %3)")
                      .arg(window)
                      .arg(RemoteValidator::label(record), numberList(present)));
}

int sourceIdOfName(int type, const QString &name)
{
    const QString upper = name.trimmed().toUpper();
    if (isGwType(type)) {
        if (!upper.startsWith(QLatin1String("INPUT")))
            return -1;
        bool ok = false;
        const QString digits = upper.mid(5);
        const int n = digits.toInt(&ok);
        return ok && !digits.startsWith(QLatin1Char('0')) && !digits.startsWith(QLatin1Char('+')) && n >= 1
                   ? n - 1
                   : -1;
    }
    return inputIdFromName(upper);
}

Checked checkSource(const RemoteCommand &c, const INFO_BASIC &record, int *srcId)
{
    const QList<int> ids = RemoteValidator::sourceIds(record);
    const int id = c.sourceName.isEmpty() ? c.sourceId : sourceIdOfName(record.type, c.sourceName);
    if (id >= 0 && ids.contains(id)) {
        *srcId = id;
        return {};
    }
    QStringList names;
    for (int i : ids)
        names << RemoteValidator::sourceName(record.type, i);
    const QString given = c.sourceName.isEmpty() ? QStringLiteral("id %1").arg(c.sourceId)
                                                 : QStringLiteral("\"%1\"").arg(c.sourceName.left(40));
    return refuse(RemoteError::InvalidArgument, QStringLiteral("source %1 is not an input of %2 (inputs: %3)")
                                                    .arg(given, RemoteValidator::label(record),
                                                         names.isEmpty() ? QStringLiteral("none reported yet")
                                                                         : names.join(QStringLiteral(", "))));
}

Checked checkRange(const QString &what, int value, int first, int last, const INFO_BASIC &record)
{
    if (value >= first && value <= last)
        return {};
    return refuse(RemoteError::InvalidArgument, QStringLiteral("%1 %2 is out of range on %3 (%4 to %5)")
                                                    .arg(what)
                                                    .arg(value)
                                                    .arg(RemoteValidator::label(record))
                                                    .arg(first)
                                                    .arg(last));
}

Checked checkGeometry(const RemoteCommand &c, const INFO_BASIC &record, QRect *rect)
{
    const int min = RemoteValidator::MinWindowSize;
    if (c.width < min || c.height < min)
        return refuse(
            RemoteError::InvalidArgument,
            QStringLiteral("window size %1 x %2 is below %3 x %3").arg(c.width).arg(c.height).arg(min));
    const QList<QRect> wall = RemoteValidator::wall(record);
    if (wall.isEmpty())
        return refuse(RemoteError::InvalidArgument,
                      QStringLiteral("%1 has reported no panels yet").arg(RemoteValidator::label(record)));
    const QRect bounds = RemoteValidator::bounds(wall);
    // Checked in 64 bits first: the values are the client's.
    const qint64 right = qint64(c.x) + c.width, bottom = qint64(c.y) + c.height;
    const bool inBounds = c.x >= bounds.left() && c.y >= bounds.top() &&
                          right <= bounds.left() + qint64(bounds.width()) &&
                          bottom <= bounds.top() + qint64(bounds.height());
    // Built only from values inside the bounds: QRect's own arithmetic would overflow otherwise.
    const QRect r = inBounds ? QRect(c.x, c.y, c.width, c.height) : QRect();
    if (!inBounds || !RemoteValidator::covers(wall, r))
        return refuse(RemoteError::InvalidArgument,
                      QStringLiteral("window at (%1, %2) size %3 x %4 does not lie on the wall of %5 "
                                     "(panels within (%6, %7) size %8 x %9)")
                          .arg(c.x)
                          .arg(c.y)
                          .arg(c.width)
                          .arg(c.height)
                          .arg(RemoteValidator::label(record))
                          .arg(bounds.x())
                          .arg(bounds.y())
                          .arg(bounds.width())
                          .arg(bounds.height()));
    *rect = r;
    return {};
}

// GW template 3: template 1 with every window whose input has no signal switched to the first
// input that has one.
QList<QPair<int, int>> gwFill(const DEVICE_INFO_GW &gw)
{
    QList<QPair<int, int>> fill;
    int first = -1;
    for (const INFO_SIGNAL_PRESENCE &p : gw.signalPresence) {
        if (p.hasSignal) {
            first = p.inputId;
            break;
        }
    }
    if (first < 0)
        return fill;
    for (int i = 0; i < gw.signalPresence.size(); ++i) {
        for (const INFO_SIGNAL_PRESENCE &p : gw.signalPresence) {
            if (p.inputId == i && !p.hasSignal) {
                fill.append({i, first});
                break;
            }
        }
    }
    return fill;
}
} // namespace

RemoteValidator::Found RemoteValidator::findDevice(const QList<RemoteDevice> &devices,
                                                   const QString &selector)
{
    Found f;
    for (int i = 0; i < devices.size(); ++i) {
        if (devices[i].cpuid.compare(selector, Qt::CaseInsensitive) == 0) {
            f.index = i;
            return f;
        }
    }
    QList<int> named;
    for (int i = 0; i < devices.size(); ++i) {
        if (devices[i].record && !devices[i].record->name.isEmpty() && devices[i].record->name == selector)
            named << i;
    }
    bool isNumber = !selector.isEmpty() && !selector.startsWith(QLatin1Char('0'));
    for (QChar ch : selector)
        isNumber = isNumber && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
    const int tab = isNumber && selector.size() <= 6 ? selector.toInt() : 0;
    const int byTab = tab >= 1 && tab <= devices.size() ? tab - 1 : -1;
    if (named.size() > 1 || (named.size() == 1 && byTab >= 0 && byTab != named[0])) {
        f.error = RemoteError(
            RemoteError::AmbiguousDevice,
            QStringLiteral("\"%1\" names more than one device; use the cpuid").arg(selector.left(40)));
        return f;
    }
    f.index = named.isEmpty() ? byTab : named[0];
    if (f.index < 0)
        f.error = RemoteError(
            RemoteError::UnknownDevice,
            QStringLiteral("no device \"%1\" (give its cpuid, its name or its tab number from 1 to %2)")
                .arg(selector.left(40))
                .arg(devices.size()));
    return f;
}

RemoteValidator::Checked RemoteValidator::check(const RemoteCommand &c, const INFO_BASIC &record)
{
    const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(&record);
    const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(&record);
    if ((!ks || !isKsType(record.type)) && (!gw || !isGwType(record.type)))
        return refuse(RemoteError::NotSupported, QStringLiteral("device type %1 (%2) is not supported")
                                                     .arg(record.type)
                                                     .arg(modelName(record.type)));
    Checked out;
    RemoteAction &a = out.action;
    a.kind = c.kind;
    a.cpuid = record.cpuid;
    a.deviceType = record.type;
    a.on = c.on;
    INFO_WINDOW window;
    if (c.window > 0 || (c.kind == RemoteCommand::SwitchInput || c.kind == RemoteCommand::SetGeometry ||
                         c.kind == RemoteCommand::FrameSync)) {
        const Checked w = findWindow(record, c.window, &window);
        if (!w.ok())
            return w;
        a.winId = window.winId;
    }
    switch (c.kind) {
    case RemoteCommand::LoadPreset:
    case RemoteCommand::SavePreset: {
        const Checked r = checkRange(QStringLiteral("preset"), c.number, 1, PresetCount, record);
        if (!r.ok())
            return r;
        a.id = c.number - 1;
        break;
    }
    case RemoteCommand::LoadTemplate: {
        const int count = templateCount(record.type);
        if (count == 0)
            return refuse(
                RemoteError::NotSupported,
                QStringLiteral("%1 (%2) has no templates").arg(label(record), modelName(record.type)));
        const Checked r = checkRange(QStringLiteral("template"), c.number, 1, count, record);
        if (!r.ok())
            return r;
        a.id = c.number - 1;
        if (gw && a.id == 2)
            a.fill = gwFill(*gw);
        break;
    }
    case RemoteCommand::SwitchInput: {
        const Checked s = checkSource(c, record, &a.srcId);
        if (!s.ok())
            return s;
        break;
    }
    case RemoteCommand::SetGeometry: {
        if (gw) {
            const int windowSlots = qBound(0, int(gw->other.outputCards), GW5::MaxCards) * GW5::PortsPerCard;
            if (a.winId >= windowSlots)
                return refuse(RemoteError::InvalidArgument,
                              QStringLiteral("window %1 of %2 lies beyond its %3 window slots")
                                  .arg(c.window)
                                  .arg(label(record))
                                  .arg(windowSlots));
            a.layer = window.param3;
        }
        const Checked g = checkGeometry(c, record, &a.rect);
        if (!g.ok())
            return g;
        break;
    }
    case RemoteCommand::Brightness: {
        const Checked r = checkRange(QStringLiteral("brightness"), c.value, 0, MaxBrightness, record);
        if (!r.ok())
            return r;
        a.value = c.value;
        if (c.window == 0)
            a.winId = AllWindows;
        break;
    }
    case RemoteCommand::TestPattern:
    case RemoteCommand::TestPatternOff: {
        const int count = testPatternCount(record.type);
        if (count == 0)
            return refuse(
                RemoteError::NotSupported,
                QStringLiteral("%1 (%2) has no test patterns").arg(label(record), modelName(record.type)));
        if (c.kind == RemoteCommand::TestPatternOff) {
            a.id = TestPatternOff;
            break;
        }
        const Checked r = checkRange(QStringLiteral("test pattern"), c.number, 0, count - 1, record);
        if (!r.ok())
            return r;
        a.id = c.number;
        break;
    }
    case RemoteCommand::BlackScreen:
    case RemoteCommand::Freeze:
    case RemoteCommand::FrameSync:
        break;
    case RemoteCommand::Devices:
    case RemoteCommand::State:
    case RemoteCommand::Subscribe:
    case RemoteCommand::Unsubscribe:
        return refuse(RemoteError::Internal,
                      QStringLiteral("%1 sends nothing to a device").arg(RemoteCommand::kindName(c.kind)));
    }
    return out;
}

int RemoteValidator::templateCount(int type)
{
    if (isGwType(type))
        return 3;
    // The template page of the input panel exists on the KS9200 and the KX models only.
    if (type == DeviceType::KS9200 || isKxType(type))
        return 10;
    return 0;
}

int RemoteValidator::testPatternCount(int type)
{
    if (isKxType(type))
        return 13;
    if (isKsType(type))
        return 61;
    return 0;
}

QList<QRect> RemoteValidator::wall(const INFO_BASIC &record)
{
    QList<INFO_PANEL> panels;
    if (const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(&record))
        panels = ks->panels;
    else if (const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(&record))
        panels = gw->panels;
    QList<QRect> rects;
    for (const INFO_PANEL &p : panels) {
        if (p.width > 0 && p.height > 0)
            rects << QRect(p.x, p.y, p.width, p.height);
    }
    return rects;
}

QRect RemoteValidator::bounds(const QList<QRect> &panels)
{
    QRect r;
    for (const QRect &p : panels)
        r |= p;
    return r;
}

bool RemoteValidator::covers(const QList<QRect> &panels, const QRect &rect)
{
    if (rect.isEmpty())
        return false;
    // Cut the rectangle along every panel edge inside it; it is covered when every cell is.
    QList<int> xs{rect.left(), rect.left() + rect.width()};
    QList<int> ys{rect.top(), rect.top() + rect.height()};
    for (const QRect &p : panels) {
        const QRect c = p.intersected(rect);
        if (c.isEmpty())
            continue;
        xs << c.left() << c.left() + c.width();
        ys << c.top() << c.top() + c.height();
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    for (int i = 0; i + 1 < xs.size(); ++i) {
        for (int j = 0; j + 1 < ys.size(); ++j) {
            bool covered = false;
            for (const QRect &p : panels)
                covered = covered || p.contains(xs[i], ys[j]);
            if (!covered)
                return false;
        }
    }
    return true;
}

QString RemoteValidator::sourceName(int type, int srcId)
{
    if (isGwType(type))
        return QStringLiteral("Input%1").arg(srcId + 1);
    return inputName(srcId);
}

QList<int> RemoteValidator::sourceIds(const INFO_BASIC &record)
{
    QList<int> ids;
    if (const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(&record)) {
        for (int i = 0; i < gwInputCount(*gw); ++i)
            ids << i;
        return ids;
    }
    for (const QString &name : inputNames(record.type, record.hasUsb, record.hasSdi))
        ids << inputIdFromName(name);
    return ids;
}

QString RemoteValidator::label(const INFO_BASIC &record)
{
    return record.name.isEmpty() ? modelName(record.type) : QStringLiteral("\"%1\"").arg(record.name);
}
