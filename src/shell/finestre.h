#pragma once
#include <QList>
#include <QPointer>
#include <functional>
#include <memory>

class ModuloVelno;
class Messaggi;
class Dialoghi;
class frmAzioni;
class cancella;
class Documento;
class frmDocumento;

// Creates every window on first use, keeps it until the exit confirmation unloads them
// all, and is how windows reach each other.
class Finestre {
public:
    Finestre(ModuloVelno& modulo, Messaggi& messaggi, Dialoghi& dialoghi);
    ~Finestre();

    ModuloVelno& modulo() { return m_modulo; }
    Messaggi& messaggi() { return m_messaggi; }
    Dialoghi& dialoghi() { return m_dialoghi; }

    frmAzioni& azioni();
    cancella& dialogocancella();
    bool azionicaricata() const { return !m_azioni.isNull(); }
    bool cancellacaricata() const { return !m_cancella.isNull(); }

    void mostraazioni();
    // The stock card from a menu or toolbar: with holdings in the Portfolio it starts at the
    // first holding and the first quotation column.
    void aprischeda();
    // The report channel: each document it adds opens in a window of its own.
    std::unique_ptr<Documento> elaboratore();
    QList<frmDocumento*> documenti() const;
    // Asks whether to leave; on Yes unloads every window and ends the program.
    void confermauscita();
    void scaricatutto();

    // What ending the program means; quits the application unless a test sets another.
    std::function<void()> allafine;

private:
    ModuloVelno& m_modulo;
    Messaggi& m_messaggi;
    Dialoghi& m_dialoghi;
    QPointer<frmAzioni> m_azioni;
    QPointer<cancella> m_cancella;
    QList<QPointer<frmDocumento>> m_documenti;
};
