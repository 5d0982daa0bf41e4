// TServerMethods1Client against a live mivo-server: every result kind, output
// parameters, ownership of results, and every method of the catalogue on the wire.
#include "server/servermethods.h"
#include "server/yapilandirma.h"
#include "tests/support/testsunucu.h"

#include <QBuffer>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QtTest>
#include <cmath>
#include <functional>

using namespace mivo;

namespace {

const QString kBilgisayar = QStringLiteral("PC-ÇĞ-0001");
const QString kTurkce = QStringLiteral("Çığ düştü: İĞÜŞÖÇ ğüşöçı \U0001F697 «son»");

// A method the server does not offer yet is skipped, naming it; any other error fails.
bool bekleyenMi(const protocol::RemoteError& e) { return e.message.contains(QLatin1String("is not available")); }

#define SUNUCUDA_YOKSA_GEC(ifade)                                                                        \
    try {                                                                                                \
        ifade;                                                                                           \
    } catch (const protocol::RemoteError& e) {                                                           \
        if (bekleyenMi(e)) QSKIP(qPrintable(QStringLiteral("waiting for the server: ") + e.message));    \
        QFAIL(qPrintable(e.className + QStringLiteral(": ") + e.message));                               \
    }

} // namespace

class TstServerMethods : public QObject {
    Q_OBJECT

    std::unique_ptr<mivotest::TestSunucu> sunucu;
    TSQLConnection bagc;
    bool hesapVar = false;
    int carino = 0;
    int hesapno = 0;
    int stokno = 0;          // a stock with a picture, when the schema has pictures
    QByteArray resim;        // that picture's bytes

