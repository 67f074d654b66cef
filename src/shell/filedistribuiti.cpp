#include "shell/filedistribuiti.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QStringList& scelte()
{
    static QStringList cartelle;
    return cartelle;
}
} // namespace

QStringList cartelledistribuite()
{
    if (!scelte().isEmpty())
        return scelte();
    const QDir programma(QCoreApplication::applicationDirPath());
    return {programma.filePath(QStringLiteral("data")),
            QDir::cleanPath(programma.filePath(QStringLiteral("../share/velno")))};
}

void impostacartelledistribuite(const QStringList& cartelle) { scelte() = cartelle; }

QString filedistribuito(const QString& nome)
{
    if (nome.isEmpty())
        return QString();
    for (const QString& c : cartelledistribuite()) {
        const QFileInfo f(QDir(c).filePath(nome));
        if (f.isFile())
            return f.absoluteFilePath();
    }
    return QString();
}

QString cartelladistribuita(const QString& nome)
{
    if (nome.isEmpty())
        return QString();
    for (const QString& c : cartelledistribuite()) {
        const QFileInfo f(QDir(c).filePath(nome));
        if (f.isDir())
            return f.absoluteFilePath();
    }
    return QString();
}
