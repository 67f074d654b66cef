#pragma once
#include "monthly/mesi.h"

#include <QString>

class Documento;
class ModuloVelno;

struct StampaMensile {
    QString nomeprogramma;
    QString descrizione;
    QString anno;     // the balance's captions
    QString valori;
    std::array<QString, 13> nomimesi;   // "Gennaio" .. "Dicembre", 1..12
};

// The monthly report: the months of the balance year with their totals, then every year from
// 1995 to 2044 once, with the totals of them all. Amounts divided by `fattore`.
void stampamensile(Documento& d, const SommeMensili& s, const ModuloVelno& m, const StampaMensile& st,
                   double fattore);
