// mivo-server's methods through the wire, on a small seeded database.
#include "protocol/codec.h"
#include "protocol/frame.h"
#include "server/baglanti.h"
#include "server/baglantiu.h"
#include "tests/support/testsunucu.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QtTest>
#include <atomic>
#include <thread>

using protocol::Value;

namespace {

QString pgAdresi()
{
    // A fresh database per run, so runs do not see each other.
    const QString u = mivotest::testPostgresAdresi();
    if (u.isEmpty()) return {};
    static QString ad;
    if (ad.isEmpty()) {
        ad = QStringLiteral("mivo_t%1_%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch() % 100000000);
        QProcess p;
        QUrl url(u);
        p.start(QStringLiteral("psql"), {QStringLiteral("-h"), url.host(), QStringLiteral("-p"), QString::number(url.port(5432)),
                                         QStringLiteral("-U"), url.userName(), QStringLiteral("-d"), url.path().mid(1),
                                         QStringLiteral("-c"), QStringLiteral("CREATE DATABASE %1").arg(ad)});
        p.waitForFinished(30000);
    }
    QUrl url(u);
    url.setPath(QLatin1Char('/') + ad);
    return url.toString();
}

} // namespace

class TstSunucu : public QObject {
    Q_OBJECT

    std::unique_ptr<mivotest::TestSunucu> s_;

    protocol::Response cagir(const char* ad, QVector<Value> p)
    {
        mivo::TSQLConnection c;
        c.HostName = QStringLiteral("127.0.0.1");
        c.Port = QString::number(s_->port());
        c.Open();
        protocol::Request r{QStringLiteral("TServerMethods1.") + QLatin1String(ad), std::move(p)};
        return c.Execute(r);
    }
    static Value sb(int carino, int tip = 3, int sirano = 1)
    {
        mivo::TSonucBilgisi b;
        b.SetCARINO(carino);
        b.SetMusteriTipi(tip);
        b.SetSirano(sirano);
        return Value::json(mivo::NesneJson(b));
    }
    static std::shared_ptr<protocol::RowSet> tablo(const protocol::Response& r)
    {
        if (r.isError) qWarning("%s: %s", qPrintable(r.errorClass), qPrintable(r.errorMessage));
        const Value* v = r.outputs.isEmpty() ? nullptr : &r.outputs.last().value;
        return v ? v->rowSet() : nullptr;
    }
    static QVariant hucre(const protocol::RowSet& t, int satir, const char* sutun)
    {
        const int i = t.columnIndex(QString::fromLatin1(sutun));
        return i < 0 ? QVariant() : t.rows[satir][i];
    }

private slots:
    void initTestCase()
    {
        // The same suite runs on SQLite and, as a second test, on PostgreSQL.
        QString vt;
        if (qEnvironmentVariable("MIVO_DEALER_VT") == QLatin1String("pg")) {
            vt = pgAdresi();
            if (vt.isEmpty()) QSKIP("MIVO_TEST_PG is not set");
        }
        s_ = std::make_unique<mivotest::TestSunucu>(QStringList{QStringLiteral("--max-frame"), QStringLiteral("100000"),
                                                                QStringLiteral("--stall-timeout-ms"), QStringLiteral("500")},
                                                    vt);
        int rc = -1;
        s_->komut({QStringLiteral("seed-demo"), QStringLiteral("--stocks"), QStringLiteral("1500"), QStringLiteral("--customers"),
                   QStringLiteral("20")},
                  &rc);
        QCOMPARE(rc, 0);
        s_->komut({QStringLiteral("register-account"), QStringLiteral("--computer"), QStringLiteral("PC-1"), QStringLiteral("--user"),
                   QStringLiteral("DEMO"), QStringLiteral("--password"), QStringLiteral("1234"), QStringLiteral("--type"),
                   QStringLiteral("3"), QStringLiteral("--customer-code"), QStringLiteral("DEMO")},
                  &rc);
        QCOMPARE(rc, 0);
        QVERIFY(s_->basla());
    }

