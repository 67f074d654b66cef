#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

class ModuloVelno;
class Messaggi;
class Dialoghi;
class frmAzioni;
class cancella;
class Documento;
class frmDocumento;
class Ripristino;
class Suono;

// Creates every window on first use, keeps it until the exit confirmation unloads them
// all, and is how windows reach each other: finestre.finestra<grafici>().cmdlinee_Click().
// Every window class is constructed from a Finestre& alone.
class Finestre {
public:
    Finestre(ModuloVelno& modulo, Messaggi& messaggi, Dialoghi& dialoghi);
    ~Finestre();

    ModuloVelno& modulo() { return m_modulo; }
    Messaggi& messaggi() { return m_messaggi; }
    Dialoghi& dialoghi() { return m_dialoghi; }

    // The window of class T, created (not shown) when it is not loaded.
    template <class T> T& finestra()
    {
        QPointer<QWidget>& w = m_finestre[std::type_index(typeid(T))];
        if (!w) {
            T* nuova = new T(*this);
            w = nuova;
            m_ordine.append(w);
            return *nuova;
        }
        return *static_cast<T*>(w.data());
    }
    // Whether the window of class T is loaded.
    template <class T> bool caricata() const
    {
        const auto i = m_finestre.find(std::type_index(typeid(T)));
        return i != m_finestre.end() && !i->second.isNull();
    }
    // Shows the window of class T modeless, creating it if needed, and brings it to the front.
    template <class T> T& mostra()
    {
        T& f = finestra<T>();
        portadavanti(f);
        return f;
    }
    static void portadavanti(QWidget& w);

    frmAzioni& azioni();
    cancella& dialogocancella();
    bool azionicaricata() const;
    bool cancellacaricata() const;

    void mostraazioni();
    // The stock card from a menu or toolbar: with holdings in the Portfolio it starts at the
    // first holding and the first quotation column.
    void aprischeda();
    // The report channel: each document it adds opens in a window of its own.
    std::unique_ptr<Documento> elaboratore();
    QList<frmDocumento*> documenti() const;
    // Asks whether to leave; on Yes unloads every window and shows the splash again as a
    // closing screen, whose key press ends the program.
    void confermauscita();
    void scaricatutto();
    // Unloads one window: the next request creates it anew.
    void scarica(QWidget& w);
    // Whether any window of the program other than `tranne` is on screen.
    bool finestreaperte(const QWidget* tranne = nullptr) const;

    // The recovery copy of unsaved data, kept in `cartella` (the application's data folder);
    // none until this is called (tests leave it off).
    void attivaripristino(const QString& cartella);
    Ripristino* ripristino() { return m_ripristino.get(); }

    // What ending the program means; quits the application unless a test sets another.
    std::function<void()> allafine;
    // The splash tune's player; silent unless main or a test gives another.
    std::function<std::unique_ptr<Suono>()> creasuono;

private:
    ModuloVelno& m_modulo;
    Messaggi& m_messaggi;
    Dialoghi& m_dialoghi;
    std::unordered_map<std::type_index, QPointer<QWidget>> m_finestre;
    QList<QPointer<QWidget>> m_ordine;   // in order of creation: unloaded in that order
    QList<QPointer<frmDocumento>> m_documenti;
    std::unique_ptr<Ripristino> m_ripristino;
    QList<QPointer<QWidget>> m_scaricate;
    QMetaObject::Connection m_apertura;   // unloaded, deleted when the event loop next runs
};
