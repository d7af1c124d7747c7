// Window attribute and add-window dialogs: filling, the corrections after the quiet time, the dirty
// groups and the frames Apply sends to KS and GW devices (caught on the interfaces' emitSendData),
// the add-window bounds check and its message box.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DialogAddWindow.h"
#include "DialogAttribute.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxGraphicsView.h"
#include "BoxCatcher.h"
#include "RecordBuilders.h"
#include "TestSupport.h"
#include "UiLookup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QProcess>
#include <QSpinBox>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace RecordBuilders;
using TestSupport::hex;

namespace {
const QString KsId = QStringLiteral("0102030405060708090a0b0c");
const QString GwId = QStringLiteral("a1a2a3a4a5a6a7a8a9aaabac");

void fire(QTimer *timer)
{
    QVERIFY(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
}

bool waitUntil(const std::function<bool()> &cond, int timeoutMs = 10000)
{
    return TestSupport::waitUntil(cond, timeoutMs);
}
} // namespace

class TstUiAttribute : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { DeviceLookup::clear(); }

    void windowWidthGrowsToMinimumAfterQuiet();
    void windowCorrections_data();
    void windowCorrections();
    void cropWidthCutAtInputEdge();
    void cropCorrections_data();
    void cropCorrections();
    void fillingSendsNothingAndMarksNothing();
    void inputResolutionAndCropFilling();
    void cropSwitch();
    void transparencyRangeByType();
    void ksTransparencyOnly();
    void ksAllGroups();
    void withoutInterfaceKeepsChanges();
    void gwApplyBetweenOutputHolds();
    void gwTransparencyOnly();
    void fillFromCanvas();
    void gwEndToEnd();

    void addWindowBounds();
    void addWindowRefusesTooSmall();
    void pictures();

private:
    void installKs(int type = 3);
    void installGw();
    void fillKs(DialogAttribute &d);

    DEVICE_INFO_KS ksRec;
    DEVICE_INFO_GW gwRec;
    KS9200Interface *ks = nullptr;
    GW5Interface *gw = nullptr;
};

void TstUiAttribute::initTestCase()
{
    registerRecordTypes();
    ks = new KS9200Interface(KsId, this);
    gw = new GW5Interface(GwId, this);
    ksRec.cpuid = KsId;
    gwRec.cpuid = GwId;
    gwRec.type = 48;
}

void TstUiAttribute::installKs(int type)
{
    ksRec.type = type;
    DeviceLookup::install([this](const QString &id) -> INFO_BASIC * { return id.isEmpty() || id == KsId ? &ksRec : nullptr; },
                          [this](const QString &id) -> Interface * { return id.isEmpty() || id == KsId ? ks : nullptr; },
                          [] { return KsId; });
}

void TstUiAttribute::installGw()
{
    DeviceLookup::install([this](const QString &id) -> INFO_BASIC * { return id.isEmpty() || id == GwId ? &gwRec : nullptr; },
                          [this](const QString &id) -> Interface * { return id.isEmpty() || id == GwId ? gw : nullptr; },
                          [] { return GwId; });
}

void TstUiAttribute::fillKs(DialogAttribute &d)
{
    d.setDeviceType(3);
    d.setWindow(2, QRect(100, 50, 640, 480), 10, QRectF(0, 0, 1920, 1080), 1);
    d.setInput(33, 1920, 1080, 60);
    d.setCrop(inputCrop(2, 1, 0, 0, 1920, 1080));
    d.setTitle(QStringLiteral("window 3"));
}

void TstUiAttribute::windowWidthGrowsToMinimumAfterQuiet()
{
    DialogAttribute d;
    fillKs(d);
    d.show();
    auto w = child<QSpinBox>(&d, "spinBox_win_w");
    QCOMPARE(d.windowTimer()->interval(), 900);
    QVERIFY(!d.windowTimer()->isActive());
    typeInto(w, QStringLiteral("10"));
    // nothing is corrected while the operator types
    QCOMPARE(w->value(), 10);
    QVERIFY(d.isWindowDirty());
    fire(d.windowTimer());
    QCOMPARE(w->value(), 64);
    QVERIFY(!d.windowTimer()->isActive());
    // the other fields are untouched
    QCOMPARE(child<QSpinBox>(&d, "spinBox_win_x")->value(), 100);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_win_h")->value(), 480);
}

