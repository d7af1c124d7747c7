#include "SxGraphicsView.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "Interface.h"
#include "KS9200Interface.h"
#include "SxArrange.h"
#include "SxCanvasPrompt.h"
#include "SxGraphicsBGItem.h"
#include "SxGraphicsItem.h"

#include <QAction>
#include <QActionGroup>
#include <QDebug>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

SxGraphicsView::RecordLookup SxGraphicsView::s_records;
SxGraphicsView::InterfaceLookup SxGraphicsView::s_interfaces;

namespace {
void applyPanelLook(QGraphicsRectItem *item)
{
    item->setBrush(QColor(33, 36, 48));
    item->setPen(QPen(QBrush(Qt::darkGreen), 20.0, Qt::DashDotLine, Qt::SquareCap, Qt::BevelJoin));
}

QList<INFO_PRESET> presetsOf(INFO_BASIC *record)
{
    if (auto ks = dynamic_cast<DEVICE_INFO_KS *>(record))
        return ks->presets;
    if (auto gw = dynamic_cast<DEVICE_INFO_GW *>(record))
        return gw->presets;
    return {};
}
} // namespace

void SxGraphicsView::setDeviceLookup(RecordLookup records, InterfaceLookup interfaces)
{
    s_records = std::move(records);
    s_interfaces = std::move(interfaces);
}

SxGraphicsView::SxGraphicsView(QWidget *parent) : QGraphicsView(parent)
{
    m_scene = new QGraphicsScene(this);
    setScene(m_scene);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    setRenderHint(QPainter::Antialiasing, true);
    moveTimer = new QTimer(this);
    moveTimer->setInterval(500);
    connect(moveTimer, &QTimer::timeout, this, &SxGraphicsView::onTimeoutWindowMove);
    initActions();
    setDefaultScene();
}

SxGraphicsView::~SxGraphicsView()
{
    qDeleteAll(windowItems);
    windowItems.clear();
    qDeleteAll(panelItems);
    panelItems.clear();
    m_scene->clear();
    qDebug() << "SxGraphicsView::~SxGraphicsView";
}

INFO_BASIC *SxGraphicsView::deviceRecord() const
{
    return s_records ? s_records(cpuid) : nullptr;
}

Interface *SxGraphicsView::deviceInterface() const
{
    return s_interfaces ? s_interfaces(cpuid) : nullptr;
}

GW5Interface *SxGraphicsView::gwInterface() const
{
    return qobject_cast<GW5Interface *>(deviceInterface());
}

KS9200Interface *SxGraphicsView::ksInterface() const
{
    return qobject_cast<KS9200Interface *>(deviceInterface());
}

void SxGraphicsView::setDeviceType(int type)
{
    deviceType = type;
}

QByteArray SxGraphicsView::ksWindowGeometryFrame(int winId, int x, int y, int width, int height)
{
    return KS9200Interface::setWindowGeometryFrame(winId, x, y, width, height);
}

QByteArray SxGraphicsView::ksSavePresetFrame(int id)
{
    return KS9200Interface::savePresetFrame(id);
}

QByteArray SxGraphicsView::ksWindowRotateFrame(int winId, int rotate)
{
    return KS9200Interface::setWindowRotateFrame(winId, rotate);
}

void SxGraphicsView::initActions()
{
    presetGroup = new QActionGroup(this);
    presetGroup->setExclusive(false);
    for (int k = 0; k < 10; ++k) {
        auto a = new QAction(this);
        a->setCheckable(true);
        a->setData(k);
        presetGroup->addAction(a);
        presetActions << a;
    }
    attributeAction = new QAction(this);
    maximizeAction = new QAction(this);
    contextMenu = new QMenu(this);
    savePresetMenu = new QMenu(this);
    savePresetMenu->addActions(presetGroup->actions());
    connect(presetGroup, &QActionGroup::triggered, this, &SxGraphicsView::onSavePreset);
    SxGraphicsView::retranslate();
    connect(attributeAction, &QAction::triggered, this, &SxGraphicsView::onAttribute);
    connect(maximizeAction, &QAction::triggered, this, &SxGraphicsView::onMaximize);
}

