#include "portfolio/ordinamento.h"
#include "shared/date.h"

#include <algorithm>
#include <numeric>
#include <vector>

// Both sorts give exactly what repeated passes of neighbour swaps would (a stable order),
// computed as a permutation and applied once.

namespace {

template <typename Tabella>
void permuta(Tabella& t, const std::vector<int>& ordine, int primo)
{
    std::vector<QString> copia;
    copia.reserve(ordine.size());
    for (int k : ordine)
        copia.push_back(std::move(t[k]));
    for (std::size_t k = 0; k < ordine.size(); ++k)
        t[primo + int(k)] = std::move(copia[k]);
}

} // namespace

void ordinaazioni(Portfolio& p)
{
    const int n = std::clamp(p.numerotitoli, 0, Portfolio::maxtitoli);
    if (n < 2)
        return;
    std::vector<int> ordine(n);
    std::iota(ordine.begin(), ordine.end(), 1);
    std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) {
        return QString::compare(p.nomititoli[a], p.nomititoli[b], Qt::CaseSensitive) < 0;
    });
    for (auto* t : {&p.nomititoli, &p.quantitatitoli, &p.prezzititoli, &p.dateacquisto, &p.notetitoli,
                    &p.datestacco, &p.dividendi})
        permuta(*t, ordine, 1);
    const auto identita = p.identita;
    for (int k = 0; k < n; ++k)
        p.identita[std::size_t(k + 1)] = identita[std::size_t(ordine[std::size_t(k)])];
    std::vector<QString> riga(n);
    for (int c = 1; c <= Portfolio::maxcolonne; ++c) {
        for (int k = 0; k < n; ++k)
            riga[k] = std::move(p.quotazioni(c, ordine[k]));
        for (int k = 0; k < n; ++k)
            p.quotazioni(c, k + 1) = std::move(riga[k]);
    }
}

void ordinaquotazioni(Portfolio& p)
{
    int ultima = 0;
    while (ultima < Portfolio::maxcolonne && !p.datequotazioni[ultima + 1].isEmpty())
        ++ultima;
    std::vector<std::optional<QDate>> date(ultima + 1);
    for (int c = 1; c <= ultima; ++c)
        date[c] = convertidata(p.datequotazioni[c]);

    // A date that is not a date never moves, and nothing moves across it.
    std::vector<int> ordine(ultima);
    std::iota(ordine.begin(), ordine.end(), 1);
    auto inizio = ordine.begin();
    while (inizio != ordine.end()) {
        auto fine = std::find_if(inizio, ordine.end(), [&](int c) { return !date[c]; });
        std::stable_sort(inizio, fine, [&](int a, int b) { return *date[a] < *date[b]; });
        inizio = fine == ordine.end() ? fine : fine + 1;
    }
    bool fermo = true;
    for (int k = 0; k < ultima; ++k)
        fermo = fermo && ordine[k] == k + 1;
    if (fermo)
        return;

    permuta(p.datequotazioni, ordine, 1);
    std::vector<QString> colonna(ultima);
    for (int i = 1; i <= Portfolio::maxtitoli; ++i) {
        for (int k = 0; k < ultima; ++k)
            colonna[k] = std::move(p.quotazioni(ordine[k], i));
        for (int k = 0; k < ultima; ++k)
            p.quotazioni(k + 1, i) = std::move(colonna[k]);
    }
}
