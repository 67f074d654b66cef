#include "documenti/documentoazioni.h"
#include "documenti/storia.h"
#include "portfolio/archivio.h"
#include "portfolio/controllo.h"
#include "portfolio/ordinamento.h"

// The Portfolio as the history reads it: the holdings' seven text fields, the column dates,
// the plan's notes, the strategy, the quotations; the counts and identities beside them.
struct DocumentoAzioni::Celle {
    using Tabelle = Portfolio;
    static constexpr int n = Portfolio::maxtitoli + 1;
    static constexpr int date = 7 * n;
    static constexpr int piano = date + Portfolio::maxcolonne + 1;
    static constexpr int strategia = piano + 13;
    static constexpr int quotazioni = strategia + 1;
    static constexpr int numero() { return quotazioni + (Portfolio::maxcolonne + 1) * n; }

    static QString& cella(Portfolio& p, int k)
    {
        if (k < date) {
            Portfolio::TabellaTitoli* campi[] = {&p.nomititoli, &p.quantitatitoli, &p.prezzititoli, &p.dateacquisto,
                                                 &p.notetitoli, &p.datestacco,     &p.dividendi};
            return (*campi[k / n])[std::size_t(k % n)];
        }
        if (k < piano)
            return p.datequotazioni[std::size_t(k - date)];
        if (k < strategia)
            return p.notepiano[std::size_t(k - piano)];
        if (k == strategia)
            return p.strategia;
        return p.quotazioni((k - quotazioni) / n, (k - quotazioni) % n);
    }

    struct Scalari {
        int numerotitoli = 0, numerocolonne = 0;
        std::array<int, Portfolio::maxtitoli + 1> identita{};
        bool operator==(const Scalari&) const = default;
    };
    static Scalari leggi(const DocumentoAzioni& d) { return {d.m_p.numerotitoli, d.m_p.numerocolonne, d.m_p.identita}; }
    static void scrivi(DocumentoAzioni& d, const Scalari& s)
    {
        d.m_p.numerotitoli = s.numerotitoli;
        d.m_p.numerocolonne = s.numerocolonne;
        d.m_p.identita = s.identita;
    }
    static Portfolio& tabelle(DocumentoAzioni& d) { return d.m_p; }
};

bool DocumentoAzioni::scrivi(QString& cella, int indice, const QString& testo, const QString& didascalia)
{
    // A redraw writes back what the tables hold: no change, nothing to tell.
    if (cella == testo)
        return false;
    const auto scalari = Celle::leggi(*this);
    const QString prima = cella;
    cella = testo;
    auto* passo = new Passo<DocumentoAzioni, Celle>(*this, QStringLiteral("digitazione ") + didascalia, indice, nuovadigitazione(indice));
    passo->cella(indice, prima, scalari);
    registra(passo);
    return true;
}

void DocumentoAzioni::imposta(Campo campo, int titolo, const QString& testo)
{
    if (!Portfolio::titolovalido(titolo))
        return;
    static const char* const nomi[] = {"nome", "quantità", "prezzo", "data d'acquisto", "appunti",
                                       "data stacco dividendo", "dividendo"};
    const int k = int(campo) * Celle::n + titolo;
    if (!scrivi(Celle::cella(m_p, k), k, testo,
                QStringLiteral("in %1 n.%2").arg(QString::fromUtf8(nomi[int(campo)])).arg(titolo)))
        return;
    emit titolocambiato(titolo);
    cambio();
}

void DocumentoAzioni::impostaquotazione(int colonna, int titolo, const QString& testo)
{
    if (!Portfolio::titolovalido(titolo) || !Portfolio::colonnavalida(colonna))
        return;
    const int k = Celle::quotazioni + colonna * Celle::n + titolo;
    if (!scrivi(Celle::cella(m_p, k), k, testo, QStringLiteral("in quotazione n.%1 della colonna %2").arg(titolo).arg(colonna)))
        return;
    emit quotazionecambiata(colonna, titolo);
    cambio();
}

void DocumentoAzioni::impostadata(int colonna, const QString& testo)
{
    if (!Portfolio::colonnavalida(colonna))
        return;
    const int k = Celle::date + colonna;
    if (!scrivi(Celle::cella(m_p, k), k, testo, QStringLiteral("in data della colonna %1").arg(colonna)))
        return;
    emit datacambiata(colonna);
    cambio();
}

void DocumentoAzioni::impostastrategia(const QString& testo)
{
    if (!scrivi(m_p.strategia, Celle::strategia, testo, QStringLiteral("negli appunti generici")))
        return;
    emit notecambiate();
    cambio();
}

