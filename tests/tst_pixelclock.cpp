// The shared blanking and pixel-clock rule: blanking per size, limits per family, correction of the
// edited field only when the limit is exceeded.
#include "PixelClock.h"
#include <QtTest>
using PC = PixelClock;

class TestPixelClock : public QObject
{
    Q_OBJECT
private slots:
    void blanking_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<bool>("kx");
        QTest::addColumn<int>("hb");
        QTest::addColumn<int>("vb");
        QTest::newRow("narrow") << 400 << 300 << false << 640 << 320;
        QTest::newRow("479x479") << 479 << 479 << false << 640 << 160;
        QTest::newRow("480x480") << 480 << 480 << false << 480 << 80;
        QTest::newRow("640x600") << 640 << 600 << false << 320 << 40;
        QTest::newRow("wide ks") << 3840 << 2160 << false << 120 << 40;
        QTest::newRow("wide kx") << 3840 << 2160 << true << 160 << 40;
        QTest::newRow("800x600") << 800 << 600 << true << 256 << 28;
        QTest::newRow("1920x1080") << 1920 << 1080 << false << 280 << 45;
        QTest::newRow("1920x1200 kx") << 1920 << 1200 << true << 160 << 35;
        QTest::newRow("1680x1050") << 1680 << 1050 << false << 160 << 30;
    }

    void blanking()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(bool, kx);
        QFETCH(int, hb);
        QFETCH(int, vb);
        const PC::Limits l = kx ? PC::kxOutput() : PC::ksOutput();
        QCOMPARE(PC::hBlank(w, h, l), hb);
        QCOMPARE(PC::vBlank(w, h), vb);
    }

    void correction_data()
    {
        // family: 0 KS output, 1 KX output, 2 KX wide, 3 GW, 4 EDID type 0, 5 EDID 17, 6 EDID 48
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("w2");
        QTest::addColumn<int>("h2");
        QTest::addColumn<int>("r2");
        QTest::newRow("ks rate 3840x2160") << 0 << int(PC::FrameRate) << 3840 << 2160 << 60 << 3840 << 2160 << 23;
        QTest::newRow("gw rate 3840x2160") << 3 << int(PC::FrameRate) << 3840 << 2160 << 60 << 3840 << 2160 << 23;
        // 180e6 / 60 / 1120 - 160 = 2518 -> 2504; wide output keeps 2518.
        QTest::newRow("kx width mode 0") << 1 << int(PC::Width) << 4000 << 1080 << 60 << 2504 << 1080 << 60;
        QTest::newRow("kx width mode 1") << 2 << int(PC::Width) << 4000 << 1080 << 60 << 2518 << 1080 << 60;
        QTest::newRow("kx width mode 1 huge") << 2 << int(PC::Width) << 9000 << 2000 << 240 << 480 << 2000 << 240;
        QTest::newRow("edid 0 width") << 4 << int(PC::Width) << 4000 << 1080 << 60 << 2484 << 1080 << 60;
        // 175e6 / (2040 * 60) - 40 = 1389
        QTest::newRow("ks height") << 0 << int(PC::Height) << 1920 << 2000 << 60 << 1920 << 1389 << 60;
        QTest::newRow("edid 48 height low") << 6 << int(PC::Height) << 3800 << 1900 << 120 << 3800 << 332 << 120;
        // Within the limit nothing is clamped, even above the bounds.
        QTest::newRow("ks width 4000 slow") << 0 << int(PC::Width) << 4000 << 600 << 23 << 4000 << 600 << 23;
        QTest::newRow("edid 17 preset") << 5 << int(PC::Width) << 4080 << 2160 << 30 << 4080 << 2160 << 30;
    }

    void correction()
    {
        QFETCH(int, family);
        QFETCH(int, field);
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, r);
        const PC::Limits all[] = {PC::ksOutput(), PC::kxOutput(false), PC::kxOutput(true), PC::gwOutput(),
                                  PC::edid(0),    PC::edid(17),        PC::edid(48)};
        const PC::Timing t = PC::corrected({w, h, r}, PC::Field(field), all[family]);
        QTEST(t.width, "w2");
        QTEST(t.height, "h2");
        QTEST(t.rate, "r2");
    }

    void withinLimitUnchanged()
    {
        const PC::Limits l = PC::edid(17);
        QCOMPARE(PC::clockOf({4080, 2160, 30}, l), int64_t(279840000));
        QVERIFY(PC::withinLimit({4080, 2160, 30}, l) && !PC::withinLimit({4080, 2160, 30}, PC::edid(0)));
        // Type 20 is a KX model and shares the KX EDID limits; unknown types get the KS ones.
        QCOMPARE(PC::edid(20).clock, int64_t(300000000));
        QCOMPARE(PC::edid(99).clock, int64_t(175000000));
    }

    void degenerateInputs()
    {
        // A zero or negative rate never divides by zero and is never "over the limit"; very large values do not
        // overflow.
        QCOMPARE(QVector<int>({PC::corrected({3840, 2160, 0}, PC::Width, PC::ksOutput()).width,
                               PC::corrected({-5000, 2160, 60}, PC::Height, PC::ksOutput()).height,
                               PC::corrected({65535, 65535, 255}, PC::FrameRate, PC::ksOutput()).rate}),
                 QVector<int>({3840, 2160, 23}));
    }
};

QTEST_APPLESS_MAIN(TestPixelClock)
#include "tst_pixelclock.moc"
