// Mosaic and multi-machine dialogs: the unit limits and the frames of the switch, Apply and closing; the
// device table, the preset choice, its messages and the load-preset frames with the status texts.
#include "BoxCatcher.h"
#include "DialogMosaic.h"
#include "DialogMultiMachine.h"
#include "DlgBusy.h"
#include "DlgDevice.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace RecordBuilders;
using Frames = QList<QByteArray>;

const QString Ks2Id = QStringLiteral("1102030405060708090a0b0c");

static QSpinBox *spin(QWidget *d, const char *name) { return child<QSpinBox>(d, name); }
static void click(QWidget *d, const char *name) { child<QPushButton>(d, name)->click(); }

class TstUiMosaic : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerRecordTypes(); }
    void unitsLimitPosition_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("position"); // -1: left as it was (6)
        QTest::addColumn<int>("result");
        QTest::newRow("last unit") << 3 << 3 << 2 << 6 << 6;
        QTest::newRow("past the units") << 3 << 3 << 2 << 7 << 6;
        QTest::newRow("fewer columns hold it") << 3 << 2 << 2 << -1 << 4;
        QTest::newRow("past more rows") << 3 << 2 << 4 << 9 << 8;
        // the frame carries the position in one byte: 20 x 20 units still stop it at 255
        QTest::newRow("one byte, inside") << 3 << 20 << 20 << 255 << 255;
        QTest::newRow("one byte, outside") << 3 << 20 << 20 << 256 << 255;
        QTest::newRow("KX sends the tune too") << 17 << 3 << 2 << 5 << 5;
    }
    void unitsLimitPosition()
    {
        QFETCH(int, type);
        QFETCH(int, h);
        QFETCH(int, v);
        QFETCH(int, position);
        QFETCH(int, result);
        KsDevice ks(KsId, type);
        DialogMosaic d;
        d.setMosaic(1, INFO_MOSAIC{1, 0, 0, 0xFF, 2, 0, 0, 3, 2, 6}, 960, 540, type); // 3 x 2 units at 6, tunes -1, 2
        setFields(&d, {{"spinBox_hUnits", h}, {"spinBox_vUnits", v}});
        QCOMPARE(spin(&d, "spinBox_position")->maximum(), qMin(255, h * v));
        if (position >= 0)
            spin(&d, "spinBox_position")->setValue(position);
        QCOMPARE(spin(&d, "spinBox_position")->value(), result);
        ks.spy.clear();
        click(&d, "btn_apply");
        QCOMPARE(ks.frames(), Frames({hostFrame(0x06, 0x02, {1, h, v, result})}) +
                                  (type == 17 ? Frames({hostFrame(0x06, 0x04, "01 FF 02 00 00")}) : Frames()));
        // a position beyond the device's own units is held at the limit
        d.setMosaic(1, mosaicUnits(2, 2, 9), 960, 540, type);
        QCOMPARE(spin(&d, "spinBox_position")->value(), 4);
    }
    void fillingByMode()
    {
        DialogMosaic d;
        // window 1, on, unit mode, tunes -2, 3, -128, 127, 3 x 2 units at 5, 7680 wide
        INFO_MOSAIC m{1, 1, 0, 0xFE, 3, 0x80, 127, 3, 2, 5, 7680};
        d.setMosaic(0, m, 960, 540, 3);
        QCOMPARE(d.windowTitle(), QStringLiteral("window 1 Mosaic"));
        QVERIFY(child<QPushButton>(&d, "btn_switch")->isChecked());
        // tune bytes are signed; in unit mode the pixel page shows the window itself
        QCOMPARE(fieldValues(&d, {"spinBox_xTune", "spinBox_wTune", "spinBox_hTune", "spinBox_hTotal", "spinBox_vTotal"}),
                 QList<int>({-2, -128, 127, 960, 540}));
        m.mode = 1;
        m.enable = 0;
        d.setMosaic(0, m, 960, 540, 3);
        QVERIFY(!child<QPushButton>(&d, "btn_switch")->isChecked());
        QCOMPARE(fieldValues(&d, {"stackedWidget", "spinBox_hTotal"}), QList<int>({1, 7680}));
        QCOMPARE(spin(&d, "spinBox_position")->maximum(), 1);
    }
    void pixelApply()
    {
        KsDevice ks(KsId, 3);
        DialogMosaic d;
        // pixel mode, the height tune -10, 7680 x 2160 from (1920, 0)
        d.setMosaic(2, INFO_MOSAIC{1, 0, 1, 0, 0, 0, 0xF6, 1, 1, 1, 7680, 2160, 1920, 0}, 960, 540, 3);
        setFields(&d, {{"spinBox_yTune", -1}});
        click(&d, "btn_apply");
        QCOMPARE(ks.frames(),
                 Frames({hostFrame(0x06, 0x03, "02 001E 7008 8007 0000"), hostFrame(0x06, 0x04, "02 00 FF 00 F6")}));
    }
    void switchAndClose()
    {
        KsDevice ks(KsId, 3);
        DialogMosaic d;
        d.setMosaic(5, mosaicUnits(2, 2, 1), 960, 540, 3);
        d.show();
        click(&d, "btn_switch");
        QVERIFY(child<QPushButton>(&d, "btn_switch")->isChecked());
        click(&d, "btn_switch");
        QCOMPARE(ks.frames(), Frames({hostFrame(0x06, 0x00, "05 01"), hostFrame(0x06, 0x00, "05 00")}));
        for (bool byKey : {false, true}) { // Cancel or Escape: both read back
            ks.spy.clear();
            d.show();
            byKey ? QTest::keyClick(&d, Qt::Key_Escape) : click(&d, "btn_cancel");
            QVERIFY(!d.isVisible());
            QCOMPARE(ks.frames(), Frames({hostFrame(0xE8, 0x00)}));
        }
        // without the device's interface nothing is sent
        DeviceLookup::clear();
        ks.spy.clear();
        d.show();
        click(&d, "btn_switch");
        click(&d, "btn_apply");
        d.close();
        QCOMPARE(ks.spy.count(), 0);
    }
    void tableFromDeviceMap()
    {
        DEVICE_INFO_KS a;
        a.cpuid = QStringLiteral("000000000000000000000001");
        a.type = 0;
        a.hasUsb = 1;
        a.hasSdi = 1;
        a.linkType = 1;
        a.version = QStringLiteral("V1.2");
        DEVICE_INFO_GW b;
        b.cpuid = QStringLiteral("000000000000000000000002");
        b.type = 48;
        b.linkType = 2;
        b.address = QHostAddress(QStringLiteral("192.168.1.5"));
        b.name = QStringLiteral("right");
        INFO_BASIC c;
        c.cpuid = QStringLiteral("000000000000000000000003");
        c.type = 99;
        DialogMultiMachine d;
        d.setDevices({{a.cpuid, &a}, {b.cpuid, &b}, {c.cpuid, &c}});
        QTableWidget *t = d.table();
        QCOMPARE(t->rowCount(), 3);
        // each record goes in at the top: the last of the map comes first
        QStringList cells;
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 4; ++col)
                cells << t->item(row, col)->text();
            QCOMPARE(t->item(row, 4)->checkState(), Qt::Checked);
        }
        QCOMPARE(cells.mid(0, 1) + cells.mid(4, 7),
                 QStringList({"Unknow", "GW5", "network(192.168.1.5)", "", "right", "KS1200US", "usb", "V1.2"}));
        QCOMPARE(t->item(2, 0)->data(Qt::UserRole).toString(), a.cpuid);
        QCOMPARE(d.checkedCpuids(), QStringList({c.cpuid, b.cpuid, a.cpuid}));
        d.setDevices({{a.cpuid, &a}});
        QCOMPARE(t->rowCount(), 1);
    }
    void selectDeviceComesFirst()
    {
        KsDevice ks(KsId, 3);
        DialogMultiMachine d;
        d.setDevices({{KsId, &ks.record}});
        d.table()->item(0, 4)->setCheckState(Qt::Unchecked);
        d.show();
        BoxCatcher boxes;
        QCOMPARE(d.selectedPreset(), -1);
        click(&d, "btn_loadPreset");
        // still no device, now with a preset
        click(&d, "preset3");
        click(&d, "btn_loadPreset");
        // a device but no preset
        DialogMultiMachine d2;
        d2.setDevices({{KsId, &ks.record}});
        d2.show();
        click(&d2, "btn_loadPreset");
        QCOMPARE(boxes.titles + boxes.texts, QStringList({"tips", "tips", "tips", "Please select a device",
                                                          "Please select a device", "Please select a preset"}));
        QCOMPARE(ks.spy.count(), 0);
    }
    void loadPresetOnTickedDevices()
    {
        DEVICE_INFO_KS unticked;
        unticked.cpuid = QStringLiteral("ffffffffffffffffffffffff");
        unticked.type = 3;
        KsDevice ks(KsId, 3), ks2(Ks2Id, 17);
        GwDevice gw(GwId, 48);
        QMap<QString, QPair<INFO_BASIC *, Interface *>> online{
            {KsId, {&ks.record, &ks.iface}}, {Ks2Id, {&ks2.record, &ks2.iface}}, {GwId, {&gw.record, &gw.iface}}};
        DeviceLookup::install([&](const QString &id) { return online.value(id).first; },
                              [&](const QString &id) { return online.value(id).second; });
        DialogMultiMachine d;
        d.setDevices({{KsId, &ks.record}, {Ks2Id, &ks2.record}, {GwId, &gw.record}, {unticked.cpuid, &unticked}});
        // rows are top-down in reverse map order: unticked, GW, KS2, KS
        d.table()->item(0, 4)->setCheckState(Qt::Unchecked);
        d.show();
        for (int k = 1; k <= 10; ++k) {
            click(&d, QByteArray("preset" + QByteArray::number(k)).constData());
            QCOMPARE(d.selectedPreset(), k - 1);
        }
        click(&d, "preset7");
        QCOMPARE(d.selectedPreset(), 6);
        QCOMPARE(child<QPushButton>(&d, "preset7")->property("class").toString(), QStringLiteral("KeepStatu_Multi"));

        // the second KS device went away after the table was filled
        online.remove(Ks2Id);
        auto status = child<QLabel>(&d, "label_status");
        QStringList whileBusy;
        BusyStopper busy([&] { whileBusy << status->text() << (d.isEnabled() ? "enabled" : "disabled"); });
        BoxCatcher boxes;
        click(&d, "btn_loadPreset");
        QCOMPARE(busy.stopTimes, QList<int>({3000}));
        QCOMPARE(whileBusy, QStringList({"Sending...", "disabled"}));
        QCOMPARE(status->text(), QStringLiteral("Send completed..."));
        QVERIFY(d.isEnabled());
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(ks.frames(), Frames({hostFrame(0x04, 0x01, "06")}));
        QCOMPARE(gw.frames(), Frames({hostFrame(0x04, 0x01, "06")}));
        QCOMPARE(ks2.spy.count(), 0);
    }
};

QTEST_MAIN(TstUiMosaic)
#include "tst_ui_mosaic.moc"
