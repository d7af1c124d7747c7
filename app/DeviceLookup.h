// Process-wide look-ups of device records, protocol interfaces, the two write paths and the busy
// indicator. The main window installs them once it is built; panels, dialogs and canvases use them
// to act on a device by cpuid, an empty cpuid naming the current device. Tests install their own.
// Every look-up returns null (or does nothing) until something is installed.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class INFO_BASIC;
class DEVICE_INFO_KS;
class DEVICE_INFO_GW;
class Interface;
class KS9200Interface;
class GW5Interface;
class SxProgressIndicator;

class DeviceLookup
{
public:
    using RecordFn = std::function<INFO_BASIC *(const QString &cpuid)>;
    using InterfaceFn = std::function<Interface *(const QString &cpuid)>;
    using WriteFn = std::function<void(const QByteArray &data)>;
    using BusyFn = std::function<SxProgressIndicator *()>;
    using CurrentFn = std::function<QString()>;

    // Record and interface look-ups; both get the cpuid as given (possibly empty).
    static void install(RecordFn records, InterfaceFn interfaces, CurrentFn current = CurrentFn());
    static void installWriters(WriteFn tcp, WriteFn udp);
    static void installBusy(BusyFn busy);
    // Removes everything installed (tests, tear-down).
    static void clear();

    static INFO_BASIC *record(const QString &cpuid = QString());
    static DEVICE_INFO_KS *ksRecord(const QString &cpuid = QString());
    static DEVICE_INFO_GW *gwRecord(const QString &cpuid = QString());
    static Interface *interfaceOf(const QString &cpuid = QString());
    static KS9200Interface *ksInterface(const QString &cpuid = QString());
    static GW5Interface *gwInterface(const QString &cpuid = QString());
    // The current device's cpuid; empty when there is none.
    static QString currentCpuid();

    // The two write paths to the current device: stream link (TCP or serial) and UDP.
    static void writeData(const QByteArray &data);
    static void writeDataByUDP(const QByteArray &data);

    // The main window's busy indicator; null when there is none.
    static SxProgressIndicator *busy();
    // Starts the busy indicator with the given stop time, modelessly unless block is set.
    static void startBusy(int stopTimeMs, bool block = false);
    static void stopBusy();
};
