// The search dialog on its own: listing and refreshing rows by cpuid, the name label, the search button,
// renaming with its length limit and its refusal, confirming a device whose network port is taken, and
// the close rules of the start-up search. Message boxes are answered as they appear.
#include "BoxCatcher.h"
#include "DialogSearch.h"
#include "INFO_BASIC.h"
#include "SxProgressIndicator.h"
#include "UiLookup.h"

#include <QLabel>
#include <QTableWidget>
#include <QtTest>

namespace {
INFO_BASIC device(const QString &cpuid, int type, int linkType, const QString &name, int extra = 0)
{
    INFO_BASIC d;
    d.cpuid = cpuid, d.type = type, d.linkType = uint32_t(linkType), d.name = name, d.extra = uint8_t(extra);
    d.address = QHostAddress(QStringLiteral("10.1.2.3")), d.version = QStringLiteral("V2.1"), d.online = 1;
    return d;
}

QTableWidget *table(DialogSearch &d) { return child<QTableWidget>(&d, "tableWidget"); }
QString nameShown(DialogSearch &d) { return child<QLabel>(&d, "label_name")->text(); }

// Clicks OK on the dialog and runs it; the box (if any) is answered with `answer`.
int confirm(DialogSearch &d, QMessageBox::StandardButton answer, QStringList *boxes)
{
    BoxCatcher box;
    box.answer = answer;
    QTimer::singleShot(0, child<QPushButton>(&d, "btn_ok"), &QPushButton::click);
    if (answer == QMessageBox::No) // kept open: end it once No was given
        QTimer::singleShot(300, &d, [&d] { d.done(55); });
    const int result = d.exec();
    *boxes = box.texts;
    return result;
}
} // namespace

class TestSearch : public QObject
{
    Q_OBJECT
private slots:
    void listsAndRefreshesByCpuid()
    {
        DialogSearch d;
        QCOMPARE(nameShown(d), QStringLiteral("Not Find Device!"));
        QTableWidget *t = table(d);
        QVERIFY(t->isColumnHidden(DialogSearch::ColCpuid));
        const INFO_BASIC a = device("aa", 3, 2, "left", 1), b = device("bb", 48, 1, "right");
        d.slotNewDeviceConnect(&a);
        d.slotNewDeviceConnect(&b);
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(t->currentRow(), 0);
        QCOMPARE(nameShown(d), QStringLiteral("left"));
        QCOMPARE(t->item(0, DialogSearch::ColConnect)->text(), QStringLiteral("network(10.1.2.3)"));
        QCOMPARE(t->item(1, DialogSearch::ColConnect)->text(), QStringLiteral("usb"));
        QCOMPARE(t->item(0, DialogSearch::ColVersion)->text(), QStringLiteral("V2.1"));
        QCOMPARE(t->item(0, DialogSearch::ColCpuid)->data(Qt::UserRole).toInt(), 1);
        QVERIFY(!(t->item(0, DialogSearch::ColType)->flags() & Qt::ItemIsEditable));
        QVERIFY(t->item(0, DialogSearch::ColName)->flags() & Qt::ItemIsEditable);
        INFO_BASIC b2 = b; // a second announcement refreshes the row of its cpuid
        b2.name = QStringLiteral("renamed");
        d.slotNewDeviceConnect(&b2);
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(t->item(1, DialogSearch::ColName)->text(), QStringLiteral("renamed"));
        t->selectRow(1);
        QCOMPARE(nameShown(d), QStringLiteral("renamed"));
        QSignalSpy search(&d, &DialogSearch::emitSearchDevice); // the search button clears the list and asks
        QTest::mouseClick(child<QPushButton>(&d, "btn_search"), Qt::LeftButton);
        QCOMPARE(search.count(), 1);
        QCOMPARE(search.first().first().toInt(), 3);
        QCOMPARE(t->rowCount(), 0);
        QVERIFY(nameShown(d).isEmpty());
        QVERIFY(d.busyIndicator()->isAnimated());
        d.busyIndicator()->stopAnimation();
    }

    void renameRules()
    {
        DialogSearch d;
        QList<QPair<QByteArray, QString>> asked;
        bool result = true;
        connect(&d, &DialogSearch::emitSetDeviceName, this, [&](QByteArray data, QString cpuid) {
            asked.append({data, cpuid});
            return result;
        });
        const INFO_BASIC a = device("aa", 3, 2, "old");
        d.slotNewDeviceConnect(&a);
        QTableWidgetItem *name = table(d)->item(0, DialogSearch::ColName);
        BoxCatcher box;
        name->setText(QString(31, QLatin1Char('n')));
        QCOMPARE(box.texts, QStringList{QStringLiteral("The input is too long!")});
        QVERIFY(asked.isEmpty());
        name->setText(QString(30, QLatin1Char('m')));
        QCOMPARE(asked, (QList<QPair<QByteArray, QString>>{{QByteArray(30, 'm'), QStringLiteral("aa")}}));
        QCOMPARE(nameShown(d), QString(30, QLatin1Char('m')));
        result = false; // refused: the cell goes back to the name shown, without asking again
        name->setText(QStringLiteral("other"));
        QCOMPARE(asked.size(), 2);
        QCOMPARE(name->text(), QString(30, QLatin1Char('m')));
        QCOMPARE(box.texts.size(), 1);
    }

    void confirmAsksWhenPortTaken()
    {
        DialogSearch d;
        const INFO_BASIC taken = device("aa", 3, 2, "x", 1), serial = device("bb", 3, 1, "y", 1);
        d.slotNewDeviceConnect(&taken);
        QStringList boxes;
        QCOMPARE(confirm(d, QMessageBox::No, &boxes), 55);
        QCOMPARE(boxes, QStringList{QStringLiteral("The device network port has been taken up!")});
        QCOMPARE(confirm(d, QMessageBox::Yes, &boxes), int(QDialog::Accepted));
        QCOMPARE(boxes.size(), 1);
        d.clearList(); // a serial device with the flag set is not asked about
        d.slotNewDeviceConnect(&serial);
        QCOMPARE(confirm(d, QMessageBox::Yes, &boxes), int(QDialog::Accepted));
        QVERIFY(boxes.isEmpty());
        d.clearList(); // no row: rejected
        QCOMPARE(confirm(d, QMessageBox::Yes, &boxes), int(QDialog::Rejected));
    }

    // Closing the start-up search ends the program; closing a later search only rejects it.
    void closeRules()
    {
        QList<int> exits;
        DialogSearch::setProcessExit([&exits](int status) { exits << status; });
        DialogSearch d;
        d.show();
        d.close();
        QVERIFY(exits.isEmpty());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        d.setMode(DialogSearch::StartupMode);
        d.show();
        d.close();
        QCOMPARE(exits, QList<int>{0});
        DialogSearch::setProcessExit(nullptr);
    }
};

QTEST_MAIN(TestSearch)
#include "tst_ui_search.moc"
