#pragma once
// A real mivo-server on ephemeral ports with a fresh database, for one test.
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace mivotest {

class TestSunucu {
public:
    // ekArgs go to the server; veritabani empty = a fresh SQLite file in a temp dir.
    explicit TestSunucu(QStringList ekArgs = {}, QString veritabani = {});
    ~TestSunucu();

    bool basla(int msBekle = 20000);   // true when the ports were announced
    void durdur();                     // SIGTERM, wait
    void oldur();                      // SIGKILL
    int port() const { return port_; }
    int webPort() const { return webPort_; }
    QString veritabani() const { return db_; }
    QString klasor() const { return dir_.path(); }
    QProcess& surec() { return *p_; }

    // Points the client's configuration value at this server.
    void istemciyiYonlendir() const;

    // Runs an operator command of mivo-server against the same database; returns stdout.
    QByteArray komut(const QStringList& args, int* cikis = nullptr) const;
    static QString sunucuYolu();

private:
    QTemporaryDir dir_;
    QString db_;
    QStringList args_;
    std::unique_ptr<QProcess> p_;
    int port_ = 0, webPort_ = 0;
};

// PostgreSQL URL of a test server when one is available (env MIVO_TEST_PG), else empty.
QString testPostgresAdresi();

} // namespace mivotest
