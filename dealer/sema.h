#pragma once
#include <QStringList>

namespace dealer {
// CREATE statements of the dealer's schema, for SQLite or PostgreSQL.
QStringList semaKomutlari(bool postgres);
}
