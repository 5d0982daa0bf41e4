#include "kaynaklar.h"

#include <QtGlobal>

static void yukle() { Q_INIT_RESOURCE(mivo); }

namespace mivo {
void KaynaklariYukle() { yukle(); }
}
