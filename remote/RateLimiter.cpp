#include "RateLimiter.h"

#include <QMutexLocker>

RateLimiter::RateLimiter(double perSecond, double burst, int maxClients)
    : m_perSecond(perSecond), m_burst(burst), m_maxClients(maxClients)
{
    m_clock.start();
    m_overflow.tokens = burst;
}

void RateLimiter::setRate(double perSecond, double burst)
{
    QMutexLocker locker(&m_lock);
    m_perSecond = perSecond;
    m_burst = burst;
    m_buckets.clear();
    m_overflow = Bucket{burst, m_clock.elapsed()};
}

void RateLimiter::refill(Bucket &b, qint64 nowMs) const
{
    b.tokens = qMin(m_burst, b.tokens + (nowMs - b.lastMs) * m_perSecond / 1000.0);
    b.lastMs = nowMs;
}

void RateLimiter::prune(qint64 nowMs)
{
    for (auto it = m_buckets.begin(); it != m_buckets.end();) {
        refill(it.value(), nowMs);
        if (it.value().tokens >= m_burst)
            it = m_buckets.erase(it);
        else
            ++it;
    }
}

bool RateLimiter::allow(const QString &client)
{
    QMutexLocker locker(&m_lock);
    const qint64 now = m_clock.elapsed();
    auto it = m_buckets.find(client);
    if (it == m_buckets.end()) {
        if (m_buckets.size() >= m_maxClients)
            prune(now);
        if (m_buckets.size() < m_maxClients)
            it = m_buckets.insert(client, Bucket{m_burst, now});
    }
    Bucket &b = it == m_buckets.end() ? m_overflow : it.value();
    refill(b, now);
    if (b.tokens < 1.0)
        return false;
    b.tokens -= 1.0;
    return true;
}

int RateLimiter::clientCount() const
{
    QMutexLocker locker(&m_lock);
    return m_buckets.size();
}
