// Records the text and title of every message box that opens while it lives and answers it with
// `answer` (Ok unless set), or rejects it when it has no such button. Header-only: the support library links
// no widgets.
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
                if (QAbstractButton *b = box->button(answer))
                    b->click();
                else
                    box->reject();
            }
        });
        poll.start(5);
    }
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QStringList texts;
    QStringList titles;

private:
    QTimer poll;
};
