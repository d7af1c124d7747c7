// Output resolution and EDID changes made in the settings dialogs of a main window reach simulated
// KS, KX and GW devices (their state file and frame log show it), and the dialogs opened again show
// what the device answered. vpsim runs on loopback addresses of its own (127.0.61.x); the main
// window reaches each device through a TCP link of its transport manager, as after a search.
#include "CommManager.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DialogEDID.h"
#include "DialogGWPanel.h"
#include "DialogOutputSetting.h"
#include "FrameCodec.h"
#include "Interface.h"
#include "MainWindow.h"
#include "SxProgressIndicator.h"
#include "SxTabWidget.h"
#include "UiLookup.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include "TestSupport.h"

#include <QtTest>
#include <functional>

namespace {
const QString KsAddr = QStringLiteral("127.0.61.2");
const QString KxAddr = QStringLiteral("127.0.61.3");
const QString GwAddr = QStringLiteral("127.0.61.4");

bool waitUntil(const std::function<bool()> &cond, int timeoutMs = 10000)
{
    return TestSupport::waitUntil(cond, timeoutMs);
}

// Drives the modal loops a title-bar command opens: the dialog of type T gets `act` once (run
// from the dialog's own loop so that nested loops inside it are driven too), the blocking busy
// indicator is stopped, and message boxes are recorded and closed.
class ModalDriver : public QObject
{
public:
    ModalDriver()
    {
        connect(&poll, &QTimer::timeout, this, [this] { step(); });
        poll.start(10);
    }
    template <typename T> void expect(std::function<void(T *)> act)
    {
        pending = [act](QWidget *w) {
            T *d = qobject_cast<T *>(w);
            if (!d)
                return false;
            QTimer::singleShot(0, d, [act, d] { act(d); });
            return true;
        };
    }
    bool done() const { return !pending; }
    QStringList boxes;
    int busyStops = 0;

private:
    void step()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *busy = qobject_cast<SxProgressIndicator *>(w)) {
            ++busyStops;
            busy->stopAnimation();
        } else if (auto *box = qobject_cast<QMessageBox *>(w)) {
            boxes << box->text();
            box->buttons().value(0)->click();
        } else if (w && pending && pending(w)) {
            pending = nullptr;
        }
    }
    QTimer poll;
    std::function<bool(QWidget *)> pending;
};
} // namespace

class TestUiSettingsE2e : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void ksOutputResolutionAndEdid();
    void kxOutputResolutionAndEdidPreset();
    void gwOutputResolutionAndEdid();
    void pictures();

private:
    // Links the main window to the device at `addr` and makes it the current device with its
    // full read-back done.
    void reach(const QString &addr, const QString &cpuid);
    QJsonObject deviceState(const QString &cpuid) const;
    // Host frames the device received with this command and sub-command, in order.
    QList<QByteArray> received(const QString &cpuid, int cmd, int sub) const;
    template <typename T> void runDialog(void (MainWindow::*open)(), std::function<void(T *)> act);

    QTemporaryDir dir;
    QProcess sim;
    QMap<QString, QString> cpuidOf; // address -> cpuid
    MainWindow *w = nullptr;
    ModalDriver *driver = nullptr;
};

void TestUiSettingsE2e::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QSettings().setValue("Language", 0);

    const QString bin = qEnvironmentVariable("VPSIM");
    QVERIFY2(!bin.isEmpty() && QFile::exists(bin), "VPSIM does not name the vpsim binary");
    sim.setProcessChannelMode(QProcess::ForwardedChannels);
    sim.start(bin, {"--state-file", dir.filePath("state.json"), "--log", dir.filePath("frames.jsonl"),
                    "--device", "KS9200:addr=" + KsAddr, "--device", "KX4200:addr=" + KxAddr, "--device",
                    "GW5:addr=" + GwAddr, "--heartbeat-ms", "1000"});
    QVERIFY(sim.waitForStarted(5000));
    QVERIFY2(waitUntil([&] {
                 return QFile::exists(dir.filePath("state.json")) || sim.state() != QProcess::Running;
             }) &&
                 sim.state() == QProcess::Running,
             "vpsim did not start");
    QFile f(dir.filePath("state.json"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).object().value("devices").toArray())
        cpuidOf.insert(v.toObject().value("address").toString(), v.toObject().value("cpuid").toString());
    QCOMPARE(cpuidOf.size(), 3);
}

