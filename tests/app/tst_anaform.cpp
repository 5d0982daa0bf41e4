// The main window frame: start-up, tabs, user-type rules, closing.
#include "app/anaform.h"
#include "controls/kaynaklar.h"
#include "controls/sayfakontrol.h"
#include "controls/skin.h"
#include "login/arkaplan.h"
#include "login/kullanicitipi.h"
#include "login/mesajkutusu.h"
#include "login/programsonu.h"
#include "support/senaryo.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QUrl>

using namespace mivo;
using mivotest::SenaryoKur;

namespace {
struct Kurulum {
    QList<int> cikislar;
    Kurulum()
    {
        ProgramSonuYakalayici([this](int k) { cikislar << k; });
    }
    ~Kurulum()
    {
        ProgramSonuYakalayici({});
        TForm1::Giris() = {};
    }
    // A login that fills the record as the server would and answers modal result r.
    void giris(int tip, const QString& carikod = {}, int r = mrOk, const QString& disip = QStringLiteral("1.2.3.4"))
    {
        TForm1::Giris() = [=](QWidget*, TSQLConnection&, TSonucBilgisi& b) {
            b.SetMusteriTipi(tip);
            b.Setcarikod(carikod);
            b.SetADI(QStringLiteral("AHMET"));
            b.SetCariAdi(QStringLiteral("Öz Oto"));
            b.SetSaticiAdi(QStringLiteral("Veli"));
            b.SetSaticiTelefon(QStringLiteral("555"));
            b.SetSaticiMail(QStringLiteral("v@x"));
            b.SetDisip(disip);
            return r;
        };
    }
};
} // namespace

class TstAnaForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { KaynaklariYukle(); }
    void cleanup() { QTRY_COMPARE(ArkaPlanSayisi(), 0); }

    void yilbasiDonemi_data()
    {
        QTest::addColumn<QDate>("gun");
        QTest::addColumn<bool>("kis");
        QTest::newRow("25 Aralık") << QDate(2026, 12, 25) << false;
        QTest::newRow("26 Aralık") << QDate(2026, 12, 26) << true;
        QTest::newRow("31 Aralık") << QDate(2026, 12, 31) << true;
        QTest::newRow("1 Ocak") << QDate(2027, 1, 1) << true;
        QTest::newRow("5 Ocak") << QDate(2027, 1, 5) << true;
        QTest::newRow("6 Ocak") << QDate(2027, 1, 6) << false;
        QTest::newRow("26 Kasım") << QDate(2026, 11, 26) << false;
    }
    void yilbasiDonemi()
    {
        QFETCH(QDate, gun);
        QFETCH(bool, kis);
        QCOMPARE(YilbasiDonemi(gun), kis);
    }

    void kullaniciTipleri_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<QString>("kod");
        QTest::addColumn<bool>("personel");
        QTest::addColumn<bool>("durumGizli");
        QTest::addColumn<bool>("kampanyaGizli");
        QTest::newRow("1") << 1 << "" << true << false << false;
        QTest::newRow("2") << 2 << "" << true << false << false;
        QTest::newRow("3") << 3 << "" << false << true << false;
        QTest::newRow("4") << 4 << "" << false << false << true;
        QTest::newRow("3 BDM") << 3 << "120.BDM.7" << true << true << false;
        QTest::newRow("bdm lower case") << 0 << "120.bdm.7" << false << false << false;
        QTest::newRow("0") << 0 << "" << false << false << false;
    }
    void kullaniciTipleri()
    {
        QFETCH(int, tip);
        QFETCH(QString, kod);
        TSonucBilgisi b;
        b.SetMusteriTipi(tip);
        b.Setcarikod(kod);
        const KullaniciKurallari k = KullaniciTipiKurallari(b);
        QTEST(k.personel, "personel");
        QTEST(k.durumGizli, "durumGizli");
        QTEST(k.kampanyaGizli, "kampanyaGizli");
    }

    void frameAfterLogin()
    {
        Kurulum k;
        k.giris(3);
        TForm1 f;
        QVERIFY(f.Basladi());
        QVERIFY(k.cikislar.isEmpty());
        QCOMPARE(f.windowTitle(), QStringLiteral("MİVO Otomotiv Online Sipariş Programı (Velmor)"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("MİVO Otomotiv Online Sipariş Programı  (Velmor)"));
        QCOMPARE(f._USDKUR, 1.0);
        QCOMPARE(f._acilisadet, 0);
        QCOMPARE(MesajFontBoyu(), 15);
        QCOMPARE(AktifSkin(), QString::fromLatin1(YilbasiDonemi() ? kWinterSkin : kOfficeSkin));
        const QStringList beklenen = {"Stok\r\nListesi", "Sepet", "Sipariş\r\nDurumları", "Cari Ekstre", "Yeni\r\nStoklar",
                                      "Kampanyalı", "Duyurular", "Bakiyeler", "Orjinal\r\nFiyatlar", "Dosyalar", "Sanal Pos"};
        QCOMPARE(f.sPageControl1->count(), 11);
        for (int i = 0; i < 11; ++i) QCOMPARE(f.sPageControl1->tabText(i), beklenen[i]);
        QCOMPARE(f.sPageControl1->currentIndex(), 0);
        QVERIFY(!f.musteritus->isVisibleTo(&f));
        QCOMPARE(f.kurlar->text(), QStringLiteral("Kurlar"));
        // The header fills in from the start-up task.
        QTRY_COMPARE(f.kullanicilbl->text(), QStringLiteral("AHMET"));
        QCOMPARE(f.cariadilbl->text(), QStringLiteral("Öz Oto"));
        QCOMPARE(f.saticilbl->text(), QStringLiteral("Veli Telefonu: 555 email: v@x"));
        const QStringList menu = {"Mail Gönder", "", "Şifre Değiştirme İsteği", "", f.WebSitesi1->text(), "", "Çıkış"};
        QCOMPARE(f.Genelmenu->actions().size(), 7);
        for (int i = 0; i < 7; ++i) QCOMPARE(f.Genelmenu->actions()[i]->text(), menu[i]);
        for (QLabel* g : {f.gifstokara, f.gifyeniler, f.gifkampanyali, f.gifduyuru, f.gifekstre, f.gifoncekiler,
                          f.gifsanalpos, f.gifdosyalar, f.gifmivoara})
            QVERIFY(!g->isVisibleTo(&f));
    }

    void type4LosesCampaignTabOnly()
    {
        Kurulum k;
        k.giris(4);
        TForm1 f;
        QCOMPARE(f.sPageControl1->count(), 10);
        QCOMPARE(f.sPageControl1->indexOf(f.skampanyali), -1);
        QCOMPARE(f.sPageControl1->indexOf(f.syeniler), 4);
        QCOMPARE(f.sPageControl1->indexOf(f.sTabSheetduyuru), 5);
    }

    void staffSeeCustomerPick()
    {
        Kurulum k;
        k.giris(3, QStringLiteral("X-BDM"));
        TForm1 f;
        QVERIFY(f.musteritus->isVisibleTo(&f));
        QCOMPARE(f.musteritus->text(), QStringLiteral("Başka Cari Seç"));
    }

    void loginCancelledOrNoExternalAddressEnds()
    {
        {
            Kurulum k;
            k.giris(3, {}, mrCancel);
            TForm1 f;
            QCOMPARE(k.cikislar, QList<int>{0});
            QVERIFY(!f.Basladi());
        }
        {
            Kurulum k;
            k.giris(3, {}, mrOk, QStringLiteral("   "));
            TForm1 f;
            QCOMPARE(k.cikislar, QList<int>{0});
            QVERIFY(!f.Basladi());
        }
    }

    void closingAsks()
    {
        Kurulum k;
        k.giris(3);
        SenaryoKur s;
        TForm1 f;
        f.show();
        s->cevaplar << mrNo;
        QVERIFY(!f.close());
        QCOMPARE(s->gorulen.size(), 1);
        const DiyalogIstegi& soru = s->gorulen[0];
        QCOMPARE(soru.metin, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
        QCOMPARE(soru.dlgType, mtConfirmation);
        QCOMPARE(soru.dugmeler, (TMsgDlgButtons{mbYes, mbNo}));
        QCOMPARE(soru.varsayilan, mbYes);
        QVERIFY(k.cikislar.isEmpty());
        QVERIFY(f.isVisible());
        s->cevaplar << mrYes;
        f.G1->trigger();   // "Çıkış" asks the same
        QCOMPARE(s->gorulen.size(), 2);
        QCOMPARE(k.cikislar, QList<int>{0});
    }

    void webSiteOpensThroughTheShell()
    {
        Kurulum k;
        k.giris(3);
        TForm1 f;
        QUrl acilan;
        TForm1::KabukAc() = [&](const QUrl& u) { acilan = u; return true; };
        f.WebSitesi1->trigger();
        QCOMPARE(acilan.scheme(), QStringLiteral("http"));
        QVERIFY(!acilan.host().isEmpty());
        TForm1::KabukAc() = [](const QUrl&) { return true; };
    }

    void messageDialogComposition()
    {
        auto m = MesajKutusuOlustur({DiyalogIstegi::Mesaj, QStringLiteral("Silinsin mi?"), mtConfirmation,
                                     {mbYes, mbNo}, mbNo, {}});
        QCOMPARE(m->windowTitle(), QStringLiteral("Soru"));
        QStringList metinler;
        for (auto* b : m->buttons()) metinler << b->text();
        QVERIFY(metinler.contains(QStringLiteral("Evet")) && metinler.contains(QStringLiteral("Hayır")));
        QCOMPARE(m->defaultButton()->text(), QStringLiteral("Evet"));   // Yes keeps the focus
        QAbstractButton *hayir = nullptr, *evet = nullptr;
        for (auto* b : m->buttons()) (b->text() == QStringLiteral("Hayır") ? hayir : evet) = b;
        QCOMPARE(hayir->nextInFocusChain(), static_cast<QWidget*>(evet));   // No first in the tab order
        auto h = MesajKutusuOlustur({DiyalogIstegi::Mesaj, QStringLiteral("x"), mtError, {mbOK}, mbOK, {}});
        QCOMPARE(h->windowTitle(), QStringLiteral("Hata"));
        QCOMPARE(h->defaultButton()->text(), QStringLiteral("Tamam"));
        QCOMPARE(MesajKutusuOlustur({DiyalogIstegi::Mesaj, {}, mtWarning, {mbOK}, mbOK, {}})->windowTitle(), QStringLiteral("Uyarı"));
        QCOMPARE(MesajKutusuOlustur({DiyalogIstegi::Mesaj, {}, mtInformation, {mbOK}, mbOK, {}})->windowTitle(), QStringLiteral("Bilgi"));
        QCOMPARE(ModalSonuc(mbYes), 6);
        QCOMPARE(ModalSonuc(mbOK), 1);
        QCOMPARE(DugmeMetni(mbCancel), QStringLiteral("Vazgeç"));
        QCOMPARE(DugmeMetni(mbAbort), QStringLiteral("İptal"));
        QCOMPARE(DugmeMetni(mbRetry), QStringLiteral("Tekrar"));
        QCOMPARE(DugmeMetni(mbIgnore), QStringLiteral("Atla"));
    }
};

QTEST_MAIN(TstAnaForm)
#include "tst_anaform.moc"
