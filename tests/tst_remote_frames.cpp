// Command to frame on a GW device: each remote command, checked against a device record and applied
// through the device's real GW5Interface (and its window matrix), gives these frames byte for byte.
// The KS commands' frames are compared in tst_remote_servers, where real clients send them.
#include "RecordBuilders.h"
#include "RemoteFrames.h"
#include "RemoteTestBackend.h"
#include "RemoteValidator.h"

#include <QtTest>

Q_DECLARE_METATYPE(RemoteCommand)

namespace {
using RecordBuilders::hostFrame;

RemoteCommand cmd(RemoteCommand::Kind kind, int window = 0, int number = 0, bool on = false)
{
    RemoteCommand c;
    c.kind = kind;
    c.window = window;
    c.number = number;
    c.value = number;
    c.on = on;
    return c;
}

RemoteCommand source(int window, const QString &name)
{
    RemoteCommand c = cmd(RemoteCommand::SwitchInput, window);
    c.sourceName = name;
    return c;
}

// The frames the command sends to `record`'s device (empty when it is refused).
QList<QByteArray> framesOf(const RemoteCommand &command, std::shared_ptr<INFO_BASIC> record)
{
    RemoteTestBackend backend;
    backend.addDevice(record);
    const RemoteValidator::Checked checked = RemoteValidator::check(command, *record);
    if (checked.ok())
        RemoteFrames::apply(checked.action, *backend.interfaceOf(record->cpuid));
    return backend.frames;
}
} // namespace

class TstRemoteFrames : public QObject
{
    Q_OBJECT
private slots:
    void frames_data()
    {
        QTest::addColumn<RemoteCommand>("command");
        QTest::addColumn<QList<QByteArray>>("expected");
        using C = RemoteCommand;
        QTest::newRow("GW load preset 2")
            << cmd(C::LoadPreset, 0, 2) << QList<QByteArray>{hostFrame(0x04, 0x01, {1})};
        QTest::newRow("GW template 3 without any signal")
            << cmd(C::LoadTemplate, 0, 3) << QList<QByteArray>{hostFrame(0x04, 0x00, {1})};
        QTest::newRow("GW window 2 to Input3")
            << source(2, "Input3") << QList<QByteArray>{hostFrame(0x08, 0x00, {1, 2})};
        QTest::newRow("GW black screen on")
            << cmd(C::BlackScreen, 0, 0, true) << QList<QByteArray>{hostFrame(0x13, 0x00, {1})};
        QTest::newRow("GW frame sync of window 1")
            << cmd(C::FrameSync, 1, 0, true) << QList<QByteArray>{hostFrame(0x06, 0x01, {0, 1, 1})};
        QTest::newRow("GW brightness of window 1")
            << cmd(C::Brightness, 1, 50) << QList<QByteArray>{hostFrame(0x01, 0x01, {0, 50})};
    }
    void frames()
    {
        QFETCH(RemoteCommand, command);
        QFETCH(QList<QByteArray>, expected);
        QCOMPARE(framesOf(command, RemoteTestBackend::gwRecord("g", "Hall", 1, 1, {0, 1})), expected);
    }

    // A GW window move passes through the window matrix: the window frame with its layer, the
    // port pieces, then the window's own input again.
    void gwGeometry()
    {
        RemoteCommand c = cmd(RemoteCommand::SetGeometry, 2);
        c.x = 960;
        c.width = 1920;
        c.height = 1080;
        const QList<QByteArray> frames = framesOf(c, RemoteTestBackend::gwRecord("g", "Hall", 1, 1, {0, 1}));
        const int window = frames.indexOf(hostFrame(0x03, 0x00, "01 c003 0000 8007 3804 02 00"));
        const int input = frames.indexOf(hostFrame(0x08, 0x00, {1, 1}));
        QVERIFY2(window >= 0 && input > window, qPrintable(QString::number(frames.size())));
        int pieces = 0;
        for (const QByteArray &f : frames.mid(window, input - window))
            pieces += f.at(4) == 0x03 && f.at(5) == 0x03;
        QCOMPARE(pieces, 2); // areas 0 and 1 each show a part of it
    }
};

QTEST_GUILESS_MAIN(TstRemoteFrames)
#include "tst_remote_frames.moc"
