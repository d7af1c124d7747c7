// Mosaic and multi-machine dialogs: the unit limits, the page layout per device type, the frames of
// the switch, Apply and closing; the device table, the preset choice, its message boxes and the
// load-preset frames on every ticked device with the status texts around the busy indicator.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DialogMosaic.h"
#include "DialogMultiMachine.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxProgressIndicator.h"
#include "BoxCatcher.h"
#include "RecordBuilders.h"
#include "TestSupport.h"
#include "UiLookup.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace RecordBuilders;
using TestSupport::hex;

namespace {
const QString KsId = QStringLiteral("0102030405060708090a0b0c");
const QString Ks2Id = QStringLiteral("1102030405060708090a0b0c");
const QString GwId = QStringLiteral("a1a2a3a4a5a6a7a8a9aaabac");

} // namespace

class TstUiMosaic : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { DeviceLookup::clear(); }

    void unitsLimitPosition();
    void fillingByMode();
    void pageLayoutByType();
    void unitApplyByType();
    void pixelApply();
    void switchAndClose();
    void withoutInterfaceNothingSent();

    void tableFromDeviceMap();
    void selectDeviceComesFirst();
    void loadPresetOnTickedDevices();
    void pictures();

private:
    DEVICE_INFO_KS ksRec;
    DEVICE_INFO_KS ks2Rec;
    DEVICE_INFO_GW gwRec;
    KS9200Interface *ks = nullptr;
    KS9200Interface *ks2 = nullptr;
    GW5Interface *gw = nullptr;
    bool ks2Present = true;
};

void TstUiMosaic::initTestCase()
{
    registerRecordTypes();
    ks = new KS9200Interface(KsId, this);
    ks2 = new KS9200Interface(Ks2Id, this);
    gw = new GW5Interface(GwId, this);
    ksRec.cpuid = KsId;
    ksRec.type = 3;
    ks2Rec.cpuid = Ks2Id;
    ks2Rec.type = 17;
    gwRec.cpuid = GwId;
    gwRec.type = 48;
}

void TstUiMosaic::init()
{
    ks2Present = true;
    DeviceLookup::install(
        [this](const QString &id) -> INFO_BASIC * {
            if (id.isEmpty() || id == KsId)
                return &ksRec;
            if (id == Ks2Id)
                return ks2Present ? &ks2Rec : nullptr;
            return id == GwId ? &gwRec : nullptr;
        },
        [this](const QString &id) -> Interface * {
            if (id.isEmpty() || id == KsId)
                return ks;
            if (id == Ks2Id)
                return ks2Present ? ks2 : nullptr;
            return id == GwId ? gw : nullptr;
        },
        [] { return KsId; });
}

void TstUiMosaic::unitsLimitPosition()
{
    DialogMosaic d;
    d.setMosaic(1, mosaicUnits(3, 2, 6), 960, 540, 3);
    auto pos = child<QSpinBox>(&d, "spinBox_position");
    QCOMPARE(pos->maximum(), 6);
    QCOMPARE(pos->value(), 6);
    child<QSpinBox>(&d, "spinBox_hUnits")->setValue(2);
    QCOMPARE(pos->maximum(), 4);
    QCOMPARE(pos->value(), 4);
    child<QSpinBox>(&d, "spinBox_vUnits")->setValue(4);
    QCOMPARE(pos->maximum(), 8);
    QCOMPARE(pos->value(), 4);
    // a position beyond the device's own units is held at the limit
    d.setMosaic(1, mosaicUnits(2, 2, 9), 960, 540, 3);
    QCOMPARE(pos->value(), 4);
    // the frame carries the position in one byte: 20 x 20 units still stop it at 255
    child<QSpinBox>(&d, "spinBox_hUnits")->setValue(20);
    child<QSpinBox>(&d, "spinBox_vUnits")->setValue(20);
    QCOMPARE(pos->maximum(), 255);
    pos->setValue(300);
    QCOMPARE(pos->value(), 255);
    QSignalSpy spy(ks, &Interface::emitSendData);
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0x06, 0x02, "01 14 14 FF")}));
}

