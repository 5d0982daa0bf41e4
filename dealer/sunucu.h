#pragma once
// mivo-server's network side: the method port and the small web port, served
// by a fixed pool of worker threads, each with its own database connection.
#include "veritabani.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace dealer {

struct SunucuAyari {
    QString dinlemeAdresi = QStringLiteral("0.0.0.0");
    int port = 9091;          // 0: any free port
    int webPort = 9092;       // 0: any free port; -1: no web side
    int isciSayisi = 16;
    int bosZamanAsimiMs = 30000;     // idle between requests
    int takilmaZamanAsimiMs = 10000; // a frame begun but not finished
    quint32 azamiCerceve = 64u * 1024u * 1024u;
    VeritabaniAyari vt;
    QString dosyaKlasoru;     // where the web side finds the setup program
};

class Sunucu {
public:
    explicit Sunucu(SunucuAyari a);
    ~Sunucu();
    // Binds both ports; throws std::runtime_error when it cannot.
    void baslat();
    int port() const { return port_; }
    int webPort() const { return webPort_; }
    // Blocks until durdur() (from any thread or a signal handler).
    void calis();
    void durdur();
    int durdurmaFd() const { return pipe_[1]; }

private:
    struct Is { int fd; bool web; };
    void isci();
    void baglantiIsle(int fd, Veritabani& db);
    void webIsle(int fd, Veritabani& db);

    SunucuAyari a_;
    int dinle_ = -1, webDinle_ = -1;
    int port_ = 0, webPort_ = 0;
    int pipe_[2] = {-1, -1};
    std::atomic<bool> duruyor_{false};
    std::mutex m_;
    std::condition_variable cv_;
    std::deque<Is> kuyruk_;
    std::vector<std::thread> isciler_;
};

// Sends all bytes, waiting at most ms for the peer to take them.
bool hepsiniGonder(int fd, const char* p, size_t n, int ms);

} // namespace dealer
