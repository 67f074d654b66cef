#include "documenti/recupero.h"
#include "balance/archiviobilancio.h"
#include "balance/salesbalance.h"
#include "balance/vendite.h"
#include "portfolio/archivio.h"
#include "portfolio/controllo.h"
#include "portfolio/portfolio.h"

QString testorecuperoportafoglio(const Portfolio& p)
{
    Portfolio copia = p;
    int titoli = 0, colonne = 0;
    for (int i = Portfolio::maxtitoli; i >= 1 && titoli == 0; --i) {
        bool pieno = false;
        for (const QString* t : {&p.nomititoli[i], &p.quantitatitoli[i], &p.prezzititoli[i], &p.dateacquisto[i],
                                 &p.notetitoli[i], &p.datestacco[i], &p.dividendi[i]})
            pieno = pieno || !t->isEmpty();
        for (int c = 1; c <= Portfolio::maxcolonne && !pieno; ++c)
            pieno = !p.quotazioni(c, i).isEmpty();
        if (pieno)
            titoli = i;
    }
    for (int c = Portfolio::maxcolonne; c >= 1 && colonne == 0; --c) {
        bool pieno = !p.datequotazioni[c].isEmpty();
        for (int i = 1; i <= Portfolio::maxtitoli && !pieno; ++i)
            pieno = !p.quotazioni(c, i).isEmpty();
        if (pieno)
            colonne = c;
    }
    copia.numerotitoli = titoli;
    copia.numerocolonne = colonne;
    return testoarchivio(copia);
}

QString testorecuperobilancio(const SalesBalance& b, bool ineuro)
{
    SalesBalance copia = b;
    if (ineuro)
        convertiinlire(copia);
    int righe = 0;
    for (int r = SalesBalance::maxvendite; r >= 1 && righe == 0; --r) {
        bool pieno = !copia.appunti[std::size_t(r)].isEmpty();
        for (const SalesBalance::Colonna* c : {&copia.nomea, &copia.dataacquisto, &copia.nacq, &copia.prezzo0, &copia.datavendita,
                                              &copia.na, &copia.prezzo, &copia.pagato, &copia.realizzato, &copia.percento})
            pieno = pieno || !(*c)[std::size_t(r)].isEmpty();
        if (pieno)
            righe = r;
    }
    copia.numerorighe = righe;
    return testobilancio(copia);
}

void contirecupero(Portfolio& p)
{
    p.numerotitoli = contatitoli(p);
    p.numerocolonne = 0;
    for (int c = Portfolio::maxcolonne; c >= 1; --c)
        if (!p.datequotazioni[c].isEmpty()) {
            p.numerocolonne = c;
            break;
        }
}
