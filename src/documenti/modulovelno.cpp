#include "documenti/modulovelno.h"
#include "balance/vendite.h"
#include "shared/campi.h"
#include "shared/numeri.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include "shared/scritturasicura.h"

ModuloVelno::ModuloVelno()
{
    impostaidentita();
    impostatitoli();
}

void ModuloVelno::impostaidentita()
{
    nomeprogramma = QStringLiteral("Velno");
    descrizione = QStringLiteral("programma per la gestione dei titoli di velno");
    versione = QStringLiteral("2.04.08");
    datarilascio = QStringLiteral("07/1998");
}

void ModuloVelno::impostatitoli()
{
    titolocontrollo = nomeprogramma + QStringLiteral(": controllo dati immessi nella finestra attiva");
    titoloaiuto = nomeprogramma + QStringLiteral(": aiuto in linea");
    titoloelimina = QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
}

QString ModuloVelno::nometotali(int anno)
{
    return QStringLiteral("Velno-totali-") + str(anno);
}

namespace {
QString percorso(const QString& cartella, const QString& nome)
{
    return cartella.isEmpty() ? nome : QDir(cartella).filePath(nome);
}
} // namespace

QString ModuloVelno::percorsoutente(const QString& nome) const
{
    return percorso(cartella, nome);
}

bool ModuloVelno::leggitotali(int anno, const QString& cartella)
{
    if (anno < primoanno || anno > ultimoanno)
        return false;
    QByteArray dati;
    if (!leggisicuro(percorso(cartella, nometotali(anno)), 64 * 1024, &dati, nullptr))
        return false;
    LettoreCampi l(decodificaarchivio(dati));
    const auto a = l.leggi(), b = l.leggi(), c = l.leggi();
    if (!a || !b || !c)
        return false;
    const int k = anno - primoanno;
    totalepagato[k] = a->testo;
    totaleguadagno[k] = b->testo;
    mediepercento[k] = c->testo;
    return true;
}

bool ModuloVelno::scrivitotali(int anno, const QString& pagato, const QString& guadagno,
                               const QString& media, const QString& cartella, QString* errore)
{
    ScrittoreCampi s;
    s.testo(pagato);
    s.testo(guadagno);
    s.testo(media);
    s.fineriga();
    return scrivisicuro(percorso(cartella, nometotali(anno)), codificaarchivio(s.risultato()), errore);
}

std::optional<Messaggio> ModuloVelno::registratotali()
{
    const SalesBalance& b = vendite.tabelle();
    const int a = vendite.anno();
    // A sale typed in another year (the "anni diversi" warning) would put this year's sales
    // into that year's file: both files keep what they hold until the dates agree again.
    if (b.numerorighe == 0 || a < primoanno || a > ultimoanno || !soloanno(b, a))
        return std::nullopt;
    const TotaliBilancio t = calcolatotali(b);
    const auto k = std::size_t(a - primoanno);
    totalepagato[k] = t.testopagato;
    totaleguadagno[k] = t.testoguadagno;
    mediepercento[k] = t.media;
    if (QString errore; !scrivitotali(a, t.testopagato, t.testoguadagno, t.media, cartella, &errore))
        return Messaggio{QStringLiteral("Impossibile scrivere il file dei totali \"%1\": %2.")
                             .arg(percorsoutente(nometotali(a)), errore),
                         titolocontrollo, Icona::Critica};
    return std::nullopt;
}

QString ModuloVelno::piattaforma()
{
    QString sistema = QSysInfo::kernelType();
    if (sistema == u"linux")
        sistema = QStringLiteral("Linux");
    else if (!sistema.isEmpty())
        sistema[0] = sistema[0].toUpper();
    return QStringLiteral("per sistemi %1 a %2 bit ").arg(sistema).arg(QSysInfo::WordSize);
}
