#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The sales of one year, held column-wise as the balance window shows them: one element per
// row, rows numbered from 1 (element 0 unused). A balance holds at most 100 sales; the window
// scrolls over 500 rows, so the tables reach that far, but only rows 1..numerorighe count.
struct SalesBalance {
    static constexpr int maxvendite = 100;
    static constexpr int maxrighe = 500;

    using Colonna = std::array<QString, maxrighe + 1>;

    // The eleven fields of a sale, in the order of the archive file. Amounts are kept as the
    // program's number texts ("." decimal), the other fields as typed or copied.
    Colonna nomea;          // stock name, chosen from the holdings
    Colonna dataacquisto;   // purchase date, copied from the holding
    Colonna nacq;           // shares owned, copied
    Colonna prezzo0;        // purchase price per share, in the currency shown
    Colonna datavendita;    // sale date, typed
    Colonna na;             // shares sold, typed
    Colonna prezzo;         // sale price per share, typed, in the currency shown
    Colonna pagato;         // cost of the shares sold
    Colonna realizzato;     // gain or loss
    Colonna percento;       // gain in percent of the cost ("12,35")
    std::array<QString, maxvendite + 1> appunti;   // the holding's notes

    // A sale price that a currency switch has turned into a number (the archive writes it
    // bare, as it writes the purchase price); a typed one is a text.
    std::array<bool, maxrighe + 1> prezzonumero{};

    // The fields of a row in file order, for `impostati`.
    enum Campo : int { Nome, DataAcquisto, Possedute, PrezzoAcquisto, DataVendita, Vendute, PrezzoVendita,
                       Pagato, Realizzato, Percento, Appunti, Campi };
    // The fields of each row that were given a value, even an empty text: the archive writes
    // such a field as "" and one never set as nothing, as the old program did, so that a
    // balance opened and saved unchanged is the same file.
    std::array<std::uint16_t, maxrighe + 1> impostati{};
    void imposta(int riga, Campo c) { impostati[std::size_t(riga)] |= std::uint16_t(1u << c); }
    bool impostato(int riga, Campo c) const { return impostati[std::size_t(riga)] & (1u << c); }

    // Shown in euro, the lire prices each row held before the switch and what the switch made
    // of them: back in lire, a price not typed again since is the one the user typed, not a
    // round trip through the rate (5450 would come back as 5451).
    struct PrezziLire {
        QString acquisto, vendita;         // in lire
        QString acquistoeuro, venditaeuro; // as the switch wrote them
        bool venditanumero = false;
        bool presente = false;
    };
    std::array<PrezziLire, maxrighe + 1> prezzilire;

    int numerorighe = 0;   // rows 1..numerorighe are the balance
    int primariga = 1;     // the row shown on the first of the window's ten lines

    // 1 until a currency button is used, then the rate (single precision, as it always was).
    float fattore = 1.0f;
    // The year of the multi-year panel: the last four characters of the balance file's name.
    QString annobilancio;

    static bool rigavalida(int r) { return r >= 1 && r <= maxrighe; }
};
