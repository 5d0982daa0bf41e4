// The plain methods every client of the server may use first.
#include "yontemler.h"

#include <algorithm>

using namespace dealer;
using protocol::Value;

MIVO_YONTEM(EchoString) { c.sonuc(Value::string(c.metin(0))); }

MIVO_YONTEM(ReverseString)
{
    // Reverse by whole characters, so Turkish letters and surrogate pairs survive.
    const QString s = c.metin(0);
    QList<uint> u = s.toUcs4();
    std::reverse(u.begin(), u.end());
    c.sonuc(Value::string(QString::fromUcs4(reinterpret_cast<const char32_t*>(u.constData()), u.size())));
}

// The account registered for a computer identifier.
MIVO_YONTEM(BuyukGetir)
{
    mivo::TSonucBilgisi b;
    b.SetVersion(5);
    QSqlQuery q = c.db.sorgu(QStringLiteral(
        "SELECT h.id, h.adi, h.sifre, h.musteritipi, h.aktif, h.versiyon, h.mail, "
        "COALESCE(k.id, 0), COALESCE(k.kod, ''), COALESCE(k.adi, ''), "
        "COALESCE(s.id, 0), COALESCE(s.adi, ''), COALESCE(s.telefon, ''), COALESCE(s.mail, '') "
        "FROM hesap h LEFT JOIN cari k ON k.id = h.cari_id LEFT JOIN satici s ON s.id = k.satici_id "
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
    } else {
        // Unknown computer: everything empty, so the login offers registration.
        b.SetMusteriTipi(0);
    }
    c.nesne(&b);
}

MIVO_YONTEM(SepetVer)
{
    TabloYapici t({kInt("SIRANO"), kInt("STOKNO"), kStr("BARKOD"), kStr("STOKADI"), kDbl("MIKTAR"), kDbl("KDV"),
                   kDbl("BIRIMFIYAT"), kDbl("INDIRIMORANI1"), kInt("VERENIDNO"), kInt("K"), kInt("SEC"),
                   kDateTime("TARIH")});
    QSqlQuery q = c.db.sorgu(QStringLiteral(
        "SELECT id, stok_id, barkod, stokadi, miktar, kdv, fiyat, indirim, veren_id, kampanya, sec, tarih "
        "FROM sepet WHERE cari_id = ? ORDER BY id"), {c.tam(0)});
    t.ekle(q);
    c.tablo(t.tablo());
}
