#include "doppi.h"
#include "pienoportafoglio.h"
#include "portfolio/frmazioni.h"
#include "portfolio/stampaazioni.h"
#include "shared/docx.h"
#include "shared/documentotesto.h"
#include "shell/frmdocumento.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "ambiente.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
StampaAzioni dati()
{
    StampaAzioni s;
    s.nomeprogramma = QStringLiteral("Velno");
    s.descrizione = QStringLiteral("programma per la gestione dei titoli di velno");
    s.primacolonna = 296;
    for (int K = 1; K <= 5; ++K)
        s.guadagni[std::size_t(K)] = QStringLiteral("1.234,56");
    s.totale = QStringLiteral("totale costo iniziale azioni.............euro");
    s.totaleiniziale = s.totaledatato = s.totalecorrente = QStringLiteral("1.234.567,89");
    s.totaleal = QStringLiteral("quotazioni al...20/06/01..............euro");
    s.totinvestito = QStringLiteral("investimento al 20/06/01............euro");
    return s;
}
} // namespace

static void BM_StampaAzioni100(benchmark::State& state)
{
    Portfolio p;
    riempiportafoglio(p);
    p.strategia = QStringLiteral("Appunti di prova.");
    for (auto _ : state) {
        DocumentoTesto d;
        stampaazioni(d, p, dati());
        benchmark::DoNotOptimize(d.documento());
    }
}
BENCHMARK(BM_StampaAzioni100)->Unit(benchmark::kMillisecond);

static void BM_SalvaStampa(benchmark::State& state)
{
    Portfolio p;
    riempiportafoglio(p);
    DocumentoTesto d;
    stampaazioni(d, p, dati());
    QTemporaryDir dir;
    const QString file = dir.filePath(state.range(0) ? QStringLiteral("azioni.pdf") : QStringLiteral("azioni.docx"));
    for (auto _ : state) {
        QString errore;
        if (!d.salva(file, &errore))
            state.SkipWithError(qPrintable(errore));
    }
    state.SetLabel(state.range(0) ? "PDF" : "docx");
}
BENCHMARK(BM_SalvaStampa)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The print as the user starts it: from the Azioni window's menu to its document window
// showing the whole report, at 100 holdings.
static void BM_StampaDallaFinestra100(benchmark::State& state)
{
    AmbienteFinestre e;
    riempiportafoglio(e.p());
    frmAzioni& a = e.a();
    a.show();
    QApplication::processEvents();
    for (auto _ : state) {
        a.solodati_Click();
        QApplication::processEvents();
        state.PauseTiming();
        for (frmDocumento* d : e.finestre.documenti())
            d->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StampaDallaFinestra100)->Unit(benchmark::kMillisecond);
