#include "sema.h"

namespace dealer {

QStringList semaKomutlari(bool pg)
{
    const QString id = pg ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    QStringList s = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS satici (id %ID%, adi TEXT NOT NULL, telefon TEXT NOT NULL DEFAULT '', "
                       "mail TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS cari (id %ID%, kod TEXT NOT NULL UNIQUE, adi TEXT NOT NULL, "
                       "satici_id BIGINT REFERENCES satici(id), iskonto DOUBLE PRECISION NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS hesap (id %ID%, bilgisayarid TEXT NOT NULL UNIQUE, adi TEXT NOT NULL, "
                       "sifre TEXT NOT NULL, musteritipi INTEGER NOT NULL DEFAULT 3, aktif INTEGER NOT NULL DEFAULT 1, "
                       "versiyon INTEGER NOT NULL DEFAULT 5, cari_id BIGINT REFERENCES cari(id), "
                       "mail TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS stok (id %ID%, barkod TEXT NOT NULL, kod TEXT NOT NULL, adi TEXT NOT NULL, "
                       "birim TEXT NOT NULL DEFAULT 'ADET', kdv DOUBLE PRECISION NOT NULL DEFAULT 18, "
                       "fiyat DOUBLE PRECISION NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS sepet (id %ID%, cari_id BIGINT NOT NULL, stok_id BIGINT NOT NULL, "
                       "barkod TEXT NOT NULL, stokadi TEXT NOT NULL, miktar DOUBLE PRECISION NOT NULL, "
                       "kdv DOUBLE PRECISION NOT NULL, fiyat DOUBLE PRECISION NOT NULL, indirim DOUBLE PRECISION NOT NULL, "
                       "veren_id INTEGER NOT NULL, kampanya INTEGER NOT NULL DEFAULT 0, sec INTEGER NOT NULL DEFAULT 1, "
                       "tarih TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS sepet_cari ON sepet(cari_id)"),
    };
    for (QString& x : s) x.replace(QLatin1String("%ID%"), id);
    return s;
}

} // namespace dealer
