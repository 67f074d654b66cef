#include "shared/cartelle.h"
#include "shell/dialoghiqt.h"
#include "shell/messaggiqt.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/finestre.h"
#include "shell/filedistribuiti.h"
#include "shell/frmsplash.h"
#include "shell/suonofluidsynth.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    preparaapplicazione();

    ModuloVelno modulo;
    MessaggiQt messaggi;
    DialoghiQt dialoghi;
    // Velno works in the user's own folder, whatever folder it was started from.
    if (const QString cartella = cartellautente(); preparacartella(cartella, nullptr)) {
        modulo.cartella = cartella;
        dialoghi.cartellainiziale = cartella;
        // The first start brings the examples in, so that the first File > Apri has something to open.
        copiaesempi(cartelladistribuita(QStringLiteral("esempi")), cartella,
                    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                        .filePath(QStringLiteral("esempi-copiati")));
    }
    Finestre finestre(modulo, messaggi, dialoghi);
    // Unsaved data are kept aside in Velno's own data folder, never among the user's files.
    finestre.attivaripristino(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    finestre.creasuono = [] { return std::unique_ptr<Suono>(std::make_unique<SuonoFluidSynth>()); };

    // The program starts on the splash and nothing else: every other window is built when
    // first shown.
    frmSplash& splash = finestre.mostra<frmSplash>();
    // The start-up benchmark: the time from the process's start to the first frame.
    if (qEnvironmentVariableIsSet("VELNO_MISURA_AVVIO"))
        QObject::connect(&splash, &frmSplash::dipinta, &splash, [] {
            QTimer::singleShot(0, [] {
                std::puts("dipinta");
                std::fflush(stdout);
                std::_Exit(0);
            });
        });
    // The windows' icon is decoded once the splash is on screen (the splash has no frame).
    QObject::connect(&splash, &frmSplash::dipinta, &app, [] { QApplication::setWindowIcon(iconaprogramma()); },
                     Qt::QueuedConnection);
    const int esito = app.exec();
    // Windows unloaded on the way out go now, while the program is whole: the splash's player
    // closes its sound device in order.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return esito;
}
