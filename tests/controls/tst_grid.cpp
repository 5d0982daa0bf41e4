// The grid layer: columns, customisation, footer, widths, icons, focus, search, filters, export.
#include "controls/excel.h"
#include "controls/grid.h"
#include "controls/kaynaklar.h"
#include "server/memtablemodel.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace mivo;
using protocol::FieldType;

namespace {

TGridKolon kolon(const QString& alan, const QString& baslik, int tag, bool gorunur = true, bool sunulan = true)
{
    TGridKolon k;
    k.Alan = alan;
    k.Baslik = baslik;
    k.Tag = tag;
    k.Gorunur = gorunur;
    k.Sunulan = sunulan;
    return k;
}

// A small basket-like table.
void sepetDoldur(TMemTable& t)
{
    t.FieldDefs().clear();
    t.AddField(QStringLiteral("SEC"), FieldType::Integer);
    t.AddField(QStringLiteral("VERILISTARIHI"), FieldType::Date);
    t.AddField(QStringLiteral("STOKADI"), FieldType::String, 100);
    t.AddField(QStringLiteral("MIKTAR"), FieldType::Double);
    t.AddField(QStringLiteral("NETTUTAR"), FieldType::Double);
    t.AddField(QStringLiteral("SIRANO"), FieldType::Integer);
    t.CreateDataSet();
    t.AppendRow({1, QDate(2026, 1, 5), QStringLiteral("FREN BALATASI"), 2.0, 150.25, 11});
    t.AppendRow({0, QDate(2026, 1, 6), QStringLiteral("ŞANZIMAN YAĞI"), 3.0, 1234.5, 12});
    t.AppendRow({1, QDate(2026, 2, 1), QStringLiteral("ÖN CAM SİLECEĞİ"), 1.0, 99.99, 13});
    t.AppendRow({1, QDate(2026, 2, 2), QStringLiteral("FAR AMPULÜ"), 4.0, 40.0, 14});
    TutarFormatla(t);
}

QVector<TGridKolon> sepetKolonlari()
{
    return {
        kolon(QStringLiteral("SEC"), QStringLiteral("Seç"), 1, false, false),
        kolon(QStringLiteral("VERILISTARIHI"), QStringLiteral("Sipariş Tarihi"), 1),
        kolon(QStringLiteral("SIPARISNO"), QStringLiteral("Sipariş No"), 0, false, true),   // not in the rows
        kolon(QStringLiteral("STOKADI"), QStringLiteral("Stok Açıklama"), 3),
        kolon(QStringLiteral("MIKTAR"), QStringLiteral("Miktar"), 1),
        kolon(QStringLiteral("NETTUTAR"), QStringLiteral("Net Tutar"), 1),
        kolon(QStringLiteral("SIRANO"), QString(), 0, false, false),
    };
}

} // namespace

class TstGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { KaynaklariYukle(); }

    void dagitimAritmetigi_data();
    void dagitimAritmetigi();
    void dagitimGorunumde();
    void ozellestirmeMenusu();
    void eksikKolonBosKalir();
    void footerSayiVeToplam();
    void footerIsleyicisi();
    void ikonEslemesi_data();
    void ikonEslemesi();
    void odakTabloIleEsit();
    void arttirimliArama();
    void filtreVeFooter();
    void ayirDoldurBagla();
    void onayKutusuDuzenlenir();
    void dugmeSatiriBildirir();
    void baglantisizResimSatirlari();
    void excelGidisDonus();
    void excelDiyalogu();
};

