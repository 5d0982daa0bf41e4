#include "kimlik.h"
#include "hddinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <stdexcept>

#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <arpa/inet.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace mivo {

namespace {

QString yolu(const QString& kok, const QString& alt)
{
    QString k = kok;
    while (k.endsWith(QLatin1Char('/'))) k.chop(1);
    return k + alt;
}

QByteArray dosyaOku(const QString& yol, qint64 azami = 4096)
{
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(azami);
}

// A text attribute of sysfs: its line end and any NULs removed.
QString ozellikMetni(const QByteArray& b)
{
    QByteArray x = b;
    const int nul = x.indexOf('\0');
    if (nul >= 0) x.truncate(nul);
    while (x.endsWith('\n') || x.endsWith('\r')) x.chop(1);
    return QString::fromUtf8(x);
}

// Digit runs compare by value, so sda < sdb and nvme2n1 < nvme10n1.
bool dogalSira(const QString& a, const QString& b)
{
    int i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int i2 = i, j2 = j;
            while (i2 < a.size() && a[i2].isDigit()) ++i2;
            while (j2 < b.size() && b[j2].isDigit()) ++j2;
            const qulonglong x = a.mid(i, i2 - i).toULongLong(), y = b.mid(j, j2 - j).toULongLong();
            if (x != y) return x < y;
            i = i2;
            j = j2;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

// Block devices that are disks of the machine: a device behind them, not removable,
// not a partition, optical drive, floppy or a kernel-made device.
QStringList fizikselDiskler(const QString& kok)
{
    static const char* const sanal[] = {"loop", "ram", "zram", "dm-", "md", "sr", "fd", "nbd", "drbd", "rbd"};
    const QString blok = yolu(kok, QStringLiteral("/sys/block"));
    QStringList l;
    for (const QString& ad : QDir(blok).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        bool atla = false;
        for (const char* s : sanal)
            if (ad.startsWith(QLatin1String(s))) atla = true;
        if (atla) continue;
        const QString d = blok + QLatin1Char('/') + ad;
        if (!QFileInfo::exists(d + QStringLiteral("/device"))) continue;
        if (ozellikMetni(dosyaOku(d + QStringLiteral("/removable"))).trimmed() == QLatin1String("1")) continue;
        if (ozellikMetni(dosyaOku(d + QStringLiteral("/hidden"))).trimmed() == QLatin1String("1")) continue;
        l << ad;
    }
    std::sort(l.begin(), l.end(), dogalSira);
    return l;
}

// SCSI unit serial number page (0x80): 4 header bytes, byte 3 is the length.
QString vpd80Seri(const QByteArray& b)
{
    if (b.size() < 4 || quint8(b[1]) != 0x80) return {};
    const int boy = std::min<int>(quint8(b[3]), b.size() - 4);
    return ozellikMetni(b.mid(4, boy));
}

QString udevSeri(const QString& kok, const QString& majMin)
{
    const QByteArray veri = dosyaOku(yolu(kok, QStringLiteral("/run/udev/data/b") + majMin), 1 << 20);
    QString kisa, uzun;
    for (const QByteArray& satir : veri.split('\n')) {
        if (satir.startsWith("E:ID_SERIAL_SHORT=")) kisa = QString::fromUtf8(satir.mid(18));
        else if (satir.startsWith("E:ID_SERIAL=")) uzun = QString::fromUtf8(satir.mid(12));
    }
    return kisa.trimmed().isEmpty() ? uzun : kisa;
}

// /dev/disk/by-id names are <bus>-<model>_<serial>; the serial is the last part.
QString byIdSeri(const QString& kok, const QString& disk)
{
    const QString klasor = yolu(kok, QStringLiteral("/dev/disk/by-id"));
    QStringList adlar = QDir(klasor).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& ad : adlar) {
        if (ad.contains(QLatin1String("-part")) || ad.startsWith(QLatin1String("wwn-"))
            || ad.startsWith(QLatin1String("nvme-eui.")) || ad.startsWith(QLatin1String("nvme-nvme.")))
            continue;
        const QFileInfo fi(klasor + QLatin1Char('/') + ad);
        if (!fi.isSymLink() || QFileInfo(fi.symLinkTarget()).fileName() != disk) continue;
        const int tire = ad.indexOf(QLatin1Char('-'));
        const QString govde = tire >= 0 ? ad.mid(tire + 1) : ad;
        const int alt = govde.lastIndexOf(QLatin1Char('_'));
        const QString seri = alt >= 0 ? govde.mid(alt + 1) : govde;
        if (!seri.trimmed().isEmpty()) return seri;
    }
    return {};
}

QList<AgAdaptoru> getifaddrsAdaptorleri(bool* ok)
{
    ifaddrs* liste = nullptr;
    *ok = ::getifaddrs(&liste) == 0;
    if (!*ok) return {};
    struct Kayit { int sira; AgAdaptoru a; };
    QList<Kayit> k;
    for (ifaddrs* i = liste; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_PACKET) continue;
        const auto* ll = reinterpret_cast<const sockaddr_ll*>(i->ifa_addr);
        if (ll->sll_halen != 6) continue;   // not a LAN adapter
        AgAdaptoru a;
        a.ad = QString::fromLocal8Bit(i->ifa_name);
        a.cevapVerdi = true;
        a.adres = QByteArray(reinterpret_cast<const char*>(ll->sll_addr), 6);
        k.push_back({ll->sll_ifindex, a});
    }
    ::freeifaddrs(liste);
    std::stable_sort(k.begin(), k.end(), [](const Kayit& x, const Kayit& y) { return x.sira < y.sira; });
    QList<AgAdaptoru> l;
    for (const Kayit& x : k) l << x.a;
    return l;
}

