// The message boxes of the canvas ("tips" information and questions) go through here so that
// tests can answer them instead of a modal box.
#pragma once

#include <QString>
#include <functional>

class QWidget;

class SxCanvasPrompt
{
public:
    enum Kind { Information, QuestionYesNo, QuestionOkCancel };
    // Returns true for Ok / Yes. When set, the hook replaces the box.
    using Hook = std::function<bool(Kind kind, const QString &text)>;

    static void setHook(Hook hook);
    static void info(QWidget *parent, const QString &text);
    static bool ask(QWidget *parent, Kind kind, const QString &text);
};
