// Login, customers, orders, statements, invoices, collections and open balances.
#include "satirlar.h"
#include "yontemler.h"

using namespace dealer;
using protocol::Value;

namespace {

// A sales representative of type 1 sees his own customers; the others see all.
qint64 saticiKisiti(Veritabani& db, const mivo::TSonucBilgisi& b)
{
    if (b.MusteriTipi() != 1 || b.Sirano() <= 0) return 0;
    return db.tekDeger(QStringLiteral("SELECT COALESCE(satici_id, 0) FROM hesap WHERE id = ? AND musteritipi = 1"),
                       {b.Sirano()}).toLongLong();
}

// Orders counted under a state list (1 = basket, 2.. = the order states of the customer window).
// Shipped orders count for the last 30 days only; the older ones are history.
QString durumKosulu(int liste)
{
    switch (liste) {
    case 2: return QStringLiteral("s.durum = 0");
    case 3: return QStringLiteral("s.durum = 2");
    case 4: return QStringLiteral("s.durum = 1");
    case 5: return QStringLiteral("s.durum = 3");
    case 6: return QStringLiteral("s.durum = 4");
    case 7: return QStringLiteral("s.durum = 5 AND s.tarih >= ?");
    default: return {};
    }
}

QString otuzGunOnce() { return QDate::currentDate().addDays(-30).toString(QStringLiteral("yyyy-MM-dd")); }

std::shared_ptr<protocol::RowSet> cariListesi(Veritabani& db, const QString& kosul, const QVariantList& p)
{
    TabloYapici y({kInt("CARINO"), kStr("CARIKOD", 30), kStr("CARIADI", 100), kStr("SATICISI", 50), kDbl("TLBAKIYE"),
                   kStr("DURUM", 5), kStr("OZELKOD", 30), kStr("KOD1", 30), kStr("KOD2", 30), kStr("KOD3", 30),
                   kStr("KOD4", 30), kStr("KOD5", 30), kStr("TEL1", 30), kStr("TEL2", 30), kStr("ILCE", 50),
                   kStr("IL", 50), kStr("GSM", 30), kInt("SEPET"), kStr("YETKILI", 50), kDbl("INDIRIM"), kInt("VADE"),
                   kInt("VADEKONTROLGUN"), kInt("VADEKONTROLAY"), kStr("VERGIDAIRESI", 50), kStr("VERGINO", 30),
                   kStr("ADRES1", 100), kStr("ADRES2", 100), kStr("ANAGRUP", 50), kStr("ALTGRUP", 50),
                   kStr("FAX1", 30), kStr("FAX2", 30), kStr("EMAIL", 100), kInt("ALINDI"), kInt("ONAYLANDI"),
                   kInt("GORULDU"), kInt("HAZIRLANDI"), kInt("PARCALIHAZIRLANDI")});
    QSqlQuery q = db.sorgu(
        QStringLiteral(
            "SELECT c.id, c.kod, c.adi, COALESCE(sa.adi, ''), COALESCE(h.bakiye, 0), c.ozelkod, c.kod1, c.kod2, c.kod3, "
            "c.kod4, c.kod5, c.tel1, c.tel2, c.ilce, c.il, c.gsm, COALESCE(b.n, 0), c.yetkili, c.indirim, c.vade, "
            "c.vadekontrolgun, c.vadekontrolay, c.vergidairesi, c.vergino, c.adres1, c.adres2, c.anagrup, c.altgrup, "
            "c.fax1, c.fax2, c.email, COALESCE(o.alindi, 0), COALESCE(o.onaylandi, 0), COALESCE(o.goruldu, 0), "
            "COALESCE(o.hazirlandi, 0), COALESCE(o.parcali, 0) "
            "FROM cari c LEFT JOIN satici sa ON sa.id = c.satici_id "
            "LEFT JOIN (SELECT cari_id, SUM(borc - alacak) AS bakiye FROM cari_hareket GROUP BY cari_id) h ON h.cari_id = c.id "
            "LEFT JOIN (SELECT cari_id, COUNT(*) AS n FROM sepet GROUP BY cari_id) b ON b.cari_id = c.id "
            "LEFT JOIN (SELECT cari_id, SUM(CASE WHEN durum = 0 THEN 1 ELSE 0 END) AS alindi, "
            "SUM(CASE WHEN durum = 2 THEN 1 ELSE 0 END) AS onaylandi, SUM(CASE WHEN durum = 1 THEN 1 ELSE 0 END) AS goruldu, "
            "SUM(CASE WHEN durum = 4 THEN 1 ELSE 0 END) AS hazirlandi, SUM(CASE WHEN durum = 3 THEN 1 ELSE 0 END) AS parcali "
            "FROM siparis GROUP BY cari_id) o ON o.cari_id = c.id WHERE ")
            + kosul + QStringLiteral(" ORDER BY c.adi, c.id LIMIT 2000"),
        p);
    while (q.next()) {
        QVector<QVariant> r;
        for (int i = 0; i < 36; ++i) r << q.value(i);
        const double bak = yuvarla(r[4].toDouble());
        r[4] = bak;
        r.insert(5, bak > 0 ? QStringLiteral("B") : bak < 0 ? QStringLiteral("A") : QString());
        y.satir(r);
    }
    return y.tablo();
}

void siparisListesi(Cagri& c, qint64 carino)
{
    TabloYapici y({kInt("CARINO"), kInt("IDNO"), kDate("TARIH"), kStr("KUR", 5), kDbl("KURTL"), kInt("VERENIDNO"),
                   kStr("KARGO", 50), kStr("TESLIM", 50), kStr("VEREN", 50), kStr("CARIKOD", 30), kStr("CARIADI", 100),
                   kDbl("VERGI"), kDbl("NETTUTAR"), kDbl("TUTAR"), kStr("DURUM", 30), kStr("KARGOADI", 50),
                   kMemo("VERENINNOTU"), kMemo("ALANNOTU"), kMemo("SATICINOTU"), kStr("SAAT", 10)});
    QSqlQuery q = c.db.sorgu(
        QStringLiteral("SELECT s.cari_id, s.id, s.tarih, s.kur, s.kurtl, s.veren_id, COALESCE(kc.adi, ''), "
                       "COALESCE(tc.adi, ''), s.veren, c.kod, c.adi, COALESCE(l.vergi, 0), COALESCE(l.net, 0), "
                       "COALESCE(l.tutar, 0), s.durum, COALESCE(kf.adi, ''), s.musteri_notu, s.bayi_notu, s.satici_notu, s.saat "
                       "FROM siparis s JOIN cari c ON c.id = s.cari_id "
                       "LEFT JOIN kargo_cinsi kc ON kc.id = s.kargo_cinsi_id LEFT JOIN teslim_cinsi tc ON tc.id = s.teslim_id "
                       "LEFT JOIN kargo_firma kf ON kf.id = s.kargo_firma_id "
                       "LEFT JOIN (SELECT siparis_id, SUM(miktar * birimfiyat) AS tutar, "
                       "SUM(miktar * birimfiyat * (1 - indirim1 / 100.0)) AS net, "
                       "SUM(miktar * birimfiyat * (1 - indirim1 / 100.0) * kdv / 100.0) AS vergi "
                       "FROM siparis_satir WHERE iptal = 0 GROUP BY siparis_id) l ON l.siparis_id = s.id "
                       "WHERE s.cari_id = ? ORDER BY s.id DESC"),
        {carino});
    while (q.next()) {
        QVector<QVariant> r;
        for (int i = 0; i < 20; ++i) r << q.value(i);
        r[11] = yuvarla(r[11].toDouble());
        r[12] = yuvarla(r[12].toDouble());
        r[13] = yuvarla(r[13].toDouble());
        r[14] = siparisDurumAdi(r[14].toInt());
        y.satir(r);
    }
    c.tablo(y.tablo());
}

// The statement rows with the running balance the client recomputes (and others may use).
void ekstre(Cagri& c, qint64 carino, const QString& bas, const QString& son)
{
    TabloYapici y({kInt("CARINO"), kDate("TARIH"), kStr("TURADI", 50), kStr("EVRAK", 30), kDbl("BORC"), kDbl("ALACAK"),
                   kStr("KUR", 5), kDbl("BAKIYE"), kStr("D", 1), kInt("IDNO"), kStr("ACIKLAMA", 200), kInt("VADE")});
    double bakiye = 0;
    auto ekle = [&](QVector<QVariant> r) {
        bakiye += r[4].toDouble() - r[5].toDouble();
        r[7] = yuvarla(bakiye);
        r[8] = bakiye > 0.004 ? QStringLiteral("B") : bakiye < -0.004 ? QStringLiteral("A") : QStringLiteral(" ");
        y.satir(std::move(r));
    };
    QString kosul = QStringLiteral("cari_id = ?");
    QVariantList p{carino};
    if (!bas.isEmpty()) {
        QSqlQuery d = c.db.sorgu(QStringLiteral("SELECT COALESCE(SUM(borc), 0), COALESCE(SUM(alacak), 0) FROM cari_hareket "
                                                "WHERE cari_id = ? AND tarih < ?"),
                                 {carino, bas});
        d.next();
        const double b = d.value(0).toDouble(), a = d.value(1).toDouble();
        if (b != 0 || a != 0)
            ekle({carino, bas, QStringLiteral("Devir"), QString(), b > a ? yuvarla(b - a) : 0.0,
                  a > b ? yuvarla(a - b) : 0.0, QStringLiteral("TL"), 0.0, QString(), 0,
                  QStringLiteral("Önceki dönemden devir"), 0});
        kosul += QStringLiteral(" AND tarih >= ?");
        p << bas;
    }
    if (!son.isEmpty()) {
        kosul += QStringLiteral(" AND tarih <= ?");
        p << son;
    }
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT cari_id, tarih, turadi, evrakno, borc, alacak, kur, 0, ' ', id, aciklama, vade "
                                            "FROM cari_hareket WHERE ")
                                 + kosul + QStringLiteral(" ORDER BY tarih, id"),
                             p);
    while (q.next()) {
        QVector<QVariant> r;
        for (int i = 0; i < 12; ++i) r << q.value(i);
        ekle(r);
    }
    c.tablo(y.tablo());
}

} // namespace

