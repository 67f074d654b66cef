#include "gestori.h"
#include "pienoportafoglio.h"
#include "ranking/classifica.h"
#include "charts/grafici.h"
#include "plan/piano.h"
#include "portfolio/frmazioni.h"
#include "scena.h"

#include <QElapsedTimer>
#include <malloc.h>
#include <QUndoStack>
#include <benchmark/benchmark.h>

// The undo of a full-scale change (100 holdings x 300 dated columns), with every window that
// follows the Portfolio on screen (the Azioni grid, the card, the ranking, the charts, the
// plan) redrawn after it, events processed; the redo between two undos is not timed.
namespace {
void storia(benchmark::State& state, void (*cambia)(DocumentoAzioni&))
{
    Scena& s = scenacondivisa();
    s.ripristina();
    s.finestre.aprischeda();
    s.finestre.mostragraduatoria();
    s.finestre.mostra<grafici>();
    s.finestre.mostra<piano>();
    s.finestre.mostra<frmAzioni>();
    elaboraeventi();
    DocumentoAzioni& d = s.modulo.azioni;
    cambia(d);
    elaboraeventi();
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        d.storia().undo();
        elaboraeventi();
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
        d.storia().redo();
        elaboraeventi();
    }
    d.storia().undo();
    elaboraeventi();
    if (!s.intatta())
        state.SkipWithError("the undo did not bring the archive's data back");
}
} // namespace

// The names sorted (every holding moves: the full-scale names are numbered, "Titolo
// azionario 1, 10, 100, 11, ...").
static void BM_AnnullaOrdinamento(benchmark::State& state)
{
    storia(state, [](DocumentoAzioni& d) { d.ordinaperazioni(); });
}
BENCHMARK(BM_AnnullaOrdinamento)->UseManualTime()->Unit(benchmark::kMillisecond);

// Every cell emptied ("cancella dati finestra" of the charts, "all the data" of the dialog).
static void BM_AnnullaSvuota(benchmark::State& state)
{
    storia(state, [](DocumentoAzioni& d) { d.svuota(); });
}
BENCHMARK(BM_AnnullaSvuota)->UseManualTime()->Unit(benchmark::kMillisecond);

// The document's side alone: the step undone and redone (the two timed), no window following.
static void BM_AnnullaSoloDocumento(benchmark::State& state)
{
    DocumentoAzioni d;
    Portfolio p;
    riempiportafoglio(p);
    d.sostituisci(std::move(p), QString(), true);
    if (state.range(0) == 0)
        d.ordinaperazioni();
    else
        d.svuota();
    for (auto _ : state) {
        d.storia().undo();
        d.storia().redo();
    }
    state.SetLabel(state.range(0) == 0 ? "ordinamento" : "svuota");
}
BENCHMARK(BM_AnnullaSoloDocumento)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// What the history holds in memory (the heap in use, glibc's count with its mapped blocks,
// before and after): 500 steps of typing in the grid's boxes, and one full-scale sort.
static void BM_MemoriaStoria(benchmark::State& state)
{
    auto inuso = [] {
        const struct mallinfo2 m = mallinfo2();
        return double(m.uordblks + m.hblkhd);
    };
    for (auto _ : state) {
        DocumentoAzioni d;
        Portfolio p;
        riempiportafoglio(p);
        d.sostituisci(std::move(p), QString(), true);
        const auto prima = inuso();
        for (int k = 1; k <= DocumentoArchiviato::limitestoria; ++k) {
            d.impostaquotazione(1 + k % Portfolio::maxcolonne, 1 + k % Portfolio::maxtitoli, QString::number(k));
            d.chiudidigitazione();
        }
        const auto digitazioni = inuso();
        d.storia().clear();
        const auto vuota = inuso();
        d.ordinaperazioni();
        const auto ordinamento = inuso();
        state.counters["KB_500_digitazioni"] = double(digitazioni - prima) / 1024;
        state.counters["KB_ordinamento"] = double(ordinamento - vuota) / 1024;
    }
}
BENCHMARK(BM_MemoriaStoria)->Iterations(1)->Unit(benchmark::kMillisecond);