    void girisKaydi()
    {
        auto r = cagir("BuyukGetir", {Value::string(QStringLiteral("PC-1"))});
        QVERIFY(!r.isError);
        auto b = mivo::NesneOku<mivo::TSonucBilgisi>(r.outputs.last().value.jsonText());
        QVERIFY(b);
        QVERIFY(b->Varmi());
        QCOMPARE(b->ADI(), QStringLiteral("DEMO"));
        QCOMPARE(b->SIFRE(), QStringLiteral("1234"));
        QCOMPARE(b->carikod(), QStringLiteral("DEMO"));
        QCOMPARE(b->Version(), 5);
        QCOMPARE(b->AKTIF(), 1);
        QVERIFY(b->CARINO() > 0);
        // An unknown computer: nothing but the version.
        r = cagir("BuyukGetir", {Value::string(QStringLiteral("YOK"))});
        b = mivo::NesneOku<mivo::TSonucBilgisi>(r.outputs.last().value.jsonText());
        QVERIFY(b);
        QVERIFY(!b->Varmi());
        QCOMPARE(b->Version(), 5);
        QVERIFY(b->ADI().isEmpty() && b->CARINO() == 0);
    }

    void stokArama()
    {
        auto t = tablo(cagir("StokAraMivo", {Value::string(QStringLiteral("FREN")), sb(1)}));
        QVERIFY(t);
        QVERIFY(t->rows.size() > 10);
        for (const char* c : {"STOK_STOKNO", "FIYAT", "INDIRIM", "NETFIYAT", "KDVDAHIL", "LISTEFIYATI", "MALIYET", "Y", "K", "DURUM"})
            QVERIFY2(t->columnIndex(QString::fromLatin1(c)) >= 0, c);
        QCOMPARE(t->columns[t->columnIndex(u"FIYAT")].type, protocol::FieldType::Double);
        QCOMPARE(t->columns[t->columnIndex(u"MALIYET")].type, protocol::FieldType::String);
        for (int i = 0; i < t->rows.size(); ++i) {
            QVERIFY(hucre(*t, i, "ADI").toString().contains(QLatin1String("FREN")));
            const double f = hucre(*t, i, "FIYAT").toDouble(), ind = hucre(*t, i, "INDIRIM").toDouble();
            const double net = hucre(*t, i, "NETFIYAT").toDouble();
            QVERIFY(qAbs(net - (f - std::round(f * ind) / 100.0)) < 0.011);
            QVERIFY(hucre(*t, i, "DURUM").toInt() >= 0 && hucre(*t, i, "DURUM").toInt() <= 5);
        }
        // Injection-shaped text finds only what matches it: nothing.
        for (const char* x : {"' OR 1=1 --", "\" OR \"\"=\"", "%%%", "_'; DROP TABLE stok; --"}) {
            auto y = tablo(cagir("StokAraMivo", {Value::string(QString::fromUtf8(x)), sb(1)}));
            QVERIFY(y);
            QCOMPARE(y->rows.size(), 0);
        }
        // A code typed with blanks finds the stock.
        const QString kod = hucre(*t, 0, "FINISHKOD").toString();
        auto z = tablo(cagir("StokAraMivo", {Value::string(kod), sb(1)}));
        QVERIFY(z && !z->rows.isEmpty());
        QCOMPARE(hucre(*z, 0, "FINISHKOD").toString(), kod);
        // Turkish letters fold.
        auto a = tablo(cagir("StokAraMivo", {Value::string(QStringLiteral("amortisör arka")), sb(1)}));
        QVERIFY(a && !a->rows.isEmpty());
    }

