// Machine identity: the identifier rule, its sources on Linux, folders, URL and
// browser helpers, the INI file, and the operator tool.
#include "login/inidosyasi.h"
#include "login/kimlik.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

using namespace mivo;

Q_DECLARE_METATYPE(QList<mivo::AgAdaptoru>)

namespace {

AgAdaptoru adaptor(const char* ad, QByteArray adres, bool cevap = true)
{
    AgAdaptoru a;
    a.ad = QString::fromLatin1(ad);
    a.adres = adres;
    a.cevapVerdi = cevap;
    return a;
}

const QByteArray kSifir(6, '\0');
const QByteArray kGercek = QByteArray::fromHex("02fc000000a1");
const QByteArray kIkinci = QByteArray::fromHex("8eece19db7ac");

void yaz(const QString& yol, const QByteArray& icerik)
{
    QDir().mkpath(QFileInfo(yol).path());
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(icerik);
}

// A source that is missing throws, like a machine without that reader.
std::function<QString()> yok()
{
    return [] () -> QString { throw std::runtime_error("none"); };
}
std::function<QString()> sabit(const QString& s)
{
    return [s] { return s; };
}

} // namespace

class TstKimlik : public QObject {
    Q_OBJECT
    KimlikKaynaklari temel;

private slots:
    void init()
    {
        temel = LinuxKaynaklari();
        temel.diskSeri = yok();
        temel.bilesenSeri = sabit(QString());
        temel.adaptorler = [] { return QList<AgAdaptoru>(); };
    }
    void cleanup() { KimlikKaynaklariKur(LinuxKaynaklari()); }

    void bilgisayarId_data()
    {
        QTest::addColumn<QString>("disk");          // "!" = the disk source fails
        QTest::addColumn<QString>("bilesen");       // "!" = the component fails
        QTest::addColumn<QList<AgAdaptoru>>("adaptorler");
        QTest::addColumn<QString>("beklenen");
        const QList<AgAdaptoru> gercek = {adaptor("lo", kSifir), adaptor("eth0", kGercek)};
        QTest::newRow("spaces before, inside, after") << "  wd-ab 12 cd  " << "ZZZZ" << gercek << "WD-AB12CD";
        QTest::newRow("3-char component gives MAC") << "!" << "abc" << gercek << "02-FC-00-00-00-A1";
        QTest::newRow("empty disk, component used") << "   " << " hdd 99x " << gercek << "HDD99X";
        QTest::newRow("component fails too") << "!" << "!" << gercek << "02-FC-00-00-00-A1";
        QTest::newRow("only zero adapter") << "!" << "!" << QList<AgAdaptoru>{adaptor("lo", kSifir)}
                                           << "00-00-00-00-00-00";
        QTest::newRow("first mapped serial") << QString::fromLatin1(kEslesenSeri1) << "" << gercek
                                             << QString::fromLatin1(kEslesenKimlik);
        QTest::newRow("second mapped serial, lower case, spaced")
            << " " + QString::fromLatin1(kEslesenSeri2).toLower().insert(4, QLatin1Char(' ')) << "" << gercek
            << QString::fromLatin1(kEslesenKimlik);
        QTest::newRow("every source fails") << "!" << "!" << QList<AgAdaptoru>{} << "";
    }
    void bilgisayarId()
    {
        QFETCH(QString, disk);
        QFETCH(QString, bilesen);
        QFETCH(QList<AgAdaptoru>, adaptorler);
        QFETCH(QString, beklenen);
        KimlikKaynaklari k = temel;
        k.diskSeri = disk == QLatin1String("!") ? yok() : sabit(disk);
        k.bilesenSeri = bilesen == QLatin1String("!") ? yok() : sabit(bilesen);
        k.adaptorler = [adaptorler] { return adaptorler; };
        KimlikKaynaklariKur(k);
        QCOMPARE(BilgisayarIdAl(), beklenen);
    }

