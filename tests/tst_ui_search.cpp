// The search dialog on its own: listing and refreshing rows by cpuid, the name label, renaming with
// its length limit and its refusal, confirming a device whose network port is taken, the search
// button, and the close rules of the start-up search. Message boxes are answered as they appear.
#include "DialogSearch.h"
#include "INFO_BASIC.h"
#include "SxProgressIndicator.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {
class BoxAnswer : public QObject
{
public:
    explicit BoxAnswer(QMessageBox::StandardButton b) : button(b)
    {
        connect(&timer, &QTimer::timeout, this, [this]() {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                QAbstractButton *btn = box->button(button);
                (btn ? btn : box->buttons().value(0))->click();
            }
        });
        timer.start(20);
    }
    QStringList texts;

private:
    QMessageBox::StandardButton button;
    QTimer timer;
};

INFO_BASIC device(const QString &cpuid, int type, int linkType, const QString &name, int extra = 0)
{
    INFO_BASIC d;
    d.cpuid = cpuid;
    d.type = type;
    d.linkType = uint32_t(linkType);
    d.address = QHostAddress(QStringLiteral("10.1.2.3"));
    d.name = name;
    d.version = QStringLiteral("V2.1");
    d.extra = uint8_t(extra);
    d.online = 1;
    return d;
}
} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void listsAndRefreshesByCpuid();
    void renameRules();
    void confirmAsksWhenPortTaken();
    void searchButtonClearsAndAsks();
    void closeRules();

private:
    static QTableWidget *table(DialogSearch &d) { return d.findChild<QTableWidget *>(QStringLiteral("tableWidget")); }
    static QLabel *nameLabel(DialogSearch &d) { return d.findChild<QLabel *>(QStringLiteral("label_name")); }
};

void TestSearch::listsAndRefreshesByCpuid()
{
    DialogSearch d;
    QCOMPARE(d.size(), QSize(686, 368));
    QCOMPARE(nameLabel(d)->text(), QStringLiteral("Not Find Device!"));
    QTableWidget *t = table(d);
    QCOMPARE(t->columnCount(), 5);
    QVERIFY(t->isColumnHidden(DialogSearch::ColCpuid));

    const INFO_BASIC a = device(QStringLiteral("aa"), 3, 2, QStringLiteral("left"), 1);
    const INFO_BASIC b = device(QStringLiteral("bb"), 48, 1, QStringLiteral("right"));
    d.slotNewDeviceConnect(&a);
    d.slotNewDeviceConnect(&b);
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(t->currentRow(), 0);
    QCOMPARE(nameLabel(d)->text(), QStringLiteral("left"));
    QCOMPARE(t->item(0, DialogSearch::ColConnect)->text(), QStringLiteral("network(10.1.2.3)"));
    QCOMPARE(t->item(1, DialogSearch::ColConnect)->text(), QStringLiteral("usb"));
    QCOMPARE(t->item(0, DialogSearch::ColVersion)->text(), QStringLiteral("V2.1"));
    QCOMPARE(t->item(0, DialogSearch::ColCpuid)->data(Qt::UserRole).toInt(), 1);
    QVERIFY(!(t->item(0, DialogSearch::ColType)->flags() & Qt::ItemIsEditable));
    QVERIFY(t->item(0, DialogSearch::ColName)->flags() & Qt::ItemIsEditable);

    // A second announcement refreshes the row of its cpuid.
    INFO_BASIC b2 = b;
    b2.name = QStringLiteral("renamed");
    d.slotNewDeviceConnect(&b2);
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(t->item(1, DialogSearch::ColName)->text(), QStringLiteral("renamed"));

    t->selectRow(1);
    QCOMPARE(nameLabel(d)->text(), QStringLiteral("renamed"));
    d.clearList();
    QCOMPARE(t->rowCount(), 0);
    QVERIFY(nameLabel(d)->text().isEmpty());
}

