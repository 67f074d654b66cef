#include "portfolio/stampaazioni.h"
#include "shared/documento.h"
#include "shared/numeri.h"

#include <algorithm>

namespace {
const QString gotico = QStringLiteral("Century Gothic");

// A quantity as the totals read it, grouped by thousands; a text that is no number as it is.
QString quantita(const QString& testo)
{
    if (testo.isEmpty() || !iniziaconnumero(testo))
        return testo;
    return formatta(valore(testo), u"##,##0");
}
} // namespace

void stampaazioni(Documento& d, const Portfolio& p, const StampaAzioni& s)
{
    const int n = std::clamp(p.numerotitoli, 0, Portfolio::maxtitoli);
    const int prima = std::clamp(s.primacolonna, 1, Portfolio::maxcolonne - 4);

    iniziostampa(d, s.nomeprogramma, s.descrizione + QStringLiteral("\r\r"));
    d.carattere(gotico, 12);
    d.scrivi(QStringLiteral("Azioni acquistate e quotazioni periodiche"));

    d.aggiungiparagrafo(d.finedocumento());
    const int t1 = d.aggiungitabella(d.finedocumento(), n + 2, 10);
    d.dimensionetabella(t1, 8);
    const QString intestazioni[] = {QStringLiteral("n."), QStringLiteral("titolo"), QStringLiteral("data d'acquisto"),
                                    QStringLiteral("quantità"), QStringLiteral("prezzo d'acquisto")};
    for (int k = 0; k < 5; ++k)
        d.testocella(t1, 1, k + 1, intestazioni[k]);
    for (int K = 1; K <= 5; ++K)
        d.testocella(t1, 1, 5 + K, p.datequotazioni[prima + K - 1]);
    for (int i = 1; i <= n; ++i) {
        d.testocella(t1, i + 1, 1, str(i));
        d.testocella(t1, i + 1, 2, p.nomititoli[i]);
        d.testocella(t1, i + 1, 3, p.dateacquisto[i]);
        d.testocella(t1, i + 1, 4, quantita(p.quantitatitoli[i]));
        d.testocella(t1, i + 1, 5, p.prezzititoli[i]);
        for (int K = 1; K <= 5; ++K)
            d.testocella(t1, i + 1, 5 + K,
                         formattatesto(virgoladecimale(p.quotazioni(prima + K - 1, i)), u"##,##0.0000"));
    }
    d.testocella(t1, n + 2, 5, QStringLiteral("guadagno"));
    for (int K = 1; K <= 5; ++K)
        d.testocella(t1, n + 2, 5 + K, formattatesto(s.guadagni[std::size_t(K)], u"##,##0.0000"));

    d.aggiungiparagrafo(d.finedocumento());
    const int t2 = d.aggiungitabella(d.finedocumento(), 4, 2);
    d.dimensionetabella(t2, 12);
    const QString totali[4][2] = {{QStringLiteral("dati generali"), QStringLiteral("valori")},
                                  {s.totale, s.totaleiniziale},
                                  {s.totaleal, s.totaledatato},
                                  {s.totinvestito, s.totalecorrente}};
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 2; ++k)
            d.testocella(t2, r + 1, k + 1, totali[r][k]);

    d.aggiungiparagrafo(d.finedocumento());
    d.testointervallo(d.finedocumento(), 12, QStringLiteral("\rAppunti di strategia:\r") + p.strategia);

    for (int k = 3; k <= 10; ++k)
        d.allineacolonna(t1, k, Documento::Allineamento::Destra);
    d.allineacolonna(t2, 2, Documento::Allineamento::Destra);
}