void TstGrid::dagitimAritmetigi_data()
{
    QTest::addColumn<QVector<int>>("taglar");
    QTest::addColumn<QVector<int>>("gizli");       // indices of hidden columns
    QTest::addColumn<int>("alan");
    QTest::addColumn<QVector<int>>("beklenen");
    const QVector<int> mevcut{50, 60, 70, 80};
    // unit = trunc(alan / sum): 1000 / 7 = 142.857 -> 142
    QTest::newRow("kesme") << QVector<int>{2, 2, 3, 0} << QVector<int>{} << 1000 << QVector<int>{284, 284, 426, 0};
    QTest::newRow("gizli kolon kendi genisligini korur") << QVector<int>{2, 2, 3, 1} << QVector<int>{2} << 500
                                                         << QVector<int>{200, 200, 70, 100};
    QTest::newRow("tag toplami 0") << QVector<int>{0, 0, 0, 0} << QVector<int>{} << 800 << mevcut;
    QTest::newRow("gorunurlerin tagi 0") << QVector<int>{0, 0, 5, 0} << QVector<int>{2} << 800 << mevcut;
    QTest::newRow("dar alan birim 0") << QVector<int>{1, 1, 1, 1} << QVector<int>{} << 3 << QVector<int>{0, 0, 0, 0};
    QTest::newRow("negatif alan") << QVector<int>{1, 2, 1, 1} << QVector<int>{} << -40 << QVector<int>{0, 0, 0, 0};
}

void TstGrid::dagitimAritmetigi()
{
    QFETCH(QVector<int>, taglar);
    QFETCH(QVector<int>, gizli);
    QFETCH(int, alan);
    QFETCH(QVector<int>, beklenen);
    const QVector<int> mevcut{50, 60, 70, 80};
    QVector<TKolonAgirlik> a;
    for (int i = 0; i < taglar.size(); ++i) a.push_back({taglar[i], !gizli.contains(i), mevcut[i]});
    QCOMPARE(KolonlariDagit(a, alan), beklenen);
}

void TstGrid::dagitimGorunumde()
{
    // The reserve of each variant, and the 1152-pixel screen rule.
    QCOMPARE(DagitimAlani(DagitimTuru::KaydirmaCubuklu, 1000, 17), 1000 - 17 - 10);
    QCOMPARE(DagitimAlani(DagitimTuru::Sabit30, 1000, 17), 970);
    QCOMPARE(DagitimAlani(DagitimTuru::GenisEkran30, 1000, 17), 970);
    QVERIFY(TagIleDagitilir(DagitimTuru::KaydirmaCubuklu, 800));
    QVERIFY(TagIleDagitilir(DagitimTuru::Sabit30, 1024));
    QVERIFY(TagIleDagitilir(DagitimTuru::GenisEkran30, 1153));
    QVERIFY(!TagIleDagitilir(DagitimTuru::GenisEkran30, 1152));

    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    g.KolonlarTanimla(sepetKolonlari());
    g.SetTable(&t);
    g.resize(1000, 400);
    // Visible Tags: 1 + 3 + 1 + 1 = 6; stock-list rule: (1000 - sb - 10) / 6.
    const int sb = TGridView::KaydirmaCubuguKalinligi();
    QVERIFY(sb > 0);
    g.KolonlariDagit(DagitimTuru::KaydirmaCubuklu);
    const int birim = (1000 - sb - 10) / 6;
    QCOMPARE(g.KolonGenisligi(QStringLiteral("STOKADI")), 3 * birim);
    QCOMPARE(g.KolonGenisligi(QStringLiteral("MIKTAR")), birim);
    // A switched-on Tag 0 column gets width 0.
    g.KolonGorunur(QStringLiteral("SIPARISNO"), true);
    g.KolonlariDagit(DagitimTuru::GenisEkran30, 1366);
    QCOMPARE(g.KolonGenisligi(QStringLiteral("SIPARISNO")), 0);
    QCOMPARE(g.KolonGenisligi(QStringLiteral("STOKADI")), 3 * (970 / 6));
    // Narrow screen: best fit instead, every visible column sized to its content.
    g.KolonlariDagit(DagitimTuru::GenisEkran30, 1024);
    QVERIFY(g.KolonGenisligi(QStringLiteral("SIPARISNO")) > 0);
    QVERIFY(g.KolonGenisligi(QStringLiteral("STOKADI")) != 3 * (970 / 6));
    QVERIFY(g.KolonGenisligi(QStringLiteral("STOKADI")) >= QFontMetrics(g.Tablo()->font()).horizontalAdvance(QStringLiteral("ÖN CAM SİLECEĞİ")));
}

