#include "SxDialogTitle.h"

#include "SxBaseWidget.h"

#include <QEvent>
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
    SxBaseWidget::initResources();
    // Forms that promote a widget set the same name afterwards.
    setObjectName(QStringLiteral("dialogTitle"));
    btn_logo->setObjectName(QStringLiteral("btn_logo"));
    label_title->setObjectName(QStringLiteral("label_title"));
    btn_close->setObjectName(QStringLiteral("btn_close"));
    setFixedHeight(32);
    setAttribute(Qt::WA_StyledBackground);

    // The logo and close images come from the application style sheet.
    btn_logo->setFixedSize(32, 32);
    btn_logo->setFocusPolicy(Qt::NoFocus);

    // Its own sheet, so that the application sheet's general font size does not win.
    label_title->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold;"));

    btn_close->setFixedSize(32, 32);
    btn_close->setFocusPolicy(Qt::NoFocus);
    btn_close->setToolTip(tr("close"));
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

void SxDialogTitle::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        btn_close->setToolTip(tr("close"));
    QWidget::changeEvent(event);
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
