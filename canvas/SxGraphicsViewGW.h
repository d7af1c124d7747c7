// Canvas of a GW device: adding, removing and filling windows, and arrangements over the grid of
// output panels.
#pragma once

#include "SxGraphicsView.h"

class SxGraphicsViewGW : public SxGraphicsView
{
    Q_OBJECT
public:
    explicit SxGraphicsViewGW(QWidget *parent = nullptr);

    void retranslate() override;
    void prepareMenu();
    QAction *addEntry() const { return addAction; }
    QAction *removeEntry() const { return removeAction; }
    QAction *removeAllEntry() const { return removeAllAction; }
    QAction *fillEntry() const { return fillAction; }
    QAction *fillAllEntry() const { return fillAllAction; }
    QAction *attribute() const { return attributeAction; }
    QAction *maximize() const { return maximizeAction; }

signals:
    // Hook for the add-window dialog: the receiver runs it with `bounds` and, when accepted,
    // calls addWindow with the chosen rectangle.
    void emitOpenAddWindow(QRect bounds);

public slots:
    void setHorWindow() override;
    void setVerWindow() override;

private slots:
    void onAddWindow();
    void onRemove();
    void onRemoveAll();
    void onFillPanel();
    void onFillPanelAll();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QRect fillRect(const QRect &window) const;

    QAction *addAction = nullptr;
    QAction *removeAction = nullptr;
    QAction *removeAllAction = nullptr;
    QAction *fillAction = nullptr;
    QAction *fillAllAction = nullptr;
};