void TstUiMosaic::fillingByMode()
{
    DialogMosaic d;
    INFO_MOSAIC m = mosaicUnits(3, 2, 5);
    m.enable = 1;
    m.totalWidth = 7680;
    m.totalHeight = 2160;
    m.startX = 1920;
    m.startY = 1080;
    m.p3 = 0xFE; // -2
    m.p4 = 3;
    m.p5 = 0x80; // -128
    m.p6 = 127;
    d.setMosaic(0, m, 960, 540, 3);
    QCOMPARE(d.windowTitle(), QStringLiteral("window 1 Mosaic"));
    QVERIFY(child<QPushButton>(&d, "btn_switch")->isChecked());
    // tune bytes are signed
    QCOMPARE(child<QSpinBox>(&d, "spinBox_xTune")->value(), -2);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_wTune")->value(), -128);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_hTune")->value(), 127);
    // unit mode: the pixel page shows the window itself
    QCOMPARE(child<QSpinBox>(&d, "spinBox_hTotal")->value(), 960);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_vTotal")->value(), 540);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_x")->value(), 0);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_y")->value(), 0);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_position")->value(), 5);

    // pixel mode: the record's rectangle, and one unit
    m.mode = 1;
    m.enable = 0;
    d.setMosaic(0, m, 960, 540, 3);
    QVERIFY(!child<QPushButton>(&d, "btn_switch")->isChecked());
    QCOMPARE(child<QStackedWidget>(&d, "stackedWidget")->currentIndex(), 1);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_hTotal")->value(), 7680);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_x")->value(), 1920);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_hUnits")->value(), 1);
    QCOMPARE(child<QSpinBox>(&d, "spinBox_position")->maximum(), 1);
}

void TstUiMosaic::pageLayoutByType()
{
    DialogMosaic d;
    auto tune = child<QGroupBox>(&d, "group_tune");
    auto combo = child<QComboBox>(&d, "combo_mosaicMode");
    auto stack = child<QStackedWidget>(&d, "stackedWidget");
    d.setMosaic(1, mosaicUnits(2, 2, 1), 960, 540, 3);
    QVERIFY(tune->isHidden());
    combo->setCurrentIndex(1);
    QVERIFY(!tune->isHidden());
    QCOMPARE(stack->currentIndex(), 1);
    combo->setCurrentIndex(0);
    QVERIFY(tune->isHidden());
    QCOMPARE(stack->currentIndex(), 0);

    for (int type : {16, 17, 18, 20}) {
        d.setMosaic(1, mosaicUnits(2, 2, 1), 960, 540, type);
        QVERIFY(!tune->isHidden());
        combo->setCurrentIndex(1);
        QVERIFY(!tune->isHidden());
        combo->setCurrentIndex(0);
        QVERIFY(!tune->isHidden());
    }
}

void TstUiMosaic::unitApplyByType()
{
    QSignalSpy spy(ks, &Interface::emitSendData);
    DialogMosaic d;
    INFO_MOSAIC m = mosaicUnits(3, 2, 4);
    m.p3 = 0xFF;
    m.p4 = 2;
    d.setMosaic(1, m, 960, 540, 3);
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0x06, 0x02, "01 03 02 04")}));

    spy.clear();
    d.setMosaic(1, m, 960, 540, 17);
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0x06, 0x02, "01 03 02 04"), hostFrame(0x06, 0x04, "01 FF 02 00 00")}));
}

void TstUiMosaic::pixelApply()
{
    QSignalSpy spy(ks, &Interface::emitSendData);
    DialogMosaic d;
    INFO_MOSAIC m = mosaicUnits(1, 1, 1);
    m.mode = 1;
    m.totalWidth = 7680;
    m.totalHeight = 2160;
    m.startX = 1920;
    m.startY = 0;
    m.p6 = 0xF6; // -10
    d.setMosaic(2, m, 960, 540, 3);
    child<QSpinBox>(&d, "spinBox_yTune")->setValue(-1);
    child<QPushButton>(&d, "btn_apply")->click();
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0x06, 0x03, "02 001E 7008 8007 0000"),
                                             hostFrame(0x06, 0x04, "02 00 FF 00 F6")}));
}

