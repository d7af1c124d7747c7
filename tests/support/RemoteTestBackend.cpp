#include "RemoteTestBackend.h"

#include "GW5Interface.h"
#include "KS9200Interface.h"
#include "RemoteFrames.h"
#include "TestSupport.h"

#include <QTimer>

namespace {
INFO_WINDOW window(int id, int x, int y, int width, int height, int input, int layer)
{
    INFO_WINDOW w;
    w.flag0 = w.flag1 = 1;
    w.winId = uint16_t(id);
    w.srcId = 1;
    w.x = uint16_t(x);
    w.y = uint16_t(y);
    w.width = uint16_t(width);
    w.height = uint16_t(height);
    w.param1 = 100;
    w.param2 = uint16_t(input);
    w.param3 = uint16_t(layer);
    return w;
}

INFO_PANEL panel(int id, int x, int y)
{
    INFO_PANEL p;
    p.id = uint16_t(id);
    p.x = uint16_t(x);
    p.y = uint16_t(y);
    p.width = 1920;
    p.height = 1080;
    return p;
}

QByteArray le16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF));
}

// Primes a GW interface's window matrix with what the device would have reported.
void primeGw(GW5Interface &gw, const DEVICE_INFO_GW &r)
{
    using TestSupport::replyHeader;
    QByteArray other(6, 0);
    other[1] = char(r.other.outputCards);
    other[2] = char(r.other.other2);
    gw.handleFrame(r.cpuid, replyHeader(0xEE, 0x00), other);
    for (const INFO_PANEL &p : r.panels)
        gw.handleFrame(r.cpuid, replyHeader(0xE1, 0x00),
                       QByteArray(1, char(p.id)) + le16(p.x) + le16(p.y) + le16(p.width) + le16(p.height) +
                           QByteArray(2, 0));
    for (int port = 0; port < r.other.outputCards * 4; ++port) // port k shows area k
        gw.handleFrame(r.cpuid, replyHeader(0xE1, 0x02),
                       QByteArray(1, char(port)) + QByteArray(1, char(port)) + QByteArray(4, 0));
    for (const INFO_WINDOW &w : r.windows)
        gw.handleFrame(r.cpuid, replyHeader(0xE2, 0x00),
                       QByteArray(1, char(w.winId)) + le16(w.x) + le16(w.y) + le16(w.width) + le16(w.height) +
                           QByteArray(1, char(w.param2)) + QByteArray(1, char(w.param3)) +
                           QByteArray(1, char(w.param1)) + QByteArray(1, 0));
}
} // namespace

RemoteTestBackend::RemoteTestBackend(QObject *parent) : RemoteBackend(parent) {}

RemoteTestBackend::~RemoteTestBackend()
{
    for (const Entry &e : m_entries)
        delete e.iface;
}

std::shared_ptr<DEVICE_INFO_KS> RemoteTestBackend::ksRecord(const QString &cpuid, int type,
                                                            const QString &name, int panels,
                                                            const QList<int> &inputs,
                                                            const QList<int> &presets)
{
    auto r = std::make_shared<DEVICE_INFO_KS>();
    r->cpuid = cpuid;
    r->type = type;
    r->name = name;
    r->online = 1;
    for (int i = 0; i < panels; ++i)
        r->panels << panel(i, i * 1920, 0);
    for (int i = 0; i < inputs.size(); ++i)
        r->windows << window(i, i * 1920, 0, 1920, 1080, inputs[i], 0);
    for (int id : presets) {
        INFO_PRESET p;
        p.id = id;
        r->presets << p;
    }
    return r;
}

std::shared_ptr<DEVICE_INFO_GW> RemoteTestBackend::gwRecord(const QString &cpuid, const QString &name,
                                                            int outputCards, int inputCards,
                                                            const QList<int> &inputs)
{
    auto r = std::make_shared<DEVICE_INFO_GW>();
    r->cpuid = cpuid;
    r->type = 48;
    r->name = name;
    r->online = 1;
    r->other.outputCards = int8_t(outputCards);
    r->other.other2 = uint8_t(inputCards);
    for (int i = 0; i < 4; ++i)
        r->panels << panel(i, (i % 2) * 1920, (i / 2) * 1080);
    for (int i = 0; i < inputs.size(); ++i)
        r->windows << window(i, (i % 2) * 1920, (i / 2) * 1080, 1920, 1080, inputs[i], i + 1);
    return r;
}