QString kullaniciOku()
{
    passwd pw{};
    passwd* sonuc = nullptr;
    long boy = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    if (boy <= 0) boy = 16384;
    QByteArray tampon(int(boy), '\0');
    if (::getpwuid_r(::geteuid(), &pw, tampon.data(), size_t(tampon.size()), &sonuc) != 0 || !sonuc) return {};
    return QString::fromLocal8Bit(pw.pw_name).left(256);
}

QStringList ipv4Coz(const QString& ad)
{
    addrinfo ipucu{};
    ipucu.ai_family = AF_INET;
    ipucu.ai_socktype = SOCK_STREAM;
    addrinfo* sonuc = nullptr;
    if (::getaddrinfo(ad.toLocal8Bit().constData(), nullptr, &ipucu, &sonuc) != 0) return {};
    QStringList l;
    for (addrinfo* a = sonuc; a; a = a->ai_next) {
        if (a->ai_family != AF_INET) continue;
        char metin[INET_ADDRSTRLEN] = {0};
        const auto* s = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
        if (::inet_ntop(AF_INET, &s->sin_addr, metin, sizeof metin)) {
            const QString m = QString::fromLatin1(metin);
            if (!l.contains(m)) l << m;
        }
    }
    ::freeaddrinfo(sonuc);
    return l;
}

std::mutex gKilit;
std::shared_ptr<const KimlikKaynaklari>& kaynakGostergesi()
{
    static std::shared_ptr<const KimlikKaynaklari> k = std::make_shared<KimlikKaynaklari>(LinuxKaynaklari());
    return k;
}

std::shared_ptr<const KimlikKaynaklari> kaynak()
{
    std::lock_guard<std::mutex> g(gKilit);
    return kaynakGostergesi();
}

// The disk component's serial for drive 0: trimmed, upper case, at least 4 characters.
QString bilesenSerisi(const KimlikKaynaklari& k)
{
    try {
        const QString s = k.bilesenSeri ? k.bilesenSeri().trimmed().toUpper() : QString();
        return s.size() < 4 ? QString() : s;
    } catch (...) {
        return {};
    }
}

} // namespace

QString LinuxDiskSeriOku(const QString& kok)
{
    const QStringList diskler = fizikselDiskler(kok);
    if (diskler.isEmpty()) throw std::runtime_error("no physical disk");
    const QString ad = diskler.first();
    const QString d = yolu(kok, QStringLiteral("/sys/block/") + ad);
    for (const QString& alt : {QStringLiteral("/serial"), QStringLiteral("/device/serial")}) {
        const QString s = ozellikMetni(dosyaOku(d + alt));
        if (!s.trimmed().isEmpty()) return s;
    }
    const QString vpd = vpd80Seri(dosyaOku(d + QStringLiteral("/device/vpd_pg80")));
    if (!vpd.trimmed().isEmpty()) return vpd;
    const QString majMin = ozellikMetni(dosyaOku(d + QStringLiteral("/dev"))).trimmed();
    if (!majMin.isEmpty()) {
        const QString u = udevSeri(kok, majMin);
        if (!u.trimmed().isEmpty()) return u;
    }
    const QString b = byIdSeri(kok, ad);
    if (!b.isEmpty()) return b;
    throw std::runtime_error("no serial number for the first physical disk");
}

