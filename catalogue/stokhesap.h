#pragma once
// The amounts of the quantity dialog, apart from its widgets.
#include <QString>

namespace mivo {

struct DiyalogTutarlari {
    double indtutar = 0;       // net unit price after discount
    double kdvdahiltutar = 0;  // VAT-inclusive net unit price
    double geneltutar = 0;     // line total
};

// TutarlariHesapla: discount above 0.0001 %, then VAT, then quantity.
DiyalogTutarlari TutarlariHesapla(double birimfiyat, double indoran, double kdvoran, int adet);
// ToplamYaz: the opening total from the VAT-inclusive unit price.
double ToplamYaz(int adet, double kdvlifiyat);
// A cost-price text ("12.50 $", "1250 TL", "9.9€") as a VAT-exclusive TL amount.
// Throws std::invalid_argument when the rest is no number.
double MaliyetCevir(const QString& metin, double usdKur, double eurKur);

} // namespace mivo