void TstGrid::ozellestirmeMenusu()
{
    TGridView g;
    auto k = sepetKolonlari();
    k.push_back(kolon(QStringLiteral("KALAN"), QStringLiteral("Kalan"), 1, false, false));
    g.KolonlarTanimla(k);
    std::unique_ptr<QMenu> m(g.OzellestirmeMenusu(nullptr));
    QStringList adlar;
    for (QAction* a : m->actions()) adlar << a->objectName();
    QCOMPARE(adlar, (QStringList{"VERILISTARIHI", "SIPARISNO", "STOKADI", "MIKTAR", "NETTUTAR"}));
    QAction* sipno = m->findChild<QAction*>(QStringLiteral("SIPARISNO"));
    QVERIFY(sipno && !sipno->isChecked());
    QCOMPARE(sipno->text(), QStringLiteral("Sipariş No"));
    sipno->setChecked(true);
    QVERIFY(g.KolonGorunurMu(QStringLiteral("SIPARISNO")));
    m->findChild<QAction*>(QStringLiteral("STOKADI"))->setChecked(false);
    QVERIFY(!g.KolonGorunurMu(QStringLiteral("STOKADI")));
    // A role rule offers KALAN; only then it appears.
    g.KolonGorunur(QStringLiteral("KALAN"), true);
    g.KolonSunulan(QStringLiteral("KALAN"), true);
    std::unique_ptr<QMenu> m2(g.OzellestirmeMenusu(nullptr));
    QVERIFY(m2->findChild<QAction*>(QStringLiteral("KALAN")));
    QVERIFY(!m2->findChild<QAction*>(QStringLiteral("SEC")));
    // Withdrawing a column that a stale menu still lists keeps it from being switched on.
    g.KolonGorunur(QStringLiteral("KALAN"), false);
    g.KolonSunulan(QStringLiteral("KALAN"), false);
    m2->findChild<QAction*>(QStringLiteral("KALAN"))->setChecked(false);
    m2->findChild<QAction*>(QStringLiteral("KALAN"))->setChecked(true);
    QVERIFY(!g.KolonGorunurMu(QStringLiteral("KALAN")));
}

void TstGrid::eksikKolonBosKalir()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    g.KolonlarTanimla(sepetKolonlari());
    g.FooterOgeleri({{QStringLiteral("SIPARISNO"), FooterTuru::Toplam}});
    g.SetTable(&t);
    g.KolonGorunur(QStringLiteral("SIPARISNO"), true);
    g.resize(800, 300);
    QCOMPARE(g.SatirSayisi(), 4);
    QVERIFY(!g.Deger(0, QStringLiteral("SIPARISNO")).isValid());
    QCOMPARE(g.Metin(0, QStringLiteral("SIPARISNO")), QString());
    QVERIFY(!g.Deger(0, QStringLiteral("YOKBOYLEBIRALAN")).isValid());
    QCOMPARE(g.FooterDeger(0).toDouble(), 0.0);
    QVERIFY(!g.grab().isNull());   // painting a missing column must not crash
    g.EnIyiGenislik();
}

void TstGrid::footerSayiVeToplam()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    g.KolonlarTanimla(sepetKolonlari());
    g.FooterOgeleri({{QStringLiteral("VERILISTARIHI"), FooterTuru::Sayi},
                     {QStringLiteral("MIKTAR"), FooterTuru::Toplam},
                     {QStringLiteral("NETTUTAR"), FooterTuru::Toplam}});
    QCOMPARE(g.FooterDeger(0).toInt(), 0);
    g.SetTable(&t);
    QCOMPARE(g.FooterDeger(0).toInt(), 4);
    QCOMPARE(g.FooterDeger(1).toDouble(), 10.0);
    QCOMPARE(g.FooterDeger(2).toDouble(), 150.25 + 1234.5 + 99.99 + 40.0);   // SEC 0 rows count too
    QCOMPARE(g.FooterMetni(2), QLocale().toString(1524.74, 'f', 2));
    QCOMPARE(g.FooterMetni(0), QStringLiteral("4"));
    // Recomputed after each load.
    g.DataSourceAyir();
    t.AppendRow({1, QDate(2026, 3, 1), QStringLiteral("X"), 5.0, 10.0, 15});
    QCOMPARE(g.SatirSayisi(), 0);
    g.DataSourceBagla();
    QCOMPARE(g.FooterDeger(0).toInt(), 5);
    QCOMPARE(g.FooterDeger(1).toDouble(), 15.0);
}

