#include "baglantiu.h"

namespace mivo {

void TSonucBilgisi::Kopyala(const TSonucBilgisi& k)
{
    // Through the setters, property by property in the published order.
    SetSirano(k.Sirano()); SetBILGISAYARID(k.BILGISAYARID()); SetADI(k.ADI()); SetSIFRE(k.SIFRE());
    SetCARINO(k.CARINO()); SetAKTIF(k.AKTIF()); SetKullanicimail(k.Kullanicimail()); Setcarikod(k.carikod());
    SetCariAdi(k.CariAdi()); SetSaticiNo(k.SaticiNo()); SetSaticiTelefon(k.SaticiTelefon());
    SetSaticiMail(k.SaticiMail()); SetVarmi(k.Varmi()); SetSaticiAdi(k.SaticiAdi());
    SetBilgiSayarAdi(k.BilgiSayarAdi()); SetDisip(k.Disip()); SetIcip(k.Icip());
    SetBilgisayarKullanici(k.BilgisayarKullanici()); SetMusteriTipi(k.MusteriTipi()); SetVersion(k.Version());
}

void TSiparisDipAyrinti::Kopyala(const TSiparisDipAyrinti& k)
{
    SetDurumu(k.Durumu()); SetTeslimCinsi(k.TeslimCinsi()); SetKargoCinsi(k.KargoCinsi()); SetKargo(k.Kargo());
    SetVeren(k.Veren()); SetSizinMesaj(k.SizinMesaj()); SetBizimMesaj(k.BizimMesaj()); SetSaticiNotu(k.SaticiNotu());
}

void TTusSonuclari::Kopyala(const TTusSonuclari& k)
{
    SetAlindi(k.Alindi()); SetOnaylandi(k.Onaylandi()); SetGoruldu(k.Goruldu());
    SetParcaliHazirlandi(k.ParcaliHazirlandi()); SetHazirlandi(k.Hazirlandi()); SetSevkEdildi(k.SevkEdildi());
}

} // namespace mivo