void SxGraphicsView::retranslate()
{
    for (int k = 0; k < presetActions.size(); ++k)
        presetActions[k]->setText(tr("preset %1").arg(k + 1));
    attributeAction->setText(tr("attribute"));
    maximizeAction->setText(tr("maximize"));
    savePresetMenu->setTitle(tr("save"));
    INFO_BASIC *record = deviceRecord();
    QList<INFO_INPUTSINGLE> signalList;
    if (record) {
        if (isKsType(record->type)) {
            if (auto ks = dynamic_cast<DEVICE_INFO_KS *>(record))
                signalList = ks->inputSignals;
        } else if (isGwType(record->type)) {
            if (auto gw = dynamic_cast<DEVICE_INFO_GW *>(record))
                signalList = gw->inputSignals;
        }
    }
    for (SxGraphicsItem *item : qAsConst(windowItems)) {
        item->setLabels(tr("window %1").arg(item->windowId() + 1), QStringLiteral("window: [%1,%2, %3x%4]"));
        if (record)
            updateInputText(item, signalList);
    }
}

void SxGraphicsView::clearScene()
{
    const bool selected = currentItem != nullptr;
    qDeleteAll(windowItems);
    windowItems.clear();
    qDeleteAll(panelItems);
    panelItems.clear();
    m_scene->clear();
    viewScale = 0.0;
    panelRects.clear();
    resetTransform();
    currentItem = menuItem = nullptr;
    m_rectFull = QRect();
    if (selected)
        announceNoSelection();
}

void SxGraphicsView::fitScale()
{
    if (m_rectFull.width() <= 0 || m_rectFull.height() <= 0)
        return;
    const double s = qMin(800.0 / m_rectFull.width(), 500.0 / m_rectFull.height());
    viewScale = s;
    resetTransform();
    scale(s, s);
}

void SxGraphicsView::setDefaultScene()
{
    clearScene();
    m_rectFull = QRect(0, 0, 1920, 1080);
    panelRects << m_rectFull;
    m_scene->setSceneRect(m_rectFull);
    auto panel = m_scene->addRect(m_rectFull);
    applyPanelLook(panel);
    panel->setZValue(-1);
    fitScale();
    SxGraphicsItem *item = createWindowItem(960, 540, m_rectFull);
    windowItems.insert(0, item);
    item->setZValue(2.0);
    item->setInput(0);
    item->setLocked(false);
    item->setWindowId(0);
    item->setTransparency(15);
    item->setPartFull(false);
    item->setHasSource(true);
    item->setLabels(tr("window %1").arg(1), QStringLiteral("window: [%1,%2, %3x%4]"));
    item->setInputText(tr("input: [%1][%2]").arg(inputName(0), tr("unkown")));
    item->setItemScale(viewScale);
    m_scene->addItem(item);
}

void SxGraphicsView::setPanels(const QList<INFO_PANEL> &panels, bool split)
{
    clearScene();
    if (split) {
        if (!isKxType(deviceType) || panels.size() != 1 || panels[0].width == 0 || panels[0].height == 0)
            return;
        const INFO_PANEL &p = panels[0];
        const int half = p.width >> 1;
        // The second half starts at w/2 itself, as the device reports it.
        const QRect a(p.x, p.y, half, p.height), b(half, p.y, half, p.height);
        m_rectFull = a | b;
        panelRects << a << b;
    } else {
        for (const INFO_PANEL &p : panels) {
            if (p.width == 0 || p.height == 0)
                return;
            const QRect r(p.x, p.y, p.width, p.height);
            m_rectFull |= r;
            panelRects << r;
        }
    }
    m_scene->setSceneRect(m_rectFull);
    for (int i = 0; i < panelRects.size(); ++i) {
        auto item = m_scene->addRect(panelRects[i]);
        applyPanelLook(item);
        item->setZValue(-(i + 1));
    }
    fitScale();
}

