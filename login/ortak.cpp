#include "ortak.h"
#include "mesajkutusu.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <stdexcept>

namespace mivo {

const char* const kBaglantiHatasi = "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!";

namespace {
int gBekleme = 500;
std::function<void(int)>& kanca()
{
    static std::function<void(int)> f;
    return f;
}
} // namespace

void BaglantiBeklemesiAyarla(int ms) { gBekleme = ms; }
void BaglantiDenemeKancasi(std::function<void(int)> f) { kanca() = std::move(f); }

void ArayuzdeCalistir(const std::function<void()>& f)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) { f(); return; }
    QMetaObject::invokeMethod(app, f, Qt::BlockingQueuedConnection);
}

void ArayuzeGonder(const QPointer<QObject>& hedef, std::function<void()> f)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    QMetaObject::invokeMethod(app, [hedef, f = std::move(f)] { if (hedef) f(); }, Qt::QueuedConnection);
}

void BaglantiHatasiGoster()
{
    ArayuzdeCalistir([] { MesajKutusu(QString::fromUtf8(kBaglantiHatasi), mtError, {mbOK}, mbOK); });
}

bool BaglantiKontrol(TSQLConnection& c, int mesaj)
{
    c.Close();
    for (int hatalar = 0; hatalar < 11;) {
        if (kanca()) kanca()(hatalar + 1);
        try {
            c.Open();
            return true;
        } catch (const std::exception&) {
            c.Close();
            QThread::msleep(gBekleme);
            ++hatalar;
        }
    }
    if (mesaj == 1) BaglantiHatasiGoster();
    return false;
}

void Korumali(const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        HataRaporu(QString::fromUtf8(e.what()));
    } catch (...) {
        HataRaporu(QStringLiteral("Unknown error"));
    }
}

QString HataMetni(const std::exception& e)
{
    QString sinif = QStringLiteral("Exception");
    if (auto* r = dynamic_cast<const protocol::RemoteError*>(&e)) sinif = r->className;
    else if (dynamic_cast<const EBaglantiHatasi*>(&e)) sinif = QStringLiteral("EBaglantiHatasi");
    else if (dynamic_cast<const EDatabaseError*>(&e)) sinif = QStringLiteral("EDatabaseError");
    else if (dynamic_cast<const protocol::ProtocolError*>(&e)) sinif = QStringLiteral("EProtocolError");
    else if (dynamic_cast<const std::invalid_argument*>(&e)) sinif = QStringLiteral("EConvertError");
    return sinif + QStringLiteral(": ") + QString::fromUtf8(e.what());
}

bool TabloDoluMu(const TMemTable& t) { return t.Active() && t.RecordCount() != 0; }

bool SeciliVarMi(TMemTable& t)
{
    if (!TabloDoluMu(t)) return false;
    const int c = t.FieldIndex(u"SEC");
    t.First();
    while (!t.Eof()) {
        if (c >= 0 && t.Cell(t.RecNo(), c).toInt() == 1) return true;
        t.Next();
    }
    return false;
}

} // namespace mivo
