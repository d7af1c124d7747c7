// Remote-control request decoding of both protocols on arbitrary input, and what a decoded command
// goes on to: the checks against a KS and a GW record and the frames built from an accepted one.
// First byte even: the rest is one OSC datagram (read by liblo, as the server does); odd: an HTTP
// method chosen by the byte, then the request target up to the first line feed, then the body.
// Whatever is decoded is either a command or a refusal with a code; every frame is 23 bytes.
#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "FuzzSupport.h"
#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "RemoteFrames.h"
#include "RemoteRequest.h"
#include "RemoteValidator.h"

#include <QCoreApplication>

namespace {
struct Devices
{
    DEVICE_INFO_KS ks;
    DEVICE_INFO_GW gw;
    KS9200Interface ksIface{QStringLiteral("k")};
    GW5Interface gwIface{QStringLiteral("g")};
    int frames = 0;

    Devices()
    {
        ks.cpuid = QStringLiteral("k");
        ks.type = 3;
        gw.cpuid = QStringLiteral("g");
        gw.type = 48;
        gw.other.outputCards = 2;
        gw.other.other2 = 1;
        for (int i = 0; i < 4; ++i) {
            INFO_PANEL p;
            p.id = uint16_t(i);
            p.x = uint16_t((i % 2) * 1920);
            p.y = uint16_t((i / 2) * 1080);
            p.width = 1920;
            p.height = 1080;
            ks.panels << p;
            gw.panels << p;
            INFO_WINDOW w;
            w.winId = uint16_t(i);
            w.x = p.x;
            w.y = p.y;
            w.width = 960;
            w.height = 540;
            ks.windows << w;
            gw.windows << w;
            gw.signalPresence << INFO_SIGNAL_PRESENCE{uint8_t(i), 0, uint8_t(i & 1)};
        }
        const auto count = [this](const QByteArray &f) {
            FuzzSupport::check(f.size() == 23);
            ++frames;
        };
        QObject::connect(&ksIface, &Interface::emitSendData, count);
        QObject::connect(&gwIface, &Interface::emitSendData, count);
    }
};

void follow(const RemoteRequest::Result &r)
{
    FuzzSupport::check(r.ok() != r.error.isError());
    if (!r.ok()) {
        FuzzSupport::check(!r.error.message().isEmpty());
        return;
    }
    FuzzSupport::check(r.command.window >= 0 && r.command.window <= RemoteRequest::MaxWindow);
    if (RemoteCommand::isQuery(r.command.kind) || r.command.kind == RemoteCommand::Subscribe ||
        r.command.kind == RemoteCommand::Unsubscribe)
        return;
    static Devices devices;
    const RemoteValidator::Checked ks = RemoteValidator::check(r.command, devices.ks);
    if (ks.ok()) {
        FuzzSupport::check(ks.action.winId >= -1 && ks.action.winId <= 0xFF);
        RemoteFrames::apply(ks.action, devices.ksIface);
    }
    const RemoteValidator::Checked gw = RemoteValidator::check(r.command, devices.gw);
    if (gw.ok())
        RemoteFrames::apply(gw.action, devices.gwIface);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::silenceQt();
    if (size < 1)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, int(size - 1));
    if ((data[0] & 1) == 0) {
        QByteArray datagram = rest; // liblo wants a writable buffer
        int result = 0;
        lo_message m = lo_message_deserialise(datagram.data(), size_t(datagram.size()), &result);
        if (!m)
            return 0;
        char *path = lo_get_path(datagram.data(), datagram.size());
        if (path)
            follow(RemoteRequest::fromOsc(QString::fromUtf8(path), RemoteRequest::oscArgs(m)));
        lo_message_free(m);
        return 0;
    }
    static const char *const methods[] = {"GET", "POST", "PUT", "DELETE", "PATCH"};
    const int line = rest.indexOf('\n');
    const QByteArray target = line < 0 ? rest : rest.left(line);
    const QByteArray body = line < 0 ? QByteArray() : rest.mid(line + 1);
    follow(RemoteRequest::fromHttp(methods[(data[0] >> 1) % 5], target, body));
    return 0;
}
