#include "card/scheda.h"
#include "portfolio/controllo.h"
#include "portfolio/totali.h"
#include "shared/date.h"
#include "shared/numeri.h"

#include <algorithm>
#include <cmath>

namespace {

// A figure as the card shows it, to the cent: later figures are computed from these.
double centesimi(double x) { return std::round(x * 100.0) / 100.0; }

// A quantity as the totals read it, grouped by thousands; a text that is no number as it is.
QString quantita(const QString& testo)
{
    if (testo.isEmpty() || !iniziaconnumero(testo))
        return testo;
    return formatta(valore(testo), u"##,##0");
}

} // namespace

int titolischeda(const Portfolio& p)
{
    return std::clamp(std::max(p.numerotitoli, contatitoli(p)), 0, Portfolio::maxtitoli);
}

int primaquotazione(const Portfolio& p, int titolo, int colonna, bool* mancante)
{
    if (!Portfolio::titolovalido(titolo))
        return colonna;
    const auto acquisto = convertidata(p.dateacquisto[titolo]);
    int c = std::max(colonna, 1);
    while (Portfolio::colonnavalida(c)) {
        const QString& d = p.datequotazioni[c];
        if (d.isEmpty()) {
            if (mancante)
                *mancante = true;
            break;
        }
        const auto data = convertidata(d);
        if (!acquisto || !data || giornitra(*acquisto, *data) >= 0)
            break;
        ++c;
    }
    return std::min(c, Portfolio::maxcolonne);
}

int ultimacolonnadatata(const Portfolio& p, int colonna)
{
    int c = std::min(colonna, Portfolio::maxcolonne);
    while (c >= 1 && p.datequotazioni[c].isEmpty())
        --c;
    return std::max(c, 0);
}

bool schedacompleta(const Portfolio& p, int titolo)
{
    if (!Portfolio::titolovalido(titolo))
        return false;
    for (int c = 1; c <= Portfolio::maxcolonne; ++c)
        if (!p.datequotazioni[c].isEmpty() && !p.quotazioni(c, titolo).isEmpty())
            return true;
    return false;
}

namespace {
// A quotation of a column dated up to 31/12/98 was typed in lire.
bool datainlire(const QString& data)
{
    const auto d = convertidata(data);
    return d && giornitra(*d, dataeuro) >= 0;
}

// A quotation in euro.
double ineuro(const Portfolio& p, int colonna, double v)
{
    return datainlire(p.datequotazioni[colonna]) ? v / cambiolira : v;
}

// Under "moneta di riferimento: EURO", a figure shown as typed in lire says so.
QString lire(const QString& testo, bool inlire)
{
    return inlire && !testo.isEmpty() ? testo + QStringLiteral(" L.") : testo;
}
} // namespace

Estremi estremi(const Portfolio& p, int titolo)
{
    Estremi e;
    if (!Portfolio::titolovalido(titolo))
        return e;
    double migliore = 0, peggiore = 0;
    bool trovato = false;
    for (int c = 1; c <= Portfolio::maxcolonne; ++c) {
        const QString& q = p.quotazioni(c, titolo);
        if (q.isEmpty())
            continue;
        // A quotation of 0 (or a text that is no number) is no price: never best nor worst.
        // Lire and euro compare at the rate: 10500 lire in 1998 is below 7.30 euro in 1999.
        if (valore(q) <= 0)
            continue;
        const double v = ineuro(p, c, valore(q));
        if (!trovato || v > migliore) {
            migliore = v;
            e.migliore = q;
            e.mdata = p.datequotazioni[c];
        }
        if (!trovato || v < peggiore) {
            peggiore = v;
            e.peggiore = q;
            e.pdata = p.datequotazioni[c];
        }
        trovato = true;
    }
    return e;
}

double investito(const Portfolio& p, int titolo)
{
    if (!Portfolio::titolovalido(titolo))
        return 0;
    // In euro: the card says so, and a lira price set against a euro quotation would show a
    // loss of 99 per cent.
    return valore(p.quantitatitoli[titolo]) * prezzoeuro(p, titolo);
}

std::optional<double> valoreattuale(const Portfolio& p, int titolo, int colonna)
{
    if (!Portfolio::titolovalido(titolo) || !Portfolio::colonnavalida(colonna))
        return std::nullopt;
    const QString& q = p.quotazioni(colonna, titolo);
    if (q.isEmpty())
        return std::nullopt;
    return valore(p.quantitatitoli[titolo]) * ineuro(p, colonna, valore(q));
}

