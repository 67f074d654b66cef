#include "controlli.h"
#include "doppi.h"
#include "pienoportafoglio.h"
#include "portfolio/controllo.h"
#include "portfolio/frmazioni.h"
#include "portfolio/ordinamento.h"
#include "portfolio/totali.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"

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

static void BM_OrdinaAzioni(benchmark::State& state)
{
    Portfolio base;
    riempiportafoglio(base);
    for (int i = 1; i <= 100; ++i)   // reverse order: the most work for the sort
        base.nomititoli[i] = QStringLiteral("Titolo %1").arg(1000 - i);
    for (auto _ : state) {
        state.PauseTiming();
        Portfolio p = base;
        state.ResumeTiming();
        ordinaazioni(p);
        benchmark::DoNotOptimize(p.nomititoli[1]);
    }
}
BENCHMARK(BM_OrdinaAzioni)->Unit(benchmark::kMicrosecond);

static void BM_OrdinaQuotazioni(benchmark::State& state)
{
    Portfolio base;
    riempiportafoglio(base);
    for (int c = 1; c <= 150; ++c)   // newest first: every column moves
        std::swap(base.datequotazioni[c], base.datequotazioni[301 - c]);
    for (auto _ : state) {
        state.PauseTiming();
        Portfolio p = base;
        state.ResumeTiming();
        ordinaquotazioni(p);
        benchmark::DoNotOptimize(p.datequotazioni[1]);
    }
}
BENCHMARK(BM_OrdinaQuotazioni)->Unit(benchmark::kMicrosecond);

namespace {
struct GrigliaPiena {
    ModuloVelno modulo;
    MessaggiRegistrati messaggi;
    DialoghiRegistrati dialoghi;
    Finestre finestre{modulo, messaggi, dialoghi};
    frmAzioni& a;
    GrigliaPiena() : a((riempiportafoglio(modulo.azioni.dati()), finestre.azioni()))
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
