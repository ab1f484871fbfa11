#pragma once

#include <QString>

// Turns the statement text the screens write (the Jet dialect of the old
// desktop database) into SQLite text. Only what SQLite reads differently is
// changed, and never inside quoted text:
//   "DELETE * FROM t"  becomes  "DELETE FROM t".
// DISTINCT(col), "AS" aliases, comma joins, INSERT ... SELECT and keywords in
// any case are read by SQLite as they are; text comparisons ignore case because
// the catalogue's text columns are declared COLLATE NOCASE.
QString TranslateJetSql(const QString& statement);
