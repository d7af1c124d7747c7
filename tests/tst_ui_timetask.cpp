// Timed tasks: the task dialog's load and store rules and their frames, the clock frame, the
// one-task switch with its read-back, and the task button's texts and pop-up. A real KS9200
// interface is installed as the current device; frames are read from its emitSendData.
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DialogTimeTake.h"
#include "KS9200Interface.h"
#include "SxTimeTaskButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

namespace {
uint8_t at(const QByteArray &f, int i)
{
    return uint8_t(f.at(i));
}

bool itemChecked(QComboBox *combo, int i)
{
    return combo->itemData(i, Qt::CheckStateRole).toInt() == Qt::Checked;
}

void checkItem(QComboBox *combo, int i, bool on)
{
    combo->setItemData(i, on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}
} // namespace

class TestTimeTask : public QObject
{
    Q_OBJECT
private:
    DEVICE_INFO_KS record;
    KS9200Interface *ks = nullptr;

    void installDevice()
    {
        DeviceLookup::install([this](const QString &) -> INFO_BASIC * { return &record; },
                              [this](const QString &) -> Interface * { return ks; },
                              [] { return QStringLiteral("00112233445566778899aabb"); });
    }

    template <typename T>
    static T *child(QWidget &w, const char *name)
    {
        T *c = w.findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("missing child %s", name);
        return c;
    }

private slots:
    void initTestCase()
    {
        record.type = 0;
        record.cpuid = QStringLiteral("00112233445566778899aabb");
        ks = new KS9200Interface(record.cpuid, this);
        installDevice();
    }
    void cleanupTestCase() { DeviceLookup::clear(); }
    void cleanup() { allTasksOn = false; }

