// Where vpctl writes: results to standard output, errors to standard error, and progress to
// standard error only when it is a terminal (scripts see results and errors alone). Also lays out
// plain-text tables. One per run, owned by Vpctl.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CliOutput
{
public:
    CliOutput();

    void result(const QString &text);   // stdout, a line feed added
    void error(const QString &text);    // stderr, "vpctl: " before it
    void warning(const QString &text);  // stderr, "vpctl: warning: " before it
    void note(const QString &text);     // stderr, "vpctl: " before it (events of vpctl serve)
    void progress(const QString &text); // stderr when it is a terminal
    bool showsProgress() const { return progressOn; }

    // Columns padded to their widest cell, two blanks apart; the last column is not padded.
    static QString table(const QStringList &header, const QList<QStringList> &rows);

private:
    bool progressOn = false;
};