void TstUiAttribute::windowCorrections_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("field");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QRect>("result");
    const QRectF right(1920, 0, 1920, 1080);
    QTest::newRow("x left of bounds") << QRect(1000, 0, 640, 480) << int(DialogAttribute::WinX) << right
                                      << QRect(1920, 0, 640, 480);
    QTest::newRow("x past right edge") << QRect(3500, 0, 640, 480) << int(DialogAttribute::WinX) << right
                                       << QRect(3200, 0, 640, 480);
    QTest::newRow("x fits") << QRect(2000, 900, 640, 480) << int(DialogAttribute::WinX) << right
                            << QRect(2000, 900, 640, 480);
    QTest::newRow("width too wide") << QRect(2000, 0, 3000, 480) << int(DialogAttribute::WinW) << right
                                    << QRect(2000, 0, 1840, 480);
    QTest::newRow("height too small") << QRect(2000, 0, 640, 20) << int(DialogAttribute::WinH) << right
                                      << QRect(2000, 0, 640, 64);
    QTest::newRow("height too tall") << QRect(2000, 100, 640, 2000) << int(DialogAttribute::WinH) << right
                                     << QRect(2000, 100, 640, 980);
    QTest::newRow("y past bottom") << QRect(2000, 900, 640, 480) << int(DialogAttribute::WinY) << right
                                   << QRect(2000, 600, 640, 480);
}

void TstUiAttribute::windowCorrections()
{
    QFETCH(QRect, window);
    QFETCH(int, field);
    QFETCH(QRectF, bounds);
    QFETCH(QRect, result);
    QCOMPARE(DialogAttribute::correctWindow(window, field, bounds), result);
}

void TstUiAttribute::cropWidthCutAtInputEdge()
{
    DialogAttribute d;
    fillKs(d);
    d.setCrop(inputCrop(2, 1, 100, 0, 1000, 1080));
    auto cw = child<QSpinBox>(&d, "spinBox_crop_w");
    QCOMPARE(cw->value(), 1000);
    d.show();
    typeInto(cw, QStringLiteral("1900"));
    QVERIFY(d.isCropDirty());
    fire(d.cropTimer());
    QCOMPARE(cw->value(), 1820);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_crop_x")->value(), 100);
}

void TstUiAttribute::cropCorrections_data()
{
    QTest::addColumn<QRect>("crop");
    QTest::addColumn<int>("field");
    QTest::addColumn<QRect>("result");
    QTest::newRow("x past edge") << QRect(1500, 0, 640, 480) << int(DialogAttribute::CropX) << QRect(1280, 0, 640, 480);
    // x fits on its own axis; the height that overflows is not x's business
    QTest::newRow("x fits, y does not") << QRect(50, 900, 640, 480) << int(DialogAttribute::CropX)
                                        << QRect(50, 900, 640, 480);
    QTest::newRow("y past edge") << QRect(0, 900, 640, 480) << int(DialogAttribute::CropY) << QRect(0, 600, 640, 480);
    QTest::newRow("width small") << QRect(0, 0, 10, 480) << int(DialogAttribute::CropW) << QRect(0, 0, 64, 480);
    QTest::newRow("height small") << QRect(0, 0, 640, 63) << int(DialogAttribute::CropH) << QRect(0, 0, 640, 64);
    QTest::newRow("height past edge") << QRect(0, 100, 640, 1080) << int(DialogAttribute::CropH)
                                      << QRect(0, 100, 640, 980);
}

void TstUiAttribute::cropCorrections()
{
    QFETCH(QRect, crop);
    QFETCH(int, field);
    QFETCH(QRect, result);
    QCOMPARE(DialogAttribute::correctCrop(crop, field, 1920, 1080), result);
}

void TstUiAttribute::fillingSendsNothingAndMarksNothing()
{
    installKs();
    QSignalSpy spy(ks, &Interface::emitSendData);
    DialogAttribute d;
    fillKs(d);
    QVERIFY(!d.isCropDirty() && !d.isTransDirty() && !d.isWindowDirty());
    QVERIFY(!d.windowTimer()->isActive() && !d.cropTimer()->isActive());
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(spy.count(), 0);
}

