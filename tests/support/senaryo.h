#pragma once
// A scripted responder in place of the real dialogs: it records every dialog
// and answers from a queue (OK / the default button when the queue is empty).
#include "login/mesajkutusu.h"

#include <QList>
#include <functional>
#include <memory>

namespace mivotest {

class Senaryo : public mivo::DiyalogServisi {
public:
    int goster(const mivo::DiyalogIstegi& istek) override;
    QList<mivo::DiyalogIstegi> gorulen;
    QList<int> cevaplar;                                  // modal results to give, in order
    std::function<int(const mivo::DiyalogIstegi&)> kural; // or a rule, consulted first

    QStringList metinler() const;
    void temizle() { gorulen.clear(); cevaplar.clear(); }
};

// Installs a fresh scripted responder for the life of the returned object.
struct SenaryoKur {
    SenaryoKur();
    ~SenaryoKur();
    std::shared_ptr<Senaryo> s;
    Senaryo* operator->() { return s.get(); }
};

} // namespace mivotest
