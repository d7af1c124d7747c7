// A pseudo-terminal that stands for a device's serial port. The simulator holds the master side;
// the application opens the slave path (printed, optionally also reachable through a symlink) as
// a serial port. The simulator keeps its own handle on the slave open so that the terminal stays
// usable while the application closes and reopens it, and sets it raw (115200 8N1, no echo).
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

class SimPty : public QObject
{
    Q_OBJECT
public:
    explicit SimPty(QObject *parent = nullptr);
    ~SimPty() override;

    // Opens the terminal; false and a message on failure. A non-empty `linkPath` gets a symlink
    // to the slave (an existing symlink there is replaced, any other file is left alone).
    bool open(const QString &linkPath, QString *error);
    QString slavePath() const { return m_slavePath; }
    QString linkPath() const { return m_linkPath; }

    void write(const QByteArray &bytes);

signals:
    void received(QByteArray bytes);

private:
    void onReadable();
    void onWritable();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
    QByteArray m_pending;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
};
