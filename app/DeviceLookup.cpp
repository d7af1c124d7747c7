#include "DeviceLookup.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxProgressIndicator.h"

namespace {
DeviceLookup::RecordFn s_records;
DeviceLookup::InterfaceFn s_interfaces;
DeviceLookup::CurrentFn s_current;
DeviceLookup::WriteFn s_tcp;
DeviceLookup::WriteFn s_udp;
DeviceLookup::BusyFn s_busy;
}

void DeviceLookup::install(RecordFn records, InterfaceFn interfaces, CurrentFn current)
{
    s_records = std::move(records);
    s_interfaces = std::move(interfaces);
    s_current = std::move(current);
}

void DeviceLookup::installWriters(WriteFn tcp, WriteFn udp)
{
    s_tcp = std::move(tcp);
    s_udp = std::move(udp);
}

void DeviceLookup::installBusy(BusyFn busy)
{
    s_busy = std::move(busy);
}

void DeviceLookup::clear()
{
    s_records = nullptr;
    s_interfaces = nullptr;
    s_current = nullptr;
    s_tcp = nullptr;
    s_udp = nullptr;
    s_busy = nullptr;
}

INFO_BASIC *DeviceLookup::record(const QString &cpuid)
{
    return s_records ? s_records(cpuid) : nullptr;
}

DEVICE_INFO_KS *DeviceLookup::ksRecord(const QString &cpuid)
{
    return dynamic_cast<DEVICE_INFO_KS *>(record(cpuid));
}

DEVICE_INFO_GW *DeviceLookup::gwRecord(const QString &cpuid)
{
    return dynamic_cast<DEVICE_INFO_GW *>(record(cpuid));
}

Interface *DeviceLookup::interfaceOf(const QString &cpuid)
{
    return s_interfaces ? s_interfaces(cpuid) : nullptr;
}

KS9200Interface *DeviceLookup::ksInterface(const QString &cpuid)
{
    return dynamic_cast<KS9200Interface *>(interfaceOf(cpuid));
}

GW5Interface *DeviceLookup::gwInterface(const QString &cpuid)
{
    return dynamic_cast<GW5Interface *>(interfaceOf(cpuid));
}

QString DeviceLookup::currentCpuid()
{
    return s_current ? s_current() : QString();
}

void DeviceLookup::writeData(const QByteArray &data)
{
    if (s_tcp)
        s_tcp(data);
}

void DeviceLookup::writeDataByUDP(const QByteArray &data)
{
    if (s_udp)
        s_udp(data);
}

SxProgressIndicator *DeviceLookup::busy()
{
    return s_busy ? s_busy() : nullptr;
}

void DeviceLookup::startBusy(int stopTimeMs, bool block)
{
    if (SxProgressIndicator *b = busy()) {
        b->setStopTime(stopTimeMs);
        b->startAnimation(block);
    }
}

void DeviceLookup::stopBusy()
{
    if (SxProgressIndicator *b = busy())
        b->stopAnimation();
}
