#include "satirlar.h"

namespace dealer {

void tutarlariYaz(Satir& r, double miktar, double birimFiyat, double ind1, double ind2, double ind3, double kdv)
{
    const double tutar = yuvarla(miktar * birimFiyat);
    // Discounts apply one after the other.
    double net = birimFiyat;
    for (double i : {ind1, ind2, ind3})
        if (i > 0.0001) net -= yuvarla(net * i / 100.0);
    const double netTutar = yuvarla(net * miktar);
    r[QStringLiteral("MIKTAR")] = miktar;
    r[QStringLiteral("BIRIMFIYAT")] = birimFiyat;
    r[QStringLiteral("TUTAR")] = tutar;
    r[QStringLiteral("INDIRIMORANI1")] = ind1;
    r[QStringLiteral("INDIRIMORANI2")] = ind2;
    r[QStringLiteral("INDIRIMORANI3")] = ind3;
    r[QStringLiteral("INDIRIMTUTAR")] = yuvarla(tutar - netTutar);
    r[QStringLiteral("NETBIRIMFIYAT")] = net;
    r[QStringLiteral("KDV")] = kdv;
    r[QStringLiteral("NETTUTAR")] = netTutar;
    r[QStringLiteral("VERGITUTARI")] = yuvarla(netTutar * kdv / 100.0);
}

QString stokSatirSecimi()
{
    return QStringLiteral("st.kod, st.oemno, st.oem1, st.oem2, st.oem3, st.oem4, st.ureticikodu, st.digeradi, st.dpkod, "
                          "st.marka, st.model, st.anagrup, st.ozelkod, st.pkod, st.durum, st.kalan, st.alinansiparis, "
                          "st.verilensiparis");
}

void stokAlanlari(Satir& r, QSqlQuery& q, int i)
{
    static const char* adlar[] = {"FINISHKOD", "OEMNO", "OEM1", "OEM2", "OEM3", "OEM4", "URETICIKODU", "DIGERADI",
                                  "DPKOD", "MARKA", "MODEL", "ANAGRUP", "OZELKOD", "PKOD"};
    for (const char* a : adlar) r[QLatin1String(a)] = q.value(i++).toString();
    r[QStringLiteral("DURUM")] = q.value(i++).toInt();
    r[QStringLiteral("ELDEKI")] = q.value(i++).toDouble();
    r[QStringLiteral("ALINANSIPARIS")] = q.value(i++).toDouble();
    r[QStringLiteral("VERILENSIPARIS")] = q.value(i++).toDouble();
}

void SatirTablosu::ekle(const Satir& r)
{
    QVector<QVariant> v;
    v.reserve(c_.size());
    for (const auto& c : c_) v << r.value(c.name);
    y_.satir(std::move(v));
}

namespace {

// The columns shared by the basket, the order detail and the balances, up to PKOD.
QVector<protocol::Column> ortakSutunlar(bool ilkFiyat, bool oemSirasi)
{
    QVector<protocol::Column> c = {kDate("VERILISTARIHI"), kInt("SIRANO"), kInt("SIPARISNO"), kInt("CARINO"),
                                   kDateTime("TARIH"), kInt("AKTAR"), kInt("STOKNO"), kStr("BARKOD", 50),
                                   kStr("FINISHKOD", 50), kStr("OEMNO", 50), kStr("STOKADI", 100), kDbl("MIKTAR"),
                                   kDbl("BIRIMFIYAT")};
    if (ilkFiyat) c << kDbl("ILKFIYAT");
    c << kDbl("TUTAR") << kDbl("INDIRIMORANI1") << kDbl("INDIRIMORANI2") << kDbl("INDIRIMORANI3")
      << kDbl("INDIRIMTUTAR") << kDbl("NETBIRIMFIYAT") << kDbl("KDV") << kDbl("VERGITUTARI") << kDbl("NETTUTAR")
      << kStr("KUR", 5) << kDbl("KURTL") << kInt("VERENIDNO") << kStr("SAAT", 10) << kInt("TESLIMID")
      << kInt("KARGOID") << kStr("ACIKLAMA", 200) << kInt("IDNO") << kInt("VERENSIRANO") << kStr("VEREN", 50)
      << kStr("CARIKOD", 30) << kStr("CARIADI", 100);
    if (oemSirasi) c << kStr("OEM1", 50) << kStr("OEM3", 50) << kStr("OEM2", 50) << kStr("OEM4", 50);
    else c << kStr("OEM1", 50) << kStr("OEM2", 50) << kStr("OEM3", 50) << kStr("OEM4", 50);
    c << kInt("STOK_STOKNO") << kStr("URETICIKODU", 50) << kStr("DIGERADI", 100) << kStr("DPKOD", 50)
      << kStr("MARKA", 50) << kStr("MODEL", 50) << kStr("ANAGRUP", 50) << kStr("OZELKOD", 50) << kStr("PKOD", 50);
    return c;
}

} // namespace

QVector<protocol::Column> sepetSutunlari()
{
    QVector<protocol::Column> c = {kInt("SEC")};
    c << ortakSutunlar(false, false);
    c << kInt("DURUM") << kDbl("KALAN") << kInt("K");
    return c;
}

QVector<protocol::Column> siparisSatirSutunlari()
{
    QVector<protocol::Column> c = ortakSutunlar(false, false);
    c << kStr("TESLIM", 50) << kStr("KARGO", 50) << kDbl("TESLIMEDILEN") << kDbl("KALAN") << kInt("STOKHAR_NO")
      << kInt("DURUM");
    return c;
}

QVector<protocol::Column> bakiyeSutunlari()
{
    QVector<protocol::Column> c = ortakSutunlar(true, true);
    c << kStr("TESLIM", 50) << kStr("KARGO", 50) << kDbl("TESLIMEDILEN") << kDbl("KALAN") << kInt("STOKHAR_NO")
      << kDbl("ELDEKI") << kInt("DURUM") << kDbl("ALINANSIPARIS") << kDbl("VERILENSIPARIS");
    return c;
}

std::shared_ptr<protocol::RowSet> siparisSatirlari(Veritabani& db, const QString& kosul, const QVariantList& p,
                                                   bool bakiye)
{
    SatirTablosu t(bakiye ? bakiyeSutunlari() : siparisSatirSutunlari());
    QSqlQuery q = db.sorgu(
        QStringLiteral("SELECT l.id, l.sepet_id, s.id, s.cari_id, l.tarih, l.saat, l.stok_id, l.barkod, l.stokadi, "
                       "l.miktar, l.teslim_edilen, l.iptal, l.birimfiyat, l.ilkfiyat, l.indirim1, l.indirim2, l.indirim3, "
                       "l.kdv, l.kur, l.kurtl, l.veren_id, l.veren, l.aciklama, s.teslim_id, s.kargo_cinsi_id, "
                       "COALESCE(tc.adi, ''), COALESCE(kc.adi, ''), c.kod, c.adi, ")
            + stokSatirSecimi()
            + QStringLiteral(" FROM siparis_satir l JOIN siparis s ON s.id = l.siparis_id JOIN stok st ON st.id = l.stok_id "
                             "JOIN cari c ON c.id = s.cari_id LEFT JOIN teslim_cinsi tc ON tc.id = s.teslim_id "
                             "LEFT JOIN kargo_cinsi kc ON kc.id = s.kargo_cinsi_id WHERE ")
            + kosul + QStringLiteral(" ORDER BY s.id DESC, l.id"),
        p);
    while (q.next()) {
        Satir r;
        const double miktar = q.value(9).toDouble(), teslim = q.value(10).toDouble();
        const bool iptal = q.value(11).toInt() != 0;
        const double kalan = iptal ? 0.0 : qMax(0.0, miktar - teslim);
        r[QStringLiteral("STOKHAR_NO")] = q.value(0);
        r[QStringLiteral("SIRANO")] = q.value(1);
        r[QStringLiteral("SIPARISNO")] = q.value(2);
        r[QStringLiteral("IDNO")] = q.value(2);
        r[QStringLiteral("CARINO")] = q.value(3);
        r[QStringLiteral("VERILISTARIHI")] = q.value(4);
        r[QStringLiteral("TARIH")] = q.value(4).toString() + QLatin1Char(' ') + q.value(5).toString();
        r[QStringLiteral("SAAT")] = q.value(5);
        r[QStringLiteral("STOKNO")] = q.value(6);
        r[QStringLiteral("STOK_STOKNO")] = q.value(6);
        r[QStringLiteral("BARKOD")] = q.value(7);
        r[QStringLiteral("STOKADI")] = q.value(8);
        // A balance is worth what is still to be delivered.
        tutarlariYaz(r, bakiye ? kalan : miktar, q.value(12).toDouble(), q.value(14).toDouble(),
                     q.value(15).toDouble(), q.value(16).toDouble(), q.value(17).toDouble());
        r[QStringLiteral("MIKTAR")] = miktar;
        r[QStringLiteral("ILKFIYAT")] = q.value(13).toDouble();
        r[QStringLiteral("KUR")] = q.value(18);
        r[QStringLiteral("KURTL")] = q.value(19);
        r[QStringLiteral("VERENIDNO")] = q.value(20);
        r[QStringLiteral("VERENSIRANO")] = q.value(20);
        r[QStringLiteral("VEREN")] = q.value(21);
        r[QStringLiteral("ACIKLAMA")] = q.value(22);
        r[QStringLiteral("TESLIMID")] = q.value(23).toInt();
        r[QStringLiteral("KARGOID")] = q.value(24).toInt();
        r[QStringLiteral("TESLIM")] = q.value(25);
        r[QStringLiteral("KARGO")] = q.value(26);
        r[QStringLiteral("CARIKOD")] = q.value(27);
        r[QStringLiteral("CARIADI")] = q.value(28);
        r[QStringLiteral("AKTAR")] = 1;
        stokAlanlari(r, q, 29);
        r[QStringLiteral("TESLIMEDILEN")] = teslim;
        r[QStringLiteral("KALAN")] = kalan;
        t.ekle(r);
    }
    return t.tablo();
}

} // namespace dealer
