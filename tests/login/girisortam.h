#pragma once
// Shared by the login and request tests: accounts in the test server's database,
// an injected computer identity, a closer for the modal windows a flow opens,
// and screenshots on request (MIVO_SHOTS=<folder>).
#include "login/kimlik.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTimer>
#include <QUuid>
#include <QWidget>
#include <functional>
#include <memory>
#include <mutex>

namespace mivotest {

struct Hesap {
    QString bilgisayarid, adi, sifre;
    int musteritipi = 3, aktif = 1, versiyon = 5;
};

// Puts an account straight into the server's database (SQLite, WAL: the server keeps running).
inline bool HesapEkle(const QString& veritabani, const Hesap& h)
{
    const QString ad = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        db.setDatabaseName(veritabani);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("INSERT INTO hesap (bilgisayarid, adi, sifre, musteritipi, aktif, versiyon) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"));
            for (const QVariant& v : QVariantList{h.bilgisayarid, h.adi, h.sifre, h.musteritipi, h.aktif, h.versiyon})
                q.addBindValue(v);
            ok = q.exec();
            if (!ok) qWarning("hesap: %s", qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(ad);
    return ok;
}

// The computer the tests run on: a chosen disk serial, a host name and a data folder.
struct SahteKimlik {
    std::mutex kilit;
    QString seri;
    void ayarla(const QString& s)
    {
        std::lock_guard<std::mutex> g(kilit);
        seri = s;
    }
    void kur(const QString& veriKoku)
    {
        mivo::KimlikKaynaklari k = mivo::LinuxKaynaklari();
        k.hostAdi = [] { return QStringLiteral("test-pc.bayi.local"); };
        k.ipv4Coz = [](const QString&) { return QStringList{QStringLiteral("10.0.0.7")}; };
        k.diskSeri = [this] {
            std::lock_guard<std::mutex> g(kilit);
            return seri;
        };
        k.bilesenSeri = [] { return QString(); };
        k.veriKoku = [veriKoku] { return veriKoku; };
        mivo::KimlikKaynaklariKur(k);
    }
};

// Closes every modal window a flow opens (the scripted responder answers the
// message dialogs; these are real windows) and remembers what it saw.
class ModalKapatici : public QObject {
public:
    QStringList gorulen;                               // class name + ":" + caption
    std::function<void(QDialog*)> gorunce;             // inspect before it closes
    ModalKapatici()
    {
        t_.setInterval(20);
        QObject::connect(&t_, &QTimer::timeout, this, [this] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible()) return;
            gorulen << QString::fromLatin1(d->metaObject()->className()) + QLatin1Char(':') + d->windowTitle();
            if (gorunce) gorunce(d);
            d->reject();
        });
        t_.start();
    }

private:
    QTimer t_;
};

inline void EkranGoruntusu(QWidget* w, const QString& ad)
{
    const QString klasor = qEnvironmentVariable("MIVO_SHOTS");
    if (klasor.isEmpty()) return;
    QDir().mkpath(klasor);
    w->grab().save(klasor + QLatin1Char('/') + ad + QStringLiteral(".png"));
}

// A local port where nothing listens.
inline int KapaliPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const int p = s.serverPort();
    s.close();
    return p;
}

} // namespace mivotest
