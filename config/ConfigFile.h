// Reads and writes configuration files: one JSON document per file (see
// docs/configuration-file.md). The writer is deterministic: the same device state gives the same
// bytes apart from identity and time (keys in a fixed order, keyed lists in key order, live
// status left out). Files are written atomically. The reader checks everything and either
// returns a whole document or none, with a message that names the device and the field.
#pragma once

#include "ConfigDocument.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

class ConfigFile
{
    Q_DECLARE_TR_FUNCTIONS(ConfigFile)

public:
    static QByteArray toJson(const ConfigDocument &doc);
    // False, `doc` untouched and a translated message in `error` when anything is wrong.
    static bool fromJson(const QByteArray &data, ConfigDocument *doc, QString *error);

    // Writes through a temporary file that replaces `path` only when it is complete.
    static bool save(const QString &path, const ConfigDocument &doc, QString *error);
    static bool load(const QString &path, ConfigDocument *doc, QString *error);

    // A program that reads formats up to `readsUpTo` accepts a file of `fileFormat` when it is
    // between 1 and `readsUpTo`; older formats are brought up to date by migrate().
    static bool checkFormat(int fileFormat, int readsUpTo, QString *error);
    // Rewrites the JSON of a file of `fromFormat` into the current format, one format at a time.
    static bool migrate(QJsonObject &root, int fromFormat, QString *error);
};
