// The server-side basket and the order made from it.
#include "nesneler.h"
#include "satirlar.h"
#include "yontemler.h"

using namespace dealer;
using protocol::Value;

namespace {

constexpr double kAzamiMiktar = 100000;

std::shared_ptr<protocol::RowSet> sepetTablosu(Veritabani& db, qint64 carino, QVector<Satir>* satirlar = nullptr)
{
    SatirTablosu t(sepetSutunlari());
    QSqlQuery q = db.sorgu(
        QStringLiteral("SELECT b.id, b.cari_id, b.stok_id, b.barkod, b.stokadi, b.miktar, b.kdv, b.birimfiyat, "
                       "b.indirim1, b.indirim2, b.indirim3, b.kur, b.kurtl, b.veren_id, b.veren, b.kampanya, b.sec, "
                       "b.tarih, b.saat, b.aciklama, c.kod, c.adi, ")
            + stokSatirSecimi()
            + QStringLiteral(" FROM sepet b JOIN stok st ON st.id = b.stok_id JOIN cari c ON c.id = b.cari_id "
                             "WHERE b.cari_id = ? ORDER BY b.id"),
        {carino});
    while (q.next()) {
        Satir r;
        r[QStringLiteral("SIRANO")] = q.value(0);
        r[QStringLiteral("CARINO")] = q.value(1);
        r[QStringLiteral("STOKNO")] = q.value(2);
        r[QStringLiteral("STOK_STOKNO")] = q.value(2);
        r[QStringLiteral("BARKOD")] = q.value(3);
        r[QStringLiteral("STOKADI")] = q.value(4);
        tutarlariYaz(r, q.value(5).toDouble(), q.value(7).toDouble(), q.value(8).toDouble(), q.value(9).toDouble(),
                     q.value(10).toDouble(), q.value(6).toDouble());
        r[QStringLiteral("KUR")] = q.value(11);
        r[QStringLiteral("KURTL")] = q.value(12);
        r[QStringLiteral("VERENIDNO")] = q.value(13);
        r[QStringLiteral("VERENSIRANO")] = q.value(13);
        r[QStringLiteral("VEREN")] = q.value(14);
        r[QStringLiteral("K")] = q.value(15);
        r[QStringLiteral("SEC")] = q.value(16);
        r[QStringLiteral("VERILISTARIHI")] = q.value(17);
        r[QStringLiteral("TARIH")] = q.value(17).toString() + QLatin1Char(' ') + q.value(18).toString();
        r[QStringLiteral("SAAT")] = q.value(18);
        r[QStringLiteral("ACIKLAMA")] = q.value(19);
        r[QStringLiteral("CARIKOD")] = q.value(20);
        r[QStringLiteral("CARIADI")] = q.value(21);
        r[QStringLiteral("SIPARISNO")] = 0;
        r[QStringLiteral("IDNO")] = 0;
        r[QStringLiteral("AKTAR")] = 0;
        r[QStringLiteral("TESLIMID")] = 0;
        r[QStringLiteral("KARGOID")] = 0;
        stokAlanlari(r, q, 22);
        r[QStringLiteral("KALAN")] = r.value(QStringLiteral("ELDEKI"));
        t.ekle(r);
        if (satirlar) satirlar->push_back(r);
    }
    return t.tablo();
}

struct SatirFiyati {
    double fiyat = 0, indirim = 0;
};

// Who may set a line's own price: sales staff and the dealer's own ("BDM") accounts.
// Everybody else gets the server's price for the customer, whatever the client sent.
SatirFiyati satirFiyati(Veritabani& db, const mivo::TSonucBilgisi& b, qint64 carino, qint64 stokno, double fiyat,
                        double indirim, double kdv, bool& bulundu)
{
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT listefiyati, kdv, musteri_iskonto, kampanya, kampanyafiyati FROM stok WHERE id = ?"),
                           {stokno});
    bulundu = q.next();
    if (!bulundu) return {};
    const bool serbest = b.MusteriTipi() == 1 || b.MusteriTipi() == 2 || b.carikod().contains(QLatin1String("BDM"));
    if (serbest && fiyat >= 0 && fiyat < 1e9 && indirim >= 0 && indirim <= 100) return {yuvarla(fiyat), indirim};
    const Fiyat f = fiyatHesapla(q.value(0).toDouble(), q.value(1).toDouble(), cariIndirimi(db, carino),
                                 q.value(2).toInt() != 0, q.value(3).toInt() != 0, q.value(4).toDouble());
    Q_UNUSED(kdv);
    return {f.fiyat, f.indirim};
}

