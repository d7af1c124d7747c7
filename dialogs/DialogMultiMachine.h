// Loads one stored preset on several devices at once. The main window opens it from its menu and
// hands it the device map; each ticked row gets the load-preset request of its family.
#pragma once

#include "SxBaseWidget.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace Ui {
class DialogMultiMachine;
}
class INFO_BASIC;
class QTableWidget;

class DialogMultiMachine : public SxBaseWidget
{
    Q_OBJECT
public:
    enum Column { ColModel = 0, ColLink, ColVersion, ColName, ColSelect, ColumnCount };
    static constexpr int BusyMs = 3000;

    explicit DialogMultiMachine(QWidget *parent = nullptr);
    ~DialogMultiMachine() override;

    // Rebuilds the table, one row per record, each inserted at the top and ticked. The rows keep
    // the cpuid; the records are looked up again when a preset is loaded.
    void setDevices(const QMap<QString, INFO_BASIC *> &devices);
    // The preset chosen with the preset buttons; -1 while none is.
    int selectedPreset() const { return preset; }
    // The cpuids of the ticked rows, top to bottom.
    QStringList checkedCpuids() const;
    QTableWidget *table() const;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_btn_loadPreset_clicked();
    void on_preset1_clicked();
    void on_preset2_clicked();
    void on_preset3_clicked();
    void on_preset4_clicked();
    void on_preset5_clicked();
    void on_preset6_clicked();
    void on_preset7_clicked();
    void on_preset8_clicked();
    void on_preset9_clicked();
    void on_preset10_clicked();

private:
    void choosePreset(int id);
    void retranslate();

    Ui::DialogMultiMachine *ui;
    int preset = -1;
};
