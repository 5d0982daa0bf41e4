#pragma once
// Column width distribution by Tag weight, kept free of widgets so it can be tested alone.
#include <QVector>

namespace mivo {

struct TKolonAgirlik {
    int Tag = 0;
    bool Gorunur = true;
    int Genislik = 0;   // current width; kept when nothing can be distributed
};

// The grid width minus what each variant reserves.
enum class DagitimTuru {
    KaydirmaCubuklu,   // stock list: width - scroll-bar thickness - 10, at every screen width
    Sabit30,           // detail windows: width - 30, at every screen width
    GenisEkran30,      // basket, product lists, balances: width - 30 above 1152 px screens, best fit otherwise
};

constexpr int GenisEkranSiniri = 1152;

// trunc(kullanilabilir / tagToplami), never below 0; 0 when the sum is 0.
int TagBirimi(int kullanilabilir, int tagToplami);

// The width the Tags share out: grid width minus the variant's reserve.
int DagitimAlani(DagitimTuru tur, int gridGenisligi, int kaydirmaCubuguKalinligi);

// New widths: each visible column Tag x unit, hidden columns keep theirs.
// A Tag sum of 0 returns the widths unchanged.
QVector<int> KolonlariDagit(const QVector<TKolonAgirlik>& kolonlar, int kullanilabilir);

// True when the variant distributes by Tag at this screen width (false means best fit).
bool TagIleDagitilir(DagitimTuru tur, int ekranGenisligi);

} // namespace mivo
