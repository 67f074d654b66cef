#include "shell/guide.h"
#include "documenti/modulovelno.h"
#include "shared/documento.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString gotico = QStringLiteral("Century Gothic");
}

const std::array<PaginaGuida, 13>& pagineguida()
{
    static const std::array<PaginaGuida, 13> pagine = {{
        {"manuale", "MANUALE D'USO RAPIDO", " Manuale d'uso rapido", 9600},
        {"guidafunzionamento", "FUNZIONAMENTO DEL PROGRAMMA", "  Funzionamento del programma", 5640},
        {"guidaarchivio", "ARCHIVIO DATI", "  Archivio dati", 5640},
        {"guidaAZIONI", "FINESTRA AZIONI", " Finestra Azioni", 5640},
        {"guidasaldo", "SALDO", " Saldo", 5640},
        {"guidaquotazioni", "QUOTAZIONI PERIODICHE", " Quotazioni periodiche", 5640},
        {"guidasingola", "FINESTRA SINGOLO TITOLO", " Finestra singolo titolo", 5640},
        {"guidagraduatoria", "GRADUATORIA DEGLI INCREMENTI", " Finestra graduatoria incrementi", 5640},
        {"guidabilancio", "FINESTRA BILANCIO ANNUALE", " Finestra bilancio annuale", 5640},
        {"guidAMENSILE", "FINESTRA BILANCIO MENSILE E PLURIENNALE", " Finestra bilancio mensile", 5640},
        {"guidagrafici", "FINESTRA GRAFICI", " Finestra Grafici", 5640},
        {"guidapiano", "FINESTRA PIANO STRATEGICO", " Finestra Piano strategico", 5640},
        {"guidaeuro", "TRASFORMAZIONI IN EURO", " Trasformazioni in euro", 5640},
    }};
    return pagine;
}

QString testoguida(const QString& nome)
{
    if (nome.isEmpty() || nome.contains(u'/'))
        return QString();
    QFile f(QStringLiteral(":/aiuto/") + nome + QStringLiteral(".txt"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QString t = QString::fromUtf8(f.readAll());
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (t.endsWith(u'\n'))
        t.chop(1);
    return t;
}

QStringList consigli(const QString& finestra)
{
    return testoguida(QStringLiteral("aiuto-") + finestra).split(u'\n');
}

void stampaguida(Documento& d, const QString& nomeprogramma, const QString& descrizione,
                 const QString& titolo, const QString& testo)
{
    iniziostampa(d, nomeprogramma, descrizione + QStringLiteral("\r\r"));
    d.scrivi(QStringLiteral("Guida: ") + titolo + u'\r');
    d.carattere(gotico, 12);
    d.scrivi(testo);
    d.allineatutto(Documento::Allineamento::Giustificato);
}

void stampaguidaintera(Documento& d, const QString& nomeprogramma, const QString& descrizione,
                       const QList<SezioneGuida>& sezioni)
{
    iniziostampa(d, nomeprogramma, descrizione + QStringLiteral("\r\r\r"));
    for (qsizetype i = 0; i < sezioni.size(); ++i) {
        d.scrivi(QStringLiteral("Guida: ") + sezioni[i].titolo + QStringLiteral("\r\r"));
        if (i == 0)
            d.carattere(gotico, 12);
        d.scrivi(sezioni[i].testo + u'\r');
        if (i + 1 < sezioni.size())
            d.nuovapagina();
    }
    d.allineatutto(Documento::Allineamento::Giustificato);
}

QString nomefileguida(const QString& nomeprogramma)
{
    // The word processor's old format cannot be written: the guide is an Office Open XML file.
    return nomeprogramma + QStringLiteral("-guida.docx");
}

std::optional<Messaggio> stampaesalvaguida(Documento& d, const ModuloVelno& m)
{
    QList<SezioneGuida> sezioni;
    for (const PaginaGuida& p : pagineguida())
        sezioni.append(SezioneGuida{QString::fromUtf8(p.titolo), testoguida(QString::fromLatin1(p.nome))});
    stampaguidaintera(d, m.nomeprogramma, m.descrizione, sezioni);
    const QString file = m.percorsoutente(nomefileguida(m.nomeprogramma));
    QString errore;
    const QString cartella = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(cartella))
        errore = QStringLiteral("impossibile creare la cartella \"%1\"").arg(cartella);
    else if (d.salva(file, &errore))
        return std::nullopt;
    return Messaggio{QStringLiteral("Impossibile salvare la guida nel file \"%1\": %2. La guida resta aperta "
                                    "nella finestra del documento.")
                         .arg(QFileInfo(file).absoluteFilePath(), errore),
                     m.titoloaiuto, Icona::Critica};
}
