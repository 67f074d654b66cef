#pragma once
#include <QString>
#include <array>

class Documento;

// The texts of the card on screen, as its print reads them.
struct StampaScheda {
    QString nomeprogramma;
    QString descrizione;
    QString nome;      // lbl(1)
    QString moneta;
    // Rows 2..13 of the table: datacq, quant, prez, lbl2, agg, valin, tot, corr, guad,
    // stac, divid, perquot (element 0 and 1 unused).
    std::array<QString, 14> valori;
    QString note;
};

// The headings of the table's first column, rows 1..13 (element 0 unused).
extern const std::array<QString, 14> vocischeda;

// The card's print: heading, a 13 x 2 table of the figures shown, the notes.
void stampascheda(Documento& d, const StampaScheda& s);
