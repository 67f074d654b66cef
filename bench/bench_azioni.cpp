#include "doppi.h"
#include "pienoportafoglio.h"
#include "portfolio/frmazioni.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "ambiente.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

// The grid scrolled end to end at full scale: every row position, then every column position.
static void BM_RidisegnoGriglia(benchmark::State& state)
{
    AmbienteFinestre e;
    riempiportafoglio(e.p());
    frmAzioni& a = e.a();
    a.show();
    QApplication::processEvents();
    QScrollBar* righe = trova<QScrollBar>(a, "VScroll1");
    QScrollBar* colonne = trova<QScrollBar>(a, "HScroll1");
    for (auto _ : state) {
        for (int v = 1; v <= 91; ++v)
            righe->setValue(v);
        for (int v = 1; v <= 296; ++v)
            colonne->setValue(v);
        righe->setValue(1);
        colonne->setValue(1);
    }
    state.counters["ridisegni"] = benchmark::Counter(91 + 296 + 2, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RidisegnoGriglia)->Unit(benchmark::kMillisecond);

// From nothing to the Azioni window shown and painted.
static void BM_AvvioAzioni(benchmark::State& state)
{
    for (auto _ : state) {
        AmbienteFinestre e;
        e.finestre.mostraazioni();
        QApplication::processEvents();
        benchmark::DoNotOptimize(e.a().grab());
    }
}
BENCHMARK(BM_AvvioAzioni)->Unit(benchmark::kMillisecond);

// Strategy notes of 2,000,000 characters on one line, with and without blanks, shown by an
// open and painted (Qt wraps a run without blanks in a time that grows with its square).
static void BM_NotaLunga(benchmark::State& state)
{
    AmbienteFinestre e;
    frmAzioni& a = e.a();
    a.show();
    QApplication::processEvents();
    QString nota;
    nota.reserve(2000000);
    for (int k = 0; nota.size() < 2000000; ++k)
        nota += state.range(0) && k % 7 == 6 ? QChar(u' ') : QChar(u'a' + k % 26);
    for (auto _ : state) {
        Portfolio p;
        p.strategia = nota;
        e.modulo.azioni.sostituisci(std::move(p), QString(), true);
        benchmark::DoNotOptimize(a.grab());
    }
}
BENCHMARK(BM_NotaLunga)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
