#include "charts/regolegrafici.h"
#include "portfolio/portfolio.h"
#include "portfolio/totali.h"
#include "shared/date.h"
#include "documenti/modulovelno.h"
#include "shared/numeri.h"

#include <algorithm>

namespace {
// A chart shows up to 10 holdings and 10 quotation columns.
constexpr int finestra = 10;
} // namespace

RegoleGrafici::RegoleGrafici(ModuloVelno& modulo, GrigliaGrafico& griglia) : m_modulo(modulo), m_griglia(griglia) {}

const Portfolio& RegoleGrafici::p() const { return m_modulo.azioni.tabelle(); }

int RegoleGrafici::numerotitoli() const { return std::clamp(p().numerotitoli, 0, Portfolio::maxtitoli); }

Messaggio RegoleGrafici::avviso(const QString& testo, Icona icona) const
{
    return Messaggio{testo, m_modulo.titolocontrollo, icona};
}

double RegoleGrafici::fattorelira(const QString& data)
{
    // A date that does not read as one is taken as a recent (euro) quotation, as the totals
    // take a purchase date that is not a date.
    const auto d = convertidata(data);
    return !d || *d > dataeuro ? cambiolira : 1.0;
}

std::optional<Messaggio> RegoleGrafici::verificadati()
{
    if (numerotitoli() > 0)
        return std::nullopt;
    nodati = 1;
    return avviso(QStringLiteral("Non esistono dati da graficizzare: aprire un file archiviato o tornare alla finestra Azioni."),
                  Icona::Critica);
}

std::optional<Messaggio> RegoleGrafici::graficoserie()
{
    m_griglia.azzera();
    modografico = 2;
    if (auto m = verificadati()) {
        nodati = 0;
        return m;
    }
    m_griglia.impostavisibile(true);

    const Portfolio& t = p();
    const int prima = std::clamp(primacolonna, 1, Portfolio::maxcolonne);
    int righe = 0;
    while (righe < finestra && prima + righe <= Portfolio::maxcolonne && !t.datequotazioni[prima + righe].isEmpty())
        ++righe;
    const int n = std::min(finestra, numerotitoli());
    // A Portfolio that has since lost holdings: the series stays within those it has.
    primotitolo = std::clamp(primotitolo, 1, std::max(1, numerotitoli() - (finestra - 1)));

    m_griglia.dimensiona(righe, n);
    const bool torta = m_griglia.tipo() == TipoGrafico::Torta;
    for (int k = 1; k <= n; ++k) {
        const int h = primotitolo + k - 1;
        if (!Portfolio::titolovalido(h))
            break;
        m_griglia.impostaetichettacolonna(k, t.nomititoli[h]);
        const double q = torta ? valore(t.quantitatitoli[h]) : 1.0;
        for (int r = 1; r <= righe; ++r) {
            const int c = prima + r - 1;
            m_griglia.impostaetichettariga(r, t.datequotazioni[c]);
            const QString& quotazione = t.quotazioni(c, h);
            if (!quotazione.isEmpty())
                m_griglia.impostadato(r, k, valore(quotazione) * fattorelira(t.datequotazioni[c]) * q);
        }
    }
    return std::nullopt;
}

std::optional<Messaggio> RegoleGrafici::graficotitolo()
{
    modografico = 1;
    if (auto m = verificadati()) {
        nodati = 0;
        return m;
    }
    const int n = numerotitoli();
    ++titolocorrente;
    if (titolocorrente > n)
        titolocorrente = 1;
    // Below the first holding (also from a position never drawn) is the last one.
    if (titolocorrente < 1)
        titolocorrente = n;
    m_griglia.impostavisibile(true);

    const Portfolio& t = p();
    const int h = titolocorrente;
    const int prima = std::clamp(primacolonna, 1, Portfolio::maxcolonne);
    int d = 0, k = 0;
    while (d < finestra && prima + d <= Portfolio::maxcolonne && !t.datequotazioni[prima + d].isEmpty()) {
        if (t.quotazioni(prima + d, h).isEmpty())
            ++k;
        ++d;
    }
    // The holding is charted from its first quotations: as many leading columns are left
    // out as the window has columns without its quotation.
    m_griglia.dimensiona(d - k, 1);
    m_griglia.impostaetichettacolonna(1, t.nomititoli[h]);
    for (int r = 1; r <= d - k; ++r) {
        const int c = prima + k + r - 1;
        m_griglia.impostaetichettariga(r, t.datequotazioni[c]);
        const QString& quotazione = t.quotazioni(c, h);
        if (!quotazione.isEmpty())
            m_griglia.impostadato(r, 1, valore(quotazione) * fattorelira(t.datequotazioni[c]));
    }
    return std::nullopt;
}

