#include "portfolio/portfolio.h"

#include <algorithm>
#include <utility>

void Portfolio::scambiatitoli(int a, int b)
{
    std::swap(nomititoli.at(a), nomititoli.at(b));
    std::swap(quantitatitoli.at(a), quantitatitoli.at(b));
    std::swap(prezzititoli.at(a), prezzititoli.at(b));
    std::swap(dateacquisto.at(a), dateacquisto.at(b));
    std::swap(notetitoli.at(a), notetitoli.at(b));
    std::swap(datestacco.at(a), datestacco.at(b));
    std::swap(dividendi.at(a), dividendi.at(b));
    std::swap(identita.at(a), identita.at(b));
    for (int c = 1; c <= maxcolonne; ++c)
        std::swap(quotazioni(c, a), quotazioni(c, b));
}

void Portfolio::scambiacolonne(int a, int b, int fino)
{
    std::swap(datequotazioni.at(a), datequotazioni.at(b));
    for (int i = 1; i <= fino && i <= maxtitoli; ++i)
        std::swap(quotazioni(a, i), quotazioni(b, i));
}

bool Portfolio::vuoto() const
{
    auto nessuno = [](const auto& tabella) {
        return std::all_of(tabella.begin(), tabella.end(), [](const QString& t) { return t.isEmpty(); });
    };
    return strategia.isEmpty() && nessuno(nomititoli) && nessuno(quantitatitoli) && nessuno(prezzititoli)
           && nessuno(dateacquisto) && nessuno(notetitoli) && nessuno(datestacco) && nessuno(dividendi)
           && nessuno(datequotazioni) && nessuno(notepiano) && nessuno(m_quotazioni);
}

int Portfolio::titolocon(int id) const
{
    for (int i = 1; i <= maxtitoli; ++i)
        if (identita[std::size_t(i)] == id)
            return i;
    return 0;
}

int Portfolio::ultimotitoloconnome() const
{
    for (int i = maxtitoli; i >= 1; --i)
        if (!nomititoli[i].isEmpty())
            return i;
    return 0;
}

namespace {

void svuotatitolo(Portfolio& p, int i)
{
    p.nomititoli[i].clear();
    p.quantitatitoli[i].clear();
    p.prezzititoli[i].clear();
    p.dateacquisto[i].clear();
    p.prezzieuro[i] = 0;
    p.notetitoli[i].clear();
    p.datestacco[i].clear();
    p.dividendi[i].clear();
    for (int c = 1; c <= Portfolio::maxcolonne; ++c)
        p.quotazioni(c, i).clear();
}

} // namespace

void cancellatutto(Portfolio& p)
{
    // The card fields go too: left behind, they would attach to the next holding typed in
    // that row.
    for (int i = 1; i <= Portfolio::maxtitoli; ++i)
        svuotatitolo(p, i);
    for (int c = 1; c <= Portfolio::maxcolonne; ++c)
        p.datequotazioni[c].clear();
    p.numerotitoli = 0;
    p.numerocolonne = 0;
}

namespace {
// The first of elements 1.. of `tabella` equal to `testo`; 0 when none is.
template <class Tabella> int posizione(const Tabella& tabella, const QString& testo)
{
    const auto trovato = std::find(tabella.begin() + 1, tabella.end(), testo);
    return trovato == tabella.end() ? 0 : int(trovato - tabella.begin());
}
} // namespace

bool cancellatitolo(Portfolio& p, const QString& nome)
{
    // No choice made in the dialog must not match an empty row.
    const int trovato = nome.isEmpty() ? 0 : posizione(p.nomititoli, nome);
    if (!trovato)
        return false;
    const int nuova = *std::max_element(p.identita.begin(), p.identita.end()) + 1;
    for (int i = trovato; i < Portfolio::maxtitoli; ++i) {
        p.nomititoli[i] = p.nomititoli[i + 1];
        p.quantitatitoli[i] = p.quantitatitoli[i + 1];
        p.prezzititoli[i] = p.prezzititoli[i + 1];
        p.dateacquisto[i] = p.dateacquisto[i + 1];
        p.prezzieuro[i] = p.prezzieuro[i + 1];
        p.notetitoli[i] = p.notetitoli[i + 1];
        p.datestacco[i] = p.datestacco[i + 1];
        p.dividendi[i] = p.dividendi[i + 1];
        p.identita[i] = p.identita[i + 1];
        for (int c = 1; c <= Portfolio::maxcolonne; ++c)
            p.quotazioni(c, i) = p.quotazioni(c, i + 1);
    }
    svuotatitolo(p, Portfolio::maxtitoli);
    // The deleted holding's identity is nobody's again: the emptied last row gets a new one.
    p.identita[Portfolio::maxtitoli] = nuova;
    // A holding beyond the established count leaves the count as it is.
    if (trovato <= p.numerotitoli && p.numerotitoli > 0)
        --p.numerotitoli;
    return true;
}

bool cancelladata(Portfolio& p, const QString& data)
{
    const int trovata = data.isEmpty() ? 0 : posizione(p.datequotazioni, data);
    if (!trovata)
        return false;
    for (int c = trovata; c < Portfolio::maxcolonne; ++c) {
        p.datequotazioni[c] = p.datequotazioni[c + 1];
        for (int i = 1; i <= Portfolio::maxtitoli; ++i)
            p.quotazioni(c, i) = p.quotazioni(c + 1, i);
    }
    p.datequotazioni[Portfolio::maxcolonne].clear();
    for (int i = 1; i <= Portfolio::maxtitoli; ++i)
        p.quotazioni(Portfolio::maxcolonne, i).clear();
    if (trovata <= p.numerocolonne && p.numerocolonne > 0)
        --p.numerocolonne;
    return true;
}

QStringList nomimib30()
{
    static const char* const nomi[] = {
        "Aem", "Alitalia", "Alleanza Assicurazioni", "Autogrill", "Autostrade", "Banca MPS",
        "Bca Pop. Italiana", "Bca Pop. Milano", "Bp Verona e Novara", "Bulgari", "Buzzi Unicem",
        "Capitalia", "Enel", "Eni", "Fastweb", "Fiat", "Finmeccanica", "Fondiaria-Sai",
        "Generali Ass.", "Gr. Edit. l'Espresso", "Intesa Sanpaolo", "Italcementi", "Lottomatica",
        "Luxottica Group", "Mediaset", "Mediobanca", "Mediolanum", "Mondadori Edit.", "Parmalat",
        "Pirelli e C.", "Saipem", "Seat Pagine Gialle", "Snam rete gas", "ATMicroelectronics",
        "Telecom Italia", "Tenaris", "Terna", "Ubi Banca", "Unicredito Italiano", "Unipol"};
    QStringList l;
    for (const char* n : nomi)
        l << QString::fromUtf8(n);
    return l;
}
