#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class Messaggi;
class ModuloVelno;
class QLockFile;

// Keeps a recovery copy of what has been typed and not yet saved, the Portfolio and the
// sales balance each in its archive format, in a folder of the application's own (never
// among the user's files), the user's alone. The documents announce their changes: a copy is
// written once they pause for a moment, and at the latest two seconds after a change, through
// the safe-write helper; a save or an open removes it. Nothing runs while nothing changes. At the next start
// the Azioni window offers it back ("Ripristina", "Ignora"), once.
//
// The copies belong to the Velno that holds the folder's lock: another Velno started beside
// it neither offers, writes nor removes them (it keeps no copy of its own).
class Ripristino : public QObject {
    Q_OBJECT
public:
    Ripristino(ModuloVelno& modulo, Messaggi& messaggi, const QString& cartella);
    ~Ripristino() override;

    // The pause after a change before its copy is written; a change not written is written
    // at the latest twice that long after it.
    void impostaintervallo(int millisecondi) { m_intervallo = millisecondi; }
    QString cartella() const { return m_cartella; }
    QString fileportafoglio() const;
    QString filebilancio() const;
    // Whether this Velno keeps the copies (holds the lock).
    bool attivo() const { return m_attivo; }

    // What is now in memory is what the archive holds: after a save or an open.
    void portafogliosalvato();
    void bilanciosalvato();
    // Writes now the copy of each document changed since its last copy, or removes it when
    // the document is back to what its archive holds.
    void controlla();
    // Whether a change is waiting for its copy (its timer runs).
    bool inattesa() const { return m_timer.isActive(); }
    // At start: when a copy newer than the last save exists, asks whether to restore it.
    // Only the first call asks: data loaded since are no crash to recover from.
    void offri();

private:
    struct Voce {
        QString salvato;    // the text of the archive last saved or opened
        QString scritto;    // the text of the copy on disk
        bool cambiata = false;     // changed since the last copy
    };
    void cambio(Voce& v);
    QString testoportafoglio() const;
    QString testobilancio() const;
    void aggiorna(Voce& v, const QString& testo, const QString& file, const QString& nomearchivio);
    void elimina(Voce& v, const QString& file);
    // Temporary files a save interrupted by a crash left behind.
    void pulisci(const QString& cartella);

    ModuloVelno& m_modulo;
    Messaggi& m_messaggi;
    QString m_cartella;
    QTimer m_timer;                // single shot, started by a change
    QElapsedTimer m_insospeso;     // since the oldest change not yet written
    int m_intervallo = 1000;
    Voce m_portafoglio;
    Voce m_bilancio;
    std::unique_ptr<QLockFile> m_blocco;
    bool m_attivo = false;
    bool m_offerto = false;
    bool m_erroredetto = false;   // a failed write was told: once, until one succeeds
};
