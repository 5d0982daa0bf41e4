#pragma once
// Records of the unit mobilstokunit, shared by the server with its other clients.
// Same JSON object form as the records of baglantiu (see nesnejson.h).
#include "baglantiu.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <memory>
#include <vector>

namespace mivo {

// Stock.
class TMobilStok {
    MIVO_PROP(int, StokNo) = 0;
    MIVO_PROP(int, ResimVar) = 0;
    MIVO_PROP(QString, Resim);
    MIVO_PROP(int, Yeni) = 0;
    MIVO_PROP(QString, Departman);
    MIVO_PROP(double, VerilenSiparis) = 0;
    MIVO_PROP(QString, AltGrup);
    MIVO_PROP(int, Durum) = 0;
    MIVO_PROP(QString, Renk);
    MIVO_PROP(QString, Birim) = QStringLiteral("ADET");
    MIVO_PROP(double, KDV) = 18;
    MIVO_PROP(double, AlinanSiparis) = 0;
    MIVO_PROP(double, Isk2) = 0;
    MIVO_PROP(QString, AnaGrup);
    MIVO_PROP(QString, Kod);
    MIVO_PROP(double, Isk3) = 0;
    MIVO_PROP(double, ListeFiyati) = 0;
    MIVO_PROP(QString, Beden);
    MIVO_PROP(double, NetFiyat) = 0;
    MIVO_PROP(double, Isk1) = 0;
    MIVO_PROP(double, KDVliFiyat) = 0;
    MIVO_PROP(double, Isk4) = 0;
    MIVO_PROP(QString, OzelKod);
    MIVO_PROP(int, Kampnayali) = 0;
    MIVO_PROP(QString, Barkod);
    MIVO_PROP(double, IndirimOran) = 0;
    MIVO_PROP(double, Kalan) = 0;
    MIVO_PROP(QString, UreticiKod);
    MIVO_PROP(double, KampanyaliFiyat) = 0;
    MIVO_PROP(QString, OemNo);
    MIVO_PROP(int, BarkodNo) = 0;
    MIVO_PROP(QString, PKod);
    MIVO_PROP(QString, DpKod);
    MIVO_PROP(QString, Adi);
    MIVO_PROP(double, Fiyat) = 0;

public:
    static const char* TurAdi() { return "mobilstokunit.TMobilStok"; }
    void Kopyala(const TMobilStok& k);

