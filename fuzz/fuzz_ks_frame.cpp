// KS9200Interface::handleFrame on arbitrary (cmd, sub, status, payload), and the invariant that a
// list reply is only accepted when its size matches its count exactly.
#include "FuzzSupport.h"
#include "KS9200Interface.h"

namespace {
const QString Me = QStringLiteral("0102030405060708090a0b0c");

int listItemSize(uint8_t cmd, uint8_t sub)
{
    switch ((cmd << 8) | sub) {
    case 0xE100: return 11;
    case 0xE200: return 13;
    case 0xE300: return 10;
    case 0xE400: return 9;
    case 0xE500: return 11;
    case 0xEA00: return 6;
    case 0xEB00: return 8;
    case 0xEC00: return 12;
    case 0xED00: return 2;
    default: return 0;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::silenceQt();
    static KS9200Interface ks(Me);
    FuzzSupport::Cursor in(data, size);
    RECV_PROTOCOL rp;
    rp.head[0] = rp.head[1] = Frame::Sync;
    rp.cmd = in.u8();
    rp.subCmd = in.u8();
    rp.status = in.u8();
    const bool foreign = in.u8() & 1;
    const QByteArray payload = in.bytes(in.left());
    rp.len = uint8_t(payload.size() + Frame::ReplyMinSize);

    int emitted = 0;
    const int itemSize = listItemSize(rp.cmd, rp.subCmd);
    auto counter = [&] { ++emitted; };
    QList<QMetaObject::Connection> links;
    links << QObject::connect(&ks, &KS9200Interface::emitPanelData, counter)
          << QObject::connect(&ks, &KS9200Interface::emitWindowData, counter)
          << QObject::connect(&ks, &KS9200Interface::emitInputCrop, counter)
          << QObject::connect(&ks, &KS9200Interface::emitInputSignals, counter)
          << QObject::connect(&ks, &KS9200Interface::emitImageQuality, counter)
          << QObject::connect(&ks, &KS9200Interface::emitEDID, counter)
          << QObject::connect(&ks, &KS9200Interface::emitChromaKey, counter)
          << QObject::connect(&ks, &KS9200Interface::emitBorderSetting, counter)
          << QObject::connect(&ks, &KS9200Interface::emitOutputEnhance, counter);

    ks.handleFrame(foreign ? QStringLiteral("ffffffffffffffffffffffff") : Me, rp, payload);

    for (const auto &c : links)
        QObject::disconnect(c);
    if (foreign || rp.status != 0)
        FuzzSupport::check(emitted == 0);
    if (emitted > 0) {
        FuzzSupport::check(itemSize > 0 && !payload.isEmpty());
        const int n = int8_t(payload.at(0));
        FuzzSupport::check(n >= 0 && payload.size() == 1 + n * itemSize);
    }
    return 0;
}
