#pragma once
#include "portfolio/portfolio.h"

#include <QDate>
#include <QString>
#include <optional>

constexpr double cambiolira = 1936.27;
// Purchases before this day were paid in lire.
inline const QDate dataeuro{1998, 12, 31};

// The purchase price of holding i in euro: lire divided by the rate when the purchase date
// is before 31/12/98. A purchase date that is not (yet) a date is taken as euro.
double prezzoeuro(const Portfolio& p, int i);

// Total initial cost of holdings 1..finoa, up to the first one with no purchase date;
// fills p.prezzieuro on the way.
double calcolacosto(Portfolio& p, int finoa);

struct Saldo {
    QString data;            // the column's date
    double valoredatato = 0; // value of the holdings at that date
    double investitodatato = 0;
    double guadagno = 0;
};

// Totals at the date of column c over holdings 1..finoa, in euro (a column dated up to
// 31/12/98 holds lire quotations). Nothing when the column has no date, or a date that is not
// a date: the saldo then changes nothing.
std::optional<Saldo> calcolasaldo(const Portfolio& p, int colonna, int finoa);