void RemoteTestBackend::addDevice(std::shared_ptr<INFO_BASIC> record, bool online)
{
    Entry e;
    e.record = record;
    e.record->online = online;
    if (auto *gw = dynamic_cast<DEVICE_INFO_GW *>(record.get())) {
        auto *iface = new GW5Interface(record->cpuid);
        primeGw(*iface, *gw);
        e.iface = iface;
    } else {
        e.iface = new KS9200Interface(record->cpuid);
    }
    connect(e.iface, &Interface::emitSendData, this, [this](const QByteArray &f) { frames << f; });
    m_entries << e;
    emit emitDeviceChanged(record->cpuid);
}

INFO_BASIC *RemoteTestBackend::record(const QString &cpuid) const
{
    for (const Entry &e : m_entries) {
        if (e.record->cpuid == cpuid)
            return e.record.get();
    }
    return nullptr;
}

Interface *RemoteTestBackend::interfaceOf(const QString &cpuid) const
{
    for (const Entry &e : m_entries) {
        if (e.record->cpuid == cpuid)
            return e.iface;
    }
    return nullptr;
}

void RemoteTestBackend::setOnline(const QString &cpuid, bool online)
{
    if (INFO_BASIC *r = record(cpuid)) {
        r->online = online;
        emit emitDeviceChanged(cpuid);
    }
}

void RemoteTestBackend::setAnswer(Answer answer, int delayMs)
{
    m_answer = answer;
    m_delayMs = delayMs;
}

QList<RemoteDevice> RemoteTestBackend::devices() const
{
    QList<RemoteDevice> out;
    for (const Entry &e : m_entries) {
        RemoteDevice d;
        d.cpuid = e.record->cpuid;
        d.online = e.record->online;
        d.linkState = d.online ? QStringLiteral("online") : QStringLiteral("offline");
        if (auto *gw = dynamic_cast<DEVICE_INFO_GW *>(e.record.get()))
            d.record = std::make_shared<DEVICE_INFO_GW>(*gw);
        else if (auto *ks = dynamic_cast<DEVICE_INFO_KS *>(e.record.get()))
            d.record = std::make_shared<DEVICE_INFO_KS>(*ks);
        out << d;
    }
    return out;
}

void RemoteTestBackend::execute(const RemoteAction &action, int timeoutMs, Done done)
{
    ++executed;
    Interface *iface = interfaceOf(action.cpuid);
    RemoteOutcome outcome;
    if (!iface || !record(action.cpuid)->online) {
        outcome.status = RemoteOutcome::NotOnline;
        return done(outcome);
    }
    const int before = frames.size();
    if (!RemoteFrames::apply(action, *iface)) {
        outcome.status = RemoteOutcome::Failed;
        return done(outcome);
    }
    outcome.framesSent = frames.size() - before;
    int delay = m_delayMs;
    switch (m_answer) {
    case AnswerOk:
        outcome.framesAcknowledged = outcome.framesSent;
        break;
    case AnswerRefused:
        outcome.status = RemoteOutcome::Refused;
        outcome.message = QStringLiteral("Input conflict");
        break;
    case AnswerNever:
        outcome.status = RemoteOutcome::Timeout;
        delay = timeoutMs;
        break;
    case AnswerLinkLost:
        outcome.status = RemoteOutcome::LinkLost;
        break;
    }
    QTimer::singleShot(delay, this, [this, action, outcome, done] {
        if (outcome.status == RemoteOutcome::Ok)
            changeRecord(action);
        done(outcome);
    });
}

void RemoteTestBackend::changeRecord(const RemoteAction &a)
{
    INFO_BASIC *r = record(a.cpuid);
    auto *ks = dynamic_cast<DEVICE_INFO_KS *>(r);
    auto *gw = dynamic_cast<DEVICE_INFO_GW *>(r);
    QList<INFO_WINDOW> &windows = ks ? ks->windows : gw->windows;
    for (INFO_WINDOW &w : windows) {
        if (w.winId != a.winId)
            continue;
        if (a.kind == RemoteCommand::SwitchInput)
            w.param2 = uint16_t(a.srcId);
        if (a.kind == RemoteCommand::SetGeometry) {
            w.x = uint16_t(a.rect.x());
            w.y = uint16_t(a.rect.y());
            w.width = uint16_t(a.rect.width());
            w.height = uint16_t(a.rect.height());
        }
    }
    if (a.kind == RemoteCommand::BlackScreen)
        (ks ? ks->other.blackScreen : gw->other.blackScreen) = a.on;
    if (a.kind == RemoteCommand::LoadPreset)
        emit emitPresetLoaded(a.cpuid, a.id);
    emit emitDeviceChanged(a.cpuid);
}
