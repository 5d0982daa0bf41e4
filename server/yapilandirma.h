#pragma once
// The one configuration value every connecting class reads. Hosts come from the
// build (CMake cache variables); tests aim it at a server on an ephemeral port.
#include <QString>

namespace mivo {

constexpr int kProgramVersiyonu = 5;
constexpr const char* kSunucuPortu = "9091";

struct Yapilandirma {
    QString sunucuHost;     // application server host
    QString sunucuPort;     // "9091"
    QString webHost;        // host:port of the dealer's web side
    QString ipEchoUrl;      // full URL of ip.php
    QString webSitesi;      // dealer's web site address shown in the menu
    int baglanmaZamanAsimiMs = 3000;   // platform default for one connect attempt
    int cagriZamanAsimiMs = 120000;    // one call's answer
};

// Build defaults; tests replace the value before anything connects.
Yapilandirma& yapilandirma();

} // namespace mivo
