#include "excel.h"

#include "controls/grid.h"
#include "server/memtablemodel.h"

#include <QDate>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>

#if __has_include(<xlsxwriter.h>)
#define MIVO_XLSXWRITER 1
#include <xlsxwriter.h>
#endif

namespace mivo {

namespace {
KayitDosyasiSorucu gSorucu;
}

void KayitDosyasiSorucuAyarla(KayitDosyasiSorucu s) { gSorucu = std::move(s); }

QString KayitDosyasiSor(QWidget* ebeveyn, const QString& filtre, const QString& uzanti)
{
    if (gSorucu) return gSorucu(ebeveyn, filtre, uzanti);
    // "Excel|*.xls*" is "description|pattern"; the platform dialog wants "description (pattern)".
    QString qtFiltre = filtre;
    const int bar = filtre.indexOf(QLatin1Char('|'));
    if (bar >= 0) qtFiltre = filtre.left(bar) + QStringLiteral(" (") + filtre.mid(bar + 1) + QLatin1Char(')');
    QFileDialog d(ebeveyn);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setNameFilter(qtFiltre);
    d.setDefaultSuffix(uzanti);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().first();
}

QString ExcelUzantisi(const QString& yol)
{
    const QFileInfo fi(yol);
    const QString son = fi.suffix().toLower();
    if (son == QLatin1String("xlsx") || son == QLatin1String("xlsm")) return yol;
    if (son == QLatin1String("xls")) return yol + QLatin1Char('x');
    return yol + QStringLiteral(".xlsx");
}

#ifdef MIVO_XLSXWRITER
namespace {

bool tarihYazilir(const QDate& d) { return d.isValid() && d.year() >= 1900 && d.year() <= 9999; }

lxw_datetime lxwTarih(const QDateTime& t)
{
    lxw_datetime x{};
    x.year = t.date().year();
    x.month = t.date().month();
    x.day = t.date().day();
    x.hour = t.time().hour();
    x.min = t.time().minute();
    x.sec = t.time().second() + t.time().msec() / 1000.0;
    return x;
}

// Excel holds at most 32767 characters in a cell.
QByteArray hucreMetni(const QString& s) { return s.left(32767).toUtf8(); }

} // namespace
#endif

bool ExcelYaz(const TGridView& g, const QString& yol, QString* hata)
{
#ifndef MIVO_XLSXWRITER
    if (hata) *hata = QStringLiteral("Excel yazıcısı bu derlemede yok.");
    return false;
#else
    const QByteArray yolB = QFile::encodeName(yol);
    lxw_workbook* wb = workbook_new(yolB.constData());
    if (!wb) {
        if (hata) *hata = QStringLiteral("Dosya oluşturulamadı: %1").arg(yol);
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(wb, nullptr);
    lxw_format* baslik = workbook_add_format(wb);
    format_set_bold(baslik);
    format_set_bg_color(baslik, 0xDCE6F2);
    format_set_border(baslik, LXW_BORDER_THIN);
    lxw_format* tutar = workbook_add_format(wb);
    format_set_num_format(tutar, "#,##0.00");
    lxw_format* tarih = workbook_add_format(wb);
    format_set_num_format(tarih, "dd.mm.yyyy");
    lxw_format* zaman = workbook_add_format(wb);
    format_set_num_format(zaman, "dd.mm.yyyy hh:mm:ss");

    const QVector<int> kolonlar = g.GorunurKolonlar();
    QAbstractItemModel* m = g.Model();
    for (int c = 0; c < kolonlar.size(); ++c) {
        const TGridKolon& k = g.Kolon(kolonlar[c]);
        worksheet_write_string(ws, 0, lxw_col_t(c), hucreMetni(k.Baslik).constData(), baslik);
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), qBound(6.0, g.KolonGenisligi(k.Isim()) / 7.0, 80.0), nullptr);
    }
    const int n = qMin(g.SatirSayisi(), 1048575);
    for (int r = 0; r < n; ++r) {
        const lxw_row_t xr = lxw_row_t(r + 1);
        for (int c = 0; c < kolonlar.size(); ++c) {
            const int mk = kolonlar[c];
            const TGridKolon& k = g.Kolon(mk);
            const lxw_col_t xc = lxw_col_t(c);
            const QModelIndex i = m->index(r, mk);
            const QVariant v = i.data(HamDegerRole);
            if (k.Tur == HucreTuru::Dugme || k.Tur == HucreTuru::Resim) continue;
            if (!v.isValid() || v.isNull()) continue;
            if ((k.Tur == HucreTuru::Ikon || k.Tur == HucreTuru::ResimCombo)) {
                const QString a = IkonAciklamasi(k, v);
                if (!a.isEmpty()) { worksheet_write_string(ws, xr, xc, hucreMetni(a).constData(), nullptr); continue; }
            }
            const QVariant turV = i.data(AlanTuruRole);
            const auto tur = turV.isValid() ? protocol::FieldType(turV.toInt()) : protocol::FieldType::String;
            switch (v.typeId()) {
            case QMetaType::Double: case QMetaType::Float: {
                const bool para = tur == protocol::FieldType::Double || tur == protocol::FieldType::Currency;
                worksheet_write_number(ws, xr, xc, v.toDouble(), para ? tutar : nullptr);
                break;
            }
            case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt: case QMetaType::ULongLong:
                worksheet_write_number(ws, xr, xc, v.toDouble(), tur == protocol::FieldType::Currency ? tutar : nullptr);
                break;
            case QMetaType::Bool:
                worksheet_write_boolean(ws, xr, xc, v.toBool(), nullptr);
                break;
            case QMetaType::QDate:
                if (tarihYazilir(v.toDate())) {
                    lxw_datetime d = lxwTarih(QDateTime(v.toDate(), QTime(0, 0)));
                    worksheet_write_datetime(ws, xr, xc, &d, tarih);
                } else {
                    worksheet_write_string(ws, xr, xc, hucreMetni(i.data(Qt::DisplayRole).toString()).constData(), nullptr);
                }
                break;
            case QMetaType::QDateTime:
                if (tarihYazilir(v.toDateTime().date())) {
                    lxw_datetime d = lxwTarih(v.toDateTime());
                    worksheet_write_datetime(ws, xr, xc, &d, zaman);
                } else {
                    worksheet_write_string(ws, xr, xc, hucreMetni(i.data(Qt::DisplayRole).toString()).constData(), nullptr);
                }
                break;
            case QMetaType::QByteArray:
                break;   // pictures and blobs have no cell form
            default: {
                const QString s = v.toString();
                if (!s.isEmpty()) worksheet_write_string(ws, xr, xc, hucreMetni(s).constData(), nullptr);
            }
            }
        }
    }
    const lxw_error e = workbook_close(wb);
    if (e != LXW_NO_ERROR) {
        if (hata) *hata = QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(yol, QString::fromUtf8(lxw_strerror(e)));
        return false;
    }
    return true;
#endif
}

bool ExcelKaydet(QWidget* ebeveyn, const TGridView& g, QString* hata)
{
    if (hata) hata->clear();
    const QString secilen = KayitDosyasiSor(ebeveyn, QStringLiteral("Excel|*.xls*"), QStringLiteral("xlsx"));
    if (secilen.isEmpty()) return false;
    return ExcelYaz(g, ExcelUzantisi(secilen), hata);
}

} // namespace mivo
