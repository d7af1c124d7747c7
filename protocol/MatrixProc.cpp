#include "MatrixProc.h"

#include "CommandFrame.h"

#include <QDebug>

namespace GW5 {

bool operator==(const WindowRecord &a, const WindowRecord &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height && a.srcX == b.srcX
        && a.srcY == b.srcY && a.srcW == b.srcW && a.srcH == b.srcH && a.winId == b.winId && a.area == b.area
        && a.b18 == b.b18 && a.flag == b.flag && a.layer == b.layer && a.source == b.source
        && a.transparency == b.transparency;
}

bool AreaRecord::sameMarks(const AreaRecord &o) const
{
    for (int i = 0; i < PortsPerCard; ++i)
        if (marks[i] != o.marks[i])
            return false;
    return true;
}

MatrixProc::MatrixProc(QObject *parent) : QObject(parent) {}

MatrixProc::~MatrixProc()
{
    qDebug() << "GW5::MatrixProc::~MatrixProc" << "begin";
    qDebug() << "GW5::MatrixProc::~MatrixProc" << "end";
}

QSize MatrixProc::presetSize(int) { return QSize(64, 64); }
void MatrixProc::updateOtherSetting(uint8_t, uint8_t) {}
void MatrixProc::updatePanel(int, uint16_t, uint16_t, uint16_t, uint16_t) {}
void MatrixProc::updateResolution(uint16_t, uint16_t, uint16_t, uint16_t, uint8_t, uint8_t, uint8_t) {}
void MatrixProc::updateMapping(const INFO_MAPPING &) {}
void MatrixProc::updateWindow(int, uint16_t, uint16_t, uint16_t, uint16_t, uint8_t, uint8_t, uint8_t) {}
void MatrixProc::updatePortPiece(int, uint16_t, uint16_t, uint16_t, uint16_t, int) {}
void MatrixProc::updateCrop(int, uint8_t, uint16_t, uint16_t, uint16_t, uint16_t) {}
void MatrixProc::updatePortCrop(int, uint8_t, uint16_t, uint16_t, uint16_t, uint16_t) {}
void MatrixProc::updateInputSignal(int, uint16_t, uint16_t, uint8_t) {}
void MatrixProc::updateInputPresence(int, bool) {}
void MatrixProc::switchInput(int, int) {}
void MatrixProc::reset() {}
int MatrixProc::openWindow(int, int, int, int, int, int) { return -1; }
int MatrixProc::moveWindow(int, int, int, int, int, int) { return -1; }
int MatrixProc::removeWindow(int) { return -1; }
int MatrixProc::setWindowsGeometry(int, int, int, int, int, int) { return -1; }
int MatrixProc::setWindowCrop(int, int, int, int, int, int) { return -1; }
int MatrixProc::setOutputMapping(int, int) { return -1; }
int MatrixProc::setAreaGeometry(int, int, int, int, int) { return -1; }
int MatrixProc::setOutputResolution(int, int, int, int) { return -1; }
int MatrixProc::setAreaLayout(int, int, int) { return -1; }
WindowRecord MatrixProc::window(int) const { return {}; }
WindowRecord MatrixProc::port(int) const { return {}; }
AreaRecord MatrixProc::area(int) const { return {}; }
InputRecord MatrixProc::input(int) const { return {}; }
INFO_MAPPING MatrixProc::mapping(int) const { return {}; }

} // namespace GW5
