#include "doppi.h"
#include "pienoportafoglio.h"
#include "ranking/classifica.h"
#include "ranking/graduatoria.h"
#include "ranking/stampaclassifica.h"
#include "shared/documentotesto.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "ambiente.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

// One ranking of 100 holdings: every percentage, the last holding's recomputation (its
// quotations made equal, so it walks back over every column), the exchange sort.
static void BM_OrdinaCento(benchmark::State& state)
{
    Portfolio p;
    riempiportafoglio(p);
    for (int c = 1; c <= Portfolio::maxcolonne; ++c)
        p.quotazioni(c, Portfolio::maxtitoli) = QStringLiteral("10");
    Graduatoria g;
    g.quotazioneiniziale = 1;
    g.quotazionefinale = Portfolio::maxcolonne;
    for (auto _ : state) {
        ordina(g, p);
        benchmark::DoNotOptimize(g.incrementi[1]);
    }
}
BENCHMARK(BM_OrdinaCento)->Unit(benchmark::kMicrosecond);

// The consecutive-pair bar moved over all 300 columns, each move ranking and redrawing.
static void BM_ScorrimentoColonne(benchmark::State& state)
{
    AmbienteFinestre e;
    riempiportafoglio(e.p());
    classifica& c = e.finestre.finestra<classifica>();
    c.show();
    QApplication::processEvents();
    QScrollBar* coppia = trova<QScrollBar>(c, "HScroll1");
    for (auto _ : state) {
        for (int v = 2; v <= Portfolio::maxcolonne; ++v)
            coppia->setValue(v);
        coppia->setValue(2);
    }
    state.counters["graduatorie"] = benchmark::Counter(Portfolio::maxcolonne, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ScorrimentoColonne)->Unit(benchmark::kMillisecond);

// The print of a 100-holding ranking.
static void BM_StampaClassifica(benchmark::State& state)
{
    Portfolio p;
    riempiportafoglio(p);
    Graduatoria g;
    g.quotazioneiniziale = 1;
    g.quotazionefinale = 2;
    ordina(g, p);
    const StampaClassifica s{QStringLiteral("Velno"), QStringLiteral("programma per la gestione dei titoli di velno"),
                             didascaliaperiodo(p, 1, 2), p.numerotitoli};
    for (auto _ : state) {
        DocumentoTesto d;
        stampaclassifica(d, g, s);
        benchmark::DoNotOptimize(d.documento());
    }
}
BENCHMARK(BM_StampaClassifica)->Unit(benchmark::kMillisecond);