void TestUiSettingsE2e::cleanupTestCase()
{
    if (sim.state() != QProcess::NotRunning) {
        sim.terminate();
        if (!sim.waitForFinished(3000))
            sim.kill(), sim.waitForFinished(1000);
    }
}

void TestUiSettingsE2e::init()
{
    w = new MainWindow;
    driver = new ModalDriver;
}

void TestUiSettingsE2e::cleanup()
{
    QVERIFY2(driver->boxes.isEmpty(), qPrintable(driver->boxes.join('|')));
    delete driver;
    delete w;
}

void TestUiSettingsE2e::reach(const QString &addr, const QString &cpuid)
{
    const uint key = w->commManager()->connectTcp(QHostAddress(addr), 61213);
    // The device answers a search on the stream link as well; ask until it is registered.
    QElapsedTimer asked;
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
}

QJsonObject TestUiSettingsE2e::deviceState(const QString &cpuid) const
{
    QFile f(dir.filePath("state.json"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).object().value("devices").toArray())
        if (v.toObject().value("cpuid").toString() == cpuid)
            return v.toObject().value("state").toObject();
    return {};
}

QList<QByteArray> TestUiSettingsE2e::received(const QString &cpuid, int cmd, int sub) const
{
    QList<QByteArray> out;
    QFile f(dir.filePath("frames.jsonl"));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    while (!f.atEnd()) {
        const QJsonObject o = QJsonDocument::fromJson(f.readLine()).object();
        if (o.value("device").toString() == cpuid && o.value("dir").toString() == "rx" &&
            o.value("cmd").toInt() == cmd && o.value("sub").toInt() == sub)
            out << QByteArray::fromHex(o.value("hex").toString().toLatin1());
    }
    return out;
}

template <typename T>
void TestUiSettingsE2e::runDialog(void (MainWindow::*open)(), std::function<void(T *)> act)
{
    driver->expect<T>(act);
    // The command returns when the dialog closes; a dialog that never opened fails here.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    guard.start(20000);
    (w->*open)();
    QVERIFY2(driver->done(), "the dialog was not opened");
}