void TstUiMosaic::switchAndClose()
{
    QSignalSpy spy(ks, &Interface::emitSendData);
    DialogMosaic d;
    d.setMosaic(5, mosaicUnits(2, 2, 1), 960, 540, 3);
    d.show();
    auto sw = child<QPushButton>(&d, "btn_switch");
    sw->click();
    QVERIFY(sw->isChecked());
    sw->click();
    QVERIFY(!sw->isChecked());
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0x06, 0x00, "05 01"), hostFrame(0x06, 0x00, "05 00")}));
    spy.clear();
    child<QPushButton>(&d, "btn_cancel")->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0xE8, 0x00)}));

    // the title bar's close button and Escape read back as well
    spy.clear();
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(sentFrames(spy), QList<QByteArray>({hostFrame(0xE8, 0x00)}));
}

void TstUiMosaic::withoutInterfaceNothingSent()
{
    DeviceLookup::clear();
    QSignalSpy spy(ks, &Interface::emitSendData);
    DialogMosaic d;
    d.setMosaic(1, mosaicUnits(2, 2, 1), 960, 540, 3);
    d.show();
    child<QPushButton>(&d, "btn_switch")->click();
    child<QPushButton>(&d, "btn_apply")->click();
    d.close();
    QCOMPARE(spy.count(), 0);
}

void TstUiMosaic::tableFromDeviceMap()
{
    DEVICE_INFO_KS a;
    a.cpuid = QStringLiteral("000000000000000000000001");
    a.type = 0;
    a.hasUsb = 1;
    a.hasSdi = 1;
    a.linkType = 1;
    a.version = QStringLiteral("V1.2");
    a.name = QStringLiteral("left");
    DEVICE_INFO_GW b;
    b.cpuid = QStringLiteral("000000000000000000000002");
    b.type = 48;
    b.linkType = 2;
    b.address = QHostAddress(QStringLiteral("192.168.1.5"));
    b.name = QStringLiteral("right");
    INFO_BASIC c;
    c.cpuid = QStringLiteral("000000000000000000000003");
    c.type = 99;
    c.hasUsb = 1;

    DialogMultiMachine d;
    QCOMPARE(d.windowTitle(), QStringLiteral("MultiMachine"));
    QTableWidget *t = d.table();
    QCOMPARE(t->columnCount(), 5);
    QMap<QString, INFO_BASIC *> map{{a.cpuid, &a}, {b.cpuid, &b}, {c.cpuid, &c}};
    d.setDevices(map);
    QCOMPARE(t->rowCount(), 3);
    // each record goes in at the top: the last of the map comes first
    QCOMPARE(t->item(0, 0)->text(), QStringLiteral("Unknow"));
    QCOMPARE(t->item(1, 0)->text(), QStringLiteral("GW5"));
    QCOMPARE(t->item(1, 1)->text(), QStringLiteral("network(192.168.1.5)"));
    QCOMPARE(t->item(1, 3)->text(), QStringLiteral("right"));
    QCOMPARE(t->item(2, 0)->text(), QStringLiteral("KS1200US"));
    QCOMPARE(t->item(2, 1)->text(), QStringLiteral("usb"));
    QCOMPARE(t->item(2, 2)->text(), QStringLiteral("V1.2"));
    QCOMPARE(t->item(2, 0)->data(Qt::UserRole).toString(), a.cpuid);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(t->item(row, 4)->checkState(), Qt::Checked);
    QCOMPARE(d.checkedCpuids(), QStringList({c.cpuid, b.cpuid, a.cpuid}));

    // filling again replaces the rows
    d.setDevices({{a.cpuid, &a}});
    QCOMPARE(t->rowCount(), 1);
}

void TstUiMosaic::selectDeviceComesFirst()
{
    DialogMultiMachine d;
    d.setDevices({{KsId, &ksRec}});
    d.table()->item(0, 4)->setCheckState(Qt::Unchecked);
    d.show();
    QSignalSpy spy(ks, &Interface::emitSendData);
    BoxCatcher boxes;
    QCOMPARE(d.selectedPreset(), -1);
    child<QPushButton>(&d, "btn_loadPreset")->click();
    QCOMPARE(boxes.texts, QStringList({QStringLiteral("Please select a device")}));
    QCOMPARE(boxes.titles, QStringList({QStringLiteral("tips")}));
    // still no device, now with a preset
    child<QPushButton>(&d, "preset3")->click();
    child<QPushButton>(&d, "btn_loadPreset")->click();
    QCOMPARE(boxes.texts.last(), QStringLiteral("Please select a device"));
    // a device but no preset
    DialogMultiMachine d2;
    d2.setDevices({{KsId, &ksRec}});
    d2.show();
    child<QPushButton>(&d2, "btn_loadPreset")->click();
    QCOMPARE(boxes.texts.last(), QStringLiteral("Please select a preset"));
    QCOMPARE(boxes.texts.size(), 3);
    QCOMPARE(spy.count(), 0);
}

