#include "ortak.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace dealer {

double yuvarla(double x)
{
    // Through the 15-significant-digit decimal form, so 1.005 rounds as written.
    const double y = QString::number(x, 'g', 15).toDouble();
    const double r = std::round(std::fabs(y) * 100.0) / 100.0;
    return y < 0 ? -r : r;
}

QString katla(const QString& s)
{
    QString r;
    r.reserve(s.size());
    for (QChar ch : s) {
        switch (ch.unicode()) {
        case 0x011F: case 0x011E: r += QLatin1Char('G'); break;   // ğ Ğ
        case 0x00FC: case 0x00DC: r += QLatin1Char('U'); break;   // ü Ü
        case 0x015F: case 0x015E: r += QLatin1Char('S'); break;   // ş Ş
        case 0x00F6: case 0x00D6: r += QLatin1Char('O'); break;   // ö Ö
        case 0x00E7: case 0x00C7: r += QLatin1Char('C'); break;   // ç Ç
        case 0x0130: case 0x0131: r += QLatin1Char('I'); break;   // İ ı
        case 0x00E2: case 0x00C2: r += QLatin1Char('A'); break;   // â Â
        case 0x00EE: case 0x00CE: r += QLatin1Char('I'); break;   // î Î
        case 0x00FB: case 0x00DB: r += QLatin1Char('U'); break;   // û Û
        default: r += ch.toUpper();
        }
    }
    return r;
}

QString kodSade(const QString& s)
{
    QString k = katla(s), r;
    r.reserve(k.size());
    for (QChar ch : k)
        if (!ch.isSpace() && ch != QLatin1Char('-') && ch != QLatin1Char('.') && ch != QLatin1Char('/')
            && ch != QLatin1Char('_'))
            r += ch;
    return r;
}

QString aramaMetni(const QStringList& kodlar, const QStringList& adlar)
{
    QStringList p;
    for (const QString& a : adlar)
        if (!a.trimmed().isEmpty()) p << katla(a.simplified());
    for (const QString& k : kodlar) {
        if (k.trimmed().isEmpty()) continue;
        const QString f = katla(k.simplified()), s = kodSade(k);
        p << f;
        if (s != f) p << s;
    }
    return p.join(QLatin1Char(' '));
}

Arama aramaCoz(const QString& metin)
{
    Arama a;
    a.kelimeler = katla(metin).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const QString s = kodSade(metin);
    if (s.size() >= 3 && !(a.kelimeler.size() == 1 && a.kelimeler[0] == s)) a.sade = s;
    return a;
}

QString likeKalip(const QString& kelime)
{
    QString r;
    r.reserve(kelime.size() + 4);
    r += QLatin1Char('%');
    for (QChar ch : kelime) {
        if (ch == QLatin1Char('%') || ch == QLatin1Char('_') || ch == QLatin1Char('\\')) r += QLatin1Char('\\');
        r += ch;
    }
    r += QLatin1Char('%');
    return r;
}

namespace {
QString ftsDizgesi(const QString& s)
{
    QString r = s;
    r.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + r + QLatin1Char('"');
}
} // namespace

QString ftsIfadesi(const Arama& a)
{
    // Trigram MATCH only narrows down; words under three letters are checked by LIKE.
    QStringList uzun;
    for (const QString& k : a.kelimeler)
        if (k.size() >= 3) uzun << ftsDizgesi(k);
    if (uzun.isEmpty()) return {};
    QString e = uzun.size() == 1 ? uzun[0] : QLatin1Char('(') + uzun.join(QLatin1String(" AND ")) + QLatin1Char(')');
    if (!a.sade.isEmpty()) e += QLatin1String(" OR ") + ftsDizgesi(a.sade);
    return e;
}

QString aramaKosulu(const Arama& a, const QString& sutun, QVariantList& params)
{
    QStringList ve;
    for (const QString& k : a.kelimeler) {
        ve << sutun + QStringLiteral(" LIKE ? ESCAPE '\\'");
        params << likeKalip(k);
    }
    QString k = QLatin1Char('(') + ve.join(QLatin1String(" AND ")) + QLatin1Char(')');
    if (!a.sade.isEmpty()) {
        k = QLatin1Char('(') + k + QLatin1String(" OR ") + sutun + QStringLiteral(" LIKE ? ESCAPE '\\')");
        params << likeKalip(a.sade);
    }
    return k;
}

