#include "stokhesap.h"
#include "login/yuvarla.h"

#include <QLocale>
#include <stdexcept>

namespace mivo {

DiyalogTutarlari TutarlariHesapla(double birimfiyat, double indoran, double kdvoran, int adet)
{
    double a = birimfiyat;
    if (indoran > 0.0001) a = a - Yuvarla(a * indoran / 100);
    DiyalogTutarlari t;
    t.indtutar = a;
    t.kdvdahiltutar = Yuvarla((kdvoran / 100 + 1) * t.indtutar);
    t.geneltutar = Yuvarla(t.kdvdahiltutar * adet);
    return t;
}

double ToplamYaz(int adet, double kdvlifiyat) { return Yuvarla(adet * kdvlifiyat); }

double MaliyetCevir(const QString& metin, double usdKur, double eurKur)
{
    double carpan = 1;
    if (metin.contains(QLatin1Char('$'))) carpan = usdKur;
    if (metin.contains(QChar(0x20AC))) carpan = eurKur;
    const QLocale loc;
    QString s = metin;
    s.remove(QLatin1Char(' '));
    s.replace(QLatin1Char('.'), loc.decimalPoint());
    s.remove(QLatin1String("TL"));
    s.remove(QLatin1Char('$'));
    s.remove(QChar(0x20AC));
    bool ok = false;
    const double sayi = MetinSayi(s, &ok);
    if (!ok) throw std::invalid_argument(("'" + metin + "' is not a valid floating point value").toStdString());
    return Yuvarla(sayi / 1.18 * carpan);
}

} // namespace mivo
