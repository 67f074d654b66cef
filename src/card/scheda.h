#pragma once
#include "portfolio/portfolio.h"

#include <QString>
#include <optional>

// The stock card's figures: one holding at one quotation column, read from the Portfolio.
// Every function here is plain: tables in, texts out; the window only shows them.

// How many holdings the card can show: the count the last check or archive established,
// or the last holding typed with a name and a purchase date since then, if later.
int titolischeda(const Portfolio& p);

// From `colonna` on, the first column dated on or after the purchase date of `titolo`.
// Stops at the first undated column and then sets *mancante (the card stepped over a
// missing date). A purchase date or a column date that is no date does not move it.
int primaquotazione(const Portfolio& p, int titolo, int colonna, bool* mancante = nullptr);

// The last dated column from `colonna` back: `colonna` itself when it has a date, 0 when
// no column up to it has one.
int ultimacolonnadatata(const Portfolio& p, int colonna);

// Whether the card of `titolo` has something to show: a quotation in a dated column.
bool schedacompleta(const Portfolio& p, int titolo);

// Best and worst quotation recorded (columns 1..300, quotations read above 0; ties keep
// the earlier column), compared in euro (a column dated up to 31/12/98 holds lire), shown
// as typed with their columns' dates. Empty when there is none.
struct Estremi {
    QString migliore, mdata;
    QString peggiore, pdata;
};
Estremi estremi(const Portfolio& p, int titolo);

// Quantity x purchase price, in euro (a purchase before 31/12/98 was paid in lire).
double investito(const Portfolio& p, int titolo);
// Quantity x the quotation of `colonna`, in euro (the column dated up to 31/12/98: lire);
// nothing when that quotation is empty.
std::optional<double> valoreattuale(const Portfolio& p, int titolo, int colonna);

// The gain in percent of what was invested, from the figures shown: "tutto guadagno" when
// shares were had for nothing, empty when there is no value or nothing was invested.
struct Percentuale {
    QString testo;
    bool negativa = false;
};
Percentuale percentuale(const Portfolio& p, int titolo, std::optional<double> guadagno, double investitomostrato);

// The last column (300 down to 1) whose quotation of `titolo` reads above 0; 0 when none.
int ultimaquotazione(const Portfolio& p, int titolo);

// The dividend in percent of the last quotation, rounded half up to two decimals. Lire
// are turned into euro when the shown date is in 1999 or earlier. Nothing when no
// dividend is typed or no quotation is above 0.
std::optional<double> percentualedividendo(const Portfolio& p, int titolo, const QString& dividendo,
                                           const QString& datamostrata);
// The same as the card shows it ("2,50"), empty when there is none.
QString testopercentualedividendo(const Portfolio& p, int titolo, const QString& dividendo,
                                  const QString& datamostrata);

// Everything the card shows for a holding at a column.
struct FigureScheda {
    int colonna = 0;              // the column shown: the last dated one up to the asked one; 0 when none
    bool mancante = false;        // had to step back over undated columns
    bool attenzione = false;      // bought after the shown date
    bool negativa = false;        // a loss: the name is shown on red
    QString numero;               // "n. 3"
    QString nome, datacq, quant, prez;
    QString data, agg;            // date and quotation of the shown column
    QString valin, tot, corr, guad;
    Estremi estremi;
    QString moneta;
    QString note, stacco, dividendo;
};
FigureScheda riempischeda(const Portfolio& p, int titolo, int colonna);
