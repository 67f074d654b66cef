#include "shared/cartelle.h"

#include <QDir>
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
