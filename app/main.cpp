#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corlune"));
    QLabel label(QObject::tr("vpcontrol"));
    label.show();
    return app.exec();
}
