// Delivery and cargo choices, announcements, adverts, ticker, banner, rates,
// documents, counters, and the requests customers send to the dealer.
#include "nesneler.h"
#include "ortak.h"
#include "sunucu.h"
#include "yontemler.h"

#include <QDir>
#include <QFile>

using namespace dealer;
using protocol::Value;

namespace {

QByteArray ayarVerisi(Veritabani& db, const char* anahtar)
{
    return db.tekDeger(QStringLiteral("SELECT veri FROM ayar WHERE anahtar = ?"), {QLatin1String(anahtar)}).toByteArray();
}

void akis(Cagri& c, int boyOrdinal, const QByteArray& b)
{
    c.cik(boyOrdinal, Value::int64(b.size()));
    c.sonuc(Value::stream(b));
}

TAcilisEkran ekran(QSqlQuery& q)
{
    TAcilisEkran e;
    e.FSiraNo = q.value(0).toInt();
    e.FBaslik = q.value(1).toString();
    e.FArama = q.value(2).toString();
    e.FResim = hex(q.value(3).toByteArray());
    return e;
}

QVector<TAcilisEkran> ekranlar(Veritabani& db, int tur)
{
    QVector<TAcilisEkran> v;
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT sira, baslik, arama, resim FROM duyuru WHERE tur = ? AND aktif = 1 "
                                          "ORDER BY sira, id"),
                           {tur});
    while (q.next()) v << ekran(q);
    return v;
}

std::shared_ptr<protocol::RowSet> duyuruTablosu(Veritabani& db, int tur)
{
    TabloYapici y({kInt("SIRANO"), kStr("BASLIK", 100), kStr("ARAMA", 100), {QStringLiteral("RESIM"), protocol::FieldType::Blob}});
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT sira, baslik, arama, resim FROM duyuru WHERE tur = ? AND aktif = 1 "
                                          "ORDER BY sira, id"),
                           {tur});
    y.ekle(q);
    return y.tablo();
}

std::shared_ptr<protocol::RowSet> belgeListesi(Veritabani& db, bool turlu)
{
    QVector<protocol::Column> k = {kInt("SIRANO"), kStr("DOSYAYOL", 200), kStr("ACIKLAMA", 200)};
    if (turlu) k << kInt("TUR") << kInt("ILERI");
    TabloYapici y(k);
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT id, dosyayol, aciklama, 0, 0 FROM belge ORDER BY sira, id"));
    y.ekle(q);
    return y.tablo();
}

void belge(Cagri& c, int sirano, const mivo::TSonucBilgisi* kim)
{
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT dosyaadi, veri FROM belge WHERE id = ?"), {sirano});
    QByteArray veri;
    QString adi;
    if (q.next()) {
        adi = q.value(0).toString();
        veri = q.value(1).toByteArray();
        if (kim) {
            c.db.islem([&] {
                c.db.calistir(QStringLiteral("INSERT INTO belge_indirme (belge_id, bilgisayarid, cari_id, tarih) VALUES (?, ?, ?, ?)"),
                              {sirano, kim->BILGISAYARID(), kim->CARINO(), simdi()});
            });
        }
    }
    c.cik(1, Value::int64(veri.size()));
    c.cik(2, Value::string(adi));
    c.sonuc(Value::stream(veri));
}

