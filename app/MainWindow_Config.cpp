// MainWindow: configuration files. "Save configuration…" and "Restore configuration…" run their
// dialogs over the hub; "Open configuration…" shows every device of a file as an offline tab
// (canvas, panels and dialogs show the file's values; its view is read-only and every write from
// it is refused aloud); "Restore to…" restores such a tab's device to an online device.
#include "MainWindow.h"

#include "ConfigFile.h"
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceHub.h"
#include "DialogConfigRestore.h"
#include "DialogConfigSave.h"
#include "SxGraphicsView.h"
#include "SxTabWidget.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QTabBar>

struct MainWindow::FileTab
{
    QString path; // absolute
    ConfigDocument doc;
    int index = 0;                // the device's index in the file
    INFO_BASIC *record = nullptr; // a copy of the file's record under the tab's id
};

namespace {
// A tab id never looks like a cpuid (24 hex digits), so no device can meet it.
QString fileTabId(const QString &path, const QString &cpuid)
{
    return QStringLiteral("file:%1:%2").arg(cpuid, path);
}
} // namespace

INFO_BASIC *MainWindow::fileRecord(const QString &id) const
{
    const FileTab *t = fileTabs.value(id, nullptr);
    return t ? t->record : nullptr;
}

void MainWindow::onTitleSaveConfig()
{
    DialogConfigSave dlg(deviceHub, this);
    dlg.setObjectName(QStringLiteral("DialogConfigSave"));
    dlg.setCurrentDevice(currentId);
    dlg.exec();
}

void MainWindow::onTitleRestoreConfig()
{
    DialogConfigRestore dlg(deviceHub, this);
    dlg.setObjectName(QStringLiteral("DialogConfigRestore"));
    dlg.exec();
}

void MainWindow::onTitleRestoreTo()
{
    const FileTab *t = fileTabs.value(currentId, nullptr);
    if (!t)
        return;
    DialogConfigRestore dlg(deviceHub, this);
    dlg.setObjectName(QStringLiteral("DialogConfigRestore"));
    dlg.setDocument(t->doc, t->path, t->index);
    dlg.exec();
}

void MainWindow::onTitleOpenConfig()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open configuration"), QString(),
                                                      tr("Configuration files (*.json)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!openConfigFile(path, &error))
        showTips(this, tr("%1 cannot be opened: %2").arg(QDir::toNativeSeparators(path), error));
}

bool MainWindow::openConfigFile(const QString &path, QString *error)
{
    ConfigDocument doc;
    QString message;
    if (!ConfigFile::load(path, &doc, &message) || doc.devices.isEmpty()) {
        if (error)
            *error = message.isEmpty() ? tr("The file holds no device.") : message;
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString first;
    for (int i = 0; i < doc.devices.size(); ++i) {
        const ConfigDevice &dev = doc.devices.at(i);
        const QString id = fileTabId(absolute, dev.basic().cpuid);
        closeFileTab(id); // opened again: shown afresh
        auto *t = new FileTab;
        t->path = absolute;
        t->doc = doc;
        t->index = i;
        t->record = dev.isGw() ? static_cast<INFO_BASIC *>(new DEVICE_INFO_GW(dev.gw))
                               : static_cast<INFO_BASIC *>(new DEVICE_INFO_KS(dev.ks));
        t->record->cpuid = id;
        t->record->online = 0;
        t->record->keyTCP = 0;
        t->record->keyUDP = 0;
        fileTabs.insert(id, t);
        tabs->addDevice(t->record);
        tabs->setReadOnly(id, true);
        fillFileView(id);
        if (first.isEmpty())
            first = id;
    }
    retranslateFileTabs();
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabBar()->tabData(i).toString() == first)
            tabs->setCurrentIndex(i);
    showFileTabState();
    return true;
}

void MainWindow::fillFileView(const QString &id)
{
    SxGraphicsView *view = tabs->viewFor(id);
    INFO_BASIC *rec = fileRecord(id);
    if (!view || !rec)
        return;
    if (const auto *ks = dynamic_cast<const DEVICE_INFO_KS *>(rec)) {
        view->setPanels(ks->panels, ks->outputMode.mode != 0);
        view->setWindows(ks->windows);
        if (!ks->templates.isEmpty())
            view->setTemplateId(ks->templates.last().group);
        for (const INFO_WINDOW &w : ks->windows)
            view->setWindowRotate(w.winId, w.rotate);
    } else if (const auto *gw = dynamic_cast<const DEVICE_INFO_GW *>(rec)) {
        for (const INFO_PANEL &p : gw->panels)
            view->addPanel(p);
        if (!gw->panels.isEmpty())
            view->setPanelGrid(gw->panels.first().row, gw->panels.first().col);
        view->setOutputCards(gw->other.outputCards);
        view->setOutputMappings(gw->mappings);
        for (const INFO_WINDOW &w : gw->windows)
            view->setWindow(w);
    }
}

void MainWindow::closeFileTab(const QString &id)
{
    FileTab *t = fileTabs.take(id);
    if (!t)
        return;
    if (tabs) {
        for (int i = tabs->count() - 1; i >= 0; --i) {
            if (tabs->tabBar()->tabData(i).toString() != id)
                continue;
            QWidget *page = tabs->widget(i);
            tabs->removeTab(i);
            delete page;
        }
        tabs->setReadOnly(id, false);
    }
    delete t->record;
    delete t;
}

void MainWindow::dropFileTabs()
{
    for (FileTab *t : qAsConst(fileTabs)) {
        delete t->record;
        delete t;
    }
    fileTabs.clear();
}

void MainWindow::retranslateFileTabs()
{
    for (auto it = fileTabs.cbegin(); it != fileTabs.cend(); ++it) {
        const FileTab *t = it.value();
        tabs->updateTab(t->record, tr("file %1").arg(QFileInfo(t->path).fileName()));
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabBar()->tabData(i).toString() == it.key())
                tabs->setTabToolTip(i, tr("Configuration file %1: nothing is sent from this tab.")
                                           .arg(QDir::toNativeSeparators(t->path)));
    }
    showFileTabState();
}

void MainWindow::showFileTabState()
{
    const FileTab *t = fileTabs.value(currentId, nullptr);
    titleWidget->setRestoreToEnabled(t != nullptr);
    if (!t)
        return;
    const QString name = t->record->name.isEmpty() ? SxTabWidget::labelFor(t->record) : t->record->name;
    titleWidget->setCurrentDeviceName(
        tr("%1 (configuration file %2, not a device)").arg(name, QFileInfo(t->path).fileName()));
}

void MainWindow::refuseFromFileTab()
{
    showLinkBox(tr("This tab shows a configuration file, not a device: nothing is sent from it. "
                   "Use \"Restore to…\" in the main menu to restore it to a device."));
}
