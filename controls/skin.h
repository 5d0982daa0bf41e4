#pragma once
// The two skins, as application style sheets selected by name.
#include <QString>

namespace mivo {

extern const char* const kOfficeSkin;   // "Office2010 Blue (internal)"
extern const char* const kWinterSkin;   // "Winter2011 (internal)"

void SkinSec(const QString& ad);
QString AktifSkin();

} // namespace mivo