namespace dealer {
FaturaToplam faturaToplami(Veritabani& db, qint64 hareket)
{
    FaturaToplam t;
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT miktar, birimfiyat, indirim1, indirim2, kdv, masraf FROM fatura_satir "
                                          "WHERE hareket_id = ? ORDER BY id"),
                           {hareket});
    while (q.next()) {
        const double m = q.value(0).toDouble(), f = q.value(1).toDouble();
        const double brut = yuvarla(m * f);
        double net = f;
        for (int i : {2, 3})
            if (q.value(i).toDouble() > 0.0001) net -= yuvarla(net * q.value(i).toDouble() / 100.0);
        const double netTutar = yuvarla(net * m) + q.value(5).toDouble();
        t.toplam = yuvarla(t.toplam + brut);
        t.indirim = yuvarla(t.indirim + (brut - yuvarla(net * m)));
        t.matrah = yuvarla(t.matrah + netTutar);
        t.kdv = yuvarla(t.kdv + yuvarla(netTutar * q.value(4).toDouble() / 100.0));
    }
    t.genel = yuvarla(t.matrah + t.kdv);
    return t;
}
} // namespace dealer

// The account registered for a computer identifier. An unknown computer gets a record
// with nothing in it but the expected program version, so the login can check the
// version first and then offer the registration.
MIVO_YONTEM(BuyukGetir)
{
    mivo::TSonucBilgisi b;
    b.SetVersion(5);
    b.SetMusteriTipi(0);
    QSqlQuery q = c.db.sorgu(QStringLiteral(
        "SELECT h.id, h.adi, h.sifre, h.musteritipi, h.aktif, h.versiyon, h.mail, "
        "COALESCE(k.id, 0), COALESCE(k.kod, ''), COALESCE(k.adi, ''), "
        "COALESCE(s.id, 0), COALESCE(s.adi, ''), COALESCE(s.telefon, ''), COALESCE(s.mail, '') "
        "FROM hesap h LEFT JOIN cari k ON k.id = h.cari_id "
        "LEFT JOIN satici s ON s.id = COALESCE(h.satici_id, k.satici_id) "
        "WHERE h.bilgisayarid = ?"), {c.metin(0)});
    if (q.next()) {
        b.SetBILGISAYARID(c.metin(0));
        b.SetSirano(q.value(0).toInt());
        b.SetADI(q.value(1).toString());
        b.SetSIFRE(q.value(2).toString());
        b.SetMusteriTipi(q.value(3).toInt());
        b.SetAKTIF(q.value(4).toInt());
        b.SetVersion(q.value(5).toInt());
        b.SetKullanicimail(q.value(6).toString());
        b.SetCARINO(q.value(7).toInt());
        b.Setcarikod(q.value(8).toString());
        b.SetCariAdi(q.value(9).toString());
        b.SetSaticiNo(q.value(10).toInt());
        b.SetSaticiAdi(q.value(11).toString());
        b.SetSaticiTelefon(q.value(12).toString());
        b.SetSaticiMail(q.value(13).toString());
        b.SetVarmi(true);
    }
    c.nesne(&b);
}

