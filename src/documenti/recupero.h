#pragma once
#include <QString>

struct Portfolio;
struct SalesBalance;

// What a recovery copy holds: everything typed, in the archive formats. Unlike a save, the
// counts are the highest holding, column and sale row that hold anything, not those of the
// last data check, so that undated columns and holdings without a purchase date are kept.
QString testorecuperoportafoglio(const Portfolio& p);
// `ineuro`: the rows hold euro, as the window shows them; the copy is in lire, as a save is.
QString testorecuperobilancio(const SalesBalance& b, bool ineuro);

// The counts a Portfolio read back from a recovery copy is given: those the data check
// would establish (highest holding with name and purchase date, highest dated column).
void contirecupero(Portfolio& p);
