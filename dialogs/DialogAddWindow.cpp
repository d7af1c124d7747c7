#include "DialogAddWindow.h"
#include "ui_DialogAddWindow.h"

#include <QEvent>
#include <QMessageBox>

DialogAddWindow::DialogAddWindow(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogAddWindow)
{
    ui->setupUi(this);
    retranslate();
}

DialogAddWindow::~DialogAddWindow()
{
    delete ui;
}

void DialogAddWindow::setBounds(const QRectF &b)
{
    bounds = b;
    const int w = int(b.width());
    const int h = int(b.height());
    ui->spinBox_x->setRange(0, w);
    ui->spinBox_w->setRange(0, w);
    ui->spinBox_y->setRange(0, h);
    ui->spinBox_h->setRange(0, h);
    ui->spinBox_w->setValue(1920);
    ui->spinBox_h->setValue(1080);
}

bool DialogAddWindow::fits(const QRect &r, const QSizeF &b)
{
    return r.width() >= MinSize && r.height() >= MinSize && r.x() + r.width() <= b.width()
        && r.y() + r.height() <= b.height();
}

void DialogAddWindow::on_btn_ok_clicked()
{
    const QRect r(ui->spinBox_x->value(), ui->spinBox_y->value(), ui->spinBox_w->value(), ui->spinBox_h->value());
    if (fits(r, bounds.size())) {
        accepted = r;
        accept();
        return;
    }
    QMessageBox::information(this, tr("tips"), tr("Parameter beyond range"), QMessageBox::Ok);
    reject();
}

void DialogAddWindow::retranslate()
{
    setWindowTitle(tr("Add Window"));
    ui->dialogTitle->setTitle(windowTitle());
}

void DialogAddWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    SxBaseWidget::changeEvent(event);
}