void DocumentoAzioni::impostanotapiano(int indice, const QString& testo)
{
    if (indice < 0 || indice >= int(m_p.notepiano.size()))
        return;
    if (!scrivi(m_p.notepiano[std::size_t(indice)], Celle::piano + indice, testo, QStringLiteral("nel piano strategico")))
        return;
    emit notecambiate();
    cambio();
}

void DocumentoAzioni::svuotascheda(int titolo)
{
    if (!Portfolio::titolovalido(titolo))
        return;
    const auto n = std::size_t(titolo);
    registrata<Celle>(*this, QStringLiteral("cancellazione dei dati della scheda n.%1").arg(titolo), -1, [&] {
        for (QString* c : {&m_p.notetitoli[n], &m_p.datestacco[n], &m_p.dividendi[n]})
            c->clear();
        return 0;
    });
    emit titolocambiato(titolo);
    cambio();
}

void DocumentoAzioni::ordinaperazioni()
{
    registrata<Celle>(*this, QStringLiteral("ordinamento per nome"), -1, [this] {
        ordinaazioni(m_p);
        return 0;
    });
    emit titolispostati();
    cambio();
}

void DocumentoAzioni::ordinaperdata()
{
    registrata<Celle>(*this, QStringLiteral("ordinamento per data"), -1, [this] {
        m_p.numerotitoli = contatitoli(m_p);
        ordinaquotazioni(m_p);
        return 0;
    });
    emit colonnecambiate();
    cambio();
}

bool DocumentoAzioni::eliminatitolo(const QString& nome)
{
    const bool fatto = registrata<Celle>(*this, QStringLiteral("cancellazione del titolo ") + QString(nome).replace(u'&', QStringLiteral("&&")), -1,
                                         [&] { return cancellatitolo(m_p, nome); });
    return annuncia(fatto, &DocumentoAzioni::titolispostati);
}

bool DocumentoAzioni::eliminadata(const QString& data)
{
    const bool fatto = registrata<Celle>(*this, QStringLiteral("cancellazione della data ") + data, -1,
                                         [&] { return cancelladata(m_p, data); });
    return annuncia(fatto, &DocumentoAzioni::colonnecambiate);
}

bool DocumentoAzioni::annuncia(bool fatto, void (DocumentoAzioni::*segnale)())
{
    if (fatto) {
        emit(this->*segnale)();
        cambio();
    }
    return fatto;
}

void DocumentoAzioni::svuota()
{
    registrata<Celle>(*this, QStringLiteral("cancellazione di tutti i dati"), -1, [this] {
        cancellatutto(m_p);
        return 0;
    });
    emit svuotato();
    cambio();
}

EsitoIncolla DocumentoAzioni::incollaquotazioni(int colonna, int titolo, const QString& testo, const QString& titolocontrollo)
{
    EsitoIncolla e = registrata<Celle>(*this, QStringLiteral("incolla quotazioni"), -1,
                                [&] { return incollacolonna(m_p, colonna, titolo, testo, titolocontrollo); });
    if (!e.rifiuto && e.collocati > 0) {
        emit colonnecambiate();
        cambio();
    }
    return e;
}

EsitoIncolla DocumentoAzioni::incolladate(int colonna, const QString& testo, const QString& titolocontrollo)
{
    EsitoIncolla e = registrata<Celle>(*this, QStringLiteral("incolla date"), -1,
                                [&] { return ::incolladate(m_p, colonna, testo, titolocontrollo); });
    if (!e.rifiuto && e.collocati > 0) {
        emit colonnecambiate();
        cambio();
    }
    return e;
}

EsitoImporta DocumentoAzioni::importa(const FileQuotazioni& f, const QString& data, const QString& titolocontrollo)
{
    EsitoImporta e = registrata<Celle>(*this, QStringLiteral("importazione del ") + data, -1,
                                [&] { return importaquotazioni(m_p, f, data, titolocontrollo); });
    if (!e.rifiuto) {
        emit colonnecambiate();
        cambio();
    }
    return e;
}

bool DocumentoAzioni::apri(const QString& file, QString* errore)
{
    return apertura(*this, apriarchivio(file, errore), file);
}

bool DocumentoAzioni::salva(const QString& file, QString* errore)
{
    const bool scritto = salvaarchivio(m_p, file, errore);
    if (scritto)
        salvatoin(file);
    return scritto;
}

void DocumentoAzioni::sostituisci(Portfolio letto, const QString& file, bool salvato)
{
    m_p = std::move(letto);
    appartiene(file, salvato);
    emit aperto();
    annunciasostituzione(salvato);
}

void DocumentoAzioni::annunciasostituito()
{
    emit sostituito();
    cambiofuoristoria();
}
