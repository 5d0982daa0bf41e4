// From a typed part code to an order in the dealer's database, through the real windows.
#include "app/anaform.h"
#include "basket/onaysip.h"
#include "basket/sepetsayfasi.h"
#include "catalogue/stokayarinti.h"
#include "catalogue/stoklistesi.h"
#include "controls/grid.h"
#include "controls/kaynaklar.h"
#include "controls/sayfakontrol.h"
#include "login/arkaplan.h"
#include "login/programsonu.h"
#include "server/servermethods.h"
#include "support/senaryo.h"
#include "support/testsunucu.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace mivo;
using mivotest::SenaryoKur;
using mivotest::TestSunucu;

namespace {
const char* kBilgisayar = "TEST-PC-SIPARIS";

// Types text key by key, Turkish letters included (QTest::keyClicks takes ASCII only).
void yaz(QWidget* w, const QString& metin)
{
    for (QChar c : metin) {
        QKeyEvent bas(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &bas);
        QKeyEvent birak(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &birak);
    }
}
} // namespace

class TstSiparis : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSunucu> sunucu;
    std::unique_ptr<TForm1> f;

    // Rows of one query on the server's database file.
    QList<QVariantList> sorgu(const QString& sql)
    {
        QList<QVariantList> r;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("kontrol"));
            db.setDatabaseName(sunucu->veritabani());
            if (!db.open()) return r;
            QSqlQuery q(db);
            q.exec(sql);
            while (q.next()) {
                QVariantList satir;
                for (int i = 0; i < q.record().count(); ++i) satir << q.value(i);
                r << satir;
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("kontrol"));
        return r;
    }

    void ara(const QString& metin)
    {
        f->araedit->setText(metin);
        QTest::keyClick(f->araedit, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(f->araedit->isEnabled(), 20000);
        QTRY_COMPARE(ArkaPlanSayisi(), 0);
    }

    // Opens the quantity dialog for a row of the stock list and answers it.
    int dialogIle(int satir, std::function<int(Tstokayarinti&)> cevap)
    {
        f->stokListesi->cxGrid1->OdakSatirAyarla(satir);
        int stokno = f->stokListesi->cxGrid1->OdakDeger(QStringLiteral("STOK_STOKNO")).toInt();
        Tstokayarinti::Calistirici() = std::move(cevap);
        f->stokListesi->cxGrid1DBTableView1DblClick();
        return stokno;
    }

    double sepetMiktari(int stokno)
    {
        if (!f->sepet.Locate(u"STOKNO", stokno)) return -1;
        return f->sepet.AsFloat(u"MIKTAR");
    }

private slots:
    void initTestCase()
    {
        KaynaklariYukle();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        sunucu = std::make_unique<TestSunucu>();
        int cikis = -1;
        sunucu->komut({QStringLiteral("seed-demo"), QStringLiteral("--stocks"), QStringLiteral("2000"),
                       QStringLiteral("--customers"), QStringLiteral("20"), QStringLiteral("--years"), QStringLiteral("1")}, &cikis);
        QCOMPARE(cikis, 0);
        sunucu->komut({QStringLiteral("register-account"), QStringLiteral("--computer"), QString::fromLatin1(kBilgisayar),
                       QStringLiteral("--user"), QStringLiteral("DEMO"), QStringLiteral("--password"), QStringLiteral("1234"),
                       QStringLiteral("--type"), QStringLiteral("3"), QStringLiteral("--customer-code"), QStringLiteral("SIPTEST")}, &cikis);
        QCOMPARE(cikis, 0);
        QVERIFY(sunucu->basla());
        sunucu->istemciyiYonlendir();
        ProgramSonuYakalayici([](int) {});
        TForm1::Giris() = [](QWidget*, TSQLConnection& bagim, TSonucBilgisi& bilgim) {
            bagim.Open();
            TServerMethods1Client p(&bagim);
            TSonucBilgisi* b = p.BuyukGetir(QString::fromLatin1(kBilgisayar));
            if (b) bilgim.Kopyala(*b);
            bilgim.SetDisip(QStringLiteral("127.0.0.1"));
            bagim.Close();
            return b && b->Varmi() ? int(mrOk) : int(mrCancel);
        };
        f = std::make_unique<TForm1>();
        QVERIFY(f->Basladi());
        f->show();
        QTRY_COMPARE(ArkaPlanSayisi(), 0);
    }

    void cleanupTestCase()
    {
        f.reset();
        TForm1::Giris() = {};
        Tstokayarinti::Calistirici() = [](Tstokayarinti& d) { return d.exec(); };
        TONAYSIP::Calistirici() = [](TONAYSIP& d) { return d.exec(); };
        ProgramSonuYakalayici({});
    }

    void searchBox()
    {
        SenaryoKur s;
        f->sPageControl1->SetActivePage(f->ssepet);
        ara(QStringLiteral("  FR  "));   // two letters: warning, but the stock tab comes first
        QCOMPARE(f->sPageControl1->ActivePage(), f->sstoklistesi);
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Lütfen en az 3 harf giriniz !")});
        // Folding of typed Turkish letters; pasted text keeps its letters, in upper case.
        f->araedit->clear();
        yaz(f->araedit, QStringLiteral("şoför ıi"));
        QCOMPARE(f->araedit->text(), QStringLiteral("SOFOR II"));
        f->araedit->clear();
        f->araedit->insert(QStringLiteral("ç"));
        QCOMPARE(f->araedit->text(), QStringLiteral("Ç"));   // pasted: upper case, not folded
    }

    void searchFillsTheList()
    {
        SenaryoKur s;
        ara(QStringLiteral("FREN"));
        QVERIFY(s->gorulen.isEmpty());
        QVERIFY(f->stok.RecordCount() > 2);
        QCOMPARE(f->sstoklistesi->BagTag(), f->stok.RecordCount());
        for (const char* k : {"STOK_STOKNO", "BARKOD", "ADI", "FIYAT", "INDIRIM", "NETFIYAT", "KDVDAHIL", "KDV", "K", "DURUM"})
            QVERIFY2(f->stok.FieldIndex(QString::fromLatin1(k)) >= 0, k);
        // An injection-shaped text finds only what matches it.
        ara(QStringLiteral("' OR 1=1 --"));
        QCOMPARE(f->stok.RecordCount(), 0);
        QCOMPARE(f->sstoklistesi->BagTag(), 0);
        ara(QStringLiteral("FREN"));
    }

    void addChangeAndDelete()
    {
        SenaryoKur s;
        s->kural = [](const DiyalogIstegi& i) { return i.tur == DiyalogIstegi::Mesaj && i.dlgType == mtConfirmation ? int(mrYes) : -1; };
        // Add: quantity 3.
        QString acilisAdi;
        const int birinci = dialogIle(0, [&](Tstokayarinti& d) {
            acilisAdi = d.adi->text();
            d.adet->setValue(3);
            return int(QDialog::Accepted);
        });
        QVERIFY(!acilisAdi.isEmpty());
        QCOMPARE(sepetMiktari(birinci), 3.0);
        QCOMPARE(f->ssepet->BagTag(), 1);
        // The same stock again: change mode with the basket's quantity.
        int gorulenAdet = 0;
        dialogIle(0, [&](Tstokayarinti& d) {
            gorulenAdet = d.adet->value();
            d.adet->setValue(5);
            return int(QDialog::Accepted);
        });
        QCOMPARE(gorulenAdet, 3);
        QCOMPARE(f->sepet.RecordCount(), 1);
        QCOMPARE(sepetMiktari(birinci), 5.0);
        // Cancel sends nothing.
        dialogIle(0, [&](Tstokayarinti& d) { d.adet->setValue(9); return int(QDialog::Rejected); });
        QCOMPARE(sepetMiktari(birinci), 5.0);
        // A second and a third stock, then delete the third.
        const int ikinci = dialogIle(1, [](Tstokayarinti&) { return int(QDialog::Accepted); });
        const int ucuncu = dialogIle(2, [](Tstokayarinti&) { return int(QDialog::Accepted); });
        QCOMPARE(f->sepet.RecordCount(), 3);
        f->sPageControl1->SetActivePage(f->ssepet);
        TGridView* g = f->sepetSayfasi->cxGrid2;
        for (int i = 0; i < g->SatirSayisi(); ++i)
            if (g->Deger(i, QStringLiteral("STOKNO")).toInt() == ucuncu) g->OdakSatirAyarla(i);
        s->temizle();
        f->sepetSayfasi->SatrSil1Click();
        QCOMPARE(s->gorulen.size(), 2);
        QCOMPARE(s->gorulen[0].metin, QStringLiteral("Satırı silmek istiyor musunuz "));
        QCOMPARE(s->gorulen[0].varsayilan, mbNo);
        QCOMPARE(s->gorulen[1].metin, QStringLiteral("Satır silindi !"));
        QCOMPARE(f->sepet.RecordCount(), 2);
        QCOMPARE(sepetMiktari(ucuncu), -1.0);
        QVERIFY(sepetMiktari(ikinci) > 0);
    }

    void submissionChecksInOrder()
    {
        SenaryoKur s;
        f->sPageControl1->SetActivePage(f->ssepet);
        TSepetSayfasi* p = f->sepetSayfasi;
        QVERIFY(p->teslimbox->Count() >= 2);
        QCOMPARE(p->teslimbox->ItemIndex(), 1);   // the second delivery kind
        QCOMPARE(p->boxkargo->ItemIndex(), -1);
        p->teslimbox->SetItemIndex(-1);
        p->Button1Click();
        QCOMPARE(s->metinler().last(), QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
        p->teslimbox->SetItemIndex(1);
        p->Button1Click();
        QCOMPARE(s->metinler().last(), QStringLiteral("Lütfen Kargo Türünü Seçiniz !"));
        p->boxkargo->Dugme(0)->click();
        QVERIFY(p->kargocombo->count() > 1);
        QCOMPARE(p->kargocombo->itemText(0), QStringLiteral(" "));
        QCOMPARE(p->kargocombo->currentIndex(), -1);
        p->Button1Click();
        QCOMPARE(s->metinler().last(), QStringLiteral("Lütfen Kargo  Seçiniz !"));
        p->kargocombo->setCurrentIndex(0);   // the blank item fails too
        p->Button1Click();
        QCOMPARE(s->metinler().last(), QStringLiteral("Lütfen Kargo  Seçiniz !"));
        p->kargocombo->setCurrentIndex(1);
        // "Hayır" in the confirmation sends nothing and keeps the note.
        p->aciklamagir->setPlainText(QStringLiteral("Öğleden önce\nlütfen"));
        QString ozet;
        TONAYSIP::Calistirici() = [&](TONAYSIP& o) { ozet = o.Label2->text(); return int(QDialog::Rejected); };
        const int once = sorgu(QStringLiteral("SELECT COUNT(*) FROM siparis")).value(0).value(0).toInt();
        s->temizle();
        p->Button1Click();
        QVERIFY(s->gorulen.isEmpty());
        QCOMPARE(sorgu(QStringLiteral("SELECT COUNT(*) FROM siparis")).value(0).value(0).toInt(), once);
        QCOMPARE(p->aciklamagir->toPlainText(), QStringLiteral("Öğleden önce\nlütfen"));
        const QStringList satirlar = ozet.split(QStringLiteral("\r\n"));
        QCOMPARE(satirlar.size(), 8);   // seven lines, the note spanning two
        QCOMPARE(satirlar[0], QStringLiteral("Kullanıcı: DEMO"));
        QVERIFY(satirlar[4].startsWith(QStringLiteral("Tutar    : ")));
        QCOMPARE(satirlar[4].mid(11), p->geneltoplaml->text());
        QCOMPARE(satirlar[6], QStringLiteral("Açıklama : Öğleden önce"));
        QCOMPARE(satirlar[7], QStringLiteral("lütfen"));
    }

    void orderReachesTheDatabase()
    {
        SenaryoKur s;
        TSepetSayfasi* p = f->sepetSayfasi;
        // What is marked for sending, as the basket shows it.
        QMap<int, QVariantList> beklenen;
        for (int r = 0; r < f->sepet.RecordCount(); ++r) {
            f->sepet.SetRecNo(r);
            if (f->sepet.AsInteger(u"SEC") != 1) continue;
            beklenen[f->sepet.AsInteger(u"STOKNO")] = {f->sepet.AsFloat(u"MIKTAR"), f->sepet.AsFloat(u"BIRIMFIYAT"),
                                                       f->sepet.AsFloat(u"INDIRIMORANI1")};
        }
        QVERIFY(!beklenen.isEmpty());
        TONAYSIP::Calistirici() = [](TONAYSIP&) { return int(QDialog::Accepted); };
        p->Button1Click();
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Siparişiniz Gönderildi !")});
        QVERIFY(p->aciklamagir->toPlainText().isEmpty());
        const auto siparis = sorgu(QStringLiteral("SELECT id, musteri_notu FROM siparis ORDER BY id DESC LIMIT 1"));
        QCOMPARE(siparis.size(), 1);
        QCOMPARE(siparis[0][1].toString(), QStringLiteral("Öğleden önce\r\nlütfen"));
        const auto satirlar = sorgu(QStringLiteral("SELECT stok_id, miktar, birimfiyat, indirim1 FROM siparis_satir WHERE siparis_id = %1")
                                        .arg(siparis[0][0].toLongLong()));
        QCOMPARE(satirlar.size(), beklenen.size());
        for (const auto& r : satirlar) {
            const QVariantList b = beklenen.value(r[0].toInt());
            QVERIFY2(!b.isEmpty(), "a line that was not marked");
            QCOMPARE(r[1].toDouble(), b[0].toDouble());
            QCOMPARE(r[2].toDouble(), b[1].toDouble());
            QCOMPARE(r[3].toDouble(), b[2].toDouble());
        }
        // Nothing left to send.
        s->temizle();
        p->Button1Click();
        QCOMPARE(s->metinler(), QStringList{QStringLiteral("Gönderilecek Parça Yok ")});
    }

    void deleteAllAsksOnlyWhenThereIsSomething()
    {
        SenaryoKur s;
        TSepetSayfasi* p = f->sepetSayfasi;
        p->SepetGetir();
        if (f->sepet.RecordCount() == 0) {
            p->HepsiniSil1Click();
            QVERIFY(s->gorulen.isEmpty());
        }
        dialogIle(0, [](Tstokayarinti&) { return int(QDialog::Accepted); });
        QVERIFY(f->sepet.RecordCount() > 0);
        s->cevaplar << mrNo;
        p->HepsiniSil1Click();
        QVERIFY(f->sepet.RecordCount() > 0);
        s->cevaplar << mrYes;
        p->HepsiniSil1Click();
        QCOMPARE(s->metinler().last(), QStringLiteral("Sepet Silindi !"));
        QCOMPARE(f->sepet.RecordCount(), 0);
        QCOMPARE(p->geneltoplaml->text(), QStringLiteral("0,00"));
        QCOMPARE(f->ssepet->BagTag(), 0);
        s->temizle();
        p->HepsiniSil1Click();   // empty: asks nothing
        QVERIFY(s->gorulen.isEmpty());
    }
};

QTEST_MAIN(TstSiparis)
#include "tst_siparis.moc"