void TstUiAttribute::inputResolutionAndCropFilling()
{
    DialogAttribute d;
    auto label = child<QLabel>(&d, "label_inputResoltion");
    auto cw = child<QSpinBox>(&d, "spinBox_crop_w");
    auto ch = child<QSpinBox>(&d, "spinBox_crop_h");

    d.setInput(33, 1280, 720, 60);
    QCOMPARE(label->text(), QStringLiteral("Input Resolution: 1280x720x60"));
    QCOMPARE(d.inputWidth(), 1280);
    QCOMPARE(d.inputHeight(), 720);
    // a zero or too large record size means the whole input
    d.setCrop(inputCrop(0, 0, 10, 20, 0, 5000));
    QCOMPARE(cw->value(), 1280);
    QCOMPARE(ch->value(), 720);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_crop_x")->value(), 10);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_crop_y")->value(), 20);
    d.setCrop(inputCrop(0, 0, 0, 0, 800, 600));
    QCOMPARE(cw->value(), 800);
    QCOMPARE(ch->value(), 600);

    // no input (-1 as a signed 16-bit value) and a zero rate are both unknown
    d.setInput(0xFFFF, 1280, 720, 60);
    QCOMPARE(label->text(), QStringLiteral("Input Resolution: unknown"));
    QCOMPARE(d.inputWidth(), 1920);
    QCOMPARE(d.inputHeight(), 1080);
    d.setInput(33, 1280, 720, 0);
    QCOMPARE(label->text(), QStringLiteral("Input Resolution: unknown"));
    d.setInput(-1, 1280, 720, 60);
    QCOMPARE(label->text(), QStringLiteral("Input Resolution: unknown"));
}

void TstUiAttribute::cropSwitch()
{
    DialogAttribute d;
    fillKs(d);
    auto btn = child<QPushButton>(&d, "btn_crop");
    auto cx = child<QSpinBox>(&d, "spinBox_crop_x");
    QVERIFY(btn->isChecked());
    QVERIFY(cx->isEnabled());
    d.setCrop(inputCrop(2, 0, 0, 0, 1920, 1080));
    QVERIFY(!btn->isChecked());
    QVERIFY(!cx->isEnabled());
    QVERIFY(!d.isCropDirty());
    btn->click();
    QVERIFY(btn->isChecked());
    QVERIFY(cx->isEnabled());
    QVERIFY(child<QSpinBox>(&d, "spinBox_crop_h")->isEnabled());
    QVERIFY(d.isCropDirty());
}

void TstUiAttribute::transparencyRangeByType()
{
    DialogAttribute d;
    auto t = child<QSpinBox>(&d, "spinBox_trans");
    d.setDeviceType(48);
    QCOMPARE(t->minimum(), 0);
    QCOMPARE(t->maximum(), 100);
    d.setWindow(0, QRect(0, 0, 640, 480), 100, QRectF(0, 0, 1920, 1080), 0);
    QCOMPARE(t->value(), 100);
    for (int type : {0, 3, 16, 20}) {
        d.setDeviceType(type);
        QCOMPARE(t->minimum(), 0);
        QCOMPARE(t->maximum(), 15);
    }
    QCOMPARE(t->value(), 15);
    QVERIFY(!d.isTransDirty());
}

void TstUiAttribute::ksTransparencyOnly()
{
    installKs();
    QSignalSpy spy(ks, &Interface::emitSendData);
    DialogAttribute d;
    fillKs(d);
    d.show();
    typeInto(child<QSpinBox>(&d, "spinBox_trans"), QStringLiteral("7"));
    QVERIFY(d.isTransDirty());
    QVERIFY(!d.isWindowDirty() && !d.isCropDirty());
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0x03, 0x01, "02 07"), hostFrame(0xE2, 0x00)}));
    QVERIFY(!d.isTransDirty());
    // nothing left to send
    spy.clear();
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(spy.count(), 0);
    QVERIFY(d.isVisible());
}

void TstUiAttribute::ksAllGroups()
{
    installKs(17);
    QSignalSpy spy(ks, &Interface::emitSendData);
    DialogAttribute d;
    fillKs(d);
    d.show();
    typeInto(child<QSpinBox>(&d, "spinBox_crop_x"), QStringLiteral("256"));
    // the crop width still spans the input: x = 256 is pulled back when the window group is edited
    typeInto(child<QSpinBox>(&d, "spinBox_win_h"), QStringLiteral("300"));
    QCOMPARE(child<QSpinBox>(&d, "spinBox_crop_x")->value(), 0);
    typeInto(child<QSpinBox>(&d, "spinBox_trans"), QStringLiteral("12"));
    // Apply makes the pending window correction itself
    typeInto(child<QSpinBox>(&d, "spinBox_win_w"), QStringLiteral("5"));
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(sentFrames(spy), QList<QByteArray>({
                              hostFrame(0x02, 0x00, "02 01 0000 0000 8007 3804"),
                              hostFrame(0x03, 0x00, "02 6400 3200 4000 2C01"),
                              hostFrame(0x03, 0x01, "02 0C"),
                              hostFrame(0xE2, 0x00),
                              hostFrame(0xE3, 0x00),
                          }));
    QVERIFY(!d.isCropDirty() && !d.isTransDirty() && !d.isWindowDirty());
    QVERIFY(!d.windowTimer()->isActive());
}