MIVO_YONTEM(CariAra)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    QVariantList p;
    QString kosul = QStringLiteral("1 = 1");
    const Arama a = aramaCoz(c.metin(1));
    if (!a.bos()) kosul = aramaKosulu(a, QStringLiteral("c.arama"), p);
    if (const qint64 s = saticiKisiti(c.db, b)) {
        kosul += QStringLiteral(" AND c.satici_id = ?");
        p << s;
    }
    c.tablo(cariListesi(c.db, kosul, p));
}

MIVO_YONTEM(CariSepetVer)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    const int n = c.tam(1);
    QVariantList p;
    QString kosul;
    if (n == 1) {
        kosul = QStringLiteral("EXISTS (SELECT 1 FROM sepet x WHERE x.cari_id = c.id)");
    } else if (const QString d = durumKosulu(n); !d.isEmpty()) {
        kosul = QStringLiteral("EXISTS (SELECT 1 FROM siparis s WHERE s.cari_id = c.id AND ") + d + QLatin1Char(')');
        if (n == 7) p << otuzGunOnce();
    } else {
        kosul = QStringLiteral("1 = 0");
    }
    if (const qint64 s = saticiKisiti(c.db, b)) {
        kosul += QStringLiteral(" AND c.satici_id = ?");
        p << s;
    }
    c.tablo(cariListesi(c.db, kosul, p));
}

