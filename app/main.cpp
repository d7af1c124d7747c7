#include "CommManager.h"
#include "DialogSearch.h"
#include "MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QSharedMemory>
#include <QSystemSemaphore>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QObject::tr("Video processor control"));
    parser.addHelpOption();
    const QCommandLineOption serialOption(
        QStringLiteral("serial-port"),
        QObject::tr("Also open PATH in every serial search (repeatable), e.g. a pseudo-terminal."),
        QStringLiteral("PATH"));
    parser.addOption(serialOption);
    const QCommandLineOption connectOption(
        QStringLiteral("connect"),
        QObject::tr("Also ask HOST (an address or a name, repeatable) in every network search, for devices that broadcasts do not reach."),
        QStringLiteral("HOST"));
    parser.addOption(connectOption);
    parser.process(app);

    QSystemSemaphore semaphore(QStringLiteral("Corlune-Video Processor"), 1, QSystemSemaphore::Open);
    semaphore.acquire();
    QSharedMemory instanceGuard(QStringLiteral("Video Processor"));
    if (!MainWindow::claimSingleInstance(instanceGuard)) {
        semaphore.release();
        QMessageBox::information(nullptr, QStringLiteral("Video Processor"),
                                 QStringLiteral("应用程序正在运行\n\nAn Application has already been running\n"),
                                 QMessageBox::Ok);
        return 0;
    }
    semaphore.release();

    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("CN_KS_Control"));

    MainWindow w;
    w.setExtraSerialPorts(parser.values(serialOption));
    const QStringList hosts = parser.values(connectOption);
    for (const QString &host : hosts)
        w.commManager()->addConnectAddress(host);
    // Remembered most recent first: the first one given ends up on top.
    for (auto it = hosts.crbegin(); it != hosts.crend(); ++it)
        DialogSearch::rememberAddress(*it);
    if (w.searchDialog()) {
        w.searchDialog()->setCommManager(w.commManager());
        if (!hosts.isEmpty())
            w.searchDialog()->setKnownAddresses(DialogSearch::rememberedAddresses());
    }
    w.startupSearch();
    w.show();
    return app.exec();
}
