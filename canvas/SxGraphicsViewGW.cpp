#include "SxGraphicsViewGW.h"

#include "GW5Interface.h"
#include "SxArrange.h"
#include "SxCanvasPrompt.h"
#include "SxGraphicsBGItem.h"
#include "SxGraphicsItem.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

SxGraphicsViewGW::SxGraphicsViewGW(QWidget *parent) : SxGraphicsView(parent)
{
    addAction = new QAction(this);
    removeAction = new QAction(this);
    removeAllAction = new QAction(this);
    fillAction = new QAction(this);
    fillAllAction = new QAction(this);
    connect(addAction, &QAction::triggered, this, &SxGraphicsViewGW::onAddWindow);
    connect(removeAction, &QAction::triggered, this, &SxGraphicsViewGW::onRemove);
    connect(removeAllAction, &QAction::triggered, this, &SxGraphicsViewGW::onRemoveAll);
    connect(fillAction, &QAction::triggered, this, &SxGraphicsViewGW::onFillPanel);
    connect(fillAllAction, &QAction::triggered, this, &SxGraphicsViewGW::onFillPanelAll);
    contextMenu->addMenu(savePresetMenu);
    contextMenu->addAction(attributeAction);
    contextMenu->addSeparator();
    contextMenu->addAction(addAction);
    contextMenu->addAction(removeAction);
    contextMenu->addAction(removeAllAction);
    contextMenu->addSeparator();
    contextMenu->addAction(fillAction);
    contextMenu->addAction(fillAllAction);
    contextMenu->addAction(maximizeAction);
    retranslate();
}

void SxGraphicsViewGW::retranslate()
{
    SxGraphicsView::retranslate();
    addAction->setText(tr("Add"));
    removeAction->setText(tr("Remove"));
    removeAllAction->setText(tr("Remove all"));
    fillAction->setText(tr("Fill"));
    fillAllAction->setText(tr("Fill all"));
    for (SxGraphicsBGItem *item : qAsConst(panelItems)) {
        item->setAreaText(tr("Area: %1"));
        item->setOutputFormat(tr("Output: %1"));
    }
}

void SxGraphicsViewGW::prepareMenu()
{
    refreshPresetMarks();
    const bool has = menuItem != nullptr;
    fillAction->setEnabled(has);
    removeAction->setEnabled(has);
    attributeAction->setEnabled(has);
    maximizeAction->setEnabled(has);
}

void SxGraphicsViewGW::contextMenuEvent(QContextMenuEvent *event)
{
    if (locked)
        return;
    prepareMenu();
    contextMenu->exec(event->globalPos());
}

void SxGraphicsViewGW::onAddWindow()
{
    // The add-window dialog is run by the receiver, which calls addWindow when it is accepted.
    emit emitOpenAddWindow(m_rectFull);
}

void SxGraphicsViewGW::onRemove()
{
    if (!menuItem)
        return;
    const int id = menuItem->windowId();
    if (GW5Interface *gw = gwInterface()) {
        gw->setOutputHold(0);
        gw->removeWindow(id);
        gw->setOutputHold(1);
    }
    removeWindow(id);
}

void SxGraphicsViewGW::onRemoveAll()
{
    if (!SxCanvasPrompt::ask(this, SxCanvasPrompt::QuestionOkCancel, tr("Are you sure remove all window?")))
        return;
    GW5Interface *gw = gwInterface();
    if (!gw)
        return;
    gw->setOutputHold(0);
    removeAllWindow();
    gw->setOutputHold(1);
}

QRect SxGraphicsViewGW::fillRect(const QRect &window) const
{
    QRect u;
    for (const QRect &p : panelRects)
        if (!p.intersected(window).isEmpty())
            u |= p;
    return u;
}

void SxGraphicsViewGW::onFillPanel()
{
    if (!menuItem)
        return;
    const QRect u = fillRect(menuItem->windowRect());
    if (u.isNull())
        return;
    emit emitItemPosChange(menuItem->windowId(), u, menuItem->panelRect());
    sendWindowGeometry(menuItem, u, true);
}

void SxGraphicsViewGW::onFillPanelAll()
{
    for (SxGraphicsItem *item : qAsConst(windowItems)) {
        const QRect u = fillRect(item->windowRect());
        if (!u.isNull())
            sendWindowGeometry(item, u, true);
    }
    if (currentItem)
        emit emitItemPosChange(currentItem->windowId(), currentItem->windowRect(), currentItem->panelRect());
}

void SxGraphicsViewGW::setHorWindow()
{
    applyArrangement(SxArrange::gwRects(panelRows, panelCols, panelRects, windowItems.size(), true));
}

void SxGraphicsViewGW::setVerWindow()
{
    applyArrangement(SxArrange::gwRects(panelRows, panelCols, panelRects, windowItems.size(), false));
}
