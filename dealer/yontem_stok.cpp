// Stock search, product lists, stock pictures and the mobile stock records.
#include "nesneler.h"
#include "ortak.h"
#include "yontemler.h"

#include <QBuffer>
#include <QImage>

using namespace dealer;
using protocol::Value;

namespace {

constexpr int kAzamiSatir = 10000;   // a search answers with at most this many stocks

std::shared_ptr<protocol::RowSet> stokTablosu(QSqlQuery& q, StokListeTuru t, double indirim)
{
    TabloYapici y(stokSutunlari(t));
    while (q.next()) y.satir(stokSatiri(q, t, indirim));
    return y.tablo();
}

void stokArama(Cagri& c, const QString& metin, qint64 carino)
{
    const double ind = cariIndirimi(c.db, carino);
    QSqlQuery q = stokAraSorgu(c.db, metin, kAzamiSatir);
    c.tablo(stokTablosu(q, StokListeTuru::Arama, ind));
}

void yeniler(Cagri& c, qint64 carino)
{
    const double ind = cariIndirimi(c.db, carino);
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT ") + stokSecimi()
                             + QStringLiteral(" FROM stok s WHERE s.yeni = 1 ORDER BY s.eklenme DESC, s.id DESC LIMIT ?"),
                             {kAzamiSatir});
    c.tablo(stokTablosu(q, StokListeTuru::Yeni, ind));
}

void kampanyalilar(Cagri& c, qint64 carino)
{
    const double ind = cariIndirimi(c.db, carino);
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT ") + stokSecimi()
                             + QStringLiteral(" FROM stok s WHERE s.kampanya = 1 ORDER BY s.anagrup, s.kod LIMIT ?"),
                             {kAzamiSatir});
    c.tablo(stokTablosu(q, StokListeTuru::Kampanya, ind));
}

QByteArray stokResmi(Veritabani& db, int stokno)
{
    return db.tekDeger(QStringLiteral("SELECT r.veri FROM stok s JOIN resim r ON r.id = s.resim_id WHERE s.id = ?"),
                       {stokno}).toByteArray();
}

QByteArray kucukResim(const QByteArray& b)
{
    QImage im;
    if (!im.loadFromData(b)) return {};
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    im.scaled(160, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(&buf, "JPEG", 80);
    return out;
}

TMobilStok mobilStok(QSqlQuery& q, double cariInd, bool resimli, Veritabani& db)
{
    // Columns of stokSecimi().
    TMobilStok m;
    m.FStokNo = q.value(0).toInt();
    m.FKod = q.value(1).toString();
    m.FBarkod = q.value(2).toString();
    m.FBarkodNo = q.value(3).toInt();
    m.FAdi = q.value(4).toString();
    m.FOemNo = q.value(10).toString();
    m.FUreticiKod = q.value(11).toString();
    m.FDpKod = q.value(12).toString();
    m.FPKod = q.value(13).toString();
    m.FOzelKod = q.value(14).toString();
    m.FAnaGrup = q.value(17).toString();
    m.FAltGrup = q.value(18).toString();
    m.FBirim = q.value(19).toString();
    m.FKDV = q.value(20).toDouble();
    m.FListeFiyati = q.value(21).toDouble();
    m.FYeni = q.value(25).toInt();
    m.FKampnayali = q.value(26).toInt();
    m.FKampanyaliFiyat = q.value(27).toDouble();
    m.FDurum = q.value(29).toInt();
    m.FKalan = q.value(30).toDouble();
    m.FAlinanSiparis = q.value(31).toDouble();
    m.FVerilenSiparis = q.value(32).toDouble();
    const Fiyat f = fiyatHesapla(m.FListeFiyati, m.FKDV, cariInd, q.value(24).toInt() != 0, m.FKampnayali != 0,
                                 m.FKampanyaliFiyat);
    m.FFiyat = f.fiyat;
    m.FIndirimOran = f.indirim;
    m.FIsk1 = f.indirim;
    m.FNetFiyat = f.net;
    m.FKDVliFiyat = f.kdvDahil;
    if (resimli) {
        const QByteArray r = kucukResim(stokResmi(db, m.FStokNo));
        m.FResim = hex(r);
        m.FResimVar = r.isEmpty() ? 0 : 1;
    }
    return m;
}

QVector<TMobilStok> mobilAra(Cagri& c, const QString& kod, qint64 carino, int atla, int adet, int* toplam)
{
    const double ind = cariIndirimi(c.db, carino);
    QSqlQuery q = stokAraSorgu(c.db, kod, qBound(0, adet, kAzamiSatir), qMax(0, atla), toplam);
    QVector<TMobilStok> v;
    while (q.next()) v << mobilStok(q, ind, false, c.db);
    return v;
}

} // namespace

