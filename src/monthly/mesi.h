#pragma once
#include "balance/salesbalance.h"

#include <QString>
#include <array>

class ModuloVelno;

// The sales of the balance year by month, and the yearly totals from 1995 on, as the monthly
// window shows them and its report prints them.

// Cost and gain of the sales of each month (index 1..12), in lire.
struct SommeMensili {
    std::array<double, 13> costo{};
    std::array<double, 13> guadagno{};
};
// The month of a sale is characters 4-5 of its date "gg/mm/aa"; a sale whose sale price is
// not typed yet has no gain, as in the year's totals.
SommeMensili sommemensili(const SalesBalance& b);

// The percentage of a cost and a gain: empty with no gain, "gratis" with a gain at no cost.
QString percentuale(double costo, double guadagno);

// An amount divided by the factor (1 for lire, the rate for euro), formatted; 0 shows empty.
QString importomensile(double lire, double fattore, bool euro);

struct RigaMensile {
    QString pagato, realizzato, percento;
};
struct TabellaMensile {
    std::array<RigaMensile, 13> mesi;   // 1..12
    double pagato = 0, guadagno = 0;   // the year, in the currency shown
    QString totpagato, totguadagno, mediapercento;
};
TabellaMensile tabellamensile(const SommeMensili& s, double fattore, bool euro);

// The yearly totals read from the totals files, index 1 = 1995 .. 50 = 2044.
constexpr int primoannopannello = 1995;
constexpr int ultimoindiceanni = 50;

struct RigaAnno {
    QString ann, pagatanno, guadagnanno, percentanno;
};
struct PannelloAnni {
    std::array<RigaAnno, 13> righe;   // lines 1..12
    double pagato = 0, guadagno = 0;  // 1995 .. the last year shown
    QString totpagatanno, totguadagnanno, annipercento;
};
// The twelve year lines from index `primo` (1..39) and the running totals from 1995 to the
// year of the last line.
PannelloAnni pannelloanni(const ModuloVelno& m, int primo, double fattore, bool euro);

// The totals files of the years from the balance year down to 1995 (the year is the last four
// characters of the balance file's name; anything else reads nothing).
void leggianni(ModuloVelno& m, const QString& annobilancio);
// The year `anno` of the panel from the balance in memory, saved or not (its totals file is
// written only by a save): when every sale of the balance is of that year.
void annodelbilancio(ModuloVelno& m, int anno);
