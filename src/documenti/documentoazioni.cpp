#include "documenti/documentoazioni.h"
#include "portfolio/archivio.h"
#include "portfolio/controllo.h"
#include "portfolio/ordinamento.h"

void DocumentoAzioni::imposta(Campo campo, int titolo, const QString& testo)
{
    if (!Portfolio::titolovalido(titolo))
        return;
    const auto n = std::size_t(titolo);
    QString* cella = nullptr;
    switch (campo) {
    case Campo::Nome: cella = &m_p.nomititoli[n]; break;
    case Campo::Quantita: cella = &m_p.quantitatitoli[n]; break;
    case Campo::Prezzo: cella = &m_p.prezzititoli[n]; break;
    case Campo::DataAcquisto: cella = &m_p.dateacquisto[n]; break;
    case Campo::Note: cella = &m_p.notetitoli[n]; break;
    case Campo::DataStacco: cella = &m_p.datestacco[n]; break;
    case Campo::Dividendo: cella = &m_p.dividendi[n]; break;
    }
    // A redraw writes back what the tables hold: no change, nothing to tell.
    if (*cella == testo)
        return;
    *cella = testo;
    emit titolocambiato(titolo);
    cambio();
}

void DocumentoAzioni::impostaquotazione(int colonna, int titolo, const QString& testo)
{
    if (!Portfolio::titolovalido(titolo) || !Portfolio::colonnavalida(colonna) || m_p.quotazioni(colonna, titolo) == testo)
        return;
    m_p.quotazioni(colonna, titolo) = testo;
    emit quotazionecambiata(colonna, titolo);
    cambio();
}

void DocumentoAzioni::impostadata(int colonna, const QString& testo)
{
    if (!Portfolio::colonnavalida(colonna) || m_p.datequotazioni[std::size_t(colonna)] == testo)
        return;
    m_p.datequotazioni[std::size_t(colonna)] = testo;
    emit datacambiata(colonna);
    cambio();
}

void DocumentoAzioni::impostastrategia(const QString& testo)
{
    if (m_p.strategia == testo)
        return;
    m_p.strategia = testo;
    emit notecambiate();
    cambio();
}

void DocumentoAzioni::impostanotapiano(int indice, const QString& testo)
{
    if (indice < 0 || indice >= int(m_p.notepiano.size()) || m_p.notepiano[std::size_t(indice)] == testo)
        return;
    m_p.notepiano[std::size_t(indice)] = testo;
    emit notecambiate();
    cambio();
}

void DocumentoAzioni::ordinaperazioni()
{
    ordinaazioni(m_p);
    emit titolispostati();
    cambio();
}

void DocumentoAzioni::ordinaperdata()
{
    m_p.numerotitoli = contatitoli(m_p);
    ordinaquotazioni(m_p);
    emit colonnecambiate();
    cambio();
}

bool DocumentoAzioni::eliminatitolo(const QString& nome)
{
    return annuncia(cancellatitolo(m_p, nome), &DocumentoAzioni::titolispostati);
}

bool DocumentoAzioni::eliminadata(const QString& data)
{
    return annuncia(cancelladata(m_p, data), &DocumentoAzioni::colonnecambiate);
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
    cancellatutto(m_p);
    emit svuotato();
    cambio();
}

EsitoIncolla DocumentoAzioni::incollaquotazioni(int colonna, int titolo, const QString& testo, const QString& titolocontrollo)
{
    EsitoIncolla e = incollacolonna(m_p, colonna, titolo, testo, titolocontrollo);
    if (!e.rifiuto && e.collocati > 0) {
        emit colonnecambiate();
        cambio();
    }
    return e;
}

EsitoIncolla DocumentoAzioni::incolladate(int colonna, const QString& testo, const QString& titolocontrollo)
{
    EsitoIncolla e = ::incolladate(m_p, colonna, testo, titolocontrollo);
    if (!e.rifiuto && e.collocati > 0) {
        emit colonnecambiate();
        cambio();
    }
    return e;
}

EsitoImporta DocumentoAzioni::importa(const FileQuotazioni& f, const QString& data, const QString& titolocontrollo)
{
    EsitoImporta e = importaquotazioni(m_p, f, data, titolocontrollo);
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
    cambio();
}
