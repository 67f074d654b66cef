#pragma once
#include "balance/salesbalance.h"

#include <QString>

class Documento;

// What the report prints besides the sales: the window's captions.
struct StampaBilancio {
    QString nomeprogramma;
    QString descrizione;
    QString anno;     // "anno 2001"
    QString valori;   // "valori in lire" or "valori in euro"
};

// The annual balance report: heading, title, the sales with their totals, the notes of the
// stocks sold. Amounts in the currency the balance shows: whole lire, or euro with cents.
void stampabilancio(Documento& d, const SalesBalance& b, const StampaBilancio& s);
