#include "arkaplan.h"
#include "mesajkutusu.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <exception>
#include <memory>

namespace mivo {

namespace {
std::atomic<int> gCalisan{0};

struct Sonuc {
    bool hata = false;
    QString istisna;
    bool istisnaVar = false;
};
} // namespace

int ArkaPlanSayisi() { return gCalisan.load(); }

void ArkaPlanBaslat(QObject* sahip, const std::function<void()>& hazirlik, std::function<bool()> yukleyici,
                    std::function<void(bool)> tamamlama)
{
    auto kayit = std::make_shared<ArkaPlanCagrisi>();
    kayit->Self = sahip;
    if (hazirlik) hazirlik();
    ++gCalisan;
    auto* izleyici = new QFutureWatcher<Sonuc>();
    QPointer<QObject> guvenli(sahip);
    QObject::connect(izleyici, &QFutureWatcher<Sonuc>::finished, izleyici,
                     [izleyici, guvenli, sahipVardi = sahip != nullptr, kayit, tamamlama = std::move(tamamlama)] {
        const Sonuc s = izleyici->result();
        izleyici->deleteLater();
        --gCalisan;
        if (sahipVardi && !guvenli) return;
        kayit->hata = s.hata;
        if (tamamlama) tamamlama(kayit->hata);
        if (s.istisnaVar) HataRaporu(s.istisna);
    });
    izleyici->setFuture(QtConcurrent::run([yukleyici = std::move(yukleyici)]() {
        Sonuc s;
        try {
            s.hata = yukleyici ? yukleyici() : false;
        } catch (const std::exception& e) {
            s.hata = false;
            s.istisnaVar = true;
            s.istisna = QString::fromUtf8(e.what());
        } catch (...) {
            s.istisnaVar = true;
            s.istisna = QStringLiteral("Unknown error");
        }
        return s;
    }));
}

} // namespace mivo
