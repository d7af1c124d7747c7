#include "SxDialogTitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>

SxDialogTitle::SxDialogTitle(QWidget *parent)
    : QWidget(parent)
    , btn_logo(new QPushButton(this))
    , label_title(new QLabel(this))
    , btn_close(new QPushButton(this))
{
    btn_logo->setObjectName(QStringLiteral("btn_logo"));
    label_title->setObjectName(QStringLiteral("label_title"));
    btn_close->setObjectName(QStringLiteral("btn_close"));
    setFixedHeight(32);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(btn_logo);
    layout->addWidget(label_title);
    layout->addStretch();
    layout->addWidget(btn_close);
    connect(btn_close, &QPushButton::clicked, this, &SxDialogTitle::onCloseClicked);
}

void SxDialogTitle::setTitle(const QString &text)
{
    label_title->setText(text);
}

QString SxDialogTitle::title() const
{
    return label_title->text();
}

void SxDialogTitle::onCloseClicked()
{
    emit emitClose();
    if (parentWidget())
        window()->close();
}

void SxDialogTitle::paintEvent(QPaintEvent *)
{
    QStyleOption opt;
    opt.initFrom(this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_Widget, &opt, &p, this);
}