    void sepetVeSiparis()
    {
        const int cari = 1;
        cagir("SepetHepsiniSil", {sb(cari)});
        auto t = tablo(cagir("StokAraMivo", {Value::string(QStringLiteral("FİLTRE")), sb(cari)}));
        QVERIFY(t && t->rows.size() >= 2);
        for (int i = 0; i < 2; ++i) {
            auto r = cagir("SepetEkle", {sb(cari), Value::int32(cari), Value::int32(hucre(*t, i, "STOK_STOKNO").toInt()),
                                         Value::string(hucre(*t, i, "BARKOD").toString()), Value::string(hucre(*t, i, "ADI").toString()),
                                         Value::dbl(2 + i), Value::dbl(18), Value::dbl(1), Value::dbl(99), Value::int32(1),
                                         Value::int32(0)});
            QCOMPARE(r.outputs.last().value.toInt32(), 1);
        }
        auto sep = tablo(cagir("SepetVer", {Value::int32(cari)}));
        QVERIFY(sep);
        QCOMPARE(sep->rows.size(), 2);
        QCOMPARE(sep->columns[0].name, QStringLiteral("SEC"));
        QCOMPARE(hucre(*sep, 0, "SEC").toInt(), 1);
        // A customer cannot set his own price: the server's price stands.
        QCOMPARE(hucre(*sep, 0, "BIRIMFIYAT").toDouble(), hucre(*t, 0, "FIYAT").toDouble());
        QCOMPARE(hucre(*sep, 0, "STOKNO").toInt(), hucre(*t, 0, "STOK_STOKNO").toInt());
        const int sira = hucre(*sep, 0, "SIRANO").toInt();
        auto g = cagir("SepetGuncelle", {sb(cari), Value::int32(cari), Value::int32(0), Value::string(QString()), Value::string(QString()),
                                         Value::dbl(7), Value::dbl(18), Value::dbl(1), Value::dbl(0), Value::int32(1), Value::int32(sira)});
        QCOMPARE(g.outputs.last().value.toInt32(), 1);
        sep = tablo(cagir("SepetVer", {Value::int32(cari)}));
        QCOMPARE(hucre(*sep, 0, "MIKTAR").toDouble(), 7.0);
        // Nothing selected: no order.
        cagir("SepetSecimGuncelle", {Value::int32(sira), Value::int32(0)});
        cagir("SepetSecimGuncelle", {Value::int32(hucre(*sep, 1, "SIRANO").toInt()), Value::int32(0)});
        auto teslim = tablo(cagir("TeslimVer", {}));
        auto kargo = tablo(cagir("KargoVer", {}));
        QVERIFY(teslim->rows.size() >= 2 && kargo->rows.size() >= 1);
        auto firmalar = tablo(cagir("KargolarVer", {Value::int32(kargo->rows[0][0].toInt())}));
        QVERIFY(!firmalar->rows.isEmpty());
        QVERIFY(!hucre(*firmalar, 0, "UYARI").toString().isEmpty());
        auto kaydet = [&] {
            return cagir("SiparisKaydet", {sb(cari), Value::int32(cari), Value::int32(teslim->rows[1][0].toInt()),
                                           Value::int32(kargo->rows[0][0].toInt()), Value::string(QStringLiteral("Acil\nlütfen")),
                                           Value::int32(1), Value::int32(hucre(*firmalar, 0, "SIRANO").toInt())})
                .outputs.last().value.toBool();
        };
        QVERIFY(!kaydet());
        cagir("SepetSecimGuncelle", {Value::int32(sira), Value::int32(1)});
        QVERIFY(kaydet());
        sep = tablo(cagir("SepetVer", {Value::int32(cari)}));
        QCOMPARE(sep->rows.size(), 1);   // the unselected line stays
        auto onceki = tablo(cagir("OncekiSiparisler2", {Value::int32(cari)}));
        QVERIFY(onceki && !onceki->rows.isEmpty());
        QCOMPARE(hucre(*onceki, 0, "DURUM").toString(), QStringLiteral("Alındı"));
        QCOMPARE(hucre(*onceki, 0, "VERENINNOTU").toString(), QStringLiteral("Acil\nlütfen"));
        const int idno = hucre(*onceki, 0, "IDNO").toInt();
        auto ayr = tablo(cagir("SiparisAyrintisi", {Value::int32(cari), Value::int32(idno)}));
        QCOMPARE(ayr->rows.size(), 1);
        QCOMPARE(hucre(*ayr, 0, "MIKTAR").toDouble(), 7.0);
        auto dip = cagir("SiparisAytintisiDip", {Value::int32(0), Value::int32(idno)});
        auto d = mivo::NesneOku<mivo::TSiparisDipAyrinti>(dip.outputs.last().value.jsonText());
        QVERIFY(d);
        QCOMPARE(d->SizinMesaj(), QStringLiteral("Acil\nlütfen"));
        QCOMPARE(d->Durumu(), QStringLiteral("Alındı"));
        // The new order is an open balance; change and delete it.
        auto bak = tablo(cagir("BakiyelerVer", {Value::int32(cari)}));
        int satir = -1;
        for (int i = 0; i < bak->rows.size(); ++i)
            if (hucre(*bak, i, "IDNO").toInt() == idno) satir = i;
        QVERIFY(satir >= 0);
        const int stokhar = hucre(*bak, satir, "STOKHAR_NO").toInt();
        auto deg = cagir("BakiyeDegistir", {sb(cari), Value::int32(0), Value::int32(0), Value::int32(stokhar), Value::dbl(3),
                                            Value::dbl(3), Value::string(QString())});
        QCOMPARE(deg.outputs.last().value.toInt32(), 1);
        bak = tablo(cagir("BakiyelerVer", {Value::int32(cari)}));
        for (int i = 0; i < bak->rows.size(); ++i)
            if (hucre(*bak, i, "STOKHAR_NO").toInt() == stokhar) QCOMPARE(hucre(*bak, i, "KALAN").toDouble(), 3.0);
        // Another customer cannot touch it.
        auto yabanci = cagir("BakiyeDuzenle", {sb(2), Value::int32(0), Value::int32(0), Value::int32(stokhar), Value::dbl(0),
                                               Value::dbl(0), Value::string(QString())});
        QCOMPARE(yabanci.outputs.last().value.toInt32(), 0);
        auto sil = cagir("BakiyeDuzenle", {sb(cari), Value::int32(0), Value::int32(0), Value::int32(stokhar), Value::dbl(0),
                                           Value::dbl(0), Value::string(QString())});
        QCOMPARE(sil.outputs.last().value.toInt32(), 1);
    }