void TstUiAttribute::withoutInterfaceKeepsChanges()
{
    // a record but no interface for the current device
    DeviceLookup::install([this](const QString &) -> INFO_BASIC * { return &ksRec; },
                          [](const QString &) -> Interface * { return nullptr; });
    QSignalSpy spy(ks, &Interface::emitSendData);
    DialogAttribute d;
    fillKs(d);
    d.show();
    typeInto(child<QSpinBox>(&d, "spinBox_trans"), QStringLiteral("3"));
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(spy.count(), 0);
    QVERIFY(d.isTransDirty());
    // once the device is there, the kept change goes out
    installKs();
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0x03, 0x01, "02 03"), hostFrame(0xE2, 0x00)}));
}

void TstUiAttribute::gwApplyBetweenOutputHolds()
{
    installGw();
    // the window is open on the device, as the canvas left it
    gw->openWindow(1, 0, 0, 960, 540, 3);
    QSignalSpy spy(gw, &Interface::emitSendData);
    DialogAttribute d;
    d.setDeviceType(48);
    d.setWindow(1, QRect(0, 0, 960, 540), 100, QRectF(0, 0, 1920, 1080), 3);
    d.setInput(0, 1920, 1080, 60);
    d.setCrop(inputCrop(1, 0, 0, 0, 1920, 1080));
    d.show();
    child<QPushButton>(&d, "btn_crop")->click();
    typeInto(child<QSpinBox>(&d, "spinBox_crop_w"), QStringLiteral("960"));
    typeInto(child<QSpinBox>(&d, "spinBox_trans"), QStringLiteral("40"));
    typeInto(child<QSpinBox>(&d, "spinBox_win_x"), QStringLiteral("200"));
    child<QPushButton>(&d, "btn_apply")->click();

    const QList<QByteArray> f = sentFrames(spy);
    QVERIFY(f.size() >= 6);
    QCOMPARE(f.first(), hostFrame(0xF1, 0x00, "00"));
    const int cropAt = f.indexOf(hostFrame(0x02, 0x00, "01 01 0000 0000 C003 3804"));
    const int transAt = f.indexOf(hostFrame(0x03, 0x01, "01 28"));
    const int releaseAt = f.indexOf(hostFrame(0xF1, 0x00, "01"));
    QVERIFY(cropAt > 0);
    QVERIFY(transAt > cropAt);
    QVERIFY(releaseAt > transAt);
    // the move of the window lies between the transparency and the release
    QVERIFY(releaseAt > transAt + 1);
    QCOMPARE(f.mid(releaseAt), QList<QByteArray>({hostFrame(0xF1, 0x00, "01"), hostFrame(0xE3, 0x00), hostFrame(0xE2, 0x00)}));
    // the matrix follows: moved, cropped, still on its layer
    const GW5::WindowRecord w = gw->matrix()->window(1);
    QCOMPARE(int(w.winId), 1);
    QCOMPARE(int(w.x), 200);
    QCOMPARE(int(w.layer), 3);
    QCOMPARE(int(w.flag), 1);
    QCOMPARE(int(w.srcW), 960);
    QVERIFY(!d.isCropDirty() && !d.isTransDirty() && !d.isWindowDirty());
}

void TstUiAttribute::gwTransparencyOnly()
{
    installGw();
    QSignalSpy spy(gw, &Interface::emitSendData);
    DialogAttribute d;
    d.setDeviceType(48);
    d.setWindow(4, QRect(0, 0, 960, 540), 100, QRectF(0, 0, 1920, 1080), 0);
    d.show();
    typeInto(child<QSpinBox>(&d, "spinBox_trans"), QStringLiteral("55"));
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0xF1, 0x00, "00"), hostFrame(0x03, 0x01, "04 37"),
                                             hostFrame(0xF1, 0x00, "01"), hostFrame(0xE2, 0x00)}));
}

