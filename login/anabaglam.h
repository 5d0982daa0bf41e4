#pragma once
// What the main window hands to the windows and operations of the other subsystems.
#include "server/baglanti.h"
#include "server/baglantiu.h"
#include "server/memtable.h"

#include <functional>

class QWidget;

namespace mivo {

struct AnaBaglam {
    QWidget* pencere = nullptr;          // owner of dialogs
    TSQLConnection* bagc = nullptr;      // used on the UI thread only
    TSonucBilgisi* sbilgi = nullptr;
    const double* USDKUR = nullptr;
    const double* EURKUR = nullptr;
    TMemTable* sepet = nullptr;
    std::function<void()> SepetGetir;    // reads the basket again and recomputes the totals
};

// The display text of a field of the current record (its format and the user's locale).
QString GosterimAlani(const TMemTable& t, QStringView alan);

} // namespace mivo
