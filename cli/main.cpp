// vpctl: the headless command-line companion of vpcontrol (see `vpctl --help`). Runs without a
// display; like vpcontrol it searches the network, so try it only inside a private network
// namespace or against devices you mean to reach.
#include "CliOptions.h"
#include "CliOutput.h"
#include "Vpctl.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// The core's developer diagnostics (every frame, heartbeats) would drown the output; they are
// shown with VPCTL_DEBUG=1.
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    static const bool debug = qEnvironmentVariableIntValue("VPCTL_DEBUG") != 0;
    if (!debug && type != QtCriticalMsg && type != QtFatalMsg)
        return;
    fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg)
        abort();
}
} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(messageHandler);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vpctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VP_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("CN_KS_Control"));

    CliOutput out;
    CliOptions options;
    QString error;
    if (!CliOptions::parse(app.arguments(), &options, &error)) {
        out.error(error);
        return Vpctl::Usage;
    }
    if (options.command == CliOptions::Help) {
        out.result(CliOptions::helpText().trimmed());
        return Vpctl::Done;
    }
    if (options.command == CliOptions::Version) {
        out.result(QStringLiteral("vpctl ") + QCoreApplication::applicationVersion());
        return Vpctl::Done;
    }
    Vpctl vpctl(options);
    return vpctl.run();
}
