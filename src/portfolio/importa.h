#pragma once
#include "portfolio/portfolio.h"
#include "shared/messaggio.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Quotations brought in at once: a column pasted from a spreadsheet or a web page, or a
// day's quotations imported from a CSV file.

// A figure as a spreadsheet or a web page shows it ("6,35", "6.35", "1.234,5 €",
// "1,234.50", " 12 ") as Velno's own number text ("6.35", "1234.5", "1234.50", "12"): "."
// the only decimal separator, no thousands separator, no currency. A lone "." or "," is the
// decimal separator (but in lire, "Lit. 14.500", it groups thousands); with both, the last
// one is. Nothing when it is not a number.
std::optional<QString> numeroincollato(const QString& testo);

// A date as pasted ("4/1/1999", "04-01-99", "1999-01-04") as "gg/mm/aa"; nothing when it
// is not a date. `mesegiorno` reads "1/4/1999" as 4 January (an English export).
std::optional<QString> dataincollata(const QString& testo, bool mesegiorno = false);

// The lines of a pasted text (any line end), without the empty lines that end it.
QStringList righeincollate(const QString& testo);
// The fields along a pasted row: a spreadsheet row is tab-separated, a column one a line.
QStringList campiincollati(const QString& testo);

struct EsitoIncolla {
    int collocati = 0;
    QList<int> saltate;                 // lines (from 1) that are not figures: left as they were
    std::optional<Messaggio> rifiuto;   // past the last holding or column: nothing was placed
    Messaggio riepilogo(const QString& titolo, const QString& cosa) const;
};

// Pasted into the quotation box of holding `titolo`, column `colonna`: one figure a line,
// holding after holding.
EsitoIncolla incollacolonna(Portfolio& p, int colonna, int titolo, const QString& testo, const QString& titolomessaggi);
// Pasted into the date box of column `colonna`: one date a field, column after column.
EsitoIncolla incolladate(Portfolio& p, int colonna, const QString& testo, const QString& titolomessaggi);

// A CSV file of holding names and prices, with or without a date column and a heading.
struct RigaQuotazione {
    int riga = 0;        // line of the file, from 1
    QString nome;
    QString prezzo;      // Velno's number text; empty when the field is not a number
    QString data;        // "gg/mm/aa", empty when the file has no date column
};
Q_DECLARE_TYPEINFO(RigaQuotazione, Q_RELOCATABLE_TYPE);   // a list of a million lines grows by moving
struct FileQuotazioni {
    QList<RigaQuotazione> righe;
    bool condata = false;
    QString errore;      // the file cannot be read as quotations: why
    int colonnaprezzo = -1;   // the column read for the prices (from 0)
    // When the heading does not tell which column holds today's prices (several of them, or
    // only what was paid, as a broker's "Prezzo medio di carico"): the columns of figures to
    // choose from, with the heading and the first rows to show. No rows are read then.
    QList<int> colonneprezzo;
    QStringList intestazione;
    QList<QStringList> primerighe;
    bool dascegliere() const { return righe.isEmpty() && errore.isEmpty() && !colonneprezzo.isEmpty(); }
    // The columns to choose from as the user is shown them: "Prezzo di mercato (7,15; 6,35)".
    QStringList vocicolonne() const;
};
// `colonnaprezzo`: the column of the prices, chosen by the user (from 0); -1 to find it.
// `avanzamento` is told now and then how far the reading is, in per cent.
FileQuotazioni leggiquotazioni(const QByteArray& dati, int colonnaprezzo = -1,
                               const std::function<void(int)>& avanzamento = {});

struct EsitoImporta {
    int colonna = 0;
    QString data;
    int collocati = 0;
    QStringList nontrovati;   // names no holding has
    QList<int> senzaprezzo;   // lines whose price is not a number
    std::optional<Messaggio> rifiuto;
    Messaggio riepilogo(const QString& titolo) const;
};
// Adds one dated column (the first without a date or a quotation) with the file's prices
// for every holding of the same name (case and surrounding blanks ignored). `data` is the
// date chosen by the user ("gg/mm/aa") when the file has none. Nothing changes when no
// holding matches.
EsitoImporta importaquotazioni(Portfolio& p, const FileQuotazioni& f, const QString& data, const QString& titolo);