QString bugun() { return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")); }
QString simdi() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }
QString saatMetni() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")); }

QDate gunSayisindan(double d)
{
    if (!std::isfinite(d) || d < -657434 || d > 2958465) return {};
    return QDate(1899, 12, 30).addDays(qint64(std::floor(d)));
}

double gunSayisi(const QDate& d) { return double(QDate(1899, 12, 30).daysTo(d)); }

QString hex(const QByteArray& b) { return QString::fromLatin1(b.toHex().toUpper()); }

Fiyat fiyatHesapla(double listeFiyati, double kdv, double cariIndirim, bool musteriIskonto, bool kampanya,
                   double kampanyaFiyati)
{
    Fiyat f;
    // A campaign price is net already; the customer's discount applies to the rest.
    f.fiyat = kampanya && kampanyaFiyati > 0 ? kampanyaFiyati : listeFiyati;
    f.indirim = (!kampanya && musteriIskonto) ? cariIndirim : 0;
    f.net = f.indirim > 0.0001 ? f.fiyat - yuvarla(f.fiyat * f.indirim / 100.0) : f.fiyat;
    f.kdvDahil = yuvarla(f.net * (kdv / 100.0 + 1.0));
    return f;
}

QString fiyatMetni(double x, const QString& doviz)
{
    return QString::number(yuvarla(x), 'f', 2) + QLatin1Char(' ') + (doviz.isEmpty() ? QStringLiteral("TL") : doviz);
}

QString siparisDurumAdi(int durum)
{
    switch (durum) {
    case 0: return QStringLiteral("Alındı");
    case 1: return QStringLiteral("Görüldü");
    case 2: return QStringLiteral("Onaylandı");
    case 3: return QStringLiteral("Parçalı Hazırlandı");
    case 4: return QStringLiteral("Hazırlandı");
    case 5: return QStringLiteral("Sevk Edildi");
    case 9: return QStringLiteral("İptal");
    default: return QStringLiteral("Bilinmiyor");
    }
}

// ---------- stock lists ----------

