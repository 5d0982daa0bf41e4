// The login window end to end against a live mivo-server, with an injected computer identity.
#include "girisortam.h"
#include "app/anaform.h"
#include "login/arkaplan.h"
#include "login/geciciguncelleme.h"
#include "login/girisform.h"
#include "login/inidosyasi.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "login/programsonu.h"
#include "controls/kaynaklar.h"
#include "server/yapilandirma.h"
#include "tests/support/senaryo.h"
#include "tests/support/testsunucu.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace mivo;
using namespace mivotest;

namespace {
const QString kHatali = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");
}

class TstGiris : public QObject {
    Q_OBJECT
    TestSunucu sunucu;
    QTemporaryDir veri;
    SahteKimlik kimlik;
    QList<int> bitisler;

    struct Oturum {
        TSQLConnection bagc;
        TSonucBilgisi sbilgi;
        std::unique_ptr<Tgirisform> f;
    };

    std::unique_ptr<Oturum> ac()
    {
        auto o = std::make_unique<Oturum>();
        o->bagc.HostName = yapilandirma().sunucuHost;
        o->bagc.Port = yapilandirma().sunucuPort;
        o->sbilgi.SetBILGISAYARID(BilgisayarIdAl());
        o->f = std::make_unique<Tgirisform>();
        o->f->bagim = &o->bagc;
        o->f->Bilgim = &o->sbilgi;
        o->f->show();
        return o;
    }

    bool bitti(Oturum& o) const
    {
        return ArkaPlanSayisi() == 0 && (o.f->result() == mrOk || !bitisler.isEmpty() || o.f->Button1->isEnabled());
    }

