#include "ImageQualityStore.h"

#include <QComboBox>
#include <QTimer>

ImageQualityStore::ImageQualityStore(QComboBox *combo, QObject *parent) : QObject(parent), selector(combo)
{
    sendTimer = new QTimer(this);
    sendTimer->setInterval(SendDelayMs);
}

void ImageQualityStore::fill(const QList<INFO_IMAGE_QUALITY> &list)
{
    selector->clear();
    selector->addItem(tr("All window"));
    for (int i = 0; i < list.size(); ++i)
        selector->addItem(tr("window %1").arg(i + 1), QVariant::fromValue(list.at(i)));
    selector->setCurrentIndex(0);
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
    return sel == 0 ? AllWindows : sel - 1;
}

void ImageQualityStore::change(int c, int v)
{
    code = c;
    value = v;
    if (!sendTimer->isActive())
        sendTimer->start();
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

QList<int> ImageQualityStore::resetSelected(const std::function<void(INFO_IMAGE_QUALITY &)> &reset,
                                            INFO_IMAGE_QUALITY *last)
{
    QList<int> windows;
    const int sel = selector->currentIndex();
    if (sel < 0)
        return windows;
    sendTimer->stop();
    const int first = sel == 0 ? 1 : sel;
    const int end = sel == 0 ? selector->count() : sel + 1;
    for (int i = first; i < end; ++i) {
        INFO_IMAGE_QUALITY q = record(i);
        reset(q);
        selector->setItemData(i, QVariant::fromValue(q));
        windows << i - 1;
        if (last)
            *last = q;
    }
    return windows;
}

void ImageQualityStore::retranslate()
{
    if (selector->count() == 0)
        return;
    selector->setItemText(0, tr("All window"));
    for (int i = 1; i < selector->count(); ++i)
        selector->setItemText(i, tr("window %1").arg(i));
}
