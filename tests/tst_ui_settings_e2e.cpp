// Output resolution and EDID changes made in the settings dialogs of a main window reach simulated KS, KX
// and GW devices (state file and frame log), and the dialogs opened again show what the device answered;
// so do a GW window's crop and transparency. The main window reaches vpsim (127.0.61.x) over TCP.
#include "CanvasUi.h"
#include "CommManager.h"
#include "DialogAttribute.h"
#include "DialogEDID.h"
#include "DialogGWPanel.h"
#include "DialogOutputSetting.h"
#include "FrameCodec.h"
#include "Interface.h"
#include "MainWindow.h"
#include "SimProcess.h"
#include "SxTabWidget.h"
#include "BoxCatcher.h"
#include "DlgBusy.h"
#include "DlgDevice.h"

#include <QComboBox>
#include <QJsonArray>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

const QString KsAddr = QStringLiteral("127.0.61.2");
const QString KxAddr = QStringLiteral("127.0.61.3");
const QString GwAddr = QStringLiteral("127.0.61.4");

static bool waitUntil(const std::function<bool()> &cond) { return SimProcess::waitFor(cond, 10000); }

// The first entry of `list` that `pred` holds for, or a default one.
template <typename T, typename P> static T find(const QList<T> &list, P pred)
{
    auto it = std::find_if(list.begin(), list.end(), pred);
    return it == list.end() ? T() : *it;
}