QString verenAdi(Veritabani& db, int verenid)
{
    return db.tekDeger(QStringLiteral("SELECT adi FROM hesap WHERE id = ?"), {verenid}).toString();
}

bool miktarGecerli(double m) { return std::isfinite(m) && m > 0 && m <= kAzamiMiktar; }

// Turns the customer's selected basket lines into one order; 0 when nothing was selected.
qint64 siparisYap(Veritabani& db, qint64 carino, QVariant teslim, QVariant kargo, QVariant firma,
                  const QString& aciklama, int verenid)
{
    qint64 sipNo = 0;
    db.islem([&] {
        sipNo = 0;
        if (!db.tekDeger(QStringLiteral("SELECT id FROM cari WHERE id = ?"), {carino}).isValid()) return;
        // Lock the lines on PostgreSQL, so two submissions cannot both take them.
        QSqlQuery q = db.sorgu(QStringLiteral("SELECT id, stok_id, barkod, stokadi, miktar, kdv, birimfiyat, indirim1, "
                                              "indirim2, indirim3, kur, kurtl, veren_id, veren, aciklama FROM sepet "
                                              "WHERE cari_id = ? AND sec = 1 ORDER BY id")
                                   + (db.postgres() ? QStringLiteral(" FOR UPDATE") : QString()),
                               {carino});
        struct L { QVariantList v; qint64 id; qint64 stok; double miktar; };
        QVector<L> satirlar;
        while (q.next()) {
            L l;
            l.id = q.value(0).toLongLong();
            l.stok = q.value(1).toLongLong();
            l.miktar = q.value(4).toDouble();
            for (int i = 0; i < 15; ++i) l.v << q.value(i);
            satirlar << l;
        }
        if (satirlar.isEmpty()) return;
        const QString tarih = bugun(), saat = saatMetni();
        const QString veren = verenAdi(db, verenid);
        sipNo = db.ekle(QStringLiteral("INSERT INTO siparis (cari_id, tarih, saat, durum, teslim_id, kargo_cinsi_id, "
                                       "kargo_firma_id, veren_id, veren, musteri_notu) VALUES (?, ?, ?, 0, ?, ?, ?, ?, ?, ?)"),
                        {carino, tarih, saat, teslim, kargo, firma, verenid, veren, aciklama});
        for (const L& l : satirlar) {
            const int silinen = db.sorgu(QStringLiteral("DELETE FROM sepet WHERE id = ?"), {l.id}).numRowsAffected();
            if (silinen != 1) throw VeritabaniHatasi("basket line taken by another order");
            db.calistir(QStringLiteral("INSERT INTO siparis_satir (siparis_id, sepet_id, stok_id, barkod, stokadi, miktar, "
                                       "birimfiyat, ilkfiyat, indirim1, indirim2, indirim3, kdv, kur, kurtl, veren_id, veren, "
                                       "tarih, saat, aciklama) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                        {sipNo, l.id, l.stok, l.v[2], l.v[3], l.miktar, l.v[6], l.v[6], l.v[7], l.v[8], l.v[9], l.v[5],
                         l.v[10], l.v[11], l.v[12], l.v[13], tarih, saat, l.v[14]});
            db.calistir(QStringLiteral("UPDATE stok SET alinansiparis = alinansiparis + ? WHERE id = ?"), {l.miktar, l.stok});
        }
    });
    return sipNo;
}

QVariant varsa(Veritabani& db, const char* tablo, int id)
{
    if (id <= 0) return {};
    const QVariant v = db.tekDeger(QStringLiteral("SELECT id FROM %1 WHERE id = ?").arg(QLatin1String(tablo)), {id});
    return v.isValid() ? QVariant(v.toLongLong()) : QVariant();
}

} // namespace

MIVO_YONTEM(SepetVer) { c.tablo(sepetTablosu(c.db, c.tam(0))); }

