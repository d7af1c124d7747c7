// Answers every modal window while it lives: a message box (text, title, name kept) with `answer` or its
// default or first button; the busy indicator by stopping it; any other dialog (class name kept) through
// `handler` (true when it arranged the dialog's end) or by rejecting it. Header-only (no widgets in support).
#pragma once

#include "SxProgressIndicator.h"

#include <QtWidgets>
#include <functional>

class ModalCatcher : public QObject
{
public:
    explicit ModalCatcher(QObject *parent = nullptr) : QObject(parent)
    {
        connect(&timer, &QTimer::timeout, this, [this] { poll(); });
        timer.start(10);
    }
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    QStringList texts, titles, names, dialogs;
    int busyBlocks = 0;
    std::function<bool(QDialog *)> handler;

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (w != handled)
            handled = nullptr; // a dialog may be shown again later
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            texts << box->text();
            titles << box->windowTitle();
            names << box->objectName();
            QAbstractButton *b = answer != QMessageBox::NoButton ? box->button(answer) : nullptr;
            if (!b)
                b = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                         : box->buttons().value(0);
            b->click();
        } else if (auto *busy = qobject_cast<SxProgressIndicator *>(w)) {
            ++busyBlocks;
            busy->stopAnimation();
        } else if (auto *dialog = qobject_cast<QDialog *>(w)) {
            if (dialog == handled)
                return;
            handled = dialog;
            dialogs << QString::fromLatin1(dialog->metaObject()->className());
            if (!(handler && handler(dialog)))
                dialog->reject();
        }
    }
    QTimer timer;
    QPointer<QDialog> handled;
};
