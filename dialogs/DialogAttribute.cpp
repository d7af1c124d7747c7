#include "DialogAttribute.h"
#include "ui_DialogAttribute.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "DeviceModels.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "SxGraphicsItem.h"
#include "SxGraphicsView.h"

#include <QEvent>
#include <QIcon>
#include <QSignalBlocker>
#include <QTimer>

namespace {
const char *const IconOn = ":/sysButton/sysButton/icon_switchOpen.png";
const char *const IconOff = ":/sysButton/sysButton/icon_switchClose.png";
} // namespace

DialogAttribute::DialogAttribute(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogAttribute)
    , timerWindow(new QTimer(this))
    , timerCrop(new QTimer(this))
{
    ui->setupUi(this);
    timerWindow->setInterval(QuietMs);
    timerCrop->setInterval(QuietMs);
    connect(timerWindow, &QTimer::timeout, this, &DialogAttribute::onTimerWindow);
    connect(timerCrop, &QTimer::timeout, this, &DialogAttribute::onTimerCrop);
    setDeviceType(0);
    setCropSwitch(false);
    setTitle(tr("Window Attribute"));
    retranslate();
}

DialogAttribute::~DialogAttribute()
{
    delete ui;
}

void DialogAttribute::setDeviceType(int type)
{
    updating = true;
    deviceType = type;
    ui->spinBox_trans->setRange(0, isGwType(type) ? 100 : 15);
    updating = false;
}

void DialogAttribute::setWindow(int id, const QRect &windowRect, int transparency, const QRectF &panel,
                                int windowLayer)
{
    updating = true;
    ui->spinBox_trans->setValue(transparency);
    ui->spinBox_win_x->setValue(windowRect.x());
    ui->spinBox_win_y->setValue(windowRect.y());
    ui->spinBox_win_w->setValue(windowRect.width());
    ui->spinBox_win_h->setValue(windowRect.height());
    winId = id;
    bounds = panel;
    layer = windowLayer;
    updating = false;
}

void DialogAttribute::setInput(int input, int width, int height, int rate)
{
    updating = true;
    if (int16_t(input) == -1 || width == 0 || height == 0 || rate == 0) {
        shownWidth = shownHeight = shownRate = 0;
        inWidth = 1920;
        inHeight = 1080;
    } else {
        shownWidth = width;
        shownHeight = height;
        shownRate = rate;
        inWidth = width;
        inHeight = height;
    }
    retranslate();
    updating = false;
}

void DialogAttribute::setCrop(const INFO_INPUTCROP &crop)
{
    updating = true;
    setCropSwitch(crop.enable != 0);
    ui->spinBox_crop_x->setValue(crop.x);
    ui->spinBox_crop_y->setValue(crop.y);
    ui->spinBox_crop_w->setValue((crop.width == 0 || crop.width > inWidth) ? inWidth : crop.width);
    ui->spinBox_crop_h->setValue((crop.height == 0 || crop.height > inHeight) ? inHeight : crop.height);
    updating = false;
}

void DialogAttribute::setTitle(const QString &title)
{
    setWindowTitle(title);
    ui->dialogTitle->setTitle(title);
}

bool DialogAttribute::fillFromView(const SxGraphicsView *view, int id)
{
    SxGraphicsItem *item = view ? view->windowItem(id) : nullptr;
    if (!item)
        return false;
    const int type = view->getDeviceType();
    setCpuid(view->getCpuid());
    setDeviceType(type);
    setWindow(id, item->windowRect(), item->transparency(), QRectF(item->panelRect()), item->layer());
    setInput(item->input(), item->inputWidth(), item->inputHeight(), item->inputRate());
    QList<INFO_INPUTCROP> crops;
    if (isKsType(type)) {
        if (DEVICE_INFO_KS *ks = DeviceLookup::ksRecord(view->getCpuid()))
            crops = ks->inputCrops;
    } else if (isGwType(type)) {
        if (DEVICE_INFO_GW *gw = DeviceLookup::gwRecord(view->getCpuid()))
            crops = gw->inputCrops;
    }
    for (const INFO_INPUTCROP &c : qAsConst(crops))
        if (c.index == id) {
            setCrop(c);
            break;
        }
    setTitle(tr("window %1").arg(id + 1));
    return true;
}