MIVO_YONTEM(StokAraMivo) { stokArama(c, c.metin(0), c.sb(1).CARINO()); }
MIVO_YONTEM(StokAra) { stokArama(c, c.metin(0), c.metin(1).trimmed().toLongLong()); }

// Codes only: code, barcode, OEM and manufacturer numbers starting with the text.
MIVO_YONTEM(StokAraDuvra)
{
    const QString k = kodSade(c.metin(0));
    if (k.size() < 2) { TabloYapici y(stokSutunlari(StokListeTuru::Arama)); c.tablo(y.tablo()); return; }
    const QString kalip = likeKalip(k).mid(1);   // prefix: drop the leading %
    const double ind = cariIndirimi(c.db, c.sb(1).CARINO());
    QSqlQuery q = c.db.sorgu(
        QStringLiteral("SELECT ") + stokSecimi()
            + QStringLiteral(" FROM stok s WHERE s.kod LIKE ? ESCAPE '\\' OR s.barkod LIKE ? ESCAPE '\\' "
                             "OR s.oem1 LIKE ? ESCAPE '\\' OR s.ureticikodu LIKE ? ESCAPE '\\' ORDER BY s.kod LIMIT ?"),
        {kalip, kalip, kalip, kalip, kAzamiSatir});
    c.tablo(stokTablosu(q, StokListeTuru::Arama, ind));
}

// Names only.
MIVO_YONTEM(ZelaPorin)
{
    const Arama a = aramaCoz(c.metin(0));
    const double ind = cariIndirimi(c.db, c.sb(1).CARINO());
    if (a.bos()) { TabloYapici y(stokSutunlari(StokListeTuru::Arama)); c.tablo(y.tablo()); return; }
    QVariantList p;
    QStringList ve;
    for (const QString& k : a.kelimeler) {
        ve << QStringLiteral("UPPER(s.adi) LIKE ? ESCAPE '\\'");
        p << likeKalip(k);
    }
    p << kAzamiSatir;
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT ") + stokSecimi() + QStringLiteral(" FROM stok s WHERE ")
                                 + ve.join(QLatin1String(" AND ")) + QStringLiteral(" ORDER BY s.adi LIMIT ?"),
                             p);
    c.tablo(stokTablosu(q, StokListeTuru::Arama, ind));
}

MIVO_YONTEM(MivoYenilerVer) { yeniler(c, c.tam(0)); }
MIVO_YONTEM(YenilerVer) { yeniler(c, c.tam(0)); }
MIVO_YONTEM(YenilerVerMobile) { yeniler(c, c.tam(0)); }
MIVO_YONTEM(MivoKampanyaliVer) { kampanyalilar(c, c.tam(0)); }
MIVO_YONTEM(KampanyaliVer) { kampanyalilar(c, c.tam(0)); }
MIVO_YONTEM(KampanyaliVermMobil) { kampanyalilar(c, c.tam(0)); }

MIVO_YONTEM(ResimVer5)
{
    const QByteArray b = stokResmi(c.db, c.tam(0));
    c.cik(1, Value::int64(b.size()));
    c.sonuc(Value::stream(b));
}

// The picture's bytes as a JSON array of numbers.
MIVO_YONTEM(ResimVer6)
{
    const QByteArray b = stokResmi(c.db, c.tam(0));
    QByteArray j;
    j.reserve(b.size() * 4 + 2);
    j += '[';
    for (int i = 0; i < b.size(); ++i) {
        if (i) j += ',';
        j += QByteArray::number(uchar(b[i]));
    }
    j += ']';
    c.cik(1, Value::int64(b.size()));
    c.sonuc(Value::json(j));
}

