// MainWindow: remote control of the devices for show-control systems, button panels and scripts
// (the main menu's "Remote control…"). The OSC and HTTP servers serve the devices of the canvas
// tabs, numbered as the tabs are; they start with the window when they were left on and restart
// when the operator changes their settings.
#include "MainWindow.h"

#include "DialogRemoteControl.h"
#include "HubRemoteBackend.h"
#include "RemoteControl.h"
#include "SxTabWidget.h"

#include <QSettings>
#include <QTabBar>

void MainWindow::setupRemote()
{
    remoteHub = new HubRemoteBackend(deviceHub, this);
    remoteHub->setOrder([this] { return tabOrder(); });
    remote = new RemoteControl(remoteHub, this);
    connect(titleWidget, &SxTitleWidget::emitOpenRemoteControl, this, &MainWindow::onTitleRemoteControl);
    QSettings stored;
    // Off unless it was left on; a start that fails is logged and shown in the dialog.
    remote->apply(RemoteSettings::load(stored));
}

QStringList MainWindow::tabOrder() const
{
    QStringList out;
    for (int i = 0; i < tabs->count(); ++i)
        out << tabs->tabBar()->tabData(i).toString();
    return out;
}

bool MainWindow::applyRemoteSettings(const RemoteSettings &settings, QString *error)
{
    const RemoteSettings before = remote->settings();
    const bool wasRunning = remote->isRunning();
    // Unchanged and running: the subscriptions and the connections of the clients stay.
    if (settings != before || wasRunning != settings.enabled) {
        if (!remote->apply(settings, error)) {
            if (wasRunning)
                remote->apply(before);
            return false;
        }
    }
    QSettings stored;
    settings.save(stored);
    return true;
}

void MainWindow::onTitleRemoteControl()
{
    if (!dlgRemote) {
        dlgRemote = new DialogRemoteControl(this);
        dlgRemote->setObjectName(QStringLiteral("DialogRemoteControl"));
        dlgRemote->setRemoteControl(remote);
        dlgRemote->setApply([this](const RemoteSettings &settings, QString *error) {
            return applyRemoteSettings(settings, error);
        });
    }
    dlgRemote->setSettings(remote->settings());
    dlgRemote->exec();
}