QRect DialogAttribute::correctCrop(const QRect &crop, int field, int inputWidth, int inputHeight)
{
    int x = crop.x(), y = crop.y(), w = crop.width(), h = crop.height();
    // Each rule looks at the axis of the edited field only, so fixing x never moves y.
    switch (field) {
    case CropX:
        if (x + w > inputWidth)
            x = inputWidth - w;
        break;
    case CropY:
        if (y + h > inputHeight)
            y = inputHeight - h;
        break;
    case CropW:
        if (w < MinSize)
            w = MinSize;
        else if (x + w > inputWidth)
            w = inputWidth - x;
        break;
    case CropH:
        if (h < MinSize)
            h = MinSize;
        else if (y + h > inputHeight)
            h = inputHeight - y;
        break;
    default:
        break;
    }
    return QRect(qMax(0, x), qMax(0, y), w, h);
}

QRect DialogAttribute::correctWindow(const QRect &window, int field, const QRectF &b)
{
    const int bx = int(b.x()), by = int(b.y());
    const int right = int(b.x() + b.width()), bottom = int(b.y() + b.height());
    int x = window.x(), y = window.y(), w = window.width(), h = window.height();
    switch (field) {
    case WinX:
        if (x < bx)
            x = bx;
        else if (x + w > right)
            x = right - w;
        break;
    case WinY:
        if (y < by)
            y = by;
        else if (y + h > bottom)
            y = bottom - h;
        break;
    case WinW:
        if (w < MinSize)
            w = MinSize;
        else if (x + w > right)
            w = right - x;
        break;
    case WinH:
        if (h < MinSize)
            h = MinSize;
        else if (y + h > bottom)
            h = bottom - y;
        break;
    default:
        break;
    }
    return QRect(qMax(0, x), qMax(0, y), w, h);
}

void DialogAttribute::on_btn_apply_clicked()
{
    // A correction still waiting for its quiet time is made now, so nothing uncorrected leaves.
    if (timerWindow->isActive())
        onTimerWindow();
    if (timerCrop->isActive())
        onTimerCrop();

    const QRect c = cropRect();
    const QRect w = windowRect();
    const int trans = ui->spinBox_trans->value();
    if (isKsType(deviceType)) {
        KS9200Interface *ks = DeviceLookup::ksInterface(cpuid);
        if (!ks)
            return;
        if (cropDirty)
            ks->setInputCrop(winId, cropOn() ? 1 : 0, c.x(), c.y(), c.width(), c.height());
        if (windowDirty)
            ks->setWindowGeometry(winId, w.x(), w.y(), w.width(), w.height());
        if (transDirty)
            ks->setWindowTransparency(winId, trans);
        if (transDirty || windowDirty) {
            transDirty = windowDirty = false;
            ks->readWindows();
        }
        if (cropDirty) {
            cropDirty = false;
            ks->readInputCrop();
        }
    } else if (isGwType(deviceType)) {
        GW5Interface *gw = DeviceLookup::gwInterface(cpuid);
        if (!gw)
            return;
        gw->setOutputHold(0);
        if (cropDirty)
            gw->setWindowCrop(winId, cropOn() ? 1 : 0, c.x(), c.y(), c.width(), c.height());
        if (transDirty)
            gw->setWindowTransparency(winId, trans);
        if (windowDirty)
            gw->moveWindow(winId, w.x(), w.y(), w.width(), w.height(), layer);
        gw->setOutputHold(1);
        if (cropDirty) {
            cropDirty = false;
            gw->readInputCrop();
        }
        if (transDirty || windowDirty) {
            transDirty = windowDirty = false;
            gw->readWindows();
        }
    }
}

void DialogAttribute::on_btn_crop_clicked()
{
    if (updating)
        return;
    cropDirty = true;
    setCropSwitch(ui->btn_crop->isChecked());
}

void DialogAttribute::on_spinBox_crop_x_valueChanged(int)
{
    cropEdited(CropX);
}