    void storeTaskOfEachType_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("only once") << 0;
        QTest::newRow("every day") << 1;
        QTest::newRow("cycle a day") << 2;
        QTest::newRow("cycle daily") << 3;
    }
    void storeTaskOfEachType()
    {
        QFETCH(int, type);
        DialogTimeTake dlg;
        INFO_TIME_TASK t;
        t.index = 4;
        t.state = 1;
        t.target = 17;
        t.year = 26;
        t.month = 12;
        t.day = 7;
        t.hour = 8;
        t.minute = 30;
        t.second = 15;
        t.taskType = uint8_t(type);
        t.p10 = 0x0005;
        t.p12 = 15;
        t.p14 = 300;
        dlg.loadTask(t);
        auto target = child<QComboBox>(dlg, "combo_target");
        QCOMPARE(target->currentText(), QStringLiteral("Wakeup"));
        target->setCurrentIndex(target->findText(QStringLiteral("Preset 3")));
        auto cycle = child<QComboBox>(dlg, "combo_cycle");
        checkItem(cycle, 9, true);

        QSignalSpy spy(ks, &Interface::emitSendData);
        QTest::mouseClick(child<QPushButton>(dlg, "pushButton_ok"), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        const QByteArray f = spy.at(0).at(0).toByteArray();
        QCOMPARE(f.size(), 23);
        QCOMPARE(at(f, 4), uint8_t(0x09));
        QCOMPARE(at(f, 5), uint8_t(0x01));
        QCOMPARE(int(at(f, 6)), type);
        QCOMPARE(at(f, 7), uint8_t(4));
        const QByteArray when = f.mid(8, 6);
        QCOMPARE(when, QByteArray("\x1a\x0c\x07\x08\x1e\x0f", 6));
        if (type < 2) {
            QCOMPARE(dlg.task().target, uint8_t(2)); // "Preset 3"
            QCOMPARE(at(f, 14), uint8_t(2));
            QCOMPARE(at(f, 15), uint8_t(0));
        } else {
            QCOMPARE(dlg.task().p10, int16_t(0x0205)); // presets 1, 3 and 10
            QCOMPARE(at(f, 14), uint8_t(0x05));
            QCOMPARE(at(f, 15), uint8_t(0x02));
        }
        // Total time, then interval, little-endian.
        QCOMPARE(at(f, 16) | (at(f, 17) << 8), 300);
        QCOMPARE(at(f, 18) | (at(f, 19) << 8), 15);
        QCOMPARE(at(f, 20), uint8_t(0));
        QCOMPARE(at(f, 21), uint8_t(0));
        QCOMPARE(f, KS9200Interface::setTimeTaskFrame(dlg.task()));
        // The task list is read back (0xE9), not the EDID list.
        const QByteArray readBack = spy.at(1).at(0).toByteArray();
        QCOMPARE(readBack, Interface::requestFrame(0xE9));
    }

    void cycleTypeShowsCycleFields()
    {
        DialogTimeTake dlg;
        dlg.show();
        auto type = child<QComboBox>(dlg, "combo_type");
        QVERIFY(child<QComboBox>(dlg, "combo_target")->isVisible());
        QVERIFY(child<QLabel>(dlg, "label_5")->isVisible());
        QVERIFY(!child<QComboBox>(dlg, "combo_cycle")->isVisible());
        QVERIFY(!child<QSpinBox>(dlg, "spinBox_timeInterval")->isVisible());
        type->setCurrentIndex(type->findText(QStringLiteral("Cycle a day")));
        QVERIFY(!child<QComboBox>(dlg, "combo_target")->isVisible());
        QVERIFY(!child<QLabel>(dlg, "label_5")->isVisible());
        QVERIFY(child<QComboBox>(dlg, "combo_cycle")->isVisible());
        QVERIFY(child<QLabel>(dlg, "label_4")->isVisible());
        QVERIFY(child<QSpinBox>(dlg, "spinBox_timeInterval")->isVisible());
        QVERIFY(child<QSpinBox>(dlg, "spinBox_TimeTotal")->isVisible());
        QCOMPARE(child<QSpinBox>(dlg, "spinBox_TimeTotal")->suffix(), QStringLiteral(" min"));
    }

    void cycleSetChecksPresets()
    {
        DialogTimeTake dlg;
        INFO_TIME_TASK t;
        t.taskType = 2;
        t.p10 = 0x0005;
        dlg.loadTask(t);
        auto cycle = child<QComboBox>(dlg, "combo_cycle");
        QCOMPARE(cycle->count(), 10);
        QCOMPARE(cycle->itemText(0), QStringLiteral("Preset 1"));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(itemChecked(cycle, i), i == 0 || i == 2);
    }

    void clockFromEditOrComputer()
    {
        DialogTimeTake dlg;
        auto edit = child<QDateTimeEdit>(dlg, "dateTimeEdit");
        edit->setDateTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
        QSignalSpy spy(ks, &Interface::emitSendData);
        QTest::mouseClick(child<QPushButton>(dlg, "btn_ok"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toByteArray(), KS9200Interface::setDeviceTimeFrame(2001, 2, 3, 4, 5, 6));

        auto computer = child<QCheckBox>(dlg, "check_computerTime");
        computer->setChecked(true);
        QVERIFY(!edit->isEnabled());
        edit->setDateTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
        const QDateTime before = QDateTime::currentDateTime();
        QTest::mouseClick(child<QPushButton>(dlg, "btn_ok"), Qt::LeftButton);
        const QDateTime after = QDateTime::currentDateTime();
        QCOMPARE(spy.count(), 2);
        const QByteArray f = spy.at(1).at(0).toByteArray();
        QCOMPARE(at(f, 4), uint8_t(0x09));
        QCOMPARE(at(f, 5), uint8_t(0x00));
        const QDateTime sentTime(QDate(2000 + at(f, 6), at(f, 7), at(f, 8)), QTime(at(f, 9), at(f, 10), at(f, 11)));
        QVERIFY(sentTime >= before.addSecs(-1) && sentTime <= after);
        computer->setChecked(false);
        QVERIFY(edit->isEnabled());
    }

    void switchOneTaskReadsTasksBack()
    {
        DialogTimeTake dlg;
        INFO_TIME_TASK t;
        t.index = 9;
        dlg.loadTask(t);
        auto sw = child<QToolButton>(dlg, "toolButton");
        QVERIFY(!sw->isChecked());
        QSignalSpy spy(ks, &Interface::emitSendData);
        QTest::mouseClick(sw, Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        const QByteArray f = spy.at(0).at(0).toByteArray();
        QCOMPARE(at(f, 4), uint8_t(0x09));
        QCOMPARE(at(f, 5), uint8_t(0x01));
        QCOMPARE(at(f, 6), uint8_t(4));
        QCOMPARE(at(f, 7), uint8_t(9));
        QCOMPARE(spy.at(1).at(0).toByteArray(), Interface::requestFrame(0xE9));
        QTest::mouseClick(sw, Qt::LeftButton);
        QCOMPARE(at(spy.at(2).at(0).toByteArray(), 6), uint8_t(5));

        // Without a KS device nothing is sent, yet the dialog keeps editing.
        DeviceLookup::clear();
        QTest::mouseClick(sw, Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(dlg, "pushButton_ok"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(dlg, "btn_ok"), Qt::LeftButton);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(dlg.task().state, uint8_t(1));
        installDevice();
    }

    void taskButtonTextsAndPopup()
    {
        SxTimeTaskButton b;
        INFO_TIME_TASK t;
        t.index = 2;
        t.taskType = 3;
        t.state = 1;
        t.year = 26;
        t.month = 3;
        t.day = 4;
        t.hour = 5;
        t.minute = 6;
        t.second = 7;
        b.setTask(t);
        QCOMPARE(b.text(), QStringLiteral("Task 3    [Cycle Daily]"));
        QCOMPARE(b.timeText(), QStringLiteral("2026/03/04 05:06:07"));

        // On while all tasks are off: "Stop" and no pop-up.
        allTasksOn = false;
        b.refresh();
        QCOMPARE(b.stateText(), QStringLiteral("Stop"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&b, &enter);
        QVERIFY(!b.popup()->isVisible());

        allTasksOn = true;
        b.refresh();
        QCOMPARE(b.stateText(), QStringLiteral("Run"));
        QApplication::sendEvent(&b, &enter);
        QVERIFY(b.popup()->isVisible());
        QCOMPARE(b.popup()->pos(), b.mapToGlobal(b.rect().topRight()) + QPoint(2, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&b, &leave);
        QVERIFY(!b.popup()->isVisible());

        t.taskType = 7;
        b.setTask(t);
        QCOMPARE(b.text(), QStringLiteral("Task 3    []"));
    }
};

QTEST_MAIN(TestTimeTask)
#include "tst_ui_timetask.moc"
