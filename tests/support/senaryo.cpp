#include "senaryo.h"

namespace mivotest {

int Senaryo::goster(const mivo::DiyalogIstegi& istek)
{
    gorulen.push_back(istek);
    if (kural) {
        const int r = kural(istek);
        if (r >= 0) return r;
    }
    if (!cevaplar.isEmpty()) return cevaplar.takeFirst();
    return mivo::ModalSonuc(istek.varsayilan);
}

QStringList Senaryo::metinler() const
{
    QStringList l;
    for (const auto& g : gorulen) l << g.metin;
    return l;
}

SenaryoKur::SenaryoKur() : s(std::make_shared<Senaryo>()) { mivo::DiyalogServisiKur(s); }
SenaryoKur::~SenaryoKur() { mivo::DiyalogServisiKur(nullptr); }

} // namespace mivotest
