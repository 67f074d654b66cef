#pragma once
#include "portfolio/importa.h"
#include "portfolio/portfolio.h"
#include "documenti/archiviato.h"

#include <optional>

// The Portfolio as a document: its tables, the archive they belong to, whether they hold
// changes not yet saved, and every operation that changes them. Each change is announced,
// so that whoever shows the data (the windows, the recovery copy) follows without being told
// by the one who made it.
//
// tabelle() is for reading. The rules that only compute (the data check's counts, the totals'
// euro prices) run on dati(); a test that fills the tables by hand calls sostituito() after.
class DocumentoAzioni : public DocumentoArchiviato {
    Q_OBJECT
public:
    // The fields of a holding typed in the grid or on its card.
    enum class Campo { Nome, Quantita, Prezzo, DataAcquisto, Note, DataStacco, Dividendo };

    DocumentoAzioni() = default;

    const Portfolio& tabelle() const { return m_p; }
    Portfolio& dati() { return m_p; }

    // One box typed: a field of holding `titolo`, a quotation, a column's date, the notes.
    void imposta(Campo campo, int titolo, const QString& testo);
    void impostaquotazione(int colonna, int titolo, const QString& testo);
    void impostadata(int colonna, const QString& testo);
    void impostastrategia(const QString& testo);
    void impostanotapiano(int indice, const QString& testo);
    // The card's three fields of holding `titolo` emptied at once.
    void svuotascheda(int titolo);

    // Sorts, deletions, the whole Portfolio emptied (the plan's notes stay).
    void ordinaperazioni();
    void ordinaperdata();
    bool eliminatitolo(const QString& nome);
    bool eliminadata(const QString& data);
    void svuota();

    // Quotations brought in at once: a pasted column or row of dates, an imported file.
    EsitoIncolla incollaquotazioni(int colonna, int titolo, const QString& testo, const QString& titolocontrollo);
    EsitoIncolla incolladate(int colonna, const QString& testo, const QString& titolocontrollo);
    EsitoImporta importa(const FileQuotazioni& f, const QString& data, const QString& titolocontrollo);

    // The archive. An open replaces the tables only with a whole file; nothing, with the
    // reason, otherwise. A save writes the tables as they are (checked by the caller).
    bool apri(const QString& file, QString* errore);
    bool salva(const QString& file, QString* errore);
    // `letto` becomes the document, belonging to `file`; `salvato`: it is what the file holds.
    void sostituisci(Portfolio letto, const QString& file, bool salvato);

    // For whoever changed dati() by hand (not a step of the history).
    void annunciasostituito();

signals:
    void titolocambiato(int titolo);                 // a field of one holding
    void quotazionecambiata(int colonna, int titolo);
    void datacambiata(int colonna);
    void notecambiate();                             // the strategy or a plan note
    void colonnecambiate();                          // many quotations or dates at once
    void titolispostati();                           // a sort or a deletion moved holdings
    void aperto();                                   // another archive opened or brought back:
                                                     // first, for whoever readies windows for it
                                                     // (then sostituito)

private:
    struct Celle;
    // One text cell typed: `cella`, number `indice` of the tables' cells, becomes `testo`, as
    // a step `didascalia` that the next typing in the same box joins.
    bool scrivi(QString& cella, int indice, const QString& testo, const QString& didascalia);
    // What a change that may find nothing to do (`fatto`) announces when it did.
    bool annuncia(bool fatto, void (DocumentoAzioni::*segnale)());

    Portfolio m_p;
};
