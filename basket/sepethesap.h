#pragma once
// The basket totals over the lines marked for sending (SEC = 1).
#include "server/memtable.h"

namespace mivo {

struct SepetToplamlari {
    double toplam = 0, indirim = 0, net = 0, vergi = 0, genel = 0;
};

// Rounds after every addition; the VAT rate is a fixed 18 %.
SepetToplamlari SepetToplamHesapla(TMemTable& sepet);

} // namespace mivo
