// Shared pieces of the fuzz targets: a quiet message handler and a cursor over the fuzz input.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace FuzzSupport {
// The decoders write debug lines for every item; they would drown the fuzzer's own output.
inline void silenceQt()
{
    static bool done = false;
    if (!done) {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        done = true;
    }
}

// Reads values off the front of the input; 0 once it is used up.
class Cursor
{
public:
    Cursor(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    size_t left() const { return m_size - m_pos; }
    uint8_t u8() { return atEnd() ? 0 : m_data[m_pos++]; }
    int u16() { return u8() | (u8() << 8); }
    // A signed value in a range that reaches past every table edge.
    int small() { return int(int8_t(u8())); }
    QByteArray bytes(size_t count)
    {
        count = qMin(count, left());
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), int(count));
        m_pos += count;
        return out;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

inline void check(bool condition)
{
    if (!condition)
        abort();
}
} // namespace FuzzSupport
