#include "ImageQualityStore.h"

#include <QComboBox>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>

ImageQualityStore::ImageQualityStore(QComboBox *combo, QObject *parent) : QObject(parent), selector(combo)
{
    sendTimer = new QTimer(this);
    sendTimer->setInterval(SendDelayMs);
    connect(selector, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int row) {
        if (!showing && row >= 1)
            show(record(row));
    });
}

void ImageQualityStore::addControl(int c, QSlider *slider, QSpinBox *spin)
{
    sliders.insert(c, slider);
    connect(slider, &QSlider::valueChanged, spin, &QSpinBox::setValue);
    connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), slider, &QSlider::setValue);
    connect(slider, &QSlider::valueChanged, this, [this, c](int v) {
        if (!showing)
            change(c, v);
    });
}

void ImageQualityStore::fill(const QList<INFO_IMAGE_QUALITY> &list)
{
    QList<INFO_IMAGE_QUALITY> windows = list;
    std::stable_sort(
        windows.begin(), windows.end(),
        [](const INFO_IMAGE_QUALITY &a, const INFO_IMAGE_QUALITY &b) { return a.index < b.index; });
    showing = true;
    selector->clear();
    selector->addItem(tr("All window"));
    for (const INFO_IMAGE_QUALITY &q : qAsConst(windows))
        selector->addItem(tr("window %1").arg(q.index + 1), QVariant::fromValue(q));
    selector->setCurrentIndex(0);
    showing = false;
    show(windows.isEmpty() ? defaults() : windows.first());
}

void ImageQualityStore::show(const INFO_IMAGE_QUALITY &q)
{
    const bool was = showing;
    showing = true;
    for (auto it = sliders.cbegin(); it != sliders.cend(); ++it)
        it.value()->setValue(field(q, it.key()));
    showing = was;
}

QList<INFO_IMAGE_QUALITY> ImageQualityStore::records() const
{
    QList<INFO_IMAGE_QUALITY> out;
    for (int i = 1; i < selector->count(); ++i)
        out << record(i);
    return out;
}

INFO_IMAGE_QUALITY ImageQualityStore::record(int row) const
{
    return selector->itemData(row).value<INFO_IMAGE_QUALITY>();
}

int ImageQualityStore::selectedWindow() const
{
    const int sel = selector->currentIndex();
    if (sel < 0)
        return -1;
    return sel == 0 ? AllWindows : record(sel).index;
}

void ImageQualityStore::change(int c, int v)
{
    code = c;
    value = v;
    if (!sendTimer->isActive())
        sendTimer->start();
}

INFO_IMAGE_QUALITY ImageQualityStore::defaults()
{
    INFO_IMAGE_QUALITY q;
    q.brightness = q.contrast = q.hue = q.saturation = 50;
    q.sharpness = 12;
    q.gamma = 2;
    return q;
}

bool ImageQualityStore::storeField(INFO_IMAGE_QUALITY &q, int c, int v)
{
    switch (c) {
    case 1: q.brightness = uint16_t(v); break;
    case 2: q.contrast = uint16_t(v); break;
    case 3: q.sharpness = uint16_t(v); break;
    case 4: q.hue = uint16_t(v); break;
    case 5: q.saturation = uint16_t(v); break;
    case 6: q.redOffset = int16_t(v); break;
    case 7: q.greenOffset = int16_t(v); break;
    case 8: q.blueOffset = int16_t(v); break;
    case 9: q.redGain = uint16_t(v); break; // gains are signed, kept as their 16-bit pattern
    case 10: q.greenGain = uint16_t(v); break;
    case 11: q.blueGain = uint16_t(v); break;
    default: return false;
    }
    return true;
}

int ImageQualityStore::field(const INFO_IMAGE_QUALITY &q, int c)
{
    switch (c) {
    case 1:
        return q.brightness;
    case 2:
        return q.contrast;
    case 3:
        return q.sharpness;
    case 4:
        return q.hue;
    case 5:
        return q.saturation;
    case 6:
        return q.redOffset;
    case 7:
        return q.greenOffset;
    case 8:
        return q.blueOffset;
    case 9:
        return int16_t(q.redGain);
    case 10:
        return int16_t(q.greenGain);
    case 11:
        return int16_t(q.blueGain);
    default:
        return 0;
    }
}

void ImageQualityStore::storeRow(int row)
{
    INFO_IMAGE_QUALITY q = record(row);
    if (storeField(q, code, value))
        selector->setItemData(row, QVariant::fromValue(q));
}

int ImageQualityStore::storePending()
{
    sendTimer->stop();
    const int sel = selector->currentIndex();
    if (sel < 0)
        return -1;
    if (sel == 0) {
        for (int i = 1; i < selector->count(); ++i)
            storeRow(i);
    } else {
        storeRow(sel);
    }
    return selectedWindow();
}

QList<int> ImageQualityStore::resetSelected(const std::function<void(INFO_IMAGE_QUALITY &)> &reset)
{
    QList<int> windows;
    const int sel = selector->currentIndex();
    if (sel < 0)
        return windows;
    sendTimer->stop();
    const int first = sel == 0 ? 1 : sel;
    const int end = sel == 0 ? selector->count() : sel + 1;
    INFO_IMAGE_QUALITY last;
    for (int i = first; i < end; ++i) {
        INFO_IMAGE_QUALITY q = record(i);
        reset(q);
        selector->setItemData(i, QVariant::fromValue(q));
        windows << q.index;
        last = q;
    }
    if (!windows.isEmpty())
        show(last);
    return windows;
}

void ImageQualityStore::retranslate()
{
    if (selector->count() == 0)
        return;
    selector->setItemText(0, tr("All window"));
    for (int i = 1; i < selector->count(); ++i)
        selector->setItemText(i, tr("window %1").arg(record(i).index + 1));
}
