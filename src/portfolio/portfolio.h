#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Everything the program knows about the investor's shares. Cells hold the text as typed;
// holdings are numbered 1..100 and quotation columns 1..300 (element 0 is never used).
struct Portfolio {
    static constexpr int maxtitoli = 100;
    static constexpr int maxcolonne = 300;

    using TabellaTitoli = std::array<QString, maxtitoli + 1>;

    TabellaTitoli nomititoli;
    TabellaTitoli quantitatitoli;
    TabellaTitoli prezzititoli;
    TabellaTitoli dateacquisto;
    std::array<double, maxtitoli + 1> prezzieuro{};
    TabellaTitoli notetitoli;
    TabellaTitoli datestacco;
    TabellaTitoli dividendi;
    std::array<QString, maxcolonne + 1> datequotazioni;

    int numerotitoli = 0;
    int numerocolonne = 0;
    QString strategia;
    std::array<QString, 13> notepiano;

    // Who each row's holding is: a number that moves with the holding when a sort or a
    // deletion moves it, so that whoever shows a holding finds it again. Not archived.
    std::array<int, maxtitoli + 1> identita{};

    Portfolio() : m_quotazioni((maxcolonne + 1) * (maxtitoli + 1))
    {
        for (int i = 0; i <= maxtitoli; ++i)
            identita[std::size_t(i)] = i;
    }

    // quotazioni(column, holding), as the old table was indexed.
    QString& quotazioni(int colonna, int titolo) { return m_quotazioni.at(indice(colonna, titolo)); }
    const QString& quotazioni(int colonna, int titolo) const
    {
        return m_quotazioni.at(indice(colonna, titolo));
    }

    static bool titolovalido(int n) { return n >= 1 && n <= maxtitoli; }
    static bool colonnavalida(int c) { return c >= 1 && c <= maxcolonne; }

    // Swaps every field of two holdings, quotations included (not prezzieuro, which the
    // next total-cost computation rebuilds).
    void scambiatitoli(int a, int b);
    // Swaps the dates and the quotations of two columns for holdings 1..fino.
    void scambiacolonne(int a, int b, int fino = maxtitoli);

    // The row of the holding with identity `id`, 0 when none holds it.
    int titolocon(int id) const;

    // Highest holding number whose name is filled (0 when none).
    int ultimotitoloconnome() const;
    // Whether nothing at all has been typed or read into it.
    bool vuoto() const;

private:
    static std::size_t indice(int colonna, int titolo)
    {
        return std::size_t(colonna) * (maxtitoli + 1) + std::size_t(titolo);
    }
    std::vector<QString> m_quotazioni;
};

// The three operations of the delete-data dialog, on the tables.
// Empties every holding's data, every column date and every quotation; the counts become 0.
void cancellatutto(Portfolio& p);
// Deletes the first holding named `nome`, moving the later ones up a row. False when no
// holding has that name.
bool cancellatitolo(Portfolio& p, const QString& nome);
// Deletes the first quotation column dated `data`, moving the later ones left. False when
// no column has that date.
bool cancelladata(Portfolio& p, const QString& data);

// The shares of the MIB30 the Azioni window's name lists offer, in their order.
QStringList nomimib30();