MIVO_YONTEM(BuyukResimVer)
{
    const QByteArray b = stokResmi(c.db, c.tam(0));
    c.cik(1, Value::int32(int(b.size())));
    c.sonuc(Value::string(hex(b)));
}

MIVO_YONTEM(KucukResimVer) { c.sonuc(Value::string(hex(kucukResim(stokResmi(c.db, c.tam(0)))))); }
MIVO_YONTEM(HttpResimVer) { c.sonuc(Value::stream(stokResmi(c.db, c.tam(0)))); }

MIVO_YONTEM(MivodeAra)
{
    TabloYapici y({kStr("KOD", 50), kStr("ACIKLAMA", 100), kDbl("KDVHARIC"), kDbl("KDVDAHIL")});
    const Arama a = aramaCoz(c.metin(0));
    if (!a.bos()) {
        QVariantList p;
        QString kosul;
        if (!c.db.postgres()) {
            const QString fts = ftsIfadesi(a);
            if (!fts.isEmpty()) {
                kosul = QStringLiteral("o.id IN (SELECT rowid FROM orjinal_fts WHERE orjinal_fts MATCH ?) AND ");
                p << fts;
            }
        }
        kosul += aramaKosulu(a, QStringLiteral("o.arama"), p);
        p << kAzamiSatir;
        QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT o.kod, o.aciklama, o.kdvharic, o.kdv FROM orjinal_fiyat o WHERE ")
                                     + kosul + QStringLiteral(" ORDER BY o.kod LIMIT ?"),
                                 p);
        while (q.next()) {
            const double h = q.value(2).toDouble();
            y.satir({q.value(0), q.value(1), h, yuvarla(h * (1.0 + q.value(3).toDouble() / 100.0))});
        }
    }
    c.tablo(y.tablo());
}

MIVO_YONTEM(DepartmanlariGetir)
{
    TabloYapici y({kStr("DEPARTMAN", 50), kInt("ADET")});
    QSqlQuery q = c.db.sorgu(QStringLiteral(
        "SELECT departman, COUNT(*) FROM stok WHERE departman <> '' GROUP BY departman ORDER BY departman"));
    y.ekle(q);
    c.tablo(y.tablo());
}

MIVO_YONTEM(MobilStokNoAra)
{
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT ") + stokSecimi() + QStringLiteral(" FROM stok s WHERE s.id = ?"),
                             {c.tam(0)});
    if (!q.next()) { c.sonuc(Value::null()); return; }
    const TMobilStok m = mobilStok(q, cariIndirimi(c.db, c.sb(1).CARINO()), true, c.db);
    c.nesne(&m);
}

// neresi: where to start (0-based), nekadar: how many.
MIVO_YONTEM(MobilStokara)
{
    const auto v = mobilAra(c, c.metin(0), c.sb(1).CARINO(), c.tam(2), c.tam(3), nullptr);
    c.sonuc(Value::json(ListeJson("mobilstokunit.TMobilStoklar", "FList", v)));
}

// No callbacks travel on this transport: the answer is the number of matches.
MIVO_YONTEM(MobilStokaraGeri)
{
    int toplam = 0;
    mobilAra(c, c.metin(0), c.sb(1).CARINO(), c.tam(2), c.tam(3), &toplam);
    c.sonuc(Value::int32(toplam));
}

// A page of Adet stocks from position ilk; kalan tells whether more follow.
MIVO_YONTEM(MobilStokaraAdimli)
{
    int toplam = 0;
    const int ilk = qMax(0, c.tam(4)), adet = qMax(0, c.tam(5));
    const auto v = mobilAra(c, c.metin(0), c.sb(1).CARINO(), ilk, adet, &toplam);
    c.cik(6, Value::boolean(ilk + v.size() < toplam));
    c.cik(7, Value::int32(toplam));
    c.sonuc(Value::json(ListeJson("mobilstokunit.TMobilStoklar", "FList", v)));
}
