// Velno at full scale with every window open, started as the program starts (its splash and
// tune first, the Italian texts, the icons): prints the peak resident memory (VmHWM) once
// every window has been painted. bench/memoria.sh runs it beside the empty Qt program.
//   velno-memoria [folder of the full-scale archives]
#include "gestori.h"
#include "scena.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/frmsplash.h"
#include "shell/suonofluidsynth.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QThread>
#include <QTranslator>
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
    QApplication::setApplicationName(QStringLiteral("Velno"));
    QApplication::setDesktopFileName(QStringLiteral("velno"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    impostaicone();
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    const bool fasi = qEnvironmentVariableIsSet("VELNO_MEMORIA_FASI");
    auto fase = [fasi](const char* nome) {
        if (fasi)
            std::fprintf(stderr, "%-28s VmRSS %s\n", nome, stato("VmRSS:").constData());
    };
    fase("applicazione");
    Scena s(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
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
    mostratutte(s, fase);
    attendi(500);
    int aperte = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        aperte += w->isVisible();
    std::printf("VmHWM %s  VmRSS %s  finestre aperte %d\n", stato("VmHWM:").constData(), stato("VmRSS:").constData(), aperte);
    std::fflush(stdout);
    return 0;
}
