// mivo-kimlik: prints this computer's identifier, the one the login sends to the
// server, so the dealer's staff can register an account for the computer.
#include "login/kimlik.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() > 1 && (a[1] == QLatin1String("--help") || a[1] == QLatin1String("-h"))) {
        std::printf("usage: mivo-kimlik\nPrints this computer's identifier (one line).\n");
        return 0;
    }
    std::printf("%s\n", mivo::BilgisayarIdAl().toUtf8().constData());
    return 0;
}
