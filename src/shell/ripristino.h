#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class Finestre;
class QLockFile;

// Keeps a recovery copy of what has been typed and not yet saved, the Portfolio and the
// sales balance each in its archive format, in a folder of the application's own (never
// among the user's files), the user's alone. Within two seconds of the last change the copy
// is written through the safe-write helper; a save or an open removes it. At the next start
// the Azioni window offers it back ("Ripristina", "Ignora"), once.
//
// The copies belong to the Velno that holds the folder's lock: another Velno started beside
// it neither offers, writes nor removes them (it keeps no copy of its own).
class Ripristino : public QObject {
    Q_OBJECT
public:
    Ripristino(Finestre& finestre, const QString& cartella);
    ~Ripristino() override;

    // How often the data are looked at; a copy is written once they have stayed the same
    // for one look, or when the oldest change not written is two looks old.
    void impostaintervallo(int millisecondi) { m_timer.setInterval(millisecondi); }
    QString cartella() const { return m_cartella; }
    QString fileportafoglio() const;
    QString filebilancio() const;
    // Whether this Velno keeps the copies (holds the lock).
    bool attivo() const { return m_attivo; }

    // What is now in memory is what the archive holds: after a save or an open.
    void portafogliosalvato();
    void bilanciosalvato();
    // Looks at the data now; writes the copies when they differ from what is saved, at once
    // when `subito` (an exit without saving), else once they stopped changing.
    void controlla(bool subito = false);
    // At start: when a copy newer than the last save exists, asks whether to restore it.
    // Only the first call asks: data loaded since are no crash to recover from.
    void offri();

private:
    struct Voce {
        QString salvato;    // the text of the archive last saved or opened
        QString visto;      // the text at the last look
        QString scritto;    // the text of the copy on disk
        QElapsedTimer insospeso;   // since the oldest change not yet written
    };
    QString testoportafoglio() const;
    QString testobilancio() const;
    void aggiorna(Voce& v, const QString& testo, const QString& file, const QString& nomearchivio, bool subito);
    void elimina(Voce& v, const QString& file);
    // Temporary files a save interrupted by a crash left behind.
    void pulisci(const QString& cartella);

    Finestre& m_finestre;
    QString m_cartella;
    QTimer m_timer;
    Voce m_portafoglio;
    Voce m_bilancio;
    std::unique_ptr<QLockFile> m_blocco;
    bool m_attivo = false;
    bool m_offerto = false;
    bool m_erroredetto = false;   // a failed write was told: once, until one succeeds
};
