#include "login/yuvarla.h"

#include <QLocale>
#include <QTest>

using namespace mivo;

class TstYuvarla : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void yuvarla_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("beklenen");
        QTest::newRow("half up") << 12.49875 << 12.50;
        QTest::newRow("binary 1.005") << 1.005 << 1.01;       // 1.00499999… in binary, 1.005 in 15 digits
        QTest::newRow("binary 2.675") << 2.675 << 2.68;
        QTest::newRow("negative half") << -2.345 << -2.35;    // away from zero
        QTest::newRow("below one") << 0.125 << 0.13;
        QTest::newRow("tiny") << 0.004 << 0.0;
        QTest::newRow("tiny half") << 0.005 << 0.01;
        QTest::newRow("sum 20.004") << 20.004 << 20.00;
        QTest::newRow("carry") << 9.995 << 10.00;
        QTest::newRow("carry big") << 99999.999 << 100000.00;
        QTest::newRow("large") << 1234567.891 << 1234567.89;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("106.2") << 1.18 * 90 << 106.20;
        QTest::newRow("vat of 0.05") << 0.05 * 1.18 << 0.06;
    }
    void yuvarla()
    {
        QFETCH(double, x);
        QFETCH(double, beklenen);
        QCOMPARE(Yuvarla(x), beklenen);
    }

    void amountText()
    {
        QCOMPARE(TutarMetni(1234.5), QStringLiteral("1.234,50"));
        QCOMPARE(TutarMetni(0), QStringLiteral("0,00"));
        QCOMPARE(TutarMetni(-0.25), QStringLiteral("-0,25"));
        bool ok;
        QCOMPARE(MetinSayi(QStringLiteral("1.234,50"), &ok), 1234.5);
        QVERIFY(ok);
        QCOMPARE(MetinSayi(QStringLiteral(",5"), &ok), 0.5);
        QVERIFY(ok);
        MetinSayi(QStringLiteral("on iki"), &ok);
        QVERIFY(!ok);
    }
};

QTEST_APPLESS_MAIN(TstYuvarla)
#include "tst_yuvarla.moc"
