#pragma once
#include <QStringList>

namespace dealer {
// CREATE statements of the dealer's schema, for SQLite or PostgreSQL.
QStringList semaKomutlari(bool postgres);
// The trigram search indexes of PostgreSQL; optional (they need the pg_trgm extension).
QStringList pgTrigramKomutlari();
}
