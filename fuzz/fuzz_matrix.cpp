// The GW window matrix on its own: random chassis updates interleaved with window and wall
// operations. Table look-ups must stay inside the tables and window numbers it reports evicted
// must be ones it could hold.
#include "FrameCodec.h"
#include "FuzzSupport.h"
#include "MatrixProc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::silenceQt();
    GW5::MatrixProc m;
    QObject::connect(&m, &GW5::MatrixProc::emitAutoRemoveWindow,
                     [](int winId) { FuzzSupport::check(winId >= 0 && winId < GW5::Slots); });
    QObject::connect(&m, &GW5::MatrixProc::emitSendData,
                     [](const QByteArray &frame) { FuzzSupport::check(frame.size() >= Frame::CommandSize); });
    FuzzSupport::Cursor in(data, size);
    for (int step = 0; step < 96 && !in.atEnd(); ++step) {
        const uint8_t op = in.u8();
        const int a = in.small(), b = in.u16(), c = in.u16(), d = in.u16(), e = in.u16();
        switch (op % 22) {
        case 0: m.updateOtherSetting(in.u8(), in.u8()); break;
        case 1: m.updatePanel(a, b, c, d, e); break;
        case 2: m.updateResolution(b, c, d, e, in.u8(), in.u8(), in.u8()); break;
        case 3: {
            INFO_MAPPING map;
            map.port = in.u8();
            map.area = in.u8();
            map.other2 = in.u8();
            m.updateMapping(map);
            break;
        }
        case 4: m.updateWindow(a, b, c, d, e, in.u8(), in.u8(), in.u8()); break;
        case 5: m.updatePortPiece(a, b, c, d, e, in.small()); break;
        case 6: m.updateCrop(a, in.u8(), b, c, d, e); break;
        case 7: m.updatePortCrop(a, in.u8(), b, c, d, e); break;
        case 8: m.updateInputSignal(a, b, c, in.u8()); break;
        case 9: m.updateInputPresence(a, in.u8() & 1); break;
        case 10: m.switchInput(a, in.small()); break;
        case 11: m.reset(); break;
        case 12: m.openWindow(a, b, c, d, e, in.small()); break;
        case 13: m.moveWindow(a, b, c, d, e, in.small()); break;
        case 14: m.removeWindow(a); break;
        case 15: m.setWindowsGeometry(in.u8() & 1, a, b, c, d, e); break;
        case 16: m.setWindowCrop(a, in.u8(), b, c, d, e); break;
        case 17: m.setOutputMapping(a, in.small()); break;
        case 18: m.setAreaGeometry(a, b, c, d, e); break;
        case 19: m.setOutputResolution(a, b, c, in.small()); break;
        case 20: m.setAreaLayout(a, in.small(), in.small()); break;
        default:
            // Reading any slot, in range or not, answers a record.
            m.window(a);
            m.port(a);
            m.area(a);
            m.input(a);
            m.mapping(a);
            break;
        }
        FuzzSupport::check(m.outputAreas() <= GW5::Slots && m.inputSlots() <= GW5::Slots);
    }
    return 0;
}
