#include "shell/suggerimenti.h"
#include "shared/scritturasicura.h"
#include "shared/campi.h"

#include <QFile>

const QString Suggerimenti::nomefile = QStringLiteral("SuggerimentiVelno.TXT");

QString Suggerimenti::testomancante()
{
    return QStringLiteral("Impossibile trovare il file ") + nomefile + QStringLiteral("\r\n\r\n")
           + QStringLiteral("Creare un file di testo denominato ") + nomefile
           + QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. ")
           + QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

bool Suggerimenti::LoadTips(const QString& file)
{
    if (file.isEmpty())
        return false;
    // A tips file is a few kilobytes; a stray huge file must not fill the memory.
    QByteArray dati;
    if (!leggisicuro(file, 4 * 1024 * 1024, &dati, nullptr))
        return false;
    QString testo = decodificaarchivio(dati);
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (testo.endsWith(u'\n'))
        testo.chop(1);   // the line end of the last line starts no further tip
    if (!testo.isEmpty() || !dati.isEmpty())
        m_suggerimenti += testo.split(u'\n');
    successivo();
    return true;
}

void Suggerimenti::successivo()
{
    if (m_suggerimenti.isEmpty())
        return;
    ++m_corrente;
    if (m_corrente > quanti())
        m_corrente = 1;
}

void Suggerimenti::precedente()
{
    if (m_corrente > 1)
        --m_corrente;
}

QString Suggerimenti::testo() const
{
    if (m_corrente < 1 || m_corrente > quanti())
        return QString();
    return m_suggerimenti[m_corrente - 1];
}
