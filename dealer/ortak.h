#pragma once
// Helpers shared by the method implementations: prices, search text, dates, stock columns.
#include "veritabani.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace dealer {

// Two-decimal rounding, halves away from zero, on the value's 15-digit decimal form.
double yuvarla(double x);

// Upper case with the Turkish letters folded to plain Latin ones: the form
// every search column is stored in and every search text is compared in.
QString katla(const QString& s);
// The folded text without blanks and the usual code separators (- . / _).
QString kodSade(const QString& s);

// The search column of a stock (or any record) from its codes and names.
QString aramaMetni(const QStringList& kodlar, const QStringList& adlar);

// A parsed search text: every word must occur, or the whole text written without
// separators (a code typed with blanks) must.
struct Arama {
    QStringList kelimeler;   // folded words
    QString sade;            // kodSade of the whole text; empty when the same as the one word
    bool bos() const { return kelimeler.isEmpty(); }
};
Arama aramaCoz(const QString& metin);
// LIKE pattern of a word, with % _ and \ escaped (used with ESCAPE '\').
QString likeKalip(const QString& kelime);
// The FTS5 MATCH expression for the words of at least three letters; empty when none.
QString ftsIfadesi(const Arama& a);

// SQL condition "(arama LIKE ? ESCAPE '\' AND ...) OR arama LIKE ?" over column `sutun`, and its parameters.
QString aramaKosulu(const Arama& a, const QString& sutun, QVariantList& params);

// Now as the database stores it.
QString bugun();
QString simdi();        // "yyyy-MM-dd HH:mm:ss"
QString saatMetni();    // "HH:mm:ss"

// Delphi-style day numbers (days since 1899-12-30) to dates and back.
QDate gunSayisindan(double d);
double gunSayisi(const QDate& d);

QString hex(const QByteArray& b);

// The customer's price of a stock, as every product list shows it.
struct Fiyat {
    double fiyat = 0, indirim = 0, net = 0, kdvDahil = 0;
};
Fiyat fiyatHesapla(double listeFiyati, double kdv, double cariIndirim, bool musteriIskonto, bool kampanya,
                   double kampanyaFiyati);
// "125.50 TL", "12.40 $": a price as text with "." as the decimal point.
QString fiyatMetni(double x, const QString& doviz);

// Order states by number, and the texts the client shows.
QString siparisDurumAdi(int durum);

// The stock-list columns (StokAraMivo, MivoYenilerVer, MivoKampanyaliVer and their relatives).
enum class StokListeTuru { Arama, Yeni, Kampanya };
QVector<protocol::Column> stokSutunlari(StokListeTuru t);
// The SELECT list that goes with stokSatiri() (table alias s).
QString stokSecimi();
// One row of the stock list from a query positioned on a stokSecimi() row.
QVector<QVariant> stokSatiri(QSqlQuery& q, StokListeTuru t, double cariIndirim);

// The customer's discount rate, 0 for an unknown customer.
double cariIndirimi(Veritabani& db, qint64 carino);

// Stock search over codes, barcodes, OEM numbers and names (table alias s).
bool stokAramaKosulu(Veritabani& db, const QString& metin, QString& kosul, QVariantList& params);
// At most `azami` matching stocks from `atla` on, ordered by code, as stokSecimi() rows;
// toplam (optional) receives the number of all matches.
QSqlQuery stokAraSorgu(Veritabani& db, const QString& metin, int azami, int atla = 0, int* toplam = nullptr);

} // namespace dealer
