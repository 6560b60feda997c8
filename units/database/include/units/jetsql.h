#ifndef BRIMLOW_JETSQL_H
#define BRIMLOW_JETSQL_H

// Makes an SQLite connection answer the unit statements the way the unit
// file's original engine did: `like` with that engine's wildcards, ignoring
// case, and the text order of the `unit` column ignoring case. Every
// connection to a unit database installs these before its first statement,
// the writer too, because the table's `unit` column is declared with the
// collation named here.

struct sqlite3;

namespace jetsql {

inline constexpr char collationName[] = "JETTEXT";

// Registers `like(pattern, text)` (overriding the built-in one) and the
// collation. Returns an SQLite result code.
int install(sqlite3 *db);

} // namespace jetsql

#endif