QList<AgAdaptoru> LinuxAdaptorleriSysfs(const QString& kok)
{
    const QString net = yolu(kok, QStringLiteral("/sys/class/net"));
    struct Kayit { int sira; AgAdaptoru a; };
    QList<Kayit> k;
    for (const QString& ad : QDir(net).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QString d = net + QLatin1Char('/') + ad;
        if (ozellikMetni(dosyaOku(d + QStringLiteral("/addr_len"))).trimmed() != QLatin1String("6")) continue;
        AgAdaptoru a;
        a.ad = ad;
        const QStringList parca = ozellikMetni(dosyaOku(d + QStringLiteral("/address"))).trimmed().split(QLatin1Char(':'));
        if (parca.size() == 6) {
            bool hepsi = true;
            for (const QString& p : parca) {
                bool ok = false;
                const uint v = p.toUInt(&ok, 16);
                hepsi = hepsi && ok && v < 256;
                a.adres.append(char(v));
            }
            a.cevapVerdi = hepsi;
        }
        k.push_back({ozellikMetni(dosyaOku(d + QStringLiteral("/ifindex"))).trimmed().toInt(), a});
    }
    std::stable_sort(k.begin(), k.end(), [](const Kayit& x, const Kayit& y) { return x.sira < y.sira; });
    QList<AgAdaptoru> l;
    for (const Kayit& x : k) l << x.a;
    return l;
}

KimlikKaynaklari LinuxKaynaklari(const QString& kok)
{
    KimlikKaynaklari k;
    k.hostAdi = [] {
        char b[256] = {0};
        if (::gethostname(b, sizeof b - 1) != 0) return QString();
        return QString::fromLocal8Bit(b);
    };
    k.kullaniciAdi = kullaniciOku;
    k.ipv4Coz = ipv4Coz;
    k.adaptorler = [kok] {
        bool ok = false;
        QList<AgAdaptoru> l = kok == QLatin1String("/") ? getifaddrsAdaptorleri(&ok) : QList<AgAdaptoru>();
        return ok ? l : LinuxAdaptorleriSysfs(kok);
    };
    k.diskSeri = [kok] { return LinuxDiskSeriOku(kok); };
    k.bilesenSeri = [] {
        THDDInfo h;
        h.SetMethod(gimAuto);
        h.SetDeviceName(QStringLiteral("PhysicalDrive0"));
        h.SetDrive(dPrimaryMaster);
        return h.Serial();
    };
    k.veriKoku = [] { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); };
    k.belgeler = [] { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); };
    k.evKlasoru = [] { return QDir::homePath(); };
    k.dosyaVar = [](const QString& y) { return QFileInfo(y).isFile(); };
    return k;
}

KimlikKaynaklari kimlikKaynaklari() { return *kaynak(); }

void KimlikKaynaklariKur(KimlikKaynaklari k)
{
    std::lock_guard<std::mutex> g(gKilit);
    kaynakGostergesi() = std::make_shared<const KimlikKaynaklari>(std::move(k));
}

QString BilgisayarAdiAl()
{
    const auto k = kaynak();
    const QString ham = k->hostAdi ? k->hostAdi() : QString();
    // The short name, as a NetBIOS name: at most 15 characters, upper case.
    return ham.section(QLatin1Char('.'), 0, 0).left(15).toUpper();
}

QString KullaniciAdiAl()
{
    const auto k = kaynak();
    return k->kullaniciAdi ? k->kullaniciAdi() : QString();
}

QString YerelIpAl()
{
    const auto k = kaynak();
    const QString ad = k->hostAdi ? k->hostAdi() : QString();
    if (ad.isEmpty() || !k->ipv4Coz) return QStringLiteral("127.0.0.1");
    const QStringList l = k->ipv4Coz(ad);
    return l.isEmpty() ? QStringLiteral("127.0.0.1") : l.first();
}

QString MacAdresiAl()
{
    const auto k = kaynak();
    QList<AgAdaptoru> l;
    try {
        if (k->adaptorler) l = k->adaptorler();
    } catch (...) {
        l.clear();
    }
    static const QString sifir = QStringLiteral("00-00-00-00-00-00");
    QString metin;
    // The first adapter is asked even when none is listed; that query fails.
    int i = 0;
    do {
        if (i < l.size() && l[i].cevapVerdi && l[i].adres.size() >= 6) {
            QStringList g;
            for (int b = 0; b < 6; ++b) g << QStringLiteral("%1").arg(quint8(l[i].adres[b]), 2, 16, QLatin1Char('0')).toUpper();
            metin = g.join(QLatin1Char('-'));
        }
        ++i;
    } while (i < l.size() && metin == sifir);
    return metin;
}

