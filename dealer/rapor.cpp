// Reports made on the server as PDF files with the customer's figures.
#include "ortak.h"
#include "yontemler.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <mutex>

using namespace dealer;
using protocol::Value;

namespace {

// A plain tabular PDF: a title block, then rows in columns, page breaks as needed.
class PdfRapor {
public:
    explicit PdfRapor(QByteArray& hedef) : buf_(&hedef)
    {
        buf_.open(QIODevice::WriteOnly);
        pdf_ = std::make_unique<QPdfWriter>(&buf_);
        pdf_->setPageSize(QPageSize(QPageSize::A4));
        pdf_->setResolution(96);
        pdf_->setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        pdf_->setCreator(QStringLiteral("mivo-server"));
        p_.begin(pdf_.get());
        genislik_ = p_.viewport().width();
        yukseklik_ = p_.viewport().height();
    }
    ~PdfRapor() { bitir(); }

    void baslik(const QString& ust, const QStringList& satirlar)
    {
        pdf_->setTitle(ust);
        QFont f(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
        p_.setFont(f);
        p_.drawText(QRect(0, y_, genislik_, 30), Qt::AlignLeft | Qt::AlignVCenter, ust);
        y_ += 34;
        p_.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        for (const QString& s : satirlar) {
            p_.drawText(QRect(0, y_, genislik_, 16), Qt::AlignLeft | Qt::AlignVCenter, s);
            y_ += 16;
        }
        y_ += 10;
    }

    void sutunlar(const QStringList& adlar, const QVector<int>& oranlar, const QVector<bool>& sag)
    {
        adlar_ = adlar;
        sag_ = sag;
        int top = 0;
        for (int o : oranlar) top += o;
        int x = 0;
        xs_.clear();
        ws_.clear();
        for (int o : oranlar) {
            xs_ << x;
            ws_ << genislik_ * o / qMax(1, top);
            x += ws_.last();
        }
        basliklariCiz();
    }

    void satir(const QStringList& hucreler, bool kalin = false)
    {
        if (y_ + 16 > yukseklik_) {
            pdf_->newPage();
            y_ = 0;
            basliklariCiz();
        }
        p_.setFont(QFont(QStringLiteral("DejaVu Sans"), 8, kalin ? QFont::Bold : QFont::Normal));
        for (int i = 0; i < hucreler.size() && i < xs_.size(); ++i)
            p_.drawText(QRect(xs_[i] + 2, y_, ws_[i] - 4, 16),
                        (sag_.value(i) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                        p_.fontMetrics().elidedText(hucreler[i], Qt::ElideRight, ws_[i] - 4));
        y_ += 16;
    }

    void bitir()
    {
        if (p_.isActive()) p_.end();
        pdf_.reset();
        buf_.close();
    }

private:
    void basliklariCiz()
    {
        if (adlar_.isEmpty()) return;
        p_.setFont(QFont(QStringLiteral("DejaVu Sans"), 8, QFont::Bold));
        p_.fillRect(QRect(0, y_, genislik_, 18), QColor(224, 232, 241));
        for (int i = 0; i < adlar_.size(); ++i)
            p_.drawText(QRect(xs_[i] + 2, y_, ws_[i] - 4, 18),
                        (sag_.value(i) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, adlar_[i]);
        y_ += 20;
    }

    QBuffer buf_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter p_;
    int genislik_ = 0, yukseklik_ = 0, y_ = 0;
    QStringList adlar_;
    QVector<bool> sag_;
    QVector<int> xs_, ws_;
};

QString tl(double x) { return QLocale(QLocale::Turkish, QLocale::Turkey).toString(yuvarla(x), 'f', 2); }
QString tarihMetni(const QString& iso) { return QDate::fromString(iso.left(10), QStringLiteral("yyyy-MM-dd")).toString(QStringLiteral("dd.MM.yyyy")); }

// Customer summary (6, carino > 0): the statement up to the date, open balances, last orders.
void cariOzeti(Veritabani& db, PdfRapor& r, qint64 carino, const QString& satici, const QDate& tarih)
{
    QSqlQuery c = db.sorgu(QStringLiteral("SELECT kod, adi, il, ilce, tel1, vergidairesi, vergino FROM cari WHERE id = ?"), {carino});
    if (!c.next()) throw SunucuHatasi(QStringLiteral("Exception"), QStringLiteral("Cari bulunamadı: %1").arg(carino));
    const QString t = tarih.toString(QStringLiteral("yyyy-MM-dd"));
    r.baslik(QStringLiteral("Cari Özeti"),
             {QStringLiteral("Cari: %1 - %2").arg(c.value(0).toString(), c.value(1).toString()),
              QStringLiteral("Adres: %1 / %2   Tel: %3").arg(c.value(3).toString(), c.value(2).toString(), c.value(4).toString()),
              QStringLiteral("Vergi: %1 / %2").arg(c.value(5).toString(), c.value(6).toString()),
              QStringLiteral("Temsilci: %1   Tarih: %2").arg(satici, tarih.toString(QStringLiteral("dd.MM.yyyy")))});
    r.sutunlar({QStringLiteral("Tarih"), QStringLiteral("Tür"), QStringLiteral("Evrak No"), QStringLiteral("Borç"),
                QStringLiteral("Alacak"), QStringLiteral("Bakiye")},
               {12, 20, 16, 14, 14, 14}, {false, false, false, true, true, true});
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT tarih, turadi, evrakno, borc, alacak FROM cari_hareket WHERE cari_id = ? "
                                          "AND tarih <= ? ORDER BY tarih, id"),
                           {carino, t});
    double b = 0, a = 0;
    while (q.next()) {
        b += q.value(3).toDouble();
        a += q.value(4).toDouble();
        r.satir({tarihMetni(q.value(0).toString()), q.value(1).toString(), q.value(2).toString(), tl(q.value(3).toDouble()),
                 tl(q.value(4).toDouble()), tl(b - a)});
    }
    r.satir({QString(), QStringLiteral("TOPLAM"), QString(), tl(b), tl(a), tl(b - a)}, true);
}

// Receivables by due date (6, carino 0): every customer of the representative (or all for ".").
void alacakVadeleri(Veritabani& db, PdfRapor& r, const QString& satici, const QDate& tarih)
{
    r.baslik(QStringLiteral("Cari Toplu Alacak Vadeleri"),
             {QStringLiteral("Temsilci: %1   Tarih: %2").arg(satici == QLatin1String(".") ? QStringLiteral("Tümü") : satici,
                                                              tarih.toString(QStringLiteral("dd.MM.yyyy")))});
    r.sutunlar({QStringLiteral("Cari Kod"), QStringLiteral("Cari Adı"), QStringLiteral("Vade"), QStringLiteral("Bakiye"),
                QStringLiteral("Vadesi Geçen"), QStringLiteral("Vadesi Gelmemiş")},
               {12, 34, 8, 14, 14, 14}, {false, false, true, true, true, true});
    QString sql = QStringLiteral("SELECT c.id, c.kod, c.adi, c.vade FROM cari c LEFT JOIN satici s ON s.id = c.satici_id");
    QVariantList p;
    if (satici != QLatin1String(".")) { sql += QStringLiteral(" WHERE s.adi = ?"); p << satici; }
    QSqlQuery q = db.sorgu(sql + QStringLiteral(" ORDER BY c.adi"), p);
    struct C { qint64 id; QString kod, adi; int vade; };
    QVector<C> cariler;
    while (q.next()) cariler.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt()});
    double tb = 0, tg = 0, tn = 0;
    const QString t = tarih.toString(QStringLiteral("yyyy-MM-dd"));
    for (const C& c : cariler) {
        // Debits whose due date is past count as overdue, paid first by the credits.
        QSqlQuery h = db.sorgu(QStringLiteral("SELECT tarih, vade, borc, alacak FROM cari_hareket WHERE cari_id = ? AND tarih <= ?"),
                               {c.id, t});
        double gecen = 0, gelmemis = 0, alacak = 0;
        while (h.next()) {
            alacak += h.value(3).toDouble();
            const double borc = h.value(2).toDouble();
            if (borc <= 0) continue;
            const QDate vade = QDate::fromString(h.value(0).toString().left(10), QStringLiteral("yyyy-MM-dd"))
                                   .addDays(h.value(1).toInt() > 0 ? h.value(1).toInt() : c.vade);
            (vade < tarih ? gecen : gelmemis) += borc;
        }
        double kalanAlacak = alacak;
        const double g = qMax(0.0, gecen - kalanAlacak);
        kalanAlacak = qMax(0.0, kalanAlacak - gecen);
        const double n = qMax(0.0, gelmemis - kalanAlacak);
        const double bak = gecen + gelmemis - alacak;
        if (qAbs(bak) < 0.005 && g == 0 && n == 0) continue;
        tb += bak; tg += g; tn += n;
        r.satir({c.kod, c.adi, QString::number(c.vade), tl(bak), tl(g), tl(n)});
    }
    r.satir({QString(), QStringLiteral("TOPLAM"), QString(), tl(tb), tl(tg), tl(tn)}, true);
}