// Number of customers with something in their basket.
MIVO_YONTEM(SepetSayisi)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    QString sql = QStringLiteral("SELECT COUNT(DISTINCT x.cari_id) FROM sepet x JOIN cari c ON c.id = x.cari_id");
    QVariantList p;
    if (const qint64 s = saticiKisiti(c.db, b)) {
        sql += QStringLiteral(" WHERE c.satici_id = ?");
        p << s;
    }
    c.sonuc(Value::int32(c.db.tekDeger(sql, p).toInt()));
}

MIVO_YONTEM(TusSonuclariVer)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    const qint64 sat = saticiKisiti(c.db, b);
    auto say = [&](int liste) {
        QString sql = QStringLiteral("SELECT COUNT(*) FROM siparis s JOIN cari c ON c.id = s.cari_id WHERE ") + durumKosulu(liste);
        QVariantList p;
        if (liste == 7) p << otuzGunOnce();
        if (sat) { sql += QStringLiteral(" AND c.satici_id = ?"); p << sat; }
        return c.db.tekDeger(sql, p).toInt();
    };
    mivo::TTusSonuclari t;
    t.SetAlindi(say(2));
    t.SetOnaylandi(say(3));
    t.SetGoruldu(say(4));
    t.SetParcaliHazirlandi(say(5));
    t.SetHazirlandi(say(6));
    t.SetSevkEdildi(say(7));
    c.nesne(&t);
}

MIVO_YONTEM(OncekiSiparisler2) { siparisListesi(c, c.tam(0)); }
MIVO_YONTEM(OncekiSiparisler) { siparisListesi(c, c.tam(0)); }
MIVO_YONTEM(Oncekiler) { siparisListesi(c, c.tam(0)); }

MIVO_YONTEM(SiparisAyrintisi)
{
    QString kosul = QStringLiteral("s.id = ?");
    QVariantList p{c.tam(1)};
    if (c.tam(0) > 0) { kosul += QStringLiteral(" AND s.cari_id = ?"); p << c.tam(0); }
    c.tablo(siparisSatirlari(c.db, kosul, p, false));
}

// The footer of an order; carino 0 means any customer. An unknown order gives an empty footer.
MIVO_YONTEM(SiparisAytintisiDip)
{
    mivo::TSiparisDipAyrinti d;
    QString sql = QStringLiteral("SELECT s.musteri_notu, s.durum, s.veren, COALESCE(kf.adi, ''), s.bayi_notu, "
                                 "COALESCE(tc.adi, ''), COALESCE(kc.adi, ''), s.satici_notu FROM siparis s "
                                 "LEFT JOIN kargo_firma kf ON kf.id = s.kargo_firma_id "
                                 "LEFT JOIN teslim_cinsi tc ON tc.id = s.teslim_id "
                                 "LEFT JOIN kargo_cinsi kc ON kc.id = s.kargo_cinsi_id WHERE s.id = ?");
    QVariantList p{c.tam(1)};
    if (c.tam(0) > 0) { sql += QStringLiteral(" AND s.cari_id = ?"); p << c.tam(0); }
    QSqlQuery q = c.db.sorgu(sql, p);
    if (q.next()) {
        d.SetSizinMesaj(q.value(0).toString());
        d.SetDurumu(siparisDurumAdi(q.value(1).toInt()));
        d.SetVeren(q.value(2).toString());
        d.SetKargo(q.value(3).toString());
        d.SetBizimMesaj(q.value(4).toString());
        d.SetTeslimCinsi(q.value(5).toString());
        d.SetKargoCinsi(q.value(6).toString());
        d.SetSaticiNotu(q.value(7).toString());
    }
    c.nesne(&d);
}

MIVO_YONTEM(CariEkstreVer) { ekstre(c, c.tam(0), {}, {}); }

MIVO_YONTEM(CariEkstreVer2)
{
    const QDate b = gunSayisindan(c.ondalik(1)), s = gunSayisindan(c.ondalik(2));
    ekstre(c, c.tam(0), b.isValid() ? b.toString(QStringLiteral("yyyy-MM-dd")) : QString(),
           s.isValid() ? s.toString(QStringLiteral("yyyy-MM-dd")) : QString());
}

