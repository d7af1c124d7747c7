// The panel on the left of the main window (object name "LeftWidget"): the current device's
// sources, timed tasks, templates and presets, on four pages. It follows the current device through
// setDevice() and the take-one receivers the main window calls as replies arrive. Requests leave as
// signals to the main window or through the current device's interface (DeviceLookup).
#pragma once

#include "Records.h"

#include <QList>
#include <QWidget>

class DEVICE_INFO_GW;
class DialogTimeTake;
class INFO_BASIC;
class QScrollArea;
class SxPreviewBoxButton;
class SxSignalBoxButton;
class SxTimeTaskButton;

namespace Ui {
class WidgetInLeft;
}

class WidgetInLeft : public QWidget
{
    Q_OBJECT
public:
    static constexpr int NoDevice = 50;
    static constexpr int ButtonCount = 10;
    static constexpr int TaskCount = 16;

    explicit WidgetInLeft(QWidget *parent = nullptr);
    ~WidgetInLeft() override;

    // Panel refresh from the current device's record (KS or GW); null does nothing.
    void setDevice(INFO_BASIC *record);
    // Receivers for the current device's replies.
    void setPreset(const INFO_PRESET &preset);
    void setTemplate(const INFO_TEMPLATE &templ);
    void setInputSignals(const QList<INFO_INPUTSINGLE> &signalList, int deviceType);
    void setOtherSetting(const INFO_OTHER_KS9200 &other);
    void setTimeTask(const INFO_TIME_TASK &task);
    // GW: numbered inputs (rebuilt when the count changes) and their signal states.
    void setGWDevice(DEVICE_INFO_GW *record);
    // GW: templates 0 to 4 derived from the panel list.
    void setGWPanels(const QList<INFO_PANEL> &panels);
    void clearPresetButtons();
    void clearTemplateButtons();
    void switchLanguage();
    void showStackWidget(int index);

    int deviceType() const { return m_deviceType; }
    int selectedSource() const { return m_selectedSource; }
    QList<SxSignalBoxButton *> sourceButtons() const { return m_sourceButtons; }
    QList<SxPreviewBoxButton *> presetButtons() const { return m_presetButtons; }
    QList<SxPreviewBoxButton *> templateButtons() const { return m_templateButtons; }
    QList<SxTimeTaskButton *> taskButtons() const { return m_taskButtons; }
    DialogTimeTake *timeTaskDialog() const { return m_timeTaskDialog; }

    // Source names of a KS device by type code and flags, in button order.
    static QStringList sourceNames(int deviceType, bool hasUsb, bool hasSdi);
    // Source id of an input name ("HDMI2" -> 33); -1 for a name of no known kind.
    static int sourceId(const QString &name);
    static QString sourceIcon(const QString &name);
    // GW templates 0 to 4 built from the panel list (empty list: none).
    static QList<INFO_TEMPLATE> gwTemplates(const QList<INFO_PANEL> &panels);
    // Number of numbered inputs of a GW device.
    static int gwInputCount(const DEVICE_INFO_GW &record);

signals:
    void emitInputSignalSwitch(signed char src);
    void emitInputSignalSwitchAll(signed char src);
    void emitPresetChange(int id);
    void emitTemplateChange(int id);
    void emitRemoveAllWindow();

public slots:
    void onViewItemInputSrcIDChange(int srcID);

private slots:
    void on_btn_signalSrc_clicked();
    void on_btn_timedTask_clicked();
    void on_btn_loadTemplate_clicked();
    void on_btn_loadDefault_clicked();
    void onSignalButtonDoubleClicked();
    void onApplyToAllWindow(int id);
    void onPresetButtonDoubleClicked(QWidget *button);
    void onTemplateButtonDoubleClicked(QWidget *button);
    void onTimeTaskClicked(QWidget *button);
    void on_combo_mode_currentIndexChanged(int index);
    void on_slider_time_valueChanged(int value);
    void on_doubleSpinBox_valueChanged(double v);
    void on_btn_vga_clicked();
    void on_btn_adc_clicked();
    void on_btn_taskSwitch_clicked();

private:
    void buildPageButtons();
    void rebuildKsSources(int deviceType, bool hasUsb, bool hasSdi);
    void rebuildGwSources(int count);
    void clearSourceButtons();
    SxSignalBoxButton *addSourceButton(const QString &text, int id);
    void setKsControlsVisible(bool visible);
    void setTaskSwitchIcon(bool on);
    void repaintTaskButtons();
    void relabelButtons();
    void layOutGwTemplate(const INFO_PRESET &layout);
    bool isGw() const { return m_deviceType == 48; }

    Ui::WidgetInLeft *ui;
    int m_deviceType = NoDevice;
    DialogTimeTake *m_timeTaskDialog = nullptr;
    QList<SxPreviewBoxButton *> m_presetButtons;
    QList<SxPreviewBoxButton *> m_templateButtons;
    QList<SxTimeTaskButton *> m_taskButtons;
    QList<SxSignalBoxButton *> m_sourceButtons;
    QScrollArea *m_sourcePage = nullptr;
    bool m_updating = false;
    int m_selectedSource = -1;
    int m_gwInputCount = -1; // numbered GW buttons shown; -1 while the buttons are named KS sources
};
