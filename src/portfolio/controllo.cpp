#include "portfolio/controllo.h"
#include "shared/date.h"
#include "shared/numeri.h"

#include <algorithm>
#include <cmath>
#include <array>

int contatitoli(const Portfolio& p)
{
    for (int i = Portfolio::maxtitoli; i >= 1; --i)
        if (!p.nomititoli[i].isEmpty() && !p.dateacquisto[i].isEmpty())
            return i;
    return 0;
}

std::optional<Messaggio> controllonome(int titolo, const QString& testo, const QString& titolo_messaggio,
                                       bool* memorizza)
{
    if (titolo > Portfolio::maxtitoli) {
        *memorizza = false;
        return Messaggio{QStringLiteral("Non è possibile inserire dati di più di cento titoli."), titolo_messaggio,
                         Icona::Critica};
    }
    *memorizza = true;
    if (testo.size() > 30)
        return Messaggio{QStringLiteral("Per una stampa corretta non digitare nomi di azioni più lunghi di 30 caratteri."),
                         titolo_messaggio, Icona::Esclamativa};
    return std::nullopt;
}

std::optional<Messaggio> controlloquotazione(int colonna, const QString& titolo)
{
    if (colonna > Portfolio::maxcolonne)
        return Messaggio{QStringLiteral("Non è possibile digitare oltre trecento quotazioni: eliminarne qualcuna non più utile."),
                         titolo, Icona::Critica};
    return std::nullopt;
}

std::optional<Messaggio> controllodataquotazione(int colonna, const QString& titolo)
{
    if (colonna > Portfolio::maxcolonne)
        return Messaggio{QStringLiteral("Non si possono digitare più di trecento date di quotazioni: eliminare prima quelle non più utili."),
                         titolo, Icona::Critica};
    return std::nullopt;
}

EsitoControllo controlloinput(Portfolio& p, int primacolonna, const QString& titolo)
{
    EsitoControllo esito;
    primacolonna = std::clamp(primacolonna, 1, Portfolio::maxcolonne - 4);
    esito.primacolonna = primacolonna;
    auto fallisce = [&](const QString& testo, Icona icona) {
        esito.messaggio = Messaggio{testo, titolo, icona};
        return esito;
    };

    // 1-2. Holdings
    p.numerotitoli = contatitoli(p);
    if (p.numerotitoli == 0)
        return fallisce(QStringLiteral("Impossibile proseguire: non è stato inserito nessun dato."), Icona::Critica);

    // 3. Columns: left as they were when no column has a date.
    for (int c = Portfolio::maxcolonne; c >= 1; --c)
        if (!p.datequotazioni[c].isEmpty()) {
            p.numerocolonne = c;
            break;
        }

    // 4. Purchase dates
    for (int i = 1; i <= p.numerotitoli; ++i) {
        const QString& d = p.dateacquisto[i];
        const QString messaggiodata = QStringLiteral(" d'acquisto del titolo n.") + str(i);
        if (d.size() != 8)
            return fallisce(QStringLiteral("Correggere la data ") + messaggiodata, Icona::Critica);
        if (auto m = controllodata(spezzadata(d), messaggiodata, titolo)) {
            esito.messaggio = m;
            return esito;
        }
        // "3O/12/98" passes the checks of its parts yet is no date: a passed check must
        // mean that every date converts, or a lira price would be taken for euro.
        if (!convertidata(d))
            return fallisce(QStringLiteral("Correggere la data ") + messaggiodata, Icona::Critica);
    }

    // 5-6. Visible columns: one with no date and no quotation in holdings 1..10 does not count.
    int contate = 5;
    for (int K = 1; K <= 5; ++K) {
        const int c = primacolonna + K - 1;
        if (!p.datequotazioni[c].isEmpty())
            continue;
        double somma = 0;
        for (int i = 1; i <= 10; ++i)
            somma += valore(p.quotazioni(c, i));
        if (somma == 0)
            --contate;
    }
    if (contate < 5)
        esito.primacolonna = primacolonna = std::max(1, primacolonna - 5);

    // 7. Dates of the counted columns, as now on screen
    for (int K = 1; K <= contate; ++K) {
        const QString& d = p.datequotazioni[primacolonna + K - 1];
        if (auto m = controllodatacompleta(d, QStringLiteral(" delle quotazioni della colonna n.") + str(K), titolo)) {
            esito.primacolonna = std::max(1, primacolonna - 5);
            esito.messaggio = m;
            return esito;
        }
    }

    // 8. A decimal comma in a price
    for (int i = 1; i <= p.numerotitoli; ++i)
        if (p.prezzititoli[i].contains(u','))
            return fallisce(QStringLiteral("Sostituire la virgola con il punto nel prezzo d'acquisto dell'azione n.") + str(i)
                                + u'.',
                            Icona::Esclamativa);

    // 9. A quotation missing after the purchase. A column date that is not a date is told
    // here rather than breaking the check; an empty one asks for nothing.
    std::array<std::optional<QDate>, Portfolio::maxtitoli + 1> acquisti;
    for (int i = 1; i <= p.numerotitoli; ++i)
        acquisti[i] = convertidata(p.dateacquisto[i]);
    for (int j = 1; j <= p.numerocolonne; ++j) {
        const QString& dj = p.datequotazioni[j];
        if (dj.isEmpty())
            continue;
        const auto datacolonna = convertidata(dj);
        if (!datacolonna)
            return fallisce(QStringLiteral("Correggere la data delle quotazioni della colonna n.") + str(j)
                                + QStringLiteral(": usare il formato gg/mm/aa."),
                            Icona::Critica);
        for (int i = 1; i <= p.numerotitoli; ++i) {
            if (valore(p.quotazioni(j, i)) != 0)
                continue;
            const auto& acquisto = acquisti[i];
            if (acquisto && giornitra(*datacolonna, *acquisto) < 0)
                return fallisce(QStringLiteral("Inserire la quotazione alla data del ") + dj
                                    + QStringLiteral(" successiva alla data d'acquisto del titolo n.") + str(i) + u'.',
                                Icona::Esclamativa);
        }
    }

    // 10. A price that is not a number
    for (int i = 1; i <= p.numerotitoli; ++i)
        if (valore(p.prezzititoli[i]) == 0)
            return fallisce(QStringLiteral("Inserire un valore numerico valido per la prezzo d'acquisto dell'azione n.")
                                + str(i) + u'.',
                            Icona::Esclamativa);

    // 11. A figure too large to compute with exactly: refused before it shows wrong digits.
    auto grande = [](const QString& t) { return !(std::fabs(valore(t)) < valoremassimo); };
    const QString troppo = QStringLiteral(": il numero è troppo grande.");
    for (int i = 1; i <= p.numerotitoli; ++i) {
        if (grande(p.quantitatitoli[i]))
            return fallisce(QStringLiteral("Inserire un valore numerico valido per la quantità dell'azione n.") + str(i)
                                + troppo,
                            Icona::Esclamativa);
        if (grande(p.prezzititoli[i]))
            return fallisce(QStringLiteral("Inserire un valore numerico valido per il prezzo d'acquisto dell'azione n.")
                                + str(i) + troppo,
                            Icona::Esclamativa);
    }
    for (int j = 1; j <= p.numerocolonne; ++j)
        for (int i = 1; i <= p.numerotitoli; ++i)
            if (grande(p.quotazioni(j, i)))
                return fallisce(QStringLiteral("Inserire un valore numerico valido per la quotazione del titolo n.") + str(i)
                                    + QStringLiteral(" alla data del ") + p.datequotazioni[j] + troppo,
                                Icona::Esclamativa);

    esito.superato = true;
    return esito;
}
