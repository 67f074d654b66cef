#pragma once
#include "balance/salesbalance.h"

#include <QString>
#include <optional>

// The "Velno-bilancio-" archive: the row count on the first line, then one line of eleven
// fields per sale (name, purchase date, shares owned, purchase price, sale date, shares
// sold, sale price, cost, gain, percentage, notes). Prices that are numbers are written bare,
// every other field as a quoted text; amounts are in lire.

QString testobilancio(const SalesBalance& b);

// The sales read from an archive's text, in a fresh SalesBalance; nothing, with the reason
// in `errore`, when the text is not a whole balance archive.
std::optional<SalesBalance> leggibilancio(const QString& testo, QString* errore);

// Writes the archive through a temporary file that replaces `file` only once complete.
bool salvabilancio(const SalesBalance& b, const QString& file, QString* errore);
std::optional<SalesBalance> apribilancio(const QString& file, QString* errore);