// The balance carried into a period starting at tarih1.
MIVO_YONTEM(CariEkstreVer2Baslik)
{
    const QDate d = gunSayisindan(c.ondalik(1));
    const QString t = d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QStringLiteral("9999-12-31");
    TabloYapici y({kInt("CARINO"), kDate("TARIH"), kDbl("BORC"), kDbl("ALACAK"), kDbl("BAKIYE"), kStr("D", 1)});
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT COALESCE(SUM(borc), 0), COALESCE(SUM(alacak), 0) FROM cari_hareket "
                                            "WHERE cari_id = ? AND tarih < ?"),
                             {c.tam(0), t});
    q.next();
    const double b = yuvarla(q.value(0).toDouble()), a = yuvarla(q.value(1).toDouble());
    const double k = yuvarla(b - a);
    y.satir({c.tam(0), t, b, a, k, k > 0 ? QStringLiteral("B") : k < 0 ? QStringLiteral("A") : QStringLiteral(" ")});
    c.tablo(y.tablo());
}

MIVO_YONTEM(FaturaGetir)
{
    QVector<protocol::Column> k = {
        kStr("OEMNO", 50), kStr("STOKADI", 100), kStr("FINISHKOD", 50), kStr("MARKA", 50), kStr("MODEL", 50),
        kStr("ANAGRUP", 50), kStr("OZELKOD", 50), kStr("BIRIM", 10), kStr("BARKOD", 50), kDate("STOKHAR_HAREKETTARIHI"),
        kStr("STOKHAR_HAREKETTIPI2", 50), kStr("EVRAKNO", 30), kDbl("STOKHAR_MIKTAR"), kDbl("STOKHAR_TLBIRIMFIYATI"),
        kDbl("STOKHAR_TLVERGI"), kDbl("STOKHAR_TLTUTAR"), kDbl("STOKHAR_INDIRIM1"), kDbl("STOKHAR_INDIRIM2"),
        kDbl("STOKHAR_INDIRIM3"), kDbl("STOKHAR_INDIRIM4"), kDbl("STOKHAR_INDIRIM5"), kDbl("STOKHAR_INDIRIM6"),
        kDbl("STOKHAR_INDIRIM7"), kDbl("STOKHAR_INDIRIM8"), kDbl("STOKHAR_DOVIZBIRIMFIYATI"), kDbl("STOKHAR_DOVIZVERGI"),
        kDbl("STOKHAR_DOVIZTUTAR"), kStr("IRSALIYEEVRAKNO", 30), kDate("STOKHAR_IRSTARIHI"), kDbl("KDV"),
        kStr("STOKHAR_PARTI", 20), kStr("STOKHAR_BEDEN", 20), kStr("STOKHAR_RENK", 20), kStr("SATIRACIKLMASI", 200),
        kDbl("STOKHAR_TOPLAMINDIRIM"), kDbl("STOKHAR_MASRAF1"), kDbl("STOKHAR_MASRAF2"), kDbl("STOKHAR_TOPLAMMASRAF"),
        kDbl("STOKHAR_DOVIZTOPLAMINDIRIM"), kDbl("STOKHAR_DOVIZTOPLAMMASRAF"), kStr("STOKHAR_SAAT", 10),
        kDbl("STOKHAR_NETTLBIRIMFIYATI"), kDbl("STOKHAR_NETDOVIZBIRIMFIYATI"), kDbl("STOKHAR_NETTLTUTAR"),
        kDbl("STOKHAR_NETDOVIZTUTAR"), kDbl("STOKHAR_KURTL"), kInt("STOKHAR_VADE"), kInt("SIPARISTIPI"),
        kStr("SIPARISEVRAKNO", 30), kDate("SIPARISTARIHI"), kInt("IRSALIYETIPINO"), kStr("IRSALIYETIP2", 30),
        kStr("STOKCARIKOD", 30), kInt("SUBE_NO"), kInt("STOKHAR_CARINO"), kStr("KUR_KURSIMGE", 5), kStr("SATICIADI", 50),
        kStr("URETICIKODU", 50), kStr("DPKOD", 50), kStr("ENADI", 100), kStr("PKOD", 50), kStr("BELGENO", 30),
        kInt("IDNO")};
    SatirTablosu t(k);
    QString sql = QStringLiteral(
        "SELECT st.oemno, st.adi, st.kod, st.marka, st.model, st.anagrup, st.ozelkod, st.birim, st.barkod, h.tarih, "
        "h.turadi, h.evrakno, f.miktar, f.birimfiyat, f.indirim1, f.indirim2, f.kdv, f.masraf, f.irsaliyeno, h.saat, "
        "h.vade, f.siparis_id, COALESCE(sp.tarih, ''), c.kod, h.cari_id, COALESCE(sa.adi, ''), st.ureticikodu, st.dpkod, "
        "st.digeradi, st.pkod, f.id, f.aciklama, h.kurtl "
        "FROM fatura_satir f JOIN cari_hareket h ON h.id = f.hareket_id JOIN stok st ON st.id = f.stok_id "
        "JOIN cari c ON c.id = h.cari_id LEFT JOIN satici sa ON sa.id = h.satici_id "
        "LEFT JOIN siparis sp ON sp.id = f.siparis_id WHERE h.id = ?");
    QVariantList p{c.tam(1)};
    if (c.tam(0) > 0) { sql += QStringLiteral(" AND h.cari_id = ?"); p << c.tam(0); }
    QSqlQuery q = c.db.sorgu(sql + QStringLiteral(" ORDER BY f.id"), p);
    while (q.next()) {
        Satir r;
        const char* ad[] = {"OEMNO", "STOKADI", "FINISHKOD", "MARKA", "MODEL", "ANAGRUP", "OZELKOD", "BIRIM", "BARKOD"};
        for (int i = 0; i < 9; ++i) r[QLatin1String(ad[i])] = q.value(i);
        r[QStringLiteral("STOKHAR_HAREKETTARIHI")] = q.value(9);
        r[QStringLiteral("STOKHAR_HAREKETTIPI2")] = q.value(10);
        r[QStringLiteral("EVRAKNO")] = q.value(11);
        const double m = q.value(12).toDouble(), f = q.value(13).toDouble();
        const double i1 = q.value(14).toDouble(), i2 = q.value(15).toDouble(), kdv = q.value(16).toDouble();
        const double masraf = q.value(17).toDouble();
        double net = f;
        for (double i : {i1, i2})
            if (i > 0.0001) net -= yuvarla(net * i / 100.0);
        const double brut = yuvarla(m * f), netTutar = yuvarla(net * m);
        r[QStringLiteral("STOKHAR_MIKTAR")] = m;
        r[QStringLiteral("STOKHAR_TLBIRIMFIYATI")] = f;
        r[QStringLiteral("STOKHAR_TLTUTAR")] = brut;
        r[QStringLiteral("STOKHAR_INDIRIM1")] = i1;
        r[QStringLiteral("STOKHAR_INDIRIM2")] = i2;
        for (int i = 3; i <= 8; ++i) r[QStringLiteral("STOKHAR_INDIRIM%1").arg(i)] = 0.0;
        r[QStringLiteral("STOKHAR_TLVERGI")] = yuvarla((netTutar + masraf) * kdv / 100.0);
        r[QStringLiteral("KDV")] = kdv;
        r[QStringLiteral("STOKHAR_TOPLAMINDIRIM")] = yuvarla(brut - netTutar);
        r[QStringLiteral("STOKHAR_MASRAF1")] = 0.0;
        r[QStringLiteral("STOKHAR_MASRAF2")] = 0.0;
        r[QStringLiteral("STOKHAR_TOPLAMMASRAF")] = masraf;
        r[QStringLiteral("STOKHAR_NETTLBIRIMFIYATI")] = net;
        r[QStringLiteral("STOKHAR_NETTLTUTAR")] = yuvarla(netTutar + masraf);
        for (const char* d : {"STOKHAR_DOVIZBIRIMFIYATI", "STOKHAR_DOVIZVERGI", "STOKHAR_DOVIZTUTAR",
                              "STOKHAR_DOVIZTOPLAMINDIRIM", "STOKHAR_DOVIZTOPLAMMASRAF", "STOKHAR_NETDOVIZBIRIMFIYATI",
                              "STOKHAR_NETDOVIZTUTAR"})
            r[QLatin1String(d)] = 0.0;
        r[QStringLiteral("IRSALIYEEVRAKNO")] = q.value(18);
        r[QStringLiteral("STOKHAR_IRSTARIHI")] = q.value(9);
        r[QStringLiteral("STOKHAR_SAAT")] = q.value(19);
        r[QStringLiteral("STOKHAR_VADE")] = q.value(20);
        r[QStringLiteral("SIPARISTIPI")] = 1;
        r[QStringLiteral("SIPARISEVRAKNO")] = q.value(21).toLongLong() > 0 ? QString::number(q.value(21).toLongLong()) : QString();
        r[QStringLiteral("SIPARISTARIHI")] = q.value(22);
        r[QStringLiteral("IRSALIYETIPINO")] = 1;
        r[QStringLiteral("IRSALIYETIP2")] = QStringLiteral("Satış İrsaliyesi");
        r[QStringLiteral("STOKCARIKOD")] = q.value(23);
        r[QStringLiteral("SUBE_NO")] = 1;
        r[QStringLiteral("STOKHAR_CARINO")] = q.value(24);
        r[QStringLiteral("KUR_KURSIMGE")] = QStringLiteral("TL");
        r[QStringLiteral("STOKHAR_KURTL")] = q.value(32);
        r[QStringLiteral("SATICIADI")] = q.value(25);
        r[QStringLiteral("URETICIKODU")] = q.value(26);
        r[QStringLiteral("DPKOD")] = q.value(27);
        r[QStringLiteral("ENADI")] = q.value(28);
        r[QStringLiteral("PKOD")] = q.value(29);
        r[QStringLiteral("BELGENO")] = q.value(11);
        r[QStringLiteral("IDNO")] = q.value(30);
        r[QStringLiteral("SATIRACIKLMASI")] = q.value(31);
        r[QStringLiteral("STOKHAR_PARTI")] = QString();
        r[QStringLiteral("STOKHAR_BEDEN")] = QString();
        r[QStringLiteral("STOKHAR_RENK")] = QString();
        t.ekle(r);
    }
    c.tablo(t.tablo());
}

