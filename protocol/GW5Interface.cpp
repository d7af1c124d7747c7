#include "GW5Interface.h"

#include "CommandFrame.h"

#include <QDebug>

GW5Interface::GW5Interface(const QString &cpuid, QObject *parent)
    : Interface(cpuid, parent), m_matrix(new GW5::MatrixProc(this))
{
    connect(m_matrix, &GW5::MatrixProc::emitSendData, this, &Interface::emitSendData);
    connect(m_matrix, &GW5::MatrixProc::emitAutoRemoveWindow, this, &GW5Interface::emitAutoRemoveWindow);
}

GW5Interface::~GW5Interface()
{
    qDebug() << "GW5Interface::~GW5Interface";
}

void GW5Interface::handleFrame(QString, RECV_PROTOCOL, QByteArray) {}
int GW5Interface::openWindow(int, int, int, int, int, int) { return -1; }
int GW5Interface::removeWindow(int) { return -1; }
int GW5Interface::moveWindow(int, int, int, int, int, int) { return -1; }
int GW5Interface::setWindowsGeometry(int, int, int, int, int, int) { return -1; }
int GW5Interface::setWindowCrop(int, int, int, int, int, int) { return -1; }
void GW5Interface::setOutputHold(int) {}
void GW5Interface::switchInput(int, int) {}
void GW5Interface::loadPreset(int) {}
void GW5Interface::loadTemplate(int) {}
void GW5Interface::savePreset(int) {}
void GW5Interface::factoryReset() {}
void GW5Interface::setImageItem(int, int, int) {}
void GW5Interface::resetImageQuality(int) {}
void GW5Interface::setWindowTransparency(int, int) {}
void GW5Interface::setEdidResolution(int, int, int, int) {}
void GW5Interface::setFreeze(int) {}
void GW5Interface::setBlackScreen(int) {}
int GW5Interface::setOutputResolution(int, int, int, int) { return -1; }
int GW5Interface::setAreaGeometry(int, int, int, int, int) { return -1; }
int GW5Interface::setAreaLayout(int, int, int) { return -1; }
int GW5Interface::setOutputMapping(int, int) { return -1; }
void GW5Interface::send(uint8_t, uint8_t, std::initializer_list<int>) {}
int GW5Interface::lastItem(const QByteArray &, int) { return -1; }
