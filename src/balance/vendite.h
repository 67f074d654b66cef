#pragma once
#include "balance/salesbalance.h"
#include "shared/messaggio.h"

#include <QString>
#include <QStringList>
#include <optional>

struct Portfolio;

// The rules of the annual balance of shares sold: choosing the stock of a sale, the figures
// of a row, the totals, the checks on what is typed, and the lire/euro conversion.

// The rate as the balance keeps it, in single precision: 1936.27001953125.
constexpr float cambiosingolo = 1936.27f;

// v through a x10000 scaling and back, as every figure of the balance is: the product's
// binary noise (0.1 x 3 = 0.30000000000000004) does not reach the captions.
double scala(double v);
// A number as the balance stores it: "." decimal, no grouping, no exponent ("14500", "7.489").
QString testonumero(double v);
// A percentage as the balance shows and stores it, with the decimal comma ("12,35").
QString testopercento(double p);
// An amount caption of the window: "###,0" in lire, "##,##0.00" in euro; empty stays empty.
QString mostraimporto(const QString& testo, bool euro);
// A row's percentage caption: as stored, or fuorimisura() when too long to show every digit of.
QString mostrapercento(const QString& percento);
// The year of a sale date, when the text is a date.
std::optional<int> annovendita(const QString& data);

// Row count: the rows before the first one (among 1..100) without a stock name.
int contarighe(const SalesBalance& b);

// Whether no sale of the balance is dated in a year other than `anno`. A balance that mixes
// years has no totals of its own: they must not replace the file of either year.
bool soloanno(const SalesBalance& b, int anno);

// The names the rows' lists offer: the Portfolio's holdings, in holding order (names typed
// beyond the count included), so that pick `indice` is holding `indice`.
QStringList titolidascegliere(const Portfolio& p);

// Copies holding `indice` of the list (1-based, the list holding the names of the holdings
// in holding order) into row `riga`: name, notes, shares owned, purchase date and purchase
// price, in lire (a purchase after 31/12/98 was paid in euro). Then the row count and the
// row's figures. `nome` is the name the list showed: when the Portfolio changed since the
// list was filled, the holding of that name is taken. A refusal comes back as the message.
std::optional<Messaggio> sceglititolo(SalesBalance& b, const Portfolio& p, int riga, int indice,
                                      const QString& nome, const QString& titolo);

// Cost, gain and percentage of row `riga` from its prices and shares sold. A sale price that
// is not a figure (see cifravalida) counts as no sale price yet: no gain, as in the totals.
void calcolariga(SalesBalance& b, int riga);
// Every row of the balance computed again from its prices and shares: after an open, what a
// row shows never comes from figures stored in the file.
void ricalcolarighe(SalesBalance& b);

// A figure typed in the balance: an optional sign, digits, at most one "." before the
// decimals, blanks around. "abc", "6.000,5" and "1e400" are not figures.
bool cifravalida(const QString& testo);
// The sale price of a row as the figures count it: nothing when empty, not a figure or of
// 10^10 or more.
std::optional<double> prezzovendita(const QString& testo);

// What is typed in the shares sold (`vendute` true) or the sale price of line or row
// `numero`: refused, with a message in the style of the Azioni window's check, when it is not
// a figure, has a decimal comma, or is of 10^10 or more. Empty passes.
std::optional<Messaggio> controllocifra(const QString& testo, bool vendute, int numero, const QString& titolo);
// The sale date of line or row `numero`: eight characters that pass the date check and are
// a real date. Empty passes.
std::optional<Messaggio> controllodatavendita(const QString& data, int numero, const QString& titolo);
// Before a save: every counted row's sale date (required once shares sold are typed), shares
// sold and sale price, the first refusal naming its row.
std::optional<Messaggio> controllobilancio(const SalesBalance& b, const QString& titolo);

// The first row after the count that holds a stock: a sale beyond an empty line, which the
// count (and so the totals and the archive) leaves out. 0 when there is none.
int venditaoltreilvuoto(const SalesBalance& b);
// Moves every row with a stock up, in order, over the rows without one, and counts again.
void chiudivuoti(SalesBalance& b);

struct TotaliBilancio {
    double pagato = 0;
    double guadagno = 0;
    QString testopagato;     // the captions as the totals file stores them
    QString testoguadagno;
    QString media;           // empty with no gain, "gratis" with a gain at no cost
};
TotaliBilancio calcolatotali(const SalesBalance& b);

// The number of shares sold typed on line `linea` (1..10), row `riga`. The number is stored,
// then the sale date is checked, the stock must have been chosen from the list, the row is
// computed; a line with a sale date gives the year of the balance, must be of the same year
// as the line above it and may not sell more shares than are owned (the number is then
// cleared). `dataprecedente` is the sale date of the line above (empty for line 1).
struct EsitoVendita {
    std::optional<Messaggio> messaggio;
    std::optional<int> anno;   // the balance's year, from this line's sale date
    bool calcolata = false;    // the row's figures changed: the totals follow
    bool svuotata = false;     // the number sold was cleared
};
EsitoVendita immettivendute(SalesBalance& b, int riga, int linea, const QString& vendute,
                            const QString& nomelinea, const QString& dataprecedente, const QString& titolo);

// Rows converted by a currency switch: page by page from row 1, while the page's first row is
// below the row count.
int ultimarigaconvertita(int numerorighe);
// Every price to euro (three decimals) or back to whole lire; the figures follow the prices.
// Back in lire, a price the switch to euro wrote and nobody retyped is the lire one it came
// from; only a price typed in euro is converted at the rate.
void convertiineuro(SalesBalance& b);
void convertiinlire(SalesBalance& b);
