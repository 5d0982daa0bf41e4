#include "sunucu.h"
#include "web.h"
#include "yontemler.h"
#include "protocol/frame.h"

#include <QElapsedTimer>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace dealer {

namespace {

int dinlemeAc(const QString& adres, int port, int& gercekPort)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error("socket() failed");
    int bir = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &bir, sizeof bir);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(quint16(port));
    if (::inet_pton(AF_INET, adres.toLatin1().constData(), &sa.sin_addr) != 1) {
        ::close(fd);
        throw std::runtime_error("bad listen address");
    }
    if (::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) < 0 || ::listen(fd, 256) < 0) {
        const int e = errno;
        ::close(fd);
        throw std::runtime_error("cannot listen on port " + std::to_string(port) + ": " + std::strerror(e));
    }
    socklen_t len = sizeof sa;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
    gercekPort = ntohs(sa.sin_port);
    return fd;
}

} // namespace

bool hepsiniGonder(int fd, const char* p, size_t n, int ms)
{
    QElapsedTimer t;
    t.start();
    while (n > 0) {
        const ssize_t k = ::send(fd, p, n, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (k > 0) { p += k; n -= size_t(k); continue; }
        if (k < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return false;
        const int kalan = ms - int(t.elapsed());
        if (kalan <= 0) return false;
        pollfd pf{fd, POLLOUT, 0};
        if (::poll(&pf, 1, kalan) <= 0) return false;
    }
    return true;
}

Sunucu::Sunucu(SunucuAyari a) : a_(std::move(a))
{
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) < 0) throw std::runtime_error("pipe2 failed");
}

Sunucu::~Sunucu()
{
    durdur();
    for (auto& t : isciler_)
        if (t.joinable()) t.join();
    if (dinle_ >= 0) ::close(dinle_);
    if (webDinle_ >= 0) ::close(webDinle_);
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void Sunucu::baslat()
{
    dinle_ = dinlemeAc(a_.dinlemeAdresi, a_.port, port_);
    if (a_.webPort >= 0) webDinle_ = dinlemeAc(a_.dinlemeAdresi, a_.webPort, webPort_);
    for (int i = 0; i < a_.isciSayisi; ++i) isciler_.emplace_back([this] { isci(); });
}

void Sunucu::durdur()
{
    duruyor_ = true;
    const char c = 1;
    [[maybe_unused]] auto r = ::write(pipe_[1], &c, 1);
    cv_.notify_all();
}

void Sunucu::calis()
{
    pollfd pf[3] = {{dinle_, POLLIN, 0}, {webDinle_, POLLIN, 0}, {pipe_[0], POLLIN, 0}};
    while (!duruyor_) {
        const int n = ::poll(pf, 3, 1000);
        if (n < 0 && errno == EINTR) continue;
        if (pf[2].revents) break;
        for (int i = 0; i < 2; ++i) {
            if (pf[i].fd < 0 || !(pf[i].revents & POLLIN)) continue;
            const int c = ::accept4(pf[i].fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (c < 0) continue;
            int bir = 1;
            ::setsockopt(c, IPPROTO_TCP, TCP_NODELAY, &bir, sizeof bir);
            {
                std::lock_guard<std::mutex> l(m_);
                kuyruk_.push_back({c, i == 1});
            }
            cv_.notify_one();
        }
    }
    duruyor_ = true;
    cv_.notify_all();
    for (auto& t : isciler_)
        if (t.joinable()) t.join();
    std::lock_guard<std::mutex> l(m_);
    for (auto& is : kuyruk_) ::close(is.fd);
    kuyruk_.clear();
}

void Sunucu::isci()
{
    std::unique_ptr<Veritabani> db;
    for (;;) {
        Is is;
        {
            std::unique_lock<std::mutex> l(m_);
            cv_.wait(l, [&] { return duruyor_ || !kuyruk_.empty(); });
            if (duruyor_) return;
            is = kuyruk_.front();
            kuyruk_.pop_front();
        }
        try {
            if (!db) db = std::make_unique<Veritabani>(a_.vt);
            if (is.web) webIsle(is.fd, *db);
            else baglantiIsle(is.fd, *db);
        } catch (const std::exception& e) {
            if (!is.web) {
                const QByteArray f = protocol::frame(protocol::encodeError(QStringLiteral("EDatabaseError"), QString::fromUtf8(e.what())));
                hepsiniGonder(is.fd, f.constData(), size_t(f.size()), 2000);
            }
            db.reset();   // reopened for the next connection
        }
        ::close(is.fd);
    }
}

void Sunucu::baglantiIsle(int fd, Veritabani& db)
{
    protocol::FrameDecoder dec(a_.azamiCerceve);
    char buf[65536];
    // Idle time counts from the last answer; a begun frame must be complete within
    // the stall limit from its first byte, however slowly the rest drips in.
    QElapsedTimer bekleme, cerceve;
    bekleme.start();
    bool yarim = false;
    for (;;) {
        if (auto p = dec.next()) {
            const QByteArray f = protocol::frame(istegiIsle(*p, db, a_));
            if (!hepsiniGonder(fd, f.constData(), size_t(f.size()), a_.takilmaZamanAsimiMs)) return;
            bekleme.restart();
            yarim = false;
            continue;
        }
        if (dec.tooLarge()) {
            const QByteArray f = protocol::frame(protocol::encodeError(
                QStringLiteral("TDBXError"),
                QStringLiteral("Frame of %1 bytes exceeds the limit of %2 bytes").arg(dec.claimedSize()).arg(a_.azamiCerceve)));
            hepsiniGonder(fd, f.constData(), size_t(f.size()), 2000);
            return;
        }
        if (dec.midFrame() && !yarim) {
            yarim = true;
            cerceve.start();
        }
        const int kalan = yarim ? a_.takilmaZamanAsimiMs - int(cerceve.elapsed()) : a_.bosZamanAsimiMs - int(bekleme.elapsed());
        if (kalan <= 0 || duruyor_) return;
        pollfd pf{fd, POLLIN, 0};
        const int n = ::poll(&pf, 1, qMin(kalan, 500));
        if (n < 0 && errno != EINTR) return;
        if (n <= 0) continue;
        const ssize_t k = ::recv(fd, buf, sizeof buf, 0);
        if (k <= 0) return;
        dec.feed(buf, k);
    }
}

void Sunucu::webIsle(int fd, Veritabani& db)
{
    webIstegiIsle(fd, db, a_);
}

} // namespace dealer
