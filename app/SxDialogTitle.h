// The 32-pixel title bar of the frameless dialogs: logo, bold title, stretch, close button. With a
// parent, the close button closes the window the title sits in (the dialog).
//
// Used from a dialog's .ui form as a QWidget named "dialogTitle" promoted to SxDialogTitle (header
// "SxDialogTitle.h"); the dialog sets the text with ui->dialogTitle->setTitle(tr("...")) in its
// constructor and again on a language change. It can also be created in code with
// new SxDialogTitle(dialog) and put first in the dialog's layout.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class SxDialogTitle : public QWidget
{
    Q_OBJECT
public:
    explicit SxDialogTitle(QWidget *parent = nullptr);

    void setTitle(const QString &text);
    QString title() const;
    QLabel *titleLabel() const { return label_title; }
    QPushButton *closeButton() const { return btn_close; }
    QPushButton *logoButton() const { return btn_logo; }

signals:
    // Emitted when the close button is clicked, before the window is closed.
    void emitClose();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onCloseClicked();

    QPushButton *btn_logo = nullptr;
    QLabel *label_title = nullptr;
    QPushButton *btn_close = nullptr;
};
