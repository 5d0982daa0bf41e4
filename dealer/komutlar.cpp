#include "komutlar.h"

namespace dealer {
std::map<QString, KomutBilgisi>& komutlar()
{
    static std::map<QString, KomutBilgisi> m;
    return m;
}
KomutKaydi::KomutKaydi(const char* ad, const char* kullanim, Komut f)
{
    komutlar()[QString::fromLatin1(ad)] = {std::move(f), kullanim};
}
} // namespace dealer
