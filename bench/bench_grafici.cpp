#include "charts/grafico.h"
#include "charts/regolegrafici.h"
#include "pienoportafoglio.h"
#include "documenti/modulovelno.h"

#include <benchmark/benchmark.h>

// A 10 x 10 series chart of the full Portfolio: filled from the tables, then drawn to a
// picture of the window's chart size, for each of the seven kinds.
static void BM_GraficoDieciPerDieci(benchmark::State& state)
{
    const auto tipo = TipoGrafico(state.range(0));
    ModuloVelno modulo;
    riempiportafoglio(modulo.azioni.dati());
    Grafico grafico;
    grafico.griglia().impostatipo(tipo);
    RegoleGrafici regole(modulo, grafico.griglia());
    for (auto _ : state) {
        regole.graficoserie();
        benchmark::DoNotOptimize(grafico.immagine(QSize(632, 326)));
    }
    state.SetLabel(tipo3d(tipo) ? "pittore 3D" : "Qt Charts");
}
BENCHMARK(BM_GraficoDieciPerDieci)
    ->ArgName("tipo")
    ->Arg(int(TipoGrafico::Barre))
    ->Arg(int(TipoGrafico::Linee))
    ->Arg(int(TipoGrafico::Torta))
    ->Arg(int(TipoGrafico::Barre3D))
    ->Arg(int(TipoGrafico::Linee3D))
    ->Arg(int(TipoGrafico::Area3D))
    ->Arg(int(TipoGrafico::Passo3D))
    ->Unit(benchmark::kMillisecond);

// Filling alone: the grid from the tables, every quotation read and converted.
static void BM_RiempimentoSerie(benchmark::State& state)
{
    ModuloVelno modulo;
    riempiportafoglio(modulo.azioni.dati());
    GrigliaGrafico griglia;
    RegoleGrafici regole(modulo, griglia);
    for (auto _ : state) {
        regole.graficoserie();
        benchmark::DoNotOptimize(griglia.dato(10, 10));
    }
}
BENCHMARK(BM_RiempimentoSerie)->Unit(benchmark::kMicrosecond);
