#pragma once
// "Excel Kaydet": every row of a grid view into a real .xlsx workbook.
// The obsolete binary .xls has no maintained writer, so the workbook is always .xlsx.
#include <QString>
#include <functional>

class QWidget;

namespace mivo {

class TGridView;

// Writes the view's rows (after its filters, in its order) and its visible columns in view
// order, captions as the header row. Numbers stay numbers ("#,##0.00" for amount fields),
// dates stay dates, texts stay texts. False with a reason in *hata when the file cannot be written.
bool ExcelYaz(const TGridView& g, const QString& yol, QString* hata = nullptr);

// The save dialog, replaceable so tests never open one. Returns the chosen path or empty.
using KayitDosyasiSorucu = std::function<QString(QWidget* ebeveyn, const QString& filtre, const QString& uzanti)>;
void KayitDosyasiSorucuAyarla(KayitDosyasiSorucu s);   // empty = the platform dialog
QString KayitDosyasiSor(QWidget* ebeveyn, const QString& filtre, const QString& uzanti);

// The chosen name with the workbook's extension: none or ".xls" becomes ".xlsx".
QString ExcelUzantisi(const QString& yol);

// The button: save dialog with "Excel|*.xls*", default extension "xlsx", then ExcelYaz.
// False when cancelled (hata stays empty) or when writing failed (reason in *hata, for the
// window to show through its message dialog; this layer sits below the dialog service).
bool ExcelKaydet(QWidget* ebeveyn, const TGridView& g, QString* hata = nullptr);

} // namespace mivo
