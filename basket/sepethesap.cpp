#include "sepethesap.h"
#include "login/yuvarla.h"

namespace mivo {

SepetToplamlari SepetToplamHesapla(TMemTable& sepet)
{
    SepetToplamlari t;
    sepet.DisableControls();
    if (sepet.Active()) {
        const int sec = sepet.FieldIndex(u"SEC"), tutar = sepet.FieldIndex(u"TUTAR"),
                  ind = sepet.FieldIndex(u"INDIRIMTUTAR");
        for (sepet.First(); !sepet.Eof(); sepet.Next()) {
            const int r = sepet.RecNo();
            if (sec < 0 || sepet.Cell(r, sec).toInt() != 1) continue;
            t.toplam = Yuvarla(t.toplam + sepet.Cell(r, tutar).toDouble());
            t.indirim = Yuvarla(t.indirim + sepet.Cell(r, ind).toDouble());
        }
    }
    t.net = Yuvarla(t.toplam - t.indirim);
    t.vergi = Yuvarla(t.net * 1.18) - t.net;
    t.genel = Yuvarla(t.net + t.vergi);
    sepet.EnableControls();
    return t;
}

} // namespace mivo