    template <class V> void Alanlar(V& v)
    {
        v("FStokNo", FStokNo);
        v("FResimVar", FResimVar);
        v("FResim", FResim);
        v("FYeni", FYeni);
        v("FDepartman", FDepartman);
        v("FVerilenSiparis", FVerilenSiparis);
        v("FAltGrup", FAltGrup);
        v("FDurum", FDurum);
        v("FRenk", FRenk);
        v("FBirim", FBirim);
        v("FKDV", FKDV);
        v("FAlinanSiparis", FAlinanSiparis);
        v("FIsk2", FIsk2);
        v("FAnaGrup", FAnaGrup);
        v("FKod", FKod);
        v("FIsk3", FIsk3);
        v("FListeFiyati", FListeFiyati);
        v("FBeden", FBeden);
        v("FNetFiyat", FNetFiyat);
        v("FIsk1", FIsk1);
        v("FKDVliFiyat", FKDVliFiyat);
        v("FIsk4", FIsk4);
        v("FOzelKod", FOzelKod);
        v("FKampnayali", FKampnayali);
        v("FBarkod", FBarkod);
        v("FIndirimOran", FIndirimOran);
        v("FKalan", FKalan);
        v("FUreticiKod", FUreticiKod);
        v("FKampanyaliFiyat", FKampanyaliFiyat);
        v("FOemNo", FOemNo);
        v("FBarkodNo", FBarkodNo);
        v("FPKod", FPKod);
        v("FDpKod", FDpKod);
        v("FAdi", FAdi);
        v("FFiyat", FFiyat);
    }
};

// Basket line.
class TMobilSepet {
    MIVO_PROP(int, KARGOID) = 0;
    MIVO_PROP(int, StokNo) = 0;
    MIVO_PROP(QDate, TARIH);
    MIVO_PROP(int, SIRANO) = 0;
    MIVO_PROP(QString, CARIADI);
    MIVO_PROP(QDate, VERILISTARIHI);
    MIVO_PROP(int, Durum) = 0;
    MIVO_PROP(double, MIKTAR) = 0;
    MIVO_PROP(int, VERENIDNO) = 0;
    MIVO_PROP(double, NETTUTAR) = 0;
    MIVO_PROP(double, KDVLITUTAR) = 0;
    MIVO_PROP(double, KDV) = 0;
    MIVO_PROP(int, AKTAR) = 0;
    MIVO_PROP(QString, SAAT);
    MIVO_PROP(double, VERGITUTARI) = 0;
    MIVO_PROP(QString, PKod);
    MIVO_PROP(QString, MODEL);
    MIVO_PROP(double, INDIRIMTUTAR) = 0;
    MIVO_PROP(int, STOK_STOKNO) = 0;
    MIVO_PROP(double, BIRIMFIYAT) = 0;
    MIVO_PROP(int, SEC) = 0;
    MIVO_PROP(QString, OEM2);
    MIVO_PROP(QString, OEM3);
    MIVO_PROP(QString, AnaGrup);
    MIVO_PROP(QString, MARKA);
    MIVO_PROP(QString, VEREN);
    MIVO_PROP(QString, STOKADI);
    MIVO_PROP(QString, OEM1);
    MIVO_PROP(int, CARINO) = 0;
    MIVO_PROP(int, VERENSIRANO) = 0;
    MIVO_PROP(int, ACIKLAMA) = 0;
    MIVO_PROP(double, INDIRIMORANI2) = 0;
    MIVO_PROP(QString, OEM4);
    MIVO_PROP(QString, KUR);
    MIVO_PROP(double, INDIRIMORANI3) = 0;
    MIVO_PROP(int, SIPARISNO) = 0;
    MIVO_PROP(double, IDNO) = 0;
    MIVO_PROP(QString, OzelKod);
    MIVO_PROP(QString, DpKod);
    MIVO_PROP(double, KURTL) = 0;
    MIVO_PROP(double, INDIRIMORANI1) = 0;
    MIVO_PROP(QString, DIGERADI);
    MIVO_PROP(QString, Barkod);
    MIVO_PROP(double, TUTAR) = 0;
    MIVO_PROP(QString, URETICIKODU);
    MIVO_PROP(double, Kalan) = 0;
    MIVO_PROP(QString, FINISHKOD);
    MIVO_PROP(QString, CARIKOD);
    MIVO_PROP(double, NETBIRIMFIYAT) = 0;
    MIVO_PROP(QString, OemNo);
    MIVO_PROP(int, TESLIMID) = 0;
    MIVO_PROP(int, ResimVar) = 0;
    MIVO_PROP(QString, Resim);

public:
    static const char* TurAdi() { return "mobilstokunit.TMobilSepet"; }
    void Kopyala(const TMobilSepet& k);

