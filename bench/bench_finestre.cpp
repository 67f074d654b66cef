#include "balance/frmbilancio.h"
#include "card/singola.h"
#include "charts/grafici.h"
#include "gestori.h"
#include "monthly/frmmensile.h"
#include "plan/piano.h"
#include "portfolio/frmazioni.h"
#include "ranking/classifica.h"
#include "scena.h"
#include "controlli.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <benchmark/benchmark.h>

// The full-scale archives opened through the windows' own Open handlers, with every window
// that follows an open on screen (the Azioni window, the card, the charts, the plan).
static void BM_ApriAzioniPieno(benchmark::State& state)
{
    Scena& s = scenacondivisa();
    s.finestre.aprischeda();
    s.finestre.mostra<grafici>();
    s.finestre.mostra<piano>();
    frmAzioni& a = s.finestre.mostra<frmAzioni>();
    elaboraeventi();
    for (auto _ : state) {
        a.apri_Click();
        elaboraeventi();
    }
}
BENCHMARK(BM_ApriAzioniPieno)->Unit(benchmark::kMillisecond);

static void BM_ApriBilancioPieno(benchmark::State& state)
{
    Scena& s = scenacondivisa();
    bilancio& b = s.finestre.mostra<bilancio>();
    elaboraeventi();
    for (auto _ : state) {
        b.apri_Click();
        elaboraeventi();
    }
}
BENCHMARK(BM_ApriBilancioPieno)->Unit(benchmark::kMillisecond);

// Each window redrawn whole at full scale (every control painted again): the Azioni window
// scrolled to the middle of the tables, the card, the charts in each kind, the ranking,
// the balance, the monthly balance, the plan.
namespace {
struct Ridisegno {
    const char* nome;
    std::function<QWidget*(Scena&)> prepara;
};

const std::vector<Ridisegno>& ridisegni()
{
    auto grafico = [](void (grafici::*tipo)()) {
        return [tipo](Scena& s) -> QWidget* {
            grafici& g = s.finestre.mostra<grafici>();
            (g.*tipo)();
            return &g;
        };
    };
    static const std::vector<Ridisegno> r = {
        {"frmAzioni scorsa",
         [](Scena& s) -> QWidget* {
             frmAzioni& a = s.finestre.mostra<frmAzioni>();
             trova<QScrollBar>(a, "VScroll1")->setValue(46);
             trova<QScrollBar>(a, "HScroll1")->setValue(150);
             return &a;
         }},
        {"singola",
         [](Scena& s) -> QWidget* {
             s.finestre.aprischeda();
             singola& c = s.finestre.mostra<singola>();
             c.portatitolo(50);
             return &c;
         }},
        {"grafici barre", grafico(&grafici::cmdbarre_Click)},
        {"grafici torta", grafico(&grafici::cmdtorta_Click)},
        {"grafici linee", grafico(&grafici::cmdlinee_Click)},
        {"grafici area 3D", grafico(&grafici::cmd3darea_Click)},
        {"grafici nastro 3D", grafico(&grafici::cmdlinee3d_Click)},
        {"grafici barre 3D", grafico(&grafici::cmdbarre3d_Click)},
        {"grafici passo 3D", grafico(&grafici::cmd3dstep_Click)},
        {"classifica", [](Scena& s) -> QWidget* { return &s.finestre.mostra<classifica>(); }},
        {"bilancio", [](Scena& s) -> QWidget* { return &s.finestre.mostra<bilancio>(); }},
        {"mensile",
         [](Scena& s) -> QWidget* {
             s.finestre.mostra<bilancio>().mens_Click();
             return &s.finestre.mostra<mensile>();
         }},
        {"piano", [](Scena& s) -> QWidget* { return &s.finestre.mostra<piano>(); }},
    };
    return r;
}
} // namespace

static void BM_Ridisegno(benchmark::State& state)
{
    const Ridisegno& r = ridisegni()[std::size_t(state.range(0))];
    Scena& s = scenacondivisa();
    QWidget* w = r.prepara(s);
    elaboraeventi();
    for (auto _ : state)
        w->repaint();
    state.SetLabel(r.nome);
}
BENCHMARK(BM_Ridisegno)->DenseRange(0, 12)->Unit(benchmark::kMillisecond);

// Every handler of one kind, each used once per iteration on the full-scale program: the
// time is the sum of the handlers' own (the window brought up, the data put back after a
// sort or a delete are not counted); "piulento" is the slowest single handler, in ms.
static void BM_Gestori(benchmark::State& state)
{
    const Famiglia f = famiglie[state.range(0)];
    Scena& s = scenacondivisa();
    static std::vector<Gestore> gestori = [&s] {
        std::vector<Gestore> g = catalogo(s);
        for (Gestore& x : g)   // the first use opens the windows and tells the prints apart
            misura(s, x);
        return g;
    }();
    double piulento = 0;
    int quanti = 0;
    for (auto _ : state) {
        double somma = 0;
        quanti = 0;
        for (Gestore& g : gestori)
            if (g.famiglia == f) {
                const double ms = misura(s, g).ms;
                somma += ms;
                piulento = std::max(piulento, ms);
                ++quanti;
            }
        state.SetIterationTime(somma / 1000);
    }
    state.counters["gestori"] = quanti;
    state.counters["piulento"] = piulento;
    state.SetLabel(qPrintable(nomefamiglia(f)));
}
BENCHMARK(BM_Gestori)->DenseRange(0, int(std::size(famiglie)) - 1)->UseManualTime()->Unit(benchmark::kMillisecond);

// A window's first opening at full scale: built, filled from the tables and painted, as its
// menu item or button opens it (the window is unloaded, untimed, before each).
namespace {
struct Apertura {
    const char* nome;
    std::function<QWidget*(Scena&)> caricata;   // the window when loaded, else null
    std::function<void(Scena&)> apri;
};
template <class T> std::function<QWidget*(Scena&)> caricata()
{
    return [](Scena& s) -> QWidget* { return s.finestre.caricata<T>() ? &s.finestre.finestra<T>() : nullptr; };
}
const std::vector<Apertura>& aperture()
{
    static const std::vector<Apertura> a = {
        {"singola", caricata<singola>(), [](Scena& s) { s.finestre.aprischeda(); }},
        {"grafici", caricata<grafici>(), [](Scena& s) { s.finestre.mostra<grafici>(); }},
        {"classifica", caricata<classifica>(), [](Scena& s) { s.finestre.mostra<classifica>(); }},
        {"bilancio", caricata<bilancio>(), [](Scena& s) { s.finestre.mostra<bilancio>(); }},
        {"mensile", caricata<mensile>(), [](Scena& s) { s.finestre.mostra<bilancio>().mens_Click(); }},
        {"piano", caricata<piano>(), [](Scena& s) { s.finestre.mostra<piano>(); }},
    };
    return a;
}
} // namespace

static void BM_PrimaApertura(benchmark::State& state)
{
    const Apertura& a = aperture()[std::size_t(state.range(0))];
    Scena& s = scenacondivisa();
    s.finestre.mostra<bilancio>();   // the monthly balance opens from it
    for (auto _ : state) {
        state.PauseTiming();
        if (QWidget* w = a.caricata(s))
            s.finestre.scarica(*w);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        elaboraeventi();
        state.ResumeTiming();
        a.apri(s);
        elaboraeventi();
    }
    state.SetLabel(a.nome);
}
BENCHMARK(BM_PrimaApertura)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
