#include "SimUpgrade.h"

#include "FrameCodec.h"

void SimUpgrade::setFaults(int ignoreBoot, int failBlock)
{
    m_ignoreBoot = qMax(0, ignoreBoot);
    m_failBlock = failBlock;
}

bool SimUpgrade::parseBlock(const QByteArray &frame, int &block, QByteArray &data)
{
    // Header 6, block number 2, data n, block sum 4, checksum 1.
    if (frame.size() < 14)
        return false;
    const int len = uint8_t(frame.at(2)) | (uint8_t(frame.at(3)) << 8);
    if (len != frame.size())
        return false;
    const int n = len - 13;
    if (n < 1 || n > BlockSize)
        return false;
    const QByteArray d = frame.mid(8, n);
    const uint32_t sum = calcCheckSum(d);
    const QByteArray s = frame.mid(8 + n, 4);
    if (uint8_t(s.at(0)) != (sum & 0xFF) || uint8_t(s.at(1)) != ((sum >> 8) & 0xFF) || s.at(2) != 0 || s.at(3) != 0)
        return false;
    block = uint8_t(frame.at(6)) | (uint8_t(frame.at(7)) << 8);
    data = d;
    return true;
}

QByteArray SimUpgrade::blockReply(int block, int result, int errBlock)
{
    QByteArray p;
    p.append(char(block & 0xFF));
    p.append(char((block >> 8) & 0xFF));
    p.append(char(result));
    p.append(char(errBlock & 0xFF));
    p.append(char((errBlock >> 8) & 0xFF));
    return makeReplyFrame(Frame::CmdUpgrade, 0x02, 0, p);
}

QList<QByteArray> SimUpgrade::handle(uint8_t sub, const QByteArray &frame)
{
    auto byteAt = [&](int i) { return i < frame.size() ? uint8_t(frame.at(i)) : 0; };
    switch (sub) {
    case 0x00: {
        ++m_bootRequests;
        if (m_bootRequests <= m_ignoreBoot)
            return {};
        m_booted = true;
        m_started = false;
        m_complete = false;
        m_fileType = byteAt(6);
        return {makeReplyFrame(Frame::CmdUpgrade, 0x00, 0, QByteArray(1, char(m_fileType)))};
    }
    case 0x01: {
        const qint64 size = qint64(byteAt(6)) | (qint64(byteAt(7)) << 8) | (qint64(byteAt(8)) << 16)
                            | (qint64(byteAt(9)) << 24);
        if (!m_booted || size <= 0 || size > MaxImage)
            return {makeReplyFrame(Frame::CmdUpgrade, 0x01, 1, QByteArray(1, 1))};
        m_started = true;
        m_complete = false;
        m_size = int(size);
        m_nextBlock = 0;
        m_image = QByteArray(m_size, 0);
        return {makeReplyFrame(Frame::CmdUpgrade, 0x01, 0, QByteArray(1, 0))};
    }
    case 0x02: {
        const int claimed = byteAt(6) | (byteAt(7) << 8);
        if (!m_started)
            return {makeReplyFrame(Frame::CmdUpgrade, 0x02, 1, QByteArray(5, 0))};
        int block = 0;
        QByteArray data;
        if (!parseBlock(frame, block, data))
            return {blockReply(claimed, SendAgain, claimed)};
        if (block == m_failBlock && !m_failedOnce) {
            m_failedOnce = true;
            return {blockReply(block, SendAgain, block)};
        }
        if (block > m_nextBlock)
            return {blockReply(block, SendFrom, m_nextBlock)};
        const qint64 offset = qint64(block) * BlockSize;
        const bool last = offset + BlockSize >= m_size;
        if (offset + data.size() > m_size || (!last && data.size() != BlockSize))
            return {blockReply(block, SendAgain, block)};
        m_image.replace(int(offset), data.size(), data);
        m_nextBlock = qMax(m_nextBlock, block + 1);
        QList<QByteArray> r{blockReply(block, Accepted, block)};
        if (qint64(m_nextBlock) * BlockSize >= m_size && !m_complete) {
            m_complete = true;
            m_started = false;
            r << makeReplyFrame(Frame::CmdUpgrade, 0x03, 0, QByteArray(1, 0));
        }
        return r;
    }
    default: return {};
    }
}
