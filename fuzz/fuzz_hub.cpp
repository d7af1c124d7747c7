// The device hub fed a random mix of announcements, replies, link frames, link losses, read-backs
// and transactions for four devices of both families: registration, the stores and the
// transaction bookkeeping must hold whatever the devices claim.
#include "DeviceHub.h"
#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QHostAddress>

namespace {
const int Types[] = {3, 17, 48, 19, 0, 20};

QString cpuidOf(int n)
{
    return QStringLiteral("0f00000000000000000000%1").arg(n & 3, 2, 16, QLatin1Char('0'));
}

QByteArray announcement(FuzzSupport::Cursor &in, int n)
{
    QByteArray p;
    p.append(char(Types[in.u8() % 6]));
    p.append(char(in.u8()));
    p.append(char(0));
    p.append(QByteArray::fromHex(cpuidOf(n).toLatin1()));
    // Version, name and the port-in-use byte, their lengths as the input says.
    p.append(in.bytes(in.u8() % 40));
    return p;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::silenceQt();
    static int argc = 1;
    static char name[] = "fuzz_hub";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    DeviceHub hub;
    FuzzSupport::Cursor in(data, size);
    hub.setAutoReconnect(in.u8() & 1);
    for (int step = 0; step < 64 && !in.atEnd(); ++step) {
        const uint8_t op = in.u8();
        const int n = in.u8();
        const QString id = cpuidOf(n);
        switch (op % 8) {
        case 0:
            hub.registerAnnouncement(in.u8(), in.u8(), announcement(in, n),
                                     QHostAddress(QHostAddress::LocalHost), short(in.u8() & 1 ? 8990 : 0));
            break;
        case 1:
        case 2:
        case 3: {
            // A reply: cmd, sub, status, payload length, payload.
            RECV_PROTOCOL rp;
            rp.head[0] = rp.head[1] = Frame::Sync;
            rp.cmd = in.u8();
            rp.subCmd = in.u8();
            rp.status = in.u8() & 0x03;
            const QByteArray payload = in.bytes(in.u8());
            rp.len = uint8_t(payload.size() + Frame::ReplyMinSize);
            hub.handleFrame(0, 0, id, rp, payload, QHostAddress(), 0);
            break;
        }
        case 4:
            hub.linkBroken(id, QString(), in.u8() & 1);
            break;
        case 5:
            hub.readBack(id);
            break;
        case 6: {
            const QByteArray frame = makeCommandFrame(in.u8(), in.u8(), in.bytes(4));
            hub.transact(
                id, [&hub, id, frame] { hub.write(id, frame); }, 1000, [](const HubResult &) {});
            break;
        }
        default:
            hub.setAutoReconnect(in.u8() & 1);
            break;
        }
    }
    return 0;
}
