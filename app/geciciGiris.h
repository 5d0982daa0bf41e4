#pragma once
// A stand-in for the login window until it lands: asks for nothing, fetches the
// account for this computer and accepts it. Named so nobody mistakes it for the real one.
#include "server/baglanti.h"
#include "server/baglantiu.h"

class QWidget;

namespace mivo {
int GeciciGirisCalistir(QWidget* sahip, TSQLConnection& bagim, TSonucBilgisi& bilgim);
}
