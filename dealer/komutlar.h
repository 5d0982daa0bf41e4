#pragma once
// Operator commands of mivo-server ("mivo-server NAME args…").
#include <QStringList>
#include <functional>
#include <map>

namespace dealer {

struct VeritabaniAyari;
using Komut = std::function<int(const VeritabaniAyari& vt, const QStringList& args)>;
struct KomutBilgisi {
    Komut f;
    const char* kullanim;
};
std::map<QString, KomutBilgisi>& komutlar();
struct KomutKaydi {
    KomutKaydi(const char* ad, const char* kullanim, Komut f);
};

} // namespace dealer
