// Builders for the records and host frames the user-interface tests fill dialogs with and expect
// on the interfaces' emitSendData.
#pragma once

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "Records.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <initializer_list>
#include <memory>

class QSignalSpy;

namespace RecordBuilders {
// The 23-byte host frame: sync, length, command, sub-command, the parameter bytes from byte 6
// given as hex text ("02 6400 3200"; the rest zero) and the additive checksum.
QByteArray hostFrame(uint8_t cmd, uint8_t sub, const char *params = "");
// The same with the parameter bytes as numbers, each taken modulo 256.
QByteArray hostFrame(uint8_t cmd, uint8_t sub, std::initializer_list<int> params);
// The first argument (the frame) of every emission a spy on emitSendData caught, in order.
QList<QByteArray> sentFrames(const QSignalSpy &spy);

INFO_INPUTCROP inputCrop(int index, int enable, int x, int y, int width, int height);
// Window 1 in unit mode with h × v units at `position`.
INFO_MOSAIC mosaicUnits(int h, int v, int position);
INFO_PANEL outputPanel(int index, int width, int height, int rate);
// `count` windows at the dialog defaults: 50 everywhere, sharpness 12, offsets 0.
QList<INFO_IMAGE_QUALITY> imageQualityList(int count);
// `count` advanced records with distinct values in every group so a mix-up shows.
QList<INFO_IMAGE_ADVANCED> imageAdvancedList(int count);
INFO_EDID edid(int srcId, int width, int height, int rate);

// A KS-set device record: `panels` panels of 1920 x 1080 side by side, one window per entry of
// `inputs` (window i at panel i's place, showing that source id), presets as given (from 0).
std::shared_ptr<DEVICE_INFO_KS> ksWall(const QString &cpuid, int type, const QString &name, int panels,
                                       const QList<int> &inputs, const QList<int> &presets = {});
// A GW device record with `outputCards` and `inputCards` cards, 2 x 2 areas of 1920 x 1080 and one
// window per entry of `inputs` (input numbers from 0) on layer i + 1.
std::shared_ptr<DEVICE_INFO_GW> gwWall(const QString &cpuid, const QString &name, int outputCards,
                                       int inputCards, const QList<int> &inputs);
} // namespace RecordBuilders