int gidenYaz(Cagri& c, const char* yontem, int alanSayisi)
{
    QVariantList p{simdi(), QLatin1String(yontem)};
    for (int i = 0; i < 17; ++i) p << (i < alanSayisi ? c.metin(i).left(4000) : QString());
    qint64 id = 0;
    c.db.islem([&] {
        id = c.db.ekle(QStringLiteral("INSERT INTO giden (tarih, yontem, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, "
                                      "telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       p);
    });
    return int(id);
}

double bakiye(Veritabani& db, qint64 carino, double* borc = nullptr, double* alacak = nullptr)
{
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT COALESCE(SUM(borc), 0), COALESCE(SUM(alacak), 0) FROM cari_hareket WHERE cari_id = ?"),
                           {carino});
    q.next();
    if (borc) *borc = yuvarla(q.value(0).toDouble());
    if (alacak) *alacak = yuvarla(q.value(1).toDouble());
    return yuvarla(q.value(0).toDouble() - q.value(1).toDouble());
}

struct Sayaclar {
    int sepet = 0, yeni = 0, kampanya = 0, duyuru = 0, bakiye = 0, dosya = 0;
};

Sayaclar sayaclar(Veritabani& db, qint64 carino)
{
    Sayaclar s;
    s.sepet = db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM sepet WHERE cari_id = ?"), {carino}).toInt();
    s.yeni = db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM stok WHERE yeni = 1")).toInt();
    s.kampanya = db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM stok WHERE kampanya = 1")).toInt();
    s.duyuru = db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM duyuru WHERE tur = 1 AND aktif = 1")).toInt();
    s.bakiye = db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM siparis_satir l JOIN siparis s ON s.id = l.siparis_id "
                                          "WHERE s.cari_id = ? AND l.iptal = 0 AND l.miktar > l.teslim_edilen AND s.durum <> 9"),
                           {carino}).toInt();
    s.dosya = db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM belge")).toInt();
    return s;
}

} // namespace

MIVO_YONTEM(TeslimVer)
{
    TabloYapici y({kInt("SIRANO"), kStr("ADI", 50)});
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT id, adi FROM teslim_cinsi ORDER BY sira, id"));
    y.ekle(q);
    c.tablo(y.tablo());
}

MIVO_YONTEM(KargoVer)
{
    TabloYapici y({kInt("SIRANO"), kStr("ADI", 50)});
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT id, adi FROM kargo_cinsi ORDER BY sira, id"));
    y.ekle(q);
    c.tablo(y.tablo());
}

MIVO_YONTEM(KargolarVer)
{
    TabloYapici y({kInt("SIRANO"), kStr("ADI", 50), kMemo("UYARI"), kInt("KARGOTURU")});
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT id, adi, uyari, kargo_cinsi_id FROM kargo_firma WHERE kargo_cinsi_id = ? "
                                            "ORDER BY sira, id"),
                             {c.tam(0)});
    y.ekle(q);
    c.tablo(y.tablo());
}

MIVO_YONTEM(KayanYaziGetir)
{
    c.sonuc(Value::string(c.db.tekDeger(QStringLiteral("SELECT deger FROM ayar WHERE anahtar = 'kayanyazi'")).toString()));
}

MIVO_YONTEM(BannerResimVer) { akis(c, 0, ayarVerisi(c.db, "banner")); }

// The logo strip under the ticker.
MIVO_YONTEM(SelvanoraVer)
{
    QByteArray b = ayarVerisi(c.db, "logolar");
    if (b.isEmpty()) b = ayarVerisi(c.db, "banner");
    c.sonuc(Value::stream(b));
}

MIVO_YONTEM(KurlariAl)
{
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT usd, eur FROM kur ORDER BY tarih DESC, id DESC LIMIT 1"));
    const bool var = q.next();
    c.cik(0, Value::dbl(var ? q.value(0).toDouble() : 1.0));
    c.cik(1, Value::dbl(var ? q.value(1).toDouble() : 1.0));
    c.sonuc(Value::int32(var ? 1 : 0));
}

MIVO_YONTEM(AcilisReklamAdet)
{
    c.sonuc(Value::int32(c.db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM duyuru WHERE tur = 2 AND aktif = 1")).toInt()));
}

// The advert at position sira, counted from 0; none outside the list.
MIVO_YONTEM(AcilisREklamVer)
{
    const int sira = c.tam(0);
    if (sira < 0) { c.sonuc(Value::null()); return; }
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT sira, baslik, arama, resim FROM duyuru WHERE tur = 2 AND aktif = 1 "
                                            "ORDER BY sira, id LIMIT 1 OFFSET ?"),
                             {sira});
    if (!q.next()) { c.sonuc(Value::null()); return; }
    const TAcilisEkran e = ekran(q);
    c.nesne(&e);
}

