#pragma once
#include <QObject>
#include <QString>
#include <QTimer>

class Finestre;

// Keeps a recovery copy of what has been typed and not yet saved, the Portfolio and the
// sales balance each in its archive format, in a folder of the application's own (never
// among the user's files). A few seconds after the last change the copy is written through
// the safe-write helper; a save or an open removes it. At the next start the Azioni window
// offers it back ("Ripristina", "Ignora").
class Ripristino : public QObject {
    Q_OBJECT
public:
    Ripristino(Finestre& finestre, const QString& cartella);

    // How often the data are looked at; a copy is written once they have stayed the same
    // for one more look.
    void impostaintervallo(int millisecondi) { m_timer.setInterval(millisecondi); }
    QString cartella() const { return m_cartella; }
    QString fileportafoglio() const;
    QString filebilancio() const;

    // What is now in memory is what the archive holds: after a save or an open.
    void portafogliosalvato();
    void bilanciosalvato();
    // Looks at the data now; writes the copies when they differ from what is saved, at once
    // when `subito` (an exit without saving), else once they stopped changing.
    void controlla(bool subito = false);
    // At start: when a copy newer than the last save exists, asks whether to restore it.
    void offri();

private:
    struct Voce {
        QString salvato;    // the text of the archive last saved or opened
        QString visto;      // the text at the last look
        QString scritto;    // the text of the copy on disk
    };
    QString testoportafoglio() const;
    QString testobilancio() const;
    void aggiorna(Voce& v, const QString& testo, const QString& file, const QString& nomearchivio, bool subito);
    void elimina(Voce& v, const QString& file);

    Finestre& m_finestre;
    QString m_cartella;
    QTimer m_timer;
    Voce m_portafoglio;
    Voce m_bilancio;
};