void SxGraphicsView::addPanel(const INFO_PANEL &panel)
{
    if (panel.id == 0)
        clearScene();
    if (panel.width == 0 || panel.height == 0) {
        qDebug() << "panel width and height: " << panel.width << panel.height;
        return;
    }
    const QRect r(panel.x, panel.y, panel.width, panel.height);
    m_rectFull |= r;
    panelRects << r;
    m_scene->setSceneRect(m_rectFull);
    fitScale();
    auto item = new SxGraphicsBGItem(r);
    connect(item, &SxGraphicsBGItem::emitAddWindow, this, &SxGraphicsView::addWindow);
    item->setPanelId(panel.id);
    item->setAreaText(tr("Area: %1"));
    item->setOutputFormat(tr("Output: %1"));
    item->setItemScale(viewScale);
    panelItems << item;
    m_scene->addItem(item);
}

SxGraphicsItem *SxGraphicsView::createWindowItem(int width, int height, const QRect &panel)
{
    auto item = new SxGraphicsItem(QRect(0, 0, width, height), panel);
    connect(item, &SxGraphicsItem::emitItemPosChanged, this, &SxGraphicsView::emitItemPosChange);
    return item;
}

void SxGraphicsView::announce(SxGraphicsItem *item)
{
    emit emitItemPosChange(item->windowId(), item->windowRect(), item->panelRect());
    emit emitSelectItemInputChange(item->input());
    emit emitPartFullChange(item->partFull());
}

void SxGraphicsView::announceNoSelection()
{
    emit emitItemPosChange(-1, QRect(), QRect());
    emit emitPartFullChange(false);
}

void SxGraphicsView::announceSelection()
{
    if (currentItem)
        announce(currentItem);
    else
        announceNoSelection();
}

void SxGraphicsView::setWindows(const QList<INFO_WINDOW> &list)
{
    if (m_rectFull.isEmpty()) {
        qDebug() << "m_rectFull is Empty: " << m_rectFull;
        return;
    }
    bool fresh = true;
    const bool partFullBefore = currentItem && currentItem->partFull();
    for (const INFO_WINDOW &w : list) {
        if (w.width == 0 || w.height == 0) {
            qDebug() << "window width and height: " << w.width << w.height;
            continue;
        }
        const QRect wr(w.x, w.y, w.width, w.height);
        QRect panel;
        if (w.flag1 != 0) {
            panel = m_rectFull;
        } else {
            for (int i = panelRects.size() - 1; i >= 0; --i)
                if (panelRects[i].contains(wr)) {
                    panel = panelRects[i];
                    break;
                }
        }
        // A window outside every panel is kept inside the whole wall.
        if (panel.isNull())
            panel = m_rectFull;
        const int id = int16_t(w.winId);
        SxGraphicsItem *item = windowItems.value(id, nullptr);
        if (!item) {
            item = createWindowItem(w.width, w.height, panel);
            windowItems.insert(id, item);
            item->moveBy(w.x, w.y);
            item->setZValue(windowItems.size());
            m_scene->addItem(item);
            item->setWindowId(w.winId & 0xFF);
            item->setInput(w.param2);
            item->setPartFull(w.flag2 != 0);
            item->setHasSource(w.srcId != 0);
            item->setTransparency(w.param1 & 0xFF);
            item->setLayer(w.param3 & 0xFF);
            item->setLocked(locked);
            item->setLabels(tr("window %1").arg(id + 1), QStringLiteral("window: [%1,%2, %3x%4]"));
            item->setItemScale(viewScale);
            fresh = true;
            auto ks = dynamic_cast<DEVICE_INFO_KS *>(deviceRecord());
            if (isKxType(deviceType) && ks && ks->outputMode.mode == 0 && !panelRects.isEmpty()) {
                const int a = ks->outputMode.value3, b = ks->outputMode.value6;
                QRect p = item->panelRect();
                if (a == 0) {
                    const QRect l = panelRects.last();
                    const QRect r(l.width() + b, 0, l.width() - b, l.height());
                    if (p.intersects(r))
                        p = QRect(p.x(), r.y(), p.width() - r.width(), r.height());
                } else {
                    const QRect f = panelRects.first();
                    const QRect r(0, 0, a, f.height());
                    if (p.intersects(r))
                        p = QRect(r.width(), r.y(), p.width() - r.width(), r.height());
                }
                item->setPanelRect(p);
            }
        } else {
            item->setPanelRect(panel);
            item->setWindowRect(wr);
            item->keepOrigin();
            item->setInput(w.param2);
            item->setPartFull(w.flag2 != 0);
            item->setHasSource(w.srcId != 0);
            item->setTransparency(w.param1 & 0xFF);
            item->setLayer(w.param3 & 0xFF);
            item->setRotate(w.rotate);
            item->setLocked(locked);
            fresh = false;
        }
    }
    if (!currentItem && fresh && !windowItems.isEmpty()) {
        currentItem = windowItems.first();
        currentItem->setSelected(true);
        emit emitItemPosChange(currentItem->windowId(), currentItem->windowRect(), currentItem->panelRect());
        emit emitPartFullChange(currentItem->partFull());
    } else if (currentItem && currentItem->partFull() != partFullBefore) {
        // The device's answer is what the tool bar shows, also for the selected window.
        emit emitPartFullChange(currentItem->partFull());
    }
    viewport()->update();
}

