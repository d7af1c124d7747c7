// Timed tasks: the task dialog's store rules and frames, the clock frame, the one-task switch with its
// read-back, and the task button's texts and pop-up, with a KS9200 interface as the current device.
#include "DialogTimeTake.h"
#include "DlgDevice.h"
#include "SxTimeTaskButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QToolButton>
#include <QtTest>

using RecordBuilders::hostFrame;


static uint8_t at(const QByteArray &f, int i) { return uint8_t(f.at(i)); }


class TestTimeTask : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { allTasksOn = false; }

    void storeTaskOfEachType_data()
    {
        QTest::addColumn<int>("type");
        for (int type : {0, 1, 2, 3})
            QTest::addRow("type %d", type) << type;
    }
    // The target "Preset 3" is chosen and preset 10 ticked in the cycle; a task keeps only what its type uses.
    void storeTaskOfEachType()
    {
        QFETCH(int, type);
        const bool cycle = type >= 2; // bytes 14, 15: the target, or the presets of the cycle
        KsDevice dev(KsId, 0);
        DialogTimeTake dlg;
        // state, type, index, 2026-12-07 08:30:15, target 17, presets 1 and 3, every 15 of 300 minutes
        dlg.loadTask(INFO_TIME_TASK{1, uint8_t(type), 4, 26, 12, 7, 8, 30, 15, 17, 0x0005, 15, 300});
        auto target = child<QComboBox>(&dlg, "combo_target");
        QCOMPARE(target->currentText(), QStringLiteral("Wakeup"));
        target->setCurrentIndex(target->findText(QStringLiteral("Preset 3")));
        child<QComboBox>(&dlg, "combo_cycle")->setItemData(9, Qt::Checked, Qt::CheckStateRole);
        press(&dlg, "pushButton_ok");
        // Total time, then interval, little-endian; the task list is read back (0xE9), not the EDID list.
        QCOMPARE(dev.frames(), QList<QByteArray>({hostFrame(0x09, 0x01, {type, 4, 26, 12, 7, 8, 30, 15, cycle ? 0x05 : 2,
                                                                         cycle ? 0x02 : 0, 0x2C, 1, 15, 0}),
                                                  Interface::requestFrame(0xE9)}));
        QCOMPARE(dev.frames().first(), KS9200Interface::setTimeTaskFrame(dlg.task()));
        if (!cycle)
            QCOMPARE(dlg.task().target, uint8_t(2));
        else
            QCOMPARE(dlg.task().p10, int16_t(0x0205)); // presets 1, 3 and 10
    }

    void clockFromEditOrComputer()
    {
        KsDevice dev(KsId, 0);
        DialogTimeTake dlg;
        auto edit = child<QDateTimeEdit>(&dlg, "dateTimeEdit");
        edit->setDateTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
        press(&dlg, "btn_ok");
        QCOMPARE(dev.frames(), QList<QByteArray>({KS9200Interface::setDeviceTimeFrame(2001, 2, 3, 4, 5, 6)}));

        auto computer = child<QCheckBox>(&dlg, "check_computerTime");
        computer->setChecked(true);
        QVERIFY(!edit->isEnabled());
        const QDateTime before = QDateTime::currentDateTime();
        press(&dlg, "btn_ok");
        const QDateTime after = QDateTime::currentDateTime();
        QCOMPARE(dev.spy.count(), 2);
        const QByteArray f = dev.frames().at(1);
        QCOMPARE(f.mid(4, 2), QByteArray("\x09\x00", 2));
        const QDateTime sentTime(QDate(2000 + at(f, 6), at(f, 7), at(f, 8)), QTime(at(f, 9), at(f, 10), at(f, 11)));
        QVERIFY(sentTime >= before.addSecs(-1) && sentTime <= after);
    }

    void switchOneTaskReadsTasksBack()
    {
        KsDevice dev(KsId, 0);
        DialogTimeTake dlg;
        dlg.loadTask(INFO_TIME_TASK{0, 0, 9});
        QVERIFY(!child<QToolButton>(&dlg, "toolButton")->isChecked());
        press(&dlg, "toolButton");
        QCOMPARE(dev.spy.count(), 2);
        QCOMPARE(dev.frames().at(0).mid(4, 4), QByteArray("\x09\x01\x04\x09", 4));
        QCOMPARE(dev.frames().at(1), Interface::requestFrame(0xE9));
        press(&dlg, "toolButton");
        QCOMPARE(at(dev.frames().at(2), 6), uint8_t(5));
        // Without a KS device nothing is sent, yet the dialog keeps editing.
        DeviceLookup::clear();
        press(&dlg, "toolButton");
        press(&dlg, "pushButton_ok");
        press(&dlg, "btn_ok");
        QCOMPARE(dev.spy.count(), 4);
        QCOMPARE(dlg.task().state, uint8_t(1));
    }

    void taskButtonTextsAndPopup()
    {
        SxTimeTaskButton b;
        INFO_TIME_TASK t{1, 3, 2, 26, 3, 4, 5, 6, 7};
        b.setTask(t);
        QCOMPARE(QStringList({b.text(), b.timeText()}), QStringList({"Task 3    [Cycle Daily]", "2026/03/04 05:06:07"}));
        // On while all tasks are off: "Stop" and no pop-up.
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
