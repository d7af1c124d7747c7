// Canvas of a KS-set device: window rotation, chroma key and multi-machine mosaic per window, and
// arrangements that follow the device's template.
#pragma once

#include "SxGraphicsView.h"

class SxGraphicsViewKS : public SxGraphicsView
{
    Q_OBJECT
public:
    explicit SxGraphicsViewKS(QWidget *parent = nullptr);

    void setDeviceType(int type) override;
    void retranslate() override;
    QList<QAction *> rotationActionList() const { return rotationActions; }
    QMenu *rotationSubMenu() const { return rotationMenu; }
    QAction *chromaKey() const { return chromaKeyAction; }
    QAction *multiMachine() const { return multiMachineAction; }
    QAction *attribute() const { return attributeAction; }
    QAction *maximize() const { return maximizeAction; }
    // Enables the menu entries for `menuItem` as before showing the menu.
    void prepareMenu();

signals:
    // Hooks for the chroma-key and mosaic dialogs: the receiver runs the dialog for the window
    // with the record entry (modally).
    void emitOpenChromaKey(int winId, INFO_CHROMA chroma);
    void emitOpenMosaic(int winId, INFO_MOSAIC mosaic, int width, int height, int deviceType);

public slots:
    void setHorWindow() override;
    void setVerWindow() override;

private slots:
    void onRotation(QAction *action);
    void onChromaKey();
    void onMultiMachineMosaic();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QAction *multiMachineAction = nullptr;
    QAction *chromaKeyAction = nullptr;
    QList<QAction *> rotationActions;
    QActionGroup *rotationGroup = nullptr;
    QMenu *rotationMenu = nullptr;
};
