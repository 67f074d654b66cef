#pragma once
#include "ranking/graduatoria.h"

#include <QString>

class Documento;

// What the ranking's print takes besides the ranking itself.
struct StampaClassifica {
    QString nomeprogramma;
    QString descrizione;
    QString periodo;        // the period caption shown over the ranks
    int numerotitoli = 0;   // the table has a row for each holding
};

// The ranking as a document: heading, "Classifica dei titoli (period)", a table of rank,
// name and percentage for every holding.
void stampaclassifica(Documento& d, const Graduatoria& g, const StampaClassifica& s);