void TestUiSettingsE2e::ksOutputResolutionAndEdid()
{
    const QString id = cpuidOf.value(KsAddr);
    reach(KsAddr, id);
    QCOMPARE(int(w->ksRecord(id)->type), 3);
    QVERIFY(w->ksRecord(id)->panels.size() == 2);

    // Both outputs custom; Apply, then close the dialog.
    runDialog<DialogOutputSetting>(&MainWindow::onTitleOutputSetting, [](DialogOutputSetting *d) {
        child<QComboBox>(d, "comboBox_output1")->setCurrentIndex(0);
        child<QSpinBox>(d, "spinBox_output1_w")->setValue(1600);
        child<QSpinBox>(d, "spinBox_output1_h")->setValue(900);
        child<QSpinBox>(d, "spinBox_fr1")->setValue(50);
        child<QComboBox>(d, "comboBox_output2")->setCurrentIndex(0);
        child<QSpinBox>(d, "spinBox_output2_w")->setValue(1280);
        child<QSpinBox>(d, "spinBox_output2_h")->setValue(720);
        child<QSpinBox>(d, "spinBox_fr2")->setValue(60);
        child<QPushButton>(d, "pushButton")->click();
        d->reject();
    });
    QCOMPARE(driver->busyStops, 1);
    QVERIFY(waitUntil([&] { return w->ksRecord(id)->panels.value(0).width == 1600; }));
    QVERIFY(waitUntil([&] {
        return deviceState(id).value("panels").toArray().at(1).toObject().value("width").toInt() == 1280;
    }));
    const QJsonArray panels = deviceState(id).value("panels").toArray();
    QCOMPARE(panels.at(0).toObject().value("width").toInt(), 1600);
    QCOMPARE(panels.at(0).toObject().value("height").toInt(), 900);
    QCOMPARE(panels.at(0).toObject().value("rate").toInt(), 50);
    QCOMPARE(panels.at(1).toObject().value("width").toInt(), 1280);
    QCOMPARE(panels.at(1).toObject().value("height").toInt(), 720);
    const QList<QByteArray> sent = received(id, 0x05, 0x00);
    QCOMPARE(sent.size(), 2);
    QCOMPARE(uint8_t(sent.at(0)[6]), uint8_t(0));
    QCOMPARE(uint8_t(sent.at(1)[6]), uint8_t(1));

    int width = 0, height = 0, rate = 0, preset2 = -1, width2 = 0;
    runDialog<DialogOutputSetting>(&MainWindow::onTitleOutputSetting, [&](DialogOutputSetting *d) {
        width = child<QSpinBox>(d, "spinBox_output1_w")->value();
        height = child<QSpinBox>(d, "spinBox_output1_h")->value();
        rate = child<QSpinBox>(d, "spinBox_fr1")->value();
        preset2 = child<QComboBox>(d, "comboBox_output2")->currentIndex();
        width2 = child<QSpinBox>(d, "spinBox_output2_w")->value();
        d->reject();
    });
    QCOMPARE(QList<int>({width, height, rate}), QList<int>({1600, 900, 50}));
    QCOMPARE(QList<int>({preset2, width2}), QList<int>({0, 1280}));

    // EDID of the second input.
    const QList<INFO_EDID> before = w->ksRecord(id)->edid;
    QVERIFY(before.size() >= 2);
    const int src = before.at(1).srcId;
    QString input;
    runDialog<DialogEDID>(&MainWindow::onTitleEDID, [&](DialogEDID *d) {
        child<QComboBox>(d, "combo_inputSrc")->setCurrentIndex(1);
        input = child<QComboBox>(d, "combo_inputSrc")->currentText();
        child<QSpinBox>(d, "spin_width")->setValue(1280);
        child<QSpinBox>(d, "spin_height")->setValue(1024);
        child<QSpinBox>(d, "spin_frame")->setValue(60);
        child<QPushButton>(d, "btn_ok")->click();
        d->reject();
    });
    QVERIFY(waitUntil([&] { return w->ksRecord(id)->edid.value(1).width == 1280; }));
    QCOMPARE(int(w->ksRecord(id)->edid.value(1).srcId), src);
    QCOMPARE(int(w->ksRecord(id)->edid.value(0).width), int(before.at(0).width));
    const QList<QByteArray> edid = received(id, 0x0C, 0x00);
    QCOMPARE(edid.size(), 1);
    QCOMPARE(uint8_t(edid.at(0)[6]), uint8_t(src));

    QString shown;
    runDialog<DialogEDID>(&MainWindow::onTitleEDID, [&](DialogEDID *d) {
        shown = child<QComboBox>(d, "combo_inputSrc")->currentText();
        width = child<QSpinBox>(d, "spin_width")->value();
        height = child<QSpinBox>(d, "spin_height")->value();
        rate = child<QSpinBox>(d, "spin_frame")->value();
        d->reject();
    });
    // The input chosen before is chosen again.
    QCOMPARE(shown, input);
    QCOMPARE(QList<int>({width, height, rate}), QList<int>({1280, 1024, 60}));
}