    void diskSerileri()
    {
        KimlikKaynaklari k = temel;
        k.diskSeri = sabit(QStringLiteral(" ab-c1 "));
        k.bilesenSeri = sabit(QStringLiteral(" xy "));
        KimlikKaynaklariKur(k);
        QCOMPARE(WmiDiskSeriAl(), QStringLiteral(" AB-C1 "));   // upper case, trimmed only by the rule
        QCOMPARE(DiskSeriAl(), QString());                       // below 4 characters counts as empty
        k.diskSeri = yok();
        k.bilesenSeri = yok();
        KimlikKaynaklariKur(k);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, WmiDiskSeriAl());
        QCOMPARE(DiskSeriAl(), QString());
    }

    void macAdresi_data()
    {
        QTest::addColumn<QList<AgAdaptoru>>("adaptorler");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("none listed") << QList<AgAdaptoru>{} << "";
        QTest::newRow("zero then real") << QList<AgAdaptoru>{adaptor("lo", kSifir), adaptor("eth0", kGercek)}
                                        << "02-FC-00-00-00-A1";
        QTest::newRow("stops at first non-zero")
            << QList<AgAdaptoru>{adaptor("eth0", kGercek), adaptor("eth1", kIkinci)} << "02-FC-00-00-00-A1";
        QTest::newRow("zero, failing, real")
            << QList<AgAdaptoru>{adaptor("lo", kSifir), adaptor("x", {}, false), adaptor("eth0", kIkinci)}
            << "8E-EC-E1-9D-B7-AC";
        QTest::newRow("failing first stops the walk")
            << QList<AgAdaptoru>{adaptor("x", {}, false), adaptor("eth0", kGercek)} << "";
        QTest::newRow("zeros only") << QList<AgAdaptoru>{adaptor("lo", kSifir), adaptor("d", kSifir)}
                                    << "00-00-00-00-00-00";
    }
    void macAdresi()
    {
        QFETCH(QList<AgAdaptoru>, adaptorler);
        QFETCH(QString, beklenen);
        KimlikKaynaklari k = temel;
        k.adaptorler = [adaptorler] { return adaptorler; };
        KimlikKaynaklariKur(k);
        QCOMPARE(MacAdresiAl(), beklenen);
    }

    // The Linux disk reader on prepared trees: which disk is first, and where its serial comes from.
    void linuxDiskSerisi()
    {
        QTemporaryDir d;
        const QString k = d.path();
        // Kernel-made devices and removable or optical drives are not physical disks.
        yaz(k + "/sys/block/loop0/dev", "7:0\n");
        yaz(k + "/sys/block/sr0/device/type", "5\n");
        yaz(k + "/sys/block/sdb/device/serial", "SECOND\n");
        yaz(k + "/sys/block/sdb/removable", "0\n");
        yaz(k + "/sys/block/sda/removable", "1\n");   // a USB stick named first
        yaz(k + "/sys/block/sda/device/serial", "STICK\n");
        QCOMPARE(LinuxDiskSeriOku(k), QStringLiteral("SECOND"));

        // SCSI unit serial page.
        QTemporaryDir d2;
        QByteArray vpd("\x00\x80\x00\x0c", 4);
        vpd += "  WD-WX41A9 ";
        yaz(d2.path() + "/sys/block/sda/device/vpd_pg80", vpd);
        yaz(d2.path() + "/sys/block/sda/dev", "8:0\n");
        QCOMPARE(LinuxDiskSeriOku(d2.path()), QStringLiteral("  WD-WX41A9 "));

        // udev database, then /dev/disk/by-id.
        QTemporaryDir d3;
        yaz(d3.path() + "/sys/block/nvme0n1/device/model", "X\n");
        yaz(d3.path() + "/sys/block/nvme0n1/dev", "259:0\n");
        yaz(d3.path() + "/run/udev/data/b259:0", "S:disk/by-id/nvme-X\nE:ID_SERIAL=Samsung_SSD_S4EWNX0R1\nE:ID_SERIAL_SHORT=S4EWNX0R1\n");
        QCOMPARE(LinuxDiskSeriOku(d3.path()), QStringLiteral("S4EWNX0R1"));
        QFile::remove(d3.path() + "/run/udev/data/b259:0");
        QDir().mkpath(d3.path() + "/dev/disk/by-id");
        QVERIFY(QFile::link("../../nvme0n1", d3.path() + "/dev/disk/by-id/nvme-Samsung_SSD_970_S4EWNX0R2"));
        QVERIFY(QFile::link("../../nvme0n1p1", d3.path() + "/dev/disk/by-id/nvme-Samsung_SSD_970_S4EWNX0R2-part1"));
        QCOMPARE(LinuxDiskSeriOku(d3.path()), QStringLiteral("S4EWNX0R2"));

        // Disks in name order: vda is the first.
        QTemporaryDir d4;
        yaz(d4.path() + "/sys/block/vdb/serial", "B");
        yaz(d4.path() + "/sys/block/vdb/device/x", "");
        yaz(d4.path() + "/sys/block/vda/serial", "A");
        yaz(d4.path() + "/sys/block/vda/device/x", "");
        QCOMPARE(LinuxDiskSeriOku(d4.path()), QStringLiteral("A"));

        QTemporaryDir bos;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, LinuxDiskSeriOku(bos.path()));
        // A first disk without any serial is an error, not the second disk's serial.
        QTemporaryDir d5;
        yaz(d5.path() + "/sys/block/sda/device/model", "X");
        yaz(d5.path() + "/sys/block/sdb/device/serial", "OTHER");
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, LinuxDiskSeriOku(d5.path()));
    }

    void linuxAdaptorleri()
    {
        QTemporaryDir d;
        const QString k = d.path();
        auto arayuz = [&](const char* ad, const char* sira, const char* adres, const char* boy) {
            const QString b = k + "/sys/class/net/" + ad;
            yaz(b + "/ifindex", QByteArray(sira) + "\n");
            yaz(b + "/address", QByteArray(adres) + "\n");
            yaz(b + "/addr_len", QByteArray(boy) + "\n");
        };
        arayuz("wlan0", "3", "8e:ec:e1:9d:b7:ac", "6");
        arayuz("eth0", "2", "02:fc:00:00:00:a1", "6");
        arayuz("lo", "1", "00:00:00:00:00:00", "6");
        arayuz("tun0", "4", "", "0");   // no hardware address: not a LAN adapter
        const QList<AgAdaptoru> l = LinuxAdaptorleriSysfs(k);
        QCOMPARE(l.size(), 3);
        QCOMPARE(l[0].ad, QStringLiteral("lo"));
        QCOMPARE(l[1].ad, QStringLiteral("eth0"));
        QCOMPARE(l[1].adres, kGercek);
        KimlikKaynaklariKur(LinuxKaynaklari(k));
        QCOMPARE(MacAdresiAl(), QStringLiteral("02-FC-00-00-00-A1"));
    }

    void adlarVeAdres()
    {
        KimlikKaynaklari k = temel;
        k.hostAdi = sabit(QStringLiteral("satis-bilgisayari-04.bayi.local"));
        k.ipv4Coz = [](const QString& ad) {
            return ad == QLatin1String("satis-bilgisayari-04.bayi.local")
                       ? QStringList{QStringLiteral("10.1.2.3"), QStringLiteral("10.1.2.4")}
                       : QStringList();
        };
        KimlikKaynaklariKur(k);
        QCOMPARE(BilgisayarAdiAl(), QStringLiteral("SATIS-BILGISAYA"));   // 15 characters, NetBIOS form
        QCOMPARE(YerelIpAl(), QStringLiteral("10.1.2.3"));
        k.hostAdi = sabit(QString());   // host name unavailable
        KimlikKaynaklariKur(k);
        QCOMPARE(BilgisayarAdiAl(), QString());
        QCOMPARE(YerelIpAl(), QStringLiteral("127.0.0.1"));
        k.hostAdi = sabit(QStringLiteral("kasa"));   // resolves to nothing
        KimlikKaynaklariKur(k);
        QCOMPARE(YerelIpAl(), QStringLiteral("127.0.0.1"));

        // The real machine: a user name, and a dotted address.
        KimlikKaynaklariKur(LinuxKaynaklari());
        QVERIFY(!KullaniciAdiAl().isEmpty());
        QVERIFY(QHostAddress(YerelIpAl()).protocol() == QAbstractSocket::IPv4Protocol);
    }

    void veriKlasoru()
    {
        QTemporaryDir d;
        KimlikKaynaklari k = temel;
        const QString kok = d.path() + "/config";   // a fresh account has no configuration folder yet
        k.veriKoku = [kok] { return kok + "/"; };
        k.belgeler = [d = d.path()] { return d + "/Belgeler"; };
        KimlikKaynaklariKur(k);
        const QString beklenen = kok + "/velmormivo";
        QVERIFY(!QFileInfo::exists(beklenen));
        QCOMPARE(VeriKlasoru(), beklenen);
        QVERIFY(QFileInfo(beklenen).isDir());
        yaz(beklenen + "/ayar.ini", "x");
        QCOMPARE(VeriKlasoru(), beklenen);   // found, left as it is
        QVERIFY(QFileInfo::exists(beklenen + "/ayar.ini"));
        QCOMPARE(BelgelerKlasoru(), d.path() + "/Belgeler");
        QVERIFY(QFileInfo(d.path() + "/Belgeler").isDir());
        k.belgeler = sabit(QString());
        KimlikKaynaklariKur(k);
        QCOMPARE(BelgelerKlasoru(), QString());
    }

    void urlKodla_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("query values") << QString::fromUtf8("http://web.bayi:9092/zenkart.html?carino=12&sube=1&firmasi=ÖZ OTO, Ltd&bakiye=1.250,50")
                                      << "http://web.bayi:9092/zenkart.html?carino=12&sube=1&firmasi=%C3%96Z%20OTO%2C%20Ltd&bakiye=1.250%2C50";
        QTest::newRow("path and document") << "https://h/bir klasör/a b.html" << "https://h/bir%20klas%C3%B6r/a%20b.html";
        QTest::newRow("percent itself") << "http://h/x?y=100%" << "http://h/x?y=100%25";
        QTest::newRow("no path") << "http://h:80" << "http://h:80";
    }
    void urlKodla()
    {
        QFETCH(QString, url);
        QFETCH(QString, beklenen);
        QCOMPARE(UrlKodla(url), beklenen);
    }

    void chrome()
    {
        KimlikKaynaklari k = temel;
        k.evKlasoru = sabit(QStringLiteral("/home/ali"));
        QStringList var;
        k.dosyaVar = [&var](const QString& y) { return var.contains(y); };
        KimlikKaynaklariKur(k);
        QCOMPARE(ChromeYolu(), QString());
        var = {QStringLiteral("/home/ali/.local/bin/google-chrome")};
        QCOMPARE(ChromeYolu(), var.first());
        var << QStringLiteral("/usr/bin/chromium") << QStringLiteral("/opt/google/chrome/chrome");
        QCOMPARE(ChromeYolu(), QStringLiteral("/opt/google/chrome/chrome"));
        QCOMPARE(IEVersiyonu(), 0);
    }

    // ayar.ini: keys as written in UTF-8, values kept whole, the rest of the file kept.
    void iniDosyasi()
    {
        QTemporaryDir d;
        const QString yol = d.path() + "/ayar.ini";
        yaz(yol, "\xEF\xBB\xBF; not\r\n[baska]\r\nx=1\r\n\r\n[KULLANICI]\r\nISIM=ESKI\r\n");
        TIniFile ini(yol);
        QCOMPARE(ini.ReadString("kullanici", "isim", "?"), QStringLiteral("ESKI"));
        QVERIFY(ini.ReadBool("kullanici", QString::fromUtf8("hatırla"), true));
        QVERIFY(ini.WriteString("kullanici", "isim", QString::fromUtf8("ŞAHİN")));
        QVERIFY(ini.WriteString("kullanici", "sifre", "  A=B \"C\" "));
        QVERIFY(ini.WriteBool("kullanici", QString::fromUtf8("hatırla"), false));
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString metin = QString::fromUtf8(f.readAll());
        QVERIFY2(metin.contains(QString::fromUtf8("hatırla=0")), qPrintable(metin));
        QVERIFY(metin.contains(QString::fromUtf8("ISIM=ŞAHİN")) || metin.contains(QString::fromUtf8("isim=ŞAHİN")));
        QVERIFY(metin.contains("[baska]\r\nx=1"));
        QVERIFY(metin.contains("; not"));
        const TIniFile yeniden(yol);
        QCOMPARE(yeniden.ReadString("kullanici", "sifre", "?"), QStringLiteral("  A=B \"C\" "));
        QCOMPARE(yeniden.ReadString("kullanici", "isim", "?"), QString::fromUtf8("ŞAHİN"));
        QVERIFY(!yeniden.ReadBool("kullanici", QString::fromUtf8("hatırla"), true));
        QCOMPARE(yeniden.ReadString("baska", "x", "?"), QStringLiteral("1"));
        QCOMPARE(yeniden.ReadString("yok", "x", "?"), QStringLiteral("?"));
        // A value that is itself quoted keeps its quotes.
        QVERIFY(ini.WriteString("kullanici", "isim", "\"Q\""));
        QCOMPARE(TIniFile(yol).ReadString("kullanici", "isim", "?"), QStringLiteral("\"Q\""));
    }

    void mivoKimlik()
    {
        QProcess p;
        p.start(QStringLiteral(MIVO_KIMLIK_BIN), {});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray cikti = p.readAllStandardOutput();
        QCOMPARE(cikti.count('\n'), 1);
        KimlikKaynaklariKur(LinuxKaynaklari());
        QCOMPARE(QString::fromUtf8(cikti.trimmed()), BilgisayarIdAl());
    }
};

QTEST_GUILESS_MAIN(TstKimlik)
#include "tst_kimlik.moc"