Percentuale percentuale(const Portfolio& p, int titolo, std::optional<double> guadagno, double investitomostrato)
{
    Percentuale r;
    if (!Portfolio::titolovalido(titolo))
        return r;
    const double quantita = valore(p.quantitatitoli[titolo]);
    const double prezzo = valore(p.prezzititoli[titolo]);
    if (quantita > 0 && prezzo == 0) {
        r.testo = QStringLiteral("tutto guadagno");
        return r;
    }
    // Tiny investments show as 0,00: no percentage of nothing.
    if (quantita == 0 || prezzo == 0 || !guadagno || investitomostrato == 0)
        return r;
    const double x = *guadagno * 100.0 / investitomostrato;
    r.testo = formatta(x, u"##,##0.00");
    r.negativa = x < 0;
    return r;
}

int ultimaquotazione(const Portfolio& p, int titolo)
{
    if (!Portfolio::titolovalido(titolo))
        return 0;
    for (int c = Portfolio::maxcolonne; c >= 1; --c)
        if (valore(p.quotazioni(c, titolo)) > 0)
            return c;
    return 0;
}

std::optional<double> percentualedividendo(const Portfolio& p, int titolo, const QString& dividendo,
                                           const QString& datamostrata)
{
    if (dividendo.trimmed().isEmpty())
        return std::nullopt;
    const int j = ultimaquotazione(p, titolo);
    if (j == 0)
        return std::nullopt;
    double fattore = 1;
    if (const auto d = convertidata(datamostrata); d && d->year() <= 1999)
        fattore = cambiolira;
    const double x = (valore(dividendo) * 100.0 / fattore) / valore(p.quotazioni(j, titolo));
    return std::floor(x * 100.0 + 0.5) / 100.0;
}

QString testopercentualedividendo(const Portfolio& p, int titolo, const QString& dividendo,
                                  const QString& datamostrata)
{
    const auto x = percentualedividendo(p, titolo, dividendo, datamostrata);
    return x ? formatta(*x, u"##,##0.00") : QString();
}

FigureScheda riempischeda(const Portfolio& p, int titolo, int colonna)
{
    FigureScheda f;
    f.moneta = QStringLiteral("moneta di riferimento: EURO");
    if (!Portfolio::titolovalido(titolo))
        return f;
    const int h = titolo;
    f.estremi = estremi(p, h);

    const int chiesta = std::clamp(colonna, 1, Portfolio::maxcolonne);
    f.colonna = ultimacolonnadatata(p, chiesta);
    f.mancante = f.colonna != chiesta;

    f.numero = QStringLiteral("n.") + str(h);
    f.nome = p.nomititoli[h];
    f.datacq = p.dateacquisto[h];
    f.quant = quantita(p.quantitatitoli[h]);
    const auto acquistato = convertidata(p.dateacquisto[h]);
    f.prez = lire(p.prezzititoli[h], acquistato && giornitra(*acquistato, dataeuro) > 0);
    f.estremi.migliore = lire(f.estremi.migliore, datainlire(f.estremi.mdata));
    f.estremi.peggiore = lire(f.estremi.peggiore, datainlire(f.estremi.pdata));
    f.note = p.notetitoli[h];
    f.stacco = p.datestacco[h];
    f.dividendo = p.dividendi[h];

    const double valin = centesimi(investito(p, h));
    f.valin = formatta(valin, u"##,##0.00");

    std::optional<double> guadagno;
    if (f.colonna >= 1) {
        const int c = f.colonna;
        f.data = p.datequotazioni[c];
        f.agg = lire(p.quotazioni(c, h), datainlire(f.data));
        const auto acquisto = convertidata(f.datacq);
        const auto data = convertidata(f.data);
        f.attenzione = acquisto && data && giornitra(*data, *acquisto) > 0;
        if (const auto tot = valoreattuale(p, h, c)) {
            const double t = centesimi(*tot);
            f.tot = formatta(t, u"##,##0.00");
            guadagno = t - valin;
            f.corr = formatta(*guadagno, u"##,##0.00");
        }
    }
    const Percentuale perc = percentuale(p, h, guadagno, valin);
    f.guad = perc.testo;
    f.negativa = perc.negativa;
    return f;
}
