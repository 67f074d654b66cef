#pragma once
#include "balance/salesbalance.h"
#include "balance/vendite.h"
#include "portfolio/portfolio.h"

#include <QDate>

// A Portfolio at full scale: 100 holdings, 300 dated columns, every quotation typed.
inline void riempiportafoglio(Portfolio& p)
{
    for (int i = 1; i <= Portfolio::maxtitoli; ++i) {
        p.nomititoli[i] = QStringLiteral("Titolo azionario %1").arg(i);
        p.quantitatitoli[i] = QString::number(100 + i * 7);
        p.prezzititoli[i] = QString::number(1000 + i * 13.5, 'f', 2);
        p.dateacquisto[i] = QStringLiteral("%1/%2/98").arg(1 + i % 28, 2, 10, QLatin1Char('0')).arg(1 + i % 12, 2, 10, QLatin1Char('0'));
        for (int c = 1; c <= Portfolio::maxcolonne; ++c)
            p.quotazioni(c, i) = QString::number(5 + (i * 31 + c * 17) % 997 / 10.0, 'f', 2);
    }
    for (int c = 1; c <= Portfolio::maxcolonne; ++c) {
        const QDate d = QDate(1999, 1, 1).addDays(c * 3);
        p.datequotazioni[c] = d.toString(QStringLiteral("dd/MM/yy"));
    }
    p.numerotitoli = Portfolio::maxtitoli;
    p.numerocolonne = Portfolio::maxcolonne;
}

// The texts a user writes beside the figures: accents, commas, quotes and line breaks in
// the notes of every holding, the strategy and the thirteen plan notes.
inline void riempiappunti(Portfolio& p)
{
    p.strategia = QStringLiteral("Incrementare i titoli bancari, ridurre gli industriali.\nRivedere a giugno: più liquidità.");
    for (int i = 1; i <= Portfolio::maxtitoli; ++i) {
        p.notetitoli[i] = QStringLiteral("Società solida, dividendo costante; \"buy\" secondo l'analista.\nTenere.");
        p.datestacco[i] = QStringLiteral("20/05/99");
        p.dividendi[i] = QStringLiteral("0.25");
    }
    for (QString& n : p.notepiano)
        n = QStringLiteral("Obiettivi del mese: vendere, comprare, attendere.");
}

// A balance at full scale: 100 sales of 2001, each of the holding of the same number (its
// name, quantity and purchase date), with notes.
inline SalesBalance centovendite()
{
    SalesBalance b;
    for (int r = 1; r <= SalesBalance::maxvendite; ++r) {
        const auto i = std::size_t(r);
        b.nomea[i] = QStringLiteral("Titolo azionario %1").arg(r);
        b.dataacquisto[i] = QStringLiteral("%1/%2/98").arg(1 + r % 28, 2, 10, QLatin1Char('0')).arg(1 + r % 12, 2, 10, QLatin1Char('0'));
        b.nacq[i] = QString::number(100 + r * 7);
        b.prezzo0[i] = QString::number(1000 + r * 135);
        b.datavendita[i] = QStringLiteral("%1/%2/01").arg(1 + r % 28, 2, 10, QLatin1Char('0')).arg(1 + r % 12, 2, 10, QLatin1Char('0'));
        b.na[i] = QString::number(50 + r);
        b.prezzo[i] = QString::number(1100 + r * 141);
        b.appunti[i] = QStringLiteral("Società solida, dividendo costante; \"buy\" secondo l'analista.\nTenere.");
        calcolariga(b, r);
    }
    b.numerorighe = SalesBalance::maxvendite;
    return b;
}
