// Velno at full scale with every window open, started as the program starts (its splash and
// tune first, the Italian texts, the icons): prints the peak resident memory (VmHWM) once
// every window has been painted. bench/memoria.sh runs it beside the empty Qt program.
//   velno-memoria [--tutte] [folder of the full-scale archives]
// Without --tutte: the splash and the seven working windows; with it, every window.
#include "gestori.h"
#include "scena.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/frmsplash.h"
#include "shell/suonofluidsynth.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {
QByteArray stato(const char* voce)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith(voce))
            return riga.mid(qstrlen(voce)).trimmed();
    return {};
}

// The resident memory by what holds it (the heap, each library, each font and cache file),
// largest first: where to look when the peak is too high.
void mappe()
{
    QFile f(QStringLiteral("/proc/self/smaps"));
    if (!f.open(QIODevice::ReadOnly))
        return;
    QMap<QByteArray, qint64> kb;
    QByteArray nome;
    for (const QByteArray& riga : f.readAll().split('\n')) {
        const QList<QByteArray> c = riga.simplified().split(' ');
        if (c.size() >= 5 && c[0].contains('-') && !riga.endsWith(':'))
            nome = c.size() >= 6 ? c[5] : QByteArray("[anonima]");
        else if (riga.startsWith("Rss:") && c.size() >= 2)
            kb[nome] += c[1].toLongLong();
    }
    QList<std::pair<qint64, QByteArray>> v;
    for (auto i = kb.begin(); i != kb.end(); ++i)
        v.append({i.value(), i.key()});
    std::sort(v.begin(), v.end(), std::greater<>());
    for (qsizetype i = 0; i < std::min<qsizetype>(v.size(), 25); ++i)
        std::fprintf(stderr, "%8lld kB  %s\n", v[i].first, v[i].second.constData());
}

// Events handled for a while: on an X server the windows paint once they are exposed.
void attendi(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    preparaapplicazione();

    const bool fasi = qEnvironmentVariableIsSet("VELNO_MEMORIA_FASI");
    auto fase = [fasi](const char* nome) {
        if (fasi)
            std::fprintf(stderr, "%-28s VmRSS %s\n", nome, stato("VmRSS:").constData());
    };
    fase("applicazione");
    bool tutte = false;
    QString cartella;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--tutte") == 0)
            tutte = true;
        else
            cartella = QString::fromLocal8Bit(argv[i]);
    }
    Scena s(cartella, false);
    fase("archivi aperti");
    SuonoFluidSynth* lettore = nullptr;
    s.finestre.creasuono = [&lettore] {
        auto l = std::make_unique<SuonoFluidSynth>();
        lettore = l.get();
        return std::unique_ptr<Suono>(std::move(l));
    };
    frmSplash& splash = s.finestre.mostra<frmSplash>();
    attendi(200);
    if (lettore)   // the sound bank loaded and the tune started, or given up for want of a device
        lettore->attendi();
    fase("splash e musica");
    QApplication::setWindowIcon(iconaprogramma());
    splash.Form_Click();
    mostratutte(s, tutte, fase);
    attendi(500);
    if (qEnvironmentVariableIsSet("VELNO_MEMORIA_MAPPE"))
        mappe();
    int aperte = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        aperte += w->isVisible();
    std::printf("VmHWM %s  VmRSS %s  finestre aperte %d\n", stato("VmHWM:").constData(), stato("VmRSS:").constData(), aperte);
    std::fflush(stdout);
    return 0;
}