    void ekstreVeBelgeler()
    {
        auto e = tablo(cagir("CariEkstreVer", {Value::int32(1)}));
        QVERIFY(e && e->rows.size() > 5);
        QVERIFY(e->columnIndex(u"BAKIYE") >= 0 && e->columnIndex(u"D") >= 0);
        int fatura = -1, tahsilat = -1;
        for (int i = 0; i < e->rows.size(); ++i) {
            const QString tur = hucre(*e, i, "TURADI").toString();
            if (fatura < 0 && tur.contains(QLatin1String("Fatura"))) fatura = hucre(*e, i, "IDNO").toInt();
            if (tahsilat < 0 && tur == QLatin1String("Tahsilat")) tahsilat = hucre(*e, i, "IDNO").toInt();
        }
        QVERIFY(fatura > 0 && tahsilat > 0);
        auto f = tablo(cagir("FaturaGetir", {Value::int32(1), Value::int32(fatura)}));
        QVERIFY(f && !f->rows.isEmpty());
        auto alt = tablo(cagir("FaturaAltGetir", {Value::int32(fatura)}));
        QCOMPARE(alt->rows.size(), 1);
        double borc = 0;
        for (int i = 0; i < e->rows.size(); ++i)
            if (hucre(*e, i, "IDNO").toInt() == fatura) borc = hucre(*e, i, "BORC").toDouble();
        QCOMPARE(hucre(*alt, 0, "KDVDAHIL").toDouble(), borc);
        auto th = tablo(cagir("Tahsilat", {Value::int32(tahsilat)}));
        QVERIFY(th && !th->rows.isEmpty() && th->columnIndex(u"Döviz Tutar") >= 0);

        auto liste = tablo(cagir("DosyaListesi2", {}));
        QVERIFY(liste && liste->rows.size() >= 6);
        QVERIFY(liste->columnIndex(u"TUR") >= 0 && liste->columnIndex(u"ILERI") >= 0);
        auto b = cagir("BelgeIndir", {Value::int32(liste->rows[0][0].toInt()), Value::null(), Value::null()});
        QVERIFY(!b.isError);
        QCOMPARE(qint64(b.at(3)->streamBytes().size()), b.at(1)->toInt64());
        QVERIFY(b.at(2)->toString().endsWith(QLatin1String(".pdf")));
        QVERIFY(b.at(3)->streamBytes().startsWith("%PDF"));

        auto banner = cagir("BannerResimVer", {Value::null()});
        const QByteArray gif = banner.at(1)->streamBytes();
        QVERIFY(gif.startsWith("GIF89a"));
        QImage im;
        QVERIFY(im.loadFromData(gif, "GIF"));
        QCOMPARE(im.size(), QSize(405, 70));

        auto rapor = cagir("RaporGetir", {Value::int32(6), Value::int32(6), Value::int32(1), Value::int32(1),
                                          Value::string(QStringLiteral("x")), Value::dbl(46000), Value::dbl(46000), Value::null()});
        QVERIFY2(!rapor.isError, qPrintable(rapor.errorMessage));
        QVERIFY(rapor.at(8)->streamBytes().startsWith("%PDF"));
        QCOMPARE(rapor.at(7)->toInt64(), qint64(rapor.at(8)->streamBytes().size()));

        auto ekr = cagir("AcilisEkranlarVer", {});
        const QJsonObject o = QJsonDocument::fromJson(ekr.outputs.last().value.jsonText()).object();
        QCOMPARE(o.value(u"type").toString(), QStringLiteral("mobilstokunit.TAcilisEkranlar"));
        QVERIFY(o.value(u"fields").toObject().value(u"FList").toArray().size() >= 3);
        auto balon = tablo(cagir("BalonGetir", {sb(1)}));
        QCOMPARE(balon->rows.size(), 1);
        QCOMPARE(balon->columns[4].type, protocol::FieldType::Double);
        QVERIFY(cagir("KayanYaziGetir", {}).outputs.last().value.toString().contains(QLatin1String("<b>")));
        auto kur = cagir("KurlariAl", {Value::null(), Value::null()});
        QVERIFY(kur.at(0)->toDouble() > 1 && kur.at(1)->toDouble() > 1);
    }