void TestUiSettingsE2e::kxOutputResolutionAndEdidPreset()
{
    const QString id = cpuidOf.value(KxAddr);
    reach(KxAddr, id);
    QCOMPARE(int(w->ksRecord(id)->type), 17);

    // KX: one frame for all outputs, preset 10 is 1028 × 1600.
    runDialog<DialogOutputSetting>(&MainWindow::onTitleOutputSetting, [](DialogOutputSetting *d) {
        child<QComboBox>(d, "comboBox_output1")->setCurrentIndex(10);
        child<QPushButton>(d, "pushButton")->click();
        d->reject();
    });
    QVERIFY(waitUntil([&] { return w->ksRecord(id)->panels.value(0).width == 1028; }));
    QVERIFY(waitUntil([&] {
        return deviceState(id).value("panels").toArray().at(1).toObject().value("width").toInt() == 1028;
    }));
    for (const QJsonValue &p : deviceState(id).value("panels").toArray()) {
        QCOMPARE(p.toObject().value("width").toInt(), 1028);
        QCOMPARE(p.toObject().value("height").toInt(), 1600);
    }
    const QList<QByteArray> sent = received(id, 0x05, 0x00);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(uint8_t(sent.at(0)[6]), uint8_t(255));
    QCOMPARE(uint8_t(sent.at(0)[7]), uint8_t(10));
    // The KX read-back asks for the output mode as well.
    QVERIFY(!received(id, 0xE1, 0x01).isEmpty());
    int preset = -1;
    runDialog<DialogOutputSetting>(&MainWindow::onTitleOutputSetting, [&](DialogOutputSetting *d) {
        preset = child<QComboBox>(d, "comboBox_output1")->currentIndex();
        d->reject();
    });
    QCOMPARE(preset, 10);

    // EDID from a preset.
    runDialog<DialogEDID>(&MainWindow::onTitleEDID, [](DialogEDID *d) {
        child<QComboBox>(d, "combo_inputSrc")->setCurrentIndex(0);
        child<QComboBox>(d, "combo_preset")->setCurrentIndex(7); // "2560*1600 60Hz"
        child<QPushButton>(d, "btn_ok")->click();
        d->reject();
    });
    QVERIFY(waitUntil([&] { return w->ksRecord(id)->edid.value(0).width == 2560; }));
    int width = 0, height = 0, rate = 0;
    runDialog<DialogEDID>(&MainWindow::onTitleEDID, [&](DialogEDID *d) {
        width = child<QSpinBox>(d, "spin_width")->value();
        height = child<QSpinBox>(d, "spin_height")->value();
        rate = child<QSpinBox>(d, "spin_frame")->value();
        d->reject();
    });
    QCOMPARE(QList<int>({width, height, rate}), QList<int>({2560, 1600, 60}));
}