void TstUiMosaic::loadPresetOnTickedDevices()
{
    DEVICE_INFO_KS unticked;
    unticked.cpuid = QStringLiteral("ffffffffffffffffffffffff");
    unticked.type = 3;
    DialogMultiMachine d;
    d.setDevices({{KsId, &ksRec}, {Ks2Id, &ks2Rec}, {GwId, &gwRec}, {unticked.cpuid, &unticked}});
    // rows are top-down in reverse map order: unticked, GW, KS2, KS
    d.table()->item(0, 4)->setCheckState(Qt::Unchecked);
    d.show();
    for (int k = 1; k <= 10; ++k) {
        child<QPushButton>(&d, QByteArray("preset" + QByteArray::number(k)).constData())->click();
        QCOMPARE(d.selectedPreset(), k - 1);
    }
    child<QPushButton>(&d, "preset7")->click();
    QCOMPARE(d.selectedPreset(), 6);
    QCOMPARE(child<QPushButton>(&d, "preset7")->property("class").toString(), QStringLiteral("KeepStatu_Multi"));

    // the second KS device went away after the table was filled
    ks2Present = false;
    QSignalSpy ksSpy(ks, &Interface::emitSendData);
    QSignalSpy ks2Spy(ks2, &Interface::emitSendData);
    QSignalSpy gwSpy(gw, &Interface::emitSendData);
    auto status = child<QLabel>(&d, "label_status");
    QString statusWhileBusy;
    bool enabledWhileBusy = true;
    int busyStopTime = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &d, [&] {
        auto busy = d.findChild<SxProgressIndicator *>();
        if (!busy || !busy->isVisible())
            return;
        statusWhileBusy = status->text();
        enabledWhileBusy = d.isEnabled();
        busyStopTime = busy->stopTime();
        busy->stopAnimation();
    });
    poll.start(5);
    BoxCatcher boxes;
    child<QPushButton>(&d, "btn_loadPreset")->click();
    poll.stop();

    QCOMPARE(statusWhileBusy, QStringLiteral("Sending..."));
    QVERIFY(!enabledWhileBusy);
    QCOMPARE(busyStopTime, 3000);
    QCOMPARE(status->text(), QStringLiteral("Send completed..."));
    QVERIFY(d.isEnabled());
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(sentFrames(ksSpy), QList<QByteArray>({hostFrame(0x04, 0x01, "06")}));
    QCOMPARE(sentFrames(gwSpy), QList<QByteArray>({hostFrame(0x04, 0x01, "06")}));
    QCOMPARE(ks2Spy.count(), 0);
}

// With VP_SCREENSHOT_DIR set both dialogs are saved there as pictures for a look by eye.
void TstUiMosaic::pictures()
{
    const QString dir = qEnvironmentVariable("VP_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("VP_SCREENSHOT_DIR not set");
    DialogMosaic mosaic;
    INFO_MOSAIC m = mosaicUnits(1, 1, 1);
    m.mode = 1;
    m.totalWidth = 7680;
    m.totalHeight = 2160;
    mosaic.setMosaic(1, m, 960, 540, 3);
    DialogMultiMachine multi;
    multi.setDevices({{KsId, &ksRec}, {Ks2Id, &ks2Rec}, {GwId, &gwRec}});
    for (QDialog *f : {static_cast<QDialog *>(&mosaic), static_cast<QDialog *>(&multi)}) {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(f->grab().save(dir + QLatin1Char('/') + f->metaObject()->className() + QStringLiteral(".png")));
    }
}

QTEST_MAIN(TstUiMosaic)
#include "tst_ui_mosaic.moc"
