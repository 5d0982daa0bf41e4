// Registration / password-change requests and the message form.
#include "../login/girisortam.h"
#include "controls/kaynaklar.h"
#include "login/arkaplan.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "requests/kullanicikayit.h"
#include "requests/mailform.h"
#include "server/yapilandirma.h"
#include "tests/support/senaryo.h"
#include "tests/support/testsunucu.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace mivo;
using namespace mivotest;

class TstIstekler : public QObject {
    Q_OBJECT
    TestSunucu sunucu;
    QTemporaryDir veri;
    SahteKimlik kimlik;
    TSQLConnection bagc;
    TSonucBilgisi sbilgi;

    bool outboxVar()
    {
        QProcess p;
        p.start(TestSunucu::sunucuYolu(), {QStringLiteral("--help")});
        p.waitForFinished(10000);
        return (p.readAllStandardOutput() + p.readAllStandardError()).contains("list-outbox");
    }

    void doldur(Tkullanicikayit& k, const QString& deger)
    {
        for (QLineEdit* e : {k.firmaadi, k.adres1, k.adres2, k.ilce, k.sehir, k.telefon, k.fax, k.vd, k.vn, k.yetkili,
                             k.kullaniciadi, k.sifre, k.mail, k.kargoambar})
            e->setText(deger);
    }

private slots:
    void initTestCase()
    {
        KaynaklariYukle();
        QVERIFY(sunucu.basla());
        sunucu.istemciyiYonlendir();
        BaglantiBeklemesiAyarla(20);
        kimlik.kur(veri.path());
        kimlik.ayarla(QStringLiteral("ISTEK-1"));
        bagc.HostName = yapilandirma().sunucuHost;
        bagc.Port = yapilandirma().sunucuPort;
        sbilgi.SetADI(QStringLiteral("DEMO"));
        sbilgi.SetCariAdi(QStringLiteral("DEMO OTO"));
    }

    void kayitKontrol_data()
    {
        QTest::addColumn<QString>("bos");      // the first required field left empty
        QTest::addColumn<QString>("mesaj");
        const char* const satirlar[][2] = {
            {"firmaadi", "Firma Adı boş olamaz !"}, {"adres1", "Adres boş olamaz !"},
            {"ilce", "İlçe Adı boş olamaz !"},      {"sehir", "Şehir Adı boş olamaz !"},
            {"telefon", "Telefon  boş olamaz !"},   {"yetkili", "Yetkili  boş olamaz !"},
            {"kullaniciadi", "Kullanıcı  boş olamaz !"}, {"sifre", "Şifre  boş olamaz !"},
            {"mail", "Mail  boş olamaz !"},
        };
        for (const auto& s : satirlar) QTest::newRow(s[0]) << QString::fromLatin1(s[0]) << QString::fromUtf8(s[1]);
    }
    void kayitKontrol()
    {
        QFETCH(QString, bos);
        QFETCH(QString, mesaj);
        SenaryoKur s;
        auto k = Tkullanicikayit::Yeni(nullptr, bagc, sbilgi);
        doldur(*k, QStringLiteral("x"));
        // Optional fields may stay empty; blanks count as empty.
        for (QLineEdit* e : {k->adres2, k->fax, k->vd, k->vn, k->kargoambar}) e->clear();
        k->findChild<QLineEdit*>(bos)->setText(QStringLiteral("   "));
        k->show();
        QVERIFY(!k->KayitKontrol());
        QCOMPARE(s->metinler(), QStringList{mesaj});
        QCOMPARE(s->gorulen.first().dlgType, mtWarning);
        QCOMPARE(k->focusWidget()->objectName(), bos);
    }

    void hepsiBos()
    {
        SenaryoKur s;
        auto k = Tkullanicikayit::Yeni(nullptr, bagc, sbilgi);
        k->show();
        QCOMPARE(k->windowTitle(), QStringLiteral("B2B İstek Formu"));
        QCOMPARE(k->lblid->text(), QStringLiteral("Bilgisayar ID: ISTEK-1"));
        QTest::mouseClick(k->Button2, Qt::LeftButton);
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Firma Adı boş olamaz !")});
        QCOMPARE(k->focusWidget(), k->firmaadi);
        QVERIFY(k->isVisible());
    }

    void sifreIstegiBilinmeyenBilgisayar()
    {
        SenaryoKur s;
        std::unique_ptr<Tkullanicikayit> k;
        try {
            k = Tkullanicikayit::Ac(nullptr, bagc, sbilgi);
        } catch (const std::exception& e) {
            QSKIP(qPrintable(QStringLiteral("server has no MobilCariBilgisiGetir yet: ") + QString::fromUtf8(e.what())));
        }
        QCOMPARE(k->windowTitle(), QStringLiteral("Şifre Değiştirme İsteği"));
        QCOMPARE(k->kullaniciadi->text(), QStringLiteral("DEMO"));
        QCOMPARE(k->firmaadi->text(), QStringLiteral("DEMO OTO"));
        QVERIFY(k->adres1->text().isEmpty());
        QCOMPARE(k->durum, teski);
    }

