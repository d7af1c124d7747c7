#include "SxTabWidget.h"

#include "DeviceModels.h"
#include "INFO_BASIC.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsViewGW.h"
#include "SxGraphicsViewKS.h"

#include <QSignalBlocker>
#include <QTabBar>

namespace {
const QString placeholderCpuid = QStringLiteral("Error");
}

SxTabWidget::SxTabWidget(QWidget *parent) : QTabWidget(parent)
{
    // The bars show the selection of the current tab: a tab made current announces its own.
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (SxGraphicsView *view = activeView())
            view->announceSelection();
    });
}

QString SxTabWidget::labelFor(const INFO_BASIC *record)
{
    if (!record->name.isEmpty())
        return record->name;
    return modelLabel(record->type, record->hasUsb, record->hasSdi);
}

void SxTabWidget::addDevice(INFO_BASIC *record)
{
    if (!record)
        return;
    bool placeholder = false;
    int found = -1;
    for (int i = 0; i < count(); ++i) {
        const QString data = tabBar()->tabData(i).toString();
        if (data == placeholderCpuid)
            placeholder = true;
        if (data.compare(record->cpuid, Qt::CaseInsensitive) == 0) {
            found = i;
            break;
        }
    }
    // The placeholder itself reported again keeps its tab.
    if (placeholder && record->cpuid != placeholderCpuid) {
        QWidget *page = widget(0);
        removeTab(0);
        delete page;
        if (found > 0)
            --found;
    }
    if (found >= 0) {
        updateTab(record);
        return;
    }
    SxGraphicsView *view = nullptr;
    if (isKsType(record->type))
        view = new SxGraphicsViewKS(this);
    else if (isGwType(record->type))
        view = new SxGraphicsViewGW(this);
    if (!view)
        return;
    // Selection reaches the bars only from the current tab; devices read back meanwhile in other
    // tabs would otherwise show their windows there.
    connect(view, &SxGraphicsView::emitItemPosChange, this, [this, view](int id, QRect rect, QRect panel) {
        if (view == activeView())
            emit emitItemPosChange(id, rect, panel);
    });
    connect(view, &SxGraphicsView::emitSelectItemInputChange, this, [this, view](int srcID) {
        if (view == activeView())
            emit emitSelectItemInputChange(srcID);
    });
    connect(view, &SxGraphicsView::emitWriteData, this, &SxTabWidget::emitWriteData);
    connect(view, &SxGraphicsView::emitPartFullChange, this, [this, view](bool part) {
        if (view == activeView())
            emit emitPartFullChange(part);
    });
    connect(view, &SxGraphicsView::emitRemoveWindow, this, &SxTabWidget::emitRemoveWindow);
    connect(view, &SxGraphicsView::emitSavePreset, this, &SxTabWidget::emitSavePreset);
    connect(view, &SxGraphicsView::emitShowBusy, this, &SxTabWidget::emitShowBusy);
    connect(view, &SxGraphicsView::emitOpenAttribute, this,
            [this, view](int winId) { emit emitOpenAttribute(view->getCpuid(), winId); });
    if (auto ks = qobject_cast<SxGraphicsViewKS *>(view)) {
        connect(ks, &SxGraphicsViewKS::emitOpenMosaic, this,
                [this, ks](int winId, INFO_MOSAIC mosaic, int width, int height, int type) {
                    emit emitOpenMosaic(ks->getCpuid(), winId, mosaic, width, height, type);
                });
        connect(ks, &SxGraphicsViewKS::emitOpenChromaKey, this, [this, ks](int winId, INFO_CHROMA chroma) {
            emit emitOpenChromaKey(ks->getCpuid(), winId, chroma);
        });
    }
    if (auto gw = qobject_cast<SxGraphicsViewGW *>(view))
        connect(gw, &SxGraphicsViewGW::emitOpenAddWindow, this,
                [this, gw](QRect bounds) { emit emitOpenAddWindow(gw->getCpuid(), bounds); });
    view->setCpuid(record->cpuid);
    view->setDeviceType(record->type);
    // The tab becomes current (the first one) only once it carries its cpuid, so that receivers of
    // currentChanged find the device.
    const int before = currentIndex();
    int index;
    {
        const QSignalBlocker blocker(this);
        index = addTab(view, labelFor(record));
        tabBar()->setTabData(index, record->cpuid);
    }
    if (currentIndex() != before)
        emit currentChanged(currentIndex());
}

void SxTabWidget::updateTab(INFO_BASIC *record)
{
    updateTab(record, tr("offline"));
}

void SxTabWidget::updateTab(INFO_BASIC *record, const QString &stateText)
{
    if (!record)
        return;
    const QString text = record->online || stateText.isEmpty()
        ? labelFor(record)
        : labelFor(record) + QStringLiteral(" - ") + stateText;
    for (int i = 0; i < count(); ++i) {
        if (tabBar()->tabData(i).toString().compare(record->cpuid, Qt::CaseInsensitive) == 0)
            setTabText(i, text);
    }
}

QString SxTabWidget::currentCpuid() const
{
    const int i = currentIndex();
    return i < 0 ? QString() : tabBar()->tabData(i).toString();
}

SxGraphicsView *SxTabWidget::activeView() const
{
    return qobject_cast<SxGraphicsView *>(currentWidget());
}

SxGraphicsView *SxTabWidget::viewFor(const QString &cpuid) const
{
    for (int i = 0; i < count(); ++i)
        if (tabBar()->tabData(i).toString().compare(cpuid, Qt::CaseInsensitive) == 0)
            return qobject_cast<SxGraphicsView *>(widget(i));
    return nullptr;
}

void SxTabWidget::retranslateViews()
{
    for (int i = 0; i < count(); ++i)
        if (auto view = qobject_cast<SxGraphicsView *>(widget(i)))
            view->retranslate();
}

void SxTabWidget::setReadOnly(const QString &cpuid, bool readOnly)
{
    if (readOnly)
        readOnlyIds.insert(cpuid.toLower());
    else
        readOnlyIds.remove(cpuid.toLower());
    if (SxGraphicsView *view = viewFor(cpuid))
        view->setLockWindow(readOnly);
}

bool SxTabWidget::isReadOnly(const QString &cpuid) const
{
    return readOnlyIds.contains(cpuid.toLower());
}

SxGraphicsView *SxTabWidget::editableView() const
{
    SxGraphicsView *view = activeView();
    return view && !isReadOnly(view->getCpuid()) ? view : nullptr;
}

void SxTabWidget::removeWindow(int id)
{
    if (SxGraphicsView *view = editableView())
        view->removeWindow(id);
}

void SxTabWidget::removeAllWindow()
{
    if (SxGraphicsView *view = editableView())
        view->removeAllWindow();
}

void SxTabWidget::setLockWindow(bool lock)
{
    for (int i = 0; i < count(); ++i)
        if (auto view = qobject_cast<SxGraphicsView *>(widget(i)))
            view->setLockWindow(lock || isReadOnly(view->getCpuid()));
}

void SxTabWidget::setHorWindow()
{
    if (SxGraphicsView *view = editableView())
        view->setHorWindow();
}

void SxTabWidget::setVerWindow()
{
    if (SxGraphicsView *view = editableView())
        view->setVerWindow();
}

void SxTabWidget::setPartFullScreen(bool part)
{
    if (SxGraphicsView *view = editableView())
        if (SxGraphicsItem *item = view->getCurrentItem())
            item->setPartFull(part);
}

void SxTabWidget::setWindowItemPos(QRect rect, bool bSendToDevice)
{
    if (SxGraphicsView *view = editableView())
        view->setWindowItemPos(rect, bSendToDevice);
}
