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

namespace {
// The first of the shipped folders that holds `nome` as a file (or as a folder).
QString distribuito(const QString& nome, bool cartella)
{
    if (nome.isEmpty())
        return QString();
    for (const QString& c : cartelledistribuite()) {
        const QFileInfo f(QDir(c).filePath(nome));
        if (cartella ? f.isDir() : f.isFile())
            return f.absoluteFilePath();
    }
    return QString();
}
} // namespace

QString filedistribuito(const QString& nome) { return distribuito(nome, false); }
QString cartelladistribuita(const QString& nome) { return distribuito(nome, true); }