void TestSearch::renameRules()
{
    DialogSearch d;
    QList<QPair<QByteArray, QString>> asked;
    bool result = true;
    connect(&d, &DialogSearch::emitSetDeviceName, this, [&](QByteArray data, QString cpuid) {
        asked.append({data, cpuid});
        return result;
    });
    const INFO_BASIC a = device(QStringLiteral("aa"), 3, 2, QStringLiteral("old"));
    d.slotNewDeviceConnect(&a);
    QTableWidgetItem *name = table(d)->item(0, DialogSearch::ColName);

    {
        BoxAnswer box(QMessageBox::Ok);
        name->setText(QString(31, QLatin1Char('n')));
        QCOMPARE(box.texts, QStringList{QStringLiteral("The input is too long!")});
    }
    QVERIFY(asked.isEmpty());
    QCOMPARE(name->text(), QString(31, QLatin1Char('n')));

    name->setText(QString(30, QLatin1Char('m')));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().first, QByteArray(30, 'm'));
    QCOMPARE(asked.first().second, QStringLiteral("aa"));
    QCOMPARE(nameLabel(d)->text(), QString(30, QLatin1Char('m')));

    // Refused: the cell goes back to the name shown, without asking again.
    result = false;
    name->setText(QStringLiteral("other"));
    QCOMPARE(asked.size(), 2);
    QCOMPARE(name->text(), QString(30, QLatin1Char('m')));
}

void TestSearch::confirmAsksWhenPortTaken()
{
    DialogSearch d;
    auto *ok = d.findChild<QPushButton *>(QStringLiteral("btn_ok"));
    const INFO_BASIC taken = device(QStringLiteral("aa"), 3, 2, QStringLiteral("x"), 1);
    d.slotNewDeviceConnect(&taken);

    {
        BoxAnswer box(QMessageBox::No);
        QTimer::singleShot(0, ok, &QPushButton::click);
        QTimer::singleShot(300, &d, [&d]() { d.done(55); }); // ends exec once No has kept it open
        QCOMPARE(d.exec(), 55);
        QCOMPARE(box.texts, QStringList{QStringLiteral("The device network port has been taken up!")});
    }
    {
        BoxAnswer box(QMessageBox::Yes);
        QTimer::singleShot(0, ok, &QPushButton::click);
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(box.texts.size(), 1);
    }
    // A serial device with the flag set is not asked about.
    d.clearList();
    const INFO_BASIC serial = device(QStringLiteral("bb"), 3, 1, QStringLiteral("y"), 1);
    d.slotNewDeviceConnect(&serial);
    {
        BoxAnswer box(QMessageBox::No);
        QTimer::singleShot(0, ok, &QPushButton::click);
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QVERIFY(box.texts.isEmpty());
    }
    // No row: rejected.
    d.clearList();
    QTimer::singleShot(0, ok, &QPushButton::click);
    QCOMPARE(d.exec(), int(QDialog::Rejected));
}

void TestSearch::searchButtonClearsAndAsks()
{
    DialogSearch d;
    QSignalSpy search(&d, &DialogSearch::emitSearchDevice);
    const INFO_BASIC a = device(QStringLiteral("aa"), 3, 2, QStringLiteral("x"));
    d.slotNewDeviceConnect(&a);
    QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("btn_search")), Qt::LeftButton);
    QCOMPARE(search.count(), 1);
    QCOMPARE(search.first().first().toInt(), 3);
    QCOMPARE(table(d)->rowCount(), 0);
    QVERIFY(nameLabel(d)->text().isEmpty());
    QVERIFY(d.busyIndicator()->isAnimated());
    d.busyIndicator()->stopAnimation();
}

void TestSearch::closeRules()
{
    QList<int> exits;
    DialogSearch::setProcessExit([&exits](int status) { exits << status; });
    DialogSearch d;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.close();
    QVERIFY(exits.isEmpty());
    QCOMPARE(d.result(), int(QDialog::Rejected));

    d.setMode(DialogSearch::StartupMode);
    d.show();
    d.close();
    QCOMPARE(exits, QList<int>{0});
    DialogSearch::setProcessExit(nullptr);
}

QTEST_MAIN(TestSearch)
#include "tst_ui_search.moc"
