#pragma once
// What the logged-in user type may see, applied once after the login.
#include "server/baglantiu.h"

namespace mivo {

struct KullaniciKurallari {
    bool personel = false;       // types 1 and 2, or a customer code containing "BDM"
    bool durumGizli = false;     // type 3: no status column in the basket
    bool kampanyaGizli = false;  // type 4: no campaign tab, no "Kampanyalı" column
};

inline KullaniciKurallari KullaniciTipiKurallari(const TSonucBilgisi& b)
{
    KullaniciKurallari k;
    k.personel = b.MusteriTipi() == 1 || b.MusteriTipi() == 2 || b.carikod().contains(QLatin1String("BDM"));
    k.durumGizli = b.MusteriTipi() == 3;
    k.kampanyaGizli = b.MusteriTipi() == 4;
    return k;
}

} // namespace mivo
