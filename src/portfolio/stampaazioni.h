#pragma once
#include "portfolio/portfolio.h"

#include <QString>
#include <array>

class Documento;

// What the Azioni window shows besides the tables, as the report prints it.
struct StampaAzioni {
    QString nomeprogramma;
    QString descrizione;
    int primacolonna = 1;
    std::array<QString, 6> guadagni;   // captions of guadagno(1..5), element 0 unused
    QString totale, totaleiniziale, totaleal, totaledatato, totinvestito, totalecorrente;
};

// The portfolio report: heading, holdings with the five visible quotation columns and their
// gains, the totals, the strategy notes.
void stampaazioni(Documento& d, const Portfolio& p, const StampaAzioni& s);
