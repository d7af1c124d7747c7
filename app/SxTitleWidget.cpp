#include "SxTitleWidget.h"

#include <QMouseEvent>

SxTitleWidget::SxTitleWidget(QWidget *parent)
    : QWidget(parent)
{
    qRegisterMetaType<LANGUAGE>("LANGUAGE");
}

void SxTitleWidget::setLanguage(int) {}
void SxTitleWidget::setDevice(const INFO_BASIC *) {}
void SxTitleWidget::setCurrentDeviceName(const QString &name) { deviceName = name; }
void SxTitleWidget::retranslate() {}
QAction *SxTitleWidget::languageAction(int) const { return nullptr; }
QString SxTitleWidget::productName() { return QStringLiteral("Video Processor"); }
QString SxTitleWidget::productVersion() { return QStringLiteral("1.0.0"); }
void SxTitleWidget::on_clicked_btn_menu() {}
void SxTitleWidget::on_clicked_btn_max() {}
void SxTitleWidget::on_clicked_btn_restore() {}
void SxTitleWidget::onAboutUs() {}
void SxTitleWidget::mouseDoubleClickEvent(QMouseEvent *event) { QWidget::mouseDoubleClickEvent(event); }
void SxTitleWidget::paintEvent(QPaintEvent *event) { QWidget::paintEvent(event); }
void SxTitleWidget::changeEvent(QEvent *event) { QWidget::changeEvent(event); }
void SxTitleWidget::onCommand(int) {}
void SxTitleWidget::onLanguageTriggered(QAction *) {}
void SxTitleWidget::showMaximisedState(bool) {}