std::optional<Messaggio> RegoleGrafici::disegnamodo()
{
    return modografico == 1 ? graficotitolo() : graficoserie();
}

std::optional<Messaggio> RegoleGrafici::azioneprima_click()
{
    if (auto m = verificadati()) {
        nodati = 0;
        return m;
    }
    if (modografico == 1) {
        titolocorrente -= 2;
        return graficotitolo();
    }
    if (primotitolo <= 1)
        return avviso(QStringLiteral("Impossibile procedere a ritroso: sono graficizzati i primi 10 titoli."), Icona::Critica);
    if (numerotitoli() < finestra)
        return avviso(QStringLiteral("Sono graficizzati tutti i titoli disponibili."), Icona::Informativa);
    --primotitolo;
    return graficoserie();
}

std::optional<Messaggio> RegoleGrafici::azionedopo_click()
{
    if (auto m = verificadati()) {
        nodati = 0;
        return m;
    }
    if (modografico == 1)
        return graficotitolo();
    if (numerotitoli() < finestra)
        return avviso(QStringLiteral("Sono graficizzati tutti i titoli disponibili."), Icona::Informativa);
    if (primotitolo >= numerotitoli() - (finestra - 1))
        return avviso(QStringLiteral("Non esistono ulteriori titoli da graficizzare."), Icona::Informativa);
    ++primotitolo;
    return graficoserie();
}

std::optional<Messaggio> RegoleGrafici::quotazsinistra_click()
{
    if (auto m = verificadati()) {
        nodati = 0;
        return m;
    }
    if (primacolonna <= 1)
        return avviso(QStringLiteral("Non esistono quotazioni precedenti."), Icona::Informativa);
    --primacolonna;
    if (modografico == 1) {
        --titolocorrente;   // the same holding again
        return graficotitolo();
    }
    return graficoserie();
}

std::optional<Messaggio> RegoleGrafici::quotazdestra_click()
{
    if (auto m = verificadati()) {
        nodati = 0;
        return m;
    }
    const Portfolio& t = p();
    int vuota = 1;
    while (vuota <= Portfolio::maxcolonne && !t.datequotazioni[vuota].isEmpty())
        ++vuota;
    const int prima = primacolonna;
    const int datate = vuota - prima;   // dated columns from the first one charted on
    if (datate <= finestra || prima + (finestra - 1) >= Portfolio::maxcolonne)
        return avviso(QStringLiteral("Non esistono quotazioni successive."), Icona::Informativa);
    ++primacolonna;
    if (modografico == 1) {
        --titolocorrente;
        return graficotitolo();
    }
    return graficoserie();
}

RegoleGrafici::Scorrimento RegoleGrafici::HScroll1_Change(int v, bool incorrezione)
{
    Scorrimento s;
    if (!incorrezione && v + (finestra - 1) > p().numerocolonne) {
        s.messaggi.push_back(avviso(QStringLiteral("Non esistono quotazioni successive."), Icona::Informativa));
        correzionescorrimento = 1;
    }
    primacolonna = v;
    if (correzionescorrimento == 1) {
        correzionescorrimento = 0;
        const int indietro = std::max(1, p().numerocolonne - (finestra - 1));
        // Already there: no change of the bar will come to draw, so draw here.
        if (indietro != v) {
            s.correzione = indietro;
            return s;
        }
    }
    if (auto m = graficoserie())
        s.messaggi.push_back(*m);
    return s;
}

bool RegoleGrafici::ridisegna()
{
    if (numerotitoli() == 0) {
        m_griglia.impostavisibile(false);
        return false;
    }
    if (modografico == 1)
        --titolocorrente;
    disegnamodo();
    return true;
}