namespace {

enum S {
    sBARKOD, sFINISHKOD, sOEM1, sOEM2, sOEM3, sADI, sOEM4, sSTOK_STOKNO, sURETICIKODU, sBARKOD_BARKODNO, sDIGERADI,
    sDPKOD, sOEMNO, sBIRIM, sMARKA, sMODEL, sANAGRUP, sOZELKOD, sKALAN, sPKOD, sKDV, sALINANSIPARIS,
    sVERILENSIPARIS, sLISTEFIYATI, sESKIFIYAT, sMALIYET, sFIYAT, sY, sK, sINDIRIM, sNETFIYAT, sKDVDAHIL, sDURUM,
    sALTGRUP, sSAYI
};

const QVector<S>& sira(StokListeTuru t)
{
    static const QVector<S> arama = {sBARKOD, sFINISHKOD, sOEM1, sOEM2, sOEM3, sADI, sOEM4, sSTOK_STOKNO,
                                     sURETICIKODU, sBARKOD_BARKODNO, sDIGERADI, sDPKOD, sOEMNO, sBIRIM, sMARKA,
                                     sMODEL, sANAGRUP, sOZELKOD, sKALAN, sPKOD, sKDV, sALINANSIPARIS,
                                     sVERILENSIPARIS, sLISTEFIYATI, sMALIYET, sFIYAT, sY, sK, sINDIRIM, sNETFIYAT,
                                     sKDVDAHIL, sDURUM, sALTGRUP};
    static const QVector<S> yeni = {sOEM1, sOEM2, sOEM3, sBARKOD, sFINISHKOD, sADI, sOEM4, sSTOK_STOKNO,
                                    sURETICIKODU, sBARKOD_BARKODNO, sDIGERADI, sDPKOD, sOEMNO, sBIRIM, sMARKA, sMODEL,
                                    sANAGRUP, sOZELKOD, sKALAN, sPKOD, sKDV, sALINANSIPARIS, sVERILENSIPARIS,
                                    sLISTEFIYATI, sMALIYET, sFIYAT, sINDIRIM, sNETFIYAT, sKDVDAHIL, sY, sK, sDURUM,
                                    sALTGRUP};
    static const QVector<S> kampanya = {sOEM1, sOEM2, sOEM3, sBARKOD, sFINISHKOD, sADI, sOEM4, sSTOK_STOKNO,
                                        sURETICIKODU, sBARKOD_BARKODNO, sDIGERADI, sDPKOD, sOEMNO, sBIRIM, sMARKA,
                                        sMODEL, sANAGRUP, sOZELKOD, sKALAN, sPKOD, sKDV, sALINANSIPARIS,
                                        sVERILENSIPARIS, sESKIFIYAT, sFIYAT, sY, sK, sINDIRIM, sNETFIYAT, sKDVDAHIL,
                                        sDURUM, sMALIYET, sALTGRUP};
    switch (t) {
    case StokListeTuru::Yeni: return yeni;
    case StokListeTuru::Kampanya: return kampanya;
    default: return arama;
    }
}

protocol::Column sutun(S s)
{
    switch (s) {
    case sBARKOD: return kStr("BARKOD", 50);
    case sFINISHKOD: return kStr("FINISHKOD", 50);
    case sOEM1: return kStr("OEM1", 50);
    case sOEM2: return kStr("OEM2", 50);
    case sOEM3: return kStr("OEM3", 50);
    case sADI: return kStr("ADI", 100);
    case sOEM4: return kStr("OEM4", 50);
    case sSTOK_STOKNO: return kInt("STOK_STOKNO");
    case sURETICIKODU: return kStr("URETICIKODU", 50);
    case sBARKOD_BARKODNO: return kInt("BARKOD_BARKODNO");
    case sDIGERADI: return kStr("DIGERADI", 100);
    case sDPKOD: return kStr("DPKOD", 50);
    case sOEMNO: return kStr("OEMNO", 50);
    case sBIRIM: return kStr("BIRIM", 10);
    case sMARKA: return kStr("MARKA", 50);
    case sMODEL: return kStr("MODEL", 50);
    case sANAGRUP: return kStr("ANAGRUP", 50);
    case sOZELKOD: return kStr("OZELKOD", 50);
    case sKALAN: return kDbl("KALAN");
    case sPKOD: return kStr("PKOD", 50);
    case sKDV: return kDbl("KDV");
    case sALINANSIPARIS: return kDbl("ALINANSIPARIS");
    case sVERILENSIPARIS: return kDbl("VERILENSIPARIS");
    case sLISTEFIYATI: return kStr("LISTEFIYATI", 30);
    case sESKIFIYAT: return kDbl("ESKIFIYAT");
    case sMALIYET: return kStr("MALIYET", 30);
    case sFIYAT: return kDbl("FIYAT");
    case sY: return kInt("Y");
    case sK: return kInt("K");
    case sINDIRIM: return kDbl("INDIRIM");
    case sNETFIYAT: return kDbl("NETFIYAT");
    case sKDVDAHIL: return kDbl("KDVDAHIL");
    case sDURUM: return kInt("DURUM");
    case sALTGRUP: return kStr("ALTGRUP", 50);
    case sSAYI: break;
    }
    return kStr("?");
}

} // namespace

QVector<protocol::Column> stokSutunlari(StokListeTuru t)
{
    QVector<protocol::Column> c;
    for (S s : sira(t)) c << sutun(s);
    return c;
}

QString stokSecimi()
{
    return QStringLiteral("s.id, s.kod, s.barkod, s.barkodno, s.adi, s.digeradi, s.oem1, s.oem2, s.oem3, s.oem4, "
                          "s.oemno, s.ureticikodu, s.dpkod, s.pkod, s.ozelkod, s.marka, s.model, s.anagrup, s.altgrup, "
                          "s.birim, s.kdv, s.listefiyati, s.doviz, s.maliyet, s.musteri_iskonto, s.yeni, s.kampanya, "
                          "s.kampanyafiyati, s.eskifiyat, s.durum, s.kalan, s.alinansiparis, s.verilensiparis");
}