void SxGraphicsView::updateInputText(SxGraphicsItem *item, const QList<INFO_INPUTSINGLE> &list)
{
    const bool ks = isKsType(deviceType), gw = isGwType(deviceType);
    const QString name = ks ? inputName(item->input()) : QString::number(item->input() + 1);
    auto it = std::find_if(list.begin(), list.end(),
                           [item](const INFO_INPUTSINGLE &s) { return s.srcId == item->input(); });
    if (it != list.end() && (it->width != 0 || it->height != 0)) {
        item->setInputFormat(it->width, it->height, it->rate);
        if (ks || gw)
            item->setInputText(tr("input: [%1][%2x%3  %4Hz]").arg(name).arg(it->width).arg(it->height).arg(it->rate));
        else
            item->setInputText(tr("error"));
    } else {
        item->setInputFormat(0, 0, 0);
        item->setInputText((ks || gw) ? tr("input: [%1][%2]").arg(name, tr("unkown")) : tr("error"));
    }
    m_scene->update();
}

void SxGraphicsView::updateInputSignals(const QList<INFO_INPUTSINGLE> &list)
{
    for (SxGraphicsItem *item : qAsConst(windowItems))
        updateInputText(item, list);
}

void SxGraphicsView::updateInputSignal(const INFO_INPUTSINGLE &signal)
{
    for (SxGraphicsItem *item : qAsConst(windowItems))
        if (item->input() == signal.srcId)
            updateInputText(item, {signal});
}

void SxGraphicsView::setTemplateId(int id)
{
    templateId = id;
    if (deviceType != 3 || id != 9)
        return;
    const QList<QGraphicsItem *> items = m_scene->items();
    for (QGraphicsItem *item : items) {
        if (item->zValue() == -2.0) {
            m_scene->removeItem(item);
            delete item;
            break;
        }
    }
}

void SxGraphicsView::setWindowRotate(int win, int rotate)
{
    if (SxGraphicsItem *item = windowItems.value(win, nullptr))
        item->setRotate(rotate);
}

void SxGraphicsView::setOutputMappings(const QList<INFO_MAPPING> &mappings)
{
    for (const INFO_MAPPING &m : mappings)
        for (SxGraphicsBGItem *item : qAsConst(panelItems)) {
            item->setItemScale(viewScale);
            if (item->panelId() == int8_t(m.area))
                item->addOutput(int8_t(m.port));
        }
}

