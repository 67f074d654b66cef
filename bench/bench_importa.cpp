#include "doppi.h"
#include "portfolio/frmazioni.h"
#include "portfolio/importa.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "ambiente.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
QString colonna100()
{
    QStringList righe;
    for (int i = 1; i <= 100; ++i)
        righe << QStringLiteral("%1,%2 €").arg(1000 + i).arg(i % 100, 2, 10, QLatin1Char('0'));
    return righe.join(QStringLiteral("\r\n"));
}
} // namespace

// A hundred figures pasted into the grid's first quotation box, redraw and message included.
static void BM_IncollaCento(benchmark::State& state)
{
    AmbienteFinestre e;
    for (int i = 1; i <= 100; ++i)
        e.p().nomititoli[i] = QStringLiteral("Titolo %1").arg(i);
    e.p().datequotazioni[1] = QStringLiteral("04/01/99");
    frmAzioni& a = e.a();
    a.show();
    QApplication::processEvents();
    QGuiApplication::clipboard()->setText(colonna100());
    QLineEdit* casella = trova<QLineEdit>(a, "valore", 1, 1);
    for (auto _ : state) {
        QTest::keySequence(casella, QKeySequence::Paste);
        e.messaggi.registrati.clear();
    }
}
BENCHMARK(BM_IncollaCento)->Unit(benchmark::kMillisecond);

// A CSV file of a hundred holdings read and imported into a new column.
static void BM_ImportaCento(benchmark::State& state)
{
    Portfolio p;
    QByteArray file("Titolo;Prezzo;Data\r\n");
    for (int i = 1; i <= 100; ++i) {
        p.nomititoli[i] = QStringLiteral("Titolo %1").arg(i);
        file += QStringLiteral("titolo %1;%2,5;04/01/1999\r\n").arg(i).arg(i).toLatin1();
    }
    for (auto _ : state) {
        Portfolio q = p;
        const EsitoImporta e = importaquotazioni(q, leggiquotazioni(file), QString(), QString());
        benchmark::DoNotOptimize(e.collocati);
    }
}
BENCHMARK(BM_ImportaCento)->Unit(benchmark::kMillisecond);

namespace {
// A price list of `byte` bytes: the hundred holdings' names over and over, one price a line.
QByteArray listino(qsizetype byte)
{
    QByteArray f("Titolo;Prezzo\r\n");
    f.reserve(byte + 64);
    for (int i = 0; f.size() < byte; ++i)
        f += QStringLiteral("Titolo %1;%2,%3\r\n").arg(i % 100 + 1).arg(1000 + i % 9000).arg(i % 100, 2, 10, QLatin1Char('0')).toLatin1();
    return f;
}
} // namespace

// A price list of 1 MB and one of 16 MB (the largest the import takes) read and imported.
static void BM_ImportaListino(benchmark::State& state)
{
    Portfolio p;
    for (int i = 1; i <= 100; ++i)
        p.nomititoli[i] = QStringLiteral("Titolo %1").arg(i);
    const QByteArray file = listino(state.range(0) * 1024 * 1024);
    for (auto _ : state) {
        Portfolio q = p;
        const EsitoImporta e = importaquotazioni(q, leggiquotazioni(file), QStringLiteral("04/01/99"), QString());
        benchmark::DoNotOptimize(e.collocati);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * file.size());
}
BENCHMARK(BM_ImportaListino)->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);
