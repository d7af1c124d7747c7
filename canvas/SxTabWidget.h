// The tab widget of the main window's right-hand pane: one canvas view per device, named after
// the device and marked with its link state when it drops. Everything the rest of the application
// does with the canvases goes through here, and it relays every canvas signal; the selection
// signals only from the current tab, which announces its selection again when it becomes current.
#pragma once

#include "Records.h"

#include <QRect>
#include <QSet>
#include <QTabWidget>

class INFO_BASIC;
class SxGraphicsView;

class SxTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit SxTabWidget(QWidget *parent = nullptr);

    void addDevice(INFO_BASIC *record);
    // Names the device's tab after it; a device that is not online gets " - " and `stateText`
    // after its name ("offline" when not given).
    void updateTab(INFO_BASIC *record);
    void updateTab(INFO_BASIC *record, const QString &stateText);
    QString currentCpuid() const;
    SxGraphicsView *activeView() const;
    SxGraphicsView *viewFor(const QString &cpuid) const;
    void retranslateViews();
    // A tab that shows a configuration file rather than a device: its view stays locked and the
    // window operations of the panels do not reach it, so nothing in it changes.
    void setReadOnly(const QString &cpuid, bool readOnly);
    bool isReadOnly(const QString &cpuid) const;

    static QString labelFor(const INFO_BASIC *record);

signals:
    void emitItemPosChange(int id, QRect rect, QRect panel);
    void emitSelectItemInputChange(int srcID);
    void emitWriteData(QByteArray data);
    void emitPartFullChange(bool part);
    void emitRemoveWindow(int winID);
    void emitSavePreset(int presetID);
    void emitShowBusy(int ms);
    // The canvases' dialog hooks, with the cpuid of the view that asks.
    void emitOpenAttribute(QString cpuid, int winId);
    void emitOpenAddWindow(QString cpuid, QRect bounds);
    void emitOpenMosaic(QString cpuid, int winId, INFO_MOSAIC mosaic, int width, int height, int deviceType);
    void emitOpenChromaKey(QString cpuid, int winId, INFO_CHROMA chroma);

public slots:
    void removeWindow(int id);
    void removeAllWindow();
    void setLockWindow(bool lock);
    void setHorWindow();
    void setVerWindow();
    void setPartFullScreen(bool part);
    void setWindowItemPos(QRect rect, bool bSendToDevice);

private:
    // The current view, unless it is read-only.
    SxGraphicsView *editableView() const;

    QSet<QString> readOnlyIds; // lower case
};
