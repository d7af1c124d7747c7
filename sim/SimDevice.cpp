#include "SimDevice.h"

#include "DeviceModels.h"
#include "FrameCodec.h"
#include "SimGwDevice.h"
#include "SimKsDevice.h"

#include <QCryptographicHash>

SimDevice::SimDevice(const Identity &identity) : m_identity(identity)
{
    if (m_identity.id.size() != 12)
        m_identity.id = makeId(identity.type, 0);
    if (m_identity.name.size() > 30)
        m_identity.name.truncate(30);
}

SimDevice::~SimDevice() = default;

SimDevice *SimDevice::create(const Identity &identity)
{
    if (identity.type == DeviceType::GW5 || identity.type == DeviceType::GW6)
        return new SimGwDevice(identity);
    return new SimKsDevice(identity);
}

QByteArray SimDevice::makeId(int type, int seed)
{
    QByteArray src = QByteArray("vpsim-") + QByteArray::number(type) + '-' + QByteArray::number(seed);
    return QCryptographicHash::hash(src, QCryptographicHash::Sha1).left(12);
}

QString SimDevice::cpuid() const { return cpuidFromBytes(m_identity.id); }

QString SimDevice::label() const { return modelName(m_identity.type) + QLatin1Char(' ') + cpuid(); }

QByteArray SimDevice::announcementPayload() const
{
    QByteArray p;
    p.append(char(m_identity.type));
    p.append(char(m_identity.flags));
    p.append(char(0));
    p.append(m_identity.id);
    const QByteArray version = m_identity.version.left(100);
    p.append(char(version.size()));
    p.append(version);
    p.append(char(m_identity.name.size()));
    p.append(m_identity.name);
    p.append(char(m_identity.extra));
    return p;
}

QByteArray SimDevice::announcementFrame() const
{
    return reply(Frame::CmdLink, Frame::SubAnnounce, announcementPayload());
}

QByteArray SimDevice::announcementFrame(uint8_t extra) const
{
    QByteArray payload = announcementPayload();
    payload[payload.size() - 1] = char(extra);
    return reply(Frame::CmdLink, Frame::SubAnnounce, payload);
}

QList<QByteArray> SimDevice::handle(const QByteArray &frame, bool viaUdp)
{
    Q_UNUSED(viaUdp)
    if (frame.size() < 7)
        return {};
    const uint8_t cmd = uint8_t(frame.at(4));
    const uint8_t sub = uint8_t(frame.at(5));
    if (cmd == Frame::CmdLink) {
        // The search request; other link sub-commands are not for devices.
        if (sub == Frame::SubAnnounce)
            return {announcementFrame()};
        return {};
    }
    if (cmd == 0x0F) {
        setNameChunk(sub, frame);
        return {reply(cmd, sub)};
    }
    return handleCommand(cmd, sub, frame);
}

QByteArray SimDevice::reply(uint8_t cmd, uint8_t sub, const QByteArray &payload, uint8_t status)
{
    return makeReplyFrame(cmd, sub, status, payload);
}

int SimDevice::jsonInt(const QJsonObject &o, const char *key, int fallback, int min, int max, bool &ok)
{
    if (!o.contains(key))
        return fallback;
    const QJsonValue v = o.value(key);
    if (!v.isDouble() || v.toDouble() < min || v.toDouble() > max) {
        ok = false;
        return fallback;
    }
    return v.toInt();
}

int SimDevice::p8(const QByteArray &frame, int offset)
{
    return (offset >= 0 && offset < frame.size()) ? uint8_t(frame.at(offset)) : 0;
}

int SimDevice::p16(const QByteArray &frame, int offset) { return p8(frame, offset) | (p8(frame, offset + 1) << 8); }

void SimDevice::put16(QByteArray &b, int value)
{
    b.append(char(value & 0xFF));
    b.append(char((value >> 8) & 0xFF));
}

void SimDevice::setNameChunk(int chunk, const QByteArray &frame)
{
    // Chunk k carries name bytes 15k .. 15k + n - 1; chunk 0 starts a new name.
    const int n = qBound(0, p8(frame, 6), 15);
    if (chunk == 0)
        m_identity.name.clear();
    if (chunk * 15 != m_identity.name.size() || chunk > 1)
        return;
    m_identity.name.append(frame.mid(7, n));
}