// Purchases and sales of a customer between two dates, by stock (7).
void alisSatis(Veritabani& db, PdfRapor& r, qint64 carino, const QString& satici, const QDate& d1, const QDate& d2)
{
    const QString adi = db.tekDeger(QStringLiteral("SELECT kod || ' - ' || adi FROM cari WHERE id = ?"), {carino}).toString();
    r.baslik(QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"),
             {QStringLiteral("Cari: %1").arg(adi.isEmpty() ? QStringLiteral("(tüm cariler)") : adi),
              QStringLiteral("Temsilci: %1").arg(satici),
              QStringLiteral("Dönem: %1 - %2").arg(d1.toString(QStringLiteral("dd.MM.yyyy")), d2.toString(QStringLiteral("dd.MM.yyyy")))});
    r.sutunlar({QStringLiteral("Stok Kod"), QStringLiteral("Açıklama"), QStringLiteral("Satış Miktar"),
                QStringLiteral("Satış Tutar"), QStringLiteral("İade Miktar"), QStringLiteral("İade Tutar")},
               {14, 36, 11, 14, 11, 14}, {false, false, true, true, true, true});
    QString sql = QStringLiteral(
        "SELECT st.kod, st.adi, SUM(CASE WHEN h.borc > 0 THEN f.miktar ELSE 0 END), "
        "SUM(CASE WHEN h.borc > 0 THEN f.miktar * f.birimfiyat * (1 - f.indirim1 / 100.0) ELSE 0 END), "
        "SUM(CASE WHEN h.alacak > 0 THEN f.miktar ELSE 0 END), "
        "SUM(CASE WHEN h.alacak > 0 THEN f.miktar * f.birimfiyat * (1 - f.indirim1 / 100.0) ELSE 0 END) "
        "FROM fatura_satir f JOIN cari_hareket h ON h.id = f.hareket_id JOIN stok st ON st.id = f.stok_id "
        "WHERE h.tarih >= ? AND h.tarih <= ?");
    QVariantList p{d1.toString(QStringLiteral("yyyy-MM-dd")), d2.toString(QStringLiteral("yyyy-MM-dd"))};
    if (carino > 0) { sql += QStringLiteral(" AND h.cari_id = ?"); p << carino; }
    QSqlQuery q = db.sorgu(sql + QStringLiteral(" GROUP BY st.kod, st.adi ORDER BY 4 DESC LIMIT 2000"), p);
    double sm = 0, st = 0, im = 0, it = 0;
    while (q.next()) {
        sm += q.value(2).toDouble(); st += q.value(3).toDouble(); im += q.value(4).toDouble(); it += q.value(5).toDouble();
        r.satir({q.value(0).toString(), q.value(1).toString(), QString::number(q.value(2).toDouble()), tl(q.value(3).toDouble()),
                 QString::number(q.value(4).toDouble()), tl(q.value(5).toDouble())});
    }
    r.satir({QString(), QStringLiteral("TOPLAM"), QString::number(sm), tl(st), QString::number(im), tl(it)}, true);
}

} // namespace

MIVO_YONTEM(RaporGetir)
{
    const int no = c.tam(0);
    const qint64 carino = c.tam(3);
    const QString satici = c.metin(4);
    QDate d1 = gunSayisindan(c.ondalik(5)), d2 = gunSayisindan(c.ondalik(6));
    if (!d1.isValid()) d1 = QDate::currentDate();
    if (!d2.isValid()) d2 = d1;
    if (d2 < d1) std::swap(d1, d2);
    if (no != 6 && no != 7) throw SunucuHatasi(QStringLiteral("Exception"), QStringLiteral("Rapor bulunamadı: %1").arg(no));
    QByteArray pdf;
    {
        PdfRapor r(pdf);
        if (no == 6 && carino > 0) cariOzeti(c.db, r, carino, satici, d1);
        else if (no == 6) alacakVadeleri(c.db, r, satici, d1);
        else alisSatis(c.db, r, carino, satici, d1, d2);
    }
    c.cik(7, Value::int64(pdf.size()));
    c.sonuc(Value::stream(pdf));
}
