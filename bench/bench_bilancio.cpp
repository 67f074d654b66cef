#include "archivi.h"
#include "balance/archiviobilancio.h"
#include "balance/frmbilancio.h"
#include "balance/stampabilancio.h"
#include "balance/vendite.h"
#include "doppi.h"
#include "pienoportafoglio.h"
#include "shared/documentotesto.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "ambiente.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void BM_SalvaBilancio(benchmark::State& s) { salvataggio(s, centovendite(), salvabilancio); }
BENCHMARK(BM_SalvaBilancio)->Unit(benchmark::kMillisecond);

static void BM_ApriBilancio(benchmark::State& s) { lettura(s, centovendite(), salvabilancio, apribilancio); }
BENCHMARK(BM_ApriBilancio)->Unit(benchmark::kMillisecond);

static void BM_TotaliBilancio(benchmark::State& state)
{
    const SalesBalance b = centovendite();
    for (auto _ : state)
        benchmark::DoNotOptimize(calcolatotali(b));
}
BENCHMARK(BM_TotaliBilancio)->Unit(benchmark::kMicrosecond);

static void BM_CambioValuta(benchmark::State& state)
{
    SalesBalance b = centovendite();
    for (auto _ : state) {
        convertiineuro(b);
        convertiinlire(b);
    }
}
BENCHMARK(BM_CambioValuta)->Unit(benchmark::kMicrosecond);

// The whole switch as the user sees it: the window converts, refills its lines, rewrites
// the totals and the totals file, there and back.
static void BM_CambioValutaFinestra(benchmark::State& state)
{
    QTemporaryDir dir;
    AmbienteFinestre e;
    e.modulo.cartella = dir.path();
    e.v() = centovendite();
    bilancio& w = e.finestre.finestra<bilancio>();
    w.VScroll1_Change();
    for (auto _ : state) {
        w.cmdeuro_Click();
        w.cmdlira_Click();
    }
}
BENCHMARK(BM_CambioValutaFinestra)->Unit(benchmark::kMillisecond);

static void BM_StampaBilancio(benchmark::State& state)
{
    const SalesBalance b = centovendite();
    const StampaBilancio s{QStringLiteral("Velno"), QStringLiteral("programma per la gestione dei titoli di velno"),
                           QStringLiteral("anno 2001"), QStringLiteral("valori in lire")};
    for (auto _ : state) {
        DocumentoTesto d;
        stampabilancio(d, b, s);
        benchmark::DoNotOptimize(d.documento());
    }
}
BENCHMARK(BM_StampaBilancio)->Unit(benchmark::kMillisecond);