MIVO_YONTEM(FaturaAltGetir)
{
    TabloYapici y({kDbl("TOPLAM"), kDbl("TOPLAMINDIRIM"), kDbl("MATRAH"), kDbl("KDVTUTAR"), kDbl("KDVDAHIL"), kInt("IDNO")});
    if (c.db.tekDeger(QStringLiteral("SELECT id FROM cari_hareket WHERE id = ?"), {c.tam(0)}).isValid()) {
        const FaturaToplam t = faturaToplami(c.db, c.tam(0));
        y.satir({t.toplam, t.indirim, t.matrah, t.kdv, t.genel, c.tam(0)});
    }
    c.tablo(y.tablo());
}

MIVO_YONTEM(Tahsilat)
{
    TabloYapici y({kDate("Tarih"), kStr("Türü", 30), kStr("Cins", 30), kStr("EvrakNo", 30), kDate("Vade"), kDbl("Tutar"),
                   kStr("Kur", 5), kDbl("KurTL"), kStr("Açıklama", 200), kDbl("Döviz Tutar"), kStr("Ref", 30),
                   kStr("Saat", 10)});
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT tarih, tur, cins, evrakno, vade, tutar, kur, kurtl, aciklama, doviztutar, "
                                            "ref, saat FROM tahsilat_satir WHERE hareket_id = ? ORDER BY id"),
                             {c.tam(0)});
    y.ekle(q);
    c.tablo(y.tablo());
}

