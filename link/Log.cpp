#include "Log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

QString logFilePath()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    QFileInfo dirInfo(appDir);
    if (!appDir.isEmpty() && dirInfo.isDir() && dirInfo.isWritable())
        return QDir(appDir).filePath(QStringLiteral("log.txt"));
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dataDir.isEmpty())
        return QString();
    QDir().mkpath(dataDir);
    return QDir(dataDir).filePath(QStringLiteral("log.txt"));
}

void writeLog(const QString &text)
{
    const QString path = logFilePath();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    out << QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ----- "))
        << text << '\n';
}
