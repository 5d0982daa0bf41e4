// The mobilstokunit records: defaults, copies and their JSON object form.
#include "server/mobilstokunit.h"

#include <QRegularExpression>
#include <QtTest>

using namespace mivo;

namespace {

// Gives every field of a record a value of its own, so copies and round trips show
// any field that was left out.
struct Doldurucu {
    int n = 0;
    void operator()(const char* name, QString& v) { v = QStringLiteral("%1-ğüşİ-%2").arg(QLatin1String(name)).arg(++n); }
    void operator()(const char*, int& v) { v = 1000 + ++n; }
    void operator()(const char*, double& v) { v = 0.5 + ++n; }
    void operator()(const char*, QDate& v) { v = QDate(2026, 1, 1).addDays(++n); }
};

template <class R> R dolu(int tohum = 0)
{
    R r;
    Doldurucu d;
    d.n = tohum;
    r.Alanlar(d);
    return r;
}

// Member names of the "fields" object of a flat record, in the order written.
QStringList alanSirasi(const QByteArray& json)
{
    const int i = json.indexOf("\"fields\":{");
    QStringList out;
    static const QRegularExpression re(QStringLiteral("\"(F[A-Za-z0-9_]+)\":"));
    auto it = re.globalMatch(QString::fromUtf8(json.mid(i)));
    while (it.hasNext()) out << it.next().captured(1);
    return out;
}

QStringList ad(const char* s) { return QString::fromLatin1(s).split(QLatin1Char(' ')); }

} // namespace

class TstMobilStok : public QObject {
    Q_OBJECT
private slots:
    void yeniKayitlarinVarsayilanlari()
    {
        TMobilStok s;
        QCOMPARE(s.Birim(), QStringLiteral("ADET"));
        QCOMPARE(s.KDV(), 18.0);
        QCOMPARE(s.StokNo(), 0);
        QCOMPARE(s.Fiyat(), 0.0);
        QVERIFY(s.Adi().isEmpty());
        QVERIFY(s.PKod().isEmpty());

        TMobilSepet p;
        QCOMPARE(p.KDV(), 0.0);
        QCOMPARE(p.ACIKLAMA(), 0);
        QVERIFY(!p.TARIH().isValid());
        QVERIFY(p.MODEL().isEmpty());

        TMobilCariBilgisi c;
        QCOMPARE(c.CARINO(), 0);
        QCOMPARE(c.TLBAKIYE(), 0.0);
        QVERIFY(c.SIFRE().isEmpty());

        TAcilisEkran e;
        QCOMPARE(e.SiraNo(), 0);
        QVERIFY(e.Resim().isEmpty());
    }

