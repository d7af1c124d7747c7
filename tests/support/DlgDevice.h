// A KS9200 or GW5 interface with its record installed through DeviceLookup as the current device for
// the dialog tests (an empty cpuid or its own finds it), a spy on the frames it sends, and field access.
// Header-only: the support library links no widgets.
#pragma once

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "RecordBuilders.h"
#include "UiLookup.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QtTest>

template <typename Record, typename Iface> struct CurrentDevice
{
    CurrentDevice(const QString &cpuid, int type)
        : iface(cpuid)
        , spy(&iface, &Interface::emitSendData)
    {
        record.cpuid = cpuid;
        record.type = decltype(record.type)(type);
        install();
    }
    ~CurrentDevice() { DeviceLookup::clear(); }
    void install()
    {
        DeviceLookup::install(
            [this](const QString &c) -> INFO_BASIC * { return c.isEmpty() || c == record.cpuid ? &record : nullptr; },
            [this](const QString &c) -> Interface * { return c.isEmpty() || c == record.cpuid ? &iface : nullptr; },
            [this] { return record.cpuid; });
    }
    QList<QByteArray> frames() const { return RecordBuilders::sentFrames(spy); }

    Record record;
    Iface iface;
    QSignalSpy spy;
};
// RecordBuilders::hostFrame with the parameter bytes from a list (a table column).
inline QByteArray hostFrameOf(uint8_t cmd, uint8_t sub, const QList<int> &params)
{
    QByteArray hex;
    for (int p : params)
        hex += QByteArray::number(p & 0xFF, 16).rightJustified(2, '0') + ' ';
    return RecordBuilders::hostFrame(cmd, sub, hex.constData());
}

// A combo's or tab's index or a slider's or spin box's value, read and written as the operator's edits are.
inline const char *fieldProperty(QWidget *w)
{
    return w->metaObject()->indexOfProperty("currentIndex") >= 0 ? "currentIndex" : "value";
}
inline int fieldValue(QWidget *w) { return w->property(fieldProperty(w)).toInt(); }
inline bool setField(QWidget *w, int value) { return w->setProperty(fieldProperty(w), value); }
inline void setFields(QWidget *d, std::initializer_list<std::pair<const char *, int>> fields)
{
    for (const auto &f : fields)
        QVERIFY2(setField(child<QWidget>(d, f.first), f.second), f.first);
}
inline QList<int> fieldValues(QWidget *d, std::initializer_list<const char *> names)
{
    QList<int> out;
    for (const char *name : names)
        out << fieldValue(child<QWidget>(d, name));
    return out;
}

inline void press(QWidget *d, const char *name) { QTest::mouseClick(child<QAbstractButton>(d, name), Qt::LeftButton); }
inline const QString KsId = QStringLiteral("0102030405060708090a0b0c");
inline const QString GwId = QStringLiteral("a1a2a3a4a5a6a7a8a9aaabac");
using KsDevice = CurrentDevice<DEVICE_INFO_KS, KS9200Interface>;
using GwDevice = CurrentDevice<DEVICE_INFO_GW, GW5Interface>;
