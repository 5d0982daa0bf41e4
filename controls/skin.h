#pragma once
// The two skins, as application style sheets selected by name.
#include <QString>

namespace mivo {

extern const char* const kOfficeSkin;   // "Office2010 Blue (internal)"
extern const char* const kWinterSkin;   // "Winter2011 (internal)"

// Applies the named skin to the application (style, palette, style sheet).
// An unknown name selects the default skin.
void SkinSec(const QString& ad);
QString AktifSkin();

// The style sheet of a skin, without applying it.
QString SkinStilSayfasi(const QString& ad);

} // namespace mivo
