#include "CliOutput.h"

#include <cstdio>
#include <unistd.h>

namespace {
void put(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fputc('\n', stream);
    fflush(stream);
}
} // namespace

CliOutput::CliOutput() : progressOn(::isatty(STDERR_FILENO) == 1) {}

void CliOutput::result(const QString &text)
{
    put(stdout, text);
}

void CliOutput::error(const QString &text)
{
    put(stderr, QStringLiteral("vpctl: ") + text);
}

void CliOutput::warning(const QString &text)
{
    put(stderr, QStringLiteral("vpctl: warning: ") + text);
}

void CliOutput::note(const QString &text)
{
    put(stderr, QStringLiteral("vpctl: ") + text);
}

void CliOutput::progress(const QString &text)
{
    if (progressOn)
        put(stderr, text);
}

QString CliOutput::table(const QStringList &header, const QList<QStringList> &rows)
{
    QList<int> widths;
    for (const QString &h : header)
        widths << h.size();
    for (const QStringList &row : rows)
        for (int i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = qMax(widths[i], row.at(i).size());
    auto line = [&](const QStringList &cells) {
        QString out;
        for (int i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += QStringLiteral("  ");
            out += i + 1 < cells.size() ? cells.at(i).leftJustified(widths.value(i)) : cells.at(i);
        }
        // A last cell left empty would leave the padding of the one before it behind.
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        return out;
    };
    QStringList lines{line(header)};
    for (const QStringList &row : rows)
        lines << line(row);
    return lines.join(QLatin1Char('\n'));
}
