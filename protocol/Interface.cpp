#include "Interface.h"

#include "CommandFrame.h"

Interface::Interface(const QString &cpuid, QObject *parent) : QObject(parent), m_cpuid(cpuid) {}

Interface::~Interface() = default;

QByteArray Interface::requestFrame(uint8_t cmd, uint8_t sub)
{
    return CommandFrame(cmd, sub).pack();
}

void Interface::sendRequest(uint8_t cmd, uint8_t sub)
{
    emit emitSendData(requestFrame(cmd, sub));
}

void Interface::readPanel()
{
    sendRequest(0xE1);
}

void Interface::readOutputMode()
{
    sendRequest(0xE1, 0x01);
}

void Interface::readWindows()
{
    sendRequest(0xE2);
}

void Interface::readInputCrop()
{
    sendRequest(0xE3);
}

void Interface::readInputSignals()
{
    sendRequest(0xE4);
}

void Interface::readImageQuality()
{
    sendRequest(0xE5);
}

void Interface::readImageAdvanced()
{
    sendRequest(0xE5, 0x01);
}

void Interface::readPresets()
{
    sendRequest(0xE6);
}

void Interface::readMosaic()
{
    sendRequest(0xE8);
}

void Interface::readTimeTasks()
{
    sendRequest(0xE9);
}

void Interface::readEDID()
{
    sendRequest(0xEA);
}

void Interface::readChromaKey()
{
    sendRequest(0xEB);
}

void Interface::readBorder()
{
    sendRequest(0xEC);
}

void Interface::readOutputEnhance()
{
    sendRequest(0xED);
}

void Interface::readOtherSetting()
{
    sendRequest(0xEE);
}

void Interface::readAll()
{
    sendRequest(0xEF);
}
