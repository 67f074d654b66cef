#pragma once
#include <QColor>
#include <QString>
#include <optional>
#include <vector>

// The seven kinds of chart, numbered as the charts window has always numbered them.
enum class TipoGrafico : int {
    Barre3D = 0,
    Barre = 1,
    Linee3D = 2,   // a ribbon per series
    Linee = 3,
    Area3D = 4,
    Passo3D = 6,
    Torta = 14,
};

// The chart's title for each kind.
QString titolografico(TipoGrafico t);

// Whether the kind is drawn by our own oblique painter (the 3-D kinds).
bool tipo3d(TipoGrafico t);

// What the chart shows: rows are categories (one per quotation column, labelled with its
// date), columns are series (one per holding, labelled with its name). Rows and columns are
// numbered from 1; a cell is either a value or unset (no quotation: no point, no bar).
class GrigliaGrafico {
public:
    TipoGrafico tipo() const { return m_tipo; }
    void impostatipo(TipoGrafico t);
    const QString& titolo() const { return m_titolo; }
    void impostatitolo(const QString& t);

    int righe() const { return m_righe; }
    int colonne() const { return m_colonne; }
    // A new size: every cell unset and every label empty, so nothing of the previous chart
    // survives into the next.
    void dimensiona(int righe, int colonne);
    // Rows 0, columns 0: the chart is empty.
    void azzera() { dimensiona(0, 0); }

    QString etichettariga(int r) const;
    void impostaetichettariga(int r, const QString& testo);
    QString etichettacolonna(int c) const;
    void impostaetichettacolonna(int c, const QString& testo);

    std::optional<double> dato(int r, int c) const;
    void impostadato(int r, int c, double v);

    bool visibile() const { return m_visibile; }
    void impostavisibile(bool si);

    // Grows at every change of what is drawn: whoever draws the grid knows when to draw it again.
    quint64 modifiche() const { return m_modifiche; }

    // The smallest and largest value set, nothing when no cell is set.
    std::optional<std::pair<double, double>> estremi() const;

private:
    bool dentro(int r, int c) const { return r >= 1 && r <= m_righe && c >= 1 && c <= m_colonne; }
    std::size_t indice(int r, int c) const { return std::size_t(r - 1) * std::size_t(m_colonne) + std::size_t(c - 1); }

    TipoGrafico m_tipo = TipoGrafico::Linee;
    QString m_titolo;
    int m_righe = 0;
    int m_colonne = 0;
    std::vector<QString> m_etichetterighe;
    std::vector<QString> m_etichettecolonne;
    std::vector<std::optional<double>> m_dati;
    bool m_visibile = false;
    quint64 m_modifiche = 0;
};

// The colour of series k (1..), the same in every kind of chart and in the legend.
QColor coloreserie(int k);

// A value axis with round steps: from `inizio` to `fine` by `passo`, with `decimali`
// decimals enough to tell the steps apart.
struct ScalaValori {
    double inizio = 0;
    double fine = 1;
    double passo = 0.5;
    int decimali = 1;
    int tacche() const;   // how many steps
};
// The axis over the values from `minimo` to `massimo`; with `conzero` it also reaches 0
// (bars and areas stand on it).
ScalaValori scalavalori(double minimo, double massimo, bool conzero);

// A number with Italian separators ("1.234,5"), with the given decimals.
QString numeroitaliano(double v, int decimali);
// A charted value as tool tips and labels show it: at most two decimals, no trailing zeros.
QString valoreitaliano(double v);