void DialogAttribute::on_spinBox_crop_y_valueChanged(int)
{
    cropEdited(CropY);
}

void DialogAttribute::on_spinBox_crop_w_valueChanged(int)
{
    cropEdited(CropW);
}

void DialogAttribute::on_spinBox_crop_h_valueChanged(int)
{
    cropEdited(CropH);
}

void DialogAttribute::on_spinBox_win_x_valueChanged(int)
{
    windowEdited(WinX);
}

void DialogAttribute::on_spinBox_win_y_valueChanged(int)
{
    windowEdited(WinY);
}

void DialogAttribute::on_spinBox_win_w_valueChanged(int)
{
    windowEdited(WinW);
}

void DialogAttribute::on_spinBox_win_h_valueChanged(int)
{
    windowEdited(WinH);
}

void DialogAttribute::onTimerWindow()
{
    timerWindow->stop();
    const QRect r = correctWindow(windowRect(), changedField, bounds);
    updating = true;
    ui->spinBox_win_x->setValue(r.x());
    ui->spinBox_win_y->setValue(r.y());
    ui->spinBox_win_w->setValue(r.width());
    ui->spinBox_win_h->setValue(r.height());
    updating = false;
}

void DialogAttribute::onTimerCrop()
{
    timerCrop->stop();
    const QRect r = correctCrop(cropRect(), changedField, inWidth, inHeight);
    updating = true;
    ui->spinBox_crop_x->setValue(r.x());
    ui->spinBox_crop_y->setValue(r.y());
    ui->spinBox_crop_w->setValue(r.width());
    ui->spinBox_crop_h->setValue(r.height());
    updating = false;
}

void DialogAttribute::on_spinBox_trans_valueChanged(int)
{
    if (updating)
        return;
    transDirty = true;
}

void DialogAttribute::windowEdited(int field)
{
    if (updating)
        return;
    // One field code is kept: a correction still pending for another field is made first.
    if (timerCrop->isActive())
        onTimerCrop();
    if (timerWindow->isActive() && changedField != field)
        onTimerWindow();
    windowDirty = true;
    changedField = field;
    timerWindow->start();
}

void DialogAttribute::cropEdited(int field)
{
    if (updating)
        return;
    if (timerWindow->isActive())
        onTimerWindow();
    if (timerCrop->isActive() && changedField != field)
        onTimerCrop();
    cropDirty = true;
    changedField = field;
    timerCrop->start();
}

void DialogAttribute::setCropSwitch(bool on)
{
    {
        const QSignalBlocker block(ui->btn_crop);
        ui->btn_crop->setChecked(on);
    }
    ui->btn_crop->setIcon(QIcon(QString::fromLatin1(on ? IconOn : IconOff)));
    ui->spinBox_crop_x->setEnabled(on);
    ui->spinBox_crop_y->setEnabled(on);
    ui->spinBox_crop_w->setEnabled(on);
    ui->spinBox_crop_h->setEnabled(on);
}

bool DialogAttribute::cropOn() const
{
    return ui->btn_crop->isChecked();
}

QRect DialogAttribute::cropRect() const
{
    return QRect(ui->spinBox_crop_x->value(), ui->spinBox_crop_y->value(), ui->spinBox_crop_w->value(),
                 ui->spinBox_crop_h->value());
}

QRect DialogAttribute::windowRect() const
{
    return QRect(ui->spinBox_win_x->value(), ui->spinBox_win_y->value(), ui->spinBox_win_w->value(),
                 ui->spinBox_win_h->value());
}

void DialogAttribute::retranslate()
{
    if (shownWidth == 0)
        ui->label_inputResoltion->setText(tr("Input Resolution: unknown"));
    else
        ui->label_inputResoltion->setText(
            tr("Input Resolution: %1x%2x%3").arg(shownWidth).arg(shownHeight).arg(shownRate));
}

void DialogAttribute::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString title = windowTitle();
        ui->retranslateUi(this);
        setTitle(title);
        retranslate();
    }
    SxBaseWidget::changeEvent(event);
}
