#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <map>

class ModuloVelno;
class Messaggi;
class Dialoghi;
class Documento;
class frmDocumento;
class Ripristino;
class Suono;

// Every window of the program by name: the working windows, the shell's, and the help pages
// in the order of the contents (row 1 is Manuale).
enum class Finestra {
    Splash, Azioni, Scheda, Graduatoria, Bilancio, Mensile, Grafici, Piano, Cancella, Sommario, Informazioni,
    Suggerimenti,
    Manuale, GuidaFunzionamento, GuidaArchivio, GuidaAzioni, GuidaSaldo, GuidaQuotazioni, GuidaScheda,
    GuidaGraduatoria, GuidaBilancio, GuidaMensile, GuidaGrafici, GuidaPiano, GuidaEuro
};
// The help page of contents row `riga` (1..13).
constexpr Finestra paginaguida(int riga) { return Finestra(int(Finestra::Manuale) + riga - 1); }

// Which window a class is, for whoever holds its header (tests, the registry itself).
template <class T> struct IdFinestra;
#define VELNO_FINESTRA(classe, id)                                                                                     \
    class classe;                                                                                                      \
    template <> struct IdFinestra<classe> { static constexpr Finestra valore = Finestra::id; };
VELNO_FINESTRA(frmSplash, Splash)
VELNO_FINESTRA(frmAzioni, Azioni)
VELNO_FINESTRA(singola, Scheda)
VELNO_FINESTRA(classifica, Graduatoria)
VELNO_FINESTRA(bilancio, Bilancio)
VELNO_FINESTRA(mensile, Mensile)
VELNO_FINESTRA(grafici, Grafici)
VELNO_FINESTRA(piano, Piano)
VELNO_FINESTRA(cancella, Cancella)
VELNO_FINESTRA(sommario, Sommario)
VELNO_FINESTRA(informa, Informazioni)
VELNO_FINESTRA(frmTip, Suggerimenti)
#undef VELNO_FINESTRA

// The navigator: creates every window on first use from its name, keeps it until the exit
// confirmation unloads them all, and is how windows reach each other, by name and through a
// few intents (show holding n on the card, ...), never through another window's controls.
class Finestre {
public:
    Finestre(ModuloVelno& modulo, Messaggi& messaggi, Dialoghi& dialoghi);
    ~Finestre();

    ModuloVelno& modulo() { return m_modulo; }
    Messaggi& messaggi() { return m_messaggi; }
    Dialoghi& dialoghi() { return m_dialoghi; }

    // The window `f`, created (not shown) when it is not loaded.
    QWidget& finestra(Finestra f);
    bool caricata(Finestra f) const;
    // Shows window `f` modeless, creating it if needed, and brings it to the front.
    QWidget& mostra(Finestra f);
    // The same by class, for whoever holds the class's header.
    template <class T> T& finestra() { return static_cast<T&>(finestra(IdFinestra<T>::valore)); }
    template <class T> bool caricata() const { return caricata(IdFinestra<T>::valore); }
    template <class T> T& mostra() { return static_cast<T&>(mostra(IdFinestra<T>::valore)); }
    static void portadavanti(QWidget& w);

    frmAzioni& azioni();
    bool azionicaricata() const;
    void mostraazioni();

    // Intents: what one window asks of another.
    // Runs the command `comando` (its action's name) of window `f`, as its menu would.
    bool esegui(Finestra f, const char* comando);
    // The stock card from a menu or toolbar: with holdings in the Portfolio it starts at the
    // first holding and the first quotation column.
    void aprischeda();
    // The card of holding n (at its first column on or after the purchase).
    void mostrascheda(int titolo);
    // The balance, at its first page when it has sales.
    void mostrabilancio();
    // The monthly window, filled from the balance (in lire).
    void mostramensile();
    // The ranking of the last column, from the Azioni window's picture; false, told, when
    // there are no holdings to rank.
    bool mostragraduatoria();
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
    QWidget* crea(Finestra f);
    std::map<Finestra, QPointer<QWidget>> m_finestre;
    QList<QPointer<QWidget>> m_ordine;   // in order of creation: unloaded in that order
    QList<QPointer<frmDocumento>> m_documenti;
    std::unique_ptr<Ripristino> m_ripristino;
    QList<QPointer<QWidget>> m_scaricate;   // unloaded, deleted when the event loop next runs
    QMetaObject::Connection m_apertura, m_fuoco;
};
