#pragma once
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// One archive format at full scale: `dati` written with `scrivi` again and again, or written
// once and read back with `leggi`, in a scratch file.
template <class T>
void salvataggio(benchmark::State& state, const T& dati, bool (*scrivi)(const T&, const QString&, QString*))
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velno-bench"));
    for (auto _ : state) {
        QString errore;
        if (!scrivi(dati, file, &errore))
            state.SkipWithError(qPrintable(errore));
    }
}

template <class T, class Leggi>
void lettura(benchmark::State& state, const T& dati, bool (*scrivi)(const T&, const QString&, QString*), Leggi leggi)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Velno-bench"));
    scrivi(dati, file, nullptr);
    for (auto _ : state) {
        QString errore;
        auto letto = leggi(file, &errore);
        if (!letto)
            state.SkipWithError(qPrintable(errore));
        benchmark::DoNotOptimize(letto);
    }
}
