#include "SxSignalBoxButton.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

namespace {
SxSignalBoxButton::Confirm &confirmHook()
{
    static SxSignalBoxButton::Confirm hook;
    return hook;
}

bool askQuestion(QWidget *parent, const QString &text)
{
    if (confirmHook())
        return confirmHook()(parent, text);
    return QMessageBox::question(parent, SxSignalBoxButton::tr("tips"), text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}
} // namespace

SxSignalBoxButton::SxSignalBoxButton(QWidget *parent) : QCommandLinkButton(parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setIconSize(QSize(30, 30));
}

void SxSignalBoxButton::setConfirm(Confirm confirm)
{
    confirmHook() = std::move(confirm);
}

QString SxSignalBoxButton::iconForType(int inputTypeId)
{
    switch (inputTypeId) {
    case 0:
        return QStringLiteral(":/inputSrc/inputSrc/VGA.png");
    case 16:
        return QStringLiteral(":/inputSrc/inputSrc/DVI.png");
    case 32:
        return QStringLiteral(":/inputSrc/inputSrc/HDMI.png");
    case 48:
    case 80:
        return QStringLiteral(":/inputSrc/inputSrc/CV_SDI.png");
    case 64:
        return QStringLiteral(":/inputSrc/inputSrc/DP.png");
    case 96:
        return QStringLiteral(":/inputSrc/inputSrc/USB.png");
    default:
        return QString();
    }
}

void SxSignalBoxButton::setSignalState(bool hasSignal, int inputTypeId, int deviceType)
{
    m_hasSignal = hasSignal;
    m_showSignal = deviceType == 16 || deviceType == 17 || deviceType == 18 || deviceType == 20 || deviceType == 48;
    m_applyToAll = deviceType == 48;
    // The picture is decoded only when the input type changes, not on every signal report.
    const QString icon = iconForType(inputTypeId);
    if (!icon.isEmpty() && property("iconPath").toString() != icon) {
        setIcon(QIcon(icon));
        setProperty("iconPath", icon);
    }
    update();
}

void SxSignalBoxButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setChecked(true);
    emit emitDoubleClicked();
}

void SxSignalBoxButton::applyToAllWindows()
{
    if (!m_applyToAll)
        return;
    if (askQuestion(this, tr("All window are switch to input %1").arg(m_sourceId + 1)))
        emit emitApplyToAllWindow(m_sourceId);
}

void SxSignalBoxButton::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_applyToAll) {
        QCommandLinkButton::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    QAction *all = menu.addAction(tr("Apply to all windows"));
    if (menu.exec(event->globalPos()) == all)
        applyToAllWindows();
}

void SxSignalBoxButton::paintEvent(QPaintEvent *event)
{
    QCommandLinkButton::paintEvent(event);
    if (!m_showSignal)
        return;
    QPainter p(this);
    const QPixmap mark(m_hasSignal ? QStringLiteral(":/sysButton/online.png") : QStringLiteral(":/sysButton/offline.png"));
    if (mark.isNull())
        return;
    const QSize sz = mark.size().scaled(16, 16, Qt::KeepAspectRatio);
    p.drawPixmap(QRect(QPoint(width() - sz.width() - 4, (height() - sz.height()) / 2), sz), mark);
}
