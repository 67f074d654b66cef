#include "archivi.h"
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

static void BM_SalvaArchivio(benchmark::State& s) { salvataggio(s, realistico(), salvaarchivio); }
BENCHMARK(BM_SalvaArchivio)->Unit(benchmark::kMillisecond);

static void BM_ApriArchivio(benchmark::State& s) { lettura(s, realistico(), salvaarchivio, apriarchivio); }
BENCHMARK(BM_ApriArchivio)->Unit(benchmark::kMillisecond);
