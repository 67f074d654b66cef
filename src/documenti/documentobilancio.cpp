#include "documenti/documentobilancio.h"
#include "balance/archiviobilancio.h"
#include "balance/vendite.h"
#include "shared/messaggi.h"
#include "shared/numeri.h"

void DocumentoBilancio::modifica(const std::function<void(SalesBalance&)>& cambia)
{
    cambia(m_b);
    emit righecambiate();
    cambio();
}

void DocumentoBilancio::inEuro() { cambiavaluta(true); }
void DocumentoBilancio::inLire() { cambiavaluta(false); }

void DocumentoBilancio::cambiavaluta(bool euro)
{
    if (m_ineuro == euro)
        return;   // never twice the same way: the prices would be divided again
    m_ineuro = euro;
    m_b.fattore = cambiosingolo;
    if (euro)
        convertiineuro(m_b);
    else
        convertiinlire(m_b);
    emit valutacambiata(euro);
    cambio();
}

bool DocumentoBilancio::prontoperarchiviare(Messaggi& messaggi, const QString& titolo,
                                            const std::function<void()>& chiusi)
{
    if (m_b.numerorighe == 0) {
        messaggi.mostra(Messaggio{QStringLiteral("Attenzione: non esistono dati da archiviare."), titolo, Icona::Critica});
        return false;
    }
    // A sale typed below an empty line is outside the count: it would not be written.
    if (const int oltre = venditaoltreilvuoto(m_b)) {
        const Messaggio domanda{
            QStringLiteral("La riga n.%1 è vuota: la vendita della riga n.%2 e le seguenti non verrebbero archiviate. "
                           "Spostarle in su, chiudendo le righe vuote, e archiviare?")
                .arg(str(m_b.numerorighe + 1), str(oltre)),
            titolo, Icona::Domanda, Pulsanti::SiNo};
        if (messaggi.mostra(domanda) != Risposta::Si)
            return false;
        modifica(chiudivuoti);
        chiusi();
    }
    if (auto m = controllobilancio(m_b, titolo)) {
        messaggi.mostra(*m);
        return false;
    }
    return true;
}

bool DocumentoBilancio::apri(const QString& file, QString* errore)
{
    return apertura(*this, apribilancio(file, errore), file);
}

bool DocumentoBilancio::salva(const QString& file, QString* errore)
{
    if (!salvabilancio(m_b, file, errore))
        return false;
    m_b.annobilancio = file.right(4);
    salvatoin(file);
    return true;
}

void DocumentoBilancio::sostituisci(SalesBalance letto, const QString& file, bool salvato)
{
    // The file is in lire; the factor of the last switch stays, as the totals use it.
    letto.fattore = m_b.fattore;
    letto.primariga = 1;
    // Every row shows what its prices and shares make, whatever figures the file stored.
    ricalcolarighe(letto);
    m_b = std::move(letto);
    m_b.annobilancio = file.right(4);
    m_ineuro = false;
    appartiene(file, salvato);
    annunciasostituzione(salvato);
}

void DocumentoBilancio::svuota()
{
    // Every row, not only the counted ones: a line typed without a stock must not come back.
    // The currency, the year and the row shown stay.
    for (int riga = 1; riga <= SalesBalance::maxrighe; ++riga) {
        const auto r = std::size_t(riga);
        for (SalesBalance::Colonna* c : {&m_b.nomea, &m_b.dataacquisto, &m_b.nacq, &m_b.prezzo0, &m_b.datavendita,
                                         &m_b.na, &m_b.prezzo, &m_b.pagato, &m_b.realizzato, &m_b.percento})
            (*c)[r].clear();
        m_b.prezzonumero[r] = false;
        m_b.impostati[r] = 0;
        m_b.prezzilire[r] = {};
        // A name typed by hand afterwards must not show the notes of the sale cleared.
        if (riga <= SalesBalance::maxvendite)
            m_b.appunti[r].clear();
    }
    m_b.numerorighe = 0;
    emit svuotato();
    cambio();
}
