#include "portfolio/totali.h"
#include "shared/date.h"
#include "shared/numeri.h"

#include <algorithm>

namespace {
double prezzoeuro(const QString& prezzotesto, const std::optional<QDate>& acquisto)
{
    const double prezzo = valore(prezzotesto);
    if (acquisto && giornitra(*acquisto, dataeuro) > 0)
        return prezzo / cambiolira;
    return prezzo;
}
} // namespace

double prezzoeuro(const Portfolio& p, int i)
{
    return prezzoeuro(p.prezzititoli[i], convertidata(p.dateacquisto[i]));
}

double calcolacosto(Portfolio& p, int finoa)
{
    finoa = std::min(finoa, Portfolio::maxtitoli);
    double costototale = 0;
    for (int i = 1; i <= finoa; ++i) {
        if (p.dateacquisto[i].isEmpty())
            break;
        p.prezzieuro[i] = prezzoeuro(p, i);
        costototale += valore(p.quantitatitoli[i]) * p.prezzieuro[i];
    }
    return costototale;
}

std::optional<Saldo> calcolasaldo(const Portfolio& p, int colonna, int finoa)
{
    if (!Portfolio::colonnavalida(colonna) || p.datequotazioni[colonna].isEmpty())
        return std::nullopt;
    const auto data = convertidata(p.datequotazioni[colonna]);
    if (!data)
        return std::nullopt;
    finoa = std::min(finoa, Portfolio::maxtitoli);
    Saldo s;
    s.data = p.datequotazioni[colonna];
    // The value counts every quotation typed, whatever the purchase date. Quotations of a
    // date up to 31/12/98 were typed in lire: in euro like the amount invested, or a saldo of
    // 1998 would set lire against euro.
    const double fattore = giornitra(*data, dataeuro) >= 0 ? 1.0 / cambiolira : 1.0;
    for (int i = 1; i <= finoa; ++i) {
        const QString& q = p.quotazioni(colonna, i);
        if (!q.isEmpty())
            s.valoredatato += valore(q) * valore(p.quantitatitoli[i]) * fattore;
    }
    // The amount invested counts only what was bought on or before the date; a purchase
    // date that is not a date is not known to be, so it is left out.
    for (int i = 1; i <= finoa; ++i) {
        if (p.dateacquisto[i].isEmpty())
            continue;
        const auto acquisto = convertidata(p.dateacquisto[i]);
        if (acquisto && giornitra(*acquisto, *data) >= 0)
            s.investitodatato += valore(p.quantitatitoli[i]) * prezzoeuro(p.prezzititoli[i], acquisto);
    }
    // The gain is taken against the single-precision copy of the amount invested.
    s.guadagno = s.valoredatato - double(float(s.investitodatato));
    return s;
}