MIVO_YONTEM(SepetEkle)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    const qint64 carino = c.tam(1), stokno = c.tam(2);
    const double miktar = c.ondalik(5);
    if (carino <= 0 || !miktarGecerli(miktar)) { c.sonuc(Value::int32(0)); return; }
    int sonuc = 0;
    c.db.islem([&] {
        sonuc = 0;
        if (!c.db.tekDeger(QStringLiteral("SELECT id FROM cari WHERE id = ?"), {carino}).isValid()) return;
        bool var = false;
        const SatirFiyati f = satirFiyati(c.db, b, carino, stokno, c.ondalik(7), c.ondalik(8), c.ondalik(6), var);
        if (!var) return;
        const QVariant kdv = c.db.tekDeger(QStringLiteral("SELECT kdv FROM stok WHERE id = ?"), {stokno});
        QString barkod = c.metin(3), adi = c.metin(4);
        if (adi.trimmed().isEmpty() || barkod.trimmed().isEmpty()) {
            QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT barkod, adi FROM stok WHERE id = ?"), {stokno});
            if (q.next()) {
                if (barkod.trimmed().isEmpty()) barkod = q.value(0).toString();
                if (adi.trimmed().isEmpty()) adi = q.value(1).toString();
            }
        }
        c.db.calistir(QStringLiteral("INSERT INTO sepet (cari_id, stok_id, barkod, stokadi, miktar, kdv, birimfiyat, indirim1, "
                                     "veren_id, veren, kampanya, sec, tarih, saat) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?)"),
                      {carino, stokno, barkod.left(100), adi.left(200), miktar, kdv.toDouble(), f.fiyat, f.indirim,
                       c.tam(9), verenAdi(c.db, c.tam(9)), c.tam(10) > 0 ? 1 : 0, bugun(), saatMetni()});
        sonuc = 1;
    });
    c.sonuc(Value::int32(sonuc));
}

MIVO_YONTEM(SepetGuncelle)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    const qint64 carino = c.tam(1), sirano = c.tam(10);
    const double miktar = c.ondalik(5);
    if (!miktarGecerli(miktar)) { c.sonuc(Value::int32(0)); return; }
    int sonuc = 0;
    c.db.islem([&] {
        sonuc = 0;
        const QVariant stok = c.db.tekDeger(QStringLiteral("SELECT stok_id FROM sepet WHERE id = ? AND cari_id = ?"),
                                            {sirano, carino});
        if (!stok.isValid()) return;
        bool var = false;
        const SatirFiyati f = satirFiyati(c.db, b, carino, stok.toLongLong(), c.ondalik(7), c.ondalik(8), c.ondalik(6), var);
        if (!var) return;
        sonuc = c.db.sorgu(QStringLiteral("UPDATE sepet SET miktar = ?, birimfiyat = ?, indirim1 = ?, veren_id = ?, veren = ? "
                                          "WHERE id = ? AND cari_id = ?"),
                           {miktar, f.fiyat, f.indirim, c.tam(9), verenAdi(c.db, c.tam(9)), sirano, carino})
                     .numRowsAffected() == 1 ? 1 : 0;
    });
    c.sonuc(Value::int32(sonuc));
}

MIVO_YONTEM(SepetHepsiniSil)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    int n = 0;
    c.db.islem([&] {
        c.db.calistir(QStringLiteral("INSERT INTO sepet_silinen (cari_id, sepet_id, stok_id, miktar, aciklama, veren_id, tarih) "
                                     "SELECT cari_id, id, stok_id, miktar, 'Hepsini Sil', ?, ? FROM sepet WHERE cari_id = ?"),
                      {b.Sirano(), simdi(), b.CARINO()});
        n = c.db.sorgu(QStringLiteral("DELETE FROM sepet WHERE cari_id = ?"), {b.CARINO()}).numRowsAffected();
    });
    c.sonuc(Value::int32(n));
}

MIVO_YONTEM(SepetSatirSil)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    int n = 0;
    c.db.islem([&] {
        c.db.calistir(QStringLiteral("INSERT INTO sepet_silinen (cari_id, sepet_id, stok_id, miktar, aciklama, veren_id, tarih) "
                                     "SELECT cari_id, id, stok_id, miktar, ?, ?, ? FROM sepet WHERE id = ? AND cari_id = ?"),
                      {c.metin(2).left(500), b.Sirano(), simdi(), c.tam(1), b.CARINO()});
        n = c.db.sorgu(QStringLiteral("DELETE FROM sepet WHERE id = ? AND cari_id = ?"), {c.tam(1), b.CARINO()})
                .numRowsAffected();
    });
    c.sonuc(Value::int32(n == 1 ? 1 : 0));
}

MIVO_YONTEM(SepetSecimGuncelle)
{
    c.db.islem([&] {
        c.db.calistir(QStringLiteral("UPDATE sepet SET sec = ? WHERE id = ?"), {c.tam(1) != 0 ? 1 : 0, c.tam(0)});
    });
}

