#include "controlli.h"
#include "doppi.h"
#include "pienoportafoglio.h"
#include "portfolio/controllo.h"
#include "portfolio/frmazioni.h"
#include "portfolio/ordinamento.h"
#include "portfolio/totali.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "ambiente.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <benchmark/benchmark.h>

static void BM_ControlloInput(benchmark::State& state)
{
    Portfolio p;
    riempiportafoglio(p);
    for (auto _ : state) {
        const EsitoControllo e = controlloinput(p, 1, QStringLiteral("titolo"));
        if (!e.superato)
            state.SkipWithError(qPrintable(e.messaggio->testo));
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_ControlloInput)->Unit(benchmark::kMicrosecond);

static void BM_CalcolaSaldo(benchmark::State& state)
{
    Portfolio p;
    riempiportafoglio(p);
    for (auto _ : state)
        benchmark::DoNotOptimize(calcolasaldo(p, 150, 100));
}
BENCHMARK(BM_CalcolaSaldo)->Unit(benchmark::kMicrosecond);

// A sort of a copy of `base`, the copy left out of the time.
template <class Ordina> void ordinamento(benchmark::State& state, const Portfolio& base, Ordina ordina)
{
    for (auto _ : state) {
        state.PauseTiming();
        Portfolio p = base;
        state.ResumeTiming();
        ordina(p);
        benchmark::DoNotOptimize(p);
    }
}

static void BM_OrdinaAzioni(benchmark::State& state)
{
    Portfolio base;
    riempiportafoglio(base);
    for (int i = 1; i <= 100; ++i)   // reverse order: the most work for the sort
        base.nomititoli[i] = QStringLiteral("Titolo %1").arg(1000 - i);
    ordinamento(state, base, ordinaazioni);
}
BENCHMARK(BM_OrdinaAzioni)->Unit(benchmark::kMicrosecond);

static void BM_OrdinaQuotazioni(benchmark::State& state)
{
    Portfolio base;
    riempiportafoglio(base);
    for (int c = 1; c <= 150; ++c)   // newest first: every column moves
        std::swap(base.datequotazioni[c], base.datequotazioni[301 - c]);
    ordinamento(state, base, ordinaquotazioni);
}
BENCHMARK(BM_OrdinaQuotazioni)->Unit(benchmark::kMicrosecond);

namespace {
struct GrigliaPiena : AmbienteFinestre {
    // Filled before the window is made, which shows it from the start.
    frmAzioni& a = (riempiportafoglio(p()), AmbienteFinestre::a());
    GrigliaPiena()
    {
        a.show();
        trova<QScrollBar>(a, "VScroll1")->setValue(91);   // totals over all 100 holdings
        a.aggiornatitoli();
        a.saldo_Click(3);
        QApplication::processEvents();
    }
};
} // namespace

// One keystroke in a quantity box: stored, total cost and the last saldo recomputed.
static void BM_Battitura(benchmark::State& state)
{
    GrigliaPiena f;
    QLineEdit* quantita = trova<QLineEdit>(f.a, "na", 4);
    bool pari = false;
    for (auto _ : state) {
        quantita->setText(pari ? QStringLiteral("120") : QStringLiteral("1205"));
        pari = !pari;
    }
}
BENCHMARK(BM_Battitura)->Unit(benchmark::kMicrosecond);

static void BM_SaldoClick(benchmark::State& state)
{
    GrigliaPiena f;
    int K = 1;
    for (auto _ : state) {
        f.a.saldo_Click(K);
        K = K % 5 + 1;
    }
}
BENCHMARK(BM_SaldoClick)->Unit(benchmark::kMicrosecond);
