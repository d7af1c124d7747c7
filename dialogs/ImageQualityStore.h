// The window selector, the controls and the pending change of the basic and GW image-quality
// dialogs, which own it. Each window's INFO_IMAGE_QUALITY is the item data of its selector entry
// ("All window" first, holding nothing); entries follow the window numbers, which name them and
// which changes are sent to, whatever order the device's replies came in. The store keeps each
// slider and its spin box equal, shows the chosen window's record in them (the defaults before
// the device's values are there), and turns a move into the pending change: the last one made
// within the send delay is kept and stored into the selected record or, for "All window", into
// every record. The owning dialog sends it.
#pragma once

#include "Records.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <functional>

class QComboBox;
class QSlider;
class QSpinBox;
class QTimer;

class ImageQualityStore : public QObject
{
    Q_OBJECT
public:
    static constexpr int AllWindows = 0xFF;
    static constexpr int SendDelayMs = 200;

    // The selector stays the dialog's; the send timer is a child of the store.
    ImageQualityStore(QComboBox *selector, QObject *parent);

    // The slider (and its companion spin box) that shows and changes adjustment code 1 to 11.
    void addControl(int code, QSlider *slider, QSpinBox *spin);

    // Rebuilds the selector ("All window" chosen) from the device's list, in window-number order,
    // and shows the first window's values, or the defaults when the list is empty.
    void fill(const QList<INFO_IMAGE_QUALITY> &list);
    // Shows a record in the controls; showing is not a change.
    void show(const INFO_IMAGE_QUALITY &q);
    QList<INFO_IMAGE_QUALITY> records() const;
    // The record of selector entry `row` (1 is the first window).
    INFO_IMAGE_QUALITY record(int row) const;
    // Window byte of the selection: the selected record's window number, AllWindows for entry 0,
    // -1 without entries.
    int selectedWindow() const;

    // Remembers the change; starts the send timer only when it is not running already.
    void change(int code, int value);
    int pendingCode() const { return code; }
    int pendingValue() const { return value; }
    QTimer *timer() const { return sendTimer; }

    // Stops the timer and stores the pending change; returns the window byte to send it to, or
    // -1 when nothing is selected.
    int storePending();
    // Stops the timer (a change still waiting would undo part of the reset) and applies `reset`
    // to the selected record or every record, showing the last one. Returns the window numbers
    // touched.
    QList<int> resetSelected(const std::function<void(INFO_IMAGE_QUALITY &)> &reset);

    void retranslate();

    // Brightness, contrast, hue and saturation 50, sharpness 12, gamma 2, everything else 0: what
    // a window has before it was ever adjusted.
    static INFO_IMAGE_QUALITY defaults();
    // Writes the value of adjustment code 1 to 11 into its field; false for any other code.
    static bool storeField(INFO_IMAGE_QUALITY &q, int code, int value);
    // The value of adjustment code 1 to 11 (offsets and gains signed); 0 for any other code.
    static int field(const INFO_IMAGE_QUALITY &q, int code);

private:
    void storeRow(int row);

    QComboBox *selector = nullptr;
    QTimer *sendTimer = nullptr;
    QMap<int, QSlider *> sliders; // by adjustment code
    bool showing = false;
    int code = 0;
    int value = 0;
};
