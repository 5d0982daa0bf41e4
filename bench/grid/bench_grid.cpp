// A grid over 100,000 rows x 35 columns: reset + first paint, scrolling paint, footer sums,
// incremental search. Run offscreen: QT_QPA_PLATFORM=offscreen bench_grid
#include "controls/grid.h"
#include "controls/kaynaklar.h"
#include "controls/skin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScrollBar>
#include <cstdio>

using namespace mivo;
using protocol::FieldType;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    KaynaklariYukle();
    SkinSec(QString::fromLatin1(kOfficeSkin));
    const int N = 100000, C = 35;
    TMemTable t;
    QVector<TGridKolon> k;
    for (int c = 0; c < C; ++c) {
        const FieldType ft = c % 5 == 0 ? FieldType::Double : c % 5 == 1 ? FieldType::Integer : FieldType::String;
        t.AddField(QStringLiteral("A%1").arg(c), ft);
        TGridKolon g;
        g.Alan = QStringLiteral("A%1").arg(c);
        g.Baslik = g.Alan;
        g.Genislik = 90;
        if (c == 1) { g = DurumKolonu(); g.Alan = QStringLiteral("A1"); }
        k.push_back(g);
    }
    t.CreateDataSet();
    for (int r = 0; r < N; ++r) {
        QVector<QVariant> row(C);
        for (int c = 0; c < C; ++c) {
            if (c % 5 == 0) row[c] = r * 1.25 + c;
            else if (c % 5 == 1) row[c] = r % 6;
            else row[c] = QStringLiteral("STOK %1 ŞÇ %2").arg(r, 6, 10, QLatin1Char('0')).arg(c);
        }
        t.AppendRow(std::move(row));
    }
    TutarFormatla(t);
    TGridView g;
    g.KolonlarTanimla(k);
    TGorunumAyarlari a;
    a.FooterGoster = true;
    a.CiftSatirRengi = QColor(224, 232, 241);
    a.TekSatirRengi = QColor(237, 245, 255);
    g.Ayarla(a);
    g.FooterOgeleri({{"A2", FooterTuru::Sayi}, {"A0", FooterTuru::Toplam}, {"A5", FooterTuru::Toplam}});
    g.resize(1366, 700);
    g.show();
    QApplication::processEvents();
    QImage hedef(g.size(), QImage::Format_ARGB32_Premultiplied);

    QElapsedTimer z;
    z.start();
    g.BeginUpdate();
    g.SetTable(&t);
    g.EndUpdate();
    {
        QPainter p(&hedef);
        g.render(&p);
    }
    const double ilk = z.nsecsElapsed() / 1e6;

    QScrollBar* sb = g.Tablo()->verticalScrollBar();
    const int kare = 200;
    z.restart();
    for (int i = 0; i < kare; ++i) {
        sb->setValue(sb->value() + 3);
        QPainter p(&hedef);
        g.Tablo()->viewport()->render(&p);
    }
    const double kaydirma = z.nsecsElapsed() / 1e6 / kare;

    z.restart();
    const int tekrar = 20;
    for (int i = 0; i < tekrar; ++i) g.FooterHesapla();
    const double footer = z.nsecsElapsed() / 1e6 / tekrar;

    g.OdakSatirAyarla(0);
    g.Tablo()->setCurrentIndex(g.Model()->index(0, 2));
    z.restart();
    const bool bulundu = g.ArttirimliAra(QStringLiteral("STOK 099999"));   // the last row: worst case
    const double arama = z.nsecsElapsed() / 1e6;

    std::printf("rows %d x columns %d\n", N, C);
    std::printf("model reset + first paint : %8.2f ms (target <= 200)\n", ilk);
    std::printf("scrolling paint per frame : %8.2f ms (target < 8)\n", kaydirma);
    std::printf("footer sums over all rows : %8.2f ms (target < 10)\n", footer);
    std::printf("incremental search (last) : %8.2f ms (target < 20) found=%d row=%d\n", arama, bulundu, g.OdakSatir());
    std::printf("footer: %s | %s | %s\n", qPrintable(g.FooterMetni(0)), qPrintable(g.FooterMetni(1)), qPrintable(g.FooterMetni(2)));
    return 0;
}