void TstGrid::footerIsleyicisi()
{
    // The account statement: items 0 BORC, 1 ALACAK, 2 under D (text by a handler), 3 under BAKIYE.
    TMemTable t;
    t.AddField(QStringLiteral("BORC"), FieldType::Double);
    t.AddField(QStringLiteral("ALACAK"), FieldType::Double);
    t.AddField(QStringLiteral("BAKIYE"), FieldType::Double);
    t.AddField(QStringLiteral("D"), FieldType::String, 1);
    t.CreateDataSet();
    t.AppendRow({100.0, 0.0, 100.0, QStringLiteral("B")});
    t.AppendRow({0.0, 30.0, 70.0, QStringLiteral("B")});
    t.AppendRow({0.0, 100.0, -30.0, QStringLiteral("A")});
    TGridView g;
    g.KolonlarTanimla({kolon("BORC", "Borç", 1), kolon("ALACAK", "Alacak", 1), kolon("BAKIYE", "Bakiye", 1), kolon("D", "D", 1)});
    g.FooterOgeleri({{"BORC", FooterTuru::Toplam}, {"ALACAK", FooterTuru::Toplam}, {"D", FooterTuru::Toplam},
                     {"BAKIYE", FooterTuru::Toplam}});
    int cagri = 0;
    g.FooterSonrasi = [&cagri](TGridView& v) {
        ++cagri;
        const double fark = v.FooterDeger(0).toDouble() - v.FooterDeger(1).toDouble();
        v.FooterDegerAyarla(2, QString::number(fark, 'g', 15));
        v.FooterDegerAyarla(3, QString::number(fark, 'g', 15));
    };
    g.FooterMetinVer = [](int oge, const QVariant& deger) -> QString {
        if (oge != 2) return QString();
        bool ok = false;
        const double d = deger.toString().toDouble(&ok);
        if (!ok) return QStringLiteral("B");
        return d > 0 ? QStringLiteral("B") : d < 0 ? QStringLiteral("A") : QStringLiteral(" ");
    };
    g.SetTable(&t);
    QVERIFY(cagri >= 1);
    QCOMPARE(g.FooterMetni(0), QLocale().toString(100.0, 'f', 2));
    QCOMPARE(g.FooterMetni(3), QStringLiteral("-30"));
    QCOMPARE(g.FooterMetni(2), QStringLiteral("A"));
    // An empty statement: 0 under Bakiye and a single space under D.
    g.DataSourceAyir();
    t.EmptyTable();
    g.DataSourceBagla();
    QCOMPARE(g.FooterMetni(3), QStringLiteral("0"));
    QCOMPARE(g.FooterMetni(2), QStringLiteral(" "));
}

void TstGrid::ikonEslemesi_data()
{
    QTest::addColumn<QString>("alan");
    QTest::addColumn<QVariant>("deger");
    QTest::addColumn<int>("ikon");
    QTest::addColumn<QString>("aciklama");
    QTest::newRow("durum 0") << "DURUM" << QVariant(0) << 4 << "Yok";
    QTest::newRow("durum 1") << "DURUM" << QVariant(1) << 0 << "Var";
    QTest::newRow("durum 2") << "DURUM" << QVariant(2) << 8 << "Telefon Açınız";
    QTest::newRow("durum 3 metin") << "DURUM" << QVariant(QStringLiteral("3")) << 2 << "Yolda";
    QTest::newRow("durum 4 ondalik") << "DURUM" << QVariant(4.0) << 1 << "Özel Sipariş";
    QTest::newRow("durum 5") << "DURUM" << QVariant(5) << 5 << "Tedarik Sürecinde";
    QTest::newRow("durum bos") << "DURUM" << QVariant() << 3 << "";
    QTest::newRow("durum bos metin") << "DURUM" << QVariant(QString()) << 3 << "";
    QTest::newRow("durum bilinmeyen") << "DURUM" << QVariant(7) << -1 << "";
    QTest::newRow("Y 1") << "Y" << QVariant(1) << 1 << "Evet";
    QTest::newRow("Y 0") << "Y" << QVariant(0) << 0 << "Hayır";
    QTest::newRow("Y baska") << "Y" << QVariant(9) << 0 << "";
    QTest::newRow("K 1") << "K" << QVariant(1) << 1 << "Evet";
    QTest::newRow("K baska") << "K" << QVariant(9) << -1 << "";
}

