#pragma once
#include "charts/grigliagrafico.h"
#include "shared/messaggio.h"

#include <optional>
#include <vector>

class ModuloVelno;
struct Portfolio;

// The charts' rules: filling the grid from the Portfolio and moving through holdings and
// quotation columns. The charts window owns one and shows the messages it returns; the
// positions shared with the Azioni window (first holding, first column) live in the module.
class RegoleGrafici {
public:
    RegoleGrafici(ModuloVelno& modulo, GrigliaGrafico& griglia);

    // What the charts show: the first holding and the first quotation column charted.
    int primotitolo = 1;
    int primacolonna = 1;

    // Window state: 1 single-holding chart, 2 series chart, 0 none drawn yet (series).
    int modografico = 0;
    int titolocorrente = 0;          // the holding of the single-holding chart
    int nodati = 0;
    int correzionescorrimento = 0;

    // Up to 10 holdings from primotitolo over up to 10 dated columns.
    std::optional<Messaggio> graficoserie();
    // The next holding (wrapping round) over the dated columns of the window.
    std::optional<Messaggio> graficotitolo();
    // Sets nodati and answers when the Portfolio has no holding.
    std::optional<Messaggio> verificadati();

    std::optional<Messaggio> azioneprima_click();
    std::optional<Messaggio> azionedopo_click();
    std::optional<Messaggio> quotazsinistra_click();
    std::optional<Messaggio> quotazdestra_click();

    // The scroll bar moved to `v`. When fewer than 10 dated columns would be left, the
    // message and the value the bar must be moved back to (its change then draws);
    // otherwise the series chart is drawn from v. `incorrezione`: this change is that
    // move back, which draws without asking again.
    struct Scorrimento {
        std::vector<Messaggio> messaggi;   // in the order they are shown
        std::optional<int> correzione;
    };
    Scorrimento HScroll1_Change(int v, bool incorrezione);

    // The same chart drawn again from the tables, keeping the holding in single-holding
    // mode; nothing is said. False when there is nothing to chart (the chart is hidden).
    bool ridisegna();

    // Quotations dated after 31/12/1998 are euro, charted in lire.
    static double fattorelira(const QString& data);

private:
    int numerotitoli() const;
    std::optional<Messaggio> disegnamodo();
    Messaggio avviso(const QString& testo, Icona icona) const;
    const Portfolio& p() const;

    ModuloVelno& m_modulo;
    GrigliaGrafico& m_griglia;
};
