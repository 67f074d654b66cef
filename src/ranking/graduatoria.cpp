#include "ranking/graduatoria.h"
#include "portfolio/totali.h"
#include "shared/date.h"
#include "shared/numeri.h"

#include <algorithm>
#include <cmath>

namespace {
const QDate primoeuro{1999, 1, 1};

const QString& datacolonna(const Portfolio& p, int colonna)
{
    static const QString vuota;
    return Portfolio::colonnavalida(colonna) ? p.datequotazioni[colonna] : vuota;
}
} // namespace

float calcolacambio(const Portfolio& p, int iniziale, int finale)
{
    if (datacolonna(p, finale).isEmpty())
        return 1;
    const auto a = convertidata(datacolonna(p, iniziale));
    const auto b = convertidata(datacolonna(p, finale));
    if (a && b && giornitra(primoeuro, *a) < 0 && giornitra(primoeuro, *b) > 0)
        return float(cambiolira);
    return 1;
}

float cambioconsecutivo(const Portfolio& p, int finale)
{
    // The choosers' test, whatever day the first euro column is dated.
    return calcolacambio(p, finale - 1, finale);
}

double incremento(const Portfolio& p, int titolo, int iniziale, int finale, float fattore)
{
    if (!Portfolio::titolovalido(titolo) || !Portfolio::colonnavalida(iniziale) || !Portfolio::colonnavalida(finale))
        return 0;
    const QString& a = p.quotazioni(iniziale, titolo);
    const QString& b = p.quotazioni(finale, titolo);
    if (a.isEmpty() || b.isEmpty())
        return 0;
    const double va = valore(a);
    // A holding quoted 0 at the start has no percentage change: it ranks as unchanged.
    if (va == 0)
        return 0;
    const double x = (valore(b) * double(fattore) - va) * 100 / va;
    const double r = std::floor(x * 100 + 0.5) / 100;
    return std::isfinite(r) ? r : 0;
}

void ordinascambio(std::array<QString, Portfolio::maxtitoli + 1>& titoli,
                   std::array<std::optional<double>, Portfolio::maxtitoli + 1>& valori, int n)
{
    n = std::clamp(n, 0, Portfolio::maxtitoli);
    for (int pos = 1; pos <= n; ++pos) {
        std::optional<double> migliore = valori[pos];
        QString nome = titoli[pos];
        for (int j = pos; j <= n; ++j) {
            if (valori[j].value_or(0) > migliore.value_or(0)) {
                std::swap(migliore, valori[j]);
                std::swap(nome, titoli[j]);
            }
        }
        valori[pos] = migliore;
        titoli[pos] = nome;
    }
}

EsitoOrdina ordina(Graduatoria& g, const Portfolio& p)
{
    if (g.quotazionefinale < 2)
        return EsitoOrdina::NessunaQuotazione;
    // Checked before anything is computed: the names and percentages on screen (and in a
    // print) keep belonging together.
    if (datacolonna(p, g.quotazionefinale).isEmpty())
        return EsitoOrdina::NonDisponibile;

    const int n = std::clamp(p.numerotitoli, 0, Portfolio::maxtitoli);
    int f = g.quotazionefinale;
    for (int h = 1; h <= n; ++h)
        g.incrementi[h] = incremento(p, h, g.quotazioneiniziale, f, g.fattorecambio);
    // The last holding may not be quoted yet on the final day: it is compared with the
    // nearest earlier column that shows a change, but never with the initial column or one
    // before it (that would rank the change of another period, reversed). Unchanged, it is 0.
    if (n >= 1) {
        while (*g.incrementi[n] == 0 && f - 1 > g.quotazioneiniziale) {
            --f;
            g.incrementi[n] = incremento(p, n, g.quotazioneiniziale, f, g.fattorecambio);
        }
    }
    for (int i = 1; i <= Portfolio::maxtitoli; ++i) {
        g.titoliordinati[i] = i <= n ? p.nomititoli[i] : QString();
        if (i > n)
            g.incrementi[i].reset();
    }
    ordinascambio(g.titoliordinati, g.incrementi, n);
    return EsitoOrdina::Ordinata;
}

QString didascaliafinale(const Portfolio& p, int colonna)
{
    return QStringLiteral("quotazione finale n.") + str(colonna) + QStringLiteral(" del giorno ")
        + datacolonna(p, colonna);
}

QString didascalianondisponibile(int colonna)
{
    return QStringLiteral("quotazione finale n.") + str(colonna) + QStringLiteral(" (non disponibile)");
}

QString didascaliaperiodo(const Portfolio& p, int iniziale, int finale)
{
    return QStringLiteral("incrementi dal giorno ") + datacolonna(p, iniziale) + QStringLiteral(" al giorno ")
        + datacolonna(p, finale);
}

QString testoincremento(const std::optional<double>& v)
{
    if (!v)
        return QString();
    QString t = QString::number(*v, 'g', 15);
    t.replace(u'.', u',');
    return t == u"-0" ? QStringLiteral("0") : t;
}

ColoreIncremento coloreincremento(const std::optional<double>& v)
{
    if (v && *v > 0)
        return ColoreIncremento::Verde;
    if (v && *v < 0)
        return ColoreIncremento::Rosso;
    return ColoreIncremento::Giallo;
}

QString suggerimentoiniziale() { return QStringLiteral("cliccare per scegliere il giorno della quotazione iniziale"); }
QString suggerimentofinale() { return QStringLiteral("cliccare per scegliere il giorno della quotazione finale"); }

SceltaColonna sceltainiziale(Graduatoria& g, const Portfolio& p, int colonna)
{
    g.quotazioneiniziale = colonna;
    // The hint comes first: the step runs the chooser again, and where that ranks, its own
    // hint replaces this one.
    if (g.quotazionefinale != 0 && colonna >= g.quotazionefinale)
        return {QStringLiteral("andare indietro"), -1};
    if (p.datequotazioni[std::size_t(colonna)].isEmpty())
        return {};
    if (g.quotazionefinale == 0)
        g.quotazionefinale = colonna + 1;
    g.fattorecambio = calcolacambio(p, g.quotazioneiniziale, g.quotazionefinale);
    return {suggerimentoiniziale(), 0, true};
}

SceltaColonna sceltafinale(Graduatoria& g, const Portfolio& p, int colonna)
{
    g.quotazionefinale = colonna;
    if (colonna <= g.quotazioneiniziale)
        return {QStringLiteral("andare avanti"), 1};
    // Back to the dated columns, but never onto the initial one: from there the chooser would
    // be sent forward again, and back, without end.
    if (p.datequotazioni[std::size_t(colonna)].isEmpty())
        return {QStringLiteral("andare indietro"), colonna - 1 > g.quotazioneiniziale ? -1 : 0};
    if (g.quotazioneiniziale == 0)
        g.quotazioneiniziale = colonna - 1;
    g.fattorecambio = calcolacambio(p, g.quotazioneiniziale, g.quotazionefinale);
    return {suggerimentofinale(), 0, true};
}
