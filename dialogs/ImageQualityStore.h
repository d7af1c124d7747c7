// The window selector and the pending change of the basic and GW image-quality dialogs. Each
// window's INFO_IMAGE_QUALITY is the item data of its selector entry ("All window" first, holding
// nothing); the last change made within the send delay is the one kept, and it is stored into the
// selected record or, for "All window", into every record. The owning dialog sends it.
#pragma once

#include "Records.h"

#include <QList>
#include <QObject>
#include <functional>

class QComboBox;
class QTimer;

class ImageQualityStore : public QObject
{
    Q_OBJECT
public:
    static constexpr int AllWindows = 0xFF;
    static constexpr int SendDelayMs = 200;

    // The selector stays the dialog's; the send timer is a child of the store.
    ImageQualityStore(QComboBox *selector, QObject *parent);

    // Rebuilds the selector ("All window" chosen) from the device's list.
    void fill(const QList<INFO_IMAGE_QUALITY> &list);
    QList<INFO_IMAGE_QUALITY> records() const;
    // The record of selector entry `row` (1 is the first window).
    INFO_IMAGE_QUALITY record(int row) const;
    // Window byte of the selection: 0-based window, AllWindows for entry 0, -1 without entries.
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
    // to the selected record or every record. Returns the 0-based windows touched; *last is the
    // last record reset.
    QList<int> resetSelected(const std::function<void(INFO_IMAGE_QUALITY &)> &reset,
                             INFO_IMAGE_QUALITY *last);

    void retranslate();

    // Writes the value of adjustment code 1 to 11 into its field; false for any other code.
    static bool storeField(INFO_IMAGE_QUALITY &q, int code, int value);

private:
    void storeRow(int row);

    QComboBox *selector = nullptr;
    QTimer *sendTimer = nullptr;
    int code = 0;
    int value = 0;
};
