#pragma once
// The identity of this computer (names, addresses, the computer identifier),
// the per-user folders and the browser helpers of the card page.
//
// Every operation reads the machine through KimlikKaynaklari, so tests can feed
// edge cases; by default the sources read this Linux machine.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace mivo {

// One network adapter as its status query answers.
struct AgAdaptoru {
    QString ad;               // interface name (eth0)
    bool cevapVerdi = false;  // the status query succeeded
    QByteArray adres;         // the first six bytes are the hardware address
};

struct KimlikKaynaklari {
    std::function<QString()> hostAdi;                          // raw host name; empty on error
    std::function<QString()> kullaniciAdi;                     // user of the process; empty on error
    std::function<QStringList(const QString& ad)> ipv4Coz;     // dotted IPv4 addresses of a host name, in order
    std::function<QList<AgAdaptoru>()> adaptorler;             // in the system's order
    std::function<QString()> diskSeri;                         // serial of the first physical disk; throws when none
    std::function<QString()> bilesenSeri;                      // THDDInfo's Serial for drive 0; may throw
    std::function<QString()> veriKoku;                         // per-user configuration folder; empty when unknown
    std::function<QString()> belgeler;                         // documents folder; empty when unknown
    std::function<QString()> evKlasoru;                        // the user's home folder
    std::function<bool(const QString& yol)> dosyaVar;
};

// The sources of this machine. kok is the file-system root the disk and
// adapter readers look under ("/" normally; a prepared tree in tests).
KimlikKaynaklari LinuxKaynaklari(const QString& kok = QStringLiteral("/"));

// The sources in force; tests replace them, LinuxKaynaklari() restores.
// Set them before any identity call runs (they are read from worker threads too).
KimlikKaynaklari kimlikKaynaklari();
void KimlikKaynaklariKur(KimlikKaynaklari k);

// Readers behind the Linux sources, open for tests with a prepared tree.
QString LinuxDiskSeriOku(const QString& kok);                  // throws std::runtime_error when none
QList<AgAdaptoru> LinuxAdaptorleriSysfs(const QString& kok);   // /sys/class/net in interface-index order

// Two disks that present themselves to the server as one registered computer.
inline constexpr const char* kEslesenSeri1 = "WD-WCC4N0XJ7KP1";
inline constexpr const char* kEslesenSeri2 = "S2R6NX0H614783B";
inline constexpr const char* kEslesenKimlik = "VELMOR-MERKEZ-01";

QString BilgisayarAdiAl();
QString KullaniciAdiAl();
QString YerelIpAl();
QString MacAdresiAl();
QString WmiDiskSeriAl();   // throws std::runtime_error when no disk serial is found
QString DiskSeriAl();
QString BilgisayarIdAl();

QString VeriKlasoru();
QString BelgelerKlasoru();

QString UrlKodla(const QString& url);
QString ChromeYolu();
int IEVersiyonu();

} // namespace mivo