MIVO_YONTEM(SiparisKaydet)
{
    const qint64 carino = c.tam(1);
    if (carino <= 0) { c.sonuc(Value::boolean(false)); return; }
    const QVariant teslim = varsa(c.db, "teslim_cinsi", c.tam(2));
    const QVariant kargo = varsa(c.db, "kargo_cinsi", c.tam(3));
    const QVariant firma = varsa(c.db, "kargo_firma", c.tam(6));
    if (!teslim.isValid() || !kargo.isValid() || !firma.isValid()) { c.sonuc(Value::boolean(false)); return; }
    const qint64 no = siparisYap(c.db, carino, teslim, kargo, firma, c.metin(4).left(4000), c.tam(5));
    c.sonuc(Value::boolean(no > 0));
}

// The selected basket of customer idnosu as an order with the first delivery and cargo kinds.
MIVO_YONTEM(MobilSiparisKaydet)
{
    const QVariant teslim = c.db.tekDeger(QStringLiteral("SELECT id FROM teslim_cinsi ORDER BY sira, id LIMIT 1"));
    const QVariant kargo = c.db.tekDeger(QStringLiteral("SELECT id FROM kargo_cinsi ORDER BY sira, id LIMIT 1"));
    const QVariant firma = kargo.isValid()
        ? c.db.tekDeger(QStringLiteral("SELECT id FROM kargo_firma WHERE kargo_cinsi_id = ? ORDER BY sira, id LIMIT 1"), {kargo})
        : QVariant();
    const qint64 no = siparisYap(c.db, c.tam(0), teslim, kargo, firma, QStringLiteral("Mobil sipariş"), 0);
    c.sonuc(Value::int32(int(no)));
}

MIVO_YONTEM(SepetMobilVer)
{
    QVector<Satir> satirlar;
    sepetTablosu(c.db, c.tam(0), &satirlar);
    QVector<TMobilSepet> v;
    for (const Satir& r : satirlar) {
        TMobilSepet m;
        auto s = [&](const char* a) { return r.value(QLatin1String(a)).toString(); };
        auto d = [&](const char* a) { return r.value(QLatin1String(a)).toDouble(); };
        auto i = [&](const char* a) { return r.value(QLatin1String(a)).toInt(); };
        m.FSIRANO = i("SIRANO"); m.FStokNo = i("STOKNO"); m.FSTOK_STOKNO = i("STOKNO");
        m.FTARIH = QDate::fromString(s("VERILISTARIHI").left(10), QStringLiteral("yyyy-MM-dd"));
        m.FVERILISTARIHI = m.FTARIH;
        m.FCARIADI = s("CARIADI"); m.FCARIKOD = s("CARIKOD"); m.FCARINO = i("CARINO");
        m.FDurum = i("DURUM"); m.FMIKTAR = d("MIKTAR"); m.FVERENIDNO = i("VERENIDNO"); m.FVERENSIRANO = i("VERENIDNO");
        m.FNETTUTAR = d("NETTUTAR"); m.FKDV = d("KDV"); m.FVERGITUTARI = d("VERGITUTARI");
        m.FKDVLITUTAR = yuvarla(m.FNETTUTAR + m.FVERGITUTARI);
        m.FSAAT = s("SAAT"); m.FPKod = s("PKOD"); m.FMODEL = s("MODEL"); m.FINDIRIMTUTAR = d("INDIRIMTUTAR");
        m.FBIRIMFIYAT = d("BIRIMFIYAT"); m.FSEC = i("SEC"); m.FOEM1 = s("OEM1"); m.FOEM2 = s("OEM2");
        m.FOEM3 = s("OEM3"); m.FOEM4 = s("OEM4"); m.FAnaGrup = s("ANAGRUP"); m.FMARKA = s("MARKA");
        m.FVEREN = s("VEREN"); m.FSTOKADI = s("STOKADI"); m.FINDIRIMORANI1 = d("INDIRIMORANI1");
        m.FINDIRIMORANI2 = d("INDIRIMORANI2"); m.FINDIRIMORANI3 = d("INDIRIMORANI3"); m.FKUR = s("KUR");
        m.FKURTL = d("KURTL"); m.FOzelKod = s("OZELKOD"); m.FDpKod = s("DPKOD"); m.FDIGERADI = s("DIGERADI");
        m.FBarkod = s("BARKOD"); m.FTUTAR = d("TUTAR"); m.FURETICIKODU = s("URETICIKODU"); m.FKalan = d("KALAN");
        m.FFINISHKOD = s("FINISHKOD"); m.FNETBIRIMFIYAT = d("NETBIRIMFIYAT"); m.FOemNo = s("OEMNO");
        v << m;
    }
    c.sonuc(Value::json(ListeJson("mobilstokunit.TMobilSepetler", "FList", v)));
}