void SxGraphicsView::setPanelGrid(int rows, int cols)
{
    panelRows = rows;
    panelCols = cols;
    for (SxGraphicsBGItem *item : qAsConst(panelItems))
        item->setBoundsFrom(m_rectFull);
}

void SxGraphicsView::moveOutput(int output, int fromPanel, int toPanel)
{
    for (SxGraphicsBGItem *item : qAsConst(panelItems)) {
        if (item->panelId() == toPanel)
            item->addOutput(output);
        else if (item->panelId() == fromPanel)
            item->removeOutput(output);
    }
}

int SxGraphicsView::currentWindowId() const
{
    return currentItem ? currentItem->windowId() : -1;
}

void SxGraphicsView::updatePresetMarks(const QList<INFO_PRESET> &presets)
{
    for (QAction *a : qAsConst(presetActions))
        a->setChecked(false);
    for (const INFO_PRESET &p : presets)
        if (p.id >= 0 && p.id < presetActions.size())
            presetActions[p.id]->setChecked(true);
}

void SxGraphicsView::refreshPresetMarks()
{
    INFO_BASIC *record = deviceRecord();
    if (dynamic_cast<DEVICE_INFO_KS *>(record) || dynamic_cast<DEVICE_INFO_GW *>(record))
        updatePresetMarks(presetsOf(record));
}

void SxGraphicsView::setWindowItemPos(QRect rect, bool bSendToDevice)
{
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    for (QGraphicsItem *g : selected) {
        if (g->type() != SxGraphicsItem::Type)
            continue;
        auto item = static_cast<SxGraphicsItem *>(g);
        item->setWindowRect(rect);
        item->keepOrigin();
        if (bSendToDevice && deviceType == 48)
            if (GW5Interface *gw = gwInterface()) {
                gw->setOutputHold(0);
                gw->moveWindow(item->windowId(), rect.x(), rect.y(), rect.width(), rect.height(), item->layer());
                gw->setOutputHold(1);
            }
    }
}

void SxGraphicsView::onWriteData(QByteArray data)
{
    emit emitWriteData(data);
}

void SxGraphicsView::setLockWindow(bool lock)
{
    locked = lock;
    for (SxGraphicsItem *item : qAsConst(windowItems))
        item->setLocked(lock);
}

void SxGraphicsView::setHorWindow() {}

void SxGraphicsView::setVerWindow() {}

void SxGraphicsView::setPartFullScreen(bool part)
{
    if (currentItem)
        currentItem->setPartFull(part);
}

void SxGraphicsView::addWindow(QRect r)
{
    if (windowItems.size() >= 4 * outputCards) {
        SxCanvasPrompt::info(this, tr("The window number has reached the maximum, please delete a window first."));
        return;
    }
    if (deviceType != 48)
        return;
    if (r.x() + r.width() > m_rectFull.width())
        r.setWidth(m_rectFull.width() - r.x());
    if (r.y() + r.height() > m_rectFull.height())
        r.setHeight(m_rectFull.height() - r.y());
    // A window below the smallest size is shown at that size; where the wall's edge would cut it,
    // it moves back inside, so that the canvas and the device hold the same rectangle.
    const int minSize = SxGraphicsItem::MinSize;
    if (r.width() < minSize)
        r = QRect(qMax(0, qMin(r.x(), m_rectFull.width() - minSize)), r.y(), minSize, r.height());
    if (r.height() < minSize)
        r = QRect(r.x(), qMax(0, qMin(r.y(), m_rectFull.height() - minSize)), r.width(), minSize);
    SxGraphicsItem *item = createWindowItem(r.width(), r.height(), m_rectFull);
    int id = 0;
    while (windowItems.contains(id))
        ++id;
    const int z = windowItems.size();
    item->setZValue(z);
    item->moveBy(r.x(), r.y());
    m_scene->addItem(item);
    item->setInput(0);
    item->setWindowId(id);
    item->setPartFull(true);
    item->setTransparency(100);
    item->setHasSource(false);
    item->setLayer(z);
    item->setLocked(locked);
    item->setLabels(tr("window %1").arg(id + 1), QStringLiteral("window: [%1,%2, %3x%4]"));
    item->setItemScale(viewScale);
    windowItems.insert(id, item);
    m_scene->clearSelection();
    currentItem = item;
    item->setSelected(true);
    viewport()->update();
    if (GW5Interface *gw = gwInterface()) {
        gw->setOutputHold(0);
        gw->openWindow(id, r.x(), r.y(), r.width(), r.height(), z);
        gw->setOutputHold(1);
        gw->readWindows();
        gw->readInputCrop();
        gw->readInputSignals();
        gw->readImageQuality();
    }
}

