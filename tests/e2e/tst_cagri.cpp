// The call layer against a live mivo-server.
#include "login/arkaplan.h"
#include "login/ortak.h"
#include "server/servermethods.h"
#include "server/yapilandirma.h"
#include "support/senaryo.h"
#include "support/testsunucu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <QThread>

using namespace mivo;
using mivotest::SenaryoKur;
using mivotest::TestSunucu;

namespace {
int bosPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}
} // namespace

class TstCagri : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSunucu> sunucu;

    std::unique_ptr<TSQLConnection> baglanti(int port)
    {
        auto c = std::make_unique<TSQLConnection>();
        c->HostName = QStringLiteral("127.0.0.1");
        c->Port = QString::number(port);
        return c;
    }

private slots:
    void initTestCase()
    {
        sunucu = std::make_unique<TestSunucu>();
        QVERIFY(sunucu->basla());
        sunucu->istemciyiYonlendir();
    }

    void connectionDefaults()
    {
        TSQLConnection c;
        QCOMPARE(c.HostName, QStringLiteral("localhost"));
        QCOMPARE(c.Port, QStringLiteral("9090"));
        c.HostName = QStringLiteral("sunucu");
        c.Port = QStringLiteral("9091");
        auto k = c.CloneConnection();
        QCOMPARE(k->HostName, QStringLiteral("sunucu"));
        QCOMPARE(k->Port, QStringLiteral("9091"));
        QVERIFY(!k->Connected());
    }

    void callsOverTheWire()
    {
        auto c = baglanti(sunucu->port());
        QVERIFY(BaglantiKontrol(*c, 0));
        TServerMethods1Client p(c.get());
        QCOMPARE(p.EchoString(QStringLiteral("Çağrı")), QStringLiteral("Çağrı"));
        QCOMPARE(p.ReverseString(QStringLiteral("abçğ")), QStringLiteral("ğçba"));
        // Unknown computer: a record with Varmi false.
        TSonucBilgisi* b = p.BuyukGetir(QStringLiteral("YOK-BOYLE-BIR-BILGISAYAR"));
        QVERIFY(b);
        QVERIFY(!b->Varmi());
        QCOMPARE(b->Version(), 5);
        // A row set loads into a table by the loading rule.
        protocol::RowSet* rs = p.SepetVer(1);
        QVERIFY(rs);
        TMemTable t;
        RowSetYukle(t, *rs);
        QVERIFY(t.Active());
        QCOMPARE(t.RecordCount(), 0);
        QVERIFY(t.FieldIndex(u"SEC") >= 0);
        c->Close();
    }

    void serverErrorsAreRaised()
    {
        auto c = baglanti(sunucu->port());
        c->Open();
        TDBXCommand k(c.get(), *protocol::findMethod(u"SepetVer"));
        k.Prepare();
        k.Parameters[0] = protocol::Value::string(QStringLiteral("bir"));   // wrong type
        try {
            k.ExecuteUpdate();
            QFAIL("no error");
        } catch (const protocol::RemoteError& e) {
            QCOMPARE(e.className, QStringLiteral("TDBXError"));
            QVERIFY(e.message.contains(QLatin1String("Integer")));
        }
        // The same connection still answers afterwards.
        TServerMethods1Client p(c.get());
        QCOMPARE(p.EchoString(QStringLiteral("x")), QStringLiteral("x"));
    }

    void checkGivesUpAfterElevenAttempts()
    {
        SenaryoKur s;
        auto c = baglanti(bosPort());
        int denemeler = 0;
        BaglantiDenemeKancasi([&](int) { ++denemeler; });
        QElapsedTimer t;
        t.start();
        QVERIFY(!BaglantiKontrol(*c, 0));
        QCOMPARE(denemeler, 11);
        QVERIFY(t.elapsed() >= 11 * 500 - 50);   // every failure waits 500 ms, the eleventh too
        QVERIFY(s->gorulen.isEmpty());           // silent unless mesaj is 1

        BaglantiBeklemesiAyarla(20);
        denemeler = 0;
        QVERIFY(!BaglantiKontrol(*c, 1));
        QCOMPARE(denemeler, 11);
        QCOMPARE(s->gorulen.size(), 1);
        QCOMPARE(s->gorulen[0].metin, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
        QCOMPARE(s->gorulen[0].dlgType, mtError);
        QCOMPARE(s->gorulen[0].dugmeler, TMsgDlgButtons{mbOK});
        BaglantiDenemeKancasi({});
        BaglantiBeklemesiAyarla(500);
    }

    void serverThatAnswersAtTheFifthAttempt()
    {
        SenaryoKur s;
        const int port = bosPort();
        auto c = baglanti(port);
        QTcpServer gec;
        int denemeler = 0;
        BaglantiBeklemesiAyarla(50);
        BaglantiDenemeKancasi([&](int n) {
            denemeler = n;
            if (n == 5) QMetaObject::invokeMethod(&gec, [&] { gec.listen(QHostAddress::LocalHost, quint16(port)); },
                                                  Qt::BlockingQueuedConnection);
        });
        bool sonuc = false;
        QThread* th = QThread::create([&] { sonuc = BaglantiKontrol(*c, 1); c->Close(); });
        th->start();
        QTRY_VERIFY_WITH_TIMEOUT(th->isFinished(), 10000);
        delete th;
        QVERIFY(sonuc);
        QCOMPARE(denemeler, 5);
        QVERIFY(s->gorulen.isEmpty());
        BaglantiDenemeKancasi({});
        BaglantiBeklemesiAyarla(500);
    }

    void backgroundCallPaths()
    {
        SenaryoKur s;
        QObject sahip;
        // Failure flag: completion sees it on the UI thread.
        bool bitti = false, hata = false, uiThread = false, hazir = false;
        ArkaPlanBaslat(&sahip, [&] { hazir = true; }, [] { return true; }, [&](bool h) {
            bitti = true;
            hata = h;
            uiThread = QThread::currentThread() == qApp->thread();
        });
        QVERIFY(hazir);   // preparation runs before the call returns
        QTRY_VERIFY(bitti);
        QVERIFY(hata);
        QVERIFY(uiThread);

        // An exception: completion with hata false, then the default error report.
        bitti = false;
        hata = true;
        ArkaPlanBaslat(&sahip, {}, []() -> bool { throw protocol::RemoteError(QStringLiteral("EX"), QStringLiteral("Sunucu hatası")); },
                       [&](bool h) { bitti = true; hata = h; QVERIFY(s->gorulen.isEmpty()); });
        QTRY_VERIFY(bitti);
        QVERIFY(!hata);
        QTRY_COMPARE(s->gorulen.size(), 1);
        QCOMPARE(s->gorulen[0].tur, DiyalogIstegi::HataRaporu);
        QCOMPARE(s->gorulen[0].metin, QStringLiteral("Sunucu hatası"));

        // The owner gone before completion: nothing runs on a dead window.
        bool calisti = false;
        auto* gecici = new QObject;
        ArkaPlanBaslat(gecici, {}, [] { QThread::msleep(100); return false; }, [&](bool) { calisti = true; });
        delete gecici;
        QTRY_COMPARE(ArkaPlanSayisi(), 0);
        QVERIFY(!calisti);
    }

    void clientsInParallelWorkers()
    {
        // Several loads at once, each on its own clone.
        TSQLConnection bagc;
        bagc.HostName = QStringLiteral("127.0.0.1");
        bagc.Port = QString::number(sunucu->port());
        QObject sahip;
        int biten = 0, basarili = 0;
        for (int i = 0; i < 6; ++i)
            ArkaPlanBaslat(&sahip, {}, [&bagc] {
                auto k = bagc.CloneConnection();
                if (!BaglantiKontrol(*k, 0)) return true;
                TServerMethods1Client p(k.get());
                const bool ok = p.EchoString(QStringLiteral("e")) == QLatin1String("e");
                k->Close();
                return !ok;
            }, [&](bool h) { ++biten; basarili += !h; });
        QTRY_COMPARE(biten, 6);
        QCOMPARE(basarili, 6);
    }
};

QTEST_MAIN(TstCagri)
#include "tst_cagri.moc"
