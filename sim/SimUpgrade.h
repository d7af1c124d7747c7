// The device side of the GW firmware upgrade: boot request, start of data with the image size,
// 512-byte data blocks checked against their block sum, and the end report once the whole image
// has arrived. Faults: the first K boot requests go unanswered, one given block is answered with
// "send again" once.
#pragma once

#include <QByteArray>
#include <QList>

class SimUpgrade
{
public:
    static constexpr int BlockSize = 512;
    static constexpr int MaxImage = 64 * 1024 * 1024;

    enum Result { Accepted = 0, SendAgain = 1, SendFrom = 2 };

    void setFaults(int ignoreBoot, int failBlock);

    // Replies (whole reply frames) to one host frame of command 0xF2.
    QList<QByteArray> handle(uint8_t sub, const QByteArray &frame);

    // Splits a data block frame (5A 5A len F2 02 block data sum4 checksum); false when the frame is
    // too short, its length is wrong or the block sum does not match the block bytes.
    static bool parseBlock(const QByteArray &frame, int &block, QByteArray &data);

    bool booted() const { return m_booted; }
    bool complete() const { return m_complete; }
    int fileType() const { return m_fileType; }
    int bootRequests() const { return m_bootRequests; }
    // The image as received once complete (empty before).
    QByteArray image() const { return m_complete ? m_image : QByteArray(); }

private:
    static QByteArray blockReply(int block, int result, int errBlock);

    int m_ignoreBoot = 0;
    int m_failBlock = -1;
    bool m_failedOnce = false;
    int m_bootRequests = 0;
    bool m_booted = false;
    bool m_started = false;
    bool m_complete = false;
    int m_fileType = 0;
    int m_size = 0;
    int m_nextBlock = 0;
    QByteArray m_image;
};
