// vpctl serve: the hub and the remote-control servers, headless, until SIGINT or SIGTERM.
#include "Vpctl.h"

int Vpctl::serve()
{
    out.error(QStringLiteral("serve is not available yet"));
    return Failed;
}
