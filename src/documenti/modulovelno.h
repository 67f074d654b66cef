#pragma once
#include "documenti/documentoazioni.h"
#include "documenti/documentobilancio.h"
#include "shared/messaggio.h"

#include <QColor>
#include <QString>
#include <array>
#include <optional>

// The program's state: identity, message titles, the two documents, the yearly totals. main creates one and hands it to every window.
class ModuloVelno {
public:
    ModuloVelno();

    void impostaidentita();
    void impostatitoli();

    // Identity
    QString nomeprogramma;
    QString descrizione;
    QString versione;
    QString datarilascio;
    // "per sistemi Linux a 64 bit ": the system this build runs on.
    static QString piattaforma();

    // Standard titles
    QString titolocontrollo;   // every input-validation message box
    QString titoloaiuto;
    QString titoloelimina;     // the open dialog used to delete an archive file

    // The two documents: the Portfolio, and the annual balance of shares sold.
    DocumentoAzioni azioni;
    DocumentoBilancio vendite;

    // Yearly totals, index = year - 1994 (1994..2044): the texts of the balance labels.
    static constexpr int primoanno = 1994;
    static constexpr int ultimoanno = 2044;
    std::array<QString, ultimoanno - primoanno + 1> totalepagato;
    std::array<QString, ultimoanno - primoanno + 1> totaleguadagno;
    std::array<QString, ultimoanno - primoanno + 1> mediepercento;

    // "Velno-totali-" followed by the year with its leading blank: "Velno-totali- 1998".
    static QString nometotali(int anno);
    // Reads the totals file of `anno` from `cartella` (the current folder when empty).
    // A year outside 1994..2044, a missing or unreadable file leave the totals as they were.
    bool leggitotali(int anno, const QString& cartella = QString());
    // Writes the totals file of `anno`: one line of three quoted texts. False on failure,
    // with the reason in `errore`.
    static bool scrivitotali(int anno, const QString& pagato, const QString& guadagno,
                             const QString& media, const QString& cartella = QString(),
                             QString* errore = nullptr);
    // After a save of the balance: the year's totals kept here and written to its totals
    // file, in lire. Nothing is done when the balance is empty, of no year in range, or holds
    // a sale of another year. What to tell the user when the file cannot be written.
    std::optional<Messaggio> registratotali();

    // The user's Velno folder: the yearly totals files and the pictures of prints live
    // there, and the file dialogs start there. Empty: the current folder.
    QString cartella;
    // `nome` inside that folder.
    QString percorsoutente(const QString& nome) const;

    // The background colour last chosen in a window's colour dialog.
    QColor colore;
};
