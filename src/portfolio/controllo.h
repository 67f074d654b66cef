#pragma once
#include "portfolio/portfolio.h"
#include "shared/messaggio.h"

#include <optional>

// Outcome of the whole-Portfolio check.
struct EsitoControllo {
    bool superato = false;
    std::optional<Messaggio> messaggio;   // the first failure, when it failed
    int primacolonna = 1;                 // first visible column after the check's shifts
};

// Quantities, prices and quotations must stay below this (ten thousand million): a larger
// one is surely a slip, and the totals would be too large to show every digit.
constexpr double valoremassimo = 1e10;

// The whole-Portfolio check. Establishes p.numerotitoli and p.numerocolonne, looks at the
// five columns visible from `primacolonna` and may move that position back by five (the
// caller redraws when it changed).
EsitoControllo controlloinput(Portfolio& p, int primacolonna, const QString& titolo);

// Highest holding whose name and purchase date are both filled (0 when none).
int contatitoli(const Portfolio& p);

// Checks while typing. Nothing when the edit may be stored.
std::optional<Messaggio> controllonome(int titolo, const QString& testo, const QString& titolo_messaggio,
                                       bool* memorizza);
std::optional<Messaggio> controlloquotazione(int colonna, const QString& titolo);
std::optional<Messaggio> controllodataquotazione(int colonna, const QString& titolo);
