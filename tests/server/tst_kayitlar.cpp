#include "server/baglantiu.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace mivo;

class TstKayitlar : public QObject {
    Q_OBJECT
private slots:
    void freshSessionRecordOnTheWire()
    {
        const TSonucBilgisi b;
        QCOMPARE(NesneJson(b), QByteArray(
            "{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{\"FBILGISAYARID\":\"\",\"FSaticiMail\":\"\","
            "\"FSirano\":0,\"FCariAdi\":\"\",\"FSIFRE\":\"\",\"FSaticiNo\":0,\"FCARINO\":0,\"FAKTIF\":0,"
            "\"FKullanicimail\":\"\",\"FADI\":\"\",\"FSaticiTelefon\":\"\",\"Fcarikod\":\"\",\"FVarmi\":false,"
            "\"FSaticiAdi\":\"\",\"FBilgiSayarAdi\":\"\",\"FDisip\":\"\",\"FIcip\":\"\",\"FBilgisayarKullanici\":\"\","
            "\"FMusteriTipi\":1,\"FVersion\":1}}"));
    }

    void otherRecordsOnTheWire()
    {
        TSiparisDipAyrinti d;
        d.SetSaticiNotu(QStringLiteral("Acil"));
        QCOMPARE(NesneJson(d), QByteArray(
            "{\"type\":\"baglantiu.TSiparisDipAyrinti\",\"id\":1,\"fields\":{\"FSizinMesaj\":\"\",\"FDurumu\":\"\","
            "\"FVeren\":\"\",\"FKargo\":\"\",\"FBizimMesaj\":\"\",\"FTeslimCinsi\":\"\",\"FKargoCinsi\":\"\","
            "\"FSaticiNotu\":\"Acil\"}}"));
        TTusSonuclari t;
        t.SetGoruldu(4);
        QCOMPARE(NesneJson(t), QByteArray(
            "{\"type\":\"baglantiu.TTusSonuclari\",\"id\":1,\"fields\":{\"FAlindi\":0,\"FOnaylandi\":0,"
            "\"FParcaliHazirlandi\":0,\"FSevkEdildi\":0,\"FHazirlandi\":0,\"FGoruldu\":4}}"));
    }

    void readBackEveryField()
    {
        TSonucBilgisi b;
        b.SetBILGISAYARID(QStringLiteral("WD-123"));
        b.SetADI(QStringLiteral("AHMET"));
        b.SetCARINO(42);
        b.SetVarmi(true);
        b.SetMusteriTipi(3);
        b.SetVersion(5);
        b.Setcarikod(QStringLiteral("120.BDM.01"));
        b.SetCariAdi(QStringLiteral("Öztürk Oto Çıkma"));
        auto r = NesneOku<TSonucBilgisi>(NesneJson(b));
        QVERIFY(r);
        QCOMPARE(NesneJson(*r), NesneJson(b));
    }

    void nullOrForeignGivesNoRecord()
    {
        QVERIFY(!NesneOku<TSonucBilgisi>(QByteArray()));
        QVERIFY(!NesneOku<TSonucBilgisi>(QByteArray("null")));
        QVERIFY(!NesneOku<TSonucBilgisi>(QByteArray("{\"type\":\"baglantiu.TTusSonuclari\",\"id\":1,\"fields\":{}}")));
        QVERIFY(!NesneOku<TSonucBilgisi>(QByteArray("{not json")));
    }

    void kopyala()
    {
        TSonucBilgisi a;
        a.SetADI(QStringLiteral("X"));
        a.SetSirano(9);
        a.SetVarmi(true);
        a.Kopyala(a);   // into itself: unchanged
        QCOMPARE(a.ADI(), QStringLiteral("X"));
        QCOMPARE(a.Sirano(), 9);

        // A returned empty record overwrites every field, identity fields included.
        TSonucBilgisi sbilgi;
        sbilgi.SetBILGISAYARID(QStringLiteral("ID"));
        sbilgi.SetBilgiSayarAdi(QStringLiteral("PC"));
        sbilgi.SetIcip(QStringLiteral("10.0.0.2"));
        sbilgi.SetMusteriTipi(2);
        auto bos = NesneOku<TSonucBilgisi>(QByteArray(
            "{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{\"FBILGISAYARID\":\"\",\"FVarmi\":false,"
            "\"FBilgiSayarAdi\":\"\",\"FIcip\":\"\",\"FMusteriTipi\":0,\"FVersion\":5}}"));
        QVERIFY(bos);
        sbilgi.Kopyala(*bos);
        QCOMPARE(sbilgi.BILGISAYARID(), QString());
        QCOMPARE(sbilgi.BilgiSayarAdi(), QString());
        QCOMPARE(sbilgi.Icip(), QString());
        QCOMPARE(sbilgi.MusteriTipi(), 0);

        // A copy shares nothing afterwards.
        TSonucBilgisi k;
        k.Kopyala(a);
        k.SetADI(QStringLiteral("Y"));
        QCOMPARE(a.ADI(), QStringLiteral("X"));

        TTusSonuclari t1, t2;
        t1.SetSevkEdildi(3);
        t2.Kopyala(t1);
        QCOMPARE(t2.SevkEdildi(), 3);
        TSiparisDipAyrinti d1, d2;
        d1.SetKargo(QStringLiteral("Yurtiçi"));
        d2.Kopyala(d1);
        QCOMPARE(d2.Kargo(), QStringLiteral("Yurtiçi"));
    }
};

QTEST_APPLESS_MAIN(TstKayitlar)
#include "tst_kayitlar.moc"
