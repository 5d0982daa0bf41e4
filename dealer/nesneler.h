#pragma once
// The records of the unit mobilstokunit as the server writes them (see NESNELER.md).
#include "server/nesnejson.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace dealer {

struct TMobilStok {
    static const char* TurAdi() { return "mobilstokunit.TMobilStok"; }
    int FStokNo = 0, FResimVar = 0;
    QString FResim;
    int FYeni = 0;
    QString FDepartman;
    double FVerilenSiparis = 0;
    QString FAltGrup;
    int FDurum = 0;
    QString FRenk, FBirim = QStringLiteral("ADET");
    double FKDV = 18, FAlinanSiparis = 0, FIsk2 = 0;
    QString FAnaGrup, FKod;
    double FIsk3 = 0, FListeFiyati = 0;
    QString FBeden;
    double FNetFiyat = 0, FIsk1 = 0, FKDVliFiyat = 0, FIsk4 = 0;
    QString FOzelKod;
    int FKampnayali = 0;
    QString FBarkod;
    double FIndirimOran = 0, FKalan = 0;
    QString FUreticiKod;
    double FKampanyaliFiyat = 0;
    QString FOemNo;
    int FBarkodNo = 0;
    QString FPKod, FDpKod, FAdi;
    double FFiyat = 0;

    template <class V> void Alanlar(V& v)
    {
        v("FStokNo", FStokNo); v("FResimVar", FResimVar); v("FResim", FResim); v("FYeni", FYeni);
        v("FDepartman", FDepartman); v("FVerilenSiparis", FVerilenSiparis); v("FAltGrup", FAltGrup);
        v("FDurum", FDurum); v("FRenk", FRenk); v("FBirim", FBirim); v("FKDV", FKDV);
        v("FAlinanSiparis", FAlinanSiparis); v("FIsk2", FIsk2); v("FAnaGrup", FAnaGrup); v("FKod", FKod);
        v("FIsk3", FIsk3); v("FListeFiyati", FListeFiyati); v("FBeden", FBeden); v("FNetFiyat", FNetFiyat);
        v("FIsk1", FIsk1); v("FKDVliFiyat", FKDVliFiyat); v("FIsk4", FIsk4); v("FOzelKod", FOzelKod);
        v("FKampnayali", FKampnayali); v("FBarkod", FBarkod); v("FIndirimOran", FIndirimOran); v("FKalan", FKalan);
        v("FUreticiKod", FUreticiKod); v("FKampanyaliFiyat", FKampanyaliFiyat); v("FOemNo", FOemNo);
        v("FBarkodNo", FBarkodNo); v("FPKod", FPKod); v("FDpKod", FDpKod); v("FAdi", FAdi); v("FFiyat", FFiyat);
    }
};

struct TMobilSepet {
    static const char* TurAdi() { return "mobilstokunit.TMobilSepet"; }
    int FKARGOID = 0, FStokNo = 0;
    QDate FTARIH;
    int FSIRANO = 0;
    QString FCARIADI;
    QDate FVERILISTARIHI;
    int FDurum = 0;
    double FMIKTAR = 0;
    int FVERENIDNO = 0;
    double FNETTUTAR = 0, FKDVLITUTAR = 0, FKDV = 0;
    int FAKTAR = 0;
    QString FSAAT;
    double FVERGITUTARI = 0;
    QString FPKod, FMODEL;
    double FINDIRIMTUTAR = 0;
    int FSTOK_STOKNO = 0;
    double FBIRIMFIYAT = 0;
    int FSEC = 0;
    QString FOEM2, FOEM3, FAnaGrup, FMARKA, FVEREN, FSTOKADI, FOEM1;
    int FCARINO = 0, FVERENSIRANO = 0, FACIKLAMA = 0;
    double FINDIRIMORANI2 = 0;
    QString FOEM4, FKUR;
    double FINDIRIMORANI3 = 0;
    int FSIPARISNO = 0;
    double FIDNO = 0;
    QString FOzelKod, FDpKod;
    double FKURTL = 0, FINDIRIMORANI1 = 0;
    QString FDIGERADI, FBarkod;
    double FTUTAR = 0;
    QString FURETICIKODU;
    double FKalan = 0;
    QString FFINISHKOD, FCARIKOD;
    double FNETBIRIMFIYAT = 0;
    QString FOemNo;
    int FTESLIMID = 0, FResimVar = 0;
    QString FResim;

