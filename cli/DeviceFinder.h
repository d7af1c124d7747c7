// Finds devices for vpctl through the device hub: asks the hosts and serial ports given, searches
// (broadcast and the system's serial ports unless told not to), waits for the answers, names
// the devices found and resolves what a user typed (cpuid, name, address or port path) to one
// of them. Also reads devices back and waits for the end. Owned by Vpctl next to the hub; every
// wait runs the event loop and is bounded.
#pragma once

#include "DeviceHub.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class DeviceFinder : public QObject
{
    Q_OBJECT
public:
    static constexpr int AskAgainMs = 250;

    DeviceFinder(DeviceHub *hub, const QStringList &hosts, const QStringList &serialPorts, bool onlyGiven,
                 QObject *parent = nullptr);

    // True for text that names a device by where it is: an IPv4 address or a path.
    static bool isAddress(const QString &selector);
    // Adds the IPv4 addresses and paths among `selectors` to the hosts and ports asked.
    void askFor(const QStringList &selectors);
    bool asksAnything() const { return !hosts.isEmpty() || !ports.isEmpty(); }

    // Searches and waits `timeoutMs`, or less once every selector in `wanted` that names a cpuid
    // or an address is found (with only-given: once every host and port given answered).
    void search(int timeoutMs, const QStringList &wanted = QStringList());
    // Searches once more without waiting (vpctl serve).
    void searchAgain();
    // What the search could not reach: hosts given that nobody answered at, and the transport's
    // messages about hosts it could not resolve or reach.
    QStringList silentPlaces() const;

    // The devices the hub holds, by cpuid.
    QStringList found() const;

    struct Match
    {
        QString cpuid;
        QString error; // empty when found
    };
    // By cpuid, then name, then network address or serial port; a name shared by devices is refused.
    Match resolve(const QString &selector) const;

    // "network 10.0.0.2", "serial /dev/ttyUSB0"
    QString connection(const QString &cpuid) const;
    QString address(const QString &cpuid) const;  // the address or the port path
    QString portPath(const QString &cpuid) const; // empty unless reached over a serial port
    // `KS9200 "Hall" [cpuid]`
    QString label(const QString &cpuid) const;

    // Reads the devices back in full, one after the other, and waits for each; false with `error`
    // naming the device that is not online, lost its link or did not finish in time.
    bool readBack(const QStringList &cpuids, QString *error);

    // Waits end early once `stop` holds (e.g. SIGINT was caught).
    void setStop(std::function<bool()> stop) { stopWhen = std::move(stop); }

    // Runs the event loop until `done` holds, `timeoutMs` passes or `stop` (may be empty) holds.
    static bool waitFor(const std::function<bool()> &done, int timeoutMs,
                        const std::function<bool()> &stop = nullptr);

private:
    bool allGivenAnswered() const;
    bool answeredAt(const QString &place) const;

    DeviceHub *hub;
    QStringList hosts;
    QStringList ports;
    bool onlyGiven;
    QStringList transportMessages;
    std::function<bool()> stopWhen;
};
