#pragma once
// Basket lines, order lines and open balances share most of their columns.
#include "ortak.h"

#include <QHash>

namespace dealer {

using Satir = QHash<QString, QVariant>;

// Amount columns of a line: TUTAR, INDIRIMTUTAR, NETBIRIMFIYAT, NETTUTAR, VERGITUTARI.
void tutarlariYaz(Satir& r, double miktar, double birimFiyat, double ind1, double ind2, double ind3, double kdv);

// Stock columns of a line (FINISHKOD, OEMNO, OEM1-4, URETICIKODU, DIGERADI, DPKOD, MARKA, MODEL,
// ANAGRUP, OZELKOD, PKOD, DURUM, ELDEKI, ALINANSIPARIS, VERILENSIPARIS) from the query's
// columns starting at `i`, in the order of stokSatirSecimi().
void stokAlanlari(Satir& r, QSqlQuery& q, int i);
QString stokSatirSecimi();   // table alias st

// The row set of the named columns.
class SatirTablosu {
public:
    explicit SatirTablosu(QVector<protocol::Column> c) : y_(c), c_(std::move(c)) {}
    void ekle(const Satir& r);
    std::shared_ptr<protocol::RowSet> tablo() { return y_.tablo(); }

private:
    TabloYapici y_;
    QVector<protocol::Column> c_;
};

QVector<protocol::Column> sepetSutunlari();
QVector<protocol::Column> siparisSatirSutunlari();
QVector<protocol::Column> bakiyeSutunlari();

// Order lines (siparis_satir l, siparis s, stok st, cari c) as order-detail or balance rows.
// `kosul` filters them; `bakiye` makes KALAN-based balance rows.
std::shared_ptr<protocol::RowSet> siparisSatirlari(Veritabani& db, const QString& kosul, const QVariantList& p,
                                                   bool bakiye);

struct FaturaToplam {
    double toplam = 0, indirim = 0, matrah = 0, kdv = 0, genel = 0;
};
// Totals of an invoice from its lines, as the statement's debit holds them.
FaturaToplam faturaToplami(Veritabani& db, qint64 hareket);

} // namespace dealer
