#include "kimlik.h"

#include <QHostInfo>
#include <QNetworkInterface>
#include <pwd.h>
#include <unistd.h>

namespace mivo {

// Plain first versions; the machine-identity work replaces them with the full rules.
QString BilgisayarAdiAl()
{
    char b[256] = {0};
    if (gethostname(b, sizeof b - 1) != 0) return {};
    return QString::fromLocal8Bit(b).section(QLatin1Char('.'), 0, 0).left(15);
}

QString KullaniciAdiAl()
{
    const passwd* p = getpwuid(geteuid());
    return p ? QString::fromLocal8Bit(p->pw_name) : QString();
}

QString YerelIpAl()
{
    const QHostInfo h = QHostInfo::fromName(QHostInfo::localHostName());
    for (const auto& a : h.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol) return a.toString();
    return QStringLiteral("127.0.0.1");
}

QString BilgisayarIdAl()
{
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const QString m = i.hardwareAddress();
        if (!m.isEmpty() && m != QLatin1String("00:00:00:00:00:00")) return m.toUpper().replace(QLatin1Char(':'), QLatin1Char('-'));
    }
    return QStringLiteral("00-00-00-00-00-00");
}

} // namespace mivo
