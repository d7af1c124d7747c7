// Records the text and title of every message box that opens while it lives and closes it with
// Ok (or rejects it when it has no Ok). Header-only: the support library links no widgets.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

class BoxCatcher : public QObject
{
public:
    BoxCatcher()
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                titles << box->windowTitle();
                if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                    ok->click();
                else
                    box->reject();
            }
        });
        poll.start(5);
    }
    QStringList texts;
    QStringList titles;

private:
    QTimer poll;
};
