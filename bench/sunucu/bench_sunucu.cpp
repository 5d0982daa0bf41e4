// Throughput of mivo-server with short-lived connections: connect, StokAraMivo, close.
// usage: bench_sunucu DATABASE [TEXT] [SECONDS]   (the database must be seeded)
#include "protocol/codec.h"
#include "server/baglanti.h"
#include "server/baglantiu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

using protocol::Value;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 2) { std::fprintf(stderr, "usage: bench_sunucu DATABASE [TEXT] [SECONDS]\n"); return 2; }
    const QString metin = a.size() > 2 ? a[2] : QStringLiteral("RAD");
    const int sure = a.size() > 3 ? a[3].toInt() : 5;
    QProcess s;
    s.start(QStringLiteral(MIVO_SERVER_BIN), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--web-port"),
                                              QStringLiteral("-1"), QStringLiteral("--listen"), QStringLiteral("127.0.0.1"),
                                              QStringLiteral("--database"), a[1]});
    int port = 0;
    QByteArray out;
    while (port == 0 && s.waitForReadyRead(20000)) {
        out += s.readAllStandardOutput();
        for (const QByteArray& l : out.split('\n'))
            if (l.startsWith("PORT ")) port = l.mid(5).toInt();
    }
    if (!port) { std::fprintf(stderr, "server did not start\n"); return 1; }
    mivo::TSonucBilgisi b;
    b.SetCARINO(1);
    const QByteArray sbj = mivo::NesneJson(b);
    auto cagri = [&](int* satir) {
        mivo::TSQLConnection c;
        c.HostName = QStringLiteral("127.0.0.1");
        c.Port = QString::number(port);
        c.Open();
        auto r = c.Execute({QStringLiteral("TServerMethods1.StokAraMivo"), {Value::string(metin), Value::json(sbj)}});
        if (satir) *satir = r.outputs.isEmpty() || !r.outputs.last().value.rowSet() ? -1 : r.outputs.last().value.rowSet()->rows.size();
        c.Close();
    };
    int satir = 0;
    cagri(&satir);
    std::printf("search \"%s\": %d rows\n", qPrintable(metin), satir);
    for (int n : {1, 8, 32}) {
        std::atomic<bool> dur{false};
        std::mutex m;
        std::vector<double> gecikmeler;
        std::vector<std::thread> is;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < n; ++i)
            is.emplace_back([&] {
                std::vector<double> g;
                while (!dur) {
                    QElapsedTimer c;
                    c.start();
                    try { cagri(nullptr); } catch (...) { continue; }
                    g.push_back(c.nsecsElapsed() / 1e6);
                }
                std::lock_guard<std::mutex> l(m);
                gecikmeler.insert(gecikmeler.end(), g.begin(), g.end());
            });
        std::this_thread::sleep_for(std::chrono::seconds(sure));
        dur = true;
        for (auto& x : is) x.join();
        const double sn = t.elapsed() / 1000.0;
        std::sort(gecikmeler.begin(), gecikmeler.end());
        auto yuzde = [&](double p) { return gecikmeler.empty() ? 0.0 : gecikmeler[size_t(p * (gecikmeler.size() - 1))]; };
        std::printf("%2d callers: %7.0f calls/s  p50 %6.2f ms  p99 %6.2f ms\n", n, gecikmeler.size() / sn, yuzde(0.5), yuzde(0.99));
        std::fflush(stdout);
    }
    s.terminate();
    s.waitForFinished(5000);
    return 0;
}