void SxGraphicsView::sendWindowGeometry(SxGraphicsItem *item, const QRect &rect, bool readBack)
{
    if (!item)
        return;
    if (isKsType(deviceType)) {
        emit emitWriteData(ksWindowGeometryFrame(item->windowId(), rect.x(), rect.y(), rect.width(), rect.height()));
        if (readBack)
            emit emitWriteData(Interface::requestFrame(0xE2));
    } else if (deviceType == 48) {
        if (GW5Interface *gw = gwInterface()) {
            gw->setOutputHold(0);
            gw->moveWindow(item->windowId(), rect.x(), rect.y(), rect.width(), rect.height(), item->layer());
            gw->setOutputHold(1);
            if (readBack)
                gw->readWindows();
        }
    }
}

void SxGraphicsView::eraseWindow(int id)
{
    SxGraphicsItem *item = windowItems.value(id, nullptr);
    if (!item)
        return;
    const int l = item->layer();
    const bool selected = currentItem == item;
    if (selected)
        currentItem = nullptr;
    if (menuItem == item)
        menuItem = nullptr;
    windowItems.remove(id);
    delete item;
    for (SxGraphicsItem *other : qAsConst(windowItems))
        if (other->layer() > l) {
            other->setLayer(other->layer() - 1);
            other->setZValue(other->layer());
        }
    if (selected)
        announceNoSelection();
}

void SxGraphicsView::removeWindow(int id)
{
    emit emitRemoveWindow(id);
    eraseWindow(id);
}

void SxGraphicsView::removeAllWindow()
{
    GW5Interface *gw = gwInterface();
    const QList<int> ids = windowItems.keys();
    for (int id : ids) {
        if (gw)
            gw->removeWindow(id);
        emit emitRemoveWindow(id);
        delete windowItems.take(id);
    }
    const bool selected = currentItem != nullptr;
    currentItem = menuItem = nullptr;
    if (selected)
        announceNoSelection();
}

void SxGraphicsView::applyArrangement(const QList<QRect> &rects)
{
    if (windowItems.isEmpty() || rects.size() != windowItems.size())
        return;
    const QList<SxGraphicsItem *> items = windowItems.values();
    if (isKsType(deviceType)) {
        for (int i = 0; i < items.size(); ++i)
            sendWindowGeometry(items[i], rects[i], true);
    } else if (GW5Interface *gw = gwInterface()) {
        for (int i = 0; i < items.size(); ++i)
            gw->setWindowsGeometry(0, items[i]->windowId(), rects[i].x(), rects[i].y(), rects[i].width(),
                                   rects[i].height());
        gw->setWindowsGeometry(1, 0, 0, 0, 0, 0);
        gw->readWindows();
    }
    if (currentItem)
        emit emitItemPosChange(currentItem->windowId(), currentItem->windowRect(), currentItem->panelRect());
    emit emitShowBusy(1000);
}

void SxGraphicsView::onSavePreset(QAction *action)
{
    INFO_BASIC *record = deviceRecord();
    if (!record || !action)
        return;
    const int n = action->data().toInt();
    const QList<INFO_PRESET> presets = presetsOf(record);
    const bool used = std::any_of(presets.begin(), presets.end(), [n](const INFO_PRESET &p) { return p.id == n; });
    if (used && !SxCanvasPrompt::ask(this, SxCanvasPrompt::QuestionYesNo,
                                     tr("Preset %1 has been saved. Replace it?").arg(n + 1)))
        return;
    emit emitSavePreset(n);
    if (isKsType(deviceType))
        emit emitWriteData(ksSavePresetFrame(n));
    else if (deviceType == 48)
        if (GW5Interface *gw = gwInterface())
            gw->savePreset(n);
}

