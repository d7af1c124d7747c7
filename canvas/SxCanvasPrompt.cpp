#include "SxCanvasPrompt.h"

#include <QMessageBox>
#include <QObject>

namespace {
SxCanvasPrompt::Hook &hook()
{
    static SxCanvasPrompt::Hook h;
    return h;
}
} // namespace

void SxCanvasPrompt::setHook(Hook h)
{
    hook() = std::move(h);
}

void SxCanvasPrompt::info(QWidget *parent, const QString &text)
{
    if (hook()) {
        hook()(Information, text);
        return;
    }
    QMessageBox::information(parent, QObject::tr("tips"), text);
}

bool SxCanvasPrompt::ask(QWidget *parent, Kind kind, const QString &text)
{
    if (hook())
        return hook()(kind, text);
    if (kind == QuestionOkCancel)
        return QMessageBox::question(parent, QObject::tr("tips"), text, QMessageBox::Ok | QMessageBox::Cancel)
               == QMessageBox::Ok;
    return QMessageBox::question(parent, QObject::tr("tips"), text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}
