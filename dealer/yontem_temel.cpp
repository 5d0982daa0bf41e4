// The plain methods every client of the server may use first.
#include "yontemler.h"

#include <algorithm>

using namespace dealer;
using protocol::Value;

MIVO_YONTEM(EchoString) { c.sonuc(Value::string(c.metin(0))); }

MIVO_YONTEM(ReverseString)
{
    // Reverse by whole characters, so Turkish letters and surrogate pairs survive.
    const QString s = c.metin(0);
    QList<uint> u = s.toUcs4();
    std::reverse(u.begin(), u.end());
    c.sonuc(Value::string(QString::fromUcs4(reinterpret_cast<const char32_t*>(u.constData()), u.size())));
}

// Called by the framework when a session starts; nothing to prepare here.
MIVO_YONTEM(DSServerModuleCreate) { (void)c; }
