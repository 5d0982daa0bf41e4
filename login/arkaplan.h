#pragma once
// The background-call mechanism: preparation on the UI thread, a loader on a
// pool thread that returns true on failure, completion on the UI thread.
// An exception in the loader runs the completion with hata false and is then
// shown through the application's default error report; the program goes on.
#include <QObject>
#include <functional>

namespace mivo {

struct ArkaPlanCagrisi {
    QObject* Self = nullptr;
    bool hata = false;
};

// tamamlama runs only while sahip still exists. The loader must not touch any
// widget or any table that is attached to a model.
void ArkaPlanBaslat(QObject* sahip, const std::function<void()>& hazirlik,
                    std::function<bool()> yukleyici, std::function<void(bool hata)> tamamlama);

// Background calls started and not yet completed (tests wait for 0).
int ArkaPlanSayisi();

} // namespace mivo
