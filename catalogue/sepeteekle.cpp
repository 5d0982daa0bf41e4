#include "sepeteekle.h"
#include "login/kullanicitipi.h"
#include "login/ortak.h"
#include "login/yuvarla.h"
#include "server/servermethods.h"
#include "stokayarinti.h"
#include "stokhesap.h"

#include <QLabel>
#include <QSpinBox>
#include <stdexcept>

namespace mivo {

namespace {

enum class Kaynak { Stok, Yeni, Kampanya, Sepet };

double dbl(const TMemTable& t, QStringView f)
{
    const int c = t.FieldIndex(f);
    return c < 0 ? 0.0 : t.Cell(t.RecNo(), c).toDouble();
}

QVariant ham(const TMemTable& t, QStringView f)
{
    const int c = t.FieldIndex(f);
    return c < 0 ? QVariant() : t.Cell(t.RecNo(), c);
}

// Common preparation of the four openings.
void hazirla(AnaBaglam& b, Tstokayarinti& d, const TMemTable& r, int stokno, bool sepetSatiri)
{
    ResimGetir(*b.bagc, stokno, d);
    d.kdvoran = dbl(r, u"KDV");
    d.barkod->setText(GosterimAlani(r, u"BARKOD"));
    d.adi->setText(GosterimAlani(r, sepetSatiri ? u"STOKADI" : u"ADI"));
    d.marka->setText(GosterimAlani(r, u"MARKA"));
    d.finishkod->setText(GosterimAlani(r, u"FINISHKOD"));
    d.model->setText(GosterimAlani(r, u"MODEL"));
    const int tip = b.sbilgi->MusteriTipi();
    if (tip == 1 || tip == 2) d.FiyatDegistirilebilir(true);
}

// The cost-price rule of customers whose code contains "BDM".
void maliyetKurali(AnaBaglam& b, Tstokayarinti& d, const TMemTable& r)
{
    if (!b.sbilgi->carikod().contains(QLatin1String("BDM"))) return;
    const double c = MaliyetCevir(GosterimAlani(r, u"MALIYET"), *b.USDKUR, *b.EURKUR);
    const double carpan = d.kdvoran / 100 + 1;
    d.birimfiyat->SetValue(c);
    d.kdvdahiltutar->SetValue(Yuvarla(c * carpan));
    d.kdvlifiyat = d.kdvdahiltutar->Value();
    d.indirimoran->setText(QStringLiteral("İndirim:  % 0"));
    d.indtutar->SetValue(c);
}

double miktarOku(const Tstokayarinti& d)
{
    bool ok = false;
    const double m = MetinSayi(d.adet->text(), &ok);
    if (!ok) throw std::invalid_argument(("'" + d.adet->text() + "' is not a valid floating point value").toStdString());
    return m;
}

void urunAc(AnaBaglam& b, TMemTable& r, int stokno, Kaynak k)
{
    Tstokayarinti d(b.pencere);
    hazirla(b, d, r, stokno, false);
    const double carpan = d.kdvoran / 100 + 1;
    const QVariant kv = ham(r, u"K");
    const bool kBos = !kv.isValid() || kv.isNull();
    const int K = kv.toInt();
    const QString indirimMetni = QStringLiteral("İndirim:  % ") + GosterimAlani(r, u"INDIRIM");
    switch (k) {
    case Kaynak::Stok:
        if (!kBos && K >= 0) {
            d.birimfiyat->SetValue(dbl(r, u"FIYAT"));
            if (K == 0) d.indoran->SetValue(dbl(r, u"INDIRIM"));
            d.indtutar->SetValue(dbl(r, u"NETFIYAT"));
            d.kdvdahiltutar->SetValue(dbl(r, u"KDVDAHIL"));
            d.kdvlifiyat = dbl(r, u"KDVDAHIL");
            d.indirimoran->setText(K == 0 ? indirimMetni : QStringLiteral("Kampanyalı"));
        }
        break;
    case Kaynak::Yeni:
        d.birimfiyat->SetValue(dbl(r, u"FIYAT"));
        d.indoran->SetValue(dbl(r, u"INDIRIM"));
        d.indtutar->SetValue(dbl(r, u"NETFIYAT"));
        d.kdvdahiltutar->SetValue(K > 0 ? dbl(r, u"KDVDAHIL") : Yuvarla(dbl(r, u"NETFIYAT") * carpan));
        d.kdvlifiyat = dbl(r, u"KDVDAHIL");
        d.indirimoran->setText(K > 0 ? QStringLiteral("Kampanyalı") : indirimMetni);
        break;
    case Kaynak::Kampanya:
        d.birimfiyat->SetValue(dbl(r, u"FIYAT"));
        d.indoran->SetValue(dbl(r, u"INDIRIM"));
        d.indtutar->SetValue(dbl(r, u"NETFIYAT"));
        d.kdvdahiltutar->SetValue(Yuvarla(dbl(r, u"NETFIYAT") * carpan));
        d.kdvlifiyat = dbl(r, u"KDVDAHIL");
        break;
    case Kaynak::Sepet:
        break;
    }
    d.adet->setValue(1);
    if (k == Kaynak::Stok || k == Kaynak::Kampanya) maliyetKurali(b, d, r);
    if (Tstokayarinti::Calistirici()(d) != QDialog::Accepted) return;
    SepeteEkle(b, r, miktarOku(d), d.birimfiyat->Value(), d.indoran->Value());
}

} // namespace

void StokSepeteEkle(AnaBaglam& b, TMemTable& stok, int stokno) { urunAc(b, stok, stokno, Kaynak::Stok); }
void YeniSepeteEkle(AnaBaglam& b, TMemTable& YENILER, int stokno) { urunAc(b, YENILER, stokno, Kaynak::Yeni); }
void KampanyaliSepeteEkle(AnaBaglam& b, TMemTable& kampstok, int stokno) { urunAc(b, kampstok, stokno, Kaynak::Kampanya); }

void SepetSatirDegistir(AnaBaglam& b, int sirano)
{
    TMemTable& r = *b.sepet;
    Tstokayarinti d(b.pencere);
    hazirla(b, d, r, ham(r, u"STOKNO").toInt(), true);
    const double carpan = d.kdvoran / 100 + 1;
    d.birimfiyat->SetValue(dbl(r, u"BIRIMFIYAT"));
    d.indoran->SetValue(dbl(r, u"INDIRIMORANI1"));
    d.indtutar->SetValue(dbl(r, u"NETBIRIMFIYAT"));
    d.kdvdahiltutar->SetValue(Yuvarla(dbl(r, u"NETBIRIMFIYAT") * carpan));
    d.kdvlifiyat = Yuvarla(dbl(r, u"BIRIMFIYAT") * carpan);
    d.adet->setValue(int(qBound(1.0, dbl(r, u"MIKTAR"), 10000.0)));
    if (Tstokayarinti::Calistirici()(d) != QDialog::Accepted) return;
    SepetSatirGuncelle(b, sirano, miktarOku(d), d.birimfiyat->Value(), d.indoran->Value());
    if (b.SepetGetir) b.SepetGetir();
}

void SepeteEkle(AnaBaglam& b, TMemTable& r, double miktar, double fiyat, double indirim)
{
    auto kopya = SbKopya(*b.sbilgi);
    if (!BaglantiKontrol(*b.bagc, 1)) return;
    struct Kapat { TSQLConnection& c; ~Kapat() { c.Close(); } } kapat{*b.bagc};
    TServerMethods1Client p(b.bagc);
    const int sonuc = p.SepetEkle(std::move(kopya), b.sbilgi->CARINO(), r.AsInteger(u"STOK_STOKNO"),
                                  r.AsString(u"BARKOD"), r.AsString(u"ADI"), miktar, double(int(dbl(r, u"KDV"))),
                                  fiyat, indirim, b.sbilgi->Sirano(), r.AsInteger(u"K"));
    if (sonuc == 1 && b.SepetGetir) b.SepetGetir();
}

void SepetSatirGuncelle(AnaBaglam& b, int sirano, double miktar, double fiyat, double indirim)
{
    TMemTable& r = *b.sepet;
    auto kopya = SbKopya(*b.sbilgi);
    if (!BaglantiKontrol(*b.bagc, 1)) return;
    struct Kapat { TSQLConnection& c; ~Kapat() { c.Close(); } } kapat{*b.bagc};
    TServerMethods1Client p(b.bagc);
    const int sonuc = p.SepetGuncelle(std::move(kopya), b.sbilgi->CARINO(), 0, GosterimAlani(r, u"BARKOD"),
                                      GosterimAlani(r, u"STOKADI"), miktar, double(int(dbl(r, u"KDV"))), fiyat,
                                      indirim, b.sbilgi->Sirano(), sirano);
    if (sonuc == 1 && b.SepetGetir) b.SepetGetir();
}

void UrunSatiriAc(AnaBaglam& b, TMemTable& tablo, int stokno, void (*ekle)(AnaBaglam&, TMemTable&, int))
{
    if (!tablo.Locate(u"STOK_STOKNO", stokno)) return;
    if (!b.sepet->Active() && b.SepetGetir) b.SepetGetir();
    if (b.sepet->Active() && b.sepet->Locate(u"STOKNO", stokno)) {
        SepetSatirDegistir(b, b.sepet->AsInteger(u"SIRANO"));
        return;
    }
    ekle(b, tablo, stokno);
}

} // namespace mivo
