// The ordering arithmetic: the quantity dialog's amounts, the cost-price text, the basket totals.
#include "basket/sepethesap.h"
#include "catalogue/stokhesap.h"
#include "login/yuvarla.h"

#include <QLocale>
#include <QTest>

using namespace mivo;

class TstHesap : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void dialogAmounts_data()
    {
        QTest::addColumn<double>("fiyat");
        QTest::addColumn<double>("indirim");
        QTest::addColumn<double>("kdv");
        QTest::addColumn<int>("adet");
        QTest::addColumn<double>("net");
        QTest::addColumn<double>("kdvli");
        QTest::addColumn<double>("tutar");
        QTest::newRow("100/10/18/3") << 100.0 << 10.0 << 18.0 << 3 << 90.0 << 106.20 << 318.60;
        QTest::newRow("discount 0.0001 ignored") << 100.0 << 0.0001 << 18.0 << 1 << 100.0 << 118.0 << 118.0;
        QTest::newRow("discount 0.0002 applied") << 10000.0 << 0.0002 << 0.0 << 1 << 9999.98 << 9999.98 << 9999.98;
        QTest::newRow("99.99 at 12.5") << 99.99 << 12.5 << 18.0 << 1 << 87.49 << 103.24 << 103.24;
        QTest::newRow("no discount, VAT 8") << 50.0 << 0.0 << 8.0 << 2 << 50.0 << 54.0 << 108.0;
    }
    void dialogAmounts()
    {
        QFETCH(double, fiyat);
        QFETCH(double, indirim);
        QFETCH(double, kdv);
        QFETCH(int, adet);
        const DiyalogTutarlari t = TutarlariHesapla(fiyat, indirim, kdv, adet);
        QTEST(t.indtutar, "net");
        QTEST(t.kdvdahiltutar, "kdvli");
        QTEST(t.geneltutar, "tutar");
    }

    void openingTotal() { QCOMPARE(ToplamYaz(3, 35.405), 106.22); }

    void costText_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<double>("beklenen");
        QTest::newRow("dollar") << QStringLiteral("12.50 $") << 317.80;            // Yuvarla(12.5 / 1.18 × 30)
        QTest::newRow("euro wins") << QStringLiteral("$ 11.80 €") << 350.0;        // 11.8 / 1.18 × 35
        QTest::newRow("TL") << QStringLiteral("118 TL") << 100.0;
        QTest::newRow("plain") << QStringLiteral("23.6") << 20.0;
    }
    void costText()
    {
        QFETCH(QString, metin);
        QTEST(MaliyetCevir(metin, 30.0, 35.0), "beklenen");
    }

    void costTextThatIsNoNumber()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MaliyetCevir(QStringLiteral("yok"), 30, 35));
    }

    void basketTotals()
    {
        using protocol::FieldType;
        protocol::RowSet rs;
        rs.columns = {{"SEC", FieldType::Integer}, {"TUTAR", FieldType::Double}, {"INDIRIMTUTAR", FieldType::Double}};
        rs.rows = {{1, 10.004, 0.0}, {1, 10.004, 0.0}, {0, 500.0, 0.0}};
        TMemTable t;
        RowSetYukle(t, rs);
        SepetToplamlari s = SepetToplamHesapla(t);
        QCOMPARE(s.toplam, 20.00);   // not the 20.01 of rounding only the final sum
        QCOMPARE(s.net, 20.00);

        rs.rows = {{1, 110.0, 10.0}};
        RowSetYukle(t, rs);
        s = SepetToplamHesapla(t);
        QCOMPARE(s.net, 100.0);
        QCOMPARE(s.vergi, 18.0);
        QCOMPARE(s.genel, 118.0);

        rs.rows = {{1, 0.05, 0.0}};
        RowSetYukle(t, rs);
        s = SepetToplamHesapla(t);
        QCOMPARE(TutarMetni(s.vergi), QStringLiteral("0,01"));

        TMemTable kapali;   // never loaded: every total 0
        s = SepetToplamHesapla(kapali);
        QCOMPARE(TutarMetni(s.genel), QStringLiteral("0,00"));
    }
};

QTEST_APPLESS_MAIN(TstHesap)
#include "tst_hesap.moc"