void TstGrid::ikonEslemesi()
{
    QFETCH(QString, alan);
    QFETCH(QVariant, deger);
    QFETCH(int, ikon);
    QFETCH(QString, aciklama);
    const TGridKolon k = alan == "DURUM" ? DurumKolonu() : EvetHayirKolonu(alan, alan);
    QCOMPARE(IkonIndeksi(k, deger), ikon);
    QCOMPARE(IkonAciklamasi(k, deger), aciklama);
    if (ikon >= 0) QVERIFY(!k.Ikonlar.Ikon(ikon).pixmap(24, 24).isNull());
}

void TstGrid::odakTabloIleEsit()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    g.KolonlarTanimla(sepetKolonlari());
    QSignalSpy spy(&g, &TGridView::OdakDegisti);
    g.SetTable(&t);
    QCOMPARE(g.OdakSatir(), 0);   // the table's current record after a load
    g.OdakSatirAyarla(2);
    QCOMPARE(t.RecNo(), 2);
    QCOMPARE(g.OdakDeger(QStringLiteral("SIRANO")).toInt(), 13);
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.last().at(0).toInt(), 2);
    QVERIFY(t.Locate(QStringLiteral("SIRANO"), 14));
    QCOMPARE(g.OdakSatir(), 3);
    g.OdakSatirAyarla(-1);
    QCOMPARE(g.OdakSatir(), -1);
    // An empty view has no focused row.
    g.DataSourceAyir();
    QCOMPARE(g.OdakSatir(), -1);
    QVERIFY(!g.OdakDeger(QStringLiteral("SIRANO")).isValid());
}

void TstGrid::arttirimliArama()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    g.KolonlarTanimla(sepetKolonlari());
    g.SetTable(&t);
    g.resize(800, 300);
    g.show();
    g.OdakSatirAyarla(0);
    g.Tablo()->setCurrentIndex(g.Model()->index(0, 3));
    QVERIFY(g.ArttirimliAra(QStringLiteral("far")));
    QCOMPARE(g.OdakSatir(), 3);
    QVERIFY(g.ArttirimliAra(QStringLiteral("Ş")));
    QCOMPARE(g.OdakSatir(), 1);
    QVERIFY(!g.ArttirimliAra(QStringLiteral("ZZZ")));
    QCOMPARE(g.OdakSatir(), 1);
    // Typed into the view.
    g.Tablo()->setFocus();
    for (const QChar c : QStringLiteral("ön")) {
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(g.Tablo(), &e);
    }
    QCOMPARE(g.OdakSatir(), 2);
    QCOMPARE(t.RecNo(), 2);
}

void TstGrid::filtreVeFooter()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    g.KolonlarTanimla(sepetKolonlari());
    g.FooterOgeleri({{QStringLiteral("VERILISTARIHI"), FooterTuru::Sayi}, {QStringLiteral("MIKTAR"), FooterTuru::Toplam}});
    g.SetTable(&t);
    const int stok = g.KolonBul(QStringLiteral("STOKADI"));
    QCOMPARE(g.KolonDegerleri(stok).size(), 4);
    g.FiltreAyarla(stok, {QStringLiteral("FAR AMPULÜ"), QStringLiteral("FREN BALATASI")});
    QVERIFY(g.FiltreVar());
    QCOMPARE(g.SatirSayisi(), 2);
    QCOMPARE(g.FooterDeger(0).toInt(), 2);
    QCOMPARE(g.FooterDeger(1).toDouble(), 6.0);
    // The focused view row maps to the right table row under a filter.
    g.OdakSatirAyarla(1);
    QCOMPARE(g.OdakDeger(QStringLiteral("SIRANO")).toInt(), 14);
    QCOMPARE(t.RecNo(), 3);
    g.FiltreTemizle();
    QVERIFY(!g.FiltreVar());
    QCOMPARE(g.SatirSayisi(), 4);
    QCOMPARE(g.FooterDeger(1).toDouble(), 10.0);
}

