#include "shell/copiedocumento.h"
#include "shared/dialoghi.h"
#include "shared/docx.h"
#include "shared/documentotesto.h"
#include "shared/messaggi.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {
QTemporaryDir* copie = nullptr;
} // namespace

QString cartellacopie()
{
    // The copies handed to the word processor are the user's alone (a folder of their own,
    // 0700, in the session's runtime folder) and go when Velno ends.
    if (!copie) {
        QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (base.isEmpty() || !QFileInfo(base).isDir())
            base = QDir::tempPath();
        copie = new QTemporaryDir(QDir(base).filePath(QStringLiteral("velno-stampe-XXXXXX")));
        qAddPostRoutine([] {
            delete copie;
            copie = nullptr;
        });
    }
    return copie->isValid() ? copie->path() : QString();
}

bool salvadocumentocome(QTextDocument* d, Dialoghi& dialoghi, Messaggi& messaggi, QWidget* genitore,
                        const QString& titolo, const QString& filtro, const QString& estensione)
{
    QString file = dialoghi.salva(genitore, RichiestaFile{QStringLiteral("Salva documento"), filtro, 1});
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().compare(estensione, Qt::CaseInsensitive) != 0) {
        file += u'.' + estensione;
        // The dialog asked about the name typed: the name written may be another file's.
        if (QFileInfo::exists(file)
            && messaggi.mostra(Messaggio{
                   QStringLiteral("Il file \"%1\" esiste già. Sostituirlo?").arg(file),
                   titolo, Icona::Domanda,
                   Pulsanti::SiNo}) != Risposta::Si)
            return false;
    }
    QString errore;
    const bool fatto = estensione == u"pdf" ? salvapdf(d, file, &errore) : salvadocx(d, file, &errore);
    if (!fatto)
        messaggi.mostra(Messaggio{QStringLiteral("Impossibile salvare il documento \"%1\": %2.").arg(file, errore),
                                               titolo,
                                               Icona::Critica});
    return fatto;
}

void consegnaelaboratore(QTextDocument* d, Messaggi& messaggi, const QString& titolo,
                         const std::function<bool(const QUrl&)>& apriesterno)
{
    const QString file = QDir(cartellacopie()).filePath(
        QStringLiteral("Velno-stampa-%1.docx").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"))));
    QString errore;
    if (!salvadocx(d, file, &errore)) {
        messaggi.mostra(
            Messaggio{QStringLiteral("Impossibile preparare il documento \"%1\": %2.").arg(file, errore), titolo, Icona::Critica});
        return;
    }
    if (!apriesterno || !apriesterno(QUrl::fromLocalFile(file)))
        messaggi.mostra(Messaggio{
            QStringLiteral("Nessun elaboratore di testi del desktop ha aperto il documento. È stato salvato in \"%1\".").arg(file),
            titolo, Icona::Esclamativa});
}
