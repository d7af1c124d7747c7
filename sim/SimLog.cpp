#include "SimLog.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>

QFile *SimLog::s_file = nullptr;

bool SimLog::open(const QString &path)
{
    close();
    auto *f = new QFile(path);
    if (!f->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        delete f;
        return false;
    }
    s_file = f;
    return true;
}

void SimLog::close()
{
    delete s_file;
    s_file = nullptr;
}

bool SimLog::isOpen()
{
    return s_file != nullptr;
}

void SimLog::frame(const QString &device, const QString &transport, const char *dir, const QByteArray &bytes,
                   const QString &note)
{
    if (!s_file)
        return;
    const bool rx = qstrcmp(dir, "rx") == 0;
    const int cmdAt = rx ? 4 : 2;
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    QJsonObject o{{"time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                  {"us", double(std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count())},
                  {"device", device},
                  {"transport", transport},
                  {"dir", QString::fromLatin1(dir)},
                  {"hex", QString::fromLatin1(bytes.toHex())},
                  {"cmd", bytes.size() > cmdAt ? int(uint8_t(bytes.at(cmdAt))) : -1},
                  {"sub", bytes.size() > cmdAt + 1 ? int(uint8_t(bytes.at(cmdAt + 1))) : -1}};
    if (!note.isEmpty())
        o.insert("note", note);
    s_file->write(QJsonDocument(o).toJson(QJsonDocument::Compact));
    s_file->write("\n");
    s_file->flush();
}
