#include "documenti/documentobilancio.h"
#include "balance/archiviobilancio.h"
#include "balance/vendite.h"
#include "documenti/storia.h"
#include "shared/messaggi.h"
#include "shared/numeri.h"

// The balance as the history reads it: the rows' ten fields, the holdings' notes, the lire
// prices kept through a switch, the year; the flags, the count and the currency beside them.
struct DocumentoBilancio::Celle {
    using Tabelle = SalesBalance;
    static constexpr int n = SalesBalance::maxrighe + 1;
    static constexpr int appunti = 10 * n;
    static constexpr int lire = appunti + SalesBalance::maxvendite + 1;
    static constexpr int anno = lire + 4 * n;
    static constexpr int numero() { return anno + 1; }

    static QString& cella(SalesBalance& b, int k)
    {
        if (k < appunti) {
            SalesBalance::Colonna* campi[] = {&b.nomea, &b.dataacquisto, &b.nacq,     &b.prezzo0,    &b.datavendita,
                                              &b.na,    &b.prezzo,       &b.pagato,   &b.realizzato, &b.percento};
            return (*campi[k / n])[std::size_t(k % n)];
        }
        if (k < lire)
            return b.appunti[std::size_t(k - appunti)];
        if (k < anno) {
            SalesBalance::PrezziLire& p = b.prezzilire[std::size_t((k - lire) % n)];
            QString* campi[] = {&p.acquisto, &p.vendita, &p.acquistoeuro, &p.venditaeuro};
            return *campi[(k - lire) / n];
        }
        return b.annobilancio;
    }

    struct Scalari {
        std::array<bool, n> prezzonumero{}, venditanumero{}, presente{};
        std::array<std::uint16_t, n> impostati{};
        int numerorighe = 0;
        float fattore = 1;
        bool ineuro = false;
        bool operator==(const Scalari&) const = default;
    };
    static Scalari leggi(const DocumentoBilancio& d)
    {
        Scalari s;
        s.prezzonumero = d.m_b.prezzonumero;
        s.impostati = d.m_b.impostati;
        for (std::size_t r = 0; r < n; ++r) {
            s.venditanumero[r] = d.m_b.prezzilire[r].venditanumero;
            s.presente[r] = d.m_b.prezzilire[r].presente;
        }
        s.numerorighe = d.m_b.numerorighe;
        s.fattore = d.m_b.fattore;
        s.ineuro = d.m_ineuro;
        return s;
    }
    static void scrivi(DocumentoBilancio& d, const Scalari& s)
    {
        d.m_b.prezzonumero = s.prezzonumero;
        d.m_b.impostati = s.impostati;
        for (std::size_t r = 0; r < n; ++r) {
            d.m_b.prezzilire[r].venditanumero = s.venditanumero[r];
            d.m_b.prezzilire[r].presente = s.presente[r];
        }
        d.m_b.numerorighe = s.numerorighe;
        d.m_b.fattore = s.fattore;
        d.m_ineuro = s.ineuro;
    }
    static SalesBalance& tabelle(DocumentoBilancio& d) { return d.m_b; }
};

void DocumentoBilancio::modifica(const std::function<void(SalesBalance&)>& cambia, const QString& didascalia, int chiave)
{
    registrata<Celle>(*this, didascalia, chiave, [&] {
        cambia(m_b);
        return 0;
    });
    emit righecambiate();
    cambio();
}

void DocumentoBilancio::digita(SalesBalance::Campo campo, int riga, const std::function<void(SalesBalance&)>& cambia)
{
    const char* nome = campo == SalesBalance::DataVendita ? "data di vendita"
                       : campo == SalesBalance::Vendute   ? "azioni vendute"
                                                          : "prezzo di vendita";
    modifica(cambia, QStringLiteral("digitazione in %1 n.%2").arg(QString::fromUtf8(nome)).arg(riga),
             int(campo) * (SalesBalance::maxrighe + 1) + riga);
}

void DocumentoBilancio::inEuro() { cambiavaluta(true); }
void DocumentoBilancio::inLire() { cambiavaluta(false); }

void DocumentoBilancio::cambiavaluta(bool euro)
{
    if (m_ineuro == euro)
        return;   // never twice the same way: the prices would be divided again
    registrata<Celle>(*this, euro ? QStringLiteral("valori in euro") : QStringLiteral("valori in lire"), -1, [&] {
        m_ineuro = euro;
        m_b.fattore = cambiosingolo;
        if (euro)
            convertiineuro(m_b);
        else
            convertiinlire(m_b);
        return 0;
    });
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
        modifica(chiudivuoti, QStringLiteral("spostamento delle vendite in su"));
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
    registrata<Celle>(*this, QStringLiteral("cancellazione di tutti i dati"), -1, [this] {
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
        return 0;
    });
    emit svuotato();
    cambio();
}