void SxGraphicsView::onAttribute()
{
    if (!menuItem)
        return;
    // The attribute dialog is run by the receiver of this signal.
    emit emitOpenAttribute(menuItem->windowId());
    if (currentItem && currentItem != menuItem)
        emit emitItemPosChange(currentItem->windowId(), currentItem->windowRect(), currentItem->panelRect());
}

void SxGraphicsView::onMaximize()
{
    if (!menuItem)
        return;
    const QRect p = menuItem->panelRect();
    emit emitItemPosChange(menuItem->windowId(), p, p);
    sendWindowGeometry(menuItem, p, true);
}

void SxGraphicsView::onTimeoutWindowMove()
{
    moveTimer->stop();
    if (currentItem)
        sendWindowGeometry(currentItem, currentItem->windowRect(), false);
}

SxGraphicsItem *SxGraphicsView::windowItemAt(const QPoint &viewPos) const
{
    const QList<QGraphicsItem *> list = items(viewPos);
    for (QGraphicsItem *g : list)
        if (g->type() == SxGraphicsItem::Type)
            return static_cast<SxGraphicsItem *>(g);
    return nullptr;
}

void SxGraphicsView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        QGraphicsView::mousePressEvent(event);
        SxGraphicsItem *item = windowItemAt(event->pos());
        if (!item) {
            if (currentItem)
                currentItem->setSelected(true);
        } else {
            currentItem = item;
            pressed = true;
            announce(item);
        }
    } else if (event->button() == Qt::RightButton) {
        menuItem = windowItemAt(event->pos());
        if (menuItem) {
            currentItem = menuItem;
            m_scene->clearSelection();
            menuItem->setSelected(true);
            announce(menuItem);
        }
    }
    event->accept();
}

void SxGraphicsView::mouseMoveEvent(QMouseEvent *event)
{
    QGraphicsView::mouseMoveEvent(event);
    if (pressed && !locked && !moveTimer->isActive())
        moveTimer->start();
}

void SxGraphicsView::mouseReleaseEvent(QMouseEvent *event)
{
    QGraphicsView::mouseReleaseEvent(event);
    pressed = false;
    if (moveTimer->isActive()) {
        moveTimer->stop();
        if (currentItem)
            sendWindowGeometry(currentItem, currentItem->windowRect(), false);
    }
}

void SxGraphicsView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->ignore();
}

void SxGraphicsView::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (locked)
        return;
    const double f = event->angleDelta().y() >= 0 ? 1.1 : 0.9;
    scale(f, f);
}

void SxGraphicsView::keyPressEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat() || locked || !currentItem)
        return;
    QRect r = currentItem->windowRect();
    switch (event->key()) {
    case Qt::Key_Left:
        r.translate(-1, 0);
        break;
    case Qt::Key_Up:
        r.translate(0, -1);
        break;
    case Qt::Key_Right:
        r.translate(1, 0);
        break;
    case Qt::Key_Down:
        r.translate(0, 1);
        break;
    case Qt::Key_Delete: {
        if (deviceType != 48)
            return;
        const int id = currentItem->windowId();
        if (GW5Interface *gw = gwInterface()) {
            gw->setOutputHold(0);
            gw->removeWindow(id);
            gw->setOutputHold(1);
        }
        emit emitRemoveWindow(id);
        eraseWindow(id);
        return;
    }
    default:
        return;
    }
    if (!currentItem->panelRect().contains(r))
        return;
    sendWindowGeometry(currentItem, r, true);
    emit emitItemPosChange(currentItem->windowId(), r, currentItem->panelRect());
}