MIVO_YONTEM(AcilisEkranlarVer)
{
    c.sonuc(Value::json(ListeJson("mobilstokunit.TAcilisEkranlar", "FList", ekranlar(c.db, 1))));
}

MIVO_YONTEM(AcilisEkranlarVer2)
{
    c.sonuc(Value::json(ListeJson("mobilstokunit.TAcilisEkranlariki", "FEkranlar", ekranlar(c.db, 1))));
}

MIVO_YONTEM(DuyuruVer) { c.tablo(duyuruTablosu(c.db, 1)); }
MIVO_YONTEM(DuyuruVer2) { c.tablo(duyuruTablosu(c.db, 1)); }
MIVO_YONTEM(AcilisEkranlariVerData) { c.tablo(duyuruTablosu(c.db, 2)); }

MIVO_YONTEM(DosyaListesi2) { c.tablo(belgeListesi(c.db, true)); }
MIVO_YONTEM(DosyaListesi) { c.tablo(belgeListesi(c.db, false)); }
MIVO_YONTEM(BelgeIndir) { belge(c, c.tam(0), nullptr); }
MIVO_YONTEM(BelgeIndir2)
{
    const mivo::TSonucBilgisi b = c.sb(3);
    belge(c, c.tam(0), &b);
}

// The setup program, when the dealer has put one into the files folder.
MIVO_YONTEM(DosyaIndir)
{
    QByteArray b;
    if (!c.ayar.dosyaKlasoru.isEmpty()) {
        QFile f(QDir(c.ayar.dosyaKlasoru).filePath(QStringLiteral("SMivoOtomotivSetup.exe")));
        if (f.size() < 512LL * 1024 * 1024 && f.open(QIODevice::ReadOnly)) b = f.readAll();
    }
    akis(c, 0, b);
}

MIVO_YONTEM(BalonGetir)
{
    const Sayaclar s = sayaclar(c.db, c.sb(0).CARINO());
    TabloYapici y({kInt("SEPET"), kInt("YENI"), kInt("KAMPANYA"), kInt("DUYURU"), kDbl("BAKIYE"), kInt("DOSYA")});
    y.satir({s.sepet, s.yeni, s.kampanya, s.duyuru, double(s.bakiye), s.dosya});
    c.tablo(y.tablo());
}

MIVO_YONTEM(BalonGetir2)
{
    const Sayaclar s = sayaclar(c.db, c.tam(0));
    c.cik(1, Value::int32(s.sepet));
    c.cik(2, Value::int32(s.yeni));
    c.cik(3, Value::int32(s.kampanya));
    c.cik(4, Value::int32(s.duyuru));
    c.cik(5, Value::int32(s.bakiye));
    c.cik(6, Value::int32(s.dosya));
    c.sonuc(Value::int32(1));
}

// The balance as plain text with "." as decimal point; empty for an unknown customer.
MIVO_YONTEM(CariDurumVer)
{
    const qint64 carino = c.tam(0);
    if (!c.db.tekDeger(QStringLiteral("SELECT id FROM cari WHERE id = ?"), {carino}).isValid()) {
        c.sonuc(Value::string(QString()));
        return;
    }
    c.sonuc(Value::string(QString::number(bakiye(c.db, carino), 'f', 2)));
}

MIVO_YONTEM(MailGonserCari) { c.sonuc(Value::int32(gidenYaz(c, "MailGonserCari", 16))); }
MIVO_YONTEM(MailGonserCariNormal) { c.sonuc(Value::int32(gidenYaz(c, "MailGonserCariNormal", 17))); }