    // A customer, his sales representative and the account of one computer, straight
    // into the server's database.
    bool hesapKur()
    {
        const QString ad = QStringLiteral("kurulum");
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
            db.setDatabaseName(sunucu->veritabani());
            if (db.open()) {
                QSqlQuery q(db);
                ok = q.exec(QStringLiteral("INSERT INTO satici(adi, telefon, mail) VALUES ('Şükrü Satıcı', '0555', 's@velmor')"))
                     && q.exec(QStringLiteral("INSERT INTO cari(kod, adi, satici_id) VALUES ('C-001', 'Öztürk Oto', "
                                              "(SELECT max(id) FROM satici))"));
                if (ok) {
                    q.prepare(QStringLiteral("INSERT INTO hesap(bilgisayarid, adi, sifre, musteritipi, aktif, versiyon, cari_id) "
                                             "VALUES (?, 'ahmet', 'gizli', 3, 1, 5, (SELECT max(id) FROM cari))"));
                    q.addBindValue(kBilgisayar);
                    ok = q.exec();
                }
                if (ok) ok = q.exec(QStringLiteral("SELECT max(id) FROM cari")) && q.next();
                if (ok) carino = q.value(0).toInt();
                if (ok) ok = q.exec(QStringLiteral("SELECT max(id) FROM hesap")) && q.next();
                if (ok) hesapno = q.value(0).toInt();
                if (!ok) qWarning("test account not created: %s", qPrintable(q.lastError().text()));

                // A stock with a picture; only where the server keeps pictures.
                QImage img(24, 16, QImage::Format_RGB32);
                img.fill(Qt::darkRed);
                QBuffer buf(&resim);
                buf.open(QIODevice::WriteOnly);
                img.save(&buf, "PNG");
                QSqlQuery r(db);
                r.prepare(QStringLiteral("INSERT INTO resim(adi, veri) VALUES ('balata', ?)"));
                r.addBindValue(resim);
                if (ok && r.exec()
                    && r.exec(QStringLiteral("INSERT INTO stok(kod, barkod, adi, listefiyati, kdv, resim_id) VALUES "
                                             "('FR-01', '8690001', 'Fren balatası ön', 100.5, 18, (SELECT max(id) FROM resim))"))
                    && r.exec(QStringLiteral("SELECT max(id) FROM stok")) && r.next())
                    stokno = r.value(0).toInt();
                else
                    resim.clear();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(ad);
        return ok;
    }

    TSonucBilgisi oturum() const
    {
        TSonucBilgisi b;
        b.SetBILGISAYARID(kBilgisayar);
        b.SetCARINO(carino);
        b.SetADI(QStringLiteral("ahmet"));
        b.SetSirano(hesapno);
        b.SetMusteriTipi(3);
        b.SetAKTIF(1);
        return b;
    }

private slots:
    void initTestCase()
    {
        sunucu = std::make_unique<mivotest::TestSunucu>();
        QVERIFY(sunucu->basla());
        sunucu->istemciyiYonlendir();
        bagc.HostName = yapilandirma().sunucuHost;
        bagc.Port = yapilandirma().sunucuPort;
        hesapVar = hesapKur();
    }

    void init() { bagc.Open(); }
    void cleanup() { bagc.Close(); }

    void metinSonucuTurkceHarflerle()
    {
        TServerMethods1Client c(&bagc);
        QCOMPARE(c.EchoString(kTurkce), kTurkce);
        QList<uint> u = kTurkce.toUcs4();
        std::reverse(u.begin(), u.end());
        const QString ters = QString::fromUcs4(reinterpret_cast<const char32_t*>(u.constData()), u.size());
        QCOMPARE(c.ReverseString(kTurkce), ters);
        QCOMPARE(c.EchoString(QString()), QString());
    }

    void satirKumesi()
    {
        if (!hesapVar) QSKIP("no test account");
        TServerMethods1Client c(&bagc);
        protocol::RowSet* t = nullptr;
        SUNUCUDA_YOKSA_GEC(t = c.SepetVer(carino));
        QVERIFY(t);
        QVERIFY(t->columnIndex(u"STOKNO") >= 0);
        QVERIFY(t->columnIndex(u"MIKTAR") >= 0);
        const int miktar = t->columnIndex(u"MIKTAR");
        QCOMPARE(t->columns[miktar].type, protocol::FieldType::Double);
        for (const auto& satir : t->rows) QCOMPARE(satir.size(), t->columns.size());

        // Another customer's basket is another row set; ours is untouched by the call.
        const auto sutunlar = t->columns.size();
        protocol::RowSet* bos = c.SepetVer(carino + 1000);
        QVERIFY(bos);
        QCOMPARE(bos->columns.size(), sutunlar);
        QCOMPARE(bos->rows.size(), 0);
    }

    void sepeteEkleVeSatirlariOku()
    {
        if (!stokno) QSKIP("no stock with a picture in this server's schema");
        TServerMethods1Client c(&bagc);
        int r = 0;
        SUNUCUDA_YOKSA_GEC(r = c.SepetEkle(SbKopya(oturum()), carino, stokno, QStringLiteral("8690001"),
                                           QStringLiteral("Fren balatası ön"), 2, 18, 100.5, 0, hesapno, 0));
        QCOMPARE(r, 1);
        protocol::RowSet* t = c.SepetVer(carino);
        QVERIFY(t);
        QCOMPARE(t->rows.size(), 1);
        const int ad = t->columnIndex(u"STOKADI"), miktar = t->columnIndex(u"MIKTAR"), no = t->columnIndex(u"STOKNO");
        QVERIFY(ad >= 0 && miktar >= 0 && no >= 0);
        QCOMPARE(t->rows[0][ad].toString(), QStringLiteral("Fren balatası ön"));
        QCOMPARE(t->rows[0][miktar].toDouble(), 2.0);
        QCOMPARE(t->rows[0][no].toInt(), stokno);

        int adet = -1;
        SUNUCUDA_YOKSA_GEC(adet = c.SepetSayisi(SbKopya(oturum())));
        QCOMPARE(adet, 1);
        SUNUCUDA_YOKSA_GEC(r = c.SepetHepsiniSil(SbKopya(oturum())));
        QCOMPARE(c.SepetVer(carino)->rows.size(), 0);
    }

    void resimAkisiBoyuyla()
    {
        if (!stokno) QSKIP("no stock with a picture in this server's schema");
        TServerMethods1Client c(&bagc);
        qint64 boy = -1;
        TStream* s = nullptr;
        SUNUCUDA_YOKSA_GEC(s = c.ResimVer5(stokno, boy));
        QVERIFY(s);
        QVERIFY(boy > 0);
        QCOMPARE(s->Size(), boy);
        QByteArray hedef;
        QVERIFY(AkisOku(s, boy, hedef));
        QVERIFY(!QImage::fromData(hedef).isNull());

        // One byte short of the announced size: dropped.
        TStream kisa(hedef.left(hedef.size() - 1));
        QByteArray bos;
        QVERIFY(!AkisOku(&kisa, boy, bos));
        QVERIFY(bos.isEmpty());
    }

    void nesneSonucu()
    {
        if (!hesapVar) QSKIP("no test account");
        TServerMethods1Client c(&bagc);
        TSonucBilgisi* b = c.BuyukGetir(kBilgisayar);
        QVERIFY(b);
        QVERIFY(b->Varmi());
        QCOMPARE(b->ADI(), QStringLiteral("ahmet"));
        QCOMPARE(b->SIFRE(), QStringLiteral("gizli"));
        QCOMPARE(b->CARINO(), carino);
        QCOMPARE(b->CariAdi(), QStringLiteral("Öztürk Oto"));
        QCOMPARE(b->SaticiAdi(), QStringLiteral("Şükrü Satıcı"));
        QCOMPARE(b->AKTIF(), 1);

        // An unknown computer: a record that says so, not a missing one.
        TSonucBilgisi* yok = c.BuyukGetir(QStringLiteral("bilinmeyen-bilgisayar"));
        QVERIFY(yok);
        QVERIFY(!yok->Varmi());
        QVERIFY(yok->ADI().isEmpty());
    }

    void bosListeVeNull()
    {
        TServerMethods1Client c(&bagc);
        TAcilisEkranlar* l = nullptr;
        SUNUCUDA_YOKSA_GEC(l = c.AcilisEkranlarVer());
        QVERIFY2(l, "a list with no announcement is an empty list, not a missing result");
        for (int i = 0; i < l->Count(); ++i) QVERIFY(l->Items(i));

        // An advert that does not exist: no object.
        TAcilisEkran* e = nullptr;
        SUNUCUDA_YOKSA_GEC(e = c.AcilisREklamVer(987654));
        QVERIFY(!e);
    }

    void akisBoyuIleBirlikte()
    {
        TServerMethods1Client c(&bagc);
        qint64 boy = -1;
        TStream* s = nullptr;
        SUNUCUDA_YOKSA_GEC(s = c.ResimVer5(987654, boy));
        // No picture: size 0 and nothing to read.
        QVERIFY(s);
        QCOMPARE(boy, 0);
        QByteArray hedef;
        QVERIFY(!AkisOku(s, boy, hedef));

        qint64 bannerBoy = -1;
        SUNUCUDA_YOKSA_GEC(s = c.BannerResimVer(bannerBoy));
        QVERIFY(s && bannerBoy >= 0);
        QCOMPARE(s->Size(), bannerBoy);
        QCOMPARE(AkisOku(s, bannerBoy, hedef), bannerBoy > 0);
        QCOMPARE(hedef.size(), bannerBoy);
    }

    void akisVeAdi()
    {
        TServerMethods1Client c(&bagc);
        qint64 size = -1;
        QString adi = QStringLiteral("önceki");
        TStream* s = nullptr;
        SUNUCUDA_YOKSA_GEC(s = c.BelgeIndir(987654, size, adi));
        QVERIFY(s);
        QCOMPARE(size, 0);
        QCOMPARE(s->Size(), 0);

        // Every listed document arrives with its announced size and its file name.
        protocol::RowSet* liste = nullptr;
        SUNUCUDA_YOKSA_GEC(liste = c.DosyaListesi2());
        QVERIFY(liste);
        const int sira = liste->columnIndex(u"SIRANO");
        for (const auto& satir : liste->rows) {
            if (sira < 0) break;
            adi.clear();
            s = c.BelgeIndir(satir[sira].toInt(), size, adi);
            QVERIFY(s);
            QCOMPARE(s->Size(), size);
            QVERIFY(!adi.isEmpty());
        }
    }

    void ciktiParametreleriSonuctanOnce()
    {
        TServerMethods1Client c(&bagc);
        double usd = std::nan(""), eur = std::nan("");
        int r = -1;
        SUNUCUDA_YOKSA_GEC(r = c.KurlariAl(usd, eur));
        QVERIFY(!std::isnan(usd) && !std::isnan(eur));
        QVERIFY(usd >= 0 && eur >= 0);
        if (r == 1) QVERIFY(usd > 0 && eur > 0);

        int sepet = -1, yeni = -1, kamp = -1, duyuru = -1, bakiye = -1, dosya = -1;
        SUNUCUDA_YOKSA_GEC(r = c.BalonGetir2(carino, sepet, yeni, kamp, duyuru, bakiye, dosya));
        for (int v : {sepet, yeni, kamp, duyuru, bakiye, dosya}) QVERIFY(v >= 0);
    }

    void tamsayiVeMantiksalSonuclar()
    {
        if (!hesapVar) QSKIP("no test account");
        TServerMethods1Client c(&bagc);
        int adet = -1;
        SUNUCUDA_YOKSA_GEC(adet = c.SepetSayisi(SbKopya(oturum())));
        protocol::RowSet* t = nullptr;
        SUNUCUDA_YOKSA_GEC(t = c.SepetVer(carino));
        QCOMPARE(adet, int(t->rows.size()));

        // Sending an order with an empty basket is refused, and said so as false.
        bool gonderildi = true;
        SUNUCUDA_YOKSA_GEC(gonderildi = c.SiparisKaydet(SbKopya(oturum()), carino + 5000, 1, 1, QStringLiteral("not"), 1, 0));
        QVERIFY(!gonderildi);
    }

    void sonucAyniYontemTekrarCagrilanaKadarGecerli()
    {
        if (!hesapVar) QSKIP("no test account");
        TServerMethods1Client c(&bagc);
        TSonucBilgisi* b = c.BuyukGetir(kBilgisayar);
        QVERIFY(b);
        const QByteArray once = NesneJson(*b);
        QCOMPARE(c.KomutSayisi(), 1);

        // Other methods on the same client leave the record alone.
        c.EchoString(QStringLiteral("x"));
        c.ReverseString(QStringLiteral("y"));
        TSonucBilgisi* yok = c.BuyukGetir(QStringLiteral("başka"));   // the same method again
        QVERIFY(yok && !yok->Varmi());
        QCOMPARE(c.KomutSayisi(), 3);
        // Each command is made once, however often its method is called.
        for (int i = 0; i < 5; ++i) c.EchoString(QString::number(i));
        QCOMPARE(c.KomutSayisi(), 3);

        // A copy taken before the next call survives it.
        TServerMethods1Client c2(&bagc);
        TSonucBilgisi kopya;
        kopya.Kopyala(*c2.BuyukGetir(kBilgisayar));
        c2.BuyukGetir(QStringLiteral("başka"));
        QCOMPARE(NesneJson(kopya), once);

        // A row set of one method survives calls of other methods.
        protocol::RowSet* t = nullptr;
        SUNUCUDA_YOKSA_GEC(t = c.SepetVer(carino));
        const auto sutun = t->columns.size();
        c.BuyukGetir(kBilgisayar);
        c.EchoString(QStringLiteral("z"));
        QCOMPARE(t->columns.size(), sutun);
    }

    void sahibiDegilseSonucCagiranindir()
    {
        if (!hesapVar) QSKIP("no test account");
        std::unique_ptr<TSonucBilgisi> b;
        std::unique_ptr<protocol::RowSet> t;
        {
            TServerMethods1Client c(&bagc, false);
            QVERIFY(!c.InstanceOwner());
            b.reset(c.BuyukGetir(kBilgisayar));
            try {
                t.reset(c.SepetVer(carino));
            } catch (const protocol::RemoteError& e) {
                if (!bekleyenMi(e)) throw;
            }
            // Calling again hands out a new object; the first stays the caller's.
            std::unique_ptr<TSonucBilgisi> ikinci(c.BuyukGetir(kBilgisayar));
            QVERIFY(ikinci.get() != b.get());
        }
        QVERIFY(b);
        QCOMPARE(b->ADI(), QStringLiteral("ahmet"));
        if (t) QVERIFY(t->columnIndex(u"STOKNO") >= 0);
    }

    void nullOturumKaydi()
    {
        // A missing session record travels as null; the server answers, it does not fail.
        TServerMethods1Client c(&bagc);
        int adet = -1;
        SUNUCUDA_YOKSA_GEC(adet = c.SepetSayisi(nullptr));
        QCOMPARE(adet, 0);
    }

    void sunucuHatasiCagiranaUlasir()
    {
        // A call the server cannot carry out raises, with the server's class and message.
        TServerMethods1Client c(&bagc);
        bool hata = false;
        try {
            c.DSServerModuleCreate(QByteArray("{\"type\":\"baglantiu.TTusSonuclari\",\"id\":1,\"fields\":{}}"));
        } catch (const protocol::RemoteError& e) {
            hata = true;
            QVERIFY(!e.className.isEmpty());
            QVERIFY(!e.message.isEmpty());
        }
        Q_UNUSED(hata);   // the server may accept the call; what matters is that nothing is swallowed
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, c.DSServerModuleCreate(QByteArray("{bozuk")));
    }

