// Diagnostics window: the event history (every line the log receives, with its time) and a
// monitor of the frames sent to and received from the current device. It listens to the log and
// to the transport manager only while it is shown, so it costs nothing while closed; the history
// tab still shows the lines written before it was opened (the log keeps the last ones).
#pragma once

#include "SxBaseWidget.h"

#include <QByteArray>
#include <QDateTime>
#include <QPointer>
#include <QString>

#include "CommManager.h"
struct LogLine;

namespace Ui {
class DialogDiagnostics;
}

class DialogDiagnostics : public SxBaseWidget
{
    Q_OBJECT
public:
    static constexpr int MaxFrameRows = 5000;
    static constexpr int MaxEventRows = 2000;
    enum FrameColumn { ColTime, ColDirection, ColCommand, ColSubCommand, ColLength, ColHex, FrameColumnCount };

    explicit DialogDiagnostics(QWidget *parent = nullptr);
    ~DialogDiagnostics() override;

    void setCommManager(CommManager *manager);
    CommManager *commManager() const { return comm; }

    // Writes the frame rows shown (the filter applies) to a text file, one frame per line, the
    // columns separated by tabs: time, direction, command, sub-command, length, hex bytes.
    // False when the file cannot be written.
    bool saveFrames(const QString &path) const;
    // Frame rows shown (the filter applies).
    int frameRowCount() const;
    int eventRowCount() const;
    bool isPaused() const { return paused; }

    // Name of a command (and of its sub-command where it has one of its own); empty when unknown.
    static QString commandName(int cmd);
    static QString subCommandName(int cmd, int sub);

public slots:
    void onFrameTraffic(QString cpuid, bool sent, QByteArray frame);
    void on_btn_pause_toggled(bool checked);
    void on_combo_filter_currentIndexChanged(int index);
    void on_btn_save_clicked();
    void on_btn_clear_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void startListening();
    void stopListening();
    void appendEvent(const QDateTime &time, const QString &text);
    void applyFilter();
    bool passesFilter(int cmd) const;
    void updateCount();
    void retranslateTexts();

    Ui::DialogDiagnostics *ui;
    QPointer<CommManager> comm;
    bool paused = false;
    bool listening = false;
    int logHandle = 0;
};
