#include "DialogTestPicCard.h"
#include "ui_DialogTestPicCard.h"

#include "DeviceLookup.h"
#include "KS9200Interface.h"

#include <QEvent>
#include <QIcon>
#include <QWheelEvent>

namespace {
void showSwitch(QAbstractButton *button)
{
    button->setIcon(QIcon(button->isChecked() ? QStringLiteral(":/sysButton/sysButton/icon_switchOpen.png")
                                              : QStringLiteral(":/sysButton/sysButton/icon_switchClose.png")));
}

void sendPattern(int pattern)
{
    if (KS9200Interface *ks = DeviceLookup::ksInterface())
        ks->setTestPattern(pattern);
}
} // namespace

DialogTestPicCard::DialogTestPicCard(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogTestPicCard)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("TestPicCard"));
    ui->btn_prev->setIcon(QIcon(QStringLiteral(":/play/play/icon_prev.png")));
    ui->btn_next->setIcon(QIcon(QStringLiteral(":/play/play/icon_next.png")));
    ui->label_number->setNum(index);
    showSwitch(ui->btn_switch);
}

DialogTestPicCard::~DialogTestPicCard()
{
    delete ui;
}

void DialogTestPicCard::setDeviceType(int type)
{
    if (type == 0 || type == 1 || type == 2 || type == 4) {
        ui->label_tips->show();
        maxIndex = 60;
    } else if (type == 3) {
        ui->label_tips->hide();
        maxIndex = 60;
    } else if (type == 16 || type == 17 || type == 18 || type == 20) {
        ui->label_tips->hide();
        maxIndex = 12;
    } else {
        return;
    }
    // A number left over from a type with more patterns would not exist on this one.
    if (index > maxIndex) {
        index = 0;
        ui->label_number->setNum(index);
    }
}

void DialogTestPicCard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->dialogTitle->setTitle(tr("TestPicCard"));
    }
    SxBaseWidget::changeEvent(event);
}

void DialogTestPicCard::wheelEvent(QWheelEvent *event)
{
    if (!ui->btn_switch->isChecked()) {
        event->ignore();
        return;
    }
    if (event->angleDelta().y() > 0)
        on_btn_next_clicked();
    else
        on_btn_prev_clicked();
    event->accept();
}

void DialogTestPicCard::done(int result)
{
    SxBaseWidget::done(result);
    // Never leave a test pattern on the wall behind a closed dialog, and open again switched off
    // as the device now is.
    sendPattern(KS9200Interface::TestPatternOff);
    ui->btn_switch->setChecked(false);
    showSwitch(ui->btn_switch);
    ui->btn_prev->setEnabled(false);
    ui->btn_next->setEnabled(false);
}

void DialogTestPicCard::on_btn_switch_clicked()
{
    const bool on = ui->btn_switch->isChecked();
    showSwitch(ui->btn_switch);
    ui->btn_prev->setEnabled(on);
    ui->btn_next->setEnabled(on);
    if (on)
        showPattern(index);
    else
        sendPattern(KS9200Interface::TestPatternOff);
}

void DialogTestPicCard::on_btn_prev_clicked()
{
    index = index <= 0 ? maxIndex : index - 1;
    showPattern(index);
}

void DialogTestPicCard::on_btn_next_clicked()
{
    index = index >= maxIndex ? 0 : index + 1;
    showPattern(index);
}

void DialogTestPicCard::showPattern(int n)
{
    ui->label_number->setNum(n);
    sendPattern(n);
}