    void ikiGonderim()
    {
        if (!outboxVar()) QSKIP("server has no outbox yet");
        SenaryoKur s;
        auto k = Tkullanicikayit::Yeni(nullptr, bagc, sbilgi);
        doldur(*k, QStringLiteral("  değer  "));
        k->show();
        QTest::mouseClick(k->Button2, Qt::LeftButton);
        QTest::mouseClick(k->Button2, Qt::LeftButton);
        QCOMPARE(s->metinler(), (QStringList{QStringLiteral("İsteğiniz Gönderildi!"), QStringLiteral("İsteğiniz Gönderildi!")}));
        QVERIFY(k->isVisible());
        const QByteArray cikti = sunucu.komut({QStringLiteral("list-outbox")});
        QCOMPARE(cikti.count("B2B Yeni Kullanıcı İstek"), 2);
        QVERIFY(cikti.contains("  değer  "));
    }

    void virgulluMetin_data()
    {
        QTest::addColumn<QStringList>("satirlar");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("blank quoted") << QStringList{"Merhaba", QString::fromUtf8("iyi günler")}
                                      << QString::fromUtf8("Merhaba,\"iyi günler\"");
        QTest::newRow("comma") << QStringList{"a,b", "c"} << "\"a,b\",c";
        QTest::newRow("quotes doubled") << QStringList{"say \"hi\""} << "\"say \"\"hi\"\"\"";
        QTest::newRow("blanks only") << QStringList{"   ", "x"} << "\"   \",x";
        QTest::newRow("empty line unchanged") << QStringList{"a", "", "b"} << "a,,b";
        QTest::newRow("tab") << QStringList{"a\tb"} << "\"a\tb\"";
        QTest::newRow("Turkish letters only") << QStringList{QString::fromUtf8("çğışöü")} << QString::fromUtf8("çğışöü");
    }
    void virgulluMetin()
    {
        QFETCH(QStringList, satirlar);
        QFETCH(QString, beklenen);
        QCOMPARE(VirgulluMetin(satirlar), beklenen);
    }

    void mailSatirlari()
    {
        auto m = Tmailform::Ac(nullptr, bagc, sbilgi);
        m->konu->setPlainText(QStringLiteral("a\nb c\n"));
        QCOMPARE(m->Satirlar(), (QStringList{"a", "b c"}));
        QCOMPARE(VirgulluMetin(m->Satirlar()), QStringLiteral("a,\"b c\""));
    }

    void mailKontrol()
    {
        SenaryoKur s;
        auto m = Tmailform::Ac(nullptr, bagc, sbilgi);
        m->show();
        QCOMPARE(m->windowTitle(), QStringLiteral("Mail Gönder"));
        m->baslik->setText(QStringLiteral("   "));
        m->konu->setPlainText(QStringLiteral("metin"));
        QTest::mouseClick(m->Button2, Qt::LeftButton);
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Lütfen Başlık Giriniz !")});
        QCOMPARE(m->focusWidget(), m->baslik);
        s->temizle();
        m->baslik->setText(QStringLiteral("Konu"));
        m->konu->setPlainText(QStringLiteral(" \n \n"));
        QTest::mouseClick(m->Button2, Qt::LeftButton);
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Lütfen Konu Giriniz !")});
        QCOMPARE(m->focusWidget(), m->konu);
        QVERIFY(m->Button2->isEnabled());
        EkranGoruntusu(m.get(), QStringLiteral("mail"));
    }

    // Server unreachable: the connection message, then the failure; "Kapat" does nothing meanwhile.
    void mailBaglantiYok()
    {
        SenaryoKur s;
        BaglantiBeklemesiAyarla(150);
        TSQLConnection kapali;
        kapali.HostName = QStringLiteral("127.0.0.1");
        kapali.Port = QString::number(KapaliPort());
        auto m = Tmailform::Ac(nullptr, kapali, sbilgi);
        m->show();
        m->baslik->setText(QStringLiteral("Konu"));
        m->konu->setPlainText(QStringLiteral("Merhaba"));
        QTest::mouseClick(m->Button2, Qt::LeftButton);
        QVERIFY(!m->Button2->isEnabled());
        QTest::mouseClick(m->Button1, Qt::LeftButton);
        m->reject();
        QVERIFY(m->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(m->Button2->isEnabled(), 20000);
        BaglantiBeklemesiAyarla(20);
        QCOMPARE(s->metinler(), (QStringList{QString::fromUtf8(kBaglantiHatasi),
                                             QStringLiteral("Mail Göndermede Hata\r\nLütfen Tekrar Deneyin !")}));
        QCOMPARE(s->gorulen.last().dlgType, mtError);
        QTest::mouseClick(m->Button1, Qt::LeftButton);
        QVERIFY(!m->isVisible());
        QCOMPARE(m->result(), int(mrCancel));
    }

    void ikiMail()
    {
        if (!outboxVar()) QSKIP("server has no outbox yet");
        SenaryoKur s;
        auto m = Tmailform::Ac(nullptr, bagc, sbilgi);
        m->show();
        m->baslik->setText(QStringLiteral("Sipariş"));
        m->konu->setPlainText(QStringLiteral("Merhaba\niyi, günler"));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(m->Button2, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(m->Button2->isEnabled(), 20000);
        }
        QCOMPARE(s->metinler(), (QStringList{QStringLiteral("Mail Gönderildi !"), QStringLiteral("Mail Gönderildi !")}));
        const QByteArray cikti = sunucu.komut({QStringLiteral("list-outbox")});
        QCOMPARE(cikti.count("Merhaba,\"iyi, günler\""), 2);
    }
};

QTEST_MAIN(TstIstekler)
#include "tst_istekler.moc"