class TestUiSettingsE2e : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CanvasUi::privateSettings(dir.path());
        QVERIFY2(sim.start({"--device", "KS9200:addr=" + KsAddr, "--device", "KX4200:addr=" + KxAddr, "--device",
                            "GW5:addr=" + GwAddr, "--heartbeat-ms", "1000"}),
                 qPrintable(sim.errorString()));
        QCOMPARE(sim.devices().size(), 3);
    }
    void init()
    {
        w = new MainWindow;
        boxes = new BoxCatcher;
        busy = new BusyStopper;
    }
    void cleanup()
    {
        QVERIFY2(boxes->texts.isEmpty(), qPrintable(boxes->texts.join('|')));
        delete busy;
        delete boxes;
        delete w;
    }
    void ksOutputResolutionAndEdid()
    {
        const QString id = reach(KsAddr);
        QCOMPARE(int(w->ksRecord(id)->type), 3);
        QVERIFY(w->ksRecord(id)->panels.size() == 2);

        applyIn<DialogOutputSetting>(&MainWindow::onTitleOutputSetting,
                                     {{"comboBox_output1", 0}, {"comboBox_output2", 0}, {"spinBox_output1_w", 1600},
                                      {"spinBox_output1_h", 900}, {"spinBox_fr1", 50}, {"spinBox_output2_w", 1280},
                                      {"spinBox_output2_h", 720}, {"spinBox_fr2", 60}},
                                     "pushButton");
        QCOMPARE(busy->stopTimes.size(), 1);
        QVERIFY(waitUntil([&] { return w->ksRecord(id)->panels.value(0).width == 1600; }));
        QVERIFY(waitUntil([&] { return statePanel(id, 1, "width") == 1280; }));
        QCOMPARE(QList<int>({statePanel(id, 0, "width"), statePanel(id, 0, "height"), statePanel(id, 0, "rate"),
                             statePanel(id, 1, "width"), statePanel(id, 1, "height")}),
                 QList<int>({1600, 900, 50, 1280, 720}));
        QCOMPARE(received(id, 0x05, 0x00, 6, 1), QStringList({"00", "01"})); // one frame per output
        QCOMPARE(shown<DialogOutputSetting>(&MainWindow::onTitleOutputSetting, {"spinBox_output1_w", "spinBox_output1_h",
                                                                                "spinBox_fr1", "spinBox_output2_w", "comboBox_output2"}),
                 QList<int>({1600, 900, 50, 1280, 0}));

        const QList<INFO_EDID> before = w->ksRecord(id)->edid;
        QVERIFY(before.size() >= 2);
        const int src = before.at(1).srcId;
        applyIn<DialogEDID>(&MainWindow::onTitleEDID,
                            {{"combo_inputSrc", 1}, {"spin_width", 1280}, {"spin_height", 1024}, {"spin_frame", 60}}, "btn_ok");
        QVERIFY(waitUntil([&] { return w->ksRecord(id)->edid.value(1).width == 1280; }));
        QCOMPARE(int(w->ksRecord(id)->edid.value(1).srcId), src);
        QCOMPARE(int(w->ksRecord(id)->edid.value(0).width), int(before.at(0).width));
        QCOMPARE(received(id, 0x0C, 0x00, 6, 1), QStringList({QString::asprintf("%02x", src)}));
        QCOMPARE(shown<DialogEDID>(&MainWindow::onTitleEDID, {"spin_width", "spin_height", "spin_frame", "combo_inputSrc"}),
                 QList<int>({1280, 1024, 60, 1}));
    }
    void kxOutputResolutionAndEdidPreset()
    {
        const QString id = reach(KxAddr);
        QCOMPARE(int(w->ksRecord(id)->type), 17);
        // KX: one frame for all outputs, preset 10 is 1028 × 1600.
        applyIn<DialogOutputSetting>(&MainWindow::onTitleOutputSetting, {{"comboBox_output1", 10}}, "pushButton");
        QVERIFY(waitUntil([&] { return w->ksRecord(id)->panels.value(0).width == 1028; }));
        QVERIFY(waitUntil([&] { return statePanel(id, 1, "width") == 1028; }));
        for (const QJsonValue &p : deviceState(id).value("panels").toArray()) {
            QCOMPARE(p.toObject().value("width").toInt(), 1028);
            QCOMPARE(p.toObject().value("height").toInt(), 1600);
        }
        QCOMPARE(received(id, 0x05, 0x00, 6, 2), QStringList({"ff0a"}));
        // The KX read-back asks for the output mode as well.
        QVERIFY(!received(id, 0xE1, 0x01, 0, 0).isEmpty());
        QCOMPARE(shown<DialogOutputSetting>(&MainWindow::onTitleOutputSetting, {"comboBox_output1"}), QList<int>({10}));
        // EDID from preset 7, "2560*1600 60Hz".
        applyIn<DialogEDID>(&MainWindow::onTitleEDID, {{"combo_inputSrc", 0}, {"combo_preset", 7}}, "btn_ok");
        QVERIFY(waitUntil([&] { return w->ksRecord(id)->edid.value(0).width == 2560; }));
        QCOMPARE(shown<DialogEDID>(&MainWindow::onTitleEDID, {"spin_width", "spin_height", "spin_frame"}),
                 QList<int>({2560, 1600, 60}));
    }
    void gwWindowAttribute()
    {
        const QString id = reach(GwAddr);
        const DEVICE_INFO_GW *rec = w->gwRecord(id);
        auto window = [&] { return find(rec->windows, [](const INFO_WINDOW &x) { return x.winId == 2; }); };
        auto crop = [&] { return find(rec->inputCrops, [](const INFO_INPUTCROP &c) { return c.index == 2; }); };
        const INFO_WINDOW before = window();
        QCOMPARE(int(before.winId), 2);
        QVERIFY(before.param1 != 40);
        QRect wall;
        for (const INFO_PANEL &p : rec->panels)
            wall |= QRect(p.x, p.y, p.width, p.height);
        DialogAttribute d;
        d.setDeviceType(48);
        d.setWindow(2, QRect(before.x, before.y, before.width, before.height), before.param1, QRectF(wall), before.param3);
        d.setInput(before.param2, 1920, 1080, 60);
        d.setCrop(crop());
        d.show();
        if (!child<QPushButton>(&d, "btn_crop")->isChecked())
            child<QPushButton>(&d, "btn_crop")->click();
        for (const auto &e : QList<QPair<const char *, const char *>>{
                 {"spinBox_crop_x", "100"}, {"spinBox_crop_w", "960"}, {"spinBox_crop_h", "540"}, {"spinBox_trans", "40"}})
            typeInto(child<QSpinBox>(&d, e.first), e.second);
        child<QPushButton>(&d, "btn_apply")->click();
        QVERIFY(waitUntil([&] { return crop().x == 100 && window().param1 == 40; }));
        const INFO_INPUTCROP c = crop();
        QCOMPARE(QList<int>({c.enable, c.x, c.width, c.height}), QList<int>({1, 100, 960, 540}));
        const INFO_WINDOW after = window();
        QCOMPARE(QRect(after.x, after.y, after.width, after.height), QRect(before.x, before.y, before.width, before.height));
    }
    void gwOutputResolutionAndEdid()
    {
        const QString id = reach(GwAddr);
        QVERIFY(w->gwRecord(id) && !w->gwRecord(id)->panels.isEmpty());
        // The GW output dialog: preset 2 is 1280 × 720. Loading template 0 afterwards reads all back.
        QSignalSpy readBack(w->interfaceOf(id), &Interface::emitAllParams);
        applyIn<DialogGWPanel>(&MainWindow::onTitleOutputSetting, {{"combo_resolution", 2}}, "btn_apply");
        QVERIFY(waitUntil([&] { return deviceState(id).value("areaWidth").toInt() == 1280; }));
        QCOMPARE(deviceState(id).value("areaHeight").toInt(), 720);
        QCOMPARE(received(id, 0x05, 0x00, 7, 1), QStringList({"02"}));
        QVERIFY(waitUntil([&] { return readBack.count() > 0; }));
        QCOMPARE(shown<DialogGWPanel>(&MainWindow::onTitleOutputSetting, {"spin_width", "spin_height", "combo_resolution"}),
                 QList<int>({1280, 720, 2}));

        QVERIFY(w->gwRecord(id)->edid.size() >= 3);
        const int src = w->gwRecord(id)->edid.at(2).srcId;
        applyIn<DialogEDID>(&MainWindow::onTitleEDID,
                            {{"combo_inputSrc", 2}, {"spin_width", 1600}, {"spin_height", 1200}, {"spin_frame", 60}}, "btn_ok");
        auto edidOf = [&] { return find(w->gwRecord(id)->edid, [&](const INFO_EDID &e) { return e.srcId == src; }); };
        QVERIFY(waitUntil([&] { return edidOf().width == 1600; }));
        QCOMPARE(int(edidOf().height), 1200);
        QCOMPARE(received(id, 0x0C, 0x00, 6, 1), QStringList({QString::asprintf("%02x", src)}));
        QString input;
        QCOMPARE(shown<DialogEDID>(&MainWindow::onTitleEDID, {"spin_width", "spin_height", "combo_inputSrc"}, &input),
                 QList<int>({1600, 1200, 2}));
        QCOMPARE(input, QStringLiteral("Input%1").arg(src + 1));
    }

