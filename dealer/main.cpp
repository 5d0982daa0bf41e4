// mivo-server: the dealer's application server.
#include "komutlar.h"
#include "sunucu.h"

#include <QGuiApplication>
#include <QDir>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace dealer;


namespace {

int durdurmaFd = -1;

extern "C" void sinyal(int)
{
    const char c = 1;
    if (durdurmaFd >= 0) [[maybe_unused]] auto r = ::write(durdurmaFd, &c, 1);
}

QString varsayilanVeritabani()
{
    QString d = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (d.isEmpty()) d = QDir::homePath() + QStringLiteral("/.local/share");
    d += QStringLiteral("/mivo-server");
    QDir().mkpath(d);
    return d + QStringLiteral("/mivo.sqlite");
}

void kullanim()
{
    std::fprintf(stderr,
                 "usage: mivo-server [--port N] [--web-port N] [--listen ADDR] [--database PATH|postgresql://...]\n"
                 "                   [--threads N] [--idle-timeout-ms N] [--stall-timeout-ms N] [--max-frame BYTES]\n"
                 "                   [--files DIR] [--seed-demo]\n"
                 "       mivo-server COMMAND [--database ...] args...\n"
                 "commands:\n");
    for (const auto& [ad, k] : komutlar()) std::fprintf(stderr, "  %s %s\n", qPrintable(ad), k.kullanim);
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures and PDF reports are drawn here; the server never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    SunucuAyari a;
    a.vt.adres = QString();
    bool tohum = false;
    QString komut;
    QStringList komutArgs;
    auto sayi = [&](int& i, int& hedef) {
        if (i + 1 >= args.size()) return false;
        bool ok;
        hedef = args[++i].toInt(&ok);
        return ok;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& s = args[i];
        bool ok = true;
        if (s == QLatin1String("--port")) ok = sayi(i, a.port);
        else if (s == QLatin1String("--web-port")) ok = sayi(i, a.webPort);
        else if (s == QLatin1String("--threads")) ok = sayi(i, a.isciSayisi) && a.isciSayisi > 0;
        else if (s == QLatin1String("--idle-timeout-ms")) ok = sayi(i, a.bosZamanAsimiMs);
        else if (s == QLatin1String("--stall-timeout-ms")) ok = sayi(i, a.takilmaZamanAsimiMs);
        else if (s == QLatin1String("--max-frame")) { int m = 0; ok = sayi(i, m) && m > 0; a.azamiCerceve = quint32(m); }
        else if (s == QLatin1String("--database") && i + 1 < args.size()) a.vt.adres = args[++i];
        else if (s == QLatin1String("--listen") && i + 1 < args.size()) a.dinlemeAdresi = args[++i];
        else if (s == QLatin1String("--files") && i + 1 < args.size()) a.dosyaKlasoru = args[++i];
        else if (s == QLatin1String("--seed-demo")) tohum = true;
        else if (s == QLatin1String("--help") || s == QLatin1String("-h")) { kullanim(); return 0; }
        else if (komut.isEmpty() && !s.startsWith(QLatin1String("--")) && komutlar().count(s)) komut = s;
        else if (!komut.isEmpty()) komutArgs << s;
        else ok = false;
        if (!ok) {
            std::fprintf(stderr, "mivo-server: bad argument %s\n", qPrintable(s));
            kullanim();
            return 2;
        }
    }
    if (a.vt.adres.isEmpty()) a.vt.adres = varsayilanVeritabani();

    try {
        {
            Veritabani db(a.vt);
            db.semaKur();
        }
        if (tohum) {
            auto it = komutlar().find(QStringLiteral("seed-demo"));
            if (it == komutlar().end()) { std::fprintf(stderr, "mivo-server: no demo data in this build\n"); return 1; }
            if (int r = it->second.f(a.vt, {}); r != 0) return r;
            if (komut.isEmpty()) return 0;
        }
        if (!komut.isEmpty()) return komutlar()[komut].f(a.vt, komutArgs);

        Sunucu s(a);
        s.baslat();
        durdurmaFd = s.durdurmaFd();
        struct sigaction sa{};
        sa.sa_handler = sinyal;
        sigaction(SIGTERM, &sa, nullptr);
        sigaction(SIGINT, &sa, nullptr);
        std::signal(SIGPIPE, SIG_IGN);
        std::printf("PORT %d\nWEBPORT %d\n", s.port(), s.webPort());
        std::fflush(stdout);
        s.calis();
        std::fprintf(stderr, "mivo-server: stopped\n");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mivo-server: %s\n", e.what());
        return 1;
    }
    return 0;
}