QString WmiDiskSeriAl()
{
    const auto k = kaynak();
    if (!k->diskSeri) throw std::runtime_error("no disk serial source");
    return k->diskSeri().toUpper();
}

QString DiskSeriAl() { return bilesenSerisi(*kaynak()); }

QString BilgisayarIdAl()
{
    const auto k = kaynak();
    QString s;
    try {
        s = WmiDiskSeriAl().trimmed();
    } catch (...) {
        s.clear();
    }
    if (s.isEmpty()) s = DiskSeriAl();
    if (s.isEmpty()) s = bilesenSerisi(*k);   // the component once more
    if (s.trimmed().isEmpty()) {
        try {
            s = MacAdresiAl().trimmed();
        } catch (...) {
        }
    }
    s.remove(QLatin1Char(' '));
    if (s == QLatin1String(kEslesenSeri1)) s = QString::fromLatin1(kEslesenKimlik);
    if (s == QLatin1String(kEslesenSeri2)) s = QString::fromLatin1(kEslesenKimlik);
    return s;
}

QString VeriKlasoru()
{
    const auto k = kaynak();
    QString kok = k->veriKoku ? k->veriKoku() : QString();
    while (kok.endsWith(QLatin1Char('/'))) kok.chop(1);
    const QString yol = kok + QStringLiteral("/velmormivo");
    if (!QFileInfo(yol).isDir()) {
        // One level; a fresh account may not have its configuration folder yet, so make that too.
        if (!QDir().mkdir(yol) && !kok.isEmpty() && !QFileInfo(kok).exists()) QDir().mkpath(yol);
    }
    return yol;
}

QString BelgelerKlasoru()
{
    const auto k = kaynak();
    QString yol = k->belgeler ? k->belgeler() : QString();
    while (yol.size() > 1 && yol.endsWith(QLatin1Char('/'))) yol.chop(1);
    if (yol.isEmpty()) return {};
    // Reports and the setup program are saved here, so it has to exist.
    if (!QFileInfo(yol).isDir() && !QDir().mkpath(yol)) return {};
    return yol;
}

namespace {
QString kodla(const QString& parca, const char* serbest)
{
    QString r;
    for (const char c : parca.toUtf8()) {
        const bool ayrilmamis = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
                                || c == '.' || c == '_' || c == '~';
        if (ayrilmamis || (c != '\0' && std::strchr(serbest, c))) r += QLatin1Char(c);
        else r += QStringLiteral("%%1").arg(quint8(c), 2, 16, QLatin1Char('0')).toUpper();
    }
    return r;
}
} // namespace

QString UrlKodla(const QString& url)
{
    // Scheme, host and port stay; the path (document name included) and the query are encoded.
    QString bas, kalan = url;
    const int sema = url.indexOf(QStringLiteral("://"));
    if (sema > 0) {
        int son = url.size();
        for (QChar c : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')}) {
            const int p = url.indexOf(c, sema + 3);
            if (p >= 0) son = std::min(son, p);
        }
        bas = url.left(son);
        kalan = url.mid(son);
    }
    QString parca;
    const int diyez = kalan.indexOf(QLatin1Char('#'));
    if (diyez >= 0) { parca = kalan.mid(diyez); kalan.truncate(diyez); }
    QString sorgu;
    const int soru = kalan.indexOf(QLatin1Char('?'));
    if (soru >= 0) { sorgu = kalan.mid(soru + 1); kalan.truncate(soru); }
    QString r = bas + kodla(kalan, "/");
    if (soru >= 0) r += QLatin1Char('?') + kodla(sorgu, "?&=");
    return r + parca;
}

QString ChromeYolu()
{
    const auto k = kaynak();
    if (!k->dosyaVar) return {};
    QStringList adaylar = {QStringLiteral("/usr/bin/google-chrome-stable"), QStringLiteral("/usr/bin/google-chrome"),
                           QStringLiteral("/opt/google/chrome/chrome"), QStringLiteral("/usr/bin/chromium"),
                           QStringLiteral("/usr/bin/chromium-browser"), QStringLiteral("/snap/bin/chromium")};
    const QString ev = k->evKlasoru ? k->evKlasoru() : QString();
    if (!ev.isEmpty()) {
        adaylar << ev + QStringLiteral("/.local/bin/google-chrome")
                << ev + QStringLiteral("/.local/share/flatpak/exports/bin/com.google.Chrome");
    }
    for (const QString& a : adaylar)
        if (k->dosyaVar(a)) return a;
    return {};
}

int IEVersiyonu() { return 0; }

} // namespace mivo
