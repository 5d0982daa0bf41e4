#pragma once
// The identity of this computer: names, addresses and the computer identifier.
#include <QString>

namespace mivo {

QString BilgisayarAdiAl();
QString KullaniciAdiAl();
QString YerelIpAl();
QString BilgisayarIdAl();

} // namespace mivo
