#include "web.h"
#include "sunucu.h"

#include <QElapsedTimer>
#include <QUrl>
#include <QUrlQuery>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace dealer {

std::map<QString, WebIsleyici>& webYollari()
{
    static std::map<QString, WebIsleyici> m;
    return m;
}

WebKayit::WebKayit(const char* yol, WebIsleyici f) { webYollari()[QString::fromLatin1(yol)] = std::move(f); }

namespace {

// The caller's address as plain text: what the client records as its external IP.
WebKayit ipKaydi("/ip.php", [](const WebIstek& i) {
    WebYanit y;
    y.govde = i.istemciAdresi.toUtf8();
    return y;
});

QByteArray durumMetni(int kod)
{
    switch (kod) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    default: return "Internal Server Error";
    }
}

void yanitGonder(int fd, const WebYanit& y)
{
    QByteArray h = "HTTP/1.0 " + QByteArray::number(y.kod) + ' ' + durumMetni(y.kod) + "\r\n";
    h += "Content-Type: " + y.icerikTuru + "\r\n";
    h += "Content-Length: " + QByteArray::number(y.govde.size()) + "\r\n";
    if (!y.dosyaAdi.isEmpty()) h += "Content-Disposition: attachment; filename=\"" + y.dosyaAdi + "\"\r\n";
    h += "Connection: close\r\n\r\n";
    hepsiniGonder(fd, h.constData(), size_t(h.size()), 10000);
    hepsiniGonder(fd, y.govde.constData(), size_t(y.govde.size()), 60000);
}

WebYanit hata(int kod, const char* metin)
{
    WebYanit y;
    y.kod = kod;
    y.govde = metin;
    return y;
}

} // namespace

void webIstegiIsle(int fd, Veritabani& db, const SunucuAyari& a)
{
    QByteArray istek;
    QElapsedTimer t;
    t.start();
    char buf[4096];
    while (!istek.contains("\r\n\r\n") && !istek.contains("\n\n")) {
        if (istek.size() > 16384) { yanitGonder(fd, hata(400, "request too large")); return; }
        const int kalan = 5000 - int(t.elapsed());
        if (kalan <= 0) return;
        pollfd pf{fd, POLLIN, 0};
        if (::poll(&pf, 1, kalan) <= 0) return;
        const ssize_t k = ::recv(fd, buf, sizeof buf, 0);
        if (k <= 0) return;
        istek.append(buf, k);
    }
    const QByteArray ilk = istek.left(istek.indexOf('\n')).trimmed();
    const QList<QByteArray> parca = ilk.split(' ');
    if (parca.size() < 2) { yanitGonder(fd, hata(400, "bad request")); return; }
    if (parca[0] != "GET" && parca[0] != "HEAD") { yanitGonder(fd, hata(405, "only GET")); return; }
    const QUrl url(QString::fromLatin1(parca[1]));
    WebIstek w;
    w.yol = url.path();
    for (const auto& kv : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) w.sorgu.insert(kv.first, kv.second);
    sockaddr_storage ss{};
    socklen_t len = sizeof ss;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&ss), &len) == 0 && ss.ss_family == AF_INET) {
        char ip[INET_ADDRSTRLEN];
        ::inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(&ss)->sin_addr, ip, sizeof ip);
        w.istemciAdresi = QString::fromLatin1(ip);
    }
    w.db = &db;
    w.ayar = &a;
    auto it = webYollari().find(w.yol);
    if (it == webYollari().end()) { yanitGonder(fd, hata(404, "not found")); return; }
    WebYanit y;
    try {
        y = it->second(w);
    } catch (const std::exception& e) {
        y = hata(500, e.what());
    }
    if (parca[0] == "HEAD") y.govde.clear();
    yanitGonder(fd, y);
}

} // namespace dealer
