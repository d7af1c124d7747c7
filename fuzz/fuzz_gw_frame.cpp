// GW5Interface driven by a random mix of device replies and window operations; its window matrix
// must stay inside its tables whatever the replies claim.
#include "FuzzSupport.h"
#include "GW5Interface.h"

namespace {
const QString Me = QStringLiteral("0102030405060708090a0b0c");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::silenceQt();
    GW5Interface gw(Me);
    FuzzSupport::Cursor in(data, size);
    for (int step = 0; step < 64 && !in.atEnd(); ++step) {
        const uint8_t op = in.u8();
        if (op < 0xC0) {
            // A reply: cmd, sub, status, payload length, payload.
            RECV_PROTOCOL rp;
            rp.head[0] = rp.head[1] = Frame::Sync;
            rp.cmd = in.u8();
            rp.subCmd = in.u8();
            rp.status = in.u8() & 0x03;
            const QByteArray payload = in.bytes(in.u8());
            rp.len = uint8_t(payload.size() + Frame::ReplyMinSize);
            gw.handleFrame(Me, rp, payload);
            continue;
        }
        const int a = in.small(), b = in.u16(), c = in.u16(), d = in.u16(), e = in.u16();
        switch (op & 0x0F) {
        case 0: gw.openWindow(a, b, c, d, e, in.small()); break;
        case 1: gw.moveWindow(a, b, c, d, e, in.small()); break;
        case 2: gw.removeWindow(a); break;
        case 3: gw.setWindowsGeometry(in.u8() & 1, a, b, c, d, e); break;
        case 4: gw.setWindowCrop(a, in.u8(), b, c, d, e); break;
        case 5: gw.switchInput(a, in.small()); break;
        case 6: gw.setOutputResolution(a, b, c, in.small()); break;
        case 7: gw.setAreaGeometry(a, b, c, d, e); break;
        case 8: gw.setAreaLayout(a, in.small(), in.small()); break;
        case 9: gw.setOutputMapping(a, in.small()); break;
        case 10: gw.loadPreset(a); break;
        case 11: gw.factoryReset(); break;
        default: gw.setImageItem(in.u8(), a, b); break;
        }
    }
    return 0;
}
