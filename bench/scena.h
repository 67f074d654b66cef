#pragma once
#include "balance/salesbalance.h"
#include "doppi.h"
#include "portfolio/portfolio.h"
#include "shared/dialoghi.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"

#include <QTemporaryDir>
#include <optional>

// The file dialogs answered as a user at full scale answers them: the open dialog names the
// full-scale archive of the window asking (the balance's or the Azioni window's), a save
// writes over it, the delete dialog names a scratch file made for it, a document is saved
// beside them; the colour dialog picks a colour.
class DialoghiScena : public Dialoghi {
public:
    QString azioni;      // the "Velno-azioni-" archive
    QString bilancio;    // the "Velno-bilancio-" archive
    QString cartella;
    QString titoloelimina;

    QString apri(QWidget*, const RichiestaFile& r) override;
    QString salva(QWidget*, const RichiestaFile& r) override;
    std::optional<QColor> colore(QWidget*, const QColor&) override { return QColor(236, 240, 226); }
    std::optional<QString> data(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<int> scelta(QWidget*, const QString&, const QString&, const QStringList&) override { return 0; }
};

// Velno at full scale: 100 holdings x 300 dated columns with quotations, notes and plan
// notes, and 100 sales, written as real archive files (and yearly totals files from 1995)
// in a temporary folder, then opened through the Azioni and balance windows' own Open
// handlers. Messages are recorded, never shown.
struct Scena {
    QTemporaryDir temporanea;
    QString cartella;   // where the archives are: `temporanea`'s, unless one is named
    ModuloVelno modulo;
    MessaggiRegistrati messaggi;
    DialoghiScena dialoghi;
    Finestre finestre{modulo, messaggi, dialoghi};

    // The archives are written in `dove` (a temporary folder when empty) unless it holds
    // them already. `ripristinabile`: a copy of the data as opened is kept for ripristina()
    // (not where memory is measured).
    explicit Scena(const QString& dove = QString(), bool ripristinabile = true);
    ~Scena();
    // Writes the archives and the yearly totals files in `dove`; false with a message.
    static bool scriviarchivi(const QString& dove);

    // Both archives opened through the windows' Open handlers (the Azioni window shown).
    void apri();
    // What the archives hold is what the program holds (positions on screen aside).
    bool intatta() const;
    // Opens the archives again when a handler changed the data (a sort, a delete, a
    // currency switch); closes the document windows prints opened; deletes unloaded windows.
    void ripristina();

private:
    std::optional<Portfolio> m_portafoglio;   // as the archives hold them
    std::optional<SalesBalance> m_vendite;
};

// Every pending event handled, the paints included.
void elaboraeventi();

// The offscreen platform's notes that it cannot raise a window or pass size hints (once per
// window shown) are dropped; every other message goes through.
void senzaavvisipiattaforma();

// One full-scale program shared by the benchmarks, made on first use, and its end (before
// the application's).
Scena& scenacondivisa();
void chiudiscenacondivisa();
