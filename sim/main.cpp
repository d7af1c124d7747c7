// vpsim: simulated KS and GW video processors for trying layouts without hardware and as the peer
// of the end-to-end tests. Run it only inside a private network namespace (scripts/netns.sh) or on
// loopback addresses: it answers search broadcasts.
#include "SimConfig.h"
#include "SimHost.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/prctl.h>
#include <cstdio>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}
} // namespace

int main(int argc, char *argv[])
{
    // A simulator left behind by a test or demo that died would keep answering searches.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vpsim");
    QCoreApplication::setApplicationVersion("1.0");
    qSetMessagePattern("%{message}");
    setvbuf(stdout, nullptr, _IOLBF, 0);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulates KS and GW video processors on TCP, UDP and pseudo-terminals.\n"
        "Example: vpsim --device KS9200:addr=127.0.0.2 --device GW5:addr=127.0.0.3 "
        "--device KX4200:pty,link=/tmp/vp-kx --log frames.jsonl");
    parser.addHelpOption();
    parser.addVersionOption();
    SimConfig::addOptions(parser);
    parser.process(app);

    SimConfig config;
    QString error;
    if (!config.load(parser, &error)) {
        fprintf(stderr, "vpsim: %s\n", qPrintable(error));
        return 2;
    }

    // SIGINT / SIGTERM end the event loop so pty symlinks are removed and the log is flushed.
    if (::pipe(g_signalPipe) == 0) {
        auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
    std::signal(SIGPIPE, SIG_IGN);

    SimHost host;
    if (!host.start(config, &error)) {
        fprintf(stderr, "vpsim: %s\n", qPrintable(error));
        return 1;
    }
    return app.exec();
}
