// "Restore configuration…" (and "Restore to…" from an offline tab): restores devices of a
// configuration file to online devices. The operator picks a file and, for each of its devices, an
// online device of the same family (the same device, or one of the same type, is preselected);
// Compare reads each chosen device back and lists every setting that differs, grouped, with a
// tick box per group and what another model cannot take. Nothing is sent before Restore; when
// presets are restored, what that does to the wall is shown and confirmed first. Restore runs the
// devices one after the other with a progress bar and Cancel, then shows what each device
// verifiably holds. Made on demand by the main window and run modally; the hub is the main
// window's.
#pragma once

#include "ConfigDocument.h"
#include "RestoreRunner.h"
#include "SxBaseWidget.h"

#include <QList>
#include <QStringList>

class ConfigBackup;
class DeviceHub;
class QComboBox;
class QTreeWidgetItem;

namespace Ui {
class DialogConfigRestore;
}

class DialogConfigRestore : public SxBaseWidget
{
    Q_OBJECT
public:
    enum DeviceColumn { ColFileDevice, ColTarget, ColNote, DeviceColumnCount };
    enum DiffColumn { ColSetting, ColFileValue, ColDeviceValue, ColDiffNote, DiffColumnCount };

    explicit DialogConfigRestore(DeviceHub *hub, QWidget *parent = nullptr);
    ~DialogConfigRestore() override;

    // Reads the file at `path`; false, with the reader's message shown, when it cannot be used.
    bool loadFile(const QString &path);
    // Takes a document read already (an offline tab's); only device `only` gets a target
    // preselected (all when -1).
    void setDocument(const ConfigDocument &doc, const QString &path, int only = -1);

    bool isRunning() const;
    // The target box of the file's device `row` ("combo_target_<row>").
    QComboBox *targetBox(int row) const;
    // The results of the last restore, one per device restored, in order.
    const QList<RestoreRunner::Result> &results() const { return done; }

public slots:
    void on_btn_browse_clicked();
    void on_btn_load_clicked();
    void on_btn_compare_clicked();
    void on_btn_restore_clicked();
    void on_btn_cancel_clicked();
    void on_btn_close_clicked();
    // While something runs, closing cancels it instead.
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    // A device of the file and the device it is restored to, as compared.
    struct Pair
    {
        int fileIndex = -1;
        QString target;
        ConfigDevice device; // the target's state when compared
        QStringList groups;  // the groups restored, as ticked when Restore was pressed
    };

    void retranslateTexts();
    void fillDevices(int only);
    void fillTargets(int row, bool preselect, QStringList *taken);
    void invalidateComparison();
    void onCompared(bool ok);
    void fillDifferences();
    QStringList checkedGroups(int pair) const;
    void updatePresetNotice();
    QString presetNotice() const;
    void runNext();
    void onRunnerFinished();
    void appendReport(const Pair &pair, const RestoreRunner::Result &r);
    void finishRun();
    void updateButtons();
    QString targetLabel(const QString &cpuid) const;

    Ui::DialogConfigRestore *ui;
    DeviceHub *hub;
    ConfigBackup *reader;
    RestoreRunner *runner;
    ConfigDocument doc;
    QString docPath;
    bool loaded = false;
    QList<Pair> pairs; // compared, in the file's order
    bool compared = false;
    bool comparing = false;
    bool restoring = false;
    bool cancelAll = false;
    int runIndex = -1;
    QList<RestoreRunner::Result> done;
    int only = -1;
};
