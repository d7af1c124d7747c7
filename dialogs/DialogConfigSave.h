// "Save configuration…": backs up the current device or every online device into one
// configuration file. Each device is read back in full first (progress shown), then the file is
// written atomically; on any failure the operator is told and no file is written. Made on demand
// by the main window (MainWindow_Config.cpp) and run modally; the hub belongs to the main window.
#pragma once

#include "SxBaseWidget.h"

#include <QStringList>

class ConfigBackup;
class DeviceHub;

namespace Ui {
class DialogConfigSave;
}

class DialogConfigSave : public SxBaseWidget
{
    Q_OBJECT
public:
    explicit DialogConfigSave(DeviceHub *hub, QWidget *parent = nullptr);
    ~DialogConfigSave() override;

    // Offers `cpuid` as the current device (when it is online) and all online devices.
    void setCurrentDevice(const QString &cpuid);
    QString path() const;
    bool isRunning() const;

public slots:
    void on_btn_browse_clicked();
    void on_btn_save_clicked();
    void on_btn_cancel_clicked();
    // While a backup runs, closing cancels it instead.
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    QStringList onlineDevices() const;
    void retranslateTexts();
    void setBusy(bool busy);
    void onProgress(int index, int count, const QString &cpuid);
    void onFinished(bool ok);

    Ui::DialogConfigSave *ui;
    DeviceHub *hub;
    ConfigBackup *backup;
    QString current;
};
