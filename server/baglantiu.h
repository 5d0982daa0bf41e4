#pragma once
// Session and order-status records (unit baglantiu).
#include "nesnejson.h"

#include <QString>

namespace mivo {

#define MIVO_PROP(Tip, Ad) \
public: \
    const Tip& Ad() const { return F##Ad; } \
    void Set##Ad(const Tip& v) { F##Ad = v; } \
private: \
    Tip F##Ad

class TSonucBilgisi {
    MIVO_PROP(QString, BILGISAYARID);
    MIVO_PROP(QString, SaticiMail);
    MIVO_PROP(int, Sirano) = 0;
    MIVO_PROP(QString, CariAdi);
    MIVO_PROP(QString, SIFRE);
    MIVO_PROP(int, SaticiNo) = 0;
    MIVO_PROP(int, CARINO) = 0;
    MIVO_PROP(int, AKTIF) = 0;
    MIVO_PROP(QString, Kullanicimail);
    MIVO_PROP(QString, ADI);
    MIVO_PROP(QString, SaticiTelefon);
    MIVO_PROP(QString, carikod);
    MIVO_PROP(bool, Varmi) = false;
    MIVO_PROP(QString, SaticiAdi);
    MIVO_PROP(QString, BilgiSayarAdi);
    MIVO_PROP(QString, Disip);
    MIVO_PROP(QString, Icip);
    MIVO_PROP(QString, BilgisayarKullanici);
    MIVO_PROP(int, MusteriTipi) = 1;
    MIVO_PROP(int, Version) = 1;

public:
    static const char* TurAdi() { return "baglantiu.TSonucBilgisi"; }
    void Kopyala(const TSonucBilgisi& k);

    template <class V> void Alanlar(V& v)
    {
        v("FBILGISAYARID", FBILGISAYARID); v("FSaticiMail", FSaticiMail); v("FSirano", FSirano);
        v("FCariAdi", FCariAdi); v("FSIFRE", FSIFRE); v("FSaticiNo", FSaticiNo); v("FCARINO", FCARINO);
        v("FAKTIF", FAKTIF); v("FKullanicimail", FKullanicimail); v("FADI", FADI);
        v("FSaticiTelefon", FSaticiTelefon); v("Fcarikod", Fcarikod); v("FVarmi", FVarmi);
        v("FSaticiAdi", FSaticiAdi); v("FBilgiSayarAdi", FBilgiSayarAdi); v("FDisip", FDisip);
        v("FIcip", FIcip); v("FBilgisayarKullanici", FBilgisayarKullanici); v("FMusteriTipi", FMusteriTipi);
        v("FVersion", FVersion);
    }
};

class TSiparisDipAyrinti {
    MIVO_PROP(QString, SizinMesaj);
    MIVO_PROP(QString, Durumu);
    MIVO_PROP(QString, Veren);
    MIVO_PROP(QString, Kargo);
    MIVO_PROP(QString, BizimMesaj);
    MIVO_PROP(QString, TeslimCinsi);
    MIVO_PROP(QString, KargoCinsi);
    MIVO_PROP(QString, SaticiNotu);

public:
    static const char* TurAdi() { return "baglantiu.TSiparisDipAyrinti"; }
    void Kopyala(const TSiparisDipAyrinti& k);

    template <class V> void Alanlar(V& v)
    {
        v("FSizinMesaj", FSizinMesaj); v("FDurumu", FDurumu); v("FVeren", FVeren); v("FKargo", FKargo);
        v("FBizimMesaj", FBizimMesaj); v("FTeslimCinsi", FTeslimCinsi); v("FKargoCinsi", FKargoCinsi);
        v("FSaticiNotu", FSaticiNotu);
    }
};

class TTusSonuclari {
    MIVO_PROP(int, Alindi) = 0;
    MIVO_PROP(int, Onaylandi) = 0;
    MIVO_PROP(int, ParcaliHazirlandi) = 0;
    MIVO_PROP(int, SevkEdildi) = 0;
    MIVO_PROP(int, Hazirlandi) = 0;
    MIVO_PROP(int, Goruldu) = 0;

public:
    static const char* TurAdi() { return "baglantiu.TTusSonuclari"; }
    void Kopyala(const TTusSonuclari& k);

    template <class V> void Alanlar(V& v)
    {
        v("FAlindi", FAlindi); v("FOnaylandi", FOnaylandi); v("FParcaliHazirlandi", FParcaliHazirlandi);
        v("FSevkEdildi", FSevkEdildi); v("FHazirlandi", FHazirlandi); v("FGoruldu", FGoruldu);
    }
};

} // namespace mivo