    void nesneBiciminAlanSirasi_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("tur");
        QTest::addColumn<QStringList>("alanlar");
        QTest::newRow("TMobilStok") << NesneJson(TMobilStok()) << "mobilstokunit.TMobilStok"
            << ad("FStokNo FResimVar FResim FYeni FDepartman FVerilenSiparis FAltGrup FDurum FRenk FBirim FKDV "
                  "FAlinanSiparis FIsk2 FAnaGrup FKod FIsk3 FListeFiyati FBeden FNetFiyat FIsk1 FKDVliFiyat FIsk4 "
                  "FOzelKod FKampnayali FBarkod FIndirimOran FKalan FUreticiKod FKampanyaliFiyat FOemNo FBarkodNo "
                  "FPKod FDpKod FAdi FFiyat");
        QTest::newRow("TMobilSepet") << NesneJson(TMobilSepet()) << "mobilstokunit.TMobilSepet"
            << ad("FKARGOID FStokNo FTARIH FSIRANO FCARIADI FVERILISTARIHI FDurum FMIKTAR FVERENIDNO FNETTUTAR "
                  "FKDVLITUTAR FKDV FAKTAR FSAAT FVERGITUTARI FPKod FMODEL FINDIRIMTUTAR FSTOK_STOKNO FBIRIMFIYAT "
                  "FSEC FOEM2 FOEM3 FAnaGrup FMARKA FVEREN FSTOKADI FOEM1 FCARINO FVERENSIRANO FACIKLAMA "
                  "FINDIRIMORANI2 FOEM4 FKUR FINDIRIMORANI3 FSIPARISNO FIDNO FOzelKod FDpKod FKURTL FINDIRIMORANI1 "
                  "FDIGERADI FBarkod FTUTAR FURETICIKODU FKalan FFINISHKOD FCARIKOD FNETBIRIMFIYAT FOemNo FTESLIMID "
                  "FResimVar FResim");
        QTest::newRow("TMobilCariBilgisi") << NesneJson(TMobilCariBilgisi()) << "mobilstokunit.TMobilCariBilgisi"
            << ad("FBILGISAYARID FSEHIR FFAX1 FSATICIMAIL FSATICIADI FCARIADI FEMAIL FVERGIDAIRESI FYETKILI FAltGrup "
                  "FTEL2 FSIFRE FGSM FTEL1 FADRES2 FTLBORC FTLALACAK FADRES1 FULKE FAnaGrup FCARINO FTLBAKIYE "
                  "FVERGINO FMAIL FOzelKod FKULLANICIADI FSATICITELEFON FCARIKOD FFAX2 FILCE");
        QTest::newRow("TAcilisEkran") << NesneJson(TAcilisEkran()) << "mobilstokunit.TAcilisEkran"
            << ad("FSiraNo FResim FBaslik FArama");
    }
    void nesneBiciminAlanSirasi()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, tur);
        QFETCH(QStringList, alanlar);
        QVERIFY2(json.startsWith("{\"type\":\"" + tur.toLatin1() + "\",\"id\":1,\"fields\":{"), json.constData());
        QCOMPARE(alanSirasi(json), alanlar);
    }

    void degerTurleri()
    {
        // Numbers as JSON numbers, texts as strings, an empty date as null.
        TMobilSepet p;
        p.SetMIKTAR(2.5);
        p.SetACIKLAMA(7);
        p.SetTARIH(QDate(2026, 3, 9));
        p.SetSAAT(QStringLiteral("09:30"));
        const QByteArray j = NesneJson(p);
        QVERIFY(j.contains("\"FMIKTAR\":2.5,"));
        QVERIFY(j.contains("\"FACIKLAMA\":7,"));
        QVERIFY(j.contains("\"FTARIH\":\"2026-03-09\","));
        QVERIFY(j.contains("\"FVERILISTARIHI\":null,"));
        QVERIFY(j.contains("\"FSAAT\":\"09:30\","));
        QVERIFY(NesneJson(TMobilStok()).contains("\"FBirim\":\"ADET\",\"FKDV\":18,"));

        // A date with a time part is read by its date.
        auto r = NesneOku<TMobilSepet>(QByteArray(
            "{\"type\":\"mobilstokunit.TMobilSepet\",\"id\":1,\"fields\":{\"FTARIH\":\"2026-03-09T14:00:00.000\","
            "\"FVERILISTARIHI\":\"bozuk\"}}"));
        QVERIFY(r);
        QCOMPARE(r->TARIH(), QDate(2026, 3, 9));
        QVERIFY(!r->VERILISTARIHI().isValid());
    }

    void kopyalaHerAlaniTasir()
    {
        const TMobilStok kaynak = dolu<TMobilStok>();
        QVERIFY(!kaynak.PKod().isEmpty() && !kaynak.DpKod().isEmpty());
        TMobilStok kopya;
        kopya.Kopyala(kaynak);
        QCOMPARE(NesneJson(kopya), NesneJson(kaynak));
        QCOMPARE(kopya.PKod(), kaynak.PKod());
        QCOMPARE(kopya.DpKod(), kaynak.DpKod());

        const QString adi = kaynak.Adi();
        kopya.SetAdi(QStringLiteral("Değişti"));
        QCOMPARE(kaynak.Adi(), adi);

        const TMobilSepet s = dolu<TMobilSepet>();
        TMobilSepet s2;
        s2.Kopyala(s);
        QCOMPARE(NesneJson(s2), NesneJson(s));
        QCOMPARE(s2.PKod(), s.PKod());
        QCOMPARE(s2.DpKod(), s.DpKod());
        QCOMPARE(s2.VERILISTARIHI(), s.VERILISTARIHI());

        const TMobilCariBilgisi c = dolu<TMobilCariBilgisi>();
        TMobilCariBilgisi c2;
        c2.Kopyala(c);
        QCOMPARE(NesneJson(c2), NesneJson(c));
        c2.SetSIFRE(QStringLiteral("yeni"));
        QVERIFY(c.SIFRE() != c2.SIFRE());

        // Into itself: unchanged.
        c2.Kopyala(c2);
        QCOMPARE(c2.SIFRE(), QStringLiteral("yeni"));
    }

    void kayitGidisDonus()
    {
        const TMobilCariBilgisi c = dolu<TMobilCariBilgisi>(40);
        auto r = NesneOku<TMobilCariBilgisi>(NesneJson(c));
        QVERIFY(r);
        QCOMPARE(NesneJson(*r), NesneJson(c));
    }

    void bosListeBosListedir()
    {
        const QByteArray bos = NesneJson(TAcilisEkranlar());
        QCOMPARE(bos, QByteArray("{\"type\":\"mobilstokunit.TAcilisEkranlar\",\"id\":1,\"fields\":{\"FList\":[]}}"));
        auto l = NesneOku<TAcilisEkranlar>(bos);
        QVERIFY(l);
        QCOMPARE(l->Count(), 0);
        QCOMPARE(l->Items(0), nullptr);

        auto k = NesneOku<TAcilisEkranlariki>(NesneJson(TAcilisEkranlariki()));
        QVERIFY(k);
        QVERIFY(k->Ekranlar().isEmpty());
    }

    void nullNesneVermez_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("bos") << QByteArray();
        QTest::newRow("null") << QByteArray("null");
        QTest::newRow("baska tur") << QByteArray("{\"type\":\"mobilstokunit.TAcilisEkran\",\"id\":1,\"fields\":{}}");
        QTest::newRow("bozuk") << QByteArray("{\"type\":\"mobilstokunit.TAcilisEkranlar\",");
        QTest::newRow("dizi") << QByteArray("[]");
    }
    void nullNesneVermez()
    {
        QFETCH(QByteArray, json);
        QVERIFY(!NesneOku<TAcilisEkranlar>(json));
    }

    void listeGidisDonus()
    {
        TMobilStoklar l;
        for (int i = 0; i < 3; ++i) l.Add(std::make_unique<TMobilStok>(dolu<TMobilStok>(100 * i)));
        const QByteArray j = NesneJson(l);
        // The list is object 1, its elements 2, 3, 4 in order.
        QVERIFY(j.startsWith("{\"type\":\"mobilstokunit.TMobilStoklar\",\"id\":1,\"fields\":{\"FList\":["
                             "{\"type\":\"mobilstokunit.TMobilStok\",\"id\":2,\"fields\":{"));
        QVERIFY(j.contains("\"id\":3,") && j.contains("\"id\":4,") && !j.contains("\"id\":5,"));
        auto r = NesneOku<TMobilStoklar>(j);
        QVERIFY(r);
        QCOMPARE(r->Count(), 3);
        QCOMPARE(r->Items(1)->Adi(), l.Items(1)->Adi());
        QCOMPARE(r->Items(2)->DpKod(), l.Items(2)->DpKod());
        QCOMPARE(NesneJson(*r), j);

        TMobilSepetler sp;
        sp.Add(std::make_unique<TMobilSepet>(dolu<TMobilSepet>()));
        sp.Add();   // a fresh line: dates null
        auto sr = NesneOku<TMobilSepetler>(NesneJson(sp));
        QVERIFY(sr);
        QCOMPARE(sr->Count(), 2);
        QCOMPARE(sr->Items(0)->TARIH(), sp.Items(0)->TARIH());
        QVERIFY(!sr->Items(1)->TARIH().isValid());
        QCOMPARE(NesneJson(*sr), NesneJson(sp));

        TAcilisEkranlariki ik;
        ik.SetEkranlar({dolu<TAcilisEkran>(), dolu<TAcilisEkran>(10)});
        const QByteArray ij = NesneJson(ik);
        QVERIFY(ij.startsWith("{\"type\":\"mobilstokunit.TAcilisEkranlariki\",\"id\":1,\"fields\":{\"FEkranlar\":["
                              "{\"type\":\"mobilstokunit.TAcilisEkran\",\"id\":2,"));
        auto ir = NesneOku<TAcilisEkranlariki>(ij);
        QVERIFY(ir);
        QCOMPARE(ir->Ekranlar().size(), 2);
        QCOMPARE(ir->Ekranlar()[1].Baslik(), ik.Ekranlar()[1].Baslik());
        QCOMPARE(NesneJson(*ir), ij);
    }

    void listeYabanciElemanlariAtlar()
    {
        // Elements of another class, nulls and non-objects are skipped, the rest kept in order.
        const QByteArray j(
            "{\"type\":\"mobilstokunit.TAcilisEkranlar\",\"id\":1,\"fields\":{\"FList\":["
            "{\"type\":\"mobilstokunit.TAcilisEkran\",\"id\":2,\"fields\":{\"FSiraNo\":1,\"FBaslik\":\"Bir\"}},"
            "null,5,{\"type\":\"mobilstokunit.TMobilStok\",\"id\":3,\"fields\":{}},"
            "{\"type\":\"mobilstokunit.TAcilisEkran\",\"id\":4,\"fields\":{\"FSiraNo\":2,\"FBaslik\":\"İki\"}}]}}");
        auto l = NesneOku<TAcilisEkranlar>(j);
        QVERIFY(l);
        QCOMPARE(l->Count(), 2);
        QCOMPARE(l->Items(0)->Baslik(), QStringLiteral("Bir"));
        QCOMPARE(l->Items(1)->Baslik(), QStringLiteral("İki"));
        QCOMPARE(l->Items(1)->SiraNo(), 2);
    }

    void tasanSayiAlinmaz()
    {
        auto e = NesneOku<TAcilisEkran>(QByteArray(
            "{\"type\":\"mobilstokunit.TAcilisEkran\",\"id\":1,\"fields\":{\"FSiraNo\":1e300,\"FBaslik\":7}}"));
        QVERIFY(e);
        QCOMPARE(e->SiraNo(), 0);
        QVERIFY(e->Baslik().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstMobilStok)
#include "tst_mobilstok.moc"