QVector<QVariant> stokSatiri(QSqlQuery& q, StokListeTuru t, double cariIndirim)
{
    QVariant v[sSAYI];
    v[sSTOK_STOKNO] = q.value(0).toInt();
    v[sFINISHKOD] = q.value(1).toString();
    v[sBARKOD] = q.value(2).toString();
    v[sBARKOD_BARKODNO] = q.value(3).toInt();
    v[sADI] = q.value(4).toString();
    v[sDIGERADI] = q.value(5).toString();
    v[sOEM1] = q.value(6).toString();
    v[sOEM2] = q.value(7).toString();
    v[sOEM3] = q.value(8).toString();
    v[sOEM4] = q.value(9).toString();
    v[sOEMNO] = q.value(10).toString();
    v[sURETICIKODU] = q.value(11).toString();
    v[sDPKOD] = q.value(12).toString();
    v[sPKOD] = q.value(13).toString();
    v[sOZELKOD] = q.value(14).toString();
    v[sMARKA] = q.value(15).toString();
    v[sMODEL] = q.value(16).toString();
    v[sANAGRUP] = q.value(17).toString();
    v[sALTGRUP] = q.value(18).toString();
    v[sBIRIM] = q.value(19).toString();
    const double kdv = q.value(20).toDouble();
    const double liste = q.value(21).toDouble();
    const QString doviz = q.value(22).toString();
    const double maliyet = q.value(23).toDouble();
    const bool iskonto = q.value(24).toInt() != 0;
    const int yeni = q.value(25).toInt(), kamp = q.value(26).toInt();
    const double kampFiyat = q.value(27).toDouble(), eski = q.value(28).toDouble();
    v[sDURUM] = q.value(29).toInt();
    v[sKALAN] = q.value(30).toDouble();
    v[sALINANSIPARIS] = q.value(31).toDouble();
    v[sVERILENSIPARIS] = q.value(32).toDouble();
    const Fiyat f = fiyatHesapla(liste, kdv, cariIndirim, iskonto, kamp != 0, kampFiyat);
    v[sKDV] = kdv;
    v[sLISTEFIYATI] = fiyatMetni(liste, QStringLiteral("TL"));
    v[sESKIFIYAT] = eski > 0 ? eski : liste;
    // The cost as the dealer keeps it: VAT included, in the purchase currency.
    v[sMALIYET] = fiyatMetni(maliyet * (1.0 + kdv / 100.0), doviz);
    v[sFIYAT] = f.fiyat;
    v[sY] = yeni;
    v[sK] = kamp;
    v[sINDIRIM] = f.indirim;
    v[sNETFIYAT] = f.net;
    v[sKDVDAHIL] = f.kdvDahil;
    QVector<QVariant> r;
    const auto& s = sira(t);
    r.reserve(s.size());
    for (S x : s) r << v[x];
    return r;
}

double cariIndirimi(Veritabani& db, qint64 carino)
{
    return db.tekDeger(QStringLiteral("SELECT indirim FROM cari WHERE id = ?"), {carino}).toDouble();
}

bool stokAramaKosulu(Veritabani& db, const QString& metin, QString& kosul, QVariantList& p)
{
    const Arama a = aramaCoz(metin);
    if (a.bos()) return false;
    kosul.clear();
    if (!db.postgres()) {
        const QString fts = ftsIfadesi(a);
        if (!fts.isEmpty()) {
            kosul = QStringLiteral("s.id IN (SELECT rowid FROM stok_fts WHERE stok_fts MATCH ?)");
            p << fts;
            // A trigram phrase is a substring match already; LIKE is needed only for short words.
            bool kisaVar = false;
            for (const QString& k : a.kelimeler) kisaVar |= k.size() < 3;
            if (!kisaVar) return true;
            kosul += QStringLiteral(" AND ");
        }
    }
    kosul += aramaKosulu(a, QStringLiteral("s.arama"), p);
    return true;
}

QSqlQuery stokAraSorgu(Veritabani& db, const QString& metin, int azami, int atla, int* toplam)
{
    QString kosul;
    QVariantList p;
    if (!stokAramaKosulu(db, metin, kosul, p)) {
        kosul = QStringLiteral("1 = 0");
        p.clear();
    }
    if (toplam) *toplam = db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM stok s WHERE ") + kosul, p).toInt();
    p << azami << atla;
    return db.sorgu(QStringLiteral("SELECT ") + stokSecimi() + QStringLiteral(" FROM stok s WHERE ") + kosul
                        + QStringLiteral(" ORDER BY s.kod, s.id LIMIT ? OFFSET ?"),
                    p);
}

} // namespace dealer