void TstUiAttribute::fillFromCanvas()
{
    installKs();
    ksRec.inputCrops = {inputCrop(0, 0, 0, 0, 0, 0), inputCrop(1, 1, 16, 8, 800, 600)};
    SxGraphicsView view;
    view.setDeviceType(3);
    view.setCpuid(KsId);
    INFO_PANEL p;
    p.width = 1920;
    p.height = 1080;
    view.setPanels({p}, false);
    INFO_WINDOW w;
    w.winId = 1;
    w.x = 320;
    w.y = 200;
    w.width = 640;
    w.height = 360;
    w.param1 = 9;
    w.srcId = 1;
    view.setWindows({w});

    DialogAttribute d;
    QVERIFY(!d.fillFromView(&view, 5));
    QVERIFY(d.fillFromView(&view, 1));
    QCOMPARE(d.windowId(), 1);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_win_x")->value(), 320);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_win_y")->value(), 200);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_win_w")->value(), 640);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_win_h")->value(), 360);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_trans")->maximum(), 15);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_crop_x")->value(), 16);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_crop_w")->value(), 800);
    QVERIFY(child<QPushButton>(&d, "btn_crop")->isChecked());
    QCOMPARE(d.windowTitle(), QStringLiteral("window 2"));
    QVERIFY(!d.isCropDirty() && !d.isTransDirty() && !d.isWindowDirty());
    ksRec.inputCrops.clear();
}

// A GW window's crop and transparency set in the dialog reach a simulated device through the
// matrix frames, and the device's read-back shows them.
void TstUiAttribute::gwEndToEnd()
{
    const QString bin = qEnvironmentVariable("VPSIM");
    QVERIFY2(!bin.isEmpty() && QFile::exists(bin), "VPSIM does not name the vpsim binary");
    QTemporaryDir dir;
    const QString stateFile = dir.filePath("state.json");
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedChannels);
    sim.start(bin, {"--state-file", stateFile, "--device", "GW5:addr=127.0.21.4", "--heartbeat-ms", "60000"});
    QVERIFY(sim.waitForStarted(5000));
    QVERIFY(waitUntil([&] { return QFile::exists(stateFile); }));
    auto stopSim = qScopeGuard([&] {
        sim.terminate();
        if (!sim.waitForFinished(3000))
            sim.kill(), sim.waitForFinished(1000);
    });
    QFile f(stateFile);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString id = QJsonDocument::fromJson(f.readAll()).object().value("devices").toArray().at(0)
                           .toObject().value("cpuid").toString();
    f.close();
    QVERIFY(!id.isEmpty());

    QTcpSocket sock;
    sock.connectToHost(QHostAddress(QStringLiteral("127.0.21.4")), 61213);
    QVERIFY(sock.waitForConnected(5000));
    GW5Interface dev(id);
    connect(&dev, &Interface::emitSendData, &sock, [&sock](const QByteArray &d) { sock.write(d); });
    QByteArray buffer;
    connect(&sock, &QTcpSocket::readyRead, &dev, [&] {
        splitStreamFrames(buffer, sock.readAll(), [&](const RECV_PROTOCOL &rp, const QByteArray &p) {
            if (rp.cmd != Frame::CmdLink)
                dev.handleFrame(id, rp, p);
        });
    });
    QMap<int, INFO_WINDOW> windows;
    QMap<int, INFO_INPUTCROP> crops;
    QRect wall;
    connect(&dev, &GW5Interface::emitWindowData, &dev, [&](const QString &, const INFO_WINDOW &w) { windows[w.winId] = w; });
    connect(&dev, &GW5Interface::emitInputCrop, &dev, [&](const QString &, const INFO_INPUTCROP &c) { crops[c.index] = c; });
    connect(&dev, &GW5Interface::emitPanelData, &dev,
            [&](const QString &, const INFO_PANEL &p) { wall |= QRect(p.x, p.y, p.width, p.height); });
    QSignalSpy done(&dev, &Interface::emitAllParams);
    dev.readAll();
    QVERIFY(waitUntil([&] { return done.count() > 0; }));
    QVERIFY(windows.contains(2));
    const INFO_WINDOW w = windows.value(2);
    QVERIFY(w.param1 != 40);

    DeviceLookup::install([](const QString &) -> INFO_BASIC * { return nullptr; },
                          [&dev, id](const QString &c) -> Interface * { return c.isEmpty() || c == id ? &dev : nullptr; });
    DialogAttribute d;
    d.setDeviceType(48);
    d.setWindow(2, QRect(w.x, w.y, w.width, w.height), w.param1, QRectF(wall), w.param3);
    d.setInput(w.param2, 1920, 1080, 60);
    d.setCrop(crops.value(2));
    d.show();
    if (!child<QPushButton>(&d, "btn_crop")->isChecked())
        child<QPushButton>(&d, "btn_crop")->click();
    typeInto(child<QSpinBox>(&d, "spinBox_crop_x"), QStringLiteral("100"));
    typeInto(child<QSpinBox>(&d, "spinBox_crop_w"), QStringLiteral("960"));
    typeInto(child<QSpinBox>(&d, "spinBox_crop_h"), QStringLiteral("540"));
    typeInto(child<QSpinBox>(&d, "spinBox_trans"), QStringLiteral("40"));
    windows.clear();
    crops.clear();
    child<QPushButton>(&d, "btn_apply")->click();
    // the dialog's read-backs bring the device's own view of the window
    QVERIFY(waitUntil([&] { return crops.contains(2) && windows.contains(2); }));
    const INFO_INPUTCROP c = crops.value(2);
    QCOMPARE(int(c.enable), 1);
    QCOMPARE(int(c.x), 100);
    QCOMPARE(int(c.width), 960);
    QCOMPARE(int(c.height), 540);
    QCOMPARE(int(windows.value(2).param1), 40);
    QCOMPARE(QRect(windows.value(2).x, windows.value(2).y, windows.value(2).width, windows.value(2).height),
             QRect(w.x, w.y, w.width, w.height));
}