    void gidenKutusu()
    {
        QVector<Value> p;
        for (int i = 0; i < 16; ++i) p << Value::string(QStringLiteral("alan%1 ' ;").arg(i));
        auto r = cagir("MailGonserCari", p);
        QVERIFY(r.outputs.last().value.toInt32() > 0);
        const QByteArray liste = s_->komut({QStringLiteral("list-outbox")});
        QVERIFY(liste.contains("kargoambar: alan15 ' ;"));
        QVERIFY(liste.contains("yontem: MailGonserCari"));
    }

    void bozukIstekler()
    {
        auto ham = [&](const QByteArray& veri, int bekle = 3000) {
            QTcpSocket s;
            s.connectToHost(QStringLiteral("127.0.0.1"), quint16(s_->port()));
            if (!s.waitForConnected(3000)) return QByteArray("connect failed");
            s.write(veri);
            s.waitForBytesWritten(1000);
            QByteArray cevap;
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < bekle && s.state() == QAbstractSocket::ConnectedState) {
                if (s.waitForReadyRead(200)) cevap += s.readAll();
                protocol::FrameDecoder d;
                d.feed(cevap.constData(), cevap.size());
                if (auto x = d.next()) return *x;
            }
            cevap += s.readAll();
            return cevap;
        };
        auto hataMi = [](const QByteArray& p) {
            try { return protocol::decodeResponse(p).isError; } catch (...) { return false; }
        };
        QVERIFY(hataMi(ham(protocol::frame("{not json"))));
        QVERIFY(hataMi(ham(protocol::frame(protocol::encodeRequest({QStringLiteral("TServerMethods1.Yok"), {}})))));
        QVERIFY(hataMi(ham(protocol::frame(protocol::encodeRequest({QStringLiteral("TServerMethods1.SepetVer"), {}})))));
        QVERIFY(hataMi(ham(protocol::frame(protocol::encodeRequest({QStringLiteral("TServerMethods1.SepetVer"),
                                                                     {Value::string(QStringLiteral("x"))}})))));
        // Over the cap: an error, without the claimed size being allocated.
        QVERIFY(hataMi(ham(QByteArray("\x7f\xff\xff\xff", 4))));
        // A stalled frame is cut off.
        QByteArray yarim = protocol::frame(protocol::encodeRequest({QStringLiteral("TServerMethods1.TeslimVer"), {}})).left(10);
        QElapsedTimer t;
        t.start();
        ham(yarim, 5000);
        QVERIFY(t.elapsed() < 4500);
        // Still serving.
        QVERIFY(tablo(cagir("TeslimVer", {})));
    }