// A password reminder request for the account of this computer.
MIVO_YONTEM(SifremiUnuttum)
{
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT h.adi, h.mail, COALESCE(k.adi, '') FROM hesap h "
                                            "LEFT JOIN cari k ON k.id = h.cari_id WHERE h.bilgisayarid = ?"),
                             {c.metin(0)});
    if (!q.next()) {
        c.cik(1, Value::int32(0));
        c.sonuc(Value::boolean(false));
        return;
    }
    const QString adi = q.value(0).toString(), mail = q.value(1).toString(), firma = q.value(2).toString();
    q.finish();
    c.db.islem([&] {
        c.db.calistir(QStringLiteral("INSERT INTO giden (tarih, yontem, idsi, baslik, firmaadi, kullaniciadi, mail) "
                                     "VALUES (?, 'SifremiUnuttum', ?, 'Şifremi Unuttum', ?, ?, ?)"),
                      {simdi(), c.metin(0), firma, adi, mail});
    });
    c.cik(1, Value::int32(mail.isEmpty() ? 0 : 1));
    c.sonuc(Value::boolean(true));
}

MIVO_YONTEM(CikisGonder)
{
    const mivo::TSonucBilgisi b = c.sb(0);
    c.db.islem([&] {
        c.db.calistir(QStringLiteral("INSERT INTO olay (tarih, tur, bilgisayarid, hesap_id, aciklama) VALUES (?, 'cikis', ?, ?, ?)"),
                      {simdi(), b.BILGISAYARID().left(200), b.Sirano(), b.ADI().left(200)});
    });
}

// The customer of sirano (when above 0) or of the account registered for the computer;
// an unknown one gives a record with empty fields.
MIVO_YONTEM(MobilCariBilgisiGetir)
{
    TMobilCariBilgisi m;
    m.FBILGISAYARID = c.metin(1);
    qint64 carino = c.tam(0);
    if (carino <= 0) {
        QSqlQuery h = c.db.sorgu(QStringLiteral("SELECT COALESCE(cari_id, 0), adi, sifre, mail FROM hesap WHERE bilgisayarid = ?"),
                                 {c.metin(1)});
        if (h.next()) {
            carino = h.value(0).toLongLong();
            m.FKULLANICIADI = h.value(1).toString();
            m.FSIFRE = h.value(2).toString();
            m.FMAIL = h.value(3).toString();
        }
    }
    QSqlQuery q = c.db.sorgu(QStringLiteral("SELECT c.id, c.kod, c.adi, c.il, c.ilce, c.fax1, c.fax2, c.email, c.vergidairesi, "
                                            "c.vergino, c.yetkili, c.altgrup, c.anagrup, c.tel1, c.tel2, c.gsm, c.adres1, "
                                            "c.adres2, c.ulke, c.ozelkod, COALESCE(s.adi, ''), COALESCE(s.mail, ''), "
                                            "COALESCE(s.telefon, '') FROM cari c LEFT JOIN satici s ON s.id = c.satici_id "
                                            "WHERE c.id = ?"),
                             {carino});
    if (q.next()) {
        m.FCARINO = q.value(0).toInt();
        m.FCARIKOD = q.value(1).toString();
        m.FCARIADI = q.value(2).toString();
        m.FSEHIR = q.value(3).toString();
        m.FILCE = q.value(4).toString();
        m.FFAX1 = q.value(5).toString();
        m.FFAX2 = q.value(6).toString();
        m.FEMAIL = q.value(7).toString();
        if (m.FMAIL.isEmpty()) m.FMAIL = m.FEMAIL;
        m.FVERGIDAIRESI = q.value(8).toString();
        m.FVERGINO = q.value(9).toString();
        m.FYETKILI = q.value(10).toString();
        m.FAltGrup = q.value(11).toString();
        m.FAnaGrup = q.value(12).toString();
        m.FTEL1 = q.value(13).toString();
        m.FTEL2 = q.value(14).toString();
        m.FGSM = q.value(15).toString();
        m.FADRES1 = q.value(16).toString();
        m.FADRES2 = q.value(17).toString();
        m.FULKE = q.value(18).toString();
        m.FOzelKod = q.value(19).toString();
        m.FSATICIADI = q.value(20).toString();
        m.FSATICIMAIL = q.value(21).toString();
        m.FSATICITELEFON = q.value(22).toString();
        q.finish();
        m.FTLBAKIYE = bakiye(c.db, carino, &m.FTLBORC, &m.FTLALACAK);
    }
    c.nesne(&m);
}