void TstUiAttribute::addWindowBounds()
{
    DialogAddWindow d;
    d.setBounds(QRectF(0, 0, 3840, 2160));
    auto x = child<QSpinBox>(&d, "spinBox_x");
    auto w = child<QSpinBox>(&d, "spinBox_w");
    auto h = child<QSpinBox>(&d, "spinBox_h");
    QCOMPARE(w->value(), 1920);
    QCOMPARE(h->value(), 1080);
    QCOMPARE(x->maximum(), 3840);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_y")->maximum(), 2160);
    x->setValue(1920);
    child<QSpinBox>(&d, "spinBox_y")->setValue(1080);
    d.show();
    BoxCatcher boxes;
    child<QPushButton>(&d, "btn_ok")->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.rect(), QRect(1920, 1080, 1920, 1080));
    QVERIFY(boxes.texts.isEmpty());

    // one pixel past the right edge
    DialogAddWindow d2;
    d2.setBounds(QRectF(0, 0, 3840, 2160));
    child<QSpinBox>(&d2, "spinBox_x")->setValue(1921);
    d2.show();
    QTimer::singleShot(0, &d2, [&d2] { child<QPushButton>(&d2, "btn_ok")->click(); });
    QCOMPARE(d2.exec(), int(QDialog::Rejected));
    QCOMPARE(boxes.texts, QStringList({QStringLiteral("Parameter beyond range")}));
    QVERIFY(d2.rect().isNull());
}

void TstUiAttribute::addWindowRefusesTooSmall()
{
    DialogAddWindow d;
    d.setBounds(QRectF(0, 0, 1920, 1080));
    child<QSpinBox>(&d, "spinBox_w")->setValue(63);
    child<QSpinBox>(&d, "spinBox_h")->setValue(200);
    BoxCatcher boxes;
    QTimer::singleShot(0, &d, [&d] { child<QPushButton>(&d, "btn_ok")->click(); });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QCOMPARE(boxes.texts, QStringList({QStringLiteral("Parameter beyond range")}));
    QCOMPARE(boxes.titles, QStringList({QStringLiteral("tips")}));
    QVERIFY(d.rect().isNull());
    QVERIFY(!DialogAddWindow::fits(QRect(0, 0, 200, 63), QSizeF(1920, 1080)));
    QVERIFY(DialogAddWindow::fits(QRect(0, 0, 64, 64), QSizeF(1920, 1080)));
}

// With VP_SCREENSHOT_DIR set both dialogs are saved there as pictures for a look by eye.
void TstUiAttribute::pictures()
{
    const QString dir = qEnvironmentVariable("VP_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("VP_SCREENSHOT_DIR not set");
    DialogAttribute d;
    fillKs(d);
    DialogAddWindow add;
    add.setBounds(QRectF(0, 0, 3840, 2160));
    for (QDialog *f : {static_cast<QDialog *>(&d), static_cast<QDialog *>(&add)}) {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(f->grab().save(dir + QLatin1Char('/') + f->metaObject()->className() + QStringLiteral(".png")));
    }
}

QTEST_MAIN(TstUiAttribute)
#include "tst_ui_attribute.moc"
