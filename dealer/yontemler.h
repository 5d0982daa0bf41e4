#pragma once
// Remote-method implementations and their dispatch by the catalogue.
#include "protocol/catalogue.h"
#include "protocol/codec.h"
#include "server/baglantiu.h"
#include "veritabani.h"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace dealer {

// An error a method reports to the caller with its class name.
class SunucuHatasi : public std::runtime_error {
public:
    SunucuHatasi(QString cls, const QString& msg) : std::runtime_error(msg.toStdString()), sinif(std::move(cls)) {}
    QString sinif;
};

struct SunucuAyari;

// One call in progress: typed access to the inputs, and the outputs by ordinal.
class Cagri {
public:
    Cagri(const protocol::MethodSpec& s, const QVector<protocol::Value>& p, Veritabani& db, const SunucuAyari& ayar)
        : tanim(s), params(p), db(db), ayar(ayar) {}
    const protocol::MethodSpec& tanim;
    const QVector<protocol::Value>& params;
    Veritabani& db;
    const SunucuAyari& ayar;
    QVector<protocol::Output> cikti;

    int tam(int i) const { return params[i].toInt32(); }
    double ondalik(int i) const { return params[i].toDouble(); }
    QString metin(int i) const { return params[i].toString(); }
    // The session record of an object parameter; a null record reads as defaults.
    mivo::TSonucBilgisi sb(int i) const;

    void cik(int ordinal, protocol::Value v) { cikti.push_back({ordinal, std::move(v)}); }
    void sonuc(protocol::Value v) { cik(tanim.resultOrdinal(), std::move(v)); }
    void tablo(std::shared_ptr<protocol::RowSet> t) { sonuc(protocol::Value::table(std::move(t))); }
    template <class R> void nesne(const R* r) { sonuc(r ? protocol::Value::json(mivo::NesneJson(*r)) : protocol::Value::null()); }
};

using Isleyici = std::function<void(Cagri&)>;

// Every method implementation registers itself here by name.
std::map<QString, Isleyici>& isleyiciler();
struct Kayit {
    Kayit(const char* ad, Isleyici f);
};
#define MIVO_YONTEM(Ad) \
    static void yontem_##Ad(dealer::Cagri& c); \
    static dealer::Kayit kayit_##Ad(#Ad, &yontem_##Ad); \
    static void yontem_##Ad(dealer::Cagri& c)

// Decodes a request payload, checks it against the catalogue, runs the method,
// and encodes the answer. Never throws: every failure becomes an error response.
QByteArray istegiIsle(const QByteArray& payload, Veritabani& db, const SunucuAyari& ayar);

} // namespace dealer
