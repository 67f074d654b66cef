#include "card/scheda.h"
#include "card/singola.h"
#include "doppi.h"
#include "pienoportafoglio.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "ambiente.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

// The card's figures of every holding at its last column, at full scale: each fill scans
// the 300 columns for the best, the worst and the last quotation.
static void BM_FigureScheda(benchmark::State& state)
{
    Portfolio p;
    riempiportafoglio(p);
    for (auto _ : state)
        for (int h = 1; h <= Portfolio::maxtitoli; ++h) {
            benchmark::DoNotOptimize(riempischeda(p, h, Portfolio::maxcolonne));
            benchmark::DoNotOptimize(testopercentualedividendo(p, h, QStringLiteral("0.5"), p.datequotazioni[300]));
        }
    state.counters["schede"] = benchmark::Counter(Portfolio::maxtitoli, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FigureScheda)->Unit(benchmark::kMillisecond);

// The card window on screen, moved through every holding and then every column of one.
static void BM_ScorrimentoScheda(benchmark::State& state)
{
    AmbienteFinestre e;
    riempiportafoglio(e.p());
    e.finestre.aprischeda();
    singola& s = e.finestre.finestra<singola>();
    QApplication::processEvents();
    QScrollBar* titoli = trova<QScrollBar>(s, "VScroll1");
    QScrollBar* colonne = trova<QScrollBar>(s, "HScroll1");
    for (auto _ : state) {
        for (int v = 1; v <= 100; ++v)
            titoli->setValue(v);
        for (int c = 1; c <= 300; ++c)
            colonne->setValue(c);
        titoli->setValue(1);
    }
    state.counters["ridisegni"] = benchmark::Counter(100 + 300 + 1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ScorrimentoScheda)->Unit(benchmark::kMillisecond);
