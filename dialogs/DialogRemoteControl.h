// The main menu's "Remote control…" dialog: whether the OSC and HTTP servers run, on which address
// and ports, with which token and from which OSC senders, and whether they run now. The form is
// checked as the operator types (an address beyond this computer needs a token; senders must be
// addresses or subnets) and OK stays off while it is wrong. OK hands the settings to the apply
// function the main window gives it; when the servers cannot start with them the dialog stays
// open with the reason. Owned by the main window, made on first use.
#pragma once

#include "RemoteSettings.h"
#include "SxBaseWidget.h"

#include <QPointer>

#include <functional>

class RemoteControl;

namespace Ui {
class DialogRemoteControl;
}

class DialogRemoteControl : public SxBaseWidget
{
    Q_OBJECT
public:
    // Starts (or stops) the servers with the settings and remembers them; false with `error` set
    // when they could not start.
    using Apply = std::function<bool(const RemoteSettings &, QString *error)>;

    explicit DialogRemoteControl(QWidget *parent = nullptr);
    ~DialogRemoteControl() override;

    void setApply(Apply apply) { applyFn = std::move(apply); }
    // The servers whose state the dialog shows.
    void setRemoteControl(RemoteControl *control);
    // Fills the form.
    void setSettings(const RemoteSettings &settings);
    // The form as settings; what the form does not show stays as setSettings() gave it.
    RemoteSettings settings() const;

    // "192.168.1.20, 192.168.1.0/24" (commas, blanks or semicolons between entries) to entries.
    static QStringList splitSenders(const QString &text);
    // A random token of 24 letters and digits.
    static QString makeToken();

public slots:
    void on_btn_ok_clicked();
    void on_btn_cancel_clicked();
    void on_btn_generate_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void check();
    void showState();
    void retranslateTexts();

    Ui::DialogRemoteControl *ui;
    Apply applyFn;
    QPointer<RemoteControl> control;
    RemoteSettings shown;
    QString failure; // why the last OK could not start the servers
};