    void kopukBaglantiHataVerir()
    {
        QTcpServer kapali;
        QVERIFY(kapali.listen(QHostAddress::LocalHost));
        const quint16 port = kapali.serverPort();
        kapali.close();
        TSQLConnection b;
        b.HostName = QStringLiteral("127.0.0.1");
        b.Port = QString::number(port);
        TServerMethods1Client c(&b);
        QVERIFY_THROWS_EXCEPTION(EBaglantiHatasi, c.SepetVer(1));
    }

    // Every method of the class reaches the server under its catalogue name with the
    // catalogue's parameter count and kinds: the server checks both before anything else.
    void tumYontemlerSozlesmeyeUyar()
    {
        TServerMethods1Client c(&bagc);
        auto sb = [&] { return SbKopya(oturum()); };
        qint64 i64 = 0;
        QString s;
        double d1 = 0, d2 = 0;
        int i1 = 0, i2 = 0, i3 = 0, i4 = 0, i5 = 0, i6 = 0;
        bool b1 = false;
        const int n = carino + 7000;   // a customer of its own, so nothing here touches the others
        const QString x = QStringLiteral("ğ");
        TDBXCallback geri;
        geri.Ad = QStringLiteral("geri");

        const std::vector<std::pair<const char*, std::function<void()>>> cagrilar = {
            {"SepetVer", [&] { c.SepetVer(n); }},
            {"OncekiSiparisler2", [&] { c.OncekiSiparisler2(n); }},
            {"CariEkstreVer", [&] { c.CariEkstreVer(n); }},
            {"MivoYenilerVer", [&] { c.MivoYenilerVer(n); }},
            {"MivoKampanyaliVer", [&] { c.MivoKampanyaliVer(n, 0); }},
            {"BakiyelerVer", [&] { c.BakiyelerVer(n); }},
            {"BuyukGetir", [&] { c.BuyukGetir(x); }},
            {"ResimVer5", [&] { c.ResimVer5(0, i64); }},
            {"StokAraMivo", [&] { c.StokAraMivo(QStringLiteral("abc"), sb()); }},
            {"TeslimVer", [&] { c.TeslimVer(); }},
            {"KargoVer", [&] { c.KargoVer(); }},
            {"KargolarVer", [&] { c.KargolarVer(1); }},
            {"SepetEkle", [&] { c.SepetEkle(sb(), n, 0, x, x, 1, 18, 10, 0, 1, 0); }},
            {"SepetGuncelle", [&] { c.SepetGuncelle(sb(), n, 0, x, x, 1, 18, 10, 0, 1, 0); }},
            {"SepetHepsiniSil", [&] { c.SepetHepsiniSil(nullptr); }},
            {"SepetSatirSil", [&] { c.SepetSatirSil(sb(), 0, x); }},
            {"SiparisKaydet", [&] { c.SiparisKaydet(sb(), n, 1, 1, x, 1, 0); }},
            {"SiparisAyrintisi", [&] { c.SiparisAyrintisi(n, 0); }},
            {"FaturaGetir", [&] { c.FaturaGetir(n, 0); }},
            {"FaturaAltGetir", [&] { c.FaturaAltGetir(0); }},
            {"Tahsilat", [&] { c.Tahsilat(0); }},
            {"BakiyeDuzenle", [&] { c.BakiyeDuzenle(sb(), 0, 0, 0, 1, 1, x); }},
            {"BakiyeDegistir", [&] { c.BakiyeDegistir(sb(), 0, 0, 0, 1, 1, x); }},
            {"BakiyeFiyatDegistir", [&] { c.BakiyeFiyatDegistir(sb(), 0, 0, 0, 1, 1, x, 2, 3); }},
            {"SiparisAytintisiDip", [&] { c.SiparisAytintisiDip(n, 0); }},
            {"CariAra", [&] { c.CariAra(sb(), x); }},
            {"SepetSayisi", [&] { c.SepetSayisi(sb()); }},
            {"TusSonuclariVer", [&] { c.TusSonuclariVer(sb()); }},
            {"CariSepetVer", [&] { c.CariSepetVer(sb(), 1); }},
            {"BelgeIndir", [&] { c.BelgeIndir(0, i64, s); }},
            {"KayanYaziGetir", [&] { c.KayanYaziGetir(); }},
            {"BannerResimVer", [&] { c.BannerResimVer(i64); }},
            {"RaporGetir", [&] { c.RaporGetir(1, 1, 0, n, x, 46000, 46030, i64); }},
            {"KurlariAl", [&] { c.KurlariAl(d1, d2); }},
            {"BalonGetir", [&] { c.BalonGetir(sb()); }},
            {"TumSiparislerVer", [&] { c.TumSiparislerVer(n, 0); }},
            {"MailGonserCari", [&] { c.MailGonserCari(x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x); }},
            {"MailGonserCariNormal", [&] { c.MailGonserCariNormal(x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x); }},
            {"MobilCariBilgisiGetir", [&] { c.MobilCariBilgisiGetir(0, x); }},
            {"AcilisReklamAdet", [&] { c.AcilisReklamAdet(); }},
            {"AcilisREklamVer", [&] { c.AcilisREklamVer(0); }},
            {"AcilisEkranlarVer", [&] { c.AcilisEkranlarVer(); }},
            {"MivodeAra", [&] { c.MivodeAra(x); }},
            {"DosyaListesi2", [&] { c.DosyaListesi2(); }},
            {"CariDurumVer", [&] { c.CariDurumVer(n); }},
            {"DSServerModuleCreate", [&] { c.DSServerModuleCreate(QByteArray()); }},
            {"EchoString", [&] { c.EchoString(x); }},
            {"ReverseString", [&] { c.ReverseString(x); }},
            {"StokAra", [&] { c.StokAra(x, QString::number(n), 0); }},
            {"OncekiSiparisler", [&] { c.OncekiSiparisler(n); }},
            {"CariEkstreVer2", [&] { c.CariEkstreVer2(n, 46000, 46030); }},
            {"CariEkstreVer2Baslik", [&] { c.CariEkstreVer2Baslik(n, 46000); }},
            {"YenilerVer", [&] { c.YenilerVer(n); }},
            {"YenilerVerMobile", [&] { c.YenilerVerMobile(n); }},
            {"KampanyaliVer", [&] { c.KampanyaliVer(n, 0); }},
            {"KampanyaliVermMobil", [&] { c.KampanyaliVermMobil(n, 0); }},
            {"DuyuruVer", [&] { c.DuyuruVer(); }},
            {"DuyuruVer2", [&] { c.DuyuruVer2(); }},
            {"ResimVer6", [&] { c.ResimVer6(0, i64); }},
            {"StokAraDuvra", [&] { c.StokAraDuvra(x, sb()); }},
            {"ZelaPorin", [&] { c.ZelaPorin(x, sb()); }},
            {"CikisGonder", [&] { c.CikisGonder(sb()); }},
            {"Oncekiler", [&] { c.Oncekiler(n); }},
            {"DosyaIndir", [&] { c.DosyaIndir(i64); }},
            {"BelgeIndir2", [&] { c.BelgeIndir2(0, i64, s, sb()); }},
            {"SepetSecimGuncelle", [&] { c.SepetSecimGuncelle(0, 1); }},
            {"MobilStokara", [&] { c.MobilStokara(x, sb(), 0, 10); }},
            {"MobilStokNoAra", [&] { c.MobilStokNoAra(0, sb()); }},
            {"SepetMobilVer", [&] { c.SepetMobilVer(n); }},
            {"AcilisEkranlarVer2", [&] { c.AcilisEkranlarVer2(); }},
            {"MobilStokaraGeri", [&] { c.MobilStokaraGeri(x, sb(), 0, 10, &geri); }},
            {"MobilStokaraAdimli", [&] { c.MobilStokaraAdimli(x, sb(), 0, 10, 0, 10, b1, i1); }},
            {"DepartmanlariGetir", [&] { c.DepartmanlariGetir(); }},
            {"DosyaListesi", [&] { c.DosyaListesi(); }},
            {"AcilisEkranlariVerData", [&] { c.AcilisEkranlariVerData(); }},
            {"BuyukResimVer", [&] { c.BuyukResimVer(0, i1); }},
            {"HttpResimVer", [&] { c.HttpResimVer(0); }},
            {"KucukResimVer", [&] { c.KucukResimVer(0); }},
            {"SifremiUnuttum", [&] { c.SifremiUnuttum(x, i1); }},
            {"BalonGetir2", [&] { c.BalonGetir2(n, i1, i2, i3, i4, i5, i6); }},
            {"MobilSiparisKaydet", [&] { c.MobilSiparisKaydet(0); }},
            {"RaporAlinanSiparisler", [&] { c.RaporAlinanSiparisler(sb(), 46000, 46030); }},
            {"RaporEnCokSatilanStoklar", [&] { c.RaporEnCokSatilanStoklar(sb(), 46000, 46030); }},
            {"SelvanoraVer", [&] { c.SelvanoraVer(); }},
        };
        QCOMPARE(int(cagrilar.size()), int(protocol::methods().size()));

        QStringList bekleyen;
        for (size_t i = 0; i < cagrilar.size(); ++i) {
            const QString ad = QString::fromLatin1(cagrilar[i].first);
            // The table follows the catalogue's order, so every method appears once.
            QCOMPARE(ad, QString::fromLatin1(protocol::methods()[i].name));
            try {
                cagrilar[i].second();
            } catch (const protocol::RemoteError& e) {
                if (bekleyenMi(e)) { bekleyen << ad; continue; }
                // The method ran on the server and refused our dummy arguments: fine here,
                // unless the refusal is about the shape of the call itself.
                for (const char* bicim : {"expects", "must be", "not found", "Malformed"})
                    QVERIFY2(!e.message.contains(QLatin1String(bicim)), qPrintable(ad + ": " + e.message));
            }
        }
        QCOMPARE(c.KomutSayisi(), int(cagrilar.size()));
        if (!bekleyen.isEmpty()) qInfo("not yet offered by this server (%lld): %s", qlonglong(bekleyen.size()),
                                       qPrintable(bekleyen.join(QLatin1Char(' '))));
    }
};

QTEST_GUILESS_MAIN(TstServerMethods)
#include "tst_servermethods.moc"
