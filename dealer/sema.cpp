#include "sema.h"

namespace dealer {

// Dates are kept as ISO text ("yyyy-MM-dd", times "HH:mm:ss") on both databases,
// so the same comparisons and the same binding work everywhere.
QStringList semaKomutlari(bool pg)
{
    const QString id = pg ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    const QString blob = pg ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
    QStringList s = {
        // Sales representatives.
        QStringLiteral("CREATE TABLE IF NOT EXISTS satici (id %ID%, kod TEXT NOT NULL DEFAULT '', adi TEXT NOT NULL, "
                       "telefon TEXT NOT NULL DEFAULT '', mail TEXT NOT NULL DEFAULT '')"),
        // Customers (cari).
        QStringLiteral("CREATE TABLE IF NOT EXISTS cari (id %ID%, kod TEXT NOT NULL UNIQUE, adi TEXT NOT NULL, "
                       "yetkili TEXT NOT NULL DEFAULT '', adres1 TEXT NOT NULL DEFAULT '', adres2 TEXT NOT NULL DEFAULT '', "
                       "ilce TEXT NOT NULL DEFAULT '', il TEXT NOT NULL DEFAULT '', ulke TEXT NOT NULL DEFAULT 'TÜRKİYE', "
                       "tel1 TEXT NOT NULL DEFAULT '', tel2 TEXT NOT NULL DEFAULT '', gsm TEXT NOT NULL DEFAULT '', "
                       "fax1 TEXT NOT NULL DEFAULT '', fax2 TEXT NOT NULL DEFAULT '', email TEXT NOT NULL DEFAULT '', "
                       "vergidairesi TEXT NOT NULL DEFAULT '', vergino TEXT NOT NULL DEFAULT '', "
                       "ozelkod TEXT NOT NULL DEFAULT '', anagrup TEXT NOT NULL DEFAULT '', altgrup TEXT NOT NULL DEFAULT '', "
                       "kod1 TEXT NOT NULL DEFAULT '', kod2 TEXT NOT NULL DEFAULT '', kod3 TEXT NOT NULL DEFAULT '', "
                       "kod4 TEXT NOT NULL DEFAULT '', kod5 TEXT NOT NULL DEFAULT '', "
                       "indirim DOUBLE PRECISION NOT NULL DEFAULT 0, vade INTEGER NOT NULL DEFAULT 0, "
                       "vadekontrolgun INTEGER NOT NULL DEFAULT 0, vadekontrolay INTEGER NOT NULL DEFAULT 0, "
                       "satici_id BIGINT REFERENCES satici(id), arama TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS cari_satici ON cari(satici_id)"),
        // User accounts, each bound to one computer identifier.
        QStringLiteral("CREATE TABLE IF NOT EXISTS hesap (id %ID%, bilgisayarid TEXT NOT NULL UNIQUE, adi TEXT NOT NULL, "
                       "sifre TEXT NOT NULL, musteritipi INTEGER NOT NULL DEFAULT 3, aktif INTEGER NOT NULL DEFAULT 1, "
                       "versiyon INTEGER NOT NULL DEFAULT 5, cari_id BIGINT REFERENCES cari(id), "
                       "satici_id BIGINT REFERENCES satici(id), mail TEXT NOT NULL DEFAULT '', "
                       "olusturma TEXT NOT NULL DEFAULT '')"),
        // Pictures, shared by stocks of the same kind.
        QStringLiteral("CREATE TABLE IF NOT EXISTS resim (id %ID%, adi TEXT NOT NULL DEFAULT '', veri %BLOB% NOT NULL)"),
        // Stocks.
        QStringLiteral("CREATE TABLE IF NOT EXISTS stok (id %ID%, kod TEXT NOT NULL, barkod TEXT NOT NULL DEFAULT '', "
                       "barkodno INTEGER NOT NULL DEFAULT 0, adi TEXT NOT NULL, digeradi TEXT NOT NULL DEFAULT '', "
                       "oem1 TEXT NOT NULL DEFAULT '', oem2 TEXT NOT NULL DEFAULT '', oem3 TEXT NOT NULL DEFAULT '', "
                       "oem4 TEXT NOT NULL DEFAULT '', oemno TEXT NOT NULL DEFAULT '', ureticikodu TEXT NOT NULL DEFAULT '', "
                       "dpkod TEXT NOT NULL DEFAULT '', pkod TEXT NOT NULL DEFAULT '', ozelkod TEXT NOT NULL DEFAULT '', "
                       "marka TEXT NOT NULL DEFAULT '', model TEXT NOT NULL DEFAULT '', anagrup TEXT NOT NULL DEFAULT '', "
                       "altgrup TEXT NOT NULL DEFAULT '', departman TEXT NOT NULL DEFAULT '', renk TEXT NOT NULL DEFAULT '', "
                       "birim TEXT NOT NULL DEFAULT 'ADET', kdv DOUBLE PRECISION NOT NULL DEFAULT 18, "
                       "listefiyati DOUBLE PRECISION NOT NULL DEFAULT 0, doviz TEXT NOT NULL DEFAULT 'TL', "
                       "maliyet DOUBLE PRECISION NOT NULL DEFAULT 0, musteri_iskonto INTEGER NOT NULL DEFAULT 1, "
                       "yeni INTEGER NOT NULL DEFAULT 0, kampanya INTEGER NOT NULL DEFAULT 0, "
                       "kampanyafiyati DOUBLE PRECISION NOT NULL DEFAULT 0, eskifiyat DOUBLE PRECISION NOT NULL DEFAULT 0, "
                       "durum INTEGER NOT NULL DEFAULT 1, kalan DOUBLE PRECISION NOT NULL DEFAULT 0, "
                       "alinansiparis DOUBLE PRECISION NOT NULL DEFAULT 0, verilensiparis DOUBLE PRECISION NOT NULL DEFAULT 0, "
                       "resim_id BIGINT REFERENCES resim(id), eklenme TEXT NOT NULL DEFAULT '', "
                       "arama TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS stok_kod ON stok(kod)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS stok_barkod ON stok(barkod)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS stok_yeni ON stok(yeni)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS stok_kampanya ON stok(kampanya)"),
        // The server-side basket; SEC = 1 marks the lines that go into the next order.
        QStringLiteral("CREATE TABLE IF NOT EXISTS sepet (id %ID%, cari_id BIGINT NOT NULL REFERENCES cari(id), "
                       "stok_id BIGINT NOT NULL REFERENCES stok(id), barkod TEXT NOT NULL, stokadi TEXT NOT NULL, "
                       "miktar DOUBLE PRECISION NOT NULL, kdv DOUBLE PRECISION NOT NULL, "
                       "birimfiyat DOUBLE PRECISION NOT NULL, indirim1 DOUBLE PRECISION NOT NULL DEFAULT 0, "
                       "indirim2 DOUBLE PRECISION NOT NULL DEFAULT 0, indirim3 DOUBLE PRECISION NOT NULL DEFAULT 0, "
                       "kur TEXT NOT NULL DEFAULT 'TL', kurtl DOUBLE PRECISION NOT NULL DEFAULT 1, "
                       "veren_id INTEGER NOT NULL DEFAULT 0, veren TEXT NOT NULL DEFAULT '', "
                       "kampanya INTEGER NOT NULL DEFAULT 0, sec INTEGER NOT NULL DEFAULT 1, "
                       "tarih TEXT NOT NULL, saat TEXT NOT NULL DEFAULT '', aciklama TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS sepet_cari ON sepet(cari_id)"),
        // What was deleted from baskets, with the client's description of the line.
        QStringLiteral("CREATE TABLE IF NOT EXISTS sepet_silinen (id %ID%, cari_id BIGINT NOT NULL, sepet_id BIGINT NOT NULL, "
                       "stok_id BIGINT, miktar DOUBLE PRECISION, aciklama TEXT NOT NULL DEFAULT '', "
                       "veren_id INTEGER NOT NULL DEFAULT 0, tarih TEXT NOT NULL)"),
        // Delivery kinds, cargo kinds and carriers.
        QStringLiteral("CREATE TABLE IF NOT EXISTS teslim_cinsi (id %ID%, adi TEXT NOT NULL, sira INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS kargo_cinsi (id %ID%, adi TEXT NOT NULL, sira INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS kargo_firma (id %ID%, kargo_cinsi_id BIGINT NOT NULL REFERENCES kargo_cinsi(id), "
                       "adi TEXT NOT NULL, uyari TEXT NOT NULL DEFAULT '', sira INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS kargo_firma_cins ON kargo_firma(kargo_cinsi_id)"),
        // Orders. durum: 0 alındı, 1 görüldü, 2 onaylandı, 3 parçalı hazırlandı, 4 hazırlandı, 5 sevk edildi, 9 iptal.
        QStringLiteral("CREATE TABLE IF NOT EXISTS siparis (id %ID%, cari_id BIGINT NOT NULL REFERENCES cari(id), "
                       "tarih TEXT NOT NULL, saat TEXT NOT NULL DEFAULT '', durum INTEGER NOT NULL DEFAULT 0, "
                       "teslim_id BIGINT REFERENCES teslim_cinsi(id), kargo_cinsi_id BIGINT REFERENCES kargo_cinsi(id), "
                       "kargo_firma_id BIGINT REFERENCES kargo_firma(id), veren_id INTEGER NOT NULL DEFAULT 0, "
                       "veren TEXT NOT NULL DEFAULT '', musteri_notu TEXT NOT NULL DEFAULT '', "
                       "bayi_notu TEXT NOT NULL DEFAULT '', satici_notu TEXT NOT NULL DEFAULT '', "
                       "kur TEXT NOT NULL DEFAULT 'TL', kurtl DOUBLE PRECISION NOT NULL DEFAULT 1)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS siparis_cari ON siparis(cari_id, id)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS siparis_durum ON siparis(durum)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS siparis_satir (id %ID%, siparis_id BIGINT NOT NULL REFERENCES siparis(id), "
                       "sepet_id BIGINT NOT NULL DEFAULT 0, stok_id BIGINT NOT NULL REFERENCES stok(id), "
                       "barkod TEXT NOT NULL, stokadi TEXT NOT NULL, miktar DOUBLE PRECISION NOT NULL, "
                       "teslim_edilen DOUBLE PRECISION NOT NULL DEFAULT 0, iptal INTEGER NOT NULL DEFAULT 0, "
                       "birimfiyat DOUBLE PRECISION NOT NULL, ilkfiyat DOUBLE PRECISION NOT NULL, "
                       "indirim1 DOUBLE PRECISION NOT NULL DEFAULT 0, indirim2 DOUBLE PRECISION NOT NULL DEFAULT 0, "
                       "indirim3 DOUBLE PRECISION NOT NULL DEFAULT 0, kdv DOUBLE PRECISION NOT NULL, "
                       "kur TEXT NOT NULL DEFAULT 'TL', kurtl DOUBLE PRECISION NOT NULL DEFAULT 1, "
                       "veren_id INTEGER NOT NULL DEFAULT 0, veren TEXT NOT NULL DEFAULT '', "
                       "tarih TEXT NOT NULL, saat TEXT NOT NULL DEFAULT '', aciklama TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS siparis_satir_siparis ON siparis_satir(siparis_id)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS siparis_satir_stok ON siparis_satir(stok_id)"),
        // Account movements: invoices, collections, payments.
        QStringLiteral("CREATE TABLE IF NOT EXISTS cari_hareket (id %ID%, cari_id BIGINT NOT NULL REFERENCES cari(id), "
                       "tarih TEXT NOT NULL, saat TEXT NOT NULL DEFAULT '', turadi TEXT NOT NULL, evrakno TEXT NOT NULL DEFAULT '', "
                       "borc DOUBLE PRECISION NOT NULL DEFAULT 0, alacak DOUBLE PRECISION NOT NULL DEFAULT 0, "
                       "kur TEXT NOT NULL DEFAULT 'TL', kurtl DOUBLE PRECISION NOT NULL DEFAULT 1, "
                       "vade INTEGER NOT NULL DEFAULT 0, aciklama TEXT NOT NULL DEFAULT '', "
                       "satici_id BIGINT REFERENCES satici(id), siparis_id BIGINT)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS cari_hareket_cari ON cari_hareket(cari_id, tarih, id)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS fatura_satir (id %ID%, hareket_id BIGINT NOT NULL REFERENCES cari_hareket(id), "
                       "stok_id BIGINT NOT NULL REFERENCES stok(id), miktar DOUBLE PRECISION NOT NULL, "
                       "birimfiyat DOUBLE PRECISION NOT NULL, indirim1 DOUBLE PRECISION NOT NULL DEFAULT 0, "
                       "indirim2 DOUBLE PRECISION NOT NULL DEFAULT 0, kdv DOUBLE PRECISION NOT NULL DEFAULT 18, "
                       "masraf DOUBLE PRECISION NOT NULL DEFAULT 0, irsaliyeno TEXT NOT NULL DEFAULT '', "
                       "siparis_id BIGINT, aciklama TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS fatura_satir_hareket ON fatura_satir(hareket_id)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tahsilat_satir (id %ID%, hareket_id BIGINT NOT NULL REFERENCES cari_hareket(id), "
                       "tarih TEXT NOT NULL, tur TEXT NOT NULL, cins TEXT NOT NULL, evrakno TEXT NOT NULL DEFAULT '', "
                       "vade TEXT NOT NULL DEFAULT '', tutar DOUBLE PRECISION NOT NULL, kur TEXT NOT NULL DEFAULT 'TL', "
                       "kurtl DOUBLE PRECISION NOT NULL DEFAULT 1, aciklama TEXT NOT NULL DEFAULT '', "
                       "doviztutar DOUBLE PRECISION NOT NULL DEFAULT 0, ref TEXT NOT NULL DEFAULT '', saat TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS tahsilat_satir_hareket ON tahsilat_satir(hareket_id)"),
        // Announcements (tur 1) and opening adverts (tur 2).
        QStringLiteral("CREATE TABLE IF NOT EXISTS duyuru (id %ID%, tur INTEGER NOT NULL DEFAULT 1, sira INTEGER NOT NULL DEFAULT 0, "
                       "baslik TEXT NOT NULL DEFAULT '', arama TEXT NOT NULL DEFAULT '', resim %BLOB%, "
                       "aktif INTEGER NOT NULL DEFAULT 1)"),
        // Ticker text, banner, other single values of the dealer.
        QStringLiteral("CREATE TABLE IF NOT EXISTS ayar (anahtar TEXT PRIMARY KEY, deger TEXT NOT NULL DEFAULT '', veri %BLOB%)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS kur (id %ID%, tarih TEXT NOT NULL, usd DOUBLE PRECISION NOT NULL, "
                       "eur DOUBLE PRECISION NOT NULL)"),
        // Documents the dealer publishes.
        QStringLiteral("CREATE TABLE IF NOT EXISTS belge (id %ID%, sira INTEGER NOT NULL DEFAULT 0, aciklama TEXT NOT NULL, "
                       "dosyayol TEXT NOT NULL, dosyaadi TEXT NOT NULL, veri %BLOB% NOT NULL, tarih TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS belge_indirme (id %ID%, belge_id BIGINT NOT NULL, bilgisayarid TEXT NOT NULL DEFAULT '', "
                       "cari_id BIGINT, tarih TEXT NOT NULL)"),
        // Original manufacturer prices.
        QStringLiteral("CREATE TABLE IF NOT EXISTS orjinal_fiyat (id %ID%, kod TEXT NOT NULL, aciklama TEXT NOT NULL, "
                       "marka TEXT NOT NULL DEFAULT '', kdvharic DOUBLE PRECISION NOT NULL, kdv DOUBLE PRECISION NOT NULL DEFAULT 18, "
                       "arama TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS orjinal_fiyat_kod ON orjinal_fiyat(kod)"),
        // Requests and messages customers send to the dealer.
        QStringLiteral("CREATE TABLE IF NOT EXISTS giden (id %ID%, tarih TEXT NOT NULL, yontem TEXT NOT NULL, "
                       "idsi TEXT NOT NULL DEFAULT '', baslik TEXT NOT NULL DEFAULT '', firmaadi TEXT NOT NULL DEFAULT '', "
                       "adres1 TEXT NOT NULL DEFAULT '', adres2 TEXT NOT NULL DEFAULT '', ilce TEXT NOT NULL DEFAULT '', "
                       "sehir TEXT NOT NULL DEFAULT '', telefon TEXT NOT NULL DEFAULT '', fax TEXT NOT NULL DEFAULT '', "
                       "vd TEXT NOT NULL DEFAULT '', vn TEXT NOT NULL DEFAULT '', yetkili TEXT NOT NULL DEFAULT '', "
                       "kullaniciadi TEXT NOT NULL DEFAULT '', sifre TEXT NOT NULL DEFAULT '', mail TEXT NOT NULL DEFAULT '', "
                       "kargoambar TEXT NOT NULL DEFAULT '', konu TEXT NOT NULL DEFAULT '', "
                       "islendi INTEGER NOT NULL DEFAULT 0)"),
        // Log-outs and similar events of the clients.
        QStringLiteral("CREATE TABLE IF NOT EXISTS olay (id %ID%, tarih TEXT NOT NULL, tur TEXT NOT NULL, "
                       "bilgisayarid TEXT NOT NULL DEFAULT '', hesap_id BIGINT, aciklama TEXT NOT NULL DEFAULT '')"),
    };
    if (pg) {
        // Substring search over codes and names: trigram indexes when pg_trgm can be had.
        s << QStringLiteral("CREATE INDEX IF NOT EXISTS stok_kod_ix ON stok(kod text_pattern_ops)");
    } else {
        s << QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS stok_fts USING fts5(arama, content='', tokenize='trigram')");
        s << QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS orjinal_fts USING fts5(arama, content='', tokenize='trigram')");
    }
    for (QString& x : s) {
        x.replace(QLatin1String("%ID%"), id);
        x.replace(QLatin1String("%BLOB%"), blob);
    }
    return s;
}

QStringList pgTrigramKomutlari()
{
    return {
        QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_trgm"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS stok_arama_trgm ON stok USING gin (arama gin_trgm_ops)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS orjinal_arama_trgm ON orjinal_fiyat USING gin (arama gin_trgm_ops)"),
    };
}

} // namespace dealer
