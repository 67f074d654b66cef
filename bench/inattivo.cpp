// Velno idle: the full-scale Portfolio and balance open, one quotation changed and not saved,
// the recovery copy kept as the program keeps it; then nothing touched for SECONDS (60). Prints
// the processor time the process used while untouched (utime + stime of /proc/self/stat), and
// how many recovery copies were written meanwhile. With "senzacursore" the focused box's text
// cursor does not blink: what is left is Velno's own work.
//   velno-inattivo [SECONDS] [senzacursore]
#include "portfolio/frmazioni.h"
#include "scena.h"
#include "documenti/ripristino.h"
#include "controlli.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {
// Processor time of this process, in clock ticks (fields 14 and 15 of /proc/self/stat).
long long tempoprocessore()
{
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = f.readAll();
    const QList<QByteArray> campi = s.mid(s.lastIndexOf(')') + 2).split(' ');
    return campi.value(11).toLongLong() + campi.value(12).toLongLong();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    senzaavvisipiattaforma();
    const int secondi = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    QTemporaryDir recupero;   // outlives the program, whose recovery lock is in it
    Scena s(QString(), false);
    s.finestre.attivaripristino(recupero.path());
    s.apri();
    s.finestre.ripristino()->offri();   // nothing to offer: it only marks the offer done
    frmAzioni& a = s.finestre.azioni();
    trova<QLineEdit>(a, "valore", 1, 1)->setText(QStringLiteral("12345"));   // typed, not saved
    const QString copia = s.finestre.ripristino()->fileportafoglio();
    // The copy is written within a few seconds of the change: the idle time starts after it.
    QElapsedTimer attesa;
    attesa.start();
    while (!QFileInfo::exists(copia) && attesa.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50), usleep(20000);
    if (!QFileInfo::exists(copia)) {
        std::fprintf(stderr, "nessuna copia di recupero scritta\n");
        return 1;
    }
    QApplication::processEvents();
    const QDateTime scritta = QFileInfo(copia).lastModified();
    const bool senzacursore = argc > 2 && qstrcmp(argv[2], "senzacursore") == 0;
    if (senzacursore)
        QApplication::setCursorFlashTime(0);
    const long long prima = tempoprocessore();
    // exit, not quit: quit asks the windows to close, and the Azioni window asks the user first.
    QTimer::singleShot(secondi * 1000, &app, [] { QCoreApplication::exit(0); });
    app.exec();
    const long long dopo = tempoprocessore();
    const double tick = double(sysconf(_SC_CLK_TCK));
    std::printf("inattivo %d s%s, portafoglio a piena scala non salvato: %.2f s di processore, copia di recupero %s\n",
                secondi, senzacursore ? " (cursore fermo)" : "", (dopo - prima) / tick,
                QFileInfo(copia).lastModified() == scritta ? "non riscritta" : "RISCRITTA");
    return 0;
}
