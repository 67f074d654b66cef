#pragma once
#include "balance/salesbalance.h"
#include "documenti/archiviato.h"

#include <functional>

class Messaggi;

// The sales balance as a document: its rows, the archive they belong to, whether they hold
// changes not yet saved, and the currency the rows are shown in. Every change is announced,
// so that the monthly window and the recovery copy follow without being told.
//
// tabelle() is for reading; a change goes through modifica() (one row or many, computed by
// the rules over the rows), a currency switch, an open or a clear.
class DocumentoBilancio : public DocumentoArchiviato {
    Q_OBJECT
public:
    DocumentoBilancio() = default;

    const SalesBalance& tabelle() const { return m_b; }
    SalesBalance& dati() { return m_b; }

    // Whether the rows hold euro (they are in lire after an open, and in every file).
    bool ineuro() const { return m_ineuro; }

    // The year the sales are of, as the balance shows it (from the sale dates typed); 0: none.
    int anno() const { return m_anno; }
    void impostaanno(int anno) { m_anno = anno; }

    // A change of the rows: `cambia` runs on them and the change is announced, as a step of
    // the history captioned `didascalia`. `chiave`, for the typing in a box (the row's field),
    // joins the keystrokes in it into one step.
    void modifica(const std::function<void(SalesBalance&)>& cambia,
                  const QString& didascalia = QStringLiteral("modifica delle vendite"), int chiave = -1);
    // The typing in field `campo` (a sale date, the shares sold, a sale price) of row `riga`,
    // as modifica: the keystrokes in that box are one step ("digitazione in azioni vendute n.3").
    void digita(SalesBalance::Campo campo, int riga, const std::function<void(SalesBalance&)>& cambia);
    // Where the window stands (the first row shown): no change of the data.
    void impostaprimariga(int riga) { m_b.primariga = riga; }

    // The rows converted to euro, or back to lire (never twice the same way).
    void inEuro();
    void inLire();

    // Before a save: false, once the user is told why, when the rows cannot be archived (none,
    // or one not complete). Sales typed below an empty row are moved up when the user agrees,
    // asked through `messaggi`; `chiusi` runs once they are, before anything else is told.
    bool prontoperarchiviare(Messaggi& messaggi, const QString& titolo, const std::function<void()>& chiusi);

    // The archive. An open replaces the rows only with a whole file, in lire.
    bool apri(const QString& file, QString* errore);
    bool salva(const QString& file, QString* errore);
    void sostituisci(SalesBalance letto, const QString& file, bool salvato);
    // Every row emptied, the count 0; the currency stays.
    void svuota();

signals:
    void righecambiate();       // some rows' fields or figures
    void valutacambiata(bool euro);

private:
    struct Celle;
    void cambiavaluta(bool euro);

    SalesBalance m_b;
    bool m_ineuro = false;
    int m_anno = 0;
};