void TstGrid::ayirDoldurBagla()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    g.KolonlarTanimla(sepetKolonlari());
    g.SetTable(&t);
    g.resize(600, 300);
    g.BeginUpdate();
    g.DataSourceAyir();
    QVERIFY(!g.Bagli());
    // The worker's part: refill with different columns while nothing watches.
    t.Close();
    t.FieldDefs().clear();
    t.AddField(QStringLiteral("STOKADI"), FieldType::String);
    t.AddField(QStringLiteral("MIKTAR"), FieldType::Integer);
    t.CreateDataSet();
    for (int i = 0; i < 1000; ++i) t.AppendRow({QStringLiteral("S%1").arg(i), i});
    g.DataSourceBagla();
    g.EndUpdate();
    QVERIFY(g.Bagli());
    QCOMPARE(g.SatirSayisi(), 1000);
    QCOMPARE(g.Deger(999, QStringLiteral("MIKTAR")).toInt(), 999);
    QVERIFY(!g.Deger(0, QStringLiteral("NETTUTAR")).isValid());
    QVERIFY(!g.grab().isNull());
}

void TstGrid::onayKutusuDuzenlenir()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    auto k = sepetKolonlari();
    k[0].Gorunur = true;
    k[0].Tur = HucreTuru::OnayKutusu;
    k[0].SaltOkunur = false;
    g.KolonlarTanimla(k);
    g.SetTable(&t);
    g.resize(800, 300);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    const QRect r = g.Tablo()->visualRect(g.Model()->index(1, 0));
    // The view is read-only: the click changes nothing.
    QTest::mouseClick(g.Tablo()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(t.Cell(1, 0).toInt(), 0);
    TGorunumAyarlari a = g.Ayarlar();
    a.SaltOkunur = false;
    g.Ayarla(a);
    QSignalSpy spy(&g, &TGridView::DegerDegisti);
    QTest::mouseClick(g.Tablo()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(t.Cell(1, 0).toInt(), 1);
    QCOMPARE(spy.size(), 1);
    QTest::mouseClick(g.Tablo()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(t.Cell(1, 0).toInt(), 0);
}

void TstGrid::dugmeSatiriBildirir()
{
    TMemTable t;
    t.AddField(QStringLiteral("SIRANO"), FieldType::Integer);
    t.AddField(QStringLiteral("ACIKLAMA"), FieldType::String);
    t.AddField(QStringLiteral("ILERI"), FieldType::Integer);
    t.CreateDataSet();
    for (int i = 0; i < 3; ++i) t.AppendRow({i + 1, QStringLiteral("Belge %1").arg(i), i * 40});
    TGridView g;
    TGridKolon d;
    d.Ad = QStringLiteral("BUTTON");
    d.Baslik = QStringLiteral("İndir");
    d.Tur = HucreTuru::Dugme;
    d.Genislik = 113;
    TGridKolon p = kolon(QStringLiteral("ILERI"), QString(), 1);
    p.Tur = HucreTuru::Ilerleme;
    p.Genislik = 250;
    g.KolonlarTanimla({kolon(QStringLiteral("ACIKLAMA"), QStringLiteral("Dosya Açıklama"), 1), d, p});
    g.SetTable(&t);
    g.resize(700, 300);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QSignalSpy spy(&g, &TGridView::DugmeTiklandi);
    const QRect r = g.Tablo()->visualRect(g.Model()->index(2, 1));
    QTest::mouseClick(g.Tablo()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().at(0).toInt(), 2);
    QCOMPARE(g.OdakSatir(), 2);
    QCOMPARE(g.OdakDeger(QStringLiteral("SIRANO")).toInt(), 3);
    // A button column holds no value and the export skips it.
    QVERIFY(!g.Deger(0, QStringLiteral("BUTTON")).isValid());
    g.setEnabled(false);
    QTest::mouseClick(g.Tablo()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(spy.size(), 1);
}

void TstGrid::baglantisizResimSatirlari()
{
    TGridView g;
    TGridKolon r;
    r.Ad = QStringLiteral("duyuru");
    r.Tur = HucreTuru::Resim;
    r.Genislik = 605;
    TGridKolon b;
    b.Ad = QStringLiteral("baslik");
    b.Gorunur = false;
    b.Sunulan = false;
    TGridKolon a = b;
    a.Ad = QStringLiteral("arama");
    g.KolonlarTanimla({r, b, a});
    g.BaglantisizKullan();
    TGorunumAyarlari ay;
    ay.BaslikGoster = false;
    ay.SatirYuksekligi = 405;
    ay.PikselKaydirma = true;
    ay.OdakCercevesi = false;
    ay.BaslikFiltre = false;
    ay.KullaniciSiralama = false;
    ay.ArttirimliArama = false;
    g.Ayarla(ay);
    QImage img(60, 40, QImage::Format_RGB32);
    img.fill(QColor(200, 30, 30));
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    g.BeginUpdate();
    const int s0 = g.SatirEkle();
    g.HucreYaz(s0, QStringLiteral("duyuru"), QString::fromLatin1(png.toHex()));   // hexadecimal text
    g.HucreYaz(s0, QStringLiteral("arama"), QStringLiteral("#KAMPANYA#"));
    const int s1 = g.SatirEkle();   // no picture
    g.HucreYaz(s1, QStringLiteral("arama"), QStringLiteral("FILTRE"));
    g.EndUpdate();
    QCOMPARE(g.SatirSayisi(), 2);
    QCOMPARE(g.Deger(1, QStringLiteral("arama")).toString(), QStringLiteral("FILTRE"));
    QCOMPARE(g.Tablo()->rowHeight(0), 405);
    g.resize(620, 500);
    const QImage shot = g.grab().toImage();
    QCOMPARE(QColor(shot.pixel(shot.width() / 2 - 8, 200)).red(), 200);
    g.SatirlariTemizle();
    QCOMPARE(g.SatirSayisi(), 0);
}

// Unzips the workbook with Python's zipfile and returns (cell ref -> text) of sheet 1.
static QMap<QString, QString> hucreleriOku(const QString& yol, QString* stiller = nullptr)
{
    const char* betik = R"PY(
import sys, zipfile, re, xml.etree.ElementTree as ET
ns = {'m': 'http://schemas.openxmlformats.org/spreadsheetml/2006/main'}
z = zipfile.ZipFile(sys.argv[1])
ss = []
if 'xl/sharedStrings.xml' in z.namelist():
    for si in ET.fromstring(z.read('xl/sharedStrings.xml')).findall('m:si', ns):
        ss.append(''.join(t.text or '' for t in si.iter('{%s}t' % ns['m'])))
sheet = ET.fromstring(z.read('xl/worksheets/sheet1.xml'))
styles = ET.fromstring(z.read('xl/styles.xml'))
fmts = {n.get('numFmtId'): n.get('formatCode') for n in styles.iter('{%s}numFmt' % ns['m'])}
xfs = [x.get('numFmtId') for x in styles.find('m:cellXfs', ns)]
for c in sheet.iter('{%s}c' % ns['m']):
    v = c.find('m:v', ns)
    t = c.get('t', 'n')
    val = v.text if v is not None else ''
    if t == 's': val = ss[int(val)]
    fmt = xfs[int(c.get('s', '0'))]
    sys.stdout.buffer.write(('%s\t%s\t%s\t%s\n' % (c.get('r'), t, fmts.get(fmt, fmt), val)).encode('utf-8'))
)PY";
    QProcess p;
    p.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromUtf8(betik), yol});
    p.waitForFinished(30000);
    QMap<QString, QString> m;
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (stiller) *stiller = QString::fromUtf8(p.readAllStandardError());
    for (const QString& satir : out.split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = satir.split('\t');
        if (f.size() == 4) m[f[0]] = f[1] + '|' + f[2] + '|' + f[3];
    }
    return m;
}

