// Per-client request limit of the remote-control servers: a token bucket per client key (the
// sender's address), refilled at `perSecond` up to `burst`. Thread-safe (the HTTP server asks from
// its worker threads). The table of clients is bounded: when it is full, idle clients are dropped,
// and clients that still find no room share one bucket, so a flood from many addresses cannot
// grow memory or starve the clients already known.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QString>

class RateLimiter
{
public:
    explicit RateLimiter(double perSecond = 50, double burst = 50, int maxClients = 4096);

    void setRate(double perSecond, double burst);
    // Takes one token of `client`; false when it has none left.
    bool allow(const QString &client);
    int clientCount() const;

private:
    struct Bucket
    {
        double tokens = 0;
        qint64 lastMs = 0;
    };
    void refill(Bucket &b, qint64 nowMs) const;
    void prune(qint64 nowMs);

    mutable QMutex m_lock;
    QElapsedTimer m_clock;
    QHash<QString, Bucket> m_buckets;
    Bucket m_overflow;
    double m_perSecond;
    double m_burst;
    int m_maxClients;
};
