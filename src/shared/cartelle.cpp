#include "shared/cartelle.h"

#include "shared/scritturasicura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString cartellautente()
{
    QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documenti.isEmpty())
        documenti = QDir::home().filePath(QStringLiteral("Documents"));
    return QDir(documenti).filePath(QStringLiteral("Velno"));
}

bool preparacartella(const QString& cartella, QString* errore)
{
    const QFileInfo info(cartella);
    if (info.isDir())
        return true;
    if (info.exists()) {
        if (errore)
            *errore = QStringLiteral("al posto della cartella c'è un file");
        return false;
    }
    if (!QDir().mkpath(cartella)) {
        if (errore)
            *errore = QStringLiteral("non si hanno i permessi per crearla");
        return false;
    }
    return true;
}

QStringList copiaesempi(const QString& esempi, const QString& cartella, const QString& segno)
{
    QStringList copiati;
    const QDir sorgente(esempi);
    if (esempi.isEmpty() || !sorgente.exists() || cartella.isEmpty() || QFileInfo::exists(segno))
        return copiati;
    bool tutti = true;
    const QDir destinazione(cartella);
    for (const QFileInfo& f : sorgente.entryInfoList(QDir::Files | QDir::Readable, QDir::Name)) {
        const QString bersaglio = destinazione.filePath(f.fileName());
        if (QFileInfo::exists(bersaglio) || QFileInfo(bersaglio).isSymLink())
            continue;   // the user's file of that name stays as it is
        // QFile::copy writes a temporary file and renames it without replacing anything.
        if (!QFile::copy(f.filePath(), bersaglio)) {
            tutti = false;
            continue;
        }
        // Installed files may be read-only: the user's copy is the user's to change.
        QFile::setPermissions(bersaglio, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        copiati << f.fileName();
    }
    if (tutti && QDir().mkpath(QFileInfo(segno).absolutePath()))
        scrivisicuro(segno, copiati.join(u'\n').toUtf8() + '\n', nullptr);
    return copiati;
}
