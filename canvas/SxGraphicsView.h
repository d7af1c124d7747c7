// The drawing of one device's LED wall: panels as dark rectangles and windows as boxes the
// operator selects, drags, resizes and nudges. Scene units are wall pixels; the view is scaled so
// the wall fits 800 x 500. Edits are announced with signals and sent to the device: KS-set frames
// through emitWriteData, GW edits through the device's GW5Interface. One view per device tab;
// SxGraphicsViewKS and SxGraphicsViewGW add the menus and arrangements.
#pragma once

#include "Records.h"

#include <QByteArray>
#include <QGraphicsView>
#include <QList>
#include <QMap>
#include <QRect>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QTimer;
class QGraphicsScene;
class SxGraphicsItem;
class SxGraphicsBGItem;
class INFO_BASIC;
class Interface;
class GW5Interface;
class KS9200Interface;

class SxGraphicsView : public QGraphicsView
{
    Q_OBJECT
public:
    // How views find a device record and its interface by cpuid (an empty cpuid: the current
    // device). The main window installs both; without them device operations do nothing.
    using RecordLookup = std::function<INFO_BASIC *(const QString &cpuid)>;
    using InterfaceLookup = std::function<Interface *(const QString &cpuid)>;
    static void setDeviceLookup(RecordLookup records, InterfaceLookup interfaces);

    explicit SxGraphicsView(QWidget *parent = nullptr);
    ~SxGraphicsView() override;

    virtual void setDeviceType(int type);
    int getDeviceType() const { return deviceType; }
    void setCpuid(const QString &id) { cpuid = id; }
    QString getCpuid() const { return cpuid; }

    void setPanels(const QList<INFO_PANEL> &panels, bool split);
    void addPanel(const INFO_PANEL &panel);
    void setWindows(const QList<INFO_WINDOW> &list);
    void setWindow(const INFO_WINDOW &window) { setWindows({window}); }
    void updateInputSignals(const QList<INFO_INPUTSINGLE> &list);
    void updateInputSignal(const INFO_INPUTSINGLE &signal);
    void setTemplateId(int id);
    int getTemplateId() const { return templateId; }
    void setWindowRotate(int win, int rotate);
    void setOutputCards(int cards) { outputCards = cards; }
    int getOutputCards() const { return outputCards; }
    void setOutputMappings(const QList<INFO_MAPPING> &mappings);
    void setPanelGrid(int rows, int cols);
    void moveOutput(int output, int fromPanel, int toPanel);
    QList<SxGraphicsItem *> windowItemList() const { return windowItems.values(); }
    SxGraphicsItem *windowItem(int id) const { return windowItems.value(id, nullptr); }
    SxGraphicsItem *getCurrentItem() const { return currentItem; }
    SxGraphicsItem *getMenuItem() const { return menuItem; }
    int currentWindowId() const;
    // Announces the selected window (position, input, part-full flag), or that none is selected
    // (window id -1), as a click on it would; the tab widget calls it when the tab becomes current.
    void announceSelection();
    void refreshPresetMarks();
    void updatePresetMarks(const QList<INFO_PRESET> &presets);
    QList<SxGraphicsBGItem *> panelItemList() const { return panelItems; }
    QList<QRect> getPanelRects() const { return panelRects; }
    QRect rectFull() const { return m_rectFull; }
    double getViewScale() const { return viewScale; }
    bool isLocked() const { return locked; }
    int gridRows() const { return panelRows; }
    int gridCols() const { return panelCols; }
    QMenu *windowMenu() const { return contextMenu; }
    QList<QAction *> presetActionList() const { return presetActions; }

    virtual void retranslate();

    // The frames of the KS-set window requests the canvas sends.
    static QByteArray ksWindowGeometryFrame(int winId, int x, int y, int width, int height);
    static QByteArray ksSavePresetFrame(int id);
    static QByteArray ksWindowRotateFrame(int winId, int rotate);

signals:
    void emitItemPosChange(int id, QRect rect, QRect panel);
    void emitSelectItemInputChange(int srcID);
    void emitWriteData(QByteArray data);
    void emitPartFullChange(bool part);
    void emitRemoveWindow(int winID);
    void emitSavePreset(int presetID);
    // Hooks for dialogs that live outside the canvas: the receiver runs the attribute dialog for
    // the window (modally) and the view re-announces the current window afterwards.
    void emitOpenAttribute(int winId);
    // After an arrangement: show the busy indicator for `ms` milliseconds.
    void emitShowBusy(int ms);

public slots:
    void setWindowItemPos(QRect rect, bool bSendToDevice);
    void onWriteData(QByteArray data);
    void setLockWindow(bool lock);
    virtual void setHorWindow();
    virtual void setVerWindow();
    void setPartFullScreen(bool part);
    void addWindow(QRect r);
    void removeWindow(int id);
    void removeAllWindow();

protected slots:
    void onSavePreset(QAction *action);
    void onAttribute();
    void onMaximize();
    void onTimeoutWindowMove();

protected:
    virtual void initActions();
    void clearScene();
    void setDefaultScene();
    void fitScale();
    SxGraphicsItem *createWindowItem(int width, int height, const QRect &panel);
    void sendWindowGeometry(SxGraphicsItem *item, const QRect &rect, bool readBack);
    void updateInputText(SxGraphicsItem *item, const QList<INFO_INPUTSINGLE> &list);
    void announce(SxGraphicsItem *item);
    // Called once the selected window has gone: the panels learn that nothing is selected.
    void announceNoSelection();
    void applyArrangement(const QList<QRect> &rects);
    SxGraphicsItem *windowItemAt(const QPoint &viewPos) const;
    void eraseWindow(int id);
    INFO_BASIC *deviceRecord() const;
    Interface *deviceInterface() const;
    GW5Interface *gwInterface() const;
    KS9200Interface *ksInterface() const;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    QMap<int, SxGraphicsItem *> windowItems;
    QList<SxGraphicsBGItem *> panelItems;
    int deviceType = 0;
    QGraphicsScene *m_scene = nullptr;
    QList<QAction *> presetActions;
    QActionGroup *presetGroup = nullptr;
    QAction *attributeAction = nullptr;
    QAction *maximizeAction = nullptr;
    QMenu *contextMenu = nullptr;
    QMenu *savePresetMenu = nullptr;
    SxGraphicsItem *currentItem = nullptr;
    SxGraphicsItem *menuItem = nullptr;
    QString cpuid;
    QTimer *moveTimer = nullptr;
    bool pressed = false;
    bool locked = false;
    QList<QRect> panelRects;
    QRect m_rectFull;
    int templateId = 0;
    double viewScale = 1.0;
    int panelRows = 2;
    int panelCols = 4;
    int outputCards = 0;

    static RecordLookup s_records;
    static InterfaceLookup s_interfaces;
};