MIVO_YONTEM(BakiyelerVer)
{
    c.tablo(siparisSatirlari(c.db, QStringLiteral("s.cari_id = ? AND l.iptal = 0 AND l.miktar > l.teslim_edilen AND s.durum <> 9"),
                             {c.tam(0)}, true));
}

MIVO_YONTEM(TumSiparislerVer)
{
    QString kosul = QStringLiteral("s.cari_id = ?");
    QVariantList p{c.tam(0)};
    if (c.tam(1) > 0) { kosul += QStringLiteral(" AND l.stok_id = ?"); p << c.tam(1); }
    c.tablo(siparisSatirlari(c.db, kosul, p, true));
}

namespace {

// The open order line a balance change addresses: by its own number, or by the
// basket line it came from; only within the session's customer.
QSqlQuery bakiyeSatiri(Cagri& c, const mivo::TSonucBilgisi& k, int siparisSirano, int sepetSirano)
{
    return c.db.sorgu(QStringLiteral("SELECT l.id, l.stok_id, l.miktar, l.teslim_edilen FROM siparis_satir l "
                                     "JOIN siparis s ON s.id = l.siparis_id WHERE s.cari_id = ? AND l.iptal = 0 AND "
                                     "((? > 0 AND l.id = ?) OR (? <= 0 AND ? > 0 AND l.sepet_id = ?))"),
                      {k.CARINO(), siparisSirano, siparisSirano, siparisSirano, sepetSirano, sepetSirano});
}

} // namespace

// Deletes an open balance: the rest of the line is cancelled.
MIVO_YONTEM(BakiyeDuzenle)
{
    const mivo::TSonucBilgisi k = c.sb(0);
    int sonuc = 0;
    c.db.islem([&] {
        sonuc = 0;
        QSqlQuery q = bakiyeSatiri(c, k, c.tam(3), c.tam(2));
        if (!q.next()) return;
        const double kalan = qMax(0.0, q.value(2).toDouble() - q.value(3).toDouble());
        const qint64 id = q.value(0).toLongLong(), stok = q.value(1).toLongLong();
        q.finish();
        c.db.calistir(QStringLiteral("UPDATE siparis_satir SET iptal = 1 WHERE id = ?"), {id});
        c.db.calistir(QStringLiteral("UPDATE stok SET alinansiparis = CASE WHEN alinansiparis > ? THEN alinansiparis - ? ELSE 0 END "
                                     "WHERE id = ?"),
                      {kalan, kalan, stok});
        sonuc = 1;
    });
    c.sonuc(Value::int32(sonuc));
}

// Sets the remaining balance of a line to Bakiye.
MIVO_YONTEM(BakiyeDegistir)
{
    const mivo::TSonucBilgisi k = c.sb(0);
    const double yeni = c.ondalik(5);
    int sonuc = 0;
    if (std::isfinite(yeni) && yeni > 0 && yeni <= 100000) {
        c.db.islem([&] {
            sonuc = 0;
            QSqlQuery q = bakiyeSatiri(c, k, c.tam(3), c.tam(2));
            if (!q.next()) return;
            const qint64 id = q.value(0).toLongLong(), stok = q.value(1).toLongLong();
            const double teslim = q.value(3).toDouble();
            const double fark = yeni - qMax(0.0, q.value(2).toDouble() - teslim);
            q.finish();
            c.db.calistir(QStringLiteral("UPDATE siparis_satir SET miktar = ? WHERE id = ?"), {teslim + yeni, id});
            c.db.calistir(QStringLiteral("UPDATE stok SET alinansiparis = CASE WHEN alinansiparis + ? > 0 THEN alinansiparis + ? ELSE 0 END "
                                         "WHERE id = ?"),
                          {fark, fark, stok});
            sonuc = 1;
        });
    }
    c.sonuc(Value::int32(sonuc));
}

