#include "yapilandirma.h"

#ifndef MIVO_SUNUCU_HOST
#define MIVO_SUNUCU_HOST "localhost"
#endif
#ifndef MIVO_WEB_HOST
#define MIVO_WEB_HOST "localhost:9092"
#endif
#ifndef MIVO_IPECHO_URL
#define MIVO_IPECHO_URL "http://localhost:9092/ip.php"
#endif
#ifndef MIVO_WEB_SITESI
#define MIVO_WEB_SITESI "www.velmor.com.tr"
#endif

namespace mivo {

Yapilandirma& yapilandirma()
{
    static Yapilandirma y{QStringLiteral(MIVO_SUNUCU_HOST), QString::fromLatin1(kSunucuPortu),
                          QStringLiteral(MIVO_WEB_HOST), QStringLiteral(MIVO_IPECHO_URL),
                          QStringLiteral(MIVO_WEB_SITESI)};
    return y;
}

} // namespace mivo
