#pragma once
#include "portfolio/portfolio.h"

#include <QString>
#include <array>
#include <optional>

// The ranking of the holdings by their percentage change between two quotation columns.
struct Graduatoria {
    int quotazioneiniziale = 0;   // 0: not chosen yet
    int quotazionefinale = 0;     // 0: not chosen yet
    float fattorecambio = 1;      // applied to the final quotations
    // Names and percentages in ranking order once ranked (element 0 unused). A percentage
    // stays empty until its holding is ranked.
    std::array<QString, Portfolio::maxtitoli + 1> titoliordinati;
    std::array<std::optional<double>, Portfolio::maxtitoli + 1> incrementi;
};

// The factor for a period chosen with the two choosers: 1936.27 when the initial column is
// dated before 01/01/99 and the final one after it (its quotations are euro, the initial ones
// lire), else 1. A date that is not a date crosses nothing.
float calcolacambio(const Portfolio& p, int iniziale, int finale);

// The factor between column `finale` and the one before it, by the choosers' test: the pair
// that goes from a lire column (up to 31/12/98) to a euro one.
float cambioconsecutivo(const Portfolio& p, int finale);

// Percentage change of holding `titolo` from column `iniziale` to column `finale`, brought to
// two decimals (halves upward). 0 when either quotation is missing or the initial one is 0.
double incremento(const Portfolio& p, int titolo, int iniziale, int finale, float fattore);

// Descending exchange sort of positions 1..n: at each position the best value met so far is
// carried along the scan, and each better one found takes its place, leaving the carried one
// where the better one was. Equal values never exchange.
void ordinascambio(std::array<QString, Portfolio::maxtitoli + 1>& titoli,
                   std::array<std::optional<double>, Portfolio::maxtitoli + 1>& valori, int n);

// A move of the initial (`Label5`/`VScroll2`) or final (`Label7`/`VScroll3`) chooser to column
// `colonna`, the period updated: the hint to show (none when empty), the chooser's step to
// take back into the allowed columns (its handler then runs again), or whether to rank.
struct SceltaColonna {
    QString suggerimento;
    int passo = 0;
    bool ordina = false;
};
SceltaColonna sceltainiziale(Graduatoria& g, const Portfolio& p, int colonna);
SceltaColonna sceltafinale(Graduatoria& g, const Portfolio& p, int colonna);
// The choosers' hints while they are on dated columns.
QString suggerimentoiniziale();
QString suggerimentofinale();

enum class EsitoOrdina {
    NessunaQuotazione,   // final column below 2: nothing to compare
    NonDisponibile,      // the final column has no date: the last ranking stays
    Ordinata,
};

// Computes the percentage of every holding, recomputes the last holding against earlier
// final columns while its change is 0, and sorts.
EsitoOrdina ordina(Graduatoria& g, const Portfolio& p);

// Captions of the window.
QString didascaliafinale(const Portfolio& p, int colonna);   // "quotazione finale n. 10 del giorno ..."
QString didascalianondisponibile(int colonna);               // "quotazione finale n. 7 (non disponibile)"
QString didascaliaperiodo(const Portfolio& p, int iniziale, int finale);
// A percentage as the ranking shows it ("33,33", "-25", "0"); empty when not ranked.
QString testoincremento(const std::optional<double>& v);

enum class ColoreIncremento { Giallo, Verde, Rosso };
ColoreIncremento coloreincremento(const std::optional<double>& v);