MIVO_YONTEM(BakiyeFiyatDegistir)
{
    const mivo::TSonucBilgisi k = c.sb(0);
    const double fiyat = c.ondalik(7), ind = c.ondalik(8);
    int sonuc = 0;
    if (std::isfinite(fiyat) && fiyat >= 0 && fiyat < 1e9 && std::isfinite(ind) && ind >= 0 && ind <= 100) {
        c.db.islem([&] {
            sonuc = 0;
            QSqlQuery q = bakiyeSatiri(c, k, c.tam(3), c.tam(2));
            if (!q.next()) return;
            const qint64 id = q.value(0).toLongLong();
            q.finish();
            c.db.calistir(QStringLiteral("UPDATE siparis_satir SET birimfiyat = ?, indirim1 = ? WHERE id = ?"),
                          {yuvarla(fiyat), ind, id});
            sonuc = 1;
        });
    }
    c.sonuc(Value::int32(sonuc));
}

MIVO_YONTEM(RaporAlinanSiparisler)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    const QDate d1 = gunSayisindan(c.ondalik(1)), d2 = gunSayisindan(c.ondalik(2));
    TabloYapici y({kInt("IDNO"), kDate("TARIH"), kStr("CARIKOD", 30), kStr("CARIADI", 100), kStr("DURUM", 30),
                   kInt("SATIR"), kDbl("TUTAR")});
    QString sql = QStringLiteral("SELECT s.id, s.tarih, c.kod, c.adi, s.durum, COUNT(l.id), "
                                 "COALESCE(SUM(l.miktar * l.birimfiyat * (1 - l.indirim1 / 100.0)), 0) "
                                 "FROM siparis s JOIN cari c ON c.id = s.cari_id LEFT JOIN siparis_satir l ON l.siparis_id = s.id "
                                 "WHERE s.tarih >= ? AND s.tarih <= ?");
    QVariantList p{d1.toString(QStringLiteral("yyyy-MM-dd")), d2.toString(QStringLiteral("yyyy-MM-dd"))};
    if (const qint64 s = saticiKisiti(c.db, b)) { sql += QStringLiteral(" AND c.satici_id = ?"); p << s; }
    QSqlQuery q = c.db.sorgu(sql + QStringLiteral(" GROUP BY s.id, s.tarih, c.kod, c.adi, s.durum ORDER BY s.id"), p);
    while (q.next())
        y.satir({q.value(0), q.value(1), q.value(2), q.value(3), siparisDurumAdi(q.value(4).toInt()), q.value(5),
                 yuvarla(q.value(6).toDouble())});
    c.tablo(y.tablo());
}

MIVO_YONTEM(RaporEnCokSatilanStoklar)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    const QDate d1 = gunSayisindan(c.ondalik(1)), d2 = gunSayisindan(c.ondalik(2));
    TabloYapici y({kInt("STOKNO"), kStr("FINISHKOD", 50), kStr("ADI", 100), kStr("MARKA", 50), kDbl("MIKTAR"),
                   kDbl("TUTAR")});
    QString sql = QStringLiteral("SELECT st.id, st.kod, st.adi, st.marka, SUM(l.miktar), "
                                 "SUM(l.miktar * l.birimfiyat * (1 - l.indirim1 / 100.0)) FROM siparis_satir l "
                                 "JOIN siparis s ON s.id = l.siparis_id JOIN stok st ON st.id = l.stok_id "
                                 "JOIN cari c ON c.id = s.cari_id WHERE l.iptal = 0 AND s.tarih >= ? AND s.tarih <= ?");
    QVariantList p{d1.toString(QStringLiteral("yyyy-MM-dd")), d2.toString(QStringLiteral("yyyy-MM-dd"))};
    if (const qint64 s = saticiKisiti(c.db, b)) { sql += QStringLiteral(" AND c.satici_id = ?"); p << s; }
    QSqlQuery q = c.db.sorgu(sql + QStringLiteral(" GROUP BY st.id, st.kod, st.adi, st.marka ORDER BY 5 DESC LIMIT 100"), p);
    while (q.next())
        y.satir({q.value(0), q.value(1), q.value(2), q.value(3), q.value(4).toDouble(), yuvarla(q.value(5).toDouble())});
    c.tablo(y.tablo());
}
