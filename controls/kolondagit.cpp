#include "kolondagit.h"

namespace mivo {

int TagBirimi(int kullanilabilir, int tagToplami)
{
    if (tagToplami <= 0 || kullanilabilir <= 0) return 0;
    return kullanilabilir / tagToplami;   // both positive: integer division truncates
}

int DagitimAlani(DagitimTuru tur, int gridGenisligi, int kaydirmaCubuguKalinligi)
{
    switch (tur) {
    case DagitimTuru::KaydirmaCubuklu: return gridGenisligi - kaydirmaCubuguKalinligi - 10;
    case DagitimTuru::Sabit30:
    case DagitimTuru::GenisEkran30: return gridGenisligi - 30;
    }
    return gridGenisligi;
}

QVector<int> KolonlariDagit(const QVector<TKolonAgirlik>& kolonlar, int kullanilabilir)
{
    QVector<int> w;
    w.reserve(kolonlar.size());
    int toplam = 0;
    for (const auto& k : kolonlar) {
        w.push_back(k.Genislik);
        if (k.Gorunur) toplam += qMax(0, k.Tag);
    }
    if (toplam == 0) return w;
    const int birim = TagBirimi(kullanilabilir, toplam);
    for (int i = 0; i < kolonlar.size(); ++i)
        if (kolonlar[i].Gorunur) w[i] = qMax(0, kolonlar[i].Tag) * birim;
    return w;
}

bool TagIleDagitilir(DagitimTuru tur, int ekranGenisligi)
{
    return tur != DagitimTuru::GenisEkran30 || ekranGenisligi > GenisEkranSiniri;
}

} // namespace mivo
