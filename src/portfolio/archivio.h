#pragma once
#include "portfolio/portfolio.h"

#include <QString>
#include <optional>

// The "Velno-azioni-" archive: header (holdings, strategy notes, columns), each holding with
// its quotations, the column dates and the 13 plan notes, one record a line.

// The archive's text for the counts p.numerotitoli and p.numerocolonne.
QString testoarchivio(const Portfolio& p);

// A Portfolio read from an archive's text; nothing, with the reason in `errore`, when the
// text is not a whole archive (counts out of range, records missing or malformed).
std::optional<Portfolio> leggiarchivio(const QString& testo, QString* errore);

// Writes the archive to `file` through a temporary file that replaces it only once
// complete. False, with the reason, when it could not be written.
bool salvaarchivio(const Portfolio& p, const QString& file, QString* errore);

// Reads the archive `file` into a new Portfolio.
std::optional<Portfolio> apriarchivio(const QString& file, QString* errore);