    void esZamanli()
    {
        // 50 callers, 20 lines each, then an order each, all for their own customer.
        const int n = 20;   // customers 1..20 exist in the seed
        std::atomic<int> hata{0};
        std::vector<std::thread> is;
        for (int k = 0; k < 50; ++k) {
            is.emplace_back([&, k] {
                const int cari = 1 + k % n;
                try {
                    for (int i = 0; i < 20; ++i) {
                        auto r = cagir("SepetEkle", {sb(cari), Value::int32(cari), Value::int32(1 + (k * 20 + i) % 1500),
                                                     Value::string(QStringLiteral("B")), Value::string(QStringLiteral("A")),
                                                     Value::dbl(1), Value::dbl(18), Value::dbl(1), Value::dbl(0),
                                                     Value::int32(1000 + k), Value::int32(0)});
                        if (r.isError || r.outputs.last().value.toInt32() != 1) ++hata;
                    }
                    auto r = cagir("SiparisKaydet", {sb(cari), Value::int32(cari), Value::int32(1), Value::int32(1),
                                                     Value::string(QStringLiteral("yük %1").arg(k)), Value::int32(1000 + k),
                                                     Value::int32(1)});
                    if (r.isError) ++hata;
                } catch (...) {
                    ++hata;
                }
            });
        }
        for (auto& t : is) t.join();
        QCOMPARE(hata.load(), 0);
        // Every line is either still in a basket or in exactly one order.
        int sepette = 0, siparista = 0;
        for (int cari = 1; cari <= n; ++cari) {
            auto s = tablo(cagir("SepetVer", {Value::int32(cari)}));
            for (int i = 0; i < s->rows.size(); ++i)
                if (hucre(*s, i, "VERENIDNO").toInt() >= 1000) ++sepette;
            auto o = tablo(cagir("TumSiparislerVer", {Value::int32(cari), Value::int32(0)}));
            for (int i = 0; i < o->rows.size(); ++i)
                if (hucre(*o, i, "VERENIDNO").toInt() >= 1000) ++siparista;
        }
        QCOMPARE(sepette + siparista, 50 * 20);
    }

    void olduruluncaTutarli()
    {
        // SIGKILL while baskets fill and orders are sent; after a restart no order is half-written.
        std::atomic<bool> dur{false};
        std::vector<std::thread> is;
        for (int k = 0; k < 8; ++k)
            is.emplace_back([&, k] {
                const int cari = 1 + k;
                while (!dur) {
                    try {
                        for (int i = 0; i < 5; ++i)
                            cagir("SepetEkle", {sb(cari), Value::int32(cari), Value::int32(1 + i), Value::string(QStringLiteral("B")),
                                                Value::string(QStringLiteral("A")), Value::dbl(1), Value::dbl(18), Value::dbl(1),
                                                Value::dbl(0), Value::int32(2000 + k), Value::int32(0)});
                        cagir("SiparisKaydet", {sb(cari), Value::int32(cari), Value::int32(1), Value::int32(1),
                                                Value::string(QStringLiteral("k")), Value::int32(2000 + k), Value::int32(1)});
                    } catch (...) {
                        if (dur) return;
                    }
                }
            });
        QTest::qWait(700);
        s_->oldur();
        dur = true;
        for (auto& t : is) t.join();
        QVERIFY(s_->basla());
        try {
        for (int cari = 1; cari <= 8; ++cari) {
            auto o = tablo(cagir("OncekiSiparisler2", {Value::int32(cari)}));
            QVERIFY(o);
            for (int i = 0; i < o->rows.size(); ++i) {
                auto l = tablo(cagir("SiparisAyrintisi", {Value::int32(cari), Value::int32(hucre(*o, i, "IDNO").toInt())}));
                QVERIFY2(l && !l->rows.isEmpty(), "an order without lines");
            }
        }
        } catch (const std::exception& e) {
            QFAIL(e.what());
        }
    }
};

QTEST_GUILESS_MAIN(TstSunucu)
#include "tst_sunucu.moc"
