// "Output Setting" of a GW device: output resolution and frame rate, the grid of display areas
// (rows, columns, numbering order), the pixel size of each area and the mapping of output ports
// to display areas. Kept by the main window and filled afresh before each use from the device's
// records (setDeviceData, which first drops everything of the last use) and run modally. Changes go to the
// current device's GW5Interface (DeviceLookup) only on the two apply buttons and on a mapping edit;
// afterwards the application drops its window and panel state (the signals below) and reloads it from the
// device.
#pragma once

#include "Records.h"
#include "SxBaseWidget.h"

#include <QList>
#include <QSize>
#include <QString>

class DEVICE_INFO_GW;
class QTimer;
class QTableWidgetItem;
class SxProgressIndicator;

namespace Ui {
class DialogGWPanel;
}

class DialogGWPanel : public SxBaseWidget
{
    Q_OBJECT
public:
    static constexpr int MaxAreas = 8;
    static constexpr int ResolutionDebounceMs = 1000;
    static constexpr int ApplyWaitMs = 2000;
    static constexpr int ApplyScreenWaitMs = 3000;

    explicit DialogGWPanel(QWidget *parent = nullptr);
    ~DialogGWPanel() override;

    // Before each use: back to the state of a new dialog, then filled from the device's output
    // cards, panel list and mappings. A panel list that is empty or does not fill its grid leaves
    // the screen table empty; nothing of an earlier use stays to be shown or applied.
    void setDeviceData(const DEVICE_INFO_GW &device);

    // Number of output cards of the device (four ports each).
    void setOutputCards(int count);
    int outputCards() const { return cardCount; }
    // The first panel record: wall-wide resolution, grid and numbering order.
    void setPanelData(const INFO_PANEL &panel);
    // One record per display area, rows x columns of them in row-major order.
    void fillScreenTable(const QList<INFO_PANEL> &panels);
    void fillMappingTable(const QList<INFO_MAPPING> &mappings);

    // Output size of a panel record: its preset's size, or its custom size for index 0.
    static QSize outputSizeOf(const INFO_PANEL &panel);
    QTimer *resolutionTimer() const { return timerResolution; }
    // The busy indicator run modally over the dialog while an apply settles; null before the first.
    SxProgressIndicator *busyIndicator() const { return busy; }

signals:
    void emitRemoveAllWindow();
    void emitClearPanelData();
    void emitMappingChanged(int outputID, int modifyPanelID, int beforePanelID);
    void emitLoadTemplateID0(int id);

public slots:
    void switchLanguage();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_combo_resolution_currentIndexChanged(int index);
    void on_spin_width_valueChanged(int);
    void on_spin_height_valueChanged(int);
    void on_spin_frameRate_valueChanged(int);
    void on_tableWidget_cellChanged(int row, int column);
    void on_btn_apply_clicked();
    void on_btn_applyScreen_clicked();
    void on_tabWidget_currentChanged(int index);
    void on_tableWidget_Mapping_cellChanged(int row, int column);
    void on_combo_serialNumber_currentIndexChanged(int);
    void on_spin_row_valueChanged(int);
    void on_spin_col_valueChanged(int);
    void onTimerResolution();

private:
    void reset();
    void fillResolutions();
    void resolutionEdited(int field);
    QString cellText(const INFO_PANEL &panel) const;
    void rebuildCellTexts();
    void headerEdited(int row, int column);
    void setResolutionFields(int index, const INFO_PANEL &custom);
    void setItemQuietly(QTableWidgetItem *item, const QString &text);
    void runBusy(int stopTimeMs);
    void tip(const QString &text);

    Ui::DialogGWPanel *ui;
    bool updating = false;
    bool layoutChanged = false;
    bool resolutionChanged = false;
    bool screenChanged = false;
    int lastWidth = 0;
    int lastHeight = 0;
    int screenCount = 0;
    int mappingRows = 0;
    int editedField = 0;
    int cardCount = 0;
    QTimer *timerResolution = nullptr;
    SxProgressIndicator *busy = nullptr;
    QString cellFormat;
};