    template <class V> void Alanlar(V& v)
    {
        v("FKARGOID", FKARGOID);
        v("FStokNo", FStokNo);
        v("FTARIH", FTARIH);
        v("FSIRANO", FSIRANO);
        v("FCARIADI", FCARIADI);
        v("FVERILISTARIHI", FVERILISTARIHI);
        v("FDurum", FDurum);
        v("FMIKTAR", FMIKTAR);
        v("FVERENIDNO", FVERENIDNO);
        v("FNETTUTAR", FNETTUTAR);
        v("FKDVLITUTAR", FKDVLITUTAR);
        v("FKDV", FKDV);
        v("FAKTAR", FAKTAR);
        v("FSAAT", FSAAT);
        v("FVERGITUTARI", FVERGITUTARI);
        v("FPKod", FPKod);
        v("FMODEL", FMODEL);
        v("FINDIRIMTUTAR", FINDIRIMTUTAR);
        v("FSTOK_STOKNO", FSTOK_STOKNO);
        v("FBIRIMFIYAT", FBIRIMFIYAT);
        v("FSEC", FSEC);
        v("FOEM2", FOEM2);
        v("FOEM3", FOEM3);
        v("FAnaGrup", FAnaGrup);
        v("FMARKA", FMARKA);
        v("FVEREN", FVEREN);
        v("FSTOKADI", FSTOKADI);
        v("FOEM1", FOEM1);
        v("FCARINO", FCARINO);
        v("FVERENSIRANO", FVERENSIRANO);
        v("FACIKLAMA", FACIKLAMA);
        v("FINDIRIMORANI2", FINDIRIMORANI2);
        v("FOEM4", FOEM4);
        v("FKUR", FKUR);
        v("FINDIRIMORANI3", FINDIRIMORANI3);
        v("FSIPARISNO", FSIPARISNO);
        v("FIDNO", FIDNO);
        v("FOzelKod", FOzelKod);
        v("FDpKod", FDpKod);
        v("FKURTL", FKURTL);
        v("FINDIRIMORANI1", FINDIRIMORANI1);
        v("FDIGERADI", FDIGERADI);
        v("FBarkod", FBarkod);
        v("FTUTAR", FTUTAR);
        v("FURETICIKODU", FURETICIKODU);
        v("FKalan", FKalan);
        v("FFINISHKOD", FFINISHKOD);
        v("FCARIKOD", FCARIKOD);
        v("FNETBIRIMFIYAT", FNETBIRIMFIYAT);
        v("FOemNo", FOemNo);
        v("FTESLIMID", FTESLIMID);
        v("FResimVar", FResimVar);
        v("FResim", FResim);
    }
};

// Customer account.
class TMobilCariBilgisi {
    MIVO_PROP(QString, BILGISAYARID);
    MIVO_PROP(QString, SEHIR);
    MIVO_PROP(QString, FAX1);
    MIVO_PROP(QString, SATICIMAIL);
    MIVO_PROP(QString, SATICIADI);
    MIVO_PROP(QString, CARIADI);
    MIVO_PROP(QString, EMAIL);
    MIVO_PROP(QString, VERGIDAIRESI);
    MIVO_PROP(QString, YETKILI);
    MIVO_PROP(QString, AltGrup);
    MIVO_PROP(QString, TEL2);
    MIVO_PROP(QString, SIFRE);
    MIVO_PROP(QString, GSM);
    MIVO_PROP(QString, TEL1);
    MIVO_PROP(QString, ADRES2);
    MIVO_PROP(double, TLBORC) = 0;
    MIVO_PROP(double, TLALACAK) = 0;
    MIVO_PROP(QString, ADRES1);
    MIVO_PROP(QString, ULKE);
    MIVO_PROP(QString, AnaGrup);
    MIVO_PROP(int, CARINO) = 0;
    MIVO_PROP(double, TLBAKIYE) = 0;
    MIVO_PROP(QString, VERGINO);
    MIVO_PROP(QString, MAIL);
    MIVO_PROP(QString, OzelKod);
    MIVO_PROP(QString, KULLANICIADI);
    MIVO_PROP(QString, SATICITELEFON);
    MIVO_PROP(QString, CARIKOD);
    MIVO_PROP(QString, FAX2);
    MIVO_PROP(QString, ILCE);

public:
    static const char* TurAdi() { return "mobilstokunit.TMobilCariBilgisi"; }
    void Kopyala(const TMobilCariBilgisi& k);

