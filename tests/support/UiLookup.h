// Widget look-ups and operator input for the dialog tests. Header-only: the support library links
// no widgets.
#pragma once

#include <QSpinBox>
#include <QTest>
#include <QWidget>

// The child named `name`; a missing object ends the test run, as every later step would fail.
template <typename T> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

// Selects the box's text and types `text` as the operator would.
inline void typeInto(QSpinBox *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}
