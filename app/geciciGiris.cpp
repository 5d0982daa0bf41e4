#include "geciciGiris.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "server/servermethods.h"

namespace mivo {

int GeciciGirisCalistir(QWidget*, TSQLConnection& bagim, TSonucBilgisi& bilgim)
{
    if (!BaglantiKontrol(bagim, 1)) return mrCancel;
    TServerMethods1Client c(&bagim);
    TSonucBilgisi* b = c.BuyukGetir(bilgim.BILGISAYARID());
    if (!b) { bagim.Close(); return mrCancel; }
    const TSonucBilgisi kimlik = bilgim;
    bilgim.Kopyala(*b);
    bilgim.SetBILGISAYARID(kimlik.BILGISAYARID());
    bilgim.SetBilgiSayarAdi(kimlik.BilgiSayarAdi());
    bilgim.SetBilgisayarKullanici(kimlik.BilgisayarKullanici());
    bilgim.SetIcip(kimlik.Icip());
    bilgim.SetDisip(QStringLiteral("127.0.0.1"));
    bagim.Close();
    return mrOk;
}

} // namespace mivo
