// Panels, windows and device announcements the UI tests build devices from. Header-only.
#pragma once

#include "Records.h"

#include <QSignalSpy>

namespace UiC {
inline INFO_PANEL panel(int id, int x, int y, int w, int h)
{
    INFO_PANEL p;
    p.id = p.index = uint16_t(id);
    p.x = uint16_t(x);
    p.y = uint16_t(y);
    p.width = uint16_t(w);
    p.height = uint16_t(h);
    p.rate = 60;
    return p;
}

inline INFO_WINDOW window(int id, int x, int y, int w, int h, int src = 0)
{
    INFO_WINDOW r;
    r.winId = uint16_t(id);
    r.x = uint16_t(x);
    r.y = uint16_t(y);
    r.width = uint16_t(w);
    r.height = uint16_t(h);
    r.srcId = 1;
    r.param2 = uint16_t(src);
    return r;
}

// The 12 id bytes of device `n`: `first`, ten zero bytes, n.
inline QByteArray idBytes(int n, char first = 0x30)
{
    QByteArray id(12, '\0');
    id[0] = first;
    id[11] = char(n);
    return id;
}

// A device's answer to the search: type, flags, the id, version and name with their lengths.
inline QByteArray announcement(int type, const QByteArray &id, const QByteArray &version = "V1.0",
                               const QByteArray &name = "dev")
{
    return QByteArray(1, char(type)) + QByteArray(1, char(0x01)) + QByteArray(1, '\0') + id
        + char(version.size()) + version + char(name.size()) + name + QByteArray(1, '\0');
}

// Byte `i` of a frame as a number.
inline int at(const QByteArray &f, int i) { return uint8_t(f.at(i)); }
inline int u16(const QByteArray &f, int i) { return at(f, i) | (at(f, i + 1) << 8); }

// The frames a spy on a send signal caught, those with command `cmd` only when it is given.
inline QList<QByteArray> frames(const QSignalSpy &spy, int cmd = -1)
{
    QList<QByteArray> out;
    for (const QList<QVariant> &args : spy) {
        const QByteArray f = args.at(0).toByteArray();
        if (cmd < 0 || (f.size() > 6 && at(f, 4) == cmd))
            out << f;
    }
    return out;
}
} // namespace UiC