private:
    // Links the main window to the device at `addr`, makes it current, reads it all back; returns its cpuid.
    QString reach(const QString &addr)
    {
        const QString cpuid = sim.deviceAt(QHostAddress(addr))->cpuid;
        const uint key = w->commManager()->connectTcp(QHostAddress(addr), 61213);
        // The device answers a search on the stream link as well; ask until it is registered.
        QElapsedTimer asked;
        [&] {
            QVERIFY(waitUntil([&] {
                if (!w->record(cpuid) && (!asked.isValid() || asked.elapsed() > 200)) {
                    w->commManager()->write(key, makeSearchFrame());
                    asked.start();
                }
                return w->record(cpuid) != nullptr;
            }));
            w->tabWidget()->addDevice(w->record(cpuid));
            for (int i = 0; i < w->tabWidget()->count(); ++i)
                if (w->tabWidget()->tabBar()->tabData(i).toString() == cpuid)
                    w->tabWidget()->setCurrentIndex(i);
            w->onTabCurrentChanged(w->tabWidget()->currentIndex());
            QCOMPARE(w->currentCpuid(), cpuid);
            QSignalSpy done(w->interfaceOf(cpuid), &Interface::emitAllParams);
            w->onTitleSync();
            QVERIFY(waitUntil([&] { return done.count() > 0; }));
        }();
        return cpuid;
    }
    QJsonObject deviceState(const QString &cpuid)
    {
        sim.refresh();
        const SimProcess::Device *d = sim.device(cpuid);
        return d ? d->state : QJsonObject();
    }
    int statePanel(const QString &cpuid, int i, const char *key)
    {
        return deviceState(cpuid).value("panels").toArray().at(i).toObject().value(key).toInt();
    }
    // Bytes [first, first + count) in hex of each host frame with this command the device received, in order.
    QStringList received(const QString &cpuid, int cmd, int sub, int first, int count) const
    {
        QStringList out;
        for (const QJsonObject &o : sim.log())
            if (o.value("device").toString() == cpuid && o.value("dir").toString() == "rx" &&
                o.value("cmd").toInt() == cmd && o.value("sub").toInt() == sub)
                out << QByteArray::fromHex(o.value("hex").toString().toLatin1()).mid(first, count).toHex();
        return out;
    }
    // Opens the dialog, sets the fields in this order, presses `button` and closes it.
    template <typename T>
    void applyIn(void (MainWindow::*open)(), const QList<std::pair<const char *, int>> &fields, const char *button)
    {
        runDialog<T>(open, [=](T *d) {
            for (const auto &f : fields)
                QVERIFY2(setField(child<QWidget>(d, f.first), f.second), f.first);
            child<QPushButton>(d, button)->click();
            d->reject();
        });
    }
    // `act` runs once in the dialog's own loop (nested loops inside it are driven too); a dialog never opened fails.
    template <typename T> void runDialog(void (MainWindow::*open)(), std::function<void(T *)> act)
    {
        bool opened = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            T *d = qobject_cast<T *>(QApplication::activeModalWidget());
            if (d && !opened)
                QTimer::singleShot(0, d, [act, d] { act(d); });
            opened = opened || d;
        });
        poll.start(10);
        QObject guard; // a dialog still open after 20 s is closed
        QTimer::singleShot(20000, &guard, [] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                d->reject();
        });
        (w->*open)();
        QVERIFY2(opened, "the dialog was not opened");
    }
    // Opens the dialog again and reads the fields it shows (and the text of the last, a combo).
    template <typename T>
    QList<int> shown(void (MainWindow::*open)(), const QList<const char *> &names, QString *lastText = nullptr)
    {
        QList<int> out;
        runDialog<T>(open, [&](T *d) {
            for (const char *name : names)
                out << fieldValue(child<QWidget>(d, name));
            if (lastText)
                *lastText = child<QComboBox>(d, names.last())->currentText();
            d->reject();
        });
        return out;
    }

    QTemporaryDir dir;
    SimProcess sim;
    MainWindow *w = nullptr;
    BoxCatcher *boxes = nullptr; // message boxes are recorded and closed
    BusyStopper *busy = nullptr;
};

QTEST_MAIN(TestUiSettingsE2e)
#include "tst_ui_settings_e2e.moc"
