// The fields of the device records by name, as the configuration file spells them: one function
// per record that hands each member to a visitor (the file writer, the file reader). The names are
// the records' member names; values stay in the records' units.
//
// A visitor offers:
//   v(name, integerMember)                      one number
//   v.record(name, subRecord)                   a nested object
//   v.fixedArray(name, pointer, count)          exactly `count` objects
//   v.list(name, QList<T>, max)                 at most `max` objects, in the record's order
//   v.keyedList(name, QList<T>, max, key)       at most `max` objects, one per key, in key order
//   v.entries(name, QList<PRESET_ENTRY>, max, valuesPerEntry)
//                                               preset and template entries as arrays of numbers
// Live status that is not configuration (input signals, signal presence, link keys, online) is
// not visited.
#pragma once

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "Records.h"

namespace RecordFields {

// List limits: what one reply can carry (KS lists) or what the key space and the chassis allow
// (lists the store fills one record at a time). A device read back never exceeds them.
namespace Limit {
constexpr int KsPanels = 22;
constexpr int KsWindows = 18;
constexpr int KsInputCrops = 24;
constexpr int KsImageQuality = 22;
constexpr int KsEdid = 40;
constexpr int KsChromaKeys = 30;
constexpr int KsBorders = 20;
constexpr int KsOutputEnhance = 122;
constexpr int ByteKeys = 256;  // one entry per value of a one-byte key
constexpr int PresetIds = 255; // a one-byte id, 0xFF (-1) never stored
constexpr int KsEntries = 30;  // panel + window entries of one preset or template reply
constexpr int GwSlots = 32;    // output ports, display areas, windows, inputs of a GW chassis
constexpr int GwPresetPanels = 27;
constexpr int GwPresetWindows = 24;
constexpr int KsEntryValues = 4;
constexpr int GwPresetPanelValues = 5;
constexpr int GwPresetWindowValues = 6;
constexpr int Devices = 64;
} // namespace Limit

template <typename V> void visit(V &v, INFO_PANEL &r)
{
    v("id", r.id);
    v("x", r.x);
    v("y", r.y);
    v("width", r.width);
    v("height", r.height);
    v("rate", r.rate);
    v("index", r.index);
    v("resWidth", r.resWidth);
    v("resHeight", r.resHeight);
    v("row", r.row);
    v("col", r.col);
    v("arrangement", r.arrangement);
}

template <typename V> void visit(V &v, INFO_PANEL_OTHERSETTING &r)
{
    v("mode", r.mode);
    v("mode2", r.mode2);
    v("value1", r.value1);
    v("value2", r.value2);
    v("value3", r.value3);
    v("value4", r.value4);
    v("value5", r.value5);
    v("value6", r.value6);
}

template <typename V> void visit(V &v, INFO_WINDOW &r)
{
    v("flag0", r.flag0);
    v("flag1", r.flag1);
    v("flag2", r.flag2);
    v("rotate", r.rotate);
    v("winId", r.winId);
    v("srcId", r.srcId);
    v("x", r.x);
    v("y", r.y);
    v("width", r.width);
    v("height", r.height);
    v("param1", r.param1);
    v("param2", r.param2);
    v("param3", r.param3);
}

template <typename V> void visit(V &v, INFO_INPUTCROP &r)
{
    v("index", r.index);
    v("enable", r.enable);
    v("x", r.x);
    v("y", r.y);
    v("width", r.width);
    v("height", r.height);
}

template <typename V> void visit(V &v, INFO_IMAGE_QUALITY &r)
{
    v("index", r.index);
    v("brightness", r.brightness);
    v("contrast", r.contrast);
    v("sharpness", r.sharpness);
    v("hue", r.hue);
    v("saturation", r.saturation);
    v("gamma", r.gamma);
    v("redOffset", r.redOffset);
    v("greenOffset", r.greenOffset);
    v("blueOffset", r.blueOffset);
    v("redGain", r.redGain);
    v("greenGain", r.greenGain);
    v("blueGain", r.blueGain);
}

template <typename V> void visit(V &v, RGBCMY &r)
{
    v("red", r.red);
    v("green", r.green);
    v("blue", r.blue);
    v("cyan", r.cyan);
    v("magenta", r.magenta);
    v("yellow", r.yellow);
}

template <typename V> void visit(V &v, INFO_IMAGE_ADVANCED &r)
{
    v("winId", r.winId);
    v("colorTempMode", r.colorTempMode);
    v("colorTempRed", r.colorTempRed);
    v("colorTempGreen", r.colorTempGreen);
    v("colorTempBlue", r.colorTempBlue);
    v("colorMode", r.colorMode);
    v.fixedArray("rgbcmy", r.rgbcmy, 3);
    v("clearVision", r.clearVision);
    v("luminance", r.luminance);
    v("skinTone", r.skinTone);
    v("gaussianBlur", r.gaussianBlur);
    v("colorGamut", r.colorGamut);
    v("inRange", r.inRange);
    v("inFMT", r.inFMT);
    v("winFMT", r.winFMT);
}

template <typename V> void visit(V &v, INFO_MOSAIC &r)
{
    v("winId", r.winId);
    v("enable", r.enable);
    v("mode", r.mode);
    v("p3", r.p3);
    v("p4", r.p4);
    v("p5", r.p5);
    v("p6", r.p6);
    v("hUnits", r.hUnits);
    v("vUnits", r.vUnits);
    v("unitIndex", r.unitIndex);
    v("totalWidth", r.totalWidth);
    v("totalHeight", r.totalHeight);
    v("startX", r.startX);
    v("startY", r.startY);
}

template <typename V> void visit(V &v, INFO_TIME_TASK &r)
{
    v("state", r.state);
    v("taskType", r.taskType);
    v("index", r.index);
    v("year", r.year);
    v("month", r.month);
    v("day", r.day);
    v("hour", r.hour);
    v("minute", r.minute);
    v("second", r.second);
    v("target", r.target);
    v("p10", r.p10);
    v("p12", r.p12);
    v("p14", r.p14);
}

template <typename V> void visit(V &v, INFO_EDID &r)
{
    v("srcId", r.srcId);
    v("rate", r.rate);
    v("width", r.width);
    v("height", r.height);
}

template <typename V> void visit(V &v, INFO_CHROMA &r)
{
    v("winId", r.winId);
    v("mode", r.mode);
    v("enable", r.enable);
    v("presetColor", r.presetColor);
    v("rgbFilter1", r.rgbFilter1);
    v("rgbFilter2", r.rgbFilter2);
    v("red", r.red);
    v("green", r.green);
    v("blue", r.blue);
}

template <typename V> void visit(V &v, INFO_BORDER &r)
{
    v("enable", r.enable);
    v("color", r.color);
    v("x", r.x);
    v("y", r.y);
    v("width", r.width);
    v("height", r.height);
    v("thickness", r.thickness);
}

template <typename V> void visit(V &v, INFO_OUTPUT_ENHANCE &r)
{
    v("index", r.index);
    v("value", r.value);
}

template <typename V> void visit(V &v, INFO_OTHER_KS9200 &r)
{
    v("audioMode", r.audioMode);
    v("audioWindow", r.audioWindow);
    v("mute", r.mute);
    v("volume", r.volume);
    v("other4", r.other4);
    v("pip", r.pip);
    v("freeze", r.freeze);
    v("switchMode", r.switchMode);
    v("fadePeriod", r.fadePeriod);
    v("blackScreen", r.blackScreen);
    v("frameSync", r.frameSync);
    v("other11", r.other11);
    v("bgEnable", r.bgEnable);
    v("other13", r.other13);
    v("bgRed", r.bgRed);
    v("bgGreen", r.bgGreen);
    v("bgBlue", r.bgBlue);
    v("other17", r.other17);
    v("other18", r.other18);
    v("other19", r.other19);
}

template <typename V> void visit(V &v, INFO_MAPPING &r)
{
    v("port", r.port);
    v("area", r.area);
    v("other2", r.other2);
    v("other3", r.other3);
    v("other4", r.other4);
    v("other5", r.other5);
}

template <typename V> void visit(V &v, INFO_OTHER_GW5 &r)
{
    v("other0", r.other0);
    v("outputCards", r.outputCards);
    v("other2", r.other2);
    v("freeze", r.freeze);
    v("blackScreen", r.blackScreen);
    v("frameSync", r.frameSync);
}

// Presets and templates: the entry layout depends on the family, so the device visitors below
// hand the entry sizes in.
template <typename V>
void visitPreset(V &v, INFO_PRESET &r, int panelValues, int panelMax, int windowValues, int windowMax)
{
    v("id", r.id);
    v("group", r.group);
    v.entries("panels", r.panels, panelMax, panelValues);
    v.entries("windows", r.windows, windowMax, windowValues);
}

template <typename V> void visitTemplate(V &v, INFO_TEMPLATE &r)
{
    v("templateId", r.templateId);
    v("group", r.group);
    v.entries("panels", r.panels, Limit::KsEntries, Limit::KsEntryValues);
    v.entries("windows", r.windows, Limit::KsEntries, Limit::KsEntryValues);
}

template <typename V> void visitSettings(V &v, DEVICE_INFO_KS &r)
{
    v.list("panels", r.panels, Limit::KsPanels);
    v.list("windows", r.windows, Limit::KsWindows);
    v.list("imageQuality", r.imageQuality, Limit::KsImageQuality);
    v.list("inputCrops", r.inputCrops, Limit::KsInputCrops);
    v.keyedList(
        "presets", r.presets, Limit::PresetIds, [](const INFO_PRESET &p) { return int(p.id); },
        [](V &sub, INFO_PRESET &p) {
            visitPreset(sub, p, Limit::KsEntryValues, Limit::KsEntries, Limit::KsEntryValues,
                        Limit::KsEntries);
        });
    v.keyedList(
        "templates", r.templates, Limit::ByteKeys, [](const INFO_TEMPLATE &t) { return int(t.templateId); },
        [](V &sub, INFO_TEMPLATE &t) { visitTemplate(sub, t); });
    v.keyedList("mosaics", r.mosaics, Limit::ByteKeys, [](const INFO_MOSAIC &m) { return int(m.winId); });
    v.fixedArray("timeTasks", r.timeTasks.data(), DEVICE_INFO_KS::TimeTaskCount);
    v("allTasksOn", r.allTasksOn);
    v.list("edid", r.edid, Limit::KsEdid);
    v.list("chromaKeys", r.chromaKeys, Limit::KsChromaKeys);
    v.list("borders", r.borders, Limit::KsBorders);
    v.list("outputEnhance", r.outputEnhance, Limit::KsOutputEnhance);
    v.record("other", r.other);
    v.keyedList("imageAdvanced", r.imageAdvanced, Limit::ByteKeys,
                [](const INFO_IMAGE_ADVANCED &a) { return int(a.winId); });
    v.record("outputMode", r.outputMode);
    v("signalMode", r.signalMode);
    v("dviAudioMode", r.dviAudioMode);
}

template <typename V> void visitSettings(V &v, DEVICE_INFO_GW &r)
{
    v.keyedList("panels", r.panels, Limit::GwSlots, [](const INFO_PANEL &p) { return int(p.id); });
    v.keyedList("mappings", r.mappings, Limit::GwSlots, [](const INFO_MAPPING &m) { return int(m.port); });
    v.keyedList("windows", r.windows, Limit::GwSlots, [](const INFO_WINDOW &w) { return int(w.winId); });
    v.keyedList("imageQuality", r.imageQuality, Limit::GwSlots,
                [](const INFO_IMAGE_QUALITY &q) { return int(q.index); });
    v.keyedList("inputCrops", r.inputCrops, Limit::GwSlots,
                [](const INFO_INPUTCROP &c) { return int(c.index); });
    v.keyedList(
        "presets", r.presets, Limit::PresetIds, [](const INFO_PRESET &p) { return int(p.id); },
        [](V &sub, INFO_PRESET &p) {
            visitPreset(sub, p, Limit::GwPresetPanelValues, Limit::GwPresetPanels,
                        Limit::GwPresetWindowValues, Limit::GwPresetWindows);
        });
    v.keyedList("edid", r.edid, Limit::GwSlots, [](const INFO_EDID &e) { return int(e.srcId); });
    v.record("other", r.other);
}

} // namespace RecordFields