    template <class V> void Alanlar(V& v)
    {
        v("FKARGOID", FKARGOID); v("FStokNo", FStokNo); v("FTARIH", FTARIH); v("FSIRANO", FSIRANO);
        v("FCARIADI", FCARIADI); v("FVERILISTARIHI", FVERILISTARIHI); v("FDurum", FDurum); v("FMIKTAR", FMIKTAR);
        v("FVERENIDNO", FVERENIDNO); v("FNETTUTAR", FNETTUTAR); v("FKDVLITUTAR", FKDVLITUTAR); v("FKDV", FKDV);
        v("FAKTAR", FAKTAR); v("FSAAT", FSAAT); v("FVERGITUTARI", FVERGITUTARI); v("FPKod", FPKod);
        v("FMODEL", FMODEL); v("FINDIRIMTUTAR", FINDIRIMTUTAR); v("FSTOK_STOKNO", FSTOK_STOKNO);
        v("FBIRIMFIYAT", FBIRIMFIYAT); v("FSEC", FSEC); v("FOEM2", FOEM2); v("FOEM3", FOEM3);
        v("FAnaGrup", FAnaGrup); v("FMARKA", FMARKA); v("FVEREN", FVEREN); v("FSTOKADI", FSTOKADI);
        v("FOEM1", FOEM1); v("FCARINO", FCARINO); v("FVERENSIRANO", FVERENSIRANO); v("FACIKLAMA", FACIKLAMA);
        v("FINDIRIMORANI2", FINDIRIMORANI2); v("FOEM4", FOEM4); v("FKUR", FKUR);
        v("FINDIRIMORANI3", FINDIRIMORANI3); v("FSIPARISNO", FSIPARISNO); v("FIDNO", FIDNO);
        v("FOzelKod", FOzelKod); v("FDpKod", FDpKod); v("FKURTL", FKURTL); v("FINDIRIMORANI1", FINDIRIMORANI1);
        v("FDIGERADI", FDIGERADI); v("FBarkod", FBarkod); v("FTUTAR", FTUTAR); v("FURETICIKODU", FURETICIKODU);
        v("FKalan", FKalan); v("FFINISHKOD", FFINISHKOD); v("FCARIKOD", FCARIKOD);
        v("FNETBIRIMFIYAT", FNETBIRIMFIYAT); v("FOemNo", FOemNo); v("FTESLIMID", FTESLIMID);
        v("FResimVar", FResimVar); v("FResim", FResim);
    }
};

struct TMobilCariBilgisi {
    static const char* TurAdi() { return "mobilstokunit.TMobilCariBilgisi"; }
    QString FBILGISAYARID, FSEHIR, FFAX1, FSATICIMAIL, FSATICIADI, FCARIADI, FEMAIL, FVERGIDAIRESI, FYETKILI,
        FAltGrup, FTEL2, FSIFRE, FGSM, FTEL1, FADRES2;
    double FTLBORC = 0, FTLALACAK = 0;
    QString FADRES1, FULKE, FAnaGrup;
    int FCARINO = 0;
    double FTLBAKIYE = 0;
    QString FVERGINO, FMAIL, FOzelKod, FKULLANICIADI, FSATICITELEFON, FCARIKOD, FFAX2, FILCE;

    template <class V> void Alanlar(V& v)
    {
        v("FBILGISAYARID", FBILGISAYARID); v("FSEHIR", FSEHIR); v("FFAX1", FFAX1); v("FSATICIMAIL", FSATICIMAIL);
        v("FSATICIADI", FSATICIADI); v("FCARIADI", FCARIADI); v("FEMAIL", FEMAIL);
        v("FVERGIDAIRESI", FVERGIDAIRESI); v("FYETKILI", FYETKILI); v("FAltGrup", FAltGrup); v("FTEL2", FTEL2);
        v("FSIFRE", FSIFRE); v("FGSM", FGSM); v("FTEL1", FTEL1); v("FADRES2", FADRES2); v("FTLBORC", FTLBORC);
        v("FTLALACAK", FTLALACAK); v("FADRES1", FADRES1); v("FULKE", FULKE); v("FAnaGrup", FAnaGrup);
        v("FCARINO", FCARINO); v("FTLBAKIYE", FTLBAKIYE); v("FVERGINO", FVERGINO); v("FMAIL", FMAIL);
        v("FOzelKod", FOzelKod); v("FKULLANICIADI", FKULLANICIADI); v("FSATICITELEFON", FSATICITELEFON);
        v("FCARIKOD", FCARIKOD); v("FFAX2", FFAX2); v("FILCE", FILCE);
    }
};

struct TAcilisEkran {
    static const char* TurAdi() { return "mobilstokunit.TAcilisEkran"; }
    int FSiraNo = 0;
    QString FResim, FBaslik, FArama;
    template <class V> void Alanlar(V& v)
    {
        v("FSiraNo", FSiraNo); v("FResim", FResim); v("FBaslik", FBaslik); v("FArama", FArama);
    }
};

// A list in the object form: {"type": list class, "id": 1, "fields": {alan: [elements]}},
// the elements numbered 2, 3, … within the value.
template <class R>
QByteArray ListeJson(const char* tur, const char* alan, const QVector<R>& ogeler)
{
    QByteArray out;
    protocol::JsonWriter w(out);
    w.raw("{\"type\":"); w.string(tur);
    w.raw(",\"id\":1,\"fields\":{");
    w.key(alan);
    w.ch('[');
    for (int i = 0; i < ogeler.size(); ++i) {
        if (i) w.ch(',');
        mivo::NesneYaz(w, ogeler[i], i + 2);
    }
    w.raw("]}}");
    return out;
}

} // namespace dealer
