// Page control badges and hidden tabs, busy indicators, skins and the project's pictures.
#include "controls/kaynaklar.h"
#include "controls/mesgul.h"
#include "controls/sayfakontrol.h"
#include "controls/skin.h"

#include <QApplication>
#include <QMovie>
#include <QTableView>
#include <QtTest>

using namespace mivo;

namespace {
// Red pixels of the badge inside the top-right corner square of a tab.
int kirmiziPiksel(const QImage& img, const QRect& tab)
{
    int n = 0;
    for (int y = qMax(0, tab.top()); y < tab.top() + 25 && y < img.height(); ++y)
        for (int x = tab.right() - 25; x <= tab.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 80 && c.blue() < 80) ++n;
        }
    return n;
}
} // namespace

class TstKontroller : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { KaynaklariYukle(); }

    void rozetSifirinUstunde()
    {
        TsPageControl pc;
        auto* a = new TsTabSheet(QStringLiteral("sstoklistesi"), QStringLiteral("Stok\r\nListesi"), 0);
        auto* b = new TsTabSheet(QStringLiteral("ssepet"), QStringLiteral("Sepet"), 8);
        pc.SayfaEkle(a);
        pc.SayfaEkle(b);
        pc.resize(500, 300);
        pc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pc));
        const QRect ra = pc.Bar()->tabRect(0), rb = pc.Bar()->tabRect(1);
        QCOMPARE(ra.size(), QSize(114, 59));   // 110 x 55 buttons and their spacing
        QCOMPARE(kirmiziPiksel(pc.Bar()->grab().toImage(), ra), 0);
        b->SetBagTag(7);
        QVERIFY(kirmiziPiksel(pc.Bar()->grab().toImage(), rb) > 150);
        QCOMPARE(kirmiziPiksel(pc.Bar()->grab().toImage(), ra), 0);
        b->SetBagTag(0);
        QCOMPARE(kirmiziPiksel(pc.Bar()->grab().toImage(), rb), 0);
        b->SetBagTag(-3);
        QCOMPARE(kirmiziPiksel(pc.Bar()->grab().toImage(), rb), 0);
        a->SetBagTag(1234);   // a wide number still fits the circle's row, no crash
        QVERIFY(kirmiziPiksel(pc.Bar()->grab().toImage(), ra) > 100);
    }

    void gizliSekmeSirasi()
    {
        TsPageControl pc;
        QList<TsTabSheet*> s;
        for (const char* ad : {"sstoklistesi", "ssepet", "syeniler", "skampanyali", "sonceki"})
            s << new TsTabSheet(QString::fromLatin1(ad), QString::fromLatin1(ad), 0);
        for (auto* x : s) pc.SayfaEkle(x);
        s[3]->SetBagTag(5);
        pc.SayfaGizle(s[3], true);   // type 4: no campaign tab
        QCOMPARE(pc.count(), 4);
        QCOMPARE(pc.indexOf(s[4]), 3);
        QVERIFY(!s[3]->TabVisible());
        s[3]->SetBagTag(9);          // a hidden tab may still be given its count
        pc.SayfaGizle(s[3], false);
        QCOMPARE(pc.indexOf(s[3]), 3);
        QCOMPARE(pc.Bar()->tabData(3).toInt(), 9);
        pc.SayfaGizle(s[0], true);
        pc.SayfaGizle(s[2], true);
        pc.SayfaGizle(s[2], false);
        QCOMPARE(pc.indexOf(s[2]), 1);
        QCOMPARE(pc.Sayfalar().size(), 5);
    }

    void mesgulGosterge()
    {
        QWidget w;
        auto* g = new TMesgulGosterge(&w);
        w.show();
        QVERIFY(g->Film()->isValid());
        QCOMPARE(g->size(), QSize(28, 28));
        QVERIFY(!g->isVisible());
        g->Baslat();
        g->Baslat();
        QVERIFY(g->isVisible());
        QCOMPARE(g->Film()->state(), QMovie::Running);
        g->Durdur();
        QVERIFY(g->isVisible());   // the other load still runs
        g->Durdur();
        QVERIFY(!g->isVisible());
        g->Durdur();               // an extra stop is harmless
        QVERIFY(!g->Calisiyor());
    }

    void skinler()
    {
        const QString o = SkinStilSayfasi(QString::fromLatin1(kOfficeSkin));
        const QString k = SkinStilSayfasi(QString::fromLatin1(kWinterSkin));
        QVERIFY(o.contains(QLatin1String("QHeaderView::section")));
        QVERIFY(!o.contains(QLatin1Char('@')));   // every colour filled in
        QVERIFY(!k.contains(QLatin1Char('@')));
        QVERIFY(o != k);
        SkinSec(QString::fromLatin1(kWinterSkin));
        QCOMPARE(AktifSkin(), QString::fromLatin1(kWinterSkin));
        QCOMPARE(qApp->styleSheet(), k);
        const QColor kisSecim = qApp->palette().color(QPalette::Highlight);
        SkinSec(QStringLiteral("Bilinmeyen"));
        QCOMPARE(AktifSkin(), QString::fromLatin1(kOfficeSkin));
        QVERIFY(qApp->palette().color(QPalette::Highlight) != kisSecim);
        // A table under the skin takes the skin's selection colour.
        QTableView t;
        t.ensurePolished();
        QCOMPARE(t.palette().color(QPalette::Highlight), QColor(QStringLiteral("#fbe29b")));
        qApp->setStyleSheet(QString());
    }

    void resimler()
    {
        QStringList eksik;
        QStringList yollar;
        for (int i = 0; i < 10; ++i) yollar << QStringLiteral(":/mivo/durum/%1.svg").arg(i);
        for (int i = 0; i < 17; ++i) yollar << QStringLiteral(":/mivo/sekme/%1.svg").arg(i);
        for (int i = 0; i < 3; ++i) yollar << QStringLiteral(":/mivo/evethayir/%1.svg").arg(i);
        for (int i = 0; i < 7; ++i) yollar << QStringLiteral(":/mivo/dosya/%1.svg").arg(i);
        yollar << ":/mivo/ara.svg" << ":/mivo/temizle.svg" << ":/mivo/menu.svg" << ":/mivo/resimyok.svg"
               << ":/mivo/logoserit.png" << ":/mivo/giris_arka.png" << ":/mivo/mesgul.gif";
        for (const QString& y : yollar)
            if (QImage(y).isNull()) eksik << y;
        QVERIFY2(eksik.isEmpty(), qPrintable(eksik.join(' ')));
        QCOMPARE(QImage(":/mivo/logoserit.png").size(), QSize(5000, 100));
        // The login background gives its window a shape: transparent corners, opaque middle.
        const QImage g(":/mivo/giris_arka.png");
        QVERIFY(g.hasAlphaChannel());
        QCOMPARE(qAlpha(g.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(g.pixel(g.width() - 1, 0)), 0);
        QCOMPARE(qAlpha(g.pixel(g.width() / 2, g.height() / 2)), 255);
    }
};

QTEST_MAIN(TstKontroller)
#include "tst_kontroller.moc"