    void girisYap(Oturum& o, const QString& ad, const QString& sifre)
    {
        QTest::keyClicks(o.f->adi, ad);
        QTest::keyClicks(o.f->sifre, sifre);
        QTest::mouseClick(o.f->Button1, Qt::LeftButton);
        QVERIFY(!o.f->Button1->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(bitti(o), 30000);
    }

    QString ayarYolu() const { return veri.path() + QStringLiteral("/velmormivo/ayar.ini"); }

private slots:
    void initTestCase()
    {
        KaynaklariYukle();
        QVERIFY(sunucu.basla());
        sunucu.istemciyiYonlendir();
        BaglantiBeklemesiAyarla(20);
        kimlik.kur(veri.path());
        ProgramSonuYakalayici([this](int k) { bitisler << k; });
        const Hesap hesaplar[] = {
            {"DOGRU-1", "DEMO", "1234"},
            {"PASIF-1", "DEMO", "1234", 3, 0},
            {"SATICI-1", "DEMO", "1234", 2},
            {"KUCUK-1", "demo", "1234"},
            {"ESKI-1", "DEMO", "1234", 3, 1, 4},
        };
        for (const Hesap& h : hesaplar) QVERIFY(HesapEkle(sunucu.veritabani(), h));
    }
    void init()
    {
        QFile::remove(ayarYolu());
        bitisler.clear();
        kimlik.ayarla(QStringLiteral("dogru-1"));
    }

    void dogruGiris()
    {
        SenaryoKur s;
        auto o = ac();
        // The window is cut to its picture: corners outside, the middle inside.
        QVERIFY(!o->f->mask().contains(QPoint(0, 0)));
        QVERIFY(o->f->mask().contains(QPoint(184, 290)));
        QVERIFY(o->f->parentWidget() == nullptr);
        QTest::keyClicks(o->f->adi, QStringLiteral("demo"));
        QCOMPARE(o->f->adi->text(), QStringLiteral("DEMO"));   // typed lower case, shown upper case
        EkranGoruntusu(o->f.get(), QStringLiteral("giris"));
        o->f->adi->clear();
        girisYap(*o, QStringLiteral("demo"), QStringLiteral("1234"));
        QCOMPARE(o->f->result(), int(mrOk));
        QVERIFY2(s->gorulen.isEmpty(), qPrintable(s->metinler().join('|')));
        QCOMPARE(o->sbilgi.ADI(), QStringLiteral("DEMO"));
        QVERIFY(o->sbilgi.Varmi());
        QCOMPARE(o->sbilgi.BILGISAYARID(), QStringLiteral("DOGRU-1"));
        QCOMPARE(o->sbilgi.BilgiSayarAdi(), QStringLiteral("TEST-PC"));
        QCOMPARE(o->sbilgi.Icip(), QStringLiteral("10.0.0.7"));
        QCOMPARE(o->sbilgi.Disip(), QStringLiteral("127.0.0.1"));
        const TIniFile ini(ayarYolu());
        QCOMPARE(ini.ReadString("kullanici", "isim", "?"), QStringLiteral("DEMO"));
        QCOMPARE(ini.ReadString("kullanici", "sifre", "?"), QStringLiteral("1234"));
        QCOMPARE(ini.ReadString("kullanici", QString::fromUtf8("hatırla"), "?"), QStringLiteral("1"));
    }

    void reddedilen_data()
    {
        QTest::addColumn<QString>("seri");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<bool>("ayarYazilir");
        QTest::newRow("wrong password") << "DOGRU-1" << "DEMO" << "9999" << false;
        QTest::newRow("inactive account") << "PASIF-1" << "DEMO" << "1234" << true;
        QTest::newRow("sales rep, no customer pick yet") << "SATICI-1" << "DEMO" << "1234" << true;
        QTest::newRow("lower-case record never matches") << "KUCUK-1" << "demo" << "1234" << false;
        QTest::newRow("empty boxes") << "DOGRU-1" << "" << "" << false;
    }
    void reddedilen()
    {
        QFETCH(QString, seri);
        QFETCH(QString, ad);
        QFETCH(QString, sifre);
        QFETCH(bool, ayarYazilir);
        kimlik.ayarla(seri);
        SenaryoKur s;
        auto o = ac();
        girisYap(*o, ad, sifre);
        QCOMPARE(s->metinler(), QStringList{kHatali});
        QCOMPARE(s->gorulen.first().dlgType, mtWarning);
        QVERIFY(o->f->result() != mrOk);
        QVERIFY(o->f->Button1->isEnabled());
        QCOMPARE(o->f->Button1->text(), QStringLiteral("Giriş!"));
        QCOMPARE(o->f->adi->text(), ad.toUpper());   // the boxes keep their text
        QCOMPARE(QFile::exists(ayarYolu()), ayarYazilir);
        QVERIFY(bitisler.isEmpty());
    }

    void bilinmeyenBilgisayar()
    {
        kimlik.ayarla(QStringLiteral("BILINMEYEN-9"));
        SenaryoKur s;
        ModalKapatici kapat;
        kapat.gorunce = [](QDialog* d) { EkranGoruntusu(d, QStringLiteral("kayit")); };
        auto o = ac();
        girisYap(*o, QStringLiteral("DEMO"), QStringLiteral("1234"));
        QCOMPARE(kapat.gorulen, QStringList{QStringLiteral("mivo::Tkullanicikayit:B2B İstek Formu")});
        QCOMPARE(bitisler, QList<int>{0});
        QVERIFY(s->gorulen.isEmpty());
    }

    void versiyon4()
    {
        kimlik.ayarla(QStringLiteral("ESKI-1"));
        SenaryoKur s;
        ModalKapatici kapat;
        int gorulenVersiyon = 0;
        kapat.gorunce = [&](QDialog* d) {
            if (auto* g = qobject_cast<TGeciciGuncellemePenceresi*>(d)) gorulenVersiyon = g->BeklenenVersiyon();
        };
        auto o = ac();
        girisYap(*o, QStringLiteral("DEMO"), QStringLiteral("1234"));
        QCOMPARE(gorulenVersiyon, 4);
        QCOMPARE(kapat.gorulen.size(), 1);
        QCOMPARE(o->f->result(), int(mrOk));   // the window returned, so the login went on
    }

    void sunucuKapali()
    {
        SenaryoKur s;
        auto o = ac();
        o->bagc.Port = QString::number(KapaliPort());
        girisYap(*o, QStringLiteral("DEMO"), QStringLiteral("1234"));
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Bağlantı Kurulamadı !")});
        QCOMPARE(s->gorulen.first().dlgType, mtError);
        QVERIFY(o->f->Button1->isEnabled());
        QVERIFY(!QFile::exists(ayarYolu()));
    }

    void ipEchoKapali()
    {
        SenaryoKur s;
        const QString eski = yapilandirma().ipEchoUrl;
        yapilandirma().ipEchoUrl = QStringLiteral("http://127.0.0.1:%1/ip.php").arg(KapaliPort());
        auto o = ac();
        QTest::keyClicks(o->f->adi, QStringLiteral("DEMO"));
        QTest::mouseClick(o->f->Button1, Qt::LeftButton);
        QTest::qWait(2500);   // a few retries, one second apart
        QCOMPARE(o->f->Button1->text(), QStringLiteral("Bağlanıyor..."));
        QVERIFY(!o->f->Button1->isEnabled());
        QVERIFY(o->f->RxGIFAnimator1->isVisible());
        QVERIFY(s->gorulen.isEmpty());
        QTest::mouseClick(o->f->Button2, Qt::LeftButton);   // "Vazgeç" still works
        QCOMPARE(bitisler, QList<int>{0});
        QTRY_COMPARE_WITH_TIMEOUT(ArkaPlanSayisi(), 0, 5000);
        yapilandirma().ipEchoUrl = eski;
    }

    void hatirlananGiris()
    {
        QDir().mkpath(veri.path() + "/velmormivo");
        {
            TIniFile ini(ayarYolu());
            ini.WriteString("kullanici", "isim", "ALI");
            ini.WriteString("kullanici", "sifre", "55");
            ini.WriteBool("kullanici", QString::fromUtf8("hatırla"), false);
        }
        auto o = ac();
        QVERIFY(!o->f->benihatirla->isChecked());
        QVERIFY(o->f->adi->text().isEmpty());
        QVERIFY(o->f->sifre->text().isEmpty());
        TIniFile(ayarYolu()).WriteBool("kullanici", QString::fromUtf8("hatırla"), true);
        auto o2 = ac();
        QVERIFY(o2->f->benihatirla->isChecked());
        QCOMPARE(o2->f->adi->text(), QStringLiteral("ALI"));
        QCOMPARE(o2->f->sifre->text(), QStringLiteral("55"));
        QFile::remove(ayarYolu());
        auto o3 = ac();
        QVERIFY(o3->f->benihatirla->isChecked());
        QVERIFY(o3->f->adi->text().isEmpty());
    }

    void enterTusu()
    {
        SenaryoKur s;
        auto o = ac();
        QTest::keyClick(o->f->adi, Qt::Key_Return);
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Lütfen kullanıcı adını giriniz !")});
        QCOMPARE(s->gorulen.first().tur, DiyalogIstegi::DuzKutu);
        QCOMPARE(o->f->focusWidget(), o->f->adi);
        s->temizle();
        QTest::keyClicks(o->f->adi, QStringLiteral("  "));
        QTest::keyClick(o->f->adi, Qt::Key_Return);   // blanks count as empty
        QCOMPARE(s->metinler().size(), 1);
        s->temizle();
        o->f->adi->clear();
        QTest::keyClicks(o->f->adi, QStringLiteral("demo"));
        QTest::keyClick(o->f->adi, Qt::Key_Return);
        QVERIFY(s->gorulen.isEmpty());
        QCOMPARE(o->f->focusWidget(), o->f->sifre);
        QTest::keyClick(o->f->sifre, Qt::Key_Enter);
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Lütfen kullanıcı şifresini giriniz !")});
        QVERIFY(o->f->Button1->isEnabled());
        s->temizle();
        QTest::keyClicks(o->f->sifre, QStringLiteral("1234"));
        QTest::keyClick(o->f->sifre, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(bitti(*o), 30000);
        QCOMPARE(o->f->result(), int(mrOk));
    }

    // The main window's start-up shows the real login and goes on after it.
    void anaPencere()
    {
        SenaryoKur s;
        QTimer surucu;
        surucu.setInterval(30);
        bool tiklandi = false;
        connect(&surucu, &QTimer::timeout, this, [&] {
            if (tiklandi) return;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* g = qobject_cast<Tgirisform*>(w);
                if (!g || !g->isVisible()) continue;
                QTest::keyClicks(g->adi, QStringLiteral("demo"));
                QTest::keyClicks(g->sifre, QStringLiteral("1234"));
                tiklandi = true;
                QTest::mouseClick(g->Button1, Qt::LeftButton);
            }
        });
        surucu.start();
        TForm1 f;
        QVERIFY(tiklandi);
        QVERIFY(f.Basladi());
        QCOMPARE(f.sbilgi.ADI(), QStringLiteral("DEMO"));
        QVERIFY(f.M1->isEnabled());
        QVERIFY(f.N4->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(ArkaPlanSayisi(), 0, 10000);
        QVERIFY(bitisler.isEmpty());
    }
};

QTEST_MAIN(TstGiris)
#include "tst_giris.moc"
