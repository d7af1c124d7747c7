#include "SxGraphicsViewKS.h"

#include "DEVICE_INFO_KS.h"
#include "DeviceModels.h"
#include "KS9200Interface.h"
#include "SxArrange.h"
#include "SxGraphicsItem.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>

SxGraphicsViewKS::SxGraphicsViewKS(QWidget *parent) : SxGraphicsView(parent)
{
    multiMachineAction = new QAction(this);
    chromaKeyAction = new QAction(this);
    rotationMenu = new QMenu(this);
    rotationGroup = new QActionGroup(this);
    rotationGroup->setExclusive(true);
    for (int code = 0; code < 6; ++code) {
        auto a = new QAction(this);
        a->setCheckable(true);
        a->setData(code);
        rotationGroup->addAction(a);
        rotationActions << a;
    }
    rotationMenu->addActions(rotationActions);
    connect(rotationGroup, &QActionGroup::triggered, this, &SxGraphicsViewKS::onRotation);
    connect(multiMachineAction, &QAction::triggered, this, &SxGraphicsViewKS::onMultiMachineMosaic);
    connect(chromaKeyAction, &QAction::triggered, this, &SxGraphicsViewKS::onChromaKey);
    retranslate();
}

void SxGraphicsViewKS::retranslate()
{
    SxGraphicsView::retranslate();
    multiMachineAction->setText(tr("Multi-machine Mosaic"));
    chromaKeyAction->setText(tr("Chroma Key"));
    rotationMenu->setTitle(tr("image rotation"));
    const QStringList texts = {tr("OFF"), tr("H Flip"), tr("V Flip"), QStringLiteral("180"),
                               QStringLiteral("90"), QStringLiteral("270")};
    for (int i = 0; i < rotationActions.size(); ++i)
        rotationActions[i]->setText(texts[i]);
}

void SxGraphicsViewKS::setDeviceType(int type)
{
    SxGraphicsView::setDeviceType(type);
    contextMenu->clear();
    if (type >= 0 && type <= 4) {
        contextMenu->addMenu(savePresetMenu);
        contextMenu->addAction(attributeAction);
        contextMenu->addSeparator();
        contextMenu->addAction(maximizeAction);
        contextMenu->addSeparator();
        contextMenu->addAction(multiMachineAction);
        contextMenu->addAction(chromaKeyAction);
    } else if (isKxType(type)) {
        contextMenu->addMenu(savePresetMenu);
        contextMenu->addAction(attributeAction);
        contextMenu->addSeparator();
        contextMenu->addMenu(rotationMenu);
        contextMenu->addAction(maximizeAction);
        contextMenu->addSeparator();
        contextMenu->addAction(multiMachineAction);
    }
}

void SxGraphicsViewKS::prepareMenu()
{
    refreshPresetMarks();
    const bool has = menuItem != nullptr;
    attributeAction->setEnabled(has);
    maximizeAction->setEnabled(has);
    multiMachineAction->setEnabled(has);
    rotationMenu->setEnabled(has);
    chromaKeyAction->setEnabled(has && menuItem->hasSource());
    if (!has)
        return;
    const bool quarter = deviceType == 20 || templateId == 0 || templateId == 2
                         || ((templateId == 5 || templateId == 6) && menuItem->windowId() == 0);
    rotationActions[4]->setEnabled(quarter);
    rotationActions[5]->setEnabled(quarter);
    if (menuItem->rotate() < rotationActions.size())
        rotationActions[menuItem->rotate()]->setChecked(true);
}

void SxGraphicsViewKS::contextMenuEvent(QContextMenuEvent *event)
{
    if (locked)
        return;
    prepareMenu();
    contextMenu->exec(event->globalPos());
}

void SxGraphicsViewKS::onRotation(QAction *action)
{
    if (!menuItem || !action)
        return;
    action->setChecked(true);
    const int code = action->data().toInt();
    menuItem->setRotate(code);
    if (KS9200Interface *ks = ksInterface())
        ks->setWindowRotate(menuItem->windowId(), code);
}

void SxGraphicsViewKS::onChromaKey()
{
    if (!menuItem)
        return;
    INFO_CHROMA entry;
    if (auto ks = dynamic_cast<DEVICE_INFO_KS *>(deviceRecord()))
        for (const INFO_CHROMA &c : qAsConst(ks->chromaKeys))
            if (c.winId == menuItem->windowId())
                entry = c;
    entry.winId = uint8_t(menuItem->windowId());
    // The chroma-key dialog is run by the receiver of this signal.
    emit emitOpenChromaKey(menuItem->windowId(), entry);
    if (KS9200Interface *ks = ksInterface())
        ks->readChromaKey();
}

void SxGraphicsViewKS::onMultiMachineMosaic()
{
    if (!menuItem)
        return;
    auto ks = dynamic_cast<DEVICE_INFO_KS *>(deviceRecord());
    if (!ks)
        return;
    for (const INFO_MOSAIC &m : qAsConst(ks->mosaics))
        if (m.winId == menuItem->windowId()) {
            const QRect w = menuItem->windowRect();
            emit emitOpenMosaic(menuItem->windowId(), m, w.width(), w.height(), deviceType);
            return;
        }
}

void SxGraphicsViewKS::setHorWindow()
{
    applyArrangement(SxArrange::ksRects(deviceType, templateId, panelRects, windowItems.size(), true));
}

void SxGraphicsViewKS::setVerWindow()
{
    applyArrangement(SxArrange::ksRects(deviceType, templateId, panelRects, windowItems.size(), false));
}
