// Frame layouts shared by every link: the 23-byte command frame the host sends, the variable
// reply frame a device sends, and the stream reassembly that cuts replies out of a byte stream.
// Pure functions; the receive buffers belong to the transport manager.
#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <functional>

// The first 8 bytes of a reply frame, copied as received.
struct RECV_PROTOCOL
{
    uint8_t head[2] = {0, 0};
    uint8_t cmd = 0;
    uint8_t subCmd = 0;
    uint8_t status = 0;
    uint8_t len = 0;
    uint8_t reserved[2] = {0, 0};
};
Q_DECLARE_METATYPE(RECV_PROTOCOL)

namespace Frame {
constexpr uint8_t Sync = 0x5A;
constexpr int CommandSize = 23;
constexpr int ReplyHeaderSize = 8;
constexpr int ReplyMinSize = 9;
constexpr int ParamOffset = 6;
constexpr int ParamCount = 16;
constexpr uint8_t CmdLink = 0xFF;
constexpr uint8_t SubAnnounce = 0x00;
constexpr uint8_t SubHeartbeat = 0x01;
constexpr uint8_t SubInterrupted = 0x02;
constexpr uint8_t CmdUpgrade = 0xF2;
} // namespace Frame

using FrameHandler = std::function<void(const RECV_PROTOCOL &, const QByteArray &)>;

// Sum of the bytes taken unsigned; 0 for a count of 0 or less.
uint32_t calcCheckSum(const uint8_t *data, int count);
uint32_t calcCheckSum(const QByteArray &data);

// Sets byte 22 of a filled 23-byte command frame to its checksum and returns a copy.
QByteArray packFrame(uint8_t frame[Frame::CommandSize]);

// A 23-byte command frame: sync, length, command, sub-command and up to 16 parameter bytes.
// Parameters beyond 16 bytes are ignored; missing ones are 0x00.
QByteArray makeCommandFrame(uint8_t cmd, uint8_t sub, const QByteArray &params = QByteArray());

// A command frame with sub-command 0 and all parameters 0.
QByteArray makeRequestFrame(uint8_t cmd);

// The search request: 5A 5A 17 00 FF 00, sixteen 00 bytes, CA.
QByteArray makeSearchFrame();

// A long host frame (firmware data blocks): header, payload and checksum, length counted whole.
QByteArray makeLongFrame(uint8_t cmd, uint8_t sub, const QByteArray &payload);

// Builds a reply frame as a device sends it (used by the simulator and the tests).
QByteArray makeReplyFrame(uint8_t cmd, uint8_t sub, uint8_t status, const QByteArray &payload);

// Validates one whole reply frame; on success fills the header and the payload.
bool parseRecvFrame(const QByteArray &frame, RECV_PROTOCOL &rp, QByteArray &payload);

// Appends the new bytes to the connection's buffer and calls the handler for every complete,
// valid frame in order of arrival. What cannot be used yet stays in the buffer.
void splitStreamFrames(QByteArray &buffer, const QByteArray &incoming, const FrameHandler &handler);

// The device identifier in its text form: 24 lower-case hex digits of the 12 identifier bytes.
QString cpuidFromBytes(const QByteArray &id12);