void TestUiSettingsE2e::gwOutputResolutionAndEdid()
{
    const QString id = cpuidOf.value(GwAddr);
    reach(GwAddr, id);
    QVERIFY(w->gwRecord(id) && !w->gwRecord(id)->panels.isEmpty());

    // The GW output dialog: preset 2 is 1280 × 720. Loading template 0 afterwards reads all back.
    QSignalSpy readBack(w->interfaceOf(id), &Interface::emitAllParams);
    runDialog<DialogGWPanel>(&MainWindow::onTitleOutputSetting, [](DialogGWPanel *d) {
        child<QComboBox>(d, "combo_resolution")->setCurrentIndex(2);
        child<QPushButton>(d, "btn_apply")->click();
        d->reject();
    });
    QVERIFY(waitUntil([&] { return deviceState(id).value("areaWidth").toInt() == 1280; }));
    QCOMPARE(deviceState(id).value("areaHeight").toInt(), 720);
    const QList<QByteArray> sent = received(id, 0x05, 0x00);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(uint8_t(sent.at(0)[7]), uint8_t(2));
    QVERIFY(waitUntil([&] { return readBack.count() > 0; }));
    int index = -1, width = 0, height = 0;
    runDialog<DialogGWPanel>(&MainWindow::onTitleOutputSetting, [&](DialogGWPanel *d) {
        index = child<QComboBox>(d, "combo_resolution")->currentIndex();
        width = child<QSpinBox>(d, "spin_width")->value();
        height = child<QSpinBox>(d, "spin_height")->value();
        d->reject();
    });
    QCOMPARE(QList<int>({index, width, height}), QList<int>({2, 1280, 720}));

    QVERIFY(w->gwRecord(id)->edid.size() >= 3);
    const int src = w->gwRecord(id)->edid.at(2).srcId;

    runDialog<DialogEDID>(&MainWindow::onTitleEDID, [](DialogEDID *d) {
        child<QComboBox>(d, "combo_inputSrc")->setCurrentIndex(2);
        child<QSpinBox>(d, "spin_width")->setValue(1600);
        child<QSpinBox>(d, "spin_height")->setValue(1200);
        child<QSpinBox>(d, "spin_frame")->setValue(60);
        child<QPushButton>(d, "btn_ok")->click();
        d->reject();
    });
    const QList<QByteArray> edid = received(id, 0x0C, 0x00);
    QCOMPARE(edid.size(), 1);
    QCOMPARE(uint8_t(edid.at(0)[6]), uint8_t(src));
    auto edidOf = [&]() {
        for (const INFO_EDID &e : w->gwRecord(id)->edid)
            if (e.srcId == src)
                return e;
        return INFO_EDID();
    };
    QVERIFY(waitUntil([&] { return edidOf().width == 1600; }));
    QCOMPARE(int(edidOf().height), 1200);

    QString input;
    runDialog<DialogEDID>(&MainWindow::onTitleEDID, [&](DialogEDID *d) {
        input = child<QComboBox>(d, "combo_inputSrc")->currentText();
        width = child<QSpinBox>(d, "spin_width")->value();
        height = child<QSpinBox>(d, "spin_height")->value();
        d->reject();
    });
    QCOMPARE(input, QStringLiteral("Input%1").arg(src + 1));
    QCOMPARE(QList<int>({width, height}), QList<int>({1600, 1200}));
}

// With VP_SCREENSHOT_DIR set, the output, EDID and image-quality dialogs of each device are saved
// there as pictures, filled from the device, for a look by eye.
void TestUiSettingsE2e::pictures()
{
    const QString out = qEnvironmentVariable("VP_SCREENSHOT_DIR");
    if (out.isEmpty())
        QSKIP("VP_SCREENSHOT_DIR not set");
    const QList<QPair<QString, QString>> devices = {{KsAddr, "ks"}, {KxAddr, "kx"}, {GwAddr, "gw"}};
    const QList<QPair<void (MainWindow::*)(), QString>> commands = {
        {&MainWindow::onTitleOutputSetting, "output"},
        {&MainWindow::onTitleEDID, "edid"},
        {&MainWindow::onTitleImageQuality, "quality"}};
    for (const auto &dev : devices) {
        reach(dev.first, cpuidOf.value(dev.first));
        for (const auto &cmd : commands) {
            const QString file = QStringLiteral("%1/%2-%3").arg(out, dev.second, cmd.second);
            bool saved = false;
            runDialog<QDialog>(cmd.first, [&](QDialog *d) {
                saved = QTest::qWaitForWindowExposed(d);
                // Every tab of a tabbed dialog.
                QTabWidget *tabs = d->findChild<QTabWidget *>();
                const int pages = tabs ? tabs->count() : 1;
                for (int i = 0; i < pages && saved; ++i) {
                    if (tabs)
                        tabs->setCurrentIndex(i);
                    saved = d->grab().save(QStringLiteral("%1-%2.png").arg(file).arg(i));
                }
                d->reject();
            });
            QVERIFY2(saved, qPrintable(file));
        }
    }
}

QTEST_MAIN(TestUiSettingsE2e)
#include "tst_ui_settings_e2e.moc"
