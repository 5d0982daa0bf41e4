#pragma once
// The small web side of mivo-server: plain HTTP GET on its own port.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <functional>
#include <map>

namespace dealer {

class Veritabani;
struct SunucuAyari;

struct WebIstek {
    QString yol;                  // "/ip.php"
    QMap<QString, QString> sorgu; // decoded query keys
    QString istemciAdresi;        // the caller's address as the socket sees it
    Veritabani* db = nullptr;
    const SunucuAyari* ayar = nullptr;
};

struct WebYanit {
    int kod = 200;
    QByteArray icerikTuru = "text/plain; charset=utf-8";
    QByteArray govde;
    QByteArray dosyaAdi;          // sets Content-Disposition when given
};

using WebIsleyici = std::function<WebYanit(const WebIstek&)>;
std::map<QString, WebIsleyici>& webYollari();
struct WebKayit {
    WebKayit(const char* yol, WebIsleyici f);
};

void webIstegiIsle(int fd, Veritabani& db, const SunucuAyari& a);

} // namespace dealer