void TstGrid::excelGidisDonus()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    auto k = sepetKolonlari();
    k.push_back(DurumKolonu());
    g.KolonlarTanimla(k);
    t.AddField(QStringLiteral("DURUM"), FieldType::Integer);   // defs grown before the attach
    for (int r = 0; r < t.RecordCount(); ++r) t.SetCell(r, 6, r == 0 ? QVariant() : QVariant(r));
    g.SetTable(&t);
    // View order differs from column order: the amount before the name.
    g.Tablo()->horizontalHeader()->moveSection(g.KolonBul("NETTUTAR"), g.KolonBul("STOKADI"));
    QTemporaryDir dir;
    const QString yol = dir.filePath(QStringLiteral("sepet.xlsx"));
    QString hata;
    QVERIFY2(ExcelYaz(g, yol, &hata), qPrintable(hata));
    const auto c = hucreleriOku(yol);
    QVERIFY2(!c.isEmpty(), "python3 could not read the workbook");
    // Header: visible columns in view order, with their captions.
    QCOMPARE(c.value("A1").section('|', 2), QStringLiteral("Sipariş Tarihi"));
    QCOMPARE(c.value("B1").section('|', 2), QStringLiteral("Net Tutar"));
    QCOMPARE(c.value("C1").section('|', 2), QStringLiteral("Stok Açıklama"));
    QCOMPARE(c.value("D1").section('|', 2), QStringLiteral("Miktar"));
    QCOMPARE(c.value("E1").section('|', 2), QStringLiteral("Durum"));
    QVERIFY(!c.contains("F1"));   // hidden columns are not exported
    // A date stays a date: serial 46027 is 5 January 2026.
    QCOMPARE(c.value("A2"), QStringLiteral("n|dd.mm.yyyy|46027"));
    // An amount stays a number with the amount format.
    QCOMPARE(c.value("B3"), QStringLiteral("n|#,##0.00|1234.5"));
    // Turkish letters intact.
    QCOMPARE(c.value("C3"), QStringLiteral("s|0|ŞANZIMAN YAĞI"));
    QCOMPARE(c.value("C4").section('|', 2), QStringLiteral("ÖN CAM SİLECEĞİ"));
    // Icon columns carry their description; an empty value leaves the cell empty.
    QVERIFY(!c.contains("E2"));
    QCOMPARE(c.value("E3").section('|', 2), QStringLiteral("Var"));
    QCOMPARE(c.value("E4").section('|', 2), QStringLiteral("Telefon Açınız"));
    QVERIFY(c.contains("D5") && !c.contains("A6"));   // every row, nothing more

    // Filtered rows only, and a path that cannot be written reports failure.
    g.FiltreAyarla(g.KolonBul("STOKADI"), {QStringLiteral("FAR AMPULÜ")});
    QVERIFY(ExcelYaz(g, yol, &hata));
    const auto c2 = hucreleriOku(yol);
    QCOMPARE(c2.value("C2").section('|', 2), QStringLiteral("FAR AMPULÜ"));
    QVERIFY(!c2.contains("A3"));
    QVERIFY(!ExcelYaz(g, dir.filePath(QStringLiteral("yok/olmayan/klasor.xlsx")), &hata));
    QVERIFY(!hata.isEmpty());
}

