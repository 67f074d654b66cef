#include "pienoportafoglio.h"
#include "portfolio/archivio.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// Full scale with the texts a user writes: accents, commas, line breaks in the notes.
Portfolio realistico()
{
    Portfolio p;
    riempiportafoglio(p);
    riempiappunti(p);
    return p;
}
} // namespace

static void BM_SalvaArchivio(benchmark::State& state)
{
    const Portfolio p = realistico();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velno-azioni-bench"));
    for (auto _ : state) {
        QString errore;
        if (!salvaarchivio(p, file, &errore))
            state.SkipWithError(qPrintable(errore));
    }
}
BENCHMARK(BM_SalvaArchivio)->Unit(benchmark::kMillisecond);

static void BM_ApriArchivio(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velno-azioni-bench"));
    salvaarchivio(realistico(), file, nullptr);
    for (auto _ : state) {
        QString errore;
        auto p = apriarchivio(file, &errore);
        if (!p)
            state.SkipWithError(qPrintable(errore));
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_ApriArchivio)->Unit(benchmark::kMillisecond);
