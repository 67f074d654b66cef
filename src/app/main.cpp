#include "shared/cartelle.h"
#include "shared/dialoghiqt.h"
#include "shared/messaggiqt.h"
#include "shared/modulovelno.h"
#include "shell/arredo.h"
#include "shell/finestre.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velno"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    impostaicone();
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    ModuloVelno modulo;
    MessaggiQt messaggi;
    DialoghiQt dialoghi;
    // Velno works in the user's own folder, whatever folder it was started from.
    if (const QString cartella = cartellautente(); preparacartella(cartella, nullptr)) {
        modulo.cartella = cartella;
        dialoghi.cartellainiziale = cartella;
    }
    Finestre finestre(modulo, messaggi, dialoghi);
    finestre.mostraazioni();
    return app.exec();
}