void TstGrid::excelDiyalogu()
{
    TMemTable t;
    sepetDoldur(t);
    TGridView g;
    g.KolonlarTanimla(sepetKolonlari());
    g.SetTable(&t);
    QTemporaryDir dir;
    QString filtre, uzanti, secilen = dir.filePath(QStringLiteral("rapor"));
    KayitDosyasiSorucuAyarla([&](QWidget*, const QString& f, const QString& u) {
        filtre = f;
        uzanti = u;
        return secilen;
    });
    QVERIFY(ExcelKaydet(nullptr, g));
    QCOMPARE(filtre, QStringLiteral("Excel|*.xls*"));
    QCOMPARE(uzanti, QStringLiteral("xlsx"));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("rapor.xlsx"))));
    QCOMPARE(ExcelUzantisi(QStringLiteral("/a/b.xls")), QStringLiteral("/a/b.xlsx"));
    QCOMPARE(ExcelUzantisi(QStringLiteral("/a/b.XLSX")), QStringLiteral("/a/b.XLSX"));
    QCOMPARE(ExcelUzantisi(QStringLiteral("/a/b.v1")), QStringLiteral("/a/b.v1.xlsx"));
    // Cancelled: nothing written, no failure text.
    secilen.clear();
    QString hata = QStringLiteral("x");
    QVERIFY(!ExcelKaydet(nullptr, g, &hata));
    QVERIFY(hata.isEmpty());
    KayitDosyasiSorucuAyarla({});
}

QTEST_MAIN(TstGrid)
#include "tst_grid.moc"
