// A device reached the way the application reaches it, without the user interface: a
// CommManager TCP link to one vpsim device, its family's protocol interface, and a device record
// kept filled from the interface's signals (what the main window's receivers store). For tests
// and benchmarks of configuration files until the device hub takes this over.
#pragma once

#include "CommManager.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "Interface.h"

#include <QHostAddress>
#include <memory>

class ReadBackLink
{
public:
    ReadBackLink(const QHostAddress &address, const QString &cpuid, int type, quint16 port = 61213);
    ~ReadBackLink();

    bool isConnected() const;
    Interface *interface() const { return iface.get(); }
    // The record of the device's family.
    INFO_BASIC &record();

    // Empties the record, sends the full read-back and waits for its end; false on timeout.
    bool readBack(int timeoutMs = 15000);
    // Waits until the device has answered everything sent so far (a read of the other
    // settings goes last and is awaited).
    bool settle(int timeoutMs = 15000);

private:
    void connectKs();
    void connectGw();

    CommManager comm;
    uint key = 0;
    std::unique_ptr<Interface> iface;
    DEVICE_INFO_KS ks;
    DEVICE_INFO_GW gw;
    INFO_PANEL gwResolution;
    bool hasGwResolution = false;
    int allParams = 0;
    int otherReplies = 0;
};
