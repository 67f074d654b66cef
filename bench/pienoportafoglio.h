#pragma once
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
