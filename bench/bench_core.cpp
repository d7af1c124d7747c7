// Core benchmarks: stream reassembly against a plain checksum pass over the same bytes, its growth
// with the size of one read, and the GW window matrix placing and re-placing windows.
#include "BenchHarness.h"
#include "FrameCodec.h"
#include "MatrixProc.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace {

// 4 MiB of valid reply frames of mixed sizes (payloads 1 to 247 bytes).
QByteArray mixedFrames(int totalBytes, int *frameCount)
{
    QRandomGenerator rng(42);
    QByteArray out;
    out.reserve(totalBytes + 300);
    int frames = 0;
    while (out.size() < totalBytes) {
        QByteArray payload(1 + int(rng.bounded(247)), Qt::Uninitialized);
        for (char &c : payload)
            c = char(rng.bounded(256));
        out += makeReplyFrame(uint8_t(0x80 + rng.bounded(0x70)), uint8_t(rng.bounded(4)), 0, payload);
        ++frames;
    }
    *frameCount = frames;
    return out;
}

void benchReassembly()
{
    int frames = 0;
    const QByteArray stream = mixedFrames(4 << 20, &frames);
    const double mib = stream.size() / double(1 << 20);

    volatile uint32_t sink = 0;
    const double checksumNs = Bench::nsPerCall([&] {
        uint32_t sum = 0;
        for (int off = 0; off < stream.size(); off += 4096)
            sum += calcCheckSum(reinterpret_cast<const uint8_t *>(stream.constData()) + off,
                                qMin(4096, stream.size() - off));
        sink = sink + sum;
    }, 3);

    int delivered = 0;
    const double splitNs = Bench::nsPerCall([&] {
        QByteArray buffer;
        delivered = 0;
        for (int off = 0; off < stream.size(); off += 4096)
            splitStreamFrames(buffer, stream.mid(off, 4096), [&](const RECV_PROTOCOL &, const QByteArray &) { ++delivered; });
    }, 3);
    if (delivered != frames)
        std::fprintf(stderr, "reassembly delivered %d of %d frames\n", delivered, frames);

    const double checksumMBs = stream.size() / (checksumNs / 1e9) / 1e6;
    const double splitMBs = stream.size() / (splitNs / 1e9) / 1e6;
    Bench::report(QStringLiteral("reassembly.4k_reads.MBps"), splitMBs, "MB/s");
    Bench::report(QStringLiteral("reassembly.checksum_pass.MBps"), checksumMBs, "MB/s");
    Bench::report(QStringLiteral("reassembly.ratio_to_checksum"), splitNs / checksumNs, "x");
    Bench::report(QStringLiteral("reassembly.frames"), frames, "frames");
    Bench::report(QStringLiteral("reassembly.stream_MiB"), mib, "MiB");

    // Growth with the size of one read: 64 KiB up to 4 MiB, nanoseconds per byte.
    for (int kib = 64; kib <= 4096; kib *= 4) {
        const QByteArray chunk = stream.left(kib << 10);
        const double ns = Bench::nsPerCall([&] {
            QByteArray buffer;
            splitStreamFrames(buffer, chunk, [](const RECV_PROTOCOL &, const QByteArray &) {});
        }, kib >= 1024 ? 2 : 10);
        Bench::report(QStringLiteral("reassembly.one_read.%1KiB.ns_per_byte").arg(kib), ns / chunk.size(), "ns/B");
    }
}

// Eight output cards, 32 areas of 1920 x 1080 in a 8 x 4 grid, port p showing area p.
void eightCards(GW5::MatrixProc &m)
{
    m.updateOtherSetting(8, 8);
    for (int a = 0; a < GW5::Slots; ++a) {
        m.updatePanel(a, uint16_t((a % 8) * 1920), uint16_t((a / 8) * 1080), 1920, 1080);
        INFO_MAPPING map;
        map.port = uint8_t(a);
        map.area = uint8_t(a);
        m.updateMapping(map);
    }
    for (int i = 0; i < 32; ++i)
        m.updateInputSignal(i, 1920, 1080, 60);
}

void benchMatrix()
{
    {
        GW5::MatrixProc m;
        eightCards(m);
        int frames = 0;
        QObject::connect(&m, &GW5::MatrixProc::emitSendData, [&](QByteArray) { ++frames; });
        // One window across a corner of four areas: opened, then removed again for the next call.
        const double ns = Bench::nsPerCall([&] {
            m.openWindow(0, 1800, 1000, 400, 300, 0);
            m.removeWindow(0);
        }, 2000);
        Bench::report(QStringLiteral("matrix.place_one_window.us"), ns / 2 / 1000.0, "us");
    }
    {
        GW5::MatrixProc m;
        eightCards(m);
        QObject::connect(&m, &GW5::MatrixProc::emitSendData, [](QByteArray) {});
        for (int w = 0; w < 32; ++w)
            m.openWindow(w, (w % 8) * 1920 + 100, (w / 8) * 1080 + 100, 800, 600, w);
        int step = 0;
        const double ns = Bench::nsPerCall([&] {
            ++step;
            for (int w = 0; w < 32; ++w)
                m.setWindowsGeometry(0, w, (w % 8) * 1920 + 100 + (step & 7), (w / 8) * 1080 + 100, 800, 600);
            m.setWindowsGeometry(1, 0, 0, 0, 0, 0);
        }, 200);
        Bench::report(QStringLiteral("matrix.replace_32_windows.us"), ns / 1000.0, "us");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    benchReassembly();
    benchMatrix();
    return 0;
}
