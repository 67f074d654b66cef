// Every handler of every window at full scale, each timed over several runs: prints how many
// there are of each kind, the ten slowest and every one above a frame (16 ms) but a print's
// file output, which is listed on its own. Times are medians, elapsed and of processor.
//   velno-gestori [runs] [-v: each handler's time as it goes, on stderr] [part of a name]
#include "gestori.h"
#include "scena.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <map>

namespace {
constexpr double fotogramma = 16.0;   // ms

struct Tempi {
    const Gestore* g;
    double mediana;      // elapsed
    double massimo;
    double processore;   // the median of the processor times
};

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void stampa(const Tempi& t)
{
    std::printf("  %8.2f ms  (processore %7.2f, al massimo %7.2f)  %-11s %s\n", t.mediana, t.processore, t.massimo,
                qPrintable(nomefamiglia(t.g->famiglia)), qPrintable(t.g->nome));
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    senzaavvisipiattaforma();
    int giri = 5;
    bool traccia = false;
    QString filtro;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        bool numero = false;
        const int n = a.toInt(&numero);
        if (numero)
            giri = std::max(1, n);
        else if (a == u"-v")
            traccia = true;
        else
            filtro = a;
    }

    Scena s;
    std::vector<Gestore> gestori = catalogo(s);
    std::erase_if(gestori, [&](const Gestore& g) { return !g.nome.contains(filtro); });
    // A first round opens every window once and tells the prints apart; it is not counted.
    for (Gestore& g : gestori) {
        const Tempo t = misura(s, g);
        if (traccia)
            std::fprintf(stderr, "%8.2f ms (processore %7.2f)  %s\n", t.ms, t.cpu, qPrintable(g.nome));
    }
    std::vector<std::vector<double>> ms(gestori.size()), cpu(gestori.size());
    for (int giro = 0; giro < giri; ++giro)
        for (std::size_t i = 0; i < gestori.size(); ++i) {
            const Tempo t = misura(s, gestori[i]);
            ms[i].push_back(t.ms);
            cpu[i].push_back(t.cpu);
        }

    std::vector<Tempi> tempi;
    std::map<Famiglia, int> quanti;
    for (std::size_t i = 0; i < gestori.size(); ++i) {
        tempi.push_back({&gestori[i], mediana(ms[i]), *std::max_element(ms[i].begin(), ms[i].end()), mediana(cpu[i])});
        ++quanti[gestori[i].famiglia];
    }
    std::printf("Gestori di tutte le finestre a piena scala (100 titoli x 300 colonne, 100 vendite), "
                "mediana di %d giri:\n",
                giri);
    for (const auto& [f, n] : quanti)
        std::printf("  %-11s %4d\n", qPrintable(nomefamiglia(f)), n);
    std::printf("  %-11s %4zu\n", "in tutto", gestori.size());

    std::sort(tempi.begin(), tempi.end(), [](const Tempi& a, const Tempi& b) { return a.mediana > b.mediana; });
    const auto stampa_ = [](const Tempi& t) { return t.g->famiglia != Famiglia::FileStampa; };
    std::printf("I dieci più lenti (oltre all'uscita su file delle stampe):\n");
    int n = 0;
    for (const Tempi& t : tempi)
        if (stampa_(t) && n++ < 10)
            stampa(t);
    const auto oltre = std::count_if(tempi.begin(), tempi.end(),
                                     [&](const Tempi& t) { return stampa_(t) && t.mediana > fotogramma; });
    if (oltre) {
        std::printf("Oltre %.0f ms: %td\n", fotogramma, oltre);
        for (const Tempi& t : tempi)
            if (stampa_(t) && t.mediana > fotogramma)
                stampa(t);
    } else {
        std::printf("Nessuno oltre %.0f ms.\n", fotogramma);
    }
    std::printf("Uscita su file delle stampe, i cinque più lenti:\n");
    n = 0;
    for (const Tempi& t : tempi)
        if (!stampa_(t) && n++ < 5)
            stampa(t);
    std::fflush(stdout);
    return 0;
}
