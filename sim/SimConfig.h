// What vpsim is asked to simulate: the devices (from --device options and a JSON file), their
// transports, their faults and state, and the process-wide files (frame log, state file, image
// directory). Parsing only; SimHost builds the stations.
#pragma once

#include "SimDevice.h"
#include "SimFaults.h"
#include "SimStation.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

class QCommandLineParser;

class SimConfig
{
public:
    struct DeviceEntry
    {
        SimDevice::Identity identity;
        SimStation::Setup setup;
        SimFaults faults;
        QJsonObject state;
    };

    QList<DeviceEntry> devices;
    QString logPath;
    QString stateFile;
    QString imageDir;

    // Declares every option on `parser` (for --help).
    static void addOptions(QCommandLineParser &parser);
    // Fills the configuration from a parser that has processed the arguments.
    bool load(const QCommandLineParser &parser, QString *error);

    // Type code for a model name ("KS9200", "gw5") or a number; -1 when neither.
    static int parseModel(const QString &text);
    // "MODEL[:key=value,...]" as given to --device.
    static bool parseDeviceOption(const QString &text, const SimFaults &faults, quint16 tcpPort,
                                  quint16 udpPort, int seed, DeviceEntry &out, QString *error);
    static bool parseDeviceJson(const QJsonObject &json, const SimFaults &faults, quint16 tcpPort,
                                quint16 udpPort, int seed, DeviceEntry &out, QString *error);

private:
    static QJsonObject faultOptions(const QCommandLineParser &parser, QString *error, bool *ok);
};
