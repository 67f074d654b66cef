#pragma once
#include "documenti/storia.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <optional>

// What both documents are: tables that belong to an archive (or to none yet), may hold
// changes not yet saved, keep the history of those changes, and announce what happens to them
// as a whole.
class DocumentoArchiviato : public QObject {
    Q_OBJECT
public:
    DocumentoArchiviato()
    {
        m_storia.setUndoLimit(limitestoria);
        // An undo or a redo (the history moved, not by a new step or a new history): told once
        // the history stands at its new place, so that modificato() is right.
        connect(&m_storia, &QUndoStack::indexChanged, this, [this] {
            if (!m_registrando)
                dopostoria();
        });
    }

    // The history: every change is a step that the windows' "Annulla" and "Ripeti" take back
    // and do again. An open starts a new one; a save marks where the archive stands.
    static constexpr int limitestoria = 500;
    QUndoStack& storia() { return m_storia; }
    // The typing in a box is over (the focus left it): what is typed next is another step.
    void chiudidigitazione() { m_aperta = false; }

    // The archive the document belongs to (empty: never saved nor opened).
    QString nomefile() const { return m_nomefile; }
    void impostanomefile(const QString& file) { m_nomefile = file; }
    // Whether the tables differ from what the archive holds (or hold anything, without one).
    bool modificato() const { return m_modificato; }

signals:
    void ripristinato(); // an undo or a redo changed the tables, in any part
    void sostituito();   // opened or brought back
    void svuotato();     // every row emptied
    void cambiato();     // after any change
    void salvato();      // the tables are what the archive holds

protected:
    // A change made (and recorded, when it is a step): unsaved unless it came back to what
    // the archive holds, and told.
    void cambio()
    {
        m_modificato = !m_storia.isClean();
        emit cambiato();
    }
    // A change made outside the history: the saved state can no longer be reached by undoing.
    void cambiofuoristoria()
    {
        m_storia.resetClean();
        cambio();
    }
    // Whether a typing step of box `chiave` (-1: a change that is no typing) starts a new step,
    // rather than joining the one open; it is then the open one.
    bool nuovadigitazione(int chiave)
    {
        const bool nuova = !m_aperta || chiave != m_chiave;
        m_aperta = chiave != -1;
        m_chiave = chiave;
        return nuova;
    }
    // `passo`, a change already made, in the history (nothing, when it changed nothing).
    template <class P> void registra(P* passo)
    {
        if (passo->vuoto()) {
            delete passo;
            return;
        }
        m_registrando = true;
        m_storia.push(passo);
        m_registrando = false;
    }
    // `cambia` run on document `d` (whose cells `C` reads) and what it wrote recorded as one
    // step `didascalia`; `chiave` as for nuovadigitazione. Returns what `cambia` returns.
    template <class C, class D, class F> auto registrata(D& d, const QString& didascalia, int chiave, F cambia)
    {
        const bool nuova = nuovadigitazione(chiave);
        // The texts are shared until written: the copy is one of pointers.
        const typename C::Tabelle prima = C::tabelle(d);
        const auto scalari = C::leggi(d);
        auto esito = cambia();
        auto* passo = new Passo<D, C>(d, didascalia, chiave, nuova);
        passo->confronta(prima, scalari);
        registra(passo);
        return esito;
    }
    // The tables now belong to `file`; `salvato`: they are what it holds. A new history.
    void appartiene(const QString& file, bool salvato)
    {
        m_nomefile = file;
        m_registrando = true;
        m_storia.clear();
        m_registrando = false;
        m_aperta = false;
        if (!salvato)
            m_storia.resetClean();
        m_modificato = !salvato;
    }
    // The whole document was replaced (after appartiene).
    void annunciasostituzione(bool salvato)
    {
        emit sostituito();
        emit cambiato();
        if (salvato)
            emit this->salvato();
    }
    // Written to `file`: undoing back to here leaves nothing unsaved.
    void salvatoin(const QString& file)
    {
        m_nomefile = file;
        m_storia.setClean();
        m_modificato = false;
        emit salvato();
    }

    // `letto`, when the file could be read, becomes `documento`, as what `file` holds.
    template <class D, class T> static bool apertura(D& documento, std::optional<T> letto, const QString& file)
    {
        if (letto)
            documento.sostituisci(std::move(*letto), file, true);
        return letto.has_value();
    }

private:
    void dopostoria()
    {
        m_aperta = false;
        emit ripristinato();
        cambio();
    }

    QString m_nomefile;
    bool m_modificato = false;
    QUndoStack m_storia;
    bool m_aperta = false;   // a typing step is open
    bool m_registrando = false;   // the history moves by a new step, or is cleared
    int m_chiave = -1;       // its box
};