    template <class V> void Alanlar(V& v)
    {
        v("FBILGISAYARID", FBILGISAYARID);
        v("FSEHIR", FSEHIR);
        v("FFAX1", FFAX1);
        v("FSATICIMAIL", FSATICIMAIL);
        v("FSATICIADI", FSATICIADI);
        v("FCARIADI", FCARIADI);
        v("FEMAIL", FEMAIL);
        v("FVERGIDAIRESI", FVERGIDAIRESI);
        v("FYETKILI", FYETKILI);
        v("FAltGrup", FAltGrup);
        v("FTEL2", FTEL2);
        v("FSIFRE", FSIFRE);
        v("FGSM", FGSM);
        v("FTEL1", FTEL1);
        v("FADRES2", FADRES2);
        v("FTLBORC", FTLBORC);
        v("FTLALACAK", FTLALACAK);
        v("FADRES1", FADRES1);
        v("FULKE", FULKE);
        v("FAnaGrup", FAnaGrup);
        v("FCARINO", FCARINO);
        v("FTLBAKIYE", FTLBAKIYE);
        v("FVERGINO", FVERGINO);
        v("FMAIL", FMAIL);
        v("FOzelKod", FOzelKod);
        v("FKULLANICIADI", FKULLANICIADI);
        v("FSATICITELEFON", FSATICITELEFON);
        v("FCARIKOD", FCARIKOD);
        v("FFAX2", FFAX2);
        v("FILCE", FILCE);
    }
};

// Opening screen or announcement.
class TAcilisEkran {
    MIVO_PROP(int, SiraNo) = 0;
    MIVO_PROP(QString, Resim);
    MIVO_PROP(QString, Baslik);
    MIVO_PROP(QString, Arama);

public:
    static const char* TurAdi() { return "mobilstokunit.TAcilisEkran"; }

    template <class V> void Alanlar(V& v)
    {
        v("FSiraNo", FSiraNo);
        v("FResim", FResim);
        v("FBaslik", FBaslik);
        v("FArama", FArama);
    }
};
// An object list that owns its elements, in server order; freeing the list frees them.
template <class E>
class TNesneListesi {
public:
    TNesneListesi() = default;
    TNesneListesi(const TNesneListesi&) = delete;
    TNesneListesi& operator=(const TNesneListesi&) = delete;
    TNesneListesi(TNesneListesi&&) = default;
    TNesneListesi& operator=(TNesneListesi&&) = default;

    int Count() const { return int(FItems.size()); }
    // nullptr outside 0..Count()-1.
    E* Items(int i) const { return i >= 0 && i < Count() ? FItems[size_t(i)].get() : nullptr; }
    E* operator[](int i) const { return Items(i); }
    // Takes the element; returns it for filling in.
    E* Add(std::unique_ptr<E> e) { FItems.push_back(std::move(e)); return FItems.back().get(); }
    E* Add() { return Add(std::make_unique<E>()); }
    void Delete(int i) { if (Items(i)) FItems.erase(FItems.begin() + i); }
    void Clear() { FItems.clear(); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

    template <class V> void Alanlar(V& v) { v("FItems", FItems); }

protected:
    std::vector<std::unique_ptr<E>> FItems;
};

class TMobilStoklar : public TNesneListesi<TMobilStok> {
public:
    static const char* TurAdi() { return "mobilstokunit.TMobilStoklar"; }
};

class TMobilSepetler : public TNesneListesi<TMobilSepet> {
public:
    static const char* TurAdi() { return "mobilstokunit.TMobilSepetler"; }
};

class TAcilisEkranlar : public TNesneListesi<TAcilisEkran> {
public:
    static const char* TurAdi() { return "mobilstokunit.TAcilisEkranlar"; }
};

// Opening screens as one array field. The elements are held by value, so freeing the
// holder leaves nothing behind for the receiver to free.
class TAcilisEkranlariki {
    MIVO_PROP(QVector<TAcilisEkran>, Ekranlar);

public:
    static const char* TurAdi() { return "mobilstokunit.TAcilisEkranlariki"; }

    template <class V> void Alanlar(V& v) { v("FEkranlar", FEkranlar); }
};

} // namespace mivo
