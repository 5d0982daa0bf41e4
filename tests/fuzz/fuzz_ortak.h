#pragma once
// One input through the frame decoder, the request decoder and the dispatcher.
#include "dealer/sunucu.h"
#include "dealer/yontemler.h"
#include "protocol/frame.h"

#include <QTemporaryDir>

namespace fuzz {

inline dealer::Veritabani& veritabani()
{
    static QTemporaryDir dir;
    static dealer::VeritabaniAyari a{dir.filePath(QStringLiteral("f.sqlite"))};
    static dealer::Veritabani db(a);
    static bool kuruldu = (db.semaKur(), true);
    (void)kuruldu;
    return db;
}

inline void bir(const uint8_t* data, size_t n)
{
    static dealer::SunucuAyari ayar;
    protocol::FrameDecoder d(1u << 20);
    d.feed(reinterpret_cast<const char*>(data), qsizetype(n));
    while (auto p = d.next()) (void)dealer::istegiIsle(*p, veritabani(), ayar);
    // The bytes as a payload of their own, too.
    (void)dealer::istegiIsle(QByteArray(reinterpret_cast<const char*>(data), qsizetype(n)), veritabani(), ayar);
}

} // namespace fuzz
