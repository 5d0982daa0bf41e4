#include "anabaglam.h"

namespace mivo {

QString GosterimAlani(const TMemTable& t, QStringView alan)
{
    const int c = t.FieldIndex(alan);
    if (c < 0 || t.RecNo() < 0) return QString();
    return GosterimMetni(t.FieldDefs()[c], t.Cell(t.RecNo(), c));
}

} // namespace mivo
