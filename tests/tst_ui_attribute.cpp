// Window attribute and add-window dialogs: the corrections after the quiet time, the dirty groups, the
// frames Apply sends to KS and GW devices and the add-window bounds with their message box.
#include "BoxCatcher.h"
#include "DialogAddWindow.h"
#include "DialogAttribute.h"
#include "DlgDevice.h"
#include "SxGraphicsView.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

using namespace RecordBuilders;
using Frames = QList<QByteArray>;



static QSpinBox *spin(QWidget *d, const char *name) { return child<QSpinBox>(d, name); }
static void apply(QWidget *d) { child<QPushButton>(d, "btn_apply")->click(); }

class TstUiAttribute : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerRecordTypes(); }
    void correctedAfterQuiet_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("corrected");
        QTest::newRow("window width below the minimum") << QByteArray("spinBox_win_w") << "10" << 64;
        QTest::newRow("crop width past the input edge") << QByteArray("spinBox_crop_w") << "1900" << 1820;
    }
    // Nothing is corrected while the operator types; after the quiet time only the edited field changes.
    void correctedAfterQuiet()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, typed);
        QFETCH(int, corrected);
        DialogAttribute d;
        fillKs(d);
        d.setCrop(inputCrop(2, 1, 100, 0, 1000, 1080));
        d.show();
        const bool crop = field.startsWith("spinBox_crop");
        QTimer *timer = crop ? d.cropTimer() : d.windowTimer();
        QCOMPARE(timer->interval(), 900);
        typeInto(spin(&d, field), typed);
        QCOMPARE(spin(&d, field)->value(), typed.toInt());
        QVERIFY(crop ? d.isCropDirty() : d.isWindowDirty());
        QVERIFY(timer->isActive());
        QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(spin(&d, field)->value(), corrected);
        QVERIFY(!timer->isActive());
        QCOMPARE(fieldValues(&d, {"spinBox_win_x", "spinBox_win_h", "spinBox_crop_x"}), QList<int>({100, 480, 100}));
    }
    // Window fields within the wall part QRectF(1920, 0, 1920, 1080), crop fields within a 1920 x 1080 input.
    void corrections_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QRect>("result");
        using A = DialogAttribute;
        const int wx = A::WinX, wy = A::WinY, ww = A::WinW, wh = A::WinH;
        const int cx = A::CropX, cy = A::CropY, cw = A::CropW, ch = A::CropH;
        QTest::newRow("window x left of bounds") << wx << QRect(1000, 0, 640, 480) << QRect(1920, 0, 640, 480);
        QTest::newRow("window x past right edge") << wx << QRect(3500, 0, 640, 480) << QRect(3200, 0, 640, 480);
        QTest::newRow("window x fits") << wx << QRect(2000, 900, 640, 480) << QRect(2000, 900, 640, 480);
        QTest::newRow("window width too wide") << ww << QRect(2000, 0, 3000, 480) << QRect(2000, 0, 1840, 480);
        QTest::newRow("window height too small") << wh << QRect(2000, 0, 640, 20) << QRect(2000, 0, 640, 64);
        QTest::newRow("window height too tall") << wh << QRect(2000, 100, 640, 2000) << QRect(2000, 100, 640, 980);
        QTest::newRow("window y past bottom") << wy << QRect(2000, 900, 640, 480) << QRect(2000, 600, 640, 480);
        QTest::newRow("crop x past edge") << cx << QRect(1500, 0, 640, 480) << QRect(1280, 0, 640, 480);
        QTest::newRow("crop x fits, y does not") << cx << QRect(50, 900, 640, 480) << QRect(50, 900, 640, 480);
        QTest::newRow("crop y past edge") << cy << QRect(0, 900, 640, 480) << QRect(0, 600, 640, 480);
        QTest::newRow("crop width small") << cw << QRect(0, 0, 10, 480) << QRect(0, 0, 64, 480);
        QTest::newRow("crop height small") << ch << QRect(0, 0, 640, 63) << QRect(0, 0, 640, 64);
        QTest::newRow("crop height past edge") << ch << QRect(0, 100, 640, 1080) << QRect(0, 100, 640, 980);
    }
    void corrections()
    {
        QFETCH(int, field);
        QFETCH(QRect, rect);
        QFETCH(QRect, result);
        if (QByteArray(QTest::currentDataTag()).startsWith("crop"))
            QCOMPARE(DialogAttribute::correctCrop(rect, field, 1920, 1080), result);
        else
            QCOMPARE(DialogAttribute::correctWindow(rect, field, QRectF(1920, 0, 1920, 1080)), result);
    }
    void inputLabel_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("label");
        QTest::newRow("known") << 33 << 1280 << 60 << "Input Resolution: 1280x720x60";
        // no input (-1 as a 16-bit value), a zero size or rate: unknown, the crop spans 1920 x 1080
        QTest::newRow("no input") << 0xFFFF << 1280 << 60 << "Input Resolution: unknown";
        QTest::newRow("zero width") << 33 << 0 << 60 << "Input Resolution: unknown";
        QTest::newRow("zero rate") << 33 << 1280 << 0 << "Input Resolution: unknown";
    }
    void inputLabel()
    {
        QFETCH(int, src);
        QFETCH(int, width);
        QFETCH(int, rate);
        QFETCH(QString, label);
        DialogAttribute d;
        d.setInput(src, width, 720, rate);
        QCOMPARE(child<QLabel>(&d, "label_inputResoltion")->text(), label);
        QCOMPARE(QSize(d.inputWidth(), d.inputHeight()), label.endsWith("unknown") ? QSize(1920, 1080) : QSize(1280, 720));
    }
    void cropFilling()
    {
        DialogAttribute d;
        d.setInput(33, 1280, 720, 60);
        // a zero or too large record size means the whole input
        d.setCrop(inputCrop(0, 0, 10, 20, 0, 5000));
        const auto crop = {"spinBox_crop_x", "spinBox_crop_y", "spinBox_crop_w", "spinBox_crop_h"};
        QCOMPARE(fieldValues(&d, crop), QList<int>({10, 20, 1280, 720}));
        d.setCrop(inputCrop(0, 0, 0, 0, 800, 600));
        QCOMPARE(fieldValues(&d, crop), QList<int>({0, 0, 800, 600}));
    }
    // KS windows take 0..15, GW windows 0..100; a value beyond the new range is held at its top.
    void transparencyRangeByType()
    {
        DialogAttribute d;
        auto t = spin(&d, "spinBox_trans");
        d.setDeviceType(48);
        d.setWindow(0, QRect(0, 0, 640, 480), 100, QRectF(0, 0, 1920, 1080), 0);
        QCOMPARE(t->value(), 100);
        for (int type : {0, 3, 16, 20}) {
            d.setDeviceType(type);
            QCOMPARE(t->maximum(), 15);
        }
        QCOMPARE(t->value(), 15);
        QVERIFY(!d.isTransDirty());
    }
    void applyFrames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("edits"); // field=typed text, in this order
        QTest::addColumn<Frames>("frames");
        QTest::newRow("KS transparency") << 3 << QStringList{"trans=7"}
                                         << Frames{hostFrame(0x03, 0x01, "02 07"), hostFrame(0xE2, 0x00)};
        // crop x 256 is pulled back to 0 by the window edit (the crop spans the input); Apply corrects width 5
        QTest::newRow("KS all groups") << 17 << QStringList{"crop_x=256", "win_h=300", "trans=12", "win_w=5"}
                                       << Frames{hostFrame(0x02, 0x00, "02 01 0000 0000 8007 3804"),
                                                 hostFrame(0x03, 0x00, "02 6400 3200 4000 2C01"), hostFrame(0x03, 0x01, "02 0C"),
                                                 hostFrame(0xE2, 0x00), hostFrame(0xE3, 0x00)};
        QTest::newRow("GW, between output holds") << 48 << QStringList{"trans=55"}
                                                  << Frames{hostFrame(0xF1, 0x00, "00"), hostFrame(0x03, 0x01, "04 37"),
                                                            hostFrame(0xF1, 0x00, "01"), hostFrame(0xE2, 0x00)};
    }
    void applyFrames()
    {
        QFETCH(int, type);
        QFETCH(QStringList, edits);
        QFETCH(Frames, frames);
        const bool isGw = type == 48;
        KsDevice ks(KsId, type);
        GwDevice gw(GwId, 48);
        if (!isGw)
            ks.install();
        QSignalSpy &spy = isGw ? gw.spy : ks.spy;
        DialogAttribute d;
        if (isGw) {
            d.setDeviceType(48);
            d.setWindow(4, QRect(0, 0, 960, 540), 100, QRectF(0, 0, 1920, 1080), 0);
        } else {
            fillKs(d);
        }
        d.show();
        // filling marks nothing and starts no correction
        QVERIFY(!d.isCropDirty() && !d.isTransDirty() && !d.isWindowDirty());
        QVERIFY(!d.windowTimer()->isActive() && !d.cropTimer()->isActive());
        for (const QString &e : edits)
            typeInto(spin(&d, qPrintable("spinBox_" + e.section('=', 0, 0))), e.section('=', 1));
        QVERIFY(d.isTransDirty());
        apply(&d);
        QCOMPARE(sentFrames(spy), frames);
        QVERIFY(!d.isCropDirty() && !d.isTransDirty() && !d.isWindowDirty() && d.isVisible());
        QVERIFY(!d.windowTimer()->isActive());
        // nothing left to send (a GW device still gets an empty hold and release)
        spy.clear();
        apply(&d);
        QCOMPARE(sentFrames(spy), isGw ? Frames({hostFrame(0xF1, 0x00, "00"), hostFrame(0xF1, 0x00, "01")}) : Frames());
    }
    void withoutInterfaceKeepsChanges()
    {
        // a record but no interface for the current device
        KsDevice ks(KsId, 3);
        DeviceLookup::install([&ks](const QString &) -> INFO_BASIC * { return &ks.record; },
                              [](const QString &) -> Interface * { return nullptr; });
        DialogAttribute d;
        fillKs(d);
        d.show();
        typeInto(spin(&d, "spinBox_trans"), QStringLiteral("3"));
        apply(&d);
        QCOMPARE(ks.spy.count(), 0);
        QVERIFY(d.isTransDirty());
        ks.install();
        apply(&d);
        QCOMPARE(ks.frames(), Frames({hostFrame(0x03, 0x01, "02 03"), hostFrame(0xE2, 0x00)}));
    }
    void gwApplyBetweenOutputHolds()
    {
        GwDevice gw(GwId, 48);
        gw.iface.openWindow(1, 0, 0, 960, 540, 3);
        gw.spy.clear();
        DialogAttribute d;
        d.setDeviceType(48);
        d.setWindow(1, QRect(0, 0, 960, 540), 100, QRectF(0, 0, 1920, 1080), 3);
        d.setInput(0, 1920, 1080, 60);
        d.setCrop(inputCrop(1, 0, 0, 0, 1920, 1080));
        d.show();
        child<QPushButton>(&d, "btn_crop")->click();
        typeInto(spin(&d, "spinBox_crop_w"), QStringLiteral("960"));
        typeInto(spin(&d, "spinBox_trans"), QStringLiteral("40"));
        typeInto(spin(&d, "spinBox_win_x"), QStringLiteral("200"));
        apply(&d);

        const Frames f = gw.frames();
        QVERIFY(f.size() >= 6);
        QCOMPARE(f.first(), hostFrame(0xF1, 0x00, "00"));
        const int cropAt = f.indexOf(hostFrame(0x02, 0x00, "01 01 0000 0000 C003 3804"));
        const int transAt = f.indexOf(hostFrame(0x03, 0x01, "01 28"));
        const int releaseAt = f.indexOf(hostFrame(0xF1, 0x00, "01"));
        // the move of the window lies between the transparency and the release
        QVERIFY(0 < cropAt && cropAt < transAt && transAt + 1 < releaseAt);
        QCOMPARE(f.mid(releaseAt), Frames({hostFrame(0xF1, 0x00, "01"), hostFrame(0xE3, 0x00), hostFrame(0xE2, 0x00)}));
        const GW5::WindowRecord w = gw.iface.matrix()->window(1);
        QCOMPARE(QList<int>({w.winId, w.x, w.layer, w.flag, w.srcW}), QList<int>({1, 200, 3, 1, 960}));
        QVERIFY(!d.isCropDirty() && !d.isTransDirty() && !d.isWindowDirty());
    }
    void fillFromCanvas()
    {
        KsDevice ks(KsId, 3);
        ks.record.inputCrops = {inputCrop(0, 0, 0, 0, 0, 0), inputCrop(1, 1, 16, 8, 800, 600)};
        SxGraphicsView view;
        view.setDeviceType(3);
        view.setCpuid(KsId);
        view.setPanels({outputPanel(0, 1920, 1080, 60)}, false);
        view.setWindows({INFO_WINDOW{0, 0, 0, 0, 1, 1, 320, 200, 640, 360, 9}}); // window 1 on source 1, transparency 9

        DialogAttribute d;
        QVERIFY(!d.fillFromView(&view, 5));
        QVERIFY(d.fillFromView(&view, 1));
        QCOMPARE(d.windowId(), 1);
        QCOMPARE(fieldValues(&d, {"spinBox_win_x", "spinBox_win_y", "spinBox_win_w", "spinBox_win_h", "spinBox_crop_x",
                                  "spinBox_crop_w"}),
                 QList<int>({320, 200, 640, 360, 16, 800}));
        QCOMPARE(spin(&d, "spinBox_trans")->maximum(), 15);
        QVERIFY(child<QPushButton>(&d, "btn_crop")->isChecked());
        QCOMPARE(d.windowTitle(), QStringLiteral("window 2"));
        QVERIFY(!d.isCropDirty() && !d.isTransDirty() && !d.isWindowDirty());
    }
    void addWindowBounds_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("fits");
        // bounds 3840 x 2160; each row moves one field across its limit
        QTest::newRow("lower right corner") << QRect(1920, 1080, 1920, 1080) << true;
        QTest::newRow("x one past") << QRect(1921, 1080, 1920, 1080) << false;
        QTest::newRow("y one past") << QRect(1920, 1081, 1920, 1080) << false;
        QTest::newRow("smallest") << QRect(0, 0, 64, 64) << true;
        QTest::newRow("width too small") << QRect(0, 0, 63, 200) << false;
        QTest::newRow("height too small") << QRect(0, 0, 200, 63) << false;
    }
    void addWindowBounds()
    {
        QFETCH(QRect, rect);
        QFETCH(bool, fits);
        DialogAddWindow d;
        d.setBounds(QRectF(0, 0, 3840, 2160));
        setFields(&d, {{"spinBox_x", rect.x()}, {"spinBox_y", rect.y()}, {"spinBox_w", rect.width()}, {"spinBox_h", rect.height()}});
        BoxCatcher boxes;
        QTimer::singleShot(0, &d, [&d] { child<QPushButton>(&d, "btn_ok")->click(); });
        QCOMPARE(d.exec(), int(fits ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(d.rect(), fits ? rect : QRect());
        QCOMPARE(boxes.titles + boxes.texts, fits ? QStringList() : QStringList({"tips", "Parameter beyond range"}));
    }

private:
    void fillKs(DialogAttribute &d)
    {
        d.setDeviceType(3);
        d.setWindow(2, QRect(100, 50, 640, 480), 10, QRectF(0, 0, 1920, 1080), 1);
        d.setInput(33, 1920, 1080, 60);
        d.setCrop(inputCrop(2, 1, 0, 0, 1920, 1080));
        d.setTitle(QStringLiteral("window 3"));
    }

};

QTEST_MAIN(TstUiAttribute)
#include "tst_ui_attribute.moc"
